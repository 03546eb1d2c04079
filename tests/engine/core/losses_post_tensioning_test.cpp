// Losses of a girder post-tensioned as well as pretensioned: the pretensioning losses up to the
// post-tensioning and to final with the shortening the tendons cause, the tendon losses, the
// specified roads, and a post-tensioned variant of example design 1, whose deck is cast at 20
// days (before the 30 days the time factors count from).
#include <cmath>

#include "test_support.h"

namespace kordel::test {
namespace {

class LossesPostTensioningTest : public EngineTest {
  protected:
    std::unique_ptr<CKordelDoc> Example(int seed) {
        frame.m_nSeedChoice = seed;
        auto d = NewDoc();
        EXPECT_TRUE(d->OnNewDocument());
        host.ClearMessages();
        return d;
    }
};

// Example 4 (LRFD 3rd edition method, low-relaxation strands, H = 70 %, deck at 90 days):
//   time from 30 days to the deck: 90 - 30 = 60 days
//   shrinkage factor 60 / (35 + 60) = 0.631579; SH = 17 - 0.15 x 70 = 6.5; up to the deck
//   0.631579 x 6.5 = 4.10526 ksi
//   creep factor 60^0.6 / (10 + 60^0.6) = 11.6652 / 21.6652 = 0.538429
//   segment: three segments, the middle one 63 ft: Mseg = 1.28833 x 63^2 / 8 = 639.174 kip-ft
//   tendon shrinkage SHt = 13.5 - 0.123 x 70 = 4.89 ksi
//   tendon relaxation (low-relaxation, LRFD): 0.3 (20 - 0.3 FR - 0.4 ESt - 0.2 (SHt + CRt))
TEST_F(LossesPostTensioningTest, Example4AgainstHandValues) {
    auto d = Example(SeedSpliced);
    const double* ss = d->m_adLossSecondStage;
    EXPECT_NEAR(ss[kSecondStageSegmentLength], 63.0, 1e-12);
    EXPECT_NEAR(ss[kSecondStageSegmentMoment], 1236.8 / 144 * 0.15 * 63 * 63 / 8, 1e-6);
    EXPECT_NEAR(ss[kSecondStageShrinkFactor], 60.0 / 95.0, 1e-12);
    EXPECT_NEAR(ss[kSecondStageShrinkToDeck], 6.5 * 60.0 / 95.0, 1e-9);
    EXPECT_NEAR(ss[kSecondStageCreepFactor], 0.538429, 1e-6);
    EXPECT_NEAR(ss[kSecondStageTendonSh], 4.89, 1e-12);

    // Loss at post-tensioning = ES + shrinkage and creep up to the deck + RE1 + ESpt; final =
    // ES + SH + CR + RE2 + ESpt.
    const double ES = d->m_adLossElasticShortening[kElasticLoss];
    const double RE1 = d->m_adLossRelaxation[kRelaxationBeforeTransfer];
    const double ESpt = ss[kSecondStageEsFromPt];
    EXPECT_NEAR(ss[kSecondStageLoss],
                ES + ss[kSecondStageShrinkToDeck] + ss[kSecondStageCreepToDeck] + RE1 + ESpt, 1e-9);
    EXPECT_NEAR(d->m_adTotalLoss[kTotalLossFinal],
                ES + d->m_dLossShrinkage + d->m_adLossCreep[kCreepLoss] +
                    d->m_adLossRelaxation[kRelaxationAfterTransfer] + ESpt,
                1e-9);
    EXPECT_NEAR(d->m_adTotalLoss[kTotalLossRelease], ES + RE1, 1e-12);
    // ESpt = Ep / Ec x fpt, fpt the stress of the tendons at the strands.
    EXPECT_NEAR(ESpt, 28500 / d->m_dBeamEc * d->m_adLossApprox[kApproxFcgpFromPt], 1e-9);
    EXPECT_GT(ESpt, 0.0);

    const double FR = d->m_adPtFrictionAnchorSet[kPtFrictionLoss];
    const double ESt = ss[kSecondStageTendonEs], CRt = ss[kSecondStageTendonCr];
    EXPECT_NEAR(ss[kSecondStageTendonRe], 0.3 * (20 - 0.3 * FR - 0.4 * ESt - 0.2 * (4.89 + CRt)),
                1e-9);
    EXPECT_NEAR(d->m_adPtTotalLoss[kPtLossFinal] - d->m_adPtTotalLoss[kPtLossStage],
                4.89 + CRt + ss[kSecondStageTendonRe], 1e-9);
    // Stress limits of the tendon steel (fpy 243, fpu 270, low relaxation).
    EXPECT_NEAR(ss[kSecondStageAllowJacking], 218.7, 1e-9);
    EXPECT_NEAR(ss[kSecondStageAllowAnchorZone], 199.8, 1e-9);
    // The loss at post-tensioning in percent of fpj = 0.75 x 270 = 202.5.
    EXPECT_NEAR(ss[kSecondStageLossPercent], ss[kSecondStageLoss] / 202.5 * 100, 1e-9);
    EXPECT_TRUE(host.Messages().empty());
}

TEST_F(LossesPostTensioningTest, SpecifiedPretensioningLosses) {
    // Specified losses of the strands (here 8 % and 20 % of fpj = 202.5): the release loss and
    // the loss at post-tensioning are the first, the final loss the second.
    auto d = Example(SeedSpliced);
    d->m_nLossMode = 2;
    d->m_dSpecifiedReleaseLoss = 8;
    d->m_dSpecifiedFinalLoss = 20;
    d->RunAnalysis();
    EXPECT_NEAR(d->m_adTotalLoss[kTotalLossRelease], 16.2, 1e-9);
    EXPECT_NEAR(d->m_adLossSecondStage[kSecondStageLoss], 16.2, 1e-9);
    EXPECT_NEAR(d->m_adTotalLoss[kTotalLossFinal], 40.5, 1e-9);
    // The tendons still take their computed losses.
    EXPECT_GT(d->m_adPtTotalLoss[kPtLossFinal], d->m_adPtTotalLoss[kPtLossStage]);
}

TEST_F(LossesPostTensioningTest, DeckCastBeforeThirtyDaysOnAPostTensionedExample1) {
    // Example 1 (deck at 20 days) with one tendon of 12 strands from 12 in at the ends to 6 in at
    // mid-length. 20 - 30 < 0: no shrinkage or creep before the deck, never NaN, and the loss at
    // post-tensioning is ES + RE1 + ESpt.
    auto d = Example(SeedSimpleSpan);
    ASSERT_EQ(d->m_dAgeAtDeckCasting, 20.0);
    d->m_nPrestressType = kPostTensioned;
    d->m_nTendonCount = 1;
    PostTensioningTendon& t = d->m_aTendons[0];
    t.m_nStrands = 12;
    const double profile[3][3] = {{0, 12, 0}, {53, 6, 0}, {106, 12, 0}};
    std::copy_n(&profile[0][0], 9, &t.m_adProfile[0][0]);
    t.m_strStressingEnd = "B";
    d->RunAnalysis();

    const double* ss = d->m_adLossSecondStage;
    EXPECT_EQ(ss[kSecondStageShrinkFactor], 0.0);
    EXPECT_EQ(ss[kSecondStageCreepFactor], 0.0);
    EXPECT_EQ(ss[kSecondStageShrinkToDeck], 0.0);
    EXPECT_EQ(ss[kSecondStageCreepToDeck], 0.0);
    EXPECT_NEAR(ss[kSecondStageLoss],
                d->m_adLossElasticShortening[kElasticLoss] +
                    d->m_adLossRelaxation[kRelaxationBeforeTransfer] + ss[kSecondStageEsFromPt],
                1e-12);
    for (int k = 0; k < kLossSecondStageCount; ++k) EXPECT_TRUE(std::isfinite(ss[k])) << k;
    for (double v : d->m_adPtTotalLoss) EXPECT_TRUE(std::isfinite(v));
    for (double v : d->m_adTotalLoss) EXPECT_TRUE(std::isfinite(v));
    for (int i = 0; i < kStationCount; ++i) {
        EXPECT_TRUE(std::isfinite(d->m_adPtEffForce2[i])) << i;
        for (double s : d->m_aPtStress[i]) EXPECT_TRUE(std::isfinite(s)) << i;
    }
    EXPECT_GT(d->m_adPtEffForce2[50], 0.0);
    // A girder of one piece has no segment rows: Ls = 0 and no segment moment.
    EXPECT_EQ(ss[kSecondStageSegmentMoment], 0.0);
}

}  // namespace
}  // namespace kordel::test

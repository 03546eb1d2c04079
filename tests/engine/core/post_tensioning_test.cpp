// The post-tensioning stages on example design 4 (three-segment spliced BT-95 girder 193 ft long,
// six tendons of 12 strands of 0.6 in, jacked to 0.8333 fpy from the left end) against a hand
// calculation, and the cases with no tendons, specified tendon losses and loss methods that do not
// compute tendon losses.
//
// Hand values of example 4:
//   fpjt = 0.8333 x 243 = 202.4919 ksi; Apt = 6 x 12 x 0.217 = 15.624 in2;
//   Pj = 15.624 x 202.4919 = 3163.73 kip
//   tendon centroids: ends 12, 26, ..., 82 in (mean 47), mid-length 3.5, ..., 28.5 in (mean 16),
//   Z = 0.75 in, one parabola over the girder: y = 4 x 31 / 193^2 (x - 96.5)^2 + 16.75
//   station 0 (x = 0.5 ft): 47.4296 in; station 50 (x = 96.5): 16.75 in; station 51
//   (x = 98.42): 16.7623 in
//   friction: alpha = 4 (47.4296 - 16.7623) / (12 x 193) = 0.052966 rad;
//     FR = 202.4919 (1 - exp(-(0.0002 x 96.5 + 0.2 x 0.052966))) = 5.9636 ksi;
//     p = 5.9636 / 96.5 / 12 = 0.0051499 ksi/in
//   anchor set 0.25 in: xa = sqrt(0.25 x 28500 / 0.0051499) / 12 = 98.020 ft (past mid-length);
//     DA = 2 x 98.020 x 12 x 0.0051499 = 12.1149 ksi; AM = (98.020 - 96.5) / 98.020 x DA = 0.1878
//   elastic shortening of the tendons: Ppt = (202.4919 - 5.3 - 5.9636 - 0.1878) x 15.624
//     = 2984.82 kip; girder A = 1236.8 in2, yb = 45.85 in, I = 1,492,480 in4, ept = 45.85 - 16.75
//     = 29.1 in; M0 = 1.28833 x 193^2 / 8 = 5998.6 kip-ft (w = 1236.8 / 144 x 0.15);
//     fcgpt = 2984.82 / 1236.8 + 2984.82 x 29.1^2 / 1492480 - 12 x 5998.6 x 29.1 / 1492480
//           = 2.41334 + 1.69355 - 1.40350 = 2.70339 ksi;
//     ESt = 5/12 x 28500 / 5751.38 x 2.70339 = 5.5817 ksi (Ec = 5751.38 ksi for f'c = 9 ksi)
//   the force of a station after the first-stage losses FR + AM + ESt, where the station keeps
//   its own friction and anchor set s: P1 = (s - ESt) / fpjt x Pj = (s - 5.5817) x 15.624
#include <cmath>

#include "test_support.h"

namespace kordel::test {
namespace {

constexpr double kFpjt = 0.8333 * 243;   // ksi
constexpr double kApt = 6 * 12 * 0.217;  // in2

class PostTensioningTest : public EngineTest {
  protected:
    void SetUp() override {
        frame.m_nSeedChoice = SeedSpliced;
        doc = NewDoc();
        ASSERT_TRUE(doc->OnNewDocument());
        host.ClearMessages();
    }
    std::unique_ptr<CKordelDoc> doc;
};

TEST_F(PostTensioningTest, TendonGeometryOfExample4) {
    EXPECT_EQ(doc->m_nPtStrandCount, 72);
    EXPECT_NEAR(doc->m_dPtStrandArea, kApt, 1e-9);
    EXPECT_NEAR(doc->m_afTendonArea[0], 2.604f, 1e-6);
    // 2.604 x 202.4919 = 527.289 kip per tendon (single precision).
    EXPECT_NEAR(doc->m_afTendonJackingForce[5], 527.289f, 1e-3);
    EXPECT_NEAR(doc->m_adPtForce[50], 3163.73, 0.01);
    EXPECT_NEAR(doc->m_adPtCg[0], 47.4296, 1e-4);
    EXPECT_NEAR(doc->m_adPtCg[50], 16.75, 1e-9);
    // Tendon 1 (12 in at the ends, 3.5 in at mid-length): 8.5 x 96^2 / 96.5^2 + 4.25 at 0.5 ft.
    EXPECT_NEAR(doc->m_adTendonElevation[0][0], 8.5 * 96 * 96 / (96.5 * 96.5) + 4.25, 1e-9);
    EXPECT_NEAR(doc->m_adTendonElevation[0][50], 4.25, 1e-9);
    // Gross section in both stages (strands not transformed): e = yb - cg.
    EXPECT_NEAR(doc->m_adPtEccentricity[50][kEccentricityRelease], 29.1, 1e-9);
    EXPECT_NEAR(doc->m_adPtEccentricity[50][kEccentricityService], 29.1, 1e-9);
}

TEST_F(PostTensioningTest, FrictionAnchorSetAndForceAlongTheGirder) {
    const double* fa = doc->m_adPtFrictionAnchorSet;
    EXPECT_NEAR(fa[kPtAngleChange], 0.052966, 1e-6);
    EXPECT_NEAR(fa[kPtFrictionLoss], 5.9636, 1e-4);
    EXPECT_NEAR(fa[kPtAnchorSetLength], 98.020, 1e-3);
    EXPECT_NEAR(fa[kPtAnchorageLoss], 12.1149, 1e-4);
    EXPECT_NEAR(fa[kPtAnchorSetLoss], 0.1878, 1e-4);
    EXPECT_NEAR(doc->m_adLossSecondStage[kSecondStageTendonFcgp], 2.70339, 1e-3);
    EXPECT_NEAR(doc->m_adLossSecondStage[kSecondStageTendonEs], 5.5817, 1e-3);
    // Stressed from the left: the anchorage after seating fpjt - DA = 190.3770; the end of the
    // anchor zone fpjt - 12 p xa = 202.4919 - 6.0575 = 196.4344 (the peak); the dead end
    // fpjt - 12 p 193 = 190.5648.
    EXPECT_NEAR(doc->m_adPtTotalLoss[kPtLeftAnchorage], 190.3770, 1e-3);
    EXPECT_NEAR(doc->m_adPtTotalLoss[kPtLeftAnchorZoneEnd], 196.4344, 1e-3);
    EXPECT_NEAR(doc->m_adPtTotalLoss[kPtRightAnchorage], 190.5648, 1e-3);

    struct Case {
        const char* name;
        int station;
        double s;   // tendon stress after friction and anchor set, ksi
        double P1;  // force after the first-stage losses, kip
    } cases[] = {
        // x = 0.5 ft: 202.4919 - 12 p 0.5 - (98.020 - 0.5) / 98.020 x 12.1149 = 190.4079;
        // P1 = (190.4079 - 5.5817) x 15.624 = 2887.72
        {"at the anchor", 0, 190.4079, 2887.72},
        // x = 96.5 ft: 202.4919 - FR - AM = 196.3405; P1 = 190.7588 x 15.624 = 2980.42
        {"at midspan", 50, 196.3405, 2980.42},
        // x = 98.42 ft, just past the end of the set-affected length (98.02 ft): friction only,
        // 202.4919 - 12 x 0.0051499 x 98.42 = 196.4097; P1 = 190.8280 x 15.624 = 2981.50
        {"past the end of the set-affected length", 51, 196.4097, 2981.50},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(doc->m_adTendonStressAtStation[c.station], c.s, 1e-3) << c.name;
        EXPECT_NEAR(doc->m_adPtEffForce1[c.station], c.P1, 0.02) << c.name;
    }
    // Final: the long-term losses SHt + CRt + REt come off every station alike.
    const double longTerm = doc->m_adPtTotalLoss[kPtLossFinal] - doc->m_adPtTotalLoss[kPtLossStage];
    EXPECT_NEAR(doc->m_adPtEffForce2[50], (196.3405 - 5.5817 - longTerm) * kApt, 0.02);
}

TEST_F(PostTensioningTest, ConcreteStressesOfTheTendons) {
    // Station 50, gross girder: Sb = 1492480 / 45.85 = 32551.4, St = 1492480 / (95 - 45.85)
    // = 30365.8 in3; P1 = 2980.42 kip, e = 29.1 in:
    //   bottom = 2980.42 (1/1236.8 + 29.1/32551.4) = 5.0742; top = 2980.42 (1/1236.8 -
    //   29.1/30365.8) = -0.4464 ksi.
    EXPECT_NEAR(doc->m_aPtStress[50][kPtStressStageBottom], 5.0742, 1e-3);
    EXPECT_NEAR(doc->m_aPtStress[50][kPtStressStageTop], -0.4464, 1e-3);
    const double P2 = doc->m_adPtEffForce2[50];
    EXPECT_NEAR(doc->m_aPtStress[50][kPtStressFinalBottom],
                P2 * (1 / 1236.8 + 29.1 * 45.85 / 1492480), 1e-3);
}

TEST_F(PostTensioningTest, StressingEndsMirrorAndBoth) {
    // From the right the stress line is the mirror image of the line from the left.
    double fromLeft[kStationCount];
    std::copy(std::begin(doc->m_adTendonStressAtStation), std::end(doc->m_adTendonStressAtStation),
              fromLeft);
    for (int k = 0; k < doc->m_nTendonCount; ++k) doc->m_aTendons[k].m_strStressingEnd = "R";
    doc->RunAnalysis();
    for (int i = 0; i <= 100; ++i)
        EXPECT_NEAR(doc->m_adTendonStressAtStation[i], fromLeft[100 - i], 1e-9) << i;
    // From both ends: the same values at both ends and a symmetric line.
    for (int k = 0; k < doc->m_nTendonCount; ++k) doc->m_aTendons[k].m_strStressingEnd = "B";
    doc->RunAnalysis();
    EXPECT_EQ(doc->m_adPtTotalLoss[kPtLeftAnchorage], doc->m_adPtTotalLoss[kPtRightAnchorage]);
    for (int i = 0; i <= 100; ++i) {
        EXPECT_NEAR(doc->m_adTendonStressAtStation[i], doc->m_adTendonStressAtStation[100 - i],
                    1e-9)
            << i;
    }
    // An unknown stressing end: a message, and no tendon stress to count on.
    doc->m_aTendons[0].m_strStressingEnd = "X";
    host.ClearMessages();
    doc->RunAnalysis();
    EXPECT_FALSE(host.Messages().empty());
    EXPECT_EQ(doc->m_adTendonStressAtStation[50], 0.0);
}

TEST_F(PostTensioningTest, SpecifiedTendonLosses) {
    // 5 % and 15 %: the stage forces are 0.95 and 0.85 of the jacking force at every station,
    // and there is no stress line.
    doc->m_nTendonLossMode = 2;
    doc->RunAnalysis();
    EXPECT_NEAR(doc->m_adPtTotalLoss[kPtLossStage], 0.05 * kFpjt, 1e-4);
    EXPECT_NEAR(doc->m_adPtTotalLoss[kPtLossFinal], 0.15 * kFpjt, 1e-4);
    for (int i = 0; i < kStationCount; ++i) {
        EXPECT_NEAR(doc->m_adPtEffForce1[i], 0.95 * doc->m_adPtForce[i], 1e-6) << i;
        EXPECT_NEAR(doc->m_adPtEffForce2[i], 0.85 * doc->m_adPtForce[i], 1e-6) << i;
        EXPECT_EQ(doc->m_adTendonStressAtStation[i], 0.0) << i;
    }
}

TEST_F(PostTensioningTest, LossMethodsWithoutTendonLossesLeaveNothingStale) {
    // Methods 3 and 4 compute no losses on the post-tensioned road: the losses and the stress
    // line of the run before are cleared, the forces after losses are 0, and the user is told
    // once per analysis.
    ASSERT_GT(doc->m_adPtTotalLoss[kPtLossFinal], 0.0);
    for (int method : {kLossLrfd6thDetailed, kLossLrfd6thApproximate}) {
        doc->m_nLossMethod = method;
        host.ClearMessages();
        doc->RunAnalysis();
        int shown = 0;
        for (const auto& m : host.Messages())
            if (m.text.find("do not compute the losses of a post-tensioned girder") !=
                std::string::npos)
                ++shown;
        EXPECT_EQ(shown, 1) << method;
        EXPECT_EQ(doc->m_adPtTotalLoss[kPtLossStage], 0.0) << method;
        EXPECT_EQ(doc->m_adPtTotalLoss[kPtLossFinal], 0.0) << method;
        EXPECT_EQ(doc->m_adPtFrictionAnchorSet[kPtFrictionLoss], 0.0) << method;
        EXPECT_EQ(doc->m_adTotalLoss[kTotalLossFinal], 0.0) << method;
        for (int i = 0; i < kStationCount; ++i) {
            EXPECT_EQ(doc->m_adTendonStressAtStation[i], 0.0);
            EXPECT_EQ(doc->m_adPtEffForce1[i], 0.0);
            EXPECT_TRUE(std::isfinite(doc->m_aPtStress[i][kPtStressFinalBottom]));
        }
    }
}

TEST_F(PostTensioningTest, NoTendons) {
    // No tendons: zero force, centroid 0, eccentricity equal to the section centroid, zero
    // stresses, and no tendon loss of an earlier run left.
    doc->m_nTendonCount = 0;
    doc->RunAnalysis();
    EXPECT_EQ(doc->m_nPtStrandCount, 0);
    EXPECT_EQ(doc->m_dPtStrandArea, 0.0);
    for (double v : doc->m_adPtTotalLoss) EXPECT_EQ(v, 0.0);
    for (int i = 0; i < kStationCount; ++i) {
        EXPECT_EQ(doc->m_adPtForce[i], 0.0);
        EXPECT_EQ(doc->m_adPtCg[i], 0.0);
        EXPECT_EQ(doc->m_adPtEccentricity[i][0], doc->m_adCentroidAtStation[i][kSectionCaseGirder]);
        EXPECT_EQ(doc->m_adPtEffForce1[i], 0.0);
        for (double s : doc->m_aPtStress[i]) EXPECT_EQ(s, 0.0);
    }
}

TEST_F(PostTensioningTest, EccentricityFollowsTheStrandTransformation) {
    // Transformed strands: the release section (case 3) at the first stage, the final section
    // (case 4) at final, except with the detailed losses computed (case 3 at both).
    doc->m_nTransformStrandsMode = kTransformAll;
    doc->RunAnalysis();
    const double* yb = doc->m_adCentroidAtStation[50];
    EXPECT_EQ(doc->m_adPtEccentricity[50][0], yb[kSectionCaseRelease] - doc->m_adPtCg[50]);
    EXPECT_EQ(doc->m_adPtEccentricity[50][1], yb[kSectionCaseFinal] - doc->m_adPtCg[50]);
    doc->m_nLossMethod = kLossLrfd6thDetailed;
    doc->ComputeTendonEccentricity();
    EXPECT_EQ(doc->m_adPtEccentricity[50][1], yb[kSectionCaseRelease] - doc->m_adPtCg[50]);
}

}  // namespace
}  // namespace kordel::test

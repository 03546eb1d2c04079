// Effective prestress and prestress stresses on example design 1: the forces of each stage, the
// fibre stresses at release and at final at midspan and at the transfer point by P/A + P e/S, the
// detailed method's unreduced forces with its loss forces, the force entry, the post-tensioning
// stage, the transformed sections, and the stresses of the deck shrinkage force.
//
// Example 1 (see the loss tests for the working): fpj = 202.5 ksi, Aps = 5.508 in2, anchored
// force 1115.37 kip; by the LRFD 3rd edition refined estimate, release loss 18.2448 ksi and final
// loss 46.1653 ksi. Gross girder: A = 767 in2, Sb = 545894 / 36.6 = 14915.14 in3, St = 545894 /
// 35.4 = 15420.73 in3. Strand centroid 152 / 36 = 4.2222 in at midspan (e = 32.3778 in) and
// 409.7592 / 36 = 11.3822 in at the transfer point, 2.5 ft from the end (e = 25.2178 in).
#include <cmath>

#include "engine/core/prestress_test_support.h"
#include "test_support.h"

namespace kordel::test {
namespace {

constexpr double kForceTol = 1e-3;   // kip
constexpr double kStressTol = 1e-5;  // ksi

class EffectivePrestressTest : public EngineTest {
  protected:
    void SetUp() override { Reset(); }

    /// A fresh example 1 with the hand moments at midspan and no messages recorded.
    void Reset() {
        frame.m_nSeedChoice = SeedSimpleSpan;
        doc = NewDoc();
        ASSERT_TRUE(doc->OnNewDocument());
        SetExample1MidspanMoments(*doc);
        host.ClearMessages();
    }

    /// Strand force, losses, effective prestress and prestress stresses, as the analysis runs
    /// them.
    void Run() {
        doc->ComputeStrandForceReduction();
        doc->ComputeLosses();
        doc->ComputeEffectivePrestress();
        doc->ComputePrestressStresses();
    }

    std::unique_ptr<CKordelDoc> doc;
};

TEST_F(EffectivePrestressTest, Example1ForcesOfTheStages) {
    Run();
    // Totals: Pj = 5.508 x 202.5; release stress 202.5 - 18.2448 = 184.2552, Pr = 5.508 x
    // 184.2552; no post-tensioning: the stress at that stage is fpj; fpe = 202.5 - 46.1653 =
    // 156.3347, Pf = 5.508 x 156.3347.
    EXPECT_NEAR(doc->m_adStrandForceSummary[kSummaryJackingForce], 1115.37, kForceTol);
    EXPECT_NEAR(doc->m_adStrandForceSummary[kSummaryReleaseStress], 184.2552, 1e-4);
    EXPECT_NEAR(doc->m_adStrandForceSummary[kSummaryReleaseForce], 1014.878, kForceTol);
    EXPECT_NEAR(doc->m_adPrestressForceWork[kWorkStressAtPt], 202.5, 1e-12);
    EXPECT_NEAR(doc->m_adPrestressForceWork[kWorkForceAtPt], 1115.37, kForceTol);
    EXPECT_NEAR(doc->m_adStrandStressFinal[kFinalStrandStress], 156.3347, 1e-4);
    EXPECT_NEAR(doc->m_adStrandStressFinal[kFinalStrandForce], 861.091, kForceTol);

    const struct {
        int station;
        double P;  // anchored force, kip
    } stations[] = {
        {kStationMidspan, 1115.37},
        {kStationLeftTransfer, 1115.37},
        {kStationLeftBearing, 0.2 * 1115.37},  // 0.5 ft from the end: 0.5 / 2.5 of the force
    };
    for (const auto& s : stations) {
        SCOPED_TRACE(s.station);
        const int i = s.station;
        // After release P (1 - 18.2448 / 202.5) = 0.909902 P; final P (1 - 46.1653 / 202.5) =
        // 0.772023 P.
        EXPECT_NEAR(doc->m_adPrestressForceRelease[i], 0.909902 * s.P, kForceTol);
        EXPECT_NEAR(doc->m_adEffectivePrestress[i], 0.772023 * s.P, kForceTol);
        EXPECT_EQ(doc->m_adPrestressForceJacking[i], doc->m_adPrestressForceRelease[i]);
        EXPECT_NEAR(doc->m_adPrestressForceFinal[i], s.P, 1e-9) << "no loss at post-tensioning";
        EXPECT_EQ(doc->m_adPtForceStage1[i], doc->m_adEffectivePrestress[i]);
        EXPECT_EQ(doc->m_adLossForceTransferToDeck[i], 0.0);
        EXPECT_EQ(doc->m_adLossForceDeckToFinal[i], 0.0);
    }
}

TEST_F(EffectivePrestressTest, Example1StressesAtMidspanAndAtTheTransferPoint) {
    Run();
    // Pr = 1014.878 kip, Pf = 861.091 kip, on the gross girder with e of the station:
    //   midspan: bottom Pr (1/767 + 32.3778/14915.14) = 1014.878 x 0.00347458 = 3.52628
    //            top    Pr (1/767 - 32.3778/15420.73) = 1014.878 x -0.00079585 = -0.80769
    //            final  861.091 x 0.00347458 = 2.99193, 861.091 x -0.00079585 = -0.68530
    //   transfer point: bottom 1014.878 (1/767 + 25.2178/14915.14) = 3.03909,
    //            top 1014.878 (1/767 - 25.2178/15420.73) = -0.33647; final 2.57857, -0.28548
    const struct {
        int station;
        double releaseBottom, releaseTop, finalBottom, finalTop;
    } cases[] = {
        {kStationMidspan, 3.52628, -0.80769, 2.99193, -0.68530},
        {kStationLeftTransfer, 3.03909, -0.33647, 2.57857, -0.28548},
        {kStationRightTransfer, 3.03909, -0.33647, 2.57857, -0.28548},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.station);
        const double* s = doc->m_aPrestressStress[c.station];
        EXPECT_NEAR(s[kPrestressReleaseBottom], c.releaseBottom, kStressTol);
        EXPECT_NEAR(s[kPrestressReleaseTop], c.releaseTop, kStressTol);
        EXPECT_NEAR(s[kPrestressFinalBottom], c.finalBottom, kStressTol);
        EXPECT_NEAR(s[kPrestressFinalTop], c.finalTop, kStressTol);
        for (double v : doc->m_aPrestressLossStress[c.station]) EXPECT_EQ(v, 0.0);
    }
    EXPECT_TRUE(host.Messages().empty());
}

TEST_F(EffectivePrestressTest, StrandsTransformedIntoTheSection) {
    // "All stresses": release on case 3 (A 798.111, yb 35.3379, I 577,360, e 31.1157),
    // final on case 4 (A 794.920, yb 35.4628, I 574,246, e 31.2406), midspan:
    //   release bottom 1014.878 (1/798.111 + 31.1157 x 35.3379 / 577360) = 3.20440
    //   final bottom 861.091 (1/794.920 + 31.2406 x 35.4628 / 574246) = 2.74452
    //   final top 861.091 (1/794.920 - 31.2406 x 36.5372 / 574246) = -0.62837
    // with the losses of the gross section given as percentages, so that only the sections change.
    doc->m_nLossMode = kLossesSpecified;
    doc->m_dSpecifiedReleaseLoss = 18.2448 / 202.5 * 100;
    doc->m_dSpecifiedFinalLoss = 46.1653 / 202.5 * 100;
    doc->m_nTransformStrandsMode = kTransformAll;
    Run();
    const double* s = doc->m_aPrestressStress[kStationMidspan];
    EXPECT_NEAR(s[kPrestressReleaseBottom], 3.20440, kStressTol);
    EXPECT_NEAR(s[kPrestressFinalBottom], 2.74452, kStressTol);
    EXPECT_NEAR(s[kPrestressFinalTop], -0.62837, kStressTol);
}

TEST_F(EffectivePrestressTest, DetailedLossesKeepTheForceAndApplyLossForces) {
    doc->m_nLossMethod = kLossLrfd6thDetailed;
    doc->m_recCreepGirderFinalFromTransfer.m_fPsi = 1.60f;
    doc->m_recCreepGirderDeckFromTransfer.m_fPsi = 0.90f;
    doc->m_recCreepGirderFinalFromDeck.m_fPsi = 1.20f;
    doc->m_recCreepDeckFinal.m_fPsi = 1.50f;
    doc->m_recShrinkGirderTransferToDeck.m_fStrain = 0.00020f;
    doc->m_fShrinkGirderDeckToFinal = 0.00025f;
    doc->m_recShrinkDeckToFinal.m_fStrain = 0.00040f;
    Run();
    const int i = kStationMidspan;
    // Transfer to deck 17.9901 ksi, deck to final 6.9332 ksi (the loss tests): loss forces
    // -1115.37 x 17.9901 / 202.5 = -99.0896 and -1115.37 x 6.9332 / 202.5 = -38.1881 kip.
    EXPECT_NEAR(doc->m_adLossForceTransferToDeck[i], -99.0896, kForceTol);
    EXPECT_NEAR(doc->m_adLossForceDeckToFinal[i], -38.1881, kForceTol);
    EXPECT_NEAR(doc->m_adPrestressForceJacking[i], 1115.37, 1e-9);
    EXPECT_NEAR(doc->m_adPrestressForceFinal[i], 1115.37, 1e-9);
    EXPECT_NEAR(doc->m_adPtForceStage1[i], 1115.37, 1e-9);
    // Release and final both the unreduced force on the release section (gross here, e =
    // 32.3778): 1115.37 x 0.00347458 = 3.87544 at the bottom, 1115.37 x -0.00079585 = -0.88766
    // at the top.
    const double* s = doc->m_aPrestressStress[i];
    EXPECT_NEAR(s[kPrestressReleaseBottom], 3.87544, kStressTol);
    EXPECT_NEAR(s[kPrestressReleaseTop], -0.88766, kStressTol);
    EXPECT_NEAR(s[kPrestressFinalBottom], 3.87544, kStressTol);
    EXPECT_NEAR(s[kPrestressFinalTop], -0.88766, kStressTol);
    // Loss stresses: -99.0896 on the gross girder, -99.0896 x 0.00347458 = -0.34430 and
    // -99.0896 x -0.00079585 = 0.07886; -38.1881 on the composite section (A 1472.45, ec =
    // 55.4766 - 4.2222 = 51.2544, Sb 20190.55, St 67788.69, deck 55939.93):
    // -38.1881 (1/1472.45 + 51.2544/20190.55) = -0.12288, (1/1472.45 - 51.2544/67788.69) =
    // 0.00294, deck (1/1472.45 - 51.2544/55939.93) = 0.00905.
    const double* ls = doc->m_aPrestressLossStress[i];
    EXPECT_NEAR(ls[kLossStressToDeckBottom], -0.34430, kStressTol);
    EXPECT_NEAR(ls[kLossStressToDeckTop], 0.07886, kStressTol);
    EXPECT_NEAR(ls[kLossStressDeckToFinalBottom], -0.12288, kStressTol);
    EXPECT_NEAR(ls[kLossStressDeckToFinalTop], 0.00294, kStressTol);
    EXPECT_NEAR(ls[kLossStressDeckToFinalDeck], 0.00905, kStressTol);
    EXPECT_EQ(ls[2], 0.0) << "entry 2 carries nothing";

    // Back to another method: the loss forces and loss stresses go to 0.
    doc->m_nLossMethod = kLossLrfd3rd;
    Run();
    EXPECT_EQ(doc->m_adLossForceTransferToDeck[i], 0.0);
    for (double v : doc->m_aPrestressLossStress[i]) EXPECT_EQ(v, 0.0);
}

TEST_F(EffectivePrestressTest, DeckShrinkageForceAsALoadCase) {
    // Force 646.399 kip, of which 50 % is converted to stress: Fd = 323.1995 kip at ed = 80 -
    // 55.4766 - 8 / 2 = 20.5234 in above the composite centroid, midspan:
    //   bottom Fd (1/1472.45 - 20.5234/20190.55) = -0.10903
    //   girder top Fd (1/1472.45 + 20.5234/67788.69) = 0.31735
    //   deck top and overlay top Fd (1/1472.45 + 20.5234/55939.93) = 0.33807
    Run();
    doc->m_dDeckShrinkageForce = 646.399;
    doc->m_fDeckForcePercent = 50.0f;
    doc->ComputePrestressStresses();
    const double* f = doc->m_aLoadCaseStress[kStationMidspan][kStressDeckShrinkage];
    EXPECT_NEAR(f[kFibreGirderBottom], -0.10903, kStressTol);
    EXPECT_NEAR(f[kFibreGirderTop], 0.31735, kStressTol);
    EXPECT_NEAR(f[kFibreDeckTop], 0.33807, kStressTol);
    EXPECT_NEAR(f[kFibreOverlayTop], 0.33807, kStressTol);
    // 0 % converted: no stress, even with the force.
    doc->m_fDeckForcePercent = 0.0f;
    doc->ComputePrestressStresses();
    for (int fibre = 0; fibre < kSectionFibreCount; ++fibre)
        EXPECT_EQ(doc->m_aLoadCaseStress[kStationMidspan][kStressDeckShrinkage][fibre], 0.0);
}

TEST_F(EffectivePrestressTest, ForceEntryPostTensioningStageAndStationsWithoutForce) {
    // Force entry: the same force at every station, no transfer reduction: 1000 (1 - 10 %) at
    // release with specified losses of 10 and 25 %.
    doc->m_nPretensionEntryMode = kEntryPrestressForce;
    doc->m_dPForceJacking = 1000.0;
    doc->m_nLossMode = kLossesSpecified;
    Run();
    for (int i : {0, int{kStationLeftTransfer}, int{kStationMidspan}}) {
        EXPECT_NEAR(doc->m_adPrestressForceRelease[i], 900.0, 1e-9);
        EXPECT_NEAR(doc->m_adEffectivePrestress[i], 750.0, 1e-9);
    }
    EXPECT_EQ(doc->m_adStrandForceSummary[kSummaryJackingForce], 1000.0);
    EXPECT_NEAR(doc->m_adStrandStressFinal[kFinalStrandForce], 750.0, 1e-9);

    // Post-tensioning: a loss of 10 ksi at that stage gives the force there, (1 - 10 / 202.5) P,
    // and the release stresses of a post-tensioned girder take it: 1115.37 x 0.950617 x
    // 0.00347458 = 3.68406 at the bottom at midspan.
    Reset();
    Run();
    doc->m_nPrestressType = kPostTensioned;
    doc->m_adLossSecondStage[kSecondStageLoss] = 10.0;
    doc->ComputeEffectivePrestress();
    doc->ComputePrestressStresses();
    EXPECT_NEAR(doc->m_adPrestressForceFinal[kStationMidspan], 1115.37 * (1 - 10 / 202.5), 1e-9);
    EXPECT_NEAR(doc->m_adPrestressForceWork[kWorkStressAtPt], 192.5, 1e-12);
    EXPECT_NEAR(doc->m_aPrestressStress[kStationMidspan][kPrestressReleaseBottom], 3.68406,
                kStressTol);

    // A station with no anchored strands (design span = girder length: station 0 at the girder
    // end) has no force and no stress.
    Reset();
    doc->m_dDesignSpan = doc->m_dGirderLength;
    doc->ComputeStations();
    Run();
    EXPECT_EQ(doc->m_adEffectivePrestress[kStationLeftBearing], 0.0);
    for (double v : doc->m_aPrestressStress[kStationLeftBearing]) EXPECT_EQ(v, 0.0);
    EXPECT_TRUE(host.Messages().empty());
}

TEST_F(EffectivePrestressTest, NoJackingStressLeavesNoForceAndNoNaN) {
    doc->m_nPretensionEntryMode = kEntryPrestressForce;
    doc->m_dPForceJacking = 1000.0;
    doc->m_dPullFraction = 0.0;
    Run();
    EXPECT_EQ(host.Messages().size(), 1u) << "the loss stage says so once";
    for (int i = 0; i < kStationCount; ++i) {
        EXPECT_EQ(doc->m_adEffectivePrestress[i], 0.0);
        for (double v : doc->m_aPrestressStress[i]) EXPECT_TRUE(std::isfinite(v));
    }
}

TEST_F(EffectivePrestressTest, SectionWithoutAreaIsReportedOnce) {
    Run();
    for (int i = 0; i < kStationCount; ++i) doc->m_adAreaAtStation[i][kSectionCaseGirder] = 0.0;
    doc->ComputePrestressStresses();
    ASSERT_EQ(host.Messages().size(), 1u);
    EXPECT_EQ(doc->m_aPrestressStress[kStationMidspan][kPrestressReleaseBottom], 0.0);
}

}  // namespace
}  // namespace kordel::test

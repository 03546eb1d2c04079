// Service combinations: the share of every stress input in every combination (one unit input at
// a time), the live-load factors of the tension check and of the fatigue combinations, the most
// tensile bottom stress, and example design 1 at midspan and at the transfer point against a
// superposition of the stresses the earlier stages left.
#include <cmath>
#include <string>

#include "test_support.h"

namespace kordel::test {
namespace {

constexpr double kTol = 1e-9;  // ksi

/// Shares of one unit input in the combinations: [ServiceCombination][bottom, top, deck top].
using Shares = double[kServiceCombinationCount][3];

class ServiceStressesTest : public EngineTest {
  protected:
    void SetUp() override {
        frame.m_nSeedChoice = SeedSimpleSpan;
        doc = NewDoc();
        ASSERT_TRUE(doc->OnNewDocument());
        host.ClearMessages();
    }

    /// Every stress input at every station set to 0.
    void ClearInputs() {
        for (int i = 0; i < kStationCount; ++i) {
            doc->m_aLoadCaseStress[i] = {};
            for (double& v : doc->m_aPrestressStress[i]) v = 0.0;
            for (double& v : doc->m_aPrestressLossStress[i]) v = 0.0;
            for (double& v : doc->m_aPtStress[i]) v = 0.0;
        }
    }

    /// Combinations 0 to 5 at station `i` against `expected` (entries 1 to 3; entry 0 stays 0).
    void ExpectShares(int i, const Shares& expected, const std::string& what) {
        const ServiceStress& S = doc->m_aServiceStress[i];
        for (int g = 0; g < kServiceCombinationCount; ++g) {
            EXPECT_EQ(S[g][kServiceEntryUnused], 0.0) << what << ", combination " << g;
            for (int e = kServiceBottom; e <= kServiceDeckTop; ++e)
                EXPECT_NEAR(S[g][e], expected[g][e - 1], kTol)
                    << what << ", combination " << g << " entry " << e;
        }
    }

    std::unique_ptr<CKordelDoc> doc;
};

// With gammaLL = 0.8 (automatic Service III, 6th edition) and gammaF = 1.0 (no single fatigue
// truck): each stress case at 1 ksi on every fibre of station 40 adds to the combinations.
TEST_F(ServiceStressesTest, EachLoadCaseEntersItsCombinations) {
    ASSERT_EQ(doc->m_bAutoFactors, 1);
    ASSERT_EQ(doc->m_nSpecEdition, 2);
    ASSERT_EQ(doc->m_bServiceComboI, 0);
    ASSERT_EQ(doc->m_dServiceIIILiveLoadFactor, 0.8);
    ASSERT_EQ(doc->m_bFatigueOneTruck, 0);

    // Girder and non-composite loads: in g1 on the girder fibres only; half in g2 and g4.
    const Shares girder = {{0, 0, 0}, {1, 1, 0}, {.5, .5, 0}, {1, 1, 0}, {.5, .5, 0}, {1, 1, 0}};
    // Composite dead loads (overlay, barriers, wearing surface, other): also on the deck top.
    const Shares composite = {{0, 0, 0}, {1, 1, 1},    {.5, .5, .5},
                              {1, 1, 1}, {.5, .5, .5}, {1, 1, 1}};
    const Shares release = {{1, 1, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}};
    // Design live load +: fatigue g2 with gammaF 1; g3 with gammaLL 0.8 at the bottom only.
    const Shares livePositive = {{0, 0, 0}, {0, 0, 0}, {1, 1, 1}, {.8, 1, 1}, {0, 0, 0}, {0, 0, 0}};
    // Pedestrian: both fatigue states, g3 with the live-load factor at the bottom, and g5.
    const Shares pedestrian = {{0, 0, 0}, {0, 0, 0}, {1, 1, 1}, {.8, 1, 1}, {1, 1, 1}, {1, 1, 1}};
    const Shares liveNegative = {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {1, 1, 1}, {1, 1, 1}};
    const Shares onlyG3 = {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {1, 1, 1}, {0, 0, 0}, {0, 0, 0}};
    const Shares onlyG5 = {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {1, 1, 1}};
    const Shares g3AndG5 = {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {1, 1, 1}, {0, 0, 0}, {1, 1, 1}};
    const Shares none = {};
    struct Case {
        int stressCase;
        const char* what;
        const Shares* shares;
    } const cases[] = {
        {kStressGirderRelease, "girder on the release span: release only", &release},
        {kStressGirder, "girder", &girder},
        {kStressDeck, "deck", &girder},
        {kStressOverlay, "overlay", &composite},
        {kStressDiaphragms, "diaphragms", &girder},
        {kStressOtherNonComposite, "other non-composite", &girder},
        {kStressBarriers, "barriers", &composite},
        {kStressWearingSurface, "wearing surface", &composite},
        {kStressOtherComposite, "other composite", &composite},
        {kStressLiveLoad, "live load +", &livePositive},
        {kStressFatigue, "fatigue truck + (not with the design live load)", &none},
        {kStressPedestrian, "pedestrian", &pedestrian},
        {kStressLiveLoadNegative, "live load -", &liveNegative},
        {kStressRestraintPositive, "restraint +", &onlyG3},
        {kStressRestraintNegative, "restraint -", &onlyG5},
        {kStressDeckShrinkage, "deck shrinkage", &g3AndG5},
        {kStressFatigueNegative, "fatigue truck - (not with the design live load)", &none},
    };
    for (const Case& c : cases) {
        ClearInputs();
        for (int f = 0; f < kSectionFibreCount; ++f)
            doc->m_aLoadCaseStress[40][c.stressCase][f] = 1.0;
        doc->CombineServiceStresses();
        ExpectShares(40, *c.shares, c.what);
        ExpectShares(41, none, std::string(c.what) + ", neighbour station");
    }
}

TEST_F(ServiceStressesTest, EachPrestressStressEntersItsCombinations) {
    const Shares release = {{1, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}};
    const Shares releaseTop = {{0, 1, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}};
    const Shares finalBottom = {{0, 0, 0}, {1, 0, 0}, {.5, 0, 0}, {1, 0, 0}, {.5, 0, 0}, {1, 0, 0}};
    const Shares finalTop = {{0, 0, 0}, {0, 1, 0}, {0, .5, 0}, {0, 1, 0}, {0, .5, 0}, {0, 1, 0}};
    const Shares finalDeck = {{0, 0, 0}, {0, 0, 1}, {0, 0, .5}, {0, 0, 1}, {0, 0, .5}, {0, 0, 1}};
    const Shares none = {};
    struct Input {
        const char* what;
        double* value;
        const Shares* shares;
    };
    const int i = 60;
    const Input inputs[] = {
        {"pretension at release, bottom", &doc->m_aPrestressStress[i][kPrestressReleaseBottom],
         &release},
        {"pretension at release, top", &doc->m_aPrestressStress[i][kPrestressReleaseTop],
         &releaseTop},
        {"pretension final, bottom", &doc->m_aPrestressStress[i][kPrestressFinalBottom],
         &finalBottom},
        {"pretension final, top", &doc->m_aPrestressStress[i][kPrestressFinalTop], &finalTop},
        {"loss to deck, bottom", &doc->m_aPrestressLossStress[i][kLossStressToDeckBottom],
         &finalBottom},
        {"loss to deck, top", &doc->m_aPrestressLossStress[i][kLossStressToDeckTop], &finalTop},
        {"loss deck to final, bottom",
         &doc->m_aPrestressLossStress[i][kLossStressDeckToFinalBottom], &finalBottom},
        {"loss deck to final, top", &doc->m_aPrestressLossStress[i][kLossStressDeckToFinalTop],
         &finalTop},
        {"loss deck to final, deck", &doc->m_aPrestressLossStress[i][kLossStressDeckToFinalDeck],
         &finalDeck},
        {"unused loss entry 2", &doc->m_aPrestressLossStress[i][2], &none},
        {"post-tensioning at its stage, bottom", &doc->m_aPtStress[i][kPtStressStageBottom],
         &release},
        {"post-tensioning at its stage, top", &doc->m_aPtStress[i][kPtStressStageTop], &releaseTop},
        {"post-tensioning final, bottom", &doc->m_aPtStress[i][kPtStressFinalBottom], &finalBottom},
        {"post-tensioning final, top", &doc->m_aPtStress[i][kPtStressFinalTop], &finalTop},
    };
    for (const Input& in : inputs) {
        ClearInputs();
        *in.value = 1.0;
        doc->CombineServiceStresses();
        ExpectShares(i, *in.shares, in.what);
    }
}

TEST_F(ServiceStressesTest, FatigueCombinationsWithTheSingleTruck) {
    struct Case {
        const char* what;
        int designCode, oneTruck, effWidth;
        double gammaF;
        int positiveCase, negativeCase;
    } const cases[] = {
        {"LRFD, one truck", kSpecLrfd, 1, kEffWidthAashto, 1.5, kStressFatigue,
         kStressFatigueNegative},
        {"LRFD, one truck, Caltrans width", kSpecLrfd, 1, kEffWidthCaltrans, 1.75, kStressFatigue,
         kStressFatigueNegative},
        {"LRFD, design live load", kSpecLrfd, 0, kEffWidthCaltrans, 1.0, kStressLiveLoad,
         kStressLiveLoadNegative},
        {"Standard Specifications: design live load", kSpecStandard, 1, kEffWidthAashto, 1.0,
         kStressLiveLoad, kStressLiveLoadNegative},
    };
    for (const Case& c : cases) {
        doc->m_nSpecification = c.designCode;
        doc->m_bFatigueOneTruck = c.oneTruck;
        doc->m_nEffWidthMethod = c.effWidth;
        ClearInputs();
        doc->m_aLoadCaseStress[30][c.positiveCase][kFibreGirderBottom] = 1.0;
        doc->m_aLoadCaseStress[30][c.negativeCase][kFibreDeckTop] = 2.0;
        doc->CombineServiceStresses();
        EXPECT_EQ(doc->m_adAllowableStress[kFatigueLiveLoadFactor], c.gammaF) << c.what;
        const ServiceStress& S = doc->m_aServiceStress[30];
        EXPECT_NEAR(S[kServiceFatiguePositive][kServiceBottom], c.gammaF * 1.0, kTol) << c.what;
        EXPECT_NEAR(S[kServiceFatigueNegative][kServiceDeckTop], c.gammaF * 2.0, kTol) << c.what;
    }
}

TEST_F(ServiceStressesTest, LiveLoadFactorOfTheTensionCheck) {
    struct Case {
        const char* what;
        int autoFactors, edition, lossMethod, comboI;
        double serviceI, serviceIII;
        double gammaLL, serviceIIIAfter;
    } const cases[] = {
        {"7th ed., refined losses: Service III becomes 1.0", 1, 4, kLossLrfd6thDetailed, 0, 1.0,
         0.5, 1.0, 1.0},
        {"7th ed., approximate losses: Service III becomes 0.8", 1, 4, 2, 0, 1.0, 1.0, 0.8, 0.8},
        {"7th ed., Service I chosen", 1, 4, 2, 1, 0.95, 1.0, 0.95, 0.8},
        {"6th ed.: Service III kept", 1, 2, kLossLrfd6thDetailed, 0, 1.0, 0.7, 0.7, 0.7},
        {"manual factors: Service III whatever Service I says", 0, 4, 2, 1, 1.0, 0.9, 0.9, 0.9},
    };
    for (const Case& c : cases) {
        doc->m_bAutoFactors = c.autoFactors;
        doc->m_nSpecEdition = c.edition;
        doc->m_nLossMethod = c.lossMethod;
        doc->m_bServiceComboI = c.comboI;
        doc->m_dServiceILiveLoadFactor = c.serviceI;
        doc->m_dServiceIIILiveLoadFactor = c.serviceIII;
        ClearInputs();
        doc->m_aLoadCaseStress[50][kStressLiveLoad][kFibreGirderBottom] = -1.0;
        doc->CombineServiceStresses();
        EXPECT_EQ(doc->m_adAllowableStress[kServiceTensionLiveLoadFactor], c.gammaLL) << c.what;
        EXPECT_EQ(doc->m_dServiceIIILiveLoadFactor, c.serviceIIIAfter) << c.what;
        EXPECT_NEAR(doc->m_aServiceStress[50][kServiceAllLoadsPositive][kServiceBottom], -c.gammaLL,
                    kTol)
            << c.what;
    }
}

TEST_F(ServiceStressesTest, MostTensileBottomStress) {
    ClearInputs();
    // Release tension never counts.
    doc->m_aLoadCaseStress[10][kStressGirderRelease][kFibreGirderBottom] = -5.0;
    // g3 at station 30: 0.8 x -0.5 = -0.4; g5 at station 70: -0.4, a tie: station 30 stays.
    doc->m_aLoadCaseStress[30][kStressLiveLoad][kFibreGirderBottom] = -0.5;
    doc->m_aLoadCaseStress[70][kStressLiveLoadNegative][kFibreGirderBottom] = -0.4;
    doc->CombineServiceStresses();
    EXPECT_NEAR(doc->m_dWorstBottomStress, -0.4, kTol);
    EXPECT_EQ(doc->m_nWorstBottomStation, 30);

    doc->m_aLoadCaseStress[70][kStressLiveLoadNegative][kFibreGirderBottom] = -0.41;
    doc->CombineServiceStresses();
    EXPECT_NEAR(doc->m_dWorstBottomStress, -0.41, kTol);
    EXPECT_EQ(doc->m_nWorstBottomStation, 70);

    // Compression everywhere: the smallest compression, at the first station that has it.
    ClearInputs();
    for (int i = 0; i < kStationCount; ++i)
        doc->m_aPrestressStress[i][kPrestressFinalBottom] = i == 5 || i == 9 ? 0.2 : 1.0;
    doc->CombineServiceStresses();
    EXPECT_NEAR(doc->m_dWorstBottomStress, 0.2, kTol);
    EXPECT_EQ(doc->m_nWorstBottomStation, 5);
}

// Example 1 at midspan and at the left transfer point: each combination is the sum of the
// stresses the prestress and load-case stages left (approximate losses, so the loss stresses are
// 0; no post-tensioning; gammaLL 0.8).
TEST_F(ServiceStressesTest, Example1AgainstTheSuperposition) {
    for (const int i : {int{kStationMidspan}, int{kStationLeftTransfer}}) {
        const LoadCaseStress& L = doc->m_aLoadCaseStress[i];
        const double* P = doc->m_aPrestressStress[i];
        const ServiceStress& S = doc->m_aServiceStress[i];
        const std::string at = "station " + std::to_string(i);
        EXPECT_NEAR(S[kServiceRelease][kServiceBottom],
                    P[kPrestressReleaseBottom] + L[kStressGirderRelease][kFibreGirderBottom], kTol)
            << at;
        EXPECT_NEAR(S[kServiceRelease][kServiceTop],
                    P[kPrestressReleaseTop] + L[kStressGirderRelease][kFibreGirderTop], kTol)
            << at;
        const double g1b = P[kPrestressFinalBottom] + L[kStressGirder][0] + L[kStressDeck][0] +
                           L[kStressBarriers][0] + L[kStressWearingSurface][0];
        const double g1t = P[kPrestressFinalTop] + L[kStressGirder][1] + L[kStressDeck][1] +
                           L[kStressBarriers][1] + L[kStressWearingSurface][1];
        EXPECT_NEAR(S[kServicePermanent][kServiceBottom], g1b, kTol) << at;
        EXPECT_NEAR(S[kServicePermanent][kServiceTop], g1t, kTol) << at;
        EXPECT_NEAR(S[kServiceAllLoadsPositive][kServiceBottom],
                    g1b + 0.8 * L[kStressLiveLoad][0] + L[kStressDeckShrinkage][0], kTol)
            << at;
        EXPECT_NEAR(S[kServiceAllLoadsPositive][kServiceTop],
                    g1t + L[kStressLiveLoad][1] + L[kStressDeckShrinkage][1], kTol)
            << at;
    }
    // Plausible signs: compression at the bottom at release, tension under all loads at midspan.
    EXPECT_GT(doc->m_aServiceStress[kStationMidspan][kServiceRelease][kServiceBottom], 2.0);
    EXPECT_LT(doc->m_aServiceStress[kStationMidspan][kServiceAllLoadsPositive][kServiceBottom],
              0.0);
    EXPECT_LT(doc->m_dWorstBottomStress, 0.0);
}

// Every result of the service, allowable, strength and summary stages is finite for every
// example design, and analysing them shows no message.
TEST_F(ServiceStressesTest, EveryExampleGivesFiniteResults) {
    for (const int seed : {1, 2, 3, 4}) {
        frame.m_nSeedChoice = seed;
        auto d = NewDoc();
        host.ClearMessages();
        ASSERT_TRUE(d->OnNewDocument()) << "example " << seed;
        EXPECT_TRUE(host.Messages().empty()) << "example " << seed;
        const std::string ex = "example " + std::to_string(seed);
        auto finite = [&](double v, const char* name, int i) {
            EXPECT_TRUE(std::isfinite(v)) << ex << ": " << name << " at " << i;
        };
        for (int i = 0; i < kStationCount; ++i) {
            for (int g = 0; g < kServiceCombinationCount; ++g)
                for (int e = 0; e < kServiceStressEntryCount; ++e)
                    finite(d->m_aServiceStress[i][g][e], "service stress", i);
            finite(d->m_adReleaseTensionSteel[i], "release tension steel", i);
            for (int j = 0; j < kStrengthGroupCount; ++j) {
                finite(d->m_aMuFlexure[i][j], "Mu", i);
                finite(d->m_aFactoredShearMagnitude[i][j], "Vu", i);
                finite(d->m_aFactoredMomentByGroup[i][j], "Mu by group", i);
                finite(d->m_aFactoredWork1[i][j], "work 1", i);
                finite(d->m_aFactoredWork2[i][j], "work 2", i);
                finite(d->m_aFactoredWork3[i][j], "work 3", i);
                finite(d->m_aFactoredMomentEnvelope[i][j], "negative Mu", i);
            }
            finite(d->m_adVu[i], "governing Vu", i);
            finite(d->m_adMu[i], "governing Mu", i);
            for (int k = 0; k < kShearDesignEntryCount; ++k) {
                finite(d->m_aFactoredForShear1[i][k], "shear design moment", i);
                finite(d->m_aFactoredForShear2[i][k], "shear design shear", i);
            }
        }
        finite(d->m_dWorstBottomStress, "worst bottom stress", 0);
        EXPECT_LT(d->m_dWorstBottomStress, 999.0) << ex;
        for (const double v : d->m_adAllowableStress) finite(v, "allowable", 0);
        for (const double v :
             {d->m_dAllowReleaseTension, d->m_dAllowReleaseCompression,
              d->m_dAllowFinalTensionAllLoads, d->m_dAllowFinalTensionPermanent,
              d->m_dAllowFinalCompressionPermanent, d->m_dAllowFinalCompressionAllLoads,
              d->m_dAllowFinalCompressionHalfPermanentLL, d->m_dAllowDeckCompression,
              d->m_dLeftPierMoment, d->m_dRightPierMoment, d->m_dStrandDrapeAngle,
              d->m_dDebondedStrandLength})
            finite(v, "scalar", 0);
        for (const double v : d->m_adAnchorZone) finite(v, "anchor zone", 0);
        for (const double v : d->m_adGirderTotals) finite(v, "girder totals", 0);
        for (const double v : d->m_adHoldDownSummary) finite(v, "hold-down", 0);
        for (const double v : d->m_adDebondSummary) finite(v, "debond summary", 0);
        for (const float v : d->m_afDebondSummary) finite(static_cast<double>(v), "row debond", 0);
    }
}

}  // namespace
}  // namespace kordel::test

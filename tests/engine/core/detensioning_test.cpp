// The detensioning check: the cutting order and its repair, the critical sections, and the
// stresses after each cut on example design 1 (draped, 18 groups of 2 strands of 0.5 in at
// 0.75 fpu, 106 ft girder, no end blocks, losses by the LRFD 3rd edition method) against a hand
// calculation.
#include "engine/core/detensioning.h"

#include <cmath>

#include "test_support.h"

namespace kordel::test {
namespace {

TEST(DetensionOrderTest, ValidOrders) {
    struct Case {
        const char* name;
        int order[3];
        int count;
        bool valid;
    } cases[] = {
        {"each group once", {3, 1, 2}, 3, true},
        {"a repeat", {2, 2, 3}, 3, false},
        {"a 0 entry", {1, 2, 0}, 3, false},
        {"a group beyond the count", {1, 2, 4}, 3, false},
        {"a negative entry", {1, -2, 3}, 3, false},
        {"no groups", {0, 0, 0}, 0, true},
    };
    for (const Case& c : cases) EXPECT_EQ(IsValidCuttingOrder(c.order, c.count), c.valid) << c.name;
}

TEST(DetensionSectionsTest, PositionsOfTheSections) {
    // Lg = 100 ft, Lt = 2.5 ft.
    StrandGroup g[4] = {};
    // No debonding: the one section at Lt.
    EXPECT_EQ(DetensionSections(g, 4, 100, 2.5, 13), (std::vector<double>{2.5}));
    // Two groups debonded 10 ft at the ends give one section at 12.5 ft; a group debonded 20 ft
    // either side of mid-length has full force up to 50 - 20 - 2.5 = 27.5 ft (where the bonded
    // fraction's inner ramp begins, as in the strand force at the ends).
    g[0][kGroupDebondEnd] = 10;
    g[1][kGroupDebondEnd] = 10;
    g[2][kGroupDebondMid] = 20;
    g[3][kGroupDebondEnd] = 5;
    EXPECT_EQ(DetensionSections(g, 4, 100, 2.5, 13), (std::vector<double>{2.5, 7.5, 12.5, 27.5}));
    // The first positions in group order only, up to the limit.
    EXPECT_EQ(DetensionSections(g, 4, 100, 2.5, 2), (std::vector<double>{2.5, 12.5}));
}

class DetensioningTest : public EngineTest {
  protected:
    void SetUp() override {
        frame.m_nSeedChoice = SeedSimpleSpan;
        doc = NewDoc();
        ASSERT_TRUE(doc->OnNewDocument());
        doc->m_bDetensioningAnalysis = 1;
    }
    double Stress(int table, int stage, int section) const {
        return doc->m_aDetensionStress[table][stage][section];
    }
    std::unique_ptr<CKordelDoc> doc;
};

// Example 1 at the one critical section x = Lt = 2.5 ft (no debonding), gross girder:
//   A = 767 in2, yb = 36.6 in, I = 545,894 in4; Sb = 545894 / 36.6 = 14,915.1 in3,
//   St = 545894 / (72 - 36.6) = 15,420.7 in3
//   self-weight w = 767 / 144 x 0.15 = 0.798958 klf on supports at the girder ends:
//   M = w x (Lg - x) / 2 = 0.798958 x 2.5 x 103.5 / 2 = 103.365 kip-ft
//   RE1 = 1.80053 ksi, ES = 16.4442 ksi (the loss stage, LRFD 3rd edition method)
// Stage 0 cuts group 1 (2 strands at 2 in, bonded fully at Lt since Lt < Lg - Lt), with the share
// 2 / 36 of ES: F = 2 x (0.75 x 270 - 1.80053 - 16.4442 x 2 / 36) x 0.153 = 61.1345 kip,
//   e = 36.6 - 2 = 34.6 in
//   bottom = 61.1345 (1/767 + 34.6/14915.1) - 12 x 103.365 / 14915.1 = 0.221527 - 0.083163
//          = 0.138364 ksi
//   top    = 61.1345 (1/767 - 34.6/15420.7) + 12 x 103.365 / 15420.7 = -0.057464 + 0.080436
//          = 0.022972 ksi
TEST_F(DetensioningTest, FirstCutByHand) {
    doc->RunAnalysis();
    ASSERT_EQ(doc->m_nDetensionSections, 1);
    EXPECT_NEAR(doc->m_adDetensionSection[0], 2.5, 1e-12);
    EXPECT_NEAR(Stress(kDetensionBottom, 0, 0), 0.138364, 2e-6) << "bottom fibre after cut 1";
    EXPECT_NEAR(Stress(kDetensionTop, 0, 0), 0.022972, 2e-6) << "top fibre after cut 1";
    EXPECT_EQ(Stress(kDetensionElevation, 0, 0), 2.0);
    EXPECT_EQ(Stress(kDetensionBondedFraction, 0, 0), 1.0);
    EXPECT_EQ(doc->m_adDetensionStrandCount[0], 2.0);
    EXPECT_NEAR(doc->m_adDetensionPullFraction[0], 0.75, 1e-12);
}

TEST_F(DetensioningTest, DrapedGirderStaysFiniteAfterEveryCut) {
    // End debonding of a few groups and a mid debonding give several sections; every stress
    // after every cut is finite, the draped groups stand between their end and drape elevations,
    // and the last cut leaves every strand with the whole elastic shortening.
    doc->m_aStrandGroup[0][kGroupDebondEnd] = 8;
    doc->m_aStrandGroup[5][kGroupDebondEnd] = 12;
    doc->m_aStrandGroup[6][kGroupDebondMid] = 10;
    doc->RunAnalysis();
    const int n = doc->m_nStrandGroupCount;
    ASSERT_EQ(n, 18);
    ASSERT_EQ(doc->m_nDetensionSections, 4);  // 2.5, 8 + 2.5, 12 + 2.5, 53 - 10 - 2.5
    EXPECT_NEAR(doc->m_adDetensionSection[3], 40.5, 1e-12);
    for (int p = 0; p < n; ++p) {
        for (int i = 0; i < doc->m_nDetensionSections; ++i) {
            for (int t = 0; t < kDetensionTableCount; ++t)
                ASSERT_TRUE(std::isfinite(Stress(t, p, i))) << "stage " << p << " section " << i;
        }
    }
    // Group 2 is draped from 42 in at the end to 8 in at the drape point 47.75 ft from the end:
    // at 10.5 ft it stands at 42 - 34 x 10.5 / 47.75 = 34.5236 in.
    EXPECT_NEAR(Stress(kDetensionElevation, 1, 1), 42.0 - 34.0 * 10.5 / 47.75, 1e-9);
    // Group 1 is debonded 8 ft at the ends: at Lt it carries nothing.
    EXPECT_EQ(Stress(kDetensionBondedFraction, 0, 0), 0.0);
    EXPECT_EQ(Stress(kDetensionElevation, 0, 0), 0.0);
    // Stage 0 at Lt: only the self-weight, M = 103.365 kip-ft: bottom -12 M / Sb = -0.083163.
    EXPECT_NEAR(Stress(kDetensionBottom, 0, 0), -0.083163, 2e-6);
}

TEST_F(DetensioningTest, SelfWeightMomentAtEachSection) {
    // With no strand force (fpu 0, no losses) only the self-weight remains:
    // M = w x (Lg - x) / 2 with w = 0.798958 klf, Lg = 106 ft; at the sections 2.5, 10.5 and
    // 20.5 ft: 103.365, 409.064 and 726.053 kip-ft; bottom -12 M / Sb, top +12 M / St of the
    // gross girder (Sb = 14,915.1, St = 15,420.7 in3).
    doc->m_aStrandGroup[0][kGroupDebondEnd] = 8;
    doc->m_aStrandGroup[1][kGroupDebondEnd] = 18;
    doc->m_nLossMode = 2;
    doc->m_dSpecifiedReleaseLoss = 0;
    doc->RunAnalysis();
    doc->m_dStrandFpu = 0;
    doc->CheckDetensioning();
    const double w = 767.0 / 144.0 * 0.15, Lg = 106;
    const double Sb = 545894 / 36.6, St = 545894 / (72 - 36.6);
    ASSERT_EQ(doc->m_nDetensionSections, 3);
    for (int i = 0; i < 3; ++i) {
        const double x = doc->m_adDetensionSection[i];
        const double M = w * x * (Lg - x) / 2;
        EXPECT_NEAR(Stress(kDetensionBottom, 17, i), -12 * M / Sb, 1e-9) << "x = " << x;
        EXPECT_NEAR(Stress(kDetensionTop, 17, i), 12 * M / St, 1e-9) << "x = " << x;
    }
    // The handling list the check leaves: one self-weight load over the girder, no point loads.
    EXPECT_EQ(doc->m_nHandlingDistLoads, 1);
    EXPECT_EQ(doc->m_nHandlingPointLoads, 0);
}

TEST_F(DetensioningTest, ElasticShorteningGrowsWithTheStrandsCut) {
    // With specified losses the whole release loss (here 10 % of 202.5 = 20.25 ksi) acts as the
    // elastic shortening, no relaxation is deducted, and each strand cut carries the share
    // Ncut / N of it. Stage 0 at Lt with group 1 (2 strands at 2 in):
    //   F = 2 x (202.5 - 20.25 x 2/36) x 0.153 = 61.62075 kip; bottom = 61.62075 x 0.00362359
    //   - 0.083163 = 0.140124 ksi.
    doc->m_nLossMode = 2;
    doc->m_dSpecifiedReleaseLoss = 10;
    doc->RunAnalysis();
    EXPECT_NEAR(Stress(kDetensionBottom, 0, 0), 0.140124, 2e-6);
    // After the last cut every strand carries the whole 20.25 ksi: the prestress part equals
    // that of all 36 strands at 182.25 ksi.
    double sb = 0;
    for (int g = 0; g < 18; ++g) {
        const double y = Stress(kDetensionElevation, g, 0);
        sb += 2 * 182.25 * 0.153 * (1 / 767.0 + (36.6 - y) * 36.6 / 545894);
    }
    EXPECT_NEAR(Stress(kDetensionBottom, 17, 0), sb - 0.083163, 2e-6);
}

TEST_F(DetensioningTest, InvalidOrderIsRepairedAndNeverIndexesOutside) {
    // A repeat, a 0 and a group number far beyond the groups (as a damaged design file may hold):
    // the order becomes 1, 2, ..., 18 and the stages cut the groups in that order.
    for (int bad : {2, 0, 5000}) {
        doc->ResetDetensionOrder();
        doc->m_anDetensionOrder[1] = bad == 2 ? 1 : bad;
        doc->RunAnalysis();
        for (int p = 0; p < 18; ++p) EXPECT_EQ(doc->m_anDetensionOrder[p], p + 1) << bad;
        EXPECT_EQ(Stress(kDetensionElevation, 1, 0),
                  doc->m_aStrandGroup[1][kGroupElevationEnd] -
                      (doc->m_aStrandGroup[1][kGroupElevationEnd] -
                       doc->m_aStrandGroup[1][kGroupElevationDrape]) *
                          2.5 / 47.75);
    }
    // A valid order is kept: cut the last group first.
    doc->ResetDetensionOrder();
    std::swap(doc->m_anDetensionOrder[0], doc->m_anDetensionOrder[17]);
    doc->RunAnalysis();
    EXPECT_EQ(doc->m_anDetensionOrder[0], 18);
    EXPECT_EQ(doc->m_anDetensionOrder[17], 1);
}

TEST_F(DetensioningTest, PostTensionedAndForceEntryKeepEarlierResults) {
    doc->m_nDetensionSections = 7;
    doc->m_aDetensionStress[kDetensionBottom][0][0] = 99.0;
    doc->m_nPrestressType = kPostTensioned;  // with no tendon defined
    doc->CheckDetensioning();
    EXPECT_EQ(doc->m_nDetensionSections, 7);
    EXPECT_EQ(doc->m_aDetensionStress[kDetensionBottom][0][0], 99.0);
    doc->m_nPrestressType = kPretensionOnly;
    doc->m_nPretensionEntryMode = kEntryPrestressForce;
    doc->CheckDetensioning();
    EXPECT_EQ(doc->m_aDetensionStress[kDetensionBottom][0][0], 99.0);
}

TEST_F(DetensioningTest, NoStrandsAndNoGroups) {
    // No strand groups: one section at Lt, no stage written, no message.
    doc->m_nStrandGroupCount = 0;
    doc->m_aDetensionStress[kDetensionBottom][0][0] = 99.0;
    doc->CheckDetensioning();
    EXPECT_EQ(doc->m_nDetensionSections, 1);
    EXPECT_EQ(doc->m_aDetensionStress[kDetensionBottom][0][0], 99.0);
    EXPECT_TRUE(host.Messages().empty());
    // Groups but a pattern count of 0 (N = 0): the shares of the elastic shortening are taken as
    // 0 after a message, and every stress stays finite.
    doc->m_nStrandGroupCount = 18;
    doc->m_nStrandCount = 0;
    doc->CheckDetensioning();
    ASSERT_FALSE(host.Messages().empty());
    for (int p = 0; p < 18; ++p) EXPECT_TRUE(std::isfinite(Stress(kDetensionBottom, p, 0)));
}

}  // namespace
}  // namespace kordel::test

// Load-case stresses: the section that carries each load case under each strand-transformation
// option, the girder self-weight under the detailed losses, fibres a section does not have, zero
// moments and zero moduli, and the stresses of example design 1 at midspan by M / S.
#include <cmath>

#include "engine/core/prestress_test_support.h"
#include "test_support.h"

namespace kordel::test {
namespace {

/// Modulus (in3) given to fibre `f` of section case `c` at every station in the tests that find
/// out which case a stress used: 1000 (c + 1) + 100 (f + 1), all different.
double MarkedModulus(int c, int f) {
    return 1000.0 * (c + 1) + 100.0 * (f + 1);
}

class LoadCaseStressesTest : public EngineTest {
  protected:
    void SetUp() override {
        doc = NewDoc();
        for (int i = 0; i < kStationCount; ++i) {
            for (int c = 0; c < kSectionCaseCount; ++c)
                for (int f = 0; f < kSectionFibreCount; ++f)
                    doc->m_adSectionModulusAtStation[i][SectionModulusSlot(c, f)] =
                        MarkedModulus(c, f);
            for (int k = 0; k < kLoadEffectFields; ++k) doc->m_aMoment[i][k] = 1000.0;
        }
    }

    /// The section case whose moduli gave the stresses of stress case `sc` at station `i`, from
    /// the bottom stress -12000 / S; -1 when no case matches.
    int CaseUsed(int i, int sc) const {
        const double S = -12000.0 / doc->m_aLoadCaseStress[i][sc][kFibreGirderBottom];
        for (int c = 0; c < kSectionCaseCount; ++c)
            if (std::abs(S - MarkedModulus(c, kFibreGirderBottom)) < 1e-6) return c;
        return -1;
    }

    std::unique_ptr<CKordelDoc> doc;
};

TEST_F(LoadCaseStressesTest, SectionOfEachLoadCaseByTransformationOption) {
    // Section cases: 0 girder, 1 + deck, 2 + deck and overlay, 3 transformed at release,
    // 4 transformed at final, 5 case 4 + deck, 6 case 4 + deck and overlay. Groups: A (self-weight
    // at release) 0 0 3 3; B (girder) 0 0 4 4; K (with deck) 1 1 5 5; D (composite dead loads)
    // 2 2 6 2; L (live loads) 2 6 6 2, for the options 0 to 3.
    const struct {
        int stressCase;
        int fibres;    // fibres of the section: 2 girder, 3 with deck, 4 with overlay
        int cases[4];  // section case for the options 0, 1, 2, 3
    } table[] = {
        {kStressGirderRelease, 2, {0, 0, 3, 3}},      // A
        {kStressGirder, 2, {0, 0, 4, 4}},             // B
        {kStressDeck, 2, {0, 0, 4, 4}},               // B
        {kStressOverlay, 3, {1, 1, 5, 5}},            // K
        {kStressDiaphragms, 2, {0, 0, 4, 4}},         // B
        {kStressOtherNonComposite, 2, {0, 0, 4, 4}},  // B
        {kStressBarriers, 3, {1, 1, 5, 5}},           // K
        {kStressWearingSurface, 4, {2, 2, 6, 2}},     // D
        {kStressOtherComposite, 4, {2, 2, 6, 2}},     // D
        {kStressLiveLoad, 4, {2, 6, 6, 2}},           // L
        {kStressFatigue, 4, {2, 6, 6, 2}},            // L
        {kStressPedestrian, 4, {2, 6, 6, 2}},         // L
        {kStressLiveLoadNegative, 4, {2, 6, 6, 2}},   // L
        {kStressRestraintPositive, 4, {2, 2, 6, 2}},  // D
        {kStressRestraintNegative, 4, {2, 2, 6, 2}},  // D
        {kStressFatigueNegative, 4, {2, 6, 6, 2}},    // L
    };
    for (int mode = 0; mode < 4; ++mode) {
        doc->m_nTransformStrandsMode = mode;
        doc->ComputeLoadCaseStresses();
        for (const auto& row : table) {
            SCOPED_TRACE(testing::Message()
                         << "option " << mode << ", stress case " << row.stressCase);
            const int c = row.cases[mode];
            for (int i : {0, int{kStationMidspan}, int{kStationRightDrape}}) {
                const double* f = doc->m_aLoadCaseStress[i][row.stressCase];
                // -12 M / S at the bottom, +12 M / S above, with M = 1000 kip-ft.
                EXPECT_DOUBLE_EQ(f[kFibreGirderBottom], -12000.0 / MarkedModulus(c, 0));
                EXPECT_DOUBLE_EQ(f[kFibreGirderTop], 12000.0 / MarkedModulus(c, 1));
                EXPECT_DOUBLE_EQ(f[kFibreDeckTop],
                                 row.fibres > 2 ? 12000.0 / MarkedModulus(c, 2) : 0.0);
                EXPECT_DOUBLE_EQ(f[kFibreOverlayTop],
                                 row.fibres > 3 ? 12000.0 / MarkedModulus(c, 3) : 0.0);
            }
        }
    }
    EXPECT_TRUE(host.Messages().empty());
}

TEST_F(LoadCaseStressesTest, GirderWeightOnTheReleaseSectionUnderTheDetailedLosses) {
    const struct {
        int mode, lossMethod, lossMode, expectedCase;
        const char* name;
    } cases[] = {
        {kTransformAll, kLossLrfd6thDetailed, kLossesComputed, kSectionCaseRelease,
         "detailed losses computed: group A"},
        {kTransformAll, kLossLrfd6thDetailed, kLossesSpecified, kSectionCaseFinal,
         "detailed method, losses specified: group B"},
        {kTransformAll, kLossLrfd3rd, kLossesComputed, kSectionCaseFinal, "other method: B"},
        {kTransformNone, kLossLrfd6thDetailed, kLossesComputed, kSectionCaseGirder,
         "untransformed: A and B are both the girder"},
    };
    for (const auto& c : cases) {
        doc->m_nTransformStrandsMode = c.mode;
        doc->m_nLossMethod = c.lossMethod;
        doc->m_nLossMode = c.lossMode;
        doc->ComputeLoadCaseStresses();
        EXPECT_EQ(CaseUsed(kStationMidspan, kStressGirder), c.expectedCase) << c.name;
        EXPECT_EQ(CaseUsed(kStationMidspan, kStressDeck),
                  c.expectedCase == kSectionCaseGirder ? kSectionCaseGirder : kSectionCaseFinal)
            << c.name << ": the deck stays on group B";
    }
}

TEST_F(LoadCaseStressesTest, ZeroMomentsZeroModuliAndTheDeckShrinkageCase) {
    // The prestress stage owns stress case 15: this stage leaves it alone.
    for (int f = 0; f < kSectionFibreCount; ++f)
        doc->m_aLoadCaseStress[7][kStressDeckShrinkage][f] = 0.123;
    // A zero moment gives zero stresses even where the moduli are 0 (a section never computed).
    for (int k = 0; k < kLoadEffectFields; ++k) doc->m_aMoment[7][k] = 0.0;
    for (double& S : doc->m_adSectionModulusAtStation[7]) S = 0.0;
    doc->ComputeLoadCaseStresses();
    for (int sc = 0; sc < kStressCaseCount; ++sc) {
        for (int f = 0; f < kSectionFibreCount; ++f) {
            const double v = doc->m_aLoadCaseStress[7][sc][f];
            EXPECT_EQ(v, sc == kStressDeckShrinkage ? 0.123 : 0.0) << sc << ", fibre " << f;
        }
    }
    EXPECT_TRUE(host.Messages().empty());

    // A moment on a modulus of 0: the stress is 0 and one message tells where it first happened.
    doc->m_aMoment[7][kCaseDeck] = 500.0;
    doc->m_aMoment[7][kCaseBarriers] = 100.0;
    doc->ComputeLoadCaseStresses();
    EXPECT_EQ(doc->m_aLoadCaseStress[7][kStressDeck][kFibreGirderBottom], 0.0);
    EXPECT_EQ(doc->m_aLoadCaseStress[7][kStressBarriers][kFibreDeckTop], 0.0);
    ASSERT_EQ(host.Messages().size(), 1u);
    EXPECT_EQ(host.Messages()[0].text,
              "Load-case stresses: section case 0 has no section modulus at fibre 0 at station 7; "
              "the stresses of a moment where a modulus is 0 are taken as 0.");
    for (const LoadCaseStress& s : doc->m_aLoadCaseStress)
        for (const auto& row : s.m_adValue)
            for (double v : row) EXPECT_TRUE(std::isfinite(v));
}

TEST_F(LoadCaseStressesTest, UnknownTransformationOptionIsTakenAsNone) {
    doc->m_nTransformStrandsMode = 7;
    doc->ComputeLoadCaseStresses();
    EXPECT_EQ(CaseUsed(kStationMidspan, kStressLiveLoad), kSectionCaseOverlay);
    EXPECT_EQ(CaseUsed(kStationMidspan, kStressGirderRelease), kSectionCaseGirder);
    ASSERT_EQ(host.Messages().size(), 1u);
}

TEST_F(LoadCaseStressesTest, Example1AtMidspan) {
    // Example 1 with its section stage; moments at midspan by hand: girder 1101.064, deck
    // 1240.313, barrier 230.147, wearing surface 268.734, live load 2000 kip-ft.
    frame.m_nSeedChoice = SeedSimpleSpan;
    doc = NewDoc();
    ASSERT_TRUE(doc->OnNewDocument());
    SetExample1MidspanMoments(*doc);
    doc->ComputeLoadCaseStresses();
    // Moduli by hand: girder Sb = 545894 / 36.6 = 14915.14, St = 545894 / 35.4 = 15420.73;
    // composite (deck 8 x 108 in x n 0.81650 at 76 in: yb 55.4766, I 1,120,102):
    // Sb = 20190.55, St = I / (72 - 55.4766) = 67788.69, deck top I / ((80 - 55.4766) x 0.81650)
    // = 55939.93 (deck concrete).
    const struct {
        int stressCase;
        double bottom, top, deck;
        const char* derivation;
    } cases[] = {
        {kStressGirder, -0.88586, 0.85682, 0.0,
         "girder: -12 x 1101.064 / 14915.14, 12 x 1101.064 / 15420.73"},
        {kStressDeck, -0.99790, 0.96518, 0.0, "deck on the girder: -12 x 1240.313 / 14915.14"},
        {kStressBarriers, -0.13678, 0.04074, 0.04937,
         "barrier on girder + deck (case 1): -12 x 230.147 / 20190.55, / 67788.69, / 55939.93"},
        {kStressWearingSurface, -0.15972, 0.04757, 0.05765,
         "wearing surface on the composite section (case 2): 268.734 kip-ft"},
        {kStressLiveLoad, -1.18867, 0.35404, 0.42903,
         "live load on the composite section (case 2): -12 x 2000 / 20190.55"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.derivation);
        const double* f = doc->m_aLoadCaseStress[kStationMidspan][c.stressCase];
        EXPECT_NEAR(f[kFibreGirderBottom], c.bottom, 1e-5);
        EXPECT_NEAR(f[kFibreGirderTop], c.top, 1e-5);
        EXPECT_NEAR(f[kFibreDeckTop], c.deck, 1e-5);
    }
    // "Live load stresses only": the live load on the transformed composite section (case 6:
    // yb 54.5228, I 1,192,194): -12 x 2000 / 21865.98 = -1.09760; the dead loads keep theirs.
    doc->m_nTransformStrandsMode = kTransformLiveLoad;
    doc->ComputeLoadCaseStresses();
    const LoadCaseStress& s = doc->m_aLoadCaseStress[kStationMidspan];
    EXPECT_NEAR(s[kStressLiveLoad][kFibreGirderBottom], -1.09760, 1e-5);
    EXPECT_NEAR(s[kStressLiveLoad][kFibreGirderTop], 0.35183, 1e-5);  // 24000 / 68214.17
    EXPECT_NEAR(s[kStressGirder][kFibreGirderBottom], -0.88586, 1e-5);
    EXPECT_TRUE(host.Messages().empty());
}

}  // namespace
}  // namespace kordel::test

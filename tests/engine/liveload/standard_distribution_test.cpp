// The Standard Specifications distribution-factor rules against hand calculations, in lanes
// (the wheel-line fractions of the Specifications halved).
#include "engine/liveload/standard_distribution.h"

#include <gtest/gtest.h>

namespace kordel::test {
namespace {

TEST(StandardGirders, SpacingRuleAndLeverRuleBeyondIt) {
    struct Case {
        double S;
        int lanes;
        double expected;
        bool lever;
        const char* derivation;
    };
    const Case cases[] = {
        {8.0, 1, 0.571429, false, "S / 7.0 x 0.5 = 8 / 14"},
        {8.0, 2, 0.727273, false, "S / 5.5 x 0.5 = 8 / 11"},
        {9.99, 1, 0.713571, false, "9.99 / 14, just below 10 ft"},
        {10.0, 1, 0.70, true, "lever rule, one lane: 0.5 (1 + 4/10)"},
        {13.99, 3, 1.271818, false, "13.99 / 11, just below 14 ft"},
        {14.0, 2, 1.285714, true, "lever rule, two lanes: 0.5 (1 + 10/14 + 8/14 + 4/14)"},
    };
    for (const Case& c : cases) {
        bool lever = !c.lever;
        EXPECT_NEAR(StandardInteriorGirderFactor(c.S, c.lanes, lever), c.expected, 1e-6)
            << c.derivation;
        EXPECT_EQ(lever, c.lever) << c.derivation;
    }
}

TEST(StandardMultiBeam, LoadFractionAndItsTerms) {
    // Box beams b = 48 in, K = 1.0, W = 40 ft, L = 60 ft, two lanes: C = 40/60 = 0.6667,
    // D = (5.75 - 1) + 1.4 (1 - 0.1333)^2 = 5.8016, S / D x 0.5 = 4 / 5.8016 / 2 = 0.3447.
    MultiBeamFactor f =
        StandardMultiBeamFactor(48.0, 1.0, 40.0, 60.0, 2.0, MultiBeamRule::kArticle);
    EXPECT_EQ(f.S, 4.0);
    EXPECT_NEAR(f.C, 0.6667, 5e-5);
    EXPECT_NEAR(f.D, 5.8016, 5e-5);
    EXPECT_NEAR(f.g, 0.3447, 5e-5);

    // W / L of 1.0 or more: C = K (0.8 for circular voids); D = 4.75 + 1.4 (0.84)^2 = 5.73784.
    f = StandardMultiBeamFactor(48.0, 0.8, 60.0, 60.0, 2.0, MultiBeamRule::kArticle);
    EXPECT_EQ(f.C, 0.8);
    EXPECT_NEAR(f.D, 5.73784, 1e-6);

    // The rule of any other non-composite type: C = W / L without a limit; above 5.0,
    // D = 5.75 - 0.5 NL = 4.75 and the fraction is 4 / 4.75 / 2 = 0.421053.
    f = StandardMultiBeamFactor(48.0, 1.0, 400.0, 60.0, 2.0, MultiBeamRule::kUnlimitedC);
    EXPECT_NEAR(f.C, 6.666667, 1e-6);
    EXPECT_EQ(f.D, 4.75);
    EXPECT_NEAR(f.g, 0.421053, 1e-6);
    // The same W / L under the article's rule keeps C at K and the curve.
    f = StandardMultiBeamFactor(48.0, 1.0, 400.0, 60.0, 2.0, MultiBeamRule::kArticle);
    EXPECT_EQ(f.C, 1.0);
    EXPECT_NEAR(f.D, 4.75 + 1.4 * 0.64, 1e-12);
}

TEST(StandardSpreadBox, InputsRaisedAndLoweredToTheLimits) {
    // Nb = 3 -> NB = 4, S = 6 -> 6.57 ft, curb-to-curb 30 -> W = 32 ft, two lanes, L = 80 ft:
    // k = 0.07 x 32 - 2 (0.2 - 0.26) - 0.8 - 0.12 = 1.44;
    // factor = (2 x 2 / 4 + 1.44 x 6.57 / 80) x 0.5 = 0.5591.
    SpreadBoxFactor f = StandardSpreadBoxInterior(3.0, 6.0, 30.0, 2.0, 80.0);
    EXPECT_EQ(f.NB, 4.0);
    EXPECT_EQ(f.S, 6.57);
    EXPECT_EQ(f.W, 32.0);
    EXPECT_NEAR(f.k, 1.44, 1e-12);
    EXPECT_NEAR(f.g, 0.5591, 5e-5);

    // Upper limits: Nb = 12 -> 10, S = 12 -> 11, W = 70 -> 66; one lane, L = 100:
    // k = 4.62 - 1 (0.1 - 0.26) - 2.0 - 0.12 = 2.66; (2 / 10 + 2.66 x 11 / 100) x 0.5 = 0.2463.
    f = StandardSpreadBoxInterior(12.0, 12.0, 70.0, 1.0, 100.0);
    EXPECT_EQ(f.NB, 10.0);
    EXPECT_EQ(f.S, 11.0);
    EXPECT_EQ(f.W, 66.0);
    EXPECT_NEAR(f.k, 2.66, 1e-12);
    EXPECT_NEAR(f.g, 0.2463, 1e-9);
}

TEST(StandardSpreadBox, ExteriorIsTheLeverRuleButNotLessThanNLOverNB) {
    // Three lanes on NB = 4 (from 3): NL / NB = 0.75 beats a lever-rule value of 0.5.
    EXPECT_EQ(StandardSpreadBoxExterior(3.0, 3.0, 0.5).g, 0.75);
    EXPECT_EQ(StandardSpreadBoxExterior(3.0, 3.0, 0.5).NB, 4.0);
    // One lane on 10 beams: 0.1 < 0.625, the lever rule stands.
    EXPECT_EQ(StandardSpreadBoxExterior(10.0, 1.0, 0.625).g, 0.625);
}

TEST(StandardSectionTypes, Names) {
    const char* expected[kStdSectionTypeCount] = {
        "Std I-Beam",          "Std MultBm:non-void rect", "Std MultBm:rect circ voids",
        "Std MultBm:box beam", "Std MultBm:channel",       "Std Spread box beam"};
    for (int code = 0; code < kStdSectionTypeCount; ++code) {
        EXPECT_STREQ(StandardSectionTypeName(code, true), expected[code]);
        EXPECT_STREQ(StandardUserFactorTypeName(code), expected[code]);
    }
    EXPECT_STREQ(StandardSectionTypeName(7, true), "Std I-Beam");
    EXPECT_STREQ(StandardSectionTypeName(7, false), "Std MultBm:box beam");
    EXPECT_STREQ(StandardUserFactorTypeName(7), "Std I-Beam");
}

}  // namespace
}  // namespace kordel::test

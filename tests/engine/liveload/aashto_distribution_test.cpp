// The LRFD distribution-factor provisions one by one, against hand calculations: the lever
// rules, Kg, k and K, the interior formulas of each cross-section type, the exterior correction
// factors and the skew corrections.
#include "engine/liveload/aashto_distribution.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kordel::test {
namespace {

constexpr double kTol = 5e-5;  // the hand values are given to four decimals

TEST(LeverRule, ExteriorTakesTheSecondWheelOnlyBeyondEightFeet) {
    struct Case {
        double S, de, expected;
        const char* derivation;
    };
    const Case cases[] = {
        {6.0, 2.0, 0.5, "S + de = 8.0 exactly: one wheel, (8 - 2) / (2 x 6) = 0.5"},
        {8.0, 2.0, 0.625, "S + de = 10 > 8: (10 - 5) / 8 = 0.625"},
        {9.0, 1.5, 0.611111, "(10.5 - 5) / 9"},
        {4.0, 0.0, 0.25, "one wheel: (4 - 2) / (2 x 4)"},
        {4.0, -1.29, 0.08875, "negative de, one wheel: (2.71 - 2) / 8"},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(LeverRuleExterior(c.S, c.de), c.expected, 1e-6) << c.derivation;
    }
}

TEST(LeverRule, InteriorCountsTheWheelsWithinOneSpacing) {
    struct Case {
        double S;
        int lanes;
        double expected;
        const char* derivation;
    };
    const Case cases[] = {
        {6.0, 1, 0.5, "one lane, S = 6: the wheel 6 ft away adds nothing"},
        {8.0, 1, 0.625, "0.5 (1 + 2/8)"},
        {4.0, 2, 0.5, "two lanes, S = 4"},
        {5.0, 2, 0.6, "0.5 (1 + 1/5)"},
        {8.0, 2, 0.875, "0.5 (1 + 4/8 + 2/8)"},
        {12.0, 2, 1.166667, "0.5 (1 + 8/12 + 6/12 + 2/12)"},
        {12.0, 3, 1.166667, "three lanes, S = 12: the wheel at 12 ft adds nothing"},
        {14.0, 3, 1.357143, "0.5 (1 + 10/14 + 8/14 + 4/14 + 2/14)"},
        {11.0, 0, 1.090909, "any other lane count: 0.5 (1 + 7/11 + 5/11 + 1/11)"},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(LeverRuleInterior(c.S, c.lanes), c.expected, 1e-6) << c.derivation;
    }
}

TEST(LongitudinalStiffness, CompositeAndNonCompositeDecks) {
    // BT-72: d = 72 in, yb = 36.6 in, I = 545894 in^4, A = 767 in^2; Ed / Eb = 0.8, 1 in haunch,
    // ts = 7.5 in, 0.5 in overlay: eg = 35.4 + 1 + (7.5 + 0.5) / 2 = 40.4 in, n = 1.25,
    // Kg = 1.25 (545894 + 767 x 40.4^2) = 1.25 x 1797760.72 = 2247200.9 in^4.
    const LongitudinalStiffness composite =
        ComputeLongitudinalStiffness(72.0, 36.6, 545894.0, 767.0, 0.8, true, 1.0, 7.5, 0.5);
    EXPECT_NEAR(composite.eg, 40.4, 1e-9);
    EXPECT_NEAR(composite.n, 1.25, 1e-12);
    EXPECT_NEAR(composite.Kg, 2247200.9, 0.01);

    // Non-composite: eg to the top of the girder, 72 - 36.6 = 35.4 in; Kg = 545894 + 767 x 35.4^2.
    const LongitudinalStiffness bare =
        ComputeLongitudinalStiffness(72.0, 36.6, 545894.0, 767.0, 1.0, false, 1.0, 7.5, 0.5);
    EXPECT_NEAR(bare.eg, 35.4, 1e-9);
    EXPECT_NEAR(bare.Kg, 1507067.72, 0.01);

    // A modular ratio that was never computed (0) gives n = 1.0, not a division by zero.
    EXPECT_EQ(ComputeLongitudinalStiffness(72, 36.6, 545894, 767, 0.0, true, 0, 8, 0).n, 1.0);
}

TEST(StiffnessTerms, AdjacentBoxKAndTorsionalK) {
    EXPECT_NEAR(AdjacentBoxK(8), 1.6494, kTol);  // 2.5 x 8^-0.2
    EXPECT_NEAR(AdjacentBoxK(2), 2.1764, kTol);  // 2.5 x 2^-0.2
    EXPECT_EQ(AdjacentBoxK(20), 1.5);            // 2.5 x 20^-0.2 = 1.3732, raised to 1.5

    bool approximate = false;
    // AASHTO BIII-48: sqrt(1.2 x 168367 / 285854) = sqrt(0.706797) = 0.8407.
    EXPECT_NEAR(TorsionalK(168367.0, 285854.0, 1.0, approximate), 0.8407, kTol);
    EXPECT_FALSE(approximate);
    // J = 1.0 in^4 exactly is not usable: the preliminary K.
    EXPECT_EQ(TorsionalK(168367.0, 1.0, 0.7, approximate), 0.7);
    EXPECT_TRUE(approximate);
    EXPECT_EQ(TorsionalK(168367.0, 0.0, 2.2, approximate), 2.2);
    EXPECT_TRUE(approximate);

    // I / J of a box known only by K = 1.0: 1 / 1.2, so that sqrt(1.2 I / J) gives K back.
    EXPECT_NEAR(IOverJFromK(1.0), 0.833333, 1e-6);
    EXPECT_NEAR(std::sqrt(1.2 * IOverJFromK(0.8)), 0.8, 1e-12);
}

// The interior formulas at the published hand values.
TEST(InteriorFormulas, HandValuesOfEachType) {
    struct Case {
        const char* what;
        double actual, expected;
    };
    // Spread boxes: S = 9 ft, d = 48 in, L = 80 ft; S d / (12 L^2) = 0.005625, d / (12 L) = 0.05.
    // Adjacent boxes: b = 48 in, L = 60 ft, I / J = 2/3, Nb = 8 (k = 1.6494).
    // I-beams: S = 8 ft, L = 100 ft, ts = 7.5 in, Kg = 500000 in^4; Kg / (12 L ts^3) = 0.98765.
    const double k = AdjacentBoxK(8);
    const Case cases[] = {
        {"MB1 = 3^0.35 x 0.005625^0.25", SpreadBoxMomentOneLane(9, 48, 80), 0.4023},
        {"MB2 = (9/6.3)^0.6 x 0.005625^0.125", SpreadBoxMomentMultiLane(9, 48, 80), 0.6482},
        {"VB1 = 0.9^0.6 x 0.05^0.1", SpreadBoxShearOneLane(9, 48, 80), 0.6957},
        {"VB2 = (9/7.4)^0.8 x 0.05^0.1", SpreadBoxShearMultiLane(9, 48, 80), 0.8668},
        {"MA1 = k (48/1998)^0.5 (2/3)^0.25", AdjacentBoxMomentOneLane(k, 48, 60, 2.0 / 3.0),
         0.2310},
        {"MA2 = k (48/305)^0.6 (48/720)^0.2 (2/3)^0.06",
         AdjacentBoxMomentMultiLane(k, 48, 60, 2.0 / 3.0), 0.3088},
        {"VA1 = (48/7800)^0.15 (2/3)^0.05", AdjacentBoxShearOneLane(48, 60, 2.0 / 3.0), 0.4566},
        {"VA2 = (48/156)^0.4 (48/720)^0.1 (2/3)^0.05", AdjacentBoxShearMultiLane(48, 60, 2.0 / 3.0),
         0.4665},
        {"MI1 = 0.06 + (8/14)^0.4 (0.08)^0.3 (0.98765)^0.1", IBeamMomentOneLane(8, 100, 5e5, 7.5),
         0.4343},
        {"MI2 = 0.075 + (8/9.5)^0.6 (0.08)^0.2 (0.98765)^0.1",
         IBeamMomentMultiLane(8, 100, 5e5, 7.5), 0.6186},
        {"VI1 = 0.36 + 8/25", IBeamShearOneLane(8), 0.68},
        {"VI2 = 0.2 + 8/12 - (8/35)^2", IBeamShearMultiLane(8), 0.8144},
        {"fatigue MI1 / 1.2", IBeamMomentOneLane(8, 100, 5e5, 7.5) / kFatigueMultiplePresence,
         0.3619},
    };
    for (const Case& c : cases) EXPECT_NEAR(c.actual, c.expected, kTol) << c.what;
    EXPECT_EQ(AdjacentBoxShearWidthFactor(48.0), 1.0);
    EXPECT_EQ(AdjacentBoxShearWidthFactor(36.0), 1.0);  // b / 48 = 0.75, raised to 1.0
    EXPECT_EQ(AdjacentBoxShearWidthFactor(60.0), 1.25);
}

TEST(InteriorFormulas, SpacingOverDLimitsCAndD) {
    // K = 1.0, W = 40 ft, L = 60 ft, two lanes, S = 4 ft: C = 0.6667,
    // D = 11.5 - 2 + 2.8 (1 - 0.1333)^2 = 11.6031, S / D = 0.3447.
    SpacingOverD r = SpacingOverDFactor(4.0, 1.0, 40.0, 60.0, 2.0);
    EXPECT_NEAR(r.C, 0.6667, kTol);
    EXPECT_NEAR(r.D, 11.6031, kTol);
    EXPECT_NEAR(r.g, 0.3447, kTol);
    // K W / L = 2.2 x 40 / 20 = 4.4 is above K: C = K = 2.2; D = 9.5 + 2.8 (0.56)^2 = 10.3781.
    r = SpacingOverDFactor(4.0, 2.2, 40.0, 20.0, 2.0);
    EXPECT_EQ(r.C, 2.2);
    EXPECT_NEAR(r.D, 10.3781, kTol);
    // C = 6 above 5.0: D = 11.5 - NL = 9.5.
    r = SpacingOverDFactor(4.0, 6.0, 60.0, 60.0, 2.0);
    EXPECT_EQ(r.C, 6.0);
    EXPECT_EQ(r.D, 9.5);
}

TEST(ExteriorCorrection, FactorsAndTheirLeastValues) {
    struct Case {
        const char* what;
        double actual, expected;
    };
    const Case cases[] = {
        {"eB = 0.97 + 1.5/28.5", SpreadBoxMomentE(1.5), 1.022632},
        {"eBV = 0.8 + 1.5/10", SpreadBoxShearE(1.5), 0.95},
        {"eA1 = 1.125 - 1.29/30", AdjacentBoxMomentOneLaneE(-1.29), 1.082},
        {"eA1 = 1.125 - 6/30 = 0.925, raised to 1.0", AdjacentBoxMomentOneLaneE(-6.0), 1.0},
        {"eA2 = 1.04 - 1.29/25 = 0.9884, raised to 1.0", AdjacentBoxMomentMultiLaneE(-1.29), 1.0},
        {"eA2 = 1.04 + 2/25", AdjacentBoxMomentMultiLaneE(2.0), 1.12},
        {"eAV1 = 1.25 - 1.29/20", AdjacentBoxShearOneLaneE(-1.29), 1.1855},
        {"eAV1 = 1.25 - 6/20 = 0.95, raised to 1.0", AdjacentBoxShearOneLaneE(-6.0), 1.0},
        {"eAV2 = 1 + ((4 - 1.29 - 2)/40)^0.5", AdjacentBoxShearMultiLaneE(48.0, -1.29), 1.133229},
        {"eAV2 = 1 + ((4 + 2 - 2)/40)^0.5", AdjacentBoxShearMultiLaneE(48.0, 2.0), 1.316228},
        {"eAV2, b/12 + de = 1 ft < 2 ft: nothing under the root, 1.0",
         AdjacentBoxShearMultiLaneE(12.0, 0.0), 1.0},
        {"eAV2, b/12 + de = 2 ft exactly: 1.0", AdjacentBoxShearMultiLaneE(48.0, -2.0), 1.0},
        {"eI = 0.77 + 1.5/9.1 (no least value)", IBeamMomentE(1.5), 0.934835},
        {"eI = 0.77 - 1/9.1", IBeamMomentE(-1.0), 0.660110},
        {"eIV = 0.6 + 1.5/10", IBeamShearE(1.5), 0.75},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(std::isfinite(c.actual)) << c.what;
        EXPECT_NEAR(c.actual, c.expected, 1e-6) << c.what;
    }
}

// The skew factors at the angles the tables treat differently: none at 0, below and at the
// 30-degree threshold of the I-beam moment reduction, 45, the 60-degree cap, and above it.
TEST(SkewCorrection, BoxMomentFactorAcrossAngles) {
    struct Case {
        double degrees, tanTheta, boxCFm;
        const char* derivation;
    };
    const Case cases[] = {
        {0.0, 0.0, 1.0, "1.05 - 0 = 1.05, lowered to 1.0"},
        {25.0, 0.466308, 0.933423, "1.05 - 0.25 x 0.466308"},
        {30.0, 0.577350, 0.905662, "1.05 - 0.25 x 0.577350"},
        {45.0, 1.0, 0.8, "1.05 - 0.25"},
        {60.0, 1.732051, 0.616987, "1.05 - 0.25 x 1.732051"},
        {70.0, 1.732051, 0.616987, "taken as 60 degrees"},
        {-45.0, 1.0, 0.8, "a skew to the other side has the same magnitude"},
    };
    for (const Case& c : cases) {
        const double t = SkewTangent(c.degrees);
        EXPECT_NEAR(t, c.tanTheta, 1e-6) << c.degrees << " degrees";
        EXPECT_NEAR(BoxSkewMomentFactor(t), c.boxCFm, 1e-6) << c.derivation;
    }
}

TEST(SkewCorrection, IBeamAndBoxShearAtFortyDegrees) {
    // S = 8 ft, L = 100 ft, ts = 7.5 in, Kg = 500000 in^4, theta = 40 degrees (tan = 0.8391):
    // c1 = 0.25 (0.98765)^0.25 (0.08)^0.5 = 0.0705; CFm = 1 - 0.0705 x 0.8391^1.5 = 0.9458;
    // CFv = 1 + 0.2 (1 / 0.98765)^0.3 x 0.8391 = 1.1684.
    const double t = SkewTangent(40.0);
    const double c1 = IBeamSkewC1(5e5, 100.0, 7.5, 8.0);
    EXPECT_NEAR(c1, 0.0705, kTol);
    EXPECT_NEAR(IBeamSkewMomentFactor(c1, t), 0.9458, kTol);
    EXPECT_NEAR(IBeamSkewShearFactor(5e5, 100.0, 7.5, t), 1.1684, kTol);

    // Spread box, S = 9 ft, d = 48 in, L = 80 ft, 45 degrees: 1 + sqrt(80 x 48 / 12) / 54.
    EXPECT_NEAR(SpreadBoxSkewShearFactor(1.0, 80.0, 48.0, 9.0), 1.331269, 1e-6);
    // Adjacent box, d = 39 in, L = 95 ft, 45 degrees: 1 + 1140 / 3510 x 1.
    EXPECT_NEAR(AdjacentBoxSkewShearFactor(1.0, 95.0, 39.0), 1.324786, 1e-6);
}

TEST(SectionTypes, NamesAndPreliminaryK) {
    EXPECT_STREQ(LrfdSectionTypeName(kLrfdIBeamComposite, true), "LRFD(k) I-Beam comp");
    EXPECT_STREQ(LrfdSectionTypeName(kLrfdAdjacentBoxNonComposite, false),
                 "LRFD(g) Adj Box non-comp");
    EXPECT_STREQ(LrfdSectionTypeName(99, true), "LRFD(k) I-Beam comp");
    EXPECT_STREQ(LrfdSectionTypeName(-1, false), "LRFD(g) Adj Box non-comp - cellular");
    EXPECT_STREQ(LrfdUserFactorTypeName(99), "LRFD(k) I-Beam comp");

    // Table C4.6.2.2.1-1: box 1.0, channel 2.2, T-beam 2.0, circular voids 0.8, solid 0.7.
    const double expectedK[kLrfdSectionTypeCount] = {0, 0, 0, 1.0, 2.2, 2.2, 2.0, 0, 0.8, 0.7};
    for (int code = 0; code < kLrfdSectionTypeCount; ++code) {
        EXPECT_EQ(LrfdPreliminaryK(code), expectedK[code]) << "type " << code;
    }
    EXPECT_EQ(LrfdPreliminaryK(99), 1.0);
}

}  // namespace
}  // namespace kordel::test

// Flexural strength of the bare girder during handling, against hand calculations of the
// rectangular stress block.
#include "engine/checks/handling_strength.h"

#include <gtest/gtest.h>

#include <cmath>

#include "document/model_materials.h"

namespace kordel::test {
namespace {

// 0.5 in strands, f'c of the stage 5 ksi (alpha1 0.85, beta1 0.80), LRFD 6th edition
// (CL = 0.6, TL = 0.375), phi_f = 1.0, no girder bars.
HandlingSectionInput Section(double Aps, double dp, double b, double hf) {
    HandlingSectionInput in;
    in.Aps = Aps;
    in.dp = dp;
    in.fpu = 270;
    in.k = 0.28;
    in.fy = 60;
    in.fc = 5;
    in.alpha1 = 0.85;
    in.beta1 = 0.80;
    in.b = b;
    in.hf = hf;
    in.bw = 6;
    in.phiFlexure = 1.0;
    in.lrfd = true;
    in.edition = 2;
    in.CL = 0.6;
    in.TL = 0.375;
    return in;
}

TEST(HandlingSectionStrengthTest, RectangularStressBlockInTheFlange) {
    // Aps = 2 in2 at dp = 30 in, b = 40 in, hf = 8 in:
    // c = 540 / (0.28 x 2 x 270 / 30 + 0.85 x 5 x 0.8 x 40) = 540 / 141.04 = 3.8287 in,
    // a = 0.8 c = 3.0630 in < hf; fps = 270 (1 - 0.28 x 3.8287 / 30) = 260.352 ksi;
    // c / dp = 0.1276 < TL: phi = 1.0; phi Mn = 2 x 260.352 (30 - 1.5315) / 12 = 1235.30 k-ft;
    // MrCmp = (0.36 x 0.8 - 0.08 x 0.64) 5 x 40 x 30^2 / 12 = 0.2368 x 15000 = 3552 k-ft.
    const HandlingSectionStrength r = ComputeHandlingSectionStrength(Section(2, 30, 40, 8));
    EXPECT_NEAR(r.c, 3.82870, 1e-5);
    EXPECT_NEAR(r.a, 3.06296, 1e-5);
    EXPECT_NEAR(r.fps, 260.3517, 1e-4);
    EXPECT_EQ(r.phi, 1.0);
    EXPECT_NEAR(r.phiMn, 1235.304, 1e-3);
    EXPECT_NEAR(r.MrCmp, 3552.0, 1e-9);
    EXPECT_NEAR(r.Mr, r.phiMn, 1e-12);
    EXPECT_NEAR(r.de, 30.0, 1e-12) << "strands only: de = dp";
    EXPECT_NEAR(r.cde, 3.82870 / 30, 1e-6);
}

TEST(HandlingSectionStrengthTest, FlangedSectionAndItsResistanceFactor) {
    // Aps = 4 in2 at dp = 65 in under a 42 x 2 in flange on a 6 in web:
    // rectangular c = 1080 / (4.6523 + 142.8) = 7.3244 in, a = 5.8595 in > hf: flanged.
    // Flange overhangs 0.85 x 5 x 36 x 2 = 306 kip; c = (1080 - 306) / (4.6523 + 20.4) = 30.8954
    // in, a = 24.7163 in; fps = 270 (1 - 0.28 x 30.8954 / 65) = 234.066 ksi.
    // Net tensile strain et = 0.003 (65 / 30.8954 - 1) = 0.0033116, between 0.002 and 0.005:
    // phi = 0.75 + 0.25 (0.0033116 - 0.002) / 0.003 = 0.859302;
    // phi Mn = 0.859302 [306 (12.3581 - 1) + 4 x 234.066 (65 - 12.3581)] / 12 = 3778.23 k-ft;
    // MrCmp = [306 (65 - 1) + 0.2368 x 5 x 6 x 65^2] / 12 = 4133.2 k-ft: Mr = phi Mn.
    HandlingSectionInput in = Section(4, 65, 42, 2);
    HandlingSectionStrength r = ComputeHandlingSectionStrength(in);
    EXPECT_NEAR(r.c, 30.89536, 1e-5);
    EXPECT_NEAR(r.a, 24.71629, 1e-5);
    EXPECT_NEAR(r.fps, 234.0663, 1e-4);
    EXPECT_NEAR(r.phi, 0.859302, 1e-6);
    EXPECT_NEAR(r.phiMn, 3778.233, 1e-3);
    EXPECT_NEAR(r.MrCmp, 4133.2, 1e-9);
    EXPECT_NEAR(r.Mr, r.phiMn, 1e-12);

    // LRFD 5th edition: phi = 0.583 + 0.25 (65 / 30.8954 - 1) = 0.858969.
    in.edition = 1;
    EXPECT_NEAR(ComputeHandlingSectionStrength(in).phi, 0.858969, 1e-6);
    // Standard Specifications: phi_f = 1.0 and the maximum-reinforcement moment caps Mr:
    // phi Mn = 3778.232 / 0.859302 = 4396.84 > 4133.2.
    in.lrfd = false;
    r = ComputeHandlingSectionStrength(in);
    EXPECT_EQ(r.phi, 1.0);
    EXPECT_NEAR(r.phiMn, 3778.232 / 0.859302, 1e-2);
    EXPECT_NEAR(r.Mr, 4133.2, 1e-9);
}

TEST(HandlingSectionStrengthTest, ResistanceFactorAtTheStrainLimits) {
    // With no bars, c / dp sets phi. The flange width that puts c at ratio x dp in a rectangular
    // section (hf large): from c = T / (k T / dp + 3.4 b), b = T (1 / (ratio dp) - k / dp) / 3.4.
    // phi = 0.75 + 0.25 (et - 0.002) / 0.003 with et = 0.003 (1 / ratio - 1); halfway in c/dp
    // (0.4875) is et = 0.0031538, phi = 0.846154, below the 0.875 of a rule linear in c/dp.
    struct Case {
        const char* name;
        double ratio;  // c / dp
        double phi;
    };
    const Case cases[] = {
        {"compression-controlled, c/dp = CL", 0.6, 0.75},
        {"tension-controlled, c/dp = TL", 0.375, 1.0},
        {"transition halfway in c/dp", 0.4875, 0.846154},
    };
    for (const Case& c : cases) {
        const double T = 2 * 270.0;
        const double b = T * (1 / (c.ratio * 30) - 0.28 / 30) / 3.4;
        const HandlingSectionStrength r = ComputeHandlingSectionStrength(Section(2, 30, b, 99));
        EXPECT_NEAR(r.c / 30, c.ratio, 1e-12) << c.name;
        EXPECT_NEAR(r.phi, c.phi, 1e-6) << c.name;
    }
}

TEST(HandlingSectionStrengthTest, HoggingStationWithBarsAndNoStrandDepth) {
    // A station over an overhang: the bottom flange (26 in wide) in compression, 1.2 in2 of top
    // bars at ds = 68 in, and no developed strand (Aps = 0 with dp = 0): the strand term is
    // left out rather than divided by zero. c = 72 / (0.85 x 5 x 0.8 x 26) = 0.81448 in,
    // phi by ds: c / ds = 0.012 -> 1.0; fps = 0 (dp = 0); phi Mn = 72 (68 - 0.32579) / 12 =
    // 406.05 k-ft; MrCmp = 0 (dp = 0), so Mr = 0; de = ds.
    HandlingSectionInput in = Section(0, 0, 26, 6);
    in.As = 1.2;
    in.ds = 68;
    const HandlingSectionStrength r = ComputeHandlingSectionStrength(in);
    EXPECT_NEAR(r.c, 0.814480, 1e-6);
    EXPECT_EQ(r.fps, 0.0);
    EXPECT_EQ(r.phi, 1.0);
    EXPECT_NEAR(r.phiMn, 406.0457, 1e-3);
    EXPECT_EQ(r.Mr, 0.0);
    EXPECT_NEAR(r.de, 68.0, 1e-12);
    for (double v : {r.c, r.a, r.fps, r.phi, r.phiMn, r.Mr, r.de, r.cde}) {
        EXPECT_TRUE(std::isfinite(v));
    }

    // No steel at all: c = 0, phi Mn = 0, de = 0 and c / de = 0.
    const HandlingSectionStrength none = ComputeHandlingSectionStrength(Section(0, 0, 26, 6));
    EXPECT_EQ(none.c, 0.0);
    EXPECT_EQ(none.phiMn, 0.0);
    EXPECT_EQ(none.de, 0.0);
    EXPECT_EQ(none.cde, 0.0);
}

TEST(HandlingSectionStrengthTest, RatiosAndTheirSentinels) {
    struct Case {
        const char* name;
        double phiMn, Mu, expected;
    };
    const Case cases[] = {
        {"phi Mn / Mu of exactly 100 stays", 1000, 10, 100.0},
        {"above 100 is capped", 1000.1, 10, kHandlingRatioCap},
        {"a hogging Mu gives the magnitude", 500, -250, 2.0},
        {"Mu = 0 gives 0", 500, 0, 0.0},
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(HandlingPhiMnMuRatio(c.phiMn, c.Mu), c.expected) << c.name;
    }
    EXPECT_EQ(HandlingMrMcrRatio(100, 0), kHandlingRatioNoMcr);
    EXPECT_DOUBLE_EQ(HandlingMrMcrRatio(-300, 200), 1.5);
}

TEST(HandlingSectionStrengthTest, CrackingMomentByEdition) {
    // M = 1000 k-ft, fb = 1.5 ksi, fr = 0.5 ksi, Sb = 15000 in3:
    // editions 0 and 1: 1000 + (1.5 + 0.5) 15000 / 12 = 3500 k-ft;
    // later: 1.0 [1000 + (1.1 x 1.5 + 1.6 x 0.5) 15000 / 12] = 4062.5 k-ft, then x gamma3.
    EXPECT_DOUBLE_EQ(HandlingCrackingMoment(0, 1000, 1.5, 0.5, 15000, 1.6, 1.1, 1.0), 3500);
    EXPECT_DOUBLE_EQ(HandlingCrackingMoment(1, 1000, 1.5, 0.5, 15000, 1.6, 1.1, 1.0), 3500);
    EXPECT_DOUBLE_EQ(HandlingCrackingMoment(2, 1000, 1.5, 0.5, 15000, 1.6, 1.1, 1.0), 4062.5);
    EXPECT_DOUBLE_EQ(HandlingCrackingMoment(4, 1000, 1.5, 0.5, 15000, 1.6, 1.1, 0.67),
                     0.67 * 4062.5);
}

TEST(HandlingSectionStrengthTest, DevelopmentLengthAndFpsFactor) {
    // K = 1.6, fps = 270, fpe = 150, db = 0.5: 1.6 (270 - 100) 0.5 / 12 = 11.3333 ft.
    EXPECT_NEAR(StrandDevelopmentLength(1.6, 270, 150, 0.5), 11.333333, 1e-6);
    EXPECT_EQ(FpsFactorK(kStrandLowRelaxation), 0.28);
    EXPECT_EQ(FpsFactorK(kStrandStressRelieved), 0.38);
    // Mid-span estimate, Aps = 4 in2 at dp = 65 in, 42 x 2 in flange: rectangular c = 7.3244 in
    // > tf; the flange term of this estimate carries beta1: 36 x 0.85 x 0.8 x 5 x 2 = 244.8 kip,
    // c = (1080 - 244.8) / 25.0523 = 33.3383 in, fps = 270 (1 - 0.28 x 33.3383 / 65) = 231.2251
    // ksi; without strands fpu.
    EXPECT_NEAR(EstimateMidspanFps(4, 65, 270, 0.28, 5, 0.85, 0.8, 42, 2, 6), 231.2251, 1e-4);
    EXPECT_EQ(EstimateMidspanFps(0, 65, 270, 0.28, 5, 0.85, 0.8, 42, 2, 6), 270.0);
}

TEST(HandlingSectionStrengthTest, GirderBarsSplitAtMidHeight) {
    // Stations at x = 0, 10, ..., from the bearing, 0.5 ft end offset; rows: 4 #5 (0.31) at 3 in
    // from 0 to 60 ft, 2 #6 (0.44) at 36 in (the level: both sides) from 0 to 200 ft, 3 #4
    // (0.20) at 68 in from 20.5 to 40 ft (starts exactly at station 2, which it does not cross).
    double stationX[kStationCount] = {};
    for (int i = 0; i < kStationCount; ++i) stationX[i] = 10.0 * i;
    const double rows[][kRebarRowValueCount] = {
        {4, 5, 3, 0, 60, 0}, {2, 6, 36, 0, 200, 0}, {3, 4, 68, 20.5, 40, 0}};
    double barTable[kBarTableSlots][kBarTableValueCount] = {};
    barTable[4][kBarArea] = 0.20;
    barTable[5][kBarArea] = 0.31;
    barTable[6][kBarArea] = 0.44;
    double area[kStationCount][kGirderBarSideCount];
    double centroid[kStationCount][kGirderBarSideCount];
    GirderBarsBySide(rows, 3, barTable, stationX, 0.5, 36, area, centroid);
    // Station 1 (x = 10.5): below 1.24 + 0.88 = 2.12 in2 at (1.24 x 3 + 0.88 x 36) / 2.12 =
    // 16.698 in; above 0.88 in2 at 36 in.
    EXPECT_NEAR(area[1][kBarsAtOrBelow], 2.12, 1e-12);
    EXPECT_NEAR(centroid[1][kBarsAtOrBelow], (1.24 * 3 + 0.88 * 36) / 2.12, 1e-12);
    EXPECT_NEAR(area[1][kBarsAtOrAbove], 0.88, 1e-12);
    EXPECT_NEAR(centroid[1][kBarsAtOrAbove], 36, 1e-12);
    // Station 2 (x = 20.5): the top row starts there and is not counted.
    EXPECT_NEAR(area[2][kBarsAtOrAbove], 0.88, 1e-12);
    // Station 3 (x = 30.5): above 0.88 + 0.60 = 1.48 in2 at (0.88 x 36 + 0.6 x 68) / 1.48.
    EXPECT_NEAR(area[3][kBarsAtOrAbove], 1.48, 1e-12);
    EXPECT_NEAR(centroid[3][kBarsAtOrAbove], (0.88 * 36 + 0.6 * 68) / 1.48, 1e-12);
    // Station 20 (x = 200.5): no row; the centroid stays 0.
    EXPECT_EQ(area[20][kBarsAtOrBelow], 0.0);
    EXPECT_EQ(centroid[20][kBarsAtOrBelow], 0.0);
}

}  // namespace
}  // namespace kordel::test

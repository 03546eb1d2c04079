// Vertical shear: the flexural quantities behind dv, and the whole stage on the example designs
// against hand calculations at the critical section and at the quarter point.
#include "engine/checks/vertical_shear.h"

#include <cmath>
#include <string>
#include <utility>

#include "engine/checks/aashto_shear.h"
#include "test_support.h"

namespace kordel::test {
namespace {

TEST(ShearDepthFlexureTest, RectangularFlangedNegativeAndWithoutSteel) {
    // Common: fpu 270, fy 60, k 0.28, alpha1 0.85, f'c 4, beta1 0.85 (block 0.85 x 4 x 0.85 =
    // 2.89 kip/in2), bw 8 in, phi 1.0; strands Aps 2.0 in2 at dp 50 in (k Aps fpu / dp = 3.024).
    ShearDepthSection base;
    base.Aps = 2.0;
    base.dp = 50.0;
    base.fpu = 270.0;
    base.fy = 60.0;
    base.k = 0.28;
    base.alpha1 = 0.85;
    base.fc = 4.0;
    base.beta1 = 0.85;
    base.bw = 8.0;
    base.phiF = 1.0;

    struct Case {
        const char* what;
        ShearDepthSection s;
        double c, a, fps, Mr, de, arm;
    };
    ShearDepthSection rect = base;  // b 96 in, hf 8 in
    rect.b = 96.0;
    rect.hf = 8.0;
    ShearDepthSection flanged = rect;  // the same with a 1 in flange
    flanged.hf = 1.0;
    ShearDepthSection negative = base;  // deck bars 3.0 in2 at 60 in against a 26 x 6 in flange
    negative.positive = false;
    negative.Aps = 0.0;
    negative.As = 3.0;
    negative.ds = 60.0;
    negative.b = 26.0;
    negative.hf = 6.0;
    ShearDepthSection bare = rect;  // no steel at all
    bare.Aps = 0.0;

    const Case cases[] = {
        // c = 540 / (2.89 x 96 + 3.024) = 1.92538 in <= hf; a = 1.63657;
        // fps = 270 (1 - 0.28 x 1.92538 / 50) = 267.0888 ksi;
        // Mr = 2 x 267.0888 x (50 - 0.81829) / 12 = 2189.31 k-ft; arm = dp - a/2 = 49.1817 in.
        {"rectangular", rect, 1.925381, 1.636574, 267.0888, 2189.314, 50.0, 49.18171},
        // c > hf: flange force 2.89 x 88 x 1 = 254.32 kip;
        // c = (540 - 254.32) / (2.89 x 8 + 3.024) = 10.92717 in, a = 9.28810;
        // fps = 270 (1 - 0.28 x 10.92717 / 50) = 253.4781 ksi;
        // Mr = [2 x 253.4781 x (50 - 4.64405) + 254.32 x (4.64405 - 0.5)] / 12 = 2003.95 k-ft;
        // arm = 12 x 2003.95 / (2 x 253.4781) = 47.4349 in.
        {"flanged", flanged, 10.92717, 9.288097, 253.4781, 2003.950, 50.0, 47.43486},
        // c = 180 / (2.89 x 26) = 2.39553 in <= 6; a = 2.03620; Mr = 180 (60 - 1.01810) / 12 =
        // 884.729 k-ft; de = ds; arm = ds - a/2 = 58.9819 in; fps not formed.
        {"negative moment", negative, 2.395528, 2.036199, 0.0, 884.7285, 60.0, 58.98190},
        // No tension force: the lever arm and de are undefined and reported as 0, so that dv
        // comes from 0.72 h.
        {"no steel", bare, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    };
    for (const Case& c : cases) {
        const ShearDepthFlexure f = ComputeShearDepthFlexure(c.s);
        EXPECT_NEAR(f.c, c.c, 1e-5) << c.what;
        EXPECT_NEAR(f.a, c.a, 1e-5) << c.what;
        EXPECT_NEAR(f.fps, c.fps, 1e-4) << c.what;
        EXPECT_NEAR(f.Mr, c.Mr, 1e-3) << c.what;
        EXPECT_NEAR(f.de, c.de, 1e-9) << c.what;
        EXPECT_NEAR(f.arm, c.arm, 1e-5) << c.what;
    }
}

// Example design 1 (simple-span composite I-girder, LRFD, f'c 6 ksi, deck f'c 4 ksi, hc 80 in,
// bw = bv = 6 in, phi_v 0.9, fy of the stirrups 60 ksi) analysed with one shear method.
class VerticalShearExample1 : public EngineTest {
  protected:
    static constexpr int kCritical = kStationLeftCritical;  // 5.3 ft from the bearing
    static constexpr int kQuarter = 25;                     // 26.25 ft

    void Analyse(int method, int appendixB5 = 0) {
        doc = NewDoc();
        ASSERT_TRUE(doc->BuildExampleDesign(1));
        doc->m_nShearMethod = method;
        doc->m_bShearAppendixB5 = appendixB5;
        doc->RunAnalysis();
    }

    // The results of the earlier stages that the hand calculations below start from; a change
    // there means the hand calculation must be redone, not that shear is wrong.
    void ExpectInputs() {
        const CKordelDoc& d = *doc;
        const char* why = "an input of the shear hand calculation changed upstream";
        EXPECT_NEAR(d.m_adVu[kCritical], 296.874, 0.01) << why;
        EXPECT_NEAR(d.m_adMu[kCritical], 1481.02, 0.05) << why;
        EXPECT_NEAR(d.m_adVu[kQuarter], 196.063, 0.01) << why;
        EXPECT_NEAR(d.m_adMu[kQuarter], 5731.26, 0.05) << why;
        EXPECT_NEAR(d.m_adEffectivePrestress[kQuarter], 861.091, 0.01) << why;
    }

    std::unique_ptr<CKordelDoc> doc;
};

TEST_F(VerticalShearExample1, CommonPreparation) {
    Analyse(kShearLrfdSectional);
    const CKordelDoc& d = *doc;
    // Strand slope atan(((cg_end - cg_mid) / 12) / (drape x L + e)) = 0.7555 degrees; outside
    // the hold-down points Vp = P sin(slope) = 861.091 x 0.013185 = 11.353 kip at the quarter
    // point; between them, both hold-down stations included, Vp = 0 exactly.
    EXPECT_NEAR(d.m_dStrandSlopeAngle, 0.7555, 1e-3);
    EXPECT_NEAR(d.m_adShearVp[kQuarter], 11.353, 0.005);
    EXPECT_EQ(d.m_adShearVp[kStationLeftDrape], 0.0);
    EXPECT_EQ(d.m_adShearVp[kStationRightDrape], 0.0);
    EXPECT_EQ(d.m_adShearVp[kStationMidspan], 0.0);
    // Stations 45 and 55 stand on the hold-down points too, station 55 at 0.55 x 105 =
    // 57.750000000000007 ft against 105 - 47.25 = 57.75 ft.
    EXPECT_EQ(d.m_adShearVp[45], 0.0);
    EXPECT_EQ(d.m_adShearVp[55], 0.0);
    // Pretensioning only: bv = bw.
    EXPECT_EQ(d.m_adShearBv[kQuarter], d.m_adWebWidthAtStation[kQuarter]);
    // dv never below 0.72 hc = 57.6 in.
    for (int s = 0; s < kStationCount; ++s) EXPECT_GE(d.m_adShearDv[s], 57.6) << s;
}

TEST_F(VerticalShearExample1, SectionalModelByFormula) {
    Analyse(kShearLrfdSectional);
    ExpectInputs();
    const CKordelDoc& d = *doc;

    // Critical section (station 103): Aps = 4.1515 in2 developed at cg 10.86 in, dp = 69.14 in;
    // deck f'c 4, b = 108 in, hf = 8 in, beta1 = alpha1 = 0.85:
    // c = 4.1515 x 270 / (2.89 x 108 + 0.28 x 4.1515 x 270 / 69.14) = 3.5398 in; a = 3.0088;
    // fps = 266.13 ksi; Mr = 4.1515 x 266.13 x (69.14 - 1.5044) / 12 = 6227.2 k-ft;
    // dv = 12 Mr / (Aps fps) = 67.636 in (0.9 de = 62.2, 0.72 hc = 57.6).
    // v = (296.874 - 0.9 x 11.353) / (0.9 x 6 x 67.636) = 0.7849 ksi.
    // es: M = max(12 x 1481.0, (296.874 - 11.353) x 67.636) = 19311 k-in, so
    // M / dv + |Vu - Vp| - Aps fpo = 285.5 + 285.5 - 5.508 x 202.5 < 0: es = 0, theta 29, beta 4.8.
    // Vc = 0.0316 x 4.8 x sqrt(6) x 6 x 67.636 = 150.78 kip.
    // Vs = 296.874 / 0.9 - 150.78 - 11.353 = 167.73 kip.
    // Av,req = 12 x 167.73 x tan 29 / (60 x 67.636) = 0.2749 in2/ft.
    // Vs,prov = 0.40 x 60 x 67.636 / (12 tan 29) = 244.04 kip (below Vu / phi = 329.86).
    // Vr = 150.78 + 244.04 + 11.353 = 406.16 kip; Vr,max = 0.25 x 6 x 6 x 67.636 + 11.353 = 620.07.
    // Spacing: v >= 0.125 f'c = 0.75 ksi, so 0.4 dv = 27.1 -> 12 in.
    const int c = kCritical;
    EXPECT_NEAR(d.m_adShearDv[c], 67.636, 0.01);
    EXPECT_NEAR(d.m_adShearStress[c], 0.7849, 0.0005);
    EXPECT_DOUBLE_EQ(d.m_adShearTheta[c], 29.0);
    EXPECT_DOUBLE_EQ(d.m_adShearBeta[c], 4.8);
    EXPECT_NEAR(d.m_adShearVc[c], 150.78, 0.05);
    EXPECT_NEAR(d.m_adShearVs[c], 167.73, 0.05);
    EXPECT_NEAR(d.m_adShearAvRequired[c], 0.2749, 0.0005);
    EXPECT_NEAR(d.m_adShearVsProvided[c], 244.04, 0.05);
    EXPECT_NEAR(d.m_adShearVr[c], 406.16, 0.1);
    EXPECT_NEAR(d.m_adShearVrMax[c], 620.07, 0.1);
    EXPECT_EQ(d.m_adShearMaxSpacing[c], 12.0);

    // Quarter point (station 25): Aps = 5.508 in2, dp = 72.455 in, dv = 70.467 in.
    // es = (12 x 5731.26 / 70.467 + 184.71 - 5.508 x 202.5) / (28500 x 5.508)
    //    = (976.0 + 184.7 - 1115.4) / 156978 = 2.888e-4;
    // beta = 4.8 / (1 + 750 x 2.888e-4) = 3.9454; theta = 29 + 3500 x 2.888e-4 = 30.011.
    // Vc = 0.0316 x 3.9454 x 2.44949 x 6 x 70.467 = 129.12 kip.
    // Vs = 196.063 / 0.9 - 129.12 - 11.353 = 77.38 kip; Av,req = 12 x 77.38 tan 30.011 /
    // (60 x 70.467) = 0.1269 in2/ft; Vs,prov = 0.27 x 60 x 70.467 / (12 tan 30.011) = 164.70;
    // Vr = 129.12 + 164.70 + 11.353 = 305.17 kip. v = 0.488 < 0.75: spacing 0.8 dv -> 24 in.
    const int q = kQuarter;
    EXPECT_NEAR(d.m_adShearDv[q], 70.467, 0.01);
    EXPECT_NEAR(d.m_adShearEs[q], 2.888e-4, 0.002e-4);
    EXPECT_NEAR(d.m_adShearBeta[q], 3.9454, 0.0005);
    EXPECT_NEAR(d.m_adShearTheta[q], 30.011, 0.001);
    EXPECT_NEAR(d.m_adShearVc[q], 129.12, 0.05);
    EXPECT_NEAR(d.m_adShearVs[q], 77.38, 0.05);
    EXPECT_NEAR(d.m_adShearAvRequired[q], 0.1269, 0.0005);
    EXPECT_NEAR(d.m_adShearVsProvided[q], 164.70, 0.05);
    EXPECT_NEAR(d.m_adShearVr[q], 305.17, 0.1);
    EXPECT_EQ(d.m_adShearMaxSpacing[q], 24.0);
    // Av,min = 12 x 0.0316 x sqrt(6) x 6 / 60 = 0.09288 in2/ft; the design area is the larger.
    EXPECT_NEAR(d.m_adShearAvMin[q], 0.09288, 0.00001);
    EXPECT_DOUBLE_EQ(d.m_adShearAvDesign[q], d.m_adShearAvRequired[q]);
}

TEST_F(VerticalShearExample1, SectionalModelByAppendixB5) {
    Analyse(kShearLrfdSectional, 1);
    ExpectInputs();
    const CKordelDoc& d = *doc;
    // Quarter point: v/f'c = 0.0814, dv = 70.467 in. At theta = 25.36 (cot 2.1117):
    // ex = (976.0 + 0.5 x 184.71 x 2.1117 - 1115.4) / (2 x 156978) = 1.77e-4.
    // Table: 1000 ex = 0.175 lies between columns 0.125 and 0.25 (fraction 0.40), v/f'c between
    // rows 0.075 and 0.100 (fraction 0.256): row 0.075 24.3 + 0.40 x 2.3 = 25.21, row 0.100
    // 24.9 + 0.40 x 2.2 = 25.77, theta = 25.21 + 0.256 x 0.56 = 25.36 degrees; beta likewise
    // 3.24 - 0.40 x 0.30 = 3.12 and 2.91 - 0.40 x 0.16 = 2.846, beta = 3.12 - 0.256 x 0.274 = 3.05.
    // Vc = 0.0316 x 3.05 x 2.44949 x 6 x 70.467 = 99.8 kip.
    const int q = kQuarter;
    EXPECT_NEAR(d.m_adShearEx[q], 1.77e-4, 0.05e-4);
    EXPECT_NEAR(d.m_adShearTheta[q], 25.36, 0.05);
    EXPECT_NEAR(d.m_adShearBeta[q], 3.05, 0.01);
    EXPECT_NEAR(d.m_adShearVc[q], 99.8, 0.3);
    // The iteration stopped on a repeat: theta is the table value at the stored ex.
    const double tableTheta = doc->LookupShearTheta(
        d.m_adShearEx[q], d.m_adShearStressRatio[q], shear::kStrainAxis, shear::kStressAxis,
        shear::FindLastBelow(shear::kStrainAxis, 1000 * d.m_adShearEx[q], 10),
        shear::FindFirstNotBelow(shear::kStrainAxis, 1000 * d.m_adShearEx[q], 10),
        shear::FindLastBelow(shear::kStressAxis, d.m_adShearStressRatio[q], 7),
        shear::FindFirstNotBelow(shear::kStressAxis, d.m_adShearStressRatio[q], 7));
    EXPECT_NEAR(d.m_adShearTheta[q], tableTheta, 1e-9);
    // Vs = 217.85 - 99.8 - 11.35 = 106.7 kip; Vr = Vc + Vs,prov + Vp with
    // Vs,prov = 0.27 x 60 x 70.467 / (12 tan 25.36) = 200.7 kip.
    EXPECT_NEAR(d.m_adShearVs[q], 106.7, 0.3);
    EXPECT_NEAR(d.m_adShearVsProvided[q], 200.7, 0.3);
    EXPECT_NEAR(d.m_adShearVr[q], 99.8 + 200.7 + 11.35, 0.5);
}

TEST_F(VerticalShearExample1, SimplifiedProcedureCountsVpOnce) {
    Analyse(kShearLrfdSimplified);
    ExpectInputs();
    const CKordelDoc& d = *doc;

    // Critical section: Vd = 97.277 kip, Vi = 296.874 - 97.277 = 199.597 kip, Md = 544.515,
    // Mmax = 1481.02 - 544.515 = 936.51 k-ft.
    // Mcre = (0.20 sqrt 6 + fcpe 2.60871 - 0.36114) x Sbc 20190.55 / 12 = 4605.9 k-ft.
    // Vci = 0.02 x 2.44949 x 6 x 67.636 + 97.277 + 199.597 x 4605.9 / 936.51 = 1098.8 kip.
    // fpc at the composite centroid: S = I / (ybc - yb) = 545894 / (55.477 - 36.6) = 28919 in3,
    // fpc = 861.091 / 767 - 861.091 x 25.74 / 28919 + 12 x 448.873 / 28919 = 0.5425 ksi.
    // Vcw = (0.06 x 2.44949 + 0.3 x 0.5425) x 6 x 67.636 + 11.353 = 137.04 kip = Vc.
    // Vs = 329.86 - 137.04 = 192.82 kip (Vp is in Vcw).
    // Vcw < Vci: cot theta = 1 + 3 x 0.5425 / 2.44949 = 1.6644, theta = 31.00 degrees;
    // Vs,prov = 1.6644 x 0.40 x 60 x 67.636 / 12 = 225.15 kip.
    // Vr = Vc + Vs,prov = 362.19 kip, no second Vp; Vr,max = 0.25 x 6 x 6 x 67.636 = 608.72 kip.
    // Av,req = 12 x 192.82 x tan 31.00 / (60 x 67.636) = 0.3426 in2/ft.
    const int c = kCritical;
    EXPECT_NEAR(d.m_adShearVd[c], 97.277, 0.01);
    EXPECT_NEAR(d.m_adShearMcr[c], 4605.9, 0.5);
    EXPECT_NEAR(d.m_adShearVci[c], 1098.8, 0.3);
    EXPECT_NEAR(d.m_adShearFpc[c], 0.5425, 0.0002);
    EXPECT_NEAR(d.m_adShearFpcModulus[c], 28919.0, 1.0);
    EXPECT_NEAR(d.m_adShearVcw[c], 137.04, 0.05);
    EXPECT_DOUBLE_EQ(d.m_adShearVc[c], d.m_adShearVcw[c]);
    EXPECT_NEAR(d.m_adShearVs[c], 192.82, 0.05);
    EXPECT_NEAR(d.m_adShearTheta[c], 31.00, 0.01);
    EXPECT_NEAR(d.m_adShearVsProvided[c], 225.15, 0.05);
    EXPECT_NEAR(d.m_adShearVr[c], 362.19, 0.1);
    EXPECT_NEAR(d.m_adShearVrMax[c], 608.72, 0.05);
    EXPECT_NEAR(d.m_adShearAvRequired[c], 0.3426, 0.0005);

    // Quarter point: Vd = 54.100, Vi = 141.963, Mmax = 5731.26 - 2130.19 = 3601.07 k-ft;
    // Mcre = (0.489898 + 2.80009 - 1.41282) x 20190.55 / 12 = 3158.4 k-ft;
    // Vci = 0.02 x 2.44949 x 6 x 70.467 + 54.100 + 141.963 x 3158.4 / 3601.07 = 199.33 kip;
    // fpc = 1.12268 - 861.091 x 29.0549 / 28919 + 12 x 1756.03 / 28919 = 0.9862 ksi;
    // Vcw = (0.146969 + 0.29586) x 6 x 70.467 + 11.353 = 198.58 kip = Vc (just below Vci).
    // Vs = 217.85 - 198.58 = 19.27 kip. cot theta = 1 + 3 x 0.9862 / 2.44949 = 2.208 -> 1.8,
    // theta = atan(1 / 1.8) = 29.05 degrees; Vs,prov = 1.8 x 0.27 x 60 x 70.467 / 12 = 171.23.
    // Vr = 198.58 + 171.23 = 369.82 kip.
    const int q = kQuarter;
    EXPECT_NEAR(d.m_adShearMcr[q], 3158.4, 0.5);
    EXPECT_NEAR(d.m_adShearVci[q], 199.33, 0.05);
    EXPECT_NEAR(d.m_adShearVcw[q], 198.58, 0.05);
    EXPECT_NEAR(d.m_adShearVc[q], 198.58, 0.05);
    EXPECT_NEAR(d.m_adShearVs[q], 19.27, 0.05);
    EXPECT_NEAR(d.m_adShearTheta[q], 29.0546, 0.001);
    EXPECT_NEAR(d.m_adShearVsProvided[q], 171.23, 0.05);
    EXPECT_NEAR(d.m_adShearVr[q], 369.82, 0.1);

    // Mid-span: Vci (65.07) below Vcw, so theta 45 and Vs,prov = Av fy dv / 12.
    const int m = kStationMidspan;
    EXPECT_LT(d.m_adShearVci[m], d.m_adShearVcw[m]);
    EXPECT_DOUBLE_EQ(d.m_adShearTheta[m], 45.0);
    EXPECT_NEAR(d.m_adShearVsProvided[m],
                std::min(d.m_adAvProvided[m] * 60.0 * d.m_adShearDv[m] / 12.0, d.m_adVu[m] / 0.9),
                1e-9);
}

TEST_F(VerticalShearExample1, StandardSpecificationsVciVcw) {
    Analyse(kShearStandardVciVcw);
    ExpectInputs();
    const CKordelDoc& d = *doc;
    // Critical section: d = max(dp 69.14, 0.8 x 80 = 64) = 69.14 in; sqrt(6000) / 1000 = 0.077460.
    // Mcr = (6 x 0.077460 + 2.60871 - 0.41799) x 20190.55 / 12 = 4467.98 k-ft.
    // Vci = 0.6 x 0.077460 x 6 x 69.14 + 97.277 + 199.597 x 4467.98 / 936.51 = 1068.8 kip.
    // Vcw = (3.5 x 0.077460 + 0.3 x 0.5425) x 6 x 69.14 + 11.353 = 191.34 kip = Vc.
    // Vs = 329.86 - 191.34 = 138.52 kip; Av,req = 12 x 138.52 / (60 x 69.14) = 0.4007 in2/ft;
    // Av,min = 50 x 6 x 12 / (60 x 1000) = 0.060 in2/ft.
    // Vs,prov = 0.40 x 60 x 69.14 / 12 = 138.28 kip; Vr = 191.34 + 138.28 = 329.62 kip.
    // Vs,max = 8 x 0.077460 x 6 x 69.14 = 257.06 kip, Vr,max = 191.34 + 257.06 = 448.40 kip;
    // 4 sqrt(f'c) b' d = 128.53 < Vs: spacing min(0.75 x 80, 24) / 2 = 12 in.
    const int c = kCritical;
    EXPECT_NEAR(d.m_adShearD[c], 69.14, 0.005);
    EXPECT_NEAR(d.m_adShearMcr[c], 4467.98, 0.5);
    EXPECT_NEAR(d.m_adShearVci[c], 1068.8, 0.3);
    EXPECT_NEAR(d.m_adShearVcw[c], 191.34, 0.05);
    EXPECT_NEAR(d.m_adShearVc[c], 191.34, 0.05);
    EXPECT_NEAR(d.m_adShearVs[c], 138.52, 0.05);
    EXPECT_NEAR(d.m_adShearAvRequired[c], 0.4007, 0.0005);
    EXPECT_NEAR(d.m_adShearAvMin[c], 0.060, 1e-9);
    EXPECT_NEAR(d.m_adShearVsProvided[c], 138.28, 0.05);
    EXPECT_NEAR(d.m_adShearVr[c], 329.62, 0.1);
    EXPECT_NEAR(d.m_adShearVrMax[c], 448.40, 0.1);
    EXPECT_EQ(d.m_adShearMaxSpacing[c], 12.0);

    // Quarter point: d = 72.455 in; Mcr = (0.464758 + 2.80009 - 1.63520) x 1682.546 = 2741.97;
    // Vci = 0.6 x 0.077460 x 6 x 72.455 + 54.100 + 141.963 x 2741.97 / 3601.07 = 182.40 kip = Vc
    // (Vcw = (0.271109 + 0.29586) x 434.73 + 11.353 = 257.83). Vs = 217.85 - 182.40 = 35.45;
    // Av,req = 12 x 35.45 / (60 x 72.455) = 0.0979; Vs,prov = 0.27 x 60 x 72.455 / 12 = 97.81;
    // Vr = 280.21 kip. Vs below 4 sqrt(f'c) b' d = 134.7: spacing 24 in.
    const int q = kQuarter;
    EXPECT_NEAR(d.m_adShearVci[q], 182.40, 0.05);
    EXPECT_NEAR(d.m_adShearVcw[q], 257.83, 0.05);
    EXPECT_NEAR(d.m_adShearVs[q], 35.45, 0.05);
    EXPECT_NEAR(d.m_adShearAvRequired[q], 0.0979, 0.0005);
    EXPECT_NEAR(d.m_adShearVsProvided[q], 97.81, 0.05);
    EXPECT_NEAR(d.m_adShearVr[q], 280.21, 0.1);
    EXPECT_EQ(d.m_adShearMaxSpacing[q], 24.0);
}

TEST_F(VerticalShearExample1, LongitudinalDemandAtTheBearingFaces) {
    Analyse(kShearLrfdSectional);
    const CKordelDoc& d = *doc;
    // A simple span has no moment at the bearing: the face takes the critical section's
    // (Vu / phi - 0.5 Vs - Vp) cot theta = (329.86 - 83.87 - 11.35) x cot 29 = 423.3 kip with the
    // required Vs and (329.86 - 122.02 - 11.35) x 1.8040 = 354.5 kip with the provided.
    EXPECT_NEAR(d.m_adLongReqVsMin[kStationLeftBearingFace], 423.3, 0.3);
    EXPECT_NEAR(d.m_adLongReqVsProvided[kStationLeftBearingFace], 354.5, 0.3);
    // Elsewhere the moment term counts: 12 Mu / (phi dv) alone at the quarter point is
    // 12 x 5731.26 / 70.467 = 976.0 kip, and the capacity is Aps fps + As fy.
    EXPECT_GT(d.m_adLongReqVsMin[kQuarter], 976.0);
    EXPECT_NEAR(d.m_adLongReinfProvided[kQuarter],
                d.m_adShearApsAnchored[kQuarter] * d.m_adShearFps[kQuarter], 1e-9);
    // The crack from the left bearing face runs at theta of the face past the strand centroid;
    // it lies beyond the face and the force there is a part of the developed force.
    const float* end = d.m_anLongReinfEnd;
    EXPECT_GT(end[kLongEndLeftX], d.m_adStationX[kStationLeftBearingFace]);
    EXPECT_GT(end[kLongEndLeftForce], 0.0f);
    EXPECT_LT(end[kLongEndRightX], d.m_adStationX[kStationRightBearingFace]);
}

TEST_F(VerticalShearExample1, StrainCompatibilityLeverArmGivesDv) {
    doc = NewDoc();
    ASSERT_TRUE(doc->BuildExampleDesign(1));
    doc->m_bStrainCompatibility = 1;
    doc->m_nShearMethod = kShearLrfdSectional;
    doc->RunAnalysis();
    const CKordelDoc& d = *doc;
    // Where the force balance converged, dv is its lever arm between the resultants, unless
    // 0.9 de or 0.72 hc is larger.
    int solved = 0;
    for (int s : {kCritical, kQuarter, int(kStationMidspan)}) {
        const StrainCompatResult& r = d.m_aStrainCompat[s];
        if (r.m_anConverged[kFlexurePositive] != 1) continue;
        ++solved;
        const double expected = std::max({r.m_adLeverArm[kFlexurePositive], 0.9 * d.m_adShearDe[s],
                                          0.72 * d.m_dCompositeHeight});
        EXPECT_DOUBLE_EQ(d.m_adShearDv[s], expected) << s;
    }
    EXPECT_GT(solved, 0);
}

// Every shear result of every method is a finite number, also for inputs that leave a
// division open: no stirrup strength, no resistance factor, no stirrup zones.
class VerticalShearFinite : public EngineTest {};

TEST_F(VerticalShearFinite, NoNaNOrInfinityInAnyResult) {
    struct Variant {
        const char* what;
        void (*apply)(CKordelDoc&);
    };
    const Variant variants[] = {
        {"as built", [](CKordelDoc&) {}},
        {"stirrup fy 0", [](CKordelDoc& d) { d.m_dStirrupFy = 0; }},
        {"phi for shear 0", [](CKordelDoc& d) { d.m_dPhiShear = 0; }},
        {"no stirrup zones", [](CKordelDoc& d) { d.m_nStirrupZoneCount = 0; }},
        {"dv by all steel", [](CKordelDoc& d) { d.m_bDvAllSteel = 1; }},
    };
    for (int example = 1; example <= 4; ++example) {
        for (int method = 1; method <= 3; ++method) {
            for (int b5 = 0; b5 <= 1; ++b5) {
                for (const Variant& v : variants) {
                    auto doc = NewDoc();
                    ASSERT_TRUE(doc->BuildExampleDesign(example));
                    doc->m_nShearMethod = method;
                    doc->m_bShearAppendixB5 = b5;
                    v.apply(*doc);
                    doc->RunAnalysis();
                    const CKordelDoc& d = *doc;
                    const double* arrays[] = {
                        d.m_adShearBv,           d.m_adShearVp,         d.m_adAvProvided,
                        d.m_adShearDv,           d.m_adShearDe,         d.m_adShearStress,
                        d.m_adShearTheta,        d.m_adShearBeta,       d.m_adShearEs,
                        d.m_adShearEx,           d.m_adShearVc,         d.m_adShearVci,
                        d.m_adShearVcw,          d.m_adShearFpc,        d.m_adShearVs,
                        d.m_adShearVsProvided,   d.m_adShearAvRequired, d.m_adShearAvMin,
                        d.m_adShearAvDesign,     d.m_adShearVr,         d.m_adShearVrMax,
                        d.m_adShearMaxSpacing,   d.m_adLongReqVsMin,    d.m_adLongReqVsProvided,
                        d.m_adLongReinfProvided, d.m_adShearMcr,        d.m_adShearD,
                        d.m_adShearMr,           d.m_adShearFps};
                    int bad = 0;
                    for (const double* a : arrays) {
                        for (int s = 0; s < kStationCount; ++s) bad += std::isfinite(a[s]) ? 0 : 1;
                    }
                    for (float f : d.m_anLongReinfEnd) bad += std::isfinite(f) ? 0 : 1;
                    EXPECT_EQ(bad, 0) << "example " << example << ", method " << method
                                      << ", Appendix B5 " << b5 << ", " << v.what;
                }
            }
        }
    }
}

// Example 3: three continuous spans; the Standard Specifications with "Evaluate Vc between
// quarter-pts as reinforced" take 2 sqrt(f'c) b' d near the interior supports.
class VerticalShearContinuous : public EngineTest {};

TEST_F(VerticalShearContinuous, QuarterPointsOfTheMiddleSpan) {
    auto doc = NewDoc();
    ASSERT_TRUE(doc->BuildExampleDesign(3));
    ASSERT_EQ(doc->m_nSpans, 3);
    doc->m_nCurrentSpan = 2;
    doc->m_nShearMethod = kShearStandardVciVcw;
    doc->m_bVcQuarterPtsReinforced = 1;
    doc->RunAnalysis();
    const CKordelDoc& d = *doc;
    ASSERT_EQ(static_cast<int>(d.m_saShearGoverningCase.size()), kStationCount);

    // q1 = 0.25 Ls - girder offset - e, q3 = 0.5 Ls + q1 (x from the left bearing).
    const double Ls = d.m_adSpanLength[2];
    const double q1 = 0.25 * Ls - d.m_adGirderOffsetLeft[2] - d.m_dEndDistance;
    const double q3 = 0.5 * Ls + q1;
    const double root = std::sqrt(1000.0 * d.m_dBeamFc) / 1000.0;
    int near = 0;
    for (int s = 0; s < kHundredthStations; ++s) {
        const double x = d.m_adStationX[s];
        const bool nearSupport = x <= q1 || x >= q3;
        near += nearSupport ? 1 : 0;
        EXPECT_EQ(d.m_saShearGoverningCase[s], nearSupport ? "  2sqrt" : "Vci/Vcw") << s;
        if (nearSupport) {
            EXPECT_NEAR(d.m_adShearVc[s], 2.0 * root * d.m_adShearBv[s] * d.m_adShearD[s], 1e-9)
                << s;
        } else {
            EXPECT_DOUBLE_EQ(d.m_adShearVc[s], std::min(d.m_adShearVci[s], d.m_adShearVcw[s])) << s;
        }
    }
    // About half of the span lies outside its quarter points.
    EXPECT_GT(near, 40);
    EXPECT_LT(near, 60);
}

TEST_F(VerticalShearContinuous, NegativeMomentCrackingMomentOfTheSimplifiedProcedure) {
    auto doc = NewDoc();
    ASSERT_TRUE(doc->BuildExampleDesign(3));
    doc->m_nCurrentSpan = 2;
    doc->m_nShearMethod = kShearLrfdSimplified;
    doc->RunAnalysis();
    const CKordelDoc& d = *doc;
    // Where the design moment is negative, Mcr is the smallest cracking moment of the deck top
    // and the girder top, stored negative; Vci then uses |Mcr / Mmax| and keeps its lower bound
    // 0.06 sqrt(f'c) bv dv.
    int negative = 0;
    for (int s = 0; s < kHundredthStations; ++s) {
        if (d.m_adMu[s] > -0.1) continue;
        ++negative;
        EXPECT_LE(d.m_adShearMcr[s], 0.0) << s;
        const double floor = 0.06 * std::sqrt(d.m_dBeamFc) * d.m_adShearBv[s] * d.m_adShearDv[s];
        EXPECT_GE(d.m_adShearVci[s], floor - 1e-9) << s;
    }
    EXPECT_GT(negative, 0);
}

// A girder symmetric about mid-span in its section, strands, stirrups, supports and loads has
// symmetric shear results: every per-station result at station i equals the one at station
// 100 - i, and each special station the one of its mirror image (bearing faces, transfer points,
// critical sections, drape points, lifting and shipping supports), for every shear method.
// Examples 1 (draped strands) and 2 (straight strands, diaphragms at the quarter points and at
// mid-span) are symmetric; example 3 is the end span of a chain and example 4 is stressed from
// one end. Stations at mid-span are their own mirror image: there the mid-span diaphragm makes
// the shear two-valued, and both drape stations of a straight pattern stand there.
class VerticalShearSymmetry : public EngineTest {};

TEST_F(VerticalShearSymmetry, SymmetricExamplesGiveSymmetricResults) {
    auto mirror = [](int s) {
        constexpr std::pair<int, int> pairs[] = {
            {kStationLeftBearingFace, kStationRightBearingFace},
            {kStationLeftTransfer, kStationRightTransfer},
            {kStationLeftCritical, kStationRightCritical},
            {kStationLeftDrape, kStationRightDrape},
            {kStationLeftLift, kStationRightLift},
            {kStationLeftShip, kStationRightShip}};
        if (s <= kStationRightBearing) return kStationRightBearing - s;
        for (auto [left, right] : pairs) {
            if (s == left) return right;
            if (s == right) return left;
        }
        return -1;  // the fixed stations near the left bearing
    };
    for (int example : {1, 2}) {
        for (int method = 1; method <= 3; ++method) {
            for (int b5 = 0; b5 <= 1; ++b5) {
                SCOPED_TRACE(testing::Message() << "example " << example << ", method " << method
                                                << ", Appendix B5 " << b5);
                auto doc = NewDoc();
                ASSERT_TRUE(doc->BuildExampleDesign(example));
                doc->m_nShearMethod = method;
                doc->m_bShearAppendixB5 = b5;
                doc->RunAnalysis();
                const CKordelDoc& d = *doc;
                const double L = d.m_dDesignSpan;  // ft
                struct Array {
                    const char* name;
                    const double* values;
                } const arrays[] = {
                    {"Vu", d.m_adVu},
                    {"Mu", d.m_adMu},
                    {"bv", d.m_adShearBv},
                    {"Vp", d.m_adShearVp},
                    {"Av provided", d.m_adAvProvided},
                    {"Ac", d.m_adShearAc},
                    {"Aps anchored", d.m_adShearApsAnchored},
                    {"strand cg", d.m_adShearStrandCg},
                    {"Aps tension", d.m_adShearApsTension},
                    {"Aps tension cg", d.m_adShearApsTensionCg},
                    {"Aps all", d.m_adShearApsAll},
                    {"strand cg all", d.m_adShearStrandCgAll},
                    {"dp", d.m_adShearDp},
                    {"dp all", d.m_adShearDpAll},
                    {"As", d.m_adShearAs},
                    {"ds", d.m_adShearDs},
                    {"c", d.m_adShearC},
                    {"a", d.m_adShearA},
                    {"fps", d.m_adShearFps},
                    {"Mr", d.m_adShearMr},
                    {"de", d.m_adShearDe},
                    {"dv", d.m_adShearDv},
                    {"v", d.m_adShearStress},
                    {"v/f'c", d.m_adShearStressRatio},
                    {"es", d.m_adShearEs},
                    {"ex", d.m_adShearEx},
                    {"theta", d.m_adShearTheta},
                    {"beta", d.m_adShearBeta},
                    {"Vc", d.m_adShearVc},
                    {"Vd", d.m_adShearVd},
                    {"Vi", d.m_adShearVi},
                    {"Md", d.m_adShearMd},
                    {"Mmax", d.m_adShearMmax},
                    {"Mcr", d.m_adShearMcr},
                    {"d", d.m_adShearD},
                    {"fpc", d.m_adShearFpc},
                    {"Vci", d.m_adShearVci},
                    {"Vcw", d.m_adShearVcw},
                    {"Vs", d.m_adShearVs},
                    {"Vs provided", d.m_adShearVsProvided},
                    {"Vs max", d.m_adShearVsMax},
                    {"Av required", d.m_adShearAvRequired},
                    {"Av min", d.m_adShearAvMin},
                    {"Av design", d.m_adShearAvDesign},
                    {"Vr", d.m_adShearVr},
                    {"Vr max", d.m_adShearVrMax},
                    {"max spacing", d.m_adShearMaxSpacing},
                    {"longitudinal demand, Vs required", d.m_adLongReqVsMin},
                    {"longitudinal demand, Vs provided", d.m_adLongReqVsProvided},
                    {"longitudinal reinforcement provided", d.m_adLongReinfProvided},
                };
                int compared = 0;
                for (int s = 0; s < kStationCount; ++s) {
                    const int m = mirror(s);
                    if (m < 0 || std::abs(d.m_adStationX[s] - L / 2.0) < 1e-9) continue;
                    ASSERT_NEAR(d.m_adStationX[s], L - d.m_adStationX[m], 1e-9)
                        << "stations " << s << " and " << m << " are not mirror images";
                    for (const Array& a : arrays) {
                        EXPECT_NEAR(a.values[s], a.values[m], 1e-6)
                            << a.name << " at stations " << s << " and " << m;
                    }
                    ++compared;
                }
                EXPECT_GE(compared, 110);
            }
        }
    }
}

}  // namespace
}  // namespace kordel::test

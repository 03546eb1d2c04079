// The lifting check and the stability of the hanging girder, worked by hand for the 130 ft girder
// of the handling fixture.
#include <cmath>

#include "engine/checks/girder_stability.h"
#include "handling_fixture.h"

namespace kordel::test {
namespace {

using LiftingTest = LongGirderHandlingTest;

// Lifting devices 10 ft from each end of the 130 ft girder, f'ci = 5.5 ksi, w = 0.799 klf,
// Iyy = 37634 in4, top flange 42 in, camber 3.0 - 1.2 = 1.8 in (Mast's method for a hanging
// girder):
//   l = 130 - 20 = 110 ft; r = (110 / 130)^2 - 0.333 = 0.715976 - 0.333 = 0.382976
//   ei = (130 / 10) 0.0625 r + 0.25 = 0.8125 x 0.382976 + 0.25 = 0.561168 in
//   yr = yt - camber r = 35.4 - 1.8 x 0.382976 = 34.710643 in
//   E = 33000 x 0.150^1.5 x sqrt(5.5) = 4496.061 ksi
//   z0 = 12^3 w / (12 E Iyy L) (0.1 l^5 - a^2 l^3 + 3 a^4 l + 1.2 a^5), a = 10:
//      (1610510000 - 133100000 + 3300000 + 120000) = 1.480830e9;
//      144 x 0.799 / (4496.061 x 37634 x 130) x 1.480830e9 = 7.745662 in
//   theta_i = ei / yr = 0.016167 rad
//   Mg = w l^2 / 8 - w a^2 / 2 = 0.799 (1512.5 - 50) = 1168.5375 k-ft
//   ft50 = -0.635235 + 12 x 1168.5375 / 15420.7345 = 0.274089 ksi
//   fr = 0.24 x sqrt(5.5) = 0.562850 ksi
//   theta_max = (0.562850 + 0.274089) 37634 / 21 / (12 x 1168.5375) = 0.106962 rad
//   FS = 1 / (7.745662 / 34.710643 + 0.016167 / 0.106962) = 1 / (0.223147 + 0.151150)
//      = 2.671679
TEST_F(LiftingTest, HangingGirderMatchesHandCalculation) {
    RunHandlingChecks();
    const CKordelDoc& d = *doc;
    EXPECT_NEAR(d.m_dLiftInitialEccentricity, 0.561168, 1e-6);
    EXPECT_NEAR(d.m_dLiftCamber, 1.8, 1e-12);
    EXPECT_NEAR(d.m_dLiftRollAxisHeight, 34.710643, 1e-6);
    EXPECT_NEAR(d.m_dLiftLateralDeflection, 7.745662, 1e-5);
    EXPECT_NEAR(d.m_dLiftInitialTilt, 0.016167, 1e-6);
    EXPECT_NEAR(d.m_dLiftCrackingTilt, 0.106962, 1e-6);
    EXPECT_NEAR(d.m_dLiftSafetyFactor, 2.671679, 1e-5);
    EXPECT_TRUE(host.Messages().empty());
}

// The lifting stresses and strength arrays at mid-span, 25 % handling impact:
// M = 1.25 x 1168.5375 = 1460.6719 k-ft down, 0.75 x 1168.5375 = 876.4031 k-ft up;
// Mu = 1.25 M (Strength I dead-load factor of the example).
TEST_F(LiftingTest, StressesAtMidspanWithImpactBothWays) {
    RunHandlingChecks();
    const HandlingStrengthArrays& R = doc->m_LiftingArrays;
    const int mid = kStationMidspan;
    const double St = kI / kYt, Sb = kI / kYb;
    const double M[] = {1.25 * 1168.5375, 0.75 * 1168.5375};
    for (int j = 0; j < kImpactDirectionCount; ++j) {
        EXPECT_NEAR(R.m_adMoment[mid][j], M[j], 1e-6) << j;
        EXPECT_NEAR(R.m_adMu[mid][j], doc->m_dStrengthIDeadLoadFactor * M[j], 1e-6) << j;
        const double* top = R.m_adStressTop[mid];
        const double* bottom = R.m_adStressBottom[mid];
        EXPECT_NEAR(top[HandlingStressSlot(j, kHandlingStressPretension)], -0.635235, 1e-6);
        EXPECT_EQ(top[HandlingStressSlot(j, kHandlingStressPostTension)], 0.0);
        EXPECT_NEAR(top[HandlingStressSlot(j, kHandlingStressTotal)], -0.635235 + 12 * M[j] / St,
                    1e-6);
        EXPECT_NEAR(bottom[HandlingStressSlot(j, kHandlingStressTotal)], 3.282009 - 12 * M[j] / Sb,
                    1e-6);
        EXPECT_GT(R.m_adMr[mid][j], 0.0);
    }
    // Over a device the moment hogs: -1.25 x 0.799 x 10^2 / 2 = -49.9375 k-ft, the bottom flange
    // in compression.
    EXPECT_NEAR(R.m_adMoment[kStationLeftLift][kImpactDown], -49.9375, 1e-9);
    EXPECT_EQ(doc->m_aHandlingB[kStationLeftLift][kHandlingNegative], doc->m_dBottomFlangeWidth);
    EXPECT_EQ(R.m_dEndOffset, 0.5);
}

TEST(HangingStabilityTest, EdgeCasesOfTheMethod) {
    HangingGirder g;
    g.L = 100;
    g.w = 0.8;
    g.E = 4000;
    g.Iyy = 40000;
    g.yt = 30;
    g.btf = 40;
    g.fr = 0.5;
    g.ft = 0.3;
    g.Mg = 1000;

    // Devices at the ends: r = 1 - 0.333, and z0 = 12^3 w 0.1 L^5 / (12 E Iyy L)
    // = 144 x 0.8 x 1e9 / (4000 x 40000 x 100) = 7.2 in.
    HangingStability s = ComputeHangingStability(g);
    EXPECT_NEAR(s.ei, 10 * 0.0625 * 0.667 + 0.25, 1e-12);
    EXPECT_NEAR(s.z0, 7.2, 1e-9);

    // Devices 0.2113 L from each end (l / L = 0.5774): r = 0.0001, ei about 0.25 in.
    g.a = g.b = 21.13;
    EXPECT_NEAR(ComputeHangingStability(g).ei, 0.25, 1e-3);

    // A hogging mid-span moment cracks the other flange edge at the same tilt.
    g.a = g.b = 0;
    const double thetaMax = s.thetaMax;
    g.Mg = -1000;
    EXPECT_NEAR(ComputeHangingStability(g).thetaMax, thetaMax, 1e-15);

    // The flange edge is cracked before any tilt (fr + ft <= 0): no factor of safety.
    g.Mg = 1000;
    g.ft = -0.6;
    s = ComputeHangingStability(g);
    EXPECT_LT(s.thetaMax, 0.0);
    EXPECT_EQ(s.fs, 0.0);

    // A roll axis below the centre of gravity tips the girder over on its devices: theta_i = 0
    // and the factor is 0, a failing factor and never a negative one (1 / (z0 / yr) would be
    // -30 / 7.2); at yr = 0 the factor is 0 too (the limit of 1 / (z0 / yr)).
    g.ft = 0.3;
    g.camber = 60 / 0.667;  // yr = 30 - camber x 0.667 = -30
    s = ComputeHangingStability(g);
    EXPECT_NEAR(s.yr, -30, 1e-9);
    EXPECT_EQ(s.thetaI, 0.0);
    EXPECT_EQ(s.fs, 0.0);
    g.camber = 30 / 0.667;
    EXPECT_NEAR(ComputeHangingStability(g).fs, 0.0, 1e-9);
}

TEST_F(LiftingTest, InputsThatCannotBeCheckedGiveAMessageAndNoMargin) {
    struct Case {
        const char* name;
        void (*change)(CKordelDoc&);
        const char* says;
    };
    const Case cases[] = {
        {"no girder weight", [](CKordelDoc& d) { d.m_dBeamWeight = 0; },
         "girder weight per foot is not positive"},
        {"no Iyy", [](CKordelDoc& d) { d.m_dSectionIyy = 0; }, "Iyy is not positive"},
        {"devices overlapping", [](CKordelDoc& d) { d.m_dLiftSupportLeft = 130; }, "leave no span"},
        {"no release strength", [](CKordelDoc& d) { d.m_dBeamFci = 0; }, "f'ci (0.000 ksi)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BuildGirder();
        c.change(*doc);
        host.ClearMessages();
        RunHandlingChecks();
        bool said = false;
        for (const auto& m : host.Messages()) said |= m.text.find(c.says) != std::string::npos;
        EXPECT_TRUE(said);
        EXPECT_EQ(doc->m_dLiftSafetyFactor, 0.0);
        for (double v :
             {doc->m_dLiftLateralDeflection, doc->m_dLiftCrackingTilt, doc->m_dLiftRollAxisHeight,
              doc->m_dShipCrackingSafetyFactor, doc->m_dShipFailureSafetyFactor}) {
            EXPECT_TRUE(std::isfinite(v));
        }
        for (int i = 0; i < kStationCount; ++i) {
            for (int j = 0; j < kImpactDirectionCount; ++j) {
                EXPECT_TRUE(std::isfinite(doc->m_LiftingArrays.m_adMrMcrRatio[i][j]));
                EXPECT_TRUE(std::isfinite(doc->m_LiftingArrays.m_adStressTop[i][3 + 4 * j]));
            }
        }
        // The shipping check derives its lateral deflection from the lifting one: without it
        // there is no roll stability either.
        EXPECT_EQ(doc->m_dShipFailureSafetyFactor, 0.0);
    }
}

}  // namespace
}  // namespace kordel::test

// The shipping check and the roll stability of the girder on the truck, worked by hand for the
// 130 ft girder of the handling fixture.
#include <cmath>

#include "engine/checks/girder_stability.h"
#include "handling_fixture.h"

namespace kordel::test {
namespace {

using ShippingTest = LongGirderHandlingTest;

// Truck supports 12 ft from each end, 20 % shipping impact, f'ci = 5.5 ksi for shipping
// ("Use f'c in Shipping Analysis" off), f'c = 8 ksi, Eci = 4000 ksi, K_theta = 40500 in-k/rad,
// alpha = 0.06 rad, centre of gravity 72 in and roll centre 24 in above the road, dual tires 36
// in from the centreline (Mast's method for a girder on flexible supports, every term under the
// same vertical load k W, k = 1.2 with the impact downward and 0.8 upward):
//   l = 130 - 24 = 106 ft
//   z0 of the hanging girder 7.745662 in (lifting test); brought to f'c:
//      z0s = sqrt(5.5) x 7.745662 / sqrt(8) = 6.422364 in
//   E = 33000 x 0.150^1.5 x sqrt(5.5) = 4496.061 ksi; z0 = sqrt(E / 4000) z0s = 6.808964 in
//   M0 = w l^2 / 8 - w a^2 / 2 = 0.799 (1404.5 - 72) = 1064.6675 k-ft (weight alone)
//   fr = 0.24 sqrt(5.5) = 0.562850 ksi; top prestress stress -0.635235 ksi
//   q = (106 / 130)^2 - 0.333 = 0.331852; ei = 13 x 0.125 q + 1.0 = 1.539260 in
//   y = 1.8 + 72 - 24 = 49.8 in
//   Downward, k = 1.2: M = 1277.6010 k-ft; ft50 = -0.635235 + 12 M / 15420.7345 = 0.358960 ksi
//      theta_max = (0.562850 + 0.358960) 37634 / 21 / (12 M) = 0.107752 rad
//      r = 40500 / (1.2 x 130 x 0.799) = 324.925388 in; z0 = 1.2 x 6.808964 = 8.170756 in
//      FS cracking = (0.107752 - 0.06) r / (8.170756 x 0.107752 + 1.539260 + 49.8 x 0.107752)
//         = 1.992860
//      theta'_max = (36 - 24 x 0.06) / r + 0.06 = 0.166363 rad
//      z'0 = (1 + 2.5 x 0.166363) 8.170756 = 11.569033 in
//      FS rollover = (0.166363 - 0.06) r / (11.569033 x 0.166363 + 1.539260 + 49.8 x 0.166363)
//         = 2.941580
//   Upward, k = 0.8: M = 851.7340 k-ft; ft50 = 0.027561 ksi; theta_max = 0.103521 rad;
//      r = 487.388081 in; z0 = 5.447171 in; FS cracking = 2.922334; FS rollover = 3.837885
//   Both factors govern downward (the weight alone would give 2.380849 and 3.345776).
TEST_F(ShippingTest, RollStabilityMatchesHandCalculation) {
    RunHandlingChecks();
    const CKordelDoc& d = *doc;
    EXPECT_NEAR(d.m_dShipLateralDeflection, 8.170756, 1e-5);
    EXPECT_NEAR(d.m_dShipCrackingTilt, 0.107752, 1e-6);
    EXPECT_NEAR(d.m_dShipCrackingSafetyFactor, 1.992860, 1e-5);
    EXPECT_NEAR(d.m_dShipFailureTilt, 0.166363, 1e-6);
    EXPECT_NEAR(d.m_dShipFailureDeflection, 11.569033, 1e-5);
    EXPECT_NEAR(d.m_dShipFailureSafetyFactor, 2.941580, 1e-5);
    // Limits at f'ci: -0.0948 sqrt(5.5) held at -0.2; 0.6 x 5.5; -0.24 sqrt(5.5).
    EXPECT_EQ(d.m_dShipTensionAllowable, -0.2);
    EXPECT_NEAR(d.m_dShipCompressionAllowable, 3.3, 1e-12);
    EXPECT_NEAR(d.m_dShipRuptureStress, -0.562850, 1e-6);
    EXPECT_TRUE(host.Messages().empty());
}

TEST_F(ShippingTest, TruckSupportsDoNotMoveTheLateralDeflection) {
    RunHandlingChecks();
    const double z0 = doc->m_dShipLateralDeflection;
    const double fs = doc->m_dShipCrackingSafetyFactor;
    doc->m_dShipSupportLeft = doc->m_dShipSupportRight = 20;
    RunHandlingChecks();
    EXPECT_EQ(doc->m_dShipLateralDeflection, z0);
    EXPECT_NE(doc->m_dShipCrackingSafetyFactor, fs);
    // Moving the lifting devices does.
    doc->m_dLiftSupportLeft = doc->m_dLiftSupportRight = 20;
    RunHandlingChecks();
    EXPECT_NE(doc->m_dShipLateralDeflection, z0);
}

TEST_F(ShippingTest, TwentyEightDayStrengthAndItsTransformedSection) {
    // With "Use f'c" the limits take f'c = 8 ksi, and with the strands transformed for all
    // stresses the section at 28 days (case 4) gives the stresses.
    doc->m_bShipUseFc = 1;
    doc->m_nTransformStrandsMode = kTransformAll;
    for (int i = 0; i < kStationCount; ++i) {
        doc->m_adAreaAtStation[i][kSectionCaseFinal] = 800;
        doc->m_adInertiaAtStation[i][kSectionCaseFinal] = 570000;
        doc->m_adSectionModulusAtStation[i][SectionModulusSlot(kSectionCaseFinal, 0)] = 16000;
        doc->m_adSectionModulusAtStation[i][SectionModulusSlot(kSectionCaseFinal, 1)] = 16500;
        doc->m_adAreaAtStation[i][kSectionCaseRelease] = 790;
        doc->m_adInertiaAtStation[i][kSectionCaseRelease] = 560000;
        doc->m_adSectionModulusAtStation[i][SectionModulusSlot(kSectionCaseRelease, 0)] = 15500;
        doc->m_adSectionModulusAtStation[i][SectionModulusSlot(kSectionCaseRelease, 1)] = 16000;
    }
    RunHandlingChecks();
    EXPECT_NEAR(doc->m_dShipCompressionAllowable, 0.6 * 8, 1e-12);
    EXPECT_NEAR(doc->m_dShipRuptureStress, -0.24 * std::sqrt(8.0), 1e-12);
    // Top prestress stress 990 (1/800 - 30/16500) = -0.562500 ksi.
    EXPECT_NEAR(doc->m_ShippingArrays.m_adStressTop[50][0], 990 * (1.0 / 800 - 30.0 / 16500),
                1e-12);
    // Lifting stays on the release section: 990 (1/790 - 30/16000).
    EXPECT_NEAR(doc->m_LiftingArrays.m_adStressTop[50][0], 990 * (1.0 / 790 - 30.0 / 16000), 1e-12);
}

TEST(RollStabilityTest, ZeroSuperelevationAndNoMargin) {
    TruckGirder g;
    g.L = 100;
    g.l = 80;
    g.w = 1.0;
    g.Ktheta = 40000;  // r = 400 in
    g.zmax = 36;
    g.hr = 24;
    g.cgAboveRoad = 70;
    g.z0 = 5;
    g.thetaMax = 0.1;
    // alpha = 0: theta'_max = zmax / r = 0.09.
    RollStability s = ComputeRollStability(g);
    EXPECT_NEAR(s.r, 400, 1e-12);
    EXPECT_NEAR(s.thetaFailure, 0.09, 1e-12);
    // A flange cracked before any tilt has no factor of safety against cracking.
    g.thetaMax = -0.01;
    s = ComputeRollStability(g);
    EXPECT_EQ(s.fsCracking, 0.0);
    EXPECT_GT(s.fsRollover, 0.0);
    // A flange that cracks at a tilt below the superelevation cracks on the road before the
    // girder tilts any further: a failing factor of 0, never a negative one.
    g.alpha = 0.05;
    g.thetaMax = 0.03;
    EXPECT_EQ(ComputeRollStability(g).fsCracking, 0.0);
    g.alpha = 0;
    // No truck stiffness: nothing to compute, nothing that is not a number.
    g.Ktheta = 0;
    s = ComputeRollStability(g);
    EXPECT_EQ(s.fsCracking, 0.0);
    EXPECT_EQ(s.fsRollover, 0.0);
    EXPECT_EQ(s.thetaFailure, 0.0);
}

// A girder whose prestress alone would crack the top flange (fr + fps = 0.5 - 0.95 < 0) needs
// its weight to close it, so the upward impact governs cracking; rollover still governs with the
// impact downward. L = 100 ft, l = 80 ft, w = 1 klf, K_theta = 40000 in-k/rad, alpha = 0.02 rad,
// camber 2 in, centre of gravity 70 in and roll centre 24 in above the road, zmax = 36 in,
// z0 = 5 in under the weight alone; M = 1000 k-ft, St = 15000 in3, Iyy = 40000 in4, btf = 40 in:
//   ei = 10 x 0.125 (0.8^2 - 0.333) + 1 = 1.38375 in; y = 2 + 70 - 24 = 48 in
//   Upward, k = 0.7: ft = -0.95 + 12 x 700 / 15000 = -0.39 ksi;
//      theta_max = (0.5 - 0.39) 40000 / (20 x 12 x 700) = 0.0261905 rad; r = 40000 / 70
//      = 571.428571 in; z0 = 3.5 in
//      FS cracking = (0.0261905 - 0.02) r / (3.5 x 0.0261905 + 1.38375 + 48 x 0.0261905)
//         = 3.537415 / 2.732560 = 1.294543
//   Downward, k = 1.3: r = 307.692308 in; z0 = 6.5 in; FS cracking 3.109288 (theta_max 0.075641)
//      theta'_max = (36 - 24 x 0.02) / r + 0.02 = 0.135440 rad; z'0 = (1 + 2.5 x 0.135440) 6.5
//      = 8.700900 in; FS rollover = 35.52 / (8.7009 x 0.13544 + 1.38375 + 48 x 0.13544)
//      = 3.919094 (upward: 6.260073)
TEST(ShippingStabilityTest, EachFactorTakesTheDirectionThatGovernsIt) {
    TruckGirder g;
    g.L = 100;
    g.l = 80;
    g.w = 1.0;
    g.Ktheta = 40000;
    g.alpha = 0.02;
    g.camber = 2;
    g.cgAboveRoad = 70;
    g.hr = 24;
    g.zmax = 36;
    g.z0 = 5;
    TopFlangeAtMidspan top;
    top.fr = 0.5;
    top.fps = -0.95;
    top.St = 15000;
    top.Iyy = 40000;
    top.btf = 40;
    top.M = 1000;
    ShippingStability s = ComputeShippingStability(g, top, 0.3);
    EXPECT_NEAR(s.thetaMax, 0.11 * 40000 / 168000, 1e-12);
    EXPECT_NEAR(s.z0, 3.5, 1e-12);
    EXPECT_NEAR(s.fsCracking, 1.294543, 1e-6);
    EXPECT_NEAR(s.thetaFailure, 0.135440, 1e-6);
    EXPECT_NEAR(s.z0Failure, 8.700900, 1e-6);
    EXPECT_NEAR(s.fsRollover, 3.919094, 1e-6);

    // 100 % impact leaves the girder weightless going up: it cannot roll over then, but a flange
    // that the prestress alone cracks has no margin.
    s = ComputeShippingStability(g, top, 1.0);
    EXPECT_EQ(s.fsCracking, 0.0);
    EXPECT_EQ(s.thetaMax, 0.0);
    EXPECT_GT(s.fsRollover, 0.0);
    // With the flange closed under the prestress alone (fps = -0.3) only the downward direction,
    // k = 2, counts: theta_max = (0.5 - 0.3 + 1.6) 40000 / (240 x 2000) = 0.15 rad, r = 200 in,
    // z0 = 10 in; FS = 0.13 x 200 / (10 x 0.15 + 1.38375 + 48 x 0.15) = 2.578406.
    top.fps = -0.3;
    s = ComputeShippingStability(g, top, 1.0);
    EXPECT_NEAR(s.thetaMax, 0.15, 1e-12);
    EXPECT_NEAR(s.fsCracking, 26 / 10.08375, 1e-12);
}

TEST_F(ShippingTest, InputsThatCannotBeCheckedGiveAMessageAndNoMargin) {
    doc->m_dTransportStiffness = 0;
    RunHandlingChecks();
    ASSERT_EQ(host.Messages().size(), 1u);
    EXPECT_NE(host.Messages()[0].text.find("transport stiffness is not positive"),
              std::string::npos);
    EXPECT_EQ(doc->m_dShipCrackingSafetyFactor, 0.0);
    EXPECT_EQ(doc->m_dShipFailureSafetyFactor, 0.0);
    EXPECT_GT(doc->m_dLiftSafetyFactor, 0.0) << "lifting is not affected";

    host.ClearMessages();
    doc->m_dTransportStiffness = 40500;
    doc->m_dShipSupportLeft = doc->m_dShipSupportRight = 65;  // no span between the supports
    RunHandlingChecks();
    ASSERT_EQ(host.Messages().size(), 1u);
    EXPECT_NE(host.Messages()[0].text.find("truck supports leave no span"), std::string::npos);
    EXPECT_EQ(doc->m_ShippingArrays.m_adMrMcrRatio[50][0], kHandlingRatioNoMcr);
    EXPECT_EQ(doc->m_ShippingArrays.m_adPhiMnMuRatio[50][0], 0.0);
    EXPECT_EQ(doc->m_dShipCrackingSafetyFactor, 0.0);
}

TEST_F(ShippingTest, StandardSpecificationsRuptureForEveryDensityClass) {
    doc->m_nSpecification = kSpecStandard;
    doc->m_nSpecEdition = 0;
    doc->m_dShipRuptureStress = 123.0;  // a value from another design must not survive
    doc->m_dReleaseRuptureStress = 123.0;
    doc->m_nBeamConcreteType = kConcreteLightweight;
    RunHandlingChecks();
    const double expected = -5.5 / std::sqrt(1000.0) * std::sqrt(5.5);
    EXPECT_NEAR(doc->m_dShipRuptureStress, expected, 1e-12);
    EXPECT_NEAR(doc->m_dReleaseRuptureStress, expected, 1e-12);
}

class HandlingExamplesTest : public EngineTest {};

// More load never makes a girder safer: example 1 with "Check Stripping" and "Check
// Handling/Stability" on, its own strands and 0.6 in strands, under 0, 20, 40 and 80 % shipping
// impact. Neither factor of safety on the truck rises with the impact, and none is negative
// (with the impact in the top-flange stress alone the factor against cracking rose from 0.11 to
// 2.98, and the 0.6 in strands gave -0.83 at 40 %).
TEST_F(HandlingExamplesTest, ShippingFactorsNeverRiseWithTheImpact) {
    for (const double strand : {0.5, 0.6}) {
        double lastCracking = HUGE_VAL;
        double lastRollover = HUGE_VAL;
        for (const double impact : {0.0, 20.0, 40.0, 80.0}) {
            SCOPED_TRACE(testing::Message() << strand << " in strands, " << impact << " % impact");
            auto doc = NewDoc();
            doc->BuildExampleDesign(1);
            doc->m_bCheckStripping = doc->m_bCheckHandling = 1;
            if (strand == 0.6) {
                doc->m_dStrandDiameter = 0.6;
                doc->m_dStrandUnitArea = 0.217;  // in2
            }
            doc->m_dImpactShipping = impact;
            doc->RunAnalysis();
            const double cracking = doc->m_dShipCrackingSafetyFactor;
            const double rollover = doc->m_dShipFailureSafetyFactor;
            EXPECT_GE(cracking, 0.0);
            EXPECT_LE(cracking, lastCracking);
            EXPECT_GT(rollover, 0.0);
            EXPECT_LE(rollover, lastRollover);
            lastCracking = cracking;
            lastRollover = rollover;
        }
    }
}

// Every example design with "Check Stripping" and "Check Handling/Stability" on: the three checks
// run in the analysis and leave only finite numbers.
TEST_F(HandlingExamplesTest, EveryExampleRunsTheThreeChecksWithFiniteResults) {
    for (int example = 1; example <= 4; ++example) {
        SCOPED_TRACE(example);
        frame.m_nSeedChoice = example;
        auto doc = NewDoc();
        doc->OnNewDocument();
        doc->m_bCheckStripping = doc->m_bCheckHandling = 1;
        doc->RunAnalysis();
        const CKordelDoc& d = *doc;
        int notFinite = 0;
        const auto count = [&](const auto& values) {
            const double* p = reinterpret_cast<const double*>(&values);
            for (size_t k = 0; k < sizeof(values) / sizeof(double); ++k) {
                notFinite += !std::isfinite(p[k]);
            }
        };
        for (const HandlingStrengthArrays* R : {&d.m_LiftingArrays, &d.m_ShippingArrays}) {
            count(R->m_adStressBottom), count(R->m_adStressTop), count(R->m_adAps);
            count(R->m_adDp), count(R->m_adAs), count(R->m_adDs), count(R->m_adC);
            count(R->m_adA), count(R->m_adFps), count(R->m_adMoment), count(R->m_adMu);
            count(R->m_adPhiMn), count(R->m_adMr), count(R->m_adMcr), count(R->m_adMrMcrRatio);
            count(R->m_adPhiMnMuRatio), count(R->m_adMrCmp), count(R->m_adPhi);
            count(R->m_adDepthRatio);
        }
        count(d.m_adStripCaseFci), count(d.m_adStripTensionSteelArea);
        count(d.m_adStripPrestressBottom), count(d.m_adStripPrestressTop);
        count(d.m_adStripGirderBottom), count(d.m_adStripGirderTop);
        count(d.m_adStripTotalBottom), count(d.m_adStripTotalTop);
        count(d.m_aHandlingBeta1), count(d.m_aHandlingHf), count(d.m_aHandlingFc);
        count(d.m_aHandlingAlpha1), count(d.m_aHandlingB), count(d.m_adHandlingStrandArea);
        count(d.m_adHandlingStrandCentroid), count(d.m_aHandlingBarArea);
        count(d.m_aHandlingBarCentroid);
        const double single[] = {d.m_dStripFci,
                                 d.m_dReleaseTensionAllowable,
                                 d.m_dReleaseRuptureStress,
                                 d.m_dReleaseCompressionAllowable,
                                 d.m_dShipTensionAllowable,
                                 d.m_dShipRuptureStress,
                                 d.m_dShipCompressionAllowable,
                                 d.m_dLiftInitialEccentricity,
                                 d.m_dLiftCamber,
                                 d.m_dLiftRollAxisHeight,
                                 d.m_dLiftLateralDeflection,
                                 d.m_dLiftInitialTilt,
                                 d.m_dLiftCrackingTilt,
                                 d.m_dLiftSafetyFactor,
                                 d.m_dShipCrackingTilt,
                                 d.m_dShipFailureTilt,
                                 d.m_dShipLateralDeflection,
                                 d.m_dShipFailureDeflection,
                                 d.m_dShipCrackingSafetyFactor,
                                 d.m_dShipFailureSafetyFactor};
        count(single);
        EXPECT_EQ(notFinite, 0);
        EXPECT_EQ(d.m_dStripFci, d.m_dBeamFci);
        EXPECT_GT(d.m_dLiftSafetyFactor, 0.0);
        EXPECT_GT(d.m_dShipFailureSafetyFactor, 0.0);
        if (d.m_nPrestressType == kPretensionOnly) {
            EXPECT_EQ(d.m_abStripCaseActive[kStripCaseA], 1);
        }
    }
}

}  // namespace
}  // namespace kordel::test

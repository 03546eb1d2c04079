// The load-effect stage and its dead loads: girder self-weight at release and in place, deck,
// diaphragm arrangements and end blocks against hand calculations on example design 1 (with the
// end rotations of point loads by superposed single-load slopes), the per-girder barrier and
// wearing-surface loads, the composite dead loads on the three continuous spans of example 3 by
// the three-moment equation, the positive-moment region that picks the support-region factors,
// the dirty flag, and finite tables for every example.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "engine/liveload/load_effects_test_support.h"

namespace kordel::test {
namespace {

class LoadEffectsTest : public LoadEffectsTestBase {};

// ---- Dead loads on the girder alone -------------------------------------------------------------

TEST_F(LoadEffectsTest, GirderAndDeckOfExample1ByHand) {
    const auto d = Example(1);
    ASSERT_TRUE(host.Messages().empty()) << MessageTexts();
    // Design span 105 ft, release span 106 ft on a 106-ft girder: the release supports are at the
    // girder ends, and a station x lies at x + 0.5 ft on the release span.
    const double L = 105.0;
    const double Lr = 106.0;
    EXPECT_DOUBLE_EQ(d->m_adReleaseSpanShift[kReleaseSupportFromEnd], 0.0);  // (106 - 106) / 2
    EXPECT_DOUBLE_EQ(d->m_adReleaseSpanShift[kReleaseStationShift], 0.5);    // e - 0
    // PCI BT-72, A = 767 in2, 0.150 kcf: 0.15 (767 / 144) = 0.798958 klf. Deck 8 in thick over
    // the 9-ft spacing, no haunch: 0.15 (108 (8) / 144) = 0.900 klf. No overlay.
    const double wg = 0.15 * 767.0 / 144.0;
    const double wd = 0.15 * 108.0 * 8.0 / 144.0;
    EXPECT_TRUE(NearRelative(d->m_dBeamWeight, wg));
    EXPECT_TRUE(NearRelative(d->m_dDeckWeight, 0.9));
    EXPECT_EQ(d->m_dOverlayWeight, 0.0);

    struct Row {
        const char* what;
        int k, station;
        double M, V;
    };
    const Row rows[] = {
        {"release, mid-span: X = 53, w 53 (106 - 53) / 2 = 1122.14", kCaseGirderRelease, 50,
         wg * 53.0 * 53.0 / 2.0, 0.0},
        {"release, bearing: X = 0.5, w 0.5 (105.5) / 2 = 21.07; no shear without end blocks",
         kCaseGirderRelease, 0, wg * 0.5 * 105.5 / 2.0, 0.0},
        {"girder, mid-span: w L^2 / 8 = 1101.06", kCaseGirder, 50, wg * L * L / 8.0, 0.0},
        {"girder, bearing: w L / 2 = 41.95", kCaseGirder, 0, 0.0, wg * L / 2.0},
        {"girder, x = 10.5: w 10.5 (94.5) / 2 = 396.37, w (52.5 - 10.5) = 33.56", kCaseGirder, 10,
         wg * 10.5 * 94.5 / 2.0, wg * 42.0},
        {"deck, mid-span: 0.9 L^2 / 8 = 1240.31", kCaseDeck, 50, wd * L * L / 8.0, 0.0},
        {"deck, right bearing: -0.9 L / 2 = -47.25", kCaseDeck, 100, 0.0, -wd * L / 2.0},
        {"overlay", kCaseOverlay, 50, 0.0, 0.0},
        {"diaphragms", kCaseDiaphragms, 50, 0.0, 0.0},
        {"other non-composite", kCaseOtherNonComposite, 50, 0.0, 0.0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        EXPECT_TRUE(NearRelative(d->m_aMoment[r.station][r.k], r.M, 1e-9));
        EXPECT_TRUE(NearRelative(d->m_aShear[r.station][r.k], r.V, 1e-9));
    }

    // Reactions, and end rotations -w L^3 / (24 E I) on the girder alone (the section stage's I at
    // mid-span, held in single precision; Eci at release, Ec after).
    const double I = d->m_adInertiaAtStation[kStationMidspan][kSectionCaseGirder];  // in4
    const LoadEffectRecord* end = d->m_aSupportEffect;
    EXPECT_TRUE(NearRelative(end[kSupportLeftReaction][kCaseGirderRelease], wg * Lr / 2.0));
    EXPECT_TRUE(NearRelative(end[kSupportRightReaction][kCaseGirder], wg * L / 2.0));
    EXPECT_TRUE(NearRelative(end[kSupportLeftReaction][kCaseDeck], wd * L / 2.0));
    EXPECT_TRUE(NearRelative(end[kSupportLeftRotation][kCaseGirderRelease],
                             -wg * Lr * Lr * Lr / 24.0 * 144.0 / (d->m_dBeamEci * I), 1e-6));
    EXPECT_TRUE(NearRelative(end[kSupportLeftRotation][kCaseGirder],
                             -wg * L * L * L / 24.0 * 144.0 / (d->m_dBeamEc * I), 1e-6));
    for (int k = kCaseGirderRelease; k <= kCaseOtherNonComposite; ++k) {
        EXPECT_EQ(end[kSupportRightRotation][k], -end[kSupportLeftRotation][k]) << "case " << k;
    }
}

TEST_F(LoadEffectsTest, DiaphragmArrangementsAddWithTheirBeamTheoryRotations) {
    const auto d = Example(1);  // L = 105 ft
    const double W = 2.0;       // kip, each diaphragm
    const double EI = d->m_dBeamEc * d->m_adInertiaAtStation[kStationMidspan][kSectionCaseGirder];
    struct Arrangement {
        const char* what;
        int quarter, third, half, user;
        double userAt;  // ft
        double M50;     // kip-ft at mid-span
        double V10;     // kip at x = 10.5 ft
        double V50;     // kip at mid-span
        double R;       // kip, each reaction
        double area;    // kip-ft2: the left rotation times E I, P a (L - a) / 2 per pair
    };
    const Arrangement cases[] = {
        // W a = 2 (26.25); 2 (26.25) (78.75) / 2 = 2067.19 (P a (2L - a) / 6 would give 1607.8)
        {"quarter points", 1, 0, 0, 0, 0.0, 52.5, 2.0, 0.0, 2.0, 2067.1875},
        // W a = 2 (35); 2 (35) (70) / 2 = 2450
        {"third points", 0, 1, 0, 0, 0.0, 70.0, 2.0, 0.0, 2.0, 2450.0},
        // W L / 4 = 52.5; W / 2 up to mid-span; W L^2 / 16 = 1378.13 (P a (2L - a) / 6: 2756.25)
        {"mid-span", 0, 0, 1, 0, 0.0, 52.5, 1.0, 1.0, 1.0, 1378.125},
        // W d = 60; 2 (30) (75) / 2 = 2250
        {"30 ft from each support", 0, 0, 0, 1, 30.0, 60.0, 2.0, 0.0, 2.0, 2250.0},
        {"75 ft from the left: the same pair", 0, 0, 0, 1, 75.0, 60.0, 2.0, 0.0, 2.0, 2250.0},
        {"quarter and third points together", 1, 1, 0, 0, 0.0, 122.5, 4.0, 0.0, 4.0, 4517.1875},
    };
    for (const Arrangement& c : cases) {
        SCOPED_TRACE(c.what);
        d->m_dDiaphragmWeight = W;
        d->m_bDiaphragmAtQuarter = c.quarter;
        d->m_bDiaphragmAtThird = c.third;
        d->m_bDiaphragmAtHalf = c.half;
        d->m_bDiaphragmAtUserLocation = c.user;
        d->m_dDiaphragmUserLocation = c.userAt;
        d->ComputeLoadEffects();
        EXPECT_TRUE(NearRelative(d->m_aMoment[50][kCaseDiaphragms], c.M50));
        EXPECT_TRUE(NearRelative(d->m_aShear[10][kCaseDiaphragms], c.V10));
        EXPECT_TRUE(NearRelative(d->m_aShear[50][kCaseDiaphragms], c.V50));
        EXPECT_TRUE(NearRelative(d->m_aShear[100][kCaseDiaphragms], -c.R));
        EXPECT_TRUE(NearRelative(d->m_aMoment[100][kCaseDiaphragms], 0.0));
        EXPECT_TRUE(NearRelative(d->m_aSupportEffect[kSupportLeftReaction][kCaseDiaphragms], c.R));
        const double theta = d->m_aSupportEffect[kSupportLeftRotation][kCaseDiaphragms];
        EXPECT_TRUE(NearRelative(theta, -c.area * 144.0 / EI, 1e-6));
        EXPECT_EQ(d->m_aSupportEffect[kSupportRightRotation][kCaseDiaphragms], -theta);
    }
    EXPECT_TRUE(host.Messages().empty()) << MessageTexts();

    // A location off the span: said, and left out.
    d->m_bDiaphragmAtQuarter = d->m_bDiaphragmAtThird = d->m_bDiaphragmAtHalf = 0;
    d->m_bDiaphragmAtUserLocation = 1;
    d->m_dDiaphragmUserLocation = 120.0;
    d->ComputeLoadEffects();
    ASSERT_EQ(host.Messages().size(), 1u);
    EXPECT_NE(host.Messages()[0].text.find("not on the span"), std::string::npos);
    EXPECT_EQ(d->m_aMoment[50][kCaseDiaphragms], 0.0);
    EXPECT_EQ(d->m_aSupportEffect[kSupportLeftRotation][kCaseDiaphragms], 0.0);
}

TEST_F(LoadEffectsTest, EndBlocksActAtHalfTheirLengthFromEachSupport) {
    const auto d = Example(1);
    d->m_bIncludeEndBlocks = 1;
    d->m_dEndBlockWidth = 26.0;      // in
    d->m_dEndBlockLength = 3.0;      // ft
    d->m_dEndBlockTransition = 1.0;  // ft
    d->RunAnalysis();
    double Ae = 0, yb = 0, Ie = 0, bw = 0;
    d->GetStationSectionProps(kStationLeftBearing, 0, Ae, yb, Ie, bw);
    ASSERT_GT(Ae, 767.0) << "the end block adds area";
    // q = 0.15 (Ae - 767) / 144 klf over 3 ft: P = 3 q at a = 1.5 ft from each support.
    const double P = 0.15 * (Ae - 767.0) / 144.0 * 3.0;
    const double a = 1.5;
    const double wg = 0.15 * 767.0 / 144.0;
    const double L = 105.0;
    // In place: P x up to 1.5 ft, P a beyond; the shear P, 0, -P.
    EXPECT_TRUE(NearRelative(d->m_aShear[0][kCaseGirder], wg * L / 2.0 + P));
    EXPECT_TRUE(NearRelative(d->m_aMoment[50][kCaseGirder], wg * L * L / 8.0 + P * a));
    EXPECT_TRUE(NearRelative(d->m_aShear[100][kCaseGirder], -wg * L / 2.0 - P));
    EXPECT_TRUE(
        NearRelative(d->m_aSupportEffect[kSupportLeftReaction][kCaseGirder], wg * L / 2.0 + P));
    const double I = d->m_adInertiaAtStation[kStationMidspan][kSectionCaseGirder];
    EXPECT_TRUE(NearRelative(
        d->m_aSupportEffect[kSupportLeftRotation][kCaseGirder],
        -(wg * L * L * L / 24.0 + P * a * (L - a) / 2.0) * 144.0 / (d->m_dBeamEc * I), 1e-6));
    // At release (X = x + 0.5 on 106 ft) the shear holds the end blocks alone: P at the bearing
    // (X = 0.5 <= 1.5), 0 at mid-span, -P at the right bearing (X = 105.5 > 104.5).
    EXPECT_TRUE(NearRelative(d->m_aShear[0][kCaseGirderRelease], P));
    EXPECT_EQ(d->m_aShear[50][kCaseGirderRelease], 0.0);
    EXPECT_TRUE(NearRelative(d->m_aShear[100][kCaseGirderRelease], -P));
    EXPECT_TRUE(NearRelative(d->m_aMoment[50][kCaseGirderRelease], wg * 53.0 * 53.0 / 2.0 + P * a));
}

// ---- Composite dead loads -----------------------------------------------------------------------

TEST_F(LoadEffectsTest, PerGirderBarrierAndWearingSurfaceLoads) {
    const auto d = Example(1);
    struct Case {
        const char* what;
        int distribution, barriers, beams, sectionType, composite;
        double expected;  // klf per girder, one barrier 0.3 klf, 0.2 klf before
    };
    const Case cases[] = {
        {"Equal: n W / Nb = 2 (0.3) / 4", kBarriersEqual, 2, 4, kSectionIGirder, 1, 0.15},
        {"FDOT: as Equal", kBarriersFdot, 2, 4, kSectionIGirder, 1, 0.15},
        {"PCAP, six beams: n W / Nb", kBarriersPcap, 2, 6, kSectionIGirder, 1, 0.1},
        {"PCAP, seven beams: W / 3", kBarriersPcap, 2, 7, kSectionIGirder, 1, 0.1},
        {"PCAP, seven beams, three barriers: still W / 3", kBarriersPcap, 3, 7, kSectionIGirder, 1,
         0.1},
        {"PCAP, non-composite box, five beams: W / 3", kBarriersPcap, 4, 5, kSectionBoxBeam, 0,
         0.1},
        {"PCAP, composite box, five beams: n W / Nb", kBarriersPcap, 4, 5, kSectionBoxBeam, 1,
         0.24},
        {"unknown distribution: the load stays", 7, 2, 4, kSectionIGirder, 1, 0.2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        d->m_nBarrierLoadMode = kLoadVariable;
        d->m_dBarrierLoad = 0.2;
        d->m_dBarrierWeight = 0.3;
        d->m_nBarrierDistribution = c.distribution;
        d->m_nBarrierCount = c.barriers;
        d->m_nBeams = c.beams;
        d->m_nSectionType = c.sectionType;
        d->m_bCompositeDeck = c.composite;
        d->ComputeCompositeLineLoads();
        EXPECT_TRUE(NearRelative(d->m_dBarrierLoad, c.expected));
    }
    // Wearing surface 0.018 ksf: over the 8-ft spacing 0.144 klf; curb to curb 26 ft over 4
    // beams 0.117 klf.
    d->m_nBarrierLoadMode = kLoadConstant;
    d->m_nFwsLoadMode = kLoadVariable;
    d->m_dFwsPressure = 0.018;
    d->m_dBeamSpacing = 8.0;
    d->m_dCurbToCurb = 26.0;
    d->m_nBeams = 4;
    d->m_nFwsWidthBasis = kFwsWidthBeamSpacing;
    d->ComputeCompositeLineLoads();
    EXPECT_TRUE(NearRelative(d->m_dWearingSurfaceLoad, 0.144));
    d->m_nFwsWidthBasis = kFwsWidthCurbToCurb;
    d->ComputeCompositeLineLoads();
    EXPECT_TRUE(NearRelative(d->m_dWearingSurfaceLoad, 0.117));
    EXPECT_TRUE(host.Messages().empty()) << MessageTexts();

    // No beams to share among: the loads stay as they were, and the user is told.
    d->m_nBeams = 0;
    d->m_nBarrierLoadMode = kLoadVariable;
    d->m_nBarrierDistribution = kBarriersEqual;
    d->m_dBarrierLoad = 0.2;
    d->ComputeCompositeLineLoads();
    EXPECT_EQ(d->m_dBarrierLoad, 0.2);
    EXPECT_TRUE(NearRelative(d->m_dWearingSurfaceLoad, 0.117));
    EXPECT_EQ(host.Messages().size(), 2u) << MessageTexts();
}

TEST_F(LoadEffectsTest, CompositeDeadLoadsOnThreeContinuousSpansByThreeMoments) {
    const auto d = Example(3);
    ASSERT_TRUE(host.Messages().empty()) << MessageTexts();
    // Spans 106, 120, 106 ft, w = 0.167 klf on all. Three-moment equation with M_A = M_D = 0 and
    // M_B = M_C by symmetry: M_B (2 (L1 + L2) + L2) = -w (L1^3 + L2^3) / 4,
    // M_B = -0.167 (1,191,016 + 1,728,000) / 4 / 572 = -213.06 kip-ft.
    const double w = 0.167;
    const double L1 = 106.0, L2 = 120.0;
    const double MB = -w * (L1 * L1 * L1 + L2 * L2 * L2) / 4.0 / (2.0 * (L1 + L2) + L2);
    const double RA = w * L1 / 2.0 + MB / L1;                      // 6.841 kip
    const double RB = w * (L1 + L2) / 2.0 - MB / L1;               // 20.881 kip
    auto M1 = [&](double x) { return RA * x - w * x * x / 2.0; };  // span 1, kip-ft
    const SpanEnvelope& span1 = d->m_aSpanEnvelope1[1];
    EXPECT_TRUE(NearRelative(span1[10][kSpanBarrier], MB, 1e-6));
    EXPECT_TRUE(NearRelative(span1[5][kSpanBarrier], M1(53.0), 1e-6));
    EXPECT_TRUE(NearRelative(d->m_aSpanEnvelope2[1][0][kSpanBarrier], RA, 1e-6));
    EXPECT_TRUE(NearRelative(d->m_aSpanSummary[1][kSpanBarrier], RA, 1e-6));
    EXPECT_TRUE(NearRelative(d->m_aSpanSummary[2][kSpanBarrier], RB, 1e-6));
    // Mid-span of the girder, station 50: X = 52.5 ft in span 1, between tenth points 4 (42.4 ft)
    // and 5 (53 ft): 139.95 + (10.1 / 10.6) (128.03 - 139.95) = 128.59 kip-ft.
    const double expected50 = M1(42.4) + 10.1 / 10.6 * (M1(53.0) - M1(42.4));
    EXPECT_TRUE(NearRelative(d->m_aMoment[50][kCaseBarriers], expected50, 1e-6));
    EXPECT_TRUE(NearRelative(d->m_aShear[0][kCaseBarriers], RA, 1e-6));
    // End records of the current span 1: the support reactions and the end rotations
    // theta_A = -(w L^3 / 24 + M_B L / 6) / EI, EI of the composite section in kip-ft2.
    const double EI = d->m_dBeamEc * 144.0 *
                      d->m_adInertiaAtStation[kStationMidspan][kSectionCaseOverlay] / 20736.0;
    const LoadEffectRecord* end = d->m_aSupportEffect;
    EXPECT_TRUE(NearRelative(end[kSupportLeftReaction][kCaseBarriers], RA, 1e-6));
    EXPECT_TRUE(NearRelative(end[kSupportRightReaction][kCaseBarriers], RB, 1e-6));
    EXPECT_TRUE(NearRelative(end[kSupportLeftRotation][kCaseBarriers],
                             -(w * L1 * L1 * L1 / 24.0 + MB * L1 / 6.0) / EI, 1e-6));
    // The wearing surface is the same load shape: proportional, 0.195 / 0.167.
    EXPECT_TRUE(NearRelative(d->m_aMoment[50][kCaseWearingSurface], expected50 * 0.195 / w, 1e-6));
    // Deflections: none over the support, downward (negative) at mid-span.
    EXPECT_NEAR(d->m_adBarrierDeflection[0][kDeflectionContinuousBeam], 0.0, 1e-12);
    EXPECT_LT(d->m_adBarrierDeflection[50][kDeflectionContinuousBeam], 0.0);
}

TEST_F(LoadEffectsTest, PositiveMomentRegionPicksTheSupportRegionFactors) {
    // 1 klf on spans 106, 120, 106 ft: M_B = -1275.79 kip-ft, R_A = 40.964 kip; span 1 changes
    // sign between tenth points 7 (74.2 ft, +286.7) and 8 (84.8 ft, -121.8), at 81.64 ft by the
    // station rule. Station 77 (80.85 ft) is positive, station 78 (81.9 ft) negative: the region
    // runs from station 0 to 78, and tenth points 8 to 10 (10 t > 78) take the right-hand
    // support factor for negative moment. The zero moment over the end support, which the
    // solver gives as -1e-12 or so, neither opens nor closes the region.
    const auto d = Example(3);
    d->m_adDfMomentLeftRight[kDfLeft] = 2.0;
    d->m_adDfMomentLeftRight[kDfRight] = 3.0;
    // The factors stay as set: the live loads are redone without the distribution stage.
    d->m_bLoadEffectsDirty = 1;
    d->ComputeLoadEffects();
    const double g = d->m_dDfMoment;
    for (int t = 0; t < kSpanTenthPoints; ++t) {
        SCOPED_TRACE("tenth point " + std::to_string(t));
        const double* M = d->m_aSpanEnvelope1[1][t];
        const double IM = M[kSpanGoverningMin] < -0.0001 ? d->m_dImpactNegativeMomentRight
                                                         : d->m_dImpactPositiveMoment;
        const double gn = t >= 8 ? 3.0 : g;
        EXPECT_TRUE(NearRelative(M[kSpanDesignMin],
                                 gn * (M[kSpanLaneMin] + M[kSpanGoverningMin] * (1.0 + IM))));
    }
}

// ---- The stage's frame --------------------------------------------------------------------------

TEST_F(LoadEffectsTest, DirtyFlagKeepsTheLiveLoadsAndNeverTheDeadLoads) {
    const auto d = Example(3);
    EXPECT_EQ(d->m_bLoadEffectsDirty, 0) << "cleared after the first included vehicle";
    const LoadEffectRecord live50 = d->m_aMoment[50];
    const LoadEffectRecord live100 = d->m_aShear[100];

    // A change the input commands would mark, without the mark: the moving-load results stay,
    // the dead loads follow the inputs on every run.
    d->m_recVehicle1.m_dLaneLoad = 0.0;
    d->m_dOtherNonCompositeLoad = 0.5;  // klf
    d->RunAnalysis();
    for (int k :
         {kCaseLiveLoad, kCaseLiveLoadNegative, kCaseLiveLoadGoverning, kCaseLiveLoadConcurrent}) {
        EXPECT_EQ(d->m_aMoment[50][k], live50[k]) << "case " << k;
        EXPECT_EQ(d->m_aShear[100][k], live100[k]) << "case " << k;
    }
    EXPECT_TRUE(NearRelative(d->m_aMoment[50][kCaseOtherNonComposite], 0.5 * 105 * 105 / 8.0));
    d->m_dOtherNonCompositeLoad = 0.0;
    d->RunAnalysis();
    for (int i = 0; i < kStationCount; ++i) ASSERT_EQ(d->m_aMoment[i][kCaseOtherNonComposite], 0.0);

    // With the mark, the lane load is gone from the live load.
    d->m_bLoadEffectsDirty = 1;
    d->RunAnalysis();
    EXPECT_LT(d->m_aMoment[50][kCaseLiveLoad], live50[kCaseLiveLoad] - 100.0);

    // No vehicle included: the flag stays set and the next run tries again.
    d->m_recVehicle1.m_bIncluded = 0;
    d->m_recVehicle2.m_bIncluded = 0;
    d->m_bLoadEffectsDirty = 1;
    d->RunAnalysis();
    EXPECT_EQ(d->m_bLoadEffectsDirty, 1);
    EXPECT_EQ(d->m_aMoment[50][kCaseLiveLoad], 0.0);
}

TEST_F(LoadEffectsTest, SpansThatLeaveTheChainKeepNoLiveLoadOrStaticValues) {
    // Example 3 as a chain of three spans, then of two: the third span's moving-load envelopes,
    // the live-load values of the span tables and the static values of the beam solution are
    // cleared, as for any span the chain never had.
    const auto d = Example(3);
    ASSERT_EQ(d->m_nSpans, 3);
    auto third = [&](const SpanEnvelope* table, int value) {
        double largest = 0.0;
        for (int t = 0; t < kSpanTenthPoints; ++t)
            largest = std::max(largest, std::abs(table[3][t][value]));
        return largest;
    };
    auto thirdMovingLoad = [&] {
        double largest = 0.0;
        for (const MovingLoadEnvelope& table : d->m_aMovingLoadEnvelope)
            for (const auto& point : table[3])
                for (const auto& loadCase : point)
                    largest = std::max(largest, std::abs(loadCase[kMovingLoadValue]));
        return largest;
    };
    ASSERT_GT(thirdMovingLoad(), 0.0);
    ASSERT_GT(third(d->m_aSpanEnvelope5, kSpanDesignMax), 0.0);
    ASSERT_GT(third(d->m_aSpanEnvelope1, kSpanTruckMax), 0.0);
    ASSERT_GT(third(d->m_aSpanEnvelope1, kSpanBarrier), 0.0);
    ASSERT_GT(third(d->m_aSpanEnvelope14, kSpanBarrier), 0.0);

    d->m_nSpans = 2;
    d->m_bLoadEffectsDirty = 1;
    d->RunAnalysis();
    EXPECT_EQ(thirdMovingLoad(), 0.0);
    EXPECT_EQ(third(d->m_aSpanEnvelope5, kSpanDesignMax), 0.0);
    EXPECT_EQ(third(d->m_aSpanEnvelope1, kSpanTruckMax), 0.0);
    EXPECT_EQ(third(d->m_aSpanEnvelope1, kSpanBarrier), 0.0);
    EXPECT_EQ(third(d->m_aSpanEnvelope14, kSpanBarrier), 0.0);
}

TEST_F(LoadEffectsTest, TwoRunsWithoutAChangeGiveTheSameTables) {
    const auto d = Example(3);
    d->m_bFatigueOneTruck = 1;
    d->m_dPedestrianLoad = 0.1;
    d->m_bLoadEffectsDirty = 1;
    d->RunAnalysis();
    std::vector<LoadEffectRecord> moment(d->m_aMoment, d->m_aMoment + kStationCount);
    std::vector<LoadEffectRecord> shear(d->m_aShear, d->m_aShear + kStationCount);
    std::vector<LoadEffectRecord> ends(d->m_aSupportEffect,
                                       d->m_aSupportEffect + kSupportEffectRecords);
    ASSERT_NE(moment[50][kCaseFatigue], 0.0);
    d->RunAnalysis();
    for (int i = 0; i < kStationCount; ++i) {
        ASSERT_EQ(d->m_aMoment[i], moment[static_cast<size_t>(i)]) << "station " << i;
        ASSERT_EQ(d->m_aShear[i], shear[static_cast<size_t>(i)]) << "station " << i;
    }
    for (int r = 0; r < kSupportEffectRecords; ++r) {
        EXPECT_EQ(d->m_aSupportEffect[r], ends[static_cast<size_t>(r)]) << "record " << r;
    }
}

TEST_F(LoadEffectsTest, EveryTableIsFiniteForEveryExample) {
    for (int n = 1; n <= 4; ++n) {
        SCOPED_TRACE("example " + std::to_string(n));
        host.ClearMessages();
        const auto d = Example(n);
        EXPECT_TRUE(host.Messages().empty()) << MessageTexts();
        auto finite = [](const double* v, int count) {
            for (int k = 0; k < count; ++k) {
                if (!std::isfinite(v[k])) return false;
            }
            return true;
        };
        for (int i = 0; i < kStationCount; ++i) {
            ASSERT_TRUE(finite(d->m_aMoment[i].m_adValue, kLoadEffectFields)) << "station " << i;
            ASSERT_TRUE(finite(d->m_aShear[i].m_adValue, kLoadEffectFields)) << "station " << i;
            ASSERT_TRUE(finite(d->m_aLoadEffect3[i].m_adValue, kLoadEffectFields));
            for (auto* envelope : {d->m_aVehicle1Moment, d->m_aVehicle1Shear, d->m_aVehicle2Moment,
                                   d->m_aVehicle2Shear}) {
                ASSERT_TRUE(finite(envelope[i], kVehicleEnvelopeEntries)) << "station " << i;
            }
            for (auto* deflection : {d->m_adBarrierDeflection, d->m_adFwsDeflection,
                                     d->m_adOtherCompositeDeflection}) {
                ASSERT_TRUE(finite(deflection[i], kCompositeDeflectionColumns));
            }
        }
        for (const LoadEffectRecord& r : d->m_aSupportEffect) {
            ASSERT_TRUE(finite(r.m_adValue, kLoadEffectFields));
        }
        for (const SpanEnvelope* table :
             {d->m_aSpanEnvelope1, d->m_aSpanEnvelope2, d->m_aSpanEnvelope3, d->m_aSpanEnvelope4,
              d->m_aSpanEnvelope5, d->m_aSpanEnvelope9, d->m_aSpanEnvelope13,
              d->m_aSpanEnvelope14}) {
            for (int p = 1; p <= d->m_nSpans; ++p) {
                ASSERT_TRUE(finite(&table[p][0][0], kSpanTenthPoints * kSpanEnvelopeValues));
            }
        }
        ASSERT_TRUE(finite(&d->m_aSpanSummary[0][0], kMaxSupportSlots * kSpanEnvelopeValues));
        // Loads are on every example: the girder weight and the design live load at mid-span.
        EXPECT_GT(d->m_aMoment[50][kCaseGirder], 0.0);
        EXPECT_GT(d->m_aMoment[50][kCaseLiveLoad], 0.0);
    }
}

TEST_F(LoadEffectsTest, LoadsThatAreNotNumbersAreSaidAndSetToZero) {
    const auto d = Example(3);
    host.ClearMessages();
    d->m_dOtherNonCompositeLoad = std::nan("");
    d->RunAnalysis();
    EXPECT_FALSE(host.Messages().empty());
    for (int i = 0; i < kStationCount; ++i) {
        ASSERT_EQ(d->m_aMoment[i][kCaseOtherNonComposite], 0.0) << "station " << i;
    }
}

TEST_F(LoadEffectsTest, CurrentSpanOutsideTheChainIsSaid) {
    const auto d = Example(3);
    host.ClearMessages();
    d->m_nCurrentSpan = 4;  // of 3
    d->m_bLoadEffectsDirty = 1;
    d->ComputeLoadEffects();
    ASSERT_FALSE(host.Messages().empty());
    EXPECT_NE(host.Messages()[0].text.find("current span 4"), std::string::npos);
    EXPECT_EQ(d->m_aMoment[50][kCaseBarriers], 0.0);
    EXPECT_EQ(d->m_aMoment[50][kCaseLiveLoad], 0.0);
    EXPECT_GT(d->m_aMoment[50][kCaseGirder], 0.0) << "the girder alone does not need the span";
}

}  // namespace
}  // namespace kordel::test

// The continuous-beam model against hand calculations: uniform loads on one, two and three equal
// spans (beam tables, AISC Manual Table 3-23 and 3-26 to 3-28), a single axle's influence lines
// on two spans by the three-moment equation (reactions and pier moment), design vehicles on a
// simple span by influence lines, the lane loads, the code trains and their rules, the
// superposition of unit solutions against one frame solution per placement, a 20-span chain, and
// inputs the model cannot take.
#include "engine/liveload/continuous_beam.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <initializer_list>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "test_support.h"

namespace kordel::test {
namespace {

// A prestressed girder with its deck, as the section tables hold it.
constexpr double kAreaIn2 = 1008.0;       // in2 = 7 ft2
constexpr double kInertiaIn4 = 995328.0;  // in4 = 48 ft4
constexpr double kEcKsi = 4000.0;         // ksi = 576,000 ksf
constexpr double kEI = 576000.0 * 48.0;   // kip-ft2 = 27,648,000

constexpr int kMid = 50;  // station whose section the model takes

LiveLoadVehicle NoVehicle(const std::string& name = "TEST") {
    LiveLoadVehicle v;
    v.m_strName = name;
    v.m_nCombination = kCombineTruckOrTandemPlusLane;
    v.m_dMultiplier = 1.0;
    v.m_bIncluded = 1;
    return v;
}

/// A vehicle of the given axles (weight kip; minimum and maximum spacing to the next axle, ft).
LiveLoadVehicle AxleVehicle(std::initializer_list<VehicleAxle> axles,
                            const std::string& name = "TEST") {
    LiveLoadVehicle v = NoVehicle(name);
    for (const VehicleAxle& a : axles) v.m_aAxles[v.m_nAxleCount++] = a;
    return v;
}

/// AASHTO LRFD 6th ed. Art. 3.6.1.2: design truck 8, 32, 32 kip at 14 ft and 14 to 30 ft,
/// tandem 2 x 25 kip at 4 ft, lane 0.64 klf.
LiveLoadVehicle Hl93() {
    LiveLoadVehicle v = AxleVehicle({{8, 14, 14}, {32, 14, 30}, {32, 0, 0}}, "HL-93");
    v.m_dLaneLoad = 0.64;
    v.m_bIncludeTandem = 1;
    v.m_dTandemAxle1 = 25;
    v.m_dTandemAxle2 = 25;
    v.m_dTandemSpacing = 4;
    return v;
}

/// Two equal spans L, load P at `a` from the left end (0 <= a <= 2L). Three-moment equation with
/// the end moments 0: 4 L M_B = -P a (L^2 - a^2) / L for a load in span 1 (a measured from the
/// far support), the same with b = 2L - a in span 2.
double TwoSpanPierMoment(double L, double P, double a) {
    const double b = a <= L ? a : 2 * L - a;
    return -P * b * (L * L - b * b) / (4 * L * L);
}

/// Moment at x in span 1 (x <= L) of two equal spans under P at a (span 1 or 2), by statics of
/// span 1 with the pier moment: R_A = (M_B + P (L - a)) / L for a in span 1, M_B / L otherwise.
double TwoSpanMomentInSpan1(double L, double P, double a, double x) {
    const double MB = TwoSpanPierMoment(L, P, a);
    if (a > L) return MB * x / L;
    const double RA = (MB + P * (L - a)) / L;
    return RA * x - (x > a ? P * (x - a) : 0.0);
}

class ContinuousBeamTest : public EngineTest {
  protected:
    /// A chain of the given span lengths (ft) with the section above, LRFD, no vehicle loads.
    std::unique_ptr<CKordelDoc> Chain(std::initializer_list<double> spans) {
        auto d = NewDoc();
        d->m_nSpans = static_cast<int>(spans.size());
        int p = 0;
        for (double L : spans) d->m_adSpanLength[++p] = L;
        d->m_bContinuous = d->m_nSpans > 1 ? 1 : 0;
        d->m_nSpecification = kSpecLrfd;
        d->m_adAreaAtStation[kMid][kSectionCaseOverlay] = kAreaIn2;
        d->m_adInertiaAtStation[kMid][kSectionCaseOverlay] = kInertiaIn4;
        d->m_dBeamEc = kEcKsi;
        d->m_recCurrentVehicle = NoVehicle();
        d->m_bFatigueTruckPending = 0;
        d->m_bCheckLowboy = 0;
        d->m_bIncreasedDoubleTruck = 0;
        return d;
    }

    static double Env(const CKordelDoc& d, int table, int span, int t, int loadCase) {
        return d.m_aMovingLoadEnvelope[table][span][t][loadCase][kMovingLoadValue];
    }
    static double Reaction(const CKordelDoc& d, int support, int bound, int loadCase) {
        return d.m_aFrameSupportEnvelope[support][bound][loadCase];
    }
    /// Beam moment (sagging positive) and shear at tenth point t of span p of the last static
    /// solution, by the tenth-point rule.
    static double StaticMoment(const CKordelDoc& d, int p, int t) {
        const int c = 10 * (p - 1) + t + 1;
        return t < 10 ? d.m_aFrameEndMoment[c][kAtStart] : -d.m_aFrameEndMoment[c - 1][kAtEnd];
    }
    static double StaticShear(const CKordelDoc& d, int p, int t) {
        const int c = 10 * (p - 1) + t + 1;
        return t < 10 ? d.m_aFrameEndShear[c][kAtStart] : -d.m_aFrameEndShear[c - 1][kAtEnd];
    }

    /// Every table and reaction of the moving-load envelopes is 0.
    static bool EnvelopesZero(const CKordelDoc& d) {
        const double* e = &d.m_aMovingLoadEnvelope[0][0][0][0][0];
        const double* s = &d.m_aFrameSupportEnvelope[0][0][0];
        const size_t ne = sizeof d.m_aMovingLoadEnvelope / sizeof(double);
        const size_t ns = sizeof d.m_aFrameSupportEnvelope / sizeof(double);
        for (size_t i = 0; i < ne; ++i)
            if (e[i] != 0.0) return false;
        for (size_t i = 0; i < ns; ++i)
            if (s[i] != 0.0) return false;
        return true;
    }

    /// Every value of one case is 0 in the listed tables.
    static bool CaseZero(const CKordelDoc& d, int loadCase, std::initializer_list<int> tables) {
        for (int table : tables)
            for (int p = 0; p < kMaxSpanSlots; ++p)
                for (int t = 0; t < kSpanTenthPoints; ++t)
                    if (Env(d, table, p, t, loadCase) != 0.0) return false;
        return true;
    }
};

constexpr std::initializer_list<int> kAllTables = {
    kEnvMaxMoment,        kEnvMinMoment,        kEnvMaxShear,         kEnvMinShear,
    kEnvMomentAtMaxShear, kEnvMomentAtMinShear, kEnvShearAtMaxMoment, kEnvShearAtMinMoment,
    kEnvMaxDeflection,    kEnvMinDeflection,    kEnvMaxRotation,      kEnvMinRotation};

// ---- Static uniform load ------------------------------------------------------------------------

struct StaticCase {
    const char* name;
    std::initializer_list<double> spans;  // ft
    double w;                             // klf
    struct Point {
        int span, tenth;
        double moment;  // kip-ft
        double shear;   // kip
    };
    std::vector<Point> points;
    std::vector<double> reactions;  // kip, supports 1, 2, ...
};

TEST_F(ContinuousBeamTest, UniformLoadMatchesBeamTables) {
    const StaticCase cases[] = {
        // Simple span, L = 100 ft, w = 2 klf: R = wL/2 = 100; M(x) = w x (L - x) / 2:
        // M(40) = 2 * 40 * 60 / 2 = 2400, M(50) = wL^2/8 = 2500; V(40) = w (L/2 - x) = 20.
        {"one span",
         {100.0},
         2.0,
         {{1, 0, 0.0, 100.0}, {1, 4, 2400.0, 20.0}, {1, 5, 2500.0, 0.0}, {1, 10, 0.0, -100.0}},
         {100.0, 100.0}},
        // Two equal spans (AISC Table 3-27 case 29): M_B = -wL^2/8 = -2500, R_A = 3wL/8 = 75,
        // R_B = 10wL/8 = 250; M(40) = 75 * 40 - 2 * 40^2 / 2 = 1400; V just left of B =
        // 75 - 200 = -125, just right of B = +125.
        {"two spans",
         {100.0, 100.0},
         2.0,
         {{1, 4, 1400.0, -5.0}, {1, 10, -2500.0, -125.0}, {2, 0, -2500.0, 125.0}},
         {75.0, 250.0, 75.0}},
        // Three equal spans (AISC Table 3-28 case 30), w = 1 klf, L = 100 ft: M_B = M_C = -0.1
        // wL^2 = -1000, R = 0.4, 1.1, 1.1, 0.4 wL; mid-span of the centre span -1000 + wL^2/8 =
        // 250; M(40) in span 1 = 40 * 40 - 40^2 / 2 = 800, V(40) = 40 - 40 = 0.
        {"three spans",
         {100.0, 100.0, 100.0},
         1.0,
         {{1, 4, 800.0, 0.0}, {1, 10, -1000.0, -60.0}, {2, 5, 250.0, 0.0}, {3, 0, -1000.0, 60.0}},
         {40.0, 110.0, 110.0, 40.0}},
    };
    for (const StaticCase& c : cases) {
        SCOPED_TRACE(c.name);
        auto d = Chain(c.spans);
        d->AnalyzeContinuousBeam(kBeamStaticLoad, c.w);
        ASSERT_FALSE(d->m_bFrameSolveFailed);
        EXPECT_EQ(d->m_nFrameNodes, 10 * d->m_nSpans + 1);
        EXPECT_EQ(d->m_nFrameMembers, 10 * d->m_nSpans);
        EXPECT_EQ(d->m_nFrameSupports, d->m_nSpans + 1);
        for (const auto& pt : c.points) {
            EXPECT_NEAR(StaticMoment(*d, pt.span, pt.tenth), pt.moment, 1e-6)
                << "moment at span " << pt.span << " tenth point " << pt.tenth;
            EXPECT_NEAR(StaticShear(*d, pt.span, pt.tenth), pt.shear, 1e-6)
                << "shear at span " << pt.span << " tenth point " << pt.tenth;
        }
        for (size_t k = 0; k < c.reactions.size(); ++k) {
            EXPECT_NEAR(d->m_aFrameReaction[k + 1][kReactionY], c.reactions[k], 1e-6)
                << "reaction of support " << k + 1;
        }
        EXPECT_TRUE(host.Messages().empty());
    }
}

TEST_F(ContinuousBeamTest, UniformLoadDeflectionUsesTheCompositeSectionInFeet) {
    // Simple span, 5 w L^4 / (384 E I) = 5 * 2 * 100^4 / (384 * 27,648,000) = 0.0941840 ft down;
    // end rotation w L^3 / (24 E I) = 2 * 10^6 / (24 * 27,648,000) = 0.00301408 rad, clockwise
    // (negative) at the left end.
    auto d = Chain({100.0});
    d->AnalyzeContinuousBeam(kBeamStaticLoad, 2.0);
    EXPECT_NEAR(d->m_aFrameDisplacement[6][kFrameDirY], -5 * 2 * 1e8 / (384 * kEI), 1e-10);
    EXPECT_NEAR(d->m_aFrameDisplacement[1][kFrameDirRotation], -2 * 1e6 / (24 * kEI), 1e-12);
    EXPECT_NEAR(d->m_aFrameMember[1][kMemberModulus], 576000.0, 1e-9);
    EXPECT_NEAR(d->m_aFrameMember[1][kMemberArea], 7.0, 1e-12);
    EXPECT_NEAR(d->m_aFrameMember[1][kMemberInertia], 48.0, 1e-12);
}

// ---- A single axle: influence lines ------------------------------------------------------------

TEST_F(ContinuousBeamTest, SingleAxleOnTwoSpansFollowsTheThreeMomentEquation) {
    // P = 10 kip, L = 100 ft. Axles stand 0.001 ft right and left of every node.
    const double L = 100.0, P = 10.0, d0 = 0.001;
    auto d = Chain({L, L});
    d->m_recCurrentVehicle = AxleVehicle({{P, 0, 0}});
    d->AnalyzeContinuousBeam(kBeamMovingLoads, 0.0);
    ASSERT_FALSE(d->m_bFrameSolveFailed);

    // Pier moment: -P a (L^2 - a^2) / (4 L^2) is largest at a = L / sqrt(3) = 57.7 ft; of the
    // placements, a = 60 - 0.001 ft (toward the peak) gives
    // -59.999 (100^2 - 59.999^2) / 40000 P = -9.60002 P = -96.0002 kip-ft.
    const double pier = TwoSpanPierMoment(L, P, 60.0 - d0);
    EXPECT_NEAR(pier, -96.0002, 1e-4);
    EXPECT_NEAR(Env(*d, kEnvMinMoment, 1, 10, kMovingTruck), pier, 1e-9);
    EXPECT_NEAR(Env(*d, kEnvMinMoment, 2, 0, kMovingTruck), pier, 1e-9);
    EXPECT_NEAR(Env(*d, kEnvMaxMoment, 1, 10, kMovingTruck), 0.0, 1e-9);

    // Moment at 0.4 L: the influence line peaks with the axle on the point; the placements give
    // the better of 40.001 and 39.999 ft. Its least value comes from span 2, with the axle
    // 59.999 ft from the far end (a = 140.001 ft).
    const double atPoint = std::max(TwoSpanMomentInSpan1(L, P, 40.0 + d0, 40.0),
                                    TwoSpanMomentInSpan1(L, P, 40.0 - d0, 40.0));
    EXPECT_NEAR(atPoint, 206.4, 0.01);  // 40 R_A, R_A = 0.6 P (1 - 40 * 140 / 40000) = 5.16
    EXPECT_NEAR(Env(*d, kEnvMaxMoment, 1, 4, kMovingTruck), atPoint, 1e-9);
    EXPECT_NEAR(Env(*d, kEnvMinMoment, 1, 4, kMovingTruck),
                TwoSpanMomentInSpan1(L, P, 140.0 + d0, 40.0), 1e-9);

    // Reactions. End support: largest just right of it, R_A = (M_B + P (L - a)) / L with
    // a = 0.001; least with the axle in span 2, R_A = M_B / L. Pier: the axle just beside it.
    const double RAmax = (TwoSpanPierMoment(L, P, d0) + P * (L - d0)) / L;
    EXPECT_NEAR(Reaction(*d, 1, kReactionBoundMax, kMovingTruck), RAmax, 1e-9);
    EXPECT_NEAR(Reaction(*d, 1, kReactionBoundMin, kMovingTruck),
                TwoSpanPierMoment(L, P, 140.0 + d0) / L, 1e-9);
    const double a = L - d0;  // just left of the pier
    const double RA = (TwoSpanPierMoment(L, P, a) + P * (L - a)) / L;
    const double RC = TwoSpanPierMoment(L, P, a) / L;
    EXPECT_NEAR(Reaction(*d, 2, kReactionBoundMax, kMovingTruck), P - RA - RC, 1e-9);
    EXPECT_LE(Reaction(*d, 2, kReactionBoundMax, kMovingTruck), P);
    EXPECT_NEAR(Reaction(*d, 3, kReactionBoundMax, kMovingTruck), RAmax, 1e-9);  // symmetry

    // Shear just right of the end support is the end reaction.
    EXPECT_NEAR(Env(*d, kEnvMaxShear, 1, 0, kMovingTruck), RAmax, 1e-9);

    // No lane load, tandem or code train: those cases stay 0.
    for (int c : {kMovingLane, kMovingTwoTrucks, kMovingTandem, kMovingLowboy, kMovingFatigue})
        EXPECT_TRUE(CaseZero(*d, c, kAllTables)) << "case " << c;
}

TEST_F(ContinuousBeamTest, SuperposedPlacementsEqualOneFrameSolutionEach) {
    // One axle on three unequal spans, enveloped here from a frame solution per placement (the
    // axle as a member load, axle on node n at +-0.001 ft), against the superposed envelope.
    const double P = 12.0;  // kip
    auto d = Chain({70.0, 95.0, 60.0});
    d->m_recCurrentVehicle = AxleVehicle({{P, 0, 0}});
    d->AnalyzeContinuousBeam(kBeamMovingLoads, 0.0);
    ASSERT_FALSE(d->m_bFrameSolveFailed);

    auto superposed = CKordelDoc::CreateObject();
    static_cast<ContinuityResults&>(*superposed) = *d;  // keep the envelopes
    d->AnalyzeContinuousBeam(kBeamStaticLoad, 0.0);     // the bare model again

    const int spans = 3, points = 33;
    std::vector<double> maxM(points, 0), minM(points, 0), maxV(points, 0), minV(points, 0),
        maxD(points, 0), minD(points, 0), maxR(points, 0), minR(points, 0);
    std::vector<double> maxReaction(5, 0), minReaction(5, 0);
    const double total = 225.0;
    for (double offset : {0.001, -0.001}) {
        for (int n = 1; n <= d->m_nFrameNodes; ++n) {
            const double x = d->m_aFrameNode[n][kNodeX] + offset;
            if (x < 0 || x > total) continue;
            int c = 1;
            while (c < d->m_nFrameMembers && d->m_aFrameNode[c + 1][kNodeX] <= x) ++c;
            d->m_nFrameMemberLoads = 1;
            double* load = d->m_aFrameMemberLoad[1];
            load[kMemberLoadStartNode] = c;
            load[kMemberLoadEndNode] = c + 1;
            load[kMemberLoadType] = kMemberLoadConcentrated;
            load[kMemberLoadValue] = -P;
            load[kMemberLoadDistance] = x - d->m_aFrameNode[c][kNodeX];
            d->SolveFrame();
            ASSERT_FALSE(d->m_bFrameSolveFailed);
            for (int p = 1; p <= spans; ++p) {
                for (int t = 0; t <= 10; ++t) {
                    const int q = 11 * (p - 1) + t;
                    const int node = 10 * (p - 1) + t + 1;
                    // Shears on both sides of the tenth point: just right from the member
                    // that starts there, just left from the one that ends there.
                    const double M = StaticMoment(*d, p, t), V = StaticShear(*d, p, t);
                    const double VL =
                        t == 0 || t == 10 ? V : -d->m_aFrameEndShear[node - 1][kAtEnd];
                    const double D = d->m_aFrameDisplacement[node][kFrameDirY];
                    const double R = d->m_aFrameDisplacement[node][kFrameDirRotation];
                    maxM[q] = std::max(maxM[q], M), minM[q] = std::min(minM[q], M);
                    maxV[q] = std::max({maxV[q], V, VL}), minV[q] = std::min({minV[q], V, VL});
                    maxD[q] = std::max(maxD[q], D), minD[q] = std::min(minD[q], D);
                    maxR[q] = std::max(maxR[q], R), minR[q] = std::min(minR[q], R);
                }
            }
            for (int k = 1; k <= 4; ++k) {
                maxReaction[k] = std::max(maxReaction[k], d->m_aFrameReaction[k][kReactionY]);
                minReaction[k] = std::min(minReaction[k], d->m_aFrameReaction[k][kReactionY]);
            }
        }
    }
    const CKordelDoc& e = *superposed;
    for (int p = 1; p <= spans; ++p) {
        for (int t = 0; t <= 10; ++t) {
            SCOPED_TRACE(testing::Message() << "span " << p << " tenth point " << t);
            const int q = 11 * (p - 1) + t;
            EXPECT_NEAR(Env(e, kEnvMaxMoment, p, t, kMovingTruck), maxM[q], 1e-8);
            EXPECT_NEAR(Env(e, kEnvMinMoment, p, t, kMovingTruck), minM[q], 1e-8);
            EXPECT_NEAR(Env(e, kEnvMaxShear, p, t, kMovingTruck), maxV[q], 1e-9);
            EXPECT_NEAR(Env(e, kEnvMinShear, p, t, kMovingTruck), minV[q], 1e-9);
            EXPECT_NEAR(Env(e, kEnvMaxDeflection, p, t, kMovingTruck), maxD[q], 1e-14);
            EXPECT_NEAR(Env(e, kEnvMinDeflection, p, t, kMovingTruck), minD[q], 1e-14);
            EXPECT_NEAR(Env(e, kEnvMaxRotation, p, t, kMovingTruck), maxR[q], 1e-15);
            EXPECT_NEAR(Env(e, kEnvMinRotation, p, t, kMovingTruck), minR[q], 1e-15);
        }
    }
    for (int k = 1; k <= 4; ++k) {
        EXPECT_NEAR(Reaction(e, k, kReactionBoundMax, kMovingTruck), maxReaction[k], 1e-9) << k;
        EXPECT_NEAR(Reaction(e, k, kReactionBoundMin, kMovingTruck), minReaction[k], 1e-9) << k;
    }
}

// ---- Design vehicles on a simple span -----------------------------------------------------------

struct VehicleCase {
    const char* name;
    std::function<void(CKordelDoc&)> setUp;
    int table, tenth, loadCase;
    double expected;
};

TEST_F(ContinuousBeamTest, DesignVehiclesOnASimpleSpanMatchInfluenceLines) {
    // One span of L = 100 ft; midspan moment influence line x (L - x) / L peaks at 25 ft.
    auto hl93 = [](CKordelDoc& d) { d.m_recCurrentVehicle = Hl93(); };
    const VehicleCase cases[] = {
        // Truck 8-32-32 at 14 ft with the middle axle on mid-span: 32 * 25 + (32 + 8) * 36 / 2
        // = 1520. Of the placements, the middle axle 0.001 ft past mid-span toward the 8-kip
        // axle: the 32-kip axles lose and gain 32 * 0.001 / 2 each, the 8-kip axle loses
        // 8 * 0.001 / 2: 1519.996.
        {"truck, mid-span moment", hl93, kEnvMaxMoment, 5, kMovingTruck, 1519.996},
        // Rear axle 0.001 ft right of the left support, the others 14 and 28 ft further:
        // (32 * 99.999 + 32 * 85.999 + 8 * 71.999) / 100 = 65.27928.
        {"truck, end shear", hl93, kEnvMaxShear, 0, kMovingTruck, 65.27928},
        // Shear just left of the right support, the mirror image.
        {"truck, shear at the right end", hl93, kEnvMinShear, 10, kMovingTruck, -65.27928},
        // Tandem 0.001 ft beside the nodes: one axle at 50.001, the other at 46.001 ft:
        // 25 * (25 - 0.0005) + 25 * (23 + 0.0005) = 1200.
        {"tandem, mid-span moment", hl93, kEnvMaxMoment, 5, kMovingTandem, 1200.0},
        // Rear axle 0.001 ft into the span: 25 * (99.999 + 95.999) / 100 = 48.9995.
        {"tandem, end shear", hl93, kEnvMaxShear, 0, kMovingTandem, 48.9995},
        // Shear at 0.7 L with both axles just left of it (69.999 and 65.999 ft):
        // -25 * (69.999 + 65.999) / 100 = -33.9995. Axles on the nodes alone would find only
        // -25 * (64 + 60) / 100 = -31: an axle on the node counts into the shear left of it.
        {"tandem, shear with the axles left of the point", hl93, kEnvMinShear, 7, kMovingTandem,
         -33.9995},
        // Fatigue truck 8-32-32 at 14 and 30 ft (AASHTO LRFD Art. 3.6.1.4.1), 32-kip axle at
        // mid-span: 8 * (100 - 64) / 2 + 32 * 25 + 32 * 20 / 2 = 144 + 800 + 320 = 1264; 0.001 ft
        // past it toward the 8-kip axle: 1264 - 8 * 0.001 / 2 = 1263.996.
        {"fatigue truck, mid-span moment",
         [](CKordelDoc& d) {
             d.m_recCurrentVehicle = Hl93();
             d.m_bFatigueTruckPending = 1;
         },
         kEnvMaxMoment, 5, kMovingFatigue, 1263.996},
        // Uniform lane load over the whole span: 0.64 * 100^2 / 8 = 800 (every member adds).
        {"lane load, mid-span moment", hl93, kEnvMaxMoment, 5, kMovingLane, 800.0},
    };
    for (const VehicleCase& c : cases) {
        SCOPED_TRACE(c.name);
        auto d = Chain({100.0});
        c.setUp(*d);
        d->AnalyzeContinuousBeam(kBeamMovingLoads, 0.0);
        EXPECT_NEAR(Env(*d, c.table, 1, c.tenth, c.loadCase), c.expected, 1e-6);
    }
}

TEST_F(ContinuousBeamTest, SimpleSpanGetsNoNegativeMomentAndNoCodeTrains) {
    auto d = Chain({100.0});
    d->m_recCurrentVehicle = Hl93();
    d->m_bFatigueTruckPending = 1;
    d->m_bCheckLowboy = 1;
    d->AnalyzeContinuousBeam(kBeamMovingLoads, 0.0);
    for (int t = 0; t <= 10; ++t) {
        EXPECT_NEAR(Env(*d, kEnvMinMoment, 1, t, kMovingTruck), 0.0, 1e-9) << t;
        EXPECT_NEAR(Env(*d, kEnvMinMoment, 1, t, kMovingLane), 0.0, 1e-9) << t;
    }
    // Not continuous: no two trucks. Lowboy and fatigue reactions are kept for interior
    // supports only, and a simple span has none.
    EXPECT_TRUE(CaseZero(*d, kMovingTwoTrucks, kAllTables));
    for (int k = 1; k <= 2; ++k) {
        for (int c : {kMovingTwoTrucks, kMovingLowboy, kMovingFatigue}) {
            EXPECT_EQ(Reaction(*d, k, kReactionBoundMax, c), 0.0) << k << " " << c;
            EXPECT_EQ(Reaction(*d, k, kReactionBoundMin, c), 0.0) << k << " " << c;
        }
    }
}

TEST_F(ContinuousBeamTest, TruckLongerThanTheBridgeLoadsOnlyTheAxlesOnIt) {
    // L = 10 ft, axles at least 14 ft apart: one 32-kip axle at a time,
    // 32 * (10 / 4 - 0.001 / 2) = 79.984.
    auto d = Chain({10.0});
    d->m_recCurrentVehicle = Hl93();
    d->AnalyzeContinuousBeam(kBeamMovingLoads, 0.0);
    EXPECT_NEAR(Env(*d, kEnvMaxMoment, 1, 5, kMovingTruck), 79.984, 1e-9);
    EXPECT_NEAR(Reaction(*d, 1, kReactionBoundMax, kMovingTruck), 32.0 * 9.999 / 10.0, 1e-9);
}

// ---- Axle trains --------------------------------------------------------------------------------

TEST_F(ContinuousBeamTest, AxleTrainsKeepEachGapBetweenItsAxles) {
    // Axles 10, 20, 30 kip; gap 5 to 9 ft between the first two, 7 ft between the last two.
    const LiveLoadVehicle v = AxleVehicle({{10, 5, 9}, {20, 7, 7}, {30, 0, 0}});
    const AxleTrain forward = VehicleAxleTrain(v, false);
    const AxleTrain reversed = VehicleAxleTrain(v, true);
    ASSERT_EQ(forward.count, 3);
    ASSERT_EQ(reversed.count, 3);
    const double fw[] = {10, 20, 30}, fg[] = {5, 7}, fs[] = {2, 0};  // step (9 - 5) / 2
    const double rw[] = {30, 20, 10}, rg[] = {7, 5}, rs[] = {0, 2};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(forward.weight[i], fw[i]) << i;
        EXPECT_EQ(reversed.weight[i], rw[i]) << i;
    }
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(forward.gap[i], fg[i]) << i;
        EXPECT_EQ(forward.step[i], fs[i]) << i;
        EXPECT_EQ(reversed.gap[i], rg[i]) << i;
        EXPECT_EQ(reversed.step[i], rs[i]) << i;
    }
}

TEST_F(ContinuousBeamTest, VariableGapEnvelopesTheMinimumMiddleAndMaximumSpacing) {
    // Two 10-kip axles 10 to 30 ft apart give, point by point, the extremes of the same axles at
    // a fixed 10, 20 and 30 ft. On three 10-ft spans only the 20-ft gap puts an axle in each
    // outer span together, for the least moment in the middle span.
    auto run = [&](double minGap, double maxGap) {
        auto d = Chain({10.0, 10.0, 10.0});
        d->m_recCurrentVehicle = AxleVehicle({{10, minGap, maxGap}, {10, 0, 0}});
        d->AnalyzeContinuousBeam(kBeamMovingLoads, 0.0);
        return d;
    };
    auto variable = run(10, 30);
    auto g10 = run(10, 10), g20 = run(20, 20), g30 = run(30, 30);
    bool middleMatters = false;
    for (int p = 1; p <= 3; ++p) {
        for (int t = 0; t <= 10; ++t) {
            SCOPED_TRACE(testing::Message() << "span " << p << " tenth point " << t);
            for (int table : {kEnvMaxMoment, kEnvMaxShear, kEnvMaxDeflection, kEnvMaxRotation}) {
                const double best = std::max({Env(*g10, table, p, t, kMovingTruck),
                                              Env(*g20, table, p, t, kMovingTruck),
                                              Env(*g30, table, p, t, kMovingTruck)});
                EXPECT_NEAR(Env(*variable, table, p, t, kMovingTruck), best, 1e-9) << table;
            }
            for (int table : {kEnvMinMoment, kEnvMinShear, kEnvMinDeflection, kEnvMinRotation}) {
                const double m10 = Env(*g10, table, p, t, kMovingTruck);
                const double m20 = Env(*g20, table, p, t, kMovingTruck);
                const double m30 = Env(*g30, table, p, t, kMovingTruck);
                EXPECT_NEAR(Env(*variable, table, p, t, kMovingTruck), std::min({m10, m20, m30}),
                            1e-9)
                    << table;
                if (m20 < std::min(m10, m30) - 1e-6) middleMatters = true;
            }
        }
    }
    EXPECT_TRUE(middleMatters) << "the middle spacing governs nowhere: the test proves little";
}

TEST(TwoTruckFactor, RisesFromNinetyToOneHundredTenPercentWithTheIncreasedOption) {
    struct Case {
        bool increased;
        double Lmax;  // ft
        double f;
    } const cases[] = {
        {false, 250, 0.90}, {true, 80, 0.90},
        {true, 100, 0.90},  {true, 150, 1.00},  // 0.9 + 0.2 * 50 / 100
        {true, 200, 1.10},  {true, 250, 1.10},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(TwoTruckFactor(c.increased, c.Lmax), c.f, 1e-12)
            << "increased " << c.increased << ", longest span " << c.Lmax;
    }
}

/// Least pier moment of two equal spans under a train standing with one axle on a node (no
/// offset), over all nodes, axles and the given trains, by the three-moment equation.
double LeastPierMoment(double L, const std::vector<std::vector<double>>& weights,
                       const std::vector<std::vector<double>>& gaps) {
    double least = 0.0;
    for (size_t s = 0; s < weights.size(); ++s) {
        const std::vector<double>& w = weights[s];
        std::vector<double> behind(w.size(), 0.0);
        for (size_t g = 1; g < w.size(); ++g) behind[g] = behind[g - 1] + gaps[s][g - 1];
        for (int n = 0; n <= 20; ++n) {
            for (size_t f = 0; f < w.size(); ++f) {
                double M = 0.0;
                for (size_t g = 0; g < w.size(); ++g) {
                    const double x = L * n / 10.0 + behind[f] - behind[g];
                    if (x >= 0 && x <= 2 * L) M += TwoSpanPierMoment(L, w[g], x);
                }
                least = std::min(least, M);
            }
        }
    }
    return least;
}

/// Pier of two equal spans L under two trucks of axles 8 f, 32 f, 32 f kip at 14 ft, both heading
/// the same way, from the rear axle of the one ahead to the lead axle of the one behind 50 ft to
/// the longest span (at least 100 ft), each truck's lead axle on every `step` ft from the left
/// end: the three-moment equation for one truck at each position, the sum for every pair within
/// those headways. For a load P at a on span 1, R_A = (M_B + P (L - a)) / L and R_C = M_B / L by
/// statics of each span, R_B = P - R_A - R_C (span 2 the mirror image); the shear just left of
/// the pier is R_A less the loads on span 1 (a load on the pier is not on span 1).
struct TwoTruckPier {
    double M;  // least moment, kip-ft
    double V;  // shear just left of the pier with it, kip
    double R;  // largest reaction, kip
};
TwoTruckPier TwoTrucksOverThePier(double L, double f, double step) {
    const std::pair<double, double> axles[] = {{8.0 * f, 0.0}, {32.0 * f, 14.0}, {32.0 * f, 28.0}};
    auto reaction = [L](double P, double a) {
        const double b = a <= L ? a : 2 * L - a;  // from the far support
        const double MB = TwoSpanPierMoment(L, P, a);
        return P - (MB + P * (L - b)) / L - MB / L;
    };
    std::vector<double> lead, truckM, truckR;  // lead axle ft; one truck's M_B kip-ft, R_B kip
    for (int i = 0; step * i <= 2 * L + 28; ++i) {
        lead.push_back(step * i);
        double M = 0.0, R = 0.0;
        for (auto [w, behind] : axles) {
            const double x = step * i - behind;
            if (x >= 0 && x <= 2 * L) M += TwoSpanPierMoment(L, w, x), R += reaction(w, x);
        }
        truckM.push_back(M);
        truckR.push_back(R);
    }
    // Steps between the lead axles: 28 ft of truck and the headway.
    const int fewest = static_cast<int>(std::lround(78.0 / step));
    const int most = static_cast<int>(std::lround((28.0 + std::max(L, 100.0)) / step));
    TwoTruckPier pier{0.0, 0.0, 0.0};
    std::vector<double> at;  // lead axles of the least moment
    for (int a = 0; a < static_cast<int>(lead.size()); ++a) {
        for (int b = std::max(a - most, 0); b <= a - fewest; ++b) {
            if (truckM[a] + truckM[b] < pier.M)
                pier.M = truckM[a] + truckM[b], at = {lead[a], lead[b]};
            pier.R = std::max(pier.R, truckR[a] + truckR[b]);
        }
    }
    double moments = 0.0, loads = 0.0;  // of the axles on span 1: kip-ft about the pier, kip
    for (double x0 : at) {
        for (auto [w, behind] : axles) {
            const double x = x0 - behind;
            if (x >= 0 && x < L) moments += w * (L - x), loads += w;
        }
    }
    pier.V = (pier.M + moments) / L - loads;
    return pier;
}

TEST_F(ContinuousBeamTest, TwoDesignTrucksGiveTheNegativeMomentOverThePier) {
    struct Case {
        const char* name;
        double L;  // ft
        int increased;
        double f;  // 0.9, or 0.9 + 0.2 (150 - 100) / 100 = 1.0
    } const cases[] = {{"0.9 of two trucks", 100.0, 0, 0.9},
                       {"increased, 150 ft spans", 150.0, 1, 1.0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto d = Chain({c.L, c.L});
        d->m_recCurrentVehicle = Hl93();
        d->m_bIncreasedDoubleTruck = c.increased;
        d->AnalyzeContinuousBeam(kBeamMovingLoads, 0.0);

        // Every headway from 50 ft: within 0.05 percent of the least over positions 0.25 ft apart,
        // and never less (the model's positions are among those). At least as much as the
        // trains of 50, 75 and 100 ft headway standing on the nodes.
        const double expected = TwoTrucksOverThePier(c.L, c.f, 0.25).M;
        std::vector<std::vector<double>> weights, gaps;
        for (double g3 : {50.0, 75.0, 100.0}) {
            weights.push_back({8 * c.f, 32 * c.f, 32 * c.f, 8 * c.f, 32 * c.f, 32 * c.f});
            gaps.push_back({14, 14, g3, 14, 14});
        }
        const double onNodes = LeastPierMoment(c.L, weights, gaps);
        EXPECT_LT(expected, onNodes);
        for (auto [p, t] : {std::pair{1, 10}, std::pair{2, 0}}) {
            const double M = Env(*d, kEnvMinMoment, p, t, kMovingTwoTrucks);
            EXPECT_NEAR(M, expected, 0.0005 * std::abs(expected)) << "span " << p << ", " << t;
            EXPECT_GE(M, expected - 1e-6) << "span " << p << ", " << t;
            EXPECT_LE(M, onNodes) << "span " << p << ", " << t;
        }
        // The nodes lie on whole feet, so the model's positions are those 1 ft apart: the same
        // least moment, with the shear of its own placement just left of the pier.
        // The pier reaction likewise.
        const TwoTruckPier feet = TwoTrucksOverThePier(c.L, c.f, 1.0);
        EXPECT_NEAR(Env(*d, kEnvMinMoment, 1, 10, kMovingTwoTrucks), feet.M, 1e-6);
        EXPECT_NEAR(Env(*d, kEnvShearAtMinMoment, 1, 10, kMovingTwoTrucks), feet.V, 1e-6);
        EXPECT_NEAR(Reaction(*d, 2, kReactionBoundMax, kMovingTwoTrucks), feet.R, 1e-6);
        // Negative moment with its shear, and the pier reaction; nothing else.
        EXPECT_TRUE(CaseZero(*d, kMovingTwoTrucks,
                             {kEnvMaxMoment, kEnvMaxShear, kEnvMinShear, kEnvMomentAtMaxShear,
                              kEnvMomentAtMinShear, kEnvShearAtMaxMoment, kEnvMaxDeflection,
                              kEnvMinDeflection, kEnvMaxRotation, kEnvMinRotation}));
        for (int k : {1, 3}) {
            EXPECT_EQ(Reaction(*d, k, kReactionBoundMax, kMovingTwoTrucks), 0.0) << k;
            EXPECT_EQ(Reaction(*d, k, kReactionBoundMin, kMovingTwoTrucks), 0.0) << k;
        }
    }
}

TEST_F(ContinuousBeamTest, TwoDesignTrucksOnlyForTheContinuousLrfdHl93) {
    struct Case {
        const char* name;
        int specification;
        const char* vehicle;
        int continuous;
        bool runs;
    } const cases[] = {
        {"LRFD, HL-93, continuous", 1, "HL-93", 1, true},
        {"Standard Specifications", 2, "HL-93", 1, false},
        {"another name", 1, "HL93", 1, false},
        {"names compare with case", 1, "hl-93", 1, false},
        {"not continuous", 1, "HL-93", 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto d = Chain({100.0, 100.0});
        d->m_recCurrentVehicle = Hl93();
        d->m_recCurrentVehicle.m_strName = c.vehicle;
        d->m_nSpecification = c.specification;
        d->m_bContinuous = c.continuous;
        d->AnalyzeContinuousBeam(kBeamMovingLoads, 0.0);
        EXPECT_EQ(Env(*d, kEnvMinMoment, 1, 10, kMovingTwoTrucks) < -1.0, c.runs);
    }
}

TEST_F(ContinuousBeamTest, LowboyGivesOnlyNegativeMomentAndInteriorReactions) {
    // Caltrans lowboy: 4 x 25 kip at 4, 26 to 40, 4 ft, on two spans of 100 ft. Its least pier
    // moment is that of the five fixed trains, by the three-moment equation.
    auto d = Chain({100.0, 100.0});
    d->m_recCurrentVehicle = Hl93();
    d->m_bCheckLowboy = 1;
    d->AnalyzeContinuousBeam(kBeamMovingLoads, 0.0);
    std::vector<std::vector<double>> weights, gaps;
    for (double g2 : {26.0, 29.5, 33.0, 36.5, 40.0}) {
        weights.push_back({25, 25, 25, 25});
        gaps.push_back({4, g2, 4});
    }
    EXPECT_NEAR(Env(*d, kEnvMinMoment, 1, 10, kMovingLowboy), LeastPierMoment(100.0, weights, gaps),
                1e-8);
    EXPECT_TRUE(
        CaseZero(*d, kMovingLowboy,
                 {kEnvMaxMoment, kEnvMaxShear, kEnvMinShear, kEnvMaxDeflection, kEnvMinRotation}));
    EXPECT_GT(Reaction(*d, 2, kReactionBoundMax, kMovingLowboy), 0.0);
    EXPECT_EQ(Reaction(*d, 1, kReactionBoundMax, kMovingLowboy), 0.0);

    // Without the tandem flag neither the tandem nor the lowboy runs.
    d->m_recCurrentVehicle.m_bIncludeTandem = 0;
    d->AnalyzeContinuousBeam(kBeamMovingLoads, 0.0);
    EXPECT_TRUE(CaseZero(*d, kMovingLowboy, kAllTables));
    EXPECT_TRUE(CaseZero(*d, kMovingTandem, kAllTables));
}

// ---- Lane loads ---------------------------------------------------------------------------------

TEST_F(ContinuousBeamTest, UniformLaneLoadCoversEachSignOfTheInfluenceLine) {
    // Two spans of 100 ft, q = 0.64 klf.
    // Pier: every member adds negative moment, -q L^2 / 8 = -800; positive part 0.
    // 0.4 L: with span 1 alone loaded, M_B = -q L^2 / 16 = -400 and R_A = 7 q L / 16 = 28, so
    //   M = 28 * 40 - 0.64 * 40^2 / 2 = 608; with span 2 alone, M = 0.4 M_B = -160. The two add
    //   up to the whole load, 0.07 q L^2 = 448.
    // Reactions: end support 7 q L / 16 = 28 and -q L / 16 = -4; pier 10 q L / 8 = 80 and 0.
    auto d = Chain({100.0, 100.0});
    d->m_recCurrentVehicle = NoVehicle();
    d->m_recCurrentVehicle.m_dLaneLoad = 0.64;
    d->AnalyzeContinuousBeam(kBeamMovingLoads, 0.0);
    EXPECT_NEAR(Env(*d, kEnvMinMoment, 1, 10, kMovingLane), -800.0, 1e-6);
    EXPECT_NEAR(Env(*d, kEnvMaxMoment, 1, 10, kMovingLane), 0.0, 1e-6);
    EXPECT_NEAR(Env(*d, kEnvMaxMoment, 1, 4, kMovingLane), 608.0, 1e-6);
    EXPECT_NEAR(Env(*d, kEnvMinMoment, 1, 4, kMovingLane), -160.0, 1e-6);
    EXPECT_NEAR(Reaction(*d, 1, kReactionBoundMax, kMovingLane), 28.0, 1e-6);
    EXPECT_NEAR(Reaction(*d, 1, kReactionBoundMin, kMovingLane), -4.0, 1e-6);
    EXPECT_NEAR(Reaction(*d, 2, kReactionBoundMax, kMovingLane), 80.0, 1e-6);
    EXPECT_NEAR(Reaction(*d, 2, kReactionBoundMin, kMovingLane), 0.0, 1e-6);
    EXPECT_TRUE(CaseZero(*d, kMovingTruck, kAllTables));
}

TEST_F(ContinuousBeamTest, SecondLaneLoadForNegativeMomentUnlessLrfd) {
    // Two spans of 100 ft, 18-kip concentrated lane load for moment on the nodes. One load: the
    // pier moment -P a (L^2 - a^2) / (4 L^2) is least at the node a = 60 ft: -9.6 P = -172.8.
    // A second load in the other span (Standard Specifications, any code other than 1) doubles
    // it: -345.6. Moment at 0.4 L with the load there: 40 * 0.516 P = 20.64 * 18 = 371.52.
    struct Case {
        int specification;
        double pierMoment;  // kip-ft
    } const cases[] = {{1, -172.8}, {0, -345.6}, {2, -345.6}, {3, -345.6}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "m_nSpecification " << c.specification);
        auto d = Chain({100.0, 100.0});
        d->m_nSpecification = c.specification;
        d->m_recCurrentVehicle = NoVehicle();
        d->m_recCurrentVehicle.m_dLaneMomentLoad = 18.0;
        d->AnalyzeContinuousBeam(kBeamMovingLoads, 0.0);
        EXPECT_NEAR(Env(*d, kEnvMinMoment, 1, 10, kMovingLane), c.pierMoment, 1e-6);
        EXPECT_NEAR(Env(*d, kEnvMinMoment, 2, 0, kMovingLane), c.pierMoment, 1e-6);
        EXPECT_NEAR(Env(*d, kEnvMaxMoment, 1, 4, kMovingLane), 371.52, 1e-6);
        // The reactions are not taken from this load.
        for (int k = 1; k <= 3; ++k)
            EXPECT_EQ(Reaction(*d, k, kReactionBoundMax, kMovingLane), 0.0) << k;
    }
}

TEST_F(ContinuousBeamTest, LaneShearLoadStandsBesideEveryNodeOnTheBridge) {
    // 26-kip concentrated lane load for shear on one span of 100 ft, 0.001 ft beside each node.
    // At the left support the load stands 0.001 ft into the span: V = R = 26 * 99.999 / 100,
    // never more than the load. At 0.3 L: just right, V = 26 * 69.999 / 100 = 18.19974 with
    // M = 30 V = 545.9922; just left, V = -26 * 29.999 / 100 = -7.79974.
    auto d = Chain({100.0});
    d->m_recCurrentVehicle = NoVehicle();
    d->m_recCurrentVehicle.m_dLaneShearLoad = 26.0;
    d->AnalyzeContinuousBeam(kBeamMovingLoads, 0.0);
    EXPECT_NEAR(Env(*d, kEnvMaxShear, 1, 0, kMovingLane), 25.99974, 1e-9);
    EXPECT_NEAR(Reaction(*d, 1, kReactionBoundMax, kMovingLane), 25.99974, 1e-9);
    EXPECT_NEAR(Reaction(*d, 2, kReactionBoundMax, kMovingLane), 25.99974, 1e-9);
    EXPECT_NEAR(Env(*d, kEnvMaxShear, 1, 3, kMovingLane), 18.19974, 1e-9);
    EXPECT_NEAR(Env(*d, kEnvMomentAtMaxShear, 1, 3, kMovingLane), 545.9922, 1e-7);
    EXPECT_NEAR(Env(*d, kEnvMinShear, 1, 3, kMovingLane), -7.79974, 1e-9);
    EXPECT_NEAR(Env(*d, kEnvMinShear, 1, 10, kMovingLane), -25.99974, 1e-9);
    // Moments are not taken from this load.
    EXPECT_EQ(Env(*d, kEnvMaxMoment, 1, 5, kMovingLane), 0.0);
}

// ---- Long chains and the envelope invariants ---------------------------------------------------

/// Every maximum at least its minimum, everything finite, for every case of the spans used.
void ExpectOrderedAndFinite(const CKordelDoc& d) {
    const std::pair<int, int> pairs[] = {{kEnvMaxMoment, kEnvMinMoment},
                                         {kEnvMaxShear, kEnvMinShear},
                                         {kEnvMaxDeflection, kEnvMinDeflection},
                                         {kEnvMaxRotation, kEnvMinRotation}};
    int bad = 0;
    for (int c = 0; c < kMovingLoadCases; ++c) {
        for (int p = 1; p <= d.m_nSpans; ++p) {
            for (int t = 0; t < kSpanTenthPoints; ++t) {
                for (int table = 0; table < kMovingLoadTables; ++table) {
                    if (!std::isfinite(d.m_aMovingLoadEnvelope[table][p][t][c][1])) ++bad;
                }
                for (auto [hi, lo] : pairs) {
                    if (d.m_aMovingLoadEnvelope[hi][p][t][c][1] <
                        d.m_aMovingLoadEnvelope[lo][p][t][c][1])
                        ++bad;
                }
            }
        }
        for (int k = 1; k <= d.m_nSpans + 1; ++k) {
            const double hi = d.m_aFrameSupportEnvelope[k][kReactionBoundMax][c];
            const double lo = d.m_aFrameSupportEnvelope[k][kReactionBoundMin][c];
            if (!std::isfinite(hi) || !std::isfinite(lo) || hi < lo) ++bad;
        }
    }
    EXPECT_EQ(bad, 0) << "envelope values out of order or not finite";
}

TEST_F(ContinuousBeamTest, TwentySpansAreAnalysedAndSymmetric) {
    // Twenty equal spans of 60 ft with every load of the HL-93, the fatigue truck and the lowboy.
    // The chain and the loads (each run both ways or symmetric in effect) are symmetric about
    // the middle support, so support k mirrors support 22 - k and tenth point t of span p mirrors
    // tenth point 10 - t of span 21 - p (moments; shears change sign).
    auto d =
        Chain({60, 60, 60, 60, 60, 60, 60, 60, 60, 60, 60, 60, 60, 60, 60, 60, 60, 60, 60, 60});
    d->m_recCurrentVehicle = Hl93();
    d->m_recCurrentVehicle.m_dLaneMomentLoad = 18.0;
    d->m_recCurrentVehicle.m_dLaneShearLoad = 26.0;
    d->m_nSpecification = kSpecStandard;
    d->AnalyzeContinuousBeam(kBeamMovingLoads, 0.0);
    ASSERT_FALSE(d->m_bFrameSolveFailed);
    EXPECT_EQ(d->m_nFrameNodes, 201);
    EXPECT_EQ(d->m_nFrameSupports, 21);
    ExpectOrderedAndFinite(*d);

    for (int k = 1; k <= 21; ++k) {
        SCOPED_TRACE(testing::Message() << "support " << k);
        for (int c : {kMovingLane, kMovingTruck, kMovingTandem}) {
            const double hi = Reaction(*d, k, kReactionBoundMax, c);
            const double lo = Reaction(*d, k, kReactionBoundMin, c);
            EXPECT_GT(hi, 0.0) << c;
            EXPECT_NEAR(hi, Reaction(*d, 22 - k, kReactionBoundMax, c), 1e-6 * hi) << c;
            EXPECT_NEAR(lo, Reaction(*d, 22 - k, kReactionBoundMin, c), 1e-6 * hi) << c;
        }
    }
    // Only the truck runs both ways: the tandem and lane loads are symmetric trains.
    for (int p = 1; p <= 20; ++p) {
        for (int t = 0; t <= 10; ++t) {
            SCOPED_TRACE(testing::Message() << "span " << p << " tenth point " << t);
            for (int table : {kEnvMaxMoment, kEnvMinMoment}) {
                const double v = Env(*d, table, p, t, kMovingTruck);
                EXPECT_NEAR(v, Env(*d, table, 21 - p, 10 - t, kMovingTruck), 1e-6);
            }
            EXPECT_NEAR(Env(*d, kEnvMaxShear, p, t, kMovingTruck),
                        -Env(*d, kEnvMinShear, 21 - p, 10 - t, kMovingTruck), 1e-6);
        }
    }

    // The same chain under a uniform load: the reactions carry the whole load.
    d->AnalyzeContinuousBeam(kBeamStaticLoad, 1.5);
    double total = 0.0;
    for (int k = 1; k <= 21; ++k) total += d->m_aFrameReaction[k][kReactionY];
    EXPECT_NEAR(total, 1.5 * 20 * 60, 1e-6);
}

TEST_F(ContinuousBeamTest, ThreeSpanDesignEnvelopesAreOrdered) {
    // The spans of example design 3 with every load.
    auto d = Chain({106.0, 120.0, 106.0});
    d->m_recCurrentVehicle = Hl93();
    d->m_bFatigueTruckPending = 1;
    d->m_bCheckLowboy = 1;
    d->AnalyzeContinuousBeam(kBeamMovingLoads, 0.0);
    ExpectOrderedAndFinite(*d);
    // The truck and the lane load give negative moment over both piers, and 0.9 of two trucks,
    // one in each span next to the pier, more than one truck.
    for (auto [p, t] : {std::pair{1, 10}, std::pair{3, 0}}) {
        EXPECT_LT(Env(*d, kEnvMinMoment, p, t, kMovingTruck), 0.0);
        EXPECT_LT(Env(*d, kEnvMinMoment, p, t, kMovingLane), 0.0);
        EXPECT_LT(Env(*d, kEnvMinMoment, p, t, kMovingTwoTrucks),
                  Env(*d, kEnvMinMoment, p, t, kMovingTruck));
    }
    EXPECT_TRUE(host.Messages().empty());
}

// ---- Progress -----------------------------------------------------------------------------------

TEST_F(ContinuousBeamTest, ProgressAdvancesThroughTheLoads) {
    auto d = Chain({100.0, 100.0});
    d->m_recCurrentVehicle = Hl93();
    d->m_bCheckLowboy = 1;
    d->m_bAnalyzing = 1;
    d->AnalyzeContinuousBeam(kBeamMovingLoads, 0.0);
    const std::vector<std::string> expected = {"Analyzing: ||",    "Analyzing: |||",
                                               "Analyzing: ||||",  "Analyzing: ||||",
                                               "Analyzing: |||||", "Analyzing: ||||"};
    EXPECT_EQ(host.StatusHistory(kPaneProgress), expected);
    EXPECT_EQ(d->m_nProgressStep, 4);
}

// ---- Inputs the model cannot take ---------------------------------------------------------------

TEST_F(ContinuousBeamTest, UnusableInputsShowAMessageAndLeaveZeros) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        const char* name;
        std::function<void(CKordelDoc&)> spoil;
        const char* messagePart;
    } const cases[] = {
        {"no spans", [](CKordelDoc& d) { d.m_nSpans = 0; }, "1 to 20 spans"},
        {"21 spans", [](CKordelDoc& d) { d.m_nSpans = 21; }, "1 to 20 spans"},
        {"a span of 0 ft", [](CKordelDoc& d) { d.m_adSpanLength[2] = 0.0; }, "Span 2"},
        {"a span that is not a number", [nan](CKordelDoc& d) { d.m_adSpanLength[1] = nan; },
         "Span 1"},
        {"no inertia",
         [](CKordelDoc& d) { d.m_adInertiaAtStation[kMid][kSectionCaseOverlay] = 0.0; },
         "moment of inertia"},
        {"no modulus", [](CKordelDoc& d) { d.m_dBeamEc = 0.0; }, "Ec = 0"},
        {"101 axles", [](CKordelDoc& d) { d.m_recCurrentVehicle.m_nAxleCount = 101; }, "101 axles"},
        {"an axle weight that is not a number",
         [nan](CKordelDoc& d) { d.m_recCurrentVehicle.m_aAxles[1].m_dWeight = nan; },
         "not a number"},
        {"a lane load that is not a number",
         [nan](CKordelDoc& d) { d.m_recCurrentVehicle.m_dLaneLoad = nan; }, "not a number"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        host.ClearMessages();
        auto d = Chain({100.0, 100.0});
        d->m_recCurrentVehicle = Hl93();
        d->AnalyzeContinuousBeam(kBeamMovingLoads, 0.0);  // leaves envelopes to be cleared
        c.spoil(*d);
        d->AnalyzeContinuousBeam(kBeamMovingLoads, 0.0);
        ASSERT_EQ(host.Messages().size(), 1u);
        EXPECT_NE(host.Messages()[0].text.find(c.messagePart), std::string::npos)
            << host.Messages()[0].text;
        EXPECT_TRUE(EnvelopesZero(*d));
        EXPECT_TRUE(d->m_bFrameSolveFailed);
    }
}

TEST_F(ContinuousBeamTest, StaticLoadThatIsNotANumberLeavesNoResults) {
    auto d = Chain({100.0, 100.0});
    d->AnalyzeContinuousBeam(kBeamStaticLoad, 2.0);
    d->AnalyzeContinuousBeam(kBeamStaticLoad, std::numeric_limits<double>::quiet_NaN());
    ASSERT_EQ(host.Messages().size(), 1u);
    EXPECT_TRUE(d->m_bFrameSolveFailed);
    for (int k = 1; k <= 3; ++k) EXPECT_EQ(d->m_aFrameReaction[k][kReactionY], 0.0);
    for (int c = 1; c <= 20; ++c) EXPECT_EQ(d->m_aFrameEndMoment[c][kAtStart], 0.0);
}

}  // namespace
}  // namespace kordel::test

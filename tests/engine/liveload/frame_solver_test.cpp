// The plane-frame stiffness solver against hand calculations: beams from the beam tables (AISC
// Manual Table 3-23, "Shears, Moments and Deflections"), the three-moment equation for many equal
// spans, an inclined cantilever, end releases, the load rules, and the capacity guards.
#include <cmath>
#include <functional>
#include <limits>
#include <vector>

#include "test_support.h"

namespace kordel::test {
namespace {

// A prestressed girder with its deck, in the solver's units.
constexpr double kE = 576000.0;  // ksf: 4000 ksi x 144
constexpr double kA = 7.0;       // ft^2: 1008 in^2 / 144
constexpr double kI = 48.0;      // ft^4: 995,328 in^4 / 20,736
constexpr double kEA = kE * kA;  // 4,032,000 kip
constexpr double kEI = kE * kI;  // 27,648,000 kip-ft^2

// ---- Model builders -------------------------------------------------------------------------

int AddNode(CKordelDoc& d, double x, double y = 0.0) {
    const int n = ++d.m_nFrameNodes;
    d.m_aFrameNode[n][kNodeX] = x;
    d.m_aFrameNode[n][kNodeY] = y;
    return n;
}

int AddMember(CKordelDoc& d, int start, int end, int release = kReleaseNone) {
    const int e = ++d.m_nFrameMembers;
    double* m = d.m_aFrameMember[e];
    m[kMemberStartNode] = start;
    m[kMemberEndNode] = end;
    m[kMemberArea] = kA;
    m[kMemberInertia] = kI;
    m[kMemberRelease] = release;
    m[kMemberModulus] = kE;
    return e;
}

void AddSupport(CKordelDoc& d, int node, int code) {
    const int k = ++d.m_nFrameSupports;
    d.m_aFrameSupport[k][kSupportNode] = node;
    d.m_aFrameSupport[k][kSupportRestraint] = code;
}

void AddPointLoad(CKordelDoc& d, int node, int direction, double value) {
    const int l = ++d.m_nFramePointLoads;
    d.m_aFramePointLoad[l][kPointLoadNode] = node;
    d.m_aFramePointLoad[l][kPointLoadDirection] = direction;
    d.m_aFramePointLoad[l][kPointLoadValue] = value;
}

void AddMemberLoad(CKordelDoc& d, int member, int type, double value, double distance = 0.0) {
    const int l = ++d.m_nFrameMemberLoads;
    double* load = d.m_aFrameMemberLoad[l];
    load[kMemberLoadStartNode] = d.m_aFrameMember[member][kMemberStartNode];
    load[kMemberLoadEndNode] = d.m_aFrameMember[member][kMemberEndNode];
    load[kMemberLoadType] = type;
    load[kMemberLoadValue] = value;
    load[kMemberLoadDistance] = distance;
}

/// A continuous beam as the continuous-beam model lays it out: `perSpan` equal members per span
/// along y = 0, member e from node e to node e + 1, a pin at node 1 and a roller at the end of
/// every span.
void BuildBeam(CKordelDoc& d, const std::vector<double>& spans,
               int perSpan = kFrameMembersPerSpan) {
    double x = 0.0;
    AddNode(d, x);
    AddSupport(d, 1, kRestraintXY);
    for (double span : spans) {
        for (int j = 1; j <= perSpan; ++j) {
            const int n = AddNode(d, x + span * j / perSpan);
            AddMember(d, n - 1, n);
        }
        x += span;
        AddSupport(d, d.m_nFrameNodes, kRestraintY);
    }
}

/// A downward uniform load w (klf) on every member of a beam along +x.
void LoadEveryMember(CKordelDoc& d, double w) {
    for (int e = 1; e <= d.m_nFrameMembers; ++e) AddMemberLoad(d, e, kMemberLoadUniform, -w);
}

/// Beam moment (sagging positive) at node n of a beam built by BuildBeam.
double MomentAtNode(const CKordelDoc& d, int n) {
    return n <= d.m_nFrameMembers ? d.m_aFrameEndMoment[n][kAtStart]
                                  : -d.m_aFrameEndMoment[n - 1][kAtEnd];
}

double SumOfVerticalReactions(const CKordelDoc& d) {
    double sum = 0.0;
    for (int k = 1; k <= d.m_nFrameSupports; ++k) sum += d.m_aFrameReaction[k][kReactionY];
    return sum;
}

class FrameSolverTest : public EngineTest {
  protected:
    void SetUp() override { doc = NewDoc(); }

    /// Solves `d`; true when the solver took the model.
    static bool Solve(CKordelDoc& d) {
        d.SolveFrame();
        return !d.m_bFrameSolveFailed;
    }

    std::unique_ptr<CKordelDoc> doc;
};

// ---- Single spans -----------------------------------------------------------------------------

TEST_F(FrameSolverTest, SimpleBeamUnderUniformLoad) {
    // One member, pin (12) at the left, roller (2) at the right; w = 2 klf over L = 100 ft.
    const double w = 2.0, L = 100.0;
    AddNode(*doc, 0.0);
    AddNode(*doc, L);
    AddMember(*doc, 1, 2);
    AddSupport(*doc, 1, kRestraintXY);
    AddSupport(*doc, 2, kRestraintY);
    AddMemberLoad(*doc, 1, kMemberLoadUniform, -w);
    ASSERT_TRUE(Solve(*doc));

    // Equations: node 1 rotation (1), node 2 x (2) and rotation (3); one member spans all three.
    EXPECT_EQ(doc->m_nFrameEquations, 3);
    EXPECT_EQ(doc->m_nFrameBandWidth, 3);
    EXPECT_EQ(doc->m_anFrameDof[1][kFrameDirX], 0);
    EXPECT_EQ(doc->m_anFrameDof[1][kFrameDirY], 0);
    EXPECT_EQ(doc->m_anFrameDof[1][kFrameDirRotation], 1);
    EXPECT_EQ(doc->m_anFrameDof[2][kFrameDirX], 2);
    EXPECT_EQ(doc->m_anFrameDof[2][kFrameDirY], 0);
    EXPECT_EQ(doc->m_anFrameDof[2][kFrameDirRotation], 3);

    const double tolV = 1e-9 * w * L, tolM = 1e-9 * w * L * L;
    EXPECT_NEAR(doc->m_aFrameEndShear[1][kAtStart], 100.0, tolV);  // wL/2, beam shear at start
    EXPECT_NEAR(doc->m_aFrameEndShear[1][kAtEnd], 100.0, tolV);    // wL/2 upward on the end
    EXPECT_NEAR(doc->m_aFrameEndMoment[1][kAtStart], 0.0, tolM);
    EXPECT_NEAR(doc->m_aFrameEndMoment[1][kAtEnd], 0.0, tolM);
    for (int k = 1; k <= 2; ++k) {
        EXPECT_NEAR(doc->m_aFrameReaction[k][kReactionY], 100.0, tolV) << "support " << k;
        EXPECT_NEAR(doc->m_aFrameReaction[k][kReactionX], 0.0, tolV) << "support " << k;
        EXPECT_NEAR(doc->m_aFrameSupport[k][kSupportReactionY], 100.0, tolV) << "support " << k;
    }
    // End slopes wL^3/24EI = 2e6 / 663,552,000 = 0.0030141 rad, clockwise at the left.
    const double slope = w * L * L * L / (24 * kEI);
    EXPECT_NEAR(doc->m_aFrameDisplacement[1][kFrameDirRotation], -slope, 1e-9 * slope);
    EXPECT_NEAR(doc->m_aFrameDisplacement[2][kFrameDirRotation], slope, 1e-9 * slope);

    // Fixed-end actions kept with the load: wL/2 = 100 up at both ends, wL^2/12 = 1666.67.
    const double* fea = doc->m_aFrameMemberLoad[1];
    EXPECT_NEAR(fea[kMemberLoadStartShear], 100.0, tolV);
    EXPECT_NEAR(fea[kMemberLoadStartMoment], 1666.6666667, 1e-6);
    EXPECT_NEAR(fea[kMemberLoadEndShear], 100.0, tolV);
    EXPECT_NEAR(fea[kMemberLoadEndMoment], -1666.6666667, 1e-6);
}

TEST_F(FrameSolverTest, SimpleBeamMomentsShearsAndDeflectionAlongTheSpan) {
    // w = 2 klf over L = 100 ft split into 2 and into 10 members. At x from the left:
    // M = w x (L - x) / 2 (wL^2/8 = 2500 kip-ft at midspan), V = w (L/2 - x), and the midspan
    // deflection 5wL^4/384EI = 1e9 / 1.0616832e10 = 0.0941840 ft downward.
    const double w = 2.0, L = 100.0;
    for (int members : {2, 10}) {
        SCOPED_TRACE(::testing::Message() << members << " members");
        doc = NewDoc();
        BuildBeam(*doc, {L}, members);
        LoadEveryMember(*doc, w);
        ASSERT_TRUE(Solve(*doc));
        for (int n = 1; n <= members + 1; ++n) {
            const double x = L * (n - 1) / members;
            EXPECT_NEAR(MomentAtNode(*doc, n), w * x * (L - x) / 2, 1e-9 * w * L * L)
                << "x = " << x;
            if (n <= members) {
                EXPECT_NEAR(doc->m_aFrameEndShear[n][kAtStart], w * (L / 2 - x), 1e-9 * w * L)
                    << "x = " << x;
            }
        }
        const int mid = members / 2 + 1;
        EXPECT_NEAR(MomentAtNode(*doc, mid), 2500.0, 1e-9 * w * L * L);
        const double deflection = 5 * w * std::pow(L, 4) / (384 * kEI);
        EXPECT_NEAR(doc->m_aFrameDisplacement[mid][kFrameDirY], -deflection, 1e-9 * deflection);
    }
}

TEST_F(FrameSolverTest, FixedFixedBeamUnderMidspanPointLoad) {
    // P = 40 kip at the middle of L = 100 ft, both ends fixed (two members). Beam tables:
    // end moments -PL/8 = -500, midspan +PL/8 = +500 kip-ft, reactions P/2 = 20 kip,
    // midspan deflection PL^3/192EI = 4e7 / 5.308416e9 = 0.00753520 ft.
    const double P = 40.0, L = 100.0;
    AddNode(*doc, 0.0);
    AddNode(*doc, L / 2);
    AddNode(*doc, L);
    AddMember(*doc, 1, 2);
    AddMember(*doc, 2, 3);
    AddSupport(*doc, 1, kRestraintFixed);
    AddSupport(*doc, 3, kRestraintFixed);
    AddPointLoad(*doc, 2, kFrameDirY, -P);
    ASSERT_TRUE(Solve(*doc));

    const double tolM = 1e-9 * P * L, tolV = 1e-9 * P;
    EXPECT_NEAR(doc->m_aFrameEndMoment[1][kAtStart], -500.0, tolM);
    EXPECT_NEAR(doc->m_aFrameEndMoment[1][kAtEnd], -500.0, tolM);  // minus the +500 at midspan
    EXPECT_NEAR(doc->m_aFrameEndMoment[2][kAtStart], 500.0, tolM);
    EXPECT_NEAR(doc->m_aFrameEndMoment[2][kAtEnd], 500.0, tolM);  // minus the -500 at the end
    EXPECT_NEAR(doc->m_aFrameReaction[1][kReactionY], 20.0, tolV);
    EXPECT_NEAR(doc->m_aFrameReaction[2][kReactionY], 20.0, tolV);
    // The walls turn the beam ends back: PL/8 counter-clockwise at the left, clockwise at the
    // right.
    EXPECT_NEAR(doc->m_aFrameReaction[1][kReactionMoment], 500.0, tolM);
    EXPECT_NEAR(doc->m_aFrameReaction[2][kReactionMoment], -500.0, tolM);
    const double deflection = P * L * L * L / (192 * kEI);
    EXPECT_NEAR(doc->m_aFrameDisplacement[2][kFrameDirY], -deflection, 1e-9 * deflection);
    EXPECT_NEAR(doc->m_aFrameDisplacement[2][kFrameDirRotation], 0.0, 1e-12);
}

TEST_F(FrameSolverTest, ProppedCantileverUnderConcentratedMemberLoad) {
    // Fixed at A (x = 0), pinned at B (x = L = 100 ft), P = 30 kip at a = 25 ft, b = 75 ft, as a
    // concentrated load on one member. Fixed-end moments P a b^2/L^2 and P a^2 b/L^2; freeing B
    // carries half of the latter to A:
    //   M_A = P a b (L + b) / (2 L^2) = 30 x 25 x 75 x 175 / 20,000 = 492.1875 kip-ft (hogging)
    //   R_B = (P a - M_A) / L = (750 - 492.1875) / 100 = 2.578125 kip
    //   R_A = P - R_B = 27.421875 kip
    const double P = 30.0, L = 100.0;
    AddNode(*doc, 0.0);
    AddNode(*doc, L);
    AddMember(*doc, 1, 2);
    AddSupport(*doc, 1, kRestraintFixed);
    AddSupport(*doc, 2, kRestraintXY);
    AddMemberLoad(*doc, 1, kMemberLoadConcentrated, -P, 25.0);
    ASSERT_TRUE(Solve(*doc));

    EXPECT_NEAR(doc->m_aFrameEndMoment[1][kAtStart], -492.1875, 1e-9);
    EXPECT_NEAR(doc->m_aFrameEndMoment[1][kAtEnd], 0.0, 1e-9);
    EXPECT_NEAR(doc->m_aFrameEndShear[1][kAtStart], 27.421875, 1e-9);
    EXPECT_NEAR(doc->m_aFrameEndShear[1][kAtEnd], 2.578125, 1e-9);
    EXPECT_NEAR(doc->m_aFrameReaction[1][kReactionY], 27.421875, 1e-9);
    EXPECT_NEAR(doc->m_aFrameReaction[1][kReactionMoment], 492.1875, 1e-9);
    EXPECT_NEAR(doc->m_aFrameReaction[2][kReactionY], 2.578125, 1e-9);
}

// One member of L = 100 ft under w = 2 klf down, each end held by a support, a hinge made
// either by an end release or by a support that lets the end turn. Stored values: shear at
// the start (beam sign), force at the end along y, beam moment at the start, minus the beam
// moment at the end. Beam tables: fixed-fixed wL/2 = 100 and wL^2/12 = 1666.67; propped
// cantilever 5wL/8 = 125 at the fixed end, 3wL/8 = 75 at the hinge, wL^2/8 = 2500 hogging.
struct ReleaseCase {
    const char* name;
    int release;
    int startCode;
    int endCode;
    double Vs, Ve, Ms, Me;  // stored values, kip and kip-ft
    double MzStart, MzEnd;  // moment reactions, counter-clockwise positive
};

const ReleaseCase kReleaseCases[] = {
    {"rigid member, both ends fixed", kReleaseNone, kRestraintFixed, kRestraintFixed, 100, 100,
     -1666.6666666667, 1666.6666666667, 1666.6666666667, -1666.6666666667},
    {"hinge at the end by release", kReleaseEnd, kRestraintFixed, kRestraintFixed, 125, 75, -2500,
     0, 2500, 0},
    {"hinge at the end by a pinned support", kReleaseNone, kRestraintFixed, kRestraintXY, 125, 75,
     -2500, 0, 2500, 0},
    {"hinge at the start by release", kReleaseStart, kRestraintFixed, kRestraintFixed, 75, 125, 0,
     2500, 0, -2500},
    {"hinge at the start by a pinned support", kReleaseNone, kRestraintXY, kRestraintFixed, 75, 125,
     0, 2500, 0, -2500},
    {"hinges at both ends by release", kReleaseBoth, kRestraintFixed, kRestraintFixed, 100, 100, 0,
     0, 0, 0},
};

TEST_F(FrameSolverTest, EndReleasesActAsHinges) {
    const double w = 2.0, L = 100.0;
    for (const ReleaseCase& c : kReleaseCases) {
        SCOPED_TRACE(c.name);
        doc = NewDoc();
        AddNode(*doc, 0.0);
        AddNode(*doc, L);
        AddMember(*doc, 1, 2, c.release);
        AddSupport(*doc, 1, c.startCode);
        AddSupport(*doc, 2, c.endCode);
        AddMemberLoad(*doc, 1, kMemberLoadUniform, -w);
        ASSERT_TRUE(Solve(*doc));
        EXPECT_NEAR(doc->m_aFrameEndShear[1][kAtStart], c.Vs, 1e-9);
        EXPECT_NEAR(doc->m_aFrameEndShear[1][kAtEnd], c.Ve, 1e-9);
        EXPECT_NEAR(doc->m_aFrameEndMoment[1][kAtStart], c.Ms, 1e-7);
        EXPECT_NEAR(doc->m_aFrameEndMoment[1][kAtEnd], c.Me, 1e-7);
        EXPECT_NEAR(doc->m_aFrameReaction[1][kReactionY], c.Vs, 1e-9);
        EXPECT_NEAR(doc->m_aFrameReaction[2][kReactionY], c.Ve, 1e-9);
        EXPECT_NEAR(doc->m_aFrameReaction[1][kReactionMoment], c.MzStart, 1e-7);
        EXPECT_NEAR(doc->m_aFrameReaction[2][kReactionMoment], c.MzEnd, 1e-7);
    }
}

TEST_F(FrameSolverTest, PinnedLinkCarriesAxialForceOnly) {
    // A cantilever 1-2 (50 ft, rigid, fixed at node 1) tied at its tip to a wall at node 3 by a
    // link 2-3 (50 ft, hinged at both ends). At node 2: P = 20 kip down, H = 30 kip to the right.
    // The link takes no shear or moment, so the tip deflects as a free cantilever:
    //   PL^3/3EI = 20 x 125,000 / 82,944,000 = 0.0301408 ft down; wall moment PL = 1000 kip-ft.
    // H splits between the two members, equal EA/L = 80,640 kip/ft: u = 30 / 161,280 ft,
    // 15 kip tension in the cantilever, 15 kip compression in the link (N > 0 is compression).
    const double P = 20.0, H = 30.0, L = 50.0;
    AddNode(*doc, 0.0);
    AddNode(*doc, L);
    AddNode(*doc, 2 * L);
    AddMember(*doc, 1, 2);
    AddMember(*doc, 2, 3, kReleaseBoth);
    AddSupport(*doc, 1, kRestraintFixed);
    AddSupport(*doc, 3, kRestraintFixed);
    AddPointLoad(*doc, 2, kFrameDirY, -P);
    AddPointLoad(*doc, 2, kFrameDirX, H);
    ASSERT_TRUE(Solve(*doc));

    EXPECT_EQ(doc->m_aFrameEndShear[2][kAtStart], 0.0);
    EXPECT_EQ(doc->m_aFrameEndShear[2][kAtEnd], 0.0);
    EXPECT_EQ(doc->m_aFrameEndMoment[2][kAtStart], 0.0);
    EXPECT_EQ(doc->m_aFrameEndMoment[2][kAtEnd], 0.0);
    EXPECT_NEAR(doc->m_aFrameEndAxial[2][kAtStart], 15.0, 1e-9);
    EXPECT_NEAR(doc->m_aFrameEndAxial[2][kAtEnd], -15.0, 1e-9);
    EXPECT_NEAR(doc->m_aFrameEndAxial[1][kAtStart], -15.0, 1e-9);

    const double tip = P * L * L * L / (3 * kEI);
    EXPECT_NEAR(doc->m_aFrameDisplacement[2][kFrameDirY], -tip, 1e-9 * tip);
    const double u = H / (2 * kEA / L);
    EXPECT_NEAR(doc->m_aFrameDisplacement[2][kFrameDirX], u, 1e-9 * u);
    EXPECT_NEAR(doc->m_aFrameEndMoment[1][kAtStart], -1000.0, 1e-9);
    EXPECT_NEAR(doc->m_aFrameReaction[1][kReactionX], -15.0, 1e-9);
    EXPECT_NEAR(doc->m_aFrameReaction[1][kReactionY], 20.0, 1e-9);
    EXPECT_NEAR(doc->m_aFrameReaction[1][kReactionMoment], 1000.0, 1e-9);
    EXPECT_NEAR(doc->m_aFrameReaction[2][kReactionX], -15.0, 1e-9);
    EXPECT_NEAR(doc->m_aFrameReaction[2][kReactionY], 0.0, 1e-9);
    EXPECT_NEAR(doc->m_aFrameReaction[2][kReactionMoment], 0.0, 1e-9);
}

TEST_F(FrameSolverTest, InclinedCantilever) {
    // A cantilever from (0, 0), fixed, to (30, 40): L = 50 ft, c = 0.6, s = 0.8; local y points
    // to (-0.8, 0.6). Tip displacement from the local ones: u = 0.6 u' - 0.8 v', y = 0.8 u' + 0.6
    // v'.
    struct Case {
        const char* name;
        bool tipLoad;     // else a uniform load across the member
        double uAxial;    // u' along the member, ft
        double vAcross;   // v' across it, ft
        double rotation;  // tip rotation, radian
        double N, Vs;     // axial force and shear at the fixed end, kip
        double Rx, Ry, Mz;
    };
    const double P = 20.0, w = 2.0, L = 50.0;
    const Case cases[] = {
        // P = 20 kip down at the tip: 16 kip along the member (compression), 12 kip across.
        // u' = -16 L/EA, v' = -12 L^3/3EI, rotation -12 L^2/2EI; wall moment P x 30 = 600.
        {"tip load", true, -16 * L / kEA, -12 * L * L * L / (3 * kEI), -12 * L * L / (2 * kEI),
         16.0, 12.0, 0.0, 20.0, 600.0},
        // w = 2 klf against local y: total 100 kip along (0.8, -0.6). v' = -wL^4/8EI,
        // rotation -wL^3/6EI; reactions (-80, 60), wall moment wL^2/2 = 2500.
        {"uniform load across the member", false, 0.0, -w * std::pow(L, 4) / (8 * kEI),
         -w * L * L * L / (6 * kEI), 0.0, 100.0, -80.0, 60.0, 2500.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        doc = NewDoc();
        AddNode(*doc, 0.0, 0.0);
        AddNode(*doc, 30.0, 40.0);
        AddMember(*doc, 1, 2);
        AddSupport(*doc, 1, kRestraintFixed);
        if (c.tipLoad)
            AddPointLoad(*doc, 2, kFrameDirY, -P);
        else
            AddMemberLoad(*doc, 1, kMemberLoadUniform, -w);
        ASSERT_TRUE(Solve(*doc));

        EXPECT_NEAR(doc->m_aFrameMember[1][kMemberLength], 50.0, 1e-12);
        const double* tip = doc->m_aFrameDisplacement[2];
        EXPECT_NEAR(tip[kFrameDirX], 0.6 * c.uAxial - 0.8 * c.vAcross, 1e-12);
        EXPECT_NEAR(tip[kFrameDirY], 0.8 * c.uAxial + 0.6 * c.vAcross, 1e-12);
        EXPECT_NEAR(tip[kFrameDirRotation], c.rotation, 1e-12);
        EXPECT_NEAR(doc->m_aFrameEndAxial[1][kAtStart], c.N, 1e-9);
        EXPECT_NEAR(doc->m_aFrameEndShear[1][kAtStart], c.Vs, 1e-9);
        EXPECT_NEAR(doc->m_aFrameEndMoment[1][kAtStart], -c.Mz, 1e-9);
        EXPECT_NEAR(doc->m_aFrameEndMoment[1][kAtEnd], 0.0, 1e-9);
        EXPECT_NEAR(doc->m_aFrameReaction[1][kReactionX], c.Rx, 1e-9);
        EXPECT_NEAR(doc->m_aFrameReaction[1][kReactionY], c.Ry, 1e-9);
        EXPECT_NEAR(doc->m_aFrameReaction[1][kReactionMoment], c.Mz, 1e-9);
    }
}

// ---- Load rules ---------------------------------------------------------------------------------

TEST_F(FrameSolverTest, ConcentratedLoadAtDistanceZeroActsOnTheStartNode) {
    // Simple beam 0-50-100 ft. P = 40 kip at distance 0 on member 2 gives the same solution as
    // P at node 2: reactions P/2 = 20, midspan moment PL/4 = 1000 kip-ft. Standing on member 2,
    // the load shows in that member's start shear: +20 (the shear left of the load) in place
    // of -20.
    const double P = 40.0;
    for (bool onMember : {false, true}) {
        SCOPED_TRACE(onMember ? "on member 2 at distance 0" : "at node 2");
        doc = NewDoc();
        BuildBeam(*doc, {100.0}, 2);
        if (onMember)
            AddMemberLoad(*doc, 2, kMemberLoadConcentrated, -P, 0.0);
        else
            AddPointLoad(*doc, 2, kFrameDirY, -P);
        ASSERT_TRUE(Solve(*doc));
        EXPECT_NEAR(doc->m_aFrameReaction[1][kReactionY], 20.0, 1e-9);
        EXPECT_NEAR(doc->m_aFrameReaction[2][kReactionY], 20.0, 1e-9);
        EXPECT_NEAR(MomentAtNode(*doc, 2), 1000.0, 1e-9);
        EXPECT_NEAR(doc->m_aFrameEndShear[2][kAtStart], onMember ? 20.0 : -20.0, 1e-9);
        if (onMember) {
            const double* fea = doc->m_aFrameMemberLoad[1];
            EXPECT_EQ(fea[kMemberLoadStartShear], P);  // all of it at the start node
            EXPECT_EQ(fea[kMemberLoadStartMoment], 0.0);
            EXPECT_EQ(fea[kMemberLoadEndShear], 0.0);
            EXPECT_EQ(fea[kMemberLoadEndMoment], 0.0);
        }
    }
}

TEST_F(FrameSolverTest, SecondNodalLoadOnADirectionReplacesTheFirst) {
    // Simple beam 0-50-100 ft. At midspan -10 then -40 kip: only the 40 acts, reactions 20 each
    // and PL/4 = 1000 kip-ft. At the pin, -5 then -8 kip on its restrained y: only the 8 goes
    // straight into that support, 20 + 8 = 28 kip.
    BuildBeam(*doc, {100.0}, 2);
    AddPointLoad(*doc, 2, kFrameDirY, -10.0);
    AddPointLoad(*doc, 2, kFrameDirY, -40.0);
    AddPointLoad(*doc, 1, kFrameDirY, -5.0);
    AddPointLoad(*doc, 1, kFrameDirY, -8.0);
    ASSERT_TRUE(Solve(*doc));
    EXPECT_NEAR(MomentAtNode(*doc, 2), 1000.0, 1e-9);
    EXPECT_NEAR(doc->m_aFrameReaction[1][kReactionY], 28.0, 1e-9);
    EXPECT_NEAR(doc->m_aFrameReaction[2][kReactionY], 20.0, 1e-9);
}

TEST_F(FrameSolverTest, RestrainedDirectionsGetNoDisplacement) {
    // Simple beam of one 100 ft member: H = 10 kip to the right at the roller, 50 kip down
    // straight onto the pin. The roller slides HL/EA = 1000 / 4,032,000 ft; nothing else moves.
    // The pin takes both loads back: -10 kip and +50 kip.
    const double H = 10.0, L = 100.0;
    BuildBeam(*doc, {L}, 1);
    AddPointLoad(*doc, 2, kFrameDirX, H);
    AddPointLoad(*doc, 1, kFrameDirY, -50.0);
    ASSERT_TRUE(Solve(*doc));
    EXPECT_EQ(doc->m_aFrameDisplacement[1][kFrameDirX], 0.0);
    EXPECT_EQ(doc->m_aFrameDisplacement[1][kFrameDirY], 0.0);
    EXPECT_EQ(doc->m_aFrameDisplacement[2][kFrameDirY], 0.0);
    EXPECT_EQ(doc->m_aFrameDisplacement[1][kFrameDirRotation], 0.0);
    EXPECT_EQ(doc->m_aFrameDisplacement[2][kFrameDirRotation], 0.0);
    EXPECT_NEAR(doc->m_aFrameDisplacement[2][kFrameDirX], H * L / kEA, 1e-15);
    EXPECT_NEAR(doc->m_aFrameReaction[1][kReactionX], -H, 1e-9);
    EXPECT_NEAR(doc->m_aFrameReaction[1][kReactionY], 50.0, 1e-9);
    EXPECT_NEAR(doc->m_aFrameReaction[2][kReactionX], 0.0, 1e-9);
    EXPECT_NEAR(doc->m_aFrameReaction[2][kReactionY], 0.0, 1e-9);
}

// ---- Continuous beams -----------------------------------------------------------------------

TEST_F(FrameSolverTest, TwoEqualSpansUnderUniformLoad) {
    // Two spans of L = 100 ft, w = 2 klf, 10 members per span. Beam tables: end reactions
    // 3wL/8 = 75, interior 10wL/8 = 250 kip; interior moment -wL^2/8 = -2500 kip-ft; shear at
    // the interior support 5wL/8 = 125 kip; at 0.4 L: 75 x 40 - 2 x 40^2 / 2 = 1400 kip-ft.
    const double w = 2.0, L = 100.0;
    BuildBeam(*doc, {L, L});
    LoadEveryMember(*doc, w);
    ASSERT_TRUE(Solve(*doc));

    EXPECT_NEAR(doc->m_aFrameReaction[1][kReactionY], 75.0, 1e-9);
    EXPECT_NEAR(doc->m_aFrameReaction[2][kReactionY], 250.0, 1e-9);
    EXPECT_NEAR(doc->m_aFrameReaction[3][kReactionY], 75.0, 1e-9);
    EXPECT_NEAR(MomentAtNode(*doc, 11), -2500.0, 1e-7);
    EXPECT_NEAR(doc->m_aFrameEndMoment[10][kAtEnd], 2500.0, 1e-7);
    EXPECT_NEAR(MomentAtNode(*doc, 5), 1400.0, 1e-7);
    EXPECT_NEAR(MomentAtNode(*doc, 17), 1400.0, 1e-7);
    EXPECT_NEAR(doc->m_aFrameEndShear[11][kAtStart], 125.0, 1e-9);  // just right of support 2
    EXPECT_NEAR(doc->m_aFrameEndShear[10][kAtEnd], 125.0, 1e-9);    // up on member 10's end
    EXPECT_NEAR(doc->m_aFrameDisplacement[11][kFrameDirRotation], 0.0, 1e-15);  // symmetry
}

TEST_F(FrameSolverTest, MembersNumberedFromEitherEndGiveTheSameSolution) {
    // The two-span beam again, once with every member running left to right and once right to
    // left (start node the higher number, local y pointing down, so the downward load is +w).
    // Reactions and displacements are the same; each member's end values trade places: the
    // moments as they are (both read in the member's own axes), the end forces along local y
    // with their sign turned.
    const double w = 2.0, L = 100.0;
    BuildBeam(*doc, {L, L});
    LoadEveryMember(*doc, w);
    ASSERT_TRUE(Solve(*doc));

    auto reversed = NewDoc();
    BuildBeam(*reversed, {L, L});
    for (int e = 1; e <= reversed->m_nFrameMembers; ++e) {
        std::swap(reversed->m_aFrameMember[e][kMemberStartNode],
                  reversed->m_aFrameMember[e][kMemberEndNode]);
        AddMemberLoad(*reversed, e, kMemberLoadUniform, w);
    }
    ASSERT_TRUE(Solve(*reversed));

    EXPECT_EQ(reversed->m_nFrameBandWidth, doc->m_nFrameBandWidth);
    for (int k = 1; k <= 3; ++k)
        EXPECT_NEAR(reversed->m_aFrameReaction[k][kReactionY], doc->m_aFrameReaction[k][kReactionY],
                    1e-9)
            << "support " << k;
    for (int n = 1; n <= doc->m_nFrameNodes; ++n) {
        for (int d = kFrameDirX; d <= kFrameDirRotation; ++d)
            EXPECT_NEAR(reversed->m_aFrameDisplacement[n][d], doc->m_aFrameDisplacement[n][d],
                        1e-12)
                << "node " << n << " direction " << d;
    }
    for (int e = 1; e <= doc->m_nFrameMembers; ++e) {
        SCOPED_TRACE(::testing::Message() << "member " << e);
        EXPECT_NEAR(reversed->m_aFrameEndMoment[e][kAtStart], doc->m_aFrameEndMoment[e][kAtEnd],
                    1e-7);
        EXPECT_NEAR(reversed->m_aFrameEndMoment[e][kAtEnd], doc->m_aFrameEndMoment[e][kAtStart],
                    1e-7);
        EXPECT_NEAR(reversed->m_aFrameEndShear[e][kAtStart], -doc->m_aFrameEndShear[e][kAtEnd],
                    1e-9);
        EXPECT_NEAR(reversed->m_aFrameEndShear[e][kAtEnd], -doc->m_aFrameEndShear[e][kAtStart],
                    1e-9);
    }
}

TEST_F(FrameSolverTest, TwentySpansMatchTheThreeMomentEquation) {
    // The longest chain the design holds: 20 spans of L = 100 ft at tenth points (201 nodes,
    // 200 members, 21 supports), w = 2 klf. Equations: 603 directions less 22 restrained = 581.
    // Clapeyron's three-moment equation for equal spans, M(i-1) + 4 M(i) + M(i+1) = -wL^2/2 with
    // M(0) = M(20) = 0, solves to M(i) = -(wL^2/12) [1 - (r^i + r^(20-i)) / (1 + r^20)] with
    // r = sqrt(3) - 2; the support reactions follow as R(i) = wL + (M(i-1) - 2 M(i) + M(i+1))/L.
    const int spans = 20;
    const double w = 2.0, L = 100.0;
    BuildBeam(*doc, std::vector<double>(spans, L));
    LoadEveryMember(*doc, w);
    ASSERT_EQ(doc->m_nFrameNodes, kMaxFrameNodes);
    ASSERT_EQ(doc->m_nFrameMembers, kMaxFrameMembers);
    ASSERT_EQ(doc->m_nFrameSupports, kMaxFrameSupports);
    ASSERT_EQ(doc->m_nFrameMemberLoads, kMaxFrameMemberLoads);
    ASSERT_TRUE(Solve(*doc));
    EXPECT_EQ(doc->m_nFrameEquations, 581);
    EXPECT_EQ(doc->m_nFrameBandWidth, 6);

    const double r = std::sqrt(3.0) - 2.0;
    std::vector<double> M(spans + 1);
    for (int i = 0; i <= spans; ++i)
        M[i] = -(w * L * L / 12) *
               (1 - (std::pow(r, i) + std::pow(r, spans - i)) / (1 + std::pow(r, spans)));
    for (int i = 1; i < spans; ++i) {
        EXPECT_NEAR(MomentAtNode(*doc, 10 * i + 1), M[i], 1e-7) << "support " << i + 1;
    }
    EXPECT_NEAR(M[1], -0.10566 * w * L * L, 1e-4 * w * L * L);  // the end span's -0.1057 wL^2
    for (int i = 0; i <= spans; ++i) {
        const double left = i > 0 ? M[i - 1] : 0.0, right = i < spans ? M[i + 1] : 0.0;
        const double span = (i > 0 && i < spans) ? w * L : w * L / 2;
        const double R = span + (left - 2 * M[i] + right) / L;
        EXPECT_NEAR(doc->m_aFrameReaction[i + 1][kReactionY], R, 1e-8) << "support " << i + 1;
        EXPECT_NEAR(doc->m_aFrameReaction[i + 1][kReactionY],
                    doc->m_aFrameReaction[spans + 1 - i][kReactionY], 1e-8)
            << "supports " << i + 1 << " and " << spans + 1 - i;
    }
    EXPECT_NEAR(SumOfVerticalReactions(*doc), w * L * spans, 1e-8);
}

TEST_F(FrameSolverTest, EverySpanCountFromOneToTwentySolves) {
    // n spans of 80 ft under 1.5 klf: 10n + 1 nodes, 3 (10n + 1) - (n + 2) equations, the
    // reactions carry the whole load 1.5 x 80 n, every support pushes up.
    const double w = 1.5, L = 80.0;
    for (int spans = 1; spans <= kMaxSpans; ++spans) {
        SCOPED_TRACE(::testing::Message() << spans << " spans");
        doc = NewDoc();
        BuildBeam(*doc, std::vector<double>(spans, L));
        LoadEveryMember(*doc, w);
        ASSERT_TRUE(Solve(*doc));
        EXPECT_EQ(doc->m_nFrameEquations, 3 * (10 * spans + 1) - (spans + 2));
        EXPECT_NEAR(SumOfVerticalReactions(*doc), w * L * spans, 1e-8);
        for (int k = 1; k <= spans + 1; ++k) EXPECT_GT(doc->m_aFrameReaction[k][kReactionY], 0.0);
    }
}

// ---- Models the solver cannot take ----------------------------------------------------------

/// Every result of the solver is 0.
::testing::AssertionResult AllFrameResultsZero(const CKordelDoc& d) {
    auto allZero = [](const double* first, std::size_t count) {
        for (std::size_t i = 0; i < count; ++i)
            if (first[i] != 0.0) return false;
        return true;
    };
    auto zero = [&](const auto& table) {
        return allZero(&table[0][0], sizeof table / sizeof table[0][0]);
    };
    if (!zero(d.m_aFrameDisplacement)) return ::testing::AssertionFailure() << "displacements";
    if (!zero(d.m_aFrameEndAxial)) return ::testing::AssertionFailure() << "axial forces";
    if (!zero(d.m_aFrameEndShear)) return ::testing::AssertionFailure() << "shears";
    if (!zero(d.m_aFrameEndMoment)) return ::testing::AssertionFailure() << "moments";
    if (!zero(d.m_aFrameReaction)) return ::testing::AssertionFailure() << "reaction table";
    for (const auto& support : d.m_aFrameSupport) {
        if (support[kSupportReactionX] != 0 || support[kSupportReactionY] != 0 ||
            support[kSupportReactionMoment] != 0)
            return ::testing::AssertionFailure() << "support reactions";
    }
    for (const auto& load : d.m_aFrameMemberLoad) {
        if (load[kMemberLoadStartShear] != 0 || load[kMemberLoadStartMoment] != 0 ||
            load[kMemberLoadEndShear] != 0 || load[kMemberLoadEndMoment] != 0)
            return ::testing::AssertionFailure() << "fixed-end actions";
    }
    return ::testing::AssertionSuccess();
}

struct GuardCase {
    const char* name;
    std::function<void(CKordelDoc&)> spoil;
};

const double kNaN = std::numeric_limits<double>::quiet_NaN();

// Each spoils the two-span beam of 10 members per span (nodes 1 to 21) under a uniform load
// and one nodal load.
const GuardCase kGuardCases[] = {
    {"more nodes than the tables hold",
     [](CKordelDoc& d) { d.m_nFrameNodes = kMaxFrameNodes + 1; }},
    {"negative node count", [](CKordelDoc& d) { d.m_nFrameNodes = -1; }},
    {"more members than the tables hold",
     [](CKordelDoc& d) { d.m_nFrameMembers = kMaxFrameMembers + 1; }},
    {"more supports than the tables hold",
     [](CKordelDoc& d) { d.m_nFrameSupports = kMaxFrameSupports + 1; }},
    {"more point loads than the tables hold",
     [](CKordelDoc& d) { d.m_nFramePointLoads = kMaxFramePointLoads + 1; }},
    {"more member loads than the tables hold",
     [](CKordelDoc& d) { d.m_nFrameMemberLoads = kMaxFrameMemberLoads + 1; }},
    {"member of zero length", [](CKordelDoc& d) { d.m_aFrameNode[2][kNodeX] = 0.0; }},
    {"node coordinate not a number", [](CKordelDoc& d) { d.m_aFrameNode[5][kNodeY] = kNaN; }},
    {"member naming a node past the count",
     [](CKordelDoc& d) { d.m_aFrameMember[20][kMemberEndNode] = 22; }},
    {"member naming node 0", [](CKordelDoc& d) { d.m_aFrameMember[1][kMemberStartNode] = 0; }},
    {"member naming node 2.5", [](CKordelDoc& d) { d.m_aFrameMember[2][kMemberEndNode] = 2.5; }},
    {"half band wider than 20",  // node 1 rotation (equation 1) with node 10 (26 to 28)
     [](CKordelDoc& d) { d.m_aFrameMember[1][kMemberEndNode] = 10; }},
    {"release type 0", [](CKordelDoc& d) { d.m_aFrameMember[3][kMemberRelease] = 0; }},
    {"release type 5", [](CKordelDoc& d) { d.m_aFrameMember[3][kMemberRelease] = 5; }},
    {"negative modulus", [](CKordelDoc& d) { d.m_aFrameMember[4][kMemberModulus] = -kE; }},
    {"restraint digit 4", [](CKordelDoc& d) { d.m_aFrameSupport[2][kSupportRestraint] = 24; }},
    {"restraint digit 0", [](CKordelDoc& d) { d.m_aFrameSupport[2][kSupportRestraint] = 102; }},
    {"support at a node past the count",
     [](CKordelDoc& d) { d.m_aFrameSupport[3][kSupportNode] = 22; }},
    {"point load in direction 4",
     [](CKordelDoc& d) { d.m_aFramePointLoad[1][kPointLoadDirection] = 4; }},
    {"point load at node 0", [](CKordelDoc& d) { d.m_aFramePointLoad[1][kPointLoadNode] = 0; }},
    {"member load naming no member",
     [](CKordelDoc& d) { d.m_aFrameMemberLoad[5][kMemberLoadEndNode] = 7; }},
    {"member load naming a member's nodes the wrong way round",
     [](CKordelDoc& d) {
         std::swap(d.m_aFrameMemberLoad[5][kMemberLoadStartNode],
                   d.m_aFrameMemberLoad[5][kMemberLoadEndNode]);
     }},
    {"member load type 3", [](CKordelDoc& d) { d.m_aFrameMemberLoad[5][kMemberLoadType] = 3; }},
    {"member load not a number",
     [](CKordelDoc& d) { d.m_aFrameMemberLoad[5][kMemberLoadValue] = kNaN; }},
    {"unstable: no supports", [](CKordelDoc& d) { d.m_nFrameSupports = 0; }},
    {"unstable: nothing holds x",
     [](CKordelDoc& d) { d.m_aFrameSupport[1][kSupportRestraint] = kRestraintY; }},
    {"unstable: hinges at both ends of every member",
     [](CKordelDoc& d) {
         for (int e = 1; e <= d.m_nFrameMembers; ++e)
             d.m_aFrameMember[e][kMemberRelease] = kReleaseBoth;
     }},
};

TEST_F(FrameSolverTest, ModelsPastTheGuardsLeaveZeroResultsAndRaiseTheFlag) {
    for (const GuardCase& c : kGuardCases) {
        SCOPED_TRACE(c.name);
        doc = NewDoc();
        BuildBeam(*doc, {100.0, 100.0});
        LoadEveryMember(*doc, 2.0);
        AddPointLoad(*doc, 6, kFrameDirY, -10.0);
        ASSERT_TRUE(Solve(*doc));  // the good model first, so stale results would show
        ASSERT_FALSE(AllFrameResultsZero(*doc));

        c.spoil(*doc);
        doc->SolveFrame();
        EXPECT_TRUE(doc->m_bFrameSolveFailed);
        EXPECT_TRUE(AllFrameResultsZero(*doc));
    }
}

TEST_F(FrameSolverTest, LongFlexibleCantileverIsNoMechanism) {
    // 200 members of 10 ft fixed at node 1, P = 1 kip down at the tip. The tip's last pivot is
    // 3EI/L^3 against its diagonal 12EI/l^3, (1/4)(10/2000)^3 = 3e-8 of it, far above the
    // round-off size of a true mechanism. Tip deflection PL^3/3EI = 8e9 / 82,944,000 ft, wall
    // moment PL. The condition number of a bending chain grows as the fourth power of its
    // member count (about 1e9 here), so the results hold to about 1e-8, not to round-off.
    const double P = 1.0, L = 2000.0;
    AddNode(*doc, 0.0);
    AddSupport(*doc, 1, kRestraintFixed);
    for (int e = 1; e <= kMaxFrameMembers; ++e) {
        AddNode(*doc, L * e / kMaxFrameMembers);
        AddMember(*doc, e, e + 1);
    }
    AddPointLoad(*doc, doc->m_nFrameNodes, kFrameDirY, -P);
    ASSERT_TRUE(Solve(*doc));
    const double tip = P * L * L * L / (3 * kEI);
    EXPECT_NEAR(doc->m_aFrameDisplacement[doc->m_nFrameNodes][kFrameDirY], -tip, 1e-7 * tip);
    EXPECT_NEAR(doc->m_aFrameReaction[1][kReactionMoment], P * L, 1e-7 * P * L);
}

TEST_F(FrameSolverTest, FlagClearsOnTheNextGoodSolve) {
    BuildBeam(*doc, {100.0});
    LoadEveryMember(*doc, 2.0);
    doc->m_aFrameSupport[1][kSupportRestraint] = kRestraintY;  // nothing holds x
    doc->SolveFrame();
    ASSERT_TRUE(doc->m_bFrameSolveFailed);
    doc->m_aFrameSupport[1][kSupportRestraint] = kRestraintXY;
    doc->SolveFrame();
    EXPECT_FALSE(doc->m_bFrameSolveFailed);
    EXPECT_NEAR(doc->m_aFrameReaction[1][kReactionY], 100.0, 1e-9);  // wL/2
}

}  // namespace
}  // namespace kordel::test

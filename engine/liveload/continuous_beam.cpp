// The continuous-beam model: the chain of spans as a plane frame with a node at every tenth point
// of every span, a uniform load on every span, and the moving loads of one vehicle enveloped at
// the tenth points.
//
// The moving loads are superposed from unit solutions. A load on a member acts on the frame
// through the equivalent nodal loads at the member's two nodes plus its fixed-end actions on that
// member alone, so every tenth-point result of a placement is a weighted sum of the results for a
// unit force or moment at each free node direction (one frame solution each), plus the fixed-end
// actions of the loaded members. The sums equal a frame solution per placement to round-off and
// cost a small fraction of one.
#include "engine/liveload/continuous_beam.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <span>
#include <string>
#include <vector>

#include "document/kordel_doc.h"
#include "engine/liveload/double2.h"
#include "engine/liveload/frame_math.h"
#include "platform/host.h"

namespace kordel {

// ---- Axle trains --------------------------------------------------------------------------------

AxleTrain VehicleAxleTrain(const LiveLoadVehicle& vehicle, bool reversed) {
    AxleTrain train;
    train.count = std::clamp(vehicle.m_nAxleCount, 0, kMaxVehicleAxles);
    const int n = train.count;
    for (int i = 0; i < n; ++i) {
        const int axle = reversed ? n - 1 - i : i;
        train.weight[i] = vehicle.m_aAxles[axle].m_dWeight;
    }
    // Gap i joins axles i and i + 1 of the train; reversed, those are axles n - 2 - i and
    // n - 1 - i of the vehicle, whose gap is stored with the first of them.
    for (int i = 0; i + 1 < n; ++i) {
        const VehicleAxle& row = vehicle.m_aAxles[reversed ? n - 2 - i : i];
        train.gap[i] = row.m_dMinSpacing;
        train.step[i] = (row.m_dMaxSpacing - row.m_dMinSpacing) / (kVehicleSpacingSteps - 1);
    }
    return train;
}

AxleTrain FixedAxleTrain(std::initializer_list<double> weights, std::initializer_list<double> gaps,
                         std::initializer_list<double> steps) {
    AxleTrain train;
    for (double w : weights) {
        if (train.count < kMaxVehicleAxles) train.weight[train.count++] = w;
    }
    int i = 0;
    for (double g : gaps) {
        if (i < kMaxVehicleAxles) train.gap[i++] = g;
    }
    i = 0;
    for (double s : steps) {
        if (i < kMaxVehicleAxles) train.step[i++] = s;
    }
    return train;
}

// AASHTO LRFD 6th ed. Art. 3.6.1.3.1 (90 percent of two design trucks)
double TwoTruckFactor(bool increased, double Lmax) {
    constexpr double kFactor = 0.90;
    if (!increased || Lmax <= 100.0) return kFactor;
    if (Lmax > 200.0) return 1.10;
    return kFactor + 0.20 * (Lmax - 100.0) / 100.0;
}

namespace {

// ---- Model constants ----------------------------------------------------------------------------

/// The section of every member: section case 2 (girder, haunch, deck and overlay) at mid-span.
constexpr int kMidspanStation = 50;
constexpr double kSquareInchesPerSquareFoot = 144.0;
constexpr double kInches4PerFoot4 = 20736.0;  // 12^4
constexpr double kKsfPerKsi = 144.0;

/// Distance of an axle from the node it is placed on, and of the concentrated lane load for shear
/// from the node it stands next to: each node is passed on both sides.
constexpr double kNodeOffset = 0.001;  // ft
/// Loads this close beyond a bridge end stand on it (round-off of the axle positions).
constexpr double kEndTolerance = 1e-9;  // ft

/// Offsets of an axle train from the node its axle is placed on: right of it, then left of it.
/// A load exactly on a node stands on the member that starts there and counts into the shear
/// left of the node as well as right of it, so a train on the nodes never shows the shear just
/// right of an axle; every train that is enveloped for shear takes both offsets.
constexpr double kBesideNode[] = {kNodeOffset, -kNodeOffset};
/// The lowboy, for negative moment only, stands on the nodes themselves.
constexpr double kOnNode[] = {0.0};

// ---- Code trains --------------------------------------------------------------------------------

/// Two design trucks for negative moment, before the factor: each 8, 32 and 32 kip at 14 ft, both
/// heading the same way, the lead axle of the one behind at least 50 ft behind the rear axle of
/// the one ahead. AASHTO LRFD 6th ed. Art. 3.6.1.3.1
AxleTrain DesignTruckForTwoTrucks(double factor) {
    return FixedAxleTrain({8.0 * factor, 32.0 * factor, 32.0 * factor}, {14.0, 14.0});
}
constexpr double kTwoTruckLeastHeadway = 50.0;  // ft
/// The headways run up to the longest span, and at least to this: the trucks load the negative
/// moment near a pier from the spans next to it, and a headway longer than the spans only moves a
/// truck on to where it lifts that moment or does next to nothing.
constexpr double kTwoTruckMostHeadwayAtLeast = 100.0;  // ft
/// Step of the lead-axle positions of each truck along the chain, besides the positions that put
/// one of its axles on a node: the headways between two trucks on these positions then run in
/// steps of this length.
constexpr double kTwoTruckPositionStep = 1.0;  // ft

/// Fatigue truck: one design truck with 30 ft between the 32-kip axles.
/// AASHTO LRFD 6th ed. Art. 3.6.1.4.1
AxleTrain FatigueTruck() {
    return FixedAxleTrain({8.0, 32.0, 32.0}, {14.0, 30.0});
}

/// Lowboy for negative moment: four 25-kip axles at 4 ft, g and 4 ft, g = 26 to 40 ft in five
/// steps of 3.5 ft. Caltrans Amendments to AASHTO LRFD, CA 3.6.1.3.1
constexpr int kLowboySpacingSteps = 5;
AxleTrain Lowboy() {
    return FixedAxleTrain({25.0, 25.0, 25.0, 25.0}, {4.0, 26.0, 4.0}, {0.0, 3.5, 0.0});
}

/// Name of the LRFD design vehicle that takes the two-truck load for negative moment.
constexpr const char* kTwoTruckVehicleName = "HL-93";

constexpr const char* kResultsZeroed = " The continuous-beam results are set to 0.";

// ---- Layout of one solution's tenth-point results -----------------------------------------------

/// Where the tenth-point results of one solution sit in a result vector. Tenth point t of span p
/// is point q = 11 (p - 1) + t. The shear is the one just right of the tenth point (tenth point
/// 10: just left of it). Every moving load stands on a member, none on a node, so node
/// equilibrium makes the shears on both sides of a node the same number; the placements pass each
/// node on both sides. Two blocks, each padded to a multiple of kResultBlock values: the forces
/// (moments, reactions, shears), then the displacements (deflections, rotations). The moments and
/// reactions come first, so that a load that is enveloped for those alone sums a shorter prefix.
struct ResultLayout {
    explicit ResultLayout(int spanCount)
        : spans(spanCount),
          points(kSpanTenthPoints * spanCount),
          supports(spanCount + 1),
          momentsAndReactions(RoundUp(points + supports)),
          forces(RoundUp(2 * points + supports)),
          size(forces + RoundUp(2 * points)) {}

    int spans;                ///< spans of the chain
    int points;               ///< tenth points, 11 per span
    int supports;             ///< supports, spans + 1
    int momentsAndReactions;  ///< values from the first moment to the last reaction, padded
    int forces;               ///< values of the force block, padded
    int size;                 ///< values of both blocks, padded

    int Moment(int q) const { return q; }                      ///< kip-ft
    int Reaction(int k) const { return points + k - 1; }       ///< kip, support k >= 1
    int Shear(int q) const { return points + supports + q; }   ///< kip
    int Deflection(int q) const { return forces + q; }         ///< ft
    int Rotation(int q) const { return forces + points + q; }  ///< radian

    static constexpr int kResultBlock = 4;
    static int RoundUp(int n) { return (n + kResultBlock - 1) / kResultBlock * kResultBlock; }
};

// The row sums run four values at a time (Double4, double2.h); each lane computes exactly what
// the scalar expression would, in the same order.

/// r[i] += c0 u0[i] + c1 u1[i] + c2 u2[i] + c3 u3[i] for i < count, a multiple of
/// ResultLayout::kResultBlock.
KORDEL_WIDE_CLONES
void AddRows(double* __restrict r, const double* __restrict u0, double c0,
             const double* __restrict u1, double c1, const double* __restrict u2, double c2,
             const double* __restrict u3, double c3, int count) {
    Double4 C0, C1, C2, C3;
    Splat4(C0, c0);
    Splat4(C1, c1);
    Splat4(C2, c2);
    Splat4(C3, c3);
    for (int i = 0; i < count; i += ResultLayout::kResultBlock) {
        Double4 R, U0, U1, U2, U3;
        Load4(R, r + i);
        Load4(U0, u0 + i);
        Load4(U1, u1 + i);
        Load4(U2, u2 + i);
        Load4(U3, u3 + i);
        R += C0 * U0 + C1 * U1 + C2 * U2 + C3 * U3;
        Store4(r + i, R);
    }
}

/// r[i] = c u[i] for i < count, a multiple of ResultLayout::kResultBlock.
KORDEL_WIDE_CLONES
void ScaleRow(double* __restrict r, const double* __restrict u, double c, int count) {
    Double4 C;
    Splat4(C, c);
    for (int i = 0; i < count; i += ResultLayout::kResultBlock) {
        Double4 U;
        Load4(U, u + i);
        Store4(r + i, C * U);
    }
}

/// r[i] += c u[i] for i < count, a multiple of ResultLayout::kResultBlock.
KORDEL_WIDE_CLONES
void AddRow(double* __restrict r, const double* __restrict u, double c, int count) {
    Double4 C;
    Splat4(C, c);
    for (int i = 0; i < count; i += ResultLayout::kResultBlock) {
        Double4 R, U;
        Load4(R, r + i);
        Load4(U, u + i);
        R += C * U;
        Store4(r + i, R);
    }
}

int PointIndex(int span, int tenth) {
    return kSpanTenthPoints * (span - 1) + tenth;
}

/// The tenth-point results of the frame solution held in `d`: moment and shear from the start
/// forces of the member that starts at the tenth point, at tenth point 10 from the end forces of
/// the span's last member; deflection and rotation of the node; vertical reactions.
void ReadSolution(const CKordelDoc& d, const ResultLayout& lay, double* r) {
    for (int p = 1; p <= lay.spans; ++p) {
        const int last = kFrameMembersPerSpan * p;  // last member of span p
        for (int t = 0; t < kSpanTenthPoints; ++t) {
            const int q = PointIndex(p, t);
            const int node = kFrameMembersPerSpan * (p - 1) + t + 1;  // member `node` starts here
            if (t < kFrameMembersPerSpan) {
                r[lay.Moment(q)] = d.m_aFrameEndMoment[node][kAtStart];
                r[lay.Shear(q)] = d.m_aFrameEndShear[node][kAtStart];
            } else {
                r[lay.Moment(q)] = -d.m_aFrameEndMoment[last][kAtEnd];
                r[lay.Shear(q)] = -d.m_aFrameEndShear[last][kAtEnd];
            }
            r[lay.Deflection(q)] = d.m_aFrameDisplacement[node][kFrameDirY];
            r[lay.Rotation(q)] = d.m_aFrameDisplacement[node][kFrameDirRotation];
        }
    }
    for (int k = 1; k <= lay.supports; ++k) r[lay.Reaction(k)] = d.m_aFrameReaction[k][kReactionY];
}

// ---- The frame model ----------------------------------------------------------------------------

/// Why the design's chain of spans cannot be modelled, or empty when it can.
std::string ModelProblem(const CKordelDoc& d) {
    char text[400];
    if (d.m_nSpans < 1 || d.m_nSpans > kMaxSpans) {
        std::snprintf(text, sizeof text,
                      "The continuous-beam model takes 1 to %d spans; the design has %d.%s",
                      kMaxSpans, d.m_nSpans, kResultsZeroed);
        return text;
    }
    for (int p = 1; p <= d.m_nSpans; ++p) {
        const double L = d.m_adSpanLength[p];  // ft
        if (!std::isfinite(L) || L <= 0.0) {
            std::snprintf(text, sizeof text,
                          "Span %d has a length of %g ft; the continuous-beam model needs a "
                          "positive length for every span.%s",
                          p, L, kResultsZeroed);
            return text;
        }
    }
    const double A = d.m_adAreaAtStation[kMidspanStation][kSectionCaseOverlay];     // in2
    const double I = d.m_adInertiaAtStation[kMidspanStation][kSectionCaseOverlay];  // in4
    const double Ec = d.m_dBeamEc;                                                  // ksi
    auto positive = [](double v) { return std::isfinite(v) && v > 0.0; };
    if (!positive(A) || !positive(I) || !positive(Ec)) {
        std::snprintf(text, sizeof text,
                      "The continuous-beam model needs a positive area and moment of inertia of "
                      "the composite section at mid-span and a positive girder modulus (A = %g "
                      "in2, I = %g in4, Ec = %g ksi).%s",
                      A, I, Ec, kResultsZeroed);
        return text;
    }
    return {};
}

/// Why the moving loads of `v` cannot be analysed, or empty when they can.
std::string VehicleProblem(const LiveLoadVehicle& v) {
    char text[400];
    if (v.m_nAxleCount < 0 || v.m_nAxleCount > kMaxVehicleAxles) {
        std::snprintf(text, sizeof text,
                      "The vehicle \"%s\" has %d axles; a vehicle has 0 to %d.%s",
                      v.m_strName.c_str(), v.m_nAxleCount, kMaxVehicleAxles, kResultsZeroed);
        return text;
    }
    bool finite = std::isfinite(v.m_dLaneLoad) && std::isfinite(v.m_dLaneMomentLoad) &&
                  std::isfinite(v.m_dLaneShearLoad);
    for (int i = 0; i < v.m_nAxleCount; ++i) {
        const VehicleAxle& a = v.m_aAxles[i];
        finite = finite && std::isfinite(a.m_dWeight) && std::isfinite(a.m_dMinSpacing) &&
                 std::isfinite(a.m_dMaxSpacing);
    }
    if (v.m_bIncludeTandem != 0) {
        finite = finite && std::isfinite(v.m_dTandemAxle1) && std::isfinite(v.m_dTandemAxle2) &&
                 std::isfinite(v.m_dTandemSpacing);
    }
    if (!finite) {
        std::snprintf(text, sizeof text,
                      "The vehicle \"%s\" has a load or an axle spacing that is not a number.%s",
                      v.m_strName.c_str(), kResultsZeroed);
        return text;
    }
    return {};
}

/// The frame of the chain of spans: nodes at the tenth points of every span, members between
/// them with the mid-span composite section, a pin under the first node and rollers under the
/// last node of every span. No loads.
void BuildFrameModel(CKordelDoc& d) {
    const int spans = d.m_nSpans;
    d.m_nFrameNodes = kFrameMembersPerSpan * spans + 1;
    d.m_nFrameMembers = kFrameMembersPerSpan * spans;
    d.m_nFrameSupports = spans + 1;
    d.m_nFramePointLoads = 0;
    d.m_nFrameMemberLoads = 0;

    double start = 0.0;  // ft, left end of span p
    for (int p = 1; p <= spans; ++p) {
        const double L = d.m_adSpanLength[p];  // ft
        for (int j = 1; j <= kFrameMembersPerSpan; ++j) {
            const int n = kFrameMembersPerSpan * (p - 1) + j;
            d.m_aFrameNode[n][kNodeX] = start + (j - 1) * L / kFrameMembersPerSpan;
            d.m_aFrameNode[n][kNodeY] = 0.0;
        }
        start += L;
    }
    d.m_aFrameNode[d.m_nFrameNodes][kNodeX] = start;
    d.m_aFrameNode[d.m_nFrameNodes][kNodeY] = 0.0;

    const double A = d.m_adAreaAtStation[kMidspanStation][kSectionCaseOverlay] /
                     kSquareInchesPerSquareFoot;  // ft2
    const double I =
        d.m_adInertiaAtStation[kMidspanStation][kSectionCaseOverlay] / kInches4PerFoot4;  // ft4
    const double E = d.m_dBeamEc * kKsfPerKsi;                                            // ksf
    for (int c = 1; c <= d.m_nFrameMembers; ++c) {
        double* m = d.m_aFrameMember[c];
        m[kMemberStartNode] = c;
        m[kMemberEndNode] = c + 1;
        m[kMemberArea] = A;
        m[kMemberInertia] = I;
        m[kMemberRelease] = kReleaseNone;
        m[kMemberModulus] = E;
    }
    for (int k = 1; k <= d.m_nFrameSupports; ++k) {
        d.m_aFrameSupport[k][kSupportNode] = kFrameMembersPerSpan * (k - 1) + 1;
        d.m_aFrameSupport[k][kSupportRestraint] = k == 1 ? kRestraintXY : kRestraintY;
    }
}

/// No model and no results: what the callers find when the beam cannot be analysed.
void ClearFrameModel(CKordelDoc& d) {
    d.m_nFrameNodes = d.m_nFrameMembers = d.m_nFrameSupports = 0;
    d.m_nFramePointLoads = d.m_nFrameMemberLoads = 0;
    std::memset(d.m_aFrameDisplacement, 0, sizeof d.m_aFrameDisplacement);
    std::memset(d.m_aFrameEndAxial, 0, sizeof d.m_aFrameEndAxial);
    std::memset(d.m_aFrameEndShear, 0, sizeof d.m_aFrameEndShear);
    std::memset(d.m_aFrameEndMoment, 0, sizeof d.m_aFrameEndMoment);
    std::memset(d.m_aFrameReaction, 0, sizeof d.m_aFrameReaction);
    for (auto& support : d.m_aFrameSupport) {
        support[kSupportReactionX] = 0.0;
        support[kSupportReactionY] = 0.0;
        support[kSupportReactionMoment] = 0.0;
    }
    d.m_bFrameSolveFailed = true;
}

// ---- Unit solutions -----------------------------------------------------------------------------

/// The stiffness of the frame held in the document, assembled and reduced once for the many load
/// cases of one model: each solution then costs only the load vector's passes. The results are
/// those of SolveFrame to the last bit (the same assembly, elimination and end forces). Valid for
/// the frame model tables as they were when Factor ran: the caller changes only the loads.
class FactoredStiffness {
  public:
    /// Numbers the equations, assembles and reduces the stiffness; false when the solver's own
    /// steps fail (SolveFrame then meets and reports the same failure).
    bool Factor(CKordelDoc& d) {
        d.m_bFrameSolveFailed = false;
        d.NumberFrameEquations();
        if (!d.m_bFrameSolveFailed) d.AssembleFrameStiffness();
        if (d.m_bFrameSolveFailed) return false;
        m_n = d.m_nFrameEquations;
        m_w = d.m_nFrameBandWidth;
        const double* assembled = &d.m_adStiffness[0][0];
        m_K.assign(assembled, assembled + static_cast<size_t>(m_n + 1) * kStiffnessRowStride);
        m_pivot.assign(m_n + 1, 0.0);
        return FactorBandedEquations(Rows(), m_pivot.data(), m_n, m_w);
    }

    /// Solves the loads of the frame tables as SolveFrame does, with the reduced stiffness; false
    /// when a step fails (the caller then runs SolveFrame, which reports it).
    bool Solve(CKordelDoc& d) {
        d.m_bFrameSolveFailed = false;
        // The stiffness assembly clears the load vector before the loads are assembled.
        std::fill(d.m_adFrameLoadVector, d.m_adFrameLoadVector + m_n + 1, 0.0);
        d.AssembleFrameLoads();
        if (d.m_bFrameSolveFailed) return false;
        SolveFactoredBandedEquations(Rows(), m_pivot.data(), d.m_adFrameLoadVector, m_n, m_w);
        d.StoreFrameDisplacements();
        if (!d.m_bFrameSolveFailed) d.ComputeMemberEndForces();
        return !d.m_bFrameSolveFailed;
    }

  private:
    double (*Rows())[kStiffnessRowStride] {
        return reinterpret_cast<double(*)[kStiffnessRowStride]>(m_K.data());
    }

    int m_n = 0;              ///< equations
    int m_w = 0;              ///< half band width
    std::vector<double> m_K;  ///< reduced stiffness, rows of kStiffnessRowStride as m_adStiffness
    std::vector<double> m_pivot;  ///< pivot of each equation [equation]
};

/// The tenth-point results of the frame for a unit upward force on every node whose vertical
/// direction is free and a unit counter-clockwise moment on every node, and the superposition of
/// loads from them.
class UnitSolutions {
  public:
    /// Solves the frame model held in `d` for every unit load; false when a solution fails.
    /// Leaves the last unit load in the frame tables.
    bool Build(CKordelDoc& d, const ResultLayout& lay) {
        m_lay = lay;
        m_nodes = d.m_nFrameNodes;
        m_members = d.m_nFrameMembers;
        m_x.assign(m_nodes + 1, 0.0);
        for (int n = 1; n <= m_nodes; ++n) m_x[n] = d.m_aFrameNode[n][kNodeX];
        m_supportAt.assign(m_nodes + 1, 0);
        for (int k = 1; k <= d.m_nFrameSupports; ++k)
            m_supportAt[static_cast<int>(d.m_aFrameSupport[k][kSupportNode])] = k;

        // Row 0 is all zero and stands for a restrained direction.
        m_forceRow.assign(m_nodes + 1, 0);
        m_momentRow.assign(m_nodes + 1, 0);
        int rows = 1;
        for (int n = 1; n <= m_nodes; ++n) {
            if (m_supportAt[n] == 0) m_forceRow[n] = rows++;
            m_momentRow[n] = rows++;
        }
        m_rows.assign(static_cast<size_t>(rows) * lay.size, 0.0);

        d.m_nFrameMemberLoads = 0;
        d.m_nFramePointLoads = 1;
        double* load = d.m_aFramePointLoad[1];
        // Every unit load but the last is solved with the stiffness reduced once; the last one
        // with SolveFrame itself, which leaves the frame tables as a solution of it alone.
        FactoredStiffness& stiffness = m_stiffness;
        const bool factored = stiffness.Factor(d);
        for (int n = 1; n <= m_nodes; ++n) {
            for (int direction : {kFrameDirY, kFrameDirRotation}) {
                const int row = direction == kFrameDirY ? m_forceRow[n] : m_momentRow[n];
                if (row == 0) continue;
                load[kPointLoadNode] = n;
                load[kPointLoadDirection] = direction;
                load[kPointLoadValue] = 1.0;
                if (!factored || row == rows - 1 || !stiffness.Solve(d)) d.SolveFrame();
                if (d.m_bFrameSolveFailed) return false;
                ReadSolution(d, lay, Row(row));
            }
        }
        m_length.assign(m_members + 1, 0.0);
        for (int c = 1; c <= m_members; ++c) m_length[c] = d.m_aFrameMember[c][kMemberLength];
        return true;
    }

    int Nodes() const { return m_nodes; }
    int Members() const { return m_members; }
    double NodeX(int n) const { return m_x[n]; }
    double MemberLength(int c) const { return m_length[c]; }

    /// Adds a vertical force `Fy` (kip, upward positive) on node `node`.
    void AddNodalForce(int node, double Fy, double* r) const {
        if (const int row = m_forceRow[node]) {
            AddRow(r, Row(row), Fy, m_lay.size);
        } else if (const int k = m_supportAt[node]) {
            r[m_lay.Reaction(k)] -= Fy;  // the support takes it all
        }
    }

    /// Adds the first `count` results of a load on member `c` with fixed-end actions `fea`
    /// (FixedEndActions of the rigid member, forces along local y = global y): the equivalent
    /// nodal loads through the unit solutions, and the fixed-end actions into the member's own
    /// end forces and the reactions under its nodes. `count` is the force block or the size.
    void AddMemberLoad(int c, const FixedEndActions& fea, double* r, int count) const {
        AddRows(r, Row(m_forceRow[c]), -fea.Vs, Row(m_momentRow[c]), -fea.Ms,
                Row(m_forceRow[c + 1]), -fea.Ve, Row(m_momentRow[c + 1]), -fea.Me, count);

        const int p = (c - 1) / kFrameMembersPerSpan + 1;
        const int t = (c - 1) % kFrameMembersPerSpan;
        const int q = PointIndex(p, t);
        r[m_lay.Moment(q)] -= fea.Ms;  // the start moment in beam sign is minus the ccw moment
        r[m_lay.Shear(q)] += fea.Vs;
        if (t == kFrameMembersPerSpan - 1) {  // the span's last member gives tenth point 10
            r[m_lay.Moment(q + 1)] += fea.Me;
            r[m_lay.Shear(q + 1)] -= fea.Ve;
        }
        if (const int k = m_supportAt[c]) r[m_lay.Reaction(k)] += fea.Vs;
        if (const int k = m_supportAt[c + 1]) r[m_lay.Reaction(k)] += fea.Ve;
    }

    /// Adds a uniform load `w` (klf, downward positive) over member `c`.
    void AddUniformLoad(int c, double w, double* r, int count) const {
        AddMemberLoad(c, UniformLoadFixedEndActions(-w, m_length[c]), r, count);
    }

    /// Adds a concentrated load `P` (kip, downward positive) at `x` ft from the left end of the
    /// chain, 0 <= x <= the total length: on the member that starts at the last node at or left
    /// of x, or at the end of the last member. The member is found by a walk from member `hint`,
    /// which is then set to it: a train moved node by node finds each axle's member a step or
    /// two from where it stood before. The node positions never decrease along the chain.
    void AddPointLoad(double x, double P, double* r, int count, int& hint) const {
        int c = std::clamp(hint, 1, m_members);
        while (c < m_members && m_x[c + 1] <= x) ++c;
        while (c > 1 && m_x[c] > x) --c;
        hint = c;
        const double a = std::clamp(x - m_x[c], 0.0, m_length[c]);  // ft
        AddMemberLoad(c, ConcentratedLoadFixedEndActions(-P, a, m_length[c]), r, count);
    }

  private:
    double* Row(int row) { return m_rows.data() + static_cast<size_t>(row) * m_lay.size; }
    const double* Row(int row) const {
        return m_rows.data() + static_cast<size_t>(row) * m_lay.size;
    }

    ResultLayout m_lay{1};
    int m_nodes = 0;
    int m_members = 0;
    std::vector<double> m_x;        ///< node x, ft [node]
    std::vector<double> m_length;   ///< member length, ft [member]
    std::vector<int> m_supportAt;   ///< support number under the node, 0 for none [node]
    std::vector<int> m_forceRow;    ///< row of the unit vertical force, 0 restrained [node]
    std::vector<int> m_momentRow;   ///< row of the unit moment [node]
    std::vector<double> m_rows;     ///< [row][ResultLayout index]
    FactoredStiffness m_stiffness;  ///< the reduced stiffness the unit loads are solved with
};

// ---- Envelopes ----------------------------------------------------------------------------------

/// The two-truck search's tables: the lead-axle positions and each position's moments and
/// reactions, and the window extremes behind each position.
struct TwoTruckTables {
    std::vector<double> lead;    ///< ft [position]
    std::vector<double> single;  ///< [position][ResultLayout index, moments and reactions]
    std::vector<double> best;    ///< [position]
    std::vector<int> at;         ///< [position]
    std::vector<int> queue;      ///< [position]
};

/// One load case of the moving-load envelopes over all tenth points, with its reaction extremes.
struct CaseEnvelope {
    explicit CaseEnvelope(const ResultLayout& lay) {
        for (auto& t : table) t.assign(lay.points, 0.0);
        reactionMax.assign(lay.supports + 1, 0.0);
        reactionMin.assign(lay.supports + 1, 0.0);
    }
    std::array<std::vector<double>, kMovingLoadTables> table;  ///< [MovingLoadTable][point]
    std::vector<double> reactionMax;                           ///< kip [support]
    std::vector<double> reactionMin;                           ///< kip [support]
};

/// What a train updates: all tables or only the minimum moment with its shear, and the
/// reactions of every support or of the interior supports only.
struct TrainScope {
    bool negativeMomentOnly = false;
    bool interiorSupportsOnly = false;
};

// The envelope updates run four tenth points at a time (Double4, double2.h), choosing lane by
// lane without a branch; each lane keeps exactly the value the scalar comparison would.

/// Keeps the extreme of `value` in `extreme` and, whenever it changes, `concurrent` in
/// `atExtreme`, for the `count` tenth points: the largest value when `largest`, else the least.
[[gnu::always_inline]] inline void KeepExtreme(const double* value, const double* concurrent,
                                               double* extreme, double* atExtreme, int count,
                                               bool largest) {
    int q = 0;
    for (; q + 4 <= count; q += 4) {
        Double4 v, e, c, a;
        Load4(v, value + q);
        Load4(e, extreme + q);
        Load4(c, concurrent + q);
        Load4(a, atExtreme + q);
        const Mask4 beyond = largest ? Mask4(v > e) : Mask4(v < e);
        Select4(e, beyond, v, e);
        Select4(a, beyond, c, a);
        Store4(extreme + q, e);
        Store4(atExtreme + q, a);
    }
    for (; q < count; ++q) {
        if (largest ? value[q] > extreme[q] : value[q] < extreme[q]) {
            extreme[q] = value[q];
            atExtreme[q] = concurrent[q];
        }
    }
}

/// Keeps the largest of `value` in `largest` and the smallest in `smallest` for the `count`
/// tenth points, as std::max and std::min would.
[[gnu::always_inline]] inline void KeepRange(const double* value, double* largest, double* smallest,
                                             int count) {
    int q = 0;
    for (; q + 4 <= count; q += 4) {
        Double4 v, hi, lo;
        Load4(v, value + q);
        Load4(hi, largest + q);
        Load4(lo, smallest + q);
        Select4(hi, hi < v, v, hi);
        Select4(lo, v < lo, v, lo);
        Store4(largest + q, hi);
        Store4(smallest + q, lo);
    }
    for (; q < count; ++q) {
        largest[q] = std::max(largest[q], value[q]);
        smallest[q] = std::min(smallest[q], value[q]);
    }
}

/// Updates `env` with the results `r` of one placement of a train.
KORDEL_WIDE_CLONES
void UpdateTrainEnvelope(const double* r, const ResultLayout& lay, const TrainScope& scope,
                         CaseEnvelope& env) {
    auto& T = env.table;
    const int points = lay.points;
    const double* M = r + lay.Moment(0);  // kip-ft
    const double* V = r + lay.Shear(0);   // kip
    KeepExtreme(M, V, T[kEnvMinMoment].data(), T[kEnvShearAtMinMoment].data(), points, false);
    if (!scope.negativeMomentOnly) {
        KeepExtreme(M, V, T[kEnvMaxMoment].data(), T[kEnvShearAtMaxMoment].data(), points, true);
        KeepExtreme(V, M, T[kEnvMaxShear].data(), T[kEnvMomentAtMaxShear].data(), points, true);
        KeepExtreme(V, M, T[kEnvMinShear].data(), T[kEnvMomentAtMinShear].data(), points, false);
        KeepRange(r + lay.Deflection(0), T[kEnvMaxDeflection].data(), T[kEnvMinDeflection].data(),
                  points);
        KeepRange(r + lay.Rotation(0), T[kEnvMaxRotation].data(), T[kEnvMinRotation].data(),
                  points);
    }
    const int first = scope.interiorSupportsOnly ? 2 : 1;
    const int last = scope.interiorSupportsOnly ? lay.supports - 1 : lay.supports;
    for (int k = first; k <= last; ++k) {
        const double R = r[lay.Reaction(k)];  // kip
        env.reactionMax[k] = std::max(env.reactionMax[k], R);
        env.reactionMin[k] = std::min(env.reactionMin[k], R);
    }
}

/// Places `train` with each of its axles in turn on every node, `offset` ft from it, for every
/// offset and for `spacingSteps` spacings (after all offsets of a spacing every gap grows by its
/// step), and updates `env` with every placement. Axles off the bridge are left out.
void PlaceTrain(const UnitSolutions& units, const ResultLayout& lay, const AxleTrain& train,
                int spacingSteps, std::span<const double> offsets, const TrainScope& scope,
                CaseEnvelope& env, std::vector<double>& r) {
    const int count = scope.negativeMomentOnly ? lay.forces : lay.size;
    const double length = units.NodeX(units.Nodes());  // ft
    auto onBridge = [length](double x) {
        return x >= -kEndTolerance && x <= length + kEndTolerance;
    };
    // Results of a unit load at the node (plus offset): the axle placed there, whichever it is.
    std::vector<double> atNode(count);
    double gap[kMaxVehicleAxles];
    std::copy(train.gap, train.gap + kMaxVehicleAxles, gap);
    double behind[kMaxVehicleAxles];  // ft, distance of axle g behind axle 0
    for (int j = 0; j < spacingSteps; ++j) {
        behind[0] = 0.0;
        for (int g = 1; g < train.count; ++g) behind[g] = behind[g - 1] + gap[g - 1];
        for (double offset : offsets) {
            // The member each axle stood on at the last node, where its search starts.
            int nodeMember = 1;
            int axleMember[kMaxVehicleAxles][kMaxVehicleAxles];
            for (auto& row : axleMember) std::fill(std::begin(row), std::end(row), 1);
            for (int n = 1; n <= units.Nodes(); ++n) {
                const double xn = units.NodeX(n) + offset;  // ft
                const bool nodeLoaded = onBridge(xn);
                if (nodeLoaded) {
                    std::fill(atNode.begin(), atNode.end(), 0.0);
                    units.AddPointLoad(std::clamp(xn, 0.0, length), 1.0, atNode.data(), count,
                                       nodeMember);
                }
                for (int f = 0; f < train.count; ++f) {
                    if (nodeLoaded) {
                        ScaleRow(r.data(), atNode.data(), train.weight[f], count);
                    } else {
                        std::fill(r.begin(), r.begin() + count, 0.0);
                    }
                    for (int g = 0; g < train.count; ++g) {
                        if (g == f || train.weight[g] == 0.0) continue;
                        const double x = xn + (behind[f] - behind[g]);  // ft
                        if (!onBridge(x)) continue;
                        units.AddPointLoad(std::clamp(x, 0.0, length), train.weight[g], r.data(),
                                           count, axleMember[f][g]);
                    }
                    UpdateTrainEnvelope(r.data(), lay, scope, env);
                }
            }
        }
        for (int g = 0; g + 1 < train.count; ++g) gap[g] += train.step[g];
    }
}

/// The headways of two trucks: the least and the largest distance from the rear axle of the
/// truck ahead to the lead axle of the truck behind, ft.
struct Headways {
    double least;
    double most;
};

/// Extremes over a sliding window of positions: for each position i of `lead` (in increasing
/// order), the value of the positions b with lead[i] - `far` <= lead[b] <= lead[i] - `near` that
/// lies beyond all others by `beyond(a, b)` (a < b for the least, a > b for the largest), with
/// its position (-1 and 0 when the window is empty). `value` of position b is value[b stride].
/// A monotone queue of positions, so that every position enters and leaves it once.
template <class Beyond>
void WindowExtremes(const std::vector<double>& lead, double near, double far, const double* value,
                    int stride, Beyond beyond, std::vector<double>& best, std::vector<int>& at,
                    std::vector<int>& queue) {
    const int positions = static_cast<int>(lead.size());
    auto v = [&](int b) { return value[static_cast<size_t>(b) * stride]; };
    int head = 0, tail = 0, b = 0;
    for (int i = 0; i < positions; ++i) {
        for (; b < i && lead[b] <= lead[i] - near + kEndTolerance; ++b) {
            while (tail > head && !beyond(v(queue[tail - 1]), v(b))) --tail;
            queue[tail++] = b;
        }
        while (tail > head && lead[queue[head]] < lead[i] - far - kEndTolerance) ++head;
        at[i] = tail > head ? queue[head] : -1;
        best[i] = tail > head ? v(queue[head]) : 0.0;
    }
}

/// Two equal trucks `truck`, heading toward increasing x, with headways in `headways`, for the
/// least moment at every tenth point (with the shear there) and the largest and least reactions
/// of the interior supports. Each truck stands with its lead axle on every
/// kTwoTruckPositionStep from the left end of the chain and wherever one of its axles is on a
/// node; every pair of such positions within the headways is a placement, so the headway is
/// searched in steps of kTwoTruckPositionStep and finer. One truck stands alone where the other
/// could stand off the bridge. A placement's results are the sum of the two trucks' own, so each
/// truck position is summed once, and the best truck behind each position ahead is the extreme of
/// a window of positions behind it.
void PlaceTwoTrucks(const UnitSolutions& units, const ResultLayout& lay, const AxleTrain& truck,
                    Headways headways, CaseEnvelope& env, std::vector<double>& r,
                    TwoTruckTables& tables) {
    const double length = units.NodeX(units.Nodes());  // ft
    double behind[kMaxVehicleAxles] = {};              // ft, distance of axle g behind axle 0
    for (int g = 1; g < truck.count; ++g) behind[g] = behind[g - 1] + truck.gap[g - 1];
    const double truckLength = truck.count > 0 ? behind[truck.count - 1] : 0.0;  // ft
    const double near = truckLength + headways.least;  // ft, lead axle to lead axle
    const double far = truckLength + headways.most;    // ft

    // Lead-axle positions with at least one axle on the chain, in increasing order.
    std::vector<double>& lead = tables.lead;
    lead.clear();
    for (int k = 0; k * kTwoTruckPositionStep <= length + truckLength; ++k)
        lead.push_back(k * kTwoTruckPositionStep);
    for (int n = 1; n <= units.Nodes(); ++n) {
        for (int g = 0; g < truck.count; ++g) lead.push_back(units.NodeX(n) + behind[g]);
    }
    std::sort(lead.begin(), lead.end());
    lead.erase(std::unique(lead.begin(), lead.end()), lead.end());
    const int positions = static_cast<int>(lead.size());
    // The other truck may stand off the bridge: behind it, off the left end, or ahead of it, with
    // its rear axle past the right end.
    auto alone = [&](double x) { return x - far < 0.0 || x + far > length + truckLength; };

    // Moments and reactions of one truck with its lead axle at `x`, the first `count` values.
    int hint[kMaxVehicleAxles];  // member each axle stood on last
    std::fill(std::begin(hint), std::end(hint), 1);
    auto addTruck = [&](double x, double* to, int count) {
        for (int g = 0; g < truck.count; ++g) {
            const double xg = x - behind[g];  // ft
            if (truck.weight[g] == 0.0 || xg < -kEndTolerance || xg > length + kEndTolerance)
                continue;
            units.AddPointLoad(std::clamp(xg, 0.0, length), truck.weight[g], to, count, hint[g]);
        }
    };
    const int stride = lay.momentsAndReactions;
    std::vector<double>& single = tables.single;  // every value written below
    single.resize(static_cast<size_t>(positions) * stride);
    for (int i = 0; i < positions; ++i) {
        std::fill(r.begin(), r.begin() + lay.forces, 0.0);
        addTruck(lead[i], r.data(), stride);
        std::copy(r.begin(), r.begin() + stride, single.begin() + static_cast<size_t>(i) * stride);
    }

    // Each value of each truck ahead with the best truck behind it.
    std::vector<double>& best = tables.best;  // WindowExtremes writes every position of these
    std::vector<int>& at = tables.at;
    std::vector<int>& queue = tables.queue;
    best.resize(static_cast<size_t>(positions));
    at.resize(static_cast<size_t>(positions));
    queue.resize(static_cast<size_t>(positions));
    const auto below = [](double a, double b) { return a < b; };
    const auto above = [](double a, double b) { return a > b; };
    auto pairExtreme = [&](int j, auto beyond, int& ahead, int& back) {
        WindowExtremes(lead, near, far, single.data() + j, stride, beyond, best, at, queue);
        double extreme = 0.0;  // no placement worse than no load
        ahead = back = -1;
        for (int i = 0; i < positions; ++i) {
            const double own = single[static_cast<size_t>(i) * stride + j];
            if (alone(lead[i]) && beyond(own, extreme)) {
                extreme = own;
                ahead = i;
                back = -1;
            }
            if (at[i] >= 0 && beyond(own + best[i], extreme)) {
                extreme = own + best[i];
                ahead = i;
                back = at[i];
            }
        }
        return extreme;
    };
    auto& T = env.table;
    int solvedAhead = -1, solvedBack = -1;  // placement whose forces `r` holds
    for (int q = 0; q < lay.points; ++q) {
        int ahead, back;
        T[kEnvMinMoment][q] = pairExtreme(lay.Moment(q), below, ahead, back);
        if (ahead < 0) continue;
        if (ahead != solvedAhead || back != solvedBack) {  // the shear of the same placement
            solvedAhead = ahead;
            solvedBack = back;
            std::fill(r.begin(), r.begin() + lay.forces, 0.0);
            addTruck(lead[ahead], r.data(), lay.forces);
            if (back >= 0) addTruck(lead[back], r.data(), lay.forces);
        }
        T[kEnvShearAtMinMoment][q] = r[lay.Shear(q)];
    }
    for (int k = 2; k < lay.supports; ++k) {  // interior supports
        int ahead, back;
        env.reactionMax[k] = pairExtreme(lay.Reaction(k), above, ahead, back);
        env.reactionMin[k] = pairExtreme(lay.Reaction(k), below, ahead, back);
    }
}

/// Lane load, first part: the uniform lane load `w` (klf) on each member alone, every result added
/// to the table of its sign: the lane load covers the parts of each influence line of one sign.
void AddUniformLaneLoad(const UnitSolutions& units, const ResultLayout& lay, double w,
                        CaseEnvelope& env, std::vector<double>& r) {
    auto& T = env.table;
    for (int c = 1; c <= units.Members(); ++c) {
        std::fill(r.begin(), r.end(), 0.0);
        units.AddUniformLoad(c, w, r.data(), lay.size);
        for (int q = 0; q < lay.points; ++q) {
            const double M = r[lay.Moment(q)];
            const double V = r[lay.Shear(q)];
            if (M > 0.0) {
                T[kEnvMaxMoment][q] += M;
                T[kEnvShearAtMaxMoment][q] += V;
            } else {
                T[kEnvMinMoment][q] += M;
                T[kEnvShearAtMinMoment][q] += V;
            }
            if (V > 0.0) {
                T[kEnvMaxShear][q] += V;
                T[kEnvMomentAtMaxShear][q] += M;
            } else {
                T[kEnvMinShear][q] += V;
                T[kEnvMomentAtMinShear][q] += M;
            }
            const double D = r[lay.Deflection(q)];
            const double R = r[lay.Rotation(q)];
            T[D > 0.0 ? kEnvMaxDeflection : kEnvMinDeflection][q] += D;
            T[R > 0.0 ? kEnvMaxRotation : kEnvMinRotation][q] += R;
        }
        for (int k = 1; k <= lay.supports; ++k) {
            const double R = r[lay.Reaction(k)];
            (R > 0.0 ? env.reactionMax : env.reactionMin)[k] += R;
        }
    }
}

/// Lane load, second part: the concentrated lane load for moment `P` (kip) on every node, the
/// extremes of moment (with the shear there), deflection and rotation added to the case. Under the
/// Standard Specifications a second equal load in another span may deepen the negative moment.
/// AASHTO Standard Specifications 17th ed. Art. 3.11.3
void AddLaneMomentLoad(const UnitSolutions& units, const ResultLayout& lay, double P,
                       bool secondLoad, CaseEnvelope& env, std::vector<double>& r) {
    const int points = lay.points;
    std::vector<double> maxM(points, 0.0), minM(points, 0.0), shearAtMax(points, 0.0),
        shearAtMin(points, 0.0), maxD(points, 0.0), minD(points, 0.0), maxR(points, 0.0),
        minR(points, 0.0);
    // Moments of the load on each node, for the second load: [node][point].
    std::vector<double> single(static_cast<size_t>(units.Nodes() + 1) * points, 0.0);
    for (int n = 1; n <= units.Nodes(); ++n) {
        std::fill(r.begin(), r.end(), 0.0);
        units.AddNodalForce(n, -P, r.data());
        for (int q = 0; q < points; ++q) {
            const double M = r[lay.Moment(q)];
            const double V = r[lay.Shear(q)];
            if (M > 0.0) {
                if (M > maxM[q]) {
                    maxM[q] = M;
                    shearAtMax[q] = V;
                }
            } else if (M < minM[q]) {
                minM[q] = M;
                shearAtMin[q] = V;
            }
            maxD[q] = std::max(maxD[q], r[lay.Deflection(q)]);
            minD[q] = std::min(minD[q], r[lay.Deflection(q)]);
            maxR[q] = std::max(maxR[q], r[lay.Rotation(q)]);
            minR[q] = std::min(minR[q], r[lay.Rotation(q)]);
            single[static_cast<size_t>(n) * points + q] = M;
        }
    }

    // Two loads on nodes n, n' of different spans (the span of node n is (n - 1) div 10 + 1, the
    // last node not included) give the sum of their single moments; the smallest such sum is the
    // sum of the two smallest per-span minima.
    if (secondLoad && lay.spans >= 2) {
        std::vector<double> spanMin(lay.spans + 1);
        for (int q = 0; q < points; ++q) {
            std::fill(spanMin.begin(), spanMin.end(), std::numeric_limits<double>::infinity());
            for (int n = 1; n < units.Nodes(); ++n) {
                const int s = (n - 1) / kFrameMembersPerSpan + 1;
                spanMin[s] = std::min(spanMin[s], single[static_cast<size_t>(n) * points + q]);
            }
            std::sort(spanMin.begin() + 1, spanMin.end());
            const double pair = spanMin[1] + spanMin[2];
            if (pair < minM[q]) minM[q] = pair;
        }
    }

    auto& T = env.table;
    for (int q = 0; q < points; ++q) {
        T[kEnvMaxMoment][q] += maxM[q];
        T[kEnvMinMoment][q] += minM[q];
        T[kEnvShearAtMaxMoment][q] += shearAtMax[q];
        T[kEnvShearAtMinMoment][q] += shearAtMin[q];
        T[kEnvMaxDeflection][q] += maxD[q];
        T[kEnvMinDeflection][q] += minD[q];
        T[kEnvMaxRotation][q] += maxR[q];
        T[kEnvMinRotation][q] += minR[q];
    }
}

/// Lane load, third part: the concentrated lane load for shear `P` (kip) just right of the start
/// and just left of the end of every member, the shear extremes (with the moment there) and the
/// reaction extremes added to the case. Both positions lie on the member: one 0.001 ft left of
/// its start node would stand off the bridge on the first member, on a cantilever that is not
/// there, and give the end support more than the whole load.
void AddLaneShearLoad(const UnitSolutions& units, const ResultLayout& lay, double P,
                      CaseEnvelope& env, std::vector<double>& r) {
    const int points = lay.points;
    std::vector<double> maxV(points, 0.0), minV(points, 0.0), momentAtMax(points, 0.0),
        momentAtMin(points, 0.0), maxR(lay.supports + 1, 0.0), minR(lay.supports + 1, 0.0);
    const int count = lay.forces;
    for (int pass = 0; pass < 2; ++pass) {
        for (int c = 1; c <= units.Members(); ++c) {
            const double L = units.MemberLength(c);                      // ft
            const double a = pass == 0 ? kNodeOffset : L - kNodeOffset;  // ft
            std::fill(r.begin(), r.begin() + count, 0.0);
            units.AddMemberLoad(c, ConcentratedLoadFixedEndActions(-P, a, L), r.data(), count);
            for (int q = 0; q < points; ++q) {
                const double V = r[lay.Shear(q)];
                const double M = r[lay.Moment(q)];
                if (V > maxV[q]) {
                    maxV[q] = V;
                    momentAtMax[q] = M;
                }
                if (V < minV[q]) {
                    minV[q] = V;
                    momentAtMin[q] = M;
                }
            }
            for (int k = 1; k <= lay.supports; ++k) {
                maxR[k] = std::max(maxR[k], r[lay.Reaction(k)]);
                minR[k] = std::min(minR[k], r[lay.Reaction(k)]);
            }
        }
    }
    auto& T = env.table;
    for (int q = 0; q < points; ++q) {
        T[kEnvMaxShear][q] += maxV[q];
        T[kEnvMomentAtMaxShear][q] += momentAtMax[q];
        T[kEnvMinShear][q] += minV[q];
        T[kEnvMomentAtMinShear][q] += momentAtMin[q];
    }
    for (int k = 1; k <= lay.supports; ++k) {
        env.reactionMax[k] += maxR[k];
        env.reactionMin[k] += minR[k];
    }
}

/// Writes one case into the moving-load envelopes and the support envelope of the document.
void StoreCase(CKordelDoc& d, const ResultLayout& lay, const CaseEnvelope& env,
               MovingLoadCase loadCase) {
    for (int table = 0; table < kMovingLoadTables; ++table) {
        for (int p = 1; p <= lay.spans; ++p) {
            for (int t = 0; t < kSpanTenthPoints; ++t) {
                d.m_aMovingLoadEnvelope[table][p][t][loadCase][kMovingLoadValue] =
                    env.table[table][PointIndex(p, t)];
            }
        }
    }
    for (int k = 1; k <= lay.supports; ++k) {
        d.m_aFrameSupportEnvelope[k][kReactionBoundMax][loadCase] = env.reactionMax[k];
        d.m_aFrameSupportEnvelope[k][kReactionBoundMin][loadCase] = env.reactionMin[k];
    }
}

/// What the moving-load analysis keeps from one analysis to the next. The unit solutions, their
/// reduced stiffness and the two-truck tables run to tens of kilobytes each: allocated and freed
/// on every analysis, the allocator hands such blocks back to the system and the next analysis
/// faults them in afresh, which on a design loop's thousands of analyses costs more than the
/// arithmetic. Each analysis sizes and fills what it reads, so nothing of the last one shows.
struct MovingLoadStorage {
    UnitSolutions units;
    std::vector<double> r;  ///< one placement's results [ResultLayout index]
    TwoTruckTables twoTrucks;
};

}  // namespace

// ---- The analysis -------------------------------------------------------------------------------

void CKordelDoc::AnalyzeContinuousBeam(int kind, double w) {
    if (kind == kBeamStaticLoad) {
        std::string problem = ModelProblem(*this);
        if (problem.empty() && !std::isfinite(w)) {
            problem = std::string("The uniform load on the continuous beam is not a number.") +
                      kResultsZeroed;
        }
        if (!problem.empty()) {
            platform::ShowMessage(problem);
            ClearFrameModel(*this);
            return;
        }
        BuildFrameModel(*this);
        m_nFrameMemberLoads = m_nFrameMembers;
        for (int c = 1; c <= m_nFrameMembers; ++c) {
            double* load = m_aFrameMemberLoad[c];
            load[kMemberLoadStartNode] = c;
            load[kMemberLoadEndNode] = c + 1;
            load[kMemberLoadType] = kMemberLoadUniform;
            load[kMemberLoadValue] = -w;  // klf, local y is up
            load[kMemberLoadDistance] = 0.0;
        }
        SolveFrame();
        if (m_bFrameSolveFailed) {
            platform::ShowMessage(std::string("The continuous-beam model could not be solved.") +
                                  kResultsZeroed);
        }
        return;
    }

    // Only the span slots an analysis wrote can hold values; the rest read 0.
    const std::size_t slots = static_cast<std::size_t>(UsedSpanSlots()) + 1;
    for (MovingLoadEnvelope& table : m_aMovingLoadEnvelope)
        std::memset(table, 0, sizeof table[0] * slots);
    std::memset(m_aFrameSupportEnvelope, 0, sizeof m_aFrameSupportEnvelope);
    m_nProgressStep = 2;
    ShowProgress();

    const LiveLoadVehicle& vehicle = m_recCurrentVehicle;
    std::string problem = ModelProblem(*this);
    if (problem.empty()) problem = VehicleProblem(vehicle);
    if (!problem.empty()) {
        platform::ShowMessage(problem);
        ClearFrameModel(*this);
        return;
    }
    BuildFrameModel(*this);
    const ResultLayout lay(m_nSpans);
    thread_local MovingLoadStorage storage;
    UnitSolutions& units = storage.units;
    if (!units.Build(*this, lay)) {
        platform::ShowMessage(std::string("The continuous-beam model could not be solved.") +
                              kResultsZeroed);
        ClearFrameModel(*this);
        return;
    }
    std::vector<double>& r = storage.r;
    r.assign(static_cast<size_t>(lay.size), 0.0);
    double Lmax = 0.0;  // ft
    for (int p = 1; p <= m_nSpans; ++p) Lmax = std::max(Lmax, m_adSpanLength[p]);
    const bool lrfd = IsLrfd(m_nSpecification);

    // Lane load: the uniform load, the concentrated load for moment and the one for shear.
    // AASHTO LRFD 6th ed. Art. 3.6.1.2.4; AASHTO Standard Specifications 17th ed. Art. 3.7.1
    {
        CaseEnvelope lane(lay);
        if (vehicle.m_dLaneLoad != 0.0)
            AddUniformLaneLoad(units, lay, vehicle.m_dLaneLoad, lane, r);
        if (vehicle.m_dLaneMomentLoad != 0.0)
            AddLaneMomentLoad(units, lay, vehicle.m_dLaneMomentLoad, !lrfd, lane, r);
        if (vehicle.m_dLaneShearLoad != 0.0)
            AddLaneShearLoad(units, lay, vehicle.m_dLaneShearLoad, lane, r);
        StoreCase(*this, lay, lane, kMovingLane);
    }
    m_nProgressStep = 3;
    ShowProgress();

    // The vehicle's axles, both ways round, at the minimum, middle and maximum spacings.
    // AASHTO LRFD 6th ed. Art. 3.6.1.2.2; AASHTO Standard Specifications 17th ed. Art. 3.7.4
    if (vehicle.m_nAxleCount != 0) {
        CaseEnvelope truck(lay);
        for (bool reversed : {false, true}) {
            PlaceTrain(units, lay, VehicleAxleTrain(vehicle, reversed), kVehicleSpacingSteps,
                       kBesideNode, {}, truck, r);
        }
        StoreCase(*this, lay, truck, kMovingTruck);
    }
    m_nProgressStep = 4;
    ShowProgress();

    // Two design trucks for negative moment, on a continuous chain under LRFD.
    if (lrfd && vehicle.m_strName == kTwoTruckVehicleName && m_bContinuous == 1) {
        const double f = TwoTruckFactor(m_bIncreasedDoubleTruck == 1, Lmax);
        CaseEnvelope two(lay);
        PlaceTwoTrucks(units, lay, DesignTruckForTwoTrucks(f),
                       {kTwoTruckLeastHeadway, std::max(Lmax, kTwoTruckMostHeadwayAtLeast)}, two, r,
                       storage.twoTrucks);
        StoreCase(*this, lay, two, kMovingTwoTrucks);
    }
    m_nProgressStep = 4;
    ShowProgress();

    if (lrfd && m_bFatigueTruckPending == 1) {
        CaseEnvelope fatigue(lay);
        PlaceTrain(units, lay, FatigueTruck(), 1, kBesideNode, {.interiorSupportsOnly = true},
                   fatigue, r);
        StoreCase(*this, lay, fatigue, kMovingFatigue);
    }
    m_nProgressStep = 5;
    ShowProgress();

    // AASHTO LRFD 6th ed. Art. 3.6.1.2.3
    if (vehicle.m_bIncludeTandem != 0) {
        CaseEnvelope tandem(lay);
        PlaceTrain(units, lay,
                   FixedAxleTrain({vehicle.m_dTandemAxle1, vehicle.m_dTandemAxle2},
                                  {vehicle.m_dTandemSpacing}),
                   1, kBesideNode, {}, tandem, r);
        StoreCase(*this, lay, tandem, kMovingTandem);

        if (m_bCheckLowboy != 0) {
            m_nProgressStep = 4;
            ShowProgress();
            CaseEnvelope lowboy(lay);
            PlaceTrain(units, lay, Lowboy(), kLowboySpacingSteps, kOnNode,
                       {.negativeMomentOnly = true, .interiorSupportsOnly = true}, lowboy, r);
            StoreCase(*this, lay, lowboy, kMovingLowboy);
        }
    }
}

}  // namespace kordel

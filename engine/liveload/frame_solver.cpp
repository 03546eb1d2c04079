// The plane-frame stiffness solver: equation numbering, banded assembly of the stiffness and the
// loads, elimination, node displacements, member end forces and support reactions. Everything
// passes through the frame tables of the document (document/results_frame.h); the member
// mechanics are the pure functions of frame_math.h.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>

#include "document/kordel_doc.h"
#include "engine/liveload/frame_math.h"

namespace kordel {
namespace {

/// Largest restraint code read; its digits must each be a direction 1 to 3.
constexpr int kLargestRestraintCode = 999999999;

/// The whole number `v` when it lies in [lo, hi]; nothing for a fraction, NaN or a value out of
/// range. Node numbers, codes and types sit in the record tables as doubles.
std::optional<int> WholeNumber(double v, int lo, int hi) {
    if (!(v >= lo && v <= hi) || v != std::floor(v)) return std::nullopt;
    return static_cast<int>(v);
}

bool CountFits(int count, int capacity) {
    return count >= 0 && count <= capacity;
}

/// A modulus, area or inertia the stiffness can take: finite and not negative.
bool SectionValueValid(double v) {
    return std::isfinite(v) && v >= 0.0;
}

FrameMemberProperties MemberProperties(const double* member) {
    return {member[kMemberModulus], member[kMemberArea], member[kMemberInertia],
            member[kMemberLength],  member[kMemberCos],  member[kMemberSin]};
}

/// A member whose start and end nodes are those named by `load`, or 0 when there is none.
/// Member `guess` is looked at first (loads tend to follow the members in order: a uniform load
/// on a whole beam is one load per member), then the members from the first.
int FindLoadedMember(const FrameResults& f, const double* load, int guess) {
    const auto start = WholeNumber(load[kMemberLoadStartNode], 1, f.m_nFrameNodes);
    const auto end = WholeNumber(load[kMemberLoadEndNode], 1, f.m_nFrameNodes);
    if (!start || !end) return 0;
    auto joins = [&](int e) {
        return f.m_aFrameMember[e][kMemberStartNode] == *start &&
               f.m_aFrameMember[e][kMemberEndNode] == *end;
    };
    if (guess >= 1 && guess <= f.m_nFrameMembers && joins(guess)) return guess;
    for (int e = 1; e <= f.m_nFrameMembers; ++e) {
        if (joins(e)) return e;
    }
    return 0;
}

/// Sets the member end forces and the reactions (both tables) to 0.
void ClearMemberForcesAndReactions(FrameResults& f) {
    std::memset(f.m_aFrameEndAxial, 0, sizeof f.m_aFrameEndAxial);
    std::memset(f.m_aFrameEndShear, 0, sizeof f.m_aFrameEndShear);
    std::memset(f.m_aFrameEndMoment, 0, sizeof f.m_aFrameEndMoment);
    std::memset(f.m_aFrameReaction, 0, sizeof f.m_aFrameReaction);
    for (auto& support : f.m_aFrameSupport) {
        support[kSupportReactionX] = 0;
        support[kSupportReactionY] = 0;
        support[kSupportReactionMoment] = 0;
    }
}

/// Sets every result of the solver to 0: displacements, member end forces, reactions and the
/// fixed-end actions of the member loads.
void ClearFrameResults(FrameResults& f) {
    std::memset(f.m_aFrameDisplacement, 0, sizeof f.m_aFrameDisplacement);
    ClearMemberForcesAndReactions(f);
    for (auto& load : f.m_aFrameMemberLoad) {
        load[kMemberLoadStartShear] = 0;
        load[kMemberLoadStartMoment] = 0;
        load[kMemberLoadEndShear] = 0;
        load[kMemberLoadEndMoment] = 0;
    }
}

}  // namespace

void CKordelDoc::SolveFrame() {
    m_bFrameSolveFailed = false;
    NumberFrameEquations();
    if (!m_bFrameSolveFailed) AssembleFrameStiffness();
    if (!m_bFrameSolveFailed) AssembleFrameLoads();
    if (!m_bFrameSolveFailed) ReduceFrameEquations();
    if (!m_bFrameSolveFailed) StoreFrameDisplacements();
    if (!m_bFrameSolveFailed) ComputeMemberEndForces();
    if (m_bFrameSolveFailed) ClearFrameResults(*this);
}

void CKordelDoc::NumberFrameEquations() {
    std::memset(m_anFrameDof, 0, sizeof m_anFrameDof);
    m_nFrameEquations = 0;
    if (!CountFits(m_nFrameNodes, kMaxFrameNodes) ||
        !CountFits(m_nFrameSupports, kMaxFrameSupports)) {
        m_bFrameSolveFailed = true;
        return;
    }

    constexpr int kRestrained = -1;
    for (int k = 1; k <= m_nFrameSupports; ++k) {
        const auto node = WholeNumber(m_aFrameSupport[k][kSupportNode], 1, m_nFrameNodes);
        const auto code =
            WholeNumber(m_aFrameSupport[k][kSupportRestraint], 0, kLargestRestraintCode);
        if (!node || !code) {
            m_bFrameSolveFailed = true;
            return;
        }
        for (int rest = *code; rest > 0; rest /= 10) {
            const int direction = rest % 10;
            if (direction < kFrameDirX || direction > kFrameDirRotation) {
                m_bFrameSolveFailed = true;
                return;
            }
            m_anFrameDof[*node][direction] = kRestrained;
        }
    }

    int count = 0;
    for (int n = 1; n <= m_nFrameNodes; ++n) {
        for (int d = kFrameDirX; d <= kFrameDirRotation; ++d)
            m_anFrameDof[n][d] = m_anFrameDof[n][d] == kRestrained ? 0 : ++count;
    }
    m_nFrameEquations = count;
}

void CKordelDoc::SetMemberStiffnessTerms(int member) {
    // A member number or release type out of range gets no bending stiffness.
    int release = 0;
    if (member >= 1 && member <= kMaxFrameMembers) {
        const double type = m_aFrameMember[member][kMemberRelease];
        release = WholeNumber(type, kReleaseNone, kReleaseBoth).value_or(0);
    }
    MemberBendingTerms(release, m_adMemberStiffness);
}

void CKordelDoc::AssembleFrameStiffness() {
    m_nFrameBandWidth = 0;
    if (!CountFits(m_nFrameEquations, kMaxFrameEquations) ||
        !CountFits(m_nFrameMembers, kMaxFrameMembers) ||
        !CountFits(m_nFrameNodes, kMaxFrameNodes)) {
        m_bFrameSolveFailed = true;
        return;
    }
    std::memset(m_adStiffness, 0, sizeof m_adStiffness[0] * (m_nFrameEquations + 1));
    std::memset(m_adFrameLoadVector, 0, sizeof m_adFrameLoadVector[0] * (m_nFrameEquations + 1));

    FrameAssemblyWork& work = m_FrameAssemblyWork;
    for (int e = 1; e <= m_nFrameMembers; ++e) {
        double* member = m_aFrameMember[e];
        const auto start = WholeNumber(member[kMemberStartNode], 1, m_nFrameNodes);
        const auto end = WholeNumber(member[kMemberEndNode], 1, m_nFrameNodes);
        const auto release = WholeNumber(member[kMemberRelease], kReleaseNone, kReleaseBoth);
        if (!start || !end || !release || !SectionValueValid(member[kMemberModulus]) ||
            !SectionValueValid(member[kMemberArea]) || !SectionValueValid(member[kMemberInertia])) {
            m_bFrameSolveFailed = true;
            return;
        }
        const double dx = m_aFrameNode[*end][kNodeX] - m_aFrameNode[*start][kNodeX];  // ft
        const double dy = m_aFrameNode[*end][kNodeY] - m_aFrameNode[*start][kNodeY];  // ft
        const double L = std::sqrt(dx * dx + dy * dy);                                // ft
        if (!(L > 0.0) || !std::isfinite(L)) {
            m_bFrameSolveFailed = true;
            return;
        }
        member[kMemberLength] = L;
        member[kMemberCos] = dx / L;
        member[kMemberSin] = dy / L;

        SetMemberStiffnessTerms(e);
        MemberGlobalStiffness(MemberProperties(member), m_adMemberStiffness, work.adStiffness);
        for (int d = kFrameDirX; d <= kFrameDirRotation; ++d) {
            work.anEquation[d] = m_anFrameDof[*start][d];
            work.anEquation[d + 3] = m_anFrameDof[*end][d];
        }

        // Only the upper half band is stored: each entry goes to the row of the lower-numbered
        // of its two equations, whichever end of the member that equation belongs to.
        for (int j = 1; j <= 6; ++j) {
            const int dj = work.anEquation[j];
            if (dj == 0) continue;
            for (int k = j; k <= 6; ++k) {
                const int dk = work.anEquation[k];
                if (dk == 0) continue;
                const int row = std::min(dj, dk);
                const int column = std::abs(dk - dj) + 1;
                if (column > kMaxFrameBandWidth) {
                    m_bFrameSolveFailed = true;
                    return;
                }
                m_nFrameBandWidth = std::max(m_nFrameBandWidth, column);
                m_adStiffness[row][column] += work.adStiffness[j][k];
            }
        }
    }
}

void CKordelDoc::AssembleFrameLoads() {
    if (!CountFits(m_nFramePointLoads, kMaxFramePointLoads) ||
        !CountFits(m_nFrameMemberLoads, kMaxFrameMemberLoads) ||
        !CountFits(m_nFrameNodes, kMaxFrameNodes) ||
        !CountFits(m_nFrameMembers, kMaxFrameMembers)) {
        m_bFrameSolveFailed = true;
        return;
    }

    // Nodal loads set their entry: a second load on the same direction replaces the first, and
    // a load on a restrained direction only shows in that support's reaction.
    for (int l = 1; l <= m_nFramePointLoads; ++l) {
        const double* load = m_aFramePointLoad[l];
        const auto node = WholeNumber(load[kPointLoadNode], 1, m_nFrameNodes);
        const auto direction =
            WholeNumber(load[kPointLoadDirection], kFrameDirX, kFrameDirRotation);
        if (!node || !direction || !std::isfinite(load[kPointLoadValue])) {
            m_bFrameSolveFailed = true;
            return;
        }
        if (const int eq = m_anFrameDof[*node][*direction])
            m_adFrameLoadVector[eq] = load[kPointLoadValue];
    }

    // Member loads: the fixed-end actions reversed and turned into global axes are the
    // equivalent nodal loads.
    auto addNodalLoad = [this](int node, double Fx, double Fy, double Mz) {
        const double F[4] = {0.0, Fx, Fy, Mz};
        for (int d = kFrameDirX; d <= kFrameDirRotation; ++d) {
            if (const int eq = m_anFrameDof[node][d]) m_adFrameLoadVector[eq] += F[d];
        }
    };
    for (int l = 1; l <= m_nFrameMemberLoads; ++l) {
        double* load = m_aFrameMemberLoad[l];
        const int e = FindLoadedMember(*this, load, l == 1 ? 1 : m_anFrameLoadedMember[l - 1] + 1);
        m_anFrameLoadedMember[l] = e;
        const auto type =
            WholeNumber(load[kMemberLoadType], kMemberLoadUniform, kMemberLoadConcentrated);
        if (e == 0 || !type || !std::isfinite(load[kMemberLoadValue]) ||
            !std::isfinite(load[kMemberLoadDistance])) {
            m_bFrameSolveFailed = true;
            return;
        }
        const double* member = m_aFrameMember[e];
        const double L = member[kMemberLength];  // ft, written by the stiffness assembly
        const auto release = WholeNumber(member[kMemberRelease], kReleaseNone, kReleaseBoth);
        if (!(L > 0.0) || !release) {
            m_bFrameSolveFailed = true;
            return;
        }
        const double P = load[kMemberLoadValue];  // klf or kip
        const FixedEndActions fixed =
            *type == kMemberLoadUniform
                ? UniformLoadFixedEndActions(P, L)
                : ConcentratedLoadFixedEndActions(P, load[kMemberLoadDistance], L);
        const FixedEndActions fea = ReleaseFixedEndActions(fixed, *release, L);
        load[kMemberLoadStartShear] = fea.Vs;
        load[kMemberLoadStartMoment] = fea.Ms;
        load[kMemberLoadEndShear] = fea.Ve;
        load[kMemberLoadEndMoment] = fea.Me;

        const double c = member[kMemberCos];
        const double s = member[kMemberSin];
        addNodalLoad(static_cast<int>(member[kMemberStartNode]), s * fea.Vs, -c * fea.Vs, -fea.Ms);
        addNodalLoad(static_cast<int>(member[kMemberEndNode]), s * fea.Ve, -c * fea.Ve, -fea.Me);
    }
}

void CKordelDoc::ReduceFrameEquations() {
    if (!ReduceBandedEquations(m_adStiffness, m_adFrameLoadVector, m_nFrameEquations,
                               m_nFrameBandWidth))
        m_bFrameSolveFailed = true;
}

void CKordelDoc::StoreFrameDisplacements() {
    std::memset(m_aFrameDisplacement, 0, sizeof m_aFrameDisplacement);
    if (!CountFits(m_nFrameNodes, kMaxFrameNodes)) {
        m_bFrameSolveFailed = true;
        return;
    }
    for (int n = 1; n <= m_nFrameNodes; ++n) {
        for (int d = kFrameDirX; d <= kFrameDirRotation; ++d) {
            if (const int eq = m_anFrameDof[n][d])
                m_aFrameDisplacement[n][d] = m_adFrameLoadVector[eq];
        }
    }
}

void CKordelDoc::ComputeMemberEndForces() {
    ClearMemberForcesAndReactions(*this);
    if (!CountFits(m_nFrameNodes, kMaxFrameNodes) ||
        !CountFits(m_nFrameMembers, kMaxFrameMembers) ||
        !CountFits(m_nFrameSupports, kMaxFrameSupports) ||
        !CountFits(m_nFramePointLoads, kMaxFramePointLoads) ||
        !CountFits(m_nFrameMemberLoads, kMaxFrameMemberLoads)) {
        m_bFrameSolveFailed = true;
        return;
    }

    // Elastic end actions from the end displacements, in the member's local axes; the end-force
    // tables hold counter-clockwise end moments until the last pass.
    int startNode[kMaxFrameMembers + 1];
    int endNode[kMaxFrameMembers + 1];
    for (int e = 1; e <= m_nFrameMembers; ++e) {
        const double* member = m_aFrameMember[e];
        const auto start = WholeNumber(member[kMemberStartNode], 1, m_nFrameNodes);
        const auto end = WholeNumber(member[kMemberEndNode], 1, m_nFrameNodes);
        if (!start || !end || !(member[kMemberLength] > 0.0)) {
            m_bFrameSolveFailed = true;
            return;
        }
        startNode[e] = *start;
        endNode[e] = *end;
        double u[7];
        for (int d = kFrameDirX; d <= kFrameDirRotation; ++d) {
            u[d] = m_aFrameDisplacement[*start][d];
            u[d + 3] = m_aFrameDisplacement[*end][d];
        }
        u[0] = 0.0;
        SetMemberStiffnessTerms(e);
        const MemberEndActions a =
            MemberEndActionsFromDisplacements(MemberProperties(member), m_adMemberStiffness, u);
        m_aFrameEndAxial[e][kAtStart] = a.N;
        m_aFrameEndAxial[e][kAtEnd] = -a.N;
        m_aFrameEndShear[e][kAtStart] = a.Vs;
        m_aFrameEndShear[e][kAtEnd] = a.Ve;
        m_aFrameEndMoment[e][kAtStart] = a.Ms;
        m_aFrameEndMoment[e][kAtEnd] = a.Me;
    }

    // Plus the fixed-end actions of the loads on each member.
    for (int l = 1; l <= m_nFrameMemberLoads; ++l) {
        const int e = m_anFrameLoadedMember[l];
        if (e < 1 || e > m_nFrameMembers) {
            m_bFrameSolveFailed = true;
            return;
        }
        const double* load = m_aFrameMemberLoad[l];
        m_aFrameEndShear[e][kAtStart] += load[kMemberLoadStartShear];
        m_aFrameEndMoment[e][kAtStart] += load[kMemberLoadStartMoment];
        m_aFrameEndShear[e][kAtEnd] += load[kMemberLoadEndShear];
        m_aFrameEndMoment[e][kAtEnd] += load[kMemberLoadEndMoment];
    }

    // The forces the members take from each node, in global axes; a support supplies them less
    // the load applied at its node. Then the end moments turn to beam sign.
    double nodeForce[kMaxFrameNodes + 1][kFrameNodeDirections + 1] = {};
    for (int e = 1; e <= m_nFrameMembers; ++e) {
        const double c = m_aFrameMember[e][kMemberCos];
        const double s = m_aFrameMember[e][kMemberSin];
        const double N = m_aFrameEndAxial[e][kAtStart];   // kip
        const double Vs = m_aFrameEndShear[e][kAtStart];  // kip
        const double Ve = m_aFrameEndShear[e][kAtEnd];    // kip
        double* atStart = nodeForce[startNode[e]];
        double* atEnd = nodeForce[endNode[e]];
        atStart[kFrameDirX] += c * N - s * Vs;
        atStart[kFrameDirY] += s * N + c * Vs;
        atStart[kFrameDirRotation] += m_aFrameEndMoment[e][kAtStart];
        atEnd[kFrameDirX] += -c * N - s * Ve;
        atEnd[kFrameDirY] += -s * N + c * Ve;
        atEnd[kFrameDirRotation] += m_aFrameEndMoment[e][kAtEnd];
        m_aFrameEndMoment[e][kAtStart] = -m_aFrameEndMoment[e][kAtStart];
        m_aFrameEndMoment[e][kAtEnd] = -m_aFrameEndMoment[e][kAtEnd];
    }

    for (int k = 1; k <= m_nFrameSupports; ++k) {
        const auto node = WholeNumber(m_aFrameSupport[k][kSupportNode], 1, m_nFrameNodes);
        if (!node) {
            m_bFrameSolveFailed = true;
            return;
        }
        double reaction[kFrameNodeDirections + 1];
        for (int d = kFrameDirX; d <= kFrameDirRotation; ++d) {
            reaction[d] = nodeForce[*node][d];
            // The load the solution applied here: the last one named for this node and
            // direction, as in the assembly.
            for (int l = m_nFramePointLoads; l >= 1; --l) {
                const double* load = m_aFramePointLoad[l];
                if (load[kPointLoadNode] == *node && load[kPointLoadDirection] == d) {
                    reaction[d] -= load[kPointLoadValue];
                    break;
                }
            }
        }
        m_aFrameSupport[k][kSupportReactionX] = reaction[kFrameDirX];
        m_aFrameSupport[k][kSupportReactionY] = reaction[kFrameDirY];
        m_aFrameSupport[k][kSupportReactionMoment] = reaction[kFrameDirRotation];
        m_aFrameReaction[k][kReactionX] = reaction[kFrameDirX];
        m_aFrameReaction[k][kReactionY] = reaction[kFrameDirY];
        m_aFrameReaction[k][kReactionMoment] = reaction[kFrameDirRotation];
    }
}

}  // namespace kordel

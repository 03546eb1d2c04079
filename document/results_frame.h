// Plane-frame model tables, working arrays and results of the stiffness solver.
//
// Every table is 1-based: node, member, support, load and equation k sit in row k and row 0
// holds nothing. The record tables keep node numbers, codes and types as doubles, one record
// per row; the column constants below name each field. Units are consistent: ft, kip, klf,
// ksf for the modulus, ft^2 and ft^4 for area and inertia, radians.
#pragma once

#include "document/model_limits.h"

namespace kordel {

// ---- Capacity ---------------------------------------------------------------------------------
// The continuous-beam model puts a node at every tenth point of every span, so the longest chain
// of spans the design model holds sets the size of every table.
inline constexpr int kFrameMembersPerSpan = 10;  ///< members per span of the continuous beam
inline constexpr int kMaxFrameNodes = kFrameMembersPerSpan * kMaxSpans + 1;  ///< 201
inline constexpr int kMaxFrameMembers = kFrameMembersPerSpan * kMaxSpans;    ///< 200
inline constexpr int kMaxFrameSupports = kMaxSpans + 1;                      ///< 21
inline constexpr int kMaxFramePointLoads = 20;                               ///< nodal point loads
/// A uniform load on the whole beam is one member load on every member.
inline constexpr int kMaxFrameMemberLoads = kMaxFrameMembers;
inline constexpr int kFrameNodeDirections = 3;  ///< x, y and rotation at every node
inline constexpr int kMaxFrameEquations = kFrameNodeDirections * kMaxFrameNodes;  ///< 603
/// Half band width, diagonal included. Two free nodes joined by a member span 6 columns.
inline constexpr int kMaxFrameBandWidth = 20;
/// Row length of the banded stiffness: columns 1 to kMaxFrameBandWidth, column 0 unused.
inline constexpr int kStiffnessRowStride = kMaxFrameBandWidth + 1;

static_assert(kMaxFrameNodes == 201 && kMaxFrameMembers == 200 && kMaxFrameSupports == 21 &&
                  kMaxFrameEquations == 603,
              "frame tables sized for kMaxSpans spans with nodes at tenth points");

// ---- Codes ------------------------------------------------------------------------------------
/// Directions of a node: index of m_anFrameDof and m_aFrameDisplacement, digit of a restraint
/// code, direction of a point load.
enum FrameDirection : int { kFrameDirX = 1, kFrameDirY = 2, kFrameDirRotation = 3 };

/// Restraint codes: the decimal digits name the restrained directions.
inline constexpr int kRestraintY = 2;        ///< roller: y fixed
inline constexpr int kRestraintXY = 12;      ///< pin: x and y fixed
inline constexpr int kRestraintFixed = 123;  ///< fixed: x, y and rotation

/// End-release types of a member (column kMemberRelease).
enum MemberRelease : int {
    kReleaseNone = 1,   ///< rigid at both ends
    kReleaseEnd = 2,    ///< hinge at the end node
    kReleaseStart = 3,  ///< hinge at the start node
    kReleaseBoth = 4,   ///< hinges at both ends: axial force only
};

/// Member load types (column kMemberLoadType).
enum MemberLoadType : int { kMemberLoadUniform = 1, kMemberLoadConcentrated = 2 };

// ---- Record columns ---------------------------------------------------------------------------
/// Columns of m_aFrameNode; column 2 holds nothing.
enum FrameNodeColumn : int { kNodeX = 0, kNodeY = 1 };
inline constexpr int kFrameNodeColumns = 3;

/// Columns of m_aFrameMember; column 0 holds nothing.
enum FrameMemberColumn : int {
    kMemberStartNode = 1,
    kMemberEndNode = 2,
    kMemberArea = 3,     ///< A, ft^2
    kMemberInertia = 4,  ///< I, ft^4
    kMemberRelease = 5,  ///< MemberRelease
    kMemberModulus = 6,  ///< E, ksf
    kMemberLength = 7,   ///< L, ft (written by the assembly)
    kMemberCos = 8,      ///< cos(alpha) = (x_end - x_start) / L (written by the assembly)
    kMemberSin = 9,      ///< sin(alpha) = (y_end - y_start) / L (written by the assembly)
};
inline constexpr int kFrameMemberColumns = 10;

/// Columns of m_aFrameSupport; column 0 holds nothing.
enum FrameSupportColumn : int {
    kSupportNode = 1,
    kSupportRestraint = 2,       ///< restraint code
    kSupportReactionX = 3,       ///< horizontal reaction, kip (written by the solver)
    kSupportReactionY = 4,       ///< vertical reaction, kip, upward positive (solver)
    kSupportReactionMoment = 5,  ///< moment reaction, kip-ft, counter-clockwise positive (solver)
};
inline constexpr int kFrameSupportColumns = 6;

/// Columns of m_aFramePointLoad; column 0 holds nothing.
enum FramePointLoadColumn : int {
    kPointLoadNode = 1,
    kPointLoadDirection = 2,  ///< FrameDirection
    kPointLoadValue = 3,      ///< kip or kip-ft, upward or counter-clockwise positive
};
inline constexpr int kFramePointLoadColumns = 4;

/// Columns of m_aFrameMemberLoad; column 0 holds nothing. Columns 6 to 9 are the fixed-end
/// actions the solver writes: forces on the member in its local y direction and
/// counter-clockwise moments, end releases taken into account.
enum FrameMemberLoadColumn : int {
    kMemberLoadStartNode = 1,
    kMemberLoadEndNode = 2,
    kMemberLoadType = 3,         ///< MemberLoadType
    kMemberLoadValue = 4,        ///< klf or kip, positive in the member's local y direction
    kMemberLoadDistance = 5,     ///< ft from the start node (concentrated load)
    kMemberLoadStartShear = 6,   ///< kip
    kMemberLoadStartMoment = 7,  ///< kip-ft
    kMemberLoadEndShear = 8,     ///< kip
    kMemberLoadEndMoment = 9,    ///< kip-ft
};
inline constexpr int kFrameMemberLoadColumns = 10;

/// Second index of the member end-force tables.
enum MemberEndIndex : int { kAtStart = 0, kAtEnd = 1 };

/// Columns of m_aFrameReaction.
enum FrameReactionColumn : int { kReactionX = 0, kReactionY = 1, kReactionMoment = 2 };
inline constexpr int kFrameReactionColumns = 3;

/// Equation numbers and global stiffness of the member being assembled; both 1-based,
/// directions 1 to 6 = start x, y, rotation, end x, y, rotation.
struct FrameAssemblyWork {
    int anEquation[7];         ///< equation number of each direction, 0 restrained; [0] unused
    double adStiffness[7][7];  ///< 6 x 6 stiffness in global axes; row and column 0 unused
};

struct FrameResults {
    // ---- Model tables (written by the client, read by the solver) -----------------------------
    int m_nFrameNodes = 0;  ///< number of nodes, at most kMaxFrameNodes
    /// [node][FrameNodeColumn]: coordinates, ft
    double m_aFrameNode[kMaxFrameNodes + 1][kFrameNodeColumns] = {};
    int m_nFrameMembers = 0;  ///< number of members, at most kMaxFrameMembers
    /// [member][FrameMemberColumn]
    double m_aFrameMember[kMaxFrameMembers + 1][kFrameMemberColumns] = {};
    int m_nFrameSupports = 0;  ///< number of supports, at most kMaxFrameSupports
    /// [support][FrameSupportColumn]
    double m_aFrameSupport[kMaxFrameSupports + 1][kFrameSupportColumns] = {};
    int m_nFramePointLoads = 0;  ///< number of nodal point loads, at most kMaxFramePointLoads
    /// [load][FramePointLoadColumn]
    double m_aFramePointLoad[kMaxFramePointLoads + 1][kFramePointLoadColumns] = {};
    int m_nFrameMemberLoads = 0;  ///< number of member loads, at most kMaxFrameMemberLoads
    /// [load][FrameMemberLoadColumn]
    double m_aFrameMemberLoad[kMaxFrameMemberLoads + 1][kFrameMemberLoadColumns] = {};

    // ---- Working members ----------------------------------------------------------------------
    /// [node][FrameDirection]: equation number, 0 for a restrained direction
    int m_anFrameDof[kMaxFrameNodes + 1][kFrameNodeDirections + 1] = {};
    int m_nFrameEquations = 0;  ///< number of equations (unrestrained directions)
    int m_nFrameBandWidth = 0;  ///< half band width, diagonal included
    /// Banded stiffness: row i = equation i, column j = 1 + (column equation - i); column 0 unused.
    /// No initialiser: zeroed storage (CKordelDoc::operator new); a solution clears and writes
    /// the rows of its equations only.
    double m_adStiffness[kMaxFrameEquations + 1][kStiffnessRowStride];
    /// [equation]: the loads, replaced by the displacements during the elimination
    double m_adFrameLoadVector[kMaxFrameEquations + 1] = {};
    double m_adMemberStiffness[8] = {};  ///< bending terms k0 to k7 of the member being processed
    FrameAssemblyWork m_FrameAssemblyWork = {};
    /// [member load]: the member it stands on, found by the load assembly
    int m_anFrameLoadedMember[kMaxFrameMemberLoads + 1] = {};

    // ---- Results ------------------------------------------------------------------------------
    /// The last SolveFrame met a model it cannot solve (see CKordelDoc::SolveFrame); every result
    /// below is then 0.
    bool m_bFrameSolveFailed = false;
    /// [node][FrameDirection]: ft, radian (counter-clockwise positive); 0 where restrained
    double m_aFrameDisplacement[kMaxFrameNodes + 1][kFrameNodeDirections + 1] = {};
    /// [member][MemberEndIndex]: [kAtStart] axial force N on the start along the member
    /// (compression positive), [kAtEnd] -N; kip
    double m_aFrameEndAxial[kMaxFrameMembers + 1][2] = {};
    /// [member][MemberEndIndex]: [kAtStart] beam shear at the start (upward force on the start
    /// positive), [kAtEnd] force at the end in the local y direction (minus the beam shear); kip
    double m_aFrameEndShear[kMaxFrameMembers + 1][2] = {};
    /// [member][MemberEndIndex]: [kAtStart] beam moment at the start (sagging positive), [kAtEnd]
    /// minus the beam moment at the end; kip-ft
    double m_aFrameEndMoment[kMaxFrameMembers + 1][2] = {};
    /// [support][FrameReactionColumn]: the reactions again, kip and kip-ft
    double m_aFrameReaction[kMaxFrameSupports + 1][kFrameReactionColumns] = {};
};

}  // namespace kordel

// Member mechanics of the plane-frame direct stiffness method: bending terms of a member with end
// releases, its stiffness in global axes, fixed-end actions of member loads, member end actions
// from node displacements, and Gauss elimination of the banded equations. Pure functions; the
// solver methods of CKordelDoc call them.
//
// Sign convention, in the member's local axes (x from start to end node, y turned 90 degrees
// counter-clockwise from x): end forces are forces on the member, positive along local x and y;
// end moments act on the member, counter-clockwise positive.
#pragma once

#include "document/results_frame.h"

namespace kordel {

/// Properties and orientation of one straight member.
struct FrameMemberProperties {
    double E;  ///< modulus, ksf
    double A;  ///< area, ft^2
    double I;  ///< inertia, ft^4
    double L;  ///< length, ft
    double c;  ///< cos(alpha), alpha the angle of local x from global x
    double s;  ///< sin(alpha)
};

/// End actions of one member in local axes (forces kip, moments kip-ft).
struct MemberEndActions {
    double N;   ///< axial force on the start, along local x
    double Vs;  ///< force on the start along local y
    double Ms;  ///< moment on the start, counter-clockwise
    double Ve;  ///< force on the end along local y
    double Me;  ///< moment on the end, counter-clockwise
};

/// Fixed-end actions of a member load: the actions that hold both ends of the loaded member
/// still (the released ends free to turn).
struct FixedEndActions {
    double Vs;  ///< force on the start along local y, kip
    double Ms;  ///< moment on the start, kip-ft
    double Ve;  ///< force on the end along local y, kip
    double Me;  ///< moment on the end, kip-ft
};

/// Bending terms k0 to k7 of a member with end-release type `release` (MemberRelease; any other
/// value gives all zero). With local displacements v1, th1 at the start and v2, th2 at the end,
/// the bending stiffness is EI times
///     [  k0/L^3   k1/L^2  -k0/L^3   k2/L^2 ]
///     [  k1/L^2   k3/L     k4/L^2   k5/L   ]
///     [ -k0/L^3   k4/L^2   k0/L^3   k6/L^2 ]
///     [  k2/L^2   k5/L     k6/L^2   k7/L   ]
/// Kassimali, Matrix Analysis of Structures, 2nd ed., Ch. 5 (beam member stiffness) and Ch. 7
/// (member releases: condensation of the released end rotation).
void MemberBendingTerms(int release, double k[8]);

/// The member's 6 x 6 stiffness in global axes, 1-based (directions 1 to 6 = start x, y,
/// rotation, end x, y, rotation), both triangles filled.
/// Kassimali, Matrix Analysis of Structures, 2nd ed., Ch. 6 (plane frame member, K = T' k T).
void MemberGlobalStiffness(const FrameMemberProperties& m, const double k[8], double K[7][7]);

/// End actions of a member from the global displacements u[1..6] of its ends (u[0] unused),
/// the member unloaded; add the fixed-end actions of its loads for the total.
MemberEndActions MemberEndActionsFromDisplacements(const FrameMemberProperties& m,
                                                   const double k[8], const double u[7]);

/// Fixed-end actions of a uniform load `w` (klf, along local y) over the whole member, both ends
/// fixed. Kassimali, Matrix Analysis of Structures, 2nd ed., Ch. 5, fixed-end forces.
FixedEndActions UniformLoadFixedEndActions(double w, double L);

/// Fixed-end actions of a concentrated load `P` (kip, along local y) at `a` (ft) from the start,
/// both ends fixed. Kassimali, Matrix Analysis of Structures, 2nd ed., Ch. 5, fixed-end forces.
FixedEndActions ConcentratedLoadFixedEndActions(double P, double a, double L);

/// The fixed-end actions of a rigid member turned into those of a member with end-release type
/// `release`: the moment at each hinge is released and half of it carried over to a fixed far
/// end; the shears change to keep the member in equilibrium.
/// Kassimali, Matrix Analysis of Structures, 2nd ed., Ch. 7 (fixed-end forces of released
/// members).
FixedEndActions ReleaseFixedEndActions(const FixedEndActions& fixed, int release, double L);

/// Smallest pivot accepted, as a fraction of the equation's diagonal before elimination. A
/// mechanism leaves a pivot at round-off size (about 1e-16 of it); a stable frame of the sizes
/// the tables hold stays many orders above (a cantilever of 200 members: about 3e-8).
inline constexpr double kFramePivotTolerance = 1e-10;

/// Solves K x = Q for a symmetric positive definite K in upper half-band storage (row i holds
/// K(i, i + j - 1) in column j = 1 .. w; rows and Q 1-based) by Gauss elimination without
/// pivoting; Q is replaced by x and K by its reduced form. Returns false, leaving K and Q
/// partly reduced, when a pivot is not positive or falls below kFramePivotTolerance times the
/// equation's original diagonal (an unstable structure), and without touching either when n
/// or w exceed the storage (kMaxFrameEquations, kMaxFrameBandWidth).
/// Bathe, Finite Element Procedures (1996), Sec. 8.2.
bool ReduceBandedEquations(double (*K)[kStiffnessRowStride], double* Q, int n, int w);

/// The elimination of ReduceBandedEquations on K alone, for solving many load vectors with one
/// stiffness: K becomes its reduced form and `pivot[i]` (1-based, n + 1 entries) keeps the pivot
/// of equation i. False, and K partly reduced, exactly where ReduceBandedEquations fails.
bool FactorBandedEquations(double (*K)[kStiffnessRowStride], double* pivot, int n, int w);

/// Replaces Q by x of K x = Q for K and `pivot` from FactorBandedEquations. The load vector goes
/// through the same operations in the same order as in ReduceBandedEquations, so x is the same
/// to the last bit.
void SolveFactoredBandedEquations(const double (*K)[kStiffnessRowStride], const double* pivot,
                                  double* Q, int n, int w);

}  // namespace kordel

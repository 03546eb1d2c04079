// The preliminary end-debonding design: a hand-calculation estimate of the release stresses at
// sections near the girder end, adding the strand groups one by one, and the search for the group
// whose addition overstresses a section.
#pragma once

#include "document/model_records.h"

namespace kordel {

/// Release-loss constants of the estimate: the share r of the jacking force lost before the
/// elastic shortening is estimated, and the divisor K2 of the relaxation before transfer.
struct DebondLossConstants {
    double r;   ///< Pi = (1 - r) Pj
    double K2;  ///< relaxation divisor, 40 low-relaxation, 10 stress-relieved
};

/// The constants for strand kind `strandKind` (1 low-relaxation) under LRFD or the Standard
/// Specifications.
DebondLossConstants DebondLossConstantsFor(int strandKind, bool lrfd);

/// Development length of a strand of diameter `db` (in) with factor `K`, estimated at fpe =
/// 0.6 fpu: K (fpu - 2/3 x 0.6 fpu) db / 12, ft. K = 2.0 gives the length of debonded strands.
double DebondDevelopmentLength(double K, double fpu, double db);

/// Elevation (in) of strand group `g` at `L` ft from the girder end of a girder of length `Lg`
/// (ft) whose hold-down points lie `xd` ft from the ends: straight between the end and the
/// hold-down point, level between the hold-down points.
double GroupElevationAt(const StrandGroup& g, double L, double xd, double Lg);

/// What the estimate needs of the girder, its strands and its limits (US units).
struct DebondEstimateInput {
    double A = 0;     ///< gross area, in2 (> 0)
    double yb = 0;    ///< gross centroid above the bottom, in (0 < yb < h)
    double I = 0;     ///< gross moment of inertia, in4 (> 0)
    double h = 0;     ///< girder height, in
    double aps = 0;   ///< area of one strand, in2
    double fpu = 0;   ///< ksi
    double fpy = 0;   ///< ksi
    double Ep = 0;    ///< ksi
    double Eci = 0;   ///< ksi (> 0 with computed losses)
    double pull = 0;  ///< jacking stress as a fraction of fpu
    double fpj = 0;   ///< jacking stress, ksi
    DebondLossConstants loss = {0, 1};
    double transferAge = 0;           ///< days
    bool computedLoss = true;         ///< losses computed (else the specified percentage)
    double specifiedLossPercent = 0;  ///< specified release loss, percent of fpj
    double M50 = 0;           ///< girder self-weight moment at mid-span on the release span, kip-ft
    double allowTension = 0;  ///< release tension limit, ksi (negative)
    double allowCompression = 0;  ///< release compression limit, ksi
};

/// The estimate at one section.
struct DebondSection {
    int tippingGroup = -1;    ///< first group after whose addition a limit is broken, -1 none
    double Sps = 0;           ///< I / e of the last computed-loss estimate, in3 (0 when e is 0)
    bool SpsWritten = false;  ///< a computed-loss estimate was made
};

/// The release stresses at `L` ft from the girder end under girder moment `Mg` (kip-ft), the
/// groups added one by one in their order; returns the first group whose addition puts the
/// bottom fibre above the compression limit or the top fibre below the tension limit.
DebondSection FindTippingGroup(const StrandGroup* groups, int count, double L, double xd, double Lg,
                               double Mg, const DebondEstimateInput& in);

}  // namespace kordel

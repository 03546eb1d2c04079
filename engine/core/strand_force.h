// Strand force along a pretensioned girder before any loss: the share of its force that a strand
// group has anchored in the concrete at a position (built up over the transfer length from where
// its bond begins, nothing where it is debonded), the elevation of a draped group, and the
// anchored share in a girder of several segments. Pure functions; the document's
// ComputeStrandForceReduction sums them over the strand groups at every station.
#pragma once

#include <optional>
#include <span>

namespace kordel {

/// Share of the strand force at positions inside a closure pour of a girder of several segments:
/// practically nothing, but not 0, so that the force keeps its centroid there.
inline constexpr double kClosurePourFraction = 1e-6;

/// Bonded fraction (0 to 1) at `x` ft from the left end of a one-piece girder `Lg` ft long, of a
/// strand group debonded `dE` ft at each end and `dM` ft either side of mid-length (a length of
/// 0 or less is no debonding). The group is bonded over one zone (from dE to Lg - dE) or, with
/// mid debonding, two (up to Lg/2 - dM and from Lg/2 + dM); in a zone its force builds up linearly
/// over the transfer length `Lt` ft from each end of the zone, and the fraction is the smaller of
/// the build-up from the zone's start and from its end (so a zone shorter than 2 Lt never counts
/// more than either end has anchored); 0 outside the zones. A zone of no length, a debonding
/// that leaves nothing bonded, and the girder ends themselves give 0. nullopt when `x` lies off
/// the girder (below 0 or beyond Lg).
// AASHTO LRFD 6th ed. Art. 5.11.4.1 (transfer length 60 db, the stress varying linearly over it)
// and Art. 5.11.4.3 (debonded strands); AASHTO Standard Specifications 17th ed. Art. 9.20.2.4
// (prestress force varying linearly over the transfer length of 50 db)
std::optional<double> BondedStrandFraction(double x, double Lg, double Lt, double dE, double dM);

/// Elevation (in) at `x` ft of a strand group running straight from `yE` at the girder ends to
/// `yD` at the drape points `xd` ft from either end of a girder `Lg` ft long: yE when the two are
/// equal; yE - (yE - yD) x / xd for x < xd, yD for x < Lg - xd, and yD + (yE - yD)(x - (Lg -
/// xd)) / xd beyond. A drape point at the girder end (xd of 0 or less) holds the group at yD.
double DrapedStrandElevation(double x, double Lg, double xd, double yE, double yD);

/// Bonded fraction at `x` ft from the left end of a girder of several segments, the same for every
/// strand group: walking the segments from the left end, in the segment that holds x (start s,
/// end a) the force builds up over the transfer length `Lt` ft from both segment ends (the
/// smaller of (x - s) / Lt, (a - x) / Lt and 1); inside the closure pour after a segment it is
/// kClosurePourFraction. `segments` are the rows (length ft, closure ft) of the segments in order.
/// nullopt when x lies before the girder or beyond the last segment and its closure.
// AASHTO LRFD 6th ed. Art. 5.11.4.1; AASHTO Standard Specifications 17th ed. Art. 9.20.2.4
std::optional<double> SegmentedStrandFraction(double x, std::span<const double[2]> segments,
                                              double Lt);

}  // namespace kordel

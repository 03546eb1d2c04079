// Closed-form effects of static and moving loads on a simply supported span, the linear
// interpolation of tenth-point values to a position in a span, and the distribution of a special
// vehicle with other traffic. Pure functions; the load-effect stages call them.
//
// Loads are positive downward and positions in ft from the left support. Moments are kip-ft,
// sagging positive; shears are kip, positive where the loads to the right of the section push
// down (a uniform load w gives w (L/2 - x)); end rotations are radian, counter-clockwise positive,
// so a downward load turns the left end negative and the right end positive.
#pragma once

#include <span>

#include "document/model_limits.h"
#include "document/results_continuity.h"

namespace kordel {

// ---- Static loads on a simple span --------------------------------------------------------------

/// Moment at `x` of a uniform load `w` (klf) over the span `L` (ft): w x (L - x) / 2.
double UniformLoadMoment(double w, double L, double x);

/// Shear at `x` of a uniform load `w` over the span `L`: w (L/2 - x).
double UniformLoadShear(double w, double L, double x);

/// Left end rotation of a uniform load `w` (klf) over the span `L` (ft) with modulus `E` (ksi)
/// and inertia `I` (in4): -w L^3 / (24 E I), worked in kip and in; the right end turns by the
/// same amount the other way. 0 when E I is not positive.
double UniformLoadLeftRotation(double w, double L, double E, double I);

/// Moment at `x` of two loads `P` (kip) at `a` and L - a (a <= L/2), ft: P x up to the first
/// load, P a between the loads, P (L - x) beyond the second. A single load W at mid-span is the
/// pair W/2 at a = L/2.
double SymmetricPairMoment(double P, double a, double L, double x);

/// Shear at `x` of the same pair: P up to and at the first load, 0 between the loads, -P at and
/// beyond the second; at each load the shear of its side toward the nearer support, so that the
/// shears are the mirror image of each other. Positions within kPositionTolerance are the same.
/// A single load at mid-span (a = L/2) gives P there.
double SymmetricPairShear(double P, double a, double L, double x);

/// Left end rotation of the same pair with modulus `E` (ksi) and inertia `I` (in4):
/// -P a (L - a) / (2 E I), worked in kip and in. The end slope of one load P at distance b from
/// the far support is P b (L^2 - b^2) / (6 L E I); the loads at a and L - a add to
/// P a (L - a) (2L - a + L + a) / (6 L E I) = P a (L - a) / (2 E I). A single load W at mid-span
/// (P = W/2, a = L/2) gives W L^2 / (16 E I). 0 when E I is not positive.
double SymmetricPairLeftRotation(double P, double a, double L, double E, double I);

// ---- Moving loads on a simple span --------------------------------------------------------------

/// Moment at `x` of a unit load at `p` on the span `L` (influence line, ft per kip):
/// x (L - p) / L for p >= x, else (L - x) p / L.
double SimpleSpanMomentInfluence(double x, double p, double L);

/// Shear at `x` of a unit load at `p` (influence line): (L - p) / L for p >= x, else -p / L.
double SimpleSpanShearInfluence(double x, double p, double L);

/// Running extremes of the placements of one moving load at every analysis station: the largest
/// moment with the shear of the same placement, and the largest shear with the moment of the same
/// placement. They start at 0; a placement whose value equals the kept one replaces it and brings
/// its concurrent value.
struct StationExtremes {
    double moment[kStationCount] = {};           ///< largest moment, kip-ft
    double shearWithMoment[kStationCount] = {};  ///< shear of that placement, kip
    double shear[kStationCount] = {};            ///< largest shear, kip
    double momentWithShear[kStationCount] = {};  ///< moment of that placement, kip-ft
};

/// Stations of a span: position of every analysis station, ft from the left support.
using StationPositions = std::span<const double, kStationCount>;

/// Lane load on the span `L` at every station `x`, per lane: the uniform load `w` (klf) on the
/// 100 segments of length x[1] - x[0] that start at x[0] .. x[99], each segment counting into the
/// shear when it starts at or beyond the station (the part of the span right of the station
/// loaded for positive shear, the whole span for moment), plus the largest moment of the
/// concentrated load `PM` and the largest positive shear of the concentrated load `PV` (kip), each
/// placed at x[0] .. x[99]. Writes `M` (kip-ft) and `V` (kip), zeros when L is not above 0.
/// AASHTO LRFD 6th ed. Art. 3.6.1.2.4; AASHTO Standard Specifications 17th ed. Art. 3.7.1.2
void SimpleSpanLaneLoad(StationPositions x, double L, double w, double PM, double PV,
                        double (&M)[kStationCount], double (&V)[kStationCount]);

/// Moves an axle train over the span `L` (ft, above 0; otherwise nothing is done): the axles
/// `weights` (kip, front first) at the spacings `gaps` (ft, gap k from axle k to axle k + 1) in
/// their order and then reversed, with each axle in turn on each station; only axles strictly
/// inside the span count. Keeps in `e` the largest moment and the largest net shear of the whole
/// train with their concurrent values (placements pass by pass, station by station, axle by
/// axle), at the stations `kept` (every station when empty); the other stations of `e` are left
/// as they are.
void EnvelopeAxleTrain(StationPositions x, double L, std::span<const double> weights,
                       std::span<const double> gaps, StationExtremes& e,
                       std::span<const int> kept = {});

/// Moves a tandem of `P1` and `P2` (kip) at spacing `s` (ft) over the span `L`: for every station
/// x(r), P1 on it with P2 s behind (when that is on the span), then P1 s ahead (when that is
/// inside the span) with P2 on it. The shear is the positive shear of the axles at or right of
/// the station; a placement counts for shear only when that shear at x(r) is above 0. Keeps the
/// extremes in `e` at the stations `kept` as EnvelopeAxleTrain does.
void EnvelopeTandem(StationPositions x, double L, double P1, double P2, double s,
                    StationExtremes& e, std::span<const int> kept = {});

// ---- Tenth points of a span ---------------------------------------------------------------------

/// Value `value` of the span record `span` ([tenth point][value]) at `X` ft from the left
/// support of a span `L` ft long: linear between the tenth points around X (tenth point k at
/// k L / 10, accumulated), tenth point 0 for X <= 0 and tenth point 10 for X >= L.
double TenthPointValueAt(const SpanEnvelope& span, int value, double L, double X);

// ---- A special vehicle with other traffic -------------------------------------------------------

/// Effect per girder of a permit vehicle in one lane with design traffic in the others, from the
/// effect `EPermit` of the permit vehicle and `EDesign` of the design vehicle, each already
/// distributed with the factor `g`: EPermit / g (g1 / Z) + EDesign / g (gm - g1 / Z), with `g1`
/// the one-lane factor, `gm` the factor for the lanes as set and Z = 1.2 where the lever rule
/// gave g1, else 1.0. 0 when g is 0.
/// AASHTO LRFD 6th ed. Art. 4.6.2.2.5, Eq. 4.6.2.2.5-1
double LrfdPermitWithTrafficEffect(double EPermit, double EDesign, double g, double g1, double gm,
                                   double Z);

}  // namespace kordel

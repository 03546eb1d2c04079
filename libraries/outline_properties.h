// Gross properties of a precast beam section described by coordinates: one outer outline, at
// most one polygonal void and up to kMaxCircularVoids circular voids, in the section's length
// unit (inches, or metres for a metric section; only the optional rounding assumes inches).
// x runs across from the centreline, y up from the bottom. Every point list is read as an open
// chain from its first point to its last, so a closed figure repeats its first point.
//
// The computation is the analysis's own (engine/core/aashto_section.h): the net section as the
// outline less its voids, about the horizontal axis and, turned a quarter turn, about the
// vertical axis, with pi taken as kSectionPi as the section tools have always taken it.
#pragma once

#include <optional>

#include "engine/core/aashto_section.h"

namespace kordel {

/// Value of pi for the circular voids of the section tools.
inline constexpr double kSectionPi = 3.141592654;

struct OutlineSectionProperties {
    double area;             ///< net area A, in2
    double centroid;         ///< ybxx, centroid height above y = 0, in
    double inertia;          ///< Ixx about the horizontal centroidal axis, in4
    double perimeter;        ///< P, length of the outer outline's chain, in
    double volumeToSurface;  ///< V/S = A / P, in (the voids' edges not counted)
    double centroidX;        ///< ybyy, centroid's distance from the leftmost outline point, in
    double inertiaY;         ///< Iyy about the vertical centroidal axis, in4
    NetSectionParts parts;   ///< the three parts about the horizontal axis (A1 y1 I1 ... A3 y3 I3)
};

/// The properties of the outline less its voids. With `roundUS` (a US customary section in
/// inches) A, Ixx and Iyy are rounded to whole numbers and ybxx and V/S to two decimals, each
/// half going up (0.5, resp. 0.005, added and the rest dropped); ybyy and P are never rounded.
/// nullopt when a count lies outside its array, or the section has no net area or no perimeter,
/// or a result is not finite: such coordinates describe no section. An outline left open with
/// an end off y = 0 gives the area under its listed edges and, enclosing nothing about the
/// vertical axis, 0 for ybyy and Iyy.
// Beer and Johnston, Vector Mechanics for Engineers: Statics, Ch. 5 (centroids of composite
// areas) and Ch. 9 (parallel-axis theorem)
std::optional<OutlineSectionProperties> ComputeSectionProperties(
    int outlineCount, PointList outline, int voidCount, PointList voidOutline, int circleCount,
    const double (*circles)[kCircularVoidValueCount], bool roundUS);

/// `v` rounded to a whole number, half going up: 0.5 added and the fraction dropped.
double RoundWhole(double v);
/// `v` rounded to two decimals, half going up: 0.005 added, times 100, the fraction dropped,
/// divided by 100.
double RoundTwoDecimals(double v);

}  // namespace kordel

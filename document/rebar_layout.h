// Longitudinal bars from their layout rows, bar areas by size, and the stirrup-zone arithmetic
// (zone ends, area per length, the mirrored half of a symmetric pattern). Each works in the
// units it is given: the design's US units, or the metric units a metric design shows.
#pragma once

#include "document/model_limits.h"
#include "document/model_records.h"

namespace kordel {

/// Bar pitch of an expanded row is the design's m_dBarSpacing; the first pair of an even row
/// lies this far either side of the centreline, in.
inline constexpr double kEvenRowFirstOffset = 1.0;
/// The tags of an expanded bar, in the order of RebarBar's four strings.
inline constexpr const char* kExpandedBarTags[4] = {"S", "S", "B", "X"};

/// The bars `rowCount` layout rows call for: the whole part of every quantity above 0. A
/// quantity too large to count gives a total above kMaxRebarBars rather than overflowing.
double RebarRowBarCount(const double (*rows)[kRebarRowValueCount], int rowCount);

/// Rebuilds a group's bars from its rows, in row order: a row of n bars (the whole part of its
/// quantity) gives one bar on the centreline when n is odd, then pairs at +c and -c, c starting
/// at the bar pitch `spacing` (odd) or kEvenRowFirstOffset (even) and growing by `spacing`.
/// `inch` is the length of an inch in the rows' height units (1, or 0.0254 for metres); `raise`
/// is added to every row height (deck rows: girder height plus haunch, in those units).
/// Writes at most kMaxRebarBars bars into `bars`; returns how many it wrote.
int ExpandRebarRows(const double (*rows)[kRebarRowValueCount], int rowCount, double inch,
                    double spacing, double raise, RebarBar* bars);

/// Area of one bar of `size` from the ASTM A615 inch-pound table (#3 to #11 and #14), in2; 0
/// for every other size.
double StandardBarArea(int size);

/// Total area of a layout row of `quantity` bars of `size` (each by its whole part): in2, or
/// mm2 when `metric`.
double RebarRowArea(double quantity, double size, bool metric);

// ---- Stirrup zones ------------------------------------------------------------------------------
// Zones in the column order of StirrupZoneValue; gap, end and length in ft (m when metric),
// spacing in in (mm when metric), area in in2/ft (mm2/mm).

/// Stirrup area per length of `legs` legs of bar `size` at `spacing`: in2/ft, or mm2/mm when
/// `metric`; 0 for a spacing of 0 or a size outside the bar table.
double StirrupAreaPerLength(int size, double spacing, int legs, bool metric);

/// End of zone `k` from the girder's left end: the sum over zones 0 to k of gap plus spaces x
/// spacing (stirrup layout) or of the zone lengths (steel areas).
double StirrupZoneEnd(const double (*zones)[kStirrupZoneValueCount], int k, bool stirrups,
                      bool metric);
/// Start of zone `k` given as steel areas: the sum of the lengths of the zones before it.
double StirrupZoneStart(const double (*zones)[kStirrupZoneValueCount], int k);

/// Turns the left half of a symmetric pattern (`count` zones) into the whole pattern of
/// 2 x count zones on a girder of length `length`: the right half mirrors the left, its first
/// gap taking up what lies between the halves so that the last stirrup lies as far from the
/// right end as the first from the left (steel areas: the right half ends at the girder's
/// end). Ends and stirrup areas are worked out again. count must be at most
/// kMaxStirrupZones / 2.
void MirrorStirrupZones(double (*zones)[kStirrupZoneValueCount], int& count, int legs,
                        bool stirrups, bool metric, double length);

}  // namespace kordel

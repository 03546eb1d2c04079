// What the editors of the pretensioned strand pattern share: the running totals (strand count,
// centroids, total strand length), the checks of a typed pattern and of the drape point, the
// cell and text formats, the metric conversion of the pattern and template, the group rebuild
// and the stacking of draped strands for a touching layout at the drape point.
#pragma once

#include <string>

#include "controls/grid_ctrl.h"
#include "document/model_limits.h"
#include "document/model_records.h"
#include "platform/ui/dialog.h"
#include "report/format.h"

namespace kordel {

using StrandTemplate = double[kMaxPatternRows][kMaxPatternColumns];

/// The number a grid cell's text begins with; 0 when it begins with none (or with one that is
/// not finite).
double LeadingNumber(const std::string& text);

/// A pattern's count and centroid: the count is the whole part of the sum of straight and
/// draped strands of the rows in use; the centroid is the count-weighted mean elevation over the
/// sum of the whole parts of each count (0 when that sum is 0).
struct PatternTotals {
    double count = 0;
    double centroid = 0;
};
PatternTotals PatternCountAndCentroid(const StrandPatternRow* rows, int rowsInUse);

/// Total strand length of `count` strands for a girder of `girderLength` over `span` draped at
/// `fraction` of the span: the pieces from each end to the drape point run on the slope of the
/// centroid line. Lengths in feet with centroids in inches (`metric` false) or all in metres.
double TotalStrandLength(double count, double girderLength, double span, double fraction,
                         double cgEnd, double cgDrape, bool metric);

/// The row values in a length unit: pattern elevations [0] and [2], template elevation [0] and
/// locations [3..29], of the rows in use, multiplied (`toMetric`) or divided by the inch.
void ConvertPatternLengths(StrandPatternRow* endRows, StrandPatternRow* drapeRows,
                           StrandTemplate& strandTemplate, int rowsInUse, bool toMetric);

/// Checks the counts of a typed pattern before it is built into strand groups: every count a
/// whole number from 0 to its level's capacity (template [1] for straight strands, [2] for
/// draped ones; straight and draped at the end together not above [1]). Returns the refusal to
/// show, empty when the pattern passes.
std::string CheckPatternCounts(const StrandPatternRow* endRows, const StrandPatternRow* drapeRows,
                               const StrandTemplate& strandTemplate, int rowsInUse);

/// The drape point of a draped pattern by fraction of the span: refused (false) outside
/// 0 < f <= 0.5 with the stop message, asked about below 0.35 (No: false).
bool AcceptDrapeFraction(platform::ui::Dialog& dialog, double fraction);
inline constexpr const char* kDrapeFractionRange =
    "For draped (harped) patterns, the valid range \nfor the drape fraction (Var:) is:\n \n   "
    "0.0 < Drape Fraction <= 0.5";
inline constexpr const char* kDrapeFractionLow =
    "Warning: Drape fractions < 0.35 may result in excessively \nhigh hold-down forces. Proceed "
    "anyway?";
inline constexpr const char* kUnequalPatterns =
    "Number of draped stands in end\n and mid patterns must be equal.";
inline constexpr const char* kEmptyPattern = "Pattern must contain at least one strand.";
/// The refusal of a pattern whose end and drape-point strand counts differ (kUnequalPatterns)
/// or that has no strand (kEmptyPattern); nullptr when its counts can be taken.
const char* PatternCountRefusal(double endCount, double drapeCount);
inline constexpr const char* kClearPatternQuestion =
    "Are you sure you want to clear the strand pattern?";

/// Stacks the draped strands at the drape point one strand diameter apart, from the elevation
/// of drape-point row 0 up through `rows` rows; an elevation that would pass `height` + 2 in
/// stays where it is. US units.
void StackDrapedStrands(StrandPatternRow* drapeRows, int rows, double diameter, double height);

/// The inputs of the group builder and its results, as the dialogs hold them (US units).
struct GroupRebuild {
    double pullFraction = 0;
    double topPullFraction = 0;
    int topPullStrandCount = 0;
    int groupCount = 0;
    int hasDraped = 0;
    int rowCount = 0;
    int columnCount = 0;
    int templateLayout = 0;
    int patternType = 0;
};
/// Rebuilds `groups` from the patterns and the template with the strand-group builder.
void RebuildGroups(GroupRebuild& state, StrandGroup* groups, const StrandPatternRow* endRows,
                   const StrandPatternRow* drapeRows, const StrandTemplate& strandTemplate);

/// Grid helpers: a cell that cannot be edited, on a grey ground.
void MarkReadOnly(CGridCtrl& grid, int row, int col, platform::ui::Colour grey);
/// The colour of the cells the user cannot edit in the pattern and template grids.
inline constexpr platform::ui::Colour kPatternReadOnlyGrey = platform::ui::Rgb(230, 230, 230);

}  // namespace kordel

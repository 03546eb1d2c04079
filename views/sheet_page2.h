// Page 2 of the input summary sheet: the girder elevation with the pretensioned strands'
// centroid profile, the strand patterns at the girder end and at the drape point with their
// tables, the debonded strands at the end and about mid-span with their tables, and the
// strand forces, centroids, elastic shortening and hold-down forces. Every y is relative to the
// page offset K (0 on the screen, the title block's offset when printing).
#pragma once

#include <vector>

#include "platform/ui/dc.h"
#include "views/sheet_elements.h"

namespace kordel {

/// The whole of page 2.
void DrawSheetPage2(platform::ui::DC& dc, const SheetDrawing& sheet, int K);

/// The beam elevation with the strand centroid profile, and the closure pours of a spliced
/// girder.
void DrawPatternProfile(platform::ui::DC& dc, const SheetDrawing& sheet, int K);
/// The end and drape-point sections with a dot for every strand.
void DrawPatternSections(platform::ui::DC& dc, const SheetDrawing& sheet, int K);
/// The straight and draped pattern tables.
void DrawPatternTables(platform::ui::DC& dc, const SheetDrawing& sheet, int K);
/// The debonded strands at the end and about mid-span, each with its table of lengths.
void DrawDebonding(platform::ui::DC& dc, const SheetDrawing& sheet, int K);
/// The debonding totals and the casting data.
void DrawCastingData(platform::ui::DC& dc, const SheetDrawing& sheet, int K);

/// The distinct debond lengths of the strand groups in their order, ft: each non-zero length
/// (value `which` of a group: kGroupDebondEnd or kGroupDebondMid) that differs from the last one
/// listed. The k-th entry (from 0) carries the debonding symbol at place k.
std::vector<double> DebondLengths(const SheetDrawing& sheet, int which);

}  // namespace kordel

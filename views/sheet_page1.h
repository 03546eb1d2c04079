// Page 1 of the input summary sheet: the column of input data on the left, and on the right the
// framing plan, the bridge and girder cross sections, the flange and web dimensions and the
// section properties at mid-span. Every y is relative to the page offset K (0 on the screen,
// the title block's offset when printing).
#pragma once

#include "platform/ui/dc.h"
#include "views/sheet_elements.h"

namespace kordel {

/// The x of the column's headings, items, sub-items and values.
inline constexpr int kColumnHeadingX = 5;
inline constexpr int kColumnItemX = 15;
inline constexpr int kColumnSubItemX = 25;
inline constexpr int kColumnValueX = 155;

/// The whole of page 1, the column first.
void DrawSheetPage1(platform::ui::DC& dc, const SheetDrawing& sheet, int K);

/// The column of input data from y = K down, left-aligned in the selected font and background.
void DrawInputColumn(platform::ui::DC& dc, const SheetDrawing& sheet, int K);
/// The framing plan of the whole bridge with the current girder shaded.
void DrawFramingPlan(platform::ui::DC& dc, const SheetDrawing& sheet, int K);
/// The bridge cross section: haunches, deck, barriers and every girder, the current one shaded.
void DrawBridgeSection(platform::ui::DC& dc, const SheetDrawing& sheet, int K);
/// The girder cross section with its deck and haunch, and the section's name.
void DrawGirderSection(platform::ui::DC& dc, const SheetDrawing& sheet, int K);
/// The flange table and the web lines.
void DrawFlangesAndWebs(platform::ui::DC& dc, const SheetDrawing& sheet, int K);
/// The section properties at mid-span (station 50) in five columns.
void DrawSectionProperties(platform::ui::DC& dc, const SheetDrawing& sheet, int K);

}  // namespace kordel

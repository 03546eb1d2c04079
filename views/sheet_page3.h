// Page 3 of the input summary sheet: the girder elevation with the shear reinforcement zones
// and their tables, the elevation with every longitudinal bar of the girder and the deck, the
// sections at the face of the left bearing and at mid-span with the bars they cut, and the
// tables of the bar layout rows. Every y is relative to the page offset K (0 on the screen, the
// title block's offset when printing).
#pragma once

#include "platform/ui/dc.h"
#include "views/sheet_elements.h"

namespace kordel {

/// The whole of page 3.
void DrawSheetPage3(platform::ui::DC& dc, const SheetDrawing& sheet, int K);

/// The elevation with the zone boundaries, and the zone tables (ten zones each).
void DrawShearZones(platform::ui::DC& dc, const SheetDrawing& sheet, int K);
/// The elevation with every girder and deck bar.
void DrawRebarElevation(platform::ui::DC& dc, const SheetDrawing& sheet, int K);
/// The sections at the face of the left bearing and at mid-span with the bars that cross them.
void DrawRebarSections(platform::ui::DC& dc, const SheetDrawing& sheet, int K);
/// The girder and deck bar layout tables.
void DrawRebarTables(platform::ui::DC& dc, const SheetDrawing& sheet, int K);

}  // namespace kordel

// Page 4 of the input summary sheet, drawn for a post-tensioned design only: the girder
// elevation with its closure pours and the parabolic profile of every tendon, the sections at
// the left end and at mid-span with every duct, the tendon table, the post-tensioning strand and
// the girder segments. Every y is relative to the page offset K (0 on the screen, the title
// block's offset when printing).
#pragma once

#include "platform/ui/dc.h"
#include "views/sheet_elements.h"

namespace kordel {

/// The whole of page 4.
void DrawSheetPage4(platform::ui::DC& dc, const SheetDrawing& sheet, int K);

/// The elevation with the closure pours and the tendon profiles.
void DrawTendonProfiles(platform::ui::DC& dc, const SheetDrawing& sheet, int K);
/// The left-end and mid-span sections with the ducts.
void DrawTendonSections(platform::ui::DC& dc, const SheetDrawing& sheet, int K);
/// The tendon table, the post-tensioning strand and the segment table.
void DrawTendonTables(platform::ui::DC& dc, const SheetDrawing& sheet, int K);

/// The duct diameter column of the tendon table: its heading and a duct's diameter (in) as
/// printed, in inches for a US design and in millimetres for a metric one.
std::string DuctHeading(const SheetDrawing& sheet);
std::string DuctDiameterText(const SheetDrawing& sheet, double diameter);

}  // namespace kordel

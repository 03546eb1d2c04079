// The title block of every printed sheet of the drawing views: the sheet's frame, the job's
// identification (project, task, job number, client, file), a sheet and checking field, the
// designer, the date and time of printing, the span and girder, the page label, and below the
// frame the program line with the design file's version.
//
// Sheet p of a printout is the band of the drawing from top = -(p - 1) x 1060 down, 0.01 inch
// units with y up; the block's positions are relative to that top.
#pragma once

#include <string>

#include "platform/ui/dc.h"

namespace kordel {

class CKordelDoc;

/// The pitch of the printed sheets in the drawing, and where a sheet's band begins.
inline constexpr int kSheetBandPitch = 1060;
inline int SheetBandTop(int page) {
    return -(page - 1) * kSheetBandPitch;
}

/// The widths the job lines must stay below, 0.01 inch, measured in the body font.
inline constexpr int kJobLineLimit = 188;
inline constexpr int kClientLineLimit = 179;
inline constexpr int kFileLineLimit = 216;

/// The right column of the title area: its texts start at x = 605, its frame is at 735.
inline constexpr int kRightColumnX = 605;
/// A line of the right column at `y`, of a block whose left edge is at `left`. A line wider than
/// the column (a date of two-digit month and day, long initials) is drawn in the selected font
/// made smaller to fit, so it never crosses the frame.
void RightColumnText(platform::ui::DC& dc, int y, const std::string& text, int left = 0);

/// "%d" of `value`, with a "0" before a value below 10 (the time fields of the block).
std::string FormatTwoDigits(int value);

/// The job number line, "Job. No.\t: %s", shortened until it measures less than kJobLineLimit
/// on `dc` (in its selected font): the number keeps its first three characters, then "...",
/// then loses one more character after the ellipsis each time; a number with nothing left to
/// lose is printed as it then stands.
std::string JobNumberLine(const platform::ui::DC& dc, const std::string& jobNumber);
/// The client text, "Client: %s", cut from the end of the name and closed with "..." until it
/// measures less than kClientLineLimit (or the name is gone).
std::string ClientLine(const platform::ui::DC& dc, const std::string& client);
/// The file text, "File: %s", the name keeping its first seven characters and its end joined by
/// "..." until it measures less than kFileLineLimit (or nothing is left to remove).
std::string FileLine(const platform::ui::DC& dc, const std::string& fileName);

/// Where a view's sheet frame ends below the band's top, and the size and y of the program line
/// under it.
struct TitleFrame {
    int bottom = 1015;
    int footHeight = 8;
    int footY = 1016;
};
inline constexpr TitleFrame kSheetTitleFrame{};
inline constexpr TitleFrame kGraphTitleFrame{1010, 10, 1011};

/// Draws the title block of sheet `page` of `pageCount` and returns the offset of the sheet's
/// content: -110 - 55 x (page - 1). Sets the background mode to transparent; the font and pen
/// selected before come back.
int DrawPageTitleBlock(platform::ui::DC& dc, const CKordelDoc& doc, int page, int pageCount,
                       const TitleFrame& frame = kSheetTitleFrame);

}  // namespace kordel

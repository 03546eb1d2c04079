// What the design's scrolling views share about their pages: Page Up and Page Down scroll by a
// page, and the dotted line the drawing views draw between their pages on the screen.
#pragma once

#include "platform/ui/view.h"

namespace kordel {

/// Page Up scrolls `view` up by a page and Page Down down by one, as clicking the vertical
/// scroll bar's page areas does; every other key does nothing. Returns whether the key pages.
bool ScrollByPageKey(platform::ui::ScrollView& view, int key);

/// The dotted page line across the drawing at `y`, teal; the pen selected before comes back.
void DrawPageBreakLine(platform::ui::DC& dc, int y);

}  // namespace kordel

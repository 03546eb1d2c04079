#include "views/view_paging.h"

#include "platform/ui/menu.h"

namespace kordel {

using namespace platform::ui;

namespace {
/// The right end of the page line: past any drawing's width.
constexpr int kPageLineEnd = 32000;
const Pen kPageLinePen{PenStyle::Dot, 1, {55, 155, 155}};
}  // namespace

bool ScrollByPageKey(ScrollView& view, int key) {
    if (key == kKeyPageUp) {
        view.OnScroll(true, ScrollCode::PageUp, 0);
        return true;
    }
    if (key == kKeyPageDown) {
        view.OnScroll(true, ScrollCode::PageDown, 0);
        return true;
    }
    return false;
}

void DrawPageBreakLine(DC& dc, int y) {
    const Pen previous = dc.SelectPen(kPageLinePen);
    dc.MoveTo({0, y});
    dc.LineTo({kPageLineEnd, y});
    dc.SelectPen(previous);
}

}  // namespace kordel

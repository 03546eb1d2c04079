#include "platform/ui/mdi_layout.h"

#include <algorithm>

namespace platform::ui {

std::vector<Rect> CascadeLayout(Size client, int count, int step) {
    std::vector<Rect> rects;
    if (count <= 0) return rects;
    const int w = std::max(client.cx / 4, client.cx - step * (count - 1));
    const int h = std::max(client.cy / 4, client.cy - step * (count - 1));
    for (int i = 0; i < count; ++i) {
        int x = std::min(step * i, std::max(0, client.cx - w));
        int y = std::min(step * i, std::max(0, client.cy - h));
        rects.push_back({x, y, x + w, y + h});
    }
    return rects;
}

std::vector<Rect> TileLayout(Size client, int count, bool horizontal) {
    std::vector<Rect> rects;
    if (count <= 0) return rects;
    const int extent = horizontal ? client.cy : client.cx;
    const int each = extent / count;
    for (int i = 0; i < count; ++i) {
        int from = each * i;
        int to = i == count - 1 ? extent : from + each;
        rects.push_back(horizontal ? Rect{0, from, client.cx, to} : Rect{from, 0, to, client.cy});
    }
    return rects;
}

std::vector<Rect> SplitterLayout(Size client, int rows, int columns, Point split, int bar) {
    rows = std::clamp(rows, 1, 2);
    columns = std::clamp(columns, 1, 2);
    const int sx = std::clamp(split.x, 0, std::max(0, client.cx - bar));
    const int sy = std::clamp(split.y, 0, std::max(0, client.cy - bar));
    std::vector<int> xs = columns == 2 ? std::vector<int>{0, sx, sx + bar, client.cx}
                                       : std::vector<int>{0, client.cx};
    std::vector<int> ys =
        rows == 2 ? std::vector<int>{0, sy, sy + bar, client.cy} : std::vector<int>{0, client.cy};
    std::vector<Rect> panes;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            panes.push_back({xs[static_cast<size_t>(2 * c)], ys[static_cast<size_t>(2 * r)],
                             xs[static_cast<size_t>(2 * c + 1)],
                             ys[static_cast<size_t>(2 * r + 1)]});
        }
    }
    return panes;
}

}  // namespace platform::ui

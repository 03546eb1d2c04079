// Where the child windows of the main frame go when the user arranges them: cascaded from the
// top-left corner, or tiled in rows or columns over the client area.
#pragma once

#include <vector>

#include "platform/ui/geometry.h"

namespace platform::ui {

/// `count` rectangles, each offset by `step` pixels down and right from the one before, sized
/// so the last one reaches the bottom-right corner (at least a quarter of the client each way).
std::vector<Rect> CascadeLayout(Size client, int count, int step = 24);

/// `count` rectangles filling the client area: horizontal tiling stacks them in rows of equal
/// height (full width); vertical tiling sets them side by side in equal columns. Division
/// remainders go to the last rectangle.
std::vector<Rect> TileLayout(Size client, int count, bool horizontal);

/// The panes of a `rows` x `columns` splitter in `client` with bars `bar` pixels wide, the
/// split at `split` (the top-left pane's size), row by row.
std::vector<Rect> SplitterLayout(Size client, int rows, int columns, Point split, int bar = 6);

}  // namespace platform::ui

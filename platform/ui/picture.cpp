#include "platform/ui/picture.h"

#include <algorithm>
#include <cmath>

namespace platform::ui {

namespace {

/// Pixels per unit of `extent` in `room` pixels; 0 when either is empty or not finite.
double FitOne(int room, double extent) {
    if (room <= 0 || !std::isfinite(extent) || !(extent > 0.0)) return 0.0;
    const double scale = room / extent;
    return std::isfinite(scale) ? scale : 0.0;
}

}  // namespace

int PicturePixels(double pixels) {
    if (std::isnan(pixels)) return 0;
    const double limit = kMaxPictureOffset;
    return static_cast<int>(std::trunc(std::clamp(pixels, -limit, limit)));
}

PictureScale FitPicture(Size client, int margin, double width, double height,
                        bool expandVertical) {
    const double x = FitOne(client.cx - 2 * margin, width);
    const double y = FitOne(client.cy - 2 * margin, height);
    if (expandVertical) return {x, y};
    double both = 0.0;
    if (x > 0.0 && y > 0.0) {
        both = std::min(x, y);
    } else {
        both = std::max(x, y);
    }
    return {both, both};
}

void PaintPictureGround(DC& dc, Size client) {
    const Pen oldPen = dc.SelectPen(Pen{PenStyle::Solid, 0, kPictureInk});
    const Brush oldBrush = dc.SelectBrush(Brush{BrushStyle::Solid, kPictureGround});
    dc.Rectangle({0, 0, client.cx, client.cy});
    dc.SelectPen(oldPen);
    dc.SelectBrush(oldBrush);
}

}  // namespace platform::ui

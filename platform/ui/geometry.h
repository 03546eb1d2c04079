// Points, sizes, rectangles and colours of the UI layer, in whole units (device pixels or
// logical units, as the user of a value says).
#pragma once

#include <algorithm>
#include <cstdint>

namespace platform::ui {

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int cx = 0;
    int cy = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

/// A rectangle from (left, top) to (right, bottom); right and bottom lie outside it, as the
/// drawing primitives take them. In a mapping mode with y up, top may be above bottom in value.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool Contains(Point p) const {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }
    /// The same rectangle with left <= right and top <= bottom.
    Rect Normalized() const {
        return {std::min(left, right), std::min(top, bottom), std::max(left, right),
                std::max(top, bottom)};
    }
    friend bool operator==(const Rect&, const Rect&) = default;
};

/// Intersection of two normalised rectangles (empty when they do not overlap).
inline Rect Intersect(const Rect& a, const Rect& b) {
    Rect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
           std::min(a.bottom, b.bottom)};
    if (r.IsEmpty()) return {};
    return r;
}

/// A colour as red, green and blue, 0 to 255 each.
struct Colour {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend bool operator==(const Colour&, const Colour&) = default;
};

constexpr Colour Rgb(int r, int g, int b) {
    return Colour{static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g),
                  static_cast<std::uint8_t>(b)};
}

inline constexpr Colour kBlack = Rgb(0, 0, 0);
inline constexpr Colour kWhite = Rgb(255, 255, 255);

/// A point in device units before rounding, as the backends receive it.
struct PointD {
    double x = 0.0;
    double y = 0.0;
    friend bool operator==(const PointD&, const PointD&) = default;
};

}  // namespace platform::ui

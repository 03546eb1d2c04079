// A bitmap: a picture of whole device pixels, held as 32-bit premultiplied ARGB words (the
// layout cairo's image surfaces use), row after row. A headless backend may hold the size only.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/ui/geometry.h"

namespace platform::ui {

struct Bitmap {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;  ///< width x height words, or empty for a size only

    bool IsNull() const { return width <= 0 || height <= 0; }
    bool HasPixels() const {
        return !IsNull() && pixels.size() == static_cast<std::size_t>(width) * height;
    }
    /// The colour at (x, y) (alpha dropped); black when there are no pixels.
    Colour At(int x, int y) const {
        if (!HasPixels() || x < 0 || y < 0 || x >= width || y >= height) return kBlack;
        std::uint32_t v = pixels[static_cast<std::size_t>(y) * width + x];
        return Rgb((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
    }
};

}  // namespace platform::ui

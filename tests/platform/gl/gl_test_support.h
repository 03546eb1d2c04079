// Reading the pictures the off-screen 3D view draws: which pixels are drawn (not the black
// background), their box, and the picture kept as a PNG in the artefacts folder.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "platform/draw/render.h"
#include "platform/ui/bitmap.h"

namespace platform::gl::test {

/// Whether pixel (x, y) is drawn: any channel above the black background.
inline bool Lit(const ui::Bitmap& b, int x, int y) {
    const ui::Colour c = b.At(x, y);
    return c.r > 8 || c.g > 8 || c.b > 8;
}

/// The box of the drawn pixels and their count; empty (count 0) when there are none.
struct Box {
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
    int count = 0;
    bool Empty() const { return count == 0; }
};

inline Box Drawn(const ui::Bitmap& b) {
    Box box;
    for (int y = 0; y < b.height; ++y) {
        for (int x = 0; x < b.width; ++x) {
            if (!Lit(b, x, y)) continue;
            box.left = std::min(box.left, x), box.right = std::max(box.right, x);
            box.top = std::min(box.top, y), box.bottom = std::max(box.bottom, y);
            ++box.count;
        }
    }
    return box;
}

/// Keeps `picture` as `name` in the artefacts folder.
inline void SavePicture(const ui::Bitmap& picture, const std::string& name) {
    std::filesystem::create_directories(KORDEL_ARTEFACTS_DIR);
    EXPECT_TRUE(draw::WritePng(picture, std::string(KORDEL_ARTEFACTS_DIR) + "/" + name));
}

}  // namespace platform::gl::test

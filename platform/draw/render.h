// Pictures drawn through the device context: into a bitmap in memory, and out to PNG files.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/ui/bitmap.h"
#include "platform/ui/dc.h"

namespace platform::draw {

/// Pixels per inch of pictures drawn for the screen.
inline constexpr double kScreenDpi = 96.0;

/// A picture of `size` pixels on a white (or transparent) ground, drawn by `paint` at `dpi`.
ui::Bitmap RenderBitmap(ui::Size size, const std::function<void(ui::DC&)>& paint,
                        double dpi = kScreenDpi, bool transparent = false);

/// A picture that `paint` draws on a grid of `size` pixels, rendered `scale` times as large
/// (a 32-pixel icon at 256 pixels: scale 8), on a white ground.
ui::Bitmap RenderScaledBitmap(ui::Size size, double scale,
                              const std::function<void(ui::DC&)>& paint);

/// A device context that measures text as the screen does; it draws nowhere.
std::unique_ptr<ui::DC> CreateScreenMeasureDC(ui::Size screen);

/// Writes `bitmap` as a PNG file (all or nothing); false when it cannot.
bool WritePng(const ui::Bitmap& bitmap, const std::string& path);

}  // namespace platform::draw

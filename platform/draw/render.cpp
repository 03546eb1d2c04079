#include "platform/draw/render.h"

#include <cairo.h>

#include <cmath>
#include <cstring>

#include "platform/draw/cairo_dc.h"
#include "platform/file_io.h"

namespace platform::draw {

namespace {

/// `paint` on a grid of `size` pixels, drawn `scale` times as large into a bitmap.
ui::Bitmap Render(ui::Size size, double scale, const std::function<void(ui::DC&)>& paint,
                  double dpi, bool transparent) {
    ui::Bitmap bitmap;
    const int width = static_cast<int>(std::lround(size.cx * scale));
    const int height = static_cast<int>(std::lround(size.cy * scale));
    if (width <= 0 || height <= 0) return bitmap;
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    cairo_t* cr = cairo_create(surface);
    if (!transparent) {
        cairo_set_source_rgb(cr, 1.0, 1.0, 1.0);
        cairo_paint(cr);
    }
    cairo_scale(cr, scale, scale);
    {
        CairoDC dc(cr, dpi, false, size);
        if (paint) paint(dc);
    }
    cairo_destroy(cr);
    cairo_surface_flush(surface);

    bitmap.width = width;
    bitmap.height = height;
    bitmap.pixels.resize(static_cast<size_t>(width) * static_cast<size_t>(height));
    const unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < height; ++y) {
        std::memcpy(&bitmap.pixels[static_cast<size_t>(y) * static_cast<size_t>(width)],
                    data + static_cast<ptrdiff_t>(y) * stride, static_cast<size_t>(width) * 4);
    }
    cairo_surface_destroy(surface);
    return bitmap;
}

}  // namespace

ui::Bitmap RenderBitmap(ui::Size size, const std::function<void(ui::DC&)>& paint, double dpi,
                        bool transparent) {
    return Render(size, 1.0, paint, dpi, transparent);
}

ui::Bitmap RenderScaledBitmap(ui::Size size, double scale,
                              const std::function<void(ui::DC&)>& paint) {
    return Render(size, scale, paint, kScreenDpi, false);
}

std::unique_ptr<ui::DC> CreateScreenMeasureDC(ui::Size screen) {
    return std::make_unique<MeasureCairoDC>(kScreenDpi, false, screen);
}

namespace {
cairo_status_t AppendToString(void* closure, const unsigned char* data, unsigned int length) {
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
}
}  // namespace

bool WritePng(const ui::Bitmap& bitmap, const std::string& path) {
    if (!bitmap.HasPixels()) return false;
    cairo_surface_t* surface = cairo_image_surface_create_for_data(
        reinterpret_cast<unsigned char*>(const_cast<std::uint32_t*>(bitmap.pixels.data())),
        CAIRO_FORMAT_ARGB32, bitmap.width, bitmap.height, bitmap.width * 4);
    std::string bytes;
    cairo_status_t status = cairo_surface_write_to_png_stream(surface, AppendToString, &bytes);
    cairo_surface_destroy(surface);
    if (status != CAIRO_STATUS_SUCCESS) return false;
    try {
        WriteFileAtomically(path, bytes);
    } catch (const FileError&) {
        return false;
    }
    return true;
}

}  // namespace platform::draw

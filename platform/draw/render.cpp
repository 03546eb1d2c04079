#include "platform/draw/render.h"

#include <cairo.h>

#include <cstring>

#include "platform/draw/cairo_dc.h"
#include "platform/file_io.h"

namespace platform::draw {

ui::Bitmap RenderBitmap(ui::Size size, const std::function<void(ui::DC&)>& paint, double dpi,
                        bool transparent) {
    ui::Bitmap bitmap;
    if (size.cx <= 0 || size.cy <= 0) return bitmap;
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size.cx, size.cy);
    cairo_t* cr = cairo_create(surface);
    if (!transparent) {
        cairo_set_source_rgb(cr, 1.0, 1.0, 1.0);
        cairo_paint(cr);
    }
    {
        CairoDC dc(cr, dpi, false, size);
        if (paint) paint(dc);
    }
    cairo_destroy(cr);
    cairo_surface_flush(surface);

    bitmap.width = size.cx;
    bitmap.height = size.cy;
    bitmap.pixels.resize(static_cast<size_t>(size.cx) * static_cast<size_t>(size.cy));
    const unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < size.cy; ++y) {
        std::memcpy(&bitmap.pixels[static_cast<size_t>(y) * static_cast<size_t>(size.cx)],
                    data + static_cast<ptrdiff_t>(y) * stride, static_cast<size_t>(size.cx) * 4);
    }
    cairo_surface_destroy(surface);
    return bitmap;
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

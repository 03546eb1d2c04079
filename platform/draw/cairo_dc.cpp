#include "platform/draw/cairo_dc.h"

#include <cairo.h>

#include <cmath>
#include <numbers>

#include "platform/text_encoding.h"

namespace platform::draw {

namespace {

/// Pixels per inch the dash patterns are drawn for; other devices scale them.
constexpr double kScreenDpi = 96.0;
/// The lower-case letters whose mean advance is the average character width.
constexpr const char* kAverageSample = "abcdefghijklmnopqrstuvwxyz";

}  // namespace

CairoDC::CairoDC(cairo_t* cr, double dpi, bool printing, ui::Size deviceSize)
    : DC(dpi, dpi, printing, deviceSize), m_cr(cr) {
    cairo_save(m_cr);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_set_font_options(m_cr, options);
    cairo_font_options_destroy(options);
    cairo_set_fill_rule(m_cr, CAIRO_FILL_RULE_EVEN_ODD);
    // The state every clip starts from: the context's own clip (a window's area), never more.
    cairo_save(m_cr);
}

CairoDC::~CairoDC() {
    cairo_restore(m_cr);
    cairo_restore(m_cr);
}

OwnedCairoContext::OwnedCairoContext(double userScale)
    : m_ownSurface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1, 1)),
      m_ownCr(cairo_create(m_ownSurface)) {
    cairo_scale(m_ownCr, userScale, userScale);
}

OwnedCairoContext::~OwnedCairoContext() {
    cairo_destroy(m_ownCr);
    cairo_surface_destroy(m_ownSurface);
}

void CairoDC::SetColour(ui::Colour c) const {
    cairo_set_source_rgb(m_cr, c.r / 255.0, c.g / 255.0, c.b / 255.0);
}

void CairoDC::Stroke(const DevPen& pen) {
    SetColour(pen.colour);
    cairo_set_line_width(m_cr, pen.width);
    cairo_set_line_cap(m_cr, CAIRO_LINE_CAP_BUTT);
    cairo_set_line_join(m_cr, CAIRO_LINE_JOIN_MITER);
    const double k = DpiX() / kScreenDpi * pen.width;
    switch (pen.style) {
        case ui::PenStyle::Dash: {
            const double d[] = {6 * k, 2 * k};
            cairo_set_dash(m_cr, d, 2, 0);
            break;
        }
        case ui::PenStyle::Dot: {
            const double d[] = {1 * k, 1 * k};
            cairo_set_dash(m_cr, d, 2, 0);
            break;
        }
        case ui::PenStyle::DashDot: {
            const double d[] = {6 * k, 2 * k, 1 * k, 2 * k};
            cairo_set_dash(m_cr, d, 4, 0);
            break;
        }
        default:
            cairo_set_dash(m_cr, nullptr, 0, 0);
            break;
    }
    cairo_stroke(m_cr);
    cairo_set_dash(m_cr, nullptr, 0, 0);
}

void CairoDC::DevPolyline(const std::vector<ui::PointD>& points, const DevPen& pen) {
    // Lines of an odd width sit on pixel centres, as the screen draws them.
    const double o = std::fmod(pen.width, 2.0) == 1.0 ? 0.5 : 0.0;
    cairo_new_path(m_cr);
    cairo_move_to(m_cr, points[0].x + o, points[0].y + o);
    for (size_t i = 1; i < points.size(); ++i)
        cairo_line_to(m_cr, points[i].x + o, points[i].y + o);
    Stroke(pen);
}

void CairoDC::DevPolygon(const std::vector<ui::PointD>& points, const DevPen* pen,
                         const ui::Colour* fill) {
    const double o = pen && std::fmod(pen->width, 2.0) == 1.0 ? 0.5 : 0.0;
    cairo_new_path(m_cr);
    cairo_move_to(m_cr, points[0].x + o, points[0].y + o);
    for (size_t i = 1; i < points.size(); ++i)
        cairo_line_to(m_cr, points[i].x + o, points[i].y + o);
    cairo_close_path(m_cr);
    if (fill) {
        SetColour(*fill);
        if (pen) {
            cairo_fill_preserve(m_cr);
        } else {
            cairo_fill(m_cr);
        }
    }
    if (pen) Stroke(*pen);
    cairo_new_path(m_cr);
}

void CairoDC::DevRectangle(const DevRect& r, const DevPen* pen, const ui::Colour* fill) {
    // The outline lies inside the rectangle, whose right and bottom edges are outside it.
    cairo_new_path(m_cr);
    if (fill) {
        SetColour(*fill);
        cairo_rectangle(m_cr, r.left, r.top, r.right - r.left, r.bottom - r.top);
        cairo_fill(m_cr);
    }
    if (pen) {
        const double h = pen->width / 2.0;
        const double w = r.right - r.left - pen->width;
        const double ht = r.bottom - r.top - pen->width;
        if (w >= 0 && ht >= 0) {
            cairo_rectangle(m_cr, r.left + h, r.top + h, w, ht);
            Stroke(*pen);
        }
    }
}

void CairoDC::DevEllipse(const DevRect& r, const DevPen* pen, const ui::Colour* fill) {
    const double inset = pen ? pen->width / 2.0 : 0.0;
    const double rx = (r.right - r.left) / 2.0 - inset;
    const double ry = (r.bottom - r.top) / 2.0 - inset;
    if (rx <= 0 || ry <= 0) return;
    cairo_new_path(m_cr);
    cairo_save(m_cr);
    cairo_translate(m_cr, (r.left + r.right) / 2.0, (r.top + r.bottom) / 2.0);
    cairo_scale(m_cr, rx, ry);
    cairo_arc(m_cr, 0.0, 0.0, 1.0, 0.0, 2.0 * M_PI);
    cairo_restore(m_cr);
    if (fill) {
        SetColour(*fill);
        if (pen) {
            cairo_fill_preserve(m_cr);
        } else {
            cairo_fill(m_cr);
        }
    }
    if (pen) Stroke(*pen);
    cairo_new_path(m_cr);
}

void CairoDC::SetFont(const DevFont& font) const {
    cairo_select_font_face(m_cr, font.family.c_str(),
                           font.italic ? CAIRO_FONT_SLANT_ITALIC : CAIRO_FONT_SLANT_NORMAL,
                           font.bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(m_cr, font.size > 0.0 ? font.size : 1.0);
}

void CairoDC::DevText(ui::PointD origin, const std::string& text, const DevFont& font,
                      ui::Colour colour, const ui::Colour* background, const DevRect& cell) {
    // A turned font turns the whole run about its baseline origin. Device y runs down, so an
    // angle counter-clockwise on the device is a negative cairo rotation.
    const bool turned = font.angle != 0.0;
    if (turned) {
        cairo_save(m_cr);
        cairo_translate(m_cr, origin.x, origin.y);
        cairo_rotate(m_cr, -font.angle * std::numbers::pi / 180.0);
        cairo_translate(m_cr, -origin.x, -origin.y);
    }
    if (background) {
        SetColour(*background);
        cairo_rectangle(m_cr, cell.left, cell.top, cell.right - cell.left, cell.bottom - cell.top);
        cairo_fill(m_cr);
    }
    SetFont(font);
    SetColour(colour);
    const std::string utf8 = platform::Cp1252ToUtf8(text);
    cairo_move_to(m_cr, origin.x, origin.y);
    cairo_show_text(m_cr, utf8.c_str());
    cairo_new_path(m_cr);
    if (font.underline) {
        const double width = font.size / 15.0 < 1.0 ? 1.0 : font.size / 15.0;
        cairo_set_line_width(m_cr, width);
        cairo_move_to(m_cr, cell.left, origin.y + 2.0 * width);
        cairo_line_to(m_cr, cell.right, origin.y + 2.0 * width);
        cairo_stroke(m_cr);
    }
    if (turned) cairo_restore(m_cr);
}

double CairoDC::DevTextWidth(const std::string& text, const DevFont& font) const {
    SetFont(font);
    const std::string utf8 = platform::Cp1252ToUtf8(text);
    cairo_text_extents_t e;
    cairo_text_extents(m_cr, utf8.c_str(), &e);
    return e.x_advance;
}

CairoDC::DevFontMetrics CairoDC::DevMetrics(const DevFont& font) const {
    SetFont(font);
    cairo_font_extents_t fe;
    cairo_font_extents(m_cr, &fe);
    cairo_text_extents_t te;
    cairo_text_extents(m_cr, kAverageSample, &te);
    DevFontMetrics m;
    m.ascent = fe.ascent;
    m.descent = fe.descent;
    m.externalLeading =
        fe.height > fe.ascent + fe.descent ? fe.height - fe.ascent - fe.descent : 0.0;
    m.aveCharWidth = te.x_advance / 26.0;
    m.maxCharWidth = fe.max_x_advance;
    return m;
}

void CairoDC::DevClip(const DevRect* clip) {
    cairo_restore(m_cr);
    cairo_save(m_cr);
    if (clip) {
        cairo_new_path(m_cr);
        cairo_rectangle(m_cr, clip->left, clip->top, clip->right - clip->left,
                        clip->bottom - clip->top);
        cairo_clip(m_cr);
    }
}

void CairoDC::DevBitmap(const ui::Bitmap& bitmap, ui::PointD topLeft) {
    if (!bitmap.HasPixels()) return;
    cairo_surface_t* image = cairo_image_surface_create_for_data(
        reinterpret_cast<unsigned char*>(const_cast<std::uint32_t*>(bitmap.pixels.data())),
        CAIRO_FORMAT_ARGB32, bitmap.width, bitmap.height, bitmap.width * 4);
    cairo_save(m_cr);
    cairo_set_source_surface(m_cr, image, topLeft.x, topLeft.y);
    cairo_rectangle(m_cr, topLeft.x, topLeft.y, bitmap.width, bitmap.height);
    cairo_fill(m_cr);
    cairo_restore(m_cr);
    cairo_surface_destroy(image);
}

}  // namespace platform::draw

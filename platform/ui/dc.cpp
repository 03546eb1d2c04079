#include "platform/ui/dc.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>

namespace platform::ui {

namespace {

/// Logical units per inch of MapMode::LoEnglish.
constexpr double kLoEnglishUnitsPerInch = 100.0;
/// Points per inch, for the default font size.
constexpr double kPointsPerInch = 72.0;
/// The size of a font of height 0, in points.
constexpr double kDefaultFontPoints = 10.0;
/// Default tab stops: every this many average character widths.
constexpr int kDefaultTabChars = 8;

std::string TabsAsBlanks(std::string text) {
    std::replace(text.begin(), text.end(), '\t', ' ');
    return text;
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::string line;
    for (char c : text) {
        if (c == '\r') continue;
        if (c == '\n') {
            lines.push_back(line);
            line.clear();
        } else {
            line += c;
        }
    }
    lines.push_back(line);
    return lines;
}

}  // namespace

std::string MapFontFace(const std::string& face) {
    struct Alias {
        const char* face;
        const char* family;
    };
    static const Alias kAliases[] = {
        {"Arial", "Liberation Sans"},          {"Helvetica", "Liberation Sans"},
        {"MS Sans Serif", "Liberation Sans"},  {"MS Shell Dlg", "Liberation Sans"},
        {"MS Shell Dlg 2", "Liberation Sans"}, {"Microsoft Sans Serif", "Liberation Sans"},
        {"Courier New", "Liberation Mono"},    {"Courier", "Liberation Mono"},
        {"Lucida Console", "Liberation Mono"}, {"Times New Roman", "Liberation Serif"},
    };
    for (const Alias& a : kAliases) {
        if (face == a.face) return a.family;
    }
    return face.empty() ? std::string("Liberation Sans") : face;
}

DC::DC(double dpiX, double dpiY, bool printing, Size deviceSize)
    : m_dpiX(dpiX), m_dpiY(dpiY), m_printing(printing), m_deviceSize(deviceSize) {
    if (!(dpiX > 0.0) || !(dpiY > 0.0)) throw std::invalid_argument("device resolution");
}

// ---- Mapping ------------------------------------------------------------------------------

double DC::ScaleX() const {
    switch (m_state.mapMode) {
        case MapMode::LoEnglish:
            return m_dpiX / kLoEnglishUnitsPerInch * m_state.zoom;
        case MapMode::Anisotropic:
            return static_cast<double>(m_state.viewportExt.cx) / m_state.windowExt.cx;
        case MapMode::Text:
            break;
    }
    return 1.0;
}

double DC::ScaleY() const {
    switch (m_state.mapMode) {
        case MapMode::LoEnglish:
            return -m_dpiY / kLoEnglishUnitsPerInch * m_state.zoom;
        case MapMode::Anisotropic:
            return static_cast<double>(m_state.viewportExt.cy) / m_state.windowExt.cy;
        case MapMode::Text:
            break;
    }
    return 1.0;
}

double DC::SetZoom(double zoom) {
    const double old = m_state.zoom;
    if (zoom > 0.0) m_state.zoom = zoom;
    return old;
}

Size DC::SetWindowExt(Size extent) {
    const Size old = m_state.windowExt;
    if (extent.cx != 0 && extent.cy != 0) m_state.windowExt = extent;
    return old;
}

Size DC::SetViewportExt(Size extent) {
    const Size old = m_state.viewportExt;
    if (extent.cx != 0 && extent.cy != 0) m_state.viewportExt = extent;
    return old;
}

MapMode DC::SetMapMode(MapMode mode) {
    MapMode old = m_state.mapMode;
    m_state.mapMode = mode;
    return old;
}

Point DC::SetWindowOrg(Point org) {
    Point old = m_state.windowOrg;
    m_state.windowOrg = org;
    return old;
}

Point DC::SetViewportOrg(Point org) {
    Point old = m_state.viewportOrg;
    m_state.viewportOrg = org;
    return old;
}

PointD DC::ToDevice(Point p) const {
    const State& s = m_state;
    return {std::round((p.x - s.windowOrg.x) * ScaleX() + s.viewportOrg.x),
            std::round((p.y - s.windowOrg.y) * ScaleY() + s.viewportOrg.y)};
}

Point DC::LPtoDP(Point p) const {
    PointD d = ToDevice(p);
    return {static_cast<int>(d.x), static_cast<int>(d.y)};
}

Point DC::DPtoLP(Point p) const {
    const State& s = m_state;
    return {static_cast<int>(std::lround((p.x - s.viewportOrg.x) / ScaleX() + s.windowOrg.x)),
            static_cast<int>(std::lround((p.y - s.viewportOrg.y) / ScaleY() + s.windowOrg.y))};
}

Rect DC::LPtoDP(const Rect& r) const {
    Point a = LPtoDP(Point{r.left, r.top});
    Point b = LPtoDP(Point{r.right, r.bottom});
    return {a.x, a.y, b.x, b.y};
}

Rect DC::DPtoLP(const Rect& r) const {
    Point a = DPtoLP(Point{r.left, r.top});
    Point b = DPtoLP(Point{r.right, r.bottom});
    return {a.x, a.y, b.x, b.y};
}

Size DC::LPtoDP(Size s) const {
    return {static_cast<int>(std::lround(std::abs(s.cx * ScaleX()))),
            static_cast<int>(std::lround(std::abs(s.cy * ScaleY())))};
}

Size DC::DPtoLP(Size s) const {
    return {static_cast<int>(std::lround(std::abs(s.cx / ScaleX()))),
            static_cast<int>(std::lround(std::abs(s.cy / ScaleY())))};
}

DC::DevRect DC::ToDeviceRect(const Rect& r) const {
    PointD a = ToDevice(Point{r.left, r.top});
    PointD b = ToDevice(Point{r.right, r.bottom});
    return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

// ---- Objects and attributes ---------------------------------------------------------------

Pen DC::SelectPen(const Pen& pen) {
    Pen old = m_state.pen;
    m_state.pen = pen;
    return old;
}

Brush DC::SelectBrush(const Brush& brush) {
    Brush old = m_state.brush;
    m_state.brush = brush;
    return old;
}

Font DC::SelectFont(const Font& font) {
    Font old = m_state.font;
    m_state.font = font;
    return old;
}

Colour DC::SetTextColour(Colour c) {
    Colour old = m_state.textColour;
    m_state.textColour = c;
    return old;
}

Colour DC::SetBkColour(Colour c) {
    Colour old = m_state.bkColour;
    m_state.bkColour = c;
    return old;
}

BkMode DC::SetBkMode(BkMode mode) {
    BkMode old = m_state.bkMode;
    m_state.bkMode = mode;
    return old;
}

unsigned DC::SetTextAlign(unsigned align) {
    unsigned old = m_state.textAlign;
    m_state.textAlign = align;
    return old;
}

int DC::SaveDC() {
    m_saved.push_back(m_state);
    return static_cast<int>(m_saved.size());
}

void DC::RestoreDC(int level) {
    if (m_saved.empty()) return;
    if (level < 0) level = static_cast<int>(m_saved.size());
    if (level < 1 || level > static_cast<int>(m_saved.size())) return;
    m_state = m_saved[static_cast<size_t>(level - 1)];
    m_saved.resize(static_cast<size_t>(level - 1));
    ApplyClip();
}

std::optional<DC::DevPen> DC::CurrentDevPen() const {
    const Pen& pen = m_state.pen;
    if (pen.style == PenStyle::Null) return std::nullopt;
    DevPen d;
    d.style = pen.style;
    d.colour = pen.colour;
    d.width = pen.width <= 0 ? 1.0 : std::max(1.0, std::round(pen.width * std::abs(ScaleX())));
    return d;
}

DC::DevFont DC::CurrentDevFont() const {
    const Font& f = m_state.font;
    DevFont d;
    d.family = MapFontFace(f.face);
    d.bold = f.weight >= 600;
    d.italic = f.italic;
    d.underline = f.underline;
    if (f.height == 0) {
        d.size = kDefaultFontPoints * m_dpiY / kPointsPerInch;
    } else if (f.height < 0) {
        d.size = -f.height * std::abs(ScaleY());
    } else {
        // A cell height: the em size is the cell over the font's (ascent + descent) per em.
        DevFont unit = d;
        unit.size = 100.0;
        DevFontMetrics m = DevMetrics(unit);
        double cellPerEm = (m.ascent + m.descent) / 100.0;
        d.size = f.height * std::abs(ScaleY()) / (cellPerEm > 0.0 ? cellPerEm : 1.0);
    }
    return d;
}

// ---- Lines and shapes ---------------------------------------------------------------------

Point DC::MoveTo(Point p) {
    Point old = m_state.position;
    m_state.position = p;
    return old;
}

void DC::LineTo(Point p) {
    if (auto pen = CurrentDevPen()) DevPolyline({ToDevice(m_state.position), ToDevice(p)}, *pen);
    m_state.position = p;
}

void DC::Polyline(const std::vector<Point>& points) {
    if (points.size() < 2) return;
    auto pen = CurrentDevPen();
    if (!pen) return;
    std::vector<PointD> dev;
    dev.reserve(points.size());
    for (Point p : points) dev.push_back(ToDevice(p));
    DevPolyline(dev, *pen);
}

void DC::Rectangle(const Rect& r) {
    auto pen = CurrentDevPen();
    const Colour* fill = m_state.brush.style == BrushStyle::Solid ? &m_state.brush.colour : nullptr;
    DevRectangle(ToDeviceRect(r), pen ? &*pen : nullptr, fill);
}

void DC::Ellipse(const Rect& r) {
    auto pen = CurrentDevPen();
    const Colour* fill = m_state.brush.style == BrushStyle::Solid ? &m_state.brush.colour : nullptr;
    DevEllipse(ToDeviceRect(r), pen ? &*pen : nullptr, fill);
}

void DC::Polygon(const std::vector<Point>& points) {
    if (points.size() < 2) return;
    std::vector<PointD> dev;
    dev.reserve(points.size());
    for (Point p : points) dev.push_back(ToDevice(p));
    auto pen = CurrentDevPen();
    const Colour* fill = m_state.brush.style == BrushStyle::Solid ? &m_state.brush.colour : nullptr;
    DevPolygon(dev, pen ? &*pen : nullptr, fill);
}

void DC::FillSolidRect(const Rect& r, Colour colour) {
    DevRectangle(ToDeviceRect(r), nullptr, &colour);
}

// ---- Text ---------------------------------------------------------------------------------

double DC::RunWidth(const std::string& text, const DevFont& font) const {
    return text.empty() ? 0.0 : DevTextWidth(TabsAsBlanks(text), font);
}

void DC::DrawRun(PointD topLeft, const std::string& text, const DevFont& font,
                 const DevFontMetrics& metrics) {
    DrawRunOnBaseline({topLeft.x, topLeft.y + metrics.ascent}, text, font, metrics);
}

void DC::DrawRunOnBaseline(PointD origin, const std::string& text, const DevFont& font,
                           const DevFontMetrics& metrics) {
    if (text.empty()) return;
    const double width = RunWidth(text, font);
    // The cell as it lies before the font angle turns it about the origin.
    DevRect cell{origin.x, origin.y - metrics.ascent, origin.x + width, origin.y + metrics.descent};
    const Colour* background = m_state.bkMode == BkMode::Opaque ? &m_state.bkColour : nullptr;
    DevText(origin, TabsAsBlanks(text), font, m_state.textColour, background, cell);
}

void DC::TextOut(Point p, const std::string& text) {
    DevFont font = CurrentDevFont();
    const DevFontMetrics m = DevMetrics(font);
    const PointD d = ToDevice(p);
    const double width = RunWidth(text, font);
    const unsigned align = m_state.textAlign;
    // Where the baseline starts, from the reference point: `along` the baseline and `down`
    // across it toward the bottom of the letters, as for text that is not turned (y down).
    double along = 0.0;
    if ((align & kAlignCenter) == kAlignCenter) {
        along = -width / 2.0;
    } else if (align & kAlignRight) {
        along = -width;
    }
    double down = m.ascent;
    if ((align & kAlignBaseline) == kAlignBaseline) {
        down = 0.0;
    } else if (align & kAlignBottom) {
        down = -m.descent;
    }
    // The escapement turns that offset, and the text, counter-clockwise on the device: the
    // baseline direction (1, 0) becomes (cos a, -sin a) with y down, the downward (0, 1)
    // becomes (sin a, cos a). Quarter turns are exact so that turned text keeps whole pixels.
    const int escapement = m_state.font.escapement;
    const int tenths = ((escapement % 3600) + 3600) % 3600;
    double c = std::cos(tenths * std::numbers::pi / 1800.0);
    double s = std::sin(tenths * std::numbers::pi / 1800.0);
    if (tenths % 900 == 0) {
        c = std::round(c);
        s = std::round(s);
    }
    font.angle = escapement / 10.0;
    const PointD origin{d.x + along * c + down * s, d.y - along * s + down * c};
    DrawRunOnBaseline(origin, text, font, m);
}

std::vector<double> DC::TabbedPositions(const std::string& text, const std::vector<int>& tabStops,
                                        int tabOrigin, double startX,
                                        std::vector<std::string>& pieces) const {
    const DevFont font = CurrentDevFont();
    const DevFontMetrics m = DevMetrics(font);
    pieces.clear();
    std::string piece;
    for (char c : text) {
        if (c == '\t') {
            pieces.push_back(piece);
            piece.clear();
        } else {
            piece += c;
        }
    }
    pieces.push_back(piece);

    // Tab stops in device x.
    const double originX = ToDevice(Point{tabOrigin, 0}).x;
    auto stopAfter = [&](double x) {
        if (tabStops.size() > 1) {
            for (int stop : tabStops) {
                double sx = ToDevice(Point{tabOrigin + stop, 0}).x;
                if (sx > x) return sx;
            }
        }
        double step = tabStops.size() == 1 ? std::abs(tabStops[0] * ScaleX())
                                           : kDefaultTabChars * m.aveCharWidth;
        if (step < 1.0) step = 1.0;
        double k = std::floor((x - originX) / step) + 1.0;
        return originX + k * step;
    };

    std::vector<double> xs;
    double x = startX;
    for (size_t i = 0; i < pieces.size(); ++i) {
        if (i > 0) x = stopAfter(x);
        xs.push_back(x);
        x += RunWidth(pieces[i], font);
    }
    xs.push_back(x);  // the end of the text
    return xs;
}

Size DC::TabbedTextOut(Point p, const std::string& text, const std::vector<int>& tabStops,
                       int tabOrigin) {
    const DevFont font = CurrentDevFont();
    const DevFontMetrics m = DevMetrics(font);
    PointD d = ToDevice(p);
    std::vector<std::string> pieces;
    std::vector<double> xs = TabbedPositions(text, tabStops, tabOrigin, d.x, pieces);
    const unsigned align = m_state.textAlign;
    double top = d.y;
    if ((align & kAlignBaseline) == kAlignBaseline) {
        top -= m.ascent;
    } else if (align & kAlignBottom) {
        top -= m.ascent + m.descent;
    }
    for (size_t i = 0; i < pieces.size(); ++i) DrawRun({xs[i], top}, pieces[i], font, m);
    return DPtoLP(Size{static_cast<int>(std::lround(xs.back() - d.x)),
                       static_cast<int>(std::lround(m.ascent + m.descent))});
}

Size DC::GetTextExtent(const std::string& text) const {
    const DevFont font = CurrentDevFont();
    const DevFontMetrics m = DevMetrics(font);
    return DPtoLP(Size{static_cast<int>(std::lround(RunWidth(text, font))),
                       static_cast<int>(std::lround(m.ascent + m.descent))});
}

Size DC::GetTabbedTextExtent(const std::string& text, const std::vector<int>& tabStops) const {
    const DevFont font = CurrentDevFont();
    const DevFontMetrics m = DevMetrics(font);
    std::vector<std::string> pieces;
    const double startX = ToDevice(Point{0, 0}).x;
    std::vector<double> xs = TabbedPositions(text, tabStops, 0, startX, pieces);
    return DPtoLP(Size{static_cast<int>(std::lround(xs.back() - startX)),
                       static_cast<int>(std::lround(m.ascent + m.descent))});
}

TextMetrics DC::GetTextMetrics() const {
    const DevFont font = CurrentDevFont();
    const DevFontMetrics m = DevMetrics(font);
    auto toLogicalY = [&](double v) {
        return static_cast<int>(std::lround(v / std::abs(ScaleY())));
    };
    auto toLogicalX = [&](double v) {
        return static_cast<int>(std::lround(v / std::abs(ScaleX())));
    };
    TextMetrics t;
    t.ascent = toLogicalY(m.ascent);
    t.descent = toLogicalY(m.descent);
    t.height = toLogicalY(m.ascent + m.descent);
    t.internalLeading = std::max(0, toLogicalY(m.ascent + m.descent - font.size));
    t.externalLeading = toLogicalY(m.externalLeading);
    t.aveCharWidth = toLogicalX(m.aveCharWidth);
    t.maxCharWidth = toLogicalX(m.maxCharWidth);
    return t;
}

int DC::DrawText(const std::string& text, Rect& r, unsigned format) {
    const DevFont font = CurrentDevFont();
    const DevFontMetrics m = DevMetrics(font);
    const double lineHeight = m.ascent + m.descent;
    std::vector<std::string> lines;
    if (format & kDtSingleLine) {
        std::string one;
        for (char c : text) {
            if (c != '\n' && c != '\r') one += c;
        }
        lines.push_back(one);
    } else {
        lines = SplitLines(text);
    }

    std::vector<std::vector<std::string>> pieces(lines.size());
    std::vector<std::vector<double>> xs(lines.size());
    double widest = 0.0;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (format & kDtExpandTabs) {
            xs[i] = TabbedPositions(lines[i], {}, 0, 0.0, pieces[i]);
        } else {
            pieces[i] = {lines[i]};
            xs[i] = {0.0, RunWidth(lines[i], font)};
        }
        widest = std::max(widest, xs[i].back());
    }
    const double totalHeight = lineHeight * static_cast<double>(lines.size());
    const int logicalHeight = static_cast<int>(std::lround(totalHeight / std::abs(ScaleY())));

    if (format & kDtCalcRect) {
        const int w = static_cast<int>(std::lround(widest / std::abs(ScaleX())));
        r.right = r.left + w;
        r.bottom = r.top + (ScaleY() < 0 ? -logicalHeight : logicalHeight);
        return logicalHeight;
    }

    const DevRect box = ToDeviceRect(r);
    double top = box.top;
    if (format & kDtSingleLine) {
        if (format & kDtVCenter) {
            top = box.top + (box.bottom - box.top - lineHeight) / 2.0;
        } else if (format & kDtBottom) {
            top = box.bottom - lineHeight;
        }
    }
    const bool clip = !(format & kDtNoClip);
    if (clip) {
        SaveDC();
        IntersectClipRect(r);
    }
    for (size_t i = 0; i < lines.size(); ++i) {
        const double width = xs[i].back();
        double left = box.left;
        if (format & kDtCenter) {
            left = box.left + (box.right - box.left - width) / 2.0;
        } else if (format & kDtRight) {
            left = box.right - width;
        }
        if ((format & kDtEndEllipsis) && pieces[i].size() == 1 && width > box.right - box.left) {
            DrawRun({box.left, top}, WithEndEllipsis(pieces[i][0], box.right - box.left, font),
                    font, m);
        } else {
            for (size_t k = 0; k < pieces[i].size(); ++k) {
                DrawRun({left + xs[i][k], top}, pieces[i][k], font, m);
            }
        }
        top += lineHeight;
    }
    if (clip) RestoreDC();
    return logicalHeight;
}

std::string DC::WithEndEllipsis(const std::string& text, double width, const DevFont& font) const {
    static const std::string kEllipsis = "...";
    // The longest start of the text that fits with the ellipsis after it.
    size_t fits = 0;
    size_t low = 1;
    size_t high = text.size();
    while (low <= high) {
        const size_t mid = (low + high) / 2;
        if (RunWidth(text.substr(0, mid) + kEllipsis, font) <= width) {
            fits = mid;
            low = mid + 1;
        } else {
            high = mid - 1;
        }
    }
    return text.substr(0, fits) + kEllipsis;
}

// ---- Clipping -----------------------------------------------------------------------------

void DC::ApplyClip() {
    if (m_state.clip) {
        DevClip(&*m_state.clip);
    } else {
        DevClip(nullptr);
    }
}

void DC::IntersectClipRect(const Rect& r) {
    DevRect d = ToDeviceRect(r);
    DevRect current = m_state.clip.value_or(DevRect{0.0, 0.0, static_cast<double>(m_deviceSize.cx),
                                                    static_cast<double>(m_deviceSize.cy)});
    DevRect n{std::max(d.left, current.left), std::max(d.top, current.top),
              std::min(d.right, current.right), std::min(d.bottom, current.bottom)};
    if (n.right < n.left) n.right = n.left;
    if (n.bottom < n.top) n.bottom = n.top;
    m_state.clip = n;
    ApplyClip();
}

void DC::RemoveClip() {
    m_state.clip.reset();
    ApplyClip();
}

Rect DC::GetClipBox() const {
    DevRect c = m_state.clip.value_or(DevRect{0.0, 0.0, static_cast<double>(m_deviceSize.cx),
                                              static_cast<double>(m_deviceSize.cy)});
    Rect device{static_cast<int>(c.left), static_cast<int>(c.top), static_cast<int>(c.right),
                static_cast<int>(c.bottom)};
    return DPtoLP(device);
}

// ---- Bitmaps ------------------------------------------------------------------------------

void DC::DrawBitmap(const Bitmap& bitmap, Point p) {
    if (bitmap.IsNull()) return;
    DevBitmap(bitmap, ToDevice(p));
}

}  // namespace platform::ui

// The device context: the one drawing surface of the program. Screen painting, printing, PDF
// and PNG output and the recording used by tests all draw through it, so a view has a single
// drawing path.
//
// Coordinates given to the drawing calls are logical units of the current mapping mode:
// MapMode::Text is one device pixel per unit with y down; MapMode::LoEnglish is 0.01 inch per
// unit with y up, so content below the origin has negative y. A logical point maps to the device
// as (p - window origin) x scale + viewport origin, rounded to the nearest device pixel; callers
// that compute doubles make them logical units with ToLogical (truncation toward zero).
//
// The base class keeps the state (mapping, selected pen, brush and font, colours, alignment,
// current position, clip) and turns every call into a few device primitives that a backend
// implements: cairo on the screen, into PDF and into PNG, and a recording for tests.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/ui/bitmap.h"
#include "platform/ui/geometry.h"

namespace platform::ui {

enum class MapMode {
    Text,       ///< one unit per device pixel, y down
    LoEnglish,  ///< 0.01 inch per unit, y up
    /// The window extent (logical units) maps onto the viewport extent (device pixels), each
    /// axis on its own; y down unless an extent is negative.
    Anisotropic,
};

enum class PenStyle { Solid, Dash, Dot, DashDot, Null };

/// A pen. Width in logical units; 0 draws one device pixel wide whatever the mapping.
struct Pen {
    PenStyle style = PenStyle::Solid;
    int width = 0;
    Colour colour = kBlack;
    friend bool operator==(const Pen&, const Pen&) = default;
};

enum class BrushStyle { Solid, Null };

struct Brush {
    BrushStyle style = BrushStyle::Solid;
    Colour colour = kWhite;
    friend bool operator==(const Brush&, const Brush&) = default;
};

inline constexpr int kFontWeightNormal = 400;
inline constexpr int kFontWeightBold = 700;

/// A font by face, height and weight. Height in logical units: negative is the character height
/// (the em size), positive the cell height (ascent plus descent), 0 the default size.
/// The escapement turns the baseline of TextOut (see there); the other text calls ignore it.
struct Font {
    std::string face = "Arial";
    int height = 0;
    int weight = kFontWeightNormal;
    bool italic = false;
    bool underline = false;
    /// Angle of the baseline in tenths of a degree, counter-clockwise as seen on the page or
    /// screen whatever the mapping: 900 reads from bottom to top, -900 from top to bottom with
    /// the tops of the letters facing right.
    int escapement = 0;
    friend bool operator==(const Font&, const Font&) = default;
};

/// Font metrics in logical units (all positive, whatever the direction of y).
struct TextMetrics {
    int height = 0;  ///< ascent + descent
    int ascent = 0;
    int descent = 0;
    int internalLeading = 0;  ///< height less the character height
    int externalLeading = 0;  ///< extra space the font asks for between lines
    int aveCharWidth = 0;     ///< average width of the lower-case letters
    int maxCharWidth = 0;
};

enum class BkMode { Transparent, Opaque };

/// Text alignment of TextOut: one horizontal and one vertical flag.
enum TextAlign : unsigned {
    kAlignLeft = 0,
    kAlignRight = 2,
    kAlignCenter = 6,
    kAlignTop = 0,
    kAlignBottom = 8,
    kAlignBaseline = 24,
};

/// Format flags of DrawText.
enum DrawTextFormat : unsigned {
    kDtLeft = 0,
    kDtCenter = 1,
    kDtRight = 2,
    kDtVCenter = 4,
    kDtBottom = 8,
    kDtWordBreak = 0x10,  ///< lines break at line feeds only: no word wrapping is done
    kDtSingleLine = 0x20,
    kDtExpandTabs = 0x40,
    kDtNoClip = 0x100,
    kDtCalcRect = 0x400,
    kDtNoPrefix = 0x800,      ///< '&' is drawn as it stands (it always is)
    kDtEndEllipsis = 0x8000,  ///< a line wider than the rectangle ends in "..." where it is cut
};

/// A double in logical units made a coordinate: truncation toward zero. A value past the
/// coordinates any device has (or not a number, from a drawing of no size) is held at
/// +-kMaxLogical (0 for not a number), so no conversion overflows.
inline constexpr int kMaxLogical = 1000000000;
inline int ToLogical(double v) {
    if (!(v == v)) return 0;
    if (v >= kMaxLogical) return kMaxLogical;
    if (v <= -kMaxLogical) return -kMaxLogical;
    return static_cast<int>(v);
}

/// The backend's names for the font faces the program asks for: Arial is Liberation Sans,
/// Courier New and Lucida Console are Liberation Mono, Times New Roman is Liberation Serif, the
/// dialog faces are Liberation Sans; any other face is passed on as it stands.
std::string MapFontFace(const std::string& face);

class DC {
  public:
    virtual ~DC() = default;
    DC(const DC&) = delete;
    DC& operator=(const DC&) = delete;

    // ---- The device ---------------------------------------------------------------------
    bool IsPrinting() const { return m_printing; }
    double DpiX() const { return m_dpiX; }
    double DpiY() const { return m_dpiY; }
    /// The drawable area in device pixels (the client area, or the printable page).
    Size DeviceSize() const { return m_deviceSize; }
    /// A printer's page: the unprintable strip at the left and at the top of the sheet, and the
    /// whole sheet, in device pixels. A screen or a picture has no strip, and its sheet is its
    /// drawable area.
    Point PrintingOffset() const { return m_printingOffset; }
    Size PhysicalPageSize() const { return m_physicalPage ? *m_physicalPage : m_deviceSize; }
    void SetPageGeometry(Point printingOffset, Size physicalPage) {
        m_printingOffset = printingOffset;
        m_physicalPage = physicalPage;
    }

    // ---- Mapping ------------------------------------------------------------------------
    MapMode SetMapMode(MapMode mode);
    MapMode GetMapMode() const { return m_state.mapMode; }
    Point SetWindowOrg(Point org);
    Point GetWindowOrg() const { return m_state.windowOrg; }
    Point SetViewportOrg(Point org);
    /// The extents of MapMode::Anisotropic (a 0 extent is refused and keeps the old one).
    Size SetWindowExt(Size extent);
    Size SetViewportExt(Size extent);
    Point GetViewportOrg() const { return m_state.viewportOrg; }
    /// Draws MapMode::LoEnglish at `zoom` times its true size (1, the default, is true size):
    /// printing shrinks a drawing that is larger than the paper. Returns the previous zoom.
    double SetZoom(double zoom);
    double GetZoom() const { return m_state.zoom; }
    Point LPtoDP(Point p) const;
    Point DPtoLP(Point p) const;
    Rect LPtoDP(const Rect& r) const;
    Rect DPtoLP(const Rect& r) const;
    /// A size (no origins) from logical to device units and back, magnitudes only.
    Size LPtoDP(Size s) const;
    Size DPtoLP(Size s) const;

    // ---- Drawing objects and attributes (each Select returns the previous one) ----------
    Pen SelectPen(const Pen& pen);
    Brush SelectBrush(const Brush& brush);
    Font SelectFont(const Font& font);
    const Pen& GetPen() const { return m_state.pen; }
    const Brush& GetBrush() const { return m_state.brush; }
    const Font& GetFont() const { return m_state.font; }
    Colour SetTextColour(Colour c);
    Colour SetBkColour(Colour c);
    BkMode SetBkMode(BkMode mode);
    unsigned SetTextAlign(unsigned align);

    /// Saves the whole state (mapping, objects, attributes, position, clip) on a stack and
    /// returns its level; RestoreDC(level) returns to it, RestoreDC(-1) to the last one.
    int SaveDC();
    void RestoreDC(int level = -1);

    // ---- Lines and shapes -----------------------------------------------------------------
    Point MoveTo(Point p);
    /// A line with the pen from the current position to `p`, which becomes current.
    void LineTo(Point p);
    void Polyline(const std::vector<Point>& points);
    /// Outlined with the pen, filled with the brush; the pen draws inside the device rectangle.
    void Rectangle(const Rect& r);
    void Ellipse(const Rect& r);
    /// A closed polygon filled by the even-odd rule and outlined with the pen.
    void Polygon(const std::vector<Point>& points);
    /// Fills `r` with `colour`, no pen.
    void FillSolidRect(const Rect& r, Colour colour);

    // ---- Text -----------------------------------------------------------------------------
    /// Text in the program's 8-bit encoding (Windows-1252) at `p`, placed by the alignment.
    /// With a font escapement the text turns about `p`: the horizontal flags then place it along
    /// its turned baseline and the vertical ones across it, and an opaque background turns
    /// with it.
    void TextOut(Point p, const std::string& text);
    /// Text with tabs expanded to `tabStops` (logical positions from `tabOrigin`, ascending);
    /// with no stops, every eight average character widths. Returns the extent drawn. The text
    /// runs across whatever the font escapement: only TextOut turns text.
    Size TabbedTextOut(Point p, const std::string& text, const std::vector<int>& tabStops = {},
                       int tabOrigin = 0);
    /// Formatted text in a rectangle (see DrawTextFormat); returns the text height in logical
    /// units. With kDtCalcRect nothing is drawn and `r` receives the extent. The text runs
    /// across, whatever the font escapement.
    int DrawText(const std::string& text, Rect& r, unsigned format);
    /// Width and height of `text` in the selected font, logical units (a tab is a character);
    /// the extent along and across the baseline, whatever the font escapement.
    Size GetTextExtent(const std::string& text) const;
    Size GetTabbedTextExtent(const std::string& text, const std::vector<int>& tabStops = {}) const;
    TextMetrics GetTextMetrics() const;

    // ---- Clipping ------------------------------------------------------------------------
    /// Narrows the clip to the logical rectangle `r`.
    void IntersectClipRect(const Rect& r);
    /// Removes the clip: everything on the device can be drawn.
    void RemoveClip();
    /// The clip in logical units (top-left first in device order); the device area without one.
    Rect GetClipBox() const;

    // ---- Bitmaps --------------------------------------------------------------------------
    /// Copies `bitmap` with its top-left corner at logical `p`, one bitmap pixel per device
    /// pixel (a straight copy).
    void DrawBitmap(const Bitmap& bitmap, Point p);

  protected:
    /// A device pen: width in device pixels, at least 1 for any drawing pen.
    struct DevPen {
        PenStyle style = PenStyle::Solid;
        double width = 1.0;
        Colour colour = kBlack;
    };
    /// A device font: the backend face and the em size in device pixels.
    struct DevFont {
        std::string family;
        double size = 13.0;
        bool bold = false;
        bool italic = false;
        bool underline = false;
        double angle = 0.0;  ///< baseline angle, degrees counter-clockwise on the device
    };
    /// Font metrics in device pixels.
    struct DevFontMetrics {
        double ascent = 0.0;
        double descent = 0.0;
        double externalLeading = 0.0;
        double aveCharWidth = 0.0;
        double maxCharWidth = 0.0;
    };
    /// A device rectangle, normalised (left <= right, top <= bottom).
    struct DevRect {
        double left = 0.0;
        double top = 0.0;
        double right = 0.0;
        double bottom = 0.0;
    };

    DC(double dpiX, double dpiY, bool printing, Size deviceSize);

    // Device primitives of the backend. Coordinates in device pixels, y down.
    virtual void DevPolyline(const std::vector<PointD>& points, const DevPen& pen) = 0;
    virtual void DevPolygon(const std::vector<PointD>& points, const DevPen* pen,
                            const Colour* fill) = 0;
    virtual void DevRectangle(const DevRect& r, const DevPen* pen, const Colour* fill) = 0;
    virtual void DevEllipse(const DevRect& r, const DevPen* pen, const Colour* fill) = 0;
    /// Draws `text` with its baseline starting at `origin`; `background` fills `cell` first.
    /// With a font angle, text, cell and underline are laid out as for angle 0 and then turned
    /// by the angle about `origin`.
    virtual void DevText(PointD origin, const std::string& text, const DevFont& font, Colour colour,
                         const Colour* background, const DevRect& cell) = 0;
    virtual double DevTextWidth(const std::string& text, const DevFont& font) const = 0;
    virtual DevFontMetrics DevMetrics(const DevFont& font) const = 0;
    /// Sets the device clip; nullptr removes it.
    virtual void DevClip(const DevRect* clip) = 0;
    virtual void DevBitmap(const Bitmap& bitmap, PointD topLeft) = 0;

    /// The device pen and font of the current selection (the font at angle 0).
    std::optional<DevPen> CurrentDevPen() const;
    DevFont CurrentDevFont() const;
    PointD ToDevice(Point p) const;

  private:
    struct State {
        MapMode mapMode = MapMode::Text;
        Point windowOrg;
        Point viewportOrg;
        double zoom = 1.0;
        Size windowExt{1, 1};
        Size viewportExt{1, 1};
        Pen pen;
        Brush brush;
        Font font;
        Colour textColour = kBlack;
        Colour bkColour = kWhite;
        BkMode bkMode = BkMode::Opaque;
        unsigned textAlign = kAlignLeft | kAlignTop;
        Point position;
        std::optional<DevRect> clip;
    };

    double ScaleX() const;
    double ScaleY() const;
    DevRect ToDeviceRect(const Rect& r) const;
    void ApplyClip();
    /// Draws one run of text (no tabs) with its top-left at device point `topLeft`.
    void DrawRun(PointD topLeft, const std::string& text, const DevFont& font,
                 const DevFontMetrics& metrics);
    /// Draws one run of text (no tabs) with its baseline starting at device point `origin`,
    /// turned about it by the font angle.
    void DrawRunOnBaseline(PointD origin, const std::string& text, const DevFont& font,
                           const DevFontMetrics& metrics);
    double RunWidth(const std::string& text, const DevFont& font) const;
    /// `text` cut to end in "..." within `width` device pixels.
    std::string WithEndEllipsis(const std::string& text, double width, const DevFont& font) const;
    /// Device x positions of the pieces between tabs.
    std::vector<double> TabbedPositions(const std::string& text, const std::vector<int>& tabStops,
                                        int tabOrigin, double startX,
                                        std::vector<std::string>& pieces) const;

    double m_dpiX;
    double m_dpiY;
    bool m_printing;
    Size m_deviceSize;
    Point m_printingOffset;
    std::optional<Size> m_physicalPage;
    State m_state;
    std::vector<State> m_saved;
};

}  // namespace platform::ui

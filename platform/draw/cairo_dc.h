// The device context drawn by cairo: on a window (the backend hands over its cairo context),
// into a picture (PNG) or onto the pages of a PDF. Text uses the Liberation faces through
// fontconfig with metric hinting off, so the screen, PNG and PDF lay out text alike.
#pragma once

#include "platform/ui/dc.h"

typedef struct _cairo cairo_t;
typedef struct _cairo_surface cairo_surface_t;

namespace platform::draw {

class CairoDC : public ui::DC {
  public:
    /// Draws on `cr` (not owned), whose user space is device pixels from the drawable area's
    /// top-left corner; `dpi` pixels per inch.
    CairoDC(cairo_t* cr, double dpi, bool printing, ui::Size deviceSize);
    ~CairoDC() override;

    cairo_t* Context() const { return m_cr; }

  protected:
    void DevPolyline(const std::vector<ui::PointD>& points, const DevPen& pen) override;
    void DevPolygon(const std::vector<ui::PointD>& points, const DevPen* pen,
                    const ui::Colour* fill) override;
    void DevRectangle(const DevRect& r, const DevPen* pen, const ui::Colour* fill) override;
    void DevEllipse(const DevRect& r, const DevPen* pen, const ui::Colour* fill) override;
    void DevText(ui::PointD origin, const std::string& text, const DevFont& font, ui::Colour colour,
                 const ui::Colour* background, const DevRect& cell) override;
    double DevTextWidth(const std::string& text, const DevFont& font) const override;
    DevFontMetrics DevMetrics(const DevFont& font) const override;
    void DevClip(const DevRect* clip) override;
    void DevBitmap(const ui::Bitmap& bitmap, ui::PointD topLeft) override;

  private:
    void SetFont(const DevFont& font) const;
    void Stroke(const DevPen& pen);
    void SetColour(ui::Colour c) const;

    cairo_t* m_cr;
};

/// A cairo context of its own on a one-pixel picture, for device contexts that only measure.
class OwnedCairoContext {
  public:
    /// User space scaled by `userScale` (a printer's drawing scale, so text measures alike).
    explicit OwnedCairoContext(double userScale);
    ~OwnedCairoContext();
    OwnedCairoContext(const OwnedCairoContext&) = delete;
    OwnedCairoContext& operator=(const OwnedCairoContext&) = delete;

  protected:
    cairo_surface_t* m_ownSurface;
    cairo_t* m_ownCr;
};

/// A device context that measures text as the device of `dpi` does and draws nowhere: the
/// screen's, or a printer's outside its pages.
class MeasureCairoDC : private OwnedCairoContext, public CairoDC {
  public:
    MeasureCairoDC(double dpi, bool printing, ui::Size deviceSize, double userScale = 1.0)
        : OwnedCairoContext(userScale), CairoDC(m_ownCr, dpi, printing, deviceSize) {}
};

}  // namespace platform::draw

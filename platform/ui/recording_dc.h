// A device context that draws nothing and records every device primitive, for tests. Its text
// metrics are fixed and simple: every character advances 0.6 em, the ascent is 0.8 em and the
// descent 0.2 em, so expected positions can be worked out by hand. At its default 100 pixels
// per inch one MapMode::LoEnglish unit is one device pixel, with y flipped.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/dc.h"

namespace platform::ui {

class RecordingDC : public DC {
  public:
    enum class OpKind { Polyline, Polygon, Rectangle, Ellipse, Text, Clip, Bitmap };

    /// One recorded primitive, in device pixels.
    struct Op {
        OpKind kind = OpKind::Polyline;
        std::vector<PointD> points;  ///< the vertices; for shapes and clips the two corners;
                                     ///< for text the baseline origin
        bool hasPen = false;
        PenStyle penStyle = PenStyle::Solid;
        double penWidth = 0.0;
        Colour penColour;
        bool hasFill = false;
        Colour fill;
        std::string text;       ///< the text of text ops
        std::string family;     ///< font family of text ops
        double fontSize = 0.0;  ///< em size in device pixels
        bool bold = false;
        double angle = 0.0;  ///< text: baseline angle, degrees counter-clockwise on screen
        Colour textColour;
        bool clipRemoved = false;  ///< a Clip op that removed the clip
    };

    explicit RecordingDC(double dpi = 100.0, bool printing = false, Size deviceSize = {850, 1100});

    const std::vector<Op>& Ops() const { return m_ops; }
    void Clear() { m_ops.clear(); }
    /// The texts drawn, in order.
    std::vector<std::string> Texts() const;
    /// The recorded ops of one kind.
    std::vector<Op> OpsOf(OpKind kind) const;

    /// Fixed advance of every character, as a fraction of the em size.
    static constexpr double kAdvancePerEm = 0.6;
    static constexpr double kAscentPerEm = 0.8;
    static constexpr double kDescentPerEm = 0.2;

  protected:
    void DevPolyline(const std::vector<PointD>& points, const DevPen& pen) override;
    void DevPolygon(const std::vector<PointD>& points, const DevPen* pen,
                    const Colour* fill) override;
    void DevRectangle(const DevRect& r, const DevPen* pen, const Colour* fill) override;
    void DevEllipse(const DevRect& r, const DevPen* pen, const Colour* fill) override;
    void DevText(PointD origin, const std::string& text, const DevFont& font, Colour colour,
                 const Colour* background, const DevRect& cell) override;
    double DevTextWidth(const std::string& text, const DevFont& font) const override;
    DevFontMetrics DevMetrics(const DevFont& font) const override;
    void DevClip(const DevRect* clip) override;
    void DevBitmap(const Bitmap& bitmap, PointD topLeft) override;

  private:
    Op Shape(OpKind kind, const DevRect& r, const DevPen* pen, const Colour* fill) const;
    std::vector<Op> m_ops;
};

}  // namespace platform::ui

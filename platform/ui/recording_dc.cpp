#include "platform/ui/recording_dc.h"

namespace platform::ui {

RecordingDC::RecordingDC(double dpi, bool printing, Size deviceSize)
    : DC(dpi, dpi, printing, deviceSize) {}

std::vector<std::string> RecordingDC::Texts() const {
    std::vector<std::string> texts;
    for (const Op& op : m_ops) {
        if (op.kind == OpKind::Text) texts.push_back(op.text);
    }
    return texts;
}

std::vector<RecordingDC::Op> RecordingDC::OpsOf(OpKind kind) const {
    std::vector<Op> ops;
    for (const Op& op : m_ops) {
        if (op.kind == kind) ops.push_back(op);
    }
    return ops;
}

RecordingDC::Op RecordingDC::Shape(OpKind kind, const DevRect& r, const DevPen* pen,
                                   const Colour* fill) const {
    Op op;
    op.kind = kind;
    op.points = {{r.left, r.top}, {r.right, r.bottom}};
    if (pen) {
        op.hasPen = true;
        op.penStyle = pen->style;
        op.penWidth = pen->width;
        op.penColour = pen->colour;
    }
    if (fill) {
        op.hasFill = true;
        op.fill = *fill;
    }
    return op;
}

void RecordingDC::DevPolyline(const std::vector<PointD>& points, const DevPen& pen) {
    Op op = Shape(OpKind::Polyline, {}, &pen, nullptr);
    op.points = points;
    m_ops.push_back(op);
}

void RecordingDC::DevPolygon(const std::vector<PointD>& points, const DevPen* pen,
                             const Colour* fill) {
    Op op = Shape(OpKind::Polygon, {}, pen, fill);
    op.points = points;
    m_ops.push_back(op);
}

void RecordingDC::DevRectangle(const DevRect& r, const DevPen* pen, const Colour* fill) {
    m_ops.push_back(Shape(OpKind::Rectangle, r, pen, fill));
}

void RecordingDC::DevEllipse(const DevRect& r, const DevPen* pen, const Colour* fill) {
    m_ops.push_back(Shape(OpKind::Ellipse, r, pen, fill));
}

void RecordingDC::DevText(PointD origin, const std::string& text, const DevFont& font,
                          Colour colour, const Colour* background, const DevRect&) {
    Op op;
    op.kind = OpKind::Text;
    op.points = {origin};
    op.text = text;
    op.family = font.family;
    op.fontSize = font.size;
    op.bold = font.bold;
    op.angle = font.angle;
    op.textColour = colour;
    if (background) {
        op.hasFill = true;
        op.fill = *background;
    }
    m_ops.push_back(op);
}

double RecordingDC::DevTextWidth(const std::string& text, const DevFont& font) const {
    return static_cast<double>(text.size()) * kAdvancePerEm * font.size;
}

RecordingDC::DevFontMetrics RecordingDC::DevMetrics(const DevFont& font) const {
    DevFontMetrics m;
    m.ascent = kAscentPerEm * font.size;
    m.descent = kDescentPerEm * font.size;
    m.externalLeading = 0.0;
    m.aveCharWidth = kAdvancePerEm * font.size;
    m.maxCharWidth = kAdvancePerEm * font.size;
    return m;
}

void RecordingDC::DevClip(const DevRect* clip) {
    Op op;
    op.kind = OpKind::Clip;
    if (clip) {
        op.points = {{clip->left, clip->top}, {clip->right, clip->bottom}};
    } else {
        op.clipRemoved = true;
    }
    m_ops.push_back(op);
}

void RecordingDC::DevBitmap(const Bitmap& bitmap, PointD topLeft) {
    Op op;
    op.kind = OpKind::Bitmap;
    op.points = {topLeft, {topLeft.x + bitmap.width, topLeft.y + bitmap.height}};
    m_ops.push_back(op);
}

}  // namespace platform::ui

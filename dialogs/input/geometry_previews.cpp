#include "dialogs/input/geometry_previews.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/ui/picture.h"
#include "views/sheet_elements.h"

namespace kordel {

using namespace platform::ui;

namespace {

constexpr double kInchesPerFoot = 12.0;
/// Girders a cross-section holds at most (the beam count the dialog takes).
constexpr int kMaxPreviewBeams = 99;

const Pen kInkPen{PenStyle::Solid, 0, kPictureInk};
const Pen kNoPen{PenStyle::Null, 0, kPictureInk};
const Brush kWhiteBrush{BrushStyle::Solid, kPictureGround};
const Brush kGreyBrush{BrushStyle::Solid, kPictureGrey};

/// The pixel rectangle of a drawing rectangle `width` x `height` from (left, bottom) up.
Rect Box(const PictureMapping& at, double left, double bottom, double width, double height) {
    const Point a = at.At(left, bottom + height);
    const Point b = at.At(left + width, bottom);
    return {a.x, a.y, b.x, b.y};
}

int Clamped(int count, int most) {
    return std::clamp(count, 0, most);
}

std::vector<Point> Points(const PictureMapping& at, double x, const double (*points)[kPointValueCount],
                          int count) {
    std::vector<Point> mapped;
    for (int i = 0; i < count; ++i) mapped.push_back(at.At(x + points[i][kPointX], points[i][kPointY]));
    return mapped;
}

/// Outline and void as chains of lines from the first point to the last (not closed), and each
/// circular void white, around the centreline at `x`; the pen and brush are left selected.
void DrawGirderShape(DC& dc, const PictureMapping& at, double x, const SectionModel& s) {
    dc.SelectPen(kInkPen);
    for (const auto& [points, count] : {std::pair{s.m_adOutline, s.m_nOutlinePointCount},
                                        std::pair{s.m_adVoidOutline, s.m_nVoidPointCount}}) {
        const std::vector<Point> chain = Points(at, x, points, Clamped(count, kMaxOutlinePoints));
        if (chain.size() >= 2) dc.Polyline(chain);
    }
    dc.SelectBrush(kWhiteBrush);
    for (int i = 0; i < Clamped(s.m_nCircularVoidCount, kMaxCircularVoids); ++i) {
        const double* v = s.m_adCircularVoid[i];
        const double r = v[kVoidRadius];
        dc.Ellipse(Box(at, x + v[kVoidCentreX] - r, v[kVoidCentreY] - r, 2 * r, 2 * r));
    }
}

/// The one scale of a picture `width` x `height` in the frame; 0 when either extent is not
/// positive (nothing is drawn then).
double PreviewScale(Size client, double width, double height) {
    if (!(width > 0.0) || !(height > 0.0) || !std::isfinite(width) || !std::isfinite(height))
        return 0.0;
    const PictureScale fit = FitPicture(client, kPictureMargin, width, height);
    return fit.x > 0.0 && fit.y > 0.0 ? std::min(fit.x, fit.y) : 0.0;
}

}  // namespace

void DrawBridgeCrossSectionPreview(DC& dc, Size client, const GeometryPreview& p) {
    PaintPictureGround(dc, client);
    const SectionModel& s = *p.section;
    const double W = p.bridgeWidth * kInchesPerFoot;
    const double girder = s.m_dSectionHeight;
    const double H = girder + p.deckThickness + p.haunchThickness + kPreviewBarrierHeight;
    const double scale = PreviewScale(client, W, H);
    if (scale == 0.0) return;
    const double x0 = client.cx / 2.0 - W * scale / 2.0;
    const double y0 = kPictureMargin + H * scale;
    const PictureMapping at({PicturePixels(x0), PicturePixels(y0)}, {scale, scale});
    const double overhang = p.overhang * kInchesPerFoot;
    const double spacing = p.beamSpacing * kInchesPerFoot;
    const int beams = Clamped(p.beams, kMaxPreviewBeams);

    const Pen oldPen = dc.SelectPen(kInkPen);
    const Brush oldBrush = dc.SelectBrush(kWhiteBrush);
    const BkMode oldMode = dc.SetBkMode(BkMode::Transparent);
    if (p.haunchThickness > 0.0) {
        for (int i = 1; i <= beams; ++i) {
            dc.Rectangle(Box(at, overhang - p.haunchWidth / 2.0 + (i - 1) * spacing, girder,
                             p.haunchWidth, p.haunchThickness));
        }
    }
    const double deckBottom = girder + p.haunchThickness;
    dc.Rectangle(Box(at, 0.0, deckBottom, W, p.deckThickness));
    const double deckTop = deckBottom + p.deckThickness;
    dc.Rectangle(Box(at, 0.0, deckTop, kPreviewBarrierWidth, kPreviewBarrierHeight));
    dc.Rectangle(Box(at, W - kPreviewBarrierWidth, deckTop, kPreviewBarrierWidth,
                     kPreviewBarrierHeight));

    // The girder designed, filled grey with its void white.
    if (p.activeGirder >= 1 && p.activeGirder <= beams) {
        const double x = (p.activeGirder - 1) * spacing + overhang;
        dc.SelectPen(kNoPen);
        dc.SelectBrush(kGreyBrush);
        const std::vector<Point> outline =
            Points(at, x, s.m_adOutline, Clamped(s.m_nOutlinePointCount, kMaxOutlinePoints));
        if (outline.size() >= 3) dc.Polygon(outline);
        const std::vector<Point> hollow =
            Points(at, x, s.m_adVoidOutline, Clamped(s.m_nVoidPointCount, kMaxOutlinePoints));
        dc.SelectBrush(kWhiteBrush);
        if (hollow.size() >= 3) dc.Polygon(hollow);
    }
    for (int i = 1; i <= beams; ++i) DrawGirderShape(dc, at, overhang + (i - 1) * spacing, s);
    dc.SetBkMode(oldMode);
    dc.SelectPen(oldPen);
    dc.SelectBrush(oldBrush);
}

void DrawGirderPreview(DC& dc, Size client, const GeometryPreview& p) {
    PaintPictureGround(dc, client);
    const SectionModel& s = *p.section;
    const double across = p.beams < 2 ? OutlineWidth(s) : p.beamSpacing * kInchesPerFoot;
    const double A = std::max(p.deckWidth, across);
    const double girder = s.m_dSectionHeight;
    const double H = girder + p.deckThickness + p.haunchThickness;
    const double scale = PreviewScale(client, A, H);
    if (scale == 0.0) return;
    const double y0 = client.cy / 2.0 + H * scale / 2.0;
    const PictureMapping at({client.cx / 2, PicturePixels(y0)}, {scale, scale});

    const Pen oldPen = dc.SelectPen(kInkPen);
    const Brush oldBrush = dc.SelectBrush(kWhiteBrush);
    const BkMode oldMode = dc.SetBkMode(BkMode::Transparent);
    DrawGirderShape(dc, at, 0.0, s);
    dc.SelectPen(kInkPen);
    dc.SelectBrush(kGreyBrush);
    if (p.haunchThickness > 0.0)
        dc.Rectangle(Box(at, -p.haunchWidth / 2.0, girder, p.haunchWidth, p.haunchThickness));
    if (p.deckThickness > 0.0) {
        dc.Rectangle(Box(at, -p.deckWidth / 2.0, girder + p.haunchThickness, p.deckWidth,
                         p.deckThickness));
    }
    dc.SetBkMode(oldMode);
    dc.SelectPen(oldPen);
    dc.SelectBrush(oldBrush);
}

}  // namespace kordel

#include "views/sheet_elements.h"

#include <algorithm>
#include <cstring>

#include "document/kordel_doc.h"

namespace kordel {

using namespace platform::ui;

namespace {

/// One slot of the unit table: the factor and label in US and in metric units.
struct UnitSlotDef {
    double usFactor;
    const char* usLabel;
    double metricFactor;
    const char* metricLabel;
};

// Unit table of the sheet. Source of the metric factors: the exact inch (0.0254 m) and foot
// (0.3048 m), the kip as 4.4482 kN, the ksi as 6.8948 MPa, the klf as 14.5939 kN/m, and the kcf
// as 453.6 kg per 0.3048^3 m3.
//                       US factor, label    metric factor, label
const UnitSlotDef kUnitSlots[kUnitSlotCount] = {
    /* kUnitFeet           */ {1.0, "ft", 0.3048, "m"},
    /* kUnitInchesAsMetres */ {1.0, "in", 0.0254, "m"},
    /* kUnitInches         */ {1.0, "in", 25.4, "mm"},
    /* kUnitSquareInches   */ {1.0, "in2", 645.16, "mm2"},
    /* kUnitAreaAsMetres   */ {1.0, "in2", 0.00064516, "m2"},
    /* kUnitModulus        */ {1.0, "in3", 0.000016387064, "m3"},
    /* kUnitInertia        */ {1.0, "in4", 4.162314256e-7, "m4"},
    /* kUnitKips           */ {1.0, "kip", 4.4482, "kN"},
    /* kUnitKsi            */ {1.0, "ksi", 6.8948, "MPa"},
    /* kUnitDensity        */ {1.0, "kcf", 16018.732824867224, "kg/m3"},
    /* kUnitLineLoad       */ {1.0, "klf", 14.5939, "kN/m"},
    /* kUnitAreaPerLength  */ {1.0, "in2/ft", 2.1166666666666667, "mm2/mm"},
};

/// A point of an outline in inches mapped to the sheet: ((int)(s x) + X, (int)(s y) + Y).
Point Mapped(const double (&p)[kPointValueCount], int X, int Y, double s) {
    return {ToLogical(s * p[kPointX]) + X, ToLogical(s * p[kPointY]) + Y};
}

}  // namespace

void FillUnitTable(int units, double (&factors)[kUnitSlotCount],
                   std::string (&labels)[kUnitSlotCount]) {
    const bool metric = units != kUnitsUS;
    for (int i = 0; i < kUnitSlotCount; ++i) {
        factors[i] = metric ? kUnitSlots[i].metricFactor : kUnitSlots[i].usFactor;
        labels[i] = metric ? kUnitSlots[i].metricLabel : kUnitSlots[i].usLabel;
    }
}

int MeasureLineHeight(const DC& dc) {
    return dc.GetTextExtent(sheet::kLineHeightSample).cy;
}

double OutlineWidth(const SectionModel& section) {
    const int n = std::clamp(section.m_nOutlinePointCount, 0, kMaxOutlinePoints);
    if (n == 0) return 0.0;
    double low = section.m_adOutline[0][kPointX];
    double high = low;
    for (int i = 1; i < n; ++i) {
        low = std::min(low, section.m_adOutline[i][kPointX]);
        high = std::max(high, section.m_adOutline[i][kPointX]);
    }
    return high - low;
}

SheetDrawing::SheetDrawing(const CKordelDoc& document, const double (&factors)[kUnitSlotCount],
                           const std::string (&labels)[kUnitSlotCount])
    : doc(document), unitFactor(factors), unitLabel(labels) {
    // The end outline: the widened end-block outline at the girder end, or the outline itself.
    if (doc.m_bIncludeEndBlocks) {
        doc.GetSectionOutlineAt(0.0, endOutline, endOutlineCount);
    } else {
        std::memcpy(endOutline, doc.m_adOutline, sizeof endOutline);
        endOutlineCount = std::clamp(doc.m_nOutlinePointCount, 0, kMaxOutlinePoints);
    }
    const int spans = std::clamp(doc.m_nSpans, 0, kMaxSpans);
    for (int i = 1; i <= spans; ++i) {
        spanLength[i] = doc.m_adSpanLength[i];
        girderLength[i] = doc.m_adSpanGirderLength[i];
        girderOffset[i] = doc.m_adGirderOffsetLeft[i];
        padOffsetLeft[i] = doc.m_adPadOffsetLeft[i];
        padOffsetRight[i] = doc.m_adPadOffsetRight[i];
    }
    planWidth = doc.m_nBeams * doc.m_dBeamSpacing * 12.0;
    if (planWidth == 0.0) planWidth = 1.5 * OutlineWidth(doc);
}

bool SheetDrawing::Metric() const {
    return doc.m_nUnits != kUnitsUS;
}

// ---- Shared drawing elements -------------------------------------------------------------------

void DrawBox(DC& dc, const Rect& box, const std::string& title, Point caption) {
    dc.SelectPen(sheet::kGreyPen);
    dc.SelectBrush(sheet::kWhiteBrush);
    dc.Rectangle(box);
    dc.SelectPen(sheet::kBlackPen);
    dc.SetTextAlign(kAlignCenter | kAlignTop);
    dc.TextOut(caption, title);
    dc.SetTextAlign(kAlignLeft | kAlignTop);
}

void DrawOutlinePolyline(DC& dc, const double (*points)[kPointValueCount], int count, int X, int Y,
                         double s) {
    dc.MoveTo(Mapped(points[0], X, Y, s));
    for (int i = 0; i + 1 < count; ++i) {
        const Point next = Mapped(points[i + 1], X, Y, s);
        dc.LineTo(next);
        dc.MoveTo(next);
    }
}

void DrawSectionOutline(DC& dc, const CKordelDoc& doc, const double (*outline)[kPointValueCount],
                        int count, int X, int Y, double s, bool withoutVoids) {
    DrawOutlinePolyline(dc, outline, std::clamp(count, 0, kMaxOutlinePoints), X, Y, s);
    if (withoutVoids) return;
    DrawOutlinePolyline(dc, doc.m_adVoidOutline,
                        std::clamp(doc.m_nVoidPointCount, 0, kMaxOutlinePoints), X, Y, s);
    const int voids = std::clamp(doc.m_nCircularVoidCount, 0, kMaxCircularVoids);
    dc.SelectBrush(sheet::kWhiteBrush);
    for (int i = 0; i < voids; ++i) {
        const double cx = doc.m_adCircularVoid[i][kVoidCentreX];
        const double cy = doc.m_adCircularVoid[i][kVoidCentreY];
        const double r = doc.m_adCircularVoid[i][kVoidRadius];
        dc.Ellipse({ToLogical((cx - r) * s) + X, ToLogical((cy + r) * s) + Y,
                    ToLogical((cx + r) * s) + X, ToLogical((cy - r) * s) + Y});
    }
}

void DrawSectionOutline(DC& dc, const CKordelDoc& doc, int X, int Y, double s) {
    DrawSectionOutline(dc, doc, doc.m_adOutline, doc.m_nOutlinePointCount, X, Y, s);
}

void DrawStrandDot(DC& dc, double x, double y, int X, int Y, double s, bool pair) {
    constexpr double r = 0.45;  // in, half of the 0.9 in dot
    dc.SelectBrush(sheet::kBlueBrush);
    const int top = ToLogical((r + y) * s) + Y;
    const int bottom = ToLogical((y - r) * s) + Y;
    dc.Ellipse({ToLogical((x - r) * s) + X, top, ToLogical((r + x) * s) + X, bottom});
    if (pair) dc.Ellipse({X - ToLogical((x - r) * s), top, X - ToLogical((r + x) * s), bottom});
}

void DrawBeamElevation(DC& dc, const CKordelDoc& doc, int Y, double s) {
    constexpr int X = 15;
    dc.SelectPen(sheet::kBlackPen);
    dc.Rectangle({X, Y, ToLogical(s * doc.m_dGirderLength * 12.0) + X,
                  ToLogical(s * doc.m_dSectionHeight) + Y});
}

void DrawClosurePours(DC& dc, const CKordelDoc& doc, int Y, double s) {
    constexpr int X = 15;
    dc.SelectPen(sheet::kBlackPen);
    dc.SelectBrush(sheet::kGreyBrush);
    float P = 0.0F;  // running position along the girder, in
    const int segments = std::clamp(doc.m_nSegments, 0, kMaxSegmentSlots);
    for (int i = 0; i + 2 <= segments; ++i) {
        P += static_cast<float>(12.0 * doc.m_adSegments[i][kSegmentLength]);
        const double at = static_cast<double>(P);
        const double closure = 12.0 * doc.m_adSegments[i][kSegmentClosure];
        dc.Rectangle({ToLogical(at * s) + X, ToLogical(s * doc.m_dSectionHeight) + Y,
                      ToLogical((at + closure) * s) + X, Y});
        P += static_cast<float>(closure);
    }
}

void DrawTableFrame(DC& dc, const Rect& frame) {
    dc.SelectPen(sheet::kBlackPen);
    dc.SelectBrush(sheet::kWhiteBrush);
    dc.Rectangle(frame);
}

void DrawRule(DC& dc, Point from, Point to) {
    dc.MoveTo(from);
    dc.LineTo(to);
}

void DrawCentredText(DC& dc, Point at, const std::string& text) {
    dc.SetTextAlign(kAlignCenter | kAlignTop);
    dc.TextOut(at, text);
    dc.SetTextAlign(kAlignLeft | kAlignTop);
}

double FitScale(double roomA, double a, double roomB, double b) {
    if (a > 0.0 && b > 0.0) return std::min(roomA / a, roomB / b);
    if (a > 0.0) return roomA / a;
    if (b > 0.0) return roomB / b;
    return 1.0;
}

double SectionScale(const double (*points)[kPointValueCount], int count, double width,
                    double height) {
    double xLow = 0.0, xHigh = 0.0, yLow = 0.0, yHigh = 0.0;
    for (int i = 0; i < std::clamp(count, 0, kMaxOutlinePoints); ++i) {
        xLow = std::min(xLow, points[i][kPointX]);
        xHigh = std::max(xHigh, points[i][kPointX]);
        yLow = std::min(yLow, points[i][kPointY]);
        yHigh = std::max(yHigh, points[i][kPointY]);
    }
    return FitScale(width, xHigh - xLow, height, yHigh - yLow);
}

std::string DebondSymbol(const std::string& symbols, int n) {
    const int size = static_cast<int>(symbols.size());
    if (n < 0 || size == 0) return "";
    if (n < size) return symbols.substr(static_cast<size_t>(n), 1);
    const int first = std::min(n / size - 1, size - 1);
    return symbols.substr(static_cast<size_t>(first), 1) +
           symbols.substr(static_cast<size_t>(n % size), 1);
}

}  // namespace kordel

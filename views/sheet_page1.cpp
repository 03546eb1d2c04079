#include "views/sheet_page1.h"

#include <algorithm>
#include <string>
#include <vector>

#include "document/kordel_doc.h"
#include "report/format.h"

// The formats chosen here (by the unit system, by the row) are all the sheet's own literals.
#pragma GCC diagnostic ignored "-Wformat-nonliteral"

namespace kordel {

using namespace platform::ui;

namespace {

/// The station whose section properties the sheet shows: mid-span.
constexpr int kMidSpanStation = 50;
/// Support width of the framing plan, in.
constexpr double kSupportWidth = 48.0;
/// Barrier width and height of the bridge section, in, and its gap above the deck.
constexpr double kBarrierWidth = 12.0;
constexpr double kBarrierHeight = 36.0;
constexpr double kBarrierGap = 0.5;

/// The current span's entry of a per-span array; 0 for a span out of range.
double CurrentSpanValue(const CKordelDoc& doc, const double (&values)[kMaxSpanSlots]) {
    const int span = doc.m_nCurrentSpan;
    return span >= 0 && span < kMaxSpanSlots ? values[span] : 0.0;
}

/// Writes the column's lines: a label at its x, and a value at kColumnValueX on the same line.
class ColumnWriter {
  public:
    ColumnWriter(DC& dc, const SheetDrawing& sheet, int y) : m_dc(dc), m_sheet(sheet), m_y(y) {}

    void Line(int x, const std::string& label) {
        m_dc.TextOut({x, m_y}, label);
        m_y -= m_sheet.h;
    }
    void Line(int x, const std::string& label, const std::string& value) {
        m_dc.TextOut({x, m_y}, label);
        m_dc.TextOut({kColumnValueX, m_y}, value);
        m_y -= m_sheet.h;
    }
    /// A value with format "%...f %s": the member times the slot's factor, then its label.
    void Value(int x, const std::string& label, const char* format, double member, int slot) {
        Line(x, label, Format(format, member * m_sheet.Factor(slot), m_sheet.Label(slot).c_str()));
    }
    /// The space after a group's last line: half a line more.
    void EndGroup() { m_y -= m_sheet.h / 2; }

  private:
    DC& m_dc;
    const SheetDrawing& m_sheet;
    int m_y;
};

/// The vehicle line of the live loads: both vehicles on one line, or the one included.
void VehicleLine(ColumnWriter& column, const CKordelDoc& doc) {
    const bool first = doc.m_recVehicle1.m_bIncluded != 0;
    const bool second = doc.m_recVehicle2.m_bIncluded != 0;
    if (first && second) {
        column.Line(kColumnSubItemX,
                    Format("Veh1: %s, Veh2: %s", doc.m_recVehicle1.m_strName.c_str(),
                           doc.m_recVehicle2.m_strName.c_str()));
    } else if (first || second) {
        const std::string& name = first ? doc.m_recVehicle1.m_strName : doc.m_recVehicle2.m_strName;
        column.Line(kColumnSubItemX, "Vehicle", name);
    }
}

/// A polygon of the outline points mapped by `map`, filled with `brush` and no outline (a
/// region), in the alternate fill.
template <typename Map>
void FillOutline(DC& dc, const double (*points)[kPointValueCount], int count, const Brush& brush,
                 Map map) {
    std::vector<Point> polygon;
    for (int i = 0; i < std::clamp(count, 0, kMaxOutlinePoints); ++i)
        polygon.push_back(map(points[i]));
    if (polygon.size() < 2) return;
    const Pen pen = dc.SelectPen(Pen{PenStyle::Null, 0, kBlack});
    const Brush previous = dc.SelectBrush(brush);
    dc.Polygon(polygon);
    dc.SelectBrush(previous);
    dc.SelectPen(pen);
}

}  // namespace

void DrawSheetPage1(DC& dc, const SheetDrawing& sheet, int K) {
    DrawInputColumn(dc, sheet, K);
    DrawFramingPlan(dc, sheet, K);
    DrawBridgeSection(dc, sheet, K);
    DrawGirderSection(dc, sheet, K);
    DrawFlangesAndWebs(dc, sheet, K);
    DrawSectionProperties(dc, sheet, K);
}

// ---- The input data column ----------------------------------------------------------------------

void DrawInputColumn(DC& dc, const SheetDrawing& sheet, int K) {
    const CKordelDoc& doc = sheet.doc;
    dc.SetTextAlign(kAlignLeft | kAlignTop);
    ColumnWriter c(dc, sheet, K);
    constexpr int H = kColumnHeadingX;
    constexpr int I = kColumnItemX;
    constexpr int S = kColumnSubItemX;

    const int edition = doc.m_nSpecEdition;
    const bool known = edition >= 0 && edition < static_cast<int>(doc.m_saSpecEditions.size());
    const std::string editionName = known ? doc.m_saSpecEditions[static_cast<size_t>(edition)] : "";
    c.Line(H, Format("Specification: %-8s", editionName.c_str()));
    c.EndGroup();

    c.Line(H, "Bridge Geometry:");
    c.Line(I, doc.m_strSuperstructureType);
    c.Value(I, "Bridge Width", "%7.3f %s", doc.m_dBridgeWidth, kUnitFeet);
    c.Value(I, "Curb-to-Curb", "%7.3f %s", doc.m_dCurbToCurb, kUnitFeet);
    c.Value(I, "Beam Spacing", "%6.3f %s", doc.m_dBeamSpacing, kUnitFeet);
    c.Line(I, "No. Beams", Format("%3d", doc.m_nBeams));
    c.Line(I, "No. Lanes", Format("%3d", doc.m_nLanes));
    // The skew angle is in degrees in either unit system; the Standard Specifications take none.
    c.Line(I, "Skew Angle",
           IsLrfd(doc.m_nSpecification) ? Format("%6.3f deg", doc.m_dSkewAngle) : "  n/a");
    c.Value(I, "Overhang", "%7.3f %s", doc.m_dOverhang, kUnitFeet);
    c.Value(I, "de", "%7.3f %s", doc.m_dDe, kUnitFeet);
    c.EndGroup();

    c.Line(H, "Span Data:");
    c.Line(I, "Span/Girder", Format("%2d / %2d", doc.m_nCurrentSpan, doc.m_nCurrentGirder));
    if (doc.m_bContinuous)
        c.Value(I, "CL Pier to Pier", "%7.3f %s", CurrentSpanValue(doc, doc.m_adSpanLength),
                kUnitFeet);
    c.Value(I, "Girder Length", "%7.3f %s", doc.m_dGirderLength, kUnitFeet);
    if (doc.m_bContinuous)
        c.Value(I, "Girder Offset", "%7.3f %s", CurrentSpanValue(doc, doc.m_adGirderOffsetLeft),
                kUnitFeet);
    c.Value(I, "Brng Pad Length", "%6.2f %s", doc.m_dBearingPadLength, kUnitInches);
    c.Line(I, "Pad Offsets(L/R)");
    c.Value(S, "left end", "%6.3f %s", CurrentSpanValue(doc, doc.m_adPadOffsetLeft), kUnitFeet);
    c.Value(S, "right end", "%6.3f %s", CurrentSpanValue(doc, doc.m_adPadOffsetRight), kUnitFeet);
    c.Value(I, "CL Brng to Brng", "%7.3f %s", doc.m_dDesignSpan, kUnitFeet);
    c.EndGroup();

    c.Line(H, "Cast-In-Place Deck:");
    c.Value(I, "Slab Width", "%6.2f %s", doc.m_dDeckWidth, kUnitInches);
    c.Value(I, "Slab Thickness", "%6.2f %s", doc.m_dDeckThickness, kUnitInches);
    c.Value(I, "Haunch Width", "%6.2f %s", doc.m_dHaunchWidth, kUnitInches);
    c.Value(I, "Haunch Thickness", "%6.2f %s", doc.m_dHaunchThickness, kUnitInches);
    c.Value(I, "Overlay Thickness", "%6.2f %s", doc.m_dOverlayThickness, kUnitInches);
    c.Value(I, "Wearing Thickness", "%6.2f %s", doc.m_dWearingSurfaceThickness, kUnitInches);
    c.EndGroup();

    c.Line(H, "Material Properties:");
    c.Line(I, "Beam Concrete");
    c.Value(S, "f'c", "%6.3f %s", doc.m_dBeamFc, kUnitKsi);
    c.Value(S, "f'ci", "%6.3f %s", doc.m_dBeamFci, kUnitKsi);
    c.Value(S, "density", "%6.3f %s", doc.m_dBeamDensity, kUnitDensity);
    c.Line(I, "Deck Concrete");
    c.Value(S, "f'c", "%6.3f %s", doc.m_dDeckFc, kUnitKsi);
    c.Value(S, "density", "%6.3f %s", doc.m_dDeckDensity, kUnitDensity);
    c.Line(I, "Pretensioning Steel");
    c.Value(S, "Diameter", "%6.2f %s", doc.m_dStrandDiameter, kUnitInches);
    c.Value(S, "Area", "%6.3f %s", doc.m_dStrandUnitArea, kUnitSquareInches);
    c.Value(S, "fpu", "%6.0f %s", doc.m_dStrandFpu, kUnitKsi);
    c.Line(S, "Grade", doc.m_strStrandKind);
    c.Line(S, "Strand pull fraction", Format("%5.3f", doc.m_dPullFraction));
    if (doc.m_dTopPullFraction != doc.m_dPullFraction)
        c.Line(S, "Top strand pull", Format("%5.3f", doc.m_dTopPullFraction));
    c.EndGroup();

    c.Line(H, "Loads:");
    c.Line(I, "Dead (Non-Composite)");
    c.Value(S, "Beam wt.", "%6.3f %s", doc.m_dBeamWeight, kUnitLineLoad);
    c.Value(S, "Deck wt.", "%6.3f %s", doc.m_dDeckWeight, kUnitLineLoad);
    c.Value(S, "Overlay wt.", "%6.3f %s", doc.m_dOverlayWeight, kUnitLineLoad);
    // No standard diaphragm and no user location: no diaphragm, whatever weight is stored.
    const bool noDiaphragm =
        doc.m_strDiaphragmAtQuarter == "NONE" && !doc.m_bDiaphragmAtUserLocation;
    c.Value(S, "Diaphragm wt.", "%6.3f %s", noDiaphragm ? 0.0 : doc.m_dDiaphragmWeight, kUnitKips);
    c.Line(S, "Std. diaph. locations",
           Format(" %s%s%s", doc.m_strDiaphragmAtQuarter.c_str(), doc.m_strDiaphragmAtThird.c_str(),
                  doc.m_strDiaphragmAtHalf.c_str()));
    if (doc.m_bDiaphragmAtUserLocation)
        c.Value(S, "User diaph. location", "%6.3f %s", doc.m_dDiaphragmUserLocation, kUnitFeet);
    c.Value(S, "Other uniform:", "%6.3f %s", doc.m_dOtherNonCompositeLoad, kUnitLineLoad);
    c.Line(I, "Dead (Composite)");
    c.Value(S, "Barriers", "%6.3f %s", doc.m_dBarrierLoad, kUnitLineLoad);
    c.Value(S, "FWS", "%6.3f %s", doc.m_dWearingSurfaceLoad, kUnitLineLoad);
    c.Value(S, "Other", "%6.3f %s", doc.m_dOtherCompositeLoad, kUnitLineLoad);
    c.Line(I, "Live Load");
    VehicleLine(c, doc);
    c.Value(S, "Pedestrian Load", "%6.3f %s", doc.m_dPedestrianLoad, kUnitLineLoad);
}

// ---- Framing plan -------------------------------------------------------------------------------

void DrawFramingPlan(DC& dc, const SheetDrawing& sheet, int K) {
    const CKordelDoc& doc = sheet.doc;
    dc.SetBkMode(BkMode::Transparent);
    DrawBox(dc, {250, K - 10, 725, K - 150}, "Framing Plan", {487, K - 130});
    dc.SelectPen(sheet::kBlackPen);
    dc.SelectBrush(sheet::kWhiteBrush);

    const int spans = std::clamp(doc.m_nSpans, 0, kMaxSpans);
    const int n = doc.m_nBeams;
    const double S = doc.m_dBeamSpacing;      // ft
    const double bf = doc.m_dTopFlangeWidth;  // in
    const double W = sheet.planWidth;         // in
    double T = 0.0;                           // ft
    for (int i = 1; i <= spans; ++i) T += sheet.spanLength[i];
    const double length = 12.0 * T + kSupportWidth;  // in
    const double s = std::min(465.0 / length, 115.0 / W);
    const int x0 = ToLogical((465.0 - length * s) / 2.0 + 255.0);
    const int y0 = K - 125;

    // The supports, one more than the spans.
    int X = x0;
    auto support = [&] {
        dc.Rectangle({X, y0, ToLogical(kSupportWidth * s) + X, ToLogical(W * s) + y0});
    };
    support();
    for (int i = 1; i <= spans; ++i) {
        X += ToLogical(s * sheet.spanLength[i] * 12.0);
        support();
    }

    // The girders of each span from the top row down, beginning at the first support's centre.
    const double topRow =
        n >= 2 ? (K - 125) + s * (12.0 * n * S - 6.0 * S - bf / 2.0) : (K - 125) + s * W / 6.0;
    auto girder = [&](int x, double y, int span) {
        const double g = sheet.girderOffset[span];
        const double len = sheet.girderLength[span];
        dc.Rectangle({ToLogical(s * g * 12.0) + x, ToLogical(y),
                      ToLogical(s * 12.0 * (len + g)) + x, ToLogical(s * bf) + ToLogical(y)});
    };
    X = ToLogical(x0 + 0.5 * kSupportWidth * s);
    for (int i = 1; i <= spans; ++i) {
        double y = topRow;
        for (int beam = 1; beam <= n; ++beam) {
            girder(X, y, i);
            y -= s * S * 12.0;
        }
        X += ToLogical(sheet.spanLength[i] * 12.0 * s);
    }

    // The current girder, shaded.
    const int current = doc.m_nCurrentSpan;
    if (current >= 1 && current <= spans) {
        X = ToLogical(x0 + 0.5 * kSupportWidth * s);
        for (int i = 1; i < current; ++i) X += ToLogical(s * 12.0 * sheet.spanLength[i]);
        double y = topRow;
        for (int beam = 1; beam < doc.m_nCurrentGirder; ++beam) y -= s * 12.0 * S;
        dc.SelectBrush(sheet::kGreyBrush);
        girder(X, y, current);
    }
    dc.SelectBrush(sheet::kWhiteBrush);
}

// ---- Bridge cross section
// ------------------------------------------------------------------------

void DrawBridgeSection(DC& dc, const SheetDrawing& sheet, int K) {
    const CKordelDoc& doc = sheet.doc;
    dc.SetBkMode(BkMode::Transparent);
    DrawBox(dc, {250, K - 155, 725, K - 295}, "Bridge Cross Section", {487, K - 275});

    const int n = doc.m_nBeams;
    const double S = doc.m_dBeamSpacing;       // ft
    const double o = doc.m_dOverhang;          // ft
    const double B = doc.m_dBridgeWidth;       // ft
    const double h = doc.m_dSectionHeight;     // in
    const double td = doc.m_dDeckThickness;    // in
    const double th = doc.m_dHaunchThickness;  // in
    const double bh = doc.m_dHaunchWidth;      // in
    const double bf = doc.m_dTopFlangeWidth;   // in
    const double W = std::max(12.0 * B, 12.0 * (n - 1) * S + bf);
    const double s = std::min(465.0 / W, 110.0 / (h + td + th + kBarrierHeight));
    const double xL = 488.0 - (W / 2.0) * s;
    const int base = K - 270;

    if (th >= 0.0) {
        dc.SelectPen(sheet::kBlackPen);
        dc.SelectBrush(sheet::kGreyBrush);
        double xc = xL + s * o * 12.0;
        const int Y = ToLogical(base + s * h);
        for (int beam = 1; beam <= n; ++beam) {
            const int X = ToLogical(xc);
            dc.Rectangle({X - ToLogical(s * bh / 2.0), Y, ToLogical(s * bh / 2.0) + X,
                          ToLogical(s * th) + Y});
            xc += s * S * 12.0;
        }
    }

    dc.SelectPen(sheet::kBlackPen);
    dc.SelectBrush(sheet::kWhiteBrush);
    {
        const int X = ToLogical(xL);
        const int Y = ToLogical(base + (h + th) * s);
        dc.Rectangle({X, Y, ToLogical(s * B * 12.0) + X, ToLogical(s * td) + Y});
    }

    // The barriers stand half an inch above the deck at both edges.
    {
        const int Y = ToLogical(base + (h + th + td + kBarrierGap) * s);
        const int top = ToLogical(Y + kBarrierHeight * s + 0.5);
        const int left = ToLogical(xL);
        dc.Rectangle({left, Y, ToLogical(left + kBarrierWidth * s + 0.5), top});
        const int right = ToLogical(xL + kBarrierWidth * s * B + 0.5);
        dc.Rectangle({right, Y, ToLogical(right - kBarrierWidth * s + 0.5), top});
    }

    // The current girder's shading, with its polygonal void left white.
    {
        const int X = ToLogical(xL + 12.0 * s * ((doc.m_nCurrentGirder - 1) * S + o));
        const int Y = base;
        FillOutline(dc, doc.m_adOutline, doc.m_nOutlinePointCount, sheet::kGreyBrush,
                    [&](const double(&p)[kPointValueCount]) {
                        return Point{ToLogical(X + s * p[kPointX]), ToLogical(Y + s * p[kPointY])};
                    });
        if (doc.m_nVoidPointCount > 0) {
            FillOutline(
                dc, doc.m_adVoidOutline, doc.m_nVoidPointCount, sheet::kWhiteBrush,
                [&](const double(&p)[kPointValueCount]) {
                    return Point{ToLogical(s * p[kPointX]) + X, ToLogical(s * p[kPointY]) + Y};
                });
        }
    }

    // Every girder: the others filled white, then each outline with its voids.
    dc.SelectPen(sheet::kBlackPen);
    dc.SelectBrush(sheet::kWhiteBrush);
    double xc = xL + 12.0 * s * o;
    for (int beam = 1; beam <= n; ++beam) {
        const int X = ToLogical(xc);
        const int Y = base;
        if (beam != doc.m_nCurrentGirder) {
            FillOutline(
                dc, doc.m_adOutline, doc.m_nOutlinePointCount, sheet::kWhiteBrush,
                [&](const double(&p)[kPointValueCount]) {
                    return Point{ToLogical(s * p[kPointX]) + X, ToLogical(s * p[kPointY]) + Y};
                });
        }
        DrawSectionOutline(dc, doc, X, Y, s);
        xc += 12.0 * s * S;
    }
}

// ---- Girder cross section
// ------------------------------------------------------------------------

void DrawGirderSection(DC& dc, const SheetDrawing& sheet, int K) {
    const CKordelDoc& doc = sheet.doc;
    dc.SetBkMode(BkMode::Transparent);
    DrawBox(dc, {250, K - 300, 725, K - 610}, "Girder Cross Section", {488, K - 590});

    const double h = doc.m_dSectionHeight;     // in
    const double td = doc.m_dDeckThickness;    // in
    const double th = doc.m_dHaunchThickness;  // in
    const double bh = doc.m_dHaunchWidth;      // in
    const double dw = doc.m_dDeckWidth;        // in
    const double W = doc.m_nBeams >= 2 ? std::max(12.0 * doc.m_dBeamSpacing, dw)
                                       : std::max(dw, OutlineWidth(doc));
    const double s = std::min(400.0 / W, 265.0 / (h + td + th));
    constexpr int X = 488;
    const int Y0 = K - 580;

    dc.SelectPen(sheet::kBlackPen);
    dc.SelectBrush(sheet::kGreyBrush);
    const int Yd = ToLogical((h + th) * s) - 580;
    dc.Rectangle({X - ToLogical(s * dw / 2.0), Yd + K, ToLogical(s * dw / 2.0) + X,
                  Yd + K + ToLogical(s * td)});
    dc.SelectBrush(sheet::kWhiteBrush);

    if (th >= 0.0) {
        dc.SelectBrush(sheet::kGreyBrush);
        dc.Rectangle({ToLogical(-s * bh / 2.0) + X, ToLogical(s * h) + Y0,
                      ToLogical(s * bh / 2.0) + X, ToLogical((h + th) * s) + Y0});
        dc.SelectBrush(sheet::kWhiteBrush);
    }

    FillOutline(dc, doc.m_adOutline, doc.m_nOutlinePointCount, sheet::kWhiteBrush,
                [&](const double(&p)[kPointValueCount]) {
                    return Point{ToLogical(s * p[kPointX]) + X, ToLogical(s * p[kPointY]) + Y0};
                });
    DrawSectionOutline(dc, doc, X, Y0, s);

    dc.SetTextAlign(kAlignLeft | kAlignTop);
    dc.TextOut({250, K - 630}, Format("Section name: %s", doc.m_strSectionName.c_str()));
}

// ---- Flanges and webs ---------------------------------------------------------------------------

void DrawFlangesAndWebs(DC& dc, const SheetDrawing& sheet, int K) {
    const CKordelDoc& doc = sheet.doc;
    dc.SetBkMode(BkMode::Transparent);
    DrawTableFrame(dc, {250, K - 655, 490, K - 715});
    const double f = sheet.Factor(kUnitInches);
    const char* unit = sheet.Label(kUnitInches).c_str();

    dc.SetTextAlign(kAlignLeft | kAlignTop);
    dc.TextOut({255, K - 658}, "Flanges:");
    dc.TextOut({260, K - 678}, "top");
    dc.TextOut({260, K - 697}, "bottom");

    dc.SetTextAlign(kAlignRight | kAlignTop);
    dc.TextOut({405, K - 658}, Format("Width,%s", unit));
    dc.TextOut({485, K - 658}, Format("Thick,%s", unit));
    dc.TextOut({405, K - 678}, Format("%7.2f", doc.m_dTopFlangeWidth * f));
    dc.TextOut({485, K - 678}, Format("%7.2f", doc.m_dTopFlangeThickness * f));
    dc.TextOut({405, K - 697}, Format("%7.2f", doc.m_dBottomFlangeWidth * f));
    dc.TextOut({485, K - 697}, Format("%7.2f", doc.m_dBottomFlangeThickness * f));

    dc.SetTextAlign(kAlignLeft | kAlignTop);
    dc.TextOut({510, K - 658}, Format("No. webs %2d", doc.m_nWebCount));
    dc.TextOut({510, K - 678}, Format("Web width,%s %7.2f", unit, doc.m_dWebWidth * f));
    dc.TextOut({510, K - 698}, Format("bwo,%s %7.2f", unit, doc.m_dBwo * f));
}

// ---- Section properties ------------------------------------------------------------------------

void DrawSectionProperties(DC& dc, const SheetDrawing& sheet, int K) {
    const CKordelDoc& doc = sheet.doc;
    dc.SetBkMode(BkMode::Transparent);
    DrawTableFrame(dc, {250, K - 726, 725, K - 900});
    DrawRule(dc, {325, K - 756}, {725, K - 756});
    DrawRule(dc, {325, K - 741}, {725, K - 741});
    DrawRule(dc, {325, K - 726}, {325, K - 900});
    DrawRule(dc, {405, K - 741}, {405, K - 900});
    DrawRule(dc, {485, K - 741}, {485, K - 900});
    DrawRule(dc, {565, K - 726}, {565, K - 900});
    DrawRule(dc, {645, K - 741}, {645, K - 900});

    // The row labels.
    struct Row {
        const char* label;
        int slot;
        int y;
    };
    static const Row kRows[] = {
        {"Height, %s", kUnitInchesAsMetres, 760},
        {"Area, %s", kUnitAreaAsMetres, 780},
        {"cg, %s", kUnitInchesAsMetres, 800},
        {"MI, %s", kUnitInertia, 820},
        {"Sb, %s", kUnitModulus, 840},
        {"St, %s", kUnitModulus, 860},
        {"Sdck, %s", kUnitModulus, 880},
    };
    dc.SetTextAlign(kAlignLeft | kAlignTop);
    for (const Row& row : kRows)
        dc.TextOut({255, K - row.y}, Format(row.label, sheet.Label(row.slot).c_str()));

    // The headings, in the middle font.
    const Font large = dc.SelectFont(sheet::kMiddleFont);
    dc.TextOut({355, K - 742}, "Beam");
    dc.SetTextAlign(kAlignCenter | kAlignTop);
    dc.TextOut({445, K - 727}, "Gross Properties");
    dc.TextOut({645, K - 727}, "Transformed");
    dc.SetTextAlign(kAlignRight | kAlignTop);
    dc.TextOut({480, K - 742}, "Beam+Deck");
    dc.TextOut({560, K - 742}, "Bm+Dk+Ov");
    dc.TextOut({640, K - 742}, "Beam@fin");
    dc.TextOut({720, K - 742}, "Bm+Dk+Ov");
    dc.SelectFont(large);

    // The values at mid-span, right-aligned at each column's right edge.
    const double h = doc.m_dSectionHeight;
    const double deckHeight = h + doc.m_dDeckThickness + doc.m_dHaunchThickness;
    const double composite = deckHeight - doc.m_dWearingSurfaceThickness;
    const double withOverlay =
        deckHeight + doc.m_dOverlayThickness - doc.m_dWearingSurfaceThickness;
    struct Column {
        int x;
        int sectionCase;
        double height;  ///< in
    };
    const Column columns[] = {
        {400, kSectionCaseGirder, doc.m_dDrawingSectionHeight},
        {480, kSectionCaseDeck, composite},
        {560, kSectionCaseOverlay, withOverlay},
        {640, kSectionCaseFinal, doc.m_dDrawingSectionHeight},
        {720, kSectionCaseTransformedOverlay, withOverlay},
    };
    const char* format = sheet.Metric() ? "%9.3f" : "%9.1f";
    const int m = kMidSpanStation;
    for (size_t i = 0; i < std::size(columns); ++i) {
        const Column& col = columns[i];
        const int c = col.sectionCase;
        const bool last = i + 1 == std::size(columns);
        auto value = [&](int y, const char* fmt, double v, int slot) {
            dc.TextOut({col.x, K - y}, Format(fmt, v * sheet.Factor(slot)));
        };
        value(760, format, col.height, kUnitInchesAsMetres);
        value(780, last ? "%8.2f" : format, doc.m_adAreaAtStation[m][c], kUnitAreaAsMetres);
        value(800, format, doc.m_adCentroidAtStation[m][c], kUnitInchesAsMetres);
        value(820, format, doc.m_adInertiaAtStation[m][c], kUnitInertia);
        value(840, format,
              doc.m_adSectionModulusAtStation[m][SectionModulusSlot(c, kFibreGirderBottom)],
              kUnitModulus);
        value(860, format,
              doc.m_adSectionModulusAtStation[m][SectionModulusSlot(c, kFibreGirderTop)],
              kUnitModulus);
        // The deck-top modulus: only the sections with a deck have one.
        if (c == kSectionCaseDeck || c == kSectionCaseOverlay ||
            c == kSectionCaseTransformedOverlay) {
            value(880, format,
                  doc.m_adSectionModulusAtStation[m][SectionModulusSlot(c, kFibreDeckTop)],
                  kUnitModulus);
        }
    }
    dc.SetTextAlign(kAlignLeft | kAlignTop);
}

}  // namespace kordel

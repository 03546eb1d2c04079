#include "views/sheet_page3.h"

#include <algorithm>
#include <string>
#include <vector>

#include "document/kordel_doc.h"
#include "report/format.h"

// The formats chosen here (by the unit system) are all the sheet's own literals.
#pragma GCC diagnostic ignored "-Wformat-nonliteral"

namespace kordel {

using namespace platform::ui;

namespace {

/// Height of the girder with its haunch and deck, in.
double DeckTop(const CKordelDoc& doc) {
    return doc.m_dSectionHeight + doc.m_dHaunchThickness + doc.m_dDeckThickness;
}

/// The deck of a composite design centred on X, over the girder's height.
void DrawDeck(DC& dc, const CKordelDoc& doc, int X, int Y, double s) {
    dc.SelectPen(sheet::kBlackPen);
    dc.SelectBrush(sheet::kGreyBrush);
    if (!doc.m_bCompositeDeck) return;
    const double dw = doc.m_dDeckWidth;
    dc.Rectangle({X - ToLogical(s * dw / 2.0), ToLogical(DeckTop(doc) * s) + Y,
                  ToLogical(s * dw / 2.0) + X, ToLogical(s * doc.m_dSectionHeight) + Y});
}

/// Every bar of `bars` whose run holds `x` (ft from the girder end), as a circle of its size.
void DrawCutBars(DC& dc, const RebarBar* bars, int count, double x, int X, int Y, double s) {
    dc.SelectPen(sheet::kBlackPen);
    dc.SelectBrush(sheet::kGreyBrush);
    for (int i = 0; i < std::clamp(count, 0, kMaxRebarBars); ++i) {
        const RebarBar& bar = bars[i];
        if (!(bar.m_adStart[kBarX] <= x && x <= bar.m_adEnd[kBarX])) continue;
        const double r = (bar.m_nBarSize / 8.0 * s) / 2.0;
        const double cx = X + s * bar.m_adStart[kBarZ];
        const double cy = Y + s * bar.m_adStart[kBarY];
        dc.Ellipse({ToLogical(cx - r + 0.5), ToLogical(cy - r + 0.5), ToLogical(cx + r + 0.5),
                    ToLogical(cy + r + 0.5)});
    }
}

/// A bar layout table: frame, rules and headings from `top`, one row per layout row.
void DrawLayoutTable(DC& dc, const SheetDrawing& sheet, const double (*rows)[kRebarRowValueCount],
                     int count, int top, int bottom, int rulesTop, int firstRow) {
    DrawTableFrame(dc, {400, top, 725, bottom});
    DrawRule(dc, {400, top - 15}, {725, top - 15});
    for (int x : {445, 490, 550, 610, 670}) DrawRule(dc, {x, rulesTop}, {x, bottom});
    const char* ft = sheet.Label(kUnitFeet).c_str();
    const Font large = dc.SelectFont(sheet::kMiddleFont);
    DrawCentredText(dc, {422, top - 2}, "Qty");
    DrawCentredText(dc, {467, top - 2}, "Size");
    DrawCentredText(dc, {520, top - 2},
                    Format("Ht. (%s)", sheet.Label(kUnitInchesAsMetres).c_str()));
    DrawCentredText(dc, {580, top - 2}, Format("Start(%s)", ft));
    DrawCentredText(dc, {640, top - 2}, Format("End(%s)", ft));
    DrawCentredText(dc, {697, top - 2},
                    Format("Area(%s)", sheet.Label(kUnitSquareInches).c_str()));
    dc.SelectFont(large);
    const int step = ToLogical(0.9 * MeasureLineHeight(dc));
    const bool metric = sheet.Metric();
    dc.SetTextAlign(kAlignRight | kAlignTop);
    int y = firstRow;
    for (int i = 0; i < std::clamp(count, 0, kMaxLongitRebarRows); ++i) {
        const double* row = rows[i];
        dc.TextOut({440, y}, Format("%2.0f", row[kRebarRowBars]));
        dc.TextOut({485, y}, Format("%2.0f", row[kRebarRowBarSize]));
        const char* length = metric ? "%5.3f" : "%5.2f";
        dc.TextOut({545, y},
                   Format(length, row[kRebarRowElevation] * sheet.Factor(kUnitInchesAsMetres)));
        dc.TextOut({605, y}, Format(length, row[kRebarRowStart] * sheet.Factor(kUnitFeet)));
        dc.TextOut({665, y}, Format(length, row[kRebarRowEnd] * sheet.Factor(kUnitFeet)));
        dc.TextOut({720, y}, Format(metric ? "%5.0f" : "%5.2f",
                                    row[kRebarRowArea] * sheet.Factor(kUnitSquareInches)));
        y -= step;
    }
    dc.SetTextAlign(kAlignLeft | kAlignTop);
}

}  // namespace

void DrawSheetPage3(DC& dc, const SheetDrawing& sheet, int K) {
    dc.SelectBrush(sheet::kWhiteBrush);
    dc.SelectFont(sheet::kLargeFont);
    dc.SelectPen(sheet::kBlackPen);
    dc.SetTextAlign(kAlignLeft | kAlignTop);
    dc.SetBkMode(BkMode::Transparent);
    DrawShearZones(dc, sheet, K);
    DrawRebarElevation(dc, sheet, K);
    DrawRebarSections(dc, sheet, K);
    DrawRebarTables(dc, sheet, K);
}

// ---- Shear reinforcement -----------------------------------------------------------------------

void DrawShearZones(DC& dc, const SheetDrawing& sheet, int K) {
    const CKordelDoc& doc = sheet.doc;
    const bool layout = doc.m_bStirrupLayout != 0;
    DrawBox(dc, {10, K - 2010, 725, K - 2110},
            layout ? "Beam Elevation - Stirrup Layout" : "Beam Elevation - Shear Steel Layout",
            {357, K - 2090});
    const int Y = K - 2080;
    const double height = DeckTop(doc);
    const double s = FitScale(705.0, 12.0 * doc.m_dGirderLength, 65.0, height);
    DrawBeamElevation(dc, doc, Y, s);
    if (doc.m_nPrestressType == kPostTensioned) DrawClosurePours(dc, doc, Y, s);

    // The boundaries of each zone: its start and its end.
    dc.SelectPen(sheet::kBlackPen);
    const int Hs = ToLogical(0.95 * s * height);
    const int Yb = ToLogical(0.05 * s * height) + Y;
    const int zones = std::clamp(doc.m_nStirrupZoneCount, 0, kMaxStirrupZones);
    double x = 15.0;
    for (int i = 0; i < zones; ++i) {
        const double* zone = doc.m_adStirrupZones[i];
        x = layout ? x + s * zone[kZoneGap] * 12.0
                   : (zone[kZoneEnd] - zone[kZoneLength]) * s * 12.0 + 15.0;
        DrawRule(dc, {ToLogical(x), Yb}, {ToLogical(x), Yb + Hs});
        x = layout ? x + s * zone[kZoneSpaces] * zone[kZoneSpacing] : s * zone[kZoneEnd] * 12.0 + 15.0;
        DrawRule(dc, {ToLogical(x), Yb}, {ToLogical(x), Yb + Hs});
    }

    // The zone tables: zones 1 to 10 on the left, 11 to 20 on the right.
    const char* ft = sheet.Label(kUnitFeet).c_str();
    for (int c : {0, 365}) {
        DrawTableFrame(dc, {10 + c, K - 2120, 360 + c, K - 2287});
        DrawRule(dc, {10 + c, K - 2135}, {360 + c, K - 2135});
        static const std::vector<int> kLayoutRules{40, 90, 140, 240, 290};
        static const std::vector<int> kAreaRules{50, 150, 220, 290};
        for (int rule : layout ? kLayoutRules : kAreaRules)
            DrawRule(dc, {rule + c, K - 2120}, {rule + c, K - 2285});
        const Font large = dc.SelectFont(sheet::kMiddleFont);
        const int y = K - 2122;
        if (layout) {
            DrawCentredText(dc, {25 + c, y}, "Zone");
            DrawCentredText(dc, {65 + c, y}, Format("Gap (%s)", ft));
            DrawCentredText(dc, {115 + c, y}, "Bar Size");
            DrawCentredText(dc, {190 + c, y},
                            Format("Spaces@Spac (%s)", sheet.Label(kUnitInches).c_str()));
            DrawCentredText(dc, {265 + c, y}, Format("End (%s)", ft));
            DrawCentredText(dc, {327 + c, y},
                            Format("A (%s)", sheet.Label(kUnitAreaPerLength).c_str()));
        } else {
            DrawCentredText(dc, {30 + c, y}, "Zone");
            DrawCentredText(dc, {100 + c, y}, Format("Area of steel (%s)",
                                                     sheet.Label(kUnitAreaPerLength).c_str()));
            DrawCentredText(dc, {185 + c, y}, Format("Length (%s)", ft));
            DrawCentredText(dc, {255 + c, y}, Format("Start (%s)", ft));
            DrawCentredText(dc, {325 + c, y}, Format("End (%s)", ft));
        }
        dc.SelectFont(large);
    }

    const bool metric = sheet.Metric();
    const char* length = metric ? "%6.3f" : "%6.2f";
    const char* spaces = metric ? "%2.0f sp. @ %5.0f" : "%2.0f sp. @ %5.2f";
    const char* area = metric ? "%6.3f" : "%6.2f";
    const double fFt = sheet.Factor(kUnitFeet);
    const double fArea = sheet.Factor(kUnitAreaPerLength);
    const int step = ToLogical(0.9 * MeasureLineHeight(dc));
    dc.SetTextAlign(kAlignRight | kAlignTop);
    int c = 0;
    int y = K - 2137;
    int counter = 0;
    for (int i = 0; i < zones; ++i) {
        const double* zone = doc.m_adStirrupZones[i];
        if (layout) {
            dc.TextOut({c + 35, y}, Format("%2d", i + 1));
            dc.TextOut({c + 85, y}, Format(length, zone[kZoneGap] * fFt));
            dc.TextOut({c + 135, y}, Format("%2.0f", zone[kZoneBarSize]));
            dc.TextOut({c + 235, y}, Format(spaces, zone[kZoneSpaces],
                                            zone[kZoneSpacing] * sheet.Factor(kUnitInches)));
            dc.TextOut({c + 285, y}, Format(length, zone[kZoneEnd] * fFt));
            dc.TextOut({c + 355, y}, Format(area, zone[kZoneArea] * fArea));
        } else {
            dc.TextOut({c + 40, y}, Format("%2d", i + 1));
            dc.TextOut({c + 120, y}, Format(area, zone[kZoneArea] * fArea));
            dc.TextOut({c + 205, y}, Format(length, zone[kZoneLength] * fFt));
            dc.TextOut({c + 265, y}, Format(length, (zone[kZoneEnd] - zone[kZoneLength]) * fFt));
            dc.TextOut({c + 335, y}, Format(length, zone[kZoneEnd] * fFt));
        }
        ++counter;
        y -= step;
        if (counter > 9) {
            counter = 0;
            y = K - 2137;
            c = 365;
        }
    }
    dc.SetTextAlign(kAlignLeft | kAlignTop);
}

// ---- Longitudinal bars -------------------------------------------------------------------------

void DrawRebarElevation(DC& dc, const SheetDrawing& sheet, int K) {
    const CKordelDoc& doc = sheet.doc;
    DrawBox(dc, {10, K - 2330, 725, K - 2430}, "Beam Elevation - Longitudinal Rebar",
            {367, K - 2410});
    const int Y = K - 2400;
    const double L = doc.m_dGirderLength;
    const double s = FitScale(705.0, 12.0 * L, 245.0, DeckTop(doc));
    DrawBeamElevation(dc, doc, Y, s);
    dc.SelectPen(sheet::kBlackPen);
    dc.SelectBrush(sheet::kGreyBrush);
    if (doc.m_bCompositeDeck) {
        dc.Rectangle({15, ToLogical(DeckTop(doc) * s) + Y, ToLogical(12.0 * s * L) + 15,
                      ToLogical(s * doc.m_dSectionHeight) + Y});
    }
    dc.SelectPen(sheet::kTealPen);
    auto bars = [&](const RebarBar* list, int count) {
        for (int i = 0; i < std::clamp(count, 0, kMaxRebarBars); ++i) {
            const RebarBar& bar = list[i];
            const int y = ToLogical(s * bar.m_adStart[kBarY]) + Y;
            DrawRule(dc, {ToLogical(s * bar.m_adStart[kBarX] * 12.0) + 15, y},
                     {ToLogical(s * bar.m_adEnd[kBarX] * 12.0) + 15, y});
        }
    };
    bars(doc.m_aGirderBars, doc.m_nGirderBarCount);
    bars(doc.m_aDeckBars, doc.m_nDeckBarCount);
    dc.SelectPen(sheet::kBlackPen);
    if (doc.m_nPrestressType == kPostTensioned) DrawClosurePours(dc, doc, Y, s);
}

void DrawRebarSections(DC& dc, const SheetDrawing& sheet, int K) {
    const CKordelDoc& doc = sheet.doc;
    const double W = std::max(doc.m_dTopFlangeWidth, doc.m_dDeckWidth);
    const double s = FitScale(175.0, W, 245.0, DeckTop(doc));
    const int Y = K - 2690;

    DrawBox(dc, {10, K - 2435, 195, K - 2720}, "Face L Bearing", {102, K - 2705});
    DrawSectionOutline(dc, doc, sheet.endOutline, sheet.endOutlineCount, 102, Y, s,
                       doc.m_bIncludeEndBlocks != 0);
    DrawDeck(dc, doc, 102, Y, s);
    const double xs = doc.m_adStationX[kStationLeftBearingFace] + doc.m_dEndDistance;
    DrawCutBars(dc, doc.m_aGirderBars, doc.m_nGirderBarCount, xs, 102, Y, s);
    DrawCutBars(dc, doc.m_aDeckBars, doc.m_nDeckBarCount, xs, 102, Y, s);

    DrawBox(dc, {200, K - 2440, 385, K - 2725}, "Midspan", {292, K - 2700});
    DrawSectionOutline(dc, doc, 292, Y, s);
    DrawDeck(dc, doc, 292, Y, s);
    const double xm = doc.m_adStationX[kStationMidspan] + doc.m_dEndDistance;
    DrawCutBars(dc, doc.m_aGirderBars, doc.m_nGirderBarCount, xm, 292, Y, s);
    DrawCutBars(dc, doc.m_aDeckBars, doc.m_nDeckBarCount, xm, 292, Y, s);
}

void DrawRebarTables(DC& dc, const SheetDrawing& sheet, int K) {
    const CKordelDoc& doc = sheet.doc;
    dc.SelectPen(sheet::kBlackPen);
    dc.SelectBrush(sheet::kWhiteBrush);
    dc.SelectFont(sheet::kLargeFont);
    DrawCentredText(dc, {562, K - 2430}, "Longitudinal Rebar (Beam)");
    DrawLayoutTable(dc, sheet, doc.m_adGirderRebarRows, doc.m_nGirderRebarRowCount, K - 2445,
                    K - 2605, K - 2447, K - 2461);
    // The deck table's caption stands inside the lower part of its frame, so after it.
    DrawLayoutTable(dc, sheet, doc.m_adDeckRebarRows, doc.m_nDeckRebarRowCount, K - 2620,
                    K - 2720, K - 2620, K - 2637);
    DrawCentredText(dc, {562, K - 2704}, "Longitudinal Rebar (Deck)");
}

}  // namespace kordel

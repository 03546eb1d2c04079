#include "views/sheet_page2.h"

#include <algorithm>
#include <string>

#include "document/kordel_doc.h"
#include "report/format.h"

// The formats chosen here (by the unit system) are all the sheet's own literals.
#pragma GCC diagnostic ignored "-Wformat-nonliteral"

namespace kordel {

using namespace platform::ui;

namespace {

/// The strand groups used.
int GroupCount(const CKordelDoc& doc) {
    return std::clamp(doc.m_nStrandGroupCount, 0, kMaxStrandGroups);
}

bool IsPair(const StrandGroup& group) {
    return group[kGroupStrands] == 2.0;
}

/// A length, elevation or table value in the sheet's format for the unit system.
const char* TableFormat(const SheetDrawing& sheet) {
    return sheet.Metric() ? "%5.3f" : "%5.2f";
}

/// The debonding symbols of one section view: for each group debonded there (value `which`),
/// its symbol centred on the strand (and on its mirror for a pair), in the small font; the
/// groups not debonded there get their dots when `dotsForBonded`.
void DrawDebondSymbols(DC& dc, const SheetDrawing& sheet, int which, int elevation, int X, int Y,
                       double s, bool dotsForBonded) {
    const CKordelDoc& doc = sheet.doc;
    const Font previous = dc.SelectFont(sheet::kSmallFont);
    dc.SetTextAlign(kAlignLeft | kAlignTop);
    int symbol = -1;
    double last = 0.0;
    for (int g = 0; g < GroupCount(doc); ++g) {
        const StrandGroup& group = doc.m_aStrandGroup[g];
        const double length = group[which];
        const double x = group[kGroupLocation];
        const double y = group[elevation];
        if (length == 0.0) {
            if (dotsForBonded) DrawStrandDot(dc, x, y, X, Y, s, IsPair(group));
            continue;
        }
        if (length != last) {
            ++symbol;
            last = length;
        }
        const std::string text = DebondSymbol(sheet.symbols, symbol);
        const Size size = dc.GetTextExtent(text);
        const int top = (size.cy / 2 + Y) + ToLogical(s * y);
        dc.TextOut({(X - size.cx / 2) + ToLogical(s * x), top}, text);
        if (IsPair(group)) dc.TextOut({(X - size.cx / 2) - ToLogical(s * x), top}, text);
    }
    dc.SelectFont(previous);
}

/// A debonding table: its frame, headings and one row per listed length, or a dot and a
/// length of 0 when nothing is debonded. `top` is the heading's y; `s` the view's scale.
void DrawDebondTable(DC& dc, const SheetDrawing& sheet, const std::vector<double>& lengths,
                     const std::string& symbols, const std::string& title, int top, double s) {
    DrawTableFrame(dc, {270, top - 16, 380, top - 186});
    DrawRule(dc, {270, top - 31}, {380, top - 31});
    DrawRule(dc, {320, top - 16}, {320, top - 186});
    const Font large = dc.SelectFont(sheet::kMiddleFont);
    DrawCentredText(dc, {325, top}, title);
    DrawCentredText(dc, {295, top - 18}, "Symbol");
    DrawCentredText(dc, {350, top - 18}, Format("Length (%s)", sheet.Label(kUnitFeet).c_str()));
    dc.SelectFont(large);
    const int h = MeasureLineHeight(dc);
    dc.SelectBrush(sheet::kBlueBrush);
    dc.SetTextAlign(kAlignLeft | kAlignTop);
    const double f = sheet.Factor(kUnitFeet);
    if (lengths.empty()) {
        const int y = top - 41;
        dc.Ellipse({ToLogical(-0.45 * s) + 295, ToLogical(0.45 * s) + y, ToLogical(0.45 * s) + 295,
                    ToLogical(-0.45 * s) + y});
        dc.TextOut({340, top - 33}, Format(TableFormat(sheet), 0.0));
        return;
    }
    int y = top - 33;
    for (size_t k = 0; k < lengths.size(); ++k) {
        dc.TextOut({290, y}, Format("%-1s", DebondSymbol(symbols, static_cast<int>(k)).c_str()));
        dc.TextOut({340, y}, Format(TableFormat(sheet), lengths[k] * f));
        y -= h;
    }
}

}  // namespace

void DrawSheetPage2(DC& dc, const SheetDrawing& sheet, int K) {
    DrawPatternProfile(dc, sheet, K);
    DrawPatternSections(dc, sheet, K);
    DrawPatternTables(dc, sheet, K);
    DrawDebonding(dc, sheet, K);
    DrawCastingData(dc, sheet, K);
}

// ---- Beam Elevation - Pattern Profile ----------------------------------------------------------

void DrawPatternProfile(DC& dc, const SheetDrawing& sheet, int K) {
    const CKordelDoc& doc = sheet.doc;
    dc.SelectFont(sheet::kLargeFont);
    DrawBox(dc, {10, K - 1005, 725, K - 1115}, "Beam Elevation - Pattern Profile",
            {367, K - 1095});
    const int Y = K - 1085;
    const double L = doc.m_dGirderLength;  // ft
    const double s = FitScale(705.0, 12.0 * L, 0.0, 0.0);
    DrawBeamElevation(dc, doc, Y, s);

    // The centroid runs straight from the ends to the drape points and level between them.
    const double xd = ((L - doc.m_dDesignSpan) / 2.0 + doc.m_adStationX[kStationLeftDrape]) * 12.0;
    const double xd2 = (12.0 * L / 2.0 - xd) * 2.0 + xd;
    const int yEnd = ToLogical(s * doc.m_dStrandCgEnd) + Y;
    const int yMid = ToLogical(s * doc.m_dStrandCgMid) + Y;
    const Pen previous = dc.SelectPen(sheet::kRedDottedPen);
    DrawRule(dc, {15, yEnd}, {ToLogical(s * xd) + 15, yMid});
    DrawRule(dc, {ToLogical(s * xd) + 15, yMid}, {ToLogical(s * xd2) + 15, yMid});
    DrawRule(dc, {ToLogical(s * xd2) + 15, yMid}, {ToLogical(12.0 * s * L) + 15, yEnd});
    dc.SelectPen(previous);

    dc.SelectPen(sheet::kBlackPen);
    if (doc.m_nPrestressType == kPostTensioned) DrawClosurePours(dc, doc, Y, s);
}

// ---- Pattern @ End and Pattern @ Drape Pt. -----------------------------------------------------

void DrawPatternSections(DC& dc, const SheetDrawing& sheet, int K) {
    const CKordelDoc& doc = sheet.doc;
    dc.SelectPen(sheet::kGreyPen);
    dc.SelectBrush(sheet::kWhiteBrush);
    dc.Rectangle({10, K - 1130, 375, K - 1365});
    dc.SelectPen(sheet::kBlackPen);
    const double s = SectionScale(sheet.endOutline, sheet.endOutlineCount, 160.0, 200.0);
    const int Y = K - 1340;

    DrawSectionOutline(dc, doc, sheet.endOutline, sheet.endOutlineCount, 94, Y, s,
                       doc.m_bIncludeEndBlocks != 0);
    for (int g = 0; g < GroupCount(doc); ++g) {
        const StrandGroup& group = doc.m_aStrandGroup[g];
        DrawStrandDot(dc, group[kGroupLocation], group[kGroupElevationEnd], 94, Y, s,
                      IsPair(group));
    }
    DrawCentredText(dc, {94, K - 1345}, "Pattern @ End");

    DrawSectionOutline(dc, doc, 274, Y, s);
    for (int g = 0; g < GroupCount(doc); ++g) {
        const StrandGroup& group = doc.m_aStrandGroup[g];
        DrawStrandDot(dc, group[kGroupLocation], group[kGroupElevationDrape], 274, Y, s,
                      IsPair(group));
    }
    DrawCentredText(dc, {274, K - 1345}, "Pattern @ Drape Pt.");
    dc.SelectBrush(sheet::kWhiteBrush);
}

// ---- Straight and draped pattern tables --------------------------------------------------------

void DrawPatternTables(DC& dc, const SheetDrawing& sheet, int K) {
    const CKordelDoc& doc = sheet.doc;
    const double f = sheet.Factor(kUnitInchesAsMetres);
    const char* unit = sheet.Label(kUnitInchesAsMetres).c_str();
    const char* format = TableFormat(sheet);
    const int h = sheet.h;

    // Straight strands across the beam: the template's rows only.
    DrawTableFrame(dc, {400, K - 1150, 500, K - 1610});
    DrawRule(dc, {400, K - 1170}, {500, K - 1170});
    DrawRule(dc, {400, K - 1190}, {500, K - 1190});
    DrawRule(dc, {425, K - 1170}, {425, K - 1610});
    DrawRule(dc, {450, K - 1170}, {450, K - 1610});
    dc.SelectFont(sheet::kLargeFont);
    DrawCentredText(dc, {450, K - 1134}, "Straight Pattern");
    DrawCentredText(dc, {450, K - 1152}, "Across Beam");
    dc.SelectFont(sheet::kMiddleFont);
    DrawCentredText(dc, {412, K - 1172}, "Row");
    DrawCentredText(dc, {437, K - 1172}, "No.");
    DrawCentredText(dc, {475, K - 1172}, Format("Elev (%s)", unit));
    dc.SelectFont(sheet::kLargeFont);
    dc.SetTextAlign(kAlignRight | kAlignTop);
    const int rows = std::clamp(doc.m_nTemplateRowCount, 0, kMaxPatternRows);
    int y = K - 1192;
    int n = 0;
    for (int i = 0; i < rows; ++i) {
        const StrandPatternRow& row = doc.m_aEndRows[i];
        if (row[kRowStraightCount] == 0.0) continue;
        dc.TextOut({420, y}, Format("%2d", ++n));
        dc.TextOut({445, y}, Format("%2.0f", row[kRowStraightCount]));
        dc.TextOut({495, y}, Format(format, row[kRowStraightElevation] * f));
        y -= h;
    }

    // Draped strands at the beam end and at the drape point: every row of each pattern.
    DrawTableFrame(dc, {525, K - 1150, 725, K - 1610});
    DrawRule(dc, {525, K - 1170}, {725, K - 1170});
    DrawRule(dc, {525, K - 1190}, {725, K - 1190});
    DrawRule(dc, {625, K - 1150}, {625, K - 1610});
    for (int x : {550, 575, 650, 675}) DrawRule(dc, {x, K - 1170}, {x, K - 1610});
    DrawCentredText(dc, {625, K - 1134}, "Draped Pattern");
    DrawCentredText(dc, {575, K - 1152}, "Beam End");
    DrawCentredText(dc, {675, K - 1152}, "Drape Point");
    dc.SelectFont(sheet::kMiddleFont);
    for (int c : {0, 100}) {
        DrawCentredText(dc, {537 + c, K - 1172}, "Row");
        DrawCentredText(dc, {562 + c, K - 1172}, "No.");
        DrawCentredText(dc, {600 + c, K - 1172}, Format("Elev(%s)", unit));
    }
    dc.SelectFont(sheet::kLargeFont);
    dc.SetTextAlign(kAlignRight | kAlignTop);
    for (int c : {0, 100}) {
        const StrandPatternRow* pattern = c == 0 ? doc.m_aEndRows : doc.m_aDrapeRows;
        y = K - 1192;
        n = 0;
        for (int i = 0; i < kMaxPatternRows; ++i) {
            const StrandPatternRow& row = pattern[i];
            if (row[kRowDrapedCount] == 0.0) continue;
            dc.TextOut({545 + c, y}, Format("%2d", ++n));
            dc.TextOut({570 + c, y}, Format("%2.0f", row[kRowDrapedCount]));
            dc.TextOut({620 + c, y}, Format(format, row[kRowDrapedElevation] * f));
            y -= h;
        }
    }
    dc.SetTextAlign(kAlignLeft | kAlignTop);
}

// ---- Debonding ----------------------------------------------------------------------------------

std::vector<double> DebondLengths(const SheetDrawing& sheet, int which) {
    std::vector<double> lengths;
    double last = 0.0;
    for (int g = 0; g < GroupCount(sheet.doc); ++g) {
        const double length = sheet.doc.m_aStrandGroup[g][which];
        if (length != 0.0 && length != last) {
            lengths.push_back(length);
            last = length;
        }
    }
    return lengths;
}

void DrawDebonding(DC& dc, const SheetDrawing& sheet, int K) {
    const CKordelDoc& doc = sheet.doc;

    // The end view: a debonded strand shows its symbol in place of its dot.
    dc.SelectFont(sheet::kLargeFont);
    DrawBox(dc, {10, K - 1375, 250, K - 1600}, "Debonding Pattern (End View)", {130, K - 1580});
    const double sEnd = SectionScale(sheet.endOutline, sheet.endOutlineCount, 230.0, 190.0);
    DrawSectionOutline(dc, doc, sheet.endOutline, sheet.endOutlineCount, 130, K - 1575, sEnd,
                       doc.m_bIncludeEndBlocks != 0);
    dc.SelectBrush(sheet::kBlueBrush);
    const std::vector<double> endLengths = DebondLengths(sheet, kGroupDebondEnd);
    const std::vector<double> midLengths = DebondLengths(sheet, kGroupDebondMid);
    DrawDebondSymbols(dc, sheet, kGroupDebondEnd, kGroupElevationEnd, 130, K - 1575, sEnd, true);
    DrawDebondTable(dc, sheet, endLengths, sheet.symbols, "End Debonding", K - 1375, sEnd);

    // The mid view: every strand's dot, a debonded one with its symbol over it.
    dc.SelectFont(sheet::kLargeFont);
    dc.SetTextAlign(kAlignLeft | kAlignTop);
    DrawBox(dc, {10, K - 1605, 250, K - 1830}, "Debonding Pattern (Mid View)", {130, K - 1810});
    const double sMid = SectionScale(doc.m_adOutline, doc.m_nOutlinePointCount, 230.0, 190.0);
    const int Y = K - 1805;
    DrawSectionOutline(dc, doc, 130, Y, sMid);
    for (int g = 0; g < GroupCount(doc); ++g) {
        const StrandGroup& group = doc.m_aStrandGroup[g];
        DrawStrandDot(dc, group[kGroupLocation], group[kGroupElevationDrape], 130, Y, sMid,
                      IsPair(group));
    }
    DrawDebondSymbols(dc, sheet, kGroupDebondMid, kGroupElevationDrape, 130, Y, sMid, true);
    DrawDebondTable(dc, sheet, midLengths, sheet.midTableSymbols, "Mid Debonding", K - 1605,
                    sMid);
}

// ---- Debonding totals and casting data ---------------------------------------------------------

void DrawCastingData(DC& dc, const SheetDrawing& sheet, int K) {
    const CKordelDoc& doc = sheet.doc;
    dc.SelectPen(sheet::kBlackPen);
    dc.SelectBrush(sheet::kWhiteBrush);
    dc.SelectFont(sheet::kLargeFont);
    dc.SetTextAlign(kAlignLeft | kAlignTop);
    dc.SetBkMode(BkMode::Transparent);

    dc.TextOut({10, K - 1832}, Format("No. Debonded=%2.0f (%4.1f%%)",
                                      doc.m_adDebondSummary[kDebondedStrands],
                                      doc.m_adDebondSummary[kDebondedPercent]));
    dc.TextOut({190, K - 1832},
               Format(sheet.Metric() ? "Total Debonded Length=%6.2f m"
                                     : "Total Debonded Length=%6.1f ft",
                      doc.m_dDebondedStrandLength * sheet.Factor(kUnitFeet)));

    const int h = MeasureLineHeight(dc);
    dc.TextOut({10, K - 1850}, "Pattern Properties/Casting Data:");
    const double fKips = sheet.Factor(kUnitKips);
    const char* kips = sheet.Label(kUnitKips).c_str();
    const double strandForce = doc.m_dStrandUnitArea * doc.m_dStrandFpu * fKips;
    int y = K - 1850 - h;
    dc.TextOut({20, y}, Format("No. Strands: %2d @ %7.3f %s ea.",
                               doc.m_nStrandCount - doc.m_nTopPullStrandCount,
                               doc.m_dPullFraction * strandForce, kips));
    if (doc.m_dTopPullFraction != doc.m_dPullFraction) {
        dc.TextOut({20, y - h}, Format("Top Strands: %2d @ %7.3f %s ea.",
                                       doc.m_nTopPullStrandCount,
                                       doc.m_dTopPullFraction * strandForce, kips));
    }

    const double fIn = sheet.Factor(kUnitInchesAsMetres);
    const char* in = sheet.Label(kUnitInchesAsMetres).c_str();
    dc.TextOut({220, y}, Format("cg@end=%7.3f %s", doc.m_dStrandCgEnd * fIn, in));
    dc.TextOut({220, y - h}, Format("cg@mid=%7.3f %s", doc.m_dStrandCgMid * fIn, in));

    dc.TextOut({350, y},
               Format("ES: %5.2f %s", doc.m_adHoldDownSummary[kElasticShortening] *
                                          sheet.Factor(kUnitInches),
                      sheet.Label(kUnitInches).c_str()));

    if (doc.m_nPatternType == kPatternDraped) {
        const double fFt = sheet.Factor(kUnitFeet);
        const char* ft = sheet.Label(kUnitFeet).c_str();
        dc.TextOut({450, y}, "Hold-Down Forces:");
        dc.TextOut({460, y - h},
                   Format("  Force = %7.3f %s", doc.m_adHoldDownSummary[kHoldDownForce] * fKips,
                          kips));
        const double first = doc.m_adHoldDownSummary[kHoldDownFirstPoint] * fFt;
        const double second = doc.m_adHoldDownSummary[kHoldDownSecondPoint] * fFt;
        dc.TextOut({460, y - 2 * h},
                   doc.m_dDrapeFraction == 0.5
                       ? Format("  Loc1=%7.3f %s", first, ft)
                       : Format("  Loc1=%7.3f %s, Loc2=%7.3f %s", first, ft, second, ft));
    }
}

}  // namespace kordel

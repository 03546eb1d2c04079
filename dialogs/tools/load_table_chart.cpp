#include "dialogs/tools/load_table_chart.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "document/kordel_doc.h"
#include "platform/host.h"
#include "report/format.h"
#include "views/title_block.h"

namespace kordel {

using namespace platform::ui;

namespace {

const Font kAxisFont{"Arial", -11};
const Font kAxisTitleFont{"Arial", -11, kFontWeightBold};
/// The axis title font turned to read from top to bottom.
const Font kStrandAxisTitleFont{"Arial", -11, kFontWeightBold, false, false, -900};
const Font kPanelFont{"Arial", -10};
const Font kPanelBoldFont{"Arial", -10, kFontWeightBold};
const Font kPrintFont{"Arial", -11};
const Font kTitleFont{"Arial", -14};
const Font kFootFont{"Arial", -8};
const Pen kBlackPen{PenStyle::Solid, 0, kBlack};

/// Lines of the printed tables: the line step, the line under which a page is full, and where
/// lines start on the first page (the heading's rule) and on continuation pages.
constexpr int kLineStep = 15;
constexpr int kPageFull = 1020;
constexpr int kFirstPageRule = -600;
constexpr int kContinuationTop = -150;

int Trunc(double v) {
    return ToLogical(v);
}

/// The rows of tables 1 to the count, in the order the chart draws them.
template <class Visit>
void ForEachRow(const LoadTableSet& set, Visit&& visit) {
    const int tables = std::clamp(set.m_nTables, 0, kMaxLoadTables);
    for (int t = 1; t <= tables; ++t) {
        const LoadTable& table = set.m_aTables[t];
        const int rows = std::clamp(table.m_nRows, 0, kMaxLoadTableRows);
        for (int r = 1; r <= rows; ++r) visit(t, r, table);
    }
}

void DrawSection(DC& dc, const Rect& box, const CKordelDoc& doc) {
    const int points = std::clamp(doc.m_nOutlinePointCount, 0, kMaxOutlinePoints);
    if (points == 0) return;
    double xMax = 0, xMin = 0, yMax = 0, yMin = 0;
    for (int i = 0; i < points; ++i) {
        xMax = std::max(xMax, doc.m_adOutline[i][0]);
        xMin = std::min(xMin, doc.m_adOutline[i][0]);
        yMax = std::max(yMax, doc.m_adOutline[i][1]);
        yMin = std::min(yMin, doc.m_adOutline[i][1]);
    }
    const double xRange = xMax - xMin;
    const double yRange = yMax - yMin;
    // A section of no width or no height has no scale to be drawn at.
    if (!(xRange > 0.0) || !(yRange > 0.0)) return;
    const double width = box.right - box.left;
    const double height = box.top - box.bottom;
    const double k = std::min(std::abs(0.9 * width / xRange), std::abs(0.9 * height / yRange));
    const int cx = (box.left + box.right) / 2;
    const int cy = Trunc((box.top + box.bottom) / 2.0 - yRange * k / 2.0);
    auto at = [&](double x, double y) { return Point{Trunc(k * x) + cx, Trunc(k * y) + cy}; };

    std::vector<Point> outline;
    for (int i = 0; i < points; ++i) outline.push_back(at(doc.m_adOutline[i][0], doc.m_adOutline[i][1]));
    dc.Polyline(outline);
    const int voidPoints = std::clamp(doc.m_nVoidPointCount, 0, kMaxOutlinePoints);
    if (voidPoints > 0) {
        std::vector<Point> hole;
        for (int i = 0; i < voidPoints; ++i)
            hole.push_back(at(doc.m_adVoidOutline[i][0], doc.m_adVoidOutline[i][1]));
        dc.Polyline(hole);
    }
    const int circles = std::clamp(doc.m_nCircularVoidCount, 0, kMaxCircularVoids);
    for (int i = 0; i < circles; ++i) {
        const Point c = at(doc.m_adCircularVoid[i][0], doc.m_adCircularVoid[i][1]);
        const int radius = Trunc(k * doc.m_adCircularVoid[i][2]);
        dc.Ellipse({c.x - radius, c.y + radius, c.x + radius, c.y - radius});
    }
}

void DrawPanel(DC& dc, const Rect& r, int y0, const LoadTableSet& set, const CKordelDoc& doc) {
    const Pen previousPen = dc.SelectPen(kBlackPen);
    const Brush previousBrush = dc.SelectBrush(Brush{BrushStyle::Solid, kWhite});
    dc.Rectangle({r.right - 130, r.top - 10, r.right - 5, y0});
    DrawSection(dc, {r.right - 126, r.top - 14, r.right - 9, r.top - 114}, doc);

    dc.SelectFont(kPanelFont);
    const int line = dc.GetTextExtent("88888").cy;
    const int x = r.right - 125;
    int y = r.top - 115;
    dc.SetTextAlign(kAlignLeft | kAlignTop);
    auto text = [&](const Font& font, int at, const std::string& s) {
        dc.SelectFont(font);
        dc.TextOut({at, y}, s);
    };
    auto pair = [&](int valueX, const char* label, const std::string& value) {
        text(kPanelFont, x, label);
        text(kPanelFont, x + valueX, value);
        y -= line;
    };
    text(kPanelFont, x, Format("ID: %s", doc.m_strSectionName.c_str()));
    y -= line;
    pair(20, "Ht", Format("%5.1f in", doc.m_dSectionHeight));
    pair(20, "A", Format("%4.0f in2", doc.m_dSectionArea));
    pair(20, "MI", Format("%6.0f in4", doc.m_dSectionIxx));
    pair(20, "cg", Format("%6.2f in", doc.m_dSectionYb));

    y -= 5;
    text(kPanelBoldFont, x, "Controlling Mode");
    y -= line;
    // A sample line for each mode the rows were designed on; a mode left out is said so in its
    // place, so that a table designed on one check never reads as a full design.
    const Colour first = LoadTableColour(1);
    struct Mode {
        PenStyle style;
        const char* name;
        bool checked;
    };
    for (const Mode m : {Mode{PenStyle::Solid, "Stress", set.m_checks.stress},
                         Mode{PenStyle::Dot, "Strength", set.m_checks.strength}}) {
        if (m.checked) {
            dc.SelectPen(Pen{m.style, 0, first});
            dc.MoveTo({x, y - line / 2});
            dc.LineTo({x + 25, y - line / 2});
            text(kPanelFont, x + 30, m.name);
        } else {
            text(kPanelFont, x, Format("%s not checked", m.name));
        }
        y -= line;
    }

    y -= 5;
    text(kPanelBoldFont, x, "Beam Spacing");
    y -= line;
    for (int t = 1; t <= std::clamp(set.m_nTables, 0, kMaxLoadTables); ++t) {
        dc.SelectPen(Pen{PenStyle::Solid, 0, LoadTableColour(t)});
        dc.MoveTo({x, y - line / 2});
        dc.LineTo({x + 20, y - line / 2});
        text(kPanelFont, x + 24, std::string(1, LoadTableLetter(t)));
        text(kPanelFont, x + 35, LoadTableSpacingLabel(set.m_aTables[t].m_dSpacing));
        y -= line;
    }

    y -= 5;
    text(kPanelBoldFont, x, "Proj Parameters");
    y -= line;
    const int edition = doc.m_nSpecEdition;
    const std::string editionName =
        edition >= 0 && edition < static_cast<int>(doc.m_saSpecEditions.size())
            ? doc.m_saSpecEditions[static_cast<size_t>(edition)]
            : std::string();
    pair(45, "Spec:", editionName);
    pair(45, "LL", doc.m_recCurrentVehicle.m_strName);
    pair(45, "W,brg", Format("%6.2f ft", doc.m_dBridgeWidth));
    pair(45, "t,wear", Format("%5.2f in", doc.m_dWearingSurfaceThickness));
    pair(45, "f'c", Format("%5.2f ksi", doc.m_dBeamFc));
    pair(45, "f'ct", Format("%5.2f ksi", doc.m_dDeckFc));
    pair(45, "Strand", doc.m_strStrandName);
    pair(45, "Drape", Format("%5.2f x L", doc.m_dDrapeFraction));
    pair(45, "fb,allow", Format("%6.3f ksi", doc.m_dAllowFinalTensionAllLoads));

    dc.SelectBrush(previousBrush);
    dc.SelectPen(previousPen);
}

}  // namespace

StrandAxis StrandAxisFor(double maxStrands, double minStrands) {
    StrandAxis axis;
    const double m = std::max(std::abs(maxStrands), std::abs(minStrands));
    axis.top = (std::floor(m / 10.0) + 1.0) * 10.0;
    axis.step = axis.top <= 100.0 ? 10 : 25;
    axis.intervals = std::max(1, static_cast<int>(axis.top) / axis.step);
    return axis;
}

SpanAxis SpanAxisFor(double maxSpan, double minSpan) {
    SpanAxis axis;
    const double a = std::abs(maxSpan);
    const double b = std::abs(minSpan);
    axis.hi = std::ceil(std::max(a, b) / 10.0) * 10.0;
    axis.lo = std::floor(std::min(a, b) / 10.0) * 10.0;
    // Spans all on one multiple of 10: an axis one interval wide rather than none.
    if (axis.hi <= axis.lo) axis.hi = axis.lo + 10.0;
    axis.intervals = std::max(1, static_cast<int>(axis.hi - axis.lo) / 10);
    return axis;
}

Colour LoadTableColour(int t) {
    switch (t) {
        case 1:
            return Rgb(41, 22, 111);
        case 2:
            return Rgb(218, 37, 29);
        case 3:
            return Rgb(0, 146, 64);
        default:
            return Rgb(113, 99, 93);
    }
}

char LoadTableLetter(int t) {
    return static_cast<char>('A' + std::clamp(t, 1, kMaxLoadTables) - 1);
}

std::string LoadTableSpacingLabel(double spacing) {
    return Format("%5.2f ft", spacing);
}

void DrawLoadTableChart(DC& dc, const Rect& r, const LoadTableSet& set, const CKordelDoc& doc) {
    const Pen previousPen = dc.SelectPen(kBlackPen);
    const Font previousFont = dc.SelectFont(kAxisFont);
    dc.SetBkMode(BkMode::Transparent);
    dc.SetTextColour(kBlack);

    const Size hundred = dc.GetTextExtent("100");
    const int w = hundred.cx;
    const int h = hundred.cy;
    // The strand-axis title reads down the axis left of its tick labels, its letter tops w + 10
    // left of the axis. The plot starts 32 in from the frame, or further in where the title's
    // line (as high as h: the bold face has the normal one's height) would otherwise cross the
    // frame's left edge, with 2 to spare.
    const int x0 = std::max(r.left + 32, r.left + 2 + h + w + 10);
    const int x1 = r.right - 142;
    const int y0 = r.bottom + 35;
    const int y1 = r.top - 10;
    if (x1 <= x0 || y1 <= y0) {
        dc.SelectFont(previousFont);
        dc.SelectPen(previousPen);
        return;
    }

    double maxStrands = 0, minStrands = 0, maxSpan = 0, minSpan = 0;
    bool any = false;
    ForEachRow(set, [&](int, int row, const LoadTable& t) {
        const double n = t.m_anStrands[row];
        const double s = t.m_adSpan[row];
        if (!any) {
            maxStrands = minStrands = n;
            maxSpan = minSpan = s;
            any = true;
        }
        maxStrands = std::max(maxStrands, n);
        minStrands = std::min(minStrands, n);
        maxSpan = std::max(maxSpan, s);
        minSpan = std::min(minSpan, s);
    });
    const StrandAxis ya = StrandAxisFor(maxStrands, minStrands);
    const SpanAxis xa = SpanAxisFor(maxSpan, minSpan);

    dc.MoveTo({x0, y0});
    dc.LineTo({x1, y0});
    dc.MoveTo({x0, y1});
    dc.LineTo({x0, y0});

    const double dy = static_cast<double>(y0 - y1) / ya.intervals;
    dc.SetTextAlign(kAlignRight | kAlignTop);
    for (int i = 0; i <= ya.intervals; ++i) {
        const int y = Trunc(y1 + i * dy);
        dc.MoveTo({x0, y});
        dc.LineTo({x0 - 4, y});
        dc.TextOut({x0 - 4, y + h / 2},
                   Format("%6.0f", ya.top * (1.0 - static_cast<double>(i) / ya.intervals)));
    }
    // Centred on the axis, the tops of its letters toward it.
    dc.SelectFont(kStrandAxisTitleFont);
    dc.SetTextAlign(kAlignCenter | kAlignTop);
    dc.TextOut({x0 - w - 10, (y0 + y1) / 2}, "Number of Strands");

    const double dx = static_cast<double>(x1 - x0) / xa.intervals;
    dc.SelectFont(kAxisFont);
    dc.SetTextAlign(kAlignCenter | kAlignTop);
    for (int i = 0; i <= xa.intervals; ++i) {
        const int x = Trunc(x0 + i * dx);
        dc.MoveTo({x, y0});
        dc.LineTo({x, y0 - 4});
        dc.TextOut({x, y0 - 6}, Format("%3.0f", xa.lo + 10.0 * i));
    }
    dc.SelectFont(kAxisTitleFont);
    dc.TextOut({(x0 + x1) / 2, y0 - h - 4}, "Span Length (ft)");

    const double sx = (x1 - x0) / (xa.hi - xa.lo);
    const double sy = (y1 - y0) / ya.top;
    dc.SelectFont(kAxisFont);
    dc.SetTextAlign(kAlignLeft | kAlignTop);
    for (int t = 1; t <= std::clamp(set.m_nTables, 0, kMaxLoadTables); ++t) {
        const LoadTable& table = set.m_aTables[t];
        const int rows = std::clamp(table.m_nRows, 0, kMaxLoadTableRows);
        if (rows == 0) continue;
        std::vector<Point> points;
        for (int row = 1; row <= rows; ++row) {
            points.push_back({x0 + Trunc((table.m_adSpan[row] - xa.lo) * sx + 0.5),
                              y0 + Trunc(table.m_anStrands[row] * sy + 0.5)});
        }
        dc.SelectPen(Pen{PenStyle::Solid, 1, LoadTableColour(t)});
        if (points.size() > 1) {
            dc.Polyline(points);
        } else {
            const Point p = points.front();
            dc.Ellipse({p.x - 2, p.y + 2, p.x + 2, p.y - 2});
        }
        dc.SetTextColour(LoadTableColour(t));
        dc.TextOut({points.back().x + 2, points.back().y + h / 2},
                   std::string(1, LoadTableLetter(t)));
        dc.SetTextColour(kBlack);
    }

    DrawPanel(dc, r, y0, set, doc);
    dc.SelectFont(previousFont);
    dc.SelectPen(previousPen);
}

// ---- Printout -----------------------------------------------------------------------------------

std::vector<LoadTableLine> LoadTablePrintLines(const LoadTableSet& set) {
    std::vector<LoadTableLine> lines;
    int page = 1;
    int y = kFirstPageRule;
    auto place = [&]() {
        if (std::abs(y) > kPageFull) {
            ++page;
            y = kContinuationTop;
        }
    };
    for (int t = 1; t <= std::clamp(set.m_nTables, 0, kMaxLoadTables); ++t) {
        y -= kLineStep;
        place();
        lines.push_back({LoadTableLine::Table, t, 0, page, y});
        const int rows = std::clamp(set.m_aTables[t].m_nRows, 0, kMaxLoadTableRows);
        for (int r = 1; r <= rows; ++r) {
            place();
            lines.push_back({LoadTableLine::Row, t, r, page, y});
            y -= kLineStep;
        }
    }
    if (set.m_nTables > 0 && set.m_aTables[std::clamp(set.m_nTables, 1, kMaxLoadTables)].m_nRows <= 0)
        y -= kLineStep;  // a last table without rows printed only its own line
    place();
    lines.push_back({LoadTableLine::Legend, 0, 0, page, y});
    return lines;
}

int LoadTablePageCount(const LoadTableSet& set) {
    return LoadTablePrintLines(set).back().page;
}

void DrawLoadTableTitleBlock(DC& dc, const CKordelDoc& doc, int a, int b, int page, int pages) {
    const Pen previousPen = dc.SelectPen(Pen{PenStyle::Solid, 0, kBlack});
    const Font previousFont = dc.SelectFont(kTitleFont);
    const unsigned previousAlign = dc.SetTextAlign(kAlignLeft | kAlignTop);
    dc.SetBkMode(BkMode::Transparent);

    const Brush previousBrush = dc.SelectBrush(Brush{BrushStyle::Null, kWhite});
    dc.Rectangle({a + 1, b - 1, a + 735, b - 1015});
    dc.SelectBrush(previousBrush);
    dc.MoveTo({a + 1, b - 101});
    dc.LineTo({a + 735, b - 101});
    dc.MoveTo({a + 1, b - 41});
    dc.LineTo({a + 601, b - 41});
    dc.MoveTo({a + 601, b - 1});
    dc.LineTo({a + 601, b - 101});

    const std::vector<int> tabs{70};
    dc.TabbedTextOut({a + 4, b - 44}, Format("Project\t: %s", doc.m_strProject.c_str()), tabs, a);
    dc.TabbedTextOut({a + 4, b - 64}, Format("Task\t: %s", doc.m_strTask.c_str()), tabs, a);
    dc.TabbedTextOut({a + 4, b - 84}, JobNumberLine(dc, doc.m_strJobNumber), tabs, a);
    dc.TextOut({a + 200, b - 84}, ClientLine(dc, doc.m_strClient));
    dc.TextOut({a + 375, b - 84}, FileLine(dc, doc.m_strJobFileName));

    const platform::LocalTime now = platform::GetHost().Now();
    const std::string year = Format("%04d", now.year);
    const std::string date =
        Format("%d/%d/%-2s", now.month, now.day, year.substr(year.size() - 2).c_str());
    RightColumnText(dc, b - 6, "Sht _____ of _____", a);
    RightColumnText(dc, b - 25, Format("By: %s  %s", doc.m_strDesigner.c_str(), date.c_str()), a);
    RightColumnText(dc, b - 45, "Ck _____________", a);
    RightColumnText(dc, b - 82, Format("Kordel p. %d of %d", page, pages), a);

    dc.SelectFont(kFootFont);
    dc.TextOut({a + 1, b - 1016},
               Format("Kordel - Prestressed concrete bridge beam design, version %s",
                      doc.m_strFileVersion.c_str()));
    dc.SetTextAlign(previousAlign);
    dc.SelectFont(previousFont);
    dc.SelectPen(previousPen);
}

bool LoadTablePrintout::OnPreparePrinting(PrintInfo& info) {
    info.SetMaxPage(LoadTablePageCount(m_tables));
    info.previewPages = 1;
    return true;
}

void LoadTablePrintout::OnPrint(DC& dc, PrintInfo& info) {
    struct Column {
        int offset;
        const char* name;
        const char* unit;
    };
    static constexpr Column kColumns[] = {
        {50, "Spacing", "(ft)"},     {90, "Girders", "(no.)"},   {140, "t,slab", "(in)"},
        {190, "UDLs", "(klf/bm)"},   {240, "UDLf", "(klf/bm)"},  {290, "UDLb", "(klf/bm)"},
        {330, "Span", "(ft)"},       {380, "Strands", "(no.)"},  {430, "Reqd f'ci", "(ksi)"},
        {480, "LT Cmb", "(in)"},     {530, "fb", "(ksi)"},       {580, "ft", "(ksi)"},
        {630, "Mu", "(k-ft)"},       {680, "Mr", "(k-ft)"},
    };
    constexpr int kLeft = 70;
    const int page = info.curPage;
    const int pages = LoadTablePageCount(m_tables);

    dc.SetMapMode(MapMode::LoEnglish);
    dc.SetBkMode(BkMode::Transparent);
    dc.SetTextColour(kBlack);
    const Pen previousPen = dc.SelectPen(kBlackPen);
    const Font previousFont = dc.SelectFont(kPrintFont);
    DrawLoadTableTitleBlock(dc, m_doc, 60, -30, page, pages);
    dc.SelectFont(kPrintFont);

    if (page == 1) {
        DrawLoadTableChart(dc, {75, -145, 775, -570}, m_tables, m_doc);
        dc.SelectFont(kPrintFont);
        dc.SelectPen(kBlackPen);
        dc.MoveTo({kLeft, kFirstPageRule});
        dc.LineTo({750, kFirstPageRule});
        dc.SetTextAlign(kAlignRight | kAlignBottom);
        for (const Column& c : kColumns) {
            dc.TextOut({kLeft + c.offset, kFirstPageRule}, c.unit);
            dc.TextOut({kLeft + c.offset, kFirstPageRule + 15}, c.name);
        }
    }

    dc.SetTextAlign(kAlignRight | kAlignBottom);
    auto cell = [&](int column, int y, const std::string& text) {
        dc.TextOut({kLeft + kColumns[column].offset, y}, text);
    };
    for (const LoadTableLine& line : LoadTablePrintLines(m_tables)) {
        if (line.page != page) continue;
        if (line.kind == LoadTableLine::Legend) {
            dc.SetTextAlign(kAlignLeft | kAlignBottom);
            dc.TextOut({kLeft, line.y},
                       "Legend: UDLs=slab wt,f=FWS,b=barriers,LT Cmb=long-term camber,fb=net bot "
                       "stress final,*=governing mode,a=section over-reinforced.");
            dc.SetTextAlign(kAlignRight | kAlignBottom);
            continue;
        }
        const LoadTable& t = m_tables.m_aTables[line.table];
        if (line.kind == LoadTableLine::Table) {
            cell(0, line.y, Format("%5.2f", t.m_dSpacing));
            cell(1, line.y, Format("%3d", t.m_nGirders));
            cell(2, line.y, Format("%5.2f", t.m_dSlab));
            cell(3, line.y, Format("%5.3f", t.m_dSlabLoad));
            cell(4, line.y, Format("%5.3f", t.m_dWearingLoad));
            cell(5, line.y, Format("%5.3f", t.m_dBarrierLoad));
            continue;
        }
        const int r = line.row;
        const int mode = t.m_anMode[r];
        auto star = [&](int governing) { return mode == governing ? "*" : ""; };
        cell(6, line.y, Format("%4.0f", t.m_adSpan[r]));
        cell(7, line.y, Format("%3d", t.m_anStrands[r]));
        cell(8, line.y, Format("%5.3f", t.m_adFci[r]));
        cell(9, line.y, Format("%s%5.2f", star(kLoadTableModeSagGoverned), t.m_adCamber[r]));
        cell(10, line.y, Format("%s%5.3f", star(kLoadTableModeStressGoverned), t.m_adFbMid[r]));
        cell(11, line.y, Format("%5.3f", t.m_adFtMid[r]));
        cell(12, line.y, Format("%s%1.0f", star(kLoadTableModeStrengthGoverned), t.m_adMuMid[r]));
        cell(13, line.y,
             Format("%s%1.0f", t.m_anOverReinforced[r] == 1 ? "a" : "", t.m_adMrMid[r]));
    }
    dc.SelectFont(previousFont);
    dc.SelectPen(previousPen);
}

}  // namespace kordel

#include "views/graph_painters.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <initializer_list>
#include <vector>

#include "document/model_limits.h"
#include "report/format.h"

namespace kordel {

using namespace platform::ui;

namespace {

constexpr double kKsiToMpa = 6.8948;
constexpr double kKipFtToKnM = 1.35582;
constexpr double kKipToKn = 4.4482;
constexpr double kFtToM = 0.3048;
constexpr double kNoSmallest = 999999.9;

const Pen kAxisPen{PenStyle::Solid, 2, kBlack};
const Pen kFramePen{PenStyle::Solid, 1, kBlack};
const Pen kBlueSolid{PenStyle::Solid, 1, {0, 0, 192}};
const Pen kBlueDotted{PenStyle::Dot, 1, {0, 0, 192}};
const Pen kMagentaSolid{PenStyle::Solid, 1, {255, 0, 255}};
const Pen kMagentaDotted{PenStyle::Dot, 1, {255, 0, 255}};
const Pen kRedDashed{PenStyle::Dash, 0, {255, 0, 0}};
const Pen kGreen{PenStyle::Solid, 0, {0, 146, 64}};
const Brush kPanelBrush{BrushStyle::Solid, {232, 232, 232}};
const Font kTitleFont{"Arial", -14};
const Font kLabelFont{"Arial", -11};

/// The plot area's horizontal extent from the block's x.
constexpr int kPlotLeft = 40;
constexpr int kPlotRight = 590;

/// A working copy of a series, converted to the shown units.
struct Copy {
    double v[kStationCount];
    Copy(const GraphSeries& source, double factor) {
        for (int i = 0; i < kStationCount; ++i) v[i] = source[i] * factor;
    }
};

int StationX(int x, int i) {
    return x + kPlotLeft + static_cast<int>(5.5 * i + 0.5);
}

int ValueY(double v, double scale, int zeroY) {
    return ToLogical(v * scale + 0.5) + zeroY;
}

void Line(DC& dc, Point from, Point to) {
    dc.MoveTo(from);
    dc.LineTo(to);
}

void Text(DC& dc, int x, int y, const std::string& text) {
    dc.TextOut({x, y}, WithoutNegativeZeros(text));
}

/// Smallest and largest of a series over the drawn stations.
void Range(const double* v, double& smallest, double& largest) {
    for (int i = 0; i < kGraphPoints; ++i) {
        smallest = std::min(smallest, v[i]);
        largest = std::max(largest, v[i]);
    }
}

double LargestMagnitude(const double* v) {
    double smallest = kNoSmallest;
    double largest = -kNoSmallest;
    Range(v, smallest, largest);
    return std::max(std::fabs(smallest), std::fabs(largest));
}

/// The painter's drawing objects and the state it restores, and what every block shares: the
/// panel, the bottom ticks and labels, and the series lines.
class GraphBlock {
  public:
    GraphBlock(DC& dc, int x, int y, const std::string* title) : m_dc(dc), m_x(x), m_y(y) {
        m_previousPen = dc.GetPen();
        m_previousBrush = dc.GetBrush();
        m_previousFont = dc.GetFont();
        dc.SetMapMode(MapMode::LoEnglish);
        dc.SetTextAlign(kAlignLeft | kAlignTop);
        dc.SelectFont(kTitleFont);
        if (title) Text(dc, x, y, *title);
        dc.SetBkMode(BkMode::Transparent);
        dc.SelectPen(kFramePen);
        dc.SelectBrush(kPanelBrush);
        dc.Rectangle({x, y - 20, x + 715, y - 260});
        dc.SelectBrush(m_previousBrush);
        dc.SelectFont(kLabelFont);
        h = dc.GetTextExtent("This is a string.").cy;
    }
    ~GraphBlock() {
        m_dc.SelectPen(m_previousPen);
        m_dc.SelectBrush(m_previousBrush);
        m_dc.SelectFont(m_previousFont);
    }
    GraphBlock(const GraphBlock&) = delete;
    GraphBlock& operator=(const GraphBlock&) = delete;

    /// The eleven ticks along the bottom, their "0.0L" to "1.0L" labels at `labelDrop` below the
    /// block's top, and the bottom line unless the zero line takes its place.
    void BottomScale(int labelDrop, bool bottomLine) {
        m_dc.SelectPen(kFramePen);
        m_dc.SelectFont(kLabelFont);
        for (int t = 0; t <= 10; ++t) {
            const int tx = m_x + kPlotLeft + 55 * t;
            Line(m_dc, {tx, m_y - 243}, {tx, m_y - 246});
            Text(m_dc, m_x + 55 * t + 35, m_y - labelDrop, Format("%3.1fL", t / 10.0));
        }
        if (bottomLine) Line(m_dc, {m_x + kPlotLeft, m_y - 243}, {m_x + kPlotRight, m_y - 243});
    }

    /// Both vertical axes with the axis pen, and ticks at the `ys` with the frame pen.
    void Axes(const std::vector<int>& ys) {
        for (int axis : {kPlotLeft, kPlotRight}) {
            m_dc.SelectPen(kAxisPen);
            Line(m_dc, {m_x + axis, m_y - 30}, {m_x + axis, m_y - 240});
            m_dc.SelectPen(kFramePen);
            const int from = axis == kPlotLeft ? m_x + 37 : m_x + kPlotRight;
            for (int ty : ys) Line(m_dc, {from, ty}, {from + 3, ty});
        }
    }

    /// A series from the zero line through the 101 points.
    void Series(const double* v, double scale, int zeroY, const Pen& pen) {
        m_dc.SelectPen(pen);
        std::vector<Point> points;
        points.reserve(kGraphPoints + 1);
        points.push_back({m_x + kPlotLeft, zeroY});
        for (int i = 0; i < kGraphPoints; ++i) {
            points.push_back({StationX(m_x, i), ValueY(v[i], scale, zeroY)});
        }
        m_dc.Polyline(points);
    }

    /// A legend entry: a sample line at `lineY` and its label 5 units above it.
    void LegendEntry(const Pen& pen, int lineY, int from, int to, int labelX,
                     const std::string& label) {
        m_dc.SelectPen(pen);
        Line(m_dc, {m_x + from, m_y - lineY}, {m_x + to, m_y - lineY});
        Text(m_dc, m_x + labelX, m_y - lineY + 5, label);
    }

    void LegendFrame(int bottom) {
        m_dc.SelectPen(kFramePen);
        m_dc.Rectangle({m_x + 600, m_y - 30, m_x + 705, m_y - bottom});
    }

    /// The text block's lines from `start` below the top, one step apart; a line starting with
    /// a blank is a value (indented), an empty line is one more step.
    void TextBlock(int start, const std::vector<std::string>& lines) {
        m_dc.SelectFont(kLabelFont);
        int ty = m_y - start;
        for (const std::string& line : lines) {
            if (line.empty()) {
                ty -= h;
                continue;
            }
            const bool value = line[0] == ' ';
            Text(m_dc, m_x + (value ? 610 : 600), ty, value ? line.substr(1) : line);
            ty -= h;
        }
    }

    DC& dc() { return m_dc; }
    int h = 0;

  private:
    DC& m_dc;
    int m_x;
    int m_y;
    Pen m_previousPen;
    Brush m_previousBrush;
    Font m_previousFont;
};

/// The stress scale's axes, labels, zero line and allowable lines.
void StressFrame(GraphBlock& block, DC& dc, int x, int y, const StressGraphScale& s) {
    const int m8 = static_cast<int>(s.above / 8);
    const int b2 = static_cast<int>(s.below / 2);
    dc.SelectPen(kAxisPen);
    Line(dc, {x + kPlotLeft, s.zeroY}, {x + kPlotRight, s.zeroY});
    dc.SelectPen(kFramePen);
    for (int t = 0; t <= 10; ++t) {
        const int tx = x + kPlotLeft + 55 * t;
        Line(dc, {tx, s.zeroY - 2}, {tx, s.zeroY + 2});
    }
    std::vector<int> ticks;
    for (int t = 0; t <= 7; ++t) ticks.push_back(y - 30 - t * m8);
    for (int t = 0; t <= 2; ++t) ticks.push_back(s.zeroY - t * b2);
    block.Axes(ticks);
    dc.SelectFont(kLabelFont);
    Text(dc, x + 7, s.zeroY + 5, Format("%5.2f", 0.0));
    for (int t = 1; t <= 8; ++t) {
        Text(dc, x + 7, s.zeroY + t * m8 + 5, Format("%5.2f", t * s.top / 8));
    }
    for (int t = 1; t <= 2; ++t) {
        Text(dc, x + 7, s.zeroY - t * b2 + 5, Format("%5.2f", t * s.bottom / 2));
    }
}

void AllowableLines(DC& dc, int x, const StressGraphScale& s, double tension, double compression) {
    dc.SelectPen(kRedDashed);
    for (double allowable : {compression, tension}) {
        const int ay = ToLogical(s.scale * allowable) + s.zeroY;
        Line(dc, {x + kPlotLeft, ay}, {x + kPlotRight, ay});
    }
}

std::vector<std::string> StressTextBlock(bool metric, const StressGraphScale& s, double tension,
                                         double compression) {
    return {metric ? "Stress Range,MPa:" : "Stress Range,ksi:",
            " " + Format("min = %6.3f", s.smallest),
            " " + Format("max = %6.3f", s.largest),
            metric ? "Allowables,MPa:" : "Allowables,ksi:",
            " " + Format("tens = %6.3f", tension),
            " " + Format("comp = %6.3f", compression),
            "",
            "Sign Convention:",
            " + = compression",
            " - = tension"};
}

}  // namespace

StressGraphScale ComputeStressScale(const double* const* series, int count, double tension,
                                    double compression, int y) {
    StressGraphScale s;
    s.smallest = kNoSmallest;
    s.largest = -kNoSmallest;
    for (int k = 0; k < count; ++k) Range(series[k], s.smallest, s.largest);
    double top = std::max(s.largest, compression);
    const double f = std::floor(top);
    top = top - f < 0.5 ? f + 0.5 : f + 1.0;
    const double bottom = std::floor(std::min(s.smallest, tension) * 10.0) / 10.0;
    s.top = top;
    s.bottom = bottom;
    s.scale = 210.0 / (top - bottom);
    s.above = 210.0 * top / (top - bottom);
    s.below = 210.0 - s.above;
    s.zeroY = y - static_cast<int>(s.above) - 30;
    return s;
}

double MomentGraphHalfHeight(double largest) {
    return (std::floor(largest / 500.0) + 1.0) * 500.0;
}

double ShearGraphTop(double largest) {
    return (std::floor(largest / 100.0) + 1.0) * 100.0;
}

StrengthRatio SmallestStrengthRatio(const GraphSeries& mu, const GraphSeries& phiMn,
                                    const GraphSeries& stationX) {
    StrengthRatio r;
    for (int i = 0; i < kGraphPoints; ++i) {
        if (mu[i] == 0.0) continue;
        const double ratio = phiMn[i] / mu[i];
        if (ratio < r.ratio) {
            r.ratio = ratio;
            r.position = stationX[i];
        }
    }
    return r;
}

void DrawStressGraph(DC& dc, int x, int y, const std::string& title, const GraphSeries& bottom,
                     const GraphSeries& top, const GraphSeries& stationX, int units, double tension,
                     double compression) {
    (void)stationX;
    const bool metric = units != kUnitsUS;
    const double factor = metric ? kKsiToMpa : 1.0;
    const Copy b(bottom, factor), t(top, factor);
    tension *= factor;
    compression *= factor;

    GraphBlock block(dc, x, y, &title);
    block.BottomScale(246, true);
    const double* series[] = {b.v, t.v};
    const StressGraphScale s = ComputeStressScale(series, 2, tension, compression, y);
    StressFrame(block, dc, x, y, s);
    block.Series(b.v, s.scale, s.zeroY, kBlueSolid);
    block.Series(t.v, s.scale, s.zeroY, kMagentaDotted);
    AllowableLines(dc, x, s, tension, compression);

    block.LegendFrame(70);
    dc.SelectFont(kLabelFont);
    block.LegendEntry(kMagentaDotted, 40, 605, 640, 645, "Top beam");
    block.LegendEntry(kBlueSolid, 50, 605, 640, 645, "Bot beam");
    block.LegendEntry(kRedDashed, 60, 605, 640, 645, "Allowable");
    block.TextBlock(80, StressTextBlock(metric, s, tension, compression));
}

void DrawHandlingStressGraph(DC& dc, int x, int y, const GraphSeries& topDown,
                             const GraphSeries& bottomDown, const GraphSeries& topUp,
                             const GraphSeries& bottomUp, const GraphSeries& stationX, int units,
                             double tension, double compression) {
    (void)stationX;
    const bool metric = units != kUnitsUS;
    const double factor = metric ? kKsiToMpa : 1.0;
    const Copy td(topDown, factor), bd(bottomDown, factor), tu(topUp, factor), bu(bottomUp, factor);
    tension *= factor;
    compression *= factor;

    GraphBlock block(dc, x, y, nullptr);
    block.BottomScale(246, true);
    const double* series[] = {td.v, bd.v, tu.v, bu.v};
    const StressGraphScale s = ComputeStressScale(series, 4, tension, compression, y);
    StressFrame(block, dc, x, y, s);
    block.Series(td.v, s.scale, s.zeroY, kBlueSolid);
    block.Series(bd.v, s.scale, s.zeroY, kBlueDotted);
    block.Series(tu.v, s.scale, s.zeroY, kMagentaSolid);
    block.Series(bu.v, s.scale, s.zeroY, kMagentaDotted);
    AllowableLines(dc, x, s, tension, compression);

    block.LegendFrame(90);
    dc.SelectFont(kLabelFont);
    block.LegendEntry(kBlueSolid, 40, 605, 620, 625, "+Impact Ft");
    block.LegendEntry(kBlueDotted, 50, 605, 620, 625, "+Impact Fb");
    block.LegendEntry(kMagentaSolid, 60, 605, 620, 625, "-Impact Ft");
    block.LegendEntry(kMagentaDotted, 70, 605, 620, 625, "-Impact Fb");
    block.LegendEntry(kRedDashed, 80, 605, 620, 625, "Allowable");
    block.TextBlock(95, StressTextBlock(metric, s, tension, compression));
}

void DrawMomentGraph(DC& dc, int x, int y, const std::string& title, const GraphSeries& mu,
                     const GraphSeries& phiMn, const GraphSeries& muStrengthII,
                     const GraphSeries& stationX, int units, double designSpan,
                     bool withStrengthII) {
    const bool metric = units != kUnitsUS;
    const double factor = metric ? kKipFtToKnM : 1.0;
    const Copy m(mu, factor), r(phiMn, factor), m2(muStrengthII, withStrengthII ? factor : 1.0);

    GraphBlock block(dc, x, y, &title);
    std::vector<int> ticks;
    for (int t = 0; t <= 10; ++t) ticks.push_back(y - 30 - 21 * t);
    block.Axes(ticks);
    dc.SelectPen(kAxisPen);
    Line(dc, {x + kPlotLeft, y - 135}, {x + kPlotRight, y - 135});
    dc.SelectPen(kFramePen);
    for (int t = 0; t <= 10; ++t) {
        const int tx = x + kPlotLeft + 55 * t;
        Line(dc, {tx, y - 133}, {tx, y - 137});
    }
    block.BottomScale(245, true);

    double largest = std::max(LargestMagnitude(m.v), LargestMagnitude(r.v));
    if (withStrengthII) largest = std::max(largest, LargestMagnitude(m2.v));
    const double half = MomentGraphHalfHeight(largest);
    const int zeroY = y - 135;
    const double scale = 105.0 / half;
    dc.SelectFont(kLabelFont);
    for (int t = 0; t <= 5; ++t) Text(dc, x + 1, zeroY + 21 * t + 5, Format("%7.0f", t * half / 5));
    for (int t = 1; t <= 5; ++t)
        Text(dc, x + 1, zeroY - 21 * t + 5, Format("%7.0f", -t * half / 5));

    block.Series(m.v, scale, zeroY, kBlueSolid);
    block.Series(r.v, scale, zeroY, kMagentaDotted);
    if (withStrengthII) block.Series(m2.v, scale, zeroY, kGreen);

    const StrengthRatio ratio = SmallestStrengthRatio(m.v, r.v, stationX);
    if (withStrengthII) {
        block.LegendFrame(70);
        dc.SelectFont(kLabelFont);
        block.LegendEntry(kBlueSolid, 40, 605, 640, 645, "MuI");
        block.LegendEntry(kGreen, 50, 605, 640, 645, "MuII");
        block.LegendEntry(kMagentaDotted, 60, 605, 640, 645, "phi*Mn");
    } else {
        block.LegendFrame(60);
        dc.SelectFont(kLabelFont);
        block.LegendEntry(kBlueSolid, 40, 605, 625, 630, "Mu (req'd)");
        block.LegendEntry(kMagentaDotted, 50, 605, 625, 630, "phi*Mn (prov'd)");
    }
    double muMin = kNoSmallest;
    double muMax = -kNoSmallest;
    Range(m.v, muMin, muMax);
    // A design span of 0 has no fraction of it to show.
    const double fraction = designSpan != 0.0 ? ratio.position / designSpan : 0.0;
    block.TextBlock(80,
                    {metric ? "Range,kN-m:" : "Range,k-ft:", " " + Format("Mu,max = %7.1f", muMax),
                     " " + Format("Mu,min = %7.1f", muMin),
                     "Min. S.F.:", " " + Format("Mr/Mu = %6.3f", ratio.ratio),
                     " " + (metric ? Format("@%6.3f m (%4.2fL)", kFtToM * ratio.position, fraction)
                                   : Format("@%6.3f ft (%4.2fL)", ratio.position, fraction))});
}

void DrawShearGraph(DC& dc, int x, int y, const std::string& title, const GraphSeries& provided,
                    const GraphSeries& vuStrengthI, const GraphSeries& maximum,
                    const GraphSeries& vuStrengthII, const GraphSeries& stationX, int units,
                    double designSpan, bool withStrengthII) {
    (void)stationX;
    (void)designSpan;
    const bool metric = units != kUnitsUS;
    const double factor = metric ? kKipToKn : 1.0;
    const Copy vr(provided, factor), vu(vuStrengthI, factor), vmax(maximum, factor),
        vu2(vuStrengthII, withStrengthII ? factor : 1.0);

    GraphBlock block(dc, x, y, &title);
    std::vector<int> ticks;
    for (int t = 0; t <= 10; ++t) ticks.push_back(y - 30 - 21 * t);
    block.Axes(ticks);
    dc.SelectPen(kFramePen);
    Line(dc, {x + kPlotLeft, y - 240}, {x + kPlotRight, y - 240});
    block.BottomScale(245, false);

    double largest =
        std::max({LargestMagnitude(vr.v), LargestMagnitude(vu.v), LargestMagnitude(vmax.v)});
    if (withStrengthII) largest = std::max(largest, LargestMagnitude(vu2.v));
    const double top = ShearGraphTop(largest);
    const int zeroY = y - 240;
    const double scale = 210.0 / top;
    dc.SelectFont(kLabelFont);
    for (int t = 0; t <= 10; ++t)
        Text(dc, x + 1, zeroY + 21 * t + 5, Format("%7.0f", t * top / 10));

    block.Series(vr.v, scale, zeroY, kMagentaDotted);
    block.Series(vu.v, scale, zeroY, kBlueSolid);
    block.Series(vmax.v, scale, zeroY, kRedDashed);
    if (withStrengthII) block.Series(vu2.v, scale, zeroY, kGreen);

    block.LegendFrame(80);
    dc.SelectFont(kLabelFont);
    block.LegendEntry(kMagentaDotted, 40, 605, 625, 630, "Vr prov");
    block.LegendEntry(kRedDashed, 50, 605, 625, 630, "Vr max allow");
    block.LegendEntry(kBlueSolid, 60, 605, 625, 630, "Vu Strn LS I");
    if (withStrengthII) block.LegendEntry(kGreen, 70, 605, 625, 630, "Vu Strn LS II");

    double vuMin = kNoSmallest;
    double vuMax = -kNoSmallest;
    Range(vu.v, vuMin, vuMax);
    std::vector<std::string> lines{
        metric ? "Ranges, kN:" : "Ranges, kips:", " " + Format("VuI,max = %6.1f", vuMax),
        " " + Format("VuI,min = %6.1f", vuMin)};
    if (withStrengthII) {
        double min2 = kNoSmallest;
        double max2 = -kNoSmallest;
        Range(vu2.v, min2, max2);
        lines.push_back(" " + Format("VuII,max = %6.1f", max2));
        lines.push_back(" " + Format("VuII,min = %6.1f", min2));
    }
    block.TextBlock(100, lines);
}

}  // namespace kordel

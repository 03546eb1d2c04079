// The graph blocks of the graph view: one grey panel of 7.15 x 2.40 inches with a plot area along
// the girder's 101 hundredth points, axes, ticks and scale labels, the series, a legend and a
// short block of ranges at the right. Blocks are drawn in MapMode::LoEnglish (0.01 inch, y up)
// with their top-left corner at (x, y).
//
// Values arrive in the document's US units (ksi, compression positive; kip-ft; kips) as series of
// kStationCount values indexed by analysis station; only stations 0 to 100 are drawn. With a
// metric unit flag each painter converts its own copies (MPa, kN-m, kN), never the caller's.
#pragma once

#include <string>

#include "document/model_limits.h"
#include "platform/ui/dc.h"

namespace kordel {

/// One series of a graph: a value per analysis station.
using GraphSeries = double[kStationCount];

/// The hundredth points a graph draws: stations 0 to 100.
inline constexpr int kGraphPoints = 101;

/// The vertical scale of a stress graph: the plot area's top and bottom values, the units per
/// value unit, the zero line's y, and the heights above (M) and below (B) the zero line.
struct StressGraphScale {
    double top = 0.0;
    double bottom = 0.0;
    double scale = 0.0;
    double above = 0.0;
    double below = 0.0;
    int zeroY = 0;
    double smallest = 0.0;  ///< the smallest series value, before the allowables take part
    double largest = 0.0;   ///< the largest series value
};

/// The scale of a stress graph at top y `y` over `count` series: the top is the larger of the
/// largest value and the compression allowable rounded up to the next half or whole unit (a
/// whole number rises by 0.5, a value of f + 0.5 by a whole unit); the bottom is the smaller of
/// the smallest value and the tension allowable rounded down to a tenth.
StressGraphScale ComputeStressScale(const double* const* series, int count, double tension,
                                    double compression, int y);

/// The half-height of a moment graph over a largest absolute moment `largest`: the next multiple
/// of 500 above it (0 gives 500, 1500 gives 2000).
double MomentGraphHalfHeight(double largest);
/// The top of a shear graph over a largest absolute shear `largest`: the next multiple of 100
/// above it.
double ShearGraphTop(double largest);

/// The smallest strength ratio phi Mn / Mu over stations 0 to 100 where Mu is not 0, and the
/// station's position (ratio 999999.9 at position 0 when no station qualifies).
struct StrengthRatio {
    double ratio = 999999.9;
    double position = 0.0;
};
StrengthRatio SmallestStrengthRatio(const GraphSeries& mu, const GraphSeries& phiMn,
                                    const GraphSeries& stationX);

/// Bottom- and top-fibre stresses against the tension and compression allowables.
void DrawStressGraph(platform::ui::DC& dc, int x, int y, const std::string& title,
                     const GraphSeries& bottom, const GraphSeries& top,
                     const GraphSeries& stationX, int units, double tension, double compression);

/// Handling stresses: top and bottom fibre with the impact acting down, then up. No title (the
/// view writes the line above the block).
void DrawHandlingStressGraph(platform::ui::DC& dc, int x, int y, const GraphSeries& topDown,
                             const GraphSeries& bottomDown, const GraphSeries& topUp,
                             const GraphSeries& bottomUp, const GraphSeries& stationX, int units,
                             double tension, double compression);

/// Factored moments Mu against the resistance phi Mn, and the Strength II moments when
/// `withStrengthII`.
void DrawMomentGraph(platform::ui::DC& dc, int x, int y, const std::string& title,
                     const GraphSeries& mu, const GraphSeries& phiMn,
                     const GraphSeries& muStrengthII, const GraphSeries& stationX, int units,
                     double designSpan, bool withStrengthII);

/// The provided and maximum shear resistances against the Strength I shears, and the Strength
/// II shears when `withStrengthII`.
void DrawShearGraph(platform::ui::DC& dc, int x, int y, const std::string& title,
                    const GraphSeries& provided, const GraphSeries& vuStrengthI,
                    const GraphSeries& maximum, const GraphSeries& vuStrengthII,
                    const GraphSeries& stationX, int units, double designSpan,
                    bool withStrengthII);

}  // namespace kordel

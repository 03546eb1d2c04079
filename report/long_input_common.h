// Pieces the long-form input blocks share (continuity analysis, girder input data, prestressing
// input): the metric factors, the guards that keep a non-finite value out of a printed line, and
// the bridge, deck and vehicle lines that both the continuity block and the girder block print.
#pragma once

#include <cmath>

#include "report/text_report.h"

namespace kordel::long_input {

// Metric factors: the stored US value times the factor is the printed metric value.
inline constexpr double kFtToM = 0.3048;                               ///< ft -> m
inline constexpr double kInToM = 0.0254;                               ///< in -> m
inline constexpr double kInToMm = 25.4;                                ///< in -> mm
inline constexpr double kSqInToSqM = kInToM * kInToM;                  ///< in2 -> m2
inline constexpr double kCuInToCuM = kInToM * kInToM * kInToM;         ///< in3 -> m3
inline constexpr double kIn4ToM4 = kInToM * kInToM * kInToM * kInToM;  ///< in4 -> m4
inline constexpr double kSqInToSqMm = 645.16;                          ///< in2 -> mm2
inline constexpr double kSqInPerFtToSqMmPerMm = 2.1166666666666667;    ///< in2/ft -> mm2/mm
inline constexpr double kKipToKn = 4.4482;                             ///< kip -> kN
inline constexpr double kKipFtToKnM = 1.35582;                         ///< kip-ft -> kN-m
inline constexpr double kKsiToMpa = 6.8948;                            ///< ksi -> MPa
inline constexpr double kKlfToKnPerM = 14.5939;                        ///< klf -> kN/m
/// klf -> kN/m as the lane-load and "Other" dead-load lines round it.
inline constexpr double kKlfToKnPerMShort = 14.593;
inline constexpr double kKcfToKgPerM3 = 16018.732824867224;  ///< kcf -> kg/m3

/// `x`, or 0 when it is not a finite number: no line of these blocks ever shows "nan" or "inf".
inline double Fin(double x) { return std::isfinite(x) ? x : 0.0; }

/// `x` in the report's units: times `factor` in the metric form, as stored in the US form; 0
/// when not finite.
inline double Conv(const ReportContext& ctx, double x, double factor) {
    return Fin(ctx.metric ? x * factor : x);
}

/// 100 x `part` / `whole`, a share in percent; 0 when `whole` is 0 (a design without strands or
/// without tendons has no jacking stress to refer to).
inline double Percent(double part, double whole) {
    return whole == 0.0 ? 0.0 : Fin(100.0 * part / whole);
}

/// `n` clamped to 0 .. `hi`, for loop bounds read from the document.
inline int ClampCount(int n, int hi) { return n < 0 ? 0 : (n > hi ? hi : n); }

/// The chain's span count as a loop bound: 1 .. kMaxSpans.
int ChainSpans(const CKordelDoc& d);

/// "Method    : ..." line of the effective deck width when it is not the AASHTO width.
void WriteEffWidthMethodLine(ReportContext& ctx);

/// Bridge data of a chain of continuous spans: the bridge heading, the span layout, the typical
/// cross-section, the miscellaneous data and the deck, up to the blank lines after the deck.
void WriteChainBridgeData(ReportContext& ctx);

/// The lines of live-load vehicle `vehicle` (1 or 2): name and impact, axles, lane load, tandem
/// and the combination method. Vehicle 1's axle lines break after every fourth axle, also after
/// the last one; vehicle 2's only between axles.
void WriteVehicleLines(ReportContext& ctx, int vehicle);

/// The note on how the results of both vehicles are combined, when both are included: with
/// `threeCases` the "not combined" text for any mode other than 0 and 1, otherwise the LRFD
/// equation for every mode other than 0.
void WriteCombinationNote(ReportContext& ctx, bool threeCases);

}  // namespace kordel::long_input

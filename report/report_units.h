// The metric form of the reports: the factors that turn a stored US value into the printed
// metric value, and the guards that keep a non-finite value out of a printed line.
#pragma once

#include <cmath>

namespace kordel {

// The stored US value times the factor is the printed metric value.
inline constexpr double kFtToM = 0.3048;                               ///< ft -> m
inline constexpr double kInToM = 0.0254;                               ///< in -> m
inline constexpr double kInToMm = 25.4;                                ///< in -> mm
inline constexpr double kSqInToSqM = kInToM * kInToM;                  ///< in2 -> m2
inline constexpr double kCuInToCuM = kInToM * kInToM * kInToM;         ///< in3 -> m3
inline constexpr double kIn4ToM4 = kInToM * kInToM * kInToM * kInToM;  ///< in4 -> m4
inline constexpr double kSqInToSqMm = 645.16;                          ///< in2 -> mm2
inline constexpr double kSqInPerFtToSqMmPerMm = 2.1166666666666667;    ///< in2/ft -> mm2/mm
/// in2/ft -> mm2/mm as the shear and camber tables round it.
inline constexpr double kSqInPerFtToSqMmPerMmShort = 2.11667;
inline constexpr double kKipToKn = 4.4482;                             ///< kip -> kN
inline constexpr double kKipFtToKnM = 1.35582;                         ///< kip-ft -> kN-m
inline constexpr double kKsiToMpa = 6.8948;                            ///< ksi -> MPa
inline constexpr double kKlfToKnPerM = 14.5939;                        ///< klf -> kN/m
/// klf -> kN/m as the lane-load and "Other" dead-load lines round it.
inline constexpr double kKlfToKnPerMShort = 14.593;
inline constexpr double kKcfToKgPerM3 = 16018.732824867224;            ///< kcf -> kg/m3

/// `x`, or 0 when it is not a finite number: no report line ever shows "nan" or "inf".
inline double Fin(double x) { return std::isfinite(x) ? x : 0.0; }

/// `value` times `factor` ready to print: 0 when the product is not finite.
inline double Out(double value, double factor = 1.0) { return Fin(value * factor); }

/// Count `n` clamped to 0 to `hi`, so that a count out of range never indexes past an array.
inline int ClampCount(int n, int hi) { return n < 0 ? 0 : (n > hi ? hi : n); }

}  // namespace kordel

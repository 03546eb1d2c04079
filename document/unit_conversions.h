// Conversions between the US customary units the design keeps and the metric units a metric
// design shows, at the edge where a value enters or leaves a dialog. Each takes a direction
// flag: nonzero converts US to metric (multiplies by the factor), zero metric to US (divides).
#pragma once

namespace kordel {

inline constexpr double kMetresPerFoot = 0.3048;                  ///< ft -> m
inline constexpr double kMetresPerInch = 0.0254;                  ///< in -> m
inline constexpr double kMillimetresPerInch = 25.4;               ///< in -> mm
inline constexpr double kMpaPerKsi = 6.8948;                      ///< ksi -> MPa
inline constexpr double kKpaPerKsf = 47.881;                      ///< ksf -> kPa
inline constexpr double kKgPerM3PerKcf = 16018.732824867224;      ///< kcf -> kg/m3
inline constexpr double kSqMmPerSqIn = 645.16;                    ///< in2 -> mm2
inline constexpr double kSqMmPerMmPerSqInPerFt = 2.1166666666666667;  ///< in2/ft -> mm2/mm
inline constexpr double kKnPerKip = 4.4482;                       ///< kip -> kN
inline constexpr double kKnPerMPerKlf = 14.5939;                  ///< kip/ft -> kN/m

/// `value` times `factor` when `toMetric` is nonzero, divided by it otherwise.
constexpr double ConvertUnits(int toMetric, double value, double factor) {
    return toMetric ? value * factor : value / factor;
}

constexpr double ConvertFeetMeters(int toMetric, double value) {
    return ConvertUnits(toMetric, value, kMetresPerFoot);
}
constexpr double ConvertInchesMeters(int toMetric, double value) {
    return ConvertUnits(toMetric, value, kMetresPerInch);
}
constexpr double ConvertInchesMillimeters(int toMetric, double value) {
    return ConvertUnits(toMetric, value, kMillimetresPerInch);
}
constexpr double ConvertKsiMpa(int toMetric, double value) {
    return ConvertUnits(toMetric, value, kMpaPerKsi);
}
constexpr double ConvertKsfKpa(int toMetric, double value) {
    return ConvertUnits(toMetric, value, kKpaPerKsf);
}
constexpr double ConvertKcfKgPerM3(int toMetric, double value) {
    return ConvertUnits(toMetric, value, kKgPerM3PerKcf);
}
constexpr double ConvertSqInSqMm(int toMetric, double value) {
    return ConvertUnits(toMetric, value, kSqMmPerSqIn);
}
constexpr double ConvertSqInPerFtSqMmPerMm(int toMetric, double value) {
    return ConvertUnits(toMetric, value, kSqMmPerMmPerSqInPerFt);
}
constexpr double ConvertKipsKilonewtons(int toMetric, double value) {
    return ConvertUnits(toMetric, value, kKnPerKip);
}
constexpr double ConvertKlfKnPerM(int toMetric, double value) {
    return ConvertUnits(toMetric, value, kKnPerMPerKlf);
}

}  // namespace kordel

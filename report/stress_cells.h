// Cells of the long-form stress, stripping, handling and shipping tables: numbers that never
// print as "nan" or "inf", and the marks that flag a stress outside its limits.
#pragma once

#include <cmath>
#include <string>

#include "report/format.h"
#include "report/report_units.h"

namespace kordel {

/// `v` as printf's "%<width>.<precision>f" writes it; a value that is not finite (a result the
/// analysis could not form) prints as "--" in the same width, so the columns stay aligned and
/// no "nan" or "inf" reaches the report.
inline std::string Num(double v, int width, int precision) {
    if (std::isfinite(v)) return Format("%*.*f", width, precision, v);
    return Format("%*s", width, "--");
}

/// `v` as Num prints it, with `sentinel` in place of a value that is not finite: the fixed value
/// the checks store for a ratio that has no meaning.
inline std::string Ratio(double v, double sentinel, int width, int precision) {
    return Num(std::isfinite(v) ? v : sentinel, width, precision);
}

/// Mark of a stress against an open range: ' ' inside tension < v < compression, else '*' when
/// marks are shown. A value that is not a number is outside every range.
inline char RangeMark(double v, double tension, double compression, bool showMarks) {
    if (tension < v && v < compression) return ' ';
    return showMarks ? '*' : ' ';
}

/// Mark of a stress against a compression limit only: ' ' when v < compression.
inline char CompressionMark(double v, double compression, bool showMarks) {
    if (v < compression) return ' ';
    return showMarks ? '*' : ' ';
}

/// Mark of a stress against an open range with a rupture stress: a value outside the range is
/// '#' when below the rupture (tension) stress, '*' otherwise.
inline char RuptureMark(double v, double tension, double compression, double rupture,
                        bool showMarks) {
    if (tension < v && v < compression) return ' ';
    if (!showMarks) return ' ';
    return v < rupture ? '#' : '*';
}

}  // namespace kordel

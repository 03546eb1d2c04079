// Round-off zero: a load effect or a difference of nearly equal values that floating point leaves
// a few units in the last place away from zero is zero. Every division by such a value asks this
// one test first, so that no quotient of round-off reaches a result or a report.
#pragma once

#include <cmath>

namespace kordel {

/// Relative size below which a value is round-off of the terms it was computed from. Sums of a
/// few hundred terms in double precision carry errors near 1e-14 of their largest term; a real
/// load effect a billionth of the girder's is no load effect either.
inline constexpr double kRoundOffTolerance = 1e-9;

/// True when `value`, computed from terms whose magnitudes reach `scale`, is zero within the
/// round-off of that computation: |value| <= kRoundOffTolerance |scale|. Exactly 0, and a value
/// that is not a number, are zero whatever the scale; so is every value at a scale that is not a
/// finite number.
inline bool IsRoundOffZero(double value, double scale) {
    if (!std::isfinite(value)) return true;
    if (!std::isfinite(scale)) return true;
    return !(std::fabs(value) > kRoundOffTolerance * std::fabs(scale));
}

}  // namespace kordel

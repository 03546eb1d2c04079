// Pieces the two halves of the short-form report share: the unit factors of the metric form and
// the guard that keeps a non-finite value out of a printed line.
#pragma once

#include <cmath>

#include "report/report_units.h"

namespace kordel::short_form {

/// Count `n` clamped to 0 to `hi`, so that a count out of range never indexes past an array.
inline int ClampCount(int n, int hi) { return n < 0 ? 0 : (n > hi ? hi : n); }

}  // namespace kordel::short_form

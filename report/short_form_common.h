// Pieces the two halves of the short-form report share: the unit factors of the metric form and
// the guard that keeps a non-finite value out of a printed line.
#pragma once

#include <cmath>

#include "report/report_units.h"

namespace kordel::short_form {

}  // namespace kordel::short_form

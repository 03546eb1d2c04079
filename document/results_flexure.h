// Flexural strength by the code formulas, development lengths and the bar totals per station.
#pragma once

#include "document/model_limits.h"

namespace kordel {

struct FlexureResults {
};

}  // namespace kordel

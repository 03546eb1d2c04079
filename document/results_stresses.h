// Load-case stresses, service combinations, allowable stresses and factored effects.
#pragma once

#include "document/model_limits.h"

namespace kordel {

struct StressResults {};

}  // namespace kordel

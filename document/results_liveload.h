// Live-load distribution factors and dynamic load allowance.
#pragma once

#include "document/model_limits.h"

namespace kordel {

struct LiveLoadResults {};

}  // namespace kordel

// Load-effect tables of the dead and live loads at every station.
#pragma once

#include "document/model_limits.h"

namespace kordel {

struct LoadEffectResults {};

}  // namespace kordel

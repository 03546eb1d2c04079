// Steel layers of strands, tendons and bars per station and the strain-compatibility solution.
#pragma once

#include "document/model_limits.h"

namespace kordel {

struct SteelLayerResults {
};

}  // namespace kordel

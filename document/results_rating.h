// Inventory and operating load rating factors.
#pragma once

#include "document/model_limits.h"

namespace kordel {

struct RatingResults {
};

}  // namespace kordel

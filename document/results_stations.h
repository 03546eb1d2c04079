// Analysis stations, the section at a station and the decked bulb-tee adjustment.
#pragma once

#include "document/model_limits.h"

namespace kordel {

struct StationResults {};

}  // namespace kordel

// Continuous-beam envelopes and time-dependent restraint moments.
#pragma once

#include "document/model_limits.h"

namespace kordel {

struct ContinuityResults {};

}  // namespace kordel

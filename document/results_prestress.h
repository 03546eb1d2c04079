// Strand force at the ends, post-tensioning, losses and effective prestress.
#pragma once

#include "document/model_limits.h"

namespace kordel {

struct PrestressResults {};

}  // namespace kordel

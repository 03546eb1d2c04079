// Strand groups, strand development and pattern totals.
#pragma once

#include "document/model_limits.h"

namespace kordel {

struct StrandResults {};

}  // namespace kordel

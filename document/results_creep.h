// Creep and shrinkage coefficients, moduli and strain limits.
#pragma once

#include "document/model_limits.h"

namespace kordel {

struct CreepResults {};

}  // namespace kordel

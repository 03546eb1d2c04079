// Horizontal shear at the interface of girder and deck.
#pragma once

#include "document/model_limits.h"

namespace kordel {

struct InterfaceShearResults {
};

}  // namespace kordel

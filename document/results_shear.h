// Vertical shear: the sectional design model, Vci/Vcw, stirrups and the longitudinal reinforcement at the ends.
#pragma once

#include "document/model_limits.h"

namespace kordel {

struct ShearResults {
};

}  // namespace kordel

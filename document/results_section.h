// Girder and composite section properties at every station.
#pragma once

#include "document/model_limits.h"

namespace kordel {

struct SectionResults {};

}  // namespace kordel

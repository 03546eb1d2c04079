// Strand force at the ends, post-tensioning, losses and effective prestress.
#pragma once

#include "document/model_limits.h"

namespace kordel {

struct PrestressResults {
    // ---- Post-tensioning tendons ----------------------------------------------------------------
    float m_afTendonArea[kMaxTendons] = {};  ///< area of tendon k: its strands x strand area, in2
};

}  // namespace kordel

// Work arrays and results that the analysis stages write. Each stage owns the members of its
// block; nothing here is an input.
#pragma once

#include "document/model_limits.h"

namespace kordel {

struct AnalysisResults {
    // ---- Driver ----------------------------------------------------------------------------
    double m_dDrawingSectionHeight = 0;  ///< girder height for the section drawings, in
};

}  // namespace kordel

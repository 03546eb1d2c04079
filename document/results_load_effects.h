// Load-effect tables of the dead and live loads at every station.
#pragma once

#include "document/model_limits.h"
#include "document/model_records.h"

namespace kordel {

/// End records of m_aSupportEffect.
enum SupportEffectRecord : int {
    kSupportSpanLeftEnd = 0,    ///< end values of the current span at its left support
    kSupportLeftReaction = 1,   ///< left support reaction at the girder's own end, kip
    kSupportRightReaction = 2,  ///< right support reaction at the girder's own end, kip
    kSupportSpanRightEnd = 3,   ///< end values of the current span at its right support
    kSupportLeftRotation = 5,   ///< left end rotation, radian
    kSupportRightRotation = 6,  ///< right end rotation, radian
};
inline constexpr int kSupportEffectRecords = 7;

struct LoadEffectResults {
    // The station and end tables of the load-effect stages; the span-end step of the stations
    // reads the shears and fills end records 0 and 3.
    LoadEffectRecord m_aShear[kStationCount] = {};  ///< shear of each load case, kip [station]
    /// End records [SupportEffectRecord]: values per load case, kip or radian.
    LoadEffectRecord m_aSupportEffect[kSupportEffectRecords] = {};
};

}  // namespace kordel

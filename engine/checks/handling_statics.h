// Statics of a girder on two supports under the handling loads (self-weight, end blocks,
// impact, lifting devices...), grouped so that a check can take the groups it needs.
#pragma once

#include "document/model_records.h"

namespace kordel {

class CKordelDoc;

/// Moment and shears at one section of a girder on two supports.
struct HandlingEffects {
    double M = 0;   ///< bending moment, kip-ft, sagging positive
    double V = 0;   ///< shear just right of the section: reactions minus loads at or left of it, kip
    double V2 = 0;  ///< shear just left of the section: V plus the point loads standing at it, kip
    double R4 = 0;  ///< not used; always 0
    double R5 = 0;  ///< not used; always 0
    /// Largest magnitude among the reaction and load moments summed into M, kip-ft: an M that
    /// is round-off of it (IsRoundOffZero) is no moment.
    double Mscale = 0;
};

/// Moment and shears at `x` (ft from the girder's left end) of a girder on supports at `xl` and
/// `xl + d` (ft) under the loads of groups `firstGroup` to `lastGroup` (inclusive). Loads with
/// zero ordinates are left out; counts beyond the arrays are clamped. Two coincident supports
/// (d = 0) carry every load together, which gives the same moment and shear as any split of it;
/// a negative or non-finite spacing gives zero effects. Statics of a determinate beam, e.g.
/// Hibbeler, Structural Analysis, ch. 4.
HandlingEffects ComputeHandlingStatics(const HandlingDistLoad* dist, int distCount,
                                       const HandlingPointLoad* points, int pointCount, double x,
                                       int firstGroup, int lastGroup, double xl, double d);

/// ComputeHandlingStatics of the handling load list of `doc` for the loads of `group` alone.
HandlingEffects HandlingEffectsOf(const CKordelDoc& doc, double x, int group, double xl, double d);

}  // namespace kordel

// The handling load list of the stripping, lifting and shipping checks: the girder's own weight,
// the extra weight of its end blocks and their tapers, and each impact as a fraction of those,
// every load in a group of its own so that the statics take exactly the groups a check asks for.
#pragma once

#include "document/model_records.h"
#include "document/results_handling.h"

namespace kordel {

/// The girder as the handling loads see it.
struct HandlingLoadGirder {
    double L = 0;            ///< girder length, ft
    double w = 0;            ///< self-weight, klf
    bool endBlocks = false;  ///< the girder has end blocks
    double wEB = 0;          ///< extra weight of an end block over the gross section, klf
    double Le = 0;           ///< end-block length, ft
    bool taper = false;      ///< an I-girder's end block tapers into the web over T
    double T = 0;            ///< taper length, ft
};

/// Fills `list` and returns the number of records, in this order: the self-weight over the whole
/// girder (group 0); each impact over the whole girder, fraction x w; with end blocks, wEB over
/// the left and the right end block (group 0), then each impact's fraction x wEB over the left
/// and the right end block; with a taper, wEB falling to 0 over T after the left block and rising
/// from 0 over T before the right one (group 0), then each impact's share of the two tapers.
/// Positions in ft from the girder's left end, loads in klf downward. Records beyond
/// kMaxHandlingLoads are not written (two impacts need 15).
int BuildHandlingLoadList(const HandlingLoadGirder& g, const HandlingImpact* impacts,
                          int impactCount, HandlingDistLoad (&list)[kMaxHandlingLoads]);

/// Extra self-weight per foot of an end block, klf: multiplier x density (kcf) x the end block's
/// area less the gross area (in2) / 144.
double EndBlockExtraWeight(double multiplier, double density, double endBlockArea,
                           double grossArea);

}  // namespace kordel

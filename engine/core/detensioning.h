// Detensioning at release: the cutting order of the strand groups and the critical sections near
// the girder ends where the stresses after each cut are checked. Pure functions; the document's
// CheckDetensioning computes the stresses.
#pragma once

#include <vector>

#include "document/model_records.h"

namespace kordel {

/// True when the first `count` entries of `order` name each of the groups 1 to `count` once.
bool IsValidCuttingOrder(const int* order, int count);

/// The critical sections of the detensioning check, ft from the left girder end, ascending: the
/// end of the transfer length Lt of the bonded strands, then for each group in list order the
/// point where a group debonded dE ft at the ends reaches full force (dE + Lt) and the point where
/// a group debonded dM ft either side of mid-length last has full force before its debonded zone
/// (Lg/2 - dM - Lt, the end of the inner transfer ramp of the bonded fraction), each position
/// once, at most `maxSections` in all (the first ones in group order).
// AASHTO LRFD 6th ed. Art. 5.11.4.1 (transfer length) and Art. 5.11.4.3 (debonded strands);
// PCI Bridge Design Manual, 3rd ed., Art. 8.7 (stresses at release at the transfer points)
std::vector<double> DetensionSections(const StrandGroup* groups, int count, double Lg, double Lt,
                                      int maxSections);

}  // namespace kordel

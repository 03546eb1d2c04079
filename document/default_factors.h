// Specification defaults that more than the factor routine needs.
#pragma once

namespace kordel {

/// Strength I factor on the time-dependent restraint moments by specification (1 LRFD, any
/// other value the Standard Specifications).
double DefaultRestraintFactor(int specification);

/// Stress of the bonded bars that take the tension at release, ksi, under LRFD (`lrfd`) or the
/// Standard Specifications, for bars of yield stress `fy` (ksi) and grade `longitudinalGrade`.
double TensionTieSteelStress(bool lrfd, double fy, int longitudinalGrade);

}  // namespace kordel

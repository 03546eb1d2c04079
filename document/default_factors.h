// Specification defaults that more than the factor routine needs.
#pragma once

namespace kordel {

/// Strength I factor on the time-dependent restraint moments by specification (1 LRFD, any
/// other value the Standard Specifications).
double DefaultRestraintFactor(int specification);

}  // namespace kordel

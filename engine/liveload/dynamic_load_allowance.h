// Dynamic load allowance of AASHTO LRFD Art. 3.6.2 and impact of the Standard Specifications
// Art. 3.8.2. Pure functions; CKordelDoc::ComputeImpactFactors calls them. The values are
// fractions: an effect with its allowance is the effect times (1 + value).
#pragma once

namespace kordel {

/// Dynamic load allowance of the design vehicle, all limit states but fatigue and fracture.
/// AASHTO LRFD 6th ed. Art. 3.6.2.1, Table 3.6.2.1-1
inline constexpr double kLrfdDynamicLoadAllowance = 0.33;

/// Dynamic load allowance of the fatigue truck. AASHTO LRFD 6th ed. Art. 3.6.2.1, Table 3.6.2.1-1
inline constexpr double kLrfdFatigueDynamicLoadAllowance = 0.15;

/// Largest impact fraction of the Standard Specifications.
/// AASHTO Standard Specifications 17th ed. Art. 3.8.2.1
inline constexpr double kStandardMaxImpact = 0.30;

/// I = 50 / (L + 125), not more than 0.30, for the loaded length `L` (ft); a loaded length below
/// zero is taken as zero, which gives the largest value.
/// AASHTO Standard Specifications 17th ed. Art. 3.8.2.1, Eq. 3-1
double StandardImpactFraction(double L);

/// Loaded length for shear at `x` (ft from the left bearing) on a span `L` (ft): from the station
/// to the far support, the longer part of the span (x itself from mid-span on).
/// AASHTO Standard Specifications 17th ed. Art. 3.8.2.2(d)
double StandardShearLoadedLength(double x, double L);

}  // namespace kordel

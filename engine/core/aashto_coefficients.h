// Concrete coefficients that depend on the specification and its edition: the modulus of rupture
// coefficient by density class and the rectangular stress-block factors alpha1 and beta1.
// Pure functions; the document's GetRuptureCoefficient and GetStressBlockFactor pass its members.
#pragma once

namespace kordel {

/// The user's modulus-of-rupture coefficients of an LRFD design (on sqrt(f'c), f'c in ksi).
struct RuptureFactors {
    double generic;          ///< normal weight, and the lightweight class 4
    double minReinf;         ///< normal weight under the LRFD 5th edition and older
    double sandLightweight;  ///< sand-lightweight
    double allLightweight;   ///< all-lightweight
};

/// Coefficient on sqrt(f'c) (f'c in ksi) of the modulus of rupture fr for density class
/// `densityClass` (1 normal weight, 2 sand-lightweight, 3 all-lightweight, 4 lightweight).
/// LRFD (`lrfd` true): class 1 takes `f.minReinf` under editions 0 and 1 and `f.generic` from the
/// 6th edition on, class 2 `f.sandLightweight`, class 3 `f.allLightweight`, class 4 `f.generic`.
/// Standard Specifications: 7.5, 6.3 and 5.5 sqrt(f'c psi) for classes 1 to 3, that is 0.24, 0.20
/// and 0.17 sqrt(f'c ksi). Any other class gets 0.37.
/// AASHTO LRFD 6th ed. Art. 5.4.2.6; AASHTO Standard Specifications 17th ed. Art. 9.15.2.3
double RuptureCoefficient(bool lrfd, int edition, int densityClass, const RuptureFactors& f);

/// Stress-block factor alpha1 for concrete strength `fc` (ksi): 0.85; under the 7th edition
/// (`edition` 4) above 10 ksi, 0.85 - 0.02 (fc - 10) but not below 0.75.
/// AASHTO LRFD 6th ed. Art. 5.7.2.2; AASHTO LRFD 7th ed. Art. 5.6.2.2
double StressBlockAlpha1(double fc, int edition);

/// Stress-block factor beta1 for concrete strength `fc` (ksi): 0.85 up to 4 ksi, less 0.05 per
/// ksi above, not below 0.65.
/// AASHTO LRFD 6th ed. Art. 5.7.2.2; AASHTO Standard Specifications 17th ed. Art. 8.16.2.7
double StressBlockBeta1(double fc);

}  // namespace kordel

// Concrete and reinforcement material provisions that depend on the code edition and on time:
// modulus of elasticity, concrete density modification factor, strain limits of the
// reinforcement, and creep coefficient and shrinkage strain with their correction factors.
// Pure functions in US units (ksi, kcf, in, days, percent). A function whose equation is not
// defined for its arguments (a root of a negative number, a zero or negative denominator, a
// result that is not finite) returns std::nullopt; the caller reports it and goes on.
#pragma once

#include <optional>

namespace kordel {

/// Which form of the edition-dependent concrete equations applies. The 7th edition of the LRFD
/// specifications (2014) replaced the modulus equation 5.4.2.4-1 and the time-development factor
/// 5.4.2.3.2-5 and introduced the density factor lambda of Art. 5.4.2.8; the earlier LRFD
/// editions and the Standard Specifications share the earlier forms.
enum class ConcreteEdition { BeforeLrfd7th, Lrfd7th };

/// The form that an m_nSpecEdition index selects: 4 ("LRFD 7th") the 7th edition, any other
/// index the earlier forms.
ConcreteEdition ConcreteEditionOf(int specEdition);

// ---- Modulus of elasticity ----------------------------------------------------------------------

/// Modulus of elasticity of concrete, ksi, for strength f (ksi), unit weight wc (kcf) and
/// coefficient K (33 K1 in the earlier form, 120 K1 in the 7th-edition form):
///   earlier editions  E = 1000 K wc^1.5 sqrt(f)
///   LRFD 7th edition  E = 1000 K wc^2.0 f^0.33
/// nullopt when f or wc is negative or the result is not finite.
// AASHTO LRFD 6th ed. Art. 5.4.2.4, Eq. 5.4.2.4-1; AASHTO Standard Specifications 17th ed.
// Art. 8.7.1 (Ec = 33 wc^1.5 sqrt(f'c), psi and pcf); AASHTO LRFD 7th ed. Art. 5.4.2.4,
// Eq. 5.4.2.4-1
std::optional<double> ConcreteModulus(double f, double wc, double K, ConcreteEdition edition);

/// Modulus of elasticity of high-strength concrete, ksi: E = 1265 sqrt(f) + 1000, f in ksi (the
/// psi form 40000 sqrt(f'c) + 1.0e6 in ksi; 40 sqrt(1000) = 1264.9). nullopt when f is negative
/// or not finite.
// ACI 363R-92 Ch. 5 (modulus of elasticity, Ec = 40000 sqrt(f'c) + 1.0e6 psi)
std::optional<double> HighStrengthConcreteModulus(double f);

// ---- Concrete density modification factor -------------------------------------------------------

/// lambda = 7.5 wc kept within 0.75 and 1.0, wc in kcf (normal-weight concrete of 0.135 kcf
/// and more gets 1.0). nullopt when wc is not finite.
// AASHTO LRFD 7th ed. Art. 5.4.2.8, Eq. 5.4.2.8-2
std::optional<double> ConcreteDensityFactor(double wc);

// ---- Strain limits of nonprestressed reinforcement ----------------------------------------------

/// Compression- and tension-controlled strain limits of the reinforcement.
struct ReinforcementStrainLimits {
    double eps_cl;  ///< compression-controlled strain limit
    double eps_tl;  ///< tension-controlled strain limit
};

/// Strain limits by yield strength fy (ksi): the rows of Table C5.7.2.1-1 for Grades 60, 75, 80
/// and 100, each held up to the next grade:
///   fy < 75         0.002   0.005
///   75 <= fy < 80   0.0028  0.005
///   80 <= fy < 100  0.003   0.0056
///   fy >= 100       0.004   0.008
/// The code interpolates linearly between the grades; an fy between two grades gets the limits
/// of the lower grade here.
// AASHTO LRFD 7th ed. Art. 5.7.2.1, Table C5.7.2.1-1
ReinforcementStrainLimits StrainLimits(double fy);

/// Depth ratio c/dt at which the tension steel reaches strain eps_s when the compression face
/// reaches eps_cu: c/dt = eps_cu / (eps_cu + eps_s), from plane sections. nullopt when eps_cu
/// is not positive, eps_cu + eps_s is not positive or the result is not finite.
// AASHTO LRFD 7th ed. Art. 5.7.2.1 (linear strain distribution), Art. C5.5.4.2.1
std::optional<double> DepthRatioAtStrain(double eps_cu, double eps_s);

// ---- Creep and shrinkage correction factors -----------------------------------------------------

/// Volume-to-surface factor ks = 1.45 - 0.13 (V/S), at least 1.0; V/S in in. nullopt when V/S
/// is not finite.
// AASHTO LRFD 6th ed. Art. 5.4.2.3.2, Eq. 5.4.2.3.2-2
std::optional<double> VolumeToSurfaceFactor(double VS);

/// Humidity factor for creep khc = 1.56 - 0.008 H, H in percent. nullopt when H is not finite.
// AASHTO LRFD 6th ed. Art. 5.4.2.3.2, Eq. 5.4.2.3.2-3
std::optional<double> CreepHumidityFactor(double H);

/// Humidity factor for shrinkage khs = 2.00 - 0.014 H, H in percent. nullopt when H is not
/// finite.
// AASHTO LRFD 6th ed. Art. 5.4.2.3.3, Eq. 5.4.2.3.3-2
std::optional<double> ShrinkageHumidityFactor(double H);

/// Concrete strength factor kf = 5 / (1 + f'ci), f'ci in ksi (for a concrete whose strength at
/// loading is not known, f'ci = 0.8 f'c). nullopt when 1 + f'ci is not positive or f'ci is not
/// finite.
// AASHTO LRFD 6th ed. Art. 5.4.2.3.2, Eq. 5.4.2.3.2-4
std::optional<double> ConcreteStrengthFactor(double fci);

/// Time-development factor for time t (days) and f'ci (ksi):
///   earlier editions  ktd = t / (61 - 4 f'ci + t)
///   LRFD 7th edition  ktd = t / (12 (100 - 4 f'ci) / (f'ci + 20) + t)
/// nullopt when t is negative, f'ci + 20 (7th edition) or the whole denominator is not positive,
/// or an argument is not finite.
// AASHTO LRFD 6th ed. Art. 5.4.2.3.2, Eq. 5.4.2.3.2-5; AASHTO LRFD 7th ed. Art. 5.4.2.3.2,
// Eq. 5.4.2.3.2-5
std::optional<double> TimeDevelopmentFactor(double t, double fci, ConcreteEdition edition);

// ---- Creep coefficient and shrinkage strain -----------------------------------------------------

/// Creep coefficient psi(t, ti) = 1.9 ks khc kf ktd ti^-0.118, ti the age at loading in days.
/// nullopt when ti is not positive or the result is not finite.
// AASHTO LRFD 6th ed. Art. 5.4.2.3.2, Eq. 5.4.2.3.2-1
std::optional<double> CreepCoefficientPsi(double ks, double khc, double kf, double ktd, double ti);

/// Shrinkage strain eps_sh = ks khs kf ktd 0.48e-3. nullopt when the result is not finite.
// AASHTO LRFD 6th ed. Art. 5.4.2.3.3, Eq. 5.4.2.3.3-1
std::optional<double> ShrinkageStrainEpsilon(double ks, double khs, double kf, double ktd);

/// Volume-to-surface ratio of a deck strip of width W and thickness T (in) on a top flange of
/// width btf (in): V/S = W T / (2 W - btf), the surface exposed to drying being the deck top and
/// the soffit beside the flange. nullopt when 2 W - btf is not positive or the result is not
/// finite.
// AASHTO LRFD 6th ed. Art. 5.4.2.3.2 (V/S over the surface exposed to drying)
std::optional<double> DeckVolumeToSurface(double W, double T, double btf);

}  // namespace kordel

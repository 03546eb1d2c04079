// Time functions, size factors and time grids of the restraint-moment analysis of precast
// girders made continuous (NCHRP Report 322 with the creep and shrinkage functions of ACI 209).
//
// Pure functions; inside the analysis everything is in pounds, inches and psi, ages in days.
#pragma once

#include <vector>

namespace kordel {

/// Creep time function c(t) = t^0.6 / (10 + t^0.6), t in days after loading (0 before).
// ACI 209R-92 Art. 2.5, Eq. 2-8
double RestraintCreepTime(double t);

/// Shrinkage time function of the steam-cured girder g(t) = t / (55 + t), t in days (0 before).
// ACI 209R-92 Art. 2.5, Eq. 2-10
double GirderShrinkageTime(double t);

/// Shrinkage time function of the moist-cured deck d(t) = t / (35 + t), t in days (0 before).
// ACI 209R-92 Art. 2.5, Eq. 2-9
double DeckShrinkageTime(double t);

/// Modulus of concrete Ec = 33 w^1.5 sqrt(f'c), psi, with w in pcf and f'c in psi; 0 for a
/// strength or unit weight of 0 or less.
// ACI 318-11 Art. 8.5.1; AASHTO Standard Specifications 17th ed. Art. 8.7.1
double ConcreteModulusPsi(double fcPsi, double wPcf);

/// Relaxation ratio r(f) = max(f / fpy - 0.55, 0.05) of a strand at stress f (psi) of yield
/// strength fpy (psi); 0.05 when fpy is 0 or less.
// PCI Bridge Design Manual, 3rd ed., Art. 8.6 (intrinsic relaxation, log t / K (f / fpy - 0.55))
double RelaxationRatio(double f, double fpy);

/// Volume-to-surface factor of creep: 1.145 - 0.093 VS, but 0.68 for VS above 5 in.
// NCHRP Report 322, App. A (after ACI 209R-92 Art. 2.5.5, Eq. 2-21)
double CreepSizeFactor(double VS);

/// Volume-to-surface factor of shrinkage: 1.13 - 0.0886 VS (VS in in).
// NCHRP Report 322, App. A (after ACI 209R-92 Art. 2.5.5, Eq. 2-22)
double ShrinkageSizeFactor(double VS);

/// The standard ages of the time steps, days: 1, 3, 6, 11, ..., 50000 (36 ages).
const std::vector<double>& RestraintStandardAges();

/// Ages of the steps from transfer to continuity: the standard ages not greater than `tc`, then
/// `tc` itself.
std::vector<double> AgesToContinuity(double tc);

/// Time points after continuity made at age `tc` (days): tc, then for each standard age a_j in
/// order a_j + tc when a_j - a_(j-1) <= tc (always for the first), else a_j itself; every
/// candidate below 10000 is taken, and the first that reaches 10000 is replaced by 10000 and ends
/// the list.
std::vector<double> TimePointsAfterContinuity(double tc);

/// The carry-over factor of an interior support between two interior spans,
/// f = (6 (c + 1) - 3) / (1 - 4 (c + 1)^2), c the relative width of the continuity connection.
// NCHRP Report 322, Ch. 3 (moment distribution of the restraint moments of interior spans)
double InteriorRestraintFactor(double c);

/// The creep factors of one time step of an aging creep coefficient phi with the mean-age
/// exponent beta: b = 1 - exp(-beta phi) and a = b / (beta phi) (1 when beta phi is 0).
struct StepCreepFactors {
    double a;
    double b;
};
// NCHRP Report 322, Ch. 3 (rate-of-creep method with the aging coefficient)
StepCreepFactors StepCreep(double phi, double t0, double t1);

}  // namespace kordel

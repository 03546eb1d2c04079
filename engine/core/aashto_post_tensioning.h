// Post-tensioning tendons: jacking stress, parabolic profile, friction and anchor-set losses with
// the tendon stress along the girder, the time-dependent losses of the tendons and of the
// pretensioned strands of a post-tensioned girder, and the tendon stress limits.
//
// Pure functions in US units: ksi, in, ft for positions along the girder, kip, kip-ft for
// moments, days. Losses are positive; a concrete stress is positive in compression. A function
// whose equation is not defined for its arguments returns std::nullopt; the caller reports it
// and goes on with a neutral value.
#pragma once

#include <optional>

namespace kordel {

// ---- Jacking stress and profile -----------------------------------------------------------------

/// Tendon jacking stress fpjt = fraction x fpy (`basis` 1) or x fpu (`basis` 2), ksi; 0 for any
/// other basis.
// AASHTO LRFD 6th ed. Art. 5.9.3, Table 5.9.3-1 (limits stated as fractions of fpy and fpu)
double TendonJackingStress(int basis, double fraction, double fpy, double fpu);

/// Centroid height (in) at `x` ft from the girder's left end of a tendon on a parabola over the
/// length `L` ft: cgEnd at x = 0 and x = L, cgMid at L/2, all raised by the offset Z (in):
///   y = 4 (cgEnd - cgMid) / L^2 x (x - L/2)^2 + cgMid + Z.
/// A profile of no length has no parabola and is held at cgEnd + Z.
// PCI Bridge Design Manual, 3rd ed., Art. 8.2 (parabolic tendon profiles)
double TendonProfileElevation(double x, double L, double cgEnd, double cgMid, double Z);

// ---- Friction and anchor set --------------------------------------------------------------------

/// Immediate losses of a tendon from friction and anchor set, as the text report lists them.
struct TendonFrictionAnchorSet {
    double alpha = 0;  ///< angle change from the anchorage to mid-length, radian
    double FR = 0;     ///< friction loss at mid-length, ksi
    double p = 0;      ///< friction loss per inch of tendon, ksi/in
    double AM = 0;     ///< anchor-set loss at mid-length, ksi
    double DA = 0;     ///< anchor-set loss at the anchorage, ksi
    double xa = 0;     ///< length affected by the anchor set, ft
};

/// Friction and anchor set of a tendon stressed to fpjt (ksi) in a girder `Lg` ft long whose
/// centroid drops `sag` in from the girder end to mid-length:
///   alpha = 4 |sag| / (12 Lg)   (the angle change of the parabola from its end to its vertex;
///                                taken as a magnitude, since friction never adds stress)
///   FR = fpjt (1 - exp(-(K Lg/2 + mu alpha))), p = FR / (12 Lg/2)
///   xa = sqrt(dL Ep / p) / 12 ft, DA = 2 (12 xa) p, AM = 0 when xa <= Lg/2, else
///   (xa - Lg/2) / xa x DA
/// with K the wobble coefficient (1/ft), mu the curvature coefficient, dL the anchor set (in) and
/// Ep the tendon modulus (ksi). With no friction loss (p = 0) the slip spreads evenly over the
/// whole tendon: xa = Lg and DA = AM = dL Ep / (12 Lg). An anchor set of 0 or less (or Ep of 0
/// or less) gives no anchor-set loss. nullopt when Lg is 0 or less.
// AASHTO LRFD 6th ed. Art. 5.9.5.2.2b, Eq. 5.9.5.2.2b-1 (friction); Art. C5.9.5.2.1 (anchor set,
// the set length from dL Ep = p xa^2); PCI Bridge Design Manual, 3rd ed., Art. 8.10.2
std::optional<TendonFrictionAnchorSet> ComputeTendonFrictionAnchorSet(double fpjt, double sag,
                                                                      double Lg, double K,
                                                                      double mu, double dL,
                                                                      double Ep);

/// Tendon stress (ksi) after friction and anchor set at `x` ft from the girder's left end of a
/// tendon `Lg` ft long stressed from the left end (`fromLeft`) or from the right end:
///   left:  fpjt - 12 p x - (xa - x) / xa DA  within the anchor-set length (x <= xa),
///          fpjt - 12 p x                      beyond it;
///   right: the mirror image, with Lg - x in place of x.
/// With no friction loss the anchor-set loss DA stands along the whole tendon.
// AASHTO LRFD 6th ed. Art. 5.9.5.2.2b and C5.9.5.2.1; PCI Bridge Design Manual, 3rd ed.,
// Art. 8.10.2
double TendonStressAfterSeating(const TendonFrictionAnchorSet& f, double fpjt, double x, double Lg,
                                bool fromLeft);

// ---- Time-dependent losses of a post-tensioned girder -------------------------------------------

/// Time factor of the shrinkage of moist-cured concrete t / (35 + t), t in days after the end of
/// curing; an age not yet reached (t below 0) counts as 0.
// ACI 209R-92 Art. 2.5, Eq. 2-9
double ShrinkageTimeFactor(double t);

/// Time factor of the creep t^0.6 / (10 + t^0.6), t in days after loading; an age not yet reached
/// (t below 0) counts as 0.
// ACI 209R-92 Art. 2.5, Eq. 2-8
double CreepTimeFactor(double t);

/// Shrinkage loss of post-tensioned steel SH = 13.5 - 0.123 H, ksi, H the relative humidity in
/// percent.
// AASHTO LRFD 3rd ed. Art. 5.9.5.4.2, Eq. 5.9.5.4.2-2; AASHTO Standard Specifications 17th ed.
// Art. 9.16.2.1.1, Eq. 9-5 (0.80 (17,000 - 150 RH), psi)
double TendonShrinkageLoss(double H);

/// Elastic shortening of N tendons stressed one after the other:
///   ES = (N - 1) / (2 N) x Ep / Ec x fcgp, ksi, taken as 0 when negative.
/// nullopt when N is 0 or less or Ec is 0.
// AASHTO LRFD 6th ed. Art. 5.9.5.2.3b, Eq. 5.9.5.2.3b-1
std::optional<double> TendonElasticShortening(int N, double Ep, double Ec, double fcgp);

/// Relaxation of post-tensioned steel after transfer, ksi, no lower bound: stress-relieved strand
/// (`strandKind` other than 1) 20 - 0.3 FR - 0.4 ES - 0.2 (SH + CR); low-relaxation strand under
/// LRFD 30 percent of that, under the Standard Specifications 5 - 0.07 FR - 0.1 ES - 0.05 (SH +
/// CR).
// AASHTO LRFD 3rd ed. Art. 5.9.5.4.4c, Eq. 5.9.5.4.4c-2 and the 30 percent rule for
// low-relaxation strand; AASHTO Standard Specifications 17th ed. Art. 9.16.2.1.4, Eq. 9-10A
double TendonRelaxationLoss(int strandKind, bool lrfd, double FR, double ES, double SH, double CR);

/// Concrete stress (ksi) at a level `eLevel` in below the centroid of a section of area A (in2)
/// and inertia I (in4) under a force P (kip) acting `eP` in below the centroid and a moment M
/// (kip-ft, sagging):
///   f = P / A + P eP eLevel / I - 12 M eLevel / I
/// (that is (1/A + eP/S) P - 12 M / S with S = I / eLevel, written without S so that a level on
/// the centroid needs no care). nullopt when A or I is 0.
// AASHTO LRFD 6th ed. Art. 5.9.5.2.3 (fcgp); PCI Bridge Design Manual, 3rd ed., Art. 8.6
std::optional<double> ConcreteStressAtLevel(double P, double eP, double M, double A, double I,
                                            double eLevel);

// ---- Stress limits ------------------------------------------------------------------------------

/// Stress limits of post-tensioning tendons, ksi.
struct TendonStressLimits {
    double jacking;     ///< 0.90 fpy, prior to seating
    double anchorage;   ///< 0.70 fpu, at anchorages and couplers after seating
    double anchorZone;  ///< at the end of the seating loss zone: 0.74 fpu low-relaxation, else 0.70
    double service;     ///< 0.80 fpy, at service limit state after losses
};

/// The stress limits of tendons of fpy and fpu (ksi), `strandKind` 1 low-relaxation strand.
// AASHTO LRFD 6th ed. Art. 5.9.3, Table 5.9.3-1 (post-tensioning)
TendonStressLimits TendonStressLimitsOf(int strandKind, double fpy, double fpu);

}  // namespace kordel

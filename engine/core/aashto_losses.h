// Prestress losses of pretensioned strands: the refined estimates of the AASHTO Standard
// Specifications and of the earlier LRFD article (relaxation before and after transfer, elastic
// shortening, shrinkage, creep), the refined time-dependent losses of AASHTO LRFD 5.9.5.4 (by
// stage, with the transformed-section coefficients, the deck shrinkage and the elastic gains) and
// the approximate long-term losses of AASHTO LRFD 5.9.5.3 with the earlier lump-sum table.
//
// Pure functions in US units: ksi, in, kip, kip-ft for moments, days, percent. Losses are
// positive; a concrete stress is positive in compression. A function whose equation is not
// defined for its arguments (a zero denominator, the logarithm of a non-positive age) returns
// std::nullopt; the caller reports it and goes on with a neutral value.
#pragma once

#include <optional>

namespace kordel {

// ---- Refined estimates: Standard Specifications and AASHTO LRFD 3rd ed. -------------------------

/// Divisor K of the relaxation before transfer: 10 for stress-relieved strand (`strandKind` 2, or
/// any value other than 1); for low-relaxation strand (1) 40 under LRFD and 45 under the Standard
/// Specifications.
// AASHTO LRFD 3rd ed. Art. 5.9.5.4.4b, Eq. 5.9.5.4.4b-1 (10) and 5.9.5.4.4b-2 (40); PCI Bridge
// Design Manual, 3rd ed., Art. 8.6 (45 for low-relaxation strand)
double RelaxationBeforeTransferDivisor(int strandKind, bool lrfd);

/// RE1 = log10(24 t) / K x (fpj / fpy - 0.55) x fpj, ksi, with t the girder age at transfer
/// (days), fpj the jacking stress and fpy the yield strength (ksi). No lower bound: a short time
/// or a low jacking stress gives a negative value. nullopt when t <= 0, fpy = 0 or K = 0.
// AASHTO LRFD 3rd ed. Art. 5.9.5.4.4b, Eq. 5.9.5.4.4b-1 and 5.9.5.4.4b-2
std::optional<double> RelaxationBeforeTransfer(double t, double fpj, double fpy, double K);

/// Elastic shortening loss, ksi, of the strands of area Aps (in2) at stress fpbt before transfer
/// (ksi), at eccentricity em (in) on a section of area A (in2) and inertia I (in4) under the girder
/// weight moment Mg (kip-ft), moduli Eci and Ep (ksi):
///   ES = [Aps fpbt (I + em^2 A) - 12 em Mg A] / [Aps (I + em^2 A) + A I Eci / Ep]
/// taken as 0 when negative (the girder weight outweighs the prestress at the strands). nullopt
/// when Ep is 0 or the denominator is 0.
// AASHTO LRFD 6th ed. Art. C5.9.5.2.3a, Eq. C5.9.5.2.3a-1
std::optional<double> ElasticShorteningLoss(double Aps, double fpbt, double A, double I, double em,
                                            double Mg, double Eci, double Ep);

/// Shrinkage loss SH = 17 - 0.15 H, ksi, H the relative humidity in percent.
// AASHTO LRFD 3rd ed. Art. 5.9.5.4.2, Eq. 5.9.5.4.2-1; AASHTO Standard Specifications 17th ed.
// Art. 9.16.2.1.1, Eq. 9-4 (17,000 - 150 RH, psi)
double ShrinkageLossRefined(double H);

/// Concrete stress (ksi) at the strand centroid, eccentricity e (in), of a section of area A (in2)
/// and inertia I (in4) under the strand force P (kip) and a moment M (kip-ft, sagging):
///   f = P / A + P e^2 / I - 12 M e / I   (that is (1/A + e/Sps) P - 12 M / Sps with Sps = I / e,
/// written without Sps so that a zero eccentricity needs no care). nullopt when A or I is 0.
// AASHTO LRFD 6th ed. Art. 5.9.5.2.3a (fcgp); AASHTO Standard Specifications 17th ed.
// Art. 9.16.2.1.2 (fcir)
std::optional<double> StressAtStrands(double P, double A, double I, double e, double M);

/// Stress change (ksi) at the strands under a moment M (kip-ft, sagging) on a section of inertia
/// I (in4) whose centroid lies e (in) above the strands: 12 M e / I, positive when the moment
/// takes compression off the strand level (dfcdp, and each term of dfcd). 0 for no moment;
/// nullopt when I is 0 under a moment.
// AASHTO LRFD 3rd ed. Art. 5.9.5.4.3 (dfcdp); AASHTO Standard Specifications 17th ed.
// Art. 9.16.2.1.3 (fcds)
std::optional<double> LoadStressAtStrands(double M, double e, double I);

/// Creep loss CR = 12 fcgp - 7 dfcdp, ksi, taken as 0 when negative; fcgp the concrete stress at
/// the strands at release and dfcdp the stress there from the permanent loads after release.
// AASHTO LRFD 3rd ed. Art. 5.9.5.4.3, Eq. 5.9.5.4.3-1; AASHTO Standard Specifications 17th ed.
// Art. 9.16.2.1.3, Eq. 9-9
double CreepLossRefined(double fcgp, double dfcdp);

/// Relaxation after transfer, ksi, no lower bound: stress-relieved strand (`strandKind` other
/// than 1) 20 - 0.4 ES - 0.2 (SH + CR); low-relaxation strand under LRFD 30 percent of that,
/// under the Standard Specifications 5 - 0.1 ES - 0.05 (SH + CR).
// AASHTO LRFD 3rd ed. Art. 5.9.5.4.4c, Eq. 5.9.5.4.4c-1 and the 30 percent rule for
// low-relaxation strand; AASHTO Standard Specifications 17th ed. Art. 9.16.2.1.4, Eq. 9-10 and
// 9-10A
double RelaxationAfterTransfer(int strandKind, bool lrfd, double ES, double SH, double CR);

// ---- Refined time-dependent losses: AASHTO LRFD 6th ed. Art. 5.9.5.4
// -----------------------------

/// Transformed-section coefficient of the strands bonded to a section of area A (in2), inertia I
/// (in4), strand eccentricity e (in), for the creep coefficient psi = psi_b(tf, ti):
///   K = 1 / (1 + Ep/Eci x Aps/A x (1 + A e^2 / I) x (1 + 0.7 psi))
/// Kid with the girder section, Kdf with the composite section. nullopt when Eci, A or I is 0 or
/// the denominator is 0.
// AASHTO LRFD 6th ed. Art. 5.9.5.4.2a, Eq. 5.9.5.4.2a-2; Art. 5.9.5.4.3a, Eq. 5.9.5.4.3a-2
std::optional<double> TransformedSectionCoefficient(double Ep, double Eci, double Aps, double A,
                                                    double I, double e, double psi);

/// Shrinkage loss of the girder over a stage, eps x Ep x K, ksi: SR with eps_bid and Kid, SD
/// with eps_bdf and Kdf.
// AASHTO LRFD 6th ed. Art. 5.9.5.4.2a, Eq. 5.9.5.4.2a-1; Art. 5.9.5.4.3a, Eq. 5.9.5.4.3a-1
double GirderShrinkageLoss(double eps, double Ep, double K);

/// Elastic shortening loss ES = Ep / Eci x fcgp, ksi. nullopt when Eci is 0.
// AASHTO LRFD 6th ed. Art. 5.9.5.2.3a, Eq. 5.9.5.2.3a-1
std::optional<double> ElasticShorteningDetailed(double Ep, double Eci, double fcgp);

/// Creep loss from transfer to deck placement CR = Ep/Eci x fcgp x psi_b(td, ti) x Kid, ksi.
/// nullopt when Eci is 0.
// AASHTO LRFD 6th ed. Art. 5.9.5.4.2b, Eq. 5.9.5.4.2b-1
std::optional<double> CreepLossToDeck(double Ep, double Eci, double fcgp, double psiTdTi,
                                      double Kid);

/// Creep loss from deck placement to final, ksi:
///   CD = Ep/Eci x fcgp x (psi_b(tf, ti) - psi_b(td, ti)) x Kdf + Ep/Ec x dfcd x psi_b(tf, td) x
///   Kdf
/// nullopt when Eci or Ec is 0.
// AASHTO LRFD 6th ed. Art. 5.9.5.4.3b, Eq. 5.9.5.4.3b-1
std::optional<double> CreepLossDeckToFinal(double Ep, double Eci, double Ec, double fcgp,
                                           double psiTfTi, double psiTdTi, double dfcd,
                                           double psiTfTd, double Kdf);

/// Relaxation loss of one stage (transfer to deck, and again deck to final), ksi: 1.2 ksi for
/// low-relaxation strand (`strandKind` 1); otherwise fpt / KL x (fpt / fpy - 0.55) with KL = 7
/// and fpt the strand stress after transfer, taken not less than 0.55 fpy. nullopt for the
/// latter when fpy is 0.
// AASHTO LRFD 6th ed. Art. 5.9.5.4.2c, Eq. 5.9.5.4.2c-1 and the 1.2 ksi of low-relaxation strand;
// Art. 5.9.5.4.3c (the loss after deck placement equals the loss before it)
std::optional<double> RelaxationLossDetailed(int strandKind, double fpt, double fpy);

/// Force that the deck shrinkage applies to the composite section, kip:
///   eps_ddf x Ad x Ecd / (1 + 0.7 psi_d(tf, td))
/// with Ad the deck area (in2) and Ecd the deck modulus (ksi). nullopt when the denominator is 0.
// AASHTO LRFD 6th ed. Art. 5.9.5.4.3d, the force term of Eq. 5.9.5.4.3d-2
std::optional<double> DeckShrinkageForce(double epsDdf, double Ad, double Ecd, double psiDeck);

/// Stress change at the strand centroid from the deck shrinkage force (kip) applied at the deck
/// centroid ed (in above the composite centroid) of a composite section of area Ac (in2) and
/// inertia Ic (in4), strands at epc (in below the composite centroid):
///   dfcdf = force x (1/Ac - epc ed / Ic), ksi (negative: tension at the strands).
/// nullopt when Ac or Ic is 0.
// AASHTO LRFD 6th ed. Art. 5.9.5.4.3d, Eq. 5.9.5.4.3d-2
std::optional<double> DeckShrinkageStressAtStrands(double force, double Ac, double Ic, double epc,
                                                   double ed);

/// Effect of the deck shrinkage on the strands from deck placement to final, ksi:
///   SS = -(Ep/Ec) x dfcdf x Kdf x (1 + 0.7 psi_b(tf, td))
/// positive for the usual tension at the strands, and taken off the losses of the stage (a gain).
/// nullopt when Ec is 0.
// AASHTO LRFD 6th ed. Art. 5.9.5.4.3d, Eq. 5.9.5.4.3d-1
std::optional<double> DeckShrinkageGain(double Ep, double Ec, double dfcdf, double Kdf,
                                        double psiTfTd);

/// Elastic gain of the strands under a moment M (kip-ft, sagging) applied after transfer to a
/// section of inertia I (in4) whose centroid lies e (in) above the strands:
///   gain = Ep/Ec x 12 M e / I, ksi. nullopt when Ec or I is 0.
// AASHTO LRFD 6th ed. Art. C5.9.5.1 (elastic gains with gross sections); Art. 5.9.5.4.3b
std::optional<double> ElasticGain(double Ep, double Ec, double M, double e, double I);

// ---- Approximate long-term losses: AASHTO LRFD 6th ed. Art. 5.9.5.3 -----------------------------

/// gamma_h = 1.7 - 0.01 H, H the relative humidity in percent.
// AASHTO LRFD 6th ed. Art. 5.9.5.3, Eq. 5.9.5.3-2
double ApproxHumidityFactor(double H);

/// gamma_st = 5 / (1 + f'ci), f'ci in ksi. nullopt when f'ci is -1 or the result is not finite.
// AASHTO LRFD 6th ed. Art. 5.9.5.3, Eq. 5.9.5.3-3
std::optional<double> ApproxStrengthFactor(double fci);

/// The three terms of the approximate long-term loss, ksi.
struct ApproxLongTermLoss {
    double creep;       ///< 10 fpi Aps / Ag gamma_h gamma_st
    double shrinkage;   ///< 12 gamma_h gamma_st
    double relaxation;  ///< 2.4 ksi low-relaxation, 10 ksi stress-relieved strand

    double Total() const { return creep + shrinkage + relaxation; }
};

/// The long-term loss of a girder with a composite deck, from fpi (ksi, the stress before
/// transfer), Aps and Ag (in2), gamma_h, gamma_st and the strand kind (1 low-relaxation). nullopt
/// when Ag is 0.
// AASHTO LRFD 6th ed. Art. 5.9.5.3, Eq. 5.9.5.3-1
std::optional<ApproxLongTermLoss> ApproximateLongTermLoss(double fpi, double Aps, double Ag,
                                                          double gammaH, double gammaSt,
                                                          int strandKind);

/// Lump-sum long-term loss (ksi) of a girder without a composite deck, by the LRFD cross-section
/// type `superstructureType` (m_nSuperstructureType) and f'c (ksi): adjacent box beams (3) 19;
/// channels (5), T-beams (6) and voided slabs (8) 33 (1 - 0.15 (f'c - 6) / 6); every other type
/// 26.
// AASHTO LRFD 3rd ed. Art. 5.9.5.3, Table 5.9.5.3-1 (average values, PPR = 0)
double LumpSumLongTermLoss(int superstructureType, double fc);

}  // namespace kordel

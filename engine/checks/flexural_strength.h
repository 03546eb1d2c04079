// Flexural resistance of the girder in service by the rectangular stress block: the strand stress
// at nominal strength, the neutral axis of a rectangular or flanged compression zone, phi Mn, the
// Standard Specifications' maximum-reinforcement moment, the cracking moment and the ratios the
// reports print. Pure functions; CKordelDoc::ComputeFlexuralStrength applies them at every
// station for positive and negative moment.
#pragma once

#include "document/model_limits.h"
#include "engine/checks/flexure_phi.h"

namespace kordel {

/// One section for one moment sign. Depths are measured from the compression face.
struct FlexureSection {
    double Aps = 0;     ///< developed strand area counted, in2
    double dp = 0;      ///< strand depth dp, in
    double fpu = 0;     ///< strand tensile strength fpu, ksi
    double k = 0;       ///< factor k of fps
    double As = 0;      ///< mild tension steel area As, in2
    double ds = 0;      ///< mild steel depth ds, in
    double fy = 0;      ///< mild steel yield strength fy, ksi
    double fc = 0;      ///< f'c of the compression zone, ksi
    double alpha1 = 0;  ///< stress-block factor alpha1
    double beta1 = 0;   ///< stress-block factor beta1
    double b = 0;       ///< compression flange width b, in
    double hf = 0;      ///< compression flange thickness hf, in
    double bw = 0;      ///< web width bw, in
    double h = 0;       ///< depth of the section, the largest neutral-axis depth, in
};

/// Flexural strength of one section for one moment sign.
struct FlexureSectionStrength {
    double c = 0;      ///< neutral-axis depth c, in
    double a = 0;      ///< stress-block depth a = beta1 c, in
    double fps = 0;    ///< strand stress at nominal strength fps, ksi
    double phi = 0;    ///< resistance factor phi
    double phiMn = 0;  ///< phi Mn, k-ft
    double MrCmp = 0;  ///< maximum-reinforcement moment (positive moment only), k-ft
    double Mr = 0;     ///< flexural resistance Mr, k-ft
    double de = 0;     ///< effective depth de, in; 0 with no steel force
    double cde = 0;    ///< c / de; 0 when de is 0
};

/// Strand stress at nominal strength: fpu (1 - k c / dp); 0 where no strand is counted (Aps = 0)
/// or dp = 0.
/// AASHTO LRFD 6th ed. Art. 5.7.3.1.1, Eq. 5.7.3.1.1-1; AASHTO Standard Specifications 17th ed.
/// Art. 9.17.4.1, Eq. 9-17
double StrandStressAtNominal(double Aps, double dp, double fpu, double k, double c);

/// fps at mid-span for the strand development lengths, from the positive-moment section `s` (no
/// mild steel): c = Aps fpu / (alpha1 f'c beta1 b + k Aps fpu / dp), at most h; when c >= hf,
/// c = (Aps fpu - alpha1 beta1 f'c (b - bw) hf) / (alpha1 f'c beta1 bw + k Aps fpu / dp), at
/// most h (the flange force here carries beta1). fps = fpu (1 - k c / dp); fpu where no strand
/// or no strand depth is counted.
/// AASHTO LRFD 6th ed. Art. 5.7.3.1.1, Eqs. 5.7.3.1.1-1, -3 and -4
double EstimateMidspanStrandStress(const FlexureSection& s);

/// Positive moment: c = (As fy + Aps fpu) / (alpha1 f'c beta1 b + k Aps fpu / dp), at most h,
/// a = beta1 c; a flanged section when hf < a: c = (As fy + Aps fpu - alpha1 f'c (b - bw) hf) /
/// (alpha1 f'c beta1 bw + k Aps fpu / dp), at most h. phi Mn = phi [alpha1 f'c (b - bw) hf
/// (a/2 - hf/2) + As fy (ds - a/2) + Aps fps (dp - a/2)] / 12 (no flange term when rectangular).
/// phi by `rule` at dt = dp (ds where Aps = 0). Maximum-reinforcement moment phi_f [alpha1 f'c (b - bw) hf
/// (dp - hf/2) + (0.36 beta1 - 0.08 beta1^2) f'c bw dp^2] / 12 (b for bw, no flange term when
/// rectangular), with phi_f = rule.phiDefault; it caps Mr under the Standard Specifications only.
/// de = (As fy ds + Aps fps dp) / (As fy + Aps fps).
/// AASHTO LRFD 6th ed. Art. 5.7.3.1.1, Eqs. 5.7.3.1.1-3 and -4; Art. 5.7.3.2.2, Eq. 5.7.3.2.2-1;
/// Art. 5.7.3.3.1, Eq. C5.7.3.3.1-2; AASHTO Standard Specifications 17th ed. Art. 9.17 and
/// 9.18.1
FlexureSectionStrength PositiveMomentStrength(const FlexureSection& s, const FlexurePhiRule& rule);

/// Negative moment over a pier, deck bars in tension and no strand: c = As fy / (alpha1 f'c
/// beta1 b), at most h; a flanged section when hf < c (the test is on c): c = (As fy - alpha1
/// f'c (b - bw) hf) / (alpha1 f'c beta1 bw), at most h. a = beta1 c; phi Mn = phi [alpha1 f'c
/// (b - bw) hf (a/2 - hf/2) + As fy (ds - a/2)] / 12 (no flange term when rectangular); phi by
/// `rule` at dt = ds; Mr = phi Mn under both specifications; de = ds where there is bar force.
/// AASHTO LRFD 6th ed. Art. 5.7.3.1.1, Eqs. 5.7.3.1.1-3 and -4; Art. 5.7.3.2.2, Eq. 5.7.3.2.2-1
FlexureSectionStrength NegativeMomentStrength(const FlexureSection& s, const FlexurePhiRule& rule);

/// Cracking moment for positive moment, k-ft, under LRFD 5th edition and older (and the Standard
/// Specifications): Mcr = Md + (fb + fr) Sbc / 12, with Md the sum of the dead-load moments
/// (k-ft), fb the bottom-fibre stress under final prestress and permanent loads (ksi,
/// compression positive), fr the rupture stress (ksi, positive) and Sbc the composite bottom
/// section modulus (in3).
/// AASHTO LRFD 5th ed. Art. 5.7.3.3.2; AASHTO Standard Specifications 17th ed. Art. 9.18.2
double CrackingMomentOld(double Md, double fb, double fr, double Sbc);

/// Cracking moment for positive moment, k-ft, under LRFD 6th edition and later:
/// Mcr = gamma3 [(gamma2 fcpe + gamma1 fr) Sbc / 12 - (Sbc / Snc - 1) Mdnc], fcpe the bottom
/// stress of the final effective prestress (ksi), Sbc and Snc the composite and non-composite
/// bottom section moduli (in3) and Mdnc the non-composite dead-load moment (k-ft). The
/// Mdnc term is left out where Snc is 0.
/// AASHTO LRFD 6th ed. Art. 5.7.3.3.2, Eq. 5.7.3.3.2-1
double CrackingMomentNew(double fcpe, double fr, double Sbc, double Snc, double Mdnc,
                         double gamma1, double gamma2, double gamma3);

/// Cracking moment for negative moment at the deck top, k-ft: Mcr = Mc + f Std / 12 with Mc the
/// composite dead-load moments (k-ft), ft the deck-top stress under permanent loads (ksi), fr the
/// deck rupture stress (ksi, positive) and Std the section modulus at the deck top (in3);
/// f = ft + fr under editions 0 and 1, else f = gamma2 ft + gamma1 fr and the whole times gamma3.
/// AASHTO LRFD 6th ed. Art. 5.7.3.3.2, Eq. 5.7.3.3.2-1; AASHTO LRFD 5th ed. Art. 5.7.3.3.2
double NegativeCrackingMoment(bool oldEdition, double Mc, double ft, double fr, double Std,
                              double gamma1, double gamma2, double gamma3);

/// |Mr / Mcr|, or kFlexureRatioNoMcr when Mcr is 0.
double FlexureMrMcrRatio(double Mr, double Mcr);

/// |Mr / Mu|, 0 when Mu is 0, kFlexureRatioCap when above kFlexureRatioLimit.
double FlexureMrMuRatio(double Mr, double Mu);

/// Deck bar rows `rows` (count `rowCount`, [row][RebarRowValue]) that cross each station:
/// start <= x <= end with x = `stationX`[i] + `offset` (ft). A row's area is its bar count times
/// the area of its bar size (truncated) in `barTable`; sizes outside the table count nothing.
/// `area` gets the bar area (in2) and `centroid` its area-weighted height (in; 0 where the area
/// is 0).
void DeckBarsAlong(const double (*rows)[kRebarRowValueCount], int rowCount,
                   const double (&barTable)[kBarTableSlots][kBarTableValueCount],
                   const double (&stationX)[kStationCount], double offset,
                   double (&area)[kStationCount], double (&centroid)[kStationCount]);

}  // namespace kordel

// Flexural strength of the bare girder during handling, with the concrete strength of the stage:
// the rectangular stress block with a flanged section, the strand stress at nominal strength, the
// resistance factor, the maximum-reinforcement moment and the cracking moment. Pure functions;
// CKordelDoc::ComputeHandlingStrength applies them at every station for the lifting and the
// shipping check.
#pragma once

#include "document/model_limits.h"
#include "document/results_handling.h"

namespace kordel {

class CKordelDoc;

/// Section properties of the girder at every station for a handling check.
struct HandlingSections {
    double A[kStationCount] = {};   ///< area, in2
    double Sb[kStationCount] = {};  ///< bottom section modulus, in3
    double St[kStationCount] = {};  ///< top section modulus, in3
    double I[kStationCount] = {};   ///< moment of inertia, in4
};

/// Section case of the handling stresses for "Transform pretensioned strands for:" `mode`: the
/// girder with its strands transformed at release (`final` false) or at 28 days (`final` true)
/// under modes 2 and 3 ("All stresses", "All stresses except live load"), else the gross girder.
int HandlingSectionCase(int transformStrandsMode, bool final);

/// The area, section moduli and inertia of section case `sectionCase` at every station.
HandlingSections HandlingSectionsOf(const CKordelDoc& doc, int sectionCase);

/// The first station whose area, section moduli or inertia is not a positive number, or -1.
int FirstUnusableSection(const HandlingSections& s);

/// Strength arrays of a check that could not be made: every value 0, except phi (`phiFlexure`),
/// Mr / Mcr (kHandlingRatioNoMcr, the cracking moment being 0) and the end offset.
void ClearHandlingStrength(HandlingStrengthArrays& R, double phiFlexure, double endOffset);

/// Factor k of the strand stress at nominal strength: 0.28 for low-relaxation strand
/// (`strandKind` 1), otherwise 0.38.
/// AASHTO LRFD 6th ed. Art. 5.7.3.1.1, Table C5.7.3.1.1-1
double FpsFactorK(int strandKind);

/// Development length of a strand, ft: K (fps - 2/3 fpe) db / 12 with the factor `K`, the strand
/// stress `fps` and the effective stress `fpe` (ksi) and the diameter `db` (in). K = 2.0 gives
/// the length of a debonded strand.
/// AASHTO LRFD 6th ed. Art. 5.11.4.2, Eq. 5.11.4.2-1, and Art. 5.11.4.3; AASHTO Standard
/// Specifications 17th ed. Art. 9.28
double StrandDevelopmentLength(double K, double fps, double fpe, double db);

/// The section and steel at one station for one moment sign, depths from the compression face.
struct HandlingSectionInput {
    double Aps = 0;         ///< strand area, in2
    double dp = 0;          ///< strand depth, in
    double fpu = 0;         ///< strand tensile strength, ksi
    double k = 0;           ///< factor k of fps
    double As = 0;          ///< bar area on the tension side, in2
    double ds = 0;          ///< bar depth, in
    double fy = 0;          ///< bar yield strength, ksi
    double fc = 0;          ///< concrete strength of the stage, ksi
    double alpha1 = 0;      ///< stress-block factor alpha1
    double beta1 = 0;       ///< stress-block factor beta1
    double b = 0;           ///< compression flange width, in
    double hf = 0;          ///< compression flange thickness, in
    double bw = 0;          ///< web width, in
    double phiFlexure = 0;  ///< resistance factor for flexure of the design
    bool lrfd = true;       ///< LRFD (phi by the strain in the steel) or Standard Specifications
    int edition = 0;        ///< specification edition index (1 "LRFD 5th")
    double CL = 0;          ///< c/dt at the compression-controlled strain limit
    double TL = 0;          ///< c/dt at the tension-controlled strain limit
};

/// Flexural strength at one station for one moment sign.
struct HandlingSectionStrength {
    double c = 0;      ///< neutral-axis depth, in
    double a = 0;      ///< stress-block depth, in
    double fps = 0;    ///< strand stress, ksi
    double phi = 0;    ///< resistance factor
    double phiMn = 0;  ///< phi Mn, k-ft
    double MrCmp = 0;  ///< maximum-reinforcement moment, k-ft
    double Mr = 0;     ///< the smaller of phi Mn and MrCmp, k-ft
    double de = 0;     ///< effective depth, in; 0 with no steel force
    double cde = 0;    ///< c / de; 0 when de is 0
};

/// c = (As fy + Aps fpu) / (k Aps fpu / dp + alpha1 f'c beta1 b), a = beta1 c; when hf < a the
/// flanged section: c = (As fy + Aps fpu - alpha1 f'c (b - bw) hf) / (k Aps fpu / dp +
/// alpha1 f'c beta1 bw). fps = fpu (1 - k c / dp) (0 when dp = 0). phi Mn = phi [alpha1 f'c
/// (b - bw) hf (a - hf) / 2 + As fy (ds - a/2) + Aps fps (dp - a/2)] / 12 (no flange term in a
/// rectangular section). The maximum-reinforcement moment phi_f [alpha1 f'c (b - bw) hf
/// (dp - hf/2) + (0.36 beta1 - 0.08 beta1^2) f'c bw dp^2] / 12 (b in place of bw and no flange
/// term when rectangular) caps Mr under both specifications. phi: under LRFD from the net tensile strain
/// at dt (dp, or ds where there is no strand depth), see FlexureResistanceFactor, with the older
/// limits under edition 1 and the limits CL and TL otherwise; under the Standard Specifications
/// `phiFlexure`. The term k Aps fpu / dp is 0 where there is no strand area.
/// AASHTO LRFD 6th ed. Art. 5.7.3.1.1, Eqs. 5.7.3.1.1-1, -3 and -4; Art. 5.7.3.2.2, Eq.
/// 5.7.3.2.2-1; Art. 5.5.4.2.1, Eq. 5.5.4.2.1-1; AASHTO LRFD 5th ed. Art. 5.5.4.2.1, Eq.
/// 5.5.4.2.1-1; AASHTO Standard Specifications 17th ed. Art. 9.17 and 9.18.1
HandlingSectionStrength ComputeHandlingSectionStrength(const HandlingSectionInput& in);

/// fps of the girder at mid-span for the development lengths, with the top flange in compression
/// (thickness `tf`, width `btf`) and the web width `bw` (in): c = Aps fpu / (k Aps fpu / dp +
/// alpha1 f'c beta1 btf); when tf <= c, c = (Aps fpu - (btf - bw) alpha1 beta1 f'c tf) /
/// (k Aps fpu / dp + alpha1 f'c beta1 bw); fps = fpu (1 - k c / dp). fpu where there is no strand
/// area or depth.
/// AASHTO LRFD 6th ed. Art. 5.7.3.1.1, Eqs. 5.7.3.1.1-1, -3 and -4
double EstimateMidspanFps(double Aps, double dp, double fpu, double k, double fc, double alpha1,
                          double beta1, double btf, double tf, double bw);

/// Cracking moment of a handling stage, k-ft, from the stage's moment `M` (k-ft), the total
/// bottom-fibre stress `fb` (ksi, compression positive), the rupture stress `fr` (ksi, positive)
/// and the bottom section modulus `Sb` (in3): M + (fb + fr) Sb / 12 under editions 0 and 1;
/// otherwise gamma3 [M + (gamma2 fb + gamma1 fr) Sb / 12].
/// AASHTO LRFD 6th ed. Art. 5.7.3.3.2, Eq. 5.7.3.3.2-1; AASHTO LRFD 5th ed. Art. 5.7.3.3.2
double HandlingCrackingMoment(int edition, double M, double fb, double fr, double Sb, double gamma1,
                              double gamma2, double gamma3);

/// |Mr / Mcr|, or kHandlingRatioNoMcr when Mcr is 0.
double HandlingMrMcrRatio(double Mr, double Mcr);

/// |phi Mn / Mu|, 0 when Mu is 0, kHandlingRatioCap when above kHandlingRatioLimit.
double HandlingPhiMnMuRatio(double phiMn, double Mu);

/// Girder bar rows `rows` (count `rowCount`, [row][RebarRowValue]) that cross each station, split
/// at height `level` (in): rows at or below it in side 0, at or above it in side 1 (a row at the
/// level counts in both). A row crosses station i when start < x < end, x = `stationX`[i] +
/// `offset` (ft from the girder's left end). A row's area is its bar count times the area of its
/// bar size (truncated) in `barTable`; sizes outside the table count nothing. `area` gets the
/// bar area (in2) and `centroid` its area-weighted height (in; 0 where the area is 0).
void GirderBarsBySide(const double (*rows)[kRebarRowValueCount], int rowCount,
                      const double (&barTable)[kBarTableSlots][kBarTableValueCount],
                      const double (&stationX)[kStationCount], double offset, double level,
                      double (&area)[kStationCount][kGirderBarSideCount],
                      double (&centroid)[kStationCount][kGirderBarSideCount]);

}  // namespace kordel

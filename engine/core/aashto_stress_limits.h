// Concrete stress limits of prestressed girders, the bonded steel of a tension zone at release,
// the end-zone splitting steel and the hold-down force of draped strands. Stresses in ksi,
// compression positive, tension negative; strengths in ksi.
#pragma once

namespace kordel {

/// Release tension limit `coef` lambda sqrt(f'ci) (`coef` negative). With `limitChoice` 1 (the
/// 0.0948 sqrt(f'ci) rule) the tension is held to at most 0.2 ksi.
/// AASHTO LRFD 6th ed. Art. 5.9.4.1.2, Table 5.9.4.1.2-1
double ReleaseTensionLimit(double coef, double lambda, double fci, int limitChoice);

/// Release tension limit where bonded reinforcement carries the tension zone. LRFD:
/// -0.24 lambda sqrt(f'ci). Standard Specifications by concrete density class (1 normal weight
/// 7.5, 2 sand-lightweight 6.3, 3 and 4 all-lightweight and lightweight 5.5 sqrt(f'ci) psi).
/// AASHTO LRFD 6th ed. Art. 5.9.4.1.2; AASHTO Standard Specifications Art. 9.15.2.1
double ReleaseTensionLimitWithSteel(bool lrfd, int concreteType, double lambda, double fci);

/// Final tension limit `coef` sqrt(f'c) (`coef` negative); under the 7th edition
/// `coef` lambda sqrt(f'c) with at most 0.6 ksi of tension.
/// AASHTO LRFD 7th ed. Art. 5.9.2.3.2b, Table 5.9.2.3.2b-1; 6th ed. Table 5.9.4.2.2-1
double FinalTensionLimit(double coef, double lambda, double fc, bool seventhEdition);

/// The fixed release tension limit that decides where bonded steel is needed:
/// -0.0948 sqrt(f'ci), at most 0.2 ksi of tension.
/// AASHTO LRFD 6th ed. Art. 5.9.4.1.2, Table 5.9.4.1.2-1
double FixedReleaseTensionLimit(double fci);

/// Tensile force of the concrete above the neutral axis at release, kip, for top stress `ft`
/// (negative, tension) and bottom stress `fb` (positive) over height `h`; the zone lies in the
/// top flange (`tf` thick, `bt` wide) and, below it, in the web (`bw` wide). All in inches.
/// AASHTO LRFD 6th ed. Art. 5.9.4.1.2 (tension force computed on an uncracked section)
double TensionZoneForce(double ft, double fb, double h, double tf, double bt, double bw);

/// Splitting force at transfer, 4 percent of the anchored prestressing force `P` (kip).
/// AASHTO LRFD 6th ed. Art. 5.10.10.1, Eq. 5.10.10.1-1; Standard Specifications Art. 9.22.1
double SplittingForce(double P);

/// Length from the girder end over which the splitting steel is placed, in. LRFD: h / 4 for
/// I-girders, channels and decked bulb-tees, the smaller of h and the width over 4 for boxes and
/// U-beams, the width over 4 for slabs. Standard Specifications: d / 4 with d = h - strand
/// centroid at the end, d not less than 0.8 h. `known` is set false for an unknown LRFD section
/// type, which takes h / 4.
/// AASHTO LRFD 6th ed. Art. 5.10.10.1; Standard Specifications Art. 9.22.1
double SplittingZoneLength(bool lrfd, int sectionType, double h, double width, double cgEnd,
                           bool& known);

/// Hold-down force of draped strands, kip: P sin(angle), `angleDegrees` in degrees; doubled when
/// the single hold-down point at midspan (drape fraction 0.5) takes both slopes.
/// PCI Design Handbook 7th ed. Sect. 8.2.3 (hold-down force of draped strands)
double HoldDownForce(double P, double angleDegrees, double drapeFraction);

}  // namespace kordel

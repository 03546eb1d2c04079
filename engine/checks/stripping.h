// Concrete stress limits of the handling stages and the tension-tie steel of the stripping check.
// Pure functions; CKordelDoc::CheckStripping, CheckLifting and CheckShipping pass the document's
// values.
#pragma once

namespace kordel {

/// Tension limit of a handling stage with concrete strength `fc` (ksi): `coef` (negative, on
/// sqrt(f'c)) x `lambda` x sqrt(f'c), raised to -0.2 ksi when `capAt02` and it lies below. 0 for
/// a strength that is not positive.
/// AASHTO LRFD 6th ed. Art. 5.9.4.1.2, Table 5.9.4.1.2-1; AASHTO Standard Specifications 17th
/// ed. Art. 9.15.2.1
double HandlingTensionLimit(double coef, double lambda, double fc, bool capAt02);

/// Modulus of rupture of a handling stage, ksi, negative (tension): under LRFD -0.24 sqrt(f'c);
/// under the Standard Specifications -7.5, -6.3 and -5.5 sqrt(f'c psi) for density classes 1
/// (normal weight), 2 (sand-lightweight) and 3 (all-lightweight). Any other class takes the
/// all-lightweight value, the smallest. 0 for a strength that is not positive.
/// AASHTO LRFD 6th ed. Art. 5.4.2.6; AASHTO Standard Specifications 17th ed. Art. 9.15.2.3
double HandlingRuptureStress(bool lrfd, int densityClass, double fc);

/// Top-fibre tension beyond which the stripping check sizes tension-tie steel, ksi, negative:
/// -0.0948 sqrt(f'ci), but not below -0.2 ksi.
/// AASHTO LRFD 6th ed. Art. 5.9.4.1.2, Table 5.9.4.1.2-1
double StrippingTieTensionLimit(double fci);

/// Tensile force (kip) of the concrete above the neutral axis of a section with top-fibre tension
/// `ft` (ksi, negative) and bottom-fibre compression `fb` (ksi, positive), depth `h`: with
/// t = |ft|, the tensile zone is x = t / (fb + t) h deep; in the top flange (`tf` thick, `btf`
/// wide) alone T = t x btf / 2; deeper, with f2 = t (x - tf) / x at the flange's underside,
/// T = (t + f2) tf btf / 2 + f2 (x - tf) bw / 2 with the web width `bw` (in). 0 unless ft < 0
/// and fb > 0.
/// AASHTO LRFD 6th ed. Art. 5.9.4.1.2, Table 5.9.4.1.2-1 (bonded reinforcement to resist the
/// tensile force in the concrete)
double TensionTieForce(double fb, double ft, double h, double tf, double btf, double bw);

}  // namespace kordel

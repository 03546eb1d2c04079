// Code provisions of vertical shear: the theta/beta tables of LRFD Appendix B5 and their lookup,
// theta and beta by the general-procedure formulas, the concrete resistance of the sectional
// model, Vci and Vcw of the LRFD simplified procedure and of the Standard Specifications, and the
// stirrup area a stirrup zone layout provides at a point. Pure functions; the document's
// ComputeVerticalShear passes its members.
#pragma once

#include "document/model_limits.h"
#include "document/results_shear.h"

namespace kordel::shear {

/// Strain axis of Table B5.2-1, ex x 1000.
extern const double kStrainAxis[kShearStrainAxisCount];
/// Shear-stress axis of Table B5.2-1, v / f'c.
extern const double kStressAxis[kShearStressAxisCount];
/// theta (degrees) of Table B5.2-1 [v/f'c row][strain column].
extern const double kThetaTable[kShearStressAxisCount][kShearStrainAxisCount];
/// beta of Table B5.2-1 [v/f'c row][strain column].
extern const double kBetaTable[kShearStressAxisCount][kShearStrainAxisCount];

/// Index of the last entry of axis[0..last] below `value`: 0 when axis[0] is not below it, `last`
/// when every entry up to `last` is.
int FindLastBelow(const double* axis, double value, int last);
/// Index of the first entry of axis[0..last] not below `value`: 0 for a value at or below
/// axis[0], `last` when every entry is below it.
int FindFirstNotBelow(const double* axis, double value, int last);

/// Value of `table` (Table B5.2-1 layout) at strain `ex` (not scaled) and `vfc` = v / f'c with
/// the bracketing indices of FindLastBelow / FindFirstNotBelow: linear in 1000 ex within a row,
/// then linear in v / f'c between the two rows; clamped to the first and last row and column.
// AASHTO LRFD 6th ed. Appendix B5, Table B5.2-1
double LookupB5(const double (&table)[kShearStressAxisCount][kShearStrainAxisCount], double ex,
                double vfc, const double* strainAxis, const double* stressAxis, int strainLower,
                int strainUpper, int stressLower, int stressUpper);

/// theta (degrees) and beta of the general procedure from the strain es; es below 0 is taken as
/// 0 and es of 0.006 or more as 0.006.
struct ThetaBeta {
    double es = 0;     ///< es as used, after the limits
    double theta = 0;  ///< theta = 29 + 3500 es, degrees
    double beta = 0;   ///< beta = 4.8 / (1 + 750 es)
};
// AASHTO LRFD 6th ed. Art. 5.8.3.4.2, Eq. 5.8.3.4.2-1 and 5.8.3.4.2-3
ThetaBeta ThetaBetaByFormula(double es);

/// Concrete density factor lambda of density class `concreteType` (1 normal weight 1.0, 2 sand
/// lightweight 0.85, 3 all lightweight 0.75, 4 `lambdaGirder`, any other 1.0).
// AASHTO LRFD 6th ed. Art. 5.8.2.2
double ShearDensityFactor(int concreteType, double lambdaGirder);

/// Vc = 0.0316 beta lambda sqrt(f'c) bv dv, kip (f'c ksi, bv and dv in).
// AASHTO LRFD 6th ed. Art. 5.8.3.3, Eq. 5.8.3.3-3
double SectionalVc(double beta, double lambda, double fc, double bv, double dv);

/// sqrt(f'c) in ksi of f'c in ksi; 0 for a strength that is not positive.
double SqrtKsi(double fc);
/// sqrt(f'c) of the Standard Specifications' psi formulas, returned in ksi: sqrt(1000 f'c) / 1000.
double SqrtPsiInKsi(double fc);

/// Mcr / Mmax of the Vci formulas: 100 when Mmax is 0, else |Mcr / Mmax| at most 100.
double VciMomentRatio(double Mcr, double Mmax);

/// LRFD Vci = 0.02 lambda sqrt(f'c) bv dv + Vd + Vi Mcre / Mmax, at least 0.06 lambda sqrt(f'c) bv
/// dv.
// AASHTO LRFD 6th ed. Art. 5.8.3.4.3, Eq. 5.8.3.4.3-1
double LrfdVci(double lambda, double fc, double bv, double dv, double Vd, double Vi, double ratio);
/// LRFD Vcw = (0.06 lambda sqrt(f'c) + 0.30 fpc) bv dv + Vp.
// AASHTO LRFD 6th ed. Art. 5.8.3.4.3, Eq. 5.8.3.4.3-3
double LrfdVcw(double lambda, double fc, double fpc, double bv, double dv, double Vp);
/// Standard Specifications Vci = 0.6 lambda sqrt(f'c) b' d + Vd + Vi Mcr / Mmax, at least
/// 1.7 lambda sqrt(f'c) b' d (psi roots, result kip).
// AASHTO Standard Specifications 17th ed. Art. 9.20.2.2, Eq. 9-27
double StandardVci(double lambda, double fc, double bv, double d, double Vd, double Vi,
                   double ratio);
/// Standard Specifications Vcw = (3.5 lambda sqrt(f'c) + 0.3 fpc) b' d + Vp (psi root).
// AASHTO Standard Specifications 17th ed. Art. 9.20.2.3, Eq. 9-29
double StandardVcw(double lambda, double fc, double fpc, double bv, double d, double Vp);

/// Stirrup area (in2/ft) the zones provide at `xg` ft from the girder's left end. The zone is
/// the first whose end is not below xg. Bar layouts: a point within the bars gets the zone's
/// area; a point in the zone's leading gap gets the previous zone's area in the first half of a
/// gap of 2 ft or less, or within 1 ft of the start of a longer gap, the zone's own area in the
/// second half of a short gap or within 1 ft of the zone end, else 0. Steel-area zones: the
/// zone's area within its length, else 0.
double StirrupAreaAt(const double (*zones)[kStirrupZoneValueCount], int zoneCount, bool barLayout,
                     double xg);

}  // namespace kordel::shear

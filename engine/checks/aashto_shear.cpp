#include "engine/checks/aashto_shear.h"

#include <algorithm>
#include <cmath>

#include "document/model_materials.h"

namespace kordel::shear {

// AASHTO LRFD 6th ed. Appendix B5, Table B5.2-1: values of theta and beta for sections with
// transverse reinforcement. Columns: ex x 1000 <= the strain axis value; rows: v / f'c <= the
// stress axis value.
const double kStrainAxis[kShearStrainAxisCount] = {-0.2, -0.1, -0.05, 0.0, 0.125, 0.25,
                                                   0.5,  0.75, 1.0,   1.5, 2.0};
const double kStressAxis[kShearStressAxisCount] = {0.075, 0.1, 0.125, 0.15,
                                                   0.175, 0.2, 0.225, 0.25};

const double kThetaTable[kShearStressAxisCount][kShearStrainAxisCount] = {
    //  -0.20 -0.10 -0.05  0.00 0.125  0.25  0.50  0.75  1.00  1.50  2.00
    {22.3, 20.4, 21.0, 21.8, 24.3, 26.6, 30.5, 33.7, 36.4, 40.8, 43.9},  // v/f'c <= 0.075
    {18.1, 20.4, 21.4, 22.5, 24.9, 27.1, 30.8, 34.0, 36.7, 40.8, 43.1},  // 0.100
    {19.9, 21.9, 22.8, 23.7, 25.9, 27.9, 31.4, 34.4, 37.0, 41.0, 43.2},  // 0.125
    {21.6, 23.3, 24.2, 25.0, 26.9, 28.8, 32.1, 34.9, 37.3, 40.5, 42.8},  // 0.150
    {23.2, 24.7, 25.5, 26.2, 28.0, 29.7, 32.7, 35.2, 36.8, 39.7, 42.2},  // 0.175
    {24.7, 26.1, 26.7, 27.4, 29.0, 30.6, 32.8, 34.5, 36.1, 39.2, 41.7},  // 0.200
    {26.1, 27.3, 27.9, 28.5, 30.0, 30.8, 32.3, 34.0, 35.7, 38.8, 41.4},  // 0.225
    {27.5, 28.6, 29.1, 29.7, 30.6, 31.3, 32.8, 34.3, 35.8, 38.6, 41.2},  // 0.250
};

const double kBetaTable[kShearStressAxisCount][kShearStrainAxisCount] = {
    //  -0.20 -0.10 -0.05  0.00 0.125  0.25  0.50  0.75  1.00  1.50  2.00
    {6.32, 4.75, 4.10, 3.75, 3.24, 2.94, 2.59, 2.38, 2.23, 1.95, 1.67},  // v/f'c <= 0.075
    {3.79, 3.38, 3.24, 3.14, 2.91, 2.75, 2.50, 2.32, 2.18, 1.93, 1.69},  // 0.100
    {3.18, 2.99, 2.94, 2.87, 2.74, 2.62, 2.42, 2.26, 2.13, 1.90, 1.67},  // 0.125
    {2.88, 2.79, 2.78, 2.72, 2.60, 2.52, 2.36, 2.21, 2.08, 1.82, 1.61},  // 0.150
    {2.73, 2.66, 2.65, 2.60, 2.52, 2.44, 2.28, 2.14, 1.96, 1.71, 1.54},  // 0.175
    {2.63, 2.59, 2.52, 2.51, 2.43, 2.37, 2.14, 1.94, 1.79, 1.61, 1.47},  // 0.200
    {2.53, 2.45, 2.42, 2.40, 2.34, 2.14, 1.86, 1.73, 1.64, 1.51, 1.39},  // 0.225
    {2.39, 2.39, 2.33, 2.33, 2.12, 1.93, 1.70, 1.58, 1.50, 1.38, 1.29},  // 0.250
};

int FindLastBelow(const double* axis, double value, int last) {
    int index = 0;
    for (int i = 0; i <= last; ++i) {
        if (!(axis[i] < value)) break;
        index = i;
    }
    return index;
}

int FindFirstNotBelow(const double* axis, double value, int last) {
    for (int i = 0; i <= last; ++i) {
        if (!(axis[i] < value)) return i;
    }
    return last;
}

namespace {

/// Linear interpolation between (x0, y0) and (x1, y1) at x; y0 when the two abscissae coincide.
double Interpolate(double x0, double y0, double x1, double y1, double x) {
    if (x1 == x0) return y0;
    return y0 + (y1 - y0) * (x - x0) / (x1 - x0);
}

/// Value of one table row at strain 1000 ex, clamped to the first and last column.
double RowValue(const double* row, const double* strainAxis, int lower, int upper, double strain) {
    if (upper == 0) return row[lower];
    if (lower == kShearStrainAxisCount - 1) return row[kShearStrainAxisCount - 1];
    return Interpolate(strainAxis[lower], row[lower], strainAxis[upper], row[upper], strain);
}

}  // namespace

double LookupB5(const double (&table)[kShearStressAxisCount][kShearStrainAxisCount], double ex,
                double vfc, const double* strainAxis, const double* stressAxis, int strainLower,
                int strainUpper, int stressLower, int stressUpper) {
    const double strain = 1000.0 * ex;  // the table's axis is in thousandths
    const double r = RowValue(table[stressLower], strainAxis, strainLower, strainUpper, strain);
    const double s = RowValue(table[stressUpper], strainAxis, strainLower, strainUpper, strain);
    if (r == s) return r;
    return Interpolate(stressAxis[stressLower], r, stressAxis[stressUpper], s, vfc);
}

ThetaBeta ThetaBetaByFormula(double es) {
    ThetaBeta result;
    result.es = std::clamp(es, 0.0, 0.006);
    result.beta = 4.8 / (1.0 + 750.0 * result.es);
    result.theta = 29.0 + 3500.0 * result.es;
    return result;
}

double ShearDensityFactor(int concreteType, double lambdaGirder) {
    switch (concreteType) {
        case kConcreteNormalWeight:
            return 1.0;
        case kConcreteSandLightweight:
            return 0.85;
        case kConcreteAllLightweight:
            return 0.75;
        case kConcreteLightweight:
            return lambdaGirder;
        default:
            return 1.0;
    }
}

double SqrtKsi(double fc) {
    return fc > 0.0 ? std::sqrt(fc) : 0.0;
}

double SqrtPsiInKsi(double fc) {
    return fc > 0.0 ? std::sqrt(1000.0 * fc) / 1000.0 : 0.0;
}

double SectionalVc(double beta, double lambda, double fc, double bv, double dv) {
    return 0.0316 * beta * lambda * SqrtKsi(fc) * bv * dv;
}

double VciMomentRatio(double Mcr, double Mmax) {
    if (Mmax == 0.0) return 100.0;
    return std::min(std::fabs(Mcr / Mmax), 100.0);
}

double LrfdVci(double lambda, double fc, double bv, double dv, double Vd, double Vi, double ratio) {
    const double root = lambda * SqrtKsi(fc) * bv * dv;
    return std::max(0.02 * root + Vd + Vi * ratio, 0.06 * root);
}

double LrfdVcw(double lambda, double fc, double fpc, double bv, double dv, double Vp) {
    return (0.06 * lambda * SqrtKsi(fc) + 0.30 * fpc) * bv * dv + Vp;
}

double StandardVci(double lambda, double fc, double bv, double d, double Vd, double Vi,
                   double ratio) {
    const double root = lambda * SqrtPsiInKsi(fc) * bv * d;
    return std::max(0.6 * root + Vd + Vi * ratio, 1.7 * root);
}

double StandardVcw(double lambda, double fc, double fpc, double bv, double d, double Vp) {
    return (3.5 * lambda * SqrtPsiInKsi(fc) + 0.3 * fpc) * bv * d + Vp;
}

double StirrupAreaAt(const double (*zones)[kStirrupZoneValueCount], int zoneCount, bool barLayout,
                     double xg) {
    const int count = std::clamp(zoneCount, 0, kMaxStirrupZones);
    int j = 0;
    while (j < count && zones[j][kZoneEnd] < xg) ++j;
    if (j == count) return 0.0;  // past the last zone, or no zones

    const double* zone = zones[j];
    const double end = zone[kZoneEnd];
    const double own = zone[kZoneArea];
    if (!barLayout) {
        return (end - zone[kZoneLength] <= xg && xg <= end) ? own : 0.0;
    }

    const double gap = zone[kZoneGap];
    const double L = zone[kZoneSpaces] * zone[kZoneSpacing] / 12.0;  // length of the bars, ft
    if (xg >= end - L) return own;

    // In the gap ahead of the bars: the bars of the previous zone reach into its first part.
    const double previous = j > 0 ? zones[j - 1][kZoneArea] : own;
    const double start = end - gap - L;
    if (gap <= 2.0) return xg < start + gap / 2.0 ? previous : own;
    if (xg <= start + 1.0) return previous;
    if (xg >= end - 1.0) return own;
    return 0.0;
}

}  // namespace kordel::shear

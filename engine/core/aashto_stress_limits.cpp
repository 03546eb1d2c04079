#include "engine/core/aashto_stress_limits.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "document/model_limits.h"

namespace kordel {
namespace {

/// sqrt of a strength, 0 for a strength not above 0 (no NaN from a blank input).
double RootOf(double f) {
    return f > 0.0 ? std::sqrt(f) : 0.0;
}

/// Conversion of a sqrt(f'c psi) coefficient to sqrt(f'c ksi): sqrt(1000).
const double kRootPsiPerKsi = std::sqrt(1000.0);

}  // namespace

double ReleaseTensionLimit(double coef, double lambda, double fci, int limitChoice) {
    double limit = coef * lambda * RootOf(fci);  // ksi
    if (limitChoice == 1) limit = std::max(limit, -0.2);
    return limit;
}

double ReleaseTensionLimitWithSteel(bool lrfd, int concreteType, double lambda, double fci) {
    if (lrfd) return -0.24 * lambda * RootOf(fci);
    // Standard Specifications Art. 9.15.2.1: 7.5, 6.3, 5.5 sqrt(f'ci) psi by density class.
    double coefPsi = 5.5;
    if (concreteType == 1) coefPsi = 7.5;
    if (concreteType == 2) coefPsi = 6.3;
    return -(coefPsi / kRootPsiPerKsi) * RootOf(fci);
}

double FinalTensionLimit(double coef, double lambda, double fc, bool seventhEdition) {
    if (!seventhEdition) return coef * RootOf(fc);
    return std::max(coef * lambda * RootOf(fc), -0.6);
}

double FixedReleaseTensionLimit(double fci) {
    return std::max(-0.0948 * RootOf(fci), -0.2);
}

double TensionZoneForce(double ft, double fb, double h, double tf, double bt, double bw) {
    const double t = std::abs(ft);  // ksi, tension at the top
    if (fb + t <= 0.0) return 0.0;
    const double y = t / (fb + t) * h;  // in, depth of the tension zone below the top
    if (tf >= y) return 0.5 * t * y * bt;
    const double f1 = t * (y - tf) / y;  // ksi, at the underside of the top flange
    return 0.5 * f1 * (y - tf) * bw + 0.5 * (t + f1) * tf * bt;
}

double SplittingForce(double P) {
    return 0.04 * P;
}

double SplittingZoneLength(bool lrfd, int sectionType, double h, double width, double cgEnd,
                           bool& known) {
    known = true;
    if (!lrfd) {
        const double d = std::max(h - cgEnd, 0.8 * h);  // in
        return d / 4.0;
    }
    switch (sectionType) {
        case kSectionIGirder:
        case kSectionChannel:
        case kSectionDeckedBulbTee:
            return h / 4.0;
        case kSectionBoxBeam:
        case kSectionUBeam:
            return std::min(h, width) / 4.0;
        case kSectionSlab:
            return width / 4.0;
        default:
            known = false;
            return h / 4.0;
    }
}

double HoldDownForce(double P, double angleDegrees, double drapeFraction) {
    const double force = P * std::sin(angleDegrees * std::numbers::pi / 180.0);  // kip
    return drapeFraction == 0.5 ? 2.0 * force : force;
}

}  // namespace kordel

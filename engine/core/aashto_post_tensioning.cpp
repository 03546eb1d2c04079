#include "engine/core/aashto_post_tensioning.h"

#include <algorithm>
#include <cmath>

#include "document/model_materials.h"
#include "document/model_prestress.h"

namespace kordel {

double TendonJackingStress(int basis, double fraction, double fpy, double fpu) {
    if (basis == kJackingOfFpy) return fraction * fpy;
    if (basis == kJackingOfFpu) return fraction * fpu;
    return 0.0;
}

double TendonProfileElevation(double x, double L, double cgEnd, double cgMid, double Z) {
    if (L == 0.0) return cgEnd + Z;
    const double e0 = cgEnd - cgMid;  // in
    const double u = x - L / 2.0;     // ft from the vertex
    return 4.0 * e0 / (L * L) * u * u + cgMid + Z;
}

std::optional<TendonFrictionAnchorSet> ComputeTendonFrictionAnchorSet(double fpjt, double sag,
                                                                      double Lg, double K,
                                                                      double mu, double dL,
                                                                      double Ep) {
    if (!(Lg > 0.0)) return std::nullopt;
    TendonFrictionAnchorSet f;
    f.alpha = 4.0 * std::fabs(sag) / (12.0 * Lg);
    f.FR = fpjt * (1.0 - std::exp(-(K * Lg / 2.0 + mu * f.alpha)));
    f.p = f.FR / (Lg / 2.0) / 12.0;
    const double slip = dL * Ep;  // in x ksi
    if (!(slip > 0.0)) return f;  // no anchor set
    if (!(f.p > 0.0)) {
        // No friction: the slip shortens the whole tendon evenly.
        f.p = 0.0;
        f.xa = Lg;
        f.DA = slip / (12.0 * Lg);
        f.AM = f.DA;
        return f;
    }
    f.xa = std::sqrt(slip / f.p) / 12.0;
    f.DA = 2.0 * f.xa * f.p * 12.0;
    f.AM = Lg / 2.0 >= f.xa ? 0.0 : (f.xa - Lg / 2.0) / f.xa * f.DA;
    return f;
}

double TendonStressAfterSeating(const TendonFrictionAnchorSet& f, double fpjt, double x, double Lg,
                                bool fromLeft) {
    if (!(f.p > 0.0)) return fpjt - f.DA;
    const double d = fromLeft ? x : Lg - x;  // ft from the stressing end
    const double s = fpjt - 12.0 * f.p * d;
    if (f.xa > 0.0 && d <= f.xa) return s - (f.xa - d) / f.xa * f.DA;
    return s;
}

double ShrinkageTimeFactor(double t) {
    t = std::max(t, 0.0);
    return t / (35.0 + t);
}

double CreepTimeFactor(double t) {
    const double t6 = std::pow(std::max(t, 0.0), 0.6);
    return t6 / (10.0 + t6);
}

double TendonShrinkageLoss(double H) {
    return 13.5 - 0.123 * H;
}

std::optional<double> TendonElasticShortening(int N, double Ep, double Ec, double fcgp) {
    if (N <= 0 || Ec == 0.0) return std::nullopt;
    const double ES = (N - 1.0) / (2.0 * N) * Ep / Ec * fcgp;
    return std::max(ES, 0.0);
}

double TendonRelaxationLoss(int strandKind, bool lrfd, double FR, double ES, double SH, double CR) {
    const double stressRelieved = 20.0 - 0.3 * FR - 0.4 * ES - 0.2 * (SH + CR);
    if (strandKind != kStrandLowRelaxation) return stressRelieved;
    if (lrfd) return 0.3 * stressRelieved;
    return 5.0 - 0.07 * FR - 0.1 * ES - 0.05 * (SH + CR);
}

std::optional<double> ConcreteStressAtLevel(double P, double eP, double M, double A, double I,
                                            double eLevel) {
    if (A == 0.0 || I == 0.0) return std::nullopt;
    return P / A + P * eP * eLevel / I - 12.0 * M * eLevel / I;
}

TendonStressLimits TendonStressLimitsOf(int strandKind, double fpy, double fpu) {
    return {0.90 * fpy, 0.70 * fpu, (strandKind == kStrandLowRelaxation ? 0.74 : 0.70) * fpu,
            0.80 * fpy};
}

}  // namespace kordel

// Prestress loss provisions of AASHTO LRFD and the Standard Specifications; see the header.
#include "engine/core/aashto_losses.h"

#include <algorithm>
#include <cmath>

#include "engine/liveload/aashto_distribution.h"

namespace kordel {
namespace {

/// a / b, or nullopt when b is 0 or the quotient is not finite.
std::optional<double> Quotient(double a, double b) {
    if (b == 0.0) return std::nullopt;
    const double q = a / b;
    if (!std::isfinite(q)) return std::nullopt;
    return q;
}

constexpr int kLowRelaxation = 1;  ///< strand kind of low-relaxation strand

}  // namespace

// ---- Refined estimates --------------------------------------------------------------------------

double RelaxationBeforeTransferDivisor(int strandKind, bool lrfd) {
    if (strandKind != kLowRelaxation) return 10.0;
    return lrfd ? 40.0 : 45.0;
}

std::optional<double> RelaxationBeforeTransfer(double t, double fpj, double fpy, double K) {
    if (!(t > 0.0) || fpy == 0.0 || K == 0.0) return std::nullopt;
    const double RE1 = std::log10(24.0 * t) / K * (fpj / fpy - 0.55) * fpj;
    if (!std::isfinite(RE1)) return std::nullopt;
    return RE1;
}

std::optional<double> ElasticShorteningLoss(double Aps, double fpbt, double A, double I, double em,
                                            double Mg, double Eci, double Ep) {
    if (Ep == 0.0) return std::nullopt;
    const double Ie = I + em * em * A;  // in4
    const std::optional<double> ES =
        Quotient(Aps * fpbt * Ie - 12.0 * em * Mg * A, Aps * Ie + A * I * Eci / Ep);
    if (!ES) return std::nullopt;
    return std::max(*ES, 0.0);
}

double ShrinkageLossRefined(double H) {
    return 17.0 - 0.15 * H;
}

std::optional<double> StressAtStrands(double P, double A, double I, double e, double M) {
    if (A == 0.0 || I == 0.0) return std::nullopt;
    const double f = P / A + P * e * e / I - 12.0 * M * e / I;
    if (!std::isfinite(f)) return std::nullopt;
    return f;
}

std::optional<double> LoadStressAtStrands(double M, double e, double I) {
    if (M == 0.0) return 0.0;
    return Quotient(12.0 * M * e, I);
}

double CreepLossRefined(double fcgp, double dfcdp) {
    return std::max(12.0 * fcgp - 7.0 * dfcdp, 0.0);
}

double RelaxationAfterTransfer(int strandKind, bool lrfd, double ES, double SH, double CR) {
    const double stressRelieved = 20.0 - 0.4 * ES - 0.2 * (SH + CR);
    if (strandKind != kLowRelaxation) return stressRelieved;
    if (lrfd) return 0.3 * stressRelieved;
    return 5.0 - 0.1 * ES - 0.05 * (SH + CR);
}

// ---- Refined time-dependent losses --------------------------------------------------------------

std::optional<double> TransformedSectionCoefficient(double Ep, double Eci, double Aps, double A,
                                                    double I, double e, double psi) {
    if (Eci == 0.0 || A == 0.0 || I == 0.0) return std::nullopt;
    return Quotient(1.0, 1.0 + Ep / Eci * Aps / A * (1.0 + A * e * e / I) * (1.0 + 0.7 * psi));
}

double GirderShrinkageLoss(double eps, double Ep, double K) {
    return eps * Ep * K;
}

std::optional<double> ElasticShorteningDetailed(double Ep, double Eci, double fcgp) {
    const std::optional<double> n = Quotient(Ep, Eci);
    if (!n) return std::nullopt;
    return *n * fcgp;
}

std::optional<double> CreepLossToDeck(double Ep, double Eci, double fcgp, double psiTdTi,
                                      double Kid) {
    const std::optional<double> n = Quotient(Ep, Eci);
    if (!n) return std::nullopt;
    return *n * fcgp * psiTdTi * Kid;
}

std::optional<double> CreepLossDeckToFinal(double Ep, double Eci, double Ec, double fcgp,
                                           double psiTfTi, double psiTdTi, double dfcd,
                                           double psiTfTd, double Kdf) {
    const std::optional<double> ni = Quotient(Ep, Eci);
    const std::optional<double> n = Quotient(Ep, Ec);
    if (!ni || !n) return std::nullopt;
    return *ni * fcgp * (psiTfTi - psiTdTi) * Kdf + *n * dfcd * psiTfTd * Kdf;
}

std::optional<double> RelaxationLossDetailed(int strandKind, double fpt, double fpy) {
    if (strandKind == kLowRelaxation) return 1.2;
    if (fpy == 0.0) return std::nullopt;
    constexpr double KL = 7.0;  // strand other than low-relaxation
    const double f = std::max(fpt, 0.55 * fpy);
    return f / KL * (f / fpy - 0.55);
}

std::optional<double> DeckShrinkageForce(double epsDdf, double Ad, double Ecd, double psiDeck) {
    return Quotient(epsDdf * Ad * Ecd, 1.0 + 0.7 * psiDeck);
}

std::optional<double> DeckShrinkageStressAtStrands(double force, double Ac, double Ic, double epc,
                                                   double ed) {
    if (Ac == 0.0 || Ic == 0.0) return std::nullopt;
    return force * (1.0 / Ac - epc * ed / Ic);
}

std::optional<double> DeckShrinkageGain(double Ep, double Ec, double dfcdf, double Kdf,
                                        double psiTfTd) {
    const std::optional<double> n = Quotient(Ep, Ec);
    if (!n) return std::nullopt;
    return -*n * dfcdf * Kdf * (1.0 + 0.7 * psiTfTd);
}

std::optional<double> ElasticGain(double Ep, double Ec, double M, double e, double I) {
    const std::optional<double> n = Quotient(Ep, Ec);
    const std::optional<double> f = LoadStressAtStrands(M, e, I);
    if (!n || !f) return std::nullopt;
    return *n * *f;
}

// ---- Approximate long-term losses ---------------------------------------------------------------

double ApproxHumidityFactor(double H) {
    return 1.7 - 0.01 * H;
}

std::optional<double> ApproxStrengthFactor(double fci) {
    return Quotient(5.0, 1.0 + fci);
}

std::optional<ApproxLongTermLoss> ApproximateLongTermLoss(double fpi, double Aps, double Ag,
                                                          double gammaH, double gammaSt,
                                                          int strandKind) {
    const std::optional<double> ratio = Quotient(Aps, Ag);
    if (!ratio) return std::nullopt;
    ApproxLongTermLoss loss;
    loss.creep = 10.0 * fpi * *ratio * gammaH * gammaSt;
    loss.shrinkage = 12.0 * gammaH * gammaSt;
    loss.relaxation = strandKind == kLowRelaxation ? 2.4 : 10.0;
    return loss;
}

double LumpSumLongTermLoss(int superstructureType, double fc) {
    switch (superstructureType) {
        case kLrfdAdjacentBoxNonComposite:
            return 19.0;
        case kLrfdChannelNonComposite:
        case kLrfdTeeBeamNonComposite:
        case kLrfdVoidedRectangular:
            return 33.0 * (1.0 - 0.15 * (fc - 6.0) / 6.0);
        default:
            return 26.0;
    }
}

}  // namespace kordel

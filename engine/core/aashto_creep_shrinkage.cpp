#include "engine/core/aashto_creep_shrinkage.h"

#include <algorithm>
#include <cmath>

namespace kordel {

namespace {

/// The edition index of "LRFD 7th" in the edition list.
constexpr int kSpecEditionLrfd7th = 4;

/// `value` when it is a finite number, else nullopt.
std::optional<double> Finite(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

}  // namespace

ConcreteEdition ConcreteEditionOf(int specEdition) {
    return specEdition == kSpecEditionLrfd7th ? ConcreteEdition::Lrfd7th
                                              : ConcreteEdition::BeforeLrfd7th;
}

// ---- Modulus of elasticity ----------------------------------------------------------------------

std::optional<double> ConcreteModulus(double f, double wc, double K, ConcreteEdition edition) {
    // Written so that a NaN argument fails the test too.
    if (!(f >= 0) || !(wc >= 0)) return std::nullopt;
    if (edition == ConcreteEdition::Lrfd7th) {
        return Finite(K * 1000.0 * std::pow(wc, 2.0) * std::pow(f, 0.33));  // ksi
    }
    return Finite(K * 1000.0 * std::pow(wc, 1.5) * std::sqrt(f));  // ksi
}

std::optional<double> HighStrengthConcreteModulus(double f) {
    if (!(f >= 0)) return std::nullopt;
    return Finite(1265.0 * std::sqrt(f) + 1000.0);  // ksi
}

// ---- Concrete density modification factor -------------------------------------------------------

std::optional<double> ConcreteDensityFactor(double wc) {
    if (!std::isfinite(wc)) return std::nullopt;
    return std::clamp(7.5 * wc, 0.75, 1.0);
}

// ---- Strain limits of nonprestressed reinforcement ----------------------------------------------

ReinforcementStrainLimits StrainLimits(double fy) {
    // Table C5.7.2.1-1, by grade.
    //   fy, ksi   eps_cl   eps_tl
    if (fy >= 100.0) return {0.004, 0.008};
    if (fy >= 80.0) return {0.003, 0.0056};
    if (fy >= 75.0) return {0.0028, 0.005};
    return {0.002, 0.005};
}

std::optional<double> DepthRatioAtStrain(double eps_cu, double eps_s) {
    if (!(eps_cu > 0) || !(eps_cu + eps_s > 0)) return std::nullopt;
    return Finite(eps_cu / (eps_cu + eps_s));
}

// ---- Creep and shrinkage correction factors -----------------------------------------------------

std::optional<double> VolumeToSurfaceFactor(double VS) {
    if (!std::isfinite(VS)) return std::nullopt;
    return std::max(1.0, 1.45 - 0.13 * VS);
}

std::optional<double> CreepHumidityFactor(double H) {
    if (!std::isfinite(H)) return std::nullopt;
    return 1.56 - 0.008 * H;
}

std::optional<double> ShrinkageHumidityFactor(double H) {
    if (!std::isfinite(H)) return std::nullopt;
    return 2.00 - 0.014 * H;
}

std::optional<double> ConcreteStrengthFactor(double fci) {
    if (!std::isfinite(fci) || !(1.0 + fci > 0)) return std::nullopt;
    return Finite(5.0 / (1.0 + fci));
}

std::optional<double> TimeDevelopmentFactor(double t, double fci, ConcreteEdition edition) {
    if (!std::isfinite(fci) || !std::isfinite(t) || t < 0) return std::nullopt;
    double denominator;  // days
    if (edition == ConcreteEdition::Lrfd7th) {
        if (!(fci + 20.0 > 0)) return std::nullopt;
        denominator = 12.0 * (100.0 - 4.0 * fci) / (fci + 20.0) + t;
    } else {
        denominator = 61.0 - 4.0 * fci + t;
    }
    if (!(denominator > 0)) return std::nullopt;
    return Finite(t / denominator);
}

// ---- Creep coefficient and shrinkage strain -----------------------------------------------------

std::optional<double> CreepCoefficientPsi(double ks, double khc, double kf, double ktd, double ti) {
    if (!(ti > 0)) return std::nullopt;
    return Finite(1.9 * ks * khc * kf * ktd * std::pow(ti, -0.118));
}

std::optional<double> ShrinkageStrainEpsilon(double ks, double khs, double kf, double ktd) {
    return Finite(ks * khs * kf * ktd * 0.48e-3);
}

std::optional<double> DeckVolumeToSurface(double W, double T, double btf) {
    const double surface = 2.0 * W - btf;  // exposed perimeter: top W plus soffit W - btf, in
    if (!(surface > 0)) return std::nullopt;
    return Finite(W * T / surface);  // in
}

}  // namespace kordel

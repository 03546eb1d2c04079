// Fibre stresses of a moment and of an eccentric prestress force; see the header.
#include "engine/core/fibre_stress.h"

#include <cmath>

namespace kordel {

std::optional<double> MomentFibreStress(double M, double S, bool bottom) {
    if (M == 0.0) return 0.0;
    if (S == 0.0) return std::nullopt;
    const double f = (bottom ? -12.0 : 12.0) * M / S;
    if (!std::isfinite(f)) return std::nullopt;
    return f;
}

std::optional<double> PrestressFibreStress(double P, double A, double e, double S, bool bottom) {
    if (P == 0.0) return 0.0;
    if (A == 0.0 || S == 0.0) return std::nullopt;
    const double f = P * (1.0 / A + (bottom ? e : -e) / S);
    if (!std::isfinite(f)) return std::nullopt;
    return f;
}

}  // namespace kordel

// Code coefficients of the concrete: modulus of rupture and the stress-block factors.
#include "engine/core/aashto_coefficients.h"

#include <algorithm>

#include "document/kordel_doc.h"

namespace kordel {

/// Editions up to this one ("Standard Specs", "LRFD 5th") take the minimum-reinforcement
/// coefficient for normal-weight concrete.
constexpr int kLastEditionWithMinReinfFr = 1;

double RuptureCoefficient(bool lrfd, int edition, int densityClass, const RuptureFactors& f) {
    // Standard Specifications 9.15.2.3: 7.5, 6.3, 5.5 sqrt(f'c psi) / sqrt(1000) per ksi.
    static const double kStandard[] = {0.24, 0.20, 0.17};  // classes 1, 2, 3
    constexpr double kOtherClass = 0.37;
    if (!lrfd) {
        return densityClass >= kConcreteNormalWeight && densityClass <= kConcreteAllLightweight
                   ? kStandard[densityClass - 1]
                   : kOtherClass;
    }
    switch (densityClass) {
        case kConcreteNormalWeight:
            return edition >= 0 && edition <= kLastEditionWithMinReinfFr ? f.minReinf : f.generic;
        case kConcreteSandLightweight:
            return f.sandLightweight;
        case kConcreteAllLightweight:
            return f.allLightweight;
        case kConcreteLightweight:
            return f.generic;
        default:
            return kOtherClass;
    }
}

double StressBlockAlpha1(double fc, int edition) {
    if (edition == kEditionLrfd7th && fc > 10.0) return std::max(0.75, 0.85 - 0.02 * (fc - 10.0));
    return 0.85;
}

double StressBlockBeta1(double fc) {
    if (fc <= 4.0) return 0.85;
    return std::max(0.65, 0.85 - 0.05 * (fc - 4.0));
}

double CKordelDoc::GetRuptureCoefficient(int densityClass) const {
    // The user's factors are single precision; widened here.
    const RuptureFactors f{static_cast<double>(m_fFrGeneric), static_cast<double>(m_fFrMinReinf),
                           static_cast<double>(m_fFrSandLightweight),
                           static_cast<double>(m_fFrAllLightweight)};
    return RuptureCoefficient(IsLrfd(m_nSpecification), m_nSpecEdition, densityClass, f);
}

double CKordelDoc::GetStressBlockFactor(double fc) const {
    return StressBlockAlpha1(fc, m_nSpecEdition);
}

}  // namespace kordel

// Allowable concrete stresses for the current concrete strengths, and the bonded steel that must
// carry the tension zone at the girder top wherever the release stresses pass the fixed limit.
#include <cmath>

#include "document/kordel_doc.h"
#include "engine/core/aashto_stress_limits.h"
#include "platform/host.h"

namespace kordel {

void CKordelDoc::ComputeAllowableStresses() {
    const double lambda = m_dLambdaGirder;
    const bool seventh = m_nSpecEdition == 4;
    m_dAllowReleaseTension =
        ReleaseTensionLimit(m_dReleaseTensionCoef, lambda, m_dBeamFci, m_nReleaseTensionLimit);
    m_dAllowReleaseCompression = m_dReleaseCompressionCoef * m_dBeamFci;
    m_adAllowableStress[kAllowReleaseTensionWithSteel] = ReleaseTensionLimitWithSteel(
        IsLrfd(m_nSpecification), m_nBeamConcreteType, lambda, m_dBeamFci);
    m_dAllowFinalTensionAllLoads =
        FinalTensionLimit(m_dFinalTensionCoefAllLoads, lambda, m_dBeamFc, seventh);
    m_dAllowFinalTensionPermanent =
        FinalTensionLimit(m_dFinalTensionCoefPermanent, lambda, m_dBeamFc, seventh);
    m_dAllowFinalCompressionPermanent = m_dFinalCompressionCoefPermanent * m_dBeamFc;
    m_dAllowFinalCompressionAllLoads = m_dFinalCompressionCoefAllLoads * m_dBeamFc;
    m_dAllowFinalCompressionHalfPermanentLL = m_dFinalCompressionCoefHalfPermanentLL * m_dBeamFc;
    m_dAllowDeckCompression = m_dFinalCompressionCoefHalfPermanentLL * m_dDeckFc;
}

void CKordelDoc::ComputeReleaseTensionSteel() {
    m_bReleaseTensionSteelRequired = 0;
    const double flim = FixedReleaseTensionLimit(m_dBeamFci);  // ksi
    const double fs = m_dTensionTieSteelStress;                // ksi
    bool warned = false;
    for (int i = 0; i < kStationCount; ++i) {
        const double ft = m_aServiceStress[i][kServiceRelease][kServiceTop];
        const double fb = m_aServiceStress[i][kServiceRelease][kServiceBottom];
        m_adReleaseTensionSteel[i] = 0.0;
        if (!(ft < flim && fb > 0.0)) continue;
        m_bReleaseTensionSteelRequired = 1;
        const double T = TensionZoneForce(ft, fb, m_dSectionHeight, m_dTopFlangeThickness,
                                          m_dTopFlangeWidth, m_dWebWidth);  // kip
        if (fs > 0.0) {
            m_adReleaseTensionSteel[i] = T / fs;
        } else if (!warned) {
            warned = true;
            platform::ShowMessage(
                "The stress of the tension-zone steel at release must be greater than 0.\n"
                "The steel for the tension zone at release is not computed.");
        }
    }
}

}  // namespace kordel

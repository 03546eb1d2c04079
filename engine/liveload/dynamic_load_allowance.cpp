// The dynamic-load-allowance stage: the allowance of one vehicle for positive and negative
// moment in the current span and for shear at every station.
#include "engine/liveload/dynamic_load_allowance.h"

#include <algorithm>

#include "document/kordel_doc.h"
#include "platform/host.h"

namespace kordel {

double StandardImpactFraction(double L) {
    return std::min(50.0 / (std::max(L, 0.0) + 125.0), kStandardMaxImpact);
}

double StandardShearLoadedLength(double x, double L) {
    return x < L / 2.0 ? L - x : x;
}

void CKordelDoc::ComputeImpactFactors(int vehicle) {
    const bool first = vehicle == 1;
    const bool computed = (first ? m_nVehicle1ImpactMode : m_nVehicle2ImpactMode) == kValueComputed;
    const double specified = first ? m_dVehicle1ImpactSpecified : m_dVehicle2ImpactSpecified;

    if (IsLrfd(m_nSpecification)) {
        // AASHTO LRFD 6th ed. Art. 3.6.2.1, Table 3.6.2.1-1
        m_dFatigueImpact = kLrfdFatigueDynamicLoadAllowance;
        m_dVehicle1Impact = m_nVehicle1ImpactMode == kValueComputed ? kLrfdDynamicLoadAllowance
                                                                    : m_dVehicle1ImpactSpecified;
        m_dVehicle2Impact = m_nVehicle2ImpactMode == kValueComputed ? kLrfdDynamicLoadAllowance
                                                                    : m_dVehicle2ImpactSpecified;
        const double IM = first ? m_dVehicle1Impact : m_dVehicle2Impact;
        m_dImpactPositiveMoment = m_dImpactNegativeMomentLeft = m_dImpactNegativeMomentRight = IM;
        std::fill(std::begin(m_adImpactAtPoint), std::end(m_adImpactAtPoint), IM);
        return;
    }

    // AASHTO Standard Specifications 17th ed. Art. 3.8.2.1 and 3.8.2.2
    if (computed) {
        const bool continuous = m_bContinuous != 0;
        const int c = m_nCurrentSpan;
        const bool spanKnown =
            !continuous || (m_nSpans >= 1 && m_nSpans <= kMaxSpans && c >= 1 && c <= m_nSpans);
        if (!spanKnown) {
            platform::ShowMessage(
                "The current span is not one of the spans of the girder. The impact fraction is "
                "taken as 0.30.");
            m_dPointImpact = m_dImpactPositiveMoment = kStandardMaxImpact;
            m_dImpactNegativeMomentLeft = m_dImpactNegativeMomentRight = kStandardMaxImpact;
            std::fill(std::begin(m_adImpactAtPoint), std::end(m_adImpactAtPoint),
                      kStandardMaxImpact);
        } else {
            const double Lc = continuous ? m_adSpanLength[c] : m_dDesignSpan;  // ft
            m_dImpactPositiveMoment = StandardImpactFraction(Lc);
            if (continuous) {
                // Negative moment: the average of the two spans beside the support,
                // Art. 3.8.2.2(e).
                const double* L = m_adSpanLength;
                m_dImpactNegativeMomentLeft =
                    StandardImpactFraction(c > 1 ? (L[c - 1] + Lc) / 2.0 : Lc);
                m_dImpactNegativeMomentRight =
                    StandardImpactFraction(c < m_nSpans ? (Lc + L[c + 1]) / 2.0 : Lc);
            } else {
                m_dImpactNegativeMomentLeft = m_dImpactNegativeMomentRight =
                    m_dImpactPositiveMoment;
            }
            for (int i = 0; i < kStationCount; ++i) {
                m_adImpactAtPoint[i] =
                    StandardImpactFraction(StandardShearLoadedLength(m_adStationX[i], Lc));
                m_dPointImpact = m_adImpactAtPoint[i];
            }
        }
    } else {
        m_dPointImpact = m_dImpactPositiveMoment = specified;
        m_dImpactNegativeMomentLeft = m_dImpactNegativeMomentRight = specified;
        std::fill(std::begin(m_adImpactAtPoint), std::end(m_adImpactAtPoint), specified);
    }

    double* report = first ? m_adVehicle1ImpactFactors : m_adVehicle2ImpactFactors;
    report[kImpactPositive] = m_dImpactPositiveMoment;
    report[kImpactNegativeLeft] = m_dImpactNegativeMomentLeft;
    report[kImpactNegativeRight] = m_dImpactNegativeMomentRight;
}

}  // namespace kordel

// The analysis stations along the girder and the values placed with them (end distance, transfer
// length, composite height, drape point), the single span of a simple-span design, and the end
// values of the current span's support records.
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "document/kordel_doc.h"
#include "platform/host.h"

namespace kordel {
namespace {

/// Load cases whose end values the span-end step fills, in the order it fills them.
constexpr int kSpanEndCases[] = {kCaseBarriers, kCaseWearingSurface, kCaseOtherComposite,
                                 kCasePedestrian, kCaseLiveLoad};

/// Depth factor of the critical section for shear: 0.72 h under LRFD, 0.5 h otherwise.
/// AASHTO LRFD 6th ed. Art. 5.8.3.2 and 5.8.2.9 (dv not less than 0.72 h); AASHTO Standard
/// Specifications 17th ed. Art. 9.20.1.4 (h / 2 from the face of the support)
double CriticalSectionDepthFactor(bool lrfd) {
    return lrfd ? 0.72 : 0.5;
}

}  // namespace

void CKordelDoc::ComputeStations() {
    const double L = m_dDesignSpan;    // ft
    const double G = m_dGirderLength;  // ft
    double* x = m_adStationX;

    for (int i = 0; i < kHundredthStations; ++i) x[i] = (i / 100.0) * L;

    x[kStationLeftBearingFace] = m_dBearingPadLength / 2.0 / 12.0;
    x[kStationRightBearingFace] = L - x[kStationLeftBearingFace];

    m_dEndDistance = (G - L) / 2.0;
    m_dTransferLength = m_dTransferLengthFactor * m_dStrandDiameter / 12.0;
    // Not clamped: a transfer length shorter than the end distance ends between the girder end
    // and the bearing, left of station 0.
    x[kStationLeftTransfer] = m_dTransferLength - m_dEndDistance;
    x[kStationRightTransfer] = L - x[kStationLeftTransfer];

    m_dCompositeHeight = m_dSectionHeight + m_dHaunchThickness + m_dDeckThickness +
                         m_dOverlayThickness - m_dWearingSurfaceThickness;
    x[kStationLeftCritical] =
        (CriticalSectionDepthFactor(IsLrfd(m_nSpecification)) * m_dCompositeHeight +
         m_dBearingPadLength / 2.0) /
        12.0;
    x[kStationRightCritical] = L - x[kStationLeftCritical];

    // The drape point: fraction and distance are kept consistent with each other.
    if (m_nDrapePointMode == kDrapeByFraction) {
        m_dDrapePointDistance = m_dDrapeFraction > 0.0 ? m_dDrapeFraction * L : 0.0;
    } else if (m_nDrapePointMode == kDrapeByDistance) {
        if (0.5 * L < m_dDrapePointDistance) {
            m_dDrapeFraction = 0.5;
            m_dDrapePointDistance = 0.5 * L;
        } else if (L != 0.0) {
            m_dDrapeFraction = m_dDrapePointDistance / L;
        } else {
            char text[160];
            std::snprintf(text, sizeof text,
                          "The design span is 0 ft: the drape point at %.2f ft cannot be turned "
                          "into a fraction of the span. The drape fraction is left at %.3f.",
                          m_dDrapePointDistance, m_dDrapeFraction);
            platform::ShowMessage(text, platform::MsgButtons::Ok);
        }
    }
    x[kStationLeftDrape] = m_dDrapeFraction > 0.0 ? m_dDrapeFraction * L : x[kStationMidspan];
    x[kStationRightDrape] = L - x[kStationLeftDrape];

    // Handling supports are entered from the girder ends; here they are taken to the bearing
    // coordinate and kept on the design span.
    x[kStationLeftLift] = std::max(m_dLiftSupportLeft - m_dEndDistance, 0.0);
    x[kStationRightLift] = std::min(G - m_dLiftSupportRight - m_dEndDistance, L);
    x[kStationLeftShip] = std::max(m_dShipSupportLeft - m_dEndDistance, 0.0);
    x[kStationRightShip] = std::min(G - m_dShipSupportRight - m_dEndDistance, L);
    x[kStationFixed1] = 0.1;
    x[kStationFixed2] = 0.1;

    if (m_bContinuous == 0) {
        m_nSpans = 1;
        m_adSpanLength[1] = L;
        m_adSpanGirderLength[1] = G;
        m_adGirderOffsetLeft[1] = (L - G) / 2.0;
        m_adPadOffsetLeft[1] = (G - L) / 2.0;
        m_adPadOffsetRight[1] = (G - L) / 2.0;
    }
}

void CKordelDoc::ComputeSpanEndValues() {
    const int s = m_nCurrentSpan;
    // The extrapolation reads the per-span slots of the current span; a span number outside the
    // slots cannot be read, and the girder's own end values stand in for the span's.
    const bool spanReadable = s >= 0 && s < kMaxSpanSlots;
    if (!spanReadable) {
        char text[160];
        std::snprintf(text, sizeof text,
                      "The current span %d is not in the span layout: the span end values are "
                      "taken from the girder ends.",
                      s);
        platform::ShowMessage(text, platform::MsgButtons::Ok);
    }
    LoadEffectRecord& left = m_aSupportEffect[kSupportSpanLeftEnd];
    LoadEffectRecord& right = m_aSupportEffect[kSupportSpanRightEnd];
    for (int k : kSpanEndCases) {
        left[k] = s == 1 || !spanReadable ? m_aSupportEffect[kSupportLeftReaction][k]
                                          : ExtrapolateSpanEndValue(k, 0);
    }
    for (int k : kSpanEndCases) {
        right[k] = s == m_nSpans || !spanReadable ? m_aSupportEffect[kSupportRightReaction][k]
                                                  : ExtrapolateSpanEndValue(k, 1);
    }
}

double CKordelDoc::ExtrapolateSpanEndValue(int k, int side) const {
    const int s = m_nCurrentSpan;
    if (k < 0 || k >= kLoadEffectFields || s < 0 || s >= kMaxSpanSlots) return 0.0;
    const double* x = m_adStationX;
    if (side == 0) {
        const double d = x[kStationTenth] - x[kStationLeftBearing];  // ft
        const double V0 = m_aShear[kStationLeftBearing][k];
        const double V10 = m_aShear[kStationTenth][k];
        const double slope = d != 0.0 ? std::abs(V10 - V0) / d : 1.0;  // kip/ft
        return (m_adGirderOffsetLeft[s] + m_adPadOffsetLeft[s] + d) * slope + std::abs(V10);
    }
    const double d = x[kStationRightBearing] - x[kStationNinetieth];
    const double V90 = m_aShear[kStationNinetieth][k];
    const double V100 = m_aShear[kStationRightBearing][k];
    const double slope = d != 0.0 ? std::abs(V100 - V90) / d : 1.0;
    const double toSupport =
        (m_adSpanLength[s] - m_adSpanGirderLength[s] - m_adGirderOffsetLeft[s]) +
        m_adPadOffsetRight[s] + d;  // station 90 to the right support line, ft
    return toSupport * slope + std::abs(V90);
}

}  // namespace kordel

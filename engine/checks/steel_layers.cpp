// The longitudinal steel of the girder as layers for the strain-compatibility solution: every
// strand group and tendon with its developed area and effective prestress at each station, and
// every girder and deck bar row with its area reduced near the bar ends by its development length.
#include <algorithm>

#include "document/kordel_doc.h"

namespace kordel {
namespace {

/// Part of a bar developed at `distance` ft from its nearer end over the development length
/// `ld` ft: nothing at the end itself, in full beyond ld. A length of 0 or less (no development
/// needed) develops the bar in full anywhere past its end.
double DevelopedFraction(double distance, double ld) {
    if (!(distance > 0.0)) return 0.0;
    if (!(ld > 0.0)) return 1.0;
    return std::min(1.0, distance / ld);
}

/// Nominal area of one bar of size `size`, in2; 0 for a size the bar table does not hold.
double BarArea(const double (&table)[kBarTableSlots][kBarTableValueCount], int size) {
    if (size < 0 || size >= kBarTableSlots) return 0.0;
    return table[size][kBarArea];
}

}  // namespace

void CKordelDoc::BuildSteelLayers() {
    // Strand development with the full strand stress fpu standing for fps, which the layers
    // refine through the strain of each strand.
    // AASHTO LRFD 6th ed. Art. 5.11.4.2, Eq. 5.11.4.2-1; AASHTO Standard Specifications 17th ed.
    // Art. 9.28.1
    const double fpu = m_dStrandFpu;                                             // ksi
    const double fpe = m_adStrandStressFinal[kFinalStrandStress];                // ksi
    const double db = m_dStrandDiameter;                                         // in
    const double ld = m_dDevLengthFactor * (fpu - 2.0 / 3.0 * fpe) * db / 12.0;  // ft
    const double ldDebonded = 2.0 * (fpu - 2.0 / 3.0 * fpe) * db / 12.0;         // ft
    double scratchArea[kStationCount] = {};                                      // in2, not kept
    double scratchCentroid[kStationCount] = {};                                  // in, not kept
    ComputeStrandDevelopment(m_dSectionHeight, m_aStrandGroup, scratchArea, scratchCentroid,
                             m_dTransferLength, fpe, ld, ldDebonded, fpu);

    m_nSteelLayers = 0;
    auto addLayer = [&]() -> SteelLayer& {
        SteelLayer& layer = m_aSteelLayer[m_nSteelLayers++];
        layer = SteelLayer{};
        return layer;
    };

    // Strand groups, then tendons: developed area acting both ways, developed prestress.
    auto addDeveloped = [&](const StrandDevelopment& rec, int kind) {
        SteelLayer& layer = addLayer();
        layer.m_dCount = rec[kDevStrandCount];
        layer.m_nKind = kind;
        for (int i = 0; i < kStationCount; ++i) {
            layer.m_adElevation[i] = rec[kDevElevation + i];
            layer.m_adTensionArea[i] = rec[kDevArea + i];
            layer.m_adCompressionArea[i] = rec[kDevArea + i];
            layer.m_adPrestress[i] = rec[kDevStress + i];
        }
    };
    const int nGroups = std::clamp(m_nStrandGroupCount, 0, kMaxStrandGroups);
    const int strandKind = m_dStrandFpu == 250.0 ? kLayerStrand250 : kLayerStrand;
    for (int g = 0; g < nGroups; ++g) addDeveloped(m_aStrandRowDevelopment[g], strandKind);
    // The development routine fills the tendon records of a post-tensioned design only.
    const int nTendons =
        m_nPrestressType == kPostTensioned ? std::clamp(m_nTendonCount, 0, kMaxTendons) : 0;
    const int tendonKind = m_dPTStrandFpu == 250.0 ? kLayerTendon250 : kLayerTendon;
    for (int t = 0; t < nTendons; ++t) addDeveloped(m_aTendonDevelopment[t], tendonKind);

    // The prestressing steel's stress shown with the layers: the area-weighted mean of the
    // developed effective prestress, where any prestressing steel is developed. The solution
    // replaces it by the stress at nominal strength where it balances.
    for (int i = 0; i < kStationCount; ++i) {
        double A = 0.0;   // in2
        double fA = 0.0;  // kip
        for (int k = 0; k < m_nSteelLayers; ++k) {
            A += m_aSteelLayer[k].m_adTensionArea[i];
            fA += m_aSteelLayer[k].m_adTensionArea[i] * m_aSteelLayer[k].m_adPrestress[i];
        }
        if (A != 0.0) {
            m_aFlexureFps[i][kFlexurePositive] = fA / A;
            m_aFlexureFps[i][kFlexureNegative] = fA / A;
        }
    }

    // Bar rows: the area acting in tension (compression) rises from nothing at a bar end to the
    // full area at the tension (compression) development length.
    // AASHTO LRFD 6th ed. Art. 5.11.2.1 and 5.11.2.2; AASHTO Standard Specifications 17th ed.
    // Art. 8.25 and 8.26
    const bool lrfd = IsLrfd(m_nSpecification);
    auto addBarRows = [&](int rowCount, const double(*rows)[kRebarRowValueCount], bool deck) {
        const int n = std::clamp(rowCount, 0, kMaxLongitRebarRows);
        // Deck rows are given above the bottom of the deck.
        const double base = deck ? m_dSectionHeight + m_dHaunchThickness : 0.0;  // in
        const double fc = deck ? m_dDeckFc : m_dBeamFc;                          // ksi
        const int densityClass = deck ? m_nDeckConcreteType : m_nBeamConcreteType;
        const double lambda = deck ? m_dLambdaDeck : m_dLambdaGirder;
        for (int r = 0; r < n; ++r) {
            const double* row = rows[r];
            const double y = row[kRebarRowElevation] + base;  // in
            const int size = static_cast<int>(row[kRebarRowBarSize]);
            double ldt = 0.0;  // ft
            double ldc = 0.0;  // ft
            if (lrfd) {
                GetBarDevelopmentLengthLrfd(y, size, 0, m_dLongitudinalFy, fc, densityClass, lambda,
                                            &ldt, &ldc);
            } else {
                GetBarDevelopmentLengthStd(y, size, 0, m_dLongitudinalFy, fc, densityClass, &ldt,
                                           &ldc);
            }
            const double area = row[kRebarRowBars] * BarArea(m_adBarTable, size);  // in2
            const double start = row[kRebarRowStart];                              // ft
            const double end = row[kRebarRowEnd];                                  // ft

            SteelLayer& layer = addLayer();
            layer.m_dCount = row[kRebarRowBars];
            layer.m_nKind = kLayerBar;
            for (int i = 0; i < kStationCount; ++i) {
                const double p = m_adStationX[i] + m_dEndDistance;  // ft from the girder end
                // A deck row counts at its own ends (with no area there), a girder row only
                // strictly between them.
                const bool crosses = deck ? (start <= p && p <= end) : (start < p && p < end);
                if (!crosses) continue;
                layer.m_adElevation[i] = y;
                layer.m_adTensionArea[i] = area * std::min(DevelopedFraction(p - start, ldt),
                                                           DevelopedFraction(end - p, ldt));
                layer.m_adCompressionArea[i] = area * std::min(DevelopedFraction(p - start, ldc),
                                                               DevelopedFraction(end - p, ldc));
            }
        }
    };
    addBarRows(m_nGirderRebarRowCount, m_adGirderRebarRows, false);
    addBarRows(m_nDeckRebarRowCount, m_adDeckRebarRows, true);
}

}  // namespace kordel

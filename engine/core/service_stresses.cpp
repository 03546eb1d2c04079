// Service stress combinations: the prestress stresses of the strands and tendons and the stresses
// of the load cases added up at every station into the release state, the final states with and
// without live load, and the fatigue states; with the live-load factors they use and the most
// tensile bottom stress of the girder in service.
#include "document/kordel_doc.h"

namespace kordel {
namespace {

/// Start value of the search for the most tensile bottom stress, ksi.
constexpr double kNoWorstStress = 999999.9;

}  // namespace

void CKordelDoc::CombineServiceStresses() {
    // Live-load factor of the tension check (Service III, or Service I when asked). Under the
    // 7th edition the automatic Service III factor follows the loss method: 1.0 with the
    // refined losses, 0.8 otherwise (AASHTO LRFD 7th ed. Table 3.4.1-4).
    double gammaLL = m_dServiceIIILiveLoadFactor;
    if (m_bAutoFactors == 1) {
        if (m_nSpecEdition == 4)
            m_dServiceIIILiveLoadFactor = m_nLossMethod == kLossLrfd6thDetailed ? 1.0 : 0.8;
        gammaLL = m_bServiceComboI == 1 ? m_dServiceILiveLoadFactor : m_dServiceIIILiveLoadFactor;
    }
    m_adAllowableStress[kServiceTensionLiveLoadFactor] = gammaLL;

    // Fatigue I with the single fatigue truck under LRFD (AASHTO LRFD 6th ed. Table 3.4.1-1;
    // 1.75 with the Caltrans effective width), otherwise the design live load unfactored.
    double gammaF = 1.0;
    int fatiguePositive = kStressLiveLoad;
    int fatigueNegative = kStressLiveLoadNegative;
    if (IsLrfd(m_nSpecification) && m_bFatigueOneTruck == 1) {
        gammaF = m_nEffWidthMethod == kEffWidthCaltrans ? 1.75 : 1.5;
        fatiguePositive = kStressFatigue;
        fatigueNegative = kStressFatigueNegative;
    }
    m_adAllowableStress[kFatigueLiveLoadFactor] = gammaF;

    static const int kFibreOfEntry[kServiceStressEntryCount] = {-1, kFibreGirderBottom,
                                                                kFibreGirderTop, kFibreDeckTop};

    for (int i = 0; i < kStationCount; ++i) {
        const LoadCaseStress& L = m_aLoadCaseStress[i];
        const double* Pr = m_aPrestressStress[i];
        const double* Ls = m_aPrestressLossStress[i];
        const double* Pt = m_aPtStress[i];
        ServiceStress& S = m_aServiceStress[i];

        // Release.
        double* g0 = S[kServiceRelease];
        g0[kServiceBottom] = Pr[kPrestressReleaseBottom] + Pt[kPtStressStageBottom] +
                             L[kStressGirderRelease][kFibreGirderBottom];
        g0[kServiceTop] = Pr[kPrestressReleaseTop] + Pt[kPtStressStageTop] +
                          L[kStressGirderRelease][kFibreGirderTop];

        // Final, prestress and permanent loads.
        double* g1 = S[kServicePermanent];
        g1[kServiceBottom] = Pr[kPrestressFinalBottom] + Ls[kLossStressToDeckBottom] +
                             Ls[kLossStressDeckToFinalBottom] + Pt[kPtStressFinalBottom];
        g1[kServiceTop] = Pr[kPrestressFinalTop] + Ls[kLossStressToDeckTop] +
                          Ls[kLossStressDeckToFinalTop] + Pt[kPtStressFinalTop];
        for (int c = kStressGirder; c <= kStressOtherComposite; ++c) {
            g1[kServiceBottom] += L[c][kFibreGirderBottom];
            g1[kServiceTop] += L[c][kFibreGirderTop];
        }
        g1[kServiceDeckTop] = Ls[kLossStressDeckToFinalDeck] + L[kStressOverlay][kFibreDeckTop] +
                              L[kStressBarriers][kFibreDeckTop] +
                              L[kStressWearingSurface][kFibreDeckTop] +
                              L[kStressOtherComposite][kFibreDeckTop];

        for (int e = kServiceBottom; e <= kServiceDeckTop; ++e) {
            const int f = kFibreOfEntry[e];
            const double live = L[kStressLiveLoad][f] + L[kStressPedestrian][f];
            S[kServiceFatiguePositive][e] =
                0.5 * g1[e] + gammaF * L[fatiguePositive][f] + L[kStressPedestrian][f];
            S[kServiceFatigueNegative][e] =
                0.5 * g1[e] + gammaF * L[fatigueNegative][f] + L[kStressPedestrian][f];
            // Service III applies its live-load factor to the tension check at the bottom;
            // the compression fibres take the live load unfactored (Service I).
            S[kServiceAllLoadsPositive][e] = g1[e] + L[kStressRestraintPositive][f] +
                                             (e == kServiceBottom ? gammaLL * live : live) +
                                             L[kStressDeckShrinkage][f];
            S[kServiceAllLoadsNegative][e] = g1[e] + L[kStressRestraintNegative][f] +
                                             L[kStressLiveLoadNegative][f] +
                                             L[kStressPedestrian][f] + L[kStressDeckShrinkage][f];
        }
    }

    // Most tensile bottom stress in service, positive live load first; ties keep the earlier.
    m_dWorstBottomStress = kNoWorstStress;
    m_nWorstBottomStation = 0;
    for (const int g : {kServiceAllLoadsPositive, kServiceAllLoadsNegative}) {
        for (int i = 0; i < kStationCount; ++i) {
            const double fb = m_aServiceStress[i][g][kServiceBottom];
            if (fb < m_dWorstBottomStress) {
                m_dWorstBottomStress = fb;
                m_nWorstBottomStation = i;
            }
        }
    }
}

}  // namespace kordel

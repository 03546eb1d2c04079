// Effective prestress and the concrete stresses due to pretensioning: the strand stresses of the
// stress history and the pretensioning force at every station for each stage (after release, at
// post-tensioning, final), then the fibre stresses of that force at release and at final, the
// stresses of the loss forces of the LRFD detailed method, and the stresses of the deck
// shrinkage force as a load case of its own.
#include <algorithm>
#include <optional>

#include "document/kordel_doc.h"
#include "engine/core/fibre_stress.h"
#include "engine/core/prestress_messages.h"

namespace kordel {
namespace {

/// Share of the jacking force left after a loss of `loss` ksi: 1 - loss / fpj. With no jacking
/// stress there is no force to leave (the loss stage reports it).
double Remaining(double loss, double fpj) {
    return fpj != 0.0 ? 1.0 - loss / fpj : 0.0;
}

}  // namespace

void CKordelDoc::ComputeEffectivePrestress() {
    std::fill(std::begin(m_adLossForceTransferToDeck), std::end(m_adLossForceTransferToDeck), 0.0);
    std::fill(std::begin(m_adLossForceDeckToFinal), std::end(m_adLossForceDeckToFinal), 0.0);

    const double fpj = m_dStrandStressJacking;                          // ksi
    const double release = m_adTotalLoss[kTotalLossRelease];            // ksi
    const double stage = m_adLossSecondStage[kSecondStageLoss];         // ksi, 0 without PT
    const double final = m_adTotalLoss[kTotalLossFinal];                // ksi
    const double toDeck = m_adLossDetailed[kDetailedToDeck];            // ksi
    const double deckToFinal = m_adLossDetailed[kDetailedDeckToFinal];  // ksi
    const bool forceEntry = m_nPretensionEntryMode != kEntryStrandPattern;
    const bool detailed = UsesDetailedLosses(m_nLossMethod, m_nLossMode);

    // Stress history and the total forces of the stages.
    m_adStrandForceSummary[kSummaryReleaseStress] = fpj - release;
    m_adPrestressForceWork[kWorkStressAtPt] = fpj - stage;
    m_adStrandStressFinal[kFinalStrandStress] = fpj - final;
    if (forceEntry) {
        const double Pj = m_dPForceJacking;  // kip
        m_adStrandForceSummary[kSummaryJackingForce] = Pj;
        m_adStrandForceSummary[kSummaryReleaseForce] = Pj * Remaining(release, fpj);
        m_adPrestressForceWork[kWorkForceAtPt] = Pj * Remaining(stage, fpj);
        m_adStrandStressFinal[kFinalStrandForce] = Pj * Remaining(final, fpj);
    } else {
        const double Aps = m_nStrandCount * m_dStrandUnitArea;  // in2
        m_adStrandForceSummary[kSummaryJackingForce] = Aps * fpj;
        m_adStrandForceSummary[kSummaryReleaseForce] = Aps * (fpj - release);
        m_adPrestressForceWork[kWorkForceAtPt] = Aps * (fpj - stage);
        m_adStrandStressFinal[kFinalStrandForce] = Aps * (fpj - final);
    }

    for (int i = 0; i < kStationCount; ++i) {
        // Anchored force at jacking stress; a force entry has no transfer or debonding reduction.
        const double P = forceEntry ? m_dPForceJacking : m_adJackingForceAtStation[i];  // kip
        m_adPrestressForceRelease[i] = P * Remaining(release, fpj);
        m_adEffectivePrestress[i] = P * Remaining(final, fpj);
        if (detailed) {
            // The stresses take the unreduced force; the losses act as loss forces of their own.
            m_adPrestressForceJacking[i] = P;
            m_adPrestressForceFinal[i] = P;
            m_adPtForceStage1[i] = P;
            m_adLossForceTransferToDeck[i] = fpj != 0.0 ? -P * toDeck / fpj : 0.0;
            m_adLossForceDeckToFinal[i] = fpj != 0.0 ? -P * deckToFinal / fpj : 0.0;
        } else {
            m_adPrestressForceJacking[i] = m_adPrestressForceRelease[i];
            m_adPrestressForceFinal[i] = P * Remaining(stage, fpj);
            m_adPtForceStage1[i] = m_adEffectivePrestress[i];
        }
    }
}

void CKordelDoc::ComputePrestressStresses() {
    PrestressMessages messages;
    const bool transformed = TransformsStrandsForDeadLoads(m_nTransformStrandsMode);
    const bool detailed = UsesDetailedLosses(m_nLossMethod, m_nLossMode);
    const int releaseCase = transformed ? kSectionCaseRelease : kSectionCaseGirder;
    const int finalCase = transformed ? kSectionCaseFinal : kSectionCaseGirder;

    // Deck shrinkage force, applied at the centroid of the deck and overlay.
    const double t = m_dDeckThickness + m_dOverlayThickness - m_dWearingSurfaceThickness;  // in
    const double Fd = static_cast<double>(m_fDeckForcePercent) / 100.0 * m_dDeckShrinkageForce;

    // Stress of force P at eccentricity e on section case c at station i, fibre `fibre`; 0 after
    // one message for the run where the section has no area or modulus.
    bool missingSectionShown = false;
    const auto stress = [&](double P, double e, int i, int c, int fibre) {
        const double A = m_adAreaAtStation[i][c];
        const double S = m_adSectionModulusAtStation[i][SectionModulusSlot(c, fibre)];
        const std::optional<double> f =
            PrestressFibreStress(P, A, e, S, fibre == kFibreGirderBottom);
        if (!f && !missingSectionShown) {
            messages.Show(
                MessageText("Prestress stresses: section case %d has no area or no "
                            "section modulus at fibre %d at station %d; the stresses "
                            "of a force there are taken as 0.",
                            c, fibre, i));
            missingSectionShown = true;
        }
        return f.value_or(0.0);
    };

    for (int i = 0; i < kStationCount; ++i) {
        double* ps = m_aPrestressStress[i];
        double* ls = m_aPrestressLossStress[i];
        for (int k : {kLossStressToDeckBottom, kLossStressToDeckTop, kLossStressDeckToFinalBottom,
                      kLossStressDeckToFinalTop, kLossStressDeckToFinalDeck})
            ls[k] = 0.0;

        // Release.
        const double Pr = m_nPrestressType == kPretensionOnly ? m_adPrestressForceJacking[i]
                                                              : m_adPrestressForceFinal[i];
        const double eRelease = m_adStrandEccentricity[i][kEccentricityRelease];
        ps[kPrestressReleaseBottom] = stress(Pr, eRelease, i, releaseCase, kFibreGirderBottom);
        ps[kPrestressReleaseTop] = stress(Pr, eRelease, i, releaseCase, kFibreGirderTop);

        // Final: with the detailed losses the unreduced force stays on the release section.
        const double Pf = m_adPtForceStage1[i];
        const int fc = detailed ? releaseCase : finalCase;
        const double eFinal =
            m_adStrandEccentricity[i][detailed ? kEccentricityRelease : kEccentricityService];
        ps[kPrestressFinalBottom] = stress(Pf, eFinal, i, fc, kFibreGirderBottom);
        ps[kPrestressFinalTop] = stress(Pf, eFinal, i, fc, kFibreGirderTop);

        const double* yb = m_adCentroidAtStation[i];
        if (detailed) {
            // Loss forces: transfer to deck on the gross girder, deck to final on the composite.
            const double cg = m_adStrandCgAtStation[i];
            const double eg = yb[kSectionCaseGirder] - cg;
            const double ec = yb[kSectionCaseOverlay] - cg;
            const double P1 = m_adLossForceTransferToDeck[i];
            const double P2 = m_adLossForceDeckToFinal[i];
            ls[kLossStressToDeckBottom] = stress(P1, eg, i, kSectionCaseGirder, kFibreGirderBottom);
            ls[kLossStressToDeckTop] = stress(P1, eg, i, kSectionCaseGirder, kFibreGirderTop);
            ls[kLossStressDeckToFinalBottom] =
                stress(P2, ec, i, kSectionCaseOverlay, kFibreGirderBottom);
            ls[kLossStressDeckToFinalTop] = stress(P2, ec, i, kSectionCaseOverlay, kFibreGirderTop);
            ls[kLossStressDeckToFinalDeck] = stress(P2, ec, i, kSectionCaseOverlay, kFibreDeckTop);
        }

        // Deck shrinkage: the force Fd at the deck centroid, ed above the composite centroid, on
        // the composite section; 0 unless the detailed method takes the PCI approach.
        const double ed = m_dCompositeHeight - yb[kSectionCaseOverlay] - t / 2.0;  // in
        double* shrinkage = m_aLoadCaseStress[i][kStressDeckShrinkage];
        for (int fibre = 0; fibre < kSectionFibreCount; ++fibre)
            shrinkage[fibre] = stress(Fd, -ed, i, kSectionCaseOverlay, fibre);
    }
}

}  // namespace kordel

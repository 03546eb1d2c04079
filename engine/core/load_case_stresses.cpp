// Load-case stresses: the moment of every load case at every station turned into concrete fibre
// stresses on the section that carries that load: the girder alone for the loads placed before
// the deck hardens, a composite section for the loads placed after it, with or without the
// strands transformed into the section as the user chose.
#include <algorithm>
#include <optional>

#include "document/kordel_doc.h"
#include "engine/core/fibre_stress.h"
#include "engine/core/prestress_messages.h"

namespace kordel {
namespace {

/// The sections that carry the load cases.
enum class SectionGroup {
    ReleaseGirder,  ///< the girder at release: girder self-weight on the release span
    Girder,         ///< the girder: its self-weight and the non-composite loads
    Deck,           ///< girder with deck: loads on the fresh composite section
    DeadLoad,       ///< girder with deck and overlay: the composite dead loads
    LiveLoad,       ///< girder with deck and overlay: the live loads
};

/// Section case of `group` for each m_nTransformStrandsMode, 0 to 3 (0 "Don't transform
/// strands", 1 "Live load stresses only", 2 "All stresses", 3 "All stresses except live load").
int SectionCaseOf(SectionGroup group, int mode) {
    static const int kCase[5][4] = {
        // mode 0               1                               2                               3
        {kSectionCaseGirder, kSectionCaseGirder, kSectionCaseRelease, kSectionCaseRelease},
        {kSectionCaseGirder, kSectionCaseGirder, kSectionCaseFinal, kSectionCaseFinal},
        {kSectionCaseDeck, kSectionCaseDeck, kSectionCaseTransformedDeck,
         kSectionCaseTransformedDeck},
        {kSectionCaseOverlay, kSectionCaseOverlay, kSectionCaseTransformedOverlay,
         kSectionCaseOverlay},
        {kSectionCaseOverlay, kSectionCaseTransformedOverlay, kSectionCaseTransformedOverlay,
         kSectionCaseOverlay},
    };
    return kCase[static_cast<int>(group)][mode];
}

/// Fibres that the section of `group` has: the girder bottom and top; the deck top with the deck;
/// the overlay top with the overlay.
int FibreCountOf(SectionGroup group) {
    switch (group) {
        case SectionGroup::ReleaseGirder:
        case SectionGroup::Girder:
            return 2;
        case SectionGroup::Deck:
            return 3;
        case SectionGroup::DeadLoad:
        case SectionGroup::LiveLoad:
            return 4;
    }
    return 2;
}

/// The load case of m_aMoment behind each stress case and the section that carries it. Stress
/// case 15 (the deck shrinkage force) belongs to the prestress stage.
struct StressCaseLoad {
    int stressCase;
    int loadCase;
    SectionGroup group;
};
const StressCaseLoad kStressCaseLoads[] = {
    {kStressGirderRelease, kCaseGirderRelease, SectionGroup::ReleaseGirder},
    {kStressGirder, kCaseGirder, SectionGroup::Girder},  // ReleaseGirder with detailed losses
    {kStressDeck, kCaseDeck, SectionGroup::Girder},
    {kStressOverlay, kCaseOverlay, SectionGroup::Deck},
    {kStressDiaphragms, kCaseDiaphragms, SectionGroup::Girder},
    {kStressOtherNonComposite, kCaseOtherNonComposite, SectionGroup::Girder},
    {kStressBarriers, kCaseBarriers, SectionGroup::Deck},
    {kStressWearingSurface, kCaseWearingSurface, SectionGroup::DeadLoad},
    {kStressOtherComposite, kCaseOtherComposite, SectionGroup::DeadLoad},
    {kStressLiveLoad, kCaseLiveLoad, SectionGroup::LiveLoad},
    {kStressFatigue, kCaseFatigue, SectionGroup::LiveLoad},
    {kStressPedestrian, kCasePedestrian, SectionGroup::LiveLoad},
    {kStressLiveLoadNegative, kCaseLiveLoadNegative, SectionGroup::LiveLoad},
    {kStressRestraintPositive, kCaseRestraintPositive, SectionGroup::DeadLoad},
    {kStressRestraintNegative, kCaseRestraintNegative, SectionGroup::DeadLoad},
    {kStressFatigueNegative, kCaseFatigueNegative, SectionGroup::LiveLoad},
};

}  // namespace

void CKordelDoc::ComputeLoadCaseStresses() {
    PrestressMessages messages;
    int mode = m_nTransformStrandsMode;
    if (mode < kTransformNone || mode > kTransformAllButLiveLoad) {
        messages.Show(
            MessageText("Load-case stresses: the strand transformation option %d is not "
                        "known; the stresses are computed without transformed strands.",
                        mode));
        mode = kTransformNone;
    }
    // With the detailed losses computed the girder's own weight acts on the section at release.
    const bool detailed = UsesDetailedLosses(m_nLossMethod, m_nLossMode);
    bool missingModulusShown = false;

    for (const StressCaseLoad& load : kStressCaseLoads) {
        const SectionGroup group =
            load.stressCase == kStressGirder && detailed ? SectionGroup::ReleaseGirder : load.group;
        const int sectionCase = SectionCaseOf(group, mode);
        const int fibres = FibreCountOf(group);
        for (int i = 0; i < kStationCount; ++i) {
            const double M = m_aMoment[i][load.loadCase];  // kip-ft
            double* f = m_aLoadCaseStress[i][load.stressCase];
            for (int fibre = 0; fibre < kSectionFibreCount; ++fibre) {
                if (fibre >= fibres) {
                    f[fibre] = 0.0;  // the section has no such fibre
                    continue;
                }
                const double S =
                    m_adSectionModulusAtStation[i][SectionModulusSlot(sectionCase, fibre)];
                const std::optional<double> stress =
                    MomentFibreStress(M, S, fibre == kFibreGirderBottom);
                if (!stress && !missingModulusShown) {
                    // One message for the run, naming the first place where it happens.
                    messages.Show(MessageText(
                        "Load-case stresses: section case %d has no section modulus at fibre %d "
                        "at station %d; the stresses of a moment where a modulus is 0 are taken "
                        "as 0.",
                        sectionCase, fibre, i));
                    missingModulusShown = true;
                }
                f[fibre] = stress.value_or(0.0);
            }
        }
    }
}

}  // namespace kordel

// Load-case stresses, service combinations, allowable stresses and factored effects.
#pragma once

#include "document/model_limits.h"
#include "document/results_section.h"

namespace kordel {

// ---- Load-case stresses -------------------------------------------------------------------------

/// Stress cases of a LoadCaseStress, each the stress of one load case of m_aMoment (named after
/// it) on the section that carries it.
enum StressCase : int {
    kStressGirderRelease = 0,       ///< girder self-weight on the release span (load case 0)
    kStressGirder = 1,              ///< girder self-weight on the design span (1)
    kStressDeck = 2,                ///< deck (2)
    kStressOverlay = 3,             ///< overlay (3)
    kStressDiaphragms = 4,          ///< diaphragms (4)
    kStressOtherNonComposite = 5,   ///< other non-composite dead load (5)
    kStressBarriers = 6,            ///< barriers (6)
    kStressWearingSurface = 7,      ///< future wearing surface (7)
    kStressOtherComposite = 8,      ///< other composite dead load (8)
    kStressLiveLoad = 9,            ///< design live load, positive (13)
    kStressFatigue = 10,            ///< fatigue truck, positive (14)
    kStressPedestrian = 11,         ///< pedestrian load (15)
    kStressLiveLoadNegative = 12,   ///< design live load, negative (16)
    kStressRestraintPositive = 13,  ///< restraint moment, positive (17)
    kStressRestraintNegative = 14,  ///< restraint moment, negative (20)
    kStressDeckShrinkage = 15,      ///< force of the deck shrinkage (the prestress stage)
    kStressFatigueNegative = 16,    ///< fatigue truck, negative (21)
};
inline constexpr int kStressCaseCount = 17;

/// Fibre stresses of every stress case at one station, ksi, compression positive:
/// [StressCase][SectionFibre] (girder bottom, girder top, deck top, overlay top); case c at fibre
/// f is value 4 c + f of the record. A fibre that the section of a case does not have holds 0.
struct LoadCaseStress {
    double m_adValue[kStressCaseCount][kSectionFibreCount] = {};

    double* operator[](int c) { return m_adValue[c]; }
    const double* operator[](int c) const { return m_adValue[c]; }
    bool operator==(const LoadCaseStress&) const = default;
};

struct StressResults {
    // ---- Load-case stresses ---------------------------------------------------------------------
    /// Stresses of every load case, ksi [station][StressCase][SectionFibre].
    LoadCaseStress m_aLoadCaseStress[kStationCount] = {};
};

}  // namespace kordel

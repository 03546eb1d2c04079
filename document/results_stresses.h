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

// ---- Service combinations -----------------------------------------------------------------------

/// Service combinations of a ServiceStress.
enum ServiceCombination : int {
    kServiceRelease = 0,           ///< prestress at release + girder on the release span
    kServicePermanent = 1,         ///< final: prestress + permanent loads ("P+Pm")
    kServiceFatiguePositive = 2,   ///< half of combination 1 + positive fatigue live load
    kServiceAllLoadsPositive = 3,  ///< final: prestress + permanent + positive live load
    kServiceFatigueNegative = 4,   ///< half of combination 1 + negative fatigue live load
    kServiceAllLoadsNegative = 5,  ///< final: prestress + permanent + negative live load
};
inline constexpr int kServiceCombinationCount = 6;

/// Entries of one service combination. Entry 0 carries no stress: the writers of the design
/// tables put the girder bottom at entry 1.
enum ServiceStressEntry : int {
    kServiceEntryUnused = 0,  ///< no stress; always 0
    kServiceBottom = 1,       ///< girder bottom fibre
    kServiceTop = 2,          ///< girder top fibre
    kServiceDeckTop = 3,      ///< top of the structural deck, deck concrete
};
inline constexpr int kServiceStressEntryCount = 4;

/// The six service combinations at one station, ksi, compression positive:
/// [ServiceCombination][ServiceStressEntry]. Combination 0 has no deck entry.
struct ServiceStress {
    double m_adValue[kServiceCombinationCount][kServiceStressEntryCount] = {};

    double* operator[](int g) { return m_adValue[g]; }
    const double* operator[](int g) const { return m_adValue[g]; }
    bool operator==(const ServiceStress&) const = default;
};

/// Entries of m_adAllowableStress.
enum AllowableStressEntry : int {
    kAllowReleaseTensionWithSteel = 0,  ///< release tension with bonded reinforcement, ksi
    kServiceTensionLiveLoadFactor = 1,  ///< live-load factor of the final tension check
    kFatigueLiveLoadFactor = 2,         ///< live-load factor of the fatigue combinations
};
inline constexpr int kAllowableStressCount = 3;

// ---- Factored strength effects ------------------------------------------------------------------

/// Load groups of the factored tables [station][StrengthGroup].
enum StrengthGroup : int {
    kStrengthIPositive = 0,   ///< Strength I, positive live load (design live load + pedestrian)
    kStrengthIIPositive = 1,  ///< Strength II, positive live load of vehicle 2
    kStrengthINegative = 2,   ///< Strength I, negative live load (design live load + pedestrian)
    kStrengthIINegative = 3,  ///< Strength II, negative live load of vehicle 2
};
inline constexpr int kStrengthGroupCount = 4;

/// Entries of m_aFactoredForShear1 (moments) and m_aFactoredForShear2 (shears).
enum ShearDesignEntry : int {
    kShearDesignGoverning = 0,   ///< the governing value of the table
    kShearDesignConcurrent = 1,  ///< the value acting with the other table's governing value
};
inline constexpr int kShearDesignEntryCount = 2;

/// Entries of m_aMuStrengthI / II (positive) and m_aMuStrengthIEnd / IIEnd (negative).
enum StrengthMomentEntry : int {
    kStrengthMomentPositive = 0,           ///< read from m_aMuStrengthI and m_aMuStrengthII
    kStrengthMomentNegativeComposite = 1,  ///< read from m_aMuStrengthIEnd and m_aMuStrengthIIEnd
};
inline constexpr int kStrengthMomentEntryCount = 2;

// ---- End-zone splitting steel and strand summary
// -------------------------------------------------

/// Entries of m_adAnchorZone.
enum AnchorZoneEntry : int {
    kAnchorSplittingForce = 0,  ///< P_anchor = 0.04 P at transfer, kip
    kAnchorSteelArea = 1,       ///< As = P_anchor / fs, in2
    kAnchorZoneLength = 2,      ///< length from the end over which As is placed, in
};
inline constexpr int kAnchorZoneCount = 3;

/// Entries of m_adGirderTotals; 1 to 3 are cleared, 5 is written by no stage.
enum GirderTotalEntry : int {
    kTotalConcreteVolume = 0,  ///< girder concrete, cubic yards
    kTotalStrandLength = 4,    ///< pretensioned strand, ft
    kTotalKeptEntry = 5,       ///< written by no stage; the summary leaves it as it is
    kTotalGirderWeight = 6,    ///< girder weight without the self-weight multiplier, kip
};
inline constexpr int kGirderTotalCount = 7;

/// Entries of m_afDebondSummary.
enum RowDebondEntry : int {
    kRowDebondedStrands = 0,  ///< most end-debonded strands in one pattern row
    kRowDebondedPercent = 1,  ///< their share of that row's strands, percent
};
inline constexpr int kRowDebondCount = 2;

/// Entries of m_adHoldDownSummary.
enum HoldDownEntry : int {
    kHoldDownForce = 0,        ///< hold-down force, kip
    kHoldDownFirstPoint = 1,   ///< first hold-down point from the left girder end, ft
    kHoldDownSecondPoint = 2,  ///< second hold-down point from the left girder end, ft
    kElasticShortening = 3,    ///< elastic shortening of the girder at release, in
};
inline constexpr int kHoldDownCount = 4;

struct StressResults {
    // ---- Load-case stresses ---------------------------------------------------------------------
    /// Stresses of every load case, ksi [station][StressCase][SectionFibre].
    LoadCaseStress m_aLoadCaseStress[kStationCount] = {};

    // ---- Service combinations -------------------------------------------------------------------
    /// Service combinations, ksi [station][ServiceCombination][ServiceStressEntry].
    ServiceStress m_aServiceStress[kStationCount] = {};
    /// Most tensile bottom stress of combinations 3 and 5 over all stations, ksi.
    double m_dWorstBottomStress = 0;
    int m_nWorstBottomStation = 0;  ///< station of m_dWorstBottomStress (AnalysisStation)

    // ---- Allowable stresses (ksi, tension negative) ---------------------------------------------
    /// [AllowableStressEntry]: release tension with bonded steel and the two live-load factors.
    double m_adAllowableStress[kAllowableStressCount] = {};
    double m_dAllowDeckCompression = 0;  ///< compression in the deck concrete, ksi
    /// Bonded steel for the tension zone at release, in2 [station]; 0 where none is needed.
    double m_adReleaseTensionSteel[kStationCount] = {};
    int m_bReleaseTensionSteelRequired = 0;  ///< BOOL: some station needs release tension steel

    // ---- Factored strength effects (kip-ft, kip) ------------------------------------------------
    /// Mu with the design live-load moment [station][StrengthGroup]; after the Strength II step
    /// [0] is the governing positive Mu.
    double m_aMuFlexure[kStationCount][kStrengthGroupCount] = {};
    /// |Vu| with the governing live-load shear [station][StrengthGroup]; after the Strength II
    /// step [0] is the governing one.
    double m_aFactoredShearMagnitude[kStationCount][kStrengthGroupCount] = {};
    /// Mu with the governing live-load moment (load case 18) [station][StrengthGroup].
    double m_aFactoredMomentByGroup[kStationCount][kStrengthGroupCount] = {};
    /// |Vu| with the shear concurrent with the governing moment (19) [station][StrengthGroup].
    double m_aFactoredWork1[kStationCount][kStrengthGroupCount] = {};
    /// |Vu| with the governing live-load shear (18) [station][StrengthGroup].
    double m_aFactoredWork2[kStationCount][kStrengthGroupCount] = {};
    /// Mu with the moment concurrent with the governing shear (19) [station][StrengthGroup].
    double m_aFactoredWork3[kStationCount][kStrengthGroupCount] = {};
    /// Continuous girders: negative Mu on the composite section [station][StrengthGroup]; only
    /// [2] (Strength I, after the Strength II step the governing one) and [3] are written.
    double m_aFactoredMomentEnvelope[kStationCount][kStrengthGroupCount] = {};
    double m_adVuStrengthI[kStationCount] = {};   ///< Strength I |Vu|, kip [station]
    double m_adMuStrengthI[kStationCount] = {};   ///< Strength I design Mu, kip-ft [station]
    double m_adVuStrengthII[kStationCount] = {};  ///< Strength II |Vu|, kip [station]
    double m_adMuStrengthII[kStationCount] = {};  ///< Strength II design Mu, kip-ft [station]
    double m_adVu[kStationCount] = {};            ///< governing |Vu| of Strength I and II [station]
    double m_adMu[kStationCount] = {};            ///< Mu that goes with m_adVu [station]
    /// Shear design moments [station][ShearDesignEntry]: governing Mu (signed), Mu concurrent with
    /// the governing shear.
    double m_aFactoredForShear1[kStationCount][kShearDesignEntryCount] = {};
    /// Shear design shears [station][ShearDesignEntry]: governing |Vu|, |Vu| concurrent with the
    /// governing moment.
    double m_aFactoredForShear2[kStationCount][kShearDesignEntryCount] = {};
    /// Strength I positive Mu before the Strength II step [station][StrengthMomentEntry]; [0] only.
    double m_aMuStrengthI[kStationCount][kStrengthMomentEntryCount] = {};
    /// Strength II positive Mu [station][StrengthMomentEntry]; [0] only.
    double m_aMuStrengthII[kStationCount][kStrengthMomentEntryCount] = {};
    /// Strength I negative composite Mu [station][StrengthMomentEntry]; [1] only.
    double m_aMuStrengthIEnd[kStationCount][kStrengthMomentEntryCount] = {};
    /// Strength II negative composite Mu [station][StrengthMomentEntry]; [1] only.
    double m_aMuStrengthIIEnd[kStationCount][kStrengthMomentEntryCount] = {};
    double m_dLeftPierMoment = 0;   ///< continuous girders: Strength I Mu at the left pier, kip-ft
    double m_dRightPierMoment = 0;  ///< continuous girders: Strength I Mu at the right pier, kip-ft

    // ---- End-zone splitting steel and strand summary --------------------------------------------
    double m_adAnchorZone[kAnchorZoneCount] = {};     ///< splitting steel [AnchorZoneEntry]
    double m_adGirderTotals[kGirderTotalCount] = {};  ///< girder totals [GirderTotalEntry]
    float m_afDebondSummary[kRowDebondCount] = {};    ///< worst debonded row [RowDebondEntry]
    double m_adHoldDownSummary[kHoldDownCount] = {};  ///< hold-down [HoldDownEntry]
    /// Inclination of the strand centroid between the girder end and the drape point, degrees.
    double m_dStrandDrapeAngle = 0;
};

}  // namespace kordel

// Elastic camber and deflection of the girder: the deflection of each load along the span, the
// erection and final values with the camber multipliers, and the end rotations of the prestress.
#pragma once

#include "document/model_limits.h"

namespace kordel {

/// Tables of m_adDeflectionResults: one deflection diagram per load.
enum DeflectionTable : int {
    kDeflPretension = 0,         ///< pretensioning at release, Eci, girder, girder length
    kDeflPostTension = 1,        ///< post-tensioning (0 without it), Eci, girder, girder length
    kDeflGirder = 2,             ///< girder self weight, Eci, girder, release span
    kDeflDeck = 3,               ///< deck, Ec, girder, design span
    kDeflOverlay = 4,            ///< overlay, Ec, section case 1, design span
    kDeflDiaphragms = 5,         ///< diaphragms, Ec, girder, design span
    kDeflOtherNonComposite = 6,  ///< other non-composite load, Ec, girder, design span
    kDeflBarriers = 7,           ///< barriers, Ec, section case 1, design span
    kDeflWearingSurface = 8,     ///< future wearing surface, Ec, section case 2, design span
    kDeflOtherComposite = 9,     ///< other composite load, Ec, section case 2, design span
};
inline constexpr int kDeflectionTableCount = 10;

/// Live-load deflection tables of m_adVehicleDeflection.
enum VehicleDeflectionTable : int { kVehicleDeflLane = 0, kVehicleDeflTruck = 1 };
inline constexpr int kVehicleDeflectionTables = 2;
inline constexpr int kDeflectionVehicles = 2;  ///< design vehicles 1 and 2

/// Entries of m_adCamberSummary (mid-span) and of m_adDeflectionSummary from
/// kDeflSummaryQuarterFirst on (the same layout at the quarter point), in, upward positive.
enum CamberSummaryEntry : int {
    kCamberPretension = 0,           ///< pretensioning camber at release
    kCamberPretensionErection = 1,   ///< W0 x [0]
    kCamberPretensionFinal = 2,      ///< W1 x [0]
    kCamberPostTension = 3,          ///< post-tensioning camber
    kCamberPostTensionErection = 4,  ///< W0 x [3]
    kCamberPostTensionFinal = 5,     ///< W1 x [3]
    kCamberGirder = 6,               ///< girder self weight at release
    kCamberGirderErection = 7,       ///< W2 x [6]
    kCamberGirderFinal = 8,          ///< W3 x [6]
    kCamberDeck = 9,                 ///< deck; [10] x W4
    kCamberOverlay = 11,             ///< overlay; [12] x W5
    kCamberDiaphragms = 13,          ///< diaphragms; [14] x W6
    kCamberOtherNonComposite = 15,   ///< other non-composite; [16] x W7
    kCamberBarriers = 17,            ///< barriers; [18] x W8
    kCamberWearingSurface = 19,      ///< future wearing surface; [20] x W9
    kCamberOtherComposite = 21,      ///< other composite; [22] x W10
};

/// Entries of m_adDeflectionSummary, in.
enum DeflectionSummaryEntry : int {
    kDeflSummaryTruck1Mid = 0,       ///< truck deflection of vehicle 1 at mid-span
    kDeflSummaryTruck2Mid = 1,       ///< truck deflection of vehicle 2 at mid-span
    kDeflSummaryLane1Mid = 2,        ///< lane-load deflection of vehicle 1 at mid-span
    kDeflSummaryLane2Mid = 3,        ///< lane-load deflection of vehicle 2 at mid-span
    kDeflSummaryQuarterFirst = 4,    ///< [4] to [26]: CamberSummaryEntry at the quarter point
    kDeflSummaryTruck1Quarter = 27,  ///< truck deflection of vehicle 1 at the quarter point
    kDeflSummaryLane1Quarter = 28,   ///< lane-load deflection of vehicle 1 at the quarter point
    kDeflSummaryFinalTotal = 29,     ///< final mid-span total of m_adCamberSummary
};
inline constexpr int kDeflectionSummaryCount = 30;

/// Entries of m_adSupportPrestress, radian.
enum SupportPrestressEntry : int {
    kSupportPretensionLeft = 0,   ///< minus the left-end rotation of the pretensioning camber
    kSupportPretensionRight = 1,  ///< right-end rotation of the pretensioning camber
    kSupportPostTensionLeft = 3,  ///< the same for post-tensioning, only with post-tensioning
    kSupportPostTensionRight = 4,
};
inline constexpr int kSupportPrestressCount = 6;

struct CamberResults {
    // ---- Deflection diagrams ----------------------------------------------------------------
    /// Deflection of each load, in, upward positive, at stations 0 to 100; stations 101 to 114
    /// have no value (0) [DeflectionTable][station].
    double m_adDeflectionResults[kDeflectionTableCount][kStationCount] = {};
    /// Live-load deflection of vehicle v (0 = vehicle 1), in, upward positive (a downward
    /// deflection is negative), per girder, at stations 0 to 100
    /// [vehicle][VehicleDeflectionTable][station]; read by the camber summary.
    double m_adVehicleDeflection[kDeflectionVehicles][kVehicleDeflectionTables][kStationCount] = {};

    // ---- Summaries --------------------------------------------------------------------------
    /// Live-load and quarter-point deflections and the final mid-span total, in
    /// [DeflectionSummaryEntry].
    double m_adDeflectionSummary[kDeflectionSummaryCount] = {};
    /// End rotations of the prestress camber, radian [SupportPrestressEntry].
    double m_adSupportPrestress[kSupportPrestressCount] = {};
};

}  // namespace kordel

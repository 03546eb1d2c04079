// Analysis stations, the values derived with them, and the model values the decked bulb-tee
// adjustment saves while the analysis runs.
#pragma once

#include "document/model_limits.h"

namespace kordel {

/// Indices of m_adStationX with a meaning of their own. Stations 0 to 100 are the hundredth
/// points of the design span (0 and 100 the bearing centrelines, 50 midspan); every per-station
/// array of the engine is indexed the same way.
enum AnalysisStation : int {
    kStationLeftBearing = 0,         ///< centreline of the left bearing
    kStationTenth = 10,              ///< first tenth point
    kStationMidspan = 50,            ///< midspan
    kStationNinetieth = 90,          ///< last tenth point before the right bearing
    kStationRightBearing = 100,      ///< centreline of the right bearing
    kStationLeftBearingFace = 101,   ///< face of the left bearing pad
    kStationLeftTransfer = 102,      ///< end of the strand transfer length at the left end
    kStationLeftCritical = 103,      ///< critical section for shear near the left bearing
    kStationLeftDrape = 104,         ///< left drape (hold-down) point
    kStationRightDrape = 105,        ///< right drape point
    kStationRightCritical = 106,     ///< critical section for shear near the right bearing
    kStationRightTransfer = 107,     ///< end of the transfer length at the right end
    kStationRightBearingFace = 108,  ///< face of the right bearing pad
    kStationLeftLift = 109,          ///< left lifting point
    kStationRightLift = 110,         ///< right lifting point
    kStationLeftShip = 111,          ///< left shipping support
    kStationRightShip = 112,         ///< right shipping support
    kStationFixed1 = 113,            ///< fixed station at 0.1 ft
    kStationFixed2 = 114,            ///< fixed station at 0.1 ft
};
inline constexpr int kHundredthStations = 101;  ///< stations 0 to 100

/// Positions along the girder (ft) closer together than this are one point. The stations and the
/// points they are matched to (drape and transfer points, loads, zone ends) are reached by
/// different arithmetic, i / 100 of the span against the span less a distance, and the same point
/// comes out a few last bits apart: 0.55 x 105 = 57.750000000000007 against 105 - 47.25 = 57.75.
inline constexpr double kPositionTolerance = 1e-9;  // ft

/// True when position `a` lies left of position `b` by more than kPositionTolerance.
inline bool PositionBefore(double a, double b) {
    return a < b - kPositionTolerance;
}

/// True when position `a` lies right of position `b` by more than kPositionTolerance.
inline bool PositionBeyond(double a, double b) {
    return a > b + kPositionTolerance;
}

/// Entries of m_adSavedDeckGeometry, in.
enum SavedDeckValue : int {
    kSavedDeckThickness = 0,
    kSavedHaunchThickness = 1,
    kSavedDeckWidth = 2,
    kSavedHaunchWidth = 3,
};
inline constexpr int kSavedDeckValueCount = 4;

/// Entries of m_adSavedSectionProps.
enum SavedSectionValue : int {
    kSavedSectionArea = 0,    ///< in2
    kSavedSectionYb = 1,      ///< in
    kSavedSectionIxx = 2,     ///< in4
    kSavedSectionHeight = 3,  ///< in
};
inline constexpr int kSavedSectionValueCount = 4;

struct StationResults {
    // ---- Analysis stations ----------------------------------------------------------------------
    /// Station positions along the girder from the left bearing centreline, ft [AnalysisStation].
    double m_adStationX[kStationCount] = {};
    double m_dEndDistance = 0;     ///< e = (G - L) / 2, girder end to its bearing centreline, ft
    double m_dTransferLength = 0;  ///< strand transfer length lt, ft
    /// hc = girder + haunch + deck + overlay - integral wearing surface, in, whatever the
    /// composite flag.
    double m_dCompositeHeight = 0;

    // ---- Decked bulb-tee adjustment: the user's values while the adjusted ones are in force -----
    int m_bSavedCompositeDeck = 0;  ///< saved m_bCompositeDeck
    /// Saved deck thickness, haunch thickness, deck width, haunch width, in [SavedDeckValue].
    double m_adSavedDeckGeometry[kSavedDeckValueCount] = {};
    /// Saved area in2, yb in, Ixx in4, height in [SavedSectionValue].
    double m_adSavedSectionProps[kSavedSectionValueCount] = {};
    /// Saved outline points [point][x, y], in.
    double m_adSavedOutline[kMaxOutlinePoints][kPointValueCount] = {};
};

}  // namespace kordel

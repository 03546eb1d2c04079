// Load-effect tables of the dead and live loads at every station.
#pragma once

#include "document/model_limits.h"
#include "document/model_records.h"

namespace kordel {

/// End records of m_aSupportEffect.
enum SupportEffectRecord : int {
    kSupportSpanLeftEnd = 0,    ///< end values of the current span at its left support
    kSupportLeftReaction = 1,   ///< left support reaction at the girder's own end, kip
    kSupportRightReaction = 2,  ///< right support reaction at the girder's own end, kip
    kSupportSpanRightEnd = 3,   ///< end values of the current span at its right support
    kSupportLeftRotation = 5,   ///< left end rotation, radian
    kSupportRightRotation = 6,  ///< right end rotation, radian
};
inline constexpr int kSupportEffectRecords = 7;

/// Entries of m_adReleaseSpanShift, ft.
enum ReleaseSpanShift : int {
    kReleaseSupportFromEnd = 0,  ///< girder end to the release support, (G - Lr) / 2
    kReleaseStationShift = 1,    ///< m_dEndDistance - [0], from a station to the release span
};
inline constexpr int kReleaseSpanShiftCount = 2;

/// Columns of m_adBarrierDeflection, m_adFwsDeflection and m_adOtherCompositeDeflection; the
/// load-effect stage writes column 0, no stage writes columns 1 and 2.
enum CompositeDeflectionColumn : int { kDeflectionContinuousBeam = 0 };
inline constexpr int kCompositeDeflectionColumns = 3;

/// Entries per station of the vehicle envelopes m_aVehicle1Moment, m_aVehicle1Shear,
/// m_aVehicle2Moment and m_aVehicle2Shear: load cases of that vehicle alone.
enum VehicleEnvelopeEntry : int {
    kVehiclePositive = 0,    ///< kCaseLiveLoad: design live load, positive
    kVehicleNegative = 1,    ///< kCaseLiveLoadNegative (0 on a simple span)
    kVehicleGoverning = 2,   ///< kCaseLiveLoadGoverning
    kVehicleConcurrent = 3,  ///< kCaseLiveLoadConcurrent
};
inline constexpr int kVehicleEnvelopeEntries = 4;

struct LoadEffectResults {
    // The station and end tables of the load-effect stages; the span-end step of the stations
    // reads the shears and fills end records 0 and 3.
    /// Bending moment of each load case, kip-ft, positive sagging (tension in the bottom fibre)
    /// [station][LoadCase].
    LoadEffectRecord m_aMoment[kStationCount] = {};
    LoadEffectRecord m_aShear[kStationCount] = {};  ///< shear of each load case, kip [station]
    /// End records [SupportEffectRecord]: values per load case, kip or radian.
    LoadEffectRecord m_aSupportEffect[kSupportEffectRecords] = {};
    /// A third table of the same layout, cleared with the two above; no stage writes it.
    LoadEffectRecord m_aLoadEffect3[kStationCount] = {};

    // ---- Dead loads ---------------------------------------------------------------------------
    /// Release supports of the girder, ft [ReleaseSpanShift].
    double m_adReleaseSpanShift[kReleaseSpanShiftCount] = {};
    /// Deflection under the barrier load, in, upward positive [station][CompositeDeflectionColumn].
    double m_adBarrierDeflection[kStationCount][kCompositeDeflectionColumns] = {};
    /// Deflection under the future wearing surface, in [station][CompositeDeflectionColumn].
    double m_adFwsDeflection[kStationCount][kCompositeDeflectionColumns] = {};
    /// Deflection under the other composite load, in [station][CompositeDeflectionColumn].
    double m_adOtherCompositeDeflection[kStationCount][kCompositeDeflectionColumns] = {};

    // ---- Live loads per vehicle, per girder with impact and distribution -----------------------
    /// Moments of vehicle 1 alone, kip-ft [station][VehicleEnvelopeEntry]; 0 when not included.
    double m_aVehicle1Moment[kStationCount][kVehicleEnvelopeEntries] = {};
    /// Shears of vehicle 1 alone, kip [station][VehicleEnvelopeEntry]; 0 when not included.
    double m_aVehicle1Shear[kStationCount][kVehicleEnvelopeEntries] = {};
    /// Moments of vehicle 2 alone, kip-ft [station][VehicleEnvelopeEntry]; 0 when not included.
    double m_aVehicle2Moment[kStationCount][kVehicleEnvelopeEntries] = {};
    /// Shears of vehicle 2 alone, kip [station][VehicleEnvelopeEntry]; 0 when not included.
    double m_aVehicle2Shear[kStationCount][kVehicleEnvelopeEntries] = {};
};

}  // namespace kordel

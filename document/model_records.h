// Record types of the design model: vehicles, strand pattern rows and strand groups, tendons,
// individual bars, load-effect records and the handling load lists. All are plain values of fixed
// size; a new record is all zero (empty strings).
#pragma once

#include <string>

#include "document/model_limits.h"

namespace kordel {

// ---- Indexed records ----------------------------------------------------------------------------
// Records that the model defines as a row of doubles are indexed like one:
// m_aEndRows[r][kRowStraightCount], m_aStrandGroup[g][kGroupPullFraction].

/// One row of a strand pattern, belonging to the template row of the same index.
struct StrandPatternRow {
    double m_adValue[kPatternRowValueCount] = {};  ///< [PatternRowValue]

    double& operator[](int i) { return m_adValue[i]; }
    const double& operator[](int i) const { return m_adValue[i]; }
    bool operator==(const StrandPatternRow&) const = default;
};

/// One strand on the centreline or a symmetric pair, built from the pattern rows.
struct StrandGroup {
    double m_adValue[kStrandGroupValueCount] = {};  ///< [StrandGroupValue]

    double& operator[](int i) { return m_adValue[i]; }
    const double& operator[](int i) const { return m_adValue[i]; }
    bool operator==(const StrandGroup&) const = default;
};

/// Moments (kip-ft) or shears (kip) of every load case at one station, or one end record.
struct LoadEffectRecord {
    double m_adValue[kLoadEffectFields] = {};  ///< [LoadCase]

    double& operator[](int i) { return m_adValue[i]; }
    const double& operator[](int i) const { return m_adValue[i]; }
    bool operator==(const LoadEffectRecord&) const = default;
};

// ---- Vehicles -----------------------------------------------------------------------------------

/// One axle of a vehicle. The last axle's spacings are 0.
struct VehicleAxle {
    double m_dWeight = 0;      ///< axle weight, kip
    double m_dMinSpacing = 0;  ///< spacing to the next axle, smallest value, ft
    double m_dMaxSpacing = 0;  ///< largest value of that spacing, ft (above min when it varies)

    bool operator==(const VehicleAxle&) const = default;
};

/// Combination codes of LiveLoadVehicle::m_nCombination and VehicleRecord::m_nCombination.
inline constexpr int kCombineTruckOrTandemPlusLane = 1;  ///< "(Truck+Lane) OR (Tandem + Lane)"
inline constexpr int kCombineTruckOrTandemOrLane = 2;    ///< "Truck OR Tandem OR Lane"

/// Name of a vehicle slot with no vehicle chosen.
inline constexpr const char* kNoVehicleName = "NONE";

/// A live-load vehicle as the document holds it.
struct LiveLoadVehicle {
    std::string m_strName;                        ///< vehicle name; "NONE" when none is chosen
    int m_nAxleCount = 0;                         ///< axles used, at most kMaxVehicleAxles
    VehicleAxle m_aAxles[kMaxVehicleAxles] = {};  ///< the axles from the front
    double m_dLaneLoad = 0;                       ///< uniform lane load, klf
    double m_dLaneMomentLoad = 0;                 ///< concentrated lane load for moment, kip
    double m_dLaneShearLoad = 0;                  ///< concentrated lane load for shear, kip
    int m_bIncludeTandem = 0;                     ///< the vehicle has a design tandem
    double m_dTandemAxle1 = 0;                    ///< first tandem axle, kip
    double m_dTandemAxle2 = 0;                    ///< second tandem axle, kip
    double m_dTandemSpacing = 0;                  ///< tandem axle spacing, ft
    int m_nCombination = 0;                       ///< kCombineTruckOrTandemPlusLane or ...OrLane
    double m_dMultiplier = 0;                     ///< live-load multiplier ("LL Multiplier:")
    int m_bIncluded = 0;                          ///< the vehicle takes part in the analysis
    int m_nAuxFlag = 0;                           ///< copied with the vehicle, never tested

    bool operator==(const LiveLoadVehicle&) const = default;
};

/// An additional rating vehicle, the smaller single-precision record.
struct VehicleRecord {
    std::string m_strName;                                          ///< vehicle name
    int m_nAxleCount = 0;                                           ///< axles used, at most 30
    float m_afAxles[kMaxVehicleRecordAxles][kAxleValueCount] = {};  ///< [axle][AxleValue]
    float m_fLaneLoad = 0;                                          ///< uniform lane load, klf
    float m_fLaneMomentLoad = 0;                                    ///< lane load for moment, kip
    float m_fLaneShearLoad = 0;                                     ///< lane load for shear, kip
    int m_bIncludeTandem = 0;                                       ///< has a design tandem
    float m_fTandemAxle1 = 0;                                       ///< first tandem axle, kip
    float m_fTandemAxle2 = 0;                                       ///< second tandem axle, kip
    float m_fTandemSpacing = 0;                                     ///< tandem spacing, ft
    int m_nCombination = 0;                                         ///< codes as LiveLoadVehicle

    bool operator==(const VehicleRecord&) const = default;
};

// ---- Post-tensioning and mild reinforcement -----------------------------------------------------

/// One post-tensioning tendon on a parabolic profile.
struct PostTensioningTendon {
    std::string m_strName;      ///< tendon name ("Tendon%2d" for a new one)
    int m_nStrands = 0;         ///< number of strands
    float m_fDuctDiameter = 0;  ///< duct diameter, in
    /// Profile points [TendonProfilePoint][TendonProfileValue]: x ft, cg in, location in.
    double m_adProfile[kTendonProfilePoints][kTendonProfileValueCount] = {};
    float m_fZ = 0;                 ///< offset added to the profile's elevations, in
    std::string m_strStressingEnd;  ///< "L", "R" or "B": left, right or both ends

    bool operator==(const PostTensioningTendon&) const = default;
};

/// One individual longitudinal bar. Bars expanded from layout rows carry the tags "S", "S",
/// "B", "X"; the tags are stored and copied, never interpreted.
struct RebarBar {
    int m_nBarSize = 0;                          ///< bar number
    double m_adStart[kBarPointValueCount] = {};  ///< start point [BarPointValue]: ft, in, in
    std::string m_strTag1;                       ///< first tag
    double m_adEnd[kBarPointValueCount] = {};    ///< end point [BarPointValue]: ft, in, in
    std::string m_strTag2;                       ///< second tag
    std::string m_strTag3;                       ///< third tag
    std::string m_strTag4;                       ///< fourth tag

    bool operator==(const RebarBar&) const = default;
};

// ---- Handling loads -----------------------------------------------------------------------------

/// One distributed handling load, varying linearly from w1 at x1 to w2 at x2.
struct HandlingDistLoad {
    int m_nGroup = 0;  ///< load group
    double m_dW1 = 0;  ///< ordinate at x1, klf
    double m_dW2 = 0;  ///< ordinate at x2, klf
    double m_dX1 = 0;  ///< start, ft from the girder's left end
    double m_dX2 = 0;  ///< end, ft from the girder's left end

    bool operator==(const HandlingDistLoad&) const = default;
};

/// One point handling load.
struct HandlingPointLoad {
    int m_nGroup = 0;  ///< load group
    double m_dP = 0;   ///< load, kip, downward positive
    double m_dX = 0;   ///< position, ft from the girder's left end

    bool operator==(const HandlingPointLoad&) const = default;
};

}  // namespace kordel

// Design model: dead loads, live-load vehicles, rating vehicles, load and resistance factors and
// stress limits. Line loads in klf per beam unless the comment says otherwise.
#pragma once

#include <string>

#include "document/model_limits.h"
#include "document/model_records.h"

namespace kordel {

/// m_nBarrierLoadMode and m_nFwsLoadMode: the load as entered, or computed by the load stages.
inline constexpr int kLoadConstant = 0;
inline constexpr int kLoadVariable = 1;

/// m_nBarrierDistribution: how barriers are shared among the beams.
inline constexpr int kBarriersEqual = 0;  ///< "Equal"
inline constexpr int kBarriersPcap = 1;   ///< "PCAP"
inline constexpr int kBarriersFdot = 2;   ///< "FDOT"

/// m_nFwsWidthBasis: the width the wearing-surface pressure acts on.
inline constexpr int kFwsWidthBeamSpacing = 0;  ///< "Beam Spac"
inline constexpr int kFwsWidthCurbToCurb = 1;   ///< "Curb to Curb"

/// m_nVehicleCombineMode: "Combine Vehicles 1 and 2 by:".
inline constexpr int kCombineGoverning = 0;    ///< "Adopt Governing Results"
inline constexpr int kCombineOverload = 1;     ///< "LRFD 4.6.2.2.5 (Vehicle 2 is Overload)"
inline constexpr int kCombineNotCombined = 2;  ///< "Do Not Combine Vehicle Results"

/// m_nVehicle1ImpactMode, m_nVehicle2ImpactMode and m_nDistFactorMode.
inline constexpr int kValueComputed = 1;
inline constexpr int kValueSpecified = 2;

/// The stress-limit choice that takes the specification's coefficient (for the final tension
/// limits, 1 means no tension; the other codes are listed with each member).
inline constexpr int kLimitBySpecification = 1;

struct LoadsModel {
    // ---- Dead loads -----------------------------------------------------------------------------
    double m_dSelfWeightMultiplier = 0;  ///< multiplier on the girder's self-weight
    int m_bDiaphragmAtHalf = 0;          ///< BOOL: a diaphragm at L/2
    std::string m_strDiaphragmAtHalf;    ///< "L/2 " when set, else empty (display)
    int m_bDiaphragmAtThird = 0;         ///< BOOL: diaphragms at the third points
    std::string m_strDiaphragmAtThird;   ///< "L/3 " when set, else empty (display)
    int m_bDiaphragmAtQuarter = 0;       ///< BOOL: diaphragms at the quarter points
    /// "L/4 " when set, else empty; "NONE" when none of the three fixed positions is set.
    std::string m_strDiaphragmAtQuarter;
    int m_bDiaphragmAtUserLocation = 0;   ///< BOOL: a diaphragm at the user's location ("Other:")
    double m_dDiaphragmUserLocation = 0;  ///< that location, ft
    double m_dDiaphragmWeight = 0;        ///< weight of one diaphragm load, kip
    double m_dOtherNonCompositeLoad = 0;  ///< other uniform dead load on the girder alone, klf
    double m_dOtherCompositeLoad = 0;     ///< other uniform dead load on the composite section, klf
    /// Barrier load: 0 constant, 1 variable (from count, weight and distribution).
    int m_nBarrierLoadMode = kLoadConstant;
    /// Barrier load per beam, klf; in the variable mode the load stages write it.
    double m_dBarrierLoad = 0.2;
    int m_nBarrierCount = 0;                      ///< number of barriers ("No. Barriers")
    double m_dBarrierWeight = 0.65;               ///< weight of one barrier ("Barrier wt:"), klf
    int m_nBarrierDistribution = kBarriersEqual;  ///< 0 "Equal", 1 "PCAP", 2 "FDOT"
    /// Future wearing surface: 0 constant, 1 variable (a pressure over a width).
    int m_nFwsLoadMode = kLoadConstant;
    /// Future wearing surface per beam, klf; in the variable mode the load stages write it.
    double m_dWearingSurfaceLoad = 0.2;
    double m_dFwsPressure = 0;                    ///< wearing surface pressure, ksf
    int m_nFwsWidthBasis = kFwsWidthBeamSpacing;  ///< 0 "Beam Spac", 1 "Curb to Curb"
    /// Value stored just before the wearing surface thickness; read by no computation.
    double m_dWearingSurfaceAuxValue = 0;
    double m_dPedestrianLoad = 0;             ///< pedestrian live load per beam, klf
    int m_bComputeRestraintMoments = 0;       ///< BOOL: restraint moments of a continuous girder
    double m_dRestrainingMomentFactor = 0.5;  ///< load factor of the restraining moment

    // ---- Live-load vehicles ---------------------------------------------------------------------
    /// Vehicle 1: no vehicle chosen, included.
    LiveLoadVehicle m_recVehicle1{.m_strName = kNoVehicleName,
                                  .m_nCombination = kCombineTruckOrTandemPlusLane,
                                  .m_dMultiplier = 1.0,
                                  .m_bIncluded = 1};
    /// Vehicle 2: no vehicle chosen, not included.
    LiveLoadVehicle m_recVehicle2{.m_strName = kNoVehicleName,
                                  .m_nCombination = kCombineTruckOrTandemPlusLane,
                                  .m_dMultiplier = 1.0,
                                  .m_bIncluded = 0,
                                  .m_nAuxFlag = 1};
    /// Working copy of the vehicle being analysed; the load stages fill it. Not stored.
    LiveLoadVehicle m_recCurrentVehicle{.m_strName = kNoVehicleName,
                                        .m_bIncludeTandem = 1,
                                        .m_nCombination = kCombineTruckOrTandemPlusLane,
                                        .m_dMultiplier = 1.0,
                                        .m_bIncluded = 1};
    /// 0 adopt the governing results, 1 vehicle 2 is an overload, 2 do not combine.
    int m_nVehicleCombineMode = kCombineGoverning;
    int m_nVehicle1ImpactMode = 0;          ///< allowance of vehicle 1: 1 computed, 2 specified
    double m_dVehicle1ImpactSpecified = 0;  ///< specified allowance of vehicle 1, fraction
    int m_nVehicle2ImpactMode = kValueComputed;  ///< the same for vehicle 2
    double m_dVehicle2ImpactSpecified = 0.33;    ///< the same for vehicle 2, fraction
    int m_nDistFactorMode = 0;                   ///< distribution factors: 1 computed, 2 specified
    double m_dUserDfMoment = 0;       ///< specified distribution factor for moment ("DF-M:")
    double m_dUserDfShear = 0;        ///< specified distribution factor for shear ("DF-V:")
    double m_dUserDfFatigue = 0;      ///< specified distribution factor for fatigue ("DF-F:")
    int m_bCheckSingleLane = 1;       ///< "Check single lane loading"; the larger factor governs
    int m_bCheckMilitary = 0;         ///< "Ck Military"; read by no computation
    int m_bFatigueOneTruck = 0;       ///< "Use Fatigue 1 Truck"
    int m_bIncreasedDoubleTruck = 0;  ///< "Increased double truck loads"
    int m_bCheckLowboy = 0;           ///< "Check lowboy (Caltrans CA 3.6.1.3.1)"
    int m_bIncludeStrengthII = 0;     ///< "Include Strength II (using Vehicle 2)"
    /// Additional rating vehicles; stored with the design, read by no computation.
    VehicleRecord m_aRatingVehicles[kMaxAdditionalVehicles] = {};
    int m_nRatingVehicleCount = 0;  ///< additional rating vehicles used, at most 30
    int m_nVehicleAuxOption = 2;    ///< stored with the vehicle options; read by no computation

    // ---- Load and resistance factors ------------------------------------------------------------
    int m_bAutoFactors = 0;                       ///< BOOL: the factors follow the specification
    double m_dPhiFlexure = 0;                     ///< resistance factor for flexure
    double m_dPhiShear = 0;                       ///< resistance factor for shear
    double m_dServiceILiveLoadFactor = 0;         ///< Service I, live load
    double m_dServiceIIILiveLoadFactor = 0;       ///< Service III, live load
    double m_dStrengthIDeadLoadFactor = 0;        ///< Strength I, component dead loads
    double m_dStrengthIWearingSurfaceFactor = 0;  ///< Strength I, wearing surface
    double m_dStrengthILiveLoadFactor = 0;        ///< Strength I, live load
    /// Strength I factor of the restraint entry; set only by SetDefaultFactors, not stored.
    double m_dStrengthIRestraintFactor = 0;
    double m_dStrengthIIDeadLoadFactor = 1.25;       ///< Strength II, component dead loads
    double m_dStrengthIIWearingSurfaceFactor = 1.5;  ///< Strength II, wearing surface
    double m_dStrengthIILiveLoadFactor = 1.35;       ///< Strength II, live load
    double m_dLoadModDuctility = 1.0;                ///< load modifier for ductility
    double m_dLoadModRedundancy = 1.0;               ///< load modifier for redundancy
    double m_dLoadModImportance = 1.0;  ///< load modifier for importance; the three multiply

    // ---- Stress limits: a choice and a coefficient each (tension negative)
    // -----------------------
    int m_nReleaseTensionLimit = 0;  ///< release tension: 1 0.0948 sqrt(f'ci), 2 0.24, 3 specified
    double m_dReleaseTensionCoef = 0;      ///< release tension coefficient
    int m_nReleaseCompressionLimit = 0;    ///< release compression: 1 0.6 f'ci, 2 specified
    double m_dReleaseCompressionCoef = 0;  ///< release compression coefficient on f'ci
    /// Final tension, prestress and all loads: 1 none, 2 0.0948 sqrt(f'c), 3 0.19, 4 specified.
    int m_nFinalTensionLimitAllLoads = 0;
    double m_dFinalTensionCoefAllLoads = 0;       ///< its coefficient
    int m_nFinalTensionLimitPermanent = 3;        ///< final tension, permanent loads; same codes
    double m_dFinalTensionCoefPermanent = -0.19;  ///< its coefficient
    /// Final compression, prestress and permanent loads: 1 by the specification, 2 specified.
    int m_nFinalCompressionLimitPermanent = 0;
    /// Its coefficient on f'c; SetDefaultFactors sets it while the choice is 1.
    double m_dFinalCompressionCoefPermanent = 0;
    int m_nFinalCompressionLimitAllLoads = 0;    ///< all loads: 1 0.60 f'c, 2 specified
    double m_dFinalCompressionCoefAllLoads = 0;  ///< its coefficient on f'c
    /// Live load plus half of prestress and permanent loads: 1 0.40 f'c, 2 specified.
    int m_nFinalCompressionLimitHalfPermanentLL = 0;
    double m_dFinalCompressionCoefHalfPermanentLL = 0;  ///< its coefficient on f'c

    bool operator==(const LoadsModel&) const = default;
};

}  // namespace kordel

// Live-load distribution factors and dynamic load allowance.
#pragma once

#include "document/model_limits.h"

namespace kordel {

/// Support regions of the current span: index of m_adDfMomentLeftRight and
/// m_adDfFatigueLeftRight.
enum DfSupportRegion : int { kDfLeft = 0, kDfRight = 1 };
inline constexpr int kDfSupportRegionCount = 2;

/// Factor families: index of m_anDfLeverRuleFlags (and of m_anDfOneLaneLeverFlags, which has no
/// fatigue entry).
enum DfFamily : int { kDfFamilyMoment = 0, kDfFamilyShear = 1, kDfFamilyFatigue = 2 };
inline constexpr int kDfFamilyCount = 3;
inline constexpr int kDfOneLaneLeverFlagCount = 2;  ///< moment and shear

/// Entries of m_adDfKgTerms.
enum DfKgTerm : int {
    kDfEg = 0,  ///< eg, girder centroid to deck centroid, in
    kDfN = 1,   ///< n = Eb / Ed
    kDfKg = 2,  ///< Kg = n (I + A eg^2), in^4
};
inline constexpr int kDfKgTermCount = 3;

/// Entries of m_adDfBoxKC.
enum DfBoxKCTerm : int { kDfBoxC = 0, kDfBoxD = 1 };
inline constexpr int kDfBoxKCTermCount = 2;

/// Entries of m_adDfStandardTerms.
enum DfStandardTerm : int {
    kDfStdBeams = 0,    ///< NB, beams (after the spread box limits)
    kDfStdWidth = 1,    ///< W, ft (after the spread box limits)
    kDfStdSpacing = 2,  ///< S, ft, as used
};
inline constexpr int kDfStandardTermCount = 3;

/// Entries of m_adDfChannelTerms.
enum DfChannelTerm : int { kDfChannelD = 0, kDfChannelC = 1 };
inline constexpr int kDfChannelTermCount = 2;

/// Entries of m_adDfWork: the exterior-girder correction factors e of the last LRFD formula.
enum DfWorkTerm : int { kDfWorkMomentE = 0, kDfWorkShearE = 1 };
inline constexpr int kDfWorkTermCount = 2;

/// Entries of m_adSkewCorrection.
enum SkewCorrectionTerm : int {
    kSkewCFm = 0,  ///< moment skew factor, 1.0 without correction
    kSkewC1 = 1,   ///< c1 of the I-beam moment reduction, 0.0 without
    kSkewCFv = 2,  ///< shear skew factor, 1.0 without correction
};
inline constexpr int kSkewCorrectionTermCount = 3;

/// Lane counts of the single-lane check: index of m_adDfMomentByLanes and m_adDfShearByLanes.
enum DfLaneCase : int { kDfLanesAsSet = 0, kDfOneLane = 1 };
inline constexpr int kDfLaneCaseCount = 2;

/// Entries of m_adDfSupportMomentByLanes.
enum DfSupportMomentByLanes : int {
    kDfLanesAsSetLeft = 0,
    kDfLanesAsSetRight = 1,
    kDfOneLaneLeft = 2,
    kDfOneLaneRight = 3,
};
inline constexpr int kDfSupportMomentByLanesCount = 4;

/// Entries of m_anDfGoverningLaneCount.
enum DfGoverning : int { kDfGoverningMoment = 0, kDfGoverningShear = 1 };
inline constexpr int kDfGoverningCount = 2;

/// Entries of m_adVehicle1ImpactFactors and m_adVehicle2ImpactFactors.
enum ImpactFactorEntry : int {
    kImpactPositive = 0,       ///< positive moment in the current span
    kImpactNegativeLeft = 1,   ///< negative moment at the left support
    kImpactNegativeRight = 2,  ///< negative moment at the right support
};
inline constexpr int kImpactFactorEntryCount = 3;

struct LiveLoadResults {
    // ---- Distribution factors of one computation, in design lanes ---------------------------
    double m_dDfMoment = 0;  ///< positive moment in the current span
    /// Negative-moment regions of the current span [DfSupportRegion].
    double m_adDfMomentLeftRight[kDfSupportRegionCount] = {};
    double m_dDfShear = 0;  ///< shear in the current span
    /// Shear at support j in slot j, supports 1 to m_nSpans + 1 from the left; slot 0 unused.
    double m_adDfShearAtBearing[kMaxSupportSlots] = {};
    double m_dDfFatigue = 0;  ///< fatigue in the current span
    /// Fatigue at the support regions of the current span [DfSupportRegion].
    double m_adDfFatigueLeftRight[kDfSupportRegionCount] = {};
    /// 1 when the lever rule gave the factors of the family [DfFamily], else 0.
    int m_anDfLeverRuleFlags[kDfFamilyCount] = {};
    /// LRFD longitudinal stiffness: eg in, n, Kg in^4 [DfKgTerm].
    double m_adDfKgTerms[kDfKgTermCount] = {};
    double m_dDfAdjacentBoxK = 0;  ///< k = 2.5 Nb^-0.2, not less than 1.5 (LRFD adjacent boxes)
    /// K of the S / D formulas; for the Standard spread box beams, that rule's k.
    double m_dDfK = 0;
    /// C and D of the LRFD S / D formula for the current span's moment [DfBoxKCTerm].
    double m_adDfBoxKC[kDfBoxKCTermCount] = {};
    /// Standard terms: NB, W ft, S ft [DfStandardTerm].
    double m_adDfStandardTerms[kDfStandardTermCount] = {};
    /// Standard multi-beam terms: D ft, C [DfChannelTerm].
    double m_adDfChannelTerms[kDfChannelTermCount] = {};
    /// Exterior-girder correction factors e of the last LRFD formula used [DfWorkTerm].
    double m_adDfWork[kDfWorkTermCount] = {};
    double m_dDfWork2 = 0;  ///< NL as a real number (Standard Specifications)
    int m_bDfApprox = 0;    ///< 1 when K is the preliminary value (no usable J)
    int m_bDfJLow = 0;      ///< 1 when a formula that uses J met J of 1.0 in^4 or less
    /// Skew factors CFm, c1, CFv [SkewCorrectionTerm]; 1.0, 0.0, 1.0 without correction.
    double m_adSkewCorrection[kSkewCorrectionTermCount] = {};

    // ---- Single-lane check ------------------------------------------------------------------
    /// Moment factor with the lanes as set and with one lane [DfLaneCase].
    double m_adDfMomentByLanes[kDfLaneCaseCount] = {};
    /// Support-region moment factors of both lane counts [DfSupportMomentByLanes].
    double m_adDfSupportMomentByLanes[kDfSupportMomentByLanesCount] = {};
    /// Shear factor with the lanes as set and with one lane [DfLaneCase].
    double m_adDfShearByLanes[kDfLaneCaseCount] = {};
    /// Per-support shear factors with the lanes as set, slots as m_adDfShearAtBearing.
    double m_adDfSaved1[kMaxSupportSlots] = {};
    /// Per-support shear factors with one lane, slots as m_adDfShearAtBearing.
    double m_adDfSaved2[kMaxSupportSlots] = {};
    /// Lever-rule flags of the one-lane computation: moment [0], shear [1] (DfFamily).
    int m_anDfOneLaneLeverFlags[kDfOneLaneLeverFlagCount] = {};
    /// Lane count that governed: moment [0], shear [1] [DfGoverning]; 1 or m_nLanes.
    int m_anDfGoverningLaneCount[kDfGoverningCount] = {};

    // ---- Dynamic load allowance, fractions applied as (1 + value) ---------------------------
    double m_dVehicle1Impact = 0;                  ///< LRFD allowance of vehicle 1
    double m_dVehicle2Impact = 0;                  ///< LRFD allowance of vehicle 2
    double m_dFatigueImpact = 0;                   ///< LRFD fatigue allowance
    double m_dImpactPositiveMoment = 0;            ///< positive moment in the current span
    double m_dImpactNegativeMomentLeft = 0;        ///< negative moment at the left support
    double m_dImpactNegativeMomentRight = 0;       ///< negative moment at the right support
    double m_adImpactAtPoint[kStationCount] = {};  ///< shear, at each analysis station
    double m_dPointImpact = 0;  ///< Standard: the station value computed last, or the specified one
    /// Standard: +M, -M left, -M right of vehicle 1 for the report [ImpactFactorEntry].
    double m_adVehicle1ImpactFactors[kImpactFactorEntryCount] = {};
    /// Standard: the same for vehicle 2 [ImpactFactorEntry].
    double m_adVehicle2ImpactFactors[kImpactFactorEntryCount] = {};
};

}  // namespace kordel

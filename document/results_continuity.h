// Continuous-beam envelopes and time-dependent restraint moments.
//
// The span tables keep, per span and tenth point of the chain, the composite dead loads and the
// live-load envelopes of the load-effect stage; the moving-load envelopes are the raw results of
// one vehicle on the continuous-beam model (CKordelDoc::AnalyzeContinuousBeam), per span, tenth
// point and load case.
#pragma once

#include "document/model_limits.h"

namespace kordel {

// ---- Span tables --------------------------------------------------------------------------------
inline constexpr int kSpanTenthPoints = 11;     ///< tenth points 0 (left support) to 10 (right)
inline constexpr int kSpanEnvelopeValues = 24;  ///< values per tenth point (SpanEnvelopeValue)

/// Value numbers of a span-table record and of the per-support tables. Values 14 to 17 differ by
/// table (see the comments); 18 to 21 carry nothing.
enum SpanEnvelopeValue : int {
    kSpanBarrier = 0,         ///< barriers (composite dead load)
    kSpanWearingSurface = 1,  ///< future wearing surface
    kSpanOtherComposite = 2,  ///< other composite dead load
    kSpanLaneMax = 3,         ///< lane load, maximum, per lane without factors
    kSpanLaneMin = 4,         ///< lane load, minimum
    kSpanTruckMax = 5,        ///< truck, maximum, per lane
    kSpanTruckMin = 6,        ///< truck, minimum
    kSpanTandemMax = 7,       ///< tandem, maximum, per lane
    kSpanTandemMin = 8,       ///< tandem, minimum
    kSpanGoverningMax = 9,    ///< the larger of truck and tandem
    kSpanGoverningMin = 10,   ///< the smaller of truck and tandem
    kSpanDesignMax = 11,      ///< lane and vehicle combined, per girder with all factors
    kSpanDesignMin = 12,      ///< the same, minimum
    kSpanPedestrian = 13,     ///< pedestrian load per girder
    kSpanValue14 = 14,        ///< deflection: vehicle part of value 11
    kSpanValue15 = 15,        ///< deflection: vehicle part of value 12; moment and shear tables:
                              ///< the governing value, combined
    kSpanValue16 = 16,        ///< deflection: lane part of value 11; moment table: the moment
                              ///< with the governing shear; shear table: the shear with the
                              ///< governing moment
    kSpanValue17 = 17,        ///< deflection: lane part of value 12; moment table: negative
                              ///< restraint moment
    kSpanFatigueMax = 22,     ///< fatigue truck, maximum
    kSpanFatigueMin = 23,     ///< fatigue truck, minimum
};

/// One span of a span table: [tenth point][SpanEnvelopeValue].
using SpanEnvelope = double[kSpanTenthPoints][kSpanEnvelopeValues];

// ---- Moving-load envelopes ----------------------------------------------------------------------
/// Load cases of a moving-load envelope; case 4 is not used.
enum MovingLoadCase : int {
    kMovingLane = 0,       ///< uniform lane load with the concentrated lane loads
    kMovingTruck = 1,      ///< the vehicle's axles
    kMovingTwoTrucks = 2,  ///< two design trucks for negative moment (LRFD, "HL-93")
    kMovingTandem = 3,     ///< design tandem
    kMovingLowboy = 5,     ///< lowboy for negative moment
    kMovingFatigue = 6,    ///< fatigue truck (LRFD)
};
inline constexpr int kMovingLoadCases = 7;

/// Tables of m_aMovingLoadEnvelope; tables 4 and 7 are not used.
enum MovingLoadTable : int {
    kEnvMaxMoment = 0,         ///< maximum moment, kip-ft
    kEnvMinMoment = 1,         ///< minimum moment, kip-ft
    kEnvMaxShear = 2,          ///< maximum shear, kip
    kEnvMinShear = 3,          ///< minimum shear, kip
    kEnvMomentAtMaxShear = 5,  ///< moment concurrent with the maximum shear, kip-ft
    kEnvMomentAtMinShear = 6,  ///< moment concurrent with the minimum shear, kip-ft
    kEnvShearAtMaxMoment = 8,  ///< shear concurrent with the maximum moment, kip
    kEnvShearAtMinMoment = 9,  ///< shear concurrent with the minimum moment, kip
    kEnvMaxDeflection = 10,    ///< maximum vertical deflection, ft, upward positive
    kEnvMinDeflection = 11,    ///< minimum vertical deflection, ft
    kEnvMaxRotation = 12,      ///< maximum rotation, radian, counter-clockwise positive
    kEnvMinRotation = 13,      ///< minimum rotation, radian
};
inline constexpr int kMovingLoadTables = 14;

/// Each case holds a pair of doubles: element kMovingLoadValue holds the value, element 0 stays 0.
inline constexpr int kMovingLoadPair = 2;
inline constexpr int kMovingLoadValue = 1;

/// One table of one vehicle: [span slot 1 to 20][tenth point][MovingLoadCase][pair element].
using MovingLoadEnvelope =
    double[kMaxSpanSlots][kSpanTenthPoints][kMovingLoadCases][kMovingLoadPair];

/// Second index of m_aFrameSupportEnvelope.
enum ReactionBound : int { kReactionBoundMax = 0, kReactionBoundMin = 1 };
inline constexpr int kReactionBounds = 2;

/// Kinds of CKordelDoc::AnalyzeContinuousBeam: a uniform load on every span (kBeamStaticLoad);
/// every other value runs the moving loads of the current vehicle (kBeamMovingLoads).
inline constexpr int kBeamStaticLoad = 1;
inline constexpr int kBeamMovingLoads = 2;

// ---- Time-dependent restraint moments -----------------------------------------------------------
inline constexpr int kTdTimeSlots = 100;  ///< time points after continuity, slots 1 to 99
inline constexpr int kTdColumns = 101;    ///< columns of m_aTimeDependent
/// Rows of m_aTimeDependent.
enum TimeDependentRow : int {
    kTdAgesToContinuity = 0,      ///< ages of the steps from transfer to continuity, days
    kTdExterior = 1,              ///< restraint moment at the support next to an end span
    kTdInteriorLeft = 2,          ///< left support of the second span
    kTdInteriorRight = 3,         ///< right support of the second span
    kTdInterior = 4,              ///< a support between two interior spans
    kTdDiffShrinkage = 5,         ///< moment of the differential shrinkage of the step
    kTdPrestressExterior = 6,     ///< equivalent prestress moment, exterior strand series
    kTdPrestressInterior = 7,     ///< equivalent prestress moment, interior strand series
    kTdStrandExterior = 8,        ///< strand stress, exterior series, psi
    kTdStrandInterior = 9,        ///< strand stress, interior series, psi
    kTdExteriorCreep = 10,        ///< creep part of row 1; row 11 its shrinkage part
    kTdExteriorShrink = 11,
    kTdInteriorLeftCreep = 12,    ///< creep and shrinkage parts of row 2
    kTdInteriorLeftShrink = 13,
    kTdInteriorRightCreep = 14,   ///< creep and shrinkage parts of row 3
    kTdInteriorRightShrink = 15,
    kTdInteriorCreep = 16,        ///< creep and shrinkage parts of row 4
    kTdInteriorShrink = 17,
};
inline constexpr int kTdRows = 18;

struct ContinuityResults {
    // ---- Span tables of the load-effect stage: [span slot 1 to 20][tenth point][value] -------
    // No initialisers (zeroed storage, see CKordelDoc::operator new): the slots of the spans a
    // design does not have read 0 and are never written.
    SpanEnvelope m_aSpanEnvelope1[kMaxSpanSlots];   ///< moment, kip-ft
    SpanEnvelope m_aSpanEnvelope2[kMaxSpanSlots];   ///< shear, kip
    SpanEnvelope m_aSpanEnvelope3[kMaxSpanSlots];   ///< moment with the shear extreme, kip-ft
    SpanEnvelope m_aSpanEnvelope4[kMaxSpanSlots];   ///< shear with the moment extreme, kip
    SpanEnvelope m_aSpanEnvelope5[kMaxSpanSlots];   ///< vehicle 1: copy of table 1
    SpanEnvelope m_aSpanEnvelope6[kMaxSpanSlots];   ///< vehicle 1: copy of table 2
    SpanEnvelope m_aSpanEnvelope7[kMaxSpanSlots];   ///< vehicle 1: copy of table 3
    SpanEnvelope m_aSpanEnvelope8[kMaxSpanSlots];   ///< vehicle 1: copy of table 4
    SpanEnvelope m_aSpanEnvelope9[kMaxSpanSlots];   ///< vehicle 2: copy of table 1
    SpanEnvelope m_aSpanEnvelope10[kMaxSpanSlots];  ///< vehicle 2: copy of table 2
    SpanEnvelope m_aSpanEnvelope11[kMaxSpanSlots];  ///< vehicle 2: copy of table 3
    SpanEnvelope m_aSpanEnvelope12[kMaxSpanSlots];  ///< vehicle 2: copy of table 4
    SpanEnvelope m_aSpanEnvelope13[kMaxSpanSlots];  ///< rotation, radian
    SpanEnvelope m_aSpanEnvelope14[kMaxSpanSlots];  ///< deflection, in
    SpanEnvelope m_aSpanEnvelope15[kMaxSpanSlots];  ///< vehicle 1: copy of table 14
    SpanEnvelope m_aSpanEnvelope16[kMaxSpanSlots];  ///< vehicle 1: copy of table 13
    SpanEnvelope m_aSpanEnvelope17[kMaxSpanSlots];  ///< vehicle 2: copy of table 14
    SpanEnvelope m_aSpanEnvelope18[kMaxSpanSlots];  ///< vehicle 2: copy of table 13
    /// Vertical reaction per support 1 to m_nSpans + 1, kip, upward positive [support][value].
    double m_aSpanSummary[kMaxSupportSlots][kSpanEnvelopeValues] = {};
    double m_aSpanMaxReaction1[kMaxSupportSlots][kSpanEnvelopeValues] = {};  ///< vehicle 1 copy
    double m_aSpanMaxReaction2[kMaxSupportSlots][kSpanEnvelopeValues] = {};  ///< vehicle 2 copy
    /// The span slots 0 to this one are those the analyses of this document have written (to
    /// the most spans a design of it had); the slots above read 0 (CKordelDoc::UsedSpanSlots).
    int m_nSpanSlotsUsed = 0;

    // ---- Moving-load envelopes of the current vehicle (AnalyzeContinuousBeam) ----------------
    /// [MovingLoadTable][span slot][tenth point][MovingLoadCase][pair element]
    MovingLoadEnvelope m_aMovingLoadEnvelope[kMovingLoadTables];  // zeroed storage
    /// Vertical reaction extremes, kip, upward positive: [support 1 to m_nSpans + 1]
    /// [ReactionBound][MovingLoadCase].
    double m_aFrameSupportEnvelope[kMaxSupportSlots][kReactionBounds][kMovingLoadCases] = {};
    /// 1 while the fatigue truck still has to run in this moving-load analysis; the load-effect
    /// stage arms it from m_bFatigueOneTruck and clears it once the truck has run.
    int m_bFatigueTruckPending = 0;

    // ---- Time-dependent restraint moments (NCHRP Report 322, ACI 209 functions) --------------
    int m_nTdSpanCount = 0;               ///< number of spans, as analysed
    double m_dTdStressAfterRelease = 0;   ///< strand stress after release, psi
    double m_dTdStrandStress = 0;         ///< strand stress carried from release to continuity, psi
    int m_nTdTimeCount = 0;               ///< number N of time points after continuity
    /// Time points (girder age, days) T1 = age at continuity to TN = 10000 at index 1 to N;
    /// index 0 unused [time point].
    double m_adTdTime[kTdTimeSlots] = {};
    /// Time series [TimeDependentRow][column]: the value at time point Ti in column i + 1 (the
    /// initial values in column 2); row 0 holds the ages of the steps to continuity, the k-th age
    /// (from 1) in column k + 1. Moments kip-ft, strand stresses psi.
    double m_aTimeDependent[kTdRows][kTdColumns] = {};
};

}  // namespace kordel

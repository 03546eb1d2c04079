// Stripping, lifting and shipping: the load groups of the handling load list, the stripping
// cases, and the results of the three checks with the lateral stability of the girder.
#pragma once

#include "document/model_limits.h"

namespace kordel {

// ---- Handling loads ----------------------------------------------------------------------------

/// Load groups of the handling load list (HandlingDistLoad::m_nGroup).
enum HandlingLoadGroup : int {
    kHandlingGroupSelfWeight = 0,      ///< girder self-weight and end-block extra weight
    kHandlingGroupFormSuction = 4,     ///< form suction at stripping, + percent of the weight
    kHandlingGroupLiftImpactDown = 7,  ///< lifting impact downward, + percent of the weight
    kHandlingGroupLiftImpactUp = 8,    ///< lifting impact upward, - percent of the weight
    kHandlingGroupShipImpactDown = 9,  ///< shipping impact downward, + percent of the weight
    kHandlingGroupShipImpactUp = 10,   ///< shipping impact upward, - percent of the weight
};

/// One impact of a handling check: its load group and its signed fraction of the weight.
struct HandlingImpact {
    int group = 0;          ///< HandlingLoadGroup
    double fraction = 0.0;  ///< signed fraction of the weight, e.g. -0.5 for 50 % upward
};

/// Entries of m_adCamberSummary that the lifting and shipping checks read: the mid-span camber at
/// release is their sum, in, upward positive.
inline constexpr int kCamberSummaryPretension = 0;    ///< camber of the pretensioning
inline constexpr int kCamberSummaryGirderWeight = 6;  ///< deflection of the girder's weight

// ---- Stripping ---------------------------------------------------------------------------------

/// The support arrangements of the stripping check (a: left support from the left end, b: right
/// support from the right end).
enum StripCase : int {
    kStripCaseA = 0,  ///< a = b = 0, girder weight
    kStripCaseB = 1,  ///< a, b at the lifting devices, girder weight
    kStripCaseC = 2,  ///< a, b at the lifting devices, weight + suction
    kStripCaseD = 3,  ///< a = 0, b at the right lifting device, weight + suction
    kStripCaseE = 4,  ///< a at the left lifting device, b = 0, weight + suction
};
inline constexpr int kStripCaseCount = 5;

// ---- Handling section stresses and strength ----------------------------------------------------

/// Impact directions of the handling strength arrays (second index of the [station][2] arrays).
enum HandlingImpactDirection : int {
    kImpactDown = 0,  ///< girder weight times (1 + impact)
    kImpactUp = 1,    ///< girder weight times (1 - impact)
};
inline constexpr int kImpactDirectionCount = 2;

/// Moment signs of the compression-zone arrays (second index).
enum HandlingMomentSign : int {
    kHandlingPositive = 0,  ///< sagging: compression in the top flange
    kHandlingNegative = 1,  ///< hogging: compression in the bottom flange
};
inline constexpr int kHandlingMomentSignCount = 2;

/// Stresses of one impact direction in m_adStressBottom and m_adStressTop, ksi, compression
/// positive; direction d adds 4 d (HandlingStressSlot).
enum HandlingStressEntry : int {
    kHandlingStressPretension = 0,   ///< from the pretensioning
    kHandlingStressPostTension = 1,  ///< from the post-tensioning
    kHandlingStressMoment = 2,       ///< 12 M / S, the magnitude of the handling moment's stress
    kHandlingStressTotal = 3,        ///< bottom [0] + [1] - [2], top [0] + [1] + [2]
};
inline constexpr int kHandlingStressEntryCount = 4;
inline constexpr int kHandlingStressSlots = kImpactDirectionCount * kHandlingStressEntryCount;

/// Slot of m_adStressBottom / m_adStressTop for `entry` of impact direction `direction`.
inline constexpr int HandlingStressSlot(int direction, int entry) {
    return kHandlingStressEntryCount * direction + entry;
}

/// Sides of the girder bars split at a level (GetGirderBarsBySide).
enum GirderBarSide : int {
    kBarsAtOrBelow = 0,  ///< rows at or below the level
    kBarsAtOrAbove = 1,  ///< rows at or above it (a row at the level counts on both sides)
};
inline constexpr int kGirderBarSideCount = 2;

/// Mr / Mcr where the cracking moment is 0: the ratio has no meaning.
inline constexpr double kHandlingRatioNoMcr = 9.99;
/// phi Mn / Mu above 100 is printed as this.
inline constexpr double kHandlingRatioCap = 99.99;
/// phi Mn / Mu above this is replaced by kHandlingRatioCap.
inline constexpr double kHandlingRatioLimit = 100.0;

/// Stresses and flexural strength of the bare girder at every station in one handling check.
/// Arrays [station][2] are indexed by HandlingImpactDirection.
struct HandlingStrengthArrays {
    /// Bottom-fibre stresses, ksi [station][HandlingStressSlot].
    double m_adStressBottom[kStationCount][kHandlingStressSlots] = {};
    /// Top-fibre stresses, ksi [station][HandlingStressSlot].
    double m_adStressTop[kStationCount][kHandlingStressSlots] = {};
    double m_adAps[kStationCount][kImpactDirectionCount] = {};  ///< strand area counted, in2
    double m_adDp[kStationCount][kImpactDirectionCount] = {};  ///< dp from the compression face, in
    double m_adAs[kStationCount][kImpactDirectionCount] = {};  ///< tension-side bar area, in2
    double m_adDs[kStationCount][kImpactDirectionCount] = {};  ///< ds from the compression face, in
    double m_adC[kStationCount][kImpactDirectionCount] = {};   ///< neutral-axis depth c, in
    double m_adA[kStationCount][kImpactDirectionCount] = {};   ///< stress-block depth a, in
    double m_adFps[kStationCount][kImpactDirectionCount] = {};     ///< strand stress fps, ksi
    double m_adMoment[kStationCount][kImpactDirectionCount] = {};  ///< moment with impact, k-ft
    double m_adMu[kStationCount][kImpactDirectionCount] = {};      ///< factored moment Mu, k-ft
    double m_adPhiMn[kStationCount][kImpactDirectionCount] = {};   ///< phi Mn, k-ft
    double m_adMr[kStationCount][kImpactDirectionCount] = {};   ///< Mr = min(phi Mn, MrCmp), k-ft
    double m_adMcr[kStationCount][kImpactDirectionCount] = {};  ///< Mcr, k-ft
    double m_adMrMcrRatio[kStationCount][kImpactDirectionCount] = {};    ///< |Mr / Mcr|
    double m_adPhiMnMuRatio[kStationCount][kImpactDirectionCount] = {};  ///< |phi Mn / Mu|
    /// Maximum-reinforcement moment, k-ft.
    double m_adMrCmp[kStationCount][kImpactDirectionCount] = {};
    double m_dEndOffset = 0;  ///< (girder length - design span) / 2, ft
    double m_adPhi[kStationCount][kImpactDirectionCount] = {};         ///< resistance factor phi
    double m_adDepthRatio[kStationCount][kImpactDirectionCount] = {};  ///< c / de
};

struct HandlingResults {
    // ---- Stripping ------------------------------------------------------------------------------
    /// f'ci, ksi: during the check the largest required so far; when it ends, the input f'ci.
    double m_dStripFci = 0;
    int m_nStripGoverningCase = kStripCaseA;        ///< StripCase whose required f'ci is largest
    double m_dReleaseTensionAllowable = 0;          ///< release tension limit, ksi, negative
    double m_dReleaseRuptureStress = 0;             ///< release modulus of rupture, ksi, negative
    double m_dReleaseCompressionAllowable = 0;      ///< release compression limit, ksi
    double m_dShipTensionAllowable = 0;             ///< shipping tension limit, ksi, negative
    double m_dShipRuptureStress = 0;                ///< shipping modulus of rupture, ksi, negative
    double m_dShipCompressionAllowable = 0;         ///< shipping compression limit, ksi
    double m_adStripCaseFci[kStripCaseCount] = {};  ///< f'ci each case needs, ksi [StripCase]
    int m_abStripCaseActive[kStripCaseCount] = {};  ///< 1 when the case was evaluated [StripCase]
    /// 1 when the case's strength search settled [StripCase].
    int m_abStripCaseConverged[kStripCaseCount] = {};
    /// 1 when the case needs tension-tie steel at some station [StripCase].
    int m_abStripCaseTensionSteel[kStripCaseCount] = {};
    /// Tension-tie steel area, in2, 0 where none is needed [station][StripCase].
    double m_adStripTensionSteelArea[kStationCount][kStripCaseCount] = {};
    /// Bottom-fibre stress of the release prestress alone, governing case, ksi [station].
    double m_adStripPrestressBottom[kStationCount] = {};
    /// Top-fibre stress of the release prestress alone, governing case, ksi [station].
    double m_adStripPrestressTop[kStationCount] = {};
    /// 12 M / Sb of the girder moment, ksi [station][StripCase].
    double m_adStripGirderBottom[kStationCount][kStripCaseCount] = {};
    /// 12 M / St of the girder moment, ksi [station][StripCase].
    double m_adStripGirderTop[kStationCount][kStripCaseCount] = {};
    /// Bottom-fibre stress, prestress plus girder moment, ksi [station][StripCase].
    double m_adStripTotalBottom[kStationCount][kStripCaseCount] = {};
    /// Top-fibre stress, prestress plus girder moment, ksi [station][StripCase].
    double m_adStripTotalTop[kStationCount][kStripCaseCount] = {};
    double m_dStripEndOffset = 0;  ///< (girder length - design span) / 2, ft

    // ---- Handling section stresses and strength -------------------------------------------------
    HandlingStrengthArrays m_LiftingArrays;   ///< the lifting check
    HandlingStrengthArrays m_ShippingArrays;  ///< the shipping check
    /// Compression zone of the last handling check [station][HandlingMomentSign]: beta1.
    double m_aHandlingBeta1[kStationCount][kHandlingMomentSignCount] = {};
    /// Compression flange thickness hf, in [station][HandlingMomentSign].
    double m_aHandlingHf[kStationCount][kHandlingMomentSignCount] = {};
    /// Concrete strength of the stage, ksi [station][HandlingMomentSign].
    double m_aHandlingFc[kStationCount][kHandlingMomentSignCount] = {};
    /// Stress-block factor alpha1 [station][HandlingMomentSign].
    double m_aHandlingAlpha1[kStationCount][kHandlingMomentSignCount] = {};
    /// Compression flange width b, in [station][HandlingMomentSign].
    double m_aHandlingB[kStationCount][kHandlingMomentSignCount] = {};
    /// Developed strand area of the last handling check, in2 [station].
    double m_adHandlingStrandArea[kStationCount] = {};
    /// Height of its centroid above the girder bottom, in [station].
    double m_adHandlingStrandCentroid[kStationCount] = {};
    /// Girder bar area at or below (0) and at or above (1) mid-height, in2
    /// [station][GirderBarSide].
    double m_aHandlingBarArea[kStationCount][kGirderBarSideCount] = {};
    /// Area-weighted height of those bars above the girder bottom, in [station][GirderBarSide].
    double m_aHandlingBarCentroid[kStationCount][kGirderBarSideCount] = {};

    // ---- Lifting: the hanging girder ------------------------------------------------------------
    double m_dLiftInitialEccentricity = 0;  ///< initial lateral eccentricity ei, in
    double m_dLiftCamber = 0;               ///< camber at mid-span at release, in
    double m_dLiftRollAxisHeight = 0;       ///< roll axis above the centre of gravity yr, in
    double m_dLiftLateralDeflection = 0;    ///< lateral deflection of the centre of gravity z0, in
    double m_dLiftInitialTilt = 0;          ///< tilt angle theta_i, rad
    double m_dLiftCrackingTilt = 0;         ///< tilt at which the top flange cracks theta_max, rad
    double m_dLiftSafetyFactor = 0;         ///< factor of safety against cracking

    // ---- Shipping: the girder on the truck ------------------------------------------------------
    double m_dShipCrackingTilt = 0;          ///< tilt angle at cracking theta_max, rad
    double m_dShipFailureTilt = 0;           ///< tilt angle at failure theta'_max, rad
    double m_dShipLateralDeflection = 0;     ///< lateral deflection at cracking z0, in
    double m_dShipFailureDeflection = 0;     ///< lateral deflection at failure z'0, in
    double m_dShipCrackingSafetyFactor = 0;  ///< factor of safety against cracking
    double m_dShipFailureSafetyFactor = 0;   ///< factor of safety against rollover
};

}  // namespace kordel

// Flexural strength by the code formulas, development lengths and the bar totals per station.
#pragma once

#include <cstdint>
#include <cstring>

#include "document/model_limits.h"

namespace kordel {

/// Moment signs of the flexure arrays (second index of the [station][2] arrays).
enum FlexureMomentSign : int {
    kFlexurePositive = 0,  ///< governing positive factored moment Mu (compression at the top)
    kFlexureNegative = 1,  ///< negative moment of continuous girders (compression at the bottom)
};
inline constexpr int kFlexureSignCount = 2;

/// Entries of m_adDevelopmentLengths.
enum StrandDevelopmentEntry : int {
    kDevelopmentBonded = 0,    ///< strand development length Ld
    kDevelopmentDebonded = 1,  ///< development length of debonded strands
};
inline constexpr int kDevelopmentLengthCount = 2;

/// Slots of m_adMinFlexureRatio.
enum MinFlexureRatioSlot : int {
    kMinRatioValue = 0,    ///< smallest positive-moment Mr / Mu over stations 0 to 100
    kMinRatioUnused = 1,   ///< not written
    kMinRatioStation = 2,  ///< station of that ratio, an int in the slot's first four bytes
};
inline constexpr int kMinFlexureRatioSlots = 3;

/// Start value of the smallest-ratio search, left when no station has Mu > 0.
inline constexpr double kMinFlexureRatioNone = 999999.9;
/// Mr / Mcr where the cracking moment is 0.
inline constexpr double kFlexureRatioNoMcr = 9.99;
/// Mr / Mu above kFlexureRatioLimit is replaced by this.
inline constexpr double kFlexureRatioCap = 99.99;
inline constexpr double kFlexureRatioLimit = 100.0;

struct FlexureResults {
    // ---- Concrete of the compression zone -----------------------------------------------------
    double m_dBeta1Girder = 0;  ///< beta1 of the girder concrete
    double m_dBeta1Deck = 0;    ///< beta1 of the deck concrete
    /// k of the strand stress fps = fpu (1 - k c / dp): 0.28 low-relaxation, else 0.38.
    double m_dFpsFactorK = 0;
    /// f'c of the compression zone, ksi [station][FlexureMomentSign].
    double m_aFlexureFc[kStationCount][kFlexureSignCount] = {};
    /// Stress-block factor alpha1 [station][FlexureMomentSign].
    double m_aFlexureAlpha1[kStationCount][kFlexureSignCount] = {};
    /// beta1 of the compression zone [station][FlexureMomentSign].
    double m_aFlexureBeta1[kStationCount][kFlexureSignCount] = {};
    /// Compression flange thickness hf, in [station][FlexureMomentSign].
    double m_aFlexureHf[kStationCount][kFlexureSignCount] = {};
    /// Compression flange width b, in [station][FlexureMomentSign].
    double m_aFlexureB[kStationCount][kFlexureSignCount] = {};

    // ---- Strand development ----------------------------------------------------------------------
    /// Ld of bonded [0] and debonded [1] strands at the mid-span fps, ft [StrandDevelopmentEntry].
    double m_adDevelopmentLengths[kDevelopmentLengthCount] = {};
    // The developed strand area and its centroid per station are m_adDevelopedStrandArea and
    // m_adDevelopedStrandCg (SectionResults); this stage refills them.

    // ---- Mild reinforcement per station ----------------------------------------------------------
    /// Girder bar area at or below (0) and at or above (1) hc / 2, in2 [station][GirderBarSide].
    double m_aGirderBarArea[kStationCount][kFlexureSignCount] = {};
    /// Area-weighted height of those bars above the girder bottom, in [station][GirderBarSide].
    double m_aGirderBarCentroid[kStationCount][kFlexureSignCount] = {};
    double m_adDeckBarArea[kStationCount] = {};  ///< deck bar area crossing the station, in2
    /// Area-weighted height of the deck bars above the bottom of the deck, in [station].
    double m_adDeckBarCentroid[kStationCount] = {};
    /// Depth of the deck bars from the girder bottom, the ds of negative moment, in [station].
    double m_adDeckBarDepth[kStationCount] = {};

    // ---- Nominal and factored resistance ---------------------------------------------------------
    double m_aFlexureAps[kStationCount][kFlexureSignCount] = {};  ///< strand area counted Aps, in2
    double m_aFlexureDp[kStationCount][kFlexureSignCount] = {};   ///< strand depth dp, in
    double m_aFlexureAs[kStationCount][kFlexureSignCount] = {};   ///< mild tension steel As, in2
    /// Mild steel depth ds, in (negative moment: m_adDeckBarDepth) [station][FlexureMomentSign].
    double m_aFlexureDs[kStationCount][kFlexureSignCount] = {};
    double m_aFlexureC[kStationCount][kFlexureSignCount] = {};  ///< neutral-axis depth c, in
    double m_aFlexureA[kStationCount][kFlexureSignCount] = {};  ///< stress block a = beta1 c, in
    /// Strand stress at nominal strength fps, ksi [station][FlexureMomentSign].
    double m_aFlexureFps[kStationCount][kFlexureSignCount] = {};
    double m_aFlexurePhi[kStationCount][kFlexureSignCount] = {};  ///< resistance factor phi
    /// phi Mn before the Standard Specifications' maximum-reinforcement limit, k-ft.
    double m_aFlexureMn[kStationCount][kFlexureSignCount] = {};
    /// Standard Specifications' maximum-reinforcement moment, k-ft (entry 0 only).
    double m_aFlexureMrCmp[kStationCount][kFlexureSignCount] = {};
    double m_aFlexureMr[kStationCount][kFlexureSignCount] = {};  ///< flexural resistance Mr, k-ft
    double m_aFlexureDe[kStationCount][kFlexureSignCount] = {};  ///< effective depth de, in
    double m_aFlexureDepthRatio[kStationCount][kFlexureSignCount] = {};  ///< c / de

    // ---- Cracking moment and ratios --------------------------------------------------------------
    double m_dRuptureStressGirder = 0;  ///< -fr of the girder concrete, ksi (tension negative)
    double m_dRuptureStressDeck = 0;    ///< -fr of the deck concrete, ksi (tension negative)
    double m_aFlexureMcr[kStationCount][kFlexureSignCount] = {};  ///< cracking moment Mcr, k-ft
    double m_aFlexureMrMcrRatio[kStationCount][kFlexureSignCount] = {};  ///< Mr / Mcr
    double m_aFlexureMrMuRatio[kStationCount][kFlexureSignCount] = {};   ///< Mr / Mu
    /// [0] smallest positive Mr / Mu of stations 0 to 100, [2] its station as an int in the first
    /// four bytes (-1 when none), [1] unused [MinFlexureRatioSlot].
    double m_adMinFlexureRatio[kMinFlexureRatioSlots] = {};
};

/// The station stored in slot kMinRatioStation of m_adMinFlexureRatio (-1 when none).
inline int MinFlexureRatioStation(const double (&slots)[kMinFlexureRatioSlots]) {
    std::int32_t station = 0;
    std::memcpy(&station, &slots[kMinRatioStation], sizeof station);
    return station;
}

/// Stores `station` as an int in the first four bytes of slot kMinRatioStation; the other bytes
/// are 0.
inline void SetMinFlexureRatioStation(double (&slots)[kMinFlexureRatioSlots], int station) {
    const std::int32_t value = station;
    slots[kMinRatioStation] = 0.0;
    std::memcpy(&slots[kMinRatioStation], &value, sizeof value);
}

}  // namespace kordel

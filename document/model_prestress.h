// Design model: the pretensioned strand pattern with its alternatives and limits, the strand
// groups, the post-tensioning tendons and the mild reinforcement.
#pragma once

#include <string>

#include "document/model_limits.h"
#include "document/model_project.h"
#include "document/model_records.h"

namespace kordel {

/// m_nPrestressType.
inline constexpr int kPretensionOnly = 1;  ///< "Pretensioning only"
inline constexpr int kPostTensioned = 2;   ///< "Post-tensioning + pretensioning"

/// m_nPretensionEntryMode: a strand pattern, or one jacking force with its centroids.
inline constexpr int kEntryStrandPattern = 1;
inline constexpr int kEntryPrestressForce = 999;

/// m_nPatternType.
inline constexpr int kPatternStraight = 1;
inline constexpr int kPatternDraped = 2;

/// m_nDrapePointMode.
inline constexpr int kDrapeByFraction = 1;  ///< "Var:" m_dDrapeFraction of the design span
inline constexpr int kDrapeByDistance = 2;  ///< "Fix:" m_dDrapePointDistance from the bearing

/// m_nPTJackingBasis.
inline constexpr int kJackingOfFpy = 1;
inline constexpr int kJackingOfFpu = 2;

struct PrestressModel {
    // ---- Prestressing type ----------------------------------------------------------------------
    /// 1 pretensioning only, 2 post-tensioning + pretensioning.
    int m_nPrestressType = kPretensionOnly;

    // ---- Pretensioned strands -------------------------------------------------------------------
    /// "Entry Method": 1 strand pattern, 999 prestress force.
    int m_nPretensionEntryMode = kEntryStrandPattern;
    double m_dPForceJacking = 0;  ///< force entry: jacking force, kip
    double m_dPForceCgEnd = 0;    ///< force entry: strand centroid at the girder end, in
    double m_dPForceCgMid = 0;    ///< force entry: strand centroid at midspan, in
    int m_nPatternType = 0;       ///< 1 straight, 2 draped
    /// Pattern at the girder end, row r on template row r.
    StrandPatternRow m_aEndRows[kMaxPatternRows] = {};
    /// Pattern at the drape point: elevations there and the number of draped strands.
    StrandPatternRow m_aDrapeRows[kMaxPatternRows] = {};
    int m_nStrandCount = 0;         ///< pretensioned strands; the strand summary recounts it
    double m_dStrandCgEnd = 0;      ///< strand centroid at the girder end, in
    double m_dStrandCgMid = 0;      ///< strand centroid at midspan, in
    double m_dPullFraction = 0;     ///< jacking stress as a fraction of fpu
    double m_dTopPullFraction = 0;  ///< pull fraction of the top strands
    int m_nTopPullStrandCount = 0;  ///< strands pulled at the top fraction
    /// Drape point given by 1 a fraction of the span ("Var:"), 2 a distance ("Fix:").
    int m_nDrapePointMode = kDrapeByFraction;
    double m_dDrapeFraction = 0;       ///< drape point, fraction of the design span, (0, 0.5]
    double m_dDrapePointDistance = 0;  ///< drape point from the left bearing centreline, ft
    int m_nDrapedStrandRows = 0;       ///< 1 when the strand groups include draped strands
    /// The pattern turned into strand groups, with their debond lengths.
    StrandGroup m_aStrandGroup[kMaxStrandGroups] = {};
    int m_nStrandGroupCount = 0;       ///< strand groups used
    int m_nStrandPatternDlgState = 0;  ///< kept by the strand-pattern commands; not stored

    // ---- Preliminary design constraints and debonding -------------------------------------------
    int m_bDesignIncludeTopStrands = 0;  ///< "Include top strands:" in the strand design
    double m_dDesignTopStrandCount = 0;  ///< top strands of the strand design ("No:")
    double m_dDebondLengthStep = 0;      ///< length step of the debonding design, ft
    /// [DebondSummaryValue]: [0] and [1] results of the strand summary; [2] the limit for the
    /// whole pattern and [3] for one row, percent (agency presets; not stored).
    double m_adDebondSummary[kDebondSummaryCount] = {0, 0, 25, 40};
    /// Cutting order of the detensioning check: entry k the number (from 1) of the group cut k-th.
    int m_anDetensionOrder[kMaxStrandGroups] = {};

    // ---- Post-tensioning ------------------------------------------------------------------------
    int m_nTendonCount = 0;                             ///< tendons used, 0 to kMaxTendons
    PostTensioningTendon m_aTendons[kMaxTendons] = {};  ///< the tendons
    int m_nPTJackingBasis = kJackingOfFpy;  ///< jacking stress: 1 fraction of fpy, 2 of fpu
    double m_dPtJackingFraction = 0.9;      ///< "Jacking fraction:"
    double m_dPtAnchorSet = 0.25;           ///< anchor set, in
    double m_dPtFrictionMu = 0.2;           ///< curvature friction coefficient mu
    double m_dPtWobbleK = 0.0002;           ///< wobble coefficient K, 1/ft
    double m_dPtAuxValue = 4.0;             ///< stored with the tendons; read by no computation
    double m_dStrandAuxValue = 0;           ///< stored with the pattern; read by no computation

    // ---- Longitudinal reinforcement -------------------------------------------------------------
    int m_nGirderRebarRowCount = 0;  ///< girder layout rows used, at most 11
    /// Girder layout rows [row][RebarRowValue].
    double m_adGirderRebarRows[kMaxLongitRebarRows][kRebarRowValueCount] = {};
    int m_nDeckRebarRowCount = 0;  ///< deck layout rows used, at most 11
    /// Deck layout rows [row][RebarRowValue].
    double m_adDeckRebarRows[kMaxLongitRebarRows][kRebarRowValueCount] = {};
    double m_dBarSpacing = 2.0;  ///< bar pitch when layout rows are expanded, in; not stored
    int m_nGirderBarCount = 0;   ///< individual girder bars, at most kMaxRebarBars
    RebarBar m_aGirderBars[kMaxRebarBars] = {};  ///< individual girder bars
    int m_nDeckBarCount = 0;                     ///< individual deck bars, at most kMaxRebarBars
    RebarBar m_aDeckBars[kMaxRebarBars] = {};    ///< individual deck bars
    /// Bar table [bar number][BarTableValue]. Bars 3 to 11 and 14 only, every other row 0; fixed
    /// by construction, written by no other code and not stored.
    double m_adBarTable[kBarTableSlots][kBarTableValueCount] = {
        // nominal diameter in, area in2 (ASTM A615 inch-pound bar sizes)
        {0, 0},         // 0
        {0, 0},         // 1
        {0, 0},         // 2
        {0.375, 0.11},  // #3
        {0.5, 0.20},    // #4
        {0.625, 0.31},  // #5
        {0.75, 0.44},   // #6
        {0.875, 0.60},  // #7
        {1.0, 0.79},    // #8
        {1.128, 1.00},  // #9
        {1.27, 1.27},   // #10
        {1.41, 1.56},   // #11
        {0, 0},         // 12
        {0, 0},         // 13
        {1.693, 2.25},  // #14
    };

    // ---- Transverse reinforcement ---------------------------------------------------------------
    int m_bStirrupLayout = 1;     ///< nonzero: zones as a stirrup layout; 0: as steel areas
    int m_nStirrupZoneCount = 0;  ///< stirrup zones used, at most 20
    /// Stirrup zones [zone][StirrupZoneValue]; the shear design reads them.
    double m_adStirrupZones[kMaxStirrupZones][kStirrupZoneValueCount] = {};
    int m_nStirrupLegs = 0;        ///< number of stirrup legs
    int m_bStirrupsSymmetric = 0;  ///< the zones are mirrored about midspan ("Symmetric")

    /// The cutting order 1, 2, ..., 200: the groups are cut in their own order.
    void ResetDetensionOrder() {
        for (int k = 0; k < kMaxStrandGroups; ++k) m_anDetensionOrder[k] = k + 1;
    }

    bool operator==(const PrestressModel&) const = default;
};

/// The debonding limits of an agency that has its own (m_nAgency "None" and "Caltrans"),
/// percent of the pattern and of one row; other agencies keep the limits as they are.
inline void ApplyAgencyDebondLimits(int agency, PrestressModel& p) {
    static constexpr double kNone[2] = {25.0, 40.0};
    static constexpr double kCaltrans[2] = {33.0, 50.0};
    const double* limits = agency == kAgencyNone       ? kNone
                           : agency == kAgencyCaltrans ? kCaltrans
                                                       : nullptr;
    if (!limits) return;
    p.m_adDebondSummary[kDebondLimitPattern] = limits[0];
    p.m_adDebondSummary[kDebondLimitRow] = limits[1];
}

}  // namespace kordel

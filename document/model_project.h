// Design model: the job, the specification and units, the span layout, the girder lengths and
// the cross-section framing with the deck. All lengths in feet unless the comment says inches.
#pragma once

#include <string>
#include <vector>

#include "document/model_limits.h"

namespace kordel {

/// m_nSpecEdition: positions in the edition list ("Standard Specs", "LRFD 5th", ...).
inline constexpr int kEditionStandardSpecs = 0;
inline constexpr int kEditionLrfd5th = 1;
inline constexpr int kEditionLrfd6th = 2;
inline constexpr int kEditionLrfd6th2013 = 3;  ///< "LRFD 6th w/ 2013 Interims"
inline constexpr int kEditionLrfd7th = 4;
inline constexpr int kEditionCount = 5;

/// m_nAgency: positions in the State/Agency/Locality list.
inline constexpr int kAgencyNone = 0;
inline constexpr int kAgencyCaltrans = 1;
inline constexpr int kAgencyMN = 2;
inline constexpr int kAgencyMT = 3;
inline constexpr int kAgencyND = 4;
inline constexpr int kAgencyODOT = 5;
inline constexpr int kAgencyFDOT = 6;
inline constexpr int kAgencyCount = 7;

struct ProjectModel {
    // ---- Job information ---------------------------------------------------------------
    std::string m_strDesigner;   ///< designer's initials ("By :" in the page header)
    std::string m_strProject;    ///< project name
    std::string m_strTask;       ///< task
    std::string m_strClient;     ///< client
    std::string m_strJobNumber;  ///< job number

    // ---- Specification, units and structure type -------------------------------------------
    int m_nSpecification = 0;   ///< 1 AASHTO LRFD; any other value the Standard Specifications
    std::string m_strSpecCode;  ///< "LRFD" or "STND"
    int m_nSpecEdition = 2;     ///< index into m_saSpecEditions; 4 selects the 7th-edition rules
    int m_nAgency = 0;          ///< index into m_saAgencies, 0 to 6
    int m_nUnits = 0;           ///< display units: 1 US customary, 2 metric
    int m_bContinuous = 0;      ///< BOOL: 0 simple span, 1 chain of continuous spans

    // ---- Span layout (per span k in slot k) ---------------------------------------------------
    int m_nSpans = 0;                                ///< number of spans, 1 to 20
    std::vector<std::string> m_saSpanSectionNames;   ///< section name of span k at element k-1
    double m_adSpanLength[kMaxSpanSlots] = {};       ///< span length, pier to pier, ft
    double m_adSpanGirderLength[kMaxSpanSlots] = {}; ///< girder length of each span, ft
    double m_adGirderOffsetLeft[kMaxSpanSlots] = {}; ///< girder left end from the left support line, into the span positive, ft
    double m_adPadOffsetLeft[kMaxSpanSlots] = {};    ///< left bearing from the girder's left end, ft
    double m_adPadOffsetRight[kMaxSpanSlots] = {};   ///< right bearing from the girder's right end, ft
    double m_adSpanSectionProps[kMaxSpanSlots][kSpanSectionPropCount] = {};  ///< [span][I in4, A in2, yb in]
    int m_nCurrentSpan = 0;    ///< span of the girder being designed, 1 to m_nSpans
    int m_nCurrentGirder = 0;  ///< girder number within that span

    // ---- Girder lengths and bearings -----------------------------------------------------------
    double m_dGirderLength = 0;      ///< overall girder length, ft
    double m_dDesignSpan = 0;        ///< design span L, bearing to bearing, ft
    double m_dReleaseSpan = 0;       ///< span on the supports at release, ft
    double m_dBearingPadLength = 0;  ///< bearing pad length, in
    int m_nSegments = 1;             ///< girder segments of a spliced girder; 1 is one piece
    double m_adSegments[kMaxSegmentSlots][2] = {};  ///< [segment][length ft, closure ft]

    // ---- Cross-section framing -------------------------------------------------------------------
    double m_dBridgeWidth = 0;  ///< overall bridge width, ft
    double m_dCurbToCurb = 0;   ///< curb-to-curb width, ft
    int m_nBeams = 0;           ///< beams in the cross-section
    int m_nLanes = 0;           ///< design lanes
    double m_dBeamSpacing = 0;  ///< beam spacing, ft
    double m_dSkewAngle = 0;    ///< skew angle, degrees
    int m_nGirderLocation = 0;  ///< 1 interior girder, 2 exterior girder
    std::string m_strGirderLocation;  ///< "Int" or "Ext"
    double m_dDe = 0;           ///< de, exterior web to curb, ft
    double m_dOverhang = 0;     ///< deck overhang, ft
    int m_nSuperstructureType = 0;        ///< cross-section type for the distribution factors
    std::string m_strSuperstructureType;  ///< its name
    int m_bSufficientlyConnected = 0;     ///< BOOL: sufficiently connected for the factors

    // ---- Deck ------------------------------------------------------------------------------------
    int m_bCompositeDeck = 0;            ///< BOOL: the deck acts compositely with the girder
    double m_dDeckThickness = 0;         ///< cast-in-place deck thickness, in
    double m_dHaunchThickness = 0;       ///< haunch thickness, in
    double m_dDeckWidth = 0;             ///< deck width belonging to the girder, in
    double m_dHaunchWidth = 0;           ///< haunch width, in
    double m_dOverlayThickness = 0;      ///< overlay thickness, in
    double m_dWearingSurfaceThickness = 0;  ///< integral wearing surface thickness, in

    bool operator==(const ProjectModel&) const = default;
};

}  // namespace kordel

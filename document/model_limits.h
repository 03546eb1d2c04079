// Fixed sizes of the design model's arrays.
#pragma once

namespace kordel {

inline constexpr int kMaxSpans = 20;         ///< spans of a continuous chain, 1 to 20
inline constexpr int kMaxSpanSlots = 21;     ///< per-span arrays: span k in slot k, slot 0 unused
inline constexpr int kMaxSupportSlots = 22;  ///< per-support arrays: supports 1 to spans + 1
inline constexpr int kMaxSegmentSlots = 11;  ///< girder segments of a spliced girder
inline constexpr int kStationCount = 115;    ///< analysis stations along the girder
inline constexpr int kSectionCaseCount = 7;  ///< section cases of every station, 0 girder alone

/// Columns of m_adSpanSectionProps.
enum SpanSectionProp : int { kSpanPropInertia = 0, kSpanPropArea = 1, kSpanPropYb = 2 };
inline constexpr int kSpanSectionPropCount = 3;

/// Columns of m_adSegments.
enum SegmentValue : int { kSegmentLength = 0, kSegmentClosure = 1 };

/// Specification codes of m_nSpecification; the engine takes every value other than
/// kSpecLrfd as the Standard Specifications.
inline constexpr int kSpecLrfd = 1;
inline constexpr int kSpecStandard = 2;

/// Unit systems of m_nUnits (display only; the model is always in US units).
inline constexpr int kUnitsUS = 1;
inline constexpr int kUnitsMetric = 2;

/// Report forms of m_nReportForm.
inline constexpr int kReportShortForm = 1;
inline constexpr int kReportLongForm = 2;

/// Section shapes of m_nSectionType. Other values get no label and no decked bulb-tee handling.
inline constexpr int kSectionIGirder = 1;
inline constexpr int kSectionBoxBeam = 2;
inline constexpr int kSectionUBeam = 3;
inline constexpr int kSectionSlab = 4;
inline constexpr int kSectionChannel = 5;
inline constexpr int kSectionDeckedBulbTee = 6;

/// True when `specification` (an m_nSpecification value) selects AASHTO LRFD; 0, 2, 3 and every
/// other value select the Standard Specifications.
inline constexpr bool IsLrfd(int specification) {
    return specification == kSpecLrfd;
}

// ---- Girder section -----------------------------------------------------------------------------
inline constexpr int kMaxOutlinePoints = 101;  ///< points of the outline and of the polygonal void
inline constexpr int kMaxCircularVoids = 11;   ///< circular voids of a section
inline constexpr int kSectionGeneratorSlots = 11;  ///< generator dimensions, slot 0 unused

/// Columns of an outline point (m_adOutline, m_adVoidOutline), in.
enum OutlineValue : int { kPointX = 0, kPointY = 1 };
inline constexpr int kPointValueCount = 2;

/// Columns of m_adCircularVoid, in.
enum CircularVoidValue : int { kVoidCentreX = 0, kVoidCentreY = 1, kVoidRadius = 2 };
inline constexpr int kCircularVoidValueCount = 3;

// ---- Strand template, strand patterns and strand groups -----------------------------------------
inline constexpr int kMaxPatternRows = 50;        ///< template rows and rows of each strand pattern
inline constexpr int kMaxPatternColumns = 30;     ///< values per template row
inline constexpr int kMaxTemplateLocations = 27;  ///< horizontal locations per template row

/// Columns of a template row (m_adStrandTemplate); the locations fill columns 3 to 29.
enum TemplateValue : int {
    kTemplateElevation = 0,        ///< row elevation above the girder bottom, in
    kTemplatePositions = 1,        ///< strand positions in the row
    kTemplateDrapedPositions = 2,  ///< positions that may hold draped strands
    kTemplateFirstLocation = 3,    ///< first horizontal location, in
};

/// Values of a StrandPatternRow; counts are held as doubles and used as their whole part.
enum PatternRowValue : int {
    kRowStraightElevation = 0,  ///< elevation of the straight strands, in
    kRowStraightCount = 1,      ///< number of straight strands
    kRowDrapedElevation = 2,    ///< elevation of the draped strands, in
    kRowDrapedCount = 3,        ///< number of draped strands
};
inline constexpr int kPatternRowValueCount = 4;

inline constexpr int kMaxStrandGroups = 200;  ///< strand groups, and entries of the cutting order

/// Values of a StrandGroup.
enum StrandGroupValue : int {
    kGroupStrands = 0,         ///< 1 a strand on the centreline, 2 a symmetric pair
    kGroupElevationEnd = 1,    ///< elevation at the girder end, in
    kGroupElevationDrape = 2,  ///< elevation at the drape point, in
    kGroupDebondEnd = 3,       ///< debonded length from each girder end, ft
    kGroupDebondMid = 4,       ///< half-length of a debonded zone about mid-length, ft
    kGroupPullFraction = 5,    ///< jacking stress as a fraction of fpu
    kGroupLocation = 6,        ///< horizontal distance of the pair from the centreline, in
};
inline constexpr int kStrandGroupValueCount = 7;

/// Entries of m_adDebondSummary: [0] and [1] results of the strand summary, [2] and [3] inputs.
enum DebondSummaryValue : int {
    kDebondedStrands = 0,     ///< strands debonded at the ends
    kDebondedPercent = 1,     ///< their share of all strands, percent
    kDebondLimitPattern = 2,  ///< largest share in the whole pattern, percent
    kDebondLimitRow = 3,      ///< largest share in one row, percent
};
inline constexpr int kDebondSummaryCount = 4;

// ---- Post-tensioning and mild reinforcement -----------------------------------------------------
inline constexpr int kMaxTendons = 20;          ///< post-tensioning tendons
inline constexpr int kTendonProfilePoints = 3;  ///< start, vertex and end of a tendon's parabola

/// Points of a tendon profile and the values of each point.
enum TendonProfilePoint : int { kProfileStart = 0, kProfileVertex = 1, kProfileEnd = 2 };
enum TendonProfileValue : int {
    kProfileX = 0,         ///< position from the girder's left end, ft
    kProfileCg = 1,        ///< centroid height, in
    kProfileLocation = 2,  ///< horizontal location, in
};
inline constexpr int kTendonProfileValueCount = 3;

inline constexpr int kMaxLongitRebarRows = 11;  ///< layout rows of girder bars, and of deck bars
inline constexpr int kMaxRebarBars = 201;       ///< individual bars of one list (girder or deck)

/// Columns of a longitudinal layout row (m_adGirderRebarRows, m_adDeckRebarRows).
enum RebarRowValue : int {
    kRebarRowBars = 0,       ///< number of bars
    kRebarRowBarSize = 1,    ///< bar number
    kRebarRowElevation = 2,  ///< elevation, in
    kRebarRowStart = 3,      ///< start along the girder, ft
    kRebarRowEnd = 4,        ///< end along the girder, ft
    kRebarRowArea = 5,       ///< total area of the row, in2
};
inline constexpr int kRebarRowValueCount = 6;

/// Coordinates of a RebarBar end point.
enum BarPointValue : int {
    kBarX = 0,  ///< along the girder from its left end, ft
    kBarY = 1,  ///< elevation, in
    kBarZ = 2,  ///< offset from the centreline, in
};
inline constexpr int kBarPointValueCount = 3;

inline constexpr int kBarTableSlots = 20;  ///< bar table rows, indexed by the bar number

/// Columns of m_adBarTable.
enum BarTableValue : int { kBarDiameter = 0, kBarArea = 1 };
inline constexpr int kBarTableValueCount = 2;

inline constexpr int kMaxStirrupZones = 20;  ///< stirrup zones

/// Columns of a stirrup zone (m_adStirrupZones).
enum StirrupZoneValue : int {
    kZoneGap = 0,      ///< gap before the zone, ft
    kZoneBarSize = 1,  ///< stirrup bar number
    kZoneSpaces = 2,   ///< number of spaces
    kZoneSpacing = 3,  ///< spacing, in
    kZoneEnd = 4,      ///< end of the zone from the girder's left end, ft
    kZoneArea = 5,     ///< stirrup area, in2/ft
    kZoneLength = 6,   ///< zone length when the zones are given as steel areas, ft
};
inline constexpr int kStirrupZoneValueCount = 7;

// ---- Vehicles -----------------------------------------------------------------------------------
inline constexpr int kMaxVehicleAxles = 100;       ///< axles of a LiveLoadVehicle
inline constexpr int kMaxVehicleRecordAxles = 30;  ///< axles of a VehicleRecord
inline constexpr int kMaxAdditionalVehicles = 30;  ///< additional rating vehicles

/// Columns of a VehicleRecord axle (m_afAxles), in the order of VehicleAxle.
enum AxleValue : int {
    kAxleWeight = 0,      ///< axle weight, kip
    kAxleMinSpacing = 1,  ///< smallest spacing to the next axle, ft
    kAxleMaxSpacing = 2,  ///< largest spacing to the next axle, ft
};
inline constexpr int kAxleValueCount = 3;

// ---- Load effects -------------------------------------------------------------------------------
/// Load cases of a LoadEffectRecord.
enum LoadCase : int {
    kCaseGirderRelease = 0,        ///< girder self-weight on the release span
    kCaseGirder = 1,               ///< girder self-weight on the design span
    kCaseDeck = 2,                 ///< deck
    kCaseOverlay = 3,              ///< overlay
    kCaseDiaphragms = 4,           ///< diaphragms
    kCaseOtherNonComposite = 5,    ///< other non-composite dead load
    kCaseBarriers = 6,             ///< barriers, per girder
    kCaseWearingSurface = 7,       ///< future wearing surface, per girder
    kCaseOtherComposite = 8,       ///< other composite dead load
    kCaseLaneWork = 9,             ///< simple-span work entry: lane load per lane
    kCaseAxlesWork = 10,           ///< simple-span work entry: axle train per lane
    kCaseTandemWork = 11,          ///< simple-span work entry: tandem per lane
    kCaseTruckWork = 12,           ///< simple-span work entry: larger of 10 and 11
    kCaseLiveLoad = 13,            ///< design live load per girder, positive
    kCaseFatigue = 14,             ///< fatigue truck per girder, positive
    kCasePedestrian = 15,          ///< pedestrian load per girder
    kCaseLiveLoadNegative = 16,    ///< design live load per girder, negative
    kCaseRestraintPositive = 17,   ///< time-dependent restraint moment, positive
    kCaseLiveLoadGoverning = 18,   ///< governing live load
    kCaseLiveLoadConcurrent = 19,  ///< live load concurrent with the governing value
    kCaseRestraintNegative = 20,   ///< time-dependent restraint moment, negative
    kCaseFatigueNegative = 21,     ///< fatigue truck per girder, negative
};
inline constexpr int kLoadEffectFields = 22;

// ---- Camber, handling, load tables, 3D model ----------------------------------------------------
inline constexpr int kCamberMultiplierCount = 11;  ///< entered and working camber multipliers
inline constexpr int kCamberSummaryCount = 23;     ///< mid-span camber summary values
inline constexpr int kMaxHandlingLoads = 20;       ///< distributed, and point, handling loads
inline constexpr int kLoadTableSpacingSlots = 5;   ///< load-table spacings 1 to 4, slot 0 unused
inline constexpr int kMaxLoadTableSpacings = 4;    ///< load-table spacings in use
inline constexpr int kLoadTableModeCount = 10;     ///< check modes of the load-table design
inline constexpr int kModelColourCount = 4;        ///< colours of the 3D model
inline constexpr int kColourComponents = 3;        ///< red, green, blue, each 0 to 1

}  // namespace kordel

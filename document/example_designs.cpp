// The four built-in example designs of the new-design road, as data: one table per example
// (kExample1 to kExample4, with the sections and lists they point to), then the builder that
// writes a table into the document in the order the new-design road fills it. Values shared by
// all four examples and values derived from others are written by the builder.
//
//   1 simple-span composite I-girder        3 continuous composite three-span I-girder
//   2 non-composite adjacent box beam       4 spliced post-tensioned I-girder of three segments
#include "document/example_designs.h"

#include <algorithm>
#include <cstddef>
#include <string>

#include "document/main_frame_state.h"
#include "document/kordel_doc.h"

namespace kordel {
namespace {

/// Elevation step between strand template rows, and between the pattern rows' elevations, in.
constexpr double kRowPitch = 2.0;
/// Debond length step of the debonding design, ft.
constexpr double kDebondLengthStep = 5.0;

// ---- PCI_BT_72 (examples 1 and 3) ---------------------------------------------------------------

constexpr double kBt72GenWidth[] = {42, 26, 6, 2, 0};
constexpr double kBt72GenDepth[] = {72, 3.5, 2, 2, 0, 4.5, 6};
constexpr ExamplePoint kBt72Outline[] = {
    {-13, 0},   {-13, 6},  {-3, 10.5}, {-3, 64.5}, {-5, 66.5}, {-21, 68.5}, {-21, 72}, {21, 72},
    {21, 68.5}, {5, 66.5}, {3, 64.5},  {3, 10.5},  {13, 6},    {13, 0},     {-13, 0},
};
constexpr double kLocations1To11[] = {1, 3, 5, 7, 9, 11};
constexpr double kLocations1To7[] = {1, 3, 5, 7};
constexpr double kLocations1To3[] = {1, 3};
constexpr double kLocation1[] = {1};
constexpr ExampleTemplateBand kBt72Template[] = {
    // first row, positions, draped positions, horizontal locations (in)
    {0, 12, 2, kLocations1To11},
    {2, 8, 2, kLocations1To7},
    {3, 4, 2, kLocations1To3},
    {4, 2, 2, kLocation1},
};

constexpr ExampleSection kPciBt72 = {
    .type = kSectionIGirder,
    .name = "PCI_BT_72 ",
    .area = 767,
    .yb = 36.6,
    .ixx = 545894,
    .height = 72,
    .topFlangeWidth = 42,
    .topFlangeThickness = 2.5,
    .bottomFlangeWidth = 26,
    .bottomFlangeThickness = 10.5,
    .torsionConstant = 1,
    .volumeToSurface = 3.01,
    .bwo = 6,
    .webCount = 1,
    .webWidth = 6,
    .webLocation = 0,
    .genWidth = kBt72GenWidth,
    .genDepth = kBt72GenDepth,
    .outline = kBt72Outline,
    .voidOutline = {},
    .strandTemplate = {.rowCount = 35,
                       .bands = kBt72Template,
                       .raisedRows = {},
                       .columnCount = 6,
                       .layout = kTemplateFromCentreline},
};

// ---- AASHTO_BIII-48 (example 2) -----------------------------------------------------------------

constexpr double kBoxGenWidth[] = {48, 5, 5, 3};
constexpr double kBoxGenDepth[] = {39, 5.5, 5.5, 3};
constexpr ExamplePoint kBoxOutline[] = {
    {-24, 0},     {-24, 27},   {-23.25, 27.75}, {-23.25, 32.35}, {-23.63, 33},
    {-23.63, 39}, {23.63, 39}, {23.63, 33},     {23.25, 32.35},  {23.25, 27.75},
    {24, 27},     {24, 0},     {-24, 0},
};
constexpr ExamplePoint kBoxVoid[] = {
    {-16, 5.5}, {-19, 8.5}, {-19, 30.5}, {-16, 33.5}, {16, 33.5},
    {19, 30.5}, {19, 8.5},  {16, 5.5},   {-16, 5.5},
};
constexpr double kBoxBottomLocations[] = {21.5, 19.5, 17.5, 15.5, 13.5, 11.5,
                                          9.5,  7.5,  5.5,  3.5,  1.5,  0};
constexpr double kBoxWebLocation[] = {21.5};
constexpr ExampleTemplateBand kBoxTemplate[] = {
    // first row, positions, draped positions, horizontal locations (in), outermost first
    {0, 23, 0, kBoxBottomLocations},
    {2, 2, 0, kBoxWebLocation},
};

constexpr ExampleSection kAashtoBIII48 = {
    .type = kSectionBoxBeam,
    .name = "AASHTO_BIII-48",
    .area = 813,
    .yb = 19.29,
    .ixx = 168367,
    .height = 39,
    .topFlangeWidth = 48,
    .topFlangeThickness = 5.5,
    .bottomFlangeWidth = 48,
    .bottomFlangeThickness = 5.5,
    .torsionConstant = 285854,
    .volumeToSurface = 1.0,
    .bwo = 48,
    .webCount = 2,
    .webWidth = 5,
    .webLocation = 21.5,
    .genWidth = kBoxGenWidth,
    .genDepth = kBoxGenDepth,
    .outline = kBoxOutline,
    .voidOutline = kBoxVoid,
    .strandTemplate =
        {.rowCount = 18, .bands = kBoxTemplate, .raisedRows = {}, .columnCount = 12, .layout = 2},
};

// ---- BT_95 (example 4) --------------------------------------------------------------------------

constexpr double kBt95GenWidth[] = {50.875, 40.5, 6, 2, 10};
constexpr double kBt95GenDepth[] = {95, 3.5, 2, 2, 3, 4.5, 6};
constexpr ExamplePoint kBt95Outline[] = {
    {-20.5, 0},    {-20.5, 5.125}, {-7, 9.625},   {-4, 12.625}, {-4, 86},   {-7, 89},
    {-25.438, 92}, {-25.438, 95},  {25.438, 95},  {25.438, 92}, {7, 89},    {4, 86},
    {4, 12.625},   {7, 9.625},     {20.5, 5.125}, {20.5, 0},    {-20.5, 0},
};
// The two bottom rows hold 16 positions: eight locations a side, out to 15 in in the 40.5-in
// bottom flange, where the strand groups of the example sit.
constexpr double kLocations1To15[] = {1, 3, 5, 7, 9, 11, 13, 15};
constexpr ExampleTemplateBand kBt95Template[] = {
    // first row, positions, draped positions, horizontal locations (in)
    {0, 16, 2, kLocations1To15},
    {2, 8, 2, kLocations1To7},
    {3, 4, 2, kLocations1To3},
    {4, 2, 2, kLocation1},
};
/// The top row lies in the top flange, for the top strands.
constexpr ExampleRowElevation kBt95RaisedRows[] = {{34, 92}};

constexpr ExampleSection kBt95 = {
    .type = kSectionIGirder,
    .name = "BT_95",
    .area = 1236.8,
    .yb = 45.85,
    .ixx = 1492483,
    .height = 95,
    .topFlangeWidth = 50.875,
    .topFlangeThickness = 3.0,
    .bottomFlangeWidth = 40.5,
    .bottomFlangeThickness = 9.625,
    .torsionConstant = 1,
    .volumeToSurface = 3.66,
    .bwo = 8,
    .webCount = 1,
    .webWidth = 8,
    .webLocation = 0,
    .genWidth = kBt95GenWidth,
    .genDepth = kBt95GenDepth,
    .outline = kBt95Outline,
    .voidOutline = {},
    .strandTemplate = {.rowCount = 35,
                       .bands = kBt95Template,
                       .raisedRows = kBt95RaisedRows,
                       .columnCount = 8,
                       .layout = kTemplateFromCentreline},
};

// ---- Lists shared by several examples -----------------------------------------------------------

constexpr const char* kIBeamComposite = "LRFD (k) I-Beam composite";

/// Straight strands of the PCI_BT_72 examples (row: count), at the end and at the drape point.
constexpr ExampleRowCount kBt72Straight[] = {{0, 10}, {1, 10}, {2, 6}, {3, 2}};
/// Draped strands at the drape point of the PCI_BT_72 examples.
constexpr ExampleRowCount kBt72DrapedAtDrapePoint[] = {{0, 2}, {1, 2}, {2, 2}, {3, 2}};
/// Draped-strand elevations at the drape point of examples 3 and 4: 2 to 18 in, then 58 to 68 in.
constexpr ExampleElevationRun kLowAndHighDrapeElevations[] = {{0, 8, 2}, {9, 14, 58}};

/// Stirrup zones of a 106-ft PCI_BT_72 girder, symmetric about mid-length.
constexpr ExampleStirrupZone kBt72StirrupZones[] = {
    // gap ft, bar, spaces, spacing in, end ft, area in2/ft
    {0.15, 5, 3, 4, 1.15, 1.86},   {0.5, 4, 20, 12, 21.65, 0.4}, {1, 4, 20, 18, 52.65, 0.27},
    {0.7, 4, 20, 18, 83.35, 0.27}, {1, 4, 20, 12, 104.35, 0.4},  {0.5, 5, 3, 4, 105.85, 1.86},
};

// ---- Example 1: simple-span composite I-girder --------------------------------------------------

constexpr ExampleSpan kEx1Spans[] = {
    // length, girder length ft; I in4, A in2, yb in; section; girder offset ft
    {105, 106, {545894, 767, 36.6}, "PCI_BT_72", -0.5},
};
constexpr ExampleRowCount kEx1DrapedAtEnd[] = {{17, 2}, {18, 2}, {19, 2}, {20, 2}};
constexpr ExampleElevationRun kEx1DrapeElevations[] = {{0, 14, 2}};
constexpr ExampleStrandGroup kEx1Groups[] = {
    // strands, elevation at the end and at the drape point in, end debonding ft, location in
    {2, 2, 2, 0, 11}, {2, 42, 8, 0, 1}, {2, 40, 6, 0, 1}, {2, 38, 4, 0, 1}, {2, 36, 2, 0, 1},
    {2, 8, 8, 0, 3},  {2, 6, 6, 0, 3},  {2, 6, 6, 0, 5},  {2, 6, 6, 0, 7},  {2, 4, 4, 0, 3},
    {2, 4, 4, 0, 5},  {2, 4, 4, 0, 7},  {2, 4, 4, 0, 9},  {2, 4, 4, 0, 11}, {2, 2, 2, 0, 3},
    {2, 2, 2, 0, 5},  {2, 2, 2, 0, 7},  {2, 2, 2, 0, 9},
};
constexpr ExampleLoadTableSpacing kEx1LoadTableSpacings[] = {{7.5, 8}, {10, 8}};
constexpr ExampleLoadTables kEx1LoadTables = {
    .spanMin = 80,
    .spanMax = 140,
    .spanInc = 2,
    .spacings = kEx1LoadTableSpacings,
    .fciMin = 3,
    .fciMax = 6,
    .strandsMin = 0,
    .strandsMax = 60,
};

constexpr ExampleDesign kExample1 = {
    .job = {.project = "[New job]", .continuous = 0},
    .spans = kEx1Spans,
    .geometry = {.girderLength = 106,
                 .designSpan = 105,
                 .releaseSpan = 106,
                 .segments = {},
                 .beams = 5,
                 .lanes = 3,
                 .beamSpacing = 9,
                 .de = 1.5,
                 .overhang = 3,
                 .bridgeWidth = 42,
                 .curbToCurb = 39,
                 .superstructureType = 7,
                 .superstructureName = kIBeamComposite,
                 .sufficientlyConnected = 0},
    .section = &kPciBt72,
    .deck = {.composite = 1, .thickness = 8},
    .concrete = {.beamFc = 6,
                 .beamFci = 5,
                 .deckFc = 4,
                 .ageAtContinuity = 20,
                 .ageAtDeckCasting = 20,
                 .finalAge = 750,
                 .relativeHumidity = 75},
    .prestressType = kPretensionOnly,
    .postTensioning = nullptr,
    .deadLoads = {.diaphragmAtQuarter = 0,
                  .diaphragmAtThird = 0,
                  .diaphragmAtHalf = 0,
                  .diaphragmWeight = 0,
                  .otherNonComposite = 0,
                  .barrierLoadMode = kLoadConstant,
                  .barrierLoad = 0.167,
                  .barrierWeight = 0.405,
                  .fwsLoadMode = kLoadConstant,
                  .wearingSurfaceLoad = 0.195,
                  .fwsPressure = 0,
                  .computeRestraintMoments = 0},
    .strands = {.patternType = kPatternDraped,
                .drapeFraction = 0.45,
                .drapedStrandRows = 1,
                .straight = kBt72Straight,
                .drapedAtEnd = kEx1DrapedAtEnd,
                .drapedAtDrapePoint = kBt72DrapedAtDrapePoint,
                .drapedElevationsAtDrapePoint = kEx1DrapeElevations,
                .groups = kEx1Groups,
                .debondedStrandLength = 0},
    .reinforcement = {.stirrupZones = kBt72StirrupZones, .deckRow = nullptr},
    .loadTables = &kEx1LoadTables,
    .handling = {.liftSupportLeft = 9,
                 .liftSupportRight = 9,
                 .shipSupportLeft = 9,
                 .shipSupportRight = 9},
    .shrinkageAuxFlag = 1,
};

// ---- Example 2: non-composite adjacent box beam -------------------------------------------------

constexpr ExampleSpan kEx2Spans[] = {
    {95, 96, {168367, 813, 19.29}, "AASHTO_BIII-48", -0.5},
};
constexpr ExampleRowCount kEx2Straight[] = {{0, 23}, {1, 6}, {17, 2}};
constexpr ExampleElevationRun kEx2DrapeElevations[] = {{0, 17, 2}};
constexpr ExampleStrandGroup kEx2Groups[] = {
    // strands, elevation at the end and at the drape point in, end debonding ft, location in
    {2, 2, 2, 0, 22}, {2, 36, 36, 0, 22}, {2, 4, 4, 0, 22}, {2, 4, 4, 0, 20},
    {2, 4, 4, 0, 18}, {2, 2, 2, 0, 20},   {2, 2, 2, 0, 18}, {2, 2, 2, 0, 16},
    {2, 2, 2, 0, 14}, {2, 2, 2, 0, 12},   {2, 2, 2, 0, 10}, {2, 2, 2, 0, 8},
    {2, 2, 2, 5, 6},  {2, 2, 2, 5, 4},    {2, 2, 2, 5, 2},  {1, 2, 2, 5, 0},
};
constexpr ExampleStirrupZone kEx2StirrupZones[] = {
    // gap ft, bar, spaces, spacing in, end ft, area in2/ft
    {0.17, 4, 4, 3, 1.17, 1.6},
    {2, 4, 22, 24, 47.17, 0.2},
    {1.66, 4, 22, 24, 92.83, 0.2},
    {2, 4, 4, 3, 95.83, 1.6},
};
constexpr ExampleLoadTableSpacing kEx2LoadTableSpacings[] = {{4, 0}};
constexpr ExampleLoadTables kEx2LoadTables = {
    .spanMin = 80,
    .spanMax = 120,
    .spanInc = 4,
    .spacings = kEx2LoadTableSpacings,
    .fciMin = 3,
    .fciMax = 6,
    .strandsMin = 0,
    .strandsMax = 60,
};

constexpr ExampleDesign kExample2 = {
    .job = {.project = "[New job]", .continuous = 0},
    .spans = kEx2Spans,
    .geometry = {.girderLength = 96,
                 .designSpan = 95,
                 .releaseSpan = 96,
                 .segments = {},
                 .beams = 7,
                 .lanes = 2,
                 .beamSpacing = 4,
                 .de = -1.29,
                 .overhang = 2,
                 .bridgeWidth = 28,
                 .curbToCurb = 25,
                 .superstructureType = 3,
                 .superstructureName = "LRFD (g) Adj Box non-comp",
                 .sufficientlyConnected = 1},
    .section = &kAashtoBIII48,
    .deck = {.composite = 0, .thickness = 0},
    .concrete = {.beamFc = 5,
                 .beamFci = 4,
                 .deckFc = 4,
                 .ageAtContinuity = 20,
                 .ageAtDeckCasting = 60,
                 .finalAge = 750,
                 .relativeHumidity = 70},
    .prestressType = kPretensionOnly,
    .postTensioning = nullptr,
    .deadLoads = {.diaphragmAtQuarter = 1,
                  .diaphragmAtThird = 0,
                  .diaphragmAtHalf = 1,
                  .diaphragmWeight = 0.73,
                  .otherNonComposite = 0.211,
                  .barrierLoadMode = kLoadConstant,
                  .barrierLoad = 0,
                  .barrierWeight = 0,
                  .fwsLoadMode = kLoadConstant,
                  .wearingSurfaceLoad = 0,
                  .fwsPressure = 0,
                  .computeRestraintMoments = 0},
    .strands = {.patternType = kPatternStraight,
                .drapeFraction = 0,
                .drapedStrandRows = 0,
                .straight = kEx2Straight,
                .drapedAtEnd = {},
                .drapedAtDrapePoint = {},
                .drapedElevationsAtDrapePoint = kEx2DrapeElevations,
                .groups = kEx2Groups,
                .debondedStrandLength = 70},
    .reinforcement = {.stirrupZones = kEx2StirrupZones, .deckRow = nullptr},
    .loadTables = &kEx2LoadTables,
    .handling = {.liftSupportLeft = 6,
                 .liftSupportRight = 6,
                 .shipSupportLeft = 10,
                 .shipSupportRight = 10},
    .shrinkageAuxFlag = 1,
};

// ---- Example 3: continuous composite three-span I-girder ----------------------------------------

constexpr ExampleSpan kEx3Spans[] = {
    // length, girder length ft; I in4, A in2, yb in; section; girder offset ft
    {106, 106, {545894, 767, 36.6}, "PCI_BT_72", -0.5},
    {120, 119, {545894, 767, 36.6}, "PCI_BT_72", 0.5},
    {106, 106, {545894, 767, 36.6}, "PCI_BT_72", 0.5},
};
constexpr ExampleRowCount kEx3DrapedAtEnd[] = {{11, 2}, {12, 2}, {13, 2}, {14, 2}};
constexpr ExampleDeckRebarRow kEx3DeckRow = {
    .bars = 20, .barSize = 7, .start = 0, .end = 109, .area = 12};

constexpr ExampleDesign kExample3 = {
    .job = {.project = "[New job]", .continuous = 1},
    .spans = kEx3Spans,
    .geometry = {.girderLength = 106,
                 .designSpan = 105,
                 .releaseSpan = 106,
                 .segments = {},
                 .beams = 5,
                 .lanes = 3,
                 .beamSpacing = 9,
                 .de = 1.5,
                 .overhang = 3,
                 .bridgeWidth = 42,
                 .curbToCurb = 39,
                 .superstructureType = 7,
                 .superstructureName = kIBeamComposite,
                 .sufficientlyConnected = 0},
    .section = &kPciBt72,
    .deck = {.composite = 1, .thickness = 8},
    .concrete = {.beamFc = 6,
                 .beamFci = 4.5,
                 .deckFc = 4,
                 .ageAtContinuity = 20,
                 .ageAtDeckCasting = 60,
                 .finalAge = 750,
                 .relativeHumidity = 75},
    .prestressType = kPretensionOnly,
    .postTensioning = nullptr,
    .deadLoads = {.diaphragmAtQuarter = 0,
                  .diaphragmAtThird = 0,
                  .diaphragmAtHalf = 0,
                  .diaphragmWeight = 0,
                  .otherNonComposite = 0,
                  .barrierLoadMode = kLoadConstant,
                  .barrierLoad = 0.167,
                  .barrierWeight = 0.65,
                  .fwsLoadMode = kLoadConstant,
                  .wearingSurfaceLoad = 0.195,
                  .fwsPressure = 0,
                  .computeRestraintMoments = 1},
    .strands = {.patternType = kPatternDraped,
                .drapeFraction = 0.45,
                .drapedStrandRows = 1,
                .straight = kBt72Straight,
                .drapedAtEnd = kEx3DrapedAtEnd,
                .drapedAtDrapePoint = kBt72DrapedAtDrapePoint,
                .drapedElevationsAtDrapePoint = kLowAndHighDrapeElevations,
                .groups = {},
                .debondedStrandLength = 0},
    .reinforcement = {.stirrupZones = kBt72StirrupZones, .deckRow = &kEx3DeckRow},
    .loadTables = nullptr,
    .handling = {.liftSupportLeft = 6,
                 .liftSupportRight = 6,
                 .shipSupportLeft = 10,
                 .shipSupportRight = 10},
    .shrinkageAuxFlag = 1,
};

// ---- Example 4: spliced post-tensioned I-girder -------------------------------------------------

constexpr ExampleSpan kEx4Spans[] = {
    {192, 193, {1492483, 1236.8, 45.85}, "BT_95", -0.5},
};
constexpr ExampleSegment kEx4Segments[] = {{63, 2}, {63, 2}, {63, 0}};
/// Eight straight strands in the bottom row and two top strands in the top flange (row 34, 92 in).
constexpr ExampleRowCount kEx4Straight[] = {{0, 8}, {34, 2}};
constexpr ExampleStrandGroup kEx4Groups[] = {
    // strands, elevation at the end and at the drape point in, end debonding ft, location in
    {2, 2, 2, 0, 15}, {2, 92, 92, 0, 15}, {2, 2, 2, 0, 9}, {2, 2, 2, 0, 11}, {2, 2, 2, 0, 13},
};
/// Zones 4 to 6 mirror zones 1 to 3 about mid-length of the 193-ft girder.
constexpr ExampleStirrupZone kEx4StirrupZones[] = {
    // gap ft, bar, spaces, spacing in, end ft, area in2/ft
    {0.15, 5, 3, 4, 1.15, 1.86},     {0.5, 4, 20, 12, 21.65, 0.4}, {1, 4, 20, 18, 52.65, 0.27},
    {87.7, 4, 20, 18, 170.35, 0.27}, {1, 4, 20, 12, 191.35, 0.4},  {0.5, 5, 3, 4, 192.85, 1.86},
};
constexpr ExampleTendon kEx4Tendons[] = {
    // cg at the ends, cg at mid-length, in
    {12, 3.5}, {26, 8.5}, {40, 13.5}, {54, 18.5}, {68, 23.5}, {82, 28.5},
};
constexpr ExamplePostTensioning kEx4PostTensioning = {
    .strandType = 4,
    .strandName = "0.6in 270 LR",
    .strandArea = 0.217,
    .strandDiameter = 0.6,
    .fpu = 270,
    .fpy = 243,
    .strandKind = kStrandLowRelaxation,
    .strandKindName = "Low-Relaxation",
    .lossMode = kLossesComputed,
    .specifiedReleaseLoss = 5,
    .specifiedFinalLoss = 15,
    .anchorSet = 0.25,
    .frictionMu = 0.2,
    .wobbleK = 0.0002,
    .jackingFraction = 0.8333,
    .jackingBasis = kJackingOfFpy,
    .auxValue = 3.15,
    .strandsPerTendon = 12,
    .ductDiameter = 3.15f,
    .z = 0.75f,
    .stressingEnd = "L",
    .tendons = kEx4Tendons,
};

constexpr ExampleDesign kExample4 = {
    .job = {.project = "3-Segment Spliced Girder", .continuous = 0},
    .spans = kEx4Spans,
    .geometry = {.girderLength = 193,
                 .designSpan = 192,
                 .releaseSpan = 193,
                 .segments = kEx4Segments,
                 .beams = 4,
                 .lanes = 2,
                 .beamSpacing = 8,
                 .de = 1.0,
                 .overhang = 3,
                 .bridgeWidth = 30,
                 .curbToCurb = 26,
                 .superstructureType = 7,
                 .superstructureName = kIBeamComposite,
                 .sufficientlyConnected = 0},
    .section = &kBt95,
    .deck = {.composite = 1, .thickness = 8},
    .concrete = {.beamFc = 9,
                 .beamFci = 7.5,
                 .deckFc = 5,
                 .ageAtContinuity = 90,
                 .ageAtDeckCasting = 90,
                 .finalAge = 20000,
                 .relativeHumidity = 70},
    .prestressType = kPostTensioned,
    .postTensioning = &kEx4PostTensioning,
    .deadLoads = {.diaphragmAtQuarter = 0,
                  .diaphragmAtThird = 0,
                  .diaphragmAtHalf = 0,
                  .diaphragmWeight = 0,
                  .otherNonComposite = 0,
                  .barrierLoadMode = kLoadVariable,
                  .barrierLoad = 0.15,
                  .barrierWeight = 0.3,
                  .fwsLoadMode = kLoadVariable,
                  .wearingSurfaceLoad = 0.144,
                  .fwsPressure = 0.018,
                  .computeRestraintMoments = 0},
    .strands = {.patternType = kPatternStraight,
                .drapeFraction = 0.45,
                .drapedStrandRows = 0,
                .straight = kEx4Straight,
                .drapedAtEnd = {},
                .drapedAtDrapePoint = {},
                .drapedElevationsAtDrapePoint = kLowAndHighDrapeElevations,
                .groups = kEx4Groups,
                .debondedStrandLength = 0},
    .reinforcement = {.stirrupZones = kEx4StirrupZones, .deckRow = nullptr},
    .loadTables = nullptr,
    .handling = {.liftSupportLeft = 6,
                 .liftSupportRight = 6,
                 .shipSupportLeft = 10,
                 .shipSupportRight = 10},
    .shrinkageAuxFlag = 2,
};

constexpr const ExampleDesign* kExamples[] = {&kExample1, &kExample2, &kExample3, &kExample4};

}  // namespace

const ExampleDesign* FindExampleDesign(int example) {
    if (example < SeedSimpleSpan || example > SeedSpliced) return nullptr;
    return kExamples[example - SeedSimpleSpan];
}

namespace {

// ---- Values every example shares ----------------------------------------------------------------

/// The HL-93 design vehicle: the design truck with its variable rear spacing, the design tandem
/// and the design lane load.
// AASHTO LRFD 6th ed. Art. 3.6.1.2.2 (truck), 3.6.1.2.3 (tandem), 3.6.1.2.4 (lane)
LiveLoadVehicle Hl93DesignVehicle() {
    return {.m_strName = "HL-93",
            .m_nAxleCount = 3,
            .m_aAxles = {{8, 14, 14}, {32, 14, 30}, {32, 0, 0}},  // kip; spacing to the next, ft
            .m_dLaneLoad = 0.64,
            .m_dLaneMomentLoad = 0,
            .m_dLaneShearLoad = 0,
            .m_bIncludeTandem = 1,
            .m_dTandemAxle1 = 25,
            .m_dTandemAxle2 = 25,
            .m_dTandemSpacing = 4,
            .m_nCombination = kCombineTruckOrTandemPlusLane,
            .m_dMultiplier = 1.0,
            .m_bIncluded = 1};
}

/// The entered camber multipliers [CamberMultiplierInput].
constexpr double kCamberMultiplierInput[kCamberMultiplierCount] = {
    1.85, 1.85,  // erection, girder weight: non-composite, composite
    1.8,  1.8,   // erection, prestress
    2.7,  2.4,   // final, girder weight
    2.45, 2.2,   // final, prestress
    3.0,  3.0,   // final, superimposed loads
    2.3,         // final, deck weight on a composite girder
};

/// The template band that holds row `r`: the last band starting at or below it.
const ExampleTemplateBand& BandOfRow(std::span<const ExampleTemplateBand> bands, int r) {
    const ExampleTemplateBand* band = &bands.front();
    for (const ExampleTemplateBand& b : bands) {
        if (b.firstRow <= r) band = &b;
    }
    return *band;
}

}  // namespace

bool CKordelDoc::BuildExampleDesign(int example) {
    if (example < SeedSimpleSpan || example > SeedSpliced) return false;
    const ExampleDesign& e = *kExamples[example - SeedSimpleSpan];
    const ExampleSection& s = *e.section;

    // 1. Job information; the designer's initials stay.
    m_strProject = e.job.project;
    m_strTask.clear();
    m_strClient.clear();
    m_strJobNumber.clear();

    // 2. Specification and units.
    m_bContinuous = e.job.continuous;
    m_nSpecification = kSpecLrfd;
    m_strSpecCode = "LRFD";
    m_nSpecEdition = kEditionLrfd6th;
    m_nUnits = kUnitsUS;
    m_bTransformPsStrand = 0;

    // 3. Spans, span k in slot k.
    for (double* perSpan : {m_adSpanLength, m_adSpanGirderLength, m_adGirderOffsetLeft,
                            m_adPadOffsetLeft, m_adPadOffsetRight}) {
        std::fill_n(perSpan, kMaxSpanSlots, 0.0);
    }
    m_nSpans = static_cast<int>(e.spans.size());
    m_saSpanSectionNames.clear();
    for (int k = 1; k <= m_nSpans; ++k) {
        const ExampleSpan& span = e.spans[static_cast<std::size_t>(k - 1)];
        m_adSpanLength[k] = span.length;
        m_adSpanGirderLength[k] = span.girderLength;
        std::copy_n(span.props, kSpanSectionPropCount, m_adSpanSectionProps[k]);
        m_adGirderOffsetLeft[k] = span.girderOffsetLeft;
        m_adPadOffsetLeft[k] = 0.5;
        m_adPadOffsetRight[k] = 0.5;
        m_saSpanSectionNames.emplace_back(span.sectionName);
    }

    // 4. Girder and bridge geometry.
    const ExampleGeometry& g = e.geometry;
    m_nCurrentSpan = 1;
    m_nCurrentGirder = 2;
    m_dGirderLength = g.girderLength;
    m_dDesignSpan = g.designSpan;
    m_dReleaseSpan = g.releaseSpan;
    m_dBearingPadLength = 12;
    if (!g.segments.empty()) {
        m_nSegments = static_cast<int>(g.segments.size());
        for (std::size_t i = 0; i < g.segments.size(); ++i) {
            m_adSegments[i][kSegmentLength] = g.segments[i].length;
            m_adSegments[i][kSegmentClosure] = g.segments[i].closure;
        }
    }
    m_nBeams = g.beams;
    m_nLanes = g.lanes;
    m_dBeamSpacing = g.beamSpacing;
    m_dSkewAngle = 0;
    m_dDe = g.de;
    m_dOverhang = g.overhang;
    m_nGirderLocation = 1;
    m_strGirderLocation = "Int";
    m_dBridgeWidth = g.bridgeWidth;
    m_dCurbToCurb = g.curbToCurb;
    m_nSuperstructureType = g.superstructureType;
    m_strSuperstructureType = g.superstructureName;
    m_bSufficientlyConnected = g.sufficientlyConnected;

    // 5. Girder section, outline, void and strand template.
    m_nSectionAuxValue = 0;
    m_nSectionType = s.type;
    m_strSectionName = s.name;
    m_dSectionArea = s.area;
    m_dSectionYb = s.yb;
    m_dSectionIxx = s.ixx;
    m_dSectionHeight = s.height;
    m_dTopFlangeWidth = s.topFlangeWidth;
    m_dTopFlangeThickness = s.topFlangeThickness;
    m_dBottomFlangeWidth = s.bottomFlangeWidth;
    m_dBottomFlangeThickness = s.bottomFlangeThickness;
    m_dTorsionConstant = s.torsionConstant;
    m_dVolumeToSurface = s.volumeToSurface;
    m_dBwo = s.bwo;
    m_nWebCount = s.webCount;
    m_dWebWidth = s.webWidth;
    m_dWebLocation = s.webLocation;
    std::copy(s.genWidth.begin(), s.genWidth.end(), m_adGenWidth + 1);
    std::copy(s.genDepth.begin(), s.genDepth.end(), m_adGenDepth + 1);
    m_nOutlinePointCount = static_cast<int>(s.outline.size());
    for (std::size_t i = 0; i < s.outline.size(); ++i) {
        m_adOutline[i][kPointX] = s.outline[i].x;
        m_adOutline[i][kPointY] = s.outline[i].y;
    }
    m_nVoidPointCount = static_cast<int>(s.voidOutline.size());
    for (std::size_t i = 0; i < s.voidOutline.size(); ++i) {
        m_adVoidOutline[i][kPointX] = s.voidOutline[i].x;
        m_adVoidOutline[i][kPointY] = s.voidOutline[i].y;
    }
    m_nCircularVoidCount = 0;
    const ExampleStrandTemplate& t = s.strandTemplate;
    m_nTemplateRowCount = t.rowCount;
    for (int r = 0; r < t.rowCount; ++r) {
        const ExampleTemplateBand& band = BandOfRow(t.bands, r);
        double* row = m_adStrandTemplate[r];
        row[kTemplateElevation] = kRowPitch * (r + 1);
        row[kTemplatePositions] = band.positions;
        row[kTemplateDrapedPositions] = band.drapedPositions;
        std::copy(band.locations.begin(), band.locations.end(), row + kTemplateFirstLocation);
    }
    for (const ExampleRowElevation& raised : t.raisedRows) {
        m_adStrandTemplate[raised.row][kTemplateElevation] = raised.elevation;
    }
    m_nTemplateColumnCount = t.columnCount;
    m_nTemplateLayout = t.layout;

    // 6. Deck; a composite deck takes the beam spacing as its width and the top flange as its
    // haunch width.
    m_bCompositeDeck = e.deck.composite;
    m_dDeckThickness = e.deck.thickness;
    m_dDeckWidth = m_bCompositeDeck ? m_dBeamSpacing * 12.0 : 0.0;  // in
    m_dHaunchThickness = 0;
    m_dHaunchWidth = m_bCompositeDeck ? m_dTopFlangeWidth : 0.0;
    m_dOverlayThickness = 0;
    m_dWearingSurfaceThickness = 0;

    // 7. Concrete, time-dependent inputs; the moduli are left to the analysis.
    const ExampleConcrete& c = e.concrete;
    m_dBeamFc = c.beamFc;
    m_dBeamFci = c.beamFci;
    m_dBeamDensity = 0.15;
    m_dDeckDensity = 0.15;
    m_dSelfWeightMultiplier = 1.0;
    m_dDeckFc = c.deckFc;
    m_dDeckAuxValue = 0;
    m_dEcFactor = 33;
    m_nEcMethod = 1;
    m_dEcUnitWeight = 0.15;
    m_bEcAuxFlag = 0;
    m_nBeamConcreteType = kConcreteNormalWeight;
    m_nDeckConcreteType = kConcreteNormalWeight;
    m_nInterfaceSurface = 1;
    m_strInterfaceSurface = "Rough ";
    m_dAgeAtContinuity = c.ageAtContinuity;
    m_dUltimateCreep = 2.0;
    m_dBeamUltimateShrinkage = 600;
    m_dDeckUltimateShrinkage = 600;
    m_bShrinkageAuxFlag = e.shrinkageAuxFlag;
    m_dBeamEc = 0;
    m_dBeamEci = 0;
    m_dDeckEc = 0;

    // 8. Prestressing and reinforcing steel, losses, the remaining ages.
    m_dRelativeHumidity = c.relativeHumidity;
    m_nPrestressType = e.prestressType;
    m_nStrandType = 0;
    m_strStrandName = "1/2in 270 LR";
    m_dStrandUnitArea = 0.153;  // in2
    m_dStrandDiameter = 0.5;    // in
    m_dStrandFpu = 270;         // ksi
    m_nStrandKind = kStrandLowRelaxation;
    m_strStrandKind = "Low-Relax";
    m_nLossMode = kLossesComputed;
    m_dSpecifiedReleaseLoss = 10;
    m_dSpecifiedFinalLoss = 25;
    m_dDevLengthFactor = 1.6;
    m_dTransferLengthFactor = 60;
    m_dStrandEp = 28500;  // ksi
    if (const ExamplePostTensioning* pt = e.postTensioning) {
        m_nPTStrandType = pt->strandType;
        m_strPTStrandName = pt->strandName;
        m_dPTStrandUnitArea = pt->strandArea;
        m_dPTStrandDiameter = pt->strandDiameter;
        m_dPTStrandFpu = pt->fpu;
        m_dPTStrandFpy = pt->fpy;
        m_nPTStrandKind = pt->strandKind;
        m_strPTStrandKind = pt->strandKindName;
        m_nTendonLossMode = pt->lossMode;
        m_dPTSpecifiedReleaseLoss = pt->specifiedReleaseLoss;
        m_dPTSpecifiedFinalLoss = pt->specifiedFinalLoss;
        m_dPtAnchorSet = pt->anchorSet;
        m_dPtFrictionMu = pt->frictionMu;
        m_dPtWobbleK = pt->wobbleK;
        m_dPtJackingFraction = pt->jackingFraction;
        m_nPTJackingBasis = pt->jackingBasis;
        m_dPtAuxValue = pt->auxValue;
    }
    m_dTransferAge = 0.75;
    m_dAgeAtDeckCasting = c.ageAtDeckCasting;
    m_dFinalAge = c.finalAge;
    m_dStrandK = 0.28;
    m_dStrandFpy = 0.9 * m_dStrandFpu;  // low-relaxation strand
    m_nStirrupGrade = kBarGrade60;
    m_dStirrupFy = 60;
    m_nLongitudinalGrade = kBarGrade60;
    m_dLongitudinalFy = 60;

    // 9. Stress limits: the specification's coefficients.
    m_nReleaseTensionLimit = kLimitBySpecification;
    m_dReleaseTensionCoef = -0.0948;  // x sqrt(f'ci)
    m_nReleaseCompressionLimit = kLimitBySpecification;
    m_dReleaseCompressionCoef = 0.6;  // x f'ci
    m_nFinalTensionLimitAllLoads = 3;
    m_dFinalTensionCoefAllLoads = -0.19;  // x sqrt(f'c)
    m_nFinalCompressionLimitPermanent = kLimitBySpecification;
    m_dFinalCompressionCoefPermanent = 0.45;  // x f'c
    m_nFinalCompressionLimitAllLoads = kLimitBySpecification;
    m_dFinalCompressionCoefAllLoads = 0.6;
    m_nFinalCompressionLimitHalfPermanentLL = kLimitBySpecification;
    m_dFinalCompressionCoefHalfPermanentLL = 0.4;
    m_nFinalTensionLimitPermanent = 3;
    m_dFinalTensionCoefPermanent = -0.19;

    // 10. Dead loads; the weights are left to the analysis.
    const ExampleDeadLoads& d = e.deadLoads;
    m_dBeamWeight = 0;
    m_dDeckWeight = 0;
    m_dOverlayWeight = 0;
    m_bDiaphragmAtQuarter = d.diaphragmAtQuarter;
    m_bDiaphragmAtThird = d.diaphragmAtThird;
    m_bDiaphragmAtHalf = d.diaphragmAtHalf;
    m_strDiaphragmAtQuarter = m_bDiaphragmAtQuarter ? "L/4 " : "";
    m_strDiaphragmAtThird = m_bDiaphragmAtThird ? "L/3 " : "";
    m_strDiaphragmAtHalf = m_bDiaphragmAtHalf ? "L/2 " : "";
    if (m_bDiaphragmAtQuarter != 1 && m_bDiaphragmAtThird != 1 && m_bDiaphragmAtHalf != 1) {
        m_strDiaphragmAtQuarter = "NONE";
    }
    m_bDiaphragmAtUserLocation = 0;
    m_dDiaphragmUserLocation = 0;
    m_dDiaphragmWeight = d.diaphragmWeight;
    m_dOtherNonCompositeLoad = d.otherNonComposite;
    m_dOtherCompositeLoad = 0;
    m_nBarrierLoadMode = d.barrierLoadMode;
    m_dBarrierLoad = d.barrierLoad;
    m_nBarrierDistribution = kBarriersEqual;
    m_nBarrierCount = 2;
    m_dBarrierWeight = d.barrierWeight;
    m_nFwsLoadMode = d.fwsLoadMode;
    m_dWearingSurfaceLoad = d.wearingSurfaceLoad;
    m_dFwsPressure = d.fwsPressure;
    m_dWearingSurfaceAuxValue = m_dBeamFci;
    m_bComputeRestraintMoments = d.computeRestraintMoments;

    // 11. Live load: vehicle 1 is the HL-93 design vehicle; vehicle 2 stays as constructed.
    const int vehicleAuxFlag = m_recVehicle1.m_nAuxFlag;
    m_recVehicle1 = Hl93DesignVehicle();
    m_recVehicle1.m_nAuxFlag = vehicleAuxFlag;
    m_bCheckMilitary = 1;
    m_nDistFactorMode = kValueComputed;
    m_dUserDfMoment = 1.0;
    m_dUserDfShear = 1.0;
    m_dUserDfFatigue = 1.0;
    m_dPedestrianLoad = 0;
    m_nVehicle1ImpactMode = kValueComputed;
    m_dVehicle1ImpactSpecified = 0.33;
    m_nVehicle2ImpactMode = kValueComputed;
    m_dVehicle2ImpactSpecified = 0.33;

    // 12. Factors: automatic, so the LRFD set.
    m_bAutoFactors = 1;
    m_dPhiFlexure = 1.0;
    m_dPhiShear = 0.9;
    SetDefaultFactors();

    // 13. Strand pattern settings.
    const ExampleStrandPattern& p = e.strands;
    m_nStrandPatternDlgState = 1;
    m_dPullFraction = 0.75;  // x fpu
    m_nPatternType = p.patternType;
    m_dDrapeFraction = p.drapeFraction;
    m_nDrapePointMode = kDrapeByFraction;
    m_dDrapePointDistance = 0;
    m_bDesignIncludeTopStrands = 0;
    m_dDesignTopStrandCount = 2;
    m_dTopPullFraction = 0.75;

    // 14. Pattern rows: the elevations follow the template, the counts come from the lists.
    for (StrandPatternRow* rows : {m_aEndRows, m_aDrapeRows}) {
        std::fill_n(rows, kMaxPatternRows, StrandPatternRow{});
    }
    const int rowsUsed = m_nTemplateRowCount;
    for (int r = 0; r < rowsUsed; ++r) {
        m_aEndRows[r][kRowStraightElevation] = m_adStrandTemplate[r][kTemplateElevation];
    }
    for (const ExampleRowCount& rc : p.straight) m_aEndRows[rc.row][kRowStraightCount] = rc.count;
    for (int r = 0; r < rowsUsed; ++r) {
        m_aEndRows[r][kRowDrapedElevation] = m_aEndRows[r][kRowStraightElevation];
    }
    m_nDrapedStrandRows = p.drapedStrandRows;
    for (const ExampleRowCount& rc : p.drapedAtEnd) m_aEndRows[rc.row][kRowDrapedCount] = rc.count;
    for (int r = 0; r < rowsUsed; ++r) {
        m_aDrapeRows[r][kRowStraightElevation] = m_aEndRows[r][kRowStraightElevation];
        m_aDrapeRows[r][kRowStraightCount] = m_aEndRows[r][kRowStraightCount];
    }
    for (const ExampleElevationRun& run : p.drapedElevationsAtDrapePoint) {
        for (int r = run.firstRow; r <= run.lastRow; ++r) {
            m_aDrapeRows[r][kRowDrapedElevation] =
                run.firstElevation + kRowPitch * (r - run.firstRow);
        }
    }
    for (const ExampleRowCount& rc : p.drapedAtDrapePoint) {
        m_aDrapeRows[rc.row][kRowDrapedCount] = rc.count;
    }

    // 15. Strand totals of both patterns.
    GetStrandCountAndCentroid(m_aEndRows, m_nStrandCount, m_dStrandCgEnd);
    GetStrandCountAndCentroid(m_aDrapeRows, m_nStrandCount, m_dStrandCgMid);

    // 16. Strand groups: as listed, or derived from the pattern rows.
    if (p.groups.empty()) {
        RebuildStrandGroups();
    } else {
        m_nStrandGroupCount = static_cast<int>(p.groups.size());
        for (std::size_t i = 0; i < p.groups.size(); ++i) {
            const ExampleStrandGroup& listed = p.groups[i];
            StrandGroup& group = m_aStrandGroup[i];
            group[kGroupStrands] = listed.strands;
            group[kGroupElevationEnd] = listed.elevationEnd;
            group[kGroupElevationDrape] = listed.elevationDrape;
            group[kGroupDebondEnd] = listed.debondEnd;
            group[kGroupDebondMid] = 0;
            group[kGroupPullFraction] = m_dPullFraction;
            group[kGroupLocation] = listed.location;
        }
    }
    m_dDebondedStrandLength = p.debondedStrandLength;
    m_dDebondLengthStep = kDebondLengthStep;

    // Post-tensioning tendons: parabolas from the cg at the left end through the cg at
    // mid-length to the cg at the right end.
    if (const ExamplePostTensioning* pt = e.postTensioning) {
        m_nTendonCount = static_cast<int>(pt->tendons.size());
        for (std::size_t k = 0; k < pt->tendons.size(); ++k) {
            PostTensioningTendon& tendon = m_aTendons[k];
            tendon.m_strName = "Tendon " + std::to_string(k + 1);
            tendon.m_nStrands = pt->strandsPerTendon;
            tendon.m_fDuctDiameter = pt->ductDiameter;
            const double points[kTendonProfilePoints][kTendonProfileValueCount] = {
                {0.0, pt->tendons[k].cgEnd, 0.0},
                {m_dGirderLength / 2, pt->tendons[k].cgMid, 0.0},
                {m_dGirderLength, pt->tendons[k].cgEnd, 0.0},
            };
            std::copy_n(&points[0][0], kTendonProfilePoints * kTendonProfileValueCount,
                        &tendon.m_adProfile[0][0]);
            tendon.m_fZ = pt->z;
            tendon.m_strStressingEnd = pt->stressingEnd;
        }
    }

    // 17. Reinforcement: no girder bars; the deck row with its bars; the stirrup zones.
    const ExampleReinforcement& rf = e.reinforcement;
    m_nGirderRebarRowCount = 0;
    m_nGirderBarCount = 0;
    m_nDeckRebarRowCount = 0;
    if (const ExampleDeckRebarRow* row = rf.deckRow) {
        m_nDeckRebarRowCount = 1;
        double* layout = m_adDeckRebarRows[0];
        layout[kRebarRowBars] = row->bars;
        layout[kRebarRowBarSize] = row->barSize;
        layout[kRebarRowElevation] = m_dDeckThickness / 2;  // mid-depth of the deck
        layout[kRebarRowStart] = row->start;
        layout[kRebarRowEnd] = row->end;
        layout[kRebarRowArea] = row->area;
        // The row's bars run parallel to the girder, paired about the centreline from 1 in out
        // at the bar pitch (one on the centreline first when the count is odd); deck bars carry
        // their height above the girder bottom.
        const int bars = static_cast<int>(row->bars);
        const double y = m_dSectionHeight + m_dHaunchThickness + layout[kRebarRowElevation];
        auto addBar = [&](double z) {
            RebarBar& bar = m_aDeckBars[m_nDeckBarCount++];
            bar = {.m_nBarSize = static_cast<int>(row->barSize),
                   .m_adStart = {row->start, y, z},
                   .m_strTag1 = "S",
                   .m_adEnd = {row->end, y, z},
                   .m_strTag2 = "S",
                   .m_strTag3 = "B",
                   .m_strTag4 = "X"};
        };
        m_nDeckBarCount = 0;
        double z = 1.0;  // in
        if (bars % 2 == 1) {
            addBar(0.0);
            z = m_dBarSpacing;
        }
        for (int pair = 0; pair < bars / 2; ++pair, z += m_dBarSpacing) {
            addBar(z);
            addBar(-z);
        }
    }
    m_bStirrupsSymmetric = 1;
    m_nStirrupLegs = 2;
    m_nStirrupZoneCount = static_cast<int>(rf.stirrupZones.size());
    for (std::size_t i = 0; i < rf.stirrupZones.size(); ++i) {
        const ExampleStirrupZone& zone = rf.stirrupZones[i];
        double* to = m_adStirrupZones[i];
        to[kZoneGap] = zone.gap;
        to[kZoneBarSize] = zone.barSize;
        to[kZoneSpaces] = zone.spaces;
        to[kZoneSpacing] = zone.spacing;
        to[kZoneEnd] = zone.end;
        to[kZoneArea] = zone.area;
    }

    // 18. Camber multipliers; the analysis rewrites the camber summary.
    std::copy_n(kCamberMultiplierInput, kCamberMultiplierCount, m_adCamberMultiplierInput);
    ApplyCamberMultiplierSet();
    for (int i = 0; i < kCamberSummaryCount; ++i) {
        if (i < 3 || i > 5) m_adCamberSummary[i] = 0;  // 3 to 5 are the post-tensioning values
    }

    // 19. Load tables.
    if (const ExampleLoadTables* lt = e.loadTables) {
        m_dLoadTableSpanMin = lt->spanMin;
        m_dLoadTableSpanMax = lt->spanMax;
        m_dLoadTableSpanInc = lt->spanInc;
        m_nLoadTableSpacingCount = static_cast<int>(lt->spacings.size());
        for (std::size_t i = 0; i < lt->spacings.size(); ++i) {
            m_adLoadTableSpacing[i + 1] = lt->spacings[i].spacing;
            m_adLoadTableSlab[i + 1] = lt->spacings[i].slab;
        }
        m_dLoadTableFciMin = lt->fciMin;
        m_dLoadTableFciMax = lt->fciMax;
        m_dLoadTableStrandsMin = lt->strandsMin;
        m_dLoadTableStrandsMax = lt->strandsMax;
        m_anLoadTableModes[kLoadTableModeStress] = 1;
        m_anLoadTableModes[kLoadTableModeStrength] = 1;
    }

    // 20. Analysis options, stripping, lifting and shipping.
    m_bVcQuarterPtsReinforced = 0;
    m_dLiftSupportLeft = e.handling.liftSupportLeft;
    m_dLiftSupportRight = e.handling.liftSupportRight;
    m_dImpactFormSuction = 10;  // percent of the girder weight
    m_dImpactHandling = 25;
    m_dShipSupportLeft = e.handling.shipSupportLeft;
    m_dShipSupportRight = e.handling.shipSupportRight;
    m_dImpactShipping = 40;

    // 21. Detensioning cuts the groups in their own order.
    ResetDetensionOrder();

    // 22. The handling checks are off.
    m_bCheckStripping = 0;
    m_bCheckHandling = 0;
    m_dRestrainingMomentFactor = 0.5;
    return true;
}

}  // namespace kordel

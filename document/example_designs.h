// The shape of the data of one built-in example design. Each example is one constant table of
// this shape (example_designs.cpp), grouped the way the new-design road fills the document;
// CKordelDoc::BuildExampleDesign writes a table into the document. Values that every example
// shares, and values derived from others (deck width, haunch width, fpy, the labels, the pattern
// elevations), are not in the tables: the builder writes them.
#pragma once

#include <span>
#include <string_view>

#include "document/model_limits.h"

namespace kordel {

// ---- Job and spans ------------------------------------------------------------------------------

struct ExampleJob {
    std::string_view project;  ///< m_strProject
    int continuous;            ///< m_bContinuous
};

/// One span of the chain, in span order.
struct ExampleSpan {
    double length;                        ///< m_adSpanLength, ft
    double girderLength;                  ///< m_adSpanGirderLength, ft
    double props[kSpanSectionPropCount];  ///< m_adSpanSectionProps: I in4, A in2, yb in
    std::string_view sectionName;         ///< m_saSpanSectionNames
    double girderOffsetLeft;              ///< m_adGirderOffsetLeft, ft
};

// ---- Girder and bridge geometry -----------------------------------------------------------------

/// One girder segment of a spliced girder.
struct ExampleSegment {
    double length;   ///< segment length, ft
    double closure;  ///< closure pour after it, ft (0 after the last segment)
};

struct ExampleGeometry {
    double girderLength;                       ///< m_dGirderLength, ft
    double designSpan;                         ///< m_dDesignSpan, ft
    double releaseSpan;                        ///< m_dReleaseSpan, ft
    std::span<const ExampleSegment> segments;  ///< m_nSegments, m_adSegments; empty: one piece
    int beams;                                 ///< m_nBeams
    int lanes;                                 ///< m_nLanes
    double beamSpacing;                        ///< m_dBeamSpacing, ft
    double de;                                 ///< m_dDe, ft
    double overhang;                           ///< m_dOverhang, ft
    double bridgeWidth;                        ///< m_dBridgeWidth, ft
    double curbToCurb;                         ///< m_dCurbToCurb, ft
    int superstructureType;                    ///< m_nSuperstructureType
    std::string_view superstructureName;       ///< m_strSuperstructureType
    int sufficientlyConnected;                 ///< m_bSufficientlyConnected
};

// ---- Girder section -----------------------------------------------------------------------------

/// An outline point: x across from the centreline, y up from the bottom, in.
struct ExamplePoint {
    double x;
    double y;
};

/// Strand template rows from `firstRow` up to the first row of the next band.
struct ExampleTemplateBand {
    int firstRow;
    double positions;                   ///< strand positions in each row
    double drapedPositions;             ///< positions that may hold draped strands
    std::span<const double> locations;  ///< horizontal locations, in, in the template's order
};

/// A template row whose elevation breaks the 2-in row pitch.
struct ExampleRowElevation {
    int row;
    double elevation;  ///< in
};

struct ExampleStrandTemplate {
    int rowCount;                                     ///< m_nTemplateRowCount
    std::span<const ExampleTemplateBand> bands;       ///< from row 0 up
    std::span<const ExampleRowElevation> raisedRows;  ///< rows off the 2(r + 1) in pitch
    int columnCount;                                  ///< m_nTemplateColumnCount
    int layout;                                       ///< m_nTemplateLayout
};

struct ExampleSection {
    int type;                                   ///< m_nSectionType
    std::string_view name;                      ///< m_strSectionName
    double area;                                ///< m_dSectionArea, in2
    double yb;                                  ///< m_dSectionYb, in
    double ixx;                                 ///< m_dSectionIxx, in4
    double height;                              ///< m_dSectionHeight, in
    double topFlangeWidth;                      ///< m_dTopFlangeWidth, in
    double topFlangeThickness;                  ///< m_dTopFlangeThickness, in
    double bottomFlangeWidth;                   ///< m_dBottomFlangeWidth, in
    double bottomFlangeThickness;               ///< m_dBottomFlangeThickness, in
    double torsionConstant;                     ///< m_dTorsionConstant, in4
    double volumeToSurface;                     ///< m_dVolumeToSurface, in
    double bwo;                                 ///< m_dBwo, in
    int webCount;                               ///< m_nWebCount
    double webWidth;                            ///< m_dWebWidth, in
    double webLocation;                         ///< m_dWebLocation, in
    std::span<const double> genWidth;           ///< m_adGenWidth from slot 1
    std::span<const double> genDepth;           ///< m_adGenDepth from slot 1
    std::span<const ExamplePoint> outline;      ///< m_adOutline, closed
    std::span<const ExamplePoint> voidOutline;  ///< m_adVoidOutline, closed; empty: no void
    ExampleStrandTemplate strandTemplate;
};

// ---- Deck, concrete and prestressing steel ------------------------------------------------------

struct ExampleDeck {
    int composite;     ///< m_bCompositeDeck
    double thickness;  ///< m_dDeckThickness, in
};

struct ExampleConcrete {
    double beamFc;            ///< m_dBeamFc, ksi
    double beamFci;           ///< m_dBeamFci, ksi
    double deckFc;            ///< m_dDeckFc, ksi
    double ageAtContinuity;   ///< m_dAgeAtContinuity, days
    double ageAtDeckCasting;  ///< m_dAgeAtDeckCasting, days
    double finalAge;          ///< m_dFinalAge, days
    double relativeHumidity;  ///< m_dRelativeHumidity, percent
};

/// A post-tensioning tendon on its parabola: cg at both girder ends and at mid-length.
struct ExampleTendon {
    double cgEnd;  ///< in
    double cgMid;  ///< in
};

struct ExamplePostTensioning {
    int strandType;                          ///< m_nPTStrandType
    std::string_view strandName;             ///< m_strPTStrandName
    double strandArea;                       ///< m_dPTStrandUnitArea, in2
    double strandDiameter;                   ///< m_dPTStrandDiameter, in
    double fpu;                              ///< m_dPTStrandFpu, ksi
    double fpy;                              ///< m_dPTStrandFpy, ksi
    int strandKind;                          ///< m_nPTStrandKind
    std::string_view strandKindName;         ///< m_strPTStrandKind
    int lossMode;                            ///< m_nTendonLossMode
    double specifiedReleaseLoss;             ///< m_dPTSpecifiedReleaseLoss, percent
    double specifiedFinalLoss;               ///< m_dPTSpecifiedFinalLoss, percent
    double anchorSet;                        ///< m_dPtAnchorSet, in
    double frictionMu;                       ///< m_dPtFrictionMu
    double wobbleK;                          ///< m_dPtWobbleK, 1/ft
    double jackingFraction;                  ///< m_dPtJackingFraction
    int jackingBasis;                        ///< m_nPTJackingBasis
    double auxValue;                         ///< m_dPtAuxValue
    int strandsPerTendon;                    ///< strands of every tendon
    float ductDiameter;                      ///< duct diameter of every tendon, in
    float z;                                 ///< offset Z of every tendon, in
    std::string_view stressingEnd;           ///< "L", "R" or "B"
    std::span<const ExampleTendon> tendons;  ///< "Tendon 1" on, in order
};

// ---- Loads --------------------------------------------------------------------------------------

struct ExampleDeadLoads {
    int diaphragmAtQuarter;       ///< m_bDiaphragmAtQuarter
    int diaphragmAtThird;         ///< m_bDiaphragmAtThird
    int diaphragmAtHalf;          ///< m_bDiaphragmAtHalf
    double diaphragmWeight;       ///< m_dDiaphragmWeight, kip
    double otherNonComposite;     ///< m_dOtherNonCompositeLoad, klf
    int barrierLoadMode;          ///< m_nBarrierLoadMode
    double barrierLoad;           ///< m_dBarrierLoad, klf
    double barrierWeight;         ///< m_dBarrierWeight, klf
    int fwsLoadMode;              ///< m_nFwsLoadMode
    double wearingSurfaceLoad;    ///< m_dWearingSurfaceLoad, klf
    double fwsPressure;           ///< m_dFwsPressure, ksf
    int computeRestraintMoments;  ///< m_bComputeRestraintMoments
};

// ---- Strand pattern and strand groups -----------------------------------------------------------

/// Strands of one pattern row (the row of the template with the same index).
struct ExampleRowCount {
    int row;
    double count;
};

/// Rows `firstRow` to `lastRow` whose elevations climb from `firstElevation` by the 2-in pitch.
struct ExampleElevationRun {
    int firstRow;
    int lastRow;
    double firstElevation;  ///< in
};

/// One strand group as listed: a strand on the centreline (1) or a symmetric pair (2).
struct ExampleStrandGroup {
    double strands;
    double elevationEnd;    ///< at the girder end, in
    double elevationDrape;  ///< at the drape point, in
    double debondEnd;       ///< debonded length at each end, ft
    double location;        ///< horizontal location, in
};

struct ExampleStrandPattern {
    int patternType;                                                    ///< m_nPatternType
    double drapeFraction;                                               ///< m_dDrapeFraction
    int drapedStrandRows;                                               ///< m_nDrapedStrandRows
    std::span<const ExampleRowCount> straight;                          ///< both patterns
    std::span<const ExampleRowCount> drapedAtEnd;                       ///< m_aEndRows [3]
    std::span<const ExampleRowCount> drapedAtDrapePoint;                ///< m_aDrapeRows [3]
    std::span<const ExampleElevationRun> drapedElevationsAtDrapePoint;  ///< m_aDrapeRows [2]
    /// The groups as listed; empty: RebuildStrandGroups derives them from the rows.
    std::span<const ExampleStrandGroup> groups;
    double debondedStrandLength;  ///< m_dDebondedStrandLength, ft
};

// ---- Reinforcement, load tables, handling -------------------------------------------------------

/// A stirrup zone in the column order of m_adStirrupZones (the zone length is not written).
struct ExampleStirrupZone {
    double gap;  ///< ft
    double barSize;
    double spaces;
    double spacing;  ///< in
    double end;      ///< from the girder's left end, ft
    double area;     ///< in2/ft
};

/// A deck layout row; its elevation is half the deck thickness.
struct ExampleDeckRebarRow {
    double bars;
    double barSize;
    double start;  ///< ft
    double end;    ///< ft
    double area;   ///< total area of the row, in2
};

struct ExampleReinforcement {
    std::span<const ExampleStirrupZone> stirrupZones;
    const ExampleDeckRebarRow* deckRow;  ///< nullptr: no deck layout row
};

/// A load-table girder spacing with its slab.
struct ExampleLoadTableSpacing {
    double spacing;  ///< ft
    double slab;     ///< in
};

struct ExampleLoadTables {
    double spanMin;                                     ///< ft
    double spanMax;                                     ///< ft
    double spanInc;                                     ///< ft
    std::span<const ExampleLoadTableSpacing> spacings;  ///< entries 1 on
    double fciMin;                                      ///< ksi
    double fciMax;                                      ///< ksi
    double strandsMin;
    double strandsMax;
};

struct ExampleHandling {
    double liftSupportLeft;   ///< ft from the left end
    double liftSupportRight;  ///< ft from the right end
    double shipSupportLeft;   ///< ft
    double shipSupportRight;  ///< ft
};

// ---- One example --------------------------------------------------------------------------------

struct ExampleDesign {
    ExampleJob job;
    std::span<const ExampleSpan> spans;
    ExampleGeometry geometry;
    const ExampleSection* section;
    ExampleDeck deck;
    ExampleConcrete concrete;
    int prestressType;                            ///< m_nPrestressType
    const ExamplePostTensioning* postTensioning;  ///< nullptr: none
    ExampleDeadLoads deadLoads;
    ExampleStrandPattern strands;
    ExampleReinforcement reinforcement;
    const ExampleLoadTables* loadTables;  ///< nullptr: the constructor's
    ExampleHandling handling;
    int shrinkageAuxFlag;  ///< m_bShrinkageAuxFlag
};

/// The table of example design `example` (1 to 4, SeedChoice); nullptr for any other number.
const ExampleDesign* FindExampleDesign(int example);

}  // namespace kordel

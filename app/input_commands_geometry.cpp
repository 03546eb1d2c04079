// Input/Bridge Section Geometry: the "Geometry" dialog on the active design. Lengths go in as
// metres and millimetres for a metric design and come back in feet and inches; the section
// record goes both ways in inches. After OK a new strand template resets the strand pattern to
// one strand, and a simple span's bearing pads follow the girder and design span.
#include <algorithm>
#include <array>
#include <iterator>
#include <utility>

#include "app/input_commands.h"
#include "app/main_frame.h"
#include "dialogs/input/geometry_dlg.h"
#include "document/kordel_doc.h"
#include "document/unit_conversions.h"

namespace kordel {

namespace {

/// Whether two tables of doubles hold the same values.
template <std::size_t Rows, std::size_t Columns>
bool SameTable(const double (&a)[Rows][Columns], const double (&b)[Rows][Columns]) {
    return std::equal(&a[0][0], &a[0][0] + Rows * Columns, &b[0][0]);
}

/// The section record of the design handed back from the dialog: every member of the block
/// but the end blocks (the dialog's own) and the template rows past the rows used. A new
/// outline has its width and horizontal centroid worked out again by the analysis.
void TakeSectionBack(const SectionModel& shown, SectionModel& design) {
    const bool sameShape = shown.m_nOutlinePointCount == design.m_nOutlinePointCount &&
                           shown.m_nVoidPointCount == design.m_nVoidPointCount &&
                           shown.m_nCircularVoidCount == design.m_nCircularVoidCount &&
                           SameTable(shown.m_adOutline, design.m_adOutline) &&
                           SameTable(shown.m_adVoidOutline, design.m_adVoidOutline) &&
                           SameTable(shown.m_adCircularVoid, design.m_adCircularVoid);
    SectionModel back = shown;
    back.m_bIncludeEndBlocks = design.m_bIncludeEndBlocks;
    back.m_dEndBlockWidth = design.m_dEndBlockWidth;
    back.m_dEndBlockLength = design.m_dEndBlockLength;
    back.m_dEndBlockTransition = design.m_dEndBlockTransition;
    const int rows = std::clamp(shown.m_nTemplateRowCount, 0, kMaxPatternRows);
    for (int r = rows; r < kMaxPatternRows; ++r) {
        std::copy(std::begin(design.m_adStrandTemplate[r]), std::end(design.m_adStrandTemplate[r]),
                  back.m_adStrandTemplate[r]);
    }
    if (sameShape) {
        back.m_dSectionXbar = design.m_dSectionXbar;
        back.m_dOutlineWidth = design.m_dOutlineWidth;
    } else {
        back.m_dSectionXbar = 0;
        back.m_dOutlineWidth = 0;
    }
    design = back;
}

/// A new strand template: the pattern becomes one straight strand in the bottom row, every
/// row at the elevation of its template row.
void ResetStrandPatternToOneStrand(CKordelDoc& doc) {
    for (int r = 0; r < kMaxPatternRows; ++r) {
        const double elevation = doc.m_adStrandTemplate[r][kTemplateElevation];  // in
        for (StrandPatternRow* rows : {doc.m_aEndRows, doc.m_aDrapeRows}) {
            rows[r][kRowStraightCount] = r == 0 ? 1 : 0;
            rows[r][kRowDrapedCount] = 0;
            rows[r][kRowStraightElevation] = elevation;
            rows[r][kRowDrapedElevation] = elevation;
        }
    }
    doc.RebuildStrandGroups();
    // The count and centroids the reports and the shear of draped strands read.
    doc.GetStrandCountAndCentroid(doc.m_aEndRows, doc.m_nStrandCount, doc.m_dStrandCgEnd);
    doc.GetStrandCountAndCentroid(doc.m_aDrapeRows, doc.m_nStrandCount, doc.m_dStrandCgMid);
}

/// A length of the dialog, the design's member it stands for and how it is shown.
struct Length {
    double* shown;
    double* stored;
    UnitConversion convert;
};

}  // namespace

void CMainFrame::OnInputGeometry() {
    CGeometryDlg dlg;
    CKordelDoc* design = ActiveDesign();
    if (!design) return;
    const UnitExchange units(design->m_nUnits);
    // The lengths of the dialog alongside those of the design, with their conversion.
    const auto lengths = [](CGeometryDlg& shown, CKordelDoc& stored) {
        return std::array{
            Length{&shown.m_dGirderLength, &stored.m_dGirderLength, ConvertFeetMeters},
            Length{&shown.m_dDesignSpan, &stored.m_dDesignSpan, ConvertFeetMeters},
            Length{&shown.m_dReleaseSpan, &stored.m_dReleaseSpan, ConvertFeetMeters},
            Length{&shown.m_dBeamSpacing, &stored.m_dBeamSpacing, ConvertFeetMeters},
            Length{&shown.m_dDe, &stored.m_dDe, ConvertFeetMeters},
            Length{&shown.m_dOverhang, &stored.m_dOverhang, ConvertFeetMeters},
            Length{&shown.m_dBridgeWidth, &stored.m_dBridgeWidth, ConvertFeetMeters},
            Length{&shown.m_dCurbToCurb, &stored.m_dCurbToCurb, ConvertFeetMeters},
            Length{&shown.m_dEndBlockLength, &stored.m_dEndBlockLength, ConvertFeetMeters},
            Length{&shown.m_dEndBlockTransition, &stored.m_dEndBlockTransition,
                       ConvertFeetMeters},
            Length{&shown.m_dBearingPadLength, &stored.m_dBearingPadLength,
                       ConvertInchesMillimeters},
            Length{&shown.m_dDeckThickness, &stored.m_dDeckThickness,
                       ConvertInchesMillimeters},
            Length{&shown.m_dHaunchThickness, &stored.m_dHaunchThickness,
                       ConvertInchesMillimeters},
            Length{&shown.m_dOverlayThickness, &stored.m_dOverlayThickness,
                       ConvertInchesMillimeters},
            Length{&shown.m_dDeckWidth, &stored.m_dDeckWidth, ConvertInchesMillimeters},
            Length{&shown.m_dHaunchWidth, &stored.m_dHaunchWidth, ConvertInchesMillimeters},
            Length{&shown.m_dWearingSurfaceThickness, &stored.m_dWearingSurfaceThickness,
                       ConvertInchesMillimeters},
            Length{&shown.m_dEndBlockWidth, &stored.m_dEndBlockWidth,
                       ConvertInchesMillimeters},
        };
    };
    RunInputDialog(
        dlg,
        [&](CKordelDoc& doc) {
            for (auto [shown, stored, convert] : lengths(dlg, doc))
                *shown = units.In(*stored, convert);
            dlg.m_nBeams = doc.m_nBeams;
            dlg.m_nLanes = doc.m_nLanes;
            dlg.m_dSkewAngle = doc.m_dSkewAngle;
            dlg.m_nGirderLocation = doc.m_nGirderLocation;
            dlg.m_strGirderLocation = doc.m_strGirderLocation;
            dlg.m_nCurrentSpan = doc.m_nCurrentSpan;
            dlg.m_nCurrentGirder = doc.m_nCurrentGirder;
            dlg.m_nSuperstructureType = doc.m_nSuperstructureType;
            dlg.m_bSufficientlyConnected = doc.m_bSufficientlyConnected;
            dlg.m_bCompositeDeck = doc.m_bCompositeDeck;
            dlg.m_bIncludeEndBlocks = doc.m_bIncludeEndBlocks;
            dlg.m_nUnits = doc.m_nUnits;
            dlg.m_nSpecification = doc.m_nSpecification;
            dlg.m_nPrestressType = doc.m_nPrestressType;
            dlg.m_nSpans = doc.m_nSpans;
            std::copy_n(doc.m_adSpanGirderLength, kMaxSpanSlots, dlg.m_adSpanGirderLength);
            std::copy_n(doc.m_adPadOffsetLeft, kMaxSpanSlots, dlg.m_adPadOffsetLeft);
            std::copy_n(doc.m_adPadOffsetRight, kMaxSpanSlots, dlg.m_adPadOffsetRight);
            dlg.m_pDoc = &doc;
            dlg.m_strProgramFolder = doc.m_strProgramFolder;
            dlg.m_strSectionLibraryFile = doc.m_strSectionLibraryFile;
            dlg.m_strSectionLibraryTag = doc.m_strSectionLibraryTag;
            dlg.m_strSectionLibraryVersion = doc.m_strSectionLibraryVersion;
            dlg.m_section = static_cast<const SectionModel&>(doc);
            dlg.m_bTemplateChanged = 0;
            dlg.m_nSegments = doc.m_nSegments;
            std::copy(&doc.m_adSegments[0][0], &doc.m_adSegments[0][0] + 2 * kMaxSegmentSlots,
                      &dlg.m_adSegments[0][0]);
        },
        [&](CKordelDoc& doc) {
            for (auto [shown, stored, convert] : lengths(dlg, doc))
                units.Back(*stored, *shown, convert);
            doc.m_nBeams = dlg.m_nBeams;
            doc.m_nLanes = dlg.m_nLanes;
            doc.m_dSkewAngle = dlg.m_dSkewAngle;
            doc.m_nGirderLocation = dlg.m_nGirderLocation;
            doc.m_strGirderLocation = dlg.m_strGirderLocation;
            doc.m_nCurrentSpan = dlg.m_nCurrentSpan;
            doc.m_nCurrentGirder = dlg.m_nCurrentGirder;
            doc.m_nSuperstructureType = dlg.m_nSuperstructureType;
            doc.m_bSufficientlyConnected = dlg.m_bSufficientlyConnected;
            doc.m_bCompositeDeck = dlg.m_bCompositeDeck;
            doc.m_bIncludeEndBlocks = dlg.m_bIncludeEndBlocks;
            TakeSectionBack(dlg.m_section, doc);
            doc.m_nSegments = dlg.m_nSegments;
            const int segments = std::clamp(dlg.m_nSegments, 0, kMaxSegmentSlots);
            for (int i = 0; i < segments; ++i) {
                doc.m_adSegments[i][kSegmentLength] = dlg.m_adSegments[i][kSegmentLength];
                doc.m_adSegments[i][kSegmentClosure] = dlg.m_adSegments[i][kSegmentClosure];
            }

            if (dlg.m_bTemplateChanged) ResetStrandPatternToOneStrand(doc);
            if (!doc.m_bContinuous) {
                const int last = std::clamp(doc.m_nSpans, 1, kMaxSpans);
                const double pads = (doc.m_dGirderLength - doc.m_dDesignSpan) / 2.0;  // ft
                doc.m_adPadOffsetLeft[last] = pads;
                doc.m_adPadOffsetRight[last] = pads;
            }
            doc.m_bLoadEffectsDirty = 1;
        });
}

}  // namespace kordel

// Design model: the girder section as it comes from the section library (member for member the
// library's section record), its outline and voids, the strand template, the end blocks and the
// flange of a decked bulb-tee. Dimensions in inches and their powers unless the comment says ft.
#pragma once

#include <string>

#include "document/model_limits.h"

namespace kordel {

/// m_nTemplateLayout: locations counted from the centreline outward; any other value counts them
/// from the outermost location inward.
inline constexpr int kTemplateFromCentreline = 1;

struct SectionModel {
    // ---- Properties and dimensions --------------------------------------------------------------
    std::string m_strSectionName;  ///< library section name ("Name:")
    double m_dSectionArea = 0;     ///< gross area A, in2
    double m_dSectionYb = 0;       ///< centroid height above the girder bottom, in
    double m_dSectionIxx = 0;      ///< Ixx about the horizontal centroidal axis, in4
    /// Iyy about the vertical axis through m_dSectionXbar, in4; computed from the outline when
    /// 1 or less, and rounded to a whole number, by every analysis.
    double m_dSectionIyy = 0;
    /// Horizontal centroid of the net section from the leftmost outline point, in; computed from
    /// the outline when 1 or less.
    double m_dSectionXbar = 0;
    double m_dOutlineWidth = 0;           ///< overall outline width, in; computed when 1 or less
    double m_dSectionHeight = 0;          ///< overall girder height, in
    double m_dTopFlangeThickness = 0;     ///< top flange thickness, in
    double m_dTopFlangeWidth = 0;         ///< top flange width, in
    double m_dBottomFlangeWidth = 0;      ///< bottom flange width, in
    double m_dBottomFlangeThickness = 0;  ///< bottom flange thickness, in
    double m_dBwo = 0;                    ///< web width bwo, in
    int m_nWebCount = 0;                  ///< number of webs, 1 or 2
    double m_dWebWidth = 0;               ///< width of one web, in
    double m_dWebLocation = 0;            ///< web location ("Loc:"), used with two webs, in
    double m_dTorsionConstant = 0;        ///< torsional constant J, in4
    double m_dVolumeToSurface = 0;        ///< girder V/S for creep and shrinkage, in
    /// Section shape: 1 I-girder, 2 box beam, 3 U-beam, 4 slab, 5 channel, 6 decked bulb-tee.
    int m_nSectionType = 0;

    // ---- Outline and voids: x from the vertical centreline, y up from the bottom, in ------------
    /// Outline points used, at most 101; a closed outline repeats its first point last.
    int m_nOutlinePointCount = 0;
    double m_adOutline[kMaxOutlinePoints][kPointValueCount] = {};  ///< [point][x, y]
    int m_nVoidPointCount = 0;  ///< points of the polygonal void, 0 when none
    double m_adVoidOutline[kMaxOutlinePoints][kPointValueCount] = {};  ///< [point][x, y]
    int m_nCircularVoidCount = 0;  ///< circular voids used, at most 11
    /// [void][kVoidCentreX, kVoidCentreY, kVoidRadius]
    double m_adCircularVoid[kMaxCircularVoids][kCircularVoidValueCount] = {};
    double m_adGenWidth[kSectionGeneratorSlots] = {};  ///< generator widths B1 up; slot 0 unused
    double m_adGenDepth[kSectionGeneratorSlots] = {};  ///< generator depths D1 up
    double m_adGenExtra[kSectionGeneratorSlots] = {};  ///< third set of generator values
    int m_bSectionFlag1 = 0;  ///< BOOL of the library record; read by no computation
    int m_bSectionFlag2 = 0;  ///< BOOL of the library record; read by no computation

    // ---- Strand template
    // --------------------------------------------------------------------------
    /// Template rows used, at most 50; also the rows used in the strand patterns.
    int m_nTemplateRowCount = 0;
    /// [row][TemplateValue]; columns 3 to 29 the horizontal locations, in. Row 0 is the lowest.
    double m_adStrandTemplate[kMaxPatternRows][kMaxPatternColumns] = {};
    int m_nTemplateColumnCount = 1;  ///< horizontal locations used per row, at most 27
    /// 1 locations from the centreline outward, otherwise from the outermost inward.
    int m_nTemplateLayout = kTemplateFromCentreline;

    // ---- End blocks
    // ------------------------------------------------------------------------------
    int m_bIncludeEndBlocks = 0;       ///< "Include End Blocks": nonzero turns them on
    double m_dEndBlockWidth = 0;       ///< end block width, in
    double m_dEndBlockLength = 0;      ///< end block length from the girder end, ft
    double m_dEndBlockTransition = 0;  ///< transition to the normal section, ft

    // ---- Decked bulb-tee
    // -------------------------------------------------------------------------
    float m_fDbtTopFlangeThickness = 0;  ///< top flange taken as the deck, in; 0 when none

    // ---- Stored with the section, read by no computation ---------------------------------------
    int m_nSectionAuxValue = 0;  ///< integer of the section block (geometry command)
    int m_bSectionAuxFlag = 0;   ///< BOOL of the geometry command, stored with the options
    int m_bOptionAuxFlag = 0;    ///< BOOL of the geometry command, stored with the options

    bool operator==(const SectionModel&) const = default;
};

}  // namespace kordel

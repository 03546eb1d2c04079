// "Geometry": everything that places the designed girder in its bridge. The girder lengths
// (girder, release span, design span, bearing pad), the bridge cross-section (widths, overhang,
// spacing, beams, lanes, skew, de), the span and girder designed and whether it is interior or
// exterior, the section with its "Properties...", the superstructure type of the distribution
// factors, the cast-in-place deck, the end blocks and the segments of a spliced girder
// ("Segments..."). Dependent values follow each entry (lanes from the curb-to-curb width,
// spacing and overhang from each other, the deck width acting with the girder) and two pictures
// show the cross-section. Lengths are in ft | m and thicknesses in in | mm while it is open.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "document/model_limits.h"
#include "document/model_section.h"
#include "platform/ui/dialog.h"

namespace kordel {

class CKordelDoc;
struct GeometryPreview;

inline constexpr int IDD_GEOMETRY = 135;
inline constexpr int IDC_GEOM_SUPERSTRUCTURE = 1004;
inline constexpr int IDC_GEOM_DE = 1007;
inline constexpr int IDC_GEOM_BRIDGE_WIDTH = 1008;
inline constexpr int IDC_GEOM_CURB_TO_CURB = 1009;
inline constexpr int IDC_GEOM_OVERHANG = 1010;
inline constexpr int IDC_GEOM_GIRDER_LENGTH = 1011;
inline constexpr int IDC_GEOM_DESIGN_SPAN = 1012;
inline constexpr int IDC_GEOM_RELEASE_SPAN = 1013;
inline constexpr int IDC_GEOM_INTERIOR = 1014;
inline constexpr int IDC_GEOM_EXTERIOR = 1015;
inline constexpr int IDC_GEOM_HAUNCH_WIDTH = 1019;
inline constexpr int IDC_GEOM_OVERLAY = 1020;
inline constexpr int IDC_GEOM_PAD_LENGTH = 1022;
inline constexpr int IDC_GEOM_CURRENT_SPAN = 1032;
inline constexpr int IDC_GEOM_END_BLOCK_LENGTH = 1033;
inline constexpr int IDC_GEOM_DECK_THICKNESS = 1054;
inline constexpr int IDC_GEOM_DECK_WIDTH = 1055;
inline constexpr int IDC_GEOM_HAUNCH_THICKNESS = 1056;
inline constexpr int IDC_GEOM_COMPOSITE = 1058;
inline constexpr int IDC_GEOM_BEAMS = 1060;
inline constexpr int IDC_GEOM_LANES = 1061;
inline constexpr int IDC_GEOM_BEAM_SPACING = 1062;
inline constexpr int IDC_GEOM_SKEW = 1063;
inline constexpr int IDC_GEOM_NON_COMPOSITE = 1066;
inline constexpr int IDC_GEOM_DECK_WIDTH_LABEL = 1161;
inline constexpr int IDC_GEOM_DECK_THICKNESS_LABEL = 1162;
inline constexpr int IDC_GEOM_DECK_LABEL = 1163;
inline constexpr int IDC_GEOM_HAUNCH_LABEL = 1164;
inline constexpr int IDC_GEOM_OVERLAY_LABEL = 1165;
inline constexpr int IDC_GEOM_PROPERTIES = 1209;
inline constexpr int IDC_GEOM_SECTION_NAME = 1215;
inline constexpr int IDC_GEOM_SUFFICIENTLY_CONNECTED = 1216;
inline constexpr int IDC_GEOM_SKEW_LABEL = 1231;
inline constexpr int IDC_GEOM_DE_LABEL = 1232;
inline constexpr int IDC_GEOM_BRIDGE_WIDTH_LABEL = 1239;
inline constexpr int IDC_GEOM_CURB_TO_CURB_LABEL = 1240;
inline constexpr int IDC_GEOM_OVERHANG_LABEL = 1250;
inline constexpr int IDC_GEOM_DECK_GROUP = 1253;
inline constexpr int IDC_GEOM_BEAM_SPACING_LABEL = 1255;
inline constexpr int IDC_GEOM_INCLUDE_END_BLOCKS = 1339;
inline constexpr int IDC_GEOM_WEARING_SURFACE = 1340;
inline constexpr int IDC_GEOM_END_BLOCK_WIDTH = 1342;
inline constexpr int IDC_GEOM_END_BLOCK_TRANSITION = 1343;
inline constexpr int IDC_GEOM_SPAN_SPIN = 1372;
inline constexpr int IDC_GEOM_GIRDER_SPIN = 1373;
inline constexpr int IDC_GEOM_CURRENT_GIRDER = 1374;
inline constexpr int IDC_GEOM_PAD_LENGTH_LABEL = 1425;
inline constexpr int IDC_GEOM_CROSS_SECTION_VIEW = 1559;
inline constexpr int IDC_GEOM_LENGTHS_GROUP = 1560;
inline constexpr int IDC_GEOM_GIRDER_LENGTH_SPIN = 1561;
inline constexpr int IDC_GEOM_BEAMS_SPIN = 1562;
inline constexpr int IDC_GEOM_GIRDER_VIEW = 1563;
inline constexpr int IDC_GEOM_SEGMENTS = 1618;
inline constexpr int IDC_GEOM_CROSS_SECTION_GROUP = 1641;
inline constexpr int IDC_GEOM_END_BLOCK_LENGTH_LABEL = 1729;
inline constexpr int IDC_GEOM_END_BLOCK_WIDTH_LABEL = 1730;
inline constexpr int IDC_GEOM_END_BLOCK_TRANSITION_LABEL = 1731;
inline constexpr int IDC_GEOM_LOCATION = 1738;
inline constexpr int IDC_GEOM_WEARING_LABEL = 1797;

/// m_nGirderLocation.
inline constexpr int kGirderInterior = 1;
inline constexpr int kGirderExterior = 2;
/// m_nSuperstructureType when none is chosen (after a change of the design code).
inline constexpr int kNoSuperstructureType = 99;
/// Beams the "No. Beams" spin counts up to.
inline constexpr int kMaxBeams = 99;

/// Design lanes on a curb-to-curb width `w` (ft, or m for a metric design): the whole number of
/// 12 ft (3.6576 m) lanes above 24 ft (7.3152 m), 2 from 20 ft (6.096 m) to 24 ft, else 1.
int LanesFromCurbToCurb(double w, bool metric);

class CGeometryDlg : public platform::ui::Dialog {
  public:
    CGeometryDlg();
    bool OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(platform::ui::DataExchange& dx) override;
    void OnDrawItem(int id, platform::ui::DC& dc, platform::ui::Size clientSize) override;

    static const platform::ui::DialogTemplate& Template();
    /// The superstructure types of the combo under `specification` (an m_nSpecification).
    static const std::vector<std::string>& SuperstructureTypes(int designCode);

    static constexpr const char* kSpacingTooLarge = "Beam Spacing too large.";
    static constexpr const char* kChooseSuperstructure =
        "You must select a superstructure type to proceed.";
    static constexpr const char* kDesignSpanTooLong =
        "Design span must be less than overall length.";
    static constexpr const char* kCompositeNeedsDeck =
        "Composite systems must have a non-zero deck thickness. \nEither enter a deck thickness "
        "or click the 'Non-Composite' radio button.";
    static constexpr const char* kDesignSpanNotPositive =
        "The design span must be greater than zero.";
    static constexpr const char* kNegativeSpacing =
        "The overhang leaves a negative beam spacing: the girders would not fit on the bridge "
        "width. Enter a smaller overhang or a larger bridge width.";

    // ---- Design lengths and cross-section (ft | m, in | mm) ---------------------------------
    double m_dGirderLength = 0;
    double m_dReleaseSpan = 0;
    double m_dDesignSpan = 0;
    double m_dBearingPadLength = 0;  ///< in | mm
    double m_dBridgeWidth = 0;
    double m_dCurbToCurb = 0;
    double m_dOverhang = 0;
    double m_dBeamSpacing = 0;
    int m_nBeams = 1;
    int m_nLanes = 1;
    double m_dSkewAngle = 0;  ///< degrees
    double m_dDe = 0;
    int m_nGirderLocation = kGirderInterior;
    std::string m_strGirderLocation = "Int";  ///< "Int" or "Ext"
    int m_nCurrentSpan = 1;
    int m_nCurrentGirder = 1;
    int m_nSuperstructureType = kNoSuperstructureType;
    int m_bSufficientlyConnected = 0;

    // ---- Cast-in-place deck (in | mm) ----------------------------------------------------------
    int m_bCompositeDeck = 1;
    double m_dDeckThickness = 0;
    double m_dDeckWidth = 0;
    double m_dHaunchThickness = 0;
    double m_dHaunchWidth = 0;
    double m_dOverlayThickness = 0;
    double m_dWearingSurfaceThickness = 0;

    // ---- End blocks ----------------------------------------------------------------------------
    int m_bIncludeEndBlocks = 0;
    double m_dEndBlockLength = 0;      ///< ft | m
    double m_dEndBlockWidth = 0;       ///< in | mm
    double m_dEndBlockTransition = 0;  ///< ft | m

    // ---- Working values --------------------------------------------------------------------
    /// The deck values set aside while the deck is non-composite (in | mm).
    double m_dSavedDeckThickness = 0;
    double m_dSavedHaunchThickness = 0;
    double m_dSavedOverlayThickness = 0;
    /// What the deck thickness edit shows and takes for a decked bulb-tee; never handed back.
    double m_dDbtDeckEntry = 0;
    std::string m_strSectionName;  ///< the section name shown
    std::string m_strLocation;     ///< "Interior" or "Exterior"

    // ---- Carried in only -------------------------------------------------------------------
    int m_nUnits = kUnitsUS;
    int m_nSpecification = kSpecLrfd;
    int m_nPrestressType = 1;  ///< 1 pretensioning only
    int m_nSpans = 1;
    /// Per span s in slot s, in feet whatever the units (the span spin converts).
    double m_adSpanGirderLength[kMaxSpanSlots] = {};
    double m_adPadOffsetLeft[kMaxSpanSlots] = {};
    double m_adPadOffsetRight[kMaxSpanSlots] = {};
    CKordelDoc* m_pDoc = nullptr;  ///< handed on to the segments dialog
    std::string m_strProgramFolder;
    std::string m_strSectionLibraryFile;     ///< the older section archive
    std::string m_strSectionLibraryTag;      ///< its header tag
    std::string m_strSectionLibraryVersion;  ///< its version

    /// The design's section record, in inches and their powers, never converted here. The
    /// end-block members of the record are not used: the dialog's own above stand for them.
    SectionModel m_section;
    /// Set when "Properties..." changed the strand template (a new section); out only.
    int m_bTemplateChanged = 0;

    /// Segments of a spliced girder: per segment its length and the closure after it, ft.
    int m_nSegments = 1;
    double m_adSegments[kMaxSegmentSlots][2] = {};

  private:
    bool Metric() const { return m_nUnits != kUnitsUS; }
    /// Inches (mm for metric) per unit of length shown (ft | m).
    double DeckUnitsPerLength() const;
    void FillSuperstructureTypes();
    /// "Sufficiently connected" enabled for the connected types, cleared under LRFD otherwise
    /// (`clear`).
    void ApplyConnectionRule(bool clear);
    /// The location of the current girder: exterior for the first and the last of several.
    void SetLocation(bool exterior);
    void EnableDeck(bool enabled);
    void EnableEndBlocks();
    void SetDeckWidth(bool fewBeamsTakeBridgeWidth);
    void SwapCompositeType(bool composite);
    void SetNonComposite();
    void SpacingFromOverhang();
    GeometryPreview PreviewData() const;
    double Shown(int id, double member) const;

    void OnBridgeWidthKillFocus();
    void OnCurbToCurbKillFocus();
    void OnBeamsKillFocus();
    void OnOverhangKillFocus();
    void OnSpacingKillFocus();
    void OnSuperstructureChange();
    void OnComposite();
    void OnNonComposite();
    void OnIncludeEndBlocks();
    void OnProperties();
    void OnSegments();
    bool OnSpanSpin(int pos, int delta);
    bool OnGirderSpin(int pos, int delta);
    bool OnBeamsSpin(int pos, int delta);
    bool OnGirderLengthSpin(int delta);
};

/// "Properties...": opens the section properties dialog (the design's own section, no library
/// save) on the geometry dialog's section record, units, beam spacing and library folders, and
/// on its OK writes the record and m_bTemplateChanged back into `dlg`. Answers whether it ended
/// with OK. Empty while the program has no section properties dialog: "Properties..." is then
/// disabled. Whoever provides that dialog installs its opener here.
using SectionPropertiesOpener = std::function<bool(CGeometryDlg& dlg)>;
SectionPropertiesOpener& GeometrySectionPropertiesOpener();

}  // namespace kordel

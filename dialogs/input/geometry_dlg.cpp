#include "dialogs/input/geometry_dlg.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "dialogs/input/geometry_previews.h"
#include "dialogs/input/girder_segment_dlg.h"
#include "dialogs/input/job_dlg.h"
#include "document/unit_conversions.h"

namespace kordel {

using namespace platform::ui;

namespace {

constexpr double kInchesPerFoot = 12.0;
constexpr double kMillimetresPerMetre = 1000.0;
/// Curb-to-curb is the bridge width less two barriers of 1.5 ft.
constexpr double kBarriersWidthFt = 3.0;
/// A deck thickness below this is no deck: "Composite" gives it the usual 8 in.
constexpr double kNoDeckThickness = 0.0001;
constexpr double kDefaultDeckThicknessIn = 8.0;
/// The largest value most edits take.
constexpr double kMaxEntry = 99999.0;

/// LRFD superstructure types: the composite type and its non-composite counterpart.
struct CompositePair {
    int composite;
    int nonComposite;
};
constexpr CompositePair kLrfdCompositePairs[] = {{2, 3}, {4, 5}, {7, 6}};

/// Types for which "Sufficiently connected (DF calculation)" applies.
bool ConnectionMatters(int type) {
    return type == 3 || type == 5 || type == 6 || type == 8 || type == 9;
}

/// The twelve controls of the cast-in-place deck: six edits and their labels.
constexpr int kDeckControls[] = {
    IDC_GEOM_DECK_THICKNESS, IDC_GEOM_DECK_WIDTH, IDC_GEOM_HAUNCH_THICKNESS,
    IDC_GEOM_HAUNCH_WIDTH,   IDC_GEOM_OVERLAY,    IDC_GEOM_WEARING_SURFACE,
    IDC_GEOM_DECK_WIDTH_LABEL, IDC_GEOM_DECK_THICKNESS_LABEL, IDC_GEOM_DECK_LABEL,
    IDC_GEOM_HAUNCH_LABEL, IDC_GEOM_OVERLAY_LABEL, IDC_GEOM_WEARING_LABEL,
};

bool IsChannelOrDeckedBulbTee(int sectionType) {
    return sectionType == kSectionChannel || sectionType == kSectionDeckedBulbTee;
}

}  // namespace

int LanesFromCurbToCurb(double w, bool metric) {
    // 12 ft lanes above 24 ft, two lanes from 20 ft; in metres the same lengths times 0.3048.
    const double lane = metric ? 3.6576 : 12.0;
    const double twoLanes = metric ? 7.3152 : 24.0;
    const double oneLane = metric ? 6.096 : 20.0;
    if (w > twoLanes) return static_cast<int>(std::min(w / lane, 1e9));
    if (w >= oneLane) return 2;
    return 1;
}

SectionPropertiesOpener& GeometrySectionPropertiesOpener() {
    static SectionPropertiesOpener opener;
    return opener;
}

const std::vector<std::string>& CGeometryDlg::SuperstructureTypes(int designCode) {
    static const std::vector<std::string> lrfd = {
        "LRFD(b) Spread Box closed",
        "LRFD(c) Spead Box open",
        "LRFD(f) Adj Box comp",
        "LRFD(g) Adj Box non-comp",
        "LRFD(h) Channel comp",
        "LRFD(i) Channel non-comp",
        "LRFD(j) T-Beam non-comp",
        "LRFD(k) I-Beam comp",
        "LRFD(g) Rectangular Beam with circular voids",
        "LRFD(g) Nonvoided Rectangular beam",
    };
    static const std::vector<std::string> standard = {
        "Std I-Beam",
        "Std MultBm:non-void rect",
        "Std MultBm:rect circ voids",
        "Std MultBm:box beam",
        "Std MultBm:channel",
        "Std Spread box beam",
    };
    return IsLrfd(designCode) ? lrfd : standard;
}

const DialogTemplate& CGeometryDlg::Template() {
    static const DialogTemplate t = [] {
        DialogTemplate d;
        d.id = IDD_GEOMETRY;
        d.caption = "Geometry";
        d.size = {470, 322};
        // Columns of the three groups below the cross-section view.
        const int c1 = 7, c2 = 163, c3 = 319;
        const int top = 74;
        const auto row = [top](int k) { return top + 12 + 14 * k; };
        d.controls = {
            MakeControl(ControlKind::SunkenFrame, IDC_GEOM_CROSS_SECTION_VIEW, "", 7, 7, 456, 62,
                        kStyleOwnerDraw),

            // Girder lengths.
            MakeControl(ControlKind::GroupBox, IDC_GEOM_LENGTHS_GROUP, "Span/Girder Length, ft",
                        c1, top, 150, 72),
            MakeControl(ControlKind::Label, kIdStatic, "Girder Length", c1 + 6, row(0) + 2, 66,
                        9),
            MakeControl(ControlKind::Edit, IDC_GEOM_GIRDER_LENGTH, "", c1 + 76, row(0), 52, 12),
            MakeControl(ControlKind::Spin, IDC_GEOM_GIRDER_LENGTH_SPIN, "", c1 + 128, row(0), 10,
                        12),
            MakeControl(ControlKind::Label, kIdStatic, "Release Span", c1 + 6, row(1) + 2, 66, 9),
            MakeControl(ControlKind::Edit, IDC_GEOM_RELEASE_SPAN, "", c1 + 76, row(1), 52, 12),
            MakeControl(ControlKind::Label, kIdStatic, "Design Span", c1 + 6, row(2) + 2, 66, 9),
            MakeControl(ControlKind::Edit, IDC_GEOM_DESIGN_SPAN, "", c1 + 76, row(2), 52, 12),
            MakeControl(ControlKind::Label, IDC_GEOM_PAD_LENGTH_LABEL, "Pad Length,in", c1 + 6,
                        row(3) + 2, 66, 9),
            MakeControl(ControlKind::Edit, IDC_GEOM_PAD_LENGTH, "", c1 + 76, row(3), 52, 12),

            // The girder designed.
            MakeControl(ControlKind::GroupBox, kIdStatic, "Active Girder", c1, 150, 150, 32),
            MakeControl(ControlKind::Label, kIdStatic, "Span", c1 + 6, 165, 22, 9),
            MakeControl(ControlKind::Edit, IDC_GEOM_CURRENT_SPAN, "", c1 + 30, 163, 24, 12,
                        kStyleReadOnly | kStyleNumber),
            MakeControl(ControlKind::Spin, IDC_GEOM_SPAN_SPIN, "", c1 + 54, 163, 10, 12),
            MakeControl(ControlKind::Label, kIdStatic, "Girder", c1 + 76, 165, 26, 9),
            MakeControl(ControlKind::Edit, IDC_GEOM_CURRENT_GIRDER, "", c1 + 104, 163, 24, 12,
                        kStyleReadOnly | kStyleNumber),
            MakeControl(ControlKind::Spin, IDC_GEOM_GIRDER_SPIN, "", c1 + 128, 163, 10, 12),

            // The section.
            MakeControl(ControlKind::Label, kIdStatic, "Section Name:", c1, 191, 52, 9),
            MakeControl(ControlKind::SunkenFrame, IDC_GEOM_SECTION_NAME, "", c1 + 54, 189, 96,
                        12),
            MakeControl(ControlKind::PushButton, IDC_GEOM_PROPERTIES, "&Properties...", c1, 206,
                        72, 14),
            MakeControl(ControlKind::PushButton, IDC_GEOM_SEGMENTS, "&Segments...", c1 + 78, 206,
                        72, 14),

            // End blocks.
            MakeControl(ControlKind::GroupBox, kIdStatic, "End Blocks", c1, 228, 150, 72),
            MakeControl(ControlKind::CheckBox, IDC_GEOM_INCLUDE_END_BLOCKS, "Include &End Blocks",
                        c1 + 6, 240, 120, 10),
            MakeControl(ControlKind::Label, IDC_GEOM_END_BLOCK_LENGTH_LABEL, "Length,ft", c1 + 6,
                        256, 80, 9),
            MakeControl(ControlKind::Edit, IDC_GEOM_END_BLOCK_LENGTH, "", c1 + 92, 254, 52, 12),
            MakeControl(ControlKind::Label, IDC_GEOM_END_BLOCK_WIDTH_LABEL, "Width,in", c1 + 6,
                        270, 80, 9),
            MakeControl(ControlKind::Edit, IDC_GEOM_END_BLOCK_WIDTH, "", c1 + 92, 268, 52, 12),
            MakeControl(ControlKind::Label, IDC_GEOM_END_BLOCK_TRANSITION_LABEL,
                        "Transition Length,ft", c1 + 6, 284, 84, 9),
            MakeControl(ControlKind::Edit, IDC_GEOM_END_BLOCK_TRANSITION, "", c1 + 92, 282, 52,
                        12),

            // Bridge cross-section.
            MakeControl(ControlKind::GroupBox, IDC_GEOM_CROSS_SECTION_GROUP,
                        "Bridge Cross Section, ft", c2, top, 150, 142),
            MakeControl(ControlKind::Label, IDC_GEOM_BRIDGE_WIDTH_LABEL, "Bridge Width,ft:",
                        c2 + 6, row(0) + 2, 74, 9),
            MakeControl(ControlKind::Edit, IDC_GEOM_BRIDGE_WIDTH, "", c2 + 82, row(0), 56, 12),
            MakeControl(ControlKind::Label, IDC_GEOM_CURB_TO_CURB_LABEL, "Curb-to-Curb,ft:",
                        c2 + 6, row(1) + 2, 74, 9),
            MakeControl(ControlKind::Edit, IDC_GEOM_CURB_TO_CURB, "", c2 + 82, row(1), 56, 12),
            MakeControl(ControlKind::Label, IDC_GEOM_OVERHANG_LABEL, "Overhang,ft:", c2 + 6,
                        row(2) + 2, 74, 9),
            MakeControl(ControlKind::Edit, IDC_GEOM_OVERHANG, "", c2 + 82, row(2), 56, 12),
            MakeControl(ControlKind::Label, IDC_GEOM_BEAM_SPACING_LABEL, "Beam Spac,ft:", c2 + 6,
                        row(3) + 2, 74, 9),
            MakeControl(ControlKind::Edit, IDC_GEOM_BEAM_SPACING, "", c2 + 82, row(3), 56, 12),
            MakeControl(ControlKind::Label, kIdStatic, "No. Beams:", c2 + 6, row(4) + 2, 74, 9),
            MakeControl(ControlKind::Edit, IDC_GEOM_BEAMS, "", c2 + 82, row(4), 26, 12,
                        kStyleReadOnly | kStyleNumber),
            MakeControl(ControlKind::Spin, IDC_GEOM_BEAMS_SPIN, "", c2 + 108, row(4), 10, 12),
            MakeControl(ControlKind::Label, kIdStatic, "No. Lanes:", c2 + 6, row(5) + 2, 74, 9),
            MakeControl(ControlKind::Edit, IDC_GEOM_LANES, "", c2 + 82, row(5), 26, 12,
                        kStyleNumber),
            MakeControl(ControlKind::Label, IDC_GEOM_SKEW_LABEL, "Skew,deg:", c2 + 6, row(6) + 2,
                        74, 9),
            MakeControl(ControlKind::Edit, IDC_GEOM_SKEW, "", c2 + 82, row(6), 56, 12),
            MakeControl(ControlKind::Label, IDC_GEOM_DE_LABEL, "de,ft:", c2 + 6, row(7) + 2, 74,
                        9),
            MakeControl(ControlKind::Edit, IDC_GEOM_DE, "", c2 + 82, row(7), 56, 12),
            MakeControl(ControlKind::Label, kIdStatic, "Beam Location:", c2 + 6, row(8) + 2, 74,
                        9),
            MakeControl(ControlKind::SunkenFrame, IDC_GEOM_LOCATION, "", c2 + 82, row(8), 56, 12),
            MakeControl(ControlKind::RadioButton, IDC_GEOM_INTERIOR, "Interior", c2 + 6, row(8),
                        40, 10, kStyleGroup | kStyleHidden),
            MakeControl(ControlKind::RadioButton, IDC_GEOM_EXTERIOR, "Exterior:", c2 + 46, row(8),
                        40, 10, kStyleHidden),

            // Superstructure type of the distribution factors.
            MakeControl(ControlKind::Label, kIdStatic, "Superstructure &Type:", c2, 224, 150, 9,
                        kStyleGroup),
            MakeControl(ControlKind::ComboBox, IDC_GEOM_SUPERSTRUCTURE, "", c2, 234, 150, 120),
            MakeControl(ControlKind::CheckBox, IDC_GEOM_SUFFICIENTLY_CONNECTED,
                        "Sufficiently connected (DF calculation)", c2, 252, 190, 10),

            // Cast-in-place deck, with the close view of the girder.
            MakeControl(ControlKind::GroupBox, IDC_GEOM_DECK_GROUP, "Cast-In-Place Deck, in", c3,
                        top, 144, 166),
            MakeControl(ControlKind::RadioButton, IDC_GEOM_NON_COMPOSITE, "&Non-Composite",
                        c3 + 6, row(0), 64, 10, kStyleGroup),
            MakeControl(ControlKind::RadioButton, IDC_GEOM_COMPOSITE, "&Composite", c3 + 74,
                        row(0), 60, 10),
            MakeControl(ControlKind::Label, IDC_GEOM_DECK_THICKNESS_LABEL, "Thickness", c3 + 42,
                        row(1), 46, 9, kStyleCenter | kStyleGroup),
            MakeControl(ControlKind::Label, IDC_GEOM_DECK_WIDTH_LABEL, "Width", c3 + 92, row(1),
                        46, 9, kStyleCenter),
            MakeControl(ControlKind::Label, IDC_GEOM_DECK_LABEL, "Deck", c3 + 6, row(2) - 2, 34,
                        9),
            MakeControl(ControlKind::Edit, IDC_GEOM_DECK_THICKNESS, "", c3 + 42, row(2) - 4, 46,
                        12),
            MakeControl(ControlKind::Edit, IDC_GEOM_DECK_WIDTH, "", c3 + 92, row(2) - 4, 46, 12),
            MakeControl(ControlKind::Label, IDC_GEOM_HAUNCH_LABEL, "Haunch", c3 + 6, row(3) - 2,
                        34, 9),
            MakeControl(ControlKind::Edit, IDC_GEOM_HAUNCH_THICKNESS, "", c3 + 42, row(3) - 4, 46,
                        12),
            MakeControl(ControlKind::Edit, IDC_GEOM_HAUNCH_WIDTH, "", c3 + 92, row(3) - 4, 46,
                        12),
            MakeControl(ControlKind::Label, IDC_GEOM_OVERLAY_LABEL, "Overlay", c3 + 6, row(4) - 2,
                        34, 9),
            MakeControl(ControlKind::Edit, IDC_GEOM_OVERLAY, "", c3 + 42, row(4) - 4, 46, 12),
            MakeControl(ControlKind::Label, IDC_GEOM_WEARING_LABEL, "Wearing", c3 + 6, row(5) - 2,
                        34, 9),
            MakeControl(ControlKind::Edit, IDC_GEOM_WEARING_SURFACE, "", c3 + 42, row(5) - 4, 46,
                        12),
            MakeControl(ControlKind::SunkenFrame, IDC_GEOM_GIRDER_VIEW, "", c3 + 6, row(6) - 2,
                        132, 64, kStyleOwnerDraw),

            MakeControl(ControlKind::PushButton, IDC_WIZARD_BACK, "< Back", 245, 301, 50, 14,
                        kStyleHidden),
            MakeControl(ControlKind::PushButton, IDC_WIZARD_NEXT, "Next >", 295, 301, 50, 14,
                        kStyleHidden),
            MakeControl(ControlKind::DefPushButton, kIdOk, "OK", 357, 301, 50, 14),
            MakeControl(ControlKind::PushButton, kIdCancel, "Cancel", 413, 301, 50, 14),
        };
        return d;
    }();
    return t;
}

CGeometryDlg::CGeometryDlg() : Dialog(Template()) {
    OnNotify(Notification::KillFocus, IDC_GEOM_BRIDGE_WIDTH, [this] { OnBridgeWidthKillFocus(); });
    OnNotify(Notification::KillFocus, IDC_GEOM_CURB_TO_CURB, [this] { OnCurbToCurbKillFocus(); });
    OnNotify(Notification::KillFocus, IDC_GEOM_BEAMS, [this] { OnBeamsKillFocus(); });
    OnNotify(Notification::KillFocus, IDC_GEOM_OVERHANG, [this] { OnOverhangKillFocus(); });
    OnNotify(Notification::KillFocus, IDC_GEOM_BEAM_SPACING, [this] { OnSpacingKillFocus(); });
    // The pictures follow the haunch as it is typed.
    OnNotify(Notification::Change, IDC_GEOM_HAUNCH_THICKNESS, [this] {
        InvalidateItem(IDC_GEOM_CROSS_SECTION_VIEW);
        InvalidateItem(IDC_GEOM_GIRDER_VIEW);
    });
    OnNotify(Notification::SelChange, IDC_GEOM_SUPERSTRUCTURE, [this] { OnSuperstructureChange(); });
    m_commands.On(IDC_GEOM_COMPOSITE, [this] { OnComposite(); });
    m_commands.On(IDC_GEOM_NON_COMPOSITE, [this] { OnNonComposite(); });
    m_commands.On(IDC_GEOM_INCLUDE_END_BLOCKS, [this] { OnIncludeEndBlocks(); });
    m_commands.On(IDC_GEOM_PROPERTIES, [this] { OnProperties(); });
    m_commands.On(IDC_GEOM_SEGMENTS, [this] { OnSegments(); });
    OnSpin(IDC_GEOM_SPAN_SPIN, [this](int pos, int delta) { return OnSpanSpin(pos, delta); });
    OnSpin(IDC_GEOM_GIRDER_SPIN, [this](int pos, int delta) { return OnGirderSpin(pos, delta); });
    OnSpin(IDC_GEOM_BEAMS_SPIN, [this](int pos, int delta) { return OnBeamsSpin(pos, delta); });
    OnSpin(IDC_GEOM_GIRDER_LENGTH_SPIN, [this](int, int delta) { return OnGirderLengthSpin(delta); });
}

void CGeometryDlg::DoDataExchange(DataExchange& dx) {
    dx.Double(IDC_GEOM_DESIGN_SPAN, m_dDesignSpan);
    // A negative spacing (an overhang too large for the width) is refused on OK with its cause.
    dx.Double(IDC_GEOM_BEAM_SPACING, m_dBeamSpacing, -kMaxEntry, kMaxEntry);
    dx.Int(IDC_GEOM_BEAMS, m_nBeams, 1, kMaxBeams);
    dx.Int(IDC_GEOM_LANES, m_nLanes, 1, 99);
    dx.Double(IDC_GEOM_RELEASE_SPAN, m_dReleaseSpan, 0, kMaxEntry);
    dx.Double(IDC_GEOM_SKEW, m_dSkewAngle, 0, 90);
    dx.Double(IDC_GEOM_DECK_THICKNESS,
              m_section.m_nSectionType == kSectionDeckedBulbTee ? m_dDbtDeckEntry
                                                                : m_dDeckThickness,
              0, kMaxEntry);
    dx.Double(IDC_GEOM_HAUNCH_THICKNESS, m_dHaunchThickness, -kMaxEntry, kMaxEntry);
    dx.Double(IDC_GEOM_DECK_WIDTH, m_dDeckWidth, 0, kMaxEntry);
    dx.Double(IDC_GEOM_HAUNCH_WIDTH, m_dHaunchWidth, 0, kMaxEntry);
    dx.Double(IDC_GEOM_OVERLAY, m_dOverlayThickness, 0, kMaxEntry);
    dx.Double(IDC_GEOM_GIRDER_LENGTH, m_dGirderLength, 0, kMaxEntry);
    dx.Text(IDC_GEOM_SECTION_NAME, m_strSectionName);
    dx.Check(IDC_GEOM_SUFFICIENTLY_CONNECTED, m_bSufficientlyConnected);
    dx.Double(IDC_GEOM_DE, m_dDe);
    dx.Double(IDC_GEOM_PAD_LENGTH, m_dBearingPadLength, 0, kMaxEntry);
    dx.Double(IDC_GEOM_BRIDGE_WIDTH, m_dBridgeWidth, 0, kMaxEntry);
    dx.Double(IDC_GEOM_CURB_TO_CURB, m_dCurbToCurb, 0, kMaxEntry);
    dx.Double(IDC_GEOM_OVERHANG, m_dOverhang, 0, kMaxEntry);
    dx.Int(IDC_GEOM_CURRENT_GIRDER, m_nCurrentGirder);
    dx.Int(IDC_GEOM_CURRENT_SPAN, m_nCurrentSpan);
    dx.Double(IDC_GEOM_WEARING_SURFACE, m_dWearingSurfaceThickness);
    dx.Check(IDC_GEOM_INCLUDE_END_BLOCKS, m_bIncludeEndBlocks);
    dx.Double(IDC_GEOM_END_BLOCK_LENGTH, m_dEndBlockLength);
    dx.Double(IDC_GEOM_END_BLOCK_WIDTH, m_dEndBlockWidth);
    dx.Double(IDC_GEOM_END_BLOCK_TRANSITION, m_dEndBlockTransition);
    dx.Text(IDC_GEOM_LOCATION, m_strLocation);
}

bool CGeometryDlg::OnInitDialog() {
    Dialog::OnInitDialog();
    if (Metric()) {
        SetDlgItemText(IDC_GEOM_LENGTHS_GROUP, "Span/Girder Length, m");
        SetDlgItemText(IDC_GEOM_CROSS_SECTION_GROUP, "Bridge Cross Section, m");
        SetDlgItemText(IDC_GEOM_DECK_GROUP, "Cast-In-Place Deck, mm");
        SetDlgItemText(IDC_GEOM_PAD_LENGTH_LABEL, "Pad Length,mm");
        SetDlgItemText(IDC_GEOM_BRIDGE_WIDTH_LABEL, "Bridge Width,m:");
        SetDlgItemText(IDC_GEOM_CURB_TO_CURB_LABEL, "Curb-to-Curb,m:");
        SetDlgItemText(IDC_GEOM_BEAM_SPACING_LABEL, "Beam Spac,m:");
        SetDlgItemText(IDC_GEOM_OVERHANG_LABEL, "Overhang,m:");
        SetDlgItemText(IDC_GEOM_DE_LABEL, "de,m:");
        SetDlgItemText(IDC_GEOM_END_BLOCK_LENGTH_LABEL, "Length,m");
        SetDlgItemText(IDC_GEOM_END_BLOCK_WIDTH_LABEL, "Width,mm");
        SetDlgItemText(IDC_GEOM_END_BLOCK_TRANSITION_LABEL, "Transition Length,m");
    }
    m_dSavedDeckThickness = m_dDeckThickness;
    m_dSavedHaunchThickness = m_dHaunchThickness;
    m_dSavedOverlayThickness = m_dOverlayThickness;
    m_dDbtDeckEntry = 0;
    m_strSectionName = m_section.m_strSectionName;

    FillSuperstructureTypes();
    const bool lrfd = IsLrfd(m_nSpecification);
    EnableItem(IDC_GEOM_SKEW, lrfd);
    EnableItem(IDC_GEOM_SKEW_LABEL, lrfd);
    SetCurSel(IDC_GEOM_SUPERSTRUCTURE, m_nSuperstructureType);
    ApplyConnectionRule(false);

    m_nSpans = std::clamp(m_nSpans, 1, kMaxSpans);
    SetSpinRange(IDC_GEOM_SPAN_SPIN, 1, m_nSpans);
    SetSpinPos(IDC_GEOM_SPAN_SPIN, m_nCurrentSpan);
    SetSpinRange(IDC_GEOM_GIRDER_SPIN, 1, std::max(m_nBeams, 1));
    SetSpinPos(IDC_GEOM_GIRDER_SPIN, m_nCurrentGirder);
    SetSpinRange(IDC_GEOM_BEAMS_SPIN, 1, kMaxBeams);
    SetSpinPos(IDC_GEOM_BEAMS_SPIN, m_nBeams);

    const bool interior = m_nGirderLocation == kGirderInterior;
    CheckRadioButton(interior ? IDC_GEOM_INTERIOR : IDC_GEOM_EXTERIOR);
    m_strLocation = interior ? "Interior" : "Exterior";
    if (interior) {
        EnableItem(IDC_GEOM_DE, false);
        EnableItem(IDC_GEOM_DE_LABEL, false);
    }

    CheckRadioButton(m_bCompositeDeck ? IDC_GEOM_COMPOSITE : IDC_GEOM_NON_COMPOSITE);
    EnableDeck(m_bCompositeDeck != 0);
    EnableItem(IDC_GEOM_SEGMENTS, m_nPrestressType != 1);
    EnableItem(IDC_GEOM_PROPERTIES, static_cast<bool>(GeometrySectionPropertiesOpener()));
    if (IsChannelOrDeckedBulbTee(m_section.m_nSectionType)) {
        EnableItem(IDC_GEOM_INCLUDE_END_BLOCKS, false);
        m_bIncludeEndBlocks = 0;
    }
    EnableEndBlocks();
    if (m_nBeams == 1) {
        for (int id : {IDC_GEOM_BEAM_SPACING, IDC_GEOM_BEAM_SPACING_LABEL, IDC_GEOM_OVERHANG,
                       IDC_GEOM_OVERHANG_LABEL, IDC_GEOM_DE, IDC_GEOM_DE_LABEL})
            EnableItem(id, false);
    }
    if (m_section.m_nSectionType == kSectionDeckedBulbTee) {
        EnableItem(IDC_GEOM_COMPOSITE, false);
        EnableItem(IDC_GEOM_NON_COMPOSITE, false);
    }
    UpdateData(false);
    return true;
}

void CGeometryDlg::FillSuperstructureTypes() {
    ResetContent(IDC_GEOM_SUPERSTRUCTURE);
    for (const std::string& type : SuperstructureTypes(m_nSpecification))
        AddString(IDC_GEOM_SUPERSTRUCTURE, type);
}

void CGeometryDlg::ApplyConnectionRule(bool clear) {
    const bool connected = ConnectionMatters(m_nSuperstructureType);
    EnableItem(IDC_GEOM_SUFFICIENTLY_CONNECTED, connected);
    if (!connected && clear) m_bSufficientlyConnected = 0;
}

double CGeometryDlg::DeckUnitsPerLength() const {
    return Metric() ? kMillimetresPerMetre : kInchesPerFoot;
}

void CGeometryDlg::SetLocation(bool exterior) {
    CheckRadioButton(exterior ? IDC_GEOM_EXTERIOR : IDC_GEOM_INTERIOR);
    m_nGirderLocation = exterior ? kGirderExterior : kGirderInterior;
    m_strGirderLocation = exterior ? "Ext" : "Int";
    m_strLocation = exterior ? "Exterior" : "Interior";
    for (int id : {IDC_GEOM_OVERHANG, IDC_GEOM_OVERHANG_LABEL, IDC_GEOM_DE, IDC_GEOM_DE_LABEL})
        EnableItem(id, exterior);
}

void CGeometryDlg::EnableDeck(bool enabled) {
    for (int id : kDeckControls) EnableItem(id, enabled);
}

void CGeometryDlg::EnableEndBlocks() {
    const bool on = m_bIncludeEndBlocks != 0;
    for (int id : {IDC_GEOM_END_BLOCK_LENGTH_LABEL, IDC_GEOM_END_BLOCK_LENGTH,
                   IDC_GEOM_END_BLOCK_WIDTH_LABEL, IDC_GEOM_END_BLOCK_WIDTH,
                   IDC_GEOM_END_BLOCK_TRANSITION_LABEL, IDC_GEOM_END_BLOCK_TRANSITION})
        EnableItem(id, on);
    // Only an I-girder's end block is wider than its web, over a transition.
    const bool iGirder = m_section.m_nSectionType == kSectionIGirder;
    for (int id : {IDC_GEOM_END_BLOCK_WIDTH_LABEL, IDC_GEOM_END_BLOCK_WIDTH,
                   IDC_GEOM_END_BLOCK_TRANSITION_LABEL, IDC_GEOM_END_BLOCK_TRANSITION})
        ShowItem(id, iGirder);
}

void CGeometryDlg::SetDeckWidth(bool fewBeamsTakeBridgeWidth) {
    if (!m_bCompositeDeck) return;
    double width = 0;  // ft | m
    if (m_nGirderLocation == kGirderInterior) {
        const bool bridge = fewBeamsTakeBridgeWidth && m_nBeams < 2;
        width = bridge ? m_dBridgeWidth : m_dBeamSpacing;
    } else {
        width = 0.5 * m_dBeamSpacing + m_dOverhang;
    }
    // A negative spacing (an overhang too large) gives no deck; OK refuses the spacing itself.
    m_dDeckWidth = std::max(width, 0.0) * DeckUnitsPerLength();
}

void CGeometryDlg::SpacingFromOverhang() {
    if (m_nBeams != 1) m_dBeamSpacing = (m_dBridgeWidth - 2.0 * m_dOverhang) / (m_nBeams - 1);
}

void CGeometryDlg::SwapCompositeType(bool composite) {
    if (!IsLrfd(m_nSpecification)) return;
    for (const CompositePair& pair : kLrfdCompositePairs) {
        const int from = composite ? pair.nonComposite : pair.composite;
        if (m_nSuperstructureType == from) {
            m_nSuperstructureType = composite ? pair.composite : pair.nonComposite;
            break;
        }
    }
    SetCurSel(IDC_GEOM_SUPERSTRUCTURE, m_nSuperstructureType);
    ApplyConnectionRule(true);
}

void CGeometryDlg::SetNonComposite() {
    m_bCompositeDeck = 0;
    EnableDeck(false);
    m_dSavedDeckThickness = m_dDeckThickness;
    m_dSavedHaunchThickness = m_dHaunchThickness;
    m_dSavedOverlayThickness = m_dOverlayThickness;
    m_dDeckThickness = 0;
    m_dHaunchThickness = 0;
    m_dOverlayThickness = 0;
    SwapCompositeType(false);
}

void CGeometryDlg::OnBridgeWidthKillFocus() {
    if (!UpdateData(true)) return;
    m_dCurbToCurb = m_dBridgeWidth - (Metric() ? kBarriersWidthFt * kMetresPerFoot
                                                : kBarriersWidthFt);
    m_nLanes = LanesFromCurbToCurb(m_dCurbToCurb, Metric());
    if (m_nBeams == 1) m_dOverhang = m_dBridgeWidth / 2.0;
    UpdateData(false);
    InvalidateItem(IDC_GEOM_CROSS_SECTION_VIEW);
    InvalidateItem(IDC_GEOM_GIRDER_VIEW);
}

void CGeometryDlg::OnCurbToCurbKillFocus() {
    if (!UpdateData(true)) return;
    m_nLanes = LanesFromCurbToCurb(m_dCurbToCurb, Metric());
    UpdateData(false);
    InvalidateItem(IDC_GEOM_CROSS_SECTION_VIEW);
}

void CGeometryDlg::OnBeamsKillFocus() {
    if (!UpdateData(true)) return;
    SetSpinRange(IDC_GEOM_GIRDER_SPIN, 1, m_nBeams);
}

void CGeometryDlg::OnOverhangKillFocus() {
    if (!UpdateData(true)) return;
    SpacingFromOverhang();
    SetDeckWidth(false);
    const double webLocation = Metric() ? m_section.m_dWebLocation * kMetresPerInch
                                        : m_section.m_dWebLocation / kInchesPerFoot;
    m_dDe = m_dOverhang - (m_dBridgeWidth - m_dCurbToCurb) / 2.0 - webLocation;
    UpdateData(false);
    InvalidateItem(IDC_GEOM_CROSS_SECTION_VIEW);
    InvalidateItem(IDC_GEOM_GIRDER_VIEW);
}

void CGeometryDlg::OnSpacingKillFocus() {
    if (!UpdateData(true)) return;
    const double overhang = (m_dBridgeWidth - (m_nBeams - 1) * m_dBeamSpacing) / 2.0;
    if (overhang < 0.0) {
        MessageBox(kSpacingTooLarge, platform::MsgButtons::Ok, platform::MsgIcon::None);
        SpacingFromOverhang();
        UpdateData(false);
        return;
    }
    m_dOverhang = overhang;
    SetDeckWidth(true);
    UpdateData(false);
    InvalidateItem(IDC_GEOM_CROSS_SECTION_VIEW);
    InvalidateItem(IDC_GEOM_GIRDER_VIEW);
}

void CGeometryDlg::OnSuperstructureChange() {
    if (!UpdateData(true)) return;
    const int selected = GetCurSel(IDC_GEOM_SUPERSTRUCTURE);
    if (selected >= 0) m_nSuperstructureType = selected;
    if (IsLrfd(m_nSpecification)) {
        ApplyConnectionRule(true);
        UpdateData(false);
    }
}

void CGeometryDlg::OnComposite() {
    // A click on the button already chosen keeps the deck as typed.
    if (m_bCompositeDeck) return;
    if (!UpdateData(true)) return;
    m_bCompositeDeck = 1;
    EnableDeck(true);
    m_dDeckThickness = m_dSavedDeckThickness;
    m_dHaunchThickness = m_dSavedHaunchThickness;
    m_dOverlayThickness = m_dSavedOverlayThickness;
    if (m_dDeckThickness < kNoDeckThickness)
        m_dDeckThickness = Metric() ? kDefaultDeckThicknessIn * kMillimetresPerInch
                                    : kDefaultDeckThicknessIn;
    m_dHaunchWidth = Metric() ? m_section.m_dTopFlangeWidth * kMillimetresPerInch
                              : m_section.m_dTopFlangeWidth;
    SetDeckWidth(false);
    SwapCompositeType(true);
    UpdateData(false);
    InvalidateItem(IDC_GEOM_CROSS_SECTION_VIEW);
    InvalidateItem(IDC_GEOM_GIRDER_VIEW);
}

void CGeometryDlg::OnNonComposite() {
    // A decked bulb-tee's flange is its deck; a click on the button already chosen keeps the
    // deck values set aside.
    if (m_section.m_nSectionType == kSectionDeckedBulbTee || !m_bCompositeDeck) return;
    if (!UpdateData(true)) return;
    SetNonComposite();
    UpdateData(false);
    InvalidateItem(IDC_GEOM_CROSS_SECTION_VIEW);
    InvalidateItem(IDC_GEOM_GIRDER_VIEW);
}

void CGeometryDlg::OnIncludeEndBlocks() {
    if (!UpdateData(true)) return;
    EnableEndBlocks();
}

void CGeometryDlg::OnProperties() {
    const SectionPropertiesOpener& open = GeometrySectionPropertiesOpener();
    if (!open || !UpdateData(true)) return;
    if (!open(*this)) return;
    if (!UpdateData(true)) return;
    m_strSectionName = m_section.m_strSectionName;
    const int type = m_section.m_nSectionType;
    if (IsChannelOrDeckedBulbTee(type)) {
        EnableItem(IDC_GEOM_INCLUDE_END_BLOCKS, false);
        m_bIncludeEndBlocks = 0;
    } else {
        EnableItem(IDC_GEOM_INCLUDE_END_BLOCKS, true);
    }
    EnableEndBlocks();
    const bool dbt = type == kSectionDeckedBulbTee;
    if (dbt) {
        // The flange of a decked bulb-tee is the deck: no cast-in-place deck acts with it.
        CheckRadioButton(IDC_GEOM_NON_COMPOSITE);
        if (m_bCompositeDeck) {
            SetNonComposite();
        } else {
            EnableDeck(false);
        }
        m_dDbtDeckEntry = 0;
    }
    EnableItem(IDC_GEOM_COMPOSITE, !dbt);
    EnableItem(IDC_GEOM_NON_COMPOSITE, !dbt);
    UpdateData(false);
    InvalidateItem(IDC_GEOM_CROSS_SECTION_VIEW);
    InvalidateItem(IDC_GEOM_GIRDER_VIEW);
}

void CGeometryDlg::OnSegments() {
    if (!UpdateData(true)) return;
    CGirderSegementDetailsDlg segments;
    const bool ok = RunSubDialog(
        segments,
        [this](CGirderSegementDetailsDlg& s) {
            s.m_pDoc = m_pDoc;
            s.m_dOverallLength = m_dGirderLength;
            s.m_nUnits = m_nUnits;
            s.m_nSegments = std::clamp(m_nSegments, 1, kMaxSegments);
            for (int i = 0; i < s.m_nSegments; ++i) {
                s.m_adSegments[i][kSegmentLength] = m_adSegments[i][kSegmentLength];
                s.m_adSegments[i][kSegmentClosure] = m_adSegments[i][kSegmentClosure];
            }
        },
        [this](const CGirderSegementDetailsDlg& s) {
            m_nSegments = std::clamp(s.m_nSegments, 1, kMaxSegments);
            for (int i = 0; i < m_nSegments; ++i) {
                m_adSegments[i][kSegmentLength] = s.m_adSegments[i][kSegmentLength];
                m_adSegments[i][kSegmentClosure] = s.m_adSegments[i][kSegmentClosure];
            }
        });
    if (ok) UpdateData(true);
}

bool CGeometryDlg::OnSpanSpin(int pos, int delta) {
    const int k = pos + delta;
    if (k < 1 || k > m_nSpans) return false;
    if (!UpdateData(true)) return false;
    const double girder = m_adSpanGirderLength[k];
    const double span = girder - m_adPadOffsetLeft[k] - m_adPadOffsetRight[k];
    const int metric = Metric() ? 1 : 0;
    m_dGirderLength = metric ? ConvertFeetMeters(1, girder) : girder;
    m_dReleaseSpan = m_dGirderLength;
    m_dDesignSpan = metric ? ConvertFeetMeters(1, span) : span;
    m_nCurrentSpan = k;
    UpdateData(false);
    return true;
}

bool CGeometryDlg::OnGirderSpin(int pos, int delta) {
    const int g = pos + delta;
    if (g < 1 || g > m_nBeams) return false;
    if (!UpdateData(true)) return false;
    m_nCurrentGirder = g;
    SetLocation(m_nBeams > 1 && (g == 1 || g == m_nBeams));
    SetDeckWidth(false);
    UpdateData(false);
    InvalidateItem(IDC_GEOM_CROSS_SECTION_VIEW);
    InvalidateItem(IDC_GEOM_GIRDER_VIEW);
    return true;
}

bool CGeometryDlg::OnBeamsSpin(int pos, int delta) {
    const int n = pos + delta;
    if (n < 1 || n > kMaxBeams) return false;
    if (!UpdateData(true)) return false;
    m_nBeams = n;
    const bool several = n > 1;
    EnableItem(IDC_GEOM_BEAM_SPACING, several);
    EnableItem(IDC_GEOM_BEAM_SPACING_LABEL, several);
    m_dBeamSpacing = 0;
    if (!several) {
        m_dOverhang = m_dBridgeWidth / 2.0;
        m_nLanes = 1;
    }
    SpacingFromOverhang();
    // The girder designed stays within the beams, and is exterior when it became the last
    // (or interior when one was added after it); its location decides the deck width.
    m_nCurrentGirder = std::clamp(m_nCurrentGirder, 1, n);
    SetSpinRange(IDC_GEOM_GIRDER_SPIN, 1, n);
    SetSpinPos(IDC_GEOM_GIRDER_SPIN, m_nCurrentGirder);
    SetLocation(several && (m_nCurrentGirder == 1 || m_nCurrentGirder == n));
    SetDeckWidth(true);
    UpdateData(false);
    InvalidateItem(IDC_GEOM_CROSS_SECTION_VIEW);
    InvalidateItem(IDC_GEOM_GIRDER_VIEW);
    return true;
}

bool CGeometryDlg::OnGirderLengthSpin(int delta) {
    if (!UpdateData(true)) return false;
    // The arrow up (a step down the spin's own range) lengthens the girder.
    const double step = delta <= 0 ? 1.0 : -1.0;
    m_dGirderLength += step;
    m_dReleaseSpan += step;
    m_dDesignSpan += step;
    UpdateData(false);
    return false;
}

void CGeometryDlg::OnOK() {
    if (!UpdateData(true)) return;
    const OkCheck checks[] = {
        {[this] { return m_nSuperstructureType == kNoSuperstructureType; }, kChooseSuperstructure,
         platform::MsgButtons::Ok, platform::MsgIcon::Error},
        {[this] { return !(m_dGirderLength > m_dDesignSpan); }, kDesignSpanTooLong,
         platform::MsgButtons::Ok, platform::MsgIcon::Error},
        {[this] { return m_bCompositeDeck && m_dDeckThickness == 0.0; }, kCompositeNeedsDeck,
         platform::MsgButtons::Ok, platform::MsgIcon::Error},
        {[this] { return !(m_dDesignSpan > 0.0); }, kDesignSpanNotPositive,
         platform::MsgButtons::Ok, platform::MsgIcon::Error},
        {[this] { return m_dBeamSpacing < 0.0; }, kNegativeSpacing, platform::MsgButtons::Ok,
         platform::MsgIcon::Error},
    };
    if (!PassChecks(checks)) return;
    EndDialog(kIdOk);
}

double CGeometryDlg::Shown(int id, double member) const {
    if (!IsRunning()) return member;
    const std::optional<double> typed = ParseNumber(GetDlgItemText(id));
    return typed ? *typed : member;
}

GeometryPreview CGeometryDlg::PreviewData() const {
    // The values as typed; an entry that is no number draws with the value the dialog holds.
    const double toFeet = Metric() ? 1.0 / kMetresPerFoot : 1.0;
    const double toInches = Metric() ? 1.0 / kMillimetresPerInch : 1.0;
    GeometryPreview p;
    p.bridgeWidth = Shown(IDC_GEOM_BRIDGE_WIDTH, m_dBridgeWidth) * toFeet;
    p.overhang = Shown(IDC_GEOM_OVERHANG, m_dOverhang) * toFeet;
    p.beamSpacing = Shown(IDC_GEOM_BEAM_SPACING, m_dBeamSpacing) * toFeet;
    p.beams = m_nBeams;
    p.activeGirder = m_nCurrentGirder;
    const bool dbt = m_section.m_nSectionType == kSectionDeckedBulbTee;
    p.deckThickness =
        (dbt ? m_dDeckThickness : Shown(IDC_GEOM_DECK_THICKNESS, m_dDeckThickness)) * toInches;
    p.deckWidth = Shown(IDC_GEOM_DECK_WIDTH, m_dDeckWidth) * toInches;
    p.haunchThickness = Shown(IDC_GEOM_HAUNCH_THICKNESS, m_dHaunchThickness) * toInches;
    p.haunchWidth = Shown(IDC_GEOM_HAUNCH_WIDTH, m_dHaunchWidth) * toInches;
    p.section = &m_section;
    return p;
}

void CGeometryDlg::OnDrawItem(int id, DC& dc, Size clientSize) {
    if (id == IDC_GEOM_CROSS_SECTION_VIEW) {
        DrawBridgeCrossSectionPreview(dc, clientSize, PreviewData());
    } else if (id == IDC_GEOM_GIRDER_VIEW) {
        DrawGirderPreview(dc, clientSize, PreviewData());
    }
}

}  // namespace kordel

#include "dialogs/prestress/pretensioning_dlg.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "dialogs/prestress/strand_constraints_dlg.h"
#include "dialogs/prestress/strand_layout_dlg.h"
#include "dialogs/prestress/strand_list_dlg.h"
#include "dialogs/prestress/strand_pattern_edit.h"
#include "document/kordel_doc.h"
#include "document/unit_conversions.h"
#include "platform/ui/dc.h"
#include "platform/ui/picture.h"

namespace kordel {

using namespace platform::ui;

namespace {

constexpr Colour kStrandBlue = Rgb(0, 0, 255);
constexpr Colour kCentroidRed = Rgb(255, 0, 0);
constexpr double kStrandDrawDiameter = 0.9;  // in

/// `shown` back in US units: unchanged from `base` x `factor` it is `base` itself.
double BackToUs(double shown, double base, double factor) {
    return shown == base * factor ? base : shown / factor;
}

}  // namespace

const DialogTemplate& CStrandPatDlgV3::Template() {
    static const DialogTemplate t = [] {
        DialogTemplate d;
        d.id = IDD_PRETENSIONING;
        d.caption = "Prestressing  (Pretensioning)";
        d.size = {409, 415};
        d.controls = {
            MakeControl(ControlKind::GroupBox, kIdStatic, "Entry Method", 7, 4, 76, 58),
            MakeControl(ControlKind::RadioButton, IDC_PRETENSION_ENTRY_PATTERN, "Strand Pattern",
                        13, 18, 66, 10, kStyleGroup),
            MakeControl(ControlKind::RadioButton, IDC_PRETENSION_ENTRY_FORCE, "P-Force", 13, 32, 66,
                        10),

            MakeControl(ControlKind::GroupBox, kIdStatic, "Pattern  Profile", 88, 4, 118, 58),
            MakeControl(ControlKind::RadioButton, IDC_PRETENSION_STRAIGHT, "Straight", 94, 16, 44,
                        10, kStyleGroup),
            MakeControl(ControlKind::RadioButton, IDC_PRETENSION_DRAPED, "Draped @:", 142, 16, 56,
                        10),
            MakeControl(ControlKind::RadioButton, IDC_PRETENSION_VAR, "Var:", 104, 31, 30, 10,
                        kStyleGroup),
            MakeControl(ControlKind::Edit, IDC_PRETENSION_DRAPE_FRACTION, "", 136, 29, 40, 12),
            MakeControl(ControlKind::Label, IDC_PRETENSION_XL, "xL", 180, 31, 20, 9),
            MakeControl(ControlKind::RadioButton, IDC_PRETENSION_FIX, "Fix:", 104, 46, 30, 10),
            MakeControl(ControlKind::Edit, IDC_PRETENSION_DRAPE_DISTANCE, "", 136, 44, 40, 12),
            MakeControl(ControlKind::Label, IDC_PRETENSION_FT, "ft", 180, 46, 20, 9),

            MakeControl(ControlKind::GroupBox, IDC_PRETENSION_PULL_FRAME, "Strand Pull Fraction",
                        211, 4, 92, 58),
            MakeControl(ControlKind::Label, IDC_PRETENSION_TOP_LABEL, "Top", 217, 20, 30, 9),
            MakeControl(ControlKind::Edit, IDC_PRETENSION_TOP_PULL, "", 248, 18, 30, 12,
                        kStyleDisabled),
            MakeControl(ControlKind::Label, IDC_PRETENSION_TOP_FPU, "x fpu", 281, 20, 20, 9),
            MakeControl(ControlKind::Label, IDC_PRETENSION_BALANCE_LABEL, "Balance", 217, 38, 30,
                        9),
            MakeControl(ControlKind::Edit, IDC_PRETENSION_BALANCE_PULL, "", 248, 36, 30, 12,
                        kStyleDisabled),
            MakeControl(ControlKind::Label, IDC_PRETENSION_BALANCE_FPU, "x fpu", 281, 38, 20, 9),

            MakeControl(ControlKind::GroupBox, IDC_PRETENSION_JACKING_FRAME, "Jacking Force, ecc",
                        308, 4, 94, 58),
            MakeControl(ControlKind::Label, IDC_PRETENSION_PJACK_LABEL, "Pjack,K", 313, 17, 42, 9),
            MakeControl(ControlKind::Edit, IDC_PRETENSION_PJACK, "", 357, 15, 40, 12),
            MakeControl(ControlKind::Label, IDC_PRETENSION_CG_END_LABEL, "CG@end,in", 313, 31, 42,
                        9),
            MakeControl(ControlKind::Edit, IDC_PRETENSION_CG_END, "", 357, 29, 40, 12),
            MakeControl(ControlKind::Label, IDC_PRETENSION_CG_MID_LABEL, "CG@mid,in", 313, 45, 42,
                        9),
            MakeControl(ControlKind::Edit, IDC_PRETENSION_CG_MID, "", 357, 43, 40, 12),

            MakeControl(ControlKind::PushButton, IDC_PRETENSION_DESIGN, "&Design...", 7, 70, 56,
                        14),
            MakeControl(ControlKind::PushButton, IDC_PRETENSION_LAYOUT, "&Layout and Pull...", 67,
                        70, 72, 14),
            MakeControl(ControlKind::PushButton, IDC_PRETENSION_STRAND_LIST, "&Strand List...", 143,
                        70, 60, 14),
            MakeControl(ControlKind::CheckBox, IDC_PRETENSION_SHOW_STRAIGHT, "Show straight grp",
                        211, 67, 90, 10),
            MakeControl(ControlKind::CheckBox, IDC_PRETENSION_SHOW_DRAPED, "Show draped grp", 211,
                        79, 90, 10),
            MakeControl(ControlKind::CheckBox, IDC_PRETENSION_SHOW_CG, "Show pattern CG", 308, 67,
                        94, 10),
            MakeControl(ControlKind::CheckBox, IDC_PRETENSION_EXPAND_VERTICAL,
                        "Expand vertical scale", 308, 79, 94, 10),

            MakeControl(ControlKind::Label, kIdStatic, "Quantities:", 7, 98, 42, 9),
            MakeControl(ControlKind::Label, kIdStatic, "No. Strands:", 52, 98, 46, 9),
            MakeControl(ControlKind::SunkenFrame, IDC_PRETENSION_STRAND_COUNT, "", 100, 96, 26, 12,
                        kStyleRight),
            MakeControl(ControlKind::Label, kIdStatic, "Total Length:", 140, 98, 50, 9),
            MakeControl(ControlKind::SunkenFrame, IDC_PRETENSION_TOTAL_LENGTH, "99999.9", 192, 96,
                        40, 12, kStyleRight),
            MakeControl(ControlKind::Label, IDC_PRETENSION_LENGTH_UNIT, "ft", 235, 98, 14, 9),
            MakeControl(ControlKind::Label, kIdStatic, "CG @ Girder end", 52, 114, 62, 9),
            MakeControl(ControlKind::SunkenFrame, IDC_PRETENSION_CG_END_TEXT, "", 116, 112, 40, 12,
                        kStyleRight),
            MakeControl(ControlKind::Label, IDC_PRETENSION_CG_END_UNIT, "in", 159, 114, 12, 9),
            MakeControl(ControlKind::Label, kIdStatic, "CG @ Depress pt", 192, 114, 62, 9),
            MakeControl(ControlKind::SunkenFrame, IDC_PRETENSION_CG_DRAPE_TEXT, "", 256, 112, 40,
                        12, kStyleRight),
            MakeControl(ControlKind::Label, IDC_PRETENSION_CG_DRAPE_UNIT, "in", 299, 114, 12, 9),

            MakeControl(ControlKind::Label, kIdStatic, "Strand Pattern Profile", 7, 132, 120, 9),
            MakeControl(ControlKind::SunkenFrame, IDC_PRETENSION_PROFILE, "", 7, 142, 395, 70,
                        kStyleOwnerDraw),
            MakeControl(ControlKind::Label, kIdStatic, "Pattern at Girder End", 7, 218, 120, 9),
            MakeControl(ControlKind::SunkenFrame, IDC_PRETENSION_END_SECTION, "", 7, 228, 195, 160,
                        kStyleOwnerDraw),
            MakeControl(ControlKind::Label, kIdStatic, "Pattern at Depression Point", 207, 218, 120,
                        9),
            MakeControl(ControlKind::SunkenFrame, IDC_PRETENSION_DRAPE_SECTION, "", 207, 228, 195,
                        160, kStyleOwnerDraw),
            MakeControl(ControlKind::DefPushButton, kIdOk, "OK", 296, 394, 50, 14, kStyleGroup),
            MakeControl(ControlKind::PushButton, kIdCancel, "Cancel", 352, 394, 50, 14),
        };
        return d;
    }();
    return t;
}

CStrandPatDlgV3::CStrandPatDlgV3() : Dialog(Template()) {
    m_commands.On(IDC_PRETENSION_ENTRY_PATTERN, [this] { OnStrandPattern(); });
    m_commands.On(IDC_PRETENSION_ENTRY_FORCE, [this] { OnPForce(); });
    m_commands.On(IDC_PRETENSION_STRAIGHT, [this] { OnStraight(); });
    m_commands.On(IDC_PRETENSION_DRAPED, [this] { OnDraped(); });
    m_commands.On(IDC_PRETENSION_VAR, [this] {
        m_nDrapePointMode = 1;
        SetProfileControls();
    });
    m_commands.On(IDC_PRETENSION_FIX, [this] {
        m_nDrapePointMode = 2;
        SetProfileControls();
    });
    m_commands.On(IDC_PRETENSION_DESIGN, [this] { OnDesign(); });
    m_commands.On(IDC_PRETENSION_LAYOUT, [this] { OnLayoutAndPull(); });
    m_commands.On(IDC_PRETENSION_STRAND_LIST, [this] { OnStrandList(); });
    // The drawing switches take effect at once; the edits are not read for a repaint.
    const std::pair<int, int*> switches[] = {
        {IDC_PRETENSION_SHOW_STRAIGHT, &m_bShowStraight},
        {IDC_PRETENSION_SHOW_DRAPED, &m_bShowDraped},
        {IDC_PRETENSION_SHOW_CG, &m_bShowCg},
        {IDC_PRETENSION_EXPAND_VERTICAL, &m_bExpandVertical},
    };
    for (auto [id, flag] : switches) {
        m_commands.On(id, [this, id = id, flag = flag] {
            *flag = IsDlgButtonChecked(id) ? 1 : 0;
            InvalidateItem(kIdStatic);
        });
    }
}

void CStrandPatDlgV3::DoDataExchange(DataExchange& dx) {
    dx.Double(IDC_PRETENSION_DRAPE_FRACTION, m_dDrapeFraction);
    dx.Double(IDC_PRETENSION_DRAPE_DISTANCE, m_dDrapeDistance);
    dx.Double(IDC_PRETENSION_TOP_PULL, m_dTopPull);
    dx.Double(IDC_PRETENSION_BALANCE_PULL, m_dBalancePull);
    dx.Double(IDC_PRETENSION_PJACK, m_dPjack);
    dx.Double(IDC_PRETENSION_CG_END, m_dPForceCgEnd);
    dx.Double(IDC_PRETENSION_CG_MID, m_dPForceCgMid);
    dx.Check(IDC_PRETENSION_SHOW_STRAIGHT, m_bShowStraight);
    dx.Check(IDC_PRETENSION_SHOW_DRAPED, m_bShowDraped);
    dx.Check(IDC_PRETENSION_SHOW_CG, m_bShowCg);
    dx.Check(IDC_PRETENSION_EXPAND_VERTICAL, m_bExpandVertical);
    dx.Text(IDC_PRETENSION_STRAND_COUNT, m_strStrandCount);
    dx.Text(IDC_PRETENSION_CG_END_TEXT, m_strCgEnd);
    dx.Text(IDC_PRETENSION_CG_DRAPE_TEXT, m_strCgDrape);
    dx.Text(IDC_PRETENSION_TOTAL_LENGTH, m_strTotalLength);
}

bool CStrandPatDlgV3::OnInitDialog() {
    Dialog::OnInitDialog();
    m_nRowCount = std::clamp(m_nRowCount, 0, kMaxPatternRows);
    m_nColumnCount = std::clamp(m_nColumnCount, 1, kMaxTemplateLocations);
    m_nGroupCount = std::clamp(m_nGroupCount, 0, kMaxStrandGroups);
    m_nEndOutlineCount = std::clamp(m_nEndOutlineCount, 0, kMaxOutlinePoints);
    if (m_nEntryMode == 1) {
        OnStrandPattern();
    } else {
        CheckRadioButton(IDC_PRETENSION_ENTRY_FORCE);
        SetEntryControls(false);
    }
    m_dPjackBase = m_dPjack;
    m_dPForceCgEndBase = m_dPForceCgEnd;
    m_dPForceCgMidBase = m_dPForceCgMid;
    // The pattern as the design holds it, in US units.
    UsPattern us;
    std::copy(std::begin(m_aEndRows), std::end(m_aEndRows), us.end);
    std::copy(std::begin(m_aDrapeRows), std::end(m_aDrapeRows), us.drape);
    std::copy(&m_adTemplate[0][0], &m_adTemplate[0][0] + kMaxPatternRows * kMaxPatternColumns,
              &us.strandTemplate[0][0]);
    if (Metric()) {
        SetDlgItemText(IDC_PRETENSION_CG_END_UNIT, "m");
        SetDlgItemText(IDC_PRETENSION_CG_DRAPE_UNIT, "m");
        SetDlgItemText(IDC_PRETENSION_LENGTH_UNIT, "m");
        SetDlgItemText(IDC_PRETENSION_PJACK_LABEL, "Pjack,kN");
        SetDlgItemText(IDC_PRETENSION_CG_END_LABEL, "CG@end,m");
        SetDlgItemText(IDC_PRETENSION_CG_MID_LABEL, "CG@mid,m");
        m_dPjack *= kKnPerKip;
        m_dPForceCgEnd *= kMetresPerInch;
        m_dPForceCgMid *= kMetresPerInch;
        m_dSectionHeight *= kMetresPerInch;
        m_dGirderLength *= kMetresPerFoot;
        m_dDesignSpan *= kMetresPerFoot;
    }
    us.cgEnd = m_dCgEnd;
    us.cgDrape = m_dCgDrape;
    us.totalLength = m_dTotalLength;
    ShowPattern(us);
    CheckRadioButton(m_nPatternType == 1 ? IDC_PRETENSION_STRAIGHT : IDC_PRETENSION_DRAPED);
    if (m_nPatternType == 1 && m_nPrestressType == 2) EnableItem(IDC_PRETENSION_DRAPED, false);
    CheckRadioButton(m_nDrapePointMode == 2 ? IDC_PRETENSION_FIX : IDC_PRETENSION_VAR);
    SetProfileControls();
    m_bShowCg = m_bShowDraped = m_bShowStraight = 1;
    m_bExpandVertical = 0;
    ComputeTotals();
    UpdateData(false);
    InvalidateItem(kIdStatic);
    return true;
}

void CStrandPatDlgV3::PatternInUs(UsPattern& us) const {
    std::copy(std::begin(m_aEndRows), std::end(m_aEndRows), us.end);
    std::copy(std::begin(m_aDrapeRows), std::end(m_aDrapeRows), us.drape);
    std::copy(&m_adTemplate[0][0], &m_adTemplate[0][0] + kMaxPatternRows * kMaxPatternColumns,
              &us.strandTemplate[0][0]);
    us.cgEnd = m_dCgEnd;
    us.cgDrape = m_dCgDrape;
    us.totalLength = m_dTotalLength;
    if (!Metric()) return;
    const UsPattern& base = m_usBase;
    for (int r = 0; r < m_nRowCount; ++r) {
        for (int v : {kRowStraightElevation, kRowDrapedElevation}) {
            us.end[r][v] = BackToUs(m_aEndRows[r][v], base.end[r][v], kMetresPerInch);
            us.drape[r][v] = BackToUs(m_aDrapeRows[r][v], base.drape[r][v], kMetresPerInch);
        }
        for (int c = 0; c < kMaxPatternColumns; ++c) {
            if (c == kTemplatePositions || c == kTemplateDrapedPositions) continue;
            us.strandTemplate[r][c] =
                BackToUs(m_adTemplate[r][c], base.strandTemplate[r][c], kMetresPerInch);
        }
    }
    us.cgEnd = BackToUs(m_dCgEnd, base.cgEnd, kMetresPerInch);
    us.cgDrape = BackToUs(m_dCgDrape, base.cgDrape, kMetresPerInch);
    us.totalLength = BackToUs(m_dTotalLength, base.totalLength, kMetresPerFoot);
}

void CStrandPatDlgV3::ShowPattern(const UsPattern& us) {
    m_usBase = us;
    std::copy(std::begin(us.end), std::end(us.end), m_aEndRows);
    std::copy(std::begin(us.drape), std::end(us.drape), m_aDrapeRows);
    std::copy(&us.strandTemplate[0][0],
              &us.strandTemplate[0][0] + kMaxPatternRows * kMaxPatternColumns, &m_adTemplate[0][0]);
    m_dCgEnd = us.cgEnd;
    m_dCgDrape = us.cgDrape;
    m_dTotalLength = us.totalLength;
    if (!Metric()) return;
    ConvertPatternLengths(m_aEndRows, m_aDrapeRows, m_adTemplate, m_nRowCount, true);
    m_dCgEnd *= kMetresPerInch;
    m_dCgDrape *= kMetresPerInch;
    m_dTotalLength *= kMetresPerFoot;
}

void CStrandPatDlgV3::SetEntryControls(bool pattern) {
    for (int id :
         {IDC_PRETENSION_LAYOUT, IDC_PRETENSION_STRAND_LIST, IDC_PRETENSION_DESIGN,
          IDC_PRETENSION_PULL_FRAME, IDC_PRETENSION_TOP_LABEL, IDC_PRETENSION_BALANCE_LABEL,
          IDC_PRETENSION_TOP_FPU, IDC_PRETENSION_BALANCE_FPU})
        EnableItem(id, pattern);
    // The pull fractions are edited in "Layout and Pull...", never here.
    EnableItem(IDC_PRETENSION_TOP_PULL, false);
    EnableItem(IDC_PRETENSION_BALANCE_PULL, false);
    for (int id : {IDC_PRETENSION_JACKING_FRAME, IDC_PRETENSION_PJACK_LABEL,
                   IDC_PRETENSION_CG_END_LABEL, IDC_PRETENSION_CG_MID_LABEL, IDC_PRETENSION_PJACK,
                   IDC_PRETENSION_CG_END, IDC_PRETENSION_CG_MID})
        EnableItem(id, !pattern);
}

void CStrandPatDlgV3::SetProfileControls() {
    const bool draped = m_nPatternType == 2;
    const bool byFraction = m_nDrapePointMode != 2;
    EnableItem(IDC_PRETENSION_VAR, draped);
    EnableItem(IDC_PRETENSION_FIX, draped);
    EnableItem(IDC_PRETENSION_DRAPE_FRACTION, draped && byFraction);
    EnableItem(IDC_PRETENSION_XL, draped && byFraction);
    EnableItem(IDC_PRETENSION_DRAPE_DISTANCE, draped && !byFraction);
    EnableItem(IDC_PRETENSION_FT, draped && !byFraction);
}

void CStrandPatDlgV3::ComputeTotals() {
    const PatternTotals end = PatternCountAndCentroid(m_aEndRows, m_nRowCount);
    const PatternTotals drape = PatternCountAndCentroid(m_aDrapeRows, m_nRowCount);
    m_dEndCount = end.count;
    m_dCgEnd = end.centroid;
    m_dCgDrape = drape.centroid;
    m_dTotalLength = TotalStrandLength(m_dEndCount, m_dGirderLength, m_dDesignSpan,
                                       m_dDrapeFraction, m_dCgEnd, m_dCgDrape, Metric());
    m_strStrandCount = FormatValue("%2.0f", m_dEndCount);
    m_strCgEnd = FormatValue("%6.3f", m_dCgEnd);
    m_strCgDrape = FormatValue("%6.3f", m_dCgDrape);
    m_strTotalLength = FormatValue("%7.1f", m_dTotalLength);
}

void CStrandPatDlgV3::RebuildGroups() {
    UsPattern us;
    PatternInUs(us);
    GroupRebuild state;
    state.pullFraction = m_dBalancePull;
    state.topPullFraction = m_dTopPull;
    state.topPullStrandCount = m_nTopPullStrandCount;
    state.groupCount = m_nGroupCount;
    state.hasDraped = m_bHasDraped;
    state.rowCount = m_nRowCount;
    state.columnCount = m_nColumnCount;
    state.templateLayout = m_nTemplateLayout;
    state.patternType = m_nPatternType;
    kordel::RebuildGroups(state, m_aGroups, us.end, us.drape, us.strandTemplate);
    m_bHasDraped = state.hasDraped;
    m_nTopPullStrandCount = state.topPullStrandCount;
    m_nGroupCount = state.groupCount;
}

void CStrandPatDlgV3::OnStrandPattern() {
    UpdateData(true);
    CheckRadioButton(IDC_PRETENSION_ENTRY_PATTERN);
    m_nEntryMode = 1;
    SetEntryControls(true);
}

void CStrandPatDlgV3::OnPForce() {
    UpdateData(true);
    CheckRadioButton(IDC_PRETENSION_ENTRY_FORCE);
    m_nEntryMode = 999;
    SetEntryControls(false);
    for (int r = 0; r < kMaxPatternRows; ++r) {
        m_aEndRows[r][kRowStraightCount] = m_aEndRows[r][kRowDrapedCount] = 0;
        m_aDrapeRows[r][kRowStraightCount] = m_aDrapeRows[r][kRowDrapedCount] = 0;
    }
    m_aEndRows[0][kRowDrapedElevation] = m_dPForceCgEnd;
    m_aEndRows[0][kRowDrapedCount] = 1;
    m_aDrapeRows[0][kRowDrapedElevation] = m_dPForceCgMid;
    m_aDrapeRows[0][kRowDrapedCount] = 1;
    const double toInches = Metric() ? 1.0 / kMetresPerInch : 1.0;
    m_nGroupCount = 1;
    m_aGroups[0] =
        StrandGroup{{1, m_dPForceCgEnd * toInches, m_dPForceCgMid * toInches, 0, 0, 0.75, 0}};
    ComputeTotals();
    m_strTotalLength = FormatValue("%7.1f", 0.0);
    UpdateData(false);
    GotoDlgCtrl(IDC_PRETENSION_PJACK);
    InvalidateItem(kIdStatic);
}

void CStrandPatDlgV3::OnStraight() {
    m_nPatternType = 1;
    CheckRadioButton(IDC_PRETENSION_STRAIGHT);
    SetProfileControls();
    for (int r = 0; r < m_nRowCount; ++r) {
        m_aEndRows[r][kRowDrapedCount] = 0;
        m_aDrapeRows[r][kRowDrapedCount] = 0;
    }
    RebuildGroups();
    ComputeTotals();
    UpdateData(false);
    InvalidateItem(kIdStatic);
}

void CStrandPatDlgV3::OnDraped() {
    m_nPatternType = 2;
    CheckRadioButton(IDC_PRETENSION_DRAPED);
    SetProfileControls();
}

void CStrandPatDlgV3::OnDesign() {
    if (!UpdateData(true) || !m_pDoc) return;
    CStrandPatParamDlg constraints;
    constraints.m_nUnits = m_nUnits;
    constraints.m_nPatternType = m_nPatternType;
    if (constraints.DoModal() != kIdOk) return;

    UsPattern us;
    PatternInUs(us);
    CKordelDoc& doc = *m_pDoc;
    if (m_nPatternType == 2 && constraints.m_nDrapedSpacing == kDrapedTouching) {
        const int rows = m_nRowCount - (constraints.m_bIncludeTopStrands ? 1 : 0);
        StackDrapedStrands(us.drape, rows, doc.m_dStrandDiameter, doc.m_dSectionHeight);
    }
    doc.m_dPullFraction = m_dBalancePull;
    doc.m_dTopPullFraction = m_dTopPull;
    doc.m_nPatternType = m_nPatternType;
    doc.m_dDrapeFraction = m_dDrapeFraction;
    doc.m_nTemplateRowCount = m_nRowCount;
    doc.m_bDesignIncludeTopStrands = constraints.m_bIncludeTopStrands;
    doc.m_dDesignTopStrandCount = constraints.m_dTopStrandCount;
    // The design lays its strands on the template this dialog shows, which "Layout and Pull..."
    // may have changed since the dialog opened.
    doc.m_nTemplateColumnCount = m_nColumnCount;
    doc.m_nTemplateLayout = m_nTemplateLayout;
    for (int r = 0; r < m_nRowCount; ++r) {
        std::copy(std::begin(us.strandTemplate[r]), std::end(us.strandTemplate[r]),
                  doc.m_adStrandTemplate[r]);
        doc.m_aEndRows[r] = us.end[r];
        doc.m_aDrapeRows[r] = us.drape[r];
    }
    doc.m_nStrandCount = static_cast<int>(m_dEndCount);
    doc.m_adGirderTotals[kTotalStrandLength] = us.totalLength;
    doc.m_dStrandCgEnd = us.cgEnd;
    doc.m_dStrandCgMid = us.cgDrape;
    doc.DesignStrandPattern();
    m_bDesignRan = 1;
    if (m_onDesigned) m_onDesigned();

    m_nUnits = doc.m_nUnits;
    m_dBalancePull = doc.m_dPullFraction;
    m_dTopPull = doc.m_dTopPullFraction;
    m_nPatternType = doc.m_nPatternType;
    m_dDrapeFraction = doc.m_dDrapeFraction;
    m_nRowCount = std::clamp(doc.m_nTemplateRowCount, 0, kMaxPatternRows);
    for (int r = 0; r < m_nRowCount; ++r) {
        us.end[r] = doc.m_aEndRows[r];
        us.drape[r] = doc.m_aDrapeRows[r];
    }
    us.cgEnd = doc.m_dStrandCgEnd;
    us.cgDrape = doc.m_dStrandCgMid;
    m_nStrandCount = doc.m_nStrandCount;
    ShowPattern(us);
    RebuildGroups();
    ComputeTotals();
    UpdateData(false);
    InvalidateItem(kIdStatic);
}

void CStrandPatDlgV3::OnLayoutAndPull() {
    if (!UpdateData(true)) return;
    CStrandPatternLayoutDlg layout;
    const bool accepted = RunSubDialog(
        layout,
        [&](CStrandPatternLayoutDlg& l) {
            l.m_nPatternType = m_nPatternType;
            l.m_nRowCount = m_nRowCount;
            l.m_nTemplateLayout = m_nTemplateLayout;
            l.m_nColumnCount = m_nColumnCount;
            const int columns = std::clamp(m_nColumnCount + 3, 0, kMaxPatternColumns);
            for (int r = 0; r < m_nRowCount; ++r) {
                std::copy(m_adTemplate[r], m_adTemplate[r] + columns, l.m_adTemplate[r]);
                l.m_aEndRows[r] = m_aEndRows[r];
                l.m_aDrapeRows[r] = m_aDrapeRows[r];
            }
            l.m_nUnits = m_nUnits;
            l.m_dWebLocation = m_dWebLocation;
            l.m_dTopPull = m_dTopPull;
            l.m_dBalancePull = m_dBalancePull;
        },
        [&](CStrandPatternLayoutDlg& l) {
            m_dTopPull = l.m_dTopPull;
            m_dBalancePull = l.m_dBalancePull;
            m_nRowCount = std::clamp(l.m_nRowCount, 0, kMaxPatternRows);
            m_nColumnCount = std::clamp(l.m_nColumnCount, 1, kMaxTemplateLocations);
            // The layout the template's locations were generated by comes back with them.
            m_nTemplateLayout = l.m_nTemplateLayout;
            const int columns = std::clamp(m_nColumnCount + 3, 0, kMaxPatternColumns);
            for (int r = 0; r < m_nRowCount; ++r) {
                std::copy(l.m_adTemplate[r], l.m_adTemplate[r] + columns, m_adTemplate[r]);
                m_aEndRows[r] = l.m_aEndRows[r];
                m_aDrapeRows[r] = l.m_aDrapeRows[r];
            }
        });
    if (accepted) RebuildGroups();
    ComputeTotals();
    UpdateData(false);
    InvalidateItem(kIdStatic);
}

void CStrandPatDlgV3::OnStrandList() {
    if (!UpdateData(true)) return;
    CEditStrandCoordsDlg list;
    const bool accepted = RunSubDialog(
        list,
        [&](CEditStrandCoordsDlg& l) {
            l.m_nUnits = m_pDoc ? m_pDoc->m_nUnits : m_nUnits;
            l.m_nGroupCount = m_nGroupCount;
            std::copy(std::begin(m_aGroups), std::end(m_aGroups), l.m_aGroups);
        },
        [&](CEditStrandCoordsDlg& l) {
            for (int g = 0; g < m_nGroupCount; ++g) {
                m_aGroups[g][kGroupPullFraction] = l.m_aGroups[g][kGroupPullFraction];
                m_aGroups[g][kGroupLocation] = l.m_aGroups[g][kGroupLocation];
            }
        });
    UpdateData(false);
    if (accepted) InvalidateItem(kIdStatic);
}

void CStrandPatDlgV3::OnOK() {
    if (!UpdateData(true)) return;
    if (m_nPatternType == 2) {
        if (m_nDrapePointMode != 2) {
            if (!AcceptDrapeFraction(*this, m_dDrapeFraction)) return;
        } else if (!(m_dDrapeDistance > 0.0)) {
            MessageBox(
                "For draped (harped) patterns, the drape\nfraction (Fix:) must be greater "
                "than 0.",
                platform::MsgButtons::Ok, platform::MsgIcon::None);
            return;
        }
    }
    if (m_nEntryMode == 999) {
        m_aEndRows[0][kRowDrapedElevation] = m_dPForceCgEnd;
        m_aEndRows[0][kRowDrapedCount] = 1;
        m_aDrapeRows[0][kRowDrapedElevation] = m_dPForceCgMid;
        m_aDrapeRows[0][kRowDrapedCount] = 1;
        const double toInches = Metric() ? 1.0 / kMetresPerInch : 1.0;
        m_aGroups[0][kGroupElevationEnd] = m_dPForceCgEnd * toInches;
        m_aGroups[0][kGroupElevationDrape] = m_dPForceCgMid * toInches;
    }
    const PatternTotals end = PatternCountAndCentroid(m_aEndRows, m_nRowCount);
    const PatternTotals drape = PatternCountAndCentroid(m_aDrapeRows, m_nRowCount);
    m_dEndCount = end.count;
    m_dDrapeCount = drape.count;
    m_dCgEnd = end.centroid;
    m_dCgDrape = drape.centroid;
    if (const char* refusal = PatternCountRefusal(m_dEndCount, m_dDrapeCount)) {
        MessageBox(refusal, platform::MsgButtons::Ok, platform::MsgIcon::Error);
        return;
    }
    m_nStrandCount = static_cast<int>(m_dEndCount);
    if (Metric()) {
        UsPattern us;
        PatternInUs(us);
        std::copy(std::begin(us.end), std::end(us.end), m_aEndRows);
        std::copy(std::begin(us.drape), std::end(us.drape), m_aDrapeRows);
        std::copy(&us.strandTemplate[0][0],
                  &us.strandTemplate[0][0] + kMaxPatternRows * kMaxPatternColumns,
                  &m_adTemplate[0][0]);
        // The centroids of the pattern in inches, as the design works them out.
        m_dCgEnd = PatternCountAndCentroid(us.end, m_nRowCount).centroid;
        m_dCgDrape = PatternCountAndCentroid(us.drape, m_nRowCount).centroid;
        m_dTotalLength = us.totalLength;
        m_dPjack = BackToUs(m_dPjack, m_dPjackBase, kKnPerKip);
        m_dPForceCgEnd = BackToUs(m_dPForceCgEnd, m_dPForceCgEndBase, kMetresPerInch);
        m_dPForceCgMid = BackToUs(m_dPForceCgMid, m_dPForceCgMidBase, kMetresPerInch);
    }
    EndDialog(kIdOk);
}

// ---- Drawings -----------------------------------------------------------------------------------

void CStrandPatDlgV3::OnDrawItem(int id, DC& dc, Size client) {
    switch (id) {
        case IDC_PRETENSION_PROFILE:
            ComputeProfileScales(client);
            DrawProfile(dc, client);
            break;
        case IDC_PRETENSION_END_SECTION:
        case IDC_PRETENSION_DRAPE_SECTION:
            // Both sections at the scale that fits the girder-end frame.
            m_dSectionScale = ComputeSectionScale(GetItemClientSize(IDC_PRETENSION_END_SECTION));
            DrawSection(dc, client, id == IDC_PRETENSION_END_SECTION);
            break;
        default:
            break;
    }
}

void CStrandPatDlgV3::ComputeProfileScales(Size client) {
    const double u = Metric() ? 1.0 : 12.0;
    const double width = client.cx - 2.0 * kPictureMargin;
    const double height = client.cy - 2.0 * kPictureMargin;
    const double length = m_dGirderLength * u;
    m_dProfileScaleX = length > 0.0 && width > 0.0 ? std::fabs(width / length) : 0.0;
    m_dProfileScaleY =
        m_dSectionHeight > 0.0 && height > 0.0 ? std::fabs(height / m_dSectionHeight) : 0.0;
    if (!std::isfinite(m_dProfileScaleX)) m_dProfileScaleX = 0.0;
    if (!std::isfinite(m_dProfileScaleY)) m_dProfileScaleY = 0.0;
    if (m_dProfileScaleY > m_dProfileScaleX) {
        if (!m_bExpandVertical) m_dProfileScaleY = m_dProfileScaleX;
    } else {
        m_dProfileScaleX = m_dProfileScaleY;
    }
}

void CStrandPatDlgV3::DrawProfile(DC& dc, Size client) {
    PaintPictureGround(dc, client);
    const double sx = m_dProfileScaleX;
    const double sy = m_dProfileScaleY;
    if (!(sx > 0.0) || !(sy > 0.0)) return;
    const double u = Metric() ? 1.0 : 12.0;
    const double length = m_dGirderLength * u;
    const double h = m_dSectionHeight;
    const int x0 = client.cx / 2 - PicturePixels(length / 2.0 * sx);
    const int y0 = client.cy / 2 + PicturePixels(sy * h / 2.0);
    const Pen black{PenStyle::Solid, 0, kBlack};
    const Brush white{BrushStyle::Solid, kWhite};
    const Pen oldPen = dc.SelectPen(black);
    const Brush oldBrush = dc.SelectBrush(white);
    dc.Rectangle({x0, y0 - PicturePixels(sy * h), x0 + PicturePixels(sx * length), y0});
    if (m_bShowCg) {
        const double d1 =
            ((m_dGirderLength - m_dDesignSpan) / 2.0 + m_dDrapeFraction * m_dDesignSpan) * u;
        const double d2 = length - d1;
        const auto at = [&](double d, double c) {
            return Point{x0 + PicturePixels(sx * d), y0 - PicturePixels(sy * c)};
        };
        dc.SelectPen(Pen{PenStyle::Dot, 0, kCentroidRed});
        const BkMode oldMode = dc.SetBkMode(BkMode::Transparent);
        dc.Polyline(
            {at(0, m_dCgEnd), at(d1, m_dCgDrape), at(d2, m_dCgDrape), at(length, m_dCgEnd)});
        dc.SetBkMode(oldMode);
    }
    dc.SelectPen(oldPen);
    dc.SelectBrush(oldBrush);
}

double CStrandPatDlgV3::ComputeSectionScale(Size client) const {
    if (!m_pDoc) return 0.0;
    const CKordelDoc& doc = *m_pDoc;
    const int n = std::clamp(doc.m_nOutlinePointCount, 0, kMaxOutlinePoints);
    double xmax = 0, ymax = 0, xmin = 9999, ymin = 9999;
    for (int i = 0; i < n; ++i) {
        xmax = std::max(xmax, doc.m_adOutline[i][0]);
        xmin = std::min(xmin, doc.m_adOutline[i][0]);
        ymax = std::max(ymax, doc.m_adOutline[i][1]);
        ymin = std::min(ymin, doc.m_adOutline[i][1]);
    }
    const PictureScale scale = FitPicture(client, kPictureMargin, xmax - xmin, ymax - ymin);
    return std::min(scale.x, scale.y);
}

void CStrandPatDlgV3::DrawSection(DC& dc, Size client, bool atEnd) {
    PaintPictureGround(dc, client);
    const double s = m_dSectionScale;
    if (!(s > 0.0) || !m_pDoc) return;
    const CKordelDoc& doc = *m_pDoc;
    const double h = Metric() ? m_dSectionHeight / kMetresPerInch : m_dSectionHeight;
    const int x0 = client.cx / 2;
    const int y0 = client.cy / 2 + PicturePixels(h / 2.0 * s);
    const auto at = [&](double x, double y) {
        return Point{x0 + PicturePixels(s * x), y0 - PicturePixels(s * y)};
    };
    const Pen black{PenStyle::Solid, 0, kBlack};
    const Brush white{BrushStyle::Solid, kWhite};
    const Pen oldPen = dc.SelectPen(black);
    const Brush oldBrush = dc.SelectBrush(white);

    std::vector<Point> outline;
    if (atEnd) {
        for (int i = 0; i < m_nEndOutlineCount; ++i)
            outline.push_back(at(m_adEndOutline[i][0], m_adEndOutline[i][1]));
    } else {
        const int n = std::clamp(doc.m_nOutlinePointCount, 0, kMaxOutlinePoints);
        for (int i = 0; i < n; ++i)
            outline.push_back(at(doc.m_adOutline[i][0], doc.m_adOutline[i][1]));
    }
    if (outline.size() > 1) dc.Polygon(outline);

    if (!atEnd || !m_bIncludeEndBlocks) {
        const int voids = std::clamp(doc.m_nVoidPointCount, 0, kMaxOutlinePoints);
        std::vector<Point> hole;
        for (int i = 0; i < voids; ++i)
            hole.push_back(at(doc.m_adVoidOutline[i][0], doc.m_adVoidOutline[i][1]));
        if (hole.size() > 1) dc.Polygon(hole);
        const int circles = std::clamp(doc.m_nCircularVoidCount, 0, kMaxCircularVoids);
        for (int i = 0; i < circles; ++i) {
            const double* c = doc.m_adCircularVoid[i];
            const Point a = at(c[kVoidCentreX] - c[kVoidRadius], c[kVoidCentreY] + c[kVoidRadius]);
            const Point b = at(c[kVoidCentreX] + c[kVoidRadius], c[kVoidCentreY] - c[kVoidRadius]);
            dc.Ellipse({a.x, a.y, b.x, b.y});
        }
    }

    dc.SelectBrush(Brush{BrushStyle::Solid, kStrandBlue});
    const double r = kStrandDrawDiameter / 2.0;
    for (int g = 0; g < m_nGroupCount; ++g) {
        const StrandGroup& group = m_aGroups[g];
        const bool straight = group[kGroupElevationEnd] == group[kGroupElevationDrape];
        if (straight ? !m_bShowStraight : !m_bShowDraped) continue;
        const double y = atEnd ? group[kGroupElevationEnd] : group[kGroupElevationDrape];
        const double x = group[kGroupLocation];
        const auto circle = [&](double cx) {
            const Point a = at(cx - r, y + r);
            const Point b = at(cx + r, y - r);
            dc.Ellipse({a.x, a.y, b.x, b.y});
        };
        circle(x);
        if (group[kGroupStrands] != 1.0) circle(-x);
    }
    dc.SelectPen(oldPen);
    dc.SelectBrush(oldBrush);
}

}  // namespace kordel

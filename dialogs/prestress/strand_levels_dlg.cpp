#include "dialogs/prestress/strand_levels_dlg.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "dialogs/prestress/strand_constraints_dlg.h"
#include "dialogs/prestress/strand_pattern_edit.h"
#include "document/kordel_doc.h"
#include "document/unit_conversions.h"

namespace kordel {

using namespace platform::ui;

namespace {

constexpr int IDC_LEVELS_DRAPE_FRAME = 1190;
constexpr int IDC_LEVELS_END_DRAPED_FRAME = 1198;
constexpr int kDrapeHeadings[] = {1186, 1187, 1188};
constexpr int kStraightHeadings[] = {kIdStatic, kIdStatic, kIdStatic};
constexpr int kEndDrapedHeadings[] = {1197, 1200, 1201};

/// Controls of the two draped groups, switched off for a straight pattern.
constexpr int kDrapedControls[] = {
    IDC_LEVELS_DRAPE_FRACTION,
    IDC_LEVELS_XL,
    IDC_LEVELS_END_DRAPED_FRAME,
    kEndDrapedHeadings[0],
    kEndDrapedHeadings[1],
    kEndDrapedHeadings[2],
    IDC_LEVELS_END_DRAPED_HEAD_ELEV,
    IDC_LEVELS_END_DRAPED_LIST,
    IDC_LEVELS_END_DRAPED_LEV,
    IDC_LEVELS_END_DRAPED_CAP,
    IDC_LEVELS_END_DRAPED_QTY,
    IDC_LEVELS_END_DRAPED_ELEV,
    IDC_LEVELS_DRAPE_FRAME,
    kDrapeHeadings[0],
    kDrapeHeadings[1],
    kDrapeHeadings[2],
    IDC_LEVELS_DRAPE_HEAD_ELEV,
    IDC_LEVELS_DRAPE_LIST,
    IDC_LEVELS_DRAPE_LEV,
    IDC_LEVELS_DRAPE_CAP,
    IDC_LEVELS_DRAPE_QTY,
    IDC_LEVELS_DRAPE_ELEV,
};

/// One group's frame at `x`: the headings, the list and the row of the selected level.
void AddGroup(std::vector<ControlTemplate>& c, int x, int frame, const char* title,
              const int (&headings)[3], int elevHeading, int list, int lev, int cap, int qty,
              int elev, bool elevEditable) {
    c.push_back(MakeControl(ControlKind::GroupBox, frame, title, x, 66, 108, 156));
    const char* names[] = {"Lev", "Cap", "Qty"};
    const int at[] = {x + 6, x + 24, x + 42};
    for (int i = 0; i < 3; ++i)
        c.push_back(MakeControl(ControlKind::Label, headings[i], names[i], at[i], 78, 18, 9));
    c.push_back(MakeControl(ControlKind::Label, elevHeading, "Elev,IN", x + 66, 78, 36, 9));
    c.push_back(MakeControl(ControlKind::ListBox, list, "", x + 4, 88, 100, 94));
    c.push_back(MakeControl(ControlKind::SunkenFrame, lev, "", x + 4, 190, 18, 12, kStyleRight));
    c.push_back(MakeControl(ControlKind::SunkenFrame, cap, "", x + 24, 190, 18, 12, kStyleRight));
    c.push_back(MakeControl(ControlKind::Edit, qty, "", x + 44, 190, 22, 12));
    c.push_back(elevEditable ? MakeControl(ControlKind::Edit, elev, "", x + 68, 190, 36, 12)
                             : MakeControl(ControlKind::SunkenFrame, elev, "", x + 68, 190, 36, 12,
                                           kStyleRight));
}

}  // namespace

const DialogTemplate& CStrandPatDlg::Template() {
    static const DialogTemplate t = [] {
        DialogTemplate d;
        d.id = IDD_STRAND_PATTERN;
        d.caption = "Strand Pattern";
        d.size = {363, 279};
        std::vector<ControlTemplate> c = {
            MakeControl(ControlKind::Label, kIdStatic, "Section:", 7, 7, 30, 9),
            MakeControl(ControlKind::SunkenFrame, IDC_LEVELS_SECTION, "", 40, 5, 110, 12),
            MakeControl(ControlKind::Label, kIdStatic, "Strand Type:", 160, 7, 46, 9),
            MakeControl(ControlKind::SunkenFrame, IDC_LEVELS_STRAND, "", 208, 5, 110, 12),
            MakeControl(ControlKind::GroupBox, kIdStatic, "Pattern Profile", 7, 22, 160, 32),
            MakeControl(ControlKind::RadioButton, IDC_LEVELS_STRAIGHT, "Straight", 13, 36, 44, 10,
                        kStyleGroup),
            MakeControl(ControlKind::RadioButton, IDC_LEVELS_DRAPED, "Drape @:", 60, 36, 44, 10),
            MakeControl(ControlKind::Edit, IDC_LEVELS_DRAPE_FRACTION, "", 106, 34, 32, 12),
            MakeControl(ControlKind::Label, IDC_LEVELS_XL, "x L", 141, 36, 20, 9, kStyleDisabled),
            MakeControl(ControlKind::GroupBox, kIdStatic, "Strand Pull Fraction", 172, 22, 184, 32),
            MakeControl(ControlKind::Label, kIdStatic, "Top:", 178, 36, 18, 9),
            MakeControl(ControlKind::Edit, IDC_LEVELS_TOP_PULL, "", 198, 34, 32, 12),
            MakeControl(ControlKind::Label, kIdStatic, "x fpu", 233, 36, 20, 9),
            MakeControl(ControlKind::Label, kIdStatic, "Balance:", 258, 36, 32, 9),
            MakeControl(ControlKind::Edit, IDC_LEVELS_BALANCE_PULL, "", 292, 34, 32, 12),
            MakeControl(ControlKind::Label, kIdStatic, "x fpu", 327, 36, 20, 9),
            MakeControl(ControlKind::GroupBox, kIdStatic, "@ Beam End:", 7, 56, 230, 172),
            MakeControl(ControlKind::GroupBox, kIdStatic, "@ Drape Point:", 241, 56, 115, 172),
        };
        AddGroup(c, 12, kIdStatic, "Straight Group", kStraightHeadings,
                 IDC_LEVELS_STRAIGHT_HEAD_ELEV, IDC_LEVELS_STRAIGHT_LIST, IDC_LEVELS_STRAIGHT_LEV,
                 IDC_LEVELS_STRAIGHT_CAP, IDC_LEVELS_STRAIGHT_QTY, IDC_LEVELS_STRAIGHT_ELEV, false);
        AddGroup(c, 124, IDC_LEVELS_END_DRAPED_FRAME, "Draped Group", kEndDrapedHeadings,
                 IDC_LEVELS_END_DRAPED_HEAD_ELEV, IDC_LEVELS_END_DRAPED_LIST,
                 IDC_LEVELS_END_DRAPED_LEV, IDC_LEVELS_END_DRAPED_CAP, IDC_LEVELS_END_DRAPED_QTY,
                 IDC_LEVELS_END_DRAPED_ELEV, false);
        AddGroup(c, 245, IDC_LEVELS_DRAPE_FRAME, "Draped Group", kDrapeHeadings,
                 IDC_LEVELS_DRAPE_HEAD_ELEV, IDC_LEVELS_DRAPE_LIST, IDC_LEVELS_DRAPE_LEV,
                 IDC_LEVELS_DRAPE_CAP, IDC_LEVELS_DRAPE_QTY, IDC_LEVELS_DRAPE_ELEV, true);
        const std::vector<ControlTemplate> tail = {
            MakeControl(ControlKind::Label, kIdStatic, "Quantities:", 7, 236, 40, 9),
            MakeControl(ControlKind::Label, kIdStatic, "No:", 50, 236, 14, 9),
            MakeControl(ControlKind::SunkenFrame, IDC_LEVELS_COUNT, "", 66, 234, 22, 12,
                        kStyleRight),
            MakeControl(ControlKind::Label, IDC_LEVELS_LENGTH_LABEL, "LF:", 94, 236, 16, 9),
            MakeControl(ControlKind::SunkenFrame, IDC_LEVELS_LENGTH, "99999.9", 112, 234, 38, 12,
                        kStyleRight),
            MakeControl(ControlKind::Label, IDC_LEVELS_CG_LABEL, "c.g., IN:", 158, 236, 34, 9),
            MakeControl(ControlKind::Label, kIdStatic, "@ End:", 194, 236, 26, 9),
            MakeControl(ControlKind::SunkenFrame, IDC_LEVELS_CG_END, "", 222, 234, 34, 12,
                        kStyleRight),
            MakeControl(ControlKind::Label, kIdStatic, "@ Dpt:", 262, 236, 26, 9),
            MakeControl(ControlKind::SunkenFrame, IDC_LEVELS_CG_DRAPE, "", 290, 234, 34, 12,
                        kStyleRight),
            MakeControl(ControlKind::PushButton, IDC_LEVELS_CLEAR, "Clear Pattern", 7, 258, 58, 14),
            MakeControl(ControlKind::PushButton, IDC_LEVELS_DESIGN, "Design Pattern", 69, 258, 62,
                        14),
            MakeControl(ControlKind::PushButton, IDC_LEVELS_BACK, "< Back", 140, 258, 50, 14,
                        kStyleHidden),
            MakeControl(ControlKind::PushButton, IDC_LEVELS_NEXT, "Next >", 190, 258, 50, 14,
                        kStyleHidden),
            MakeControl(ControlKind::DefPushButton, kIdOk, "OK", 250, 258, 50, 14, kStyleGroup),
            MakeControl(ControlKind::PushButton, kIdCancel, "Cancel", 306, 258, 50, 14),
        };
        c.insert(c.end(), tail.begin(), tail.end());
        d.controls = c;
        return d;
    }();
    return t;
}

CStrandPatDlg::CStrandPatDlg() : Dialog(Template()) {
    m_commands.On(IDC_LEVELS_STRAIGHT, [this] { OnStraight(); });
    m_commands.On(IDC_LEVELS_DRAPED, [this] { OnDraped(); });
    m_commands.On(IDC_LEVELS_CLEAR, [this] { OnClear(); });
    m_commands.On(IDC_LEVELS_DESIGN, [this] { OnDesignPattern(); });
    OnNotify(Notification::SelChange, IDC_LEVELS_STRAIGHT_LIST, [this] { OnSelChange(kStraight); });
    OnNotify(Notification::SelChange, IDC_LEVELS_END_DRAPED_LIST,
             [this] { OnSelChange(kDrapedEnd); });
    OnNotify(Notification::SelChange, IDC_LEVELS_DRAPE_LIST, [this] { OnSelChange(kDrapePoint); });
    const std::pair<int, List> edits[] = {{IDC_LEVELS_STRAIGHT_QTY, kStraight},
                                          {IDC_LEVELS_END_DRAPED_QTY, kDrapedEnd},
                                          {IDC_LEVELS_DRAPE_QTY, kDrapePoint}};
    for (auto [id, list] : edits) {
        OnNotify(Notification::KillFocus, id, [this, list = list] {
            if (!StoreLevel(list)) return;
            FillLists();
            ComputeTotals();
            UpdateData(false);
        });
    }
}

void CStrandPatDlg::DoDataExchange(DataExchange& dx) {
    dx.Text(IDC_LEVELS_SECTION, m_strSectionName);
    dx.Text(IDC_LEVELS_STRAND, m_strStrandName);
    dx.Double(IDC_LEVELS_TOP_PULL, m_dTopPull);
    dx.Double(IDC_LEVELS_BALANCE_PULL, m_dBalancePull, 0.0, 1.0);
    dx.Double(IDC_LEVELS_DRAPE_FRACTION, m_dDrapeFraction, 0.0, 0.5);
    dx.Double(IDC_LEVELS_STRAIGHT_QTY, m_dStraightQty, 0.0, 999.0);
    dx.Double(IDC_LEVELS_END_DRAPED_QTY, m_dDrapedEndQty, 0.0, 999.0);
    dx.Double(IDC_LEVELS_DRAPE_QTY, m_dDrapePointQty, 0.0, 999.0);
    dx.Double(IDC_LEVELS_DRAPE_ELEV, m_dDrapePointElev, 0.0, 999.0);
    dx.Text(IDC_LEVELS_STRAIGHT_LEV, m_strStraightLev);
    dx.Text(IDC_LEVELS_STRAIGHT_CAP, m_strStraightCap);
    dx.Text(IDC_LEVELS_STRAIGHT_ELEV, m_strStraightElev);
    dx.Text(IDC_LEVELS_END_DRAPED_LEV, m_strEndDrapedLev);
    dx.Text(IDC_LEVELS_END_DRAPED_CAP, m_strEndDrapedCap);
    dx.Text(IDC_LEVELS_END_DRAPED_ELEV, m_strEndDrapedElev);
    dx.Text(IDC_LEVELS_DRAPE_LEV, m_strDrapeLev);
    dx.Text(IDC_LEVELS_DRAPE_CAP, m_strDrapeCap);
    dx.Text(IDC_LEVELS_COUNT, m_strCount);
    dx.Text(IDC_LEVELS_LENGTH, m_strLength);
    dx.Text(IDC_LEVELS_CG_END, m_strCgEnd);
    dx.Text(IDC_LEVELS_CG_DRAPE, m_strCgDrape);
}

void CStrandPatDlg::CopyIn(CKordelDoc& doc) {
    m_pDoc = &doc;
    m_nDlgState = doc.m_nStrandPatternDlgState;
    m_nPatternType = doc.m_nPatternType;
    m_dGirderLength = doc.m_dGirderLength;
    m_dDesignSpan = doc.m_dDesignSpan;
    m_nRowCount = std::clamp(doc.m_nTemplateRowCount, 0, kMaxPatternRows);
    std::copy(&doc.m_adStrandTemplate[0][0],
              &doc.m_adStrandTemplate[0][0] + kMaxPatternRows * kMaxPatternColumns,
              &m_adTemplate[0][0]);
    std::copy(std::begin(doc.m_aEndRows), std::end(doc.m_aEndRows), m_aEndRows);
    std::copy(std::begin(doc.m_aDrapeRows), std::end(doc.m_aDrapeRows), m_aDrapeRows);
    m_nStrandCount = doc.m_nStrandCount;
    m_dCgEnd = doc.m_dStrandCgEnd;
    m_dCgDrape = doc.m_dStrandCgMid;
    m_dTotalLength = doc.m_adGirderTotals[kTotalStrandLength];
    m_nUnits = doc.m_nUnits;
    m_dTopPull = doc.m_dTopPullFraction;
    m_dBalancePull = doc.m_dPullFraction;
    m_dDrapeFraction = doc.m_dDrapeFraction;
    m_strSectionName = doc.m_strSectionName;
    m_strStrandName = doc.m_strStrandName;
}

void CStrandPatDlg::CopyBack(CKordelDoc& doc, bool topPull) const {
    doc.m_nStrandPatternDlgState = m_nDlgState;
    doc.m_dPullFraction = m_dBalancePull;
    if (topPull) doc.m_dTopPullFraction = m_dTopPull;
    doc.m_nPatternType = m_nPatternType;
    doc.m_dDrapeFraction = m_dDrapeFraction;
    doc.m_nTemplateRowCount = m_nRowCount;
    for (int r = 0; r < m_nRowCount; ++r) {
        doc.m_aEndRows[r] = m_aEndRows[r];
        doc.m_aDrapeRows[r] = m_aDrapeRows[r];
    }
    doc.m_nStrandCount = m_nStrandCount;
    doc.m_dStrandCgEnd = m_dCgEnd;
    doc.m_dStrandCgMid = m_dCgDrape;
    doc.m_adGirderTotals[kTotalStrandLength] = m_dTotalLength;
}

double CStrandPatDlg::Shown(double inches) const {
    return m_nUnits == 1 ? inches : inches * kMetresPerInch;
}

std::string CStrandPatDlg::Line(List list, int r) const {
    const double capacity =
        m_adTemplate[r][list == kStraight ? kTemplatePositions : kTemplateDrapedPositions];
    const double quantity = list == kStraight    ? m_aEndRows[r][kRowStraightCount]
                            : list == kDrapedEnd ? m_aEndRows[r][kRowDrapedCount]
                                                 : m_aDrapeRows[r][kRowDrapedCount];
    const double elevation = list == kDrapePoint ? m_aDrapeRows[r][kRowDrapedElevation]
                                                 : m_aEndRows[r][kRowStraightElevation];
    return FormatCount("%2.0d", r + 1) + "\t" + FormatValue("%3.0f", capacity) + "\t" +
           FormatValue("%3.0f", quantity) + "\t" + FormatValue("%6.3f", Shown(elevation));
}

void CStrandPatDlg::FillLists() {
    const std::pair<int, List> lists[] = {{IDC_LEVELS_STRAIGHT_LIST, kStraight},
                                          {IDC_LEVELS_END_DRAPED_LIST, kDrapedEnd},
                                          {IDC_LEVELS_DRAPE_LIST, kDrapePoint}};
    const bool draped = m_nPatternType == 2;
    for (auto [id, list] : lists) {
        ResetContent(id);
        SetTabStops(id, {18, 36, 60});
        for (int line = 0; line < m_nRowCount; ++line) AddString(id, Line(list, RowOfLine(line)));
    }
    SetCurSel(IDC_LEVELS_STRAIGHT_LIST, m_nStraightLevel);
    SetCurSel(IDC_LEVELS_END_DRAPED_LIST, draped ? m_nDrapedEndLevel : -1);
    SetCurSel(IDC_LEVELS_DRAPE_LIST, draped ? m_nDrapePointLevel : -1);
}

void CStrandPatDlg::ShowLevel(List list) {
    const int line = list == kStraight    ? m_nStraightLevel
                     : list == kDrapedEnd ? m_nDrapedEndLevel
                                          : m_nDrapePointLevel;
    const int r = RowOfLine(line);
    if (r < 0 || r >= m_nRowCount) return;
    const std::string lev = FormatCount("%2.0d", r + 1);
    switch (list) {
        case kStraight:
            m_strStraightLev = lev;
            m_strStraightCap = FormatValue("%2.0f", m_adTemplate[r][kTemplatePositions]);
            m_strStraightElev = FormatValue("%6.3f", Shown(m_aEndRows[r][kRowStraightElevation]));
            m_dStraightQty = std::trunc(m_aEndRows[r][kRowStraightCount]);
            break;
        case kDrapedEnd:
            m_strEndDrapedLev = lev;
            m_strEndDrapedCap = FormatValue("%2.0f", m_adTemplate[r][kTemplateDrapedPositions]);
            m_strEndDrapedElev = FormatValue("%6.3f", Shown(m_aEndRows[r][kRowStraightElevation]));
            m_dDrapedEndQty = std::trunc(m_aEndRows[r][kRowDrapedCount]);
            break;
        case kDrapePoint:
            m_strDrapeLev = lev;
            m_strDrapeCap = FormatValue("%2.0f", m_adTemplate[r][kTemplateDrapedPositions]);
            m_dDrapePointQty = std::trunc(m_aDrapeRows[r][kRowDrapedCount]);
            m_dDrapePointElev = Shown(m_aDrapeRows[r][kRowDrapedElevation]);
            break;
    }
}

bool CStrandPatDlg::StoreLevel(List list) {
    if (!UpdateData(true)) return false;
    const int line = list == kStraight    ? m_nStraightLevel
                     : list == kDrapedEnd ? m_nDrapedEndLevel
                                          : m_nDrapePointLevel;
    const int r = RowOfLine(line);
    if (r < 0 || r >= m_nRowCount) return true;
    switch (list) {
        case kStraight:
            // An edit that still shows the truncated count keeps the stored one.
            if (m_dStraightQty != std::trunc(m_aEndRows[r][kRowStraightCount]))
                m_aEndRows[r][kRowStraightCount] = m_aDrapeRows[r][kRowStraightCount] =
                    m_dStraightQty;
            break;
        case kDrapedEnd:
            if (m_dDrapedEndQty != std::trunc(m_aEndRows[r][kRowDrapedCount]))
                m_aEndRows[r][kRowDrapedCount] = m_dDrapedEndQty;
            break;
        case kDrapePoint:
            if (m_dDrapePointQty != std::trunc(m_aDrapeRows[r][kRowDrapedCount]))
                m_aDrapeRows[r][kRowDrapedCount] = m_dDrapePointQty;
            if (m_dDrapePointElev != Shown(m_aDrapeRows[r][kRowDrapedElevation]))
                m_aDrapeRows[r][kRowDrapedElevation] =
                    m_nUnits == 1 ? m_dDrapePointElev : m_dDrapePointElev / kMetresPerInch;
            break;
    }
    return true;
}

void CStrandPatDlg::ComputeTotals() {
    const PatternTotals end = PatternCountAndCentroid(m_aEndRows, m_nRowCount);
    const PatternTotals drape = PatternCountAndCentroid(m_aDrapeRows, m_nRowCount);
    m_dEndCount = end.count;
    m_dDrapeCount = drape.count;
    m_dCgEnd = end.centroid;
    m_dCgDrape = drape.centroid;
    m_dTotalLength = TotalStrandLength(m_dEndCount, m_dGirderLength, m_dDesignSpan,
                                       m_dDrapeFraction, m_dCgEnd, m_dCgDrape, false);
    const bool metric = m_nUnits != 1;
    m_strCount = FormatValue("%2.0f", m_dEndCount);
    m_strCgEnd = FormatValue("%6.3f", Shown(m_dCgEnd));
    m_strCgDrape = FormatValue("%6.3f", Shown(m_dCgDrape));
    m_strLength = FormatValue("%7.1f", metric ? m_dTotalLength * kMetresPerFoot : m_dTotalLength);
}

void CStrandPatDlg::SetDrapedControls(bool on) {
    for (int id : kDrapedControls) EnableItem(id, on);
}

void CStrandPatDlg::ResetSelection() {
    // The bottom straight level, the top draped level at the end, the bottom drape-point level.
    m_nStraightLevel = std::max(m_nRowCount - 1, 0);
    m_nDrapedEndLevel = 0;
    m_nDrapePointLevel = std::max(m_nRowCount - 1, 0);
    ShowLevel(kStraight);
    ShowLevel(kDrapedEnd);
    ShowLevel(kDrapePoint);
}

bool CStrandPatDlg::OnInitDialog() {
    Dialog::OnInitDialog();
    m_nRowCount = std::clamp(m_nRowCount, 0, kMaxPatternRows);
    if (m_nUnits != 1) {
        for (int id : {IDC_LEVELS_STRAIGHT_HEAD_ELEV, IDC_LEVELS_END_DRAPED_HEAD_ELEV,
                       IDC_LEVELS_DRAPE_HEAD_ELEV})
            SetDlgItemText(id, "Elev,m");
        SetDlgItemText(IDC_LEVELS_LENGTH_LABEL, "Lm");
        SetDlgItemText(IDC_LEVELS_CG_LABEL, "c.g.,m");
    }
    const bool draped = m_nPatternType == 2;
    CheckRadioButton(draped ? IDC_LEVELS_DRAPED : IDC_LEVELS_STRAIGHT);
    SetDrapedControls(draped);
    ResetSelection();
    FillLists();
    ComputeTotals();
    UpdateData(false);
    return true;
}

void CStrandPatDlg::OnSelChange(List list) {
    if (!StoreLevel(list)) return;
    const int id = list == kStraight    ? IDC_LEVELS_STRAIGHT_LIST
                   : list == kDrapedEnd ? IDC_LEVELS_END_DRAPED_LIST
                                        : IDC_LEVELS_DRAPE_LIST;
    const int selected = GetCurSel(id);
    if (selected >= 0 && selected < m_nRowCount) {
        (list == kStraight    ? m_nStraightLevel
         : list == kDrapedEnd ? m_nDrapedEndLevel
                              : m_nDrapePointLevel) = selected;
        ShowLevel(list);
    }
    FillLists();
    ComputeTotals();
    UpdateData(false);
    GotoDlgCtrl(list == kStraight    ? IDC_LEVELS_STRAIGHT_QTY
                : list == kDrapedEnd ? IDC_LEVELS_END_DRAPED_QTY
                                     : IDC_LEVELS_DRAPE_QTY);
}

void CStrandPatDlg::OnStraight() {
    UpdateData(true);
    m_nPatternType = 1;
    m_dDrapeFraction = 0;
    SetDrapedControls(false);
    for (int r = 0; r < m_nRowCount; ++r) {
        m_aEndRows[r][kRowDrapedCount] = 0;
        m_aDrapeRows[r][kRowDrapedCount] = 0;
    }
    m_nDrapedEndLevel = 0;
    m_nDrapePointLevel = std::max(m_nRowCount - 1, 0);
    ShowLevel(kDrapedEnd);
    ShowLevel(kDrapePoint);
    FillLists();
    ComputeTotals();
    UpdateData(false);
}

void CStrandPatDlg::OnDraped() {
    UpdateData(true);
    m_nPatternType = 2;
    m_dDrapeFraction = 0.45;
    SetDrapedControls(true);
    FillLists();
    ComputeTotals();
    UpdateData(false);
}

void CStrandPatDlg::OnClear() {
    if (!AskYesNo(kClearPatternQuestion)) return;
    for (int r = 0; r < kMaxPatternRows; ++r) {
        m_aEndRows[r][kRowStraightCount] = m_aEndRows[r][kRowDrapedCount] = 0;
        m_aDrapeRows[r][kRowStraightCount] = m_aDrapeRows[r][kRowDrapedCount] = 0;
    }
    ResetSelection();
    FillLists();
    ComputeTotals();
    UpdateData(false);
}

void CStrandPatDlg::OnDesignPattern() {
    if (!UpdateData(true) || !m_pDoc) return;
    CStrandPatParamDlg constraints;
    constraints.m_nUnits = m_nUnits;
    constraints.m_nPatternType = m_nPatternType;
    if (constraints.DoModal() != kIdOk) return;
    CKordelDoc& doc = *m_pDoc;
    if (m_nPatternType == 2 && constraints.m_nDrapedSpacing == kDrapedTouching) {
        const int rows = doc.m_nTemplateRowCount - (constraints.m_bIncludeTopStrands ? 1 : 0);
        StackDrapedStrands(m_aDrapeRows, rows, doc.m_dStrandDiameter, doc.m_dSectionHeight);
    }
    CopyBack(doc, true);
    doc.m_bDesignIncludeTopStrands = constraints.m_bIncludeTopStrands;
    doc.m_dDesignTopStrandCount = constraints.m_dTopStrandCount;
    doc.DesignStrandPattern();
    m_bDesignRan = 1;
    CopyIn(doc);
    ResetSelection();
    FillLists();
    ComputeTotals();
    UpdateData(false);
}

void CStrandPatDlg::OnOK() {
    if (!UpdateData(true)) return;
    for (List list : {kStraight, kDrapedEnd, kDrapePoint}) {
        if (!StoreLevel(list)) return;
    }
    // A draped pattern needs its drape point, as in the pretensioning dialog.
    if (m_nPatternType == 2 && !AcceptDrapeFraction(*this, m_dDrapeFraction)) return;
    const std::string refusal =
        CheckPatternCounts(m_aEndRows, m_aDrapeRows, m_adTemplate, m_nRowCount);
    if (!refusal.empty()) {
        MessageBox(refusal, platform::MsgButtons::Ok, platform::MsgIcon::Error);
        return;
    }
    ComputeTotals();
    if (const char* countRefusal = PatternCountRefusal(m_dEndCount, m_dDrapeCount)) {
        MessageBox(countRefusal, platform::MsgButtons::Ok, platform::MsgIcon::Error);
        return;
    }
    m_nStrandCount = static_cast<int>(m_dEndCount);
    UpdateData(false);
    EndDialog(kIdOk);
}

}  // namespace kordel

#include "dialogs/prestress/debonding_dlg.h"

#include <algorithm>
#include <cstdio>

#include "app/input_commands.h"
#include "dialogs/prestress/detension_sequence_dlg.h"
#include "document/kordel_doc.h"
#include "document/unit_conversions.h"
#include "engine/core/strand_groups.h"
#include "report/format.h"

namespace kordel {

using namespace platform::ui;

namespace {

std::string Format(const char* format, double value) {
    return FormatValue(format, value);
}

std::string FormatGroupNumber(int number) {
    return FormatCount("%2.0d", number);
}

/// "=%5.1f%%  (Limit=%3.0f%%)"
std::string PercentText(double percent, double limit) {
    char text[96];
    std::snprintf(text, sizeof text, "=%5.1f%%  (Limit=%3.0f%%)", percent, limit);
    return text;
}

/// The values of a group and the conversion each takes for a metric design.
struct GroupValueUnit {
    int value;
    UnitConversion convert;
};
constexpr GroupValueUnit kGroupUnits[] = {
    {kGroupElevationEnd, ConvertInchesMeters}, {kGroupElevationDrape, ConvertInchesMeters},
    {kGroupDebondEnd, ConvertFeetMeters},      {kGroupDebondMid, ConvertFeetMeters},
    {kGroupLocation, ConvertInchesMeters},
};

}  // namespace

// ---- Debonding Design Constraints --------------------------------------------------------------

const DialogTemplate& CDebondingConstraintsDlg::Template() {
    static const DialogTemplate t = [] {
        DialogTemplate d;
        d.id = IDD_DEBONDING_DESIGN_CONSTRAINTS;
        d.caption = "Debonding Design Constraints";
        d.size = {186, 56};
        d.controls = {
            MakeControl(ControlKind::Label, IDC_DEBOND_INCREMENT_LABEL,
                        "Debonding increment,FT:", 7, 11, 96, 9),
            MakeControl(ControlKind::Edit, IDC_DEBOND_INCREMENT, "", 106, 9, 50, 12),
            MakeControl(ControlKind::DefPushButton, kIdOk, "OK", 38, 35, 50, 14, kStyleGroup),
            MakeControl(ControlKind::PushButton, kIdCancel, "Cancel", 98, 35, 50, 14),
        };
        return d;
    }();
    return t;
}

CDebondingConstraintsDlg::CDebondingConstraintsDlg() : Dialog(Template()) {}

void CDebondingConstraintsDlg::DoDataExchange(DataExchange& dx) {
    dx.Double(IDC_DEBOND_INCREMENT, m_dIncrement);
}

bool CDebondingConstraintsDlg::OnInitDialog() {
    Dialog::OnInitDialog();
    if (m_nUnits != 1) SetDlgItemText(IDC_DEBOND_INCREMENT_LABEL, "Debonding increment, m:");
    return true;
}

void CDebondingConstraintsDlg::OnOK() {
    if (!UpdateData(true)) return;
    // The design steps along the girder by this length: with none it would never get on.
    const OkCheck checks[] = {
        {[this] { return !(m_dIncrement > 0.0); }, kStepMessage, platform::MsgButtons::Ok,
         platform::MsgIcon::Warning, IDC_DEBOND_INCREMENT},
    };
    if (!PassChecks(checks)) return;
    EndDialog(kIdOk);
}

// ---- Debonding Pattern and Detensioning --------------------------------------------------------

const DialogTemplate& CDebondingDlg::Template() {
    static const DialogTemplate t = [] {
        DialogTemplate d;
        d.id = IDD_DEBONDING_DETENSIONING;
        d.caption = "Debonding Pattern and Detensioning";
        d.size = {269, 330};
        const int head = 19;  // headings of the top line
        const int line = 30;  // the top line
        d.controls = {
            MakeControl(ControlKind::Label, kIdStatic, "Grp", 7, head, 20, 9, kStyleCenter),
            MakeControl(ControlKind::Label, kIdStatic, "No.", 29, head, 20, 9, kStyleCenter),
            MakeControl(ControlKind::GroupBox, IDC_DEBOND_ELEVATION_LABEL, "Elevation, in", 52, 7,
                        86, 41),
            MakeControl(ControlKind::Label, kIdStatic, "@ end", 57, head, 36, 9, kStyleCenter),
            MakeControl(ControlKind::Label, kIdStatic, "@ drape", 97, head, 36, 9, kStyleCenter),
            MakeControl(ControlKind::GroupBox, IDC_DEBOND_DEBONDING_LABEL, "Debonding, ft", 143, 7,
                        86, 41),
            MakeControl(ControlKind::Label, kIdStatic, "End", 148, head, 36, 9, kStyleCenter),
            MakeControl(ControlKind::Label, kIdStatic, "Mid", 188, head, 36, 9, kStyleCenter),
            MakeControl(ControlKind::SunkenFrame, IDC_DEBOND_GROUP, "", 7, line, 20, 12,
                        kStyleCenter),
            MakeControl(ControlKind::SunkenFrame, IDC_DEBOND_STRANDS, "", 29, line, 20, 12,
                        kStyleCenter),
            MakeControl(ControlKind::SunkenFrame, IDC_DEBOND_ELEVATION_END, "", 57, line, 36, 12,
                        kStyleCenter),
            MakeControl(ControlKind::SunkenFrame, IDC_DEBOND_ELEVATION_DRAPE, "", 97, line, 36, 12,
                        kStyleCenter),
            MakeControl(ControlKind::Edit, IDC_DEBOND_END, "", 148, line, 36, 12),
            MakeControl(ControlKind::Edit, IDC_DEBOND_MID, "", 188, line, 36, 12),

            MakeControl(ControlKind::Label, kIdStatic, "Pull", 180, 54, 32, 9, kStyleCenter),
            MakeControl(ControlKind::Label, kIdStatic, "Fraction", 180, 63, 32, 9, kStyleCenter),
            MakeControl(ControlKind::Label, kIdStatic, "Horiz", 214, 54, 40, 9, kStyleCenter),
            MakeControl(ControlKind::Label, IDC_DEBOND_LOCATION_LABEL, "Loc, in", 214, 63, 40, 9,
                        kStyleCenter),
            MakeControl(ControlKind::ListBox, IDC_DEBOND_GROUPS, "", 7, 74, 255, 150),

            MakeControl(ControlKind::Label, kIdStatic, "Total No. Debonded:", 7, 234, 72, 9),
            MakeControl(ControlKind::SunkenFrame, IDC_DEBOND_TOTAL_COUNT, "", 82, 232, 24, 12,
                        kStyleCenter),
            MakeControl(ControlKind::Label, IDC_DEBOND_TOTAL_PERCENT, "", 110, 234, 92, 9),
            MakeControl(ControlKind::Label, kIdStatic, "Max. Debond in Row:", 7, 250, 72, 9),
            MakeControl(ControlKind::SunkenFrame, IDC_DEBOND_ROW_COUNT, "", 82, 248, 24, 12,
                        kStyleCenter),
            MakeControl(ControlKind::Label, IDC_DEBOND_ROW_PERCENT, "", 110, 250, 92, 9),
            MakeControl(ControlKind::Label, IDC_DEBOND_LENGTH_LABEL, "LF Debonding:", 7, 266, 72,
                        9),
            MakeControl(ControlKind::SunkenFrame, IDC_DEBOND_LENGTH, "", 82, 264, 40, 12,
                        kStyleRight),
            MakeControl(ControlKind::PushButton, IDC_DEBOND_CLEAR, "Clear", 212, 231, 50, 14),
            MakeControl(ControlKind::PushButton, IDC_DEBOND_DESIGN, "Design...", 212, 249, 50, 14),

            MakeControl(ControlKind::GroupBox, kIdStatic, "Detensioning", 7, 282, 255, 26),
            MakeControl(ControlKind::CheckBox, IDC_DEBOND_CHECK_DETENSIONING, "Check Detensioning",
                        15, 293, 90, 10),
            MakeControl(ControlKind::PushButton, IDC_DEBOND_SEQUENCE, "Detensioning Sequence...",
                        142, 290, 112, 14),

            MakeControl(ControlKind::DefPushButton, kIdOk, "OK", 156, 312, 50, 14, kStyleGroup),
            MakeControl(ControlKind::PushButton, kIdCancel, "Cancel", 212, 312, 50, 14),
        };
        return d;
    }();
    return t;
}

CDebondingDlg::CDebondingDlg() : Dialog(Template()) {
    OnNotify(Notification::SelChange, IDC_DEBOND_GROUPS, [this] { OnSelChangeGroups(); });
    m_commands.On(IDC_DEBOND_CLEAR, [this] { OnClear(); });
    m_commands.On(IDC_DEBOND_DESIGN, [this] { OnDesign(); });
    m_commands.On(IDC_DEBOND_CHECK_DETENSIONING, [this] {
        m_bCheckDetensioning = IsDlgButtonChecked(IDC_DEBOND_CHECK_DETENSIONING) ? 1 : 0;
    });
    m_commands.On(IDC_DEBOND_SEQUENCE, [this] { OnDetensioningSequence(); });
}

void CDebondingDlg::DoDataExchange(DataExchange& dx) {
    dx.Text(IDC_DEBOND_GROUP, m_strGroup);
    dx.Text(IDC_DEBOND_STRANDS, m_strStrands);
    dx.Text(IDC_DEBOND_ELEVATION_END, m_strElevationEnd);
    dx.Text(IDC_DEBOND_ELEVATION_DRAPE, m_strElevationDrape);
    dx.Double(IDC_DEBOND_END, m_dEndDebond);
    dx.Double(IDC_DEBOND_MID, m_dMidDebond);
    dx.Text(IDC_DEBOND_LENGTH, m_strLength);
    dx.Text(IDC_DEBOND_TOTAL_COUNT, m_strTotalCount);
    dx.Text(IDC_DEBOND_TOTAL_PERCENT, m_strTotalPercent);
    dx.Text(IDC_DEBOND_ROW_COUNT, m_strRowCount);
    dx.Text(IDC_DEBOND_ROW_PERCENT, m_strRowPercent);
    dx.Check(IDC_DEBOND_CHECK_DETENSIONING, m_bCheckDetensioning);
}

int CDebondingDlg::UsedGroups() const {
    return std::clamp(m_nGroupCount, 0, kMaxStrandGroups);
}

bool CDebondingDlg::OnInitDialog() {
    Dialog::OnInitDialog();
    std::copy(std::begin(m_aGroups), std::end(m_aGroups), m_aGroupsIn);
    m_dDebondLengthStepIn = m_dDebondLengthStep;
    m_dDebondedLengthIn = m_dDebondedLength;
    if (Metric()) {
        SetDlgItemText(IDC_DEBOND_ELEVATION_LABEL, "Elevation, m");
        SetDlgItemText(IDC_DEBOND_DEBONDING_LABEL, "Debonding, m");
        SetDlgItemText(IDC_DEBOND_LENGTH_LABEL, "Lm Debonding");
        SetDlgItemText(IDC_DEBOND_LOCATION_LABEL, "Loc, m");
        ToShownUnits(true);
    }
    m_nCurGroup = 0;
    FillGroupList();
    UpdateTotals();
    m_bCheckDetensioning = m_bCheckDetensioning ? 1 : 0;
    UpdateData(false);
    return true;
}

void CDebondingDlg::ToShownUnits(bool withStep) {
    const UnitExchange units(m_nUnits == 1 ? kUnitsUS : kUnitsMetric);
    for (int g = 0; g < UsedGroups(); ++g) {
        for (const GroupValueUnit& v : kGroupUnits)
            m_aGroups[g][v.value] = units.In(m_aGroupsIn[g][v.value], v.convert);
    }
    m_dDebondedLength = units.In(m_dDebondedLengthIn, ConvertFeetMeters);
    if (withStep) m_dDebondLengthStep = units.In(m_dDebondLengthStepIn, ConvertFeetMeters);
}

std::string CDebondingDlg::GroupLine(int g) const {
    const StrandGroup& G = m_aGroups[g];
    return FormatGroupNumber(g + 1) + "\t" + Format("%2.0f", G[kGroupStrands]) + "\t" +
           Format("%6.3f", G[kGroupElevationEnd]) + "\t" +
           Format("%6.3f", G[kGroupElevationDrape]) + "\t" + Format("%6.3f", G[kGroupDebondEnd]) +
           "\t" + Format("%6.3f", G[kGroupDebondMid]) + "\t" +
           Format("%6.4f", G[kGroupPullFraction]) + "\t" + Format("%6.3f", G[kGroupLocation]);
}

void CDebondingDlg::ShowGroup(int g) {
    if (g < 0 || g >= UsedGroups()) {
        // No group to show (a pattern without strands): an empty top line.
        m_strGroup = m_strStrands = m_strElevationEnd = m_strElevationDrape = "";
        m_dEndDebond = m_dMidDebond = 0.0;
        return;
    }
    const StrandGroup& G = m_aGroups[g];
    m_strGroup = FormatGroupNumber(g + 1);
    m_strStrands = Format("%2.0f", G[kGroupStrands]);
    m_strElevationEnd = Format("%6.3f", G[kGroupElevationEnd]);
    m_strElevationDrape = Format("%6.3f", G[kGroupElevationDrape]);
    m_dEndDebond = G[kGroupDebondEnd];
    m_dMidDebond = G[kGroupDebondMid];
}

void CDebondingDlg::FillGroupList() {
    ShowGroup(m_nCurGroup);
    ResetContent(IDC_DEBOND_GROUPS);
    SetTabStops(IDC_DEBOND_GROUPS, {20, 42, 72, 110, 140, 175, 205});
    for (int g = 0; g < UsedGroups(); ++g) AddString(IDC_DEBOND_GROUPS, GroupLine(g));
    SetCurSel(IDC_DEBOND_GROUPS, 0);
}

void CDebondingDlg::ComputeTotals() {
    m_dDebondedLength = 0.0;
    m_dDebondedCount = 0.0;
    m_dStrandCount = 0.0;
    for (int g = 0; g < UsedGroups(); ++g) {
        const StrandGroup& G = m_aGroups[g];
        const double n = G[kGroupStrands];
        // Both ends over End, and a zone of 2 Mid about midspan.
        m_dDebondedLength += n * 2.0 * (G[kGroupDebondEnd] + G[kGroupDebondMid]);
        if (G[kGroupDebondEnd] > 0.0) m_dDebondedCount += n;
        m_dStrandCount += n;
    }
}

void CDebondingDlg::UpdateTotals() {
    ComputeTotals();
    m_dDebondedPercent = m_dStrandCount > 0.0 ? m_dDebondedCount / m_dStrandCount * 100.0 : 0.0;
    // The worst row is found on elevations in inches, as the pattern rows hold them.
    StrandGroup inches[kMaxStrandGroups];
    const double toInches = Metric() ? 1.0 / kMetresPerInch : 1.0;
    for (int g = 0; g < UsedGroups(); ++g) {
        inches[g] = m_aGroups[g];
        inches[g][kGroupElevationEnd] *= toInches;
    }
    const DebondedRow worst = WorstDebondedRow(inches, UsedGroups(), m_aEndRows, m_nRowCount);
    m_fRowDebondedCount = static_cast<float>(worst.strands);
    m_fRowDebondedPercent = static_cast<float>(worst.percent);

    m_strLength = Format("%6.1f", m_dDebondedLength);
    m_strTotalCount = Format("%3.0f", m_dDebondedCount);
    m_strTotalPercent = PercentText(m_dDebondedPercent, m_dTotalLimit);
    m_strRowCount = Format("%3.0f", m_fRowDebondedCount);
    m_strRowPercent = PercentText(m_fRowDebondedPercent, m_dRowLimit);
}

void CDebondingDlg::StoreEdits() {
    if (m_nCurGroup < 0 || m_nCurGroup >= UsedGroups()) return;
    m_aGroups[m_nCurGroup][kGroupDebondEnd] = m_dEndDebond;
    m_aGroups[m_nCurGroup][kGroupDebondMid] = m_dMidDebond;
}

void CDebondingDlg::OnSelChangeGroups() {
    const int selected = GetCurSel(IDC_DEBOND_GROUPS);
    if (!UpdateData(true)) return;
    StoreEdits();
    // The line of the group left, rewritten from what is stored now.
    const int shown = m_nCurGroup;
    FillGroupList();
    SetCurSel(IDC_DEBOND_GROUPS, selected);
    if (selected < 0) {
        m_nCurGroup = shown;
        return;
    }
    m_nCurGroup = selected;
    ShowGroup(m_nCurGroup);
    UpdateTotals();
    UpdateData(false);
    GotoDlgCtrl(IDC_DEBOND_END);
}

void CDebondingDlg::OnClear() {
    if (!AskYesNo(kClearQuestion)) return;
    for (int g = 0; g < UsedGroups(); ++g) {
        m_aGroups[g][kGroupDebondEnd] = 0.0;
        m_aGroups[g][kGroupDebondMid] = 0.0;
    }
    FillGroupList();
    UpdateTotals();
    UpdateData(false);
}

void CDebondingDlg::OnDesign() {
    if (!m_pDoc) return;
    CDebondingConstraintsDlg constraints;
    const bool ok = RunSubDialog(
        constraints,
        [this](CDebondingConstraintsDlg& c) {
            c.m_nUnits = m_nUnits;
            c.m_dIncrement = m_dDebondLengthStep;
        },
        [this](CDebondingConstraintsDlg& c) {
            const UnitExchange units(Metric() ? kUnitsMetric : kUnitsUS);
            units.Back(m_pDoc->m_dDebondLengthStep, c.m_dIncrement, ConvertFeetMeters);
        });
    if (!ok) return;
    m_pDoc->DesignDebonding();
    // The design is the document's now, whatever this dialog's end: it is to be saved.
    m_pDoc->SetModifiedFlag(true);

    m_nGroupCount = std::clamp(m_pDoc->m_nStrandGroupCount, 0, kMaxStrandGroups);
    std::copy(std::begin(m_pDoc->m_aStrandGroup), std::end(m_pDoc->m_aStrandGroup), m_aGroups);
    std::copy(std::begin(m_aGroups), std::end(m_aGroups), m_aGroupsIn);
    m_dDebondedLengthIn = m_pDoc->m_dDebondedStrandLength;
    ToShownUnits(false);
    FillGroupList();
    UpdateTotals();
    UpdateData(false);
    if (m_updateViews) m_updateViews();
}

void CDebondingDlg::OnDetensioningSequence() {
    CDetensionSequenceDlg sequence;
    RunSubDialog(
        sequence,
        [this](CDetensionSequenceDlg& s) {
            s.m_nGroupCount = m_nGroupCount;
            std::copy(std::begin(m_anDetensionOrder), std::end(m_anDetensionOrder), s.m_anOrder);
        },
        [this](CDetensionSequenceDlg& s) {
            std::copy(std::begin(s.m_anOrder), std::end(s.m_anOrder), m_anDetensionOrder);
        });
}

void CDebondingDlg::OnOK() {
    if (!UpdateData(true)) return;
    StoreEdits();
    ComputeTotals();
    if (!(m_dStrandCount > m_dDebondedCount)) {
        MessageBox(kAllDebondedMessage, platform::MsgButtons::Ok, platform::MsgIcon::Error);
        return;
    }
    if (Metric()) {
        // Back to US units; a value left as shown keeps the bits it came with.
        const UnitExchange units(kUnitsMetric);
        for (int g = 0; g < UsedGroups(); ++g) {
            for (const GroupValueUnit& v : kGroupUnits) {
                double stored = m_aGroupsIn[g][v.value];
                units.Back(stored, m_aGroups[g][v.value], v.convert);
                m_aGroups[g][v.value] = stored;
            }
        }
        units.Back(m_dDebondedLengthIn, m_dDebondedLength, ConvertFeetMeters);
        m_dDebondedLength = m_dDebondedLengthIn;
        units.Back(m_dDebondLengthStepIn, m_dDebondLengthStep, ConvertFeetMeters);
        m_dDebondLengthStep = m_dDebondLengthStepIn;
    }
    EndDialog(kIdOk);
}

}  // namespace kordel

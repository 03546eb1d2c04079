#include "dialogs/prestress/strand_constraints_dlg.h"

namespace kordel {

using namespace platform::ui;

const DialogTemplate& CStrandPatParamDlg::Template() {
    static const DialogTemplate t = [] {
        DialogTemplate d;
        d.id = IDD_STRAND_PATTERN_DESIGN_CONSTRAINTS;
        d.caption = "Strand Pattern Design Constraints";
        d.size = {151, 95};
        d.controls = {
            MakeControl(ControlKind::CheckBox, IDC_CONSTRAINT_INCLUDE_TOP, "Include top strands:",
                        7, 8, 82, 10),
            MakeControl(ControlKind::Label, IDC_CONSTRAINT_TOP_COUNT_LABEL, "No:", 92, 9, 16, 9,
                        kStyleDisabled),
            MakeControl(ControlKind::Edit, IDC_CONSTRAINT_TOP_COUNT, "", 110, 7, 34, 12,
                        kStyleDisabled),
            MakeControl(ControlKind::Label, IDC_CONSTRAINT_SPACING_LABEL,
                        "Vert. spacing of draped grp. @ drape pt.:", 7, 26, 140, 9),
            MakeControl(ControlKind::RadioButton, IDC_CONSTRAINT_SPACING_TEMPLATE,
                        "Per end template", 15, 38, 120, 10, kStyleGroup),
            MakeControl(ControlKind::RadioButton, IDC_CONSTRAINT_SPACING_TOUCHING,
                        "Touching (i.e., strand dia.)", 15, 50, 120, 10),
            MakeControl(ControlKind::DefPushButton, kIdOk, "OK", 24, 74, 50, 14, kStyleGroup),
            MakeControl(ControlKind::PushButton, kIdCancel, "Cancel", 80, 74, 50, 14),
        };
        return d;
    }();
    return t;
}

CStrandPatParamDlg::CStrandPatParamDlg() : Dialog(Template()) {
    m_commands.On(IDC_CONSTRAINT_INCLUDE_TOP, [this] {
        UpdateData(true);
        const bool on = IsDlgButtonChecked(IDC_CONSTRAINT_INCLUDE_TOP);
        EnableItem(IDC_CONSTRAINT_TOP_COUNT, on);
        EnableItem(IDC_CONSTRAINT_TOP_COUNT_LABEL, on);
    });
    m_commands.On(IDC_CONSTRAINT_SPACING_TEMPLATE, [this] { m_nDrapedSpacing = kDrapedPerTemplate; });
    m_commands.On(IDC_CONSTRAINT_SPACING_TOUCHING, [this] { m_nDrapedSpacing = kDrapedTouching; });
}

void CStrandPatParamDlg::DoDataExchange(DataExchange& dx) {
    dx.Check(IDC_CONSTRAINT_INCLUDE_TOP, m_bIncludeTopStrands);
    dx.Double(IDC_CONSTRAINT_TOP_COUNT, m_dTopStrandCount, 0.0, 99.9);
}

bool CStrandPatParamDlg::OnInitDialog() {
    Dialog::OnInitDialog();
    if (m_nPatternType == 1) {
        for (int id : {IDC_CONSTRAINT_SPACING_LABEL, IDC_CONSTRAINT_SPACING_TEMPLATE,
                       IDC_CONSTRAINT_SPACING_TOUCHING})
            EnableItem(id, false);
    }
    m_nDrapedSpacing = kDrapedPerTemplate;
    CheckRadioButton(IDC_CONSTRAINT_SPACING_TEMPLATE);
    return true;
}

}  // namespace kordel

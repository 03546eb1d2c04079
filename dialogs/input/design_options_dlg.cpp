#include "dialogs/input/design_options_dlg.h"

#include "document/model_materials.h"
#include "document/model_limits.h"
#include "document/model_prestress.h"

namespace kordel {

using namespace platform::ui;

const DialogTemplate& CDesignOptionsDlg::Template() {
    static const DialogTemplate t = [] {
        DialogTemplate d;
        d.id = IDD_PROJECT_SETTINGS;
        d.caption = "Project Settings";
        d.size = {264, 203};
        d.controls = {
            MakeControl(ControlKind::GroupBox, kIdStatic, "Specifications", 7, 6, 250, 33),
            MakeControl(ControlKind::Label, kIdStatic, "&Edition:", 15, 21, 40, 9),
            MakeControl(ControlKind::ComboBox, IDC_SPEC_EDITION, "", 58, 18, 140, 80),
            MakeControl(ControlKind::RadioButton, IDC_SPEC_LRFD, "AASHTO LRFD Specs", 15, 19, 100,
                        10, kStyleGroup | kStyleHidden),
            MakeControl(ControlKind::RadioButton, IDC_SPEC_STANDARD, "AASHTO Standard Specs", 120,
                        19, 100, 10, kStyleHidden),

            MakeControl(ControlKind::GroupBox, kIdStatic, "Units", 7, 44, 122, 45, kStyleGroup),
            MakeControl(ControlKind::RadioButton, IDC_UNITS_US, "&U.S. Customary (ft, lb)", 15, 57,
                        110, 10, kStyleGroup),
            MakeControl(ControlKind::RadioButton, IDC_UNITS_METRIC, "&Metric (m, N)", 15, 72, 110,
                        10),
            MakeControl(ControlKind::GroupBox, kIdStatic, "Structure Type", 135, 44, 122, 45,
                        kStyleGroup),
            MakeControl(ControlKind::RadioButton, IDC_SIMPLE_SPAN, "&Simple span", 143, 57, 110,
                        10, kStyleGroup),
            MakeControl(ControlKind::RadioButton, IDC_CONTINUOUS, "&Continuous", 143, 72, 110, 10),
            MakeControl(ControlKind::GroupBox, kIdStatic, "Prestressing", 7, 94, 250, 45,
                        kStyleGroup),
            MakeControl(ControlKind::RadioButton, IDC_PRETENSIONING_ONLY, "Pre&tensioning only",
                        15, 107, 230, 10, kStyleGroup),
            MakeControl(ControlKind::RadioButton, IDC_POST_TENSIONING,
                        "&Post-tensioning + pretensioning", 15, 122, 230, 10),
            MakeControl(ControlKind::GroupBox, kIdStatic, "State/Agency/Locality", 7, 144, 250,
                        31, kStyleGroup),
            MakeControl(ControlKind::Label, kIdStatic, "&Agency:", 15, 159, 40, 9),
            MakeControl(ControlKind::ComboBox, IDC_AGENCY, "", 58, 156, 100, 90),

            MakeControl(ControlKind::DefPushButton, kIdOk, "OK", 151, 182, 50, 14,
                        kStyleGroup),
            MakeControl(ControlKind::PushButton, kIdCancel, "Cancel", 207, 182, 50, 14),
        };
        return d;
    }();
    return t;
}

CDesignOptionsDlg::CDesignOptionsDlg() : Dialog(Template()) {
    m_commands.On(IDC_UNITS_US, [this] { m_nUnits = kUnitsUS; });
    m_commands.On(IDC_UNITS_METRIC, [this] { m_nUnits = kUnitsMetric; });
    m_commands.On(IDC_SIMPLE_SPAN, [this] { m_bContinuous = 0; });
    m_commands.On(IDC_CONTINUOUS, [this] { m_bContinuous = 1; });
    m_commands.On(IDC_PRETENSIONING_ONLY, [this] {
        m_nPrestressType = kPretensionOnly;
        CheckRadioButton(IDC_PRETENSIONING_ONLY);
    });
    m_commands.On(IDC_POST_TENSIONING, [this] {
        m_nPrestressType = kPostTensioned;
        CheckRadioButton(IDC_POST_TENSIONING);
    });
    OnNotify(Notification::SelChange, IDC_AGENCY, [this] { OnAgencyPicked(); });
}

bool CDesignOptionsDlg::OnInitDialog() {
    Dialog::OnInitDialog();
    m_bSpecEditionChanged = 0;
    CheckRadioButton(m_nUnits == kUnitsUS ? IDC_UNITS_US : IDC_UNITS_METRIC);
    CheckRadioButton(m_bContinuous == 0 ? IDC_SIMPLE_SPAN : IDC_CONTINUOUS);
    CheckRadioButton(m_nPrestressType == kPretensionOnly ? IDC_PRETENSIONING_ONLY
                                                         : IDC_POST_TENSIONING);
    ResetContent(IDC_AGENCY);
    for (const std::string& agency : m_saAgencies) AddString(IDC_AGENCY, agency);
    SetCurSel(IDC_AGENCY, m_nAgency);
    ResetContent(IDC_SPEC_EDITION);
    for (const std::string& edition : m_saSpecEditions) AddString(IDC_SPEC_EDITION, edition);
    SetCurSel(IDC_SPEC_EDITION, m_nSpecEdition);
    return true;
}

void CDesignOptionsDlg::OnAgencyPicked() {
    const int picked = GetCurSel(IDC_AGENCY);
    if (picked < 0) return;
    m_nAgency = picked;
    m_bAgencyChanged = 1;
}

void CDesignOptionsDlg::OnOK() {
    if (m_bContinuous == 0) m_nCurrentSpan = 1;
    if (m_nPrestressType == kPostTensioned)
        m_nLossMethod = IsLrfd(m_nSpecification) ? kLossLrfd3rd : kLossStandardSpecs;
    const int edition = GetCurSel(IDC_SPEC_EDITION);
    if (edition >= 0 && edition != m_nSpecEdition) {
        m_nSpecEdition = edition;
        m_bSpecEditionChanged = 1;
    }
    EndDialog(kIdOk);
}

}  // namespace kordel

#include "dialogs/input/load_resist_factors_dlg.h"

#include <span>

namespace kordel {

using namespace platform::ui;

namespace {

constexpr int IDC_LABEL_SERVICE_I_LL = 1416;
constexpr int IDC_LABEL_SERVICE_III_LL = 1417;
constexpr int IDC_LABEL_STRENGTH_I_DC = 1418;
constexpr int IDC_LABEL_STRENGTH_I_DW = 1419;
constexpr int IDC_LABEL_STRENGTH_I_LL = 1420;
constexpr int IDC_LABEL_STRENGTH_II_DC = 1675;
constexpr int IDC_LABEL_STRENGTH_II_DW = 1676;
constexpr int IDC_LABEL_STRENGTH_II_LL = 1677;
constexpr int IDC_LABEL_PHI_SHEAR = 1226;
constexpr int IDC_LABEL_PHI_MOMENT = 1225;

constexpr const char* kProductTooSmall =
    "The product of the load modifiers must be greater than or equal to 0.95.";

/// A row of three labelled factor edits in a strength group box at `top`.
void AddStrengthGroup(std::vector<ControlTemplate>& c, int groupId, const char* title, int top,
                      const int (&labels)[3], const int (&edits)[3]) {
    c.push_back(MakeControl(ControlKind::GroupBox, groupId, title, 21, top, 155, 30));
    const char* names[] = {"DC", "DW", "LL"};
    for (int k = 0; k < 3; ++k) {
        const int x = 29 + 49 * k;
        c.push_back(MakeControl(ControlKind::Label, labels[k], names[k], x, top + 14, 14, 9));
        c.push_back(MakeControl(ControlKind::Edit, edits[k], "", x + 15, top + 12, 28, 12));
    }
}

}  // namespace

const int CLoadResistFactorsDlg::kFactorControls[25] = {
    IDC_FACTORS_LOAD_GROUP,    IDC_FACTORS_SERVICE_GROUP, IDC_FACTORS_STRENGTH_I_GROUP,
    IDC_FACTORS_STRENGTH_II_GROUP, IDC_FACTORS_PHI_GROUP,
    IDC_FACTOR_SERVICE_I_LL,   IDC_FACTOR_SERVICE_III_LL, IDC_FACTOR_STRENGTH_I_DC,
    IDC_FACTOR_STRENGTH_I_DW,  IDC_FACTOR_STRENGTH_I_LL,  IDC_FACTOR_STRENGTH_II_DC,
    IDC_FACTOR_STRENGTH_II_DW, IDC_FACTOR_STRENGTH_II_LL, IDC_FACTOR_PHI_SHEAR,
    IDC_FACTOR_PHI_MOMENT,
    IDC_LABEL_SERVICE_I_LL,    IDC_LABEL_SERVICE_III_LL,  IDC_LABEL_STRENGTH_I_DC,
    IDC_LABEL_STRENGTH_I_DW,   IDC_LABEL_STRENGTH_I_LL,   IDC_LABEL_STRENGTH_II_DC,
    IDC_LABEL_STRENGTH_II_DW,  IDC_LABEL_STRENGTH_II_LL,  IDC_LABEL_PHI_SHEAR,
    IDC_LABEL_PHI_MOMENT,
};

const DialogTemplate& CLoadResistFactorsDlg::Template() {
    static const DialogTemplate t = [] {
        DialogTemplate d;
        d.id = IDD_LOAD_RESIST_FACTORS;
        d.caption = "Load & Resistance Factors";
        d.size = {197, 287};
        auto& c = d.controls;
        c = {
            MakeControl(ControlKind::GroupBox, kIdStatic, "Load and Resistance Factors", 7, 5, 183,
                        204),
            MakeControl(ControlKind::RadioButton, IDC_FACTORS_AUTOMATIC,
                        "&Automatic (per active specification)", 15, 18, 165, 10, kStyleGroup),
            MakeControl(ControlKind::RadioButton, IDC_FACTORS_MANUAL, "&Manual (user-specified):",
                        15, 31, 165, 10),
            MakeControl(ControlKind::GroupBox, IDC_FACTORS_LOAD_GROUP, "Load Factors", 14, 45,
                        169, 118, kStyleGroup),
            MakeControl(ControlKind::GroupBox, IDC_FACTORS_SERVICE_GROUP, "Service", 21, 57, 155,
                        30),
            MakeControl(ControlKind::Label, IDC_LABEL_SERVICE_I_LL, "LL-I", 29, 71, 20, 9),
            MakeControl(ControlKind::Edit, IDC_FACTOR_SERVICE_I_LL, "", 52, 69, 34, 12),
            MakeControl(ControlKind::Label, IDC_LABEL_SERVICE_III_LL, "LL-III", 101, 71, 24, 9),
            MakeControl(ControlKind::Edit, IDC_FACTOR_SERVICE_III_LL, "", 128, 69, 34, 12),
        };
        AddStrengthGroup(c, IDC_FACTORS_STRENGTH_I_GROUP, "Strength I", 91,
                         {IDC_LABEL_STRENGTH_I_DC, IDC_LABEL_STRENGTH_I_DW, IDC_LABEL_STRENGTH_I_LL},
                         {IDC_FACTOR_STRENGTH_I_DC, IDC_FACTOR_STRENGTH_I_DW,
                          IDC_FACTOR_STRENGTH_I_LL});
        AddStrengthGroup(c, IDC_FACTORS_STRENGTH_II_GROUP, "Strength II", 125,
                         {IDC_LABEL_STRENGTH_II_DC, IDC_LABEL_STRENGTH_II_DW,
                          IDC_LABEL_STRENGTH_II_LL},
                         {IDC_FACTOR_STRENGTH_II_DC, IDC_FACTOR_STRENGTH_II_DW,
                          IDC_FACTOR_STRENGTH_II_LL});
        const std::vector<ControlTemplate> rest = {
            MakeControl(ControlKind::GroupBox, IDC_FACTORS_PHI_GROUP, "Resistance Factors (phi)",
                        14, 168, 169, 36),
            MakeControl(ControlKind::Label, IDC_LABEL_PHI_SHEAR, "Shear", 22, 184, 26, 9),
            MakeControl(ControlKind::Edit, IDC_FACTOR_PHI_SHEAR, "", 52, 182, 34, 12),
            MakeControl(ControlKind::Label, IDC_LABEL_PHI_MOMENT, "Moment", 96, 184, 30, 9),
            MakeControl(ControlKind::Edit, IDC_FACTOR_PHI_MOMENT, "", 128, 182, 34, 12),

            MakeControl(ControlKind::GroupBox, kIdStatic, "Load Modifiers", 7, 213, 183, 56,
                        kStyleGroup),
            MakeControl(ControlKind::Label, kIdStatic, "Ductility:", 15, 227, 50, 9),
            MakeControl(ControlKind::Edit, IDC_LOAD_MOD_DUCTILITY, "", 70, 225, 40, 12),
            MakeControl(ControlKind::Label, kIdStatic, "Redundancy:", 15, 241, 50, 9),
            MakeControl(ControlKind::Edit, IDC_LOAD_MOD_REDUNDANCY, "", 70, 239, 40, 12),
            MakeControl(ControlKind::Label, kIdStatic, "Importance:", 15, 255, 50, 9),
            MakeControl(ControlKind::Edit, IDC_LOAD_MOD_IMPORTANCE, "", 70, 253, 40, 12),

            MakeControl(ControlKind::DefPushButton, kIdOk, "OK", 84, 272, 50, 14, kStyleGroup),
            MakeControl(ControlKind::PushButton, kIdCancel, "Cancel", 140, 272, 50, 14),
        };
        c.insert(c.end(), rest.begin(), rest.end());
        return d;
    }();
    return t;
}

CLoadResistFactorsDlg::CLoadResistFactorsDlg() : Dialog(Template()) {
    m_commands.On(IDC_FACTORS_AUTOMATIC, [this] {
        m_bAutoFactors = 1;
        CheckRadioButton(IDC_FACTORS_AUTOMATIC);
        ShowFactors(false);
    });
    m_commands.On(IDC_FACTORS_MANUAL, [this] {
        m_bAutoFactors = 0;
        CheckRadioButton(IDC_FACTORS_MANUAL);
        ShowFactors(true);
    });
}

void CLoadResistFactorsDlg::DoDataExchange(DataExchange& dx) {
    dx.Double(IDC_FACTOR_SERVICE_I_LL, m_dServiceILiveLoadFactor);
    dx.Double(IDC_FACTOR_SERVICE_III_LL, m_dServiceIIILiveLoadFactor);
    dx.Double(IDC_FACTOR_STRENGTH_I_DC, m_dStrengthIDeadLoadFactor);
    dx.Double(IDC_FACTOR_STRENGTH_I_DW, m_dStrengthIWearingSurfaceFactor);
    dx.Double(IDC_FACTOR_STRENGTH_I_LL, m_dStrengthILiveLoadFactor);
    dx.Double(IDC_FACTOR_STRENGTH_II_DC, m_dStrengthIIDeadLoadFactor);
    dx.Double(IDC_FACTOR_STRENGTH_II_DW, m_dStrengthIIWearingSurfaceFactor);
    dx.Double(IDC_FACTOR_STRENGTH_II_LL, m_dStrengthIILiveLoadFactor);
    dx.Double(IDC_FACTOR_PHI_SHEAR, m_dPhiShear);
    dx.Double(IDC_FACTOR_PHI_MOMENT, m_dPhiFlexure);
    dx.Double(IDC_LOAD_MOD_DUCTILITY, m_dLoadModDuctility);
    dx.Double(IDC_LOAD_MOD_REDUNDANCY, m_dLoadModRedundancy);
    dx.Double(IDC_LOAD_MOD_IMPORTANCE, m_dLoadModImportance);
}

bool CLoadResistFactorsDlg::OnInitDialog() {
    Dialog::OnInitDialog();
    CheckRadioButton(m_bAutoFactors != 0 ? IDC_FACTORS_AUTOMATIC : IDC_FACTORS_MANUAL);
    ShowFactors(m_bAutoFactors == 0);
    return true;
}

void CLoadResistFactorsDlg::ShowFactors(bool shown) {
    for (int id : kFactorControls) ShowItem(id, shown);
}

void CLoadResistFactorsDlg::OnOK() {
    if (!UpdateData(true)) return;
    // A negative modifier would let an even number of negative ones pass the product check.
    const auto negative = [](const double& m) { return [&m] { return m < 0; }; };
    const OkCheck checks[] = {
        {negative(m_dLoadModDuctility), "The ductility load modifier must not be negative.",
         platform::MsgButtons::Ok, platform::MsgIcon::Warning, IDC_LOAD_MOD_DUCTILITY},
        {negative(m_dLoadModRedundancy), "The redundancy load modifier must not be negative.",
         platform::MsgButtons::Ok, platform::MsgIcon::Warning, IDC_LOAD_MOD_REDUNDANCY},
        {negative(m_dLoadModImportance), "The importance load modifier must not be negative.",
         platform::MsgButtons::Ok, platform::MsgIcon::Warning, IDC_LOAD_MOD_IMPORTANCE},
        {[this] {
             return m_dLoadModDuctility * m_dLoadModRedundancy * m_dLoadModImportance <
                    kMinLoadModifierProduct;
         },
         kProductTooSmall, platform::MsgButtons::Ok, platform::MsgIcon::Warning,
         IDC_LOAD_MOD_DUCTILITY},
    };
    if (!PassChecks(checks)) return;
    EndDialog(kIdOk);
}

}  // namespace kordel

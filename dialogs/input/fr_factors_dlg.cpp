#include "dialogs/input/fr_factors_dlg.h"

namespace kordel {

using namespace platform::ui;

const DialogTemplate& CFRFactorsDlg::Template() {
    static const DialogTemplate t = [] {
        DialogTemplate d;
        d.id = IDD_FR_FACTORS;
        d.caption = "Modulus of Rupture Factors";
        d.size = {300, 170};
        d.controls = {
            MakeControl(ControlKind::GroupBox, kIdStatic, "Normal Weight Concrete", 7, 4, 286, 86),
            MakeControl(ControlKind::Label, kIdStatic,
                        "&Generic factor (6th and 7th ed) / Mcr per LRFD 5.7.3.4, 5.7.3.6.2, "
                        "6.10.4.2.1 (5th ed)",
                        13, 16, 222, 20),
            MakeControl(ControlKind::Edit, IDC_FR_GENERIC, "", 240, 18, 46, 12),
            MakeControl(ControlKind::Label, kIdStatic, "Mcr per LRFD 5.7.3.3.2 (5th ed)", 13, 46,
                        222, 9),
            MakeControl(ControlKind::Edit, IDC_FR_MIN_REINF, "", 240, 44, 46, 12),
            MakeControl(ControlKind::Label, kIdStatic,
                        "Mcr per LRFD 5.8.3.4.3 (5th, 6th, and 7th ed)", 13, 68, 222, 9),
            MakeControl(ControlKind::Edit, IDC_FR_SHEAR, "", 240, 66, 46, 12),
            MakeControl(ControlKind::GroupBox, kIdStatic, "Light Weight Concrete", 7, 96, 286, 46),
            MakeControl(ControlKind::Label, kIdStatic, "&Sand-lightweight fr Factor:", 13, 110,
                        222, 9),
            MakeControl(ControlKind::Edit, IDC_FR_SAND_LIGHTWEIGHT, "", 240, 108, 46, 12),
            MakeControl(ControlKind::Label, kIdStatic, "&All-lightweight fr Factor:", 13, 126,
                        222, 9),
            MakeControl(ControlKind::Edit, IDC_FR_ALL_LIGHTWEIGHT, "", 240, 124, 46, 12),
            MakeControl(ControlKind::DefPushButton, kIdOk, "OK", 187, 150, 50, 14, kStyleGroup),
            MakeControl(ControlKind::PushButton, kIdCancel, "Cancel", 243, 150, 50, 14),
        };
        return d;
    }();
    return t;
}

CFRFactorsDlg::CFRFactorsDlg() : Dialog(Template()) {}

void CFRFactorsDlg::DoDataExchange(DataExchange& dx) {
    dx.Float(IDC_FR_GENERIC, m_fFrGeneric);
    dx.Float(IDC_FR_MIN_REINF, m_fFrMinReinf);
    dx.Float(IDC_FR_SHEAR, m_fFrShear);
    dx.Float(IDC_FR_SAND_LIGHTWEIGHT, m_fFrSandLightweight);
    dx.Float(IDC_FR_ALL_LIGHTWEIGHT, m_fFrAllLightweight);
}

}  // namespace kordel

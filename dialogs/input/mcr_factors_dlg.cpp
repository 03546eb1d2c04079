#include "dialogs/input/mcr_factors_dlg.h"

namespace kordel {

using namespace platform::ui;

const DialogTemplate& CMCRFactorsDlg::Template() {
    static const DialogTemplate t = [] {
        DialogTemplate d;
        d.id = IDD_MCR_FACTORS;
        d.caption = "Mcr Factors";
        d.size = {150, 82};
        d.controls = {
            MakeControl(ControlKind::Label, kIdStatic, "Gamma Factor &1:", 10, 10, 66, 9),
            MakeControl(ControlKind::Edit, IDC_MCR_GAMMA1, "", 80, 8, 60, 12),
            MakeControl(ControlKind::Label, kIdStatic, "Gamma Factor &2:", 10, 26, 66, 9),
            MakeControl(ControlKind::Edit, IDC_MCR_GAMMA2, "", 80, 24, 60, 12),
            MakeControl(ControlKind::Label, kIdStatic, "Gamma Factor &3:", 10, 42, 66, 9),
            MakeControl(ControlKind::Edit, IDC_MCR_GAMMA3, "", 80, 40, 60, 12),
            MakeControl(ControlKind::DefPushButton, kIdOk, "OK", 34, 62, 50, 14, kStyleGroup),
            MakeControl(ControlKind::PushButton, kIdCancel, "Cancel", 90, 62, 50, 14),
        };
        return d;
    }();
    return t;
}

CMCRFactorsDlg::CMCRFactorsDlg() : Dialog(Template()) {}

void CMCRFactorsDlg::DoDataExchange(DataExchange& dx) {
    dx.Float(IDC_MCR_GAMMA1, m_fMcrGamma1);
    dx.Float(IDC_MCR_GAMMA2, m_fMcrGamma2);
    dx.Float(IDC_MCR_GAMMA3, m_fMcrGamma3);
}

}  // namespace kordel

#include "dialogs/input/loss_params_pre_dlg.h"

namespace kordel {

using namespace platform::ui;

const DialogTemplate& CLossParamsPreDlg::Template() {
    static const DialogTemplate t = [] {
        DialogTemplate d;
        d.id = IDD_LOSS_PARAMETERS;
        d.caption = "Prestress Loss Parameters";
        d.size = {300, 196};
        d.controls = {
            MakeControl(ControlKind::GroupBox, IDC_LOSS_VS_GROUP, "Volume/Surface Ratio, in", 7,
                        4, 286, 44),
            MakeControl(ControlKind::Label, kIdStatic, "&Girder V/S:", 13, 17, 50, 9),
            MakeControl(ControlKind::Edit, IDC_LOSS_GIRDER_VS, "", 66, 15, 40, 12),
            MakeControl(ControlKind::Label, kIdStatic, "Deck V/S:", 13, 32, 50, 9),
            MakeControl(ControlKind::RadioButton, IDC_LOSS_DECK_VS_COMPUTE, "&Compute:", 66, 32, 48,
                        10, kStyleGroup),
            MakeControl(ControlKind::RadioButton, IDC_LOSS_DECK_VS_SPECIFY, "&Specify:", 118, 32,
                        48, 10),
            MakeControl(ControlKind::Edit, IDC_LOSS_DECK_VS, "", 168, 30, 40, 12, kStyleGroup),

            MakeControl(ControlKind::Label, kIdStatic, "Relative &Humidity (H),%:", 13, 56, 96, 9),
            MakeControl(ControlKind::Edit, IDC_LOSS_HUMIDITY, "", 112, 54, 40, 12),

            MakeControl(ControlKind::GroupBox, kIdStatic, "Construction Timing, days", 7, 72, 140,
                        62),
            MakeControl(ControlKind::Label, kIdStatic, "Pretension &Transfer:", 13, 86, 86, 9),
            MakeControl(ControlKind::Edit, IDC_LOSS_TRANSFER_AGE, "", 100, 84, 40, 12),
            MakeControl(ControlKind::Label, kIdStatic, "&Deck Casting:", 13, 101, 86, 9),
            MakeControl(ControlKind::Edit, IDC_LOSS_DECK_CASTING, "", 100, 99, 40, 12),
            MakeControl(ControlKind::Label, kIdStatic, "&Final Time:", 13, 116, 86, 9),
            MakeControl(ControlKind::Edit, IDC_LOSS_FINAL_AGE, "", 100, 114, 40, 12),

            MakeControl(ControlKind::GroupBox, kIdStatic, "Post-Tensioning", 153, 72, 140, 62),
            MakeControl(ControlKind::Label, IDC_LOSS_ANCHOR_SET_LABEL, "&Anchor set ,in:", 159,
                        86, 72, 9),
            MakeControl(ControlKind::Edit, IDC_LOSS_ANCHOR_SET, "", 234, 84, 54, 12),
            MakeControl(ControlKind::Label, IDC_LOSS_WOBBLE_LABEL, "&Wobble Coeff (K), per ft:",
                        159, 98, 72, 18),
            MakeControl(ControlKind::Edit, IDC_LOSS_WOBBLE, "", 234, 99, 54, 12),
            MakeControl(ControlKind::Label, kIdStatic, "Curvature Coeff (&mu):", 159, 114, 72, 18),
            MakeControl(ControlKind::Edit, IDC_LOSS_FRICTION, "", 234, 114, 54, 12),

            MakeControl(ControlKind::GroupBox, kIdStatic, "Detailed  Losses Method", 7, 138, 286,
                        30),
            MakeControl(ControlKind::RadioButton, IDC_LOSS_SPEC_EQUATIONS, "Use Spec. &Equations",
                        13, 152, 80, 10, kStyleGroup),
            MakeControl(ControlKind::RadioButton, IDC_LOSS_PCI_GUIDELINES, "Use &PCI Guidelines", 96,
                        152, 76, 10),
            MakeControl(ControlKind::Label, kIdStatic, "% Deck F&orce:", 180, 152, 56, 9,
                        kStyleGroup),
            MakeControl(ControlKind::Edit, IDC_LOSS_DECK_FORCE, "", 240, 150, 46, 12),

            MakeControl(ControlKind::DefPushButton, kIdOk, "OK", 187, 176, 50, 14, kStyleGroup),
            MakeControl(ControlKind::PushButton, kIdCancel, "Cancel", 243, 176, 50, 14),
        };
        return d;
    }();
    return t;
}

CLossParamsPreDlg::CLossParamsPreDlg() : Dialog(Template()) {
    m_commands.On(IDC_LOSS_DECK_VS_COMPUTE, [this] {
        m_bComputeDeckVolumeToSurface = 1;
        ShowDeckVolumeToSurfaceMode(true);
    });
    m_commands.On(IDC_LOSS_DECK_VS_SPECIFY, [this] {
        m_bComputeDeckVolumeToSurface = 0;
        ShowDeckVolumeToSurfaceMode(false);
    });
    m_commands.On(IDC_LOSS_SPEC_EQUATIONS, [this] {
        m_nDetailedLossBasis = 0;
        ShowDetailedLossBasis(false);
    });
    m_commands.On(IDC_LOSS_PCI_GUIDELINES, [this] {
        m_nDetailedLossBasis = 1;
        ShowDetailedLossBasis(true);
    });
}

void CLossParamsPreDlg::DoDataExchange(DataExchange& dx) {
    dx.Double(IDC_LOSS_GIRDER_VS, m_dVolumeToSurface);
    dx.Double(IDC_LOSS_DECK_VS, m_dDeckVolumeToSurface);
    dx.Double(IDC_LOSS_HUMIDITY, m_dRelativeHumidity);
    dx.Double(IDC_LOSS_TRANSFER_AGE, m_dTransferAge);
    dx.Double(IDC_LOSS_DECK_CASTING, m_dAgeAtDeckCasting);
    dx.Double(IDC_LOSS_FINAL_AGE, m_dFinalAge);
    dx.Double(IDC_LOSS_ANCHOR_SET, m_dPtAnchorSet);
    dx.Double(IDC_LOSS_WOBBLE, m_dPtWobbleK);
    dx.Double(IDC_LOSS_FRICTION, m_dPtFrictionMu);
    dx.Float(IDC_LOSS_DECK_FORCE, m_fDeckForcePercent);
}

bool CLossParamsPreDlg::OnInitDialog() {
    Dialog::OnInitDialog();
    if (m_nUnits != 1) {
        SetDlgItemText(IDC_LOSS_VS_GROUP, "Volume/Surface Ratio, mm");
        SetDlgItemText(IDC_LOSS_WOBBLE_LABEL, "&Wobble Coeff (K), per m:");
        SetDlgItemText(IDC_LOSS_ANCHOR_SET_LABEL, "&Anchor set ,mm:");
    }
    // The codes are shown, not rewritten: a code the radios do not name comes back as it was.
    ShowDeckVolumeToSurfaceMode(m_bComputeDeckVolumeToSurface == 1);
    ShowDetailedLossBasis(m_nDetailedLossBasis == 1);
    return true;
}

// The edits are only disabled: what they hold still comes back.
void CLossParamsPreDlg::ShowDeckVolumeToSurfaceMode(bool compute) {
    CheckRadioButton(compute ? IDC_LOSS_DECK_VS_COMPUTE : IDC_LOSS_DECK_VS_SPECIFY);
    EnableItem(IDC_LOSS_DECK_VS, !compute);
}

void CLossParamsPreDlg::ShowDetailedLossBasis(bool pci) {
    CheckRadioButton(pci ? IDC_LOSS_PCI_GUIDELINES : IDC_LOSS_SPEC_EQUATIONS);
    EnableItem(IDC_LOSS_DECK_FORCE, pci);
}

}  // namespace kordel

#include "dialogs/input/camber_mult_dlg.h"

#include "document/model_options.h"

namespace kordel {

using namespace platform::ui;

const DialogTemplate& CCamberMultDlg::Template() {
    static const DialogTemplate t = [] {
        DialogTemplate d;
        d.id = IDD_CAMBER_MULTIPLIERS;
        d.caption = "Camber and Deflection Multipliers";
        d.size = {167, 149};
        constexpr int kNonComposite = 68;  // column of the non-composite edits
        constexpr int kComposite = 116;
        auto& c = d.controls;
        c = {
            MakeControl(ControlKind::Label, kIdStatic, "Non-Composite", kNonComposite - 6, 7, 52,
                        9, kStyleCenter),
            MakeControl(ControlKind::Label, kIdStatic, "Composite", kComposite - 2, 7, 44, 9,
                        kStyleCenter),
        };
        // Row label, top, and the entries of its two columns (-1: none).
        const struct {
            const char* heading;
            const char* label;
            int top;
            int nonComposite;
            int composite;
        } rows[] = {
            {"Erection:", "beam weight", 32, kCamberErectionGirderNonComposite,
             kCamberErectionGirderComposite},
            {nullptr, "prestress", 46, kCamberErectionPrestressNonComposite,
             kCamberErectionPrestressComposite},
            {"Final:", "beam weight", 74, kCamberFinalGirderNonComposite,
             kCamberFinalGirderComposite},
            {nullptr, "prestress", 88, kCamberFinalPrestressNonComposite,
             kCamberFinalPrestressComposite},
            {nullptr, "dead load", 102, kCamberFinalSuperimposedNonComposite,
             kCamberFinalSuperimposedComposite},
            {nullptr, "deck weight", 116, -1, kCamberFinalDeckComposite},
        };
        for (const auto& r : rows) {
            if (r.heading)
                c.push_back(MakeControl(ControlKind::Label, kIdStatic, r.heading, 7, r.top - 12,
                                        50, 9));
            c.push_back(MakeControl(ControlKind::Label, kIdStatic, r.label, 15, r.top + 2, 48, 9));
            if (r.nonComposite >= 0) {
                c.push_back(MakeControl(ControlKind::Edit, kCamberMultiplierEdits[r.nonComposite],
                                        "", kNonComposite, r.top, 40, 12));
            }
            c.push_back(MakeControl(ControlKind::Edit, kCamberMultiplierEdits[r.composite], "",
                                    kComposite, r.top, 40, 12));
        }
        c.push_back(MakeControl(ControlKind::DefPushButton, kIdOk, "OK", 54, 131, 50, 14,
                                kStyleGroup));
        c.push_back(MakeControl(ControlKind::PushButton, kIdCancel, "Cancel", 110, 131, 50, 14));
        return d;
    }();
    return t;
}

CCamberMultDlg::CCamberMultDlg() : Dialog(Template()) {}

void CCamberMultDlg::DoDataExchange(DataExchange& dx) {
    for (int i = 0; i < kCamberMultiplierCount; ++i)
        dx.Double(kCamberMultiplierEdits[i], m_adCamberMultiplierInput[i]);
}

}  // namespace kordel

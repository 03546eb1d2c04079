#include "platform/ui/print_setup.h"

#include <iterator>

#include "platform/ui/settings_store.h"

namespace platform::ui {

namespace {

constexpr const char* kPortrait = "Portrait";
constexpr const char* kLandscape = "Landscape";

/// The radio buttons of the papers, in the order of PaperSize.
constexpr int kPaperButtons[] = {PrintSetupDialog::kIdLetter, PrintSetupDialog::kIdA4,
                                 PrintSetupDialog::kIdLegal};
constexpr PaperSize kPapers[] = {PaperSize::Letter, PaperSize::A4, PaperSize::Legal};

}  // namespace

PageSetup LoadPageSetup(const SettingsStore& store) {
    PageSetup setup;
    setup.paper = PageSetup::PaperFromName(store.GetString(kPageSetupSection, kPageSetupPaperKey));
    if (store.GetString(kPageSetupSection, kPageSetupOrientationKey) == kLandscape)
        setup.orientation = PageOrientation::Landscape;
    return setup;
}

bool SavePageSetup(SettingsStore& store, const PageSetup& setup) {
    const bool landscape = setup.orientation == PageOrientation::Landscape;
    return store.WriteString(kPageSetupSection, kPageSetupPaperKey,
                             PageSetup::PaperName(setup.paper)) &&
           store.WriteString(kPageSetupSection, kPageSetupOrientationKey,
                             landscape ? kLandscape : kPortrait);
}

PrintSetupDialog::PrintSetupDialog(const PageSetup& setup) : Dialog(Template()), m_setup(setup) {}

const DialogTemplate& PrintSetupDialog::Template() {
    static const DialogTemplate tmpl = [] {
        DialogTemplate t;
        t.id = kTemplateId;
        t.caption = "Print Setup";
        t.size = {186, 96};
        t.controls = {
            MakeControl(ControlKind::GroupBox, kIdStatic, "Paper", 7, 7, 84, 62),
            MakeControl(ControlKind::RadioButton, kIdLetter, "&Letter (8.5 x 11 in)", 14, 20, 74,
                        10, kStyleGroup),
            MakeControl(ControlKind::RadioButton, kIdA4, "&A4 (210 x 297 mm)", 14, 34, 74, 10),
            MakeControl(ControlKind::RadioButton, kIdLegal, "L&egal (8.5 x 14 in)", 14, 48, 74, 10),
            MakeControl(ControlKind::GroupBox, kIdStatic, "Orientation", 97, 7, 82, 62),
            MakeControl(ControlKind::RadioButton, kIdPortrait, "&Portrait", 104, 20, 70, 10,
                        kStyleGroup),
            MakeControl(ControlKind::RadioButton, kIdLandscape, "La&ndscape", 104, 34, 70, 10),
            MakeControl(ControlKind::DefPushButton, kIdOk, "OK", 75, 76, 50, 14, kStyleGroup),
            MakeControl(ControlKind::PushButton, kIdCancel, "Cancel", 129, 76, 50, 14),
        };
        return t;
    }();
    return tmpl;
}

bool PrintSetupDialog::OnInitDialog() {
    for (size_t i = 0; i < std::size(kPapers); ++i)
        CheckDlgButton(kPaperButtons[i], m_setup.paper == kPapers[i]);
    const bool landscape = m_setup.orientation == PageOrientation::Landscape;
    CheckDlgButton(kIdPortrait, !landscape);
    CheckDlgButton(kIdLandscape, landscape);
    return true;
}

void PrintSetupDialog::DoDataExchange(DataExchange& dx) {
    if (!dx.Saving()) return;
    for (size_t i = 0; i < std::size(kPapers); ++i) {
        if (IsDlgButtonChecked(kPaperButtons[i])) m_setup.paper = kPapers[i];
    }
    m_setup.orientation =
        IsDlgButtonChecked(kIdLandscape) ? PageOrientation::Landscape : PageOrientation::Portrait;
}

}  // namespace platform::ui

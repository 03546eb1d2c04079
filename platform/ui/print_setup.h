// File/Print Setup: the paper size and orientation of every printout and print preview, chosen
// in a dialog of the platform's own and kept in the application's settings store.
#pragma once

#include "platform/ui/dialog.h"
#include "platform/ui/print.h"

namespace platform::ui {

class SettingsStore;

/// The section and keys of the page setup in the settings store.
inline constexpr const char* kPageSetupSection = "Page Setup";
inline constexpr const char* kPageSetupPaperKey = "Paper";              ///< "Letter", "A4", "Legal"
inline constexpr const char* kPageSetupOrientationKey = "Orientation";  ///< "Portrait", "Landscape"

/// The page setup kept in `store`; Letter, portrait when nothing (or nothing known) is kept.
PageSetup LoadPageSetup(const SettingsStore& store);
/// Keeps `setup` in `store`; false when the store cannot be written.
bool SavePageSetup(SettingsStore& store, const PageSetup& setup);

/// The "Print Setup" dialog: one radio button per paper and per orientation.
class PrintSetupDialog : public Dialog {
  public:
    static constexpr int kTemplateId = 0x7F10;
    static constexpr int kIdLetter = 0x7F11;
    static constexpr int kIdA4 = 0x7F12;
    static constexpr int kIdLegal = 0x7F13;
    static constexpr int kIdPortrait = 0x7F14;
    static constexpr int kIdLandscape = 0x7F15;

    explicit PrintSetupDialog(const PageSetup& setup);
    static const DialogTemplate& Template();

    bool OnInitDialog() override;
    void DoDataExchange(DataExchange& dx) override;

    PageSetup m_setup;  ///< shown when the dialog opens, chosen after OK
};

}  // namespace platform::ui

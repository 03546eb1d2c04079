// "About Kordel": the program's name, version and purpose.
#pragma once

#include <string>

#include "platform/ui/dialog.h"

namespace kordel {

class CAboutDlg : public platform::ui::Dialog {
  public:
    CAboutDlg();
    void DoDataExchange(platform::ui::DataExchange& dx) override;

    /// The version text shown in control IDC_VERSION.
    static std::string s_strVersion;
};

}  // namespace kordel

#include "app/about_dlg.h"

#include "resources/resources.h"

namespace kordel {

std::string CAboutDlg::s_strVersion = "4.62";

CAboutDlg::CAboutDlg() : Dialog(res::LoadDialog(IDD_ABOUTBOX)) {}

void CAboutDlg::DoDataExchange(platform::ui::DataExchange& dx) {
    dx.Text(IDC_VERSION, s_strVersion);
}

}  // namespace kordel

// "User Options" (File/Options...): the per-user settings of "private.ini" (the default folders
// of the section and vehicle libraries, the text report's font size and which sections the
// text report shows) and one setting of the design, "Show Asterisks". The settings are read
// when the dialog opens and written only by OK; the design's setting is the member the command
// copies in and, after OK, back.
#pragma once

#include <string>

#include "platform/ini.h"
#include "platform/ui/dialog.h"

namespace kordel {

inline constexpr int IDD_USER_OPTIONS = 187;
inline constexpr int IDC_OPTIONS_SHOW_ASTERISKS = 1339;
inline constexpr int IDC_OPTIONS_SECTION_FOLDER = 1755;
inline constexpr int IDC_OPTIONS_BROWSE_SECTION = 1756;
inline constexpr int IDC_OPTIONS_VEHICLE_FOLDER = 1757;
inline constexpr int IDC_OPTIONS_BROWSE_VEHICLE = 1006;
inline constexpr int IDC_OPTIONS_FONT_NORMAL = 1014;
inline constexpr int IDC_OPTIONS_FONT_LARGE = 1015;
inline constexpr int IDC_OPTIONS_FONT_VERY_LARGE = 1023;
inline constexpr int IDC_OPTIONS_SHOW_INPUT_DATA = 1318;
inline constexpr int IDC_OPTIONS_SHOW_ANALYSIS_RESULTS = 1739;
inline constexpr int IDC_OPTIONS_SHOW_CONTINUITY = 1341;
inline constexpr int IDC_OPTIONS_SHOW_STRESSES = 1750;
inline constexpr int IDC_OPTIONS_SHOW_VERTICAL_SHEAR = 1776;
inline constexpr int IDC_OPTIONS_SHOW_CAMBER = 1777;
inline constexpr int IDC_OPTIONS_SHOW_INTERFACE_SHEAR = 1778;
inline constexpr int IDC_OPTIONS_SHOW_FLEXURE = 1747;

/// Titles of the folder browser that the two "Browse..." buttons open.
inline constexpr const char* kBrowseSectionFolderTitle =
    "Select default browse folder for Kordel Section Library files (*.ksl)";
inline constexpr const char* kBrowseVehicleFolderTitle =
    "Select default browse folder for Kordel Truck Library files (*.ktl)";

/// "Text Report Font" settings.
inline constexpr int kTextReportFontNormal = 0;
inline constexpr int kTextReportFontLarge = 1;
inline constexpr int kTextReportFontVeryLarge = 2;

class CUserOptionsDlg : public platform::ui::Dialog {
  public:
    CUserOptionsDlg();
    void DoDataExchange(platform::ui::DataExchange& dx) override;
    /// Reads the settings file into the controls.
    bool OnInitDialog() override;
    /// Writes the settings file, then takes "Show Asterisks" in.
    void OnOK() override;

    /// The dialog's template (187 "User Options").
    static const platform::ui::DialogTemplate& Template();

    int m_bShowAsterisks = 0;                       ///< "Show Asterisks" (the design's setting)
    std::string m_strSectionLibraryFolder;          ///< "Options"/"Library File Location"
    std::string m_strVehicleLibraryFolder;          ///< "Options"/"Truck Library File Location"
    int m_nTextReportFont = kTextReportFontNormal;  ///< "Options"/"Text Report Font"

  private:
    /// Runs the folder browser for one library folder; OK there takes its folder.
    void BrowseFolder(std::string& folder, int staticId, const char* title);
    void ShowFolder(int staticId, const std::string& folder);

    platform::CIni m_ini;
};

}  // namespace kordel

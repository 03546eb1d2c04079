#include "app/user_options_dlg.h"

#include "app/main_frame.h"
#include "controls/file_pick_ctrl.h"
#include "document/kordel_doc.h"
#include "libraries/library_folders.h"
#include "platform/text_encoding.h"

namespace kordel {

using namespace platform::ui;

namespace {

/// The text report's section switches: each check box with its key of section "Options".
struct SectionSwitch {
    int id;
    const char* key;
};
constexpr SectionSwitch kSectionSwitches[] = {
    {IDC_OPTIONS_SHOW_INPUT_DATA, platform::kIniKeyShowInputData},
    {IDC_OPTIONS_SHOW_ANALYSIS_RESULTS, platform::kIniKeyShowAnalysisResults},
    {IDC_OPTIONS_SHOW_CONTINUITY, platform::kIniKeyShowContinuityAnalysis},
    {IDC_OPTIONS_SHOW_STRESSES, platform::kIniKeyShowStresses},
    {IDC_OPTIONS_SHOW_VERTICAL_SHEAR, platform::kIniKeyShowVerticalShear},
    {IDC_OPTIONS_SHOW_CAMBER, platform::kIniKeyShowCamberAndDeflection},
    {IDC_OPTIONS_SHOW_INTERFACE_SHEAR, platform::kIniKeyShowInterfaceShear},
    {IDC_OPTIONS_SHOW_FLEXURE, platform::kIniKeyShowFlexure},
};

constexpr int kFontRadios[] = {IDC_OPTIONS_FONT_NORMAL, IDC_OPTIONS_FONT_LARGE,
                               IDC_OPTIONS_FONT_VERY_LARGE};

}  // namespace

const DialogTemplate& CUserOptionsDlg::Template() {
    static const DialogTemplate t = [] {
        DialogTemplate d;
        d.id = IDD_USER_OPTIONS;
        d.caption = "User Options";
        d.size = {270, 245};
        d.controls = {
            MakeControl(ControlKind::GroupBox, kIdStatic, "Library File Default Browse Paths", 7, 7,
                        256, 72),
            MakeControl(ControlKind::Label, kIdStatic, "Section library:", 15, 20, 150, 9),
            MakeControl(ControlKind::SunkenFrame, IDC_OPTIONS_SECTION_FOLDER, "", 15, 31, 188, 13),
            MakeControl(ControlKind::PushButton, IDC_OPTIONS_BROWSE_SECTION, "Browse...", 209, 30,
                        46, 14),
            MakeControl(ControlKind::Label, kIdStatic, "Vehicle library:", 15, 49, 150, 9),
            MakeControl(ControlKind::SunkenFrame, IDC_OPTIONS_VEHICLE_FOLDER, "", 15, 60, 188, 13),
            MakeControl(ControlKind::PushButton, IDC_OPTIONS_BROWSE_VEHICLE, "Browse...", 209, 59,
                        46, 14),

            MakeControl(ControlKind::GroupBox, kIdStatic, "Display Options", 7, 84, 124, 30),
            MakeControl(ControlKind::CheckBox, IDC_OPTIONS_SHOW_ASTERISKS, "Show Asterisks", 15, 98,
                        110, 10),

            MakeControl(ControlKind::GroupBox, kIdStatic, "Text Report Font Sizes", 139, 84, 124,
                        60),
            MakeControl(ControlKind::RadioButton, IDC_OPTIONS_FONT_NORMAL, "Normal", 147, 98, 110,
                        10, kStyleGroup),
            MakeControl(ControlKind::RadioButton, IDC_OPTIONS_FONT_LARGE, "Large", 147, 112, 110,
                        10),
            MakeControl(ControlKind::RadioButton, IDC_OPTIONS_FONT_VERY_LARGE, "Very Large", 147,
                        126, 110, 10),

            MakeControl(ControlKind::GroupBox, kIdStatic, "Text Report Display Sections", 7, 150,
                        256, 68, kStyleGroup),
            MakeControl(ControlKind::CheckBox, IDC_OPTIONS_SHOW_INPUT_DATA, "Input Data", 15, 163,
                        115, 10),
            MakeControl(ControlKind::CheckBox, IDC_OPTIONS_SHOW_ANALYSIS_RESULTS,
                        "Analysis Results", 15, 176, 115, 10),
            MakeControl(ControlKind::CheckBox, IDC_OPTIONS_SHOW_CONTINUITY, "Continuity Analysis",
                        15, 189, 115, 10),
            MakeControl(ControlKind::CheckBox, IDC_OPTIONS_SHOW_STRESSES, "Stresses", 15, 202, 115,
                        10),
            MakeControl(ControlKind::CheckBox, IDC_OPTIONS_SHOW_VERTICAL_SHEAR, "Vertical Shear",
                        139, 163, 115, 10),
            MakeControl(ControlKind::CheckBox, IDC_OPTIONS_SHOW_CAMBER, "Camber and Deflection",
                        139, 176, 115, 10),
            MakeControl(ControlKind::CheckBox, IDC_OPTIONS_SHOW_INTERFACE_SHEAR, "Interface Shear",
                        139, 189, 115, 10),
            MakeControl(ControlKind::CheckBox, IDC_OPTIONS_SHOW_FLEXURE, "Flexure", 139, 202, 115,
                        10),

            MakeControl(ControlKind::DefPushButton, kIdOk, "OK", 157, 224, 50, 14, kStyleGroup),
            MakeControl(ControlKind::PushButton, kIdCancel, "Cancel", 213, 224, 50, 14),
        };
        return d;
    }();
    return t;
}

CUserOptionsDlg::CUserOptionsDlg() : Dialog(Template()) {
    m_commands.On(IDC_OPTIONS_BROWSE_SECTION, [this] {
        BrowseFolder(m_strSectionLibraryFolder, IDC_OPTIONS_SECTION_FOLDER,
                     kBrowseSectionFolderTitle);
    });
    m_commands.On(IDC_OPTIONS_BROWSE_VEHICLE, [this] {
        BrowseFolder(m_strVehicleLibraryFolder, IDC_OPTIONS_VEHICLE_FOLDER,
                     kBrowseVehicleFolderTitle);
    });
    for (int font = 0; font < 3; ++font) {
        m_commands.On(kFontRadios[font], [this, font] {
            CheckRadioButton(kFontRadios[font]);
            m_nTextReportFont = font;
        });
    }
}

void CUserOptionsDlg::DoDataExchange(DataExchange& dx) {
    dx.Check(IDC_OPTIONS_SHOW_ASTERISKS, m_bShowAsterisks);
}

bool CUserOptionsDlg::OnInitDialog() {
    Dialog::OnInitDialog();
    m_ini.SetUserFile(platform::kIniFileName);

    m_strSectionLibraryFolder =
        ResolveLibraryFolder(platform::kIniKeyLibraryFolder, kSectionLibraryDefaultSuffix);
    ShowFolder(IDC_OPTIONS_SECTION_FOLDER, m_strSectionLibraryFolder);
    m_strVehicleLibraryFolder =
        ResolveLibraryFolder(platform::kIniKeyTruckLibraryFolder, kVehicleLibraryDefaultSuffix);
    ShowFolder(IDC_OPTIONS_VEHICLE_FOLDER, m_strVehicleLibraryFolder);

    m_nTextReportFont =
        m_ini.GetInt(platform::kIniSectionOptions, platform::kIniKeyTextReportFont, 0, 10);
    if (m_nTextReportFont != kTextReportFontNormal && m_nTextReportFont != kTextReportFontLarge)
        m_nTextReportFont = kTextReportFontVeryLarge;
    CheckRadioButton(kFontRadios[m_nTextReportFont]);

    for (const SectionSwitch& s : kSectionSwitches)
        CheckDlgButton(s.id, m_ini.GetBool(platform::kIniSectionOptions, s.key, 1) != 0);
    return true;
}

void CUserOptionsDlg::ShowFolder(int staticId, const std::string& folder) {
    SetDlgItemText(staticId, platform::PathText(folder));
}

void CUserOptionsDlg::BrowseFolder(std::string& folder, int staticId, const char* title) {
    CFilePickCtrl picker;
    picker.SetFoldersOnly(true);
    picker.ShowPathControls(true);
    picker.SetStartFolder(folder);
    if (picker.DoModalWithTitle(title) == kIdOk) folder = picker.GetSelectedFolder();
    ShowFolder(staticId, folder);
}

void CUserOptionsDlg::OnOK() {
    const char* options = platform::kIniSectionOptions;
    m_ini.WriteString(options, platform::kIniKeyLibraryFolder, m_strSectionLibraryFolder.c_str());
    m_ini.WriteString(options, platform::kIniKeyTruckLibraryFolder,
                      m_strVehicleLibraryFolder.c_str());
    m_ini.WriteInt(options, platform::kIniKeyTextReportFont, m_nTextReportFont, 10);
    for (const SectionSwitch& s : kSectionSwitches)
        m_ini.WriteInt(options, s.key, IsDlgButtonChecked(s.id) ? 1 : 0, 10);
    Dialog::OnOK();
}

void CMainFrame::OnFileOptions() {
    // The settings take effect through the analysis after OK: the report is written again with
    // the section switches read afresh, and a text view opened from then on takes the font.
    CUserOptionsDlg dlg;
    RunInputDialog(
        dlg, [&dlg](const CKordelDoc& doc) { dlg.m_bShowAsterisks = doc.m_bShowAsterisks; },
        [&dlg](CKordelDoc& doc) { doc.m_bShowAsterisks = dlg.m_bShowAsterisks; });
}

}  // namespace kordel

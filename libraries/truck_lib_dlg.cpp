#include "libraries/truck_lib_dlg.h"

#include "libraries/library_folders.h"
#include "platform/folders.h"
#include "platform/ini.h"
#include "platform/text_encoding.h"

namespace kordel {

using namespace platform::ui;
using platform::MsgButtons;
using platform::MsgIcon;

namespace {

/// The browser's one "drive": this system has a single root.
constexpr const char* kRootDrive = "/";
constexpr const char* kPickFirst = "Click a vehicle file first.";

}  // namespace

DialogTemplate MakeTruckBrowserTemplate(int id, const std::string& caption,
                                        const std::vector<std::pair<int, std::string>>& buttons) {
    DialogTemplate d;
    d.id = id;
    d.caption = caption;
    d.size = {318, 196};
    d.controls = {
        MakeControl(ControlKind::Label, kIdStatic, "Current &drive:", 7, 7, 80, 9),
        MakeControl(ControlKind::ComboBox, IDC_TRUCK_DRIVES, "", 7, 17, 238, 60),
        MakeControl(ControlKind::Label, kIdStatic, "Current directory:", 7, 35, 80, 9),
        MakeControl(ControlKind::SunkenFrame, IDC_TRUCK_FOLDER, "", 7, 45, 238, 12),
        MakeControl(ControlKind::ListBox, IDC_TRUCK_FILES, "", 7, 62, 238, 127),
        MakeControl(ControlKind::ComboBox, IDC_TRUCK_FILE_TYPE, "", 7, 62, 238, 60, kStyleHidden),
        MakeControl(ControlKind::DefPushButton, kIdOk, "OK", 254, 7, 57, 14, kStyleGroup),
        MakeControl(ControlKind::PushButton, kIdCancel, "Cancel", 254, 24, 57, 14),
    };
    int y = 48;
    for (const auto& [buttonId, text] : buttons) {
        d.controls.push_back(MakeControl(ControlKind::PushButton, buttonId, text, 254, y, 57, 14));
        y += 17;
    }
    return d;
}

CTruckBrowserDlg::CTruckBrowserDlg(const DialogTemplate& tmpl) : Dialog(tmpl) {
    OnNotify(Notification::SelChange, IDC_TRUCK_DRIVES, [this] { OnSelchangeDrive(); });
    OnNotify(Notification::SelChange, IDC_TRUCK_FILES, [this] { OnClickFileList(); });
    OnNotify(Notification::DblClick, IDC_TRUCK_FILES, [this] { OnDblclkFileList(); });
}

bool CTruckBrowserDlg::OnInitDialog() {
    Dialog::OnInitDialog();
    m_strLibraryFolder =
        ResolveLibraryFolder(platform::kIniKeyTruckLibraryFolder, kVehicleLibraryDefaultSuffix);
    // The library's own folder is made on first use, so that the browser opens in it.
    platform::CreateFolders(m_strLibraryFolder);
    m_strLoadedPath.clear();

    ResetContent(IDC_TRUCK_FILE_TYPE);
    AddString(IDC_TRUCK_FILE_TYPE, kTruckFileType);
    AddString(IDC_TRUCK_FILE_TYPE, kBrowserAllFiles);
    SetCurSel(IDC_TRUCK_FILE_TYPE, 0);
    m_browser.SetFoldersOnly(false);
    m_browser.SetFileType(kTruckFileType);

    ResetContent(IDC_TRUCK_DRIVES);
    AddString(IDC_TRUCK_DRIVES, kRootDrive);
    SetCurSel(IDC_TRUCK_DRIVES, 0);

    m_browser.SetFolder(m_strLibraryFolder);
    ListBrowsePath();
    return true;
}

void CTruckBrowserDlg::ListBrowsePath() {
    m_browser.Fill();
    ResetContent(IDC_TRUCK_FILES);
    for (const BrowserRow& row : m_browser.Rows()) AddString(IDC_TRUCK_FILES, row.Text());
    SetDlgItemText(IDC_TRUCK_FOLDER,
                   FolderLabel(platform::PathText(m_browser.Folder()), kTruckFolderChars));
}

bool CTruckBrowserDlg::RequireVehicle() {
    if (HasVehicle()) return true;
    MessageBox(kPickFirst, MsgButtons::Ok, MsgIcon::Information);
    return false;
}

void CTruckBrowserDlg::TakeVehicle(const TruckLibRecord& vehicle, const std::string& path) {
    static_cast<TruckLibRecord&>(m_docVehicle) = vehicle;
    m_strLoadedPath = path;
}

void CTruckBrowserDlg::OnSelchangeDrive() {
    if (GetCurSel(IDC_TRUCK_DRIVES) < 0) return;
    m_browser.SetFolder(kRootDrive);
    ListBrowsePath();
}

bool CTruckBrowserDlg::LoadRow(int row, bool again) {
    const std::vector<BrowserRow>& rows = m_browser.Rows();
    if (row < 0 || row >= static_cast<int>(rows.size())) return false;
    if (rows[row].kind != BrowserRow::Kind::File) return false;
    const std::string path = platform::JoinPath(m_browser.Folder(), rows[row].name);
    if (path == m_strLoadedPath && !again) return true;
    // A file the record refuses is reported by the document; the record keeps what it held.
    if (!m_docVehicle.OnOpenDocument(path)) return false;
    m_strLoadedPath = path;
    return true;
}

void CTruckBrowserDlg::OnClickFileList() {
    // The click reads the file afresh, even the one loaded before: it may have changed since.
    if (LoadRow(GetCurSel(IDC_TRUCK_FILES), true)) InvalidateItem();
}

void CTruckBrowserDlg::OnDblclkFileList() {
    const int row = GetCurSel(IDC_TRUCK_FILES);
    const std::vector<BrowserRow>& rows = m_browser.Rows();
    if (row < 0 || row >= static_cast<int>(rows.size())) return;
    if (rows[row].kind == BrowserRow::Kind::File) {
        if (LoadRow(row, false)) OnFileDoubleClicked();
        return;
    }
    const bool entered = m_browser.Open(row);
    ListBrowsePath();
    if (!entered && !m_browser.Message().empty()) MessageBox(m_browser.Message());
}

CTruckLibDlg::CTruckLibDlg() : CTruckBrowserDlg(Template()) {}

const DialogTemplate& CTruckLibDlg::Template() {
    static const DialogTemplate t =
        MakeTruckBrowserTemplate(IDD_TRUCK_LIBRARY, "Truck Library", {});
    return t;
}

void CTruckLibDlg::OnOK() {
    if (!UpdateData(true)) return;
    if (!RequireVehicle()) return;
    // The record holds rows 0 to N - 1 of the file and zero beyond (a load starts afresh).
    static_cast<TruckLibRecord&>(*this) = static_cast<const TruckLibRecord&>(m_docVehicle);
    EndDialog(kIdOk);
}

}  // namespace kordel

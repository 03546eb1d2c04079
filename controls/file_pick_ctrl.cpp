#include "controls/file_pick_ctrl.h"

#include "platform/text_encoding.h"

namespace kordel {

using namespace platform::ui;

const DialogTemplate& CFilePickCtrl::Template() {
    static const DialogTemplate t = [] {
        DialogTemplate d;
        d.id = IDD_FILE_PICK;
        d.size = {220, 214};
        d.controls = {
            MakeControl(ControlKind::Label, IDC_PICK_DRIVE_LABEL, "Current drive:", 7, 9, 60, 9),
            MakeControl(ControlKind::ComboBox, IDC_PICK_DRIVE, "", 70, 7, 143, 60),
            MakeControl(ControlKind::Label, IDC_PICK_PATH_LABEL, "Current directory:", 7, 26, 206,
                        9),
            MakeControl(ControlKind::SunkenFrame, IDC_PICK_PATH, "", 7, 37, 206, 12),
            MakeControl(ControlKind::ListBox, IDC_PICK_LIST, "", 7, 54, 206, 112),
            MakeControl(ControlKind::Label, IDC_PICK_TYPES_LABEL, "File types:", 7, 174, 60, 9),
            MakeControl(ControlKind::ComboBox, IDC_PICK_TYPES, "", 70, 172, 143, 60),
            MakeControl(ControlKind::DefPushButton, kIdOk, "OK", 107, 193, 50, 14, kStyleGroup),
            MakeControl(ControlKind::PushButton, kIdCancel, "Cancel", 163, 193, 50, 14),
        };
        return d;
    }();
    return t;
}

CFilePickCtrl::CFilePickCtrl() : FilePickTemplate{Template()}, Dialog(m_pickTemplate) {
    OnNotify(Notification::DblClick, IDC_PICK_LIST, [this] {
        m_browser.Open(GetCurSel(IDC_PICK_LIST));
        ShowList();
    });
    OnNotify(Notification::SelChange, IDC_PICK_DRIVE, [this] {
        m_browser.SetFolder("/");
        FillList();
    });
    OnNotify(Notification::SelChange, IDC_PICK_TYPES, [this] {
        const int type = GetCurSel(IDC_PICK_TYPES);
        if (type < 0) return;
        m_nFileType = type;
        m_browser.SetFileType(GetItemString(IDC_PICK_TYPES, type));
        FillList();
    });
}

void CFilePickCtrl::SetFoldersOnly(bool foldersOnly) {
    m_browser.SetFoldersOnly(foldersOnly);
    if (foldersOnly) m_nFileType = 0;
}

int CFilePickCtrl::DoModalWithTitle(const std::string& title) {
    m_strSelected.clear();
    m_pickTemplate.caption = title;
    return DoModal();
}

bool CFilePickCtrl::OnInitDialog() {
    Dialog::OnInitDialog();
    ShowItem(IDC_PICK_PATH_LABEL, m_bShowPath);
    ShowItem(IDC_PICK_PATH, m_bShowPath);
    const bool foldersOnly = m_browser.FoldersOnly();
    ShowItem(IDC_PICK_TYPES_LABEL, !foldersOnly);
    ShowItem(IDC_PICK_TYPES, !foldersOnly);
    ResetContent(IDC_PICK_TYPES);
    AddString(IDC_PICK_TYPES, kBrowserAllFiles);
    for (const std::string& type : m_fileTypes) AddString(IDC_PICK_TYPES, type);
    if (m_nFileType >= GetCount(IDC_PICK_TYPES)) m_nFileType = 0;
    SetCurSel(IDC_PICK_TYPES, m_nFileType);
    m_browser.SetFileType(GetItemString(IDC_PICK_TYPES, m_nFileType));

    ResetContent(IDC_PICK_DRIVE);
    AddString(IDC_PICK_DRIVE, kPickRootDrive);
    SetCurSel(IDC_PICK_DRIVE, 0);

    m_strStartFolder = m_browser.Folder();
    FillList();
    return true;
}

void CFilePickCtrl::FillList() {
    m_browser.Fill();
    ShowList();
}

void CFilePickCtrl::ShowList() {
    ResetContent(IDC_PICK_LIST);
    for (const BrowserRow& row : m_browser.Rows()) AddString(IDC_PICK_LIST, row.Text());
    SetDlgItemText(IDC_PICK_PATH,
                   FolderLabel(platform::PathText(m_browser.Folder()), kPickPathChars));
    ShowMessage();
}

void CFilePickCtrl::ShowMessage() {
    if (!m_browser.Message().empty()) MessageBox(m_browser.Message(), platform::MsgButtons::Ok);
}

void CFilePickCtrl::OnOK() {
    if (!m_browser.Choose(GetCurSel(IDC_PICK_LIST))) {
        ShowMessage();
        return;
    }
    m_strSelected = m_browser.Selected();
    EndDialog(kIdOk);
}

void CFilePickCtrl::OnCancel() {
    m_browser.SetFolder(m_strStartFolder);
    EndDialog(kIdCancel);
}

}  // namespace kordel

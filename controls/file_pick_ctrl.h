// "File-pick control": the small modal dialog in which the user walks the folders of the machine
// and picks a folder (or, outside folder mode, a file). It lists a folder itself (see
// CFolderBrowser): a double-click on a folder goes into it, "[Up one directory]" goes up, and OK
// gives back the folder, always ending in '/', or the file picked. The window title is given
// when it runs.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "controls/folder_browser.h"
#include "platform/ui/dialog.h"

namespace kordel {

inline constexpr int IDD_FILE_PICK = 102;
inline constexpr int IDC_PICK_DRIVE = 2000;        ///< the root of the file system
inline constexpr int IDC_PICK_LIST = 2001;         ///< the folders and files of the folder
inline constexpr int IDC_PICK_PATH = 2002;         ///< the current folder
inline constexpr int IDC_PICK_TYPES = 2004;        ///< the file types
inline constexpr int IDC_PICK_PATH_LABEL = 2005;   ///< "Current directory:"
inline constexpr int IDC_PICK_TYPES_LABEL = 2006;  ///< "File types:"
inline constexpr int IDC_PICK_DRIVE_LABEL = 2007;  ///< "Current drive:"

/// The one drive of this file system, as the drive selector shows it.
inline constexpr const char* kPickRootDrive = "(/)";
/// The bytes of the current folder its one-line label shows (the end of a longer path).
inline constexpr std::size_t kPickPathChars = 48;

namespace detail {
/// The dialog's own copy of its template, which takes the title it runs with as caption.
struct FilePickTemplate {
    platform::ui::DialogTemplate m_pickTemplate;
};
}  // namespace detail

class CFilePickCtrl : private detail::FilePickTemplate, public platform::ui::Dialog {
  public:
    CFilePickCtrl();

    /// Only folders are listed and picked (the file types are hidden).
    void SetFoldersOnly(bool foldersOnly);
    /// Shows the "Current directory:" label and the path field (shown by default).
    void ShowPathControls(bool show) { m_bShowPath = show; }
    /// The folder the dialog opens in.
    void SetStartFolder(const std::string& folder) { m_browser.SetFolder(folder); }
    /// Adds an entry of the form "description (pattern)" to the file-type selector after "All
    /// files (*.*)".
    void AddFileType(const std::string& entry) { m_fileTypes.push_back(entry); }
    /// Runs the dialog with `title` as its caption; kIdOk or kIdCancel.
    int DoModalWithTitle(const std::string& title);
    /// The folder (ending in '/') or file that the last OK gave; empty after Cancel.
    const std::string& GetSelectedFolder() const { return m_strSelected; }
    /// The folder the dialog lists now.
    const std::string& CurrentFolder() const { return m_browser.Folder(); }

    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

    /// The dialog's template (102, no caption).
    static const platform::ui::DialogTemplate& Template();

  private:
    /// Lists the current folder afresh (ShowList).
    void FillList();
    /// Shows the browser's rows and folder, and what it had to say about them.
    void ShowList();
    /// Shows what the browser had to say, if anything.
    void ShowMessage();

    CFolderBrowser m_browser;
    bool m_bShowPath = true;
    std::vector<std::string> m_fileTypes;
    int m_nFileType = 0;
    std::string m_strStartFolder;
    std::string m_strSelected;
};

}  // namespace kordel

// "Truck Library": the vehicle library folder in a folder browser, from which the user takes one
// vehicle. A click on a .ktl file loads it; OK (or a double click on the file) hands it to the
// caller in US units. The browser half (drive list, current folder, folders and .ktl files, the
// walk by double click) is CTruckBrowserDlg, which the maintenance dialog shares.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "controls/folder_browser.h"
#include "libraries/truck_lib_doc.h"
#include "platform/ui/dialog.h"

namespace kordel {

inline constexpr int IDD_TRUCK_LIBRARY = 143;
inline constexpr int IDC_TRUCK_DRIVES = 2000;     ///< "Current drive:"
inline constexpr int IDC_TRUCK_FILES = 2001;      ///< folders and .ktl files
inline constexpr int IDC_TRUCK_FOLDER = 2002;     ///< "Current directory:"
inline constexpr int IDC_TRUCK_FILE_TYPE = 2004;  ///< hidden: the file-type pattern

/// The file type the vehicle browsers list.
inline constexpr const char* kTruckFileType = "Kordel Truck Library files (*.ktl)";
/// The most axles a vehicle of the vehicle dialogs may have: what the smallest vehicle record
/// of a design (VehicleRecord, an additional rating vehicle) holds.
inline constexpr int kMaxDialogAxles = kMaxVehicleRecordAxles;

/// The template of a vehicle browser dialog: the browser on the left, OK and Cancel on the
/// right, then `buttons` (id and text) below them.
platform::ui::DialogTemplate MakeTruckBrowserTemplate(
    int id, const std::string& caption, const std::vector<std::pair<int, std::string>>& buttons);

/// The bytes of the current folder the browser's one-line label shows.
inline constexpr std::size_t kTruckFolderChars = 56;

/// A dialog with the vehicle browser. It opens on the vehicle library folder, lists its folders
/// and .ktl files, loads a clicked file into m_docVehicle and walks the folders by double click.
class CTruckBrowserDlg : public platform::ui::Dialog {
  public:
    explicit CTruckBrowserDlg(const platform::ui::DialogTemplate& tmpl);
    bool OnInitDialog() override;

    CTruckLibDoc m_docVehicle;       ///< the vehicle the last click on a file loaded
    std::string m_strLibraryFolder;  ///< the vehicle library folder, found at opening

    /// Whether a vehicle has been loaded since the dialog opened.
    bool HasVehicle() const { return !m_strLoadedPath.empty(); }
    /// The folder listed now.
    const std::string& BrowsePath() const { return m_browser.Folder(); }
    /// The file m_docVehicle was read from ("" when none).
    const std::string& LoadedPath() const { return m_strLoadedPath; }

  protected:
    /// A double click on a file, after that file was loaded.
    virtual void OnFileDoubleClicked() = 0;
    /// Lists the browse path again.
    void ListBrowsePath();
    /// "Click a vehicle file first." when nothing is loaded; true when a vehicle is.
    bool RequireVehicle();
    /// The record becomes `vehicle`, as if read from `path`.
    void TakeVehicle(const TruckLibRecord& vehicle, const std::string& path);

  private:
    void OnSelchangeDrive();
    void OnClickFileList();
    void OnDblclkFileList();
    /// Loads file row `row` (`again`: even when it was the last one loaded); true when the
    /// record holds it. A file that fails to load leaves the record as it was.
    bool LoadRow(int row, bool again);

    CFolderBrowser m_browser;
    std::string m_strLoadedPath;  ///< the file m_docVehicle was read from ("" none)
};

/// The pick dialog. After OK the record members hold the vehicle picked (rows from the axle
/// count on are 0); after Cancel they are not to be read.
class CTruckLibDlg : public CTruckBrowserDlg, public TruckLibRecord {
  public:
    CTruckLibDlg();
    void OnOK() override;
    static const platform::ui::DialogTemplate& Template();

  protected:
    void OnFileDoubleClicked() override { OnOK(); }
};

}  // namespace kordel

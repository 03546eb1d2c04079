// "Add Additional Vehicles": the design's list of up to 30 additional rating vehicles, each
// copied whole out of a vehicle library file (.ktl) into a VehicleRecord. The library folder's
// vehicles are listed on the right; the arrow button adds the one selected to the list on the
// left, "Remove" takes one out, "Browse..." lists another folder while the dialog is open.
#pragma once

#include <string>

#include "controls/image_button.h"
#include "document/model_limits.h"
#include "document/model_records.h"
#include "platform/ui/dialog.h"

namespace kordel {

struct TruckLibRecord;

inline constexpr int IDD_ADD_VEHICLES = 243;
inline constexpr int IDC_SELECTED_VEHICLES = 1317;
inline constexpr int IDC_ADD_VEHICLE = 1780;
inline constexpr int IDC_REMOVE_VEHICLE = 1781;
inline constexpr int IDC_EDIT_VEHICLE = 1218;
inline constexpr int IDC_LIBRARY_VEHICLES = 1350;
inline constexpr int IDC_BROWSE_VEHICLE_FOLDER = 1612;
inline constexpr int IDC_SELECTED_FOLDER = 1742;
/// The characters of the folder that the "Selected Folder:" line shows.
inline constexpr std::size_t kSelectedFolderChars = 88;

/// The picture of the Add button: a blue arrow pointing left, white around it.
inline constexpr int IDB_ADD_ARROW = 244;
inline constexpr platform::ui::Size kAddArrowSize{62, 25};
void DrawAddArrow(platform::ui::DC& dc);

/// The record of a library vehicle: its name, the axle rows of its count, lane loads, tandem
/// and combination, in single precision. The vehicle must have at most kMaxVehicleRecordAxles.
VehicleRecord VehicleRecordOf(const TruckLibRecord& vehicle);

class CAddVehiclesDlg : public platform::ui::Dialog {
  public:
    CAddVehiclesDlg();
    bool OnInitDialog() override;
    static const platform::ui::DialogTemplate& Template();

    VehicleRecord m_aVehicles[kMaxAdditionalVehicles] = {};
    int m_nVehicleCount = 0;          ///< records in use, 0 to 30
    std::string m_strLibraryFolder;   ///< the vehicle library folder of the settings
    std::string m_strCurrentFolder;   ///< the folder listed; ends in '/'

    /// The title of the folder browser.
    static constexpr const char* kBrowseTitle =
        "Select folder to retreive Kordel Vehicle Library files (*.ktl)";

  private:
    void OnAdd();
    void OnRemove();
    void OnBrowse();
    void FillLibraryList();
    void FillSelectedList();

    CImageButton m_addButton;
};

}  // namespace kordel

// "Truck Library Maintenance": the vehicle library folder in the vehicle browser, with Edit...
// (the vehicle clicked, in the vehicle properties dialog), New... (from the standard vehicle
// HL-93) and Import... (the vehicles of an older vehicle archive). Every vehicle is written as a
// .ktl file into the library folder, named after the vehicle; a file already there is replaced
// only when the user says so. OK and Cancel only close: the library is on disk already.
#pragma once

#include "libraries/truck_lib_dlg.h"

namespace kordel {

inline constexpr int IDD_TRUCK_LIBRARY_MAINTENANCE = 161;
inline constexpr int IDC_TRUCK_NEW = 1035;
inline constexpr int IDC_TRUCK_EDIT = 1301;
inline constexpr int IDC_TRUCK_IMPORT = 1613;

class CTruckLibMaintDlg : public CTruckBrowserDlg {
  public:
    CTruckLibMaintDlg();
    static const platform::ui::DialogTemplate& Template();

    int m_nUnits = kUnitsUS;  ///< 1 US customary, otherwise metric; set from the design

  protected:
    void OnFileDoubleClicked() override { OnEdit(); }

  private:
    void OnEdit();
    void OnNew();
    void OnImport();
    /// Runs the properties dialog on `vehicle` (US units); on OK writes what it gives back into
    /// the library folder and lists the folder again. `loadedFrom`: the file the vehicle came
    /// from, which it may replace without a question.
    void EditAndWrite(const TruckLibRecord& vehicle, const std::string& loadedFrom);
};

}  // namespace kordel

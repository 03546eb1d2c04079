// "Vehicle Properties": one live-load vehicle's name, axles (weight and spacing range of each),
// lane load, tandem and combination, in US or metric units. The caller hands in a vehicle in
// US units (SetVehicle), shows the dialog and takes the vehicle back in US units after OK
// (GetVehicle); values the user left as they were come back to the last bit, even where
// converting to metric and back would not. "Save" writes the vehicle into the vehicle library
// folder, "Library..." replaces it by one picked from there; callers may hide both.
#pragma once

#include <string>

#include "libraries/truck_lib_doc.h"
#include "platform/ui/dialog.h"

namespace kordel {

inline constexpr int IDD_VEHICLE_PROPERTIES = 144;
inline constexpr int IDC_TRUCK_SAVE = 1006;
inline constexpr int IDC_AXLE_WEIGHT = 1007;
inline constexpr int IDC_MIN_SPACING = 1008;
inline constexpr int IDC_MAX_SPACING = 1009;
inline constexpr int IDC_TANDEM_SPACING = 1010;
inline constexpr int IDC_TRUCK_OR_TANDEM_OR_LANE = 1014;
inline constexpr int IDC_LANE_SHEAR_LOAD = 1018;
inline constexpr int IDC_INCLUDE_TANDEM = 1021;
inline constexpr int IDC_AXLE_COUNT = 1022;
inline constexpr int IDC_TANDEM_AXLE1 = 1032;
inline constexpr int IDC_TANDEM_AXLE2 = 1033;
inline constexpr int IDC_VEHICLE_NAME = 1134;
inline constexpr int IDC_LANE_LOAD = 1150;
inline constexpr int IDC_LANE_MOMENT_LOAD = 1151;
inline constexpr int IDC_AXLE_WEIGHT_LIST = 1291;
inline constexpr int IDC_AXLE_SPACING_LIST = 1292;
inline constexpr int IDC_TRUCK_OR_TANDEM_PLUS_LANE = 1293;
inline constexpr int IDC_AXLE_LABEL = 1294;
inline constexpr int IDC_SPACING_LABEL = 1295;
inline constexpr int IDC_TRUCK_LIBRARY = 1298;
inline constexpr int IDC_AXLE_PICTURE = 1302;
inline constexpr int IDC_AXLE_COUNT_SPIN = 1306;
/// The labels that name units.
inline constexpr int IDC_AXLE_WEIGHT_GROUP = 1446;
inline constexpr int IDC_AXLE_SPACING_GROUP = 1447;
inline constexpr int IDC_TANDEM_WEIGHT_GROUP = 1448;
inline constexpr int IDC_LANE_LOAD_LABEL = 1449;
inline constexpr int IDC_LANE_MOMENT_LABEL = 1450;
inline constexpr int IDC_LANE_SHEAR_LABEL = 1451;
inline constexpr int IDC_TANDEM_SPACING_LABEL = 1452;

/// The axle pictures: no axle, one, two, three, and more.
inline constexpr int IDB_AXLES_NONE = 181;
inline constexpr int IDB_AXLES_ONE = 163;
inline constexpr int IDB_AXLES_TWO = 160;
inline constexpr int IDB_AXLES_THREE = 162;
inline constexpr int IDB_AXLES_MORE = 164;
/// The picture of a vehicle of `count` axles, and its drawing (66 x 26 pixels).
int AxlePictureId(int count);
void DrawAxlePicture(int pictureId, platform::ui::DC& dc);

/// The vehicle `us` as a dialog in `units` shows it (metric: kN, m, kN/m).
TruckLibRecord VehicleInUnits(const TruckLibRecord& us, int units);
/// The vehicle `shown` in `units` back in US units; a value still shown as VehicleInUnits shows
/// the value of `before` at the same place takes that value to the last bit.
TruckLibRecord VehicleFromUnits(const TruckLibRecord& shown, const TruckLibRecord& before,
                                int units);

/// Refuses (with a message, answering false) a vehicle with more axles than the vehicle
/// dialogs take.
bool AxleCountFits(platform::ui::Dialog& dialog, const TruckLibRecord& vehicle);

/// Writes `vehicle` into the vehicle library folder `folder` (made when missing), in the file
/// named after it. A file already there is replaced only when the user answers Yes to
/// `question` (with %s for the name; nullptr: replaced without a question); a name that leaves
/// no file name is refused. False when nothing was written.
bool WriteLibraryVehicle(platform::ui::Dialog& dialog, const TruckLibRecord& vehicle,
                         const std::string& folder, const char* question);

class CTruckPropDlg : public platform::ui::Dialog, public TruckLibRecord {
  public:
    CTruckPropDlg();
    bool OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(platform::ui::DataExchange& dx) override;
    static const platform::ui::DialogTemplate& Template();

    /// Sets m_nUnits and the vehicle members from `us` (US units), in those units.
    void SetVehicle(const TruckLibRecord& us, int units);
    /// The vehicle members in US units (see VehicleFromUnits).
    TruckLibRecord GetVehicle() const;

    int m_nCurrentAxle = 0;          ///< row shown in the weight edit, from 0
    int m_nCurrentSpacing = 0;       ///< row shown in the spacing edits, from 0
    int m_nUnits = kUnitsUS;         ///< 1 US customary, any other value metric
    std::string m_strLibraryFolder;  ///< the vehicle library folder, found at opening
    int m_bHideLibraryButtons = 0;   ///< hide "Save" and "Library..."
    double m_dAxleWeight = 0;        ///< weight of the current axle
    double m_dMaxSpacing = 0;        ///< spacing range of the current spacing row
    double m_dMinSpacing = 0;
    std::string m_strAxleLabel;      ///< "%2.0d": the current axle
    std::string m_strSpacingLabel;   ///< "%2.0d-%2.0d": the current axle pair

  private:
    bool Metric() const { return m_nUnits != kUnitsUS; }
    void OnSelchangeWeights();
    void OnSelchangeSpacings();
    void OnKillfocusAxleWeight();
    void OnKillfocusSpacing(bool minimum);
    bool OnDeltaposAxleCount(int pos, int delta);
    void OnCombination(int code);
    void OnSave();
    void OnLibrary();
    void FillWeightList(int count);
    void FillSpacingList(int count);
    void ShowAxlePicture(int count);
    void SetCombinationButtons(int code);
    /// Makes row 0 current in both lists (labels and edits with it).
    void SelectFirstRows();
    /// Stores the weight and spacing edits into their rows.
    void StoreCurrentRows();
    std::string WeightLine(int row) const;
    std::string SpacingLine(int row) const;

    TruckLibRecord m_usVehicle;  ///< the vehicle last handed in, in US units
};

}  // namespace kordel

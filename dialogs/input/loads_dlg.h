// "Loads": every load of the design but prestress: the self-weight multiplier, diaphragms,
// other dead loads on the girder and on the composite section, barriers and the future wearing
// surface (each as a line load or worked out from its parts), the pedestrian load, the two
// live-load vehicles with their multipliers, dynamic load allowance and properties, how their
// results combine, the distribution factors, the restraint moments and the deflection limit.
// The dead loads are in the units the design shows; the vehicles stay in US units here and
// only the vehicle properties dialog shows them converted.
#pragma once

#include <array>
#include <string>

#include "document/model_records.h"
#include "platform/ui/dialog.h"

namespace kordel {

inline constexpr int IDD_LOADS = 139;
inline constexpr int IDC_LOADS_BARRIER_LOAD = 1007;
inline constexpr int IDC_LOADS_DF_MOMENT = 1008;
inline constexpr int IDC_LOADS_DF_SHEAR = 1009;
inline constexpr int IDC_LOADS_DIAPHRAGM_LOCATION = 1010;
inline constexpr int IDC_LOADS_DF_COMPUTE = 1014;
inline constexpr int IDC_LOADS_V1_DLA_COMPUTE = 1015;
inline constexpr int IDC_LOADS_DIAPHRAGM_QUARTER = 1021;
inline constexpr int IDC_LOADS_V1_MULTIPLIER = 1022;
inline constexpr int IDC_LOADS_RESTRAINT_COMPUTE = 1023;
inline constexpr int IDC_LOADS_RESTRAINT_IGNORE = 1024;
inline constexpr int IDC_LOADS_BARRIER_CONSTANT = 1025;
inline constexpr int IDC_LOADS_BARRIER_VARIABLE = 1026;
inline constexpr int IDC_LOADS_V2_MULTIPLIER = 1027;
inline constexpr int IDC_LOADS_SELF_WEIGHT = 1033;
inline constexpr int IDC_LOADS_DIAPHRAGM_THIRD = 1050;
inline constexpr int IDC_LOADS_DIAPHRAGM_HALF = 1051;
inline constexpr int IDC_LOADS_DF_SPECIFY = 1077;
inline constexpr int IDC_LOADS_DIAPHRAGM_WEIGHT = 1095;
inline constexpr int IDC_LOADS_OTHER_NONCOMPOSITE = 1096;
inline constexpr int IDC_LOADS_FWS_LOAD = 1097;
inline constexpr int IDC_LOADS_PEDESTRIAN = 1100;
inline constexpr int IDC_LOADS_WEIGHT_LABEL = 1170;
inline constexpr int IDC_LOADS_OTHER_COMPOSITE = 1213;
inline constexpr int IDC_LOADS_DF_MOMENT_LABEL = 1225;
inline constexpr int IDC_LOADS_DF_SHEAR_LABEL = 1226;
inline constexpr int IDC_LOADS_OTHER_COMPOSITE_LABEL = 1234;
inline constexpr int IDC_LOADS_V1_PROPERTIES = 1290;
inline constexpr int IDC_LOADS_V2_PROPERTIES = 1291;
inline constexpr int IDC_LOADS_V1_ID = 1303;
inline constexpr int IDC_LOADS_V2_ID = 1304;
inline constexpr int IDC_LOADS_DIAPHRAGM_OTHER = 1318;
inline constexpr int IDC_LOADS_V1_INCLUDE = 1339;
inline constexpr int IDC_LOADS_V1_DLA = 1340;
inline constexpr int IDC_LOADS_V2_INCLUDE = 1341;
inline constexpr int IDC_LOADS_BARRIER_COUNT = 1342;
inline constexpr int IDC_LOADS_BARRIER_WEIGHT = 1343;
inline constexpr int IDC_LOADS_FWS_PRESSURE = 1345;
inline constexpr int IDC_LOADS_V2_DLA = 1346;
inline constexpr int IDC_LOADS_DEFL_RATIO = 1347;
inline constexpr int IDC_LOADS_V1_DLA_SPECIFY = 1361;
inline constexpr int IDC_LOADS_LOCATION_UNIT = 1398;
inline constexpr int IDC_LOADS_FWS_CONSTANT = 1486;
inline constexpr int IDC_LOADS_FWS_VARIABLE = 1487;
inline constexpr int IDC_LOADS_BARRIER_DISTRIBUTION = 1488;
inline constexpr int IDC_LOADS_FWS_WIDTH_BASIS = 1497;
inline constexpr int IDC_LOADS_BARRIER_DIST_LABEL = 1600;
inline constexpr int IDC_LOADS_BARRIER_COUNT_LABEL = 1601;
inline constexpr int IDC_LOADS_BARRIER_WEIGHT_LABEL = 1602;
inline constexpr int IDC_LOADS_BARRIER_WEIGHT_UNIT = 1603;
inline constexpr int IDC_LOADS_BARRIER_LOAD_UNIT = 1604;
inline constexpr int IDC_LOADS_FWS_LOAD_UNIT = 1605;
inline constexpr int IDC_LOADS_FWS_PRESSURE_UNIT = 1606;
inline constexpr int IDC_LOADS_V1_MULTIPLIER_LABEL = 1633;
inline constexpr int IDC_LOADS_V2_MULTIPLIER_LABEL = 1634;
inline constexpr int IDC_LOADS_COMBINE_GOVERNING = 1636;
inline constexpr int IDC_LOADS_COMBINE_OVERLOAD = 1637;
inline constexpr int IDC_LOADS_V1_ID_LABEL = 1638;
inline constexpr int IDC_LOADS_V2_ID_LABEL = 1639;
inline constexpr int IDC_LOADS_COMBINE_LABEL = 1640;
inline constexpr int IDC_LOADS_PEDESTRIAN_UNIT = 1655;
inline constexpr int IDC_LOADS_OTHER_COMPOSITE_UNIT = 1656;
inline constexpr int IDC_LOADS_OTHER_NONCOMPOSITE_UNIT = 1657;
inline constexpr int IDC_LOADS_DIAPHRAGM_WEIGHT_UNIT = 1658;
inline constexpr int IDC_LOADS_COMBINE_NONE = 1664;
inline constexpr int IDC_LOADS_V2_DLA_COMPUTE = 1684;
inline constexpr int IDC_LOADS_V2_DLA_SPECIFY = 1685;
inline constexpr int IDC_LOADS_V1_DLA_LABEL = 1686;
inline constexpr int IDC_LOADS_V2_DLA_LABEL = 1687;
inline constexpr int IDC_LOADS_FWS_DIST_LABEL = 1736;
inline constexpr int IDC_LOADS_DEFL_800 = 1769;
inline constexpr int IDC_LOADS_DEFL_1000 = 1770;
inline constexpr int IDC_LOADS_DEFL_USER = 1771;
inline constexpr int IDC_LOADS_DEFL_RATIO_LABEL = 1772;
inline constexpr int IDC_LOADS_DF_FATIGUE = 1793;
inline constexpr int IDC_LOADS_DF_FATIGUE_LABEL = 1794;
/// Frames and statics the dialog enables or disables.
inline constexpr int IDC_LOADS_COMPOSITE_FRAME = 1941;
inline constexpr int IDC_LOADS_RESTRAINT_FRAME = 1942;
inline constexpr int IDC_LOADS_DF_FRAME = 1943;
inline constexpr int IDC_LOADS_DF_MOMENT_UNIT = 1944;
inline constexpr int IDC_LOADS_DF_SHEAR_UNIT = 1945;
inline constexpr int IDC_LOADS_DF_FATIGUE_UNIT = 1946;

/// Everything in the frame "Live Load DF": the frame, its radios, labels, edits and units. A
/// girder alone in its bridge has no distribution, and all of them are disabled.
inline constexpr std::array<int, 12> kLiveLoadDfGroup = {
    IDC_LOADS_DF_FRAME,        IDC_LOADS_DF_COMPUTE,       IDC_LOADS_DF_SPECIFY,
    IDC_LOADS_DF_MOMENT_LABEL, IDC_LOADS_DF_MOMENT,        IDC_LOADS_DF_MOMENT_UNIT,
    IDC_LOADS_DF_SHEAR_LABEL,  IDC_LOADS_DF_SHEAR,         IDC_LOADS_DF_SHEAR_UNIT,
    IDC_LOADS_DF_FATIGUE_LABEL, IDC_LOADS_DF_FATIGUE,      IDC_LOADS_DF_FATIGUE_UNIT,
};

/// Self-weight multipliers "Self-weight multiplier:" takes.
inline constexpr double kMinSelfWeightMultiplier = 0.01;
inline constexpr double kMaxSelfWeightMultiplier = 1000.0;

class CLoadsDlg : public platform::ui::Dialog {
  public:
    CLoadsDlg();
    bool OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(platform::ui::DataExchange& dx) override;
    static const platform::ui::DialogTemplate& Template();

    // In only.
    int m_nUnits = 1;  ///< 1 US, 2 metric
    int m_nSpecification = 1;
    int m_nAgency = 0;
    int m_bCompositeDeck = 1;
    int m_bContinuous = 0;
    int m_nBeams = 2;
    std::string m_strProgramFolder;
    std::string m_strVehicleLibraryFile;

    /// Set to 1 by OK and by a vehicle changed through its properties.
    int m_bLoadEffectsDirty = 0;

    // Dead loads, in the shown units (kip | kN, ft | m, klf | kN/m, ksf | kPa).
    double m_dSelfWeightMultiplier = 1;
    int m_bDiaphragmAtQuarter = 0;
    int m_bDiaphragmAtThird = 0;
    int m_bDiaphragmAtHalf = 0;
    int m_bDiaphragmAtUserLocation = 0;
    double m_dDiaphragmUserLocation = 0;
    double m_dDiaphragmWeight = 0;
    double m_dOtherNonCompositeLoad = 0;
    int m_bComputeRestraintMoments = 0;
    int m_nBarrierLoadMode = 0;  ///< 0 constant, 1 variable
    double m_dBarrierLoad = 0;
    int m_nBarrierDistribution = 0;
    int m_nBarrierCount = 0;
    double m_dBarrierWeight = 0;
    int m_nFwsLoadMode = 0;  ///< 0 constant, 1 variable
    double m_dWearingSurfaceLoad = 0;
    double m_dFwsPressure = 0;
    int m_nFwsWidthBasis = 0;
    double m_dOtherCompositeLoad = 0;
    double m_dPedestrianLoad = 0;

    // Live load; the vehicles in US units.
    LiveLoadVehicle m_recVehicle1;
    LiveLoadVehicle m_recVehicle2;
    int m_nVehicle1ImpactMode = 1;  ///< 1 computed, 2 specified
    double m_dVehicle1ImpactSpecified = 0;
    int m_nVehicle2ImpactMode = 1;
    double m_dVehicle2ImpactSpecified = 0;
    int m_nVehicleCombineMode = 0;  ///< 0 governing, 1 overload, 2 not combined
    double m_dDeflLimitRatio = 800;  ///< the x of span / x
    int m_nDistFactorMode = 1;       ///< 1 computed, 2 specified
    double m_dUserDfMoment = 0;
    double m_dUserDfShear = 0;
    double m_dUserDfFatigue = 0;

  private:
    struct VehicleControls;
    static const VehicleControls& Controls(int vehicle);
    LiveLoadVehicle& Vehicle(int vehicle) { return vehicle == 1 ? m_recVehicle1 : m_recVehicle2; }
    int& ImpactMode(int vehicle) { return vehicle == 1 ? m_nVehicle1ImpactMode : m_nVehicle2ImpactMode; }
    void ShowDiaphragms();
    void ShowBarrierMode();
    void ShowFwsMode();
    void ShowDfMode();
    void ShowVehicle(int vehicle);
    void ShowImpactMode(int vehicle);
    void ShowCombination();
    void ShowDeflectionChoice(int radio);
    void OnInclude(int vehicle);
    void OnProperties(int vehicle);
};

}  // namespace kordel

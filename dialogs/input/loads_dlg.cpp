#include "dialogs/input/loads_dlg.h"

#include "document/model_limits.h"
#include "document/model_loads.h"
#include "document/model_project.h"
#include "libraries/truck_prop_dlg.h"

namespace kordel {

using namespace platform::ui;

namespace {

/// A vehicle of the design as the vehicle library keeps one (no multiplier, no inclusion).
TruckLibRecord AsLibraryVehicle(const LiveLoadVehicle& v) {
    TruckLibRecord r;
    r.m_strName = v.m_strName;
    r.m_nAxleCount = v.m_nAxleCount;
    std::copy(std::begin(v.m_aAxles), std::end(v.m_aAxles), std::begin(r.m_aAxles));
    r.m_dLaneLoad = v.m_dLaneLoad;
    r.m_dLaneMomentLoad = v.m_dLaneMomentLoad;
    r.m_dLaneShearLoad = v.m_dLaneShearLoad;
    r.m_bIncludeTandem = v.m_bIncludeTandem;
    r.m_dTandemAxle1 = v.m_dTandemAxle1;
    r.m_dTandemAxle2 = v.m_dTandemAxle2;
    r.m_dTandemSpacing = v.m_dTandemSpacing;
    r.m_nCombination = v.m_nCombination;
    return r;
}

/// The library vehicle's fields into the design's vehicle; its multiplier, inclusion and
/// spare flag stay.
void TakeLibraryVehicle(LiveLoadVehicle& v, const TruckLibRecord& r) {
    v.m_strName = r.m_strName;
    v.m_nAxleCount = r.m_nAxleCount;
    std::copy(std::begin(r.m_aAxles), std::end(r.m_aAxles), std::begin(v.m_aAxles));
    v.m_dLaneLoad = r.m_dLaneLoad;
    v.m_dLaneMomentLoad = r.m_dLaneMomentLoad;
    v.m_dLaneShearLoad = r.m_dLaneShearLoad;
    v.m_bIncludeTandem = r.m_bIncludeTandem;
    v.m_dTandemAxle1 = r.m_dTandemAxle1;
    v.m_dTandemAxle2 = r.m_dTandemAxle2;
    v.m_dTandemSpacing = r.m_dTandemSpacing;
    v.m_nCombination = r.m_nCombination;
}

/// A deflection ratio within 0.01 of `ratio`.
bool NearRatio(double value, double ratio) {
    return value > ratio - 0.01 && value < ratio + 0.01;
}

}  // namespace

/// The controls of one vehicle's group.
struct CLoadsDlg::VehicleControls {
    int include, multiplierLabel, multiplier, idLabel, id, properties, dlaLabel, dlaCompute,
        dlaSpecify, dla;
};

const CLoadsDlg::VehicleControls& CLoadsDlg::Controls(int vehicle) {
    static const VehicleControls v1{IDC_LOADS_V1_INCLUDE,     IDC_LOADS_V1_MULTIPLIER_LABEL,
                                    IDC_LOADS_V1_MULTIPLIER,  IDC_LOADS_V1_ID_LABEL,
                                    IDC_LOADS_V1_ID,          IDC_LOADS_V1_PROPERTIES,
                                    IDC_LOADS_V1_DLA_LABEL,   IDC_LOADS_V1_DLA_COMPUTE,
                                    IDC_LOADS_V1_DLA_SPECIFY, IDC_LOADS_V1_DLA};
    static const VehicleControls v2{IDC_LOADS_V2_INCLUDE,     IDC_LOADS_V2_MULTIPLIER_LABEL,
                                    IDC_LOADS_V2_MULTIPLIER,  IDC_LOADS_V2_ID_LABEL,
                                    IDC_LOADS_V2_ID,          IDC_LOADS_V2_PROPERTIES,
                                    IDC_LOADS_V2_DLA_LABEL,   IDC_LOADS_V2_DLA_COMPUTE,
                                    IDC_LOADS_V2_DLA_SPECIFY, IDC_LOADS_V2_DLA};
    return vehicle == 1 ? v1 : v2;
}

const DialogTemplate& CLoadsDlg::Template() {
    static const DialogTemplate t = [] {
        using K = ControlKind;
        DialogTemplate d;
        d.id = IDD_LOADS;
        d.caption = "Loads";
        d.size = {440, 356};
        const int R = 219;  // the right column
        d.controls = {
            MakeControl(K::GroupBox, kIdStatic, "Dead Load, non-composite", 7, 4, 206, 104),
            MakeControl(K::Label, kIdStatic, "Self-&weight multiplier:", 13, 16, 82, 9),
            MakeControl(K::Edit, IDC_LOADS_SELF_WEIGHT, "", 96, 14, 36, 12),
            MakeControl(K::Label, kIdStatic, "(default=1.0)", 136, 16, 60, 9),
            MakeControl(K::Label, kIdStatic, "Diaphragms:", 13, 31, 60, 9),
            MakeControl(K::Label, kIdStatic, "Locations:", 13, 45, 40, 9),
            MakeControl(K::CheckBox, IDC_LOADS_DIAPHRAGM_QUARTER, "L/&4", 56, 44, 30, 10),
            MakeControl(K::CheckBox, IDC_LOADS_DIAPHRAGM_THIRD, "L/&3", 90, 44, 30, 10),
            MakeControl(K::CheckBox, IDC_LOADS_DIAPHRAGM_HALF, "L/&2", 124, 44, 30, 10),
            MakeControl(K::CheckBox, IDC_LOADS_DIAPHRAGM_OTHER, "&Other:", 56, 59, 34, 10),
            MakeControl(K::Edit, IDC_LOADS_DIAPHRAGM_LOCATION, "", 92, 57, 48, 12, kStyleDisabled),
            MakeControl(K::Label, IDC_LOADS_LOCATION_UNIT, "FT", 144, 59, 20, 9, kStyleDisabled),
            MakeControl(K::Label, IDC_LOADS_WEIGHT_LABEL, "Weight:", 13, 75, 40, 9, kStyleDisabled),
            MakeControl(K::Edit, IDC_LOADS_DIAPHRAGM_WEIGHT, "", 56, 73, 48, 12, kStyleDisabled),
            MakeControl(K::Label, IDC_LOADS_DIAPHRAGM_WEIGHT_UNIT, "Kip", 108, 75, 20, 9),
            MakeControl(K::Label, kIdStatic, "Other uniform dead load:", 13, 91, 88, 9),
            MakeControl(K::Edit, IDC_LOADS_OTHER_NONCOMPOSITE, "", 104, 89, 50, 12),
            MakeControl(K::Label, IDC_LOADS_OTHER_NONCOMPOSITE_UNIT, "klf/beam", 158, 91, 50, 9),

            MakeControl(K::GroupBox, IDC_LOADS_RESTRAINT_FRAME, "Restraining Mom", 7, 112, 206, 28),
            MakeControl(K::RadioButton, IDC_LOADS_RESTRAINT_IGNORE, "I&gnore", 13, 124, 50, 10,
                        kStyleGroup),
            MakeControl(K::RadioButton, IDC_LOADS_RESTRAINT_COMPUTE, "Co&mpute:", 70, 124, 50, 10),

            MakeControl(K::GroupBox, IDC_LOADS_DF_FRAME, "Live Load DF", 7, 144, 206, 76,
                        kStyleGroup),
            MakeControl(K::RadioButton, IDC_LOADS_DF_COMPUTE, "Compute", 13, 156, 50, 10,
                        kStyleGroup),
            MakeControl(K::RadioButton, IDC_LOADS_DF_SPECIFY, "Specify:", 70, 156, 50, 10),
            MakeControl(K::Label, IDC_LOADS_DF_MOMENT_LABEL, "DF-M:", 13, 172, 26, 9,
                        kStyleGroup | kStyleDisabled),
            MakeControl(K::Edit, IDC_LOADS_DF_MOMENT, "", 42, 170, 40, 12, kStyleDisabled),
            MakeControl(K::Label, IDC_LOADS_DF_MOMENT_UNIT, "lanes", 86, 172, 30, 9),
            MakeControl(K::Label, IDC_LOADS_DF_SHEAR_LABEL, "DF-V:", 13, 188, 26, 9,
                        kStyleDisabled),
            MakeControl(K::Edit, IDC_LOADS_DF_SHEAR, "", 42, 186, 40, 12, kStyleDisabled),
            MakeControl(K::Label, IDC_LOADS_DF_SHEAR_UNIT, "lanes", 86, 188, 30, 9),
            MakeControl(K::Label, IDC_LOADS_DF_FATIGUE_LABEL, "DF-F:", 13, 204, 26, 9,
                        kStyleDisabled),
            MakeControl(K::Edit, IDC_LOADS_DF_FATIGUE, "", 42, 202, 40, 12, kStyleDisabled),
            MakeControl(K::Label, IDC_LOADS_DF_FATIGUE_UNIT, "lanes", 86, 204, 30, 9),

            MakeControl(K::GroupBox, kIdStatic, "Deflection Criteria", 7, 224, 206, 42),
            MakeControl(K::RadioButton, IDC_LOADS_DEFL_800, "1/800", 13, 236, 40, 10, kStyleGroup),
            MakeControl(K::RadioButton, IDC_LOADS_DEFL_1000, "1/1000", 56, 236, 44, 10),
            MakeControl(K::RadioButton, IDC_LOADS_DEFL_USER, "&User-Defined:", 104, 236, 66, 10),
            MakeControl(K::Label, IDC_LOADS_DEFL_RATIO_LABEL, "1/", 104, 251, 10, 9,
                        kStyleGroup | kStyleDisabled),
            MakeControl(K::Edit, IDC_LOADS_DEFL_RATIO, "", 116, 249, 50, 12, kStyleDisabled),

            MakeControl(K::Label, kIdStatic, "&Pedestrian:", 13, 276, 44, 9),
            MakeControl(K::Edit, IDC_LOADS_PEDESTRIAN, "", 58, 274, 50, 12),
            MakeControl(K::Label, IDC_LOADS_PEDESTRIAN_UNIT, "klf/beam", 112, 276, 62, 9),

            // Right column: composite dead loads, then the vehicles.
            MakeControl(K::GroupBox, IDC_LOADS_COMPOSITE_FRAME, "Dead Load, composite", R, 4, 214,
                        148),
            MakeControl(K::GroupBox, kIdStatic, "Barriers", R + 6, 14, 202, 56),
            MakeControl(K::RadioButton, IDC_LOADS_BARRIER_CONSTANT, "Constant:", R + 12, 26, 46, 10,
                        kStyleGroup),
            MakeControl(K::Edit, IDC_LOADS_BARRIER_LOAD, "", R + 61, 24, 50, 12),
            MakeControl(K::Label, IDC_LOADS_BARRIER_LOAD_UNIT, "klf/beam", R + 115, 26, 60, 9),
            MakeControl(K::RadioButton, IDC_LOADS_BARRIER_VARIABLE, "Variable:", R + 12, 40, 46,
                        10),
            MakeControl(K::Label, IDC_LOADS_BARRIER_DIST_LABEL, "Distrib Method:", R + 61, 41, 56,
                        9, kStyleGroup),
            MakeControl(K::ComboBox, IDC_LOADS_BARRIER_DISTRIBUTION, "", R + 119, 39, 56, 60),
            MakeControl(K::Label, IDC_LOADS_BARRIER_COUNT_LABEL, "No. Barriers", R + 12, 56, 44, 9),
            MakeControl(K::Edit, IDC_LOADS_BARRIER_COUNT, "", R + 58, 54, 18, 12),
            MakeControl(K::Label, IDC_LOADS_BARRIER_WEIGHT_LABEL, "Barrier wt:", R + 79, 56, 38, 9),
            MakeControl(K::Edit, IDC_LOADS_BARRIER_WEIGHT, "", R + 117, 54, 44, 12),
            MakeControl(K::Label, IDC_LOADS_BARRIER_WEIGHT_UNIT, "klf/each", R + 163, 56, 44, 9),

            MakeControl(K::GroupBox, kIdStatic, "Future Wearing Surface", R + 6, 74, 202, 56),
            MakeControl(K::RadioButton, IDC_LOADS_FWS_CONSTANT, "Constant:", R + 12, 86, 46, 10,
                        kStyleGroup),
            MakeControl(K::Edit, IDC_LOADS_FWS_LOAD, "", R + 61, 84, 50, 12),
            MakeControl(K::Label, IDC_LOADS_FWS_LOAD_UNIT, "klf/beam", R + 115, 86, 60, 9),
            MakeControl(K::RadioButton, IDC_LOADS_FWS_VARIABLE, "Variable:", R + 12, 100, 46, 10),
            MakeControl(K::Edit, IDC_LOADS_FWS_PRESSURE, "", R + 61, 98, 50, 12, kStyleGroup),
            MakeControl(K::Label, IDC_LOADS_FWS_PRESSURE_UNIT, "ksf", R + 115, 100, 60, 9),
            MakeControl(K::Label, IDC_LOADS_FWS_DIST_LABEL, "Distrib Method:", R + 61, 115, 56, 9),
            MakeControl(K::ComboBox, IDC_LOADS_FWS_WIDTH_BASIS, "", R + 119, 113, 70, 50),

            MakeControl(K::Label, IDC_LOADS_OTHER_COMPOSITE_LABEL, "Other Uniform:", R + 12, 136,
                        56, 9),
            MakeControl(K::Edit, IDC_LOADS_OTHER_COMPOSITE, "", R + 71, 134, 50, 12),
            MakeControl(K::Label, IDC_LOADS_OTHER_COMPOSITE_UNIT, "klf/beam", R + 125, 136, 60, 9),

            MakeControl(K::GroupBox, kIdStatic, "Live Load", R, 156, 214, 176),
            // Vehicle groups follow below (added by VehicleGroup).
        };
        // The two vehicle groups side by side, alike but for their ids and labels.
        const auto vehicleGroup = [&d](int x, const char* title, const VehicleControls& c,
                                       const char* compute) {
            const int y = 166;
            const std::vector<ControlTemplate> group = {
                MakeControl(K::GroupBox, kIdStatic, title, x, y, 100, 112),
                MakeControl(K::CheckBox, c.include, "Include", x + 6, y + 12, 50, 10),
                MakeControl(K::Label, c.multiplierLabel, "LL Multiplier:", x + 6, y + 28, 50, 9),
                MakeControl(K::Edit, c.multiplier, "", x + 58, y + 26, 36, 12),
                MakeControl(K::Label, c.idLabel, "ID:", x + 6, y + 43, 12, 9),
                MakeControl(K::SunkenFrame, c.id, "NONE", x + 20, y + 41, 74, 12),
                MakeControl(K::PushButton, c.properties, "Properties...", x + 6, y + 57, 60, 14),
                MakeControl(K::Label, c.dlaLabel, "DLA/Impact:", x + 6, y + 76, 50, 9),
                MakeControl(K::RadioButton, c.dlaCompute, compute, x + 6, y + 88, 44, 10,
                            kStyleGroup),
                MakeControl(K::RadioButton, c.dlaSpecify, "Specify:", x + 6, y + 99, 40, 10),
                MakeControl(K::Edit, c.dla, "", x + 52, y + 97, 36, 12, kStyleGroup),
            };
            d.controls.insert(d.controls.end(), group.begin(), group.end());
        };
        vehicleGroup(R + 6, "Vehicle 1", Controls(1), "Compute");
        vehicleGroup(R + 110, "Vehicle 2", Controls(2), "Compute:");
        const std::vector<ControlTemplate> tail = {
            MakeControl(K::Label, IDC_LOADS_COMBINE_LABEL, "Combine Vehicles 1 and 2 by:", R + 6,
                        284, 160, 9),
            MakeControl(K::RadioButton, IDC_LOADS_COMBINE_GOVERNING, "Adopt Governing Results",
                        R + 12, 295, 190, 10, kStyleGroup),
            MakeControl(K::RadioButton, IDC_LOADS_COMBINE_OVERLOAD,
                        "LRFD 4.6.2.2.5 (Vehicle 2 is Overload)", R + 12, 306, 190, 10),
            MakeControl(K::RadioButton, IDC_LOADS_COMBINE_NONE, "Do Not Combine Vehicle Results",
                        R + 12, 317, 190, 10),
            MakeControl(K::DefPushButton, kIdOk, "OK", 327, 337, 50, 14, kStyleGroup),
            MakeControl(K::PushButton, kIdCancel, "Cancel", 383, 337, 50, 14),
        };
        d.controls.insert(d.controls.end(), tail.begin(), tail.end());
        return d;
    }();
    return t;
}

CLoadsDlg::CLoadsDlg() : Dialog(Template()) {
    for (int id : {IDC_LOADS_DIAPHRAGM_QUARTER, IDC_LOADS_DIAPHRAGM_THIRD, IDC_LOADS_DIAPHRAGM_HALF,
                   IDC_LOADS_DIAPHRAGM_OTHER}) {
        m_commands.On(id, [this] {
            m_bDiaphragmAtQuarter = IsDlgButtonChecked(IDC_LOADS_DIAPHRAGM_QUARTER);
            m_bDiaphragmAtThird = IsDlgButtonChecked(IDC_LOADS_DIAPHRAGM_THIRD);
            m_bDiaphragmAtHalf = IsDlgButtonChecked(IDC_LOADS_DIAPHRAGM_HALF);
            m_bDiaphragmAtUserLocation = IsDlgButtonChecked(IDC_LOADS_DIAPHRAGM_OTHER);
            ShowDiaphragms();
        });
    }
    m_commands.On(IDC_LOADS_BARRIER_CONSTANT, [this] {
        m_nBarrierLoadMode = kLoadConstant;
        ShowBarrierMode();
    });
    m_commands.On(IDC_LOADS_BARRIER_VARIABLE, [this] {
        m_nBarrierLoadMode = kLoadVariable;
        ShowBarrierMode();
    });
    m_commands.On(IDC_LOADS_FWS_CONSTANT, [this] {
        m_nFwsLoadMode = kLoadConstant;
        ShowFwsMode();
    });
    m_commands.On(IDC_LOADS_FWS_VARIABLE, [this] {
        m_nFwsLoadMode = kLoadVariable;
        ShowFwsMode();
    });
    OnNotify(Notification::SelChange, IDC_LOADS_BARRIER_DISTRIBUTION, [this] {
        if (const int i = GetCurSel(IDC_LOADS_BARRIER_DISTRIBUTION); i >= 0)
            m_nBarrierDistribution = i;
    });
    OnNotify(Notification::SelChange, IDC_LOADS_FWS_WIDTH_BASIS, [this] {
        if (const int i = GetCurSel(IDC_LOADS_FWS_WIDTH_BASIS); i >= 0) m_nFwsWidthBasis = i;
    });
    m_commands.On(IDC_LOADS_RESTRAINT_COMPUTE, [this] { m_bComputeRestraintMoments = 1; });
    m_commands.On(IDC_LOADS_RESTRAINT_IGNORE, [this] { m_bComputeRestraintMoments = 0; });
    for (int vehicle : {1, 2}) {
        const VehicleControls& c = Controls(vehicle);
        m_commands.On(c.include, [this, vehicle] { OnInclude(vehicle); });
        m_commands.On(c.properties, [this, vehicle] { OnProperties(vehicle); });
        m_commands.On(c.dlaCompute, [this, vehicle] {
            ImpactMode(vehicle) = kValueComputed;
            ShowImpactMode(vehicle);
        });
        m_commands.On(c.dlaSpecify, [this, vehicle] {
            ImpactMode(vehicle) = kValueSpecified;
            ShowImpactMode(vehicle);
        });
    }
    m_commands.On(IDC_LOADS_COMBINE_GOVERNING,
                  [this] { m_nVehicleCombineMode = kCombineGoverning; });
    m_commands.On(IDC_LOADS_COMBINE_OVERLOAD, [this] { m_nVehicleCombineMode = kCombineOverload; });
    m_commands.On(IDC_LOADS_COMBINE_NONE, [this] { m_nVehicleCombineMode = kCombineNotCombined; });
    m_commands.On(IDC_LOADS_DF_COMPUTE, [this] {
        m_nDistFactorMode = kValueComputed;
        ShowDfMode();
    });
    m_commands.On(IDC_LOADS_DF_SPECIFY, [this] {
        m_nDistFactorMode = kValueSpecified;
        ShowDfMode();
    });
    for (const auto& choice :
         {std::pair{IDC_LOADS_DEFL_800, 800.0}, std::pair{IDC_LOADS_DEFL_1000, 1000.0}}) {
        const int id = choice.first;
        const double ratio = choice.second;
        m_commands.On(id, [this, id, ratio] {
            m_dDeflLimitRatio = ratio;
            ShowDeflectionChoice(id);
        });
    }
    m_commands.On(IDC_LOADS_DEFL_USER, [this] { ShowDeflectionChoice(IDC_LOADS_DEFL_USER); });
}

void CLoadsDlg::DoDataExchange(DataExchange& dx) {
    dx.Double(IDC_LOADS_SELF_WEIGHT, m_dSelfWeightMultiplier, kMinSelfWeightMultiplier,
              kMaxSelfWeightMultiplier);
    dx.Check(IDC_LOADS_DIAPHRAGM_QUARTER, m_bDiaphragmAtQuarter);
    dx.Check(IDC_LOADS_DIAPHRAGM_THIRD, m_bDiaphragmAtThird);
    dx.Check(IDC_LOADS_DIAPHRAGM_HALF, m_bDiaphragmAtHalf);
    dx.Check(IDC_LOADS_DIAPHRAGM_OTHER, m_bDiaphragmAtUserLocation);
    dx.Double(IDC_LOADS_DIAPHRAGM_LOCATION, m_dDiaphragmUserLocation);
    dx.Double(IDC_LOADS_DIAPHRAGM_WEIGHT, m_dDiaphragmWeight);
    dx.Double(IDC_LOADS_OTHER_NONCOMPOSITE, m_dOtherNonCompositeLoad);
    dx.Double(IDC_LOADS_BARRIER_LOAD, m_dBarrierLoad);
    dx.Int(IDC_LOADS_BARRIER_COUNT, m_nBarrierCount);
    dx.Double(IDC_LOADS_BARRIER_WEIGHT, m_dBarrierWeight);
    dx.Double(IDC_LOADS_FWS_LOAD, m_dWearingSurfaceLoad);
    dx.Double(IDC_LOADS_FWS_PRESSURE, m_dFwsPressure);
    dx.Double(IDC_LOADS_OTHER_COMPOSITE, m_dOtherCompositeLoad);
    dx.Check(IDC_LOADS_V1_INCLUDE, m_recVehicle1.m_bIncluded);
    dx.Double(IDC_LOADS_V1_MULTIPLIER, m_recVehicle1.m_dMultiplier);
    dx.Double(IDC_LOADS_V1_DLA, m_dVehicle1ImpactSpecified);
    dx.Check(IDC_LOADS_V2_INCLUDE, m_recVehicle2.m_bIncluded);
    dx.Double(IDC_LOADS_V2_MULTIPLIER, m_recVehicle2.m_dMultiplier);
    dx.Double(IDC_LOADS_V2_DLA, m_dVehicle2ImpactSpecified);
    dx.Double(IDC_LOADS_PEDESTRIAN, m_dPedestrianLoad);
    dx.Double(IDC_LOADS_DEFL_RATIO, m_dDeflLimitRatio);
    dx.Double(IDC_LOADS_DF_MOMENT, m_dUserDfMoment);
    dx.Double(IDC_LOADS_DF_SHEAR, m_dUserDfShear);
    dx.Double(IDC_LOADS_DF_FATIGUE, m_dUserDfFatigue);
    // The names are shown only: a vehicle changes through its properties.
    if (!dx.Saving()) {
        SetDlgItemText(IDC_LOADS_V1_ID, m_recVehicle1.m_strName);
        SetDlgItemText(IDC_LOADS_V2_ID, m_recVehicle2.m_strName);
    }
}

bool CLoadsDlg::OnInitDialog() {
    Dialog::OnInitDialog();
    if (m_nUnits != kUnitsUS) {
        SetDlgItemText(IDC_LOADS_LOCATION_UNIT, "m");
        SetDlgItemText(IDC_LOADS_DIAPHRAGM_WEIGHT_UNIT, "kN");
        SetDlgItemText(IDC_LOADS_WEIGHT_LABEL, "Wt.,kN:");
        for (int id :
             {IDC_LOADS_OTHER_NONCOMPOSITE_UNIT, IDC_LOADS_BARRIER_LOAD_UNIT,
              IDC_LOADS_FWS_LOAD_UNIT, IDC_LOADS_OTHER_COMPOSITE_UNIT, IDC_LOADS_PEDESTRIAN_UNIT})
            SetDlgItemText(id, "kN/m/beam");
        SetDlgItemText(IDC_LOADS_BARRIER_WEIGHT_UNIT, "kN/m/each");
        SetDlgItemText(IDC_LOADS_FWS_PRESSURE_UNIT, "kN/m2/beam");
    }
    ShowDiaphragms();
    ShowBarrierMode();
    ResetContent(IDC_LOADS_BARRIER_DISTRIBUTION);
    for (const char* item : {"Equal", "PCAP", "FDOT"})
        AddString(IDC_LOADS_BARRIER_DISTRIBUTION, item);
    SetCurSel(IDC_LOADS_BARRIER_DISTRIBUTION, m_nBarrierDistribution);
    ShowFwsMode();
    ResetContent(IDC_LOADS_FWS_WIDTH_BASIS);
    for (const char* item : {"Beam Spac", "Curb to Curb"})
        AddString(IDC_LOADS_FWS_WIDTH_BASIS, item);
    SetCurSel(IDC_LOADS_FWS_WIDTH_BASIS, m_nFwsWidthBasis);
    CheckRadioButton(m_bComputeRestraintMoments ? IDC_LOADS_RESTRAINT_COMPUTE
                                                : IDC_LOADS_RESTRAINT_IGNORE);
    ShowDfMode();
    ShowVehicle(1);
    ShowVehicle(2);
    ShowCombination();
    if (!m_bCompositeDeck) {
        for (int id : {IDC_LOADS_OTHER_COMPOSITE_LABEL, IDC_LOADS_OTHER_COMPOSITE,
                       IDC_LOADS_COMPOSITE_FRAME})
            EnableItem(id, false);
    }
    if (!m_bContinuous) {
        for (int id :
             {IDC_LOADS_RESTRAINT_IGNORE, IDC_LOADS_RESTRAINT_COMPUTE, IDC_LOADS_RESTRAINT_FRAME})
            EnableItem(id, false);
    }
    ShowDeflectionChoice(NearRatio(m_dDeflLimitRatio, 800.0)    ? IDC_LOADS_DEFL_800
                         : NearRatio(m_dDeflLimitRatio, 1000.0) ? IDC_LOADS_DEFL_1000
                                                                : IDC_LOADS_DEFL_USER);
    UpdateData(false);
    return true;
}

void CLoadsDlg::ShowDiaphragms() {
    const bool other = m_bDiaphragmAtUserLocation != 0;
    EnableItem(IDC_LOADS_DIAPHRAGM_LOCATION, other);
    EnableItem(IDC_LOADS_LOCATION_UNIT, other);
    const bool any = other || m_bDiaphragmAtQuarter || m_bDiaphragmAtThird || m_bDiaphragmAtHalf;
    EnableItem(IDC_LOADS_WEIGHT_LABEL, any);
    EnableItem(IDC_LOADS_DIAPHRAGM_WEIGHT, any);
}

void CLoadsDlg::ShowBarrierMode() {
    const bool constant = m_nBarrierLoadMode == kLoadConstant;
    CheckRadioButton(constant ? IDC_LOADS_BARRIER_CONSTANT : IDC_LOADS_BARRIER_VARIABLE);
    EnableItem(IDC_LOADS_BARRIER_LOAD_UNIT, constant);
    EnableItem(IDC_LOADS_BARRIER_LOAD, constant);
    for (int id :
         {IDC_LOADS_BARRIER_WEIGHT_LABEL, IDC_LOADS_BARRIER_COUNT_LABEL,
          IDC_LOADS_BARRIER_DIST_LABEL, IDC_LOADS_BARRIER_DISTRIBUTION,
          IDC_LOADS_BARRIER_WEIGHT_UNIT, IDC_LOADS_BARRIER_COUNT, IDC_LOADS_BARRIER_WEIGHT})
        EnableItem(id, !constant);
}

void CLoadsDlg::ShowFwsMode() {
    const bool constant = m_nFwsLoadMode == kLoadConstant;
    CheckRadioButton(constant ? IDC_LOADS_FWS_CONSTANT : IDC_LOADS_FWS_VARIABLE);
    EnableItem(IDC_LOADS_FWS_LOAD_UNIT, constant);
    EnableItem(IDC_LOADS_FWS_LOAD, constant);
    for (int id : {IDC_LOADS_FWS_PRESSURE_UNIT, IDC_LOADS_FWS_PRESSURE, IDC_LOADS_FWS_DIST_LABEL,
                   IDC_LOADS_FWS_WIDTH_BASIS})
        EnableItem(id, !constant);
}

void CLoadsDlg::ShowDfMode() {
    const bool computed = m_nDistFactorMode == kValueComputed;
    CheckRadioButton(computed ? IDC_LOADS_DF_COMPUTE : IDC_LOADS_DF_SPECIFY);
    for (int id : {IDC_LOADS_DF_MOMENT_LABEL, IDC_LOADS_DF_MOMENT, IDC_LOADS_DF_SHEAR_LABEL,
                   IDC_LOADS_DF_SHEAR, IDC_LOADS_DF_FATIGUE_LABEL, IDC_LOADS_DF_FATIGUE})
        EnableItem(id, !computed);
    // One girder has no distribution: the whole group stays disabled, whatever the mode.
    if (m_nBeams == 1) {
        for (int id : kLiveLoadDfGroup) EnableItem(id, false);
    }
}

void CLoadsDlg::ShowImpactMode(int vehicle) {
    const VehicleControls& c = Controls(vehicle);
    const bool computed = ImpactMode(vehicle) == kValueComputed;
    CheckRadioButton(computed ? c.dlaCompute : c.dlaSpecify);
    EnableItem(c.dla, !computed && Vehicle(vehicle).m_bIncluded);
}

void CLoadsDlg::ShowVehicle(int vehicle) {
    const VehicleControls& c = Controls(vehicle);
    const bool included = Vehicle(vehicle).m_bIncluded != 0;
    for (int id : {c.multiplierLabel, c.multiplier, c.idLabel, c.id, c.properties, c.dlaLabel,
                   c.dlaCompute, c.dlaSpecify})
        EnableItem(id, included);
    ShowImpactMode(vehicle);
}

void CLoadsDlg::ShowCombination() {
    const int radios[] = {IDC_LOADS_COMBINE_GOVERNING, IDC_LOADS_COMBINE_OVERLOAD,
                          IDC_LOADS_COMBINE_NONE};
    if (m_nVehicleCombineMode >= kCombineGoverning && m_nVehicleCombineMode <= kCombineNotCombined)
        CheckRadioButton(radios[m_nVehicleCombineMode]);
    const bool both = m_recVehicle1.m_bIncluded && m_recVehicle2.m_bIncluded;
    // Caltrans keeps the results of its permit vehicle apart from those of the design vehicle.
    const bool caltrans = m_nAgency == kAgencyCaltrans;
    EnableItem(IDC_LOADS_COMBINE_LABEL, both);
    EnableItem(IDC_LOADS_COMBINE_GOVERNING, both && !caltrans);
    EnableItem(IDC_LOADS_COMBINE_OVERLOAD, both && !caltrans);
    EnableItem(IDC_LOADS_COMBINE_NONE, both);
}

void CLoadsDlg::OnInclude(int vehicle) {
    const VehicleControls& c = Controls(vehicle);
    Vehicle(vehicle).m_bIncluded = IsDlgButtonChecked(c.include) ? 1 : 0;
    ShowVehicle(vehicle);
    const bool both = m_recVehicle1.m_bIncluded && m_recVehicle2.m_bIncluded;
    if (!both) {
        m_nVehicleCombineMode = kCombineGoverning;
    } else if (m_nAgency == kAgencyCaltrans) {
        m_nVehicleCombineMode = kCombineNotCombined;
    }
    ShowCombination();
}

void CLoadsDlg::ShowDeflectionChoice(int radio) {
    CheckRadioButton(radio);
    const bool user = radio == IDC_LOADS_DEFL_USER;
    EnableItem(IDC_LOADS_DEFL_RATIO_LABEL, user);
    EnableItem(IDC_LOADS_DEFL_RATIO, user);
    SetDlgItemText(IDC_LOADS_DEFL_RATIO, FormatDouble(m_dDeflLimitRatio));
}

void CLoadsDlg::OnProperties(int vehicle) {
    LiveLoadVehicle& v = Vehicle(vehicle);
    CTruckPropDlg dlg;
    dlg.SetVehicle(AsLibraryVehicle(v), m_nUnits);
    if (dlg.DoModal() != kIdOk) return;
    const TruckLibRecord changed = dlg.GetVehicle();
    // The design's analysis takes no more axles than the vehicle dialogs do.
    if (!AxleCountFits(*this, changed)) return;
    TakeLibraryVehicle(v, changed);
    SetDlgItemText(Controls(vehicle).id, v.m_strName);
    InvalidateItem();
    m_bLoadEffectsDirty = 1;
}

void CLoadsDlg::OnOK() {
    m_bLoadEffectsDirty = 1;
    Dialog::OnOK();
}

}  // namespace kordel

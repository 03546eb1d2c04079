#include "dialogs/input/analysis_options_dlg.h"

#include <algorithm>

#include "dialogs/input/add_vehicles_dlg.h"
#include "document/kordel_doc.h"
#include "document/unit_conversions.h"

namespace kordel {

using namespace platform::ui;

namespace {

constexpr int kTransformRadios[] = {IDC_TRANSFORM_NONE, IDC_TRANSFORM_LIVE_LOAD, IDC_TRANSFORM_ALL,
                                    IDC_TRANSFORM_ALL_BUT_LIVE_LOAD};
constexpr int kEffWidthRadios[] = {IDC_EFF_WIDTH_AASHTO, IDC_EFF_WIDTH_CALTRANS,
                                   IDC_EFF_WIDTH_USER};
/// The shear-method radios of methods 1, 2 and 3.
constexpr int kShearRadios[] = {IDC_SHEAR_SECTIONAL, IDC_SHEAR_SIMPLIFIED, IDC_SHEAR_STANDARD};
/// The controls that load rating switches on and off.
constexpr int kRatingControls[] = {IDC_RATING_INVENTORY, IDC_RATING_OPERATING,
                                   IDC_RATING_IGNORE_FWS, IDC_ADDITIONAL_VEHICLES};

/// Checks radio `index` of `radios`, or none when it is out of range.
template <std::size_t N>
void ShowRadio(Dialog& dlg, const int (&radios)[N], int index) {
    for (std::size_t k = 0; k < N; ++k) dlg.CheckDlgButton(radios[k], static_cast<int>(k) == index);
}

}  // namespace

const DialogTemplate& CAnalysisOptionsDlg::Template() {
    static const DialogTemplate t = [] {
        DialogTemplate d;
        d.id = IDD_ANALYSIS_OPTIONS;
        d.caption = "Analysis Options";
        d.size = {446, 287};
        constexpr unsigned off = kStyleDisabled;
        constexpr int L = 15;   // left column
        constexpr int R = 234;  // right column
        d.controls = {
            MakeControl(ControlKind::GroupBox, kIdStatic, "Section Properties", 7, 5, 213, 117),
            MakeControl(ControlKind::Label, kIdStatic, "Transform pretensioned strands for:", L, 17,
                        195, 9),
            MakeControl(ControlKind::RadioButton, IDC_TRANSFORM_NONE, "Don't transform strands",
                        L + 8, 28, 180, 10, kStyleGroup),
            MakeControl(ControlKind::RadioButton, IDC_TRANSFORM_LIVE_LOAD,
                        "Live load stresses only", L + 8, 39, 180, 10),
            MakeControl(ControlKind::RadioButton, IDC_TRANSFORM_ALL, "All stresses", L + 8, 50,
                        180, 10),
            MakeControl(ControlKind::RadioButton, IDC_TRANSFORM_ALL_BUT_LIVE_LOAD,
                        "All stresses except live load", L + 8, 61, 180, 10),
            MakeControl(ControlKind::Label, kIdStatic,
                        "Compute effective composite deck width per:", L, 75, 195, 9),
            MakeControl(ControlKind::RadioButton, IDC_EFF_WIDTH_AASHTO, "AASHTO (LRFD/STD)", L + 8,
                        86, 180, 10, kStyleGroup),
            MakeControl(ControlKind::RadioButton, IDC_EFF_WIDTH_CALTRANS, "Caltrans Art. 4.6.2.6",
                        L + 8, 97, 180, 10),
            MakeControl(ControlKind::RadioButton, IDC_EFF_WIDTH_USER, "User specified:", L + 8,
                        108, 66, 10),
            MakeControl(ControlKind::Edit, IDC_USER_EFF_WIDTH, "", L + 76, 107, 44, 12, off),
            MakeControl(ControlKind::Label, IDC_USER_EFF_WIDTH_UNIT, "in", L + 123, 109, 16, 9),

            MakeControl(ControlKind::GroupBox, kIdStatic, "Load Rating", 7, 126, 213, 68,
                        kStyleGroup),
            MakeControl(ControlKind::CheckBox, IDC_INCLUDE_LOAD_RATING, "&Include Load Rating", L,
                        138, 150, 10),
            MakeControl(ControlKind::CheckBox, IDC_RATING_INVENTORY, "Inventory", L + 8, 150, 70,
                        10, off),
            MakeControl(ControlKind::CheckBox, IDC_RATING_OPERATING, "Operating", L + 82, 150, 70,
                        10, off),
            MakeControl(ControlKind::CheckBox, IDC_RATING_IGNORE_FWS,
                        "Ignore FWS load for ratings", L + 8, 162, 150, 10, off),
            MakeControl(ControlKind::PushButton, IDC_ADDITIONAL_VEHICLES,
                        "&Additional Vehicles...", L + 8, 175, 90, 14, off),

            MakeControl(ControlKind::GroupBox, kIdStatic, "Load Combinations", 7, 198, 213, 62),
            MakeControl(ControlKind::CheckBox, IDC_INCLUDE_STRENGTH_II,
                        "Include Strength II (using Vehicle 2)", L, 210, 195, 10),
            MakeControl(ControlKind::CheckBox, IDC_SERVICE_COMBO_I, "Use Service Combo I", L, 222,
                        195, 10),
            MakeControl(ControlKind::Label, kIdStatic, "Restraining moment load factor:", L, 240,
                        120, 9),
            MakeControl(ControlKind::Edit, IDC_RESTRAINING_MOMENT_FACTOR, "", L + 124, 238, 44,
                        12),

            MakeControl(ControlKind::GroupBox, kIdStatic, "Shear Design", 226, 5, 213, 105),
            MakeControl(ControlKind::CheckBox, IDC_VC_QUARTER_PTS_REINFORCED,
                        "Evaluate Vc between quarter-pts as reinforced", R, 17, 200, 10),
            MakeControl(ControlKind::CheckBox, IDC_DV_ALL_STEEL, "Use all steel to calculate dv",
                        R, 29, 200, 10),
            MakeControl(ControlKind::Label, kIdStatic,
                        "Compute vertical shear requirements using:", R, 43, 200, 9),
            MakeControl(ControlKind::RadioButton, IDC_SHEAR_SECTIONAL,
                        "LRFD Specs (6th ed.) - Sectional model (5.8.3)", R + 8, 54, 195, 10,
                        kStyleGroup),
            MakeControl(ControlKind::CheckBox, IDC_SHEAR_APPENDIX_B5,
                        "Use Appendix B5 for Theta and Beta", R + 20, 65, 180, 10),
            MakeControl(ControlKind::RadioButton, IDC_SHEAR_SIMPLIFIED,
                        "LRFD Specs (6th ed.) - Simplified  (5.8.3.4.3)", R + 8, 77, 195, 10),
            MakeControl(ControlKind::RadioButton, IDC_SHEAR_STANDARD,
                        "Standard Specs (17th ed., 2004) - (9.20)", R + 8, 89, 195, 10),

            MakeControl(ControlKind::GroupBox, kIdStatic, "Strength Design", 226, 114, 213, 40,
                        kStyleGroup),
            MakeControl(ControlKind::CheckBox, IDC_STRAIN_COMPATIBILITY, "Use strain compatibility",
                        R, 126, 195, 10),
            MakeControl(ControlKind::CheckBox, IDC_INTERIOR_PIERS_REINFORCED,
                        "Treat interior piers as reinforced", R, 138, 195, 10),

            MakeControl(ControlKind::GroupBox, kIdStatic, "Live Load", 226, 158, 213, 78),
            MakeControl(ControlKind::CheckBox, IDC_CHECK_SINGLE_LANE, "Check single lane loading",
                        R, 170, 195, 10),
            MakeControl(ControlKind::CheckBox, IDC_CHECK_LOWBOY,
                        "Check lowboy (Caltrans CA 3.6.1.3.1)", R, 182, 195, 10),
            MakeControl(ControlKind::CheckBox, IDC_SKEW_ADJUST_MOMENT_DF,
                        "Adjust moment DF with skew", R, 194, 195, 10),
            MakeControl(ControlKind::CheckBox, IDC_INCREASED_DOUBLE_TRUCK,
                        "Increased double truck loads", R, 206, 195, 10),
            MakeControl(ControlKind::CheckBox, IDC_FATIGUE_ONE_TRUCK, "Use Fatigue 1 Truck", R, 218,
                        195, 10),

            MakeControl(ControlKind::CheckBox, IDC_TRANSFORM_PS_STRAND, "Transform PS strand", 226,
                        268, 90, 10, kStyleHidden),
            MakeControl(ControlKind::DefPushButton, kIdOk, "OK", 333, 266, 50, 14, kStyleGroup),
            MakeControl(ControlKind::PushButton, kIdCancel, "Cancel", 389, 266, 50, 14),
        };
        return d;
    }();
    return t;
}

CAnalysisOptionsDlg::CAnalysisOptionsDlg() : Dialog(Template()) {
    for (int k = 0; k < 4; ++k) {
        m_commands.On(kTransformRadios[k], [this, k] {
            m_nTransformStrandsMode = k;
            ShowRadio(*this, kTransformRadios, k);
        });
    }
    for (int k = 0; k < 3; ++k) m_commands.On(kEffWidthRadios[k], [this, k] { OnEffWidth(k); });
    for (int k = 0; k < 3; ++k)
        m_commands.On(kShearRadios[k], [this, k] { OnShearMethod(k + 1); });
    m_commands.On(IDC_INCLUDE_LOAD_RATING, [this] {
        m_bIncludeLoadRating = IsDlgButtonChecked(IDC_INCLUDE_LOAD_RATING) ? 1 : 0;
        EnableRatingControls();
    });
    m_commands.On(IDC_ADDITIONAL_VEHICLES, [this] { OnAdditionalVehicles(); });
}

bool CAnalysisOptionsDlg::Metric() const {
    return m_nUnits != kUnitsUS;
}

void CAnalysisOptionsDlg::DoDataExchange(DataExchange& dx) {
    dx.Double(IDC_USER_EFF_WIDTH, m_dUserEffWidth);
    dx.Double(IDC_RESTRAINING_MOMENT_FACTOR, m_dRestrainingMomentFactor);
    const std::pair<int, int*> checks[] = {
        {IDC_INCLUDE_LOAD_RATING, &m_bIncludeLoadRating},
        {IDC_RATING_INVENTORY, &m_bRatingInventory},
        {IDC_RATING_OPERATING, &m_bRatingOperating},
        {IDC_RATING_IGNORE_FWS, &m_bRatingIgnoreFws},
        {IDC_INCLUDE_STRENGTH_II, &m_bIncludeStrengthII},
        {IDC_SERVICE_COMBO_I, &m_bServiceComboI},
        {IDC_VC_QUARTER_PTS_REINFORCED, &m_bVcQuarterPtsReinforced},
        {IDC_DV_ALL_STEEL, &m_bDvAllSteel},
        {IDC_SHEAR_APPENDIX_B5, &m_bShearAppendixB5},
        {IDC_STRAIN_COMPATIBILITY, &m_bStrainCompatibility},
        {IDC_INTERIOR_PIERS_REINFORCED, &m_bInteriorPiersReinforced},
        {IDC_CHECK_SINGLE_LANE, &m_bCheckSingleLane},
        {IDC_CHECK_LOWBOY, &m_bCheckLowboy},
        {IDC_SKEW_ADJUST_MOMENT_DF, &m_bSkewAdjustMomentDf},
        {IDC_INCREASED_DOUBLE_TRUCK, &m_bIncreasedDoubleTruck},
        {IDC_FATIGUE_ONE_TRUCK, &m_bFatigueOneTruck},
        {IDC_TRANSFORM_PS_STRAND, &m_bTransformPsStrand},
    };
    for (const auto& [id, member] : checks) dx.Check(id, *member);
}

bool CAnalysisOptionsDlg::OnInitDialog() {
    Dialog::OnInitDialog();
    // The refined losses of the 6th edition work with the transformed section: the choice is
    // shown but cannot be changed.
    for (int id : kTransformRadios) EnableItem(id, m_nLossMethod != kLossLrfd6thDetailed);
    ShowRadio(*this, kTransformRadios, m_nTransformStrandsMode);
    ShowRadio(*this, kEffWidthRadios, m_nEffWidthMethod);
    EnableItem(IDC_USER_EFF_WIDTH, m_nEffWidthMethod == kEffWidthUser);
    SetDlgItemText(IDC_USER_EFF_WIDTH_UNIT, Metric() ? "m" : "in");
    ShowRadio(*this, kShearRadios, m_nShearMethod - 1);
    if (m_nShearMethod >= 1 && m_nShearMethod <= 3)
        EnableItem(IDC_SHEAR_APPENDIX_B5, m_nShearMethod == kShearLrfdSectional);
    EnableRatingControls();
    return true;
}

void CAnalysisOptionsDlg::EnableRatingControls() {
    for (int id : kRatingControls) EnableItem(id, m_bIncludeLoadRating == 1);
}

void CAnalysisOptionsDlg::OnEffWidth(int method) {
    m_nEffWidthMethod = method;
    ShowRadio(*this, kEffWidthRadios, method);
    EnableItem(IDC_USER_EFF_WIDTH, method == kEffWidthUser);
    if (method == kEffWidthUser && m_pDoc) {
        // Starts from the width the last analysis worked out.
        const double width = m_pDoc->m_dEffFlangeWidth;  // in
        SetDlgItemText(IDC_USER_EFF_WIDTH,
                       FormatDouble(Metric() ? ConvertInchesMeters(1, width) : width));
    }
}

void CAnalysisOptionsDlg::OnShearMethod(int method) {
    m_nShearMethod = method;
    ShowRadio(*this, kShearRadios, method - 1);
    EnableItem(IDC_SHEAR_APPENDIX_B5, method == kShearLrfdSectional);
}

void CAnalysisOptionsDlg::OnAdditionalVehicles() {
    CAddVehiclesDlg sub;
    const int count = std::clamp(m_nRatingVehicleCount, 0, kMaxAdditionalVehicles);
    RunSubDialog(
        sub,
        [&](CAddVehiclesDlg& s) {
            s.m_nVehicleCount = count;
            std::copy_n(m_aRatingVehicles, count, s.m_aVehicles);
        },
        [&](CAddVehiclesDlg& s) {
            m_nRatingVehicleCount = std::clamp(s.m_nVehicleCount, 0, kMaxAdditionalVehicles);
            std::copy_n(s.m_aVehicles, m_nRatingVehicleCount, m_aRatingVehicles);
        });
}

}  // namespace kordel

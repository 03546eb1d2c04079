#include "dialogs/input/materials_dlg.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <tuple>

#include "dialogs/input/fr_factors_dlg.h"
#include "dialogs/input/loss_params_pre_dlg.h"
#include "dialogs/input/mcr_factors_dlg.h"
#include "document/model_limits.h"
#include "document/model_materials.h"
#include "document/model_prestress.h"
#include "document/model_project.h"
#include "document/unit_conversions.h"
#include "engine/core/aashto_creep_shrinkage.h"

namespace kordel {

using namespace platform::ui;
using platform::MsgIcon;

namespace {

// Seven-wire prestressing strand, ASTM A416 (areas, diameters, fpu) with the stress-relieved
// and special ("SP") strands of older practice.
//   list texts (pretensioning, post-tensioning), name, area in2, diameter in, fpu ksi, kind
constexpr std::array<StrandTableRow, kStrandTableRows> kStrandTable = {{
    {"1: 1/2 in 270 ksi Low-Relax", "1: 1/2 IN 270 KSI Low-Relax", "1/2in 270 LR", 0.153, 0.5, 270,
     1, "Low-Relaxation"},
    {"2: 1/2 in 270 ksi Stress-Relieved", "2: 1/2 IN 270 KSI Stress-Relieved", "1/2in 270 SR",
     0.153, 0.5, 270, 2, "Stress_Relieved"},
    {"3: 1/2 in SP 270 ksi Low-Relax", "3: 1/2 IN SP 270 KSI Low-Relax", "1/2in SP", 0.167, 0.5,
     270, 1, "Low-Relaxation"},
    {"4: 9/16 in 270 ksi Low-Relax", "4: 9/16 IN 270 KSI Low-Relax", "9/16in 270 LR", 0.192, 0.5625,
     270, 1, "Low-Relaxation"},
    {"5: 0.6 in 270 ksi Low-Relax", "5: 0.6 IN 270 KSI Low-Relax", "0.6in 270 LR", 0.217, 0.6, 270,
     1, "Low-Relaxation"},
    {"6: 3/8 in 250 ksi Stress-Relieved", "6: 3/8 IN 250 KSI Stress-Relieved", "3/8in 250 SR", 0.08,
     0.375, 250, 2, "Stress-Relieved"},
    {"7: 7/16 in 270 ksi Low-Relax", "7: 7/16 in 270 ksi Low-Relax", "7/16in 270 LR", 0.115, 0.4375,
     270, 1, "Low-Relaxation"},
    {"8: 7/16 in 270 ksi Stress-Relieved", "8: 7/16 in 270 ksi Stress-Relieved", "7/16in 270 SR",
     0.115, 0.4375, 270, 2, "Stress-Relieved"},
    {"9: 1/2 in 250 ksi Low-Relax", "9: 1/2 in 250 ksi Low-Relax", "1/2in 250 LR", 0.144, 0.5, 250,
     1, "Low-Relaxation"},
    {"10: 1/2 in 250 ksi Stress-Relieved", "10: 1/2 in 250 ksi Stress-Relieved", "1/2in 250 SR",
     0.144, 0.5, 250, 2, "Stress-Relieved"},
    {"11: 7/16 in 250 ksi Stress-Relieved", "11: 7/16 in 250 ksi Stress-Relieved", "7/16in 250 SR",
     0.108, 0.4375, 250, 2, "Stress-Relieved"},
    {"12: 0.6 in 250 ksi Stress-Relieved", "12: 0.6 in 250 ksi Stress-Relieved", "0.6in 250 SR",
     0.216, 0.6, 250, 2, "Stress-Relieved"},
    {"13: 7/16 in 250 ksi Low-Relax", "13: 7/16 in 250 ksi Low-Relax", "7/16 250 LR", 0.108, 0.4375,
     250, 1, "Low-Relaxation"},
    {"14: 3/8 in 270 ksi Stress-Relieved", "14: 3/8 in 270 ksi Stress-Relieved", "3/8in 270 SR",
     0.085, 0.375, 270, 2, "Stress-Relieved"},
    {"15: 3/8 in 270 ksi Low-Relax", "15: 3/8 in 270 ksi Low-Relax", "3/8in 270 LR", 0.085, 0.375,
     270, 1, "Low-Relaxation"},
    {"16: 0.6 in 250 ksi Low-Relax", "16: 0.6 in 250 ksi Low-Relax", "0.6in 250 LR", 0.216, 0.6,
     250, 1, "Low-Relaxation"},
}};

/// The strand a type no row holds stands for.
constexpr StrandTableRow kFallbackStrand = {"",  "", "1/2in 270 LR",  0.1531, 0.5,
                                            270, 1,  "Low-Relaxation"};
/// Row 6 of the post-tensioning list: the 7/16 in strand of the tendon suppliers.
constexpr int kPtSmallStrandRow = 6;
constexpr double kPtSmallStrandArea = 0.1089;  // in2

/// Bar yield strength of "Gr 60": 60 ksi, and the metric grade's 420 MPa.
constexpr double kGrade60Ksi = 60.0;
constexpr double kGrade420Mpa = 420.0;

/// Highest unit weight of lightweight concrete in the 7th edition, kcf.
// AASHTO LRFD 7th ed. Art. 5.2 (lightweight concrete: unit weight not exceeding 0.135 kcf)
constexpr double kLightweightLimit = 0.135;

/// A modulus entered by hand, to one decimal: the whole part of (E + 0.05) x 10, over 10.
double ToOneDecimal(double E) {
    return std::trunc((E + 0.05) * 10.0) / 10.0;
}

}  // namespace

StrandTableRow StrandOfType(int type, bool postTensioning) {
    if (type < 0 || type >= kStrandTableRows) return kFallbackStrand;
    StrandTableRow row = kStrandTable[static_cast<std::size_t>(type)];
    if (postTensioning && type == kPtSmallStrandRow) row.area = kPtSmallStrandArea;
    return row;
}

// AASHTO LRFD 6th ed. Table 5.4.4.1-1 (fpy = 0.90 fpu low-relaxation, 0.85 fpu stress-relieved)
double StrandFpy(int kind, double fpu) {
    return fpu * (kind == kStrandLowRelaxation ? 0.9 : 0.85);
}

int SeventhEditionDensityClass(double density) {
    return density <= kLightweightLimit ? kConcreteLightweight : kConcreteNormalWeight;
}

const DialogTemplate& CMaterialsDlg::Template() {
    static const DialogTemplate t = [] {
        using K = ControlKind;
        DialogTemplate d;
        d.id = IDD_MATERIALS;
        d.caption = "Materials";
        d.size = {460, 298};
        // Left column: concrete, moduli, restraint moments, bars.
        const int L = 7;
        const int R = 246;
        d.controls = {
            MakeControl(K::GroupBox, kIdStatic, "Concrete", L, 4, 232, 64),
            MakeControl(K::Label, kIdStatic, "f'c", 40, 13, 34, 9, kStyleCenter),
            MakeControl(K::Label, kIdStatic, "f'ci", 78, 13, 34, 9, kStyleCenter),
            MakeControl(K::Label, kIdStatic, "Density", 116, 13, 44, 9, kStyleCenter),
            MakeControl(K::Label, IDC_MAT_HEAD_NORMAL, "Normal", 164, 13, 26, 9, kStyleCenter),
            MakeControl(K::Label, IDC_MAT_HEAD_LIGHTWEIGHT, "Lightweight", 190, 13, 44, 9,
                        kStyleCenter),
            MakeControl(K::Label, IDC_MAT_FC_UNIT, "ksi", 40, 22, 34, 9, kStyleCenter),
            MakeControl(K::Label, IDC_MAT_FCI_UNIT, "ksi", 78, 22, 34, 9, kStyleCenter),
            MakeControl(K::Label, IDC_MAT_DENSITY_UNIT, "kcf", 116, 22, 44, 9, kStyleCenter),
            MakeControl(K::Label, IDC_MAT_HEAD_WEIGHT, "Weight", 164, 22, 26, 9, kStyleCenter),
            MakeControl(K::Label, IDC_MAT_HEAD_SAND, "Sand", 190, 22, 22, 9, kStyleCenter),
            MakeControl(K::Label, IDC_MAT_HEAD_ALL, "All", 212, 22, 22, 9, kStyleCenter),
            MakeControl(K::Label, kIdStatic, "&Beam:", 13, 35, 26, 9),
            MakeControl(K::Edit, IDC_MAT_BEAM_FC, "", 40, 33, 34, 12),
            MakeControl(K::Edit, IDC_MAT_BEAM_FCI, "", 78, 33, 34, 12),
            MakeControl(K::Edit, IDC_MAT_BEAM_DENSITY, "", 116, 33, 44, 12),
            MakeControl(K::RadioButton, IDC_MAT_BEAM_NORMAL, "", 171, 34, 14, 10, kStyleGroup),
            MakeControl(K::RadioButton, IDC_MAT_BEAM_SAND_LIGHT, "", 195, 34, 14, 10),
            MakeControl(K::RadioButton, IDC_MAT_BEAM_ALL_LIGHT, "", 217, 34, 14, 10),
            MakeControl(K::Label, IDC_MAT_BEAM_CLASS, "", 166, 35, 68, 9, kStyleHidden),
            MakeControl(K::Label, IDC_MAT_DECK_LABEL, "&Deck:", 13, 51, 26, 9, kStyleGroup),
            MakeControl(K::Edit, IDC_MAT_DECK_FC, "", 40, 49, 34, 12),
            MakeControl(K::Edit, IDC_MAT_DECK_DENSITY, "", 116, 49, 44, 12),
            MakeControl(K::RadioButton, IDC_MAT_DECK_NORMAL, "", 171, 50, 14, 10, kStyleGroup),
            MakeControl(K::RadioButton, IDC_MAT_DECK_SAND_LIGHT, "", 195, 50, 14, 10),
            MakeControl(K::RadioButton, IDC_MAT_DECK_ALL_LIGHT, "", 217, 50, 14, 10),
            MakeControl(K::Label, IDC_MAT_DECK_CLASS, "", 166, 51, 68, 9, kStyleHidden),

            MakeControl(K::GroupBox, kIdStatic, "Modulus of Elasticity", L, 72, 232, 108,
                        kStyleGroup),
            MakeControl(K::RadioButton, IDC_MAT_EC_SPEC_EQ, "Compute per &Spec Eq.", 13, 84, 92, 10,
                        kStyleGroup),
            MakeControl(K::RadioButton, IDC_MAT_EC_HS, "Compute using &HS formula", 108, 84, 106,
                        10),
            MakeControl(K::Label, IDC_MAT_EQ_BEAM_LABEL, "Beam:", 13, 100, 24, 9),
            MakeControl(K::Label, IDC_MAT_EC_FACTOR_LABEL, "Ec Factor:", 38, 100, 40, 9),
            MakeControl(K::Edit, IDC_MAT_EC_FACTOR, "", 78, 98, 34, 12),
            MakeControl(K::Label, IDC_MAT_WC_LABEL, "wc,kcf:", 118, 100, 44, 9),
            MakeControl(K::Edit, IDC_MAT_EC_UNIT_WEIGHT, "", 164, 98, 66, 12),
            MakeControl(K::Label, IDC_MAT_EQ_DECK_LABEL, "Deck:", 13, 116, 24, 9),
            MakeControl(K::Label, IDC_MAT_ECT_FACTOR_LABEL, "Ect Factor:", 38, 116, 40, 9),
            MakeControl(K::Edit, IDC_MAT_ECT_FACTOR, "", 78, 114, 34, 12),
            MakeControl(K::Label, IDC_MAT_WCT_LABEL, "wct,kcf:", 118, 116, 44, 9),
            MakeControl(K::Edit, IDC_MAT_WCT, "", 164, 114, 66, 12),
            MakeControl(K::RadioButton, IDC_MAT_EC_SPECIFY, "S&pecify (ksi):", 13, 132, 92, 10),
            MakeControl(K::Label, IDC_MAT_SPEC_BEAM_LABEL, "Beam:", 13, 148, 24, 9),
            MakeControl(K::Label, IDC_MAT_ECI_LABEL, "Eci:", 38, 148, 18, 9),
            MakeControl(K::Edit, IDC_MAT_BEAM_ECI, "", 58, 146, 70, 12),
            MakeControl(K::Label, IDC_MAT_EC_LABEL, "Ec:", 134, 148, 14, 9),
            MakeControl(K::Edit, IDC_MAT_BEAM_EC, "", 150, 146, 80, 12),
            MakeControl(K::Label, IDC_MAT_SPEC_DECK_LABEL, "Deck:", 13, 164, 24, 9),
            MakeControl(K::Label, IDC_MAT_ECT_LABEL, "Ect:", 38, 164, 18, 9),
            MakeControl(K::Edit, IDC_MAT_DECK_EC, "", 58, 162, 70, 12),

            MakeControl(K::GroupBox, IDC_MAT_RESTRAINT_GROUP, "Restraining Moment", L, 184, 232, 60,
                        kStyleGroup),
            MakeControl(K::Label, IDC_MAT_CONTINUITY_LABEL, "Continuity,days:", 13, 197, 58, 9),
            MakeControl(K::Edit, IDC_MAT_AGE_CONTINUITY, "", 72, 195, 34, 12),
            MakeControl(K::Label, IDC_MAT_CASTING_LABEL, "Cast deck,days:", 114, 197, 56, 9),
            MakeControl(K::Edit, IDC_MAT_AGE_DECK_CASTING, "", 172, 195, 38, 12),
            MakeControl(K::Label, IDC_MAT_RM_BEAM_LABEL, "Beam :", 13, 213, 24, 9),
            MakeControl(K::Label, IDC_MAT_BEAM_ESU_LABEL, "e-su", 40, 213, 18, 9),
            MakeControl(K::Edit, IDC_MAT_BEAM_SHRINKAGE, "", 60, 211, 40, 12),
            MakeControl(K::Label, IDC_MAT_CREEP_LABEL, "v-ult", 114, 213, 22, 9),
            MakeControl(K::Edit, IDC_MAT_CREEP, "", 138, 211, 40, 12),
            MakeControl(K::Label, IDC_MAT_RM_DECK_LABEL, "Deck:", 13, 229, 24, 9),
            MakeControl(K::Label, IDC_MAT_DECK_ESU_LABEL, "e-su", 40, 229, 18, 9),
            MakeControl(K::Edit, IDC_MAT_DECK_SHRINKAGE, "", 60, 227, 40, 12),

            MakeControl(K::GroupBox, IDC_MAT_REBAR_GROUP, "Rebar, fy, ksi", L, 248, 232, 44,
                        kStyleGroup),
            MakeControl(K::Label, kIdStatic, "Stirrups:", 13, 261, 46, 9),
            MakeControl(K::RadioButton, IDC_MAT_STIRRUP_GR60, "Gr &60", 62, 260, 34, 10,
                        kStyleGroup),
            MakeControl(K::RadioButton, IDC_MAT_STIRRUP_SPECIFY, "specify:", 100, 260, 40, 10),
            MakeControl(K::Edit, IDC_MAT_STIRRUP_FY, "", 144, 258, 44, 12,
                        kStyleGroup | kStyleDisabled),
            MakeControl(K::Label, kIdStatic, "Longitudinal:", 13, 277, 48, 9),
            MakeControl(K::RadioButton, IDC_MAT_LONG_GR60, "Gr 60", 62, 276, 34, 10, kStyleGroup),
            MakeControl(K::RadioButton, IDC_MAT_LONG_SPECIFY, "specify:", 100, 276, 40, 10),
            MakeControl(K::Edit, IDC_MAT_LONG_FY, "", 144, 274, 44, 12,
                        kStyleGroup | kStyleDisabled),

            // Right column: strands, losses, the sub-dialogs.
            MakeControl(K::GroupBox, kIdStatic, "Pretensioning", R, 4, 207, 80),
            MakeControl(K::Label, kIdStatic, "S&trand type:", R + 6, 18, 48, 9),
            MakeControl(K::ComboBox, IDC_MAT_STRAND_TYPE, "", R + 56, 16, 144, 140),
            MakeControl(K::Label, kIdStatic, "Losses:", R + 6, 34, 30, 9),
            MakeControl(K::RadioButton, IDC_MAT_LOSSES_COMPUTE, "Compute", R + 40, 33, 42, 10,
                        kStyleGroup),
            MakeControl(K::RadioButton, IDC_MAT_LOSSES_SPECIFY, "Specify (%):", R + 86, 33, 60, 10),
            MakeControl(K::Label, IDC_MAT_REL_LABEL, "Rel:", R + 40, 50, 18, 9, kStyleGroup),
            MakeControl(K::Edit, IDC_MAT_RELEASE_LOSS, "", R + 58, 48, 36, 12),
            MakeControl(K::Label, IDC_MAT_FIN_LABEL, "Fin:", R + 104, 50, 18, 9),
            MakeControl(K::Edit, IDC_MAT_FINAL_LOSS, "", R + 122, 48, 36, 12),
            MakeControl(K::Label, kIdStatic, "Ld Fact (K):", R + 6, 67, 48, 9),
            MakeControl(K::Edit, IDC_MAT_LD_FACTOR, "", R + 58, 65, 36, 12),
            MakeControl(K::Label, kIdStatic, "Lt Fact:", R + 104, 67, 30, 9),
            MakeControl(K::Edit, IDC_MAT_LT_FACTOR, "", R + 136, 65, 36, 12),

            MakeControl(K::GroupBox, kIdStatic, "Post-Tensioning", R, 88, 207, 64),
            MakeControl(K::Label, kIdStatic, "Strand T&ype:", R + 6, 102, 48, 9),
            MakeControl(K::ComboBox, IDC_MAT_PT_STRAND_TYPE, "", R + 56, 100, 144, 140),
            MakeControl(K::Label, kIdStatic, "Losses:", R + 6, 118, 30, 9),
            MakeControl(K::RadioButton, IDC_MAT_PT_LOSSES_COMPUTE, "Compute", R + 40, 117, 42, 10,
                        kStyleGroup),
            MakeControl(K::RadioButton, IDC_MAT_PT_LOSSES_SPECIFY, "Specify (%):", R + 86, 117, 60,
                        10),
            MakeControl(K::Label, IDC_MAT_PT_REL_LABEL, "Rel:", R + 40, 134, 18, 9,
                        kStyleGroup | kStyleDisabled),
            MakeControl(K::Edit, IDC_MAT_PT_RELEASE_LOSS, "", R + 58, 132, 36, 12, kStyleDisabled),
            MakeControl(K::Label, IDC_MAT_PT_FIN_LABEL, "Fin:", R + 104, 134, 18, 9,
                        kStyleDisabled),
            MakeControl(K::Edit, IDC_MAT_PT_FINAL_LOSS, "", R + 122, 132, 36, 12, kStyleDisabled),

            MakeControl(K::GroupBox, kIdStatic, "P/S Loss Computation Method", R, 156, 207, 76),
            MakeControl(K::RadioButton, IDC_MAT_LOSS_STANDARD, "Standard Specs", R + 6, 168, 120,
                        10, kStyleGroup),
            MakeControl(K::RadioButton, IDC_MAT_LOSS_LRFD3, "LRFD 3rd edition", R + 6, 181, 120,
                        10),
            MakeControl(K::RadioButton, IDC_MAT_LOSS_LRFD6_DETAILED, "LRFD 6th edition detailed",
                        R + 6, 194, 120, 10),
            MakeControl(K::RadioButton, IDC_MAT_LOSS_LRFD6_APPROX, "LRFD 6th edition approximate",
                        R + 6, 207, 120, 10),
            MakeControl(K::PushButton, IDC_MAT_PARAMETERS, "P&arameters...", R + 140, 212, 60, 14,
                        kStyleGroup),

            MakeControl(K::PushButton, IDC_MAT_MCR_FACTORS, "&Mcr Factors...", R, 240, 64, 14),
            MakeControl(K::PushButton, IDC_MAT_FR_FACTORS, "&Fr Factors...", R + 71, 240, 64, 14),
            MakeControl(K::PushButton, IDC_MAT_STRESS_LIMITS, "Stress &Limits...", R + 142, 240, 65,
                        14),
            MakeControl(K::DefPushButton, kIdOk, "OK", 347, 277, 50, 14, kStyleGroup),
            MakeControl(K::PushButton, kIdCancel, "Cancel", 403, 277, 50, 14),
        };
        return d;
    }();
    return t;
}

CMaterialsDlg::CMaterialsDlg() : Dialog(Template()) {
    // Leaving an input of the moduli recomputes those it decides.
    OnNotify(Notification::KillFocus, IDC_MAT_BEAM_FC,
             [this] { RecomputeModuli(true, false, false); });
    OnNotify(Notification::KillFocus, IDC_MAT_BEAM_FCI,
             [this] { RecomputeModuli(false, true, false); });
    for (int id : {IDC_MAT_EC_FACTOR, IDC_MAT_EC_UNIT_WEIGHT})
        OnNotify(Notification::KillFocus, id, [this] { RecomputeModuli(true, true, false); });
    for (int id : {IDC_MAT_DECK_FC, IDC_MAT_ECT_FACTOR, IDC_MAT_WCT})
        OnNotify(Notification::KillFocus, id, [this] { RecomputeModuli(false, false, true); });
    OnNotify(Notification::KillFocus, IDC_MAT_BEAM_DENSITY, [this] {
        if (UpdateData(true)) OnDensityLeft(m_nBeamConcreteType, m_dBeamDensity);
    });
    OnNotify(Notification::KillFocus, IDC_MAT_DECK_DENSITY, [this] {
        if (UpdateData(true)) OnDensityLeft(m_nDeckConcreteType, m_dDeckDensity);
    });

    OnNotify(Notification::SelChange, IDC_MAT_STRAND_TYPE, [this] {
        if (const int row = GetCurSel(IDC_MAT_STRAND_TYPE); row >= 0) m_nStrandType = row;
    });
    OnNotify(Notification::SelChange, IDC_MAT_PT_STRAND_TYPE, [this] {
        if (const int row = GetCurSel(IDC_MAT_PT_STRAND_TYPE); row >= 0) m_nPTStrandType = row;
    });

    m_commands.On(IDC_MAT_EC_SPEC_EQ, [this] { OnEcMethod(kEcBySpecEquation); });
    m_commands.On(IDC_MAT_EC_HS, [this] { OnEcMethod(kEcByHsFormula); });
    m_commands.On(IDC_MAT_EC_SPECIFY, [this] { OnEcMethod(kEcSpecified); });
    m_commands.On(IDC_MAT_LOSSES_COMPUTE,
                  [this] { ShowLossMode(m_nLossMode = kLossesComputed, false); });
    m_commands.On(IDC_MAT_LOSSES_SPECIFY,
                  [this] { ShowLossMode(m_nLossMode = kLossesSpecified, false); });
    m_commands.On(IDC_MAT_PT_LOSSES_COMPUTE,
                  [this] { ShowLossMode(m_nPostTensionLossMode = kLossesComputed, true); });
    m_commands.On(IDC_MAT_PT_LOSSES_SPECIFY,
                  [this] { ShowLossMode(m_nPostTensionLossMode = kLossesSpecified, true); });
    const std::pair<int, int> lossMethods[] = {
        {IDC_MAT_LOSS_STANDARD, kLossStandardSpecs},
        {IDC_MAT_LOSS_LRFD3, kLossLrfd3rd},
        {IDC_MAT_LOSS_LRFD6_DETAILED, kLossLrfd6thDetailed},
        {IDC_MAT_LOSS_LRFD6_APPROX, kLossLrfd6thApproximate},
    };
    for (const auto& entry : lossMethods) {
        const int id = entry.first;
        const int method = entry.second;
        m_commands.On(id, [this, id, method] {
            m_nLossMethod = method;
            CheckRadioButton(id);
        });
    }
    const std::tuple<int, int*, int> classes[] = {
        {IDC_MAT_BEAM_NORMAL, &m_nBeamConcreteType, kConcreteNormalWeight},
        {IDC_MAT_BEAM_SAND_LIGHT, &m_nBeamConcreteType, kConcreteSandLightweight},
        {IDC_MAT_BEAM_ALL_LIGHT, &m_nBeamConcreteType, kConcreteAllLightweight},
        {IDC_MAT_DECK_NORMAL, &m_nDeckConcreteType, kConcreteNormalWeight},
        {IDC_MAT_DECK_SAND_LIGHT, &m_nDeckConcreteType, kConcreteSandLightweight},
        {IDC_MAT_DECK_ALL_LIGHT, &m_nDeckConcreteType, kConcreteAllLightweight},
    };
    for (const auto& entry : classes) {
        const int id = std::get<0>(entry);
        int* const member = std::get<1>(entry);
        const int code = std::get<2>(entry);
        m_commands.On(id, [this, id, member, code] {
            *member = code;
            CheckRadioButton(id);
        });
    }
    m_commands.On(IDC_MAT_STIRRUP_GR60, [this] { OnGrade60(true); });
    m_commands.On(IDC_MAT_LONG_GR60, [this] { OnGrade60(false); });
    m_commands.On(IDC_MAT_STIRRUP_SPECIFY, [this] { OnSpecifyGrade(true); });
    m_commands.On(IDC_MAT_LONG_SPECIFY, [this] { OnSpecifyGrade(false); });
    m_commands.On(IDC_MAT_PARAMETERS, [this] { OnParameters(); });
    m_commands.On(IDC_MAT_MCR_FACTORS, [this] { OnMcrFactors(); });
    m_commands.On(IDC_MAT_FR_FACTORS, [this] { OnFrFactors(); });
    // "Stress Limits..." has no handler here: its id is the main window's command, which the
    // click reaches as a menu would send it.
}

void CMaterialsDlg::DoDataExchange(DataExchange& dx) {
    dx.Double(IDC_MAT_BEAM_FC, m_dBeamFc);
    dx.Double(IDC_MAT_BEAM_FCI, m_dBeamFci);
    dx.Double(IDC_MAT_BEAM_DENSITY, m_dBeamDensity);
    dx.Double(IDC_MAT_DECK_FC, m_dDeckFc);
    dx.Double(IDC_MAT_DECK_DENSITY, m_dDeckDensity);
    dx.Text(IDC_MAT_BEAM_CLASS, m_strBeamDensityClass);
    dx.Text(IDC_MAT_DECK_CLASS, m_strDeckDensityClass);
    dx.Double(IDC_MAT_EC_FACTOR, m_dEcFactor);
    dx.Double(IDC_MAT_EC_UNIT_WEIGHT, m_dEcUnitWeight);
    dx.Double(IDC_MAT_ECT_FACTOR, m_dEctFactor);
    dx.Double(IDC_MAT_WCT, m_dWct);
    dx.Double(IDC_MAT_BEAM_ECI, m_dBeamEci);
    dx.Double(IDC_MAT_BEAM_EC, m_dBeamEc);
    dx.Double(IDC_MAT_DECK_EC, m_dDeckEc);
    dx.Double(IDC_MAT_AGE_CONTINUITY, m_dAgeAtContinuity);
    dx.Double(IDC_MAT_AGE_DECK_CASTING, m_dAgeAtDeckCasting);
    dx.Double(IDC_MAT_BEAM_SHRINKAGE, m_dBeamUltimateShrinkage);
    dx.Double(IDC_MAT_CREEP, m_dUltimateCreep);
    dx.Double(IDC_MAT_DECK_SHRINKAGE, m_dDeckUltimateShrinkage);
    dx.Double(IDC_MAT_RELEASE_LOSS, m_dSpecifiedReleaseLoss);
    dx.Double(IDC_MAT_FINAL_LOSS, m_dSpecifiedFinalLoss);
    dx.Double(IDC_MAT_LD_FACTOR, m_dDevLengthFactor);
    dx.Double(IDC_MAT_LT_FACTOR, m_dTransferLengthFactor, 1.0, 999.0);
    dx.Double(IDC_MAT_PT_RELEASE_LOSS, m_dPTSpecifiedReleaseLoss);
    dx.Double(IDC_MAT_PT_FINAL_LOSS, m_dPTSpecifiedFinalLoss);
    dx.Double(IDC_MAT_STIRRUP_FY, m_dStirrupFy);
    dx.Double(IDC_MAT_LONG_FY, m_dLongitudinalFy);
}

bool CMaterialsDlg::SeventhEdition() const {
    return ConcreteEditionOf(m_nSpecEdition) == ConcreteEdition::Lrfd7th;
}

bool CMaterialsDlg::OnInitDialog() {
    Dialog::OnInitDialog();
    if (Metric()) {
        SetDlgItemText(IDC_MAT_FC_UNIT, "MPa");
        SetDlgItemText(IDC_MAT_FCI_UNIT, "MPa");
        SetDlgItemText(IDC_MAT_DENSITY_UNIT, "kg/m3");
        SetDlgItemText(IDC_MAT_WC_LABEL, "wc,kg/m3:");
        SetDlgItemText(IDC_MAT_WCT_LABEL, "wct,kg/m3:");
        SetDlgItemText(IDC_MAT_EC_SPECIFY, "S&pecify (MPa):");
        SetDlgItemText(IDC_MAT_REBAR_GROUP, "Rebar, fy, MPa");
    }
    if (!m_bCompositeDeck && m_nSectionType != kSectionDeckedBulbTee) {
        for (int id : {IDC_MAT_DECK_LABEL, IDC_MAT_DECK_FC, IDC_MAT_DECK_DENSITY})
            EnableItem(id, false);
    }
    if (!m_bContinuous) {
        for (int id : {IDC_MAT_RESTRAINT_GROUP, IDC_MAT_CONTINUITY_LABEL, IDC_MAT_CASTING_LABEL,
                       IDC_MAT_RM_BEAM_LABEL, IDC_MAT_RM_DECK_LABEL, IDC_MAT_BEAM_ESU_LABEL,
                       IDC_MAT_CREEP_LABEL, IDC_MAT_DECK_ESU_LABEL, IDC_MAT_AGE_CONTINUITY,
                       IDC_MAT_AGE_DECK_CASTING, IDC_MAT_BEAM_SHRINKAGE, IDC_MAT_CREEP,
                       IDC_MAT_DECK_SHRINKAGE})
            EnableItem(id, false);
    }
    for (auto [id, type, postTensioning] :
         {std::tuple{IDC_MAT_STRAND_TYPE, m_nStrandType, false},
          std::tuple{IDC_MAT_PT_STRAND_TYPE, m_nPTStrandType, true}}) {
        ResetContent(id);
        for (const StrandTableRow& row : kStrandTable)
            AddString(id, postTensioning ? row.ptListText : row.listText);
        SetCurSel(id, type >= 0 && type < kStrandTableRows ? type : -1);
    }
    CheckRadioButton(m_nStirrupGrade == kBarGrade60 ? IDC_MAT_STIRRUP_GR60
                                                    : IDC_MAT_STIRRUP_SPECIFY);
    EnableItem(IDC_MAT_STIRRUP_FY, m_nStirrupGrade != kBarGrade60);
    CheckRadioButton(m_nLongitudinalGrade == kBarGrade60 ? IDC_MAT_LONG_GR60
                                                         : IDC_MAT_LONG_SPECIFY);
    EnableItem(IDC_MAT_LONG_FY, m_nLongitudinalGrade != kBarGrade60);
    ShowLossMode(m_nLossMode, false);
    ShowLossMode(m_nPostTensionLossMode, true);
    ShowEcMethod();
    const int methodRadios[] = {IDC_MAT_LOSS_STANDARD, IDC_MAT_LOSS_LRFD3,
                                IDC_MAT_LOSS_LRFD6_DETAILED, IDC_MAT_LOSS_LRFD6_APPROX};
    if (m_nLossMethod >= kLossStandardSpecs && m_nLossMethod <= kLossLrfd6thApproximate)
        CheckRadioButton(methodRadios[m_nLossMethod - 1]);
    if (m_nPrestressType == kPostTensioned) {
        EnableItem(IDC_MAT_LOSS_LRFD6_APPROX, false);
        EnableItem(IDC_MAT_LOSS_LRFD6_DETAILED, false);
    }
    const auto checkClass = [this](int code, int normal, int sand, int all) {
        if (code == kConcreteNormalWeight) CheckRadioButton(normal);
        if (code == kConcreteSandLightweight) CheckRadioButton(sand);
        if (code == kConcreteAllLightweight) CheckRadioButton(all);
    };
    checkClass(m_nBeamConcreteType, IDC_MAT_BEAM_NORMAL, IDC_MAT_BEAM_SAND_LIGHT,
               IDC_MAT_BEAM_ALL_LIGHT);
    checkClass(m_nDeckConcreteType, IDC_MAT_DECK_NORMAL, IDC_MAT_DECK_SAND_LIGHT,
               IDC_MAT_DECK_ALL_LIGHT);
    // The cracking-moment factors came with the 6th edition.
    if (m_nSpecEdition == kEditionStandardSpecs || m_nSpecEdition == kEditionLrfd5th)
        EnableItem(IDC_MAT_MCR_FACTORS, false);
    RefreshClassDisplay();
    UpdateData(false);
    return true;
}

std::optional<double> CMaterialsDlg::ModulusBySpecEquation(double f, double w, double K) const {
    const double fKsi = Metric() ? ConvertKsiMpa(0, f) : f;
    const double wKcf = Metric() ? ConvertKcfKgPerM3(0, w) : w;
    const std::optional<double> E =
        ConcreteModulus(fKsi, wKcf, K, ConcreteEditionOf(m_nSpecEdition));
    if (!E) return std::nullopt;
    return Metric() ? ConvertKsiMpa(1, *E) : *E;
}

void CMaterialsDlg::RecomputeModuli(bool beamEc, bool beamEci, bool deckEc) {
    // A code other than the three is shown, and analysed, as the equation.
    if (m_nEcMethod == kEcByHsFormula || m_nEcMethod == kEcSpecified) return;
    if (!UpdateData(true)) return;
    // A strength the equation takes no root of leaves the modulus as it was; OK refuses it.
    const auto update = [](double& E, std::optional<double> value) {
        if (value) E = *value;
    };
    if (beamEc) update(m_dBeamEc, ModulusBySpecEquation(m_dBeamFc, m_dEcUnitWeight, m_dEcFactor));
    if (beamEci)
        update(m_dBeamEci, ModulusBySpecEquation(m_dBeamFci, m_dEcUnitWeight, m_dEcFactor));
    if (deckEc) update(m_dDeckEc, ModulusBySpecEquation(m_dDeckFc, m_dWct, m_dEctFactor));
    UpdateData(false);
}

void CMaterialsDlg::OnDensityLeft(int& concreteClass, double density) {
    if (SeventhEdition())
        concreteClass =
            SeventhEditionDensityClass(Metric() ? ConvertKcfKgPerM3(0, density) : density);
    RefreshClassDisplay();
}

void CMaterialsDlg::RefreshClassDisplay() {
    const bool seventh = SeventhEdition();
    for (int id :
         {IDC_MAT_BEAM_NORMAL, IDC_MAT_BEAM_SAND_LIGHT, IDC_MAT_BEAM_ALL_LIGHT, IDC_MAT_DECK_NORMAL,
          IDC_MAT_DECK_SAND_LIGHT, IDC_MAT_DECK_ALL_LIGHT, IDC_MAT_HEAD_NORMAL, IDC_MAT_HEAD_WEIGHT,
          IDC_MAT_HEAD_LIGHTWEIGHT, IDC_MAT_HEAD_SAND, IDC_MAT_HEAD_ALL})
        ShowItem(id, !seventh);
    ShowItem(IDC_MAT_BEAM_CLASS, seventh);
    ShowItem(IDC_MAT_DECK_CLASS, seventh);
    if (!seventh) return;
    const auto name = [](int code) {
        return code == kConcreteNormalWeight ? "Normal weight" : "Light weight";
    };
    m_strBeamDensityClass = name(m_nBeamConcreteType);
    m_strDeckDensityClass = name(m_nDeckConcreteType);
    UpdateData(false);
}

void CMaterialsDlg::ShowEcMethod() {
    const int method = m_nEcMethod == kEcByHsFormula || m_nEcMethod == kEcSpecified
                           ? m_nEcMethod
                           : kEcBySpecEquation;
    CheckRadioButton(method == kEcSpecified     ? IDC_MAT_EC_SPECIFY
                     : method == kEcByHsFormula ? IDC_MAT_EC_HS
                                                : IDC_MAT_EC_SPEC_EQ);
    const bool specified = method == kEcSpecified;
    for (int id : {IDC_MAT_EQ_BEAM_LABEL, IDC_MAT_EC_FACTOR_LABEL, IDC_MAT_WC_LABEL,
                   IDC_MAT_EQ_DECK_LABEL, IDC_MAT_ECT_FACTOR_LABEL, IDC_MAT_WCT_LABEL,
                   IDC_MAT_EC_FACTOR, IDC_MAT_EC_UNIT_WEIGHT, IDC_MAT_ECT_FACTOR, IDC_MAT_WCT})
        EnableItem(id, !specified);
    for (int id :
         {IDC_MAT_SPEC_BEAM_LABEL, IDC_MAT_SPEC_DECK_LABEL, IDC_MAT_ECI_LABEL, IDC_MAT_EC_LABEL,
          IDC_MAT_ECT_LABEL, IDC_MAT_BEAM_ECI, IDC_MAT_BEAM_EC, IDC_MAT_DECK_EC})
        EnableItem(id, specified);
}

void CMaterialsDlg::OnEcMethod(int method) {
    m_nEcMethod = method;
    ShowEcMethod();
    if (method != kEcSpecified || !UpdateData(true)) return;
    for (double* E : {&m_dBeamEc, &m_dBeamEci, &m_dDeckEc}) *E = ToOneDecimal(*E);
    UpdateData(false);
}

void CMaterialsDlg::ShowLossMode(int mode, bool postTensioning) {
    const bool specified = mode == kLossesSpecified;
    if (postTensioning) {
        CheckRadioButton(specified ? IDC_MAT_PT_LOSSES_SPECIFY : IDC_MAT_PT_LOSSES_COMPUTE);
        for (int id : {IDC_MAT_PT_REL_LABEL, IDC_MAT_PT_RELEASE_LOSS, IDC_MAT_PT_FIN_LABEL,
                       IDC_MAT_PT_FINAL_LOSS})
            EnableItem(id, specified);
    } else {
        CheckRadioButton(specified ? IDC_MAT_LOSSES_SPECIFY : IDC_MAT_LOSSES_COMPUTE);
        for (int id :
             {IDC_MAT_REL_LABEL, IDC_MAT_RELEASE_LOSS, IDC_MAT_FIN_LABEL, IDC_MAT_FINAL_LOSS})
            EnableItem(id, specified);
    }
}

void CMaterialsDlg::OnGrade60(bool stirrups) {
    int& grade = stirrups ? m_nStirrupGrade : m_nLongitudinalGrade;
    double& fy = stirrups ? m_dStirrupFy : m_dLongitudinalFy;
    const int edit = stirrups ? IDC_MAT_STIRRUP_FY : IDC_MAT_LONG_FY;
    grade = kBarGrade60;
    fy = Metric() ? kGrade420Mpa : kGrade60Ksi;
    SetDlgItemText(edit, FormatDouble(fy));
    EnableItem(edit, false);
}

void CMaterialsDlg::OnSpecifyGrade(bool stirrups) {
    (stirrups ? m_nStirrupGrade : m_nLongitudinalGrade) = kBarGradeSpecified;
    EnableItem(stirrups ? IDC_MAT_STIRRUP_FY : IDC_MAT_LONG_FY, true);
}

template <class Sub, class Fields>
void CMaterialsDlg::ExchangeWith(Fields fields, void (*afterOk)(CMaterialsDlg&)) {
    if (!UpdateData(true)) return;
    Sub sub;
    RunSubDialog(
        sub, [&](Sub& s) { fields(*this, s, [](auto& mine, auto& theirs) { theirs = mine; }); },
        [&](Sub& s) {
            fields(*this, s, [](auto& mine, auto& theirs) { mine = theirs; });
            if (afterOk) afterOk(*this);
        });
    UpdateData(false);
}

void CMaterialsDlg::OnParameters() {
    ExchangeWith<CLossParamsPreDlg>(
        [](CMaterialsDlg& m, CLossParamsPreDlg& p, auto copy) {
            copy(m.m_nUnits, p.m_nUnits);
            copy(m.m_dVolumeToSurface, p.m_dVolumeToSurface);
            copy(m.m_dDeckVolumeToSurface, p.m_dDeckVolumeToSurface);
            copy(m.m_bComputeDeckVolumeToSurface, p.m_bComputeDeckVolumeToSurface);
            copy(m.m_dRelativeHumidity, p.m_dRelativeHumidity);
            copy(m.m_dTransferAge, p.m_dTransferAge);
            copy(m.m_dAgeAtDeckCasting, p.m_dAgeAtDeckCasting);
            copy(m.m_dFinalAge, p.m_dFinalAge);
            copy(m.m_dPtAnchorSet, p.m_dPtAnchorSet);
            copy(m.m_dPtWobbleK, p.m_dPtWobbleK);
            copy(m.m_dPtFrictionMu, p.m_dPtFrictionMu);
            copy(m.m_nDetailedLossBasis, p.m_nDetailedLossBasis);
            copy(m.m_fDeckForcePercent, p.m_fDeckForcePercent);
        },
        // A share of the deck's force, in percent.
        [](CMaterialsDlg& m) {
            m.m_fDeckForcePercent = std::clamp(m.m_fDeckForcePercent, 0.0f, 100.0f);
        });
}

void CMaterialsDlg::OnMcrFactors() {
    ExchangeWith<CMCRFactorsDlg>([](CMaterialsDlg& m, CMCRFactorsDlg& f, auto copy) {
        copy(m.m_fMcrGamma1, f.m_fMcrGamma1);
        copy(m.m_fMcrGamma2, f.m_fMcrGamma2);
        copy(m.m_fMcrGamma3, f.m_fMcrGamma3);
    });
}

void CMaterialsDlg::OnFrFactors() {
    ExchangeWith<CFRFactorsDlg>([](CMaterialsDlg& m, CFRFactorsDlg& f, auto copy) {
        copy(m.m_fFrGeneric, f.m_fFrGeneric);
        copy(m.m_fFrMinReinf, f.m_fFrMinReinf);
        copy(m.m_fFrShear, f.m_fFrShear);
        copy(m.m_fFrSandLightweight, f.m_fFrSandLightweight);
        copy(m.m_fFrAllLightweight, f.m_fFrAllLightweight);
    });
}

void CMaterialsDlg::OnOK() {
    if (!UpdateData(true)) return;
    // The moduli and every stress limit take roots of the strengths: they must be positive.
    const bool deckEditable = IsItemEnabled(IDC_MAT_DECK_FC);
    const OkCheck checks[] = {
        {[this] { return !(m_dBeamFc > 0); }, "The 28-day strength (f'c) must be greater than 0.",
         platform::MsgButtons::Ok, MsgIcon::Error, IDC_MAT_BEAM_FC},
        {[this] { return !(m_dBeamFci > 0); },
         "The release strength (f'ci) must be greater than 0.", platform::MsgButtons::Ok,
         MsgIcon::Error, IDC_MAT_BEAM_FCI},
        {[this, deckEditable] { return deckEditable && !(m_dDeckFc > 0); },
         "The deck strength (f'c) must be greater than 0.", platform::MsgButtons::Ok,
         MsgIcon::Error, IDC_MAT_DECK_FC},
        {[this] { return m_dBeamFci > m_dBeamFc; },
         "Release strength (f'ci) cannot \nexceed 28-day strength (f'c).", platform::MsgButtons::Ok,
         MsgIcon::Error},
    };
    if (!PassChecks(checks)) return;
    Dialog::OnOK();
}

}  // namespace kordel

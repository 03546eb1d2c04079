#include "dialogs/input/shipping_handling_dlg.h"

#include <cstdio>

#include "controls/data_validation.h"
#include "document/model_limits.h"
#include "document/unit_conversions.h"
#include "report/format.h"

namespace kordel {

using namespace platform::ui;

namespace {

/// in-kip per radian to m-kN per radian.
constexpr double kMetreKnPerInchKip = kMetresPerInch * kKnPerKip;  // 0.11298428

std::string Trimmed(const char* format, double value) {
    std::string s = FormatValue(format, value);
    s.erase(0, s.find_first_not_of(' '));
    return s;
}

}  // namespace

using Dlg = CShippingAndHandlingDlg;
const Dlg::Field Dlg::kFields[kHandlingFieldCount] = {
    {IDC_LIFT_SUPPORT_LEFT, "Lifting/Handling: Left", &Dlg::m_dLiftSupportLeft, "%7.2f", "%7.3f",
     kMetresPerFoot},
    {IDC_LIFT_SUPPORT_RIGHT, "Lifting/Handling: Right", &Dlg::m_dLiftSupportRight, "%7.2f", "%7.3f",
     kMetresPerFoot},
    {IDC_SHIP_SUPPORT_LEFT, "Shipping: Left", &Dlg::m_dShipSupportLeft, "%7.2f", "%7.3f",
     kMetresPerFoot},
    {IDC_SHIP_SUPPORT_RIGHT, "Shipping: Right", &Dlg::m_dShipSupportRight, "%7.2f", "%7.3f",
     kMetresPerFoot},
    {IDC_IMPACT_FORM_SUCTION, "Impact: Form suction", &Dlg::m_dImpactFormSuction, "%5.2f", "%5.2f",
     1.0},
    {IDC_IMPACT_HANDLING, "Impact: Handling", &Dlg::m_dImpactHandling, "%5.2f", "%5.2f", 1.0},
    {IDC_IMPACT_SHIPPING, "Impact: Shipping", &Dlg::m_dImpactShipping, "%5.2f", "%5.2f", 1.0},
    {IDC_TRANSPORT_STIFFNESS, "Total transport stiffness", &Dlg::m_dTransportStiffness, "%8.3f",
     "%8.3f", kMetreKnPerInchKip},
    {IDC_SUPER_ELEVATION, "Super elevation of the roadway", &Dlg::m_dSuperElevation, "%8.3f",
     "%8.3f", 1.0},
    {IDC_BEAM_CG_ABOVE_ROAD, "Height of the cg of the beam above the road",
     &Dlg::m_dBeamCgAboveRoad, "%8.2f", "%8.2f", kMetresPerInch},
    {IDC_ROLL_CENTER_ABOVE_ROAD, "Height of the roll center above the road",
     &Dlg::m_dRollCenterAboveRoad, "%8.2f", "%8.2f", kMetresPerInch},
    {IDC_DUAL_TIRE_DISTANCE, "Transverse distance to the center of the dual tires",
     &Dlg::m_dDualTireDistance, "%8.2f", "%8.2f", kMetresPerInch},
};

const DialogTemplate& Dlg::Template() {
    static const DialogTemplate t = [] {
        DialogTemplate d;
        d.id = IDD_STRIPPING_HANDLING;
        d.caption = "Stripping and Handling";
        d.size = {261, 216};
        d.controls = {
            MakeControl(ControlKind::CheckBox, IDC_CHECK_STRIPPING, "Check Stripping", 10, 7, 110,
                        10),
            MakeControl(ControlKind::CheckBox, IDC_CHECK_HANDLING, "Check Handling/Stability", 10,
                        20, 110, 10),
            MakeControl(ControlKind::CheckBox, IDC_SHIP_USE_FC, "Use f'c in Shipping Analysis", 135,
                        7, 120, 10),
            MakeControl(ControlKind::CheckBox, IDC_CHECK_PRODUCTION, "Check Production", 135, 20,
                        110, 10, kStyleHidden),

            MakeControl(ControlKind::GroupBox, IDC_SUPPORT_GROUP, "Support Locations,ft", 7, 35,
                        130, 59, kStyleGroup),
            MakeControl(ControlKind::Label, kIdStatic, "Left", 70, 47, 30, 9, kStyleCenter),
            MakeControl(ControlKind::Label, kIdStatic, "Right", 103, 47, 30, 9, kStyleCenter),
            MakeControl(ControlKind::Label, kIdStatic, "Lifting/Handling:", 13, 60, 56, 9),
            MakeControl(ControlKind::Edit, IDC_LIFT_SUPPORT_LEFT, "", 70, 58, 30, 12),
            MakeControl(ControlKind::Edit, IDC_LIFT_SUPPORT_RIGHT, "", 103, 58, 30, 12),
            MakeControl(ControlKind::Label, kIdStatic, "Shipping:", 13, 76, 56, 9),
            MakeControl(ControlKind::Edit, IDC_SHIP_SUPPORT_LEFT, "", 70, 74, 30, 12),
            MakeControl(ControlKind::Edit, IDC_SHIP_SUPPORT_RIGHT, "", 103, 74, 30, 12),

            MakeControl(ControlKind::GroupBox, IDC_IMPACT_GROUP, "Impact (% of beam wt.)", 143, 35,
                        111, 59),
            MakeControl(ControlKind::Label, kIdStatic, "Form suction:", 150, 49, 54, 9),
            MakeControl(ControlKind::Edit, IDC_IMPACT_FORM_SUCTION, "", 208, 47, 38, 12),
            MakeControl(ControlKind::Label, kIdStatic, "Handling:", 150, 63, 54, 9),
            MakeControl(ControlKind::Edit, IDC_IMPACT_HANDLING, "", 208, 61, 38, 12),
            MakeControl(ControlKind::Label, 1711, "Shipping:", 150, 77, 54, 9),
            MakeControl(ControlKind::Edit, IDC_IMPACT_SHIPPING, "", 208, 75, 38, 12),

            MakeControl(ControlKind::GroupBox, IDC_STABILITY_GROUP, "Stability Parameters", 7, 99,
                        247, 94),
            MakeControl(ControlKind::Label, IDC_TRANSPORT_STIFFNESS_LABEL,
                        "Total transport stiffness, in-k/radian:", 13, 113, 178, 9),
            MakeControl(ControlKind::Edit, IDC_TRANSPORT_STIFFNESS, "", 194, 111, 54, 12),
            MakeControl(ControlKind::Label, 1718, "Super elevation of the roadway,radian:", 13, 127,
                        178, 9),
            MakeControl(ControlKind::Edit, IDC_SUPER_ELEVATION, "", 194, 125, 54, 12),
            MakeControl(ControlKind::Label, IDC_BEAM_CG_LABEL,
                        "Height of the cg of the beam above the road, in:", 13, 141, 178, 9),
            MakeControl(ControlKind::Edit, IDC_BEAM_CG_ABOVE_ROAD, "", 194, 139, 54, 12),
            MakeControl(ControlKind::Label, IDC_ROLL_CENTER_LABEL,
                        "Height of the roll center above the road, in:", 13, 155, 178, 9),
            MakeControl(ControlKind::Edit, IDC_ROLL_CENTER_ABOVE_ROAD, "", 194, 153, 54, 12),
            MakeControl(ControlKind::Label, IDC_DUAL_TIRE_LABEL,
                        "Transverse distance between centerline of beam and the center of the "
                        "dual tires, in:",
                        13, 168, 178, 18),
            MakeControl(ControlKind::Edit, IDC_DUAL_TIRE_DISTANCE, "", 194, 170, 54, 12),

            MakeControl(ControlKind::DefPushButton, kIdOk, "OK", 148, 198, 50, 14, kStyleGroup),
            MakeControl(ControlKind::PushButton, kIdCancel, "Cancel", 204, 198, 50, 14),
        };
        return d;
    }();
    return t;
}

Dlg::CShippingAndHandlingDlg() : Dialog(Template()) {
    const std::pair<int, int Dlg::*> checks[] = {{IDC_CHECK_STRIPPING, &Dlg::m_bCheckStripping},
                                                 {IDC_CHECK_HANDLING, &Dlg::m_bCheckHandling},
                                                 {IDC_SHIP_USE_FC, &Dlg::m_bShipUseFc},
                                                 {IDC_CHECK_PRODUCTION, &Dlg::m_bCheckProduction}};
    for (const auto& [id, member] : checks) {
        m_commands.On(id, [this, id = id, member = member] {
            this->*member = this->*member == 1 ? 0 : 1;
            CheckDlgButton(id, this->*member == 1);
        });
    }
    for (const Field& f : kFields)
        OnNotify(Notification::Change, f.edit, [this, id = f.edit] { OnEditChange(id); });
}

bool Dlg::Metric() const {
    return m_nUnits != kUnitsUS;
}

std::string Dlg::FieldText(const Field& field, double value, int units) {
    if (units == kUnitsUS) return Trimmed(field.usFormat, value);
    return Trimmed(field.metricFormat, value * field.metricFactor);
}

bool Dlg::OnInitDialog() {
    Dialog::OnInitDialog();
    CheckDlgButton(IDC_CHECK_PRODUCTION, m_bCheckProduction == 1);
    CheckDlgButton(IDC_CHECK_STRIPPING, m_bCheckStripping == 1);
    CheckDlgButton(IDC_CHECK_HANDLING, m_bCheckHandling == 1);
    CheckDlgButton(IDC_SHIP_USE_FC, m_bShipUseFc == 1);
    if (Metric()) {
        SetDlgItemText(IDC_SUPPORT_GROUP, "Support Locations, m");
        SetDlgItemText(IDC_TRANSPORT_STIFFNESS_LABEL, "Total transport stiffness, m-kN/radian:");
        SetDlgItemText(IDC_BEAM_CG_LABEL, "Height of the cg of the beam above the road, m:");
        SetDlgItemText(IDC_ROLL_CENTER_LABEL, "Height of the roll center above the road, m:");
        SetDlgItemText(IDC_DUAL_TIRE_LABEL,
                       "Transverse distance between centerline of beam and the center of the "
                       "dual tires, m:");
    }
    for (int i = 0; i < kHandlingFieldCount; ++i) {
        m_shown[i] =
            FieldText(kFields[i], this->*kFields[i].member, Metric() ? kUnitsMetric : kUnitsUS);
        SetDlgItemText(kFields[i].edit, m_shown[i]);
    }
    return true;
}

void Dlg::OnEditChange(int edit) {
    // Only digits, "." and "-" stay in a field as it is typed.
    const std::string text = GetDlgItemText(edit);
    const std::string cleaned = CDataValidation::StripNonNumeric(text);
    if (cleaned != text) SetDlgItemText(edit, cleaned);
}

bool Dlg::ReadFields() {
    for (int i = 0; i < kHandlingFieldCount; ++i) {
        const Field& f = kFields[i];
        const std::string text = std::string(CDataValidation::TrimBlanks(GetDlgItemText(f.edit)));
        // A field left as the dialog filled it keeps its value to the last bit.
        if (text == m_shown[i]) continue;
        const std::optional<double> value =
            CDataValidation::IsReal(text) ? ParseNumber(text) : std::nullopt;
        if (!value) {
            MessageBox(std::string(f.name) + ": " + kEnterNumber);
            GotoDlgCtrl(f.edit);
            return false;
        }
        this->*f.member = Metric() ? *value / f.metricFactor : *value;
    }
    return true;
}

bool Dlg::SupportsLeaveALength(double left, double right, const char* what, int edit) {
    if (!(m_dGirderLength > 0) || left + right < m_dGirderLength) return true;
    const std::string length = Metric() ? Trimmed("%.3f m", m_dGirderLength * kMetresPerFoot)
                                        : Trimmed("%.2f ft", m_dGirderLength);
    MessageBox(std::string(what) + ": Left + Right must be less than the girder length (" + length +
               "), so that a length of girder lies between the supports.");
    GotoDlgCtrl(edit);
    return false;
}

void Dlg::OnOK() {
    if (!ReadFields()) return;
    if (!SupportsLeaveALength(m_dLiftSupportLeft, m_dLiftSupportRight, "Lifting/Handling supports",
                              IDC_LIFT_SUPPORT_LEFT))
        return;
    if (!SupportsLeaveALength(m_dShipSupportLeft, m_dShipSupportRight, "Shipping supports",
                              IDC_SHIP_SUPPORT_LEFT))
        return;
    if (!(m_dTransportStiffness > 0)) {
        MessageBox("Total transport stiffness: enter a stiffness greater than 0.");
        GotoDlgCtrl(IDC_TRANSPORT_STIFFNESS);
        return;
    }
    EndDialog(kIdOk);
}

}  // namespace kordel

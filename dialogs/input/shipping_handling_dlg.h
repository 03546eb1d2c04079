// "Stripping and Handling": which of the stripping, lifting and shipping checks run, the support
// locations for lifting and for shipping, the impact allowances, and the girder's roll stability
// on the truck. The members hold US units at all times; the dialog converts what its edits show
// for a metric design itself. Unwanted characters vanish from an edit as they are typed; OK reads
// every edit and refuses one that holds no number, supports that leave no length between them
// and a transport stiffness that is not positive, naming the field.
#pragma once

#include <string>

#include "platform/ui/dialog.h"

namespace kordel {

inline constexpr int IDD_STRIPPING_HANDLING = 228;
inline constexpr int IDC_CHECK_STRIPPING = 1339;
inline constexpr int IDC_CHECK_HANDLING = 1318;
inline constexpr int IDC_SHIP_USE_FC = 1740;
inline constexpr int IDC_CHECK_PRODUCTION = 1702;
inline constexpr int IDC_LIFT_SUPPORT_LEFT = 1704;
inline constexpr int IDC_LIFT_SUPPORT_RIGHT = 1706;
inline constexpr int IDC_SHIP_SUPPORT_LEFT = 1010;
inline constexpr int IDC_SHIP_SUPPORT_RIGHT = 1340;
inline constexpr int IDC_IMPACT_FORM_SUCTION = 1707;
inline constexpr int IDC_IMPACT_HANDLING = 1708;
inline constexpr int IDC_IMPACT_SHIPPING = 1033;
inline constexpr int IDC_TRANSPORT_STIFFNESS = 1717;
inline constexpr int IDC_SUPER_ELEVATION = 1719;
inline constexpr int IDC_BEAM_CG_ABOVE_ROAD = 1721;
inline constexpr int IDC_ROLL_CENTER_ABOVE_ROAD = 1723;
inline constexpr int IDC_DUAL_TIRE_DISTANCE = 1011;
inline constexpr int IDC_SUPPORT_GROUP = 1752;
inline constexpr int IDC_IMPACT_GROUP = 1753;
inline constexpr int IDC_STABILITY_GROUP = 1754;
inline constexpr int IDC_TRANSPORT_STIFFNESS_LABEL = 1716;
inline constexpr int IDC_BEAM_CG_LABEL = 1720;
inline constexpr int IDC_ROLL_CENTER_LABEL = 1722;
inline constexpr int IDC_DUAL_TIRE_LABEL = 1724;

/// The twelve number fields.
inline constexpr int kHandlingFieldCount = 12;

class CShippingAndHandlingDlg : public platform::ui::Dialog {
  public:
    CShippingAndHandlingDlg();
    bool OnInitDialog() override;
    void OnOK() override;
    static const platform::ui::DialogTemplate& Template();

    /// One number field: its edit, its name in messages, the member, the formats in US and
    /// metric units and what a US value is multiplied by to show it metric (1: not converted).
    struct Field {
        int edit;
        const char* name;
        double CShippingAndHandlingDlg::* member;
        const char* usFormat;
        const char* metricFormat;
        double metricFactor;
    };
    static const Field kFields[kHandlingFieldCount];
    /// The text a field shows for `value` (US units) in `units`, without leading blanks.
    static std::string FieldText(const Field& field, double value, int units);

    int m_bCheckStripping = 0;
    int m_bCheckHandling = 0;
    int m_bShipUseFc = 0;
    int m_bCheckProduction = 0;  ///< hidden "Check Production": carried through
    double m_dLiftSupportLeft = 0;       ///< ft
    double m_dLiftSupportRight = 0;      ///< ft
    double m_dShipSupportLeft = 0;       ///< ft
    double m_dShipSupportRight = 0;      ///< ft
    double m_dImpactFormSuction = 0;     ///< % of the girder weight
    double m_dImpactHandling = 0;        ///< % of the girder weight
    double m_dImpactShipping = 0;        ///< % of the girder weight
    double m_dTransportStiffness = 0;    ///< in-kip per radian
    double m_dSuperElevation = 0;        ///< radian
    double m_dBeamCgAboveRoad = 0;       ///< in
    double m_dRollCenterAboveRoad = 0;   ///< in
    double m_dDualTireDistance = 0;      ///< in
    int m_nUnits = 1;                    ///< read only: 1 US customary, 2 metric
    double m_dGirderLength = 0;          ///< read only: the girder's length, ft

  private:
    bool Metric() const;
    void OnEditChange(int edit);
    /// Reads every field into its member; false (with the message and the focus on the field)
    /// at the first that holds no number.
    bool ReadFields();
    /// Refuses supports at `left` and `right` (ft) that leave no length of the girder between
    /// them; `what` names the row.
    bool SupportsLeaveALength(double left, double right, const char* what, int edit);

    std::string m_shown[kHandlingFieldCount];  ///< each field's text as the dialog filled it
};

}  // namespace kordel

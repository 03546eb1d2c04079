// "Load & Resistance Factors": automatic factors from the design code, or the load
// factors of Service, Strength I and Strength II and the resistance factors typed by the user,
// and the three load modifiers in either case. Factors have no unit; nothing is converted.
#pragma once

#include "platform/ui/dialog.h"

namespace kordel {

inline constexpr int IDD_LOAD_RESIST_FACTORS = 176;
inline constexpr int IDC_FACTORS_AUTOMATIC = 1014;
inline constexpr int IDC_FACTORS_MANUAL = 1024;
inline constexpr int IDC_FACTOR_SERVICE_I_LL = 1394;
inline constexpr int IDC_FACTOR_SERVICE_III_LL = 1033;
inline constexpr int IDC_FACTOR_STRENGTH_I_DC = 1395;
inline constexpr int IDC_FACTOR_STRENGTH_I_DW = 1009;
inline constexpr int IDC_FACTOR_STRENGTH_I_LL = 1396;
inline constexpr int IDC_FACTOR_STRENGTH_II_DC = 1673;
inline constexpr int IDC_FACTOR_STRENGTH_II_DW = 1010;
inline constexpr int IDC_FACTOR_STRENGTH_II_LL = 1340;
inline constexpr int IDC_FACTOR_PHI_SHEAR = 1022;
inline constexpr int IDC_FACTOR_PHI_MOMENT = 1007;
inline constexpr int IDC_LOAD_MOD_DUCTILITY = 1008;
inline constexpr int IDC_LOAD_MOD_REDUNDANCY = 1342;
inline constexpr int IDC_LOAD_MOD_IMPORTANCE = 1343;
/// The group boxes of the factors.
inline constexpr int IDC_FACTORS_LOAD_GROUP = 1412;
inline constexpr int IDC_FACTORS_SERVICE_GROUP = 1413;
inline constexpr int IDC_FACTORS_STRENGTH_I_GROUP = 1414;
inline constexpr int IDC_FACTORS_STRENGTH_II_GROUP = 1674;
inline constexpr int IDC_FACTORS_PHI_GROUP = 1415;

/// The smallest product of the three load modifiers.
// AASHTO LRFD 6th ed. Art. 1.3.2.1, Eq. 1.3.2.1-2 (eta_i = eta_D eta_R eta_I >= 0.95)
inline constexpr double kMinLoadModifierProduct = 0.95;

class CLoadResistFactorsDlg : public platform::ui::Dialog {
  public:
    CLoadResistFactorsDlg();
    bool OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(platform::ui::DataExchange& dx) override;
    static const platform::ui::DialogTemplate& Template();

    /// The 25 controls of the factors (group boxes, edits and their labels), hidden while the
    /// factors are automatic.
    static const int kFactorControls[25];

    int m_bAutoFactors = 0;  ///< nonzero: the factors follow the design code
    double m_dServiceILiveLoadFactor = 0;
    double m_dServiceIIILiveLoadFactor = 0;
    double m_dStrengthIDeadLoadFactor = 0;
    double m_dStrengthIWearingSurfaceFactor = 0;
    double m_dStrengthILiveLoadFactor = 0;
    double m_dStrengthIIDeadLoadFactor = 0;
    double m_dStrengthIIWearingSurfaceFactor = 0;
    double m_dStrengthIILiveLoadFactor = 0;
    double m_dPhiShear = 0;
    double m_dPhiFlexure = 0;
    double m_dLoadModDuctility = 0;
    double m_dLoadModRedundancy = 0;
    double m_dLoadModImportance = 0;

  private:
    void ShowFactors(bool shown);
};

}  // namespace kordel

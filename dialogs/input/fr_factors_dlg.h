// "Modulus of Rupture Factors": the coefficients on sqrt(f'c) of the modulus of rupture, three
// for normal-weight concrete (by the check they serve) and one each for sand-lightweight and
// all-lightweight concrete. Opened by the Materials dialog's "Fr Factors..." button.
#pragma once

#include "platform/ui/dialog.h"

namespace kordel {

inline constexpr int IDD_FR_FACTORS = 247;
inline constexpr int IDC_FR_MIN_REINF = 1007;
inline constexpr int IDC_FR_SHEAR = 1008;
inline constexpr int IDC_FR_SAND_LIGHTWEIGHT = 1009;
inline constexpr int IDC_FR_ALL_LIGHTWEIGHT = 1010;
inline constexpr int IDC_FR_GENERIC = 1792;

class CFRFactorsDlg : public platform::ui::Dialog {
  public:
    CFRFactorsDlg();
    void DoDataExchange(platform::ui::DataExchange& dx) override;
    static const platform::ui::DialogTemplate& Template();

    float m_fFrGeneric = 0;          ///< normal weight, the generic factor
    float m_fFrMinReinf = 0;         ///< normal weight, minimum reinforcement (5th ed)
    float m_fFrShear = 0;            ///< normal weight, the simplified shear method
    float m_fFrSandLightweight = 0;  ///< sand-lightweight concrete
    float m_fFrAllLightweight = 0;   ///< all-lightweight concrete
};

}  // namespace kordel

// "Mcr Factors": the three gamma factors of the cracking moment (flexural cracking variability,
// prestress variability, and the ratio of yield to tensile strength of the bars). Opened by the
// Materials dialog's "Mcr Factors..." button.
#pragma once

#include "platform/ui/dialog.h"

namespace kordel {

inline constexpr int IDD_MCR_FACTORS = 245;
inline constexpr int IDC_MCR_GAMMA2 = 1007;
inline constexpr int IDC_MCR_GAMMA3 = 1008;
inline constexpr int IDC_MCR_GAMMA1 = 1791;

class CMCRFactorsDlg : public platform::ui::Dialog {
  public:
    CMCRFactorsDlg();
    void DoDataExchange(platform::ui::DataExchange& dx) override;
    static const platform::ui::DialogTemplate& Template();

    float m_fMcrGamma1 = 0;  ///< gamma1
    float m_fMcrGamma2 = 0;  ///< gamma2
    float m_fMcrGamma3 = 0;  ///< gamma3
};

}  // namespace kordel

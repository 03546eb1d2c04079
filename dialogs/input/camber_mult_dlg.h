// "Camber and Deflection Multipliers": the eleven multipliers that scale the camber and
// deflection parts at erection and at final, for non-composite and composite girders, as the
// user enters them (m_adCamberMultiplierInput); the design picks the set it uses after OK.
#pragma once

#include "document/model_limits.h"
#include "platform/ui/dialog.h"

namespace kordel {

inline constexpr int IDD_CAMBER_MULTIPLIERS = 138;

/// The edit of each entered multiplier [CamberMultiplierInput].
inline constexpr int kCamberMultiplierEdits[kCamberMultiplierCount] = {
    1152, 1010, 1022, 1016, 1009, 1034, 1007, 1033, 1032, 1017, 1153};

class CCamberMultDlg : public platform::ui::Dialog {
  public:
    CCamberMultDlg();
    void DoDataExchange(platform::ui::DataExchange& dx) override;
    static const platform::ui::DialogTemplate& Template();

    double m_adCamberMultiplierInput[kCamberMultiplierCount] = {};
};

}  // namespace kordel

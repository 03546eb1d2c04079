// "Prestress Loss Parameters": the girder and deck volume-to-surface ratios, the relative
// humidity, the ages at transfer, deck casting and the end of service, the friction and anchor
// set of the post-tensioning, and the basis of the detailed loss method. Opened by the
// Materials dialog's "Parameters..." button, in the units the Materials dialog shows.
#pragma once

#include "platform/ui/dialog.h"

namespace kordel {

inline constexpr int IDD_LOSS_PARAMETERS = 213;
inline constexpr int IDC_LOSS_DECK_VS_COMPUTE = 1014;
inline constexpr int IDC_LOSS_DECK_VS_SPECIFY = 1015;
inline constexpr int IDC_LOSS_SPEC_EQUATIONS = 1023;
inline constexpr int IDC_LOSS_PCI_GUIDELINES = 1024;
inline constexpr int IDC_LOSS_TRANSFER_AGE = 1032;
inline constexpr int IDC_LOSS_HUMIDITY = 1033;
inline constexpr int IDC_LOSS_DECK_CASTING = 1345;
inline constexpr int IDC_LOSS_ANCHOR_SET = 1592;
inline constexpr int IDC_LOSS_WOBBLE = 1593;
inline constexpr int IDC_LOSS_FRICTION = 1594;
inline constexpr int IDC_LOSS_DECK_FORCE = 1595;
inline constexpr int IDC_LOSS_FINAL_AGE = 1625;
inline constexpr int IDC_LOSS_GIRDER_VS = 1630;
inline constexpr int IDC_LOSS_DECK_VS = 1631;
inline constexpr int IDC_LOSS_VS_GROUP = 1649;
inline constexpr int IDC_LOSS_WOBBLE_LABEL = 1650;
inline constexpr int IDC_LOSS_ANCHOR_SET_LABEL = 1651;

class CLossParamsPreDlg : public platform::ui::Dialog {
  public:
    CLossParamsPreDlg();
    bool OnInitDialog() override;
    void DoDataExchange(platform::ui::DataExchange& dx) override;
    static const platform::ui::DialogTemplate& Template();

    int m_nUnits = 1;                       ///< 1 US (in, per ft), 2 metric (mm, per m)
    double m_dVolumeToSurface = 0;          ///< girder V/S, in | mm
    int m_bComputeDeckVolumeToSurface = 1;  ///< 1 the deck V/S is computed, 0 as entered
    double m_dDeckVolumeToSurface = 0;      ///< deck V/S, in | mm
    double m_dRelativeHumidity = 0;         ///< percent
    double m_dTransferAge = 0;              ///< days
    double m_dAgeAtDeckCasting = 0;         ///< days
    double m_dFinalAge = 0;                 ///< days
    double m_dPtAnchorSet = 0;              ///< in | mm
    double m_dPtWobbleK = 0;                ///< per ft | per m
    double m_dPtFrictionMu = 0;             ///< curvature friction coefficient
    int m_nDetailedLossBasis = 0;           ///< 0 the design code's equations, 1 PCI
    float m_fDeckForcePercent = 0;          ///< percent

  private:
    void ShowDeckVolumeToSurfaceMode(bool compute);
    void ShowDetailedLossBasis(bool pci);
};

}  // namespace kordel

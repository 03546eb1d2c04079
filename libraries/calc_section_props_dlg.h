// "Calculate Section Properties": the gross properties of the coordinates the section
// coordinates dialog hands in, worked out as the dialog opens; "Use These Properties" hands
// back area, centroid height, overall height, Ixx, V/S, Iyy and the torsion constant, rounded
// for a US design as the design keeps them.
#pragma once

#include <string>

#include "document/model_limits.h"
#include "platform/ui/dialog.h"

namespace kordel {

inline constexpr int IDD_CALC_SECTION_PROPS = 186;
inline constexpr int IDC_CALC_VS = 1455;
inline constexpr int IDC_CALC_HEIGHT = 1459;
inline constexpr int IDC_CALC_AREA = 1460;
inline constexpr int IDC_CALC_CENTROID = 1461;
inline constexpr int IDC_CALC_IXX = 1462;
inline constexpr int IDC_CALC_HEIGHT_UNIT = 1463;
inline constexpr int IDC_CALC_CENTROID_UNIT = 1464;
inline constexpr int IDC_CALC_AREA_UNIT = 1465;
inline constexpr int IDC_CALC_IXX_UNIT = 1466;
inline constexpr int IDC_CALC_VS_UNIT = 1467;
inline constexpr int IDC_CALC_IYY_UNIT = 1468;
inline constexpr int IDC_CALC_IYY = 1695;
inline constexpr int IDC_CALC_YBYY = 1696;
inline constexpr int IDC_CALC_YBYY_UNIT = 1697;
inline constexpr int IDC_CALC_WIDTH_UNIT = 1698;
inline constexpr int IDC_CALC_WIDTH = 1699;

/// The message for coordinates that enclose no section.
inline constexpr const char* kNoSectionProperties =
    "The coordinates describe no section: its properties cannot be calculated.";

class CCalcSectionPropsDlg : public platform::ui::Dialog {
  public:
    CCalcSectionPropsDlg();
    bool OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(platform::ui::DataExchange& dx) override;
    static const platform::ui::DialogTemplate& Template();

    int m_nUnits = kUnitsUS;  ///< 1 US customary (in); any other value metric (m)
    int m_nSectionType = 0;   ///< section shape code; chooses J
    int m_nOutlinePointCount = 0;
    double m_adOutline[kMaxOutlinePoints][kPointValueCount] = {};
    int m_nVoidPointCount = 0;
    double m_adVoidOutline[kMaxOutlinePoints][kPointValueCount] = {};
    int m_nCircularVoidCount = 0;
    double m_adCircularVoid[kMaxCircularVoids][kCircularVoidValueCount] = {};

    // Handed back after OK.
    double m_dArea = 0;
    double m_dCentroid = 0;
    double m_dHeight = 0;
    double m_dInertia = 0;
    double m_dVolumeToSurface = 0;
    double m_dInertiaY = 0;
    double m_dTorsionConstant = 0;

  private:
    bool m_bValid = false;  ///< the coordinates gave properties
    // The unrounded values shown.
    double m_dA = 0, m_dYb = 0, m_dH = 0, m_dIxx = 0, m_dWidth = 0, m_dYbyy = 0, m_dIyy = 0,
           m_dVS = 0, m_dJ = 0;
    std::string m_strValues[8];
    std::string m_strUnits[8];
};

}  // namespace kordel

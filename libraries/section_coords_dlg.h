// "Girder Section Coordinates": the outer outline, the polygonal void and the circular voids of
// a section, each in a grid whose rows follow a count, with a sketch. A grid edit makes the
// properties stale, and so does a count change; OK is refused until "Calc Props" (the
// calculate-section-properties dialog) has given new properties. Lengths in the caller's unit.
#pragma once

#include <algorithm>

#include "controls/grid_ctrl.h"
#include "document/model_limits.h"
#include "platform/ui/dialog.h"

namespace kordel {

inline constexpr int IDD_SECTION_COORDS = 177;
inline constexpr int IDC_COORDS_VOID_SPIN = 1315;
inline constexpr int IDC_COORDS_CIRCLE_SPIN = 1316;
inline constexpr int IDC_COORDS_VOID_COUNT = 1347;
inline constexpr int IDC_COORDS_SKETCH = 1377;
inline constexpr int IDC_COORDS_OUTLINE_COUNT = 1382;
inline constexpr int IDC_COORDS_CIRCLE_COUNT = 1383;
inline constexpr int IDC_COORDS_OUTLINE_SPIN = 1384;
inline constexpr int IDC_COORDS_OUTLINE_GROUP = 1433;
inline constexpr int IDC_COORDS_VOID_GROUP = 1434;
inline constexpr int IDC_COORDS_CIRCLE_GROUP = 1435;
inline constexpr int IDC_COORDS_CALC = 1458;
inline constexpr int IDC_COORDS_OUTLINE_GRID = 1762;
inline constexpr int IDC_COORDS_VOID_GRID = 1763;
inline constexpr int IDC_COORDS_CIRCLE_GRID = 1765;

/// The counts the dialogs take: outline and void points, circular voids.
inline constexpr int kMaxCoordinateCount = 99;
inline constexpr int kMaxCircleCount = 9;

inline constexpr const char* kNotNumeric = "Quantity must be a numeric value.";
inline constexpr const char* kRecalcProps = "Re-Calc Props before exiting";

/// Copies the counts and the coordinates of `from` into `to`, each length times `factor`.
template <class To, class From>
void SetCoordinates(To& to, const From& from, double factor) {
    to.m_nOutlinePointCount = std::clamp(from.m_nOutlinePointCount, 0, kMaxOutlinePoints);
    to.m_nVoidPointCount = std::clamp(from.m_nVoidPointCount, 0, kMaxOutlinePoints);
    to.m_nCircularVoidCount = std::clamp(from.m_nCircularVoidCount, 0, kMaxCircularVoids);
    for (int i = 0; i < kMaxOutlinePoints; ++i)
        for (int k = 0; k < kPointValueCount; ++k) {
            to.m_adOutline[i][k] = from.m_adOutline[i][k] * factor;
            to.m_adVoidOutline[i][k] = from.m_adVoidOutline[i][k] * factor;
        }
    for (int i = 0; i < kMaxCircularVoids; ++i)
        for (int k = 0; k < kCircularVoidValueCount; ++k)
            to.m_adCircularVoid[i][k] = from.m_adCircularVoid[i][k] * factor;
}

/// The counts and coordinates of `from` back into `to`, each length divided by `factor`; a
/// value still as `to` gave it keeps its last bit.
template <class From, class To>
void GetCoordinates(const From& from, To& to, double factor) {
    auto back = [factor](double shown, double& value) {
        if (shown != value * factor) value = shown / factor;
    };
    to.m_nOutlinePointCount = from.m_nOutlinePointCount;
    to.m_nVoidPointCount = from.m_nVoidPointCount;
    to.m_nCircularVoidCount = from.m_nCircularVoidCount;
    for (int i = 0; i < kMaxOutlinePoints; ++i)
        for (int k = 0; k < kPointValueCount; ++k) {
            back(from.m_adOutline[i][k], to.m_adOutline[i][k]);
            back(from.m_adVoidOutline[i][k], to.m_adVoidOutline[i][k]);
        }
    for (int i = 0; i < kMaxCircularVoids; ++i)
        for (int k = 0; k < kCircularVoidValueCount; ++k)
            back(from.m_adCircularVoid[i][k], to.m_adCircularVoid[i][k]);
}

/// Copies the seven gross properties (A, ybxx, height, Ixx, V/S, Iyy, J) of `from` into `to`.
template <class To, class From>
void CopyGrossProperties(To& to, const From& from) {
    to.m_dArea = from.m_dArea;
    to.m_dCentroid = from.m_dCentroid;
    to.m_dHeight = from.m_dHeight;
    to.m_dInertia = from.m_dInertia;
    to.m_dVolumeToSurface = from.m_dVolumeToSurface;
    to.m_dInertiaY = from.m_dInertiaY;
    to.m_dTorsionConstant = from.m_dTorsionConstant;
}

class CSectionCoordsDlg : public platform::ui::Dialog, public GridOwner {
  public:
    CSectionCoordsDlg();
    bool OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(platform::ui::DataExchange& dx) override;
    void OnDrawItem(int id, platform::ui::DC& dc, platform::ui::Size clientSize) override;
    bool OnGridEndEdit(CGridCtrl& grid, CCellID cell) override;
    static const platform::ui::DialogTemplate& Template();

    CGridCtrl m_gridOutline;
    CGridCtrl m_gridVoid;
    CGridCtrl m_gridCircles;
    int m_nUnits = kUnitsUS;  ///< 1 US customary (in); any other value metric (m)
    double m_dArea = 0, m_dCentroid = 0, m_dHeight = 0, m_dInertia = 0, m_dVolumeToSurface = 0,
           m_dInertiaY = 0, m_dTorsionConstant = 0;
    double m_adOutline[kMaxOutlinePoints][kPointValueCount] = {};
    double m_adVoidOutline[kMaxOutlinePoints][kPointValueCount] = {};
    double m_adCircularVoid[kMaxCircularVoids][kCircularVoidValueCount] = {};
    int m_nSectionType = 0;
    int m_bPropsStale = 0;  ///< an edit since the last accepted calculation
    int m_nOutlinePointCount = 0;
    int m_nVoidPointCount = 0;
    int m_nCircularVoidCount = 0;

  private:
    void FillOutlineGrid();
    void FillVoidGrid();
    void FillCircleGrid();
    /// Reads rows 1 to the count of a grid back; false at a cell that is no number.
    bool ReadGrid(CGridCtrl& grid);
    /// Takes the typed counts (refused beyond the arrays); a changed count refills its grid and
    /// makes the properties stale. False when a count is refused.
    bool TakeCounts();
    bool OnCountSpin(int which, int pos, int delta);
    void OnCalcProps();
};

}  // namespace kordel

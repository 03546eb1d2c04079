// "Edit Rebar List": the individual longitudinal bars of one group (girder or deck), one grid
// row each, where only the transverse location of a bar can be changed. Opened by the "Bar
// List..." buttons of "Longitudinal Rebar".
#pragma once

#include "controls/grid_ctrl.h"
#include "controls/grid_types.h"
#include "document/model_limits.h"
#include "document/model_records.h"
#include "platform/ui/dialog.h"

namespace kordel {

inline constexpr int IDD_EDIT_REBAR_LIST = 206;
inline constexpr int IDC_REBAR_LIST_GRID = 1577;

class CEditRebarListDlg : public platform::ui::Dialog, public GridOwner {
  public:
    CEditRebarListDlg();
    bool OnInitDialog() override;
    void OnOK() override;

    static const platform::ui::DialogTemplate& Template();

    int m_nUnits = 1;     ///< 1 US customary, 2 metric
    int m_nBarCount = 0;  ///< bars listed, at most kMaxRebarBars; not changed here
    /// The bars: size, start point (x ft or m, y and z in or m) and end x are used.
    RebarBar m_aBars[kMaxRebarBars];
    CGridCtrl m_grid;

  private:
    void FillGrid();
};

}  // namespace kordel

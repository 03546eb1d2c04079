// "Strand List": the strand groups of the pretensioning pattern, one line each, with the pull
// fraction and the horizontal location of every group open to editing.
#pragma once

#include "controls/grid_ctrl.h"
#include "controls/grid_types.h"
#include "document/model_limits.h"
#include "document/model_records.h"
#include "platform/ui/dialog.h"

namespace kordel {

inline constexpr int IDD_STRAND_LIST = 199;
inline constexpr int IDC_STRAND_LIST_GRID = 1536;

/// Grid columns of the strand list.
inline constexpr int kListColumnPull = 4;
inline constexpr int kListColumnLocation = 5;

class CEditStrandCoordsDlg : public platform::ui::Dialog, public GridOwner {
  public:
    CEditStrandCoordsDlg();
    bool OnInitDialog() override;
    void OnOK() override;

    static const platform::ui::DialogTemplate& Template();

    CGridCtrl m_grid;
    int m_nGridRows = 0;
    int m_nUnits = 1;
    int m_nGroupCount = 0;
    /// The groups in inches; [5] and [6] come back after OK.
    StrandGroup m_aGroups[kMaxStrandGroups] = {};

  private:
    StrandGroup m_aGroupsIn[kMaxStrandGroups] = {};  ///< the groups as handed in, inches
};

}  // namespace kordel

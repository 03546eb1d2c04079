// "Load Table Results": every row of every load table in one read-only grid, to compare the
// designs and pick one. "Set as Current Design" closes it handing back the table and row of the
// focus cell (when it stands on a row of a table); "Close" returns nothing. The dialog never
// touches the design.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "controls/grid_ctrl.h"
#include "document/load_tables.h"
#include "platform/ui/dialog.h"

namespace kordel {

inline constexpr int IDD_LOAD_TABLE_RESULTS = 189;
inline constexpr int IDC_LTR_SECTION_NAME = 1478;
inline constexpr int IDC_LTR_GRID = 1484;

/// Heading rows of the grid (names, then units) and its columns.
inline constexpr int kLoadTableGridHeadingRows = 2;
inline constexpr int kLoadTableGridColumns = 11;

/// The eleven cell texts of row `r` of `table`.
std::vector<std::string> LoadTableRowCells(const LoadTable& table, int r);

class CLoadTableTabularResultsDlg : public platform::ui::Dialog {
  public:
    CLoadTableTabularResultsDlg();
    bool OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(platform::ui::DataExchange& dx) override;

    static const platform::ui::DialogTemplate& Template();

    std::string m_strSectionName;
    CGridCtrl m_grid;
    LoadTableSet m_tables;

    /// Out: the table (1 to 4) and row of the chosen design, and its values as stored.
    int m_nSelTable = 0;
    int m_nSelRow = 0;
    double m_dSelSpacing = 0;  ///< ft
    double m_dSelSpan = 0;     ///< ft
    double m_dSelSlab = 0;     ///< in

  private:
    /// Table and row of each grid row from kLoadTableGridHeadingRows on.
    std::vector<std::pair<int, int>> m_rowOf;
};

}  // namespace kordel

// "Strand Pattern Layout and Pull Fraction": the pretensioned strands laid out level by level
// (straight and draped strands at the girder end, draped strands and their elevation at the
// drape point) on the rows of the strand template, and the two pull fractions. "Edit
// Template..." edits the template and starts the pattern afresh; "Clear Pattern" empties it.
#pragma once

#include "controls/grid_ctrl.h"
#include "controls/grid_types.h"
#include "document/model_limits.h"
#include "document/model_records.h"
#include "platform/ui/dialog.h"

namespace kordel {

inline constexpr int IDD_STRAND_LAYOUT_PULL_FRACTION = 197;
inline constexpr int IDC_LAYOUT_STRAIGHT_GRID = 1526;
inline constexpr int IDC_LAYOUT_END_DRAPED_GRID = 1527;
inline constexpr int IDC_LAYOUT_DRAPE_GRID = 1528;
inline constexpr int IDC_LAYOUT_EDIT_TEMPLATE = 1533;
inline constexpr int IDC_LAYOUT_CLEAR_PATTERN = 1534;
inline constexpr int IDC_LAYOUT_PULL_FRAME = 1733;
inline constexpr int IDC_LAYOUT_TOP_PULL = 1734;
inline constexpr int IDC_LAYOUT_BALANCE_PULL = 1735;

/// Columns of the three layout grids.
inline constexpr int kLayoutColumnLevel = 0;
inline constexpr int kLayoutColumnCapacity = 1;
inline constexpr int kLayoutColumnQuantity = 2;
inline constexpr int kLayoutColumnElevation = 3;

class CStrandPatternLayoutDlg : public platform::ui::Dialog, public GridOwner {
  public:
    CStrandPatternLayoutDlg();
    bool OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(platform::ui::DataExchange& dx) override;

    static const platform::ui::DialogTemplate& Template();

    CGridCtrl m_gridStraight;
    CGridCtrl m_gridEndDraped;
    CGridCtrl m_gridDrape;
    int m_nGridRows = 1;
    int m_nPatternType = 1;     ///< 1 straight, 2 draped (in)
    int m_nRowCount = 0;        ///< template rows in use (in and back)
    int m_nColumnCount = 1;     ///< locations per template row (in and back)
    int m_nTemplateLayout = 1;  ///< 1 Interior, 2 Exterior (in and back)
    /// The template; elevations and locations in in | m.
    double m_adTemplate[kMaxPatternRows][kMaxPatternColumns] = {};
    StrandPatternRow m_aEndRows[kMaxPatternRows] = {};
    StrandPatternRow m_aDrapeRows[kMaxPatternRows] = {};
    int m_nUnits = 1;
    double m_dWebLocation = 0;  ///< in, in both unit systems
    int m_bNewTemplate = 0;
    double m_dTopPull = 0;
    double m_dBalancePull = 0;

  private:
    void SetUpGrid(CGridCtrl& grid, int id);
    void FillGrid(CGridCtrl& grid, int which);
    void RefreshGrids();
    void OnEditTemplate();
    void OnClearPattern();
};

}  // namespace kordel

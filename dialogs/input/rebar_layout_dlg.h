// "Girder Rebar" and "Deck Rebar": the layout rows of one group of longitudinal bars (how many
// bars of which size run at which height from where to where), one grid row per level, with
// each row's bar area worked out. Opened by the "Layout..." buttons of "Longitudinal Rebar",
// which expands the rows into bars on OK.
#pragma once

#include "controls/grid_ctrl.h"
#include "controls/grid_types.h"
#include "document/model_limits.h"
#include "platform/ui/dialog.h"

namespace kordel {

inline constexpr int IDD_DECK_REBAR = 203;
inline constexpr int IDD_GIRDER_REBAR = 204;
inline constexpr int IDC_REBAR_LEVELS_SPIN = 1365;
inline constexpr int IDC_GIRDER_REBAR_GRID = 1569;
inline constexpr int IDC_DECK_REBAR_GRID = 1572;
inline constexpr int IDC_GIRDER_REBAR_LEVELS = 1575;
inline constexpr int IDC_DECK_REBAR_LEVELS = 1578;

/// Levels (layout rows) the girder and the deck dialog take.
inline constexpr int kGirderRebarMaxLevels = 10;
inline constexpr int kDeckRebarMaxLevels = 6;

/// What the two layout dialogs share; they differ in their template, their levels and whether
/// OK reads the grid once more.
class CRebarLayoutDlg : public platform::ui::Dialog, public GridOwner {
  public:
    bool OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(platform::ui::DataExchange& dx) override;
    bool OnGridEndEdit(CGridCtrl& grid, CCellID cell) override;

    static constexpr const char* kTooManyBarsMessage =
        "These rows call for %d bars; a group holds at most 201 bars.\nTake bars off a row.";

    int m_nUnits = 1;  ///< 1 US customary, 2 metric
    int m_nLevels = 0;
    /// The rows [row][RebarRowValue]: height in (m), start and end ft (m), area in2 (mm2).
    double m_aRows[kMaxLongitRebarRows][kRebarRowValueCount] = {};
    CGridCtrl m_grid;

  protected:
    CRebarLayoutDlg(const platform::ui::DialogTemplate& tmpl, int levelsId, int gridId,
                    int maxLevels, bool readGridOnOk);

  private:
    void FillGrid();
    void ReadGrid();
    bool OnLevelsSpin(int pos, int delta);
    void ResetRow(int r);

    int m_levelsId;
    int m_gridId;
    int m_maxLevels;
    bool m_readGridOnOk;
};

/// "Girder Rebar": heights above the girder bottom; OK reads the grid once more.
class CGirderRebarDlg : public CRebarLayoutDlg {
  public:
    CGirderRebarDlg();
    static const platform::ui::DialogTemplate& Template();
};

/// "Deck Rebar": heights above the top of the haunch; OK takes the rows as the last cell edit
/// left them.
class CDeckRebarDlg : public CRebarLayoutDlg {
  public:
    CDeckRebarDlg();
    static const platform::ui::DialogTemplate& Template();
};

}  // namespace kordel

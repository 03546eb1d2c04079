#include "dialogs/input/rebar_layout_dlg.h"

#include <algorithm>
#include <cstdio>

#include "dialogs/input/rebar_grid_cells.h"
#include "document/rebar_layout.h"

namespace kordel {

using namespace platform::ui;

namespace {

constexpr int kColumns = 7;
constexpr int kDefaultBarSize = 4;  ///< the size a new row starts with

/// The layout template of both dialogs, `height` dialog units high.
DialogTemplate LayoutTemplate(int id, const char* caption, int height, int levelsId, int gridId) {
    DialogTemplate d;
    d.id = id;
    d.caption = caption;
    d.size = {271, height};
    d.controls = {
        MakeControl(ControlKind::Label, kIdStatic, "No. Levels:", 7, 9, 40, 9),
        MakeControl(ControlKind::Edit, levelsId, "", 50, 7, 24, 12, kStyleReadOnly),
        MakeControl(ControlKind::Spin, IDC_REBAR_LEVELS_SPIN, "", 74, 7, 10, 12),
        MakeControl(ControlKind::Custom, gridId, "MFCGridCtrl", 7, 25, 257, height - 53),
        MakeControl(ControlKind::DefPushButton, kIdOk, "OK", 158, height - 21, 50, 14, kStyleGroup),
        MakeControl(ControlKind::PushButton, kIdCancel, "Cancel", 214, height - 21, 50, 14),
    };
    return d;
}

}  // namespace

const DialogTemplate& CGirderRebarDlg::Template() {
    static const DialogTemplate t = LayoutTemplate(IDD_GIRDER_REBAR, "Girder Rebar", 185,
                                                   IDC_GIRDER_REBAR_LEVELS, IDC_GIRDER_REBAR_GRID);
    return t;
}

const DialogTemplate& CDeckRebarDlg::Template() {
    static const DialogTemplate t = LayoutTemplate(IDD_DECK_REBAR, "Deck Rebar", 146,
                                                   IDC_DECK_REBAR_LEVELS, IDC_DECK_REBAR_GRID);
    return t;
}

CGirderRebarDlg::CGirderRebarDlg()
    : CRebarLayoutDlg(Template(), IDC_GIRDER_REBAR_LEVELS, IDC_GIRDER_REBAR_GRID,
                      kGirderRebarMaxLevels, true) {}

CDeckRebarDlg::CDeckRebarDlg()
    : CRebarLayoutDlg(Template(), IDC_DECK_REBAR_LEVELS, IDC_DECK_REBAR_GRID, kDeckRebarMaxLevels,
                      false) {}

CRebarLayoutDlg::CRebarLayoutDlg(const DialogTemplate& tmpl, int levelsId, int gridId,
                                 int maxLevels, bool readGridOnOk)
    : Dialog(tmpl),
      m_levelsId(levelsId),
      m_gridId(gridId),
      m_maxLevels(maxLevels),
      m_readGridOnOk(readGridOnOk) {
    OnSpin(IDC_REBAR_LEVELS_SPIN, [this](int pos, int delta) { return OnLevelsSpin(pos, delta); });
}

void CRebarLayoutDlg::DoDataExchange(DataExchange& dx) {
    dx.Int(m_levelsId, m_nLevels);
}

bool CRebarLayoutDlg::OnInitDialog() {
    // A design may hold more rows than the spin reaches (a file allows 11 of each): they are
    // all shown, and kept unless the user takes them away.
    m_nLevels = std::clamp(m_nLevels, 0, kMaxLongitRebarRows);
    Dialog::OnInitDialog();
    m_grid.Attach(CreateControlWindow(m_gridId, m_grid), m_gridId);
    m_grid.SetOwner(this);
    m_grid.SetRowCount(m_nLevels + 1);
    m_grid.SetColumnCount(kColumns);
    m_grid.SetFixedRowCount(1);
    m_grid.SetFixedColumnCount(1);
    m_grid.m_bAllowDragDrop = true;
    for (int c = 0; c < kColumns; ++c) m_grid.SetColumnWidth(c, c <= 1 ? 35 : 60);
    m_grid.FitColumnsToWidth(true);
    const bool us = m_nUnits == kUnitsUS;
    const char* headings[kColumns] = {"Grp",
                                      "Qty",
                                      "Bar Size",
                                      us ? "Ht,in" : "Ht,m",
                                      us ? "Start,ft" : "Start,m",
                                      us ? "End,ft" : "End,m",
                                      us ? "Area,in2" : "Area,mm2"};
    for (int c = 0; c < kColumns; ++c) m_grid.SetCellText(0, c, headings[c]);
    FillGrid();
    SetSpinRange(IDC_REBAR_LEVELS_SPIN, 0, m_maxLevels);
    SetSpinPos(IDC_REBAR_LEVELS_SPIN, m_nLevels);
    return true;
}

void CRebarLayoutDlg::FillGrid() {
    const char* length = m_nUnits == kUnitsUS ? "%5.2f" : "%6.3f";
    for (int r = 0; r < m_nLevels; ++r) {
        const double* row = m_aRows[r];
        char number[16];
        std::snprintf(number, sizeof number, "%2d", r + 1);
        m_grid.SetCellText(r + 1, 0, number);
        m_grid.SetCellText(r + 1, 1, FormatValue("%5.0f", row[kRebarRowBars]));
        m_grid.SetCellText(r + 1, 2, FormatValue("%5.0f", row[kRebarRowBarSize]));
        m_grid.SetCellText(r + 1, 3, FormatValue(length, row[kRebarRowElevation]));
        m_grid.SetCellText(r + 1, 4, FormatValue(length, row[kRebarRowStart]));
        m_grid.SetCellText(r + 1, 5, FormatValue(length, row[kRebarRowEnd]));
        m_grid.SetCellText(r + 1, 6, FormatValue("%5.2f", row[kRebarRowArea]));
        SetComputedCell(m_grid, r + 1, 6);
    }
}

void CRebarLayoutDlg::ReadGrid() {
    const char* length = m_nUnits == kUnitsUS ? "%5.2f" : "%6.3f";
    for (int r = 0; r < m_nLevels; ++r) {
        double* row = m_aRows[r];
        ReadChangedCell(m_grid, r + 1, 1, "%5.0f", row[kRebarRowBars]);
        ReadChangedCell(m_grid, r + 1, 2, "%5.0f", row[kRebarRowBarSize]);
        ReadChangedCell(m_grid, r + 1, 3, length, row[kRebarRowElevation]);
        ReadChangedCell(m_grid, r + 1, 4, length, row[kRebarRowStart]);
        ReadChangedCell(m_grid, r + 1, 5, length, row[kRebarRowEnd]);
        row[kRebarRowArea] =
            RebarRowArea(row[kRebarRowBars], row[kRebarRowBarSize], m_nUnits != kUnitsUS);
    }
}

void CRebarLayoutDlg::ResetRow(int r) {
    double* row = m_aRows[r];
    row[kRebarRowBars] = 0;
    row[kRebarRowBarSize] = kDefaultBarSize;
    row[kRebarRowElevation] = 0;
    row[kRebarRowStart] = 0;
    row[kRebarRowEnd] = 0;
}

bool CRebarLayoutDlg::OnLevelsSpin(int pos, int delta) {
    const int p = pos + delta;
    if (p < 0 || p > m_maxLevels) return true;
    if (delta > 0) {
        // Only the row coming into use starts afresh; a longer step brings in rows as they were.
        ResetRow(m_nLevels);
        m_aRows[m_nLevels][kRebarRowArea] = 0;
        m_nLevels = p;
    } else {
        m_nLevels = p;
        if (m_nLevels == 0) ResetRow(0);
    }
    m_grid.SetRowCount(m_nLevels + 1);
    FillGrid();
    UpdateData(false);
    InvalidateItem(kIdStatic);
    return true;
}

bool CRebarLayoutDlg::OnGridEndEdit(CGridCtrl&, CCellID) {
    ReadGrid();
    FillGrid();
    UpdateData(true);
    InvalidateItem(kIdStatic);
    return true;
}

void CRebarLayoutDlg::OnOK() {
    if (m_readGridOnOk) ReadGrid();
    // The bar list of a group holds 201 bars: rows that call for more are sent back.
    const double bars = RebarRowBarCount(m_aRows, m_nLevels);
    if (bars > kMaxRebarBars) {
        char text[160];
        std::snprintf(text, sizeof text, kTooManyBarsMessage,
                      bars < 1e9 ? static_cast<int>(bars) : 999999999);
        MessageBox(text, platform::MsgButtons::Ok, platform::MsgIcon::Error);
        return;
    }
    Dialog::OnOK();
}

}  // namespace kordel

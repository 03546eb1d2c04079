#include "dialogs/input/edit_rebar_list_dlg.h"

#include <algorithm>
#include <cstdio>

#include "dialogs/input/rebar_grid_cells.h"

namespace kordel {

using namespace platform::ui;

namespace {

constexpr int kColumns = 6;
constexpr int kTransverseColumn = 5;  ///< the one column the user edits
constexpr const char* kLocationFormat = "%7.3f";

std::string FormatInt(int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%2d", value);
    return text;
}

}  // namespace

const DialogTemplate& CEditRebarListDlg::Template() {
    static const DialogTemplate t = [] {
        DialogTemplate d;
        d.id = IDD_EDIT_REBAR_LIST;
        d.caption = "Edit Rebar List";
        d.size = {380, 200};
        d.controls = {
            MakeControl(ControlKind::Custom, IDC_REBAR_LIST_GRID, "MFCGridCtrl", 7, 7, 366, 165),
            MakeControl(ControlKind::DefPushButton, kIdOk, "OK", 267, 179, 50, 14, kStyleGroup),
            MakeControl(ControlKind::PushButton, kIdCancel, "Cancel", 323, 179, 50, 14),
        };
        return d;
    }();
    return t;
}

CEditRebarListDlg::CEditRebarListDlg() : Dialog(Template()) {}

bool CEditRebarListDlg::OnInitDialog() {
    Dialog::OnInitDialog();
    m_nBarCount = std::clamp(m_nBarCount, 0, kMaxRebarBars);
    m_grid.Attach(CreateControlWindow(IDC_REBAR_LIST_GRID, m_grid), IDC_REBAR_LIST_GRID);
    m_grid.SetOwner(this);
    m_grid.SetRowCount(m_nBarCount + 1);
    m_grid.SetColumnCount(kColumns);
    m_grid.SetFixedRowCount(1);
    m_grid.SetFixedColumnCount(kTransverseColumn);  // all but the transverse location
    m_grid.m_bAllowDragDrop = true;
    for (int c = 0; c < kColumns; ++c)
        m_grid.SetColumnWidth(c, c <= 1 ? 35 : c == kTransverseColumn ? 95 : 70);
    m_grid.FitColumnsToWidth(true);
    const bool us = m_nUnits == kUnitsUS;
    const char* headings[kColumns] = {"ID",
                                      "Size",
                                      us ? "Height,in" : "Height,m",
                                      us ? "Start Loc,ft" : "Start Loc,m",
                                      us ? "End Loc,ft" : "End Loc,m",
                                      us ? "Transverse Loc,in" : "Transverse Loc,m"};
    for (int c = 0; c < kColumns; ++c) m_grid.SetCellText(0, c, headings[c]);
    FillGrid();
    return true;
}

void CEditRebarListDlg::FillGrid() {
    for (int i = 0; i < m_nBarCount; ++i) {
        const RebarBar& bar = m_aBars[i];
        m_grid.SetCellText(i + 1, 0, FormatInt(i + 1));
        m_grid.SetCellText(i + 1, 1, FormatInt(bar.m_nBarSize));
        m_grid.SetCellText(i + 1, 2, FormatValue(kLocationFormat, bar.m_adStart[kBarY]));
        m_grid.SetCellText(i + 1, 3, FormatValue(kLocationFormat, bar.m_adStart[kBarX]));
        m_grid.SetCellText(i + 1, 4, FormatValue(kLocationFormat, bar.m_adEnd[kBarX]));
        m_grid.SetCellText(i + 1, 5, FormatValue(kLocationFormat, bar.m_adStart[kBarZ]));
    }
}

void CEditRebarListDlg::OnOK() {
    // Only the transverse locations can be edited; every other value stays as it came, and so
    // does a location whose cell still shows it.
    for (int i = 0; i < m_nBarCount; ++i)
        ReadChangedCell(m_grid, i + 1, kTransverseColumn, kLocationFormat,
                        m_aBars[i].m_adStart[kBarZ]);
    Dialog::OnOK();
}

}  // namespace kordel

#include "dialogs/tools/load_table_results_dlg.h"

#include <algorithm>
#include <cstdio>

#include "report/format.h"
namespace kordel {

using namespace platform::ui;

namespace {

constexpr const char* kHeadings[kLoadTableGridHeadingRows][kLoadTableGridColumns] = {
    {"Spacing", "Span", "t,slab", "Req'd f'ci", "Strands", "Camber", "fb @ mid", "ft @ mid",
     "Mu @ mid", "Mr @ mid", "Governing"},
    {"(ft)", "(ft)", "(in)", "(ksi)", "(no.)", "(in)", "(ksi)", "(ksi)", "(k-ft)", "(k-ft)",
     "Mode"},
};

const char* ModeName(int mode) {
    switch (mode) {
        case kLoadTableModeStrengthGoverned:
            return "Strength";
        case kLoadTableModeSagGoverned:
            return "LT Sag";
        default:
            return "Stress";
    }
}

}  // namespace

std::vector<std::string> LoadTableRowCells(const LoadTable& t, int r) {
    return {
        Format("%5.2f", t.m_dSpacing),
        Format("%4.0f", t.m_adSpan[r]),
        Format("%5.2f", t.m_dSlab),
        Format("%5.3f", t.m_adFci[r]),
        Format("%3d", t.m_anStrands[r]),
        Format("%5.2f", t.m_adCamber[r]),
        Format("%5.3f", t.m_adFbMid[r]),
        Format("%5.3f", t.m_adFtMid[r]),
        Format("%6.0f", t.m_adMuMid[r]),
        Format("%s%1.0f", t.m_anOverReinforced[r] == 1 ? "a" : "", t.m_adMrMid[r]),
        ModeName(t.m_anMode[r]),
    };
}

const DialogTemplate& CLoadTableTabularResultsDlg::Template() {
    static const DialogTemplate t = [] {
        DialogTemplate d;
        d.id = IDD_LOAD_TABLE_RESULTS;
        d.caption = "Load Table Results";
        d.size = {470, 250};
        d.controls = {
            MakeControl(ControlKind::Label, kIdStatic, "Section ID:", 7, 9, 40, 8),
            MakeControl(ControlKind::Edit, IDC_LTR_SECTION_NAME, "", 50, 7, 120, 12,
                        kStyleReadOnly),
            MakeControl(ControlKind::Custom, IDC_LTR_GRID, "MFCGridCtrl", 7, 25, 456, 198,
                        kStyleGroup),
            MakeControl(ControlKind::DefPushButton, kIdOk, "Set as Current Design", 7, 229, 90,
                        14, kStyleGroup),
            MakeControl(ControlKind::PushButton, kIdCancel, "Close", 413, 229, 50, 14),
        };
        return d;
    }();
    return t;
}

CLoadTableTabularResultsDlg::CLoadTableTabularResultsDlg() : Dialog(Template()) {}

void CLoadTableTabularResultsDlg::DoDataExchange(DataExchange& dx) {
    dx.Text(IDC_LTR_SECTION_NAME, m_strSectionName);
}

bool CLoadTableTabularResultsDlg::OnInitDialog() {
    Dialog::OnInitDialog();
    m_grid.Attach(CreateControlWindow(IDC_LTR_GRID, m_grid), IDC_LTR_GRID);

    m_rowOf.clear();
    const int tables = std::clamp(m_tables.m_nTables, 0, kMaxLoadTables);
    for (int t = 1; t <= tables; ++t) {
        const int rows = std::clamp(m_tables.m_aTables[t].m_nRows, 0, kMaxLoadTableRows);
        for (int r = 1; r <= rows; ++r) m_rowOf.emplace_back(t, r);
    }
    const int gridRows = kLoadTableGridHeadingRows + static_cast<int>(m_rowOf.size());
    m_grid.SetRowCount(gridRows);
    m_grid.SetColumnCount(kLoadTableGridColumns);
    m_grid.SetFixedRowCount(kLoadTableGridHeadingRows);
    m_grid.m_bAllowDragDrop = true;
    for (int c = 0; c < kLoadTableGridColumns; ++c) m_grid.SetColumnWidth(c, 60);
    m_grid.FitColumnsToWidth();

    for (int h = 0; h < kLoadTableGridHeadingRows; ++h) {
        for (int c = 0; c < kLoadTableGridColumns; ++c) m_grid.SetCellText(h, c, kHeadings[h][c]);
    }
    for (int g = kLoadTableGridHeadingRows; g < gridRows; ++g) {
        const auto [t, r] = m_rowOf[static_cast<size_t>(g - kLoadTableGridHeadingRows)];
        const std::vector<std::string> cells = LoadTableRowCells(m_tables.m_aTables[t], r);
        for (int c = 0; c < kLoadTableGridColumns; ++c) {
            m_grid.SetCellText(g, c, cells[static_cast<size_t>(c)]);
            m_grid.SetCellState(g, c, m_grid.GetCellState(g, c) | kGridCellStateReadOnly);
        }
    }
    // Only a row of a table can become the design.
    if (!m_rowOf.empty()) {
        m_grid.SetFocusCell(kLoadTableGridHeadingRows, 0);
    } else {
        EnableItem(kIdOk, false);
    }
    return true;
}

void CLoadTableTabularResultsDlg::OnOK() {
    const int g = m_grid.GetFocusCell().row - kLoadTableGridHeadingRows;
    if (g < 0 || g >= static_cast<int>(m_rowOf.size())) return;
    const auto [t, r] = m_rowOf[static_cast<size_t>(g)];
    // The values as the table holds them, not as the cells show them rounded.
    m_nSelTable = t;
    m_nSelRow = r;
    m_dSelSpacing = m_tables.m_aTables[t].m_dSpacing;
    m_dSelSpan = m_tables.m_aTables[t].m_adSpan[r];
    m_dSelSlab = m_tables.m_aTables[t].m_dSlab;
    EndDialog(kIdOk);
}

}  // namespace kordel

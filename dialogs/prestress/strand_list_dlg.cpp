#include "dialogs/prestress/strand_list_dlg.h"

#include <algorithm>

#include "dialogs/prestress/strand_pattern_edit.h"
#include "document/unit_conversions.h"

namespace kordel {

using namespace platform::ui;

namespace {

constexpr Colour kFixedGrey = Rgb(204, 204, 204);

}  // namespace

const DialogTemplate& CEditStrandCoordsDlg::Template() {
    static const DialogTemplate t = [] {
        DialogTemplate d;
        d.id = IDD_STRAND_LIST;
        d.caption = "Strand List";
        d.size = {252, 329};
        d.controls = {
            MakeControl(ControlKind::Custom, IDC_STRAND_LIST_GRID, "MFCGridCtrl", 7, 7, 238, 292),
            MakeControl(ControlKind::DefPushButton, kIdOk, "OK", 139, 308, 50, 14, kStyleGroup),
            MakeControl(ControlKind::PushButton, kIdCancel, "Cancel", 195, 308, 50, 14),
        };
        return d;
    }();
    return t;
}

CEditStrandCoordsDlg::CEditStrandCoordsDlg() : Dialog(Template()) {}

bool CEditStrandCoordsDlg::OnInitDialog() {
    Dialog::OnInitDialog();
    m_nGroupCount = std::clamp(m_nGroupCount, 0, kMaxStrandGroups);
    m_nGridRows = m_nGroupCount + 1;
    const bool metric = m_nUnits != 1;
    m_grid.Attach(CreateControlWindow(IDC_STRAND_LIST_GRID, m_grid), IDC_STRAND_LIST_GRID);
    m_grid.SetOwner(this);
    m_grid.SetRowCount(m_nGridRows);
    m_grid.SetColumnCount(6);
    m_grid.SetFixedRowCount(1);
    m_grid.SetFixedColumnCount(1);
    m_grid.m_bAllowDragDrop = true;
    for (int c = 0; c < 6; ++c) m_grid.SetColumnWidth(c, c < 2 ? 35 : 70);
    m_grid.FitColumnsToWidth(true);
    const char* headings[] = {"Grp",
                              "No",
                              metric ? "Elev End,m" : "Elev End,in",
                              metric ? "Elev Mid,m" : "Elev Mid,in",
                              "Pull Fraction",
                              metric ? "Horiz Loc,m" : "Horiz Loc,in"};
    for (int c = 0; c < 6; ++c) m_grid.SetCellText(0, c, headings[c]);
    std::copy(std::begin(m_aGroups), std::end(m_aGroups), std::begin(m_aGroupsIn));
    if (metric) {
        for (int g = 0; g < m_nGroupCount; ++g) {
            for (int v : {kGroupElevationEnd, kGroupElevationDrape, kGroupLocation})
                m_aGroups[g][v] = ConvertInchesMeters(1, m_aGroups[g][v]);
        }
    }
    const char* length = metric ? "%6.3f" : "%5.2f";
    for (int g = 0; g < m_nGroupCount; ++g) {
        const int row = g + 1;
        m_grid.SetCellText(row, 0, FormatCount("%2d", g + 1));
        m_grid.SetCellText(row, 1, FormatValue("%5.0f", m_aGroups[g][kGroupStrands]));
        m_grid.SetCellText(row, 2, FormatValue(length, m_aGroups[g][kGroupElevationEnd]));
        m_grid.SetCellText(row, 3, FormatValue(length, m_aGroups[g][kGroupElevationDrape]));
        m_grid.SetCellText(row, kListColumnPull,
                           FormatValue("%5.3f", m_aGroups[g][kGroupPullFraction]));
        m_grid.SetCellText(row, kListColumnLocation,
                           FormatValue(length, m_aGroups[g][kGroupLocation]));
        for (int c = 1; c <= 3; ++c) MarkReadOnly(m_grid, row, c, kFixedGrey);
    }
    return true;
}

void CEditStrandCoordsDlg::OnOK() {
    const bool metric = m_nUnits != 1;
    const char* length = metric ? "%6.3f" : "%5.2f";
    // A cell left as it was shown keeps the group's own value: the grid shows it rounded.
    for (int g = 0; g < m_nGroupCount; ++g) {
        const std::string pull = m_grid.GetCellText(g + 1, kListColumnPull);
        if (pull != FormatValue("%5.3f", m_aGroups[g][kGroupPullFraction]))
            m_aGroups[g][kGroupPullFraction] = LeadingNumber(pull);
        const std::string location = m_grid.GetCellText(g + 1, kListColumnLocation);
        if (location != FormatValue(length, m_aGroups[g][kGroupLocation])) {
            const double typed = LeadingNumber(location);
            m_aGroups[g][kGroupLocation] = metric ? ConvertInchesMeters(0, typed) : typed;
        } else {
            m_aGroups[g][kGroupLocation] = m_aGroupsIn[g][kGroupLocation];
        }
    }
    EndDialog(kIdOk);
}

}  // namespace kordel

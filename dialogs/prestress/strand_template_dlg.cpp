#include "dialogs/prestress/strand_template_dlg.h"

#include <algorithm>
#include <cmath>

#include "dialogs/prestress/strand_pattern_edit.h"
#include "document/unit_conversions.h"
#include "engine/core/strand_groups.h"

namespace kordel {

using namespace platform::ui;

namespace {

constexpr double kLocationGap = 0.00001;  // a location at or below this shows empty

}  // namespace

const DialogTemplate& CStrandTemplateDlgV3::Template() {
    static const DialogTemplate t = [] {
        DialogTemplate d;
        d.id = IDD_STRAND_TEMPLATE;
        d.caption = "Strand Template";
        d.size = {506, 322};
        d.controls = {
            MakeControl(ControlKind::GroupBox, kIdStatic, "Template Grid", 7, 4, 160, 38),
            MakeControl(ControlKind::Label, kIdStatic, "No. Rows:", 14, 22, 34, 9),
            MakeControl(ControlKind::Edit, IDC_TEMPLATE_ROWS, "", 50, 20, 26, 12, kStyleNumber),
            MakeControl(ControlKind::Spin, IDC_TEMPLATE_ROWS_SPIN, "", 76, 20, 10, 12,
                        kStyleBuddyInt),
            MakeControl(ControlKind::Label, kIdStatic, "No. Cols:", 92, 22, 32, 9),
            MakeControl(ControlKind::Edit, IDC_TEMPLATE_COLUMNS, "", 126, 20, 26, 12, kStyleNumber),
            MakeControl(ControlKind::Spin, IDC_TEMPLATE_COLUMNS_SPIN, "", 152, 20, 10, 12,
                        kStyleBuddyInt),
            MakeControl(ControlKind::GroupBox, kIdStatic, "Draped Strands", 174, 4, 150, 38),
            MakeControl(ControlKind::Label, kIdStatic, "Location:", 181, 22, 34, 9),
            MakeControl(ControlKind::RadioButton, IDC_TEMPLATE_INTERIOR, "Interior", 218, 21, 46,
                        10, kStyleGroup),
            MakeControl(ControlKind::RadioButton, IDC_TEMPLATE_EXTERIOR, "Exterior", 268, 21, 50,
                        10),
            MakeControl(ControlKind::GroupBox, kIdStatic, "Horiz Locations", 331, 4, 80, 38),
            MakeControl(ControlKind::PushButton, IDC_TEMPLATE_GENERATE, "&Generate", 345, 19, 52,
                        14, kStyleGroup),
            MakeControl(ControlKind::Custom, IDC_TEMPLATE_GRID, "MFCGridCtrl", 7, 48, 492, 248),
            MakeControl(ControlKind::DefPushButton, kIdOk, "OK", 393, 302, 50, 14, kStyleGroup),
            MakeControl(ControlKind::PushButton, kIdCancel, "Cancel", 449, 302, 50, 14),
        };
        return d;
    }();
    return t;
}

CStrandTemplateDlgV3::CStrandTemplateDlgV3() : Dialog(Template()) {
    m_commands.On(IDC_TEMPLATE_GENERATE, [this] { OnGenerate(); });
    m_commands.On(IDC_TEMPLATE_INTERIOR, [this] { m_nLocation = 1; });
    m_commands.On(IDC_TEMPLATE_EXTERIOR, [this] { m_nLocation = 2; });
    OnSpin(IDC_TEMPLATE_ROWS_SPIN, [this](int pos, int delta) { return OnRowsSpin(pos, delta); });
    OnSpin(IDC_TEMPLATE_COLUMNS_SPIN,
           [this](int pos, int delta) { return OnColumnsSpin(pos, delta); });
}

void CStrandTemplateDlgV3::DoDataExchange(DataExchange& dx) {
    dx.Int(IDC_TEMPLATE_ROWS, m_nRowsEdit);
    dx.Int(IDC_TEMPLATE_COLUMNS, m_nColumnCount);
}

bool CStrandTemplateDlgV3::OnInitDialog() {
    Dialog::OnInitDialog();
    m_nRowCount = std::clamp(m_nRowCount, 1, kMaxTemplateRows);
    m_nColumnCount = std::clamp(m_nColumnCount, 1, kMaxTemplateLocations);
    m_nRowsEdit = m_nRowCount;
    SetSpinRange(IDC_TEMPLATE_ROWS_SPIN, 1, kMaxTemplateRows);
    SetSpinPos(IDC_TEMPLATE_ROWS_SPIN, m_nRowCount);
    SetSpinRange(IDC_TEMPLATE_COLUMNS_SPIN, 1, kMaxTemplateLocations);
    SetSpinPos(IDC_TEMPLATE_COLUMNS_SPIN, m_nColumnCount);
    if (m_nLocation != 1) m_nLocation = 2;
    CheckRadioButton(m_nLocation == 1 ? IDC_TEMPLATE_INTERIOR : IDC_TEMPLATE_EXTERIOR);

    m_grid.Attach(CreateControlWindow(IDC_TEMPLATE_GRID, m_grid), IDC_TEMPLATE_GRID);
    m_grid.SetOwner(this);
    m_grid.SetRowCount(m_nRowCount + 1);
    m_grid.SetColumnCount(m_nColumnCount + kTemplateGridLocationColumn);
    m_grid.SetFixedRowCount(1);
    m_grid.SetFixedColumnCount(1);
    FillGrid();
    m_grid.ScrollCellIntoView(m_nRowCount, 1);
    UpdateData(false);
    return true;
}

void CStrandTemplateDlgV3::FillGrid() {
    const int columns = m_nColumnCount + kTemplateGridLocationColumn;
    for (int c = 0; c < columns; ++c) m_grid.SetColumnWidth(c, 55);
    m_grid.SetColumnWidth(0, 40);
    m_grid.SetColumnWidth(2, 60);
    m_grid.SetColumnWidth(3, 60);
    m_grid.SetCellText(0, 0, "Row");
    m_grid.SetCellText(0, 1, "Total");
    m_grid.SetCellText(0, 2, "Draped");
    m_grid.SetCellText(0, 3, m_nUnits == 1 ? "Elev,in" : "Elev,m");
    for (int j = 1; j <= m_nColumnCount; ++j)
        m_grid.SetCellText(0, kTemplateGridLocationColumn - 1 + j, FormatCount("HLoc%1d", j));
    const int n = m_nRowCount;
    for (int k = 1; k <= n; ++k) {
        const double* row = m_adTemplate[n - k];
        m_grid.SetCellText(k, 0, FormatCount("%3d", n - k + 1));
        MarkReadOnly(m_grid, k, 0, kPatternReadOnlyGrey);
        m_grid.SetCellText(k, 1, FormatValue("%3.0f", row[kTemplatePositions]));
        m_grid.SetCellText(k, 2, FormatValue("%3.0f", row[kTemplateDrapedPositions]));
        m_grid.SetCellText(k, 3, FormatValue("%7.4f", row[kTemplateElevation]));
        for (int j = 1; j <= m_nColumnCount; ++j) {
            const double location = row[kTemplateFirstLocation - 1 + j];
            m_grid.SetCellText(k, kTemplateGridLocationColumn - 1 + j,
                               location > kLocationGap ? FormatValue("%7.4f", location) : "");
        }
    }
    // Columns as wide as their widest text, and no narrower than set above.
    for (int c = 0; c < columns; ++c) {
        const int set = m_grid.GetColumnWidth(c);
        m_grid.AutoSizeColumn(c, 0, false);
        m_grid.SetColumnWidth(c, std::max(set, m_grid.GetColumnWidth(c)));
    }
    m_grid.RefreshGrid();
}

namespace {

/// A cell read back into `value`: a cell still showing the value as the grid wrote it keeps
/// the value with all its digits.
void ReadCell(const CGridCtrl& grid, int row, int col, const char* format, double& value,
              bool emptyWhenSmall = false) {
    const std::string text = grid.GetCellText(row, col);
    const std::string shown =
        emptyWhenSmall && !(value > kLocationGap) ? std::string() : FormatValue(format, value);
    if (text != shown) value = LeadingNumber(text);
}

}  // namespace

bool CStrandTemplateDlgV3::ReadGrid() {
    if (!UpdateData(true)) return false;
    const int n = std::clamp(m_nRowCount, 1, kMaxTemplateRows);
    const int grid =
        std::clamp(m_grid.GetColumnCount() - kTemplateGridLocationColumn, 0, kMaxTemplateLocations);
    for (int k = 1; k <= n; ++k) {
        double* row = m_adTemplate[n - k];
        ReadCell(m_grid, k, 1, "%3.0f", row[kTemplatePositions]);
        ReadCell(m_grid, k, 2, "%3.0f", row[kTemplateDrapedPositions]);
        ReadCell(m_grid, k, 3, "%7.4f", row[kTemplateElevation]);
        for (int j = 1; j <= grid; ++j)
            ReadCell(m_grid, k, kTemplateGridLocationColumn - 1 + j, "%7.4f",
                     row[kTemplateFirstLocation - 1 + j], true);
    }
    return true;
}

bool CStrandTemplateDlgV3::CountsWithinLimits() {
    if (m_nColumnCount >= 1 && m_nColumnCount <= kMaxTemplateLocations && m_nRowsEdit >= 1 &&
        m_nRowsEdit <= kMaxTemplateRows)
        return true;
    MessageBox(kLimitMessage, platform::MsgButtons::Ok, platform::MsgIcon::Error);
    return false;
}

void CStrandTemplateDlgV3::SetRows(int rows) {
    for (int r = m_nRowCount; r < rows; ++r) {
        for (int c = 0; c < kMaxPatternColumns; ++c) m_adTemplate[r][c] = 0;
    }
    m_nRowCount = rows;
    m_nRowsEdit = rows;
    SetSpinPos(IDC_TEMPLATE_ROWS_SPIN, rows);
    m_grid.SetRowCount(rows + 1);
}

void CStrandTemplateDlgV3::SetColumns(int columns) {
    const int shown = m_grid.GetColumnCount() - kTemplateGridLocationColumn;
    for (int j = std::max(shown, 0); j < columns; ++j) {
        for (int r = 0; r < m_nRowCount; ++r) m_adTemplate[r][kTemplateFirstLocation + j] = 0;
    }
    m_nColumnCount = columns;
    SetSpinPos(IDC_TEMPLATE_COLUMNS_SPIN, columns);
    m_grid.SetColumnCount(columns + kTemplateGridLocationColumn);
}

bool CStrandTemplateDlgV3::OnRowsSpin(int pos, int delta) {
    // The typed counts are checked before the grid is read: a column count beyond the template
    // would read locations past the end of a row.
    if (!UpdateData(true) || !CountsWithinLimits() || !ReadGrid()) return false;
    const int rows = pos + delta;
    if (rows < 1 || rows > kMaxTemplateRows) return false;
    SetColumns(m_nColumnCount);
    SetRows(rows);
    UpdateData(false);
    FillGrid();
    return true;
}

bool CStrandTemplateDlgV3::OnColumnsSpin(int pos, int delta) {
    if (!UpdateData(true) || !CountsWithinLimits() || !ReadGrid()) return false;
    const int columns = pos + delta;
    if (columns < 1 || columns > kMaxTemplateLocations) return false;
    SetRows(m_nRowsEdit);
    SetColumns(columns);
    UpdateData(false);
    FillGrid();
    return true;
}

void CStrandTemplateDlgV3::OnGenerate() {
    if (!UpdateData(true) || !CountsWithinLimits() || !ReadGrid()) return;
    const double gap = m_nUnits == 1 ? 2.0 : 2.0 * kMetresPerInch;
    const double evenStart = m_nUnits == 1 ? 1.0 : kMetresPerInch;
    SetRows(m_nRowsEdit);
    const int n = m_nRowCount;
    int largest = 0;
    for (int r = 0; r < n; ++r)
        largest = std::max(largest, WholeCount(m_adTemplate[r][kTemplatePositions]));
    const int columns = static_cast<int>(largest / 2.0 + 0.5);
    // A row of more positions than a template row has locations for is refused before the
    // locations are touched.
    if (columns > kMaxTemplateLocations) {
        MessageBox(kLimitMessage, platform::MsgButtons::Ok, platform::MsgIcon::Error);
        return;
    }
    SetColumns(std::max(columns, 1));
    for (int r = 0; r < n; ++r) {
        double* row = m_adTemplate[r];
        for (int c = kTemplateFirstLocation; c < kMaxPatternColumns; ++c) row[c] = 0;
        const int t = WholeCount(row[kTemplatePositions]);
        if (t <= 0) continue;
        const bool odd = t % 2 == 1;
        if (m_nLocation == 1) {
            const int p = static_cast<int>(t / 2.0 + 0.5);
            const double first = odd ? 0.0 : evenStart;
            for (int j = 0; j < p; ++j) row[kTemplateFirstLocation + j] = first + j * gap;
        } else {
            const int p = t / 2;
            for (int j = 0; j < p; ++j) row[kTemplateFirstLocation + j] = m_dWebLocation - j * gap;
            if (odd) row[kTemplateFirstLocation + p] = 0.0;
        }
    }
    UpdateData(false);
    FillGrid();
    InvalidateItem(kIdStatic);
}

void CStrandTemplateDlgV3::OnOK() {
    if (!UpdateData(true) || !CountsWithinLimits() || !ReadGrid()) return;
    SetRows(m_nRowsEdit);
    UpdateData(false);
    m_bNewTemplate = 1;
    EndDialog(kIdOk);
}

bool EditShownStrandTemplate(StrandTemplateData& data, int units) {
    CStrandTemplateDlgV3 dlg;
    dlg.m_nUnits = units;
    dlg.m_nRowCount = data.rowCount;
    dlg.m_nColumnCount = data.columnCount;
    dlg.m_nLocation = data.layout;
    dlg.m_dWebLocation = data.webLocation;
    std::copy(&data.values[0][0], &data.values[0][0] + kMaxPatternRows * kMaxPatternColumns,
              &dlg.m_adTemplate[0][0]);
    dlg.m_bNewTemplate = 0;
    if (dlg.DoModal() != kIdOk) return false;
    data.rowCount = dlg.m_nRowCount;
    data.columnCount = dlg.m_nColumnCount;
    data.layout = dlg.m_nLocation;
    std::copy(&dlg.m_adTemplate[0][0],
              &dlg.m_adTemplate[0][0] + kMaxPatternRows * kMaxPatternColumns, &data.values[0][0]);
    return true;
}

bool EditStrandTemplate(StrandTemplateData& data, int units) {
    CStrandTemplateDlgV3 dlg;
    const int metric = units == 2 ? 1 : 0;
    dlg.m_nUnits = units;
    dlg.m_nRowCount = data.rowCount;
    dlg.m_nColumnCount = data.columnCount;
    dlg.m_nLocation = data.layout;
    dlg.m_dWebLocation = metric ? ConvertInchesMeters(1, data.webLocation) : data.webLocation;
    for (int r = 0; r < kMaxPatternRows; ++r) {
        for (int c = 0; c < kMaxPatternColumns; ++c) {
            const bool length = c == kTemplateElevation || c >= kTemplateFirstLocation;
            dlg.m_adTemplate[r][c] =
                metric && length ? ConvertInchesMeters(1, data.values[r][c]) : data.values[r][c];
        }
    }
    dlg.m_bNewTemplate = 0;
    if (dlg.DoModal() != kIdOk) return false;
    data.rowCount = dlg.m_nRowCount;
    data.columnCount = dlg.m_nColumnCount;
    data.layout = dlg.m_nLocation;
    for (int r = 0; r < kMaxPatternRows; ++r) {
        for (int c = 0; c < kMaxPatternColumns; ++c) {
            const bool length = c == kTemplateElevation || c >= kTemplateFirstLocation;
            const double shown = dlg.m_adTemplate[r][c];
            // A value the dialog left as it came in keeps its digits.
            if (metric && length && shown != ConvertInchesMeters(1, data.values[r][c]))
                data.values[r][c] = ConvertInchesMeters(0, shown);
            else if (!(metric && length))
                data.values[r][c] = shown;
        }
    }
    return true;
}

}  // namespace kordel

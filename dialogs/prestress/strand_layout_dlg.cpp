#include "dialogs/prestress/strand_layout_dlg.h"

#include <algorithm>

#include "dialogs/prestress/strand_pattern_edit.h"
#include "dialogs/prestress/strand_template_dlg.h"
#include "document/unit_conversions.h"

namespace kordel {

using namespace platform::ui;

namespace {

/// The three grids.
enum LayoutGrid { kStraightAtEnd, kDrapedAtEnd, kDrapedAtDrapePoint };

/// The grid cell's text, or the value it replaces when the text is what the grid showed.
double CellOr(const CGridCtrl& grid, int row, int col, const std::string& shown, double value) {
    const std::string text = grid.GetCellText(row, col);
    return text == shown ? value : LeadingNumber(text);
}

std::string QuantityText(double count) {
    return count == 0.0 ? std::string() : FormatValue("%3.0f", count);
}

}  // namespace

const DialogTemplate& CStrandPatternLayoutDlg::Template() {
    static const DialogTemplate t = [] {
        DialogTemplate d;
        d.id = IDD_STRAND_LAYOUT_PULL_FRACTION;
        d.caption = "Strand Pattern Layout and Pull Fraction";
        d.size = {377, 390};
        d.controls = {
            MakeControl(ControlKind::GroupBox, IDC_LAYOUT_PULL_FRAME, "Strand Pull Fraction", 7, 4,
                        220, 30),
            MakeControl(ControlKind::Label, kIdStatic, "Top:", 14, 18, 22, 9),
            MakeControl(ControlKind::Edit, IDC_LAYOUT_TOP_PULL, "", 38, 16, 40, 12),
            MakeControl(ControlKind::Label, kIdStatic, "x fpu", 81, 18, 24, 9),
            MakeControl(ControlKind::Label, kIdStatic, "Balance:", 112, 18, 32, 9),
            MakeControl(ControlKind::Edit, IDC_LAYOUT_BALANCE_PULL, "", 146, 16, 40, 12),
            MakeControl(ControlKind::Label, kIdStatic, "x fpu", 189, 18, 24, 9),
            MakeControl(ControlKind::PushButton, IDC_LAYOUT_EDIT_TEMPLATE, "&Edit Template...", 240,
                        8, 64, 14),
            MakeControl(ControlKind::PushButton, IDC_LAYOUT_CLEAR_PATTERN, "&Clear Pattern", 306, 8,
                        64, 14),
            MakeControl(ControlKind::GroupBox, kIdStatic, "Pattern at Beam End", 7, 40, 240, 322),
            MakeControl(ControlKind::Label, kIdStatic, "Straight Group:", 14, 52, 110, 9),
            MakeControl(ControlKind::Custom, IDC_LAYOUT_STRAIGHT_GRID, "MFCGridCtrl", 14, 63, 112,
                        292),
            MakeControl(ControlKind::Label, kIdStatic, "Draped Group:", 130, 52, 110, 9),
            MakeControl(ControlKind::Custom, IDC_LAYOUT_END_DRAPED_GRID, "MFCGridCtrl", 130, 63,
                        112, 292),
            MakeControl(ControlKind::GroupBox, kIdStatic, "Pattern at Drape Point", 251, 40, 119,
                        322),
            MakeControl(ControlKind::Label, kIdStatic, "Draped Group:", 256, 52, 110, 9),
            MakeControl(ControlKind::Custom, IDC_LAYOUT_DRAPE_GRID, "MFCGridCtrl", 256, 63, 109,
                        292),
            MakeControl(ControlKind::DefPushButton, kIdOk, "OK", 264, 369, 50, 14, kStyleGroup),
            MakeControl(ControlKind::PushButton, kIdCancel, "Cancel", 320, 369, 50, 14),
        };
        return d;
    }();
    return t;
}

CStrandPatternLayoutDlg::CStrandPatternLayoutDlg() : Dialog(Template()) {
    m_commands.On(IDC_LAYOUT_EDIT_TEMPLATE, [this] { OnEditTemplate(); });
    m_commands.On(IDC_LAYOUT_CLEAR_PATTERN, [this] { OnClearPattern(); });
}

void CStrandPatternLayoutDlg::DoDataExchange(DataExchange& dx) {
    dx.Double(IDC_LAYOUT_TOP_PULL, m_dTopPull);
    dx.Double(IDC_LAYOUT_BALANCE_PULL, m_dBalancePull);
}

bool CStrandPatternLayoutDlg::OnInitDialog() {
    Dialog::OnInitDialog();
    m_nRowCount = std::clamp(m_nRowCount, 0, kMaxPatternRows);
    m_nGridRows = m_nRowCount + 1;
    m_gridStraight.Attach(CreateControlWindow(IDC_LAYOUT_STRAIGHT_GRID, m_gridStraight),
                          IDC_LAYOUT_STRAIGHT_GRID);
    m_gridEndDraped.Attach(CreateControlWindow(IDC_LAYOUT_END_DRAPED_GRID, m_gridEndDraped),
                           IDC_LAYOUT_END_DRAPED_GRID);
    m_gridDrape.Attach(CreateControlWindow(IDC_LAYOUT_DRAPE_GRID, m_gridDrape),
                       IDC_LAYOUT_DRAPE_GRID);
    SetUpGrid(m_gridStraight, IDC_LAYOUT_STRAIGHT_GRID);
    if (m_nPatternType == 2) {
        SetUpGrid(m_gridEndDraped, IDC_LAYOUT_END_DRAPED_GRID);
        SetUpGrid(m_gridDrape, IDC_LAYOUT_DRAPE_GRID);
    }
    RefreshGrids();
    return true;
}

void CStrandPatternLayoutDlg::SetUpGrid(CGridCtrl& grid, int) {
    grid.SetOwner(this);
    grid.SetRowCount(m_nGridRows);
    grid.SetColumnCount(4);
    grid.SetFixedRowCount(1);
    grid.SetFixedColumnCount(1);
    for (int c = 0; c < 4; ++c) grid.SetColumnWidth(c, c == kLayoutColumnElevation ? 60 : 30);
    grid.FitColumnsToWidth(true);
    grid.SetCellText(0, kLayoutColumnLevel, "Lev");
    grid.SetCellText(0, kLayoutColumnCapacity, "Cap");
    grid.SetCellText(0, kLayoutColumnQuantity, "Qty");
    grid.SetCellText(0, kLayoutColumnElevation, m_nUnits == 1 ? "Elev,in" : "Elev,m");
}

void CStrandPatternLayoutDlg::FillGrid(CGridCtrl& grid, int which) {
    grid.SetRowCount(m_nGridRows);
    const int n = m_nRowCount;
    for (int k = 1; k <= n; ++k) {
        const int r = n - k;
        const double capacity = m_adTemplate[r][which == kStraightAtEnd ? kTemplatePositions
                                                                        : kTemplateDrapedPositions];
        const double quantity = which == kStraightAtEnd ? m_aEndRows[r][kRowStraightCount]
                                : which == kDrapedAtEnd ? m_aEndRows[r][kRowDrapedCount]
                                                        : m_aDrapeRows[r][kRowDrapedCount];
        const double elevation = which == kDrapedAtDrapePoint
                                     ? m_aDrapeRows[r][kRowDrapedElevation]
                                     : m_aEndRows[r][kRowStraightElevation];
        grid.SetCellText(k, kLayoutColumnLevel, FormatCount("%3d", r + 1));
        grid.SetCellText(k, kLayoutColumnCapacity, FormatValue("%3.0f", capacity));
        grid.SetCellText(k, kLayoutColumnQuantity, QuantityText(quantity));
        grid.SetCellText(k, kLayoutColumnElevation, FormatValue("%6.3f", elevation));
        MarkReadOnly(grid, k, kLayoutColumnLevel, kPatternReadOnlyGrey);
        MarkReadOnly(grid, k, kLayoutColumnCapacity, kPatternReadOnlyGrey);
        if (which != kDrapedAtDrapePoint)
            MarkReadOnly(grid, k, kLayoutColumnElevation, kPatternReadOnlyGrey);
    }
    if (which != kDrapedAtEnd && n > 0) grid.ScrollCellIntoView(n, kLayoutColumnQuantity);
    grid.RefreshGrid();
}

void CStrandPatternLayoutDlg::RefreshGrids() {
    m_nGridRows = m_nRowCount + 1;
    FillGrid(m_gridStraight, kStraightAtEnd);
    if (m_nPatternType == 2) {
        FillGrid(m_gridEndDraped, kDrapedAtEnd);
        FillGrid(m_gridDrape, kDrapedAtDrapePoint);
    }
}

void CStrandPatternLayoutDlg::OnOK() {
    // The grids into a copy first: a refused pattern leaves the dialog as the user typed it.
    StrandPatternRow end[kMaxPatternRows];
    StrandPatternRow drape[kMaxPatternRows];
    std::copy(std::begin(m_aEndRows), std::end(m_aEndRows), end);
    std::copy(std::begin(m_aDrapeRows), std::end(m_aDrapeRows), drape);
    const bool draped = m_nPatternType == 2;
    const int n = m_nRowCount;
    for (int k = 1; k <= n; ++k) {
        const int r = n - k;
        end[r][kRowStraightCount] = CellOr(m_gridStraight, k, kLayoutColumnQuantity,
                                           QuantityText(m_aEndRows[r][kRowStraightCount]),
                                           m_aEndRows[r][kRowStraightCount]);
        end[r][kRowDrapedCount] = draped ? CellOr(m_gridEndDraped, k, kLayoutColumnQuantity,
                                                  QuantityText(m_aEndRows[r][kRowDrapedCount]),
                                                  m_aEndRows[r][kRowDrapedCount])
                                         : 0.0;
        drape[r][kRowStraightCount] = end[r][kRowStraightCount];
        drape[r][kRowDrapedCount] = draped ? CellOr(m_gridDrape, k, kLayoutColumnQuantity,
                                                    QuantityText(m_aDrapeRows[r][kRowDrapedCount]),
                                                    m_aDrapeRows[r][kRowDrapedCount])
                                           : 0.0;
        drape[r][kRowDrapedElevation] =
            draped ? CellOr(m_gridDrape, k, kLayoutColumnElevation,
                            FormatValue("%6.3f", m_aDrapeRows[r][kRowDrapedElevation]),
                            m_aDrapeRows[r][kRowDrapedElevation])
                   : 0.0;
    }
    const std::string refusal = CheckPatternCounts(end, drape, m_adTemplate, n);
    if (!refusal.empty()) {
        MessageBox(refusal, platform::MsgButtons::Ok, platform::MsgIcon::Error);
        return;
    }
    if (!UpdateData(true)) return;
    std::copy(std::begin(end), std::end(end), m_aEndRows);
    std::copy(std::begin(drape), std::end(drape), m_aDrapeRows);
    EndDialog(kIdOk);
}

void CStrandPatternLayoutDlg::OnEditTemplate() {
    CStrandTemplateDlgV3 dlg;
    const bool metric = m_nUnits != 1;
    const bool accepted = RunSubDialog(
        dlg,
        [&](CStrandTemplateDlgV3& t) {
            t.m_nUnits = m_nUnits;
            t.m_nRowCount = m_nRowCount;
            t.m_dWebLocation = metric ? ConvertInchesMeters(1, m_dWebLocation) : m_dWebLocation;
            t.m_nColumnCount = m_nColumnCount;
            t.m_nLocation = m_nTemplateLayout;
            const int columns = std::clamp(m_nColumnCount + 3, 0, kMaxPatternColumns);
            for (int r = 0; r < kMaxPatternRows; ++r) {
                for (int c = 0; c < columns; ++c) t.m_adTemplate[r][c] = m_adTemplate[r][c];
            }
            t.m_bNewTemplate = 0;
        },
        [&](CStrandTemplateDlgV3& t) {
            m_nColumnCount = t.m_nColumnCount;
            m_nRowCount = t.m_nRowCount;
            m_bNewTemplate = t.m_bNewTemplate;
            // The layout the locations were generated by goes with them.
            m_nTemplateLayout = t.m_nLocation;
            const int columns = std::clamp(m_nColumnCount + 3, 0, kMaxPatternColumns);
            for (int r = 0; r < kMaxPatternRows; ++r) {
                for (int c = 0; c < columns; ++c) m_adTemplate[r][c] = t.m_adTemplate[r][c];
            }
            if (metric) {
                if (t.m_dWebLocation != ConvertInchesMeters(1, m_dWebLocation))
                    m_dWebLocation = ConvertInchesMeters(0, t.m_dWebLocation);
            } else {
                m_dWebLocation = t.m_dWebLocation;
            }
        });
    if (accepted && m_bNewTemplate) {
        for (int r = 0; r < kMaxPatternRows; ++r) {
            m_aEndRows[r][kRowStraightCount] = m_aEndRows[r][kRowDrapedCount] = 0;
            m_aDrapeRows[r][kRowStraightCount] = m_aDrapeRows[r][kRowDrapedCount] = 0;
            m_aEndRows[r][kRowStraightElevation] = m_adTemplate[r][kTemplateElevation];
            m_aEndRows[r][kRowDrapedElevation] = m_aEndRows[r][kRowStraightElevation];
            m_aDrapeRows[r][kRowStraightElevation] = m_aEndRows[r][kRowStraightElevation];
            m_aDrapeRows[r][kRowDrapedElevation] = m_aEndRows[r][kRowDrapedElevation];
        }
        m_aEndRows[0][kRowStraightCount] = 1;
        m_aDrapeRows[0][kRowStraightCount] = 1;
    }
    InvalidateItem(kIdStatic);
    RefreshGrids();
}

void CStrandPatternLayoutDlg::OnClearPattern() {
    if (!AskYesNo(kClearPatternQuestion)) return;
    for (int r = 0; r < kMaxPatternRows; ++r) {
        m_aEndRows[r][kRowStraightCount] = m_aEndRows[r][kRowDrapedCount] = 0;
        m_aDrapeRows[r][kRowStraightCount] = m_aDrapeRows[r][kRowDrapedCount] = 0;
    }
    RefreshGrids();
    UpdateData(false);
    InvalidateItem(kIdStatic);
}

}  // namespace kordel

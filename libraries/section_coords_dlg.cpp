#include "libraries/section_coords_dlg.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "controls/data_validation.h"
#include "libraries/calc_section_props_dlg.h"
#include "libraries/section_lib_dlg.h"
#include "report/format.h"

namespace kordel {

using namespace platform::ui;

namespace {

enum CountKind { kOutline = 0, kVoid = 1, kCircles = 2 };

/// Fills a point grid: "No.", x', y'.
void FillPointGrid(CGridCtrl& grid, int count, const double (*points)[kPointValueCount]) {
    grid.SetRowCount(count + 1);
    grid.SetColumnCount(3);
    grid.SetFixedRowCount(1);
    grid.SetFixedColumnCount(1);
    grid.SetColumnWidth(0, 30);
    grid.SetColumnWidth(1, 45);
    grid.SetColumnWidth(2, 45);
    grid.SetCellText(0, 0, "No.");
    grid.SetCellText(0, 1, "x'");
    grid.SetCellText(0, 2, "y'");
    for (int i = 0; i < count; ++i) {
        char number[16];
        std::snprintf(number, sizeof number, "%2d", i + 1);
        grid.SetCellText(i + 1, 0, number);
        grid.SetCellText(i + 1, 1, FormatValue("%7.3f", points[i][kPointX]));
        grid.SetCellText(i + 1, 2, FormatValue("%7.3f", points[i][kPointY]));
    }
}

}  // namespace

const DialogTemplate& CSectionCoordsDlg::Template() {
    static const DialogTemplate t = [] {
        DialogTemplate d;
        d.id = IDD_SECTION_COORDS;
        d.caption = "Girder Section Coordinates";
        d.size = {392, 214};
        d.controls = {
            MakeControl(ControlKind::GroupBox, IDC_COORDS_OUTLINE_GROUP, "Section Coordinates, in",
                        7, 5, 100, 202),
            MakeControl(ControlKind::Label, kIdStatic, "No. Coords:", 13, 19, 44, 9),
            MakeControl(ControlKind::Edit, IDC_COORDS_OUTLINE_COUNT, "", 59, 17, 26, 12,
                        kStyleNumber),
            MakeControl(ControlKind::Spin, IDC_COORDS_OUTLINE_SPIN, "", 85, 17, 10, 12),
            MakeControl(ControlKind::Custom, IDC_COORDS_OUTLINE_GRID, "MFCGridCtrl", 13, 34, 88,
                        167),
            MakeControl(ControlKind::SunkenFrame, IDC_COORDS_SKETCH, "", 113, 9, 148, 180,
                        kStyleOwnerDraw),
            MakeControl(ControlKind::GroupBox, kIdStatic, "Void(s)", 267, 5, 118, 184),
            MakeControl(ControlKind::GroupBox, IDC_COORDS_VOID_GROUP, "Polygonal, in", 272, 15, 108,
                        98),
            MakeControl(ControlKind::Label, kIdStatic, "No. Coords:", 278, 28, 44, 9),
            MakeControl(ControlKind::Edit, IDC_COORDS_VOID_COUNT, "", 324, 26, 26, 12,
                        kStyleNumber),
            MakeControl(ControlKind::Spin, IDC_COORDS_VOID_SPIN, "", 350, 26, 10, 12),
            MakeControl(ControlKind::Custom, IDC_COORDS_VOID_GRID, "MFCGridCtrl", 278, 42, 96, 66),
            MakeControl(ControlKind::GroupBox, IDC_COORDS_CIRCLE_GROUP, "Circular, in", 272, 116,
                        108, 68),
            MakeControl(ControlKind::Label, kIdStatic, "No. Voids:", 278, 129, 44, 9),
            MakeControl(ControlKind::Edit, IDC_COORDS_CIRCLE_COUNT, "", 324, 127, 26, 12,
                        kStyleNumber),
            MakeControl(ControlKind::Spin, IDC_COORDS_CIRCLE_SPIN, "", 350, 127, 10, 12),
            MakeControl(ControlKind::Custom, IDC_COORDS_CIRCLE_GRID, "MFCGridCtrl", 278, 143, 96,
                        36),
            MakeControl(ControlKind::PushButton, IDC_COORDS_CALC, "Calc &Props", 113, 193, 60, 14),
            MakeControl(ControlKind::DefPushButton, kIdOk, "OK", 267, 193, 56, 14, kStyleGroup),
            MakeControl(ControlKind::PushButton, kIdCancel, "Cancel", 329, 193, 56, 14),
        };
        return d;
    }();
    return t;
}

CSectionCoordsDlg::CSectionCoordsDlg() : Dialog(Template()) {
    OnSpin(IDC_COORDS_OUTLINE_SPIN, [this](int p, int d) { return OnCountSpin(kOutline, p, d); });
    OnSpin(IDC_COORDS_VOID_SPIN, [this](int p, int d) { return OnCountSpin(kVoid, p, d); });
    OnSpin(IDC_COORDS_CIRCLE_SPIN, [this](int p, int d) { return OnCountSpin(kCircles, p, d); });
    m_commands.On(IDC_COORDS_CALC, [this] { OnCalcProps(); });
}

void CSectionCoordsDlg::DoDataExchange(DataExchange& dx) {
    // The counts stay within the arrays: a count beyond them is refused before any grid is read.
    dx.Int(IDC_COORDS_OUTLINE_COUNT, m_nOutlinePointCount, 0, kMaxCoordinateCount);
    dx.Int(IDC_COORDS_VOID_COUNT, m_nVoidPointCount, 0, kMaxCoordinateCount);
    dx.Int(IDC_COORDS_CIRCLE_COUNT, m_nCircularVoidCount, 0, kMaxCircleCount);
}

bool CSectionCoordsDlg::OnInitDialog() {
    Dialog::OnInitDialog();
    m_bPropsStale = 0;
    m_nOutlinePointCount = std::clamp(m_nOutlinePointCount, 0, kMaxCoordinateCount);
    m_nVoidPointCount = std::clamp(m_nVoidPointCount, 0, kMaxCoordinateCount);
    m_nCircularVoidCount = std::clamp(m_nCircularVoidCount, 0, kMaxCircleCount);
    if (m_nUnits != kUnitsUS) {
        SetDlgItemText(IDC_COORDS_OUTLINE_GROUP, "Section Coordinates, m");
        SetDlgItemText(IDC_COORDS_VOID_GROUP, "Polygonal, m");
        SetDlgItemText(IDC_COORDS_CIRCLE_GROUP, "Circular, m");
    }
    SetSpinRange(IDC_COORDS_OUTLINE_SPIN, 0, kMaxCoordinateCount);
    SetSpinRange(IDC_COORDS_VOID_SPIN, 0, kMaxCoordinateCount);
    SetSpinRange(IDC_COORDS_CIRCLE_SPIN, 0, kMaxCircleCount);
    SetSpinPos(IDC_COORDS_OUTLINE_SPIN, m_nOutlinePointCount);
    SetSpinPos(IDC_COORDS_VOID_SPIN, m_nVoidPointCount);
    SetSpinPos(IDC_COORDS_CIRCLE_SPIN, m_nCircularVoidCount);
    for (auto [grid, id] : {std::pair{&m_gridOutline, IDC_COORDS_OUTLINE_GRID},
                            std::pair{&m_gridVoid, IDC_COORDS_VOID_GRID},
                            std::pair{&m_gridCircles, IDC_COORDS_CIRCLE_GRID}}) {
        grid->Attach(CreateControlWindow(id, *grid), id);
        grid->SetOwner(this);
    }
    FillOutlineGrid();
    FillVoidGrid();
    FillCircleGrid();
    return true;
}

void CSectionCoordsDlg::FillOutlineGrid() {
    FillPointGrid(m_gridOutline, m_nOutlinePointCount, m_adOutline);
    UpdateData(false);
}

void CSectionCoordsDlg::FillVoidGrid() {
    FillPointGrid(m_gridVoid, m_nVoidPointCount, m_adVoidOutline);
    UpdateData(false);
}

void CSectionCoordsDlg::FillCircleGrid() {
    CGridCtrl& grid = m_gridCircles;
    grid.SetRowCount(m_nCircularVoidCount + 1);
    grid.SetColumnCount(3);
    grid.SetFixedRowCount(1);
    grid.SetFixedColumnCount(0);
    const char* headings[] = {"x'", "y'", "Radius"};
    for (int c = 0; c < 3; ++c) {
        grid.SetColumnWidth(c, 45);
        grid.SetCellText(0, c, headings[c]);
    }
    for (int i = 0; i < m_nCircularVoidCount; ++i)
        for (int c = 0; c < 3; ++c)
            grid.SetCellText(i + 1, c, FormatValue("%7.3f", m_adCircularVoid[i][c]));
    UpdateData(false);
}

bool CSectionCoordsDlg::ReadGrid(CGridCtrl& grid) {
    const bool circles = &grid == &m_gridCircles;
    const int count = &grid == &m_gridOutline ? m_nOutlinePointCount
                      : circles               ? m_nCircularVoidCount
                                              : m_nVoidPointCount;
    for (int i = 0; i < count && i + 1 < grid.GetRowCount(); ++i) {
        for (int c = circles ? 0 : 1; c < 3; ++c) {
            const std::string text(CDataValidation::TrimBlanks(grid.GetCellText(i + 1, c)));
            if (!CDataValidation::IsReal(text)) {
                MessageBox(kNotNumeric, platform::MsgButtons::Ok, platform::MsgIcon::None);
                return false;
            }
            const double value = std::strtod(text.c_str(), nullptr);
            if (circles) {
                m_adCircularVoid[i][c] = value;
            } else if (&grid == &m_gridOutline) {
                m_adOutline[i][c - 1] = value;
            } else {
                m_adVoidOutline[i][c - 1] = value;
            }
        }
    }
    return true;
}

bool CSectionCoordsDlg::OnGridEndEdit(CGridCtrl& grid, CCellID) {
    if (ReadGrid(grid)) {
        m_bPropsStale = 1;
        InvalidateItem(IDC_COORDS_SKETCH);
    }
    // The cell keeps what was typed, number or not.
    return true;
}

bool CSectionCoordsDlg::TakeCounts() {
    const int before[3] = {m_nOutlinePointCount, m_nVoidPointCount, m_nCircularVoidCount};
    if (!UpdateData(true)) return false;
    if (m_nOutlinePointCount != before[kOutline]) FillOutlineGrid();
    if (m_nVoidPointCount != before[kVoid]) FillVoidGrid();
    if (m_nCircularVoidCount != before[kCircles]) FillCircleGrid();
    if (m_nOutlinePointCount != before[kOutline] || m_nVoidPointCount != before[kVoid] ||
        m_nCircularVoidCount != before[kCircles]) {
        m_bPropsStale = 1;
        SetSpinPos(IDC_COORDS_OUTLINE_SPIN, m_nOutlinePointCount);
        SetSpinPos(IDC_COORDS_VOID_SPIN, m_nVoidPointCount);
        SetSpinPos(IDC_COORDS_CIRCLE_SPIN, m_nCircularVoidCount);
        InvalidateItem(IDC_COORDS_SKETCH);
    }
    return true;
}

bool CSectionCoordsDlg::OnCountSpin(int which, int pos, int delta) {
    const int limit = which == kCircles ? kMaxCircleCount : kMaxCoordinateCount;
    const int count = pos + delta;
    if (count < 0 || count > limit) return false;
    int& n = which == kOutline ? m_nOutlinePointCount
             : which == kVoid  ? m_nVoidPointCount
                               : m_nCircularVoidCount;
    double* entry = nullptr;
    int values = kPointValueCount;
    // The new last row starts at zero; lowering to none zeroes the first entry.
    const int zeroed = delta > 0 ? n : (count == 0 ? 0 : -1);
    if (zeroed >= 0) {
        if (which == kOutline) entry = m_adOutline[zeroed];
        if (which == kVoid) entry = m_adVoidOutline[zeroed];
        if (which == kCircles) {
            entry = m_adCircularVoid[zeroed];
            values = kCircularVoidValueCount;
        }
        for (int k = 0; k < values; ++k) entry[k] = 0;
    }
    n = count;
    // A section of other points has other properties.
    m_bPropsStale = 1;
    if (which == kOutline) FillOutlineGrid();
    if (which == kVoid) FillVoidGrid();
    if (which == kCircles) FillCircleGrid();
    InvalidateItem(IDC_COORDS_SKETCH);
    return true;
}

void CSectionCoordsDlg::OnCalcProps() {
    if (!TakeCounts()) return;
    CCalcSectionPropsDlg calc;
    calc.m_nUnits = m_nUnits;
    calc.m_nSectionType = m_nSectionType;
    SetCoordinates(calc, *this, 1.0);
    if (calc.DoModal() != kIdOk) return;
    m_bPropsStale = 0;
    CopyGrossProperties(*this, calc);
    InvalidateItem(IDC_COORDS_SKETCH);
}

void CSectionCoordsDlg::OnOK() {
    if (!TakeCounts()) return;
    if (m_bPropsStale) {
        MessageBox(kRecalcProps, platform::MsgButtons::Ok, platform::MsgIcon::Warning);
        return;
    }
    EndDialog(kIdOk);
}

void CSectionCoordsDlg::OnDrawItem(int id, DC& dc, Size clientSize) {
    if (id != IDC_COORDS_SKETCH) return;
    SectionSketchData data = SketchOf(*this, 0.0);
    data.axesAndCentroid = true;
    data.centroid = m_dCentroid;
    DrawSectionSketch(dc, clientSize, data);
}

}  // namespace kordel

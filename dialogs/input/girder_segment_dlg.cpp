#include "dialogs/input/girder_segment_dlg.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "report/format.h"

namespace kordel {

using namespace platform::ui;

namespace {

constexpr double kMetresPerFoot = 0.3048;
constexpr Colour kReadOnlyGrey = Rgb(230, 230, 230);

/// The number at the start of a cell's text; 0 when there is none.
double LeadingNumber(const std::string& text) {
    const double value = std::strtod(text.c_str(), nullptr);
    return std::isfinite(value) ? value : 0.0;
}

}  // namespace

const DialogTemplate& CGirderSegementDetailsDlg::Template() {
    static const DialogTemplate t = [] {
        DialogTemplate d;
        d.id = IDD_GIRDER_SEGMENTS;
        d.caption = "Girder Segment Details";
        d.size = {260, 160};
        d.controls = {
            MakeControl(ControlKind::Label, kIdStatic, "No. of Segments:", 7, 9, 60, 9),
            MakeControl(ControlKind::Edit, IDC_SEGMENT_COUNT, "", 70, 7, 22, 12, kStyleNumber),
            MakeControl(ControlKind::Spin, IDC_SEGMENT_COUNT_SPIN, "", 92, 7, 10, 12),
            MakeControl(ControlKind::Custom, IDC_SEGMENT_GRID, "MFCGridCtrl", 7, 25, 246, 70),
            MakeControl(ControlKind::Label, IDC_SEGMENT_OVERALL_LABEL,
                        "Overall Girder Length, ft:", 7, 103, 100, 9),
            MakeControl(ControlKind::SunkenFrame, IDC_SEGMENT_OVERALL, "", 110, 101, 50, 12,
                        kStyleRight),
            MakeControl(ControlKind::Label, IDC_SEGMENT_SUM_LABEL, "Sum of Segs + Closures, ft:", 7,
                        119, 100, 9),
            MakeControl(ControlKind::SunkenFrame, IDC_SEGMENT_SUM, "", 110, 117, 50, 12,
                        kStyleRight),
            MakeControl(ControlKind::DefPushButton, kIdOk, "OK", 147, 139, 50, 14, kStyleGroup),
            MakeControl(ControlKind::PushButton, kIdCancel, "Cancel", 203, 139, 50, 14),
        };
        return d;
    }();
    return t;
}

CGirderSegementDetailsDlg::CGirderSegementDetailsDlg() : Dialog(Template()) {
    OnSpin(IDC_SEGMENT_COUNT_SPIN, [this](int pos, int delta) { return OnCountSpin(pos, delta); });
}

void CGirderSegementDetailsDlg::DoDataExchange(DataExchange& dx) {
    // The count goes with the rows the grid has: one typed outside 1 to 4 is refused.
    dx.Int(IDC_SEGMENT_COUNT, m_nSegments, 1, kMaxSegments);
    dx.Text(IDC_SEGMENT_OVERALL, m_strOverallLength);
    dx.Text(IDC_SEGMENT_SUM, m_strSegmentSum);
}

bool CGirderSegementDetailsDlg::OnInitDialog() {
    Dialog::OnInitDialog();
    m_nSegments = std::clamp(m_nSegments, 1, kMaxSegments);
    if (m_nUnits == 1) {
        m_strOverallLength = FormatValue("%5.2f", m_dOverallLength);
    } else {
        SetDlgItemText(IDC_SEGMENT_SUM_LABEL, "Sum of Segs + Closures, m:");
        SetDlgItemText(IDC_SEGMENT_OVERALL_LABEL, "Overall Girder Length, m:");
        m_strOverallLength = FormatValue("%6.3f", m_dOverallLength);
        for (int i = 0; i < m_nSegments; ++i) {
            for (int c = 0; c < 2; ++c) {
                m_adFeetHandedIn[i][c] = m_adSegments[i][c];
                m_adSegments[i][c] *= kMetresPerFoot;
            }
        }
    }
    UpdateData(false);
    ComputeSum();
    SetSpinRange(IDC_SEGMENT_COUNT_SPIN, 1, kMaxSegments);
    SetSpinPos(IDC_SEGMENT_COUNT_SPIN, m_nSegments);

    m_grid.Attach(CreateControlWindow(IDC_SEGMENT_GRID, m_grid), IDC_SEGMENT_GRID);
    m_grid.SetOwner(this);
    m_grid.SetRowCount(m_nSegments + 1);
    m_grid.SetColumnCount(3);
    m_grid.SetFixedRowCount(1);
    m_grid.SetFixedColumnCount(1);
    m_grid.m_bAllowDragDrop = true;
    for (int c = 0; c < 3; ++c) m_grid.SetColumnWidth(c, 120);
    m_grid.SetColumnWidth(0, 80);
    m_grid.FitColumnsToWidth(true);
    const bool us = m_nUnits == 1;
    m_grid.SetCellText(0, 0, "Segment No.");
    m_grid.SetCellText(0, 1, us ? "Segment Length,ft" : "Segment Length,m");
    m_grid.SetCellText(0, 2, us ? "Closure Pour Length,ft" : "Closure Pour Length,m");
    FillGrid();
    return true;
}

void CGirderSegementDetailsDlg::FillGrid() {
    const char* format = m_nUnits == 1 ? "%5.2f" : "%8.5f";
    for (int i = 1; i <= m_nSegments; ++i) {
        for (int c = 0; c < 3; ++c) m_grid.SetCellText(i, c, "");
    }
    for (int i = 1; i <= m_nSegments; ++i) {
        char number[16];
        std::snprintf(number, sizeof number, "%2d", i);
        m_grid.SetCellText(i, 0, number);
        m_grid.SetCellText(i, 1, FormatValue(format, m_adSegments[i - 1][0]));
        if (i < m_nSegments) {
            m_grid.SetCellText(i, 2, FormatValue(format, m_adSegments[i - 1][1]));
            m_grid.SetCellState(i, 2, 0);
            m_grid.SetCellBackColor(i, 2, kWhite);
        }
    }
    m_grid.SetCellState(m_nSegments, 2,
                        m_grid.GetCellState(m_nSegments, 2) | kGridCellStateReadOnly);
    m_grid.SetCellBackColor(m_nSegments, 2, kReadOnlyGrey);
}

void CGirderSegementDetailsDlg::ReadGrid() {
    // A cell that still shows its value as the grid wrote it keeps the value to its last digit:
    // the grid shows two decimals (five in metres), a length may have more.
    const char* format = m_nUnits == 1 ? "%5.2f" : "%8.5f";
    for (int i = 1; i <= m_nSegments; ++i) {
        for (int c = 0; c < 2; ++c) {
            const std::string text = m_grid.GetCellText(i, c + 1);
            double& value = m_adSegments[i - 1][c];
            const bool shown = c == 0 || i < m_nSegments;  // the last closure shows nothing
            if (!(shown && text == FormatValue(format, value))) value = LeadingNumber(text);
        }
    }
}

void CGirderSegementDetailsDlg::ComputeSum() {
    float sum = 0.0f;
    for (int i = 0; i < m_nSegments; ++i) {
        sum += static_cast<float>(m_adSegments[i][0]);
        if (i + 1 < m_nSegments) sum += static_cast<float>(m_adSegments[i][1]);
    }
    m_fSegmentSum = sum;
    m_strSegmentSum = FormatValue(m_nUnits == 1 ? "%5.2f" : "%6.3f", sum);
    UpdateData(false);
}

bool CGirderSegementDetailsDlg::OnCountSpin(int pos, int delta) {
    const int k = pos + delta;
    if (k < 1 || k > kMaxSegments) return false;
    if (delta <= 0) {
        m_nSegments = k;
        if (k == 1) {
            m_adSegments[0][0] = m_dOverallLength;
            m_adSegments[0][1] = 0.0;
        }
        UpdateData(false);
    } else {
        m_adSegments[k - 1][0] = 0.0;
        m_adSegments[k - 1][1] = 0.0;
        m_nSegments = k;
    }
    m_grid.SetRowCount(m_nSegments + 1);
    ComputeSum();
    FillGrid();
    InvalidateItem(kIdStatic);
    return true;
}

bool CGirderSegementDetailsDlg::OnGridEndEdit(CGridCtrl&, CCellID) {
    ReadGrid();
    ComputeSum();
    FillGrid();
    InvalidateItem(kIdStatic);
    return true;
}

void CGirderSegementDetailsDlg::OnOK() {
    if (!UpdateData(true)) return;
    ReadGrid();
    ComputeSum();
    if (std::fabs(static_cast<double>(m_fSegmentSum) - m_dOverallLength) > 0.001) {
        MessageBox(kSumMessage, platform::MsgButtons::Ok, platform::MsgIcon::Error);
        return;
    }
    if (m_nUnits != 1) {
        // A value left as it was shown goes back as the feet handed in.
        for (int i = 0; i < m_nSegments; ++i) {
            for (int c = 0; c < 2; ++c) {
                double& value = m_adSegments[i][c];
                const double feet = m_adFeetHandedIn[i][c];
                value = value == feet * kMetresPerFoot ? feet : value / kMetresPerFoot;
            }
        }
    }
    EndDialog(kIdOk);
}

}  // namespace kordel

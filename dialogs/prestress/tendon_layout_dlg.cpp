#include "dialogs/prestress/tendon_layout_dlg.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>

#include "controls/in_place_edit.h"
#include "engine/core/strand_groups.h"
#include "report/format.h"

namespace kordel {

using namespace platform::ui;

namespace {

constexpr Colour kReadOnlyGrey = Rgb(204, 204, 204);

std::string Format(const char* format, double value) {
    return FormatValue(format, value);
}

std::string FormatInt(int value) {
    return FormatCount("%2d", value);
}

/// A cell's number; a text that is none reads as 0.
double CellNumber(const CGridCtrl& grid, int row, int col) {
    return ParseNumber(grid.GetCellText(row, col)).value_or(0.0);
}

void MarkReadOnly(CGridCtrl& grid, int row, int col) {
    grid.SetCellState(row, col, grid.GetCellState(row, col) | kGridCellStateReadOnly);
    grid.SetCellBackColor(row, col, kReadOnlyGrey);
}

}  // namespace

PostTensioningTendon NewTendon(int number, double girderLength) {
    PostTensioningTendon t;
    char name[32];
    std::snprintf(name, sizeof name, "Tendon%2d", number);
    t.m_strName = name;
    t.m_adProfile[kProfileVertex][kProfileX] = girderLength / 2.0;
    t.m_adProfile[kProfileEnd][kProfileX] = girderLength;
    t.m_fZ = 0.75f;  // in
    t.m_strStressingEnd = "L";
    return t;
}

const DialogTemplate& CGirderTendonLayoutDlg::Template() {
    static const DialogTemplate t = [] {
        DialogTemplate d;
        d.id = IDD_POST_TENSIONING_TENDONS;
        d.caption = "Post-Tensioning Tendons";
        d.size = {439, 151};
        d.controls = {
            MakeControl(ControlKind::Label, kIdStatic, "No. Tendons:", 7, 9, 46, 9),
            MakeControl(ControlKind::Edit, IDC_TENDON_COUNT, "", 55, 7, 26, 12,
                        kStyleReadOnly | kStyleRight),
            MakeControl(ControlKind::Spin, IDC_TENDON_COUNT_SPIN, "", 81, 7, 10, 12),
            MakeControl(ControlKind::Label, kIdStatic, "Jacking stress basis:", 110, 9, 74, 9),
            MakeControl(ControlKind::RadioButton, IDC_TENDON_BASIS_FPY, "fpy", 186, 8, 30, 10,
                        kStyleGroup),
            MakeControl(ControlKind::RadioButton, IDC_TENDON_BASIS_FPU, "fpu", 218, 8, 30, 10),
            MakeControl(ControlKind::Label, kIdStatic, "Jacking fraction:", 270, 9, 60, 9),
            MakeControl(ControlKind::Edit, IDC_TENDON_JACKING_FRACTION, "", 332, 7, 40, 12,
                        kStyleGroup),
            MakeControl(ControlKind::Custom, IDC_TENDON_GRID, "MFCGridCtrl", 7, 26, 425, 98),
            MakeControl(ControlKind::DefPushButton, kIdOk, "OK", 326, 130, 50, 14, kStyleGroup),
            MakeControl(ControlKind::PushButton, kIdCancel, "Cancel", 382, 130, 50, 14),
        };
        return d;
    }();
    return t;
}

CGirderTendonLayoutDlg::CGirderTendonLayoutDlg() : Dialog(Template()) {
    OnSpin(IDC_TENDON_COUNT_SPIN,
           [this](int pos, int delta) { return OnTendonsDeltaPos(pos, delta); });
    m_commands.On(IDC_TENDON_BASIS_FPY, [this] { m_nPTJackingBasis = kJackingOfFpy; });
    m_commands.On(IDC_TENDON_BASIS_FPU, [this] { m_nPTJackingBasis = kJackingOfFpu; });
}

void CGirderTendonLayoutDlg::DoDataExchange(DataExchange& dx) {
    dx.Int(IDC_TENDON_COUNT, m_nTendonCount);
    dx.Double(IDC_TENDON_JACKING_FRACTION, m_dPtJackingFraction);
}

int CGirderTendonLayoutDlg::UsedTendons() const {
    return std::clamp(m_nTendonCount, 0, kMaxTendons);
}

bool CGirderTendonLayoutDlg::OnInitDialog() {
    m_nTendonCount = UsedTendons();
    Dialog::OnInitDialog();
    if (m_nPTJackingBasis == kJackingOfFpy) CheckRadioButton(IDC_TENDON_BASIS_FPY);
    if (m_nPTJackingBasis == kJackingOfFpu) CheckRadioButton(IDC_TENDON_BASIS_FPU);

    m_grid.Attach(CreateControlWindow(IDC_TENDON_GRID, m_grid), IDC_TENDON_GRID);
    m_grid.SetOwner(this);
    m_grid.SetRowCount(m_nTendonCount + 1);
    m_grid.SetColumnCount(kTendonColumnCount);
    m_grid.SetFixedRowCount(1);
    m_grid.SetFixedColumnCount(1);
    m_grid.m_bAllowDragDrop = true;
    for (int c = 0; c < kTendonColumnCount; ++c) m_grid.SetColumnWidth(c, 65);
    m_grid.SetColumnWidth(kTendonColNumber, 45);
    m_grid.FitColumnsToWidth(true);
    const char* headings[kTendonColumnCount] = {"Tendon",    "Strands", "Duct Dia,in", "CG End,in",
                                                "CG Mid,in", "HLoc,in", "Z,in",        "Stress End",
                                                "Area,in2",  "Pjack,K"};
    for (int c = 0; c < kTendonColumnCount; ++c) m_grid.SetCellText(0, c, headings[c]);
    ComputeForces();
    FillGrid();
    // A design with more tendons than the spin offers keeps them all; the spin then starts
    // above its range and does not step until the count is within it.
    SetSpinRange(IDC_TENDON_COUNT_SPIN, 0, kTendonSpinMax);
    SetSpinPos(IDC_TENDON_COUNT_SPIN, m_nTendonCount);
    return true;
}

void CGirderTendonLayoutDlg::ComputeForces() {
    for (int t = 0; t < UsedTendons(); ++t) {
        const float area = static_cast<float>(m_aTendons[t].m_nStrands * m_dPTStrandUnitArea);
        const double fps = m_nPTJackingBasis == kJackingOfFpy   ? m_dPTStrandFpy
                           : m_nPTJackingBasis == kJackingOfFpu ? m_dPTStrandFpu
                                                                : 0.0;  // ksi
        m_afArea[t] = area;
        m_afPjack[t] = static_cast<float>(static_cast<double>(area) * m_dPtJackingFraction * fps);
    }
}

void CGirderTendonLayoutDlg::FillGrid() {
    const int n = UsedTendons();
    for (int t = 0; t < n; ++t) {
        const PostTensioningTendon& T = m_aTendons[t];
        const int row = t + 1;
        m_grid.SetCellText(row, kTendonColNumber, FormatInt(row));
        m_grid.SetCellText(row, kTendonColStrands, FormatInt(T.m_nStrands));
        m_grid.SetCellText(row, kTendonColDuct, Format("%5.2f", T.m_fDuctDiameter));
        m_grid.SetCellText(row, kTendonColCgEnd,
                           Format("%5.2f", T.m_adProfile[kProfileStart][kProfileCg]));
        m_grid.SetCellText(row, kTendonColCgMid,
                           Format("%5.2f", T.m_adProfile[kProfileVertex][kProfileCg]));
        m_grid.SetCellText(row, kTendonColLocation,
                           Format("%5.2f", T.m_adProfile[kProfileStart][kProfileLocation]));
        m_grid.SetCellText(row, kTendonColZ, Format("%5.2f", T.m_fZ));
        m_grid.SetCellText(row, kTendonColArea, Format("%5.2f", m_afArea[t]));
        m_grid.SetCellText(row, kTendonColPjack, Format("%5.1f", m_afPjack[t]));
        MarkReadOnly(m_grid, row, kTendonColArea);
        MarkReadOnly(m_grid, row, kTendonColPjack);
    }
    if (n == 0) return;
    // The stressing end is chosen once, in row 1, for every tendon.
    if (!dynamic_cast<CGridCellCombo*>(m_grid.GetCell(1, kTendonColStressEnd)))
        m_grid.SetCellClass(1, kTendonColStressEnd,
                            [] { return std::make_unique<CGridCellCombo>(); });
    if (auto* combo = dynamic_cast<CGridCellCombo*>(m_grid.GetCell(1, kTendonColStressEnd))) {
        combo->SetChoices({"L", "R", "B"});
        combo->m_bChooseOnly = true;
    }
    m_grid.SetCellText(1, kTendonColStressEnd, m_aTendons[0].m_strStressingEnd);
    for (int t = 1; t < n; ++t) {
        m_grid.SetCellText(t + 1, kTendonColStressEnd, m_aTendons[t].m_strStressingEnd);
        MarkReadOnly(m_grid, t + 1, kTendonColStressEnd);
    }
}

void CGirderTendonLayoutDlg::ReadGrid() {
    const int n = UsedTendons();
    for (int t = 0; t < n; ++t) {
        PostTensioningTendon& T = m_aTendons[t];
        const int row = t + 1;
        T.m_nStrands = WholeCount(CellNumber(m_grid, row, kTendonColStrands));
        T.m_fDuctDiameter = static_cast<float>(CellNumber(m_grid, row, kTendonColDuct));
        T.m_adProfile[kProfileStart][kProfileCg] = CellNumber(m_grid, row, kTendonColCgEnd);
        T.m_adProfile[kProfileVertex][kProfileCg] = CellNumber(m_grid, row, kTendonColCgMid);
        T.m_adProfile[kProfileStart][kProfileLocation] =
            CellNumber(m_grid, row, kTendonColLocation);
        T.m_adProfile[kProfileVertex][kProfileLocation] =
            T.m_adProfile[kProfileStart][kProfileLocation];
        T.m_fZ = static_cast<float>(CellNumber(m_grid, row, kTendonColZ));
        T.m_strStressingEnd = m_grid.GetCellText(row, kTendonColStressEnd);
    }
    ComputeForces();
    for (int t = 1; t < n; ++t) m_aTendons[t].m_strStressingEnd = m_aTendons[0].m_strStressingEnd;
}

bool CGirderTendonLayoutDlg::OnTendonsDeltaPos(int pos, int delta) {
    const int n = pos + delta;
    if (n < 0 || n > kTendonSpinMax) return false;
    m_nTendonCount = n;
    if (delta > 0) m_aTendons[n - 1] = NewTendon(n, m_dGirderLength);
    // A fraction typed and not yet read is kept rather than overwritten by the member.
    if (const auto typed = ParseNumber(GetDlgItemText(IDC_TENDON_JACKING_FRACTION)))
        m_dPtJackingFraction = *typed;
    UpdateData(false);
    ComputeForces();
    m_grid.SetRowCount(n + 1);
    FillGrid();
    InvalidateItem(kIdStatic);
    return true;
}

bool CGirderTendonLayoutDlg::OnGridEndEdit(CGridCtrl&, CCellID) {
    ReadGrid();
    FillGrid();
    UpdateData(true);
    InvalidateItem(kIdStatic);
    return true;
}

void CGirderTendonLayoutDlg::OnOK() {
    ReadGrid();
    Dialog::OnOK();
}

}  // namespace kordel

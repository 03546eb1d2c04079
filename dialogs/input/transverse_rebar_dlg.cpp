#include "dialogs/input/transverse_rebar_dlg.h"

#include <algorithm>
#include <cstdio>

#include "dialogs/input/rebar_grid_cells.h"
#include "document/kordel_doc.h"
#include "document/rebar_layout.h"
#include "document/unit_conversions.h"
#include "platform/ui/dc.h"
#include "platform/ui/picture.h"

namespace kordel {

using namespace platform::ui;

namespace {

constexpr int kStirrupColumns = 7;
constexpr int kAreaColumns = 5;
constexpr int kNewZoneBarSize = 4;
constexpr double kNewZoneSpacing = 12.0;         // in
constexpr double kNewZoneSpacingMetric = 304.8;  // mm: the same foot
constexpr double kNewZoneLength = 1.0;           // ft or m
constexpr const char* kLengthFormat = "%6.3f";
constexpr const char* kCountFormat = "%5.0f";
constexpr const char* kAreaFormat = "%5.2f";

}  // namespace

const DialogTemplate& CTransverseRebarPatDlg::Template() {
    static const DialogTemplate t = [] {
        DialogTemplate d;
        d.id = IDD_TRANSVERSE_REBAR;
        d.caption = "Transverse Rebar";
        d.size = {400, 262};
        d.controls = {
            MakeControl(ControlKind::Label, kIdStatic, "Zones:", 7, 9, 26, 9),
            MakeControl(ControlKind::Edit, IDC_TRANSVERSE_ZONES, "", 34, 7, 22, 12, kStyleReadOnly),
            MakeControl(ControlKind::Spin, IDC_TRANSVERSE_ZONES_SPIN, "", 56, 7, 10, 12),
            MakeControl(ControlKind::Label, IDC_TRANSVERSE_LEGS_LABEL, "Legs/loc:", 74, 9, 34, 9),
            MakeControl(ControlKind::Edit, IDC_TRANSVERSE_LEGS, "", 109, 7, 20, 12, kStyleReadOnly),
            MakeControl(ControlKind::Spin, IDC_TRANSVERSE_LEGS_SPIN, "", 129, 7, 10, 12),
            MakeControl(ControlKind::CheckBox, IDC_TRANSVERSE_SYMMETRIC, "Symmetric", 148, 8, 52,
                        10),
            MakeControl(ControlKind::SunkenFrame, IDC_TRANSVERSE_LENGTH, "", 205, 7, 188, 12),
            MakeControl(ControlKind::GroupBox, kIdStatic, "Transverse Steel Type", 7, 24, 386, 26),
            MakeControl(ControlKind::RadioButton, IDC_TRANSVERSE_USE_STIRRUPS, "Use Stirrups", 14,
                        35, 80, 10, kStyleGroup),
            MakeControl(ControlKind::RadioButton, IDC_TRANSVERSE_USE_AREA, "Use Shear Steel Area",
                        110, 35, 100, 10),
            MakeControl(ControlKind::GroupBox, kIdStatic, "Edit Transverse Rebar", 7, 54, 386, 122),
            MakeControl(ControlKind::Custom, IDC_TRANSVERSE_GRID, "MFCGridCtrl", 14, 66, 372, 103),
            MakeControl(ControlKind::GroupBox, kIdStatic, "Girder Profile", 7, 180, 386, 56),
            MakeControl(ControlKind::SunkenFrame, IDC_TRANSVERSE_PROFILE, "", 14, 192, 372, 38,
                        kStyleOwnerDraw),
            MakeControl(ControlKind::DefPushButton, kIdOk, "OK", 287, 241, 50, 14, kStyleGroup),
            MakeControl(ControlKind::PushButton, kIdCancel, "Cancel", 343, 241, 50, 14),
        };
        return d;
    }();
    return t;
}

CTransverseRebarPatDlg::CTransverseRebarPatDlg() : Dialog(Template()) {
    OnSpin(IDC_TRANSVERSE_ZONES_SPIN,
           [this](int pos, int delta) { return OnZonesSpin(pos, delta); });
    OnSpin(IDC_TRANSVERSE_LEGS_SPIN, [this](int pos, int delta) { return OnLegsSpin(pos, delta); });
    m_commands.On(IDC_TRANSVERSE_SYMMETRIC, [this] { OnSymmetric(); });
    m_commands.On(IDC_TRANSVERSE_USE_STIRRUPS, [this] { OnUseStirrups(); });
    m_commands.On(IDC_TRANSVERSE_USE_AREA, [this] { OnUseShearSteelArea(); });
}

void CTransverseRebarPatDlg::DoDataExchange(DataExchange& dx) {
    dx.Int(IDC_TRANSVERSE_ZONES, m_nZoneCount);
    dx.Int(IDC_TRANSVERSE_LEGS, m_nLegs);
    dx.Check(IDC_TRANSVERSE_SYMMETRIC, m_bSymmetric);
    dx.Text(IDC_TRANSVERSE_LENGTH, m_strLength);
}

bool CTransverseRebarPatDlg::OnInitDialog() {
    m_nZoneCount = std::clamp(m_nZoneCount, 0, kMaxStirrupZones);
    m_nOpenedZoneCount = m_nZoneCount;
    m_bChanged = false;
    // A symmetric pattern is edited as its left half.
    if (m_bSymmetric) m_nZoneCount /= 2;
    Dialog::OnInitDialog();
    CheckRadioButton(m_bStirrupLayout ? IDC_TRANSVERSE_USE_STIRRUPS : IDC_TRANSVERSE_USE_AREA);
    SetSpinRange(IDC_TRANSVERSE_ZONES_SPIN, 0,
                 m_bSymmetric ? kMaxStirrupZonesSymmetric : kMaxStirrupZonesAsymmetric);
    SetSpinPos(IDC_TRANSVERSE_ZONES_SPIN, m_nZoneCount);
    ShowLengthText();
    SetSpinRange(IDC_TRANSVERSE_LEGS_SPIN, kMinStirrupLegs, kMaxStirrupLegs);
    SetSpinPos(IDC_TRANSVERSE_LEGS_SPIN, m_nLegs);
    SetStirrupControls(m_bStirrupLayout != 0);
    m_grid.Attach(CreateControlWindow(IDC_TRANSVERSE_GRID, m_grid), IDC_TRANSVERSE_GRID);
    m_grid.SetOwner(this);
    FillGrid();
    return true;
}

void CTransverseRebarPatDlg::ShowLengthText() {
    char text[96];
    const double length = m_bSymmetric ? m_dGirderLength / 2.0 : m_dGirderLength;
    std::snprintf(text, sizeof text, Metric() ? "%7.3f m" : "%7.2f ft", length);
    m_strLength = std::string(m_bSymmetric ? "Girder Half Length is:" : "Girder Length is:") + text;
    SetDlgItemText(IDC_TRANSVERSE_LENGTH, m_strLength);
}

void CTransverseRebarPatDlg::SetStirrupControls(bool enabled) {
    for (int id : {IDC_TRANSVERSE_LEGS_LABEL, IDC_TRANSVERSE_LEGS, IDC_TRANSVERSE_LEGS_SPIN})
        EnableItem(id, enabled);
}

// ---- The grid -----------------------------------------------------------------------------------

void CTransverseRebarPatDlg::FillGrid() {
    const bool stirrups = m_bStirrupLayout != 0;
    const bool us = !Metric();
    const int columns = stirrups ? kStirrupColumns : kAreaColumns;
    m_grid.SetRowCount(m_nZoneCount + 1);
    m_grid.SetColumnCount(columns);
    m_grid.SetFixedRowCount(1);
    m_grid.SetFixedColumnCount(1);
    m_grid.m_bAllowDragDrop = true;
    for (int c = 0; c < columns; ++c) {
        const int width = stirrups ? (c == 0 || c == 2 ? 40
                                      : c == 6         ? 80
                                                       : 65)
                                   : (c == 0   ? 40
                                      : c == 1 ? 100
                                               : 55);
        m_grid.SetColumnWidth(c, width);
    }
    m_grid.FitColumnsToWidth(true);
    if (stirrups) {
        const char* headings[kStirrupColumns] = {"Zone",
                                                 us ? "Gap,ft" : "Gap,m",
                                                 "Size",
                                                 "Spaces",
                                                 us ? "Spacing,in" : "Spacing,mm",
                                                 us ? "End,ft" : "End,m",
                                                 us ? "Area,in2/ft" : "Area,mm2/mm"};
        for (int c = 0; c < kStirrupColumns; ++c) m_grid.SetCellText(0, c, headings[c]);
    } else {
        const char* headings[kAreaColumns] = {
            "Zone", us ? "Steel Area,in2/ft" : "Steel Area,mm2/mm", us ? "Length,ft" : "Length,m",
            us ? "Start,ft" : "Start,m", us ? "End,ft" : "End,m"};
        for (int c = 0; c < kAreaColumns; ++c) m_grid.SetCellText(0, c, headings[c]);
    }
    const char* spacingFormat = us ? "%5.2f" : "%5.0f";
    for (int k = 0; k < m_nZoneCount; ++k) {
        const double* z = m_aZones[k];
        const int row = k + 1;
        char number[16];
        std::snprintf(number, sizeof number, "%2d", row);
        m_grid.SetCellText(row, 0, number);
        if (stirrups) {
            m_grid.SetCellText(row, 1, FormatValue(kLengthFormat, z[kZoneGap]));
            m_grid.SetCellText(row, 2, FormatValue(kCountFormat, z[kZoneBarSize]));
            m_grid.SetCellText(row, 3, FormatValue(kCountFormat, z[kZoneSpaces]));
            m_grid.SetCellText(row, 4, FormatValue(spacingFormat, z[kZoneSpacing]));
            m_grid.SetCellText(row, 5, FormatValue(kLengthFormat, z[kZoneEnd]));
            m_grid.SetCellText(row, 6, FormatValue(kAreaFormat, z[kZoneArea]));
            // Spaces and spacing are edited as gap and size are, whatever the area layout left.
            for (int c : {3, 4}) {
                m_grid.SetCellState(row, c, m_grid.GetCellState(row, c - 2));
                m_grid.SetCellBackColor(row, c, kWhite);
            }
            SetComputedCell(m_grid, row, 5);
            SetComputedCell(m_grid, row, 6);
        } else {
            m_grid.SetCellText(row, 1, FormatValue(kAreaFormat, z[kZoneArea]));
            m_grid.SetCellText(row, 2, FormatValue(kLengthFormat, z[kZoneLength]));
            m_grid.SetCellText(row, 3, FormatValue(kLengthFormat, StirrupZoneStart(m_aZones, k)));
            m_grid.SetCellText(row, 4, FormatValue(kLengthFormat, z[kZoneEnd]));
            SetComputedCell(m_grid, row, 3);
            SetComputedCell(m_grid, row, 4);
        }
    }
}

void CTransverseRebarPatDlg::ReadGrid() {
    const bool stirrups = m_bStirrupLayout != 0;
    const char* spacingFormat = Metric() ? "%5.0f" : "%5.2f";
    for (int k = 0; k < m_nZoneCount; ++k) {
        double* z = m_aZones[k];
        const int row = k + 1;
        bool read = false;
        if (stirrups) {
            read |= ReadChangedCell(m_grid, row, 1, kLengthFormat, z[kZoneGap]);
            read |= ReadChangedCell(m_grid, row, 2, kCountFormat, z[kZoneBarSize]);
            read |= ReadChangedCell(m_grid, row, 3, kCountFormat, z[kZoneSpaces]);
            read |= ReadChangedCell(m_grid, row, 4, spacingFormat, z[kZoneSpacing]);
        } else {
            read |= ReadChangedCell(m_grid, row, 1, kAreaFormat, z[kZoneArea]);
            read |= ReadChangedCell(m_grid, row, 2, kLengthFormat, z[kZoneLength]);
        }
        m_bChanged = m_bChanged || read;
    }
    if (m_bChanged) Recompute();
}

void CTransverseRebarPatDlg::Recompute() {
    const bool stirrups = m_bStirrupLayout != 0;
    for (int k = 0; k < m_nZoneCount; ++k) {
        double* z = m_aZones[k];
        z[kZoneEnd] = StirrupZoneEnd(m_aZones, k, stirrups, Metric());
        if (stirrups) {
            z[kZoneArea] = StirrupAreaPerLength(static_cast<int>(z[kZoneBarSize]), z[kZoneSpacing],
                                                m_nLegs, Metric());
        }
    }
}

bool CTransverseRebarPatDlg::OnGridEndEdit(CGridCtrl&, CCellID) {
    ReadGrid();
    FillGrid();
    UpdateData(true);
    InvalidateItem(kIdStatic);
    return true;
}

// ---- The controls -------------------------------------------------------------------------------

void CTransverseRebarPatDlg::ResetZone(int k) {
    double* z = m_aZones[k];
    if (m_bStirrupLayout) {
        z[kZoneGap] = 0;
        z[kZoneBarSize] = kNewZoneBarSize;
        z[kZoneSpaces] = 0;
        // A foot between stirrups, in the spacing's own unit.
        z[kZoneSpacing] = Metric() ? kNewZoneSpacingMetric : kNewZoneSpacing;
        z[kZoneEnd] = StirrupZoneEnd(m_aZones, k, true, Metric());
        z[kZoneArea] = StirrupAreaPerLength(kNewZoneBarSize, z[kZoneSpacing], m_nLegs, Metric());
    } else {
        z[kZoneArea] = 0;
        z[kZoneLength] = kNewZoneLength;
        z[kZoneEnd] = StirrupZoneEnd(m_aZones, k, false, Metric());
    }
}

bool CTransverseRebarPatDlg::OnZonesSpin(int pos, int delta) {
    UpdateData(true);
    const int p = pos + delta;
    const int most = m_bSymmetric ? kMaxStirrupZonesSymmetric : kMaxStirrupZonesAsymmetric;
    if (p < 0 || p > most) return true;
    m_bChanged = true;
    if (delta > 0) {
        // Only the zone coming into use starts afresh.
        ResetZone(m_nZoneCount);
        m_nZoneCount = p;
    } else {
        m_nZoneCount = p;
        if (m_nZoneCount == 0) ResetZone(0);
    }
    UpdateData(false);
    FillGrid();
    InvalidateItem(kIdStatic);
    return true;
}

bool CTransverseRebarPatDlg::OnLegsSpin(int pos, int delta) {
    const int p = pos + delta;
    if (p >= kMinStirrupLegs && p <= kMaxStirrupLegs) {
        m_nLegs = p;
        m_bChanged = true;
    }
    UpdateData(false);
    return true;
}

void CTransverseRebarPatDlg::OnSymmetric() {
    UpdateData(true);
    m_bChanged = true;
    if (m_bSymmetric) {
        SetSpinRange(IDC_TRANSVERSE_ZONES_SPIN, 0, kMaxStirrupZonesSymmetric);
        if (m_nZoneCount > kMaxStirrupZonesSymmetric) {
            m_nZoneCount = kMaxStirrupZonesSymmetric;
            SetSpinPos(IDC_TRANSVERSE_ZONES_SPIN, m_nZoneCount);
            FillGrid();
            UpdateData(false);
        }
    } else {
        // The mirrored half held beyond the zones shown goes.
        for (int k = 0; k <= kMaxStirrupZonesSymmetric; ++k) {
            if (m_aZones[k][kZoneEnd] > m_dGirderLength / 2.0)
                std::fill_n(m_aZones[k], kStirrupZoneValueCount, 0.0);
        }
        SetSpinRange(IDC_TRANSVERSE_ZONES_SPIN, 0, kMaxStirrupZonesAsymmetric);
    }
    ShowLengthText();
    InvalidateItem(kIdStatic);
}

void CTransverseRebarPatDlg::OnUseStirrups() {
    m_bStirrupLayout = 1;
    m_bChanged = true;
    CheckRadioButton(IDC_TRANSVERSE_USE_STIRRUPS);
    SetStirrupControls(true);
    Recompute();
    FillGrid();
    InvalidateItem(kIdStatic);
    UpdateData(false);
}

void CTransverseRebarPatDlg::OnUseShearSteelArea() {
    m_bStirrupLayout = 0;
    m_bChanged = true;
    CheckRadioButton(IDC_TRANSVERSE_USE_AREA);
    SetStirrupControls(false);
    const double perLength = Metric() ? 1000.0 : 12.0;  // spacing units in a length unit
    for (int k = 0; k < m_nZoneCount; ++k) {
        double* z = m_aZones[k];
        // A zone without a length takes the extent of its stirrups.
        if (z[kZoneLength] == 0)
            z[kZoneLength] = z[kZoneGap] + z[kZoneSpaces] * z[kZoneSpacing] / perLength;
    }
    FillGrid();
    InvalidateItem(kIdStatic);
    UpdateData(false);
}

void CTransverseRebarPatDlg::OnOK() {
    ReadGrid();
    const auto beyond = [this](double limit) {
        for (int k = 0; k < m_nZoneCount; ++k) {
            if (m_aZones[k][kZoneEnd] > limit) return true;
        }
        return false;
    };
    if (m_bSymmetric && m_nZoneCount > 0) {
        if (beyond(m_dGirderLength / 2.0)) {
            MessageBox(kBeyondMidspan, platform::MsgButtons::Ok, platform::MsgIcon::Error);
            return;
        }
        if (m_bChanged) {
            MirrorStirrupZones(m_aZones, m_nZoneCount, m_nLegs, m_bStirrupLayout != 0, Metric(),
                               m_dGirderLength);
        }
    } else if (beyond(m_dGirderLength)) {
        MessageBox(kBeyondRightEnd, platform::MsgButtons::Ok, platform::MsgIcon::Error);
        return;
    }
    // A pattern nobody changed goes back whole, as it came (a stored odd count included).
    if (!m_bChanged) m_nZoneCount = m_nOpenedZoneCount;
    UpdateData(false);
    Dialog::OnOK();
}

// ---- The profile --------------------------------------------------------------------------------

void CTransverseRebarPatDlg::OnDrawItem(int id, DC& dc, Size clientSize) {
    if (id != IDC_TRANSVERSE_PROFILE) return;
    PaintPictureGround(dc, clientSize);
    if (!m_pDoc) return;
    const CKordelDoc& doc = *m_pDoc;
    const double length = doc.m_dGirderLength * 12.0;  // in
    const double Hg = doc.m_dSectionHeight;            // in
    // Nothing to draw along no length or across no height.
    if (!(length > 0.0) || !(Hg > 0.0)) return;
    const double s = FitPicture(clientSize, kPictureMargin, length, Hg).x;
    m_dScaleX = m_dScaleY = s;
    if (!(s > 0.0)) return;

    const double fL = Metric() ? 1.0 / kMetresPerFoot : 1.0;       // shown length to ft
    const double fS = Metric() ? 1.0 / kMillimetresPerInch : 1.0;  // shown spacing to in
    const Pen oldPen = dc.SelectPen(Pen{PenStyle::Solid, 0, kPictureInk});
    const Brush oldBrush = dc.SelectBrush(Brush{BrushStyle::Solid, kPictureGround});
    dc.SetBkMode(BkMode::Transparent);
    const int cy = clientSize.cy / 2 + PicturePixels(s * Hg / 2.0);
    const int x0 = clientSize.cx / 2 - PicturePixels(length / 2.0 * s);
    dc.Rectangle({x0, cy - PicturePixels(s * Hg), x0 + PicturePixels(s * length), cy});

    // Stirrup lines rise from 5 % of the total height to the deck top.
    const double Htot = Hg + doc.m_dDeckThickness + doc.m_dHaunchThickness;
    const double yb = cy - s * 0.05 * Htot;
    const int bottom = PicturePixels(yb);
    const int top = PicturePixels(yb - PicturePixels(s * 0.95 * Htot));
    const auto line = [&](double x) {
        dc.MoveTo({PicturePixels(x), bottom});
        dc.LineTo({PicturePixels(x), top});
    };
    const bool stirrups = m_bStirrupLayout != 0;
    double x = x0;
    for (int k = 0; k < m_nZoneCount; ++k) {
        const double* z = m_aZones[k];
        if (stirrups) x += s * z[kZoneGap] * 12.0 * fL;
        line(x);
        x = stirrups ? x + s * z[kZoneSpaces] * z[kZoneSpacing] * fS
                     : x0 + s * z[kZoneEnd] * 12.0 * fL;
        line(x);
    }
    if (m_bSymmetric && m_nZoneCount > 0) {
        x = x0 + s * m_dGirderLength * 12.0 * fL;
        for (int k = 0; k < m_nZoneCount; ++k) {
            const double* z = m_aZones[k];
            if (stirrups) x -= s * z[kZoneGap] * 12.0 * fL;
            line(x);
            x -= stirrups ? s * z[kZoneSpaces] * z[kZoneSpacing] * fS
                          : s * z[kZoneLength] * 12.0 * fL;
            line(x);
        }
    }
    dc.SelectPen(oldPen);
    dc.SelectBrush(oldBrush);
}

}  // namespace kordel

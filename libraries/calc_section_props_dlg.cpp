#include "libraries/calc_section_props_dlg.h"

#include <algorithm>
#include <cstdio>

#include "libraries/outline_properties.h"
#include "report/format.h"

namespace kordel {

using namespace platform::ui;

namespace {

/// The eight rows, top to bottom: value control, unit control.
constexpr int kValueIds[8] = {IDC_CALC_AREA,  IDC_CALC_HEIGHT, IDC_CALC_CENTROID, IDC_CALC_IXX,
                              IDC_CALC_WIDTH, IDC_CALC_YBYY,   IDC_CALC_IYY,      IDC_CALC_VS};
constexpr int kUnitIds[8] = {IDC_CALC_AREA_UNIT, IDC_CALC_HEIGHT_UNIT, IDC_CALC_CENTROID_UNIT,
                             IDC_CALC_IXX_UNIT,  IDC_CALC_WIDTH_UNIT,  IDC_CALC_YBYY_UNIT,
                             IDC_CALC_IYY_UNIT,  IDC_CALC_VS_UNIT};
constexpr const char* kLabels[8] = {"Area", "Height", "ybxx", "Ixx", "Width", "ybyy", "Iyy", "V/S"};
constexpr const char* kUsUnits[8] = {"in2", "in", "in", "in4", "in", "in", "in4", "in"};
constexpr const char* kMetricUnits[8] = {"m2", "m", "m", "m4", "m", "m", "m4", "m"};

/// Largest less smallest of one coordinate of the first `count` points.
double Extent(int count, const double (*points)[kPointValueCount], int axis) {
    if (count <= 0) return 0;
    double lo = points[0][axis], hi = points[0][axis];
    for (int i = 1; i < count; ++i) {
        lo = std::min(lo, points[i][axis]);
        hi = std::max(hi, points[i][axis]);
    }
    return hi - lo;
}

}  // namespace

const DialogTemplate& CCalcSectionPropsDlg::Template() {
    static const DialogTemplate t = [] {
        DialogTemplate d;
        d.id = IDD_CALC_SECTION_PROPS;
        d.caption = "Calculate Section Properties";
        d.size = {196, 168};
        d.controls.push_back(
            MakeControl(ControlKind::Label, kIdStatic, "Gross Section Properties:", 7, 7, 120, 9));
        for (int k = 0; k < 8; ++k) {
            const int y = 22 + 15 * k;
            d.controls.push_back(
                MakeControl(ControlKind::Label, kIdStatic, kLabels[k], 13, y + 2, 34, 9));
            d.controls.push_back(MakeControl(ControlKind::SunkenFrame, kValueIds[k], "", 49, y, 60,
                                             12, kStyleRight));
            d.controls.push_back(
                MakeControl(ControlKind::Label, kUnitIds[k], "", 113, y + 2, 20, 9));
        }
        d.controls.push_back(MakeControl(ControlKind::DefPushButton, kIdOk, "&Use These Properties",
                                         7, 148, 92, 14, kStyleGroup));
        d.controls.push_back(
            MakeControl(ControlKind::PushButton, kIdCancel, "Cancel", 139, 148, 50, 14));
        return d;
    }();
    return t;
}

CCalcSectionPropsDlg::CCalcSectionPropsDlg() : Dialog(Template()) {}

void CCalcSectionPropsDlg::DoDataExchange(DataExchange& dx) {
    for (int k = 0; k < 8; ++k) {
        dx.Text(kValueIds[k], m_strValues[k]);
        dx.Text(kUnitIds[k], m_strUnits[k]);
    }
}

bool CCalcSectionPropsDlg::OnInitDialog() {
    Dialog::OnInitDialog();
    const bool us = m_nUnits == kUnitsUS;
    for (int k = 0; k < 8; ++k) m_strUnits[k] = us ? kUsUnits[k] : kMetricUnits[k];
    const std::optional<OutlineSectionProperties> p =
        ComputeSectionProperties(m_nOutlinePointCount, m_adOutline, m_nVoidPointCount,
                                 m_adVoidOutline, m_nCircularVoidCount, m_adCircularVoid, false);
    m_bValid = p.has_value();
    if (m_bValid) {
        m_dA = p->area;
        m_dYb = p->centroid;
        m_dIxx = p->inertia;
        m_dVS = p->volumeToSurface;
        m_dYbyy = p->centroidX;
        m_dIyy = p->inertiaY;
        m_dH = Extent(m_nOutlinePointCount, m_adOutline, kPointY);
        m_dWidth = Extent(m_nOutlinePointCount, m_adOutline, kPointX);
        m_dJ = m_nSectionType == kSectionIGirder || m_nSectionType == kSectionSlab
                   ? m_dA * m_dA * m_dA * m_dA / (40.0 * (m_dIxx + m_dIyy))
                   : 1.0;
        const char* length = us ? "%7.3f" : "%8.5f";
        const char* inertia = us ? "%7.0f" : "%8.5f";
        const double values[8] = {m_dA, m_dH, m_dYb, m_dIxx, m_dWidth, m_dYbyy, m_dIyy, m_dVS};
        for (int k = 0; k < 8; ++k)
            m_strValues[k] = FormatValue(k == 3 || k == 6 ? inertia : length, values[k]);
    } else {
        // Coordinates that enclose nothing have no properties to show or to hand back.
        for (std::string& v : m_strValues) v.clear();
        EnableItem(kIdOk, false);
    }
    UpdateData(false);
    return true;
}

void CCalcSectionPropsDlg::OnOK() {
    if (!m_bValid) {
        MessageBox(kNoSectionProperties);
        return;
    }
    double A = m_dA, yb = m_dYb, h = m_dH, Ixx = m_dIxx, vs = m_dVS, Iyy = m_dIyy, J = m_dJ;
    if (m_nUnits == kUnitsUS) {
        A = RoundWhole(A);
        h = RoundWhole(h);
        Ixx = RoundWhole(Ixx);
        Iyy = RoundWhole(Iyy);
        J = RoundWhole(J);
        yb = RoundTwoDecimals(yb);
        vs = RoundTwoDecimals(vs);
    }
    m_dArea = A;
    m_dCentroid = yb;
    m_dHeight = h;
    m_dInertia = Ixx;
    m_dVolumeToSurface = vs;
    m_dInertiaY = Iyy;
    m_dTorsionConstant = J;
    EndDialog(kIdOk);
}

}  // namespace kordel

#include "dialogs/results/rendering_3d_dlg.h"

#include <algorithm>
#include <utility>

namespace kordel {

using namespace platform::ui;

const DialogTemplate& C3DViewDlg::Template() {
    static const DialogTemplate t = [] {
        DialogTemplate d;
        d.id = IDD_3D_VIEW;
        d.caption = "3D Rendering";
        d.size = {420, 268};
        d.controls = {
            MakeControl(ControlKind::Custom, IDC_3D_CANVAS, kGlCanvasClass, 7, 7, 320, 240),
            MakeControl(ControlKind::GroupBox, kIdStatic, "Zoom (z)", 334, 4, 78, 112),
            MakeControl(ControlKind::Label, kIdStatic, "In", 342, 16, 20, 9),
            MakeControl(ControlKind::Slider, IDC_3D_ZOOM, "", 364, 14, 20, 96),
            MakeControl(ControlKind::Label, kIdStatic, "Out", 342, 101, 20, 9),
            MakeControl(ControlKind::GroupBox, kIdStatic, "Render Mode", 334, 120, 78, 56),
            MakeControl(ControlKind::RadioButton, IDC_3D_SOLID, "Solid", 342, 132, 62, 10,
                        kStyleGroup),
            MakeControl(ControlKind::RadioButton, IDC_3D_WIREFRAME, "Wireframe", 342, 146, 62, 10),
            MakeControl(ControlKind::CheckBox, IDC_3D_VOID, "Void", 342, 160, 62, 10,
                        kStyleGroup | kStyleDisabled),
            MakeControl(ControlKind::PushButton, IDC_3D_RESET_VIEW, "Reset View", 334, 182, 78, 14,
                        kStyleGroup),
            MakeControl(ControlKind::Edit, IDC_3D_PAN_X, "", 334, 202, 37, 12, kStyleReadOnly),
            MakeControl(ControlKind::Edit, IDC_3D_PAN_Y, "", 375, 202, 37, 12, kStyleReadOnly),
            MakeControl(ControlKind::DefPushButton, kIdOk, "OK", 334, 228, 78, 14, kStyleGroup),
            MakeControl(ControlKind::PushButton, kIdCancel, "Cancel", 334, 246, 78, 14),
            MakeControl(ControlKind::Label, kIdStatic,
                        "Operations: Left Mouse Button to  Rotate,  Ctrl + Left Mouse Button to Pan",
                        7, 252, 320, 9),
        };
        return d;
    }();
    return t;
}

C3DViewDlg::C3DViewDlg() : Dialog(Template()) {
    m_commands.On(IDC_3D_RESET_VIEW, [this] { OnResetView(); });
    m_commands.On(IDC_3D_SOLID, [this] { OnSolid(); });
    m_commands.On(IDC_3D_WIREFRAME, [this] { OnWireframe(); });
    m_commands.On(IDC_3D_VOID, [this] { OnVoid(); });
    OnNotify(Notification::Scroll, IDC_3D_ZOOM, [this] { OnVScroll(); });
}

C3DViewDlg::~C3DViewDlg() = default;

void C3DViewDlg::DoDataExchange(DataExchange& dx) {
    dx.Float(IDC_3D_PAN_X, m_fPanReadoutX);
    dx.Float(IDC_3D_PAN_Y, m_fPanReadoutY);
    dx.Check(IDC_3D_VOID, m_bShowVoids);
}

float C3DViewDlg::StartDistance() const {
    return -1.0f * std::max(m_fSceneLength, m_fSceneHeight);
}

bool C3DViewDlg::OnInitDialog() {
    Dialog::OnInitDialog();
    m_pGlView = std::make_unique<CGlView>(CreateGlCanvas(IDC_3D_CANVAS, *this));
    m_pGlView->m_model = m_model;
    m_pGlView->ResetTransform();
    m_pGlView->SetTranslation(0, 0, StartDistance());

    SetSpinRange(IDC_3D_ZOOM, 0, kZoomSliderMax);
    SetSpinPos(IDC_3D_ZOOM, kZoomSliderStart);
    m_nZoomPos = kZoomSliderStart;

    m_ptDown = {0, 0};
    m_dBaseZoomDistance = m_dZoomDistance = -1.0 * static_cast<double>(m_fSceneLength);
    m_dPanX = m_dPanY = m_dPanTotalX = m_dPanTotalY = 0;
    m_bPanning = false;
    m_nRenderMode = kRenderSolid;
    m_pGlView->m_nRenderMode = kRenderSolid;
    CheckRadioButton(IDC_3D_SOLID);
    if (!m_model.voidQuads.empty() || !m_model.cylinders.empty()) {
        m_bShowVoids = 1;
        m_pGlView->m_bShowVoids = true;
    }
    UpdateData(false);
    return true;
}

void C3DViewDlg::OnGlPaint(Size client) {
    if (!m_pGlView) return;
    if (m_pGlView->CreateContext() != 0) {
        // The message has been shown; the dialog has nothing to draw with.
        EndDialog(kIdCancel);
        return;
    }
    m_pGlView->Resize(client.cx, client.cy);
    m_pGlView->Render();
}

void C3DViewDlg::OnGlMouse(const MouseEvent& event) {
    switch (event.action) {
        case MouseAction::LeftDown:
            OnLButtonDown(event.point, event.keys);
            break;
        case MouseAction::LeftUp:
            OnLButtonUp();
            break;
        case MouseAction::Move:
            OnMouseMove(event.point, event.keys);
            break;
        default:
            break;
    }
}

void C3DViewDlg::OnLButtonDown(Point point, unsigned keys) {
    if (!m_pGlView) return;
    if ((keys & kMouseCtrl) == 0) m_pGlView->m_bRotating = true;
    m_ptDown = point;
}

void C3DViewDlg::OnMouseMove(Point point, unsigned keys) {
    if (!m_pGlView) return;
    m_pGlView->m_afMousePoint[0] = static_cast<float>(point.x);
    m_pGlView->m_afMousePoint[1] = static_cast<float>(point.y);
    m_pGlView->DragRotate();
    m_pGlView->Render();
    // A pan takes the left button with Ctrl and nothing else.
    if (keys != (kMouseLeft | kMouseCtrl)) return;
    m_dPanX = kPanPerPixel * static_cast<float>(point.x - m_ptDown.x);
    m_dPanY = kPanPerPixel * static_cast<float>(m_ptDown.y - point.y);
    m_fPanReadoutX = static_cast<float>(m_dPanX + m_dPanTotalX);
    m_fPanReadoutY = static_cast<float>(m_dPanY + m_dPanTotalY);
    UpdateData(false);
    m_pGlView->SetTranslation(static_cast<float>(m_dPanX + m_dPanTotalX),
                              static_cast<float>(m_dPanY + m_dPanTotalY),
                              static_cast<float>(m_dZoomDistance));
    m_bPanning = true;
}

void C3DViewDlg::OnLButtonUp() {
    if (!m_pGlView) return;
    m_pGlView->m_bRotating = false;
    m_pGlView->DragRotate();  // ends a drag under way
    if (m_bPanning) {
        m_dPanTotalX += m_dPanX;
        m_dPanTotalY += m_dPanY;
        m_dPanX = m_dPanY = 0;
        m_bPanning = false;
    }
    UpdateData(false);
}

void C3DViewDlg::OnVScroll() {
    if (!m_pGlView) return;
    m_nZoomPos = GetSpinPos(IDC_3D_ZOOM);
    m_dZoomDistance = m_nZoomPos / static_cast<double>(kZoomSliderStart) * m_dBaseZoomDistance;
    m_pGlView->SetTranslation(static_cast<float>(m_dPanTotalX), static_cast<float>(m_dPanTotalY),
                              static_cast<float>(m_dZoomDistance));
}

void C3DViewDlg::OnResetView() {
    if (!m_pGlView) return;
    SetSpinPos(IDC_3D_ZOOM, kZoomSliderStart);
    m_nZoomPos = kZoomSliderStart;
    m_ptDown = {0, 0};
    m_dBaseZoomDistance = m_dZoomDistance = -1.0 * static_cast<double>(m_fSceneLength);
    m_dPanX = m_dPanY = m_dPanTotalX = m_dPanTotalY = 0;
    m_fPanReadoutX = m_fPanReadoutY = 0;
    UpdateData(false);
    m_pGlView->ResetTransform();
    m_pGlView->SetRotation(0, 0, 1, 0);
    m_pGlView->SetTranslation(0, 0, StartDistance());
}

void C3DViewDlg::Rebuild() {
    m_pGlView->BuildDisplayList();
    m_pGlView->Render();
}

void C3DViewDlg::OnSolid() {
    if (!m_pGlView) return;
    m_nRenderMode = kRenderSolid;
    EnableItem(IDC_3D_VOID, false);
    m_pGlView->m_nRenderMode = kRenderSolid;
    Rebuild();
}

void C3DViewDlg::OnWireframe() {
    if (!m_pGlView) return;
    m_nRenderMode = kRenderWireframe;
    if (!m_model.voidQuads.empty() || !m_model.cylinders.empty()) EnableItem(IDC_3D_VOID, true);
    m_pGlView->m_nRenderMode = kRenderWireframe;
    Rebuild();
}

void C3DViewDlg::OnVoid() {
    if (!m_pGlView || !UpdateData(true)) return;
    m_pGlView->m_bShowVoids = m_bShowVoids != 0;
    Rebuild();
}

void C3DViewDlg::ReleaseView() {
    m_pGlView.reset();
}

void C3DViewDlg::OnOK() {
    Dialog::OnOK();
    ReleaseView();
}

void C3DViewDlg::OnCancel() {
    Dialog::OnCancel();
    ReleaseView();
}

}  // namespace kordel

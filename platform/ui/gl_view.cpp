#include "platform/ui/gl_view.h"

#include <algorithm>
#include <utility>

#include "platform/host.h"

namespace platform::ui {

CGlView::CGlView(std::unique_ptr<GlRenderer> renderer) : m_renderer(std::move(renderer)) {
    ResetTransform();
}

CGlView::~CGlView() = default;

int CGlView::CreateContext() {
    if (m_bContext) return 0;
    if (m_bFailed) return -1;
    std::string failure = kGlNoContext;
    if (m_renderer) failure = m_renderer->CreateContext();
    if (!failure.empty()) {
        m_bFailed = true;
        GetHost().MessageBox(failure, "Error", MsgButtons::Ok, MsgIcon::Error);
        return -1;
    }
    m_bContext = true;
    InitGL();
    return 0;
}

void CGlView::Resize(int width, int height) {
    width = std::max(width, 1);
    height = std::max(height, 1);
    m_arcBall.SetBounds(static_cast<float>(width), static_cast<float>(height));
    if (m_bContext) m_renderer->Resize(width, height);
}

void CGlView::InitGL() {
    if (!m_bContext) return;
    m_renderer->InitGL();
    BuildDisplayList();
}

void CGlView::BuildDisplayList() {
    if (m_bContext) m_renderer->BuildDisplayList(m_model, m_nRenderMode, m_bShowVoids);
}

void CGlView::Render() {
    if (!m_bContext) return;
    GlCamera camera;
    std::copy(std::begin(m_afTranslation), std::end(m_afTranslation), camera.translation);
    camera.angle = m_fRotationAngle;
    std::copy(std::begin(m_afRotationAxis), std::end(m_afRotationAxis), camera.axis);
    std::copy(std::begin(m_afTransform), std::end(m_afTransform), camera.transform);
    m_renderer->Render(camera);
}

void CGlView::SetRotation(float angle, float x, float y, float z) {
    m_fRotationAngle = angle;
    m_afRotationAxis[0] = x, m_afRotationAxis[1] = y, m_afRotationAxis[2] = z;
    Render();
}

void CGlView::SetTranslation(float x, float y, float z) {
    m_afTranslation[0] = x, m_afTranslation[1] = y, m_afTranslation[2] = z;
    Render();
}

void CGlView::DragRotate() {
    const float x = m_afMousePoint[0], y = m_afMousePoint[1];
    if (m_bDragging) {
        if (m_bRotating) {
            const Quaternion q = m_arcBall.Drag(x, y);
            float turn[9];
            Matrix3FromQuaternion(q, turn);
            Matrix3Multiply(turn, m_afLastRotation, m_afThisRotation);
            Matrix4SetRotation(m_afThisRotation, m_afTransform);
        } else {
            m_bDragging = false;
        }
    } else if (m_bRotating) {
        m_bDragging = true;
        std::copy(std::begin(m_afThisRotation), std::end(m_afThisRotation), m_afLastRotation);
        m_arcBall.Click(x, y);
    }
}

void CGlView::ResetTransform() {
    Matrix4SetIdentity(m_afTransform);
    Matrix3SetIdentity(m_afLastRotation);
    Matrix3SetIdentity(m_afThisRotation);
}

}  // namespace platform::ui

#include "platform/wx/wx_gl.h"

#include <wx/glcanvas.h>
#include <wx/weakref.h>

#include "platform/gl/gl_renderer.h"

namespace platform::wx {
namespace {

/// The attributes the 3D view asks for: RGBA, double-buffered, with a depth buffer.
wxGLAttributes CanvasAttributes() {
    wxGLAttributes attributes;
    attributes.PlatformDefaults().RGBA().DoubleBuffer().Depth(24).EndList();
    return attributes;
}

class GlCanvas : public wxGLCanvas {
public:
    GlCanvas(wxWindow* parent, const wxGLAttributes& attributes, const wxRect& place,
             std::shared_ptr<ui::GlCanvasHandler> handler)
        : wxGLCanvas(parent, attributes, wxID_ANY, place.GetPosition(), place.GetSize(),
                     wxFULL_REPAINT_ON_RESIZE),
          m_handler(std::move(handler)) {
        Bind(wxEVT_PAINT, [this](wxPaintEvent&) {
            wxPaintDC dc(this);  // validates the area, whatever OpenGL draws
            const wxSize size = GetClientSize();
            m_handler->OnGlPaint({size.x, size.y});
        });
        Bind(wxEVT_ERASE_BACKGROUND, [](wxEraseEvent&) {});
        Bind(wxEVT_LEFT_DOWN, [this](wxMouseEvent& e) {
            if (!HasCapture()) CaptureMouse();
            Report(ui::MouseAction::LeftDown, e);
        });
        Bind(wxEVT_LEFT_UP, [this](wxMouseEvent& e) {
            if (HasCapture()) ReleaseMouse();
            Report(ui::MouseAction::LeftUp, e);
        });
        Bind(wxEVT_MOTION, [this](wxMouseEvent& e) { Report(ui::MouseAction::Move, e); });
        Bind(wxEVT_MOUSE_CAPTURE_LOST, [](wxMouseCaptureLostEvent&) {});
    }

private:
    void Report(ui::MouseAction action, const wxMouseEvent& e) {
        ui::MouseEvent event;
        event.action = action;
        event.point = {e.GetX(), e.GetY()};
        if (e.LeftIsDown() || action == ui::MouseAction::LeftDown) event.keys |= ui::kMouseLeft;
        if (action == ui::MouseAction::LeftUp) event.keys &= ~unsigned(ui::kMouseLeft);
        if (e.RightIsDown()) event.keys |= ui::kMouseRight;
        if (e.MiddleIsDown()) event.keys |= ui::kMouseMiddle;
        if (e.ShiftDown()) event.keys |= ui::kMouseShift;
        if (e.ControlDown()) event.keys |= ui::kMouseCtrl;
        m_handler->OnGlMouse(event);
    }

    std::shared_ptr<ui::GlCanvasHandler> m_handler;
};

class WxGlRenderer : public gl::GlModelRenderer {
public:
    WxGlRenderer(GlCanvas* canvas, bool supported) : m_canvas(canvas), m_bSupported(supported) {}
    ~WxGlRenderer() override { ReleaseGl(); }

    std::string CreateContext() override {
        if (m_context) return {};
        if (!m_canvas || !m_bSupported) return ui::kGlNoPixelFormat;
        m_context = std::make_unique<wxGLContext>(m_canvas.get());
        if (!m_context->IsOK() || !MakeCurrent()) {
            m_context.reset();
            return ui::kGlCannotSetPixelFormat;
        }
        return {};
    }

protected:
    bool MakeCurrent() override {
        return m_canvas && m_context && m_canvas->IsShownOnScreen() &&
               m_canvas->SetCurrent(*m_context);
    }
    void ShowFrame() override {
        if (m_canvas) m_canvas->SwapBuffers();
    }

private:
    wxWeakRef<GlCanvas> m_canvas;
    bool m_bSupported;
    std::unique_ptr<wxGLContext> m_context;
};

}  // namespace

std::unique_ptr<ui::GlRenderer> CreateGlCanvas(wxWindow* parent, const wxRect& place,
                                               std::shared_ptr<ui::GlCanvasHandler> handler) {
    const wxGLAttributes attributes = CanvasAttributes();
    const bool supported = wxGLCanvas::IsDisplaySupported(attributes);
    GlCanvas* canvas = nullptr;
    if (supported) canvas = new GlCanvas(parent, attributes, place, std::move(handler));
    return std::make_unique<WxGlRenderer>(canvas, supported);
}

}  // namespace platform::wx

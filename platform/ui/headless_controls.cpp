#include "platform/ui/headless_controls.h"

#include <algorithm>

#include "platform/ui/headless_toolkit.h"

namespace platform::ui {

namespace {
constexpr double kScreenDpi = 96.0;
}  // namespace

// ---- Floating pop-ups -----------------------------------------------------------------------

HeadlessFloat::~HeadlessFloat() {
    if (m_control) m_control->ForgetFloat(this);
}

void HeadlessFloat::ShowAt(const Rect& screenRect) {
    m_rect = screenRect;
    m_visible = true;
    ++m_timesShown;
}

void HeadlessFloat::CaptureMouse() {
    if (m_control) m_control->SetCaptureHolder(this);
}

void HeadlessFloat::ReleaseMouse() {
    if (m_control && m_control->IsCaptureHolder(this)) m_control->SetCaptureHolder(nullptr);
}

bool HeadlessFloat::HasCapture() const {
    return m_control && m_control->IsCaptureHolder(this);
}

void HeadlessFloat::Mouse(MouseAction action, Point point, unsigned keys) {
    if (!m_visible && !HasCapture()) return;
    m_handler.OnMouse(MouseEvent{action, point, keys});
}

std::unique_ptr<RecordingDC> HeadlessFloat::PaintNow() {
    auto dc =
        std::make_unique<RecordingDC>(kScreenDpi, false, Size{m_rect.Width(), m_rect.Height()});
    m_handler.Paint(*dc);
    return dc;
}

// ---- Control windows ------------------------------------------------------------------------

HeadlessControl::HeadlessControl(ControlHandler& handler, const Rect& rect, Point parentOrigin)
    : m_handler(handler), m_rect(rect), m_parentOrigin(parentOrigin) {}

HeadlessControl::~HeadlessControl() {
    for (HeadlessFloat* f : m_floats) f->ForgetControl();
    if (m_onDestroyed) m_onDestroyed();
}

Size HeadlessControl::ClientSize() const {
    return {std::max(0, m_rect.Width() - (m_vertical.shown ? kScrollBarSize : 0)),
            std::max(0, m_rect.Height() - (m_horizontal.shown ? kScrollBarSize : 0))};
}

void HeadlessControl::SetScrollBar(bool vertical, int maximum, int page, int position) {
    BarState& bar = MutableBar(vertical);
    bar.maximum = maximum;
    bar.page = page;
    bar.position = position;
}

void HeadlessControl::Invalidate() {
    ++m_invalidations;
    const Size c = ClientSize();
    m_invalidRects.push_back({0, 0, c.cx, c.cy});
}

void HeadlessControl::InvalidateRect(const Rect& rect) {
    ++m_invalidations;
    m_invalidRects.push_back(rect);
}

void HeadlessControl::Update() {
    if (m_invalidRects.empty()) return;
    m_lastUpdate = PaintNow();
    m_invalidRects.clear();
}

void HeadlessControl::SetFocus() {
    if (m_focus) return;
    m_focus = true;
    m_handler.OnSetFocus();
}

void HeadlessControl::LoseFocus() {
    if (!m_focus) return;
    m_focus = false;
    m_handler.OnKillFocus();
}

void HeadlessControl::SetCaptureHolder(const void* holder) {
    if (m_capture == holder) return;
    const bool controlLoses = m_capture == this;
    HeadlessFloat* floatLoses = nullptr;
    for (HeadlessFloat* f : m_floats) {
        if (m_capture == f) floatLoses = f;
    }
    m_capture = holder;
    if (controlLoses) m_handler.OnCaptureLost();
    if (floatLoses) floatLoses->Handler().OnCaptureLost();
}

void HeadlessControl::CaptureMouse() {
    SetCaptureHolder(this);
}

void HeadlessControl::ReleaseMouse() {
    if (m_capture == this) m_capture = nullptr;
}

std::unique_ptr<DC> HeadlessControl::CreateMeasureDC() const {
    return std::make_unique<RecordingDC>(kScreenDpi, false, ClientSize());
}

std::unique_ptr<FloatPeer> HeadlessControl::CreateFloat(FloatHandler& handler) {
    auto f = std::make_unique<HeadlessFloat>(*this, handler);
    m_floats.push_back(f.get());
    return f;
}

void HeadlessControl::ForgetFloat(HeadlessFloat* f) {
    if (m_capture == f) m_capture = nullptr;
    m_floats.erase(std::remove(m_floats.begin(), m_floats.end(), f), m_floats.end());
}

void HeadlessControl::SetRect(const Rect& rect) {
    m_rect = rect;
    m_handler.OnSize(ClientSize());
}

void HeadlessControl::Resize(Size windowSize) {
    SetRect({m_rect.left, m_rect.top, m_rect.left + windowSize.cx, m_rect.top + windowSize.cy});
}

void HeadlessControl::Scroll(bool vertical, ScrollCode code, int trackPosition) {
    m_handler.OnScroll(vertical, code, trackPosition);
}

void HeadlessControl::Mouse(MouseAction action, Point point, unsigned keys) {
    for (HeadlessFloat* f : m_floats) {
        if (m_capture != f) continue;
        const Point screen = ClientToScreen(point);
        const Rect r = f->ScreenRect();
        f->Handler().OnMouse(MouseEvent{action, {screen.x - r.left, screen.y - r.top}, keys});
        return;
    }
    m_handler.OnMouse(MouseEvent{action, point, keys});
}

void HeadlessControl::Wheel(int delta, Point point, unsigned keys) {
    m_handler.OnMouseWheel(delta, keys, point);
}

std::unique_ptr<RecordingDC> HeadlessControl::PaintNow() {
    auto dc = std::make_unique<RecordingDC>(kScreenDpi, false, ClientSize());
    m_handler.Paint(*dc);
    return dc;
}

// ---- Top-level tool windows -----------------------------------------------------------------

std::unique_ptr<ControlPeer> HeadlessTopWindow::CreateControl(ControlHandler& handler,
                                                              const Rect& rect) {
    return std::make_unique<HeadlessControl>(handler, rect, m_origin);
}

std::unique_ptr<TopWindowPeer> HeadlessToolkit::CreateTopWindow(TopWindowHandler& handler,
                                                                const std::string& title,
                                                                Size clientSize) {
    return std::make_unique<HeadlessTopWindow>(handler, title, clientSize);
}

}  // namespace platform::ui

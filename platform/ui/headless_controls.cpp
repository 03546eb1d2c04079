#include "platform/ui/headless_controls.h"

#include <algorithm>

#include "platform/ui/clipboard.h"
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

// ---- Edit fields ----------------------------------------------------------------------------

HeadlessEdit::HeadlessEdit(HeadlessControl& control, EditHandler& handler, const Rect& rect,
                           const EditSpec& spec)
    : m_control(&control), m_handler(handler), m_rect(rect), m_spec(spec) {}

HeadlessEdit::~HeadlessEdit() {
    *m_alive = false;
    if (m_control) m_control->ForgetEdit(this);
}

void HeadlessEdit::SetText(const std::string& text) {
    m_text = text;
    m_selStart = m_selEnd = static_cast<int>(m_text.size());
}

void HeadlessEdit::SetSelection(int start, int end) {
    const int size = static_cast<int>(m_text.size());
    auto place = [size](int v) { return v < 0 || v > size ? size : v; };
    m_selStart = place(start);
    m_selEnd = place(end);
}

void HeadlessEdit::GetSelection(int& start, int& end) const {
    start = m_selStart;
    end = m_selEnd;
}

void HeadlessEdit::SetFocus() {
    if (m_focus) return;
    if (m_control) m_control->FocusToEdit(this);
    m_focus = true;
}

void HeadlessEdit::LoseFocus() {
    if (!m_focus) return;
    m_focus = false;
    m_handler.OnKillFocus();  // the handler may destroy the field
}

void HeadlessEdit::Replace(const std::string& text) {
    const int from = std::min(m_selStart, m_selEnd);
    const int to = std::max(m_selStart, m_selEnd);
    m_text.replace(static_cast<size_t>(from), static_cast<size_t>(to - from), text);
    m_selStart = m_selEnd = from + static_cast<int>(text.size());
    m_handler.OnChange();
}

void HeadlessEdit::TypeChar(int character) {
    if (character == '\b') {
        if (m_selStart == m_selEnd && m_selStart > 0) --m_selStart;
        Replace("");
    } else if (character >= ' ' && character <= 0xFF) {
        Replace(std::string(1, static_cast<char>(character)));
    }
}

void HeadlessEdit::Paste() {
    Toolkit* toolkit = FindToolkit();
    if (!toolkit) return;
    const std::optional<std::string> block = toolkit->GetClipboard().GetText();
    if (block) Replace(std::string(TextOfBlock(*block)));
}

void HeadlessEdit::SetListIndex(int index) {
    if (index < 0 || index >= static_cast<int>(m_spec.choices.size())) {
        m_listIndex = -1;
        return;
    }
    m_listIndex = index;
    SetText(m_spec.choices[static_cast<size_t>(index)]);
}

void HeadlessEdit::KeyDown(int key, unsigned modifiers) {
    const std::shared_ptr<bool> alive = m_alive;
    if (m_handler.OnKeyDown(key, modifiers) || !*alive) return;
    const int size = static_cast<int>(m_text.size());
    const int left = std::min(m_selStart, m_selEnd);
    const int right = std::max(m_selStart, m_selEnd);
    switch (key) {
        case kKeyLeft:
            m_selStart = m_selEnd = left == right ? std::max(0, left - 1) : left;
            break;
        case kKeyRight:
            m_selStart = m_selEnd = left == right ? std::min(size, right + 1) : right;
            break;
        case kKeyHome:
            m_selStart = m_selEnd = 0;
            break;
        case kKeyEnd:
            m_selStart = m_selEnd = size;
            break;
        case kKeyDelete:
            if (left == right && right < size) m_selEnd = right + 1;
            Replace("");
            break;
        case kKeyUp:
        case kKeyDown:
            if (m_spec.dropDown) {
                const int last = static_cast<int>(m_spec.choices.size()) - 1;
                const int step = key == kKeyUp ? -1 : 1;
                SetListIndex(std::clamp(m_listIndex + step, 0, last));
                if (*alive) m_handler.OnChange();
            }
            break;
        default:
            break;
    }
}

void HeadlessEdit::KeyUp(int key, unsigned modifiers) {
    m_handler.OnKeyUp(key, modifiers);
}

void HeadlessEdit::Char(int character, unsigned modifiers) {
    const std::shared_ptr<bool> alive = m_alive;
    if (m_handler.OnChar(character, modifiers) || !*alive) return;
    if (m_spec.dropDown && m_spec.chooseOnly) return;
    TypeChar(character);
}

void HeadlessEdit::Type(const std::string& text) {
    const std::shared_ptr<bool> alive = m_alive;
    for (char c : text) {
        if (!*alive) return;
        Char(static_cast<unsigned char>(c));
    }
}

// ---- Control windows ------------------------------------------------------------------------

HeadlessControl::HeadlessControl(ControlHandler& handler, const Rect& rect, Point parentOrigin)
    : m_handler(handler), m_rect(rect), m_parentOrigin(parentOrigin) {}

HeadlessControl::~HeadlessControl() {
    for (HeadlessFloat* f : m_floats) f->ForgetControl();
    for (HeadlessEdit* e : m_edits) e->ForgetControl();
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
    // The field that had the focus hears of it first; it may close and go.
    for (HeadlessEdit* e : std::vector<HeadlessEdit*>(m_edits)) {
        if (std::find(m_edits.begin(), m_edits.end(), e) != m_edits.end() && e->HasFocus())
            e->LoseFocus();
    }
    // A field that opened meanwhile (the next cell's editor) keeps the focus it took.
    for (HeadlessEdit* e : m_edits) {
        if (e->HasFocus()) return;
    }
    if (m_focus) return;
    m_focus = true;
    m_handler.OnSetFocus();
}

void HeadlessControl::LoseFocus() {
    if (!m_focus) return;
    m_focus = false;
    m_handler.OnKillFocus();
}

void HeadlessControl::FocusToEdit(HeadlessEdit* edit) {
    for (HeadlessEdit* e : std::vector<HeadlessEdit*>(m_edits)) {
        if (e != edit && std::find(m_edits.begin(), m_edits.end(), e) != m_edits.end() &&
            e->HasFocus())
            e->LoseFocus();
    }
    if (m_focus) {
        m_focus = false;
        m_handler.OnKillFocus();
    }
}

std::unique_ptr<EditPeer> HeadlessControl::CreateEdit(EditHandler& handler, const Rect& rect,
                                                      const EditSpec& spec) {
    if (m_failEdit) {
        m_failEdit = false;
        return nullptr;
    }
    auto e = std::make_unique<HeadlessEdit>(*this, handler, rect, spec);
    m_edits.push_back(e.get());
    return e;
}

void HeadlessControl::ForgetEdit(HeadlessEdit* e) {
    m_edits.erase(std::remove(m_edits.begin(), m_edits.end(), e), m_edits.end());
}

DropEffect HeadlessControl::DragText(const std::string& text) {
    m_dragged.push_back(text);
    return m_dragScript ? m_dragScript(text) : DropEffect::None;
}

bool HeadlessControl::PointerPosition(Point& client) const {
    if (!m_pointer) return false;
    client = *m_pointer;
    return true;
}

DropEffect HeadlessControl::DropText(const std::string& block, Point point, unsigned keys) {
    if (!m_acceptsDrops) return DropEffect::None;
    DropEffect effect = m_handler.OnDragEnter(true, keys, point);
    if (effect != DropEffect::None) effect = m_handler.OnDragOver(true, keys, point);
    if (effect == DropEffect::None) {
        m_handler.OnDragLeave();
        return DropEffect::None;
    }
    return m_handler.OnDrop(block, effect, point) ? effect : DropEffect::None;
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

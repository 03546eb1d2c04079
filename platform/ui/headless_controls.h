// Control windows, floating pop-ups and top-level tool windows with no display. They keep their
// state where tests can read it (client size, scroll bars, focus, capture, cursor, what was
// marked for repainting) and take the user's input from a test: a resize, a scroll bar click,
// the mouse, the wheel and the keys. Mouse messages go where the toolkit would send them: to
// the pop-up that holds the capture, else to the control.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/control_window.h"
#include "platform/ui/recording_dc.h"

namespace platform::ui {

class HeadlessControl;

/// An edit field (or drop-down) over a headless control. The keys a test gives it go first to
/// its handler, then do what an edit field does with them: characters replace the selection,
/// Backspace and Delete delete, Left, Right, Home and End move the caret, and in a drop-down
/// Up and Down choose the line above or below.
class HeadlessEdit : public EditPeer {
  public:
    HeadlessEdit(HeadlessControl& control, EditHandler& handler, const Rect& rect,
                 const EditSpec& spec);
    ~HeadlessEdit() override;

    void SetText(const std::string& text) override;
    std::string GetText() const override { return m_text; }
    void SetSelection(int start, int end) override;
    void GetSelection(int& start, int& end) const override;
    void SetRect(const Rect& rect) override { m_rect = rect; }
    Rect GetRect() const override { return m_rect; }
    void SetFocus() override;
    bool HasFocus() const override { return m_focus; }
    void TypeChar(int character) override;
    void Paste() override;
    int GetListIndex() const override { return m_listIndex; }
    void SetListIndex(int index) override;

    // ---- What a user does (the field may be gone after each) --------------------------------
    void KeyDown(int key, unsigned modifiers = 0);
    void KeyUp(int key, unsigned modifiers = 0);
    void Char(int character, unsigned modifiers = 0);
    /// Types each character of `text`.
    void Type(const std::string& text);

    // ---- Record ------------------------------------------------------------------------------
    const EditSpec& Spec() const { return m_spec; }
    int Caret() const { return m_selEnd; }
    /// Called by the control when another window takes the focus.
    void LoseFocus();
    void ForgetControl() { m_control = nullptr; }

  private:
    /// Replaces the selection by `text` and reports the change.
    void Replace(const std::string& text);

    HeadlessControl* m_control;
    EditHandler& m_handler;
    Rect m_rect;
    EditSpec m_spec;
    std::string m_text;
    int m_selStart = 0;
    int m_selEnd = 0;
    int m_listIndex = -1;
    bool m_focus = false;
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
};

class HeadlessFloat : public FloatPeer {
  public:
    HeadlessFloat(HeadlessControl& control, FloatHandler& handler)
        : m_control(&control), m_handler(handler) {}
    ~HeadlessFloat() override;

    void ShowAt(const Rect& screenRect) override;
    void Hide() override { m_visible = false; }
    bool IsVisible() const override { return m_visible; }
    Rect ScreenRect() const override { return m_rect; }
    void CaptureMouse() override;
    void ReleaseMouse() override;
    bool HasCapture() const override;
    void Invalidate() override { ++m_invalidations; }

    // ---- What a user does -------------------------------------------------------------
    /// A mouse message over the pop-up, `point` in its own pixels.
    void Mouse(MouseAction action, Point point, unsigned keys = 0);
    void KeyDown(int key, unsigned modifiers = 0) { m_handler.OnKeyDown(key, modifiers); }

    // ---- Record --------------------------------------------------------------------------
    /// Paints the window on a recording at 96 pixels per inch and returns it.
    std::unique_ptr<RecordingDC> PaintNow();
    int TimesShown() const { return m_timesShown; }
    FloatHandler& Handler() { return m_handler; }
    void ForgetControl() { m_control = nullptr; }

  private:
    HeadlessControl* m_control;
    FloatHandler& m_handler;
    Rect m_rect;
    bool m_visible = false;
    int m_timesShown = 0;
    int m_invalidations = 0;
};

class HeadlessControl : public ControlPeer {
  public:
    /// Scroll bars of the classic look, pixels.
    static constexpr int kScrollBarSize = 17;

    /// A control window at `rect` of a parent whose client area starts at `parentOrigin` on the
    /// screen.
    HeadlessControl(ControlHandler& handler, const Rect& rect, Point parentOrigin = {0, 0});
    ~HeadlessControl() override;

    Size ClientSize() const override;
    Size ScrollBarSizes() const override { return {kScrollBarSize, kScrollBarSize}; }
    void ShowScrollBar(bool vertical, bool show) override { MutableBar(vertical).shown = show; }
    bool IsScrollBarShown(bool vertical) const override { return Bar(vertical).shown; }
    void SetScrollBar(bool vertical, int maximum, int page, int position) override;
    void Invalidate() override;
    void InvalidateRect(const Rect& rect) override;
    void Update() override;
    Point ClientToScreen(Point p) const override {
        return {p.x + m_parentOrigin.x + m_rect.left, p.y + m_parentOrigin.y + m_rect.top};
    }
    Point ScreenToClient(Point p) const override {
        return {p.x - m_parentOrigin.x - m_rect.left, p.y - m_parentOrigin.y - m_rect.top};
    }
    void SetFocus() override;
    bool HasFocus() const override { return m_focus; }
    bool ApplicationHasFocus() const override { return m_applicationActive; }
    void CaptureMouse() override;
    void ReleaseMouse() override;
    bool HasCapture() const override { return m_capture == this; }
    void SetCursor(CursorShape shape) override { m_cursor = shape; }
    std::unique_ptr<DC> CreateMeasureDC() const override;
    std::unique_ptr<FloatPeer> CreateFloat(FloatHandler& handler) override;
    void SetRect(const Rect& rect) override;
    std::unique_ptr<EditPeer> CreateEdit(EditHandler& handler, const Rect& rect,
                                         const EditSpec& spec) override;
    /// Asks the test's drag script; records the dragged text.
    DropEffect DragText(const std::string& text) override;
    void AcceptTextDrops(bool accept) override { m_acceptsDrops = accept; }
    bool PointerPosition(Point& client) const override;
    std::string AncestorText() const override { return m_ancestorText; }

    // ---- What a user does -------------------------------------------------------------
    /// Resizes the window (its top-left corner stays) and tells the control.
    void Resize(Size windowSize);
    /// A click on a scroll bar (or a drag of its thumb to `trackPosition`).
    void Scroll(bool vertical, ScrollCode code, int trackPosition = 0);
    /// A mouse message at `point` of the client area, to the capture's holder.
    void Mouse(MouseAction action, Point point, unsigned keys = 0);
    void Wheel(int delta, Point point, unsigned keys = 0);
    void KeyDown(int key, unsigned modifiers = 0) { m_handler.OnKeyDown(key, modifiers); }
    void Char(int character, unsigned modifiers = 0) { m_handler.OnChar(character, modifiers); }
    /// The keyboard focus goes to another window (the control is told when it had it).
    void LoseFocus();
    /// Another application takes (false) or gives back (true) the keyboard.
    void SetApplicationActive(bool active) { m_applicationActive = active; }
    /// Where the pointer is, client pixels; none: it cannot be had.
    void SetPointer(std::optional<Point> client) { m_pointer = client; }
    /// The next edit field cannot be made.
    void FailNextEdit() { m_failEdit = true; }
    /// What a drag out of the control does: the script gets the text and answers the drop's
    /// effect (none when there is no script).
    void SetDragScript(std::function<DropEffect(const std::string&)> script) {
        m_dragScript = std::move(script);
    }
    void SetAncestorText(std::string text) { m_ancestorText = std::move(text); }
    /// Text dragged over the control from elsewhere and dropped at `point`: OnDragEnter, then
    /// OnDrop when the control would take it (else OnDragLeave); the drop's effect.
    DropEffect DropText(const std::string& block, Point point, unsigned keys = 0);

    // ---- Record --------------------------------------------------------------------------
    struct BarState {
        bool shown = false;
        int maximum = 0;
        int page = 0;
        int position = 0;
    };
    const BarState& Bar(bool vertical) const { return vertical ? m_vertical : m_horizontal; }
    /// Paints the whole client area on a recording at 96 pixels per inch and returns it.
    std::unique_ptr<RecordingDC> PaintNow();
    /// What Update painted last (nullptr before the first).
    const RecordingDC* LastUpdate() const { return m_lastUpdate.get(); }
    int Invalidations() const { return m_invalidations; }
    /// The rectangles marked since the last ClearInvalid (a whole-window mark is the client).
    const std::vector<Rect>& InvalidRects() const { return m_invalidRects; }
    void ClearInvalid() { m_invalidRects.clear(); }
    CursorShape Cursor() const { return m_cursor; }
    Size WindowSize() const { return {m_rect.Width(), m_rect.Height()}; }
    /// The pop-ups of this control that still exist.
    const std::vector<HeadlessFloat*>& Floats() const { return m_floats; }
    ControlHandler& Handler() { return m_handler; }
    /// Run when the window is destroyed (the window that holds it forgets it).
    void SetOnDestroyed(std::function<void()> onDestroyed) {
        m_onDestroyed = std::move(onDestroyed);
    }
    /// The edit field open now (the last made), or nullptr.
    HeadlessEdit* Edit() const { return m_edits.empty() ? nullptr : m_edits.back(); }
    /// The texts dragged out of the control, in order.
    const std::vector<std::string>& Dragged() const { return m_dragged; }
    bool AcceptsDrops() const { return m_acceptsDrops; }

    // ---- Between the control and its pop-ups -----------------------------------------------
    void SetCaptureHolder(const void* holder);
    bool IsCaptureHolder(const void* holder) const { return m_capture == holder; }
    void ForgetFloat(HeadlessFloat* f);
    void ForgetEdit(HeadlessEdit* e);
    /// An edit field takes the focus from the control (or from another field).
    void FocusToEdit(HeadlessEdit* e);

  private:
    BarState& MutableBar(bool vertical) { return vertical ? m_vertical : m_horizontal; }

    ControlHandler& m_handler;
    Rect m_rect;
    Point m_parentOrigin;
    BarState m_horizontal;
    BarState m_vertical;
    bool m_focus = false;
    bool m_applicationActive = true;
    const void* m_capture = nullptr;  ///< this control, one of its pop-ups, or nullptr
    CursorShape m_cursor = CursorShape::Arrow;
    int m_invalidations = 0;
    std::vector<Rect> m_invalidRects;
    std::unique_ptr<RecordingDC> m_lastUpdate;
    std::vector<HeadlessFloat*> m_floats;
    std::function<void()> m_onDestroyed;
    std::vector<HeadlessEdit*> m_edits;
    std::optional<Point> m_pointer;
    bool m_failEdit = false;
    bool m_acceptsDrops = false;
    std::function<DropEffect(const std::string&)> m_dragScript;
    std::vector<std::string> m_dragged;
    std::string m_ancestorText;
};

class HeadlessTopWindow : public TopWindowPeer {
  public:
    HeadlessTopWindow(TopWindowHandler& handler, std::string title, Size clientSize,
                      Point screenOrigin = {100, 100})
        : m_handler(handler),
          m_title(std::move(title)),
          m_client(clientSize),
          m_origin(screenOrigin) {}

    std::unique_ptr<ControlPeer> CreateControl(ControlHandler& handler, const Rect& rect) override;
    void SetTitle(const std::string& title) override { m_title = title; }
    void AddLabel(const std::string& text, const Rect&) override { m_labels.push_back(text); }
    Size ClientSize() const override { return m_client; }
    void Show(bool show) override { m_visible = show; }
    bool IsVisible() const override { return m_visible; }

    void Close() { m_handler.OnClose(); }
    const std::string& Title() const { return m_title; }
    const std::vector<std::string>& Labels() const { return m_labels; }

  private:
    TopWindowHandler& m_handler;
    std::string m_title;
    Size m_client;
    Point m_origin;
    bool m_visible = false;
    std::vector<std::string> m_labels;
};

}  // namespace platform::ui

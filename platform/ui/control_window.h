// Control windows: a child window that a control of the program (the grid) draws itself through
// a device context, with its own scroll bars, the mouse, the keyboard and the focus; the small
// floating pop-ups such a control shows over itself (a tip over a cut-off text); and a plain
// top-level window to hold controls in a tool or a demonstration. As everywhere in the UI
// layer, the program's object implements the handler and the backend the peer.
#pragma once

#include <memory>
#include <string>

#include "platform/ui/dc.h"
#include "platform/ui/geometry.h"
#include "platform/ui/window.h"

namespace platform::ui {

// ---- Input ----------------------------------------------------------------------------------

enum class MouseAction {
    Move,
    LeftDown,
    LeftUp,
    LeftDoubleClick,
    RightDown,
    RightUp,
    MiddleDown,
    Leave,  ///< the pointer left the window (no capture held)
};

/// Buttons and keys held during a mouse message.
enum MouseKeys : unsigned {
    kMouseLeft = 0x01,
    kMouseRight = 0x02,
    kMouseShift = 0x04,
    kMouseCtrl = 0x08,
    kMouseMiddle = 0x10,
};

struct MouseEvent {
    MouseAction action = MouseAction::Move;
    Point point;        ///< in the receiving window's client pixels
    unsigned keys = 0;  ///< MouseKeys
};

enum class CursorShape { Arrow, SizeNS, SizeWE, Wait };

// ---- Floating pop-ups -----------------------------------------------------------------------

/// What a floating pop-up reports to its program object.
class FloatHandler {
  public:
    virtual ~FloatHandler() = default;
    /// Paints the whole window (its border included): device pixels from its top-left corner.
    virtual void Paint(DC& dc) = 0;
    /// A mouse message: while the pop-up holds the capture, every move and press of the pointer
    /// anywhere over its control; otherwise those over the pop-up. `point` is in the pop-up's
    /// pixels.
    virtual void OnMouse(const MouseEvent&) {}
    /// A key pressed while the pop-up had the keyboard.
    virtual void OnKeyDown(int /*key*/, unsigned /*modifiers*/) {}
    /// The capture was taken away (the application lost the focus, another window grabbed it).
    virtual void OnCaptureLost() {}
};

/// The backend's pop-up: a window without caption on top of the others that never takes the
/// focus from its control.
class FloatPeer {
  public:
    virtual ~FloatPeer() = default;
    /// Moves the window to `screenRect` (its border included), above every other window, and
    /// shows it without activating it.
    virtual void ShowAt(const Rect& screenRect) = 0;
    virtual void Hide() = 0;
    virtual bool IsVisible() const = 0;
    /// The window's rectangle on the screen (where it was last shown).
    virtual Rect ScreenRect() const = 0;
    /// Mouse messages of the control go to the pop-up (see FloatHandler::OnMouse).
    virtual void CaptureMouse() = 0;
    virtual void ReleaseMouse() = 0;
    virtual bool HasCapture() const = 0;
    virtual void Invalidate() = 0;
};

// ---- Control windows ------------------------------------------------------------------------

/// What a control window reports to its program object.
class ControlHandler {
  public:
    virtual ~ControlHandler() = default;
    /// Paints the client area; `dc` is in device pixels (MapMode::Text) from the client's
    /// top-left corner, with the clip set to the area to repaint.
    virtual void Paint(DC& dc) = 0;
    /// The client area changed size (scroll bars shown or hidden count as a change).
    virtual void OnSize(Size /*client*/) {}
    /// A scroll bar was used; `trackPosition` is the thumb's position for ThumbTrack.
    virtual void OnScroll(bool /*vertical*/, ScrollCode /*code*/, int /*trackPosition*/) {}
    virtual void OnMouse(const MouseEvent&) {}
    /// The wheel turned by `delta` (120 per notch, positive away from the user).
    virtual void OnMouseWheel(int /*delta*/, unsigned /*keys*/, Point /*point*/) {}
    virtual void OnKeyDown(int /*key*/, unsigned /*modifiers*/) {}
    /// A typed character in the program's 8-bit encoding.
    virtual void OnChar(int /*character*/, unsigned /*modifiers*/) {}
    virtual void OnSetFocus() {}
    virtual void OnKillFocus() {}
    /// The mouse capture this control held went to another window.
    virtual void OnCaptureLost() {}
};

/// The backend's control window. Its client area is the window less the scroll bars shown.
class ControlPeer {
  public:
    virtual ~ControlPeer() = default;
    virtual Size ClientSize() const = 0;
    /// Width of the vertical scroll bar (cx) and height of the horizontal one (cy), pixels.
    virtual Size ScrollBarSizes() const = 0;
    /// Shows or hides one scroll bar; the client area changes at once.
    virtual void ShowScrollBar(bool vertical, bool show) = 0;
    virtual bool IsScrollBarShown(bool vertical) const = 0;
    /// Sets a bar's range (positions 0 to `maximum`), its page (the thumb) and position.
    virtual void SetScrollBar(bool vertical, int maximum, int page, int position) = 0;
    /// Marks the client area (or a part of it) for repainting.
    virtual void Invalidate() = 0;
    virtual void InvalidateRect(const Rect& rect) = 0;
    /// Repaints what is marked now.
    virtual void Update() = 0;
    virtual Point ClientToScreen(Point p) const = 0;
    virtual Point ScreenToClient(Point p) const = 0;
    virtual void SetFocus() = 0;
    virtual bool HasFocus() const = 0;
    /// Whether a window of this application has the keyboard focus.
    virtual bool ApplicationHasFocus() const = 0;
    virtual void CaptureMouse() = 0;
    virtual void ReleaseMouse() = 0;
    virtual bool HasCapture() const = 0;
    virtual void SetCursor(CursorShape shape) = 0;
    /// A device context that measures text as this window's painting does; it draws nowhere.
    virtual std::unique_ptr<DC> CreateMeasureDC() const = 0;
    /// A floating pop-up belonging to this control (hidden until shown).
    virtual std::unique_ptr<FloatPeer> CreateFloat(FloatHandler& handler) = 0;
    /// Moves the window within its parent.
    virtual void SetRect(const Rect& rect) = 0;
};

/// A window that holds control windows.
class ControlParent {
  public:
    virtual ~ControlParent() = default;
    /// A control window at `rect` of the parent's client area; nullptr when it cannot be made.
    virtual std::unique_ptr<ControlPeer> CreateControl(ControlHandler& handler,
                                                       const Rect& rect) = 0;
};

// ---- Top-level windows of tools ---------------------------------------------------------------

class TopWindowHandler {
  public:
    virtual ~TopWindowHandler() = default;
    /// The user closes the window.
    virtual void OnClose() = 0;
    virtual void OnSize(Size /*client*/) {}
};

/// A plain top-level window with a title, holding control windows and labels on the dialog
/// background.
class TopWindowPeer : public ControlParent {
  public:
    virtual void SetTitle(const std::string& title) = 0;
    /// A line of text at `rect` of the client area, in the desktop font.
    virtual void AddLabel(const std::string& text, const Rect& rect) = 0;
    virtual Size ClientSize() const = 0;
    virtual void Show(bool show) = 0;
    virtual bool IsVisible() const = 0;
};

}  // namespace platform::ui

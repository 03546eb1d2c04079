// Control windows: a child window that a control of the program (the grid) draws itself through
// a device context, with its own scroll bars, the mouse, the keyboard, the focus and text dragged
// in and out; the small floating pop-ups such a control shows over itself (a tip over a cut-off
// text); the edit fields it opens over itself (a cell edited in place); and a plain top-level
// window to hold controls in a tool or a demonstration. As everywhere in the UI layer, the
// program's object implements the handler and the backend the peer.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

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

/// What a drop of dragged text does: nothing, a copy, or a move (the source then removes it).
enum class DropEffect { None, Copy, Move };

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

// ---- Edit fields over a control ----------------------------------------------------------------

/// How an edit field opened over a control looks. With `dropDown` it is a combo box: the field
/// over the top of its rectangle (`fieldHeight` high) and a list of `choices` below it, open.
struct EditSpec {
    unsigned align = kDtLeft;  ///< kDtLeft, kDtCenter or kDtRight
    std::optional<Font> font;  ///< none: the desktop font
    bool dropDown = false;
    bool chooseOnly = false;  ///< a drop-down whose text can only be one of the choices
    int fieldHeight = 0;      ///< of a drop-down's field, pixels
    int listWidth = 0;        ///< of a drop-down's list, pixels (never narrower than the field)
    std::vector<std::string> choices;
};

/// What an edit field reports to its program object. A handler may destroy the field's peer
/// from within any of these calls.
class EditHandler {
  public:
    virtual ~EditHandler() = default;
    /// A key went down in the field; true when the handler took it and the field does nothing
    /// more with it.
    virtual bool OnKeyDown(int /*key*/, unsigned /*modifiers*/) { return false; }
    virtual bool OnKeyUp(int /*key*/, unsigned /*modifiers*/) { return false; }
    /// A typed character in the program's 8-bit encoding (Tab, Return, Escape and Backspace
    /// among them); true when the handler took it.
    virtual bool OnChar(int /*character*/, unsigned /*modifiers*/) { return false; }
    /// The user changed the text: typed, deleted or pasted.
    virtual void OnChange() {}
    /// The field lost the keyboard focus.
    virtual void OnKillFocus() {}
};

/// The backend's edit field: one line of text in a child window of a control. Destroying the
/// peer destroys the field.
class EditPeer {
  public:
    virtual ~EditPeer() = default;
    /// Replaces the text (no OnChange); the caret goes to its end.
    virtual void SetText(const std::string& text) = 0;
    virtual std::string GetText() const = 0;
    /// Selects the characters from `start` up to `end` (excluded); the caret goes to `end`. -1
    /// stands for the end of the text.
    virtual void SetSelection(int start, int end) = 0;
    virtual void GetSelection(int& start, int& end) const = 0;
    /// Moves the field to `rect` of the control's client area (right and bottom outside).
    virtual void SetRect(const Rect& rect) = 0;
    virtual Rect GetRect() const = 0;
    virtual void SetFocus() = 0;
    virtual bool HasFocus() const = 0;
    /// Does with `character` what typing it does (it replaces the selection; Backspace deletes),
    /// then reports the change.
    virtual void TypeChar(int character) = 0;
    /// Pastes the clipboard's text over the selection.
    virtual void Paste() = 0;
    /// A drop-down's chosen line (-1: none); choosing a line puts its text in the field.
    virtual int GetListIndex() const { return -1; }
    virtual void SetListIndex(int /*index*/) {}
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

    // Text dragged over the control, once it accepts drops (ControlPeer::AcceptTextDrops).
    // `hasText` says whether the dragged data offers text; `keys` are MouseKeys.
    /// The drag comes over the control: what a drop at `point` would do.
    virtual DropEffect OnDragEnter(bool /*hasText*/, unsigned /*keys*/, Point /*point*/) {
        return DropEffect::None;
    }
    virtual DropEffect OnDragOver(bool /*hasText*/, unsigned /*keys*/, Point /*point*/) {
        return DropEffect::None;
    }
    virtual void OnDragLeave() {}
    /// The text block was dropped at `point` (it may hold NUL bytes); true when it was taken.
    virtual bool OnDrop(const std::string& /*block*/, DropEffect /*effect*/, Point /*point*/) {
        return false;
    }
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

    /// An edit field at `rect` of the client area (right and bottom outside), shown; nullptr
    /// when it cannot be made.
    virtual std::unique_ptr<EditPeer> CreateEdit(EditHandler& /*handler*/, const Rect& /*rect*/,
                                                 const EditSpec& /*spec*/) {
        return nullptr;
    }
    /// Drags `text` out of the control, as a copy or a move, until the user drops or cancels;
    /// returns what the drop did (None: cancelled or refused).
    virtual DropEffect DragText(const std::string& /*text*/) { return DropEffect::None; }
    /// Makes the control take part (or not) in dragging text: its handler hears OnDrag*.
    virtual void AcceptTextDrops(bool /*accept*/) {}
    /// Where the pointer is, in client pixels (also outside the window); false when it cannot
    /// be had.
    virtual bool PointerPosition(Point& /*client*/) const { return false; }
    /// The text of the nearest window around the control that has one (a dialog's caption).
    virtual std::string AncestorText() const { return {}; }
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

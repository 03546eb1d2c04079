// Windows of the UI layer. A window of the program (the main frame, a child frame, a view, the
// splash) is a plain object holding a peer: the backend's window, behind the abstract peer
// interfaces below. The program's object handles what the peer reports through the handler
// interfaces. A headless backend implements the peers with no display at all, so tests drive
// the program's windows as a user would; the wxWidgets backend gives real windows.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/ui/bitmap.h"
#include "platform/ui/command.h"
#include "platform/ui/geometry.h"
#include "platform/ui/menu.h"
#include "platform/ui/window_placement.h"

namespace platform::ui {

class DC;

/// Input seen by the application before any window gets it (see Application).
enum class MessageKind {
    KeyDown,
    SysKeyDown,
    KeyUp,
    LButtonDown,
    RButtonDown,
    MButtonDown,
    NcLButtonDown,  ///< a press on a window's frame or caption
    NcRButtonDown,
    NcMButtonDown,
    MouseMove,
    Other,
};

struct InputMessage {
    MessageKind kind = MessageKind::Other;
    int key = 0;  ///< KeyCode of key messages
};

// ---- Views ----------------------------------------------------------------------------------

enum class ScrollCode { LineUp, LineDown, PageUp, PageDown, Top, Bottom, ThumbTrack };

/// What a view reports to its program object.
class ViewHandler {
  public:
    virtual ~ViewHandler() = default;
    /// Paints the view; `dc` is in device pixels (MapMode::Text), origin at the client's
    /// top-left, with the clip set to the area to repaint.
    virtual void Paint(DC& dc) = 0;
    virtual void OnSize(Size) {}
    /// A key (KeyCode) pressed `repeat` times while the view has the focus, with `modifiers`
    /// (KeyModifier bits) held. Returns whether the view took it; a key it leaves goes on to
    /// the accelerators.
    virtual bool OnKeyDown(int /*key*/, int /*repeat*/, unsigned /*modifiers*/) { return false; }
    /// A scroll bar was used; `position` is the thumb's device position for ThumbTrack.
    virtual void OnScroll(bool /*vertical*/, ScrollCode /*code*/, int /*position*/) {}
    virtual void OnMouseWheel(int /*lines*/) {}
    virtual void OnSetFocus() {}
};

/// The backend's view window.
class ViewPeer {
  public:
    virtual ~ViewPeer() = default;
    virtual void Invalidate() = 0;
    /// Repaints what is invalid now.
    virtual void Update() = 0;
    virtual Size ClientSize() const = 0;
    /// Shows scroll bars for a content of `total` device pixels at `position`; a dimension of
    /// `total` not above the client hides its bar.
    virtual void SetScrollBars(Size total, Point position, Size page) = 0;
    virtual void SetFocus() = 0;
};

// ---- Child frames ---------------------------------------------------------------------------

class ChildHandler {
  public:
    virtual ~ChildHandler() = default;
    /// The user closes the child window (its close box or Ctrl+F4).
    virtual void OnClose() = 0;
    /// The child became the active one.
    virtual void OnActivate() {}
};

/// The backend's child window inside the main frame's client area.
class ChildPeer {
  public:
    virtual ~ChildPeer() = default;
    virtual void SetTitle(const std::string& title) = 0;
    virtual std::string GetTitle() const = 0;
    /// A new view window in this child.
    virtual std::unique_ptr<ViewPeer> CreateView(ViewHandler& handler) = 0;
    /// Places the views as a grid of `rows` x `columns` panes (row by row); 1 x 1 shows the
    /// first view alone.
    virtual void LayoutPanes(int rows, int columns, const std::vector<ViewPeer*>& panes) = 0;
    /// Shows the child maximised in the client area and makes it active.
    virtual void ActivateMaximized() = 0;
    /// Brings the child in front of the others and makes it active, maximised or not as it is.
    virtual void Activate() = 0;
    virtual bool IsMaximized() const = 0;
};

// ---- The main frame -------------------------------------------------------------------------

enum class ControlBar { ToolBar, StatusBar };
enum class ChildArrangement { Cascade, TileHorizontal, TileVertical, ArrangeIcons };

/// What the main window is made with.
struct FrameSpec {
    std::string title;
    Menu menu;
    AcceleratorTable accelerators;
    ToolBar toolBar;
    std::vector<Bitmap> toolImages;        ///< one per button of toolBar (separators too)
    std::vector<std::string> toolTips;     ///< one per button of toolBar
    std::vector<std::string> menuPrompts;  ///< parallel to promptIds: status-bar help texts
    std::vector<int> promptIds;
    std::vector<int> statusWidths;  ///< pane widths in pixels (-1 stretches), one per pane
    std::string idleMessage;        ///< pane 0 when no prompt shows
    Bitmap icon;
};

class FrameHandler {
  public:
    virtual ~FrameHandler() = default;
    /// A menu item, tool bar button or accelerator.
    virtual void OnFrameCommand(int id) = 0;
    /// The state of a command, asked before menus and the tool bar show.
    virtual void OnFrameUpdateCmdUI(CmdUI& ui) = 0;
    /// The user closes the main window.
    virtual void OnFrameClose() = 0;
    /// The window is about to be shown (`show` true) or hidden, with its visibility before.
    virtual void OnFrameShowWindow(bool /*show*/, bool /*wasVisible*/) {}
    virtual void OnDropFiles(const std::vector<std::string>& /*paths*/) {}
};

class FramePeer {
  public:
    virtual ~FramePeer() = default;
    virtual void SetTitle(const std::string& title) = 0;
    virtual std::string GetTitle() const = 0;
    /// Replaces the menu bar.
    virtual void SetMenu(const Menu& menu) = 0;
    /// The menu bar as shown, with the enabled states and check marks of its items.
    virtual const Menu& GetMenu() const = 0;
    virtual void SetMenuItemCheck(int id, bool checked) = 0;
    virtual void ShowControlBar(ControlBar bar, bool show) = 0;
    virtual bool IsControlBarVisible(ControlBar bar) const = 0;
    /// Sets a status-bar pane and redraws it at once.
    virtual void SetStatusText(int pane, const std::string& text) = 0;
    virtual std::string GetStatusText(int pane) const = 0;
    /// The width in pixels a status-bar pane needs to show `text` whole: the text measured in
    /// the bar's own font, with the pane's borders and margins.
    virtual int StatusPaneWidth(const std::string& text) const = 0;
    /// Sets the widths of the status-bar panes in pixels (-1 stretches).
    virtual void SetStatusWidths(const std::vector<int>& widths) = 0;
    virtual WindowPlacement GetPlacement() const = 0;
    virtual void SetPlacement(const WindowPlacement& placement) = 0;
    /// Shows the window with a show command (kShowNormal, kShowMaximized, ...).
    virtual void Show(int showCommand) = 0;
    virtual bool IsVisible() const = 0;
    virtual void Invalidate() = 0;
    /// Repaints what is invalid now.
    virtual void Update() = 0;
    virtual void DragAcceptFiles(bool accept) = 0;
    virtual std::unique_ptr<ChildPeer> CreateChild(ChildHandler& handler,
                                                   const std::string& title) = 0;
    virtual void ArrangeChildren(ChildArrangement how) = 0;
    /// Closes the window for good (no OnFrameClose).
    virtual void Destroy() = 0;
};

// ---- Pop-up windows (the splash) ------------------------------------------------------------

class PopupHandler {
  public:
    virtual ~PopupHandler() = default;
    virtual void Paint(DC& dc) = 0;
    /// The window is gone (destroyed by the program or the backend).
    virtual void OnDestroyed() {}
};

class PopupPeer {
  public:
    virtual ~PopupPeer() = default;
    virtual void Update() = 0;
    virtual void Destroy() = 0;
    virtual Rect WindowRect() const = 0;
};

}  // namespace platform::ui

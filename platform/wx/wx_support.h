// Shared pieces of the wxWidgets backend (included only by platform/wx sources): text and
// picture conversions, painting a window through the cairo device context, and the peers'
// constructors.
#pragma once

#include <wx/wx.h>
// After wx.h, which it needs first.
#include <wx/weakref.h>

#include <functional>
#include <memory>
#include <string>

#include "platform/ui/dc.h"
#include "platform/ui/dialog.h"
#include "platform/ui/window.h"

namespace platform::wx {

class WxToolkit;

/// Program text (Windows-1252) to a wxString and back.
wxString ToWx(const std::string& text);
std::string FromWx(const wxString& text);

wxBitmap ToWxBitmap(const ui::Bitmap& bitmap);

/// Paints `window` (inside its paint handler) through a cairo device context of its client
/// area at the screen's resolution.
void PaintWindow(wxWindow* window, const std::function<void(ui::DC&)>& paint);

/// The key code of a key event as the program's KeyCode.
int ToKeyCode(const wxKeyEvent& event);
/// The modifier keys held in a key event as KeyModifier bits.
unsigned ToModifiers(const wxKeyEvent& event);

std::unique_ptr<ui::FramePeer> CreateFramePeer(WxToolkit& toolkit, ui::FrameHandler& handler,
                                               const ui::FrameSpec& spec);
std::unique_ptr<ui::DialogPeer> CreateDialogPeer(WxToolkit& toolkit, ui::Dialog& dialog,
                                                 const ui::DialogTemplate& tmpl);
std::unique_ptr<ui::PopupPeer> CreatePopupPeer(WxToolkit& toolkit, ui::PopupHandler& handler,
                                               ui::FramePeer* owner, ui::Size size);

/// A control window (wx_controls.cpp) at `rect` of `parent`'s client area, with its peer;
/// `window` is set to the window made and `canvas` to its part that takes the keyboard.
std::unique_ptr<ui::ControlPeer> CreateControlWindowPeer(wxWindow* parent,
                                                         ui::ControlHandler& handler,
                                                         const ui::Rect& rect, wxWindow*& window,
                                                         wxWindow*& canvas);

/// The main window of the toolkit's frame peer, for parenting dialogs (nullptr when none).
wxWindow* MainWindow();
void SetMainWindow(wxWindow* window);

/// The window a dialog, message box or file dialog raised now belongs to: the innermost modal
/// dialog of ours that shows, otherwise the main window.
wxWindow* ModalOwner();

/// For the length of a modal window (a message box, a file dialog, one of our dialogs): its
/// owner, and when it closes the owner in front again with the keyboard focus back where it
/// was. With no window manager nobody else does that: a dialog would stay hidden behind the
/// main window, or no window would have the focus.
class OwnedModal {
  public:
    explicit OwnedModal(wxWindow* owner = ModalOwner());
    ~OwnedModal();
    OwnedModal(const OwnedModal&) = delete;
    OwnedModal& operator=(const OwnedModal&) = delete;
    wxWindow* Owner() const { return m_owner; }

  private:
    wxWeakRef<wxWindow> m_owner;
    wxWeakRef<wxWindow> m_focus;  ///< the owner's control that had the focus
};

/// The frame peer that shows status texts (the main window's).
ui::FramePeer* MainFramePeer();
void SetMainFramePeer(ui::FramePeer* peer);

/// Raises every splash window above the others (after the main window shows).
void RaisePopups();

}  // namespace platform::wx

// Shared pieces of the wxWidgets backend (included only by platform/wx sources): text and
// picture conversions, painting a window through the cairo device context, and the peers'
// constructors.
#pragma once

#include <wx/wx.h>

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

/// The main window of the toolkit's frame peer, for parenting dialogs (nullptr when none).
wxWindow* MainWindow();
void SetMainWindow(wxWindow* window);

/// The frame peer that shows status texts (the main window's).
ui::FramePeer* MainFramePeer();
void SetMainFramePeer(ui::FramePeer* peer);

/// Raises every splash window above the others (after the main window shows).
void RaisePopups();

}  // namespace platform::wx

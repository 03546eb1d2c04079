// The OpenGL canvas of a dialog on wxWidgets (included only by platform/wx sources).
#pragma once

#include <wx/wx.h>

#include <memory>

#include "platform/ui/gl_view.h"

namespace platform::wx {

/// An OpenGL canvas child of `parent` at `place` (its client pixels), reporting its painting
/// and the mouse to `handler` (which it keeps), and the renderer that draws into it. The canvas
/// belongs to its parent window; the renderer may outlive it, and then draws nothing.
std::unique_ptr<ui::GlRenderer> CreateGlCanvas(wxWindow* parent, const wxRect& place,
                                               std::shared_ptr<ui::GlCanvasHandler> handler);

}  // namespace platform::wx

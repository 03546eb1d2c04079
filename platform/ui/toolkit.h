// The toolkit: the backend that makes windows, dialogs, timers and pictures. The program asks
// the installed toolkit for every window it opens, so the same program runs on the wxWidgets
// backend for people and on the headless backend for tests.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/host.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/clipboard.h"
#include "platform/ui/control_window.h"
#include "platform/ui/dc.h"
#include "platform/ui/print_preview.h"
#include "platform/ui/system_look.h"
#include "platform/ui/window.h"

namespace platform::ui {

class Dialog;
class DialogPeer;
struct DialogTemplate;
class PrintSurface;

class Toolkit {
  public:
    virtual ~Toolkit() = default;

    /// The host of the program's message boxes, file dialogs and status texts.
    virtual Host& GetHost() = 0;
    /// Pixels per inch of the screen.
    virtual double ScreenDpi() const { return 96.0; }

    /// The main window, with its menu, tool bar and status bar; nullptr when it cannot be made.
    virtual std::unique_ptr<FramePeer> CreateFrame(FrameHandler& handler,
                                                   const FrameSpec& spec) = 0;
    virtual std::unique_ptr<DialogPeer> CreateDialog(Dialog& dialog,
                                                     const DialogTemplate& tmpl) = 0;
    /// A borderless pop-up of `size` pixels centred over `owner` (or the screen).
    virtual std::unique_ptr<PopupPeer> CreatePopup(PopupHandler& handler, FramePeer* owner,
                                                   Size size) = 0;

    /// A plain top-level window for control windows (tools, demonstrations); nullptr when it
    /// cannot be made.
    virtual std::unique_ptr<TopWindowPeer> CreateTopWindow(TopWindowHandler& /*handler*/,
                                                           const std::string& /*title*/,
                                                           Size /*clientSize*/) {
        return nullptr;
    }
    /// The desktop's colours, font and mouse settings.
    virtual SystemLook Look() const { return SystemLook::Classic(); }

    /// Calls `onTimer` every `milliseconds` until KillTimer; returns the timer's id (> 0).
    virtual int SetTimer(int milliseconds, std::function<void()> onTimer) = 0;
    virtual void KillTimer(int timerId) = 0;

    /// A picture of `size` pixels drawn by `paint` on a white ground, or a transparent one (a
    /// headless toolkit keeps the size only).
    virtual Bitmap RenderBitmap(Size size, const std::function<void(DC&)>& paint,
                                bool transparent = false) = 0;

    /// A surface for the pages of a print job that writes the PDF file `path`; nullptr when it
    /// cannot be made.
    virtual std::unique_ptr<PrintSurface> CreatePrintSurface(const std::string& path) = 0;
    /// A device context of the screen for measuring text (nothing is drawn on it); nullptr
    /// when there is none.
    virtual std::unique_ptr<DC> CreateScreenMeasureDC() { return nullptr; }
    /// A device context of the default printer for measuring, with its page geometry (nothing
    /// is printed); nullptr when there is no default printer.
    virtual std::unique_ptr<DC> CreatePrinterMeasureDC() { return nullptr; }

    /// The paper of every print job, printer measuring and preview (File/Print Setup).
    const PageSetup& GetPageSetup() const { return m_pageSetup; }
    virtual void SetPageSetup(const PageSetup& setup) { m_pageSetup = setup; }
    /// Prints `printable`, whose OnPreparePrinting has filled `info`: through the system print
    /// dialog (printers, page range, copies, print to file) when the job prompts, otherwise at
    /// once on the default printer.
    virtual PrintOutcome Print(Printable& printable, PrintInfo& info, const PrintJob& job) = 0;
    /// Shows the pages of `printable` (OnPreparePrinting has filled `info`) in the print preview
    /// window, on the paper of Print Setup, until the user closes it or asks to print.
    virtual PrintPreview::Result RunPrintPreview(Printable& printable, const PrintInfo& info) = 0;
    /// The desktop's clipboard (a toolkit without one has a clipboard of its own, in memory).
    virtual Clipboard& GetClipboard() { return m_ownClipboard; }

    /// Ends the message loop after the current message.
    virtual void Quit(int exitCode) = 0;

  private:
    PageSetup m_pageSetup;
    MemoryClipboard m_ownClipboard;
};

/// The installed toolkit. Using it before one is installed is a programming error.
Toolkit& GetToolkit();
/// The installed toolkit, or nullptr when none is.
Toolkit* FindToolkit();
/// Installs `toolkit` (not owned) and returns the previous one.
Toolkit* SetToolkit(Toolkit* toolkit);

class ScopedToolkit {
  public:
    explicit ScopedToolkit(Toolkit& toolkit) : m_previous(SetToolkit(&toolkit)) {}
    ~ScopedToolkit() { SetToolkit(m_previous); }
    ScopedToolkit(const ScopedToolkit&) = delete;
    ScopedToolkit& operator=(const ScopedToolkit&) = delete;

  private:
    Toolkit* m_previous;
};

}  // namespace platform::ui

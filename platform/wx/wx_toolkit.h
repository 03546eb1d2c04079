// The wxWidgets toolkit (included only by platform/wx sources).
#pragma once

#include <wx/timer.h>

#include <map>
#include <memory>
#include <vector>

#include "platform/ui/toolkit.h"

namespace platform::wx {

/// The desktop's clipboard: text that other programs read and give (wx_controls.cpp).
class WxClipboard : public ui::Clipboard {
  public:
    bool SetText(const std::string& text) override;
    bool HasText() const override;
    std::optional<std::string> GetText() const override;
};

class WxToolkit : public ui::Toolkit {
  public:
    explicit WxToolkit(Host& host) : m_host(host) {}
    ~WxToolkit() override;

    Host& GetHost() override { return m_host; }
    std::unique_ptr<ui::FramePeer> CreateFrame(ui::FrameHandler& handler,
                                               const ui::FrameSpec& spec) override;
    std::unique_ptr<ui::DialogPeer> CreateDialog(ui::Dialog& dialog,
                                                 const ui::DialogTemplate& tmpl) override;
    std::unique_ptr<ui::PopupPeer> CreatePopup(ui::PopupHandler& handler, ui::FramePeer* owner,
                                               ui::Size size) override;
    /// A frame of the tool windows (wx_controls.cpp).
    std::unique_ptr<ui::TopWindowPeer> CreateTopWindow(ui::TopWindowHandler& handler,
                                                       const std::string& title,
                                                       ui::Size clientSize) override;
    /// The GTK theme's colours, the desktop font and the double-click time.
    ui::SystemLook Look() const override;
    int SetTimer(int milliseconds, std::function<void()> onTimer) override;
    void KillTimer(int timerId) override;
    ui::Bitmap RenderBitmap(ui::Size size, const std::function<void(ui::DC&)>& paint,
                            bool transparent = false) override;
    std::unique_ptr<ui::PrintSurface> CreatePrintSurface(const std::string& path) override;
    std::unique_ptr<ui::DC> CreateScreenMeasureDC() override;
    /// The PDF printer's page (on the Print Setup paper) is the default printer's.
    std::unique_ptr<ui::DC> CreatePrinterMeasureDC() override;
    /// GTK's print dialog or default printer (wx_print.cpp); the default printer is a PDF file
    /// when the environment names one (ui::PdfPrinterPath).
    ui::PrintOutcome Print(ui::Printable& printable, ui::PrintInfo& info,
                           const ui::PrintJob& job) override;
    ui::PrintPreview::Result RunPrintPreview(ui::Printable& printable,
                                             const ui::PrintInfo& info) override;
    void Quit(int exitCode) override;
    ui::Clipboard& GetClipboard() override { return m_clipboard; }

    /// The program icon (for dialogs that show it).
    const ui::Bitmap& Icon() const { return m_icon; }
    void SetIcon(const ui::Bitmap& icon) { m_icon = icon; }
    int ExitCode() const { return m_exitCode; }

  private:
    class Timer : public wxTimer {
      public:
        explicit Timer(std::function<void()> fn) : m_fn(std::move(fn)) {}
        void Notify() override { m_fn(); }

      private:
        std::function<void()> m_fn;
    };

    Host& m_host;
    std::map<int, std::unique_ptr<Timer>> m_timers;
    std::vector<std::unique_ptr<Timer>> m_stopped;  ///< killed timers, freed later
    int m_nextTimer = 1;
    ui::Bitmap m_icon;
    int m_exitCode = 0;
    WxClipboard m_clipboard;
};

}  // namespace platform::wx

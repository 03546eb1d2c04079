// The toolkit, the host and the message loop on wxWidgets.
#include "platform/wx/wx_app.h"

#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/gdicmn.h>
#include <wx/msgdlg.h>

#include <iostream>

#include "platform/draw/pdf_print.h"
#include "platform/draw/render.h"
#include "platform/host.h"
#include "platform/wx/wx_support.h"
#include "platform/wx/wx_toolkit.h"

namespace platform::wx {

using namespace platform::ui;

// ---- The toolkit -----------------------------------------------------------------------------

WxToolkit::~WxToolkit() {
    for (auto& [id, timer] : m_timers) timer->Stop();
}

std::unique_ptr<FramePeer> WxToolkit::CreateFrame(FrameHandler& handler, const FrameSpec& spec) {
    return CreateFramePeer(*this, handler, spec);
}

std::unique_ptr<DialogPeer> WxToolkit::CreateDialog(Dialog& dialog, const DialogTemplate& tmpl) {
    return CreateDialogPeer(*this, dialog, tmpl);
}

std::unique_ptr<PopupPeer> WxToolkit::CreatePopup(PopupHandler& handler, FramePeer* owner,
                                                  Size size) {
    return CreatePopupPeer(*this, handler, owner, size);
}

int WxToolkit::SetTimer(int milliseconds, std::function<void()> onTimer) {
    const int id = m_nextTimer++;
    auto timer = std::make_unique<Timer>(std::move(onTimer));
    timer->Start(milliseconds);
    m_timers[id] = std::move(timer);
    return id;
}

void WxToolkit::KillTimer(int timerId) {
    auto it = m_timers.find(timerId);
    if (it == m_timers.end()) return;
    it->second->Stop();
    // A timer may be killed from its own handler: free it once that has returned.
    m_stopped.push_back(std::move(it->second));
    m_timers.erase(it);
    if (wxTheApp) wxTheApp->CallAfter([this] { m_stopped.clear(); });
}

Bitmap WxToolkit::RenderBitmap(Size size, const std::function<void(DC&)>& paint, bool transparent) {
    return draw::RenderBitmap(size, paint, draw::kScreenDpi, transparent);
}

std::unique_ptr<PrintSurface> WxToolkit::CreatePrintSurface(const std::string& path) {
    return std::make_unique<draw::PdfPrintSurface>(path, GetPageSetup());
}

std::unique_ptr<DC> WxToolkit::CreateScreenMeasureDC() {
    const wxSize screen = wxGetDisplaySize();
    return draw::CreateScreenMeasureDC({screen.x, screen.y});
}

std::unique_ptr<DC> WxToolkit::CreatePrinterMeasureDC() {
    return draw::PdfPrintSurface::CreateMeasureDC(GetPageSetup());
}

void WxToolkit::Quit(int exitCode) {
    m_exitCode = exitCode;
    if (wxTheApp) wxTheApp->ExitMainLoop();
}

// ---- The host --------------------------------------------------------------------------------

namespace {

class WxHost : public Host {
  public:
    MsgResult MessageBox(const std::string& text, const std::string& caption, MsgButtons buttons,
                         MsgIcon icon) override {
        long style = 0;
        switch (buttons) {
            case MsgButtons::Ok:
                style = wxOK;
                break;
            case MsgButtons::OkCancel:
                style = wxOK | wxCANCEL;
                break;
            case MsgButtons::YesNo:
                style = wxYES_NO;
                break;
            case MsgButtons::YesNoCancel:
                style = wxYES_NO | wxCANCEL;
                break;
            case MsgButtons::RetryCancel:
                style = wxOK | wxCANCEL;
                break;
        }
        switch (icon) {
            case MsgIcon::Information:
                style |= wxICON_INFORMATION;
                break;
            case MsgIcon::Warning:
                style |= wxICON_WARNING;
                break;
            case MsgIcon::Error:
                style |= wxICON_ERROR;
                break;
            case MsgIcon::Question:
                style |= wxICON_QUESTION;
                break;
            case MsgIcon::None:
                break;
        }
        OwnedModal owned;
        wxMessageDialog box(owned.Owner(), ToWx(text), ToWx(caption), style);
        if (buttons == MsgButtons::RetryCancel) box.SetOKCancelLabels("&Retry", "Cancel");
        switch (box.ShowModal()) {
            case wxID_OK:
                return buttons == MsgButtons::RetryCancel ? MsgResult::Retry : MsgResult::Ok;
            case wxID_YES:
                return MsgResult::Yes;
            case wxID_NO:
                return MsgResult::No;
            default:
                return MsgResult::Cancel;
        }
    }

    void SetStatusText(int pane, const std::string& text) override {
        if (FramePeer* frame = MainFramePeer()) frame->SetStatusText(pane, text);
    }

    LocalTime Now() override { return SystemNow(); }

    std::optional<std::string> GetOpenFileName(const FileDialogRequest& request) override {
        return Ask(request, wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    }

    std::optional<std::string> GetSaveFileName(const FileDialogRequest& request) override {
        return Ask(request, wxFD_SAVE | (request.promptOverwrite ? wxFD_OVERWRITE_PROMPT : 0));
    }

  private:
    static wxString Wildcard(const FileDialogRequest& request) {
        // "Description (*.ext)|*.ext||" takes its pairs; an initial name with a '*' filters too.
        std::string filter = request.filter;
        while (!filter.empty() && filter.back() == '|') filter.pop_back();
        if (filter.empty() && request.initialName.find('*') != std::string::npos) {
            filter = request.initialName + "|" + request.initialName;
        }
        if (filter.empty()) filter = "All Files (*)|*";
        return ToWx(filter);
    }

    static std::optional<std::string> Ask(const FileDialogRequest& request, long style) {
        wxString defaultDir;
        wxString defaultFile;
        if (request.initialName.find('*') == std::string::npos && !request.initialName.empty()) {
            wxFileName name(wxString::FromUTF8(request.initialName.c_str()));
            defaultDir = name.GetPath();
            defaultFile = name.GetFullName();
        }
        OwnedModal owned;
        wxFileDialog dialog(owned.Owner(), ToWx(request.title), defaultDir, defaultFile,
                            Wildcard(request), style);
        if (dialog.ShowModal() != wxID_OK) return std::nullopt;
        wxFileName chosen(dialog.GetPath());
        if ((style & wxFD_SAVE) && !chosen.HasExt() && !request.defaultExtension.empty()) {
            chosen.SetExt(wxString::FromUTF8(request.defaultExtension.c_str()));
        }
        return std::string(chosen.GetFullPath().utf8_str());
    }
};

/// The wxWidgets application around our application object.
class App : public wxApp {
  public:
    App(ui::Application& app, std::vector<std::string> args)
        : m_app(app), m_args(std::move(args)), m_toolkit(m_host) {}

    bool OnInit() override {
        SetAppName("Kordel");
        SetAppDisplayName("Kordel");
        m_previousHost = SetHost(&m_host);
        m_previousToolkit = SetToolkit(&m_toolkit);
        m_started = true;
        return m_app.InitInstance(m_args);
    }

    int OnExit() override {
        int code = m_started ? m_app.ExitInstance() : 1;
        if (m_started) {
            SetToolkit(m_previousToolkit);
            SetHost(m_previousHost);
            m_started = false;
        }
        wxApp::OnExit();
        return code;
    }

    int FilterEvent(wxEvent& event) override {
        InputMessage message;
        const wxEventType type = event.GetEventType();
        if (type == wxEVT_KEY_DOWN) {
            message.kind = MessageKind::KeyDown;
            message.key = ToKeyCode(static_cast<wxKeyEvent&>(event));
        } else if (type == wxEVT_LEFT_DOWN) {
            message.kind = MessageKind::LButtonDown;
        } else if (type == wxEVT_RIGHT_DOWN) {
            message.kind = MessageKind::RButtonDown;
        } else if (type == wxEVT_MIDDLE_DOWN) {
            message.kind = MessageKind::MButtonDown;
        } else {
            return Event_Skip;
        }
        return m_app.PreTranslateMessage(message) ? Event_Processed : Event_Skip;
    }

  private:
    ui::Application& m_app;
    std::vector<std::string> m_args;
    WxHost m_host;
    WxToolkit m_toolkit;
    Host* m_previousHost = nullptr;
    Toolkit* m_previousToolkit = nullptr;
    bool m_started = false;
};

}  // namespace

int RunApplication(ui::Application& app, int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    // Our own switches are the application's; wxWidgets sees only the program name.
    int wxArgc = 1;
    char* wxArgv[] = {argv[0], nullptr};
    wxApp::SetInstance(new App(app, args));
    if (!wxEntryStart(wxArgc, wxArgv)) {
        std::cerr << "kordel: cannot open the display (use --batch to run without one)\n";
        return 1;
    }
    // The application's end runs whether its start succeeded or not; its result is the status.
    if (wxTheApp->CallOnInit()) wxTheApp->OnRun();
    const int code = wxTheApp->OnExit();
    wxEntryCleanup();
    return code;
}

}  // namespace platform::wx

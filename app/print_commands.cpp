// The application's printing commands: File/Print Results (the system print dialog), printing
// without asking, Print Preview and Print Setup, and the print of a file named on the command
// line.
#include <filesystem>
#include <iostream>

#include "app/child_frame.h"
#include "app/kordel_app.h"
#include "document/kordel_doc.h"
#include "platform/headless_host.h"
#include "platform/host.h"
#include "platform/text_encoding.h"
#include "platform/ui/print_setup.h"
#include "platform/ui/toolkit.h"

namespace kordel {

using namespace platform::ui;

namespace {

/// The host while a file named on the command line prints: each message goes to standard error
/// as one line, as the batch front writes them, and no box waits for a user who may not be
/// there (a question takes its safe answer); the rest is the program's own host's.
class ShellPrintHost : public platform::Host {
  public:
    ShellPrintHost(platform::Host& host, std::string file)
        : m_host(host), m_file(std::move(file)) {}

    platform::MsgResult MessageBox(const std::string& text, const std::string&,
                                   platform::MsgButtons buttons, platform::MsgIcon) override {
        std::string line = text;
        for (char& c : line) {
            if (c == '\n' || c == '\r') c = ' ';
        }
        std::cerr << "kordel: ";
        // The message is program text, naming a file as PathText shows it.
        if (line.find(platform::PathText(m_file)) == std::string::npos) std::cerr << m_file << ": ";
        std::cerr << platform::Cp1252ToUtf8(line) << '\n';
        switch (buttons) {
            case platform::MsgButtons::Ok:
                return platform::MsgResult::Ok;
            case platform::MsgButtons::YesNo:
                return platform::MsgResult::No;
            default:
                return platform::MsgResult::Cancel;
        }
    }
    void SetStatusText(int pane, const std::string& text) override {
        m_host.SetStatusText(pane, text);
    }
    platform::LocalTime Now() override { return m_host.Now(); }
    std::optional<std::string> GetOpenFileName(const platform::FileDialogRequest&) override {
        return std::nullopt;
    }
    std::optional<std::string> GetSaveFileName(const platform::FileDialogRequest&) override {
        return std::nullopt;
    }

  private:
    platform::Host& m_host;
    std::string m_file;
};

}  // namespace

View* CKordelApp::ActivePrintableView() const {
    CChildFrame* frame = ActiveFrame();
    View* view = frame ? frame->GetActiveView() : nullptr;
    return view && view->CanPrint() ? view : nullptr;
}

void CKordelApp::OnFilePrint(bool direct) {
    PrintJob job;
    job.prompt = !direct;
    if (View* view = ActivePrintableView()) PrintView(*view, job);
}

PrintOutcome CKordelApp::PrintView(View& view, PrintJob job) {
    PrintInfo info;
    info.direct = !job.prompt;
    if (!view.OnPreparePrinting(info)) return {PrintOutcome::Status::Cancelled, {}, 0};
    if (CKordelDoc* doc = GetDocument()) {
        job.title = doc->GetTitle();
        // Print to File offers a PDF beside a saved design.
        if (!doc->GetPathName().empty())
            job.fileName =
                std::filesystem::path(doc->GetPathName()).replace_extension(".pdf").string();
    }
    const PrintOutcome outcome = GetToolkit().Print(view, info, job);
    if (outcome.status == PrintOutcome::Status::Failed) {
        platform::ShowMessage(outcome.message, platform::MsgButtons::Ok, platform::MsgIcon::Error);
    }
    return outcome;
}

void CKordelApp::OnFilePrintPreview() {
    View* view = ActivePrintableView();
    if (!view) return;
    PrintInfo info;
    info.preview = true;
    if (!view->OnPreparePrinting(info)) return;
    if (GetToolkit().RunPrintPreview(*view, info) == PrintPreview::Result::Print)
        PrintView(*view, PrintJob{});
}

void CKordelApp::OnFilePrintSetup() {
    PrintSetupDialog dlg(GetToolkit().GetPageSetup());
    if (dlg.DoModal() != kIdOk) return;
    GetToolkit().SetPageSetup(dlg.m_setup);
    if (m_settings) SavePageSetup(*m_settings, dlg.m_setup);
}

void CKordelApp::PrintFromShell(const CommandLineInfo& info) {
    ShellPrintHost host(platform::GetHost(), info.fileName);
    platform::ScopedHost hostGuard(host);
    m_nExitCode = 1;
    if (!OpenDocumentFile(info.fileName) || m_frames.empty()) return;
    // The design's main view, the first pane of its first window, on the printer named or
    // the default one.
    const std::vector<View*> views = m_frames.front()->Views();
    if (views.empty()) return;
    PrintJob job;
    job.prompt = false;
    job.printer = info.printerName;
    const PrintOutcome outcome = PrintView(*views.front(), job);
    if (outcome.status == PrintOutcome::Status::Printed) m_nExitCode = 0;
}

}  // namespace kordel

#include "app/kordel_app.h"

#include <filesystem>

#include "app/about_dlg.h"
#include "app/child_frame.h"
#include "app/main_frame.h"
#include "app/seed_file_dlg.h"
#include "app/splash_wnd.h"
#include "document/kordel_doc.h"
#include "platform/archive.h"
#include "platform/file_io.h"
#include "platform/host.h"
#include "platform/text_encoding.h"
#include "platform/ui/print_setup.h"
#include "platform/ui/toolkit.h"
#include "resources/resources.h"
#include "views/compliance_view.h"
#include "views/graph_view.h"
#include "views/kordel_view.h"
#include "views/text_view.h"

namespace kordel {

using namespace platform::ui;

namespace {

CKordelApp* g_app = nullptr;

std::string AbsolutePath(const std::string& path) {
    std::error_code ec;
    std::filesystem::path full = std::filesystem::absolute(path, ec);
    return ec ? path : full.lexically_normal().string();
}

std::string DocumentTitle(const CKordelDoc& doc) {
    return doc.GetTitle();
}

}  // namespace

CKordelApp* GetKordelApp() {
    return g_app;
}

CKordelApp::CKordelApp() : m_recentFiles(kRecentFileCount) {
    g_app = this;
    m_commands.On(ID_FILE_NEW, [this] { OnFileNew(); });
    m_commands.On(ID_FILE_OPEN, [this] { OnFileOpen(); });
    m_commands.OnRange(ID_FILE_MRU_FILE1, ID_FILE_MRU_FILE6, [this](int id) { OnFileMruFile(id); });
    m_commands.OnUpdateRange(ID_FILE_MRU_FILE1, ID_FILE_MRU_FILE6, [this](CmdUI& ui) {
        ui.Enable(ui.id - ID_FILE_MRU_FILE1 < m_recentFiles.Count());
    });
    m_commands.On(ID_APP_ABOUT, [this] { OnAppAbout(); });
    m_commands.On(ID_APP_EXIT, [this] {
        if (m_pMainFrame) m_pMainFrame->OnFrameClose();
    });
    // The design's own commands, routed to the open design.
    m_commands.On(ID_FILE_CLOSE, [this] { OnFileClose(); });
    m_commands.On(ID_FILE_SAVE, [this] { OnFileSave(false); });
    m_commands.On(ID_FILE_SAVE_AS, [this] { OnFileSave(true); });
    // Printing goes to the active view, when it prints; Print Setup is always there.
    m_commands.On(ID_FILE_PRINT, [this] { OnFilePrint(false); });
    m_commands.On(ID_FILE_PRINT_DIRECT, [this] { OnFilePrint(true); });
    m_commands.On(ID_FILE_PRINT_PREVIEW, [this] { OnFilePrintPreview(); });
    m_commands.On(ID_FILE_PRINT_SETUP, [this] { OnFilePrintSetup(); });
    auto printable = [this](CmdUI& ui) { ui.Enable(ActivePrintableView() != nullptr); };
    m_commands.OnUpdate(ID_FILE_PRINT, printable);
    m_commands.OnUpdate(ID_FILE_PRINT_DIRECT, printable);
    m_commands.OnUpdate(ID_FILE_PRINT_PREVIEW, printable);
}

CKordelApp::~CKordelApp() {
    if (CSplashWnd::Instance()) CSplashWnd::Instance()->Hide();
    CloseAllDocuments();
    if (m_pMainFrame && &GetMainFrame() == m_pMainFrame.get()) SetMainFrame(nullptr);
    m_pMainFrame.reset();
    delete m_pGraphTemplate;
    delete m_pTextTemplate;
    delete m_pComplianceTemplate;
    if (g_app == this) g_app = nullptr;
}

// ---- Start and end ---------------------------------------------------------------------------

bool CKordelApp::InitInstance(const std::vector<std::string>& args) {
    // 1. The splash shows unless the command line says otherwise.
    CSplashWnd::SetEnabled(ParseCommandLine(args).showSplash);

    // 2, 3. Nothing of the program uses sockets or control containers on this platform.

    // 4. The settings store of the application, with its six recent files.
    m_settings = std::make_unique<SettingsStore>(kRegistryKey, kAppName);
    m_recentFiles.Load(*m_settings);
    GetToolkit().SetPageSetup(LoadPageSetup(*m_settings));

    // 5. The templates: the main view's belongs to the document manager; the graph, text and
    // compliance views' open extra views only.
    m_pMainTemplate = std::make_unique<CDocTemplate>(
        IDR_KORDELTYPE, [] { return std::make_unique<CKordelView>(); });
    m_pGraphTemplate =
        new CDocTemplate(IDR_KORDELTYPE, [] { return std::make_unique<CGraphView>(); });
    m_pTextTemplate =
        new CDocTemplate(IDR_KORDELTYPE, [] { return std::make_unique<CTextView>(); });
    m_pComplianceTemplate =
        new CDocTemplate(IDR_KORDELTYPE, [] { return std::make_unique<CCodeComplianceView>(); });

    // 6. The main frame, with the splash over it.
    m_pMainFrame = std::make_unique<CMainFrame>(*this);
    SetMainFrame(m_pMainFrame.get());
    if (!m_pMainFrame->LoadFrame()) {
        m_nExitCode = 1;
        return false;
    }

    // 7. Dropped files open as File/Open would (close-first included).
    m_pMainFrame->Peer()->DragAcceptFiles(true);

    // 8. The command line again: without a file nothing is processed.
    CommandLineInfo info = ParseCommandLine(args);
    if (info.fileName.empty()) info.shellCommand = CommandLineInfo::FileNothing;
    if (!ProcessShellCommand(info)) {
        CloseAllDocuments();
        if (m_pMainFrame) m_pMainFrame->DestroyWindow();
        return false;
    }

    // 9. Show the main window.
    m_pMainFrame->Peer()->Show(kShowNormal);
    m_pMainFrame->Peer()->Update();
    return true;
}

bool CKordelApp::ProcessShellCommand(const CommandLineInfo& info) {
    switch (info.shellCommand) {
        case CommandLineInfo::FileOpen:
            // A file that cannot be opened has been reported; the program stays, with no design.
            ReplaceDesignWithFile(info.fileName);
            return true;
        case CommandLineInfo::FilePrint:
        case CommandLineInfo::FilePrintTo:
            PrintFromShell(info);
            return false;  // printed from the shell: the program ends
        default:
            return true;
    }
}

int CKordelApp::ExitInstance() {
    delete m_pGraphTemplate;
    m_pGraphTemplate = nullptr;
    delete m_pTextTemplate;
    m_pTextTemplate = nullptr;
    delete m_pComplianceTemplate;
    m_pComplianceTemplate = nullptr;
    return m_nExitCode;
}

bool CKordelApp::PreTranslateMessage(const InputMessage& message) {
    return CSplashWnd::HideOnInput(message);
}

// ---- Command routing --------------------------------------------------------------------------

bool CKordelApp::RouteCommand(int id) {
    CChildFrame* frame = ActiveFrame();
    View* view = frame ? frame->GetActiveView() : nullptr;
    if (view && view->OnCmdMsg(id)) return true;
    if (frame && frame->OnCmdMsg(id)) return true;
    if (m_pMainFrame && m_pMainFrame->OnCmdMsg(id)) return true;
    return OnCmdMsg(id);
}

CmdUI CKordelApp::RouteUpdate(int id) {
    CmdUI ui;
    ui.id = id;
    CChildFrame* frame = ActiveFrame();
    View* view = frame ? frame->GetActiveView() : nullptr;
    std::vector<CommandTarget*> chain;
    if (view) chain.push_back(view);
    if (frame) chain.push_back(frame);
    if (m_pMainFrame) chain.push_back(m_pMainFrame.get());
    chain.push_back(this);

    for (CommandTarget* target : chain) {
        if (target->OnUpdateCmdUI(ui)) break;
    }
    // A command that nothing answers is disabled, and so is one that opens a view the program
    // does not have yet.
    bool handled = false;
    for (CommandTarget* target : chain) handled = handled || target->HandlesCommand(id);
    if (!handled) ui.enabled = false;
    if (m_pMainFrame && m_pMainFrame->OpensMissingView(id)) ui.enabled = false;
    return ui;
}

// ---- The commands that replace the open design ----------------------------------------------
//
// Each asks what to open first, then offers to save the open design, then reads the new design;
// the open design closes only after all three. Cancelling any step, or a file that cannot be
// read, leaves the open design, its views and the main frame as they were.

bool CKordelApp::SaveModifiedDesign() {
    if (!m_pDocument || !m_pDocument->IsModified()) return true;
    if (!m_pDocument->SaveModified()) return false;
    // Saved at the prompt, it may yet stay open (the new design cannot be read): it shows its
    // name and joins the recent files as after File/Save.
    if (!m_pDocument->IsModified()) OnDesignSaved();
    return true;
}

CKordelDoc* CKordelApp::ReplaceDesignWithFile(const std::string& path) {
    const std::string full = AbsolutePath(path);
    if (!CKordelDoc::CanReadDesignFile(full)) return nullptr;
    CloseAllDocuments();
    return OpenDocumentFile(full);
}

void CKordelApp::OnFileNew() {
    CSeedFile dlg;
    if (dlg.DoModal() != kIdOk) return;
    if (!SaveModifiedDesign()) return;
    if (dlg.m_nSeedChoice == SeedFromFile && !CKordelDoc::CanReadDesignFile(dlg.m_strSeedName)) {
        return;
    }
    CloseAllDocuments();
    m_pMainFrame->m_strSeedName = dlg.m_strSeedName;
    m_pMainFrame->m_nSeedChoice = dlg.m_nSeedChoice;
    NewDocumentFile();
}

void CKordelApp::OnFileOpen() {
    platform::FileDialogRequest request;
    request.title = "Open";
    request.defaultExtension = res::DocumentStringField(4).substr(1);
    request.filter = res::DocumentStringField(3) + "|*" + res::DocumentStringField(4) + "||";
    request.promptOverwrite = false;
    auto path = platform::GetHost().GetOpenFileName(request);
    if (!path || path->empty()) return;
    if (!SaveModifiedDesign()) return;
    ReplaceDesignWithFile(*path);
}

void CKordelApp::OnFileMruFile(int id) {
    const int index = id - ID_FILE_MRU_FILE1;
    if (index < 0 || index >= m_recentFiles.Count()) return;
    const std::string path = m_recentFiles[index];
    if (!SaveModifiedDesign()) return;
    if (!ReplaceDesignWithFile(path)) {
        // The file is gone or unreadable (its message has been shown): drop the entry.
        for (int i = 0; i < m_recentFiles.Count(); ++i) {
            if (m_recentFiles[i] == path) {
                m_recentFiles.Remove(i);
                break;
            }
        }
        m_recentFiles.Save(*m_settings);
        m_pMainFrame->RefreshRecentFileMenu();
    }
}

void CKordelApp::OnDropFiles(const std::vector<std::string>& paths) {
    // One design at a time: the first file dropped replaces the open design; the others are not
    // opened.
    if (paths.empty()) return;
    if (!SaveModifiedDesign()) return;
    ReplaceDesignWithFile(paths.front());
}

void CKordelApp::OnAppAbout() {
    CAboutDlg dlg;
    dlg.DoModal();
}

CKordelDoc* CKordelApp::AdoptNewDocument() {
    // One design at a time: every road here has closed the open design.
    if (m_pDocument) return nullptr;
    m_pDocument = CKordelDoc::CreateObject();
    m_pDocument->SetOwner(this);
    if (!CreateNewFrame(*m_pMainTemplate)) {
        m_pDocument.reset();
        platform::ShowMessage(res::LoadString(IDS_COMMAND_FAILED));
        return nullptr;
    }
    return m_pDocument.get();
}

CKordelDoc* CKordelApp::NewDocumentFile() {
    CKordelDoc* doc = AdoptNewDocument();
    if (!doc) return nullptr;
    bool made = false;
    try {
        made = doc->OnNewDocument();
    } catch (const platform::ArchiveError&) {
        platform::ShowMessage("Unexpected file format.", platform::MsgButtons::Ok,
                              platform::MsgIcon::Error);
    } catch (const platform::FileError& e) {
        platform::ShowMessage(e.what(), platform::MsgButtons::Ok, platform::MsgIcon::Error);
    }
    if (!made) {
        CloseAllDocuments();
        return nullptr;
    }
    m_frames.front()->InitialUpdateFrame();
    UpdateTitles();
    return m_pDocument.get();
}

CKordelDoc* CKordelApp::OpenDocumentFile(const std::string& path) {
    const std::string full = AbsolutePath(path);
    CKordelDoc* doc = AdoptNewDocument();
    if (!doc) return nullptr;
    if (!doc->OnOpenDocument(full)) {
        CloseAllDocuments();
        return nullptr;
    }
    doc->SetPathName(full);
    AddToRecentFileList(full);
    m_frames.front()->InitialUpdateFrame();
    UpdateTitles();
    return m_pDocument.get();
}

void CKordelApp::AddToRecentFileList(const std::string& path) {
    m_recentFiles.Add(path);
    if (m_settings) m_recentFiles.Save(*m_settings);
    if (m_pMainFrame) m_pMainFrame->RefreshRecentFileMenu();
}

// ---- The design's commands -------------------------------------------------------------------

void CKordelApp::OnFileClose() {
    if (m_pDocument) m_pDocument->CloseJob();
}

void CKordelApp::OnFileSave(bool saveAs) {
    if (!m_pDocument) return;
    const bool saved = saveAs ? m_pDocument->DoSave(std::string()) : m_pDocument->DoFileSave();
    if (saved) OnDesignSaved();
}

void CKordelApp::OnDesignSaved() {
    AddToRecentFileList(m_pDocument->GetPathName());
    UpdateTitles();
}

// ---- Frames and the design -------------------------------------------------------------------

CChildFrame* CKordelApp::ActiveFrame() const {
    return m_pActiveFrame;
}

void CKordelApp::SetActiveFrame(CChildFrame* frame) {
    m_pActiveFrame = frame;
}

CChildFrame* CKordelApp::CreateNewFrame(const CDocTemplate& tmpl) {
    if (!m_pDocument || !m_pMainFrame) return nullptr;
    auto frame = std::make_unique<CChildFrame>(*this, tmpl, *m_pDocument);
    if (!frame->Create(DocumentTitle(*m_pDocument))) return nullptr;
    m_frames.push_back(std::move(frame));
    if (m_pMainFrame->CurrentMenu() != tmpl.ResourceId())
        m_pMainFrame->InstallMenu(tmpl.ResourceId());
    m_pMainFrame->RefreshWindowMenu();
    return m_frames.back().get();
}

void CKordelApp::DestroyFrame(CChildFrame* frame) {
    for (auto it = m_frames.begin(); it != m_frames.end(); ++it) {
        if (it->get() != frame) continue;
        std::unique_ptr<CChildFrame> gone = std::move(*it);
        m_frames.erase(it);
        if (m_pActiveFrame == frame) {
            m_pActiveFrame = m_frames.empty() ? nullptr : m_frames.back().get();
        }
        gone->DestroyFrame();
        if (m_pMainFrame) m_pMainFrame->RefreshWindowMenu();
        return;
    }
}

void CKordelApp::CloseFrame(CChildFrame* frame) {
    if (m_frames.size() > 1 || !m_pDocument) {
        DestroyFrame(frame);
        return;
    }
    // The design's last window: the design closes with it, after the save prompt.
    if (!m_pDocument->SaveModified()) return;
    m_pDocument->OnCloseDocument();
}

void CKordelApp::CloseAllDocuments() {
    if (m_pDocument) {
        m_pDocument->OnCloseDocument();
    }
    while (!m_frames.empty()) DestroyFrame(m_frames.back().get());
}

void CKordelApp::DestroyDocument(platform::Document* doc) {
    if (!m_pDocument || doc != m_pDocument.get()) return;
    m_bClosingDocument = true;
    while (!m_frames.empty()) DestroyFrame(m_frames.back().get());
    m_pDocument.reset();  // the design's destructor resets the main frame's design state
    m_bClosingDocument = false;
    if (m_pMainFrame) {
        m_pMainFrame->InstallMenu(IDR_MAINFRAME);
        UpdateTitles();
    }
}

void CKordelApp::UpdateAllViews() {
    for (auto& f : m_frames) f->UpdateViews();
}

void CKordelApp::UpdateTitles() {
    if (!m_pMainFrame || !m_pMainFrame->Peer()) return;
    const std::string app = res::LoadString(IDR_MAINFRAME);
    if (!m_pDocument) {
        m_pMainFrame->Peer()->SetTitle(app);
        return;
    }
    const std::string title = DocumentTitle(*m_pDocument);
    m_pMainFrame->Peer()->SetTitle(app + " - " + title);
    for (auto& f : m_frames) f->SetTitle(title);
}

}  // namespace kordel

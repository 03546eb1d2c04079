// The application object of the desktop program: starts the program, holds the document
// templates, the one open design and its child windows, the recent-file list, and handles the
// commands that replace the open design (File/New Design, File/Open, the recent files, dropped
// files and files named on the command line). Each closes the open design only once the user
// has chosen the new one, let the old one go at the save prompt, and the new one can be read.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/doc_template.h"
#include "platform/document.h"
#include "platform/ui/application.h"
#include "platform/ui/command_line.h"
#include "platform/ui/print.h"
#include "platform/ui/recent_files.h"
#include "platform/ui/settings_store.h"

namespace kordel {

class CChildFrame;
class CKordelDoc;
class CMainFrame;

class CKordelApp : public platform::ui::Application, public platform::DocumentOwner {
  public:
    /// The company and program names the settings store is kept under.
    static constexpr const char* kRegistryKey = "Dravnick Technologies";
    static constexpr const char* kAppName = "Kordel";

    CKordelApp();
    ~CKordelApp() override;
    CKordelApp(const CKordelApp&) = delete;
    CKordelApp& operator=(const CKordelApp&) = delete;

    // ---- Application ------------------------------------------------------------------------
    bool InitInstance(const std::vector<std::string>& args) override;
    int ExitInstance() override;
    bool PreTranslateMessage(const platform::ui::InputMessage& message) override;

    // ---- Commands ---------------------------------------------------------------------------
    /// Runs a command along the chain: the active view, its child frame, the main frame, the
    /// application. Returns whether a target took it.
    bool RouteCommand(int id);
    /// The state of a command along the same chain. A command that no target handles is
    /// disabled.
    platform::ui::CmdUI RouteUpdate(int id);

    void OnFileNew();
    void OnFileOpen();
    void OnFileMruFile(int id);
    void OnAppAbout();
    /// Files dropped on the main window: the first replaces the open design, as File/Open would.
    void OnDropFiles(const std::vector<std::string>& paths);

    /// The open design's save prompt before it is replaced: true when it may go (there is none,
    /// it is unmodified, the user answered No, or it was saved). The design stays open.
    bool SaveModifiedDesign();
    /// Opens `path` in place of the open design once its save prompt has let it go: the open
    /// design closes only when the file can be read; otherwise the reason is shown and it stays
    /// as it was. nullptr when nothing new was opened.
    CKordelDoc* ReplaceDesignWithFile(const std::string& path);
    /// The framework's open road: a new document and frame, the file read into it, the file
    /// added to the recent files. No design may be open; nullptr when the file cannot be opened.
    CKordelDoc* OpenDocumentFile(const std::string& path);
    /// The framework's File New: a new document built from the main frame's seed choice.
    CKordelDoc* NewDocumentFile();
    /// Closes every window and the design without asking.
    void CloseAllDocuments();

    // ---- State ------------------------------------------------------------------------------
    CMainFrame* GetMainWnd() const { return m_pMainFrame.get(); }
    CKordelDoc* GetDocument() const { return m_pDocument.get(); }
    const std::vector<std::unique_ptr<CChildFrame>>& Frames() const { return m_frames; }
    /// The active child window, or nullptr.
    CChildFrame* ActiveFrame() const;
    void SetActiveFrame(CChildFrame* frame);
    /// Makes a new child frame of `tmpl` for the open design; nullptr when it cannot.
    CChildFrame* CreateNewFrame(const CDocTemplate& tmpl);
    /// Closes one child frame; the design goes with its last frame (after the save prompt).
    void CloseFrame(CChildFrame* frame);
    /// Sets the titles of the main window and the child windows from the design's name.
    void UpdateTitles();
    /// Tells every view of the design that it changed (the document's update of all views).
    void UpdateAllViews();
    /// Whether the design is being closed (its windows are going).
    bool IsClosingDocument() const { return m_bClosingDocument; }

    platform::ui::RecentFileList& RecentFiles() { return m_recentFiles; }
    platform::ui::SettingsStore& Settings() { return *m_settings; }

    CDocTemplate* MainTemplate() const { return m_pMainTemplate.get(); }
    CDocTemplate* m_pGraphTemplate = nullptr;       ///< owned; graph view
    CDocTemplate* m_pTextTemplate = nullptr;        ///< owned; text view
    CDocTemplate* m_pComplianceTemplate = nullptr;  ///< owned; code-compliance view

    // DocumentOwner: the design closes.
    void DestroyDocument(platform::Document* doc) override;

  private:
    bool ProcessShellCommand(const platform::ui::CommandLineInfo& info);
    void AddToRecentFileList(const std::string& path);
    void DestroyFrame(CChildFrame* frame);
    CKordelDoc* AdoptNewDocument();
    void OnFileClose();
    void OnFileSave(bool saveAs);
    /// The open design was saved: its name in the titles and the recent files.
    void OnDesignSaved();
    // Printing (print_commands.cpp).
    /// File/Print Results (the system print dialog) and Print without asking (the default
    /// printer), of the active view.
    void OnFilePrint(bool direct);
    void OnFilePrintPreview();
    void OnFilePrintSetup();
    /// The active view when it prints, else nullptr.
    platform::ui::View* ActivePrintableView() const;
    /// Prints `view` as `job` asks (the system print dialog, or a printer at once), titled with
    /// the design's name and offering a PDF beside it; a failure is shown as a message.
    platform::ui::PrintOutcome PrintView(platform::ui::View& view, platform::ui::PrintJob job);
    /// `kordel --print FILE`: opens the file and prints its main view on the default printer,
    /// messages going to standard error; the exit status says whether it printed.
    void PrintFromShell(const platform::ui::CommandLineInfo& info);

    std::unique_ptr<CDocTemplate> m_pMainTemplate;  ///< the document manager's template
    std::unique_ptr<CMainFrame> m_pMainFrame;
    std::unique_ptr<CKordelDoc> m_pDocument;
    std::vector<std::unique_ptr<CChildFrame>> m_frames;
    CChildFrame* m_pActiveFrame = nullptr;
    std::unique_ptr<platform::ui::SettingsStore> m_settings;
    platform::ui::RecentFileList m_recentFiles;
    bool m_bClosingDocument = false;
    int m_nExitCode = 0;  ///< 1 when the start failed (no window, or a file to print)
};

/// The application object of the running program (nullptr when there is none).
CKordelApp* GetKordelApp();

}  // namespace kordel

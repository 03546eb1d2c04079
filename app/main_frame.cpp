#include "app/main_frame.h"

#include <algorithm>
#include <array>

#include "app/child_frame.h"
#include "app/doc_template.h"
#include "app/kordel_app.h"
#include "app/splash_wnd.h"
#include "dialogs/results/rendering_3d_dlg.h"
#include "document/kordel_doc.h"
#include "engine/checks/design_status.h"
#include "platform/file_io.h"
#include "platform/folders.h"
#include "platform/host.h"
#include "platform/ini.h"
#include "platform/ui/toolkit.h"
#include "report/results_export.h"
#include "views/text_view.h"
#include "resources/resources.h"

namespace kordel {

using namespace platform::ui;

namespace {

/// The text the first-run test reads when the placement has never been saved.
constexpr const char* kNoPlacement = "No File";

/// Commands enabled whenever a design is open.
constexpr int kDesignCommands[] = {
    ID_INPUT_WIZARD,
    ID_INPUT_JOB_INFO,
    ID_INPUT_PROJECT_SETTINGS,
    ID_INPUT_GEOMETRY,
    ID_INPUT_MATERIALS,
    ID_INPUT_LOADS,
    ID_INPUT_LOAD_RESIST_FACTORS,
    ID_INPUT_PRETENSIONING,
    ID_INPUT_DEBONDING,
    ID_INPUT_REBAR_LONGITUDINAL,
    ID_INPUT_REBAR_TRANSVERSE,
    ID_INPUT_ANALYSIS_OPTIONS,
    ID_INPUT_STRIPPING_HANDLING,
    ID_INPUT_STRESS_LIMITS,
    ID_INPUT_CAMBER_MULTIPLIERS,
    ID_RESULTS_TEXT_LONG,
    ID_RESULTS_TEXT_SHORT,
    ID_RESULTS_CODE_COMPLIANCE,
    ID_RESULTS_3D_RENDERING,
    ID_RESULTS_GRID,
    ID_LIBRARIES_BEAM_SECTIONS,
    ID_FILE_OPTIONS,
    ID_INPUT_PRELIM_STRAND_DESIGN,
    ID_INPUT_PRELIM_DEBOND_DESIGN,
    ID_INPUT_STRAND_PATTERN,
    ID_INPUT_UNUSED_32835,
};

/// Every command id of the menus and the tool bar, for the status-bar prompts.
void CollectIds(const std::vector<MenuItem>& items, std::vector<int>& ids) {
    for (const MenuItem& item : items) {
        if (item.IsPopup()) {
            CollectIds(item.items, ids);
        } else if (!item.separator) {
            ids.push_back(item.id);
        }
    }
}

}  // namespace

CMainFrame::CMainFrame(CKordelApp& app) : m_app(app) {
    m_bGraphViewOpen = 0;
    m_bDocumentOpen = 0;
    m_nStructureType = 1;
    m_nPrestressType = 1;
    m_nUnits = 1;
    m_bShortTextViewOpen = 0;
    m_bLongTextViewOpen = 0;
    m_bComplianceViewOpen = 0;

    m_strProgramFolder = platform::ProgramFolder();

    // First run for this user (the placement has never been saved): make the program's folders.
    platform::CIni ini;
    ini.SetUserFile(platform::kIniFileName);
    if (ini.GetString(platform::kIniSectionWindowState, platform::kIniKeyWindowPlacement,
                      kNoPlacement) == kNoPlacement) {
        const std::string company =
            platform::JoinPath(platform::UserDocumentsFolder(), "Dravnick Technologies");
        const std::string program = platform::JoinPath(company, "Kordel V4");
        platform::CreateFolders(company);
        platform::CreateFolders(program);
        platform::CreateFolders(platform::JoinPath(program, "Section Library"));
        platform::CreateFolders(platform::JoinPath(program, "Vehicle Library"));
    }
    RegisterCommands();
    // A dialog's button that carries a command of this window sends it here, as a menu would.
    m_previousDialogRoute = SetDialogCommandRoute([this](int id) { OnFrameCommand(id); });
}

CMainFrame::~CMainFrame() {
    SetDialogCommandRoute(std::move(m_previousDialogRoute));
}

void CMainFrame::RegisterCommands() {
    m_commands.On(ID_VIEW_TOOLBAR, [this] { OnViewToolbar(); });
    m_commands.On(ID_VIEW_STATUS_BAR, [this] { OnViewStatusBar(); });
    m_commands.OnUpdate(ID_VIEW_TOOLBAR, [this](CmdUI& ui) { ui.SetCheck(m_bToolBarShown != 0); });
    m_commands.OnUpdate(ID_VIEW_STATUS_BAR,
                        [this](CmdUI& ui) { ui.SetCheck(m_bStatusBarShown != 0); });

    for (int id : kDesignCommands) {
        m_commands.OnUpdate(id, [this](CmdUI& ui) { ui.Enable(m_bDocumentOpen != 0); });
    }
    m_commands.OnUpdate(ID_INPUT_SPAN_LAYOUT, [this](CmdUI& ui) {
        ui.Enable(m_bDocumentOpen != 0 && m_nStructureType != 0);
    });
    m_commands.OnUpdate(ID_INPUT_POST_TENSIONING, [this](CmdUI& ui) {
        ui.Enable(m_nPrestressType == 2 && m_bDocumentOpen != 0);
    });
    m_commands.OnUpdate(ID_TOOLS_LOAD_TABLES, [this](CmdUI& ui) {
        ui.Enable(m_bDocumentOpen != 0 && m_nStructureType == 0 && m_nPrestressType == 1 &&
                  m_nUnits == 1);
    });
    m_commands.OnUpdate(ID_RESULTS_GRAPHS, [this](CmdUI& ui) { ui.Enable(m_bGraphViewOpen != 0); });
    m_commands.OnUpdate(ID_LIBRARIES_LIVE_LOAD_VEHICLES, [](CmdUI& ui) { ui.Enable(true); });
    // Saving needs a design: the tool bar shows Save while none is open.
    for (int id : {ID_FILE_SAVE, ID_FILE_SAVE_AS}) {
        m_commands.OnUpdate(id, [this](CmdUI& ui) { ui.Enable(m_bDocumentOpen != 0); });
    }

    // The extra results views, each kept single by its flag.
    m_commands.On(ID_RESULTS_GRAPHS, [this] {
        OnOpenResultsView(m_app.m_pGraphTemplate, m_bGraphViewOpen, m_bGraphViewOpen != 0);
    });
    m_commands.On(ID_RESULTS_TEXT_SHORT, [this] { OnResultsText(kReportShortForm); });
    m_commands.On(ID_RESULTS_TEXT_LONG, [this] { OnResultsText(kReportLongForm); });
    m_commands.On(ID_RESULTS_CODE_COMPLIANCE, [this] {
        OnOpenResultsView(m_app.m_pComplianceTemplate, m_bComplianceViewOpen,
                          m_bComplianceViewOpen != 0);
    });

    m_commands.On(ID_FILE_EXPORT_RESULTS, [this] { OnFileExportResults(); });
    m_commands.On(ID_RESULTS_3D_RENDERING, [this] { OnResults3DRendering(); });

    m_commands.On(ID_WINDOW_CASCADE, [this] { OnWindowArrange(ChildArrangement::Cascade); });
    m_commands.On(ID_WINDOW_TILE_HORZ,
                  [this] { OnWindowArrange(ChildArrangement::TileHorizontal); });
    m_commands.On(ID_WINDOW_SPLIT, [this] { OnWindowSplit(); });
    m_commands.OnRange(ID_WINDOW_CHILD1, ID_WINDOW_CHILD1 + kWindowListCount - 1,
                       [this](int id) { OnWindowActivate(id - ID_WINDOW_CHILD1); });
    m_commands.OnUpdateRange(
        ID_WINDOW_CHILD1, ID_WINDOW_CHILD1 + kWindowListCount - 1, [this](CmdUI& ui) {
            const auto& frames = m_app.Frames();
            const size_t index = static_cast<size_t>(ui.id - ID_WINDOW_CHILD1);
            ui.Enable(index < frames.size());
            ui.SetCheck(index < frames.size() && frames[index].get() == MDIGetActive());
        });
    m_commands.On(ID_WINDOW_NEXT, [this] { OnWindowNext(); });
    m_commands.OnUpdate(ID_WINDOW_NEXT,
                        [this](CmdUI& ui) { ui.Enable(m_app.Frames().size() > 1); });
    for (int id : {ID_WINDOW_CASCADE, ID_WINDOW_TILE_HORZ, ID_WINDOW_SPLIT}) {
        m_commands.OnUpdate(id, [this](CmdUI& ui) { ui.Enable(MDIGetActive() != nullptr); });
    }
    // No child window is ever minimised to an icon, so there are never icons to arrange.
    m_commands.OnUpdate(ID_WINDOW_ARRANGE, [](CmdUI& ui) { ui.Enable(false); });
    RegisterInputCommands();
    m_commands.On(ID_FILE_OPTIONS, [this] { OnFileOptions(); });
}

bool CMainFrame::LoadFrame() {
    Toolkit& toolkit = GetToolkit();
    FrameSpec spec;
    spec.title = res::LoadString(IDR_MAINFRAME);
    spec.menu = res::LoadMenu(IDR_MAINFRAME);
    spec.accelerators = res::LoadAccelerators(IDR_MAINFRAME);
    spec.toolBar = res::LoadToolBar(IDR_MAINFRAME);
    const Size image{spec.toolBar.imageWidth, spec.toolBar.imageHeight};
    for (int id : spec.toolBar.buttons) {
        spec.toolImages.push_back(
            id ? toolkit.RenderBitmap(
                     image, [id](DC& dc) { res::DrawToolButton(id, dc); }, true)
               : Bitmap{});
        spec.toolTips.push_back(id ? res::CommandTip(id) : std::string());
    }
    std::vector<int> ids;
    CollectIds(res::LoadMenu(IDR_MAINFRAME).items, ids);
    CollectIds(res::LoadMenu(IDR_KORDELTYPE).items, ids);
    for (int id : ids) {
        spec.promptIds.push_back(id);
        spec.menuPrompts.push_back(res::CommandPrompt(id));
    }
    for (int k = 0; k < kWindowListCount; ++k) {
        spec.promptIds.push_back(ID_WINDOW_CHILD1 + k);
        spec.menuPrompts.push_back(res::CommandPrompt(ID_WINDOW_CHILD1));
    }
    spec.statusWidths.assign(kStatusPaneCount, 0);  // sized from their texts below
    spec.statusWidths[0] = -1;
    spec.idleMessage = res::LoadString(IDS_IDLE_MESSAGE);
    spec.icon = toolkit.RenderBitmap(res::PictureSize(IDR_MAINFRAME),
                                     [](DC& dc) { res::DrawPicture(IDR_MAINFRAME, dc); });

    m_peer = toolkit.CreateFrame(*this, spec);
    if (!m_peer) return false;
    // Each pane as wide as the widest text it shows, measured in the bar's own font.
    const std::vector<std::vector<std::string>> paneTexts = StatusPaneTexts();
    for (size_t pane = 1; pane < paneTexts.size(); ++pane) {
        for (const std::string& text : paneTexts[pane]) {
            spec.statusWidths[pane] =
                std::max(spec.statusWidths[pane], m_peer->StatusPaneWidth(text));
        }
    }
    m_peer->SetStatusWidths(spec.statusWidths);
    InstallMenu(IDR_MAINFRAME);
    CSplashWnd::ShowOnce(m_peer.get());
    return true;
}

void CMainFrame::InstallMenu(int resourceId) {
    if (!m_peer) return;
    Menu menu = res::LoadMenu(resourceId);
    // The recent files take the place of the "Recent File" item.
    for (MenuItem& popup : menu.items) {
        for (size_t i = 0; i < popup.items.size(); ++i) {
            if (popup.items[i].id != ID_FILE_MRU_FILE1) continue;
            const auto& mru = m_app.RecentFiles();
            if (mru.IsEmpty()) {
                popup.items[i].enabled = false;
                break;
            }
            std::vector<MenuItem> entries;
            const char* home = std::getenv("HOME");
            for (int k = 0; k < mru.Count(); ++k) {
                entries.push_back(
                    MenuItem::Command(ID_FILE_MRU_FILE1 + k, mru.MenuText(k, home ? home : "")));
            }
            popup.items.erase(popup.items.begin() + static_cast<long>(i));
            popup.items.insert(popup.items.begin() + static_cast<long>(i), entries.begin(),
                               entries.end());
            break;
        }
    }
    // The open windows at the foot of the Window menu.
    m_windowList = WindowListTexts();
    for (MenuItem& popup : menu.items) {
        if (std::none_of(popup.items.begin(), popup.items.end(),
                         [](const MenuItem& item) { return item.id == ID_WINDOW_CASCADE; }))
            continue;
        if (!m_windowList.empty()) popup.items.push_back(MenuItem::Separator());
        for (size_t k = 0; k < m_windowList.size(); ++k) {
            popup.items.push_back(
                MenuItem::CheckCommand(ID_WINDOW_CHILD1 + static_cast<int>(k), m_windowList[k]));
        }
    }
    if (MenuItem* item = menu.Find(ID_VIEW_TOOLBAR)) item->checked = m_bToolBarShown != 0;
    if (MenuItem* item = menu.Find(ID_VIEW_STATUS_BAR)) item->checked = m_bStatusBarShown != 0;
    m_nMenu = resourceId;
    m_peer->SetMenu(menu);
}

void CMainFrame::RefreshRecentFileMenu() {
    if (m_nMenu) InstallMenu(m_nMenu);
}

void CMainFrame::RefreshWindowMenu() {
    if (m_nMenu && WindowListTexts() != m_windowList) InstallMenu(m_nMenu);
}

std::vector<std::string> CMainFrame::WindowListTexts() const {
    std::vector<std::string> texts;
    for (const auto& frame : m_app.Frames()) {
        if (texts.size() == static_cast<size_t>(kWindowListCount)) break;
        // A '&' of the title is doubled so it does not mark a mnemonic.
        std::string title;
        for (char c : frame->GetTitle()) title += c == '&' ? std::string("&&") : std::string(1, c);
        texts.push_back("&" + std::to_string(texts.size() + 1) + " " + title);
    }
    return texts;
}

bool CMainFrame::OpensMissingView(int id) const {
    const CDocTemplate* tmpl = nullptr;
    if (id == ID_RESULTS_GRAPHS) tmpl = m_app.m_pGraphTemplate;
    if (id == ID_RESULTS_TEXT_SHORT || id == ID_RESULTS_TEXT_LONG) tmpl = m_app.m_pTextTemplate;
    if (id == ID_RESULTS_CODE_COMPLIANCE) tmpl = m_app.m_pComplianceTemplate;
    if (id != ID_RESULTS_GRAPHS && id != ID_RESULTS_TEXT_SHORT && id != ID_RESULTS_TEXT_LONG &&
        id != ID_RESULTS_CODE_COMPLIANCE) {
        return false;
    }
    return !tmpl || !tmpl->CanCreateView();
}

std::vector<std::vector<std::string>> CMainFrame::StatusPaneTexts() {
    std::vector<std::vector<std::string>> texts(kStatusPaneCount);
    texts[kPaneProgress] = {CKordelDoc::ProgressText(true, kMaxProgressStep),
                            CKordelDoc::ProgressText(false, 0)};
    for (int units : {kUnitsUS, kUnitsMetric}) {
        for (int code : {kSpecLrfd, kSpecStandard}) {
            const DesignStatusTexts widest = WidestDesignStatus(units, code);
            texts[kPaneStress].push_back(widest.stress);
            texts[kPaneStrands].push_back(widest.strands);
            texts[kPaneConcrete].push_back(widest.concrete);
            texts[kPaneDesignCode].push_back(widest.code);
        }
    }
    return texts;
}

CChildFrame* CMainFrame::MDIGetActive() const {
    return m_app.ActiveFrame();
}

void CMainFrame::SetStatusText(int pane, const std::string& text) {
    if (m_peer) {
        m_peer->SetStatusText(pane, text);
    } else {
        CMainFrameState::SetStatusText(pane, text);
    }
}

// ---- First showing and destruction -------------------------------------------------------

void CMainFrame::OnFrameShowWindow(bool show, bool wasVisible) {
    if (!show || wasVisible || !m_peer) return;
    platform::CIni ini;
    ini.SetUserFile(platform::kIniFileName);

    std::array<std::uint8_t, kPlacementRecordBytes> bytes{};
    const std::size_t read =
        ini.GetDataBlock(platform::kIniSectionWindowState, platform::kIniKeyWindowPlacement,
                         bytes.data(), bytes.size());
    if (read > 0) {
        // Bytes a short record does not reach keep the window's present placement.
        m_peer->SetPlacement(DecodePlacement(bytes.data(), read, m_peer->GetPlacement()));
    }

    ShowBar(ControlBar::ToolBar, ID_VIEW_TOOLBAR, m_bToolBarShown,
            ini.GetBool(platform::kIniSectionWindowState, platform::kIniKeyToolbar, 1) != 0);
    ShowBar(ControlBar::StatusBar, ID_VIEW_STATUS_BAR, m_bStatusBarShown,
            ini.GetBool(platform::kIniSectionWindowState, platform::kIniKeyStatusBar, 1) != 0);
}

void CMainFrame::DestroyWindow() {
    if (!m_peer) return;
    if (CSplashWnd::Instance()) CSplashWnd::Instance()->Hide();

    platform::CIni ini;
    ini.SetUserFile(platform::kIniFileName);
    WindowPlacement placement = m_peer->GetPlacement();
    placement.length = static_cast<std::int32_t>(kPlacementRecordBytes);
    const auto bytes = EncodePlacement(placement);
    ini.WriteDataBlock(platform::kIniSectionWindowState, platform::kIniKeyWindowPlacement,
                       bytes.data(), bytes.size());

    ini.WriteBool(platform::kIniSectionWindowState, platform::kIniKeyToolbar, m_bToolBarShown);
    ini.WriteBool(platform::kIniSectionWindowState, platform::kIniKeyStatusBar, m_bStatusBarShown);
    m_peer->Destroy();
    m_peer.reset();
}

// ---- FrameHandler -------------------------------------------------------------------------

void CMainFrame::OnFrameCommand(int id) {
    if (!m_app.RouteUpdate(id).enabled) return;
    m_app.RouteCommand(id);
}

void CMainFrame::OnFrameUpdateCmdUI(CmdUI& ui) {
    ui = m_app.RouteUpdate(ui.id);
}

void CMainFrame::OnFrameClose() {
    CKordelDoc* doc = m_app.GetDocument();
    if (doc && !doc->SaveModified()) return;
    m_app.CloseAllDocuments();
    DestroyWindow();
    GetToolkit().Quit(0);
}

void CMainFrame::OnDropFiles(const std::vector<std::string>& paths) {
    m_app.OnDropFiles(paths);
}

// ---- Commands -------------------------------------------------------------------------------

// The bar's own flag says whether it shows: a menu may already have flipped the item's check
// mark by the time the command arrives, so the mark is only ever set from the flag.
void CMainFrame::OnViewToolbar() {
    ShowBar(ControlBar::ToolBar, ID_VIEW_TOOLBAR, m_bToolBarShown, m_bToolBarShown == 0);
}

void CMainFrame::OnViewStatusBar() {
    ShowBar(ControlBar::StatusBar, ID_VIEW_STATUS_BAR, m_bStatusBarShown, m_bStatusBarShown == 0);
}

void CMainFrame::ShowBar(ControlBar bar, int commandId, int& shownFlag, bool show) {
    m_peer->SetMenuItemCheck(commandId, show);
    m_peer->ShowControlBar(bar, show);
    shownFlag = show ? 1 : 0;
}

CChildFrame* CMainFrame::FrameOf(const CDocTemplate* tmpl) const {
    for (const auto& frame : m_app.Frames()) {
        if (&frame->Template() == tmpl) return frame.get();
    }
    return nullptr;
}

void CMainFrame::OnOpenResultsView(CDocTemplate* tmpl, int& openFlag, bool refused) {
    if (refused) {
        if (CChildFrame* open = FrameOf(tmpl)) open->BringToFront();
        return;
    }
    CChildFrame* active = MDIGetActive();
    if (!active || !active->GetActiveDocument() || !tmpl) {
        platform::ShowMessage(res::LoadString(IDS_COMMAND_FAILED));
        return;
    }
    CChildFrame* frame = m_app.CreateNewFrame(*tmpl);
    if (!frame) {
        platform::ShowMessage(res::LoadString(IDS_COMMAND_FAILED));
        return;
    }
    frame->InitialUpdateFrame();
    openFlag = 1;
    m_peer->ArrangeChildren(ChildArrangement::TileHorizontal);
}

void CMainFrame::OnResultsText(int form) {
    const bool open = m_bShortTextViewOpen != 0 || m_bLongTextViewOpen != 0;
    int& flag = form == kReportShortForm ? m_bShortTextViewOpen : m_bLongTextViewOpen;
    if (!open) {
        // The new view shows the form the user asked for, not whichever the design last held.
        CChildFrame* active = MDIGetActive();
        CKordelDoc* doc = active ? active->GetActiveDocument() : nullptr;
        if (doc && doc->m_nReportForm != form) {
            doc->m_nReportForm = form;
            doc->RunAnalysis();
            m_app.UpdateAllViews();
        }
        OnOpenResultsView(m_app.m_pTextTemplate, flag, false);
        return;
    }
    // The open text view comes to the front and, if it shows the other form, switches to the
    // one chosen as its own command would.
    OnOpenResultsView(m_app.m_pTextTemplate, flag, true);
    CChildFrame* frame = FrameOf(m_app.m_pTextTemplate);
    if (!frame) return;
    for (platform::ui::View* view : frame->Views()) {
        auto* text = dynamic_cast<CTextView*>(view);
        const CKordelDoc* doc = text ? text->GetDocument() : nullptr;
        if (doc && doc->m_nReportForm != form) text->OnResultsTextForm(form);
    }
}

void CMainFrame::OnFileExportResults() {
    CChildFrame* active = MDIGetActive();
    CKordelDoc* doc = active ? active->GetActiveDocument() : nullptr;
    if (!doc) return;
    platform::FileDialogRequest request;
    request.title = "Export Results";
    request.defaultExtension = "txt";
    request.initialName = "*.txt";
    request.promptOverwrite = true;
    auto path = platform::GetHost().GetSaveFileName(request);
    if (!path || path->empty()) return;
    try {
        platform::WriteFileAtomically(*path, FormatResultsExport(*doc));
    } catch (const platform::FileError& e) {
        platform::ShowMessage(e.what(), platform::MsgButtons::Ok, platform::MsgIcon::Error);
    }
}

void CMainFrame::OnResults3DRendering() {
    CChildFrame* active = MDIGetActive();
    CKordelDoc* doc = active ? active->GetActiveDocument() : nullptr;
    if (!doc) return;
    doc->SetDefaultModelColors();
    doc->BuildModel3D();
    C3DViewDlg dlg;
    dlg.m_model = doc->m_model3D;
    if (dlg.DoModal() != kIdOk) return;
    // Nothing of the design changed: no analysis, no modified mark.
    RepaintDesign();
}

void CMainFrame::OnWindowArrange(ChildArrangement how) {
    if (m_peer) m_peer->ArrangeChildren(how);
}

void CMainFrame::OnWindowActivate(int index) {
    const auto& frames = m_app.Frames();
    if (index >= 0 && static_cast<size_t>(index) < frames.size())
        frames[static_cast<size_t>(index)]->BringToFront();
}

void CMainFrame::OnWindowNext() {
    const auto& frames = m_app.Frames();
    if (frames.empty()) return;
    size_t next = 0;
    for (size_t i = 0; i < frames.size(); ++i) {
        if (frames[i].get() == MDIGetActive()) next = (i + 1) % frames.size();
    }
    frames[next]->BringToFront();
}

void CMainFrame::OnWindowSplit() {
    if (CChildFrame* child = MDIGetActive()) child->ToggleSplit();
}

}  // namespace kordel

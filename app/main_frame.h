// The main window of the desktop program: the menu bar (IDR_MAINFRAME with no design open,
// IDR_KORDELTYPE with one), the tool bar, the six-pane status bar and the child windows of the
// design. It holds the main-frame state the design reads and writes (CMainFrameState), enables
// the commands from it, restores and saves its placement and bars in "private.ini", and opens
// the extra results views.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "document/main_frame_state.h"
#include "platform/ui/command.h"
#include "platform/ui/dialog.h"
#include "platform/ui/window.h"

namespace kordel {

class CChildFrame;
class CDocTemplate;
class CKordelApp;
class CKordelDoc;

/// The status bar's panes: pane 0 stretches, the others are sized to the widest text each
/// shows (CMainFrame::StatusPaneTexts).
inline constexpr int kStatusPaneCount = 6;

class CMainFrame : public CMainFrameState,
                   public platform::ui::FrameHandler,
                   public platform::ui::CommandTarget {
  public:
    explicit CMainFrame(CKordelApp& app);
    ~CMainFrame() override;
    CMainFrame(const CMainFrame&) = delete;
    CMainFrame& operator=(const CMainFrame&) = delete;

    /// Makes the window from resource IDR_MAINFRAME (menu, tool bar, status bar) and shows the
    /// splash over it; false when the window cannot be made.
    bool LoadFrame();
    /// Saves the placement and the bar states in "private.ini", then destroys the window.
    void DestroyWindow();

    platform::ui::FramePeer* Peer() const { return m_peer.get(); }
    /// The active child window, or nullptr.
    CChildFrame* MDIGetActive() const;
    /// Shows menu IDR_MAINFRAME or IDR_KORDELTYPE with the recent files and the check marks.
    void InstallMenu(int resourceId);
    int CurrentMenu() const { return m_nMenu; }
    /// Whether `id` opens a kind of results view that the program does not have yet.
    bool OpensMissingView(int id) const;
    /// Rebuilds the recent-file entries of the menu shown.
    void RefreshRecentFileMenu();
    /// Rebuilds the window list at the foot of the Window menu when the child windows or their
    /// titles have changed.
    void RefreshWindowMenu();

    /// The design of the active child window, or nullptr.
    CKordelDoc* ActiveDesign() const;
    /// What every input command does around its dialog: `copyIn` fills the dialog from the
    /// active design, the dialog runs, and only when it ends with OK `copyBack` writes its
    /// values back (with the command's own follow-up); then the design's live-load results are
    /// marked to be worked out again, the design is analysed, the window repainted, the design
    /// marked modified and every view updated. Any other end leaves the design untouched.
    /// Returns whether the dialog ended with OK (app/input_commands.cpp).
    bool RunInputDialog(platform::ui::Dialog& dialog,
                        const std::function<void(CKordelDoc&)>& copyIn,
                        const std::function<void(CKordelDoc&)>& copyBack);

    /// Sets status-bar pane `pane` and redraws it at once.
    void SetStatusText(int pane, const std::string& text) override;
    /// The texts that decide the width of each status-bar pane (none for pane 0): the analysis
    /// progress, and the widest design status of a US and a metric design under each
    /// specification.
    static std::vector<std::vector<std::string>> StatusPaneTexts();

    // ---- FrameHandler -------------------------------------------------------------------
    void OnFrameCommand(int id) override;
    void OnFrameUpdateCmdUI(platform::ui::CmdUI& ui) override;
    void OnFrameClose() override;
    void OnFrameShowWindow(bool show, bool wasVisible) override;
    void OnDropFiles(const std::vector<std::string>& paths) override;

    int m_bStatusBarShown = 1;  ///< BOOL: the status bar is shown
    int m_bToolBarShown = 1;    ///< BOOL: the tool bar is shown

  private:
    void OnViewToolbar();
    void OnViewStatusBar();
    /// Shows or hides `bar` at once, with its View item's check mark and its flag.
    void ShowBar(platform::ui::ControlBar bar, int commandId, int& shownFlag, bool show);
    /// Opens a view of `tmpl` unless `refused`; a view of it already open comes to the front.
    void OnOpenResultsView(CDocTemplate* tmpl, int& openFlag, bool refused);
    /// Results/Text Printout in `form`: opens the text view in that form, or brings the open
    /// one to the front switched to it.
    void OnResultsText(int form);
    /// The child window showing a view of `tmpl`, or nullptr.
    CChildFrame* FrameOf(const CDocTemplate* tmpl) const;
    /// The entries of the window list: "&1 Untitled", "&2 Untitled - Long Form", ...
    std::vector<std::string> WindowListTexts() const;
    void OnWindowActivate(int index);
    void OnWindowNext();
    void OnFileExportResults();
    /// Results/3D Rendering: builds the design's 3D model and shows it in "3D Rendering".
    void OnResults3DRendering();
    void OnWindowArrange(platform::ui::ChildArrangement how);
    void OnWindowSplit();
    void RegisterCommands();
    // The input commands (app/input_commands.cpp).
    void RegisterInputCommands();
    /// The frame and every view of the design drawn again after a change.
    void RepaintDesign();
    void OnInputWizard();
    void OnInputJobInformation();
    void OnInputProjectSettings();
    void OnInputSpanLayout();
    // Bridge section geometry (app/input_commands_geometry.cpp).
    void OnInputGeometry();
    // Materials and Loads (app/input_commands_materials.cpp).
    void RegisterMaterialsCommands();
    void OnInputMaterials();
    void OnInputLoads();
    // The pretensioning commands (app/input_commands_prestress.cpp).
    void RegisterPretensioningCommands();
    void OnInputPretensioning();
    void OnInputPrelimStrandDesign();
    void OnInputStrandPattern();
    // Input/Rebar - Longitudinal and Rebar- Transverse (app/input_commands_rebar.cpp).
    void RegisterRebarCommands();
    void OnInputRebarLongitudinal();
    void OnInputRebarTransverse();
    /// File/Options: "User Options" on the active design (app/user_options_dlg.cpp).
    void OnFileOptions();
    // Debonding, detensioning and post-tensioning (app/input_commands_debond.cpp).
    void RegisterDebondCommands();
    void OnInputDebonding();
    void OnInputPrelimDebondDesign();
    void OnInputPostTensioning();
    // Factors, limits, options and handling (app/input_commands_factors.cpp).
    void RegisterFactorCommands();
    void OnInputLoadResistFactors();
    void OnInputStressLimits();
    void OnInputCamberMultipliers();
    void OnInputAnalysisOptions();
    void OnInputStrippingHandling();
    // The results, library and tool commands (app/tool_commands.cpp).
    void RegisterToolCommands();
    void OnResultsGrid();
    void OnLibrariesLiveLoadVehicles();
    void OnToolsLoadTables();
    // The library commands (app/library_commands.cpp).
    void RegisterLibraryCommands();
    /// Libraries/Beam Sections: "Section Library" in maintenance mode; the design is not touched.
    void OnLibrariesBeamSections();

    CKordelApp& m_app;
    std::unique_ptr<platform::ui::FramePeer> m_peer;
    int m_nMenu = 0;
    std::vector<std::string> m_windowList;  ///< the window list of the menu shown
    platform::ui::DialogCommandRoute m_previousDialogRoute;
};

}  // namespace kordel

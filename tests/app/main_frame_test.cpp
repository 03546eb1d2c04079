// The main frame on the headless backend: the command-enabling rules, the window state kept in
// "private.ini", the first-run folders, the child window and File/Export Results.
#include "app/main_frame.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <set>

#include "app/child_frame.h"
#include "report/results_export.h"
#include "tests/app/desktop_test_support.h"

namespace kordel::test {
namespace {

using platform::ui::CmdUI;
using platform::ui::ControlBar;
using platform::ui::WindowPlacement;

struct FrameState {
    int documentOpen;
    int structureType;
    int prestressType;
    int units;
    int graphViewOpen;
};

/// The frame's own rule for a command, before any view answers.
bool RuleEnables(CMainFrame& frame, const FrameState& s, int id) {
    frame.m_bDocumentOpen = s.documentOpen;
    frame.m_nStructureType = s.structureType;
    frame.m_nPrestressType = s.prestressType;
    frame.m_nUnits = s.units;
    frame.m_bGraphViewOpen = s.graphViewOpen;
    CmdUI ui;
    ui.id = id;
    EXPECT_TRUE(frame.OnUpdateCmdUI(ui)) << "the frame has a rule for " << id;
    return ui.enabled;
}

TEST_F(DesktopTest, TheFrameEnablesCommandsFromTheDesignsSettings) {
    ASSERT_TRUE(Start());
    const FrameState none{0, 1, 1, 1, 0};
    const FrameState simpleUs{1, 0, 1, 1, 0};
    const FrameState continuous{1, 1, 1, 1, 0};
    const FrameState postTensioned{1, 0, 2, 1, 0};
    const FrameState metric{1, 0, 1, 2, 0};
    const FrameState graphOpen{1, 0, 1, 1, 1};
    struct Case {
        const char* what;
        int id;
        FrameState state;
        bool enabled;
    };
    const Case cases[] = {
        {"input needs a design", ID_INPUT_MATERIALS, none, false},
        {"input with a design", ID_INPUT_MATERIALS, simpleUs, true},
        {"options with a design", ID_FILE_OPTIONS, simpleUs, true},
        {"32835 has no menu but a rule", ID_INPUT_UNUSED_32835, simpleUs, true},
        {"span layout on a simple span", ID_INPUT_SPAN_LAYOUT, simpleUs, false},
        {"span layout on a continuous girder", ID_INPUT_SPAN_LAYOUT, continuous, true},
        {"post-tensioning without it", ID_INPUT_POST_TENSIONING, simpleUs, false},
        {"post-tensioning with it", ID_INPUT_POST_TENSIONING, postTensioned, true},
        {"load tables: simple, pretensioned, US", ID_TOOLS_LOAD_TABLES, simpleUs, true},
        {"load tables: metric", ID_TOOLS_LOAD_TABLES, metric, false},
        {"load tables: continuous", ID_TOOLS_LOAD_TABLES, continuous, false},
        {"load tables: post-tensioned", ID_TOOLS_LOAD_TABLES, postTensioned, false},
        {"graphs follow their flag", ID_RESULTS_GRAPHS, simpleUs, false},
        {"graphs with the flag set", ID_RESULTS_GRAPHS, graphOpen, true},
        {"vehicle library always", ID_LIBRARIES_LIVE_LOAD_VEHICLES, none, true},
        {"save needs a design", ID_FILE_SAVE, none, false},
        {"save with a design", ID_FILE_SAVE, simpleUs, true},
        {"save as needs a design", ID_FILE_SAVE_AS, none, false},
        {"save as with a design", ID_FILE_SAVE_AS, simpleUs, true},
    };
    for (const Case& c : cases) EXPECT_EQ(RuleEnables(Main(), c.state, c.id), c.enabled) << c.what;
}

TEST_F(DesktopTest, CommandsWhoseDialogsOrViewsAreMissingStayDisabled) {
    ASSERT_TRUE(Start());
    NewDesign();
    // The main view answers the results commands (the text printouts enabled, no check marks),
    // but most input dialogs are not there yet.
    for (int id : {ID_HELP_FINDER, ID_EDIT_COPY}) {
        const CmdUI ui = Query(id);
        EXPECT_FALSE(ui.enabled) << "command " << id;
        EXPECT_FALSE(ui.checked) << "command " << id;
    }
    for (int id : {ID_FILE_EXPORT_RESULTS, ID_FILE_CLOSE, ID_FILE_SAVE, ID_WINDOW_CASCADE,
                   ID_WINDOW_TILE_HORZ, ID_WINDOW_SPLIT, ID_RESULTS_TEXT_SHORT,
                   ID_RESULTS_TEXT_LONG, ID_RESULTS_CODE_COMPLIANCE, ID_RESULTS_3D_RENDERING,
                   ID_RESULTS_GRAPHS, ID_INPUT_WIZARD, ID_INPUT_JOB_INFO,
                   ID_INPUT_PROJECT_SETTINGS, ID_FILE_PRINT,
                   ID_FILE_PRINT_PREVIEW, ID_FILE_PRINT_SETUP, ID_FILE_OPTIONS,
                   ID_INPUT_GEOMETRY, ID_INPUT_MATERIALS, ID_INPUT_LOADS,
                   ID_TOOLS_LOAD_TABLES}) {
        EXPECT_TRUE(Query(id).enabled) << "command " << id;
        EXPECT_FALSE(Query(id).checked) << "command " << id;
    }
    // Graphs opens the graph view once; while it is active the command is checked and opens
    // no second one.
    host.ClearMessages();
    const size_t before = app->Frames().size();
    Main().OnCmdMsg(ID_RESULTS_GRAPHS);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Main().m_bGraphViewOpen, 1);
    EXPECT_EQ(app->Frames().size(), before + 1);
    EXPECT_TRUE(Query(ID_RESULTS_GRAPHS).checked);
    Main().OnCmdMsg(ID_RESULTS_GRAPHS);
    EXPECT_EQ(app->Frames().size(), before + 1);
    // While a text view is open (its flag set) neither text command does anything.
    Main().m_bShortTextViewOpen = 1;
    host.ClearMessages();
    const size_t frames = app->Frames().size();
    Main().OnCmdMsg(ID_RESULTS_TEXT_LONG);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(app->Frames().size(), frames);
}

TEST_F(DesktopTest, ToolBarButtonsAreEnabledOnlyWhenTheirCommandsCanAct) {
    // The buttons that act: with no design the two that bring one in; with a design (its main
    // view or the text view active) also Save, Print, the input commands the program has, the
    // three results views it has, 3D Rendering and Load Tables.
    const std::set<int> noDesign = {ID_FILE_NEW, ID_FILE_OPEN};
    const std::set<int> mainView = {ID_FILE_NEW,          ID_FILE_OPEN,
                                    ID_FILE_SAVE,         ID_FILE_PRINT,
                                    ID_INPUT_WIZARD,      ID_INPUT_JOB_INFO,
                                    ID_INPUT_PROJECT_SETTINGS, ID_RESULTS_TEXT_LONG,
                                    ID_RESULTS_TEXT_SHORT, ID_RESULTS_CODE_COMPLIANCE,
                                    ID_RESULTS_3D_RENDERING, ID_RESULTS_GRAPHS,
                                    ID_INPUT_DEBONDING, ID_INPUT_GEOMETRY, ID_INPUT_MATERIALS,
                                    ID_INPUT_LOADS, ID_INPUT_LOAD_RESIST_FACTORS,
                                    ID_INPUT_ANALYSIS_OPTIONS, ID_INPUT_STRIPPING_HANDLING,
                                    ID_INPUT_PRETENSIONING, ID_INPUT_REBAR_LONGITUDINAL,
                                    ID_INPUT_REBAR_TRANSVERSE, ID_TOOLS_LOAD_TABLES};
    ASSERT_TRUE(Start());
    auto expectButtons = [&](const std::set<int>& enabled, const char* when) {
        for (int id : Frame().Spec().toolBar.buttons) {
            if (id == 0) continue;  // a separator
            EXPECT_EQ(Query(id).enabled, enabled.count(id) != 0) << id << " " << when;
        }
    };
    expectButtons(noDesign, "with no design");
    NewDesign();
    expectButtons(mainView, "in the main view");
    ASSERT_TRUE(Choose(ID_RESULTS_TEXT_LONG));
    expectButtons(mainView, "in the text view");
}

TEST_F(DesktopTest, ArrangeIconsIsDisabledAsNoChildWindowIsEverMinimised) {
    ASSERT_TRUE(Start());
    EXPECT_FALSE(Query(ID_WINDOW_ARRANGE).enabled);
    NewDesign();
    ASSERT_TRUE(Choose(ID_RESULTS_TEXT_LONG));
    EXPECT_FALSE(Query(ID_WINDOW_ARRANGE).enabled);
    EXPECT_TRUE(Query(ID_WINDOW_CASCADE).enabled);
}

TEST_F(DesktopTest, StatusPanesAreAsWideAsTheWidestTextTheyShow) {
    ASSERT_TRUE(Start());
    // On the recording every character is 0.6 em of the 12-pixel status font, 7.2 pixels; a
    // pane adds 8 pixels of borders and margins. The widest texts have every field full.
    const std::vector<std::string> widest = {
        "",
        "Analyzing: |||||",                                    // 16 x 7.2 = 115.2
        "fb:-88.888 (at 8.88L), Mr/Mu:999999.90 (at -0.01L)",  // 50 x 7.2 = 360
        "s:888, d:88888",                                      // 14 x 7.2 = 100.8
        "f'c:188.8, f'ci:188.8",                               // 21 x 7.2 = 151.2, metric
        "LRFD",                                                // 4 x 7.2 = 28.8
    };
    const std::vector<int> widths = Frame().StatusWidths();
    ASSERT_EQ(widths.size(), widest.size());
    EXPECT_EQ(widths[0], -1) << "the message pane stretches";
    for (size_t pane = 1; pane < widest.size(); ++pane) {
        EXPECT_EQ(widths[pane], std::lround(7.2 * static_cast<double>(widest[pane].size())) + 8)
            << "pane " << pane;
    }
}

TEST_F(DesktopTest, EveryStatusTextOfTheExamplesFitsItsPane) {
    ASSERT_TRUE(Start());
    NewDesign();
    const std::vector<int> widths = Frame().StatusWidths();
    for (int example = 1; example <= 4; ++example) {
        Main().m_nSeedChoice = example;
        Doc()->OnNewDocument();
        // The same design shown in metric units and checked under the other specification.
        Doc()->m_nUnits = kUnitsMetric;
        Doc()->RunAnalysis();
        Doc()->m_nSpecification = Doc()->m_nSpecification == kSpecLrfd ? kSpecStandard : kSpecLrfd;
        Doc()->RunAnalysis();
    }
    ASSERT_TRUE(Choose(ID_FILE_CLOSE));  // the blank texts of no design
    for (int pane = 1; pane < static_cast<int>(widths.size()); ++pane) {
        const std::vector<std::string> shown = Frame().StatusTextsShown(pane);
        EXPECT_GT(shown.size(), 10u) << "pane " << pane;
        for (const std::string& text : shown) {
            EXPECT_LE(Frame().StatusPaneWidth(text), widths[static_cast<size_t>(pane)])
                << "pane " << pane << ": \"" << text << "\"";
        }
    }
}

TEST_F(DesktopTest, FirstRunMakesTheProgramsFolders) {
    const std::string program = temp / "Documents/Dravnick Technologies/Kordel V4";
    ASSERT_TRUE(Start());
    EXPECT_TRUE(std::filesystem::is_directory(program + "/Section Library"));
    EXPECT_TRUE(std::filesystem::is_directory(program + "/Vehicle Library"));
    Exit();  // the placement is saved: later starts are no first run
    std::filesystem::remove(program + "/Vehicle Library");
    ASSERT_TRUE(Start());
    EXPECT_FALSE(std::filesystem::exists(program + "/Vehicle Library"));
}

TEST_F(DesktopTest, FirstStartShowsBothBarsWithCheckedItems) {
    ASSERT_TRUE(Start());
    EXPECT_TRUE(Frame().IsControlBarVisible(ControlBar::ToolBar));
    EXPECT_TRUE(Frame().IsControlBarVisible(ControlBar::StatusBar));
    EXPECT_TRUE(Frame().GetMenu().Find(ID_VIEW_TOOLBAR)->checked);
    EXPECT_TRUE(Frame().GetMenu().Find(ID_VIEW_STATUS_BAR)->checked);
    EXPECT_EQ(Frame().GetPlacement().normal, (platform::ui::Rect{26, 26, 1050, 794}))
        << "the toolkit's own placement";
}

TEST_F(DesktopTest, ViewToolbarAndStatusBarHideAndShowTheirBars) {
    struct Bar {
        int command;
        ControlBar bar;
        int CMainFrame::*shown;
    };
    const Bar bars[] = {
        {ID_VIEW_TOOLBAR, ControlBar::ToolBar, &CMainFrame::m_bToolBarShown},
        {ID_VIEW_STATUS_BAR, ControlBar::StatusBar, &CMainFrame::m_bStatusBarShown}};
    ASSERT_TRUE(Start());
    for (bool withDesign : {false, true}) {
        if (withDesign) NewDesign();
        for (const Bar& b : bars) {
            // The menu flips the item's mark before the command runs; the bar follows the
            // frame's flag all the same, each choice reversing it.
            for (bool shown : {false, true, false, true}) {
                ASSERT_TRUE(Choose(b.command));
                EXPECT_EQ(Frame().IsControlBarVisible(b.bar), shown) << b.command;
                EXPECT_EQ(Frame().GetMenu().Find(b.command)->checked, shown) << b.command;
                EXPECT_EQ(Query(b.command).checked, shown) << b.command;
                EXPECT_EQ(Main().*b.shown, shown ? 1 : 0) << b.command;
            }
        }
    }
}

TEST_F(DesktopTest, PlacementAndBarsAreSavedAndRestored) {
    ASSERT_TRUE(Start());
    Choose(ID_VIEW_TOOLBAR);
    EXPECT_FALSE(Frame().IsControlBarVisible(ControlBar::ToolBar));
    EXPECT_FALSE(Frame().GetMenu().Find(ID_VIEW_TOOLBAR)->checked);
    EXPECT_EQ(Main().m_bToolBarShown, 0);
    NewDesign();  // the state survives the change of menus
    EXPECT_FALSE(Frame().GetMenu().Find(ID_VIEW_TOOLBAR)->checked);
    EXPECT_FALSE(Query(ID_VIEW_TOOLBAR).checked);
    WindowPlacement placement;
    placement.showCommand = platform::ui::kShowMaximized;
    placement.normal = {100, 50, 1100, 850};
    Frame().SetPlacement(placement);
    Exit();

    const std::string block =
        Ini(platform::kIniSectionWindowState, platform::kIniKeyWindowPlacement);
    EXPECT_EQ(block.size(), 88u);
    EXPECT_EQ(block.substr(0, 8), "2C000000");
    EXPECT_EQ(Ini(platform::kIniSectionWindowState, platform::kIniKeyToolbar), "0");
    EXPECT_EQ(Ini(platform::kIniSectionWindowState, platform::kIniKeyStatusBar), "1");

    ASSERT_TRUE(Start());
    EXPECT_FALSE(Frame().IsControlBarVisible(ControlBar::ToolBar));
    EXPECT_FALSE(Frame().GetMenu().Find(ID_VIEW_TOOLBAR)->checked);
    EXPECT_TRUE(Frame().IsControlBarVisible(ControlBar::StatusBar));
    EXPECT_TRUE(Frame().GetMenu().Find(ID_VIEW_STATUS_BAR)->checked);
    EXPECT_EQ(Frame().GetPlacement(), placement);
}

TEST_F(DesktopTest, ADamagedOrShortPlacementIsHandled) {
    platform::CIni ini;
    ASSERT_TRUE(Start());  // makes the folder of the settings file
    Exit();
    ini.SetUserFile(platform::kIniFileName);
    // Not hexadecimal: no bytes, the toolkit's placement stays.
    ini.WriteString(platform::kIniSectionWindowState, platform::kIniKeyWindowPlacement, "2C 00");
    ini.WriteString(platform::kIniSectionWindowState, platform::kIniKeyStatusBar, "no");
    ASSERT_TRUE(Start());
    EXPECT_EQ(Frame().GetPlacement().normal, (platform::ui::Rect{26, 26, 1050, 794}));
    EXPECT_FALSE(Frame().IsControlBarVisible(ControlBar::StatusBar));
    Exit();
    // Twelve bytes: the show command is read, the rest kept.
    ini.WriteString(platform::kIniSectionWindowState, platform::kIniKeyWindowPlacement,
                    "2C0000000000000003000000");
    ASSERT_TRUE(Start());
    EXPECT_EQ(Frame().GetPlacement().showCommand, platform::ui::kShowMaximized);
    EXPECT_EQ(Frame().GetPlacement().normal, (platform::ui::Rect{26, 26, 1050, 794}));
}

TEST_F(DesktopTest, ClosingTheDesignWindowAsksToSaveOnce) {
    ASSERT_TRUE(Start());
    NewDesign();
    Doc()->SetModifiedFlag();
    auto* child = Frame().Children()[0];
    host.ClearMessages();
    host.QueueAnswer(platform::MsgResult::Cancel);
    child->Handler().OnClose();
    EXPECT_NE(Doc(), nullptr);
    host.QueueAnswer(platform::MsgResult::No);
    child->Handler().OnClose();
    EXPECT_EQ(Doc(), nullptr);
    EXPECT_EQ(Messages().size(), 2u);
    EXPECT_EQ(Frame().GetMenu().resourceId, IDR_MAINFRAME);
    EXPECT_EQ(Frame().GetTitle(), "Kordel");
}

TEST_F(DesktopTest, WindowSplitMakesTwoByTwoPanesAndJoinsThemAgain) {
    ASSERT_TRUE(Start());
    NewDesign();
    CChildFrame* child = app->ActiveFrame();
    Choose(ID_WINDOW_SPLIT);
    EXPECT_EQ(child->SplitRows(), 2);
    EXPECT_EQ(child->SplitColumns(), 2);
    EXPECT_EQ(Frame().Children()[0]->Views().size(), 4u);
    EXPECT_EQ(Frame().Children()[0]->Rows(), 2);
    Choose(ID_WINDOW_SPLIT);
    EXPECT_EQ(child->SplitRows(), 1);
    EXPECT_EQ(Frame().Children()[0]->Views().size(), 1u);
}

TEST_F(DesktopTest, TheWindowMenuArrangesTheChildWindows) {
    ASSERT_TRUE(Start());
    NewDesign();
    Choose(ID_WINDOW_TILE_HORZ);
    Choose(ID_WINDOW_CASCADE);
    using platform::ui::ChildArrangement;
    EXPECT_EQ(Frame().Arrangements(),
              (std::vector<ChildArrangement>{ChildArrangement::TileHorizontal,
                                             ChildArrangement::Cascade}));
}

// ---- Child windows ------------------------------------------------------------------------

class ChildWindowTest : public DesktopTest {
  protected:
    /// Example 1 with its long-form text view and code-compliance view open, the last in front.
    void OpenThreeWindows() {
        ASSERT_TRUE(Start());
        NewDesign();
        ASSERT_TRUE(Choose(ID_RESULTS_TEXT_LONG));
        ASSERT_TRUE(Choose(ID_RESULTS_CODE_COMPLIANCE));
        ASSERT_EQ(app->Frames().size(), 3u);
    }
    /// The window list at the foot of the Window menu as the menu shows it, "* " marking the
    /// checked entry.
    std::vector<std::string> WindowList() {
        Frame().RefreshMenu();
        std::vector<std::string> list;
        for (const platform::ui::MenuItem& popup : Frame().GetMenu().items) {
            for (const platform::ui::MenuItem& item : popup.items) {
                if (item.id >= ID_WINDOW_CHILD1 && item.id < ID_WINDOW_CHILD1 + kWindowListCount)
                    list.push_back((item.checked ? "* " : "") + item.text);
            }
        }
        return list;
    }
    /// Whether child window `index` is the one in front, active in the program and in the
    /// window backend, with the keyboard focus in its view.
    ::testing::AssertionResult InFront(size_t index) {
        CChildFrame* frame = app->Frames()[index].get();
        platform::ui::HeadlessChild* child = Frame().Children()[index];
        if (app->ActiveFrame() != frame) return ::testing::AssertionFailure() << "not active";
        if (Frame().ActiveChild() != child)
            return ::testing::AssertionFailure() << "not in front in the backend";
        if (!child->Views()[0]->HasFocus())
            return ::testing::AssertionFailure() << "its view has no focus";
        return ::testing::AssertionSuccess();
    }
};

TEST_F(ChildWindowTest, EachWindowsTitleSaysWhatItShows) {
    OpenThreeWindows();
    const auto titles = [this] {
        std::vector<std::string> t;
        for (auto* child : Frame().Children()) t.push_back(child->GetTitle());
        return t;
    };
    EXPECT_EQ(titles(), (std::vector<std::string>{"Untitled", "Untitled - Long Form",
                                                  "Untitled - Code Compliance"}));
    // The text view switched to the short form says so.
    ASSERT_TRUE(Choose(ID_WINDOW_CHILD1 + 1));
    ASSERT_TRUE(Choose(ID_RESULTS_TEXT_SHORT));
    EXPECT_EQ(Frame().Children()[1]->GetTitle(), "Untitled - Short Form");
    // Saved under a name, every window takes it; the window list doubles a '&' of the name so
    // that it shows as written.
    host.QueueFileName(temp / "A&B.kdx");
    ASSERT_TRUE(Choose(ID_FILE_SAVE_AS));
    EXPECT_EQ(titles(), (std::vector<std::string>{"A&B.kdx", "A&B.kdx - Short Form",
                                                  "A&B.kdx - Code Compliance"}));
    EXPECT_EQ(WindowList(), (std::vector<std::string>{"&1 A&&B.kdx", "* &2 A&&B.kdx - Short Form",
                                                      "&3 A&&B.kdx - Code Compliance"}));
}

TEST_F(ChildWindowTest, TheWindowMenuListsTheWindowsAndBringsTheChosenOneToTheFront) {
    ASSERT_TRUE(Start());
    EXPECT_TRUE(WindowList().empty()) << "no design, no windows";
    OpenThreeWindows();
    EXPECT_EQ(WindowList(), (std::vector<std::string>{"&1 Untitled", "&2 Untitled - Long Form",
                                                      "* &3 Untitled - Code Compliance"}));
    EXPECT_TRUE(InFront(2)) << "a newly opened window";
    // A separator stands between the arranging commands and the list.
    const platform::ui::MenuItem* split = nullptr;
    for (const auto& popup : Frame().GetMenu().items) {
        for (size_t i = 0; i + 1 < popup.items.size(); ++i) {
            if (popup.items[i].id == ID_WINDOW_SPLIT) split = &popup.items[i + 1];
        }
    }
    ASSERT_NE(split, nullptr);
    EXPECT_TRUE(split->separator);

    ASSERT_TRUE(Choose(ID_WINDOW_CHILD1 + 1));
    EXPECT_TRUE(InFront(1));
    EXPECT_EQ(WindowList()[1], "* &2 Untitled - Long Form");
    EXPECT_FALSE(Query(ID_WINDOW_CHILD1 + 3).enabled) << "no fourth window";

    // A window closed leaves the list; the design closed empties it.
    app->Frames().back()->OnClose();
    EXPECT_EQ(WindowList().size(), 2u);
    ASSERT_TRUE(Choose(ID_FILE_CLOSE));
    EXPECT_TRUE(WindowList().empty());
}

TEST_F(ChildWindowTest, CtrlF6AndCtrlTabGoToTheNextWindow) {
    ASSERT_TRUE(Start());
    NewDesign();
    EXPECT_FALSE(Query(ID_WINDOW_NEXT).enabled) << "one window has no next";
    OpenThreeWindows();
    using platform::ui::kModCtrl;
    EXPECT_TRUE(Frame().PressKey(platform::ui::kKeyF6, kModCtrl));
    EXPECT_TRUE(InFront(0)) << "after the last comes the first";
    EXPECT_TRUE(Frame().PressKey(platform::ui::kKeyTab, kModCtrl));
    EXPECT_TRUE(InFront(1));
    EXPECT_TRUE(Frame().PressKey(platform::ui::kKeyF6, kModCtrl));
    EXPECT_TRUE(InFront(2));
}

TEST_F(ChildWindowTest, AResultsCommandWhoseViewIsOpenBringsItToTheFront) {
    OpenThreeWindows();
    struct Case {
        int command;
        size_t window;
    };
    for (const Case& c : {Case{ID_RESULTS_TEXT_SHORT, 1}, Case{ID_RESULTS_TEXT_LONG, 1},
                          Case{ID_RESULTS_CODE_COMPLIANCE, 2}}) {
        ASSERT_TRUE(Choose(ID_WINDOW_CHILD1));
        ASSERT_TRUE(Choose(c.command));
        EXPECT_EQ(app->Frames().size(), 3u) << c.command << ": no second view";
        EXPECT_TRUE(InFront(c.window)) << c.command;
    }
}

TEST_F(DesktopTest, ExportResultsWritesTheReportWithItsPageHeaders) {
    ASSERT_TRUE(Start());
    NewDesign();
    Doc()->m_saReportHeader = {"Header 1", "Header 2"};
    Doc()->m_saReport = {"first", "---page break---", "second"};
    const std::string path = temp / "results.txt";
    host.QueueFileName(path);
    Choose(ID_FILE_EXPORT_RESULTS);
    std::ifstream in(path, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(text, FormatResultsExport(*Doc()));
    EXPECT_EQ(text.substr(0, 20), "Header 1\r\nHeader 2\r\n");

    // Cancelling the file dialog writes nothing.
    std::filesystem::remove(path);
    Choose(ID_FILE_EXPORT_RESULTS);
    EXPECT_FALSE(std::filesystem::exists(path));
}

}  // namespace
}  // namespace kordel::test

// The application object and its file commands on the headless backend: start-up, how File/New,
// File/Open, the recent files, dropped files and files named on the command line replace the
// open design (and leave it alone when a step is cancelled or the file cannot be read), and the
// end of the program.
#include "app/kordel_app.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <functional>

#include "app/child_frame.h"
#include "document/design_file.h"
#include "platform/text_encoding.h"
#include "tests/app/desktop_test_support.h"

namespace kordel::test {
namespace {

using platform::MsgResult;

/// Everything of the open design a user could see or lose: the design as its file would hold
/// it, its results and report header, its name and modified flag, its windows and views (the
/// same window objects), and the main frame's copies of its settings and its status bar.
struct OpenDesignState {
    const CKordelDoc* doc = nullptr;
    std::vector<std::uint8_t> file;
    std::vector<std::string> report;
    std::vector<std::string> summary;
    std::vector<std::string> header;
    std::string path;
    bool modified = false;
    std::string title;
    std::vector<const void*> windows;  ///< each child window, then each of its views
    std::vector<std::string> windowTitles;
    int menu = 0;
    std::vector<int> frame;  ///< open flags, settings copies, view flags, seed choice
    std::vector<std::string> status;
};

class ReplaceDesignTest : public DesktopTest {
  protected:
    /// A saved design, then changed and not saved, with its long-form text view open.
    void OpenModifiedDesignWithTextView() {
        m_open = SavedDesign("open.kdx", "Open project");
        Doc()->m_strProject = "Changed, not saved";
        Doc()->m_dDesignSpan = 97.5;
        Doc()->RunAnalysis();
        Doc()->SetModifiedFlag();
        ASSERT_TRUE(Choose(ID_RESULTS_TEXT_LONG));
        ASSERT_EQ(Frame().Children().size(), 2u);
    }

    OpenDesignState State() {
        OpenDesignState s;
        s.doc = Doc();
        if (Doc()) {
            s.file = design_file::WriteDesign(*Doc(), kDesignFileVersion);
            s.report = Doc()->Report();
            s.summary = Doc()->GirderSummary();
            s.header = Doc()->m_saReportHeader;
            s.path = Doc()->GetPathName();
            s.modified = Doc()->IsModified();
        }
        s.title = Frame().GetTitle();
        for (auto* child : Frame().Children()) {
            s.windows.push_back(child);
            for (auto* view : child->Views()) s.windows.push_back(view);
            s.windowTitles.push_back(child->GetTitle());
        }
        s.menu = Frame().GetMenu().resourceId;
        const CMainFrame& m = Main();
        s.frame = {m.m_bDocumentOpen,      m.m_bNoDocument,        m.m_nStructureType,
                   m.m_nPrestressType,     m.m_nUnits,             m.m_bGraphViewOpen,
                   m.m_bShortTextViewOpen, m.m_bLongTextViewOpen,  m.m_bComplianceViewOpen,
                   m.m_nSeedChoice};
        for (int pane = 0; pane < 6; ++pane) s.status.push_back(Frame().GetStatusText(pane));
        return s;
    }

    static void ExpectSame(const OpenDesignState& before, const OpenDesignState& after,
                           const std::string& what) {
        EXPECT_EQ(after.doc, before.doc) << what << ": the same design object";
        EXPECT_TRUE(after.file == before.file) << what << ": the design's inputs";
        EXPECT_EQ(after.report, before.report) << what << ": the report";
        EXPECT_EQ(after.summary, before.summary) << what << ": the girder summary";
        EXPECT_EQ(after.header, before.header) << what << ": the report header";
        EXPECT_EQ(after.path, before.path) << what << ": the design's file";
        EXPECT_EQ(after.modified, before.modified) << what << ": the modified flag";
        EXPECT_EQ(after.title, before.title) << what << ": the main window's title";
        EXPECT_EQ(after.windows, before.windows) << what << ": the child windows and views";
        EXPECT_EQ(after.windowTitles, before.windowTitles) << what << ": the child titles";
        EXPECT_EQ(after.menu, before.menu) << what << ": the menu bar";
        EXPECT_EQ(after.frame, before.frame) << what << ": the main frame's state";
        EXPECT_EQ(after.status, before.status) << what << ": the status bar";
    }

    std::string m_open;
};

TEST_F(DesktopTest, StartsWithoutArgumentsShowingMenu128AndNoDesign) {
    ASSERT_TRUE(Start());
    EXPECT_EQ(Frame().GetMenu().resourceId, IDR_MAINFRAME);
    EXPECT_EQ(Doc(), nullptr);
    EXPECT_EQ(Main().m_bDocumentOpen, 0);
    EXPECT_TRUE(Frame().IsVisible());
    EXPECT_EQ(Frame().GetTitle(), "Kordel");
    // The idle prompt points to no key that does nothing: F1 runs no command.
    EXPECT_EQ(Frame().GetStatusText(0), "Ready");
    EXPECT_FALSE(Query(ID_HELP).enabled);
    EXPECT_TRUE(Frame().AcceptsFiles());
    for (int id : {ID_INPUT_WIZARD, ID_INPUT_JOB_INFO, ID_INPUT_PROJECT_SETTINGS, ID_INPUT_LOADS,
                   ID_INPUT_SPAN_LAYOUT, ID_INPUT_POST_TENSIONING, ID_RESULTS_GRAPHS,
                   ID_RESULTS_TEXT_LONG, ID_RESULTS_TEXT_SHORT, ID_RESULTS_CODE_COMPLIANCE,
                   ID_RESULTS_GRID, ID_RESULTS_3D_RENDERING, ID_FILE_OPTIONS}) {
        EXPECT_FALSE(Query(id).enabled) << "command " << id;
    }
    for (int id : {ID_FILE_NEW, ID_FILE_OPEN, ID_APP_EXIT, ID_APP_ABOUT, ID_VIEW_TOOLBAR}) {
        EXPECT_TRUE(Query(id).enabled) << "command " << id;
    }
}

TEST_F(DesktopTest, ASwitchWithoutAFileProcessesNothing) {
    for (const char* sw : {"--print", "--print-to", "--register", "--unregister"}) {
        ASSERT_TRUE(Start({sw})) << sw;
        EXPECT_EQ(Doc(), nullptr) << sw;
        EXPECT_TRUE(toolkit.PrintJobs().empty()) << sw;
    }
}

TEST_F(DesktopTest, FileNewWithTheFirstChoiceBuildsExampleDesign1) {
    ASSERT_TRUE(Start());
    NewDesign();
    ASSERT_NE(Doc(), nullptr);
    EXPECT_EQ(Main().m_nSeedChoice, SeedSimpleSpan);
    EXPECT_EQ(Main().m_strSeedName, "default1");
    EXPECT_EQ(Main().m_bDocumentOpen, 1);
    EXPECT_EQ(Frame().GetMenu().resourceId, IDR_KORDELTYPE);
    EXPECT_EQ(Frame().GetTitle(), "Kordel - Untitled");
    ASSERT_EQ(Frame().Children().size(), 1u);
    EXPECT_TRUE(Frame().Children()[0]->IsMaximized()) << "child windows always show maximised";
    EXPECT_EQ(Frame().GetStatusText(kPaneProgress), "Done");
}

TEST_F(DesktopTest, FileNewFromASeedFileLoadsThatFile) {
    ASSERT_TRUE(Start());
    const std::string seed = SavedDesign("seed.kdx", "Seed project");
    host.QueueFileName(seed);
    toolkit.QueueDialog([](platform::ui::DialogDriver& d) {
        d.Click(IDC_SEED_FROM_FILE);
        d.Click(IDC_SEED_SELECT_FILE);
        d.Ok();
    });
    Choose(ID_FILE_NEW);
    EXPECT_EQ(Main().m_nSeedChoice, SeedFromFile);
    EXPECT_EQ(Main().m_strSeedName, seed);
    ASSERT_NE(Doc(), nullptr);
    EXPECT_EQ(Doc()->m_strProject, "Seed project");
    EXPECT_EQ(Doc()->GetPathName(), "") << "a design from a seed is a new, unnamed design";
}

TEST_F(DesktopTest, OpenedAndSavedDesignsJoinTheRecentFiles) {
    ASSERT_TRUE(Start());
    const std::string a = SavedDesign("a.kdx");
    const std::string b = SavedDesign("b.kdx");
    EXPECT_EQ(app->RecentFiles()[0], b);
    EXPECT_EQ(app->RecentFiles()[1], a);
    const auto* item = Frame().GetMenu().Find(ID_FILE_MRU_FILE1);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text.substr(0, 3), "&1 ");
    EXPECT_NE(item->text.find("b.kdx"), std::string::npos);
    EXPECT_TRUE(Query(ID_FILE_MRU_FILE1 + 1).enabled);
    EXPECT_FALSE(Query(ID_FILE_MRU_FILE1 + 2).enabled) << "no third entry";

    // The list outlives the program.
    Exit();
    ASSERT_TRUE(Start());
    ASSERT_EQ(app->RecentFiles().Count(), 2);
    EXPECT_EQ(app->RecentFiles()[0], b);
}

TEST_F(DesktopTest, ARecentFileOfTheOpenDesignIsReadAgainFromDisk) {
    ASSERT_TRUE(Start());
    const std::string path = SavedDesign("same.kdx", "As saved");
    Doc()->m_strProject = "Changed in memory";  // not marked modified: no prompt
    host.ClearMessages();
    Choose(ID_FILE_MRU_FILE1);
    EXPECT_TRUE(Messages().empty());
    ASSERT_NE(Doc(), nullptr);
    EXPECT_EQ(Doc()->m_strProject, "As saved");
    EXPECT_EQ(Doc()->GetPathName(), path);
    EXPECT_EQ(Frame().Children().size(), 1u);
}

TEST_F(DesktopTest, ARecentFileThatIsGoneIsReportedAndDropped) {
    ASSERT_TRUE(Start());
    const std::string path = SavedDesign("gone.kdx");
    Choose(ID_FILE_CLOSE);
    std::filesystem::remove(path);
    host.ClearMessages();
    Choose(ID_FILE_MRU_FILE1);
    EXPECT_EQ(Doc(), nullptr);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_NE(Messages()[0].find("gone.kdx"), std::string::npos);
    EXPECT_TRUE(app->RecentFiles().IsEmpty());
    const auto* placeholder = Frame().GetMenu().Find(ID_FILE_MRU_FILE1);
    ASSERT_NE(placeholder, nullptr);
    EXPECT_EQ(placeholder->text, "Recent File");
    EXPECT_FALSE(Query(ID_FILE_MRU_FILE1).enabled);
}

// Each road asks what to open, then offers to save the open design, then replaces it.
TEST_F(ReplaceDesignTest, OpenAndDroppedFilesReplaceTheDesignAfterTheSavePrompt) {
    ASSERT_TRUE(Start());
    const std::string path = SavedDesign("other.kdx", "On disk");
    OpenModifiedDesignWithTextView();
    const int dialogs = host.FileDialogsShown();
    host.ClearMessages();

    host.QueueFileName(path);
    host.QueueAnswer(MsgResult::No);
    Choose(ID_FILE_OPEN);
    EXPECT_EQ(host.FileDialogsShown(), dialogs + 1);
    EXPECT_EQ(Messages(), std::vector<std::string>{"Save changes to open.kdx?"});
    ASSERT_NE(Doc(), nullptr);
    EXPECT_EQ(Doc()->GetPathName(), path);
    EXPECT_EQ(Frame().GetTitle(), "Kordel - other.kdx");
    EXPECT_EQ(Frame().Children().size(), 1u) << "the old design's windows went with it";
    EXPECT_EQ(Main().m_bLongTextViewOpen, 0);

    // Only the first file dropped is opened.
    Doc()->SetModifiedFlag();
    host.ClearMessages();
    host.QueueAnswer(MsgResult::No);
    Frame().DropFiles({m_open, temp / "more.kdx"});
    EXPECT_EQ(Messages(), std::vector<std::string>{"Save changes to other.kdx?"});
    ASSERT_NE(Doc(), nullptr);
    EXPECT_EQ(Doc()->m_strProject, "Open project");
    EXPECT_EQ(Frame().Children().size(), 1u) << "one design at a time";
}

// Cancelling any step before the new design is read changes nothing: the file dialog, the
// "Initialize New Design" dialog, or the save prompt after either.
TEST_F(ReplaceDesignTest, CancellingAnyStepLeavesTheOpenDesignAsItWas) {
    ASSERT_TRUE(Start());
    const std::string other = SavedDesign("other.kdx");
    OpenModifiedDesignWithTextView();
    const OpenDesignState before = State();
    const std::vector<std::string> prompt{"Save changes to open.kdx?"};
    struct Road {
        const char* what;
        std::function<void()> run;
        std::vector<std::string> messages;
    };
    const Road roads[] = {
        {"File/Open, the file dialog cancelled",
         [&] {
             host.QueueFileName(std::nullopt);
             Choose(ID_FILE_OPEN);
         },
         {}},
        {"File/New Design, the dialog cancelled",
         [&] {
             toolkit.QueueDialog([](platform::ui::DialogDriver& d) { d.Cancel(); });
             Choose(ID_FILE_NEW);
         },
         {}},
        {"File/Open, Cancel at the prompt",
         [&] {
             host.QueueFileName(other);
             host.QueueAnswer(MsgResult::Cancel);
             Choose(ID_FILE_OPEN);
         },
         prompt},
        {"File/New Design, Cancel at the prompt",
         [&] {
             toolkit.QueueDialog([](platform::ui::DialogDriver& d) { d.Ok(); });
             host.QueueAnswer(MsgResult::Cancel);
             Choose(ID_FILE_NEW);
         },
         prompt},
        {"a dropped file, Cancel at the prompt",
         [&] {
             host.QueueAnswer(MsgResult::Cancel);
             Frame().DropFiles({other});
         },
         prompt},
        {"a recent file, Cancel at the prompt",
         [&] {
             host.QueueAnswer(MsgResult::Cancel);
             Choose(ID_FILE_MRU_FILE1 + 1);
         },
         prompt},
    };
    for (const Road& road : roads) {
        host.ClearMessages();
        road.run();
        EXPECT_EQ(Messages(), road.messages) << road.what;
        ExpectSame(before, State(), road.what);
    }
    EXPECT_EQ(app->RecentFiles().Count(), 2) << "a cancelled recent file stays listed";
}

// A file that cannot be read, by every road that brings in a design, after the save prompt let
// the open design go: its message, and the open design stays as it was, its views too.
TEST_F(ReplaceDesignTest, AFileThatCannotBeReadLeavesTheOpenDesignAsItWas) {
    ASSERT_TRUE(Start());
    const std::string notes = temp / "notes.txt";
    platform_test::WriteText(notes, "not a design");
    const std::string spoilt = SavedDesign("spoilt.kdx");
    const std::string missing = temp / "missing.kdx";
    OpenModifiedDesignWithTextView();
    platform_test::WriteText(spoilt, "overwritten since");
    const OpenDesignState before = State();
    const std::string unexpected = "Unexpected file format.";
    struct Road {
        const char* what;
        std::function<void()> run;
        std::string message;
    };
    const Road roads[] = {
        {"File/Open of a text file",
         [&] {
             host.QueueFileName(notes);
             Choose(ID_FILE_OPEN);
         },
         unexpected},
        {"File/Open of a missing file",
         [&] {
             host.QueueFileName(missing);
             Choose(ID_FILE_OPEN);
         },
         missing + " was not found."},
        {"a dropped text file", [&] { Frame().DropFiles({notes}); }, unexpected},
        {"File/New Design from a seed that is no design",
         [&] {
             host.QueueFileName(notes);
             toolkit.QueueDialog([](platform::ui::DialogDriver& d) {
                 d.Click(IDC_SEED_FROM_FILE);
                 d.Click(IDC_SEED_SELECT_FILE);
                 d.Ok();
             });
             Choose(ID_FILE_NEW);
         },
         unexpected},
        {"a recent file overwritten since", [&] { Choose(ID_FILE_MRU_FILE1 + 1); }, unexpected},
    };
    for (const Road& road : roads) {
        host.ClearMessages();
        host.QueueAnswer(MsgResult::No);
        road.run();
        EXPECT_EQ(Messages(), (std::vector<std::string>{"Save changes to open.kdx?", road.message}))
            << road.what;
        ExpectSame(before, State(), road.what);
    }
    ASSERT_EQ(app->RecentFiles().Count(), 1) << "the unreadable recent file is dropped";
    EXPECT_EQ(app->RecentFiles()[0], m_open);
}

// "Yes" at the prompt saves the design; when the new file then cannot be read, the saved design
// stays open under its new name.
TEST_F(ReplaceDesignTest, ADesignSavedAtThePromptStaysOpenUnderItsName) {
    ASSERT_TRUE(Start());
    const std::string notes = temp / "notes.txt";
    platform_test::WriteText(notes, "not a design");
    NewDesign();
    Doc()->SetModifiedFlag();
    const std::string named = temp / "named.kdx";
    host.QueueFileName(notes);
    host.QueueAnswer(MsgResult::Yes);
    host.QueueFileName(named);
    Choose(ID_FILE_OPEN);
    ASSERT_NE(Doc(), nullptr);
    EXPECT_EQ(Doc()->GetPathName(), named);
    EXPECT_FALSE(Doc()->IsModified());
    EXPECT_TRUE(std::filesystem::exists(named));
    EXPECT_EQ(Frame().GetTitle(), "Kordel - named.kdx");
    EXPECT_EQ(app->RecentFiles()[0], named);
}

TEST_F(DesktopTest, AFileNamedOnTheCommandLineIsOpened) {
    ASSERT_TRUE(Start());
    const std::string path = SavedDesign("shell.kdx", "From the shell");
    Exit();
    ASSERT_TRUE(Start({"--nosplash", path}));
    ASSERT_NE(Doc(), nullptr);
    EXPECT_EQ(Doc()->m_strProject, "From the shell");
    EXPECT_EQ(Frame().GetMenu().resourceId, IDR_KORDELTYPE);

}

// A file named on the command line that cannot be opened is reported; the program stays, with
// its main window and no design.
TEST_F(DesktopTest, AFileNamedOnTheCommandLineThatCannotBeOpenedLeavesTheProgramRunning) {
    const std::string notes = temp / "notes.txt";
    platform_test::WriteText(notes, "not a design");
    const std::string missing = temp / "missing.kdx";
    const std::pair<std::string, std::string> cases[] = {
        {missing, missing + " was not found."},
        {notes, "Unexpected file format."},
    };
    for (const auto& [path, message] : cases) {
        host.ClearMessages();
        EXPECT_TRUE(Start({"--nosplash", path})) << path;
        EXPECT_EQ(Messages(), std::vector<std::string>{message});
        EXPECT_EQ(Doc(), nullptr);
        EXPECT_TRUE(Frame().IsVisible());
        EXPECT_FALSE(Frame().Destroyed());
        EXPECT_EQ(Frame().GetMenu().resourceId, IDR_MAINFRAME);
        EXPECT_EQ(Frame().GetTitle(), "Kordel");
        EXPECT_TRUE(Query(ID_FILE_OPEN).enabled);
        EXPECT_EQ(app->ExitInstance(), 0);
    }
}

// File names come from the system as UTF-8 bytes. The program shows them as its own text
// (Windows-1252, which the window layer turns back into UTF-8) in the titles, the recent files,
// its messages and the report header, and opens files by their own bytes.
TEST_F(DesktopTest, AFileNameShowsAsItselfAndOpensByItsOwnBytes) {
    ASSERT_TRUE(Start());
    const std::string utf8 = "Br\xC3\xBC" "cke.kdx";  // "Brücke.kdx" as the system names it
    const std::string shown = "Br\xFC" "cke.kdx";      // the same in the program's text
    const std::string path = SavedDesign(utf8);
    EXPECT_EQ(Frame().GetTitle(), "Kordel - " + shown);
    EXPECT_EQ(platform::Cp1252ToUtf8(Frame().GetTitle()), "Kordel - " + utf8)
        << "what the window shows";
    EXPECT_EQ(Frame().Children()[0]->GetTitle(), shown);
    const auto* item = Frame().GetMenu().Find(ID_FILE_MRU_FILE1);
    ASSERT_NE(item, nullptr);
    EXPECT_TRUE(item->text.ends_with("/" + shown)) << item->text;
    EXPECT_EQ(app->RecentFiles()[0], path) << "the list keeps the path's own bytes";
    EXPECT_EQ(Doc()->m_saReportHeader[2].substr(0, 21), "Filename: " + shown + " ");

    // The printed header of the text view.
    ASSERT_TRUE(Choose(ID_RESULTS_TEXT_LONG));
    ASSERT_TRUE(Choose(ID_FILE_PRINT_DIRECT));
    ASSERT_FALSE(toolkit.PrintJobs().empty());
    const std::vector<std::string> printed = toolkit.PrintJobs().back()->Page(0).Texts();
    ASSERT_GE(printed.size(), 3u);
    EXPECT_EQ(printed[2].substr(0, 21), "Filename: " + shown + " ");

    // The save prompt, then the design read again from the recent list.
    Doc()->SetModifiedFlag();
    host.ClearMessages();
    host.QueueAnswer(MsgResult::No);
    Choose(ID_FILE_CLOSE);
    EXPECT_EQ(Messages(), std::vector<std::string>{"Save changes to " + shown + "?"});
    ASSERT_EQ(Doc(), nullptr);
    Choose(ID_FILE_MRU_FILE1);
    ASSERT_NE(Doc(), nullptr);
    EXPECT_EQ(Doc()->GetPathName(), path);
    EXPECT_EQ(Doc()->m_strProject, "Bridge 12");

    // A message naming the file.
    Choose(ID_FILE_CLOSE);
    std::filesystem::remove(path);
    host.ClearMessages();
    Choose(ID_FILE_MRU_FILE1);
    EXPECT_EQ(Messages(), std::vector<std::string>{temp / shown + " was not found."});

    // A name with characters Windows-1252 lacks shows them as '?' and still opens.
    const std::string bridge = SavedDesign("\xD0\x9C\xD0\xBE\xD1\x81\xD1\x82.kdx");  // "Мост.kdx"
    EXPECT_EQ(Frame().GetTitle(), "Kordel - ????.kdx");
    Choose(ID_FILE_CLOSE);
    Choose(ID_FILE_MRU_FILE1);
    ASSERT_NE(Doc(), nullptr);
    EXPECT_EQ(Doc()->GetPathName(), bridge);
}

TEST_F(DesktopTest, ExitAsksToSaveAndCanBeCancelled) {
    ASSERT_TRUE(Start());
    NewDesign();
    Doc()->SetModifiedFlag();
    host.QueueAnswer(MsgResult::Cancel);
    Choose(ID_APP_EXIT);
    EXPECT_FALSE(Frame().Destroyed());
    EXPECT_FALSE(toolkit.QuitRequested());
    ASSERT_NE(Doc(), nullptr);

    host.QueueAnswer(MsgResult::No);
    Choose(ID_APP_EXIT);
    EXPECT_TRUE(toolkit.QuitRequested());
    EXPECT_EQ(app->ExitInstance(), 0);
    EXPECT_EQ(app->m_pGraphTemplate, nullptr);
    EXPECT_EQ(app->m_pTextTemplate, nullptr);
    EXPECT_EQ(app->m_pComplianceTemplate, nullptr);
}

TEST_F(DesktopTest, CloseSaveAndSaveAsWorkOnTheOpenDesign) {
    ASSERT_TRUE(Start());
    const std::string path = SavedDesign("saved.kdx");
    EXPECT_TRUE(std::filesystem::exists(path));
    EXPECT_EQ(Frame().GetTitle(), "Kordel - saved.kdx");
    EXPECT_EQ(Frame().Children()[0]->GetTitle(), "saved.kdx");
    Doc()->m_strTask = "Task 7";
    Doc()->SetModifiedFlag();
    Choose(ID_FILE_SAVE);  // saves to its own path, no dialog
    EXPECT_FALSE(Doc()->IsModified());
    EXPECT_EQ(host.FileDialogsShown(), 1);

    Choose(ID_FILE_CLOSE);
    EXPECT_EQ(Doc(), nullptr);
    host.QueueFileName(path);
    Choose(ID_FILE_OPEN);
    EXPECT_EQ(Doc()->m_strTask, "Task 7");
}

TEST_F(DesktopTest, AboutShowsTheVersion) {
    ASSERT_TRUE(Start());
    std::string version;
    toolkit.QueueDialog([&](platform::ui::DialogDriver& d) {
        EXPECT_EQ(d.Caption(), "About Kordel");
        version = d.Text(IDC_VERSION);
        d.Ok();
    });
    Choose(ID_APP_ABOUT);
    EXPECT_EQ(version, "4.62");
}

}  // namespace
}  // namespace kordel::test

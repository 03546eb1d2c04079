// The application object and its file commands on the headless backend: start-up, the
// close-first rule of File/New, File/Open, the recent files, dropped files and files named on
// the command line, and the end of the program.
#include "app/kordel_app.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/child_frame.h"
#include "tests/app/desktop_test_support.h"

namespace kordel::test {
namespace {

using platform::MsgResult;

TEST_F(DesktopTest, StartsWithoutArgumentsShowingMenu128AndNoDesign) {
    ASSERT_TRUE(Start());
    EXPECT_EQ(Frame().GetMenu().resourceId, IDR_MAINFRAME);
    EXPECT_EQ(Doc(), nullptr);
    EXPECT_EQ(Main().m_bDocumentOpen, 0);
    EXPECT_TRUE(Frame().IsVisible());
    EXPECT_EQ(Frame().GetTitle(), "Kordel");
    EXPECT_EQ(Frame().GetStatusText(0), "For Help, press F1");
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

TEST_F(DesktopTest, FileNewOnAModifiedDesignCancelledAtThePromptNeverShowsTheDialog) {
    ASSERT_TRUE(Start());
    NewDesign();
    CKordelDoc* doc = Doc();
    doc->SetModifiedFlag();
    host.ClearMessages();
    host.QueueAnswer(MsgResult::Cancel);
    Choose(ID_FILE_NEW);
    EXPECT_EQ(Messages(), std::vector<std::string>{"Save changes to Untitled?"});
    EXPECT_EQ(toolkit.DialogsShown().size(), 1u) << "only the first File/New showed it";
    EXPECT_EQ(Doc(), doc);
    EXPECT_TRUE(Doc()->IsModified());
}

TEST_F(DesktopTest, FileNewAnsweredNoThenCancelledInTheDialogLeavesNoDesign) {
    ASSERT_TRUE(Start());
    NewDesign();
    Doc()->SetModifiedFlag();
    host.QueueAnswer(MsgResult::No);
    toolkit.QueueDialog([](platform::ui::DialogDriver& d) { d.Cancel(); });
    Choose(ID_FILE_NEW);
    EXPECT_EQ(toolkit.DialogsShown().size(), 2u);
    EXPECT_EQ(Doc(), nullptr) << "the old design is closed, no new one made";
    EXPECT_EQ(Frame().GetMenu().resourceId, IDR_MAINFRAME);
    EXPECT_TRUE(Frame().Children().empty());
    EXPECT_EQ(Main().m_bDocumentOpen, 0);
    EXPECT_EQ(Frame().GetStatusText(kPaneStress), "fb:      Mr/Mu:");
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

TEST_F(DesktopTest, ASeedFileThatCannotBeReadLeavesNoDesign) {
    ASSERT_TRUE(Start());
    const std::string bad = temp / "bad.kdx";
    platform_test::WriteText(bad, "not a design");
    host.QueueFileName(bad);
    toolkit.QueueDialog([](platform::ui::DialogDriver& d) {
        d.Click(IDC_SEED_FROM_FILE);
        d.Click(IDC_SEED_SELECT_FILE);
        d.Ok();
    });
    Choose(ID_FILE_NEW);
    EXPECT_EQ(Doc(), nullptr);
    EXPECT_EQ(Messages().back(), "Unexpected file format.");
    EXPECT_TRUE(Frame().Children().empty());
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

TEST_F(DesktopTest, FileOpenClosesTheOpenDesignFirst) {
    ASSERT_TRUE(Start());
    const std::string path = SavedDesign("open.kdx", "On disk");
    NewDesign();
    Doc()->SetModifiedFlag();
    // Cancel at the prompt: no file dialog, the design stays.
    host.QueueAnswer(MsgResult::Cancel);
    Choose(ID_FILE_OPEN);
    EXPECT_EQ(host.FileDialogsShown(), 1) << "only Save As asked for a file";
    EXPECT_EQ(Doc()->GetPathName(), "");
    // No at the prompt: the file is opened in its place.
    host.QueueAnswer(MsgResult::No);
    host.QueueFileName(path);
    Choose(ID_FILE_OPEN);
    ASSERT_NE(Doc(), nullptr);
    EXPECT_EQ(Doc()->GetPathName(), path);
    EXPECT_EQ(Frame().GetTitle(), "Kordel - open.kdx");
}

// Dropped files and shell open requests obey the close-first rule like File/Open.
TEST_F(DesktopTest, DroppedFilesAskToSaveTheOpenDesignFirst) {
    ASSERT_TRUE(Start());
    const std::string path = SavedDesign("dropped.kdx", "Dropped");
    NewDesign();
    CKordelDoc* open = Doc();
    open->SetModifiedFlag();
    host.ClearMessages();

    host.QueueAnswer(MsgResult::Cancel);
    Frame().DropFiles({path});
    EXPECT_EQ(Messages(), std::vector<std::string>{"Save changes to Untitled?"});
    EXPECT_EQ(Doc(), open) << "cancelled: the open design stays, nothing else opens";
    EXPECT_EQ(Frame().Children().size(), 1u);

    host.QueueAnswer(MsgResult::No);
    Frame().DropFiles({path, temp / "other.kdx"});
    ASSERT_NE(Doc(), nullptr);
    EXPECT_EQ(Doc()->GetPathName(), path) << "the first file dropped replaces the design";
    EXPECT_EQ(Frame().Children().size(), 1u) << "one design at a time";
}

TEST_F(DesktopTest, AFileNamedOnTheCommandLineIsOpened) {
    ASSERT_TRUE(Start());
    const std::string path = SavedDesign("shell.kdx", "From the shell");
    Exit();
    ASSERT_TRUE(Start({"--nosplash", path}));
    ASSERT_NE(Doc(), nullptr);
    EXPECT_EQ(Doc()->m_strProject, "From the shell");
    EXPECT_EQ(Frame().GetMenu().resourceId, IDR_KORDELTYPE);

    host.ClearMessages();
    EXPECT_FALSE(Start({temp / "missing.kdx"})) << "a file that cannot be opened ends the start";
    EXPECT_EQ(Messages().size(), 1u);
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

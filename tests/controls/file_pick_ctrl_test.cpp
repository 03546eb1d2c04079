// The file-pick dialog driven as a user would: what it lists, a double-click, OK with and
// without a row, Cancel, the file types outside folder mode, and the message of a folder it
// cannot read.
#include "controls/file_pick_ctrl.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/headless_host.h"
#include "platform/ui/headless_toolkit.h"
#include "tests/platform/platform_test_support.h"

namespace kordel::test {
namespace {

using platform::ui::DialogDriver;
using platform::ui::kIdCancel;
using platform::ui::kIdOk;

class FilePickTest : public ::testing::Test {
  protected:
    FilePickTest() : m_hostGuard(host), m_toolkitGuard(toolkit) {
        root = tmp.path() + "/";
        for (const char* folder : {"Beams", "Trucks", ".cache"})
            ::mkdir((root + folder).c_str(), 0755);
        platform_test::WriteText(root + "Box.ksl", "x");
        platform_test::WriteText(root + "notes.txt", "x");
    }
    platform_test::TempFolder tmp;
    std::string root;
    platform::HeadlessHost host;
    platform::ui::HeadlessToolkit toolkit{host};

  private:
    platform::ScopedHost m_hostGuard;
    platform::ui::ScopedToolkit m_toolkitGuard;
};

TEST_F(FilePickTest, FolderModeWalksAndGivesBackFoldersEndingInASeparator) {
    CFilePickCtrl picker;
    picker.SetFoldersOnly(true);
    picker.SetStartFolder(tmp.path());  // without its separator
    toolkit.QueueDialog([&](DialogDriver& d) {
        EXPECT_EQ(d.Caption(), "Pick a folder");
        EXPECT_TRUE(d.IsVisible(IDC_PICK_PATH));
        EXPECT_FALSE(d.IsVisible(IDC_PICK_TYPES));
        EXPECT_FALSE(d.IsVisible(IDC_PICK_TYPES_LABEL));
        EXPECT_EQ(d.Items(IDC_PICK_DRIVE), (std::vector<std::string>{"(/)"}));
        EXPECT_EQ(d.Text(IDC_PICK_PATH), FolderLabel(root, kPickPathChars));
        EXPECT_EQ(d.Items(IDC_PICK_LIST),
                  (std::vector<std::string>{"[Up one directory]", "Beams", "Trucks"}));
        EXPECT_TRUE(d.DoubleClick(IDC_PICK_LIST, 2));
        EXPECT_EQ(d.Text(IDC_PICK_PATH), FolderLabel(root + "Trucks/", kPickPathChars));
        EXPECT_TRUE(d.DoubleClick(IDC_PICK_LIST, 0));
        EXPECT_EQ(d.Text(IDC_PICK_PATH), FolderLabel(root, kPickPathChars));
        EXPECT_TRUE(d.Choose(IDC_PICK_LIST, "Beams"));
        d.Ok();
    });
    ASSERT_EQ(picker.DoModalWithTitle("Pick a folder"), kIdOk);
    EXPECT_EQ(picker.GetSelectedFolder(), root + "Beams/");

    // The next run starts where OK left it; Cancel gives nothing and goes back to that start.
    toolkit.QueueDialog([&](DialogDriver& d) {
        EXPECT_EQ(d.Text(IDC_PICK_PATH), FolderLabel(root + "Beams/", kPickPathChars));
        d.DoubleClick(IDC_PICK_LIST, 0);
        d.Cancel();
    });
    ASSERT_EQ(picker.DoModalWithTitle("Pick a folder"), kIdCancel);
    EXPECT_EQ(picker.GetSelectedFolder(), "");
    EXPECT_EQ(picker.CurrentFolder(), root + "Beams/");

    // The drive selector goes to the root, whose special row is "[Root]".
    toolkit.QueueDialog([&](DialogDriver& d) {
        d.Choose(IDC_PICK_DRIVE, 0);
        EXPECT_EQ(d.Text(IDC_PICK_PATH), FolderLabel("/", kPickPathChars));
        EXPECT_EQ(d.Items(IDC_PICK_LIST).front(), "[Root]");
        d.Ok();
    });
    ASSERT_EQ(picker.DoModalWithTitle("Pick a folder"), kIdOk);
    EXPECT_EQ(picker.GetSelectedFolder(), "/");
}

TEST_F(FilePickTest, FileModeListsTheFilesOfTheTypeChosen) {
    CFilePickCtrl picker;
    picker.SetStartFolder(root);
    picker.AddFileType("Kordel Section Library files (*.ksl)");
    toolkit.QueueDialog([&](DialogDriver& d) {
        EXPECT_TRUE(d.IsVisible(IDC_PICK_TYPES));
        EXPECT_EQ(
            d.Items(IDC_PICK_TYPES),
            (std::vector<std::string>{"All files (*.*)", "Kordel Section Library files (*.ksl)"}));
        EXPECT_EQ(d.Items(IDC_PICK_LIST),
                  (std::vector<std::string>{"[Up one directory]", "Beams", "Trucks", "Box.ksl",
                                            "notes.txt"}));
        d.Choose(IDC_PICK_TYPES, 1);
        EXPECT_EQ(d.Items(IDC_PICK_LIST),
                  (std::vector<std::string>{"[Up one directory]", "Beams", "Trucks", "Box.ksl"}));
        d.Choose(IDC_PICK_LIST, "Box.ksl");
        d.Ok();
    });
    ASSERT_EQ(picker.DoModalWithTitle("Open"), kIdOk);
    EXPECT_EQ(picker.GetSelectedFolder(), root + "Box.ksl");
}

TEST_F(FilePickTest, ADeepFolderShowsTheEndOfItsPathInTheLabel) {
    std::string deep = root;
    for (const char* folder : {"Dravnick Technologies", "Kordel V4", "Section Library", "Old"}) {
        deep += std::string(folder) + "/";
        ::mkdir(deep.c_str(), 0755);
    }
    CFilePickCtrl picker;
    picker.SetFoldersOnly(true);
    picker.SetStartFolder(deep);
    toolkit.QueueDialog([&](DialogDriver& d) {
        const std::string label = d.Text(IDC_PICK_PATH);
        EXPECT_EQ(label.size(), kPickPathChars);
        EXPECT_TRUE(label.starts_with("...")) << label;
        EXPECT_TRUE(label.ends_with("Section Library/Old/")) << label;
        d.Cancel();
    });
    ASSERT_EQ(picker.DoModalWithTitle("Pick"), kIdCancel);
}

TEST_F(FilePickTest, AFolderItCannotReadIsShownWithAMessage) {
    CFilePickCtrl picker;
    picker.SetFoldersOnly(true);
    picker.SetStartFolder(root + "Gone");  // a folder that does not exist
    toolkit.QueueDialog([&](DialogDriver& d) {
        EXPECT_EQ(d.Items(IDC_PICK_LIST), (std::vector<std::string>{"[Up one directory]"}));
        d.DoubleClick(IDC_PICK_LIST, 0);
        EXPECT_EQ(d.Text(IDC_PICK_PATH), FolderLabel(root, kPickPathChars));
        d.Cancel();
    });
    ASSERT_EQ(picker.DoModalWithTitle("Pick"), kIdCancel);
    ASSERT_EQ(host.Messages().size(), 1u);
    EXPECT_EQ(host.Messages()[0].text,
              "The folder \"" + root + "Gone/\" cannot be read: No such file or directory.");
}

}  // namespace
}  // namespace kordel::test

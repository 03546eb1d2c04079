// The folder browser on a real folder tree in a temporary folder: what it lists and in which
// order, where a double-click and OK take it, and the folders that must never hurt it: a path
// near the system's limit, a folder it may not read, links that lead round in a loop.
#include "controls/folder_browser.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <memory>
#include <vector>

#include "tests/platform/platform_test_support.h"

namespace kordel::test {
namespace {

using platform_test::TempFolder;
using platform_test::WriteText;

std::vector<std::string> Names(const CFolderBrowser& browser) {
    std::vector<std::string> names;
    for (const BrowserRow& row : browser.Rows()) names.push_back(row.name);
    return names;
}

int RowOf(const CFolderBrowser& browser, const std::string& name) {
    for (std::size_t i = 0; i < browser.Rows().size(); ++i)
        if (browser.Rows()[i].name == name) return static_cast<int>(i);
    return -1;
}

std::string RealFolder(const std::string& path) {
    std::unique_ptr<char, decltype(&std::free)> real(::realpath(path.c_str(), nullptr), &std::free);
    return std::string(real.get()) + "/";
}

class FolderBrowserTest : public ::testing::Test {
  protected:
    FolderBrowserTest() : root(RealFolder(tmp.path())) {
        for (const char* folder : {"Zeta", "alpha", "Beta", ".hidden", "Beta/Inner"})
            ::mkdir((root + folder).c_str(), 0755);
        for (const char* file : {"a.ksl", "B.KSL", "c.txt", ".h.ksl", "noext"})
            WriteText(root + file, "x");
        browser.SetFolder(root);
    }
    TempFolder tmp;
    std::string root;  ///< the temporary folder's real path, ending in '/'
    CFolderBrowser browser;
};

TEST_F(FolderBrowserTest, ListsFoldersSortedThenMatchingFilesWithoutHiddenEntries) {
    browser.SetFoldersOnly(true);
    ASSERT_TRUE(browser.Fill());
    // Byte order: every capital letter before every small one.
    EXPECT_EQ(Names(browser),
              (std::vector<std::string>{"[Up one directory]", "Beta", "Zeta", "alpha"}));

    browser.SetFoldersOnly(false);
    browser.SetFileType("Kordel Section Library files (*.ksl)");
    ASSERT_TRUE(browser.Fill());
    EXPECT_EQ(Names(browser), (std::vector<std::string>{"[Up one directory]", "Beta", "Zeta",
                                                        "alpha", "B.KSL", "a.ksl"}));
    EXPECT_EQ(browser.Rows()[4].kind, BrowserRow::Kind::File);

    browser.SetFileType(kBrowserAllFiles);  // "*.*" is every file, with or without a point
    ASSERT_TRUE(browser.Fill());
    EXPECT_EQ(Names(browser),
              (std::vector<std::string>{"[Up one directory]", "Beta", "Zeta", "alpha", "B.KSL",
                                        "a.ksl", "c.txt", "noext"}));
}

TEST_F(FolderBrowserTest, DoubleClicksWalkDownAndUpAndTheRootStaysTheRoot) {
    browser.SetFoldersOnly(true);
    ASSERT_TRUE(browser.Fill());
    ASSERT_TRUE(browser.Open(RowOf(browser, "Beta")));
    EXPECT_EQ(browser.Folder(), root + "Beta/");
    EXPECT_EQ(Names(browser), (std::vector<std::string>{"[Up one directory]", "Inner"}));
    ASSERT_TRUE(browser.Open(0));
    EXPECT_EQ(browser.Folder(), root);

    browser.SetFolder("/");
    ASSERT_TRUE(browser.Fill());
    EXPECT_EQ(browser.Rows()[0].name, "[Root]");
    EXPECT_TRUE(browser.Open(0));
    EXPECT_EQ(browser.Folder(), "/");
    EXPECT_EQ(browser.Rows()[0].name, "[Root]");

    EXPECT_EQ(CFolderBrowser::ParentFolder("/data/beams/"), "/data/");
    EXPECT_EQ(CFolderBrowser::ParentFolder("/data/"), "/");
    EXPECT_EQ(CFolderBrowser::ParentFolder("/"), "/");
}

TEST_F(FolderBrowserTest, EveryFolderOkGivesBackEndsInASeparator) {
    browser.SetFoldersOnly(true);
    browser.SetFolder(root + "Beta");  // a start folder given without its separator
    ASSERT_TRUE(browser.Fill());
    ASSERT_TRUE(browser.Choose(-1));  // OK with no row selected
    EXPECT_EQ(browser.Selected(), root + "Beta/");
    ASSERT_TRUE(browser.Choose(RowOf(browser, "Inner")));
    EXPECT_EQ(browser.Selected(), root + "Beta/Inner/");
    EXPECT_EQ(browser.Folder(), root + "Beta/Inner/");
    ASSERT_TRUE(browser.Fill());
    ASSERT_TRUE(browser.Choose(0));  // "[Up one directory]"
    EXPECT_EQ(browser.Selected(), root + "Beta/");

    // Picking files: a file row gives the file, any other row the current folder.
    browser.SetFoldersOnly(false);
    browser.SetFolder(root);
    ASSERT_TRUE(browser.Fill());
    ASSERT_TRUE(browser.Choose(RowOf(browser, "a.ksl")));
    EXPECT_EQ(browser.Selected(), root + "a.ksl");
    ASSERT_TRUE(browser.Choose(RowOf(browser, "alpha")));
    EXPECT_EQ(browser.Selected(), root);
}

TEST_F(FolderBrowserTest, APathNearTheSystemLimitIsListedAndOnePastItIsRefused) {
    // Folders of 200 characters, one inside the other, made relative to each other so that
    // the test can build a path longer than the system lets one call name.
    const std::string name(200, 'n');
    std::vector<int> levels{::open(root.c_str(), O_RDONLY | O_DIRECTORY)};
    ASSERT_GE(levels.back(), 0);
    for (std::size_t length = root.size(); length <= BrowserPathLimit() + 300;
         length += name.size() + 1) {
        ASSERT_EQ(::mkdirat(levels.back(), name.c_str(), 0755), 0);
        levels.push_back(::openat(levels.back(), name.c_str(), O_RDONLY | O_DIRECTORY));
        ASSERT_GE(levels.back(), 0);
    }

    browser.SetFoldersOnly(true);
    ASSERT_TRUE(browser.Fill());
    std::size_t entered = 0;
    while (browser.Open(RowOf(browser, name))) ++entered;
    // Every level whose path fits was entered and listed; the next one was refused with a
    // message, and the browser still stands in (and lists) the deepest folder that fits.
    EXPECT_GE(browser.Folder().size(), 4000u);
    EXPECT_LE(browser.Folder().size(), BrowserPathLimit());
    EXPECT_LT(entered, levels.size() - 1);
    EXPECT_NE(browser.Message().find("would be longer than 4095 characters"), std::string::npos)
        << browser.Message();
    EXPECT_EQ(Names(browser), (std::vector<std::string>{"[Up one directory]", name}));
    EXPECT_FALSE(browser.Choose(1));  // OK on the folder past the limit is refused the same way
    const std::string deepest = browser.Folder();
    EXPECT_TRUE(browser.Choose(0));
    EXPECT_EQ(browser.Selected(), CFolderBrowser::ParentFolder(deepest));

    // Remove the levels from the deepest up: their paths are too long to remove by name.
    for (std::size_t i = levels.size() - 1; i > 0; --i) {
        ::close(levels[i]);
        ::unlinkat(levels[i - 1], name.c_str(), AT_REMOVEDIR);
    }
    ::close(levels.front());
}

TEST_F(FolderBrowserTest, LinksLeadToTheirFolderAndALoopNeverGrowsThePath) {
    ASSERT_EQ(::symlink(root.c_str(), (root + "Beta/back").c_str()), 0);  // back to an ancestor
    ASSERT_EQ(::symlink("self", (root + "self").c_str()), 0);             // a loop of one link
    ASSERT_EQ(::symlink("nowhere", (root + "dangling").c_str()), 0);
    ASSERT_EQ(::symlink("Zeta", (root + "toZeta").c_str()), 0);
    browser.SetFoldersOnly(true);
    ASSERT_TRUE(browser.Fill());
    // Links that lead nowhere are neither folders nor files.
    EXPECT_EQ(Names(browser),
              (std::vector<std::string>{"[Up one directory]", "Beta", "Zeta", "alpha", "toZeta"}));
    ASSERT_TRUE(browser.Open(RowOf(browser, "toZeta")));
    EXPECT_EQ(browser.Folder(), root + "Zeta/");
    ASSERT_TRUE(browser.Open(0));

    for (int round = 0; round < 50; ++round) {
        ASSERT_TRUE(browser.Open(RowOf(browser, "Beta")));
        ASSERT_TRUE(browser.Open(RowOf(browser, "back")));
        ASSERT_EQ(browser.Folder(), root) << "round " << round;
    }
}

TEST_F(FolderBrowserTest, AFolderItMayNotReadListsItsSpecialRowWithAMessage) {
    ASSERT_EQ(::mkdir((root + "Locked").c_str(), 0), 0);
    ASSERT_EQ(::chmod(root.c_str(), 0755), 0);
    const std::string folder = root;
    platform_test::ExpectAsUnprivilegedUser([folder] {
        CFolderBrowser b;
        b.SetFoldersOnly(true);
        b.SetFolder(folder);
        if (!b.Fill()) return false;
        int locked = RowOf(b, "Locked");
        if (b.Open(locked) || b.Folder() != folder + "Locked/" || b.Rows().size() != 1 ||
            b.Rows()[0].kind != BrowserRow::Kind::Up ||
            b.Message().find("cannot be read: Permission denied.") == std::string::npos) {
            std::cerr << "entering the locked folder: " << b.Message() << "\n";
            return false;
        }
        return b.Open(0) && b.Folder() == folder;
    });
}

TEST(FolderBrowserPaths, PatternOfAFileTypeEntry) {
    EXPECT_EQ(CFolderBrowser::PatternOf("Kordel Truck Library files (*.ktl)"), "*.ktl");
    EXPECT_EQ(CFolderBrowser::PatternOf("All files (*.*)"), "*");
    EXPECT_EQ(CFolderBrowser::PatternOf("Odd (x) (*.dat)"), "*.dat");
    EXPECT_EQ(CFolderBrowser::PatternOf("No pattern"), "*");
    EXPECT_EQ(CFolderBrowser::PatternOf("Empty ()"), "*");
}

TEST(FolderBrowserPaths, ALongFolderLabelKeepsItsEndAndWholeCharacters) {
    EXPECT_EQ(FolderLabel("/data/trucks/", 20), "/data/trucks/");
    EXPECT_EQ(FolderLabel("/data/trucks/", 13), "/data/trucks/");
    EXPECT_EQ(FolderLabel("/data/trucks/", 12), "...a/trucks/");
    const std::string deep = "/home/someone/Documents/Dravnick Technologies/Kordel V4/Library/";
    const std::string label = FolderLabel(deep, 48);
    EXPECT_EQ(label.size(), 48u);
    EXPECT_TRUE(label.starts_with("..."));
    EXPECT_TRUE(deep.ends_with(label.substr(3)));
    // The u-umlaut is one character in two bytes: a cut inside it starts after it.
    EXPECT_EQ(FolderLabel("/Br\xC3\xBC" "cken/", 9), "...cken/");
    EXPECT_EQ(FolderLabel("/Br\xC3\xBC" "cken/", 10), "/Br\xC3\xBC" "cken/");
}

}  // namespace
}  // namespace kordel::test

#include "platform/folders.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <optional>

#include "platform/platform_test_support.h"

namespace platform {
namespace {

using platform_test::Exists;
using platform_test::ScopedEnv;
using platform_test::TempFolder;
using platform_test::WriteText;

bool IsFolder(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

/// HOME in a temporary folder, XDG_CONFIG_HOME and XDG_DOCUMENTS_DIR cleared.
class FoldersTest : public ::testing::Test {
  protected:
    FoldersTest()
        : m_home("HOME", m_dir.path()),
          m_config("XDG_CONFIG_HOME", std::nullopt),
          m_documents("XDG_DOCUMENTS_DIR", std::nullopt) {
        CreateFolders(m_dir / ".config");
    }

    TempFolder m_dir;
    ScopedEnv m_home;
    ScopedEnv m_config;
    ScopedEnv m_documents;
};

TEST_F(FoldersTest, DocumentsFolderComesFromTheEnvironmentThenUserDirsThenHome) {
    struct Case {
        std::optional<std::string> env;       // XDG_DOCUMENTS_DIR
        std::optional<std::string> userDirs;  // content of ~/.config/user-dirs.dirs
        std::string expected;                 // below HOME
        const char* why;
    };
    const std::string home = m_dir.path();
    const Case cases[] = {
        {std::nullopt, std::nullopt, "/Documents", "nothing set: $HOME/Documents"},
        {home + "/Papers/", std::nullopt, "/Papers", "environment, trailing slash dropped"},
        {"$HOME/Env", "XDG_DOCUMENTS_DIR=\"$HOME/File\"\n", "/Env", "environment first"},
        {"relative/path", std::nullopt, "/Documents", "relative environment value ignored"},
        {std::nullopt,
         "# comment\nXDG_DESKTOP_DIR=\"$HOME/Desktop\"\n  XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n",
         "/Dokumente", "user-dirs entry among others"},
        {std::nullopt, "XDG_DOCUMENTS_DIR=\"" + home + "/Abs Folder/\"\n", "/Abs Folder",
         "absolute user-dirs entry"},
        {std::nullopt, "XDG_DOCUMENTS_DIR=\"$HOME/My \\\"Docs\\\"\"\n", "/My \"Docs\"",
         "escaped quotes"},
        {std::nullopt, "XDG_DOCUMENTS_DIR=\"$HOME\"\n", "", "documents folder is home itself"},
        {std::nullopt, "XDG_DOCUMENTS_DIR=$HOME/Unquoted\n", "/Documents", "unquoted: malformed"},
        {std::nullopt, "XDG_DOCUMENTS_DIR=\"$HOME/Unclosed\n", "/Documents", "unclosed quote"},
        {std::nullopt, "XDG_DOCUMENTS_DIR=\"Relative\"\n", "/Documents", "relative entry"},
        {std::nullopt, "#XDG_DOCUMENTS_DIR=\"$HOME/Commented\"\n", "/Documents", "comment"},
    };
    for (const Case& c : cases) {
        ScopedEnv env("XDG_DOCUMENTS_DIR", c.env);
        if (c.userDirs)
            WriteText(m_dir / ".config/user-dirs.dirs", *c.userDirs);
        else
            std::remove((m_dir / ".config/user-dirs.dirs").c_str());
        EXPECT_EQ(UserDocumentsFolder(), home + c.expected) << c.why;
    }
}

TEST_F(FoldersTest, ConfigHomeDecidesWhereUserDirsAndOurConfigLive) {
    TempFolder config;
    ScopedEnv env("XDG_CONFIG_HOME", config.path());
    WriteText(config / "user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"$HOME/FromConfigHome\"\n");
    EXPECT_EQ(UserDocumentsFolder(), m_dir / "FromConfigHome");
    EXPECT_EQ(UserConfigFolder(), config / "kordel");
}

TEST_F(FoldersTest, ConfigFolderDefaultsBelowHome) {
    EXPECT_EQ(UserConfigFolder(), m_dir / ".config/kordel");
}

TEST_F(FoldersTest, KordelUserFolderIsBelowDocumentsAndEndsInASlash) {
    EXPECT_EQ(KordelUserFolder(), m_dir / "Documents/Dravnick Technologies/Kordel V4/");
}

TEST_F(FoldersTest, CreateFoldersMakesEveryLevel) {
    const std::string deep = m_dir / "a/b c/d";
    EXPECT_TRUE(CreateFolders(deep));
    EXPECT_TRUE(IsFolder(deep));
    EXPECT_TRUE(CreateFolders(deep + "/"));  // existing, trailing slash
    EXPECT_TRUE(CreateFolders(KordelUserFolder()));
    EXPECT_TRUE(IsFolder(m_dir / "Documents/Dravnick Technologies/Kordel V4"));

    WriteText(m_dir / "file", "");
    EXPECT_FALSE(CreateFolders(m_dir / "file"));
    EXPECT_FALSE(CreateFolders(m_dir / "file/below"));
    EXPECT_FALSE(Exists(m_dir / "file/below"));
    EXPECT_FALSE(CreateFolders(""));
}

TEST(FoldersPaths, JoinPathUsesExactlyOneSlash) {
    struct Case {
        const char* a;
        const char* b;
        const char* joined;
    };
    const Case cases[] = {
        {"/home/u", "Documents", "/home/u/Documents"},
        {"/home/u/", "Documents", "/home/u/Documents"},
        {"/home/u//", "/Documents", "/home/u/Documents"},
        {"/", "etc", "/etc"},
        {"", "rel", "rel"},
        {"/home/u", "", "/home/u"},
        {"a", "b/c/", "a/b/c/"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(JoinPath(c.a, c.b), c.joined) << "\"" << c.a << "\" + \"" << c.b << "\"";
}

TEST(FoldersPaths, AsFolderEndsInOneSeparator) {
    EXPECT_EQ(AsFolder("/data"), "/data/");
    EXPECT_EQ(AsFolder("/data/"), "/data/");
    EXPECT_EQ(AsFolder("/"), "/");
    EXPECT_EQ(AsFolder(""), "");
    EXPECT_EQ(JoinPath(AsFolder("/data"), "X.ksl"), "/data/X.ksl");
}

TEST(FoldersPaths, ProgramFolderIsTheAbsoluteFolderOfThisProgram) {
    const std::string folder = ProgramFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.front(), '/');
    EXPECT_EQ(folder.back(), '/');
    EXPECT_TRUE(IsFolder(folder));
    EXPECT_TRUE(Exists(folder + program_invocation_short_name)) << folder;
}

}  // namespace
}  // namespace platform

#include "platform/file_io.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <iostream>

#include "platform/platform_test_support.h"

namespace platform {
namespace {

using platform_test::Exists;
using platform_test::ReadText;
using platform_test::TempFolder;
using platform_test::WriteText;

std::vector<std::uint8_t> AsBytes(const std::string& s) {
    return {s.begin(), s.end()};
}

/// The cause of the FileError that `f` throws; fails the test when it throws none.
template <class F>
std::optional<FileError::Cause> CauseOf(F f, std::string* what = nullptr) {
    try {
        f();
    } catch (const FileError& e) {
        if (what != nullptr) *what = e.what();
        return e.cause();
    }
    ADD_FAILURE() << "no FileError thrown";
    return std::nullopt;
}

/// Runs `checks` in a child process without root's right to ignore file permissions (root
/// becomes "nobody" there), and expects it to exit with 0. `checks` reports a failure by
/// printing to stderr and returning false.
template <class F>
void ExpectAsUnprivilegedUser(F checks) {
    EXPECT_EXIT(
        {
            if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) {
                std::cerr << "cannot drop root privileges\n";
                std::_Exit(3);
            }
            std::_Exit(checks() ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

// ---------------------------------------------------------------------------------------------
// Reading

TEST(FileIoRead, ReadsWholeFileIncludingZeroBytes) {
    TempFolder dir;
    const std::string content("line 1\n\0\xFF tail", 14);
    WriteText(dir / "a.kdx", content);
    EXPECT_EQ(ReadWholeFile(dir / "a.kdx"), AsBytes(content));

    WriteText(dir / "empty.kdx", "");
    EXPECT_TRUE(ReadWholeFile(dir / "empty.kdx").empty());
}

TEST(FileIoRead, MissingFileIsNotFoundWithThePathInTheMessage) {
    TempFolder dir;
    std::string what;
    EXPECT_EQ(CauseOf([&] { ReadWholeFile(dir / "missing.kdx"); }, &what),
              FileError::Cause::NotFound);
    EXPECT_EQ(what, dir / "missing.kdx" + " was not found.");
    EXPECT_EQ(CauseOf([&] { ReadWholeFile(dir / "no-folder/missing.kdx"); }),
              FileError::Cause::NotFound);
}

TEST(FileIoRead, FolderIsNotReadAsAFile) {
    TempFolder dir;
    EXPECT_EQ(CauseOf([&] { ReadWholeFile(dir.path()); }), FileError::Cause::Other);
}

TEST(FileIoRead, ReadOnlyFileIsReadableAndUnreadableFileIsAccessDenied) {
    TempFolder dir;
    ASSERT_EQ(::chmod(dir.path().c_str(), 0755), 0);  // let the unprivileged child in
    const std::string readOnly = dir / "read-only.kdx";
    const std::string noAccess = dir / "no-access.kdx";
    WriteText(readOnly, "design");
    WriteText(noAccess, "secret");
    ASSERT_EQ(::chmod(readOnly.c_str(), 0444), 0);
    ASSERT_EQ(::chmod(noAccess.c_str(), 0000), 0);

    ExpectAsUnprivilegedUser([&] {
        try {
            if (ReadWholeFile(readOnly) != AsBytes("design")) {
                std::cerr << "read-only file read wrong\n";
                return false;
            }
        } catch (const FileError& e) {
            std::cerr << "read-only file not readable: " << e.what() << "\n";
            return false;
        }
        try {
            ReadWholeFile(noAccess);
        } catch (const FileError& e) {
            if (e.cause() == FileError::Cause::AccessDenied &&
                std::string(e.what()) == "Access to " + noAccess + " was denied.")
                return true;
            std::cerr << "wrong error for a file without access: " << e.what() << "\n";
            return false;
        }
        std::cerr << "file without access was read\n";
        return false;
    });
}

// ---------------------------------------------------------------------------------------------
// Writing all or nothing

TEST(FileIoWrite, CreatesAndReplacesLeavingNoTemporaryFile) {
    TempFolder dir;
    const std::string path = dir / "design.kdx";
    WriteFileAtomically(path, std::string("first version, rather long"));
    EXPECT_EQ(ReadText(path), "first version, rather long");

    WriteFileAtomically(path, AsBytes("second"));  // shorter: nothing of the old may remain
    EXPECT_EQ(ReadText(path), "second");
    EXPECT_EQ(dir.Entries(), std::set<std::string>{"design.kdx"});
}

TEST(FileIoWrite, KeepsThePermissionsOfTheReplacedFile) {
    TempFolder dir;
    const std::string path = dir / "shared.kdx";
    WriteText(path, "old");
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    WriteFileAtomically(path, std::string("new"));
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

TEST(FileIoWrite, WritesThroughASymbolicLinkAndKeepsTheLink) {
    TempFolder dir;
    WriteText(dir / "real.ini", "old");
    ASSERT_EQ(::symlink((dir / "real.ini").c_str(), (dir / "link.ini").c_str()), 0);
    WriteFileAtomically(dir / "link.ini", std::string("new"));
    EXPECT_EQ(ReadText(dir / "real.ini"), "new");
    struct stat st {};
    ASSERT_EQ(::lstat((dir / "link.ini").c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
}

TEST(FileIoWrite, MissingFolderFailsWithoutCreatingAnything) {
    TempFolder dir;
    std::string what;
    EXPECT_EQ(
        CauseOf([&] { WriteFileAtomically(dir / "gone/design.kdx", std::string("x")); }, &what),
        FileError::Cause::NotFound);
    EXPECT_NE(what.find(dir / "gone/design.kdx"), std::string::npos) << what;
    EXPECT_TRUE(dir.Entries().empty());
}

TEST(FileIoWrite, FailureAfterTheTemporaryFileExistsRemovesItAndKeepsTheTarget) {
    // The target is a folder: the temporary file is written, the rename fails.
    TempFolder dir;
    ASSERT_EQ(::mkdir((dir / "target").c_str(), 0700), 0);
    WriteText(dir / "target/inside.txt", "kept");
    std::string what;
    EXPECT_EQ(CauseOf([&] { WriteFileAtomically(dir / "target", std::string("x")); }, &what),
              FileError::Cause::Other);
    EXPECT_EQ(what, "An error occurred while writing " + dir / "target" + ".");
    EXPECT_EQ(dir.Entries(), std::set<std::string>{"target"});
    EXPECT_EQ(ReadText(dir / "target/inside.txt"), "kept");
}

TEST(FileIoWrite, ReadOnlyFolderFailsAndLeavesTheOldFile) {
    TempFolder dir;
    const std::string path = dir / "design.kdx";
    WriteText(path, "old design");
    ASSERT_EQ(::chmod(dir.path().c_str(), 0555), 0);

    ExpectAsUnprivilegedUser([&] {
        try {
            WriteFileAtomically(path, std::string("new design"));
        } catch (const FileError& e) {
            if (e.cause() == FileError::Cause::AccessDenied) return true;
            std::cerr << "wrong error: " << e.what() << "\n";
            return false;
        }
        std::cerr << "write into a read-only folder succeeded\n";
        return false;
    });
    EXPECT_EQ(ReadText(path), "old design");
    EXPECT_EQ(dir.Entries(), std::set<std::string>{"design.kdx"});
}

TEST(FileIoWrite, EmptyPathIsRefused) {
    EXPECT_THROW(WriteFileAtomically("", std::string("x")), FileError);
}

}  // namespace
}  // namespace platform

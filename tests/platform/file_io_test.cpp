#include "platform/file_io.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <set>
#include <thread>

#include "platform/platform_test_support.h"

namespace platform {
namespace {

using platform_test::CharDevice;
using platform_test::ExpectAsUnprivilegedUser;
using platform_test::IsCharDevice;
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

// The message is program text (Windows-1252, as every message box takes it); the error keeps the
// path's own UTF-8 bytes.
TEST(FileIoRead, TheMessageShowsAUtf8NameAsProgramText) {
    TempFolder dir;
    const std::string path = dir / "Br\xC3\xBC" "cke.kdx";
    try {
        ReadWholeFile(path);
        ADD_FAILURE() << "no FileError thrown";
    } catch (const FileError& e) {
        EXPECT_EQ(std::string(e.what()), dir / "Br\xFC" "cke.kdx was not found.");
        EXPECT_EQ(e.path(), path);
    }
}

TEST(FileIoRead, FolderIsNotReadAsAFile) {
    TempFolder dir;
    std::string what;
    EXPECT_EQ(CauseOf([&] { ReadWholeFile(dir.path()); }, &what), FileError::Cause::Folder);
    EXPECT_EQ(what, dir.path() + " is a folder, not a file.");
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

TEST(FileIoWrite, KeepsThePermissionsAndOwnerOfTheReplacedFile) {
    TempFolder dir;
    const std::string path = dir / "shared.kdx";
    WriteText(path, "old");
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    // Root saving another user's file leaves it that user's.
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown(path.c_str(), 65534, 65534), 0);
    }
    WriteFileAtomically(path, std::string("new"));
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    if (root) {
        EXPECT_EQ(st.st_uid, 65534u);
        EXPECT_EQ(st.st_gid, 65534u);
    }
}

bool IsLink(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
}

void Symlink(const std::string& target, const std::string& link) {
    ASSERT_EQ(::symlink(target.c_str(), link.c_str()), 0) << link;
}

TEST(FileIoWrite, SymbolicLinksAreFollowedAndKept) {
    TempFolder dir;
    ASSERT_EQ(::mkdir((dir / "sub").c_str(), 0700), 0);
    WriteText(dir / "sub/real.kdx", "old");
    Symlink("real.kdx", dir / "sub/link.kdx");         // relative: counts from sub/
    Symlink(dir / "sub/link.kdx", dir / "chain.kdx");  // a chain of two links
    Symlink("sub/new.kdx", dir / "dangling.kdx");      // leads to no file yet
    struct Case {
        const char* written;
        const char* file;  ///< the file that receives the text
    };
    const Case cases[] = {
        {"sub/link.kdx", "sub/real.kdx"},
        {"chain.kdx", "sub/real.kdx"},
        {"dangling.kdx", "sub/new.kdx"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.written);
        WriteFileAtomically(dir / c.written, std::string(c.written));
        EXPECT_EQ(ReadText(dir / c.file), c.written);
    }
    EXPECT_TRUE(IsLink(dir / "sub/link.kdx"));
    EXPECT_TRUE(IsLink(dir / "chain.kdx"));
    EXPECT_TRUE(IsLink(dir / "dangling.kdx"));
    EXPECT_EQ(dir.Entries(), (std::set<std::string>{"chain.kdx", "dangling.kdx", "sub"}));
}

TEST(FileIoWrite, LinksThatLeadToNoWritableFileAreRefusedAndKept) {
    TempFolder dir;
    ASSERT_EQ(::mkdir((dir / "folder").c_str(), 0700), 0);
    Symlink("gone/design.kdx", dir / "no-folder.kdx");
    Symlink("loop-b.kdx", dir / "loop-a.kdx");
    Symlink("loop-a.kdx", dir / "loop-b.kdx");
    Symlink("folder", dir / "to-folder");
    struct Case {
        const char* written;
        FileError::Cause cause;
        std::string message;  ///< after the path
    };
    const Case cases[] = {
        {"no-folder.kdx", FileError::Cause::NotFound, ""},
        {"loop-a.kdx", FileError::Cause::Other,
         ": too many levels of symbolic links."},  // "An error occurred while writing ..."
        {"to-folder", FileError::Cause::Folder, " is a folder, not a file."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.written);
        std::string what;
        EXPECT_EQ(CauseOf([&] { WriteFileAtomically(dir / c.written, std::string("x")); }, &what),
                  c.cause);
        EXPECT_NE(what.find(dir / c.written + c.message), std::string::npos) << what;
        EXPECT_TRUE(IsLink(dir / c.written));
    }
    EXPECT_EQ(dir.Entries(), (std::set<std::string>{"folder", "loop-a.kdx", "loop-b.kdx",
                                                    "no-folder.kdx", "to-folder"}));
    EXPECT_TRUE(std::filesystem::is_empty(dir / "folder"));
}

TEST(FileIoWrite, FolderIsRefusedAsAFolderAndKept) {
    TempFolder dir;
    ASSERT_EQ(::mkdir((dir / "target").c_str(), 0700), 0);
    WriteText(dir / "target/inside.txt", "kept");
    std::string what;
    EXPECT_EQ(CauseOf([&] { WriteFileAtomically(dir / "target", std::string("x")); }, &what),
              FileError::Cause::Folder);
    EXPECT_EQ(what, dir / "target" + " is a folder, not a file.");
    EXPECT_EQ(dir.Entries(), std::set<std::string>{"target"});
    EXPECT_EQ(ReadText(dir / "target/inside.txt"), "kept");
}

TEST(FileIoWrite, CharacterDevicesAreWrittenInPlace) {
    TempFolder dir;
    const std::string null = CharDevice(dir.path(), "null", 3, "/dev/null");
    const std::string full = CharDevice(dir.path(), "full", 7, "/dev/full");
    Symlink(null, dir / "to-null");

    EXPECT_NO_THROW(WriteFileAtomically(null, std::string("report")));
    EXPECT_NO_THROW(WriteFileAtomically(dir / "to-null", std::string("report")));
    std::string what;
    EXPECT_EQ(CauseOf([&] { WriteFileAtomically(full, std::string("report")); }, &what),
              FileError::Cause::DiskFull);
    EXPECT_EQ(what, full + " could not be written: the disk is full.");

    EXPECT_TRUE(IsCharDevice(null));
    EXPECT_TRUE(IsCharDevice(full));
    EXPECT_TRUE(IsLink(dir / "to-null"));
    for (const std::string& name : dir.Entries()) {
        EXPECT_TRUE(name == "null" || name == "full" || name == "to-null") << name;
    }
}

bool IsFifo(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 && S_ISFIFO(st.st_mode);
}

TEST(FileIoWrite, NamedPipeIsWrittenToItsReaderAndRefusedWithoutOne) {
    TempFolder dir;
    const std::string pipe = dir / "pipe";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);

    // No reader: refused at once rather than waited on.
    std::string what;
    EXPECT_EQ(CauseOf([&] { WriteFileAtomically(pipe, std::string("report")); }, &what),
              FileError::Cause::Other);
    EXPECT_EQ(what, pipe + " is a pipe that nothing reads from.");
    EXPECT_TRUE(IsFifo(pipe));

    // A reader gets the text.
    const int reader = ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    EXPECT_NO_THROW(WriteFileAtomically(pipe, std::string("report")));
    char got[16] = {};
    EXPECT_EQ(::read(reader, got, sizeof got), 6);
    EXPECT_EQ(std::string(got), "report");

    // The reader goes away before the end: an error, and the program lives on (no SIGPIPE).
    std::thread closer([reader] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        ::close(reader);
    });
    EXPECT_EQ(CauseOf([&] { WriteFileAtomically(pipe, std::string(1 << 20, 'x')); }, &what),
              FileError::Cause::Other);
    closer.join();
    EXPECT_EQ(what, pipe + " is a pipe that was closed before everything was written.");
    EXPECT_TRUE(IsFifo(pipe));
    EXPECT_EQ(dir.Entries(), std::set<std::string>{"pipe"});
}

TEST(FileIoWrite, SocketIsRefusedAndKept) {
    TempFolder dir;
    const std::string path = dir / "socket";
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(path.size(), sizeof address.sun_path);
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);

    std::string what;
    EXPECT_EQ(CauseOf([&] { WriteFileAtomically(path, std::string("x")); }, &what),
              FileError::Cause::Other);
    EXPECT_EQ(what, path + " is a socket, not a file.");
    struct stat st {};
    EXPECT_TRUE(::lstat(path.c_str(), &st) == 0 && S_ISSOCK(st.st_mode));
    ::close(fd);
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

TEST(FileIoWrite, FailureWhileWritingRemovesTheTemporaryFileAndKeepsTheTarget) {
    // A file-size limit of 4 bytes makes the write of the temporary file fail half way.
    TempFolder dir;
    const std::string path = dir / "design.kdx";
    WriteText(path, "old design");
    auto writeWithALimit = [&] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4, 4};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) return 3;
        try {
            WriteFileAtomically(path, std::string("a new design, longer"));
        } catch (const FileError& e) {
            if (std::string(e.what()) ==
                "An error occurred while writing " + path + ": file too large.")
                return 0;
            std::cerr << e.what() << "\n";
            return 1;
        }
        return 2;
    };
    EXPECT_EXIT(std::_Exit(writeWithALimit()), ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(ReadText(path), "old design");
    EXPECT_EQ(dir.Entries(), std::set<std::string>{"design.kdx"});
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

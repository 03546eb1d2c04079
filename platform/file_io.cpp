#include "platform/file_io.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>

#include "platform/text_encoding.h"

namespace platform {

namespace {

enum class Direction { Read, Write };

/// The system's reason for `err`, to follow a colon in a sentence: "input/output error".
std::string Reason(int err) {
    std::string text = std::strerror(err);
    if (!text.empty())
        text[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(text[0])));
    return text;
}

FileError MakeError(int err, const std::string& path, Direction direction) {
    using Cause = FileError::Cause;
    // The message is program text; the error keeps the path's own bytes.
    const std::string name = PathText(path);
    switch (err) {
        case ENOENT:
        case ENOTDIR:
            if (direction == Direction::Read)
                return FileError(Cause::NotFound, path, name + " was not found.");
            return FileError(Cause::NotFound, path, "The folder of " + name + " was not found.");
        case EACCES:
        case EPERM:
            return FileError(Cause::AccessDenied, path, "Access to " + name + " was denied.");
        case EROFS:
            return FileError(Cause::AccessDenied, path,
                             name + " could not be written: the disk is read-only.");
        case ENOSPC:
            return FileError(Cause::DiskFull, path,
                             name + " could not be written: the disk is full.");
        case EDQUOT:
            return FileError(Cause::DiskFull, path,
                             name + " could not be written: the disk quota is used up.");
        case EISDIR:
            return FileError(Cause::Folder, path, name + " is a folder, not a file.");
        default:
            return FileError(Cause::Other, path,
                             std::string("An error occurred while ") +
                                 (direction == Direction::Read ? "reading " : "writing ") + name +
                                 ": " + Reason(err) + ".");
    }
}

/// The refusal to write over `path`, which is no regular file (its stat mode `mode`).
FileError NotAFileError(const std::string& path, mode_t mode) {
    if (S_ISDIR(mode)) return MakeError(EISDIR, path, Direction::Write);
    const char* what = S_ISSOCK(mode)  ? " is a socket, not a file."
                       : S_ISBLK(mode) ? " is a disk device, not a file."
                                       : " is not a file.";
    return FileError(FileError::Cause::Other, path, PathText(path) + what);
}

/// Closes a descriptor on every path out of a scope unless released.
class FdGuard {
  public:
    explicit FdGuard(int fd) : m_fd(fd) {}
    ~FdGuard() {
        if (m_fd >= 0) ::close(m_fd);
    }
    FdGuard(const FdGuard&) = delete;
    FdGuard& operator=(const FdGuard&) = delete;
    int get() const { return m_fd; }
    /// Closes now and reports the result of close().
    int Close() {
        const int rc = ::close(m_fd);
        m_fd = -1;
        return rc;
    }

  private:
    int m_fd;
};

/// Keeps a write into a pipe whose reader has gone from ending the program: SIGPIPE is blocked
/// in this thread for the guard's lifetime (the write fails with EPIPE instead), and a SIGPIPE
/// the write raised is taken off the pending signals before the old mask comes back.
class SigpipeGuard {
  public:
    SigpipeGuard() {
        sigemptyset(&m_pipe);
        sigaddset(&m_pipe, SIGPIPE);
        sigset_t pending;
        m_wasPending = ::sigpending(&pending) == 0 && sigismember(&pending, SIGPIPE) == 1;
        ::pthread_sigmask(SIG_BLOCK, &m_pipe, &m_old);
    }
    ~SigpipeGuard() {
        sigset_t pending;
        if (!m_wasPending && ::sigpending(&pending) == 0 && sigismember(&pending, SIGPIPE) == 1) {
            const timespec now{0, 0};
            ::sigtimedwait(&m_pipe, nullptr, &now);
        }
        ::pthread_sigmask(SIG_SETMASK, &m_old, nullptr);
    }
    SigpipeGuard(const SigpipeGuard&) = delete;
    SigpipeGuard& operator=(const SigpipeGuard&) = delete;

  private:
    sigset_t m_pipe;
    sigset_t m_old;
    bool m_wasPending = false;
};

/// The process's file-creation mask, read without changing it (umask() would have to set it to
/// read it). Falls back to the usual 022.
mode_t CurrentUmask() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("Umask:", 0) == 0) {
            char* end = nullptr;
            const unsigned long mask = std::strtoul(line.c_str() + 6, &end, 8);
            if (end != line.c_str() + 6) return static_cast<mode_t>(mask & 0777);
        }
    }
    return 022;
}

/// Symbolic links followed before a chain counts as a loop, as the system counts them.
constexpr int kMaxLinkHops = 40;

/// The regular file that `path` names: the file a chain of symbolic links ends in rather than
/// the link, so that a linked file is updated and the link kept.
std::string ResolveExistingFile(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved) == nullptr)
        throw MakeError(errno, path, Direction::Write);
    return resolved;
}

/// Where a new file named `path` goes: `path` itself, or, when `path` is a symbolic link to
/// nothing, the name its chain of links ends in (the new file is made there, as a redirection
/// of the shell would).
std::string ResolveNewFile(const std::string& path) {
    std::string name = path;
    for (int hop = 0; hop <= kMaxLinkHops; ++hop) {
        struct stat st {};
        if (::lstat(name.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return name;
        char link[PATH_MAX];
        const ssize_t n = ::readlink(name.c_str(), link, sizeof link - 1);
        if (n < 0) throw MakeError(errno, path, Direction::Write);
        const std::string target(link, static_cast<std::size_t>(n));
        // A relative link counts from the folder the link is in.
        name = !target.empty() && target.front() == '/'
                   ? target
                   : name.substr(0, name.find_last_of('/') + 1) + target;
    }
    throw MakeError(ELOOP, path, Direction::Write);
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

bool WriteAll(int fd, const std::uint8_t* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

/// Writes the regular file `target` all or nothing: a temporary file in its folder, renamed over
/// it only when everything was written and flushed. `old` is the file replaced, nullptr for a new
/// one. Messages name `path`, the name the caller gave.
void ReplaceRegularFile(const std::string& path, const std::string& target, const struct stat* old,
                        const std::uint8_t* data, std::size_t size) {
    // The temporary file must be in the target's folder so that the rename cannot cross file
    // systems; it is hidden so that one left by a power cut does not show in file lists.
    const std::size_t nameAt = target.find_last_of('/') + 1;  // 0 when there is no folder part
    std::string tempName = target.substr(0, nameAt) + "." + target.substr(nameAt) + ".XXXXXX";
    const int fd = ::mkstemp(tempName.data());
    if (fd < 0) throw MakeError(errno, path, Direction::Write);
    FdGuard guard(fd);

    auto removeTemporary = [&] {
        if (guard.get() >= 0) guard.Close();
        ::unlink(tempName.c_str());
    };
    auto fail = [&](int err) {
        removeTemporary();
        return MakeError(err, path, Direction::Write);
    };

    // mkstemp creates the file for the owner only; give it the old file's owner where the
    // process may (root saving another user's file) and its permissions, or those a plain new
    // file would get. The owner goes first: a change of owner clears the set-id bits.
    if (old != nullptr && (old->st_uid != ::geteuid() || old->st_gid != ::getegid())) {
        [[maybe_unused]] const int kept = ::fchown(fd, old->st_uid, old->st_gid);
    }
    const mode_t mode = old != nullptr ? (old->st_mode & 07777) : (0666 & ~CurrentUmask());
    if (::fchmod(fd, mode) != 0) throw fail(errno);

    if (!WriteAll(fd, data, size)) throw fail(errno);
    if (::fsync(fd) != 0) throw fail(errno);
    if (guard.Close() != 0) throw fail(errno);

    // Whatever took the target's name since it was looked at, only a regular file is replaced.
    struct stat now {};
    if (::lstat(target.c_str(), &now) == 0 && !S_ISREG(now.st_mode)) {
        removeTemporary();
        throw NotAFileError(path, now.st_mode);
    }
    if (::rename(tempName.c_str(), target.c_str()) != 0) throw fail(errno);

    // Make the rename itself durable; a failure here no longer affects the file's content.
    const int dirFd = ::open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
}

/// Writes into a character device (/dev/null, a terminal) or a named pipe as it stands: it is
/// neither replaced nor truncated. A pipe that nothing reads from is refused at once rather than
/// waited on.
void WriteInPlace(const std::string& path, const std::uint8_t* data, std::size_t size) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        if (errno == ENXIO) {
            throw FileError(FileError::Cause::Other, path,
                            PathText(path) + " is a pipe that nothing reads from.");
        }
        throw MakeError(errno, path, Direction::Write);
    }
    FdGuard guard(fd);
    struct stat st {};
    if (::fstat(fd, &st) != 0) throw MakeError(errno, path, Direction::Write);
    if (!S_ISCHR(st.st_mode) && !S_ISFIFO(st.st_mode)) throw NotAFileError(path, st.st_mode);
    // Non-blocking served the open only; the writes wait for a slow reader as usual.
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0)
        throw MakeError(errno, path, Direction::Write);

    int err = 0;  // kept before the guard's signal calls may change errno
    {
        SigpipeGuard sigpipe;
        if (!WriteAll(fd, data, size)) err = errno;
    }
    if (err != 0) {
        if (err == EPIPE) {
            throw FileError(FileError::Cause::Other, path,
                            PathText(path) +
                                " is a pipe that was closed before everything was written.");
        }
        throw MakeError(err, path, Direction::Write);
    }
    if (guard.Close() != 0) throw MakeError(errno, path, Direction::Write);
}

void WriteBytes(const std::string& path, const std::uint8_t* data, std::size_t size) {
    if (path.empty()) throw MakeError(ENOENT, path, Direction::Write);
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        if (errno != ENOENT) throw MakeError(errno, path, Direction::Write);
        ReplaceRegularFile(path, ResolveNewFile(path), nullptr, data, size);
    } else if (S_ISREG(st.st_mode)) {
        ReplaceRegularFile(path, ResolveExistingFile(path), &st, data, size);
    } else if (S_ISCHR(st.st_mode) || S_ISFIFO(st.st_mode)) {
        WriteInPlace(path, data, size);
    } else {
        throw NotAFileError(path, st.st_mode);
    }
}

}  // namespace

std::vector<std::uint8_t> ReadWholeFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) throw MakeError(errno, path, Direction::Read);
    FdGuard guard(fd);

    struct stat st {};
    if (::fstat(fd, &st) != 0) throw MakeError(errno, path, Direction::Read);
    if (S_ISDIR(st.st_mode)) throw MakeError(EISDIR, path, Direction::Read);

    // The size is only a hint (files under /proc report 0): read until the end.
    std::vector<std::uint8_t> bytes;
    if (S_ISREG(st.st_mode) && st.st_size > 0) bytes.reserve(static_cast<std::size_t>(st.st_size));
    std::uint8_t chunk[65536];
    for (;;) {
        const ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n < 0) {
            if (errno == EINTR) continue;
            throw MakeError(errno, path, Direction::Read);
        }
        if (n == 0) break;
        bytes.insert(bytes.end(), chunk, chunk + n);
    }
    return bytes;
}

void WriteFileAtomically(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    WriteBytes(path, bytes.data(), bytes.size());
}

void WriteFileAtomically(const std::string& path, const std::string& text) {
    WriteBytes(path, reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
}

}  // namespace platform

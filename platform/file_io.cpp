#include "platform/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace platform {

namespace {

enum class Direction { Read, Write };

FileError MakeError(int err, const std::string& path, Direction direction) {
    switch (err) {
        case ENOENT:
        case ENOTDIR:
            if (direction == Direction::Read)
                return FileError(FileError::Cause::NotFound, path, path + " was not found.");
            return FileError(FileError::Cause::NotFound, path,
                             "The folder of " + path + " was not found.");
        case EACCES:
        case EPERM:
        case EROFS:
            return FileError(FileError::Cause::AccessDenied, path,
                             "Access to " + path + " was denied.");
        default:
            return FileError(FileError::Cause::Other, path,
                             std::string("An error occurred while ") +
                                 (direction == Direction::Read ? "reading " : "writing ") + path +
                                 ".");
    }
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

/// The file a save must replace: the target of a symbolic link rather than the link, so that a
/// linked file is updated and the link kept.
std::string ResolveTarget(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        char resolved[PATH_MAX];
        if (::realpath(path.c_str(), resolved) != nullptr) return resolved;
    }
    return path;
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

void WriteBytesAtomically(const std::string& path, const std::uint8_t* data, std::size_t size) {
    if (path.empty()) throw MakeError(ENOENT, path, Direction::Write);
    const std::string target = ResolveTarget(path);
    const std::string folder = FolderOf(target);

    // The temporary file must be in the target's folder so that the rename cannot cross file
    // systems; it is hidden so that one left by a power cut does not show in file lists.
    const std::size_t nameAt = target.find_last_of('/') + 1;  // 0 when there is no folder part
    std::string tempName = target.substr(0, nameAt) + "." + target.substr(nameAt) + ".XXXXXX";
    const int fd = ::mkstemp(tempName.data());
    if (fd < 0) throw MakeError(errno, path, Direction::Write);
    FdGuard guard(fd);

    auto fail = [&](int err) {
        if (guard.get() >= 0) guard.Close();
        ::unlink(tempName.c_str());
        return MakeError(err, path, Direction::Write);
    };

    // mkstemp creates the file for the owner only; give it the old file's permissions, or those
    // a plain new file would get.
    struct stat old {};
    const mode_t mode =
        ::stat(target.c_str(), &old) == 0 ? (old.st_mode & 07777) : (0666 & ~CurrentUmask());
    if (::fchmod(fd, mode) != 0) throw fail(errno);

    if (!WriteAll(fd, data, size)) throw fail(errno);
    if (::fsync(fd) != 0) throw fail(errno);
    if (guard.Close() != 0) throw fail(errno);
    if (::rename(tempName.c_str(), target.c_str()) != 0) throw fail(errno);

    // Make the rename itself durable; a failure here no longer affects the file's content.
    const int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
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
    WriteBytesAtomically(path, bytes.data(), bytes.size());
}

void WriteFileAtomically(const std::string& path, const std::string& text) {
    WriteBytesAtomically(path, reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
}

}  // namespace platform

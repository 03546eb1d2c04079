// Whole-file reads and all-or-nothing writes.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace platform {

/// A file that cannot be opened, read or written. what() is the user text (program text), with
/// the file's path in it as PathText shows it and the reason ("... the disk is full."); path()
/// keeps the path's own bytes; cause() sorts the failures for callers.
class FileError : public std::runtime_error {
public:
    enum class Cause {
        NotFound,      ///< the file, or the folder of one being written, does not exist
        AccessDenied,  ///< no permission, or a read-only disk
        Folder,        ///< the name is a folder
        DiskFull,      ///< no space left, or the disk quota used up
        Other,         ///< anything else, a socket or a pipe nobody reads among them
    };
    FileError(Cause cause, const std::string& path, const std::string& what)
        : std::runtime_error(what), m_cause(cause), m_path(path) {}
    Cause cause() const { return m_cause; }
    const std::string& path() const { return m_path; }

private:
    Cause m_cause;
    std::string m_path;
};

/// Reads the whole file, opened for reading only. Throws FileError.
std::vector<std::uint8_t> ReadWholeFile(const std::string& path);

/// Writes `bytes` to `path`. A regular file (new or old) is written all or nothing: a temporary
/// file in its folder, renamed over it only when everything was written and flushed, with the
/// old file's permissions; on any failure the old file is untouched and the temporary file
/// removed. A symbolic link is followed and the file it leads to written (made, when the link
/// leads nowhere yet). A character device (/dev/null) or a named pipe is written in place; a
/// pipe that nothing reads from is refused at once. A folder, socket or disk device is refused.
/// Nothing but a regular file is ever replaced. Throws FileError.
void WriteFileAtomically(const std::string& path, const std::vector<std::uint8_t>& bytes);
void WriteFileAtomically(const std::string& path, const std::string& text);

}  // namespace platform

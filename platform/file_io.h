// Whole-file reads and all-or-nothing writes.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace platform {

/// A file that cannot be opened, read or written. `message` is the user text, with the
/// file's path in it (for example "Failed to open document." style texts are built by callers).
class FileError : public std::runtime_error {
public:
    enum class Cause { NotFound, AccessDenied, Other };
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

/// Writes `bytes` to a temporary file in the target's folder and renames it over the target
/// only when everything was written and flushed; on any failure the old file is untouched and
/// the temporary file removed. Throws FileError.
void WriteFileAtomically(const std::string& path, const std::vector<std::uint8_t>& bytes);
void WriteFileAtomically(const std::string& path, const std::string& text);

}  // namespace platform

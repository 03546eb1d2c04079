// Helpers of the platform tests: a temporary folder removed after the test, a guard that sets
// or clears an environment variable and restores it, whole-file text helpers, and checks run
// in a child process as a user without root's rights.
#pragma once

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>

namespace platform_test {

/// A fresh folder under $TMPDIR (or /tmp), removed with everything in it at the end.
class TempFolder {
  public:
    TempFolder() {
        const char* tmp = std::getenv("TMPDIR");
        std::string pattern =
            std::string(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") + "/kordel-test-XXXXXX";
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("cannot create a temporary folder");
        m_path = pattern;
    }
    ~TempFolder() {
        std::error_code ec;
        // Give back write permission that a test may have taken away, so removal works.
        for (auto it = std::filesystem::recursive_directory_iterator(m_path, ec);
             !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec))
            if (it->is_directory(ec)) ::chmod(it->path().c_str(), 0700);
        ::chmod(m_path.c_str(), 0700);
        std::filesystem::remove_all(m_path, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return m_path; }
    std::string operator/(const std::string& name) const { return m_path + "/" + name; }

    /// Names of the entries of the folder (not recursive).
    std::set<std::string> Entries() const {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(m_path))
            names.insert(entry.path().filename().string());
        return names;
    }

  private:
    std::string m_path;
};

/// Sets (or, with nullopt, clears) an environment variable for the guard's lifetime.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const std::optional<std::string>& value) : m_name(name) {
        if (const char* old = std::getenv(name)) m_old = old;
        Apply(value);
    }
    ~ScopedEnv() { Apply(m_old); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

  private:
    void Apply(const std::optional<std::string>& value) {
        if (value)
            ::setenv(m_name.c_str(), value->c_str(), 1);
        else
            ::unsetenv(m_name.c_str());
    }
    std::string m_name;
    std::optional<std::string> m_old;
};

inline void WriteText(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    if (!out) throw std::runtime_error("cannot write " + path);
}

inline std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline bool Exists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

/// A character device of major number 1 (minor 3 is /dev/null, 7 /dev/full) for a test: as root
/// a node made in `folder`, so that a write that wrongly replaced it would harm nothing outside
/// the folder; else the system's device `system`.
inline std::string CharDevice(const std::string& folder, const char* name, unsigned minor,
                              const char* system) {
    const std::string node = folder + "/" + name;
    if (::mknod(node.c_str(), S_IFCHR | 0666, makedev(1, minor)) == 0) {
        const int fd = ::open(node.c_str(), O_WRONLY);
        if (fd >= 0) {
            ::close(fd);
            return node;
        }
        ::unlink(node.c_str());  // a folder on a disk mounted without devices
    }
    return system;
}

inline bool IsCharDevice(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISCHR(st.st_mode);
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

}  // namespace platform_test

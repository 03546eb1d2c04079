#include "platform/folders.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <vector>

namespace platform {

namespace {

std::string Env(const char* name) {
    const char* v = std::getenv(name);
    return v != nullptr ? std::string(v) : std::string();
}

std::string StripTrailingSlashes(std::string path) {
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

/// $HOME, or the password database's home folder when HOME is unset or empty.
std::string HomeFolder() {
    std::string home = Env("HOME");
    if (home.empty()) {
        if (const passwd* pw = ::getpwuid(::getuid()); pw != nullptr && pw->pw_dir != nullptr)
            home = pw->pw_dir;
    }
    return StripTrailingSlashes(home);
}

/// ${XDG_CONFIG_HOME:-$HOME/.config}; a relative XDG_CONFIG_HOME is ignored, as XDG asks.
std::string ConfigHome() {
    const std::string xdg = Env("XDG_CONFIG_HOME");
    if (!xdg.empty() && xdg.front() == '/') return StripTrailingSlashes(xdg);
    return JoinPath(HomeFolder(), ".config");
}

/// Expands a user-dirs value: "$HOME/..." or "$HOME" takes the home folder, an absolute path
/// stays; anything else is not a valid entry and gives "".
std::string ExpandUserDir(const std::string& value) {
    static const std::string kHome = "$HOME";
    if (value.compare(0, kHome.size(), kHome) == 0 &&
        (value.size() == kHome.size() || value[kHome.size()] == '/'))
        return StripTrailingSlashes(JoinPath(HomeFolder(), value.substr(kHome.size())));
    if (!value.empty() && value.front() == '/') return StripTrailingSlashes(value);
    return {};
}

/// The XDG_DOCUMENTS_DIR entry of user-dirs.dirs, a shell-style file of lines
/// NAME="value"; "" when the file or the entry is missing or malformed.
std::string DocumentsFromUserDirs() {
    std::ifstream file(JoinPath(ConfigHome(), "user-dirs.dirs"));
    if (!file) return {};
    static const std::string kName = "XDG_DOCUMENTS_DIR=";
    std::string line;
    while (std::getline(file, line)) {
        std::size_t i = line.find_first_not_of(" \t");
        if (i == std::string::npos || line[i] == '#') continue;
        if (line.compare(i, kName.size(), kName) != 0) continue;
        i += kName.size();
        if (i >= line.size() || line[i] != '"') continue;
        std::string value;
        bool closed = false;
        for (++i; i < line.size(); ++i) {
            const char c = line[i];
            if (c == '"') {
                closed = true;
                break;
            }
            if (c == '\\' && i + 1 < line.size()) ++i;
            value += line[i];
        }
        if (closed) return ExpandUserDir(value);
    }
    return {};
}

}  // namespace

std::string UserDocumentsFolder() {
    const std::string fromEnv = ExpandUserDir(Env("XDG_DOCUMENTS_DIR"));
    if (!fromEnv.empty()) return fromEnv;
    const std::string fromFile = DocumentsFromUserDirs();
    if (!fromFile.empty()) return fromFile;
    return JoinPath(HomeFolder(), "Documents");
}

std::string KordelUserFolder() {
    return AsFolder(JoinPath(UserDocumentsFolder(), "Dravnick Technologies/Kordel V4"));
}

std::string ProgramFolder() {
    std::vector<char> buffer(4096);
    for (;;) {
        const ssize_t n = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (n < 0) return "./";
        if (static_cast<std::size_t>(n) < buffer.size()) {
            const std::string exe(buffer.data(), static_cast<std::size_t>(n));
            const auto slash = exe.find_last_of('/');
            return slash == std::string::npos ? "./" : exe.substr(0, slash + 1);
        }
        buffer.resize(buffer.size() * 2);  // cut: try again with more room
    }
}

std::string UserConfigFolder() {
    return JoinPath(ConfigHome(), "kordel");
}

std::string JoinPath(const std::string& a, const std::string& b) {
    if (a.empty()) return b;
    if (b.empty()) return a;
    std::size_t aEnd = a.size();
    while (aEnd > 0 && a[aEnd - 1] == '/') --aEnd;
    const std::size_t bBegin = std::min(b.find_first_not_of('/'), b.size());
    return a.substr(0, aEnd) + '/' + b.substr(bBegin);
}

std::string AsFolder(const std::string& path) {
    if (path.empty() || path.back() == '/') return path;
    return path + '/';
}

bool CreateFolders(const std::string& path) {
    if (path.empty()) return false;
    // Create each level from the top; an existing level is fine.
    for (std::size_t pos = path.find('/', 1);; pos = path.find('/', pos + 1)) {
        const std::string level = path.substr(0, pos);
        if (!level.empty() && level.back() != '/' && ::mkdir(level.c_str(), 0777) != 0 &&
            errno != EEXIST)
            return false;
        if (pos == std::string::npos) break;
    }
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace platform

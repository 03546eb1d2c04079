#include "controls/folder_browser.h"

#include <dirent.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "platform/folders.h"
#include "platform/text_encoding.h"

namespace kordel {

std::string FolderLabel(const std::string& folder, std::size_t maxChars) {
    if (folder.size() <= maxChars) return folder;
    const std::size_t keep = maxChars > 3 ? maxChars - 3 : 0;
    std::size_t start = folder.size() - keep;
    // A UTF-8 continuation byte is no place to start.
    while (start < folder.size() && (static_cast<unsigned char>(folder[start]) & 0xC0) == 0x80)
        ++start;
    return "..." + folder.substr(start);
}

namespace {

std::string Quoted(const std::string& path) {
    return "\"" + platform::PathText(path) + "\"";
}

std::string CannotRead(const std::string& folder, int error) {
    return "The folder " + Quoted(folder) + " cannot be read: " + std::strerror(error) + ".";
}

std::string TooLong(const std::string& folder) {
    return "The folder " + Quoted(folder) + " cannot be opened: its path would be longer than " +
           std::to_string(BrowserPathLimit()) + " characters.";
}

struct DirCloser {
    void operator()(DIR* dir) const { ::closedir(dir); }
};

}  // namespace

std::size_t BrowserPathLimit() {
    return PATH_MAX - 1;
}

std::string BrowserRow::Text() const {
    return platform::PathText(name);
}

void CFolderBrowser::SetFolder(const std::string& folder) {
    m_strFolder = !folder.empty() && folder.front() == '/' ? platform::AsFolder(folder) : "/";
}

void CFolderBrowser::SetFileType(const std::string& entry) {
    m_strPattern = PatternOf(entry);
}

std::string CFolderBrowser::PatternOf(const std::string& entry) {
    const std::size_t open = entry.rfind('(');
    const std::size_t close = entry.rfind(')');
    if (open == std::string::npos || close == std::string::npos || close <= open + 1) return "*";
    const std::string pattern = entry.substr(open + 1, close - open - 1);
    return pattern == "*.*" ? "*" : pattern;
}

std::string CFolderBrowser::ParentFolder(const std::string& folder) {
    std::string parent = folder;
    while (parent.size() > 1 && parent.back() == '/') parent.pop_back();
    const std::size_t slash = parent.rfind('/');
    return slash == std::string::npos ? std::string("/") : parent.substr(0, slash + 1);
}

bool CFolderBrowser::Fill() {
    m_rows.clear();
    m_strMessage.clear();
    BrowserRow special;
    special.kind = m_strFolder == "/" ? BrowserRow::Kind::Root : BrowserRow::Kind::Up;
    special.name = m_strFolder == "/" ? kBrowserRootRow : kBrowserUpRow;
    m_rows.push_back(special);

    std::unique_ptr<DIR, DirCloser> dir(::opendir(m_strFolder.c_str()));
    if (!dir) {
        m_strMessage = CannotRead(m_strFolder, errno);
        return false;
    }
    std::vector<BrowserRow> folders;
    std::vector<BrowserRow> files;
    const int fd = ::dirfd(dir.get());
    errno = 0;
    while (const dirent* entry = ::readdir(dir.get())) {
        const std::string name = entry->d_name;
        if (name.empty() || name.front() == '.') continue;  // ".", ".." and hidden entries
        // The entry itself, then what a link leads to; a link that leads nowhere (or round a
        // loop) is neither a folder nor a file.
        struct stat own {};
        struct stat target {};
        if (::fstatat(fd, name.c_str(), &own, AT_SYMLINK_NOFOLLOW) != 0) continue;
        if (::fstatat(fd, name.c_str(), &target, 0) != 0) continue;
        BrowserRow row;
        row.name = name;
        row.link = S_ISLNK(own.st_mode);
        if (S_ISDIR(target.st_mode)) {
            folders.push_back(row);
        } else if (!m_bFoldersOnly && S_ISREG(target.st_mode) &&
                   ::fnmatch(m_strPattern.c_str(), name.c_str(), FNM_CASEFOLD) == 0) {
            row.kind = BrowserRow::Kind::File;
            files.push_back(row);
        }
    }
    // Names in byte order: every capital letter before every small one.
    const auto byName = [](const BrowserRow& a, const BrowserRow& b) { return a.name < b.name; };
    std::sort(folders.begin(), folders.end(), byName);
    std::sort(files.begin(), files.end(), byName);
    m_rows.insert(m_rows.end(), folders.begin(), folders.end());
    m_rows.insert(m_rows.end(), files.begin(), files.end());
    return true;
}

bool CFolderBrowser::FolderOfRow(int index, std::string& target) {
    const BrowserRow& row = m_rows[static_cast<std::size_t>(index)];
    switch (row.kind) {
        case BrowserRow::Kind::Up:
            target = ParentFolder(m_strFolder);
            return true;
        case BrowserRow::Kind::Root:
        case BrowserRow::Kind::File:
            target = m_strFolder;
            return true;
        case BrowserRow::Kind::Folder:
            break;
    }
    const std::string path = platform::JoinPath(m_strFolder, row.name);
    if (path.size() + 1 > BrowserPathLimit()) {
        m_strMessage = TooLong(path);
        return false;
    }
    if (!row.link) {
        target = path + '/';
        return true;
    }
    // A link goes to the folder it leads to, so that no walk through links ever loops.
    std::unique_ptr<char, decltype(&std::free)> real(::realpath(path.c_str(), nullptr), &std::free);
    if (!real) {
        m_strMessage =
            "The folder " + Quoted(path) + " cannot be opened: " + std::strerror(errno) + ".";
        return false;
    }
    target = platform::AsFolder(real.get());
    if (target.size() > BrowserPathLimit()) {
        m_strMessage = TooLong(target);
        return false;
    }
    return true;
}

bool CFolderBrowser::Open(int index) {
    m_strMessage.clear();
    if (index < 0 || static_cast<std::size_t>(index) >= m_rows.size()) return true;
    const BrowserRow::Kind kind = m_rows[static_cast<std::size_t>(index)].kind;
    if (kind == BrowserRow::Kind::File || kind == BrowserRow::Kind::Root) return true;
    std::string target;
    if (!FolderOfRow(index, target)) return false;
    m_strFolder = target;
    return Fill();
}

bool CFolderBrowser::Choose(int index) {
    m_strMessage.clear();
    if (index < 0 || static_cast<std::size_t>(index) >= m_rows.size()) {
        m_strSelected = m_strFolder;
        return true;
    }
    const BrowserRow& row = m_rows[static_cast<std::size_t>(index)];
    if (!m_bFoldersOnly) {
        m_strSelected = row.kind == BrowserRow::Kind::File
                            ? platform::JoinPath(m_strFolder, row.name)
                            : m_strFolder;
        return true;
    }
    std::string target;
    if (!FolderOfRow(index, target)) return false;
    m_strSelected = target;
    m_strFolder = target;
    return true;
}

}  // namespace kordel

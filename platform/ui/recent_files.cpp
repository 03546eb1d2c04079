#include "platform/ui/recent_files.h"

#include <algorithm>

#include "platform/text_encoding.h"
#include "platform/ui/settings_store.h"

namespace platform::ui {

void RecentFileList::Add(const std::string& path) {
    if (path.empty()) return;
    m_files.erase(std::remove(m_files.begin(), m_files.end(), path), m_files.end());
    m_files.insert(m_files.begin(), path);
    if (static_cast<int>(m_files.size()) > m_size) m_files.resize(static_cast<size_t>(m_size));
}

void RecentFileList::Remove(int index) {
    if (index < 0 || index >= Count()) return;
    m_files.erase(m_files.begin() + index);
}

void RecentFileList::Load(const SettingsStore& store) {
    m_files.clear();
    for (int i = 1; i <= m_size; ++i) {
        std::string path = store.GetString(kSection, "File" + std::to_string(i));
        if (path.empty()) continue;
        if (std::find(m_files.begin(), m_files.end(), path) != m_files.end()) continue;
        m_files.push_back(path);
    }
}

void RecentFileList::Save(SettingsStore& store) const {
    for (int i = 0; i < m_size; ++i) {
        store.WriteString(kSection, "File" + std::to_string(i + 1),
                          i < Count() ? m_files[static_cast<size_t>(i)] : std::string());
    }
}

std::string RecentFileList::MenuText(int index, const std::string& homeFolder,
                                     size_t maxLength) const {
    std::string path = (*this)[index];
    if (!homeFolder.empty() && path.size() > homeFolder.size() &&
        path.compare(0, homeFolder.size(), homeFolder) == 0 && path[homeFolder.size()] == '/') {
        path = "~" + path.substr(homeFolder.size());
    }
    // Program text from here on, so that a cut never splits a character.
    path = PathText(path);
    if (path.size() > maxLength) {
        // Keep the start up to the first folder and as much of the end as fits.
        auto firstSlash = path.find('/', 1);
        std::string head =
            firstSlash == std::string::npos ? std::string() : path.substr(0, firstSlash + 1);
        size_t room = maxLength > head.size() + 3 ? maxLength - head.size() - 3 : 0;
        std::string tail = path.substr(path.size() - std::min(room, path.size()));
        path = head + "..." + tail;
    }
    // A literal '&' in a path must not become a mnemonic.
    std::string escaped;
    for (char c : path) {
        escaped += c;
        if (c == '&') escaped += '&';
    }
    return "&" + std::to_string(index + 1) + " " + escaped;
}

}  // namespace platform::ui

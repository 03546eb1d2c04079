// The recent-file list: the last designs opened or saved, newest first, kept in the settings
// store under "Recent File List" as "File1" to "FileN", and shown at the foot of the File menu.
#pragma once

#include <string>
#include <vector>

namespace platform::ui {

class SettingsStore;

class RecentFileList {
  public:
    static constexpr const char* kSection = "Recent File List";

    explicit RecentFileList(int size) : m_size(size) {}

    int Size() const { return m_size; }
    int Count() const { return static_cast<int>(m_files.size()); }
    bool IsEmpty() const { return m_files.empty(); }
    /// The path of entry `index` (0 is the newest).
    const std::string& operator[](int index) const {
        return m_files.at(static_cast<size_t>(index));
    }

    /// Puts `path` first (moving it up when it is already listed); the oldest entry falls off
    /// the end when the list is full.
    void Add(const std::string& path);
    void Remove(int index);

    /// Reads the list; empty and repeated entries are dropped.
    void Load(const SettingsStore& store);
    /// Writes every slot, emptying those past the last entry.
    void Save(SettingsStore& store) const;

    /// The menu text of entry `index` (program text): "&1 " and the path, the home folder shown
    /// as "~" and a long path cut in its middle to at most `maxLength` characters with "...".
    /// The entry itself keeps the path's own bytes.
    std::string MenuText(int index, const std::string& homeFolder, size_t maxLength = 48) const;

  private:
    int m_size;
    std::vector<std::string> m_files;
};

}  // namespace platform::ui

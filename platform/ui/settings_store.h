// The program's own settings store: what the application keeps for the user between runs (the
// recent-file list), in a text file of sections and keys in the user's configuration folder,
// under the company and program names. The settings file "private.ini" of the program is
// another file (CIni); this store is the application framework's.
#pragma once

#include <string>

namespace platform::ui {

class SettingsStore {
  public:
    /// The store of program `appName` of company `company`:
    /// UserConfigFolder()/<company>/<appName>.ini.
    SettingsStore(const std::string& company, const std::string& appName);
    /// A store in the file `path`.
    explicit SettingsStore(std::string path) : m_path(std::move(path)) {}

    const std::string& Path() const { return m_path; }
    std::string GetString(const std::string& section, const std::string& key,
                          const std::string& def = {}) const;
    int GetInt(const std::string& section, const std::string& key, int def) const;
    /// Writes a value, creating the file and its folders; false when it cannot.
    bool WriteString(const std::string& section, const std::string& key, const std::string& value);
    bool WriteInt(const std::string& section, const std::string& key, int value);

  private:
    std::string m_path;
};

}  // namespace platform::ui

#include "platform/ui/settings_store.h"

#include "platform/folders.h"
#include "platform/ini.h"

namespace platform::ui {

SettingsStore::SettingsStore(const std::string& company, const std::string& appName)
    : m_path(JoinPath(JoinPath(UserConfigFolder(), company), appName + ".ini")) {}

std::string SettingsStore::GetString(const std::string& section, const std::string& key,
                                     const std::string& def) const {
    CIni ini;
    ini.SetPathName(m_path.c_str());
    return ini.GetString(section.c_str(), key.c_str(), def.c_str());
}

int SettingsStore::GetInt(const std::string& section, const std::string& key, int def) const {
    CIni ini;
    ini.SetPathName(m_path.c_str());
    return ini.GetInt(section.c_str(), key.c_str(), def);
}

bool SettingsStore::WriteString(const std::string& section, const std::string& key,
                                const std::string& value) {
    auto slash = m_path.find_last_of('/');
    if (slash != std::string::npos && slash > 0) CreateFolders(m_path.substr(0, slash));
    CIni ini;
    ini.SetPathName(m_path.c_str());
    return ini.WriteString(section.c_str(), key.c_str(), value.c_str());
}

bool SettingsStore::WriteInt(const std::string& section, const std::string& key, int value) {
    return WriteString(section, key, std::to_string(value));
}

}  // namespace platform::ui

#include "libraries/library_folders.h"

#include "platform/folders.h"
#include "platform/ini.h"

namespace kordel {

std::string ResolveLibraryFolder(const char* key, const char* defaultSuffix) {
    platform::CIni ini;
    ini.SetUserFile(platform::kIniFileName);
    const std::string stored =
        ini.GetString(platform::kIniSectionOptions, key, platform::kIniDefaultFolder);
    // An empty value names no folder: file names would resolve against the current folder.
    if (stored != platform::kIniDefaultFolder && !stored.empty()) return platform::AsFolder(stored);
    ini.WriteString(platform::kIniSectionOptions, key, platform::kIniDefaultFolder);
    return platform::JoinPath(platform::UserDocumentsFolder(), defaultSuffix);
}

std::string MakeLibraryFileName(std::string_view name, std::string_view extension) {
    std::string file;
    file.reserve(name.size() + 1 + extension.size());
    for (const char c : name) {
        // A NUL would end the path where the system reads it, dropping the extension.
        if (c == '\0' || kFileNameForbiddenChars.find(c) != std::string_view::npos) continue;
        file += c;
    }
    file += '.';
    file += extension;
    return file;
}

}  // namespace kordel

// Feeds arbitrary bytes to the settings file reader as the content of "private.ini", then
// rewrites a copy of it. Each run writes the input to a file in a private temporary folder
// (on /dev/shm when there is one, so the writer's fsync costs little), reads a few keys of
// every kind and adds or replaces one key in the copy; the copy must read back what was
// written.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/file_io.h"
#include "platform/ini.h"

namespace {

void RemoveFolder();

const std::string& Folder() {
    // Never destroyed, so that the exit handler registered here can still use it.
    static const std::string& folder = *new std::string([] {
        std::string pattern = std::string(::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") +
                              "/kordel-ini-XXXXXX";
        if (::mkdtemp(pattern.data()) == nullptr) std::abort();
        std::atexit(RemoveFolder);
        return pattern;
    }());
    return folder;
}

void RemoveFolder() {
    for (const char* name : {"/private.ini", "/copy.ini"}) ::unlink((Folder() + name).c_str());
    ::rmdir(Folder().c_str());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string content(reinterpret_cast<const char*>(data), size);
    const std::string input = Folder() + "/private.ini";
    const std::string copy = Folder() + "/copy.ini";
    platform::WriteFileAtomically(input, content);
    platform::WriteFileAtomically(copy, content);

    platform::CIni ini;
    ini.SetPathName(input.c_str());
    ini.GetString(platform::kIniSectionOptions, platform::kIniKeyLibraryFolder,
                  platform::kIniDefaultFolder);
    ini.GetInt(platform::kIniSectionOptions, platform::kIniKeyTextReportFont, 0, 10);
    ini.GetInt(platform::kIniSectionOptions, platform::kIniKeyTextReportFont, 0, 16);
    ini.GetBool(platform::kIniSectionOptions, platform::kIniKeyShowFlexure, 1);
    ini.GetBool(platform::kIniSectionWindowState, platform::kIniKeyToolbar, 1);
    std::uint8_t placement[platform::kWindowPlacementBytes];
    ini.GetDataBlock(platform::kIniSectionWindowState, platform::kIniKeyWindowPlacement, placement,
                     sizeof placement);
    ini.GetDataBlock(platform::kIniSectionWindowState, platform::kIniKeyWindowPlacement, nullptr, 0,
                     3);
    char buffer[16];
    ini.GetStringToBuffer("a", "b", buffer, sizeof buffer, "default");

    ini.SetPathName(copy.c_str());
    if (ini.WriteString(platform::kIniSectionOptions, platform::kIniKeyLibraryFolder,
                        "/data/Section Library/") &&
        ini.GetString(platform::kIniSectionOptions, platform::kIniKeyLibraryFolder) !=
            "/data/Section Library/")
        __builtin_trap();
    return 0;
}

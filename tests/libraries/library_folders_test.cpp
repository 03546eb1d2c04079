// The library folders from "private.ini" and the file names made from record names.
#include "libraries/library_folders.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/folders.h"
#include "platform/ini.h"
#include "platform/platform_test_support.h"

namespace kordel {
namespace {

using platform_test::ScopedEnv;
using platform_test::TempFolder;

/// The user's documents folder in a temporary folder, with the program's folder that holds
/// "private.ini".
class LibraryFoldersTest : public ::testing::Test {
  protected:
    LibraryFoldersTest()
        : m_home("HOME", m_dir.path()),
          m_config("XDG_CONFIG_HOME", m_dir / ".config"),
          m_documents("XDG_DOCUMENTS_DIR", m_dir / "Documents") {
        platform::CreateFolders(platform::KordelUserFolder());
        m_ini.SetUserFile(platform::kIniFileName);
    }

    std::string Stored(const char* key) const {
        return m_ini.GetString(platform::kIniSectionOptions, key, "(missing)");
    }
    void Store(const char* key, const char* value) {
        ASSERT_TRUE(m_ini.WriteString(platform::kIniSectionOptions, key, value));
    }

    TempFolder m_dir;
    ScopedEnv m_home;
    ScopedEnv m_config;
    ScopedEnv m_documents;
    platform::CIni m_ini;
};

TEST_F(LibraryFoldersTest, NullAnEmptyValueOrNoValueIsTheDefaultFolderAndIsWrittenBack) {
    const std::string documents = m_dir / "Documents";
    EXPECT_EQ(ResolveLibraryFolder(platform::kIniKeyLibraryFolder, kSectionLibraryDefaultSuffix),
              documents + "/Dravnick Technologies/Kordel V4/Section Library/");
    EXPECT_EQ(Stored(platform::kIniKeyLibraryFolder), "null") << "the key exists afterwards";
    EXPECT_EQ(Stored(platform::kIniKeyTruckLibraryFolder), "(missing)")
        << "resolving the section folder leaves the vehicle key alone";

    Store(platform::kIniKeyTruckLibraryFolder, "null");
    EXPECT_EQ(
        ResolveLibraryFolder(platform::kIniKeyTruckLibraryFolder, kVehicleLibraryDefaultSuffix),
        documents + "/Dravnick Technologies/Kordel V4/Vehicle Library/");

    // A key with no text names no folder; file names would resolve against the current one.
    Store(platform::kIniKeyLibraryFolder, "");
    EXPECT_EQ(ResolveLibraryFolder(platform::kIniKeyLibraryFolder, kSectionLibraryDefaultSuffix),
              documents + "/Dravnick Technologies/Kordel V4/Section Library/");
    EXPECT_EQ(Stored(platform::kIniKeyLibraryFolder), "null");
}

TEST_F(LibraryFoldersTest, AnyOtherValueIsTheFolderEndingInASeparator) {
    struct Case {
        const char* stored;
        const char* folder;
        const char* why;
    };
    const Case cases[] = {
        {"/data/sections/", "/data/sections/", "a folder"},
        {"/data/sections", "/data/sections/", "a folder stored without its separator"},
        {"NULL", "NULL/", "the marker is case-sensitive"},
        {"Null", "Null/", "the marker is case-sensitive"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        Store(platform::kIniKeyLibraryFolder, c.stored);
        EXPECT_EQ(
            ResolveLibraryFolder(platform::kIniKeyLibraryFolder, kSectionLibraryDefaultSuffix),
            c.folder);
        EXPECT_EQ(Stored(platform::kIniKeyLibraryFolder), c.stored) << "nothing written";
    }
}

TEST(LibraryFileName, ForbiddenCharactersAreDroppedAndNothingElseChanges) {
    struct Case {
        std::string name;
        const char* extension;
        std::string file;
    };
    const Case cases[] = {
        {"A/B:C|D", kSectionFileExtension, "ABCD.ksl"},
        {"\\/:*?\"<>|", kSectionFileExtension, ".ksl"},
        {"...", kSectionFileExtension, "....ksl"},
        {"PCI BT-72 (Mod)", kSectionFileExtension, "PCI BT-72 (Mod).ksl"},
        {"HL-93", kVehicleFileExtension, "HL-93.ktl"},
        // A NUL would end the path early, losing the extension.
        {std::string("AB\0CD", 5), kVehicleFileExtension, "ABCD.ktl"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MakeLibraryFileName(c.name, c.extension), c.file) << c.file;
    }
}

}  // namespace
}  // namespace kordel

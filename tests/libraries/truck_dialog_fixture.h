// The vehicle dialogs on the headless backend, with a vehicle library folder of their own under
// the test's documents folder.
#pragma once

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "libraries/library_folders.h"
#include "libraries/truck_lib_doc.h"
#include "platform/folders.h"
#include "platform/ini.h"
#include "tests/app/desktop_test_support.h"

namespace kordel::test {

class TruckDialogTest : public DesktopTest {
  protected:
    TruckDialogTest()
        : library(ResolveLibraryFolder(platform::kIniKeyTruckLibraryFolder,
                                       kVehicleLibraryDefaultSuffix)) {
        platform::CreateFolders(library);
    }

    /// A vehicle of `axles` axles named `name`, each value a number of its own.
    static TruckLibRecord Vehicle(const std::string& name, int axles) {
        TruckLibRecord v;
        v.m_strName = name;
        v.m_nAxleCount = axles;
        for (int i = 0; i < axles; ++i) v.m_aAxles[i] = {10.0 + i, 4.0 + i, i + 1 < axles ? 9.0 + i : 0};
        v.m_dLaneLoad = 0.5;
        v.m_dLaneMomentLoad = 18;
        v.m_dLaneShearLoad = 26;
        v.m_bIncludeTandem = 1;
        v.m_dTandemAxle1 = 24;
        v.m_dTandemAxle2 = 23;
        v.m_dTandemSpacing = 5;
        v.m_nCombination = kCombineTruckOrTandemOrLane;
        return v;
    }
    /// Writes `v` as `file` in `folder` (the library folder when empty).
    std::string Write(const TruckLibRecord& v, const std::string& file, std::string folder = "") {
        if (folder.empty()) folder = library;
        platform::CreateFolders(folder);
        CTruckLibDoc doc;
        static_cast<TruckLibRecord&>(doc) = v;
        const std::string path = platform::JoinPath(folder, file);
        EXPECT_TRUE(doc.OnSaveDocument(path)) << path;
        return path;
    }
    /// The vehicle in `file` of the library folder.
    TruckLibRecord Read(const std::string& file) {
        CTruckLibDoc doc;
        EXPECT_TRUE(doc.OnOpenDocument(platform::JoinPath(library, file))) << file;
        return doc;
    }
    /// The .ktl files of the library folder, sorted.
    std::vector<std::string> LibraryFiles() const {
        std::vector<std::string> files;
        for (const auto& e : std::filesystem::directory_iterator(library))
            files.push_back(e.path().filename().string());
        std::sort(files.begin(), files.end());
        return files;
    }
    /// Clicks the row of the browser list that reads `text`.
    static bool ClickRow(platform::ui::DialogDriver& d, int listId, const std::string& text) {
        return d.Choose(listId, text);
    }

    std::string library;
};

}  // namespace kordel::test

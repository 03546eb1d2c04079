// The layers' arrows run one way: the engine (document/, engine/, report/) includes only the
// platform core and itself, so the batch front and the tests can use it with no window code.
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

// Every `#include "..."` of a file under `folder` whose path starts with one of `banned`.
std::vector<std::string> BannedIncludes(const std::string& folder,
                                        const std::vector<std::string>& banned) {
    std::vector<std::string> found;
    const std::regex include(R"(^\s*#\s*include\s*"([^"]+)\")");
    for (const auto& entry : fs::recursive_directory_iterator(fs::path(KORDEL_SOURCE_DIR) / folder)) {
        if (!entry.is_regular_file()) continue;
        const auto ext = entry.path().extension();
        if (ext != ".cpp" && ext != ".h") continue;
        std::ifstream in(entry.path());
        std::string line;
        while (std::getline(in, line)) {
            std::smatch m;
            if (!std::regex_search(line, m, include)) continue;
            for (const auto& prefix : banned)
                if (m[1].str().rfind(prefix, 0) == 0)
                    found.push_back(fs::relative(entry.path(), KORDEL_SOURCE_DIR).string() +
                                    " includes " + m[1].str());
        }
    }
    return found;
}

TEST(Layering, EngineIncludesNothingOfTheDesktopProgram) {
    const std::vector<std::string> desktop = {"app/",       "views/",   "controls/",
                                              "libraries/", "dialogs/", "tools/",
                                              "resources/", "platform/ui/", "platform/draw/",
                                              "platform/gl/", "platform/wx/"};
    for (const char* folder : {"document", "engine", "report"}) {
        const auto found = BannedIncludes(folder, desktop);
        EXPECT_TRUE(found.empty()) << ::testing::PrintToString(found);
    }
}

TEST(Layering, ControlsIncludeOnlyTheUiLayerAndThePlatformCore) {
    // controls/ draws through the UI layer's device context and knows nothing of the design.
    const auto found = BannedIncludes(
        "controls", {"document/", "engine/", "report/", "app/", "views/", "resources/",
                     "libraries/", "dialogs/", "tools/", "platform/draw/", "platform/wx/"});
    EXPECT_TRUE(found.empty()) << ::testing::PrintToString(found);
}

TEST(Layering, PlatformCoreIncludesNoHigherLayer) {
    // platform/*.cpp and *.h directly in platform/ (not ui/, draw/, wx/).
    std::vector<std::string> found;
    for (auto f : BannedIncludes("platform", {"app/", "document/", "engine/", "report/", "views/"}))
        found.push_back(f);
    EXPECT_TRUE(found.empty()) << ::testing::PrintToString(found);
}

TEST(Layering, OnlyThePlatformsGlFoldersIncludeOpenGl) {
    // OpenGL's headers belong to platform/gl/ and platform/wx/; the 3D view's state, the dialog
    // and the model are written without them.
    const std::regex gl(R"(^\s*#\s*include\s*<(GL/|wx/glcanvas\.h))");
    std::vector<std::string> found;
    for (const auto& entry : fs::recursive_directory_iterator(KORDEL_SOURCE_DIR)) {
        const fs::path relative = fs::relative(entry.path(), KORDEL_SOURCE_DIR);
        const std::string top = relative.begin()->string();
        if (top == "build" || top == "tests" || top == ".git") continue;
        const std::string path = relative.string();
        if (path.rfind("platform/gl/", 0) == 0 || path.rfind("platform/wx/", 0) == 0) continue;
        const auto ext = entry.path().extension();
        if (!entry.is_regular_file() || (ext != ".cpp" && ext != ".h")) continue;
        std::ifstream in(entry.path());
        std::string line;
        while (std::getline(in, line)) {
            if (std::regex_search(line, gl)) found.push_back(path + ": " + line);
        }
    }
    EXPECT_TRUE(found.empty()) << ::testing::PrintToString(found);
}

}  // namespace

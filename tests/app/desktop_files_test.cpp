// The desktop entry and the MIME type stand in for registering the ".kdx" file type: they must
// name the same type, the program's extension and a command that opens (or prints) the file.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "resources/resources.h"

namespace kordel {
namespace {

std::string ReadSource(const std::string& relative) {
    std::ifstream in(std::string(KORDEL_SOURCE_DIR) + "/" + relative);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

TEST(DesktopFiles, RegisterTheDesignFileTypeForTheProgram) {
    const std::string entry = ReadSource("resources/desktop/kordel.desktop");
    const std::string mime = ReadSource("resources/desktop/kordel-mime.xml");
    ASSERT_FALSE(entry.empty());
    ASSERT_FALSE(mime.empty());
    const std::string type = "application/x-kordel-design";
    EXPECT_NE(entry.find("MimeType=" + type + ";"), std::string::npos);
    EXPECT_NE(mime.find("<mime-type type=\"" + type + "\">"), std::string::npos);
    EXPECT_NE(mime.find("<glob pattern=\"*" + res::DocumentStringField(4) + "\"/>"),
              std::string::npos)
        << "the document string's extension";
    EXPECT_NE(mime.find("<comment>" + res::DocumentStringField(6) + "</comment>"),
              std::string::npos)
        << "the document string's file type name";
    EXPECT_NE(entry.find("Exec=kordel %f\n"), std::string::npos);
    EXPECT_NE(entry.find("Exec=kordel --print %f\n"), std::string::npos);
    EXPECT_NE(entry.find("\nIcon=kordel\n"), std::string::npos)
        << "the icon the build renders and installs (checked by Desktop.InstallsTheEntryWithItsIcon)";
}

// Every xvfb-run the README shows picks a free display number itself (-a): two at once, or a
// display :99 already in use, would fail otherwise.
TEST(DesktopFiles, TheReadmesVirtualDisplayRunsPickAFreeDisplay) {
    const std::string readme = ReadSource("README.md");
    ASSERT_FALSE(readme.empty());
    int runs = 0;
    for (size_t at = readme.find("xvfb-run"); at != std::string::npos;
         at = readme.find("xvfb-run", at + 1)) {
        ++runs;
        EXPECT_EQ(readme.compare(at, 12, "xvfb-run -a "), 0) << readme.substr(at, 40);
    }
    EXPECT_GT(runs, 0);
}

}  // namespace
}  // namespace kordel

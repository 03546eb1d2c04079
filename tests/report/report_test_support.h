// Report tests: a document analysed with a fixed clock and a settings file of the test's own,
// and golden files of report lines under tests/report/golden/.
//
// A golden file holds the lines of one report block exactly, one per line. To rewrite the
// goldens after a deliberate change, run the tests with KORDEL_UPDATE_GOLDEN=1 and review the
// difference line by line before committing it.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/folders.h"
#include "platform/ini.h"
#include "platform/platform_test_support.h"
#include "test_support.h"

namespace kordel::test {

/// EngineTest with HOME, XDG_CONFIG_HOME and XDG_DOCUMENTS_DIR in a temporary folder, so the
/// report switches come from a settings file of the test's own (missing: every switch on).
class ReportTest : public EngineTest {
protected:
    ReportTest()
        : m_home("HOME", m_dir.path()),
          m_config("XDG_CONFIG_HOME", m_dir / ".config"),
          m_documents("XDG_DOCUMENTS_DIR", m_dir / "Documents") {
        platform::CreateFolders(platform::KordelUserFolder());
    }

    /// Writes `value` under `key` of section "Options" of the test's settings file.
    void SetOption(const char* key, const char* value) {
        platform::CIni ini;
        ini.SetUserFile(platform::kIniFileName);
        ini.WriteString(platform::kIniSectionOptions, key, value);
    }

    /// A new document holding example design `n`, analysed, in US (`units` 1) or metric (2)
    /// units and report form `form`.
    std::unique_ptr<CKordelDoc> AnalysedExample(int n, int units = 1, int form = kReportLongForm) {
        auto doc = NewDoc();
        doc->BuildExampleDesign(n);
        doc->m_nUnits = units;
        doc->m_nReportForm = form;
        doc->RunAnalysis();
        return doc;
    }

private:
    platform_test::TempFolder m_dir;
    platform_test::ScopedEnv m_home;
    platform_test::ScopedEnv m_config;
    platform_test::ScopedEnv m_documents;
};

/// Path of golden file `name` (no extension) in the source tree, in tests/`folder`/golden/.
inline std::filesystem::path GoldenPath(const std::string& name,
                                        const std::string& folder = "report") {
    return std::filesystem::path(KORDEL_SOURCE_DIR) / "tests" / folder / "golden" / (name + ".txt");
}

/// Compares `lines` with golden file `name` of tests/`folder`/golden/, reporting the first
/// differing line; with KORDEL_UPDATE_GOLDEN=1 in the environment writes the file instead.
inline void ExpectMatchesGolden(const std::vector<std::string>& lines, const std::string& name,
                                const std::string& folder = "report") {
    const std::filesystem::path path = GoldenPath(name, folder);
    const char* update = std::getenv("KORDEL_UPDATE_GOLDEN");
    if (update && std::string(update) == "1") {
        std::filesystem::create_directories(path.parent_path());
        std::ofstream out(path, std::ios::binary);
        for (const std::string& line : lines) out << line << '\n';
        return;
    }
    std::ifstream in(path, std::ios::binary);
    ASSERT_TRUE(in) << "missing golden file " << path << " (run with KORDEL_UPDATE_GOLDEN=1)";
    std::vector<std::string> expected;
    for (std::string line; std::getline(in, line);) expected.push_back(line);
    const std::size_t n = std::min(expected.size(), lines.size());
    for (std::size_t i = 0; i < n; ++i) {
        ASSERT_EQ(lines[i], expected[i]) << name << ": line " << i + 1 << " differs";
    }
    ASSERT_EQ(lines.size(), expected.size()) << name << ": line count differs";
}

/// The lines of `lines` from the first equal to `first` up to (not including) the first after
/// it equal to `end` (or to the end); empty when `first` is missing.
inline std::vector<std::string> LinesBetween(const std::vector<std::string>& lines,
                                             const std::string& first, const std::string& end) {
    std::vector<std::string> out;
    bool in = false;
    for (const std::string& line : lines) {
        if (!in && line == first) in = true;
        else if (in && line == end) break;
        if (in) out.push_back(line);
    }
    return out;
}

/// True when some line holds "nan" or "inf" as printf prints a non-finite number: the word
/// standing alone, not part of a longer word such as "Reinforcement".
inline bool HoldsNonFinite(const std::vector<std::string>& lines) {
    auto letter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
    for (const std::string& line : lines) {
        for (const char* word : {"nan", "inf", "NAN", "INF"}) {
            for (std::size_t at = line.find(word); at != std::string::npos;
                 at = line.find(word, at + 1)) {
                const bool before = at > 0 && letter(line[at - 1]);
                const bool after = at + 3 < line.size() && letter(line[at + 3]);
                if (!before && !after) return true;
            }
        }
    }
    return false;
}

}  // namespace kordel::test

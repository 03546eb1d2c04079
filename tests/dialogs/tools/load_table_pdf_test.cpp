// The load-table printout through the real PDF printer: four tables of 13 rows on two pages,
// each under its title block numbered "p. N of 2", the chart and heading on the first, the
// legend after the last table on the second. The PDF is left in the build folder's artefacts/.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "dialogs/tools/load_table_chart.h"
#include "document/kordel_doc.h"
#include "platform/draw/pdf_print.h"
#include "tests/test_support.h"
#include "tests/views/pdf_test_support.h"

namespace kordel {
namespace {

namespace fs = std::filesystem;

/// A word that pdftotext -bbox found, with its box in points from the sheet's top left.
struct Word {
    std::string text;
    double xMin = 0, yMin = 0, xMax = 0, yMax = 0;
};

/// The words of pdftotext -bbox output, in its order.
std::vector<Word> Words(const std::string& bbox) {
    static const std::regex kWord(
        R"re(<word xMin="([-0-9.]+)" yMin="([-0-9.]+)" xMax="([-0-9.]+)" yMax="([-0-9.]+)">([^<]*)</word>)re");
    std::vector<Word> words;
    for (std::sregex_iterator it(bbox.begin(), bbox.end(), kWord), end; it != end; ++it) {
        const std::smatch& m = *it;
        words.push_back({m[5].str(), std::stod(m[1].str()), std::stod(m[2].str()),
                         std::stod(m[3].str()), std::stod(m[4].str())});
    }
    return words;
}

class LoadTablePdfTest : public test::EngineTest {
  protected:
    LoadTablePdfTest() : m_toolkitGuard(toolkit) { host.FixTime({2019, 7, 4, 9, 5, 3}); }
    test::CairoMeasuringToolkit toolkit{host};

  private:
    platform::ui::ScopedToolkit m_toolkitGuard;
};

TEST_F(LoadTablePdfTest, FourTablesPrintOnTwoNumberedPages) {
    auto doc = NewDoc();
    frame.m_nSeedChoice = SeedSimpleSpan;
    ASSERT_TRUE(doc->OnNewDocument());
    doc->m_strProject = "Cedar Creek Bridge";
    LoadTableSet set;
    set.m_nTables = 4;
    for (int t = 1; t <= 4; ++t) {
        LoadTable& table = set.m_aTables[t];
        table.m_dSpacing = 5.0 + 2.5 * t;
        table.m_nGirders = 6 - t;
        table.m_dSlab = 8.0;
        table.m_nRows = 13;
        for (int r = 1; r <= 13; ++r) {
            table.m_adSpan[r] = 86.0 + 4.0 * r;
            table.m_anStrands[r] = 10 + 2 * r + 2 * t;
            table.m_adFci[r] = 4.0 + 0.1 * r;
            table.m_anMode[r] = 1;
        }
    }
    LoadTablePrintout printout(set, *doc);
    platform::ui::PrintInfo info;
    ASSERT_TRUE(printout.OnPreparePrinting(info));
    ASSERT_EQ(info.maxPage, 2);

    const fs::path folder = fs::path(KORDEL_ARTEFACTS_DIR) / "load-tables";
    fs::remove_all(folder);
    fs::create_directories(folder);
    const std::string pdf = (folder / "load_tables.pdf").string();
    {
        platform::draw::PdfPrintSurface surface(pdf);
        EXPECT_EQ(platform::ui::RunPrintLoop(printout, surface, info), 2);
    }
    ASSERT_TRUE(fs::exists(pdf));
    if (!test::HasTool("pdftotext")) GTEST_SKIP() << "poppler-utils is not installed";
    auto page = [&](int p) {
        const std::string n = std::to_string(p);
        return test::Squeezed(
            test::Output("pdftotext -layout -f " + n + " -l " + n + " '" + pdf + "' -"));
    };
    const std::string first = page(1);
    const std::string second = page(2);
    for (const char* expected : {"Kordel p. 1 of 2", "Project : Cedar Creek Bridge",
                                 "Number of Strands", "Span Length (ft)", "Reqd f'ci"})
        EXPECT_NE(first.find(expected), std::string::npos) << expected;
    // The strand-axis title is turned on paper too: its words stand one under the other in one
    // column, between the chart's left edge and the tick labels (the top one "50").
    const std::vector<Word> words =
        Words(test::Output("pdftotext -bbox -f 1 -l 1 '" + pdf + "' -"));
    const Word* top = nullptr;
    for (const Word& word : words)
        if (word.text == "50" && !top) top = &word;
    ASSERT_NE(top, nullptr);
    size_t at = 0;
    while (at + 2 < words.size() && words[at].text != "Number") ++at;
    ASSERT_LT(at + 2, words.size()) << "no \"Number\" on page 1";
    // The chart's frame starts 75 in from the printable area, which starts 25 in from the
    // sheet's edge: 100 hundredths of an inch, 72 points.
    constexpr double kChartLeftPoints = 72.0;
    const char* title[] = {"Number", "of", "Strands"};
    for (size_t i = 0; i < 3; ++i) {
        const Word& word = words[at + i];
        SCOPED_TRACE(title[i]);
        EXPECT_EQ(word.text, title[i]);
        EXPECT_NEAR(word.xMin, words[at].xMin, 0.5) << "in the column of \"Number\"";
        EXPECT_GE(word.xMin, kChartLeftPoints) << "inside the chart's frame";
        EXPECT_LT(word.xMax, top->xMin) << "left of the tick labels";
        if (i > 0) {
            EXPECT_GT(word.yMin, words[at + i - 1].yMax) << "below the word before it";
        }
    }
    const double high = words[at + 2].yMax - words[at].yMin;
    const double wide = words[at].xMax - words[at].xMin;
    EXPECT_GT(high, 5 * wide) << "the title " << wide << " pt wide, " << high << " pt high";
    EXPECT_NE(second.find("Kordel p. 2 of 2"), std::string::npos);
    EXPECT_NE(second.find("Legend: UDLs=slab wt"), std::string::npos);
    EXPECT_EQ(first.find("Legend:"), std::string::npos);
    EXPECT_EQ(second.find("of 1"), std::string::npos);
}

}  // namespace
}  // namespace kordel

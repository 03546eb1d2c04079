// The load-table printout through the real PDF printer: four tables of 13 rows on two pages,
// each under its title block numbered "p. N of 2", the chart and heading on the first, the
// legend after the last table on the second. The PDF is left in the build folder's artefacts/.
#include <gtest/gtest.h>

#include <filesystem>

#include "dialogs/tools/load_table_chart.h"
#include "document/kordel_doc.h"
#include "platform/draw/pdf_print.h"
#include "tests/test_support.h"
#include "tests/views/pdf_test_support.h"

namespace kordel {
namespace {

namespace fs = std::filesystem;

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
    EXPECT_NE(second.find("Kordel p. 2 of 2"), std::string::npos);
    EXPECT_NE(second.find("Legend: UDLs=slab wt"), std::string::npos);
    EXPECT_EQ(first.find("Legend:"), std::string::npos);
    EXPECT_EQ(second.find("of 1"), std::string::npos);
}

}  // namespace
}  // namespace kordel

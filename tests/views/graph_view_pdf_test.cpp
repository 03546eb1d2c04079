// The graph view of example 3 printed through the real PDF printer, measured with cairo as the
// program does: three pages, each under its title block with its own page number. The PDF and
// its pages as PNG pictures (pdftoppm, 100 px/in) are left in the build folder's
// artefacts/graph-view-example3/ for people to look at.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "document/kordel_doc.h"
#include "platform/draw/pdf_print.h"
#include "tests/test_support.h"
#include "tests/views/pdf_test_support.h"
#include "views/graph_view.h"

namespace kordel {
namespace {

namespace fs = std::filesystem;

class GraphViewPdfTest : public test::EngineTest {
  protected:
    GraphViewPdfTest() : m_toolkitGuard(toolkit) { host.FixTime({2019, 7, 4, 9, 5, 3}); }

    test::CairoMeasuringToolkit toolkit{host};

  private:
    platform::ui::ScopedToolkit m_toolkitGuard;
};

TEST_F(GraphViewPdfTest, Example3PrintsThreeGraphPagesUnderTheirTitleBlocks) {
    auto doc = NewDoc();
    frame.m_nSeedChoice = 3;
    ASSERT_TRUE(doc->OnNewDocument());
    doc->m_bCheckHandling = 1;
    doc->RunAnalysis();
    CGraphView view;
    view.SetDocument(doc.get());
    view.OnInitialUpdate();
    platform::ui::PrintInfo info;
    ASSERT_TRUE(view.OnPreparePrinting(info));

    const fs::path folder = fs::path(KORDEL_ARTEFACTS_DIR) / "graph-view-example3";
    fs::remove_all(folder);
    fs::create_directories(folder);
    const std::string pdf = (folder / "graphs.pdf").string();
    {
        platform::draw::PdfPrintSurface surface(pdf, {});
        EXPECT_EQ(platform::ui::RunPrintLoop(view, surface, info), 3);
    }
    ASSERT_TRUE(fs::exists(pdf));
    if (!test::HasTool("pdftoppm") || !test::HasTool("pdftotext")) {
        GTEST_SKIP() << "poppler-utils is not installed";
    }
    const std::string prefix = (folder / "page").string();
    EXPECT_EQ(std::system(("pdftoppm -png -r 100 '" + pdf + "' '" + prefix + "'").c_str()), 0);
    const char* const expected[] = {"Release Stresses", "Final Stresses", "Flexural Strength"};
    for (int p = 1; p <= 3; ++p) {
        const std::string page = std::to_string(p);
        const std::string text = test::Squeezed(test::Output(
            "pdftotext -layout -f " + page + " -l " + page + " '" + pdf + "' -"));
        EXPECT_NE(text.find("Kordel p. " + page + " of 3"), std::string::npos) << p;
        EXPECT_NE(text.find("7/4/19 @ 09:05:03"), std::string::npos) << p;
        EXPECT_NE(text.find(expected[p - 1]), std::string::npos) << p;
        // Nothing of the next page's content spills onto this one.
        if (p < 3) {
            EXPECT_EQ(text.find(expected[p]), std::string::npos) << p;
        }
    }
}

}  // namespace
}  // namespace kordel

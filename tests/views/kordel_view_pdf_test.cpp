// The input summary sheet printed through the real PDF printer, measured with cairo as the
// program does: example 1 on three sheets and the post-tensioned example 4 on four, each sheet in
// its band under its title block; and example 1 on A4 paper, where every sheet fits the page.
// The PDF files and their pages as PNG pictures (pdftoppm, 100 px/in) are left in the build
// folder's artefacts/ for people to look at.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/draw/pdf_print.h"
#include "tests/test_support.h"
#include "tests/views/pdf_test_support.h"
#include "views/kordel_view.h"

namespace kordel {
namespace {

namespace fs = std::filesystem;
using test::HasTool;
using test::Output;
using test::Squeezed;

class KordelViewPdfTest : public test::EngineTest {
  protected:
    KordelViewPdfTest() : m_toolkitGuard(toolkit) { host.FixTime({2019, 7, 4, 9, 5, 3}); }

    /// Prints the sheet of example `example` on `setup` paper into artefacts/NAME/sheet.pdf and
    /// its pages as PNG pictures beside it; returns the PDF's path (empty when poppler's tools
    /// are missing, after the PDF is written).
    std::string PrintSheet(int example, const std::string& name,
                           const platform::ui::PageSetup& setup = {}) {
        m_doc = NewDoc();
        frame.m_nSeedChoice = example;
        EXPECT_TRUE(m_doc->OnNewDocument());
        m_doc->m_strProject = "Cedar Creek Bridge";
        m_doc->m_strJobNumber = "J-2019-117";
        m_view = std::make_unique<CKordelView>();
        m_view->SetDocument(m_doc.get());
        m_view->OnInitialUpdate();
        toolkit.SetPageSetup(setup);
        platform::ui::PrintInfo info;
        EXPECT_TRUE(m_view->OnPreparePrinting(info));
        m_pages = info.maxPage;

        const fs::path folder = fs::path(KORDEL_ARTEFACTS_DIR) / name;
        fs::remove_all(folder);
        fs::create_directories(folder);
        const std::string pdf = (folder / "sheet.pdf").string();
        {
            platform::draw::PdfPrintSurface surface(pdf, setup);
            EXPECT_EQ(platform::ui::RunPrintLoop(*m_view, surface, info), m_pages);
        }
        EXPECT_TRUE(fs::exists(pdf));
        if (!HasTool("pdftoppm") || !HasTool("pdftotext") || !HasTool("pdfinfo")) return {};
        const std::string prefix = (folder / "page").string();
        EXPECT_EQ(std::system(("pdftoppm -png -r 100 '" + pdf + "' '" + prefix + "'").c_str()), 0);
        return pdf;
    }

    test::CairoMeasuringToolkit toolkit{host};
    std::unique_ptr<CKordelDoc> m_doc;
    std::unique_ptr<CKordelView> m_view;
    int m_pages = 0;

  private:
    platform::ui::ScopedToolkit m_toolkitGuard;
};

/// The page count pdfinfo reads from `pdf`; 0 when it cannot.
int PdfPages(const std::string& pdf) {
    const std::string info = Squeezed(Output("pdfinfo '" + pdf + "'"));
    const size_t at = info.find("Pages: ");
    return at == std::string::npos ? 0 : std::atoi(info.c_str() + at + 7);
}

/// The text of page `page` of `pdf`, blanks squeezed.
std::string PageText(const std::string& pdf, int page) {
    const std::string p = std::to_string(page);
    return Squeezed(Output("pdftotext -layout -f " + p + " -l " + p + " '" + pdf + "' -"));
}

TEST_F(KordelViewPdfTest, Example1PrintsThreeSheetsEachUnderItsTitleBlock) {
    const std::string pdf = PrintSheet(1, "kordel-view-example1");
    ASSERT_EQ(m_pages, 3);
    if (pdf.empty()) GTEST_SKIP() << "poppler-utils is not installed";
    EXPECT_EQ(PdfPages(pdf), 3);
    for (int p = 1; p <= 3; ++p) {
        const std::string text = PageText(pdf, p);
        for (const std::string& expected :
             {std::string("Project : Cedar Creek Bridge"), std::string("Job. No. : J-2019-117"),
              std::string("Sht _____ of _____"), std::string("7/4/19 @ 09:05:03"),
              "Kordel p. " + std::to_string(p) + " of 3",
              std::string("Kordel - Prestressed concrete bridge beam design, version 4.62")}) {
            EXPECT_NE(text.find(expected), std::string::npos) << "page " << p << ": " << expected;
        }
    }
    // Page 1 holds the sheet's first page and nothing of the second.
    const std::string first = PageText(pdf, 1);
    for (const char* expected :
         {"Specification:", "Bridge Geometry:", "Framing Plan", "Bridge Cross Section",
          "Girder Cross Section", "Gross Properties", "Pedestrian Load"}) {
        EXPECT_NE(first.find(expected), std::string::npos) << expected;
    }
    EXPECT_EQ(PageText(pdf, 2).find("Framing Plan"), std::string::npos);
}

TEST_F(KordelViewPdfTest, PostTensionedExample4PrintsFourSheets) {
    const std::string pdf = PrintSheet(4, "kordel-view-example4");
    ASSERT_EQ(m_pages, 4);
    if (pdf.empty()) GTEST_SKIP() << "poppler-utils is not installed";
    EXPECT_EQ(PdfPages(pdf), 4);
    EXPECT_NE(PageText(pdf, 4).find("Kordel p. 4 of 4"), std::string::npos);
}

TEST_F(KordelViewPdfTest, OnA4EverySheetFitsThePage) {
    platform::ui::PageSetup a4;
    a4.paper = platform::ui::PaperSize::A4;
    const std::string pdf = PrintSheet(1, "kordel-view-example1-a4", a4);
    if (pdf.empty()) GTEST_SKIP() << "poppler-utils is not installed";
    EXPECT_NE(Output("pdfinfo '" + pdf + "'").find("(A4)"), std::string::npos);
    // Every word of every sheet lies on the page, inside its quarter-inch strips (in points).
    const std::string boxes = Output("pdftotext -bbox '" + pdf + "' -");
    ASSERT_FALSE(boxes.empty());
    const double width = 595.28;
    const double height = 841.89;
    const double strip = 18.0;
    int words = 0;
    for (size_t at = boxes.find("<word "); at != std::string::npos;
         at = boxes.find("<word ", at + 1)) {
        double xMin = 0, yMin = 0, xMax = 0, yMax = 0;
        ASSERT_EQ(std::sscanf(boxes.c_str() + at,
                              "<word xMin=\"%lf\" yMin=\"%lf\" xMax=\"%lf\" yMax=\"%lf\"", &xMin,
                              &yMin, &xMax, &yMax),
                  4);
        ++words;
        EXPECT_GE(xMin, strip - 0.5);
        EXPECT_GE(yMin, strip - 0.5);
        EXPECT_LE(xMax, width - strip + 0.5) << boxes.substr(at, 120);
        EXPECT_LE(yMax, height - strip + 0.5) << boxes.substr(at, 120);
    }
    EXPECT_GT(words, 200);
    // The program line under the frame of the last sheet is there whole.
    EXPECT_NE(PageText(pdf, 3).find("version 4.62"), std::string::npos);
}

}  // namespace
}  // namespace kordel

// The long form of example 1 printed through the real PDF printer, measured with cairo as the
// program does. The PDF and its pages as PNG pictures (pdftoppm, 72 px/in) are left in the build
// folder's artefacts/ for people to look at; poppler's tools read the text and fonts back.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/draw/pdf_print.h"
#include "tests/test_support.h"
#include "tests/views/pdf_test_support.h"
#include "views/text_view.h"

namespace kordel {
namespace {

namespace fs = std::filesystem;
using test::HasTool;
using test::InkShare;
using test::Output;
using test::Squeezed;

class TextViewPdfTest : public test::EngineTest {
  protected:
    TextViewPdfTest() : m_toolkitGuard(toolkit) {}
    test::CairoMeasuringToolkit toolkit{host};

  private:
    platform::ui::ScopedToolkit m_toolkitGuard;
};

TEST_F(TextViewPdfTest, LongFormOfExample1PrintsHeaderAndReportInAFixedPitchFont) {
    auto doc = NewDoc();
    frame.m_nSeedChoice = 1;
    ASSERT_TRUE(doc->OnNewDocument());
    ASSERT_EQ(doc->m_nReportForm, kReportLongForm);

    CTextView view;
    view.SetDocument(doc.get());
    view.OnInitialUpdate();
    platform::ui::PrintInfo info;
    ASSERT_TRUE(view.OnPreparePrinting(info));
    const int pages = info.maxPage;
    ASSERT_GT(pages, 1) << "the long form has page breaks";

    const fs::path folder = fs::path(KORDEL_ARTEFACTS_DIR) / "text-view-example1";
    fs::remove_all(folder);
    fs::create_directories(folder);
    const std::string pdf = (folder / "long-form.pdf").string();
    {
        platform::draw::PdfPrintSurface surface(pdf);
        ASSERT_EQ(platform::ui::RunPrintLoop(view, surface, info), pages);
    }
    ASSERT_TRUE(fs::exists(pdf));

    if (!HasTool("pdftoppm") || !HasTool("pdftotext") || !HasTool("pdffonts")) {
        GTEST_SKIP() << "poppler-utils (pdftoppm, pdftotext, pdffonts) is not installed; the PDF "
                        "is in "
                     << pdf;
    }

    // Every page as a PNG picture, none of them blank.
    const std::string prefix = (folder / "page").string();
    ASSERT_EQ(std::system(("pdftoppm -png -r 72 '" + pdf + "' '" + prefix + "'").c_str()), 0);
    int pictures = 0;
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (entry.path().extension() == ".png") {
            ++pictures;
            EXPECT_GT(fs::file_size(entry.path()), 1000u) << entry.path();
        }
    }
    EXPECT_EQ(pictures, pages);
    // The first page in grey: text covers a few percent of a Letter page at 72 px/in (a blank
    // page has none, a black one all).
    const std::string grey = (folder / "first-page-grey").string();
    ASSERT_EQ(
        std::system(
            ("pdftoppm -gray -r 72 -f 1 -l 1 -singlefile '" + pdf + "' '" + grey + "'").c_str()),
        0);
    const double ink = InkShare(grey + ".pgm");
    EXPECT_GT(ink, 0.005);
    EXPECT_LT(ink, 0.5);

    // The text: each page's header carries its page label, and a report line is there.
    const std::string text = Squeezed(Output("pdftotext -layout '" + pdf + "' -"));
    ASSERT_FALSE(text.empty());
    for (int p : {1, pages}) {
        const std::string label = "Kordel p. " + std::to_string(p) + " of " + std::to_string(pages);
        EXPECT_NE(text.find(label), std::string::npos) << label;
    }
    EXPECT_NE(text.find(Squeezed(doc->m_saReportHeader.front())), std::string::npos)
        << doc->m_saReportHeader.front();
    // Every report line is on paper: none is cut off at the foot of a long page (blanks at
    // either end do not survive extraction).
    int missing = 0;
    for (const std::string& line : doc->m_saReport) {
        std::string known = Squeezed(line);
        while (!known.empty() && known.back() == ' ') known.pop_back();
        if (!known.empty() && known.front() == ' ') known.erase(0, 1);
        if (known.empty() || line == kPageBreak) continue;
        if (text.find(known) == std::string::npos && ++missing <= 5) ADD_FAILURE() << known;
    }
    EXPECT_EQ(missing, 0) << "report lines missing from the PDF";

    // One font, the fixed-pitch Liberation Mono, embedded.
    const std::string fonts = Output("pdffonts '" + pdf + "'");
    EXPECT_NE(fonts.find("LiberationMono"), std::string::npos) << fonts;
    EXPECT_EQ(fonts.find("LiberationSans"), std::string::npos) << fonts;
}

}  // namespace
}  // namespace kordel

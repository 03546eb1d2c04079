// Text layout metrics on the headless toolkit: the screen is a recording at 96 pixels per inch
// and the default printer a recording of a page the test sets. A recording's font of em size E
// pixels has ascent 0.8 E, descent 0.2 E, no external leading and every character 0.6 E wide,
// so the expected numbers are worked out by hand below. LoEnglish units are 0.01 inch.
#include "views/text_metrics.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ui/headless_toolkit.h"
#include "tests/test_support.h"
#include "views/line_array_view.h"

namespace kordel {
namespace {

using platform::ui::Font;
using platform::ui::PageGeometry;
using platform::ui::Point;
using platform::ui::Rect;
using platform::ui::Size;

class TextMetricsTest : public test::EngineTest {
  protected:
    TextMetricsTest() : m_toolkitGuard(toolkit) {
        CMetrics::SetMapMode(platform::ui::MapMode::LoEnglish);
        doc = NewDoc();
    }

    /// A printer of `dpi` on an 8.5 x 11 inch sheet whose left strip is `leftInches` wide and
    /// whose other strips are a quarter inch.
    static PageGeometry Printer(double dpi, double leftInches) {
        auto px = [dpi](double inches) { return static_cast<int>(inches * dpi + 0.5); };
        PageGeometry g;
        g.dpi = dpi;
        g.physicalPage = {px(8.5), px(11.0)};
        g.printingOffset = {px(leftInches), px(0.25)};
        g.printableSize = {px(8.5 - leftInches - 0.25), px(11.0 - 0.5)};
        return g;
    }

    static Font Fixed(int height) {
        Font f;
        f.face = "Lucida Console";
        f.height = height;
        return f;
    }

    platform::ui::HeadlessToolkit toolkit{host};
    std::unique_ptr<CKordelDoc> doc;

  private:
    platform::ui::ScopedToolkit m_toolkitGuard;
};

TEST(TextViewFonts, SizesFollowTheTextReportFontSetting) {
    // Heights are -MulDiv(points, 100, 72), rounded to nearest:
    // 10 pt: 13.89 -> 14; 12 pt: 16.67 -> 17; 14 pt: 19.44 -> 19; 8 pt: 11.11 -> 11.
    struct Case {
        int setting;
        int points;
        int height;
    };
    for (const Case& c : {Case{0, 10, -14}, Case{1, 12, -17}, Case{2, 14, -19}, Case{7, 14, -19},
                          Case{-1, 14, -19}}) {
        EXPECT_EQ(CLineArrayView::TextReportPoints(c.setting), c.points) << "setting " << c.setting;
        EXPECT_EQ(CLineArrayView::FontHeight(c.points), c.height) << c.points << " points";
    }
    EXPECT_EQ(CLineArrayView::FontHeight(CLineArrayView::kHeaderPoints), -11);
}

TEST_F(TextMetricsTest, MeasuresLinesOnTheScreenAndOnThePrinter) {
    const std::vector<std::string> lines = {"abc", "", "abcdefghij", "\tx"};
    CViewMetrics metrics(*doc, &lines);
    const Font font = Fixed(-14);
    metrics.SetFont(&font);

    // Screen, 96 px/in: em = 14 x 0.96 = 13.44 px; line = 13.44 px = 14 units; average width
    // 0.6 x 13.44 = 8.06 px = 8.4 -> 8 units. Widest line "abcdefghij": 10 x 8.064 = 80.6 ->
    // 81 px -> 81 / 0.96 = 84.4 -> 84 units (a tab counts as one character, so "\tx" is 2).
    EXPECT_EQ(metrics.GetCharSize(false), (Size{8, 14}));
    EXPECT_EQ(metrics.GetExtent(), (Size{84, 14}));
    EXPECT_EQ(metrics.LogPixelsY(), 96);
    EXPECT_EQ(metrics.ExternalLeading(), 0);
    // Printer, Letter at 100 px/in: em = 14 px; line 14 units, average width 8.4 -> 8 units.
    EXPECT_EQ(metrics.GetCharSize(true), (Size{8, 14}));

    // A new font is measured anew: 8 points (-11) on the printer, 11 units a line.
    const Font header = Fixed(-11);
    metrics.SetFont(&header);
    EXPECT_FALSE(metrics.IsValid());
    EXPECT_EQ(metrics.GetCharSize(true).cy, 11);
}

TEST_F(TextMetricsTest, AnEmptyArrayHasNoWidthButALineHeight) {
    const std::vector<std::string> none;
    CViewMetrics metrics(*doc, &none);
    const Font font = Fixed(-14);
    metrics.SetFont(&font);
    EXPECT_EQ(metrics.GetExtent(), (Size{0, 14}));
}

TEST_F(TextMetricsTest, ReportLinesAreMeasuredUnlessTheViewNamesAnArray) {
    doc->m_saReport = {"12345"};
    doc->m_saGirderSummary = {"1234567890"};
    CViewMetrics report(*doc);
    CViewMetrics summary(*doc, &doc->m_saGirderSummary);
    const Font font = Fixed(-14);
    report.SetFont(&font);
    summary.SetFont(&font);
    // 5 x 8.064 = 40.3 -> 40 px -> 41.7 -> 42 units; 10 characters -> 84 units (above).
    EXPECT_EQ(report.GetExtent().cx, 42);
    EXPECT_EQ(summary.GetExtent().cx, 84);
}

TEST_F(TextMetricsTest, PrintableRectangleAllowsForTheUnprintableStrips) {
    // Letter with quarter-inch strips: effective margins 65 - 25 = 40 at the left and
    // 40 - 25 = 15 on the other sides; the printable area is 800 x 1050 units, so the text
    // rectangle runs from (40, -15) to (800 - 15, -1050 + 15). The device resolution must not
    // matter: 100 and 600 px/in give the same logical rectangle.
    for (double dpi : {100.0, 600.0}) {
        toolkit.SetDefaultPrinter(Printer(dpi, 0.25));
        CMargins margins;
        EXPECT_EQ(margins.GetPrintableRect(), (Rect{40, -15, 785, -1035})) << dpi << " px/in";
        EXPECT_EQ(margins.GetMarginsLessOffsets(), (Rect{40, 15, 15, 15})) << dpi << " px/in";
        EXPECT_EQ(margins.GetMargins(), (Rect{65, 40, 40, 40}));
        EXPECT_EQ(margins.GetPhysicalPageSize(),
                  (Size{static_cast<int>(8.5 * dpi), static_cast<int>(11 * dpi)}));
    }
}

TEST_F(TextMetricsTest, AStripWiderThanTheMarginGivesANegativeLeftEdge) {
    // Left strip 0.80 inch: effective left margin 65 - 80 = -15. Printable width
    // 8.5 - 0.80 - 0.25 = 7.45 in = 745 units; right edge 745 - 15 = 730.
    toolkit.SetDefaultPrinter(Printer(100.0, 0.80));
    CMargins margins;
    EXPECT_EQ(margins.GetPrintableRect(), (Rect{-15, -15, 730, -1035}));
}

TEST_F(TextMetricsTest, LinesPerPageAndPageCounts) {
    // Letter at 100 px/in: sheet 1100 px less the requested 40 + 40 = 1020 px usable. A font of
    // height -34 has a 34 px line: 1020 / 34 = 30 lines a page.
    CMargins margins;
    CViewMetrics view(*doc);
    const Font font = Fixed(-34);
    view.SetFont(&font);
    CPageMetrics pages(*doc, margins, view);
    EXPECT_FALSE(pages.IsPageBreak(29)) << "not calculated yet";

    struct Case {
        int lines;
        int pages;  // lines / 30, plus one for a remainder
    };
    for (const Case& c : {Case{100, 4}, Case{90, 3}, Case{1, 1}, Case{0, 0}}) {
        doc->m_saReport.assign(static_cast<size_t>(c.lines), "x");
        pages.Invalidate();
        EXPECT_EQ(pages.GetPageCount(), c.pages) << c.lines << " lines";
        EXPECT_EQ(pages.GetLinesPerPage(), 30);
    }
    EXPECT_TRUE(pages.IsPageBreak(29));
    EXPECT_FALSE(pages.IsPageBreak(30));
    EXPECT_TRUE(pages.IsPageBreak(59));

    // The 8-point font: line 11 px, 1020 / 11 = 92.7 -> 92 lines a page.
    const Font small = Fixed(-11);
    view.SetFont(&small);
    pages.Invalidate();
    EXPECT_EQ(pages.GetLinesPerPage(), 92);
}

TEST_F(TextMetricsTest, ALineTallerThanThePageTakesAPageOfItsOwn) {
    // A 20-inch font on an 11-inch sheet: no line fits the 1020 px, so one line a page.
    CMargins margins;
    CViewMetrics view(*doc);
    const Font huge = Fixed(-2000);
    view.SetFont(&huge);
    CPageMetrics pages(*doc, margins, view);
    doc->m_saReport = {"a", "b", "c"};
    EXPECT_EQ(pages.GetLinesPerPage(), 1);
    EXPECT_EQ(pages.GetPageCount(), 3);
}

TEST_F(TextMetricsTest, WithoutAPrinterTheScreenMeasures) {
    // No default printer: the "printer" values are the screen's (96 px/in, em 13.44 px), and
    // the screen has no unprintable strip, so the text rectangle keeps the full margins.
    toolkit.SetDefaultPrinter(std::nullopt);
    CViewMetrics view(*doc);
    const Font font = Fixed(-14);
    view.SetFont(&font);
    EXPECT_EQ(view.GetCharSize(true), view.GetCharSize(false));
    CMargins margins;
    EXPECT_EQ(margins.GetPrintableRect().left, 65);
    EXPECT_EQ(margins.GetPrintableRect().top, -40);
}

}  // namespace
}  // namespace kordel

// The printing pieces of the UI layer on the headless backend: the papers of Print Setup and
// their pages, the page setup kept in the settings store, the print preview's paging, and print
// jobs through the system print dialog or on the default printer.
#include "platform/ui/print.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "platform/ui/headless_toolkit.h"
#include "platform/ui/print_preview.h"
#include "platform/ui/print_setup.h"
#include "platform/ui/settings_store.h"
#include "tests/platform/platform_test_support.h"

namespace platform::ui {
namespace {

/// Pages that write their number, five unless told otherwise.
class NumberedPages : public Printable {
  public:
    explicit NumberedPages(int pages = 5) : m_pages(pages) {}
    bool OnPreparePrinting(PrintInfo& info) override {
        info.SetMaxPage(m_pages);
        info.previewPages = previewPages;
        return true;
    }
    void OnBeginPrinting(DC&, PrintInfo&) override { ++begun; }
    void OnPrint(DC& dc, PrintInfo& info) override {
        dc.SetMapMode(MapMode::LoEnglish);
        dc.TextOut({100, -100}, "page " + std::to_string(info.curPage) + " of " +
                                    std::to_string(info.maxPage) +
                                    (info.preview ? " (preview)" : ""));
    }
    void OnEndPrinting(DC&, PrintInfo&) override { ++ended; }
    int previewPages = 1;
    int begun = 0;
    int ended = 0;

  private:
    int m_pages;
};

class PrintTest : public ::testing::Test {
  protected:
    PrintTest() : toolkitGuard(toolkit) {}
    HeadlessHost host;
    HeadlessToolkit toolkit{host};
    ScopedToolkit toolkitGuard;
};

TEST(PageSetup, EachPaperGivesItsSheetWithQuarterInchStrips) {
    struct Case {
        PaperSize paper;
        PageOrientation orientation;
        Size sheet;      // at 100 px/in
        Size printable;  // the sheet less two quarter-inch strips each way
    };
    const Case cases[] = {
        {PaperSize::Letter, PageOrientation::Portrait, {850, 1100}, {800, 1050}},
        {PaperSize::Letter, PageOrientation::Landscape, {1100, 850}, {1050, 800}},
        // A4 is 210 x 297 mm: 8.27 x 11.69 inches.
        {PaperSize::A4, PageOrientation::Portrait, {827, 1169}, {777, 1119}},
        {PaperSize::Legal, PageOrientation::Portrait, {850, 1400}, {800, 1350}},
    };
    for (const Case& c : cases) {
        const PageGeometry g = PageGeometry::ForPaper({c.paper, c.orientation}, 100.0);
        EXPECT_EQ(g.physicalPage, c.sheet) << PageSetup::PaperName(c.paper);
        EXPECT_EQ(g.printableSize, c.printable) << PageSetup::PaperName(c.paper);
        EXPECT_EQ(g.printingOffset, (Point{25, 25}));
    }
    EXPECT_EQ(PageSetup::PaperFromName("A4"), PaperSize::A4);
    EXPECT_EQ(PageSetup::PaperFromName("Legal"), PaperSize::Legal);
    EXPECT_EQ(PageSetup::PaperFromName("Tabloid"), PaperSize::Letter);
}

TEST(PageSetup, IsKeptInTheSettingsStore) {
    platform_test::TempFolder folder;
    SettingsStore store(folder / "Kordel.ini");
    EXPECT_EQ(LoadPageSetup(store), PageSetup{}) << "nothing kept: Letter, portrait";
    const PageSetup legal{PaperSize::Legal, PageOrientation::Landscape};
    ASSERT_TRUE(SavePageSetup(store, legal));
    EXPECT_EQ(LoadPageSetup(store), legal);
    EXPECT_EQ(store.GetString(kPageSetupSection, kPageSetupPaperKey), "Legal");
    // A value the program does not know is Letter, portrait.
    store.WriteString(kPageSetupSection, kPageSetupPaperKey, "B5");
    store.WriteString(kPageSetupSection, kPageSetupOrientationKey, "sideways");
    EXPECT_EQ(LoadPageSetup(store), PageSetup{});
}

TEST_F(PrintTest, ThePreviewPagesOneOrTwoPagesAtATime) {
    NumberedPages pages(5);
    PrintInfo info;
    ASSERT_TRUE(pages.OnPreparePrinting(info));
    PrintPreview preview(pages, info, PageGeometry::Letter(100.0));
    EXPECT_EQ(preview.PageCount(), 5);
    EXPECT_EQ(preview.FirstPage(), 1);
    EXPECT_EQ(preview.PagesShown(), 1);
    EXPECT_FALSE(preview.CanGoPrevious());
    EXPECT_EQ(preview.StatusText(), "Page 1 of 5");
    for (int i = 0; i < 6; ++i) preview.NextPage();
    EXPECT_EQ(preview.FirstPage(), 5) << "stops at the last page";
    EXPECT_FALSE(preview.CanGoNext());
    // Two pages side by side: the last page shows alone; from page 3 pages 3 and 4 show.
    preview.SetTwoPageLayout(true);
    EXPECT_EQ(preview.PagesShown(), 1);
    preview.PreviousPage();
    preview.PreviousPage();
    EXPECT_EQ(preview.PagesShown(), 2);
    EXPECT_EQ(preview.StatusText(), "Pages 3-4 of 5");
    preview.NextPage();
    EXPECT_EQ(preview.StatusText(), "Pages 4-5 of 5");
    EXPECT_FALSE(preview.CanGoNext());
    // Three sizes: fit, true size, double.
    EXPECT_EQ(preview.ZoomLevel(), PrintPreview::kZoomFit);
    EXPECT_FALSE(preview.CanZoomOut());
    preview.ZoomIn();
    preview.ZoomIn();
    preview.ZoomIn();
    EXPECT_EQ(preview.ZoomLevel(), PrintPreview::kZoomDouble);
    preview.ZoomOut();
    EXPECT_EQ(preview.ZoomLevel(), PrintPreview::kZoomTrueSize);

    // A printable that asks for two pages side by side starts so.
    pages.previewPages = 2;
    ASSERT_TRUE(pages.OnPreparePrinting(info));
    EXPECT_TRUE(PrintPreview(pages, info, PageGeometry::Letter(100.0)).TwoPageLayout());
}

TEST_F(PrintTest, ThePreviewDrawsAPageAsTheJobPrintsIt) {
    NumberedPages pages(3);
    PrintInfo info;
    ASSERT_TRUE(pages.OnPreparePrinting(info));
    std::vector<std::string> shown;
    toolkit.QueuePreview([&](PreviewDriver& d) {
        d.Preview().NextPage();
        for (auto& dc : d.Paint()) {
            EXPECT_TRUE(dc->IsPrinting());
            EXPECT_EQ(dc->PhysicalPageSize(), (Size{850, 1100}));
            shown = dc->Texts();
        }
    });
    EXPECT_EQ(toolkit.RunPrintPreview(pages, info), PrintPreview::Result::Closed);
    EXPECT_EQ(shown, std::vector<std::string>{"page 2 of 3 (preview)"});
    EXPECT_EQ(pages.begun, pages.ended) << "every page drawn between begin and end";
}

TEST_F(PrintTest, TheDefaultPrinterPrintsAtOnceOrSaysThereIsNone) {
    NumberedPages pages(3);
    PrintJob job;
    job.prompt = false;
    PrintInfo info;
    ASSERT_TRUE(pages.OnPreparePrinting(info));
    PrintOutcome outcome = toolkit.Print(pages, info, job);
    EXPECT_EQ(outcome.status, PrintOutcome::Status::Printed);
    EXPECT_EQ(outcome.pages, 3);

    toolkit.SetDefaultPrinter(std::nullopt);
    ASSERT_TRUE(pages.OnPreparePrinting(info));
    outcome = toolkit.Print(pages, info, job);
    EXPECT_EQ(outcome.status, PrintOutcome::Status::Failed);
    EXPECT_EQ(outcome.message, kNoDefaultPrinter);
    EXPECT_EQ(toolkit.PrintJobs().size(), 1u) << "nothing printed";

    // The dialog still prints, to a PDF file.
    job.prompt = true;
    job.fileName = "/tmp/sheet.pdf";
    ASSERT_TRUE(pages.OnPreparePrinting(info));
    outcome = toolkit.Print(pages, info, job);
    EXPECT_EQ(outcome.status, PrintOutcome::Status::Printed);
    EXPECT_EQ(toolkit.PrintJobs().back()->Path(), "/tmp/sheet.pdf");
    EXPECT_EQ(toolkit.PrintJobs().back()->Page(2).Texts(), std::vector<std::string>{"page 3 of 3"});
}

TEST_F(PrintTest, AFailedSurfaceFailsTheJobWithAMessage) {
    NumberedPages pages(2);
    PrintInfo info;
    ASSERT_TRUE(pages.OnPreparePrinting(info));
    RecordingPrintSurface surface("out.pdf");
    surface.FailOnFinish();
    const PrintOutcome outcome = PrintToSurface(pages, info, &surface, "out.pdf");
    EXPECT_EQ(outcome.status, PrintOutcome::Status::Failed);
    EXPECT_EQ(outcome.message, "Failed to print to out.pdf.");
    EXPECT_EQ(PrintToSurface(pages, info, nullptr, "x.pdf").message, "Failed to print to x.pdf.");
}

TEST(DeviceContextZoom, ShrinksLoEnglishDrawingAndItsFonts) {
    RecordingDC dc(100.0, true, {800, 1050});
    dc.SetMapMode(MapMode::LoEnglish);
    EXPECT_EQ(dc.LPtoDP(Point{200, -400}), (Point{200, 400}));
    EXPECT_EQ(dc.SetZoom(0.5), 1.0);
    EXPECT_EQ(dc.LPtoDP(Point{200, -400}), (Point{100, 200}));
    EXPECT_EQ(dc.DPtoLP(Point{100, 200}), (Point{200, -400}));
    dc.SelectFont({"Arial", -20});
    dc.TextOut({0, 0}, "x");
    EXPECT_DOUBLE_EQ(dc.Ops().back().fontSize, 10.0);
    const int saved = dc.SaveDC();
    dc.SetZoom(2.0);
    dc.RestoreDC(saved);
    EXPECT_EQ(dc.GetZoom(), 0.5);
    // Text mode is never zoomed.
    dc.SetMapMode(MapMode::Text);
    EXPECT_EQ(dc.LPtoDP(Point{200, 400}), (Point{200, 400}));
}

TEST(DeviceContextZoom, CoordinatesTruncateTowardZeroAndStayInRange) {
    EXPECT_EQ(ToLogical(-0.7), 0);
    EXPECT_EQ(ToLogical(0.7), 0);
    EXPECT_EQ(ToLogical(-12.7), -12);
    EXPECT_EQ(ToLogical(1e300), kMaxLogical);
    EXPECT_EQ(ToLogical(-1e300), -kMaxLogical);
    EXPECT_EQ(ToLogical(std::numeric_limits<double>::quiet_NaN()), 0);
}

}  // namespace
}  // namespace platform::ui

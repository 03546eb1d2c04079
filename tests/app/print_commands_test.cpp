// Printing in the desktop program on the headless backend: the main view drawing the sheet when
// a design opens and paging through it, File/Print Results through the system print dialog,
// Print Preview showing the pages that print, Print Setup, and `kordel --print FILE`. The
// headless default printer is Letter at 100 px/in; print jobs and previews are recorded.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/child_frame.h"
#include "platform/ui/print_setup.h"
#include "tests/app/desktop_test_support.h"
#include "tests/views/sheet_test_support.h"
#include "views/kordel_view.h"
#include "views/text_view.h"

namespace kordel {
namespace {

using platform::ui::HeadlessView;
using platform::ui::PreviewDriver;
using platform::ui::PrintDialogChoice;
using platform::ui::PrintOutcome;
using platform::ui::RecordingDC;

class PrintCommandsTest : public test::DesktopTest {
  protected:
    platform::ui::View* ActiveView() {
        CChildFrame* frame = app->ActiveFrame();
        return frame ? frame->GetActiveView() : nullptr;
    }
    /// The pages of the last print job, each as its primitives.
    std::vector<std::vector<std::string>> LastJobPages() {
        std::vector<std::vector<std::string>> pages;
        const auto& jobs = toolkit.PrintJobs();
        if (jobs.empty()) return pages;
        for (int p = 0; p < jobs.back()->PageCount(); ++p)
            pages.push_back(test::Describe(jobs.back()->Page(p)));
        return pages;
    }
    /// Every page of the active view as Print Preview shows it, one after the other.
    std::vector<std::vector<std::string>> PreviewPages() {
        std::vector<std::vector<std::string>> pages;
        toolkit.QueuePreview([&](PreviewDriver& d) {
            for (;;) {
                for (auto& dc : d.Paint()) pages.push_back(test::Describe(*dc));
                if (!d.Preview().CanGoNext()) break;
                d.Preview().NextPage();
            }
        });
        EXPECT_TRUE(Choose(ID_FILE_PRINT_PREVIEW));
        return pages;
    }
};

TEST_F(PrintCommandsTest, TheMainViewShowsTheSheetWhenADesignOpens) {
    ASSERT_TRUE(Start());
    NewDesign();
    auto* view = dynamic_cast<CKordelView*>(ActiveView());
    ASSERT_NE(view, nullptr);
    auto& peer = static_cast<HeadlessView&>(*view->Peer());
    const std::vector<std::string> texts = peer.PaintNow()->Texts();
    for (const char* expected : {"Specification: LRFD 6th", "Framing Plan", "Bridge Cross Section",
                                 "Girder Cross Section", "Gross Properties"}) {
        EXPECT_NE(std::find(texts.begin(), texts.end(), expected), texts.end()) << expected;
    }
    // Its first drawing gives the window the sheet's extent: 995 x 3075 units at 96 px/in.
    EXPECT_EQ(peer.ScrollTotal(), (platform::ui::Size{955, 2952}));
}

TEST_F(PrintCommandsTest, PageDownAndPageUpScrollTheSheetByAPage) {
    ASSERT_TRUE(Start());
    NewDesign();
    auto* view = dynamic_cast<CKordelView*>(ActiveView());
    ASSERT_NE(view, nullptr);
    auto& peer = static_cast<HeadlessView&>(*view->Peer());
    peer.PaintNow();
    const int page = view->PageDeviceSize().cy;
    ASSERT_GT(page, 0);
    EXPECT_TRUE(Frame().PressKey(platform::ui::kKeyPageDown));
    EXPECT_EQ(peer.ScrollPosition().y, page);
    EXPECT_TRUE(Frame().PressKey(platform::ui::kKeyPageDown));
    EXPECT_EQ(peer.ScrollPosition().y, 2 * page);
    EXPECT_TRUE(Frame().PressKey(platform::ui::kKeyPageUp));
    EXPECT_EQ(peer.ScrollPosition().y, page);
    // What the window then shows: the drawing moved up by the scroll position.
    const auto ops = peer.PaintNow()->OpsOf(RecordingDC::OpKind::Text);
    ASSERT_FALSE(ops.empty());
    EXPECT_LT(ops.front().points[0].y, 0.0) << "the column's first line is above the window";
}

TEST_F(PrintCommandsTest, PrintResultsGoesThroughThePrintDialog) {
    ASSERT_TRUE(Start());
    NewDesign();
    ASSERT_TRUE(Query(ID_FILE_PRINT).enabled);
    ASSERT_TRUE(Choose(ID_FILE_PRINT));
    ASSERT_EQ(toolkit.PrintRequests().size(), 1u);
    const auto& all = toolkit.PrintRequests().back();
    EXPECT_TRUE(all.job.prompt);
    EXPECT_EQ(all.job.title, "Untitled");
    EXPECT_EQ(all.choice.maxPage, 3);
    EXPECT_EQ(all.outcome.status, PrintOutcome::Status::Printed);
    EXPECT_EQ(toolkit.PrintJobs().back()->PageCount(), 3);

    // Pages 2 to 3 only: they keep their labels of the whole printout.
    toolkit.QueuePrintDialog([](PrintDialogChoice& c) {
        c.fromPage = 2;
        c.toPage = 3;
    });
    ASSERT_TRUE(Choose(ID_FILE_PRINT));
    ASSERT_EQ(toolkit.PrintJobs().back()->PageCount(), 2);
    const auto label = [&](int page) {
        const auto texts = toolkit.PrintJobs().back()->Page(page).Texts();
        return std::find(texts.begin(), texts.end(),
                         "Kordel p. " + std::to_string(page + 2) + " of 3") != texts.end();
    };
    EXPECT_TRUE(label(0));
    EXPECT_TRUE(label(1));

    // Cancelled: no pages, no message.
    const size_t jobs = toolkit.PrintJobs().size();
    toolkit.QueuePrintDialog([](PrintDialogChoice& c) { c.cancel = true; });
    ASSERT_TRUE(Choose(ID_FILE_PRINT));
    EXPECT_EQ(toolkit.PrintJobs().size(), jobs);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(PrintCommandsTest, WithNoPrinterTheDialogPrintsToAPdfBesideTheDesign) {
    ASSERT_TRUE(Start());
    const std::string path = SavedDesign("bridge.kdx");
    toolkit.SetDefaultPrinter(std::nullopt);
    ASSERT_TRUE(Choose(ID_FILE_PRINT));
    const auto& request = toolkit.PrintRequests().back();
    EXPECT_TRUE(request.choice.printToFile);
    EXPECT_EQ(request.choice.fileName, temp / "bridge.pdf");
    EXPECT_EQ(toolkit.PrintJobs().back()->Path(), temp / "bridge.pdf");
    EXPECT_EQ(toolkit.PrintJobs().back()->PageCount(), 3);
    (void)path;
}

TEST_F(PrintCommandsTest, PrintPreviewShowsThePagesThatPrint) {
    ASSERT_TRUE(Start());
    NewDesign();
    // File/Print Preview sits next to Print Results and is offered for a view that prints.
    const platform::ui::Menu& menu = Frame().GetMenu();
    const auto& file = menu.PopupAt(0)->items;
    const auto at = std::find_if(file.begin(), file.end(), [](const platform::ui::MenuItem& i) {
        return i.id == ID_FILE_PRINT;
    });
    ASSERT_NE(at, file.end());
    ASSERT_NE(at + 1, file.end());
    EXPECT_EQ((at + 1)->id, ID_FILE_PRINT_PREVIEW);
    EXPECT_EQ((at + 1)->text, "Print Pre&view");
    EXPECT_TRUE(Query(ID_FILE_PRINT_PREVIEW).enabled);

    // The main view: three sheets in the preview, the very pages a print job records.
    const auto previewed = PreviewPages();
    ASSERT_TRUE(Choose(ID_FILE_PRINT));
    const auto printed = LastJobPages();
    ASSERT_EQ(printed.size(), 3u);
    EXPECT_EQ(previewed, printed);

    // The long-form text view likewise.
    ASSERT_TRUE(Choose(ID_RESULTS_TEXT_LONG));
    ASSERT_NE(dynamic_cast<CTextView*>(ActiveView()), nullptr);
    EXPECT_TRUE(Query(ID_FILE_PRINT_PREVIEW).enabled);
    const auto previewedText = PreviewPages();
    ASSERT_TRUE(Choose(ID_FILE_PRINT));
    const auto printedText = LastJobPages();
    ASSERT_GT(printedText.size(), 1u);
    EXPECT_EQ(previewedText, printedText);
    EXPECT_EQ(toolkit.PreviewsShown(), 2);
}

TEST_F(PrintCommandsTest, ThePreviewsPrintButtonPrintsThroughTheDialog) {
    ASSERT_TRUE(Start());
    NewDesign();
    toolkit.QueuePreview([](PreviewDriver& d) {
        d.Preview().NextPage();
        d.Print();
    });
    ASSERT_TRUE(Choose(ID_FILE_PRINT_PREVIEW));
    ASSERT_EQ(toolkit.PrintRequests().size(), 1u);
    EXPECT_TRUE(toolkit.PrintRequests().back().job.prompt);
    EXPECT_EQ(toolkit.PrintJobs().back()->PageCount(), 3);
    // Closed without printing: nothing more.
    toolkit.QueuePreview([](PreviewDriver& d) { d.Close(); });
    ASSERT_TRUE(Choose(ID_FILE_PRINT_PREVIEW));
    EXPECT_EQ(toolkit.PrintRequests().size(), 1u);
}

TEST_F(PrintCommandsTest, PrintSetupKeepsThePaperForEveryPrintout) {
    ASSERT_TRUE(Start());
    EXPECT_TRUE(Query(ID_FILE_PRINT_SETUP).enabled) << "with no design too";
    toolkit.QueueDialog([](platform::ui::DialogDriver& d) {
        EXPECT_EQ(d.Caption(), "Print Setup");
        EXPECT_TRUE(d.IsChecked(platform::ui::PrintSetupDialog::kIdLetter));
        EXPECT_TRUE(d.IsChecked(platform::ui::PrintSetupDialog::kIdPortrait));
        d.Click(platform::ui::PrintSetupDialog::kIdA4);
        d.Click(platform::ui::PrintSetupDialog::kIdLandscape);
        d.Ok();
    });
    ASSERT_TRUE(Choose(ID_FILE_PRINT_SETUP));
    const platform::ui::PageSetup a4Landscape{platform::ui::PaperSize::A4,
                                              platform::ui::PageOrientation::Landscape};
    EXPECT_EQ(toolkit.GetPageSetup(), a4Landscape);
    EXPECT_EQ(app->Settings().GetString("Page Setup", "Paper"), "A4");
    EXPECT_EQ(app->Settings().GetString("Page Setup", "Orientation"), "Landscape");

    // The print jobs take the paper: A4 turned, 11.69 x 8.27 inches at 100 px/in.
    NewDesign();
    ASSERT_TRUE(Choose(ID_FILE_PRINT));
    EXPECT_EQ(toolkit.PrintJobs().back()->Geometry().physicalPage, (platform::ui::Size{1169, 827}));

    // Cancelled, the dialog changes nothing.
    toolkit.QueueDialog([](platform::ui::DialogDriver& d) {
        d.Click(platform::ui::PrintSetupDialog::kIdLegal);
        d.Cancel();
    });
    ASSERT_TRUE(Choose(ID_FILE_PRINT_SETUP));
    EXPECT_EQ(toolkit.GetPageSetup(), a4Landscape);

    // The next start reads it back.
    Exit();
    toolkit.SetPageSetup({});
    ASSERT_TRUE(Start());
    EXPECT_EQ(toolkit.GetPageSetup(), a4Landscape);
}

TEST_F(PrintCommandsTest, PrintOnTheCommandLinePrintsTheMainViewAndEnds) {
    ASSERT_TRUE(Start());
    const std::string path = SavedDesign("bridge.kdx");
    Exit();

    EXPECT_FALSE(Start({"--print", path})) << "the program ends after printing";
    EXPECT_EQ(app->ExitInstance(), 0);
    ASSERT_EQ(toolkit.PrintRequests().size(), 1u);
    EXPECT_FALSE(toolkit.PrintRequests().back().job.prompt) << "no dialog: the default printer";
    EXPECT_EQ(toolkit.PrintJobs().back()->PageCount(), 3);
    EXPECT_TRUE(toolkit.Frame() == nullptr || !toolkit.Frame()->IsVisible()) << "never shown";
}

TEST_F(PrintCommandsTest, PrintOnTheCommandLineFailsWithAMessageWhenItCannotPrint) {
    ASSERT_TRUE(Start());
    const std::string path = SavedDesign("bridge.kdx");
    Exit();

    struct Case {
        const char* what;
        bool printer;
        std::string file;
        std::string message;
    };
    const std::string bad = temp / "bad.kdx";
    platform_test::WriteText(bad, "not a design");
    const Case cases[] = {
        {"no printer installed", false, path,
         "kordel: " + path + ": No printer is installed, or none is chosen as the default.\n"},
        {"a damaged design file", true, bad, "kordel: " + bad + ": Unexpected file format.\n"},
    };
    for (const Case& c : cases) {
        if (c.printer) {
            toolkit.SetDefaultPrinter(platform::ui::PageGeometry::Letter(100.0));
        } else {
            toolkit.SetDefaultPrinter(std::nullopt);
        }
        const size_t jobs = toolkit.PrintJobs().size();
        testing::internal::CaptureStderr();
        EXPECT_FALSE(Start({"--print", c.file})) << c.what;
        const std::string err = testing::internal::GetCapturedStderr();
        EXPECT_EQ(app->ExitInstance(), 1) << c.what;
        EXPECT_EQ(err, c.message) << c.what;
        EXPECT_EQ(toolkit.PrintJobs().size(), jobs) << c.what;
        EXPECT_TRUE(Messages().empty()) << c.what << ": no box waits for a user";
        app.reset();
    }
}

}  // namespace
}  // namespace kordel

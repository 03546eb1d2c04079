// The text view and the code-compliance view in the desktop program on the headless backend:
// opened from the Results menu, drawn on a recording screen (96 px/in) and printed on recording
// pages of Letter paper at 100 px/in, where one 0.01-inch unit is one pixel. Recorded fonts have
// ascent 0.8 em and descent 0.2 em, so a font of height -11 (8 points) makes 11-pixel lines on
// paper and one of height -14 (10 points) 14-unit lines on the screen.
#include "views/text_view.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/child_frame.h"
#include "platform/ui/menu.h"
#include "platform/ui/print.h"
#include "tests/app/desktop_test_support.h"
#include "views/compliance_view.h"

namespace platform::ui {
inline void PrintTo(const Point& p, std::ostream* os) {
    *os << "(" << p.x << ", " << p.y << ")";
}
}  // namespace platform::ui

namespace kordel {
namespace {

using platform::ui::HeadlessView;
using platform::ui::PrintInfo;
using platform::ui::RecordingDC;
using platform::ui::RecordingPrintSurface;

/// Letter at 100 px/in with quarter-inch strips: the text rectangle's corner is 0.65 - 0.25 =
/// 0.40 inch from the printable area's left edge and 0.40 - 0.25 = 0.15 inch below its top.
constexpr double kTextLeftPx = 40.0;
constexpr double kTextTopPx = 15.0;
/// Baseline of a page's first line: the corner plus the 8-point font's ascent, 0.8 x 11 px.
constexpr double kFirstBaselinePx = kTextTopPx + 0.8 * 11.0;
constexpr double kPrintedLinePx = 11.0;

class TextViewTest : public test::DesktopTest {
  protected:
    /// Starts the program with example `radio` (0: the first) and opens a results view.
    template <typename ViewType>
    ViewType* Open(int command, int radio = 0) {
        if (!app) Start();
        if (!Doc()) NewDesign(radio);
        Choose(command);
        CChildFrame* frame = app->ActiveFrame();
        return frame ? dynamic_cast<ViewType*>(frame->GetActiveView()) : nullptr;
    }
    HeadlessView& PeerOf(platform::ui::View& view) {
        return static_cast<HeadlessView&>(*view.Peer());
    }
    /// Prints pages `from` to `to` (0: all) of `view` on a fresh recording.
    std::unique_ptr<RecordingPrintSurface> Print(platform::ui::View& view, int from = 1,
                                                 int to = PrintInfo::kNoLimit) {
        auto surface = std::make_unique<RecordingPrintSurface>();
        PrintInfo info;
        EXPECT_TRUE(view.OnPreparePrinting(info));
        info.fromPage = from;
        info.toPage = to;
        EXPECT_GE(platform::ui::RunPrintLoop(view, *surface, info), 0);
        return surface;
    }
    /// The header lines as printed on page `page` of `pages`.
    std::vector<std::string> PrintedHeader(int page, int pages) {
        std::vector<std::string> header = Doc()->m_saReportHeader;
        header.back() += " Kordel p. " + std::to_string(page) + " of " + std::to_string(pages);
        return header;
    }
};

TEST_F(TextViewTest, OpensOnceFromTheResultsMenuAndAgainAfterClosing) {
    CTextView* view = Open<CTextView>(ID_RESULTS_TEXT_LONG);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(Main().m_bLongTextViewOpen, 1);
    EXPECT_EQ(app->Frames().size(), 2u);
    // While it is open neither Text Printout command from the main view opens another.
    app->SetActiveFrame(app->Frames().front().get());
    Choose(ID_RESULTS_TEXT_SHORT);
    Choose(ID_RESULTS_TEXT_LONG);
    EXPECT_EQ(app->Frames().size(), 2u);
    // Closing its window clears the flags; the command opens a text view again.
    app->Frames().back()->OnClose();
    EXPECT_EQ(Main().m_bLongTextViewOpen, 0);
    EXPECT_EQ(Main().m_bShortTextViewOpen, 0);
    EXPECT_NE(Open<CTextView>(ID_RESULTS_TEXT_SHORT), nullptr);
    EXPECT_EQ(Main().m_bShortTextViewOpen, 1);
}

TEST_F(TextViewTest, TextPrintoutShowsTheFormItNames) {
    // Opened from the main view of a long-form design, the short-form command shows the short form.
    CTextView* view = Open<CTextView>(ID_RESULTS_TEXT_SHORT);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(Doc()->m_nReportForm, kReportShortForm);
    EXPECT_EQ(app->ActiveFrame()->GetTitle(), "Untitled - Short Form");
    const std::vector<std::string> shortForm = Doc()->m_saReport;

    // Chosen again from the main view in the other form, the open view comes forward switched.
    app->SetActiveFrame(app->Frames().front().get());
    Choose(ID_RESULTS_TEXT_LONG);
    EXPECT_EQ(app->Frames().size(), 2u) << "still one text view";
    EXPECT_EQ(app->ActiveFrame()->GetActiveView(), view);
    EXPECT_EQ(Doc()->m_nReportForm, kReportLongForm);
    EXPECT_EQ(app->ActiveFrame()->GetTitle(), "Untitled - Long Form");
    EXPECT_NE(Doc()->m_saReport, shortForm) << "the report was rebuilt in the long form";
}

TEST_F(TextViewTest, PagesEndAtPageBreakLinesAndAFinalMarkerStaysText) {
    CTextView* view = Open<CTextView>(ID_RESULTS_TEXT_LONG);
    ASSERT_NE(view, nullptr);
    // Three breaks inside the report, two of them in a row, and one as the very last line.
    Doc()->m_saReport = {"a", kPageBreak, "b", "c", kPageBreak, kPageBreak, "d", kPageBreak};
    auto printed = Print(*view);

    // Pages: "a" | "b" "c" | nothing | "d" and the last marker as text.
    const std::vector<std::vector<std::string>> body = {{"a"}, {"b", "c"}, {}, {"d", kPageBreak}};
    ASSERT_EQ(printed->PageCount(), 4);
    EXPECT_EQ(view->ReportPageBreaks(), 3);
    for (int p = 0; p < 4; ++p) {
        std::vector<std::string> expected = PrintedHeader(p + 1, 4);
        expected.insert(expected.end(), body[p].begin(), body[p].end());
        EXPECT_EQ(printed->Page(p).Texts(), expected) << "page " << p + 1;
    }
}

TEST_F(TextViewTest, APageTooLongForTheSheetGoesOnOverTheNext) {
    // The 8-point line is 11 units; the text rectangle is 1020 units tall, so 92 lines fit,
    // 89 of them under the three header lines. A page of 200 lines takes 89 + 89 + 22 on three
    // sheets, every line once and inside the rectangle (last baseline above 1035 px).
    CTextView* view = Open<CTextView>(ID_RESULTS_TEXT_LONG);
    ASSERT_NE(view, nullptr);
    std::vector<std::string> report;
    for (int i = 0; i < 200; ++i) report.push_back("line " + std::to_string(i));
    report.push_back(kPageBreak);
    report.push_back("next");
    Doc()->m_saReport = report;
    auto printed = Print(*view);
    ASSERT_EQ(printed->PageCount(), 4);
    const std::vector<size_t> bodyLines = {89, 89, 22, 1};
    std::vector<std::string> body;
    for (int p = 0; p < 4; ++p) {
        const auto texts = printed->Page(p).OpsOf(RecordingDC::OpKind::Text);
        ASSERT_EQ(texts.size(), 3 + bodyLines[static_cast<size_t>(p)]) << "sheet " << p + 1;
        EXPECT_EQ(texts[2].text, PrintedHeader(p + 1, 4).back());
        EXPECT_LT(texts.back().points[0].y, 1035.0) << "sheet " << p + 1;
        for (size_t i = 3; i < texts.size(); ++i) body.push_back(texts[i].text);
    }
    report.erase(report.begin() + 200);  // the break line is not printed
    EXPECT_EQ(body, report);
    EXPECT_EQ(view->ReportPageBreaks(), 1);
}

TEST_F(TextViewTest, AReportWithoutBreaksIsOnePage) {
    CTextView* view = Open<CTextView>(ID_RESULTS_TEXT_LONG);
    ASSERT_NE(view, nullptr);
    Doc()->m_saReport = {"one", "two", "three"};
    PrintInfo info;
    view->OnPreparePrinting(info);
    EXPECT_EQ(info.maxPage, 1);
    EXPECT_EQ(info.previewPages, 1);
}

TEST_F(TextViewTest, AReportOfMoreThanAHundredPagesPrintsEveryPage) {
    // The page table grows with the report: 150 breaks give 151 pages, the last labelled
    // "151 of 151" and holding the last line.
    CTextView* view = Open<CTextView>(ID_RESULTS_TEXT_LONG);
    ASSERT_NE(view, nullptr);
    std::vector<std::string> report;
    for (int p = 1; p <= 151; ++p) {
        if (p > 1) report.push_back(kPageBreak);
        report.push_back("page " + std::to_string(p));
    }
    Doc()->m_saReport = report;
    auto printed = Print(*view);
    ASSERT_EQ(printed->PageCount(), 151);
    for (int p : {1, 100, 101, 151}) {
        std::vector<std::string> expected = PrintedHeader(p, 151);
        expected.push_back("page " + std::to_string(p));
        EXPECT_EQ(printed->Page(p - 1).Texts(), expected) << "page " << p;
    }
}

TEST_F(TextViewTest, APrintedRangeIsLabelledWithThePrintoutsPageCount) {
    // Pages 2 to 3 of a ten-page report are pages 2 and 3 of 10, not of 3.
    CTextView* view = Open<CTextView>(ID_RESULTS_TEXT_LONG);
    ASSERT_NE(view, nullptr);
    std::vector<std::string> report;
    for (int p = 1; p <= 10; ++p) {
        if (p > 1) report.push_back(kPageBreak);
        report.push_back("page " + std::to_string(p));
    }
    Doc()->m_saReport = report;
    auto printed = Print(*view, 2, 3);
    ASSERT_EQ(printed->PageCount(), 2);
    EXPECT_EQ(printed->Page(0).Texts().at(2), PrintedHeader(2, 10).back());
    EXPECT_EQ(printed->Page(0).Texts().at(3), "page 2");
    EXPECT_EQ(printed->Page(1).Texts().at(2), PrintedHeader(3, 10).back());
}

TEST_F(TextViewTest, PrintedPagesStartAtTheMarginsInTheHeaderFont) {
    CTextView* view = Open<CTextView>(ID_RESULTS_TEXT_LONG);
    ASSERT_NE(view, nullptr);
    ASSERT_EQ(Doc()->m_saReportHeader.size(), 3u);
    Doc()->m_saReport = {"first", "second"};
    auto printed = Print(*view);
    const auto texts = printed->Page(0).OpsOf(RecordingDC::OpKind::Text);
    ASSERT_EQ(texts.size(), 5u);
    for (size_t i = 0; i < texts.size(); ++i) {
        // Every line at the text rectangle's left edge, 11 px apart, in the 8-point font
        // (em 11 px), the report lines right under the three header lines.
        EXPECT_DOUBLE_EQ(texts[i].points[0].x, kTextLeftPx) << "line " << i;
        EXPECT_DOUBLE_EQ(texts[i].points[0].y, kFirstBaselinePx + kPrintedLinePx * i)
            << "line " << i;
        EXPECT_DOUBLE_EQ(texts[i].fontSize, 11.0) << "line " << i;
        EXPECT_EQ(texts[i].family, "Liberation Mono") << "line " << i;
    }
    // The page is clipped to the text rectangle: (40, 15) to (785, 1035) on the device.
    const auto clips = printed->Page(0).OpsOf(RecordingDC::OpKind::Clip);
    ASSERT_FALSE(clips.empty());
    EXPECT_EQ(clips.front().points[0], (platform::ui::PointD{40.0, 15.0}));
    EXPECT_EQ(clips.front().points[1], (platform::ui::PointD{785.0, 1035.0}));
    // After the job the screen font measures again.
    EXPECT_EQ(view->Metrics()->GetFont()->height, view->TextFont().height);
}

TEST_F(TextViewTest, AnEmptyHeaderPrintsNoHeaderAndNoLabel) {
    CTextView* view = Open<CTextView>(ID_RESULTS_TEXT_LONG);
    ASSERT_NE(view, nullptr);
    Doc()->m_saReportHeader.clear();
    Doc()->m_saReport = {"only"};
    EXPECT_EQ(Print(*view)->Page(0).Texts(), std::vector<std::string>{"only"});
}

TEST_F(TextViewTest, TheScreenShowsTheVisibleLinesIndentedIncludingBreakLines) {
    CTextView* view = Open<CTextView>(ID_RESULTS_TEXT_LONG);
    ASSERT_NE(view, nullptr);
    std::vector<std::string> report;
    for (int i = 0; i < 200; ++i)
        report.push_back(i == 1 ? kPageBreak : "line " + std::to_string(i));
    Doc()->m_saReport = report;
    app->UpdateAllViews();
    HeadlessView& peer = PeerOf(*view);

    // 800 x 600 px client at 96 px/in: the clip is 625 units tall and a line 14 units, so
    // lines 0 to 625 / 14 + 1 = 45 are drawn, 0.10 inch (9.6 -> 10 px) from the left edge.
    auto screen = peer.PaintNow();
    auto texts = screen->OpsOf(RecordingDC::OpKind::Text);
    ASSERT_EQ(texts.size(), 46u);
    EXPECT_EQ(texts[0].text, "line 0");
    EXPECT_EQ(texts[1].text, kPageBreak);
    EXPECT_EQ(texts[45].text, "line 45");
    EXPECT_DOUBLE_EQ(texts[0].points[0].x, 10.0);
    // The scroll area is 200 lines of 14 units: 2800 units = 2688 px.
    EXPECT_EQ(peer.ScrollTotal().cy, 2688);

    // Scrolled to the bottom the last line drawn is the report's last, never beyond.
    view->OnScroll(true, platform::ui::ScrollCode::Bottom, 0);
    texts = peer.PaintNow()->OpsOf(RecordingDC::OpKind::Text);
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts.back().text, "line 199");
}

TEST_F(TextViewTest, AnEmptyReportDrawsNothing) {
    CTextView* view = Open<CTextView>(ID_RESULTS_TEXT_LONG);
    ASSERT_NE(view, nullptr);
    Doc()->m_saReport.clear();
    app->UpdateAllViews();
    EXPECT_TRUE(PeerOf(*view).PaintNow()->Texts().empty());
}

TEST_F(TextViewTest, TheKeysScrollTheViewWhichKeepsTheFocus) {
    CTextView* view = Open<CTextView>(ID_RESULTS_TEXT_LONG);
    ASSERT_NE(view, nullptr);
    HeadlessView& peer = PeerOf(*view);
    EXPECT_TRUE(peer.HasFocus()) << "a newly opened view takes the focus";
    // A window narrower and lower than the report, so that it scrolls both ways.
    const platform::ui::Size client{300, 200};
    peer.Resize(client);
    const int line = view->LineDeviceSize().cy;
    const int column = view->LineDeviceSize().cx;
    const int page = view->PageDeviceSize().cy;
    const int bottom = peer.ScrollTotal().cy - client.cy;
    ASSERT_GT(line, 0);
    ASSERT_GT(column, 0);
    ASSERT_GT(peer.ScrollTotal().cx, client.cx);
    ASSERT_GT(bottom, line + page);

    using platform::ui::kModCtrl;
    using platform::ui::kModNone;
    using platform::ui::Point;
    struct Press {
        const char* what;
        int key;
        unsigned modifiers;
        Point after;
    };
    const Press presses[] = {
        {"Down", platform::ui::kKeyDown, kModNone, {0, line}},
        {"Down again", platform::ui::kKeyDown, kModNone, {0, 2 * line}},
        {"Up", platform::ui::kKeyUp, kModNone, {0, line}},
        {"Right", platform::ui::kKeyRight, kModNone, {column, line}},
        {"Left", platform::ui::kKeyLeft, kModNone, {0, line}},
        {"Right again", platform::ui::kKeyRight, kModNone, {column, line}},
        {"Page Down", platform::ui::kKeyPageDown, kModNone, {column, line + page}},
        {"Page Up", platform::ui::kKeyPageUp, kModNone, {column, line}},
        {"End: the last lines", platform::ui::kKeyEnd, kModNone, {column, bottom}},
        {"Home: the first lines", platform::ui::kKeyHome, kModNone, {column, 0}},
        {"Ctrl+End: the last lines from the left edge",
         platform::ui::kKeyEnd,
         kModCtrl,
         {0, bottom}},
        {"Right at the bottom", platform::ui::kKeyRight, kModNone, {column, bottom}},
        {"Ctrl+Home: the top-left corner", platform::ui::kKeyHome, kModCtrl, {0, 0}},
    };
    for (const Press& p : presses) {
        EXPECT_TRUE(Frame().PressKey(p.key, p.modifiers)) << p.what << ": the view takes it";
        EXPECT_EQ(peer.ScrollPosition(), p.after) << p.what;
        EXPECT_TRUE(peer.HasFocus()) << p.what;
    }
    // Keys that do not scroll go on to the accelerators: Ctrl+Tab to the next window.
    EXPECT_TRUE(Frame().PressKey(platform::ui::kKeyTab, kModCtrl));
    EXPECT_NE(app->ActiveFrame()->GetActiveView(), view);
    EXPECT_FALSE(peer.HasFocus());
}

TEST_F(TextViewTest, SwitchingTheFormShowsTheNewReportFromItsTop) {
    CTextView* view = Open<CTextView>(ID_RESULTS_TEXT_LONG);
    ASSERT_NE(view, nullptr);
    HeadlessView& peer = PeerOf(*view);
    for (int form : {ID_RESULTS_TEXT_SHORT, ID_RESULTS_TEXT_LONG}) {
        Frame().PressKey(platform::ui::kKeyPageDown);
        Frame().PressKey(platform::ui::kKeyDown);
        ASSERT_GT(peer.ScrollPosition().y, 0);
        ASSERT_TRUE(Choose(form));
        EXPECT_EQ(peer.ScrollPosition(), (platform::ui::Point{0, 0})) << form;
        EXPECT_TRUE(peer.HasFocus()) << form;
    }
}

TEST_F(TextViewTest, SwitchingTheFormAnalysesAgainAndRedrawsEveryView) {
    CTextView* view = Open<CTextView>(ID_RESULTS_TEXT_LONG);
    ASSERT_NE(view, nullptr);
    ASSERT_EQ(Doc()->m_nReportForm, kReportLongForm);
    EXPECT_TRUE(Query(ID_RESULTS_TEXT_LONG).checked);
    EXPECT_FALSE(Query(ID_RESULTS_TEXT_SHORT).checked);
    EXPECT_FALSE(Query(ID_RESULTS_CODE_COMPLIANCE).checked);
    const size_t longLines = Doc()->m_saReport.size();
    HeadlessView& mainPeer = PeerOf(*app->Frames().front()->GetActiveView());
    const int mainPaints = mainPeer.Invalidations();

    ASSERT_TRUE(Choose(ID_RESULTS_TEXT_SHORT));
    EXPECT_EQ(Doc()->m_nReportForm, kReportShortForm);
    EXPECT_LT(Doc()->m_saReport.size(), longLines) << "the short form was written";
    EXPECT_TRUE(Query(ID_RESULTS_TEXT_SHORT).checked);
    EXPECT_FALSE(Query(ID_RESULTS_TEXT_LONG).checked);
    EXPECT_GT(mainPeer.Invalidations(), mainPaints) << "every view is updated";
    // The scroll area follows the new report.
    const int shortHeight = PeerOf(*view).ScrollTotal().cy;

    ASSERT_TRUE(Choose(ID_RESULTS_TEXT_LONG));
    EXPECT_EQ(Doc()->m_nReportForm, kReportLongForm);
    EXPECT_EQ(Doc()->m_saReport.size(), longLines);
    EXPECT_GT(PeerOf(*view).ScrollTotal().cy, shortHeight);
}

TEST_F(TextViewTest, TheTextReportFontSettingSizesTheScreenFontOnly) {
    ASSERT_TRUE(Start());  // the first run makes the settings folder
    platform::CIni ini;
    ini.SetUserFile(platform::kIniFileName);
    ASSERT_TRUE(ini.WriteInt(platform::kIniSectionOptions, platform::kIniKeyTextReportFont, 1));
    CTextView* view = Open<CTextView>(ID_RESULTS_TEXT_LONG);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->TextFont().height, -17);
    EXPECT_EQ(view->TextFont().face, "Lucida Console");
    // 12 points on the screen: em 17 x 0.96 = 16.32 px.
    Doc()->m_saReport = {"x"};
    app->UpdateAllViews();
    EXPECT_DOUBLE_EQ(PeerOf(*view).PaintNow()->OpsOf(RecordingDC::OpKind::Text)[0].fontSize, 16.32);
    // Paper stays in 8 points.
    for (const auto& op : Print(*view)->Page(0).OpsOf(RecordingDC::OpKind::Text))
        EXPECT_DOUBLE_EQ(op.fontSize, 11.0) << op.text;
}

// ---- The code-compliance view ---------------------------------------------------------------

TEST_F(TextViewTest, ComplianceViewShowsTheSummaryAndPrintsOnePage) {
    auto* view = Open<CCodeComplianceView>(ID_RESULTS_CODE_COMPLIANCE);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(Main().m_bComplianceViewOpen, 1);
    EXPECT_TRUE(Query(ID_RESULTS_CODE_COMPLIANCE).checked);
    EXPECT_FALSE(Query(ID_RESULTS_GRAPHS).checked);
    EXPECT_TRUE(Query(ID_RESULTS_TEXT_LONG).enabled);
    EXPECT_FALSE(Query(ID_RESULTS_TEXT_LONG).checked);
    ASSERT_FALSE(Doc()->m_saGirderSummary.empty());

    auto printed = Print(*view);
    ASSERT_EQ(printed->PageCount(), 1);
    std::vector<std::string> expected = PrintedHeader(1, 1);
    expected.insert(expected.end(), Doc()->m_saGirderSummary.begin(),
                    Doc()->m_saGirderSummary.end());
    EXPECT_EQ(printed->Page(0).Texts(), expected);

    // On the screen the summary is shown from its first line.
    const auto shown = PeerOf(*view).PaintNow()->Texts();
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown.front(), Doc()->m_saGirderSummary.front());

    // Closing it lets the command open it again.
    app->Frames().back()->OnClose();
    EXPECT_EQ(Main().m_bComplianceViewOpen, 0);
}

TEST_F(TextViewTest, ComplianceScrollAreaIsTheSummary) {
    auto* view = Open<CCodeComplianceView>(ID_RESULTS_CODE_COMPLIANCE);
    ASSERT_NE(view, nullptr);
    // 60 lines of 14 units = 840 units = 806.4 -> 806 px; the widest line, 100 characters of
    // 0.6 x 13.44 px = 806.4 -> 806 px = 839.6 -> 840 units -> 806 px.
    Doc()->m_saGirderSummary.assign(60, "short");
    Doc()->m_saGirderSummary[7] = std::string(100, 'x');
    app->UpdateAllViews();
    EXPECT_EQ(PeerOf(*view).ScrollTotal(), (platform::ui::Size{806, 806}));
}

TEST_F(TextViewTest, ComplianceSummaryOfEveryExampleFitsOnePage) {
    for (int example = 1; example <= 4; ++example) {
        auto* view = Open<CCodeComplianceView>(ID_RESULTS_CODE_COMPLIANCE, 0);
        ASSERT_NE(view, nullptr);
        Main().m_nSeedChoice = example;
        Doc()->OnNewDocument();
        EXPECT_EQ(Print(*view)->PageCount(), 1) << "example " << example;
        app->Frames().back()->OnClose();
    }
}

TEST_F(TextViewTest, CompliancePageStopsBeforeABreak) {
    auto* view = Open<CCodeComplianceView>(ID_RESULTS_CODE_COMPLIANCE);
    ASSERT_NE(view, nullptr);
    Doc()->m_saReportHeader = {"header"};
    Doc()->m_saGirderSummary = {"s1", "s2", kPageBreak, "s3"};
    EXPECT_EQ(Print(*view)->Page(0).Texts(),
              (std::vector<std::string>{"header Kordel p. 1 of 1", "s1", "s2"}));
}

}  // namespace
}  // namespace kordel

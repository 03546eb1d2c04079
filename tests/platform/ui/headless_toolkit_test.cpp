// The headless backend drives dialogs, views, timers and print jobs as a user and a printer
// would, with no display.
#include "platform/ui/headless_toolkit.h"

#include <gtest/gtest.h>

#include "platform/ui/dialog.h"
#include "platform/ui/print.h"
#include "platform/ui/view.h"

namespace platform::ui {
namespace {

constexpr int kRadioA = 100;
constexpr int kRadioB = 101;
constexpr int kRadioC = 102;
constexpr int kCheck = 103;
constexpr int kName = 104;
constexpr int kLocked = 105;

const DialogTemplate& TestTemplate() {
    static const DialogTemplate t = [] {
        DialogTemplate d;
        d.id = 77;
        d.caption = "Test";
        d.size = {200, 100};
        d.controls = {
            MakeControl(ControlKind::RadioButton, kRadioA, "A", 0, 0, 50, 10, kStyleGroup),
            MakeControl(ControlKind::RadioButton, kRadioB, "B", 0, 10, 50, 10),
            MakeControl(ControlKind::CheckBox, kCheck, "Check", 0, 20, 50, 10, kStyleGroup),
            MakeControl(ControlKind::RadioButton, kRadioC, "C", 0, 30, 50, 10, kStyleGroup),
            MakeControl(ControlKind::Edit, kName, "", 0, 40, 100, 12),
            MakeControl(ControlKind::PushButton, kLocked, "Locked", 0, 60, 40, 14, kStyleDisabled),
            MakeControl(ControlKind::DefPushButton, kIdOk, "OK", 100, 80, 40, 14),
            MakeControl(ControlKind::PushButton, kIdCancel, "Cancel", 150, 80, 40, 14),
        };
        return d;
    }();
    return t;
}

class TestDialog : public Dialog {
  public:
    TestDialog() : Dialog(TestTemplate()) {
        m_commands.On(kRadioB, [this] { ++radioBClicks; });
    }
    void DoDataExchange(DataExchange& dx) override {
        dx.Text(kName, name);
        dx.Check(kCheck, flag);
    }
    std::string name = "first";
    int flag = 1;
    int radioBClicks = 0;
};

class HeadlessTest : public ::testing::Test {
  protected:
    HeadlessTest() : toolkitGuard(toolkit) {}
    HeadlessHost host;
    HeadlessToolkit toolkit{host};
    ScopedToolkit toolkitGuard;
};

TEST_F(HeadlessTest, DialogsExchangeDataWithTheirControls) {
    TestDialog dlg;
    toolkit.QueueDialog([](DialogDriver& d) {
        EXPECT_EQ(d.Caption(), "Test");
        EXPECT_EQ(d.Text(kName), "first") << "the members went into the controls";
        EXPECT_TRUE(d.IsChecked(kCheck));
        d.Type(kName, "second");
        EXPECT_TRUE(d.Click(kCheck));
        EXPECT_TRUE(d.Ok());
    });
    EXPECT_EQ(dlg.DoModal(), kIdOk);
    EXPECT_EQ(dlg.name, "second") << "OK moved the controls into the members";
    EXPECT_EQ(dlg.flag, 0);
    EXPECT_EQ(toolkit.DialogsShown(), std::vector<int>{77});
}

TEST_F(HeadlessTest, CancelAndAnUnscriptedDialogLeaveTheMembers) {
    TestDialog dlg;
    toolkit.QueueDialog([](DialogDriver& d) {
        d.Type(kName, "changed");
        d.Cancel();
    });
    EXPECT_EQ(dlg.DoModal(), kIdCancel);
    EXPECT_EQ(dlg.name, "first");
    // With no script the dialog is closed by its close box.
    EXPECT_EQ(dlg.DoModal(), kIdCancel);
}

TEST_F(HeadlessTest, RadioGroupsClearTheirOtherButtonsAndDisabledControlsRefuseClicks) {
    TestDialog dlg;
    toolkit.QueueDialog([&](DialogDriver& d) {
        d.Click(kRadioA);
        d.Click(kRadioC);
        EXPECT_TRUE(d.IsChecked(kRadioA)) << "another group";
        EXPECT_TRUE(d.Click(kRadioB));
        EXPECT_FALSE(d.IsChecked(kRadioA));
        EXPECT_TRUE(d.IsChecked(kRadioB));
        EXPECT_TRUE(d.IsChecked(kRadioC));
        EXPECT_EQ(dlg.radioBClicks, 1) << "the dialog's handler ran";
        EXPECT_FALSE(d.Click(kLocked)) << "disabled";
        EXPECT_FALSE(d.Click(999)) << "no such control";
        dlg.EnableItem(kLocked, true);
        EXPECT_TRUE(d.Click(kLocked));
        d.Ok();
        EXPECT_FALSE(d.Click(kRadioA)) << "the dialog has ended";
    });
    dlg.DoModal();
}

TEST_F(HeadlessTest, TimersRunWhenTheClockPassesThem) {
    int a = 0;
    int b = 0;
    const int ta = toolkit.SetTimer(2000, [&] { ++a; });
    int tb = 0;
    tb = toolkit.SetTimer(500, [&] {
        ++b;
        toolkit.KillTimer(tb);  // a handler may kill its own timer
    });
    toolkit.AdvanceTime(1999);
    EXPECT_EQ(a, 0);
    EXPECT_EQ(b, 1);
    toolkit.AdvanceTime(1);
    EXPECT_EQ(a, 1);
    toolkit.AdvanceTime(4000);
    EXPECT_EQ(a, 3) << "a timer repeats until killed";
    EXPECT_EQ(b, 1);
    toolkit.KillTimer(ta);
    EXPECT_EQ(toolkit.ActiveTimers(), 0);
}

/// A scrolling view of 7 x 20 inches with a line at the top of its second page.
class TallView : public ScrollView {
  public:
    void OnInitialUpdate() override {
        SetScrollSizes(MapMode::LoEnglish, {700, 2000});
        ScrollView::OnInitialUpdate();
    }
    void OnDraw(DC& dc) override {
        dc.MoveTo({0, -1000});
        dc.LineTo({100, -1000});
    }
};

TEST_F(HeadlessTest, ScrollViewsScrollByPagesAndShiftTheDrawing) {
    struct Handler : ChildHandler {
        void OnClose() override {}
    } childHandler;
    HeadlessChild child(childHandler, "child");
    TallView view;
    view.Attach(child.CreateView(view));
    view.OnInitialUpdate();
    auto* peer = static_cast<HeadlessView*>(view.Peer());
    // 96 pixels per inch on the screen.
    EXPECT_EQ(view.TotalDeviceSize(), (Size{672, 1920}));
    EXPECT_EQ(view.PageDeviceSize().cy, 192);
    EXPECT_EQ(peer->ScrollTotal(), (Size{672, 1920}));

    view.OnScroll(true, ScrollCode::PageDown, 0);
    EXPECT_EQ(view.GetDeviceScrollPosition(), (Point{0, 192}));
    view.OnScroll(true, ScrollCode::Bottom, 0);
    EXPECT_EQ(view.GetDeviceScrollPosition().y, 1920 - 600) << "stops at the last screenful";
    view.OnScroll(true, ScrollCode::Top, 0);
    view.OnScroll(true, ScrollCode::LineUp, 0);
    EXPECT_EQ(view.GetDeviceScrollPosition().y, 0);

    view.OnScroll(true, ScrollCode::ThumbTrack, 500);
    auto dc = peer->PaintNow();
    ASSERT_EQ(dc->Ops().size(), 1u);
    // Logical y -1000 is 960 pixels down the content, 460 below the window's top.
    EXPECT_DOUBLE_EQ(dc->Ops()[0].points[0].y, 460);
}

/// Pages that stop the loop at a chosen page.
class StoppingPages : public Printable {
  public:
    bool OnPreparePrinting(PrintInfo& info) override {
        info.SetMaxPage(5);
        return true;
    }
    void OnPrepareDC(DC&, PrintInfo* info) override {
        if (info->curPage == stopAt) info->continuePrinting = false;
    }
    void OnPrint(DC& dc, PrintInfo& info) override {
        dc.TextOut({0, 0}, "page " + std::to_string(info.curPage));
        printed.push_back(info.curPage);
    }
    int stopAt = 0;
    std::vector<int> printed;
};

TEST_F(HeadlessTest, ThePrintLoopPrintsTheChosenRangeOfTheDocumentsPages) {
    struct Case {
        const char* what;
        int from;
        int to;
        int stopAt;
        std::vector<int> pages;
    };
    const Case cases[] = {
        {"all pages", 1, PrintInfo::kNoLimit, 0, {1, 2, 3, 4, 5}},
        {"a range", 2, 3, 0, {2, 3}},
        {"a range past the end", 4, 9, 0, {4, 5}},
        {"stopped by the printable", 1, 5, 3, {1, 2}},
    };
    for (const Case& c : cases) {
        StoppingPages doc;
        doc.stopAt = c.stopAt;
        PrintInfo info;
        ASSERT_TRUE(doc.OnPreparePrinting(info));
        info.fromPage = c.from;
        info.toPage = c.to;
        auto surface = toolkit.CreatePrintSurface("job.pdf");
        EXPECT_EQ(RunPrintLoop(doc, *surface, info), static_cast<int>(c.pages.size())) << c.what;
        EXPECT_EQ(doc.printed, c.pages) << c.what;
        const RecordingPrintSurface& job = *toolkit.PrintJobs().back();
        EXPECT_TRUE(job.Finished()) << c.what;
        ASSERT_GE(job.PageCount(), static_cast<int>(c.pages.size())) << c.what;
        if (!c.pages.empty()) {
            EXPECT_EQ(job.Page(0).Texts(),
                      std::vector<std::string>{"page " + std::to_string(c.pages[0])})
                << c.what;
        }
    }
}

}  // namespace
}  // namespace platform::ui

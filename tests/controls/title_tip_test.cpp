// The title tip over a cut-off cell text: when it shows, where it stands (exactly over the cell's
// own text), and how it hands the pointer's moves, presses and keys on to the grid below.
#include "controls/title_tip.h"

#include <gtest/gtest.h>

#include "controls/grid_ctrl.h"
#include "tests/controls/grid_test_support.h"

namespace kordel::test {
namespace {

using platform::ui::HeadlessFloat;
using platform::ui::MouseAction;
using platform::ui::Point;
using platform::ui::RecordingDC;
using platform::ui::Rect;
using platform::ui::Rgb;

/// A grid that remembers the mouse messages and keys it was given.
class ListeningGrid : public CGridCtrl {
  public:
    ListeningGrid() : CGridCtrl(3, 2, 1, 1) {}
    void OnMouseMove(unsigned keys, Point p) override {
        heard.push_back("move " + At(p));
        CGridCtrl::OnMouseMove(keys, p);
    }
    void OnLButtonDown(unsigned keys, Point p) override {
        heard.push_back("down " + At(p));
        CGridCtrl::OnLButtonDown(keys, p);
    }
    void OnLButtonDblClk(unsigned keys, Point p) override {
        heard.push_back("double " + At(p));
        CGridCtrl::OnLButtonDblClk(keys, p);
    }
    void OnKeyDown(int key, unsigned) override { heard.push_back("key " + std::to_string(key)); }
    static std::string At(Point p) { return std::to_string(p.x) + "," + std::to_string(p.y); }
    std::vector<std::string> heard;
};

/// Cell (1, 1) is 101..186 across and 18..35 down in a window whose client area starts at
/// (110, 120) on the screen. Its text " abcdefghij " with the blanks is 12 x 7.2 = 86 pixels.
class TitleTipTest : public GridTest {
  protected:
    TitleTipTest() {
        grid.SetCellText(1, 1, "abcdefghij");
        grid.SetCellText(1, 0, "short");
        grid.SetColumnWidth(1, 86);
        Show(grid, {300, 100});
        grid.TitleTip().SetClock([this] { return now; });
    }
    HeadlessFloat* Tip() {
        const auto& floats = Window(grid).Floats();
        return floats.empty() ? nullptr : floats.front();
    }
    bool TipShown() { return Tip() && Tip()->IsVisible(); }
    /// The pointer moves (or presses) at client point `p`; the window sends it where the
    /// toolkit would.
    void Mouse(MouseAction action, Point p) { Window(grid).Mouse(action, p); }

    ListeningGrid grid;
    long long now = 1000;
};

TEST_F(TitleTipTest, ATextCutOffShowsTheTipExactlyOverItsCell) {
    Mouse(MouseAction::Move, {120, 25});
    ASSERT_TRUE(TipShown());
    // As wide as the padded text, as high as the cell less its grid line.
    EXPECT_EQ(Tip()->ScreenRect(), (Rect{110 + 101, 120 + 18, 110 + 101 + 86, 120 + 35}));
    EXPECT_TRUE(Tip()->HasCapture());

    // Its text lies where the cell's own would: the same baseline, a blank in from the left.
    auto tip = Tip()->PaintNow();
    EXPECT_EQ(Summary(*tip),
              (std::vector<std::string>{"fill 0,0,86,17 ffffe1", "frame 0,0,86,17 000000",
                                        "text ' abcdefghij ' 0,12.1 000000"}));
    auto cells = Window(grid).PaintNow();
    int seen = 0;
    for (const auto& op : cells->OpsOf(RecordingDC::OpKind::Text)) {
        if (op.text.rfind("abcd", 0) != 0) continue;
        ++seen;
        EXPECT_EQ(op.text, "abcdef...") << "the cell itself ends its text in an ellipsis";
        EXPECT_NEAR(op.points[0].y + 120,
                    tip->OpsOf(RecordingDC::OpKind::Text)[0].points[0].y + 138, 1e-9);
        EXPECT_NEAR(op.points[0].x + 110, 211 + 7.2, 0.5);
    }
    EXPECT_EQ(seen, 1);
}

TEST_F(TitleTipTest, ATextThatFitsWithItsBlanksShowsNoTip) {
    grid.SetColumnWidth(1, 87);
    Mouse(MouseAction::Move, {120, 25});
    EXPECT_FALSE(TipShown());
    Mouse(MouseAction::Move, {50, 25});
    EXPECT_FALSE(TipShown()) << "a short text";

    grid.SetColumnWidth(1, 86);
    grid.m_bShowTitleTips = false;
    Mouse(MouseAction::Move, {120, 25});
    EXPECT_FALSE(TipShown()) << "tips turned off";
}

TEST_F(TitleTipTest, MovesInsideTheCellKeepTheTipAndALeaveGoesToTheGrid) {
    Mouse(MouseAction::Move, {120, 25});
    grid.heard.clear();
    Mouse(MouseAction::Move, {185, 34});
    EXPECT_TRUE(TipShown()) << "the cell's last pixel";
    EXPECT_TRUE(grid.heard.empty()) << "the tip holds the capture";

    Mouse(MouseAction::Move, {50, 25});
    EXPECT_FALSE(TipShown());
    EXPECT_FALSE(Tip()->HasCapture());
    EXPECT_EQ(grid.heard, std::vector<std::string>{"move 50,25"}) << "at once, where it went";
}

TEST_F(TitleTipTest, AClickOnTheTipIsAClickOnTheCell) {
    grid.m_bEditable = false;  // a double click on the cell would open its editor, and no tip
    Mouse(MouseAction::Move, {120, 25});
    grid.heard.clear();
    Tip()->Mouse(MouseAction::LeftDown, {10, 5});
    EXPECT_FALSE(TipShown());
    EXPECT_EQ(grid.heard, std::vector<std::string>{"down 111,23"});
    EXPECT_EQ(grid.GetLeftClickDownCell(), (CCellID{1, 1}));

    // A second press on the tip shown again, within the double-click time.
    Mouse(MouseAction::Move, {121, 25});
    now += 300;
    Tip()->Mouse(MouseAction::LeftDown, {10, 5});
    EXPECT_EQ(grid.heard.back(), "double 111,23");

    Mouse(MouseAction::Move, {121, 25});
    now += 2000;
    Tip()->Mouse(MouseAction::LeftDown, {10, 5});
    EXPECT_EQ(grid.heard.back(), "down 111,23") << "too late for a double click";
}

TEST_F(TitleTipTest, AKeyForTheTipGoesToTheGrid) {
    Mouse(MouseAction::Move, {120, 25});
    Tip()->KeyDown(platform::ui::kKeyDown);
    EXPECT_FALSE(TipShown());
    EXPECT_EQ(grid.heard.back(), "key " + std::to_string(platform::ui::kKeyDown));
}

TEST_F(TitleTipTest, TheTipWaitsUntilItIsHiddenAndNeedsTheKeyboard) {
    Mouse(MouseAction::Move, {120, 25});
    const int shown = Tip()->TimesShown();
    grid.TitleTip().Show({0, 18, 50, 35}, "another long text that is cut off");
    EXPECT_EQ(Tip()->TimesShown(), shown) << "the tip is up already";

    // Scrolling hides it.
    Window(grid).Scroll(true, platform::ui::ScrollCode::LineDown);
    EXPECT_FALSE(TipShown());

    // Another application has the keyboard: the window is made but nothing shows.
    CGridCtrl other(2, 2);
    other.SetCellText(1, 1, "a text far too long for its cell");
    Show(other, {300, 100}).SetApplicationActive(false);
    Window(other).Mouse(MouseAction::Move, {120, 25});
    EXPECT_TRUE(other.TitleTip().IsWindowMade());
    EXPECT_FALSE(other.TitleTip().IsVisible());
}

TEST_F(TitleTipTest, TheGridsColoursOverrideTheTipsOwn) {
    grid.m_crTitleTipBack = Rgb(0, 0, 80);
    grid.m_crTitleTipText = Rgb(255, 255, 0);
    Mouse(MouseAction::Move, {120, 25});
    auto tip = Tip()->PaintNow();
    EXPECT_EQ(Summary(*tip).front(), "fill 0,0,86,17 000050");
    EXPECT_EQ(Summary(*tip).back(), "text ' abcdefghij ' 0,12.1 ffff00");
}

}  // namespace
}  // namespace kordel::test

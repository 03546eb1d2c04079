// The grid's picture and its scrolling: the background areas and the order of the cells, hidden
// rows and columns, the scroll ranges and the first visible cell, hit tests, scrolling a cell
// into view, the wheel, and the desktop's colours changing.
#include <gtest/gtest.h>

#include "controls/grid_ctrl.h"
#include "tests/controls/grid_test_support.h"

namespace kordel::test {
namespace {

using platform::ui::Point;
using platform::ui::RecordingDC;
using platform::ui::Rect;
using platform::ui::Rgb;
using platform::ui::ScrollCode;
using platform::ui::Size;
using platform::ui::SysColour;

/// A grid of `rows` x `cols` with one heading row and column, every cell reading "cRC".
std::unique_ptr<CGridCtrl> Labelled(int rows, int cols) {
    auto grid = std::make_unique<CGridCtrl>(rows, cols, 1, 1);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c)
            grid->SetCellText(r, c, "c" + std::to_string(r) + std::to_string(c));
    }
    return grid;
}

using GridPaintTest = GridTest;

TEST_F(GridPaintTest, TheBackgroundComesFirstThenTheCellsPassByPassThenTheGridLines) {
    auto grid = Labelled(3, 3);
    auto& window = Show(*grid, {400, 200});
    grid->SetFocusCell(1, 1);
    grid->SetCellState(2, 2, grid->GetCellState(2, 2) | kGridCellStateSelected);
    auto dc = window.PaintNow();

    // Cells cover 303 x 54 pixels: three columns of 101, three rows of 18.
    EXPECT_EQ(SummaryOf(*dc, "fill"), (std::vector<std::string>{
                                          "fill 0,0,101,18 f0f0f0",     // the corner
                                          "fill 0,0,101,54 f0f0f0",     // the heading column
                                          "fill 100,0,303,18 f0f0f0",   // the heading row
                                          "fill 101,18,303,54 ffffff",  // the cells
                                          "fill 303,0,400,200 a0a0a0",  // right of them
                                          "fill 0,54,303,200 a0a0a0",   // below them
                                          "fill 202,36,303,54 0078d7",  // the selected cell
                                      }));
    EXPECT_EQ(dc->Texts(), (std::vector<std::string>{"c00", "c10", "c20", "c01", "c02", "c11",
                                                     "c12", "c21", "c22"}))
        << "corner, heading column, heading row, cells";
    EXPECT_EQ(SummaryOf(*dc, "frame"), std::vector<std::string>{"frame 101,18,201,35 000000"})
        << "the focus cell";
    const auto lines = SummaryOf(*dc, "line");
    const std::vector<std::string> gridLines(lines.end() - 4, lines.end());
    EXPECT_EQ(gridLines,
              (std::vector<std::string>{"line 201,18-201,54 c0c0c0", "line 302,18-302,54 c0c0c0",
                                        "line 101,35-303,35 c0c0c0", "line 101,53-303,53 c0c0c0"}));
    // The focus cell's headings look sunken (dark top edge first), the others raised.
    EXPECT_NE(std::find(lines.begin(), lines.end(), "line 0,35-0,18 696969"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "line 302,0-202,0 ffffff"), lines.end());
}

TEST_F(GridPaintTest, HiddenRowsAndColumnsAreNeitherPaintedNorLined) {
    auto grid = Labelled(3, 3);
    auto& window = Show(*grid, {400, 200});
    grid->SetRowHeight(1, 0);
    grid->SetColumnWidth(2, 0);
    auto dc = window.PaintNow();
    EXPECT_EQ(dc->Texts(), (std::vector<std::string>{"c00", "c20", "c01", "c21"}));
    const auto lines = SummaryOf(*dc, "line");
    const std::vector<std::string> gridLines(lines.end() - 2, lines.end());
    EXPECT_EQ(gridLines,
              (std::vector<std::string>{"line 201,18-201,36 c0c0c0", "line 101,35-202,35 c0c0c0"}));
}

TEST_F(GridPaintTest, AnEmptyGridIsAllGround) {
    CGridCtrl grid;
    auto& window = Show(grid, {400, 200});
    auto dc = window.PaintNow();
    EXPECT_EQ(Summary(*dc), std::vector<std::string>{"fill 0,0,400,200 a0a0a0"});
    grid.m_bPaintEnabled = false;
    EXPECT_TRUE(window.PaintNow()->Ops().empty());
}

TEST_F(GridPaintTest, ACellRepaintedAloneBringsItsOwnGridLines) {
    auto grid = Labelled(3, 3);
    Show(*grid, {400, 200});
    RecordingDC dc(96.0);
    EXPECT_TRUE(grid->RepaintCell(1, 1, &dc));
    EXPECT_EQ(Summary(dc),
              (std::vector<std::string>{"fill 101,18,202,36 ffffff", "text 'c11' 108,30.1 000000",
                                        "line 101,35-202,35 c0c0c0", "line 201,18-201,36 c0c0c0"}));
    EXPECT_TRUE(grid->InvalidateCell(1, 1));
    EXPECT_EQ(Window(*grid).InvalidRects().back(), (Rect{101, 18, 202, 36}));
}

TEST_F(GridPaintTest, ScrollBarsShowWhenTheCellsDoNotFit) {
    // Five rows of 18 (one a heading) and three columns of 101 (one a heading): 303 x 90.
    struct Case {
        const char* what;
        Size window;
        int shown;
        int vertRange, vertPage;
        int horzRange, horzPage;
    };
    const Case cases[] = {
        {"all rows fit", {400, 90}, 0, 0, 0, 0, 0},
        {"a pixel less: the vertical bar, range 90 - 18 - 1", {400, 89}, 2, 71, 71, 0, 0},
        {"the bar's width then needs the horizontal bar too", {310, 89}, 3, 71, 54, 201, 192},
        {"no room beside the headings: no bars", {100, 50}, 0, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        auto grid = Labelled(5, 3);
        auto& window = Show(*grid, c.window);
        EXPECT_EQ(grid->GetScrollBarsShown(), c.shown) << c.what;
        EXPECT_EQ(window.IsScrollBarShown(true), (c.shown & 2) != 0) << c.what;
        EXPECT_EQ(window.IsScrollBarShown(false), (c.shown & 1) != 0) << c.what;
        EXPECT_EQ(grid->GetVertScrollRange(), c.vertRange) << c.what;
        EXPECT_EQ(window.Bar(true).page, c.vertPage) << c.what;
        EXPECT_EQ(grid->GetHorzScrollRange(), c.horzRange) << c.what;
        EXPECT_EQ(window.Bar(false).page, c.horzPage) << c.what;
    }
}

TEST_F(GridPaintTest, ScrollingAlwaysShowsWholeRowsAndColumns) {
    // Twenty rows of 18 under a heading of 18 (378 pixels) in a client 100 high: a page of 82
    // pixels, the highest position 378 - 18 - 1 - 82 + 1 = 278.
    struct Case {
        const char* what;
        std::vector<std::pair<ScrollCode, int>> steps;
        int position;
        int firstRow;
    };
    const Case cases[] = {
        {"a line down is a row", {{ScrollCode::LineDown, 0}}, 18, 2},
        {"a thumb inside a row shows the row after it", {{ScrollCode::ThumbTrack, 25}}, 25, 3},
        {"a page down moves a client height less the headings",
         {{ScrollCode::LineDown, 0}, {ScrollCode::PageDown, 0}},
         100,
         7},
        {"a line up from there is a row again",
         {{ScrollCode::LineDown, 0}, {ScrollCode::PageDown, 0}, {ScrollCode::LineUp, 0}},
         82,
         6},
        {"the bottom", {{ScrollCode::Bottom, 0}}, 278, 17},
        {"a line down at the bottom stays",
         {{ScrollCode::Bottom, 0}, {ScrollCode::LineDown, 0}},
         278,
         17},
        {"the top", {{ScrollCode::Bottom, 0}, {ScrollCode::Top, 0}}, 0, 1},
        {"a thumb past the end is held at the end", {{ScrollCode::ThumbTrack, 5000}}, 278, 17},
    };
    for (const Case& c : cases) {
        auto grid = Labelled(21, 2);
        auto& window = Show(*grid, {300, 100});
        for (const auto& [code, track] : c.steps) window.Scroll(true, code, track);
        EXPECT_EQ(grid->GetScrollPosition(true), c.position) << c.what;
        EXPECT_EQ(window.Bar(true).position, c.position) << c.what;
        EXPECT_EQ(grid->GetFirstVisibleCell().row, c.firstRow) << c.what;
        EXPECT_EQ(grid->GetFirstVisibleCell(true).row, c.firstRow) << c.what << " (not cached)";
    }

    // At the end a line down repaints nothing.
    auto grid = Labelled(21, 2);
    auto& window = Show(*grid, {300, 100});
    window.Scroll(true, ScrollCode::Bottom);
    window.ClearInvalid();
    window.Scroll(true, ScrollCode::LineDown);
    EXPECT_TRUE(window.InvalidRects().empty());
    window.Scroll(true, ScrollCode::LineUp);
    EXPECT_EQ(window.InvalidRects(), (std::vector<Rect>{{0, 18, 300 - kBar, 100}}))
        << "the cells below the headings, left of the bar";
}

TEST_F(GridPaintTest, ALineAcrossSkipsHiddenColumns) {
    auto grid = Labelled(2, 8);
    auto& window = Show(*grid, {300, 100});
    grid->SetColumnWidth(1, 0);
    grid->SetColumnWidth(2, 50);
    EXPECT_EQ(grid->GetFirstVisibleCell().col, 1);
    window.Scroll(false, ScrollCode::LineDown);
    EXPECT_EQ(grid->GetScrollPosition(false), 50) << "the width of the first column shown";
    EXPECT_EQ(grid->GetFirstVisibleCell().col, 3);
    auto dc = window.PaintNow();
    for (const std::string& text : dc->Texts()) EXPECT_NE(text, "c12");
}

TEST_F(GridPaintTest, ACellIsVisibleWhenItsTopLeftPixelIsInTheClientArea) {
    CGridCtrl grid(2, 3, 0, 1);
    Show(grid, {400, 100});
    grid.SetColumnWidth(0, 100);
    grid.SetColumnWidth(1, 299);
    EXPECT_TRUE(grid.IsCellVisible(1, 2)) << "left edge at 399";
    grid.SetColumnWidth(1, 300);
    EXPECT_FALSE(grid.IsCellVisible(1, 2)) << "left edge at 400, the client's right edge";
    EXPECT_TRUE(grid.IsCellVisible(1, 1));

    CGridCtrl noWindow(2, 2);
    EXPECT_FALSE(noWindow.IsCellVisible(1, 1));
}

TEST_F(GridPaintTest, APointFindsItsCellPartByPart) {
    auto grid = Labelled(4, 4);
    Show(*grid, {500, 200});
    struct Case {
        Point p;
        bool allowFixed;
        CCellID cell;
    };
    // Columns of 101 and rows of 18; the cells end at 404 x 72.
    const Case cases[] = {
        {{50, 9}, true, {0, 0}},    {{50, 9}, false, {-1, -1}}, {{150, 9}, false, {-1, 1}},
        {{50, 30}, false, {1, -1}}, {{150, 30}, false, {1, 1}}, {{403, 71}, true, {3, 3}},
        {{150, 77}, true, {-1, 1}}, {{409, 30}, true, {1, -1}}, {{-1, 30}, true, {1, -1}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(grid->CellFromPoint(c.p, c.allowFixed), c.cell)
            << c.p.x << "," << c.p.y << (c.allowFixed ? " fixed allowed" : "");
    }
    EXPECT_EQ(grid->PointInCell(2, 2, {210, 40}), (Point{8, 4}));
    EXPECT_TRUE(grid->IsOnColumnDivider({200, 5}));
    EXPECT_FALSE(grid->IsOnColumnDivider({150, 5}));
    EXPECT_FALSE(grid->IsOnColumnDivider({200, 25})) << "only over the headings";
    EXPECT_TRUE(grid->IsOnRowDivider({50, 37}));
}

TEST_F(GridPaintTest, ScrollingACellIntoViewShowsItWhole) {
    auto grid = Labelled(50, 10);
    auto& window = Show(*grid, {300, 200});
    grid->ScrollCellIntoView(40, 8);
    Rect rect;
    ASSERT_TRUE(grid->GetCellRect(40, 8, rect));
    const Size client = window.ClientSize();
    EXPECT_LE(rect.right, client.cx);
    EXPECT_LE(rect.bottom, client.cy);
    EXPECT_TRUE(grid->IsCellVisible(40, 8));

    grid->ScrollCellIntoView(2, 1);
    EXPECT_EQ(grid->GetFirstVisibleCell(), (CCellID{2, 1}));
}

TEST_F(GridPaintTest, TheWheelScrollsLinesOrPages) {
    auto grid = Labelled(30, 2);
    auto& window = Show(*grid, {300, 100});
    window.Wheel(-kGridWheelDelta, {50, 50});
    EXPECT_EQ(grid->GetScrollPosition(true), 3 * 18) << "a notch toward the user: three lines";
    window.Wheel(kGridWheelDelta, {50, 50});
    EXPECT_EQ(grid->GetScrollPosition(true), 0);
    grid->m_nWheelScrollLines = -1;
    window.Wheel(-2 * kGridWheelDelta, {50, 50});
    EXPECT_EQ(grid->GetScrollPosition(true), 2 * 82) << "two pages";
}

/// A headless toolkit whose desktop colours a test may change.
class ThemedToolkit : public platform::ui::HeadlessToolkit {
  public:
    using HeadlessToolkit::HeadlessToolkit;
    platform::ui::SystemLook Look() const override { return look; }
    platform::ui::SystemLook look = platform::ui::SystemLook::Classic();
};

TEST_F(GridPaintTest, NewDesktopColoursReplaceOnlyTheOldDesktopColours) {
    ThemedToolkit themed(host);
    platform::ui::ScopedToolkit guard(themed);
    CGridCtrl grid(3, 3, 1, 1);
    grid.DefaultCellFor(false, true)->SetBackColor(platform::ui::kWhite);
    grid.DefaultCellFor(false, false)->SetBackColor(Rgb(1, 2, 3));
    grid.m_crGridLines = Rgb(9, 9, 9);

    themed.look.Set(SysColour::Window, Rgb(250, 250, 240));
    themed.look.Set(SysColour::WindowText, Rgb(20, 20, 20));
    themed.look.Set(SysColour::ButtonShadow, Rgb(100, 100, 100));
    themed.look.Set(SysColour::Highlight, Rgb(50, 100, 200));
    grid.OnSysColorChange();

    EXPECT_EQ(grid.DefaultCellFor(false, true)->GetBackColor(), Rgb(250, 250, 240))
        << "it had the old window colour";
    EXPECT_EQ(grid.DefaultCellFor(false, false)->GetBackColor(), Rgb(1, 2, 3)) << "its own";
    EXPECT_EQ(grid.DefaultCellFor(true, false)->GetBackColor(), Rgb(240, 240, 240))
        << "the button face is not the window colour";
    for (bool fixedRow : {false, true}) {
        for (bool fixedCol : {false, true})
            EXPECT_EQ(grid.DefaultCellFor(fixedRow, fixedCol)->GetTextColor(), Rgb(20, 20, 20));
    }
    EXPECT_EQ(grid.m_crBackground, Rgb(100, 100, 100));
    EXPECT_EQ(grid.m_crGridLines, Rgb(9, 9, 9));
    EXPECT_EQ(grid.SysColour(SysColour::Highlight), Rgb(50, 100, 200));
}

}  // namespace
}  // namespace kordel::test

// Grid cells: the defaults they take from the default cell of their kind, their measuring, their
// copying, and what one cell paints and prints, in order (fill, frame, text).
#include "controls/grid_cell.h"

#include <gtest/gtest.h>

#include "controls/grid_ctrl.h"
#include "tests/controls/grid_test_support.h"

namespace kordel::test {
namespace {

using platform::ui::Font;
using platform::ui::RecordingDC;
using platform::ui::Rect;
using platform::ui::Rgb;
using platform::ui::Size;

using GridCellTest = GridTest;

TEST_F(GridCellTest, ACellTakesTheDefaultsOfItsKindUntilItHasItsOwn) {
    CGridCtrl grid(3, 3, 1, 1);
    grid.DefaultCellFor(false, false)->SetFormat(platform::ui::kDtLeft);
    grid.DefaultCellFor(true, false)->SetFormat(platform::ui::kDtCenter);
    grid.DefaultCellFor(false, true)->SetFormat(platform::ui::kDtRight);
    grid.DefaultCellFor(true, true)->SetFormat(platform::ui::kDtBottom);
    grid.DefaultCellFor(true, false)->SetMargin(11);

    // A cell made by SetCellClass keeps only what the old cell had of its own.
    struct Case {
        const char* what;
        unsigned state;
        unsigned format;
        unsigned margin;
    };
    const Case cases[] = {
        {"ordinary", 0, platform::ui::kDtLeft, kMargin},
        {"fixed row", kGridCellStateFixed | kGridCellStateFixedRow, platform::ui::kDtCenter, 11},
        {"fixed column", kGridCellStateFixed | kGridCellStateFixedCol, platform::ui::kDtRight,
         kMargin},
        {"fixed corner", kGridCellStateFixed | kGridCellStateFixedRow | kGridCellStateFixedCol,
         platform::ui::kDtBottom, kMargin},
    };
    for (const Case& c : cases) {
        CGridCell cell;
        cell.SetOwnerGrid(&grid);
        cell.SetState(c.state);
        EXPECT_EQ(cell.GetFormat(), c.format) << c.what;
        EXPECT_EQ(cell.GetMargin(), c.margin) << c.what;
        EXPECT_EQ(*cell.GetFont(), Font({"Arial", -12})) << c.what;
        cell.SetFormat(platform::ui::kDtRight | platform::ui::kDtSingleLine);
        cell.SetMargin(2);
        EXPECT_EQ(cell.GetFormat(), platform::ui::kDtRight | platform::ui::kDtSingleLine) << c.what;
        EXPECT_EQ(cell.GetMargin(), 2u) << c.what;
        cell.Reset();
        cell.SetState(c.state);
        EXPECT_EQ(cell.GetFormat(), c.format) << c.what << ": after Reset the default again";
        EXPECT_EQ(cell.GetMargin(), c.margin) << c.what;
    }

    // Without a grid there is nothing to fall back on.
    CGridCell orphan;
    EXPECT_EQ(orphan.GetFormat(), 0u);
    EXPECT_EQ(orphan.GetMargin(), 0u);
    EXPECT_EQ(orphan.GetFont(), nullptr);
    EXPECT_EQ(orphan.GetDefaultCell(), nullptr);
}

TEST_F(GridCellTest, DefaultCellsAreReadOnlyMeasureTheirFontAndKeepNoState) {
    CGridCtrl grid;
    CGridDefaultCell& def = *grid.DefaultCellFor(false, false);
    EXPECT_EQ(def.GetMargin(), static_cast<unsigned>(kMargin));
    EXPECT_EQ(def.GetWidth(), kColumnWidth);
    EXPECT_EQ(def.GetHeight(), kRowHeight);
    EXPECT_EQ(def.GetFormat(), kGridDefaultTextFormat);
    def.SetState(0);
    def.SetUserData(42);
    EXPECT_TRUE(def.IsReadOnly());
    EXPECT_EQ(def.GetState(), kGridCellStateReadOnly);
    EXPECT_EQ(def.GetUserData(), 0);

    // A 20-pixel font: a blank of 12 pixels, 14 characters of 12, one and a half of 20 high.
    const Font big{"Arial", -20};
    grid.SetFont(big);
    EXPECT_EQ(*grid.GetFont(), big);
    EXPECT_EQ(def.GetMargin(), 12u);
    EXPECT_EQ(def.GetWidth(), 168);
    EXPECT_EQ(def.GetHeight(), 30);
    EXPECT_EQ(grid.DefaultCellFor(true, true)->GetHeight(), 30);
}

TEST(GridCellWithoutScreen, DefaultCellsTakeFixedSizesWhenNothingCanMeasure) {
    CGridDefaultCell def;
    EXPECT_EQ(def.GetMargin(), CGridDefaultCell::kUnmeasuredMargin);
    EXPECT_EQ(def.GetWidth(), CGridDefaultCell::kUnmeasuredSize.cx);
    EXPECT_EQ(def.GetHeight(), CGridDefaultCell::kUnmeasuredSize.cy);
}

TEST_F(GridCellTest, OwnFontsAndColoursAreKeptAndGivenUp) {
    CGridCtrl grid(2, 2);
    CGridCellBase& cell = *grid.GetCell(1, 1);
    const Font bold{"Courier New", -14, platform::ui::kFontWeightBold};
    cell.SetFont(&bold);
    EXPECT_FALSE(cell.IsDefaultFont());
    EXPECT_EQ(*cell.GetFont(), bold);
    cell.SetFont(nullptr);
    EXPECT_TRUE(cell.IsDefaultFont());
    EXPECT_EQ(cell.GetFont(), grid.GetFont());

    cell.SetText("");
    EXPECT_EQ(cell.GetText(), "");
    EXPECT_EQ(cell.GetTextColor(), kGridDefaultColour);
    grid.SetCellBackColor(1, 1, Rgb(230, 230, 230));
    EXPECT_EQ(cell.GetBackColor(), Rgb(230, 230, 230));
}

TEST_F(GridCellTest, TextExtentIsTheTextPlusFourMarginsAcrossAndTwoDown) {
    CGridCtrl grid(2, 2);
    CGridCellBase& cell = *grid.GetCell(1, 1);
    RecordingDC dc(96.0);
    struct Case {
        const char* what;
        std::string text;
        unsigned format;
        Size extent;
    };
    const Case cases[] = {
        // 3 x 7.2 = 21.6 -> 22 by 12, plus 28 and 14.
        {"one line", "abc", kGridDefaultTextFormat, {50, 26}},
        // The wider second line, 4 x 7.2 = 28.8 -> 29, by two lines of 12.
        {"two lines broken at line feeds", "ab\nabcd", platform::ui::kDtWordBreak, {57, 38}},
        {"empty text", "", kGridDefaultTextFormat, {28, 26}},
    };
    for (const Case& c : cases) {
        cell.SetFormat(c.format);
        EXPECT_EQ(cell.GetTextExtent(c.text, &dc), c.extent) << c.what;
        EXPECT_EQ(cell.GetTextExtent(c.text, nullptr), c.extent) << c.what << ", no DC given";
    }

    // The cell's extent adds its image beside the text.
    GridImageList images;
    images.images.push_back(platform::ui::Bitmap{16, 30, {}});
    grid.SetImageList(&images);
    cell.SetFormat(kGridDefaultTextFormat);
    cell.SetText("abc");
    cell.SetImageIndex(0);
    EXPECT_EQ(cell.GetCellExtent(&dc), Size(50 + 17, 31));
    Rect text{10, 0, 100, 17};
    cell.GetTextRect(text);
    EXPECT_EQ(text.left, 10 + 17 + kMargin);
}

TEST_F(GridCellTest, CopyFromTakesEveryPropertyAndNothingFromItself) {
    CGridCtrl grid(2, 2);
    CGridCellBase& source = *grid.GetCell(1, 1);
    source.SetText("12.5");
    source.SetImageIndex(3);
    source.SetUserData(77);
    source.SetState(kGridCellStateReadOnly);
    source.SetBackColor(Rgb(230, 230, 230));
    const Font face{"Courier New", -11};
    source.SetFont(&face);

    source.CopyFrom(source);
    EXPECT_EQ(source.GetText(), "12.5");

    CGridCell copy;
    copy.CopyFrom(source);
    EXPECT_EQ(copy.GetOwnerGrid(), &grid);
    EXPECT_EQ(copy.GetText(), "12.5");
    EXPECT_EQ(copy.GetImageIndex(), 3);
    EXPECT_EQ(copy.GetUserData(), 77);
    EXPECT_EQ(copy.GetState(), kGridCellStateReadOnly);
    EXPECT_EQ(copy.GetBackColor(), Rgb(230, 230, 230));
    EXPECT_EQ(copy.GetTextColor(), kGridDefaultColour);
    EXPECT_EQ(*copy.GetFont(), face);
    // Format and margin arrive as values of their own.
    grid.DefaultCellFor(false, false)->SetFormat(platform::ui::kDtCenter);
    EXPECT_EQ(copy.GetFormat(), kGridDefaultTextFormat);
    EXPECT_EQ(copy.GetMargin(), static_cast<unsigned>(kMargin));
}

// ---- Painting one cell --------------------------------------------------------------------------

/// A 3 x 3 grid with a heading row and column; cell (1, 1) reads "abc" and is painted in the
/// rectangle (0, 0)-(100, 17), right and bottom inclusive, as the grid's painter passes it.
class CellPaintTest : public GridTest {
  protected:
    CellPaintTest() : grid(3, 3, 1, 1) {
        for (int r = 0; r < 3; ++r) {
            for (int c = 0; c < 3; ++c) grid.SetCellText(r, c, "abc");
        }
    }
    std::vector<std::string> Paint(int row, int col, bool erase = false) {
        RecordingDC dc(96.0);
        grid.GetCell(row, col)->Draw(dc, row, col, {0, 0, 100, 17}, erase);
        return Summary(dc);
    }
    CGridCtrl grid;
};

TEST_F(CellPaintTest, OrdinaryCellsFillFrameAndWriteInThisOrder) {
    struct Case {
        const char* what;
        unsigned state;
        GridColour back;
        int lineMode;
        std::vector<std::string> ops;
    };
    // The text sits a margin in, centred in the height: baseline 2.5 + 9.6 down.
    const Case cases[] = {
        {"plain: the grid filled the ground already",
         0,
         {},
         kGridLinesBoth,
         {"text 'abc' 7,12.1 000000"}},
        {"a colour of its own is filled even without erase",
         0,
         Rgb(255, 0, 0),
         kGridLinesBoth,
         {"fill 0,0,101,18 ff0000", "text 'abc' 7,12.1 000000"}},
        {"selected",
         kGridCellStateSelected,
         {},
         kGridLinesBoth,
         {"fill 0,0,101,18 0078d7", "text 'abc' 7,12.1 ffffff"}},
        {"focus: framed in its text colour inside the grid lines",
         kGridCellStateFocused,
         {},
         kGridLinesBoth,
         {"frame 0,0,100,17 000000", "text 'abc' 7,12.1 000000"}},
        {"focus and selected: highlight, framed in the highlight text colour",
         kGridCellStateFocused | kGridCellStateSelected,
         {},
         kGridLinesBoth,
         {"fill 0,0,101,18 0078d7", "frame 0,0,100,17 ffffff", "text 'abc' 7,12.1 ffffff"}},
        {"focus without grid lines: the frame one pixel further right and down",
         kGridCellStateFocused,
         {},
         kGridLinesNone,
         {"frame 0,0,101,18 000000", "text 'abc' 7,12.1 000000"}},
        {"focus with a colour of its own",
         kGridCellStateFocused,
         Rgb(230, 230, 230),
         kGridLinesBoth,
         {"fill 0,0,101,18 e6e6e6", "frame 0,0,100,17 000000", "text 'abc' 7,12.1 000000"}},
    };
    for (const Case& c : cases) {
        grid.m_nLineMode = c.lineMode;
        grid.GetCell(1, 1)->SetState(c.state);
        grid.SetCellBackColor(1, 1, c.back);
        EXPECT_EQ(Paint(1, 1), c.ops) << c.what;
    }
}

TEST_F(CellPaintTest, HeadingsLookRaisedOrSunkenByTheFocus) {
    // Raised: lit top and left, dark right and bottom; the text one pixel further in.
    const std::vector<std::string> raised = {"line 100,0-0,0 ffffff", "line 0,0-0,17 ffffff",
                                             "line 100,0-100,17 696969", "line 100,17-0,17 696969",
                                             "text 'abc' 8,12.1 000000"};
    EXPECT_EQ(Paint(0, 1), raised);
    EXPECT_EQ(Paint(1, 0), raised);

    // The headings of the focus cell's row and column look sunken.
    grid.SetFocusCell(1, 2);
    const std::vector<std::string> sunken = {"line 0,17-0,0 696969", "line 0,0-101,0 696969",
                                             "line 0,17-100,17 e3e3e3", "line 100,17-100,-1 e3e3e3",
                                             "text 'abc' 8,12.6 000000"};
    EXPECT_EQ(Paint(0, 2), sunken);
    EXPECT_EQ(Paint(1, 0), sunken);
    EXPECT_EQ(Paint(0, 1), raised);
    grid.m_bHighlightFocusHeadings = false;
    EXPECT_EQ(Paint(0, 2), raised);

    // Without grid lines a heading has no border at all.
    grid.m_nLineMode = kGridLinesNone;
    EXPECT_EQ(Paint(0, 1), std::vector<std::string>{"text 'abc' 7,12.1 000000"});
}

TEST_F(CellPaintTest, TheSortArrowSitsAtTheBottomRightOfRowZeroOnly) {
    grid.m_nLineMode = kGridLinesNone;
    grid.SortByColumn(2, true);
    // An 8-pixel "M" in a 10-pixel cell: a 4-pixel triangle 2 pixels above the bottom, at the
    // right less the margin, lit outline first, shadow one pixel up and left.
    const Font small{"Arial", -8};
    grid.GetCell(0, 2)->SetFont(&small);
    RecordingDC dc(96.0);
    grid.GetCell(0, 2)->Draw(dc, 0, 2, {0, 0, 50, 9}, false);
    const std::vector<std::string> up = {"line 40,8-42,4 ffffff", "line 42,4-44,8 ffffff",
                                         "line 44,8-40,8 ffffff", "line 39,7-41,3 a0a0a0",
                                         "line 41,3-43,7 a0a0a0", "line 43,7-39,7 a0a0a0"};
    EXPECT_EQ(SummaryOf(dc, "line"), up);

    RecordingDC below(96.0);
    grid.GetCell(1, 2)->Draw(below, 1, 2, {0, 0, 50, 9}, false);
    EXPECT_TRUE(SummaryOf(below, "line").empty()) << "no arrow below the heading row";

    grid.SortByColumn(2, false);
    RecordingDC down(96.0);
    grid.GetCell(0, 2)->Draw(down, 0, 2, {0, 0, 50, 9}, false);
    EXPECT_EQ(SummaryOf(down, "line").front(), "line 40,4-42,8 ffffff") << "pointing down";
}

TEST_F(CellPaintTest, NothingIsDrawnWithoutAGridOrRoom) {
    RecordingDC dc(96.0);
    CGridCell orphan;
    EXPECT_FALSE(orphan.Draw(dc, 1, 1, {0, 0, 100, 17}));
    EXPECT_FALSE(grid.GetCell(1, 1)->Draw(dc, 1, 1, {0, 0, 0, 17}));
    EXPECT_FALSE(grid.GetCell(1, 1)->PrintCell(dc, 1, 1, {0, 0, 100, 0}));
    EXPECT_TRUE(dc.Ops().empty());
}

TEST_F(CellPaintTest, PrintingFillsOnlyColoursThatStandOut) {
    struct Case {
        const char* what;
        int row;
        int col;
        GridColour back;
        bool colour;
        std::vector<std::string> ops;
    };
    const Case cases[] = {
        {"an ordinary cell leaves the paper white", 1, 1, {}, true, {"text 'abc' 7,12.1 000000"}},
        {"its default colour is not printed either",
         1,
         1,
         platform::ui::kWhite,
         true,
         {"text 'abc' 7,12.1 000000"}},
        {"a colour of its own is",
         1,
         1,
         Rgb(230, 230, 230),
         true,
         {"fill 0,0,101,18 e6e6e6", "text 'abc' 7,12.1 000000"}},
        {"a heading prints its face and border",
         0,
         1,
         {},
         true,
         {"fill 0,0,101,18 f0f0f0", "line 100,0-0,0 ffffff", "line 0,0-0,17 ffffff",
          "line 100,0-100,17 696969", "line 100,17-0,17 696969", "text 'abc' 8,12.1 000000"}},
        {"without colour: black text, no fill",
         1,
         1,
         Rgb(230, 230, 230),
         false,
         {"text 'abc' 7,12.1 000000"}},
    };
    grid.SetFocusCell(1, 1);
    grid.SetCellState(1, 1, grid.GetCellState(1, 1) | kGridCellStateSelected);
    grid.SetCellTextColor(2, 2, Rgb(255, 0, 0));
    for (const Case& c : cases) {
        grid.m_bPrintColour = c.colour;
        grid.SetCellBackColor(c.row, c.col, c.back);
        RecordingDC dc(96.0, true);
        grid.GetCell(c.row, c.col)->PrintCell(dc, c.row, c.col, {0, 0, 100, 17});
        EXPECT_EQ(Summary(dc), c.ops) << c.what << " (no focus or selection on paper)";
    }
}

}  // namespace
}  // namespace kordel::test

// The grid's data model: counts and fixed counts, addresses refused outside the grid, counts and
// storage kept together when memory runs out, the selection set against the cells' state bits,
// sorting under the heading rows, fitting the columns to the window, editing with the owner's
// veto, replacing a cell's class, and virtual mode.
#include "controls/grid_ctrl.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <new>

#include "tests/controls/grid_test_support.h"

namespace kordel::test {
namespace {

using platform::ui::Point;
using platform::ui::Rect;
using platform::ui::Rgb;

/// Every cell holds the selected bit exactly when the selection holds it, and the count agrees.
void ExpectSelectionInStep(const CGridCtrl& grid, const std::string& what) {
    int selected = 0;
    for (int r = 0; r < grid.GetRowCount(); ++r) {
        for (int c = 0; c < grid.GetColumnCount(); ++c) {
            const bool bit = (grid.GetCellState(r, c) & kGridCellStateSelected) != 0;
            EXPECT_EQ(bit, grid.IsCellSelected(r, c)) << what << " at " << r << "," << c;
            selected += bit ? 1 : 0;
        }
    }
    EXPECT_EQ(grid.GetSelectedCount(), selected) << what;
}

/// Every row has a cell for every column, and a size for each.
void ExpectStorageMatchesCounts(const CGridCtrl& grid, const std::string& what) {
    for (int r = 0; r < grid.GetRowCount(); ++r) {
        EXPECT_GE(grid.GetRowHeight(r), 0) << what;
        for (int c = 0; c < grid.GetColumnCount(); ++c)
            EXPECT_NE(grid.GetCell(r, c), nullptr) << what << " at " << r << "," << c;
    }
    for (int c = 0; c < grid.GetColumnCount(); ++c) EXPECT_GE(grid.GetColumnWidth(c), 0) << what;
    EXPECT_EQ(grid.GetRowHeight(grid.GetRowCount()), -1) << what;
    EXPECT_EQ(grid.GetColumnWidth(grid.GetColumnCount()), -1) << what;
    EXPECT_EQ(grid.GetCell(grid.GetRowCount(), 0), nullptr) << what;
    EXPECT_EQ(grid.GetCell(0, grid.GetColumnCount()), nullptr) << what;
}

using GridDataTest = GridTest;

TEST_F(GridDataTest, FixedCountsMarkTheirCellsAndFollowTheCounts) {
    constexpr unsigned kRow = kGridCellStateFixed | kGridCellStateFixedRow;
    constexpr unsigned kCol = kGridCellStateFixed | kGridCellStateFixedCol;
    struct State {
        int row;
        int col;
        unsigned state;
    };
    struct Case {
        const char* what;
        std::function<void(CGridCtrl&)> steps;
        int rows, cols, fixedRows, fixedCols;
        std::vector<State> states;
    };
    const Case cases[] = {
        {"a fixed row on an empty grid makes the row",
         [](CGridCtrl& g) { g.SetFixedRowCount(1); },
         1,
         0,
         1,
         0,
         {}},
        {"removing the rows lowers the fixed count",
         [](CGridCtrl& g) {
             g.SetFixedRowCount(1);
             g.SetRowCount(0);
         },
         0,
         0,
         0,
         0,
         {}},
        {"fixed rows and a fixed column",
         [](CGridCtrl& g) {
             g.SetRowCount(4);
             g.SetColumnCount(3);
             g.SetFixedColumnCount(1);
             g.SetFixedRowCount(2);
         },
         4,
         3,
         2,
         1,
         {{0, 0, kRow | kCol},
          {0, 1, kRow},
          {1, 0, kRow | kCol},
          {2, 0, kCol},
          {2, 1, 0},
          {3, 2, 0}}},
        {"a row that stops being fixed keeps its fixed column",
         [](CGridCtrl& g) {
             g.SetRowCount(4);
             g.SetColumnCount(3);
             g.SetFixedColumnCount(1);
             g.SetFixedRowCount(2);
             g.SetFixedRowCount(1);
         },
         4,
         3,
         1,
         1,
         {{0, 1, kRow}, {1, 0, kCol}, {1, 1, 0}, {1, 2, 0}}},
        {"more fixed columns than columns adds columns",
         [](CGridCtrl& g) {
             g.SetRowCount(2);
             g.SetColumnCount(3);
             g.SetFixedColumnCount(5);
         },
         2,
         5,
         0,
         5,
         {{1, 4, kCol}, {0, 0, kCol}}},
        {"removing columns lowers the fixed count",
         [](CGridCtrl& g) {
             g.SetRowCount(2);
             g.SetColumnCount(3);
             g.SetFixedColumnCount(2);
             g.SetColumnCount(1);
         },
         2,
         1,
         0,
         1,
         {{1, 0, kCol}}},
        {"new columns in a fixed row are fixed",
         [](CGridCtrl& g) {
             g.SetRowCount(2);
             g.SetFixedRowCount(1);
             g.SetColumnCount(2);
         },
         2,
         2,
         1,
         0,
         {{0, 1, kRow}, {1, 1, 0}}},
    };
    for (const Case& c : cases) {
        CGridCtrl grid;
        c.steps(grid);
        EXPECT_EQ(grid.GetRowCount(), c.rows) << c.what;
        EXPECT_EQ(grid.GetColumnCount(), c.cols) << c.what;
        EXPECT_EQ(grid.GetFixedRowCount(), c.fixedRows) << c.what;
        EXPECT_EQ(grid.GetFixedColumnCount(), c.fixedCols) << c.what;
        for (const State& s : c.states)
            EXPECT_EQ(grid.GetCellState(s.row, s.col), s.state)
                << c.what << " at " << s.row << "," << s.col;
        ExpectStorageMatchesCounts(grid, c.what);
    }
}

TEST_F(GridDataTest, CellsThatBecomeOrStopBeingHeadingsLoseTheirColoursAndTheFocus) {
    CGridCtrl grid(4, 3);
    grid.SetCellBackColor(1, 1, Rgb(230, 230, 230));
    grid.SetCellTextColor(1, 2, Rgb(255, 0, 0));
    grid.SetFocusCell(1, 1);
    grid.SetFixedRowCount(2);
    EXPECT_EQ(grid.GetCell(1, 1)->GetBackColor(), kGridDefaultColour);
    EXPECT_EQ(grid.GetCell(1, 2)->GetTextColor(), kGridDefaultColour);
    EXPECT_EQ(grid.GetFocusCell(), CCellID{});
    EXPECT_EQ(grid.GetCellState(1, 1) & kGridCellStateFocused, 0u);

    grid.SetCellBackColor(1, 1, Rgb(1, 2, 3));
    grid.SetFixedRowCount(0);
    EXPECT_EQ(grid.GetCell(1, 1)->GetBackColor(), kGridDefaultColour);
}

TEST_F(GridDataTest, AddressesAndCountsOutsideTheGridAreRefusedAndChangeNothing) {
    CGridCtrl grid(3, 3, 1, 1);
    Show(grid, {400, 200});
    grid.SetCellText(1, 1, "kept");
    const Point outside[] = {{-1, 0}, {0, -1}, {3, 0}, {0, 3}, {INT_MAX, 1}, {1, INT_MIN}};
    for (const Point p : outside) {
        const int r = p.x;
        const int c = p.y;
        const std::string at = std::to_string(r) + "," + std::to_string(c);
        EXPECT_EQ(grid.GetCell(r, c), nullptr) << at;
        EXPECT_FALSE(grid.SetCellText(r, c, "x")) << at;
        EXPECT_EQ(grid.GetCellText(r, c), "") << at;
        EXPECT_FALSE(grid.SetCellState(r, c, kGridCellStateSelected)) << at;
        EXPECT_EQ(grid.GetCellState(r, c), 0u) << at;
        EXPECT_FALSE(grid.SetCellBackColor(r, c, Rgb(1, 1, 1))) << at;
        EXPECT_FALSE(grid.SetCellTextColor(r, c, Rgb(1, 1, 1))) << at;
        EXPECT_FALSE(grid.SetCellClass(r, c, [] { return std::make_unique<CGridCell>(); })) << at;
        EXPECT_FALSE(grid.IsCellEditable(r, c)) << at;
        EXPECT_FALSE(grid.IsCellVisible(r, c)) << at;
        Rect rect;
        EXPECT_FALSE(grid.GetCellRect(r, c, rect)) << at;
        EXPECT_FALSE(grid.InvalidateCell(r, c)) << at;
        EXPECT_FALSE(grid.RepaintCell(r, c)) << at;
        EXPECT_EQ(grid.PointInCell(r, c, {5, 5}), Point{}) << at;
        grid.SetFocusCell(r, c);
        EXPECT_EQ(grid.GetFocusCell(), CCellID{}) << at;
        grid.OnEndEditCell(r, c, "x");
        grid.ScrollCellIntoView(r, c);
    }
    EXPECT_EQ(grid.GetSelectedCount(), 0);
    for (int i : {-1, 3, INT_MAX, INT_MIN}) {
        EXPECT_EQ(grid.GetRowHeight(i), -1) << i;
        EXPECT_EQ(grid.GetColumnWidth(i), -1) << i;
        EXPECT_FALSE(grid.SetRowHeight(i, 10)) << i;
        EXPECT_FALSE(grid.SetColumnWidth(i, 10)) << i;
        EXPECT_FALSE(grid.AutoSizeColumn(i)) << i;
        EXPECT_FALSE(grid.AutoSizeRow(i)) << i;
        EXPECT_FALSE(grid.SortByColumn(i)) << i;
    }
    EXPECT_FALSE(grid.SetRowHeight(1, -5));
    EXPECT_FALSE(grid.SetColumnWidth(1, -5));
    const GridCompareFunction compare = &CGridCtrl::CompareCellText;
    EXPECT_FALSE(grid.SortRowRange(compare, 1, true, 0, -1, 2)) << "a row before the first";
    EXPECT_FALSE(grid.SortRowRange(compare, 1, true, 0, 1, 3)) << "a row after the last";
    EXPECT_FALSE(grid.SortRowRange(compare, -1, true, 0, 1, 2)) << "a column before the first";
    EXPECT_FALSE(grid.SetRowCount(-1));
    EXPECT_FALSE(grid.SetColumnCount(-2));
    EXPECT_FALSE(grid.SetFixedRowCount(-1));
    EXPECT_FALSE(grid.SetFixedColumnCount(-1));

    EXPECT_EQ(grid.GetRowCount(), 3);
    EXPECT_EQ(grid.GetColumnCount(), 3);
    EXPECT_EQ(grid.GetFixedRowCount(), 1);
    EXPECT_EQ(grid.GetFixedColumnCount(), 1);
    EXPECT_EQ(grid.GetCellText(1, 1), "kept");
    ExpectStorageMatchesCounts(grid, "after the refusals");
}

/// A grid whose memory runs out after a number of new cells.
class ScarceGrid : public CGridCtrl {
  public:
    int cellsLeft = INT_MAX;

  protected:
    std::unique_ptr<CGridCellBase> CreateCell(int row, int col) override {
        if (cellsLeft-- <= 0) throw std::bad_alloc();
        return CGridCtrl::CreateCell(row, col);
    }
};

TEST_F(GridDataTest, CountsAndStorageStayTogetherWhenMemoryRunsOut) {
    ScarceGrid grid;
    grid.SetRowCount(3);
    grid.SetColumnCount(2);
    grid.SetCellText(2, 1, "kept");

    // Two more columns need six cells; the fifth fails. Nothing changes.
    grid.cellsLeft = 4;
    EXPECT_FALSE(grid.SetColumnCount(4));
    EXPECT_EQ(grid.GetColumnCount(), 2);
    EXPECT_EQ(grid.GetCellText(2, 1), "kept");
    EXPECT_FALSE(grid.SetCellText(2, 3, "past the end"));
    ExpectStorageMatchesCounts(grid, "failed columns");

    // Three more rows of two cells; the second row fails half made. The whole first row stays.
    grid.cellsLeft = 3;
    EXPECT_FALSE(grid.SetRowCount(6));
    EXPECT_EQ(grid.GetRowCount(), 4);
    ExpectStorageMatchesCounts(grid, "failed rows");

    // A fixed count that needs columns that cannot be made leaves the fixed count alone.
    grid.cellsLeft = 0;
    EXPECT_FALSE(grid.SetFixedColumnCount(3));
    EXPECT_EQ(grid.GetFixedColumnCount(), 0);
    EXPECT_EQ(grid.GetColumnCount(), 2);

    grid.cellsLeft = INT_MAX;
    EXPECT_TRUE(grid.SetColumnCount(4));
    EXPECT_TRUE(grid.SetCellText(3, 3, "now there"));
    ExpectStorageMatchesCounts(grid, "after memory came back");
}

TEST_F(GridDataTest, TheSelectionFollowsTheSelectedBitThroughEveryChange) {
    struct Case {
        const char* what;
        std::function<void(CGridCtrl&)> steps;
        int selected;
    };
    const Case cases[] = {
        {"selected, then not",
         [](CGridCtrl& g) {
             g.SetCellState(2, 2, kGridCellStateSelected);
             g.SetCellState(2, 2, 0);
         },
         0},
        {"a selected cell that is destroyed is forgotten",
         [](CGridCtrl& g) {
             g.SetCellState(4, 3, kGridCellStateSelected);
             g.SetCellState(1, 1, kGridCellStateSelected | kGridCellStateReadOnly);
             g.SetRowCount(4);
         },
         1},
        {"and so is one of a removed column",
         [](CGridCtrl& g) {
             g.SetCellState(2, 3, kGridCellStateSelected);
             g.SetColumnCount(3);
         },
         0},
        {"a rectangle", [](CGridCtrl& g) { g.SetSelection(1, 1, 2, 3); }, 6},
        {"a rectangle reaching into the headings starts below them",
         [](CGridCtrl& g) { g.SetSelection(0, 0, 2, 2); }, 4},
        {"select all takes the scrollable cells", [](CGridCtrl& g) { g.SelectAll(); }, 12},
        {"deselecting a part",
         [](CGridCtrl& g) {
             g.SelectAll();
             g.SetSelection(1, 1, 1, 3, false, false);
         },
         9},
        {"cleared",
         [](CGridCtrl& g) {
             g.SelectAll();
             g.ClearSelection();
         },
         0},
        {"sorting cancels it",
         [](CGridCtrl& g) {
             g.SelectAll();
             g.SortByColumn(1);
         },
         0},
        {"new fixed counts cancel it",
         [](CGridCtrl& g) {
             g.SelectAll();
             g.SetFixedColumnCount(2);
         },
         0},
        {"deleting every cell empties it",
         [](CGridCtrl& g) {
             g.SelectAll();
             g.DeleteAllCells();
         },
         0},
    };
    for (const Case& c : cases) {
        CGridCtrl grid(5, 4, 1, 1);
        c.steps(grid);
        EXPECT_EQ(grid.GetSelectedCount(), c.selected) << c.what;
        ExpectSelectionInStep(grid, c.what);
    }

    CGridCtrl grid(5, 4, 1, 1);
    grid.SetSelection(2, 1, 3, 2);
    EXPECT_EQ(grid.GetSelectionBounds(), (CCellRange{2, 1, 3, 2}));
    grid.ClearSelection();
    EXPECT_EQ(grid.GetSelectionBounds(), (CCellRange{5, 4, -1, -1})) << "none: an invalid range";
}

TEST_F(GridDataTest, SortingMovesWholeRowsUnderTheHeadings) {
    // Column 0 the key, column 1 the row's name; the row heights travel with the rows.
    auto make = [](std::vector<std::string> keys) {
        auto grid = std::make_unique<CGridCtrl>(static_cast<int>(keys.size()) + 1, 2, 1, 0);
        grid->SetCellText(0, 0, "Key");
        grid->SetCellText(0, 1, "Row");
        for (int r = 1; r <= static_cast<int>(keys.size()); ++r) {
            grid->SetCellText(r, 0, keys[static_cast<size_t>(r - 1)]);
            grid->SetCellText(r, 1, "r" + std::to_string(r));
            grid->SetRowHeight(r, 10 + r);
        }
        return grid;
    };
    auto rows = [](const CGridCtrl& g) {
        std::string s;
        for (int r = 0; r < g.GetRowCount(); ++r) {
            s += g.GetCellText(r, 0) + "/" + g.GetCellText(r, 1) + "/" +
                 std::to_string(g.GetRowHeight(r)) + " ";
        }
        return s;
    };
    struct Case {
        const char* what;
        std::vector<std::string> keys;
        bool ascending;
        std::string rows;
    };
    const Case cases[] = {
        {"ascending, case-sensitive",
         {"c", "a", "B", "b"},
         true,
         "Key/Row/18 B/r3/13 a/r2/12 b/r4/14 c/r1/11 "},
        {"descending", {"c", "a", "B", "b"}, false, "Key/Row/18 c/r1/11 b/r4/14 a/r2/12 B/r3/13 "},
        {"equal keys are never swapped with each other",
         {"x", "x", "x", "x"},
         true,
         "Key/Row/18 x/r1/11 x/r2/12 x/r3/13 x/r4/14 "},
    };
    for (const Case& c : cases) {
        auto grid = make(c.keys);
        EXPECT_TRUE(grid->SortByColumn(0, c.ascending)) << c.what;
        EXPECT_EQ(rows(*grid), c.rows) << c.what;
        EXPECT_EQ(grid->GetSortColumn(), 0) << c.what;
        EXPECT_EQ(grid->GetSortAscending(), c.ascending) << c.what;
        for (int r = 0; r < grid->GetRowCount(); ++r)
            EXPECT_EQ(grid->GetCellState(r, 0) & kGridCellStateFixedRow, r == 0 ? 0x20u : 0u);
    }

    // A compare of the grid's owner: numbers by value.
    auto grid = make({"10", "9", "100"});
    grid->SetCompareFunction([](const CGridCellBase* a, const CGridCellBase* b, std::intptr_t) {
        const double x = std::stod(a->GetText());
        const double y = std::stod(b->GetText());
        return x < y ? -1 : (x > y ? 1 : 0);
    });
    grid->SortByColumn(0);
    EXPECT_EQ(rows(*grid), "Key/Row/18 9/r2/12 10/r1/11 100/r3/13 ");

    // Changing a cell of the sort column forgets the sort.
    grid->SetCellText(2, 0, "5");
    EXPECT_EQ(grid->GetSortColumn(), -1);
}

TEST_F(GridDataTest, FitColumnsToWidthSpreadsTheRemainderAPixelAtATime) {
    struct Case {
        const char* what;
        int clientWidth;
        std::vector<int> widths;
        int fixedCols;
        bool includeFixed;
        std::vector<int> fitted;
    };
    const Case cases[] = {
        {"200 spare over three: 66 each and 2 more",
         500,
         {100, 100, 100},
         0,
         true,
         {167, 167, 166}},
        {"7 too wide: 2 less each and 1 more off the first",
         500,
         {169, 169, 169},
         0,
         true,
         {166, 167, 167}},
        {"a hidden column takes its turn and stays hidden",
         500,
         {100, 0, 100, 100},
         0,
         true,
         {167, 0, 166, 166}},
        {"the fixed column kept out", 500, {80, 100, 100}, 1, false, {80, 210, 210}},
        {"the fixed column counted", 500, {80, 100, 100}, 1, true, {154, 173, 173}},
        {"a column never shrinks below a pixel", 30, {5, 5, 50}, 0, true, {1, 1, 40}},
    };
    for (const Case& c : cases) {
        CGridCtrl grid(1, static_cast<int>(c.widths.size()), 0, c.fixedCols);
        for (size_t i = 0; i < c.widths.size(); ++i)
            grid.SetColumnWidth(static_cast<int>(i), c.widths[i]);
        Show(grid, {c.clientWidth, 100});
        grid.FitColumnsToWidth(c.includeFixed);
        std::vector<int> fitted;
        for (int i = 0; i < grid.GetColumnCount(); ++i) fitted.push_back(grid.GetColumnWidth(i));
        EXPECT_EQ(fitted, c.fitted) << c.what;
        int total = 0;
        for (int w : fitted) total += w;
        EXPECT_EQ(Window(grid).IsScrollBarShown(false), total > c.clientWidth)
            << c.what << ": a bar only when the columns could not be made to fit";
    }

    CGridCtrl noWindow(1, 2);
    noWindow.FitColumnsToWidth(true);
    EXPECT_EQ(noWindow.GetColumnWidth(0), kColumnWidth) << "no window, nothing to fit to";
}

TEST_F(GridDataTest, AutoSizingMeasuresTheWidestCellAndLeavesHiddenOnesHidden) {
    CGridCtrl grid(3, 2, 1, 0);
    grid.SetCellText(0, 0, "abc");
    grid.SetCellText(2, 0, "abcdefgh");  // 57.6 -> 58, plus four margins of 7
    EXPECT_TRUE(grid.AutoSizeColumn(0));
    EXPECT_EQ(grid.GetColumnWidth(0), 86);
    EXPECT_TRUE(grid.AutoSizeColumn(0, 1)) << "the heading row only";
    EXPECT_EQ(grid.GetColumnWidth(0), 50);
    grid.SetColumnWidth(1, 0);
    EXPECT_FALSE(grid.AutoSizeColumn(1));
    EXPECT_EQ(grid.GetColumnWidth(1), 0);
    EXPECT_TRUE(grid.AutoSizeRow(2));
    EXPECT_EQ(grid.GetRowHeight(2), 26);
}

TEST_F(GridDataTest, ModifiedCellsAndTheGridForgetTogether) {
    CGridCtrl grid(3, 3);
    grid.SetModified(false);
    EXPECT_FALSE(grid.GetModified());
    grid.SetCellText(1, 1, "7");
    EXPECT_TRUE(grid.GetModified());
    EXPECT_TRUE(grid.GetCell(1, 1)->IsModified());
    grid.SetModified(false, 1, 1);
    EXPECT_FALSE(grid.GetCell(1, 1)->IsModified());
    grid.SetCellText(2, 2, "8");
    grid.SetModified(false);
    EXPECT_FALSE(grid.GetCell(2, 2)->IsModified());
}

TEST_F(GridDataTest, TheFocusStaysOffTheHeadingsAndMovesItsBit) {
    CGridCtrl grid(4, 4, 1, 1);
    EXPECT_EQ(grid.SetFocusCell(0, 0), CCellID{});
    EXPECT_EQ(grid.GetFocusCell(), (CCellID{1, 1})) << "raised out of the headings";
    EXPECT_EQ(grid.SetFocusCell(2, 3), (CCellID{1, 1}));
    EXPECT_EQ(grid.GetCellState(1, 1) & kGridCellStateFocused, 0u);
    EXPECT_EQ(grid.GetCellState(2, 3) & kGridCellStateFocused, kGridCellStateFocused);
    grid.SetRowCount(2);
    EXPECT_EQ(grid.GetFocusCell(), CCellID{}) << "its row went";
}

// ---- Editing and the owner ----------------------------------------------------------------------

/// What the owner heard, and how it answers.
struct RecordingOwner : GridOwner {
    std::vector<std::string> heard;
    bool allowBegin = true;
    bool allowEnd = true;
    bool OnGridBeginEdit(CGridCtrl&, CCellID c) override {
        heard.push_back("begin " + std::to_string(c.row) + "," + std::to_string(c.col));
        return allowBegin;
    }
    bool OnGridEndEdit(CGridCtrl& g, CCellID c) override {
        heard.push_back("end " + std::to_string(c.row) + "," + std::to_string(c.col) + " " +
                        g.GetCellText(c.row, c.col));
        return allowEnd;
    }
    void OnGridSelectionChanging(CGridCtrl&, CCellID) override { heard.push_back("changing"); }
    void OnGridSelectionChanged(CGridCtrl&, CCellID) override { heard.push_back("changed"); }
};

/// A cell that records its editing and refuses the text "bad".
class EditCell : public CGridCell {
  public:
    bool Edit(int row, int col, Rect rect, Point, int controlId, int character) override {
        edits.push_back(std::to_string(row) + "," + std::to_string(col) + " " +
                        std::to_string(rect.top) + " id " + std::to_string(controlId) + " '" +
                        static_cast<char>(character) + "'");
        m_bInEdit = true;
        return true;
    }
    bool ValidateEdit(const std::string& text) override { return text != "bad"; }
    void OnEndEdit() override {
        CGridCell::OnEndEdit();
        ++ended;
    }
    std::vector<std::string> edits;
    int ended = 0;
};

TEST_F(GridDataTest, AnEndedEditIsStoredOnlyWhenTheCellAndTheOwnerAcceptIt) {
    struct Case {
        const char* what;
        std::string typed;
        bool ownerAccepts;
        std::string text;
        bool modified;
        std::vector<std::string> heard;
    };
    const Case cases[] = {
        {"accepted", "12.5", true, "12.5", true, {"end 1,1 12.5"}},
        {"the owner sees the new text and rejects it", "12.5", false, "3", false, {"end 1,1 12.5"}},
        {"the cell rejects it before the owner hears", "bad", true, "3", false, {}},
        {"an unchanged text is nobody's business", "3", true, "3", false, {}},
    };
    for (const Case& c : cases) {
        CGridCtrl grid(3, 3, 1, 1);
        RecordingOwner owner;
        grid.SetOwner(&owner);
        grid.SetCellClass(1, 1, [] { return std::make_unique<EditCell>(); });
        grid.SetCellText(1, 1, "3");
        grid.SetModified(false);
        owner.allowEnd = c.ownerAccepts;
        grid.OnEndEditCell(1, 1, c.typed);
        EXPECT_EQ(grid.GetCellText(1, 1), c.text) << c.what;
        EXPECT_EQ(grid.GetModified(), c.modified) << c.what;
        EXPECT_EQ(grid.GetCell(1, 1)->IsModified(), c.modified) << c.what;
        EXPECT_EQ(owner.heard, c.heard) << c.what;
        EXPECT_EQ(static_cast<EditCell*>(grid.GetCell(1, 1))->ended, 1) << c.what;
    }
}

TEST_F(GridDataTest, EditingStartsOnAVisibleEditableCellTheOwnerAllows) {
    struct Case {
        const char* what;
        int row;
        std::function<void(CGridCtrl&, RecordingOwner&)> setUp;
        std::vector<std::string> heard;
        std::vector<std::string> edits;
    };
    // Rows 18 pixels high below a heading row of 18 in a window 100 high (a vertical bar, no
    // horizontal one): rows 1 to 5 show, the fifth cut.
    const Case cases[] = {
        {"an editable cell",
         2,
         [](CGridCtrl&, RecordingOwner&) {},
         {"begin 2,1"},
         {"2,1 36 id 8 '7'"}},
        {"the owner refuses",
         2,
         [](CGridCtrl&, RecordingOwner& o) { o.allowBegin = false; },
         {"begin 2,1"},
         {}},
        {"a read-only cell: the owner is not asked",
         2,
         [](CGridCtrl& g, RecordingOwner&) { g.SetCellState(2, 1, kGridCellStateReadOnly); },
         {},
         {}},
        {"a grid that is not editable",
         2,
         [](CGridCtrl& g, RecordingOwner&) { g.m_bEditable = false; },
         {},
         {}},
        {"a cell below the window is scrolled in first: it ends at the bottom",
         9,
         [](CGridCtrl&, RecordingOwner&) {},
         {"begin 9,1"},
         {"9,1 72 id 8 '7'"}},
    };
    for (const Case& c : cases) {
        CGridCtrl grid(10, 3, 1, 1);
        RecordingOwner owner;
        grid.SetOwner(&owner);
        for (int r = 1; r < 10; ++r)
            grid.SetCellClass(r, 1, [] { return std::make_unique<EditCell>(); });
        Show(grid, {350, 100});
        c.setUp(grid, owner);
        grid.OnEditCell(c.row, 1, {-1, -1}, '7');
        EXPECT_EQ(owner.heard, c.heard) << c.what;
        EXPECT_EQ(static_cast<EditCell*>(grid.GetCell(c.row, 1))->edits, c.edits) << c.what;
    }
}

TEST_F(GridDataTest, ACellClassTakesOverTheOldCell) {
    CGridCtrl grid(3, 3, 1, 1);
    grid.SetCellText(2, 2, "L");
    grid.SetCellBackColor(2, 2, Rgb(230, 230, 230));
    grid.SetCellState(2, 2, kGridCellStateReadOnly | kGridCellStateSelected);
    EXPECT_TRUE(grid.SetCellClass(2, 2, [] { return std::make_unique<EditCell>(); }));
    CGridCellBase* cell = grid.GetCell(2, 2);
    ASSERT_NE(dynamic_cast<EditCell*>(cell), nullptr);
    EXPECT_EQ(cell->GetText(), "L");
    EXPECT_EQ(cell->GetBackColor(), Rgb(230, 230, 230));
    EXPECT_EQ(cell->GetState(), kGridCellStateReadOnly | kGridCellStateSelected);
    EXPECT_EQ(cell->GetOwnerGrid(), &grid);
    ExpectSelectionInStep(grid, "after the new class");

    EXPECT_FALSE(grid.SetCellClass(1, 1, nullptr));
    EXPECT_FALSE(grid.SetCellClass(1, 1, [] { return std::unique_ptr<CGridCellBase>(); }));
    EXPECT_FALSE(grid.SetCellClass(
        1, 1, []() -> std::unique_ptr<CGridCellBase> { throw std::bad_alloc(); }));
    EXPECT_NE(dynamic_cast<CGridCell*>(grid.GetCell(1, 1)), nullptr);

    // New cells of a class of the grid's choosing.
    CGridCtrl combos;
    combos.SetDefaultCellClass([] { return std::make_unique<EditCell>(); });
    combos.SetRowCount(2);
    combos.SetColumnCount(2);
    EXPECT_NE(dynamic_cast<EditCell*>(combos.GetCell(1, 1)), nullptr);
}

TEST_F(GridDataTest, VirtualModeAsksForEveryCellAndKeepsOnlyTheSelection) {
    CGridCtrl grid;
    grid.SetVirtualMode(true);
    grid.SetRowCount(100);
    grid.SetColumnCount(3);
    grid.SetFixedRowCount(1);
    std::vector<CCellID> asked;
    grid.SetCallbackFunc([&](GridItem& item) {
        asked.push_back({item.row, item.col});
        item.text = "r" + std::to_string(item.row) + "c" + std::to_string(item.col);
        return true;
    });
    EXPECT_EQ(grid.GetCellText(57, 2), "r57c2");
    EXPECT_EQ(asked, (std::vector<CCellID>{{57, 2}}));
    EXPECT_FALSE(grid.SetCellText(57, 2, "x"));
    EXPECT_FALSE(grid.SetCellClass(57, 2, [] { return std::make_unique<CGridCell>(); }));
    EXPECT_EQ(grid.GetCellState(0, 1), kGridCellStateFixed | kGridCellStateFixedRow);

    grid.SetSelection(5, 0, 6, 1);
    EXPECT_EQ(grid.GetSelectedCount(), 4);
    EXPECT_TRUE(grid.IsCellSelected(6, 1));
    EXPECT_EQ(grid.GetCellState(6, 1), kGridCellStateSelected);
    grid.SetFocusCell(6, 1);
    EXPECT_EQ(grid.GetCellState(6, 1), kGridCellStateSelected | kGridCellStateFocused);
    grid.SetRowCount(6);
    EXPECT_EQ(grid.GetSelectedCount(), 2) << "the selection of removed rows goes with them";
    EXPECT_FALSE(grid.SortByColumn(1));
}

TEST_F(GridDataTest, SelectAllTellsTheOwnerBeforeAndAfter) {
    CGridCtrl grid(3, 3, 1, 1);
    RecordingOwner owner;
    grid.SetOwner(&owner);
    grid.OnEditSelectAll();
    EXPECT_EQ(owner.heard, (std::vector<std::string>{"changing", "changed"}));
    EXPECT_EQ(grid.GetSelectedCount(), 4);
}

}  // namespace
}  // namespace kordel::test

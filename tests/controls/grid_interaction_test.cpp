// The grid control in use, driven through its headless window as a user drives it: in-place
// editing and the drop-down cell, the keys, the mouse and the selection, the clipboard, drag
// and drop between grids, and printing.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "controls/grid_ctrl.h"
#include "grid_test_support.h"
#include "platform/ui/clipboard.h"
#include "platform/ui/menu.h"
#include "platform/ui/recording_print.h"

namespace kordel::test {
namespace {

using platform::ui::DropEffect;
using platform::ui::HeadlessControl;
using platform::ui::HeadlessEdit;
using platform::ui::MouseAction;
using platform::ui::Point;
using platform::ui::Rect;
namespace ui = platform::ui;

std::string Id(CCellID c) {
    return std::to_string(c.row) + "," + std::to_string(c.col);
}

/// Every notification of the owner, with the code the grid's owner window is sent.
struct Owner : GridOwner {
    std::vector<std::string> heard;
    void OnGridClick(CGridCtrl&, CCellID c) override { heard.push_back("-2 " + Id(c)); }
    void OnGridDoubleClick(CGridCtrl&, CCellID c) override { heard.push_back("-3 " + Id(c)); }
    void OnGridRightClick(CGridCtrl&, CCellID c) override { heard.push_back("-5 " + Id(c)); }
    void OnGridSelectionChanging(CGridCtrl&, CCellID c) override {
        heard.push_back("-100 " + Id(c));
    }
    void OnGridSelectionChanged(CGridCtrl&, CCellID c) override {
        heard.push_back("-101 " + Id(c));
    }
    bool OnGridBeginEdit(CGridCtrl&, CCellID c) override {
        heard.push_back("-105 " + Id(c));
        return true;
    }
    bool OnGridEndEdit(CGridCtrl& g, CCellID c) override {
        heard.push_back("-106 " + Id(c) + " " + g.GetCellText(c.row, c.col));
        return true;
    }
    void OnGridBeginDrag(CGridCtrl&, CCellID c) override { heard.push_back("-109 " + Id(c)); }
    void OnGridCommand(CGridCtrl&) override { heard.push_back("command"); }
};

/// A grid of 7 rows and 4 columns, one heading row and column, each scrollable cell holding
/// "row.col", in a window that shows all of it (cells 101 x 18 pixels).
class GridInteractionTest : public GridTest {
  public:
    GridInteractionTest() : grid(7, 4, 1, 1) {
        for (int r = 1; r < 7; ++r) {
            for (int c = 1; c < 4; ++c) grid.SetCellText(r, c, std::to_string(r) + "." + std::to_string(c));
        }
        grid.SetOwner(&owner);
        window = &Show(grid, {450, 200});
    }
    /// The middle of a cell in client pixels.
    static Point At(int row, int col) { return {kColumnWidth * col + 50, kRowHeight * row + 9}; }
    void Click(int row, int col, unsigned keys = 0) {
        window->Mouse(MouseAction::LeftDown, At(row, col), keys | ui::kMouseLeft);
        window->Mouse(MouseAction::LeftUp, At(row, col), keys);
    }
    HeadlessEdit* Edit() const { return window->Edit(); }
    std::string Selected() const {
        std::string s;
        for (int r = 0; r < grid.GetRowCount(); ++r) {
            for (int c = 0; c < grid.GetColumnCount(); ++c) {
                if (grid.IsCellSelected(r, c)) s += (s.empty() ? "" : " ") + Id({r, c});
            }
        }
        return s;
    }

    Owner owner;
    CGridCtrl grid;
    HeadlessControl* window = nullptr;
};

// ---- In-place editing ---------------------------------------------------------------------------

TEST_F(GridInteractionTest, TheKeyThatStartsAnEditSetsTheFieldsTextAndCaret) {
    struct Case {
        const char* what;
        std::function<void(GridInteractionTest&)> start;
        std::string text;
        int selStart;
        int selEnd;
    };
    const Case cases[] = {
        {"a typed digit replaces the text", [](auto& t) { t.window->Char('7'); }, "7", 1, 1},
        {"Backspace takes off the last character", [](auto& t) { t.window->Char(ui::kKeyBack); },
         "12.", 3, 3},
        {"F2 keeps the text, caret at its end", [](auto& t) { t.window->KeyDown(ui::kKeyF1 + 1); },
         "12.5", 4, 4},
        {"a click on the focus cell keeps the text", [](auto& t) { t.Click(2, 2); }, "12.5", 4, 4},
        {"Space selects the whole text", [](auto& t) { t.window->Char(' '); }, "12.5", 0, 4},
    };
    for (const Case& c : cases) {
        grid.SetCellText(2, 2, "12.5");
        grid.SetFocusCell(2, 2);
        c.start(*this);
        ASSERT_NE(Edit(), nullptr) << c.what;
        EXPECT_EQ(Edit()->GetText(), c.text) << c.what;
        int start = -1, end = -1;
        Edit()->GetSelection(start, end);
        EXPECT_EQ(start, c.selStart) << c.what;
        EXPECT_EQ(end, c.selEnd) << c.what;
        EXPECT_TRUE(Edit()->HasFocus()) << c.what;
        EXPECT_EQ(Edit()->GetRect(), (Rect{202, 36, 303, 54})) << c.what << ": over the cell";
        EXPECT_TRUE(grid.IsCellEditing(2, 2)) << c.what;
        Edit()->Char(ui::kKeyEscape);
        EXPECT_EQ(Edit(), nullptr) << c.what;
        EXPECT_FALSE(grid.IsCellEditing(2, 2)) << c.what;
        EXPECT_EQ(grid.GetCellText(2, 2), "12.5") << c.what << ": Escape restores";
    }
}

TEST_F(GridInteractionTest, LeavingTheEditorStoresTheTextAndArrowsOpenTheNextCell) {
    struct Case {
        const char* what;
        int key;          ///< a key down, or 0 for the character
        int character;
        std::string text;
        CCellID focus;
        bool reopened;
        std::vector<std::string> heard;
    };
    const Case cases[] = {
        {"Down opens the cell below", ui::kKeyDown, 0, "7", {3, 2}, true,
         {"-105 2,2", "-106 2,2 7", "-100 3,2", "-101 3,2", "-105 3,2"}},
        {"Tab opens the next cell", 0, ui::kKeyTab, "7", {2, 3}, true,
         {"-105 2,2", "-106 2,2 7", "-100 2,3", "-101 2,3", "-105 2,3"}},
        {"Enter stays", 0, ui::kKeyReturn, "7", {2, 2}, false, {"-105 2,2", "-106 2,2 7"}},
        {"Escape restores and stays", 0, ui::kKeyEscape, "2.2", {2, 2}, false, {"-105 2,2"}},
    };
    for (const Case& c : cases) {
        grid.SetCellText(2, 2, "2.2");
        grid.SetFocusCell(2, 2);
        owner.heard.clear();
        window->Char('7');
        ASSERT_NE(Edit(), nullptr) << c.what;
        if (c.key)
            Edit()->KeyDown(c.key);
        else
            Edit()->Char(c.character);
        EXPECT_EQ(grid.GetCellText(2, 2), c.text) << c.what;
        EXPECT_EQ(grid.GetFocusCell(), c.focus) << c.what;
        EXPECT_EQ(owner.heard, c.heard) << c.what;
        if (c.reopened) {
            ASSERT_NE(Edit(), nullptr) << c.what;
            EXPECT_TRUE(Edit()->HasFocus()) << c.what;
            EXPECT_FALSE(window->HasFocus()) << c.what << ": the keys go to the new field";
            EXPECT_TRUE(grid.IsCellEditing(c.focus.row, c.focus.col)) << c.what;
            EXPECT_EQ(Edit()->GetText(), grid.GetCellText(c.focus.row, c.focus.col)) << c.what;
            int start = -1, end = -1;
            Edit()->GetSelection(start, end);
            EXPECT_EQ(start, 0) << c.what << ": the whole text selected";
            EXPECT_EQ(end, 3) << c.what;
            Edit()->Char(ui::kKeyEscape);
        } else {
            EXPECT_EQ(Edit(), nullptr) << c.what;
            EXPECT_TRUE(window->HasFocus()) << c.what;
        }
        EXPECT_FALSE(grid.IsCellEditing(2, 2)) << c.what;
    }
}

TEST_F(GridInteractionTest, AnEditorOpenedByTheMouseLetsTheArrowsMoveTheCaret) {
    grid.SetCellText(2, 2, "12.5");
    grid.SetFocusCell(2, 2);
    window->KeyDown(ui::kKeyF1 + 1);
    ASSERT_NE(Edit(), nullptr);
    Edit()->KeyDown(ui::kKeyLeft);
    Edit()->KeyDown(ui::kKeyLeft);
    EXPECT_EQ(Edit()->Caret(), 2);
    Edit()->Char('0');
    EXPECT_EQ(Edit()->GetText(), "120.5");
    Edit()->KeyDown(ui::kKeyLeft, ui::kModCtrl);
    EXPECT_EQ(grid.GetCellText(2, 2), "120.5");
    EXPECT_EQ(grid.GetFocusCell(), (CCellID{2, 1})) << "Ctrl+Left left the edit to the left";
    ASSERT_NE(Edit(), nullptr);
    EXPECT_TRUE(grid.IsCellEditing(2, 1));
}

TEST_F(GridInteractionTest, TheEditorGrowsWithItsTextUpToTheGridsEdge) {
    grid.SetColumnWidth(3, 60);
    window->Resize({400, 200});  // columns 0..2 take 303 pixels; the last starts there
    grid.SetFocusCell(1, 3);
    window->Char('x');
    ASSERT_NE(Edit(), nullptr);
    EXPECT_EQ(Edit()->GetRect().Width(), 60);
    Edit()->Type("xxxxxxxxxxxxxxxxxxxxxxxxxxxxxx");
    EXPECT_EQ(Edit()->GetRect(), (Rect{303, 18, 400, 36})) << "grown to the client's edge";
}

TEST_F(GridInteractionTest, AnEditorThatCannotBeMadeLeavesTheCellNotEditing) {
    grid.SetFocusCell(2, 2);
    window->FailNextEdit();
    window->KeyDown(ui::kKeyF1 + 1);
    EXPECT_EQ(Edit(), nullptr);
    EXPECT_FALSE(grid.IsCellEditing(2, 2)) << "no editor, no editing state";
    window->Char('5');
    ASSERT_NE(Edit(), nullptr) << "the next try opens one";
    Edit()->Char(ui::kKeyReturn);
    EXPECT_EQ(grid.GetCellText(2, 2), "5");
}

TEST_F(GridInteractionTest, ClickingElsewhereEndsTheEditAndKeepsTheText) {
    grid.SetFocusCell(2, 2);
    window->Char('9');
    Click(4, 1);
    EXPECT_EQ(Edit(), nullptr);
    EXPECT_EQ(grid.GetCellText(2, 2), "9");
    EXPECT_EQ(grid.GetFocusCell(), (CCellID{4, 1}));
    EXPECT_TRUE(window->HasFocus());
}

TEST_F(GridInteractionTest, TheDropDownCellOffersItsChoices) {
    ASSERT_TRUE(grid.SetCellClass(2, 2, [] { return std::make_unique<CGridCellCombo>(); }));
    auto* combo = static_cast<CGridCellCombo*>(grid.GetCell(2, 2));
    combo->SetChoices({"L", "R", "B"});
    grid.SetCellText(2, 2, "r");
    grid.SetFocusCell(2, 2);
    window->KeyDown(ui::kKeyF1 + 1);
    ASSERT_NE(Edit(), nullptr);
    const ui::EditSpec& spec = Edit()->Spec();
    EXPECT_TRUE(spec.dropDown);
    EXPECT_EQ(spec.choices, (std::vector<std::string>{"L", "R", "B"}));
    EXPECT_EQ(Edit()->GetRect().Height(), 18 + 4 * 18 + kBar) << "the field and the open list";
    EXPECT_EQ(spec.fieldHeight, 18);
    // The widest choice ("B", "L" or "R", 7.2 pixels at most), a scroll bar and a "0".
    EXPECT_EQ(spec.listWidth, 7 + kBar + 7);
    EXPECT_EQ(Edit()->GetListIndex(), 1) << "the choice that begins with the text, any case";
    EXPECT_EQ(Edit()->GetText(), "R");
    Edit()->KeyDown(ui::kKeyDown);
    EXPECT_EQ(Edit()->GetText(), "B") << "Down moves through the choices";
    Edit()->KeyDown(ui::kKeyDown, ui::kModCtrl);
    EXPECT_EQ(grid.GetCellText(2, 2), "B");
    EXPECT_EQ(grid.GetFocusCell(), (CCellID{3, 2})) << "Ctrl+Down ends the edit and moves on";
    ASSERT_NE(Edit(), nullptr);
    Edit()->Char(ui::kKeyEscape);

    grid.SetCellText(2, 2, "X");
    grid.SetFocusCell(2, 2);
    window->KeyDown(ui::kKeyF1 + 1);
    ASSERT_NE(Edit(), nullptr);
    EXPECT_EQ(Edit()->GetListIndex(), -1) << "a text that begins no choice";
    EXPECT_EQ(Edit()->GetText(), "X");
    Edit()->Char(ui::kKeyEscape);
}

TEST_F(GridInteractionTest, TheDropButtonShowsOnlyWhileTheCellMayBeEditedAndIsNot) {
    ASSERT_TRUE(grid.SetCellClass(2, 2, [] { return std::make_unique<CGridCellCombo>(); }));
    grid.SetRowHeight(2, 24);  // the button needs a cell higher than a scroll bar
    // The button's down arrow is the only polygon a cell draws.
    auto arrows = [&] {
        int n = 0;
        const std::unique_ptr<ui::RecordingDC> picture = window->PaintNow();
        for (const auto& op : picture->Ops())
            n += op.kind == ui::RecordingDC::OpKind::Polygon;
        return n;
    };
    EXPECT_EQ(arrows(), 1);
    grid.SetCellState(2, 2, grid.GetCellState(2, 2) | kGridCellStateReadOnly);
    EXPECT_EQ(arrows(), 0) << "read-only";
    grid.SetCellState(2, 2, 0);
    grid.m_bEditable = false;
    EXPECT_EQ(arrows(), 0) << "the grid is not editable";
    grid.m_bEditable = true;
    grid.SetFocusCell(2, 2);
    window->KeyDown(ui::kKeyF1 + 1);
    EXPECT_EQ(arrows(), 0) << "while the list is open";
}

// ---- Keys, selection and focus ----------------------------------------------------------------

TEST_F(GridInteractionTest, TabWrapsToTheNextShownRowAndStaysWhenThereIsNone) {
    struct Case {
        const char* what;
        CCellID from;
        unsigned modifiers;
        std::vector<int> hiddenRows;
        CCellID to;
    };
    const Case cases[] = {
        {"Tab in a row", {2, 1}, 0, {}, {2, 2}},
        {"Tab at the end of a row", {2, 3}, 0, {}, {3, 1}},
        {"Tab over a hidden row", {2, 3}, 0, {3}, {4, 1}},
        {"Tab in the last cell", {6, 3}, 0, {}, {6, 3}},
        {"Tab with every row below hidden", {4, 3}, 0, {5, 6}, {4, 3}},
        {"Shift+Tab at the start of a row", {3, 1}, ui::kModShift, {}, {2, 3}},
        {"Shift+Tab with every row above hidden", {3, 1}, ui::kModShift, {1, 2}, {3, 1}},
        {"Shift+Tab in the first cell", {1, 1}, ui::kModShift, {}, {1, 1}},
    };
    for (const Case& c : cases) {
        for (int r = 1; r < 7; ++r) grid.SetRowHeight(r, kRowHeight);
        for (int r : c.hiddenRows) grid.SetRowHeight(r, 0);
        grid.SetFocusCell(c.from);
        window->KeyDown(ui::kKeyTab, c.modifiers);
        EXPECT_EQ(grid.GetFocusCell(), c.to) << c.what;
        EXPECT_GT(grid.GetRowHeight(grid.GetFocusCell().row), 0) << c.what;
    }
}

TEST_F(GridInteractionTest, ArrowsMoveTheFocusAndShiftExtendsFromTheAnchor) {
    struct Step {
        int key;
        unsigned modifiers;
        CCellID focus;
        std::string selected;
    };
    grid.SetFocusCell(2, 1);
    const Step steps[] = {
        {ui::kKeyDown, 0, {3, 1}, "3,1"},
        {ui::kKeyDown, ui::kModShift, {4, 1}, "3,1 4,1"},
        {ui::kKeyDown, ui::kModShift, {5, 1}, "3,1 4,1 5,1"},
        {ui::kKeyRight, ui::kModShift, {5, 2}, "3,1 3,2 4,1 4,2 5,1 5,2"},
        {ui::kKeyTab, 0, {5, 3}, "5,3"},
        {ui::kKeyRight, 0, {5, 3}, "5,3"},  // the last column: nothing moves
        {ui::kKeyUp, ui::kModShift, {4, 3}, "4,3 5,3"},
        {ui::kKeyHome, ui::kModCtrl, {1, 1}, "1,1"},
        {ui::kKeyEnd, ui::kModCtrl, {6, 3}, "6,3"},
        {ui::kKeyDown, 0, {6, 3}, "6,3"},  // the last row
    };
    for (const Step& s : steps) {
        window->KeyDown(s.key, s.modifiers);
        EXPECT_EQ(grid.GetFocusCell(), s.focus) << s.key;
        EXPECT_EQ(Selected(), s.selected) << s.key;
    }
    owner.heard.clear();
    window->KeyDown(ui::kKeyDown);
    EXPECT_TRUE(owner.heard.empty()) << "a key that moves nothing tells nothing";
    window->KeyDown(ui::kKeyUp);
    EXPECT_EQ(owner.heard, (std::vector<std::string>{"-100 5,3", "-101 5,3"}));
}

TEST_F(GridInteractionTest, KeysDoNothingWithoutAFocusCell) {
    grid.SetSelection(1, 1, 2, 2);
    ui::MemoryClipboard& clipboard = static_cast<ui::MemoryClipboard&>(toolkit.GetClipboard());
    clipboard.Clear();
    window->KeyDown(ui::kKeyInsert, ui::kModCtrl);
    EXPECT_FALSE(clipboard.HasText()) << "the shortcut needs a focus cell";
    grid.OnEditCopy();
    EXPECT_EQ(clipboard.GetText(), "1.1\t1.2\n2.1\t2.2") << "the command does not";
    window->KeyDown(ui::kKeyDown);
    window->Char('7');
    EXPECT_EQ(Edit(), nullptr);
}

TEST_F(GridInteractionTest, AClickAndADragSelectAndTellTheOwnerInOrder) {
    window->Mouse(MouseAction::LeftDown, At(2, 1), ui::kMouseLeft);
    window->Mouse(MouseAction::Move, At(2, 2), ui::kMouseLeft);
    window->Mouse(MouseAction::Move, At(2, 3), ui::kMouseLeft);
    EXPECT_TRUE(window->HasCapture());
    window->Mouse(MouseAction::LeftUp, At(2, 3));
    EXPECT_EQ(Selected(), "2,1 2,2 2,3");
    EXPECT_EQ(grid.GetFocusCell(), (CCellID{2, 3}));
    EXPECT_FALSE(window->HasCapture());
    EXPECT_EQ(owner.heard,
              (std::vector<std::string>{"-100 2,1", "-101 2,3", "-2 2,1", "command"}));
}

TEST_F(GridInteractionTest, CtrlClickTogglesCellsAndShiftClickExtends) {
    Click(1, 1);
    Click(3, 2, ui::kMouseCtrl);
    EXPECT_EQ(Selected(), "1,1 3,2") << "Ctrl adds";
    Click(1, 1, ui::kMouseCtrl);
    EXPECT_EQ(Selected(), "3,2") << "Ctrl takes a selected cell out";
    EXPECT_EQ(grid.GetFocusCell(), (CCellID{1, 1}));
    Click(4, 3, ui::kMouseShift);
    EXPECT_EQ(Selected(), "1,1 1,2 1,3 2,1 2,2 2,3 3,1 3,2 3,3 4,1 4,2 4,3") << "from the anchor";
}

TEST_F(GridInteractionTest, HeadingsSelectWholeRowsAndColumns) {
    Click(0, 2);
    EXPECT_EQ(Selected(), "1,2 2,2 3,2 4,2 5,2 6,2");
    Click(3, 0);
    EXPECT_EQ(Selected(), "3,1 3,2 3,3");
    Click(0, 0);
    EXPECT_EQ(grid.GetSelectedCount(), 18);
}

TEST_F(GridInteractionTest, APressOnTheFocusCellEditsAtTheReleaseUnlessReadOnly) {
    Click(2, 2);
    EXPECT_EQ(Edit(), nullptr) << "the first click only moves the focus";
    Click(2, 2);
    ASSERT_NE(Edit(), nullptr);
    Edit()->Char(ui::kKeyEscape);
    grid.SetCellState(2, 2, grid.GetCellState(2, 2) | kGridCellStateReadOnly);
    Click(2, 2);
    Click(2, 2);
    EXPECT_EQ(Edit(), nullptr);
}

TEST_F(GridInteractionTest, TheRightButtonMovesTheFocusOnly) {
    grid.SetSelection(1, 1, 1, 3);
    window->Mouse(MouseAction::RightUp, At(4, 2));
    EXPECT_EQ(grid.GetFocusCell(), (CCellID{4, 2}));
    EXPECT_EQ(Selected(), "1,1 1,2 1,3");
    window->Mouse(MouseAction::RightUp, {440, 190});
    EXPECT_EQ(owner.heard, (std::vector<std::string>{"-5 4,2", "-5 -1,-1"}));
}

TEST_F(GridInteractionTest, DraggingADividerKeepsTheColumnBetweenAPixelAndTheScrollableWidth) {
    struct Case {
        const char* what;
        int releaseX;
        int width;
    };
    // Column 2's right divider lies at x = 303; the scrollable part is 450 - 101 wide.
    const Case cases[] = {
        {"narrower", 250, 48},
        {"past its left edge", 100, 1},
        {"wider than the window", 2000, 450 - kColumnWidth},
    };
    for (const Case& c : cases) {
        grid.SetColumnWidth(2, kColumnWidth);
        window->Mouse(MouseAction::Move, {302, 9});
        EXPECT_EQ(grid.GetMouseMode(), kGridMouseOverColDivider) << c.what;
        window->Mouse(MouseAction::LeftDown, {302, 9}, ui::kMouseLeft);
        EXPECT_EQ(grid.GetMouseMode(), kGridMouseSizingCol) << c.what;
        window->Mouse(MouseAction::Move, {c.releaseX, 9}, ui::kMouseLeft);
        window->Mouse(MouseAction::LeftUp, {c.releaseX, 9});
        EXPECT_EQ(grid.GetColumnWidth(2), c.width) << c.what;
        EXPECT_EQ(grid.GetMouseMode(), kGridMouseNone) << c.what;
    }
}

TEST_F(GridInteractionTest, ADoubleClickOnADividerFitsTheColumnToItsLeft) {
    grid.SetCellText(3, 2, "a much longer text than the others");
    for (int x : {302, 304}) {  // on the divider, and just right of it
        grid.SetColumnWidth(2, kColumnWidth);
        window->Mouse(MouseAction::Move, {x, 9});
        window->Mouse(MouseAction::LeftDoubleClick, {x, 9});
        EXPECT_GT(grid.GetColumnWidth(2), 230) << x;
        EXPECT_EQ(grid.GetColumnWidth(3), kColumnWidth) << x;
    }
}

TEST_F(GridInteractionTest, HoldingTheButtonBelowTheGridGrowsTheSelectionEveryTick) {
    grid.SetRowCount(40);
    window->Mouse(MouseAction::LeftDown, At(2, 1), ui::kMouseLeft);
    EXPECT_TRUE(grid.IsAutoScrolling());
    window->Mouse(MouseAction::Move, At(9, 1), ui::kMouseLeft);
    EXPECT_EQ(grid.GetFocusCell(), (CCellID{9, 1}));
    window->SetPointer(Point{60, 260});  // below the window
    for (int tick = 1; tick <= 6; ++tick) {
        toolkit.AdvanceTime(grid.m_nAutoScrollPeriod);
        EXPECT_EQ(grid.GetFocusCell().row, 9 + tick) << "one row a tick";
        const CCellRange selected = grid.GetSelectionBounds();
        EXPECT_EQ(selected.minRow, 2) << "from the pressed cell";
        EXPECT_GE(selected.maxRow, 9 + tick) << "down to the pointer";
        EXPECT_EQ(selected.maxCol, 1);
    }
    EXPECT_GT(grid.GetScrollPosition(true), 0) << "the view follows";
    window->Mouse(MouseAction::LeftUp, {60, 260});
    EXPECT_FALSE(grid.IsAutoScrolling());
    EXPECT_EQ(toolkit.ActiveTimers(), 0);
}

TEST_F(GridInteractionTest, TheWheelScrollsLinesOrPages) {
    grid.SetRowCount(60);
    window->Wheel(-120, At(2, 2));
    EXPECT_EQ(grid.GetFirstVisibleCell(true).row, 4) << "three lines down";
    window->Wheel(120, At(2, 2));
    EXPECT_EQ(grid.GetFirstVisibleCell(true).row, 1);
}

TEST_F(GridInteractionTest, CommandStatesFollowTheSelectionAndTheClipboard) {
    ui::MemoryClipboard& clipboard = static_cast<ui::MemoryClipboard&>(toolkit.GetClipboard());
    clipboard.Clear();
    EXPECT_FALSE(grid.CanCopy());
    EXPECT_FALSE(grid.CanCut());
    EXPECT_FALSE(grid.CanPaste());
    Click(2, 2);
    EXPECT_TRUE(grid.CanCopy());
    EXPECT_TRUE(grid.CanCut());
    EXPECT_FALSE(grid.CanPaste()) << "nothing on the clipboard";
    clipboard.SetText("x");
    EXPECT_TRUE(grid.CanPaste());
    grid.m_bEditable = false;
    EXPECT_FALSE(grid.CanCut());
    EXPECT_FALSE(grid.CanPaste());
}

// ---- Clipboard ----------------------------------------------------------------------------------

TEST_F(GridInteractionTest, CopyWritesTheSelectionsRectangleAsTabbedRows) {
    grid.SetSelection(1, 1, 2, 3);
    EXPECT_EQ(grid.CopySelectedText(), "1.1\t1.2\t1.3\n2.1\t2.2\t2.3");
    grid.SetSelection(1, 1, 1, 1);
    grid.SetFocusCell(2, 3);
    window->Mouse(MouseAction::LeftDown, At(2, 3), ui::kMouseLeft | ui::kMouseCtrl);
    window->Mouse(MouseAction::LeftUp, At(2, 3), ui::kMouseCtrl);
    EXPECT_EQ(grid.CopySelectedText(), "1.1\t\t\n\t\t2.3") << "unselected cells stay empty";
    grid.SetColumnWidth(2, 0);
    grid.SetSelection(1, 1, 2, 3);
    EXPECT_EQ(grid.CopySelectedText(), "1.1\t1.3\n2.1\t2.3") << "a hidden column adds nothing";
    grid.ClearSelection();
    EXPECT_EQ(grid.CopySelectedText(), std::nullopt);
}

TEST_F(GridInteractionTest, CtrlCAndCtrlVGoThroughTheDesktopClipboard) {
    window->Mouse(MouseAction::LeftDown, At(1, 1), ui::kMouseLeft);
    window->Mouse(MouseAction::Move, At(2, 2), ui::kMouseLeft);
    window->Mouse(MouseAction::LeftUp, At(2, 2));
    window->KeyDown('C', ui::kModCtrl);
    EXPECT_EQ(toolkit.GetClipboard().GetText(), "1.1\t1.2\n2.1\t2.2");
    Click(4, 2);
    window->KeyDown('V', ui::kModCtrl);
    EXPECT_EQ(grid.GetCellText(4, 2), "1.1");
    EXPECT_EQ(grid.GetCellText(5, 3), "2.2");
    EXPECT_EQ(Selected(), "4,2 4,3 5,2 5,3") << "the pasted cells are the selection";
    window->KeyDown('X', ui::kModCtrl);
    EXPECT_EQ(grid.GetCellText(4, 2), "");
    EXPECT_EQ(grid.GetCellText(5, 3), "");
    EXPECT_EQ(toolkit.GetClipboard().GetText(), "1.1\t1.2\n2.1\t2.2");
}

TEST_F(GridInteractionTest, PasteSplitsAtTabsCommasAndLinesAndSkipsWhatItMust) {
    struct Case {
        const char* what;
        std::string block;
        CCellID at;
        std::function<void(CGridCtrl&)> setUp;
        std::vector<std::pair<CCellID, std::string>> expect;
    };
    const Case cases[] = {
        {"a comma separates fields too", "1,5\t2", {1, 1}, nullptr,
         {{{1, 1}, "1"}, {{1, 2}, "5"}, {{1, 3}, "2"}}},
        {"CRLF lines and blanks around fields", " a \r\nb\t c\r\n", {1, 1}, nullptr,
         {{{1, 1}, "a"}, {{2, 1}, "b"}, {{2, 2}, "c"}, {{3, 1}, "3.1"}}},
        {"at the last column the rest is dropped", "x\ty\tz", {1, 3}, nullptr,
         {{{1, 3}, "x"}, {{2, 1}, "2.1"}}},
        {"a hidden column is skipped", "x\ty", {1, 1}, [](CGridCtrl& g) { g.SetColumnWidth(2, 0); },
         {{{1, 1}, "x"}, {{1, 2}, "1.2"}, {{1, 3}, "y"}}},
        {"a read-only cell keeps its text", "x\ty\tz", {1, 1},
         [](CGridCtrl& g) { g.SetCellState(1, 2, kGridCellStateReadOnly); },
         {{{1, 1}, "x"}, {{1, 2}, "1.2"}, {{1, 3}, "z"}}},
        {"an empty line takes a row", "x\n\ny", {1, 1}, nullptr,
         {{{1, 1}, "x"}, {{2, 1}, "2.1"}, {{3, 1}, "y"}}},
        {"text ends at the first NUL", std::string("x\ty\0z\tw", 7), {1, 1}, nullptr,
         {{{1, 1}, "x"}, {{1, 2}, "y"}, {{1, 3}, "1.3"}}},
        {"lines below the last row are dropped", "a\nb\nc\nd", {5, 1}, nullptr,
         {{{5, 1}, "a"}, {{6, 1}, "b"}}},
    };
    for (const Case& c : cases) {
        CGridCtrl g(7, 4, 1, 1);
        for (int r = 1; r < 7; ++r) {
            for (int col = 1; col < 4; ++col)
                g.SetCellText(r, col, std::to_string(r) + "." + std::to_string(col));
        }
        if (c.setUp) c.setUp(g);
        EXPECT_TRUE(g.PasteText(c.at, c.block, true)) << c.what;
        for (const auto& [cell, text] : c.expect)
            EXPECT_EQ(g.GetCellText(cell.row, cell.col), text) << c.what << " " << Id(cell);
    }
    CGridCtrl g(3, 3, 1, 1);
    g.SetCellState(1, 1, kGridCellStateReadOnly);
    EXPECT_FALSE(g.PasteText({1, 1}, "x", true)) << "a read-only target";
    EXPECT_FALSE(g.PasteText({5, 5}, "x", true)) << "no such cell";
}

TEST_F(GridInteractionTest, PasteReadsNoFurtherThanTheBlock) {
    // A block with no NUL at its end, cut out of a larger buffer: nothing past it is read.
    const std::string buffer = "7\t8\t9SECRET";
    EXPECT_TRUE(grid.PasteText({1, 1}, std::string_view(buffer).substr(0, 5), false));
    EXPECT_EQ(grid.GetCellText(1, 1), "7");
    EXPECT_EQ(grid.GetCellText(1, 2), "8");
    EXPECT_EQ(grid.GetCellText(1, 3), "9");
    // A megabyte with far more columns and lines than the grid has.
    std::string big;
    while (big.size() < (1u << 20)) big += "v,w\tx,y,z,q\n";
    EXPECT_TRUE(grid.PasteText({1, 1}, big, false));
    EXPECT_EQ(grid.GetCellText(6, 3), "x");
    EXPECT_EQ(grid.GetCellText(0, 1), "") << "the headings are not touched";
}

// ---- Drag and drop ------------------------------------------------------------------------------

TEST_F(GridInteractionTest, DraggingTextToAnotherGridMovesOrCopiesIt) {
    CGridCtrl target(4, 3, 1, 1);
    target.m_bAllowDragDrop = true;
    HeadlessControl& targetWindow = Show(target, {400, 100});
    grid.m_bAllowDragDrop = true;
    for (const auto& [keys, sourceAfter] :
         {std::pair<unsigned, std::string>{0, ""}, {ui::kMouseCtrl, "1.1"}}) {
        grid.SetCellText(1, 1, "1.1");
        grid.SetCellText(1, 2, "1.2");
        target.SetCellText(2, 1, "");
        window->SetDragScript([&, keys = keys](const std::string& text) {
            return targetWindow.DropText(text, {101 + 50, 36 + 9}, keys);
        });
        grid.SetSelection(1, 1, 1, 2);
        owner.heard.clear();
        window->Mouse(MouseAction::LeftDown, At(1, 1), ui::kMouseLeft);
        EXPECT_EQ(grid.GetMouseMode(), kGridMouseDragPending);
        window->Mouse(MouseAction::Move, At(1, 2), ui::kMouseLeft);
        window->Mouse(MouseAction::LeftUp, At(1, 2));
        EXPECT_EQ(window->Dragged().back(), "1.1\t1.2");
        EXPECT_EQ(target.GetCellText(2, 1), "1.1");
        EXPECT_EQ(target.GetCellText(2, 2), "1.2");
        EXPECT_EQ(grid.GetCellText(1, 1), sourceAfter) << keys << ": a move empties the source";
        EXPECT_EQ(owner.heard.front(), "-109 1,1");
        EXPECT_EQ(target.GetCellState(2, 1) & kGridCellStateDropHighlighted, 0u);
    }
}

TEST_F(GridInteractionTest, AMoveWithinOneGridLeavesTheSourceFilled) {
    grid.m_bAllowDragDrop = true;
    window->SetDragScript(
        [&](const std::string& text) { return window->DropText(text, At(4, 1)); });
    grid.SetSelection(1, 1, 1, 2);
    window->Mouse(MouseAction::LeftDown, At(1, 1), ui::kMouseLeft);
    window->Mouse(MouseAction::Move, At(1, 2), ui::kMouseLeft);
    window->Mouse(MouseAction::LeftUp, At(1, 2));
    EXPECT_EQ(grid.GetCellText(4, 1), "1.1");
    EXPECT_EQ(grid.GetCellText(4, 2), "1.2");
    EXPECT_EQ(grid.GetCellText(1, 1), "1.1");
}

TEST_F(GridInteractionTest, ADropNeedsAnEditableCellAndAGridThatTakesDrops) {
    EXPECT_EQ(window->DropText("x", At(2, 2)), DropEffect::None) << "drag and drop not allowed";
    grid.m_bAllowDragDrop = true;
    grid.SetCellState(2, 2, kGridCellStateReadOnly);
    EXPECT_EQ(window->DropText("x", At(2, 2)), DropEffect::None) << "read-only";
    EXPECT_EQ(window->DropText("x", At(0, 2)), DropEffect::None) << "a heading";
    EXPECT_EQ(grid.GetCellText(2, 2), "2.2");
    EXPECT_EQ(window->DropText("x", At(3, 2), ui::kMouseCtrl), DropEffect::Copy);
    EXPECT_EQ(grid.GetCellText(3, 2), "x");
}

// ---- Printing -----------------------------------------------------------------------------------

/// The texts drawn on a page.
std::vector<std::string> Texts(const ui::RecordingDC& dc) {
    std::vector<std::string> texts;
    for (const auto& op : dc.Ops()) {
        if (op.kind == ui::RecordingDC::OpKind::Text) texts.push_back(op.text);
    }
    return texts;
}

bool Has(const std::vector<std::string>& texts, const std::string& text) {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

TEST_F(GridInteractionTest, ALongTablePrintsInBandsWithHeaderAndHeadingsOnEveryPage) {
    CGridCtrl table(1, 4, 1, 1);
    HeadlessControl& tableWindow = Show(table, {400, 300});
    tableWindow.SetAncestorText("Analysis Stations");
    table.SetCellText(0, 1, "Mu");
    // Rows 18 units high on a page 1.3 times the grid's width high: about 28 rows a page.
    table.SetRowCount(81);
    for (int r = 1; r < 81; ++r) table.SetCellText(r, 1, "row " + std::to_string(r));
    ui::RecordingPrintSurface surface;
    EXPECT_EQ(PrintGrid(table, surface), 3);
    ASSERT_EQ(surface.PageCount(), 3);
    for (int p = 0; p < 3; ++p) {
        const std::vector<std::string> texts = Texts(surface.Page(p));
        EXPECT_TRUE(Has(texts, "Analysis Stations")) << p;
        EXPECT_TRUE(Has(texts, "Kordel")) << p;
        EXPECT_TRUE(Has(texts, "Mu")) << p << ": the heading row on every page";
        EXPECT_TRUE(Has(texts, "Page " + std::to_string(p + 1) + " of 3")) << p;
    }
    // Every row printed once.
    int rows = 0;
    for (int p = 0; p < 3; ++p) {
        for (const std::string& t : Texts(surface.Page(p))) rows += t.rfind("row ", 0) == 0;
    }
    EXPECT_EQ(rows, 80);

}

TEST_F(GridInteractionTest, AGridThatFitsPrintsOnePageWithoutHeadingsWhenItHasNone) {
    CGridCtrl small(3, 2);
    small.SetCellText(0, 0, "a");
    ui::RecordingPrintSurface surface;
    EXPECT_EQ(PrintGrid(small, surface), 1);
    const std::vector<std::string> texts = Texts(surface.Page(0));
    EXPECT_TRUE(Has(texts, "Page 1 of 1"));
    EXPECT_TRUE(Has(texts, "a"));
}

}  // namespace
}  // namespace kordel::test

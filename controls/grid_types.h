// Shared types of the grid control: cell addresses and ranges, the state bits of a cell, the
// record of a cell's contents in virtual mode, the callbacks of sorting and virtual mode, and
// what the grid tells the window that owns it.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/ui/dc.h"
#include "platform/ui/geometry.h"

namespace kordel {

class CGridCtrl;
class CGridCellBase;

/// A cell address: row and column, (-1, -1) for none.
struct CCellID {
    int row = -1;
    int col = -1;

    bool IsValid() const { return row >= 0 && col >= 0; }
    friend bool operator==(const CCellID&, const CCellID&) = default;
    friend auto operator<=>(const CCellID&, const CCellID&) = default;
};

/// A rectangle of cells, bounds inclusive; (-1, -1, -1, -1) for none.
struct CCellRange {
    int minRow = -1;
    int minCol = -1;
    int maxRow = -1;
    int maxCol = -1;

    bool IsValid() const {
        return minRow >= 0 && minCol >= 0 && maxRow >= 0 && maxCol >= 0 && minRow <= maxRow &&
               minCol <= maxCol;
    }
    bool Contains(int row, int col) const {
        return IsValid() && row >= minRow && row <= maxRow && col >= minCol && col <= maxCol;
    }
    bool Contains(CCellID cell) const { return Contains(cell.row, cell.col); }
    friend bool operator==(const CCellRange&, const CCellRange&) = default;
};

// ---- Cell state bits --------------------------------------------------------------------------

inline constexpr unsigned kGridCellStateFocused = 0x01;
inline constexpr unsigned kGridCellStateSelected = 0x02;
inline constexpr unsigned kGridCellStateDropHighlighted = 0x04;
inline constexpr unsigned kGridCellStateReadOnly = 0x08;
inline constexpr unsigned kGridCellStateFixed = 0x10;
inline constexpr unsigned kGridCellStateFixedRow = 0x20;
inline constexpr unsigned kGridCellStateFixedCol = 0x40;
inline constexpr unsigned kGridCellStateModified = 0x80;

// ---- Values a cell may leave to its default cell -----------------------------------------------

/// A text format or margin of all bits set: the default cell's is taken.
inline constexpr unsigned kGridUseDefault = 0xFFFFFFFFu;
/// A cell colour; none (std::nullopt) means the default cell's colour.
using GridColour = std::optional<platform::ui::Colour>;
inline constexpr GridColour kGridDefaultColour = std::nullopt;

/// The text format of new default cells: left, vertically centred, one line, cut with "...".
inline constexpr unsigned kGridDefaultTextFormat =
    platform::ui::kDtLeft | platform::ui::kDtVCenter | platform::ui::kDtSingleLine |
    platform::ui::kDtNoPrefix | platform::ui::kDtEndEllipsis;

/// Control id the grid gives its in-place editor.
inline constexpr int kGridInPlaceEditId = 8;
/// The "character" that starts an edit by the mouse or F2: the text stays, caret at its end.
inline constexpr int kGridEditByMouse = 1;
/// Gap around the sort arrow of a heading, pixels.
inline constexpr int kGridSortArrowGap = 2;
/// Wheel notches are this many units.
inline constexpr int kGridWheelDelta = 120;

// ---- Virtual mode -----------------------------------------------------------------------------

/// The contents of one cell, as virtual mode asks for them.
struct GridItem {
    int row = -1;
    int col = -1;
    int mask = -1;  ///< -1: every field
    unsigned state = 0;
    unsigned format = 0;
    int image = -1;
    GridColour backColour;
    GridColour textColour;
    std::intptr_t userData = 0;
    std::optional<platform::ui::Font> font;  ///< none: the default cell's
    unsigned margin = 0;
    std::string text;
};

/// Fills `item` for virtual mode; the answer is not used.
using GridVirtualCallback = std::function<bool(GridItem& item)>;

// ---- Sorting ----------------------------------------------------------------------------------

/// Compares two cells for sorting (either may be missing): negative, 0 or positive.
using GridCompareFunction =
    std::function<int(const CGridCellBase* first, const CGridCellBase* second, std::intptr_t data)>;

/// Makes the cell object of a cell class.
using GridCellFactory = std::function<std::unique_ptr<CGridCellBase>()>;

// ---- The owner --------------------------------------------------------------------------------

/// What a grid tells the window that owns it (a dialog). Every answer defaults to "go on".
class GridOwner {
  public:
    virtual ~GridOwner() = default;
    /// A left-button release; the cell where the button went down.
    virtual void OnGridClick(CGridCtrl&, CCellID) {}
    virtual void OnGridDoubleClick(CGridCtrl&, CCellID) {}
    /// A right-button release; (-1, -1) off the cells.
    virtual void OnGridRightClick(CGridCtrl&, CCellID) {}
    /// Before and after the selection changes.
    virtual void OnGridSelectionChanging(CGridCtrl&, CCellID) {}
    virtual void OnGridSelectionChanged(CGridCtrl&, CCellID) {}
    /// Before a cell's text is edited, cut or pasted over; false refuses.
    virtual bool OnGridBeginEdit(CGridCtrl&, CCellID) { return true; }
    /// A cell's new text from an edit, a cut or a paste is in the cell; false rejects it and
    /// the old text comes back.
    virtual bool OnGridEndEdit(CGridCtrl&, CCellID) { return true; }
    /// A drag of the selection starts; the top-left selected cell.
    virtual void OnGridBeginDrag(CGridCtrl&, CCellID) {}
    /// Virtual mode: the cells about to be read; (-1, -1, -1, -1) after the run.
    virtual void OnGridCacheHint(CGridCtrl&, const CCellRange&) {}
    /// Virtual mode without a callback: fill the record of a cell.
    virtual void OnGridGetDisplayInfo(CGridCtrl&, GridItem&) {}
    /// After every left-button release whose press was on a cell.
    virtual void OnGridCommand(CGridCtrl&) {}
};

}  // namespace kordel

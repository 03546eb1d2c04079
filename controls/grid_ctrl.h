// The grid control: the spreadsheet-like table of the program's input dialogs. A dialog sets
// the row and column counts and the fixed (heading) counts, fills the cells with text, marks
// some read-only, sets column widths, spreads the columns over the window, reads the texts back
// and hears from the grid through its GridOwner.
//
// The grid holds its cells in rows of cell objects (or, in virtual mode, asks for each cell's
// contents), keeps the row heights and column widths (0 hides one), the fixed counts, the focus
// cell and the selection, and draws itself through a device context in a control window of the
// UI layer: the fixed rows at the top and fixed columns at the left stay, the rest scrolls a
// whole row and column at a time.
//
// Every row, column and count that a caller gives is checked before it reaches the cell store:
// an address outside the grid is refused (false, null, -1 or "" as each getter says), and a
// count that cannot be made leaves counts and storage consistent.
#pragma once

#include <cstdint>
#include <memory>
#include <set>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "controls/grid_cell.h"
#include "controls/grid_types.h"
#include "controls/in_place_edit.h"
#include "controls/title_tip.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/control_window.h"
#include "platform/ui/print.h"
#include "platform/ui/system_look.h"

namespace kordel {

/// Pictures drawn in cells: equal-sized images addressed by index.
struct GridImageList {
    std::vector<platform::ui::Bitmap> images;
    /// The rectangle of image `index` in the list's own pixels; false when there is none.
    bool ImageRect(int index, platform::ui::Rect& rect) const;
};

/// Scroll-bar codes of the grid's scroll handlers.
enum class GridScroll {
    LineUp = 0,
    LineDown = 1,
    PageUp = 2,
    PageDown = 3,
    ThumbPosition = 4,
    ThumbTrack = 5,
    Top = 6,
    Bottom = 7,
    EndScroll = 8,
};

/// Mouse modes of the grid.
enum GridMouseMode : int {
    kGridMouseNone = 0,
    kGridMouseSelectAll = 1,
    kGridMouseSelectCols = 2,
    kGridMouseSelectRows = 3,
    kGridMouseSelectCells = 4,
    kGridMouseOverRowDivider = 6,
    kGridMouseSizingRow = 7,
    kGridMouseOverColDivider = 8,
    kGridMouseSizingCol = 9,
    kGridMouseEditOnRelease = 10,
    kGridMouseDragPending = 11,
    kGridMouseDragging = 12,
};

/// Grid lines drawn between the scrollable cells.
enum GridLines : int {
    kGridLinesNone = 0,
    kGridLinesHorizontal = 1,
    kGridLinesVertical = 2,
    kGridLinesBoth = 3,
};

class CGridCtrl : public platform::ui::ControlHandler {
  public:
    CGridCtrl(int rows = 0, int cols = 0, int fixedRows = 0, int fixedCols = 0);
    ~CGridCtrl() override;
    CGridCtrl(const CGridCtrl&) = delete;
    CGridCtrl& operator=(const CGridCtrl&) = delete;

    // ---- The window ---------------------------------------------------------------------------
    /// Makes the grid's window at `rect` of `parent`; false when it cannot be made.
    bool Create(platform::ui::ControlParent& parent, const platform::ui::Rect& rect,
                int controlId = 0);
    /// Takes a control window the host made for the grid.
    void Attach(std::unique_ptr<platform::ui::ControlPeer> peer, int controlId = 0);
    platform::ui::ControlPeer* GetPeer() const { return m_peer.get(); }
    bool HasWindow() const { return m_peer != nullptr; }
    int GetDlgCtrlID() const { return m_nID; }
    /// The window told of clicks, selection changes and edits (not owned; nullptr: nobody).
    void SetOwner(GridOwner* owner) { m_pOwner = owner; }
    GridOwner* GetOwner() const { return m_pOwner; }
    /// A device context that measures as the grid's window paints; the screen's without a
    /// window; nullptr when there is neither.
    std::unique_ptr<platform::ui::DC> CreateMeasureDC() const;
    /// The desktop colour the grid took at construction or at the last colour change.
    platform::ui::Colour SysColour(platform::ui::SysColour c) const { return m_look.Get(c); }

    // ---- Counts -------------------------------------------------------------------------------
    int GetRowCount() const { return m_nRows; }
    int GetColumnCount() const { return m_nCols; }
    int GetFixedRowCount() const { return m_nFixedRows; }
    int GetFixedColumnCount() const { return m_nFixedCols; }
    /// Sets the number of rows (fixed ones included); false for a negative count or when the
    /// memory runs out (the rows made until then stay, and the counts say so).
    bool SetRowCount(int rows);
    /// Sets the number of columns; false for a negative count or when the memory runs out,
    /// and then nothing changed.
    bool SetColumnCount(int cols);
    /// Sets the number of heading rows at the top, adding rows when there are fewer.
    bool SetFixedRowCount(int fixedRows);
    bool SetFixedColumnCount(int fixedCols);
    bool DeleteAllCells();

    // ---- Cells --------------------------------------------------------------------------------
    /// The cell object, or nullptr outside the grid. In virtual mode a cell shared by every
    /// call, valid until the next one.
    CGridCellBase* GetCell(int row, int col) const;
    bool SetCellText(int row, int col, const std::string& text);
    /// The cell's text; "" outside the grid.
    std::string GetCellText(int row, int col) const;
    /// Sets a cell's state bits, keeping the selection in step with bit 2.
    bool SetCellState(int row, int col, unsigned state);
    unsigned GetCellState(int row, int col) const;
    bool SetCellBackColor(int row, int col, GridColour colour);
    bool SetCellTextColor(int row, int col, GridColour colour);
    bool IsCellEditing(int row, int col) const;
    /// Replaces the cell by one made by `factory`, which takes over all the old cell's
    /// properties. False in virtual mode, outside the grid, or when no cell is made.
    bool SetCellClass(int row, int col, const GridCellFactory& factory);
    /// The cell class of new cells (nullptr: CGridCell).
    void SetDefaultCellClass(GridCellFactory factory) { m_pDefaultCellClass = std::move(factory); }
    /// Moves the focus; a fixed row or column is raised to the first scrollable one. Returns
    /// the focus cell before.
    CCellID SetFocusCell(int row, int col);
    CCellID SetFocusCell(CCellID cell) { return SetFocusCell(cell.row, cell.col); }
    CCellID GetFocusCell() const { return m_idFocusCell; }
    bool IsValid(int row, int col) const {
        return row >= 0 && row < m_nRows && col >= 0 && col < m_nCols;
    }
    bool IsValid(CCellID cell) const { return IsValid(cell.row, cell.col); }
    bool IsValid(const CCellRange& range) const;
    /// The default cell of a kind: fixed row and column, fixed row, fixed column, ordinary.
    CGridDefaultCell* DefaultCellFor(bool fixedRow, bool fixedCol) const;
    /// Pictures of the cells (not owned; nullptr: none).
    void SetImageList(const GridImageList* list) { m_pImageList = list; }
    const GridImageList* GetImageList() const { return m_pImageList; }

    // ---- Sizes --------------------------------------------------------------------------------
    /// Height of a row, width of a column in pixels; -1 outside the grid.
    int GetRowHeight(int row) const;
    int GetColumnWidth(int col) const;
    bool SetRowHeight(int row, int height);
    bool SetColumnWidth(int col, int width);
    int GetFixedRowsHeight() const;
    int GetFixedColumnsWidth() const;
    int GetTotalHeight() const;
    int GetTotalWidth() const;
    /// Widens or narrows a column to its widest cell; style 0 takes m_nAutoSizeStyle (bit 1
    /// the fixed rows, bit 2 the others). False for a hidden column or no device context.
    bool AutoSizeColumn(int col, int style = 0, bool resetScrollBars = true);
    bool AutoSizeRow(int row, bool resetScrollBars = true);
    /// Spreads the client width over the columns that are not hidden (all, or the scrollable
    /// ones only), the remainder a pixel each from the first; a column keeps at least a pixel.
    /// Nothing without a window.
    void FitColumnsToWidth(bool includeFixed = true);

    // ---- Modification and sorting -------------------------------------------------------------
    void SetModified(bool modified = true, int row = -1, int col = -1);
    bool GetModified() const { return m_bModified; }
    void SetSortColumn(int col);
    int GetSortColumn() const { return m_nSortColumn; }
    bool GetSortAscending() const { return m_bSortAscending; }
    /// The compare of SortByColumn (nullptr: CompareCellText).
    void SetCompareFunction(GridCompareFunction compare) { m_pfnSortCompare = std::move(compare); }
    /// Sorts the scrollable rows on a column; the heading rows stay where they are.
    bool SortByColumn(int col, bool ascending = true, std::intptr_t data = 0);
    bool SortByColumnWith(const GridCompareFunction& compare, int col, bool ascending = true,
                          std::intptr_t data = 0);
    /// Sorts rows low to high (-1: the last row) on a column.
    bool SortRowRange(const GridCompareFunction& compare, int col, bool ascending,
                      std::intptr_t data, int low, int high = -1);
    /// Case-sensitive comparison of two cells' texts; 0 when either is missing.
    static int CompareCellText(const CGridCellBase* first, const CGridCellBase* second,
                               std::intptr_t data);

    // ---- Editing ------------------------------------------------------------------------------
    bool IsCellEditable(int row, int col) const;
    bool IsCellEditable(CCellID cell) const { return IsCellEditable(cell.row, cell.col); }
    /// Opens the in-place editor of a cell that may be edited, after scrolling it into view
    /// and asking the owner.
    virtual void OnEditCell(int row, int col, platform::ui::Point point, int character);
    /// Ends the focus cell's in-place edit.
    virtual void EndEditing();
    /// An in-place editor ends with `text`: a changed text is stored when the cell and the
    /// owner accept it, else the old one stays.
    virtual void OnEndEditCell(int row, int col, const std::string& text);
    virtual bool ValidateEdit(int row, int col, const std::string& text);
    /// The guarded text change of cut and paste: nothing unless the cell may be edited and the
    /// owner agrees to the edit; a changed text stays only when the cell and the owner accept
    /// it. True when the cell took the text.
    bool SetCellTextChecked(int row, int col, const std::string& text);
    /// An in-place editor ended with `text` and the key that ended it (0: none), pressed with
    /// `modifiers`: the text is taken, and Tab, an arrow or a paging key moves the focus on
    /// and opens the next cell's editor.
    void OnEditorNotify(int row, int col, const std::string& text, int exitKey,
                        unsigned modifiers);
    /// Takes over an editor a cell opened; returns it.
    CInPlaceEditorBase* AdoptEditor(std::unique_ptr<CInPlaceEditorBase> editor);
    /// The editor open now, or nullptr.
    CInPlaceEditorBase* GetOpenEditor() const;
    /// Held by every call into an editor: closed editors are freed only when none runs.
    class EditorCallScope {
      public:
        explicit EditorCallScope(CGridCtrl& grid) : m_grid(grid) { ++m_grid.m_nEditorCalls; }
        ~EditorCallScope();
        EditorCallScope(const EditorCallScope&) = delete;
        EditorCallScope& operator=(const EditorCallScope&) = delete;

      private:
        CGridCtrl& m_grid;
    };

    // ---- Selection ----------------------------------------------------------------------------
    /// Selects (or, with select false, deselects) the scrollable cells of a range; with select
    /// true everything else is deselected, except what the mouse added to.
    void SetSelection(int minRow, int minCol, int maxRow, int maxCol, bool forceRepaint = false,
                      bool select = true);
    void SelectAll();
    /// Deselects everything and clears the focus.
    void ClearSelection();
    bool IsCellSelected(int row, int col) const;
    /// The range around every selected cell; (rows, cols, -1, -1) when there is none.
    CCellRange GetSelectionBounds() const;
    int GetSelectedCount() const { return static_cast<int>(m_mapSelectedCells.size()); }
    /// Edit/Select All: selects every scrollable cell and tells the owner.
    virtual void OnEditSelectAll();
    /// Selects whole columns (rows; the rectangle of cells) from the anchor to `cell`.
    void SelectColumnRange(CCellID cell, bool forceRepaint, bool select);
    void SelectRowRange(CCellID cell, bool forceRepaint, bool select);
    void SelectCellRange(CCellID cell, bool forceRepaint, bool select);
    /// Extends the selection to `cell` as the mouse mode says.
    void SelectToCell(CCellID cell);
    CCellID GetSelectionAnchor() const { return m_idSelectionStart; }
    /// A click on a heading row (column): sorts or selects as the settings say.
    virtual void OnFixedRowClick(CCellID cell);
    virtual void OnFixedColumnClick(CCellID cell);

    // ---- Clipboard, drag and drop -------------------------------------------------------------
    /// The selection as text: a row's cells separated by tabs, the rows by line feeds (the
    /// rectangle around the selection; unselected cells in it add nothing but their
    /// separators, hidden rows and columns nothing at all). None when nothing is selected.
    std::optional<std::string> CopySelectedText();
    /// Empties the selected cells of an editable grid through the guarded text change.
    void CutSelectedText();
    /// Pastes a text block (it may hold NUL bytes; it ends at the first) at `cell`: lines go
    /// down, fields split at tabs and commas go right, hidden rows and columns are skipped and
    /// what falls outside the grid is dropped. False when the cell is not valid or editable.
    bool PasteText(CCellID cell, std::string_view block, bool selectPasted);
    virtual void OnEditCopy();
    virtual void OnEditCut();
    virtual void OnEditPaste();
    /// Whether the edit commands can run now.
    bool CanCopy() const { return !m_mapSelectedCells.empty(); }
    bool CanCut() const { return m_bEditable && !m_mapSelectedCells.empty(); }
    bool CanPaste() const;
    bool CanSelectAll() const { return m_bSelectable; }
    /// Drags the selection out of the grid (nothing unless drag and drop is allowed).
    virtual void OnBeginDrag();

    // ---- Printing -----------------------------------------------------------------------------
    /// Makes the printer font and the page layout and sets the job's page count.
    virtual void OnBeginPrinting(platform::ui::DC& dc, platform::ui::PrintInfo& info);
    /// Prints page info.curPage: header, headings, the rows and columns of the page, footer.
    virtual void OnPrint(platform::ui::DC& dc, platform::ui::PrintInfo& info);
    virtual void OnEndPrinting(platform::ui::DC& dc, platform::ui::PrintInfo& info);
    /// The application title printed at the right of the header.
    std::string m_sPrintTitle = "Kordel";
    int GetPrintPageCount() const { return m_nPrintPages; }

    // ---- Virtual mode -------------------------------------------------------------------------
    /// Cells are not stored but asked for (the callback, else the owner); the grid is emptied.
    void SetVirtualMode(bool on);
    bool GetVirtualMode() const { return m_bVirtualMode; }
    void SetCallbackFunc(GridVirtualCallback callback) {
        m_pfnVirtualCallback = std::move(callback);
    }

    // ---- Geometry (client pixels) ---------------------------------------------------------------
    /// The first scrollable row and column shown (cached; `force` recomputes).
    CCellID GetFirstVisibleCell(bool force = false) const;
    /// The scrollable cells at least partly shown, and the client area their cells and the
    /// fixed ones cover.
    CCellRange GetVisibleCellRange(platform::ui::Rect* rect = nullptr, bool force = false) const;
    /// The top-left pixel of a cell; false outside the grid or scrolled off above or left.
    bool GetCellTopLeft(int row, int col, platform::ui::Point& p) const;
    /// The cell's rectangle, right and bottom inclusive.
    bool GetCellRect(int row, int col, platform::ui::Rect& rect) const;
    bool GetCellRect(CCellID cell, platform::ui::Rect& rect) const {
        return GetCellRect(cell.row, cell.col, rect);
    }
    /// The cell under a point; a part that hits no cell is -1.
    CCellID CellFromPoint(platform::ui::Point p, bool allowFixed = true) const;
    /// Whether the cell's top-left pixel is in the client area.
    bool IsCellVisible(int row, int col) const;
    bool IsCellVisible(CCellID cell) const { return IsCellVisible(cell.row, cell.col); }
    bool IsOnColumnDivider(platform::ui::Point p) const;
    bool IsOnRowDivider(platform::ui::Point p) const;
    /// The point relative to the cell's top-left pixel; (0, 0) when it has none.
    platform::ui::Point PointInCell(int row, int col, platform::ui::Point p) const;

    // ---- Painting -----------------------------------------------------------------------------
    /// Paints the grid: the background areas, the cells pass by pass, the grid lines.
    virtual void OnDraw(platform::ui::DC& dc);
    void FillBackground(platform::ui::DC& dc);
    /// Paints one cell at once (on `dc`, or in the window right away).
    bool RepaintCell(int row, int col, platform::ui::DC* dc = nullptr);
    bool InvalidateCell(int row, int col);
    void RefreshGrid();

    // ---- Scrolling ----------------------------------------------------------------------------
    int GetScrollPosition(bool vertical) const;
    /// Sets a bar's position, held within its range and page.
    void SetScrollPosition(bool vertical, int position);
    /// Shows or hides one bar, when it is not so already.
    void ShowScrollBars(bool vertical, bool show);
    void UpdateScrollBars();
    void OnHScroll(GridScroll code, int trackPosition = 0);
    void OnVScroll(GridScroll code, int trackPosition = 0);
    void ScrollCellIntoView(int row, int col);
    int GetHorzScrollRange() const { return m_nHorzScrollRange; }
    int GetVertScrollRange() const { return m_nVertScrollRange; }
    /// Bit 1 the horizontal, bit 2 the vertical bar, as the grid last set them.
    int GetScrollBarsShown() const { return m_nScrollBarsShown; }

    // ---- Font and colours -----------------------------------------------------------------------
    /// The grid's font: every default cell takes it (and the sizes it gives new rows and
    /// columns); rows and columns that exist keep their sizes.
    void SetFont(const platform::ui::Font& font);
    /// The ordinary cells' font.
    const platform::ui::Font* GetFont() const;
    /// The desktop changed its colours: default cells and the ground that still had the old
    /// desktop colours take the new ones.
    void OnSysColorChange();
    /// Sets the pointer for the point of the current mouse message.
    void OnSetCursor(platform::ui::Point p);

    // ---- Keyboard -----------------------------------------------------------------------------
    void OnKeyDown(int key, unsigned modifiers) override;
    void OnChar(int character, unsigned modifiers) override;
    /// Whether the grid wants Tab from the dialog (not with Ctrl held).
    bool WantsTab(unsigned modifiers) const;

    // ---- Mouse --------------------------------------------------------------------------------
    virtual void OnMouseMove(unsigned keys, platform::ui::Point p);
    virtual void OnLButtonDown(unsigned keys, platform::ui::Point p);
    virtual void OnLButtonUp(unsigned keys, platform::ui::Point p);
    virtual void OnLButtonDblClk(unsigned keys, platform::ui::Point p);
    virtual void OnRButtonUp(unsigned keys, platform::ui::Point p);
    CTitleTip& TitleTip() { return m_wndTitleTip; }
    int GetMouseMode() const { return m_nPointerMode; }
    CCellID GetLeftClickDownCell() const { return m_idLeftClickDown; }

    // ---- ControlHandler -------------------------------------------------------------------------
    void Paint(platform::ui::DC& dc) override { OnDraw(dc); }
    void OnSize(platform::ui::Size client) override;
    void OnScroll(bool vertical, platform::ui::ScrollCode code, int trackPosition) override;
    void OnMouse(const platform::ui::MouseEvent& e) override;
    /// Scrolls a line per wheel step (a page with a one-page-per-notch setting).
    void OnMouseWheel(int delta, unsigned keys, platform::ui::Point p) override;
    void OnCaptureLost() override;
    /// One tick of the auto-scroll timer: the selection follows the pointer out of the cells.
    void OnAutoScrollTimer();
    bool IsAutoScrolling() const { return m_nAutoScrollTimer != 0; }
    platform::ui::DropEffect OnDragEnter(bool hasText, unsigned keys,
                                         platform::ui::Point p) override;
    platform::ui::DropEffect OnDragOver(bool hasText, unsigned keys,
                                        platform::ui::Point p) override;
    void OnDragLeave() override;
    bool OnDrop(const std::string& block, platform::ui::DropEffect effect,
                platform::ui::Point p) override;

    // ---- Settings a dialog may change ---------------------------------------------------------
    platform::ui::Colour m_crBackground;  ///< the client area not under cells
    platform::ui::Colour m_crGridLines = platform::ui::Rgb(0xC0, 0xC0, 0xC0);
    GridColour m_crTitleTipBack;  ///< none: the tip's own
    GridColour m_crTitleTipText;
    int m_nLineMode = kGridLinesBoth;
    bool m_bEditable = true;        ///< a cell may be edited unless it is read-only
    bool m_bAllowDragDrop = false;  ///< cell text may be dragged out and dropped in
    bool m_bRowSelectMode = false;  ///< clicks select whole rows
    bool m_bOneRowOnly = false;     ///< with m_bRowSelectMode, one row at a time
    bool m_bOneColumnOnly = false;  ///< column selection takes the clicked column only
    bool m_bPaintEnabled = true;    ///< painting, invalidating and scrolling allowed
    bool m_bSelectable = true;
    bool m_bHeadingColumnSelects = true;  ///< a click in a fixed column selects rows
    bool m_bHeadingRowSelects = true;     ///< a click in a fixed row selects columns
    bool m_bHeadingClickSorts = false;    ///< a click in a fixed row sorts on its column
    bool m_bTabMovesFocus = true;
    bool m_bOffscreenPaint = true;  ///< the backends always paint off the screen first
    bool m_bShowTitleTips = true;
    bool m_bPrintScreenScale = false;
    bool m_bColumnUnhideByDrag = true;
    bool m_bRowUnhideByDrag = true;
    bool m_bColumnsMayHide = true;
    bool m_bRowsMayHide = true;
    bool m_bHighlightFocusHeadings = true;  ///< headings of the focus cell look sunken
    bool m_bOutlineFocusCell = true;        ///< the focus cell gets a frame
    int m_nAutoSizeStyle = 3;
    bool m_bRowsResizable = true;
    bool m_bColumnsResizable = true;
    int m_nDividerGrabWidth = 3;
    int m_nAutoScrollPeriod = 25;  ///< ms
    int m_nWheelScrollLines = 3;   ///< -1: a page per notch
    bool m_bPrintColour = true;

  protected:
    /// Makes the cell object of (row, col) with its owner, address, fixed bits and format.
    /// May throw std::bad_alloc; the count setters catch it.
    virtual std::unique_ptr<CGridCellBase> CreateCell(int row, int col);
    /// Forgets a cell's selection and deletes it.
    virtual void DestroyCell(int row, int col);
    /// Stores a cell at an address (the old one is handed back).
    std::unique_ptr<CGridCellBase> SetCell(int row, int col, std::unique_ptr<CGridCellBase> cell);
    /// Fires the owner's cache hint in virtual mode.
    void SendCacheHint(const CCellRange& range);

  private:
    using CellRow = std::vector<std::unique_ptr<CGridCellBase>>;

    void InitDefaultCells();
    bool IsSelectedKey(CCellID cell) const { return m_mapSelectedCells.count(cell) != 0; }
    /// Marks a cell whose selection changed for repainting when it is in view.
    void RepaintSelected(CCellID cell, const CCellRange& visible);
    /// The fixed row (or column) count: more rows (columns) when there are fewer.
    bool SetFixedCount(bool rows, int fixed);
    /// Makes rows (or columns) first..last fixed or not: their cells take or lose the fixed
    /// bits and give up their own colours.
    void MarkFixed(bool rows, int first, int last, bool fixed);
    platform::ui::Size ClientSize() const;
    /// The common part of the two scroll handlers.
    void Scroll(bool vertical, GridScroll code, int trackPosition);
    /// Sum of row heights (column widths) from `first` to `last` - 1, held below INT_MAX.
    int SumHeights(int first, int last) const;
    int SumWidths(int first, int last) const;
    void ShowTitleTipFor(CCellID cell);
    void StartAutoScroll();
    void StopAutoScroll();
    /// Starts dragging a row or column divider from the press at `p`.
    void StartResize(bool column, platform::ui::Point p);
    /// Inverts the tracking line of a divider drag at `pos`.
    void DrawTrackingLine(bool column, int pos);
    /// Stores `text` in a cell when it differs and the cell and the owner accept it; else
    /// the cell keeps its old text. True when the text changed.
    bool StoreCheckedText(int row, int col, const std::string& text);
    /// Whether `p` hits the text of `cell`.
    bool HitsCellText(CCellID cell, platform::ui::Point p) const;
    void SetDropHighlight(CCellID cell, bool on);
    /// Frees the closed editors when no editor call runs.
    void ReapEditors();
    void PrintHeader(platform::ui::DC& dc, platform::ui::PrintInfo& info);
    void PrintFooter(platform::ui::DC& dc, platform::ui::PrintInfo& info);
    void PrintColumnHeadings(platform::ui::DC& dc, platform::ui::PrintInfo& info);
    void PrintRowButtons(platform::ui::DC& dc, platform::ui::PrintInfo& info);
    /// Prints rows [firstRow, endRow) x columns [firstCol, endCol) (hidden ones left out) from
    /// `origin`, each cell by itself with its grid lines, while they fit `limit`; returns the
    /// bottom-right corner reached.
    platform::ui::Point PrintCells(platform::ui::DC& dc, int firstRow, int endRow, int firstCol,
                                   int endCol, platform::ui::Point origin,
                                   platform::ui::Size limit);
    /// The first row of page band `band` (1 for the first); the row count past the last band.
    int FirstRowOfBand(int band) const;
    /// Where each band of the scrollable rows (columns) starts when a band holds `pageSize`
    /// at most (a row larger than that has a band of its own).
    std::vector<int> BandStarts(bool rows, int pageSize) const;

    platform::ui::SystemLook m_look;
    std::unique_ptr<platform::ui::ControlPeer> m_peer;
    int m_nID = 0;
    GridOwner* m_pOwner = nullptr;

    bool m_bVirtualMode = false;
    GridVirtualCallback m_pfnVirtualCallback;
    bool m_bModified = false;
    int m_nScrollBarsShown = 0;

    int m_nRows = 0;
    int m_nFixedRows = 0;
    int m_nCols = 0;
    int m_nFixedCols = 0;
    std::vector<int> m_aRowHeight;
    std::vector<int> m_aColumnWidth;
    int m_nVertScrollRange = 0;
    int m_nHorzScrollRange = 0;
    int m_nVertScrollPos = 0;
    int m_nHorzScrollPos = 0;
    int m_nVertScrollPage = 0;
    int m_nHorzScrollPage = 0;

    GridCellFactory m_pDefaultCellClass;
    mutable CGridDefaultCell m_cellDefault;
    mutable CGridDefaultCell m_cellFixedCol;
    mutable CGridDefaultCell m_cellFixedRow;
    mutable CGridDefaultCell m_cellFixedCorner;
    const GridImageList* m_pImageList = nullptr;
    std::vector<CellRow> m_aCellRows;
    mutable std::unique_ptr<CGridCell> m_pVirtualCell;

    int m_nPointerMode = kGridMouseNone;
    bool m_bLeftButtonHeld = false;
    platform::ui::Point m_posLeftClickDown;
    platform::ui::Point m_posLastMouse;
    CCellID m_idLeftClickDown;
    CCellID m_idSelectionStart;
    CCellID m_idFocusCell;
    mutable CCellID m_idFirstVisibleCache;
    std::set<CCellID> m_mapSelectedCells;
    std::set<CCellID> m_mapSelectionAtPress;
    CTitleTip m_wndTitleTip;

    bool m_bSortAscending = true;
    int m_nSortColumn = -1;
    GridCompareFunction m_pfnSortCompare;

    std::vector<std::unique_ptr<CInPlaceEditorBase>> m_editors;
    int m_nEditorCalls = 0;
    int m_nAutoScrollTimer = 0;
    CCellID m_idLastDragOver;
    bool m_bDropTargetRegistered = false;
    int m_nTrackingLine = -1;  ///< where the divider tracking line is drawn, -1: none
    platform::ui::Rect m_rcResizeLimit;  ///< where a divider drag may go

    // Printing: the page layout in logical units of the printer font's page.
    platform::ui::Font m_fontPrint;
    platform::ui::Size m_sizePrintChar;
    int m_nPrintPageHeight = 0;
    platform::ui::Size m_sizeLogicalPage;
    platform::ui::Size m_sizePaper;
    int m_nPrintPageWidth = 0;
    int m_nPrintFirstColumn = 0;
    int m_nPrintRow = 0;
    int m_nPrintPages = 0;
    int m_nPrintColumnPages = 1;
    int m_nPrintHeaderLines = 2;
    int m_nPrintFooterLines = 2;
    int m_nPrintLeftMargin = 4;
    int m_nPrintRightMargin = 4;
    int m_nPrintGapLines = 1;
};

/// Prints the whole grid on `surface` (a PDF file or a printer) in the grid's own page layout:
/// the number of pages printed, -1 when the surface failed.
int PrintGrid(CGridCtrl& grid, platform::ui::PrintSurface& surface);

}  // namespace kordel

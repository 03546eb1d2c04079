// The grid control's data model: construction, the window, counts, cells, sizes, modification,
// sorting, editing, the selection and virtual mode. Painting and scrolling are in grid_paint.cpp.
#include "controls/grid_ctrl.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <new>

#include "platform/ui/toolkit.h"

namespace kordel {

using platform::ui::DC;
using platform::ui::Point;
using platform::ui::Rect;
using platform::ui::Size;
using platform::ui::SysColour;

bool GridImageList::ImageRect(int index, Rect& rect) const {
    if (index < 0 || index >= static_cast<int>(images.size())) return false;
    const platform::ui::Bitmap& b = images[static_cast<size_t>(index)];
    if (b.IsNull()) return false;
    rect = {0, 0, b.width, b.height};
    return true;
}

// ---- Construction and the window ------------------------------------------------------------

CGridCtrl::CGridCtrl(int rows, int cols, int fixedRows, int fixedCols)
    : m_look(platform::ui::CurrentLook()) {
    m_nWheelScrollLines = m_look.wheelScrollLines;
    InitDefaultCells();
    m_crBackground = m_look.Get(SysColour::ButtonShadow);
    SetRowCount(rows);
    SetColumnCount(cols);
    SetFixedRowCount(fixedRows);
    SetFixedColumnCount(fixedCols);
}

CGridCtrl::~CGridCtrl() {
    // The owner and the callback may be gone already; nothing is painted any more.
    m_pOwner = nullptr;
    m_pfnVirtualCallback = nullptr;
    m_bPaintEnabled = false;
    StopAutoScroll();
    // Open editors close without a word: there is nobody left to hear.
    m_editors.clear();
    DeleteAllCells();
    m_wndTitleTip.DestroyWindow();
    m_peer.reset();
}

void CGridCtrl::InitDefaultCells() {
    for (CGridDefaultCell* cell :
         {&m_cellDefault, &m_cellFixedRow, &m_cellFixedCol, &m_cellFixedCorner}) {
        cell->SetOwnerGrid(this);
        cell->SetTextColor(m_look.Get(SysColour::WindowText));
        cell->SetBackColor(m_look.Get(SysColour::ButtonFace));
    }
    m_cellDefault.SetBackColor(m_look.Get(SysColour::Window));
}

bool CGridCtrl::Create(platform::ui::ControlParent& parent, const Rect& rect, int controlId) {
    std::unique_ptr<platform::ui::ControlPeer> peer = parent.CreateControl(*this, rect);
    if (!peer) return false;
    Attach(std::move(peer), controlId);
    return true;
}

void CGridCtrl::Attach(std::unique_ptr<platform::ui::ControlPeer> peer, int controlId) {
    m_wndTitleTip.DestroyWindow();
    m_peer = std::move(peer);
    m_nID = controlId;
    m_wndTitleTip.SetParent(m_peer.get(), this);
    if (m_peer) m_peer->AcceptTextDrops(true);
    m_idFirstVisibleCache = {};
    UpdateScrollBars();
}

std::unique_ptr<DC> CGridCtrl::CreateMeasureDC() const {
    if (m_peer) return m_peer->CreateMeasureDC();
    platform::ui::Toolkit* toolkit = platform::ui::FindToolkit();
    return toolkit ? toolkit->CreateScreenMeasureDC() : nullptr;
}

Size CGridCtrl::ClientSize() const {
    return m_peer ? m_peer->ClientSize() : Size{};
}

// ---- Counts ---------------------------------------------------------------------------------

bool CGridCtrl::SetRowCount(int rows) {
    if (rows < 0) return false;
    if (rows == m_nRows) return true;
    m_idFirstVisibleCache.col = -1;
    if (m_nFixedRows > rows) m_nFixedRows = rows;
    if (m_idFocusCell.row >= rows) SetFocusCell(-1, -1);

    bool ok = true;
    if (rows < m_nRows) {
        if (!m_bVirtualMode) {
            for (int r = rows; r < m_nRows; ++r) {
                for (int c = 0; c < m_nCols; ++c) DestroyCell(r, c);
            }
            m_aCellRows.resize(static_cast<size_t>(rows));
        } else {
            std::erase_if(m_mapSelectedCells, [rows](const CCellID& c) { return c.row >= rows; });
        }
        m_aRowHeight.resize(static_cast<size_t>(rows));
        m_nRows = rows;
    } else {
        try {
            m_aRowHeight.reserve(static_cast<size_t>(rows));
            if (!m_bVirtualMode) m_aCellRows.reserve(static_cast<size_t>(rows));
            // Row by row: a row is stored whole or not at all, and the count says how many.
            while (m_nRows < rows) {
                const int r = m_nRows;
                CellRow row;
                if (!m_bVirtualMode) {
                    row.reserve(static_cast<size_t>(m_nCols));
                    for (int c = 0; c < m_nCols; ++c) row.push_back(CreateCell(r, c));
                    m_aCellRows.push_back(std::move(row));
                }
                m_aRowHeight.push_back(m_cellDefault.GetHeight());
                ++m_nRows;
            }
        } catch (const std::bad_alloc&) {
            ok = false;
        }
    }
    SetModified(true);
    UpdateScrollBars();
    RefreshGrid();
    return ok;
}

bool CGridCtrl::SetColumnCount(int cols) {
    if (cols < 0) return false;
    if (cols == m_nCols) return true;
    m_idFirstVisibleCache.col = -1;
    if (m_idFocusCell.col >= cols) SetFocusCell(-1, -1);

    bool ok = true;
    if (cols < m_nCols) {
        if (m_nFixedCols > cols) m_nFixedCols = cols;
        if (!m_bVirtualMode) {
            for (int r = 0; r < m_nRows; ++r) {
                for (int c = cols; c < m_nCols; ++c) DestroyCell(r, c);
                m_aCellRows[static_cast<size_t>(r)].resize(static_cast<size_t>(cols));
            }
        } else {
            std::erase_if(m_mapSelectedCells, [cols](const CCellID& c) { return c.col >= cols; });
        }
        m_aColumnWidth.resize(static_cast<size_t>(cols));
        m_nCols = cols;
    } else {
        // All or nothing: every row gets its new cells, or none does and the count stays.
        try {
            m_aColumnWidth.reserve(static_cast<size_t>(cols));
            std::vector<CellRow> added;
            if (!m_bVirtualMode) {
                for (CellRow& row : m_aCellRows) row.reserve(static_cast<size_t>(cols));
                added.resize(static_cast<size_t>(m_nRows));
                for (int r = 0; r < m_nRows; ++r) {
                    CellRow& cells = added[static_cast<size_t>(r)];
                    cells.reserve(static_cast<size_t>(cols - m_nCols));
                    for (int c = m_nCols; c < cols; ++c) cells.push_back(CreateCell(r, c));
                }
            }
            for (size_t r = 0; r < added.size(); ++r) {
                for (auto& cell : added[r]) m_aCellRows[r].push_back(std::move(cell));
            }
            m_aColumnWidth.resize(static_cast<size_t>(cols), m_cellFixedCol.GetWidth());
            m_nCols = cols;
        } catch (const std::bad_alloc&) {
            ok = false;
        }
    }
    SetModified(true);
    UpdateScrollBars();
    RefreshGrid();
    return ok;
}

void CGridCtrl::MarkFixed(bool rows, int first, int last, bool fixed) {
    // The band of rows (or columns) first..last, across the whole grid.
    const unsigned band = rows ? kGridCellStateFixedRow : kGridCellStateFixedCol;
    const int rowFirst = rows ? first : 0;
    const int rowLast = rows ? last : m_nRows - 1;
    const int colFirst = rows ? 0 : first;
    const int colLast = rows ? m_nCols - 1 : last;
    for (int r = rowFirst; r <= rowLast; ++r) {
        for (int c = colFirst; c <= colLast; ++c) {
            CGridCellBase* cell = GetCell(r, c);
            if (!cell) continue;
            const unsigned state = cell->GetState();
            if (!fixed && (rows ? c < m_nFixedCols : r < m_nFixedRows)) {
                cell->SetState(state & ~band);  // still fixed the other way
                continue;
            }
            cell->SetState(fixed ? state | kGridCellStateFixed | band
                                 : state & ~(kGridCellStateFixed | band));
            cell->SetBackColor(kGridDefaultColour);
            cell->SetTextColor(kGridDefaultColour);
        }
    }
}

bool CGridCtrl::SetFixedRowCount(int fixedRows) {
    return SetFixedCount(true, fixedRows);
}

bool CGridCtrl::SetFixedColumnCount(int fixedCols) {
    return SetFixedCount(false, fixedCols);
}

bool CGridCtrl::SetFixedCount(bool rows, int fixed) {
    int& current = rows ? m_nFixedRows : m_nFixedCols;
    if (fixed < 0) return false;
    if (fixed == current) return true;
    ClearSelection();  // the focus too
    m_idFirstVisibleCache.col = -1;
    const int count = rows ? m_nRows : m_nCols;
    if (fixed > count && !(rows ? SetRowCount(fixed) : SetColumnCount(fixed))) return false;
    if (!m_bVirtualMode) {
        if (fixed > current) {
            MarkFixed(rows, current, fixed - 1, true);
        } else {
            MarkFixed(rows, fixed, current - 1, false);
        }
    }
    current = fixed;
    RefreshGrid();
    return true;
}

bool CGridCtrl::DeleteAllCells() {
    ClearSelection();
    m_aRowHeight.clear();
    m_aColumnWidth.clear();
    if (!m_bVirtualMode) {
        for (int r = 0; r < m_nRows; ++r) {
            for (int c = 0; c < m_nCols; ++c) DestroyCell(r, c);
        }
        m_aCellRows.clear();
    }
    m_mapSelectedCells.clear();
    m_nRows = m_nFixedRows = m_nCols = m_nFixedCols = 0;
    m_idFocusCell = {};
    m_idFirstVisibleCache = {};
    UpdateScrollBars();
    SetModified(true);
    return true;
}

// ---- Cells ----------------------------------------------------------------------------------

CGridDefaultCell* CGridCtrl::DefaultCellFor(bool fixedRow, bool fixedCol) const {
    if (fixedRow && fixedCol) return &m_cellFixedCorner;
    if (fixedRow) return &m_cellFixedRow;
    if (fixedCol) return &m_cellFixedCol;
    return &m_cellDefault;
}

bool CGridCtrl::IsValid(const CCellRange& range) const {
    return range.IsValid() && range.maxRow < m_nRows && range.maxCol < m_nCols;
}

CGridCellBase* CGridCtrl::GetCell(int row, int col) const {
    if (!IsValid(row, col)) return nullptr;
    if (!m_bVirtualMode)
        return m_aCellRows[static_cast<size_t>(row)][static_cast<size_t>(col)].get();

    const bool fixedRow = row < m_nFixedRows;
    const bool fixedCol = col < m_nFixedCols;
    const CGridDefaultCell* def = DefaultCellFor(fixedRow, fixedCol);
    GridItem item;
    item.row = row;
    item.col = col;
    item.format = def->GetFormat();
    item.image = def->GetImageIndex();
    item.backColour = def->GetBackColor();
    item.textColour = def->GetTextColor();
    item.userData = def->GetUserData();
    if (const platform::ui::Font* font = def->GetFont()) item.font = *font;
    item.margin = def->GetMargin();
    if (IsSelectedKey({row, col})) item.state |= kGridCellStateSelected;
    if (fixedRow) item.state |= kGridCellStateFixed | kGridCellStateFixedRow;
    if (fixedCol) item.state |= kGridCellStateFixed | kGridCellStateFixedCol;
    if (m_idFocusCell == CCellID{row, col}) item.state |= kGridCellStateFocused;
    if (m_pfnVirtualCallback) {
        m_pfnVirtualCallback(item);
    } else if (m_pOwner) {
        m_pOwner->OnGridGetDisplayInfo(const_cast<CGridCtrl&>(*this), item);
    }

    if (!m_pVirtualCell) m_pVirtualCell = std::make_unique<CGridCell>();
    CGridCell& cell = *m_pVirtualCell;
    cell.SetOwnerGrid(const_cast<CGridCtrl*>(this));
    cell.SetState(item.state);
    cell.SetFormat(item.format);
    cell.SetImageIndex(item.image);
    cell.SetBackColor(item.backColour);
    cell.SetTextColor(item.textColour);
    cell.SetUserData(item.userData);
    cell.SetFont(item.font ? &*item.font : nullptr);
    cell.SetMargin(item.margin);
    cell.SetText(item.text);
    return &cell;
}

bool CGridCtrl::SetCellText(int row, int col, const std::string& text) {
    if (m_bVirtualMode) return false;
    CGridCellBase* cell = GetCell(row, col);
    if (!cell) return false;
    cell->SetText(text);
    SetModified(true, row, col);
    return true;
}

std::string CGridCtrl::GetCellText(int row, int col) const {
    const CGridCellBase* cell = GetCell(row, col);
    return cell ? cell->GetText() : std::string();
}

bool CGridCtrl::SetCellState(int row, int col, unsigned state) {
    if (!IsValid(row, col)) return false;
    CGridCellBase* cell = m_bVirtualMode ? nullptr : GetCell(row, col);
    if (!m_bVirtualMode && !cell) return false;
    // The selection set holds a cell exactly when its state has the selected bit.
    if (state & kGridCellStateSelected) {
        m_mapSelectedCells.insert({row, col});
    } else {
        m_mapSelectedCells.erase({row, col});
    }
    if (!cell) return false;
    cell->SetState(state);
    return true;
}

unsigned CGridCtrl::GetCellState(int row, int col) const {
    const CGridCellBase* cell = GetCell(row, col);
    return cell ? cell->GetState() : 0;
}

bool CGridCtrl::SetCellBackColor(int row, int col, GridColour colour) {
    if (m_bVirtualMode) return false;
    CGridCellBase* cell = GetCell(row, col);
    if (!cell) return false;
    cell->SetBackColor(colour);
    return true;
}

bool CGridCtrl::SetCellTextColor(int row, int col, GridColour colour) {
    if (m_bVirtualMode) return false;
    CGridCellBase* cell = GetCell(row, col);
    if (!cell) return false;
    cell->SetTextColor(colour);
    return true;
}

bool CGridCtrl::IsCellEditing(int row, int col) const {
    const CGridCellBase* cell = GetCell(row, col);
    return cell && cell->IsEditing();
}

bool CGridCtrl::SetCellClass(int row, int col, const GridCellFactory& factory) {
    if (m_bVirtualMode || !IsValid(row, col) || !factory) return false;
    std::unique_ptr<CGridCellBase> cell;
    try {
        cell = factory();
    } catch (const std::bad_alloc&) {
        return false;
    }
    if (!cell) return false;
    if (const CGridCellBase* old = GetCell(row, col)) {
        cell->CopyFrom(*old);
    } else {
        cell->SetOwnerGrid(this);
    }
    SetCell(row, col, std::move(cell));  // the old cell goes
    return true;
}

std::unique_ptr<CGridCellBase> CGridCtrl::SetCell(int row, int col,
                                                  std::unique_ptr<CGridCellBase> cell) {
    if (m_bVirtualMode || !IsValid(row, col)) return cell;
    if (cell) cell->SetPosition(row, col);
    std::swap(m_aCellRows[static_cast<size_t>(row)][static_cast<size_t>(col)], cell);
    return cell;
}

std::unique_ptr<CGridCellBase> CGridCtrl::CreateCell(int row, int col) {
    std::unique_ptr<CGridCellBase> cell =
        m_pDefaultCellClass ? m_pDefaultCellClass() : std::make_unique<CGridCell>();
    if (!cell) return nullptr;
    cell->SetOwnerGrid(this);
    cell->SetPosition(row, col);
    if (col < m_nFixedCols)
        cell->SetState(cell->GetState() | kGridCellStateFixed | kGridCellStateFixedCol);
    if (row < m_nFixedRows)
        cell->SetState(cell->GetState() | kGridCellStateFixed | kGridCellStateFixedRow);
    if (const CGridDefaultCell* def = cell->GetDefaultCell()) cell->SetFormat(def->GetFormat());
    return cell;
}

void CGridCtrl::DestroyCell(int row, int col) {
    if (m_bVirtualMode || !IsValid(row, col)) return;
    SetCellState(row, col, 0);
    m_aCellRows[static_cast<size_t>(row)][static_cast<size_t>(col)].reset();
}

CCellID CGridCtrl::SetFocusCell(int row, int col) {
    const CCellID previous = m_idFocusCell;
    if (row >= 0 && row < m_nFixedRows) row = m_nFixedRows;
    if (col >= 0 && col < m_nFixedCols) col = m_nFixedCols;
    CCellID focus{row, col};
    if (!IsValid(focus)) focus = {};
    if (focus == previous) return previous;

    if (IsValid(previous)) {
        SetCellState(previous.row, previous.col,
                     GetCellState(previous.row, previous.col) & ~kGridCellStateFocused);
    }
    m_idFocusCell = focus;
    if (IsValid(focus)) {
        SetCellState(focus.row, focus.col,
                     GetCellState(focus.row, focus.col) | kGridCellStateFocused);
    }
    if (IsValid(previous)) RepaintCell(previous.row, previous.col);
    if (IsValid(focus)) RepaintCell(focus.row, focus.col);
    if (m_bHighlightFocusHeadings) {
        if (previous.col != focus.col) {
            for (int r = 0; r < m_nFixedRows; ++r) {
                if (previous.col >= 0) RepaintCell(r, previous.col);
                if (focus.col >= 0) RepaintCell(r, focus.col);
            }
        }
        if (previous.row != focus.row) {
            for (int c = 0; c < m_nFixedCols; ++c) {
                if (previous.row >= 0) RepaintCell(previous.row, c);
                if (focus.row >= 0) RepaintCell(focus.row, c);
            }
        }
    }
    return previous;
}

// ---- Sizes ----------------------------------------------------------------------------------

int CGridCtrl::GetRowHeight(int row) const {
    if (row < 0 || row >= m_nRows) return -1;
    return m_aRowHeight[static_cast<size_t>(row)];
}

int CGridCtrl::GetColumnWidth(int col) const {
    if (col < 0 || col >= m_nCols) return -1;
    return m_aColumnWidth[static_cast<size_t>(col)];
}

bool CGridCtrl::SetRowHeight(int row, int height) {
    if (row < 0 || row >= m_nRows || height < 0) return false;
    m_aRowHeight[static_cast<size_t>(row)] = height;
    UpdateScrollBars();
    return true;
}

bool CGridCtrl::SetColumnWidth(int col, int width) {
    if (col < 0 || col >= m_nCols || width < 0) return false;
    m_aColumnWidth[static_cast<size_t>(col)] = width;
    UpdateScrollBars();
    return true;
}

namespace {
/// The sum of sizes[first..last), held at INT_MAX.
int SumSizes(const std::vector<int>& sizes, int first, int last) {
    long long sum = 0;
    for (int i = std::max(0, first); i < last && i < static_cast<int>(sizes.size()); ++i)
        sum += sizes[static_cast<size_t>(i)];
    return static_cast<int>(std::min<long long>(sum, INT_MAX));
}
}  // namespace

int CGridCtrl::SumHeights(int first, int last) const {
    return SumSizes(m_aRowHeight, first, last);
}

int CGridCtrl::SumWidths(int first, int last) const {
    return SumSizes(m_aColumnWidth, first, last);
}

int CGridCtrl::GetFixedRowsHeight() const {
    return SumHeights(0, m_nFixedRows);
}

int CGridCtrl::GetFixedColumnsWidth() const {
    return SumWidths(0, m_nFixedCols);
}

int CGridCtrl::GetTotalHeight() const {
    return SumHeights(0, m_nRows);
}

int CGridCtrl::GetTotalWidth() const {
    return SumWidths(0, m_nCols);
}

bool CGridCtrl::AutoSizeColumn(int col, int style, bool resetScrollBars) {
    if (col < 0 || col >= m_nCols || m_aColumnWidth[static_cast<size_t>(col)] == 0) return false;
    std::unique_ptr<DC> dc = CreateMeasureDC();
    if (!dc) return false;
    if (style == 0) style = m_nAutoSizeStyle;
    const int first = (style & 1) ? 0 : m_nFixedRows;
    const int last = (style & 2) ? m_nRows - 1 : m_nFixedRows - 1;
    SendCacheHint({first, col, last, col});
    int width = 0;
    for (int r = first; r <= last; ++r) {
        if (const CGridCellBase* cell = GetCell(r, col))
            width = std::max(width, cell->GetCellExtent(dc.get()).cx);
    }
    SendCacheHint({});
    m_aColumnWidth[static_cast<size_t>(col)] = width;
    if (resetScrollBars) UpdateScrollBars();
    return true;
}

bool CGridCtrl::AutoSizeRow(int row, bool resetScrollBars) {
    if (row < 0 || row >= m_nRows || m_aRowHeight[static_cast<size_t>(row)] == 0) return false;
    std::unique_ptr<DC> dc = CreateMeasureDC();
    if (!dc) return false;
    SendCacheHint({row, 0, row, m_nCols - 1});
    int height = 0;
    for (int c = 0; c < m_nCols; ++c) {
        if (const CGridCellBase* cell = GetCell(row, c))
            height = std::max(height, cell->GetCellExtent(dc.get()).cy);
    }
    SendCacheHint({});
    m_aRowHeight[static_cast<size_t>(row)] = height;
    if (resetScrollBars) UpdateScrollBars();
    return true;
}

void CGridCtrl::FitColumnsToWidth(bool includeFixed) {
    const int first = includeFixed ? 0 : m_nFixedCols;
    if (first >= m_nCols || !m_peer) return;
    ShowScrollBars(false, false);
    const int clientWidth = ClientSize().cx;
    int n = 0;
    for (int c = first; c < m_nCols; ++c) {
        if (m_aColumnWidth[static_cast<size_t>(c)] != 0) ++n;
    }
    if (n == 0) return;
    const long long spare = static_cast<long long>(clientWidth) - GetTotalWidth();
    const long long each = spare / n;
    const long long rest = (spare > 0 ? spare : -spare) % n;
    // A column given room keeps at least one pixel: only hidden columns are 0 wide.
    auto adjust = [](int width, long long change) {
        return static_cast<int>(std::clamp<long long>(width + change, 1, INT_MAX));
    };
    for (int c = first; c < m_nCols; ++c) {
        int& width = m_aColumnWidth[static_cast<size_t>(c)];
        if (width == 0) continue;
        width = adjust(width, each);
    }
    for (int c = first; c < first + rest && c < m_nCols; ++c) {
        int& width = m_aColumnWidth[static_cast<size_t>(c)];
        if (width == 0) continue;  // a hidden column takes its turn and stays hidden
        width = adjust(width, spare > 0 ? 1 : -1);
    }
    RefreshGrid();
    UpdateScrollBars();
}

// ---- Modification and sorting ---------------------------------------------------------------

void CGridCtrl::SetModified(bool modified, int row, int col) {
    if (col < 0 || col == m_nSortColumn) SetSortColumn(-1);
    if (row < 0 || col < 0) {
        m_bModified = modified;
    } else if (CGridCellBase* cell = m_bVirtualMode ? nullptr : GetCell(row, col)) {
        if (modified) {
            cell->SetState(cell->GetState() | kGridCellStateModified);
            m_bModified = true;
        } else {
            cell->SetState(cell->GetState() & ~kGridCellStateModified);
        }
    } else if (modified) {
        m_bModified = true;
    }
    if (!m_bModified && !m_bVirtualMode) {
        for (CellRow& cells : m_aCellRows) {
            for (auto& cell : cells) {
                if (cell) cell->SetState(cell->GetState() & ~kGridCellStateModified);
            }
        }
    }
}

void CGridCtrl::SetSortColumn(int col) {
    if (m_nSortColumn >= 0) InvalidateCell(0, m_nSortColumn);
    m_nSortColumn = col;
    if (col >= 0) InvalidateCell(0, col);
}

int CGridCtrl::CompareCellText(const CGridCellBase* first, const CGridCellBase* second,
                               std::intptr_t) {
    if (!first || !second) return 0;
    const int c = std::strcmp(first->GetText().c_str(), second->GetText().c_str());
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

bool CGridCtrl::SortByColumn(int col, bool ascending, std::intptr_t data) {
    if (m_pfnSortCompare) return SortByColumnWith(m_pfnSortCompare, col, ascending, data);
    return SortByColumnWith(&CGridCtrl::CompareCellText, col, ascending, data);
}

bool CGridCtrl::SortByColumnWith(const GridCompareFunction& compare, int col, bool ascending,
                                 std::intptr_t data) {
    if (m_bVirtualMode || col < 0 || col >= m_nCols || !compare) return false;
    SetSortColumn(col);
    m_bSortAscending = ascending;
    ClearSelection();
    SetFocusCell(-1, -1);
    // Fewer than two rows to sort is sorted already.
    if (m_nRows - m_nFixedRows >= 2) SortRowRange(compare, col, ascending, data, m_nFixedRows);
    return true;
}

bool CGridCtrl::SortRowRange(const GridCompareFunction& compare, int col, bool ascending,
                             std::intptr_t data, int low, int high) {
    if (m_bVirtualMode || !compare || col < 0 || col >= m_nCols) return false;
    if (high == -1) high = m_nRows - 1;
    if (low < 0 || high >= m_nRows || high <= low) return false;

    auto cell = [&](int r) { return GetCell(r, col); };
    // Before / after the pivot in the order asked for.
    auto before = [&](int r, const CGridCellBase* pivot) {
        const int c = compare(cell(r), pivot, data);
        return ascending ? c < 0 : c > 0;
    };
    auto after = [&](int r, const CGridCellBase* pivot) {
        const int c = compare(cell(r), pivot, data);
        return ascending ? c > 0 : c < 0;
    };
    // The pivot is the cell object itself, wherever its row moves.
    const CGridCellBase* pivot = cell((low + high) / 2);
    int i = low;
    int j = high;
    while (i <= j) {
        while (i < high && before(i, pivot)) ++i;
        while (j > low && after(j, pivot)) --j;
        if (i <= j) {
            if (compare(cell(i), cell(j), data) != 0) {
                std::swap(m_aCellRows[static_cast<size_t>(i)], m_aCellRows[static_cast<size_t>(j)]);
                std::swap(m_aRowHeight[static_cast<size_t>(i)],
                          m_aRowHeight[static_cast<size_t>(j)]);
                for (int c = 0; c < m_nCols; ++c) {
                    if (CGridCellBase* a = GetCell(i, c)) a->SetPosition(i, c);
                    if (CGridCellBase* b = GetCell(j, c)) b->SetPosition(j, c);
                }
            }
            ++i;
            --j;
        }
    }
    if (low < j) SortRowRange(compare, col, ascending, data, low, j);
    if (i < high) SortRowRange(compare, col, ascending, data, i, high);
    return true;
}

// ---- Editing --------------------------------------------------------------------------------

bool CGridCtrl::IsCellEditable(int row, int col) const {
    return IsValid(row, col) && m_bEditable && !(GetCellState(row, col) & kGridCellStateReadOnly);
}

void CGridCtrl::OnEditCell(int row, int col, Point point, int character) {
    m_wndTitleTip.Hide();
    if (!IsCellEditable(row, col)) return;
    ScrollCellIntoView(row, col);
    Rect rect;
    if (!IsCellVisible(row, col) || !GetCellRect(row, col, rect)) return;
    if (m_pOwner && !m_pOwner->OnGridBeginEdit(*this, {row, col})) return;
    if (CGridCellBase* cell = GetCell(row, col))
        cell->Edit(row, col, rect, point, kGridInPlaceEditId, character);
}

void CGridCtrl::EndEditing() {
    if (CGridCellBase* cell = GetCell(m_idFocusCell.row, m_idFocusCell.col)) cell->EndEdit();
}

bool CGridCtrl::ValidateEdit(int row, int col, const std::string& text) {
    CGridCellBase* cell = GetCell(row, col);
    return cell ? cell->ValidateEdit(text) : true;
}

// ---- Selection ------------------------------------------------------------------------------

void CGridCtrl::RepaintSelected(CCellID cell, const CCellRange& visible) {
    if (visible.Contains(cell)) InvalidateCell(cell.row, cell.col);
}

void CGridCtrl::SetSelection(int minRow, int minCol, int maxRow, int maxCol, bool forceRepaint,
                             bool select) {
    if (!m_bSelectable) return;
    const CCellRange visible = m_peer ? GetVisibleCellRange() : CCellRange{};
    auto raise = [](int& v, int fixed) {
        if (v >= 0 && v < fixed) v = fixed;
    };
    raise(minRow, m_nFixedRows);
    raise(maxRow, m_nFixedRows);
    raise(minCol, m_nFixedCols);
    raise(maxCol, m_nFixedCols);
    const CCellRange range{minRow, minCol, maxRow, maxCol};
    const bool allSet = minRow >= 0 && minCol >= 0 && maxRow >= 0 && maxCol >= 0;

    if (select) {
        const std::set<CCellID> selected = m_mapSelectedCells;
        for (const CCellID& cell : selected) {
            if (!IsValid(cell)) {
                m_mapSelectedCells.erase(cell);
                continue;
            }
            SetCellState(cell.row, cell.col,
                         GetCellState(cell.row, cell.col) & ~kGridCellStateSelected);
            if (!range.Contains(cell)) RepaintSelected(cell, visible);
        }
        if (!(m_bRowSelectMode && m_bOneRowOnly) && allSet) {
            for (const CCellID& cell : m_mapSelectionAtPress) {
                if (!IsValid(cell)) continue;
                SetCellState(cell.row, cell.col,
                             GetCellState(cell.row, cell.col) | kGridCellStateSelected);
                RepaintSelected(cell, visible);
            }
        }
    }
    if (allSet && maxRow < m_nRows && maxCol < m_nCols && minRow <= maxRow && minCol <= maxCol) {
        for (int r = minRow; r <= maxRow; ++r) {
            for (int c = minCol; c <= maxCol; ++c) {
                if (IsCellSelected(r, c) == select) continue;
                const unsigned state = GetCellState(r, c);
                SetCellState(
                    r, c,
                    select ? state | kGridCellStateSelected : state & ~kGridCellStateSelected);
                RepaintSelected({r, c}, visible);
            }
        }
    }
    if (forceRepaint && m_peer && m_bPaintEnabled) m_peer->Update();
}

void CGridCtrl::SelectAll() {
    if (!m_bSelectable) return;
    SetSelection(m_nFixedRows, m_nFixedCols, m_nRows - 1, m_nCols - 1, false, true);
}

void CGridCtrl::ClearSelection() {
    m_mapSelectionAtPress.clear();
    SetSelection(-1, -1, -1, -1, false, true);
    SetFocusCell(-1, -1);
}

bool CGridCtrl::IsCellSelected(int row, int col) const {
    if (!m_bSelectable || !IsValid(row, col)) return false;
    if (m_bVirtualMode) return IsSelectedKey({row, col});
    return (GetCellState(row, col) & kGridCellStateSelected) != 0;
}

CCellRange CGridCtrl::GetSelectionBounds() const {
    if (m_mapSelectedCells.empty()) return {m_nRows, m_nCols, -1, -1};
    CCellRange r{INT_MAX, INT_MAX, -1, -1};
    for (const CCellID& cell : m_mapSelectedCells) {
        r.minRow = std::min(r.minRow, cell.row);
        r.minCol = std::min(r.minCol, cell.col);
        r.maxRow = std::max(r.maxRow, cell.row);
        r.maxCol = std::max(r.maxCol, cell.col);
    }
    return r;
}

void CGridCtrl::OnEditSelectAll() {
    if (m_pOwner) m_pOwner->OnGridSelectionChanging(*this, m_idLeftClickDown);
    SelectAll();
    if (m_pOwner) m_pOwner->OnGridSelectionChanged(*this, m_idFocusCell);
}

// ---- Virtual mode ---------------------------------------------------------------------------

void CGridCtrl::SetVirtualMode(bool on) {
    if (on == m_bVirtualMode) return;
    DeleteAllCells();
    m_bVirtualMode = on;
}

void CGridCtrl::SendCacheHint(const CCellRange& range) {
    if (m_bVirtualMode && m_pOwner) m_pOwner->OnGridCacheHint(*this, range);
}

}  // namespace kordel

// The grid control's picture and coordinates: where each cell lies for the row heights, the
// column widths, the fixed rows and columns and the two scroll positions; which cell is under a
// point; painting in passes; the scroll bars and their messages; the mouse over the cells.
//
// Scroll positions are pixels of the scrollable content (0: the first scrollable row or column
// at the edge of the fixed area), but the picture always starts at a whole row and column: the
// first scrollable row shown is the first whose top lies at or beyond the vertical position.
// Rows of height 0 and columns of width 0 are hidden: they take no room and are never painted.
#include <algorithm>
#include <climits>

#include "controls/grid_ctrl.h"

namespace kordel {

using platform::ui::DC;
using platform::ui::Point;
using platform::ui::Rect;
using platform::ui::Size;
using platform::ui::SysColour;

namespace {

int Clamp(long long v) {
    return static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX));
}

}  // namespace

// ---- Geometry -------------------------------------------------------------------------------

CCellID CGridCtrl::GetFirstVisibleCell(bool force) const {
    if (!force && m_idFirstVisibleCache.row >= 0 && m_idFirstVisibleCache.col >= 0)
        return m_idFirstVisibleCache;
    CCellID first{m_nFixedRows, m_nFixedCols};
    long long sum = 0;
    while (sum < m_nHorzScrollPos && first.col < m_nCols - 1) {
        sum += m_aColumnWidth[static_cast<size_t>(first.col)];
        ++first.col;
    }
    sum = 0;
    while (sum < m_nVertScrollPos && first.row < m_nRows - 1) {
        sum += m_aRowHeight[static_cast<size_t>(first.row)];
        ++first.row;
    }
    m_idFirstVisibleCache = first;
    return first;
}

CCellRange CGridCtrl::GetVisibleCellRange(Rect* rect, bool force) const {
    const Size client = ClientSize();
    const CCellID first = GetFirstVisibleCell(force);

    long long y = GetFixedRowsHeight();
    int row = first.row;
    for (; row < m_nRows; ++row) {
        y += m_aRowHeight[static_cast<size_t>(row)];
        if (y >= client.cy) {
            y = client.cy;
            break;
        }
    }
    long long x = GetFixedColumnsWidth();
    int col = first.col;
    for (; col < m_nCols; ++col) {
        x += m_aColumnWidth[static_cast<size_t>(col)];
        if (x >= client.cx) {
            x = client.cx;
            break;
        }
    }
    if (rect) *rect = {0, 0, Clamp(x), Clamp(y)};
    return {first.row, first.col, std::min(row, m_nRows - 1), std::min(col, m_nCols - 1)};
}

bool CGridCtrl::GetCellTopLeft(int row, int col, Point& p) const {
    if (!IsValid(row, col)) return false;
    CCellID first;
    if (row >= m_nFixedRows || col >= m_nFixedCols) first = GetFirstVisibleCell();
    if (col < m_nFixedCols) {
        p.x = SumWidths(0, col);
    } else {
        if (col < first.col) return false;
        p.x = Clamp(static_cast<long long>(GetFixedColumnsWidth()) + SumWidths(first.col, col));
    }
    if (row < m_nFixedRows) {
        p.y = SumHeights(0, row);
    } else {
        if (row < first.row) return false;
        p.y = Clamp(static_cast<long long>(GetFixedRowsHeight()) + SumHeights(first.row, row));
    }
    return true;
}

bool CGridCtrl::GetCellRect(int row, int col, Rect& rect) const {
    Point p;
    if (!GetCellTopLeft(row, col, p)) return false;
    rect = {p.x, p.y, Clamp(static_cast<long long>(p.x) + GetColumnWidth(col) - 1),
            Clamp(static_cast<long long>(p.y) + GetRowHeight(row) - 1)};
    return true;
}

CCellID CGridCtrl::CellFromPoint(Point p, bool allowFixed) const {
    const CCellID first = GetFirstVisibleCell();
    if (!allowFixed && !IsValid(first)) return {};
    // One coordinate: the index among fixed or scrollable sizes whose span holds v, or -1.
    auto find = [&](int v, const std::vector<int>& sizes, int fixed, int fixedSize,
                    int firstScrollable, int count) {
        if (v < 0 || (!allowFixed && v < fixedSize)) return -1;
        if (v < fixedSize) {
            long long sum = 0;
            for (int i = 0; i < fixed; ++i) {
                sum += sizes[static_cast<size_t>(i)];
                if (sum > v) return i;
            }
            return -1;
        }
        long long sum = fixedSize;
        for (int i = firstScrollable; i < count; ++i) {
            sum += sizes[static_cast<size_t>(i)];
            if (v < sum) return i;
        }
        return -1;
    };
    return {find(p.y, m_aRowHeight, m_nFixedRows, GetFixedRowsHeight(), first.row, m_nRows),
            find(p.x, m_aColumnWidth, m_nFixedCols, GetFixedColumnsWidth(), first.col, m_nCols)};
}

bool CGridCtrl::IsCellVisible(int row, int col) const {
    if (!m_peer || !IsValid(row, col)) return false;
    const Size client = ClientSize();
    CCellID first;
    if (row >= m_nFixedRows || col >= m_nFixedCols) {
        first = GetFirstVisibleCell();
        if (col >= m_nFixedCols && col < first.col) return false;
        if (row >= m_nFixedRows && row < first.row) return false;
    }
    // The cell's left (top) edge must lie inside the client area.
    auto edgeInside = [](const std::vector<int>& sizes, int from, int to, long long start,
                         int limit) {
        long long v = start;
        for (int i = from; i <= to; ++i) {
            if (v >= limit) return false;
            v += sizes[static_cast<size_t>(i)];
        }
        return true;
    };
    const bool fixedCol = col < m_nFixedCols;
    const bool fixedRow = row < m_nFixedRows;
    return edgeInside(m_aColumnWidth, fixedCol ? 0 : first.col, col,
                      fixedCol ? 0 : GetFixedColumnsWidth(), client.cx) &&
           edgeInside(m_aRowHeight, fixedRow ? 0 : first.row, row,
                      fixedRow ? 0 : GetFixedRowsHeight(), client.cy);
}

bool CGridCtrl::IsOnColumnDivider(Point p) const {
    if (p.y >= GetFixedRowsHeight()) return false;
    const CCellID cell = CellFromPoint(p, true);
    Point topLeft;
    if (!IsValid(cell) || !GetCellTopLeft(cell.row, cell.col, topLeft)) return false;
    const int r = m_nDividerGrabWidth;
    return (p.x - topLeft.x < r && cell.col != 0) ||
           (static_cast<long long>(topLeft.x) + GetColumnWidth(cell.col) - p.x < r);
}

bool CGridCtrl::IsOnRowDivider(Point p) const {
    if (p.x >= GetFixedColumnsWidth()) return false;
    const CCellID cell = CellFromPoint(p, true);
    Point topLeft;
    if (!IsValid(cell) || !GetCellTopLeft(cell.row, cell.col, topLeft)) return false;
    const int r = m_nDividerGrabWidth;
    return (p.y - topLeft.y < r && cell.row != 0) ||
           (static_cast<long long>(topLeft.y) + GetRowHeight(cell.row) - p.y < r);
}

Point CGridCtrl::PointInCell(int row, int col, Point p) const {
    Point topLeft;
    if (!GetCellTopLeft(row, col, topLeft)) return {};
    return {p.x - topLeft.x, p.y - topLeft.y};
}

// ---- Painting -------------------------------------------------------------------------------

void CGridCtrl::FillBackground(DC& dc) {
    const Rect k = dc.GetClipBox().Normalized();
    Rect r;
    GetVisibleCellRange(&r);
    const int w = GetFixedColumnsWidth();
    const int h = GetFixedRowsHeight();
    auto back = [&](const CGridDefaultCell& cell, platform::ui::SysColour fallback) {
        return cell.GetBackColor().value_or(m_look.Get(fallback));
    };
    if (k.left < w && k.top < h)
        dc.FillSolidRect({k.left, k.top, w, h}, back(m_cellFixedCorner, SysColour::ButtonFace));
    if (k.left < w && k.top < r.bottom)
        dc.FillSolidRect({k.left, k.top, w, r.bottom}, back(m_cellFixedCol, SysColour::ButtonFace));
    if (k.top < h && k.right > w && k.left < r.right)
        dc.FillSolidRect({w - 1, k.top, r.right, h}, back(m_cellFixedRow, SysColour::ButtonFace));
    const Rect i = platform::ui::Intersect(r, k);
    if (!i.IsEmpty()) {
        dc.FillSolidRect({std::max(w, i.left), std::max(h, i.top), i.right, i.bottom},
                         back(m_cellDefault, SysColour::Window));
    }
    if (r.right < k.right) dc.FillSolidRect({r.right, k.top, k.right, k.bottom}, m_crBackground);
    if (r.bottom < k.bottom && k.left < r.right)
        dc.FillSolidRect({k.left, r.bottom, r.right, k.bottom}, m_crBackground);
}

void CGridCtrl::OnDraw(DC& dc) {
    if (!m_bPaintEnabled) return;
    const Rect clip = dc.GetClipBox().Normalized();
    FillBackground(dc);

    const int fixedHeight = GetFixedRowsHeight();
    const int fixedWidth = GetFixedColumnsWidth();
    Rect visibleRect;
    const CCellRange visible = GetVisibleCellRange(&visibleRect);
    SendCacheHint(visible);

    // Draws the cells of rows [firstRow, lastRow] x columns [firstCol, lastCol], the running
    // rectangles starting at (left, top); `clipped` skips what lies outside the clip box.
    auto pass = [&](int firstRow, int lastRow, int top, int firstCol, int lastCol, int left,
                    bool clipped) {
        Rect rect;
        rect.bottom = top - 1;
        for (int row = firstRow; row <= lastRow; ++row) {
            const int height = m_aRowHeight[static_cast<size_t>(row)];
            if (height <= 0) continue;
            rect.top = rect.bottom + 1;
            rect.bottom = rect.top + height - 1;
            if (clipped && rect.top > clip.bottom) break;
            if (clipped && rect.bottom < clip.top) continue;
            rect.right = left - 1;
            for (int col = firstCol; col <= lastCol; ++col) {
                const int width = m_aColumnWidth[static_cast<size_t>(col)];
                if (width <= 0) continue;
                rect.left = rect.right + 1;
                rect.right = rect.left + width - 1;
                if (clipped && rect.left > clip.right) break;
                if (clipped && rect.right < clip.left) continue;
                if (CGridCellBase* cell = GetCell(row, col)) {
                    cell->SetPosition(row, col);
                    cell->Draw(dc, row, col, rect, false);
                }
            }
        }
    };
    pass(0, m_nFixedRows - 1, 0, 0, m_nFixedCols - 1, 0, false);
    pass(visible.minRow, visible.maxRow, fixedHeight, 0, m_nFixedCols - 1, 0, true);
    pass(0, m_nFixedRows - 1, 0, visible.minCol, visible.maxCol, fixedWidth, true);
    pass(visible.minRow, visible.maxRow, fixedHeight, visible.minCol, visible.maxCol, fixedWidth,
         true);

    // Grid lines between the scrollable cells; fixed cells draw their own edges.
    const platform::ui::Pen oldPen =
        dc.SelectPen({platform::ui::PenStyle::Solid, 0, m_crGridLines});
    if (m_nLineMode == kGridLinesVertical || m_nLineMode == kGridLinesBoth) {
        long long x = fixedWidth;
        for (int col = visible.minCol; col <= visible.maxCol; ++col) {
            const int width = m_aColumnWidth[static_cast<size_t>(col)];
            if (width <= 0) continue;
            x += width;
            dc.MoveTo({Clamp(x - 1), fixedHeight});
            dc.LineTo({Clamp(x - 1), visibleRect.bottom});
        }
    }
    if (m_nLineMode == kGridLinesHorizontal || m_nLineMode == kGridLinesBoth) {
        long long y = fixedHeight;
        for (int row = visible.minRow; row <= visible.maxRow; ++row) {
            const int height = m_aRowHeight[static_cast<size_t>(row)];
            if (height <= 0) continue;
            y += height;
            dc.MoveTo({fixedWidth, Clamp(y - 1)});
            dc.LineTo({visibleRect.right, Clamp(y - 1)});
        }
    }
    dc.SelectPen(oldPen);
    // The tracking line of a divider being dragged.
    if (m_nTrackingLine >= 0) {
        const Size client = ClientSize();
        const int v = m_nTrackingLine;
        dc.FillSolidRect(m_nPointerMode == kGridMouseSizingCol ? Rect{v, 0, v + 2, client.cy}
                                                              : Rect{0, v, client.cx, v + 2},
                         platform::ui::kBlack);
    }
    SendCacheHint({});
}

bool CGridCtrl::RepaintCell(int row, int col, DC* dc) {
    Rect rect;
    if (!m_bPaintEnabled || !IsCellVisible(row, col) || !GetCellRect(row, col, rect)) return false;
    if (!dc) {
        // The toolkit draws only when it paints: mark the cell and paint now.
        m_peer->InvalidateRect({rect.left, rect.top, rect.right + 1, rect.bottom + 1});
        m_peer->Update();
        return true;
    }
    CGridCellBase* cell = GetCell(row, col);
    if (!cell) return true;
    cell->SetPosition(row, col);
    if (row < m_nFixedRows || col < m_nFixedCols) return cell->Draw(*dc, row, col, rect, true);
    const bool drawn = cell->Draw(*dc, row, col, rect, true);
    const platform::ui::Pen oldPen =
        dc->SelectPen({platform::ui::PenStyle::Solid, 0, m_crGridLines});
    if (m_nLineMode == kGridLinesHorizontal || m_nLineMode == kGridLinesBoth) {
        dc->MoveTo({rect.left, rect.bottom});
        dc->LineTo({rect.right + 1, rect.bottom});
    }
    if (m_nLineMode == kGridLinesVertical || m_nLineMode == kGridLinesBoth) {
        dc->MoveTo({rect.right, rect.top});
        dc->LineTo({rect.right, rect.bottom + 1});
    }
    dc->SelectPen(oldPen);
    return drawn;
}

bool CGridCtrl::InvalidateCell(int row, int col) {
    Rect rect;
    if (!m_peer || !m_bPaintEnabled || !IsCellVisible(row, col) || !GetCellRect(row, col, rect))
        return false;
    m_peer->InvalidateRect({rect.left, rect.top, rect.right + 1, rect.bottom + 1});
    return true;
}

void CGridCtrl::RefreshGrid() {
    if (m_peer && m_bPaintEnabled) m_peer->Invalidate();
}

// ---- Scroll bars ----------------------------------------------------------------------------

int CGridCtrl::GetScrollPosition(bool vertical) const {
    return vertical ? m_nVertScrollPos : m_nHorzScrollPos;
}

void CGridCtrl::SetScrollPosition(bool vertical, int position) {
    m_idFirstVisibleCache.row = -1;
    if (!m_peer) return;
    const int maximum = vertical ? m_nVertScrollRange : m_nHorzScrollRange;
    const int page = vertical ? m_nVertScrollPage : m_nHorzScrollPage;
    // The highest position leaves a page of the range showing.
    const int highest = std::max(0, page > 0 ? maximum - page + 1 : maximum);
    int& pos = vertical ? m_nVertScrollPos : m_nHorzScrollPos;
    pos = std::clamp(position, 0, highest);
    m_peer->SetScrollBar(vertical, maximum, page, pos);
}

void CGridCtrl::ShowScrollBars(bool vertical, bool show) {
    if (!m_peer) return;
    const int bit = vertical ? 2 : 1;
    if (((m_nScrollBarsShown & bit) != 0) == show) return;
    m_peer->ShowScrollBar(vertical, show);
    m_nScrollBarsShown ^= bit;
}

void CGridCtrl::UpdateScrollBars() {
    m_idFirstVisibleCache.row = -1;
    if (!m_bPaintEnabled || !m_peer) return;
    const Size client = ClientSize();
    if (client.cx <= 0 || client.cy <= 0) return;

    // The client area as it would be without this grid's bars.
    const Size bars = m_peer->ScrollBarSizes();
    Rect rect{0, 0, client.cx, client.cy};
    if (m_nScrollBarsShown & 2) rect.right += bars.cx;
    if (m_nScrollBarsShown & 1) rect.bottom += bars.cy;

    const int fixedWidth = GetFixedColumnsWidth();
    const int fixedHeight = GetFixedRowsHeight();
    if (fixedWidth >= rect.right || fixedHeight >= rect.bottom) {
        ShowScrollBars(true, false);
        ShowScrollBars(false, false);
        return;
    }
    Rect visible{fixedWidth, fixedHeight, rect.right, rect.bottom};
    const int totalWidth = GetTotalWidth();
    const int totalHeight = GetTotalHeight();
    if (totalHeight > visible.bottom) visible.right -= bars.cx;
    if (totalWidth > visible.right) visible.bottom -= bars.cy;

    const bool vertical = totalHeight > visible.bottom;
    ShowScrollBars(true, vertical);
    m_nVertScrollRange = vertical ? totalHeight - fixedHeight - 1 : 0;
    const bool horizontal = totalWidth > visible.right;
    ShowScrollBars(false, horizontal);
    m_nHorzScrollRange = horizontal ? totalWidth - fixedWidth - 1 : 0;

    m_nHorzScrollPage = m_nHorzScrollRange > 0 ? visible.Width() : 0;
    SetScrollPosition(false, m_nHorzScrollPos);
    m_nVertScrollPage = m_nVertScrollRange > 0 ? visible.Height() : 0;
    SetScrollPosition(true, m_nVertScrollPos);
}

void CGridCtrl::OnHScroll(GridScroll code, int trackPosition) {
    Scroll(false, code, trackPosition);
}

void CGridCtrl::OnVScroll(GridScroll code, int trackPosition) {
    Scroll(true, code, trackPosition);
}

void CGridCtrl::Scroll(bool vertical, GridScroll code, int trackPosition) {
    EndEditing();
    m_wndTitleTip.Hide();
    if (!m_peer) return;
    const int p = GetScrollPosition(vertical);
    const CCellID first = GetFirstVisibleCell();
    const Size client = ClientSize();
    const int fixed = vertical ? GetFixedRowsHeight() : GetFixedColumnsWidth();
    const int maximum = vertical ? m_nVertScrollRange : m_nHorzScrollRange;
    const int count = vertical ? m_nRows : m_nCols;
    const int fixedCount = vertical ? m_nFixedRows : m_nFixedCols;
    const int firstIndex = vertical ? first.row : first.col;
    const int page = (vertical ? client.cy : client.cx) - fixed;
    const std::vector<int>& sizes = vertical ? m_aRowHeight : m_aColumnWidth;
    auto repaint = [&] {
        if (!m_bPaintEnabled) return;
        m_peer->InvalidateRect(vertical ? Rect{0, fixed, client.cx, client.cy}
                                        : Rect{fixed, 0, client.cx, client.cy});
    };

    switch (code) {
        case GridScroll::LineUp:
            if (p > 0 && firstIndex > fixedCount) {
                int i = firstIndex - 1;
                while (i > fixedCount && sizes[static_cast<size_t>(i)] <= 0) --i;
                SetScrollPosition(vertical, std::max(0, p - sizes[static_cast<size_t>(i)]));
                repaint();
            }
            break;
        case GridScroll::LineDown:
            if (p < maximum && firstIndex < count) {
                int i = firstIndex;
                while (i < count - 1 && sizes[static_cast<size_t>(i)] <= 0) ++i;
                SetScrollPosition(vertical,
                                  Clamp(static_cast<long long>(p) + sizes[static_cast<size_t>(i)]));
                if (GetScrollPosition(vertical) != p) repaint();
            }
            break;
        case GridScroll::PageUp:
            if (p > 0) {
                SetScrollPosition(vertical, std::max(0, p - page));
                repaint();
            }
            break;
        case GridScroll::PageDown:
            if (p < maximum) {
                SetScrollPosition(vertical, Clamp(std::min<long long>(
                                                maximum, static_cast<long long>(p) + page)));
                repaint();
            }
            break;
        case GridScroll::ThumbPosition:
        case GridScroll::ThumbTrack:
            SetScrollPosition(vertical, trackPosition);
            if (!(GetFirstVisibleCell() == first)) repaint();
            break;
        case GridScroll::Top:
            if (p > 0) {
                SetScrollPosition(vertical, 0);
                RefreshGrid();
            }
            break;
        case GridScroll::Bottom:
            if (p < maximum) {
                SetScrollPosition(vertical, maximum);
                RefreshGrid();
            }
            break;
        case GridScroll::EndScroll:
            break;
    }
}

void CGridCtrl::ScrollCellIntoView(int row, int col) {
    if (!m_bPaintEnabled || !m_peer || !IsValid(row, col)) return;
    const bool hadFocus = m_peer->HasFocus();
    const CCellRange visible = GetVisibleCellRange();
    if (col >= m_nFixedCols) {
        for (int c = visible.maxCol + 1; c <= col; ++c) {
            if (m_aColumnWidth[static_cast<size_t>(c)] > 0) OnHScroll(GridScroll::LineDown);
        }
        for (int c = col; c < visible.minCol; ++c) {
            if (m_aColumnWidth[static_cast<size_t>(c)] > 0) OnHScroll(GridScroll::LineUp);
        }
    }
    if (row >= m_nFixedRows) {
        for (int r = visible.maxRow + 1; r <= row; ++r) {
            if (m_aRowHeight[static_cast<size_t>(r)] > 0) OnVScroll(GridScroll::LineDown);
        }
        for (int r = row; r < visible.minRow; ++r) {
            if (m_aRowHeight[static_cast<size_t>(r)] > 0) OnVScroll(GridScroll::LineUp);
        }
    }
    // A cell still cut off at the right or the bottom: one more line while that helps.
    const Size client = ClientSize();
    Rect rect;
    if (GetCellRect(row, col, rect)) {
        while (rect.right > client.cx && rect.left > GetFixedColumnsWidth()) {
            const int before = GetScrollPosition(false);
            OnHScroll(GridScroll::LineDown);
            if (GetScrollPosition(false) == before || !GetCellRect(row, col, rect)) break;
        }
        while (rect.bottom > client.cy && rect.top > GetFixedRowsHeight()) {
            const int before = GetScrollPosition(true);
            OnVScroll(GridScroll::LineDown);
            if (GetScrollPosition(true) == before || !GetCellRect(row, col, rect)) break;
        }
    }
    if (hadFocus && !m_peer->HasFocus()) m_peer->SetFocus();
}

// ---- Window messages that touch the picture -------------------------------------------------

void CGridCtrl::OnSize(Size) {
    // One size change at a time for every grid: the bars that showing bars brings are not
    // another resize to answer.
    static bool s_inOnSize = false;
    if (s_inOnSize || !m_peer) return;
    s_inOnSize = true;
    EndEditing();
    UpdateScrollBars();
    s_inOnSize = false;
}

void CGridCtrl::OnScroll(bool vertical, platform::ui::ScrollCode code, int trackPosition) {
    using platform::ui::ScrollCode;
    GridScroll grid = GridScroll::EndScroll;
    switch (code) {
        case ScrollCode::LineUp:
            grid = GridScroll::LineUp;
            break;
        case ScrollCode::LineDown:
            grid = GridScroll::LineDown;
            break;
        case ScrollCode::PageUp:
            grid = GridScroll::PageUp;
            break;
        case ScrollCode::PageDown:
            grid = GridScroll::PageDown;
            break;
        case ScrollCode::Top:
            grid = GridScroll::Top;
            break;
        case ScrollCode::Bottom:
            grid = GridScroll::Bottom;
            break;
        case ScrollCode::ThumbTrack:
            grid = GridScroll::ThumbTrack;
            break;
    }
    Scroll(vertical, grid, trackPosition);
}

void CGridCtrl::OnSysColorChange() {
    const platform::ui::SystemLook old = m_look;
    m_look = platform::ui::CurrentLook();
    for (CGridDefaultCell* cell :
         {&m_cellDefault, &m_cellFixedRow, &m_cellFixedCol, &m_cellFixedCorner}) {
        if (cell->GetTextColor() == old.Get(SysColour::WindowText))
            cell->SetTextColor(m_look.Get(SysColour::WindowText));
        if (cell->GetBackColor() == old.Get(SysColour::Window))
            cell->SetBackColor(m_look.Get(SysColour::Window));
    }
    if (m_crBackground == old.Get(SysColour::ButtonShadow))
        m_crBackground = m_look.Get(SysColour::ButtonShadow);
}

void CGridCtrl::SetFont(const platform::ui::Font& font) {
    for (CGridDefaultCell* cell :
         {&m_cellDefault, &m_cellFixedCol, &m_cellFixedRow, &m_cellFixedCorner})
        cell->SetFont(&font);
    RefreshGrid();
}

const platform::ui::Font* CGridCtrl::GetFont() const {
    return m_cellDefault.GetFont();
}

void CGridCtrl::OnSetCursor(Point p) {
    if (!m_peer) return;
    switch (m_nPointerMode) {
        case kGridMouseOverRowDivider:
            m_peer->SetCursor(platform::ui::CursorShape::SizeNS);
            return;
        case kGridMouseOverColDivider:
            m_peer->SetCursor(platform::ui::CursorShape::SizeWE);
            return;
        case kGridMouseDragging:
            return;
        default:
            break;
    }
    if (!m_bVirtualMode) {
        const CCellID id = CellFromPoint(p, true);
        if (CGridCellBase* cell = GetCell(id.row, id.col)) {
            cell->OnSetCursor();
            return;
        }
    }
    m_peer->SetCursor(platform::ui::CursorShape::Arrow);
}

// ---- The mouse ------------------------------------------------------------------------------

void CGridCtrl::OnMouse(const platform::ui::MouseEvent& e) {
    using platform::ui::MouseAction;
    switch (e.action) {
        case MouseAction::Move:
            OnSetCursor(e.point);
            OnMouseMove(e.keys, e.point);
            break;
        case MouseAction::LeftDown:
            OnLButtonDown(e.keys, e.point);
            break;
        case MouseAction::LeftUp:
            OnLButtonUp(e.keys, e.point);
            break;
        case MouseAction::LeftDoubleClick:
            OnLButtonDblClk(e.keys, e.point);
            break;
        case MouseAction::RightUp:
            OnRButtonUp(e.keys, e.point);
            break;
        default:
            break;
    }
}

void CGridCtrl::ShowTitleTipFor(CCellID id) {
    CGridCellBase* cell = GetCell(id.row, id.col);
    if (!cell || cell->GetTipText().empty() || cell->IsEditing()) return;
    Rect cellRect;
    if (!GetCellRect(id.row, id.col, cellRect)) return;
    Rect textRect = cellRect;
    if (!cell->GetTipTextRect(textRect)) return;
    m_wndTitleTip.Show(textRect, cell->GetTipText(), 0, &cellRect, cell->GetFont(),
                       m_crTitleTipText, m_crTitleTipBack);
}

void CGridCtrl::OnMouseWheel(int delta, unsigned, Point) {
    if (m_nWheelScrollLines == -1) {
        const int pages = delta / kGridWheelDelta;
        for (int i = 0; i < std::abs(pages); ++i)
            OnVScroll(pages > 0 ? GridScroll::PageUp : GridScroll::PageDown);
    } else {
        const long long lines =
            static_cast<long long>(delta) * m_nWheelScrollLines / kGridWheelDelta;
        for (long long i = 0; i < std::abs(lines); ++i)
            OnVScroll(lines > 0 ? GridScroll::LineUp : GridScroll::LineDown);
    }
}

}  // namespace kordel

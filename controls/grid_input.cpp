// The grid control's interaction: the end of an in-place edit and the guarded text change,
// selection by keys and mouse, the key map, the mouse modes (selecting, editing on release,
// dragging, resizing rows and columns), the right button and the auto-scroll timer.
#include <algorithm>

#include "controls/grid_ctrl.h"
#include "platform/ui/menu.h"
#include "platform/ui/toolkit.h"

namespace kordel {

using platform::ui::Point;
using platform::ui::Rect;
using platform::ui::Size;
namespace ui = platform::ui;

// ---- In-place editors -------------------------------------------------------------------------

CGridCtrl::EditorCallScope::~EditorCallScope() {
    if (--m_grid.m_nEditorCalls == 0) m_grid.ReapEditors();
}

void CGridCtrl::ReapEditors() {
    if (m_nEditorCalls != 0) return;
    std::erase_if(m_editors, [](const std::unique_ptr<CInPlaceEditorBase>& e) {
        return !e->IsOpen();
    });
}

CInPlaceEditorBase* CGridCtrl::AdoptEditor(std::unique_ptr<CInPlaceEditorBase> editor) {
    ReapEditors();
    m_editors.push_back(std::move(editor));
    return m_editors.back().get();
}

CInPlaceEditorBase* CGridCtrl::GetOpenEditor() const {
    for (const auto& e : m_editors) {
        if (e->IsOpen()) return e.get();
    }
    return nullptr;
}

void CGridCtrl::OnEditorNotify(int row, int col, const std::string& text, int exitKey,
                               unsigned modifiers) {
    if (!m_peer) return;
    OnEndEditCell(row, col, text);
    // Tab, the arrows and the paging keys go on to the next cell and edit it at once.
    const bool movesOn =
        exitKey == ui::kKeyTab || (exitKey >= ui::kKeyPageUp && exitKey <= ui::kKeyDown);
    if (!movesOn) return;
    OnKeyDown(exitKey, modifiers);
    OnEditCell(m_idFocusCell.row, m_idFocusCell.col, {-1, -1}, exitKey);
}

bool CGridCtrl::StoreCheckedText(int row, int col, const std::string& text) {
    CGridCellBase* cell = GetCell(row, col);
    if (!cell) return false;
    const std::string old = cell->GetText();
    if (text == old) return false;
    // A rejected text leaves the cell, and the grid, as they were.
    const unsigned oldState = cell->GetState();
    const bool oldModified = m_bModified;
    const int oldSortColumn = m_nSortColumn;
    SetCellText(row, col, text);
    if (ValidateEdit(row, col, text) &&
        (!m_pOwner || m_pOwner->OnGridEndEdit(*this, {row, col}))) {
        SetModified(true, row, col);
        RepaintCell(row, col);
        return true;
    }
    if (CGridCellBase* same = GetCell(row, col)) {
        same->SetText(old);
        same->SetState(oldState);
        m_bModified = oldModified;
        if (m_nSortColumn != oldSortColumn) SetSortColumn(oldSortColumn);
    }
    return false;
}

void CGridCtrl::OnEndEditCell(int row, int col, const std::string& text) {
    if (!GetCell(row, col)) return;
    StoreCheckedText(row, col, text);
    if (CGridCellBase* same = GetCell(row, col)) same->OnEndEdit();
}

bool CGridCtrl::SetCellTextChecked(int row, int col, const std::string& text) {
    if (!IsCellEditable(row, col)) return false;
    if (m_pOwner && !m_pOwner->OnGridBeginEdit(*this, {row, col})) return false;
    return StoreCheckedText(row, col, text);
}

// ---- Selection steps --------------------------------------------------------------------------

void CGridCtrl::SelectColumnRange(CCellID cell, bool forceRepaint, bool select) {
    if (!m_bSelectable || !IsValid(cell) || cell.col < m_nFixedCols) return;
    const int first = m_bOneColumnOnly ? cell.col : std::min(m_idSelectionStart.col, cell.col);
    const int last = m_bOneColumnOnly ? cell.col : std::max(m_idSelectionStart.col, cell.col);
    SetSelection(m_nFixedRows, first, m_nRows - 1, last, forceRepaint, select);
}

void CGridCtrl::SelectRowRange(CCellID cell, bool forceRepaint, bool select) {
    if (!m_bSelectable || !IsValid(cell) || cell.row < m_nFixedRows) return;
    const bool one = m_bRowSelectMode && m_bOneRowOnly;
    const int first = one ? cell.row : std::min(m_idSelectionStart.row, cell.row);
    const int last = one ? cell.row : std::max(m_idSelectionStart.row, cell.row);
    SetSelection(first, m_nFixedCols, last, m_nCols - 1, forceRepaint, select);
}

void CGridCtrl::SelectCellRange(CCellID cell, bool forceRepaint, bool select) {
    if (!m_bSelectable || !IsValid(cell) || cell.row < m_nFixedRows || cell.col < m_nFixedCols)
        return;
    SetSelection(std::min(m_idSelectionStart.row, cell.row),
                 std::min(m_idSelectionStart.col, cell.col),
                 std::max(m_idSelectionStart.row, cell.row),
                 std::max(m_idSelectionStart.col, cell.col), forceRepaint, select);
}

void CGridCtrl::SelectToCell(CCellID cell) {
    if (!m_bSelectable) return;
    switch (m_nPointerMode) {
        case kGridMouseSelectAll:
            SelectAll();
            break;
        case kGridMouseSelectCols:
            SelectColumnRange(cell, false, true);
            break;
        case kGridMouseSelectRows:
            SelectRowRange(cell, false, true);
            break;
        case kGridMouseSelectCells:
            SelectCellRange(cell, false, true);
            break;
        default:
            break;
    }
}

void CGridCtrl::OnFixedRowClick(CCellID cell) {
    if (!IsValid(cell)) return;
    if (m_bHeadingClickSorts) {
        SortByColumn(cell.col, cell.col == m_nSortColumn ? !m_bSortAscending : true);
        RefreshGrid();
    }
    if (m_bHeadingRowSelects) {
        m_nPointerMode = cell.col < m_nFixedCols ? kGridMouseSelectAll : kGridMouseSelectCols;
        SelectToCell(cell);
    }
}

void CGridCtrl::OnFixedColumnClick(CCellID cell) {
    if (!IsValid(cell) || !m_bHeadingColumnSelects) return;
    m_nPointerMode = cell.row < m_nFixedRows ? kGridMouseSelectAll : kGridMouseSelectRows;
    SelectToCell(cell);
}

// ---- Keys -------------------------------------------------------------------------------------

bool CGridCtrl::WantsTab(unsigned modifiers) const {
    return m_bTabMovesFocus && !(modifiers & ui::kModCtrl);
}

void CGridCtrl::OnKeyDown(int key, unsigned modifiers) {
    if (!IsValid(m_idFocusCell)) return;
    const bool ctrl = (modifiers & ui::kModCtrl) != 0;
    const bool shift = (modifiers & ui::kModShift) != 0;
    if (ctrl && (key == 'C' || key == ui::kKeyInsert)) {
        OnEditCopy();
    } else if (ctrl && key == 'X') {
        OnEditCut();
    } else if ((ctrl && key == 'V') || (shift && key == ui::kKeyInsert)) {
        OnEditPaste();
    } else if (ctrl && key == 'A') {
        OnEditSelectAll();
    }
    if (!IsValid(m_idFocusCell)) return;

    auto rowShown = [&](int r) { return m_aRowHeight[static_cast<size_t>(r)] > 0; };
    auto colShown = [&](int c) { return m_aColumnWidth[static_cast<size_t>(c)] > 0; };
    /// The nearest shown row (column) from `from` in steps of `step` within [low, high]; -1.
    auto nearest = [](int from, int step, int low, int high, auto shown) {
        for (int i = from; i >= low && i <= high; i += step) {
            if (shown(i)) return i;
        }
        return -1;
    };
    const CCellID focus = m_idFocusCell;
    CCellID target = focus;
    bool wrapped = false;
    const bool tab = key == ui::kKeyTab;

    if (key == ui::kKeyDelete) {
        CutSelectedText();
    } else if (key == ui::kKeyDown) {
        const int r = nearest(focus.row + 1, 1, 0, m_nRows - 1, rowShown);
        if (r >= 0) target.row = r;
    } else if (key == ui::kKeyUp) {
        const int r = nearest(focus.row - 1, -1, m_nFixedRows, m_nRows - 1, rowShown);
        if (r >= 0) target.row = r;
    } else if (key == ui::kKeyRight || (tab && !shift)) {
        const int c = nearest(focus.col + 1, 1, 0, m_nCols - 1, colShown);
        if (c >= 0) {
            target.col = c;
        } else if (tab) {
            // Tab at the end of a row goes to the start of the next shown row; with none
            // below, the focus stays.
            const int r = nearest(focus.row + 1, 1, 0, m_nRows - 1, rowShown);
            const int first = nearest(m_nFixedCols, 1, 0, m_nCols - 1, colShown);
            if (r >= 0 && first >= 0) {
                target = {r, first};
                wrapped = true;
            }
        }
    } else if (key == ui::kKeyLeft || (tab && shift)) {
        const int c = nearest(focus.col - 1, -1, m_nFixedCols, m_nCols - 1, colShown);
        if (c >= 0) {
            target.col = c;
        } else if (tab) {
            // Shift+Tab at the start of a row goes to the end of the shown row above.
            const int r = nearest(focus.row - 1, -1, m_nFixedRows, m_nRows - 1, rowShown);
            const int last = nearest(m_nCols - 1, -1, m_nFixedCols, m_nCols - 1, colShown);
            if (r >= 0 && last >= 0) {
                target = {r, last};
                wrapped = true;
            }
        }
    } else if (key == ui::kKeyPageDown || key == ui::kKeyPageUp) {
        const bool down = key == ui::kKeyPageDown;
        const int before = GetFirstVisibleCell(true).row;
        OnVScroll(down ? GridScroll::PageDown : GridScroll::PageUp);
        const int moved = GetFirstVisibleCell(true).row - before;
        if (down) {
            target.row = moved != 0 ? std::min(focus.row + moved, m_nRows - 1) : m_nRows - 1;
        } else {
            target.row = moved != 0 ? std::max(focus.row + moved, m_nFixedRows) : m_nFixedRows;
        }
    } else if (key == ui::kKeyHome) {
        OnHScroll(GridScroll::Top);
        target.col = m_nFixedCols;
        if (ctrl) {
            OnVScroll(GridScroll::Top);
                target.row = m_nFixedRows;
        }
        while (target.col < m_nCols - 1 && !colShown(target.col)) ++target.col;
        while (target.row < m_nRows - 1 && !rowShown(target.row)) ++target.row;
    } else if (key == ui::kKeyEnd) {
        OnHScroll(GridScroll::Bottom);
        target.col = m_nCols - 1;
        if (ctrl) {
            OnVScroll(GridScroll::Bottom);
                target.row = m_nRows - 1;
        }
        while (target.col > m_nFixedCols + 1 && !colShown(target.col)) --target.col;
        while (target.row > m_nFixedRows + 1 && !rowShown(target.row)) --target.row;
    } else if (key == ui::kKeyF1 + 1) {
        OnEditCell(focus.row, focus.col, {-1, -1}, kGridEditByMouse);
    } else {
        return;
    }
    if (target == focus || !IsValid(target)) return;

    if (m_nPointerMode == kGridMouseNone) {
        // One selection step: Shift extends from the anchor, else the target is the anchor.
        m_mapSelectionAtPress.clear();
        m_nPointerMode = m_bRowSelectMode ? kGridMouseSelectRows : kGridMouseSelectCells;
        if (!shift || tab) m_idSelectionStart = target;
        if (m_pOwner) m_pOwner->OnGridSelectionChanging(*this, target);
        SelectToCell(target);
        if (m_pOwner) m_pOwner->OnGridSelectionChanged(*this, target);
        m_nPointerMode = kGridMouseNone;
    }
    SetFocusCell(target);
    if (!IsCellVisible(target)) {
        if (key == ui::kKeyLeft) {
            OnHScroll(GridScroll::LineUp);
        } else if (key == ui::kKeyRight) {
            OnHScroll(GridScroll::LineDown);
        } else if (key == ui::kKeyUp) {
            OnVScroll(GridScroll::LineUp);
        } else if (key == ui::kKeyDown) {
            OnVScroll(GridScroll::LineDown);
        } else if (tab && wrapped) {
            OnVScroll(shift ? GridScroll::LineUp : GridScroll::LineDown);
            SetScrollPosition(false, shift ? m_nHorzScrollRange : 0);
        } else if (tab) {
            OnHScroll(shift ? GridScroll::LineUp : GridScroll::LineDown);
        }
        ScrollCellIntoView(target.row, target.col);
        if (m_peer && m_bPaintEnabled) m_peer->Invalidate();
    }
    ScrollCellIntoView(target.row, target.col);
}

void CGridCtrl::OnChar(int character, unsigned modifiers) {
    if (modifiers & ui::kModCtrl) return;
    if (m_nPointerMode != kGridMouseNone) return;
    // Escape, Delete and (where Tab moves the focus) Tab open no editor.
    if (character == ui::kKeyEscape || character == 0x7F) return;
    if (character == ui::kKeyTab && m_bTabMovesFocus) return;
    OnEditCell(m_idFocusCell.row, m_idFocusCell.col, {-1, -1}, character);
}

// ---- The mouse --------------------------------------------------------------------------------

bool CGridCtrl::HitsCellText(CCellID id, Point p) const {
    const CGridCellBase* cell = GetCell(id.row, id.col);
    Rect rect;
    if (!cell || !GetCellRect(id.row, id.col, rect) || !cell->GetTextRect(rect)) return false;
    return p.x >= rect.left && p.x <= rect.right && p.y >= rect.top && p.y <= rect.bottom;
}

void CGridCtrl::StartAutoScroll() {
    StopAutoScroll();
    if (ui::Toolkit* toolkit = ui::FindToolkit())
        m_nAutoScrollTimer = toolkit->SetTimer(m_nAutoScrollPeriod, [this] { OnAutoScrollTimer(); });
}

void CGridCtrl::StopAutoScroll() {
    if (m_nAutoScrollTimer == 0) return;
    if (ui::Toolkit* toolkit = ui::FindToolkit()) toolkit->KillTimer(m_nAutoScrollTimer);
    m_nAutoScrollTimer = 0;
}

void CGridCtrl::OnAutoScrollTimer() {
    Point p;
    if (!m_peer || !m_peer->PointerPosition(p)) return;
    const Size client = ClientSize();
    const int fixedHeight = GetFixedRowsHeight();
    const int fixedWidth = GetFixedColumnsWidth();
    const int x = std::clamp(p.x, 0, std::max(0, client.cx - 1));
    const int y = std::clamp(p.y, 0, std::max(0, client.cy - 1));
    if (p.y >= client.cy) {
        OnKeyDown(ui::kKeyDown, 0);
        SelectToCell(CellFromPoint({x, client.cy - 1}, true));
    } else if (p.y < fixedHeight) {
        OnKeyDown(ui::kKeyUp, 0);
        SelectToCell(CellFromPoint({x, fixedHeight + 1}, true));
    }
    if (p.x >= client.cx) {
        OnKeyDown(ui::kKeyRight, 0);
        SelectToCell(CellFromPoint({client.cx - 1, y}, true));
    } else if (p.x < fixedWidth) {
        OnKeyDown(ui::kKeyLeft, 0);
        SelectToCell(CellFromPoint({fixedWidth + 1, y}, true));
    }
}

void CGridCtrl::OnCaptureLost() {
    StopAutoScroll();
    if (m_nPointerMode == kGridMouseDragging) m_nPointerMode = kGridMouseNone;
}

void CGridCtrl::DrawTrackingLine(bool column, int pos) {
    if (!m_peer || !m_bPaintEnabled) return;
    const Size client = ClientSize();
    auto band = [&](int v) {
        return column ? Rect{v, 0, v + 2, client.cy} : Rect{0, v, client.cx, v + 2};
    };
    if (m_nTrackingLine >= 0) m_peer->InvalidateRect(band(m_nTrackingLine));
    m_nTrackingLine = pos;
    if (pos >= 0) m_peer->InvalidateRect(band(pos));
}

void CGridCtrl::StartResize(bool column, Point p) {
    const int grab = m_nDividerGrabWidth;
    int index = column ? m_idLeftClickDown.col : m_idLeftClickDown.row;
    const int count = column ? m_nCols : m_nRows;
    const int fixed = column ? m_nFixedCols : m_nFixedRows;
    const std::vector<int>& sizes = column ? m_aColumnWidth : m_aRowHeight;
    auto size = [&](int i) { return sizes[static_cast<size_t>(i)]; };
    const int pv = column ? p.x : p.y;
    m_nPointerMode = column ? kGridMouseSizingCol : kGridMouseSizingRow;

    // A (nearly) closed last one is pulled open from the end of the cells.
    Rect cells;
    GetVisibleCellRange(&cells);
    const int cellsEnd = column ? cells.right : cells.bottom;
    if (size(count - 1) < grab && pv < cellsEnd + grab && pv >= cellsEnd - grab) index = count - 1;
    Point topLeft;
    if (!GetCellTopLeft(column ? 0 : index, column ? index : 0, topLeft)) return;
    int start = column ? topLeft.x : topLeft.y;
    const bool lastClosed = index == count - 1 && size(count - 1) < grab;
    // A press just after a divider belongs to the one before.
    if (pv - start < grab && !lastClosed && index > 0) {
        --index;
        if (!m_bColumnUnhideByDrag && column) {
            while (index > 0 && size(index) == 0) --index;
        }
        if (!m_bRowUnhideByDrag && !column) {
            while (index > 0 && size(index) == 0) --index;
        }
        if (!GetCellTopLeft(column ? 0 : index, column ? index : 0, topLeft)) return;
        start = column ? topLeft.x : topLeft.y;
    }
    if (column)
        m_idLeftClickDown.col = index;
    else
        m_idLeftClickDown.row = index;
    // The new size lies between a pixel and the scrollable part of the client area.
    const Size client = ClientSize();
    const int room = column ? client.cx - GetFixedColumnsWidth() : client.cy - GetFixedRowsHeight();
    m_rcResizeLimit = column ? Rect{start + 1, 0, start + std::max(1, room), client.cy}
                             : Rect{0, start + 1, client.cx, start + std::max(1, room)};
    (void)fixed;
    DrawTrackingLine(column, pv);
}

void CGridCtrl::OnLButtonDown(unsigned keys, Point p) {
    if (m_peer) m_peer->SetFocus();
    m_bLeftButtonHeld = true;
    m_posLeftClickDown = p;
    m_idLeftClickDown = CellFromPoint(p, true);
    if (!IsValid(m_idLeftClickDown)) return;
    const bool shift = (keys & ui::kMouseShift) != 0;
    const bool ctrl = (keys & ui::kMouseCtrl) != 0;
    const CCellID pressed = m_idLeftClickDown;
    if (!shift)
        m_idSelectionStart = pressed;
    else if (!IsValid(m_idSelectionStart))
        m_idSelectionStart = m_idFocusCell;

    EndEditing();
    if (CGridCellBase* cell = GetCell(pressed.row, pressed.col))
        cell->OnLeftButtonDown(PointInCell(pressed.row, pressed.col, p));

    if (pressed == m_idFocusCell && !ctrl && HitsCellText(pressed, p) &&
        IsCellEditable(pressed)) {
        m_nPointerMode = kGridMouseEditOnRelease;  // the release opens the editor
        m_posLastMouse = p;
        return;
    }
    const bool fixed = pressed.row < m_nFixedRows || pressed.col < m_nFixedCols;
    if (IsCellSelected(pressed.row, pressed.col)) {
        if (ctrl) {
            // Ctrl+click on a selected cell takes it out of the selection.
            SetFocusCell(pressed);
            if (m_bRowSelectMode)
                SelectRowRange(pressed, true, false);
            else
                SelectCellRange(pressed, true, false);
            m_posLastMouse = p;
            return;
        }
        if (m_bAllowDragDrop) m_nPointerMode = kGridMouseDragPending;
    } else if (m_nPointerMode != kGridMouseOverColDivider &&
               m_nPointerMode != kGridMouseOverRowDivider) {
        SetFocusCell(fixed ? CCellID{} : pressed);
    }
    if (m_peer) m_peer->CaptureMouse();

    if (m_nPointerMode == kGridMouseNone) {
        if (m_bColumnsResizable && IsOnColumnDivider(p)) {
            m_nPointerMode = kGridMouseOverColDivider;
            if (m_peer) m_peer->SetCursor(ui::CursorShape::SizeWE);
        } else if (m_bRowsResizable && IsOnRowDivider(p)) {
            m_nPointerMode = kGridMouseOverRowDivider;
            if (m_peer) m_peer->SetCursor(ui::CursorShape::SizeNS);
        }
    }
    if (m_nPointerMode == kGridMouseOverColDivider) {
        StartResize(true, p);
    } else if (m_nPointerMode == kGridMouseOverRowDivider) {
        StartResize(false, p);
    } else if (m_nPointerMode != kGridMouseDragPending) {
        if (m_pOwner) m_pOwner->OnGridSelectionChanging(*this, pressed);
        m_mapSelectionAtPress.clear();
        if (ctrl) m_mapSelectionAtPress = m_mapSelectedCells;
        if (pressed.row < m_nFixedRows) {
            OnFixedRowClick(pressed);
        } else if (pressed.col < m_nFixedCols) {
            OnFixedColumnClick(pressed);
        } else {
            m_nPointerMode = m_bRowSelectMode ? kGridMouseSelectRows : kGridMouseSelectCells;
            SelectToCell(pressed);
            StartAutoScroll();
        }
    }
    m_posLastMouse = p;
}

void CGridCtrl::OnMouseMove(unsigned keys, Point p) {
    const Size client = ClientSize();
    const bool inside = p.x >= 0 && p.y >= 0 && p.x < client.cx && p.y < client.cy;
    if (!inside && m_nPointerMode != kGridMouseDragging) return;
    // The button counts as held while the move says so (a release elsewhere is missed).
    const bool held = m_bLeftButtonHeld && (keys & ui::kMouseLeft);
    if (!held || m_nPointerMode == kGridMouseNone) {
        // Hovering: over a divider the pointer offers to resize.
        if (m_bColumnsResizable && IsOnColumnDivider(p)) {
            m_nPointerMode = kGridMouseOverColDivider;
        } else if (m_bRowsResizable && IsOnRowDivider(p)) {
            m_nPointerMode = kGridMouseOverRowDivider;
        } else if (m_nPointerMode != kGridMouseNone) {
            m_nPointerMode = kGridMouseNone;
            if (m_peer) m_peer->SetCursor(ui::CursorShape::Arrow);
        }
        if (m_nPointerMode == kGridMouseNone) {
            const CCellID id = CellFromPoint(p, true);
            if (!m_bVirtualMode || m_bShowTitleTips) {
                if (CGridCellBase* cell = GetCell(id.row, id.col)) cell->OnMouseMoveOver();
            }
            if (m_bShowTitleTips) ShowTitleTipFor(id);
        }
    } else if (IsValid(m_idLeftClickDown)) {
        switch (m_nPointerMode) {
            case kGridMouseSelectCols:
            case kGridMouseSelectRows:
            case kGridMouseSelectCells: {
                const CCellID cell = CellFromPoint(p, true);
                if (!IsValid(cell) || cell == m_idFocusCell) break;
                SelectToCell(cell);
                const bool fixed = cell.row < m_nFixedRows || cell.col < m_nFixedCols;
                if (!fixed || m_nPointerMode != kGridMouseSelectCells) SetFocusCell(cell);
                break;
            }
            case kGridMouseSizingRow:
                DrawTrackingLine(false,
                                 std::clamp(p.y, m_rcResizeLimit.top, m_rcResizeLimit.bottom));
                break;
            case kGridMouseSizingCol:
                DrawTrackingLine(true,
                                 std::clamp(p.x, m_rcResizeLimit.left, m_rcResizeLimit.right));
                break;
            case kGridMouseEditOnRelease:
            case kGridMouseDragPending:
                m_nPointerMode = kGridMouseDragPending;
                OnBeginDrag();
                break;
            default:
                break;
        }
    }
    m_posLastMouse = p;
}

void CGridCtrl::OnLButtonUp(unsigned, Point p) {
    m_bLeftButtonHeld = false;
    if (m_peer && m_peer->HasCapture()) m_peer->ReleaseMouse();
    StopAutoScroll();
    const Point inFocus = PointInCell(m_idFocusCell.row, m_idFocusCell.col, p);
    CGridCellBase* focusCell = GetCell(m_idFocusCell.row, m_idFocusCell.col);
    switch (m_nPointerMode) {
        case kGridMouseEditOnRelease:
            OnEditCell(m_idFocusCell.row, m_idFocusCell.col, inFocus, kGridEditByMouse);
            break;
        case kGridMouseDragPending:
            // A selected cell was pressed and released without a drag: nothing is selected.
            if (focusCell) focusCell->OnLeftButtonUp(inFocus);
            if (m_pOwner) {
                m_pOwner->OnGridClick(*this, m_idLeftClickDown);
                m_pOwner->OnGridSelectionChanging(*this, m_idLeftClickDown);
            }
            ClearSelection();
            if (m_pOwner) m_pOwner->OnGridSelectionChanged(*this, m_idFocusCell);
            break;
        case kGridMouseSizingCol:
        case kGridMouseSizingRow: {
            const bool column = m_nPointerMode == kGridMouseSizingCol;
            DrawTrackingLine(column, -1);
            if (!(p == m_posLeftClickDown) && !(p == Point{0, 0})) {
                Point topLeft;
                if (!GetCellTopLeft(column ? 0 : m_idLeftClickDown.row,
                                    column ? m_idLeftClickDown.col : 0, topLeft))
                    return;  // the divider scrolled away
                const int v = column ? std::clamp(p.x, m_rcResizeLimit.left, m_rcResizeLimit.right)
                                     : std::clamp(p.y, m_rcResizeLimit.top, m_rcResizeLimit.bottom);
                const bool mayHide = column ? m_bColumnsMayHide : m_bRowsMayHide;
                const int size = std::max(v - (column ? topLeft.x : topLeft.y), mayHide ? 0 : 1);
                if (column)
                    SetColumnWidth(m_idLeftClickDown.col, size);
                else
                    SetRowHeight(m_idLeftClickDown.row, size);
                UpdateScrollBars();
                if (m_peer && m_bPaintEnabled) m_peer->Invalidate();
            }
            break;
        }
        default:
            if (m_pOwner) m_pOwner->OnGridSelectionChanged(*this, m_idFocusCell);
            if (focusCell) focusCell->OnLeftButtonUp(inFocus);
            if (m_pOwner) m_pOwner->OnGridClick(*this, m_idLeftClickDown);
            break;
    }
    m_nPointerMode = kGridMouseNone;
    if (m_peer) m_peer->SetCursor(ui::CursorShape::Arrow);
    if (IsValid(m_idLeftClickDown) && m_pOwner) m_pOwner->OnGridCommand(*this);
}

void CGridCtrl::OnLButtonDblClk(unsigned, Point p) {
    const CCellID cell = CellFromPoint(p, true);
    if (!IsValid(cell)) return;
    const int grab = m_nDividerGrabWidth;
    if (m_nPointerMode == kGridMouseOverColDivider) {
        Point topLeft;
        if (!GetCellTopLeft(0, cell.col, topLeft)) return;
        int col = cell.col;
        if (p.x - topLeft.x < grab) --col;  // just right of a divider: the column before
        while (col >= 0 && m_aColumnWidth[static_cast<size_t>(col)] == 0) --col;
        if (col < 0) return;
        AutoSizeColumn(col, m_nAutoSizeStyle, true);
        if (m_peer && m_bPaintEnabled) m_peer->Invalidate();
    } else if (m_nPointerMode == kGridMouseOverRowDivider) {
        Point topLeft;
        if (!GetCellTopLeft(cell.row, 0, topLeft)) return;
        int row = cell.row;
        if (p.y - topLeft.y < grab) --row;
        while (row >= 0 && m_aRowHeight[static_cast<size_t>(row)] == 0) --row;
        if (row < 0) return;
        AutoSizeRow(row, true);
        if (m_peer && m_bPaintEnabled) m_peer->Invalidate();
    } else if (m_nPointerMode == kGridMouseNone) {
        const Point inCell = PointInCell(cell.row, cell.col, p);
        const bool fixed = cell.row < m_nFixedRows || cell.col < m_nFixedCols;
        if (!fixed && HitsCellText(cell, p) && (IsValid(m_idLeftClickDown) || m_bRowSelectMode))
            OnEditCell(cell.row, cell.col, inCell, kGridEditByMouse);
        if (CGridCellBase* c = GetCell(cell.row, cell.col)) c->OnLeftDoubleClick(inCell);
        if (m_pOwner) m_pOwner->OnGridDoubleClick(*this, cell);
    }
}

void CGridCtrl::OnRButtonUp(unsigned, Point p) {
    const CCellID cell = CellFromPoint(p, true);
    EndEditing();
    if (!IsValid(cell)) {
        if (m_pOwner) m_pOwner->OnGridRightClick(*this, {});
        return;
    }
    // The focus moves to the cell; the selection stays as it is.
    SetFocusCell(-1, -1);
    SetFocusCell(std::max(cell.row, m_nFixedRows), std::max(cell.col, m_nFixedCols));
    if (CGridCellBase* c = GetCell(cell.row, cell.col))
        c->OnRightButtonUp(PointInCell(cell.row, cell.col, p));
    if (m_pOwner) m_pOwner->OnGridRightClick(*this, cell);
}

}  // namespace kordel

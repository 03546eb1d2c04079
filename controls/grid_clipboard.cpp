// The grid control's text exchange: copy, cut and paste through the desktop's clipboard, and
// dragging the selection out of a grid and dropping text into one. The text is plain: a row's
// cells separated by tabs, rows by line feeds; a paste also splits fields at commas, so that
// a table copied from a spreadsheet or a comma-separated file lands cell by cell.
#include <algorithm>

#include "controls/grid_ctrl.h"
#include "platform/ui/clipboard.h"
#include "platform/ui/toolkit.h"

namespace kordel {

using platform::ui::DropEffect;
using platform::ui::Point;
namespace ui = platform::ui;

namespace {

ui::Clipboard* DesktopClipboard() {
    ui::Toolkit* toolkit = ui::FindToolkit();
    return toolkit ? &toolkit->GetClipboard() : nullptr;
}

/// `field` without the blanks (spaces, tabs, carriage returns) around it.
std::string_view Trimmed(std::string_view field) {
    constexpr std::string_view kBlanks = " \t\r";
    const size_t first = field.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return field.substr(first, field.find_last_not_of(kBlanks) - first + 1);
}

}  // namespace

std::optional<std::string> CGridCtrl::CopySelectedText() {
    const CCellRange range = GetSelectionBounds();
    if (!IsValid(range)) return std::nullopt;
    SendCacheHint(range);
    std::string text;
    for (int r = range.minRow; r <= range.maxRow; ++r) {
        if (m_aRowHeight[static_cast<size_t>(r)] == 0) continue;
        for (int c = range.minCol; c <= range.maxCol; ++c) {
            if (m_aColumnWidth[static_cast<size_t>(c)] == 0) continue;
            if (GetCell(r, c) && IsCellSelected(r, c)) text += GetCellText(r, c);
            if (c != range.maxCol) text += '\t';
        }
        if (r != range.maxRow) text += '\n';
    }
    SendCacheHint({});
    return text;
}

void CGridCtrl::CutSelectedText() {
    if (!m_bEditable) return;
    const std::set<CCellID> selected = m_mapSelectedCells;
    for (const CCellID& cell : selected) SetCellTextChecked(cell.row, cell.col, "");
}

bool CGridCtrl::PasteText(CCellID target, std::string_view block, bool selectPasted) {
    if (!IsValid(target) || !IsCellEditable(target)) return false;
    // Text from another program is bounded by its block and ends at the first NUL.
    const std::string_view text = ui::TextOfBlock(block);
    CCellRange pasted{target.row, target.col, -1, -1};
    int l = 0;
    size_t lineStart = 0;
    while (lineStart <= text.size()) {
        const size_t lineEnd = std::min(text.find('\n', lineStart), text.size());
        std::string_view rest = text.substr(lineStart, lineEnd - lineStart);
        lineStart = lineEnd + 1;
        int row = target.row + l;
        while (row < m_nRows && m_aRowHeight[static_cast<size_t>(row)] == 0) {
            ++l;
            ++row;
        }
        if (row >= m_nRows) break;  // what is left falls below the grid
        int c = 0;
        while (!rest.empty()) {
            int col = target.col + c;
            while (col < m_nCols && m_aColumnWidth[static_cast<size_t>(col)] == 0) {
                ++c;
                ++col;
            }
            if (col >= m_nCols) break;  // the rest of the line falls right of the grid
            const size_t end = rest.find_first_of("\t,");
            const std::string_view field = rest.substr(0, end);
            SetCellTextChecked(row, col, std::string(Trimmed(field)));
            SetCellState(row, col, GetCellState(row, col) & ~kGridCellStateSelected);
            pasted.maxRow = std::max(pasted.maxRow, row);
            pasted.maxCol = std::max(pasted.maxCol, col);
            rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
            ++c;
        }
        ++l;
        if (lineEnd == text.size()) break;
    }
    if (selectPasted) {
        SetSelection(pasted.minRow, pasted.minCol, pasted.maxRow, pasted.maxCol, true, true);
    } else {
        ClearSelection();
        RefreshGrid();
    }
    return true;
}

void CGridCtrl::OnEditCopy() {
    const std::optional<std::string> text = CopySelectedText();
    ui::Clipboard* clipboard = DesktopClipboard();
    if (text && clipboard) clipboard->SetText(*text);
}

void CGridCtrl::OnEditCut() {
    if (!m_bEditable) return;
    const std::optional<std::string> text = CopySelectedText();
    if (!text) return;
    if (ui::Clipboard* clipboard = DesktopClipboard()) clipboard->SetText(*text);
    CutSelectedText();
}

bool CGridCtrl::CanPaste() const {
    const ui::Clipboard* clipboard = DesktopClipboard();
    return IsCellEditable(m_idFocusCell) && clipboard && clipboard->HasText();
}

void CGridCtrl::OnEditPaste() {
    if (!m_bEditable) return;
    const CCellRange bounds = GetSelectionBounds();
    CCellID target = IsValid(bounds) ? CCellID{bounds.minRow, bounds.minCol} : m_idFocusCell;
    if (!IsValid(target)) target = GetFirstVisibleCell();
    if (!IsValid(target)) return;
    // A cell being edited takes the text into its field.
    if (const CGridCellBase* cell = GetCell(target.row, target.col); cell && cell->IsEditing()) {
        if (CInPlaceEditorBase* editor = cell->GetEditWindow()) {
            if (ui::EditPeer* field = editor->GetEditField()) {
                field->Paste();
                return;
            }
        }
    }
    ui::Clipboard* clipboard = DesktopClipboard();
    if (!clipboard) return;
    const std::optional<std::string> block = clipboard->GetText();
    if (block) PasteText(target, *block, true);
}

// ---- Drag and drop ------------------------------------------------------------------------------

void CGridCtrl::OnBeginDrag() {
    if (!m_bAllowDragDrop || !m_peer) return;
    const std::optional<std::string> text = CopySelectedText();
    if (!text) return;
    const CCellRange bounds = GetSelectionBounds();
    if (m_pOwner) m_pOwner->OnGridBeginDrag(*this, {bounds.minRow, bounds.minCol});
    m_nPointerMode = kGridMouseDragging;
    m_bLeftButtonHeld = false;
    StopAutoScroll();
    if (m_peer->HasCapture()) m_peer->ReleaseMouse();
    const DropEffect effect = m_peer->DragText(*text);
    // A move empties the source; a drop into this grid has cancelled the selection already,
    // so a move within one grid leaves the source cells as they were.
    if (effect == DropEffect::Move) CutSelectedText();
    if (m_nPointerMode == kGridMouseDragging) m_nPointerMode = kGridMouseNone;
}

void CGridCtrl::SetDropHighlight(CCellID cell, bool on) {
    if (!IsValid(cell)) return;
    const unsigned state = GetCellState(cell.row, cell.col);
    SetCellState(cell.row, cell.col,
                 on ? state | kGridCellStateDropHighlighted
                    : state & ~kGridCellStateDropHighlighted);
    InvalidateCell(cell.row, cell.col);
}

DropEffect CGridCtrl::OnDragEnter(bool hasText, unsigned keys, Point p) {
    if (!m_bAllowDragDrop || !hasText) return DropEffect::None;
    m_idLastDragOver = CellFromPoint(p, false);
    if (!IsValid(m_idLastDragOver) || !IsCellEditable(m_idLastDragOver)) return DropEffect::None;
    SetDropHighlight(m_idLastDragOver, true);
    return (keys & ui::kMouseCtrl) ? DropEffect::Copy : DropEffect::Move;
}

DropEffect CGridCtrl::OnDragOver(bool hasText, unsigned keys, Point p) {
    if (!m_bAllowDragDrop || !hasText || !m_bEditable) return DropEffect::None;
    const CCellID cell = CellFromPoint(p, false);
    if (!IsValid(cell)) {
        OnDragLeave();
        m_idLastDragOver = {};
        return DropEffect::None;
    }
    if (!IsCellEditable(cell)) return DropEffect::None;
    if (!(cell == m_idLastDragOver)) {
        SetDropHighlight(m_idLastDragOver, false);
        m_idLastDragOver = cell;
        SetDropHighlight(cell, true);
    }
    return (keys & ui::kMouseCtrl) ? DropEffect::Copy : DropEffect::Move;
}

void CGridCtrl::OnDragLeave() {
    SetDropHighlight(m_idLastDragOver, false);
}

bool CGridCtrl::OnDrop(const std::string& block, DropEffect, Point) {
    m_nPointerMode = kGridMouseNone;
    if (!m_bAllowDragDrop || !IsCellEditable(m_idLastDragOver)) return false;
    OnDragLeave();
    return PasteText(m_idLastDragOver, block, false);
}

}  // namespace kordel

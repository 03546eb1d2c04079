// The grid's in-place editors and its drop-down cell.
#include "controls/in_place_edit.h"

#include <algorithm>
#include <cctype>

#include "controls/grid_ctrl.h"
#include "platform/ui/menu.h"

namespace kordel {

using platform::ui::DC;
using platform::ui::EditSpec;
using platform::ui::Point;
using platform::ui::Rect;
using platform::ui::Size;
namespace ui = platform::ui;

namespace {

bool IsArrowOrPagingKey(int key) {
    return key >= ui::kKeyPageUp && key <= ui::kKeyDown && key != ui::kKeyEnd &&
           key != ui::kKeyHome;
}

/// Scroll-bar sizes of the grid's window (the classic 17 pixels without one).
Size BarSizes(const CGridCtrl& grid) {
    constexpr int kClassicBar = 17;
    return grid.GetPeer() ? grid.GetPeer()->ScrollBarSizes() : Size{kClassicBar, kClassicBar};
}

/// The grid's font for an edit field.
std::optional<ui::Font> FontOf(const CGridCtrl& grid) {
    const ui::Font* font = grid.GetFont();
    return font ? std::optional<ui::Font>(*font) : std::nullopt;
}

}  // namespace

// ---- The editors' common part ------------------------------------------------------------

CInPlaceEditorBase::CInPlaceEditorBase(CGridCtrl& grid, int row, int col,
                                       std::string initialText)
    : m_grid(grid), m_nRow(row), m_nCol(col), m_sInitialText(std::move(initialText)) {}

CInPlaceEditorBase::~CInPlaceEditorBase() = default;

void CInPlaceEditorBase::Report(const std::string& text) {
    m_grid.OnEditorNotify(m_nRow, m_nCol, text, m_nExitKey, m_nExitModifiers);
}

void CInPlaceEditorBase::Close() {
    if (!m_peer) return;
    const std::string text = m_peer->GetText();
    Report(text);
    // The report may have opened the next cell's editor; this field closes all the same.
    m_peer.reset();
}

void CInPlaceEditorBase::FocusToGrid() {
    CGridCtrl::EditorCallScope scope(m_grid);
    if (ui::ControlPeer* grid = m_grid.GetPeer()) grid->SetFocus();
    // A window system that reports the loss of the focus later ends the edit here.
    if (m_peer) EndEdit();
}

bool CInPlaceEditorBase::LeaveBy(int key, unsigned modifiers) {
    m_nExitKey = key;
    m_nExitModifiers = modifiers;
    FocusToGrid();
    return true;
}

void CInPlaceEditorBase::StartWith(int character, bool typesBlanks) {
    switch (character) {
        case kGridEditByMouse:
        case ui::kKeyReturn:
            m_peer->SetSelection(-1, -1);
            break;
        case ui::kKeyBack:
            m_peer->SetSelection(-1, -1);
            m_peer->TypeChar(character);
            break;
        default:
            m_peer->SetSelection(0, -1);
            // The navigation keys only select the text; a typed character replaces it.
            if (character >= ui::kKeyPageUp && character <= ui::kKeyDown) break;
            if (!typesBlanks && (character == ui::kKeyTab || character == ' ')) break;
            m_peer->TypeChar(character);
            break;
    }
}

// ---- The edit field ----------------------------------------------------------------------

CInPlaceEdit::CInPlaceEdit(CGridCtrl& grid, const Rect& rect, unsigned align, int row, int col,
                           const std::string& initialText, int character)
    : CInPlaceEditorBase(grid, row, col, initialText),
      m_bArrowsEnd(character != kGridEditByMouse) {
    // The cell's rectangle includes its right and bottom edges; the field's does not.
    m_rcEdit = {rect.left, rect.top, rect.right + 1, rect.bottom + 1};
    ui::ControlPeer* parent = grid.GetPeer();
    if (!parent) return;
    EditSpec spec;
    spec.align = align;
    spec.font = FontOf(grid);
    m_peer = parent->CreateEdit(*this, m_rcEdit, spec);
    if (!m_peer) return;
    m_peer->SetText(initialText);
    m_peer->SetFocus();
    StartWith(character, false);
}

void CInPlaceEdit::EndEdit() {
    CGridCtrl::EditorCallScope scope(m_grid);
    // One end at a time: closing the field moves the focus, which must not end it again.
    static bool s_ending = false;
    if (s_ending) return;
    s_ending = true;
    Close();
    s_ending = false;
}

bool CInPlaceEdit::OnKeyDown(int key, unsigned modifiers) {
    CGridCtrl::EditorCallScope scope(m_grid);
    if (IsArrowOrPagingKey(key) && (m_bArrowsEnd || (modifiers & ui::kModCtrl)))
        return LeaveBy(key, modifiers);
    return false;
}

bool CInPlaceEdit::OnChar(int character, unsigned modifiers) {
    CGridCtrl::EditorCallScope scope(m_grid);
    if (character == ui::kKeyTab || character == ui::kKeyReturn)
        return LeaveBy(character, modifiers);
    if (character == ui::kKeyEscape) {
        if (m_peer) m_peer->SetText(m_sInitialText);
        return LeaveBy(character, modifiers);
    }
    return false;
}

void CInPlaceEdit::OnChange() {
    CGridCtrl::EditorCallScope scope(m_grid);
    if (!m_peer) return;
    // The field grows to the right to show what is typed, up to the grid's edge; it never
    // shrinks.
    std::unique_ptr<DC> dc = m_grid.CreateMeasureDC();
    if (!dc) return;
    if (const ui::Font* font = m_grid.GetFont()) dc->SelectFont(*font);
    const int width = dc->GetTextExtent(m_peer->GetText() + "  ").cx;
    if (width <= m_rcEdit.Width()) return;
    const int clientRight = m_grid.GetPeer() ? m_grid.GetPeer()->ClientSize().cx : 0;
    const int right = std::min(m_rcEdit.left + width, clientRight);
    if (right <= m_rcEdit.right) return;
    m_rcEdit.right = right;
    m_peer->SetRect(m_rcEdit);
}

void CInPlaceEdit::OnKillFocus() {
    CGridCtrl::EditorCallScope scope(m_grid);
    EndEdit();
}

// ---- The drop-down list ------------------------------------------------------------------

CInPlaceList::CInPlaceList(CGridCtrl& grid, Rect& rect, bool chooseOnly, int row, int col,
                           const std::vector<std::string>& choices,
                           const std::string& initialText, int character)
    : CInPlaceEditorBase(grid, row, col, initialText),
      m_choices(choices),
      m_bChooseOnly(chooseOnly) {
    const int h = rect.bottom - rect.top + 1;
    rect.bottom += kInPlaceListDropLines * h + BarSizes(grid).cy;
    m_rcEdit = {rect.left, rect.top, rect.right + 1, rect.bottom + 1};
    ui::ControlPeer* parent = grid.GetPeer();
    if (!parent) return;
    EditSpec spec;
    spec.font = FontOf(grid);
    spec.dropDown = true;
    spec.chooseOnly = chooseOnly;
    spec.fieldHeight = h;
    spec.choices = m_choices;
    spec.listWidth = GetDropWidth();
    m_peer = parent->CreateEdit(*this, m_rcEdit, spec);
    if (!m_peer) return;

    // The first choice that begins with the cell's text, whatever the case.
    auto begins = [&](const std::string& choice) {
        if (choice.size() < initialText.size()) return false;
        for (size_t i = 0; i < initialText.size(); ++i) {
            if (std::tolower(static_cast<unsigned char>(choice[i])) !=
                std::tolower(static_cast<unsigned char>(initialText[i])))
                return false;
        }
        return true;
    };
    const auto found = std::find_if(m_choices.begin(), m_choices.end(), begins);
    if (found != m_choices.end())
        m_peer->SetListIndex(static_cast<int>(found - m_choices.begin()));
    else
        m_peer->SetText(initialText);
    m_peer->SetFocus();
    if (!chooseOnly) StartWith(character, true);
}

int CInPlaceList::GetDropWidth() const {
    std::unique_ptr<DC> dc = m_grid.CreateMeasureDC();
    if (!dc) return 0;
    if (const ui::Font* font = m_grid.GetFont()) dc->SelectFont(*font);
    const int bar = BarSizes(m_grid).cx;
    int width = 0;
    for (const std::string& choice : m_choices)
        width = std::max(width, dc->GetTextExtent(choice).cx + bar);
    width += dc->GetTextExtent("0").cx;
    return std::min(width, kInPlaceListMaxDropWidth);
}

void CInPlaceList::EndEdit() {
    CGridCtrl::EditorCallScope scope(m_grid);
    Close();
}

bool CInPlaceList::OnKeyDown(int key, unsigned modifiers) {
    CGridCtrl::EditorCallScope scope(m_grid);
    // Without Ctrl the arrows move through the choices.
    if (IsArrowOrPagingKey(key) && (modifiers & ui::kModCtrl)) return LeaveBy(key, modifiers);
    return false;
}

bool CInPlaceList::OnChar(int character, unsigned modifiers) {
    CGridCtrl::EditorCallScope scope(m_grid);
    if (character == ui::kKeyEscape && m_peer) m_peer->SetText(m_sInitialText);
    if (character == ui::kKeyTab || character == ui::kKeyReturn || character == ui::kKeyEscape)
        return LeaveBy(character, modifiers);
    return false;
}

void CInPlaceList::OnKillFocus() {
    CGridCtrl::EditorCallScope scope(m_grid);
    EndEdit();
}

// ---- Cells that edit -----------------------------------------------------------------------

bool CGridCell::Edit(int row, int col, Rect rect, Point, int, int character) {
    CGridCtrl* grid = GetOwnerGrid();
    if (!grid) return false;
    if (m_bInEdit) {
        // A key for the editor that runs.
        if (m_pEditor && m_pEditor->Peer() && !m_pEditor->OnChar(character, 0) &&
            m_pEditor->Peer())
            m_pEditor->Peer()->TypeChar(character);
        return true;
    }
    const unsigned format = GetFormat();
    const unsigned align = (format & ui::kDtRight)    ? ui::kDtRight
                           : (format & ui::kDtCenter) ? ui::kDtCenter
                                                      : ui::kDtLeft;
    m_bInEdit = true;
    auto editor =
        std::make_unique<CInPlaceEdit>(*grid, rect, align, row, col, GetText(), character);
    if (!editor->IsOpen()) {
        // No field could be made: the cell is not editing after all.
        m_bInEdit = false;
        return false;
    }
    m_pEditor = grid->AdoptEditor(std::move(editor));
    return true;
}

void CGridCell::EndEdit() {
    if (m_pEditor) m_pEditor->EndEdit();
}

bool CGridCellCombo::Edit(int row, int col, Rect rect, Point, int, int character) {
    CGridCtrl* grid = GetOwnerGrid();
    if (!grid) return false;
    m_bInEdit = true;
    auto editor = std::make_unique<CInPlaceList>(*grid, rect, m_bChooseOnly, row, col,
                                                 m_saChoices, GetText(), character);
    if (!editor->IsOpen()) {
        m_bInEdit = false;
        return false;
    }
    m_pEditor = grid->AdoptEditor(std::move(editor));
    return true;
}

Size CGridCellCombo::GetCellExtent(DC* dc) const {
    Size size = CGridCell::GetCellExtent(dc);
    if (const CGridCtrl* grid = GetOwnerGrid()) {
        const Size bars = BarSizes(*grid);
        size.cx += bars.cx;
        size.cy += bars.cy;
    }
    return size;
}

bool CGridCellCombo::Draw(DC& dc, int row, int col, Rect rect, bool erase) {
    CGridCtrl* grid = GetOwnerGrid();
    if (grid && grid->IsCellEditable(row, col) && !IsEditing()) {
        const Size bars = BarSizes(*grid);
        const int bw = bars.cx;
        const int bh = bars.cy;
        if (bh < rect.Width() && bh < rect.Height()) {
            // The drop button in the top-right corner: a raised face with a down arrow.
            const Rect button{rect.right - bw, rect.top, rect.right, rect.top + bh};
            dc.FillSolidRect(button, grid->SysColour(ui::SysColour::ButtonFace));
            const int saved = dc.SaveDC();
            dc.SelectPen({ui::PenStyle::Solid, 0, grid->SysColour(ui::SysColour::ButtonShadow)});
            dc.MoveTo({button.left, button.bottom - 1});
            dc.LineTo({button.right - 1, button.bottom - 1});
            dc.LineTo({button.right - 1, button.top - 1});
            const ui::Colour text = grid->SysColour(ui::SysColour::WindowText);
            dc.SelectPen({ui::PenStyle::Solid, 0, text});
            dc.SelectBrush({ui::BrushStyle::Solid, text});
            const int cx = (button.left + button.right) / 2;
            const int cy = (button.top + button.bottom) / 2;
            dc.Polygon({{cx - 3, cy - 1}, {cx + 3, cy - 1}, {cx, cy + 2}});
            dc.RestoreDC(saved);
            rect.right = button.left;
        }
    }
    if (!IsEditing()) return CGridCell::Draw(dc, row, col, rect, erase);
    // Under the open list the cell shows no text.
    std::string text;
    std::swap(text, m_sText);
    const bool drawn = CGridCell::Draw(dc, row, col, rect, erase);
    std::swap(text, m_sText);
    return drawn;
}

}  // namespace kordel

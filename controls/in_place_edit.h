// The in-place editors of the grid control: the edit field a cell opens over itself while its
// text is edited (CInPlaceEdit), the drop-down list of a cell with fixed choices
// (CInPlaceList), and that drop-down cell (CGridCellCombo).
//
// An editor lives from the cell's Edit until its end: a key that leaves it (Enter, Tab,
// Escape, the arrows and paging keys), the loss of the focus, or the grid's EndEditing. At its
// end it reports its text and the key that ended it to the grid once, and closes its field;
// the grid stores the text and, for Tab, an arrow or a paging key, moves on and opens the
// editor of the next cell. The grid owns the editor objects and frees a closed one only when
// no call of an editor is running, so an editor may end itself from within its own handlers.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "controls/grid_cell.h"
#include "platform/ui/control_window.h"

namespace kordel {

class CGridCtrl;

/// Longest a drop-down list is made, pixels.
inline constexpr int kInPlaceListMaxDropWidth = 200;
/// Lines of cell height the open list of a drop-down cell adds below its field.
inline constexpr int kInPlaceListDropLines = 4;

class CInPlaceEditorBase : public platform::ui::EditHandler {
  public:
    CInPlaceEditorBase(CGridCtrl& grid, int row, int col, std::string initialText);
    ~CInPlaceEditorBase() override;
    CInPlaceEditorBase(const CInPlaceEditorBase&) = delete;
    CInPlaceEditorBase& operator=(const CInPlaceEditorBase&) = delete;

    /// Reports the text to the grid and closes the field.
    virtual void EndEdit() = 0;
    /// Whether the field exists (it could be made and has not closed).
    bool IsOpen() const { return m_peer != nullptr; }
    /// The edit field into which Paste goes; nullptr when there is none (a choose-only list).
    virtual platform::ui::EditPeer* GetEditField() const { return m_peer.get(); }
    platform::ui::EditPeer* Peer() const { return m_peer.get(); }
    int Row() const { return m_nRow; }
    int Col() const { return m_nCol; }
    int ExitKey() const { return m_nExitKey; }
    const platform::ui::Rect& EditRect() const { return m_rcEdit; }

  protected:
    /// Sends the grid the end-of-edit report with the field's text.
    void Report(const std::string& text);
    /// Gives the focus back to the grid, which ends the edit.
    void FocusToGrid();
    /// Reports the field's text and closes the field (nothing when it is closed).
    void Close();
    /// Ends the edit by `key` (with `modifiers`).
    bool LeaveBy(int key, unsigned modifiers);
    /// Places the caret for the key that started the edit (the mouse, F2 and Enter leave the
    /// text, Backspace takes off its last character, other keys select it all and a typed
    /// character replaces it); Tab and Space are typed only when `typesBlanks`.
    void StartWith(int character, bool typesBlanks);

    CGridCtrl& m_grid;
    int m_nRow;
    int m_nCol;
    std::string m_sInitialText;
    int m_nExitKey = 0;
    unsigned m_nExitModifiers = 0;
    platform::ui::Rect m_rcEdit;
    std::unique_ptr<platform::ui::EditPeer> m_peer;
};

class CInPlaceEdit : public CInPlaceEditorBase {
  public:
    /// Opens the field over `rect` with `initialText`; `character` is the key that started the
    /// edit (kGridEditByMouse for the mouse and F2). The field is not open when it cannot be
    /// made.
    CInPlaceEdit(CGridCtrl& grid, const platform::ui::Rect& rect, unsigned align, int row,
                 int col, const std::string& initialText, int character);

    void EndEdit() override;

    bool OnKeyDown(int key, unsigned modifiers) override;
    bool OnChar(int character, unsigned modifiers) override;
    void OnChange() override;
    void OnKillFocus() override;

  private:
    bool m_bArrowsEnd;
};

class CInPlaceList : public CInPlaceEditorBase {
  public:
    /// Opens the drop-down over `rect` (its bottom grows by the open list) with the choices;
    /// `chooseOnly` allows no text but a choice.
    CInPlaceList(CGridCtrl& grid, platform::ui::Rect& rect, bool chooseOnly, int row, int col,
                 const std::vector<std::string>& choices, const std::string& initialText,
                 int character);

    void EndEdit() override;
    platform::ui::EditPeer* GetEditField() const override {
        return m_bChooseOnly ? nullptr : m_peer.get();
    }
    /// The width of the open list: the widest choice, a scroll bar and a "0", at most
    /// kInPlaceListMaxDropWidth.
    int GetDropWidth() const;

    bool OnKeyDown(int key, unsigned modifiers) override;
    bool OnChar(int character, unsigned modifiers) override;
    void OnKillFocus() override;

  private:
    std::vector<std::string> m_choices;
    bool m_bChooseOnly;
};

/// A cell whose text is one of a list of choices (or, editable, any text), chosen from a list
/// that drops down when it is edited; it shows a drop button while it may be edited.
class CGridCellCombo : public CGridCell {
  public:
    CGridCellCombo() = default;

    void SetChoices(const std::vector<std::string>& choices) { m_saChoices = choices; }
    const std::vector<std::string>& GetChoices() const { return m_saChoices; }
    /// Only a choice may be the text (the list style); else any text may be typed.
    bool m_bChooseOnly = false;

    bool Edit(int row, int col, platform::ui::Rect rect, platform::ui::Point point,
              int controlId, int character) override;
    platform::ui::Size GetCellExtent(platform::ui::DC* dc) const override;
    bool Draw(platform::ui::DC& dc, int row, int col, platform::ui::Rect rect,
              bool erase = true) override;

  private:
    std::vector<std::string> m_saChoices;
};

}  // namespace kordel

// The cells of the grid control. The grid never paints, measures, edits or prints a cell
// itself: it asks the cell. CGridCell is the ordinary cell; CGridDefaultCell holds the defaults
// of one kind of cell (the grid keeps four: ordinary, fixed row, fixed column, fixed corner).
// Whatever a cell leaves at its use-the-default value (format, margin, colours, font) is taken
// from the default cell of its kind when it is needed, so changing a default cell changes every
// cell of that kind that has no value of its own; a cell's kind follows its state bits, so a
// cell that becomes fixed takes the fixed defaults at once.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "controls/grid_types.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/dc.h"

namespace kordel {

class CGridCtrl;
class CGridDefaultCell;
class CInPlaceEditorBase;

class CGridCellBase {
  public:
    CGridCellBase() = default;
    virtual ~CGridCellBase() = default;
    CGridCellBase(const CGridCellBase&) = delete;
    CGridCellBase& operator=(const CGridCellBase&) = delete;

    // ---- Setters ----------------------------------------------------------------------------
    virtual void SetText(const std::string& text) = 0;
    virtual void SetImageIndex(int image) = 0;
    virtual void SetUserData(std::intptr_t data) = 0;
    virtual void SetState(unsigned state) { m_dwState = state; }
    virtual void SetFormat(unsigned format) = 0;
    virtual void SetTextColor(GridColour colour) = 0;
    virtual void SetBackColor(GridColour colour) = 0;
    /// The cell's own font (copied); nullptr: the default cell's.
    virtual void SetFont(const platform::ui::Font* font) = 0;
    virtual void SetMargin(unsigned margin) = 0;
    virtual void SetOwnerGrid(CGridCtrl* grid) = 0;
    /// The grid gives a cell its address when it is made, moved, and before each paint.
    virtual void SetPosition(int /*row*/, int /*col*/) {}

    // ---- Getters ----------------------------------------------------------------------------
    virtual const std::string& GetText() const = 0;
    /// The text the title tip shows.
    virtual const std::string& GetTipText() const { return GetText(); }
    virtual int GetImageIndex() const = 0;
    virtual std::intptr_t GetUserData() const = 0;
    virtual unsigned GetState() const { return m_dwState; }
    /// The format: the cell's own, else its default cell's, else 0.
    virtual unsigned GetFormat() const = 0;
    /// The cell's own colours (none: it takes the default cell's).
    virtual GridColour GetTextColor() const = 0;
    virtual GridColour GetBackColor() const = 0;
    /// The font: the cell's own, else its default cell's, else nullptr.
    virtual const platform::ui::Font* GetFont() const = 0;
    virtual CGridCtrl* GetOwnerGrid() const = 0;
    /// The horizontal text margin: the cell's own, else its default cell's, else 0.
    virtual unsigned GetMargin() const = 0;
    /// The owner grid's default cell of this cell's kind; nullptr without a grid.
    virtual CGridDefaultCell* GetDefaultCell() const;
    virtual bool IsDefaultFont() const = 0;
    virtual bool IsEditing() const = 0;

    bool IsFocused() const { return (GetState() & kGridCellStateFocused) != 0; }
    bool IsSelected() const { return (GetState() & kGridCellStateSelected) != 0; }
    bool IsDropHighlighted() const { return (GetState() & kGridCellStateDropHighlighted) != 0; }
    bool IsReadOnly() const { return (GetState() & kGridCellStateReadOnly) != 0; }
    bool IsFixed() const { return (GetState() & kGridCellStateFixed) != 0; }
    bool IsFixedRow() const { return (GetState() & kGridCellStateFixedRow) != 0; }
    bool IsFixedColumn() const { return (GetState() & kGridCellStateFixedCol) != 0; }
    bool IsModified() const { return (GetState() & kGridCellStateModified) != 0; }

    /// Takes every property of `source` through its getters (so values it leaves to its
    /// default cell arrive as explicit values).
    virtual void CopyFrom(const CGridCellBase& source);
    virtual void Reset() { m_dwState = 0; }

    // ---- Painting and measuring ----------------------------------------------------------------
    /// Paints the cell inside `rect` (right and bottom inclusive, the grid's convention);
    /// `erase` fills the background even when the cell has no colour of its own. False when
    /// nothing could be drawn.
    virtual bool Draw(platform::ui::DC& dc, int row, int col, platform::ui::Rect rect,
                      bool erase = true);
    /// Narrows `rect`, the cell less its margins, to where the text goes.
    virtual bool GetTextRect(platform::ui::Rect& rect) const;
    /// The same for the title tip.
    virtual bool GetTipTextRect(platform::ui::Rect& rect) const { return GetTextRect(rect); }
    /// The size `text` needs in the cell's font with the margins; `dc` may be null (the grid
    /// window's is taken).
    virtual platform::ui::Size GetTextExtent(const std::string& text, platform::ui::DC* dc) const;
    /// The size the cell needs: its text and its image.
    virtual platform::ui::Size GetCellExtent(platform::ui::DC* dc) const;
    /// Prints the cell inside `rect` on a printer's device context.
    virtual bool PrintCell(platform::ui::DC& dc, int row, int col, platform::ui::Rect rect);

    // ---- Editing ------------------------------------------------------------------------------
    /// Opens the cell's in-place editor over `rect`; `character` is the key that started it.
    virtual bool Edit(int /*row*/, int /*col*/, platform::ui::Rect /*rect*/,
                      platform::ui::Point /*point*/, int /*controlId*/, int /*character*/) {
        return false;
    }
    /// Whether `text` may become the cell's text.
    virtual bool ValidateEdit(const std::string& /*text*/) { return true; }
    /// Ends a running edit: the editor reports its text to the grid.
    virtual void EndEdit() {}
    /// The grid took the edited text.
    virtual void OnEndEdit() {}
    /// The running in-place editor; nullptr when there is none.
    virtual CInPlaceEditorBase* GetEditWindow() const { return nullptr; }

    // ---- The mouse ----------------------------------------------------------------------------
    virtual void OnMouseMoveOver() {}
    virtual void OnLeftButtonUp(platform::ui::Point) {}
    virtual void OnLeftButtonDown(platform::ui::Point) {}
    virtual void OnRightButtonUp(platform::ui::Point) {}
    virtual void OnLeftDoubleClick(platform::ui::Point) {}
    /// Sets the pointer over the cell: the arrow.
    virtual bool OnSetCursor();

  protected:
    /// The cell's picture in its grid's image list and the picture's rectangle; nullptr when
    /// it has none.
    const platform::ui::Bitmap* GetImage(platform::ui::Rect& imageRect) const;

    unsigned m_dwState = 0;
};

class CGridCell : public CGridCellBase {
  public:
    CGridCell() { Reset(); }
    ~CGridCell() override = default;

    void SetText(const std::string& text) override { m_sText = text; }
    void SetImageIndex(int image) override { m_nImageIndex = image; }
    void SetUserData(std::intptr_t data) override { m_lUserData = data; }
    void SetFormat(unsigned format) override { m_nTextFormat = format; }
    void SetTextColor(GridColour colour) override { m_crText = colour; }
    void SetBackColor(GridColour colour) override { m_crBack = colour; }
    void SetFont(const platform::ui::Font* font) override;
    void SetMargin(unsigned margin) override { m_nTextMargin = margin; }
    void SetOwnerGrid(CGridCtrl* grid) override { m_pOwnerGrid = grid; }

    const std::string& GetText() const override { return m_sText; }
    int GetImageIndex() const override { return m_nImageIndex; }
    std::intptr_t GetUserData() const override { return m_lUserData; }
    unsigned GetFormat() const override;
    GridColour GetTextColor() const override { return m_crText; }
    GridColour GetBackColor() const override { return m_crBack; }
    const platform::ui::Font* GetFont() const override;
    CGridCtrl* GetOwnerGrid() const override { return m_pOwnerGrid; }
    unsigned GetMargin() const override;
    bool IsDefaultFont() const override { return !m_pLogFont; }
    bool IsEditing() const override { return m_bInEdit; }

    /// Back to a new cell's values; the user data and the owner grid stay.
    void Reset() override;

    /// Opens an edit field over `rect` holding the cell's text, aligned as the text is; on a
    /// cell already editing, `character` goes to the running editor. False when no field can
    /// be made (the cell is then not editing).
    bool Edit(int row, int col, platform::ui::Rect rect, platform::ui::Point point,
              int controlId, int character) override;
    void EndEdit() override;
    void OnEndEdit() override {
        m_bInEdit = false;
        m_pEditor = nullptr;
    }
    CInPlaceEditorBase* GetEditWindow() const override { return m_pEditor; }

  protected:
    std::string m_sText;
    std::intptr_t m_lUserData = 0;
    int m_nImageIndex = -1;
    unsigned m_nTextFormat = kGridUseDefault;
    GridColour m_crText;
    GridColour m_crBack;
    std::unique_ptr<platform::ui::Font> m_pLogFont;
    unsigned m_nTextMargin = kGridUseDefault;
    bool m_bInEdit = false;
    CInPlaceEditorBase* m_pEditor = nullptr;  ///< owned by the grid
    CGridCtrl* m_pOwnerGrid = nullptr;
};

/// The defaults of one kind of cell. It always reports itself read-only and keeps no state or
/// user data of its own.
class CGridDefaultCell : public CGridCell {
  public:
    /// Left-aligned one-line text cut with "...", the desktop font, and the margin and size
    /// that font gives.
    CGridDefaultCell();

    void SetState(unsigned) override {}
    void SetUserData(std::intptr_t) override {}
    /// A default cell is its own default: it has none.
    CGridDefaultCell* GetDefaultCell() const override;
    unsigned GetState() const override { return m_dwState | kGridCellStateReadOnly; }
    /// Takes the font, then measures it: the margin is the width of a blank, the default
    /// size that of a blank, twelve capital X and a blank, one and a half times as high.
    void SetFont(const platform::ui::Font* font) override;

    unsigned GetStyle() const { return m_dwStyle; }
    void SetStyle(unsigned style) { m_dwStyle = style; }
    int GetWidth() const { return m_sizeDefault.cx; }
    int GetHeight() const { return m_sizeDefault.cy; }
    void SetWidth(int width) { m_sizeDefault.cx = width; }
    void SetHeight(int height) { m_sizeDefault.cy = height; }

    /// Margin and size when no device context can measure the font.
    static constexpr unsigned kUnmeasuredMargin = 3;
    static constexpr platform::ui::Size kUnmeasuredSize{40, 16};

  private:
    platform::ui::Size m_sizeDefault{30, 10};
    unsigned m_dwStyle = 0;
};

}  // namespace kordel

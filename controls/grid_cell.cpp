#include "controls/grid_cell.h"

#include <algorithm>

#include "controls/grid_ctrl.h"
#include "platform/ui/toolkit.h"

namespace kordel {

using platform::ui::Colour;
using platform::ui::DC;
using platform::ui::Font;
using platform::ui::Pen;
using platform::ui::PenStyle;
using platform::ui::Point;
using platform::ui::Rect;
using platform::ui::Size;
using platform::ui::SysColour;

// ---- CGridCellBase --------------------------------------------------------------------------

CGridDefaultCell* CGridCellBase::GetDefaultCell() const {
    const CGridCtrl* grid = GetOwnerGrid();
    if (!grid) return nullptr;
    const unsigned state = GetState();
    return grid->DefaultCellFor((state & kGridCellStateFixedRow) != 0,
                                (state & kGridCellStateFixedCol) != 0);
}

void CGridCellBase::CopyFrom(const CGridCellBase& source) {
    if (&source == this) return;
    SetOwnerGrid(source.GetOwnerGrid());
    SetText(source.GetText());
    SetImageIndex(source.GetImageIndex());
    SetUserData(source.GetUserData());
    SetState(source.GetState());
    SetFormat(source.GetFormat());
    SetTextColor(source.GetTextColor());
    SetBackColor(source.GetBackColor());
    SetFont(source.IsDefaultFont() ? nullptr : source.GetFont());
    SetMargin(source.GetMargin());
}

bool CGridCellBase::OnSetCursor() {
    if (const CGridCtrl* grid = GetOwnerGrid()) {
        if (platform::ui::ControlPeer* peer = grid->GetPeer())
            peer->SetCursor(platform::ui::CursorShape::Arrow);
    }
    return true;
}

Size CGridCellBase::GetTextExtent(const std::string& text, DC* dc) const {
    const CGridDefaultCell* defaultCell = GetDefaultCell();
    std::unique_ptr<DC> own;
    if (!dc) {
        if (const CGridCtrl* grid = GetOwnerGrid()) own = grid->CreateMeasureDC();
        dc = own.get();
    }
    if (!dc) {
        return defaultCell ? Size{defaultCell->GetWidth(), defaultCell->GetHeight()} : Size{};
    }

    dc->SaveDC();
    if (const Font* font = GetFont()) dc->SelectFont(*font);
    const unsigned format = GetFormat();
    Size size;
    if ((format & platform::ui::kDtWordBreak) && !(format & platform::ui::kDtSingleLine)) {
        // Several lines: as wide as the widest, measured by the text layout.
        int widest = 0;
        size_t start = 0;
        for (;;) {
            const size_t end = text.find('\n', start);
            widest = std::max(widest, dc->GetTextExtent(text.substr(start, end - start)).cx);
            if (end == std::string::npos) break;
            start = end + 1;
        }
        Rect r{0, 0, widest + 1, 0};
        dc->DrawText(text, r, format | platform::ui::kDtCalcRect);
        size = {r.Width(), r.Height()};
    } else {
        size = dc->GetTextExtent(text);
    }
    dc->RestoreDC();

    const int margin = static_cast<int>(GetMargin());
    size.cx += 4 * margin;
    size.cy += 2 * margin;
    return size;
}

const platform::ui::Bitmap* CGridCellBase::GetImage(Rect& imageRect) const {
    const CGridCtrl* grid = GetOwnerGrid();
    const GridImageList* images = grid ? grid->GetImageList() : nullptr;
    if (!images || GetImageIndex() < 0 || !images->ImageRect(GetImageIndex(), imageRect))
        return nullptr;
    return &images->images[static_cast<size_t>(GetImageIndex())];
}

Size CGridCellBase::GetCellExtent(DC* dc) const {
    const Size text = GetTextExtent(GetText(), dc);
    Size image;
    Rect imageRect;
    if (GetImage(imageRect)) image = {imageRect.Width() + 1, imageRect.Height() + 1};
    return {text.cx + image.cx, std::max(text.cy, image.cy)};
}

bool CGridCellBase::GetTextRect(Rect& rect) const {
    Rect imageRect;
    if (GetImage(imageRect)) rect.left += imageRect.Width() + 1 + static_cast<int>(GetMargin());
    return true;
}

namespace {

/// A one-pixel frame inside `r` (right and bottom outside), in `colour`.
void FrameRect(DC& dc, const Rect& r, Colour colour) {
    const Pen oldPen = dc.SelectPen({PenStyle::Solid, 0, colour});
    const platform::ui::Brush oldBrush = dc.SelectBrush({platform::ui::BrushStyle::Null, colour});
    dc.Rectangle(r);
    dc.SelectBrush(oldBrush);
    dc.SelectPen(oldPen);
}

/// The raised border of a heading inside `r` (right and bottom inclusive): the lit edge along
/// the top and left, the dark edge along the right and bottom; `r` becomes what is inside it.
void DrawRaisedBorder(DC& dc, Rect& r, const CGridCtrl& grid) {
    const Pen oldPen =
        dc.SelectPen({PenStyle::Solid, 0, grid.SysColour(SysColour::ButtonHighlight)});
    dc.MoveTo({r.right, r.top});
    dc.LineTo({r.left, r.top});
    dc.LineTo({r.left, r.bottom});
    dc.SelectPen({PenStyle::Solid, 0, grid.SysColour(SysColour::DarkShadow3D)});
    dc.MoveTo({r.right, r.top});
    dc.LineTo({r.right, r.bottom});
    dc.LineTo({r.left, r.bottom});
    dc.SelectPen(oldPen);
    r = {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
}

/// A sunken inner edge inside `r` (right and bottom outside): dark along the top and left,
/// light along the bottom and right.
void DrawSunkenEdge(DC& dc, const Rect& r, Colour dark, Colour light) {
    const Pen oldPen = dc.SelectPen({PenStyle::Solid, 0, dark});
    dc.MoveTo({r.left, r.bottom - 1});
    dc.LineTo({r.left, r.top});
    dc.LineTo({r.right, r.top});
    dc.SelectPen({PenStyle::Solid, 0, light});
    dc.MoveTo({r.left, r.bottom - 1});
    dc.LineTo({r.right - 1, r.bottom - 1});
    dc.LineTo({r.right - 1, r.top - 1});
    dc.SelectPen(oldPen);
}

/// The triangle of a sorted heading, a x a pixels at (left, top): pointing up for an
/// ascending sort. The lit outline first, then the shadow one pixel up and left of it.
void DrawSortArrow(DC& dc, int left, int top, int a, bool ascending, Colour light, Colour shadow) {
    const int half = a / 2;
    const Pen oldPen = dc.SelectPen({PenStyle::Solid, 0, light});
    auto triangle = [&](int x, int y) {
        if (ascending) {
            dc.MoveTo({x, y + a});
            dc.LineTo({x + half, y});
            dc.LineTo({x + a, y + a});
            dc.LineTo({x, y + a});
        } else {
            dc.MoveTo({x, y});
            dc.LineTo({x + half, y + a});
            dc.LineTo({x + a, y});
            dc.LineTo({x, y});
        }
    };
    triangle(left + 1, top + 1);
    dc.SelectPen({PenStyle::Solid, 0, shadow});
    triangle(left, top);
    dc.SelectPen(oldPen);
}

}  // namespace

bool CGridCellBase::Draw(DC& dc, int row, int col, Rect rect, bool erase) {
    CGridCtrl* grid = GetOwnerGrid();
    if (!grid || rect.Width() <= 0 || rect.Height() <= 0) return false;
    const int saved = dc.SaveDC();
    dc.SetBkMode(platform::ui::BkMode::Transparent);
    const CGridDefaultCell* defaultCell = GetDefaultCell();
    if (!defaultCell) {
        dc.RestoreDC(saved);
        return false;
    }

    // Colours: the cell's own, else the default cell's; a colour of its own is always filled.
    Colour text = GetTextColor().value_or(
        defaultCell->GetTextColor().value_or(grid->SysColour(SysColour::WindowText)));
    Colour back;
    if (const GridColour own = GetBackColor()) {
        back = *own;
        erase = true;
    } else {
        back = defaultCell->GetBackColor().value_or(grid->SysColour(SysColour::Window));
    }

    if (IsFocused() || IsDropHighlighted()) {
        if (IsSelected()) {
            back = grid->SysColour(SysColour::Highlight);
            text = grid->SysColour(SysColour::HighlightText);
            erase = true;
        }
        rect.right++;
        rect.bottom++;
        if (erase) dc.FillSolidRect(rect, back);
        if (grid->m_nLineMode != kGridLinesNone) {
            rect.right--;
            rect.bottom--;
        }
        if (grid->m_bOutlineFocusCell) FrameRect(dc, rect, text);
        dc.SetTextColour(text);
        if (grid->m_nLineMode == kGridLinesNone) {
            rect.right--;
            rect.bottom--;
        }
        rect.top++;
        rect.right--;
        rect.bottom--;
    } else if (IsSelected()) {
        rect.right++;
        rect.bottom++;
        dc.FillSolidRect(rect, grid->SysColour(SysColour::Highlight));
        rect.right--;
        rect.bottom--;
        dc.SetTextColour(grid->SysColour(SysColour::HighlightText));
    } else {
        if (erase) {
            rect.right++;
            rect.bottom++;
            dc.FillSolidRect(rect, back);
            rect.right--;
            rect.bottom--;
        }
        dc.SetTextColour(text);
    }

    if (IsFixed() && grid->m_nLineMode != kGridLinesNone) {
        const CCellID focus = grid->GetFocusCell();
        if (grid->m_bHighlightFocusHeadings && grid->IsValid(focus) &&
            (focus.row == row || focus.col == col)) {
            rect.right++;
            rect.bottom++;
            DrawSunkenEdge(dc, rect, grid->SysColour(SysColour::DarkShadow3D),
                           grid->SysColour(SysColour::Light3D));
            rect = {rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1};
        } else {
            DrawRaisedBorder(dc, rect, *grid);
        }
    }

    if (!dc.IsPrinting()) {
        if (const Font* font = GetFont()) dc.SelectFont(*font);
    }

    const int margin = static_cast<int>(GetMargin());
    rect.left += margin;
    rect.right -= margin;

    Rect imageRect;
    if (const platform::ui::Bitmap* image = GetImage(imageRect)) {
        const int w = imageRect.Width() + 1;
        const int h = imageRect.Height() + 1;
        if (rect.left + w <= rect.right + 2 * margin && rect.top + h <= rect.bottom + 2 * margin)
            dc.DrawBitmap(*image, {rect.left, rect.top});
    }

    if (row == 0 && col == grid->GetSortColumn()) {
        const Size m = dc.GetTextExtent("M");
        int a = m.cy - 2 * kGridSortArrowGap;
        if (a >= rect.Height()) a = rect.Height() - 2 * kGridSortArrowGap;
        if (a > 0 && rect.left + a < rect.right + 2 * margin) {
            const int top = rect.bottom - kGridSortArrowGap - a;
            const int left = rect.right - a;
            DrawSortArrow(dc, left, top, a, grid->GetSortAscending(),
                          grid->SysColour(SysColour::ButtonHighlight),
                          grid->SysColour(SysColour::ButtonShadow));
            rect.right -= a;
        }
    }

    GetTextRect(rect);
    dc.DrawText(GetText(), rect, GetFormat() | platform::ui::kDtNoPrefix);
    dc.RestoreDC(saved);
    return true;
}

bool CGridCellBase::PrintCell(DC& dc, int /*row*/, int /*col*/, Rect rect) {
    CGridCtrl* grid = GetOwnerGrid();
    if (!grid || rect.Width() <= 0 || rect.Height() <= 0) return false;
    const int saved = dc.SaveDC();
    dc.SetBkMode(platform::ui::BkMode::Transparent);

    Colour text = platform::ui::kBlack;
    if (grid->m_bPrintColour) {
        const CGridDefaultCell* defaultCell = GetDefaultCell();
        if (!defaultCell) {
            dc.RestoreDC(saved);
            return false;
        }
        const GridColour defaultBack = defaultCell->GetBackColor();
        GridColour back;
        if (IsFixed()) {
            back = GetBackColor() ? GetBackColor() : defaultBack;
        } else if (GetBackColor() && GetBackColor() != defaultBack) {
            back = GetBackColor();  // only a colour of its own that stands out is printed
        }
        text = GetTextColor().value_or(defaultCell->GetTextColor().value_or(platform::ui::kBlack));
        if (back) {
            rect.right++;
            rect.bottom++;
            dc.FillSolidRect(rect, *back);
            rect.right--;
            rect.bottom--;
        }
    }
    dc.SetTextColour(text);
    if (const Font* font = GetFont()) dc.SelectFont(*font);

    if (IsFixed() && grid->m_nLineMode != kGridLinesNone) DrawRaisedBorder(dc, rect, *grid);
    const int margin = static_cast<int>(GetMargin());
    rect.left += margin;
    rect.right -= margin;

    Rect imageRect;
    if (const platform::ui::Bitmap* image = GetImage(imageRect)) {
        dc.DrawBitmap(*image, {rect.left, rect.top});
        rect.left += margin + imageRect.Width();
    }
    dc.DrawText(GetText(), rect, GetFormat() | platform::ui::kDtNoPrefix);
    dc.RestoreDC(saved);
    return true;
}

// ---- CGridCell ------------------------------------------------------------------------------

void CGridCell::Reset() {
    CGridCellBase::Reset();
    m_sText.clear();
    m_nImageIndex = -1;
    m_bInEdit = false;
    m_pEditor = nullptr;
    m_nTextFormat = kGridUseDefault;
    m_crBack.reset();
    m_crText.reset();
    m_nTextMargin = kGridUseDefault;
    m_pLogFont.reset();
}

void CGridCell::SetFont(const Font* font) {
    if (!font) {
        m_pLogFont.reset();
    } else if (m_pLogFont) {
        *m_pLogFont = *font;
    } else {
        m_pLogFont = std::make_unique<Font>(*font);
    }
}

unsigned CGridCell::GetFormat() const {
    if (m_nTextFormat != kGridUseDefault) return m_nTextFormat;
    const CGridDefaultCell* defaultCell = GetDefaultCell();
    return defaultCell ? defaultCell->GetFormat() : 0;
}

unsigned CGridCell::GetMargin() const {
    if (m_nTextMargin != kGridUseDefault) return m_nTextMargin;
    const CGridDefaultCell* defaultCell = GetDefaultCell();
    return defaultCell ? defaultCell->GetMargin() : 0;
}

const Font* CGridCell::GetFont() const {
    if (m_pLogFont) return m_pLogFont.get();
    const CGridDefaultCell* defaultCell = GetDefaultCell();
    return defaultCell ? defaultCell->GetFont() : nullptr;
}

// ---- CGridDefaultCell -----------------------------------------------------------------------

CGridDefaultCell::CGridDefaultCell() {
    m_nTextFormat = kGridDefaultTextFormat;
    const Font font = platform::ui::CurrentLook().messageFont;
    SetFont(&font);
}

CGridDefaultCell* CGridDefaultCell::GetDefaultCell() const {
    return nullptr;
}

void CGridDefaultCell::SetFont(const Font* font) {
    if (!font) return;
    CGridCell::SetFont(font);
    platform::ui::Toolkit* toolkit = platform::ui::FindToolkit();
    std::unique_ptr<DC> dc = toolkit ? toolkit->CreateScreenMeasureDC() : nullptr;
    if (!dc) {
        SetMargin(kUnmeasuredMargin);
        m_sizeDefault = kUnmeasuredSize;
        return;
    }
    dc->SelectFont(*font);
    SetMargin(static_cast<unsigned>(dc->GetTextExtent(" ").cx));
    m_sizeDefault = dc->GetTextExtent(" XXXXXXXXXXXX ");
    m_sizeDefault.cy = m_sizeDefault.cy * 3 / 2;
}

}  // namespace kordel

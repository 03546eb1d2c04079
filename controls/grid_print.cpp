// Printing a grid: the rows go down the pages in bands, each page with a header (the window's
// caption and the program's title), the heading rows and columns repeated, and a footer with
// the page number and the date. The whole width of the grid is scaled onto the page width
// unless the screen's proportions are asked for, when wide grids take pages side by side.
#include <algorithm>
#include <climits>
#include <ctime>

#include "controls/grid_ctrl.h"
#include <cstdio>

namespace kordel {

using platform::ui::DC;
using platform::ui::Point;
using platform::ui::PrintInfo;
using platform::ui::Rect;
using platform::ui::Size;
namespace ui = platform::ui;

namespace {

constexpr const char* kMeasureText = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSATUVWXYZ";
constexpr int kMeasureLength = 52;
constexpr int kPrintFontHeight = -10;
constexpr double kScreenDpi = 96.0;

/// a * b / c, rounded, held within int.
int MulDiv(int a, int b, int c) {
    if (c == 0) return 0;
    const long long v = (static_cast<long long>(a) * b + c / 2) / c;
    return static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX));
}

class GridPrintable : public ui::Printable {
  public:
    explicit GridPrintable(CGridCtrl& grid) : m_grid(grid) {}
    bool OnPreparePrinting(PrintInfo&) override { return true; }
    void OnBeginPrinting(DC& dc, PrintInfo& info) override { m_grid.OnBeginPrinting(dc, info); }
    void OnPrint(DC& dc, PrintInfo& info) override { m_grid.OnPrint(dc, info); }
    void OnEndPrinting(DC& dc, PrintInfo& info) override { m_grid.OnEndPrinting(dc, info); }

  private:
    CGridCtrl& m_grid;
};

}  // namespace

int PrintGrid(CGridCtrl& grid, ui::PrintSurface& surface) {
    GridPrintable printable(grid);
    PrintInfo info;
    return ui::RunPrintLoop(printable, surface, info);
}

std::vector<int> CGridCtrl::BandStarts(bool rows, int pageSize) const {
    const std::vector<int>& sizes = rows ? m_aRowHeight : m_aColumnWidth;
    const int first = rows ? m_nFixedRows : m_nFixedCols;
    const int count = rows ? m_nRows : m_nCols;
    std::vector<int> starts{first};
    long long sum = 0;
    for (int i = first; i < count; ++i) {
        const int size = sizes[static_cast<size_t>(i)];
        sum += size;
        if (sum > pageSize) {
            starts.push_back(i);  // this one starts the new band
            sum = size;
        }
    }
    return starts;
}

int CGridCtrl::FirstRowOfBand(int band) const {
    const std::vector<int> starts = BandStarts(true, m_nPrintPageHeight);
    return band >= 1 && band <= static_cast<int>(starts.size())
               ? starts[static_cast<size_t>(band - 1)]
               : m_nRows;
}

void CGridCtrl::OnBeginPrinting(DC& dc, PrintInfo& info) {
    const double printerDpiX = dc.DpiX();
    const double printerDpiY = dc.DpiY();
    double screenDpiX = kScreenDpi;
    double screenDpiY = kScreenDpi;
    if (std::unique_ptr<DC> screen = CreateMeasureDC()) {
        screenDpiX = screen->DpiX();
        screenDpiY = screen->DpiY();
    }
    m_fontPrint = ui::Font{"Arial", kPrintFontHeight, ui::kFontWeightNormal};
    const int saved = dc.SaveDC();
    dc.SetMapMode(ui::MapMode::Text);
    dc.SelectFont(m_fontPrint);
    const Size extent = dc.GetTextExtent(kMeasureText);
    m_sizePrintChar = {std::max(1, extent.cx / kMeasureLength), std::max(1, extent.cy)};
    dc.RestoreDC(saved);

    const int margins = (m_nPrintLeftMargin + m_nPrintRightMargin) * m_sizePrintChar.cx;
    m_sizePaper = dc.DeviceSize();
    if (m_bPrintScreenScale) {
        m_sizeLogicalPage.cx =
            static_cast<int>(screenDpiX * m_sizePaper.cx / printerDpiX) * 3 / 4;
        m_sizeLogicalPage.cy =
            static_cast<int>(screenDpiY * m_sizePaper.cy / printerDpiY) * 3 / 4;
    } else {
        m_sizeLogicalPage.cx = GetTotalWidth() + margins;
        m_sizeLogicalPage.cy = MulDiv(m_sizeLogicalPage.cx, m_sizePaper.cy, m_sizePaper.cx);
    }
    m_nPrintPageHeight =
        m_sizeLogicalPage.cy - GetFixedRowsHeight() -
        (m_nPrintHeaderLines + m_nPrintFooterLines + 2 * m_nPrintGapLines) * m_sizePrintChar.cy;
    m_nPrintPageWidth = m_sizeLogicalPage.cx - GetFixedColumnsWidth() - margins;

    const int bands = static_cast<int>(BandStarts(true, m_nPrintPageHeight).size());
    m_nPrintColumnPages =
        m_bPrintScreenScale ? static_cast<int>(BandStarts(false, m_nPrintPageWidth).size()) : 1;
    m_nPrintPages = bands * m_nPrintColumnPages;
    info.SetMaxPage(m_nPrintPages);
    info.curPage = 1;
}

void CGridCtrl::OnEndPrinting(DC&, PrintInfo&) {}

Point CGridCtrl::PrintCells(DC& dc, int firstRow, int endRow, int firstCol, int endCol,
                            Point origin, Size limit) {
    const ui::Pen oldPen = dc.SelectPen({ui::PenStyle::Solid, 0, ui::kBlack});
    int top = origin.y;
    int right = origin.x;
    for (int row = firstRow; row < endRow; ++row) {
        const int height = m_aRowHeight[static_cast<size_t>(row)];
        if (height <= 0) continue;
        // A row taller than the page still prints, cut off, as the first of its page.
        if (top + height - origin.y > limit.cy && top > origin.y) break;
        int left = origin.x;
        for (int col = firstCol; col < endCol; ++col) {
            const int width = m_aColumnWidth[static_cast<size_t>(col)];
            if (width <= 0) continue;
            if (left + width - origin.x > limit.cx && left > origin.x) break;
            const Rect cell{left, top, left + width - 1, top + height - 1};
            if (CGridCellBase* c = GetCell(row, col)) {
                c->SetPosition(row, col);
                c->PrintCell(dc, row, col, cell);
            }
            if (m_nLineMode & kGridLinesHorizontal) {
                dc.MoveTo({cell.left - 1, cell.bottom});
                dc.LineTo({cell.right, cell.bottom});
                if (top == origin.y) {
                    dc.MoveTo({cell.left - 1, cell.top - 1});
                    dc.LineTo({cell.right, cell.top - 1});
                }
            }
            if (m_nLineMode & kGridLinesVertical) {
                dc.MoveTo({cell.right, cell.top - 1});
                dc.LineTo({cell.right, cell.bottom});
                if (left == origin.x) {
                    dc.MoveTo({cell.left - 1, cell.top - 1});
                    dc.LineTo({cell.left - 1, cell.bottom});
                }
            }
            left += width;
        }
        right = std::max(right, left);
        top += height;
    }
    dc.SelectPen(oldPen);
    return {right, top};
}

void CGridCtrl::OnPrint(DC& dc, PrintInfo& info) {
    if (m_nPrintPages <= 0) return;
    const int saved = dc.SaveDC();
    dc.SelectFont(m_fontPrint);
    dc.SetMapMode(ui::MapMode::Anisotropic);
    dc.SetWindowExt(m_sizeLogicalPage);
    dc.SetViewportExt(m_sizePaper);
    const int left = m_nPrintLeftMargin * m_sizePrintChar.cx;
    const int margins = (m_nPrintLeftMargin + m_nPrintRightMargin) * m_sizePrintChar.cx;
    const int line = m_sizePrintChar.cy;
    const int textWidth = m_sizeLogicalPage.cx - margins;

    dc.SetWindowOrg({-left, 0});
    info.drawRect = {0, 0, textWidth, m_nPrintHeaderLines * line};
    PrintHeader(dc, info);

    // Which band of rows and which of the pages side by side this page is.
    const int page = std::clamp(info.curPage, 1, m_nPrintPages);
    const int band = (page - 1) / m_nPrintColumnPages + 1;
    const int columnPage = (page - 1) % m_nPrintColumnPages;
    m_nPrintRow = FirstRowOfBand(band);
    m_nPrintFirstColumn = m_nFixedCols;
    for (int i = 0; i < columnPage; ++i) {
        long long sum = 0;
        int c = m_nPrintFirstColumn;
        for (; c < m_nCols; ++c) {
            sum += m_aColumnWidth[static_cast<size_t>(c)];
            if (sum > m_nPrintPageWidth) break;
        }
        m_nPrintFirstColumn = c;
    }

    // The table: heading rows across the top, heading columns down the left, then the cells.
    dc.SetWindowOrg({-left, -(m_nPrintHeaderLines + m_nPrintGapLines) * line});
    const int fixedHeight = GetFixedRowsHeight();
    const int fixedWidth = GetFixedColumnsWidth();
    PrintColumnHeadings(dc, info);
    PrintRowButtons(dc, info);
    PrintCells(dc, m_nPrintRow, m_nRows, m_nPrintFirstColumn, m_nCols, {fixedWidth, fixedHeight},
               {m_nPrintPageWidth, m_nPrintPageHeight});

    dc.SetWindowOrg({-left, m_nPrintFooterLines * line - m_sizeLogicalPage.cy});
    info.drawRect = {0, 0, textWidth, m_nPrintFooterLines * line};
    PrintFooter(dc, info);
    dc.RestoreDC(saved);
}

void CGridCtrl::PrintColumnHeadings(DC& dc, PrintInfo&) {
    if (m_nFixedRows == 0) return;
    const int fixedWidth = GetFixedColumnsWidth();
    PrintCells(dc, 0, m_nFixedRows, 0, m_nFixedCols, {0, 0}, {fixedWidth, INT_MAX / 2});
    PrintCells(dc, 0, m_nFixedRows, m_nPrintFirstColumn, m_nCols, {fixedWidth, 0},
               {m_nPrintPageWidth, INT_MAX / 2});
}

void CGridCtrl::PrintRowButtons(DC& dc, PrintInfo&) {
    if (m_nFixedCols == 0) return;
    PrintCells(dc, m_nPrintRow, m_nRows, 0, m_nFixedCols, {0, GetFixedRowsHeight()},
               {GetFixedColumnsWidth(), m_nPrintPageHeight});
}

void CGridCtrl::PrintHeader(DC& dc, PrintInfo& info) {
    const int saved = dc.SaveDC();
    ui::Font bold = m_fontPrint;
    bold.weight = ui::kFontWeightBold;
    dc.SelectFont(bold);
    dc.SetBkMode(ui::BkMode::Transparent);
    dc.SetTextColour(ui::kBlack);
    const unsigned flags = ui::kDtVCenter | ui::kDtSingleLine | ui::kDtNoPrefix;
    Rect rect = info.drawRect;
    // The caption of the window around the grid (a dialog's), and the program's title.
    const std::string caption = m_peer ? m_peer->AncestorText() : std::string();
    if (!caption.empty()) dc.DrawText(caption, rect, flags | ui::kDtCenter);
    rect = info.drawRect;
    if (!m_sPrintTitle.empty()) dc.DrawText(m_sPrintTitle, rect, flags | ui::kDtRight);
    dc.SelectPen({ui::PenStyle::Solid, 0, ui::kBlack});
    dc.MoveTo({info.drawRect.left, info.drawRect.bottom});
    dc.LineTo({info.drawRect.right, info.drawRect.bottom});
    dc.RestoreDC(saved);
}

void CGridCtrl::PrintFooter(DC& dc, PrintInfo& info) {
    const int saved = dc.SaveDC();
    dc.SelectPen({ui::PenStyle::Solid, 0, ui::kBlack});
    dc.MoveTo({info.drawRect.left, info.drawRect.top});
    dc.LineTo({info.drawRect.right, info.drawRect.top});
    ui::Font bold = m_fontPrint;
    bold.weight = ui::kFontWeightBold;
    dc.SelectFont(bold);
    dc.SetBkMode(ui::BkMode::Transparent);
    dc.SetTextColour(ui::kBlack);
    const unsigned flags = ui::kDtVCenter | ui::kDtSingleLine | ui::kDtNoPrefix;
    Rect rect = info.drawRect;
    char page[64];
    std::snprintf(page, sizeof page, "Page %d of %d", info.curPage, info.maxPage);
    dc.DrawText(page, rect, flags | ui::kDtLeft);
    char date[128] = "";
    const std::time_t now = std::time(nullptr);
    // The locale's own date and time; a two-digit year is the locale's choice.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-y2k"
    if (const std::tm* local = std::localtime(&now)) std::strftime(date, sizeof date, "%c", local);
#pragma GCC diagnostic pop
    rect = info.drawRect;
    dc.DrawText(date, rect, flags | ui::kDtRight);
    dc.RestoreDC(saved);
}

}  // namespace kordel

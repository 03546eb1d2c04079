#include "views/text_metrics.h"

#include <algorithm>
#include <cstdlib>

#include "document/kordel_doc.h"
#include "platform/ui/toolkit.h"

namespace kordel {

using namespace platform::ui;

MapMode CMetrics::s_mapMode = MapMode::LoEnglish;

namespace {

/// `dc` switched to the shared mapping mode.
std::unique_ptr<DC> Prepared(std::unique_ptr<DC> dc) {
    if (dc) dc->SetMapMode(CMetrics::GetMapMode());
    return dc;
}

}  // namespace

std::unique_ptr<DC> CMetrics::CreateMeasureDC() {
    std::unique_ptr<DC> dc = GetToolkit().CreatePrinterMeasureDC();
    if (!dc) dc = GetToolkit().CreateScreenMeasureDC();
    return Prepared(std::move(dc));
}

std::unique_ptr<DC> CMetrics::CreateScreenDC() {
    return Prepared(GetToolkit().CreateScreenMeasureDC());
}

bool CMetrics::BeginCalculate() {
    if (m_bValid) return false;
    CMetrics::Calculate();
    return true;
}

// ---- CViewMetrics ---------------------------------------------------------------------------

CViewMetrics::CViewMetrics(CKordelDoc& doc, const std::vector<std::string>* lines)
    : m_pDocument(&doc), m_pLines(lines ? lines : &doc.m_saReport) {}

void CViewMetrics::SetFont(const Font* font) {
    const bool same = font == m_pFont || (font && m_pFont && *font == *m_pFont);
    m_pFont = font;
    if (!same) Invalidate();
}

Size CViewMetrics::MeasureCharSize(DC& dc) {
    if (m_pFont) dc.SelectFont(*m_pFont);
    const TextMetrics tm = dc.GetTextMetrics();
    return {tm.aveCharWidth, tm.height + tm.externalLeading};
}

void CViewMetrics::Calculate() {
    if (!BeginCalculate()) return;
    // With no device to measure on every size stays 0; the views guard their divisions.
    m_sizeScreenChar = m_sizePrinterChar = m_sizeExtent = {};
    m_nExternalLeading = 0;

    if (std::unique_ptr<DC> screen = CreateScreenDC()) {
        m_nLogPixelsX = static_cast<int>(screen->DpiX());
        m_nLogPixelsY = static_cast<int>(screen->DpiY());
        m_sizeScreenChar = MeasureCharSize(*screen);
        m_nExternalLeading = screen->GetTextMetrics().externalLeading;
        int widest = 0;
        m_pDocument->BuildDueReports();  // the document's arrays are built when first read
        for (const std::string& line : *m_pLines) {
            widest = std::max(widest, screen->GetTextExtent(line).cx);
        }
        m_sizeExtent = {widest, m_sizeScreenChar.cy};
    }
    if (std::unique_ptr<DC> printer = CreateMeasureDC()) {
        m_sizePrinterChar = MeasureCharSize(*printer);
    }
}

Size CViewMetrics::GetExtent() {
    Calculate();
    return m_sizeExtent;
}

Size CViewMetrics::GetCharSize(bool printer) {
    Calculate();
    return printer ? m_sizePrinterChar : m_sizeScreenChar;
}

// ---- CMargins -------------------------------------------------------------------------------

void CMargins::Calculate() {
    if (!BeginCalculate()) return;
    std::unique_ptr<DC> dc = CreateMeasureDC();
    if (!dc) {
        // Nothing to measure on: no strips, and the text rectangle is empty.
        m_ptPrintingOffset = {};
        m_nRightUnprintable = m_nBottomUnprintable = 0;
        m_ptOrigin = {};
        m_nHorzRes = m_nVertRes = 0;
        m_rcPrintable = {};
        m_sizePhysicalPage = {};
        return;
    }

    // The printer's page in device units: the strips at the left and top, the sheet, and the
    // printable area that starts after the strips.
    const Point offset = dc->PrintingOffset();
    m_sizePhysicalPage = dc->PhysicalPageSize();
    const Size res = dc->DeviceSize();
    const Point origin{0, 0};
    const int rightStrip = m_sizePhysicalPage.cx - (res.cx - origin.x) - offset.x;
    const int bottomStrip = m_sizePhysicalPage.cy - (res.cy - origin.y) - offset.y;

    // The strips in logical units; y points up, so the vertical ones are taken as magnitudes.
    const Point offsetLogical = dc->DPtoLP(offset);
    const Point stripsLogical = dc->DPtoLP(Point{rightStrip, bottomStrip});
    m_ptPrintingOffset = {offsetLogical.x, std::abs(offsetLogical.y)};
    m_nRightUnprintable = stripsLogical.x;
    m_nBottomUnprintable = std::abs(stripsLogical.y);

    // The printable area in logical units; its bottom comes out negative.
    m_ptOrigin = dc->DPtoLP(origin);
    const Point corner = dc->DPtoLP(Point{res.cx, res.cy});
    m_nHorzRes = corner.x;
    m_nVertRes = corner.y;

    // A margin narrower than its strip leaves a negative effective margin: the rectangle then
    // reaches past the printable area, and the device clips what falls outside.
    const Rect effective = GetMarginsLessOffsets();
    m_rcPrintable = {effective.left, -effective.top, m_nHorzRes - effective.right,
                     m_nVertRes + effective.bottom};
}

Rect CMargins::GetMargins() {
    Calculate();
    return {m_nLeftMargin, m_nTopMargin, m_nRightMargin, m_nBottomMargin};
}

Size CMargins::GetPhysicalPageSize() {
    Calculate();
    return m_sizePhysicalPage;
}

Rect CMargins::GetPrintableRect() {
    Calculate();
    return m_rcPrintable;
}

Rect CMargins::GetMarginsLessOffsets() const {
    return {m_nLeftMargin - m_ptPrintingOffset.x, m_nTopMargin - m_ptPrintingOffset.y,
            m_nRightMargin - m_nRightUnprintable, m_nBottomMargin - m_nBottomUnprintable};
}

// ---- CPageMetrics ---------------------------------------------------------------------------

CPageMetrics::CPageMetrics(CKordelDoc& doc, CMargins& margins, CViewMetrics& viewMetrics)
    : m_pDocument(&doc), m_pViewMetrics(&viewMetrics), m_pMargins(&margins) {}

void CPageMetrics::Calculate() {
    if (!BeginCalculate()) return;
    m_nLinesPerPage = 1;
    m_nPageCount = 0;
    std::unique_ptr<DC> dc = CreateMeasureDC();
    if (dc) {
        // The printer line height in device units (a point's y, negative with y up).
        const Size charSize = m_pViewMetrics->GetCharSize(true);
        const int lineHeight = std::abs(dc->LPtoDP(Point{charSize.cx, charSize.cy}).y);

        // The whole sheet less the requested top and bottom margins, device units.
        const int sheetHeight = m_pMargins->GetPhysicalPageSize().cy;
        const Rect margins = m_pMargins->GetMargins();
        const Point leftTop = dc->LPtoDP(Point{margins.left, margins.top});
        const Point rightBottom = dc->LPtoDP(Point{margins.right, margins.bottom});
        const int usable = sheetHeight - (std::abs(leftTop.y) + std::abs(rightBottom.y));

        // A line taller than the usable height (or of no height) still takes a page of its
        // own: at least one line per page, and never a division by zero.
        if (lineHeight > 0 && usable >= lineHeight) m_nLinesPerPage = usable / lineHeight;
    }
    const int lines = static_cast<int>(m_pDocument->Report().size());
    m_nPageCount = lines / m_nLinesPerPage + (lines % m_nLinesPerPage ? 1 : 0);
}

int CPageMetrics::GetPageCount() {
    Calculate();
    return m_nPageCount;
}

int CPageMetrics::GetLinesPerPage() {
    Calculate();
    return m_nLinesPerPage;
}

bool CPageMetrics::IsPageBreak(int index) const {
    return m_bValid && m_nLinesPerPage > 0 && (index + 1) % m_nLinesPerPage == 0;
}

}  // namespace kordel

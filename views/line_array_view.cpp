#include "views/line_array_view.h"

#include <algorithm>
#include <cstdlib>

#include "document/kordel_doc.h"
#include "platform/ini.h"
#include "platform/ui/menu.h"
#include "report/format.h"
#include "views/view_paging.h"

namespace kordel {

using namespace platform::ui;

namespace {

/// Logical units per inch of MapMode::LoEnglish and points per inch.
constexpr int kUnitsPerInch = 100;
constexpr int kPointsPerInch = 72;

/// A fixed-pitch font of the modern family, of `height` (0.01 inch, negative: the character
/// height).
Font FixedPitchFont(int height) {
    Font f;
    f.face = CLineArrayView::kFontFace;
    f.height = height;
    return f;
}

const std::vector<std::string> kNoLines;

}  // namespace

CLineArrayView::CLineArrayView() {
    platform::CIni ini;
    ini.SetUserFile(platform::kIniFileName);
    const int setting =
        ini.GetInt(platform::kIniSectionOptions, platform::kIniKeyTextReportFont, 0, 10);
    m_lfText = FixedPitchFont(FontHeight(TextReportPoints(setting)));
    m_lfHeader = FixedPitchFont(FontHeight(kHeaderPoints));
}

CLineArrayView::~CLineArrayView() = default;

CKordelDoc* CLineArrayView::GetDocument() const {
    return dynamic_cast<CKordelDoc*>(View::GetDocument());
}

int CLineArrayView::TextReportPoints(int setting) {
    if (setting == 0) return 10;
    if (setting == 1) return 12;
    return 14;
}

int CLineArrayView::FontHeight(int points) {
    // MulDiv(points, 100, 72): the product over the divisor, rounded half away from zero.
    const long product = static_cast<long>(points) * kUnitsPerInch;
    const long rounded = (std::labs(product) + kPointsPerInch / 2) / kPointsPerInch;
    return -static_cast<int>(product < 0 ? -rounded : rounded);
}

int CLineArrayView::OnCreate() {
    CKordelDoc* doc = GetDocument();
    if (!doc) return -1;
    m_pMetrics = std::make_unique<CViewMetrics>(*doc, &ShownLines(*doc));
    m_pMargins = std::make_unique<CMargins>();
    m_pPageMetrics = std::make_unique<CPageMetrics>(*doc, *m_pMargins, *m_pMetrics);
    return 0;
}

const std::vector<std::string>& CLineArrayView::Lines() const {
    const CKordelDoc* doc = GetDocument();
    return doc ? ShownLines(*doc) : kNoLines;
}

int CLineArrayView::LineHeight(bool printer) const {
    const int h = m_pMetrics ? m_pMetrics->GetCharSize(printer).cy : 0;
    return h > 0 ? h : 1;
}

// ---- Screen ---------------------------------------------------------------------------------

void CLineArrayView::OnInitialUpdate() {
    if (!m_pMetrics && OnCreate() != 0) return;
    m_fontText = m_lfText;
    m_fontHeader = m_lfHeader;
    m_pMetrics->SetFont(&m_fontText);
    CMetrics::SetMapMode(MapMode::LoEnglish);
    ScrollView::OnInitialUpdate();
}

void CLineArrayView::OnUpdate(View*) {
    if (!m_pMetrics) return;
    // Every analysis rebuilds the lines: measure the widest one again.
    m_pMetrics->Invalidate();
    const Size extent = m_pMetrics->GetExtent();
    const int lines = static_cast<int>(Lines().size());
    SetScrollSizes(MapMode::LoEnglish, {extent.cx, extent.cy * lines}, {},
                   m_pMetrics->GetCharSize(false));
    Invalidate();
}

void CLineArrayView::OnDraw(DC& dc) {
    if (!m_pMetrics) return;
    int first = 0;
    int last = 0;
    GetVisibleLineRange(dc, first, last);
    DrawLines(dc, -first * LineHeight(dc.IsPrinting()), first, last);
}

void CLineArrayView::GetVisibleLineRange(DC& dc, int& first, int& last) {
    const Point origin = dc.DPtoLP(dc.GetViewportOrg());
    const Rect clip = dc.GetClipBox();
    const int h = LineHeight(dc.IsPrinting());
    const int n = static_cast<int>(Lines().size());
    first = std::abs((clip.top - origin.y) / h);
    if (first >= n - 1) first = n - 1;
    last = std::abs(clip.bottom - clip.top) / h + first + 1;
    if (last >= n - 1) last = n - 1;
}

void CLineArrayView::DrawLines(DC& dc, int y, int first, int last) {
    const Font previous = dc.SelectFont(m_fontText);
    dc.SetBkMode(BkMode::Transparent);
    int x = kScreenIndent;
    if (dc.IsPrinting()) {
        // The page header, its last line labelled with the page; the page's lines follow in
        // the same small font, from the printable area's left edge.
        const std::string label = Format(kPageLabel, m_nPrintPage, m_nPrintPageCount);
        if (m_pMetrics) m_pMetrics->SetFont(&m_fontHeader);
        dc.SelectFont(m_fontHeader);
        x = 0;
        if (const CKordelDoc* doc = GetDocument()) {
            const std::vector<std::string>& header = doc->m_saReportHeader;
            for (size_t i = 0; i < header.size(); ++i) {
                dc.TabbedTextOut({0, y}, i + 1 == header.size() ? header[i] + label : header[i]);
                y -= LineHeight(true);
            }
        }
    }
    const std::vector<std::string>& lines = Lines();
    const int h = LineHeight(dc.IsPrinting());
    const int n = static_cast<int>(lines.size());
    for (int i = first < 0 ? 0 : first; i <= last && i < n; ++i) {
        dc.TabbedTextOut({x, y}, lines[static_cast<size_t>(i)]);
        y -= h;
    }
    dc.SelectFont(previous);
}

bool CLineArrayView::OnKeyDown(int key, int repeat, unsigned modifiers) {
    if (key == kKeyPageUp || key == kKeyPageDown) {
        ScrollByPageKey(key, repeat, modifiers);
        return true;
    }
    return ScrollView::OnKeyDown(key, repeat, modifiers);
}

void CLineArrayView::ScrollByPageKey(int key, int, unsigned) {
    kordel::ScrollByPageKey(*this, key);
}

// ---- Printing -------------------------------------------------------------------------------

void CLineArrayView::OnPrepareDC(DC& dc, PrintInfo* info) {
    ScrollView::OnPrepareDC(dc, info);
    // The label counts every page of the printout, whichever of them are printed.
    if (dc.IsPrinting() && info) m_nPrintPageCount = info->maxPage;
}

bool CLineArrayView::OnPreparePrinting(PrintInfo& info) {
    // A job measures the printer afresh: its paper may have changed since the last one.
    if (m_pMargins) m_pMargins->Invalidate();
    BuildPageTable();
    info.SetMaxPage(static_cast<int>(m_aPages.size()));
    info.previewPages = 1;
    return true;
}

void CLineArrayView::BeginPageTable() {
    m_aPages.clear();
    m_nLinesPerSheet = 1;
    const CKordelDoc* doc = GetDocument();
    if (!m_pPageMetrics || !doc) return;
    // Printed pages are all in the header font: count its lines on the sheet, then give the
    // metrics the screen font back (the job may still be cancelled).
    m_pMetrics->SetFont(&m_fontHeader);
    m_pPageMetrics->Invalidate();
    const int rows = m_pPageMetrics->GetLinesPerPage();
    m_pMetrics->SetFont(&m_fontText);
    const int body = rows - static_cast<int>(doc->m_saReportHeader.size());
    // A header that leaves no room still gets one line a sheet: every line is printed.
    m_nLinesPerSheet = body > 0 ? body : 1;
}

void CLineArrayView::AddPage(int first, int last) {
    if (last < first) {
        m_aPages.push_back({first, last});
        return;
    }
    for (int start = first; start <= last; start += m_nLinesPerSheet) {
        m_aPages.push_back({start, std::min(last, start + m_nLinesPerSheet - 1)});
    }
}

void CLineArrayView::GetPageLineRange(DC&, PrintInfo& info, int& first, int& last) {
    m_nPrintPage = info.curPage;
    const int index = info.curPage - 1;
    first = 0;
    last = -1;  // a page the table does not have prints the header alone
    if (index < 0 || index >= static_cast<int>(m_aPages.size())) return;
    first = m_aPages[static_cast<size_t>(index)].first;
    last = m_aPages[static_cast<size_t>(index)].last;
}

void CLineArrayView::OnPrint(DC& dc, PrintInfo& info) {
    if (!m_pMargins) return;
    // Logical (0, 0) becomes the top-left corner of the text rectangle inside the margins. The
    // rectangle is converted on the device drawn on, so a preview on the screen scales alike.
    const Rect device = dc.LPtoDP(m_pMargins->GetPrintableRect());
    dc.SetViewportOrg({device.left, device.top});
    dc.IntersectClipRect(dc.DPtoLP(device));
    int first = 0;
    int last = -1;
    GetPageLineRange(dc, info, first, last);
    DrawLines(dc, 0, first, last);
}

void CLineArrayView::OnEndPrinting(DC&, PrintInfo&) {
    if (m_pMetrics) m_pMetrics->SetFont(&m_fontText);
}

}  // namespace kordel

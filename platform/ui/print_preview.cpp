#include "platform/ui/print_preview.h"

#include <algorithm>

#include "platform/ui/dc.h"

namespace platform::ui {

PrintPreview::PrintPreview(Printable& printable, const PrintInfo& info, const PageGeometry& page)
    : m_printable(printable), m_info(info), m_page(page) {
    m_info.preview = true;
    m_twoPages = info.previewPages > 1;
    m_first = std::clamp(info.fromPage, 1, PageCount());
}

int PrintPreview::PageCount() const {
    const int last = m_info.maxPage < PrintInfo::kNoLimit ? m_info.maxPage : m_info.minPage;
    return std::max(1, last - std::max(1, m_info.minPage) + 1);
}

int PrintPreview::PagesShown() const {
    return m_twoPages && m_first < PageCount() ? 2 : 1;
}

void PrintPreview::NextPage() {
    if (CanGoNext()) ++m_first;
}

void PrintPreview::PreviousPage() {
    if (CanGoPrevious()) --m_first;
}

void PrintPreview::SetTwoPageLayout(bool two) {
    m_twoPages = two;
}

void PrintPreview::ZoomIn() {
    if (CanZoomIn()) ++m_zoom;
}

void PrintPreview::ZoomOut() {
    if (CanZoomOut()) --m_zoom;
}

std::string PrintPreview::StatusText() const {
    const std::string of = " of " + std::to_string(PageCount());
    if (PagesShown() == 2)
        return "Pages " + std::to_string(m_first) + "-" + std::to_string(m_first + 1) + of;
    return "Page " + std::to_string(m_first) + of;
}

void PrintPreview::DrawPage(int page, DC& dc) {
    PrintInfo info = m_info;
    info.drawRect = {0, 0, m_page.printableSize.cx, m_page.printableSize.cy};
    m_printable.OnBeginPrinting(dc, info);
    PrintPage(m_printable, dc, info, page);
    m_printable.OnEndPrinting(dc, info);
}

}  // namespace platform::ui

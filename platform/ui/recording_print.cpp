#include "platform/ui/recording_print.h"

#include <cmath>

namespace platform::ui {

RecordingPrintSurface::RecordingPrintSurface(std::string path, double dpi)
    : m_path(std::move(path)),
      m_dpi(dpi),
      m_attribute(
          dpi, true,
          Size{
              static_cast<int>(std::lround((kPaperWidthInches - 2 * kPaperMarginInches) * dpi)),
              static_cast<int>(std::lround((kPaperHeightInches - 2 * kPaperMarginInches) * dpi))}) {
}

Size RecordingPrintSurface::PageSize() const {
    return {static_cast<int>(std::lround((kPaperWidthInches - 2 * kPaperMarginInches) * m_dpi)),
            static_cast<int>(std::lround((kPaperHeightInches - 2 * kPaperMarginInches) * m_dpi))};
}

DC* RecordingPrintSurface::StartPage() {
    m_pages.push_back(std::make_unique<RecordingDC>(m_dpi, true, PageSize()));
    return m_pages.back().get();
}

bool RecordingPrintSurface::Finish() {
    m_finished = !m_failFinish;
    return m_finished;
}

Rect RecordingPrintSurface::PrintableArea() const {
    Size s = PageSize();
    return {0, 0, s.cx, s.cy};
}

}  // namespace platform::ui

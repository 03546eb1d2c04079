#include "platform/ui/recording_print.h"

namespace platform::ui {

RecordingPrintSurface::RecordingPrintSurface(std::string path, double dpi)
    : RecordingPrintSurface(std::move(path), PageGeometry::Letter(dpi)) {}

RecordingPrintSurface::RecordingPrintSurface(std::string path, const PageGeometry& page)
    : m_path(std::move(path)), m_geometry(page), m_attribute(MakeDC()) {}

std::unique_ptr<RecordingDC> RecordingPrintSurface::MakeDC() const {
    auto dc = std::make_unique<RecordingDC>(m_geometry.dpi, true, m_geometry.printableSize);
    m_geometry.ApplyTo(*dc);
    return dc;
}

DC* RecordingPrintSurface::StartPage() {
    m_pages.push_back(MakeDC());
    return m_pages.back().get();
}

bool RecordingPrintSurface::Finish() {
    m_finished = !m_failFinish;
    return m_finished;
}

Rect RecordingPrintSurface::PrintableArea() const {
    return {0, 0, m_geometry.printableSize.cx, m_geometry.printableSize.cy};
}

}  // namespace platform::ui

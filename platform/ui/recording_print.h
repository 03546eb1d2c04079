// A print surface that records every page on a RecordingDC, for tests and the headless backend.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/ui/print.h"
#include "platform/ui/recording_dc.h"

namespace platform::ui {

class RecordingPrintSurface : public PrintSurface {
  public:
    /// Pages of Letter paper at `dpi` pixels per inch (100 makes one MapMode::LoEnglish unit
    /// one pixel).
    explicit RecordingPrintSurface(std::string path = {}, double dpi = 100.0);
    /// Pages of the sheet and printable area of `page`, as a printer with other paper or wider
    /// unprintable strips has them.
    RecordingPrintSurface(std::string path, const PageGeometry& page);

    DC* StartPage() override;
    void EndPage() override {}
    bool Finish() override;
    DC& AttributeDC() override { return *m_attribute; }
    Rect PrintableArea() const override;

    const std::string& Path() const { return m_path; }
    bool Finished() const { return m_finished; }
    int PageCount() const { return static_cast<int>(m_pages.size()); }
    const RecordingDC& Page(int index) const { return *m_pages.at(static_cast<size_t>(index)); }
    /// Makes Finish report a failure, as a file that cannot be written does.
    void FailOnFinish() { m_failFinish = true; }

    const PageGeometry& Geometry() const { return m_geometry; }

  private:
    std::unique_ptr<RecordingDC> MakeDC() const;

    std::string m_path;
    PageGeometry m_geometry;
    std::unique_ptr<RecordingDC> m_attribute;
    std::vector<std::unique_ptr<RecordingDC>> m_pages;
    bool m_finished = false;
    bool m_failFinish = false;
};

}  // namespace platform::ui

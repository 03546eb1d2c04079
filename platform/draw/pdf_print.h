// A print surface that writes the pages of a print job into a PDF file: the paper of the page
// setup (Letter unless chosen otherwise), the device pixels of a 600 dots-per-inch printer
// starting at the printable area's top-left corner. The file is written whole when the job
// finishes, so a failed job leaves no half file.
#pragma once

#include <memory>
#include <string>

#include "platform/ui/print.h"

typedef struct _cairo_surface cairo_surface_t;
typedef struct _cairo cairo_t;

namespace platform::draw {

class CairoDC;

class PdfPrintSurface : public ui::PrintSurface {
  public:
    static constexpr double kPrinterDpi = 600.0;

    explicit PdfPrintSurface(std::string path, const ui::PageSetup& setup = {});
    ~PdfPrintSurface() override;
    PdfPrintSurface(const PdfPrintSurface&) = delete;
    PdfPrintSurface& operator=(const PdfPrintSurface&) = delete;

    ui::DC* StartPage() override;
    void EndPage() override;
    bool Finish() override;
    ui::DC& AttributeDC() override;
    ui::Rect PrintableArea() const override;

    int PagesWritten() const { return m_pages; }

    /// The page of a job on the paper of `setup`, at kPrinterDpi.
    static ui::PageGeometry Geometry(const ui::PageSetup& setup = {}) {
        return ui::PageGeometry::ForPaper(setup, kPrinterDpi);
    }
    /// A device context that measures as the pages on the paper of `setup` do, with their page
    /// geometry; it draws nowhere.
    static std::unique_ptr<ui::DC> CreateMeasureDC(const ui::PageSetup& setup = {});

  private:
    std::string m_path;
    ui::PageGeometry m_geometry;
    std::string m_bytes;
    cairo_surface_t* m_surface = nullptr;
    cairo_t* m_cr = nullptr;
    std::unique_ptr<CairoDC> m_page;
    std::unique_ptr<ui::DC> m_attribute;
    int m_pages = 0;
    bool m_finished = false;
};

}  // namespace platform::draw

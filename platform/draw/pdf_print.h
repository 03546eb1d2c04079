// A print surface that writes the pages of a print job into a PDF file: Letter paper, the device
// pixels of a 600 dots-per-inch printer starting at the printable area's top-left corner. The
// file is written whole when the job finishes, so a failed job leaves no half file.
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

    explicit PdfPrintSurface(std::string path);
    ~PdfPrintSurface() override;
    PdfPrintSurface(const PdfPrintSurface&) = delete;
    PdfPrintSurface& operator=(const PdfPrintSurface&) = delete;

    ui::DC* StartPage() override;
    void EndPage() override;
    bool Finish() override;
    ui::DC& AttributeDC() override;
    ui::Rect PrintableArea() const override;

    int PagesWritten() const { return m_pages; }

    /// The page of every job: Letter paper at kPrinterDpi.
    static ui::PageGeometry Geometry() { return ui::PageGeometry::Letter(kPrinterDpi); }
    /// A device context that measures as the pages do (the default printer's), with the page
    /// geometry; it draws nowhere.
    static std::unique_ptr<ui::DC> CreateMeasureDC();

  private:
    ui::Size DeviceSize() const;

    std::string m_path;
    std::string m_bytes;
    cairo_surface_t* m_surface = nullptr;
    cairo_t* m_cr = nullptr;
    std::unique_ptr<CairoDC> m_page;
    std::unique_ptr<ui::DC> m_attribute;
    int m_pages = 0;
    bool m_finished = false;
};

}  // namespace platform::draw

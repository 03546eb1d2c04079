#include "platform/draw/pdf_print.h"

#include <cairo-pdf.h>
#include <cairo.h>

#include "platform/draw/cairo_dc.h"
#include "platform/file_io.h"

namespace platform::draw {

namespace {

constexpr double kPointsPerInch = 72.0;

cairo_status_t AppendToString(void* closure, const unsigned char* data, unsigned int length) {
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
}

}  // namespace

PdfPrintSurface::PdfPrintSurface(std::string path, const ui::PageSetup& setup)
    : m_path(std::move(path)), m_geometry(Geometry(setup)) {
    m_surface = cairo_pdf_surface_create_for_stream(AppendToString, &m_bytes,
                                                    setup.WidthInches() * kPointsPerInch,
                                                    setup.HeightInches() * kPointsPerInch);
    cairo_pdf_surface_set_metadata(m_surface, CAIRO_PDF_METADATA_CREATOR, "Kordel");
    m_cr = cairo_create(m_surface);
    m_attribute = CreateMeasureDC(setup);
}

std::unique_ptr<ui::DC> PdfPrintSurface::CreateMeasureDC(const ui::PageSetup& setup) {
    // A small picture for measuring text outside the pages, with the pages' scale and font
    // options.
    const ui::PageGeometry page = Geometry(setup);
    auto dc = std::make_unique<MeasureCairoDC>(kPrinterDpi, true, page.printableSize,
                                               kPointsPerInch / kPrinterDpi);
    page.ApplyTo(*dc);
    return dc;
}

PdfPrintSurface::~PdfPrintSurface() {
    m_page.reset();
    m_attribute.reset();
    if (m_cr) cairo_destroy(m_cr);
    if (m_surface) cairo_surface_destroy(m_surface);
}

ui::Rect PdfPrintSurface::PrintableArea() const {
    return {0, 0, m_geometry.printableSize.cx, m_geometry.printableSize.cy};
}

ui::DC& PdfPrintSurface::AttributeDC() {
    return *m_attribute;
}

ui::DC* PdfPrintSurface::StartPage() {
    if (m_finished || cairo_status(m_cr) != CAIRO_STATUS_SUCCESS) return nullptr;
    cairo_save(m_cr);
    const double margin = ui::kPaperMarginInches * kPointsPerInch;
    cairo_translate(m_cr, margin, margin);
    cairo_scale(m_cr, kPointsPerInch / kPrinterDpi, kPointsPerInch / kPrinterDpi);
    m_page = std::make_unique<CairoDC>(m_cr, kPrinterDpi, true, m_geometry.printableSize);
    m_geometry.ApplyTo(*m_page);
    return m_page.get();
}

void PdfPrintSurface::EndPage() {
    if (!m_page) return;
    m_page.reset();
    cairo_restore(m_cr);
    cairo_show_page(m_cr);
    ++m_pages;
}

bool PdfPrintSurface::Finish() {
    if (m_finished) return false;
    m_finished = true;
    EndPage();
    cairo_destroy(m_cr);
    m_cr = nullptr;
    cairo_surface_finish(m_surface);
    const bool ok = cairo_surface_status(m_surface) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(m_surface);
    m_surface = nullptr;
    if (!ok) return false;
    try {
        WriteFileAtomically(m_path, m_bytes);
    } catch (const FileError&) {
        return false;
    }
    return true;
}

}  // namespace platform::draw

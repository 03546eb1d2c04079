// Printing on GTK: the system print dialog (the installed printers, page range, copies, and
// Print to File as PDF) and the default printer through GTK's print operation, each page drawn
// by CairoDC on the operation's cairo context; and the print preview window, which draws the
// same pages through CairoDC on the screen.
#include <gtk/gtk.h>
#include <gtk/gtkunixprint.h>
#include <cairo-pdf.h>
#include <cairo-ps.h>
#include <wx/wx.h>

#include <algorithm>
#include <filesystem>
#include <memory>

#include "platform/draw/cairo_dc.h"
#include "platform/draw/pdf_print.h"
#include "platform/draw/render.h"
#include "platform/text_encoding.h"
#include "platform/wx/wx_support.h"
#include "platform/wx/wx_toolkit.h"

namespace platform::wx {

using namespace platform::ui;

namespace {

/// The device pixels every page is drawn in, as on the PDF printer.
constexpr double kPrinterDpi = draw::PdfPrintSurface::kPrinterDpi;
constexpr double kPointsPerInch = 72.0;

// ---- The print operation --------------------------------------------------------------------

const char* GtkPaperName(PaperSize paper) {
    switch (paper) {
        case PaperSize::A4:
            return GTK_PAPER_NAME_A4;
        case PaperSize::Legal:
            return GTK_PAPER_NAME_LEGAL;
        case PaperSize::Letter:
            break;
    }
    return GTK_PAPER_NAME_LETTER;
}

/// The paper of `setup` with GTK's default margins for it.
GtkPageSetup* NewGtkPageSetup(const PageSetup& setup) {
    GtkPageSetup* page = gtk_page_setup_new();
    GtkPaperSize* paper = gtk_paper_size_new(GtkPaperName(setup.paper));
    gtk_page_setup_set_paper_size_and_default_margins(page, paper);
    gtk_paper_size_free(paper);
    gtk_page_setup_set_orientation(page, setup.orientation == PageOrientation::Landscape
                                             ? GTK_PAGE_ORIENTATION_LANDSCAPE
                                             : GTK_PAGE_ORIENTATION_PORTRAIT);
    return page;
}

/// The page a print context draws on, in device pixels of kPrinterDpi.
PageGeometry GeometryOf(GtkPageSetup* page) {
    auto pixels = [](double inches) { return static_cast<int>(std::lround(inches * kPrinterDpi)); };
    PageGeometry g;
    g.dpi = kPrinterDpi;
    g.physicalPage = {pixels(gtk_page_setup_get_paper_width(page, GTK_UNIT_INCH)),
                      pixels(gtk_page_setup_get_paper_height(page, GTK_UNIT_INCH))};
    g.printingOffset = {pixels(gtk_page_setup_get_left_margin(page, GTK_UNIT_INCH)),
                        pixels(gtk_page_setup_get_top_margin(page, GTK_UNIT_INCH))};
    g.printableSize = {pixels(gtk_page_setup_get_page_width(page, GTK_UNIT_INCH)),
                       pixels(gtk_page_setup_get_page_height(page, GTK_UNIT_INCH))};
    return g;
}

/// One job as the operation's signals see it.
struct GtkJob {
    Printable& printable;
    PrintInfo& info;
    std::unique_ptr<DC> attribute;  ///< measures as the pages do, between the pages
    int printed = 0;
};

void OnBeginPrint(GtkPrintOperation*, GtkPrintContext* context, gpointer data) {
    GtkJob& job = *static_cast<GtkJob*>(data);
    const PageGeometry page = GeometryOf(gtk_print_context_get_page_setup(context));
    job.attribute = std::make_unique<draw::MeasureCairoDC>(kPrinterDpi, true, page.printableSize,
                                                           kPointsPerInch / kPrinterDpi);
    page.ApplyTo(*job.attribute);
    job.info.drawRect = {0, 0, page.printableSize.cx, page.printableSize.cy};
    job.printable.OnBeginPrinting(*job.attribute, job.info);
}

void OnDrawPage(GtkPrintOperation* operation, GtkPrintContext* context, gint pageNumber,
                gpointer data) {
    GtkJob& job = *static_cast<GtkJob*>(data);
    const PageGeometry page = GeometryOf(gtk_print_context_get_page_setup(context));
    // The context's user space is in points from the printable area's corner (the operation's
    // unit); the pages are drawn in device pixels of kPrinterDpi.
    cairo_t* cr = gtk_print_context_get_cairo_context(context);
    cairo_save(cr);
    cairo_scale(cr, kPointsPerInch / kPrinterDpi, kPointsPerInch / kPrinterDpi);
    bool drawn = false;
    {
        draw::CairoDC dc(cr, kPrinterDpi, true, page.printableSize);
        page.ApplyTo(dc);
        drawn = PrintPage(job.printable, dc, job.info, pageNumber + 1);
    }
    cairo_restore(cr);
    if (drawn) {
        ++job.printed;
    } else {
        gtk_print_operation_cancel(operation);
    }
}

void OnEndPrint(GtkPrintOperation*, GtkPrintContext*, gpointer data) {
    GtkJob& job = *static_cast<GtkJob*>(data);
    if (job.attribute) job.printable.OnEndPrinting(*job.attribute, job.info);
}

/// A file: URI of `path` made absolute; empty when it cannot be made.
std::string FileUri(const std::string& path) {
    std::error_code ec;
    const std::string full = std::filesystem::absolute(path, ec).string();
    gchar* uri = g_filename_to_uri(ec ? path.c_str() : full.c_str(), nullptr, nullptr);
    std::string text = uri ? uri : "";
    g_free(uri);
    return text;
}

/// Settings of a job: Print to File writes a PDF beside the design unless the user chooses
/// another file.
GtkPrintSettings* NewPrintSettings(const PrintJob& request) {
    GtkPrintSettings* settings = gtk_print_settings_new();
    if (!request.fileName.empty()) {
        gtk_print_settings_set(settings, GTK_PRINT_SETTINGS_OUTPUT_FILE_FORMAT, "pdf");
        const std::string uri = FileUri(request.fileName);
        if (!uri.empty())
            gtk_print_settings_set(settings, GTK_PRINT_SETTINGS_OUTPUT_URI, uri.c_str());
    }
    return settings;
}

/// The system print dialog, and the job printed on what it chose. (Printing on a printer without
/// the dialog goes through GtkJobSurface: GTK's own search for a printer by name can wait for
/// ever on a machine whose print server does not answer.)
PrintOutcome RunPrintDialog(Printable& printable, PrintInfo& info, const PrintJob& request,
                            const PageSetup& setup) {
    GtkPrintOperation* operation = gtk_print_operation_new();
    gtk_print_operation_set_job_name(operation, platform::Cp1252ToUtf8(request.title).c_str());
    const int pages = std::max(
        1, std::min(info.maxPage, PrintInfo::kNoLimit - 1) - std::max(1, info.minPage) + 1);
    gtk_print_operation_set_n_pages(operation, pages);
    gtk_print_operation_set_unit(operation, GTK_UNIT_POINTS);
    GtkPageSetup* page = NewGtkPageSetup(setup);
    gtk_print_operation_set_default_page_setup(operation, page);
    g_object_unref(page);

    GtkPrintSettings* settings = NewPrintSettings(request);
    gtk_print_operation_set_print_settings(operation, settings);
    g_object_unref(settings);

    GtkJob job{printable, info, nullptr, 0};
    g_signal_connect(operation, "begin-print", G_CALLBACK(OnBeginPrint), &job);
    g_signal_connect(operation, "draw-page", G_CALLBACK(OnDrawPage), &job);
    g_signal_connect(operation, "end-print", G_CALLBACK(OnEndPrint), &job);

    GtkWindow* parent = nullptr;
    if (wxWindow* main = MainWindow()) {
        GtkWidget* top = gtk_widget_get_toplevel(static_cast<GtkWidget*>(main->GetHandle()));
        if (GTK_IS_WINDOW(top)) parent = GTK_WINDOW(top);
    }
    GError* error = nullptr;
    const GtkPrintOperationResult result =
        gtk_print_operation_run(operation, GTK_PRINT_OPERATION_ACTION_PRINT_DIALOG, parent, &error);
    g_object_unref(operation);

    PrintOutcome outcome;
    outcome.pages = job.printed;
    if (result == GTK_PRINT_OPERATION_RESULT_ERROR) {
        outcome = PrintOutcome::Failed(error && error->message
                                           ? platform::Utf8ToCp1252(error->message)
                                           : std::string("The document could not be printed."));
    } else if (result == GTK_PRINT_OPERATION_RESULT_CANCEL) {
        outcome.status = PrintOutcome::Status::Cancelled;
    }
    if (error) g_error_free(error);
    return outcome;
}

/// The installed printer named `name`, or with no name the default printer (a reference the
/// caller releases); nullptr when there is none. Waits until every print backend has listed its
/// printers.
GtkPrinter* FindPrinter(const std::string& name) {
    struct Search {
        const std::string& name;
        GtkPrinter* found;
    } search{name, nullptr};
    auto match = [](GtkPrinter* printer, gpointer data) -> gboolean {
        Search& s = *static_cast<Search*>(data);
        const bool wanted = s.name.empty() ? gtk_printer_is_default(printer)
                                           : s.name == gtk_printer_get_name(printer);
        if (!wanted) return FALSE;
        s.found = GTK_PRINTER(g_object_ref(printer));
        return TRUE;
    };
    gtk_enumerate_printers(match, &search, nullptr, TRUE);
    return search.found;
}

/// The pages of a job sent to a printer with no dialog: drawn on the print job's cairo surface
/// (the sheet in points), each page at 600 device pixels per inch from the printable area's
/// corner; Finish sends the job and waits until the printer's backend has taken it.
class GtkJobSurface : public PrintSurface {
  public:
    GtkJobSurface(GtkPrinter* printer, const PrintJob& request, const PageSetup& setup)
        : m_page(NewGtkPageSetup(setup)), m_geometry(GeometryOf(m_page)) {
        GtkPrintSettings* settings = NewPrintSettings(request);
        gtk_print_settings_set_printer(settings, gtk_printer_get_name(printer));
        m_job = gtk_print_job_new(platform::Cp1252ToUtf8(request.title).c_str(), printer, settings,
                                  m_page);
        g_object_unref(settings);
        GError* error = nullptr;
        cairo_surface_t* surface = gtk_print_job_get_surface(m_job, &error);
        if (surface) {
            m_surface = cairo_surface_reference(surface);
            m_cr = cairo_create(m_surface);
        }
        if (error) g_error_free(error);
        m_attribute = std::make_unique<draw::MeasureCairoDC>(
            kPrinterDpi, true, m_geometry.printableSize, kPointsPerInch / kPrinterDpi);
        m_geometry.ApplyTo(*m_attribute);
    }
    ~GtkJobSurface() override {
        m_dc.reset();
        if (m_cr) cairo_destroy(m_cr);
        if (m_surface) cairo_surface_destroy(m_surface);
        g_object_unref(m_job);
        g_object_unref(m_page);
    }
    GtkJobSurface(const GtkJobSurface&) = delete;
    GtkJobSurface& operator=(const GtkJobSurface&) = delete;

    DC* StartPage() override {
        if (!m_cr || cairo_status(m_cr) != CAIRO_STATUS_SUCCESS) return nullptr;
        // Each page is the sheet as it lies (turned for landscape), in points.
        const double width = gtk_page_setup_get_paper_width(m_page, GTK_UNIT_POINTS);
        const double height = gtk_page_setup_get_paper_height(m_page, GTK_UNIT_POINTS);
        if (cairo_surface_get_type(m_surface) == CAIRO_SURFACE_TYPE_PDF) {
            cairo_pdf_surface_set_size(m_surface, width, height);
        } else if (cairo_surface_get_type(m_surface) == CAIRO_SURFACE_TYPE_PS) {
            cairo_ps_surface_set_size(m_surface, width, height);
        }
        cairo_save(m_cr);
        cairo_translate(m_cr, gtk_page_setup_get_left_margin(m_page, GTK_UNIT_POINTS),
                        gtk_page_setup_get_top_margin(m_page, GTK_UNIT_POINTS));
        cairo_scale(m_cr, kPointsPerInch / kPrinterDpi, kPointsPerInch / kPrinterDpi);
        m_dc = std::make_unique<draw::CairoDC>(m_cr, kPrinterDpi, true, m_geometry.printableSize);
        m_geometry.ApplyTo(*m_dc);
        return m_dc.get();
    }
    void EndPage() override {
        if (!m_dc) return;
        m_dc.reset();
        cairo_restore(m_cr);
        cairo_show_page(m_cr);
    }
    bool Finish() override {
        if (!m_cr) return false;
        EndPage();
        cairo_destroy(m_cr);
        m_cr = nullptr;
        cairo_surface_finish(m_surface);
        if (cairo_surface_status(m_surface) != CAIRO_STATUS_SUCCESS) return false;
        struct Sent {
            GMainLoop* loop;
            bool ok;
        } sent{g_main_loop_new(nullptr, FALSE), false};
        auto done = [](GtkPrintJob*, gpointer data, const GError* error) {
            Sent& s = *static_cast<Sent*>(data);
            s.ok = error == nullptr;
            g_main_loop_quit(s.loop);
        };
        gtk_print_job_send(m_job, done, &sent, nullptr);
        g_main_loop_run(sent.loop);
        g_main_loop_unref(sent.loop);
        return sent.ok;
    }
    DC& AttributeDC() override { return *m_attribute; }
    Rect PrintableArea() const override {
        return {0, 0, m_geometry.printableSize.cx, m_geometry.printableSize.cy};
    }

  private:
    GtkPageSetup* m_page;
    PageGeometry m_geometry;
    GtkPrintJob* m_job = nullptr;
    cairo_surface_t* m_surface = nullptr;
    cairo_t* m_cr = nullptr;
    std::unique_ptr<draw::CairoDC> m_dc;
    std::unique_ptr<DC> m_attribute;
};

// ---- The print preview window ----------------------------------------------------------------

/// The pages shown, on a grey ground, at the preview's zoom; scrolls when larger than the window.
class PreviewCanvas : public wxScrolledCanvas {
  public:
    PreviewCanvas(wxWindow* parent, PrintPreview& preview)
        : wxScrolledCanvas(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                           wxHSCROLL | wxVSCROLL | wxFULL_REPAINT_ON_RESIZE | wxWANTS_CHARS),
          m_preview(preview) {
        SetBackgroundStyle(wxBG_STYLE_PAINT);
        Bind(wxEVT_PAINT, [this](wxPaintEvent&) { Paint(); });
        Bind(wxEVT_SIZE, [this](wxSizeEvent& e) {
            Relayout();
            e.Skip();
        });
    }

    /// Sets the scroll area for the pages at the zoom and repaints.
    void Relayout() {
        const wxSize area = PagesArea();
        SetVirtualSize(area);
        SetScrollRate(20, 20);
        Refresh();
    }

  private:
    static constexpr int kBorder = 16;  ///< grey around the pages and between them, pixels
    static constexpr int kShadow = 4;

    /// Screen pixels per printer pixel.
    double Scale() const {
        const PageGeometry& page = m_preview.Page();
        const double trueSize = draw::kScreenDpi / page.dpi;
        if (m_preview.ZoomLevel() == PrintPreview::kZoomTrueSize) return trueSize;
        if (m_preview.ZoomLevel() == PrintPreview::kZoomDouble) return 2.0 * trueSize;
        const wxSize client = GetClientSize();
        const int shown = m_preview.PagesShown();
        const double across =
            (client.x - kBorder * (shown + 1)) / static_cast<double>(shown * page.physicalPage.cx);
        const double down = (client.y - 2.0 * kBorder) / page.physicalPage.cy;
        return std::max(0.01, std::min(across, down));
    }

    wxSize PaperSize() const {
        const PageGeometry& page = m_preview.Page();
        const double s = Scale();
        return {static_cast<int>(page.physicalPage.cx * s),
                static_cast<int>(page.physicalPage.cy * s)};
    }

    wxSize PagesArea() const {
        const wxSize paper = PaperSize();
        const int shown = m_preview.PagesShown();
        return {paper.x * shown + kBorder * (shown + 1), paper.y + 2 * kBorder};
    }

    void Paint() {
        wxPaintDC pdc(this);
        auto* cr =
            static_cast<cairo_t*>(pdc.GetImpl() ? pdc.GetImpl()->GetCairoContext() : nullptr);
        if (!cr) return;
        const wxSize client = GetClientSize();
        cairo_save(cr);
        cairo_set_source_rgb(cr, 0.5, 0.5, 0.5);
        cairo_paint(cr);

        const PageGeometry& page = m_preview.Page();
        const double s = Scale();
        const wxSize paper = PaperSize();
        const wxSize area = PagesArea();
        int viewX = 0;
        int viewY = 0;
        CalcUnscrolledPosition(0, 0, &viewX, &viewY);
        // Pages narrower than the window stand in its middle.
        const int left = std::max(0, (client.x - area.x) / 2) - viewX;
        const int top = std::max(0, (client.y - area.y) / 2) - viewY;
        for (int i = 0; i < m_preview.PagesShown(); ++i) {
            const double x = left + kBorder + i * (paper.x + kBorder);
            const double y = top + kBorder;
            cairo_set_source_rgb(cr, 0.25, 0.25, 0.25);
            cairo_rectangle(cr, x + kShadow, y + kShadow, paper.x, paper.y);
            cairo_fill(cr);
            cairo_set_source_rgb(cr, 1.0, 1.0, 1.0);
            cairo_rectangle(cr, x, y, paper.x, paper.y);
            cairo_fill(cr);

            // The printable area of the sheet, in printer pixels, as the pages are printed.
            cairo_save(cr);
            cairo_translate(cr, x + page.printingOffset.x * s, y + page.printingOffset.y * s);
            cairo_scale(cr, s, s);
            cairo_rectangle(cr, 0, 0, page.printableSize.cx, page.printableSize.cy);
            cairo_clip(cr);
            {
                draw::CairoDC dc(cr, page.dpi, true, page.printableSize);
                page.ApplyTo(dc);
                m_preview.DrawPage(m_preview.FirstPage() + i, dc);
            }
            cairo_restore(cr);
        }
        cairo_restore(cr);
    }

    PrintPreview& m_preview;
};

/// The preview window: a row of buttons over the pages, and the page shown in the caption.
class PreviewDialog : public wxDialog {
  public:
    PreviewDialog(wxWindow* parent, PrintPreview& preview)
        : wxDialog(parent, wxID_ANY, "Print Preview", wxDefaultPosition, wxDefaultSize,
                   wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER | wxMAXIMIZE_BOX),
          m_preview(preview) {
        auto* bar = new wxBoxSizer(wxHORIZONTAL);
        auto button = [&](const char* label, auto action, wxWindowID id = wxID_ANY) {
            auto* b = new wxButton(this, id, label);
            b->Bind(wxEVT_BUTTON, [this, action](wxCommandEvent&) {
                action();
                Changed();
            });
            bar->Add(b, 0, wxALL, 2);
            return b;
        };
        button("&Print...", [this] { EndModal(wxID_OK); });
        m_next = button("&Next Page", [this] { m_preview.NextPage(); });
        m_previous = button("Pre&v Page", [this] { m_preview.PreviousPage(); });
        m_layout =
            button("&Two Page", [this] { m_preview.SetTwoPageLayout(!m_preview.TwoPageLayout()); });
        m_zoomIn = button("Zoom &In", [this] { m_preview.ZoomIn(); });
        m_zoomOut = button("Zoom &Out", [this] { m_preview.ZoomOut(); });
        // The Close button is the dialog's cancel button: Escape presses it.
        button("&Close", [this] { EndModal(wxID_CANCEL); }, wxID_CANCEL);
        m_page = new wxStaticText(this, wxID_ANY, "");
        bar->Add(m_page, 0, wxALIGN_CENTER_VERTICAL | wxLEFT, 12);

        m_canvas = new PreviewCanvas(this, preview);
        auto* column = new wxBoxSizer(wxVERTICAL);
        column->Add(bar, 0, wxEXPAND | wxALL, 2);
        column->Add(m_canvas, 1, wxEXPAND);
        SetSizer(column);
        m_canvas->Bind(wxEVT_KEY_DOWN, [this](wxKeyEvent& e) { OnKey(e); });

        wxSize size(900, 1000);
        if (parent) {
            const wxRect shown = parent->GetScreenRect();
            size = {std::max(600, shown.width * 9 / 10), std::max(500, shown.height * 9 / 10)};
        }
        SetSize(size);
        CentreOnParent();
        Changed();
        m_canvas->SetFocus();
    }

  private:
    void OnKey(wxKeyEvent& e) {
        switch (e.GetKeyCode()) {
            case WXK_PAGEDOWN:
                m_preview.NextPage();
                break;
            case WXK_PAGEUP:
                m_preview.PreviousPage();
                break;
            default:
                e.Skip();
                return;
        }
        Changed();
    }

    /// The buttons and the page text follow the preview; the pages are laid out again.
    void Changed() {
        m_next->Enable(m_preview.CanGoNext());
        m_previous->Enable(m_preview.CanGoPrevious());
        m_zoomIn->Enable(m_preview.CanZoomIn());
        m_zoomOut->Enable(m_preview.CanZoomOut());
        m_layout->SetLabel(m_preview.TwoPageLayout() ? "&One Page" : "&Two Page");
        m_page->SetLabel(ToWx(m_preview.StatusText()));
        Layout();
        m_canvas->Relayout();
    }

    PrintPreview& m_preview;
    PreviewCanvas* m_canvas = nullptr;
    wxButton* m_next = nullptr;
    wxButton* m_previous = nullptr;
    wxButton* m_layout = nullptr;
    wxButton* m_zoomIn = nullptr;
    wxButton* m_zoomOut = nullptr;
    wxStaticText* m_page = nullptr;
};

}  // namespace

PrintOutcome WxToolkit::Print(Printable& printable, PrintInfo& info, const PrintJob& job) {
    if (job.prompt) return RunPrintDialog(printable, info, job, GetPageSetup());
    // The default printer: a PDF file when the environment names one, else the system's.
    const std::string pdf = PdfPrinterPath();
    if (!pdf.empty()) {
        std::unique_ptr<PrintSurface> surface = CreatePrintSurface(pdf);
        return PrintToSurface(printable, info, surface.get(), pdf);
    }
    GtkPrinter* printer = FindPrinter(job.printer);
    if (!printer) {
        return PrintOutcome::Failed(job.printer.empty()
                                        ? std::string(kNoDefaultPrinter)
                                        : "The printer " + platform::Utf8ToCp1252(job.printer) +
                                              " is not installed.");
    }
    const std::string name = gtk_printer_get_name(printer);
    PrintOutcome outcome;
    {
        GtkJobSurface surface(printer, job, GetPageSetup());
        outcome = PrintToSurface(printable, info, &surface, name);
    }
    g_object_unref(printer);
    return outcome;
}

PrintPreview::Result WxToolkit::RunPrintPreview(Printable& printable, const PrintInfo& info) {
    PrintPreview preview(printable, info, draw::PdfPrintSurface::Geometry(GetPageSetup()));
    PreviewDialog dialog(MainWindow(), preview);
    return dialog.ShowModal() == wxID_OK ? PrintPreview::Result::Print
                                         : PrintPreview::Result::Closed;
}

}  // namespace platform::wx

// Printing on GTK: the system print dialog (the installed printers, page range, copies, and
// Print to File as PDF) and the default printer through GTK's print operation, each page drawn
// by CairoDC on the operation's cairo context; and the print preview window, which draws the
// same pages through CairoDC on the screen.
#include <gtk/gtk.h>
#include <gtk/gtkunixprint.h>
#include <wx/wx.h>

#include <algorithm>
#include <filesystem>
#include <memory>

#include "platform/draw/cairo_dc.h"
#include "platform/draw/pdf_print.h"
#include "platform/draw/render.h"
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

/// Runs a print operation: with the system print dialog when `printer` is empty, else on that
/// printer at once.
PrintOutcome RunPrintOperation(Printable& printable, PrintInfo& info, const PrintJob& request,
                               const PageSetup& setup, const std::string& printer) {
    GtkPrintOperation* operation = gtk_print_operation_new();
    gtk_print_operation_set_job_name(operation, request.title.c_str());
    const int pages = std::max(
        1, std::min(info.maxPage, PrintInfo::kNoLimit - 1) - std::max(1, info.minPage) + 1);
    gtk_print_operation_set_n_pages(operation, pages);
    gtk_print_operation_set_unit(operation, GTK_UNIT_POINTS);
    GtkPageSetup* page = NewGtkPageSetup(setup);
    gtk_print_operation_set_default_page_setup(operation, page);
    g_object_unref(page);

    GtkPrintSettings* settings = gtk_print_settings_new();
    if (!request.fileName.empty()) {
        // Print to File writes a PDF beside the design unless the user chooses another file.
        gtk_print_settings_set(settings, GTK_PRINT_SETTINGS_OUTPUT_FILE_FORMAT, "pdf");
        const std::string uri = FileUri(request.fileName);
        if (!uri.empty())
            gtk_print_settings_set(settings, GTK_PRINT_SETTINGS_OUTPUT_URI, uri.c_str());
    }
    if (!printer.empty()) gtk_print_settings_set_printer(settings, printer.c_str());
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
        gtk_print_operation_run(operation,
                                printer.empty() ? GTK_PRINT_OPERATION_ACTION_PRINT_DIALOG
                                                : GTK_PRINT_OPERATION_ACTION_PRINT,
                                parent, &error);
    g_object_unref(operation);

    PrintOutcome outcome;
    outcome.pages = job.printed;
    if (result == GTK_PRINT_OPERATION_RESULT_ERROR) {
        outcome = PrintOutcome::Failed(
            error && error->message ? error->message : "The document could not be printed.");
    } else if (result == GTK_PRINT_OPERATION_RESULT_CANCEL) {
        outcome.status = PrintOutcome::Status::Cancelled;
    }
    if (error) g_error_free(error);
    return outcome;
}

/// The name of the default printer; empty when none is installed or chosen. Waits until every
/// print backend has listed its printers.
std::string DefaultPrinterName() {
    std::string name;
    auto found = [](GtkPrinter* printer, gpointer data) -> gboolean {
        if (!gtk_printer_is_default(printer)) return FALSE;
        *static_cast<std::string*>(data) = gtk_printer_get_name(printer);
        return TRUE;
    };
    gtk_enumerate_printers(found, &name, nullptr, TRUE);
    return name;
}

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
    if (job.prompt) return RunPrintOperation(printable, info, job, GetPageSetup(), std::string());
    // The default printer: a PDF file when the environment names one, else the system's.
    const std::string pdf = PdfPrinterPath();
    if (!pdf.empty()) {
        std::unique_ptr<PrintSurface> surface = CreatePrintSurface(pdf);
        return PrintToSurface(printable, info, surface.get(), pdf);
    }
    const std::string printer = job.printer.empty() ? DefaultPrinterName() : job.printer;
    if (printer.empty()) return PrintOutcome::Failed(kNoDefaultPrinter);
    return RunPrintOperation(printable, info, job, GetPageSetup(), printer);
}

PrintPreview::Result WxToolkit::RunPrintPreview(Printable& printable, const PrintInfo& info) {
    PrintPreview preview(printable, info, draw::PdfPrintSurface::Geometry(GetPageSetup()));
    PreviewDialog dialog(MainWindow(), preview);
    return dialog.ShowModal() == wxID_OK ? PrintPreview::Result::Print
                                         : PrintPreview::Result::Closed;
}

}  // namespace platform::wx

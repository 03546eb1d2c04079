// The print loop. A printable (a view) says how many pages it has, then draws each page of the
// chosen range through the device context of a print surface: a PDF file, a printer, or a
// recording in tests. Print preview (print_preview.h) draws the same pages with the same calls.
// The paper comes from Print Setup (PageSetup); every page has quarter-inch unprintable strips.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/ui/geometry.h"

namespace platform::ui {

class DC;

/// The state of one print job, as the printable sees it.
struct PrintInfo {
    static constexpr int kNoLimit = 0xFFFF;

    int minPage = 1;               ///< first page the document has
    int maxPage = kNoLimit;        ///< last page the document has
    int fromPage = 1;              ///< first page chosen
    int toPage = kNoLimit;         ///< last page chosen
    int curPage = 1;               ///< the page being printed
    int previewPages = 2;          ///< pages side by side in print preview
    bool preview = false;          ///< drawing for print preview
    bool direct = false;           ///< print without asking (File Print Direct, shell print)
    bool continuePrinting = true;  ///< a printable clears it to stop the loop early
    Rect drawRect;                 ///< the printable area of the page, device pixels
    std::string outputPath;        ///< the PDF file of the job

    void SetMaxPage(int page) { maxPage = page; }
    /// The last page the loop prints: the chosen range limited to the document.
    int LastPage() const { return toPage < maxPage ? toPage : maxPage; }
};

/// What can be printed: a view.
class Printable {
  public:
    virtual ~Printable() = default;
    /// Sets the page count in `info`; false cancels the job.
    virtual bool OnPreparePrinting(PrintInfo& info) = 0;
    virtual void OnBeginPrinting(DC&, PrintInfo&) {}
    /// Prepares the device context of a page (mapping, origins); may clear continuePrinting.
    virtual void OnPrepareDC(DC&, PrintInfo*) {}
    virtual void OnPrint(DC& dc, PrintInfo& info) = 0;
    virtual void OnEndPrinting(DC&, PrintInfo&) {}
};

/// Pages to draw on: each StartPage gives a fresh device context for one sheet.
class PrintSurface {
  public:
    virtual ~PrintSurface() = default;
    /// The device context of a new page; nullptr when the page cannot be made.
    virtual DC* StartPage() = 0;
    virtual void EndPage() = 0;
    /// Finishes the document; false when it could not be written.
    virtual bool Finish() = 0;
    /// A device context for measuring before the first page (same device as the pages).
    virtual DC& AttributeDC() = 0;
    /// The printable area of a page in device pixels.
    virtual Rect PrintableArea() const = 0;
};

/// One page of a job on `dc`: OnPrepareDC, then OnPrint unless the printable cleared
/// continuePrinting. Returns whether the page was drawn.
bool PrintPage(Printable& printable, DC& dc, PrintInfo& info, int page);

/// Runs the loop over the chosen pages: prepares the job (OnPreparePrinting must have run),
/// then for each page OnPrepareDC and OnPrint between StartPage and EndPage, and finishes the
/// document. Returns the number of pages printed, or -1 when the surface failed.
int RunPrintLoop(Printable& printable, PrintSurface& surface, PrintInfo& info);

/// Letter paper, the page the program prints on unless Print Setup chooses another: 8.5 x 11
/// inches. Every page has a quarter-inch unprintable strip on every side.
inline constexpr double kPaperWidthInches = 8.5;
inline constexpr double kPaperHeightInches = 11.0;
inline constexpr double kPaperMarginInches = 0.25;

enum class PaperSize { Letter, A4, Legal };
enum class PageOrientation { Portrait, Landscape };

/// The paper of every printout and print preview, as File/Print Setup chooses it.
struct PageSetup {
    PaperSize paper = PaperSize::Letter;
    PageOrientation orientation = PageOrientation::Portrait;

    /// The sheet as it lies on the page, inches: turned for landscape.
    double WidthInches() const;
    double HeightInches() const;
    /// The paper's name as the settings keep it ("Letter", "A4", "Legal"), and back; an unknown
    /// name is Letter.
    static const char* PaperName(PaperSize paper);
    static PaperSize PaperFromName(const std::string& name);
    friend bool operator==(const PageSetup&, const PageSetup&) = default;
};

/// Where a printer can print on its sheet, in its device pixels: the whole sheet, the
/// unprintable strip at the left and at the top, and the printable area that follows them (the
/// strips at the right and at the bottom are what is left of the sheet).
struct PageGeometry {
    double dpi = 100.0;
    Size physicalPage;     ///< the sheet
    Point printingOffset;  ///< left and top unprintable strips
    Size printableSize;    ///< the printable area, from the offset

    /// The paper of `setup` with the quarter-inch strips, at `dpi`.
    static PageGeometry ForPaper(const PageSetup& setup, double dpi);
    /// Letter paper with the quarter-inch strips, at `dpi`.
    static PageGeometry Letter(double dpi) { return ForPaper(PageSetup{}, dpi); }
    /// Gives `dc` this page's offset and sheet.
    void ApplyTo(DC& dc) const;
};

/// How a print job starts.
struct PrintJob {
    std::string title;     ///< the job's name (the design's)
    std::string fileName;  ///< the file Print to File offers (a PDF beside the design)
    bool prompt = true;    ///< through the system print dialog; false: at once on a printer
    std::string printer;   ///< the printer of a job that does not prompt; empty: the default
};

/// How a print job ended.
struct PrintOutcome {
    enum class Status { Printed, Cancelled, Failed };
    Status status = Status::Printed;
    std::string message;  ///< why it failed, for the user
    int pages = 0;        ///< pages printed

    static PrintOutcome Failed(std::string why) { return {Status::Failed, std::move(why), 0}; }
};

/// The message of a job that could not print because no printer is installed.
inline constexpr const char* kNoDefaultPrinter =
    "No printer is installed, or none is chosen as the default.";

/// The environment variable that makes the default printer a PDF printer writing that file,
/// for machines with no printer and for tests.
inline constexpr const char* kPdfPrinterVariable = "KORDEL_PRINTER_PDF";
/// The file of the PDF printer that kPdfPrinterVariable names; empty when it is not set.
std::string PdfPrinterPath();

/// Prints all pages of the job into `surface` (a PDF file or a recording) and says how it went:
/// a surface that fails gives "Failed to print to PATH.".
PrintOutcome PrintToSurface(Printable& printable, PrintInfo& info, PrintSurface* surface,
                            const std::string& path);

}  // namespace platform::ui

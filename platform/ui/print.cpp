#include "platform/ui/print.h"

#include <cmath>
#include <cstdlib>

#include "platform/text_encoding.h"
#include "platform/ui/dc.h"

namespace platform::ui {

bool PrintPage(Printable& printable, DC& dc, PrintInfo& info, int page) {
    info.curPage = page;
    printable.OnPrepareDC(dc, &info);
    if (!info.continuePrinting) return false;
    printable.OnPrint(dc, info);
    return true;
}

int RunPrintLoop(Printable& printable, PrintSurface& surface, PrintInfo& info) {
    info.drawRect = surface.PrintableArea();
    info.continuePrinting = true;
    printable.OnBeginPrinting(surface.AttributeDC(), info);
    int printed = 0;
    bool failed = false;
    const int last = info.LastPage();
    for (int page = info.fromPage < info.minPage ? info.minPage : info.fromPage; page <= last;
         ++page) {
        DC* dc = surface.StartPage();
        if (!dc) {
            failed = true;
            break;
        }
        const bool drawn = PrintPage(printable, *dc, info, page);
        surface.EndPage();
        if (!drawn) break;
        ++printed;
    }
    printable.OnEndPrinting(surface.AttributeDC(), info);
    if (!surface.Finish()) failed = true;
    return failed ? -1 : printed;
}

namespace {

/// The sheets of the papers, portrait, inches: ISO A4 is 210 x 297 mm.
struct PaperSheet {
    PaperSize paper;
    const char* name;
    double width;
    double height;
};
constexpr PaperSheet kPapers[] = {
    {PaperSize::Letter, "Letter", kPaperWidthInches, kPaperHeightInches},
    {PaperSize::A4, "A4", 210.0 / 25.4, 297.0 / 25.4},
    {PaperSize::Legal, "Legal", 8.5, 14.0},
};

const PaperSheet& SheetOf(PaperSize paper) {
    for (const PaperSheet& p : kPapers) {
        if (p.paper == paper) return p;
    }
    return kPapers[0];
}

}  // namespace

double PageSetup::WidthInches() const {
    const PaperSheet& p = SheetOf(paper);
    return orientation == PageOrientation::Landscape ? p.height : p.width;
}

double PageSetup::HeightInches() const {
    const PaperSheet& p = SheetOf(paper);
    return orientation == PageOrientation::Landscape ? p.width : p.height;
}

const char* PageSetup::PaperName(PaperSize paper) {
    return SheetOf(paper).name;
}

PaperSize PageSetup::PaperFromName(const std::string& name) {
    for (const PaperSheet& p : kPapers) {
        if (name == p.name) return p.paper;
    }
    return PaperSize::Letter;
}

PageGeometry PageGeometry::ForPaper(const PageSetup& setup, double dpi) {
    auto pixels = [dpi](double inches) { return static_cast<int>(std::lround(inches * dpi)); };
    const double width = setup.WidthInches();
    const double height = setup.HeightInches();
    PageGeometry g;
    g.dpi = dpi;
    g.physicalPage = {pixels(width), pixels(height)};
    g.printingOffset = {pixels(kPaperMarginInches), pixels(kPaperMarginInches)};
    g.printableSize = {pixels(width - 2 * kPaperMarginInches),
                       pixels(height - 2 * kPaperMarginInches)};
    return g;
}

void PageGeometry::ApplyTo(DC& dc) const {
    dc.SetPageGeometry(printingOffset, physicalPage);
}

std::string PdfPrinterPath() {
    const char* path = std::getenv(kPdfPrinterVariable);
    return path ? std::string(path) : std::string();
}

PrintOutcome PrintToSurface(Printable& printable, PrintInfo& info, PrintSurface* surface,
                            const std::string& path) {
    const int pages = surface ? RunPrintLoop(printable, *surface, info) : -1;
    if (pages < 0)
        return PrintOutcome::Failed("Failed to print to " + platform::PathText(path) + ".");
    return {PrintOutcome::Status::Printed, {}, pages};
}

}  // namespace platform::ui

#include "platform/ui/print.h"

#include <cmath>

#include "platform/ui/dc.h"

namespace platform::ui {

int RunPrintLoop(Printable& printable, PrintSurface& surface, PrintInfo& info) {
    info.drawRect = surface.PrintableArea();
    info.continuePrinting = true;
    printable.OnBeginPrinting(surface.AttributeDC(), info);
    int printed = 0;
    bool failed = false;
    const int last = info.LastPage();
    for (int page = info.fromPage < info.minPage ? info.minPage : info.fromPage; page <= last;
         ++page) {
        info.curPage = page;
        DC* dc = surface.StartPage();
        if (!dc) {
            failed = true;
            break;
        }
        printable.OnPrepareDC(*dc, &info);
        if (!info.continuePrinting) {
            surface.EndPage();
            break;
        }
        printable.OnPrint(*dc, info);
        surface.EndPage();
        ++printed;
    }
    printable.OnEndPrinting(surface.AttributeDC(), info);
    if (!surface.Finish()) failed = true;
    return failed ? -1 : printed;
}

PageGeometry PageGeometry::Letter(double dpi) {
    auto pixels = [dpi](double inches) { return static_cast<int>(std::lround(inches * dpi)); };
    PageGeometry g;
    g.dpi = dpi;
    g.physicalPage = {pixels(kPaperWidthInches), pixels(kPaperHeightInches)};
    g.printingOffset = {pixels(kPaperMarginInches), pixels(kPaperMarginInches)};
    g.printableSize = {pixels(kPaperWidthInches - 2 * kPaperMarginInches),
                       pixels(kPaperHeightInches - 2 * kPaperMarginInches)};
    return g;
}

void PageGeometry::ApplyTo(DC& dc) const {
    dc.SetPageGeometry(printingOffset, physicalPage);
}

}  // namespace platform::ui

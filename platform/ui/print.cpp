#include "platform/ui/print.h"

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

}  // namespace platform::ui

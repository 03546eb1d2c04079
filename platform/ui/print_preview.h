// Print preview: the pages of a printable (a view) as they will print, one or two at a time, at
// three sizes, with the next and previous pages, Print and Close. PrintPreview holds what is
// shown and draws each page on a device context of the printer's page, with the same calls the
// print loop makes; the backend's preview window only places those pages on the screen.
#pragma once

#include <string>

#include "platform/ui/print.h"

namespace platform::ui {

class PrintPreview {
  public:
    /// The sizes a preview shows its pages at: the pages shown fit the window, the paper's true
    /// size on the screen, and twice that.
    enum Zoom : int { kZoomFit = 0, kZoomTrueSize = 1, kZoomDouble = 2 };
    static constexpr int kZoomLevels = 3;

    /// What ended the preview.
    enum class Result { Closed, Print };

    /// A preview of `printable`, whose OnPreparePrinting has filled `info` (the page count and
    /// how many pages to show side by side), on pages of `page`.
    PrintPreview(Printable& printable, const PrintInfo& info, const PageGeometry& page);

    const PageGeometry& Page() const { return m_page; }
    /// The pages the preview can show: those of the printable (at least one).
    int PageCount() const;
    /// The first page shown, from 1.
    int FirstPage() const { return m_first; }
    /// Pages shown side by side now: two in the two-page layout unless the first shown is the
    /// last.
    int PagesShown() const;
    bool TwoPageLayout() const { return m_twoPages; }
    int ZoomLevel() const { return m_zoom; }

    bool CanGoNext() const { return m_first + PagesShown() <= PageCount(); }
    bool CanGoPrevious() const { return m_first > 1; }
    bool CanZoomIn() const { return m_zoom + 1 < kZoomLevels; }
    bool CanZoomOut() const { return m_zoom > 0; }

    // ---- The preview's commands ----------------------------------------------------------
    void NextPage();
    void PreviousPage();
    /// One page or two side by side.
    void SetTwoPageLayout(bool two);
    void ZoomIn();
    void ZoomOut();

    /// "Page 2 of 3", or "Pages 1-2 of 3" with two pages shown.
    std::string StatusText() const;

    /// Draws page `page` on `dc`, a device context of the printer's page (the page geometry
    /// applied, printing), exactly as the print loop would.
    void DrawPage(int page, DC& dc);

  private:
    Printable& m_printable;
    PrintInfo m_info;
    PageGeometry m_page;
    int m_first = 1;
    bool m_twoPages = false;
    int m_zoom = kZoomFit;
};

}  // namespace platform::ui

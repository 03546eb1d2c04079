// A scrolling view of one of the design's line arrays (the text report, the girder summary) in a
// fixed-pitch font. On the screen every line is shown, 0.10 inch from the left edge, in the size
// the user chose ("Text Report Font"); on paper each page starts at the printable rectangle's
// corner with the report page header, whose last line carries the page label, and the whole
// page is in the 8-point header font. The views that derive from it say which array they show
// and which lines make each printed page.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/ui/view.h"
#include "views/text_metrics.h"

namespace kordel {

class CKordelDoc;

class CLineArrayView : public platform::ui::ScrollView {
  public:
    /// The screen indent of the lines, 0.10 inch.
    static constexpr int kScreenIndent = 10;
    /// The printed page's font size, points.
    static constexpr int kHeaderPoints = 8;
    static constexpr const char* kFontFace = "Lucida Console";
    /// Appended to the last header line of each printed page: this page and the printout's
    /// page count.
    static constexpr const char* kPageLabel = " Kordel p. %d of %d";

    /// The first and last line of one printed page; last < first for an empty page, which
    /// prints the header alone.
    struct LinePage {
        int first = 0;
        int last = -1;
    };

    ~CLineArrayView() override;

    CKordelDoc* GetDocument() const;

    /// The screen font's size for a "Text Report Font" setting: 0 gives 10 points, 1 gives 12,
    /// any other value 14.
    static int TextReportPoints(int setting);
    /// A font height in 0.01 inch for `points`: -MulDiv(points, 100, 72), rounded to nearest.
    static int FontHeight(int points);

    /// Makes the metrics of the shown lines, the margins and the page metrics; -1 when the
    /// view has no design.
    int OnCreate();
    void OnInitialUpdate() override;
    /// Sets the scroll sizes from the lines shown now and repaints.
    void OnUpdate(platform::ui::View* sender) override;
    void OnDraw(platform::ui::DC& dc) override;
    bool CanPrint() const override { return true; }
    /// Cuts the lines into pages (BuildPageTable); one page shown at a time in a preview.
    bool OnPreparePrinting(platform::ui::PrintInfo& info) override;
    /// Also, when printing, takes the printout's page count for the label.
    void OnPrepareDC(platform::ui::DC& dc, platform::ui::PrintInfo* info) override;
    /// One page: the lines of the page at the printable rectangle's corner, clipped to it.
    void OnPrint(platform::ui::DC& dc, platform::ui::PrintInfo& info) override;
    /// The screen font goes back to the metrics.
    void OnEndPrinting(platform::ui::DC& dc, platform::ui::PrintInfo& info) override;
    /// Page Up and Page Down through ScrollByPageKey, the other scroll keys as every scrolling
    /// view takes them.
    bool OnKeyDown(int key, int repeat, unsigned modifiers) override;

    /// The first and last line inside the clip box (-1, -1 with no lines).
    virtual void GetVisibleLineRange(platform::ui::DC& dc, int& first, int& last);
    /// The pages of the printed lines, made at the start of every print job.
    virtual void BuildPageTable() = 0;
    /// The first and last line of the page being printed (its entry of the page table); also
    /// keeps the page's number for the label.
    virtual void GetPageLineRange(platform::ui::DC& dc, platform::ui::PrintInfo& info, int& first,
                                  int& last);
    /// Lines `first` to `last` from `y` downwards, preceded on paper by the page header.
    virtual void DrawLines(platform::ui::DC& dc, int y, int first, int last);
    /// Page Up and Page Down scroll by a page; other keys do nothing.
    virtual void ScrollByPageKey(int key, int repeat, unsigned flags);

    const platform::ui::Font& TextFont() const { return m_lfText; }
    CViewMetrics* Metrics() const { return m_pMetrics.get(); }
    CPageMetrics* PageMetrics() const { return m_pPageMetrics.get(); }

  protected:
    /// Reads the screen font's size from "private.ini".
    CLineArrayView();
    /// The array this view shows, of `doc`.
    virtual const std::vector<std::string>& ShownLines(const CKordelDoc& doc) const = 0;
    /// The lines shown (none without a design).
    const std::vector<std::string>& Lines() const;
    /// The line height for the screen or the printer, at least one unit.
    int LineHeight(bool printer) const;
    /// Adds lines `first` to `last` to the page table as one page, or as several when they
    /// do not all fit under the header in the text rectangle, so no line is cut off the
    /// sheet. Call BeginPageTable first.
    void AddPage(int first, int last);
    /// Empties the page table and measures how many lines fit under the header.
    void BeginPageTable();

    std::unique_ptr<CViewMetrics> m_pMetrics;      ///< metrics of the shown lines
    std::unique_ptr<CMargins> m_pMargins;          ///< margins of the printed page
    std::unique_ptr<CPageMetrics> m_pPageMetrics;  ///< lines per printed page
    int m_nPrintPageCount = 0;  ///< the page count of the label; set while printing
    int m_nPrintPage = 1;       ///< the page being printed

  private:
    std::vector<LinePage> m_aPages;   ///< page p at entry p - 1
    int m_nLinesPerSheet = 1;         ///< lines that fit under the header on one sheet
    platform::ui::Font m_fontText;    ///< the screen font, made in the initial update
    platform::ui::Font m_lfText;      ///< its description
    platform::ui::Font m_fontHeader;  ///< the printed page's font
    platform::ui::Font m_lfHeader;    ///< its description
};

}  // namespace kordel

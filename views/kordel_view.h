// The main view of a design: the input summary sheet, one tall drawing of stacked pages in a
// scrolling window (0.01 inch units, y up). Page 1 lists the input data and draws the framing
// plan, the cross sections and the section properties; the pages after it hold the strands, the
// reinforcement and the post-tensioning. On the screen the pages are 1005 units apart with a
// dotted line between them; printed, each page goes on a sheet of its own under its title block.
#pragma once

#include <functional>
#include <string>

#include "document/model_limits.h"
#include "platform/ui/view.h"
#include "views/sheet_elements.h"

namespace kordel {

class CKordelDoc;

class CKordelView : public platform::ui::ScrollView {
  public:
    /// The first scroll size, 7.00 x 20.05 inches, until the sheet's first drawing sets its
    /// own.
    static constexpr platform::ui::Size kInitialScrollSize{700, 2005};
    /// The sheet: 3 pages, or 4 with post-tensioning.
    static constexpr platform::ui::Size kSheetExtent{995, 3075};
    static constexpr platform::ui::Size kPostTensionedSheetExtent{995, 4100};
    /// The distance between the pages of the sheet on the screen, and the y of the page lines.
    static constexpr int kPagePitch = 1005;
    static constexpr int kPageLines[] = {-1000, -2000, -3000};

    /// Where a printed sheet's band lands on its page: 0.60 inch right of and 0.30 inch below
    /// the printable area's corner, and the band's clip (7.55 x 10.60 inches).
    static constexpr int kPrintLeftOffset = 60;
    static constexpr int kPrintTopOffset = 30;
    static constexpr platform::ui::Size kPrintBand{755, 1060};
    /// What a printed sheet holds from its band's top-left corner: the frame and the program
    /// line below it.
    static constexpr platform::ui::Size kPrintedSheet{736, 1027};

    CKordelView();
    CKordelDoc* GetDocument() const;

    /// The pages of the sheet: 4 for a post-tensioned design, else 3.
    int SheetPages() const;
    /// The sheet's extent for the design's prestressing.
    platform::ui::Size SheetExtent() const;

    void OnInitialUpdate() override;
    void OnDraw(platform::ui::DC& dc) override;
    bool CanPrint() const override { return true; }
    /// Sets the pages of the job (and of the title blocks' label); one page at a time in a
    /// preview.
    bool OnPreparePrinting(platform::ui::PrintInfo& info) override;
    /// One sheet: the band of its page placed on the paper and clipped to, then the drawing.
    void OnPrint(platform::ui::DC& dc, platform::ui::PrintInfo& info) override;
    /// Page Up and Page Down through ScrollByPageKey, the other scroll keys as every scrolling
    /// view takes them.
    bool OnKeyDown(int key, int repeat, unsigned modifiers) override;

    /// The title block of printed sheet `page` (see DrawPageTitleBlock) with the job's page
    /// count; returns the offset of the sheet's content.
    int DrawTitleBlock(platform::ui::DC& dc, int page);

    /// How a printed sheet is placed on a page whose printable area is `printable` (0.01 inch):
    /// at true size with the 0.60 and 0.30 inch offsets when they fit, the offsets narrowed when
    /// the paper is too small for them, and the sheet shrunk (`zoom` below 1) when it is larger
    /// than the printable area itself.
    struct SheetPlacement {
        double zoom = 1.0;
        int left = kPrintLeftOffset;
        int top = kPrintTopOffset;
    };
    static SheetPlacement PlaceSheet(platform::ui::Size printable);
    /// Prints sheet `page` of a drawing view: the band of that page placed on the paper and
    /// clipped to, then `draw` (the view's whole drawing).
    static void PrintSheetBand(platform::ui::DC& dc, int page, const std::function<void()>& draw);

    // ---- The view's own state ------------------------------------------------------------------
    int m_nPrintPages = 3;         ///< pages of the current print job, for the page labels
    int m_nOutlinePointCount = 0;  ///< points of the girder outline copied from the design
    platform::ui::Point m_aptOutline[kMaxOutlinePoints] = {};  ///< the outline, whole inches
    double m_adUnitFactor[kUnitSlotCount] = {};  ///< the unit table, filled by every drawing
    std::string m_astrUnitLabel[kUnitSlotCount];

  private:
    /// Copies the design's outline, truncated to whole inches.
    void CopyOutline();

    platform::ui::Size m_scrollExtent;  ///< the scroll size set last, 0.01 inch
};

}  // namespace kordel

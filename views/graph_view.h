// The graph view: the key results of the open design as graphs along the girder, on three pages.
// Page 1 the stresses at release (or at tendon stressing) and, with the handling checks on, the
// lifting and shipping stresses with impact; page 2 the final stresses of the service
// combinations; page 3 the flexural strength against the factored moments and the shear
// resistance against the factored shears. Pages 1 and 2 state the prestress losses behind their
// stresses. Everything is drawn from the document at every paint (0.01 inch units, y up); printed,
// each page goes on a sheet of its own under its title block.
#pragma once

#include <string>

#include "platform/ui/view.h"

namespace kordel {

class CKordelDoc;

/// The loss line of graph page `page` (1 or 2), or "" when the page has none (a pretensioned
/// design whose losses come from the detailed method has none on page 1). A percentage whose
/// divisor is 0 (a design without strands or tendons) prints as 0.0.
std::string GraphLossLine(const CKordelDoc& doc, int page);

/// `loss` in percent of `divisor`; 0 when the divisor is 0 or the share is not a finite number.
double LossPercent(double loss, double divisor);

class CGraphView : public platform::ui::ScrollView {
  public:
    static constexpr platform::ui::Size kExtent{995, 3075};
    static constexpr int kPagePitch = 1005;
    static constexpr int kPageCount = 3;

    CGraphView();
    CKordelDoc* GetDocument() const;

    void OnInitialUpdate() override;
    void OnDraw(platform::ui::DC& dc) override;
    bool CanPrint() const override { return true; }
    bool OnPreparePrinting(platform::ui::PrintInfo& info) override;
    void OnPrint(platform::ui::DC& dc, platform::ui::PrintInfo& info) override;
    /// Lets the main frame's Graphs command open the view again.
    void OnDestroy() override;

  private:
    void DrawPage1(platform::ui::DC& dc, const CKordelDoc& doc, int y);
    void DrawPage2(platform::ui::DC& dc, const CKordelDoc& doc, int y);
    void DrawPage3(platform::ui::DC& dc, const CKordelDoc& doc, int y);
};

}  // namespace kordel

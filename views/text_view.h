// The text view: the design's text report (short or long form) in a scrolling window, printed
// page by page. Pages end at the report's "---page break---" lines, which show on the screen as
// text and never print. While it is the active view it takes the two Text Printout commands,
// which switch the report form and analyse again.
#pragma once

#include <string>
#include <vector>

#include "views/line_array_view.h"

namespace kordel {

class CTextView : public CLineArrayView {
  public:
    CTextView();

    /// Cuts the report into pages at its page-break lines (the last line is never taken as
    /// one); a page too long for one sheet goes on over the next. The table is as long as the
    /// report needs.
    void BuildPageTable() override;
    /// The number of page breaks found by the last BuildPageTable.
    int ReportPageBreaks() const { return m_nReportPages; }

    /// Lets the main frame's Text Printout commands open a text view again.
    void OnDestroy() override;
    /// "Short Form" or "Long Form", after the report form the design holds.
    std::string Caption() const override;

    /// Text Printout (short form) and (long form): the report form, then a new analysis; the
    /// new report is shown from its top, and the window's title names the form.
    void OnResultsTextForm(int form);

  protected:
    const std::vector<std::string>& ShownLines(const CKordelDoc& doc) const override;

  private:
    int m_nReportPages = 0;  ///< page breaks found
};

}  // namespace kordel

// The code-compliance view: the girder summary, the one-page statement of the girder's main
// data and of whether it passes the code checks, in a scrolling window; it prints as one page
// with the report page header.
#pragma once

#include <string>
#include <vector>

#include "views/line_array_view.h"

namespace kordel {

class CCodeComplianceView : public CLineArrayView {
  public:
    CCodeComplianceView();

    /// One page: the summary's lines up to its first page break (all of them when it has
    /// none), over more sheets only if they cannot all fit on one.
    void BuildPageTable() override;
    /// Lets the main frame's Code Compliance command open the view again.
    void OnDestroy() override;
    std::string Caption() const override { return "Code Compliance"; }

  protected:
    const std::vector<std::string>& ShownLines(const CKordelDoc& doc) const override;
};

}  // namespace kordel

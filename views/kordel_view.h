// The main view of a design: the input summary sheet, a tall drawing of stacked pages in a
// scrolling window (0.01 inch units, y up).
#pragma once

#include "platform/ui/view.h"

namespace kordel {

class CKordelDoc;

class CKordelView : public platform::ui::ScrollView {
  public:
    /// The first scroll size, 7.00 x 20.05 inches, until the sheet's first drawing sets its
    /// own.
    static constexpr platform::ui::Size kInitialScrollSize{700, 2005};

    CKordelView();
    CKordelDoc* GetDocument() const;

    void OnInitialUpdate() override;
    void OnDraw(platform::ui::DC& dc) override;
};

}  // namespace kordel

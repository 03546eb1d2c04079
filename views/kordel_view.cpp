#include "views/kordel_view.h"

#include "document/kordel_doc.h"
#include "resources/resource_ids.h"

namespace kordel {

using namespace platform::ui;

CKordelView::CKordelView() {
    // The results commands answer here while this view is active: the text printouts are
    // enabled, and no results command carries a check mark.
    auto uncheck = [](CmdUI& ui) { ui.SetCheck(false); };
    m_commands.OnUpdate(ID_RESULTS_GRAPHS, uncheck);
    m_commands.OnUpdate(ID_RESULTS_CODE_COMPLIANCE, uncheck);
    auto textPrintout = [](CmdUI& ui) {
        ui.Enable(true);
        ui.SetCheck(false);
    };
    m_commands.OnUpdate(ID_RESULTS_TEXT_SHORT, textPrintout);
    m_commands.OnUpdate(ID_RESULTS_TEXT_LONG, textPrintout);
}

CKordelDoc* CKordelView::GetDocument() const {
    return dynamic_cast<CKordelDoc*>(View::GetDocument());
}

void CKordelView::OnInitialUpdate() {
    SetScrollSizes(MapMode::LoEnglish, kInitialScrollSize);
    ScrollView::OnInitialUpdate();
}

void CKordelView::OnDraw(DC&) {
    // The input summary sheet is drawn here once its pages exist.
}

}  // namespace kordel

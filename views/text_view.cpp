#include "views/text_view.h"

#include "app/kordel_app.h"
#include "document/main_frame_state.h"
#include "document/kordel_doc.h"
#include "resources/resource_ids.h"

namespace kordel {

using namespace platform::ui;

CTextView::CTextView() {
    m_commands.On(ID_RESULTS_TEXT_SHORT, [this] { OnResultsTextForm(kReportShortForm); });
    m_commands.On(ID_RESULTS_TEXT_LONG, [this] { OnResultsTextForm(kReportLongForm); });
    m_commands.OnUpdate(ID_RESULTS_TEXT_SHORT, [this](CmdUI& ui) {
        const CKordelDoc* doc = GetDocument();
        ui.SetCheck(doc && doc->m_nReportForm != kReportLongForm);
    });
    m_commands.OnUpdate(ID_RESULTS_TEXT_LONG, [this](CmdUI& ui) {
        const CKordelDoc* doc = GetDocument();
        ui.SetCheck(doc && doc->m_nReportForm != kReportShortForm);
    });
    auto uncheck = [](CmdUI& ui) { ui.SetCheck(false); };
    m_commands.OnUpdate(ID_RESULTS_GRAPHS, uncheck);
    m_commands.OnUpdate(ID_RESULTS_CODE_COMPLIANCE, uncheck);
}

const std::vector<std::string>& CTextView::ShownLines(const CKordelDoc& doc) const {
    return doc.Report();
}

void CTextView::OnDestroy() {
    CMainFrameState& frame = GetMainFrame();
    frame.m_bShortTextViewOpen = 0;
    frame.m_bLongTextViewOpen = 0;
}

std::string CTextView::Caption() const {
    const CKordelDoc* doc = GetDocument();
    return doc && doc->m_nReportForm == kReportShortForm ? "Short Form" : "Long Form";
}

void CTextView::OnResultsTextForm(int form) {
    CKordelDoc* doc = GetDocument();
    if (!doc) return;
    doc->m_nReportForm = form;
    doc->RunAnalysis();
    Invalidate();
    if (CKordelApp* app = GetKordelApp()) {
        app->UpdateAllViews();
        app->UpdateTitles();
    } else {
        OnUpdate(nullptr);
    }
    ScrollToDevicePosition({0, 0});
}

// ---- Pages ------------------------------------------------------------------------------------

void CTextView::BuildPageTable() {
    BeginPageTable();
    m_nReportPages = 0;
    const CKordelDoc* doc = GetDocument();
    if (!doc) return;
    const std::vector<std::string>& lines = doc->Report();
    const int n = static_cast<int>(lines.size());
    int start = 0;
    for (int i = 0; i < n - 1; ++i) {
        if (lines[static_cast<size_t>(i)] != kPageBreak) continue;
        AddPage(start, i - 1);
        start = i + 1;
        ++m_nReportPages;
    }
    AddPage(start, n - 1);
}

}  // namespace kordel

#include "views/compliance_view.h"

#include <algorithm>

#include "document/main_frame_state.h"
#include "document/kordel_doc.h"
#include "resources/resource_ids.h"

namespace kordel {

using namespace platform::ui;

CCodeComplianceView::CCodeComplianceView() {
    m_commands.OnUpdate(ID_RESULTS_CODE_COMPLIANCE, [](CmdUI& ui) { ui.SetCheck(true); });
    m_commands.OnUpdate(ID_RESULTS_GRAPHS, [](CmdUI& ui) { ui.SetCheck(false); });
    auto textPrintout = [](CmdUI& ui) {
        ui.Enable(true);
        ui.SetCheck(false);
    };
    m_commands.OnUpdate(ID_RESULTS_TEXT_LONG, textPrintout);
    m_commands.OnUpdate(ID_RESULTS_TEXT_SHORT, textPrintout);
}

const std::vector<std::string>& CCodeComplianceView::ShownLines(const CKordelDoc& doc) const {
    return doc.GirderSummary();
}

void CCodeComplianceView::OnDestroy() {
    GetMainFrame().m_bComplianceViewOpen = 0;
}

void CCodeComplianceView::BuildPageTable() {
    BeginPageTable();
    const std::vector<std::string>& lines = Lines();
    const auto end = std::find(lines.begin(), lines.end(), std::string(kPageBreak));
    AddPage(0, static_cast<int>(end - lines.begin()) - 1);
}

}  // namespace kordel

#include "dialogs/prestress/detension_sequence_dlg.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "controls/data_validation.h"
#include "report/format.h"

namespace kordel {

using namespace platform::ui;

const DialogTemplate& CDetensionSequenceDlg::Template() {
    static const DialogTemplate t = [] {
        DialogTemplate d;
        d.id = IDD_DETENSION_SEQUENCE;
        d.caption = "Detension Sequence";
        d.size = {180, 246};
        d.controls = {
            MakeControl(ControlKind::Custom, IDC_DETENSION_GRID, "MFCGridCtrl", 7, 7, 166, 208),
            MakeControl(ControlKind::DefPushButton, kIdOk, "OK", 67, 225, 50, 14, kStyleGroup),
            MakeControl(ControlKind::PushButton, kIdCancel, "Cancel", 123, 225, 50, 14),
        };
        return d;
    }();
    return t;
}

CDetensionSequenceDlg::CDetensionSequenceDlg() : Dialog(Template()) {}

void CDetensionSequenceDlg::DoDataExchange(DataExchange&) {}

bool CDetensionSequenceDlg::OnInitDialog() {
    Dialog::OnInitDialog();
    const int n = std::clamp(m_nGroupCount, 0, kMaxStrandGroups);
    m_grid.Attach(CreateControlWindow(IDC_DETENSION_GRID, m_grid), IDC_DETENSION_GRID);
    m_grid.SetOwner(this);
    m_grid.SetRowCount(n + 1);
    m_grid.SetColumnCount(2);
    m_grid.SetFixedRowCount(1);
    m_grid.SetFixedColumnCount(1);
    m_grid.SetColumnWidth(0, 100);
    m_grid.SetColumnWidth(1, 100);
    m_grid.SetCellText(0, 0, "Sequence");
    m_grid.SetCellText(0, 1, "Strand Group");
    for (int k = 0; k < n; ++k) {
        m_grid.SetCellText(k + 1, 0, FormatCount("%3d", k + 1));
        m_grid.SetCellText(k + 1, 1, FormatCount("%3d", m_anOrder[k]));
    }
    return true;
}

void CDetensionSequenceDlg::Refuse(const char* format) {
    MessageBox(FormatCount(format, std::clamp(m_nGroupCount, 0, kMaxStrandGroups)),
               platform::MsgButtons::Ok, platform::MsgIcon::None);
}

void CDetensionSequenceDlg::OnOK() {
    const int n = std::clamp(m_nGroupCount, 0, kMaxStrandGroups);
    // Row by row: a number from 1 to N, else the first refusal.
    for (int k = 0; k < n; ++k) {
        const std::string text = m_grid.GetCellText(k + 1, 1);
        if (!CDataValidation::IsUnsigned(text)) {
            Refuse(kRangeMessage);
            return;
        }
        // Digits only: a number too long for an int is above N as well.
        std::string digits(CDataValidation::TrimBlanks(text));
        digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size() - 1));
        const long long value = digits.size() > 9 ? n + 1LL : std::stoll(digits);
        m_anOrder[k] = static_cast<int>(std::min<long long>(value, n + 1LL));
        if (value < 1 || value > n) {
            Refuse(kRangeMessage);
            return;
        }
    }
    // Every group once: a duplicate leaves some number out.
    std::vector<bool> seen(static_cast<std::size_t>(n) + 1, false);
    for (int k = 0; k < n; ++k) seen[static_cast<std::size_t>(m_anOrder[k])] = true;
    for (int g = 1; g <= n; ++g) {
        if (!seen[static_cast<std::size_t>(g)]) {
            Refuse(kMissingMessage);
            return;
        }
    }
    Dialog::OnOK();
}

}  // namespace kordel

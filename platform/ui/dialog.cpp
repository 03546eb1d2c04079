#include "platform/ui/dialog.h"

#include <algorithm>
#include <vector>

#include "platform/ui/toolkit.h"

namespace platform::ui {

namespace {

/// The dialogs whose modal runs are under way, outermost first.
std::vector<Dialog*>& RunningDialogs() {
    static std::vector<Dialog*> running;
    return running;
}

/// Keeps a dialog on the running list for the length of its modal run.
class ModalRun {
  public:
    explicit ModalRun(Dialog* dialog) : m_dialog(dialog) { RunningDialogs().push_back(dialog); }
    ~ModalRun() {
        auto& running = RunningDialogs();
        running.erase(std::remove(running.begin(), running.end(), m_dialog), running.end());
    }
    ModalRun(const ModalRun&) = delete;
    ModalRun& operator=(const ModalRun&) = delete;

  private:
    Dialog* m_dialog;
};

}  // namespace

Dialog* Dialog::ActiveModal() {
    return RunningDialogs().empty() ? nullptr : RunningDialogs().back();
}

void DataExchange::Text(int id, std::string& value) {
    if (m_saving) {
        value = m_dialog.GetDlgItemText(id);
    } else {
        m_dialog.SetDlgItemText(id, value);
    }
}

void DataExchange::Check(int id, int& value) {
    if (m_saving) {
        value = m_dialog.IsDlgButtonChecked(id) ? 1 : 0;
    } else {
        m_dialog.CheckDlgButton(id, value != 0);
    }
}

int Dialog::DoModal() {
    std::unique_ptr<DialogPeer> peer = GetToolkit().CreateDialog(*this, m_template);
    if (!peer) return kIdCancel;
    m_peer = peer.get();
    m_ended = false;
    m_result = kIdCancel;
    int result = kIdCancel;
    {
        ModalRun run(this);
        result = peer->RunModal();
    }
    m_peer = nullptr;
    return m_ended ? m_result : result;
}

bool Dialog::OnInitDialog() {
    UpdateData(false);
    return true;
}

void Dialog::OnOK() {
    if (!UpdateData(true)) return;
    EndDialog(kIdOk);
}

void Dialog::OnCancel() {
    EndDialog(kIdCancel);
}

void Dialog::NotifyInit() {
    OnInitDialog();
}

void Dialog::NotifyCommand(int id) {
    if (m_commands.Dispatch(id)) return;
    if (id == kIdOk) {
        OnOK();
    } else if (id == kIdCancel) {
        OnCancel();
    }
}

bool Dialog::UpdateData(bool save) {
    if (!m_peer) return false;
    DataExchange dx(*this, save);
    DoDataExchange(dx);
    return true;
}

void Dialog::EndDialog(int result) {
    m_result = result;
    m_ended = true;
    if (m_peer) m_peer->EndModal(result);
}

void Dialog::SetDlgItemText(int id, const std::string& text) {
    if (m_peer) m_peer->SetItemText(id, text);
}

std::string Dialog::GetDlgItemText(int id) const {
    return m_peer ? m_peer->GetItemText(id) : std::string();
}

void Dialog::CheckDlgButton(int id, bool checked) {
    if (m_peer) m_peer->SetCheck(id, checked);
}

bool Dialog::IsDlgButtonChecked(int id) const {
    return m_peer && m_peer->GetCheck(id);
}

void Dialog::EnableItem(int id, bool enabled) {
    if (m_peer) m_peer->EnableItem(id, enabled);
}

bool Dialog::IsItemEnabled(int id) const {
    return m_peer && m_peer->IsItemEnabled(id);
}

void Dialog::InvalidateItem(int id) {
    if (m_peer) m_peer->InvalidateItem(id);
}

Size Dialog::GetItemClientSize(int id) const {
    return m_peer ? m_peer->ItemClientSize(id) : Size{};
}

}  // namespace platform::ui

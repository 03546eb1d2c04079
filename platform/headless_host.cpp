#include "platform/headless_host.h"

namespace platform {

namespace {
MsgResult FirstButton(MsgButtons buttons) {
    switch (buttons) {
        case MsgButtons::Ok:
        case MsgButtons::OkCancel:
            return MsgResult::Ok;
        case MsgButtons::YesNo:
        case MsgButtons::YesNoCancel:
            return MsgResult::Yes;
        case MsgButtons::RetryCancel:
            return MsgResult::Retry;
    }
    return MsgResult::Ok;
}
}  // namespace

MsgResult HeadlessHost::MessageBox(const std::string& text, const std::string& caption,
                                   MsgButtons buttons, MsgIcon icon) {
    MsgResult answer = FirstButton(buttons);
    if (!m_answers.empty()) {
        answer = m_answers.front();
        m_answers.pop_front();
    }
    m_messages.push_back({text, caption, buttons, icon, answer, Owner()});
    OnMessage(m_messages.back());
    return answer;
}

void HeadlessHost::SetStatusText(int pane, const std::string& text) {
    if (pane < 0 || pane >= static_cast<int>(m_status.size())) return;
    m_status[static_cast<size_t>(pane)] = text;
    m_statusHistory[static_cast<size_t>(pane)].push_back(text);
}

LocalTime HeadlessHost::Now() { return m_fixedTime ? *m_fixedTime : SystemNow(); }

std::optional<std::string> HeadlessHost::GetOpenFileName(const FileDialogRequest&) {
    ++m_fileDialogs;
    m_fileDialogOwners.push_back(Owner());
    if (m_fileNames.empty()) return std::nullopt;
    auto name = m_fileNames.front();
    m_fileNames.pop_front();
    return name;
}

std::optional<std::string> HeadlessHost::GetSaveFileName(const FileDialogRequest& request) {
    return GetOpenFileName(request);
}

}  // namespace platform

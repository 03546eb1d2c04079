// A host with no windows: records every message box and status text, answers message boxes
// and file dialogs from a script, and tells a fixed or the system time. Used by the tests and
// (through a subclass that prints messages) by the batch front.
#pragma once

#include <array>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/host.h"

namespace platform {

class HeadlessHost : public Host {
public:
    struct Message {
        std::string text;
        std::string caption;
        MsgButtons buttons;
        MsgIcon icon;
        MsgResult answer;
        std::string owner;  ///< the window it belongs to (see SetOwnerSource)
    };

    MsgResult MessageBox(const std::string& text, const std::string& caption, MsgButtons buttons,
                         MsgIcon icon) override;
    void SetStatusText(int pane, const std::string& text) override;
    LocalTime Now() override;
    std::optional<std::string> GetOpenFileName(const FileDialogRequest& request) override;
    std::optional<std::string> GetSaveFileName(const FileDialogRequest& request) override;

    // Script. Answers are used in order; with none left a box gets its first button and a
    // file dialog is cancelled.
    void QueueAnswer(MsgResult answer) { m_answers.push_back(answer); }
    void QueueFileName(std::optional<std::string> name) { m_fileNames.push_back(std::move(name)); }
    void FixTime(const LocalTime& t) { m_fixedTime = t; }
    /// Tells which window a message box or a file dialog shown now belongs to: a headless
    /// toolkit names its running modal dialog by caption, empty for the main window. Without
    /// one every owner is empty.
    void SetOwnerSource(std::function<std::string()> source) { m_ownerSource = std::move(source); }

    // Record.
    const std::vector<Message>& Messages() const { return m_messages; }
    void ClearMessages() { m_messages.clear(); }
    const std::string& StatusText(int pane) const { return m_status.at(static_cast<size_t>(pane)); }
    /// Every text written to each pane, in order.
    const std::vector<std::string>& StatusHistory(int pane) const {
        return m_statusHistory.at(static_cast<size_t>(pane));
    }
    int FileDialogsShown() const { return m_fileDialogs; }
    /// The owner of each file dialog shown, in order.
    const std::vector<std::string>& FileDialogOwners() const { return m_fileDialogOwners; }

protected:
    /// Called for each message box after it is recorded; the batch front prints it.
    virtual void OnMessage(const Message&) {}

private:
    std::string Owner() const { return m_ownerSource ? m_ownerSource() : std::string(); }

    std::deque<MsgResult> m_answers;
    std::deque<std::optional<std::string>> m_fileNames;
    std::optional<LocalTime> m_fixedTime;
    std::function<std::string()> m_ownerSource;
    std::vector<std::string> m_fileDialogOwners;
    std::vector<Message> m_messages;
    std::array<std::string, 6> m_status;
    std::array<std::vector<std::string>, 6> m_statusHistory;
    int m_fileDialogs = 0;
};

/// Installs a host for the lifetime of the guard and restores the previous one after.
class ScopedHost {
public:
    explicit ScopedHost(Host& host) : m_previous(SetHost(&host)) {}
    ~ScopedHost() { SetHost(m_previous); }
    ScopedHost(const ScopedHost&) = delete;
    ScopedHost& operator=(const ScopedHost&) = delete;

private:
    Host* m_previous;
};

}  // namespace platform

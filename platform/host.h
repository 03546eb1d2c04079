// The host: what the engine and the document need of the program around them (message boxes,
// status-bar panes, file dialogs, the clock). The desktop program installs a windowed host;
// tests and the batch front install a headless one. No GUI header is needed to use it.
#pragma once

#include <optional>
#include <string>

namespace platform {

enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class MsgIcon { None, Information, Warning, Error, Question };
enum class MsgResult { Ok, Cancel, Yes, No, Retry };

/// Local calendar time, as the report header prints it.
struct LocalTime {
    int year = 2000;  ///< four digits
    int month = 1;    ///< 1 to 12
    int day = 1;      ///< 1 to 31
    int hour = 0;     ///< 0 to 23
    int minute = 0;
    int second = 0;
};

/// A file dialog request. `defaultExtension` without the dot; `filter` in the
/// "Text (*.txt)|*.txt||" form, empty for none.
struct FileDialogRequest {
    std::string title;
    std::string defaultExtension;
    std::string initialName;
    std::string filter;
    bool promptOverwrite = true;
};

class Host {
public:
    virtual ~Host() = default;

    /// Shows a message box and returns the button chosen.
    virtual MsgResult MessageBox(const std::string& text, const std::string& caption,
                                 MsgButtons buttons, MsgIcon icon) = 0;
    /// Sets status-bar pane `pane` (0 to 5) to `text`.
    virtual void SetStatusText(int pane, const std::string& text) = 0;
    /// The current local time.
    virtual LocalTime Now() = 0;
    /// Asks for a file to open or to save; empty when cancelled.
    virtual std::optional<std::string> GetOpenFileName(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> GetSaveFileName(const FileDialogRequest& request) = 0;
};

/// The installed host; a headless host that answers every box with its first button until a
/// program installs its own.
Host& GetHost();
/// Installs `host` (not owned; nullptr restores the built-in headless host) and returns the
/// previous one.
Host* SetHost(Host* host);

/// Convenience: a message box through the installed host with the program's caption.
MsgResult ShowMessage(const std::string& text, MsgButtons buttons = MsgButtons::Ok,
                      MsgIcon icon = MsgIcon::Warning);

/// The caption of every message box of the program.
inline constexpr const char* kProgramCaption = "Kordel";

/// The system clock in local time.
LocalTime SystemNow();

}  // namespace platform

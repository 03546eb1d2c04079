// Messages of one run of a prestress or stress stage: each distinct text is shown once through
// the host (OK button), then the stage goes on with its neutral value. A stage that meets the same
// impossible input at many stations or strand groups thus shows one box, not one per station.
#pragma once

#include <cstdarg>
#include <cstdio>
#include <optional>
#include <set>
#include <string>

#include "platform/host.h"

namespace kordel {

class PrestressMessages {
  public:
    /// Shows `text` unless this run has shown it already.
    void Show(const std::string& text) {
        if (m_shown.insert(text).second) platform::ShowMessage(text, platform::MsgButtons::Ok);
    }

    /// `value` when there is one; otherwise shows `text` and gives `neutral`.
    double Take(std::optional<double> value, double neutral, const std::string& text) {
        if (value) return *value;
        Show(text);
        return neutral;
    }

  private:
    std::set<std::string> m_shown;
};

/// printf-style text of a message.
inline std::string MessageText(const char* format, ...) __attribute__((format(printf, 1, 2)));
inline std::string MessageText(const char* format, ...) {
    char text[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    return text;
}

}  // namespace kordel

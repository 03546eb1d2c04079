#include "platform/host.h"

#include <ctime>

#include "platform/headless_host.h"

namespace platform {

namespace {
HeadlessHost& BuiltInHost() {
    static HeadlessHost host;
    return host;
}
Host* g_host = nullptr;
}  // namespace

Host& GetHost() { return g_host ? *g_host : BuiltInHost(); }

Host* SetHost(Host* host) {
    Host* previous = g_host;
    g_host = host;
    return previous;
}

MsgResult ShowMessage(const std::string& text, MsgButtons buttons, MsgIcon icon) {
    return GetHost().MessageBox(text, kProgramCaption, buttons, icon);
}

LocalTime SystemNow() {
    std::time_t now = std::time(nullptr);
    std::tm tm{};
    localtime_r(&now, &tm);
    LocalTime t;
    t.year = tm.tm_year + 1900;
    t.month = tm.tm_mon + 1;
    t.day = tm.tm_mday;
    t.hour = tm.tm_hour;
    t.minute = tm.tm_min;
    t.second = tm.tm_sec;
    return t;
}

}  // namespace platform

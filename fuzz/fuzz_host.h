// The headless host and main-frame state a design needs in a fuzz target, made once for the
// process and installed for all its runs.
#pragma once

#include "document/main_frame_state.h"
#include "platform/headless_host.h"

namespace kordel::fuzz {

inline platform::HeadlessHost& FuzzHost() {
    static platform::HeadlessHost host;
    static platform::ScopedHost hostGuard(host);
    static kordel::CMainFrameState frame;
    static kordel::ScopedMainFrame frameGuard(frame);
    return host;
}

}  // namespace kordel::fuzz

#include "document/main_frame_state.h"

#include "platform/folders.h"
#include "platform/host.h"

namespace kordel {

namespace {
CMainFrameState* g_frame = nullptr;

CMainFrameState& BuiltInFrame() {
    static CMainFrameState frame = [] {
        CMainFrameState f;
        f.m_strProgramFolder = platform::ProgramFolder();
        return f;
    }();
    return frame;
}
}  // namespace

void CMainFrameState::SetStatusText(int pane, const std::string& text) {
    platform::GetHost().SetStatusText(pane, text);
}

CMainFrameState& GetMainFrame() { return g_frame ? *g_frame : BuiltInFrame(); }

CMainFrameState* SetMainFrame(CMainFrameState* frame) {
    CMainFrameState* previous = g_frame;
    g_frame = frame;
    return previous;
}

}  // namespace kordel

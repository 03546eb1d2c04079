// What every benchmark of the engine needs around a design: a headless host for messages, a
// main-frame state for the status panes, and the document on the heap.
#pragma once

#include <memory>

#include "document/main_frame_state.h"
#include "document/kordel_doc.h"
#include "platform/headless_host.h"

namespace kordel::bench {

struct Session {
    Session() : hostGuard(host), frameGuard(frame), doc(CKordelDoc::CreateObject()) {}

    /// The session's document made by File/New Design with example `example` (1-4), analysed.
    CKordelDoc& NewExample(int example) {
        frame.m_nSeedChoice = example;
        doc->OnNewDocument();
        return *doc;
    }

    platform::HeadlessHost host;
    platform::ScopedHost hostGuard;
    CMainFrameState frame;
    ScopedMainFrame frameGuard;
    std::unique_ptr<CKordelDoc> doc;
};

}  // namespace kordel::bench

#include "app/main_frame_state.h"
#include "document/kordel_doc.h"
#include "platform/file_io.h"

namespace kordel {

bool CKordelDoc::OnNewDocument() {
    if (!Document::OnNewDocument()) return false;

    CMainFrameState& frame = GetMainFrame();
    const int choice = frame.m_nSeedChoice;
    if (choice == SeedFromFile) {
        // The seed is read like an opened design; errors leave here before the main frame
        // copies and the analysis, and the caller discards this document.
        platform::Archive ar(platform::ReadWholeFile(frame.m_strSeedName));
        Serialize(ar);
    }
    // The example designs 1 to 4 are built here once their data exist; any other choice
    // keeps the constructor's design.

    frame.m_nStructureType = m_bContinuous;
    frame.m_nPrestressType = m_nPrestressType;
    frame.m_nUnits = m_nUnits;
    RunAnalysis();
    return true;
}

}  // namespace kordel

// The new-design road: a built-in example design, a seed design file, or the constructor's
// design, handed to the main frame and analysed once.
#include "document/main_frame_state.h"
#include "document/kordel_doc.h"
#include "platform/file_io.h"

namespace kordel {

bool CKordelDoc::OnNewDocument() {
    if (!Document::OnNewDocument()) return false;

    CMainFrameState& frame = GetMainFrame();
    const int choice = frame.m_nSeedChoice;
    if (choice == SeedFromFile) {
        // The seed is read like an opened design, and only read: a read-only seed file serves.
        // Errors leave here before the main frame copies and the analysis, and the caller
        // discards this document. The document keeps no path, so the first save asks for one.
        platform::Archive ar(platform::ReadWholeFile(frame.m_strSeedName));
        Serialize(ar);
    } else {
        // Examples 1 to 4; any other choice keeps the constructor's design.
        BuildExampleDesign(choice);
    }

    frame.m_nStructureType = m_bContinuous;
    frame.m_nPrestressType = m_nPrestressType;
    frame.m_nUnits = m_nUnits;
    RunAnalysis();
    return true;
}

}  // namespace kordel

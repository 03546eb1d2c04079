// The library commands of the main frame: Libraries/Beam Sections keeps the section library
// (new, edit and import of sections) on a record of its own; the design is not touched.
#include "app/main_frame.h"
#include "document/kordel_doc.h"
#include "libraries/section_lib_dlg.h"
#include "resources/resource_ids.h"

namespace kordel {

void CMainFrame::RegisterLibraryCommands() {
    m_commands.On(ID_LIBRARIES_BEAM_SECTIONS, [this] { OnLibrariesBeamSections(); });
}

void CMainFrame::OnLibrariesBeamSections() {
    CKordelDoc* doc = ActiveDesign();
    CSectionLibDoc section;
    CSectionLibDlg dlg;
    dlg.m_nMode = kSectionLibMaintenance;
    dlg.m_pSection = &section;
    dlg.m_nUnits = doc ? doc->m_nUnits : m_nUnits;
    // The identity an older section archive must carry to be imported, as the design keeps it.
    if (doc && !doc->m_strSectionLibraryTag.empty()) dlg.m_strLibraryTag = doc->m_strSectionLibraryTag;
    dlg.DoModal();
}

}  // namespace kordel

// The library commands of the main frame: Libraries/Beam Sections keeps the section library
// (new, edit and import of sections) on a record of its own; the design is not touched. Here
// too the section dialogs are joined up: Geometry's "Properties..." opens the section
// properties dialog, whose "Template..." opens the strand template dialog.
#include <algorithm>

#include "app/main_frame.h"
#include "dialogs/input/geometry_dlg.h"
#include "dialogs/prestress/strand_template_dlg.h"
#include "document/kordel_doc.h"
#include "libraries/section_lib_dlg.h"
#include "libraries/section_prop_dlg.h"
#include "platform/ui/dialog.h"
#include "resources/resource_ids.h"

namespace kordel {

namespace {

/// The section properties dialog on the geometry dialog's section record (inches), in its
/// units; on OK the record comes back with whether the strand template is a new one.
bool OpenSectionProperties(CGeometryDlg& geometry) {
    CSectionPropDlg dlg;
    CopySectionFromDesign(geometry.m_section, dlg);
    dlg.m_nMode = kSectionPropNormal;
    dlg.m_nUnits = geometry.m_nUnits;
    if (dlg.DoModal() != platform::ui::kIdOk) return false;
    CopySectionToDesign(dlg, geometry.m_section);
    geometry.m_bTemplateChanged = dlg.m_bSectionReplaced;
    return true;
}

/// The strand template dialog on the properties dialog's template, which is in the units the
/// dialog shows; OK makes it a new template.
bool EditSectionTemplate(StrandTemplateEdit& edit) {
    StrandTemplateData data;
    data.rowCount = edit.rowCount;
    data.columnCount = edit.columnCount;
    data.layout = edit.layout;
    data.webLocation = edit.webLocation;
    std::copy(&edit.values[0][0], &edit.values[0][0] + kMaxPatternRows * kMaxPatternColumns,
              &data.values[0][0]);
    if (!EditShownStrandTemplate(data, edit.units)) return false;
    edit.rowCount = data.rowCount;
    edit.columnCount = data.columnCount;
    edit.layout = data.layout;
    std::copy(&data.values[0][0], &data.values[0][0] + kMaxPatternRows * kMaxPatternColumns,
              &edit.values[0][0]);
    edit.sectionReplaced = 1;
    return true;
}

}  // namespace

void CMainFrame::RegisterLibraryCommands() {
    m_commands.On(ID_LIBRARIES_BEAM_SECTIONS, [this] { OnLibrariesBeamSections(); });
    GeometrySectionPropertiesOpener() = OpenSectionProperties;
    SetStrandTemplateEditor(EditSectionTemplate);
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

// The results, library and tool commands of the main frame that open a dialog on the design
// (or on the libraries) instead of editing input: Results/Results Grid, Libraries/Live Load
// Vehicles and Tools/Load Tables.
#include <algorithm>

#include "app/kordel_app.h"
#include "app/main_frame.h"
#include "dialogs/results/results_grid_dlg.h"
#include "dialogs/tools/load_tables_dlg.h"
#include "document/kordel_doc.h"
#include "libraries/truck_lib_maint_dlg.h"
#include "resources/resource_ids.h"

namespace kordel {

using namespace platform::ui;

void CMainFrame::RegisterToolCommands() {
    m_commands.On(ID_RESULTS_GRID, [this] { OnResultsGrid(); });
    m_commands.On(ID_LIBRARIES_LIVE_LOAD_VEHICLES, [this] { OnLibrariesLiveLoadVehicles(); });
    m_commands.On(ID_TOOLS_LOAD_TABLES, [this] { OnToolsLoadTables(); });
}

void CMainFrame::OnResultsGrid() {
    CKordelDoc* doc = ActiveDesign();
    if (!doc) return;
    // The dialog reads the design's results as they stand and changes nothing.
    CResultsGridDlg dlg(*doc);
    dlg.DoModal();
}

void CMainFrame::OnLibrariesLiveLoadVehicles() {
    CTruckLibMaintDlg dlg;
    const CKordelDoc* doc = ActiveDesign();
    dlg.m_nUnits = doc ? doc->m_nUnits : m_nUnits;
    // The library is written as the user works in the dialog; the design is not touched.
    if (dlg.DoModal() == kIdOk && m_peer) m_peer->Invalidate();
}

void CMainFrame::OnToolsLoadTables() {
    CKordelDoc* active = ActiveDesign();
    if (!active) return;
    CLoadTablesDlg dlg(*active);
    const bool ok = RunInputDialog(
        dlg,
        [&dlg](const CKordelDoc& doc) {
            dlg.m_strSectionName = doc.m_strSectionName;
            dlg.m_dSpanMin = doc.m_dLoadTableSpanMin;
            dlg.m_dSpanMax = doc.m_dLoadTableSpanMax;
            dlg.m_dSpanInc = doc.m_dLoadTableSpanInc;
            for (int p = 0; p < kLoadTableSpacingSlots; ++p) {
                dlg.m_adSpacing[p] = doc.m_adLoadTableSpacing[p];
                dlg.m_adSlab[p] = doc.m_adLoadTableSlab[p];
            }
            dlg.m_nSpacingCount = doc.m_nLoadTableSpacingCount;
            dlg.m_dFciMin = doc.m_dLoadTableFciMin;
            dlg.m_dFciMax = doc.m_dLoadTableFciMax;
            // Whole numbers in the dialog, cut toward zero.
            dlg.m_nStrandsMin = static_cast<int>(std::clamp(doc.m_dLoadTableStrandsMin, -1e9, 1e9));
            dlg.m_nStrandsMax = static_cast<int>(std::clamp(doc.m_dLoadTableStrandsMax, -1e9, 1e9));
            for (int i = 0; i < kLoadTableModeCount; ++i) dlg.m_anModes[i] = doc.m_anLoadTableModes[i];
            dlg.m_dDeflRatio = doc.m_dLoadTableDeflRatio;
            dlg.m_tables = doc.m_LoadTablesSettings;
        },
        [&dlg](CKordelDoc& doc) {
            doc.m_dLoadTableSpanMin = dlg.m_dSpanMin;
            doc.m_dLoadTableSpanMax = dlg.m_dSpanMax;
            doc.m_dLoadTableSpanInc = dlg.m_dSpanInc;
            for (int p = 0; p < kLoadTableSpacingSlots; ++p) {
                doc.m_adLoadTableSpacing[p] = dlg.m_adSpacing[p];
                doc.m_adLoadTableSlab[p] = dlg.m_adSlab[p];
            }
            doc.m_nLoadTableSpacingCount = dlg.m_nSpacingCount;
            doc.m_dLoadTableFciMin = dlg.m_dFciMin;
            doc.m_dLoadTableFciMax = dlg.m_dFciMax;
            doc.m_dLoadTableStrandsMin = dlg.m_nStrandsMin;
            doc.m_dLoadTableStrandsMax = dlg.m_nStrandsMax;
            for (int i = 0; i < kLoadTableModeCount; ++i) doc.m_anLoadTableModes[i] = dlg.m_anModes[i];
            doc.m_dLoadTableDeflRatio = dlg.m_dDeflRatio;
            doc.m_LoadTablesSettings = dlg.m_tables;
        });
    // A row made the current design changed the design even when the dialog was then closed
    // with Cancel: it is analysed already and must not be lost unsaved.
    if (!ok && dlg.m_bDesignApplied) {
        if (m_peer) m_peer->Invalidate();
        active->SetModifiedFlag(true);
        m_app.UpdateAllViews();
    }
}

}  // namespace kordel

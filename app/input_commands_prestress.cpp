// The pretensioning commands of the main frame: Input/Prestressing (Pretensioning), and the two
// commands of the level-by-level strand pattern editor that no menu carries: the preliminary
// strand design followed by the editor, and the editor alone.
#include <algorithm>
#include <memory>

#include "app/input_commands.h"
#include "app/kordel_app.h"
#include "app/main_frame.h"
#include "dialogs/prestress/pretensioning_dlg.h"
#include "dialogs/prestress/strand_levels_dlg.h"
#include "document/design_inputs.h"
#include "document/kordel_doc.h"
#include "platform/ui/toolkit.h"
#include "resources/resource_ids.h"

namespace kordel {

using namespace platform::ui;

void CMainFrame::RegisterPretensioningCommands() {
    m_commands.On(ID_INPUT_PRETENSIONING, [this] { OnInputPretensioning(); });
    m_commands.On(ID_INPUT_PRELIM_STRAND_DESIGN, [this] { OnInputPrelimStrandDesign(); });
    m_commands.On(ID_INPUT_STRAND_PATTERN, [this] { OnInputStrandPattern(); });
}

void CMainFrame::OnInputPretensioning() {
    CStrandPatDlgV3 dlg;
    CKordelDoc* design = ActiveDesign();
    if (!design) return;
    dlg.m_onDesigned = [this] {
        RepaintDesign();
    };
    const bool ok = RunInputDialog(
        dlg,
        [&dlg](CKordelDoc& doc) {
            dlg.m_pDoc = &doc;
            dlg.m_nEntryMode = doc.m_nPretensionEntryMode;
            dlg.m_dPjack = doc.m_dPForceJacking;
            dlg.m_dPForceCgEnd = doc.m_dPForceCgEnd;
            dlg.m_dPForceCgMid = doc.m_dPForceCgMid;
            dlg.m_dBalancePull = doc.m_dPullFraction;
            dlg.m_dTopPull = doc.m_dTopPullFraction;
            dlg.m_nPatternType = doc.m_nPatternType;
            dlg.m_dDrapeFraction = doc.m_dDrapeFraction;
            dlg.m_nDrapePointMode = doc.m_nDrapePointMode;
            dlg.m_dDrapeDistance = doc.m_dDrapePointDistance;
            std::copy(std::begin(doc.m_aEndRows), std::end(doc.m_aEndRows), dlg.m_aEndRows);
            std::copy(std::begin(doc.m_aDrapeRows), std::end(doc.m_aDrapeRows), dlg.m_aDrapeRows);
            dlg.m_bHasDraped = doc.m_nDrapedStrandRows;
            dlg.m_nRowCount = doc.m_nTemplateRowCount;
            dlg.m_nTemplateLayout = doc.m_nTemplateLayout;
            dlg.m_nColumnCount = doc.m_nTemplateColumnCount;
            std::copy(&doc.m_adStrandTemplate[0][0],
                      &doc.m_adStrandTemplate[0][0] + kMaxPatternRows * kMaxPatternColumns,
                      &dlg.m_adTemplate[0][0]);
            dlg.m_nStrandCount = doc.m_nStrandCount;
            dlg.m_dCgEnd = doc.m_dStrandCgEnd;
            dlg.m_dCgDrape = doc.m_dStrandCgMid;
            dlg.m_dTotalLength = doc.m_adGirderTotals[kTotalStrandLength];
            dlg.m_nGroupCount = doc.m_nStrandGroupCount;
            std::copy(std::begin(doc.m_aStrandGroup), std::end(doc.m_aStrandGroup), dlg.m_aGroups);
            dlg.m_nTopPullStrandCount = doc.m_nTopPullStrandCount;
            dlg.m_nUnits = doc.m_nUnits;
            dlg.m_nPrestressType = doc.m_nPrestressType;
            dlg.m_dGirderLength = doc.m_dGirderLength;
            dlg.m_dDesignSpan = doc.m_dDesignSpan;
            dlg.m_dWebLocation = doc.m_dWebLocation;
            dlg.m_dSectionHeight = doc.m_dSectionHeight;
            dlg.m_bIncludeEndBlocks = doc.m_bIncludeEndBlocks;
            bool widened = false;
            if (doc.m_bIncludeEndBlocks)
                widened =
                    doc.GetSectionOutlineAt(0.0, dlg.m_adEndOutline, dlg.m_nEndOutlineCount) != 0;
            if (!widened) {
                dlg.m_nEndOutlineCount = std::clamp(doc.m_nOutlinePointCount, 0, kMaxOutlinePoints);
                for (int i = 0; i < kMaxOutlinePoints; ++i) {
                    dlg.m_adEndOutline[i][0] = doc.m_adOutline[i][0];
                    dlg.m_adEndOutline[i][1] = doc.m_adOutline[i][1];
                }
            }
        },
        [&dlg](CKordelDoc& doc) {
            doc.m_nPretensionEntryMode = dlg.m_nEntryMode;
            doc.m_dPForceJacking = dlg.m_dPjack;
            doc.m_dPForceCgEnd = dlg.m_dPForceCgEnd;
            doc.m_dPForceCgMid = dlg.m_dPForceCgMid;
            doc.m_dPullFraction = dlg.m_dBalancePull;
            doc.m_dTopPullFraction = dlg.m_dTopPull;
            doc.m_nPatternType = dlg.m_nPatternType;
            doc.m_dDrapeFraction = dlg.m_dDrapeFraction;
            doc.m_nDrapePointMode = dlg.m_nDrapePointMode;
            doc.m_dDrapePointDistance = dlg.m_dDrapeDistance;
            const int rows = std::clamp(dlg.m_nRowCount, 0, kMaxPatternRows);
            doc.m_nTemplateRowCount = rows;
            doc.m_nTemplateLayout = dlg.m_nTemplateLayout;
            doc.m_nTemplateColumnCount = dlg.m_nColumnCount;
            for (int r = 0; r < rows; ++r) {
                doc.m_aEndRows[r] = dlg.m_aEndRows[r];
                doc.m_aDrapeRows[r] = dlg.m_aDrapeRows[r];
                std::copy(std::begin(dlg.m_adTemplate[r]), std::end(dlg.m_adTemplate[r]),
                          doc.m_adStrandTemplate[r]);
            }
            doc.m_nDrapedStrandRows = dlg.m_bHasDraped;
            doc.m_nTopPullStrandCount = dlg.m_nTopPullStrandCount;
            doc.m_nStrandGroupCount = dlg.m_nGroupCount;
            std::copy(std::begin(dlg.m_aGroups), std::end(dlg.m_aGroups), doc.m_aStrandGroup);
            doc.m_nStrandCount = dlg.m_nStrandCount;
            doc.m_dStrandCgEnd = dlg.m_dCgEnd;
            doc.m_dStrandCgMid = dlg.m_dCgDrape;
            doc.m_adGirderTotals[kTotalStrandLength] = dlg.m_dTotalLength;
        });
    // "Design..." changed the design even when the dialog was then cancelled: it is to be
    // saved like any other change.
    if (!ok && dlg.m_bDesignRan) {
        design->SetModifiedFlag(true);
        m_app.UpdateAllViews();
    }
}

namespace {

/// The design's input as it was before the preliminary strand design, to put back when the
/// user turns the proposal down (the design changes the pattern, the template rows and some of
/// the design options).
struct DesignSnapshot {
    explicit DesignSnapshot(const CKordelDoc& doc)
        : inputs(std::make_unique<DesignInputs>(doc)), modified(doc.IsModified()) {}
    void Restore(CKordelDoc& doc) const {
        inputs->PutBack(doc);
        doc.SetModifiedFlag(modified);
    }
    std::unique_ptr<DesignInputs> inputs;
    bool modified;
};

}  // namespace

void CMainFrame::OnInputPrelimStrandDesign() {
    CKordelDoc* design = ActiveDesign();
    if (!design) return;
    const DesignSnapshot before(*design);
    design->DesignStrandPattern();
    RepaintDesign();
    CStrandPatDlg dlg;
    const bool ok = RunInputDialog(
        dlg, [&dlg](CKordelDoc& doc) { dlg.CopyIn(doc); },
        [&dlg](CKordelDoc& doc) {
            dlg.CopyBack(doc, false);
            doc.RebuildStrandGroups();
        });
    if (!ok) {
        // The proposal turned down: the design as it was, analysed again.
        before.Restore(*design);
        design->RunAnalysis();
        RepaintDesign();
    }
}

void CMainFrame::OnInputStrandPattern() {
    CStrandPatDlg dlg;
    RunInputDialog(
        dlg, [&dlg](CKordelDoc& doc) { dlg.CopyIn(doc); },
        [&dlg](CKordelDoc& doc) {
            dlg.CopyBack(doc, true);
            doc.RebuildStrandGroups();
        });
}

}  // namespace kordel

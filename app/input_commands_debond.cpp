// The input commands of debonding and post-tensioning: "Debonding Pattern and Detensioning", the
// preliminary end-debonding design that opens the same dialog on its proposal, and "Prestressing
// (Post-Tensioning)". The debonding dialog converts a metric design's values itself.
#include <algorithm>

#include "app/kordel_app.h"
#include "app/main_frame.h"
#include "dialogs/prestress/debonding_dlg.h"
#include "dialogs/prestress/post_tensioning_dlg.h"
#include "document/kordel_doc.h"
#include "resources/resource_ids.h"

namespace kordel {

using namespace platform::ui;

void CMainFrame::RegisterDebondCommands() {
    m_commands.On(ID_INPUT_DEBONDING, [this] { OnInputDebonding(); });
    m_commands.On(ID_INPUT_PRELIM_DEBOND_DESIGN, [this] { OnInputPrelimDebondDesign(); });
    m_commands.On(ID_INPUT_POST_TENSIONING, [this] { OnInputPostTensioning(); });
}

void CMainFrame::OnInputDebonding() {
    CDebondingDlg dlg;
    RunInputDialog(
        dlg,
        [this, &dlg](CKordelDoc& doc) {
            dlg.m_pDoc = &doc;
            dlg.m_updateViews = [this] {
                RepaintDesign();
            };
            dlg.m_nUnits = doc.m_nUnits;
            dlg.m_nGroupCount = std::clamp(doc.m_nStrandGroupCount, 0, kMaxStrandGroups);
            std::copy(std::begin(doc.m_aStrandGroup), std::end(doc.m_aStrandGroup), dlg.m_aGroups);
            dlg.m_nRowCount = std::clamp(doc.m_nTemplateRowCount, 0, kMaxPatternRows);
            std::copy(std::begin(doc.m_aEndRows), std::end(doc.m_aEndRows), dlg.m_aEndRows);
            dlg.m_dDebondedLength = doc.m_dDebondedStrandLength;
            dlg.m_dDebondedCount = doc.m_adDebondSummary[kDebondedStrands];
            dlg.m_dDebondedPercent = doc.m_adDebondSummary[kDebondedPercent];
            dlg.m_dTotalLimit = doc.m_adDebondSummary[kDebondLimitPattern];
            dlg.m_dRowLimit = doc.m_adDebondSummary[kDebondLimitRow];
            dlg.m_dDebondLengthStep = doc.m_dDebondLengthStep;
            dlg.m_bCheckDetensioning = doc.m_bDetensioningAnalysis;
            std::copy(std::begin(doc.m_anDetensionOrder), std::end(doc.m_anDetensionOrder),
                      dlg.m_anDetensionOrder);
        },
        [&dlg](CKordelDoc& doc) {
            const int groups = std::min(dlg.m_nGroupCount, doc.m_nStrandGroupCount);
            for (int g = 0; g < groups; ++g) {
                doc.m_aStrandGroup[g][kGroupDebondEnd] = dlg.m_aGroups[g][kGroupDebondEnd];
                doc.m_aStrandGroup[g][kGroupDebondMid] = dlg.m_aGroups[g][kGroupDebondMid];
            }
            doc.m_dDebondedStrandLength = dlg.m_dDebondedLength;
            doc.m_adDebondSummary[kDebondedStrands] = dlg.m_dDebondedCount;
            doc.m_adDebondSummary[kDebondedPercent] = dlg.m_dDebondedPercent;
            doc.m_afDebondSummary[kRowDebondedStrands] = dlg.m_fRowDebondedCount;
            doc.m_afDebondSummary[kRowDebondedPercent] = dlg.m_fRowDebondedPercent;
            doc.m_bDetensioningAnalysis = dlg.m_bCheckDetensioning;
            std::copy(std::begin(dlg.m_anDetensionOrder), std::end(dlg.m_anDetensionOrder),
                      doc.m_anDetensionOrder);
        });
}

void CMainFrame::OnInputPrelimDebondDesign() {
    CKordelDoc* doc = ActiveDesign();
    if (!doc) return;
    doc->DesignDebonding();
    // The proposal is the design's now, also when the dialog that follows is cancelled: it is
    // to be saved like any other change.
    doc->SetModifiedFlag(true);
    RepaintDesign();
    OnInputDebonding();
}

void CMainFrame::OnInputPostTensioning() {
    CPostTensioningDlg dlg;
    RunInputDialog(
        dlg,
        [&dlg](CKordelDoc& doc) {
            dlg.m_pDoc = &doc;
            dlg.m_nUnits = doc.m_nUnits;
            dlg.m_dGirderLength = doc.m_dGirderLength;
            dlg.m_dPTStrandUnitArea = doc.m_dPTStrandUnitArea;
            dlg.m_dPTStrandFpy = doc.m_dPTStrandFpy;
            dlg.m_dPTStrandFpu = doc.m_dPTStrandFpu;
            dlg.m_nPTJackingBasis = doc.m_nPTJackingBasis;
            std::copy(std::begin(doc.m_aTendons), std::end(doc.m_aTendons), dlg.m_aTendons);
            dlg.m_nTendonCount = std::clamp(doc.m_nTendonCount, 0, kMaxTendons);
            dlg.m_dPtJackingFraction = doc.m_dPtJackingFraction;
            dlg.m_bIncludeEndBlocks = doc.m_bIncludeEndBlocks;
            // The end section: the end block's outline when the girder has end blocks.
            if (doc.m_bIncludeEndBlocks) {
                doc.GetSectionOutlineAt(0.0, dlg.m_adEndOutline, dlg.m_nEndOutlinePointCount);
            } else {
                std::copy(&doc.m_adOutline[0][0], &doc.m_adOutline[0][0] + kMaxOutlinePoints *
                                                                             kPointValueCount,
                          &dlg.m_adEndOutline[0][0]);
                dlg.m_nEndOutlinePointCount = doc.m_nOutlinePointCount;
            }
        },
        [&dlg](CKordelDoc& doc) {
            doc.m_dPtJackingFraction = dlg.m_dPtJackingFraction;
            doc.m_nPTJackingBasis = dlg.m_nPTJackingBasis;
            doc.m_nTendonCount = dlg.m_nTendonCount;
            std::copy(dlg.m_aTendons, dlg.m_aTendons + dlg.m_nTendonCount, doc.m_aTendons);
        });
}

}  // namespace kordel

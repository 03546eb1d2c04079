// The preliminary strand-pattern design, the shortened analyses of the design loops, and the
// pattern growth and drape raising that the load-table design shares.
#include "engine/checks/strand_design.h"

#include <algorithm>
#include <string>

#include "document/kordel_doc.h"
#include "engine/core/strand_groups.h"
#include "platform/host.h"

namespace kordel {
namespace {

/// Strands added to a row at one growth step, fewer at the limit of the row.
constexpr int kStrandsPerStep = 2;

/// Strands in the starting pattern's bottom row.
constexpr int kStartingStrands = 2;

const double* StressAt(const CKordelDoc& doc, int station, int combination) {
    return doc.m_aServiceStress[station][combination];
}

int Count(double v) {
    return std::max(WholeCount(v), 0);
}

}  // namespace

bool FinalTensionOk(const CKordelDoc& doc) {
    return doc.m_dAllowFinalTensionAllLoads <=
           StressAt(doc, kStationMidspan, kServiceAllLoadsPositive)[kServiceBottom];
}

bool FinalCompressionOk(const CKordelDoc& doc) {
    return StressAt(doc, kStationMidspan, kServiceAllLoadsPositive)[kServiceTop] <=
           doc.m_dAllowFinalCompressionAllLoads;
}

bool MidspanStrengthOk(const CKordelDoc& doc) {
    return doc.m_aMuFlexure[kStationMidspan][kStrengthIPositive] <=
           doc.m_aFlexureMr[kStationMidspan][kFlexurePositive];
}

bool ReleaseOkAtTransfer(const CKordelDoc& doc) {
    const double* s = StressAt(doc, kStationLeftTransfer, kServiceRelease);
    return s[kServiceBottom] <= doc.m_dAllowReleaseCompression &&
           s[kServiceTop] >= doc.m_dAllowReleaseTension;
}

// ---- Pattern growth -----------------------------------------------------------------------------

StrandPatternGrowth::StrandPatternGrowth(CKordelDoc& doc) : m_doc(doc) {}

int StrandPatternGrowth::RowCount() const {
    return std::clamp(m_doc.m_nTemplateRowCount, 0, kMaxPatternRows);
}

bool StrandPatternGrowth::Draped() const {
    return m_doc.m_nPatternType == kPatternDraped;
}

void StrandPatternGrowth::Start() {
    CKordelDoc& d = m_doc;
    for (int r = 0; r < kMaxPatternRows; ++r) {
        for (StrandPatternRow* row : {&d.m_aEndRows[r], &d.m_aDrapeRows[r]}) {
            (*row)[kRowStraightCount] = 0;
            (*row)[kRowDrapedCount] = 0;
        }
    }
    m_nRow = 0;
    const int rows = RowCount();
    if (rows == 0) return;

    const double* T0 = d.m_adStrandTemplate[0];
    const int P0 = Count(T0[kTemplatePositions]);
    const int D0 = Count(T0[kTemplateDrapedPositions]);
    const int value = Draped() && D0 == P0 ? kRowDrapedCount : kRowStraightCount;
    const int n = std::min(value == kRowDrapedCount ? D0 : P0, kStartingStrands);
    d.m_aEndRows[0][value] = n;
    d.m_aDrapeRows[0][value] = n;

    if (d.m_bDesignIncludeTopStrands != 0) {
        const int last = rows - 1;
        const int top = std::min(Count(d.m_dDesignTopStrandCount),
                                 Count(d.m_adStrandTemplate[last][kTemplatePositions]));
        d.m_aEndRows[last][kRowStraightCount] = top;
        d.m_aDrapeRows[last][kRowStraightCount] = top;
    }
}

GrowthStep StrandPatternGrowth::AddStrands(bool stopAboveKern) {
    CKordelDoc& d = m_doc;
    if (d.m_bStrandGroupsTruncated != 0) return GrowthStep::GroupsFull;
    const int rows = RowCount();
    for (; m_nRow < rows; ++m_nRow) {
        const int r = m_nRow;
        const double* T = d.m_adStrandTemplate[r];
        const int P = Count(T[kTemplatePositions]);
        const int S = Count(d.m_aEndRows[r][kRowStraightCount]);
        const int D = Count(d.m_aEndRows[r][kRowDrapedCount]);
        const int room = P - S - D;  // positions of the row still free
        if (room <= 0) continue;

        int value = kRowStraightCount;
        int add = 0;
        if (!Draped()) {
            if (stopAboveKern && !FinalTensionOk(d) &&
                d.m_aEndRows[r][kRowStraightElevation] > d.m_dKernUpper)
                return GrowthStep::KernStop;
            add = std::min(kStrandsPerStep, room);
        } else {
            // Draped positions first, then the straight ones; never past the row's positions,
            // also where top strands already hold part of the row.
            const int Dp = Count(T[kTemplateDrapedPositions]);
            if (D < Dp) {
                value = kRowDrapedCount;
                add = std::min({kStrandsPerStep, Dp - D, room});
            } else {
                add = std::min({kStrandsPerStep, P - Dp - S, room});
            }
        }
        if (add <= 0) continue;
        d.m_aEndRows[r][value] = Count(d.m_aEndRows[r][value]) + add;
        d.m_aDrapeRows[r][value] = Count(d.m_aDrapeRows[r][value]) + add;
        return GrowthStep::Added;
    }
    return GrowthStep::RowsExhausted;
}

void StrandPatternGrowth::RaiseDrapedStrands() {
    if (!Draped()) return;
    CKordelDoc& d = m_doc;
    const int rows = RowCount();
    int k = rows - 1;
    while (k >= 0 && Count(d.m_aEndRows[k][kRowDrapedCount]) == 0) --k;
    if (k < 0) return;

    // Each pass lifts the strands of row k, one row per move, until they meet a row that holds
    // draped strands or has no room for them; k then walks down, so the whole loop makes at most
    // rows x rows moves.
    for (; k >= 0; --k) {
        if (ReleaseOkAtTransfer(d)) return;
        for (int j = k + 1; j < rows; ++j) {
            StrandPatternRow& below = d.m_aEndRows[j - 1];
            StrandPatternRow& row = d.m_aEndRows[j];
            if (Count(row[kRowDrapedCount]) > 0) break;
            const int moved = Count(below[kRowDrapedCount]);
            const int room =
                Count(d.m_adStrandTemplate[j][kTemplatePositions]) - Count(row[kRowStraightCount]);
            if (moved > room) break;
            row[kRowDrapedCount] = moved;
            below[kRowDrapedCount] = 0;
            d.RunDesignAnalysis(DesignAnalysis::DrapeRaising);
            if (ReleaseOkAtTransfer(d)) break;
        }
    }
}

// ---- Outcome ------------------------------------------------------------------------------------

std::string StrandDesignOutcome(const CKordelDoc& doc, bool& found) {
    const double* transfer = StressAt(doc, kStationLeftTransfer, kServiceRelease);
    const double* drape = StressAt(doc, kStationLeftDrape, kServiceRelease);
    const bool releaseTension = transfer[kServiceTop] >= doc.m_dAllowReleaseTension &&
                                drape[kServiceTop] >= doc.m_dAllowReleaseTension;
    const bool releaseCompression = transfer[kServiceBottom] <= doc.m_dAllowReleaseCompression &&
                                    drape[kServiceBottom] <= doc.m_dAllowReleaseCompression;
    const bool finalTension = FinalTensionOk(doc);
    const bool finalCompression = FinalCompressionOk(doc);
    const bool strength = doc.m_adMinFlexureRatio[kMinRatioValue] >= 1.0;
    const bool draped = doc.m_nPatternType == kPatternDraped;

    std::string lines;
    if (draped) {
        lines += releaseTension ? "  Release Tension    : OK\n" : "  Release Tension    : NG\n";
        lines += releaseCompression ? "  Release Compression: OK\n" : "  Release Compression: NG\n";
    }
    lines += finalTension ? "  Final Tension      : OK\n" : "  Final Tension      : NG\n";
    lines += finalCompression ? "  Final Compression  : OK\n" : "  Final Compression  : NG\n";
    lines += strength ? "  Flexural Strength : OK" : "  Flexural Strength: NG";

    found = finalTension && finalCompression && strength &&
            (!draped || (releaseTension && releaseCompression));
    if (found) return "Preliminary solution found.\nPlease review it.";
    return "No solution found. Status: \n" + lines;
}

// ---- The document's design routines -------------------------------------------------------------

void CKordelDoc::RunDesignAnalysis(DesignAnalysis kind) {
    // The stages below see the same section as the full analysis: a decked bulb-tee is adjusted
    // for them and restored after, as RunAnalysis does.
    const bool deckedBulbTee = m_nSectionType == kSectionDeckedBulbTee;
    if (deckedBulbTee) {
        Notify(AnalysisStage::AdjustDeckedBulbTee);
        AdjustDeckedBulbTee(1);
    }
    const bool loads = kind != DesignAnalysis::DrapeRaising;
    const bool loadTable = kind == DesignAnalysis::LoadTableGrowth;

    RebuildStrandGroups();
    RunStage(AnalysisStage::SummarizeStrandPattern, &CKordelDoc::SummarizeStrandPattern);
    if (loadTable)
        RunStage(AnalysisStage::ComputeCreepShrinkage, &CKordelDoc::ComputeCreepShrinkage);
    RunStage(AnalysisStage::ComputeSectionProperties, &CKordelDoc::ComputeSectionProperties);
    if (loads)
        RunStage(AnalysisStage::ComputeLoadCaseStresses, &CKordelDoc::ComputeLoadCaseStresses);
    RunStage(AnalysisStage::ComputeStrandForceReduction, &CKordelDoc::ComputeStrandForceReduction);
    RunStage(AnalysisStage::ComputeLosses, &CKordelDoc::ComputeLosses);
    RunStage(AnalysisStage::ComputeEffectivePrestress, &CKordelDoc::ComputeEffectivePrestress);
    RunStage(AnalysisStage::ComputePrestressStresses, &CKordelDoc::ComputePrestressStresses);
    RunStage(AnalysisStage::CombineServiceStresses, &CKordelDoc::CombineServiceStresses);
    if (loads)
        RunStage(AnalysisStage::ComputeFlexuralStrength, &CKordelDoc::ComputeFlexuralStrength);
    if (loadTable) RunStage(AnalysisStage::ComputeCamber, &CKordelDoc::ComputeCamber);
    RunStage(AnalysisStage::ShowDesignStatus, &CKordelDoc::ShowDesignStatus);

    if (deckedBulbTee) {
        Notify(AnalysisStage::RestoreDeckedBulbTee);
        AdjustDeckedBulbTee(0);
    }
}

void CKordelDoc::DesignStrandPattern() {
    StrandPatternGrowth growth(*this);
    growth.Start();
    RebuildStrandGroups();
    RunAnalysis();

    while (!(FinalTensionOk(*this) && MidspanStrengthOk(*this))) {
        if (growth.AddStrands(false) != GrowthStep::Added) break;
        RunDesignAnalysis(DesignAnalysis::PatternGrowth);
    }
    growth.RaiseDrapedStrands();
    RunAnalysis();

    bool found = false;
    const std::string text = StrandDesignOutcome(*this, found);
    platform::ShowMessage(text, platform::MsgButtons::Ok,
                          found ? platform::MsgIcon::Information : platform::MsgIcon::Warning);
}

}  // namespace kordel

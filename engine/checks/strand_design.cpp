// The preliminary strand-pattern design, the shortened analyses of the design loops, and the
// pattern growth and drape raising that the load-table design shares.
#include "engine/checks/strand_design.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "document/kordel_doc.h"
#include "engine/core/strand_force.h"
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

/// Moves the draped strands of end row `from` to end row `to`. The counts are whole numbers
/// (Start clears them, AddStrands adds whole strands) and the rows between the two hold no draped
/// strands, so the rows end as the one-row moves of the walk leave them.
void MoveDrapedStrands(CKordelDoc& d, int from, int to) {
    if (from == to) return;
    d.m_aEndRows[to][kRowDrapedCount] = Count(d.m_aEndRows[from][kRowDrapedCount]);
    d.m_aEndRows[from][kRowDrapedCount] = 0;
}

// ---- Monotonic release check --------------------------------------------------------------------
//
// The bisection finds the row the walk finds when the release check at the transfer point, once
// passed at a row, passes at every row above it. That holds, in floating point too, when:
//
// 1. The release stress is P (1/A + e/Sb) at the bottom and P (1/A - e/St) at the top, plus
//    stresses of the girder weight and the tendons that the drape-raising analysis does not
//    recompute. With the gross girder (strands not transformed), A, Sb, St and yb at the transfer
//    point do not depend on the strands.
// 2. P is the anchored force, the sum over the groups of bonded fraction x strand force x
//    strands, which does not depend on where the strands lie, times the share the release loss
//    leaves. The losses are computed from mid-span values alone: they stay the same for every row
//    when the moved strands lie at mid-span where they lay (their drape-point elevation), and,
//    for the detailed method, when mid-span lies between the drape points.
// 3. e = yb - cg, cg = sum(c_g y_g) / sum(c_g) with c_g >= 0 the force of group g and y_g its
//    elevation at the transfer point. Rounding is monotonic, so with y_g not falling from row to
//    row (checked by computing it as the analysis does), cg does not fall and e does not rise;
//    with P >= 0 and Sb, St > 0 the bottom stress does not rise and the top stress does not fall,
//    and each check, once passed, stays passed.
// 4. The fibre stress is taken as 0 where it is not finite; magnitudes below kModerate (forces,
//    elevations, 1/A, 1/S) keep it finite.
//
// A design that is not shown to meet these is raised by the walk.
//
// The bisection analyses the rows in another order than the walk, and may analyse the row it ends
// on twice. It leaves what the walk leaves because the drape-raising analysis depends on the
// pattern alone: it reads the inputs, the results of the stages it does not rerun, and of its own
// results only some that do not depend on the end rows (the anchored forces, which the pattern
// summary reads before they are recomputed, and the weak-axis values the section stage keeps).

/// Bound on the magnitudes of the argument: P (1/A + e/S) stays finite when P, |y|, |yb|, 1/A
/// and 1/S are all below it.
constexpr double kModerate = 1e100;

/// |v| below kModerate (false for NaN and infinities).
bool Moderate(double v) {
    return std::abs(v) < kModerate;
}

/// Conditions 1 to 3 that need no analysis, for the draped strands of end row `k` moved to any
/// row from k + 1 to `top`: a pretensioned one-piece girder with its strands entered as a
/// pattern, the gross girder at release, the losses the same for every row, and the moved
/// strands at the transfer point not lower at a higher row.
bool RaisingIsMonotonic(const CKordelDoc& d, int k, int top) {
    if (d.m_nPrestressType != kPretensionOnly || d.m_nPretensionEntryMode != kEntryStrandPattern ||
        d.m_nSegments > 1)
        return false;
    if (TransformsStrandsForDeadLoads(d.m_nTransformStrandsMode)) return false;

    // Positions from the left girder end, ft, as the strand-force stage takes them.
    const double Lg = d.m_dGirderLength;
    const double xd = d.m_adStationX[kStationLeftDrape] + d.m_dEndDistance;
    const double x50 = d.m_adStationX[kStationMidspan] + d.m_dEndDistance;
    const double x102 = d.m_adStationX[kStationLeftTransfer] + d.m_dEndDistance;
    // The detailed losses read the transformed mid-span section, whose strands the development
    // stage places: strictly between the drape points (or with the drape point at the end) every
    // group lies at its drape-point elevation there.
    const bool level = !(xd > 0.0) || (!(x50 < xd) && x50 < Lg - xd);
    if (UsesDetailedLosses(d.m_nLossMethod, d.m_nLossMode) && !level) return false;

    // A draped group takes the drape-point elevation of one of the drape-point rows that hold
    // draped strands; the moved strands keep theirs.
    const int rows = std::clamp(d.m_nTemplateRowCount, 0, kMaxPatternRows);
    for (int r = 0; r < rows; ++r) {
        if (Count(d.m_aDrapeRows[r][kRowDrapedCount]) == 0) continue;
        const double yD = d.m_aDrapeRows[r][kRowDrapedElevation];  // in
        if (!Moderate(yD)) return false;
        const double y50 =
            DrapedStrandElevation(x50, Lg, xd, d.m_aEndRows[top][kRowDrapedElevation], yD);
        double y102 = -std::numeric_limits<double>::infinity();
        for (int j = k + 1; j <= top; ++j) {
            const double yE = d.m_aEndRows[j][kRowDrapedElevation];  // in
            if (!Moderate(yE)) return false;
            if (std::bit_cast<std::uint64_t>(DrapedStrandElevation(x50, Lg, xd, yE, yD)) !=
                std::bit_cast<std::uint64_t>(y50))
                return false;
            const double y = DrapedStrandElevation(x102, Lg, xd, yE, yD);
            if (!(y >= y102)) return false;
            y102 = y;
        }
    }
    return true;
}

/// Conditions 1, 3 and 4 read from the drape-raising analysis of one of the rows (the values
/// are the same for every row): every group's force and elevations, the release force and the
/// gross section at the transfer point.
bool ReleaseRisesWithTheStrands(const CKordelDoc& d) {
    if (!(d.m_dStrandUnitArea >= 0.0) || !(d.m_dStrandFpu >= 0.0)) return false;
    const int groups = std::clamp(d.m_nStrandGroupCount, 0, kMaxStrandGroups);
    for (int g = 0; g < groups; ++g) {
        const StrandGroup& G = d.m_aStrandGroup[g];
        if (!(G[kGroupStrands] >= 0.0) || !(G[kGroupPullFraction] >= 0.0) ||
            !Moderate(G[kGroupElevationEnd]) || !Moderate(G[kGroupElevationDrape]))
            return false;
    }
    const int i = kStationLeftTransfer;
    const double P = d.m_adPrestressForceJacking[i];                   // kip
    const double A = d.m_adAreaAtStation[i][kSectionCaseGirder];       // in2
    const double yb = d.m_adCentroidAtStation[i][kSectionCaseGirder];  // in
    const double* S = d.m_adSectionModulusAtStation[i];                // in3
    const double Sb = S[SectionModulusSlot(kSectionCaseGirder, kFibreGirderBottom)];
    const double St = S[SectionModulusSlot(kSectionCaseGirder, kFibreGirderTop)];
    const double least = 1.0 / kModerate;
    return P >= 0.0 && Moderate(P) && Moderate(yb) && A > least && Sb > least && St > least;
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

void StrandPatternGrowth::RaiseDrapedStrands(DrapeSearch search) {
    if (!Draped()) return;
    CKordelDoc& d = m_doc;
    int k = RowCount() - 1;
    while (k >= 0 && Count(d.m_aEndRows[k][kRowDrapedCount]) == 0) --k;
    if (k < 0) return;

    // Each pass lifts the strands of row k until they pass the release check or meet a row that
    // holds draped strands or has no room for them; k then walks down. A pass whose strands
    // pass the release check ends the raising.
    for (; k >= 0; --k) {
        if (ReleaseOkAtTransfer(d)) return;
        const int top = HighestReachableRow(k);
        if (top == k) continue;
        if (search == DrapeSearch::RowWalk) {
            WalkUp(k, top);
        } else if (Count(d.m_aEndRows[k][kRowDrapedCount]) == 0) {
            // Nothing to lift: every move of the walk would analyse the same pattern, and the
            // drape-raising analysis gives the same results whatever it analysed before.
            d.RunDesignAnalysis(DesignAnalysis::DrapeRaising);
        } else if (!BisectUp(k, top)) {
            WalkUp(k, top);
        }
    }
}

int StrandPatternGrowth::HighestReachableRow(int k) const {
    const CKordelDoc& d = m_doc;
    const int moved = Count(d.m_aEndRows[k][kRowDrapedCount]);
    int top = k;
    for (int j = k + 1; j < RowCount(); ++j) {
        const StrandPatternRow& row = d.m_aEndRows[j];
        if (Count(row[kRowDrapedCount]) > 0) break;
        const int room =
            Count(d.m_adStrandTemplate[j][kTemplatePositions]) - Count(row[kRowStraightCount]);
        if (moved > room) break;
        top = j;
    }
    return top;
}

bool StrandPatternGrowth::MoveAndAnalyse(int from, int to) {
    MoveDrapedStrands(m_doc, from, to);
    m_doc.RunDesignAnalysis(DesignAnalysis::DrapeRaising);
    return ReleaseOkAtTransfer(m_doc);
}

void StrandPatternGrowth::WalkUp(int k, int top) {
    for (int j = k + 1; j <= top; ++j) {
        if (MoveAndAnalyse(j - 1, j)) break;
    }
}

bool StrandPatternGrowth::BisectUp(int k, int top) {
    if (!RaisingIsMonotonic(m_doc, k, top)) return false;

    // The highest row first: where the release fails there it fails at every row below, and the
    // walk ends there too.
    const bool passesAtTop = MoveAndAnalyse(k, top);
    if (!ReleaseRisesWithTheStrands(m_doc)) {
        MoveDrapedStrands(m_doc, top, k);
        return false;
    }
    if (!passesAtTop) return true;

    // The first row that passes lies in [lo, hi]; the release passes at hi.
    int lo = k + 1;
    int hi = top;
    int at = top;  // row that holds the strands, analysed
    while (lo < hi) {
        const int mid = lo + (hi - lo) / 2;
        if (MoveAndAnalyse(at, mid))
            hi = mid;
        else
            lo = mid + 1;
        at = mid;
    }
    if (at != hi) MoveAndAnalyse(at, hi);
    return true;
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

bool CKordelDoc::DesignStrandPattern(DrapeSearch search) {
    StrandPatternGrowth growth(*this);
    growth.Start();
    RebuildStrandGroups();
    RunAnalysis();

    while (!(FinalTensionOk(*this) && MidspanStrengthOk(*this))) {
        if (growth.AddStrands(false) != GrowthStep::Added) break;
        RunDesignAnalysis(DesignAnalysis::PatternGrowth);
    }
    growth.RaiseDrapedStrands(search);
    RunAnalysis();

    bool found = false;
    const std::string text = StrandDesignOutcome(*this, found);
    platform::ShowMessage(text, platform::MsgButtons::Ok,
                          found ? platform::MsgIcon::Information : platform::MsgIcon::Warning);
    return found;
}

}  // namespace kordel

// Load-table generation over the spacings and spans of a request, with the design's inputs
// saved before and put back after.
#include "engine/checks/load_tables.h"

#include <cmath>
#include <memory>

#include "document/design_inputs.h"
#include "document/kordel_doc.h"
#include "engine/checks/strand_design.h"
#include "platform/host.h"

namespace kordel {
namespace {

/// Every input of the design model, as it stood before a generation.
struct SavedInputs {
    DesignInputs inputs;
    int loadTableStatus[kLoadTableStatusCount] = {};

    explicit SavedInputs(const CKordelDoc& d) : inputs(d) {
        for (int i = 0; i < kLoadTableStatusCount; ++i)
            loadTableStatus[i] = d.m_anLoadTableStatus[i];
    }
    void PutBack(CKordelDoc& d) const {
        inputs.PutBack(d);
        for (int i = 0; i < kLoadTableStatusCount; ++i)
            d.m_anLoadTableStatus[i] = loadTableStatus[i];
    }
};

/// The release strength the design needs: the release compression at the bottom of the
/// transfer point (straight pattern) or of the hold-down point, over the compression
/// coefficient.
double RequiredFci(const CKordelDoc& d) {
    const int station =
        d.m_nPatternType == kPatternStraight ? kStationLeftTransfer : kStationLeftDrape;
    return d.m_aServiceStress[station][kServiceRelease][kServiceBottom] /
           d.m_dReleaseCompressionCoef;
}

}  // namespace

LoadTableChecks LoadTableChecksOf(const OptionsModel& doc) {
    return {doc.m_anLoadTableModes[kLoadTableModeStress] == 1,
            doc.m_anLoadTableModes[kLoadTableModeStrength] == 1};
}

LoadTableRequest LoadTableRequestOf(const OptionsModel& doc) {
    LoadTableRequest r;
    for (int p = 1; p <= kMaxLoadTableSpacings; ++p) {
        r.spacing[p] = doc.m_adLoadTableSpacing[p];
        r.slab[p] = doc.m_adLoadTableSlab[p];
    }
    r.spanMin = doc.m_dLoadTableSpanMin;
    r.spanMax = doc.m_dLoadTableSpanMax;
    r.spanInc = doc.m_dLoadTableSpanInc;
    r.fciMin = doc.m_dLoadTableFciMin;
    r.fciMax = doc.m_dLoadTableFciMax;
    r.strandsMin = static_cast<int>(doc.m_dLoadTableStrandsMin);
    r.strandsMax = static_cast<int>(doc.m_dLoadTableStrandsMax);
    r.checks = LoadTableChecksOf(doc);
    return r;
}

int LoadTableSpanCount(const LoadTableRequest& request) {
    if (!(request.spanInc > 0.0)) return 0;
    int count = 0;
    for (double L = request.spanMin; L <= request.spanMax && count <= kMaxLoadTableRows;
         L += request.spanInc)
        ++count;
    return count;
}

std::string LoadTableRequestError(const CKordelDoc& doc, const LoadTableRequest& request) {
    for (double v :
         {request.spanMin, request.spanMax, request.spanInc, request.fciMin, request.fciMax}) {
        if (!std::isfinite(v)) return "Enter a number in every field.";
    }
    for (int p = 1; p <= kMaxLoadTableSpacings; ++p) {
        if (!std::isfinite(request.spacing[p]) || !std::isfinite(request.slab[p]))
            return "Enter a number in every field.";
    }
    if (!request.checks.Any())
        return "Tick Stress, Strength or both under Modes to Chk before generating.";
    if (!(request.spanInc > 0.0)) return "The span increment must be greater than zero.";
    if (!(request.spanMin > 0.0)) return "The shortest span must be greater than zero.";
    if (LoadTableSpanCount(request) > kMaxLoadTableRows)
        return "The span range gives more than 100 spans; a load table holds at most 100 rows. "
               "Enter a larger increment or a shorter range.";
    if (!(doc.m_dReleaseCompressionCoef > 0.0))
        return "The release compression coefficient of the stress limits must be greater than "
               "zero to find the required f'ci.";
    if (!(doc.m_dBridgeWidth > 0.0))
        return "The bridge width must be greater than zero to find the number of girders.";
    return {};
}

int LoadTableGirderCount(double width, double s) {
    return static_cast<int>((width - s) / s + 0.5) + 1;
}

double LoadTableOverhang(double width, double s) {
    return (width - (LoadTableGirderCount(width, s) - 1) * s) / 2.0;
}

void SetLoadTableSpacing(CKordelDoc& d, double s, double slab, bool anyDeck) {
    d.m_dBeamSpacing = s;
    if (anyDeck || d.m_bCompositeDeck != 0) d.m_dDeckWidth = 12.0 * s;  // in
    d.m_nBeams = LoadTableGirderCount(d.m_dBridgeWidth, s);
    d.m_dDeckThickness = slab;
    d.m_dOverhang = LoadTableOverhang(d.m_dBridgeWidth, s);
    d.m_bLoadEffectsDirty = 1;
}

void SetLoadTableSpan(CKordelDoc& d, double L) {
    d.m_dDesignSpan = d.m_adSpanLength[1] = L;
    d.m_dGirderLength = d.m_dReleaseSpan = d.m_adSpanGirderLength[1] = L + 1.0;
    d.m_bLoadEffectsDirty = 1;
}

LoadTableSet GenerateLoadTables(CKordelDoc& doc, const LoadTableRequest& request,
                                const LoadTableProgress& progress) {
    LoadTableSet set;
    if (!LoadTableRequestError(doc, request).empty()) return set;
    set.m_checks = request.checks;
    const auto saved = std::make_unique<SavedInputs>(doc);

    for (int p = 1; p <= kMaxLoadTableSpacings; ++p) {
        const double s = request.spacing[p];  // ft
        if (!(s > 0.0)) continue;
        LoadTable& table = set.m_aTables[++set.m_nTables];
        table.m_dSpacing = s;
        SetLoadTableSpacing(doc, s, request.slab[p]);
        table.m_nGirders = doc.m_nBeams;
        table.m_dSlab = doc.m_dDeckThickness;

        int r = 1;
        for (double L = request.spanMin; L <= request.spanMax && r <= kMaxLoadTableRows;
             L += request.spanInc) {
            if (progress) progress(s, L);
            SetLoadTableSpan(doc, L);
            if (doc.DesignLoadTableStrands(request.checks) != 1) break;
            const double fci = RequiredFci(doc);  // ksi
            const int strands = doc.m_nStrandCount;
            if (!(request.fciMin <= fci && fci <= request.fciMax && request.strandsMin <= strands &&
                  strands <= request.strandsMax))
                continue;
            const double* final = doc.m_aServiceStress[kStationMidspan][kServiceAllLoadsPositive];
            table.m_adSpan[r] = L;
            table.m_anStrands[r] = strands;
            table.m_adCamber[r] = doc.m_adDeflectionSummary[kDeflSummaryFinalTotal];
            table.m_adFci[r] = fci;
            table.m_adFbMid[r] = final[kServiceBottom];
            table.m_adFtMid[r] = final[kServiceTop];
            table.m_adMuMid[r] = doc.m_aMuFlexure[kStationMidspan][kStrengthIPositive];
            table.m_adMrMid[r] = doc.m_aFlexureMr[kStationMidspan][kFlexurePositive];
            table.m_anMode[r] = doc.m_anLoadTableStatus[kLoadTableGoverningCheck];
            table.m_anOverReinforced[r] = doc.m_anLoadTableStatus[kLoadTableDepthRatio];
            ++r;
        }
        table.m_dSlabLoad = doc.m_dDeckWeight;
        table.m_dWearingLoad = doc.m_dWearingSurfaceLoad;
        table.m_dBarrierLoad = doc.m_dBarrierLoad;
        table.m_nRows = r - 1;
    }

    saved->PutBack(doc);
    doc.m_bLoadEffectsDirty = 1;
    doc.RunAnalysis();
    return set;
}

void ApplyLoadTableCase(CKordelDoc& doc, double s, double L, double slab, LoadTableChecks checks) {
    SetLoadTableSpan(doc, L);
    SetLoadTableSpacing(doc, s, slab, true);
    // The same strand design, on the same checks, as the table's row, so the design gets the
    // strands it shows.
    doc.DesignLoadTableStrands(checks);
    bool found = false;
    std::string outcome = StrandDesignOutcome(doc, found);
    // The outcome checks everything; say which check alone set the strands.
    if (!checks.Both() && checks.Any())
        outcome += checks.stress
                       ? "\n\nThe strands were designed on the stress checks only, as the load "
                         "tables were."
                       : "\n\nThe strands were designed on the strength check only, as the load "
                         "tables were.";
    platform::ShowMessage(outcome, platform::MsgButtons::Ok,
                          found ? platform::MsgIcon::Information : platform::MsgIcon::Warning);
    doc.GetStrandCountAndCentroid(doc.m_aEndRows, doc.m_nStrandCount, doc.m_dStrandCgEnd);
    doc.GetStrandCountAndCentroid(doc.m_aDrapeRows, doc.m_nStrandCount, doc.m_dStrandCgMid);
}

}  // namespace kordel

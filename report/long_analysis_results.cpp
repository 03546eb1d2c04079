// Long form: load-effect tables, support reactions and end rotations. The unfactored moments and
// shears of every load at thirteen stations, then the reactions and rotations at the girder ends.
#include <string>

#include "document/kordel_doc.h"
#include "report/format.h"
#include "report/long_input_common.h"
#include "report/text_report.h"

namespace kordel {

namespace {

using namespace long_input;

/// Columns of the final table: bearing centrelines, transfer points, shear critical sections,
/// tenth points 0.1, 0.4, 0.6 and 0.9, the hold-down points and mid-span.
constexpr int kFinalStations[13] = {0, 102, 103, 10, 40, 104, 50, 105, 60, 90, 106, 107, 100};

/// The rule under each table.
const std::string kRule(106, '-');

/// A row value format: one decimal for dead-load moments and shears, none for the vehicle,
/// fatigue and restraint moments (the metric form gives those one decimal too, save fatigue).
enum class Cell { Decimal, Whole, WholeAlways };

/// Writes a label of sixteen characters and thirteen values of `value(station)` at `stations`.
template <typename ValueAt>
void WriteRow(ReportContext& ctx, const char* label, const int (&stations)[13], Cell cell, ValueAt value) {
    const bool whole = cell == Cell::WholeAlways || (cell == Cell::Whole && !ctx.metric);
    std::string line = label;
    line.reserve(128);  // one allocation for the whole row
    for (int c = 0; c < 13; ++c) {
        if (c > 0) line += ' ';
        AppendFormat(line, whole ? "%6.0f" : "%6.1f", Fin(value(stations[c])));
    }
    ctx.Add(std::move(line));
}

/// A moment row of load case `k` of m_aMoment.
void MomentRow(ReportContext& ctx, const char* label, const int (&stations)[13], int k, Cell cell) {
    const CKordelDoc& d = ctx.doc;
    WriteRow(ctx, label, stations, cell,
             [&](int s) { return Conv(ctx, d.m_aMoment[s][k], kKipFtToKnM); });
}

/// A shear row of load case `k` of m_aShear.
void ShearRow(ReportContext& ctx, const char* label, const int (&stations)[13], int k) {
    const CKordelDoc& d = ctx.doc;
    WriteRow(ctx, label, stations, Cell::Decimal, [&](int s) { return Conv(ctx, d.m_aShear[s][k], kKipToKn); });
}

/// Rows of a vehicle's envelope, entry `e` of its moment and shear tables.
void VehicleRows(ReportContext& ctx, const char* momentLabel, const char* shearLabel,
                 const double (*moment)[kVehicleEnvelopeEntries], const double (*shear)[kVehicleEnvelopeEntries],
                 int e) {
    WriteRow(ctx, momentLabel, kFinalStations, Cell::Whole,
             [&](int s) { return Conv(ctx, moment[s][e], kKipFtToKnM); });
    WriteRow(ctx, shearLabel, kFinalStations, Cell::Decimal,
             [&](int s) { return Conv(ctx, shear[s][e], kKipToKn); });
}

void WriteLoadEffectTables(ReportContext& ctx) {
    const CKordelDoc& d = ctx.doc;
    const bool m = ctx.metric;
    auto locations = [&](const int (&stations)[13]) {
        std::string line = m ? "Location (m)    " : "Location (ft)   ";
        for (int c = 0; c < 13; ++c) {
            if (c > 0) line += ' ';
            AppendFormat(line, "%6.2f", Conv(ctx, d.m_adStationX[stations[c]], kFtToM));
        }
        ctx.Add(std::move(line));
    };

    if (m) {
        ctx.Add(kPageBreakLine);
        ctx.Add(" ");
        ctx.Add("ANALYSIS RESULTS:");
        ctx.Add("-----------------");
    } else {
        ctx.PageBreak();
        ctx.Add("ANALYSIS RESULTS:");
        ctx.Add("-----------------");
        ctx.Add(" ");
    }

    ctx.Add(m ? "RELEASE (kN-m)      Lt   0.1L   0.2L   0.3L   0.4L  DepPt   0.5L  DepPt   0.6L   0.7L   0.8L   0.9L     Lt"
              : "Release (k-ft)      Lt   0.1L   0.2L   0.3L   0.4L  DepPt   0.5L  DepPt   0.6L   0.7L   0.8L   0.9L     Lt");
    locations(kStressStations);
    ctx.Add("Dead Load:");
    MomentRow(ctx, " Beam       M:  ", kStressStations, kCaseGirderRelease, Cell::Decimal);
    ctx.Add(kRule);
    if (!m) ctx.Add(" ");

    const bool lrfdSection = d.m_nShearMethod == kShearLrfdSectional;
    if (m) {
        ctx.Add(lrfdSection
                    ? "FINAL (kN-m,kN)   Brng     Lt  CritV   0.1L   0.4L  DepPt   0.5L Dep.Pt   0.6L   0.9L  CritV     Lt   Brng"
                    : "FINAL (kN-m,kN)   Brng     Lt    h/2   0.1L   0.4L  DepPt   0.5L Dep.Pt   0.6L   0.9L    h/2     Lt   Brng");
    } else {
        ctx.Add(lrfdSection
                    ? "Final (k-ft,K)    Brng     Lt  CritV   0.1L   0.4L  DepPt   0.5L Dep.Pt   0.6L   0.9L  CritV     Lt   Brng"
                    : "Final (k-ft,K)    Brng     Lt    h/2   0.1L   0.4L  DepPt   0.5L Dep.Pt   0.6L   0.9L    h/2     Lt   Brng");
    }
    locations(kFinalStations);

    struct DeadLoadRow {
        const char* label;
        int loadCase;
        bool shown;
    };
    const DeadLoadRow deadLoads[] = {
        {" Beam       M:  ", kCaseGirder, true},
        {" Deck       M:  ", kCaseDeck, d.m_bCompositeDeck != 0},
        {" Diaphragms M:  ", kCaseDiaphragms, d.m_dDiaphragmWeight > 0.0},
        {" Other NC   M:  ", kCaseOtherNonComposite, d.m_dOtherNonCompositeLoad > 0.0},
        {" Overlay    M:  ", kCaseOverlay, d.m_dOverlayThickness > 0.0},
        {" Barriers   M:  ", kCaseBarriers, d.m_dBarrierLoad > 0.0},
        {" FWS        M:  ", kCaseWearingSurface, d.m_dWearingSurfaceLoad > 0.0},
        {" Other C    M:  ", kCaseOtherComposite, d.m_dOtherCompositeLoad > 0.0},
    };
    ctx.Add("Dead Load:");
    for (const DeadLoadRow& r : deadLoads) {
        if (!r.shown) continue;
        MomentRow(ctx, r.label, kFinalStations, r.loadCase, Cell::Decimal);
        ShearRow(ctx, "            V:  ", kFinalStations, r.loadCase);
    }

    ctx.Add("Live Load:");
    if (d.m_dPedestrianLoad > 0.0) {
        MomentRow(ctx, " Pedestrian M:  ", kFinalStations, kCasePedestrian, Cell::Decimal);
        ShearRow(ctx, "            V:  ", kFinalStations, kCasePedestrian);
        ctx.Add(" ");
    }
    const bool fatigue = IsLrfd(d.m_nSpecification) && d.m_bFatigueOneTruck == 1;
    VehicleRows(ctx, " Trk1      +M:  ", "           +V:  ", d.m_aVehicle1Moment, d.m_aVehicle1Shear, kVehiclePositive);
    VehicleRows(ctx, " Trk2      +M:  ", "           +V:  ", d.m_aVehicle2Moment, d.m_aVehicle2Shear, kVehiclePositive);
    MomentRow(ctx, " Gov Trk   +M:  ", kFinalStations, kCaseLiveLoad, Cell::Whole);
    ShearRow(ctx, "           +V:  ", kFinalStations, kCaseLiveLoad);
    if (fatigue) MomentRow(ctx, " Fat Trk   +M:  ", kFinalStations, kCaseFatigue, Cell::WholeAlways);

    if (d.m_bContinuous) {
        VehicleRows(ctx, " Trk1      -M:  ", "           -V:  ", d.m_aVehicle1Moment, d.m_aVehicle1Shear, kVehicleNegative);
        VehicleRows(ctx, " Trk2      -M:  ", "           -V:  ", d.m_aVehicle2Moment, d.m_aVehicle2Shear, kVehicleNegative);
        MomentRow(ctx, " Gov Trk   -M:  ", kFinalStations, kCaseLiveLoadNegative, Cell::Whole);
        ShearRow(ctx, "           -V:  ", kFinalStations, kCaseLiveLoadNegative);
        if (fatigue) MomentRow(ctx, " Fat Trk   -M:  ", kFinalStations, kCaseFatigueNegative, Cell::WholeAlways);
        ctx.Add("Time-Dependent:");
        MomentRow(ctx, " Restr Mom +M:  ", kFinalStations, kCaseRestraintPositive, Cell::Whole);
        MomentRow(ctx, "           -M:  ", kFinalStations, kCaseRestraintNegative, Cell::Whole);
    }
    ctx.Add(kRule);
    ctx.Add(" ");
}

void WriteSupportTable(ReportContext& ctx) {
    const CKordelDoc& d = ctx.doc;
    const LoadEffectRecord* E = d.m_aSupportEffect;
    auto kip = [&](double x) { return Conv(ctx, x, kKipToKn); };
    ctx.Add("                        |-------------- Reaction (k) -------------|    |---- Rotation (rad) ---|");
    ctx.Add("Component               L Bearing  (Bk/Curr)   R Bearing  (Curr/Ah)        L End        R End");
    ctx.Add("                        ---------              ---------                 ---------    ---------");
    const double* P = d.m_adSupportPrestress;
    ctx.Add(Format("Pretensioning               ---                    ---                   %8.5f     %8.5f",
                   Fin(P[kSupportPretensionLeft]), Fin(P[kSupportPretensionRight])));
    if (d.m_nPrestressType == kPostTensioned) {
        ctx.Add(Format("PT                          ---                    ---                   %8.5f     %8.5f",
                       Fin(P[kSupportPostTensionLeft]), Fin(P[kSupportPostTensionRight])));
    }

    auto plain = [&](const char* label, int k) {
        ctx.Add(std::string(label) +
                Format("%7.1f                %7.1f                   %8.5f     %8.5f", kip(E[kSupportLeftReaction][k]),
                       kip(E[kSupportRightReaction][k]), Fin(E[kSupportLeftRotation][k]),
                       Fin(E[kSupportRightRotation][k])));
    };
    // The reactions at a pier split into the part of the span behind (or ahead) and the part of
    // the current span.
    auto split = [&](const char* label, int k) {
        const double left = E[kSupportLeftReaction][k], leftCurrent = E[kSupportSpanLeftEnd][k];
        const double right = E[kSupportRightReaction][k], rightCurrent = E[kSupportSpanRightEnd][k];
        ctx.Add(std::string(label) +
                Format("%7.1f(%6.1f/%6.1f) %7.1f(%6.1f/%6.1f)    %8.5f     %8.5f", kip(left),
                       kip(left - leftCurrent), kip(leftCurrent), kip(right), kip(rightCurrent),
                       kip(right - rightCurrent), Fin(E[kSupportLeftRotation][k]),
                       Fin(E[kSupportRightRotation][k])));
    };
    plain("Girder Weight           ", kCaseGirder);
    if (d.m_bCompositeDeck) plain("Slab+Haunch             ", kCaseDeck);
    if (d.m_dDiaphragmWeight > 0.0) plain("Diaphragm(s)            ", kCaseDiaphragms);
    if (d.m_dOtherNonCompositeLoad > 0.0) plain("Non-Composite Uniform   ", kCaseOtherNonComposite);
    if (d.m_dOverlayThickness > 0.0) plain("Supplemental Overlay    ", kCaseOverlay);
    if (d.m_dBarrierLoad > 0.0) split("Barrier(s)              ", kCaseBarriers);
    if (d.m_dWearingSurfaceLoad > 0.0) split("Future Wearing Surface  ", kCaseWearingSurface);
    if (d.m_dOtherCompositeLoad > 0.0) split("Composite Uniform       ", kCaseOtherComposite);
    if (d.m_dPedestrianLoad > 0.0 && d.m_bContinuous) split("Pedestrian              ", kCasePedestrian);
    split("Design Live Load (Max)  ", kCaseLiveLoad);
    plain("Design Live Load (Min)  ", kCaseLiveLoadNegative);
}

}  // namespace

void WriteAnalysisResultsBlock(ReportContext& ctx) {
    WriteLoadEffectTables(ctx);
    WriteSupportTable(ctx);
}

}  // namespace kordel

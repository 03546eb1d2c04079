// Long form: continuity analysis of a continuous girder. The bridge data of the whole chain, the
// static composite loads of the continuous-beam solver at the tenth points of every span, the
// moving-load envelopes of each vehicle by lane, axle and tandem loading, and the time-dependent
// restraint moments. Everything printed is a result of the live-load and continuity stages.
#include <string>

#include "document/kordel_doc.h"
#include "report/format.h"
#include "report/long_input_common.h"
#include "report/text_report.h"

namespace kordel {

namespace {

using namespace long_input;

/// Rotations of the US moving-load tables are printed in radian x 10^3.
constexpr double kRotationScale = 1000.0;

/// The tables one vehicle's moving loads fill.
struct VehicleTables {
    int number;                         ///< 1 or 2
    const LiveLoadVehicle& vehicle;
    const SpanEnvelope* moment;         ///< maximum and minimum moment, kip-ft
    const SpanEnvelope* shearAtMoment;  ///< shear with those moments, kip
    const SpanEnvelope* shear;          ///< maximum and minimum shear, kip
    const SpanEnvelope* momentAtShear;  ///< moment with those shears, kip-ft
    const SpanEnvelope* deflection;     ///< in
    const SpanEnvelope* rotation;       ///< radian
    const double (*reaction)[kSpanEnvelopeValues];  ///< per support, kip
};

VehicleTables TablesOf(const CKordelDoc& d, int vehicle) {
    if (vehicle == 1) {
        return {1, d.m_recVehicle1, d.m_aSpanEnvelope5, d.m_aSpanEnvelope8, d.m_aSpanEnvelope6,
                d.m_aSpanEnvelope7, d.m_aSpanEnvelope15, d.m_aSpanEnvelope16, d.m_aSpanMaxReaction1};
    }
    return {2, d.m_recVehicle2, d.m_aSpanEnvelope9, d.m_aSpanEnvelope12, d.m_aSpanEnvelope10,
            d.m_aSpanEnvelope11, d.m_aSpanEnvelope17, d.m_aSpanEnvelope18, d.m_aSpanMaxReaction2};
}

/// The three loadings of a moving-load table: value numbers of the maximum (the minimum is the
/// next one) and the word of the title.
enum class Loading { Lane, Axle, Tandem };
int MaxValueOf(Loading l) {
    return l == Loading::Lane ? kSpanLaneMax : (l == Loading::Axle ? kSpanTruckMax : kSpanTandemMax);
}
const char* TitleWordOf(Loading l) {
    return l == Loading::Lane ? "Lane" : (l == Loading::Axle ? "Axle" : "Tandem");
}

/// Location of tenth point k of span i, in the report's units.
double TenthPointX(const ReportContext& ctx, int span, int k) {
    return Conv(ctx, k / 10.0 * ctx.doc.m_adSpanLength[span], kFtToM);
}

/// The loads on the chain and the vehicles, then the live-load options.
void WriteChainLoads(ReportContext& ctx) {
    const CKordelDoc& d = ctx.doc;
    const bool m = ctx.metric;
    auto klf = [&](double x) { return Conv(ctx, x, kKlfToKnPerM); };
    ctx.Add("");
    ctx.Add("Loads on Continuous Structure:");
    ctx.Add("------------------------------");
    ctx.Add("Composite Dead Load:");
    ctx.Add(Format(m ? "  Barriers=%6.3f kN/m" : "  Barriers=%6.3f klf", klf(d.m_dBarrierLoad)));
    ctx.Add(Format(m ? "  FWS=     %6.3f kN/m" : "  FWS=     %6.3f klf", klf(d.m_dWearingSurfaceLoad)));
    ctx.Add(Format(m ? "  Other=   %6.3f kN/m" : "  Other=   %6.3f klf", klf(d.m_dOtherCompositeLoad)));
    ctx.Add("");
    ctx.Add("Composite Live Load:");
    ctx.Add(Format(m ? "   Pedest   = %5.3f kN/m" : "   Pedest   = %5.3f klf", klf(d.m_dPedestrianLoad)));
    if (d.m_recVehicle1.m_bIncluded) WriteVehicleLines(ctx, 1, true);
    if (d.m_recVehicle2.m_bIncluded) WriteVehicleLines(ctx, 2, false);
    WriteCombinationNote(ctx, false);

    if (d.m_bCheckLowboy) {
        ctx.Add("   Options: Check CA 'lowboy' (Caltrans 3.6.1.3.1)");
        if (d.m_bIncreasedDoubleTruck) ctx.Add("            Double Truck has been modified");
    } else if (d.m_bIncreasedDoubleTruck) {
        ctx.Add("   Options: Double Truck has been modified");
    }
}

/// One static-load table: value `first` (left half) and value `second` (right half) of the
/// static span tables and of the support reactions.
void WriteStaticTable(ReportContext& ctx, const char* headingUs, const char* headingMetric,
                      int first, int second) {
    const CKordelDoc& d = ctx.doc;
    const bool m = ctx.metric;
    auto kip = [&](double x) { return Conv(ctx, x, kKipToKn); };
    ctx.Add("Continuity Analysis: Static Loads");
    ctx.Add("---------------------------------");
    ctx.Add(" ");
    ctx.Add(m ? headingMetric : headingUs);
    ctx.Add(m ? "Loc(m)  M(kN-m)  V(kN) Def(mm)  Rot(rad) Rxn(kN)  M(kN-m)  V(kN) Def(mm)  Rot(rad) Rxn(kN)"
              : "Loc(ft) M(k-ft)  V(k)  Def(in)  Rot(rad) Rxn(k)  M(k-ft)   V(k)  Def(in)  Rot(rad) Rxn(k)");
    const int spans = ChainSpans(d);
    for (int i = 1; i <= spans; ++i) {
        ctx.Add(Format("Span:%2d                                  %6.1f                                    %6.1f",
                       i, kip(d.m_aSpanSummary[i][first]), kip(d.m_aSpanSummary[i][second])));
        for (int k = 0; k < kSpanTenthPoints; ++k) {
            auto values = [&](int v) {
                struct Four { double mo, sh, de, ro; };
                return Four{Conv(ctx, d.m_aSpanEnvelope1[i][k][v], kKipFtToKnM),
                            kip(d.m_aSpanEnvelope2[i][k][v]),
                            Conv(ctx, d.m_aSpanEnvelope14[i][k][v], kInToMm),
                            Fin(d.m_aSpanEnvelope13[i][k][v])};
            };
            const auto a = values(first), b = values(second);
            const double x = TenthPointX(ctx, i, k);
            ctx.Add(m ? Format("%6.2f %7.1f %6.1f    %5.0f  %8.5f         %7.1f %6.1f    %5.0f  %8.5f", x,
                               a.mo, a.sh, a.de, a.ro, b.mo, b.sh, b.de, b.ro)
                      : Format("%6.2f %7.1f %6.1f    %5.2f  %8.5f         %7.1f %6.1f    %5.2f  %8.5f", x,
                               a.mo, a.sh, a.de, a.ro, b.mo, b.sh, b.de, b.ro));
        }
    }
    // The support after the last span: the support tables hold a slot per support.
    ctx.Add(Format("                                         %6.1f                                    %6.1f",
                   kip(d.m_aSpanSummary[spans + 1][first]), kip(d.m_aSpanSummary[spans + 1][second])));
    ctx.Add(kPageBreakLine);
    ctx.Add(" ");
}

/// One moving-load table of a vehicle for one loading.
void WriteMovingTable(ReportContext& ctx, const VehicleTables& t, Loading loading) {
    const CKordelDoc& d = ctx.doc;
    const bool m = ctx.metric;
    const int hi = MaxValueOf(loading), lo = hi + 1;
    auto kip = [&](double x) { return Conv(ctx, x, kKipToKn); };
    auto kft = [&](double x) { return Conv(ctx, x, kKipFtToKnM); };
    auto rot = [&](double x) { return Fin(m ? x : x * kRotationScale); };

    ctx.Add(Format("Continuity Analysis: Moving Loads Vehicle %d (%s Load)", t.number,
                   TitleWordOf(loading)));
    ctx.Add("-------------------------------------------------------");
    ctx.Add(m ? "Units: V(kN), M(kN-m), Def(mm), Rot(rad)" : "Units: V(k), M(k-ft), Def(in), Rot(rad x 10^3)");
    ctx.Add(m ? "        +Mmax-----V      -Mmax-----V     +Vmax------M     -Vmax------M      +Def   -Def       +Rot     -Rot"
              : "         +Mmax------V    -Mmax------V  +Vmax-------M   -Vmax-------M   +Def   -Def   +Rot   -Rot");
    ctx.Add("Location");
    const int spans = ChainSpans(d);
    for (int i = 1; i <= spans; ++i) {
        ctx.Add(Format("Span:%2d   Support%2d Max Rxns:%7.1f/%7.1f k", i, i, kip(t.reaction[i][hi]),
                       kip(t.reaction[i][lo])));
        for (int k = 0; k < kSpanTenthPoints; ++k) {
            const double v[13] = {TenthPointX(ctx, i, k),
                                  kft(t.moment[i][k][hi]),
                                  kip(t.shearAtMoment[i][k][hi]),
                                  kft(t.moment[i][k][lo]),
                                  kip(t.shearAtMoment[i][k][lo]),
                                  kip(t.shear[i][k][hi]),
                                  kft(t.momentAtShear[i][k][hi]),
                                  kip(t.shear[i][k][lo]),
                                  kft(t.momentAtShear[i][k][lo]),
                                  Conv(ctx, t.deflection[i][k][hi], kInToMm),
                                  Conv(ctx, t.deflection[i][k][lo], kInToMm),
                                  rot(t.rotation[i][k][hi]),
                                  rot(t.rotation[i][k][lo])};
            ctx.Add(m ? Format("%6.2f %7.1f %6.1f   %7.1f %6.1f   %6.1f %7.1f   %6.1f %7.1f   %6.2f %6.2f   %8.5f %8.5f",
                               v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10], v[11], v[12])
                      : Format("%6.2f %7.1f %6.1f  %7.1f %6.1f  %5.1f %7.1f  %6.1f %7.1f  %5.2f %6.2f  %5.2f %6.2f",
                               v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10], v[11], v[12]));
        }
    }
    ctx.Add(Format("           Support%2d Max Rxns:%7.1f/%7.1f k", spans + 1,
                   kip(t.reaction[spans + 1][hi]), kip(t.reaction[spans + 1][lo])));
}

/// The moving-load tables of one vehicle with their notes and page breaks.
void WriteVehicleTables(ReportContext& ctx, int vehicle) {
    const CKordelDoc& d = ctx.doc;
    const bool m = ctx.metric;
    const VehicleTables t = TablesOf(d, vehicle);
    const LiveLoadVehicle& v = t.vehicle;
    // The metric form prints the lane and axle tables of every included vehicle.
    const bool lane = m || v.m_dLaneLoad != 0.0 || v.m_dLaneMomentLoad != 0.0 || v.m_dLaneShearLoad != 0.0;
    const bool axle = m || v.m_nAxleCount > 1;
    const bool tandem = v.m_bIncludeTandem != 0;

    if (vehicle == 1) {
        if (lane) {
            WriteMovingTable(ctx, t, Loading::Lane);
            ctx.Add(kPageBreakLine);
            ctx.Add(" ");
        }
        if (axle) {
            WriteMovingTable(ctx, t, Loading::Axle);
            if (IsLrfd(d.m_nSpecification) && v.m_strName == "HL-93") {
                ctx.Add("Note: LRFD double-truck check included in axle results");
            }
            ctx.Add(kPageBreakLine);
            ctx.Add(" ");
        }
        if (tandem) {
            WriteMovingTable(ctx, t, Loading::Tandem);
            if (d.m_bCheckLowboy) {
                ctx.Add(m ? "Note: CA Lowboy check (CA 3.6.1.3.1) included in tandem results"
                          : "Note: Double tandem check is included in tandem results.");
            }
            ctx.Add(kPageBreakLine);
        }
        return;
    }
    for (Loading l : {Loading::Lane, Loading::Axle}) {
        if (!(l == Loading::Lane ? lane : axle)) continue;
        if (!m) ctx.Add(" ");
        WriteMovingTable(ctx, t, l);
        ctx.Add(kPageBreakLine);
    }
    if (tandem) {
        ctx.Add(" ");
        WriteMovingTable(ctx, t, Loading::Tandem);
        if (!m) {
            ctx.Add(" ");
            ctx.Add(kPageBreakLine);
        }
    }
}

/// Metric form: the summary of one vehicle's envelopes by loading, span by span.
void WriteMetricSummaryTable(ReportContext& ctx, int vehicle) {
    const CKordelDoc& d = ctx.doc;
    const VehicleTables t = TablesOf(d, vehicle);
    ctx.Add("         |--------- LANE LOAD ---------|   |-------- AXLE LOAD ----------|   |-------- TANDEM LOAD ---------|");
    ctx.Add("         Mmax(+) Mmax(-) Vmax(+) Vmax(-)   Mmax(+) Mmax(-) Vmax(+) Vmax(-)    Mmax(+) Mmax(-) Vmax(+) Vmax(-)");
    ctx.Add("Location  (kN-m)  (kN-m)  (kN)    (kN)      (kN-m)  (kN-m)  (kN)    (kN)       (kN-m)  (kN-m)  (kN)    (kN)");
    const int spans = ChainSpans(d);
    for (int i = 1; i <= spans; ++i) {
        ctx.Add(Format("Span:%2d  (%6.2f m)", i, Conv(ctx, d.m_adSpanLength[i], kFtToM)));
        for (int k = 0; k < kSpanTenthPoints; ++k) {
            double v[12];
            int n = 0;
            for (Loading l : {Loading::Lane, Loading::Axle, Loading::Tandem}) {
                const int hi = MaxValueOf(l);
                v[n++] = Conv(ctx, t.moment[i][k][hi], kKipFtToKnM);
                v[n++] = Conv(ctx, t.moment[i][k][hi + 1], kKipFtToKnM);
                v[n++] = Conv(ctx, t.shear[i][k][hi], kKipToKn);
                v[n++] = Conv(ctx, t.shear[i][k][hi + 1], kKipToKn);
            }
            ctx.Add(Format("  %4.2f  %7.1f %7.1f %7.1f %7.1f    %7.1f %7.1f %7.1f %7.1f   %7.1f %7.1f %7.1f %7.1f",
                           k / 10.0, v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9],
                           v[10], v[11]));
        }
    }
}

void WriteMetricSummaries(ReportContext& ctx) {
    const CKordelDoc& d = ctx.doc;
    if (d.m_recVehicle1.m_bIncluded) {
        ctx.Add(" ");
        ctx.Add("Continuity Analysis: Moving Loads Vehicle 1");
        ctx.Add("-------------------------------------------");
        WriteMetricSummaryTable(ctx, 1);
    }
    if (d.m_recVehicle2.m_bIncluded) {
        ctx.PageBreak();
        ctx.Add("Continuity Analysis: Moving Loads Vehicle 2");
        ctx.Add("---------------------------------");
        WriteMetricSummaryTable(ctx, 2);
    }
    ctx.PageBreak();
}

/// The time-dependent restraint analysis: inputs, then one row per time step.
void WriteTimeDependent(ReportContext& ctx) {
    const CKordelDoc& d = ctx.doc;
    const bool m = ctx.metric;
    if (!m) ctx.Add(" ");
    ctx.Add("Time-Dependent Analysis");
    ctx.Add("-----------------------");
    ctx.Add("Ref: NCHRP Report 322 (based on ACI-209)");
    ctx.Add(" ");
    ctx.Add("                                           Beam   Deck");
    ctx.Add("                                           ----   ----");
    ctx.Add(Format("Ultimate shrinkage strain, e-su (x10^6)  %6.0f %6.0f", Fin(d.m_dBeamUltimateShrinkage),
                   Fin(d.m_dDeckUltimateShrinkage)));
    ctx.Add(Format("Ultimate creep coefficient, v-ult        %6.2f", Fin(d.m_dUltimateCreep)));
    ctx.Add(" ");
    ctx.Add(Format("Transfer           : %6.2f days", Fin(d.m_dTransferAge)));
    ctx.Add(Format("Age at continuity  : %6.0f days", Fin(d.m_dAgeAtContinuity)));
    ctx.Add(Format("Age at deck casting: %6.0f days", Fin(d.m_dAgeAtDeckCasting)));
    ctx.Add(" ");

    const auto& R = d.m_aTimeDependent;
    const int scheme = d.m_nTdSpanCount;  // 2 spans, 3 spans, or more
    const int steps = ClampCount(d.m_nTdTimeCount, kTdTimeSlots - 1);
    // Strand stress of a step, psi: the mean of both strand series where there are interior
    // supports, else the exterior series.
    auto strandPsi = [&](int c) {
        return scheme >= 3 ? (R[kTdStrandExterior][c] + R[kTdStrandInterior][c]) / 2.0
                           : R[kTdStrandExterior][c];
    };

    if (m) {
        ctx.Add("               |---------- Restraint Moments (kN-m) ----------|");
        ctx.Add(" Time (days)   Exterior   Interior(L)   Interior(R)    Interior    Strand Stress (MPa)");
        auto row = [&](double age, double e, double il, double ir, double in, double stress) {
            ctx.Add(Format("  %6.0f     %8.1f     %8.1f     %8.1f      %8.1f          %7.1f", Fin(age), e, il,
                           ir, in, Fin(stress)));
        };
        row(d.m_adTdTime[1], 0.0, 0.0, 0.0, 0.0, d.m_dTdStrandStress * kKsiToMpa / 1000.0);
        if (scheme >= 2) {
            for (int s = 2; s <= steps; ++s) {
                const int c = s + 1;
                auto mom = [&](int r, int fromScheme) {
                    return scheme >= fromScheme ? Fin(R[r][c] * kKipFtToKnM) : 0.0;
                };
                row(d.m_adTdTime[s], mom(kTdExterior, 2), mom(kTdInteriorLeft, 3), mom(kTdInteriorRight, 3),
                    mom(kTdInterior, 4), strandPsi(c) * kKsiToMpa / 1000.0);
            }
        }
    } else {
        ctx.Add("             |---------- Restraint Moments (k-ft) Creep/Shrinkage ----------|");
        ctx.Add("  Time        Exterior        Interior(L)        Interior(R)         Interior     Strand");
        ctx.Add(" (days)                                                                         Stress (ksi)");
        auto row = [&](double age, const double (&v)[8], double stress) {
            ctx.Add(Format("%6.0f %8.1f/%8.1f %8.1f/%8.1f %8.1f/%8.1f %8.1f/%8.1f   %7.1f", Fin(age), v[0], v[1],
                           v[2], v[3], v[4], v[5], v[6], v[7], Fin(stress)));
        };
        const double zeros[8] = {};
        row(d.m_adTdTime[1], zeros, d.m_dTdStrandStress / 1000.0);
        if (scheme >= 2) {
            for (int s = 2; s <= steps; ++s) {
                const int c = s + 1;
                // Creep and shrinkage parts of the four restraint moments, rows 10 to 17 in pairs;
                // a chain of two spans has the exterior pair only, of three spans no interior one.
                const int pairs = scheme > 3 ? 4 : (scheme == 3 ? 3 : 1);
                double v[8] = {};
                for (int p = 0; p < 2 * pairs; ++p) v[p] = Fin(R[kTdExteriorCreep + p][c]);
                row(d.m_adTdTime[s], v, strandPsi(c) / 1000.0);
            }
        }
    }
    ctx.Add(" ");
    ctx.Add(kPageBreakLine);
}

}  // namespace

void WriteContinuityBlock(ReportContext& ctx) {
    const CKordelDoc& d = ctx.doc;
    WriteChainBridgeData(ctx, {ChainSpans(d)});
    WriteChainLoads(ctx);
    ctx.PageBreak();

    WriteStaticTable(ctx,
                     "        |------------- Barriers --------------|  |---------------- FWS -----------------|",
                     "        |------------- Barriers ---------------|  |---------------- FWS -----------------|",
                     kSpanBarrier, kSpanWearingSurface);
    if (d.m_dPedestrianLoad != 0.0 || d.m_dOtherCompositeLoad != 0.0) {
        WriteStaticTable(ctx,
                         "        |------------- Other DL --------------|  |------------ Pedestrian --------------|",
                         "        |------------- Other DL ---------------|  |------------ Pedestrian --------------|",
                         kSpanOtherComposite, kSpanPedestrian);
    }

    if (d.m_recVehicle1.m_bIncluded) WriteVehicleTables(ctx, 1);
    if (d.m_recVehicle2.m_bIncluded) WriteVehicleTables(ctx, 2);
    if (ctx.metric) WriteMetricSummaries(ctx);

    if (d.m_bComputeRestraintMoments) WriteTimeDependent(ctx);
}

}  // namespace kordel

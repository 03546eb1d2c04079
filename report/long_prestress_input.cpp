// Long form: strand pattern, losses, post-tensioning, mild reinforcement and analysis options.
// The second half of the input data; the strand, loss and tendon values are results of the
// strand summary, loss and post-tensioning stages, the rest are inputs.
#include <string>

#include "document/kordel_doc.h"
#include "report/format.h"
#include "report/long_input_common.h"
#include "report/text_report.h"

namespace kordel {

namespace {

using namespace long_input;

/// Two pull fractions closer than this are the same.
constexpr double kPullFractionTolerance = 1e-07;

/// Collects entries of a repeated item into lines of `perLine` entries behind a fixed start.
class EntryLines {
public:
    EntryLines(ReportContext& ctx, std::string start, int perLine)
        : m_ctx(ctx), m_start(std::move(start)), m_line(m_start), m_perLine(perLine) {}
    void Add(const std::string& entry) {
        m_line += entry;
        if (++m_count == m_perLine) {
            m_ctx.Add(m_line);
            m_line = m_start;
            m_count = 0;
        }
    }
    /// Writes the open line; with `evenIfEmpty` also when it holds no entry.
    void Flush(bool evenIfEmpty) {
        if (m_count > 0 || evenIfEmpty) m_ctx.Add(m_line);
        m_line = m_start;
        m_count = 0;
    }

private:
    ReportContext& m_ctx;
    std::string m_start;
    std::string m_line;
    int m_perLine;
    int m_count = 0;
};

/// Entries "count@elevation" of the pattern rows whose count (value `countValue`) is not 0,
/// eight to a line; the last line is written even when it holds none.
void WritePatternEntries(ReportContext& ctx, const StrandPatternRow* rows, int rowCount,
                         int countValue, int elevationValue) {
    EntryLines lines(ctx, "  ", 8);
    for (int r = 0; r < rowCount; ++r) {
        if (rows[r][countValue] == 0.0) continue;
        lines.Add(Format(ctx.metric ? " %2.0f@%5.3f" : " %2.0f@%4.2f", Fin(rows[r][countValue]),
                         Conv(ctx, rows[r][elevationValue], kInToM)));
    }
    lines.Flush(true);
}

/// Debonded groups at the ends (`value` kGroupDebondEnd) or about mid-length, three to a line.
void WriteDebondEntries(ReportContext& ctx, int value) {
    const CKordelDoc& d = ctx.doc;
    EntryLines lines(ctx, "  ", 3);
    const int groups = ClampCount(d.m_nStrandGroupCount, kMaxStrandGroups);
    for (int g = 0; g < groups; ++g) {
        const StrandGroup& G = d.m_aStrandGroup[g];
        if (G[value] == 0.0) continue;
        const double strands = Fin(G[kGroupStrands]);
        const double yEnd = Conv(ctx, G[kGroupElevationEnd], kInToM);
        const double yDrape = Conv(ctx, G[kGroupElevationDrape], kInToM);
        const double length = Conv(ctx, G[value], kFtToM);
        if (ctx.metric) {
            lines.Add(Format(" %1.0f@%5.3f/%5.3f for %4.2f,", strands, yEnd, yDrape, length));
        } else {
            lines.Add(Format(value == kGroupDebondEnd ? " %1.0f@%5.2f/%5.2f for %3.1f,"
                                                      : " %1.0f@%5.2f/%5.2f for %2.0f,",
                             strands, yEnd, yDrape, length));
        }
    }
    lines.Flush(false);
}

/// Jacking, release and final force lines with the centroids, both entry modes.
struct PatternForces {
    double aps, pull, fj, pj, pr, pf;  // in report units
};

PatternForces ForcesOf(const ReportContext& ctx) {
    const CKordelDoc& d = ctx.doc;
    return {Conv(ctx, d.m_dStrandArea, kSqInToSqMm), Fin(100.0 * d.m_dPullFraction),
            Conv(ctx, d.m_dStrandStressJacking, kKsiToMpa),
            Conv(ctx, d.m_adStrandForceSummary[kSummaryJackingForce], kKipToKn),
            Conv(ctx, d.m_adStrandForceSummary[kSummaryReleaseForce], kKipToKn),
            Conv(ctx, d.m_adStrandStressFinal[kFinalStrandForce], kKipToKn)};
}

/// "@Beam End: cg=... @Beam Mid: ..." with the given lead.
std::string CentroidLine(const ReportContext& ctx, bool indented) {
    const CKordelDoc& d = ctx.doc;
    const double cgEnd = Conv(ctx, d.m_dStrandCgEnd, kInToM);
    const double eEnd = Conv(ctx, d.m_dSectionYb - d.m_dStrandCgEnd, kInToM);
    const double cgMid = Conv(ctx, d.m_dStrandCgMid, kInToM);
    const double eMid = Conv(ctx, d.m_dSectionYb - d.m_dStrandCgMid, kInToM);
    if (ctx.metric) {
        return Format(indented ? "  @Beam End: cg=%6.3f m/ecc=%6.3f m   @Beam Mid: cg=%6.3f m/ecc=%6.3f m"
                               : "@Beam End: cg=%6.3f m/ecc=%6.3f m   @Beam Mid: cg=%6.3f m/ecc=%6.3f m",
                      cgEnd, eEnd, cgMid, eMid);
    }
    return Format(indented ? "  @Beam End: cg=%6.2f in/ecc=%6.2f in   @Beam Mid: cg=%6.2f in/ecc=%6.2f in"
                           : "@Beam End: cg=%6.2f in/ecc=%6.2f in   @Beam Mid: cg=%6.2f in/ecc=%6.2f in",
                  cgEnd, eEnd, cgMid, eMid);
}

void WriteStrandPattern(ReportContext& ctx) {
    const CKordelDoc& d = ctx.doc;
    const bool m = ctx.metric;
    ctx.PageBreak();
    if (m) {
        ctx.Add("Pretensioned Strand Pattern: (No. @ Elev.(m))");
        ctx.Add("---------------------------------------------");
    } else {
        ctx.Add("Pretensioned Strand Pattern:");
        ctx.Add("----------------------------");
    }
    const PatternForces f = ForcesOf(ctx);
    if (d.m_nPretensionEntryMode != kEntryStrandPattern) {
        ctx.Add("Method: Prestressing specified as total jacking force @ CGend, CGmid");
        ctx.Add(Format(m ? "Pj=%6.1f kN, Pr=%6.1f kN, Pf=%6.1f kN  Aps=%6.1f mm2, Pull=%5.3f%%, fj=%6.1f MPa, "
                         : "Pj=%6.1f kip, Pr=%6.1f kip, Pf=%6.1f kip  Aps=%6.3f in2, Pull=%5.3f%%, fj=%6.1f ksi, ",
                       f.pj, f.pr, f.pf, f.aps, f.pull, f.fj));
        ctx.Add(CentroidLine(ctx, false));
        ctx.Add(" ");
        return;
    }

    ctx.Add("Straight Strands:");
    WritePatternEntries(ctx, d.m_aEndRows, ClampCount(d.m_nTemplateRowCount, kMaxPatternRows),
                        kRowStraightCount, kRowStraightElevation);
    if (d.m_nDrapedStrandRows != 0) {
        ctx.Add(Format(m ? "Draped Strands: (depressed pt:%7.3f m (%5.3fL))"
                         : "Draped Strands: (depressed pt:%7.3f ft (%5.3fL))",
                       Conv(ctx, d.m_adStationX[kStationLeftDrape], kFtToM), Fin(d.m_dDrapeFraction)));
        ctx.Add("  @ beam end:");
        WritePatternEntries(ctx, d.m_aEndRows, kMaxPatternRows, kRowDrapedCount, kRowStraightElevation);
        ctx.Add("  @ drape point:");
        WritePatternEntries(ctx, d.m_aDrapeRows, kMaxPatternRows, kRowDrapedCount, kRowDrapedElevation);
        ctx.Add("Hold-Down Forces:");
        ctx.Add(Format(m ? "  Force =%7.3f kN" : "  Force =%7.3f kip",
                       Conv(ctx, d.m_adHoldDownSummary[kHoldDownForce], kKipToKn)));
        const double loc1 = Conv(ctx, d.m_adHoldDownSummary[kHoldDownFirstPoint], kFtToM);
        const double loc2 = Conv(ctx, d.m_adHoldDownSummary[kHoldDownSecondPoint], kFtToM);
        if (d.m_dDrapeFraction == 0.5) {
            ctx.Add(Format(m ? "  Loc1=%7.3f m" : "  Loc1=%7.3f ft", loc1));
        } else {
            ctx.Add(Format(m ? "  Loc1=%7.3f m, Loc2=%7.3f m" : "  Loc1=%7.3f ft, Loc2=%7.3f ft", loc1, loc2));
        }
    }

    if (d.m_anDebondFlags[kDebondFlagEnd] == 0 && d.m_anDebondFlags[kDebondFlagMid] == 0) {
        ctx.Add("Debonding: NONE");
    } else {
        ctx.Add(m ? "Debonding: (Format: no. @ height end/height mid (m) for distance (m))"
                  : "Debonding: (Format: no. @ height end/height mid (in) for distance (ft))");
        if (d.m_anDebondFlags[kDebondFlagEnd] != 0) {
            ctx.Add("  end:");
            WriteDebondEntries(ctx, kGroupDebondEnd);
            ctx.Add(Format("  End Debonding Summary: Total No.   =   %2.0f (=%4.1f%%, Limit=%3.0f%%), "
                           "Max./Row=%2.0f (=%4.1f%%, Limit=%3.0f%%)",
                           Fin(d.m_adDebondSummary[kDebondedStrands]),
                           Fin(d.m_adDebondSummary[kDebondedPercent]),
                           Fin(d.m_adDebondSummary[kDebondLimitPattern]),
                           Fin(static_cast<double>(d.m_afDebondSummary[kRowDebondedStrands])),
                           Fin(static_cast<double>(d.m_afDebondSummary[kRowDebondedPercent])),
                           Fin(d.m_adDebondSummary[kDebondLimitRow])));
            ctx.Add(Format(m ? "                         Total Length=%5.1f m"
                             : "                         Total Length=%5.1f ft",
                           Conv(ctx, d.m_dDebondedStrandLength, kFtToM)));
        }
        if (d.m_anDebondFlags[kDebondFlagMid] != 0) {
            ctx.Add("  mid:");
            WriteDebondEntries(ctx, kGroupDebondMid);
        }
    }

    ctx.Add("Nominal Pattern Properties:");
    ctx.Add(Format(m ? "  Total No.=%3d, Aps=%6.1f mm2, Pull=%5.3f%%, fj=%6.1f MPa, Pj=%6.1f kN, Pr=%6.1f kN, Pf=%6.1f kN"
                     : "  Total No.=%3d, Aps=%6.3f in2, Pull=%5.3f%%, fj=%6.1f ksi, Pj=%6.1f kip, Pr=%6.1f kip, Pf=%6.1f kip",
                   d.m_nStrandCount, f.aps, f.pull, f.fj, f.pj, f.pr, f.pf));
    ctx.Add(CentroidLine(ctx, true));

    // Strand groups pulled to a fraction of their own, five to a line.
    const int groups = ClampCount(d.m_nStrandGroupCount, kMaxStrandGroups);
    auto differs = [&](const StrandGroup& G) {
        const double p = G[kGroupPullFraction];
        return d.m_dPullFraction + kPullFractionTolerance <= p ||
               d.m_dPullFraction - kPullFractionTolerance >= p;
    };
    bool any = false;
    for (int g = 0; g < groups; ++g) any = any || differs(d.m_aStrandGroup[g]);
    if (any) {
        ctx.Add("Strand groups with differing pull fractions:");
        EntryLines lines(ctx, " ", 5);
        for (int g = 0; g < groups; ++g) {
            const StrandGroup& G = d.m_aStrandGroup[g];
            if (!differs(G)) continue;
            lines.Add(Format("%2.0f@%5.2f (%5.3f%%) ", Fin(G[kGroupStrands]),
                             Conv(ctx, G[kGroupElevationEnd], kInToM), Fin(100.0 * G[kGroupPullFraction])));
        }
        lines.Flush(false);
    }
    ctx.Add(" ");
}

/// Losses by the specification's method (1 and 2).
void WriteSpecificationMethodLosses(ReportContext& ctx) {
    const CKordelDoc& d = ctx.doc;
    const bool m = ctx.metric;
    auto ksi = [&](double x) { return Conv(ctx, x, kKsiToMpa); };
    const double* T = d.m_adTotalLoss;
    const double* S = d.m_adLossSecondStage;
    const double es = d.m_adLossElasticShortening[kElasticLoss];
    const double fcgp = d.m_adLossElasticShortening[kElasticFcgp];
    const double* re = d.m_adLossRelaxation;
    ctx.Add(IsLrfd(d.m_nSpecification) ? "Method: LRFD Specs (3rd edition)" : "Method: Standard Specs (17th ed.)");
    if (d.m_nTendonCount > 0) {
        ctx.Add("                      Release        @PT Stressing          Final");
        ctx.Add(Format(m ? "Elastic Shortening  %6.2f MPa         %6.2f MPa          %6.2f MPa   (fcgp=%6.2f MPa, fcgp1=%6.2f MPa)"
                         : "Elastic Shortening  %6.3f ksi         %6.3f ksi          %6.3f ksi   (fcgp=%6.3f ksi, fcgp1=%6.3f ksi)",
                       ksi(es), ksi(es + S[kSecondStageEsFromPt]), ksi(es + S[kSecondStageEsFromPt]), ksi(fcgp),
                       ksi(d.m_adLossApprox[kApproxFcgpFromPt])));
        ctx.Add(Format(m ? "Steel Relaxation    %6.2f MPa         %6.2f MPa          %6.2f MPa   (T-trans=%5.2f days)"
                         : "Steel Relaxation    %6.3f ksi         %6.3f ksi          %6.3f ksi   (T-trans=%5.2f days)",
                       ksi(re[kRelaxationBeforeTransfer]), ksi(re[kRelaxationBeforeTransfer]),
                       ksi(re[kRelaxationAfterTransfer]), Fin(d.m_dTransferAge)));
        ctx.Add(Format(m ? "Shrinkage                              %6.2f MPa          %6.2f MPa   (SH time fact=%5.3f, H= %2.0f%%)"
                         : "Shrinkage                              %6.3f ksi          %6.3f ksi   (SH time fact=%5.3f, H= %2.0f%%)",
                       ksi(S[kSecondStageShrinkToDeck]), ksi(d.m_dLossShrinkage),
                       Fin(S[kSecondStageShrinkFactor]), Fin(d.m_dRelativeHumidity)));
        ctx.Add(Format(m ? "Concrete Creep                         %6.2f MPa          %6.2f MPa   (CR time fact=%5.3f, fcdp= %6.2f MPa)"
                         : "Concrete Creep                         %6.3f ksi          %6.3f ksi   (CR time fact=%5.3f, fcdp= %6.3f ksi)",
                       ksi(S[kSecondStageCreepToDeck]), ksi(d.m_adLossCreep[kCreepLoss]),
                       Fin(S[kSecondStageCreepFactor]), ksi(d.m_adLossCreep[kCreepMinusDfcdp])));
        ctx.Add("                    ----------         ----------          ----------");
        ctx.Add(Format(m ? "Total Loss=         %6.2f MPa(%5.2f%%) %6.2f MPa(%5.2f%%)  %6.2f MPa(%5.2f%%)"
                         : "Total Loss=         %6.3f ksi(%5.2f%%) %6.3f ksi(%5.2f%%)  %6.3f ksi(%5.2f%%)",
                       ksi(T[kTotalLossRelease]), Fin(T[kTotalLossReleasePercent]), ksi(S[kSecondStageLoss]),
                       Fin(S[kSecondStageLossPercent]), ksi(T[kTotalLossFinal]), Fin(T[kTotalLossFinalPercent])));
        return;
    }
    ctx.Add("                      Release               Final");
    ctx.Add(Format(m ? "Elastic Shortening   %6.2f MPa           %6.2f MPa   (fcgp = %6.2f MPa)"
                     : "Elastic Shortening   %6.3f ksi           %6.3f ksi   (fcgp = %6.3f ksi)",
                   ksi(es), ksi(es), ksi(fcgp)));
    ctx.Add(Format(m ? "Steel Relaxation     %6.2f MPa           %6.2f MPa   (transfer = %5.2f days)"
                     : "Steel Relaxation     %6.3f ksi           %6.3f ksi   (transfer = %5.2f days)",
                   ksi(re[kRelaxationBeforeTransfer]), ksi(re[kRelaxationAfterTransfer]), Fin(d.m_dTransferAge)));
    ctx.Add(Format(m ? "Shrinkage                                 %6.2f MPa   (rel humidity = %3.0f%%)"
                     : "Shrinkage                                 %6.3f ksi   (rel humidity = %3.0f%%)",
                   ksi(d.m_dLossShrinkage), Fin(d.m_dRelativeHumidity)));
    ctx.Add(Format(m ? "Concrete Creep                            %6.2f MPa   (fcdp = %6.2f MPa)"
                     : "Concrete Creep                            %6.3f ksi   (fcdp = %6.3f ksi)",
                   ksi(d.m_adLossCreep[kCreepLoss]), ksi(d.m_adLossCreep[kCreepMinusDfcdp])));
    ctx.Add("                     ----------           ----------");
    ctx.Add(Format(m ? "Total Loss=          %6.2f MPa(%6.3f%%)  %6.2f MPa(%6.3f%%)"
                     : "Total Loss=          %6.3f ksi(%6.3f%%)  %6.3f ksi(%6.3f%%)",
                   ksi(T[kTotalLossRelease]), Fin(T[kTotalLossReleasePercent]), ksi(T[kTotalLossFinal]),
                   Fin(T[kTotalLossFinalPercent])));
    if (m) return;
    const double fj = d.m_dStrandStressJacking;
    ctx.Add(" ");
    ctx.Add(Format("Strand Stress History: @Jacking= %5.2f ksi, @Release= %5.2f ksi, @Final= %5.2f ksi",
                   Fin(fj), Fin(fj - es - re[kRelaxationBeforeTransfer]),
                   Fin(fj - (es + re[kRelaxationAfterTransfer] + d.m_dLossShrinkage + d.m_adLossCreep[kCreepLoss]))));
}

/// The values of a creep row in print order: Psi, t, ti, kvs, khc, kf, ktd.
struct CreepValues {
    double psi, t, ti, kvs, khc, kf, ktd;
};
CreepValues ValuesOf(const CreepCoefficient& c) {
    auto f = [](float x) { return Fin(static_cast<double>(x)); };
    return {f(c.m_fPsi), f(c.m_fT), f(c.m_fTi), f(c.m_fKvs), f(c.m_fKhc), f(c.m_fKf), f(c.m_fKtd)};
}

/// The values of a shrinkage row in print order: strain, t, kvs, khs, kf, ktd.
struct ShrinkageValues {
    double strain, t, kvs, khs, kf, ktd;
};
ShrinkageValues ValuesOf(const ShrinkageStrain& s) {
    auto f = [](float x) { return Fin(static_cast<double>(x)); };
    return {f(s.m_fStrain), f(s.m_fT), f(s.m_fKvs), f(s.m_fKhs), f(s.m_fKf), f(s.m_fKtd)};
}

/// Losses by the LRFD detailed method (3), stage by stage.
void WriteDetailedLosses(ReportContext& ctx) {
    const CKordelDoc& d = ctx.doc;
    const bool m = ctx.metric;
    const bool composite = d.m_bCompositeDeck != 0;
    auto ksi = [&](double x) { return Conv(ctx, x, kKsiToMpa); };
    const double* A = d.m_adLossApprox;
    const double* D = d.m_adLossDetailed;
    const double fj = d.m_dStrandStressJacking;

    ctx.Add("Method: LRFD Detailed (LRFD 5.9.5.4)");
    if (composite) {
        ctx.Add(Format(m ? "Construction Timing (days): Transfer=%1.0f, Deck=%2.0f, Final=%5.0f  V/S Girder=%5.3f m, V/S Deck=%5.3f m"
                         : "Construction Timing (days): Transfer=%1.0f, Deck=%2.0f, Final=%5.0f  V/S Girder=%4.2f in, V/S Deck=%4.2f in",
                       Fin(d.m_dTransferAge), Fin(d.m_dAgeAtDeckCasting), Fin(d.m_dFinalAge),
                       Conv(ctx, d.m_dVolumeToSurface, kInToM), Conv(ctx, d.m_dDeckVolumeToSurface, kInToM)));
    } else {
        // Printed in inches in both forms.
        ctx.Add(Format("Construction Timing (days): Transfer=%1.0f, SDL=%2.0f, Final=%5.0f  V/S Girder=%4.2f in",
                       Fin(d.m_dTransferAge), Fin(d.m_dAgeAtDeckCasting), Fin(d.m_dFinalAge),
                       Fin(d.m_dVolumeToSurface)));
    }
    ctx.Add("Creep Coefficients                                     t,days  ti,days      kvs     khc      kf     ktd");
    {
        const CreepValues a = ValuesOf(d.m_recCreepGirderFinalFromTransfer);
        ctx.Add(m ? Format("  Girder @final, load @transfer: Psi_b(tf,ti)= %5.3f    %5.0f    %5.0f    %5.3f   %5.3f   %5.3f   %5.3f",
                           a.psi, a.t, a.ti, a.kvs, a.khc, a.kf, a.ktd)
                  : Format("  Girder @final, load @transfer: Psi_b(tf,ti)= %5.3f    %5.0f    %5.0f    %4.3f   %5.3f   %5.3f   %5.3f",
                           a.psi, a.t, a.ti, a.kvs, a.khc, a.kf, a.ktd));
        const CreepValues b = ValuesOf(d.m_recCreepGirderDeckFromTransfer);
        ctx.Add(Format("  Girder @deck, load @transfer : Psi_b(td,ti)= %5.3f    %5.0f    %5.0f    %5.3f   %5.3f   %5.3f   %5.3f",
                       b.psi, b.t, b.ti, b.kvs, b.khc, b.kf, b.ktd));
        const CreepValues c = ValuesOf(d.m_recCreepGirderFinalFromDeck);
        ctx.Add(Format("  Girder @final, load @deck    : Psi_b(tf,td)= %5.3f    %5.0f    %5.0f    %5.3f   %5.3f   %5.3f   %5.3f",
                       c.psi, c.t, c.ti, c.kvs, c.khc, c.kf, c.ktd));
        if (composite) {
            const CreepValues e = ValuesOf(d.m_recCreepDeckFinal);
            ctx.Add(Format("  Deck @final, load @deck+     : Psi_b(tf,td)= %5.3f    %5.0f    %5.0f    %5.3f   %5.3f   %5.3f   %5.3f",
                           e.psi, e.t, e.ti, e.kvs, e.khc, e.kf, e.ktd));
        }
    }
    ctx.Add(" ");
    ctx.Add("Shrinkage Strains                                   t,days      kvs      khs     kf     ktd");
    {
        const ShrinkageValues a = ValuesOf(d.m_recShrinkGirderTransferToFinal);
        ctx.Add(Format("  Girder, transfer to final: Epsilon_bif= %8.6f   %5.0f    %5.3f    %5.3f   %5.3f   %5.3f",
                       a.strain, a.t, a.kvs, a.khs, a.kf, a.ktd));
        const ShrinkageValues b = ValuesOf(d.m_recShrinkGirderTransferToDeck);
        ctx.Add(Format("  Girder, transfer to deck : Epsilon_bid= %8.6f   %5.0f    %5.3f    %5.3f   %5.3f   %5.3f",
                       b.strain, b.t, b.kvs, b.khs, b.kf, b.ktd));
    }
    ctx.Add(Format("  Girder, deck to final    : Epsilon_bdf= %8.6f",
                   Fin(static_cast<double>(d.m_fShrinkGirderDeckToFinal))));
    if (composite) {
        const ShrinkageValues e = ValuesOf(d.m_recShrinkDeckToFinal);
        ctx.Add(Format("  Deck, deck to final      : Epsilon_ddf= %8.6f   %5.0f    %5.3f    %5.3f   %5.3f   %5.3f",
                       e.strain, e.t, e.kvs, e.khs, e.kf, e.ktd));
    }
    ctx.Add(" ");
    const double* K = d.m_adLossIntermediate;
    ctx.Add(Format(m ? "Intermediate Calcs: Kid= %5.3f, Kdf= %5.3f, fcgp= %6.2f MPa, Dfcd= %6.2f MPa, Dfcdf= %6.2f MPa"
                     : "Intermediate Calcs: Kid= %5.3f, Kdf= %5.3f, fcgp= %5.3f ksi, Dfcd= %5.3f ksi, Dfcdf= %5.3f ksi",
                   Fin(K[kIntermediateKid]), Fin(K[kIntermediateKdf]),
                   ksi(d.m_adLossElasticShortening[kElasticFcgp]), ksi(K[kIntermediateDfcd]),
                   ksi(K[kIntermediateDfcdf])));
    ctx.Add(" ");

    const double es = A[kApproxDetailedEs];
    const double gainNc = -A[kApproxGainNonComposite];
    const double gainC = -A[kApproxGainComposite];
    const double gainLl = -A[kApproxGainLiveLoad];
    ctx.Add(composite ? "                      Stressing->Transfer   Transfer->Deck      Deck->Final         Total"
                      : "                      Stressing->Transfer   Transfer->SDL        SDL->Final       Total");
    ctx.Add(Format(m ? "Elastic Shortening           %6.2f MPa                                            %6.2f MPa"
                     : "Elastic Shortening           %6.3f ksi                                            %6.3f ksi",
                   ksi(es), ksi(es)));
    ctx.Add(Format(m ? "Elastic Gain NC DL                             %6.2f MPa                          %6.2f MPa"
                     : "Elastic Gain NC DL                             %6.3f ksi                          %6.3f ksi",
                   ksi(gainNc), ksi(gainNc)));
    ctx.Add(Format(m ? "Elastic Gain C DL                                                %6.2f MPa        %6.2f MPa"
                     : "Elastic Gain C DL                                                %6.3f ksi        %6.3f ksi",
                   ksi(gainC), ksi(gainC)));
    ctx.Add(Format(m ? "Elastic Gain LL                                                  %6.2f MPa        %6.2f MPa"
                     : "Elastic Gain LL                                                  %6.3f ksi        %6.3f ksi",
                   ksi(gainLl), ksi(gainLl)));
    ctx.Add("                             ------            ------            ------            ------");
    ctx.Add(Format(m ? "  Total Elastic Loss=        %6.2f MPa        %6.2f MPa        %6.2f MPa        %6.2f MPa"
                     : "  Total Elastic Loss=        %6.3f ksi        %6.3f ksi        %6.3f ksi        %6.3f ksi",
                   ksi(es), ksi(gainNc), ksi(gainC + gainLl), ksi(es + gainNc + gainC + gainLl)));
    ctx.Add(" ");
    ctx.Add(Format(m ? "Steel Relaxation             %6.2f MPa        %6.2f MPa        %6.2f MPa        %6.2f MPa"
                     : "Steel Relaxation             %6.3f ksi        %6.3f ksi        %6.3f ksi        %6.3f ksi",
                   0.0, ksi(D[kDetailedR1]), ksi(D[kDetailedR2]), ksi(D[kDetailedR1] + D[kDetailedR2])));
    ctx.Add(Format(m ? "Shrinkage of Girder                            %6.2f MPa        %6.2f MPa        %6.2f MPa"
                     : "Shrinkage of Girder                            %6.3f ksi        %6.3f ksi        %6.3f ksi",
                   ksi(D[kDetailedSR]), ksi(D[kDetailedSD]), ksi(D[kDetailedSR] + D[kDetailedSD])));
    ctx.Add(Format(m ? "Creep of Girder                                %6.2f MPa        %6.2f MPa        %6.2f MPa"
                     : "Creep of Girder                                %6.3f ksi        %6.3f ksi        %6.3f ksi",
                   ksi(D[kDetailedCR]), ksi(D[kDetailedCD]), ksi(D[kDetailedCR] + D[kDetailedCD])));
    if (composite && d.m_nDetailedLossBasis == kDeckShrinkageSpecEquations) {
        ctx.Add(Format(m ? "Shrinkage of Deck                                                %6.2f MPa        %6.2f MPa"
                         : "Shrinkage of Deck                                                %6.3f ksi        %6.3f ksi",
                       ksi(-D[kDetailedSS]), ksi(-D[kDetailedSS])));
    }
    ctx.Add("                             ------            ------            ------           ------");
    ctx.Add(Format(m ? "  Total Time-Dependent Loss= %6.2f MPa        %6.2f MPa        %6.2f MPa        %6.2f MPa"
                     : "  Total Time-Dependent Loss= %6.3f ksi        %6.3f ksi        %6.3f ksi        %6.3f ksi",
                   0.0, ksi(D[kDetailedToDeck]), ksi(D[kDetailedDeckToFinal]),
                   ksi(D[kDetailedToDeck] + D[kDetailedDeckToFinal])));
    ctx.Add("                             ======            ======            ======            ======");
    const double l1 = es;
    const double l2 = gainNc + D[kDetailedToDeck];
    const double l3 = gainC + gainLl + D[kDetailedDeckToFinal];
    const double total = l1 + l2 + l3;
    ctx.Add(Format(m ? "  Total Loss=                %6.2f MPa(%4.1f%%) %6.2f MPa(%4.1f%%) %6.2f MPa(%4.1f%%) %6.2f MPa(%4.1f%%)"
                     : "  Total Loss=                %6.3f ksi(%4.1f%%) %6.3f ksi(%4.1f%%) %6.3f ksi(%4.1f%%) %6.3f ksi(%4.1f%%)",
                   ksi(l1), Percent(l1, fj), ksi(l2), Percent(l2, fj), ksi(l3), Percent(l3, fj), ksi(total),
                   Percent(total, fj)));
    ctx.Add(" ");
    if (composite && d.m_nDetailedLossBasis == kDeckShrinkagePciGuidelines) {
        ctx.Add(Format(m ? "Force applied to the deck: %8.2f kN, %% Converted to stress:%6.1f%%"
                         : "Force applied to the deck: %8.2f k, %% Converted to stress:%6.1f%%",
                       Conv(ctx, d.m_dDeckShrinkageForce, kKipToKn),
                       Fin(static_cast<double>(d.m_fDeckForcePercent))));
    }
    ctx.Add(Format(m ? "Strand Stress History: @Jacking= %5.2f MPa, @Release= %5.2f MPa, @Final= %5.2f MPa"
                     : "Strand Stress History: @Jacking= %5.2f ksi, @Release= %5.2f ksi, @Final= %5.2f ksi",
                   ksi(fj), ksi(fj - es), ksi(fj - total)));
}

/// Losses by the LRFD approximate method (4).
void WriteApproximateLosses(ReportContext& ctx) {
    const CKordelDoc& d = ctx.doc;
    const bool m = ctx.metric;
    auto ksi = [&](double x) { return Conv(ctx, x, kKsiToMpa); };
    const double* A = d.m_adLossApprox;
    const double* D = d.m_adLossDetailed;
    const double fj = d.m_dStrandStressJacking;
    const double es = d.m_adLossElasticShortening[kElasticLoss];
    // Transformed strands for the dead loads carry the elastic shortening in the section.
    const bool withElastic = d.m_nTransformStrandsMode == kTransformNone ||
                             d.m_nTransformStrandsMode == kTransformLiveLoad;
    const double longTerm = D[kDetailedDeckToFinal];

    ctx.Add("Method: LRFD Approximate (LRFD 5.9.5.3)");
    ctx.Add(" ");
    if (withElastic) {
        ctx.Add("Instantaneous Loss");
        ctx.Add(Format(m ? "   Elastic Shortening: %6.2f MPa(%6.3f%%) (LRFD Eq. C5.9.5.2.3a-1)"
                         : "   Elastic Shortening: %6.3f ksi(%6.3f%%) (LRFD Eq. C5.9.5.2.3a-1)",
                       ksi(es), Percent(es, fj)));
        ctx.Add(" ");
    }
    if (d.m_bCompositeDeck) {
        ctx.Add("Long-term Losses (LRFD Eq. 5.9.5.3-1)");
        ctx.Add(Format(m ? "   Creep             : %6.2f MPa  (Gamma_h=%6.3f, Gamma_st=%6.3f)"
                         : "   Creep             : %6.3f ksi  (Gamma_h=%6.3f, Gamma_st=%6.3f)",
                       ksi(D[kDetailedCD]), Fin(A[kApproxGammaH]), Fin(A[kApproxGammaSt])));
        ctx.Add(Format(m ? "   Shrinkage         : %6.2f MPa" : "   Shrinkage         : %6.3f ksi", ksi(D[kDetailedSD])));
        ctx.Add(Format(m ? "   Relaxation        : %6.2f MPa  (Final)" : "   Relaxation        : %6.3f ksi  (Final)",
                       ksi(D[kDetailedR2])));
        ctx.Add("                       ---------");
    } else {
        ctx.Add("Long-term Losses (LRFD Table 5.9.5.3-1)");
    }
    ctx.Add(Format(m ? "   Total Long-term:    %6.2f MPa(%6.3f%%)" : "   Total Long-term:    %6.3f ksi(%6.3f%%)",
                   ksi(longTerm), Percent(longTerm, fj)));
    ctx.Add(" ");
    ctx.Add("                       ==========");
    const double total = withElastic ? longTerm + es : longTerm;
    ctx.Add(Format(m ? "Total Loss:            %6.2f MPa(%6.3f%%)" : "Total Loss:            %6.3f ksi(%6.3f%%)",
                   ksi(total), Percent(total, fj)));
}

void WritePretensioningLosses(ReportContext& ctx) {
    const CKordelDoc& d = ctx.doc;
    const bool m = ctx.metric;
    ctx.Add("Pretensioning Losses @ Midspan");
    ctx.Add("------------------------------");
    if (d.m_nLossMode == kLossesComputed) {
        switch (d.m_nLossMethod) {
            case kLossStandardSpecs:
            case kLossLrfd3rd: WriteSpecificationMethodLosses(ctx); break;
            case kLossLrfd6thDetailed: WriteDetailedLosses(ctx); break;
            case kLossLrfd6thApproximate: WriteApproximateLosses(ctx); break;
            default: break;  // no method: the heading alone
        }
        return;
    }
    const double* T = d.m_adTotalLoss;
    const double release = Conv(ctx, T[kTotalLossRelease], kKsiToMpa);
    const double releasePct = Fin(T[kTotalLossReleasePercent]);
    ctx.Add("User-Specified Values:");
    if (d.m_nTendonCount > 0) {
        ctx.Add(Format(m ? "  Total Loss @ P/T    = %6.3f MPa(%6.3f%%)" : "  Total Loss @ P/T    = %6.3f ksi(%6.3f%%)",
                       release, releasePct));
    } else {
        ctx.Add(Format(m ? "  Total Loss @ Release= %6.3f MPa(%6.3f%%)" : "  Total Loss @ Release= %6.3f ksi(%6.3f%%)",
                       release, releasePct));
    }
    ctx.Add(Format(m ? "  Total Loss @ Final  = %6.3f MPa(%6.3f%%)" : "  Total Loss @ Final  = %6.3f ksi(%6.3f%%)",
                   Conv(ctx, T[kTotalLossFinal], kKsiToMpa), Fin(T[kTotalLossFinalPercent])));
}

void WritePostTensioning(ReportContext& ctx) {
    const CKordelDoc& d = ctx.doc;
    const bool m = ctx.metric;
    auto ksi = [&](double x) { return Conv(ctx, x, kKsiToMpa); };
    auto in = [&](double x) { return Conv(ctx, x, kInToM); };
    if (d.m_nTendonCount <= 0) {
        ctx.Add("Post-Tensioning Pattern: NONE");
        ctx.Add("-----------------------------");
        return;
    }
    const double* P = d.m_adPtTotalLoss;
    const double* S = d.m_adLossSecondStage;
    const double* FA = d.m_adPtFrictionAnchorSet;

    ctx.Add("Post-Tensioning Pattern:");
    ctx.Add("------------------------");
    ctx.Add(m ? "Tendon  Strands  Duct Dia(m)   CG End(m)   CG Mid(m)   Z(m)   Stressing End  Area(mm2)  Pjack(kN)"
              : "Tendon  Strands  Duct Dia(in)  CG End(in)  CG Mid(in)  Z(in)  Stressing End  Area(in2)  Pjack(k)");
    const int tendons = ClampCount(d.m_nTendonCount, kMaxTendons);
    for (int t = 0; t < tendons; ++t) {
        const PostTensioningTendon& T = d.m_aTendons[t];
        ctx.Add(Format(m ? "  %2d       %2d       %6.3f       %6.3f      %6.3f   %6.3f         %s       %7.1f     %6.1f"
                         : "  %2d       %2d       %6.2f       %6.2f      %6.2f   %6.2f         %s       %6.2f     %6.1f",
                       t + 1, T.m_nStrands, in(static_cast<double>(T.m_fDuctDiameter)),
                       in(T.m_adProfile[kProfileStart][kProfileCg]), in(T.m_adProfile[kProfileVertex][kProfileCg]),
                       in(static_cast<double>(T.m_fZ)), T.m_strStressingEnd.c_str(),
                       Conv(ctx, static_cast<double>(d.m_afTendonArea[t]), kSqInToSqMm),
                       Conv(ctx, static_cast<double>(d.m_afTendonJackingForce[t]), kKipToKn)));
    }
    ctx.Add(" ");
    ctx.Add("Nominal PT Pattern Properties:");
    ctx.Add(Format(m ? "  Total No. Strands=%3d, Aps=%6.3f mm2, Pj= %6.1f kN"
                     : "  Total No. Strands=%3d, Aps=%6.3f in2, Pj= %6.1f Kips",
                   d.m_nPtStrandCount, Conv(ctx, d.m_dPtStrandArea, kSqInToSqMm),
                   Conv(ctx, d.m_adPtForce[kStationMidspan], kKipToKn)));
    const double cgEnd = d.m_adPtCg[kStationLeftBearing], cgMid = d.m_adPtCg[kStationMidspan];
    ctx.Add(Format(m ? "  @Beam End: cg=%6.2f m/ecc=%6.2f m   @Beam Mid: cg=%6.2f m/ecc=%6.2f m"
                     : "  @Beam End: cg=%6.2f in/ecc=%6.2f in   @Beam Mid: cg=%6.2f in/ecc=%6.2f in",
                   in(cgEnd), in(d.m_dSectionYb - cgEnd), in(cgMid), in(d.m_dSectionYb - cgMid)));
    ctx.Add(" ");
    ctx.Add("Post-Tensioning Losses @ Midspan");
    ctx.Add("--------------------------------");

    const bool computed = d.m_nTendonLossMode == kLossesComputed;
    if (computed) {
        ctx.Add(IsLrfd(d.m_nSpecification) ? "Method: LRFD Specs (3rd edition)" : "Method: Standard Specs (17th ed.)");
        // The tendons are taken as stressed 30 days before the deck is cast.
        ctx.Add(Format("Timing: Stressing of Tendons= %2.0f days, Casting of Deck= %2.0f days",
                       Fin(d.m_dAgeAtDeckCasting - 30.0), Fin(d.m_dAgeAtDeckCasting)));
        ctx.Add("                @PT Stressing        @Final");
        if (m) {
            ctx.Add(Format("Anchor Set           %6.2f MPa     %6.2f MPa   (Seating=%5.1f mm, XA=%5.1f m, Max Loss= %6.2f MPa)",
                           ksi(FA[kPtAnchorSetLoss]), ksi(FA[kPtAnchorSetLoss]), Conv(ctx, d.m_dPtAnchorSet, kInToMm),
                           Conv(ctx, FA[kPtAnchorSetLength], kFtToM), ksi(FA[kPtAnchorageLoss])));
            ctx.Add(Format("Friction             %6.2f MPa     %6.2f MPa   (K= %7.5f/m, u=%6.3f, a= %6.4f rad)",
                           ksi(FA[kPtFrictionLoss]), ksi(FA[kPtFrictionLoss]), Fin(d.m_dPtWobbleK / kFtToM),
                           Fin(d.m_dPtFrictionMu), Fin(FA[kPtAngleChange])));
        } else {
            ctx.Add(Format("Anchor Set           %6.3f ksi     %6.3f ksi   (Seating= %6.3f in, XA=%5.1f ft, Max Loss= %6.3f ksi)",
                           Fin(FA[kPtAnchorSetLoss]), Fin(FA[kPtAnchorSetLoss]), Fin(d.m_dPtAnchorSet),
                           Fin(FA[kPtAnchorSetLength]), Fin(FA[kPtAnchorageLoss])));
            ctx.Add(Format("Friction             %6.3f ksi     %6.3f ksi   (K= %7.5f/ft, u=%6.3f, a= %6.4f rad)",
                           Fin(FA[kPtFrictionLoss]), Fin(FA[kPtFrictionLoss]), Fin(d.m_dPtWobbleK),
                           Fin(d.m_dPtFrictionMu), Fin(FA[kPtAngleChange])));
        }
        ctx.Add(Format(m ? "Elastic Shortening   %6.2f MPa     %6.2f MPa   (fcgp= %6.2f MPa)"
                         : "Elastic Shortening   %6.3f ksi     %6.3f ksi   (fcgp= %6.3f ksi)",
                       ksi(S[kSecondStageTendonEs]), ksi(S[kSecondStageTendonEs]), ksi(S[kSecondStageTendonFcgp])));
        ctx.Add(Format(m ? "Steel Relaxation                    %6.2f MPa" : "Steel Relaxation                    %6.3f ksi",
                       ksi(S[kSecondStageTendonRe])));
        ctx.Add(Format(m ? "Shrinkage                           %6.2f MPa   (H=%3.0f%%)"
                         : "Shrinkage                           %6.3f ksi   (H=%3.0f%%)",
                       ksi(S[kSecondStageTendonSh]), Fin(d.m_dRelativeHumidity)));
        ctx.Add(Format(m ? "Concrete Creep                      %6.2f MPa   (fcdp= %6.2f MPa)"
                         : "Concrete Creep                      %6.3f ksi   (fcdp= %6.3f ksi)",
                       ksi(S[kSecondStageTendonCr]), ksi(S[kSecondStageMinusDfcdpt])));
        ctx.Add("                     ----------     ----------");
        if (m) {
            ctx.Add(Format("Total Loss=          %6.2f MPa     %6.2f MPa", ksi(P[kPtLossStage]), ksi(P[kPtLossFinal])));
        } else {
            // Shares of the tendon jacking stress; a design whose tendons carry no jacking stress
            // has no share to show.
            ctx.Add(Format("Total Loss=          %6.3f ksi     %6.3f ksi   (%5.2f%%, %5.2f%%)", Fin(P[kPtLossStage]),
                           Fin(P[kPtLossFinal]), Percent(P[kPtLossStage], P[kPtJackingStress]),
                           Percent(P[kPtLossFinal], P[kPtJackingStress])));
        }
    } else {
        ctx.Add("User-Specified Values:");
        if (m) {
            ctx.Add(Format("  Total Loss @ Release= %6.2f MPa", ksi(P[kPtLossStage])));
            ctx.Add(Format("  Total Loss @ Final  = %6.2f MPa", ksi(P[kPtLossFinal])));
        } else {
            ctx.Add(Format("  Total Loss @ Release= %6.3f ksi(%5.2f%%)", Fin(P[kPtLossStage]),
                           Fin(d.m_dPTSpecifiedReleaseLoss)));
            ctx.Add(Format("  Total Loss @ Final  = %6.3f ksi(%5.2f%%)", Fin(P[kPtLossFinal]),
                           Fin(d.m_dPTSpecifiedFinalLoss)));
        }
    }
    if (!computed) return;

    ctx.Add(" ");
    ctx.Add(m ? "PT Tendon Stress Check,MPa (actual stress/allowable stress):"
              : "PT Tendon Stress Check,ksi (actual stress/allowable stress):");
    const double pull = Fin(100.0 * d.m_dPtJackingFraction);
    if (d.m_nPTJackingBasis == kJackingOfFpy) {
        ctx.Add(Format("  Before Seating: %5.1f/%5.1f  (Pull=%6.3f%% of fpy)", ksi(P[kPtJackingStress]),
                       ksi(S[kSecondStageAllowJacking]), pull));
    } else if (d.m_nPTJackingBasis == kJackingOfFpu) {
        ctx.Add(Format("  Before Seating: %5.1f/%5.1f  (Pull=%6.3f%% of fpu)", ksi(P[kPtJackingStress]),
                       ksi(S[kSecondStageAllowJacking]), pull));
    }
    ctx.Add(Format("  After Seating : L End: @anchorage: %5.1f/%5.1f, @end of anchor zone: %5.1f/%5.1f",
                   ksi(P[kPtLeftAnchorage]), ksi(S[kSecondStageAllowAnchorage]), ksi(P[kPtLeftAnchorZoneEnd]),
                   ksi(S[kSecondStageAllowAnchorZone])));
    ctx.Add(Format("                : R End: @anchorage: %5.1f/%5.1f, @end of anchor zone: %5.1f/%5.1f",
                   ksi(P[kPtRightAnchorage]), ksi(S[kSecondStageAllowAnchorage]), ksi(P[kPtRightAnchorZoneEnd]),
                   ksi(S[kSecondStageAllowAnchorZone])));
    ctx.Add(Format("  At Final      : %5.1f/%5.1f", ksi(P[kPtJackingStress] - P[kPtLossFinal]),
                   ksi(S[kSecondStageAllowService])));
}

/// One layout row of longitudinal bars.
void WriteRebarRows(ReportContext& ctx, const double (*rows)[kRebarRowValueCount], int count,
                    const char* firstLead) {
    const bool m = ctx.metric;
    for (int r = 0; r < ClampCount(count, kMaxLongitRebarRows); ++r) {
        const double* v = rows[r];
        const std::string lead = r == 0 ? firstLead : "         ";
        const std::string values =
            Format(m ? "%2.0f     %2.0f      %7.3f      %7.3f    %7.3f      %7.0f "
                     : "%2.0f     %2.0f      %6.2f       %6.2f     %6.2f      %6.2f ",
                   Fin(v[kRebarRowBars]), Fin(v[kRebarRowBarSize]), Conv(ctx, v[kRebarRowElevation], kInToM),
                   Conv(ctx, v[kRebarRowStart], kFtToM), Conv(ctx, v[kRebarRowEnd], kFtToM),
                   Conv(ctx, v[kRebarRowArea], kSqInToSqMm));
        ctx.Add(lead + values);
    }
}

void WriteMildReinforcement(ReportContext& ctx) {
    const CKordelDoc& d = ctx.doc;
    const bool m = ctx.metric;
    if (d.m_nGirderRebarRowCount != 0 || d.m_nDeckRebarRowCount != 0) {
        if (m) {
            ctx.Add("Longitudinal Reinforcing (rebar):");
            ctx.Add("         Qty  Bar Size    Ht.(m)     Start(m)    End(m)  Nominal Area(mm2)");
        } else {
            ctx.Add("Non-Prestressed (Mild) Reinforcement:");
            ctx.Add("------------------------------------");
            ctx.Add("Logitudinal Reinforcing (rebar):");
            ctx.Add("         Qty  Bar Size   Ht.(in)    Start(ft)   End(ft)  Nominal Area(in2)");
        }
        WriteRebarRows(ctx, d.m_adGirderRebarRows, d.m_nGirderRebarRowCount, "In Beam: ");
        WriteRebarRows(ctx, d.m_adDeckRebarRows, d.m_nDeckRebarRowCount, "In Deck: ");
        ctx.Add(" ");
    }
    if (d.m_nStirrupZoneCount == 0) return;
    const int zones = ClampCount(d.m_nStirrupZoneCount, kMaxStirrupZones);
    if (d.m_bStirrupLayout) {
        ctx.Add(Format("Transverse Reinforcement (stirrups): (No. legs:%2d)", d.m_nStirrupLegs));
        if (m) {
            ctx.Add("--------------------------------------------------");
            ctx.Add("Zone    Gap(m)  Bar Size  No. Spaces @ Spacing(mm)   Zone End(m)  Area(mm2/mm)");
        } else {
            ctx.Add("----------------------------------------------");
            ctx.Add("Zone   Gap(ft)  Bar Size  No. Spaces @ Spacing(in)  Zone End(ft)  Area(in2/ft)");
        }
        for (int z = 0; z < zones; ++z) {
            const double* v = d.m_adStirrupZones[z];
            ctx.Add(Format(m ? "%2d     %7.3f     %2.0f          %2.0f    @   %6.0f       %7.3f       %7.3f"
                             : "%2d     %6.2f     %2.0f          %2.0f     @   %6.2f       %6.2f       %6.2f",
                           z + 1, Conv(ctx, v[kZoneGap], kFtToM), Fin(v[kZoneBarSize]), Fin(v[kZoneSpaces]),
                           Conv(ctx, v[kZoneSpacing], kInToMm), Conv(ctx, v[kZoneEnd], kFtToM),
                           Conv(ctx, v[kZoneArea], kSqInPerFtToSqMmPerMm)));
        }
    } else {
        ctx.Add("Transverse Reinforcement (steel area):");
        ctx.Add("--------------------------------------");
        ctx.Add(m ? "Zone   Area(mm2/mm)   Length(m)    Start(m)    End(m)"
                  : "Zone   Area(in2/ft)   Length(ft)   Start(ft)   End(ft)");
        for (int z = 0; z < zones; ++z) {
            const double* v = d.m_adStirrupZones[z];
            ctx.Add(Format("%2d        %6.2f       %6.2f      %6.2f      %6.2f", z + 1,
                           Conv(ctx, v[kZoneArea], kSqInPerFtToSqMmPerMm), Conv(ctx, v[kZoneLength], kFtToM),
                           Conv(ctx, v[kZoneEnd] - v[kZoneLength], kFtToM), Conv(ctx, v[kZoneEnd], kFtToM)));
        }
    }
    ctx.Add(" ");
}

void WriteAnalysisOptions(ReportContext& ctx) {
    const CKordelDoc& d = ctx.doc;
    auto doNot = [](int flag) { return flag == 1 ? "" : "Do Not "; };
    const char* transform = "No Loads";
    switch (d.m_nTransformStrandsMode) {
        case kTransformLiveLoad: transform = "Live Load"; break;
        case kTransformAll: transform = "All Loads"; break;
        case kTransformAllButLiveLoad: transform = "All but LL"; break;
        default: break;
    }
    const char* width = d.m_nEffWidthMethod == kEffWidthCaltrans ? "Caltrans"
                        : d.m_nEffWidthMethod == kEffWidthUser   ? "User Asgn."
                                                                 : "AASHTO";
    ctx.Add("Analysis Options:");
    ctx.Add("----------------");
    ctx.Add(Format("Section Props  : Transform Strand for %s, Compute Effective Deck Width by %s", transform, width));
    // "Strengh" is the metric form's own spelling of this line.
    ctx.Add(Format(ctx.metric ? "Load Combos    : %sInclude Strengh II, %sUse Service Combo I"
                              : "Load Combos    : %sInclude Strength II, %sUse Service Combo I",
                   doNot(d.m_bIncludeStrengthII), doNot(d.m_bServiceComboI)));
    ctx.Add(Format("Shear Design   : %sEvaluate Vc as Reinforced, %sUse All Steel for Dv",
                   doNot(d.m_bVcQuarterPtsReinforced), doNot(d.m_bDvAllSteel)));
    ctx.Add(Format("Strength Design: %sTreat Interior Piers as Reinforced", doNot(d.m_bInteriorPiersReinforced)));
    ctx.Add(Format("Live Load      : %sCheck Single Lane Loading, %sCheck Lowboy", doNot(d.m_bCheckSingleLane),
                   doNot(d.m_bCheckLowboy)));
    ctx.Add(Format("                 %sAdjust Moment DF With Skew, %sIncrease Double Truck Loads",
                   doNot(d.m_bSkewAdjustMomentDf), doNot(d.m_bIncreasedDoubleTruck)));
    ctx.Add(Format("                 %sUse Fatigue 1 Truck Instead Of HL-93 for Fatigue Stress Check",
                   doNot(d.m_bFatigueOneTruck)));
}

}  // namespace

void WritePrestressInputBlock(ReportContext& ctx) {
    if (!ctx.switches.inputData) return;
    WriteStrandPattern(ctx);
    WritePretensioningLosses(ctx);
    ctx.Add(" ");
    WritePostTensioning(ctx);
    ctx.Add(" ");
    WriteMildReinforcement(ctx);
    WriteAnalysisOptions(ctx);
}

}  // namespace kordel

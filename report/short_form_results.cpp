// Short form: strand pattern, reinforcement, release and final stresses, camber, vertical shear,
// the anchorage zone, interface shear and flexure. The report formats what the analysis stored;
// the metric form multiplies the stored US value at print time and marks by the US values.
#include <string>

#include "document/kordel_doc.h"
#include "report/format.h"
#include "report/short_form_common.h"
#include "report/text_report.h"

namespace kordel {
namespace {

using namespace short_form;

/// Collects the entries of a repeated item and writes them `perLine` to a line; each line starts
/// with two blanks.
class EntryLines {
public:
    EntryLines(ReportContext& ctx, int perLine) : m_ctx(ctx), m_perLine(perLine) {}

    void Append(const std::string& entry) {
        m_line += entry;
        if (++m_count == m_perLine) {
            m_ctx.Add(m_line);
            m_line = kStart;
            m_count = 0;
        }
    }
    /// Writes the open line, also when it holds no entry.
    void Flush() { m_ctx.Add(m_line); }
    /// Writes the open line only when it holds an entry.
    void FlushIfAny() {
        if (m_count > 0) m_ctx.Add(m_line);
    }

private:
    static constexpr const char* kStart = "  ";
    ReportContext& m_ctx;
    int m_perLine;
    int m_count = 0;
    std::string m_line = kStart;
};

/// A row of numbers separated by one blank, after an optional label; a mark character takes the
/// place of the blank before the next number.
class NumberRow {
public:
    explicit NumberRow(std::string label = "") : m_text(std::move(label)) {}

    void Num(int width, int decimals, double value) {
        if (!m_glued) m_text += ' ';
        m_glued = false;
        AppendFormat(m_text, "%*.*f", width, decimals, Fin(value));
    }
    void Mark(char c) {
        m_text += c;
        m_glued = true;
    }
    const std::string& Text() const { return m_text; }

private:
    std::string m_text;
    bool m_glued = true;
};

/// True for the columns of the stress tables printed two decimals narrower (stations 20, 30, 70
/// and 80: the third, fourth, tenth and eleventh columns).
bool NarrowStressColumn(int column) {
    return column == 2 || column == 3 || column == 9 || column == 10;
}

// ---- Strand pattern ------------------------------------------------------------------------

void WriteStrandPattern(ReportContext& ctx) {
    const CKordelDoc& d = ctx.doc;
    const bool m = ctx.metric;
    const double ft = m ? kFtToM : 1.0;
    const double in = m ? kInToM : 1.0;

    ctx.Add(m ? "STRAND PATTERN: (No. @ Elev.(m))" : "STRAND PATTERN:");
    // The metric form always lists the pattern.
    const bool pattern = m || d.m_nPretensionEntryMode == kEntryStrandPattern;
    auto rowEntry = [&](double count, double elevation) {
        return m ? Format(" %2.0f@%5.3f", Fin(count), Fin(elevation * kInToM))
                 : Format(" %2.0f@%4.2f", Fin(count), Fin(elevation));
    };
    const double eccEnd = d.m_dSectionYb - d.m_dStrandCgEnd;
    const double eccMid = d.m_dSectionYb - d.m_dStrandCgMid;

    if (pattern) {
        ctx.Add("Straight Strands:");
        {
            EntryLines lines(ctx, 8);
            const int rows = ClampCount(d.m_nTemplateRowCount, kMaxPatternRows);
            for (int r = 0; r < rows; ++r) {
                const StrandPatternRow& row = d.m_aEndRows[r];
                if (row[kRowStraightCount] != 0) {
                    lines.Append(rowEntry(row[kRowStraightCount], row[kRowStraightElevation]));
                }
            }
            lines.Flush();
        }
        if (d.m_nDrapedStrandRows != 0) {
            ctx.Add(Format(m ? "Draped Strands: (depressed pt:%7.3f m (%5.3fL))"
                             : "Draped Strands: (depressed pt:%7.3f ft (%5.3fL))",
                           Fin(d.m_adStationX[kStationLeftDrape] * ft), Fin(d.m_dDrapeFraction)));
            ctx.Add("  @ beam end:");
            {
                // The draped strands at the girder end sit at the row's draped elevation, the
                // one the strand groups are built from.
                EntryLines lines(ctx, 8);
                for (const StrandPatternRow& row : d.m_aEndRows) {
                    if (row[kRowDrapedCount] != 0) {
                        lines.Append(rowEntry(row[kRowDrapedCount], row[kRowDrapedElevation]));
                    }
                }
                lines.Flush();
            }
            ctx.Add("  @ drape point:");
            {
                EntryLines lines(ctx, 8);
                for (const StrandPatternRow& row : d.m_aDrapeRows) {
                    if (row[kRowDrapedCount] != 0) {
                        lines.Append(rowEntry(row[kRowDrapedCount], row[kRowDrapedElevation]));
                    }
                }
                lines.Flush();
            }
            ctx.Add("Hold-Down Forces:");
            ctx.Add(Format(m ? "  Force =%7.3f kN" : "  Force =%7.3f kip",
                           Fin(d.m_adHoldDownSummary[kHoldDownForce] * (m ? kKipToKn : 1.0))));
            if (d.m_dDrapeFraction == 0.5) {
                ctx.Add(Format(m ? "  Loc1=%7.3f m" : "  Loc1=%7.3f ft",
                               Fin(d.m_adHoldDownSummary[kHoldDownFirstPoint] * ft)));
            } else {
                ctx.Add(Format(m ? "  Loc1=%7.3f m, Loc2=%7.3f m" : "  Loc1=%7.3f ft, Loc2=%7.3f ft",
                               Fin(d.m_adHoldDownSummary[kHoldDownFirstPoint] * ft),
                               Fin(d.m_adHoldDownSummary[kHoldDownSecondPoint] * ft)));
            }
        }

        if (d.m_anDebondFlags[kDebondFlagEnd] == 0 && d.m_anDebondFlags[kDebondFlagMid] == 0) {
            ctx.Add("Debonding: NONE");
        } else {
            ctx.Add(m ? "Debonding: (Format: no. @ height end/height mid (m) for distance (m))"
                      : "Debonding: (Format: no. @ height end/height mid (in) for distance (ft))");
            const int groups = ClampCount(d.m_nStrandGroupCount, kMaxStrandGroups);
            auto debondLines = [&](const char* heading, int lengthValue) {
                ctx.Add(heading);
                EntryLines lines(ctx, 3);
                for (int g = 0; g < groups; ++g) {
                    const StrandGroup& G = d.m_aStrandGroup[g];
                    if (G[lengthValue] == 0) continue;
                    if (m) {
                        lines.Append(Format(" %1.0f@%5.3f/%5.3f for %4.2f,", Fin(G[kGroupStrands]),
                                            Fin(G[kGroupElevationEnd] * kInToM),
                                            Fin(G[kGroupElevationDrape] * kInToM),
                                            Fin(G[lengthValue] * kFtToM)));
                    } else if (lengthValue == kGroupDebondEnd) {
                        lines.Append(Format(" %1.0f@%5.2f/%5.2f for %3.1f,", Fin(G[kGroupStrands]),
                                            Fin(G[kGroupElevationEnd]), Fin(G[kGroupElevationDrape]),
                                            Fin(G[lengthValue])));
                    } else {
                        lines.Append(Format(" %1.0f@%5.2f/%5.2f for %2.0f,", Fin(G[kGroupStrands]),
                                            Fin(G[kGroupElevationEnd]), Fin(G[kGroupElevationDrape]),
                                            Fin(G[lengthValue])));
                    }
                }
                lines.FlushIfAny();
            };
            if (d.m_anDebondFlags[kDebondFlagEnd] != 0) debondLines("  end:", kGroupDebondEnd);
            if (d.m_anDebondFlags[kDebondFlagMid] != 0) debondLines("  mid:", kGroupDebondMid);
        }

        ctx.Add("Nominal Pattern Properties:");
        if (m) {
            ctx.Add(Format("  Total No.=%3d, Aps=%6.1f mm2, Pull=%5.3f%%, fj=%6.1f MPa, Pj=%6.1f kN, "
                           "Pr=%6.1f kN, Pf=%6.1f kN",
                           d.m_nStrandCount, Fin(d.m_dStrandArea * kSqInToSqMm),
                           Fin(100.0 * d.m_dPullFraction), Fin(d.m_dStrandStressJacking * kKsiToMpa),
                           Fin(d.m_adStrandForceSummary[kSummaryJackingForce] * kKipToKn),
                           Fin(d.m_adStrandForceSummary[kSummaryReleaseForce] * kKipToKn),
                           Fin(d.m_adStrandStressFinal[kFinalStrandForce] * kKipToKn)));
            ctx.Add(Format("  @Beam End: cg=%6.3f m/ecc=%6.3f m   @Beam Mid: cg=%6.3f m/ecc=%6.3f m",
                           Fin(d.m_dStrandCgEnd * in), Fin(eccEnd * in), Fin(d.m_dStrandCgMid * in),
                           Fin(eccMid * in)));
        } else {
            ctx.Add(Format("  Total No.=%3d, Aps=%6.3f in2, Pull=%5.3f%%, fj=%6.1f ksi, Pj=%6.1f kip, "
                           "Pr=%6.1f kip, Pf=%6.1f kip",
                           d.m_nStrandCount, Fin(d.m_dStrandArea), Fin(100.0 * d.m_dPullFraction),
                           Fin(d.m_dStrandStressJacking),
                           Fin(d.m_adStrandForceSummary[kSummaryJackingForce]),
                           Fin(d.m_adStrandForceSummary[kSummaryReleaseForce]),
                           Fin(d.m_adStrandStressFinal[kFinalStrandForce])));
            ctx.Add(Format("  @Beam End: cg=%6.2f in/ecc=%6.2f in   @Beam Mid: cg=%6.2f in/ecc=%6.2f in",
                           Fin(d.m_dStrandCgEnd), Fin(eccEnd), Fin(d.m_dStrandCgMid), Fin(eccMid)));
            ctx.Add(Format("Total Prestress Losses: @release=%6.3f ksi(%6.3f%%)  @final=%6.3f ksi(%6.3f%%)",
                           Fin(d.m_adTotalLoss[kTotalLossRelease]),
                           Fin(d.m_adTotalLoss[kTotalLossReleasePercent]),
                           Fin(d.m_adTotalLoss[kTotalLossFinal]),
                           Fin(d.m_adTotalLoss[kTotalLossFinalPercent])));
        }
        return;
    }

    ctx.Add("Method: Prestressing specified as total jacking force @ CGend, CGmid");
    ctx.Add(Format("Pj=%6.1f kip, Pr=%6.1f kip, Pf=%6.1f kip  Aps=%6.3f in2, Pull=%5.3f%%, fj=%6.1f ksi, ",
                   Fin(d.m_adStrandForceSummary[kSummaryJackingForce]),
                   Fin(d.m_adStrandForceSummary[kSummaryReleaseForce]),
                   Fin(d.m_adStrandStressFinal[kFinalStrandForce]), Fin(d.m_dStrandArea),
                   Fin(100.0 * d.m_dPullFraction), Fin(d.m_dStrandStressJacking)));
    ctx.Add(Format("@Beam End: cg=%6.2f in/ecc=%6.2f in   @Beam Mid: cg=%6.2f in/ecc=%6.2f in",
                   Fin(d.m_dStrandCgEnd), Fin(eccEnd), Fin(d.m_dStrandCgMid), Fin(eccMid)));
    ctx.Add(" ");
}

// ---- Mild reinforcement --------------------------------------------------------------------

void WriteLongitudinalRebar(ReportContext& ctx) {
    const CKordelDoc& d = ctx.doc;
    const bool m = ctx.metric;
    if (d.m_nGirderRebarRowCount == 0 && d.m_nDeckRebarRowCount == 0) return;

    ctx.Add("LONGITUDINAL REINFORCING (REBAR):");
    ctx.Add(m ? "         Qty  Bar Size    Ht.(m)     Start(m)    End(m)  Nominal Area(mm2)"
              : "         Qty  Bar Size   Ht.(in)    Start(ft)   End(ft)  Nominal Area(in2)");
    auto rows = [&](const char* first, int count, const double (*table)[kRebarRowValueCount]) {
        const int n = ClampCount(count, kMaxLongitRebarRows);
        for (int r = 0; r < n; ++r) {
            const double* v = table[r];
            const char* lead = r == 0 ? first : "         ";
            if (m) {
                ctx.Add(Format("%s%2.0f     %2.0f      %7.3f      %7.3f    %7.3f      %7.0f ", lead,
                               Fin(v[kRebarRowBars]), Fin(v[kRebarRowBarSize]),
                               Fin(v[kRebarRowElevation] * kInToM), Fin(v[kRebarRowStart] * kFtToM),
                               Fin(v[kRebarRowEnd] * kFtToM), Fin(v[kRebarRowArea] * kSqInToSqMm)));
            } else {
                ctx.Add(Format("%s%2.0f     %2.0f      %6.2f       %6.2f     %6.2f      %6.2f ", lead,
                               Fin(v[kRebarRowBars]), Fin(v[kRebarRowBarSize]),
                               Fin(v[kRebarRowElevation]), Fin(v[kRebarRowStart]),
                               Fin(v[kRebarRowEnd]), Fin(v[kRebarRowArea])));
            }
        }
    };
    rows("In Beam: ", d.m_nGirderRebarRowCount, d.m_adGirderRebarRows);
    rows("In Deck: ", d.m_nDeckRebarRowCount, d.m_adDeckRebarRows);
}

void WriteTransverseRebar(ReportContext& ctx) {
    const CKordelDoc& d = ctx.doc;
    const bool m = ctx.metric;
    if (d.m_nStirrupZoneCount == 0) return;
    const int zones = ClampCount(d.m_nStirrupZoneCount, kMaxStirrupZones);
    const double ft = m ? kFtToM : 1.0;
    const double area = m ? kSqInPerFtToSqMmPerMm : 1.0;

    if (d.m_bStirrupLayout) {
        ctx.Add(Format("TRANSVERSE REINFORCEMENT (STIRRUPS): (No. legs:%2d)", d.m_nStirrupLegs));
        ctx.Add(m ? "Zone    Gap(m)  Bar Size  No. Spaces @ Spacing(mm)   Zone End(m)  Area(mm2/mm)"
                  : "Zone   Gap(ft)  Bar Size  No. Spaces @ Spacing(in)  Zone End(ft)  Area(in2/ft)");
        for (int z = 0; z < zones; ++z) {
            const double* v = d.m_adStirrupZones[z];
            if (m) {
                ctx.Add(Format("%2d     %7.3f     %2.0f          %2.0f    @   %6.0f       %7.3f       %7.3f",
                               z + 1, Fin(v[kZoneGap] * ft), Fin(v[kZoneBarSize]),
                               Fin(v[kZoneSpaces]), Fin(v[kZoneSpacing] * kInToMm),
                               Fin(v[kZoneEnd] * ft), Fin(v[kZoneArea] * area)));
            } else {
                ctx.Add(Format("%2d     %6.2f     %2.0f          %2.0f     @   %6.2f       %6.2f       %6.2f",
                               z + 1, Fin(v[kZoneGap]), Fin(v[kZoneBarSize]), Fin(v[kZoneSpaces]),
                               Fin(v[kZoneSpacing]), Fin(v[kZoneEnd]), Fin(v[kZoneArea])));
            }
        }
        return;
    }
    ctx.Add("TRANSVERSE REINFORCEMENT (STEEL AREA)");
    ctx.Add(m ? "Zone   Area(mm2/mm)   Length(m)    Start(m)    End(m)"
              : "Zone   Area(in2/ft)   Length(ft)   Start(ft)   End(ft)");
    for (int z = 0; z < zones; ++z) {
        const double* v = d.m_adStirrupZones[z];
        ctx.Add(Format("%2d        %6.2f       %6.2f      %6.2f      %6.2f", z + 1,
                       Fin(v[kZoneArea] * area), Fin(v[kZoneLength] * ft),
                       Fin((v[kZoneEnd] - v[kZoneLength]) * ft), Fin(v[kZoneEnd] * ft)));
    }
}

// ---- Service stresses ----------------------------------------------------------------------

/// The station line of the stress tables.
void AddStressLocations(ReportContext& ctx) {
    const CKordelDoc& d = ctx.doc;
    std::string line = ctx.metric ? "Loc(m)   " : "Loc(ft)  ";
    const double ft = ctx.metric ? kFtToM : 1.0;
    const int decimals = ctx.metric ? 3 : 2;
    // Two blanks before the wide columns, one before the narrow ones and the column after them.
    static const char* const kLead[13] = {"", "  ", " ", " ", "  ", "  ", "  ",
                                          "  ", "  ", " ", " ", "  ", "  "};
    for (int c = 0; c < 13; ++c) {
        line += kLead[c];
        AppendFormat(line, "%6.*f", decimals, Fin(d.m_adStationX[kStressStations[c]] * ft));
    }
    ctx.Add(std::move(line));
}

/// A stress row: the label, then the value at each stress station with its mark. A value at or
/// beyond an allowable (tension negative) is marked when asterisks are on; the test uses the
/// stored ksi values in both unit systems.
void AddStressRow(ReportContext& ctx, const char* label, int combination, int entry,
                  double tension, double compression, bool marks = true) {
    const CKordelDoc& d = ctx.doc;
    const double ksi = ctx.metric ? kKsiToMpa : 1.0;
    std::string line = label;
    for (int c = 0; c < 13; ++c) {
        const double f = d.m_aServiceStress[kStressStations[c]][combination][entry];
        line += NarrowStressColumn(c) ? Format("%6.2f", Fin(f * ksi)) : Format("%7.3f", Fin(f * ksi));
        const bool beyond = f <= tension || f >= compression;
        if (marks) line += d.m_bShowAsterisks && beyond ? '*' : ' ';
    }
    ctx.Add(std::move(line));
}

/// The deck-stress row "P+Pm  d:": values separated by one blank, never marked.
void AddDeckStressRow(ReportContext& ctx, int combination) {
    const CKordelDoc& d = ctx.doc;
    const double ksi = ctx.metric ? kKsiToMpa : 1.0;
    NumberRow row("P+Pm  d:");
    for (int c = 0; c < 13; ++c) {
        const double f = d.m_aServiceStress[kStressStations[c]][combination][kServiceDeckTop];
        if (NarrowStressColumn(c)) {
            row.Num(6, 2, f * ksi);
        } else {
            row.Num(7, 3, f * ksi);
        }
    }
    ctx.Add(row.Text());
}

void WriteReleaseStresses(ReportContext& ctx) {
    const CKordelDoc& d = ctx.doc;
    const bool m = ctx.metric;
    const double ksi = m ? kKsiToMpa : 1.0;
    ctx.Add(Format(m ? "RELEASE STRESSES (Allowable: tens=%6.3f, comp=%6.3f) (MPa)"
                     : "RELEASE STRESSES (Allowable: tens=%6.3f ksi, comp=%6.3f ksi)",
                   Fin(d.m_dAllowReleaseTension * ksi), Fin(d.m_dAllowReleaseCompression * ksi)));
    ctx.Add("             Lt    0.1L   0.2L   0.3L    0.4L   DepPt    0.5L   DepPt    0.6L   0.7L   "
            "0.8L    0.9L      Lt   ");
    AddStressLocations(ctx);
    AddStressRow(ctx, "PS+Bm t:", kServiceRelease, kServiceTop, d.m_dAllowReleaseTension,
                 d.m_dAllowReleaseCompression);
    AddStressRow(ctx, "      b:", kServiceRelease, kServiceBottom, d.m_dAllowReleaseTension,
                 d.m_dAllowReleaseCompression);
    if (d.m_bReleaseTensionSteelRequired) {
        if (m) ctx.Add(" ");
        std::string line = m ? "Astt,mm2" : "Astt,in2";
        for (int c = 0; c < 13; ++c) {
            const double as = d.m_adReleaseTensionSteel[kStressStations[c]];
            const bool narrow = NarrowStressColumn(c);
            if (!(as > 0)) {
                line += narrow ? "    -- " : "     -- ";
            } else if (m) {
                line += narrow ? Format("%6.1f ", Fin(as * kSqInToSqMm))
                               : Format("%7.1f ", Fin(as * kSqInToSqMm));
            } else {
                line += narrow ? Format("%6.2f ", Fin(as)) : Format("%7.3f ", Fin(as));
            }
        }
        ctx.Add(std::move(line));
    }
}

void WriteFinalStresses(ReportContext& ctx) {
    const CKordelDoc& d = ctx.doc;
    const bool m = ctx.metric;
    const double ksi = m ? kKsiToMpa : 1.0;
    ctx.Add(Format(m ? "FINAL STRESSES (tens=%6.3f, comp:prm=%6.3f, 0.5prm+LL=%6.3f, prm+LL=%6.3f) (MPa)"
                     : "FINAL STRESSES (tens=%6.3f ksi, comp:prm=%6.3f ksi, 0.5prm+LL=%6.3f ksi, "
                       "prm+LL=%6.3f ksi)",
                   Fin(d.m_dAllowFinalTensionAllLoads * ksi),
                   Fin(d.m_dAllowFinalCompressionPermanent * ksi),
                   Fin(d.m_dAllowFinalCompressionHalfPermanentLL * ksi),
                   Fin(d.m_dAllowFinalCompressionAllLoads * ksi)));
    ctx.Add(m ? "           Lt      0.1L   0.2L   0.3L    0.4L   DepPt    0.5L   DepPt    0.6L   0.7L   "
                "0.8L    0.9L      Lt"
              : "             Lt    0.1L   0.2L   0.3L    0.4L   DepPt    0.5L   DepPt    0.6L   0.7L   "
                "0.8L    0.9L      Lt");
    AddStressLocations(ctx);
    const double tension = d.m_dAllowFinalTensionAllLoads;
    const double compression = d.m_dAllowFinalCompressionAllLoads;
    if (d.m_bContinuous) {
        ctx.Add("Negative Moment Envelope:");
        AddDeckStressRow(ctx, kServiceAllLoadsNegative);
        AddStressRow(ctx, " +L   t:", kServiceAllLoadsNegative, kServiceTop, tension, compression);
        AddStressRow(ctx, "      b:", kServiceAllLoadsNegative, kServiceBottom, tension, compression);
        ctx.Add("Positive Moment Envelope:");
    }
    if (d.m_bCompositeDeck) AddDeckStressRow(ctx, kServiceAllLoadsPositive);
    AddStressRow(ctx, " +L   t:", kServiceAllLoadsPositive, kServiceTop, tension, compression);
    AddStressRow(ctx, "      b:", kServiceAllLoadsPositive, kServiceBottom, tension, compression);
}

// ---- Camber and deflection -----------------------------------------------------------------

void WriteCamber(ReportContext& ctx) {
    const CKordelDoc& d = ctx.doc;
    const bool m = ctx.metric;
    const double* quarter = d.m_adDeflectionSummary + kDeflSummaryQuarterFirst;
    const double* mid = d.m_adCamberSummary;
    // Girder and pretensioning at release and at erection.
    const double qRelease = quarter[kCamberPretension] + quarter[kCamberGirder];
    const double qErect = quarter[kCamberPretensionErection] + quarter[kCamberGirderErection];
    const double mRelease = mid[kCamberPretension] + mid[kCamberGirder];
    const double mErect = mid[kCamberPretensionErection] + mid[kCamberGirderErection];
    // Final: pretensioning, post-tensioning (0 without tendons), girder and the final value of
    // every superimposed load. Leaving the tendons out would misstate the final camber of a
    // post-tensioned girder; the long form's total and the camber summary count them too.
    static const int kFinalTerms[] = {kCamberPretensionFinal,  kCamberPostTensionFinal,
                                      kCamberGirderFinal,
                                      kCamberDeck + 1,         kCamberOverlay + 1,
                                      kCamberDiaphragms + 1,   kCamberOtherNonComposite + 1,
                                      kCamberBarriers + 1,     kCamberWearingSurface + 1,
                                      kCamberOtherComposite + 1};
    double qFinal = 0;
    double mFinal = 0;
    for (int k : kFinalTerms) {
        qFinal += quarter[k];
        mFinal += mid[k];
    }

    ctx.Add("SERVICE LIMIT STATE: CAMBER & DEFLECTIONS");
    if (m) {
        ctx.Add(Format("  Beam+Prestress  : QTR PT: @release=%6.3f m @erect=%6.3f m,  MID PT: "
                       "@release=%6.3f m  @erect=%6.3f m",
                       Fin(qRelease * kInToM), Fin(qErect * kInToM), Fin(mRelease * kInToM),
                       Fin(mErect * kInToM)));
        ctx.Add(Format("  Beam+P/S+Slab+DL: QTR PT: @final=%6.3f m,  MID PT: @final=%6.3f m",
                       Fin(qFinal * kInToM), Fin(mFinal * kInToM)));
    } else {
        ctx.Add(Format("  Beam+Prestress  : QTR PT: @release=%6.2fIN @erect=%6.2fIN,  MID PT: "
                       "@release=%6.2fIN  @erect=%6.2fIN",
                       Fin(qRelease), Fin(qErect), Fin(mRelease), Fin(mErect)));
        ctx.Add(Format("  Beam+P/S+Slab+DL: QTR PT: @final=%6.2fIN,  MID PT: @final=%6.2fIN",
                       Fin(qFinal), Fin(mFinal)));
    }
}

// ---- Vertical shear ------------------------------------------------------------------------

/// One half of the shear table over `stations` (ten columns).
void WriteShearHalf(ReportContext& ctx, const int (&stations)[10], bool right) {
    const CKordelDoc& d = ctx.doc;
    const bool m = ctx.metric;
    const bool sectional = d.m_nShearMethod == kShearLrfdSectional;
    // The right half of the metric table rounds the area factor.
    const double area = !m ? 1.0 : (right ? kSqInPerFtToSqMmPerMmShort : kSqInPerFtToSqMmPerMm);
    const double kip = m ? kKipToKn : 1.0;

    if (right) {
        ctx.Add(sectional
                    ? "                0.6L     0.7L    0.75L    0.80L    0.85L    0.90L    0.95L    CritV  Fc-brng  CL-brng"
                    : "                0.6L     0.7L    0.75L    0.80L    0.85L    0.90L    0.95L      h/2  Fc-brng  CL-brng");
    } else {
        ctx.Add(sectional
                    ? "             CL-brng  Fc-brng    CritV    0.05L    0.10L    0.20L    0.25L     0.3L     0.4L     0.5L"
                    : "             CL-brng  Fc-brng      h/2    0.05L    0.10L    0.20L    0.25L     0.3L     0.4L     0.5L");
    }

    // A row: the label, then each value in `format` (width, decimals) with `gap` after it.
    auto row = [&](const char* label, const double* values, double factor, int width, int decimals,
                   const char* gap, const char* tail = "") {
        std::string line = label;
        for (int c = 0; c < 10; ++c) {
            if (c > 0) line += gap;
            AppendFormat(line, "%*.*f", width, decimals, Fin(values[stations[c]] * factor));
        }
        line += tail;
        ctx.Add(std::move(line));
    };

    if (m) {
        row("Location:   ", d.m_adStationX, kFtToM, 7, 3, "m ", right ? "m " : "m");
        row("Vu,kN        ", d.m_adVu, kKipToKn, 7, 1, "  ");
        if (right) row("Avcmp,mm2/mm ", d.m_adShearAvRequired, area, 7, 3, "  ");
        row("Av,mm2/mm    ", d.m_adShearAvDesign, area, 7, 3, "  ");
    } else {
        row("Location:   ", d.m_adStationX, 1.0, 6, 2, "FT ", "FT");
        row("Vu,kip       ", d.m_adVu, 1.0, 7, 1, "  ");
        row("Av,in2/ft    ", d.m_adShearAvDesign, 1.0, 7, 3, "  ");
    }
    {
        std::string line = m ? "Av-prv,mm2/mm" : "Av-prv,in2/ft";
        for (int c = 0; c < 10; ++c) {
            const int s = stations[c];
            AppendFormat(line, "%7.3f", Fin(d.m_adAvProvided[s] * area));
            const bool short_ = d.m_adShearAvDesign[s] > d.m_adAvProvided[s];
            line += d.m_bShowAsterisks && short_ ? "* " : "  ";
        }
        ctx.Add(std::move(line));
    }
    row(m ? "Max-spc,m    " : "Max-spc,in   ", d.m_adShearMaxSpacing, m ? kInToM : 1.0, 7, 2, "  ");
    if (sectional) {
        if (m) {
            row("Fl-req,kN    ", d.m_adLongReqVsMin, kip, 7, 1, "  ");
        } else {
            row("FlReqVsMin,k ", d.m_adLongReqVsMin, 1.0, 7, 1, "  ");
            row("FlReqVsPrv,k ", d.m_adLongReqVsProvided, 1.0, 7, 1, "  ");
        }
        ctx.Add(LongitudinalReinforcementRow(ctx, m ? "Fl-prov,kN   " : "Fl-prov,kip  ", stations));
    }
}

void WriteVerticalShear(ReportContext& ctx) {
    ctx.Add("STRENGTH LIMIT STATE: VERTICAL SHEAR");
    WriteShearHalf(ctx, kShearStationsLeft, false);
    WriteShearHalf(ctx, kShearStationsRight, true);
}

void WriteAnchorZone(ReportContext& ctx) {
    const double* az = ctx.doc.m_adAnchorZone;
    if (ctx.metric) {
        ctx.Add(Format("SERVICE LIMIT STATE: ANCHOR ZONE: P,anchor=%6.1f kN, As,anchor=%5.0f mm2, "
                       "Anchor Zone End=%5.0f mm",
                       Fin(az[kAnchorSplittingForce] * kKipToKn),
                       Fin(az[kAnchorSteelArea] * kSqInToSqMm), Fin(az[kAnchorZoneLength] * kInToMm)));
    } else {
        ctx.Add(Format("SERVICE LIMIT STATE: ANCHOR ZONE: P,anchor=%5.1f kip, As,anchor=%4.2f in2, "
                       "Anchor Zone End=%6.2f in (=%5.2f ft)",
                       Fin(az[kAnchorSplittingForce]), Fin(az[kAnchorSteelArea]),
                       Fin(az[kAnchorZoneLength]), Fin(az[kAnchorZoneLength] / 12.0)));
    }
}

// ---- Interface shear -----------------------------------------------------------------------

void WriteInterfaceShear(ReportContext& ctx) {
    const CKordelDoc& d = ctx.doc;
    const bool m = ctx.metric;
    if (!d.m_bCompositeDeck) return;
    static const int kColumns[11] = {103, 10, 20, 30, 40, 50, 60, 70, 80, 90, 106};
    const double area = m ? kSqInPerFtToSqMmPerMm : 1.0;
    const double kip = m ? kKipToKn : 1.0;

    // A row: the label, then each value in (width, decimals), one blank between.
    auto row = [&](const char* label, auto value, double factor, int width, int decimals,
                   const char* gap) {
        std::string line = label;
        for (int c = 0; c < 11; ++c) {
            if (c > 0) line += gap;
            AppendFormat(line, "%*.*f", width, decimals, Fin(value(kColumns[c]) * factor));
        }
        ctx.Add(std::move(line));
    };
    auto member = [](const double* values) { return [values](int s) { return values[s]; }; };

    ctx.Add("STRENGTH LIMIT STATE: INTERFACE SHEAR");
    if (IsLrfd(d.m_nSpecification)) {
        ctx.Add("             CritV    0.1L    0.2L    0.3L    0.4L    0.5L    0.6L    0.7L    0.8L    0.9L   CritV");
        row(m ? "Loc (m)     " : "Loc (ft)    ", member(d.m_adStationX), m ? kFtToM : 1.0, 6, 2, "  ");
        row(m ? "Vu,kN      " : "Vu,kip     ", member(d.m_adVu), kip, 7, 1, " ");
        row(m ? "Avfc,mm2/mm" : "Avfc,in2/F ", member(d.m_adInterfaceAvfc), area, 7, 3, " ");
        row(m ? "Avf,mm2/mm " : "Avf,in2/F  ", member(d.m_adInterfaceAvf), area, 7, 3, " ");
        return;
    }
    ctx.Add("                h/2    0.1L    0.2L    0.3L    0.4L    0.5L    0.6L    0.7L    0.8L    0.9L     h/2");
    row(m ? "Loc (m)     " : "Loc (ft)     ", member(d.m_adStationX), m ? kFtToM : 1.0, 6, 2, "  ");
    // The governing factored shear of the strength stage.
    row(m ? "Vu,kN       " : "Vu,K        ",
        [&d](int s) { return d.m_aFactoredShearMagnitude[s][kStrengthIPositive]; }, kip, 7, 1, " ");
    row(m ? "Avhnr,mm2/mm" : "Avh,nr,in2/F", member(d.m_adInterfaceAvhNotRough), area, 7, 3, " ");
    row(m ? "Vnh,r,kN     " : "Vnh,r,K     ", member(d.m_adInterfaceVnhRough), kip, 7, 1, " ");
    row(m ? "Avhr,mm2/mm " : "Avh,r,in2/F ", member(d.m_adInterfaceAvhRough), area, 7, 3, " ");
    if (m) ctx.Add(" ");
}

// ---- Flexure -------------------------------------------------------------------------------

/// The two heading lines of the flexure table of this design's variant.
void AddFlexureHeadings(ReportContext& ctx) {
    const CKordelDoc& d = ctx.doc;
    const bool m = ctx.metric;
    const bool lrfd = IsLrfd(d.m_nSpecification);
    const bool strengthII = d.m_bIncludeStrengthII != 0;
    if (!d.m_bStrainCompatibility) {
        if (strengthII) {
            if (m) {
                ctx.Add(lrfd ? "   Loc   Aps     dp    As     ds     c     a   fps     MuI   MuII    Mu   Mr,cmp    Mr    Mcr  Mr/Mcr   phi  Mr/Mu"
                             : "   Loc   Aps     dp    As     ds     c     a   fps     MuI   MuII    Mu   Mr,cmp    Mr    Mcr  Mr/Mcr   c/d  Mr/Mu");
                ctx.Add(lrfd ? "    m    mm2      m    mm2     m     m     m   MPa     kN-m  kN-m   kN-m   kN-m    kN-m   kN-m (>1.2)          (>1)"
                             : "    m    mm2      m    mm2     m     m     m   MPa     kN-m  kN-m   kN-m   kN-m    kN-m   kN-m (>1.2) (<0.42) (>1)");
            } else {
                ctx.Add(lrfd ? "   Loc   Aps     dp    As     ds     c     a   fps   MuI  MuII    Mu Mr,cmp     Mr    Mcr Mr/Mcr    phi  Mr/Mu"
                             : "   Loc   Aps     dp    As     ds     c     a  f*su   MuI  MuII    Mu Mr,cmp     Mr    Mcr Mr/Mcr    c/d  Mr/Mu");
                ctx.Add(lrfd ? "    ft   in2     in   in2     in    in    in   ksi  k-ft  k-ft  k-ft   k-ft   k-ft   k-ft (>1.2)          (>1)"
                             : "    ft   in2     in   in2     in    in    in   ksi  k-ft  k-ft  k-ft   k-ft   k-ft   k-ft (>1.2) (<0.42)  (>1)");
            }
        } else {
            ctx.Add(lrfd ? "   Loc   Aps     dp    As     ds     c     a     fps     Mu Mr,cmp     Mr    Mcr Mr/Mcr    phi  Mr/Mu"
                         : "   Loc   Aps     dp    As     ds     c     a    f*su     Mu Mr,cmp     Mr    Mcr Mr/Mcr    c/d  Mr/Mu");
            if (m) {
                ctx.Add(lrfd ? "     m   mm2      m   mm2      m     m     m     MPa   kN-m   kN-m   kN-m   kN-m (>1.2)          (>1)"
                             : "     m   mm2      m   mm2      m     m     m     MPa   kN-m   kN-m   kN-m   kN-m (>1.2) (<0.42)  (>1)");
            } else {
                ctx.Add(lrfd ? "    ft   in2     in   in2     in    in    in     ksi   k-ft   k-ft   k-ft   k-ft (>1.2)          (>1)"
                             : "    ft   in2     in   in2     in    in    in     ksi   k-ft   k-ft   k-ft   k-ft (>1.2) (<0.42)  (>1)");
            }
        }
        return;
    }
    if (strengthII) {
        ctx.Add(lrfd ? "   Loc   Ast    dst   Asc   dsc    Fc    dc  dcomp     c   MuI  MuII    Mu     Mr    Mcr Mr/Mcr   phi Mr/Mu"
                     : "   Loc   Ast    dst   Asc   dsc    Fc    dc  dcomp     c   MuI  MuII    Mu     Mr    Mcr Mr/Mcr   c/d Mr/Mu");
        if (m) {
            ctx.Add(lrfd ? "    m    mm2     m    mm2    m     kN     m      m     m  kN-m  kN-m  kN-m   kN-m   kN-m (>1.2)        (>1)"
                         : "    m    mm2     m    mm2    m     kN     m      m     m  kN-m  kN-m  kN-m   kN-m   kN-m (>1.2)(<0.42) (>1)");
        } else {
            ctx.Add(lrfd ? "    ft   in2     in   in2    in     k    in     in    in  k-ft  k-ft  k-ft   k-ft   k-ft (>1.2)        (>1)"
                         : "    ft   in2     in   in2    in     k    in     in    in  k-ft  k-ft  k-ft   k-ft   k-ft (>1.2)(<0.42) (>1)");
        }
        return;
    }
    ctx.Add(lrfd ? "   Loc   Ast    dst   Asc   dsc    Fc    dc  dcomp     c     Mu     Mr    Mcr Mr/Mcr   phi Mr/Mu"
                 : "   Loc   Ast    dst   Asc   dsc    Fc    dc  dcomp     c     Mu     Mr    Mcr Mr/Mcr   c/d Mr/Mu");
    if (m) {
        ctx.Add(lrfd ? "    m    mm2     m    mm2    m     kN     m      m     m   kN-m   kN-m  kN-m (>1.2)        (>1)"
                     : "    m    mm2     m    mm2    m     kN     m      m     m   kN-m   kN-m   kN-m (>1.2)(<0.42) (>1)");
    } else {
        ctx.Add(lrfd ? "    ft   in2     in   in2    in     k    in     in    in   k-ft   k-ft   k-ft (>1.2)        (>1)"
                     : "    ft   in2     in   in2    in     k    in     in    in   k-ft   k-ft   k-ft (>1.2)(<0.42) (>1)");
    }
}

/// One row of the flexure table at station `s` for moment sign `k` (0 positive, 1 negative).
void AddFlexureRow(ReportContext& ctx, int s, int k) {
    const CKordelDoc& d = ctx.doc;
    const bool m = ctx.metric;
    const bool lrfd = IsLrfd(d.m_nSpecification);
    const bool strengthII = d.m_bIncludeStrengthII != 0;
    const bool positive = k == kFlexurePositive;
    const double ft = m ? kFtToM : 1.0;
    const double in = m ? kInToM : 1.0;
    const double in2 = m ? kSqInToSqMm : 1.0;
    const double kipFt = m ? kKipFtToKnM : 1.0;
    const int areaDecimals = m ? 0 : 2;

    const double muI = positive ? d.m_aMuStrengthI[s][kStrengthMomentPositive]
                                : d.m_aMuStrengthIEnd[s][kStrengthMomentNegativeComposite];
    const double muII = positive ? d.m_aMuStrengthII[s][kStrengthMomentPositive]
                                 : d.m_aMuStrengthIIEnd[s][kStrengthMomentNegativeComposite];
    const double mu = positive ? d.m_aMuFlexure[s][kStrengthIPositive]
                               : d.m_aFactoredMomentEnvelope[s][kStrengthINegative];
    const double mr = d.m_aFlexureMr[s][k];
    const double ratio = d.m_aFlexureMrMuRatio[s][k];
    // The mark behind Mr. The metric rows of the stress block for positive moment mark Mu above
    // Mr whatever the asterisk switch says.
    const bool blockMetricPositive = m && positive && !d.m_bStrainCompatibility;
    const char mark = blockMetricPositive ? (mu > mr ? '*' : ' ')
                                          : (ratio < 1.0 && d.m_bShowAsterisks ? '*' : ' ');
    const double phiOrDepth = lrfd ? d.m_aFlexurePhi[s][k] : d.m_aFlexureDepthRatio[s][k];

    NumberRow row;
    row.Num(6, 2, d.m_adStationX[s] * ft);
    if (!d.m_bStrainCompatibility) {
        const double as = positive ? d.m_aFlexureAs[s][k] : d.m_adDeckBarArea[s];
        const double ds = positive ? d.m_aFlexureDs[s][k] : d.m_adDeckBarDepth[s];
        row.Num(5, areaDecimals, d.m_aFlexureAps[s][k] * in2);
        row.Num(6, 2, d.m_aFlexureDp[s][k] * in);
        row.Num(5, areaDecimals, as * in2);
        row.Num(6, 2, ds * in);
        row.Num(5, 2, d.m_aFlexureC[s][k] * in);
        row.Num(5, 2, d.m_aFlexureA[s][k] * in);
        const double fps = d.m_aFlexureFps[s][k] * (m ? kKsiToMpa : 1.0);
        if (strengthII && !m) {
            row.Num(5, 1, fps);
            row.Num(5, 0, muI);
            row.Num(5, 0, muII);
            row.Num(5, 0, mu);
        } else {
            row.Num(7, 1, fps);
            if (strengthII) {
                row.Num(6, 0, muI * kipFt);
                row.Num(6, 0, muII * kipFt);
            }
            row.Num(6, 0, mu * kipFt);
        }
        row.Num(6, 0, d.m_aFlexureMn[s][k] * kipFt);
        row.Num(6, 0, mr * kipFt);
        row.Mark(mark);
        row.Num(6, 0, d.m_aFlexureMcr[s][k] * kipFt);
        if (!lrfd && strengthII && !blockMetricPositive) {
            row.Num(6, 3, d.m_aFlexureMrMcrRatio[s][k]);
            row.Num(6, 2, phiOrDepth);
        } else {
            row.Num(6, 2, d.m_aFlexureMrMcrRatio[s][k]);
            row.Num(6, 3, phiOrDepth);
        }
        row.Num(6, 2, ratio);
    } else {
        const StrainCompatResult& sc = d.m_aStrainCompat[s];
        row.Num(5, areaDecimals, sc.m_adTensionArea[k] * in2);
        row.Num(6, 2, sc.m_adTensionDepth[k] * in);
        row.Num(5, areaDecimals, sc.m_adCompressionArea[k] * in2);
        row.Num(5, 2, sc.m_adCompressionSteelDepth[k] * in);
        row.Num(5, 0, sc.m_adSteelForce[k] * (m ? kKipToKn : 1.0));
        row.Num(5, 2, sc.m_adConcreteDepth[k] * in);
        row.Num(6, 2, sc.m_adCompressionDepth[k] * in);
        row.Num(5, 2, d.m_aFlexureC[s][k] * in);
        if (strengthII) {
            row.Num(5, 0, muI * kipFt);
            row.Num(5, 0, muII * kipFt);
            row.Num(5, 0, mu * kipFt);
        } else {
            row.Num(6, 0, mu * kipFt);
        }
        row.Num(6, 0, mr * kipFt);
        row.Mark(mark);
        row.Num(6, 0, d.m_aFlexureMcr[s][k] * kipFt);
        row.Num(5, 2, d.m_aFlexureMrMcrRatio[s][k]);
        row.Num(6, 3, phiOrDepth);
        row.Num(5, 2, ratio);
    }
    ctx.Add(row.Text());
}

void WriteFlexure(ReportContext& ctx) {
    const CKordelDoc& d = ctx.doc;
    const bool m = ctx.metric;
    ctx.Add("STRENGTH LIMIT STATE: FlEXURE (+M ENVELOPE)");
    AddFlexureHeadings(ctx);
    AddFlexureRow(ctx, kStationMidspan, kFlexurePositive);
    if (m) ctx.Add("");
    if (!d.m_bContinuous) return;

    ctx.Add("STRENGTH LIMIT STATE: FlEXURE (-M ENVELOPE)");
    AddFlexureHeadings(ctx);
    // The metric rows of the stress block stand at both ends whatever the moment there.
    const bool everyEnd = m && !d.m_bStrainCompatibility;
    for (int s : {kStationLeftBearing, kStationRightBearing}) {
        if (everyEnd || d.m_aFactoredMomentEnvelope[s][kStrengthINegative] < -0.000001) {
            AddFlexureRow(ctx, s, kFlexureNegative);
        }
    }
}

}  // namespace

void WriteShortFormResults(ReportContext& ctx) {
    WriteStrandPattern(ctx);
    WriteLongitudinalRebar(ctx);
    WriteTransverseRebar(ctx);
    WriteReleaseStresses(ctx);
    WriteFinalStresses(ctx);
    WriteCamber(ctx);
    WriteVerticalShear(ctx);
    WriteAnchorZone(ctx);
    WriteInterfaceShear(ctx);
    WriteFlexure(ctx);
}

}  // namespace kordel

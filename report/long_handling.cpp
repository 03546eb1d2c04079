// Long form: the girder before it reaches the bridge. The stripping check (lifted out of the form
// at release, cases A to E), the handling check (hanging from the lifting devices) and the
// shipping check (on the truck), each with its stresses, flexural strength and stability, and the
// detensioning stresses after each strand group is cut. Marks compare the stored ksi values, so a
// metric report marks exactly what the US one does.
#include <algorithm>
#include <cmath>
#include <functional>
#include <string>

#include "document/kordel_doc.h"
#include "report/format.h"
#include "report/stress_cells.h"
#include "report/text_report.h"

namespace kordel {
namespace {

constexpr int kColumns = 13;

/// The 0.2L, 0.3L, 0.7L and 0.8L columns print two decimals in a narrower cell.
constexpr bool IsNarrowColumn(int c) {
    return c == 2 || c == 3 || c == 9 || c == 10;
}

/// Letter of a stripping case, "-" for a number that names none.
const char* CaseLetter(int k) {
    static const char* const kLetters[kStripCaseCount] = {"A", "B", "C", "D", "E"};
    return k >= 0 && k < kStripCaseCount ? kLetters[k] : "-";
}

/// Stress limits of a handling table, ksi (tension and rupture negative).
struct TableLimits {
    double tension = 0;
    double compression = 0;
    double rupture = 0;
};

/// One stripping, handling or shipping table: its column stations and its end offset.
class HandlingTable {
  public:
    HandlingTable(ReportContext& ctx, bool shipping, double endOffset)
        : m_ctx(ctx),
          m_d(ctx.doc),
          m_endOffset(endOffset),
          m_ksi(ctx.metric ? kKsiToMpa : 1.0),
          m_showMarks(ctx.doc.m_bShowAsterisks != 0) {
        for (int c = 0; c < kColumns; ++c) m_station[c] = kHandlingStations[c];
        if (shipping) {
            m_station[1] = kStationLeftShip;
            m_station[kColumns - 2] = kStationRightShip;
        }
    }

    void Heading(bool shipping) {
        m_ctx.Add(shipping ? "             Lt    Bunk   0.2L   0.3L    0.4L   DepPt    0.5L   DepPt"
                             "    0.6L   0.7L   0.8L    Bunk      Lt"
                           : "             Lt    Lift   0.2L   0.3L    0.4L   DepPt    0.5L   DepPt"
                             "    0.6L   0.7L   0.8L    Lift      Lt");
    }

    /// Distances of the column stations from the left girder end.
    void LocationRow() {
        std::string line = m_ctx.metric ? "Loc(m) " : "Loc(ft)";
        for (int c = 0; c < kColumns; ++c) {
            const double x = m_d.m_adStationX[m_station[c]] + m_endOffset;  // ft
            line += IsNarrowColumn(c) ? " " : "  ";
            line += m_ctx.metric ? Num(x * kFtToM, 6, 3) : Num(x, 6, 2);
        }
        m_ctx.Add(std::move(line));
    }

    /// Eight-character label and the thirteen stresses one blank apart.
    void Plain(const char* label, const std::function<double(int)>& value) {
        std::string line = label;
        for (int c = 0; c < kColumns; ++c) {
            if (c > 0) line += ' ';
            line += Cell(c, value(m_station[c]) * m_ksi);
        }
        m_ctx.Add(std::move(line));
    }

    /// Eight-character label, then each stress followed at once by its mark.
    void Marked(const char* label, const std::function<double(int)>& value,
                const TableLimits& lim) {
        std::string line = label;
        for (int c = 0; c < kColumns; ++c) {
            const double v = value(m_station[c]);  // ksi
            line += Cell(c, v * m_ksi);
            line += RuptureMark(v, lim.tension, lim.compression, lim.rupture, m_showMarks);
        }
        m_ctx.Add(std::move(line));
    }

    /// "Astt" row of the tension-tie steel, in2 (mm2), with a dash where none is needed.
    void TensionSteelRow(const std::function<double(int)>& area) {
        std::string line = m_ctx.metric ? "Astt,mm2" : "Astt,in2";
        for (int c = 0; c < kColumns; ++c) {
            const double As = area(m_station[c]);
            const bool narrow = IsNarrowColumn(c);
            if (As > 0) {
                line += m_ctx.metric ? Num(As * kSqInToSqMm, narrow ? 6 : 7, 1)
                                     : Num(As, narrow ? 6 : 7, narrow ? 2 : 3);
                line += ' ';
            } else {
                line += narrow ? "    -- " : "     -- ";
            }
        }
        m_ctx.Add(std::move(line));
    }

  private:
    std::string Cell(int c, double v) const {
        return IsNarrowColumn(c) ? Num(v, 6, 2) : Num(v, 7, 3);
    }

    ReportContext& m_ctx;
    const CKordelDoc& m_d;
    int m_station[kColumns] = {};
    double m_endOffset;
    double m_ksi;
    bool m_showMarks;
};

/// A stress or allowable in the report's units, "%6.3f".
std::string StressText(const ReportContext& ctx, double ksi) {
    return Num(ksi * (ctx.metric ? kKsiToMpa : 1.0), 6, 3);
}

/// "Service Limit State: Stresses (ksi, Allowable: ...)" of the handling and shipping tables.
std::string AllowableTitle(const ReportContext& ctx, const TableLimits& lim) {
    return Format("Service Limit State: Stresses (%s, Allowable: tens=%s/%s, comp=%s)",
                  ctx.metric ? "MPa" : "ksi", StressText(ctx, lim.tension).c_str(),
                  StressText(ctx, lim.rupture).c_str(), StressText(ctx, lim.compression).c_str());
}

std::string ImpactLine(char sign, double percent) {
    return Format("(%c%s%% Impact)", sign, Num(percent, 5, 2).c_str());
}

// ---- Stripping ------------------------------------------------------------------------------

/// One legend line of the stripping cases: where the girder sits, from each end.
void AddCaseLegend(ReportContext& ctx, const char* text, double left, double right) {
    const double f = ctx.metric ? kFtToM : 1.0;
    const char* unit = ctx.metric ? "m" : "ft";
    ctx.Add(Format("%sBeam is supported at %s %s from left end and %s %s from right end", text,
                   Num(left * f, 5, 2).c_str(), unit, Num(right * f, 5, 2).c_str(), unit));
}

void WriteStripping(ReportContext& ctx) {
    const CKordelDoc& d = ctx.doc;
    const TableLimits lim{d.m_dReleaseTensionAllowable, d.m_dReleaseCompressionAllowable,
                          d.m_dReleaseRuptureStress};
    const char* unit = ctx.metric ? "MPa" : "ksi";
    ctx.Add("STRIPPING ANALYSIS");
    ctx.Add(
        Format("Service Limit State: Stresses (%s), f'ci =%s %s (Case %s controls, tens=%s/%s, "
               "comp=%s)",
               unit, StressText(ctx, d.m_dStripFci).c_str(), unit,
               CaseLetter(d.m_nStripGoverningCase), StressText(ctx, lim.tension).c_str(),
               StressText(ctx, lim.rupture).c_str(), StressText(ctx, lim.compression).c_str()));
    HandlingTable t(ctx, false, d.m_dStripEndOffset);
    t.Heading(false);
    t.LocationRow();
    t.Plain("P/S   t:", [&](int s) { return d.m_adStripPrestressTop[s]; });
    t.Plain("      b:", [&](int s) { return d.m_adStripPrestressBottom[s]; });

    for (int k = 0; k < kStripCaseCount; ++k) {
        if (d.m_abStripCaseActive[k] != 1) continue;
        if (d.m_abStripCaseConverged[k] != 1) {
            ctx.Add(
                Format("Case%s >>>WARNING: Iteration to find required initial release strength "
                       "does not converge, last f'ci value=%s",
                       CaseLetter(k), StressText(ctx, d.m_adStripCaseFci[k]).c_str()));
            continue;
        }
        ctx.Add(Format("Case %s", CaseLetter(k)));
        t.Marked(
            "Beam  t:", [&](int s) { return d.m_adStripGirderTop[s][k]; }, lim);
        t.Marked(
            "      b:", [&](int s) { return d.m_adStripGirderBottom[s][k]; }, lim);
        t.Marked(
            "PS+Bm t:", [&](int s) { return d.m_adStripTotalTop[s][k]; }, lim);
        t.Marked(
            "      b:", [&](int s) { return d.m_adStripTotalBottom[s][k]; }, lim);
        if (d.m_abStripCaseTensionSteel[k] == 1) {
            t.TensionSteelRow([&](int s) { return d.m_adStripTensionSteelArea[s][k]; });
        }
    }

    ctx.Add(" ");
    const double a = d.m_dLiftSupportLeft, b = d.m_dLiftSupportRight;  // ft
    AddCaseLegend(ctx, "Case A)DL beam only,               ", 0.0, 0.0);
    AddCaseLegend(ctx, "Case B)DL beam only,               ", a, b);
    if (d.m_abStripCaseActive[kStripCaseC] == 1) {
        AddCaseLegend(ctx, "Case C)DL beam + suction,          ", a, b);
    }
    if (d.m_abStripCaseActive[kStripCaseD] == 1) {
        AddCaseLegend(ctx, "Case D)DL beam + suction (if any), ", 0.0, b);
    }
    if (d.m_abStripCaseActive[kStripCaseE] == 1) {
        AddCaseLegend(ctx, "Case E)DL beam + suction (if any), ", a, 0.0);
    }
}

// ---- Handling and shipping ------------------------------------------------------------------

/// The stress rows of a handling record with the impact down, then up.
void WriteImpactSequence(ReportContext& ctx, HandlingTable& t, const HandlingStrengthArrays& H,
                         double impactPercent, const TableLimits& lim) {
    const bool postTensioned = ctx.doc.m_nPrestressType == kPostTensioned;
    for (int dir = kImpactDown; dir <= kImpactUp; ++dir) {
        ctx.Add(ImpactLine(dir == kImpactDown ? '+' : '-', impactPercent));
        auto top = [&](int entry) {
            const int slot = HandlingStressSlot(dir, entry);
            return [&H, slot](int s) { return H.m_adStressTop[s][slot]; };
        };
        auto bottom = [&](int entry) {
            const int slot = HandlingStressSlot(dir, entry);
            return [&H, slot](int s) { return H.m_adStressBottom[s][slot]; };
        };
        t.Plain("P/S   t:", top(kHandlingStressPretension));
        t.Plain("      b:", bottom(kHandlingStressPretension));
        ctx.Add(" ");
        if (postTensioned) {
            t.Plain("P/T   t:", top(kHandlingStressPostTension));
            t.Plain("      b:", bottom(kHandlingStressPostTension));
            ctx.Add(" ");
        }
        t.Plain("Beam  t:", top(kHandlingStressMoment));
        t.Plain("      b:", bottom(kHandlingStressMoment));
        ctx.Add(" ");
        t.Marked("PS+Bm t:", top(kHandlingStressTotal), lim);
        t.Marked("      b:", bottom(kHandlingStressTotal), lim);
    }
}

/// "Strength Limit State: Flexure" with its heading, units line and dashes.
void WriteStrengthHeading(ReportContext& ctx) {
    const bool lrfd = ctx.doc.m_nSpecification == kSpecLrfd;
    ctx.Add(" ");
    ctx.Add("Strength Limit State: Flexure");
    ctx.Add(lrfd
                ? "   Loc   Aps     dp    As     ds     c     a     fps     Mu Mr,cmp     Mr    Mcr"
                  " Mr/Mcr    phi  Mr/Mu"
                : "   Loc   Aps     dp    As     ds     c     a    f*su     Mu Mr,cmp     Mr    Mcr"
                  " Mr/Mcr    c/d  Mr/Mu");
    if (ctx.metric) {
        ctx.Add(
            lrfd
                ? "     m   mm2      m   mm2      m     m     m     MPa   kN-m   kN-m   kN-m   kN-m"
                  " (>1.2)          (>1)"
                : "     m   mm2      m   mm2      m     m     m     MPa   kN-m   kN-m   kN-m   kN-m"
                  " (>1.2) (<0.42)  (>1)");
    } else {
        ctx.Add(
            lrfd
                ? "    ft   in2     in   in2     in    in    in     ksi   k-ft   k-ft   k-ft   k-ft"
                  " (>1.2)          (>1)"
                : "    ft   in2     in   in2     in    in    in     ksi   k-ft   k-ft   k-ft   k-ft"
                  " (>1.2) (<0.42)  (>1)");
    }
    ctx.Add(std::string(101, '-'));
}

/// One strength row of record H at station s with the impact in direction dir.
void WriteStrengthRow(ReportContext& ctx, const HandlingStrengthArrays& H, int s, int dir) {
    const CKordelDoc& d = ctx.doc;
    const bool m = ctx.metric;
    const double ft = m ? kFtToM : 1.0;
    const double in = m ? kInToM : 1.0;
    const double in2 = m ? kSqInToSqMm : 1.0;
    const double ksi = m ? kKsiToMpa : 1.0;
    const double kft = m ? kKipFtToKnM : 1.0;
    const double Mu = H.m_adMu[s][dir], Mr = H.m_adMr[s][dir];  // k-ft
    // An overhang carries a negative Mu, which a positive Mr does not fail.
    const char* mark = Mu > Mr && d.m_bShowAsterisks != 0 ? "*" : " ";
    const double last =
        d.m_nSpecification == kSpecLrfd ? H.m_adPhi[s][dir] : H.m_adDepthRatio[s][dir];
    ctx.Add(Num((d.m_adStationX[s] + H.m_dEndOffset) * ft, 6, 2) + " " +
            Num(H.m_adAps[s][dir] * in2, 5, m ? 0 : 2) + " " + Num(H.m_adDp[s][dir] * in, 6, 2) +
            " " + Num(H.m_adAs[s][dir] * in2, 5, m ? 0 : 2) + " " +
            Num(H.m_adDs[s][dir] * in, 6, 2) + " " + Num(H.m_adC[s][dir] * in, 5, 2) + " " +
            Num(H.m_adA[s][dir] * in, 5, 2) + " " + Num(H.m_adFps[s][dir] * ksi, 7, 1) + " " +
            Num(Mu * kft, 6, 0) + " " + Num(H.m_adPhiMn[s][dir] * kft, 6, 0) + " " +
            Num(Mr * kft, 6, 0) + mark + Num(H.m_adMcr[s][dir] * kft, 6, 0) + " " +
            Ratio(H.m_adMrMcrRatio[s][dir], kHandlingRatioNoMcr, 6, 2) + " " + Num(last, 6, 3) +
            " " + Ratio(H.m_adPhiMnMuRatio[s][dir], kHandlingRatioCap, 6, 2));
}

void WriteHandling(ReportContext& ctx) {
    const CKordelDoc& d = ctx.doc;
    const bool m = ctx.metric;
    const TableLimits lim{d.m_dReleaseTensionAllowable, d.m_dReleaseCompressionAllowable,
                          d.m_dReleaseRuptureStress};
    const HandlingStrengthArrays& H = d.m_LiftingArrays;
    ctx.Add(" ");
    ctx.Add("HANDLING ANALYSIS");
    ctx.Add(AllowableTitle(ctx, lim));
    HandlingTable t(ctx, false, H.m_dEndOffset);
    t.Heading(false);
    t.LocationRow();
    WriteImpactSequence(ctx, t, H, d.m_dImpactHandling, lim);

    WriteStrengthHeading(ctx);
    ctx.Add(ImpactLine('+', d.m_dImpactHandling));
    WriteStrengthRow(ctx, H, kStationLeftLift, kImpactDown);
    ctx.Add(ImpactLine('-', d.m_dImpactHandling));
    WriteStrengthRow(ctx, H, kStationRightLift, kImpactUp);

    // Lengths in in, or m in the metric form.
    const double len = m ? kInToM : 1.0;
    const int w = m ? 4 : 3;
    const char* unit = m ? "m " : "in";
    ctx.Add(" ");
    ctx.Add("STABILITY ANALYSIS: (during handling)");
    ctx.Add(Format("Initial Lateral Eccentricity  :%s %s   Initial Vertical Camber:%s %s",
                   Num(d.m_dLiftInitialEccentricity * len, 7, w).c_str(), unit,
                   Num(d.m_dLiftCamber * len, 7, w).c_str(), m ? "m" : "in"));
    ctx.Add(Format("Height of C.G. above Roll Axis:%s %s   Tilt Angle             :%s rad",
                   Num(d.m_dLiftRollAxisHeight * len, 7, w).c_str(), unit,
                   Num(d.m_dLiftInitialTilt, 7, 3).c_str()));
    ctx.Add(Format("Lateral Deflection of the Beam:%s %s   Tilt Angle at Cracking :%s rad",
                   Num(d.m_dLiftLateralDeflection * len, 7, w).c_str(), unit,
                   Num(d.m_dLiftCrackingTilt, 7, 3).c_str()));
    ctx.Add(Format("Factor of Safety for Stability:%s",
                   Ratio(d.m_dLiftSafetyFactor, kHandlingRatioNoMcr, 7, 3).c_str()));
    ctx.Add(" ");
    ctx.Add(kPageBreakLine);
}

void WriteShipping(ReportContext& ctx) {
    const CKordelDoc& d = ctx.doc;
    const bool m = ctx.metric;
    const TableLimits lim{d.m_dShipTensionAllowable, d.m_dShipCompressionAllowable,
                          d.m_dShipRuptureStress};
    const HandlingStrengthArrays& H = d.m_ShippingArrays;
    ctx.Add(" ");
    ctx.Add("SHIPPING ANALYSIS");
    ctx.Add(AllowableTitle(ctx, lim));
    HandlingTable t(ctx, true, H.m_dEndOffset);
    t.Heading(true);
    t.LocationRow();
    WriteImpactSequence(ctx, t, H, d.m_dImpactShipping, lim);

    WriteStrengthHeading(ctx);
    ctx.Add(ImpactLine('+', d.m_dImpactShipping));
    WriteStrengthRow(ctx, H, kStationLeftShip, kImpactDown);
    WriteStrengthRow(ctx, H, kStationRightShip, kImpactDown);
    ctx.Add(ImpactLine('-', d.m_dImpactShipping));
    WriteStrengthRow(ctx, H, kStationLeftShip, kImpactUp);
    WriteStrengthRow(ctx, H, kStationRightShip, kImpactUp);

    ctx.Add(" ");
    ctx.Add("STABILITY ANALYSIS: (during shipping)");
    if (m) {
        ctx.Add(
            Format("Transport Stiff :%s m-kN/rad   Beam C. G. Above Road :%s m    "
                   "Transverse Dist :%s m",
                   Num(d.m_dTransportStiffness * kInToM * kKipToKn, 6, 0).c_str(),
                   Num(d.m_dBeamCgAboveRoad * kInToM, 6, 3).c_str(),
                   Num(d.m_dDualTireDistance * kInToM, 6, 3).c_str()));
        ctx.Add(Format("Super Elevation :%s rad        Roll Center Above Road:%s m",
                       Num(d.m_dSuperElevation, 6, 4).c_str(),
                       Num(d.m_dRollCenterAboveRoad * kInToM, 6, 3).c_str()));
    } else {
        ctx.Add(Format(
            "Transport Stiff :%s in-k/rad   Beam C. G. Above Road :%s in   "
            "Transverse Dist :%s in",
            Num(d.m_dTransportStiffness, 6, 0).c_str(), Num(d.m_dBeamCgAboveRoad, 6, 2).c_str(),
            Num(d.m_dDualTireDistance, 6, 2).c_str()));
        ctx.Add(Format("Super Elevation :%s rad        Roll Center Above Road:%s in",
                       Num(d.m_dSuperElevation, 6, 4).c_str(),
                       Num(d.m_dRollCenterAboveRoad, 6, 2).c_str()));
    }
    ctx.Add(
        Format("Tilt Angle at Cracking           :%s rad   "
               "Tilt Angle at Failure            :%s rad",
               Num(d.m_dShipCrackingTilt, 7, 3).c_str(), Num(d.m_dShipFailureTilt, 7, 3).c_str()));
    if (m) {
        ctx.Add(
            Format("Lateral Deflection at Cracking   :%s m     "
                   "Lateral Deflection at Failure    :%s m",
                   Num(d.m_dShipLateralDeflection * kInToM, 7, 4).c_str(),
                   Num(d.m_dShipFailureDeflection * kInToM, 7, 4).c_str()));
    } else {
        ctx.Add(
            Format("Lateral Deflection at Cracking   :%s in    "
                   "Lateral Deflection at Failure    :%s in",
                   Num(d.m_dShipLateralDeflection, 7, 3).c_str(),
                   Num(d.m_dShipFailureDeflection, 7, 3).c_str()));
    }
    ctx.Add(
        Format("Factor of Safety Against Cracking:%s       Factor of Safety Against Rollover:%s",
               Ratio(d.m_dShipCrackingSafetyFactor, kHandlingRatioNoMcr, 7, 3).c_str(),
               Ratio(d.m_dShipFailureSafetyFactor, kHandlingRatioNoMcr, 7, 3).c_str()));
    ctx.Add(" ");
    if (d.m_bDetensioningAnalysis == 0 || d.m_nPrestressType == kPostTensioned) ctx.PageBreak();
}

// ---- Detensioning ---------------------------------------------------------------------------

void WriteDetensioning(ReportContext& ctx) {
    const CKordelDoc& d = ctx.doc;
    const bool m = ctx.metric;
    const double ksi = m ? kKsiToMpa : 1.0;
    const double ft = m ? kFtToM : 1.0;
    const double in = m ? kInToMm : 1.0;
    // Only the sections and stages the arrays hold are read, whatever the counts say.
    const int sections = std::clamp(d.m_nDetensionSections, 0, kMaxDetensionSections);
    const int groups = std::clamp(d.m_nStrandGroupCount, 0, kMaxStrandGroups);

    ctx.Add(Format("DETENSIONING (%s, Allowable: tens=%s, comp=%s)", m ? "MPa" : "ksi",
                   StressText(ctx, d.m_dAllowReleaseTension).c_str(),
                   StressText(ctx, d.m_dAllowReleaseCompression).c_str()));
    ctx.Add("Grp Str  C.G.  Loc     Lt");
    std::string heading = m ? "          mm    m :" : "          in   ft :";
    for (int i = 0; i < sections; ++i) heading += Num(d.m_adDetensionSection[i] * ft, 6, 2) + " ";
    ctx.Add(heading);

    for (int j = 0; j < groups; ++j) {
        // The cutting order names 1-based groups; an entry that names no group in use prints
        // "--" in place of the group and its data rather than reading a stray record.
        const int g = d.m_anDetensionOrder[j];
        const bool known = g >= 1 && g <= groups;
        std::string top, bottom;
        if (known) {
            const StrandGroup& G = d.m_aStrandGroup[g - 1];
            const double n = G[kGroupStrands];
            const std::string count =
                std::isfinite(n) && std::fabs(n) < 10.0 ? Format("%1d", static_cast<int>(n)) : "-";
            top = Format("%3d  %s E%s   t:", g, count.c_str(),
                         Num(G[kGroupElevationEnd] * in, 6, 3).c_str());
            bottom = Format("       M%s   b:", Num(G[kGroupElevationDrape] * in, 6, 3).c_str());
        } else {
            top = Format("%3s  %s E%s   t:", "--", "-", Num(NAN, 6, 3).c_str());
            bottom = Format("       M%s   b:", Num(NAN, 6, 3).c_str());
        }
        // Past the first section whose bottom fibre is in tension, the stresses are left out.
        auto cells = [&](std::string& line, int table) {
            bool tensionSeen = false;
            for (int i = 0; i < sections; ++i) {
                if (d.m_aDetensionStress[kDetensionBottom][j][i] < 0) {
                    if (tensionSeen) {
                        line += "  --   ";
                        continue;
                    }
                    tensionSeen = true;
                }
                line += Num(d.m_aDetensionStress[table][j][i] * ksi, 6, 3) + " ";
            }
        };
        cells(top, kDetensionTop);
        cells(bottom, kDetensionBottom);
        ctx.Add(std::move(top));
        ctx.Add(std::move(bottom));
    }
    ctx.PageBreak();
}

}  // namespace

void WriteHandlingBlock(ReportContext& ctx) {
    const CKordelDoc& d = ctx.doc;
    if (d.m_bCheckStripping == 1 && d.m_nPrestressType != kPostTensioned) WriteStripping(ctx);
    if (d.m_bCheckHandling == 1) {
        WriteHandling(ctx);
        WriteShipping(ctx);
    }
    if (d.m_bDetensioningAnalysis == 1 && d.m_nPrestressType == kPretensionOnly &&
        d.m_nPretensionEntryMode != kEntryPrestressForce) {
        WriteDetensioning(ctx);
    }
}

}  // namespace kordel

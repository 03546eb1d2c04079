// Long form: vertical shear and the anchorage zone.
#include "report/text_report.h"

#include <cmath>
#include <string>

#include "document/kordel_doc.h"
#include "report/format.h"
#include "report/report_units.h"

// The cell formats are picked from fixed literals by unit system and row.
#pragma GCC diagnostic ignored "-Wformat-nonliteral"

namespace kordel {

namespace {

std::string Pad13(const char* label) {
    std::string s = label;
    if (s.size() < 13) s.append(13 - s.size(), ' ');
    return s;
}

/// Writer of the rows of one half table (ten stations).
class ShearHalf {
  public:
    ShearHalf(ReportContext& ctx, const int* stations, bool right)
        : m_ctx(ctx), m_d(ctx.doc), m_stations(stations), m_right(right) {}

    bool Right() const { return m_right; }

    /// A plain row: US label and cell, or metric label and cell with the value x `factor`.
    void Row(const char* usLabel, const char* usCell, const char* siLabel, const char* siCell,
             const double* values, double factor, double scale = 1.0) {
        const bool metric = m_ctx.metric;
        std::string line = Pad13(metric ? siLabel : usLabel);
        line.reserve(128);  // one allocation for the whole row
        for (int i = 0; i < 10; ++i) {
            if (i > 0) line += "  ";
            AppendFormat(line, metric ? siCell : usCell, Out(values[m_stations[i]] * scale, metric ? factor : 1.0));
        }
        m_ctx.Add(std::move(line));
    }

    /// A row whose values and cell are the same in both unit systems.
    void Plain(const char* label, const char* cell, const double* values, double scale = 1.0) {
        Row(label, cell, label, cell, values, 1.0, scale);
    }

    /// Provided stirrups, each cell marked "* " where the design Av exceeds them.
    void StirrupRow(const char* usLabel) {
        const bool metric = m_ctx.metric;
        std::string line = Pad13(metric ? "Av-prv,mm2/mm" : usLabel);
        for (int i = 0; i < 10; ++i) {
            const int s = m_stations[i];
            AppendFormat(line, "%7.3f", Out(m_d.m_adAvProvided[s], metric ? kSqInPerFtToSqMmPerMmShort : 1.0));
            line += m_d.m_adShearAvDesign[s] > m_d.m_adAvProvided[s] && m_d.m_bShowAsterisks ? "* " : "  ";
        }
        m_ctx.Add(std::move(line));
    }

    /// Provided longitudinal force, each cell marked where the demand with the provided stirrups
    /// exceeds it (strictly).
    void LongitudinalRow(const char* usLabel) {
        m_ctx.Add(LongitudinalReinforcementRow(m_ctx, m_ctx.metric ? "Fl-prov,kN   " : usLabel,
                                               m_stations));
    }

    /// The location line; `lastToTenth` prints the last metric cell to 0.1 m.
    void Locations(bool lastToTenth) {
        std::string line = "Location:   ";
        for (int i = 0; i < 10; ++i) {
            if (i > 0) line += ' ';
            const double x = m_d.m_adStationX[m_stations[i]];
            if (m_ctx.metric) {
                AppendFormat(line, lastToTenth && i == 9 ? "%7.1fm" : "%7.3fm", Out(x, kFtToM));
            } else {
                AppendFormat(line, "%6.2fFT", Out(x));
            }
        }
        m_ctx.Add(std::move(line));
    }

    /// Vc method texts (method 3, continuous girders).
    void CaseRow() {
        const auto& cases = m_d.m_saShearGoverningCase;
        auto text = [&](int i) -> const char* {
            const std::size_t s = static_cast<std::size_t>(m_stations[i]);
            return s < cases.size() ? cases[s].c_str() : "";
        };
        m_ctx.Add(Format("Vc method    %-6s  %-6s  %-6s  %-6s  %-6s  %-6s  %-6s  %-6s  %-6s  %-6s", text(0), text(1),
                         text(2), text(3), text(4), text(5), text(6), text(7), text(8), text(9)));
    }

    /// The factored maximum resistance, phi x Vr,max.
    void PhiRow(const char* usLabel, const char* siLabel) {
        double phiVr[kStationCount];
        for (int s = 0; s < kStationCount; ++s) phiVr[s] = m_d.m_dPhiShear * m_d.m_adShearVrMax[s];
        Row(usLabel, "%7.1f", siLabel, "%7.1f", phiVr, kKipToKn);
    }

  private:
    ReportContext& m_ctx;
    const CKordelDoc& m_d;
    const int* m_stations;
    bool m_right;
};

void StrengthRows(ShearHalf& h, const CKordelDoc& d) {
    if (!d.m_bIncludeStrengthII) return;
    h.Row("VuI,kip", "%7.1f", "VuI,kN", "%7.1f", d.m_adVuStrengthI, kKipToKn);
    h.Row("MuI,kip-ft", "%7.0f", "MuI,kN-m", "%7.0f", d.m_adMuStrengthI, kKipFtToKnM);
    h.Row("VuII,kip", "%7.1f", "VuII,kN", "%7.1f", d.m_adVuStrengthII, kKipToKn);
    h.Row("MuII,kip-ft", "%7.0f", "MuII,kN-m", "%7.0f", d.m_adMuStrengthII, kKipFtToKnM);
}

void StirrupDesignRows(ShearHalf& h, const CKordelDoc& d) {
    h.Row("Avcmp,in2/ft", "%7.3f", "Avcmp,mm2/mm", "%7.3f", d.m_adShearAvRequired, kSqInPerFtToSqMmPerMmShort);
    h.Row("Avmin,in2/ft", "%7.3f", "Avmin,mm2/mm", "%7.3f", d.m_adShearAvMin, kSqInPerFtToSqMmPerMmShort);
    h.Row("Av,in2/ft", "%7.3f", "Av,mm2/mm", "%7.3f", d.m_adShearAvDesign, kSqInPerFtToSqMmPerMmShort);
}

void LongitudinalDemandRows(ReportContext& ctx, ShearHalf& h, const CKordelDoc& d) {
    ctx.Add("Longit Reinf (5.8.3.5):");
    h.Row("FlReqVsMin,k", "%7.1f", "FlReqVsMin,kN", "%7.1f", d.m_adLongReqVsMin, kKipToKn);
    h.Row("Vs_prv,k", "%7.1f", "Vs_prv,kN", "%7.1f", d.m_adShearVsProvided, kKipToKn);
    h.Row("FlReqVsPrv,k", "%7.1f", "FlReqVsPrv,kN", "%7.1f", d.m_adLongReqVsProvided, kKipToKn);
}

/// The Vci/Vcw rows shared by methods 2 and 3, "Vd" to "Vc" (method 2 adds f'c_d).
void VciVcwRows(ShearHalf& h, const CKordelDoc& d, bool withFc) {
    h.Row("Vd,kip", "%7.1f", "Vd,kN", "%7.1f", d.m_adShearVd, kKipToKn);
    h.Row("Vi,kip", "%7.1f", "Vi,kN", "%7.1f", d.m_adShearVi, kKipToKn);
    h.Row("Md,k-ft", "%7.1f", "Md,kN-m", "%7.1f", d.m_adShearMd, kKipFtToKnM);
    h.Row("Mmax,k-ft", "%7.1f", "Mmax,kN-m", "%7.1f", d.m_adShearMmax, kKipFtToKnM);
    h.Row("d,in", "%7.2f", "d,m", "%7.3f", d.m_adShearD, kInToM);
    h.Row("bv,in", "%7.2f", "bv,m", "%7.3f", d.m_adShearBv, kInToM);
    if (withFc) h.Row("f'c_d,ksi", "%7.3f", "f'c_d,MPa", "%7.3f", d.m_adShearFcAvg, kKsiToMpa);
    h.Row("McrV,k-ft", "%7.1f", "McrV,kN-m", "%7.1f", d.m_adShearMcr, kKipFtToKnM);
    h.Row("Vci,kip", "%7.1f", "Vci,kN", "%7.1f", d.m_adShearVci, kKipToKn);
    h.Row("fpc,ksi", "%7.3f", "fpc,MPa", "%7.3f", d.m_adShearFpc, kKsiToMpa);
    h.Row("Vp,kip", "%7.1f", "Vp,kN-m", "%7.1f", d.m_adShearVp, kKipToKn);  // the value is a force
    h.Row("Vcw,kip", "%7.1f", "Vcw,kN", "%7.1f", d.m_adShearVcw, kKipToKn);
    h.Row("Vc,kip", "%7.1f", "Vc,kN", "%7.1f", d.m_adShearVc, kKipToKn);
}

void SectionalHalf(ReportContext& ctx, ShearHalf& h) {
    const CKordelDoc& d = ctx.doc;
    StrengthRows(h, d);
    h.Row("Vu,kip", "%7.1f", "Vu,kN", "%7.1f", d.m_adVu, kKipToKn);
    h.Row("Mu,kip-ft", "%7.0f", "Mu,kN-m", "%7.0f", d.m_adMu, kKipFtToKnM);
    h.Row("Aps_a,in2", "%7.3f", h.Right() ? "Aps_a,mm2" : "Aps_a,m", "%7.0f", d.m_adShearApsAnchored, kSqInToSqMm);
    h.Row("Aps_ex,in2", "%7.3f", "Aps_ex,mm2", "%7.0f", d.m_adShearApsTension, kSqInToSqMm);
    h.Row("dp,in", "%7.2f", "dp,m", "%7.3f", d.m_adShearDp, kInToM);
    if (d.m_bDvAllSteel == 1) h.Row("dp(all),in", "%7.2f", "dp(all),m", "%7.3f", d.m_adShearDpAll, kInToM);
    h.Row("As_v,in2", "%7.3f", "As_v,mm2", "%7.3f", d.m_adShearAs, kSqInToSqMm);
    h.Row("ds,in", "%7.2f", "ds,m", "%7.3f", d.m_adShearDs, kInToM);
    h.Row("de,in", "%7.2f", "de,m", "%7.3f", d.m_adShearDe, kInToM);
    h.Row("f'c_a,ksi", "%7.3f", "f'c_a,MPa", "%7.3f", d.m_adShearFcAvg, kKsiToMpa);
    h.Row("hf,in", "%7.2f", "hf,m", "%7.3f", d.m_adShearHf, kInToM);
    h.Row("b,in", "%7.2f", "b,m", "%7.3f", d.m_adShearB, kInToM);
    h.Plain("beta_1", "%7.3f", d.m_adShearBeta1);
    h.Row("a,in", "%7.2f", "a,m", "%7.3f", d.m_adShearA, kInToM);
    if (d.m_bDvAllSteel == 1) {
        h.Row("dv(all),in", "%7.2f", "dv(all),m", "%7.3f", d.m_adShearDv, kInToM);
    } else {
        h.Row("dv,in", "%7.2f", "dv,m", "%7.3f", d.m_adShearDv, kInToM);
    }
    h.Row("bv,in", "%7.2f", "bv,m", "%7.3f", d.m_adShearBv, kInToM);
    h.Row("v,ksi", "%7.3f", "v,MPa", "%7.3f", d.m_adShearStress, kKsiToMpa);
    h.Plain("v/f'c", "%7.4f", d.m_adShearStressRatio);
    h.Row("Vp,kip", "%7.1f", "Vp,kN", "%7.1f", d.m_adShearVp, kKipToKn);
    if (d.m_bShearAppendixB5 == 1) {
        h.Row("Ac,in2", "%7.1f", "Ac,m2", "%7.1f", d.m_adShearAc, kInToM * kInToM);
        h.Plain("ex (x1000)", "%7.4f", d.m_adShearEx, 1000.0);
    } else {
        h.Plain("es (x1000)", "%7.4f", d.m_adShearEs, 1000.0);
    }
    h.Plain("theta,deg", "%7.3f", d.m_adShearTheta);
    h.Plain("beta", "%7.2f", d.m_adShearBeta);
    h.Row("Vc,kip", "%7.1f", "Vc,kN", "%7.1f", d.m_adShearVc, kKipToKn);
    h.Row("Vs_req,kip", "%7.1f", "Vs,kN", "%7.1f", d.m_adShearVs, kKipToKn);
    StirrupDesignRows(h, d);
    h.StirrupRow("Av_prv,in2/ft");
    h.PhiRow("Vr_max,k", "Vr_max,kN");
    h.Row("Max_spc,in", "%7.2f", "Max_spc,m", "%7.3f", d.m_adShearMaxSpacing, kInToM);
    LongitudinalDemandRows(ctx, h, d);
    h.LongitudinalRow("Fl-prov,k    ");
}

void SimplifiedHalf(ReportContext& ctx, ShearHalf& h) {
    const CKordelDoc& d = ctx.doc;
    StrengthRows(h, d);
    h.Row("Vu,kip", "%7.1f", "Vu,kN", "%7.1f", d.m_adVu, kKipToKn);
    h.Row("Mu,kip-ft", "%7.0f", "Mu,kN-m", "%7.0f", d.m_adMu, kKipFtToKnM);
    h.Row("Mu_v,kip-ft", "%7.1f", "Mu_v,kN-m", "%7.1f", d.m_adMu, kKipFtToKnM);
    VciVcwRows(h, d, true);
    h.Row(h.Right() ? "Vs,kip" : "Vs_req,kip", "%7.1f", "Vs,kN", "%7.1f", d.m_adShearVs, kKipToKn);
    StirrupDesignRows(h, d);
    h.StirrupRow(h.Right() ? "Av-prv,in2/ft" : "Av_prv,in2/ft");
    h.PhiRow("Vr_max,k", "Vr_max,kN");
    h.Row("Max_spc,in", "%7.2f", "Max_spc,m", "%7.3f", d.m_adShearMaxSpacing, kInToM);
    LongitudinalDemandRows(ctx, h, d);
    h.LongitudinalRow(h.Right() ? "Fl-prov,kip  " : "Fl-prov,k    ");
}

void EmpiricalHalf(ReportContext& ctx, ShearHalf& h) {
    const CKordelDoc& d = ctx.doc;
    h.Row("Vu,kip", "%7.1f", "Vu,kN", "%7.1f", d.m_adVu, kKipToKn);
    h.Row("Mu_v,kip-ft", "%7.1f", "Mu_v,kN-m", "%7.1f", d.m_adMu, kKipFtToKnM);
    VciVcwRows(h, d, false);
    if (d.m_bContinuous && d.m_bVcQuarterPtsReinforced) h.CaseRow();
    h.Row("Vs,kip", "%7.1f", "Vs,kN", "%7.1f", d.m_adShearVs, kKipToKn);
    h.Row("Vs_max,kip", "%7.1f", "Vs_max,kN", "%7.1f", d.m_adShearVsMax, kKipToKn);
    h.PhiRow("phiVn_max,k", "phiVn_max,kN");
    StirrupDesignRows(h, d);
    h.StirrupRow(h.Right() ? "Av_prv,in2/ft" : "Av-prv,in2/ft");
    h.Row("Vs_spcg,kip", "%7.1f", "Vs-spcg,kN", "%7.1f", d.m_adShearVsAtMaxSpacing, kKipToKn);
    h.Row("Max_spc,in", "%7.2f", "Max-spc,m", "%7.3f", d.m_adShearMaxSpacing, kInToM);
}

/// The f'c / Pf / alpha / fpo line and the crack-at-the-ends line of the LRFD methods.
void LrfdParameterLines(ReportContext& ctx) {
    const CKordelDoc& d = ctx.doc;
    const float* e = d.m_anLongReinfEnd;
    if (ctx.metric) {
        ctx.Add(Format("f'c=%5.2f MPa, Pf = %6.1f kN, alpha= %5.3f deg, fpo= %6.1f MPa, 0.125*f'c=%5.2f MPa",
                       Out(d.m_dBeamFc, kKsiToMpa), Out(d.m_adStrandStressFinal[kFinalStrandForce], kKipToKn),
                       Out(d.m_dStrandSlopeAngle), Out(d.m_adShearPtParams[kShearFpo], kKsiToMpa),
                       Out(d.m_adShearPtParams[kShearSpacingThreshold], kKsiToMpa)));
        ctx.Add(Format("L End:CG str=%6.3fm,Crk loc=%5.3fm,Fl_prov=%6.1fkN  R End:CG str=%6.3fm,Crk loc=%5.3fm,"
                       "Fl_prov=%6.1fkN",
                       Out(e[kLongEndLeftCg], kInToM), Out(e[kLongEndLeftX], kFtToM), Out(e[kLongEndLeftForce], kKipToKn),
                       Out(e[kLongEndRightCg], kInToM), Out(e[kLongEndRightX], kFtToM),
                       Out(e[kLongEndRightForce], kKipToKn)));
    } else {
        ctx.Add(Format("f'c=%6.3f ksi, Pf=%6.1f k, alpha=%5.3f deg, fpo=%6.1f ksi, 0.125*f'c=%5.3f ksi", Out(d.m_dBeamFc),
                       Out(d.m_adStrandStressFinal[kFinalStrandForce]), Out(d.m_dStrandSlopeAngle),
                       Out(d.m_adShearPtParams[kShearFpo]), Out(d.m_adShearPtParams[kShearSpacingThreshold])));
        ctx.Add(Format("L End:CG str=%5.2fin,Crk loc=%4.1fft,Fl_prov=%6.1fkip  R End:CG str=%5.2fin,Crk loc=%4.1fft,"
                       "Fl_prov=%6.1fkip",
                       Out(e[kLongEndLeftCg]), Out(e[kLongEndLeftX]), Out(e[kLongEndLeftForce]), Out(e[kLongEndRightCg]),
                       Out(e[kLongEndRightX]), Out(e[kLongEndRightForce])));
    }
}

/// Both half tables, each opened by " ", its header and its location line.
template <typename Rows>
void Halves(ReportContext& ctx, const char* leftHeader, const char* rightHeader, bool lastToTenth, Rows rows) {
    ctx.Add(" ");
    ShearHalf left(ctx, kShearStationsLeft, false);
    ctx.Add(leftHeader);
    left.Locations(false);
    rows(ctx, left);
    ctx.Add(" ");
    ShearHalf right(ctx, kShearStationsRight, true);
    ctx.Add(rightHeader);
    right.Locations(lastToTenth);
    rows(ctx, right);
}

const char* const kHeaderCritLeft =
    "             CL-brng  Fc-brng    CritV    0.05L    0.10L    0.20L    0.25L     0.3L     0.4L     0.5L";
const char* const kHeaderCritRight =
    "                0.6L     0.7L    0.75L    0.80L    0.85L    0.90L    0.95L    CritV  Fc-brng  CL-brng";
const char* const kHeaderHalfLeft =
    "             CL-brng  Fc-brng      h/2    0.05L    0.10L    0.20L    0.25L     0.3L     0.4L     0.5L";
const char* const kHeaderHalfRight =
    "                0.6L     0.7L    0.75L    0.80L    0.85L    0.90L    0.95L      h/2  Fc-brng  CL-brng";

}  // namespace

std::string LongitudinalReinforcementRow(const ReportContext& ctx, const char* label,
                                         const int* stations) {
    const CKordelDoc& d = ctx.doc;
    std::string line = label;
    for (int i = 0; i < 10; ++i) {
        const int s = stations[i];
        AppendFormat(line, "%7.1f", Out(d.m_adLongReinfProvided[s], ctx.metric ? kKipToKn : 1.0));
        line += d.m_adLongReqVsProvided[s] > d.m_adLongReinfProvided[s] ? ctx.strAsteriskMark : " ";
        line += ' ';
    }
    return line;
}

void WriteVerticalShearBlock(ReportContext& ctx) {
    const CKordelDoc& d = ctx.doc;
    ctx.PageBreak();
    ctx.Add("Strength Limit State: Vertical Shear");
    ctx.Add("------------------------------------");
    switch (d.m_nShearMethod) {
        case 1:
            ctx.Add(Format("Method: Sectional Design Model (5.8.3) (%s), theta and beta calculated using %s",
                           d.m_strSpecCode.c_str(), d.m_bShearAppendixB5 == 1 ? "Appendix B5" : "General Proc."));
            LrfdParameterLines(ctx);
            Halves(ctx, kHeaderCritLeft, kHeaderCritRight, true, SectionalHalf);
            break;
        case 2:
            ctx.Add(Format("Method: Simplified Procedure (5.8.3.4.3) (%s)", d.m_strSpecCode.c_str()));
            LrfdParameterLines(ctx);
            Halves(ctx, kHeaderCritLeft, kHeaderCritRight, true, SimplifiedHalf);
            break;
        case 3:
            ctx.Add(Format("Method: Empirical Vci/Vcw (%s)", d.m_strSpecCode.c_str()));
            ctx.Add(Format(ctx.metric ? "f'c=%5.2f MPa, alpha= %5.3f deg" : "f'c=%6.3f ksi, alpha= %5.3f deg",
                           Out(d.m_dBeamFc, ctx.metric ? kKsiToMpa : 1.0), Out(d.m_dStrandSlopeAngle)));
            Halves(ctx, kHeaderHalfLeft, kHeaderHalfRight, false, EmpiricalHalf);
            break;
        default:
            break;
    }

    ctx.Add(" ");
    ctx.Add("Service Limit State: Pretensioned Anchorage Zone");
    ctx.Add("------------------------------------------------");
    ctx.Add(std::string("Vertical stirrups resisting 4% of total P/S force must be placed within ") +
            (IsLrfd(d.m_nSpecification) ? "h/4 of girder ends (LRFD 5.10.10.1)" : "d/4 of girder ends (STD 9.22.1)"));
    const double* a = d.m_adAnchorZone;
    if (ctx.metric) {
        ctx.Add(Format("P,anchor=%6.1f kN, As,anchor=%5.0f mm2, Anchor Zone End=%5.0f mm",
                       Out(a[kAnchorSplittingForce], kKipToKn), Out(a[kAnchorSteelArea], kSqInToSqMm),
                       Out(a[kAnchorZoneLength], 25.4)));
    } else {
        ctx.Add(Format("P,anchor=%5.1f kip, As,anchor=%4.2f in2, Anchor Zone End=%6.2f in (=%5.2f ft)",
                       Out(a[kAnchorSplittingForce]), Out(a[kAnchorSteelArea]), Out(a[kAnchorZoneLength]),
                       Out(a[kAnchorZoneLength] / 12.0)));
    }
}

}  // namespace kordel

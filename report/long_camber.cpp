// Long form: camber and deflection, and interface shear.
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

/// `label` padded with blanks to `width` characters.
std::string Pad(const std::string& label, std::size_t width) {
    std::string s = label;
    if (s.size() < width) s.append(width - s.size(), ' ');
    return s;
}

// Stations of the interface-shear rows: the shear critical sections and the tenth points.
constexpr int kInterfaceStations[11] = {103, 10, 20, 30, 40, 50, 60, 70, 80, 90, 106};

/// One interface-shear row: `label` padded to `width`, then eleven cells of `cell` joined by one
/// blank, values of `values` at the interface stations times `factor`.
void AddInterfaceRow(ReportContext& ctx, const char* label, std::size_t width, const char* cell,
                     const double* values, double factor) {
    std::string line = Pad(label, width);
    for (int i = 0; i < 11; ++i) {
        if (i > 0) line += ' ';
        AppendFormat(line, cell, Out(values[kInterfaceStations[i]], factor));
    }
    ctx.Add(std::move(line));
}

/// The location row of the interface-shear table: `head` then "%6.2f" cells joined by two blanks
/// (the metric LRFD and Standard rows print the first location to 0.001 m).
void AddInterfaceLocations(ReportContext& ctx, const char* head) {
    const double f = ctx.metric ? kFtToM : 1.0;
    std::string line = head;
    for (int i = 0; i < 11; ++i) {
        if (i > 0) line += "  ";
        AppendFormat(line, i == 0 && ctx.metric ? "%6.3f" : "%6.2f", Out(ctx.doc.m_adStationX[kInterfaceStations[i]], f));
    }
    ctx.Add(std::move(line));
}

}  // namespace

void WriteCamberBlock(ReportContext& ctx) {
    const CKordelDoc& d = ctx.doc;
    const bool metric = ctx.metric;
    const bool lrfd = IsLrfd(d.m_nSpecification);
    const double f = metric ? kInToM : 1.0;
    const double* q = d.m_adDeflectionSummary;  // quarter point
    const double* m = d.m_adCamberSummary;      // midspan
    const double* k = d.m_adCamberMultiplier;
    // Metric deflections are metres: three decimals keep millimetres visible. The post-tensioning
    // and live-load rows print three decimals as well, so a deflection of a few millimetres does
    // not show as 0.00.
    const char* c = metric ? "%6.3f" : "%6.2f";

    ctx.Add("Service Limit State: Camber & Deflections");
    ctx.Add("-----------------------------------------");
    ctx.Add(metric ? "              |--- Deflection @ Qtr Pt (m, +=up) ---|    |--- Deflection @ Midspan (m, +=up) --|"
                   : "              |--- Deflection @ Qtr Pt (in, +=up) ---|    |--- Deflection @ Midspan (in, +=up) --|");
    ctx.Add("              Initial  Mult  Erection  Mult    Final    Initial  Mult  Erection  Mult    Final");
    ctx.Add("              -------  ----  --------  ----    -----    -------  ----  --------  ----    ----- ");

    const std::string threeStage = std::string(c) + "   %4.2f   " + c + "   %4.2f   " + c + "     " + c +
                                   "   %4.2f   " + c + "  %4.2f   " + c;
    auto threeStageRow = [&](const char* label, int qi, int mi, int ke, int kf) {
        ctx.Add(Pad(label, 14) + Format(threeStage.c_str(), Out(q[qi], f), Out(k[ke]), Out(q[qi + 1], f), Out(k[kf]),
                                        Out(q[qi + 2], f), Out(m[mi], f), Out(k[ke]), Out(m[mi + 1], f), Out(k[kf]),
                                        Out(m[mi + 2], f)));
    };
    threeStageRow("Pretension", 4, 0, 0, 1);
    if (d.m_nPrestressType == 2) threeStageRow("P/T", 7, 3, 0, 1);
    threeStageRow("Beam", 10, 6, 2, 3);

    ctx.Add("               -----           -----                      -----           -----");
    const std::string sums = std::string("  Beam+P/S=   ") + c + "          " + c + "                     " + c +
                             "          " + c;
    ctx.Add(Format(sums.c_str(), Out(q[4] + q[7] + q[10], f), Out(q[5] + q[8] + q[11], f),
                   Out(m[0] + m[3] + m[6], f), Out(m[1] + m[4] + m[7], f)));
    ctx.Add(" ");

    const std::string twoStage = std::string(c) + "   %4.2f   " + c + "                     " + c + "  %4.2f   " + c;
    auto twoStageRow = [&](const char* label, int qi, int mi, int ki) {
        ctx.Add(Pad(label, 30) + Format(twoStage.c_str(), Out(q[qi], f), Out(k[ki]), Out(q[qi + 1], f), Out(m[mi], f),
                                        Out(k[ki]), Out(m[mi + 1], f)));
    };
    if (d.m_bCompositeDeck) {
        twoStageRow("Deck", 13, 9, 4);
        twoStageRow("Overlay", 15, 11, 5);
    }
    twoStageRow("Diaphragms", 17, 13, 6);
    twoStageRow("Uniform NC", 19, 15, 7);
    twoStageRow("Barriers", 21, 17, 8);
    twoStageRow("FWS", 23, 19, 9);
    if (d.m_bCompositeDeck) twoStageRow("Uniform C", 25, 21, 10);

    if (lrfd) {
        const std::string lane = std::string("Lane LL                                       ") + c +
                                 "                                    " + c;
        const std::string truck = std::string("Truck LL                                      ") + c +
                                  "                                    " + c;
        ctx.Add(Format(lane.c_str(), Out(q[28], f), Out(d.m_adDeflectionSummary[2], f)));
        ctx.Add(Format(truck.c_str(), Out(q[27], f), Out(d.m_adDeflectionSummary[0], f)));
    }
    ctx.Add("                                               -----                                     -----");
    double totalQ = q[6] + q[9] + q[12] + q[14] + q[16] + q[18] + q[20] + q[22] + q[24] + q[26];
    double totalM = m[2] + m[5] + m[8] + m[10] + m[12] + m[14] + m[16] + m[18] + m[20] + m[22];
    if (lrfd) {
        totalQ += q[28] + q[27];
        totalM += d.m_adDeflectionSummary[2] + d.m_adDeflectionSummary[0];
    }
    const std::string total = std::string("  Total Deflection=                           ") + c +
                              "                                    " + c;
    ctx.Add(Format(total.c_str(), Out(totalQ, f), Out(totalM, f)));
    ctx.Add(" ");
    if (!metric) {
        d.AddLiveLoadDeflectionLines(ctx.lines);
        ctx.Add(" ");
        ctx.Add(" ");
    }
}

void WriteInterfaceShearBlock(ReportContext& ctx) {
    const CKordelDoc& d = ctx.doc;
    const bool metric = ctx.metric;
    const double* p = d.m_adInterfaceParams;
    ctx.Add("Strength Limit State: Interface Shear");
    ctx.Add("-------------------------------------");
    if (IsLrfd(d.m_nSpecification)) {
        if (metric) {
            ctx.Add(Format("Surface: %s, c= %5.2f MPa,  mu= %3.1f,  K1=%3.1f, K2=%5.2f MPa",
                           d.m_strInterfaceSurface.c_str(), Out(p[3], kKsiToMpa), Out(p[2]), Out(p[8]),
                           Out(p[9], kKsiToMpa)));
            ctx.Add(Format("bf= %6.3f m, Acv= %7.1f mm2/mm, Avf-min= %6.3f mm2/mm", Out(d.m_dTopFlangeWidth, kInToM),
                           Out(p[0], kSqInPerFtToSqMmPerMmShort), Out(p[5], kSqInPerFtToSqMmPerMmShort)));
            ctx.Add(Format("Vnh_max= %6.1f kN (based on K1), Vnh_max= %6.1f kN (based on K2), Vnh_max= %6.1f kN (Adopted)",
                           Out(p[6], kKipToKn), Out(p[7], kKipToKn), Out(p[4], kKipToKn)));
        } else {
            ctx.Add(Format("Surface: %s, c= %5.3f ksi,  mu= %3.1f,  K1=%3.1f, K2=%4.2f ksi",
                           d.m_strInterfaceSurface.c_str(), Out(p[3]), Out(p[2]), Out(p[8]), Out(p[9])));
            ctx.Add(Format("bf= %6.2f in, Acv= %7.2f in2/ft, Avf-min= %6.3f in2/ft", Out(d.m_dTopFlangeWidth),
                           Out(p[0]), Out(p[5])));
            ctx.Add(Format("Vnh_max= %6.1f kip (based on K1), Vnh_max= %6.1f kip (based on K2), Vnh_max= %6.1f kip (Adopted)",
                           Out(p[6]), Out(p[7]), Out(p[4])));
        }
        ctx.Add("             CritV    0.1L    0.2L    0.3L    0.4L    0.5L    0.6L    0.7L    0.8L    0.9L   CritV");
        AddInterfaceLocations(ctx, metric ? "Loc (m)     " : "Loc (ft)    ");
        AddInterfaceRow(ctx, metric ? "Vu,kN" : "Vu,kip", 11, "%7.1f", d.m_adVu, metric ? kKipToKn : 1.0);
        AddInterfaceRow(ctx, metric ? "dv,m" : "dv,in", 11, "%7.3f", d.m_adShearDv, metric ? kInToM : 1.0);
        AddInterfaceRow(ctx, metric ? "vuh,MPa" : "vuh,ksi", 11, "%7.3f", d.m_adInterfaceVuh, metric ? kKsiToMpa : 1.0);
        AddInterfaceRow(ctx, metric ? "Vnhr,kN" : "Vnhr,K", 11, "%7.1f", d.m_adInterfaceVnh, metric ? kKipToKn : 1.0);
        AddInterfaceRow(ctx, metric ? "Avfc,mm2/mm" : "Avfc,in2/F", 11, "%7.3f", d.m_adInterfaceAvfc,
                        metric ? kSqInPerFtToSqMmPerMmShort : 1.0);
        AddInterfaceRow(ctx, metric ? "Avf,mm2/mm" : "Avf,in2/F", 11, "%7.3f", d.m_adInterfaceAvf,
                        metric ? kSqInPerFtToSqMmPerMmShort : 1.0);
        ctx.Add(" ");
        return;
    }
    if (metric) {
        // bv is stored in inches: metres are inches x 0.0254.
        ctx.Add(Format("bv=%6.3f m, Asurf=%7.1f mm2/mm, Avh,min=%6.3f mm2/mm, Max Spac=%6.1f mm", Out(p[10], kInToM),
                       Out(p[11], kSqInPerFtToSqMmPerMmShort), Out(p[12], kSqInPerFtToSqMmPerMmShort), Out(p[13], kInToMm)));
    } else {
        ctx.Add(Format("bv=%6.2f in, Asurf=%7.2f in2/ft, Avh,min=%6.3f in2/ft, Max Spac=%6.3f in", Out(p[10]),
                       Out(p[11]), Out(p[12]), Out(p[13])));
    }
    ctx.Add("                h/2    0.1L    0.2L    0.3L    0.4L    0.5L    0.6L    0.7L    0.8L    0.9L     h/2");
    AddInterfaceLocations(ctx, metric ? "Loc (m)      " : "Loc (ft)     ");
    if (metric) {
        AddInterfaceRow(ctx, "Vu,kN", 12, "%7.1f", d.m_adVu, kKipToKn);
        // The depth row prints its first cell to 0.001 m.
        std::string line = Pad("d,m", 12);
        for (int i = 0; i < 11; ++i) {
            if (i > 0) line += ' ';
            AppendFormat(line, i == 0 ? "%7.3f" : "%7.2f", Out(d.m_adShearD[kInterfaceStations[i]], kInToM));
        }
        ctx.Add(std::move(line));
        AddInterfaceRow(ctx, "Vnh-1%,kN", 12, "%7.1f", d.m_adInterfaceVnh1, kKipToKn);
        AddInterfaceRow(ctx, "Vnh,nr,kN", 12, "%7.1f", d.m_adInterfaceVnhNotRough, kKipToKn);
        AddInterfaceRow(ctx, "Avhnr,mm2/mm", 12, "%7.3f", d.m_adInterfaceAvhNotRough, kSqInPerFtToSqMmPerMmShort);
        AddInterfaceRow(ctx, "Vnh,r,kN", 12, "%7.1f", d.m_adInterfaceVnhRough, kKipToKn);
        AddInterfaceRow(ctx, "Avhr,mm2/mm", 12, "%7.3f", d.m_adInterfaceAvhRough, kSqInPerFtToSqMmPerMmShort);
    } else {
        AddInterfaceRow(ctx, "Vu,K", 12, "%7.1f", d.m_adVu, 1.0);
        AddInterfaceRow(ctx, "Vnh,req,K", 12, "%7.1f", d.m_adInterfaceVnh, 1.0);
        AddInterfaceRow(ctx, "d,in", 12, "%7.2f", d.m_adShearD, 1.0);
        AddInterfaceRow(ctx, "Vnh-1%,K", 12, "%7.1f", d.m_adInterfaceVnh1, 1.0);
        AddInterfaceRow(ctx, "Vnh,nr,K", 12, "%7.1f", d.m_adInterfaceVnhNotRough, 1.0);
        AddInterfaceRow(ctx, "Avh,nr,in2/F", 12, "%7.3f", d.m_adInterfaceAvhNotRough, 1.0);
        AddInterfaceRow(ctx, "Vnh,r,K", 12, "%7.1f", d.m_adInterfaceVnhRough, 1.0);
        AddInterfaceRow(ctx, "Avh,r,in2/F", 12, "%7.3f", d.m_adInterfaceAvhRough, 1.0);
    }
    ctx.Add(" ");
}

}  // namespace kordel

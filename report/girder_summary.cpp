// The girder summary: one page of the girder's main data and its code checks (service stresses
// at the transfer points and mid-span against their allowables, live-load deflection, debonding
// limits, flexural strength ratios). Always in US customary units.
#include <cmath>
#include <string>

#include "document/kordel_doc.h"
#include "report/format.h"
#include "report/text_report.h"

namespace kordel {

namespace {

constexpr int kLeftTransfer = 102;
constexpr int kMidSpan = 50;
constexpr int kRightTransfer = 107;
constexpr int kSummaryStations[3] = {kLeftTransfer, kMidSpan, kRightTransfer};

const char* SectionTypeWord(int sectionType) {
    switch (sectionType) {
        case 2: return "Box Beam";
        case 3: return "U-Beam";
        case 4: return "Slab";
        case 5: return "Channel";
        case 6: return "Decked Bulb-Tee";
        default: return "I-Girder";
    }
}

// A percentage of `part` in `whole`, 0 for a design without strands or tendons.
double Percent(double part, double whole) { return whole != 0 ? part * 100.0 / whole : 0.0; }

// A ratio for printing: a value that is not a finite number prints as 0.
double Printable(double v) { return std::isfinite(v) ? v : 0.0; }

// Service stress of combination g, fibre `entry`, at station i.
double Stress(const CKordelDoc& d, int i, int g, int entry) {
    return d.m_aServiceStress[i][g][entry];
}

// The three stress columns: the value at each summary station followed by its (blank) mark.
std::string StressRow(const char* lead, const std::string& allow, const CKordelDoc& d, int g,
                      int entry) {
    const double a = Stress(d, kLeftTransfer, g, entry);
    const double b = Stress(d, kMidSpan, g, entry);
    const double c = Stress(d, kRightTransfer, g, entry);
    return Format("%s%s   %7.3f%s  %7.3f%s  %7.3f%s", lead, allow.c_str(), Printable(a), " ",
                  Printable(b), " ", Printable(c), " ");
}

std::string Allow2(double comp, double tens) { return Format("%7.3f %7.3f", comp, tens); }
std::string Allow1(double comp) { return Format("%7.3f        ", comp); }

}  // namespace

void CKordelDoc::BuildGirderSummary() {
    m_bGirderSummaryDue = 0;
    std::vector<std::string>& s = m_saGirderSummary;
    s.clear();
    const bool pt = m_nPrestressType == 2 && m_nTendonCount > 0;
    const bool composite = m_bCompositeDeck != 0;
    const bool continuous = m_bContinuous != 0;

    s.push_back(" ");
    s.push_back(Format("Project: %-30s  Task   : %-30s", m_strProject.c_str(), m_strTask.c_str()));
    s.push_back(Format("Job No.: %-30s  Client : %-30s", m_strJobNumber.c_str(),
                       m_strClient.c_str()));
    s.push_back(" ");
    s.push_back("Girder Summary:");
    s.push_back("--------------");
    s.push_back(Format("Section Type : %-8s    Section Name : %s", SectionTypeWord(m_nSectionType),
                       m_strSectionName.c_str()));
    s.push_back(Format("Girder Length:%7.2f ft   Release Span :%7.2f ft   Design Span   :%7.2f ft",
                       m_dGirderLength, m_dReleaseSpan, m_dDesignSpan));
    s.push_back(Format("Span Number  :%2d           Girder Number:%2d           Structure Type: %s",
                       m_nCurrentSpan, m_nCurrentGirder,
                       continuous ? " Multi-Span Continuous" : "Simple Span"));
    const std::string deckFc = composite ? Format("%6.3f", m_dDeckFc) : " (none)";
    s.push_back(Format("f'ci (rel)   :%6.3f ksi   f'c (final)  :%6.3f ksi   f'c (deck)    :%s",
                       m_dBeamFci, m_dBeamFc, deckFc.c_str()));
    const std::string deckEc = composite ? Format("%6.0f", m_dDeckEc) : " (none)";
    s.push_back(Format("Eci (rel)    :%6.0f ksi   Ec (final)   :%6.0f ksi   Ec (deck)     :%s",
                       m_dBeamEci, m_dBeamEc, deckEc.c_str()));
    s.push_back(Format("Eps          :%6.0f ksi   Es           :%6.0f ksi", m_dStrandEp, m_dRebarEs));

    const double pj = m_adStrandForceSummary[kSummaryJackingForce];
    const double pr = m_adStrandForceSummary[kSummaryReleaseForce];
    const double pf = m_adStrandStressFinal[kFinalStrandForce];
    s.push_back(Format("P/S Strand: %s   # Strand :%3d   Release Loss :%5.1f%%   Final Loss :%5.1f%%",
                       m_strStrandName.c_str(), m_nStrandCount, Percent(pj - pr, pj),
                       Percent(pj - pf, pj)));
    if (pt) {
        const double fpjt = m_adPtTotalLoss[kPtJackingStress];
        s.push_back(Format(
            "P/T Strand: %s   # Strand :%3d   Release Loss :%5.1f%%   Final Loss :%5.1f%%",
            m_strPTStrandName.c_str(), m_nPtStrandCount,
            Percent(m_adPtTotalLoss[kPtLossStage], fpjt), Percent(m_adPtTotalLoss[kPtLossFinal], fpjt)));
    }
    s.push_back(" ");
    s.push_back(Format("Totals: Beam Weight :%6.1f k   Concete Vol. :%5.1f cy   Strand :%7.1f lin ft",
                       m_adGirderTotals[kTotalGirderWeight], m_adGirderTotals[kTotalConcreteVolume],
                       m_adGirderTotals[kTotalStrandLength]));
    s.push_back(" ");

    const double total = m_adDebondSummary[kDebondedPercent];
    const double totalLimit = m_adDebondSummary[kDebondLimitPattern];
    const double row = static_cast<double>(m_afDebondSummary[kRowDebondedPercent]);
    const double rowLimit = m_adDebondSummary[kDebondLimitRow];
    const char* debondStatus = "  ";
    if (m_bShowAsterisks == 1) debondStatus = (totalLimit < total || row > rowLimit) ? "NG" : "OK";
    s.push_back(Format("Debonding Limit Check (LRFD 5.11.4.3): Total :%5.1f%% (Limit%5.1f%%)  Max "
                       "Row:%5.1f%% (Limit%5.1f%%)   %s",
                       total, totalLimit, row, rowLimit, debondStatus));
    s.push_back(" ");

    // Service stresses. Combinations: 0 release, 1 final permanent, 2 half permanent + live,
    // 3 all loads, 4 half permanent + negative live, 5 all loads with negative live.
    s.push_back("Service Limit State Checks:");
    s.push_back("--------------------------");
    s.push_back(pt ? " Concrete Stresses at Post-Tensioning:" : " Concrete Stresses at Release:");
    s.push_back("                Allow");
    s.push_back("            Comp    Tens    Left Lt   Midspan   Right Lt");
    s.push_back(pt ? "  P/S + P/T + Beam" : "  P/S + Beam");
    s.push_back(StressRow("   Top    ", Allow2(m_dAllowReleaseCompression, m_dAllowReleaseTension),
                          *this, 0, kServiceTop));
    s.push_back(StressRow("   Top    ",
                          Allow2(m_dAllowReleaseCompression,
                                 m_adAllowableStress[kAllowReleaseTensionWithSteel]),
                          *this, 0, kServiceTop) +
                "  (w/Steel)");
    s.push_back(StressRow("   Bot    ", Allow2(m_dAllowReleaseCompression, m_dAllowReleaseTension),
                          *this, 0, kServiceBottom));
    s.push_back(" ");
    s.push_back(" Concrete Stresses at Final:");
    s.push_back("                Allow");
    s.push_back("            Comp    Tens    Left Lt   Midspan   Right Lt");
    s.push_back(pt ? "  P/S + P/T + Perm" : "  P/S + Perm");
    const std::string permanent =
        Allow2(m_dAllowFinalCompressionPermanent, m_dAllowFinalTensionPermanent);
    s.push_back(StressRow("   Top    ", permanent, *this, 1, kServiceTop));
    s.push_back(StressRow("   Bot    ", permanent, *this, 1, kServiceBottom));
    const std::string allLoads =
        Allow2(m_dAllowFinalCompressionAllLoads, m_dAllowFinalTensionAllLoads);
    if (continuous) {
        s.push_back(pt ? "  1/2(P/S + P/T + Perm) + LL (-Moment)" : "  1/2(P/S + Perm) + LL (-Moment)");
        s.push_back(StressRow("   Bot    ", Allow1(m_dAllowFinalCompressionHalfPermanentLL), *this,
                              4, kServiceBottom));
        s.push_back(pt ? "  P/S + P/T + Perm + LL (-Moment)" : "  P/S + Perm + LL (-Moment)");
        if (composite) {
            s.push_back(StressRow("   Deck   ", Allow1(m_dAllowDeckCompression), *this, 5,
                                  kServiceDeckTop));
        }
        s.push_back(StressRow("   Top    ", allLoads, *this, 5, kServiceTop));
        s.push_back(StressRow("   Bot    ", allLoads, *this, 5, kServiceBottom));
    }
    const char* moment = continuous ? " (+Moment)" : "";
    s.push_back(std::string(pt ? "  1/2(P/S + P/T + Perm) + LL" : "  1/2(P/S + Perm) + LL") + moment);
    s.push_back(StressRow("   Top    ", Allow1(m_dAllowFinalCompressionHalfPermanentLL), *this, 2,
                          kServiceTop));
    s.push_back(std::string(pt ? "  P/S + P/T + Perm + LL" : "  P/S + Perm + LL") + moment);
    if (composite) {
        s.push_back(StressRow("   Deck   ", Allow1(m_dAllowDeckCompression), *this, 3,
                              kServiceDeckTop));
    }
    s.push_back(StressRow("   Top    ", allLoads, *this, 3, kServiceTop));
    s.push_back(StressRow("   Bot    ", allLoads, *this, 3, kServiceBottom));

    AddLiveLoadDeflectionLines(s);
    s.push_back(" ");

    // Strength.
    s.push_back("Strength Limit State Checks:");
    s.push_back("---------------------------");
    s.push_back(" Flexure (+M Envelope)        Mr/Mu   Mr/Mcr");
    constexpr int kPos = kFlexurePositive, kNeg = kFlexureNegative;
    auto ratioOf = [](double mr, double mu) { return mu == 0 ? 99.99 : std::fabs(mr / mu); };
    auto strengthLine = [&](const char* label, double ratio, double mrMcr) {
        s.push_back(Format("%s%5.2f   %5.2f   %s", label, Printable(ratio), Printable(mrMcr), "  "));
    };
    const double mrMid = m_aFlexureMr[kMidSpan][kPos];
    const double mrMcrMid = m_aFlexureMrMcrRatio[kMidSpan][kPos];
    if (m_bIncludeStrengthII) {
        strengthLine("  Midspan                     ",
                     ratioOf(mrMid, m_aMuStrengthI[kMidSpan][kStrengthMomentPositive]), mrMcrMid);
        strengthLine("  Midspan (Strength II)       ",
                     ratioOf(mrMid, m_aMuStrengthII[kMidSpan][kStrengthMomentPositive]), mrMcrMid);
    } else {
        strengthLine("  Midspan                     ", m_aFlexureMrMuRatio[kMidSpan][kPos], mrMcrMid);
    }
    if (continuous) {
        s.push_back(" Flexure (-M Envelope)");
        constexpr double kRealNegative = -0.000001;
        for (const int i : {0, 100}) {
            const char* end = i == 0 ? "  Left End                    " : "  Right End                   ";
            const char* endII = i == 0 ? "  Left End (Strength II)      " : "  Right End (Strength II)     ";
            const double mr = m_aFlexureMr[i][kNeg];
            const double mrMcr = m_aFlexureMrMcrRatio[i][kNeg];
            if (m_bIncludeStrengthII) {
                const double muI = m_aMuStrengthIEnd[i][kStrengthMomentNegativeComposite];
                const double muII = m_aMuStrengthIIEnd[i][kStrengthMomentNegativeComposite];
                if (muI < kRealNegative) strengthLine(end, std::fabs(mr / muI), mrMcr);
                if (muII < kRealNegative) strengthLine(endII, std::fabs(mr / muII), mrMcr);
            } else if (m_aFactoredMomentEnvelope[i][kStrengthINegative] < kRealNegative) {
                strengthLine(end, m_aFlexureMrMuRatio[i][kNeg], mrMcr);
            }
        }
    }
}

}  // namespace kordel

// Long form: service stresses at release and final. The section opens with a page break and the
// stripping, handling, shipping and detensioning tables, then prints the release stresses (when
// stripping is not checked: the stripping tables cover release), the final stresses of every load
// case and the service combinations against their allowables. Marks compare the stored ksi values,
// so a metric report marks exactly what the US one does.
#include <functional>
#include <string>

#include "document/kordel_doc.h"
#include "report/format.h"
#include "report/stress_cells.h"
#include "report/text_report.h"

namespace kordel {
namespace {

constexpr int kColumns = 13;

/// A value of a row at one analysis station, ksi (or in2).
using StationValue = std::function<double(int station)>;

/// How a marked cell is judged.
struct CellCheck {
    enum Kind { kRange, kCompression, kRelease } kind = kRange;
    double tension = 0;      ///< ksi, negative
    double compression = 0;  ///< ksi
    double rupture = 0;      ///< kRelease: the limit with bonded steel, below which '#' marks
};

class StressTable {
  public:
    explicit StressTable(ReportContext& ctx)
        : m_ctx(ctx),
          m_d(ctx.doc),
          m_ksi(ctx.metric ? kKsiToMpa : 1.0),
          m_showMarks(ctx.doc.m_bShowAsterisks != 0) {}

    /// A stress or allowable in the report's units.
    double Stress(double ksi) const { return ksi * m_ksi; }
    std::string StressText(double ksi) const { return Num(Stress(ksi), 6, 3); }

    /// "Loc(ft)" or "Loc(m)" row of the column stations.
    void LocationRow() {
        std::string line = m_ctx.metric ? "Loc(m) " : "Loc(ft)";
        for (int c = 0; c < kColumns; ++c) {
            const double x = m_d.m_adStationX[kStressStations[c]];
            line += ' ';
            line += m_ctx.metric ? Num(x * kFtToM, 6, 3) : Num(x, 6, 2);
        }
        m_ctx.Add(std::move(line));
    }

    /// Eight-character label, then the thirteen stresses "%6.3f" one blank apart.
    void Plain(const char* label, const StationValue& value) {
        std::string line = label;
        line.reserve(128);  // one allocation for the whole row
        for (int c = 0; c < kColumns; ++c) {
            if (c > 0) line += ' ';
            line += StressText(value(kStressStations[c]));
        }
        m_ctx.Add(std::move(line));
    }

    /// Eight-character label, then each stress (`width` wide, three decimals) followed at once
    /// by its mark.
    void Marked(const char* label, const StationValue& value, const CellCheck& check,
                int width = 6) {
        std::string line = label;
        line.reserve(128);  // one allocation for the whole row
        for (int c = 0; c < kColumns; ++c) {
            const double v = value(kStressStations[c]);
            line += Num(Stress(v), width, 3);
            line += Mark(v, check);
        }
        m_ctx.Add(std::move(line));
    }

    /// The two rows of a load case's girder stresses, top then bottom.
    void LoadCaseTopBottom(const char* topLabel, const char* bottomLabel, int stressCase) {
        Plain(topLabel,
              [&](int s) { return m_d.m_aLoadCaseStress[s][stressCase][kFibreGirderTop]; });
        Plain(bottomLabel,
              [&](int s) { return m_d.m_aLoadCaseStress[s][stressCase][kFibreGirderBottom]; });
    }

    /// The three rows of a load case on the composite section: deck top, girder top, bottom.
    void LoadCaseDeckTopBottom(const char* deckLabel, const char* topLabel, const char* bottomLabel,
                               int stressCase) {
        Plain(deckLabel,
              [&](int s) { return m_d.m_aLoadCaseStress[s][stressCase][kFibreDeckTop]; });
        LoadCaseTopBottom(topLabel, bottomLabel, stressCase);
    }

  private:
    char Mark(double v, const CellCheck& check) const {
        switch (check.kind) {
            case CellCheck::kCompression:
                return CompressionMark(v, check.compression, m_showMarks);
            case CellCheck::kRelease:
                return RuptureMark(v, check.tension, check.compression, check.rupture, m_showMarks);
            case CellCheck::kRange:
                break;
        }
        return RangeMark(v, check.tension, check.compression, m_showMarks);
    }

    ReportContext& m_ctx;
    const CKordelDoc& m_d;
    double m_ksi;
    bool m_showMarks;
};

void WriteReleaseTable(ReportContext& ctx, StressTable& t) {
    const CKordelDoc& d = ctx.doc;
    const bool postTensioning = d.m_nPrestressType == kPostTensioned;
    const char* title = postTensioning && d.m_nTendonCount > 0
                            ? "CONCRETE STRESSES AT POST-TENSIONING"
                            : "CONCRETE STRESSES AT RELEASE ";
    ctx.Add(Format("%s (Allowable: tens=%s/%s, comp=%s)", title,
                   t.StressText(d.m_dAllowReleaseTension).c_str(),
                   t.StressText(d.m_adAllowableStress[kAllowReleaseTensionWithSteel]).c_str(),
                   t.StressText(d.m_dAllowReleaseCompression).c_str()));
    ctx.Add(
        "            Lt   0.1L   0.2L   0.3L   0.4L  DepPt   0.5L  DepPt   0.6L   0.7L   0.8L"
        "   0.9L     Lt   ");
    t.LocationRow();

    t.Plain("P/S   t:", [&](int s) { return d.m_aPrestressStress[s][kPrestressReleaseTop]; });
    t.Plain("      b:", [&](int s) { return d.m_aPrestressStress[s][kPrestressReleaseBottom]; });
    ctx.Add(" ");
    if (postTensioning) {
        t.Plain("P/T   t:", [&](int s) { return d.m_aPtStress[s][kPtStressStageTop]; });
        t.Plain("      b:", [&](int s) { return d.m_aPtStress[s][kPtStressStageBottom]; });
        ctx.Add(" ");
    }
    t.LoadCaseTopBottom("Beam  t:", "      b:", kStressGirderRelease);
    ctx.Add(" ");

    // Outside the release range a stress is '#' where even bonded tension steel cannot carry it.
    const CellCheck release{CellCheck::kRelease, d.m_dAllowReleaseTension,
                            d.m_dAllowReleaseCompression,
                            d.m_adAllowableStress[kAllowReleaseTensionWithSteel]};
    const CellCheck releaseRange{CellCheck::kRange, d.m_dAllowReleaseTension,
                                 d.m_dAllowReleaseCompression, 0};
    t.Marked(
        "PS+Bm t:", [&](int s) { return d.m_aServiceStress[s][kServiceRelease][kServiceTop]; },
        release);
    t.Marked(
        "      b:", [&](int s) { return d.m_aServiceStress[s][kServiceRelease][kServiceBottom]; },
        ctx.metric ? releaseRange : release);

    if (d.m_bReleaseTensionSteelRequired != 0) {
        ctx.Add(" ");
        std::string line = ctx.metric ? "Astt,mm2" : "Astt,in2";
        for (int c = 0; c < kColumns; ++c) {
            const double As = d.m_adReleaseTensionSteel[kStressStations[c]];  // in2
            if (As > 0) {
                line += (ctx.metric ? Num(As * kSqInToSqMm, 6, 1) : Num(As, 6, 3)) + " ";
            } else {
                line += "    -- ";
            }
        }
        ctx.Add(std::move(line));
    }
    ctx.Add(std::string(98, '-'));
}

void WriteFinalLoadCases(ReportContext& ctx, StressTable& t) {
    const CKordelDoc& d = ctx.doc;
    const bool composite = d.m_bCompositeDeck != 0;
    const bool detailedLosses = d.m_nLossMethod == kLossLrfd6thDetailed;
    const bool computedLosses = d.m_nLossMode == kLossesComputed;
    // The metric form prints the loss stresses of the composite girder whenever the detailed
    // method is chosen, the US form only when the losses are computed as well.
    const bool lossRows = detailedLosses && (ctx.metric || computedLosses);
    auto blank = [&] { ctx.Add(" "); };

    ctx.Add("CONCRETE STRESSES @ FINAL:");
    ctx.Add(std::string("(+M Env)    Lt   0.1L   0.2L   0.3L   0.4L  DepPt   0.5L  DepPt   0.6L"
                        "   0.7L   0.8L   0.9L     Lt") +
            (ctx.metric ? "   " : ""));
    t.LocationRow();

    t.Plain("P/S   t:", [&](int s) { return d.m_aPrestressStress[s][kPrestressFinalTop]; });
    t.Plain("      b:", [&](int s) { return d.m_aPrestressStress[s][kPrestressFinalBottom]; });
    blank();
    if (d.m_nPrestressType == kPostTensioned) {
        t.Plain("P/T   t:", [&](int s) { return d.m_aPtStress[s][kPtStressFinalTop]; });
        t.Plain("      b:", [&](int s) { return d.m_aPtStress[s][kPtStressFinalBottom]; });
        blank();
    }
    t.LoadCaseTopBottom("Beam  t:", "      b:", kStressGirder);
    blank();
    if (composite) {
        t.LoadCaseTopBottom("Deck  t:", "      b:", kStressDeck);
        blank();
    }
    if (d.m_dDiaphragmWeight > 0) {
        t.LoadCaseTopBottom("Diaph t:", "      b:", kStressDiaphragms);
        blank();
    }
    if (d.m_dOtherNonCompositeLoad > 0) {
        t.LoadCaseTopBottom("ONC   t:", "      b:", kStressOtherNonComposite);
        blank();
    }
    if (lossRows) {
        t.Plain("PLoss t:",
                [&](int s) { return d.m_aPrestressLossStress[s][kLossStressToDeckTop]; });
        t.Plain("T->D  b:",
                [&](int s) { return d.m_aPrestressLossStress[s][kLossStressToDeckBottom]; });
        blank();
    }
    if (d.m_dOverlayThickness > 0) {
        t.LoadCaseDeckTopBottom("Ovrly d:", "      t:", "      b:", kStressOverlay);
        blank();
    }
    if (composite) {
        if (d.m_dBarrierLoad > 0) {
            t.LoadCaseDeckTopBottom("Barrs d:", "      t:", "      b:", kStressBarriers);
            blank();
        }
        if (d.m_dWearingSurfaceLoad > 0) {
            t.LoadCaseDeckTopBottom("FWS   d:", "      t:", "      b:", kStressWearingSurface);
            blank();
        }
        if (lossRows) {
            t.Plain("PLoss d:",
                    [&](int s) { return d.m_aPrestressLossStress[s][kLossStressDeckToFinalDeck]; });
            t.Plain("D->F  t:",
                    [&](int s) { return d.m_aPrestressLossStress[s][kLossStressDeckToFinalTop]; });
            t.Plain("      b:", [&](int s) {
                return d.m_aPrestressLossStress[s][kLossStressDeckToFinalBottom];
            });
            blank();
            if (d.m_nDetailedLossBasis == kDeckShrinkagePciGuidelines) {
                t.LoadCaseDeckTopBottom("PDeck d:", "      t:", "      b:", kStressDeckShrinkage);
                blank();
            }
        }
    } else {
        if (d.m_dBarrierLoad > 0) {
            t.LoadCaseTopBottom("Barrs t:", "      b:", kStressBarriers);
            blank();
        }
        if (d.m_dWearingSurfaceLoad > 0) {
            t.LoadCaseTopBottom("FWS   t:", "      b:", kStressWearingSurface);
            blank();
        }
        if (detailedLosses && computedLosses) {
            t.Plain("PLoss t:",
                    [&](int s) { return d.m_aPrestressLossStress[s][kLossStressDeckToFinalTop]; });
            t.Plain("D->F  b:", [&](int s) {
                return d.m_aPrestressLossStress[s][kLossStressDeckToFinalBottom];
            });
            blank();
        }
    }
    if (d.m_dOtherCompositeLoad > 0) {
        t.LoadCaseDeckTopBottom("OC    d:", "      t:", "      b:", kStressOtherComposite);
        blank();
    }
    if (d.m_bComputeRestraintMoments) {
        t.LoadCaseDeckTopBottom("+RM   d:", "      t:", "      b:", kStressRestraintPositive);
        t.LoadCaseDeckTopBottom("-RM   d:", "      t:", "      b:", kStressRestraintNegative);
        blank();
    }
    if (composite) {
        t.LoadCaseDeckTopBottom("Veh+  d:", "      t:", "      b:", kStressLiveLoad);
        if (d.m_bContinuous) {
            t.LoadCaseDeckTopBottom("Veh-  d:", "      t:", "      b:", kStressLiveLoadNegative);
        }
        if (d.m_dPedestrianLoad > 0) {
            t.LoadCaseDeckTopBottom("Pedst d:", "      t:", "      b:", kStressPedestrian);
        }
    } else {
        t.LoadCaseTopBottom("Veh   t:", "      b:", kStressLiveLoad);
        if (d.m_dPedestrianLoad > 0) t.LoadCaseTopBottom("Pedst t:", "      b:", kStressPedestrian);
    }
}

void WriteCombinations(ReportContext& ctx, StressTable& t) {
    const CKordelDoc& d = ctx.doc;
    const bool composite = d.m_bCompositeDeck != 0;
    auto combo = [&](int g, int e) {
        return [&d, g, e](int s) { return d.m_aServiceStress[s][g][e]; };
    };
    const double tPerm = d.m_dAllowFinalTensionPermanent;
    const double tAll = d.m_dAllowFinalTensionAllLoads;
    const double cPerm = d.m_dAllowFinalCompressionPermanent;
    const double cHalf = d.m_dAllowFinalCompressionHalfPermanentLL;
    const double cAll = d.m_dAllowFinalCompressionAllLoads;
    // The top-fibre rows check compression only in US units; the metric form checks both limits.
    auto top = [&](double tension, double compression) {
        return ctx.metric ? CellCheck{CellCheck::kRange, tension, compression, 0}
                          : CellCheck{CellCheck::kCompression, tension, compression, 0};
    };

    ctx.Add(" ");
    ctx.Add(Format("STRESS COMBOS @ FINAL: Allowable tension :P+prm=%s,P+prm+LL=%s",
                   t.StressText(tPerm).c_str(), t.StressText(tAll).c_str()));
    ctx.Add(
        Format("                       Allowable compress:P+prm=%s,.5(P+prm)+LL=%s,"
               "P+prm+LL=%s; Deck=%s",
               t.StressText(cPerm).c_str(), t.StressText(cHalf).c_str(), t.StressText(cAll).c_str(),
               t.StressText(d.m_dAllowDeckCompression).c_str()));

    // Prestress and permanent loads.
    if (composite) t.Plain("P+Pm  d:", combo(kServicePermanent, kServiceDeckTop));
    t.Marked(composite ? "      t:" : "P+Pm  t:", combo(kServicePermanent, kServiceTop),
             top(tPerm, cPerm));
    t.Marked("      b:", combo(kServicePermanent, kServiceBottom),
             {CellCheck::kRange, tPerm, cPerm, 0});
    ctx.Add(" ");

    if (d.m_bContinuous) {
        ctx.Add("Negative Moment Envelope:");
        t.Marked(".5PPmLb:", combo(kServiceFatigueNegative, kServiceBottom),
                 {CellCheck::kRange, tAll, cHalf, 0}, ctx.metric ? 7 : 6);
        ctx.Add(" ");
        t.Plain("P+Pm  d:", combo(kServiceAllLoadsNegative, kServiceDeckTop));
        t.Marked(" +L   t:", combo(kServiceAllLoadsNegative, kServiceTop), top(tAll, cAll));
        t.Marked("      b:", combo(kServiceAllLoadsNegative, kServiceBottom),
                 {CellCheck::kRange, tAll, cAll, 0});
        ctx.Add(" ");
        ctx.Add("Positive Moment Envelope:");
    }

    if (composite) t.Plain(".5(P+ d:", combo(kServiceFatiguePositive, kServiceDeckTop));
    t.Marked(composite ? "Pm)+L t:" : ".5PPmLt:", combo(kServiceFatiguePositive, kServiceTop),
             top(tAll, cHalf));
    ctx.Add(" ");

    if (composite) t.Plain("P+Pm  d:", combo(kServiceAllLoadsPositive, kServiceDeckTop));
    t.Marked(composite ? " +L   t:" : "P+Pm+Lt:", combo(kServiceAllLoadsPositive, kServiceTop),
             top(tAll, cAll));
    t.Marked(d.m_bServiceComboI == 1 ? "(S I) b:" : "(SIII)b:",
             combo(kServiceAllLoadsPositive, kServiceBottom), {CellCheck::kRange, tAll, cAll, 0});
}

}  // namespace

void WriteStressBlock(ReportContext& ctx) {
    const CKordelDoc& d = ctx.doc;
    ctx.PageBreak();
    WriteHandlingBlock(ctx);
    ctx.Add(ctx.metric ? "Service Limit State: Stresses (MPa)"
                       : "Service Limit State: Stresses (ksi)");
    ctx.Add(std::string(35, '-'));
    StressTable table(ctx);
    if (d.m_bCheckStripping == 0) WriteReleaseTable(ctx, table);
    WriteFinalLoadCases(ctx, table);
    WriteCombinations(ctx, table);
}

}  // namespace kordel

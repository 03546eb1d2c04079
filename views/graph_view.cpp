#include "views/graph_view.h"

#include <cmath>
#include <cstring>

#include "document/kordel_doc.h"
#include "document/main_frame_state.h"
#include "report/format.h"
#include "resources/resource_ids.h"
#include "views/graph_painters.h"
#include "views/kordel_view.h"
#include "views/title_block.h"
#include "views/view_paging.h"

namespace kordel {

using namespace platform::ui;

namespace {

constexpr double kKsiToMpa = 6.8948;
constexpr double kFtToM = 0.3048;

const Font kTextFont{"Arial", -14};
const Font kHeadingFont{"Arial", -17, kFontWeightBold};
const Pen kBlackPen{PenStyle::Solid, 1, kBlack};
/// Texts start here; graph blocks too.
constexpr int kLeft = 5;
/// The height a graph block takes on its page.
constexpr int kGraphStep = 265;
/// The y of the dotted page lines on the screen.
constexpr int kPageLines[] = {-1000, -2000};

/// A percentage as printed: a share that is not a finite number prints as 0.0.
double Shown(double percent) {
    return std::isfinite(percent) ? percent : 0.0;
}

/// A series of the document copied for a painter.
struct Series {
    GraphSeries v = {};
    template <typename Read>
    explicit Series(Read read) {
        for (int i = 0; i < kStationCount; ++i) v[i] = read(i);
    }
};

/// The two fibres of service combination `combination`.
Series ServiceSeries(const CKordelDoc& doc, int combination, int fibre) {
    return Series([&](int i) { return doc.m_aServiceStress[i][combination][fibre]; });
}

Series HandlingSeries(const HandlingStrengthArrays& arrays, bool top, int direction) {
    const int slot = HandlingStressSlot(direction, kHandlingStressTotal);
    return Series([&](int i) {
        return top ? arrays.m_adStressTop[i][slot] : arrays.m_adStressBottom[i][slot];
    });
}

int LineStep(const DC& dc) {
    return dc.GetTextExtent("This is a string.").cy;
}

void Heading(DC& dc, int y, const std::string& text) {
    dc.SelectFont(kHeadingFont);
    dc.TextOut({kLeft, y}, text);
    dc.SelectFont(kTextFont);
}

}  // namespace

double LossPercent(double loss, double divisor) {
    if (divisor == 0.0) return 0.0;
    return Shown(100.0 * loss / divisor);
}

std::string GraphLossLine(const CKordelDoc& doc, int page) {
    const bool metric = doc.m_nUnits != kUnitsUS;
    const bool postTensioned = doc.m_nPrestressType != kPretensionOnly;
    const bool detailed = doc.m_nLossMethod == kLossLrfd6thDetailed;
    const double k = metric ? kKsiToMpa : 1.0;
    const double* total = doc.m_adTotalLoss;
    const double* pt = doc.m_adPtTotalLoss;
    std::string line;
    if (postTensioned) {
        const double pretension = page == 1 ? total[kTotalLossRelease] : total[kTotalLossFinal];
        const double pretensionPercent =
            Shown(page == 1 ? total[kTotalLossReleasePercent] : total[kTotalLossFinalPercent]);
        const double tendon = page == 1 ? pt[kPtLossStage] : pt[kPtLossFinal];
        const double tendonPercent = LossPercent(tendon, pt[kPtJackingStress]);
        line = metric ? Format("Prestress Losses: Total Pretension=%7.3f MPa (%4.1f%%), "
                               "Total Post-Tension=%7.3f MPa (%4.1f%%)",
                               k * pretension, pretensionPercent, k * tendon, tendonPercent)
                      : Format("Prestress Losses: Total Pretension=%7.3f ksi (%4.1f%%), "
                               "Total Post-Tension=%7.3f ksi (%4.1f%%)",
                               pretension, pretensionPercent, tendon, tendonPercent);
    } else if (page == 1) {
        if (detailed) return {};
        const double es = k * doc.m_adLossElasticShortening[kElasticLoss];
        const double re = k * doc.m_adLossRelaxation[kRelaxationBeforeTransfer];
        const double all = k * total[kTotalLossRelease];
        const double percent = Shown(total[kTotalLossReleasePercent]);
        line = metric ? Format("Release Losses: ES=%7.3f MPa, RE=%7.3f MPa, Total=%7.3f MPa "
                               "(%4.1f%%)",
                               es, re, all, percent)
                      : Format("Prestress Losses: ES=%7.3f ksi, RE=%7.3f ksi, Total=%7.3f ksi "
                               "(%4.1f%%)",
                               es, re, all, percent);
    } else if (!detailed) {
        const double es = k * doc.m_adLossElasticShortening[kElasticLoss];
        const double re = k * doc.m_adLossRelaxation[kRelaxationAfterTransfer];
        const double sh = k * doc.m_dLossShrinkage;
        const double cr = k * doc.m_adLossCreep[kCreepLoss];
        const double all = k * total[kTotalLossFinal];
        const double percent = Shown(total[kTotalLossFinalPercent]);
        line = metric ? Format("Final losses: ES=%7.3f MPa, RE=%7.3f MPa, SH=%7.3f MPa, "
                               "CR=%7.3f MPa, Total=%7.3f MPa (%4.1f%%)",
                               es, re, sh, cr, all, percent)
                      : Format("Final losses: ES=%7.3f ksi, RE=%7.3f ksi, SH=%7.3f ksi, "
                               "CR=%7.3f ksi, Total=%7.3f ksi (%4.1f%%)",
                               es, re, sh, cr, all, percent);
    } else {
        const double toDeck = k * doc.m_adLossDetailed[kDetailedToDeck];
        const double toFinal = k * doc.m_adLossDetailed[kDetailedDeckToFinal];
        const double toDeckPercent = Shown(total[kTotalLossToDeckPercent]);
        const double toFinalPercent = Shown(total[kTotalLossDeckToFinalPercent]);
        const char* unit = metric ? "MPa" : "ksi";
        line = doc.m_bCompositeDeck
                   ? Format("Total Losses: Transfer->Deck=%7.3f %s (%4.1f%%), "
                            "Deck->Final=%7.3f %s (%4.1f%%)",
                            toDeck, unit, toDeckPercent, toFinal, unit, toFinalPercent)
                   : Format("Total Losses: Transfer->SDL=%7.3f %s (%4.1f%%), "
                            "SDL->Final=%7.3f %s (%4.1f%%)",
                            toDeck, unit, toDeckPercent, toFinal, unit, toFinalPercent);
    }
    return line;
}

CGraphView::CGraphView() {
    m_commands.OnUpdate(ID_RESULTS_GRAPHS, [](CmdUI& ui) { ui.SetCheck(true); });
    // A second graph view is not opened.
    m_commands.On(ID_RESULTS_GRAPHS, [] {});
    m_commands.OnUpdate(ID_RESULTS_CODE_COMPLIANCE, [](CmdUI& ui) { ui.SetCheck(false); });
    auto textPrintout = [](CmdUI& ui) {
        ui.Enable(true);
        ui.SetCheck(false);
    };
    m_commands.OnUpdate(ID_RESULTS_TEXT_SHORT, textPrintout);
    m_commands.OnUpdate(ID_RESULTS_TEXT_LONG, textPrintout);
}

CKordelDoc* CGraphView::GetDocument() const {
    return dynamic_cast<CKordelDoc*>(View::GetDocument());
}

void CGraphView::OnInitialUpdate() {
    SetScrollSizes(MapMode::LoEnglish, kExtent, {320, 340}, {8, 17});
    ScrollView::OnInitialUpdate();
}

void CGraphView::OnDestroy() {
    GetMainFrame().m_bGraphViewOpen = 0;
}

void CGraphView::OnDraw(DC& dc) {
    const CKordelDoc* doc = GetDocument();
    if (!doc) return;
    const bool printing = dc.IsPrinting();
    const Font previousFont = dc.SelectFont(kTextFont);
    const Pen previousPen = dc.SelectPen(kBlackPen);
    dc.SetTextAlign(kAlignLeft | kAlignTop);

    // On paper each page starts below its title block; on the screen the pages are 1005 units
    // apart with a dotted line between them.
    auto pageTop = [&](int page) {
        const int offset = printing ? DrawPageTitleBlock(dc, *doc, page, kPageCount,
                                                         kGraphTitleFrame)
                                    : 0;
        dc.SelectFont(kTextFont);
        dc.SelectPen(kBlackPen);
        return offset - kPagePitch * (page - 1);
    };
    DrawPage1(dc, *doc, pageTop(1));
    if (!printing) DrawPageBreakLine(dc, kPageLines[0]);
    DrawPage2(dc, *doc, pageTop(2));
    if (!printing) DrawPageBreakLine(dc, kPageLines[1]);
    DrawPage3(dc, *doc, pageTop(3));

    dc.SelectPen(previousPen);
    dc.SelectFont(previousFont);
}

void CGraphView::DrawPage1(DC& dc, const CKordelDoc& doc, int y) {
    const bool metric = doc.m_nUnits != kUnitsUS;
    int c = LineStep(dc);
    Heading(dc, y,
            doc.m_nPrestressType == kPretensionOnly ? "Release Stresses"
                                                  : "Stresses at Tendon Stressing");
    y -= c;
    const std::string loss = GraphLossLine(doc, 1);
    if (!loss.empty()) {
        dc.TextOut({kLeft, y}, loss);
        y -= c;
    }
    const Series bottom = ServiceSeries(doc, kServiceRelease, kServiceBottom);
    const Series top = ServiceSeries(doc, kServiceRelease, kServiceTop);
    DrawStressGraph(dc, kLeft, y,
                    metric ? "Combo: Prestress + Girder Self-Weight (MPa)"
                           : "Combo: Prestress + Girder Self-Weight (ksi)",
                    bottom.v, top.v, doc.m_adStationX, doc.m_nUnits, doc.m_dAllowReleaseTension,
                    doc.m_dAllowReleaseCompression);
    y -= kGraphStep;
    if (!doc.m_bCheckStripping && !doc.m_bCheckHandling) return;

    struct Handling {
        const char* heading;
        bool lifting;
        double left, right, strength;
        const HandlingStrengthArrays& arrays;
        double tension, compression;

        std::string Line(bool metric) const {
            if (lifting) {
                return metric ? Format("Lift Locs: L: %6.2f m, R: %6.2f m   f'ci: %6.2f MPa",
                                       kFtToM * left, kFtToM * right, kKsiToMpa * strength)
                              : Format("Lift Locs: L: %6.2f ft, R: %6.2f ft   f'ci: %5.2f ksi",
                                       left, right, strength);
            }
            return metric ? Format("Bunk Locs: L: %6.2f m, R: %6.2f m   f'c: %6.2f MPa",
                                   kFtToM * left, kFtToM * right, kKsiToMpa * strength)
                          : Format("Bunk Locs: L: %6.2f ft, R: %6.2f ft   f'c: %5.2f ksi", left,
                                   right, strength);
        }
    };
    const Handling blocks[] = {
        {"Handling Stresses", true, doc.m_dLiftSupportLeft, doc.m_dLiftSupportRight,
         doc.m_dBeamFci, doc.m_LiftingArrays, doc.m_dAllowReleaseTension,
         doc.m_dAllowReleaseCompression},
        {"Shipping Stresses", false, doc.m_dShipSupportLeft, doc.m_dShipSupportRight,
         doc.m_dBeamFc, doc.m_ShippingArrays, doc.m_dShipTensionAllowable,
         doc.m_dShipCompressionAllowable},
    };
    for (const Handling& block : blocks) {
        c = LineStep(dc);
        Heading(dc, y, block.heading);
        y -= static_cast<int>(1.25 * c);
        dc.TextOut({kLeft, y}, block.Line(metric));
        y -= c;
        dc.TextOut({kLeft, y}, "Combo: Prestress + Self-Weight +/- Impact");
        const Series topDown = HandlingSeries(block.arrays, true, kImpactDown);
        const Series bottomDown = HandlingSeries(block.arrays, false, kImpactDown);
        const Series topUp = HandlingSeries(block.arrays, true, kImpactUp);
        const Series bottomUp = HandlingSeries(block.arrays, false, kImpactUp);
        DrawHandlingStressGraph(dc, kLeft, y, topDown.v, bottomDown.v, topUp.v, bottomUp.v,
                                doc.m_adStationX, doc.m_nUnits, block.tension, block.compression);
        y -= kGraphStep;
    }
}

void CGraphView::DrawPage2(DC& dc, const CKordelDoc& doc, int y) {
    const char* unit = doc.m_nUnits != kUnitsUS ? "(MPa)" : "(ksi)";
    const int c = LineStep(dc);
    y -= c;
    Heading(dc, y, "Final Stresses");
    y -= c;
    dc.TextOut({kLeft, y}, GraphLossLine(doc, 2));
    y -= c;

    auto graph = [&](const char* combo, int combination, double tension, double compression) {
        const Series bottom = ServiceSeries(doc, combination, kServiceBottom);
        const Series top = ServiceSeries(doc, combination, kServiceTop);
        DrawStressGraph(dc, kLeft, y, std::string("Combo: ") + combo + " " + unit, bottom.v, top.v,
                        doc.m_adStationX, doc.m_nUnits, tension, compression);
        y -= kGraphStep;
    };
    if (doc.m_bContinuous) {
        graph("Prestress + Permanent Loads + Live Load (-M envelope)", kServiceAllLoadsNegative,
              doc.m_dAllowFinalTensionAllLoads, doc.m_dAllowFinalCompressionAllLoads);
    }
    graph("Prestress + Permanent Loads + Live Load (+M envelope)", kServiceAllLoadsPositive,
          doc.m_dAllowFinalTensionAllLoads, doc.m_dAllowFinalCompressionAllLoads);
    graph("Prestress + Permanent Loads (+M envelope)", kServicePermanent,
          doc.m_dAllowFinalTensionPermanent, doc.m_dAllowFinalCompressionPermanent);
}

void CGraphView::DrawPage3(DC& dc, const CKordelDoc& doc, int y) {
    const bool metric = doc.m_nUnits != kUnitsUS;
    const bool strengthII = doc.m_bIncludeStrengthII != 0;
    const int c = LineStep(dc);
    Heading(dc, y, "Flexural Strength");
    y -= 2 * c;
    if (doc.m_bContinuous) {
        const Series mu(
            [&](int i) { return doc.m_aFactoredMomentEnvelope[i][kStrengthINegative]; });
        const Series mr([&](int i) { return -doc.m_aFlexureMr[i][kFlexureNegative]; });
        const Series mu2([&](int i) {
            return strengthII ? doc.m_aMuStrengthIIEnd[i][kStrengthMomentNegativeComposite] : 0.0;
        });
        DrawMomentGraph(dc, kLeft, y,
                        metric ? "Combo: Flexural strength (-M envelope) (kN-m)"
                               : "Combo: Flexural strength (-M envelope) (k-ft)",
                        mu.v, mr.v, mu2.v, doc.m_adStationX, doc.m_nUnits, doc.m_dDesignSpan,
                        strengthII);
        y -= kGraphStep;
    }
    const Series mu([&](int i) { return doc.m_aMuStrengthI[i][kStrengthMomentPositive]; });
    const Series mr([&](int i) { return doc.m_aFlexureMr[i][kFlexurePositive]; });
    const Series mu2([&](int i) {
        return strengthII ? doc.m_aMuStrengthII[i][kStrengthMomentPositive] : 0.0;
    });
    DrawMomentGraph(dc, kLeft, y,
                    metric ? "Combo: Flexural strength (+M envelope) (kN-m)"
                           : "Combo: Flexural strength (+M envelope) (k-ft)",
                    mu.v, mr.v, mu2.v, doc.m_adStationX, doc.m_nUnits, doc.m_dDesignSpan,
                    strengthII);
    y -= kGraphStep + c;

    Heading(dc, y, "Vertical Shear Strength");
    y -= 2 * c;
    const Series provided([&](int i) { return doc.m_dPhiShear * doc.m_adShearVr[i]; });
    const Series vu([&](int i) { return doc.m_adVuStrengthI[i]; });
    const Series maximum([&](int i) { return doc.m_dPhiShear * doc.m_adShearVrMax[i]; });
    const Series vu2([&](int i) { return strengthII ? doc.m_adVuStrengthII[i] : 0.0; });
    DrawShearGraph(dc, kLeft, y, metric ? "Vr=phi*Vn vs. Vu (kN)" : "Vr=phi*Vn vs. Vu (kips)",
                   provided.v, vu.v, maximum.v, vu2.v, doc.m_adStationX, doc.m_nUnits,
                   doc.m_dDesignSpan, strengthII);
}

// ---- Printing -------------------------------------------------------------------------------

bool CGraphView::OnPreparePrinting(PrintInfo& info) {
    info.SetMaxPage(kPageCount);
    info.previewPages = 1;
    return true;
}

void CGraphView::OnPrint(DC& dc, PrintInfo& info) {
    CKordelView::PrintSheetBand(dc, info.curPage, [&] { OnDraw(dc); });
}

}  // namespace kordel

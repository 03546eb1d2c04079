// The graph view and its graph painters on the recording device context (100 px/in: one 0.01
// inch unit is one pixel, y flipped; recorded fonts have ascent 0.8 em).
//
// The golden files (tests/views/golden/graphs_*) hold every primitive of the three pages of each
// example on the screen and printed; rewrite them with KORDEL_UPDATE_GOLDEN=1 and read the
// difference before committing it.
#include "views/graph_view.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "document/kordel_doc.h"
#include "platform/ui/headless_toolkit.h"
#include "platform/ui/recording_print.h"
#include "report/format.h"
#include "resources/resource_ids.h"
#include "tests/report/report_test_support.h"
#include "tests/test_support.h"
#include "tests/views/sheet_test_support.h"
#include "views/graph_painters.h"
#include "views/title_block.h"

namespace kordel {
namespace {

using platform::ui::MapMode;
using platform::ui::PageGeometry;
using platform::ui::PrintInfo;
using platform::ui::RecordingDC;
using platform::ui::RecordingPrintSurface;
using OpKind = RecordingDC::OpKind;

/// A recorded text's baseline below its top: 0.8 em.
double Baseline(const RecordingDC::Op& op) {
    return 0.8 * op.fontSize;
}

GraphSeries* Filled(GraphSeries& s, double value) {
    for (double& v : s) v = value;
    return &s;
}

// ---- Scale rules --------------------------------------------------------------------------------

TEST(GraphScaleTest, StressScalesRoundTheirTopUpAndTheirBottomDown) {
    struct Case {
        const char* what;
        double smallest, largest, tension, compression;
        double top, bottom;
    };
    const Case cases[] = {
        {"values inside the allowables", -0.35, 2.10, -0.20, 3.60, 4.0, -0.4},
        {"a whole largest value rises by a half", -0.35, 4.0, -0.20, 3.60, 4.5, -0.4},
        {"a value of f + 0.5 rises by a whole unit", 0.0, 2.5, 0.0, 1.0, 3.0, 0.0},
        {"all zero", 0.0, 0.0, 0.0, 0.0, 0.5, 0.0},
        {"the tension allowable sets the bottom", 0.2, 1.2, -0.465, 2.7, 3.0, -0.5},
    };
    for (const Case& c : cases) {
        GraphSeries a, b;
        Filled(a, c.smallest);
        Filled(b, c.smallest);
        b[37] = c.largest;  // a single point carries the largest value
        const double* series[] = {a, b};
        const StressGraphScale s = ComputeStressScale(series, 2, c.tension, c.compression, 0);
        EXPECT_DOUBLE_EQ(s.top, c.top) << c.what;
        EXPECT_NEAR(s.bottom, c.bottom, 1e-12) << c.what;
        EXPECT_DOUBLE_EQ(s.scale, 210.0 / (c.top - c.bottom)) << c.what;
        EXPECT_DOUBLE_EQ(s.smallest, c.smallest) << c.what;
        EXPECT_DOUBLE_EQ(s.largest, c.largest) << c.what;
    }
    // All zero: the zero line lies at the bottom of the plot area, 240 below the block's top.
    GraphSeries zero;
    Filled(zero, 0.0);
    const double* series[] = {zero};
    EXPECT_EQ(ComputeStressScale(series, 1, 0.0, 0.0, 0).zeroY, -240);
    // Stations past 100 take no part.
    zero[101] = 50.0;
    EXPECT_DOUBLE_EQ(ComputeStressScale(series, 1, 0.0, 0.0, 0).top, 0.5);
}

TEST(GraphScaleTest, MomentsScaleInMultiplesOf500AndShearsOf100) {
    const std::pair<double, double> moments[] = {
        {0.0, 500.0}, {1500.0, 2000.0}, {2499.0, 2500.0}, {2500.0, 3000.0}, {7545.3, 8000.0}};
    for (const auto& [largest, half] : moments) EXPECT_EQ(MomentGraphHalfHeight(largest), half);
    const std::pair<double, double> shears[] = {
        {0.0, 100.0}, {99.9, 100.0}, {100.0, 200.0}, {296.9, 300.0}, {664.1, 700.0}};
    for (const auto& [largest, top] : shears) EXPECT_EQ(ShearGraphTop(largest), top);
}

TEST(GraphScaleTest, TheSmallestStrengthRatioSkipsStationsWithoutMoment) {
    GraphSeries mu, mr, x;
    Filled(mu, 0.0);
    Filled(mr, 100.0);
    for (int i = 0; i < kStationCount; ++i) x[i] = i;
    // No moment anywhere: no ratio, at position 0.
    StrengthRatio r = SmallestStrengthRatio(mu, mr, x);
    EXPECT_DOUBLE_EQ(r.ratio, 999999.9);
    EXPECT_DOUBLE_EQ(r.position, 0.0);
    // Equal ratios keep the first station; a station past 100 does not count.
    mu[20] = 50.0;
    mu[80] = 50.0;
    mu[105] = 1000.0;
    r = SmallestStrengthRatio(mu, mr, x);
    EXPECT_DOUBLE_EQ(r.ratio, 2.0);
    EXPECT_DOUBLE_EQ(r.position, 20.0);
}

// ---- The view -----------------------------------------------------------------------------------

class GraphViewTest : public test::EngineTest {
  protected:
    GraphViewTest() : m_toolkitGuard(toolkit) {}

    CKordelDoc& Example(int n, int units = kUnitsUS) {
        m_doc = NewDoc();
        EXPECT_TRUE(m_doc->BuildExampleDesign(n));
        m_doc->m_nUnits = units;
        m_doc->RunAnalysis();
        view.SetDocument(m_doc.get());
        view.OnInitialUpdate();
        return *m_doc;
    }

    std::unique_ptr<RecordingDC> Screen() {
        auto dc = std::make_unique<RecordingDC>(100.0, false, platform::ui::Size{1000, 3200});
        dc->SetMapMode(MapMode::LoEnglish);
        view.OnDraw(*dc);
        return dc;
    }

    std::unique_ptr<RecordingPrintSurface> Print() {
        auto surface = std::make_unique<RecordingPrintSurface>("", PageGeometry::Letter(100.0));
        PrintInfo info;
        EXPECT_TRUE(view.OnPreparePrinting(info));
        EXPECT_GE(platform::ui::RunPrintLoop(view, *surface, info), 0);
        return surface;
    }

    /// The top y (logical) of the block drawn under `title`.
    static double BlockTop(const RecordingDC& dc, const std::string& title) {
        for (const auto& op : dc.OpsOf(OpKind::Text)) {
            if (op.text == title) return std::round(-(op.points[0].y - Baseline(op)));
        }
        ADD_FAILURE() << "no graph titled " << title;
        return 0.0;
    }

    /// The logical y of the point at `station` of the series drawn from the zero line `zeroY`
    /// of the block at top `top`, in `colour`.
    static double PlottedY(const RecordingDC& dc, double top, int zeroY,
                           platform::ui::Colour colour, int station) {
        for (const auto& op : dc.OpsOf(OpKind::Polyline)) {
            if (op.points.size() != kGraphPoints + 1 || !(op.penColour == colour)) continue;
            if (op.points[0].x != 45.0 || -op.points[0].y != zeroY) continue;
            if (-op.points[0].y > top || -op.points[0].y < top - 260) continue;
            return -op.points[1 + station].y;
        }
        ADD_FAILURE() << "no series from the zero line " << zeroY;
        return 0.0;
    }

    platform::ui::HeadlessToolkit toolkit{host};
    CGraphView view;
    std::unique_ptr<CKordelDoc> m_doc;

  private:
    platform::ui::ScopedToolkit m_toolkitGuard;
};

/// The number in column `column` (from 0) of the report line that starts with `label`, after the
/// label; the first such line after `after`.
double ReportNumber(const std::vector<std::string>& lines, const std::string& after,
                    const std::string& label, int column) {
    size_t i = 0;
    while (i < lines.size() && lines[i].find(after) == std::string::npos) ++i;
    for (; i < lines.size(); ++i) {
        if (lines[i].rfind(label, 0) != 0) continue;
        std::string rest = lines[i].substr(label.size());
        for (char& ch : rest) {
            if (ch == '*') ch = ' ';
        }
        std::istringstream in(rest);
        double value = 0.0;
        for (int c = 0; c <= column; ++c) in >> value;
        EXPECT_FALSE(in.fail()) << label;
        return value;
    }
    ADD_FAILURE() << "no report line " << label << " after " << after;
    return 0.0;
}

TEST_F(GraphViewTest, TheGraphsOfExample1PlotTheReportsNumbersAtMidspan) {
    CKordelDoc& doc = Example(1);
    ASSERT_EQ(doc.m_nReportForm, kReportLongForm);
    const std::vector<std::string> report = doc.Report();
    const int mid = 50;
    ASSERT_DOUBLE_EQ(doc.m_adStationX[mid], 52.5);  // the report's 0.5L column
    auto dc = Screen();

    // Final stresses with live load (+M envelope), 0.5L is the seventh column.
    const std::string live = "Combo: Prestress + Permanent Loads + Live Load (+M envelope) (ksi)";
    const double top = ReportNumber(report, "STRESS COMBOS @ FINAL", " +L   t:", 6);
    const double bottom = ReportNumber(report, "STRESS COMBOS @ FINAL", "(SIII)b:", 6);
    EXPECT_NEAR(top, doc.m_aServiceStress[mid][kServiceAllLoadsPositive][kServiceTop], 0.0005);
    EXPECT_NEAR(bottom, doc.m_aServiceStress[mid][kServiceAllLoadsPositive][kServiceBottom],
                0.0005);
    {
        const double y = BlockTop(*dc, live);
        GraphSeries b, t;
        for (int i = 0; i < kStationCount; ++i) {
            b[i] = doc.m_aServiceStress[i][kServiceAllLoadsPositive][kServiceBottom];
            t[i] = doc.m_aServiceStress[i][kServiceAllLoadsPositive][kServiceTop];
        }
        const double* series[] = {b, t};
        const StressGraphScale s =
            ComputeStressScale(series, 2, doc.m_dAllowFinalTensionAllLoads,
                               doc.m_dAllowFinalCompressionAllLoads, static_cast<int>(y));
        EXPECT_NEAR(PlottedY(*dc, y, s.zeroY, {255, 0, 255}, mid), top * s.scale + s.zeroY, 1.0);
        EXPECT_NEAR(PlottedY(*dc, y, s.zeroY, {0, 0, 192}, mid), bottom * s.scale + s.zeroY,
                    1.0);
    }
    // Permanent loads: the first "t:" line of the combinations.
    const double pTop = ReportNumber(report, "STRESS COMBOS @ FINAL", "      t:", 6);
    EXPECT_NEAR(pTop, doc.m_aServiceStress[mid][kServicePermanent][kServiceTop], 0.0005);

    // Flexure: Mu and Mr of the 52.50 ft row, and the range in the text block.
    double mu = 0.0, mr = 0.0;
    for (const std::string& line : report) {
        if (line.rfind(" 52.50 ", 0) != 0) continue;
        std::istringstream in(line);
        double v[10];
        for (double& x : v) in >> x;
        mu = v[8];
        mr = v[9];
        break;
    }
    ASSERT_GT(mu, 0.0);
    {
        const std::string title = "Combo: Flexural strength (+M envelope) (k-ft)";
        const double y = BlockTop(*dc, title);
        double largest = 0.0;
        for (int i = 0; i <= 100; ++i) {
            largest = std::max({largest, std::fabs(doc.m_aMuStrengthI[i][kStrengthMomentPositive]),
                                std::fabs(doc.m_aFlexureMr[i][kFlexurePositive])});
        }
        const double scale = 105.0 / MomentGraphHalfHeight(largest);
        const int zeroY = static_cast<int>(y) - 135;
        EXPECT_NEAR(PlottedY(*dc, y, zeroY, {0, 0, 192}, mid), mu * scale + zeroY, 1.0);
        EXPECT_NEAR(PlottedY(*dc, y, zeroY, {255, 0, 255}, mid), mr * scale + zeroY, 1.0);
        EXPECT_NEAR(doc.m_aMuStrengthI[mid][0], mu, 0.5);
    }

    // Shear: Vu at 0.5L and the factored resistances.
    const double vu = ReportNumber(report, "Strength Limit State: Vertical Shear", "Vu,kip", 9);
    const double vrMax = ReportNumber(report, "Strength Limit State: Vertical Shear", "Vr_max,k", 9);
    const double vc = ReportNumber(report, "Strength Limit State: Vertical Shear", "Vc,kip", 9);
    const double vs = ReportNumber(report, "Strength Limit State: Vertical Shear", "Vs_prv,k", 9);
    const double vp = ReportNumber(report, "Strength Limit State: Vertical Shear", "Vp,kip", 9);
    {
        const double y = BlockTop(*dc, "Vr=phi*Vn vs. Vu (kips)");
        double largest = 0.0;
        for (int i = 0; i <= 100; ++i) {
            largest = std::max({largest, doc.m_adVuStrengthI[i],
                                doc.m_dPhiShear * doc.m_adShearVr[i],
                                doc.m_dPhiShear * doc.m_adShearVrMax[i]});
        }
        const double scale = 210.0 / ShearGraphTop(largest);
        const int zeroY = static_cast<int>(y) - 240;
        EXPECT_NEAR(PlottedY(*dc, y, zeroY, {0, 0, 192}, mid), vu * scale + zeroY, 1.0);
        EXPECT_NEAR(PlottedY(*dc, y, zeroY, {255, 0, 0}, mid), vrMax * scale + zeroY, 1.0);
        EXPECT_NEAR(PlottedY(*dc, y, zeroY, {255, 0, 255}, mid),
                    doc.m_dPhiShear * (vc + vs + vp) * scale + zeroY, 1.0);
        EXPECT_NEAR(doc.m_dPhiShear * doc.m_adShearVrMax[mid], vrMax, 0.05);
        EXPECT_NEAR(doc.m_adVuStrengthI[mid], vu, 0.05);
    }
}

TEST_F(GraphViewTest, LossPercentagesWithAZeroDivisorPrintZero) {
    EXPECT_EQ(LossPercent(10.0, 0.0), 0.0);
    EXPECT_EQ(LossPercent(10.0, 200.0), 5.0);
    EXPECT_EQ(LossPercent(std::nan(""), 200.0), 0.0);
    CKordelDoc& doc = Example(1);
    // A post-tensioned design whose tendons carry no jacking stress, and pretension percentages
    // that are not numbers: every percentage prints 0.0.
    doc.m_nPrestressType = kPostTensioned;
    doc.m_adPtTotalLoss[kPtJackingStress] = 0.0;
    doc.m_adPtTotalLoss[kPtLossStage] = 12.5;
    doc.m_adPtTotalLoss[kPtLossFinal] = 20.0;
    doc.m_adTotalLoss[kTotalLossReleasePercent] = std::nan("");
    doc.m_adTotalLoss[kTotalLossFinalPercent] = INFINITY;
    for (int page : {1, 2}) {
        const std::string line = GraphLossLine(doc, page);
        EXPECT_EQ(line.find("nan"), std::string::npos) << line;
        EXPECT_EQ(line.find("inf"), std::string::npos) << line;
        EXPECT_NE(line.find("( 0.0%), Total Post-Tension="), std::string::npos) << line;
        EXPECT_EQ(line.substr(line.size() - 7), "( 0.0%)") << line;
    }
}

TEST_F(GraphViewTest, TheLossLinesFollowTheDesignsPrestressingMethodAndUnits) {
    CKordelDoc& doc = Example(1);
    doc.m_nLossMethod = kLossLrfd3rd;
    EXPECT_EQ(GraphLossLine(doc, 1).rfind("Prestress Losses: ES=", 0), 0u);
    EXPECT_EQ(GraphLossLine(doc, 2).rfind("Final losses: ES=", 0), 0u);
    doc.m_nUnits = kUnitsMetric;
    EXPECT_EQ(GraphLossLine(doc, 1).rfind("Release Losses: ES=", 0), 0u);
    EXPECT_NE(GraphLossLine(doc, 2).find(" MPa"), std::string::npos);
    doc.m_nUnits = kUnitsUS;
    doc.m_nLossMethod = kLossLrfd6thDetailed;
    EXPECT_EQ(GraphLossLine(doc, 1), "");
    doc.m_bCompositeDeck = 1;
    EXPECT_EQ(GraphLossLine(doc, 2).rfind("Total Losses: Transfer->Deck=", 0), 0u);
    doc.m_bCompositeDeck = 0;
    EXPECT_EQ(GraphLossLine(doc, 2).rfind("Total Losses: Transfer->SDL=", 0), 0u);
}

TEST_F(GraphViewTest, PagesHoldTheirGraphsByTheDesignsOptions) {
    auto titles = [&](const RecordingDC& dc, const std::string& start) {
        int n = 0;
        for (const std::string& t : dc.Texts()) n += t.rfind(start, 0) == 0;
        return n;
    };
    CKordelDoc& doc = Example(1);
    doc.m_bCheckStripping = 0;
    doc.m_bCheckHandling = 0;
    auto dc = Screen();
    EXPECT_EQ(titles(*dc, "Handling Stresses"), 0);
    EXPECT_EQ(titles(*dc, "Combo: Prestress + Permanent Loads"), 2);
    EXPECT_EQ(titles(*dc, "Combo: Flexural strength"), 1);
    doc.m_bCheckHandling = 1;
    dc = Screen();
    EXPECT_EQ(titles(*dc, "Handling Stresses"), 1);
    EXPECT_EQ(titles(*dc, "Shipping Stresses"), 1);
    EXPECT_EQ(titles(*dc, "Combo: Prestress + Self-Weight +/- Impact"), 2);
    Example(3);  // continuous
    dc = Screen();
    EXPECT_EQ(titles(*dc, "Combo: Prestress + Permanent Loads"), 3);
    EXPECT_EQ(titles(*dc, "Combo: Flexural strength"), 2);
}

TEST_F(GraphViewTest, EachPrintedPageCarriesItsTitleBlockAndContentBelowIt) {
    Example(1);
    m_doc->m_strJobNumber = "JOB-2019-000123456789-ABCDEFGH";  // 30 characters, too long
    auto printed = Print();
    ASSERT_EQ(printed->PageCount(), 3);
    for (int p = 1; p <= 3; ++p) {
        const std::vector<std::string> texts = printed->Page(p - 1).Texts();
        const std::string label = "Kordel p. " + std::to_string(p) + " of 3";
        EXPECT_NE(std::find(texts.begin(), texts.end(), label), texts.end()) << p;
        EXPECT_NE(std::find(texts.begin(), texts.end(), "4/1/19 @ 09:05:00"), texts.end()) << p;
        bool job = false;
        for (const std::string& t : texts) job = job || t.find("JOB...") != std::string::npos;
        EXPECT_TRUE(job) << p;
    }
    // A job number that cannot be shortened enough still ends the shortening.
    m_doc->m_strJobNumber = "WWWWWWW";
    EXPECT_EQ(Print()->PageCount(), 3);
}

TEST_F(GraphViewTest, TheViewTakesTheResultsCommandsAndClearsItsFlag) {
    Example(1);
    platform::ui::CmdUI ui;
    ui.id = ID_RESULTS_GRAPHS;
    EXPECT_TRUE(view.OnUpdateCmdUI(ui));
    EXPECT_TRUE(ui.checked);
    frame.m_bGraphViewOpen = 1;
    view.OnDestroy();
    EXPECT_EQ(frame.m_bGraphViewOpen, 0);
}

// ---- Golden drawings ----------------------------------------------------------------------------

TEST_F(GraphViewTest, EveryExampleMatchesItsGoldenDrawings) {
    for (int n = 1; n <= 4; ++n) {
        Example(n);
        const std::string name = "graphs_ex" + std::to_string(n);
        SCOPED_TRACE(name);
        test::ExpectMatchesGolden(test::Describe(*Screen()), name + "_screen", "views");
        auto printed = Print();
        ASSERT_EQ(printed->PageCount(), 3);
        for (int p = 0; p < 3; ++p) {
            test::ExpectMatchesGolden(test::Describe(printed->Page(p)),
                                      name + "_print_p" + std::to_string(p + 1), "views");
        }
    }
}

}  // namespace
}  // namespace kordel

// The preliminary strand-pattern design: the starting pattern and the growth over the template
// rows (counts never past a row's positions), the kern stop, the outcome message, the shortened
// analyses between the full ones, whole designs of example 1 that pass and that cannot, and the
// raising of the draped strands by bisection against the row walk.
#include "engine/checks/strand_design.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "engine/checks/design_loop_snapshot.h"
#include "test_support.h"

namespace kordel::test {
namespace {

using S = AnalysisStage;

/// One template row for a test: positions and draped positions; rows lie 2 in apart from 2 in.
struct TemplateRow {
    int positions;
    int draped;
};

class StrandDesignTest : public EngineTest {
  protected:
    /// Example 1 (draped PCI BT-72, 105 ft span, 36 strands), not analysed.
    std::unique_ptr<CKordelDoc> Example1() {
        auto doc = NewDoc();
        doc->BuildExampleDesign(SeedSimpleSpan);
        return doc;
    }

    /// Example 1 on a simple span of `span` ft (girder 1 ft longer, released on its ends).
    std::unique_ptr<CKordelDoc> Example1WithSpan(double span) {
        auto doc = Example1();
        doc->m_dDesignSpan = doc->m_adSpanLength[1] = span;
        doc->m_dGirderLength = doc->m_dReleaseSpan = doc->m_adSpanGirderLength[1] = span + 1.0;
        return doc;
    }

    /// Replaces the template by `rows` and gives the pattern rows the template elevations.
    static void SetTemplate(CKordelDoc& d, const std::vector<TemplateRow>& rows) {
        for (auto& row : d.m_adStrandTemplate) std::fill(std::begin(row), std::end(row), 0.0);
        d.m_nTemplateRowCount = static_cast<int>(rows.size());
        for (int r = 0; r < d.m_nTemplateRowCount; ++r) {
            const double y = 2.0 + 2.0 * r;  // in
            d.m_adStrandTemplate[r][kTemplateElevation] = y;
            d.m_adStrandTemplate[r][kTemplatePositions] = rows[r].positions;
            d.m_adStrandTemplate[r][kTemplateDrapedPositions] = rows[r].draped;
            d.m_aEndRows[r][kRowStraightElevation] = d.m_aEndRows[r][kRowDrapedElevation] = y;
            d.m_aDrapeRows[r][kRowStraightElevation] = d.m_aDrapeRows[r][kRowDrapedElevation] = y;
        }
    }

    /// (straight, draped) of end row r, checked equal to the drape-point row.
    static std::pair<int, int> Row(const CKordelDoc& d, int r) {
        EXPECT_EQ(d.m_aEndRows[r][kRowStraightCount], d.m_aDrapeRows[r][kRowStraightCount])
            << "row " << r;
        EXPECT_EQ(d.m_aEndRows[r][kRowDrapedCount], d.m_aDrapeRows[r][kRowDrapedCount])
            << "row " << r;
        return {static_cast<int>(d.m_aEndRows[r][kRowStraightCount]),
                static_cast<int>(d.m_aEndRows[r][kRowDrapedCount])};
    }

    /// Every end row within its template positions, and as many draped strands at the end as at
    /// the drape point.
    static void ExpectPatternFitsTemplate(const CKordelDoc& d) {
        int endDraped = 0, drapeDraped = 0;
        for (int r = 0; r < kMaxPatternRows; ++r) {
            const double used =
                d.m_aEndRows[r][kRowStraightCount] + d.m_aEndRows[r][kRowDrapedCount];
            const double room =
                r < d.m_nTemplateRowCount ? d.m_adStrandTemplate[r][kTemplatePositions] : 0;
            EXPECT_LE(used, room) << "end row " << r;
            EXPECT_EQ(d.m_aEndRows[r][kRowStraightCount], d.m_aDrapeRows[r][kRowStraightCount]);
            endDraped += static_cast<int>(d.m_aEndRows[r][kRowDrapedCount]);
            drapeDraped += static_cast<int>(d.m_aDrapeRows[r][kRowDrapedCount]);
        }
        EXPECT_EQ(endDraped, drapeDraped);
    }

    /// Release stresses at the left transfer and hold-down points, final stresses at mid-span
    /// and the smallest Mr / Mu all within their limits.
    static void ExpectEveryCheckPasses(const CKordelDoc& d) {
        const double* fin = d.m_aServiceStress[kStationMidspan][kServiceAllLoadsPositive];
        EXPECT_LE(d.m_dAllowFinalTensionAllLoads, fin[kServiceBottom]);
        EXPECT_LE(fin[kServiceTop], d.m_dAllowFinalCompressionAllLoads);
        for (int i : {kStationLeftTransfer, kStationLeftDrape}) {
            const double* rel = d.m_aServiceStress[i][kServiceRelease];
            EXPECT_LE(rel[kServiceBottom], d.m_dAllowReleaseCompression) << "station " << i;
            EXPECT_GE(rel[kServiceTop], d.m_dAllowReleaseTension) << "station " << i;
        }
        EXPECT_GE(d.m_adMinFlexureRatio[kMinRatioValue], 1.0);
    }
};

TEST_F(StrandDesignTest, StartingPatternByPatternTypeAndTopStrands) {
    struct Case {
        const char* name;
        int patternType;
        std::vector<TemplateRow> rows;
        int topStrands;                   // -1: none requested
        std::pair<int, int> bottom, top;  // (straight, draped) of row 0 and of the last row
    };
    const Case cases[] = {
        {"straight: two in the bottom row",
         kPatternStraight,
         {{12, 2}, {2, 2}},
         -1,
         {2, 0},
         {0, 0}},
        {"straight: a one-position bottom row",
         kPatternStraight,
         {{1, 0}, {2, 0}},
         -1,
         {1, 0},
         {0, 0}},
        {"draped, bottom row partly drapable: straight",
         kPatternDraped,
         {{12, 2}, {2, 2}},
         -1,
         {2, 0},
         {0, 0}},
        {"draped, bottom row all drapable: draped",
         kPatternDraped,
         {{2, 2}, {2, 2}},
         -1,
         {0, 2},
         {0, 0}},
        {"top strands within the top row",
         kPatternStraight,
         {{12, 2}, {8, 2}, {4, 2}},
         3,
         {2, 0},
         {3, 0}},
        {"top strands beyond the top row get its positions",
         kPatternDraped,
         {{12, 2}, {2, 2}},
         5,
         {2, 0},
         {2, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto doc = Example1();
        // Leftover counts anywhere, also past the template, are cleared; elevations stay.
        for (int r = 0; r < kMaxPatternRows; ++r)
            for (StrandPatternRow* row : {&doc->m_aEndRows[r], &doc->m_aDrapeRows[r]})
                (*row)[kRowStraightCount] = (*row)[kRowDrapedCount] = 4;
        SetTemplate(*doc, c.rows);
        doc->m_nPatternType = c.patternType;
        doc->m_bDesignIncludeTopStrands = c.topStrands >= 0;
        doc->m_dDesignTopStrandCount = c.topStrands;
        StrandPatternGrowth growth(*doc);
        growth.Start();
        EXPECT_EQ(Row(*doc, 0), c.bottom);
        const int last = static_cast<int>(c.rows.size()) - 1;
        EXPECT_EQ(Row(*doc, last), c.top);
        for (int r = 1; r < kMaxPatternRows; ++r) {
            if (r != last) {
                EXPECT_EQ(Row(*doc, r), std::make_pair(0, 0)) << "row " << r;
            }
        }
        EXPECT_EQ(doc->m_aEndRows[1][kRowStraightElevation], 4.0);
    }
}

TEST_F(StrandDesignTest, GrowthFillsRowsFromTheBottomWithinTheirPositions) {
    struct Case {
        const char* name;
        int patternType;
        std::vector<TemplateRow> rows;
        int topStrands;
        // After each step that adds: the row that grew and its (straight, draped).
        std::vector<std::pair<int, std::pair<int, int>>> steps;
    };
    const Case cases[] = {
        // Three positions: 2 from the start, then 1; then the next row.
        {"straight, odd row", kPatternStraight, {{3, 0}, {2, 0}}, -1, {{0, {3, 0}}, {1, {2, 0}}}},
        // Draped positions first, then the straight ones two at a time.
        {"draped, drapable positions first",
         kPatternDraped,
         {{6, 2}, {2, 2}},
         -1,
         {{0, {2, 2}}, {0, {4, 2}}, {1, {0, 2}}}},
        {"draped, one drapable position left",
         kPatternDraped,
         {{5, 3}, {2, 2}},
         -1,
         {{0, {2, 2}}, {0, {2, 3}}, {1, {0, 2}}}},
        // A top row that the top strands fill in part takes only what is left of it.
        {"draped, top row partly held by top strands",
         kPatternDraped,
         {{2, 2}, {2, 2}},
         1,
         {{1, {1, 1}}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto doc = Example1();
        SetTemplate(*doc, c.rows);
        doc->m_nPatternType = c.patternType;
        doc->m_bDesignIncludeTopStrands = c.topStrands >= 0;
        doc->m_dDesignTopStrandCount = c.topStrands;
        StrandPatternGrowth growth(*doc);
        growth.Start();
        for (const auto& [row, counts] : c.steps) {
            ASSERT_EQ(growth.AddStrands(false), GrowthStep::Added);
            EXPECT_EQ(growth.Row(), row);
            EXPECT_EQ(Row(*doc, row), counts);
        }
        EXPECT_EQ(growth.AddStrands(false), GrowthStep::RowsExhausted);
        ExpectPatternFitsTemplate(*doc);
    }
}

TEST_F(StrandDesignTest, KernStopOnlyWhileFinalTensionFailsAboveTheKern) {
    struct Case {
        const char* name;
        bool stopAboveKern;
        double bottomStress;  // final bottom stress at mid-span, ksi (limit -0.5)
        GrowthStep expected;
    };
    const Case cases[] = {
        {"tension fails: stop", true, -1.0, GrowthStep::KernStop},
        {"tension at the limit passes: grow", true, -0.5, GrowthStep::Added},
        {"without the kern rule: grow", false, -1.0, GrowthStep::Added},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto doc = Example1();
        SetTemplate(*doc, {{2, 0}, {2, 0}});
        doc->m_aEndRows[1][kRowStraightElevation] = 60.0;  // in, above the kern
        doc->m_dKernUpper = 56.0;                          // in
        doc->m_nPatternType = kPatternStraight;
        doc->m_bDesignIncludeTopStrands = 0;
        doc->m_dAllowFinalTensionAllLoads = -0.5;
        doc->m_aServiceStress[kStationMidspan][kServiceAllLoadsPositive][kServiceBottom] =
            c.bottomStress;
        StrandPatternGrowth growth(*doc);
        growth.Start();  // row 0 full with its two strands
        EXPECT_EQ(growth.AddStrands(c.stopAboveKern), c.expected);
        EXPECT_EQ(Row(*doc, 1), std::make_pair(c.expected == GrowthStep::Added ? 2 : 0, 0));
    }
}

TEST_F(StrandDesignTest, OutcomeMessageListsTheChecksOfThePatternType) {
    struct Case {
        const char* name;
        int patternType;
        double finalBottom, finalTop;                 // at mid-span, ksi
        double bottom102, top102, bottom104, top104;  // at release, ksi
        double minRatio;
        const char* expected;
    };
    // Limits: final tension -0.465, final compression 3.6, release compression 3.0, release
    // tension -0.2 ksi. Values at a limit pass.
    const Case cases[] = {
        {"draped, all at their limits", kPatternDraped, -0.465, 3.6, 3.0, -0.2, 3.0, -0.2, 1.0,
         "Preliminary solution found.\nPlease review it."},
        {"straight, strength short", kPatternStraight, -0.1, 2.0, 2.0, 0.1, 2.0, 0.1, 0.99,
         "No solution found. Status: \n"
         "  Final Tension      : OK\n"
         "  Final Compression  : OK\n"
         "  Flexural Strength: NG"},
        {"straight, release overstressed: not a check of a straight design", kPatternStraight, -0.1,
         2.0, 3.5, -0.5, 3.5, -0.5, 1.2, "Preliminary solution found.\nPlease review it."},
        {"draped, top tension at the hold-down point only", kPatternDraped, -0.1, 2.0, 2.0, 0.1,
         2.0, -0.21, 1.2,
         "No solution found. Status: \n"
         "  Release Tension    : NG\n"
         "  Release Compression: OK\n"
         "  Final Tension      : OK\n"
         "  Final Compression  : OK\n"
         "  Flexural Strength : OK"},
        {"draped, compression at transfer and both final checks", kPatternDraped, -0.47, 3.61, 3.01,
         0.1, 2.0, 0.1, 1.5,
         "No solution found. Status: \n"
         "  Release Tension    : OK\n"
         "  Release Compression: NG\n"
         "  Final Tension      : NG\n"
         "  Final Compression  : NG\n"
         "  Flexural Strength : OK"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto doc = Example1();
        doc->m_nPatternType = c.patternType;
        doc->m_dAllowFinalTensionAllLoads = -0.465;
        doc->m_dAllowFinalCompressionAllLoads = 3.6;
        doc->m_dAllowReleaseCompression = 3.0;
        doc->m_dAllowReleaseTension = -0.2;
        double* fin = doc->m_aServiceStress[kStationMidspan][kServiceAllLoadsPositive];
        fin[kServiceBottom] = c.finalBottom;
        fin[kServiceTop] = c.finalTop;
        double* r102 = doc->m_aServiceStress[kStationLeftTransfer][kServiceRelease];
        r102[kServiceBottom] = c.bottom102;
        r102[kServiceTop] = c.top102;
        double* r104 = doc->m_aServiceStress[kStationLeftDrape][kServiceRelease];
        r104[kServiceBottom] = c.bottom104;
        r104[kServiceTop] = c.top104;
        doc->m_adMinFlexureRatio[kMinRatioValue] = c.minRatio;
        bool found = false;
        EXPECT_EQ(StrandDesignOutcome(*doc, found), c.expected);
        EXPECT_EQ(found, std::string(c.expected).rfind("Preliminary", 0) == 0);
    }
}

class StageRecorder : public AnalysisObserver {
  public:
    void OnStage(AnalysisStage stage) override { stages.push_back(stage); }
    std::vector<AnalysisStage> stages;
};

TEST_F(StrandDesignTest, ExampleOneClearedToOneStrandGetsAPassingPattern) {
    auto doc = Example1();
    for (int r = 0; r < kMaxPatternRows; ++r)
        doc->m_aEndRows[r][kRowStraightCount] = doc->m_aEndRows[r][kRowDrapedCount] =
            doc->m_aDrapeRows[r][kRowStraightCount] = doc->m_aDrapeRows[r][kRowDrapedCount] = 0;
    doc->m_aEndRows[0][kRowStraightCount] = doc->m_aDrapeRows[0][kRowStraightCount] = 1;
    doc->RebuildStrandGroups();
    doc->RunAnalysis();
    ASSERT_EQ(doc->m_nStrandCount, 1);
    host.ClearMessages();

    doc->DesignStrandPattern();

    ASSERT_EQ(host.Messages().size(), 1u);
    EXPECT_EQ(host.Messages()[0].text, "Preliminary solution found.\nPlease review it.");
    EXPECT_EQ(host.Messages()[0].icon, platform::MsgIcon::Information);
    ExpectEveryCheckPasses(*doc);
    ExpectPatternFitsTemplate(*doc);
    // The strand count is the pattern's, and the groups hold every strand of it.
    int pattern = 0;
    double centroid = 0;
    doc->GetStrandCountAndCentroid(doc->m_aEndRows, pattern, centroid);
    EXPECT_EQ(doc->m_nStrandCount, pattern);
    EXPECT_GT(pattern, 2);
    // The status bar followed the growth: strand counts never fall from the starting two to
    // the final pattern.
    std::vector<int> counts;
    for (const std::string& text : host.StatusHistory(kPaneStrands)) {
        int n = 0;
        if (std::sscanf(text.c_str(), "s:%d", &n) == 1) counts.push_back(n);
    }
    const auto start = std::find(counts.begin(), counts.end(), 2);
    ASSERT_NE(start, counts.end());
    EXPECT_TRUE(std::is_sorted(start, counts.end()));
    EXPECT_EQ(counts.back(), pattern);
}

TEST_F(StrandDesignTest, OnlyShortenedAnalysesRunBetweenTheFirstAndTheLastFullOne) {
    // Growth: the pattern's prestress, the load stresses and the strength; drape raising: the
    // prestress alone. Neither rebuilds the reports, the loads or the shear.
    const std::vector<S> growth = {
        S::SummarizeStrandPattern,
        S::ComputeSectionProperties,
        S::ComputeLoadCaseStresses,
        S::ComputeStrandForceReduction,
        S::ComputeLosses,
        S::ComputeEffectivePrestress,
        S::ComputePrestressStresses,
        S::CombineServiceStresses,
        S::ComputeFlexuralStrength,
        S::ShowDesignStatus,
    };
    const std::vector<S> raising = {
        S::SummarizeStrandPattern, S::ComputeSectionProperties,  S::ComputeStrandForceReduction,
        S::ComputeLosses,          S::ComputeEffectivePrestress, S::ComputePrestressStresses,
        S::CombineServiceStresses, S::ShowDesignStatus,
    };
    auto doc = Example1();
    StageRecorder recorder;
    doc->m_pAnalysisObserver = &recorder;
    doc->DesignStrandPattern();
    doc->m_pAnalysisObserver = nullptr;

    const std::vector<S>& st = recorder.stages;
    ASSERT_EQ(std::count(st.begin(), st.end(), S::ComputeStations), 2);
    // The design reads no report: neither full analysis builds one.
    EXPECT_EQ(std::count(st.begin(), st.end(), S::BuildTextReport), 0);
    EXPECT_EQ(std::count(st.begin(), st.end(), S::BuildGirderSummary), 0);
    auto from = std::find(st.begin(), st.end(), S::BuildPageHeader) + 1;
    const auto to = std::find(from, st.end(), S::ComputeStations);
    int growthRuns = 0, raisingRuns = 0;
    while (from != to) {
        const auto left = static_cast<size_t>(to - from);
        if (left >= growth.size() && std::equal(growth.begin(), growth.end(), from)) {
            from += static_cast<std::ptrdiff_t>(growth.size());
            ++growthRuns;
        } else if (left >= raising.size() && std::equal(raising.begin(), raising.end(), from)) {
            from += static_cast<std::ptrdiff_t>(raising.size());
            ++raisingRuns;
        } else {
            FAIL() << "unexpected stage " << AnalysisStageName(*from) << " after " << growthRuns
                   << " growth and " << raisingRuns << " raising analyses";
        }
    }
    // Example 1 needs more than its starting two strands and raises its draped strands.
    EXPECT_GT(growthRuns, 0);
    EXPECT_GT(raisingRuns, 0);
}

TEST_F(StrandDesignTest, ReleaseWithinLimitsAfterGrowthKeepsTheDrapedStrandsWhereTheyGrew) {
    auto doc = Example1();
    // Release limits so wide that no end stress reaches them: 0.9 f'ci and -1.0 sqrt(f'ci) ksi
    // without the 0.2 ksi cap.
    doc->m_dReleaseCompressionCoef = 0.9;
    doc->m_dReleaseTensionCoef = -1.0;
    doc->m_nReleaseTensionLimit = 0;
    doc->DesignStrandPattern();
    EXPECT_EQ(host.Messages().back().text, "Preliminary solution found.\nPlease review it.");
    for (int r = 0; r < kMaxPatternRows; ++r)
        EXPECT_EQ(doc->m_aEndRows[r][kRowDrapedCount], doc->m_aDrapeRows[r][kRowDrapedCount])
            << "row " << r;
}

TEST_F(StrandDesignTest, StraightDesignAdequateWithTwoStrandsStopsThere) {
    // A 12 ft span carries its loads with the starting two strands.
    auto doc = Example1WithSpan(12.0);
    doc->m_nPatternType = kPatternStraight;
    StageRecorder recorder;
    doc->m_pAnalysisObserver = &recorder;
    doc->DesignStrandPattern();
    doc->m_pAnalysisObserver = nullptr;
    EXPECT_EQ(host.Messages().back().text, "Preliminary solution found.\nPlease review it.");
    EXPECT_EQ(doc->m_nStrandCount, 2);
    EXPECT_EQ(Row(*doc, 0), std::make_pair(2, 0));
    // Only the two full analyses ran.
    EXPECT_EQ(std::count(recorder.stages.begin(), recorder.stages.end(), S::ShowDesignStatus), 2);
}

TEST_F(StrandDesignTest, DesignThatCannotPassSaysSoWithItsStatusLines) {
    struct Case {
        const char* name;
        int patternType;
        const char* expected;
    };
    // With only the bottom template row (12 positions) example 1 cannot carry its loads: the
    // final bottom tension and the strength at mid-span fail with 12 strands; the draped
    // pattern also leaves the top at the end in tension beyond the release limit.
    const Case cases[] = {
        {"straight", kPatternStraight,
         "No solution found. Status: \n"
         "  Final Tension      : NG\n"
         "  Final Compression  : OK\n"
         "  Flexural Strength: NG"},
        {"draped", kPatternDraped,
         "No solution found. Status: \n"
         "  Release Tension    : NG\n"
         "  Release Compression: OK\n"
         "  Final Tension      : NG\n"
         "  Final Compression  : OK\n"
         "  Flexural Strength: NG"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        host.ClearMessages();
        auto doc = Example1();
        doc->m_nPatternType = c.patternType;
        doc->m_nTemplateRowCount = 1;
        doc->DesignStrandPattern();
        ASSERT_EQ(host.Messages().size(), 1u);
        EXPECT_EQ(host.Messages()[0].text, c.expected);
        EXPECT_EQ(host.Messages()[0].icon, platform::MsgIcon::Warning);
        // The last pattern tried stays, analysed: the whole bottom row.
        EXPECT_EQ(doc->m_nStrandCount, 12);
        EXPECT_EQ(host.StatusText(kPaneStrands), "s: 12, d:    0");
        EXPECT_FALSE(doc->Report().empty());
    }
}

TEST_F(StrandDesignTest, RowOfUnboundedPositionsEndsAtTheStrandGroupLimit) {
    // A template row claiming a billion positions and a strength that no pattern reaches
    // (live-load factor 100): the growth ends when the strand groups are full.
    auto doc = Example1();
    doc->m_nPatternType = kPatternStraight;
    doc->m_nTemplateRowCount = 1;
    doc->m_adStrandTemplate[0][kTemplatePositions] = 1e9;
    doc->m_dStrengthILiveLoadFactor = 100.0;
    doc->DesignStrandPattern();
    ASSERT_EQ(host.Messages().size(), 2u);
    EXPECT_NE(host.Messages()[0].text.find("more than 200 strand groups"), std::string::npos);
    EXPECT_EQ(host.Messages()[1].text.rfind("No solution found. Status: \n", 0), 0u);
    EXPECT_EQ(doc->m_nStrandGroupCount, kMaxStrandGroups);
}

TEST_F(StrandDesignTest, ShortenedAnalysisAgreesWithTheFullOneOnTheStressesItRecomputes) {
    // After a change of the pattern the growth analysis must give the stresses and the strength
    // that a full analysis gives, or the loop steers by wrong numbers. A decked bulb-tee is
    // analysed with the top slice of its flange taken as a deck: the shortened analysis must
    // take it so too, and leave the section as entered.
    for (const int sectionType : {kSectionIGirder, kSectionDeckedBulbTee}) {
        SCOPED_TRACE(sectionType);
        auto doc = Example1();
        doc->m_nSectionType = sectionType;
        doc->RunAnalysis();
        const double height = doc->m_dSectionHeight;  // in
        doc->m_aEndRows[5][kRowStraightCount] = doc->m_aDrapeRows[5][kRowStraightCount] = 2;
        doc->RunDesignAnalysis(DesignAnalysis::PatternGrowth);
        EXPECT_EQ(doc->m_dSectionHeight, height);
        const double* fin = doc->m_aServiceStress[kStationMidspan][kServiceAllLoadsPositive];
        const double* rel = doc->m_aServiceStress[kStationLeftTransfer][kServiceRelease];
        const double shortened[] = {fin[kServiceBottom], fin[kServiceTop], rel[kServiceBottom],
                                    rel[kServiceTop],
                                    doc->m_aFlexureMr[kStationMidspan][kFlexurePositive]};
        doc->RunAnalysis();
        const double full[] = {fin[kServiceBottom], fin[kServiceTop], rel[kServiceBottom],
                               rel[kServiceTop],
                               doc->m_aFlexureMr[kStationMidspan][kFlexurePositive]};
        for (int k = 0; k < 5; ++k)
            EXPECT_NEAR(shortened[k], full[k], 1e-9 * std::max(1.0, std::abs(full[k]))) << k;
    }
}

/// Counts the drape-raising analyses: the shortened analyses without the load-case stresses.
class RaisingCounter : public AnalysisObserver {
  public:
    void OnStage(AnalysisStage stage) override {
        if (stage == S::ComputeStrandForceReduction) ++raising;
        if (stage == S::ComputeLoadCaseStresses) --raising;
    }
    int raising = 0;
};

TEST_F(StrandDesignTest, BisectionRaisesExampleOneWithAFewAnalyses) {
    // Example 1 grows draped pairs in rows 0 to 3 (2 in apart from 2 in) and raises them: the
    // pairs of rows 3 and 2 go up to rows 34 and 33 without passing the release check, the pair
    // of row 1 passes at row 11. The walk analyses every move: 31 + 31 + 10 = 72. The bisection
    // analyses the highest row of each pass (rows 34 and 33 fail there, row 32 passes), then
    // halves rows 2 to 32: 17 passes, 9 fails, 13 and 11 pass, 10 fails; and analyses row 11
    // again: 1 + 1 + (1 + 5 + 1) = 9.
    struct Case {
        DrapeSearch search;
        int analyses;
    };
    for (const Case c : {Case{DrapeSearch::RowWalk, 72}, Case{DrapeSearch::Bisection, 9}}) {
        auto doc = Example1();
        RaisingCounter counter;
        doc->m_pAnalysisObserver = &counter;
        doc->DesignStrandPattern(c.search);
        doc->m_pAnalysisObserver = nullptr;
        EXPECT_EQ(counter.raising, c.analyses) << static_cast<int>(c.search);
        // Draped pairs at the end: row 0 and the three raised ones; the drape-point rows keep
        // theirs in rows 0 to 3.
        for (int r = 0; r < kMaxPatternRows; ++r) {
            const bool end = r == 0 || r == 11 || r == 33 || r == 34;
            EXPECT_EQ(doc->m_aEndRows[r][kRowDrapedCount], end ? 2 : 0) << "end row " << r;
            EXPECT_EQ(doc->m_aDrapeRows[r][kRowDrapedCount], r <= 3 ? 2 : 0) << "drape row " << r;
        }
    }
}

TEST_F(StrandDesignTest, BisectionFindsTheRowsOfTheRowWalk) {
    // Every example design, and example 1 with the options that decide whether the release check
    // is shown monotonic in the height of the raised strands: both searches must leave the same
    // design, bit for bit.
    struct Case {
        const char* name;
        int example;
        void (*change)(CKordelDoc&);
    };
    const Case cases[] = {
        {"example 1", SeedSimpleSpan, [](CKordelDoc&) {}},
        {"example 2 (straight)", SeedAdjacentBox, [](CKordelDoc&) {}},
        {"example 3", SeedContinuous, [](CKordelDoc&) {}},
        {"example 4 (straight)", SeedSpliced, [](CKordelDoc&) {}},
        // 26 pairs raised, the lower ones by a few rows.
        {"example 1 on a 140 ft span", SeedSimpleSpan,
         [](CKordelDoc& d) {
             d.m_dDesignSpan = d.m_adSpanLength[1] = 140.0;
             d.m_dGirderLength = d.m_dReleaseSpan = d.m_adSpanGirderLength[1] = 141.0;
         }},
        {"strands transformed into the section (the walk)", SeedSimpleSpan,
         [](CKordelDoc& d) { d.m_nTransformStrandsMode = kTransformAll; }},
        {"detailed losses", SeedSimpleSpan,
         [](CKordelDoc& d) { d.m_nLossMethod = kLossLrfd6thDetailed; }},
        {"hold-down point at mid-span", SeedSimpleSpan,
         [](CKordelDoc& d) { d.m_dDrapeFraction = 0.5; }},
        {"hold-down point at mid-span, detailed losses (the walk)", SeedSimpleSpan,
         [](CKordelDoc& d) {
             d.m_dDrapeFraction = 0.5;
             d.m_nLossMethod = kLossLrfd6thDetailed;
         }},
        // Top strands of a negative pull fraction: the bisection needs every group's force at
        // least 0. The analysis of the first move of each pass shows it is not, and the walk
        // takes over from the pass's starting row.
        {"top strands of a negative pull (the walk after one move)", SeedSimpleSpan,
         [](CKordelDoc& d) {
             d.m_bDesignIncludeTopStrands = 1;
             d.m_dDesignTopStrandCount = 2;
             d.m_dTopPullFraction = -0.05;
         }},
        // End row 5 at 60 in, above rows 6 to 13: the pair of row 1 passes the release check
        // there, fails at rows 6 to 10 and passes again from row 11. The walk stops at row 5;
        // a bisection would not find it (it halves toward row 11), so the walk must serve.
        {"a row above the rows over it (the walk)", SeedSimpleSpan,
         [](CKordelDoc& d) { d.m_aEndRows[5][kRowDrapedElevation] = 60.0; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<DesignLoopSnapshot> runs;
        for (const DrapeSearch search : {DrapeSearch::RowWalk, DrapeSearch::Bisection}) {
            host.ClearMessages();
            auto doc = NewDoc();
            doc->BuildExampleDesign(c.example);
            c.change(*doc);
            doc->DesignStrandPattern(search);
            runs.emplace_back(*doc, 0, host.Messages());
        }
        runs[1].ExpectSameAs(runs[0]);
    }
}

TEST_F(StrandDesignTest, RowAboveTheRowsOverItStopsTheStrandsWhereTheWalkDoes) {
    // The design of the last case above: the pair of row 1 ends in row 5, where the release
    // passes, not in row 11, the lowest row of the rising rows above it that passes.
    auto doc = Example1();
    doc->m_aEndRows[5][kRowDrapedElevation] = 60.0;  // in
    doc->DesignStrandPattern(DrapeSearch::Bisection);
    EXPECT_EQ(doc->m_aEndRows[5][kRowDrapedCount], 2);
    EXPECT_EQ(doc->m_aEndRows[11][kRowDrapedCount], 0);
    const double* rel = doc->m_aServiceStress[kStationLeftTransfer][kServiceRelease];
    EXPECT_GE(rel[kServiceTop], doc->m_dAllowReleaseTension);
}

}  // namespace
}  // namespace kordel::test

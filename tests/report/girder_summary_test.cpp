// The girder summary: golden files of the four example designs (reviewed line by line against
// the summary's formats), and the branches the examples do not reach.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "report/report_test_support.h"

namespace kordel::test {
namespace {

using GirderSummaryTest = ReportTest;

bool Holds(const std::vector<std::string>& lines, const std::string& text) {
    return std::find(lines.begin(), lines.end(), text) != lines.end();
}

const std::string* LineStartingWith(const std::vector<std::string>& lines, const std::string& lead) {
    for (const std::string& line : lines) {
        if (line.rfind(lead, 0) == 0) return &line;
    }
    return nullptr;
}

TEST_F(GirderSummaryTest, ExampleDesigns) {
    for (int n = 1; n <= 4; ++n) {
        auto doc = AnalysedExample(n);
        EXPECT_FALSE(HoldsNonFinite(doc->GirderSummary())) << n;
        ExpectMatchesGolden(doc->GirderSummary(), "girder_summary_example" + std::to_string(n));
    }
}

TEST_F(GirderSummaryTest, MetricDesignGetsTheSameSummaryInUsUnits) {
    auto us = AnalysedExample(1, 1);
    auto metric = AnalysedExample(1, 2);
    EXPECT_EQ(us->GirderSummary(), metric->GirderSummary());
}

TEST_F(GirderSummaryTest, SimpleSpanPretensionedNonCompositeWithoutStrengthII) {
    auto doc = NewDoc();
    doc->BuildExampleDesign(1);
    ASSERT_EQ(doc->m_bContinuous, 0);
    doc->m_bCompositeDeck = 0;
    doc->m_bIncludeStrengthII = 0;
    doc->m_nSectionType = 7;
    doc->RunAnalysis();
    const auto& s = doc->GirderSummary();
    EXPECT_EQ(LineStartingWith(s, "P/T Strand"), nullptr);
    EXPECT_FALSE(Holds(s, " Flexure (-M Envelope)"));
    EXPECT_EQ(LineStartingWith(s, "   Deck"), nullptr);
    EXPECT_TRUE(Holds(s, "  P/S + Perm + LL"));
    EXPECT_TRUE(Holds(s, "  1/2(P/S + Perm) + LL"));
    EXPECT_EQ(LineStartingWith(s, "  Midspan (Strength II)"), nullptr);
    ASSERT_NE(LineStartingWith(s, "Section Type : I-Girder"), nullptr) << "type 7 reads as I-Girder";
    ASSERT_NE(LineStartingWith(s, "f'ci (rel)"), nullptr);
    EXPECT_NE(LineStartingWith(s, "f'ci (rel)")->find("f'c (deck)    : (none)"), std::string::npos);

    // Show Asterisks off: two blanks in place of the debonding verdict.
    doc->m_bShowAsterisks = 0;
    doc->BuildGirderSummary();
    const std::string* debond = LineStartingWith(doc->GirderSummary(), "Debonding Limit Check");
    ASSERT_NE(debond, nullptr);
    EXPECT_EQ(debond->substr(debond->size() - 6), ")     ");
}

TEST_F(GirderSummaryTest, DebondingVerdictAtItsLimits) {
    auto doc = AnalysedExample(1);
    doc->m_bShowAsterisks = 1;
    struct Case {
        double total, totalLimit;
        float row;
        double rowLimit;
        const char* verdict;
    } cases[] = {
        {25.0, 25.0, 40.0f, 40.0, "OK"},  // both exactly at their limits
        {25.1, 25.0, 10.0f, 40.0, "NG"},
        {10.0, 25.0, 40.5f, 40.0, "NG"},
    };
    for (const Case& c : cases) {
        doc->m_adDebondSummary[kDebondedPercent] = c.total;
        doc->m_adDebondSummary[kDebondLimitPattern] = c.totalLimit;
        doc->m_afDebondSummary[kRowDebondedPercent] = c.row;
        doc->m_adDebondSummary[kDebondLimitRow] = c.rowLimit;
        doc->BuildGirderSummary();
        const std::string* line = LineStartingWith(doc->GirderSummary(), "Debonding Limit Check");
        ASSERT_NE(line, nullptr);
        EXPECT_EQ(line->substr(line->size() - 2), c.verdict) << *line;
    }
}

TEST_F(GirderSummaryTest, ContinuousGirderEndLinesOnlyForARealNegativeMoment) {
    auto doc = AnalysedExample(3);
    ASSERT_NE(doc->m_bContinuous, 0);
    doc->m_bIncludeStrengthII = 0;
    for (int i = 0; i < kStationCount; ++i) doc->m_aFactoredMomentEnvelope[i][kStrengthINegative] = 0;
    doc->m_aFactoredMomentEnvelope[100][kStrengthINegative] = -1500.0;
    doc->m_aFlexureMrMuRatio[100][kFlexureNegative] = 1.25;
    doc->BuildGirderSummary();
    const auto& s = doc->GirderSummary();
    EXPECT_TRUE(Holds(s, " Flexure (-M Envelope)"));
    EXPECT_EQ(LineStartingWith(s, "  Left End"), nullptr);
    const std::string* right = LineStartingWith(s, "  Right End                    1.25");
    ASSERT_NE(right, nullptr);
    EXPECT_TRUE(Holds(s, "  P/S + Perm + LL (+Moment)"));
    EXPECT_TRUE(Holds(s, "  P/S + Perm + LL (-Moment)"));
}

TEST_F(GirderSummaryTest, StrengthIIRatiosAndAZeroDemand) {
    auto doc = AnalysedExample(1);
    doc->m_bIncludeStrengthII = 1;
    doc->m_aFlexureMr[50][kFlexurePositive] = 3000.0;
    doc->m_aFlexureMrMcrRatio[50][kFlexurePositive] = 1.5;
    doc->m_aMuStrengthI[50][kStrengthMomentPositive] = 2000.0;   // 3000 / 2000 = 1.50
    doc->m_aMuStrengthII[50][kStrengthMomentPositive] = 0.0;     // no demand: 99.99
    doc->BuildGirderSummary();
    EXPECT_TRUE(Holds(doc->GirderSummary(), "  Midspan                      1.50    1.50     "));
    EXPECT_TRUE(Holds(doc->GirderSummary(), "  Midspan (Strength II)       99.99    1.50     "));
}

}  // namespace
}  // namespace kordel::test

// Long form: vertical shear tables and the pretensioned anchorage zone.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "report/report_test_support.h"
#include "report/text_report.h"

namespace kordel::test {
namespace {

class LongShearTest : public ReportTest {
  protected:
    /// Example `n`, optionally with another design code and shear method, analysed.
    std::unique_ptr<CKordelDoc> Example(int n, int units, int designCode = -1, int method = -1) {
        auto doc = NewDoc();
        doc->BuildExampleDesign(n);
        doc->m_nUnits = units;
        doc->m_nReportForm = kReportLongForm;
        if (designCode >= 0) doc->m_nSpecification = designCode;
        if (method >= 0) doc->m_nShearMethod = method;
        doc->RunAnalysis();
        return doc;
    }

    static std::vector<std::string> Lines(const CKordelDoc& doc) {
        std::vector<std::string> lines;
        ReportContext ctx{doc, lines, doc.m_nUnits == kUnitsMetric, {}, doc.m_bShowAsterisks ? "*" : " ", {}, {}, {}};
        WriteVerticalShearBlock(ctx);
        return lines;
    }

    static int FindPrefix(const std::vector<std::string>& lines, const std::string& prefix, int from = 0) {
        for (int i = from; i < static_cast<int>(lines.size()); ++i) {
            if (lines[i].rfind(prefix, 0) == 0) return i;
        }
        return -1;
    }
};

std::string Suffix(int units) { return units == kUnitsUS ? "_us" : "_metric"; }

// The four examples in their own shear method, US and metric. Each golden was read once line by
// line against the report's formats.
TEST_F(LongShearTest, ExamplesMatchTheirGoldens) {
    for (int n = 1; n <= 4; ++n) {
        for (int units : {kUnitsUS, kUnitsMetric}) {
            SCOPED_TRACE(testing::Message() << "example " << n << " units " << units);
            auto doc = Example(n, units);
            const std::vector<std::string> lines = Lines(*doc);
            EXPECT_FALSE(HoldsNonFinite(lines));
            ExpectMatchesGolden(lines, "long_shear_ex" + std::to_string(n) + Suffix(units));
        }
    }
}

// Each method's layout: the simplified procedure (LRFD, example 1), the empirical Vci/Vcw method
// (Standard Specifications, example 1) and the empirical method on the continuous example with
// Vc between the quarter points evaluated as reinforced (the "Vc method" row).
TEST_F(LongShearTest, MethodVariantsMatchTheirGoldens) {
    struct Case {
        const char* name;
        int example, designCode, method, quarterPoints;
    };
    const Case cases[] = {
        {"long_shear_simplified", 1, kSpecLrfd, 2, 0},
        {"long_shear_empirical_standard_code", 1, kSpecStandard, 3, 0},
        {"long_shear_empirical_continuous", 3, kSpecStandard, 3, 1},
    };
    for (const Case& c : cases) {
        for (int units : {kUnitsUS, kUnitsMetric}) {
            SCOPED_TRACE(testing::Message() << c.name << " units " << units);
            auto doc = NewDoc();
            doc->BuildExampleDesign(c.example);
            doc->m_nUnits = units;
            doc->m_nSpecification = c.designCode;
            doc->m_nShearMethod = c.method;
            doc->m_bVcQuarterPtsReinforced = c.quarterPoints;
            doc->RunAnalysis();
            const std::vector<std::string> lines = Lines(*doc);
            EXPECT_FALSE(HoldsNonFinite(lines));
            EXPECT_EQ(FindPrefix(lines, "Vc method") >= 0, c.quarterPoints == 1);
            ExpectMatchesGolden(lines, std::string(c.name) + Suffix(units));
        }
    }
}

// A method code outside 1 to 3 leaves the heading followed directly by the anchorage zone.
TEST_F(LongShearTest, UnknownMethodPrintsOnlyTheAnchorageZone) {
    auto doc = NewDoc();
    doc->m_nUnits = kUnitsUS;
    doc->m_nShearMethod = 0;
    doc->m_nSpecification = kSpecStandard;
    doc->m_adAnchorZone[kAnchorSplittingForce] = 40.0;
    doc->m_adAnchorZone[kAnchorSteelArea] = 2.0;
    doc->m_adAnchorZone[kAnchorZoneLength] = 18.0;  // 18 in = 1.50 ft
    const std::vector<std::string> expected = {
        " ", "---page break---", " ", "Strength Limit State: Vertical Shear", std::string(36, '-'), " ",
        "Service Limit State: Pretensioned Anchorage Zone", std::string(48, '-'),
        "Vertical stirrups resisting 4% of total P/S force must be placed within d/4 of girder ends (STD 9.22.1)",
        "P,anchor= 40.0 kip, As,anchor=2.00 in2, Anchor Zone End= 18.00 in (= 1.50 ft)"};
    EXPECT_EQ(Lines(*doc), expected);
    // Metric: 40 kip x 4.4482 = 177.9 kN, 2 in2 x 645.16 = 1290 mm2, 18 in x 25.4 = 457 mm.
    doc->m_nUnits = kUnitsMetric;
    EXPECT_EQ(Lines(*doc).back(), "P,anchor= 177.9 kN, As,anchor= 1290 mm2, Anchor Zone End=  457 mm");
}

// Marks of the provided-stirrup and provided-longitudinal rows, at station 0 (first cell of the
// left half, sectional model): "* " where design Av > provided Av, the asterisk mark where the
// demand with provided stirrups is strictly greater than the provided force; nothing when
// asterisks are off.
TEST_F(LongShearTest, ShortfallsAreMarkedOnlyWhenStrictAndShown) {
    struct Case {
        int show;
        double avDesign, avProvided, demand, provided;
        const char* stirrupCell;
        const char* longCell;
    };
    const Case cases[] = {
        {1, 0.50, 0.40, 100.0, 90.0, "  0.400* ", "   90.0* "},
        {1, 0.40, 0.40, 90.0, 90.0, "  0.400  ", "   90.0  "},  // equal: no shortfall
        {0, 0.50, 0.40, 100.0, 90.0, "  0.400  ", "   90.0  "},  // asterisks off
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.show << " " << c.avDesign << " " << c.demand);
        auto doc = NewDoc();
        doc->m_nUnits = kUnitsUS;
        doc->m_nShearMethod = 1;
        doc->m_bShowAsterisks = c.show;
        doc->m_adShearAvDesign[0] = c.avDesign;
        doc->m_adAvProvided[0] = c.avProvided;
        doc->m_adLongReqVsProvided[0] = c.demand;
        doc->m_adLongReinfProvided[0] = c.provided;
        const std::vector<std::string> lines = Lines(*doc);
        const int stirrups = FindPrefix(lines, "Av_prv,in2/ft");
        const int longit = FindPrefix(lines, "Fl-prov,k    ");
        ASSERT_GE(stirrups, 0);
        ASSERT_GE(longit, 0);
        EXPECT_EQ(lines[stirrups].substr(13, 9), c.stirrupCell);
        EXPECT_EQ(lines[longit].substr(13, 9), c.longCell);
    }
}

// The metric right half of the simplified procedure marks a shortfall like every other half: a
// failing force never reads as passing (90 kip x 4.4482 = 400.3 kN at station 60, its first
// cell).
TEST_F(LongShearTest, MetricSimplifiedRightHalfMarksTheLongitudinalShortfall) {
    auto doc = NewDoc();
    doc->m_nUnits = kUnitsMetric;
    doc->m_nShearMethod = 2;
    doc->m_bShowAsterisks = 1;
    doc->m_adLongReqVsProvided[60] = 100.0;
    doc->m_adLongReinfProvided[60] = 90.0;
    const std::vector<std::string> lines = Lines(*doc);
    const int left = FindPrefix(lines, "Fl-prov,kN   ");
    ASSERT_GE(left, 0);
    const int right = FindPrefix(lines, "Fl-prov,kN   ", left + 1);
    ASSERT_GE(right, 0);
    EXPECT_EQ(lines[right].substr(13, 9), "  400.3* ");
}

// With all steel used for dv, dp(all) is printed and the depth row is relabelled; the depth
// printed is the same member.
TEST_F(LongShearTest, AllSteelDepthRows) {
    auto doc = NewDoc();
    doc->m_nUnits = kUnitsUS;
    doc->m_nShearMethod = 1;
    doc->m_adShearDv[0] = 61.25;
    for (int all : {0, 1}) {
        doc->m_bDvAllSteel = all;
        const std::vector<std::string> lines = Lines(*doc);
        EXPECT_EQ(FindPrefix(lines, "dp(all),in") >= 0, all == 1);
        const int dv = FindPrefix(lines, all ? "dv(all),in   " : "dv,in        ");
        ASSERT_GE(dv, 0);
        EXPECT_EQ(lines[dv].substr(13, 7), "  61.25");
    }
}

}  // namespace
}  // namespace kordel::test

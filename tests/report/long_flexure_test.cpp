// Long form: flexure tables and load rating section.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "report/format.h"
#include "report/report_test_support.h"
#include "report/text_report.h"

namespace kordel::test {
namespace {

class LongRatingTest : public ReportTest {
  protected:
    /// Example `n` with the load rating switched on at the levels given, analysed.
    std::unique_ptr<CKordelDoc> RatedExample(int n, int units = kUnitsUS, int inventory = 1,
                                             int operating = 1, int designCode = -1) {
        auto doc = NewDoc();
        doc->BuildExampleDesign(n);
        doc->m_nUnits = units;
        doc->m_nReportForm = kReportLongForm;
        if (designCode >= 0) doc->m_nSpecification = designCode;
        doc->m_bIncludeLoadRating = 1;
        doc->m_bRatingInventory = inventory;
        doc->m_bRatingOperating = operating;
        doc->RunAnalysis();
        return doc;
    }

    /// The lines the load-rating writer produces for `doc` as it stands.
    static std::vector<std::string> Lines(const CKordelDoc& doc) {
        std::vector<std::string> lines;
        ReportContext ctx{doc, lines, doc.m_nUnits == kUnitsMetric, {}, {}, {}, {}, {}};
        WriteLoadRatingBlock(ctx);
        return lines;
    }

    static int Find(const std::vector<std::string>& lines, const std::string& text) {
        for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
            if (lines[i] == text) return i;
        }
        return -1;
    }
};

const char* const kNote = "Note: Rating Factor calculations are performed at 100th points along the girder.";

// The four examples (example 3 continuous: negative-flexure groups in the US form), US and
// metric, inventory and operating. Each golden was read once line by line against the report's
// formats; the factors are the rating stage's own.
TEST_F(LongRatingTest, ExamplesMatchTheirGoldens) {
    for (int n = 1; n <= 4; ++n) {
        for (int units : {kUnitsUS, kUnitsMetric}) {
            SCOPED_TRACE(testing::Message() << "example " << n << " units " << units);
            auto doc = RatedExample(n, units);
            const std::vector<std::string> lines = Lines(*doc);
            EXPECT_FALSE(HoldsNonFinite(lines));
            ExpectMatchesGolden(lines, "long_rating_ex" + std::to_string(n) +
                                           (units == kUnitsUS ? "_us" : "_metric"));
        }
    }
}

// Under the Standard Specifications the inventory part adds the alternative compression and
// strand-stress groups and a third minimum line; the operating part opens with strand stress.
TEST_F(LongRatingTest, StandardSpecificationsVariantMatchesItsGolden) {
    for (int units : {kUnitsUS, kUnitsMetric}) {
        SCOPED_TRACE(units);
        auto doc = RatedExample(1, units, 1, 1, kSpecStandard);
        const std::vector<std::string> lines = Lines(*doc);
        EXPECT_FALSE(HoldsNonFinite(lines));
        ExpectMatchesGolden(lines, std::string("long_rating_standard_code") +
                                       (units == kUnitsUS ? "_us" : "_metric"));
    }
}

// Which parts are written follows the two level switches: inventory alone ends after its
// minimums (no closing note), operating alone starts straight after the section heading.
TEST_F(LongRatingTest, LevelsChooseTheParts) {
    struct Case {
        int inventory, operating;
        bool hasInventory, hasOperating;
    };
    const Case cases[] = {{1, 0, true, false}, {0, 1, false, true}, {1, 1, true, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.inventory << "/" << c.operating);
        auto doc = RatedExample(1, kUnitsUS, c.inventory, c.operating);
        const std::vector<std::string> lines = Lines(*doc);
        ASSERT_GE(lines.size(), 6u);
        EXPECT_EQ(lines[0], "---page break---");
        EXPECT_EQ(lines[2], "Load Rating");
        EXPECT_EQ(lines[4], "");
        EXPECT_EQ(Find(lines, "Inventory Rating") >= 0, c.hasInventory);
        EXPECT_EQ(Find(lines, "Operating Rating") >= 0, c.hasOperating);
        EXPECT_EQ(lines.back() == kNote, c.hasOperating);
        if (!c.hasOperating) {
            EXPECT_EQ(lines.back(), "");
        }
    }
}

// The section is printed in the long form only when rating is on and a level equals 1.
TEST_F(LongRatingTest, FullReportGatesTheSection) {
    struct Case {
        int include, inventory, operating;
        bool printed;
    };
    const Case cases[] = {{0, 1, 1, false}, {1, 0, 0, false}, {1, 1, 0, true}, {1, 0, 1, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.include << c.inventory << c.operating);
        auto doc = NewDoc();
        doc->BuildExampleDesign(1);
        doc->m_nReportForm = kReportLongForm;
        doc->m_bIncludeLoadRating = c.include;
        doc->m_bRatingInventory = c.inventory;
        doc->m_bRatingOperating = c.operating;
        doc->RunAnalysis();
        bool found = false;
        for (const std::string& line : doc->Report()) found = found || line == "Load Rating";
        EXPECT_EQ(found, c.printed);
    }
}

// A factor left infinite or undefined (a live-load effect of zero met by a division) prints as
// the no-live-load sentinel 999.00, never as "inf" or "nan"; a non-finite minimum location
// prints as 0.00.
TEST_F(LongRatingTest, NonFiniteFactorsPrintTheSentinel) {
    auto doc = RatedExample(1);
    doc->m_aRatingFactor[kRatingInvTension][102] = std::numeric_limits<double>::infinity();
    doc->m_aRatingFactor[kRatingInvTension][10] = std::numeric_limits<double>::quiet_NaN();
    doc->m_adRatingMinimum[kRatingMinTension] = std::numeric_limits<double>::infinity();
    doc->m_adRatingMinimum[kRatingMinTension + 1] = std::numeric_limits<double>::quiet_NaN();
    const std::vector<std::string> lines = Lines(*doc);
    EXPECT_FALSE(HoldsNonFinite(lines));
    const int heading = Find(lines, "Stress-Tens      Lt    0.1L    0.2L    0.3L    0.4L    0.5L    0.6L"
                                    "    0.7L    0.8L    0.9L      Lt");
    ASSERT_GE(heading, 0);
    EXPECT_EQ(lines[heading + 2].substr(0, 29), "  RF         999.00  999.00  ");
    bool minimum = false;
    for (const std::string& line : lines) {
        minimum = minimum || line.rfind("  Minimums: Stress-Tens RF=999.00 @   0.00 ft,", 0) == 0;
    }
    EXPECT_TRUE(minimum);
}

// Metric locations are feet x 0.3048: station 50 of example 1 in the positive-flexure row.
TEST_F(LongRatingTest, MetricLocationsConvertFeet) {
    auto us = RatedExample(1, kUnitsUS, 1, 0);
    auto si = RatedExample(1, kUnitsMetric, 1, 0);
    const std::vector<std::string> usLines = Lines(*us);
    const std::vector<std::string> siLines = Lines(*si);
    const int usAt = Find(usLines, "Flexure:               0.1L    0.2L    0.3L    0.4L    0.5L    0.6L"
                                   "    0.7L    0.8L    0.9L        ");
    const int siAt = Find(siLines, "Flexure:               0.1L    0.2L    0.3L    0.4L    0.5L    0.6L"
                                   "    0.7L    0.8L    0.9L        ");
    ASSERT_GE(usAt, 0);
    ASSERT_GE(siAt, 0);
    // Column 5 (0.5L) starts at 21 + 4 * 8.
    const double xFt = std::stod(usLines[usAt + 1].substr(21 + 32, 6));
    const double xM = std::stod(siLines[siAt + 1].substr(21 + 32, 6));
    EXPECT_EQ(siLines[siAt + 1].substr(0, 21), "  Loc (m)            ");
    EXPECT_NEAR(xM, xFt * 0.3048, 0.01);  // both printed to 0.01
    EXPECT_EQ(Find(siLines, "Flexure (-):     Lt    0.1L    0.2L    0.3L    0.4L    0.5L    0.6L"
                            "    0.7L    0.8L    0.9L      Lt"), -1);
}


// ---- Flexure tables ----------------------------------------------------------------------------

class LongFlexureTest : public ReportTest {
  protected:
    static std::vector<std::string> Lines(const CKordelDoc& doc) {
        std::vector<std::string> lines;
        ReportContext ctx{doc, lines, doc.m_nUnits == kUnitsMetric, {}, {}, {}, {}, {}};
        WriteFlexureBlock(ctx);
        return lines;
    }

    static int FindPrefix(const std::vector<std::string>& lines, const std::string& prefix) {
        for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
            if (lines[i].rfind(prefix, 0) == 0) return i;
        }
        return -1;
    }
};

// The four examples (example 3 continuous: both envelopes), US and metric. Each golden was read
// once line by line against the report's formats.
TEST_F(LongFlexureTest, ExamplesMatchTheirGoldens) {
    for (int n = 1; n <= 4; ++n) {
        for (int units : {kUnitsUS, kUnitsMetric}) {
            SCOPED_TRACE(testing::Message() << "example " << n << " units " << units);
            auto doc = NewDoc();
            doc->BuildExampleDesign(n);
            doc->m_nUnits = units;
            doc->RunAnalysis();
            const std::vector<std::string> lines = Lines(*doc);
            EXPECT_FALSE(HoldsNonFinite(lines));
            EXPECT_EQ(FindPrefix(lines, "Strength Limit State: Flexure (-M Envelope)") >= 0, doc->m_bContinuous != 0);
            ExpectMatchesGolden(lines, "long_flexure_ex" + std::to_string(n) +
                                           (units == kUnitsUS ? "_us" : "_metric"));
        }
    }
}

// Table choice: strain compatibility, Strength II and the code pick one of the layouts; a
// simple-span and a continuous example of each family.
TEST_F(LongFlexureTest, TableVariantsMatchTheirGoldens) {
    struct Case {
        const char* name;
        int example, designCode, edition, strain, strengthII;
    };
    const Case cases[] = {
        {"long_flexure_strain_ex1", 1, kSpecLrfd, 2, 1, 0},
        {"long_flexure_strain_ex3", 3, kSpecLrfd, 2, 1, 1},
        {"long_flexure_strain_standard_code_ex3", 3, kSpecStandard, 2, 1, 1},
        {"long_flexure_standard_code_ex1", 1, kSpecStandard, 2, 0, 0},
        {"long_flexure_standard_code_ex3", 3, kSpecStandard, 2, 0, 1},
        {"long_flexure_fifth_edition_ex3", 3, kSpecLrfd, 1, 0, 1},
    };
    for (const Case& c : cases) {
        for (int units : {kUnitsUS, kUnitsMetric}) {
            SCOPED_TRACE(testing::Message() << c.name << " units " << units);
            auto doc = NewDoc();
            doc->BuildExampleDesign(c.example);
            doc->m_nUnits = units;
            doc->m_nSpecification = c.designCode;
            doc->m_nSpecEdition = c.edition;
            doc->m_bStrainCompatibility = c.strain;
            doc->m_bIncludeStrengthII = c.strengthII;
            doc->RunAnalysis();
            const std::vector<std::string> lines = Lines(*doc);
            EXPECT_FALSE(HoldsNonFinite(lines));
            ExpectMatchesGolden(lines, std::string(c.name) + (units == kUnitsUS ? "_us" : "_metric"));
        }
    }
}

// LRFD 5th edition: "*" after Mr where Mr/Mu < 1 and asterisks are shown. Station 50, positive
// moment, Mr = 990 k-ft, Mu = 1000 k-ft, Mr/Mu = 0.99; the Mr cell is "%6.0f" -> "   990".
TEST_F(LongFlexureTest, FifthEditionMarksShortRows) {
    for (int show : {1, 0}) {
        auto doc = NewDoc();
        doc->m_nUnits = kUnitsUS;
        doc->m_nSpecification = kSpecLrfd;
        doc->m_nSpecEdition = 1;
        doc->m_bShowAsterisks = show;
        doc->m_aFlexureMr[50][kFlexurePositive] = 990.0;
        doc->m_aMuFlexure[50][kStrengthIPositive] = 1000.0;
        doc->m_aFlexureMrMuRatio[50][kFlexurePositive] = 0.99;
        const std::vector<std::string> lines = Lines(*doc);
        bool marked = false;
        for (const std::string& line : lines) marked = marked || line.find("   990*") != std::string::npos;
        EXPECT_EQ(marked, show == 1);
    }
}

// Metric b, bw and hf are inches x 0.0254: 96 in = 2.438 m, 6 in = 0.152 m, 8 in = 0.203 m
// (x 0.3048 would print 29.261 m).
TEST_F(LongFlexureTest, MetricWidthsConvertInches) {
    auto doc = NewDoc();
    doc->m_nUnits = kUnitsMetric;
    doc->m_nSpecification = kSpecLrfd;
    doc->m_aFlexureFc[50][kFlexurePositive] = 4.0;  // 27.579 MPa
    doc->m_aFlexureBeta1[50][kFlexurePositive] = 0.85;
    doc->m_aFlexureB[50][kFlexurePositive] = 96.0;
    doc->m_adWebWidthAtStation[50] = 6.0;
    doc->m_aFlexureHf[50][kFlexurePositive] = 8.0;
    doc->m_dFpsFactorK = 0.28;
    const std::vector<std::string> lines = Lines(*doc);
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[2], "f'c-ult=27.579 MPa, beta_1=0.850, b= 2.438 m, bw= 0.152 m, hf= 0.203 m, k=0.28");
    EXPECT_EQ(lines.back(), " ");  // the metric section closes with a blank line
}

// A strain-compatibility station without a compression block prints its location and the
// message in place of its values (US form).
TEST_F(LongFlexureTest, UnsolvedStrainStationPrintsTheMessage) {
    auto doc = NewDoc();
    doc->BuildExampleDesign(1);
    doc->m_bStrainCompatibility = 1;
    doc->RunAnalysis();
    doc->m_aStrainCompat[50].m_anConverged[kFlexurePositive] = 0;
    const std::vector<std::string> lines = Lines(*doc);
    const std::string expected =
        Format("%6.2f Unable to build compression block at this location", doc->m_adStationX[50]);
    EXPECT_GE(FindPrefix(lines, expected), 0);
}

// Negative envelope: a row's location is measured from the left pier centreline (station x +
// girder offset + pad offset of the current span); the pier lines frame the rows.
TEST_F(LongFlexureTest, NegativeEnvelopeLocationsFromThePier) {
    auto doc = NewDoc();
    doc->BuildExampleDesign(3);
    doc->RunAnalysis();
    const int span = doc->m_nCurrentSpan;
    const double offset = doc->m_adGirderOffsetLeft[span] + doc->m_adPadOffsetLeft[span];
    doc->m_aFactoredMomentEnvelope[0][kStrengthINegative] = -100.0;
    const std::vector<std::string> lines = Lines(*doc);
    const int heading = FindPrefix(lines, "Strength Limit State: Flexure (-M Envelope)");
    ASSERT_GE(heading, 0);
    bool found = false;
    const std::string location = Format("%6.2f ", doc->m_adStationX[0] + offset);
    for (int i = heading; i < static_cast<int>(lines.size()); ++i) {
        found = found || (lines[i].rfind(location, 0) == 0 && lines[i].find("Pier") == std::string::npos);
    }
    EXPECT_TRUE(found);
}

}  // namespace
}  // namespace kordel::test

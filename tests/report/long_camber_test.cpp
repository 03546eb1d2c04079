// Long form: camber and deflection table, and interface shear.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "report/report_test_support.h"
#include "report/text_report.h"

namespace kordel::test {
namespace {

class LongCamberTest : public ReportTest {
  protected:
    std::unique_ptr<CKordelDoc> Example(int n, int units = kUnitsUS, int specification = -1) {
        auto doc = NewDoc();
        doc->BuildExampleDesign(n);
        doc->m_nUnits = units;
        doc->m_nReportForm = kReportLongForm;
        if (specification >= 0) doc->m_nSpecification = specification;
        doc->RunAnalysis();
        return doc;
    }

    static std::vector<std::string> CamberLines(const CKordelDoc& doc) {
        std::vector<std::string> lines;
        ReportContext ctx{doc, lines, doc.m_nUnits == kUnitsMetric, {}, {}, {}, {}, {}};
        WriteCamberBlock(ctx);
        return lines;
    }

    static std::vector<std::string> InterfaceLines(const CKordelDoc& doc) {
        std::vector<std::string> lines;
        ReportContext ctx{doc, lines, doc.m_nUnits == kUnitsMetric, {}, {}, {}, {}, {}};
        WriteInterfaceShearBlock(ctx);
        return lines;
    }

    static int FindPrefix(const std::vector<std::string>& lines, const std::string& prefix) {
        for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
            if (lines[i].rfind(prefix, 0) == 0) return i;
        }
        return -1;
    }
};

std::string Suffix(int units) { return units == kUnitsUS ? "_us" : "_metric"; }

// The four examples, US and metric: camber table and, for composite decks, the interface-shear
// table. Each golden was read once line by line against the report's formats.
TEST_F(LongCamberTest, ExamplesMatchTheirGoldens) {
    for (int n = 1; n <= 4; ++n) {
        for (int units : {kUnitsUS, kUnitsMetric}) {
            SCOPED_TRACE(testing::Message() << "example " << n << " units " << units);
            auto doc = Example(n, units);
            const std::vector<std::string> camber = CamberLines(*doc);
            EXPECT_FALSE(HoldsNonFinite(camber));
            ExpectMatchesGolden(camber, "long_camber_ex" + std::to_string(n) + Suffix(units));
            if (doc->m_bCompositeDeck) {
                const std::vector<std::string> face = InterfaceLines(*doc);
                EXPECT_FALSE(HoldsNonFinite(face));
                ExpectMatchesGolden(face, "long_camber_interface_ex" + std::to_string(n) + Suffix(units));
            }
        }
    }
}

// Under the Standard Specifications the camber table has no live-load rows and the interface
// table is the horizontal-shear form with bv, d and the rough and not-rough capacities.
TEST_F(LongCamberTest, StandardSpecificationsVariantMatchesItsGolden) {
    for (int units : {kUnitsUS, kUnitsMetric}) {
        SCOPED_TRACE(units);
        auto doc = Example(1, units, kSpecStandard);
        const std::vector<std::string> camber = CamberLines(*doc);
        EXPECT_EQ(FindPrefix(camber, "Lane LL"), -1);
        EXPECT_EQ(FindPrefix(camber, "Truck LL"), -1);
        ExpectMatchesGolden(camber, "long_camber_standard_code" + Suffix(units));
        ExpectMatchesGolden(InterfaceLines(*doc), "long_camber_interface_standard_code" + Suffix(units));
    }
}

// Sums of the table, with summary values set by hand (in, up positive):
//   quarter point  pretension 1.00/1.10/1.20, P/T 0.10/0.20/0.30, girder -0.40/-0.44/-0.48
//   midspan        pretension 2.00/2.20/2.40, P/T 0.20/0.40/0.60, girder -0.80/-0.88/-0.96
// Beam+P/S adds the P/T terms even when its row is not printed (pretension only):
//   qtr initial 1.00 + 0.10 - 0.40 = 0.70, qtr erection 1.10 + 0.20 - 0.44 = 0.86,
//   mid initial 2.00 + 0.20 - 0.80 = 1.40, mid erection 2.20 + 0.40 - 0.88 = 1.72.
// Every two-stage final is 0.01 at the quarter point and 0.02 at midspan (7 loads, deck,
// overlay and uniform composite included even for a non-composite deck); live load
// qtr truck -0.10, lane -0.05, mid truck -0.20, lane -0.10.
//   qtr total (LRFD) = 1.20 + 0.30 - 0.48 + 7 x 0.01 - 0.05 - 0.10 = 0.94
//   mid total (LRFD) = 2.40 + 0.60 - 0.96 + 7 x 0.02 - 0.10 - 0.20 = 1.88
//   Standard: no live load, 1.09 and 2.18.
TEST_F(LongCamberTest, SumsHoldEveryTerm) {
    struct Case {
        int specification;
        int composite;
        const char* total;
    };
    const Case cases[] = {
        {kSpecLrfd, 1, "  Total Deflection=                             0.94                                      1.88"},
        {kSpecLrfd, 0, "  Total Deflection=                             0.94                                      1.88"},
        {kSpecStandard, 1, "  Total Deflection=                             1.09                                      2.18"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.specification << "/" << c.composite);
        auto doc = NewDoc();
        doc->m_nUnits = kUnitsUS;
        doc->m_nSpecification = c.specification;
        doc->m_bCompositeDeck = c.composite;
        doc->m_nPrestressType = kPretensionOnly;
        double* q = doc->m_adDeflectionSummary;
        double* m = doc->m_adCamberSummary;
        const double qs[9] = {1.00, 1.10, 1.20, 0.10, 0.20, 0.30, -0.40, -0.44, -0.48};
        for (int i = 0; i < 9; ++i) {
            q[4 + i] = qs[i];
            m[i] = 2 * qs[i];
        }
        for (int i = 13; i <= 26; i += 2) q[i + 1] = 0.01;
        for (int i = 9; i <= 22; i += 2) m[i + 1] = 0.02;
        q[27] = -0.10;
        q[28] = -0.05;
        q[0] = -0.20;
        q[2] = -0.10;
        const std::vector<std::string> lines = CamberLines(*doc);
        EXPECT_EQ(FindPrefix(lines, "P/T"), -1);
        const int sums = FindPrefix(lines, "  Beam+P/S=");
        ASSERT_GE(sums, 0);
        EXPECT_EQ(lines[sums], "  Beam+P/S=     0.70            0.86                       1.40            1.72");
        const int total = FindPrefix(lines, "  Total Deflection=");
        ASSERT_GE(total, 0);
        EXPECT_EQ(lines[total], c.total);
        EXPECT_EQ(FindPrefix(lines, "Deck ") >= 0, c.composite == 1);
        EXPECT_EQ(FindPrefix(lines, "Uniform C ") >= 0, c.composite == 1);
    }
}

// Metric deflections are metres (in x 0.0254) printed to 0.001 m, the live-load rows as well:
// a truck deflection of 0.10 in = 0.00254 m must not print as 0.00.
TEST_F(LongCamberTest, MetricDeflectionsKeepMillimetres) {
    auto doc = NewDoc();
    doc->m_nUnits = kUnitsMetric;
    doc->m_nSpecification = kSpecLrfd;
    doc->m_adDeflectionSummary[27] = -0.10;  // -0.00254 m
    doc->m_adDeflectionSummary[0] = -0.20;   // -0.00508 m
    const std::vector<std::string> lines = CamberLines(*doc);
    const int truck = FindPrefix(lines, "Truck LL");
    ASSERT_GE(truck, 0);
    EXPECT_EQ(lines[truck], "Truck LL                                      -0.003                                    -0.005");
    EXPECT_EQ(FindPrefix(lines, " Vehicle1:"), -1);  // no live-load deflection ratio lines in metric
}

// bv is stored in inches: 12.00 in prints as 0.305 m (x 0.0254), not 3.658 (x 0.3048). A
// non-finite parameter prints as 0, never "inf" or "nan".
TEST_F(LongCamberTest, StandardInterfaceLinesConvertInches) {
    auto doc = NewDoc();
    doc->m_nUnits = kUnitsMetric;
    doc->m_nSpecification = kSpecStandard;
    doc->m_adInterfaceParams[10] = 12.0;
    doc->m_adInterfaceParams[13] = std::numeric_limits<double>::infinity();
    const std::vector<std::string> lines = InterfaceLines(*doc);
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[2].substr(0, 12), "bv= 0.305 m,");
    EXPECT_FALSE(HoldsNonFinite(lines));
}

// A non-composite girder prints no interface-shear section even with its switch on.
TEST_F(LongCamberTest, NonCompositeReportHasNoInterfaceShear) {
    auto doc = NewDoc();
    doc->BuildExampleDesign(1);
    doc->m_bCompositeDeck = 0;
    doc->m_nReportForm = kReportLongForm;
    doc->RunAnalysis();
    bool found = false;
    for (const std::string& line : doc->Report()) {
        found = found || line == "Strength Limit State: Interface Shear";
    }
    EXPECT_FALSE(found);
}

}  // namespace
}  // namespace kordel::test

// Long form: service stresses at release and final.
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <string>
#include <vector>

#include "report/report_test_support.h"
#include "report/text_report.h"

namespace kordel::test {
namespace {

class LongStressesTest : public ReportTest {
  protected:
    /// The lines the stress block writes for `doc` as it stands.
    static std::vector<std::string> Lines(const CKordelDoc& doc) {
        std::vector<std::string> lines;
        ReportContext ctx{doc, lines, doc.m_nUnits == kUnitsMetric, {}, {}, {}, {}, {}};
        WriteStressBlock(ctx);
        return lines;
    }

    static int FindPrefix(const std::vector<std::string>& lines, const std::string& prefix,
                          int from = 0) {
        for (int i = from; i < static_cast<int>(lines.size()); ++i) {
            if (lines[i].rfind(prefix, 0) == 0) return i;
        }
        return -1;
    }

    /// The eight-character labels of the lines from `first` up to the combination heading.
    static std::vector<std::string> Labels(const std::vector<std::string>& lines, int first,
                                           const std::string& stop) {
        std::vector<std::string> out;
        for (int i = first; i < static_cast<int>(lines.size()); ++i) {
            if (lines[i].rfind(stop, 0) == 0) break;
            out.push_back(lines[i].substr(0, 8));
        }
        return out;
    }

    /// The mark after column `c` of a marked row whose cells are `width` + 1 characters.
    static char MarkOf(const std::string& line, int c, int width = 6) {
        return line.at(8 + static_cast<std::size_t>(c) * (width + 1) + width);
    }
};

// The four examples, US and metric. Each golden was read once line by line against the report's
// formats; the numbers are the analysis's own.
TEST_F(LongStressesTest, ExamplesMatchTheirGoldens) {
    for (int n = 1; n <= 4; ++n) {
        for (int units : {kUnitsUS, kUnitsMetric}) {
            SCOPED_TRACE(testing::Message() << "example " << n << " units " << units);
            auto doc = AnalysedExample(n, units);
            const std::vector<std::string> lines = Lines(*doc);
            EXPECT_FALSE(HoldsNonFinite(lines));
            ExpectMatchesGolden(lines, "long_stress_ex" + std::to_string(n) +
                                           (units == kUnitsUS ? "_us" : "_metric"));
        }
    }
}

// Branches the examples miss: the detailed losses with the deck-placement rows, every optional
// load, Service I, and (non-composite) the loss rows the metric form prints on the detailed
// method alone.
TEST_F(LongStressesTest, VariantsMatchTheirGoldens) {
    struct Variant {
        const char* name;
        int example;
        int lossMode;
    };
    const Variant variants[] = {{"long_stress_ex1_all_loads", 1, kLossesComputed},
                                {"long_stress_ex2_entered_losses", 2, kLossesSpecified}};
    for (const Variant& v : variants) {
        for (int units : {kUnitsUS, kUnitsMetric}) {
            SCOPED_TRACE(testing::Message() << v.name << " units " << units);
            auto doc = NewDoc();
            doc->BuildExampleDesign(v.example);
            doc->m_nUnits = units;
            doc->m_nLossMethod = kLossLrfd6thDetailed;
            doc->m_nLossMode = v.lossMode;
            doc->m_nDetailedLossBasis = kDeckShrinkagePciGuidelines;
            doc->m_dDiaphragmWeight = 2.0;
            doc->m_dOtherNonCompositeLoad = 0.05;
            doc->m_dOverlayThickness = 1.5;
            doc->m_dBarrierLoad = 0.3;
            doc->m_dWearingSurfaceLoad = 0.2;
            doc->m_dOtherCompositeLoad = 0.1;
            doc->m_dPedestrianLoad = 0.15;
            doc->m_bServiceComboI = 1;
            doc->RunAnalysis();
            const std::vector<std::string> lines = Lines(*doc);
            EXPECT_FALSE(HoldsNonFinite(lines));
            ExpectMatchesGolden(lines,
                                std::string(v.name) + (units == kUnitsUS ? "_us" : "_metric"));
        }
    }
}

// The block opens with a page break and the handling tables, then its heading; with stripping
// checked the release table is left out and the heading runs straight into the final table.
TEST_F(LongStressesTest, OpensWithAPageBreakAndTheHandlingTables) {
    auto doc = AnalysedExample(1);
    std::vector<std::string> lines = Lines(*doc);
    ASSERT_GE(lines.size(), 6u);
    EXPECT_EQ(
        std::vector<std::string>(lines.begin(), lines.begin() + 5),
        (std::vector<std::string>{" ", kPageBreakLine, " ", "Service Limit State: Stresses (ksi)",
                                  std::string(35, '-')}));
    EXPECT_EQ(lines[5].rfind("CONCRETE STRESSES AT RELEASE  (Allowable: tens=", 0), 0u) << lines[5];

    doc->m_bCheckStripping = 1;
    doc->RunAnalysis();
    lines = Lines(*doc);
    EXPECT_EQ(lines[3], "STRIPPING ANALYSIS");
    const int heading = static_cast<int>(
        std::find(lines.begin(), lines.end(), "Service Limit State: Stresses (ksi)") -
        lines.begin());
    ASSERT_GT(heading, 3);
    ASSERT_LT(heading, static_cast<int>(lines.size()) - 2);
    EXPECT_EQ(lines[heading + 2], "CONCRETE STRESSES @ FINAL:");
    EXPECT_EQ(FindPrefix(lines, "CONCRETE STRESSES AT"), -1);
    EXPECT_EQ(FindPrefix(lines, std::string(98, '-')), -1);
}

// A girder set for post-tensioning without tendons keeps the release title but prints the P/T
// rows; with tendons the title names the post-tensioning.
TEST_F(LongStressesTest, PostTensioningRowsAndTitle) {
    auto doc = AnalysedExample(4);
    ASSERT_EQ(doc->m_nPrestressType, kPostTensioned);
    ASSERT_GT(doc->m_nTendonCount, 0);
    std::vector<std::string> lines = Lines(*doc);
    EXPECT_NE(FindPrefix(lines, "CONCRETE STRESSES AT POST-TENSIONING (Allowable: tens="), -1);

    doc->m_nTendonCount = 0;
    lines = Lines(*doc);
    EXPECT_NE(FindPrefix(lines, "CONCRETE STRESSES AT RELEASE  (Allowable: tens="), -1);
    const int release = FindPrefix(lines, "CONCRETE STRESSES AT RELEASE");
    const int final = FindPrefix(lines, "CONCRETE STRESSES @ FINAL:");
    EXPECT_GT(FindPrefix(lines, "P/T   t:", release), release);
    EXPECT_GT(FindPrefix(lines, "P/T   t:", final), final);
}

// A non-composite simple span with no optional loads and losses other than the detailed method
// prints only the prestress, girder and vehicle rows, then the combinations in their
// non-composite labels.
TEST_F(LongStressesTest, BareNonCompositeSimpleSpan) {
    auto doc = AnalysedExample(2);
    ASSERT_EQ(doc->m_bCompositeDeck, 0);
    ASSERT_EQ(doc->m_bContinuous, 0);
    doc->m_nPrestressType = kPretensionOnly;
    doc->m_dDiaphragmWeight = 0;
    doc->m_dOtherNonCompositeLoad = 0;
    doc->m_dOverlayThickness = 0;
    doc->m_dBarrierLoad = 0;
    doc->m_dWearingSurfaceLoad = 0;
    doc->m_dOtherCompositeLoad = 0;
    doc->m_dPedestrianLoad = 0;
    doc->m_bComputeRestraintMoments = 0;
    doc->m_nLossMethod = kLossLrfd3rd;
    for (int combo : {0, 1}) {
        doc->m_bServiceComboI = combo;
        const std::vector<std::string> lines = Lines(*doc);
        const int final = FindPrefix(lines, "CONCRETE STRESSES @ FINAL:");
        ASSERT_GT(final, 0);
        EXPECT_EQ(Labels(lines, final + 3, "STRESS COMBOS"),
                  (std::vector<std::string>{"P/S   t:", "      b:", " ", "Beam  t:", "      b:",
                                            " ", "Veh   t:", "      b:", " "}));
        const int combos = FindPrefix(lines, "STRESS COMBOS @ FINAL:");
        EXPECT_EQ(Labels(lines, combos + 2, "\x01"),
                  (std::vector<std::string>{"P+Pm  t:", "      b:", " ", ".5PPmLt:", " ",
                                            "P+Pm+Lt:", combo ? "(S I) b:" : "(SIII)b:"}));
    }
}

// Release rows: inside the open range no mark; at either limit '*'; below the limit with bonded
// steel '#' (US only: the metric bottom row marks '*'). Marks compare the stored ksi values.
TEST_F(LongStressesTest, ReleaseMarks) {
    struct Case {
        const char* what;
        double v;  // ksi
        char top, bottomUS, bottomMetric;
    };
    // Limits: tension -0.2, with bonded steel -0.5, compression 3.0 ksi.
    const Case cases[] = {
        {"inside the range", 1.0, ' ', ' ', ' '},
        {"at the compression limit", 3.0, '*', '*', '*'},
        {"at the tension limit", -0.2, '*', '*', '*'},
        {"at the limit with steel", -0.5, '*', '*', '*'},
        {"below the limit with steel", -0.6, '#', '#', '*'},
    };
    auto doc = AnalysedExample(1);
    doc->m_dAllowReleaseTension = -0.2;
    doc->m_adAllowableStress[kAllowReleaseTensionWithSteel] = -0.5;
    doc->m_dAllowReleaseCompression = 3.0;
    const int s = kStressStations[6];  // column 6, midspan
    for (int units : {kUnitsUS, kUnitsMetric}) {
        doc->m_nUnits = units;
        for (int showMarks : {1, 0}) {
            doc->m_bShowAsterisks = showMarks;
            for (const Case& c : cases) {
                SCOPED_TRACE(testing::Message()
                             << c.what << ", units " << units << ", marks " << showMarks);
                doc->m_aServiceStress[s][kServiceRelease][kServiceTop] = c.v;
                doc->m_aServiceStress[s][kServiceRelease][kServiceBottom] = c.v;
                const std::vector<std::string> lines = Lines(*doc);
                const int top = FindPrefix(lines, "PS+Bm t:");
                ASSERT_GT(top, 0);
                const char bottom = units == kUnitsUS ? c.bottomUS : c.bottomMetric;
                EXPECT_EQ(MarkOf(lines[top], 6), showMarks ? c.top : ' ') << lines[top];
                EXPECT_EQ(MarkOf(lines[top + 1], 6), showMarks ? bottom : ' ') << lines[top + 1];
                // The value itself: 3.0 ksi x 6.8948 = 20.684 MPa, and so on.
                const double factor = units == kUnitsMetric ? 6.8948 : 1.0;
                EXPECT_NEAR(std::stod(lines[top].substr(8 + 6 * 7, 6)), c.v * factor, 0.0005);
            }
        }
    }
}

// Combination rows: the bottom rows check both limits; the top rows check compression only in
// US units and both limits in metric; the negative-envelope half row is 7 wide in metric.
TEST_F(LongStressesTest, CombinationMarks) {
    auto doc = AnalysedExample(3);  // continuous and composite: every combination row
    ASSERT_NE(doc->m_bContinuous, 0);
    ASSERT_NE(doc->m_bCompositeDeck, 0);
    doc->m_bShowAsterisks = 1;
    doc->m_dAllowFinalTensionPermanent = 0.0;
    doc->m_dAllowFinalTensionAllLoads = -0.5;
    doc->m_dAllowFinalCompressionPermanent = 2.0;
    doc->m_dAllowFinalCompressionHalfPermanentLL = 1.8;
    doc->m_dAllowFinalCompressionAllLoads = 2.5;
    const int s = kStressStations[0];
    // Every combination at column 0: -1.0 ksi, tensile beyond every tension limit.
    for (int g = kServicePermanent; g < kServiceCombinationCount; ++g) {
        for (int e = kServiceBottom; e <= kServiceDeckTop; ++e)
            doc->m_aServiceStress[s][g][e] = -1.0;
    }
    struct Row {
        const char* label;
        int occurrence;  // of the label after "STRESS COMBOS"
        char us, metric;
    };
    const Row rows[] = {
        {"      t:", 0, ' ', '*'},  // P+Pm top: compression only in US
        {"      b:", 0, '*', '*'},  // P+Pm bottom
        {".5PPmLb:", 0, '*', '*'},  // negative envelope, half permanent + live
        {" +L   t:", 0, ' ', '*'},  // negative envelope P+Pm+L top
        {"      b:", 1, '*', '*'},  // negative envelope P+Pm+L bottom
        {"Pm)+L t:", 0, ' ', '*'}, {" +L   t:", 1, ' ', '*'}, {"(SIII)b:", 0, '*', '*'},
    };
    for (int units : {kUnitsUS, kUnitsMetric}) {
        doc->m_nUnits = units;
        const std::vector<std::string> lines = Lines(*doc);
        const int combos = FindPrefix(lines, "STRESS COMBOS @ FINAL:");
        ASSERT_GT(combos, 0);
        for (const Row& r : rows) {
            SCOPED_TRACE(testing::Message()
                         << "'" << r.label << "' #" << r.occurrence << " units " << units);
            int at = combos;
            for (int k = 0; k <= r.occurrence; ++k) at = FindPrefix(lines, r.label, at + 1);
            ASSERT_GT(at, combos);
            const bool wide = units == kUnitsMetric && std::string(r.label) == ".5PPmLb:";
            EXPECT_EQ(MarkOf(lines[at], 0, wide ? 7 : 6), units == kUnitsUS ? r.us : r.metric)
                << lines[at];
        }
    }
}

// A stress the analysis could not form prints as dashes in its cell; nothing prints "nan" or
// "inf", and the row keeps its width.
TEST_F(LongStressesTest, NonFiniteValuesPrintAsDashes) {
    auto doc = AnalysedExample(1);
    const int s = kStressStations[2];
    doc->m_aLoadCaseStress[s][kStressGirder][kFibreGirderTop] =
        std::numeric_limits<double>::quiet_NaN();
    doc->m_aServiceStress[s][kServicePermanent][kServiceBottom] =
        std::numeric_limits<double>::infinity();
    doc->m_dAllowDeckCompression = std::numeric_limits<double>::quiet_NaN();
    const std::vector<std::string> lines = Lines(*doc);
    EXPECT_FALSE(HoldsNonFinite(lines));
    const int final = FindPrefix(lines, "CONCRETE STRESSES @ FINAL:");
    const int beam = FindPrefix(lines, "Beam  t:", final);
    ASSERT_GT(beam, final);
    EXPECT_EQ(lines[beam].substr(8 + 2 * 7, 6), "    --");
    EXPECT_EQ(lines[beam].size(), lines[beam + 1].size());
    const int combos = FindPrefix(lines, "STRESS COMBOS @ FINAL:");
    EXPECT_NE(lines[combos + 1].find("; Deck=    --"), std::string::npos) << lines[combos + 1];
    // The infinite bottom stress is outside its range, so it is marked.
    const int bottom = FindPrefix(lines, "      b:", combos);
    EXPECT_EQ(lines[bottom].substr(8 + 2 * 7, 7), "    --*");
}

}  // namespace
}  // namespace kordel::test

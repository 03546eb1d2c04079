// Long form: stripping, handling, shipping and detensioning tables.
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

class LongHandlingTest : public ReportTest {
  protected:
    /// Example `n` with the stripping, handling and detensioning checks on, analysed.
    std::unique_ptr<CKordelDoc> CheckedExample(int n, int units = kUnitsUS) {
        auto doc = NewDoc();
        doc->BuildExampleDesign(n);
        doc->m_nUnits = units;
        doc->m_nReportForm = kReportLongForm;
        doc->m_bCheckStripping = 1;
        doc->m_bCheckHandling = 1;
        doc->m_bDetensioningAnalysis = 1;
        doc->RunAnalysis();
        return doc;
    }

    /// The lines the handling block writes for `doc` as it stands.
    static std::vector<std::string> Lines(const CKordelDoc& doc) {
        std::vector<std::string> lines;
        ReportContext ctx{doc, lines, doc.m_nUnits == kUnitsMetric, {}, {}, {}, {}, {}};
        WriteHandlingBlock(ctx);
        return lines;
    }

    /// Index of the first line equal to `text` at or after `from`, or -1.
    static int Find(const std::vector<std::string>& lines, const std::string& text, int from = 0) {
        for (int i = from; i < static_cast<int>(lines.size()); ++i) {
            if (lines[i] == text) return i;
        }
        return -1;
    }

    /// Index of the first line starting with `prefix` at or after `from`, or -1.
    static int FindPrefix(const std::vector<std::string>& lines, const std::string& prefix,
                          int from = 0) {
        for (int i = from; i < static_cast<int>(lines.size()); ++i) {
            if (lines[i].rfind(prefix, 0) == 0) return i;
        }
        return -1;
    }
};

// The four examples, US and metric, with every check of the block switched on. Each golden was
// read once line by line against the report's formats; the numbers are the checks' own.
TEST_F(LongHandlingTest, ExamplesMatchTheirGoldens) {
    for (int n = 1; n <= 4; ++n) {
        for (int units : {kUnitsUS, kUnitsMetric}) {
            SCOPED_TRACE(testing::Message() << "example " << n << " units " << units);
            auto doc = CheckedExample(n, units);
            const std::vector<std::string> lines = Lines(*doc);
            EXPECT_FALSE(HoldsNonFinite(lines));
            ExpectMatchesGolden(lines, "long_handling_ex" + std::to_string(n) +
                                           (units == kUnitsUS ? "_us" : "_metric"));
        }
    }
}

// Under the Standard Specifications the strength table shows c/d in place of phi.
TEST_F(LongHandlingTest, StandardSpecificationsVariantMatchesItsGolden) {
    for (int units : {kUnitsUS, kUnitsMetric}) {
        auto doc = NewDoc();
        doc->BuildExampleDesign(1);
        doc->m_nUnits = units;
        doc->m_nSpecification = kSpecStandard;
        doc->m_bCheckStripping = 1;
        doc->m_bCheckHandling = 1;
        doc->RunAnalysis();
        const std::vector<std::string> lines = Lines(*doc);
        EXPECT_FALSE(HoldsNonFinite(lines));
        ExpectMatchesGolden(
            lines, std::string("long_handling_standard_code_") + (units == kUnitsUS ? "us" : "metric"));
    }
}

// Which sections are written, and the page breaks between them.
TEST_F(LongHandlingTest, SectionsFollowTheirSwitches) {
    auto doc = CheckedExample(1);

    // Everything on: stripping, handling, its page break, shipping, then detensioning directly
    // after the shipping section's blank line (no page break of its own before it).
    std::vector<std::string> all = Lines(*doc);
    ASSERT_EQ(all.front(), "STRIPPING ANALYSIS");
    const int handling = Find(all, "HANDLING ANALYSIS");
    const int shipping = Find(all, "SHIPPING ANALYSIS");
    const int detension = FindPrefix(all, "DETENSIONING (ksi");
    ASSERT_GT(handling, 0);
    ASSERT_GT(shipping, handling);
    ASSERT_GT(detension, shipping);
    EXPECT_EQ(all[shipping - 3], " ");
    EXPECT_EQ(all[shipping - 2], kPageBreakLine);
    EXPECT_EQ(all[shipping - 1], " ");
    EXPECT_EQ(all[detension - 1], " ");
    EXPECT_NE(all[detension - 2], kPageBreakLine);
    EXPECT_EQ(std::vector<std::string>(all.end() - 3, all.end()),
              (std::vector<std::string>{" ", kPageBreakLine, " "}));

    // Detensioning off: the shipping section closes with two blanks, the break and a blank.
    doc->m_bDetensioningAnalysis = 0;
    std::vector<std::string> noDetension = Lines(*doc);
    EXPECT_EQ(FindPrefix(noDetension, "DETENSIONING"), -1);
    EXPECT_EQ(std::vector<std::string>(noDetension.end() - 4, noDetension.end()),
              (std::vector<std::string>{" ", " ", kPageBreakLine, " "}));

    // Strands given as a force: neither the detensioning section nor the break before it.
    doc->m_bDetensioningAnalysis = 1;
    doc->m_nPretensionEntryMode = kEntryPrestressForce;
    std::vector<std::string> forceEntry = Lines(*doc);
    EXPECT_EQ(FindPrefix(forceEntry, "DETENSIONING"), -1);
    EXPECT_EQ(forceEntry.back(), " ");
    EXPECT_NE(forceEntry[forceEntry.size() - 2], kPageBreakLine);
    doc->m_nPretensionEntryMode = kEntryStrandPattern;

    // Handling off: the stripping legend runs straight into the detensioning title.
    doc->m_bCheckHandling = 0;
    std::vector<std::string> stripOnly = Lines(*doc);
    EXPECT_EQ(Find(stripOnly, "HANDLING ANALYSIS"), -1);
    EXPECT_EQ(Find(stripOnly, "SHIPPING ANALYSIS"), -1);
    const int title = FindPrefix(stripOnly, "DETENSIONING (ksi");
    ASSERT_GT(title, 0);
    EXPECT_EQ(stripOnly[title - 1].find(")DL beam"), 6u) << stripOnly[title - 1];

    // A post-tensioned girder has no stripping section, but handling and shipping still print.
    doc->m_bCheckHandling = 1;
    doc->m_nPrestressType = kPostTensioned;
    std::vector<std::string> post = Lines(*doc);
    EXPECT_EQ(Find(post, "STRIPPING ANALYSIS"), -1);
    EXPECT_EQ(post[1], "HANDLING ANALYSIS");
    EXPECT_GT(Find(post, "SHIPPING ANALYSIS"), 0);
    EXPECT_EQ(FindPrefix(post, "DETENSIONING"), -1);
    EXPECT_NE(FindPrefix(post, "P/T   t:"), -1);  // the tendons' rows in the handling tables
}

// Only active cases print, A to E with no blank between them; a case whose strength search did
// not settle prints its warning instead of its rows; the legend lists C to E only when active.
TEST_F(LongHandlingTest, StrippingCasesAndLegend) {
    auto doc = CheckedExample(1);
    doc->m_bCheckHandling = 0;
    doc->m_bDetensioningAnalysis = 0;
    for (int k = 0; k < kStripCaseCount; ++k) {
        doc->m_abStripCaseActive[k] = 1;
        doc->m_abStripCaseConverged[k] = 1;
        doc->m_abStripCaseTensionSteel[k] = 0;
    }
    doc->m_abStripCaseActive[kStripCaseB] = 0;
    doc->m_abStripCaseConverged[kStripCaseD] = 0;
    doc->m_adStripCaseFci[kStripCaseD] = 7.25;
    doc->m_nStripGoverningCase = kStripCaseE;
    doc->m_dLiftSupportLeft = 3.5;
    doc->m_dLiftSupportRight = 4.25;

    const std::vector<std::string> lines = Lines(*doc);
    EXPECT_NE(lines[1].find("(Case E controls,"), std::string::npos) << lines[1];
    std::vector<std::string> caseLines;
    for (const std::string& l : lines) {
        if (l.rfind("Case", 0) == 0 && l.find(')') == std::string::npos) caseLines.push_back(l);
    }
    EXPECT_EQ(caseLines, (std::vector<std::string>{
                             "Case A", "Case C",
                             "CaseD >>>WARNING: Iteration to find required initial release "
                             "strength does not converge, last f'ci value= 7.250",
                             "Case E"}));
    // Case A's four rows run straight into "Case C".
    const int a = Find(lines, "Case A");
    EXPECT_EQ(lines[a + 5], "Case C");

    const int legend = FindPrefix(lines, "Case A)");
    ASSERT_GT(legend, 0);
    EXPECT_EQ(lines[legend - 1], " ");
    EXPECT_EQ(std::vector<std::string>(lines.begin() + legend, lines.end()),
              (std::vector<std::string>{
                  "Case A)DL beam only,               Beam is supported at  0.00 ft from left end "
                  "and  0.00 ft from right end",
                  "Case B)DL beam only,               Beam is supported at  3.50 ft from left end "
                  "and  4.25 ft from right end",
                  "Case C)DL beam + suction,          Beam is supported at  3.50 ft from left end "
                  "and  4.25 ft from right end",
                  "Case D)DL beam + suction (if any), Beam is supported at  0.00 ft from left end "
                  "and  4.25 ft from right end",
                  "Case E)DL beam + suction (if any), Beam is supported at  3.50 ft from left end "
                  "and  0.00 ft from right end"}));

    // Metric: distances x 0.3048 with " m "; 3.5 ft = 1.0668 m -> " 1.07", 4.25 ft = 1.2954 m ->
    // " 1.30"; f'ci 7.25 ksi x 6.8948 = 49.987 MPa.
    doc->m_nUnits = kUnitsMetric;
    const std::vector<std::string> metric = Lines(*doc);
    EXPECT_NE(Find(metric,
                   "Case B)DL beam only,               Beam is supported at  1.07 m from "
                   "left end and  1.30 m from right end"),
              -1);
    EXPECT_NE(FindPrefix(metric, "CaseD >>>WARNING"), -1);
    EXPECT_NE(metric[FindPrefix(metric, "CaseD >>>WARNING")].find("value=49.987"),
              std::string::npos);
}

// The tension-tie row: a value where steel is needed, a dash of the column's width elsewhere.
TEST_F(LongHandlingTest, TensionTieRowPrintsDashesWhereNoSteelIsNeeded) {
    auto doc = CheckedExample(1);
    doc->m_bCheckHandling = 0;
    doc->m_bDetensioningAnalysis = 0;
    const int k = kStripCaseA;
    doc->m_abStripCaseActive[k] = 1;
    doc->m_abStripCaseConverged[k] = 1;
    doc->m_abStripCaseTensionSteel[k] = 1;
    for (int s = 0; s < kStationCount; ++s) doc->m_adStripTensionSteelArea[s][k] = 0;
    doc->m_adStripTensionSteelArea[kStationLeftTransfer][k] = 0.5;  // wide column 0
    doc->m_adStripTensionSteelArea[20][k] = 1.5;                    // narrow column 2

    const std::vector<std::string> lines = Lines(*doc);
    const int row = FindPrefix(lines, "Astt,in2");
    ASSERT_GT(row, 0);
    // Columns: Lt Lift 0.2L 0.3L 0.4L DepPt 0.5L DepPt 0.6L 0.7L 0.8L Lift Lt; the narrow ones
    // (0.2L, 0.3L, 0.7L, 0.8L) take "%6.2f " or "    -- ", the others "%7.3f " or "     -- ".
    EXPECT_EQ(lines[row],
              "Astt,in2  0.500      --   1.50     --      --      --      --      --      --     "
              "--     --      --      -- ");

    // Metric: 0.5 in2 x 645.16 = 322.58 -> "  322.6"; 1.5 x 645.16 = 967.74 -> " 967.7".
    doc->m_nUnits = kUnitsMetric;
    const std::vector<std::string> metric = Lines(*doc);
    EXPECT_EQ(metric[FindPrefix(metric, "Astt,mm2")],
              "Astt,mm2  322.6      --  967.7     --      --      --      --      --      --     "
              "--     --      --      -- ");
}

// Marks of a total stress: inside the open range blank, at either limit '*', below the rupture
// stress '#'; the metric report marks the same cells since it compares the stored ksi values.
TEST_F(LongHandlingTest, TotalStressMarks) {
    struct Case {
        const char* what;
        double v;  // ksi
        char mark;
    };
    // Limits: tension -0.2, rupture -0.5, compression 3.0 ksi.
    const Case cases[] = {
        {"inside the range", 1.0, ' '},
        {"at the compression limit", 3.0, '*'},
        {"above the compression limit", 3.1, '*'},
        {"at the tension limit", -0.2, '*'},
        {"at the rupture stress", -0.5, '*'},
        {"below the rupture stress", -0.6, '#'},
    };
    auto doc = CheckedExample(1);
    doc->m_bCheckStripping = 0;
    doc->m_bDetensioningAnalysis = 0;
    doc->m_dReleaseTensionAllowable = -0.2;
    doc->m_dReleaseRuptureStress = -0.5;
    doc->m_dReleaseCompressionAllowable = 3.0;
    const int slot = HandlingStressSlot(kImpactDown, kHandlingStressTotal);
    for (int units : {kUnitsUS, kUnitsMetric}) {
        doc->m_nUnits = units;
        for (int showMarks : {1, 0}) {
            doc->m_bShowAsterisks = showMarks;
            for (const Case& c : cases) {
                SCOPED_TRACE(testing::Message()
                             << c.what << ", units " << units << ", marks " << showMarks);
                doc->m_LiftingArrays.m_adStressTop[kStationLeftTransfer][slot] = c.v;
                const std::vector<std::string> lines = Lines(*doc);
                const int row = Find(lines, "HANDLING ANALYSIS");
                const int total = FindPrefix(lines, "PS+Bm t:", row);
                ASSERT_GT(total, row);
                // Column 0 is "%7.3f" then its mark: characters 8 to 14, the mark at 15.
                const std::string& line = lines[total];
                const double printed = std::stod(line.substr(8, 7));
                const double factor = units == kUnitsMetric ? 6.8948 : 1.0;
                EXPECT_NEAR(printed, c.v * factor, 0.0005);
                EXPECT_EQ(line[15], showMarks ? c.mark : ' ') << line;
            }
        }
    }
}

// The strength rows: their stations, the mark when Mu exceeds Mr (signed: a negative Mu on an
// overhang never does), and the sentinels of ratios that have no meaning.
TEST_F(LongHandlingTest, StrengthRows) {
    auto doc = CheckedExample(1);
    doc->m_bCheckStripping = 0;
    doc->m_bDetensioningAnalysis = 0;
    HandlingStrengthArrays& H = doc->m_ShippingArrays;
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    // Left support, impact down: Mu 120 > Mr 100 -> '*'. Right support, down: Mu -150 with Mr
    // 100 -> ' '. Ratios that are not finite print the sentinels 9.99 (Mr/Mcr) and 99.99.
    H.m_adMu[kStationLeftShip][kImpactDown] = 120;
    H.m_adMr[kStationLeftShip][kImpactDown] = 100;
    H.m_adMrMcrRatio[kStationLeftShip][kImpactDown] = inf;
    H.m_adPhiMnMuRatio[kStationLeftShip][kImpactDown] = nan;
    H.m_adMu[kStationRightShip][kImpactDown] = -150;
    H.m_adMr[kStationRightShip][kImpactDown] = 100;

    const std::vector<std::string> lines = Lines(*doc);
    const int ship = Find(lines, "SHIPPING ANALYSIS");
    const int plus = FindPrefix(lines, "(+", Find(lines, "Strength Limit State: Flexure", ship));
    const int minus = FindPrefix(lines, "(-", plus);
    ASSERT_GT(plus, ship);
    ASSERT_EQ(minus, plus + 3);  // two rows per direction
    EXPECT_EQ(lines[plus], "(+40.00% Impact)");
    const std::string& left = lines[plus + 1];
    const std::string& right = lines[plus + 2];
    // Fields: Loc 6, Aps 5, dp 6, As 5, ds 6, c 5, a 5, fps 7, Mu 6, Mr,cmp 6, Mr 6, mark, Mcr 6,
    // Mr/Mcr 6, phi 6, Mr/Mu 6, one blank between all but the mark.
    ASSERT_EQ(left.size(), 101u) << left;
    EXPECT_EQ(left.substr(53, 6), "   120");  // Mu
    EXPECT_EQ(left.substr(67, 6), "   100");  // Mr
    EXPECT_EQ(left[73], '*');
    EXPECT_EQ(left.substr(81, 6), "  9.99");
    EXPECT_EQ(left.substr(95, 6), " 99.99");
    EXPECT_EQ(right.substr(53, 6), "  -150");
    EXPECT_EQ(right[73], ' ');
    // Location: station 111 plus the record's end offset.
    EXPECT_NEAR(std::stod(left.substr(0, 6)), doc->m_adStationX[kStationLeftShip] + H.m_dEndOffset,
                0.005);
    EXPECT_FALSE(HoldsNonFinite(lines));
}

// Lengths stored in inches print in metres by 0.0254 (not the foot factor 0.3048), and safety
// factors or tilts that are not finite never print as "inf" or "nan".
TEST_F(LongHandlingTest, StabilityLines) {
    auto doc = CheckedExample(1, kUnitsMetric);
    doc->m_bCheckStripping = 0;
    doc->m_bDetensioningAnalysis = 0;
    doc->m_dLiftInitialEccentricity = 10.0;  // in -> 0.2540 m
    doc->m_dLiftCamber = 2.5;                // in -> 0.0635 m
    doc->m_dLiftSafetyFactor = std::numeric_limits<double>::infinity();
    doc->m_dShipCrackingSafetyFactor = std::numeric_limits<double>::quiet_NaN();
    doc->m_dShipFailureTilt = std::numeric_limits<double>::quiet_NaN();
    doc->m_dTransportStiffness = 40500;  // in-k/rad x 0.0254 x 4.4482 = 4576.0 m-kN/rad
    doc->m_dBeamCgAboveRoad = 72;        // in -> 1.829 m
    doc->m_dDualTireDistance = 36;       // in -> 0.914 m
    doc->m_dShipLateralDeflection = 5;   // in -> 0.1270 m

    const std::vector<std::string> lines = Lines(*doc);
    EXPECT_NE(Find(lines,
                   "Initial Lateral Eccentricity  : 0.2540 m    Initial Vertical Camber: "
                   "0.0635 m"),
              -1);
    EXPECT_NE(Find(lines, "Factor of Safety for Stability:  9.990"), -1);
    EXPECT_NE(Find(lines,
                   "Transport Stiff :  4576 m-kN/rad   Beam C. G. Above Road : 1.829 m    "
                   "Transverse Dist : 0.914 m"),
              -1);
    const int cracking = FindPrefix(lines, "Lateral Deflection at Cracking   : 0.1270 m");
    EXPECT_NE(cracking, -1);
    const int tilt = FindPrefix(lines, "Tilt Angle at Cracking           :");
    ASSERT_NE(tilt, -1);
    EXPECT_NE(lines[tilt].find("Tilt Angle at Failure            :     -- rad"), std::string::npos)
        << lines[tilt];
    EXPECT_NE(FindPrefix(lines, "Factor of Safety Against Cracking:  9.990       Factor"), -1);
    EXPECT_FALSE(HoldsNonFinite(lines));
}

// Detensioning: past the first section of a stage whose bottom fibre is in tension, both lines
// of the stage print "  --   ".
TEST_F(LongHandlingTest, DetensioningLeavesOutSectionsPastTheFirstTensileOne) {
    auto doc = CheckedExample(1);
    doc->m_bCheckStripping = 0;
    doc->m_bCheckHandling = 0;
    ASSERT_GE(doc->m_nStrandGroupCount, 1);
    doc->m_nDetensionSections = 8;
    for (int i = 0; i < 8; ++i) {
        doc->m_adDetensionSection[i] = 1.0 + i;  // ft
        doc->m_aDetensionStress[kDetensionTop][0][i] = 0.1 * (i + 1);
        doc->m_aDetensionStress[kDetensionBottom][0][i] = 0.5;
    }
    // Tension at the bottom of the third, fifth and seventh sections.
    for (int i : {2, 4, 6}) doc->m_aDetensionStress[kDetensionBottom][0][i] = -0.25;
    doc->m_aDetensionStress[kDetensionBottom][0][3] = 0.0;  // 0 is not tension

    const std::vector<std::string> lines = Lines(*doc);
    const int heading = FindPrefix(lines, "          in   ft :");
    ASSERT_GT(heading, 0);
    EXPECT_EQ(lines[heading],
              "          in   ft :  1.00   2.00   3.00   4.00   5.00   6.00   7.00   8.00 ");
    const std::string top = lines[heading + 1];
    const std::string bottom = lines[heading + 2];
    const int g = doc->m_anDetensionOrder[0];
    const StrandGroup& G = doc->m_aStrandGroup[g - 1];
    EXPECT_EQ(top.substr(0, 19), Format("%3d  %1d E%6.3f   t:", g,
                                        static_cast<int>(G[kGroupStrands]), G[kGroupElevationEnd]));
    EXPECT_EQ(top.substr(19), " 0.100  0.200  0.300  0.400   --    0.600   --    0.800 ");
    EXPECT_EQ(bottom.substr(0, 19), Format("       M%6.3f   b:", G[kGroupElevationDrape]));
    EXPECT_EQ(bottom.substr(19), " 0.500  0.500 -0.250  0.000   --    0.500   --    0.500 ");
}

// A cutting order that names no group in use prints "--" for the group and reads no record
// beyond the groups in use (stages past the order's valid entries included).
TEST_F(LongHandlingTest, DetensioningOrderOutsideTheGroupsPrintsDashes) {
    auto doc = CheckedExample(1);
    doc->m_bCheckStripping = 0;
    doc->m_bCheckHandling = 0;
    const int groups = doc->m_nStrandGroupCount;
    ASSERT_GE(groups, 2);
    for (int bad : {0, -3, groups + 1, kMaxStrandGroups + 7}) {
        SCOPED_TRACE(testing::Message() << "order entry " << bad);
        doc->m_anDetensionOrder[1] = bad;
        const std::vector<std::string> lines = Lines(*doc);
        const int heading = FindPrefix(lines, "          in   ft :");
        ASSERT_GT(heading, 0);
        // Stage 1 (second pair of lines).
        EXPECT_EQ(lines[heading + 3].substr(0, 19), " --  - E    --   t:");
        EXPECT_EQ(lines[heading + 4].substr(0, 19), "       M    --   b:");
        // The other stages still print their groups.
        EXPECT_EQ(lines[heading + 1].substr(0, 3), Format("%3d", doc->m_anDetensionOrder[0]));
    }
}

// No strand groups: the title, the two heading lines and the page break only.
TEST_F(LongHandlingTest, DetensioningWithNoGroups) {
    auto doc = CheckedExample(1, kUnitsMetric);
    doc->m_bCheckStripping = 0;
    doc->m_bCheckHandling = 0;
    doc->m_nStrandGroupCount = 0;
    doc->m_nDetensionSections = 2;
    doc->m_adDetensionSection[0] = 10.0;    // ft x 0.3048 = 3.048 m -> "  3.05"
    doc->m_adDetensionSection[1] = 20.0;    // 6.096 m -> "  6.10"
    doc->m_dAllowReleaseTension = -0.2;     // ksi x 6.8948 = -1.379 MPa
    doc->m_dAllowReleaseCompression = 3.0;  // 20.684 MPa
    const std::vector<std::string> lines = Lines(*doc);
    EXPECT_EQ(lines, (std::vector<std::string>{
                         "DETENSIONING (MPa, Allowable: tens=-1.379, comp=20.684)",
                         "Grp Str  C.G.  Loc     Lt", "          mm    m :  3.05   6.10 ", " ",
                         kPageBreakLine, " "}));
}

}  // namespace
}  // namespace kordel::test

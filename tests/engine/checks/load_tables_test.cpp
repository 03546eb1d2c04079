// Load-table generation on example 1: the default tables against a golden file and against a
// separate design of two of their cells, the tables on one check only, the row filters and the
// spacing slots, the requests refused before anything is designed, and the design put back to the
// last byte.
#include "engine/checks/load_tables.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "document/design_file.h"
#include "report/format.h"
#include "tests/report/report_test_support.h"
#include "test_support.h"

namespace kordel::test {
namespace {

class LoadTablesTest : public EngineTest {
  protected:
    /// Example 1 as File/New Design makes it, analysed.
    std::unique_ptr<CKordelDoc> Example1() {
        auto doc = NewDoc();
        frame.m_nSeedChoice = SeedSimpleSpan;
        EXPECT_TRUE(doc->OnNewDocument());
        return doc;
    }
    /// The request of the default load-table settings.
    static LoadTableRequest DefaultRequest() { return LoadTableRequestOf(OptionsModel{}); }
    static std::vector<std::uint8_t> Bytes(const CKordelDoc& doc) {
        return design_file::WriteDesign(doc, kDesignFileVersion);
    }
};

/// The release strength the design in `d` needs, as the tool works it out.
double RequiredFci(const CKordelDoc& d) {
    const int station =
        d.m_nPatternType == kPatternStraight ? kStationLeftTransfer : kStationLeftDrape;
    return d.m_aServiceStress[station][kServiceRelease][kServiceBottom] /
           d.m_dReleaseCompressionCoef;
}

TEST_F(LoadTablesTest, DefaultTablesOfExample1MatchTheGoldenFileAndASeparateDesign) {
    auto doc = Example1();
    const LoadTableSet set = GenerateLoadTables(*doc, DefaultRequest());
    ASSERT_EQ(set.m_nTables, 2);
    std::vector<std::string> lines;
    for (int t = 1; t <= set.m_nTables; ++t) {
        const LoadTable& table = set.m_aTables[t];
        lines.push_back(Format("spacing %.2f ft, %d girders, slab %.2f in, UDLs %.4f, UDLf %.4f, "
                             "UDLb %.4f klf, %d rows",
                             table.m_dSpacing, table.m_nGirders, table.m_dSlab, table.m_dSlabLoad,
                             table.m_dWearingLoad, table.m_dBarrierLoad, table.m_nRows));
        for (int r = 1; r <= table.m_nRows; ++r) {
            lines.push_back(Format("  L %6.2f  n %3d  f'ci %.4f  camber %.3f  fb %.4f  ft %.4f  "
                                 "Mu %.1f  Mr %.1f  mode %d  a %d",
                                 table.m_adSpan[r], table.m_anStrands[r], table.m_adFci[r],
                                 table.m_adCamber[r], table.m_adFbMid[r], table.m_adFtMid[r],
                                 table.m_adMuMid[r], table.m_adMrMid[r], table.m_anMode[r],
                                 table.m_anOverReinforced[r]));
        }
    }
    ExpectMatchesGolden(lines, "default_load_table", "engine");

    // Two cells designed on their own, each on a fresh example 1: the same strands and f'ci.
    struct Cell {
        int table;
        int row;
    };
    for (const Cell c : {Cell{1, 1}, Cell{2, set.m_aTables[2].m_nRows}}) {
        const LoadTable& table = set.m_aTables[c.table];
        ASSERT_GE(c.row, 1);
        SCOPED_TRACE(Format("spacing %.2f span %.0f", table.m_dSpacing, table.m_adSpan[c.row]));
        auto one = Example1();
        SetLoadTableSpacing(*one, table.m_dSpacing, table.m_dSlab);
        SetLoadTableSpan(*one, table.m_adSpan[c.row]);
        ASSERT_EQ(one->DesignLoadTableStrands(kLoadTableBothChecks), 1);
        EXPECT_EQ(one->m_nStrandCount, table.m_anStrands[c.row]);
        EXPECT_DOUBLE_EQ(RequiredFci(*one), table.m_adFci[c.row]);
        EXPECT_DOUBLE_EQ(one->m_aMuFlexure[kStationMidspan][kStrengthIPositive],
                         table.m_adMuMid[c.row]);
    }
}

TEST_F(LoadTablesTest, ModesToCheckChooseTheChecksOfEveryRow) {
    // Spans 90, 106 and 122 ft at 7.5 and 10 ft: on both checks the strength sets the strands
    // at 90 ft and the bottom tension at 106 and 122 ft.
    auto doc = Example1();
    LoadTableRequest request = DefaultRequest();
    ASSERT_EQ(request.checks, kLoadTableBothChecks);  // the defaults: the golden table above
    request.spanMin = 90;
    request.spanMax = 122;
    request.spanInc = 16;
    request.fciMax = 99;  // every case kept as a row, to compare them span by span
    request.strandsMax = 999;
    const LoadTableSet both = GenerateLoadTables(*doc, request);
    ASSERT_EQ(both.m_nTables, 2);
    EXPECT_EQ(both.m_checks, kLoadTableBothChecks);
    const double allowFb = doc->m_dAllowFinalTensionAllLoads;      // ksi, negative: tension
    const double allowFt = doc->m_dAllowFinalCompressionAllLoads;  // ksi

    struct Case {
        const char* name;
        LoadTableChecks checks;
        int mode;  // kLoadTableMode...Governed of every row
    };
    for (const Case c : {Case{"stress only", {true, false}, kLoadTableModeStressGoverned},
                         Case{"strength only", {false, true}, kLoadTableModeStrengthGoverned}}) {
        SCOPED_TRACE(c.name);
        request.checks = c.checks;
        const LoadTableSet set = GenerateLoadTables(*doc, request);
        ASSERT_EQ(set.m_nTables, 2);
        EXPECT_EQ(set.m_checks, c.checks);
        int fewer = 0;       // rows with fewer strands than on both checks
        int otherFails = 0;  // rows that fail the check left out
        for (int t = 1; t <= 2; ++t) {
            const LoadTable& one = set.m_aTables[t];
            const LoadTable& full = both.m_aTables[t];
            ASSERT_EQ(one.m_nRows, full.m_nRows) << "spacing " << one.m_dSpacing;
            for (int r = 1; r <= one.m_nRows; ++r) {
                SCOPED_TRACE(
                    Format("spacing %.1f ft, span %.0f ft", one.m_dSpacing, one.m_adSpan[r]));
                ASSERT_EQ(one.m_adSpan[r], full.m_adSpan[r]);
                EXPECT_LE(one.m_anStrands[r], full.m_anStrands[r]);
                EXPECT_EQ(one.m_anMode[r], c.mode);
                const bool stress = one.m_adFbMid[r] >= allowFb && one.m_adFtMid[r] <= allowFt;
                const bool strength = one.m_adMrMid[r] >= one.m_adMuMid[r];
                EXPECT_TRUE(c.checks.stress ? stress : strength);
                fewer += one.m_anStrands[r] < full.m_anStrands[r];
                otherFails += !(c.checks.stress ? strength : stress);
            }
        }
        // The check left out did set strands somewhere, and those rows fail it.
        EXPECT_GT(fewer, 0);
        EXPECT_EQ(otherFails, fewer);
    }
}

TEST_F(LoadTablesTest, GenerationPutsTheWholeDesignBackAndAnalysesIt) {
    auto doc = Example1();
    const std::vector<std::uint8_t> before = Bytes(*doc);
    const int strands = doc->m_nStrandCount;
    const double fb = doc->m_aServiceStress[kStationMidspan][kServiceAllLoadsPositive][kServiceBottom];
    LoadTableRequest request = DefaultRequest();
    request.spanMin = 100;  // three spans a spacing
    request.spanMax = 108;
    const LoadTableSet set = GenerateLoadTables(*doc, request);
    ASSERT_EQ(set.m_nTables, 2);
    ASSERT_GT(set.m_aTables[1].m_nRows, 0);
    // The user's strand pattern and debonding, the span and the spacing are all back, and the
    // results are those of that design again.
    EXPECT_EQ(Bytes(*doc), before);
    EXPECT_EQ(doc->m_nStrandCount, strands);
    EXPECT_DOUBLE_EQ(
        doc->m_aServiceStress[kStationMidspan][kServiceAllLoadsPositive][kServiceBottom], fb);
}

TEST_F(LoadTablesTest, RowsWithinTheLimitsOnlyAndOneTablePerSpacingInUse) {
    auto doc = Example1();
    LoadTableRequest request = DefaultRequest();
    request.spacing[1] = 0;   // slot A unused
    request.spacing[2] = 10;  // slot B becomes table 1
    request.spanMin = 100;
    request.spanMax = 108;
    const LoadTableSet all = GenerateLoadTables(*doc, request);
    ASSERT_EQ(all.m_nTables, 1);
    const LoadTable& t = all.m_aTables[1];
    EXPECT_EQ(t.m_dSpacing, 10.0);
    EXPECT_EQ(t.m_nGirders, LoadTableGirderCount(doc->m_dBridgeWidth, 10.0));
    ASSERT_EQ(t.m_nRows, 3);
    EXPECT_EQ(t.m_adSpan[3], 108.0);

    // Limits on a row's own values keep it (bounds inclusive); just past them drops it.
    struct Case {
        const char* name;
        double fciMin, fciMax;
        int strandsMin, strandsMax;
        bool middleKept;
    };
    const double fci = t.m_adFci[2];
    const int n = t.m_anStrands[2];
    const Case cases[] = {
        {"f'ci limits on the middle row", fci, fci, 0, 999, true},
        {"strand limits on the middle row", 0, 99, n, n, true},
        {"f'ci limit just below it", 0, fci - 1e-9, 0, 999, false},
        {"strand limit just above it", 0, 99, n + 1, 999, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LoadTableRequest narrowed = request;
        narrowed.fciMin = c.fciMin;
        narrowed.fciMax = c.fciMax;
        narrowed.strandsMin = c.strandsMin;
        narrowed.strandsMax = c.strandsMax;
        int expected = 0;
        for (int r = 1; r <= 3; ++r) {
            expected += c.fciMin <= t.m_adFci[r] && t.m_adFci[r] <= c.fciMax &&
                        c.strandsMin <= t.m_anStrands[r] && t.m_anStrands[r] <= c.strandsMax;
        }
        const LoadTable& kept = GenerateLoadTables(*doc, narrowed).m_aTables[1];
        EXPECT_EQ(kept.m_nRows, expected);
        bool middle = false;
        for (int r = 1; r <= kept.m_nRows; ++r) middle = middle || kept.m_adSpan[r] == 104.0;
        EXPECT_EQ(middle, c.middleKept);
    }

    // A maximum below the minimum: a table per spacing, without rows.
    request.spacing[1] = 7.5;
    request.spanMax = 80;
    const LoadTableSet none = GenerateLoadTables(*doc, request);
    EXPECT_EQ(none.m_nTables, 2);
    EXPECT_EQ(none.m_aTables[1].m_nRows + none.m_aTables[2].m_nRows, 0);
}

TEST_F(LoadTablesTest, GirderCountAndOverhangAcrossTheBridgeWidth) {
    EXPECT_EQ(LoadTableGirderCount(40, 7.5), 5);
    EXPECT_DOUBLE_EQ(LoadTableOverhang(40, 7.5), 5.0);
    EXPECT_EQ(LoadTableGirderCount(40, 10), 4);
    EXPECT_DOUBLE_EQ(LoadTableOverhang(40, 10), 5.0);
}

TEST_F(LoadTablesTest, RequestsThatCannotBeGeneratedAreRefusedBeforeAnyDesign) {
    struct Case {
        const char* name;
        double spanMin, spanMax, spanInc;
        double releaseCoef;
        const char* message;  // nullptr: accepted
        LoadTableChecks checks = kLoadTableBothChecks;
    };
    const Case cases[] = {
        {"no increment", 90, 140, 0, 0.6, "The span increment must be greater than zero."},
        {"negative increment", 90, 140, -4, 0.6, "The span increment must be greater than zero."},
        {"no span", 0, 140, 4, 0.6, "The shortest span must be greater than zero."},
        {"101 spans", 1, 101, 1, 0.6,
         "The span range gives more than 100 spans; a load table holds at most 100 rows. Enter "
         "a larger increment or a shorter range."},
        {"100 spans", 1, 100, 1, 0.6, nullptr},
        {"no release coefficient", 90, 140, 4, 0,
         "The release compression coefficient of the stress limits must be greater than zero "
         "to find the required f'ci."},
        {"neither mode to check",
         90,
         140,
         4,
         0.6,
         "Tick Stress, Strength or both under Modes to Chk before generating.",
         {false, false}},
        {"strength only", 90, 140, 4, 0.6, nullptr, {false, true}},
    };
    auto doc = Example1();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        doc->m_dReleaseCompressionCoef = c.releaseCoef;
        LoadTableRequest request = DefaultRequest();
        request.spanMin = c.spanMin;
        request.spanMax = c.spanMax;
        request.spanInc = c.spanInc;
        request.checks = c.checks;
        EXPECT_EQ(LoadTableRequestError(*doc, request), c.message ? c.message : "");
        if (!c.message) continue;
        const std::vector<std::uint8_t> before = Bytes(*doc);
        EXPECT_EQ(GenerateLoadTables(*doc, request).m_nTables, 0);
        EXPECT_EQ(Bytes(*doc), before);
    }
}

}  // namespace
}  // namespace kordel::test

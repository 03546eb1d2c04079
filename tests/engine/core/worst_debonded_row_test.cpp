// The worst debonded row of a pattern: the row with the most end-debonded strands and their share
// of all the row's strands, straight and draped, with group elevations matched within a small
// tolerance so that a metric design's elevations (back from metres) still find their row.
#include <gtest/gtest.h>

#include "engine/core/strand_groups.h"
#include "test_support.h"

namespace kordel::test {
namespace {

StrandGroup Group(double strands, double elevation, double end, double mid = 0.0) {
    StrandGroup g;
    g[kGroupStrands] = strands;
    g[kGroupElevationEnd] = elevation;
    g[kGroupElevationDrape] = elevation;
    g[kGroupDebondEnd] = end;
    g[kGroupDebondMid] = mid;
    return g;
}

StrandPatternRow Row(double elevation, double straight, double draped = 0.0) {
    StrandPatternRow r;
    r[kRowStraightElevation] = elevation;
    r[kRowStraightCount] = straight;
    r[kRowDrapedElevation] = elevation;
    r[kRowDrapedCount] = draped;
    return r;
}

TEST(WorstDebondedRowTest, SharesOfRows) {
    constexpr double kMetre = 0.0254;  // m per in
    struct Case {
        const char* what;
        std::vector<StrandGroup> groups;
        std::vector<StrandPatternRow> rows;
        double strands, percent;
    };
    const Case cases[] = {
        {"4 of a row of 10 straight strands: 40 %",
         {Group(2, 2, 5), Group(2, 2, 5), Group(2, 2, 0)}, {Row(2, 10), Row(4, 8)}, 4, 40},
        {"a row of 6 straight and 4 draped strands: 6 debonded are 60 % (not 100 % of 6)",
         {Group(2, 4, 3), Group(2, 4, 3), Group(2, 4, 3), Group(2, 2, 0)},
         {Row(2, 10), Row(4, 6, 4)}, 6, 60},
        {"a row of draped strands only: 2 of 4 are 50 % (no division by 0)",
         {Group(2, 6, 3), Group(2, 6, 0)}, {Row(2, 10), Row(6, 0, 4)}, 2, 50},
        {"equal rows: the first in pattern order counts", {Group(2, 2, 5), Group(2, 4, 5)},
         {Row(2, 10), Row(4, 4)}, 2, 20},
        {"Mid debonding alone does not count", {Group(2, 2, 0, 10)}, {Row(2, 10)}, 0, 0},
        {"a row of no strands at all gives 0 %", {Group(2, 2, 5)}, {Row(2, 0)}, 2, 0},
        {"metric elevations back from metres find their row",
         {Group(2, 1.9 * kMetre / kMetre * (1.0 + 1e-15), 5), Group(2, 3.7 * kMetre / kMetre, 5)},
         {Row(1.9, 4), Row(3.7, 10)}, 2, 50},
    };
    for (const Case& c : cases) {
        const DebondedRow worst =
            WorstDebondedRow(c.groups.data(), static_cast<int>(c.groups.size()), c.rows.data(),
                             static_cast<int>(c.rows.size()));
        EXPECT_DOUBLE_EQ(worst.strands, c.strands) << c.what;
        EXPECT_DOUBLE_EQ(worst.percent, c.percent) << c.what;
    }
}

class StrandSummaryRowTest : public EngineTest {};

TEST_F(StrandSummaryRowTest, SummaryOfADrapedPatternCountsTheRowsDrapedStrands) {
    frame.m_nSeedChoice = SeedSimpleSpan;
    auto doc = NewDoc();
    ASSERT_TRUE(doc->OnNewDocument());
    // Row 1 of 6 straight and 4 draped strands, all 10 debonded 3 ft at the ends: 100 %, not
    // 10 / 6 = 167 %.
    doc->m_nTemplateRowCount = 2;
    doc->m_aEndRows[0] = Row(2, 10);
    doc->m_aEndRows[1] = Row(4, 6, 4);
    doc->m_nStrandGroupCount = 6;
    doc->m_aStrandGroup[0] = Group(2, 2, 0);
    for (int g = 1; g < 6; ++g) doc->m_aStrandGroup[g] = Group(2, 4, 3);
    doc->m_anDebondFlags[kDebondFlagEnd] = 1;
    doc->SummarizeStrandPattern();
    EXPECT_FLOAT_EQ(doc->m_afDebondSummary[kRowDebondedStrands], 10.0f);
    EXPECT_FLOAT_EQ(doc->m_afDebondSummary[kRowDebondedPercent], 100.0f);

    // A row of draped strands only, its elevation a last digit off after a metric round trip.
    doc->m_aEndRows[1] = Row(4, 0, 4);
    doc->m_nStrandGroupCount = 3;
    doc->m_aStrandGroup[1] = Group(2, 4.0 * (1.0 + 2e-16) + 1e-15, 3);
    doc->m_aStrandGroup[2] = Group(2, 4, 0);
    doc->SummarizeStrandPattern();
    EXPECT_FLOAT_EQ(doc->m_afDebondSummary[kRowDebondedStrands], 2.0f);
    EXPECT_FLOAT_EQ(doc->m_afDebondSummary[kRowDebondedPercent], 50.0f);
}

}  // namespace
}  // namespace kordel::test

// Strand groups built from straight, draped and empty patterns; the template locations they take;
// the limit of the group table; and the document's rebuild.
#include "engine/core/strand_groups.h"

#include "test_support.h"

namespace kordel::test {
namespace {

/// Expected values of one group: strands, end and drape-point elevation (in), pull fraction,
/// location (in). Debond lengths are always 0 from the builder.
struct G {
    double n, yEnd, yDrape, pull, location;
};

constexpr double kPull = 0.75;
constexpr double kTopPull = 0.20;

class StrandGroupsTest : public EngineTest {
  protected:
    /// The template of a 72 in bulb-tee, rows 2 in apart from 2 in up (layout 1, six columns):
    /// rows 0 and 1 locations 1, 3, 5, 7, 9, 11; row 2: 1, 3, 5, 7; row 3: 1, 3; rows 4 on: 1;
    /// two draped positions per row. Pull fractions 0.75, top 0.20.
    static void SetTemplate(StrandGroups& b, int rows) {
        b.m_nRowCount = rows;
        b.m_nColumnCount = 6;
        b.m_nTemplateLayout = kTemplateFromCentreline;
        b.m_dPullFraction = kPull;
        b.m_dTopPullFraction = kTopPull;
        for (int r = 0; r < rows; ++r) {
            double* row = b.m_adTemplate[r];
            row[kTemplateElevation] = 2.0 * (r + 1);
            row[kTemplateDrapedPositions] = 2;
            const int locations = r <= 1 ? 6 : r == 2 ? 4 : r == 3 ? 2 : 1;
            row[kTemplatePositions] = 2 * locations;
            for (int c = 0; c < locations; ++c) row[kTemplateFirstLocation + c] = 1.0 + 2.0 * c;
            b.m_aEndRows[r][kRowStraightElevation] = row[kTemplateElevation];
            b.m_aEndRows[r][kRowDrapedElevation] = row[kTemplateElevation];
            b.m_aDrapeRows[r][kRowStraightElevation] = row[kTemplateElevation];
            b.m_aDrapeRows[r][kRowDrapedElevation] = row[kTemplateElevation];
        }
    }

    static void ExpectGroups(const StrandGroups& b, const std::vector<G>& expected) {
        ASSERT_EQ(b.m_nGroupCount, static_cast<int>(expected.size()));
        for (int g = 0; g < b.m_nGroupCount; ++g) {
            SCOPED_TRACE(::testing::Message() << "group " << g);
            const StrandGroup& a = b.m_aGroups[g];
            EXPECT_EQ(a[kGroupStrands], expected[g].n);
            EXPECT_EQ(a[kGroupElevationEnd], expected[g].yEnd);
            EXPECT_EQ(a[kGroupElevationDrape], expected[g].yDrape);
            EXPECT_EQ(a[kGroupDebondEnd], 0.0);
            EXPECT_EQ(a[kGroupDebondMid], 0.0);
            EXPECT_EQ(a[kGroupPullFraction], expected[g].pull);
            EXPECT_EQ(a[kGroupLocation], expected[g].location);
        }
    }
};

TEST_F(StrandGroupsTest, OneStraightRow) {
    // Five straight strands in row 0 (2 in): group 0 takes a pair at the row's last location
    // (11 in); the straight pass takes a pair at the first free location (1 in) and the last
    // strand alone on the centreline. The only straight row is the top row: top pull fraction.
    auto b = std::make_unique<StrandGroups>();
    SetTemplate(*b, 10);
    b->m_nPatternType = kPatternStraight;
    b->m_aEndRows[0][kRowStraightCount] = 5;
    b->Build();
    ExpectGroups(*b, {{2, 2, 2, kPull, 11}, {2, 2, 2, kTopPull, 1}, {1, 2, 2, kTopPull, 0}});
    EXPECT_EQ(b->m_nTopPullStrandCount, 3);
    EXPECT_EQ(b->m_bHasDraped, 0);

    b->m_dTopPullFraction = kPull;  // equal fractions: no top-pull strands
    b->Build();
    EXPECT_EQ(b->m_nTopPullStrandCount, 0);
    EXPECT_EQ(b->m_aGroups[1][kGroupPullFraction], kPull);
}

TEST_F(StrandGroupsTest, DrapedPattern) {
    // End pattern: straight 4 in row 0 and 2 in row 1; draped 2 in row 8 (18 in) and 3 in row 9
    // (20 in). Drape-point pattern: draped 2 in row 2 (6 in) and 2 in row 3 (8 in), one strand
    // fewer than at the end.
    auto b = std::make_unique<StrandGroups>();
    SetTemplate(*b, 10);
    b->m_nPatternType = kPatternDraped;
    b->m_aEndRows[0][kRowStraightCount] = 4;
    b->m_aEndRows[1][kRowStraightCount] = 2;
    b->m_aEndRows[8][kRowDrapedCount] = 2;
    b->m_aEndRows[9][kRowDrapedCount] = 3;
    b->m_aDrapeRows[2][kRowDrapedCount] = 2;
    b->m_aDrapeRows[3][kRowDrapedCount] = 2;
    b->Build();
    ExpectGroups(
        *b,
        {
            // Group 0: the lowest straight pair, at row 0's last location.
            {2, 2, 2, kPull, 11},
            // Draped, top row first. Row 9's pair takes the highest drape-point row (8 in) and row
            // 9's location; its odd strand the next (6 in) on the centreline.
            {2, 20, 8, kPull, 1},
            {1, 20, 6, kPull, 0},
            // Row 8: the drape-point strands have run out, drape-point elevation 0.
            {2, 18, 0, kPull, 1},
            // Straight, top row first, after the draped positions (the first location of every
            // row) are reserved: row 1 pulled at the top fraction, at its second location.
            {2, 4, 4, kTopPull, 3},
            {2, 2, 2, kPull, 3},
        });
    EXPECT_EQ(b->m_bHasDraped, 1);
    EXPECT_EQ(b->m_nTopPullStrandCount, 2);
}

TEST_F(StrandGroupsTest, PatternsWithoutStrandsOfAKind) {
    struct Case {
        const char* name;
        int type;
        double straight0, draped5, drapePoint4;  // counts: end row 0, end row 5, drape row 4
        std::vector<G> groups;
        int hasDraped;
    };
    const Case cases[] = {
        // No strands at all: group 0 is counted, empty.
        {"no strands", kPatternDraped, 0, 0, 0, {{0, 0, 0, 0, 0}}, 0},
        // A draped pattern type with only straight strands builds no draped group.
        {"straight strands, draped type", kPatternDraped, 2, 0, 0, {{2, 2, 2, kPull, 11}}, 0},
        // Only draped strands: group 0 comes from the lowest draped row (row 5, 12 in) and the
        // lowest drape-point row (row 4, 10 in); the draped pass takes the rest.
        {"draped strands only",
         kPatternDraped,
         0,
         4,
         4,
         {{2, 12, 10, kPull, 11}, {2, 12, 10, kPull, 1}},
         1},
        // A straight pattern type ignores draped counts, except for group 0 when there is
        // nothing straight.
        {"draped counts, straight type", kPatternStraight, 0, 4, 4, {{2, 12, 10, kPull, 11}}, 0},
        // Counts are used as their whole part: 2.9 straight strands are 2.
        {"fractional count", kPatternStraight, 2.9, 0, 0, {{2, 2, 2, kPull, 11}}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto b = std::make_unique<StrandGroups>();
        SetTemplate(*b, 10);
        b->m_nPatternType = c.type;
        b->m_aEndRows[0][kRowStraightCount] = c.straight0;
        b->m_aEndRows[5][kRowDrapedCount] = c.draped5;
        b->m_aDrapeRows[4][kRowDrapedCount] = c.drapePoint4;
        b->Build();
        ExpectGroups(*b, c.groups);
        EXPECT_EQ(b->m_bHasDraped, c.hasDraped);
        EXPECT_EQ(b->m_bGroupLimitReached, 0);
    }
}

TEST_F(StrandGroupsTest, GroupTableLimit) {
    // 50 rows of 10 straight strands: 500 strands need 250 pairs. The builder stops at 200
    // groups (400 strands) and counts the 100 it could not place.
    auto b = std::make_unique<StrandGroups>();
    SetTemplate(*b, kMaxPatternRows);
    b->m_nPatternType = kPatternStraight;
    for (int r = 0; r < kMaxPatternRows; ++r) b->m_aEndRows[r][kRowStraightCount] = 10;
    b->Build();
    EXPECT_EQ(b->m_nGroupCount, kMaxStrandGroups);
    EXPECT_EQ(b->m_bGroupLimitReached, 1);
    EXPECT_EQ(b->m_nStrandsLeftOut, 100);
    int placed = 0;
    for (const StrandGroup& g : b->m_aGroups) placed += static_cast<int>(g[kGroupStrands]);
    EXPECT_EQ(placed, 400);

    // Absurd counts and column numbers stay inside the tables.
    b->m_aEndRows[0][kRowStraightCount] = 1e12;
    b->m_nColumnCount = 1000;
    b->m_nRowCount = 1000;
    b->Build();
    EXPECT_EQ(b->m_nGroupCount, kMaxStrandGroups);
    EXPECT_EQ(b->m_bGroupLimitReached, 1);
}

TEST_F(StrandGroupsTest, LocationPickers) {
    auto b = std::make_unique<StrandGroups>();
    SetTemplate(*b, 4);
    std::copy(&b->m_adTemplate[0][0], &b->m_adTemplate[0][0] + kMaxPatternRows * kMaxPatternColumns,
              &b->m_adTemplateWork[0][0]);
    // Row 0: 1, 3, 5, 7, 9, 11.
    EXPECT_EQ(b->TakeNextLocation(0, 1, 1.0), 0.0) << "a single strand stands on the centreline";
    EXPECT_EQ(b->TakeNextLocation(0, 1, 2.0), 1.0);
    EXPECT_EQ(b->TakeNextLocation(0, 1, 2.0), 3.0);
    EXPECT_EQ(b->TakeLastLocation(1, 1), 11.0);
    EXPECT_EQ(b->TakeLastLocation(1, 1), 9.0);
    // Row 3: 1, 3; once both are taken, 0.
    EXPECT_EQ(b->TakeNextLocation(3, 1, 2.0), 1.0);
    EXPECT_EQ(b->TakeNextLocation(3, 1, 2.0), 3.0);
    EXPECT_EQ(b->TakeNextLocation(3, 1, 2.0), 0.0);
    // Reserving the draped positions (2 per row: one location) takes the first location.
    b->ClearDrapedLocations();
    EXPECT_EQ(b->m_adTemplateWork[2][kTemplateFirstLocation], 0.0);
    EXPECT_EQ(b->m_adTemplateWork[2][kTemplateFirstLocation + 1], 3.0);
    // Three draped positions round up to two locations: 3 / 2 + 0.5 = 2.
    b->m_adTemplateWork[2][kTemplateDrapedPositions] = 3;
    b->m_adTemplateWork[2][kTemplateFirstLocation] = 1;
    b->ClearDrapedLocations();
    EXPECT_EQ(b->m_adTemplateWork[2][kTemplateFirstLocation + 1], 0.0);
    EXPECT_EQ(b->m_adTemplateWork[2][kTemplateFirstLocation + 2], 5.0);
}

TEST_F(StrandGroupsTest, DocumentRebuild) {
    auto doc = NewDoc();
    doc->m_nTemplateRowCount = 10;
    doc->m_nTemplateColumnCount = 6;
    doc->m_nTemplateLayout = kTemplateFromCentreline;
    doc->m_dPullFraction = kPull;
    doc->m_dTopPullFraction = kTopPull;
    doc->m_nPatternType = kPatternDraped;
    for (int r = 0; r < 10; ++r) {
        doc->m_adStrandTemplate[r][kTemplateElevation] = 2.0 * (r + 1);
        doc->m_adStrandTemplate[r][kTemplateDrapedPositions] = 2;
        doc->m_adStrandTemplate[r][kTemplateFirstLocation] = 1;
        doc->m_aEndRows[r][kRowStraightElevation] = 2.0 * (r + 1);
        doc->m_aEndRows[r][kRowDrapedElevation] = 2.0 * (r + 1);
        doc->m_aDrapeRows[r][kRowStraightElevation] = 2.0 * (r + 1);
        doc->m_aDrapeRows[r][kRowDrapedElevation] = 2.0 * (r + 1);
    }
    doc->m_aEndRows[0][kRowStraightCount] = 3;
    doc->m_aEndRows[9][kRowDrapedCount] = 2;
    doc->m_aDrapeRows[1][kRowDrapedCount] = 2;
    // Groups left from an earlier pattern, one debonded: every value is rebuilt.
    doc->m_nStrandGroupCount = 7;
    for (auto& g : doc->m_aStrandGroup) g[kGroupDebondEnd] = 5.0;

    doc->RebuildStrandGroups();
    ASSERT_EQ(doc->m_nStrandGroupCount, 3);
    // Group 0: pair from row 0 (2 in) at location 1; draped pair from row 9 (20 in) to row 1's
    // drape-point elevation (4 in), its row's location 1; row 0's last strand, alone, top row.
    EXPECT_EQ(doc->m_aStrandGroup[1][kGroupElevationEnd], 20.0);
    EXPECT_EQ(doc->m_aStrandGroup[1][kGroupElevationDrape], 4.0);
    EXPECT_EQ(doc->m_aStrandGroup[2][kGroupStrands], 1.0);
    EXPECT_EQ(doc->m_aStrandGroup[2][kGroupPullFraction], kTopPull);
    for (const StrandGroup& g : doc->m_aStrandGroup) EXPECT_EQ(g[kGroupDebondEnd], 0.0);
    EXPECT_EQ(doc->m_nDrapedStrandRows, 1);
    EXPECT_EQ(doc->m_nTopPullStrandCount, 1);
    EXPECT_EQ(doc->m_bStrandGroupsTruncated, 0);
    EXPECT_EQ(host.Messages().size(), 0u);
}

TEST_F(StrandGroupsTest, DocumentRebuildFlagsAPatternBeyondTheGroupTable) {
    auto doc = NewDoc();
    doc->m_nTemplateRowCount = kMaxPatternRows;
    doc->m_nPatternType = kPatternStraight;
    for (int r = 0; r < kMaxPatternRows; ++r) doc->m_aEndRows[r][kRowStraightCount] = 10;
    doc->RebuildStrandGroups();
    EXPECT_EQ(doc->m_nStrandGroupCount, kMaxStrandGroups);
    EXPECT_EQ(doc->m_bStrandGroupsTruncated, 1);
    EXPECT_EQ(doc->m_nStrandsLeftOut, 100);
    ASSERT_EQ(host.Messages().size(), 1u);
    EXPECT_EQ(host.Messages()[0].text,
              "The strand pattern needs more than 200 strand groups. Only the first 200 groups "
              "are analysed: 100 strands of the pattern are left out.");

    // A pattern that fits again clears the flag.
    for (int r = 1; r < kMaxPatternRows; ++r) doc->m_aEndRows[r][kRowStraightCount] = 0;
    doc->RebuildStrandGroups();
    EXPECT_EQ(doc->m_bStrandGroupsTruncated, 0);
    EXPECT_EQ(doc->m_nStrandGroupCount, 5);  // 10 strands: group 0 and four more pairs
}

}  // namespace
}  // namespace kordel::test

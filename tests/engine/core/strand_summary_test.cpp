// End-zone splitting steel and the strand summary: example design 1 (draped, drape fraction
// 0.45) for the splitting steel, hold-down and girder totals; example design 2 (straight, end
// debonding) for the strand length and debonding; a two-group pattern for the sloped strand
// length.
//
// Example 1: anchored force 1115.37 kip at the transfer point and at midspan; h = 72 in,
// I-girder; strand centroid 424 / 36 = 11.7778 in at the end and 152 / 36 = 4.2222 in at midspan;
// L = 105 ft, G = 106 ft, e = 0.5 ft, drape point at 47.25 ft; A = 767 in2; 36 strands.
#include <cmath>

#include "test_support.h"

namespace kordel::test {
namespace {

constexpr double kTol = 1e-4;

class StrandSummaryTest : public EngineTest {
  protected:
    void Open(int seed) {
        frame.m_nSeedChoice = seed;
        doc = NewDoc();
        ASSERT_TRUE(doc->OnNewDocument());
        host.ClearMessages();
    }

    std::unique_ptr<CKordelDoc> doc;
};

TEST_F(StrandSummaryTest, Example1SplittingSteel) {
    Open(SeedSimpleSpan);
    ASSERT_NEAR(doc->m_adJackingForceAtStation[kStationLeftTransfer], 1115.37, 1e-3);
    ASSERT_EQ(doc->m_dSplittingSteelStress, 20.0);
    EXPECT_NEAR(doc->m_adAnchorZone[kAnchorSplittingForce], 44.6148, 1e-3);  // 0.04 x 1115.37
    EXPECT_NEAR(doc->m_adAnchorZone[kAnchorSteelArea], 2.23074, 1e-4);       // 44.6148 / 20
    EXPECT_NEAR(doc->m_adAnchorZone[kAnchorZoneLength], 18.0, kTol);         // h / 4 = 72 / 4

    // Standard Specifications with the centroid at 0.1 h: d = 64.8 in, zone 16.2 in = 0.225 h.
    doc->m_nSpecification = kSpecStandard;
    doc->m_dStrandCgEnd = 7.2;
    doc->ComputeSplittingSteel();
    EXPECT_NEAR(doc->m_adAnchorZone[kAnchorZoneLength], 16.2, kTol);

    // No steel stress: a message and no area, never a division by zero.
    doc->m_dSplittingSteelStress = 0.0;
    doc->ComputeSplittingSteel();
    EXPECT_EQ(doc->m_adAnchorZone[kAnchorSteelArea], 0.0);
    EXPECT_EQ(host.Messages().size(), 1u);
}

TEST_F(StrandSummaryTest, Example1HoldDownAndTotals) {
    Open(SeedSimpleSpan);
    ASSERT_EQ(doc->m_nPatternType, kPatternDraped);
    ASSERT_EQ(doc->m_dDrapeFraction, 0.45);
    EXPECT_EQ(doc->m_nStrandCount, 36);
    // Angle: rise 7.5556 in over (0.45 x 105 + 0.5) x 12 = 573 in: atan(0.0131860) = 0.755456
    // degrees; the force 1115.37 x sin(0.755456 degrees) = 14.70595 kip at each point.
    EXPECT_NEAR(doc->m_dStrandDrapeAngle, 0.755456, 1e-5);
    EXPECT_NEAR(doc->m_adHoldDownSummary[kHoldDownForce], 14.70595, 1e-3);
    EXPECT_NEAR(doc->m_adHoldDownSummary[kHoldDownFirstPoint], 47.75, kTol);   // 47.25 + 0.5
    EXPECT_NEAR(doc->m_adHoldDownSummary[kHoldDownSecondPoint], 58.25, kTol);  // 106 - 47.75
    // Elastic shortening P G 12 / (A Eci) with Eci of the design.
    EXPECT_NEAR(doc->m_adHoldDownSummary[kElasticShortening],
                1115.37 * 106.0 * 12.0 / (767.0 * doc->m_dBeamEci), 1e-4);
    // Volume 106 x 767 / 144 / 27 = 20.91101 yd3; weight 0.798958 klf x 106 / 1.0 = 84.68955 kip.
    EXPECT_NEAR(doc->m_adGirderTotals[kTotalConcreteVolume], 20.91101, 1e-4);
    EXPECT_NEAR(doc->m_adGirderTotals[kTotalGirderWeight], 84.68955, 1e-3);

    // A self-weight multiplier of 1.1 is taken out again: the weight stays that of the girder.
    doc->m_dBeamWeight *= 1.1;
    doc->m_dSelfWeightMultiplier = 1.1;
    doc->SummarizeStrandPattern();
    EXPECT_NEAR(doc->m_adGirderTotals[kTotalGirderWeight], 84.68955, 1e-3);

    // No multiplier: a message and no weight, never a division by zero.
    doc->m_dSelfWeightMultiplier = 0.0;
    doc->SummarizeStrandPattern();
    EXPECT_EQ(doc->m_adGirderTotals[kTotalGirderWeight], 0.0);
    EXPECT_EQ(host.Messages().size(), 1u);
}

TEST_F(StrandSummaryTest, DrapeAtMidspanDoublesTheHoldDown) {
    Open(SeedSimpleSpan);
    doc->m_dDrapeFraction = 0.5;
    doc->m_adStationX[kStationLeftDrape] = 52.5;
    doc->m_adHoldDownSummary[kHoldDownSecondPoint] = -1.0;  // must stay as it was
    doc->SummarizeStrandPattern();
    // Run (0.5 x 105 + 0.5) x 12 = 636 in: angle 0.680631 degrees, 2 x 1115.37 x sin = 26.49888.
    EXPECT_NEAR(doc->m_dStrandDrapeAngle, 0.680631, 1e-5);
    EXPECT_NEAR(doc->m_adHoldDownSummary[kHoldDownForce], 26.49888, 1e-3);
    EXPECT_NEAR(doc->m_adHoldDownSummary[kHoldDownFirstPoint], 53.0, kTol);
    EXPECT_EQ(doc->m_adHoldDownSummary[kHoldDownSecondPoint], -1.0);
}

TEST_F(StrandSummaryTest, SlopedStrandLength) {
    Open(SeedSimpleSpan);
    // Two strands straight at 2 in and two draped from 30 in to 6 in over the 47.75 ft from the
    // end to the drape point (573 in): alpha = atan(24 / 573); each draped strand is
    // 2 x 47.75 / cos(alpha) + 106 - 95.5 = 95.58372 + 10.5 = 106.08372 ft.
    // Total 2 x 106 + 2 x 106.08372 = 424.16747 ft.
    doc->m_nStrandGroupCount = 2;
    doc->m_aStrandGroup[0] = {};
    doc->m_aStrandGroup[0][kGroupStrands] = 2;
    doc->m_aStrandGroup[0][kGroupElevationEnd] = 2.0;
    doc->m_aStrandGroup[0][kGroupElevationDrape] = 2.0;
    doc->m_aStrandGroup[1] = {};
    doc->m_aStrandGroup[1][kGroupStrands] = 2;
    doc->m_aStrandGroup[1][kGroupElevationEnd] = 30.0;
    doc->m_aStrandGroup[1][kGroupElevationDrape] = 6.0;
    doc->SummarizeStrandPattern();
    EXPECT_EQ(doc->m_nStrandCount, 4);
    EXPECT_NEAR(doc->m_adGirderTotals[kTotalStrandLength], 424.16747, 1e-4);
}

TEST_F(StrandSummaryTest, Example2StraightDebondedPattern) {
    Open(SeedAdjacentBox);
    ASSERT_EQ(doc->m_nPatternType, kPatternStraight);
    ASSERT_NE(doc->m_anDebondFlags[kDebondFlagEnd], 0);
    // 31 straight strands over the 96 ft girder: 2976 ft.
    EXPECT_EQ(doc->m_nStrandCount, 31);
    EXPECT_NEAR(doc->m_adGirderTotals[kTotalStrandLength], 31 * 96.0, kTol);
    // 7 strands debonded 5 ft at each end: 7 / 31 = 22.58 percent; all in the bottom row of 23:
    // 30.43 percent; debonded length 2 x 7 x 5 = 70 ft.
    EXPECT_NEAR(doc->m_adDebondSummary[kDebondedStrands], 7.0, kTol);
    EXPECT_NEAR(doc->m_adDebondSummary[kDebondedPercent], 700.0 / 31.0, kTol);
    EXPECT_NEAR(doc->m_afDebondSummary[kRowDebondedStrands], 7.0f, 1e-5f);
    EXPECT_NEAR(doc->m_afDebondSummary[kRowDebondedPercent], 700.0f / 23.0f, 1e-4f);
    EXPECT_NEAR(doc->m_dDebondedStrandLength, 70.0, kTol);
    // Straight pattern: the hold-down values are not touched; no drape angle is recomputed.
    EXPECT_EQ(doc->m_adHoldDownSummary[kHoldDownForce], 0.0);

    // Four of the ten strands of a row debonded: 4 and 40 percent.
    const int r = 0;
    const double y = doc->m_aEndRows[r][kRowStraightElevation];
    doc->m_aEndRows[r][kRowStraightCount] = 10;
    doc->m_nStrandGroupCount = 2;
    doc->m_aStrandGroup[0] = {};
    doc->m_aStrandGroup[0][kGroupStrands] = 2;
    doc->m_aStrandGroup[0][kGroupElevationEnd] = y;
    doc->m_aStrandGroup[0][kGroupElevationDrape] = y;
    doc->m_aStrandGroup[0][kGroupDebondEnd] = 4.0;
    doc->m_aStrandGroup[1] = doc->m_aStrandGroup[0];
    doc->m_aStrandGroup[1][kGroupDebondMid] = 1.5;
    doc->SummarizeStrandPattern();
    EXPECT_NEAR(doc->m_afDebondSummary[kRowDebondedStrands], 4.0f, 1e-5f);
    EXPECT_NEAR(doc->m_afDebondSummary[kRowDebondedPercent], 40.0f, 1e-4f);
    EXPECT_NEAR(doc->m_adDebondSummary[kDebondedPercent], 100.0, kTol);  // 4 of 4 strands
    // 2 x 2 x 4 + 2 x 2 x (4 + 1.5) = 16 + 22 = 38 ft
    EXPECT_NEAR(doc->m_dDebondedStrandLength, 38.0, kTol);
}

TEST_F(StrandSummaryTest, NoStrandsGivesNoPercentages) {
    Open(SeedAdjacentBox);
    doc->m_nStrandGroupCount = 0;
    doc->SummarizeStrandPattern();
    EXPECT_EQ(doc->m_nStrandCount, 0);
    EXPECT_EQ(doc->m_adDebondSummary[kDebondedStrands], 0.0);
    EXPECT_EQ(doc->m_adDebondSummary[kDebondedPercent], 0.0);
    EXPECT_EQ(doc->m_afDebondSummary[kRowDebondedPercent], 0.0f);
    EXPECT_EQ(doc->m_adGirderTotals[kTotalStrandLength], 0.0);
}

}  // namespace
}  // namespace kordel::test

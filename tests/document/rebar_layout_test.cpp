// Longitudinal bars expanded from their layout rows, and the stirrup-zone arithmetic: bar areas
// by size, area per length, zone ends, and the mirrored half of a symmetric pattern.
#include "document/rebar_layout.h"

#include <gtest/gtest.h>

#include <vector>

#include "document/model_prestress.h"

namespace kordel::test {
namespace {

using Rows = double[kMaxLongitRebarRows][kRebarRowValueCount];

std::vector<double> Offsets(const RebarBar* bars, int count) {
    std::vector<double> z;
    for (int i = 0; i < count; ++i) z.push_back(bars[i].m_adStart[kBarZ]);
    return z;
}

TEST(RebarRowExpansion, OddRowsStartOnTheCentrelineEvenRowsAnInchEitherSide) {
    struct Case {
        double quantity;
        std::vector<double> z;  ///< in, with the 2-in pitch
    };
    const Case cases[] = {
        {1, {0}},       {2, {1, -1}}, {3, {0, 2, -2}}, {4, {1, -1, 3, -3}}, {5, {0, 2, -2, 4, -4}},
        {2.7, {1, -1}},  // the whole part counts
        {0.5, {}},       // above 0, but no whole bar
        {0, {}},        {-3, {}},
    };
    for (const Case& c : cases) {
        Rows rows = {{c.quantity, 5, 4.5, 0.5, 105.5, 0}};
        RebarBar bars[kMaxRebarBars];
        const int n = ExpandRebarRows(rows, 1, 1.0, 2.0, 0.0, bars);
        EXPECT_EQ(Offsets(bars, n), c.z) << "quantity " << c.quantity;
        for (int i = 0; i < n; ++i) {
            const RebarBar& bar = bars[i];
            EXPECT_EQ(bar.m_nBarSize, 5);
            EXPECT_EQ(bar.m_adStart[kBarX], 0.5);
            EXPECT_EQ(bar.m_adEnd[kBarX], 105.5);
            EXPECT_EQ(bar.m_adStart[kBarY], 4.5);
            EXPECT_EQ(bar.m_adEnd[kBarY], 4.5);
            EXPECT_EQ(bar.m_adEnd[kBarZ], bar.m_adStart[kBarZ]);
            EXPECT_EQ(bar.m_strTag1 + bar.m_strTag2 + bar.m_strTag3 + bar.m_strTag4, "SSBX");
        }
    }
}

TEST(RebarRowExpansion, MetricRowsTakeTheirPitchInMetresAndDeckRowsAreRaised) {
    // 4 bars and 3 bars at 0.0254 m to the inch; a deck row 2 in above the haunch of a 72-in
    // girder with a 1-in haunch lies 75 in up, in metres here.
    Rows rows = {{4, 4, 2 * 0.0254, 0, 10}, {3, 6, 0.1, 1, 9}};
    RebarBar bars[kMaxRebarBars];
    const double raise = 0.0254 * (72 + 1);
    const int n = ExpandRebarRows(rows, 2, 0.0254, 2.0, raise, bars);
    ASSERT_EQ(n, 7) << "the bars of row 2 follow those of row 1";
    const std::vector<double> z = Offsets(bars, n);
    const double expected[] = {0.0254, -0.0254, 0.0762, -0.0762, 0, 0.0508, -0.0508};
    for (int i = 0; i < n; ++i) EXPECT_NEAR(z[i], expected[i], 1e-15) << "bar " << i + 1;
    EXPECT_NEAR(bars[0].m_adStart[kBarY], 75 * 0.0254, 1e-15);
    EXPECT_EQ(bars[4].m_nBarSize, 6);
    EXPECT_EQ(bars[4].m_adStart[kBarY], 0.1 + raise);
}

TEST(RebarRowExpansion, RowsCallingForMoreThanTheListHoldsWriteNoFurther) {
    Rows rows = {{150, 4, 2, 0, 10}, {150, 4, 8, 0, 10}, {1e300, 4, 9, 0, 10}};
    EXPECT_EQ(RebarRowBarCount(rows, 2), 300);
    EXPECT_GT(RebarRowBarCount(rows, 3), kMaxRebarBars);
    EXPECT_EQ(RebarRowBarCount(rows, 1), 150);
    std::vector<RebarBar> bars(kMaxRebarBars + 1);
    bars[kMaxRebarBars].m_nBarSize = 99;  // the slot past the list
    EXPECT_EQ(ExpandRebarRows(rows, 3, 1.0, 2.0, 0.0, bars.data()), kMaxRebarBars);
    EXPECT_EQ(bars[kMaxRebarBars].m_nBarSize, 99) << "nothing written past the bar list";
}

TEST(BarAreas, TheTableOfBarSizesAndTheAreasWorkedFromIt) {
    const PrestressModel model;
    for (int size = -2; size < kBarTableSlots + 3; ++size) {
        const double expected =
            size >= 0 && size < kBarTableSlots ? model.m_adBarTable[size][kBarArea] : 0.0;
        EXPECT_EQ(StandardBarArea(size), expected) << "#" << size;
    }
    EXPECT_EQ(StandardBarArea(12), 0.0);
    EXPECT_EQ(StandardBarArea(14), 2.25);
    EXPECT_DOUBLE_EQ(RebarRowArea(4, 5, false), 1.24);     // 4 x 0.31
    EXPECT_DOUBLE_EQ(RebarRowArea(4, 5, true), 799.9984);  // x 645.16
    EXPECT_DOUBLE_EQ(RebarRowArea(4.9, 5.7, false), 1.24) << "whole bars of a whole size";
    EXPECT_EQ(RebarRowArea(4, 13, false), 0.0);
    EXPECT_EQ(RebarRowArea(4, 1e300, false), 0.0);
    // Area per length: 2 legs of #4 at 6 in, 2 x 0.20 x 12 / 6; metric at 150 mm,
    // 645.16 x 0.20 x 2 / 150.
    EXPECT_DOUBLE_EQ(StirrupAreaPerLength(4, 6, 2, false), 0.8);
    EXPECT_NEAR(StirrupAreaPerLength(4, 150, 2, true), 1.72043, 1e-5);
    EXPECT_EQ(StirrupAreaPerLength(4, 0, 2, false), 0.0);
    EXPECT_EQ(StirrupAreaPerLength(12, 6, 2, false), 0.0);
    EXPECT_EQ(StirrupAreaPerLength(4, 1e-320, 2, false), 0.0) << "never an infinite area";
}

TEST(StirrupZones, EndsStartsAndTheMirroredHalfOfASymmetricPattern) {
    double zones[kMaxStirrupZones][kStirrupZoneValueCount] = {};
    // One zone of #4 stirrups: a 0.25-ft gap, then 10 spaces at 6 in, on a 100-ft girder.
    zones[0][kZoneGap] = 0.25;
    zones[0][kZoneBarSize] = 4;
    zones[0][kZoneSpaces] = 10;
    zones[0][kZoneSpacing] = 6;
    zones[0][kZoneEnd] = StirrupZoneEnd(zones, 0, true, false);
    EXPECT_DOUBLE_EQ(zones[0][kZoneEnd], 5.25);
    int count = 1;
    MirrorStirrupZones(zones, count, 2, true, false, 100.0);
    ASSERT_EQ(count, 2);
    // 100 - 5.25 - 0.25 - 5.0: the last stirrup 0.25 ft from the right end.
    EXPECT_DOUBLE_EQ(zones[1][kZoneGap], 89.5);
    EXPECT_EQ(zones[1][kZoneSpaces], 10);
    EXPECT_EQ(zones[1][kZoneSpacing], 6);
    EXPECT_DOUBLE_EQ(zones[1][kZoneEnd], 99.75);
    EXPECT_DOUBLE_EQ(zones[0][kZoneArea], 0.8);
    EXPECT_DOUBLE_EQ(zones[1][kZoneArea], 0.8);

    // Steel areas: zones of 10 and 5 ft on a 100-ft girder end at 10, 15, 90 and 100 ft.
    double areas[kMaxStirrupZones][kStirrupZoneValueCount] = {};
    areas[0][kZoneLength] = 10;
    areas[0][kZoneArea] = 0.5;
    areas[1][kZoneLength] = 5;
    areas[1][kZoneArea] = 0.3;
    for (int k = 0; k < 2; ++k) areas[k][kZoneEnd] = StirrupZoneEnd(areas, k, false, false);
    EXPECT_EQ(StirrupZoneStart(areas, 1), 10.0);
    count = 2;
    MirrorStirrupZones(areas, count, 2, false, false, 100.0);
    ASSERT_EQ(count, 4);
    const double ends[] = {10, 15, 90, 100};
    const double steel[] = {0.5, 0.3, 0.3, 0.5};
    for (int k = 0; k < 4; ++k) {
        EXPECT_DOUBLE_EQ(areas[k][kZoneEnd], ends[k]) << "zone " << k + 1;
        EXPECT_EQ(areas[k][kZoneArea], steel[k]) << "zone " << k + 1;
    }
    // Metric: 6 spaces at 150 mm after a 0.1-m gap end 1.0 m along.
    double metric[kMaxStirrupZones][kStirrupZoneValueCount] = {{0.1, 4, 6, 150}};
    EXPECT_DOUBLE_EQ(StirrupZoneEnd(metric, 0, true, true), 1.0);
}

}  // namespace
}  // namespace kordel::test

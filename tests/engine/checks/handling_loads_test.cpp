// The handling load list and the statics of the girder under it, against hand statics.
#include "engine/checks/handling_loads.h"

#include <cmath>

#include "engine/checks/handling_statics.h"
#include "test_support.h"

namespace kordel::test {
namespace {

const HandlingImpact kLiftImpacts[] = {{kHandlingGroupLiftImpactDown, 0.25},
                                       {kHandlingGroupLiftImpactUp, -0.25}};

TEST(HandlingLoadListTest, RecordsInTheirOrder) {
    // 40 ft girder, 1 klf, end blocks 4 ft long adding 0.5 klf, tapering to the web over 2 ft.
    HandlingLoadGirder g{40, 1.0, true, 0.5, 4, true, 2};
    HandlingDistLoad list[kMaxHandlingLoads];
    ASSERT_EQ(BuildHandlingLoadList(g, kLiftImpacts, 2, list), 15);
    const HandlingDistLoad expected[] = {
        {0, 1.0, 1.0, 0, 40},      // self-weight
        {7, 0.25, 0.25, 0, 40},    // impact down, 0.25 w
        {8, -0.25, -0.25, 0, 40},  // impact up
        {0, 0.5, 0.5, 0, 4},       // left end block
        {0, 0.5, 0.5, 36, 40},     // right end block
        {7, 0.125, 0.125, 0, 4},   // impact down on the end blocks, 0.25 wEB
        {7, 0.125, 0.125, 36, 40}, {8, -0.125, -0.125, 0, 4}, {8, -0.125, -0.125, 36, 40},
        {0, 0.5, 0.0, 4, 6},  // tapers into the web
        {0, 0.0, 0.5, 34, 36},     {7, 0.125, 0.0, 4, 6},     {7, 0.0, 0.125, 34, 36},
        {8, -0.125, 0.0, 4, 6},    {8, 0.0, -0.125, 34, 36},
    };
    for (int i = 0; i < 15; ++i) EXPECT_EQ(list[i], expected[i]) << "record " << i;

    // The counts the checks rely on: stripping (one impact) and lifting/shipping (two).
    struct Case {
        const char* name;
        bool endBlocks, taper;
        double T;
        int impacts, count;
    };
    const Case cases[] = {
        {"stripping, no end blocks", false, false, 0, 1, 2},
        {"lifting, no end blocks", false, false, 0, 2, 3},
        {"stripping, end blocks with taper", true, true, 2, 1, 10},
        {"end blocks on a girder that does not taper", true, false, 2, 2, 9},
        {"end blocks with no transition length", true, true, 0, 2, 9},
    };
    for (const Case& c : cases) {
        const HandlingLoadGirder h{40, 1.0, c.endBlocks, 0.5, 4, c.taper, c.T};
        EXPECT_EQ(BuildHandlingLoadList(h, kLiftImpacts, c.impacts, list), c.count) << c.name;
    }
}

TEST(HandlingLoadListTest, EndBlockExtraWeight) {
    // 1.0 x 0.150 kcf x (1200 - 767) in2 / 144 = 0.451042 klf.
    EXPECT_NEAR(EndBlockExtraWeight(1.0, 0.150, 1200, 767), 0.451042, 1e-6);
}

// The 40 ft girder above on supports at 5 and 35 ft (overhangs 5 ft) and at its ends.
// Loads: 1 klf over 40 ft (40 kip); 0.5 klf end blocks 0-4 and 36-40 ft (2 kip each, at 2 and
// 38 ft); tapers 0.5 -> 0 klf over 4-6 and 0 -> 0.5 klf over 34-36 ft (0.5 kip each, at one
// third of the taper from its heavy end: 4.6667 and 35.3333 ft). Total 45 kip, symmetric, so
// each reaction is 22.5 kip.
TEST(HandlingLoadListTest, StaticsOfTheListMatchHandStatics) {
    struct Case {
        const char* name;
        double a, l, x;
        double M;  // k-ft
    };
    const Case cases[] = {
        // Over the left support: loads left of 5 ft, 1 x 5 x 2.5 = 12.5; block 2 kip x 3 ft =
        // 6; taper 4 to 5 ft, 0.5 to 0.25 klf: 0.375 kip at 4 + (0.5 + 0.5) / (3 x 0.75) =
        // 4.4444 ft, x 0.5556 = 0.2083. The reaction has no arm: M = -18.7083.
        {"over the left support", 5, 30, 5, -18.708333},
        // At the start of the taper (x = x1 of the taper): nothing of the taper; 1 x 4 x 2 = 8
        // and 2 x 2 = 4: M = -12.
        {"at the start of a taper", 5, 30, 4, -12.0},
        // At the end of the right taper (36 ft) the girder mirrors the 4 ft section: -12.
        {"at the end of the right taper", 5, 30, 36, -12.0},
        // Mid-length: 22.5 x 15 - (20 x 10 + 2 x 18 + 0.5 x 15.3333) = 337.5 - 243.6667.
        {"mid-length, overhangs", 5, 30, 20, 93.833333},
        // On supports at the ends: 22.5 x 20 - 243.6667.
        {"mid-length, supports at the ends", 0, 40, 20, 206.333333},
        // Over the right support: mirror of the left one.
        {"over the right support", 5, 30, 35, -18.708333},
        // At the girder end both reactions and every load are left of the section.
        {"at the right end", 5, 30, 40, 0.0},
    };
    const HandlingLoadGirder g{40, 1.0, true, 0.5, 4, true, 2};
    HandlingDistLoad list[kMaxHandlingLoads];
    const int n = BuildHandlingLoadList(g, kLiftImpacts, 2, list);
    for (const Case& c : cases) {
        const HandlingEffects e = ComputeHandlingStatics(list, n, nullptr, 0, c.x, 0, 0, c.a, c.l);
        EXPECT_NEAR(e.M, c.M, 1e-6) << c.name;
        // The downward impact is 0.25 of every group-0 load: a quarter of the moment.
        const HandlingEffects d = ComputeHandlingStatics(list, n, nullptr, 0, c.x, 7, 7, c.a, c.l);
        EXPECT_NEAR(d.M, 0.25 * c.M, 1e-6) << c.name;
    }
}

TEST(HandlingLoadListTest, ZeroImpactAddsRecordsThatCarryNothing) {
    const HandlingImpact none[] = {{kHandlingGroupShipImpactDown, 0.0}};
    const HandlingLoadGirder g{40, 1.0, false, 0, 0, false, 0};
    HandlingDistLoad list[kMaxHandlingLoads];
    ASSERT_EQ(BuildHandlingLoadList(g, none, 1, list), 2);
    EXPECT_EQ(ComputeHandlingStatics(list, 2, nullptr, 0, 20, 9, 9, 0, 40).M, 0.0);
    // w L^2 / 8 of the weight alone: 1 x 1600 / 8 = 200.
    EXPECT_NEAR(ComputeHandlingStatics(list, 2, nullptr, 0, 20, 0, 0, 0, 40).M, 200.0, 1e-9);
}

class HandlingLoadsDocTest : public EngineTest {};

TEST_F(HandlingLoadsDocTest, TheDocumentBuildsItsListFromTheDesign) {
    frame.m_nSeedChoice = 1;
    auto doc = NewDoc();
    doc->OnNewDocument();
    doc->m_aHandlingPointLoad[0] = {0, 10.0, 5.0};
    doc->m_nHandlingPointLoads = 1;  // left by another builder: the handling checks drop it
    doc->m_bIncludeEndBlocks = 0;
    doc->BuildHandlingLoads(kLiftImpacts, 2);
    ASSERT_EQ(doc->m_nHandlingDistLoads, 3);
    EXPECT_EQ(doc->m_nHandlingPointLoads, 0);
    const double w = doc->m_dBeamWeight;
    EXPECT_EQ(doc->m_aHandlingDistLoad[0], (HandlingDistLoad{0, w, w, 0, doc->m_dGirderLength}));
    EXPECT_EQ(doc->m_aHandlingDistLoad[2].m_dW1, -0.25 * w);
}

}  // namespace
}  // namespace kordel::test

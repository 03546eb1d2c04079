// Statics of the girder on two supports under the handling loads, against hand statics.
#include "engine/checks/handling_statics.h"

#include <cmath>

#include "test_support.h"

namespace kordel::test {
namespace {

struct StaticsCase {
    const char* name;
    double x;                 // section, ft from the left end
    double M, V, V2;          // expected: kip-ft, kip, kip
};

// A 100 ft girder, 1 klf over its length, on supports at 10 and 90 ft (d = 80): each reaction
// 100 / 2 = 50 kip. A 10 kip point load at 30 ft in group 2: reactions 10 (90 - 30) / 80 = 7.5
// and 2.5 kip.
class HandlingStaticsTest : public EngineTest {
protected:
    HandlingStaticsTest() {
        doc = NewDoc();
        doc->m_aHandlingDistLoad[0] = {1, 1.0, 1.0, 0.0, 100.0};
        doc->m_nHandlingDistLoads = 1;
        doc->m_aHandlingPointLoad[0] = {2, 10.0, 30.0};
        doc->m_nHandlingPointLoads = 1;
    }
    HandlingEffects At(double x, int g0, int g1, double xl = 10, double d = 80) const {
        HandlingEffects e;
        doc->ComputeHandlingEffects(x, g0, g1, xl, d, e.M, e.V, e.V2, e.R4, e.R5);
        return e;
    }
    std::unique_ptr<CKordelDoc> doc;
};

TEST_F(HandlingStaticsTest, UniformLoadOnTwoSupportsWithOverhangs) {
    const StaticsCase cases[] = {
        // overhang: M = -w x^2 / 2, V = -w x
        {"left overhang at 5 ft", 5, -12.5, -5, -5},
        // over the left support: M = -1 x 10 x 5 = -50; V = 50 - 10 = 40
        {"over the left support", 10, -50, 40, 40},
        // midspan: M = 50 x 40 - 50 x 25 = 750; V = 50 - 50 = 0
        {"midspan", 50, 750, 0, 0},
        // over the right support: M = 50 x 80 - 90 x 45 = -50; V = 100 - 90 = 10
        {"over the right support", 90, -50, 10, 10},
        // beyond the girder end nothing is left
        {"right end", 100, 0, 0, 0},
    };
    for (const StaticsCase& c : cases) {
        const HandlingEffects e = At(c.x, 1, 1);
        EXPECT_NEAR(e.M, c.M, 1e-9) << c.name;
        EXPECT_NEAR(e.V, c.V, 1e-9) << c.name;
        EXPECT_NEAR(e.V2, c.V2, 1e-9) << c.name;
        EXPECT_EQ(e.R4, 0.0);
        EXPECT_EQ(e.R5, 0.0);
    }
}

TEST_F(HandlingStaticsTest, PointLoadAndGroups) {
    // Group 2 alone, at the load: V right of it = 7.5 - 10 = -2.5, V2 left of it = 7.5;
    // M = 7.5 x 20 = 150.
    HandlingEffects e = At(30, 2, 2);
    EXPECT_NEAR(e.M, 150, 1e-9);
    EXPECT_NEAR(e.V, -2.5, 1e-9);
    EXPECT_NEAR(e.V2, 7.5, 1e-9);
    // Both groups at 30 ft add up: uniform M = 50 x 20 - 30 x 15 = 550, V = 50 - 30 = 20.
    e = At(30, 1, 2);
    EXPECT_NEAR(e.M, 700, 1e-9);
    EXPECT_NEAR(e.V, 17.5, 1e-9);
    EXPECT_NEAR(e.V2, 27.5, 1e-9);
    // A group range that names neither group gives nothing.
    e = At(30, 3, 5);
    EXPECT_EQ(e.M, 0.0);
    EXPECT_EQ(e.V, 0.0);
}

TEST_F(HandlingStaticsTest, TaperedLoadIsCutAtTheSection) {
    // 1 klf at 0 rising to 2 klf at 10 ft, supports at 0 and 10: W = 15 kip at
    // x = 10 (1 + 4) / (3 x 3) = 5.556 ft; left reaction 15 (10 - 5.556) / 10 = 6.667 kip.
    // At 5 ft the cut load is 1 to 1.5 klf: 6.25 kip at 5 x 4 / 7.5 = 2.667 ft, arm 2.333 ft.
    doc->m_aHandlingDistLoad[0] = {1, 1.0, 2.0, 0.0, 10.0};
    const HandlingEffects e = At(5, 1, 1, 0, 10);
    EXPECT_NEAR(e.V, 20.0 / 3 - 6.25, 1e-9);
    EXPECT_NEAR(e.M, 20.0 / 3 * 5 - 6.25 * (5 - 8.0 / 3), 1e-9);
}

TEST_F(HandlingStaticsTest, DegenerateSupportsGiveNoNumbersThatAreNotFinite) {
    // Coinciding supports carry the whole load at that point: right of it, M = W (x - xl) minus
    // the load's own moment; here at the girder end the girder is in equilibrium: M = V = 0.
    HandlingEffects e = At(100, 1, 1, 50, 0);
    EXPECT_NEAR(e.M, 0, 1e-9);
    EXPECT_NEAR(e.V, 0, 1e-9);
    // At midspan over the coinciding supports: M = -50 x 25 = -1250, V = 100 - 50 = 50.
    e = At(50, 1, 1, 50, 0);
    EXPECT_NEAR(e.M, -1250, 1e-9);
    EXPECT_NEAR(e.V, 50, 1e-9);
    for (double d : {-1.0, std::nan(""), HUGE_VAL}) {
        e = At(50, 1, 1, 10, d);
        EXPECT_EQ(e.M, 0.0) << d;
        EXPECT_EQ(e.V, 0.0) << d;
    }
    // Counts beyond the arrays are clamped, never read past them.
    doc->m_nHandlingDistLoads = 1000;
    doc->m_nHandlingPointLoads = -3;
    e = At(50, 1, 2);
    EXPECT_NEAR(e.M, 750, 1e-9);
}

}  // namespace
}  // namespace kordel::test

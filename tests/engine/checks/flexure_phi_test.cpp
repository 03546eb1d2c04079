// Resistance factor for flexure from the net tensile strain.
#include "engine/checks/flexure_phi.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kordel {
namespace {

FlexurePhiRule NewEdition(bool reinforced = false) {
    FlexurePhiRule r;
    r.oldEdition = false;
    r.reinforced = reinforced;
    r.cdtCompression = 0.6;
    r.cdtTension = 0.375;
    return r;
}

// With CL = 0.6 and TL = 0.375 the strain limits are 0.002 and 0.005, the code's own values,
// so the new editions agree with the older closed form 0.583 + 0.25 (dt/c - 1) everywhere.
TEST(FlexurePhi, StrainFormBetweenTheLimits) {
    struct Case {
        double cOverDt;
        double phi;       // prestressed
        double phiBars;   // reinforced
    } cases[] = {
        {0.30, 1.00, 0.90},    // et = 0.007 beyond etl
        {0.375, 1.00, 0.90},   // et = 0.005 at etl
        // c/dt = 0.45: et = 0.003 (1/0.45 - 1) = 0.0036667; (et - 0.002)/0.003 = 0.55556
        {0.45, 0.75 + 0.25 * 0.555556, 0.75 + 0.15 * 0.555556},
        // c/dt = 0.5: et = 0.003; (et - 0.002)/0.003 = 1/3
        {0.50, 0.75 + 0.25 / 3.0, 0.75 + 0.15 / 3.0},
        {0.60, 0.75, 0.75},    // et = 0.002 at ecl
        {0.80, 0.75, 0.75},
    };
    for (const Case& k : cases) {
        const double dt = 40.0, c = k.cOverDt * dt;
        EXPECT_NEAR(FlexureResistanceFactor(NewEdition(), c, dt), k.phi, 1e-5) << k.cOverDt;
        EXPECT_NEAR(FlexureResistanceFactor(NewEdition(true), c, dt), k.phiBars, 1e-5) << k.cOverDt;
        FlexurePhiRule old = NewEdition();
        old.oldEdition = true;
        EXPECT_NEAR(FlexureResistanceFactor(old, c, dt),
                    std::clamp(0.583 + 0.25 * (1 / k.cOverDt - 1), 0.75, 1.0), 2e-3)
            << k.cOverDt;
    }
}

// The linear-in-c/dt rule gives 0.75 + 0.25 (0.5 - 0.6) / (0.375 - 0.6) = 0.8611 at c/dt = 0.5;
// the strain form gives 0.8333: the c/dt rule overstates phi between the limits.
TEST(FlexurePhi, StrainFormIsBelowTheLinearRatioRule) {
    EXPECT_NEAR(FlexureResistanceFactor(NewEdition(), 20.0, 40.0), 0.833333, 1e-5);
}

TEST(FlexurePhi, EdgesAndStandardSpecifications) {
    FlexurePhiRule std;
    std.lrfd = false;
    std.phiDefault = 0.95;
    EXPECT_EQ(FlexureResistanceFactor(std, 30.0, 40.0), 0.95);
    EXPECT_EQ(FlexureResistanceFactor(NewEdition(), 0.0, 40.0), 1.0);        // no compression
    EXPECT_EQ(FlexureResistanceFactor(NewEdition(true), 0.0, 40.0), 0.9);
    EXPECT_EQ(FlexureResistanceFactor(NewEdition(), 10.0, 0.0), 0.75);       // no steel depth
    FlexurePhiRule equal = NewEdition();
    equal.cdtCompression = equal.cdtTension = 0.5;  // a step, never a division by zero
    EXPECT_EQ(FlexureResistanceFactor(equal, 10.0, 40.0), 1.0);
    EXPECT_EQ(FlexureResistanceFactor(equal, 30.0, 40.0), 0.75);
}

}  // namespace
}  // namespace kordel

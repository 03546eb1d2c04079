// Stress limits, tension-zone force, splitting steel and hold-down force, each against a hand
// calculation with no document.
#include "engine/core/aashto_stress_limits.h"

#include <gtest/gtest.h>

#include "document/model_limits.h"

namespace kordel::test {
namespace {

constexpr double kTol = 1e-5;  // ksi, kip or in

TEST(AashtoStressLimits, ReleaseTensionLimit) {
    struct Case {
        const char* what;
        double coef, lambda, fci;
        int choice;
        double expected;
    } const cases[] = {
        // -0.0948 x sqrt(4) = -0.1896, inside the 0.2 ksi bound
        {"0.0948 rule, f'ci 4", -0.0948, 1.0, 4.0, 1, -0.1896},
        // -0.0948 x sqrt(5) = -0.211979, held to -0.2
        {"0.0948 rule, f'ci 5", -0.0948, 1.0, 5.0, 1, -0.2},
        // the bound belongs to rule 1 only: -0.211979 stays
        {"specified coefficient, no bound", -0.0948, 1.0, 5.0, 3, -0.2119792},
        // -0.24 x 0.75 x sqrt(5) = -0.402492
        {"lightweight lambda", -0.24, 0.75, 5.0, 2, -0.4024922},
        // no strength entered: sqrt(0) = 0, never NaN
        {"blank f'ci", -0.24, 1.0, 0.0, 2, 0.0},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(ReleaseTensionLimit(c.coef, c.lambda, c.fci, c.choice), c.expected, kTol)
            << c.what;
}

TEST(AashtoStressLimits, ReleaseTensionLimitWithSteel) {
    struct Case {
        const char* what;
        bool lrfd;
        int concreteType;
        double lambda, fci, expected;
    } const cases[] = {
        // -0.24 x sqrt(5) = -0.536656
        {"LRFD", true, 1, 1.0, 5.0, -0.5366563},
        // the LRFD limit ignores the density class but takes lambda: -0.24 x 0.85 x 2
        {"LRFD, lambda 0.85", true, 3, 0.85, 4.0, -0.408},
        // 7.5 sqrt(4000 psi) = 474.34 psi = -(7.5 / sqrt(1000)) x 2
        {"Standard, normal weight", false, 1, 1.0, 4.0, -0.4743416},
        // 6.3 / sqrt(1000) x 2
        {"Standard, sand-lightweight", false, 2, 1.0, 4.0, -0.3984470},
        // 5.5 / sqrt(1000) x 2
        {"Standard, all-lightweight", false, 3, 1.0, 4.0, -0.3478505},
        // lightweight of no named class takes the all-lightweight limit, the smallest
        {"Standard, lightweight", false, 4, 1.0, 4.0, -0.3478505},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(ReleaseTensionLimitWithSteel(c.lrfd, c.concreteType, c.lambda, c.fci),
                    c.expected, kTol)
            << c.what;
}

TEST(AashtoStressLimits, FinalTensionLimit) {
    struct Case {
        const char* what;
        double coef, lambda, fc;
        bool seventh;
        double expected;
    } const cases[] = {
        // -0.19 x sqrt(10) = -0.600833, held to -0.6 under the 7th edition
        {"7th, f'c 10", -0.19, 1.0, 10.0, true, -0.6},
        // -0.19 x 0.75 x sqrt(6) = -0.349052
        {"7th, lambda 0.75", -0.19, 0.75, 6.0, true, -0.3490523},
        // earlier editions: no lambda and no bound: -0.19 x sqrt(6)
        {"6th, lambda ignored", -0.19, 0.75, 6.0, false, -0.4654031},
        {"6th, f'c 10 not bounded", -0.19, 1.0, 10.0, false, -0.6008328},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(FinalTensionLimit(c.coef, c.lambda, c.fc, c.seventh), c.expected, kTol)
            << c.what;
}

TEST(AashtoStressLimits, FixedReleaseTensionLimit) {
    EXPECT_NEAR(FixedReleaseTensionLimit(4.0), -0.1896, kTol);  // -0.0948 x 2
    EXPECT_NEAR(FixedReleaseTensionLimit(5.0), -0.2, kTol);     // -0.211979 raised to -0.2
    EXPECT_EQ(FixedReleaseTensionLimit(0.0), 0.0);
}

TEST(AashtoStressLimits, TensionZoneForce) {
    // Top -0.3 ksi, bottom 2.7 ksi, h = 72 in: y = 0.3 / 3.0 x 72 = 7.2 in.
    // Within an 8 in flange 42 in wide: T = 0.5 x 0.3 x 7.2 x 42 = 45.36 kip.
    EXPECT_NEAR(TensionZoneForce(-0.3, 2.7, 72.0, 8.0, 42.0, 6.0), 45.36, kTol);
    // Flange 2.5 in: f1 = 0.3 x 4.7 / 7.2 = 0.195833 ksi; web 0.5 x 0.195833 x 4.7 x 6 = 2.76125,
    // flange 0.5 x (0.3 + 0.195833) x 2.5 x 42 = 26.03125: T = 28.7925 kip.
    EXPECT_NEAR(TensionZoneForce(-0.3, 2.7, 72.0, 2.5, 42.0, 6.0), 28.7925, kTol);
    // No stress at all: no zone, no division by zero.
    EXPECT_EQ(TensionZoneForce(0.0, 0.0, 72.0, 2.5, 42.0, 6.0), 0.0);
}

TEST(AashtoStressLimits, SplittingSteel) {
    EXPECT_NEAR(SplittingForce(1115.37), 44.6148, kTol);  // 0.04 x 1115.37
    struct Case {
        const char* what;
        bool lrfd;
        int type;
        double h, width, cgEnd, expected;
        bool known;
    } const cases[] = {
        {"LRFD I-girder: h / 4", true, kSectionIGirder, 72.0, 42.0, 11.0, 18.0, true},
        {"LRFD channel: h / 4", true, kSectionChannel, 30.0, 60.0, 5.0, 7.5, true},
        {"LRFD decked bulb-tee: h / 4", true, kSectionDeckedBulbTee, 60.0, 72.0, 5.0, 15.0, true},
        {"LRFD box, h governs: 39 / 4", true, kSectionBoxBeam, 39.0, 48.0, 4.6, 9.75, true},
        {"LRFD U-beam, width governs: 48 / 4", true, kSectionUBeam, 60.0, 48.0, 4.6, 12.0, true},
        {"LRFD slab: width / 4", true, kSectionSlab, 18.0, 48.0, 3.0, 12.0, true},
        {"LRFD unknown type: h / 4", true, 9, 72.0, 42.0, 11.0, 18.0, false},
        // d = 72 - 7.2 = 64.8 = 0.9 h, d / 4 = 16.2 = 0.225 h
        {"Standard, cg at 0.1 h", false, kSectionIGirder, 72.0, 42.0, 7.2, 16.2, true},
        // d = 72 - 20 = 52 < 0.8 x 72 = 57.6: 57.6 / 4 = 14.4
        {"Standard, d held at 0.8 h", false, kSectionIGirder, 72.0, 42.0, 20.0, 14.4, true},
    };
    for (const Case& c : cases) {
        bool known = !c.known;
        EXPECT_NEAR(SplittingZoneLength(c.lrfd, c.type, c.h, c.width, c.cgEnd, known), c.expected,
                    kTol)
            << c.what;
        EXPECT_EQ(known, c.known) << c.what;
    }
}

TEST(AashtoStressLimits, HoldDownForceTakesTheAngleInDegrees) {
    // 1000 sin(1 degree) = 17.45241 kip (sin of 1 radian would be 841 kip).
    EXPECT_NEAR(HoldDownForce(1000.0, 1.0, 0.45), 17.45241, kTol);
    // One hold-down point at midspan takes both slopes.
    EXPECT_NEAR(HoldDownForce(1000.0, 1.0, 0.5), 34.90481, kTol);
    EXPECT_EQ(HoldDownForce(1000.0, 0.0, 0.4), 0.0);
}

}  // namespace
}  // namespace kordel::test

// The provisions of post-tensioning against hand calculations: the jacking stress, the parabolic
// profile, friction and anchor set with the tendon stress after seating, the time factors, the
// time-dependent losses of the tendons and the stress limits.
#include "engine/core/aashto_post_tensioning.h"

#include <gtest/gtest.h>

#include <cmath>

#include "document/model_materials.h"
#include "document/model_prestress.h"

namespace kordel {
namespace {

TEST(AashtoPostTensioningTest, JackingStressByBasis) {
    // 0.8333 x 243 = 202.4919; 0.75 x 270 = 202.5; an unknown basis jacks nothing.
    EXPECT_NEAR(TendonJackingStress(kJackingOfFpy, 0.8333, 243, 270), 202.4919, 1e-9);
    EXPECT_NEAR(TendonJackingStress(kJackingOfFpu, 0.75, 243, 270), 202.5, 1e-9);
    EXPECT_EQ(TendonJackingStress(3, 0.75, 243, 270), 0.0);
}

TEST(AashtoPostTensioningTest, ParabolicProfile) {
    // cg 12 in at both ends, 3.5 in at mid-length of a 193 ft girder, Z = 0.75 in:
    // y = 4 x 8.5 / 193^2 x (x - 96.5)^2 + 3.5 + 0.75.
    struct Case {
        const char* name;
        double x, y;
    } cases[] = {
        {"left end: 8.5 + 4.25", 0.0, 12.75},
        {"mid-length: the vertex", 96.5, 4.25},
        {"right end", 193.0, 12.75},
        {"quarter point: 8.5 / 4 + 4.25", 48.25, 6.375},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(TendonProfileElevation(c.x, 193, 12, 3.5, 0.75), c.y, 1e-9) << c.name;
    // A profile of no length stands at its end elevation.
    EXPECT_EQ(TendonProfileElevation(50, 0, 12, 3.5, 0.75), 12.75);
}

// A 100 ft girder, fpjt = 200 ksi, sag 24 in, K = 0.0002/ft, mu = 0.25, anchor set 0.375 in,
// Ep = 28500 ksi:
//   alpha = 4 x 24 / (12 x 100) = 0.08 rad
//   FR = 200 (1 - exp(-(0.0002 x 50 + 0.25 x 0.08))) = 200 (1 - exp(-0.03)) = 5.91089 ksi
//   p = 5.91089 / 50 / 12 = 0.00985149 ksi/in
//   xa = sqrt(0.375 x 28500 / 0.00985149) / 12 = 1041.567 / 12 = 86.797 ft
//   DA = 2 x 86.797 x 12 x 0.00985149 = 20.5220 ksi
//   xa > Lg/2: AM = (86.797 - 50) / 86.797 x 20.5220 = 8.7002 ksi
TEST(AashtoPostTensioningTest, FrictionAndAnchorSetByHand) {
    const auto f = ComputeTendonFrictionAnchorSet(200, 24, 100, 0.0002, 0.25, 0.375, 28500);
    ASSERT_TRUE(f);
    EXPECT_NEAR(f->alpha, 0.08, 1e-12);
    EXPECT_NEAR(f->FR, 5.91089, 1e-5);
    EXPECT_NEAR(f->p, 0.00985149, 1e-8);
    EXPECT_NEAR(f->xa, 86.797, 1e-3);
    EXPECT_NEAR(f->DA, 20.5220, 1e-3);
    EXPECT_NEAR(f->AM, 8.7002, 1e-3);
    // A tendon rising to mid-length loses as much by friction as one dropping the same amount.
    const auto up = ComputeTendonFrictionAnchorSet(200, -24, 100, 0.0002, 0.25, 0.375, 28500);
    ASSERT_TRUE(up);
    EXPECT_NEAR(up->FR, f->FR, 1e-12);
}

TEST(AashtoPostTensioningTest, ShortAnchorZoneLeavesMidLengthAlone) {
    // A 200 ft girder, sag 24 in: alpha = 4 x 24 / 2400 = 0.04,
    // FR = 200 (1 - exp(-(0.0002 x 100 + 0.25 x 0.04))) = 5.91089 ksi,
    // p = 5.91089 / 100 / 12 = 0.00492574; xa = sqrt(0.375 x 28500 / 0.00492574) / 12 = 122.75 ft
    // > 100: AM > 0. With anchor set 0.1 in: xa = sqrt(0.1 x 28500 / 0.00492574) / 12 = 63.39 ft
    // < 100: AM = 0.
    const auto f = ComputeTendonFrictionAnchorSet(200, 24, 200, 0.0002, 0.25, 0.1, 28500);
    ASSERT_TRUE(f);
    EXPECT_NEAR(f->xa, 63.39, 0.01);
    EXPECT_EQ(f->AM, 0.0);
    // Stressed from the left: fpjt - DA at the anchorage, fpjt - 12 p xa at the end of the zone,
    // then 12 p per foot less; DA = 2 x 12 p xa.
    const double DA = 2 * 12 * f->p * f->xa;
    EXPECT_NEAR(TendonStressAfterSeating(*f, 200, 0, 200, true), 200 - DA, 1e-9);
    EXPECT_NEAR(TendonStressAfterSeating(*f, 200, f->xa, 200, true), 200 - 12 * f->p * f->xa, 1e-9);
    EXPECT_NEAR(TendonStressAfterSeating(*f, 200, 150, 200, true), 200 - 12 * f->p * 150, 1e-9);
    // The stress rises across the anchor zone and falls beyond it.
    EXPECT_LT(TendonStressAfterSeating(*f, 200, 10, 200, true),
              TendonStressAfterSeating(*f, 200, 50, 200, true));
    EXPECT_GT(TendonStressAfterSeating(*f, 200, 70, 200, true),
              TendonStressAfterSeating(*f, 200, 90, 200, true));
    // Stressed from the right: the mirror image.
    for (double x : {0.0, 10.0, 63.0, 120.0, 200.0}) {
        EXPECT_NEAR(TendonStressAfterSeating(*f, 200, x, 200, false),
                    TendonStressAfterSeating(*f, 200, 200 - x, 200, true), 1e-9)
            << "x = " << x;
    }
}

TEST(AashtoPostTensioningTest, DegenerateFrictionAndAnchorSet) {
    // No friction at all: the slip of 0.25 in over 100 ft shortens the tendon evenly by
    // 0.25 x 28500 / 1200 = 5.9375 ksi.
    auto f = ComputeTendonFrictionAnchorSet(200, 0, 100, 0, 0, 0.25, 28500);
    ASSERT_TRUE(f);
    EXPECT_EQ(f->FR, 0.0);
    EXPECT_NEAR(f->DA, 5.9375, 1e-12);
    EXPECT_NEAR(f->AM, 5.9375, 1e-12);
    EXPECT_NEAR(TendonStressAfterSeating(*f, 200, 30, 100, true), 194.0625, 1e-12);
    // No anchor set: friction only, and no division by the zone length.
    f = ComputeTendonFrictionAnchorSet(200, 24, 100, 0.0002, 0.25, 0, 28500);
    ASSERT_TRUE(f);
    EXPECT_EQ(f->xa, 0.0);
    EXPECT_EQ(f->DA, 0.0);
    EXPECT_NEAR(TendonStressAfterSeating(*f, 200, 0, 100, true), 200.0, 1e-12);
    EXPECT_TRUE(std::isfinite(TendonStressAfterSeating(*f, 200, 0, 100, false)));
    // No girder: nothing to compute.
    EXPECT_FALSE(ComputeTendonFrictionAnchorSet(200, 24, 0, 0.0002, 0.25, 0.375, 28500));
}

TEST(AashtoPostTensioningTest, TimeFactorsNeverGoNegative) {
    // 60 - 30 = 30 days: 30 / 65 = 0.461538; 30^0.6 = 7.69614, / 17.69614 = 0.434905.
    EXPECT_NEAR(ShrinkageTimeFactor(30), 30.0 / 65.0, 1e-12);
    EXPECT_NEAR(CreepTimeFactor(30), 0.434905, 1e-6);
    // A deck cast at 20 days (20 - 30 = -10): no shrinkage or creep yet, never NaN or negative.
    EXPECT_EQ(ShrinkageTimeFactor(-10), 0.0);
    EXPECT_EQ(CreepTimeFactor(-10), 0.0);
}

TEST(AashtoPostTensioningTest, TendonTimeDependentLosses) {
    // SH = 13.5 - 0.123 x 70 = 4.89 ksi.
    EXPECT_NEAR(TendonShrinkageLoss(70), 4.89, 1e-12);
    // Six tendons: ES = 5/12 x 28500/5000 x 2.4 = 5.7 ksi; a tension at the tendons gives 0.
    EXPECT_NEAR(*TendonElasticShortening(6, 28500, 5000, 2.4), 5.7, 1e-12);
    EXPECT_EQ(*TendonElasticShortening(6, 28500, 5000, -1), 0.0);
    // One tendon shortens nothing after it is anchored.
    EXPECT_EQ(*TendonElasticShortening(1, 28500, 5000, 2.4), 0.0);
    EXPECT_FALSE(TendonElasticShortening(6, 28500, 0, 2.4));
    EXPECT_FALSE(TendonElasticShortening(0, 28500, 5000, 2.4));
    // Relaxation with FR = 6, ES = 5, SH = 5, CR = 15:
    //   stress-relieved 20 - 1.8 - 2 - 4 = 12.2; low-relaxation LRFD 0.3 x 12.2 = 3.66;
    //   low-relaxation Standard 5 - 0.42 - 0.5 - 1 = 3.08.
    struct Case {
        const char* name;
        int kind;
        bool lrfd;
        double RE;
    } cases[] = {
        {"stress-relieved", 2, true, 12.2},
        {"low-relaxation, LRFD", kStrandLowRelaxation, true, 3.66},
        {"low-relaxation, Standard", kStrandLowRelaxation, false, 3.08},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(TendonRelaxationLoss(c.kind, c.lrfd, 6, 5, 5, 15), c.RE, 1e-12) << c.name;
}

TEST(AashtoPostTensioningTest, ConcreteStressAtAnotherLevel) {
    // P = 1000 kip at 20 in below the centroid, M = 500 kip-ft, A = 800 in2, I = 500,000 in4,
    // level 30 in below: 1000/800 + 1000 x 20 x 30 / 500000 - 6000 x 30 / 500000
    //   = 1.25 + 1.2 - 0.36 = 2.09 ksi.
    EXPECT_NEAR(*ConcreteStressAtLevel(1000, 20, 500, 800, 500000, 30), 2.09, 1e-12);
    EXPECT_FALSE(ConcreteStressAtLevel(1000, 20, 500, 0, 500000, 30));
}

TEST(AashtoPostTensioningTest, StressLimits) {
    // 0.9 x 243 = 218.7; 0.7 x 270 = 189; 0.74 x 270 = 199.8 (0.70: 189); 0.8 x 243 = 194.4.
    const TendonStressLimits lr = TendonStressLimitsOf(kStrandLowRelaxation, 243, 270);
    EXPECT_NEAR(lr.jacking, 218.7, 1e-9);
    EXPECT_NEAR(lr.anchorage, 189.0, 1e-9);
    EXPECT_NEAR(lr.anchorZone, 199.8, 1e-9);
    EXPECT_NEAR(lr.service, 194.4, 1e-9);
    EXPECT_NEAR(TendonStressLimitsOf(2, 243, 270).anchorZone, 189.0, 1e-9);
}

}  // namespace
}  // namespace kordel

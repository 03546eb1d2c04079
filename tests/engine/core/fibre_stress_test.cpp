// Fibre stresses of a moment and of an eccentric prestress force: the signs at the bottom and
// above the centroid, a force above the centroid, and the inputs with no stress or no value.
#include "engine/core/fibre_stress.h"

#include <gtest/gtest.h>

#include <limits>

namespace kordel {
namespace {

TEST(FibreStressTest, MomentStress) {
    // 1000 kip-ft on S = 12,000 in3: 12 x 1000 / 12000 = 1 ksi, tension at the bottom.
    EXPECT_EQ(MomentFibreStress(1000, 12000, true), -1.0);
    EXPECT_EQ(MomentFibreStress(1000, 12000, false), 1.0);
    EXPECT_EQ(MomentFibreStress(-1000, 12000, true), 1.0) << "hogging: compression at the bottom";
    EXPECT_EQ(MomentFibreStress(0, 0, true), 0.0) << "no moment, no section: no stress";
    EXPECT_FALSE(MomentFibreStress(1000, 0, false)) << "a moment on a modulus of 0";
    EXPECT_FALSE(MomentFibreStress(1000, std::numeric_limits<double>::denorm_min(), false))
        << "a stress that is not finite";
}

TEST(FibreStressTest, PrestressStress) {
    // 1000 kip at 30 in below the centroid of A = 800 in2, Sb = 16,000 in3, St = 15,000 in3:
    //   bottom 1000 (1/800 + 30/16000) = 1.25 + 1.875 = 3.125 ksi
    //   top    1000 (1/800 - 30/15000) = 1.25 - 2.0 = -0.75 ksi
    EXPECT_DOUBLE_EQ(*PrestressFibreStress(1000, 800, 30, 16000, true), 3.125);
    EXPECT_DOUBLE_EQ(*PrestressFibreStress(1000, 800, 30, 15000, false), -0.75);
    // A force 20 in above the centroid (e = -20): bottom 1.25 - 1.25 = 0, top 1.25 + 1.3333.
    EXPECT_DOUBLE_EQ(*PrestressFibreStress(1000, 800, -20, 16000, true), 0.0);
    EXPECT_NEAR(*PrestressFibreStress(1000, 800, -20, 15000, false), 2.583333, 1e-6);
    EXPECT_EQ(PrestressFibreStress(0, 0, 30, 0, true), 0.0) << "no force: no stress";
    EXPECT_FALSE(PrestressFibreStress(1000, 0, 30, 16000, true)) << "no area";
    EXPECT_FALSE(PrestressFibreStress(1000, 800, 30, 0, false)) << "no modulus";
}

}  // namespace
}  // namespace kordel

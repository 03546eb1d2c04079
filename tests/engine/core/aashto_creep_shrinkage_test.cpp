// Material provisions with no document: moduli of elasticity by edition and the HS formula, the
// density factor, the strain limits by grade, the creep and shrinkage correction factors and
// their domains. Expected values are worked by hand (AASHTO LRFD 6th and 7th ed. Art. 5.4.2)
// and written next to each case.
#include "engine/core/aashto_creep_shrinkage.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

#include "tests/engine/core/provision_test_support.h"

namespace kordel {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr auto kEarlier = ConcreteEdition::BeforeLrfd7th;
constexpr auto k7th = ConcreteEdition::Lrfd7th;

using test::ExpectValue;

// Hand values are written to 0.01 ksi for moduli and to six decimals for ratios.
constexpr double kKsiTol = 0.005;
constexpr double kRatioTol = 5e-7;

TEST(AashtoCreepShrinkageTest, EditionSevenSelectsTheNewForms) {
    // Edition list: 0 Standard Specs, 1 LRFD 5th, 2 LRFD 6th, 3 LRFD 6th w/ 2013 Interims,
    // 4 LRFD 7th. Values outside the list are not the 7th edition.
    for (int e : {-1, 0, 1, 2, 3, 5}) EXPECT_EQ(ConcreteEditionOf(e), kEarlier) << "edition " << e;
    EXPECT_EQ(ConcreteEditionOf(4), k7th);
}

TEST(AashtoCreepShrinkageTest, ModulusOfElasticityByEdition) {
    struct Case {
        double f, wc, K;
        ConcreteEdition edition;
        double expected;  // ksi
        const char* derivation;
    };
    const Case cases[] = {
        {6.0, 0.15, 33, kEarlier, 4695.98, "33000 x 0.15^1.5 x sqrt(6) = 1917.13 x 2.44949"},
        {4.8, 0.15, 33, kEarlier, 4200.21, "33000 x 0.15^1.5 x sqrt(4.8) = 1917.13 x 2.19089"},
        {5.0, 0.145, 33, kEarlier, 4074.28, "33000 x 0.145^1.5 x sqrt(5) = 1822.07 x 2.23607"},
        {6.0, 0.15, 30, kEarlier, 4269.07, "K1 = 30/33: 30000 x 0.058095 x 2.44949"},
        {5.0, 0.15, 120, k7th, 4592.23, "120000 x 0.15^2 x 5^0.33 = 2700 x 1.70083"},
        {6.0, 0.15, 120, k7th, 4877.01, "120000 x 0.0225 x 6^0.33 = 2700 x 1.80630"},
        {4.0, 0.15, 120, k7th, 4266.22, "2700 x 4^0.33 = 2700 x 1.58008 (0.33, not 1/3)"},
        // The 7th-edition form with the earlier coefficient, as a design keeps it when K is not
        // changed with the edition: 33000 x 0.0225 x 1.80630.
        {6.0, 0.15, 33, k7th, 1341.18, "33000 x 0.15^2 x 6^0.33"},
        {0.0, 0.15, 33, kEarlier, 0.0, "no strength, no modulus"},
        {0.0, 0.15, 120, k7th, 0.0, "0^0.33 = 0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.derivation);
        ExpectValue(ConcreteModulus(c.f, c.wc, c.K, c.edition), c.expected, kKsiTol, "Ec");
        // The same value from the equation written out here.
        const double independent = c.edition == k7th
                                       ? c.K * 1000 * c.wc * c.wc * std::exp(0.33 * std::log(c.f))
                                       : c.K * 1000 * c.wc * std::sqrt(c.wc) * std::sqrt(c.f);
        ExpectValue(ConcreteModulus(c.f, c.wc, c.K, c.edition), independent, 1e-9, "Ec formula");
    }
}

TEST(AashtoCreepShrinkageTest, HighStrengthModulus) {
    // E = 1265 sqrt(f) + 1000; the psi form 40000 sqrt(10000) + 1e6 psi = 5000 ksi at 10 ksi,
    // which the rounded coefficient (40 sqrt(1000) = 1264.91) meets within 0.3 ksi.
    const struct {
        double f, expected;
    } cases[] = {
        {10.0, 5000.28},  // 1265 x 3.16228 + 1000
        {6.0, 4098.60},   // 1265 x 2.44949 + 1000
        {4.8, 3771.48},   // 1265 x 2.19089 + 1000
        {0.0, 1000.0},
    };
    for (const auto& c : cases)
        ExpectValue(HighStrengthConcreteModulus(c.f), c.expected, kKsiTol, "E");
    EXPECT_NEAR(*HighStrengthConcreteModulus(10.0), 5000.0, 0.3);
}

TEST(AashtoCreepShrinkageTest, ModulusOutsideItsDomainHasNoValue) {
    // A root of a negative strength or unit weight, or a number that is none.
    EXPECT_FALSE(ConcreteModulus(-1.0, 0.15, 33, kEarlier));
    EXPECT_FALSE(ConcreteModulus(-1.0, 0.15, 120, k7th));
    EXPECT_FALSE(ConcreteModulus(6.0, -0.15, 33, kEarlier));
    EXPECT_FALSE(ConcreteModulus(6.0, -0.15, 120, k7th));  // w^2 would hide the sign
    EXPECT_FALSE(ConcreteModulus(kNaN, 0.15, 33, kEarlier));
    EXPECT_FALSE(ConcreteModulus(6.0, kNaN, 33, kEarlier));
    EXPECT_FALSE(ConcreteModulus(6.0, 0.15, kNaN, kEarlier));
    EXPECT_FALSE(ConcreteModulus(kInf, 0.15, 33, kEarlier));
    EXPECT_FALSE(HighStrengthConcreteModulus(-0.1));
    EXPECT_FALSE(HighStrengthConcreteModulus(kNaN));
}

TEST(AashtoCreepShrinkageTest, DensityFactorIsKeptWithinItsLimits) {
    const struct {
        double wc, expected;
    } cases[] = {
        {0.15, 1.0},    // 7.5 x 0.15 = 1.125, at most 1.0
        {0.135, 1.0},   // 1.0125 -> 1.0
        {0.12, 0.9},    // 7.5 x 0.12
        {0.11, 0.825},  // 7.5 x 0.11
        {0.10, 0.75},   // 7.5 x 0.10, at the lower limit
        {0.09, 0.75},   // 0.675, at least 0.75
        {0.0, 0.75},
    };
    for (const auto& c : cases)
        ExpectValue(ConcreteDensityFactor(c.wc), c.expected, kRatioTol, "lambda");
    EXPECT_FALSE(ConcreteDensityFactor(kNaN));
}

TEST(AashtoCreepShrinkageTest, StrainLimitsByGrade) {
    // Table C5.7.2.1-1 rows at Grades 60, 75, 80 and 100, each held up to the next grade; c/dt
    // = 0.003 / (0.003 + eps).
    const struct {
        double fy, eps_cl, eps_tl, cdt_cl, cdt_tl;
    } cases[] = {
        {0.0, 0.002, 0.005, 0.6, 0.375},         // below every grade: the Grade 60 row
        {60.0, 0.002, 0.005, 0.6, 0.375},        // 0.003/0.005, 0.003/0.008
        {74.99, 0.002, 0.005, 0.6, 0.375},       //
        {75.0, 0.0028, 0.005, 0.517241, 0.375},  // 0.003/0.0058
        {79.99, 0.0028, 0.005, 0.517241, 0.375},
        {80.0, 0.003, 0.0056, 0.5, 0.348837},  // 0.003/0.006, 0.003/0.0086
        {99.99, 0.003, 0.0056, 0.5, 0.348837},
        {100.0, 0.004, 0.008, 0.428571, 0.272727},  // 0.003/0.007, 0.003/0.011
        {120.0, 0.004, 0.008, 0.428571, 0.272727},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "fy " << c.fy);
        const ReinforcementStrainLimits s = StrainLimits(c.fy);
        EXPECT_EQ(s.eps_cl, c.eps_cl);
        EXPECT_EQ(s.eps_tl, c.eps_tl);
        ExpectValue(DepthRatioAtStrain(0.003, s.eps_cl), c.cdt_cl, kRatioTol, "c/dt at eps_cl");
        ExpectValue(DepthRatioAtStrain(0.003, s.eps_tl), c.cdt_tl, kRatioTol, "c/dt at eps_tl");
    }
    // eps_cu = 0.0035: 0.0035 / (0.0035 + 0.002) = 0.636364
    ExpectValue(DepthRatioAtStrain(0.0035, 0.002), 0.636364, kRatioTol, "c/dt");
    // A compression strain that is no strain, or the zero denominator of eps_cu = -eps_s.
    EXPECT_FALSE(DepthRatioAtStrain(0.0, 0.002));
    EXPECT_FALSE(DepthRatioAtStrain(-0.002, 0.002));
    EXPECT_FALSE(DepthRatioAtStrain(-0.001, 0.002));
    EXPECT_FALSE(DepthRatioAtStrain(kNaN, 0.002));
}

TEST(AashtoCreepShrinkageTest, CorrectionFactors) {
    // Volume-to-surface factor ks = max(1.0, 1.45 - 0.13 V/S).
    ExpectValue(VolumeToSurfaceFactor(4.0), 1.0, kRatioTol, "ks(4)");         // 0.93 -> 1.0
    ExpectValue(VolumeToSurfaceFactor(3.09), 1.0483, kRatioTol, "ks(3.09)");  // 1.45 - 0.4017
    ExpectValue(VolumeToSurfaceFactor(2.0), 1.19, kRatioTol, "ks(2)");
    ExpectValue(VolumeToSurfaceFactor(0.0), 1.45, kRatioTol, "ks(0)");
    // Humidity: khc = 1.56 - 0.008 H, khs = 2.00 - 0.014 H.
    ExpectValue(CreepHumidityFactor(70.0), 1.0, kRatioTol, "khc(70)");
    ExpectValue(CreepHumidityFactor(75.0), 0.96, kRatioTol, "khc(75)");
    ExpectValue(ShrinkageHumidityFactor(70.0), 1.02, kRatioTol, "khs(70)");
    ExpectValue(ShrinkageHumidityFactor(75.0), 0.95, kRatioTol, "khs(75)");
    // Strength: kf = 5 / (1 + f'ci).
    ExpectValue(ConcreteStrengthFactor(4.8), 0.862069, kRatioTol, "kf(4.8)");  // 5/5.8
    ExpectValue(ConcreteStrengthFactor(4.0), 1.0, kRatioTol, "kf(4)");
    ExpectValue(ConcreteStrengthFactor(3.2), 1.190476, kRatioTol, "kf(0.8 x 4)");  // 5/4.2

    for (double x : {kNaN, kInf}) {
        EXPECT_FALSE(VolumeToSurfaceFactor(x));
        EXPECT_FALSE(CreepHumidityFactor(x));
        EXPECT_FALSE(ShrinkageHumidityFactor(x));
        EXPECT_FALSE(ConcreteStrengthFactor(x));
    }
    EXPECT_FALSE(ConcreteStrengthFactor(-1.0));  // 5/0
    EXPECT_FALSE(ConcreteStrengthFactor(-3.0));  // negative denominator
}

TEST(AashtoCreepShrinkageTest, TimeDevelopmentFactorByEdition) {
    struct Case {
        double t, fci;
        ConcreteEdition edition;
        std::optional<double> expected;
        const char* derivation;
    };
    const Case cases[] = {
        {89, 4.8, kEarlier, 0.680428, "89 / (61 - 19.2 + 89) = 89 / 130.8"},
        {19999, 4.8, kEarlier, 0.997914, "19999 / 20040.8"},
        {0, 4.8, kEarlier, 0.0, "no time, no development"},
        {89, 4.8, k7th, 0.694787, "12 (100 - 19.2) / 24.8 = 39.0968; 89 / 128.0968"},
        {19999, 4.8, k7th, 0.998049, "19999 / 20038.0968"},
        {100, 10.0, k7th, 0.806452, "12 (100 - 40) / 30 = 24; 100 / 124"},
        {0, 4.8, k7th, 0.0, "no time, no development"},
        // Outside the equations' domain.
        {0, 15.25, kEarlier, std::nullopt, "61 - 61 + 0: 0/0"},
        {10, 20.0, kEarlier, std::nullopt, "61 - 80 + 10 < 0"},
        {-10, 4.8, kEarlier, std::nullopt, "negative time"},
        {-10, 4.8, k7th, std::nullopt, "negative time"},
        {10, -20.0, k7th, std::nullopt, "f'ci + 20 = 0"},
        {0, 25.0, k7th, std::nullopt, "12 (100 - 100) / 45 + 0 = 0"},
        {kNaN, 4.8, kEarlier, std::nullopt, "not a number"},
        {89, kNaN, k7th, std::nullopt, "not a number"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.derivation);
        const std::optional<double> ktd = TimeDevelopmentFactor(c.t, c.fci, c.edition);
        if (!c.expected) {
            EXPECT_FALSE(ktd) << "ktd " << *ktd;
            continue;
        }
        ExpectValue(ktd, *c.expected, kRatioTol, "ktd");
    }
}

TEST(AashtoCreepShrinkageTest, CreepCoefficientAndShrinkageStrain) {
    // Girder of V/S 3.09 in, H 70 percent, f'ci 4.8 ksi, 6th-edition ktd:
    // ks 1.0483, khc 1.0, khs 1.02, kf 0.862069.
    const double ks = 1.0483, khc = 1.0, khs = 1.02, kf = 5.0 / 5.8;
    // psi(td = 90, ti = 1): ktd(89) = 0.680428; 1.9 x 1.0483 x 0.862069 x 0.680428 = 1.168324.
    ExpectValue(CreepCoefficientPsi(ks, khc, kf, 89.0 / 130.8, 1.0), 1.168324, kRatioTol, "psi");
    // Loaded at 90 days: 90^-0.118 = 0.588030; psi(tf, td) with ktd 0.997914 = 1.007567.
    ExpectValue(CreepCoefficientPsi(ks, khc, kf, 19999.0 / 20040.8, 90.0), 1.007567, kRatioTol,
                "psi");
    // eps_bid = 1.0483 x 1.02 x 0.862069 x 0.680428 x 0.48e-3 = 0.30105876e-3.
    ExpectValue(ShrinkageStrainEpsilon(ks, khs, kf, 89.0 / 130.8), 0.30105876e-3, 5e-12, "eps");

    EXPECT_FALSE(CreepCoefficientPsi(ks, khc, kf, 0.5, 0.0));   // 0^-0.118
    EXPECT_FALSE(CreepCoefficientPsi(ks, khc, kf, 0.5, -1.0));  // root of a negative age
    EXPECT_FALSE(CreepCoefficientPsi(ks, kNaN, kf, 0.5, 1.0));
    EXPECT_FALSE(ShrinkageStrainEpsilon(ks, khs, kInf, 0.5));
}

TEST(AashtoCreepShrinkageTest, DeckVolumeToSurface) {
    // V/S = W T / (2 W - btf): the deck top W and the soffit W - btf dry.
    ExpectValue(DeckVolumeToSurface(96, 8, 42), 5.12, kRatioTol, "96 x 8 / 150");
    ExpectValue(DeckVolumeToSurface(72, 8, 20), 4.645161, kRatioTol, "576 / 124");
    ExpectValue(DeckVolumeToSurface(96, 8, 0), 4.0, kRatioTol, "no flange: T/2");
    EXPECT_FALSE(DeckVolumeToSurface(40, 8, 80));  // no surface: 80 - 80
    EXPECT_FALSE(DeckVolumeToSurface(40, 8, 90));  // negative surface
    EXPECT_FALSE(DeckVolumeToSurface(0, 8, 0));
    EXPECT_FALSE(DeckVolumeToSurface(kNaN, 8, 42));
}

}  // namespace
}  // namespace kordel

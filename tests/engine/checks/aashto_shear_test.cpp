// The shear provisions without a document: the Appendix B5 table lookup, theta and beta by
// formula, the Vci / Vcw formulas and the stirrup area of a zone layout.
#include "engine/checks/aashto_shear.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kordel::test {
namespace {

using shear::kStrainAxis;
using shear::kStressAxis;

constexpr int kStrainLast = kShearStrainAxisCount - 1;
constexpr int kStressLast = kShearStressAxisCount - 1;

struct B5Value {
    double theta;
    double beta;
};

// The lookup the way the sectional model drives it: bracketing indices, then the table.
B5Value Lookup(double ex, double vfc) {
    const int sLo = shear::FindLastBelow(kStrainAxis, 1000 * ex, kStrainLast);
    const int sHi = shear::FindFirstNotBelow(kStrainAxis, 1000 * ex, kStrainLast);
    const int vLo = shear::FindLastBelow(kStressAxis, vfc, kStressLast);
    const int vHi = shear::FindFirstNotBelow(kStressAxis, vfc, kStressLast);
    return {
        shear::LookupB5(shear::kThetaTable, ex, vfc, kStrainAxis, kStressAxis, sLo, sHi, vLo, vHi),
        shear::LookupB5(shear::kBetaTable, ex, vfc, kStrainAxis, kStressAxis, sLo, sHi, vLo, vHi)};
}

TEST(AxisSearchTest, BracketsValuesOnTheStrainAxis) {
    struct Case {
        double value;  // 1000 ex
        int lower;
        int upper;
    };
    const Case cases[] = {
        {-1.0, 0, 0},   // below the axis: first column on both sides
        {-0.2, 0, 0},   // the first entry itself is not below it
        {0.0, 2, 3},    // exact interior entry: -0.05 is the last below, 0 the first not below
        {0.1, 3, 4},    // between 0 and 0.125
        {2.0, 9, 10},   // the last entry exactly
        {5.0, 10, 10},  // beyond the axis: last column on both sides
    };
    for (const Case& c : cases) {
        EXPECT_EQ(shear::FindLastBelow(kStrainAxis, c.value, kStrainLast), c.lower) << c.value;
        EXPECT_EQ(shear::FindFirstNotBelow(kStrainAxis, c.value, kStrainLast), c.upper) << c.value;
    }
}

TEST(AppendixB5LookupTest, ClampsInterpolatesAndHitsAxisValues) {
    struct Case {
        const char* what;
        double ex;   // strain, not scaled
        double vfc;  // v / f'c
        double theta;
        double beta;
    };
    // Expected values read from Table B5.2-1 (rows v/f'c, columns 1000 ex) by hand.
    const Case cases[] = {
        {"below both axes: first row, first column", -0.0005, 0.05, 22.3, 6.32},
        {"the first axis values exactly", -0.0002, 0.075, 22.3, 6.32},
        {"above both axes: last row, last column", 0.003, 0.30, 41.2, 1.29},
        {"interior axis values exactly: row 0.100, column 0", 0.0, 0.10, 22.5, 3.14},
        {"column 1.0 of the last row exactly", 0.001, 0.25, 35.8, 1.50},
        // Row 0.075 midway between columns 0 and 0.125: (21.8 + 24.3) / 2, (3.75 + 3.24) / 2.
        {"midway along the strain axis", 0.0000625, 0.075, 23.05, 3.495},
        // Midway between columns 0.25 and 0.5 and between rows 0.100 and 0.125:
        // row 0.100: (27.1 + 30.8) / 2 = 28.95, (2.75 + 2.50) / 2 = 2.625;
        // row 0.125: (27.9 + 31.4) / 2 = 29.65, (2.62 + 2.42) / 2 = 2.52;
        // between the rows: 29.30 and 2.5725.
        {"midway along both axes", 0.000375, 0.1125, 29.30, 2.5725},
        // v/f'c below the axis with a strain inside it: the first row, interpolated.
        // Column 0.5 to 0.75 at 0.6: 30.5 + 0.4 x 3.2 = 31.78; 2.59 - 0.4 x 0.21 = 2.506.
        {"first row, interpolated strain", 0.0006, 0.01, 31.78, 2.506},
    };
    for (const Case& c : cases) {
        const B5Value v = Lookup(c.ex, c.vfc);
        EXPECT_NEAR(v.theta, c.theta, 1e-9) << c.what;
        EXPECT_NEAR(v.beta, c.beta, 1e-9) << c.what;
    }
}

TEST(AppendixB5LookupTest, TableRowsRunTheRightWay) {
    // A transcription slip in the tables shows as a break in their trends: beta falls with the
    // strain along every row from column -0.20 on, and theta rises with it from column -0.05 on
    // (theta of the first two columns of the lowest rows is not monotonic in the published
    // table).
    for (int r = 0; r < kShearStressAxisCount; ++r) {
        for (int c = 1; c < kShearStrainAxisCount; ++c) {
            EXPECT_LE(shear::kBetaTable[r][c], shear::kBetaTable[r][c - 1]) << r << "," << c;
            if (c >= 3) {
                EXPECT_GT(shear::kThetaTable[r][c], shear::kThetaTable[r][c - 1]) << r << "," << c;
            }
        }
    }
}

TEST(ThetaBetaByFormulaTest, LimitsAndValues) {
    struct Case {
        double es;
        double used;   // es after the limits
        double theta;  // 29 + 3500 es, degrees
        double beta;   // 4.8 / (1 + 750 es)
    };
    const Case cases[] = {
        {-0.0004, 0.0, 29.0, 4.8},  // negative strain is taken as 0
        {0.0, 0.0, 29.0, 4.8},
        {0.001, 0.001, 32.5, 4.8 / 1.75},  // 4.8 / 1.75 = 2.742857
        {0.006, 0.006, 50.0, 4.8 / 5.5},   // the upper limit exactly: 0.872727
        {0.0123, 0.006, 50.0, 4.8 / 5.5},  // above it
    };
    for (const Case& c : cases) {
        const shear::ThetaBeta tb = shear::ThetaBetaByFormula(c.es);
        EXPECT_DOUBLE_EQ(tb.es, c.used) << c.es;
        EXPECT_NEAR(tb.theta, c.theta, 1e-12) << c.es;
        EXPECT_NEAR(tb.beta, c.beta, 1e-12) << c.es;
    }
}

TEST(VciVcwTest, FormulasAndTheirLowerBounds) {
    // f'c = 6.25 ksi: sqrt = 2.5 ksi^0.5; psi root sqrt(6250) / 1000 = 0.0790569 ksi.
    const double fc = 6.25;
    const double bv = 8.0;   // in
    const double dv = 60.0;  // in
    // LRFD: 0.02 x 2.5 x 8 x 60 = 24 kip, + Vd 40 + Vi 50 x ratio 2 = 164 kip.
    EXPECT_NEAR(shear::LrfdVci(1.0, fc, bv, dv, 40.0, 50.0, 2.0), 164.0, 1e-9);
    // Small Vd and Vi: the lower bound 0.06 x 2.5 x 8 x 60 = 72 kip holds.
    EXPECT_NEAR(shear::LrfdVci(1.0, fc, bv, dv, 1.0, 1.0, 1.0), 72.0, 1e-9);
    // Vcw = (0.06 x 2.5 + 0.3 x 1.2) x 8 x 60 + 30 = 0.51 x 480 + 30 = 274.8 kip.
    EXPECT_NEAR(shear::LrfdVcw(1.0, fc, 1.2, bv, dv, 30.0), 274.8, 1e-9);
    // Standard: 0.6 x 0.0790569 x 480 = 22.768 kip + 40 + 100 = 162.768 kip;
    // lower bound 1.7 x 0.0790569 x 480 = 64.510 kip; Vcw (3.5 x 0.0790569 + 0.36) x 480 + 30.
    const double root = std::sqrt(6250.0) / 1000.0;
    EXPECT_NEAR(shear::StandardVci(1.0, fc, bv, dv, 40.0, 50.0, 2.0), 0.6 * root * 480 + 140, 1e-9);
    EXPECT_NEAR(shear::StandardVci(1.0, fc, bv, dv, 1.0, 1.0, 1.0), 1.7 * root * 480, 1e-9);
    EXPECT_NEAR(shear::StandardVcw(1.0, fc, 1.2, bv, dv, 30.0), (3.5 * root + 0.36) * 480 + 30,
                1e-9);
    // Lightweight concrete scales the concrete terms: lambda 0.85 on the LRFD lower bound.
    EXPECT_NEAR(shear::LrfdVci(0.85, fc, bv, dv, 1.0, 1.0, 1.0), 0.85 * 72.0, 1e-9);
    // A strength that is not positive gives no concrete term instead of NaN.
    EXPECT_EQ(shear::LrfdVcw(1.0, -1.0, 0.0, bv, dv, 0.0), 0.0);
}

TEST(VciVcwTest, MomentRatioIsBounded) {
    EXPECT_EQ(shear::VciMomentRatio(500.0, 0.0), 100.0);            // Mmax = 0
    EXPECT_EQ(shear::VciMomentRatio(5000.0, 10.0), 100.0);          // 500, limited to 100
    EXPECT_NEAR(shear::VciMomentRatio(-900.0, 300.0), 3.0, 1e-12);  // magnitude
}

TEST(ShearDensityFactorTest, ByConcreteClass) {
    EXPECT_EQ(shear::ShearDensityFactor(1, 0.7), 1.0);
    EXPECT_EQ(shear::ShearDensityFactor(2, 0.7), 0.85);
    EXPECT_EQ(shear::ShearDensityFactor(3, 0.7), 0.75);
    EXPECT_EQ(shear::ShearDensityFactor(4, 0.7), 0.7);
    EXPECT_EQ(shear::ShearDensityFactor(9, 0.7), 1.0);
}

TEST(StirrupAreaTest, BarLayoutZonesAndTheirGaps) {
    // Zone 0: no gap, 10 spaces at 6 in = 5 ft of bars, ending 5 ft from the girder end.
    // Zone 1: a 1.5 ft gap, 20 spaces at 12 in = 20 ft, ending at 26.5 ft (gap from 5.0 to 6.5).
    // Zone 2: a 4 ft gap, 10 spaces at 12 in = 10 ft, ending at 40.5 ft (gap from 26.5 to 30.5).
    // Columns: gap, bar, spaces, spacing, end, area, length.
    const double zones[3][kStirrupZoneValueCount] = {
        {0.0, 4, 10, 6.0, 5.0, 0.40, 0},
        {1.5, 4, 20, 12.0, 26.5, 0.20, 0},
        {4.0, 4, 10, 12.0, 40.5, 0.30, 0},
    };
    struct Case {
        double xg;
        double area;
        const char* what;
    };
    const Case cases[] = {
        {0.0, 0.40, "girder end, within the bars of the first zone"},
        {5.0, 0.40, "end of the first zone"},
        {5.5, 0.40, "first half of a 1.5 ft gap: the previous zone's bars"},
        {6.0, 0.20, "second half of the short gap: the zone's own bars"},
        {6.5, 0.20, "first bar of zone 1"},
        {27.0, 0.20, "first foot of a 4 ft gap: the previous zone's bars"},
        {28.0, 0.0, "middle of the long gap: no stirrups"},
        {30.5, 0.30, "first bar of zone 2"},
        {41.0, 0.0, "beyond the last zone"},
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(shear::StirrupAreaAt(zones, 3, true, c.xg), c.area) << c.what;
    }

    // A first zone with a gap of its own takes its own area in the whole short gap.
    const double gapFirst[1][kStirrupZoneValueCount] = {{1.0, 4, 10, 6.0, 6.0, 0.40, 0}};
    EXPECT_DOUBLE_EQ(shear::StirrupAreaAt(gapFirst, 1, true, 0.2), 0.40);
    EXPECT_DOUBLE_EQ(shear::StirrupAreaAt(zones, 0, true, 3.0), 0.0);  // no zones
}

TEST(StirrupAreaTest, SteelAreaZonesCoverTheirLengthOnly) {
    // Zone 0 from 0 to 10 ft, zone 1 from 15 to 30 ft (length 15): 10 to 15 ft is bare.
    const double zones[2][kStirrupZoneValueCount] = {
        {0, 0, 0, 0, 10.0, 0.40, 10.0},
        {0, 0, 0, 0, 30.0, 0.20, 15.0},
    };
    EXPECT_DOUBLE_EQ(shear::StirrupAreaAt(zones, 2, false, 5.0), 0.40);
    EXPECT_DOUBLE_EQ(shear::StirrupAreaAt(zones, 2, false, 12.0), 0.0);
    EXPECT_DOUBLE_EQ(shear::StirrupAreaAt(zones, 2, false, 15.0), 0.20);
    EXPECT_DOUBLE_EQ(shear::StirrupAreaAt(zones, 2, false, 30.0), 0.20);
    EXPECT_DOUBLE_EQ(shear::StirrupAreaAt(zones, 2, false, 30.01), 0.0);
}

}  // namespace
}  // namespace kordel::test

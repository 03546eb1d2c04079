// Simple-span beam formulas against hand calculations: uniform loads and symmetric pairs of point
// loads (moments, shears, end rotations by superposing single-load slopes), influence lines, the
// lane load on segments, axle trains and tandems moved over the stations with their concurrent
// values, the tenth-point interpolation and the LRFD permit-vehicle distribution.
#include "engine/liveload/beam_formulas.h"

#include <cmath>
#include <initializer_list>
#include <vector>

#include "test_support.h"

namespace kordel::test {
namespace {

constexpr double kE = 4000.0;    // ksi
constexpr double kI = 100000.0;  // in4
constexpr double kEI = kE * kI;  // kip-in2 = 4e8

TEST(BeamFormulas, UniformLoadOnASimpleSpan) {
    // w = 2 klf on L = 50 ft.
    EXPECT_DOUBLE_EQ(UniformLoadMoment(2.0, 50.0, 25.0), 625.0);  // w L^2 / 8
    EXPECT_DOUBLE_EQ(UniformLoadMoment(2.0, 50.0, 10.0), 400.0);  // 2 10 40 / 2
    EXPECT_DOUBLE_EQ(UniformLoadShear(2.0, 50.0, 0.0), 50.0);     // w L / 2
    EXPECT_DOUBLE_EQ(UniformLoadShear(2.0, 50.0, 10.0), 30.0);    // 2 (25 - 10)
    EXPECT_DOUBLE_EQ(UniformLoadShear(2.0, 50.0, 50.0), -50.0);
    // w L^3 / 24 = 2 125000 / 24 = 10416.7 kip-ft2 = 1.5e6 kip-in2; / E I = 0.00375.
    EXPECT_NEAR(UniformLoadLeftRotation(2.0, 50.0, kE, kI), -0.00375, 1e-12);
    // No stiffness: no rotation, and no number that is not one.
    EXPECT_EQ(UniformLoadLeftRotation(2.0, 50.0, 0.0, kI), 0.0);
    EXPECT_EQ(UniformLoadLeftRotation(2.0, 50.0, kE, -1.0), 0.0);
}

TEST(BeamFormulas, SymmetricPairsOfPointLoads) {
    struct Case {
        const char* name;
        double P, a, x, M, V;
    };
    // L = 50 ft.
    const Case cases[] = {
        {"quarter points, outer zone", 10.0, 12.5, 5.0, 50.0, 10.0},  // P x
        {"quarter points, at the load", 10.0, 12.5, 12.5, 125.0, 10.0},
        {"quarter points, between", 10.0, 12.5, 20.0, 125.0, 0.0},      // P a
        {"quarter points, right zone", 10.0, 12.5, 45.0, 50.0, -10.0},  // P (L - x)
        // At either load the shear of its side toward the nearer support, as a mirror image.
        {"quarter points, at the second load", 10.0, 12.5, 37.5, 125.0, -10.0},
        {"mid-span load W = 10 as two halves, left", 5.0, 25.0, 10.0, 50.0, 5.0},  // W x / 2
        {"mid-span load, at mid-span", 5.0, 25.0, 25.0, 125.0, 5.0},               // W L / 4
        {"mid-span load, right", 5.0, 25.0, 40.0, 50.0, -5.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_DOUBLE_EQ(SymmetricPairMoment(c.P, c.a, 50.0, c.x), c.M);
        EXPECT_DOUBLE_EQ(SymmetricPairShear(c.P, c.a, 50.0, c.x), c.V);
    }
    // A station that reaches a load only to the last bits is on it.
    EXPECT_EQ(SymmetricPairShear(10.0, 12.5, 50.0, 37.5 - 1e-12), -10.0);
    EXPECT_EQ(SymmetricPairShear(10.0, 12.5, 50.0, 12.5 + 1e-12), 10.0);
}

TEST(BeamFormulas, EndRotationsOfPointLoadsAreTheBeamTheoryValues) {
    // One load P at distance b from the far support turns the left end by
    // P b (L^2 - b^2) / (6 L E I). L = 50 ft, P = 10 kip at 12.5 and 37.5 ft:
    //   load at 12.5 (b = 37.5): 10 37.5 (2500 - 1406.25) / 300 = 1367.19 kip-ft2
    //   load at 37.5 (b = 12.5): 10 12.5 (2500 - 156.25) / 300 =  976.56 kip-ft2
    //   sum 2343.75 = P a (L - a) / 2 = 10 12.5 37.5 / 2; x 144 / 4e8 = 8.4375e-4 rad.
    // (P a (2L - a) / 6 = 1822.9 would be 22 percent low.)
    EXPECT_NEAR(SymmetricPairLeftRotation(10.0, 12.5, 50.0, kE, kI), -2343.75 * 144.0 / kEI, 1e-15);
    // One load W = 10 at mid-span: W L^2 / 16 = 1562.5 kip-ft2 (P a (2L - a) / 6 with W and
    // a = L/2 gives 3125, twice the rotation).
    EXPECT_NEAR(SymmetricPairLeftRotation(5.0, 25.0, 50.0, kE, kI), -1562.5 * 144.0 / kEI, 1e-15);
    // Third points: P a (L - a) / 2 = 10 (50/3) (100/3) / 2 = 2777.78 kip-ft2.
    EXPECT_NEAR(SymmetricPairLeftRotation(10.0, 50.0 / 3.0, 50.0, kE, kI), -2777.7778 * 144.0 / kEI,
                1e-9);
    EXPECT_EQ(SymmetricPairLeftRotation(10.0, 12.5, 50.0, kE, 0.0), 0.0);
}

TEST(BeamFormulas, InfluenceLinesOfASimpleSpan) {
    // x = 20 ft on L = 50 ft.
    EXPECT_DOUBLE_EQ(SimpleSpanMomentInfluence(20.0, 30.0, 50.0), 8.0);   // 20 (50 - 30) / 50
    EXPECT_DOUBLE_EQ(SimpleSpanMomentInfluence(20.0, 10.0, 50.0), 6.0);   // (50 - 20) 10 / 50
    EXPECT_DOUBLE_EQ(SimpleSpanMomentInfluence(20.0, 20.0, 50.0), 12.0);  // x (L - x) / L
    EXPECT_DOUBLE_EQ(SimpleSpanShearInfluence(20.0, 30.0, 50.0), 0.4);    // (50 - 30) / 50
    EXPECT_DOUBLE_EQ(SimpleSpanShearInfluence(20.0, 10.0, 50.0), -0.2);   // -10 / 50
    EXPECT_DOUBLE_EQ(SimpleSpanShearInfluence(20.0, 20.0, 50.0), 0.6);    // a load on the station
}

/// Stations of a 100-ft span at every foot (0 to 100) and the special stations at `special`.
std::vector<double> Stations(double special) {
    std::vector<double> x(kStationCount, special);
    for (int i = 0; i < kHundredthStations; ++i) x[static_cast<size_t>(i)] = i;
    return x;
}

TEST(BeamFormulas, LaneLoadOnSegmentsAndItsConcentratedLoads) {
    const std::vector<double> x = Stations(50.0);
    const StationPositions at(x.data(), kStationCount);
    double M[kStationCount];
    double V[kStationCount];

    // Uniform load alone, w = 0.64 klf on L = 100 ft; segment midpoints make the sums exact.
    SimpleSpanLaneLoad(at, 100.0, 0.64, 0.0, 0.0, M, V);
    EXPECT_NEAR(M[50], 800.0, 1e-9);  // w L^2 / 8
    EXPECT_NEAR(M[20], 512.0, 1e-9);  // w x (L - x) / 2 = 0.64 20 80 / 2
    EXPECT_NEAR(V[25], 18.0, 1e-9);   // the part right of x loaded: w (L - x)^2 / 2L
    // At the bearing the whole span is right of the station: w L / 2 = 32.0. The segment that
    // starts on the station counts; leaving it out gives 32 - 0.64 (99.5) / 100 = 31.36.
    EXPECT_NEAR(V[0], 32.0, 1e-9);
    EXPECT_NEAR(V[100], 0.0, 1e-12);

    // With the concentrated loads PM = 18 kip and PV = 26 kip (AASHTO Standard lane load).
    SimpleSpanLaneLoad(at, 100.0, 0.64, 18.0, 26.0, M, V);
    EXPECT_NEAR(M[50], 800.0 + 18.0 * 100.0 / 4.0, 1e-9);  // + P L / 4 = 1250
    EXPECT_NEAR(V[0], 32.0 + 26.0, 1e-9);                  // PV on the bearing
    EXPECT_NEAR(V[25], 18.0 + 26.0 * 0.75, 1e-9);          // PV on the station: 37.5
    EXPECT_NEAR(V[100], 0.0, 1e-12);  // no placement gives a positive shear there

    SimpleSpanLaneLoad(at, 0.0, 0.64, 18.0, 26.0, M, V);  // no span, no effect
    EXPECT_EQ(M[50], 0.0);
    EXPECT_EQ(V[0], 0.0);
}

TEST(BeamFormulas, AxleTrainOverTheStationsWithConcurrentValues) {
    // 8, 32 and 32 kip at 14 ft on L = 100 ft, stations at every foot; the special stations at
    // 0.5 ft.
    const std::vector<double> x = Stations(0.5);
    const StationPositions at(x.data(), kStationCount);
    const double weights[] = {8.0, 32.0, 32.0};
    const double gaps[] = {14.0, 14.0, 0.0};
    StationExtremes e;
    EnvelopeAxleTrain(at, 100.0, weights, gaps, e);

    // Middle axle on mid-span: 32 (25) + 32 (36 / 2) + 8 (36 / 2) = 800 + 576 + 144 = 1520. The
    // reversed pass gives the same moment with the 32-kip axle ahead; the tie goes to the later
    // placement, whose shear at mid-span is 32 (0.36) + 32 (0.50) - 8 (0.36) = 24.64 (forward:
    // 8 (0.36) + 16 - 32 (0.36) = 7.36).
    EXPECT_NEAR(e.moment[50], 1520.0, 1e-9);
    EXPECT_NEAR(e.shearWithMoment[50], 24.64, 1e-9);

    // Shear at the bearing: axles on the bearing itself stand on the support and do not count,
    // so the heavy axle on the 0.5-ft station governs: 32 (99.5) + 32 (85.5) + 8 (71.5), / 100.
    EXPECT_NEAR(e.shear[0], (32.0 * 99.5 + 32.0 * 85.5 + 8.0 * 71.5) / 100.0, 1e-9);
    // Its moment at the bearing is 0.
    EXPECT_NEAR(e.momentWithShear[0], 0.0, 1e-12);
    // Right half: the largest net shear is small and positive, the mirror image is the
    // simple-span stage's business. At mid-span the rear axle on the station:
    // 32 (0.50) + 32 (0.36) + 8 (0.22) = 29.28.
    EXPECT_NEAR(e.shear[50], 29.28, 1e-9);

    StationExtremes none;
    EnvelopeAxleTrain(at, 100.0, {}, {}, none);
    EXPECT_EQ(none.moment[50], 0.0);
}

TEST(BeamFormulas, TandemOverTheStations) {
    // 25 + 25 kip at 4 ft on L = 100 ft.
    const std::vector<double> x = Stations(0.5);
    const StationPositions at(x.data(), kStationCount);
    StationExtremes e;
    EnvelopeTandem(at, 100.0, 25.0, 25.0, 4.0, e);
    // Mid-span: 25 (25) + 25 (46 / 2) = 1200, either axle on the station.
    EXPECT_NEAR(e.moment[50], 1200.0, 1e-9);
    // Bearing: the second axle on it counts for the tandem, 25 + 25 (96 / 100) = 49.
    EXPECT_NEAR(e.shear[0], 49.0, 1e-9);
    // Mid-span shear, the axles left of the station not deducted: 25 (0.46) + 25 (0.50) = 24.
    EXPECT_NEAR(e.shear[50], 24.0, 1e-9);
}

TEST(BeamFormulas, TenthPointInterpolation) {
    SpanEnvelope span = {};
    for (int t = 0; t < kSpanTenthPoints; ++t) span[t][kSpanTruckMax] = t * t;  // 0, 1, 4, ...
    // L = 100 ft: X = 25 lies between tenth points 2 (4) and 3 (9): 4 + 0.5 (9 - 4) = 6.5.
    EXPECT_DOUBLE_EQ(TenthPointValueAt(span, kSpanTruckMax, 100.0, 25.0), 6.5);
    EXPECT_DOUBLE_EQ(TenthPointValueAt(span, kSpanTruckMax, 100.0, 30.0), 9.0);
    EXPECT_DOUBLE_EQ(TenthPointValueAt(span, kSpanTruckMax, 100.0, 95.0), 90.5);  // 81 + 19 / 2
    // Beyond the span ends: the end values unchanged.
    EXPECT_EQ(TenthPointValueAt(span, kSpanTruckMax, 100.0, -3.0), 0.0);
    EXPECT_EQ(TenthPointValueAt(span, kSpanTruckMax, 100.0, 0.0), 0.0);
    EXPECT_EQ(TenthPointValueAt(span, kSpanTruckMax, 100.0, 100.0), 100.0);
    EXPECT_EQ(TenthPointValueAt(span, kSpanTruckMax, 100.0, 150.0), 100.0);
    // A span of no length has no inside.
    EXPECT_EQ(TenthPointValueAt(span, kSpanTruckMax, 0.0, 5.0), 100.0);
}

TEST(BeamFormulas, PermitVehicleWithTraffic) {
    // Envelopes distributed with g = 0.8: permit 800 (1000 per lane), design 400 (500 per lane).
    // g1 = 0.5 by the lever rule (Z = 1.2), gm = 0.8:
    //   1000 (0.5 / 1.2) + 500 (0.8 - 0.5 / 1.2) = 416.67 + 191.67 = 608.33.
    EXPECT_NEAR(LrfdPermitWithTrafficEffect(800.0, 400.0, 0.8, 0.5, 0.8, 1.2), 608.3333, 1e-4);
    // Z = 1.0: 1000 (0.5) + 500 (0.3) = 650.
    EXPECT_NEAR(LrfdPermitWithTrafficEffect(800.0, 400.0, 0.8, 0.5, 0.8, 1.0), 650.0, 1e-9);
    EXPECT_EQ(LrfdPermitWithTrafficEffect(800.0, 400.0, 0.0, 0.5, 0.8, 1.0), 0.0);
}

}  // namespace
}  // namespace kordel::test

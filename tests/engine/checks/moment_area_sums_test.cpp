// The deflection sums of IntegrateMomentArea are built for several stations side by side; each
// must still be summed segment by segment from the left bearing, as a plain double loop does, so
// that every deflection is the same number to the last bit.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "engine/checks/camber.h"

namespace kordel {
namespace {

/// The deflections of the moment-area integration summed station by station: for station j the
/// curvature areas phi[k] of segments 1 to j, taken about j, added from k = 1 up, a segment with
/// an end moment of exactly 0 left out.
void PlainDeflections(double E, const double* I, const double* M, double L, double* deflection) {
    constexpr int n = kHundredthStations - 1;
    const double dx = L / n;  // ft
    double phi[kHundredthStations] = {};
    double B = 0.0;
    for (int k = 1; k <= n; ++k) {
        phi[k] = (M[k - 1] + M[k]) / 2.0 * dx / (E * I[k]);
        B += phi[k] * (L - (k - 0.5) * dx);
    }
    const double thetaLeft = B / L;
    deflection[0] = 0.0;
    for (int j = 1; j <= n; ++j) {
        double S = 0.0;
        for (int k = 1; k <= j; ++k) {
            if (M[k - 1] == 0.0 || M[k] == 0.0) continue;
            S += phi[k] * (j - (k - 0.5)) * dx;
        }
        deflection[j] = -(thetaLeft * j * dx - S) * 1728.0;
    }
}

// Diagrams that round at every step: a parabola with an uneven inertia, one with exact zeros
// inside the span (segments left out), and an irregular one with both signs.
TEST(MomentAreaSumsTest, DeflectionsMatchAPlainLoopBitForBit) {
    constexpr int N = kHundredthStations;
    const double L = 97.3;  // ft
    const double E = 4287.6;  // ksi
    double I[N];
    for (int i = 0; i < N; ++i) I[i] = 545894.0 * (1.0 + 0.13 * std::sin(0.37 * i));  // in4
    double parabola[N], gaps[N], irregular[N];
    for (int i = 0; i < N; ++i) {
        const double x = L * i / (N - 1);
        parabola[i] = 1.27 * x * (L - x) / 2.0;  // kip-ft
        gaps[i] = (i % 17 == 5 || i == 40) ? 0.0 : parabola[i];
        irregular[i] = 310.0 * std::sin(0.11 * i) - 57.3 * std::cos(0.9 * i);
    }
    for (const double* M : {parabola, gaps, irregular}) {
        double deflection[N], rotation[2], expected[N];
        ASSERT_TRUE(IntegrateMomentArea(E, I, M, L, deflection, rotation));
        PlainDeflections(E, I, M, L, expected);
        for (int j = 0; j < N; ++j) {
            EXPECT_EQ(std::memcmp(&deflection[j], &expected[j], sizeof(double)), 0)
                << "station " << j << ": " << deflection[j] << " vs " << expected[j];
        }
    }
}

}  // namespace
}  // namespace kordel

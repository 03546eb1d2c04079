#include "engine/liveload/frame_math.h"

#include <algorithm>

namespace kordel {

void MemberBendingTerms(int release, double k[8]) {
    // Bending terms by end-release type. A hinge condenses out the rotation at that end: the
    // 4EI/L, 6EI/L^2, 12EI/L^3 terms of the rigid member become 3EI/L, 3EI/L^2, 3EI/L^3.
    static const double kTerms[5][8] = {
        //  k0    k1    k2    k3    k4    k5    k6    k7
        {0, 0, 0, 0, 0, 0, 0, 0},     // any other type: no bending stiffness
        {12, 6, 6, 4, -6, 2, -6, 4},  // 1 rigid at both ends
        {3, 3, 0, 3, -3, 0, 0, 0},    // 2 hinge at the end node
        {3, 0, 3, 0, 0, 0, -3, 3},    // 3 hinge at the start node
        {0, 0, 0, 0, 0, 0, 0, 0},     // 4 hinges at both ends
    };
    const int row = (release >= kReleaseNone && release <= kReleaseBoth) ? release : 0;
    std::copy(kTerms[row], kTerms[row] + 8, k);
}

void MemberGlobalStiffness(const FrameMemberProperties& m, const double k[8], double K[7][7]) {
    const double c = m.c;
    const double s = m.s;
    const double L = m.L;
    const double a = m.E * m.A / L;  // axial stiffness EA/L, kip/ft
    const double b = m.E * m.I;      // flexural rigidity EI, kip-ft^2
    const double bL = b / L;         // EI/L, kip-ft
    const double bL2 = bL / L;       // EI/L^2, kip
    const double bL3 = bL2 / L;      // EI/L^3, kip/ft

    K[1][1] = c * c * a + s * s * k[0] * bL3;
    K[1][2] = c * s * a - c * s * k[0] * bL3;
    K[1][3] = -s * k[1] * bL2;
    K[1][4] = -K[1][1];
    K[1][5] = -K[1][2];
    K[1][6] = -s * k[2] * bL2;

    K[2][2] = s * s * a + c * c * k[0] * bL3;
    K[2][3] = c * k[1] * bL2;
    K[2][4] = -K[1][2];
    K[2][5] = -K[2][2];
    K[2][6] = c * k[2] * bL2;

    K[3][3] = k[3] * bL;
    K[3][4] = -s * k[4] * bL2;
    K[3][5] = c * k[4] * bL2;
    K[3][6] = k[5] * bL;

    K[4][4] = K[1][1];
    K[4][5] = K[1][2];
    K[4][6] = -s * k[6] * bL2;

    K[5][5] = K[2][2];
    K[5][6] = c * k[6] * bL2;

    K[6][6] = k[7] * bL;

    for (int j = 1; j <= 6; ++j) {
        K[j][0] = 0;
        K[0][j] = 0;
        for (int i = j + 1; i <= 6; ++i) K[i][j] = K[j][i];
    }
    K[0][0] = 0;
}

MemberEndActions MemberEndActionsFromDisplacements(const FrameMemberProperties& m,
                                                   const double k[8], const double u[7]) {
    const double c = m.c;
    const double s = m.s;
    const double L = m.L;
    const double EI = m.E * m.I;  // kip-ft^2
    // Displacements across the member axis (local y) and the end rotations.
    const double v1 = -s * u[1] + c * u[2];  // ft
    const double v2 = -s * u[4] + c * u[5];  // ft
    const double th1 = u[3];                 // radian
    const double th2 = u[6];                 // radian

    MemberEndActions f;
    f.N = m.E * m.A * ((u[1] - u[4]) * c + (u[2] - u[5]) * s) / L;
    f.Vs = EI * k[0] * (v1 - v2) / (L * L * L) + EI * (k[1] * th1 + k[2] * th2) / (L * L);
    f.Ms = EI * ((k[1] * v1 + k[4] * v2) / (L * L) + (k[3] * th1 + k[5] * th2) / L);
    f.Ve = -f.Vs;
    f.Me = L * f.Vs - f.Ms;  // moments about the end node: Ms + Me - Vs L = 0
    return f;
}

FixedEndActions UniformLoadFixedEndActions(double w, double L) {
    // Fixed-fixed beam under w along +y: the supports push back with wL/2 at each end and hold
    // it with wL^2/12, clockwise at the start and counter-clockwise at the end.
    return {-w * L / 2, -w * L * L / 12, -w * L / 2, w * L * L / 12};
}

FixedEndActions ConcentratedLoadFixedEndActions(double P, double a, double L) {
    const double b = L - a;  // ft from the load to the end node
    const double L2 = L * L;
    const double L3 = L2 * L;
    return {-P * b * b * (L + 2 * a) / L3, -P * a * b * b / L2, -P * a * a * (L + 2 * b) / L3,
            P * a * a * b / L2};
}

FixedEndActions ReleaseFixedEndActions(const FixedEndActions& fixed, int release, double L) {
    FixedEndActions f = fixed;
    if (release == kReleaseEnd) {
        // Free the end moment Me: -Me at the end, -Me/2 carried over to the fixed start; the
        // shears take the couple 1.5 Me / L.
        const double shift = 1.5 * f.Me / L;
        f.Vs -= shift;
        f.Ms -= f.Me / 2;
        f.Ve += shift;
        f.Me = 0;
    } else if (release == kReleaseStart || release == kReleaseBoth) {
        // Free the start moment Ms, carrying -Ms/2 over to the end.
        const double shift = 1.5 * f.Ms / L;
        f.Vs -= shift;
        f.Ve += shift;
        f.Me -= f.Ms / 2;
        f.Ms = 0;
        if (release == kReleaseBoth) {
            // Then free the end moment too: with the start already hinged nothing carries over.
            f.Vs -= f.Me / L;
            f.Ve += f.Me / L;
            f.Me = 0;
        }
    }
    return f;
}

bool ReduceBandedEquations(double (*K)[kStiffnessRowStride], double* Q, int n, int w) {
    // Each pivot is judged against its own diagonal before elimination; a frame's equations mix
    // translations and rotations whose stiffnesses differ by orders of magnitude.
    if (n < 0 || n > kMaxFrameEquations || w < 0 || w > kMaxFrameBandWidth) return false;
    double diagonal[kMaxFrameEquations + 1];
    for (int i = 1; i <= n; ++i) diagonal[i] = K[i][1];

    // Forward elimination: row i, scaled by its pivot, is taken from the rows below it within
    // the band. Only the upper half band is kept; K(r, c) for c >= r is K[r][c - r + 1].
    for (int i = 1; i <= n; ++i) {
        const int m = std::min(w, n - i + 1);  // entries of row i inside the matrix
        const double p = K[i][1];
        if (!(p > 0.0) || p <= kFramePivotTolerance * diagonal[i]) return false;
        for (int k = 1; k <= m; ++k) K[i][k] /= p;
        Q[i] /= p;
        for (int j = 2; j <= m; ++j) {
            const double f = p * K[i][j];  // K(i, i + j - 1) before the scaling
            if (f == 0.0) continue;
            double* row = K[i + j - 1];
            for (int k = j; k <= m; ++k) row[k - j + 1] -= K[i][k] * f;
            Q[i + j - 1] -= Q[i] * f;
        }
    }

    // Back substitution, last equation first; row i of K now holds the multipliers.
    for (int i = 1; i <= n - 1; ++i) {
        const int r = n - i;
        const int jMax = std::min(w - 1, i);
        for (int j = 1; j <= jMax; ++j) Q[r] -= K[r][j + 1] * Q[r + j];
    }
    return true;
}

bool FactorBandedEquations(double (*K)[kStiffnessRowStride], double* pivot, int n, int w) {
    // ReduceBandedEquations without its load vector; see there.
    if (n < 0 || n > kMaxFrameEquations || w < 0 || w > kMaxFrameBandWidth) return false;
    double diagonal[kMaxFrameEquations + 1];
    for (int i = 1; i <= n; ++i) diagonal[i] = K[i][1];
    for (int i = 1; i <= n; ++i) {
        const int m = std::min(w, n - i + 1);
        const double p = K[i][1];
        if (!(p > 0.0) || p <= kFramePivotTolerance * diagonal[i]) return false;
        pivot[i] = p;
        for (int k = 1; k <= m; ++k) K[i][k] /= p;
        for (int j = 2; j <= m; ++j) {
            const double f = p * K[i][j];
            if (f == 0.0) continue;
            double* row = K[i + j - 1];
            for (int k = j; k <= m; ++k) row[k - j + 1] -= K[i][k] * f;
        }
    }
    return true;
}

void SolveFactoredBandedEquations(const double (*K)[kStiffnessRowStride], const double* pivot,
                                  double* Q, int n, int w) {
    // Row i of the reduced K holds the scaled row; p times it gives back the factor f by which
    // the elimination took row i from the rows below, the same product in the same order.
    for (int i = 1; i <= n; ++i) {
        const int m = std::min(w, n - i + 1);
        const double p = pivot[i];
        Q[i] /= p;
        for (int j = 2; j <= m; ++j) {
            const double f = p * K[i][j];
            if (f == 0.0) continue;
            Q[i + j - 1] -= Q[i] * f;
        }
    }
    for (int i = 1; i <= n - 1; ++i) {
        const int r = n - i;
        const int jMax = std::min(w - 1, i);
        for (int j = 1; j <= jMax; ++j) Q[r] -= K[r][j + 1] * Q[r + j];
    }
}

}  // namespace kordel

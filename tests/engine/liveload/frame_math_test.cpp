// Member mechanics of the plane-frame solver with no document: rigid-body moves, hinge terms,
// fixed-end actions against the beam tables (AISC Manual Table 3-23) and the banded equation
// solver against a dense check.
#include "engine/liveload/frame_math.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

namespace kordel {
namespace {

constexpr double kE = 576000.0;  // ksf: 4000 ksi
constexpr double kA = 7.0;       // ft^2
constexpr double kI = 48.0;      // ft^4

FrameMemberProperties Member(double dx, double dy) {
    const double L = std::sqrt(dx * dx + dy * dy);
    return {kE, kA, kI, L, dx / L, dy / L};
}

TEST(FrameMathTest, RigidBodyMovesCostNoForce) {
    // A rigid-body move of a member, of any direction and any end release, strains nothing:
    // K u = 0 and the end actions from u are 0. A slip of sign in any coupling term breaks it.
    // Moves: 0.01 ft along x, 0.01 ft along y, 0.001 rad about the start node (the end node
    // moves 0.001 x (-dy, dx)).
    const double directions[][2] = {{40, 0}, {30, 40}, {0, 25}, {-40, 30}, {-50, 0}, {20, -20}};
    for (int release = kReleaseNone; release <= kReleaseBoth; ++release) {
        double k[8];
        MemberBendingTerms(release, k);
        for (const auto& dir : directions) {
            SCOPED_TRACE(::testing::Message() << "release " << release << ", member (" << dir[0]
                                              << ", " << dir[1] << ")");
            const FrameMemberProperties m = Member(dir[0], dir[1]);
            double K[7][7];
            MemberGlobalStiffness(m, k, K);
            const double t = 0.001;
            const double moves[3][7] = {
                {0, 0.01, 0, 0, 0.01, 0, 0},
                {0, 0, 0.01, 0, 0, 0.01, 0},
                {0, 0, 0, t, -t * dir[1], t * dir[0], t},
            };
            for (const auto& u : moves) {
                double scale = 0.0;  // size of the largest single term of K u
                for (int i = 1; i <= 6; ++i) {
                    double f = 0.0;
                    for (int j = 1; j <= 6; ++j) {
                        f += K[i][j] * u[j];
                        scale = std::max(scale, std::abs(K[i][j] * u[j]));
                    }
                    EXPECT_NEAR(f, 0.0, 1e-12 * scale) << "row " << i;
                }
                const MemberEndActions a = MemberEndActionsFromDisplacements(m, k, u);
                for (double v : {a.N, a.Vs, a.Ms, a.Ve, a.Me}) EXPECT_NEAR(v, 0.0, 1e-12 * scale);
            }
        }
    }
}

TEST(FrameMathTest, BendingTermsOfAHorizontalMember) {
    // Stiffness of a horizontal member of L = 40 ft against the slope-deflection terms:
    // rigid 12EI/L^3, 6EI/L^2, 4EI/L, 2EI/L; a hinge at one end leaves 3EI/L^3, 3EI/L^2, 3EI/L
    // at the other and nothing for the hinged rotation; hinges at both ends leave EA/L only.
    const double L = 40.0, EI = kE * kI, EA = kE * kA;
    struct Case {
        int release;
        double yy, yRs, RsRs, RsRe, yRe,
            ReRe;  // K[2][2], K[2][3], K[3][3], K[3][6], K[2][6], K[6][6]
    };
    const double L2 = L * L, L3 = L2 * L;
    const Case cases[] = {
        {kReleaseNone, 12 * EI / L3, 6 * EI / L2, 4 * EI / L, 2 * EI / L, 6 * EI / L2, 4 * EI / L},
        {kReleaseEnd, 3 * EI / L3, 3 * EI / L2, 3 * EI / L, 0, 0, 0},
        {kReleaseStart, 3 * EI / L3, 0, 0, 0, 3 * EI / L2, 3 * EI / L},
        {kReleaseBoth, 0, 0, 0, 0, 0, 0},
        {7, 0, 0, 0, 0, 0, 0},  // no such type: no bending stiffness
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "release " << c.release);
        double k[8], K[7][7];
        MemberBendingTerms(c.release, k);
        MemberGlobalStiffness(Member(L, 0), k, K);
        EXPECT_DOUBLE_EQ(K[1][1], EA / L);
        EXPECT_DOUBLE_EQ(K[2][2], c.yy);
        EXPECT_DOUBLE_EQ(K[2][3], c.yRs);
        EXPECT_DOUBLE_EQ(K[3][3], c.RsRs);
        EXPECT_DOUBLE_EQ(K[3][6], c.RsRe);
        EXPECT_DOUBLE_EQ(K[2][6], c.yRe);
        EXPECT_DOUBLE_EQ(K[6][6], c.ReRe);
    }
}

TEST(FrameMathTest, FixedEndActionsMatchTheBeamTables) {
    // Loads on L = 100 ft, downward (negative along local y). Expected: force on the start,
    // moment on the start, force on the end, moment on the end (counter-clockwise positive).
    struct Case {
        const char* name;
        int release;
        bool uniform;
        double P, a;  // klf or kip; ft
        double Vs, Ms, Ve, Me;
    };
    const double L = 100.0;
    const Case cases[] = {
        // wL/2 = 100, wL^2/12 = 1666.67
        {"uniform, fixed", kReleaseNone, true, -2, 0, 100, 1666.6666666667, 100, -1666.6666666667},
        // propped cantilever: 5wL/8 = 125 and wL^2/8 = 2500 at the fixed end, 3wL/8 = 75
        {"uniform, hinge at end", kReleaseEnd, true, -2, 0, 125, 2500, 75, 0},
        {"uniform, hinge at start", kReleaseStart, true, -2, 0, 75, 0, 125, -2500},
        {"uniform, hinges at both ends", kReleaseBoth, true, -2, 0, 100, 0, 100, 0},
        // P/2 = 20, PL/8 = 500
        {"point at midspan, fixed", kReleaseNone, false, -40, 50, 20, 500, 20, -500},
        // propped cantilever, point at midspan: 11P/16 = 27.5, 3PL/16 = 750, 5P/16 = 12.5
        {"point at midspan, hinge at end", kReleaseEnd, false, -40, 50, 27.5, 750, 12.5, 0},
        // a = 25, b = 75: P b^2 (L + 2a)/L^3 = 64 x 5625 x 150 / 1e6 = 54,
        // P a b^2/L^2 = 900, P a^2 (L + 2b)/L^3 = 10, P a^2 b/L^2 = 300
        {"point at quarter span, fixed", kReleaseNone, false, -64, 25, 54, 900, 10, -300},
        // hinge at the start, fixed end 75 ft from the load: M = P a b (L + b)/(2L^2) with
        // a = 75, b = 25: 750; hinge reaction (64 x 75 - 750)/100 = 40.5; 64 - 40.5 = 23.5
        {"point at quarter span, hinge at start", kReleaseStart, false, -64, 25, 40.5, 0, 23.5,
         -750},
        // simple beam: P b/L = 48 and P a/L = 16
        {"point at quarter span, hinges at both ends", kReleaseBoth, false, -64, 25, 48, 0, 16, 0},
        {"point at the start node", kReleaseNone, false, -40, 0, 40, 0, 0, 0},
        {"point at the end node", kReleaseNone, false, -40, 100, 0, 0, 40, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const FixedEndActions fixed = c.uniform ? UniformLoadFixedEndActions(c.P, L)
                                                : ConcentratedLoadFixedEndActions(c.P, c.a, L);
        const FixedEndActions f = ReleaseFixedEndActions(fixed, c.release, L);
        EXPECT_NEAR(f.Vs, c.Vs, 1e-9);
        EXPECT_NEAR(f.Ms, c.Ms, 1e-7);
        EXPECT_NEAR(f.Ve, c.Ve, 1e-9);
        EXPECT_NEAR(f.Me, c.Me, 1e-7);
        // Equilibrium of the member: forces, and moments about the start node.
        const double load = c.uniform ? c.P * L : c.P;
        const double arm = c.uniform ? L / 2 : c.a;
        EXPECT_NEAR(f.Vs + f.Ve + load, 0.0, 1e-9);
        EXPECT_NEAR(f.Ms + f.Me + f.Ve * L + load * arm, 0.0, 1e-7);
    }
}

/// Storage for ReduceBandedEquations with room for the largest model.
struct BandedSystem {
    std::unique_ptr<double[][kStiffnessRowStride]> K{
        new double[kMaxFrameEquations + 2][kStiffnessRowStride]()};
    std::vector<double> Q = std::vector<double>(kMaxFrameEquations + 2, 0.0);
    double (*Rows())[kStiffnessRowStride] { return K.get(); }
};

TEST(FrameMathTest, BandedSolverSolvesTheSystem) {
    // A diagonally dominant symmetric band matrix (so positive definite) and a chosen solution
    // x_i = 1 + i/7; Q = A x built from a dense copy. Covers a band wider than the system, one
    // equation, and the widest band the storage holds.
    const int shapes[][2] = {{1, 1}, {5, 2}, {4, 6}, {12, 6}, {60, 20}, {kMaxFrameEquations, 6}};
    for (const auto& shape : shapes) {
        const int n = shape[0], w = shape[1];
        SCOPED_TRACE(::testing::Message() << "n = " << n << ", w = " << w);
        BandedSystem s;
        std::vector<std::vector<double>> A(n + 1, std::vector<double>(n + 1, 0.0));
        for (int i = 1; i <= n; ++i) {
            s.K[i][1] = A[i][i] = 2.0 * w + i % 3;
            for (int j = 2; j <= w && i + j - 1 <= n; ++j)
                s.K[i][j] = A[i][i + j - 1] = A[i + j - 1][i] = -1.0 / j - 0.1 * ((i + j) % 2);
        }
        std::vector<double> x(n + 1);
        for (int i = 1; i <= n; ++i) x[i] = 1.0 + i / 7.0;
        for (int i = 1; i <= n; ++i) {
            s.Q[i] = 0.0;
            for (int j = 1; j <= n; ++j) s.Q[i] += A[i][j] * x[j];
        }
        ASSERT_TRUE(ReduceBandedEquations(s.Rows(), s.Q.data(), n, w));
        for (int i = 1; i <= n; ++i) EXPECT_NEAR(s.Q[i], x[i], 1e-12 * x[i]) << "x" << i;
    }
}

TEST(FrameMathTest, BandedSolverRefusesWhatItCannotSolve) {
    struct Case {
        const char* name;
        int n, w;
        std::vector<std::vector<double>> band;  // rows 1..n, columns 1..w
    };
    const Case cases[] = {
        {"zero diagonal", 2, 2, {{0, 0}, {1, 0}}},
        {"singular pair: a free body between two springs", 2, 2, {{1, -1}, {1, 0}}},
        {"near singular: pivot 1e-14 of its diagonal", 2, 2, {{1, -1}, {1 + 1e-14, 0}}},
        {"negative pivot", 1, 1, {{-3}}},
        {"pivot not a number", 1, 1, {{std::nan("")}}},
        {"more equations than the storage", kMaxFrameEquations + 1, 1, {}},
        {"band wider than the storage", 2, kMaxFrameBandWidth + 1, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BandedSystem s;
        for (std::size_t i = 0; i < c.band.size(); ++i) {
            for (std::size_t j = 0; j < c.band[i].size(); ++j) s.K[i + 1][j + 1] = c.band[i][j];
            s.Q[i + 1] = 1.0;
        }
        EXPECT_FALSE(ReduceBandedEquations(s.Rows(), s.Q.data(), c.n, c.w));
    }
}

}  // namespace
}  // namespace kordel

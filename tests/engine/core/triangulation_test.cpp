// Ear clipping of the end faces: the exact triangles of small polygons in the walk's order,
// polygons that cannot be cut, and random star-shaped outlines cut whole.
#include "engine/core/triangulation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <ostream>
#include <random>
#include <vector>

namespace kordel {

void PrintTo(const Point2F& p, std::ostream* os) {
    *os << "(" << p.x << ", " << p.y << ")";
}

namespace {

using Points = std::vector<Point2F>;

TEST(Triangulation, SmallPolygonsInTheOrderOfTheWalk) {
    struct Case {
        const char* name;
        Points polygon;
        Points triangles;  // three points each, in output order
    };
    const Case cases[] = {
        // The first test starts at the last corner.
        {"triangle counter-clockwise", {{0, 0}, {1, 0}, {0, 1}}, {{0, 1}, {0, 0}, {1, 0}}},
        {"triangle clockwise", {{0, 0}, {0, 1}, {1, 0}}, {{0, 0}, {1, 0}, {0, 1}}},
        {"unit square counter-clockwise",
         {{0, 0}, {1, 0}, {1, 1}, {0, 1}},
         {{0, 1}, {0, 0}, {1, 0}, {1, 0}, {1, 1}, {0, 1}}},
        {"unit square clockwise",
         {{0, 0}, {0, 1}, {1, 1}, {1, 0}},
         {{0, 0}, {1, 0}, {1, 1}, {1, 1}, {0, 1}, {0, 0}}},
        // Four triangles, none over the notch at (1, 1).
        {"L-shaped hexagon",
         {{0, 0}, {2, 0}, {2, 1}, {1, 1}, {1, 2}, {0, 2}},
         {{0, 0},
          {2, 0},
          {2, 1},
          {1, 1},
          {1, 2},
          {0, 2},
          {0, 0},
          {2, 1},
          {1, 1},
          {1, 1},
          {0, 2},
          {0, 0}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Points out;
        EXPECT_TRUE(TriangulatePolygon(c.polygon, out));
        EXPECT_EQ(out, c.triangles);
    }
}

TEST(Triangulation, AFaceThatCannotBeCutGetsNoTriangles) {
    // Whatever the output held before stays, and nothing is added: a face is closed whole or
    // left open, never drawn as part of a fan.
    const Point2F kept{7, 7};
    struct Case {
        const char* name;
        Points polygon;
    };
    const Case cases[] = {
        // Every ear test fails: eight failed tests, then false.
        {"four collinear points", {{0, 0}, {1, 0}, {2, 0}, {3, 0}}},
        {"two points", {{0, 0}, {1, 1}}},
        // The repeated closing corner blocks every ear that has it as a corner: the walk clips
        // the ears away from it first, then stops with a partial fan.
        {"closing point repeated",
         {{0, 0}, {4, 0}, {4, 1}, {2, 2}, {4, 3}, {4, 4}, {0, 4}, {0, 0}}},
        // A bow tie crosses itself.
        {"bow tie", {{0, 0}, {2, 2}, {2, 0}, {0, 2}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Points out{kept, kept, kept};
        EXPECT_FALSE(TriangulatePolygon(c.polygon, out));
        EXPECT_EQ(out, (Points{kept, kept, kept}));
    }
}

TEST(Triangulation, AreaAndPredicates) {
    const Points square = {{0, 0}, {2, 0}, {2, 2}, {0, 2}};
    EXPECT_EQ(PolygonSignedArea(square), 4.0f);
    EXPECT_EQ(PolygonSignedArea(Points(square.rbegin(), square.rend())), -4.0f);
    // On an edge and on a corner count as inside; just outside does not.
    EXPECT_TRUE(PointInTriangle(0, 0, 2, 0, 0, 2, 1, 1));
    EXPECT_TRUE(PointInTriangle(0, 0, 2, 0, 0, 2, 0, 0));
    EXPECT_FALSE(PointInTriangle(0, 0, 2, 0, 0, 2, 1.01f, 1.0f));
}

TEST(Triangulation, RandomStarShapedOutlinesAreCutWhole) {
    // Corners at increasing angles around the origin with random radii: a simple polygon that
    // the walk must cut into n - 2 counter-clockwise triangles covering exactly its area.
    std::mt19937 rng(20240611);
    std::uniform_real_distribution<float> radius(20.0f, 60.0f);
    for (int trial = 0; trial < 200; ++trial) {
        const int n = 3 + trial % 60;
        Points polygon;
        for (int k = 0; k < n; ++k) {
            const double angle = 2 * std::numbers::pi * k / n;
            const float r = radius(rng);
            polygon.push_back({static_cast<float>(static_cast<double>(r) * std::cos(angle)),
                               static_cast<float>(static_cast<double>(r) * std::sin(angle))});
        }
        if (trial % 2 == 1) polygon = Points(polygon.rbegin(), polygon.rend());
        SCOPED_TRACE("trial " + std::to_string(trial) + ", " + std::to_string(n) + " corners");
        Points out;
        ASSERT_TRUE(TriangulatePolygon(polygon, out));
        ASSERT_EQ(out.size(), static_cast<std::size_t>(3 * (n - 2)));
        double covered = 0;
        for (std::size_t t = 0; t < out.size(); t += 3) {
            const float a = PolygonSignedArea(Points(out.begin() + t, out.begin() + t + 3));
            EXPECT_GT(a, 0.0f) << "triangle " << t / 3;
            covered += static_cast<double>(a);
        }
        const double area = std::abs(static_cast<double>(PolygonSignedArea(polygon)));
        EXPECT_NEAR(covered, area, 1e-4 * area);
    }
}

}  // namespace
}  // namespace kordel

// Plane properties of point lists against hand calculations and a published girder section, and
// the part of an outline or a circle below a cut.
#include "engine/core/polygon.h"

#include <gtest/gtest.h>

#include <array>
#include <initializer_list>

namespace kordel {
namespace {

/// A point list as the document holds one: a count and fixed rows of (x, y), in.
struct Points {
    Points(std::initializer_list<std::array<double, 2>> points) {
        for (const auto& q : points) {
            p[n][kPointX] = q[0];
            p[n][kPointY] = q[1];
            ++n;
        }
    }
    int n = 0;
    double p[kMaxOutlinePoints][kPointValueCount] = {};
};

struct Properties {
    double A;   // in2
    double yb;  // in
    double I;   // in4, about yb
};

Properties Compute(const Points& p) {
    Properties r{};
    GetPointListAreaAndCentroid(p.n, p.p, r.A, r.yb);
    GetPointListInertia(p.n, p.p, r.yb, r.I);
    return r;
}

// Rectangle 6 wide, 10 high, closed, clockwise with y up.
const Points kRectangle = {{0, 0}, {0, 10}, {6, 10}, {6, 0}, {0, 0}};

// PCI BT-72 bulb-tee: bottom flange 26 x 6 with a 4.5 in taper to the 6 in web, top flange 42 wide
// and 3.5 thick with a 2 in taper and a 2 x 2 fillet; 72 in high.
const Points kBt72 = {{-13, 0},    {-13, 6},  {-3, 10.5}, {-3, 64.5}, {-5, 66.5},
                      {-21, 68.5}, {-21, 72}, {21, 72},   {21, 68.5}, {5, 66.5},
                      {3, 64.5},   {3, 10.5}, {13, 6},    {13, 0},    {-13, 0}};

TEST(PolygonTest, ClosedShapesAgainstHandCalculation) {
    struct Case {
        const char* name;
        Points points;
        Properties expected;
    };
    const Case cases[] = {
        // b h = 60; h / 2 = 5; b h^3 / 12 = 6 x 1000 / 12 = 500.
        {"rectangle clockwise", kRectangle, {60.0, 5.0, 500.0}},
        // The same outline the other way round: area and inertia change sign, the centroid not.
        {"rectangle counter-clockwise",
         {{0, 0}, {6, 0}, {6, 10}, {0, 10}, {0, 0}},
         {-60.0, 5.0, -500.0}},
        // Isosceles triangle, base 8, height 9: b h / 2 = 36; h / 3 = 3; b h^3 / 36 = 8 x 729 / 36
        // = 162.
        {"isosceles triangle", {{0, 0}, {4, 9}, {8, 0}, {0, 0}}, {36.0, 3.0, 162.0}},
        // Right triangle, base 5, height 12: 30; 4; 5 x 1728 / 36 = 240.
        {"right triangle", {{0, 0}, {0, 12}, {5, 0}, {0, 0}}, {30.0, 4.0, 240.0}},
        // Rectangle 6 x 10 raised 4 in off the axis: the region below y = 0 cancels out.
        {"raised rectangle", {{0, 4}, {0, 14}, {6, 14}, {6, 4}, {0, 4}}, {60.0, 9.0, 500.0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Properties r = Compute(c.points);
        EXPECT_NEAR(r.A, c.expected.A, 1e-9) << "area, in2";
        EXPECT_NEAR(r.yb, c.expected.yb, 1e-9) << "centroid, in";
        EXPECT_NEAR(r.I, c.expected.I, 1e-9) << "inertia about the centroid, in4";
    }
}

TEST(PolygonTest, PublishedBulbTeeSection) {
    // PCI Bridge Design Manual, bulb-tee section properties, BT-72: A = 767 in2, yb = 36.60 in,
    // I = 545,894 in4. The outline gives 767.0, 36.604 and 545,857 (the published inertia is
    // rounded from the drawn fillets): tolerances 0.5 in2, 0.01 in and 0.05 % (273 in4).
    const Properties r = Compute(kBt72);
    EXPECT_NEAR(r.A, 767.0, 0.5);
    EXPECT_NEAR(r.yb, 36.60, 0.01);
    EXPECT_NEAR(r.I, 545894.0, 0.0005 * 545894.0);
    EXPECT_DOUBLE_EQ(GetPointListHeight(kBt72.n, kBt72.p), 72.0);
}

TEST(PolygonTest, DegenerateListsGiveZero) {
    const Points one = {{3, 7}};
    double A = -1, yb = -1, I = -1;
    GetPointListAreaAndCentroid(1, one.p, A, yb);
    GetPointListInertia(1, one.p, 2.0, I);
    EXPECT_EQ(A, 0.0);
    EXPECT_EQ(yb, 0.0);
    EXPECT_EQ(I, 0.0);
    GetPointListAreaAndCentroid(0, one.p, A, yb);
    EXPECT_EQ(A, 0.0);
    EXPECT_EQ(yb, 0.0);

    // Every edge on y = 0: area 0 and centroid 0, not 0 / 0.
    const Points flat = {{0, 0}, {5, 0}, {9, 0}, {0, 0}};
    GetPointListAreaAndCentroid(flat.n, flat.p, A, yb);
    EXPECT_EQ(A, 0.0);
    EXPECT_EQ(yb, 0.0);

    // Height: identical points 0; an empty list 0 without reading a point.
    const Points same = {{1, 4}, {1, 4}, {1, 4}};
    EXPECT_EQ(GetPointListHeight(same.n, same.p), 0.0);
    EXPECT_EQ(GetPointListHeight(0, nullptr), 0.0);
}

TEST(PolygonTest, ChainLengthCountsTheListedEdgesOnly) {
    // The square of side 12 listed without its closing point has three sides, 36 in; closed, 48.
    const Points open = {{-6, 0}, {-6, 12}, {6, 12}, {6, 0}};
    const Points closed = {{-6, 0}, {-6, 12}, {6, 12}, {6, 0}, {-6, 0}};
    EXPECT_DOUBLE_EQ(PolylineLength(open.n, open.p), 36.0);
    EXPECT_DOUBLE_EQ(PolylineLength(closed.n, closed.p), 48.0);
    // A 3-4-5 edge, and a repeated point that adds nothing.
    const Points slanted = {{0, 0}, {3, 4}, {3, 4}};
    EXPECT_DOUBLE_EQ(PolylineLength(slanted.n, slanted.p), 5.0);
    EXPECT_EQ(PolylineLength(1, slanted.p), 0.0);
    EXPECT_EQ(PolylineLength(0, nullptr), 0.0);
}

TEST(PolygonTest, RepeatedPointsCloseUp) {
    struct Case {
        const char* name;
        Points points;
        Points expected;
    };
    const Case cases[] = {
        {"a run of four shrinks to one", {{1, 2}, {1, 2}, {1, 2}, {1, 2}, {3, 4}}, {{1, 2}, {3, 4}}},
        {"runs between other points",
         {{0, 0}, {0, 6}, {0, 6}, {5, 6}, {5, 6}, {5, 6}, {0, 0}},
         {{0, 0}, {0, 6}, {5, 6}, {0, 0}}},
        // Only neighbours count: the closing point stays, and so does a point equal in x alone.
        {"closing point and equal x kept", {{0, 0}, {0, 1}, {0, 0}}, {{0, 0}, {0, 1}, {0, 0}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Points p = c.points;
        const int n = RemoveRepeatedPoints(p.p, p.n);
        ASSERT_EQ(n, c.expected.n);
        for (int i = 0; i < n; ++i) {
            EXPECT_EQ(p.p[i][kPointX], c.expected.p[i][kPointX]) << "point " << i;
            EXPECT_EQ(p.p[i][kPointY], c.expected.p[i][kPointY]) << "point " << i;
        }
    }
    EXPECT_EQ(RemoveRepeatedPoints(nullptr, 0), 0);
    EXPECT_EQ(RemoveRepeatedPoints(nullptr, -3), 0) << "a negative count counts as none";
}

TEST(PolygonTest, AreaBelowACut) {
    struct Case {
        const char* name;
        Points points;
        double y;         // cut, in
        double expected;  // in2
    };
    const Case cases[] = {
        // 6 x 4 below the cut.
        {"rectangle cut at 4", kRectangle, 4.0, 24.0},
        {"rectangle cut at its bottom", kRectangle, 0.0, 0.0},
        {"rectangle cut above its top", kRectangle, 12.0, 60.0},
        // A single point above the cut: the peak of the triangle (base 8, height 9) cut at 4.5
        // leaves 36 less the similar top triangle of a quarter its area, 36 - 9 = 27. Both edges
        // of the peak cross the cut.
        {"triangle peak", {{0, 0}, {4, 9}, {8, 0}, {0, 0}}, 4.5, 27.0},
        // The rectangle listed from its top-left corner: the clipped list ends on a crossing and
        // is closed again along the cut, 6 x 4.
        {"outline starting above the cut", {{0, 10}, {6, 10}, {6, 0}, {0, 0}, {0, 10}}, 4.0, 24.0},
        // BT-72 at the top of its bottom flange: 26 x 6.
        {"BT-72 bottom flange", kBt72, 6.0, 156.0},
        // BT-72 at mid-web: 156 + taper (26 + 6) / 2 x 4.5 = 72 + web 6 x 25.5 = 153.
        {"BT-72 at 36 in", kBt72, 36.0, 381.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_NEAR(PointListAreaBelow(c.points.n, c.points.p, c.y), c.expected, 1e-9);
    }
}

TEST(PolygonTest, CircleBelowACut) {
    // Circle r = 3 in about yc = 10 in, pi taken as 3.1415: whole 3.1415 x 9 = 28.2735 in2.
    // A cut 1.5 in from the centre: theta = 2 acos(1.5 / 3) = 2.094395; the segment beyond it is
    // (2.094395 - sin 2.094395) x 9 / 2 = (2.0943951 - 0.8660254) x 4.5 = 5.5276637.
    constexpr double pi = 3.1415;
    struct Case {
        const char* name;
        double y;         // cut, in
        double expected;  // in2
    };
    const Case cases[] = {
        {"above the top", 14.0, 28.2735},
        {"at the top", 13.0, 28.2735},
        {"below the bottom", 6.5, 0.0},
        {"at the bottom", 7.0, 0.0},
        {"at the centre", 10.0, 14.13675},
        {"within 0.01 in of the centre", 10.009, 14.13675},
        {"1.5 in above the centre", 11.5, 28.2735 - 5.5276637},
        {"1.5 in below the centre", 8.5, 5.5276637},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_NEAR(CircleAreaBelow(10.0, 3.0, c.y, pi), c.expected, 1e-6);
    }
    EXPECT_EQ(CircleAreaBelow(10.0, 0.0, 12.0, pi), 0.0) << "a void of no radius";
}

}  // namespace
}  // namespace kordel

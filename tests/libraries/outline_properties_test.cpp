// Section properties from outlines: one table of outlines against hand calculations and the
// published properties of the AASHTO and PCI girders, the cases of the section tools, a Green's
// theorem cross-check on random polygons, and outlines that describe no section.
#include "libraries/outline_properties.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <initializer_list>
#include <limits>
#include <numbers>
#include <optional>
#include <random>
#include <vector>

#include "test_support.h"

namespace kordel::test {
namespace {

/// A point list as the section tools hold one: a count and fixed rows of (x, y), in.
struct Points {
    Points() = default;
    Points(std::initializer_list<std::array<double, 2>> points) {
        for (const auto& q : points) Add(q[0], q[1]);
    }
    void Add(double x, double y) {
        p[n][kPointX] = x;
        p[n][kPointY] = y;
        ++n;
    }
    int n = 0;
    double p[kMaxOutlinePoints][kPointValueCount] = {};
};

/// The closed outline of a section symmetric about x = 0 from its left half (bottom left corner
/// up to the left end of the top): the half, its mirror image in reverse order, the first point.
Points Symmetric(std::initializer_list<std::array<double, 2>> half) {
    Points p;
    for (const auto& q : half) p.Add(q[0], q[1]);
    const int h = p.n;
    for (int i = h - 1; i >= 0; --i) p.Add(-p.p[i][kPointX], p.p[i][kPointY]);
    p.Add(p.p[0][kPointX], p.p[0][kPointY]);
    return p;
}

/// An AASHTO I-beam: height h, top flange tf wide and t1 thick over a 45-degree haunch of c1,
/// web bw, bottom haunch c2 and bottom flange bf wide and t2 thick.
Points AashtoIBeam(double h, double tf, double t1, double c1, double bw, double c2, double bf,
                   double t2) {
    return Symmetric({{-bf / 2, 0},
                      {-bf / 2, t2},
                      {-bw / 2, t2 + c2},
                      {-bw / 2, h - t1 - c1},
                      {-tf / 2, h - t1},
                      {-tf / 2, h}});
}

/// A PCI bulb-tee of height h: bottom flange 26 x 6 tapering over 4.5 in to the 6-in web, top
/// flange 42 wide and 3.5 thick at its edge, its underside rising 2 in to a 2 x 2 fillet.
Points PciBulbTee(double h) {
    return Symmetric(
        {{-13, 0}, {-13, 6}, {-3, 10.5}, {-3, h - 7.5}, {-5, h - 5.5}, {-21, h - 3.5}, {-21, h}});
}

struct Expected {
    double A;    // in2
    double yb;   // in
    double Ixx;  // in4
    double Iyy;  // in4
    double P;    // in
};

struct Tolerance {
    double A;    // in2
    double yb;   // in
    double Ixx;  // share of Ixx
};

constexpr Tolerance kExact = {1e-9, 1e-9, 1e-12};
/// Published values rounded to whole in2, hundredths of an inch and about four figures of the
/// inertia (and drawn with fillets the outline leaves out): 0.5 in2, 0.01 in, 0.05 %.
constexpr Tolerance kPublished = {0.5, 0.01, 5e-4};

const double (*const kNoCircles)[kCircularVoidValueCount] = nullptr;

TEST(OutlineProperties, OutlinesAgainstHandCalculationsAndPublishedProperties) {
    const double pi = kSectionPi;
    const double circle2[1][kCircularVoidValueCount] = {{0, 6, 2}};
    const double circles12[2][kCircularVoidValueCount] = {{0, 2, 1}, {0, 5, 2}};
    const Points square = {{-6, 0}, {-6, 12}, {6, 12}, {6, 0}, {-6, 0}};
    const Points none;
    struct Case {
        const char* name;
        Points outline;
        Points hole;
        int circles;
        const double (*circle)[kCircularVoidValueCount];
        Expected e;
        Tolerance tol;
    };
    const Case cases[] = {
        // b h = 144; h / 2 = 6; b h^3 / 12 = 1728 both ways; 4 x 12.
        {"square", square, none, 0, kNoCircles, {144, 6, 1728, 1728, 48}, kExact},
        // Listed without its closing point: the closing edge lies on y = 0 and adds no area, but
        // the perimeter counts three sides.
        {"square, three sides listed",
         {{-6, 0}, {-6, 12}, {6, 12}, {6, 0}},
         none,
         0,
         kNoCircles,
         {144, 6, 1728, 1728, 36},
         kExact},
        {"square listed the other way",
         {{-6, 0}, {6, 0}, {6, 12}, {-6, 12}, {-6, 0}},
         none,
         0,
         kNoCircles,
         {144, 6, 1728, 1728, 48},
         kExact},
        // Drawn below y = 0 the centroid lies below it, and the inertia is taken about it there.
        {"square below y = 0",
         {{-6, -12}, {-6, 0}, {6, 0}, {6, -12}, {-6, -12}},
         none,
         0,
         kNoCircles,
         {144, -6, 1728, 1728, 48},
         kExact},
        // A circle r = 2 at the centre: 144 - 4 pi; 1728 - pi 2^4 / 4 both ways.
        {"square with a circle",
         square,
         none,
         1,
         circle2,
         {144 - 4 * pi, 6, 1728 - 4 * pi, 1728 - 4 * pi, 48},
         kExact},
        // Circles r = 1 at y = 2 and r = 2 at y = 5: areas pi and 4 pi, centroid 22/5 = 4.4;
        // yb = (864 - 5 pi x 4.4)/(144 - 5 pi) = 6.195902582; Ixx about yb, each circle with its
        // own centre height: 1646.892809. Iyy = 1728 - 17 pi / 4 (both on x = 0).
        {"square with two circles",
         square,
         none,
         2,
         circles12,
         {144 - 5 * pi, 6.195902582, 1646.892809, 1728 - 17 * pi / 4, 48},
         {1e-9, 1e-9, 1e-9}},
        // Right triangle b = h = 6: 18; 2h/3 = 4; b h^3 / 36 = 36 both ways; 12 + 6 sqrt 2.
        {"triangle",
         {{0, 0}, {0, 6}, {6, 6}, {0, 0}},
         none,
         0,
         kNoCircles,
         {18, 4, 36, 36, 12 + 6 * std::numbers::sqrt2},
         kExact},
        // A void 4 x 6 (listed clockwise) in a 10 x 12 rectangle, 2 in up: 96 in2;
        // yb = (120 x 6 - 24 x 5)/96 = 6.25; Ixx = 1440 + 120 x 0.0625 - (72 + 24 x 1.5625)
        // = 1338; Iyy = 1000 - 32 = 968.
        {"rectangle with a void",
         {{-5, 0}, {-5, 12}, {5, 12}, {5, 0}, {-5, 0}},
         {{-2, 2}, {-2, 8}, {2, 8}, {2, 2}, {-2, 2}},
         0,
         kNoCircles,
         {96, 6.25, 1338, 968, 44},
         kExact},
        // AASHTO I-beams, PCI Bridge Design Manual, 3rd ed., Ch. 5, properties of the standard
        // sections (A in2, yb in, I in4);
        // Iyy by trapezoids about the centreline, sum h (a + b)(a^2 + b^2) / 48; P by the sides.
        // Type I: 28 high, flanges 12 x 4 and 16 x 5, web 6, haunches 3 and 5.
        {"AASHTO Type I",
         AashtoIBeam(28, 12, 4, 3, 6, 5, 16, 5),
         none,
         0,
         kNoCircles,
         {276, 12.59, 22750, 3352.3333, 90.6274},
         kPublished},
        // Type II: 36 high, flanges 12 x 6 and 18 x 6, web 6, haunches 3 and 6.
        {"AASHTO Type II",
         AashtoIBeam(36, 12, 6, 3, 6, 6, 18, 6),
         none,
         0,
         kNoCircles,
         {369, 15.83, 50980, 5332.5, 109.4558},
         kPublished},
        // Type III: 45 high, flanges 16 x 7 and 22 x 7, web 7, haunches 4.5 and 7.5.
        {"AASHTO Type III",
         AashtoIBeam(45, 16, 7, 4.5, 7, 7.5, 22, 7),
         none,
         0,
         kNoCircles,
         {560, 20.27, 125390, 12216.5625, 137.9411},
         kPublished},
        // Type IV: 54 high, flanges 20 x 8 and 26 x 8, web 8, haunches 6 and 9.
        {"AASHTO Type IV",
         AashtoIBeam(54, 20, 8, 6, 8, 9, 26, 8),
         none,
         0,
         kNoCircles,
         {789, 24.73, 260730, 24373.5, 166.4264},
         kPublished},
        // PCI bulb-tees, PCI Bridge Design Manual, 3rd ed., Ch. 5, properties of the standard
        // sections; Iyy by trapezoids.
        {"PCI BT-54",
         PciBulbTee(54),
         none,
         0,
         kNoCircles,
         {659, 27.63, 268077, 37310.3333, 218.8376},
         kPublished},
        {"PCI BT-63",
         PciBulbTee(63),
         none,
         0,
         kNoCircles,
         {713, 32.12, 392638, 37472.3333, 236.8376},
         kPublished},
        {"PCI BT-72",
         PciBulbTee(72),
         none,
         0,
         kNoCircles,
         {767, 36.60, 545894, 37634.3333, 254.8376},
         kPublished},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto r = ComputeSectionProperties(c.outline.n, c.outline.p, c.hole.n, c.hole.p,
                                                c.circles, c.circle, false);
        ASSERT_TRUE(r);
        EXPECT_NEAR(r->area, c.e.A, c.tol.A) << "A, in2";
        EXPECT_NEAR(r->centroid, c.e.yb, c.tol.yb) << "yb, in";
        EXPECT_NEAR(r->inertia, c.e.Ixx, c.tol.Ixx * c.e.Ixx) << "Ixx, in4";
        EXPECT_NEAR(r->inertiaY, c.e.Iyy, 1e-4 * std::max(1.0, c.e.Iyy) + 1e-4) << "Iyy, in4";
        EXPECT_NEAR(r->perimeter, c.e.P, 1e-4) << "P, in";
        EXPECT_NEAR(r->volumeToSurface, r->area / r->perimeter, 1e-12) << "V/S, in";
    }
}

TEST(OutlineProperties, TheBoxBeamOfExampleTwoWithItsVoid) {
    // AASHTO BIII-48 as example design 2 carries it (A 813 in2, yb 19.29 in, I 168,367 in4, the
    // published values): its outline with the shear keys drawn to two decimals gives 813.37 in2,
    // 19.30 in and 168,617 in4, 0.15 % over the published inertia.
    auto doc = CKordelDoc::CreateObject();
    ASSERT_TRUE(doc->BuildExampleDesign(2));
    const auto r = ComputeSectionProperties(
        doc->m_nOutlinePointCount, doc->m_adOutline, doc->m_nVoidPointCount, doc->m_adVoidOutline,
        doc->m_nCircularVoidCount, doc->m_adCircularVoid, false);
    ASSERT_TRUE(r);
    EXPECT_NEAR(r->area, doc->m_dSectionArea, 0.5);
    EXPECT_NEAR(r->centroid, doc->m_dSectionYb, 0.02);
    EXPECT_NEAR(r->inertia, doc->m_dSectionIxx, 2e-3 * doc->m_dSectionIxx);
    EXPECT_NEAR(r->centroidX, 24, 1e-9) << "the centreline, from the leftmost point";
}

TEST(OutlineProperties, USRoundingOfTheDefaultIGirder) {
    // Example design 1's PCI_BT_72 is the generator's default I-girder, 15 points once the
    // repeated point is gone: A 767, yb 36.60, V/S 3.01 rounded; P 254.8376 and ybyy 21 not.
    auto doc = CKordelDoc::CreateObject();
    ASSERT_TRUE(doc->BuildExampleDesign(1));
    ASSERT_EQ(doc->m_nOutlinePointCount, 15);
    const auto r = ComputeSectionProperties(doc->m_nOutlinePointCount, doc->m_adOutline, 0, nullptr,
                                            0, kNoCircles, true);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->area, 767);
    EXPECT_EQ(r->area, doc->m_dSectionArea);
    EXPECT_DOUBLE_EQ(r->centroid, 36.60);
    EXPECT_DOUBLE_EQ(r->volumeToSurface, 3.01);
    EXPECT_NEAR(r->perimeter, 254.8376, 1e-4);
    EXPECT_DOUBLE_EQ(r->centroidX, 21);
    EXPECT_EQ(r->inertia, 545857) << "545,857.218 to a whole number";
    EXPECT_EQ(r->inertiaY, 37634) << "37,634.333 to a whole number";
}

TEST(OutlineProperties, HalvesRoundUp) {
    EXPECT_EQ(RoundWhole(766.5), 767);
    EXPECT_EQ(RoundWhole(766.49), 766);
    EXPECT_DOUBLE_EQ(RoundTwoDecimals(36.605), 36.61);
    EXPECT_DOUBLE_EQ(RoundTwoDecimals(36.6036), 36.60);
    EXPECT_DOUBLE_EQ(RoundTwoDecimals(3.0149), 3.01);
}

TEST(OutlineProperties, AnOpenOutlineCountsTheAreaUnderItsListedEdges) {
    // (0, 0), (0, 6), (6, 6) leaves the region under the top edge: 36 in2; closed, the triangle
    // is 18 in2.
    // Turned a quarter turn the open chain encloses nothing: no values about the vertical axis.
    const Points open = {{0, 0}, {0, 6}, {6, 6}};
    const Points closed = {{0, 0}, {0, 6}, {6, 6}, {0, 0}};
    const auto r = ComputeSectionProperties(open.n, open.p, 0, nullptr, 0, kNoCircles, false);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->area, 36);
    EXPECT_EQ(r->centroid, 3);
    EXPECT_EQ(r->inertiaY, 0);
    EXPECT_EQ(r->centroidX, 0);
    EXPECT_EQ(ComputeSectionProperties(closed.n, closed.p, 0, nullptr, 0, kNoCircles, false)->area,
              18);
}

/// Green's theorem on a closed polygon (the closing point repeated), independently of the
/// routines: A = 1/2 sum c, yb = sum (y_i + y_j) c / 6A, Ix0 = sum (y_i^2 + y_i y_j + y_j^2) c /
/// 12, with c = x_i y_j - x_j y_i; taken about the centroid, and likewise in x.
Expected Greens(const Points& p) {
    double A = 0, Sx = 0, Sy = 0, Ix = 0, Iy = 0, P = 0;
    for (int i = 0; i + 1 < p.n; ++i) {
        const double xi = p.p[i][0], yi = p.p[i][1], xj = p.p[i + 1][0], yj = p.p[i + 1][1];
        const double c = xi * yj - xj * yi;
        A += c / 2;
        Sy += (yi + yj) * c / 6;
        Sx += (xi + xj) * c / 6;
        Ix += (yi * yi + yi * yj + yj * yj) * c / 12;
        Iy += (xi * xi + xi * xj + xj * xj) * c / 12;
        P += std::hypot(xj - xi, yj - yi);
    }
    const double yb = Sy / A, xb = Sx / A;
    return {std::abs(A), yb, std::abs(Ix - A * yb * yb), std::abs(Iy - A * xb * xb), P};
}

TEST(OutlineProperties, GreensTheoremOnRandomPolygons) {
    // Star-shaped polygons (simple, corners at increasing angles) anywhere in the plane, in
    // either direction and starting at any corner: the properties agree with Green's theorem,
    // and moving the polygon or starting it elsewhere changes only what it must.
    std::mt19937 rng(7103);
    std::uniform_real_distribution<double> radius(5, 40), shift(-50, 50);
    for (int trial = 0; trial < 300; ++trial) {
        SCOPED_TRACE("trial " + std::to_string(trial));
        const int corners = 3 + trial % 80;
        const double cx = shift(rng), cy = shift(rng);
        std::vector<std::array<double, 2>> ring;
        for (int k = 0; k < corners; ++k) {
            const double angle = 2 * std::numbers::pi * k / corners;
            const double r = radius(rng);
            ring.push_back({cx + r * std::cos(angle), cy + r * std::sin(angle)});
        }
        if (trial % 3 == 0) std::reverse(ring.begin(), ring.end());
        const auto close = [&](int start, double dx, double dy) {
            Points p;
            for (int k = 0; k <= corners; ++k) {
                const auto& q = ring[static_cast<std::size_t>((start + k) % corners)];
                p.Add(q[0] + dx, q[1] + dy);
            }
            return p;
        };
        const Points p = close(0, 0, 0);
        const Expected g = Greens(p);
        const auto r = ComputeSectionProperties(p.n, p.p, 0, nullptr, 0, kNoCircles, false);
        ASSERT_TRUE(r);
        const double scale = g.A * 40 * 40;  // in4, of the size of the inertias
        EXPECT_NEAR(r->area, g.A, 1e-9 * g.A);
        EXPECT_NEAR(r->centroid, g.yb, 1e-9 * 50);
        EXPECT_NEAR(r->inertia, g.Ixx, 1e-9 * scale);
        EXPECT_NEAR(r->inertiaY, g.Iyy, 1e-9 * scale);
        EXPECT_NEAR(r->perimeter, g.P, 1e-9 * g.P);

        // Moved by (dx, dy), started at another corner: the centroid moves by dy, nothing else.
        const double dx = shift(rng), dy = shift(rng);
        const Points moved = close(1 + trial % corners, dx, dy);
        const auto m = ComputeSectionProperties(moved.n, moved.p, 0, nullptr, 0, kNoCircles, false);
        ASSERT_TRUE(m);
        EXPECT_NEAR(m->area, r->area, 1e-9 * g.A);
        EXPECT_NEAR(m->centroid, r->centroid + dy, 1e-9 * 100);
        EXPECT_NEAR(m->inertia, r->inertia, 1e-9 * scale);
        EXPECT_NEAR(m->inertiaY, r->inertiaY, 1e-9 * scale);
        EXPECT_NEAR(m->centroidX, r->centroidX, 1e-9 * 100) << "from the leftmost point";
        EXPECT_NEAR(m->perimeter, r->perimeter, 1e-9 * g.P);
    }
}

TEST(OutlineProperties, CoordinatesThatDescribeNoSectionGiveNone) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double bigCircle[1][kCircularVoidValueCount] = {{0, 6, 20}};
    struct Case {
        const char* name;
        Points outline;
        Points hole;
        int circles;
        const double (*circle)[kCircularVoidValueCount];
    };
    const Points square = {{-6, 0}, {-6, 12}, {6, 12}, {6, 0}, {-6, 0}};
    const Case cases[] = {
        {"no points", {}, {}, 0, kNoCircles},
        {"one point", {{1, 1}}, {}, 0, kNoCircles},
        {"collinear points", {{0, 0}, {5, 5}, {10, 10}, {0, 0}}, {}, 0, kNoCircles},
        {"a point not a number", {{0, 0}, {0, nan}, {6, 6}, {0, 0}}, {}, 0, kNoCircles},
        {"a void larger than the outline",
         square,
         {{-8, 0}, {-8, 14}, {8, 14}, {8, 0}, {-8, 0}},
         0,
         kNoCircles},
        {"a circle larger than the outline", square, {}, 1, bigCircle},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(ComputeSectionProperties(c.outline.n, c.outline.p, c.hole.n, c.hole.p,
                                              c.circles, c.circle, true));
    }
    // Counts beyond the arrays are not read.
    EXPECT_FALSE(ComputeSectionProperties(kMaxOutlinePoints + 1, square.p, 0, nullptr, 0,
                                          kNoCircles, false));
    EXPECT_FALSE(ComputeSectionProperties(square.n, square.p, -1, nullptr, 0, kNoCircles, false));
    EXPECT_FALSE(ComputeSectionProperties(square.n, square.p, 0, nullptr, kMaxCircularVoids + 1,
                                          bigCircle, false));
}

}  // namespace
}  // namespace kordel::test

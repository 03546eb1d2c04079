// The parametric section shapes: the default outline of every type point by point, the fillet
// arcs, the torsion constant, the default strand template, and dimensions that describe no
// section.
#include "libraries/section_generator.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <numbers>
#include <string>
#include <vector>

namespace kordel::test {
namespace {

using XY = std::array<double, 2>;

/// The outline of a shape as a list of points.
std::vector<XY> OutlineOf(const SectionShape& s) {
    std::vector<XY> p;
    for (int i = 0; i < s.outlineCount; ++i) p.push_back({s.outline[i][0], s.outline[i][1]});
    return p;
}

/// A closed outline from its left half: the half, its mirror image in reverse, the first point.
std::vector<XY> Mirrored(const std::vector<XY>& half) {
    std::vector<XY> all = half;
    for (auto it = half.rbegin(); it != half.rend(); ++it) all.push_back({-(*it)[0], (*it)[1]});
    all.push_back(half.front());
    return all;
}

void ExpectPoints(const std::vector<XY>& actual, const std::vector<XY>& expected, double tol) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE("point " + std::to_string(i));
        EXPECT_NEAR(actual[i][0], expected[i][0], tol) << "x";
        EXPECT_NEAR(actual[i][1], expected[i][1], tol) << "y";
    }
}

TEST(SectionGenerator, DefaultOutlinesPointByPoint) {
    struct Case {
        int type;
        std::vector<XY> outline;  // as built, repeated points included
        double tol;               // in; the published values of the U-beam A to four decimals
    };
    const Case cases[] = {
        {kGenIGirder,
         Mirrored({{-13, 0},
                   {-13, 6},
                   {-3, 10.5},
                   {-3, 10.5},
                   {-3, 64.5},
                   {-5, 66.5},
                   {-21, 68.5},
                   {-21, 72}}),
         1e-12},
        {kGenBoxBeam,
         {{-18, 0},
          {-18, 27},
          {-17.25, 27.75},
          {-17.25, 32.625},
          {-17.625, 33},
          {-17.625, 39},
          {17.625, 39},
          {17.625, 33},
          {17.25, 32.625},
          {17.25, 27.75},
          {18, 27},
          {18, 0},
          {-18, 0}},
         1e-12},
        {kGenUBeamA,
         Mirrored({{-29.53, 0},
                   {-47.7375, 72.83},
                   {-33.9575, 72.83},
                   {-33.9575, 70.86},
                   {-31.0075, 70.86},
                   {-31.0075, 65.94},
                   {-36.6728, 61.02},
                   {-23.8778, 9.84},
                   {-20.9278, 6.89}}),
         5e-5},
        {kGenUBeamB,
         Mirrored({{-28, 0},
                   {-44, 64},
                   {-53, 65},
                   {-53, 72},
                   {-37, 72},
                   {-37, 51},
                   {-27.5, 13},
                   {-24.5, 10}}),
         1e-12},
        {kGenSlab,
         Mirrored({{-24, 0},
                   {-24, 14},
                   {-23.25, 14.75},
                   {-23.25, 17.625},
                   {-23.625, 18},
                   {-23.625, 21}}),
         1e-12},
        {kGenDoubleTee,
         {{-27, 0},
          {-28, 30},
          {-42, 30},
          {-42, 32},
          {42, 32},
          {42, 30},
          {28, 30},
          {27, 0},
          {21, 0},
          {20, 30},
          {-20, 30},
          {-21, 0},
          {-27, 0}},
         1e-12},
        // The deck from -30 to 30 at 72 over its underside at 68; the girder's flange from -21
        // to 21 between 64.5 and 68.
        {kGenDeckedBulbTee,
         Mirrored({{-13, 0},
                   {-13, 6},
                   {-3, 10.5},
                   {-3, 10.5},
                   {-3, 60.5},
                   {-5, 62.5},
                   {-21, 64.5},
                   {-21, 68},
                   {-30, 68},
                   {-30, 72}}),
         1e-12},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("type " + std::to_string(c.type));
        const SectionShape s = BuildSectionShape(DefaultGeneratorInput(c.type, kUnitsUS));
        ExpectPoints(OutlineOf(s), c.outline, c.tol);
        EXPECT_EQ(s.sectionType, SectionTypeOfGenerator(c.type));
    }
}

TEST(SectionGenerator, DefaultSummaryValuesAndVoids) {
    // The I-girder: 17 points as built, 15 once the repeated point and its mirror are gone.
    const Generation girder = GenerateSection(DefaultGeneratorInput(kGenIGirder, kUnitsUS));
    ASSERT_TRUE(girder.Ok()) << girder.error;
    EXPECT_EQ(girder.section.shape.outlineCount, 15);
    EXPECT_EQ(girder.section.shape.webCount, 1);
    EXPECT_EQ(girder.section.shape.height, 72);
    EXPECT_EQ(girder.section.shape.voidCount, 0);
    const Generation decked = GenerateSection(DefaultGeneratorInput(kGenDeckedBulbTee, kUnitsUS));
    ASSERT_TRUE(decked.Ok()) << decked.error;
    EXPECT_EQ(decked.section.shape.outlineCount, 19);
    EXPECT_EQ(decked.section.shape.topFlangeWidth, 42) << "the girder's flange, not the deck";

    // The box beam's void, clockwise and closed; bwo = 36 - 5/2 - 5/2, Loc = 18 - 5/2.
    const SectionShape box = BuildSectionShape(DefaultGeneratorInput(kGenBoxBeam, kUnitsUS));
    std::vector<XY> hole;
    for (int i = 0; i < box.voidCount; ++i) {
        hole.push_back({box.voidOutline[i][0], box.voidOutline[i][1]});
    }
    ExpectPoints(
        hole,
        {{-10, 5}, {-13, 8}, {-13, 31}, {-10, 34}, {10, 34}, {13, 31}, {13, 8}, {10, 5}, {-10, 5}},
        1e-12);
    EXPECT_EQ(box.bwo, 31);
    EXPECT_EQ(box.webLocation, 15.5);
    EXPECT_EQ(box.webCount, 2);

    EXPECT_NEAR(BuildSectionShape(DefaultGeneratorInput(kGenUBeamB, kUnitsUS)).webLocation, 28,
                1e-12);

    // The slab's three voids (radii 6, 5, 6): 21 - 12 above and below, (48 - 34)/2 of web.
    const SectionShape slab = BuildSectionShape(DefaultGeneratorInput(kGenSlab, kUnitsUS));
    EXPECT_EQ(slab.circleCount, 3);
    EXPECT_EQ(slab.topFlangeThickness, 9);
    EXPECT_EQ(slab.bottomFlangeThickness, 9);
    EXPECT_EQ(slab.webWidth, 7);
    EXPECT_EQ(slab.webLocation, 22);

    // Three legs: 17 points, the web location one leg spacing.
    GeneratorInput tee = DefaultGeneratorInput(kGenDoubleTee, kUnitsUS);
    tee.widths[6] = 3;
    tee.widths[1] = 118;
    const SectionShape three = BuildSectionShape(tee);
    EXPECT_EQ(three.outlineCount, 17);
    EXPECT_EQ(three.webCount, 3);
    EXPECT_EQ(three.webLocation, 48);
    EXPECT_TRUE(GenerateSection(tee).Ok());
}

TEST(SectionGenerator, EveryDefaultSectionGeneratesInBothUnits) {
    for (int type = 0; type < kGeneratorTypeCount; ++type) {
        for (const int units : {kUnitsUS, 2}) {
            SCOPED_TRACE("type " + std::to_string(type) + ", units " + std::to_string(units));
            const Generation g = GenerateSection(DefaultGeneratorInput(type, units));
            ASSERT_TRUE(g.Ok()) << g.error;
            const OutlineSectionProperties& p = g.section.properties;
            EXPECT_GT(p.area, 0);
            EXPECT_GT(p.inertia, 0);
            EXPECT_GT(p.inertiaY, 0);
            EXPECT_GT(g.section.torsionConstant, 0);
            if (units == kUnitsUS) {
                EXPECT_EQ(g.section.torsionConstant, std::trunc(g.section.torsionConstant))
                    << "a US J is a whole number";
            }
        }
    }
}

TEST(SectionGenerator, PropertiesAndTorsionConstantOfTheDefaults) {
    // The I-girder with the US rounding: A 767, yb 36.60, V/S 3.01; J from the rounded values.
    const Generation girder = GenerateSection(DefaultGeneratorInput(kGenIGirder, kUnitsUS));
    ASSERT_TRUE(girder.Ok());
    const OutlineSectionProperties& p = girder.section.properties;
    EXPECT_EQ(p.area, 767);
    EXPECT_DOUBLE_EQ(p.centroid, 36.60);
    EXPECT_DOUBLE_EQ(p.volumeToSurface, 3.01);
    EXPECT_NEAR(p.perimeter, 254.8376, 1e-4);
    EXPECT_DOUBLE_EQ(p.centroidX, 21);
    EXPECT_EQ(p.inertia, std::trunc(p.inertia));
    EXPECT_EQ(p.inertiaY, std::trunc(p.inertiaY));
    const double A = 767;
    EXPECT_EQ(girder.section.torsionConstant,
              std::trunc(A * A * A * A / (40 * (p.inertia + p.inertiaY)) + 0.5));

    // The box beam as a thin-walled tube: b = 31, h = 34, A0 = 1054, sum s/t = 26;
    // 4 x 1054^2 / 26 = 170910.15, the fraction dropped.
    const Generation box = GenerateSection(DefaultGeneratorInput(kGenBoxBeam, kUnitsUS));
    ASSERT_TRUE(box.Ok());
    EXPECT_EQ(box.section.torsionConstant, 170910);

    // U-beam B, open thin walls: Lw = sqrt(62^2 + 25^2); (56 x 10^3 + 2 Lw 5.5^3) / 3.
    const Generation ub = GenerateSection(DefaultGeneratorInput(kGenUBeamB, kUnitsUS));
    ASSERT_TRUE(ub.Ok());
    const double lw = std::hypot(62.0, 25.0);
    EXPECT_EQ(ub.section.torsionConstant,
              std::trunc((56 * 1000 + 2 * lw * 5.5 * 5.5 * 5.5) / 3 + 0.5));

    // The double tee: (84 x 2^3 + 2 x 30 x 7^3) / 3 = 7084.
    const Generation tee = GenerateSection(DefaultGeneratorInput(kGenDoubleTee, kUnitsUS));
    ASSERT_TRUE(tee.Ok());
    EXPECT_EQ(tee.section.torsionConstant, 7084);

    // A metric J stays as computed, in m4.
    const GeneratorInput metric = DefaultGeneratorInput(kGenBoxBeam, 2);
    const Generation boxM = GenerateSection(metric);
    ASSERT_TRUE(boxM.Ok());
    const double f = 0.0254;
    const double expectedJ = 4 * 1054.0 * 1054 / 26 * f * f * f * f;  // m4
    EXPECT_NEAR(boxM.section.torsionConstant, expectedJ, 1e-12 * expectedJ);
    EXPECT_NE(boxM.section.torsionConstant, std::trunc(boxM.section.torsionConstant));
}

TEST(SectionGenerator, MetricShearKeysInSinglePrecision) {
    // The box beam's keys in metres: 6, 6, 0.75 and 0.375 in, each times 0.0254 in single
    // precision (0.1524, 0.1524, 0.01905, 0.009525 m).
    const GeneratorInput in = DefaultGeneratorInput(kGenBoxBeam, 2);
    const SectionShape s = BuildSectionShape(in);
    const float f = 0.0254f;
    const double u = 6.0f * f, l = 6.0f * f, r = 0.75f * f, k = 0.375f * f;
    EXPECT_NEAR(u, 0.1524, 1e-7);
    EXPECT_NEAR(k, 0.009525, 1e-8);
    const double x = in.widths[1] / 2, d1 = in.depths[1];
    EXPECT_EQ(s.outline[1][1], d1 - (u + l));
    EXPECT_EQ(s.outline[2][0], -x + r);
    EXPECT_EQ(s.outline[3][1], d1 - u - k);
    EXPECT_EQ(s.outline[4][0], -x + k);
    // The slab's web location: 2 in from its edge.
    EXPECT_NEAR(BuildSectionShape(DefaultGeneratorInput(kGenSlab, 2)).webLocation,
                (24 - 2) * 0.0254, 1e-15);
}

/// Centre and radius of the circle through three points.
struct Circle {
    double cx, cy, r;
};
Circle Through(const XY& a, const XY& b, const XY& c) {
    const double d = 2 * (a[0] * (b[1] - c[1]) + b[0] * (c[1] - a[1]) + c[0] * (a[1] - b[1]));
    const double a2 = a[0] * a[0] + a[1] * a[1];
    const double b2 = b[0] * b[0] + b[1] * b[1];
    const double c2 = c[0] * c[0] + c[1] * c[1];
    const double cx = (a2 * (b[1] - c[1]) + b2 * (c[1] - a[1]) + c2 * (a[1] - b[1])) / d;
    const double cy = (a2 * (c[0] - b[0]) + b2 * (a[0] - c[0]) + c2 * (b[0] - a[0])) / d;
    return {cx, cy, std::hypot(a[0] - cx, a[1] - cy)};
}

/// The eleven points of a fillet from `first` on: the nine arc points lie on one circle of
/// radius R, the two tangent points on it to within the approximation of the right angle by
/// 1.57, and the points follow each other along the arc in even steps.
void ExpectFillet(const std::vector<XY>& p, std::size_t first, double R) {
    SCOPED_TRACE("fillet from point " + std::to_string(first));
    ASSERT_LE(first + kArcPointCount + 1, p.size());
    const Circle c = Through(p[first + 1], p[first + 5], p[first + 9]);
    EXPECT_NEAR(c.r, R, 1e-9 * R);
    for (std::size_t i = first + 1; i < first + kArcPointCount; ++i) {
        EXPECT_NEAR(std::hypot(p[i][0] - c.cx, p[i][1] - c.cy), R, 1e-9 * R) << "arc point " << i;
    }
    for (const std::size_t i : {first, first + kArcPointCount}) {
        EXPECT_NEAR(std::hypot(p[i][0] - c.cx, p[i][1] - c.cy), R, 2e-3 * R)
            << "tangent point " << i;
    }
    // Even steps along the arc: no step doubles back or jumps across the circle.
    const double step =
        std::hypot(p[first + 2][0] - p[first + 1][0], p[first + 2][1] - p[first + 1][1]);
    for (std::size_t i = first; i < first + kArcPointCount; ++i) {
        EXPECT_NEAR(std::hypot(p[i + 1][0] - p[i][0], p[i + 1][1] - p[i][1]), step, 0.05 * step)
            << "step " << i;
    }
}

TEST(SectionGenerator, WebFilletsOfTheDefaultIGirder) {
    // Web fillets of radius 2: 13 + 4 x 10 = 53 points. The lower fillet runs from the bottom
    // flange's slope at (-4.1803, 9.9689) to the web at (-3, 11.7943); the upper one from the
    // web at (-3, 64.7085) to the top flange's underside at (-4.7806, 66.6978).
    GeneratorInput in = DefaultGeneratorInput(kGenIGirder, kUnitsUS);
    in.curvedWebFillets = 1;
    in.depths[8] = 2;
    in.depths[9] = 2;
    const std::vector<XY> p = OutlineOf(BuildSectionShape(in));
    ASSERT_EQ(p.size(), 53u);
    ExpectPoints({p[2], p[12], p[13], p[23]},
                 {{-4.1803, 9.9689}, {-3, 11.7943}, {-3, 64.7085}, {-4.7806, 66.6978}}, 5e-5);
    ExpectFillet(p, 2, 2);
    ExpectFillet(p, 13, 2);
    // The centres lie R off the web, outside the concrete: the arcs fill the re-entrant corners.
    EXPECT_NEAR(Through(p[3], p[7], p[11]).cx, -5, 1e-9);
    EXPECT_NEAR(Through(p[14], p[18], p[22]).cy, 64.7085, 5e-5);
    ASSERT_TRUE(GenerateSection(in).Ok());

    // Radii of 0: the plain corners, 13 points.
    in.depths[8] = 0;
    in.depths[9] = 0;
    EXPECT_EQ(BuildSectionShape(in).outlineCount, 13);
}

TEST(SectionGenerator, FlangeAndBothFilletsLieOnTheirCircles) {
    // Every mode of both filleted types with every radius 1.5: each fillet is eleven points on a
    // circle of radius 1.5, the counts are 13 or 17 (21 decked) plus 20 a fillet, and the
    // outline stays a section.
    struct Case {
        int type;
        int web;
        int flange;
        int points;
        std::vector<std::size_t> fillets;  // index of each fillet's first point
    };
    const Case cases[] = {
        {kGenIGirder, 0, 1, 57, {1, 16}},       {kGenIGirder, 1, 1, 93, {1, 12, 23, 34}},
        {kGenDeckedBulbTee, 0, 1, 61, {1, 16}}, {kGenDeckedBulbTee, 1, 1, 97, {1, 12, 23, 34}},
        {kGenDeckedBulbTee, 1, 0, 57, {2, 13}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("type " + std::to_string(c.type) + " web " + std::to_string(c.web) +
                     " flange " + std::to_string(c.flange));
        GeneratorInput in = DefaultGeneratorInput(c.type, kUnitsUS);
        in.curvedWebFillets = c.web;
        in.curvedFlangeFillets = c.flange;
        const bool decked = c.type == kGenDeckedBulbTee;
        for (const int k : decked ? std::vector<int>{7, 8} : std::vector<int>{6, 7}) {
            in.widths[k] = 1.5;
        }
        for (const int k : decked ? std::vector<int>{9, 10} : std::vector<int>{8, 9}) {
            in.depths[k] = 1.5;
        }
        const std::vector<XY> p = OutlineOf(BuildSectionShape(in));
        ASSERT_EQ(static_cast<int>(p.size()), c.points);
        for (const std::size_t first : c.fillets) ExpectFillet(p, first, 1.5);
        const Generation g = GenerateSection(in);
        EXPECT_TRUE(g.Ok()) << g.error;
    }
}

TEST(SectionGenerator, AFilletLargerThanItsEdgeFallsBackToTheEdgesEnd) {
    // A bottom flange fillet of radius 40 has a tangent length beyond the 10.97-in slope: its
    // tangent point falls on the slope's far end c3 = (-3, 10.5), which then repeats and goes.
    GeneratorInput in = DefaultGeneratorInput(kGenIGirder, kUnitsUS);
    in.curvedFlangeFillets = 1;
    in.widths[7] = 40;
    const SectionShape s = BuildSectionShape(in);
    ASSERT_EQ(s.outlineCount, 37);
    EXPECT_EQ(s.outline[11][0], -3);
    EXPECT_EQ(s.outline[11][1], 10.5);
    EXPECT_EQ(s.outline[12][0], -3);
    EXPECT_EQ(s.outline[12][1], 10.5);
}

TEST(SectionGenerator, DefaultStrandTemplates) {
    // Bottom flange 26 and height 72 (US I-girder): 6 locations a side at 1, 3 ... 11; row 0 at
    // 2 with 12 positions, 2 draped; 34 rows more at 4 to 70, each 2 positions at 1, draped.
    const StrandTemplate t = BuildDefaultStrandTemplate(kGenIGirder, 26, 72, 0, kUnitsUS);
    EXPECT_EQ(t.layout, 1);
    EXPECT_EQ(t.columnCount, 6);
    ASSERT_EQ(t.rowCount, 35);
    EXPECT_EQ(t.values[0][kTemplateElevation], 2);
    EXPECT_EQ(t.values[0][kTemplatePositions], 12);
    EXPECT_EQ(t.values[0][kTemplateDrapedPositions], 2);
    for (int k = 0; k < 6; ++k) EXPECT_EQ(t.values[0][kTemplateFirstLocation + k], 1 + 2 * k);
    EXPECT_EQ(t.values[0][kTemplateFirstLocation + 6], 0);
    for (int i = 1; i < 35; ++i) {
        SCOPED_TRACE("row " + std::to_string(i));
        EXPECT_EQ(t.values[i][kTemplateElevation], 2 + 2 * i);
        EXPECT_EQ(t.values[i][kTemplatePositions], 2);
        EXPECT_EQ(t.values[i][kTemplateDrapedPositions], 2);
        EXPECT_EQ(t.values[i][kTemplateFirstLocation], 1);
        EXPECT_EQ(t.values[i][kTemplateFirstLocation + 1], 0);
    }
    EXPECT_EQ(t.values[35][kTemplateElevation], 0);

    // A flange of 120 and a height of 120: 27 locations, not 29; 50 rows, not 59.
    const StrandTemplate big = BuildDefaultStrandTemplate(kGenIGirder, 120, 120, 0, kUnitsUS);
    EXPECT_EQ(big.columnCount, 27);
    EXPECT_EQ(big.values[0][kTemplatePositions], 54);
    EXPECT_EQ(big.rowCount, 50);

    // U-beams have one row; the box beam lays its locations from the web location inward.
    EXPECT_EQ(BuildDefaultStrandTemplate(kGenUBeamA, 59.06, 72.83, 25.5, kUnitsUS).rowCount, 1);
    EXPECT_EQ(BuildDefaultStrandTemplate(kGenUBeamB, 56, 72, 28, kUnitsUS).rowCount, 1);
    const Generation box = GenerateSection(DefaultGeneratorInput(kGenBoxBeam, kUnitsUS));
    ASSERT_TRUE(box.Ok());
    const StrandTemplate& bt = box.section.strandTemplate;
    EXPECT_EQ(bt.layout, 2);
    EXPECT_EQ(bt.columnCount, 8);
    for (int k = 0; k < 8; ++k) EXPECT_EQ(bt.values[0][kTemplateFirstLocation + k], 15.5 - 2 * k);
    EXPECT_EQ(bt.values[1][kTemplateFirstLocation], 15.5);

    // A metric template in steps of 0.0508 m.
    const StrandTemplate m =
        BuildDefaultStrandTemplate(kGenIGirder, 26 * 0.0254, 72 * 0.0254, 0, 2);
    EXPECT_EQ(m.columnCount, 6);
    EXPECT_NEAR(m.values[0][kTemplateElevation], 0.0508, 1e-15);
    EXPECT_NEAR(m.values[0][kTemplateFirstLocation + 1], 0.0762, 1e-15);

    // Too low for a second row, or of no height: row 0 alone.
    EXPECT_EQ(BuildDefaultStrandTemplate(kGenIGirder, 26, 3, 0, kUnitsUS).rowCount, 1);
    EXPECT_EQ(BuildDefaultStrandTemplate(kGenIGirder, 26, 0, 0, kUnitsUS).rowCount, 1);
}

TEST(SectionGenerator, DimensionsThatDescribeNoSectionAreRefusedByName) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        const char* what;
        int type;
        char kind;  // 'B' or 'D'
        int slot;
        double value;
        const char* named;  // part of the message
    };
    // D1 = D2 + D3 = 8 for the U-beam B gives its webs no slope.
    const Case cases[] = {
        {"U-beam A without web slope", kGenUBeamA, 'D', 7, 0, "D7"},
        {"U-beam A with web slope not a number", kGenUBeamA, 'D', 7, nan, "D7"},
        {"U-beam B with flat webs", kGenUBeamB, 'D', 1, 8, "D1"},
        {"U-beam B with upright webs", kGenUBeamB, 'B', 1, 74, "B1"},
        {"I-girder without web", kGenIGirder, 'B', 3, 0, "B3"},
        {"I-girder of no depth", kGenIGirder, 'D', 1, 0, "D1"},
        {"I-girder deeper than its flanges allow", kGenIGirder, 'D', 1, 15, "D1"},
        {"I-girder with an infinite flange", kGenIGirder, 'B', 1, inf, "B1"},
        {"decked bulb-tee without deck", kGenDeckedBulbTee, 'D', 8, 0, "D8"},
        {"decked bulb-tee with a deck narrower than its flange", kGenDeckedBulbTee, 'B', 1, 40,
         "B1"},
        {"box beam of no width", kGenBoxBeam, 'B', 1, 0, "B1"},
        {"box beam whose webs fill it", kGenBoxBeam, 'B', 2, 16, "B1"},
        {"box beam lower than its keys", kGenBoxBeam, 'D', 1, 11, "D1"},
        {"slab of no depth", kGenSlab, 'D', 1, 0, "D1"},
        {"double tee of four legs", kGenDoubleTee, 'B', 6, 4, "B6"},
        {"double tee whose legs overhang", kGenDoubleTee, 'B', 1, 60, "B1"},
        {"double tee with a negative leg", kGenDoubleTee, 'B', 3, -6, "B3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        GeneratorInput in = DefaultGeneratorInput(c.type, kUnitsUS);
        (c.kind == 'B' ? in.widths : in.depths)[c.slot] = c.value;
        const Generation g = GenerateSection(in);
        ASSERT_FALSE(g.Ok());
        EXPECT_NE(g.error.find(c.named), std::string::npos) << g.error;
    }

    // Voids that leave no concrete.
    GeneratorInput slab = DefaultGeneratorInput(kGenSlab, kUnitsUS);
    slab.circularVoids[1][kVoidRadius] = 10.5;  // as deep as the slab
    EXPECT_FALSE(GenerateSection(slab).Ok());
    slab = DefaultGeneratorInput(kGenSlab, kUnitsUS);
    slab.circularVoids[1][kVoidCentreX] = -10;  // into its neighbour
    const Generation overlap = GenerateSection(slab);
    ASSERT_FALSE(overlap.Ok());
    EXPECT_NE(overlap.error.find("overlap"), std::string::npos) << overlap.error;
    slab = DefaultGeneratorInput(kGenSlab, kUnitsUS);
    slab.circularVoidCount = 10;
    EXPECT_FALSE(GenerateSection(slab).Ok());

    EXPECT_FALSE(GenerateSection(DefaultGeneratorInput(7, kUnitsUS)).Ok());
    EXPECT_EQ(BuildSectionShape(DefaultGeneratorInput(-1, kUnitsUS)).outlineCount, 0);
}

TEST(SectionGenerator, ArcPointsTurnFromTheStartTowardsTheEnd) {
    // A quarter circle of radius 1 about the origin from (0, -1) to (-1, 0): the start lies
    // straight below the centre (theta0 = 0) and the end to its left, so the offset is
    // subtracted; the last point is at the full sweep.
    double p[4][kPointValueCount];
    ComputeArcPoints(1, std::numbers::pi / 2, 0, 0, 4, 0, -1, -1, 0, p);
    for (int k = 1; k <= 4; ++k) {
        const double a = k * std::numbers::pi / 8;
        EXPECT_NEAR(p[k - 1][0], -std::sin(a), 1e-15);
        EXPECT_NEAR(p[k - 1][1], -std::cos(a), 1e-15);
    }
    // Mirrored: from (0, -1) to (1, 0) the offset is added.
    ComputeArcPoints(1, std::numbers::pi / 2, 0, 0, 4, 0, -1, 1, 0, p);
    EXPECT_NEAR(p[3][0], 1, 1e-15);
    EXPECT_NEAR(p[3][1], 0, 1e-15);
}

}  // namespace
}  // namespace kordel::test

// The section-property provisions on their own: kern points, modular ratios, effective flange
// widths by the Standard Specifications and by Caltrans, composition by the parallel-axis theorem,
// transformed strands, section moduli and the net section about its vertical axis. Every expected
// value carries its hand calculation.
#include "engine/core/aashto_section.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <initializer_list>
#include <vector>

namespace kordel {
namespace {

/// Relative tolerance of values typed from a hand calculation to nine significant digits.
constexpr double kRel = 1e-8;

void ExpectClose(double actual, double expected, const char* what) {
    EXPECT_NEAR(actual, expected, kRel * std::max(1.0, std::abs(expected)))
        << what << ": actual " << actual << ", expected " << expected;
}

/// A point list as the document holds one.
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

// PCI BT-72 as the example designs carry it: A = 767 in2, yb = 36.6 in, I = 545894 in4, h = 72 in.
const Points kBt72 = {{-13, 0},    {-13, 6},  {-3, 10.5}, {-3, 64.5}, {-5, 66.5},
                      {-21, 68.5}, {-21, 72}, {21, 72},   {21, 68.5}, {5, 66.5},
                      {3, 64.5},   {3, 10.5}, {13, 6},    {13, 0},    {-13, 0}};

// ---- Kern points and modular ratios -------------------------------------------------------------

TEST(KernPoints, Bt72AndTheDivisionsTheyNeed) {
    // lower = yb - I/((h - yb) A) = 36.6 - 545894/(35.4 x 767) = 36.6 - 545894/27151.8
    //       = 36.6 - 20.1052601 = 16.4947399 in
    // upper = yb + I/(A yb) = 36.6 + 545894/(767 x 36.6) = 36.6 + 545894/28072.2
    //       = 36.6 + 19.4460712 = 56.0460712 in
    const auto k = KernPointsOf(767, 36.6, 545894, 72);
    ASSERT_TRUE(k);
    ExpectClose(k->lower, 16.4947399, "lower kern");
    ExpectClose(k->upper, 56.0460712, "upper kern");

    // A 12 x 36 rectangle: r^2 = I/A = 46656/432 = 108 in2, kern r^2/c = 108/18 = 6 in each
    // side of mid-height (the middle third).
    const auto r = KernPointsOf(432, 18, 46656, 36);
    ASSERT_TRUE(r);
    ExpectClose(r->lower, 12.0, "rectangle lower kern");
    ExpectClose(r->upper, 24.0, "rectangle upper kern");

    EXPECT_FALSE(KernPointsOf(0, 36.6, 545894, 72)) << "no area";
    EXPECT_FALSE(KernPointsOf(767, 0, 545894, 72)) << "centroid at the bottom";
    EXPECT_FALSE(KernPointsOf(767, 72, 545894, 72)) << "centroid at the top";
}

TEST(ModularRatios, StrandsAndDeck) {
    // Ep/Ec - 1 with Ep = 28500 ksi, Ec = 33000 x 0.15^1.5 x sqrt(6) = 4695.98233 ksi:
    // 6.06901773 - 1 = 5.06901773.
    const double Ec = 4695.98233;
    const auto phi = StrandTransformFactor(28500, Ec);
    ASSERT_TRUE(phi);
    EXPECT_NEAR(*phi, 5.06901773, 1e-8);
    EXPECT_FALSE(StrandTransformFactor(28500, 0)) << "Ec 0";

    // n_d = Ec,deck/Ec = 3834.25351/4695.98233 = sqrt(4/6) = 0.816496581 for 4 and 6 ksi.
    const auto nd = DeckModularRatio(3834.25351, Ec, true);
    ASSERT_TRUE(nd);
    EXPECT_NEAR(*nd, std::sqrt(4.0 / 6.0), 1e-8);
    // A deck that is not composite stays in its own concrete: 1, whatever the moduli.
    EXPECT_EQ(DeckModularRatio(3834.25351, Ec, false), 1.0);
    EXPECT_EQ(DeckModularRatio(0, 0, false), 1.0);
    EXPECT_FALSE(DeckModularRatio(3834.25351, 0, true)) << "composite deck on a girder Ec of 0";
}

// ---- Effective flange width ---------------------------------------------------------------------

TEST(StandardEffectiveWidths, EachLimitGoverns) {
    struct Case {
        const char* what;
        double L, deckWidth, ts, t2, tf, btf, bwo;
        double deck, overlay;  // in
    };
    const Case cases[] = {
        // b_we = min(12 x 3.5 + 6, 20) = 20; deck min(12 x 40/4 = 120, 96, 12 x 7.5 + 20 = 110)
        // = 96; overlay min(120, 96, 12 x 11.5 + 20 = 158) = 96.
        {"deck width", 40, 96, 7.5, 11.5, 3.5, 20, 6, 96, 96},
        // Span 30 ft: 12 x 30/4 = 90 < 96, 110, 158.
        {"quarter span", 30, 96, 7.5, 11.5, 3.5, 20, 6, 90, 90},
        // Deck width 200: 12 x 7.5 + 20 = 110 < 120; with the overlay 158 > 120 governs the span.
        {"slab thickness", 40, 200, 7.5, 11.5, 3.5, 20, 6, 110, 120},
        // A wide flange: b_we = min(12 x 2.5 + 6 = 36, 42) = 36; 12 x 4 + 36 = 84.
        {"web width with the flange", 100, 200, 4, 5, 2.5, 42, 6, 84, 96},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const EffectiveWidths w =
            StandardEffectiveWidths(c.L, c.deckWidth, c.ts, c.t2, c.tf, c.btf, c.bwo);
        ExpectClose(w.deck, c.deck, "deck");
        ExpectClose(w.overlay, c.overlay, "overlay");
    }
}

TEST(CaltransEffectiveWidth, BySkewAndSpacingToSpan) {
    struct Case {
        const char* what;
        CaltransDeck d;
        double expected;  // in
    };
    const Case cases[] = {
        // S/L = 8/20 = 0.4 > 0.32: (1.24 - 0.74 x 0.4) x 96 = 0.944 x 96 = 90.624, more than
        // min(L_c = 12 x 20/4 = 60, b_c = 12 x 7.5 + max(6, 21) = 111) = 60.
        {"factor governs", {20, 8, 30, false, 96, 7.5, 42, 6}, 90.624},
        // S/L = 8/10 = 0.8: (1.24 - 0.592) x 96 = 62.208, more than min(L_c = 30, b_c = 111).
        {"factor over a short span", {10, 8, 30, false, 96, 7.5, 42, 6}, 62.208},
        // S/L = 32/40 = 0.8 with a 50 in deck: 0.648 x 50 = 32.4, less than
        // min(L_c = 12 x 40/4 = 120, b_c = 12 x 2 + max(6, 21) = 45) = 45.
        {"b_c governs", {40, 32, 0, false, 50, 2, 42, 6}, 45},
        // S/L = 9/105 = 0.0857 <= 0.32: the full deck width.
        {"full width", {105, 9, 0, false, 108, 8, 42, 6}, 108},
        {"ratio exactly 0.32", {25, 8, 0, false, 96, 7.5, 42, 6}, 96},
        // Skew 61: min(12 x 8 = 96, L_c = 12 x 105/4 = 315, b_c = 12 x 8 + 21 = 117) = 96.
        {"skew above 60, spacing", {105, 8, 61, false, 108, 8, 42, 6}, 96},
        // Exterior: L_c = 12 x 20/8 = 30, b_c = 6 x 7.5 + max(3, 10.5) = 55.5; skew 70: 30.
        {"skew above 60, exterior", {20, 8, 70, true, 96, 7.5, 42, 6}, 30},
        // Exterior, skew 0, S/L 0.4: max(90.624, min(30, 55.5)) = 90.624.
        {"exterior factor", {20, 8, 0, true, 96, 7.5, 42, 6}, 90.624},
        // Skew 60 exactly takes the spacing-to-span rules.
        {"skew 60", {20, 8, 60, false, 96, 7.5, 42, 6}, 90.624},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto w = CaltransEffectiveWidth(c.d);
        ASSERT_TRUE(w);
        ExpectClose(*w, c.expected, "width");
    }
    // No span: S/L has no value below a skew of 60 degrees; above it no ratio is needed.
    EXPECT_FALSE(CaltransEffectiveWidth({0, 8, 0, false, 96, 7.5, 42, 6}));
    EXPECT_TRUE(CaltransEffectiveWidth({0, 8, 61, false, 96, 7.5, 42, 6}));
}

// ---- Composition --------------------------------------------------------------------------------

TEST(ComposeSection, TeeFromTwoRectanglesAndDegenerateParts) {
    // Web 6 x 30 (A 180 at 15, I 6 x 30^3/12 = 13500) under a flange 40 x 5 (A 200 at 32.5,
    // I 40 x 125/12 = 416.667): A = 380, y = (2700 + 6500)/380 = 24.2105263 in,
    // I = 13500 + 180 x 9.2105263^2 + 416.666667 + 200 x 8.2894737^2
    //   = 13500 + 15270.0831 + 416.666667 + 13743.0748 = 42929.8246 in4.
    const SectionPart parts[] = {{180, 15, 13500}, {200, 32.5, 40 * 125.0 / 12}};
    const auto s = ComposeSection(parts);
    ASSERT_TRUE(s);
    ExpectClose(s->A, 380, "A");
    ExpectClose(s->y, 24.2105263158, "y");
    ExpectClose(s->I, 42929.8245614, "I");

    // A void is a negative part: a 10 x 10 square with a 4 x 4 hole at its centre keeps its
    // centroid, I = 10^4/12 - 4^4/12 = 833.333 - 21.333 = 812 in4.
    const SectionPart holed[] = {{100, 5, 10000.0 / 12}, {-16, 5, -256.0 / 12}};
    const auto h = ComposeSection(holed);
    ASSERT_TRUE(h);
    ExpectClose(h->A, 84, "holed A");
    ExpectClose(h->y, 5, "holed y");
    ExpectClose(h->I, 812, "holed I");

    EXPECT_FALSE(ComposeSection(std::span<const SectionPart>{})) << "no parts";
    const SectionPart nothing[] = {{0, 5, 0}, {0, 40, 0}};
    EXPECT_FALSE(ComposeSection(nothing)) << "no area";
}

TEST(TransformedLayer, DeckTurnedIntoGirderConcrete) {
    // 108 in x 8 in deck on a 72 in girder, n_d = sqrt(4/6) = 0.816496581:
    // A = 0.816496581 x 864 = 705.453046 in2 at 72 + 4 = 76 in; I = 705.453046 x 64/12
    // = 3762.41624 in4.
    const SectionPart d = TransformedLayer(108, 8, 72, std::sqrt(4.0 / 6.0));
    ExpectClose(d.A, 705.453046, "A");
    ExpectClose(d.y, 76, "y");
    ExpectClose(d.I, 3762.41624, "I");
}

TEST(TransformStrands, CentroidFromTheSumInertiaFromEachGroup) {
    // 12 x 36 girder (432 in2, yb 18, I 46656) with two groups of 0.306 in2 at 3 and 5 in,
    // phi = 5: transformed area 5 x 0.612 = 3.06 in2 at 4 in. A = 435.06,
    // y = (3.06 x 4 + 432 x 18)/435.06 = 7788.24/435.06 = 17.9015308 in,
    // I = 46656 + 432 x 0.0984692^2 + 5 x 0.306 x (14.9015308^2 + 12.9015308^2)
    //   = 46656 + 4.18875 + 1.53 x (222.055619 + 166.449496) = 47254.6016 in4.
    const SectionPart girder{432, 18, 46656};
    const SectionPart steel[] = {{0.306, 3, 0}, {0.306, 5, 0}};
    const auto s = TransformStrands(girder, 5, 0.612, 4, steel);
    ASSERT_TRUE(s);
    ExpectClose(s->A, 435.06, "A");
    ExpectClose(s->y, 7788.24 / 435.06, "y");
    const double y = 7788.24 / 435.06;
    ExpectClose(s->I,
                46656 + 432 * (y - 18) * (y - 18) + 1.53 * ((y - 3) * (y - 3) + (y - 5) * (y - 5)),
                "I");
    EXPECT_NEAR(s->I, 47254.6016, 1e-3);

    // The centroid follows the summed area even where it differs from the groups' (a pattern
    // given as a jacking force scales the sum): As = 1.224 at 4 in moves the centroid to
    // (6.12 x 4 + 7776)/438.12 = 17.8046197 in.
    const auto scaled = TransformStrands(girder, 5, 1.224, 4, steel);
    ASSERT_TRUE(scaled);
    ExpectClose(scaled->y, (6.12 * 4 + 7776) / 438.12, "scaled y");

    // phi = 0: the girder itself.
    const auto none = TransformStrands(girder, 0, 0.612, 4, steel);
    ASSERT_TRUE(none);
    ExpectClose(none->A, 432, "phi 0 A");
    ExpectClose(none->y, 18, "phi 0 y");
    ExpectClose(none->I, 46656, "phi 0 I");

    EXPECT_FALSE(TransformStrands({0, 0, 0}, 5, 0, 0, {})) << "no area";
}

TEST(SectionModulus, DistanceTimesRatioAndTheZeroDistance) {
    // 545894/36.6 = 14915.1366 in3; a deck fibre 24.5234388 in above the centroid in deck
    // concrete (n_d 0.816496581): 1120102.32/(24.5234388 x 0.816496581) = 55939.9349 in3.
    ExpectClose(*SectionModulus(545894, 36.6), 14915.1366, "Sb");
    ExpectClose(*SectionModulus(1120102.32, 80 - 55.4765612, std::sqrt(4.0 / 6.0)), 55939.9349,
                "S deck");
    EXPECT_FALSE(SectionModulus(545894, 0)) << "fibre at the centroid";
    EXPECT_FALSE(SectionModulus(545894, 10, 0)) << "deck of no stiffness";
}

// ---- Net section about its vertical axis --------------------------------------------------------

const double (*const kNoCircles)[kCircularVoidValueCount] = nullptr;

TEST(WeakAxis, Bt72OutlineByPieces) {
    // Iyy of the symmetric BT-72 about its centreline, piece by piece (a strip of width w(y)
    // contributes w^3/12 dy; a taper from w1 to w2 over d gives d (w2^4 - w1^4)/(48 (w2 - w1))):
    //   bottom flange 26 x 6:                6 x 26^3/12            =  8788
    //   taper 26 -> 6 over 4.5:     4.5 x (26^4 - 6^4)/(48 x 20)   =  2136
    //   web 6 x 54:                          54 x 6^3/12            =   972
    //   taper 6 -> 10 over 2:         2 x (10^4 - 6^4)/(48 x 4)    =    90.667
    //   taper 10 -> 42 over 2:      2 x (42^4 - 10^4)/(48 x 32)    =  4038.667
    //   top flange 42 x 3.5:               3.5 x 42^3/12           = 21609
    //   Iyy = 37634.333 in4, about x = 21 in from the leftmost point; width 42 in.
    const WeakAxisParts p = WeakAxisPartsOf(kBt72.n, kBt72.p, 0, nullptr, 0, kNoCircles);
    ExpectClose(p.width, 42, "width");
    ExpectClose(p.outline.A, 767, "area");
    const auto xbar = WeakAxisCentroid(p);
    ASSERT_TRUE(xbar);
    ExpectClose(*xbar, 21, "xbar");
    ExpectClose(WeakAxisInertia(p, *xbar), 37634.0 + 1.0 / 3.0, "Iyy");
    EXPECT_EQ(p.polygonalVoid.A, 0.0);
    EXPECT_EQ(p.circularVoids.A, 0.0);
}

TEST(WeakAxis, BoxBeamWithItsPolygonalVoid) {
    // AASHTO BIII-48 box of the example designs, Iyy by strips about the centreline as for the
    // BT-72 (a taper from w1 to w2 over d: d (w2^4 - w1^4)/(48 (w2 - w1))):
    //   48 wide from 0 to 27:          27 x 48^3/12                          = 248832
    //   48 -> 46.5 over 0.75:          0.75 x (48^4 - 46.5^4)/(48 x 1.5)     =   6594.6973
    //   46.5 wide over 4.6:            4.6 x 46.5^3/12                       =  38542.1063
    //   46.5 -> 47.26 over 0.65:       0.65 x (47.26^4 - 46.5^4)/(48 x 0.76) =   5581.1469
    //   47.26 wide over 6:             6 x 47.26^3/12                        =  52777.7846
    //   outline                                                              = 352327.7350
    // Void, 38 x 28 with 3 x 3 chamfers (area 1064 - 4 x 4.5 = 1046 in2): 32 -> 38 over 3, 38
    // wide over 22, 38 -> 32 over 3: 10797.5 + 100598.6667 + 10797.5 = 122193.6667.
    // Net Iyy = 352327.7350 - 122193.6667 = 230134.0683, about the centreline 24 in from the
    // leftmost point.
    const Points outline = {{-24, 0},       {-24, 27},      {-23.25, 27.75}, {-23.25, 32.35},
                            {-23.63, 33},   {-23.63, 39},   {23.63, 39},     {23.63, 33},
                            {23.25, 32.35}, {23.25, 27.75}, {24, 27},        {24, 0},
                            {-24, 0}};
    const Points hole = {{-16, 5.5}, {-19, 8.5}, {-19, 30.5}, {-16, 33.5}, {16, 33.5},
                         {19, 30.5}, {19, 8.5},  {16, 5.5},   {-16, 5.5}};
    const WeakAxisParts p = WeakAxisPartsOf(outline.n, outline.p, hole.n, hole.p, 0, kNoCircles);
    ExpectClose(p.width, 48, "width");
    ExpectClose(p.polygonalVoid.A, -1046, "void area 38 x 28 - 4 x 4.5");
    ExpectClose(p.polygonalVoid.y, 24, "void centroid");
    ExpectClose(p.polygonalVoid.I, -122193.0 - 2.0 / 3.0, "void Iyy");
    const auto xbar = WeakAxisCentroid(p);
    ASSERT_TRUE(xbar);
    ExpectClose(*xbar, 24, "xbar");
    EXPECT_NEAR(WeakAxisInertia(p, *xbar), 230134.068, 1e-3);
}

TEST(WeakAxis, CircularVoidsEachAboutTheirCommonCentroid) {
    // A 40 x 20 rectangle (x -20 to 20) with circles r = 3 at x = -10 and r = 2 at x = 8.
    // Heights from the leftmost point: c1 = 10, c2 = 28. Areas 9 pi and 4 pi (pi = 4 atan 1):
    //   A_c = -13 pi = -40.8407045 in2; c_c = (9 x 10 + 4 x 28)/13 = 15.5384615 in;
    //   I_c = -(9 pi x 5.5384615^2 + 4 pi x 12.4615385^2 + pi (81 + 16)/4) = -2894.91722 in4.
    // Net: x = (800 x 20 - 40.8407045 x 15.5384615)/759.159296 = 20.2400186 in;
    //   Iyy = 800 x 0.2400186^2 + 106666.667 - 40.8407045 x 4.7015571^2 - 2894.91722
    //       = 102915.068 in4 (each circle about its own centre, then to x).
    const Points rect = {{-20, 0}, {-20, 20}, {20, 20}, {20, 0}, {-20, 0}};
    const double circles[2][kCircularVoidValueCount] = {{-10, 10, 3}, {8, 6, 2}};
    const WeakAxisParts p = WeakAxisPartsOf(rect.n, rect.p, 0, nullptr, 2, circles);
    const double pi = 4.0 * std::atan(1.0);
    EXPECT_NEAR(p.circularVoids.A, -13 * pi, 1e-12);
    ExpectClose(p.circularVoids.y, 202.0 / 13.0, "c_c");
    EXPECT_NEAR(p.circularVoids.I, -2894.91722, 1e-5);
    const auto xbar = WeakAxisCentroid(p);
    ASSERT_TRUE(xbar);
    EXPECT_NEAR(*xbar, 20.2400186, 1e-7);
    EXPECT_NEAR(WeakAxisInertia(p, *xbar), 102915.068, 1e-3);
    // With pi = 3.1415 the void area would be 40.8395 in2, 0.0012 in2 less: the value of pi is
    // the one of arctan, not the rounded one of the area-below routine.
    EXPECT_GT(std::abs(p.circularVoids.A) - 13 * 3.1415, 1e-3);

    // Circles of no size have no centroid and take nothing away.
    const double empty[1][kCircularVoidValueCount] = {{5, 5, 0}};
    const WeakAxisParts q = WeakAxisPartsOf(rect.n, rect.p, 0, nullptr, 1, empty);
    EXPECT_EQ(q.circularVoids.A, 0.0);
    EXPECT_EQ(q.circularVoids.y, 0.0);
    EXPECT_EQ(q.circularVoids.I, 0.0);
}

TEST(WeakAxis, NoOutlineHasNoCentroid) {
    const WeakAxisParts p = WeakAxisPartsOf(0, nullptr, 0, nullptr, 0, kNoCircles);
    EXPECT_EQ(p.width, 0.0);
    EXPECT_FALSE(WeakAxisCentroid(p));
    EXPECT_EQ(WeakAxisInertia(p, 0), 0.0);
}

}  // namespace
}  // namespace kordel

// The 3D model of the girder: extent and centring, end faces cut whole, faces that face out of
// the solid they bound, voids, strand lines, and outlines and strand counts beyond the sizes of
// the old fixed lists.
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <vector>

#include "engine/core/polygon.h"
#include "test_support.h"

namespace kordel::test {
namespace {

using Vec = std::array<double, 3>;

Vec Corner(const ModelQuad& q, int k) {
    return {q.vertex[k][0], q.vertex[k][1], q.vertex[k][2]};
}
Vec Minus(const Vec& a, const Vec& b) {
    return {a[0] - b[0], a[1] - b[1], a[2] - b[2]};
}
Vec Cross(const Vec& a, const Vec& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}
double Length(const Vec& a) {
    return std::sqrt(a[0] * a[0] + a[1] * a[1] + a[2] * a[2]);
}

/// Whether section point (z, y) (ft) lies inside the closed outline of `count` points (in).
bool InsideOutline(int count, const double (*points)[kPointValueCount], double z, double y) {
    bool inside = false;
    for (int i = 0, j = count - 1; i < count; j = i++) {
        const double zi = points[i][0] / 12.0, yi = points[i][1] / 12.0;
        const double zj = points[j][0] / 12.0, yj = points[j][1] / 12.0;
        if ((yi > y) != (yj > y) && z < (zj - zi) * (y - yi) / (yj - yi) + zi) inside = !inside;
    }
    return inside;
}

/// Every face with an area has its normal (Q - P) x (R - P) pointing out of the solid that
/// `inside` describes (model coordinates): a step along it from the face's centre leaves the
/// solid, a step against it enters it. Returns the faces that fail.
template <class Inside>
int FacesFacingIn(const std::vector<ModelQuad>& quads, Inside inside) {
    int wrong = 0;
    for (const ModelQuad& q : quads) {
        const Vec n = Cross(Minus(Corner(q, 1), Corner(q, 0)), Minus(Corner(q, 2), Corner(q, 0)));
        const double length = Length(n);
        if (length < 1e-9) continue;
        Vec c{};
        for (int k = 0; k < 3; ++k) {
            for (int axis = 0; axis < 3; ++axis) c[axis] += Corner(q, k)[axis] / 3.0;
        }
        const double step = 1e-3;  // ft
        Vec out = c, in = c;
        for (int axis = 0; axis < 3; ++axis) {
            out[axis] += step * n[axis] / length;
            in[axis] -= step * n[axis] / length;
        }
        if (inside(out) || !inside(in)) ++wrong;
    }
    return wrong;
}

class Model3DTest : public EngineTest {
protected:
    std::unique_ptr<CKordelDoc> Example(int choice) {
        frame.m_nSeedChoice = choice;
        auto doc = NewDoc();
        EXPECT_TRUE(doc->OnNewDocument());
        doc->SetDefaultModelColors();
        return doc;
    }
};

TEST_F(Model3DTest, ExampleOneSpansTheGirderAndClosesItsEnds) {
    auto doc = Example(SeedSimpleSpan);
    doc->BuildModel3D();
    const Model3D& m = doc->m_model3D;
    const double L = doc->m_dGirderLength;       // ft
    const double h = doc->m_dSectionHeight;      // in
    const int n = doc->m_nOutlinePointCount;     // closed: the last point repeats the first
    ASSERT_GT(n, 4);

    // n - 1 sides, then n - 3 triangles at each end for the n - 1 distinct corners.
    EXPECT_EQ(m.sideQuads.size(), std::size_t(n - 1 + 2 * (n - 3)));
    EXPECT_EQ(m.edges.size(), std::size_t(3 * (n - 1)));
    EXPECT_TRUE(m.voidQuads.empty());
    EXPECT_TRUE(m.cylinders.empty());

    float lo[3] = {1e9f, 1e9f, 1e9f}, hi[3] = {-1e9f, -1e9f, -1e9f};
    for (const ModelQuad& q : m.sideQuads) {
        for (const auto& v : q.vertex) {
            for (int k = 0; k < 3; ++k) lo[k] = std::min(lo[k], v[k]), hi[k] = std::max(hi[k], v[k]);
        }
    }
    EXPECT_NEAR(lo[0], -L / 2, 1e-4) << "x from -L/2";
    EXPECT_NEAR(hi[0], L / 2, 1e-4) << "x to L/2";
    EXPECT_NEAR(lo[1], -h / 24, 1e-5) << "y from -h/2";
    EXPECT_NEAR(hi[1], h / 24, 1e-5) << "y to h/2";

    // The triangles of each end face cover the section: their areas add up to its area.
    double area[2] = {0, 0};  // ft2 at x = -L/2 and x = +L/2
    for (std::size_t i = std::size_t(n - 1); i < m.sideQuads.size(); ++i) {
        const ModelQuad& q = m.sideQuads[i];
        EXPECT_EQ(q.vertex[3][0], q.vertex[2][0]);
        EXPECT_EQ(q.vertex[3][1], q.vertex[2][1]) << "a triangle repeats its third corner";
        EXPECT_EQ(q.vertex[0][0], q.vertex[1][0]);
        EXPECT_EQ(q.vertex[0][0], q.vertex[2][0]) << "a triangle lies in an end face";
        const double a =
            0.5 * Length(Cross(Minus(Corner(q, 1), Corner(q, 0)), Minus(Corner(q, 2), Corner(q, 0))));
        area[q.vertex[0][0] > 0 ? 1 : 0] += a;
    }
    double sectionArea = 0, yc = 0;  // in2, in
    GetPointListAreaAndCentroid(n, doc->m_adOutline, sectionArea, yc);
    sectionArea = std::abs(sectionArea) / 144.0;  // ft2
    EXPECT_NEAR(area[0], sectionArea, 0.01 * sectionArea) << "left end face";
    EXPECT_NEAR(area[1], sectionArea, 0.01 * sectionArea) << "right end face";

    // Colours: the faces take colour 0, the edges 0.8 grey.
    EXPECT_EQ(m.sideQuads.front().colour[0], 0.6f);
    EXPECT_EQ(m.edges.front().colour[2], 0.8f);
}

TEST_F(Model3DTest, FacesPointOutOfTheGirderAndOutOfTheVoid) {
    for (int choice : {SeedSimpleSpan, SeedAdjacentBox}) {
        SCOPED_TRACE("example " + std::to_string(choice));
        auto doc = Example(choice);
        doc->BuildModel3D();
        const CKordelDoc& d = *doc;
        const double halfL = d.m_dGirderLength / 2, halfH = d.m_dSectionHeight / 24;
        const double e = kModelVoidEndBlock;
        const auto inGirder = [&](const Vec& p) {
            return std::abs(p[0]) < halfL &&
                   InsideOutline(d.m_nOutlinePointCount, d.m_adOutline, p[2], p[1] + halfH);
        };
        const auto inVoid = [&](const Vec& p) {
            return std::abs(p[0]) < halfL - e &&
                   InsideOutline(d.m_nVoidPointCount, d.m_adVoidOutline, p[2], p[1] + halfH);
        };
        EXPECT_EQ(FacesFacingIn(d.m_model3D.sideQuads, inGirder), 0)
            << "of " << d.m_model3D.sideQuads.size() << " girder faces";
        EXPECT_EQ(FacesFacingIn(d.m_model3D.voidQuads, inVoid), 0)
            << "of " << d.m_model3D.voidQuads.size() << " void faces";
    }
}

TEST_F(Model3DTest, TheBoxBeamsVoidStopsInTheEndBlocks) {
    auto doc = Example(SeedAdjacentBox);
    doc->BuildModel3D();
    const Model3D& m = doc->m_model3D;
    const int n = doc->m_nVoidPointCount;  // 9, closed
    ASSERT_EQ(n, 9);
    EXPECT_EQ(m.voidQuads.size(), std::size_t(n - 1 + 2 * (n - 3)));
    const double L = doc->m_dGirderLength;
    for (const ModelQuad& q : m.voidQuads) {
        for (const auto& v : q.vertex) {
            EXPECT_NEAR(std::abs(double(v[0])), L / 2 - 0.5, 1e-4);
        }
    }

    // Circular voids become cylinders between the end blocks, centred like the faces.
    doc->m_nCircularVoidCount = 2;
    doc->m_adCircularVoid[0][0] = -12, doc->m_adCircularVoid[0][1] = 18, doc->m_adCircularVoid[0][2] = 6;
    doc->m_adCircularVoid[1][0] = 12, doc->m_adCircularVoid[1][1] = 18, doc->m_adCircularVoid[1][2] = 6;
    doc->BuildModel3D();
    ASSERT_EQ(doc->m_model3D.cylinders.size(), 2u);
    const ModelCylinder c = doc->m_model3D.cylinders[1];
    const double h = doc->m_dSectionHeight;  // 39 in
    EXPECT_FLOAT_EQ(c.radius, 0.5f);                               // 6 in
    EXPECT_FLOAT_EQ(c.length, float(L - 1.0));                     // L - 2 x 0.5 ft
    EXPECT_FLOAT_EQ(c.x, float(0.5 - L / 2));                      // starts at the end block
    EXPECT_FLOAT_EQ(c.y, float((18 - h / 2) / 12));                // centre height less h/2
    EXPECT_FLOAT_EQ(c.z, 1.0f);                                    // 12 in across
    EXPECT_FLOAT_EQ(doc->m_model3D.cylinders[0].z, -1.0f);
}

TEST_F(Model3DTest, StrandLinesFollowTheProfile) {
    auto doc = Example(SeedSimpleSpan);
    doc->m_dGirderLength = 100.0;
    doc->m_dDesignSpan = 98.0;
    doc->m_adStationX[kStationLeftDrape] = 39.0;  // hold-down 40 ft from the girder end
    doc->m_nStrandGroupCount = 3;
    auto set = [&](int g, double count, double ye, double ym, double zg) {
        doc->m_aStrandGroup[g][kGroupStrands] = count;
        doc->m_aStrandGroup[g][kGroupElevationEnd] = ye;
        doc->m_aStrandGroup[g][kGroupElevationDrape] = ym;
        doc->m_aStrandGroup[g][kGroupLocation] = zg;
    };
    set(0, 1, 4, 4, 0);     // straight, on the centreline
    set(1, 1, 60, 6, 0);    // draped
    set(2, 2, 2, 2, 9);     // a straight pair 9 in either side
    doc->BuildModel3D();
    const auto& lines = doc->m_model3D.strandQuads;
    ASSERT_EQ(lines.size(), 4u) << "one line per strand";
    const double hh = doc->m_dSectionHeight / 24;  // ft
    const double xs[4] = {-50, -10, 10, 50};       // ends and hold-down points, ft
    struct Expected {
        double y[4];  // in
        double z;     // in
    };
    const Expected expected[4] = {
        {{4, 4, 4, 4}, 0}, {{60, 6, 6, 60}, 0}, {{2, 2, 2, 2}, 9}, {{2, 2, 2, 2}, -9}};
    for (int l = 0; l < 4; ++l) {
        for (int k = 0; k < 4; ++k) {
            SCOPED_TRACE("line " + std::to_string(l) + " point " + std::to_string(k));
            EXPECT_NEAR(lines[l].vertex[k][0], xs[k], 1e-4);
            EXPECT_NEAR(lines[l].vertex[k][1], expected[l].y[k] / 12 - hh, 1e-5);
            EXPECT_NEAR(lines[l].vertex[k][2], expected[l].z / 12, 1e-6);
        }
    }
    EXPECT_EQ(lines[0].colour[0], 0.8f);
}

TEST_F(Model3DTest, AHundredFootGirderSeventyTwoInchesHigh) {
    auto doc = Example(SeedSimpleSpan);
    doc->m_dGirderLength = 100.0;
    doc->m_dSectionHeight = 72.0;
    doc->BuildModel3D();
    float xlo = 1e9f, xhi = -1e9f, ylo = 1e9f, yhi = -1e9f;
    for (const ModelEdge& e : doc->m_model3D.edges) {
        for (const auto& v : e.vertex) {
            xlo = std::min(xlo, v[0]), xhi = std::max(xhi, v[0]);
            ylo = std::min(ylo, v[1]), yhi = std::max(yhi, v[1]);
        }
    }
    EXPECT_FLOAT_EQ(xlo, -50.0f);
    EXPECT_FLOAT_EQ(xhi, 50.0f);
    EXPECT_FLOAT_EQ(ylo, -3.0f);
    EXPECT_FLOAT_EQ(yhi, 3.0f);
}

TEST_F(Model3DTest, TheLargestOutlineAndStrandCountBuildWhole) {
    // A 100-corner outline (101 points, closed) and 200 pair groups: more than the 200 faces,
    // 100 edges and 200 strand lines the model's lists once held.
    auto doc = Example(SeedSimpleSpan);
    doc->m_nOutlinePointCount = kMaxOutlinePoints;
    for (int i = 0; i < kMaxOutlinePoints; ++i) {
        const double t = 2 * std::numbers::pi * (i % (kMaxOutlinePoints - 1)) / (kMaxOutlinePoints - 1);
        doc->m_adOutline[i][0] = 20 * std::cos(t);
        doc->m_adOutline[i][1] = 36 + 36 * std::sin(t);
    }
    doc->m_dSectionHeight = 72;
    doc->m_nStrandGroupCount = kMaxStrandGroups;
    for (int g = 0; g < kMaxStrandGroups; ++g) {
        doc->m_aStrandGroup[g][kGroupStrands] = 2;
        doc->m_aStrandGroup[g][kGroupElevationEnd] = 2 + g % 10;
        doc->m_aStrandGroup[g][kGroupElevationDrape] = 2 + g % 10;
        doc->m_aStrandGroup[g][kGroupLocation] = 1 + g % 15;
    }
    doc->BuildModel3D();
    const Model3D& m = doc->m_model3D;
    EXPECT_EQ(m.sideQuads.size(), 100u + 2 * 98u);
    EXPECT_EQ(m.edges.size(), 300u);
    EXPECT_EQ(m.strandQuads.size(), 400u);
    // The last of each list is whole: the last strand line is the mirror of the last group.
    EXPECT_FLOAT_EQ(m.strandQuads.back().vertex[0][2], -(1 + 199 % 15) / 12.0f);

    // Counts out of range are taken within the arrays' sizes, never past them.
    doc->m_nOutlinePointCount = 5000;
    doc->m_nStrandGroupCount = -3;
    doc->BuildModel3D();
    EXPECT_EQ(doc->m_model3D.edges.size(), 300u);
    EXPECT_TRUE(doc->m_model3D.strandQuads.empty());
}

TEST_F(Model3DTest, AnOutlineThatCannotBeCutHasSidesButNoEndFaces) {
    auto doc = Example(SeedSimpleSpan);
    // A bow tie: its edges cross.
    const double bowTie[5][2] = {{-10, 0}, {10, 36}, {10, 0}, {-10, 36}, {-10, 0}};
    doc->m_nOutlinePointCount = 5;
    for (int i = 0; i < 5; ++i) doc->m_adOutline[i][0] = bowTie[i][0], doc->m_adOutline[i][1] = bowTie[i][1];
    doc->BuildModel3D();
    EXPECT_EQ(doc->m_model3D.sideQuads.size(), 4u);
    // Rebuilt from scratch: nothing of an earlier model stays.
    doc->m_nOutlinePointCount = 0;
    doc->m_nStrandGroupCount = 0;
    doc->BuildModel3D();
    EXPECT_EQ(doc->m_model3D, Model3D{});
}

}  // namespace
}  // namespace kordel::test

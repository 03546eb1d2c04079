// The 3D model of the girder: the outline swept along the girder length, the polygonal void swept
// between the solid end blocks, a cylinder per circular void, the wireframe edges and a line per
// strand along its profile.
#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

#include "document/kordel_doc.h"
#include "engine/core/triangulation.h"

namespace kordel {
namespace {

/// Section coordinates (in) to the model's axes (ft): x along the girder, y up, z across.
struct ModelFrame {
    double halfLength;  ///< L / 2, ft
    double halfHeight;  ///< h / 2, ft
    double scale;

    /// The point `x` ft along the girder at section point (px, py), in.
    void Put(float (&out)[3], double x, double px, double py) const {
        out[0] = static_cast<float>((x - halfLength) * scale);
        out[1] = static_cast<float>((py / 12.0 - halfHeight) * scale);
        out[2] = static_cast<float>(px / 12.0 * scale);
    }
    void Put(float (&out)[3], double x, const Point2F& p) const {
        Put(out, x, static_cast<double>(p.x), static_cast<double>(p.y));
    }
};

/// The points of a closed outline, without its closing point when it repeats the first.
std::vector<Point2F> OutlinePoints(int count, const double (*points)[kPointValueCount]) {
    std::vector<Point2F> out;
    for (int i = 0; i < count; ++i) {
        out.push_back({static_cast<float>(points[i][0]), static_cast<float>(points[i][1])});
    }
    return out;
}

/// The distinct corners of a closed outline for its end faces: a point equal to the one
/// before it is dropped, and so is the closing point.
std::vector<Point2F> FaceCorners(const std::vector<Point2F>& outline) {
    std::vector<Point2F> corners;
    for (const Point2F& p : outline) {
        if (corners.empty() || !(p == corners.back())) corners.push_back(p);
    }
    while (corners.size() > 1 && corners.back() == corners.front()) corners.pop_back();
    return corners;
}

void SetColour(float (&out)[3], const float (&colour)[kColourComponents]) {
    for (int k = 0; k < 3; ++k) out[k] = colour[k];
}

/// Appends the face through `corners`, each a position along the girder (ft) and a section
/// point, in order.
void AppendQuad(const ModelFrame& frame, const std::pair<double, Point2F> (&corners)[4],
                const float (&colour)[kColourComponents], std::vector<ModelQuad>& quads) {
    ModelQuad q;
    for (int k = 0; k < 4; ++k) frame.Put(q.vertex[k], corners[k].first, corners[k].second);
    SetColour(q.colour, colour);
    quads.push_back(q);
}

/// The outline swept from x0 to x1 (ft) as a closed prism: a quad per outline edge, then the
/// triangles of the face at x0 and those of the face at x1. Corners run so that every face's
/// normal (Q - P) x (R - P) points out of the prism, whichever way the outline runs.
void AppendPrism(const std::vector<Point2F>& outline, double x0, double x1,
                 const float (&colour)[kColourComponents], const ModelFrame& frame,
                 std::vector<ModelQuad>& quads) {
    const std::vector<Point2F> corners = FaceCorners(outline);
    // A counter-clockwise outline has the solid on the left of each edge: its side quads are
    // walked against the outline to face outward.
    const bool counterClockwise = corners.size() >= 3 && PolygonSignedArea(corners) > 0.0f;
    for (std::size_t i = 0; i + 1 < outline.size(); ++i) {
        const Point2F& a = counterClockwise ? outline[i + 1] : outline[i];
        const Point2F& b = counterClockwise ? outline[i] : outline[i + 1];
        AppendQuad(frame, {{x0, a}, {x0, b}, {x1, b}, {x1, a}}, colour, quads);
    }
    // The triangulation's triangles run counter-clockwise in the section, which faces -x: as
    // they come at x0, reversed at x1.
    std::vector<Point2F> triangles;
    if (!TriangulatePolygon(corners, triangles)) return;
    for (const double x : {x0, x1}) {
        for (std::size_t t = 0; t + 2 < triangles.size(); t += 3) {
            const Point2F& t0 = triangles[t];
            const Point2F& t1 = x == x0 ? triangles[t + 1] : triangles[t + 2];
            const Point2F& t2 = x == x0 ? triangles[t + 2] : triangles[t + 1];
            AppendQuad(frame, {{x, t0}, {x, t1}, {x, t2}, {x, t2}}, colour, quads);
        }
    }
}

}  // namespace

void CKordelDoc::BuildModel3D() {
    m_fModelScale = 1.0f;
    m_model3D = Model3D{};
    Model3D& model = m_model3D;

    const double L = m_dGirderLength;                // ft
    const double e = kModelVoidEndBlock;             // ft
    const double s = m_fModelScale;
    const ModelFrame frame{L / 2.0, m_dSectionHeight / 24.0, s};
    const float(&faceColour)[kColourComponents] = m_afModelColour[0];

    const int outlineCount = std::clamp(m_nOutlinePointCount, 0, kMaxOutlinePoints);
    const std::vector<Point2F> outline = OutlinePoints(outlineCount, m_adOutline);
    AppendPrism(outline, 0.0, L, faceColour, frame, model.sideQuads);

    const int voidCount = std::clamp(m_nVoidPointCount, 0, kMaxOutlinePoints);
    if (voidCount > 0) {
        AppendPrism(OutlinePoints(voidCount, m_adVoidOutline), e, L - e, faceColour, frame,
                    model.voidQuads);
    }

    const int circleCount = std::clamp(m_nCircularVoidCount, 0, kMaxCircularVoids);
    for (int c = 0; c < circleCount; ++c) {
        const double xc = m_adCircularVoid[c][0];  // in
        const double yc = m_adCircularVoid[c][1];  // in
        const double r = m_adCircularVoid[c][2];   // in
        model.cylinders.push_back(ModelCylinder{
            static_cast<float>(r / 12.0 * s), static_cast<float>((L - 2.0 * e) * s),
            static_cast<float>((e - L / 2.0) * s),
            static_cast<float>((yc - m_dSectionHeight / 2.0) / 12.0 * s),
            static_cast<float>(xc / 12.0 * s)});
    }

    // The edges: each outline edge at both ends, and the line along the girder at its corner.
    for (float& component : m_afModelColour[1]) component = 0.8f;
    const auto edge = [&](double xa, const Point2F& a, double xb, const Point2F& b) {
        ModelEdge line;
        frame.Put(line.vertex[0], xa, a);
        frame.Put(line.vertex[1], xb, b);
        SetColour(line.colour, m_afModelColour[1]);
        model.edges.push_back(line);
    };
    for (std::size_t i = 0; i + 1 < outline.size(); ++i) {
        edge(0.0, outline[i], 0.0, outline[i + 1]);
        edge(L, outline[i + 1], L, outline[i]);
        edge(0.0, outline[i], L, outline[i]);
    }

    // A line per strand: level from the end to the hold-down point, level between the two
    // hold-down points, which lie symmetric about mid-length. A pair adds its mirror image.
    const double a = (L - m_dDesignSpan) / 2.0 + m_adStationX[kStationLeftDrape];  // ft
    const int groupCount = std::clamp(m_nStrandGroupCount, 0, kMaxStrandGroups);
    for (int g = 0; g < groupCount; ++g) {
        const StrandGroup& group = m_aStrandGroup[g];
        const double ye = group[kGroupElevationEnd];    // in
        const double ym = group[kGroupElevationDrape];  // in
        const double zg = group[kGroupLocation];        // in
        const int lines = group[kGroupStrands] == 2 ? 2 : 1;
        for (int k = 0; k < lines; ++k) {
            const double z = k == 0 ? zg : -zg;  // in
            ModelQuad line;
            frame.Put(line.vertex[0], 0.0, z, ye);
            frame.Put(line.vertex[1], a, z, ym);
            frame.Put(line.vertex[2], L - a, z, ym);
            frame.Put(line.vertex[3], L, z, ye);
            SetColour(line.colour, m_afModelColour[2]);
            model.strandQuads.push_back(line);
        }
    }
}

}  // namespace kordel

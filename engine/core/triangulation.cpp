// Ear clipping on a list of the corners still in play, walked counter-clockwise.
#include "engine/core/triangulation.h"

#include <cstddef>

namespace kordel {
namespace {

/// Below this turn (twice the triangle's area) a corner is reflex, straight or too thin to clip.
constexpr float kThinnessLimit = 1e-10f;

/// (a - o) x (b - o), single precision.
float Cross(float ox, float oy, float ax, float ay, float bx, float by) {
    return (ax - ox) * (by - oy) - (ay - oy) * (bx - ox);
}

}  // namespace

float PolygonSignedArea(std::span<const Point2F> points) {
    const std::size_t n = points.size();
    float twice = 0.0f;
    for (std::size_t p = n - 1, q = 0; q < n; p = q++) {
        twice += points[p].x * points[q].y - points[q].x * points[p].y;
    }
    return twice * 0.5f;
}

bool PointInTriangle(float x1, float y1, float x2, float y2, float x3, float y3, float qx,
                     float qy) {
    return Cross(x2, y2, x3, y3, qx, qy) >= 0.0f && Cross(x3, y3, x1, y1, qx, qy) >= 0.0f &&
           Cross(x1, y1, x2, y2, qx, qy) >= 0.0f;
}

bool IsEarAt(std::span<const Point2F> points, int u, int v, int w, int nv, const int* V) {
    const Point2F& p1 = points[V[u]];
    const Point2F& p2 = points[V[v]];
    const Point2F& p3 = points[V[w]];
    if (Cross(p1.x, p1.y, p2.x, p2.y, p3.x, p3.y) < kThinnessLimit) return false;
    for (int p = 0; p < nv; ++p) {
        if (p == u || p == v || p == w) continue;
        const Point2F& q = points[V[p]];
        if (PointInTriangle(p1.x, p1.y, p2.x, p2.y, p3.x, p3.y, q.x, q.y)) return false;
    }
    return true;
}

bool TriangulatePolygon(std::span<const Point2F> points, std::vector<Point2F>& triangles) {
    const int n = static_cast<int>(points.size());
    if (n < 3) return false;

    // The corners in play, always walked counter-clockwise (an area of exactly 0 is reversed).
    std::vector<int> V(static_cast<std::size_t>(n));
    const bool counterClockwise = PolygonSignedArea(points) > 0.0f;
    for (int k = 0; k < n; ++k) V[static_cast<std::size_t>(k)] = counterClockwise ? k : n - 1 - k;

    const std::size_t before = triangles.size();
    int nv = n;
    int attempts = 2 * nv;
    int v = nv - 1;
    while (nv > 2) {
        if (attempts <= 0) {
            triangles.resize(before);
            return false;
        }
        int u = v;
        if (u >= nv) u = 0;
        v = u + 1;
        if (v >= nv) v = 0;
        int w = v + 1;
        if (w >= nv) w = 0;
        if (IsEarAt(points, u, v, w, nv, V.data())) {
            triangles.push_back(points[V[static_cast<std::size_t>(u)]]);
            triangles.push_back(points[V[static_cast<std::size_t>(v)]]);
            triangles.push_back(points[V[static_cast<std::size_t>(w)]]);
            V.erase(V.begin() + v);
            --nv;
            attempts = 2 * nv;
        } else {
            --attempts;
        }
    }
    return true;
}

}  // namespace kordel

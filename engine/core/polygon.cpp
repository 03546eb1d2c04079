// Plane properties of point lists: the region under each edge down to y = 0 is a rectangle and a
// triangle whose signed areas add up to the polygon's.
#include "engine/core/polygon.h"

#include <algorithm>
#include <cmath>

namespace kordel {
namespace {

/// The region under one edge, down to y = 0: a rectangle of height h and a triangle of rise d.
struct EdgePieces {
    double w;   ///< x_k+1 - x_k, in
    double h;   ///< y_k, in
    double d;   ///< y_k+1 - y_k, in
    double Ar;  ///< rectangle area w h, in2
    double yr;  ///< rectangle centroid h / 2, in
    double At;  ///< triangle area w d / 2, in2
    double yt;  ///< triangle centroid h + d / 3, in
    double Ae;  ///< edge area Ar + At, in2
    double c;   ///< edge centroid, in; 0 when Ae is 0
};

EdgePieces Edge(PointList p, int k) {
    EdgePieces e{};
    e.w = p[k + 1][kPointX] - p[k][kPointX];
    e.h = p[k][kPointY];
    e.d = p[k + 1][kPointY] - p[k][kPointY];
    e.Ar = e.w * e.h;
    e.yr = e.h / 2.0;
    e.At = e.w * e.d / 2.0;
    e.yt = e.h + e.d / 3.0;
    e.Ae = e.Ar + e.At;
    e.c = e.Ae != 0.0 ? (e.Ar * e.yr + e.At * e.yt) / e.Ae : 0.0;
    return e;
}

}  // namespace

void GetPointListAreaAndCentroid(int count, PointList points, double& area, double& yCentroid) {
    area = 0.0;
    double moment = 0.0;  // in3
    for (int k = 0; k + 1 < count; ++k) {
        const EdgePieces e = Edge(points, k);
        area += e.Ae;
        moment += e.Ae * e.c;
    }
    yCentroid = area != 0.0 ? moment / area : 0.0;
}

void GetPointListInertia(int count, PointList points, double axis, double& inertia) {
    inertia = 0.0;
    for (int k = 0; k + 1 < count; ++k) {
        const EdgePieces e = Edge(points, k);
        inertia += e.Ae * (axis - e.c) * (axis - e.c) + e.w * e.h * e.h * e.h / 12.0 +
                   e.w * e.d * e.d * e.d / 36.0 + e.Ar * (e.yr - e.c) * (e.yr - e.c) +
                   e.At * (e.yt - e.c) * (e.yt - e.c);
    }
}

double GetPointListHeight(int count, PointList points) {
    if (count < 1) return 0.0;
    double lo = points[0][kPointY];
    double hi = lo;
    for (int k = 1; k < count; ++k) {
        lo = std::min(lo, points[k][kPointY]);
        hi = std::max(hi, points[k][kPointY]);
    }
    return std::abs(hi - lo);
}

double PolylineLength(int count, PointList points) {
    double length = 0.0;  // in
    for (int k = 0; k + 1 < count; ++k) {
        const double dx = points[k + 1][kPointX] - points[k][kPointX];
        const double dy = points[k + 1][kPointY] - points[k][kPointY];
        length += std::sqrt(dx * dx + dy * dy);
    }
    return length;
}

int RemoveRepeatedPoints(double (*points)[kPointValueCount], int count) {
    int n = 0;
    for (int k = 0; k < count; ++k) {
        if (n > 0 && points[k][kPointX] == points[n - 1][kPointX] &&
            points[k][kPointY] == points[n - 1][kPointY]) {
            continue;
        }
        points[n][kPointX] = points[k][kPointX];
        points[n][kPointY] = points[k][kPointY];
        ++n;
    }
    return n;
}

int ClipPointListBelow(int count, PointList points, double y, double (*out)[kPointValueCount],
                       int capacity) {
    int n = 0;
    auto put = [&](double px, double py) {
        if (n < capacity) {
            out[n][kPointX] = px;
            out[n][kPointY] = py;
            ++n;
        }
    };
    for (int k = 0; k + 1 < count; ++k) {
        const double* a = points[k];
        const double* b = points[k + 1];
        const bool aBelow = a[kPointY] <= y;
        const bool bBelow = b[kPointY] <= y;
        if (aBelow) put(a[kPointX], a[kPointY]);
        if (aBelow != bBelow) {
            const double* upper = aBelow ? b : a;
            const double dx = b[kPointX] - a[kPointX];
            // The ends lie on opposite sides of the cut, so their heights differ.
            const double x = std::abs(dx) < 1e-5
                                 ? upper[kPointX]
                                 : a[kPointX] + dx * (y - a[kPointY]) / (b[kPointY] - a[kPointY]);
            put(x, y);
        }
    }
    if (count >= 1 && points[count - 1][kPointY] <= y) {
        put(points[count - 1][kPointX], points[count - 1][kPointY]);
    }
    // A polygon that starts above the cut would end on a crossing: close it again, or its last
    // edge along the cut would be left out of the area.
    if (n >= 2 &&
        (out[n - 1][kPointX] != out[0][kPointX] || out[n - 1][kPointY] != out[0][kPointY])) {
        put(out[0][kPointX], out[0][kPointY]);
    }
    return n;
}

double PointListAreaBelow(int count, PointList points, double y) {
    double clipped[kMaxClippedPoints][kPointValueCount];
    const int n = ClipPointListBelow(std::min(count, kMaxOutlinePoints), points, y, clipped,
                                     kMaxClippedPoints);
    double area = 0.0;
    double yc = 0.0;
    GetPointListAreaAndCentroid(n, clipped, area, yc);
    return std::abs(area);
}

double CircleAreaBelow(double yc, double r, double y, double pi) {
    if (!(r > 0.0) || yc - r >= y) return 0.0;
    const double whole = pi * r * r;
    if (yc + r <= y) return whole;
    const double offset = std::abs(y - yc);
    if (offset < 0.01) return whole / 2.0;
    const double theta = 2.0 * std::acos(offset / r);  // central angle of the smaller segment
    const double segment = (theta - std::sin(theta)) * r * r / 2.0;
    return y > yc ? whole - segment : segment;
}

}  // namespace kordel

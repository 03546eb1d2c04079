// Triangulation of a simple polygon by ear clipping, for the flat end faces of the 3D girder
// model: the girder outline and the outline of its polygonal void are each cut into triangles.
// Four free functions on arrays of single-precision points, with no state between calls.
#pragma once

#include <span>
#include <vector>

namespace kordel {

/// One corner of a polygon, in single precision.
struct Point2F {
    float x;
    float y;

    bool operator==(const Point2F&) const = default;
};

/// Signed area of the polygon (its closing point not repeated): positive when the corners run
/// counter-clockwise with y up. Summed as 1/2 sum (x_p y_q - x_q y_p) over the edges p -> q,
/// starting with the edge from the last corner to the first. Single precision throughout.
float PolygonSignedArea(std::span<const Point2F> points);

/// True when Q lies inside the counter-clockwise triangle P1 P2 P3 or on one of its edges:
/// (P3 - P2) x (Q - P2), (P1 - P3) x (Q - P3) and (P2 - P1) x (Q - P1) all at least 0.
bool PointInTriangle(float x1, float y1, float x2, float y2, float x3, float y3, float qx,
                     float qy);

/// True when the corners at positions u, v, w of the index list `V` (of `nv` corners still in
/// play) form an ear that may be clipped: the corner at v turns left by more than the thinness
/// limit, and no other corner in play lies inside the triangle or on its edges (a corner that
/// coincides with one of the three blocks the ear).
bool IsEarAt(std::span<const Point2F> points, int u, int v, int w, int nv, const int* V);

/// Cuts the simple polygon `points` (closing point not repeated, either orientation) into
/// counter-clockwise triangles and appends them to `triangles`, three points each: n - 2
/// triangles for n corners. The walk starts at the last corner and moves forward around the
/// polygon. Returns false, appending nothing, when the polygon has fewer than three corners or
/// cannot be cut (a self-intersecting, degenerate or collinear outline, or a closing point
/// repeated): a face that cannot be closed whole is left open rather than half drawn.
bool TriangulatePolygon(std::span<const Point2F> points, std::vector<Point2F>& triangles);

}  // namespace kordel

// Plane properties of section outlines given as point lists: area, centroid height, moment of
// inertia about a horizontal axis, height, and the part of an outline or a circle below a
// horizontal cut. Pure functions with no document, shared by the analysis stages and the section
// library.
//
// A point list is `count` points (x, y) in inches, x across the section (0 on the girder
// centreline), y up from the girder bottom. A list describes a closed polygon only when its last
// point repeats its first: the routines integrate over the edges from point k to point k + 1
// (k = 0 .. count - 2) and never from the last point back to the first.
//
// Results are signed: with y up, a polygon traversed clockwise gives a positive area and inertia,
// a counter-clockwise one negative values. Callers take absolute values.
#pragma once

#include "document/model_limits.h"

namespace kordel {

/// One point list: `count` rows of (x, y), in.
using PointList = const double (*)[kPointValueCount];

/// Room a clipped copy of an outline of kMaxOutlinePoints points may need: every edge can give
/// its start point and one crossing, and the copy is closed again.
inline constexpr int kMaxClippedPoints = 2 * kMaxOutlinePoints + 1;

/// Area (in2) and centroid height (in) of the region between the polygon and the line y = 0,
/// summed edge by edge as a rectangle of height y_k and a triangle of rise y_k+1 - y_k.
/// Fewer than two points give area 0 and centroid 0; an area of exactly 0 gives centroid 0.
/// Beer and Johnston, Vector Mechanics for Engineers: Statics, Ch. 5 (centroids of composite
/// areas) and Ch. 9 (parallel-axis theorem).
void GetPointListAreaAndCentroid(int count, PointList points, double& area, double& yCentroid);

/// Moment of inertia (in4) of the same region about the horizontal axis at height `axis` (in):
/// each edge's rectangle and triangle about their own centroids, moved to the edge centroid,
/// then the edge area moved to the axis (parallel-axis theorem). Fewer than two points give 0.
void GetPointListInertia(int count, PointList points, double axis, double& inertia);

/// |largest y - smallest y| over the `count` points, in; 0 for an empty list.
double GetPointListHeight(int count, PointList points);

/// Length of the chain of edges from point 0 to point count - 1, in; no closing edge is added,
/// so a closed outline (its first point repeated last) gives its perimeter. Fewer than two
/// points give 0.
double PolylineLength(int count, PointList points);

/// Removes every point whose x and y both equal those of the point before it, closing up the
/// list, so that a run of equal points keeps its first; returns the new count. A negative count
/// counts as 0.
int RemoveRepeatedPoints(double (*points)[kPointValueCount], int count);

/// Copies the part of the polygon at or below height `y` into `out` (room for `capacity` points)
/// and returns the number of points written. Points at or below the cut are kept, and every edge
/// that crosses the cut gives its crossing point (Sutherland-Hodgman clipping against one
/// half-plane); the copy is closed by repeating its first point when it does not end on it. An
/// edge whose ends differ in x by less than 1e-5 in crosses at the x of its upper point.
int ClipPointListBelow(int count, PointList points, double y, double (*out)[kPointValueCount],
                       int capacity);

/// Area (in2) of the polygon below height `y`: |area| of the clipped copy.
double PointListAreaBelow(int count, PointList points, double y);

/// Area (in2) of a circle of centre height `yc` and radius `r` (in) below the height `y`: all of
/// it when its top is at or below the cut, nothing when its bottom is at or above it, half when
/// the cut lies within 0.01 in of the centre, otherwise the circle less the segment above the cut
/// or the segment below it, a segment of central angle theta having (theta - sin theta) r^2 / 2.
/// `pi` is the value of pi the caller's convention uses. A radius of 0 or less gives 0.
double CircleAreaBelow(double yc, double r, double y, double pi);

}  // namespace kordel

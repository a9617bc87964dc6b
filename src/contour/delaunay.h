// Delaunay triangulation of scattered points, the triangulation that the
// contours of scattered data are drawn on.
#pragma once
#include <vector>

namespace zantor {

// A triangle of point indices (0-based), counter-clockwise.
struct Triangle {
  int a, b, c;
};

// The Delaunay triangulation of the points (x[i], y[i]).  Points with a
// coordinate that is not finite are left out, and so are repeats of a
// point (points closer than 1/2^28 of the extent of the data count as one;
// the first of them is used).  Fewer than three distinct points, or points
// all on one line, give no triangles.  Throws std::bad_alloc.
std::vector<Triangle> delaunayTriangles(const float* x, const float* y, int n);

}  // namespace zantor

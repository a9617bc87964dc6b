// The grid contour tracer: follows the line of one level through a
// rectangular or curvilinear grid, cutting every cell into four triangles
// at its centre (which decides saddle cells), and hands the crossings to a
// sink in user coordinates.
#pragma once
#include <cstdint>
#include <vector>

namespace zantor {

// A grid function: z(i, j) = z[j*n + i] (0-based).  Rectangular grids have
// x[n], y[m]; curvilinear grids have x[n*m], y[n*m] laid out like z.
struct ContourGrid {
  const float* x = nullptr;
  const float* y = nullptr;
  const float* z = nullptr;
  int n = 0, m = 0;
  bool curvilinear = false;
};

// Where the crossings go.  Every line is startLine, points, endLine.
class ContourSink {
 public:
  virtual ~ContourSink() = default;
  virtual void startLine() = 0;
  virtual void point(double x, double y) = 0;
  virtual void endLine() = 0;
};

// Where a line met the grid boundary, as a position along the boundary
// walked counter-clockwise from grid point (0,0): bottom row, right column,
// top row, left column, one unit per grid step (0 <= s < 2(n-1) + 2(m-1)).
struct BoundaryEnds {
  double start = -1, end = -1;  // -1: the line is closed
};

// Observer of the boundary positions of each traced line (the shaded
// contours close open lines along the boundary with them).
class BoundaryObserver {
 public:
  virtual ~BoundaryObserver() = default;
  virtual void lineEnds(const BoundaryEnds& ends) = 0;
};

// Traces all lines of level zlev.  `mask` is the crossing mask (one bit per
// grid point), resized and cleared here; callers keep it between levels so
// that nothing is allocated per level.  The grid must be at least 2 x 2.
void traceContour(const ContourGrid& grid, double zlev, std::vector<uint32_t>& mask,
                  ContourSink& sink, BoundaryObserver* observer = nullptr);

// The crossing of the level with the edge from point 1 to point 2: linear
// interpolation, or point 1 itself when the values are (nearly) equal or
// point 1 lies on the level.
inline void edgeCrossing(double x1, double y1, double z1, double x2, double y2, double z2,
                         double zlev, double& x, double& y) {
  const double d = z1 - z2, a = z1 - zlev;
  if (d != d) {  // a NaN value: no point (the line pipeline leaves a gap)
    x = y = d;
    return;
  }
  if ((d >= 1e-35 || d <= -1e-35) && (a >= 1e-35 || a <= -1e-35)) {
    const double t = a / d;
    x = x1 - (x1 - x2) * t;
    y = y1 - (y1 - y2) * t;
  } else {
    x = x1;
    y = y1;
  }
}

}  // namespace zantor

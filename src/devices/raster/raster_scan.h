// Scan conversion of a union of closed contours (the pieces of a thick
// line: segment quads, joins, caps).  Every contour counts positively
// whatever its orientation, and a point is inside when any contour covers
// it (nonzero winding), so overlapping pieces fill each pixel once: no
// seams, and no darker overlaps when the result is blended.
#pragma once
#include <cstddef>
#include <functional>
#include <vector>

#include "devices/stroke_outline.h"

namespace zantor {

class ScanEdges : public OutlineSink {
 public:
  void clear();
  bool empty() const { return edges_.empty(); }
  // A closed polygon (the last point joins the first); degenerate
  // contours (no area) add nothing.
  void addContour(const double* x, const double* y, int n) override;
  // A disc as a polygon fine enough that its edge departs from the circle
  // by less than an eighth of a pixel.
  void addDisc(double cx, double cy, double r) override;

  // Pixel centres inside the union, as runs x1..x2 (both included) of row
  // y, cut to the rectangle.  Edges are half-open (a centre on a left or
  // bottom edge is inside, on a right or top edge outside), so abutting
  // shapes share no pixel and a band of width w covers w rows.
  void centreRuns(int xmin, int ymin, int xmax, int ymax,
                  const std::function<void(int x1, int x2, int y)>& run);
  // Coverage 0..1 of every touched pixel in the rectangle: exact across a
  // row, sampled at kSubRows lines down each pixel.
  static constexpr int kSubRows = 16;
  void coverage(int xmin, int ymin, int xmax, int ymax,
                const std::function<void(int x, int y, float c)>& pixel);

 private:
  struct Edge {
    double x0, y0, y1, slope;  // y0 < y1; x at y is x0 + (y - y0) * slope
    int dir;                   // +1 or -1, signed so that insides count +1
  };
  struct Crossing {
    double x;
    int dir;
  };
  // Calls `interval(a, b)` for every interval [a, b) of sample line sy
  // inside the union.  Sample lines must come in increasing order after
  // startScan().
  void startScan();
  template <class F>
  void intervals(double sy, F interval);

  std::vector<Edge> edges_;
  double ylo_ = 0, yhi_ = 0;
  std::vector<int> active_;
  std::vector<Crossing> crossings_;
  std::size_t next_ = 0;
  std::vector<float> partial_, steps_;
};

}  // namespace zantor

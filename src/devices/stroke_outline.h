// The outline of a thick polyline as overlapping pieces: one
// quadrilateral per segment, a join piece at every corner and a cap at
// both ends of an open line.  The raster scan-converts their union; the
// vector writers without line widths fill each piece.
#pragma once

namespace zantor {

// Receives the pieces of an outline.
class OutlineSink {
 public:
  virtual ~OutlineSink() = default;
  // A closed polygon (the last point joins the first).
  virtual void addContour(const double* x, const double* y, int n) = 0;
  // A disc around (cx, cy) with radius r.
  virtual void addDisc(double cx, double cy, double r) = 0;
};

struct StrokeStyle {
  double width = 1;       // pixels
  int cap = 2;            // 0 cut, 1 round, 2 long (square, half a width on)
  int join = 2;           // 0 sharp (miter), 1 round, 2 truncated (bevel)
  double miterLimit = 2;  // longest miter as a multiple of half the width
};

// Adds the outline of the polyline (n points, consecutive duplicates
// allowed) to `out`.  A polyline whose last point equals its first (and
// that has at least three points) is closed: its first corner is joined
// and it has no caps.  A polyline of one distinct point adds its round or
// square cap only ("CUT" adds nothing).
void strokeOutline(const double* x, const double* y, int n, const StrokeStyle& style,
                   OutlineSink& out);

}  // namespace zantor

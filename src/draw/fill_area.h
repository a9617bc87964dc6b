// Internals shared by the fill routines.
#pragma once
#include <cstdint>

namespace zantor {

// What a fill does: device fill (solid) or hatching with these lines.
struct FillPattern {
  bool solid = false;   // the solid pattern: device fill where possible
  int angle = 0;
  int type = 0;         // 0 = no hatching
  bool crossed = false;
  double spacing = 1.0;
  int draw = 1, skip = 0;
};

// The current pattern of the state record, and the solid pattern.
FillPattern currentPattern();
FillPattern solidPattern();

// Fills a polygon in absolute plot coordinates with a pattern in the
// current colour.  Polygons with NaN or infinite coordinates are ignored.
void fillAbsolute(const double* x, const double* y, int n, const FillPattern& p);

// Several rings (counts[k] points each, stored one after another) filled
// together by the even-odd rule, so that holes stay open: one device call
// where the device fills, else the rings joined into one hatched polygon.
void fillAbsoluteRings(const double* x, const double* y, const int* counts, int nrings,
                       const FillPattern& p);

// areaf without the level check: page positions, n checked (2..1000000).
void areaPlot(const int32_t* x, const int32_t* y, int32_t n);

}  // namespace zantor

// The hatch generator: parallel lines through a polygon.
#pragma once

namespace zantor {

struct HatchStyle {
  int angle = 0;          // degrees, 0 = horizontal lines
  double spacing = 1.0;   // distance between lines in plot units
  int draw = 1, skip = 0; // grouping: draw `draw` lines, skip `skip`
};

// Draws the hatch lines of the polygon (absolute plot coordinates, even-odd
// rule) through the line pipeline.  Lines lie at integer multiples of the
// spacing measured from the page corner, so the hatches of adjacent areas
// line up; lines outside the clipping window are not generated.
void hatchPolygon(const double* x, const double* y, int n, const HatchStyle& style);

// Hatch line spacing in plot units of a type and density.
double hatchSpacing(int type, int density);

}  // namespace zantor

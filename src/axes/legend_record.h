// The hand-over from curves to legends: every curve drawn while a legend
// is initialised records its attributes in the next legend slot.
#pragma once
#include <cstdint>

namespace zantor {

struct LegendAttributes {
  int32_t style = 0;      // line style 0..7, or -1 for no line
  int32_t colour = 0;     // colour value
  int32_t thickness = 1;  // parallel curves (thkcrv) or line width
  int32_t symbol = -1;    // marker symbol, -1 none
  int32_t pattern = -1;   // shading pattern of bar and pie legends, -1 none
};

// Called by curve (and the bar and pie plots) once per curve.
void recordCurveForLegend(const LegendAttributes& a);

}  // namespace zantor

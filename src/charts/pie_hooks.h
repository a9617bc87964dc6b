// Pie charts: the user routines mypie and usrpie and the pie callback of
// setcbk, which see every segment before it is drawn.
#pragma once
#include <cstdint>

namespace zantor {

// What a user routine may change about a segment.
struct PieSegmentChoice {
  int32_t colour = 0;   // fill colour
  int32_t pattern = 0;  // shading pattern
  int32_t offset = 0;   // distance from the centre along the bisector, plot units
  int32_t labels = 1;   // 1: the segment's labels are written, 0: not
};

// Passes segment `iseg` (1-based) with its value and percentage to mypie,
// usrpie and the registered callback in that order; each sees what the
// one before chose.
void passSegmentToUser(int32_t iseg, float value, float percent, PieSegmentChoice& c);

}  // namespace zantor

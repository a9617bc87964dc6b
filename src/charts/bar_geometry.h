// The widths of bars: the group width, the single bar width and the gap
// between the bars of a group.
#pragma once

namespace zantor {

struct BarWidths {
  double group = 0;  // xd: width of a whole group
  double bar = 0;    // w: width of one bar
  double gap = 0;    // g: gap between the bars of a group
};

// Widths for the distance `spacing` (plot units) between bar positions,
// from xbarfk, nclust and xgapbr.
BarWidths barWidths(double spacing);

}  // namespace zantor

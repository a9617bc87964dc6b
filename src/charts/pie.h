// Pie charts: the geometry of the segments and their label texts.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace zantor {

struct PieSegment {
  double value = 0;      // the data value
  double start = 0;      // start angle, degrees anticlockwise from 3 o'clock
  double sweep = 0;      // degrees
  bool full = false;     // drawn as a full circle
  bool offset = false;   // moved outward along its bisector
  std::vector<std::string> lines;  // label lines: texts, then values
  double bisector() const { return start + sweep / 2; }
};

// The segments of xray(1..n) with sum s of the absolute values (> 0).
std::vector<PieSegment> pieSegments(const float* xray, int n, double s);

// Label lines of segment i (0-based): its nlin lines of cbuf (split at
// the legend line separator) and the value label of labels(..., 'PIE').
std::vector<std::string> pieLabelLines(std::string_view cbuf, int nlin, int i, double value,
                                       double s);

// Half-axis of the 3D pie ellipse for the radius r and the view angle of
// pieopt.
int pieMinorAxis(int r);

}  // namespace zantor

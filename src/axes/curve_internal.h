// Shared pieces of curves, error bars and symbols.
#pragma once
#include <cstdint>
#include <vector>

#include "axes/legend_record.h"
#include "core/state.h"

namespace zantor {

// While alive, lines are clipped to the rectangle of the current axis
// system, or to the circle of a polar system (unless the program chose a
// window of its own with clpwin or clpbor, or no clipping with clpmod);
// the previous window comes back afterwards.
class AxisClip {
 public:
  AxisClip();
  ~AxisClip();
  AxisClip(const AxisClip&) = delete;
  AxisClip& operator=(const AxisClip&) = delete;

 private:
  int32_t x_, y_, u_, v_;
  int32_t circle_;
  float xmit_, ymit_, rad_;
  bool changed_;
};

// True when the plot point lies in the axis rectangle (half a unit slack).
bool insideAxisRect(double px, double py);

// A polyline in plot coordinates through the pattern stage, drawn nthk
// times at parallel offsets when the curve is thick.
void drawCurvePolyline(const double* x, const double* y, int n);

// The runs of a projected map line (separated by NaN) drawn as curve
// polylines.
void drawCurveRuns(const std::vector<double>& x, const std::vector<double>& y);

// The lines of one curve by interpolation mode (plot coordinates of the
// points in px, py; non-finite entries are breaks).  Returns false after a
// spline warning (nothing drawn).
bool drawCurveLines(const float* xray, const float* yray, int n, const std::vector<double>& px,
                    const std::vector<double>& py);

// Marker nsym at every step-th point (1-based positions 1, 1 + step, ...)
// inside the axis rectangle, in the marker colour.
void drawCurveMarkers(const std::vector<double>& px, const std::vector<double>& py, int step);

// Where curves record their legend attributes; tests put an observer in
// front of the legend bookkeeping.  Returns the previous recorder.
using LegendRecorder = void (*)(const LegendAttributes&);
LegendRecorder setLegendRecorder(LegendRecorder r);

// The current symbol size in plot units as a float.
inline float symbolSize() { return static_cast<float>(zanglb.nhsym); }

}  // namespace zantor

// 2D axis systems: scaling, the transformation of user coordinates and the
// automatic scaling from data.
#pragma once
#include <cstdint>

namespace zantor {

// The longest axis (plot units) axslen accepts: the corners of an axis
// system, its position plus or minus its length, stay integers.
constexpr int32_t kMaxAxisLength = 1 << 30;

// Result of automatic scaling for one axis.
struct AxisScale {
  float a = 0, e = 0, first = 0, step = 0;
  int digits = -1;
};

// Automatic scaling of the data range [a, e] (exponents on logarithmic
// axes) for an axis of `length` plot units.  `axis` is 0, 1, 2 for X, Y, Z.
AxisScale autoScale(int axis, double a, double e, int length);

// Time axes (seconds): step and first label chosen from the time steps.
AxisScale autoScaleTime(double a, double e);

// User value to real plot coordinate of the current axis system.
double userToPlotX(double x);
double userToPlotY(double y);
// Plot coordinate to user value.
double plotToUserX(double nx);
double plotToUserY(double ny);

// Rounded integer plot coordinate, safe for infinite or huge values.
int32_t roundPlot(double v);

// Draws the sides of the current axis system (lines, ticks, labels, names).
void drawAxisSides();

}  // namespace zantor

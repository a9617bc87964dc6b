// 2D axis systems: scaling, the transformation of user coordinates and the
// automatic scaling from data.
#pragma once
#include <cstdint>

namespace zantor {

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

// Scaling arguments of one axis, and the checks graf makes on them (true
// when the axis is usable; warnings 9, 10, 11 reject, 12 and 50 inform).
struct AxisArgs {
  float a, e, orig, step;
};
bool checkAxis(const AxisArgs& x, int length);

// User point to real plot coordinates of the current axis system: the
// polar transformation in a polar system, the two axis scalings otherwise.
void userToPlot(double x, double y, double& px, double& py);

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

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

// The four numbers that define one axis: start, end, first label, step
// (exponents on logarithmic axes).
struct AxisArgs {
  float a, e, orig, step;
};

// Replaces the arguments of an axis scaled automatically (setscl) by the
// computed ones; `axis` is 0, 1, 2 for X, Y, Z.
void applyAutoScale(int axis, AxisArgs& x, int length);

// The checks of one axis (warnings 9, 10, 11; 12 and 50 only inform);
// true when the axis is usable.
bool checkAxis(const AxisArgs& x, int length);

// The data range of an axis in user values, ascending.
void axisDataRange(int axis, const AxisArgs& x, float& lo, float& hi);

// Time axes (seconds): step and first label chosen from the time steps.
AxisScale autoScaleTime(double a, double e);

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

// The room side `index` (isetgr order: 0 lower X, 1 right Y, 2 upper X,
// 3 left Y) of the last drawn axis system takes outside the axis
// rectangle: outward ticks, labels with their distance and the name with
// its distance; 0 for a side not drawn.
int axisSideRoom(int index);

// graf without its level check: scales, checks and draws a 2D axis system
// and sets level 2; leaves level 1 when the arguments are rejected.
void openAxisSystem(AxisArgs x, AxisArgs y);

}  // namespace zantor

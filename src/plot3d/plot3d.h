// Internal entry points of 3D axis systems and surfaces shared by the
// files of this folder and by resall.
#pragma once
#include <string_view>

namespace zantor {

// Defaults of a new plot (called by resall).
void resetPlot3dDefaults();
// reset for a 3D setter (first four letters, upper case); false when the
// name is not one of them.
bool resetPlot3dSetting(std::string_view key);

// Draws the visible edges of the box with the three axes, their ticks,
// labels and names (graf3d).
void drawBoxAxes();

// Lines in user 3D coordinates through the line pipeline; a point behind
// the eye breaks the line.
void moveTo3d(double x, double y, double z);
void drawTo3d(double x, double y, double z);
// The same in absolute 3D coordinates.
void moveToAbs3d(double x, double y, double z);
void drawToAbs3d(double x, double y, double z);

}  // namespace zantor

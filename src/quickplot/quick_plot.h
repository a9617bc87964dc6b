// The frame every quick plot shares: open the plot when the program has
// not, draw the page border, choose the font, scale the axes from the data
// (or take the scaling fixed by qplscl), and at the end write the titles
// and finish the output.  The quick plots only compose public routines;
// the routines they call make the level and data checks.
#pragma once
#include <cstdint>
#include <string_view>

#include "axes/axes.h"

namespace zantor {

// Initialises the library when the level is 0 (choosing the console
// format when the program chose none), then draws the page border and
// selects the font.  False when no plot could be opened.
bool openQuickPlot();

// True inside an axis system (level 2 or 3), where data can be drawn.
bool axisSystemOpen();

// The four axis arguments of `axis` (0, 1, 2 for X, Y, Z): the values
// stored by qplscl when that axis is fixed; otherwise automatic scaling is
// requested from the n values of `data` with setscl, and the arguments
// returned only serve when setscl found no data.
AxisArgs quickAxis(int axis, const float* data, int32_t n);
// The same for the data range [lo, hi].
AxisArgs quickAxisRange(int axis, float lo, float hi);

// Draws the title lines in the open axis system (the 3D clipping to the
// axis box is lifted first, so titles outside the box stay whole) and
// finishes the output with zanfin.
void closeQuickPlot();

// The number of elements of an n by m matrix, 0 when either is below 1,
// capped at the largest count a routine takes.
int32_t matrixCount(int32_t n, int32_t m);

}  // namespace zantor

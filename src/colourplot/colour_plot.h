// Colour axis systems: the value-to-colour function, the colour bar and
// the cells of colour plots.
#pragma once
#include <cstdint>

namespace zantor {

// nzposn: the colour of value z on the Z axis of the current colour axis
// system (ncmin / ncmax outside the range; ncmin for a value that is not
// a number).
int32_t nzposn(double z);

// Draws w x h coloured cells over the plot rectangle from (left, top) to
// (right, bottom); row 0 lies at the top.  A device that takes images gets
// one image; otherwise (or when the rectangle is cut by the clipping
// window) each cell is filled as a rectangle.  Cells with a negative value
// are left out (transparent).
void drawCells(double left, double top, double right, double bottom, const int32_t* cells,
               int w, int h);

// Draws the colour bar of the current colour axis system.
void drawColourBar();

// Colour-plot defaults of a new plot (resall).
void resetColourPlotDefaults();

}  // namespace zantor

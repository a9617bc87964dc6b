// The floating horizon of hidden-line mode: two masks over the integer
// plot x columns keep the highest and the lowest point drawn so far; a
// new line shows only where it passes above the one or below the other.
#pragma once

namespace zantor {

// Horizon line primitive in plot coordinates (rounded to integers): ipen
// 3 moves, 2 draws from the last point, any other value resets the masks.
void dhline(double x, double y, int ipen);

// Resets the masks, the pen and the "warning given" flag of one surface.
void resetHorizon();

// The side (1 upper, 2 lower) a line takes where both sides are free,
// that is where nothing has been drawn yet: the side the view point is on.
void setHorizonSide(int side);

// Side colours (surclr) are used while a surface is drawn, not by lines
// drawn later against its horizon.
void setSideColours(bool on);

// Receiver of the stroked segments of the line pipeline in hidden-line
// mode (installed once, used while ihlopt = 1).
void hiddenLineSegment(float x1, float y1, float x2, float y2);

// Installs hiddenLineSegment in the line pipeline.
void installHorizon();

}  // namespace zantor

// Page size, plot units, the device scale and the device transformation.
#pragma once

namespace zantor {

// Plot units of a length given in 0.1 mm: int(n / xfcuni + 0.5).
int lengthUnits(double tenthsOfMm);

// Page-derived defaults, run by zanini: nxres, nyres, default axis lengths
// and corner, page number 1.
void defvar();

// The device scale factor xscf for the current device and page.
float deviceScale();
// The same for device code `dev` on the current page (the pixel grid a
// raster device would give this page, for pixels sent to other devices).
float deviceScaleOf(int dev);

// Plot coordinates to device coordinates of the current device (rounded
// for the integer devices).
void deviceTransform(double x, double y, double& dx, double& dy);

// Per-plot page defaults: user origin (0, 0) and page origin at the top.
void resetOrigin();
void resetPageOrigin();

// A window rectangle from the user: corner (nx, ny) not negative, width
// and height at least 1.  Otherwise warns about the offending value and
// returns false.
bool checkWindowRect(int nx, int ny, int nw, int nh);

// Applies the page-origin option to a user y position in plot units.
double pageY(double y);

}  // namespace zantor

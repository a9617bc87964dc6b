// Images on any device: the path by which pictures (raster images, colour
// matrices) reach the writers.  Devices that embed images get one image
// object; the others get the pixels as filled rectangles, one per run of
// equal pixels in a row.
#pragma once
#include <cstdint>

namespace zantor {

// Draws pw x ph RGB pixels (3 bytes each, rows top to bottom) over the
// plot-unit rectangle with upper-left corner (x, y), width w and height h.
// Outside a plot, or with an empty or invalid picture, nothing happens.
void deviceImage(double x, double y, double w, double h, const uint8_t* rgb, int pw, int ph);

// Pixels of the pixel routines on a device without a raster picture: n
// pixels (3 bytes each) from pixel (ix, iy) to the right, on the pixel
// grid a raster device would give this page, drawn as one image.  False
// (nothing drawn) when the device embeds no images or the pixels lie
// outside that grid.
bool pixelsAsImage(int ix, int iy, const uint8_t* rgb, int n);

}  // namespace zantor

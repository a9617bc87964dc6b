// Fields of the state record owned by colour axis systems: the Z axis that
// maps values to colours, the colour bar and the rectangles of data points.
#pragma once
#include <cstdint>

namespace zantor {

struct ColourPlotFields {
  // The Z axis in axis units (exponents on a logarithmic axis) and its
  // range in data values, ascending.
  float za = 0, ze = 0, zmin = 0, zmax = 0;
  float zorig = 0, zstep = 0;  // first label and label step of the bar
  float cdelta = 0;            // colours per Z unit, 0 for a zero range
  float zdelta = 0;            // plot units of the bar per Z unit
  int32_t inobgd = 0;          // 1: points of colour ncmin are not drawn
  int32_t igraf3 = 0;          // 1 while the axis system is one of graf3
  int32_t nbar = 1;            // 1: graf3 draws the colour bar
  int32_t iposbr = 0;          // FIXE, LEFT, RIGH, BOTT, TOP
  int32_t ijusbr = 0;          // STAR, CENT, END
  int32_t nzb = 0, nzzb = 0;   // bar width and its distance (zanini)
  int32_t nvfx = 0, nvfy = 0;  // shift of the bar
  int32_t npb = 1, nph = 1;    // rectangle of one data point
  int32_t iautrs = 0;          // automatic rectangle size (autres)
  int32_t nautx = 0, nauty = 0;  // point counts given to autres
  int32_t ishcrv = 0;          // 2: one data point is one device pixel
  // The colour bar as last drawn (plot coordinates of its corners), for
  // titles that keep off it.
  int32_t nbarx1 = 0, nbary1 = 0, nbarx2 = 0, nbary2 = 0;
};

}  // namespace zantor

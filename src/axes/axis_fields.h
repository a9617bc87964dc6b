// Fields of the state record owned by 2D axis systems: position, scaling,
// automatic scaling and the transformation of user coordinates.
#pragma once
#include <cstdint>

namespace zantor {

struct AxisFields {
  int32_t nxl = 0, nyl = 0, nzl = 0;  // axis lengths in plot units
  int32_t ixlg[3] = {0, 0, 0};         // 1: logarithmic scaling
  // Scaling of the current axis system (exponents on logarithmic axes).
  float xa = 0, xe = 0, xorig = 0, xstep = 0;
  float ya = 0, ye = 0, yorig = 0, ystep = 0;
  float xmin = 0, xmax = 0, ymin = 0, ymax = 0;  // data range, user values
  float xdelta = 0, ydelta = 0;        // plot units per user unit (decade)
  float xrel = 0, yrel = 0;            // plot coordinates of xa, ya
  int32_t ioptsc[3] = {0, 0, 0};       // automatic scaling requested
  float xminsc[3] = {}, xmaxsc[3] = {};  // data range found by setscl
  int32_t numx[3] = {1, 1, 1};         // label type per axis
  int32_t ixlabt[3] = {0, 0, 0};       // 1: labels rotated
  int32_t ixltim[3] = {0, 0, 0};       // 1: time labels
  int32_t iaxsfr = 0;                  // 0 rectangular, 1 crossed
  int32_t iaxorg = 0, nxaorg = 0, nyaorg = 0;  // crossing point from axsorg
  int32_t isetgr[4] = {4, 2, 2, 4};    // lower X, right Y, upper X, left Y
  int32_t naxx[3] = {1, 1, 1};         // 1: axis line drawn
  int32_t ixend[3] = {0, 0, 0};        // end labels drawn (axends)
  int32_t nfra = 1;                    // frame thickness, 0 none
  int32_t inogr = 0;                   // 1: graf draws nothing
  int32_t icent = 0;                   // centring: 0 off, 1 requested, 2 done
  int32_t naxbgd = -1;                 // background colour of the axis area
  int32_t igraf = 0;                   // kind of the current axis system
  int32_t nxcros = 0, nycros = 0;      // crossing point of a crossed system
};

}  // namespace zantor

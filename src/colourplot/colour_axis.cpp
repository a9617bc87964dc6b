// graf3: the colour axis system, its Z axis, the colour scale (nzposn) and
// the colour bar.
#include <algorithm>
#include <cmath>
#include <vector>

#include "axes/axes.h"
#include "axes/axis_side.h"
#include "colourplot/colour_plot.h"
#include "core/api.h"
#include "core/levels.h"
#include "core/state.h"
#include "draw/page.h"
#include "draw/pipeline.h"

namespace zantor {

int32_t nzposn(double z) {
  const Zanglb& g = zanglb;
  if (std::isnan(z)) return g.ncmin;
  if (z >= g.zmin && z <= g.zmax) {
    const double v = g.ixlg[2] == 1 ? std::log10(z) : z;
    int32_t c = g.nca + static_cast<int32_t>((v - g.za) * g.cdelta);
    // Values on the range ends (and rounding right beside them) keep to
    // the colour range.
    if (c < g.nca) c = g.nca;
    if (c > g.nce) c = g.nce;
    return c;
  }
  const bool ascending = g.za < g.ze;
  if (z > g.zmax) return ascending ? g.ncmax : g.ncmin;
  return ascending ? g.ncmin : g.ncmax;
}

void resetColourPlotDefaults() {
  Zanglb& g = zanglb;
  g.inobgd = 0;
  g.igraf3 = 0;
  g.nbar = 1;
  g.iposbr = 0;
  g.ijusbr = 0;
  g.nzb = lengthUnits(85);
  g.nzzb = lengthUnits(85);
  g.nvfx = g.nvfy = 0;
  g.npb = g.nph = 1;
  g.iautrs = 0;
  g.nautx = g.nauty = 0;
  g.ishcrv = 0;
  g.nbarx1 = g.nbary1 = g.nbarx2 = g.nbary2 = 0;
}

void drawColourBar() {
  Zanglb& g = zanglb;
  const int steps = g.nce - g.nca + 1;
  if (steps < 1 || g.nzl < 2) return;
  const bool vertical = g.iposbr <= 2;
  const int len = g.nzl, wid = g.nzb;
  // The lower left corner (x, y) of the bar; y grows downwards.
  double x = 0, y = 0;
  switch (g.iposbr) {
    case 0: x = g.nxa + g.nxl + g.nzzb + g.nvfx; break;
    case 1: x = g.nxa + g.nvfx - (axisSideRoom(3) + wid) - g.nzzb; break;
    case 2: x = g.nxa + g.nxl + axisSideRoom(1) + g.nzzb + g.nvfx; break;
    case 3: y = g.nya - g.nvfy + wid + g.nzzb + axisSideRoom(0); break;
    default: y = g.nya - g.nyl - g.nzzb - g.nvfy - axisSideRoom(2); break;
  }
  if (vertical) {
    switch (g.ijusbr) {
      case 0: y = g.nya - g.nvfy; break;
      case 1: y = g.nya - g.nvfy - (g.nyl - g.nzl) / 2; break;
      default: y = g.nya - g.nyl + g.nzl - g.nvfy; break;
    }
  } else {
    switch (g.ijusbr) {
      case 0: x = g.nxa + g.nvfx; break;
      case 1: x = g.nxa + g.nvfx + (g.nxl - g.nzl) / 2; break;
      default: x = g.nxa + g.nxl + g.nvfx - g.nzl; break;
    }
  }
  // Like the axis rectangle, a length of n plot units spans n - 1.
  const double left = x, bottom = y;
  const double right = x + (vertical ? wid : len) - 1;
  const double top = y - (vertical ? len : wid) + 1;
  g.nbarx1 = roundPlot(left), g.nbary1 = roundPlot(top);
  g.nbarx2 = roundPlot(right), g.nbary2 = roundPlot(bottom);

  // The steps from the Z axis start (lower or left end) to its end.
  std::vector<int32_t> cells(steps);
  for (int k = 0; k < steps; ++k) cells[k] = g.nca + (vertical ? steps - 1 - k : k);
  if (vertical) drawCells(left, top, right, bottom, cells.data(), 1, steps);
  else drawCells(left, top, right, bottom, cells.data(), steps, 1);

  // The outline of the bar, then the Z axis along its outer side.
  qqmove(float(left), float(bottom));
  qqdraw(float(right), float(bottom));
  qqdraw(float(right), float(top));
  qqdraw(float(left), float(top));
  qqdraw(float(left), float(bottom));
  qqstrk();
  Side s{2, 4, 0, 0, 0, 0, 0, 0, false, {}};
  switch (g.iposbr) {
    case 1: s.x0 = left, s.y0 = bottom, s.uy = -1, s.ox = -1; break;
    case 3: s.x0 = left, s.y0 = bottom, s.ux = 1, s.oy = 1; break;
    case 4: s.x0 = left, s.y0 = top, s.ux = 1, s.oy = -1; break;
    default: s.x0 = right, s.y0 = bottom, s.uy = -1, s.ox = 1; break;
  }
  drawAxisSide(s);
}

}  // namespace zantor

using namespace zantor;

ZANTOR_API void graf3_(const float* xa, const float* xe, const float* xor_, const float* xstp,
                       const float* ya, const float* ye, const float* yor, const float* ystp,
                       const float* za, const float* ze, const float* zor, const float* zstp) try {
  if (jqqlev(1, 1, "GRAF3") != 0) return;
  Zanglb& g = zanglb;
  if (g.iautrs == 1 || g.iautrs > 2) {
    // Rectangles that cover the axis area without gaps: the axis length
    // divided by the point count, rounded up.
    if (g.nautx > 0) g.npb = std::max(1, (g.nxl + g.nautx - 1) / g.nautx);
    if (g.nauty > 0) g.nph = std::max(1, (g.nyl + g.nauty - 1) / g.nauty);
  }
  AxisArgs z{*za, *ze, *zor, *zstp};
  applyAutoScale(2, z, g.nzl);
  if (!checkAxis(z, g.nzl)) return;
  g.za = z.a;
  g.ze = z.e;
  axisDataRange(2, z, g.zmin, g.zmax);
  const double range = double(g.ze) - g.za;
  g.cdelta = std::fabs(range) <= g.eps ? 0.0f : float((g.nce - g.nca + 1) / range);
  g.zdelta = float((g.nzl - 1) / range);
  g.zorig = z.orig;
  g.zstep = z.step;
  g.igraf3 = 1;
  openAxisSystem({*xa, *xe, *xor_, *xstp}, {*ya, *ye, *yor, *ystp});
  if (g.nlev != 2) {
    g.igraf3 = 0;
    return;
  }
  if (g.nbar == 1 && g.inogr == 0) drawColourBar();
  g.nlev = 3;
} ZANTOR_CATCH

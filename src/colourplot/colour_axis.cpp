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
#include "core/warnings.h"
#include "draw/page.h"
#include "draw/pipeline.h"

namespace zantor {

int32_t nzposn(double z) {
  const Zanglb& g = zanglb;
  if (std::isnan(z)) return g.ncmin;
  if (z >= g.zmin && z <= g.zmax) {
    const double v = g.ixlg[2] == 1 ? std::log10(z) : z;
    // Values on the range ends (and rounding right beside them) keep to
    // the colour range; so does a step that overflows on a huge range.
    double step = (v - g.za) * g.cdelta;
    if (!(step >= 0)) step = 0;
    return static_cast<int32_t>(std::min<double>(g.nca + step, g.nce));
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
  // Sums of positions, lengths and shifts in double: any of them may be
  // near the integer limits.
  const double len = g.nzl, wid = g.nzb, gap = g.nzzb, vx = g.nvfx, vy = g.nvfy;
  const double nxa = g.nxa, nya = g.nya, nxl = g.nxl, nyl = g.nyl;
  // The lower left corner (x, y) of the bar; y grows downwards.
  double x = 0, y = 0;
  switch (g.iposbr) {
    case 0: x = nxa + nxl + gap + vx; break;
    case 1: x = nxa + vx - (axisSideRoom(3) + wid) - gap; break;
    case 2: x = nxa + nxl + axisSideRoom(1) + gap + vx; break;
    case 3: y = nya - vy + wid + gap + axisSideRoom(0); break;
    default: y = nya - nyl - gap - vy - axisSideRoom(2); break;
  }
  if (vertical) {
    switch (g.ijusbr) {
      case 0: y = nya - vy; break;
      case 1: y = nya - vy - std::trunc((nyl - len) / 2); break;
      default: y = nya - nyl + len - vy; break;
    }
  } else {
    switch (g.ijusbr) {
      case 0: x = nxa + vx; break;
      case 1: x = nxa + vx + std::trunc((nxl - len) / 2); break;
      default: x = nxa + nxl + vx - len; break;
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
    auto rounded = [](int64_t len, int64_t n) {
      return static_cast<int32_t>(std::max<int64_t>(1, (len + n - 1) / n));
    };
    if (g.nautx > 0) g.npb = rounded(g.nxl, g.nautx);
    if (g.nauty > 0) g.nph = rounded(g.nyl, g.nauty);
  }
  AxisArgs z{*za, *ze, *zor, *zstp};
  applyAutoScale(2, z, g.nzl);
  // Infinite ends or steps pass the range check but leave no scale.
  if (!std::isfinite(z.a) || !std::isfinite(z.e) || !std::isfinite(z.step)) return warnin(2);
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

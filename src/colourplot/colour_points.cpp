// Colour plots: data points as coloured rectangles (rpoint, curve3 and its
// row and column forms) and whole matrices (crvmat).
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <new>
#include <vector>

#include "axes/axes.h"
#include "colourplot/colour_plot.h"
#include "core/api.h"
#include "core/levels.h"
#include "core/state.h"
#include "core/warnings.h"
#include "devices/dispatch.h"
#include "devices/raster/raster.h"
#include "devices/raster/raster_device.h"
#include "draw/fill.h"
#include "draw/page.h"
#include "draw/scoped_pen.h"

namespace zantor {
namespace {

// Colour plots need the 2D transformation of graf3; a 3D axis system of
// graf3d has none.
bool inColourAxisSystem() {
  if (zanglb.igraf3 == 1) return true;
  warnin(35);
  return false;
}

bool insideRange(double v, float lo, float hi) { return v >= lo && v <= hi; }

void point(double x, double y, double z, int nw, int nh) {
  const Zanglb& g = zanglb;
  if (!insideRange(x, g.xmin, g.xmax) || !insideRange(y, g.ymin, g.ymax)) return;
  if (std::isnan(z)) return;  // no value, no point
  const int32_t c = nzposn(z);
  if (g.inobgd == 1 && c == g.ncmin) return;
  const double xp = userToPlotX(x), yp = userToPlotY(y);
  const int dev = g.ndev;
  if (g.ishcrv == 2 && (dev < 201 || (dev >= 601 && dev <= 700))) {
    if (RasterContext* r = activeRaster()) {
      double dx, dy;
      deviceTransform(xp, yp, dx, dy);
      r->qqvwpx(int(std::lround(dx)), int(std::lround(dy)), c);
      return;
    }
  }
  const ThinPen thin;
  dbox(float(xp - nw / 2.0), float(yp - nh / 2.0), float(xp + nw / 2.0), float(yp + nh / 2.0), c);
}

// More cells than this are refused as "not enough memory" (4 bytes each).
constexpr long long kMaxCells = 1LL << 26;

}  // namespace
}  // namespace zantor

using namespace zantor;

ZANTOR_API void rpoint_(const float* x, const float* y, const float* z, const int32_t* nw,
                        const int32_t* nh) try {
  if (jqqlev(3, 3, "RPOINT") != 0) return;
  if (!inColourAxisSystem()) return;
  if (*nw < 1 || *nh < 1) {
    warnin(2);
    return;
  }
  point(*x, *y, *z, *nw, *nh);
} ZANTOR_CATCH

ZANTOR_API void curve3_(const float* xray, const float* yray, const float* zray,
                        const int32_t* n) try {
  if (jqqlev(3, 3, "CURVE3") != 0) return;
  if (!inColourAxisSystem()) return;
  if (*n < 1) {
    warnin(2);
    return;
  }
  const Zanglb& g = zanglb;
  for (int32_t i = 0; i < *n; ++i) point(xray[i], yray[i], zray[i], g.npb, g.nph);
} ZANTOR_CATCH

ZANTOR_API void curvx3_(const float* xray, const float* y, const float* zray, const int32_t* n) try {
  if (jqqlev(3, 3, "CURVX3") != 0) return;
  if (!inColourAxisSystem()) return;
  if (*n < 1) {
    warnin(2);
    return;
  }
  const Zanglb& g = zanglb;
  for (int32_t i = 0; i < *n; ++i) point(xray[i], *y, zray[i], g.npb, g.nph);
} ZANTOR_CATCH

ZANTOR_API void curvy3_(const float* x, const float* yray, const float* zray, const int32_t* n) try {
  if (jqqlev(3, 3, "CURVY3") != 0) return;
  if (!inColourAxisSystem()) return;
  if (*n < 1) {
    warnin(2);
    return;
  }
  const Zanglb& g = zanglb;
  for (int32_t i = 0; i < *n; ++i) point(*x, yray[i], zray[i], g.npb, g.nph);
} ZANTOR_CATCH

// The matrix lies over the axis ranges (or the sursze limits): zmat(1, 1)
// at the start of both axes, zmat(n, m) at their ends (equal steps in axis
// units, so on a logarithmic axis equal steps of the exponent).  Each of
// the (n-1) x (m-1) cells between four grid values is split into ixpts x
// iypts sub-rectangles coloured by the bilinear interpolation of the
// corner values at their centres.  A value that is not a number leaves its
// sub-rectangles empty, like points of colour ncmin under nobgd.
ZANTOR_API void crvmat_(const float* zmat, const int32_t* n, const int32_t* m,
                        const int32_t* ixpts, const int32_t* iypts) try {
  if (jqqlev(3, 3, "CRVMAT") != 0) return;
  if (!inColourAxisSystem()) return;
  const int32_t nx = *n, ny = *m;
  if (nx < 2 || ny < 2 || *ixpts < 1 || *iypts < 1) {
    warnin(2);
    return;
  }
  const Zanglb& g = zanglb;
  // The axis limits, or the grid limits of sursze (user values).
  double left = g.xrel, right = g.xrel + (g.xe - g.xa) * double(g.xdelta);
  double bottom = g.yrel, top = g.yrel - (g.ye - g.ya) * double(g.ydelta);
  if (g.isursz == 1) {
    left = userToPlotX(g.xsursz[0]), right = userToPlotX(g.xsursz[1]);
    bottom = userToPlotY(g.xsursz[2]), top = userToPlotY(g.xsursz[3]);
  }
  if (!std::isfinite(left) || !std::isfinite(right) || !std::isfinite(top) ||
      !std::isfinite(bottom))
    return;
  // More sub-rectangles than plot units across a cell cannot be seen.
  auto visibleParts = [](int32_t parts, double extent, int cells) {
    const double perCell = std::ceil(std::fabs(extent) / cells);
    return static_cast<int>(std::max(1.0, std::min<double>(parts, perCell)));
  };
  const int sx = visibleParts(*ixpts, right - left, nx - 1);
  const int sy = visibleParts(*iypts, bottom - top, ny - 1);
  const long long w = (long long)(nx - 1) * sx, h = (long long)(ny - 1) * sy;
  // Only the columns and rows inside the clipping window are drawn.
  auto visibleSpan = [](double from, double to, double lo, double hi, long long count,
                        long long& first, long long& end) {
    double f1 = (lo - from) / (to - from), f2 = (hi - from) / (to - from);
    if (f1 > f2) std::swap(f1, f2);
    f1 = std::max(0.0, f1), f2 = std::min(1.0, f2);
    if (!(f1 < f2)) return false;
    // One step more on each side: the fractions of a huge matrix are
    // rounded.
    first = std::clamp(static_cast<long long>(std::floor(f1 * count)) - 1, 0LL, count - 1);
    end = std::clamp(static_cast<long long>(std::ceil(f2 * count)) + 1, first + 1, count);
    return true;
  };
  long long c0, c1, r0, r1;  // row 0 is the top of the picture
  if (!visibleSpan(left, right, g.nxclip, g.nuclip, w, c0, c1) ||
      !visibleSpan(top, bottom, g.nyclip, g.nvclip, h, r0, r1))
    return;
  const long long vw = c1 - c0, vh = r1 - r0;
  if (vw * vh > kMaxCells) {
    warnin(53);
    return;
  }
  std::vector<int32_t> cells;
  try {
    cells.resize(std::size_t(vw * vh));
  } catch (const std::bad_alloc&) {
    warnin(53);
    return;
  }
  int32_t* out = cells.data();
  for (long long row = r0; row < r1; ++row) {
    const long long r = h - 1 - row;  // from the start of the Y axis
    const int cj = int(r / sy);
    const double v = (r % sy + 0.5) / sy;
    const float* lower = zmat + std::size_t(cj) * nx;
    const float* upper = lower + nx;
    for (long long col = c0; col < c1; ++col) {
      const int ci = int(col / sx);
      const double u = (col % sx + 0.5) / sx;
      const double z00 = lower[ci], z10 = lower[ci + 1], z01 = upper[ci], z11 = upper[ci + 1];
      const double z = (1 - v) * ((1 - u) * z00 + u * z10) + v * ((1 - u) * z01 + u * z11);
      int32_t c = std::isnan(z) ? -1 : nzposn(z);
      if (g.inobgd == 1 && c == g.ncmin) c = -1;
      *out++ = c;
    }
  }
  const double cw = (right - left) / w, ch = (bottom - top) / h;
  drawCells(left + c0 * cw, top + r0 * ch, left + c1 * cw, top + r1 * ch, cells.data(), int(vw),
            int(vh));
} ZANTOR_CATCH

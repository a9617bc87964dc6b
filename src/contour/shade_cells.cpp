// The cell method of shaded contours: every grid cell is filled with the
// colour of its interval; a cell that one level crosses is split along the
// level (its centre value decides how a saddle joins), a cell that several
// levels cross becomes a mosaic of small rectangles of the interpolated
// colour.  Neighbouring whole cells of one colour in a row are filled as
// one rectangle, which draws the same picture with fewer polygons.
#include <algorithm>
#include <cmath>

#include "contour/shade.h"
#include "core/state.h"

namespace zantor {
namespace {

constexpr double kMosaic = 5.0;  // side of the mosaic rectangles, plot units

void fillRect(double x1, double y1, double x2, double y2, int32_t colour) {
  const double x[4] = {x1, x2, x2, x1};
  const double y[4] = {y1, y1, y2, y2};
  fillClipped(x, y, 4, colour);
}

struct Corner {
  double x, y, z;
  bool high;
};

// Splits a cell along level zs: the low part in colour `lo`, the high part
// in colour `hi` (either may be left empty).
void splitCell(const Corner (&c)[4], double zs, bool centreHigh, int32_t lo, int32_t hi,
               bool fillLo, bool fillHi) {
  double cx[4], cy[4];  // crossing on edge k -> k+1
  bool cut[4];
  for (int k = 0; k < 4; ++k) {
    const Corner &a = c[k], &b = c[(k + 1) % 4];
    cut[k] = a.high != b.high;
    if (cut[k]) edgeCrossing(a.x, a.y, a.z, b.x, b.y, b.z, zs, cx[k], cy[k]);
  }
  const bool saddle = c[0].high == c[2].high && c[1].high == c[3].high && c[0].high != c[1].high;
  double px[8], py[8];
  for (int side = 0; side < 2; ++side) {
    const bool high = side == 1;
    if (high ? !fillHi : !fillLo) continue;
    const int32_t colour = high ? hi : lo;
    if (!saddle || high == centreHigh) {
      // One polygon: the corners of this side and all crossings in order.
      int n = 0;
      for (int k = 0; k < 4; ++k) {
        if (c[k].high == high) px[n] = c[k].x, py[n] = c[k].y, ++n;
        if (cut[k]) px[n] = cx[k], py[n] = cy[k], ++n;
      }
      fillClipped(px, py, n, colour);
    } else {
      // The two separated corners: a triangle each.
      for (int k = 0; k < 4; ++k) {
        if (c[k].high != high) continue;
        const int before = (k + 3) % 4;
        const double tx[3] = {cx[before], c[k].x, cx[k]};
        const double ty[3] = {cy[before], c[k].y, cy[k]};
        fillClipped(tx, ty, 3, colour);
      }
    }
  }
}

// The mosaic steps [first, end) of a cell side from `from` to `from + d`
// cut into `count` steps that lie inside the clipping window [lo, hi]; the
// cell may reach far beyond the page, where nothing needs drawing.
bool visibleSteps(double from, double d, double lo, double hi, long count, long& first,
                  long& end) {
  double f1 = (lo - from) / d, f2 = (hi - from) / d;
  if (f1 > f2) std::swap(f1, f2);
  f1 = std::max(0.0, f1), f2 = std::min(1.0, f2);
  if (!(f1 <= f2)) return false;
  // One step more on each side: the fractions of a huge cell are rounded.
  first = std::clamp(static_cast<long>(std::floor(f1 * count)) - 1, 0L, count - 1);
  end = std::clamp(static_cast<long>(std::ceil(f2 * count)) + 1, first + 1, count);
  return true;
}

void mosaicCell(const Corner (&c)[4], const LevelIntervals& iv) {
  const Zanglb& g = zanglb;
  const double dx = c[1].x - c[0].x, dy = c[3].y - c[0].y;
  if (!std::isfinite(c[0].x + dx) || !std::isfinite(c[0].y + dy)) return;
  constexpr double kMostSteps = 1e9;
  const long nx = static_cast<long>(std::clamp(std::floor(std::fabs(dx) / kMosaic), 1.0, kMostSteps));
  const long ny = static_cast<long>(std::clamp(std::floor(std::fabs(dy) / kMosaic), 1.0, kMostSteps));
  long s0, s1, t0, t1;
  if (!visibleSteps(c[0].x, dx, g.nxclip, g.nuclip, nx, s0, s1) ||
      !visibleSteps(c[0].y, dy, g.nyclip, g.nvclip, ny, t0, t1))
    return;
  for (long t = t0; t < t1; ++t) {
    const double v = (t + 0.5) / ny;
    const double y1 = c[0].y + dy * t / ny, y2 = c[0].y + dy * (t + 1) / ny;
    long runStart = s0;
    int runK = -1;
    for (long s = s0; s <= s1; ++s) {
      int k = -1;
      if (s < s1) {
        const double u = (s + 0.5) / nx;
        const double z = (1 - u) * (1 - v) * c[0].z + u * (1 - v) * c[1].z + u * v * c[2].z +
                         (1 - u) * v * c[3].z;
        k = iv.interval(z);
      }
      if (k == runK) continue;
      if (runK >= 0 && iv.filled[runK])
        fillRect(c[0].x + dx * runStart / nx, y1, c[0].x + dx * s / nx, y2, iv.colour[runK]);
      runStart = s;
      runK = k;
    }
  }
}

}  // namespace

void shadeCells(const ContourGrid& grid, const std::vector<double>& px,
                const std::vector<double>& py, const LevelIntervals& iv) {
  const int n = grid.n, m = grid.m;
  const float* z = grid.z;
  for (int j = 0; j + 1 < m; ++j) {
    const float* r0 = z + static_cast<size_t>(j) * n;
    const float* r1 = r0 + n;
    int runStart = 0, runK = -1;  // whole cells of one interval in this row
    auto flush = [&](int end) {
      if (runK >= 0 && iv.filled[runK]) fillRect(px[runStart], py[j], px[end], py[j + 1], iv.colour[runK]);
      runK = -1;
    };
    for (int i = 0; i + 1 < n; ++i) {
      const double zv[4] = {r0[i], r0[i + 1], r1[i + 1], r1[i]};
      if (std::isnan(zv[0]) || std::isnan(zv[1]) || std::isnan(zv[2]) || std::isnan(zv[3])) {
        flush(i);  // no value, no colour: the cell stays empty
        continue;
      }
      int a[4];
      for (int k = 0; k < 4; ++k) a[k] = iv.interval(zv[k]);
      const int lo = std::min(std::min(a[0], a[1]), std::min(a[2], a[3]));
      const int hi = std::max(std::max(a[0], a[1]), std::max(a[2], a[3]));
      if (lo == hi) {
        if (lo != runK) {
          flush(i);
          runStart = i;
          runK = lo;
        }
        continue;
      }
      flush(i);
      const Corner c[4] = {{px[i], py[j], zv[0], a[0] == hi},
                           {px[i + 1], py[j], zv[1], a[1] == hi},
                           {px[i + 1], py[j + 1], zv[2], a[2] == hi},
                           {px[i], py[j + 1], zv[3], a[3] == hi}};
      if (hi == lo + 1) {
        const double zc = 0.25 * (zv[0] + zv[1] + zv[2] + zv[3]);
        splitCell(c, iv.level[hi - 1], iv.interval(zc) >= hi, iv.colour[lo], iv.colour[hi],
                  iv.filled[lo] != 0, iv.filled[hi] != 0);
      } else {
        mosaicCell(c, iv);
      }
    }
    flush(n - 1);
  }
}

}  // namespace zantor

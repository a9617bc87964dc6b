// Level intervals, their colours and the clipped polygon fill of shaded
// contours.
#include <algorithm>
#include <cmath>
#include <utility>

#include "axes/axes.h"
#include "colourplot/colour_plot.h"
#include "contour/shade.h"
#include "core/state.h"
#include "core/warnings.h"
#include "draw/colour.h"
#include "draw/fill_area.h"
#include "draw/scoped_pen.h"

namespace zantor {

void shadeToPlot(double ux, double uy, double& px, double& py) {
  if (zanglb.igraf == 4) return userToPlot(ux, uy, px, py);
  px = userToPlotX(ux);
  py = userToPlotY(uy);
}

namespace {

// Scratch buffers of the clipped fill, kept between calls so that the
// cell method does not allocate per cell.
std::vector<double> clipA, clipB, outX, outY;
std::vector<int> outCounts;

// One Sutherland-Hodgman stage: keeps the side of `inside`.  Concave and
// even-odd polygons stay correct: the cut parts become edges along the
// window border that cancel in pairs.
template <class In, class Cut>
void clipStage(std::vector<double>& from, std::vector<double>& to, In inside, Cut cut) {
  to.clear();
  const size_t n = from.size() / 2;
  if (n == 0) return;
  double px = from[2 * (n - 1)], py = from[2 * (n - 1) + 1];
  bool pin = inside(px, py);
  for (size_t i = 0; i < n; ++i) {
    const double x = from[2 * i], y = from[2 * i + 1];
    const bool in = inside(x, y);
    if (in != pin) {
      double cx, cy;
      cut(px, py, x, y, cx, cy);
      to.push_back(cx);
      to.push_back(cy);
    }
    if (in) {
      to.push_back(x);
      to.push_back(y);
    }
    px = x, py = y, pin = in;
  }
}

}  // namespace

int LevelIntervals::interval(double z) const {
  const int L = count();
  if (!(z > level[0])) return 0;  // also NaN: below everything
  if (z >= level[L - 1]) return L;
  return static_cast<int>(std::upper_bound(level.begin(), level.end(), z) - level.begin());
}

int32_t scaleColour(double z, double zmin, double zmax) {
  const Zanglb& g = zanglb;
  if (z > zmax) return g.ncmax;
  if (z < zmin) return g.ncmin;
  const double span = zmax - zmin;
  const double cdelta = std::fabs(span) <= g.eps ? 0.0 : (g.nce - g.nca + 1) / span;
  int c = static_cast<int>(g.nca + (z - zmin) * cdelta);
  if (c == g.nca - 1) c = g.nca;
  if (c == g.nce + 1) c = g.nce;
  return c;
}

LevelIntervals makeIntervals(const float* zlvray, int nlev) {
  const Zanglb& g = zanglb;
  std::vector<std::pair<double, int>> sorted(nlev);
  for (int i = 0; i < nlev; ++i) sorted[i] = {zlvray[i], i};
  std::stable_sort(sorted.begin(), sorted.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  LevelIntervals iv;
  const int L = nlev;
  iv.level.resize(L);
  for (int k = 0; k < L; ++k) iv.level[k] = sorted[k].first;
  const double zmin = iv.level[0], zmax = iv.level[L - 1];
  // Inside a colour axis system the levels take the colours of its Z axis,
  // so that the bar beside the plot explains them.
  auto scaleColour = [&](double z, double lo, double hi) {
    return g.igraf3 == 1 ? nzposn(z) : zantor::scaleColour(z, lo, hi);
  };
  iv.colour.resize(L + 1);
  // Interval 0 takes ncmin; with "UPPE" colouring the colour of the lowest
  // level, and interval L its own level for "MIDD" and ncmax for "UPPE"
  // (these ends are not fixed by the colouring rule).
  iv.colour[0] = g.ishclr == 2 ? scaleColour(zmin, zmin, zmax) : g.ncmin;
  for (int k = 1; k <= L; ++k) {
    const int pos = sorted[k - 1].second;
    if (pos < g.iclrcr) {
      iv.colour[k] = g.nconcl[pos];
      continue;
    }
    const double lo = iv.level[k - 1];
    const double hi = k < L ? iv.level[k] : lo;
    if (g.ishclr == 1) iv.colour[k] = scaleColour(0.5 * (lo + hi), zmin, zmax);
    else if (g.ishclr == 2) iv.colour[k] = k < L ? scaleColour(hi, zmin, zmax) : g.ncmax;
    else iv.colour[k] = scaleColour(lo, zmin, zmax);
  }
  iv.filled.assign(L + 1, 1);
  if (g.icellm == 1 || g.icellm == 3) iv.filled[0] = 0;
  if (g.icellm == 2 || g.icellm == 3) iv.filled[L] = 0;
  return iv;
}

void fillClippedRings(const double* x, const double* y, const int* counts, int nrings,
                      int32_t colour) {
  Zanglb& g = zanglb;
  const double x0 = g.nxclip, x1 = g.nuclip, y0 = g.nyclip, y1 = g.nvclip;
  auto cutX = [](double v) {
    return [v](double ax, double ay, double bx, double by, double& cx, double& cy) {
      cx = v;
      cy = ay + (by - ay) * (v - ax) / (bx - ax);
    };
  };
  auto cutY = [](double v) {
    return [v](double ax, double ay, double bx, double by, double& cx, double& cy) {
      cy = v;
      cx = ax + (bx - ax) * (v - ay) / (by - ay);
    };
  };
  outX.clear();
  outY.clear();
  outCounts.clear();
  size_t at = 0;
  for (int k = 0; k < nrings; ++k) {
    const int n = counts[k];
    if (n < 3) {
      at += static_cast<size_t>(std::max(n, 0));
      continue;
    }
    clipA.resize(2 * static_cast<size_t>(n));
    bool inside = true;
    for (int i = 0; i < n; ++i) {
      const double ax = x[at + i] + g.nx0, ay = y[at + i] + g.ny0;
      if (!std::isfinite(ax) || !std::isfinite(ay)) return;
      clipA[2 * i] = ax;
      clipA[2 * i + 1] = ay;
      inside = inside && ax >= x0 && ax <= x1 && ay >= y0 && ay <= y1;
    }
    at += static_cast<size_t>(n);
    if (!inside) {
      clipStage(clipA, clipB, [&](double px, double) { return px >= x0; }, cutX(x0));
      clipStage(clipB, clipA, [&](double px, double) { return px <= x1; }, cutX(x1));
      clipStage(clipA, clipB, [&](double, double py) { return py >= y0; }, cutY(y0));
      clipStage(clipB, clipA, [&](double, double py) { return py <= y1; }, cutY(y1));
      if (clipA.size() < 6) continue;
    }
    const size_t m = clipA.size() / 2;
    for (size_t i = 0; i < m; ++i) {
      outX.push_back(clipA[2 * i]);
      outY.push_back(clipA[2 * i + 1]);
    }
    outCounts.push_back(static_cast<int>(m));
  }
  if (outCounts.empty()) return;
  if (g.ncolr != colour) qqsclr(colour);
  const ThinPen thin;
  fillAbsoluteRings(outX.data(), outY.data(), outCounts.data(), static_cast<int>(outCounts.size()),
                    solidPattern());
}

}  // namespace zantor

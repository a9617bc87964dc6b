// The lines of a curve by interpolation mode: polylines, steps, stairs,
// stems, bars and splines.
#include <algorithm>
#include <cmath>
#include <vector>

#include "axes/axes.h"
#include "axes/curve_internal.h"
#include "axes/splines.h"
#include "core/warnings.h"
#include "draw/fill.h"
#include "draw/pipeline.h"
#include "maps/maps.h"

namespace zantor {

namespace {

enum Mode { LINE, STEP, BARS, SPLI, PSPL, STEM, STAI, FBAR, CURV };

bool finitePoint(double x, double y) { return std::isfinite(x) && std::isfinite(y); }

// Indices [first, last) of the runs of drawable points: a run ends at a
// non-finite point and, with gapcrv, where consecutive x values lie
// farther apart than the gap distance.
std::vector<std::pair<int, int>> runs(const float* xray, const std::vector<double>& px,
                                      const std::vector<double>& py) {
  const Zanglb& g = zanglb;
  std::vector<std::pair<int, int>> out;
  const int n = static_cast<int>(px.size());
  int start = -1;
  for (int i = 0; i <= n; ++i) {
    const bool ok = i < n && finitePoint(px[i], py[i]);
    const bool gap = ok && start >= 0 && g.igpcrv == 1 &&
                     std::fabs(static_cast<double>(xray[i]) - xray[i - 1]) > g.xgpcrv;
    if (start >= 0 && (!ok || gap)) {
      out.emplace_back(start, i);
      start = -1;
    }
    if (ok && start < 0) start = i;
  }
  return out;
}

// Plot y of the base line of stems (user value 0) and bars (ya).
double stemBase() {
  const Zanglb& g = zanglb;
  if (g.ixlg[1] == 1) return g.yrel;
  const double b = userToPlotY(0.0);
  return b;
}

void steps(const double* x, const double* y, int m) {
  if (m < 2) return;
  std::vector<double> ox, oy;
  ox.reserve(2 * m);
  oy.reserve(2 * m);
  ox.push_back(x[0] - (x[1] - x[0]) / 2);
  oy.push_back(y[0]);
  for (int i = 0; i + 1 < m; ++i) {
    const double mid = (x[i] + x[i + 1]) / 2;
    ox.push_back(mid); oy.push_back(y[i]);
    ox.push_back(mid); oy.push_back(y[i + 1]);
  }
  ox.push_back(x[m - 1] + (x[m - 1] - x[m - 2]) / 2);
  oy.push_back(y[m - 1]);
  drawCurvePolyline(ox.data(), oy.data(), static_cast<int>(ox.size()));
}

void stairs(const double* x, const double* y, int m) {
  std::vector<double> ox, oy;
  ox.reserve(2 * m);
  oy.reserve(2 * m);
  ox.push_back(x[0]); oy.push_back(y[0]);
  for (int i = 1; i < m; ++i) {
    ox.push_back(x[i]); oy.push_back(y[i - 1]);
    ox.push_back(x[i]); oy.push_back(y[i]);
  }
  drawCurvePolyline(ox.data(), oy.data(), static_cast<int>(ox.size()));
}

void stems(const double* x, const double* y, int m) {
  const Zanglb& g = zanglb;
  // In a polar system a stem runs from the centre to the point.
  const bool polar = g.igraf == 1;
  const double base = polar ? g.nyaorg : stemBase();
  for (int i = 0; i < m; ++i) {
    const double sx[2] = {polar ? g.nxaorg : x[i], x[i]}, sy[2] = {base, y[i]};
    drawCurvePolyline(sx, sy, 2);
  }
}

// Half width of a bar in plot units.
double barHalfWidth(const std::vector<double>& px) {
  const Zanglb& g = zanglb;
  if (g.xbarfk < 0) return -g.xbarfk / 2.0 * std::fabs(g.xdelta);
  double spacing = 0;
  for (size_t i = 1; i < px.size() && spacing == 0; ++i)  // the first two points
    if (std::isfinite(px[i]) && std::isfinite(px[i - 1])) spacing = std::fabs(px[i] - px[i - 1]);
  if (spacing == 0) spacing = g.nhsym;  // a single bar: as wide as a symbol
  return g.xbarfk / 2.0 * spacing;
}

void bars(const double* x, const double* y, int m, double w, bool filled) {
  const Zanglb& g = zanglb;
  const double base = g.yrel;  // the bottom of the Y scaling
  for (int i = 0; i < m; ++i) {
    const double bx[4] = {x[i] - w, x[i] - w, x[i] + w, x[i] + w};
    const double by[4] = {base, y[i], y[i], base};
    if (filled) {
      // Bars are filled with the current pattern, solid when none is set.
      const int32_t keep = zanglb.nshd;
      if (keep == 0) setShadingPattern(16);
      float fx[4], fy[4];
      for (int j = 0; j < 4; ++j) {
        fx[j] = static_cast<float>(std::clamp(bx[j], double(g.nxclip - g.nx0), double(g.nuclip - g.nx0)));
        fy[j] = static_cast<float>(std::clamp(by[j], double(g.nyclip - g.ny0), double(g.nvclip - g.ny0)));
      }
      dareaf(fx, fy, 4);
      if (keep == 0) setShadingPattern(keep);
    }
    drawCurvePolyline(bx, by, 4);
  }
}

bool splineWarning(SplineStatus s) {
  switch (s) {
    case SplineStatus::Ok: return false;
    case SplineStatus::TooFewPoints: warnin(31); break;
    case SplineStatus::NotIncreasing: warnin(32); break;
    case SplineStatus::Singular: warnin(38); break;
    case SplineStatus::NoMemory: warnin(53); break;
  }
  return true;
}

// Axis value (log10 on logarithmic axes) of a user value.
double axisX(double v) { return zanglb.ixlg[0] == 1 ? std::log10(v) : v; }
double axisY(double v) { return zanglb.ixlg[1] == 1 ? std::log10(v) : v; }

bool spline(const float* xray, int n, const std::vector<double>& py) {
  const Zanglb& g = zanglb;
  // y is interpolated in plot units (affine in the axis value) over the
  // axis value of x, so a logarithmic X axis is sampled equally in log10 x.
  std::vector<double> t(n);
  for (int i = 0; i < n; ++i) t[i] = axisX(xray[i]);
  std::vector<double> ys, ts;
  if (splineWarning(splineEvaluate(t.data(), py.data(), n, g.nsplin, g.nsplpt, false, ys, &ts)))
    return false;
  std::vector<double> xs(ts.size());
  for (size_t i = 0; i < ts.size(); ++i) xs[i] = (ts[i] - g.xa) * g.xdelta + g.xrel;
  drawCurvePolyline(xs.data(), ys.data(), static_cast<int>(xs.size()));
  return true;
}

bool parametricSpline(const float* xray, const float* yray, int n, const std::vector<double>& px,
                      const std::vector<double>& py) {
  const Zanglb& g = zanglb;
  // Cumulative chord length in axis values; repeated points are dropped.
  std::vector<double> t, x, y;
  for (int i = 0; i < n; ++i) {
    const double d = i == 0 ? 0.0
                            : std::hypot(axisX(xray[i]) - axisX(xray[i - 1]),
                                         axisY(yray[i]) - axisY(yray[i - 1]));
    if (i > 0 && !(d > 0)) continue;
    t.push_back(t.empty() ? 0.0 : t.back() + d);
    x.push_back(px[i]);
    y.push_back(py[i]);
  }
  const int m = static_cast<int>(t.size());
  std::vector<double> xs, ys;
  if (splineWarning(splineEvaluate(t.data(), x.data(), m, g.nsplin, g.nsplpt, false, xs)))
    return false;
  splineEvaluate(t.data(), y.data(), m, g.nsplin, g.nsplpt, false, ys);
  drawCurvePolyline(xs.data(), ys.data(), static_cast<int>(xs.size()));
  return true;
}

// A line curve in a map axis system: the points are longitudes and
// latitudes, connected as map lines are (mapmod) and cut to the map.
void mapCurve(const float* xray, const float* yray, int n) {
  std::vector<double> lon(xray, xray + n), lat(yray, yray + n);
  MapPolyline line;
  projectMapPolyline(lon.data(), lat.data(), n, zanglb.imapmd, false, line);
  drawCurveRuns(line.x, line.y);
}

}  // namespace

void drawCurveRuns(const std::vector<double>& x, const std::vector<double>& y) {
  const size_t m = x.size();
  size_t a = 0;
  for (size_t i = 0; i <= m; ++i) {
    if (i < m && !std::isnan(x[i])) continue;
    if (i - a >= 2) drawCurvePolyline(x.data() + a, y.data() + a, static_cast<int>(i - a));
    a = i + 1;
  }
}

bool drawCurveLines(const float* xray, const float* yray, int n, const std::vector<double>& px,
                    const std::vector<double>& py) {
  const Zanglb& g = zanglb;
  const bool map = g.igraf == 4;
  if (map && g.ioppol == LINE) {
    mapCurve(xray, yray, n);
    return true;
  }
  switch (g.ioppol) {
    // On a map x is not linear in the plane: the spline runs through the
    // projected points.
    case SPLI: return map ? parametricSpline(xray, yray, n, px, py) : spline(xray, n, py);
    case PSPL: return parametricSpline(xray, yray, n, px, py);
    case CURV: {
      // A smooth curve that follows the points as the control polygon of a
      // clamped B-spline of order nsplin: it starts and ends at the end
      // points, needs no increasing x and never fails.
      std::vector<double> xs, ys;
      for (auto [a, b] : runs(xray, px, py)) {
        if (b - a < 2) continue;
        controlSpline(px.data() + a, py.data() + a, b - a, g.nsplin, g.nsplpt, xs, ys);
        drawCurvePolyline(xs.data(), ys.data(), static_cast<int>(xs.size()));
      }
      return true;
    }
    default: break;
  }
  const double w = (g.ioppol == BARS || g.ioppol == FBAR) ? barHalfWidth(px) : 0.0;
  for (auto [a, b] : runs(xray, px, py)) {
    const double* x = px.data() + a;
    const double* y = py.data() + a;
    const int m = b - a;
    switch (g.ioppol) {
      case STEP: steps(x, y, m); break;
      case STAI: stairs(x, y, m); break;
      case STEM: stems(x, y, m); break;
      // Bars of a polar curve are drawn as stems from the centre.
      case BARS: g.igraf == 1 ? stems(x, y, m) : bars(x, y, m, w, false); break;
      case FBAR: g.igraf == 1 ? stems(x, y, m) : bars(x, y, m, w, true); break;
      default: drawCurvePolyline(x, y, m); break;
    }
  }
  return true;
}

}  // namespace zantor

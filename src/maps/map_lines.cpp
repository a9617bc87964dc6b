// Map lines and areas in geographic coordinates: connection modes, the
// cut to the map window, the repetition of data by 360 degrees, the date
// line rule, and the public curvmp and gridmp.
//
// Interpolated and great-circle connections are subdivided in steps of at
// most one degree before projecting.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "axes/symbols.h"
#include "core/api.h"
#include "core/keywords.h"
#include "core/levels.h"
#include "core/state.h"
#include "core/warnings.h"
#include "draw/fill.h"
#include "draw/pipeline.h"
#include "maps/maps.h"

namespace zantor {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kRad = kPi / 180.0;
constexpr double kStep = 1.0;  // degrees per piece of a subdivided connection
// Pieces of one subdivided connection at most: four turns of the globe in
// one-degree steps.  Longer connections (coordinates far beyond the map)
// get longer pieces, which bounds the work.
constexpr double kMaxPieces = 1440;
// Grid lines per direction at most: closer lines are thinned to every
// second, third, ... line.
constexpr double kMaxGridLines = 720;

// Pieces of a connection spanning `degrees`: one per step, 1 to kMaxPieces.
int piecesFor(double degrees) {
  const double m = std::ceil(degrees / kStep);
  return m >= 1 ? static_cast<int>(std::min(m, kMaxPieces)) : 1;
}

double wrap180(double d) {
  if (d >= -180.0 && d < 180.0) return d;  // the usual case, without fmod
  d = std::fmod(d, 360.0);
  if (d >= 180.0) d -= 360.0;
  if (d < -180.0) d += 360.0;
  return d;
}

// Liang-Barsky cut of a segment to the window; false when nothing is left.
bool clipToWindow(const GeoWindow& w, double& x1, double& y1, double& x2, double& y2) {
  if (x1 >= w.x1 && x1 <= w.x2 && y1 >= w.y1 && y1 <= w.y2 && x2 >= w.x1 && x2 <= w.x2 &&
      y2 >= w.y1 && y2 <= w.y2)
    return true;  // wholly inside: nothing to cut
  double t0 = 0, t1 = 1;
  const double dx = x2 - x1, dy = y2 - y1;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {x1 - w.x1, w.x2 - x1, y1 - w.y1, w.y2 - y1};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0) t0 = std::max(t0, t); else t1 = std::min(t1, t);
    if (t0 > t1) return false;
  }
  // Ends inside stay exact, so that the next piece joins this one.
  const double ax = t0 > 0 ? x1 + t0 * dx : x1, ay = t0 > 0 ? y1 + t0 * dy : y1;
  if (t1 < 1) {
    x2 = x1 + t1 * dx;
    y2 = y1 + t1 * dy;
  }
  x1 = ax; y1 = ay;
  return true;
}

// Longitude shifts (multiples of 360) that bring [lo, hi] into the window.
std::vector<double> shiftsFor(double lo, double hi, const GeoWindow& w) {
  if (!w.active) return {0.0};
  std::vector<double> out;
  for (int k = -2; k <= 2; ++k) {
    const double s = 360.0 * k;
    if (hi + s >= w.x1 && lo + s <= w.x2) out.push_back(s);
  }
  return out;
}

// Sutherland-Hodgman cut of a polygon by one half plane a x + b y <= c.
void cutHalfPlane(std::vector<double>& x, std::vector<double>& y, double a, double b, double c) {
  const size_t n = x.size();
  if (n == 0) return;
  std::vector<double> ox, oy;
  ox.reserve(n + 4);
  oy.reserve(n + 4);
  for (size_t i = 0; i < n; ++i) {
    const size_t j = (i + 1) % n;
    const double di = a * x[i] + b * y[i] - c, dj = a * x[j] + b * y[j] - c;
    if (di <= 0) { ox.push_back(x[i]); oy.push_back(y[i]); }
    if ((di < 0 && dj > 0) || (di > 0 && dj < 0)) {
      const double t = di / (di - dj);
      ox.push_back(x[i] + t * (x[j] - x[i]));
      oy.push_back(y[i] + t * (y[j] - y[i]));
    }
  }
  x.swap(ox);
  y.swap(oy);
}

// Cuts a polygon in the plane to a convex clip polygon (counter-clockwise
// on the page, i.e. clockwise in plot coordinates with y downwards).
void cutConvex(std::vector<double>& x, std::vector<double>& y, const std::vector<double>& cx,
               const std::vector<double>& cy) {
  const size_t m = cx.size();
  // Orientation of the clip polygon: its signed area decides the side.
  double area = 0;
  for (size_t i = 0; i < m; ++i) {
    const size_t j = (i + 1) % m;
    area += cx[i] * cy[j] - cx[j] * cy[i];
  }
  const double sgn = area > 0 ? 1 : -1;
  for (size_t i = 0; i < m && !x.empty(); ++i) {
    const size_t j = (i + 1) % m;
    // Inside lies to the left of the edge for a positive area.
    const double ex = cx[j] - cx[i], ey = cy[j] - cy[i];
    const double a = sgn * ey, b = -sgn * ex;
    cutHalfPlane(x, y, a, b, a * cx[i] + b * cy[i]);
  }
}

// The plane clip polygon of maps without a geographic window.
void planeClip(std::vector<double>& cx, std::vector<double>& cy) {
  const Zanglb& g = zanglb;
  if (g.imapcr == 1) {
    const int n = 180;
    for (int i = 0; i < n; ++i) {
      cx.push_back(g.xmit + g.rad * std::cos(2 * kPi * i / n));
      cy.push_back(g.ymit + g.rad * std::sin(2 * kPi * i / n));
    }
  } else {
    const double l = g.nxa, r = int64_t{g.nxa} + g.nxl - 1.0, b = g.nya, t = g.nya - g.nyl + 1;
    cx = {l, r, r, l};
    cy = {b, b, t, t};
  }
}

// Densifies a closed geographic polygon and projects it.
void projectRing(const std::vector<double>& gx, const std::vector<double>& gy,
                 std::vector<double>& px, std::vector<double>& py) {
  const size_t n = gx.size();
  for (size_t i = 0; i < n; ++i) {
    const size_t j = (i + 1) % n;
    const double dx = gx[j] - gx[i], dy = gy[j] - gy[i];
    const int m = piecesFor(std::max(std::fabs(dx), std::fabs(dy)));
    for (int k = 0; k < m; ++k) {
      double x, y;
      if (mapToPlot(gx[i] + dx * k / m, gy[i] + dy * k / m, x, y)) {
        px.push_back(x);
        py.push_back(y);
      }
    }
  }
}

void fillPlane(const std::vector<double>& px, const std::vector<double>& py) {
  if (px.size() < 3) return;
  std::vector<float> fx(px.begin(), px.end()), fy(py.begin(), py.end());
  dareaf(fx.data(), fy.data(), static_cast<int>(fx.size()));
}

// Cuts a piece of an azimuthal map to the region shown (angular distance
// up to xazird from the centre); false when nothing is left.
bool cutToRegion(double& x1, double& y1, double& x2, double& y2) {
  const Projection& p = mapProjection();
  const double lim = std::min<double>(zanglb.xazird, p.s.code == 30 ? 85.0 * kRad : kPi);
  const double cosLim = std::cos(lim);  // compared as cosines: no acos per point
  const bool in1 = centreCos(p, x1, y1) >= cosLim, in2 = centreCos(p, x2, y2) >= cosLim;
  if (in1 && in2) return true;
  if (!in1 && !in2) return false;
  // Bisection towards the edge of the region from the inner end.
  double ix = in1 ? x1 : x2, iy = in1 ? y1 : y2, ox = in1 ? x2 : x1, oy = in1 ? y2 : y1;
  for (int k = 0; k < 30; ++k) {
    const double mx = 0.5 * (ix + ox), my = 0.5 * (iy + oy);
    if (centreCos(p, mx, my) >= cosLim) { ix = mx; iy = my; } else { ox = mx; oy = my; }
  }
  if (in1) { x2 = ix; y2 = iy; } else { x1 = ix; y1 = iy; }
  return true;
}

// The latitude mappings of the repetition beyond the poles (CYLI maps
// whose latitude range passes -90 or 90): the latitude itself when the
// range overlaps -89.9..89.9, -y - 180 below the south pole, -y + 180
// above the north pole.
int latitudeMappings(double out[3]) {
  const Zanglb& g = zanglb;
  const double lo = std::min(g.ya, g.ye), hi = std::max(g.ya, g.ye);
  int n = 0;
  if (g.iprojt != 0 || (hi > -89.9 && lo < 89.9)) out[n++] = 0;
  if (g.iprojt == 0 && lo <= -90.1) out[n++] = -180;
  if (g.iprojt == 0 && hi >= 90.1) out[n++] = 180;
  return n;
}

// Applies mapping m to latitude y.
double mapLatitude(double m, double y) { return m == 0 ? y : -y + m; }

}  // namespace

void MapPen::move(double rlon, double lat) {
  lx_ = rlon;
  ly_ = lat;
  has_ = std::isfinite(rlon) && std::isfinite(lat);
  penDown_ = false;
}

void MapPen::draw(double rlon, double lat) {
  if (!has_ || !std::isfinite(rlon) || !std::isfinite(lat)) {
    move(rlon, lat);
    return;
  }
  segment(lx_, ly_, rlon, lat);
  lx_ = rlon;
  ly_ = lat;
}

void MapPen::segment(double x1, double y1, double x2, double y2) {
  if (mode_ == 0) {
    piece(x1, y1, x2, y2);
    return;
  }
  if (mode_ == 1) {
    const int m = piecesFor(std::max(std::fabs(x2 - x1), std::fabs(y2 - y1)));
    double ax = x1, ay = y1;
    for (int k = 1; k <= m; ++k) {
      const double bx = k == m ? x2 : x1 + (x2 - x1) * k / m, by = k == m ? y2 : y1 + (y2 - y1) * k / m;
      piece(ax, ay, bx, by);
      ax = bx;
      ay = by;
    }
    return;
  }
  // Great circle: spherical interpolation between the unit vectors.
  const double l1 = x1 * kRad, p1 = y1 * kRad, l2 = x2 * kRad, p2 = y2 * kRad;
  const double a[3] = {std::cos(p1) * std::cos(l1), std::cos(p1) * std::sin(l1), std::sin(p1)};
  const double b[3] = {std::cos(p2) * std::cos(l2), std::cos(p2) * std::sin(l2), std::sin(p2)};
  const double dot = std::clamp(a[0] * b[0] + a[1] * b[1] + a[2] * b[2], -1.0, 1.0);
  const double om = std::acos(dot);
  if (om < 1e-9 || std::fabs(om - kPi) < 1e-9) {
    piece(x1, y1, x2, y2);  // same point, or antipodes: no unique great circle
    return;
  }
  const int m = piecesFor(om / kRad);
  double ax = x1, ay = y1;
  for (int k = 1; k <= m; ++k) {
    double bx = x2, by = y2;
    if (k < m) {
      const double t = static_cast<double>(k) / m;
      const double s1 = std::sin((1 - t) * om) / std::sin(om), s2 = std::sin(t * om) / std::sin(om);
      const double v[3] = {s1 * a[0] + s2 * b[0], s1 * a[1] + s2 * b[1], s1 * a[2] + s2 * b[2]};
      by = std::atan2(v[2], std::hypot(v[0], v[1])) / kRad;
      bx = ax + wrap180(std::atan2(v[1], v[0]) / kRad - ax);
    } else {
      bx = ax + wrap180(x2 - ax);
    }
    piece(ax, ay, bx, by);
    ax = bx;
    ay = by;
  }
}

void MapPen::piece(double x1, double y1, double x2, double y2) {
  const GeoWindow w = mapWindow();
  if (w.active && !clipToWindow(w, x1, y1, x2, y2)) {
    penDown_ = false;
    return;
  }
  if (isAzimuthal(zanglb.iprojt) && !cutToRegion(x1, y1, x2, y2)) {
    penDown_ = false;
    return;
  }
  double ax, ay, bx, by;
  // The start of a piece is usually the end of the previous one.
  const bool joined = penDown_ && x1 == gx_ && y1 == gy_;
  if (joined) {
    ax = px_;
    ay = py_;
  } else if (!mapToPlot(x1, y1, ax, ay)) {
    penDown_ = false;
    return;
  }
  if (!mapToPlot(x2, y2, bx, by)) {
    penDown_ = false;
    return;
  }
  // A piece of at most one degree that spans a large part of the map
  // crosses a singularity of the projection (the horizon of a gnomonic
  // map, the poles of a transverse Mercator): it is left out.
  if (mode_ != 0) {
    const Zanglb& g = zanglb;
    const double far = 0.25 * std::max(g.nxl, g.nyl);
    if ((bx - ax) * (bx - ax) + (by - ay) * (by - ay) > far * far) {
      penDown_ = false;
      return;
    }
  }
  if (out_ != nullptr) {
    if (!joined) {
      out_->breakLine();
      out_->add(ax, ay);
    }
    out_->add(bx, by);
  } else {
    if (!joined) strtqq(static_cast<float>(ax), static_cast<float>(ay));
    connqq(static_cast<float>(bx), static_cast<float>(by));
  }
  penDown_ = true;
  px_ = bx;
  py_ = by;
  gx_ = x2;
  gy_ = y2;
}

void MapPolyline::breakLine() {
  if (!x.empty() && !std::isnan(x.back())) {
    x.push_back(NAN);
    y.push_back(NAN);
  }
}

void MapPolyline::add(double px, double py) {
  x.push_back(px);
  y.push_back(py);
}

bool geoToPlot(double lon, double lat, double& xp, double& yp) {
  if (!std::isfinite(lon) || !std::isfinite(lat) || std::fabs(lat) > 90.0) return false;
  const Zanglb& g = zanglb;
  const GeoWindow w = mapWindow();
  double r = lon - mapCentralMeridian();
  if (!w.active || r < w.x1 || r > w.x2) r = wrap180(r);
  if (w.active && (r < w.x1 || r > w.x2 || lat < w.y1 || lat > w.y2)) return false;
  if (isAzimuthal(g.iprojt) && centreDistance(mapProjection(), r, lat) > g.xazird + 1e-6)
    return false;  // beyond the region shown (the far side of the globe)
  return mapToPlot(r, lat, xp, yp);
}

namespace {

void walkMapPolyline(const double* lon, const double* lat, int n, int mode, bool dateLine,
                     MapPolyline* out) {
  const double lon0 = mapCentralMeridian();
  const GeoWindow w = mapWindow();
  std::vector<double> rx, ry;
  auto flush = [&]() {
    if (rx.size() >= 2) {
      const auto [lo, hi] = std::minmax_element(rx.begin(), rx.end());
      double maps[3];
      const int nm = latitudeMappings(maps);
      for (int k = 0; k < nm; ++k) {
        for (double s : shiftsFor(*lo, *hi, w)) {
          MapPen pen(mode, out);
          pen.move(rx[0] + s, mapLatitude(maps[k], ry[0]));
          for (size_t i = 1; i < rx.size(); ++i) pen.draw(rx[i] + s, mapLatitude(maps[k], ry[i]));
        }
      }
    }
    rx.clear();
    ry.clear();
  };
  for (int i = 0; i < n; ++i) {
    if (!std::isfinite(lon[i]) || !std::isfinite(lat[i]) || std::fabs(lat[i]) > 90.0) {
      flush();
      continue;
    }
    if (!rx.empty() && dateLine && std::fabs(lon[i] - lon[i - 1]) >= 15.0) flush();
    if (rx.empty()) {
      double r = lon[i] - lon0;
      if (!w.active || r < w.x1 || r > w.x2) r = wrap180(r);
      rx.push_back(r);
    } else {
      rx.push_back(rx.back() + wrap180(lon[i] - lon[i - 1]));
    }
    ry.push_back(lat[i]);
  }
  flush();
}

}  // namespace

void drawMapPolyline(const double* lon, const double* lat, int n, int mode, bool dateLine) {
  walkMapPolyline(lon, lat, n, mode, dateLine, nullptr);
  qqstrk();
}

void projectMapPolyline(const double* lon, const double* lat, int n, int mode, bool dateLine,
                        MapPolyline& out) {
  walkMapPolyline(lon, lat, n, mode, dateLine, &out);
}

void fillMapPolygon(const double* lon, const double* lat, int n) {
  if (n < 3) return;
  const double lon0 = mapCentralMeridian();
  const GeoWindow w = mapWindow();
  std::vector<double> gx(n), gy(n);
  for (int i = 0; i < n; ++i) {
    if (!std::isfinite(lon[i]) || !std::isfinite(lat[i])) return;
    gx[i] = i == 0 ? wrap180(lon[0] - lon0) : gx[i - 1] + wrap180(lon[i] - lon[i - 1]);
    gy[i] = std::clamp(lat[i], -90.0, 90.0);
  }
  // A ring around a pole does not close after unwrapping: it is closed
  // along the pole's parallel.
  const double end = gx[n - 1] + wrap180(lon[0] - lon[n - 1]);
  if (std::fabs(end - gx[0]) > 180.0) {
    double mean = 0;
    for (double v : gy) mean += v;
    const double pole = mean < 0 ? -90.0 : 90.0;
    gx.push_back(end); gy.push_back(pole);
    gx.push_back(gx[0]); gy.push_back(pole);
  }
  const auto [lo, hi] = std::minmax_element(gx.begin(), gx.end());
  std::vector<double> cx, cy;
  if (!w.active) planeClip(cx, cy);
  double maps[3];
  const int nm = latitudeMappings(maps);
  for (int k = 0; k < nm; ++k)
  for (double s : shiftsFor(*lo, *hi, w)) {
    std::vector<double> x(gx), y(gy);
    for (double& v : x) v += s;
    for (double& v : y) v = mapLatitude(maps[k], v);
    if (w.active) {
      cutHalfPlane(x, y, -1, 0, -w.x1);
      cutHalfPlane(x, y, 1, 0, w.x2);
      cutHalfPlane(x, y, 0, -1, -w.y1);
      cutHalfPlane(x, y, 0, 1, w.y2);
    }
    if (x.size() < 3) continue;
    std::vector<double> px, py;
    projectRing(x, y, px, py);
    if (!w.active) cutConvex(px, py, cx, cy);
    fillPlane(px, py);
  }
}

void fillMapArea() {
  const GeoWindow w = mapWindow();
  std::vector<double> px, py;
  if (w.active) {
    projectRing({w.x1, w.x2, w.x2, w.x1}, {w.y1, w.y1, w.y2, w.y2}, px, py);
  } else {
    planeClip(px, py);
  }
  fillPlane(px, py);
}

}  // namespace zantor

using namespace zantor;

ZANTOR_API void curvmp_(const float* xray, const float* yray, const int32_t* n) try {
  if (jqqlev(2, 3, "CURVMP") != 0) return;
  if (jqqval(*n, 1, -1) != 0) return;
  std::vector<double> lon(*n), lat(*n);
  bool bad = false;
  for (int32_t i = 0; i < *n; ++i) {
    lon[i] = xray[i];
    lat[i] = yray[i];
    if (std::fabs(lat[i]) > 90.0) bad = true;  // NaN passes: it breaks the line
  }
  if (bad) warnin(2);
  const Zanglb& g = zanglb;
  if (g.incm >= 0) drawMapPolyline(lon.data(), lat.data(), *n, g.imapmd, false);
  if (g.incm != 0) {
    // Marker symbols at every |incm|-th point that lies on the map.
    const int every = std::abs(g.incm);
    for (int32_t k = 0; k < *n; k += every) {
      double x, y;
      if (geoToPlot(lon[k], lat[k], x, y))
        drawSymbol(g.nsym, static_cast<float>(x), static_cast<float>(y), static_cast<float>(g.nhsym), 0.0f);
    }
  }
} ZANTOR_CATCH

ZANTOR_API void gridmp_(const int32_t* i, const int32_t* j) try {
  if (jqqlev(2, 3, "GRIDMP") != 0) return;
  if (jqqval(*i, 1, -1) != 0 || jqqval(*j, 1, -1) != 0) return;
  const Zanglb& g = zanglb;
  const double lon0 = mapCentralMeridian();
  const double y1 = std::max<double>(std::min(g.ya, g.ye), -90), y2 = std::min<double>(std::max(g.ya, g.ye), 90);
  const double x1 = std::min(g.xa, g.xe), x2 = std::max(g.xa, g.xe);
  // Lines at the label positions and i (j) lines per label step.
  auto positions = [](double lo, double hi, double orig, double step) {
    std::vector<double> v;
    step = std::fabs(step);
    if (!(step > 0) || !std::isfinite(hi - lo)) return v;
    // Lines closer than the range allows are thinned: every k-th line.
    const double count = (hi - lo) / step;
    if (count > kMaxGridLines) step *= std::ceil(count / kMaxGridLines);
    const double tol = 1e-4 * step;
    const double first = orig - std::floor((orig - lo) / step + 1e-9) * step;
    if (!std::isfinite(first)) return v;
    for (long k = 0; v.size() <= kMaxGridLines; ++k) {
      const double t = first + k * step;
      if (t > hi + tol) break;
      v.push_back(t);
    }
    return v;
  };
  const bool circle = g.imapcr == 1;
  // Lines on the edges of the range would only repeat the frame.
  const bool framed = g.nfra != 0 && g.inogr == 0 && !circle && mapWindow().active;
  auto onEdge = [framed](double v, double a, double b) {
    return framed && (std::fabs(v - a) < 1e-4 || std::fabs(v - b) < 1e-4);
  };
  for (double x : positions(x1, x2, g.xorig, g.xstep / *i)) {
    if (onEdge(x, x1, x2)) continue;
    MapPen pen(1);
    pen.move(x - lon0, y1);
    pen.draw(x - lon0, y2);
  }
  for (double y : positions(y1, y2, g.yorig, g.ystep / *j)) {
    if (circle && std::fabs(std::fabs(y) - 90) < 1e-6) continue;
    if (onEdge(y, y1, y2)) continue;
    MapPen pen(1);
    pen.move(x1 - lon0, y);
    pen.draw(x2 - lon0, y);
  }
  qqstrk();
} ZANTOR_CATCH

// grafmp: the map axis system.  Prepares the projection, places the
// projected map in the axis rectangle and draws the frame and labels.
//
// Placement (left open): the projected axis range keeps its shape and is
// scaled to fit the axis rectangle, centred in it.  "CYLI" uses the linear
// axis scaling of a 2D axis system; azimuthal maps over more than 90
// degrees of latitude are drawn in the circle inscribed in the rectangle.
// Longitude labels go below the lower edge of the map (along the equator
// on world projections), latitude labels beside the left and/or right edge
// (maplab); circular maps label the meridians outside the circle.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "axes/axes.h"
#include "axes/label_text.h"
#include "core/api.h"
#include "core/levels.h"
#include "core/state.h"
#include "core/warnings.h"
#include "draw/pipeline.h"
#include "maps/maps.h"
#include "text/text_engine.h"

namespace zantor {
namespace {

constexpr double kPi = 3.14159265358979323846;

Projection gProjection;
double gScale = 1;           // plot units per projected unit
double gCentreX = 0, gCentreY = 0;  // plot position of the projected origin
double gLon0 = 0;

bool badNumber(float v) { return std::isnan(v) || std::isinf(v); }

// Bounding box of the projected axis range, sampled on a grid.
bool projectedBox(double& x1, double& x2, double& y1, double& y2) {
  const Zanglb& g = zanglb;
  x1 = y1 = 1e300;
  x2 = y2 = -1e300;
  const int nx = 96, ny = 48;
  bool any = false;
  for (int i = 0; i <= nx; ++i) {
    for (int j = 0; j <= ny; ++j) {
      const double lon = g.xa + (g.xe - g.xa) * i / nx - gLon0;
      const double lat = std::clamp<double>(g.ya + (g.ye - g.ya) * j / ny, -90, 90);
      double x, y;
      if (!projectPoint(gProjection, lon, lat, x, y) || !std::isfinite(x) || !std::isfinite(y))
        continue;
      if (isAzimuthal(g.iprojt) && centreDistance(gProjection, lon, lat) > g.xazird + 1e-6)
        continue;
      x1 = std::min(x1, x); x2 = std::max(x2, x);
      y1 = std::min(y1, y); y2 = std::max(y2, y);
      any = true;
    }
  }
  return any && x2 > x1 && y2 > y1;
}

// Scale of the circular azimuthal map: the radius at xazird meets the circle.
double circleScale(int code, double d, double az) {
  switch (code) {
    case 30: return (d - 1) / (2 * std::tan(std::min(az, 85.0 * kPi / 180)));
    case 31: return (d - 1) / (2 * std::sin(az));
    case 32: return (d - 1) / (4 * std::tan(az / 2));
    case 33: return (d - 1) / az;
    default: return (d - 1) / (4 * std::sin(az / 2));
  }
}

std::string labelOf(int axis, double v) {
  const Zanglb& g = zanglb;
  return labelText(g.numx[axis], v, g.ndezx[axis], axis, false);
}

// The boxes of the labels written so far: meridians that meet (at a pole,
// or where the first and the last meet on a frame) and labels at the
// corners would otherwise write over each other; the first one stays.
class LabelBoxes {
 public:
  // Text with its box placed relative to (x, y): hx -1 right end at x, 0
  // centred, 1 left end at x; vy -1 bottom at y, 0 centred, 1 top at y.
  void labelAt(const std::string& s, double x, double y, int hx, int vy) {
    const Zanglb& g = zanglb;
    const double w = textLength(s), h = g.nhchar;
    const double left = hx < 0 ? x - w : hx == 0 ? x - w / 2 : x;
    const double top = vy > 0 ? y : vy == 0 ? y - h / 2 : y - h;
    for (const Box& b : boxes_)
      if (left < b.right && b.left < left + w && top < b.bottom && b.top < top + h) return;
    boxes_.push_back({left, top, left + w, top + h});
    qqmess(s, static_cast<float>(left - g.nx0), static_cast<float>(top - g.ny0));
  }

 private:
  struct Box {
    double left, top, right, bottom;
  };
  std::vector<Box> boxes_;
};

void drawFrameAndLabels() {
  Zanglb& g = zanglb;
  const int code = g.iprojt;
  const double dist = g.nnumx[0];
  if (g.nfra != 0) {
    if (g.imapcr == 1) {
      // The circle, as a polygon fine enough for every device.
      const int n = 360;
      for (int i = 0; i <= n; ++i) {
        const double t = 2 * kPi * i / n;
        const float x = static_cast<float>(g.xmit + g.rad * std::cos(t));
        const float y = static_cast<float>(g.ymit - g.rad * std::sin(t));
        if (i == 0) strtqq(x, y); else connqq(x, y);
      }
    } else if (isAzimuthal(code) || code == 100) {
      const float l = static_cast<float>(g.nxa), r = static_cast<float>(int64_t{g.nxa} + g.nxl - 1);
      const float b = static_cast<float>(g.nya), t = static_cast<float>(int64_t{g.nya} - g.nyl + 1);
      strtqq(l, b); connqq(r, b); connqq(r, t); connqq(l, t); connqq(l, b);
    } else {
      // The outline of the axis range.
      const double x1 = g.xa - gLon0, x2 = g.xe - gLon0;
      const double y1 = std::max<double>(g.ya, -90), y2 = std::min<double>(g.ye, 90);
      MapPen pen(1);
      pen.move(x1, y1); pen.draw(x2, y1); pen.draw(x2, y2); pen.draw(x1, y2); pen.draw(x1, y1);
    }
    qqstrk();
  }
  if (code == 100) return;
  // Longitude labels, then latitude labels where they find room.
  LabelBoxes placed;
  if (g.numx[0] != kLabNone) {
    const bool fullTurn = std::fabs(std::fabs(g.xe - g.xa) - 360.0) < 1e-3;
    for (double v : labelValues(g.xa, g.xe, g.xorig, g.xstep, g.ixend[0])) {
      double x, y;
      if (g.imapcr == 1) {
        // One label where the first and the last meridian coincide.
        if (fullTurn && std::fabs(v - g.xe) < 1e-3) continue;
        // The farthest visible point of the meridian, labelled outside; a
        // meridian that runs along the circle is labelled nearest the
        // middle latitude, not at a pole where the others meet.
        const double mid = std::clamp((g.ya + g.ye) / 2.0, -90.0, 90.0);
        double best = -1, bestOff = 1e9, bx = 0, by = 0;
        for (int k = 0; k <= 180; ++k) {
          const double lat = g.ya + (g.ye - g.ya) * k / 180.0;
          if (!mapToPlot(v - gLon0, std::clamp(lat, -90.0, 90.0), x, y)) continue;
          const double r = std::hypot(x - g.xmit, y - g.ymit), off = std::fabs(lat - mid);
          if (r > g.rad + 0.5) continue;
          if (r > best + 0.5 || (r > best - 0.5 && off < bestOff)) {
            best = std::max(best, r);
            bestOff = off;
            bx = x;
            by = y;
          }
        }
        if (best < 0.9 * g.rad) continue;
        const double ux = (bx - g.xmit) / best, uy = (by - g.ymit) / best;
        const double cx = g.xmit + ux * (g.rad + dist + g.nhchar / 2.0);
        const double cy = g.ymit + uy * (g.rad + dist + g.nhchar / 2.0);
        placed.labelAt(labelOf(0, v), cx + ux * textLength(labelOf(0, v)) / 2, cy, 0, 0);
        continue;
      }
      const double lat = isWorldProjection(code) ? std::clamp(0.0, (double)std::max(g.ya, -90.f), (double)std::min(g.ye, 90.f))
                                                   : std::max<double>(g.ya, -90);
      if (!mapToPlot(v - gLon0, lat, x, y)) continue;
      placed.labelAt(labelOf(0, v), x, y + dist, 0, 1);
    }
  }
  // Latitude labels.
  if (g.numx[1] != kLabNone && g.imapcr == 0 && g.imaplb != 0) {
    for (double v : labelValues(g.ya, g.ye, g.yorig, g.ystep, g.ixend[1])) {
      if (v < -90 || v > 90) continue;
      // The poles of world projections are points on the frame.
      if (isWorldProjection(code) && std::fabs(v) > 89.999) continue;
      double x, y;
      if ((g.imaplb & 1) && mapToPlot(g.xa - gLon0, v, x, y)) placed.labelAt(labelOf(1, v), x - dist, y, -1, 0);
      if ((g.imaplb & 2) && mapToPlot(g.xe - gLon0, v, x, y)) placed.labelAt(labelOf(1, v), x + dist, y, 1, 0);
    }
  }
}

// mapopt "AUTO" for "XAXI": the X-axis takes the length that gives the
// projected map its true shape at the height of the Y-axis (the axis
// position stays, or the axis system is centred again).  False after the
// error when that map is wider than the page.
bool fitXAxisToMap(bool centred) {
  Zanglb& g = zanglb;
  const int code = g.iprojt;
  double ratio;  // width over height of the projected map
  if (code == 0) {
    ratio = std::fabs((g.xe - g.xa) / static_cast<double>(g.ye - g.ya));
  } else if (isAzimuthal(code) && g.ye - g.ya > 90) {
    ratio = 1;  // the circle
  } else {
    double x1, x2, y1, y2;
    if (!projectedBox(x1, x2, y1, y2)) return true;  // grafmp reports it
    ratio = (x2 - x1) / (y2 - y1);
  }
  const double len = std::round((g.nyl - 1) * ratio) + 1;
  if (centred && len <= g.nxres) g.nxa = static_cast<int32_t>((g.nxres - len) / 2);
  if (!(len >= 2) || g.nxa + len > g.nxres) {
    qqerror(152, "X-axis does not fit the page");
    return false;
  }
  g.nxl = static_cast<int32_t>(len);
  g.xdelta = static_cast<float>((g.nxl - 1) / static_cast<double>(g.xe - g.xa));
  return true;
}

}  // namespace

const Projection& mapProjection() { return gProjection; }
double mapCentralMeridian() { return gLon0; }

GeoWindow mapWindow() {
  const Zanglb& g = zanglb;
  // CYLI shows latitudes beyond the poles (the mirrored repetition).
  const bool linear = g.iprojt == 0;
  GeoWindow w{g.xa - gLon0, g.xe - gLon0, linear ? g.ya : std::max<double>(g.ya, -90),
              linear ? g.ye : std::min<double>(g.ye, 90), false};
  if (w.x1 > w.x2) std::swap(w.x1, w.x2);
  if (w.y1 > w.y2) std::swap(w.y1, w.y2);
  w.active = !isAzimuthal(g.iprojt) && g.iprojt != 100;
  return w;
}

bool mapToPlot(double rlon, double lat, double& xp, double& yp) {
  const Zanglb& g = zanglb;
  if (g.iprojt == 0) {
    xp = userToPlotX(rlon + gLon0);
    yp = userToPlotY(lat);
    return std::isfinite(xp) && std::isfinite(yp);
  }
  if (g.iprojt == 100) {
    if (g.mapusr == nullptr) return false;
    const float lo = static_cast<float>(rlon + gLon0), la = static_cast<float>(lat);
    float x = 0, y = 0;
    g.mapusr(&lo, &la, &x, &y);
    xp = gCentreX + x;
    yp = gCentreY - y;
    return std::isfinite(xp) && std::isfinite(yp);
  }
  double x, y;
  if (!projectPoint(gProjection, rlon, lat, x, y)) return false;
  xp = gCentreX + gScale * x;
  yp = gCentreY - gScale * y;
  return std::isfinite(xp) && std::isfinite(yp);
}

}  // namespace zantor

using namespace zantor;

ZANTOR_API void grafmp_(const float* xa, const float* xe, const float* xor_, const float* xstp,
                        const float* ya, const float* ye, const float* yor, const float* ystp) try {
  if (jqqlev(1, 1, "GRAFMP") != 0) return;
  Zanglb& g = zanglb;
  const float a[8] = {*xa, *xe, *xor_, *xstp, *ya, *ye, *yor, *ystp};
  for (float v : a) {
    if (badNumber(v)) {
      warnin(2);
      return;
    }
  }
  if (std::fabs(*xe - *xa) <= 1e-6f || std::fabs(*ye - *ya) <= 1e-6f) {
    warnin(10);
    return;
  }
  if (std::fabs(*xstp) <= 1e-6f || std::fabs(*ystp) <= 1e-6f) {
    warnin(9);
    return;
  }
  if (g.nxl < 2 || g.nyl < 2) {
    warnin(11);
    return;
  }
  // Latitudes past the poles are only meaningful for the repetition of
  // cylindrical maps (up to one more hemisphere); longitudes up to one
  // turn beyond the date line.
  if (std::fabs(*ya) > 180.0f || std::fabs(*ye) > 180.0f || std::fabs(*xa) > 540.0f ||
      std::fabs(*xe) > 540.0f) {
    warnin(2);
    return;
  }
  if (g.nxa < 0 || int64_t{g.nxa} + g.nxl > g.nxres) {
    qqerror(152, "X-axis does not fit the page");
    return;
  }
  if (g.iprojt == 100 && g.mapusr == nullptr) {
    qqerror(153, "No user projection routine (setmpr)");
    return;
  }
  const bool centred = g.icent == 1;
  if (g.icent == 1) {
    g.nxa = static_cast<int32_t>((int64_t{g.nxres} - g.nxl) / 2);
    g.nya = static_cast<int32_t>((int64_t{g.nyres} + g.nyl) / 2 - 1);
    g.icent = 2;
  }
  g.xa = *xa; g.xe = *xe; g.xorig = *xor_; g.xstep = *xstp;
  g.ya = *ya; g.ye = *ye; g.yorig = *yor; g.ystep = *ystp;
  g.xmin = std::min(g.xa, g.xe); g.xmax = std::max(g.xa, g.xe);
  g.ymin = std::min(g.ya, g.ye); g.ymax = std::max(g.ya, g.ye);
  g.xdelta = static_cast<float>((g.nxl - 1) / static_cast<double>(g.xe - g.xa));
  g.ydelta = static_cast<float>((g.nyl - 1) / static_cast<double>(g.ye - g.ya));
  g.xrel = static_cast<float>(g.nxa);
  g.yrel = static_cast<float>(g.nya);
  for (int i = 0; i < 2; ++i) {
    const int t = g.numx[i];
    if (t != kLabNone && t != kLabMap && t != kLabDmap && t != kLabLmap && t != kLabMapn)
      g.numx[i] = kLabMap;
  }
  // The projection constants.
  const int code = g.iprojt;
  ProjectionSetup s;
  s.code = code;
  gLon0 = isAzimuthal(code) ? g.xpol : (g.xa + g.xe) / 2.0;
  s.lon0 = gLon0;
  s.lat0 = (std::max(g.ya, -90.f) + std::min(g.ye, 90.f)) / 2.0;
  s.cenLon = g.xpol;
  s.cenLat = g.ypol;
  if (isConical(code)) {
    if (g.iltopt != -1) {
      g.y1lat = g.ya + 0.25f * (g.ye - g.ya);
      g.y2lat = g.ya + 0.75f * (g.ye - g.ya);
    }
    s.plat1 = g.y1lat;
    s.plat2 = g.y2lat;
    s.southCone = (g.ya + g.ye) / 2 < 0;
    if (g.iltopt != -1) g.iltopt = std::fabs(g.y1lat - g.y2lat) < 1e-6f ? 1 : 2;
  }
  gProjection = makeProjection(s);
  if (g.imapxa == 1 && code != 100 && !fitXAxisToMap(centred)) return;
  g.imapcr = 0;
  g.iazclp = 0;
  g.nlev = 2;
  g.igraf = 4;  // a map axis system
  const double cx = g.nxa + (g.nxl - 1) / 2.0, cy = g.nya - (g.nyl - 1) / 2.0;
  if (code == 100) {
    gCentreX = cx;
    gCentreY = cy;
  } else if (isAzimuthal(code) && g.ye - g.ya > 90) {
    const double d = std::min(g.nxl, g.nyl);
    g.imapcr = 1;
    g.xmit = static_cast<float>(cx);
    g.ymit = static_cast<float>(cy);
    g.rad = static_cast<float>((d - 1) / 2);
    gScale = circleScale(code, d, g.xazird);
    gCentreX = cx;
    gCentreY = cy;
  } else if (code != 0) {
    double x1, x2, y1, y2;
    if (!projectedBox(x1, x2, y1, y2)) {
      warnin(2);
      g.nlev = 1;
      return;
    }
    gScale = std::min((g.nxl - 1) / (x2 - x1), (g.nyl - 1) / (y2 - y1));
    gCentreX = cx - gScale * (x1 + x2) / 2;
    gCentreY = cy + gScale * (y1 + y2) / 2;
  }
  if (code != 0) {
    g.xrel = static_cast<float>(gCentreX);
    g.yrel = static_cast<float>(gCentreY);
    g.ydelta = static_cast<float>(gScale);
  }
  if (g.inogr != 1) {
    if (code == 0) drawAxisSides(); else drawFrameAndLabels();
  }
  // Map lines stay inside the map: the circle of circular maps, the axis
  // rectangle otherwise (endgrf returns to the page).
  qqstrk();
  if (g.imapcr == 1) {
    g.iazclp = 1;
  } else {
    // A small margin keeps the frame, which touches the rectangle, whole.
    // Sums in 64 bits: the page and the axis lengths reach 2^30 each.
    const int64_t m = 2 + std::abs(g.nlinwd) / 2;
    g.iclipp = 2;
    g.nxclip = static_cast<int32_t>(std::max<int64_t>(0, g.nxa - m));
    g.nyclip = static_cast<int32_t>(std::max<int64_t>(0, int64_t{g.nya} - g.nyl + 1 - m));
    g.nuclip = static_cast<int32_t>(std::min<int64_t>(g.nxres, int64_t{g.nxa} + g.nxl - 1 + m));
    g.nvclip = static_cast<int32_t>(std::min<int64_t>(g.nyres, g.nya + m));
  }
  g.nlev = 3;
} ZANTOR_CATCH

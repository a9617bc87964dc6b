// errbar: a marker and an error bar with end marks at every point.
#include <cmath>
#include <vector>

#include "axes/axes.h"
#include "axes/curve_internal.h"
#include "axes/symbols.h"
#include "core/api.h"
#include "core/levels.h"
#include "core/warnings.h"
#include "draw/pipeline.h"
#include "maps/maps.h"

using namespace zantor;

namespace {

// On a map the bar runs along the meridian (or the parallel) between the
// two ends, connected as map lines are and cut to the map; the end marks
// stand across the chord of the bar at ends that lie on the map.
void mapBar(double x, double y, double lo, double hi, bool horizontal, double half) {
  const double lon[2] = {horizontal ? x - lo : x, horizontal ? x + hi : x};
  const double lat[2] = {horizontal ? y : y - lo, horizontal ? y : y + hi};
  MapPolyline line;
  projectMapPolyline(lon, lat, 2, zanglb.imapmd, false, line);
  drawCurveRuns(line.x, line.y);
  double ex[2], ey[2];
  bool on[2];
  for (int k = 0; k < 2; ++k) on[k] = geoToPlot(lon[k], lat[k], ex[k], ey[k]);
  double dx = ex[1] - ex[0], dy = ey[1] - ey[0];
  double len = std::hypot(dx, dy);
  if (!on[0] || !on[1] || !(len > 0)) {  // no chord: marks as on a plain axis system
    dx = horizontal ? 1 : 0;
    dy = horizontal ? 0 : 1;
    len = 1;
  }
  for (int k = 0; k < 2; ++k) {
    if (!on[k]) continue;
    const double nx = -dy / len * half, ny = dx / len * half;
    const double mx[2] = {ex[k] - nx, ex[k] + nx}, my[2] = {ey[k] - ny, ey[k] + ny};
    drawCurvePolyline(mx, my, 2);
  }
}

}  // namespace

ZANTOR_API void errbar_(const float* xray, const float* yray, const float* e1ray,
                        const float* e2ray, const int32_t* n) try {
  if (jqqlev(2, 3, "ERRBAR") != 0) return;
  Zanglb& g = zanglb;
  if (*n <= 0) {
    warni1(2, *n);
    return;
  }
  const bool horizontal = g.ierrbh == 1;
  const double half = g.nhsym / 6.0;  // end marks nhsym/3 wide
  std::vector<double> px(*n), py(*n);
  const bool map = g.igraf == 4;
  for (int i = 0; i < *n; ++i) {
    if (map) {
      userToPlot(xray[i], yray[i], px[i], py[i]);  // points off the map get NaN
    } else {
      px[i] = userToPlotX(xray[i]);
      py[i] = userToPlotY(yray[i]);
    }
  }
  drawCurveMarkers(px, py, 1);
  AxisClip clip;
  for (int i = 0; i < *n; ++i) {
    if (!std::isfinite(px[i]) || !std::isfinite(py[i])) continue;
    if (map) {
      mapBar(xray[i], yray[i], e1ray[i], e2ray[i], horizontal, half);
      continue;
    }
    double a[2], b[2];  // the two ends of the bar in plot units
    if (horizontal) {
      a[0] = userToPlotX(xray[i] - e1ray[i]); a[1] = py[i];
      b[0] = userToPlotX(xray[i] + e2ray[i]); b[1] = py[i];
    } else {
      a[0] = px[i]; a[1] = userToPlotY(yray[i] - e1ray[i]);
      b[0] = px[i]; b[1] = userToPlotY(yray[i] + e2ray[i]);
    }
    const double bx[2] = {a[0], b[0]}, by[2] = {a[1], b[1]};
    drawCurvePolyline(bx, by, 2);
    for (const double* e : {a, b}) {
      double mx[2], my[2];
      if (horizontal) {
        mx[0] = mx[1] = e[0]; my[0] = e[1] - half; my[1] = e[1] + half;
      } else {
        my[0] = my[1] = e[1]; mx[0] = e[0] - half; mx[1] = e[0] + half;
      }
      drawCurvePolyline(mx, my, 2);
    }
  }
} ZANTOR_CATCH

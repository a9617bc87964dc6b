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

using namespace zantor;

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
  for (int i = 0; i < *n; ++i) {
    px[i] = userToPlotX(xray[i]);
    py[i] = userToPlotY(yray[i]);
  }
  drawCurveMarkers(px, py, 1);
  AxisClip clip;
  for (int i = 0; i < *n; ++i) {
    if (!std::isfinite(px[i]) || !std::isfinite(py[i])) continue;
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

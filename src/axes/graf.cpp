// graf: checks, scaling and drawing of a 2D axis system; endgrf.
#include <cmath>

#include "axes/axes.h"
#include "axes/curve_fields.h"
#include "core/api.h"
#include "core/levels.h"
#include "core/state.h"
#include "core/warnings.h"
#include "draw/fill.h"
#include "draw/pipeline.h"

namespace zantor {

// The checks of one axis; true when the axis is usable.  Warnings 12 and 50
// only inform.
bool checkAxis(const AxisArgs& x, int length) {
  const float eps = zanglb.eps;
  // An infinite end or step leaves no scale to map data onto.
  if (std::isinf(x.a) || std::isinf(x.e) || std::isinf(x.step)) {
    warnin(2);
    return false;
  }
  if (std::fabs(x.e - x.a) <= eps || std::isnan(x.e - x.a)) {
    warnin(10);
    return false;
  }
  if (std::fabs(x.step) <= eps || std::isnan(x.step)) {
    warnin(9);
    return false;
  }
  if (length < 2) {
    warnin(11);
    return false;
  }
  const bool ascending = x.e > x.a;
  const float lo = ascending ? x.a : x.e, hi = ascending ? x.e : x.a;
  if (x.orig < lo - eps || x.orig > hi + eps || std::isnan(x.orig)) warnin(12);
  if ((ascending && x.step < 0) || (!ascending && x.step > 0)) warnin(50);
  return true;
}

// Replaces the arguments of an automatically scaled axis.
void applyAutoScale(int axis, AxisArgs& x, int length) {
  Zanglb& g = zanglb;
  if (g.ioptsc[axis] != 1) return;
  double a = g.xminsc[axis], e = g.xmaxsc[axis];
  if (g.ixlg[axis] == 1) {
    if (a <= 0) {
      warnin(23);
      a = 0.1;
    }
    if (e <= 0) {
      warnin(24);
      e = 1.0;
    }
    a = std::log10(a);
    e = std::log10(e);
  }
  AxisScale s = g.ixltim[axis] == 1 ? autoScaleTime(a, e) : autoScale(axis, a, e, length);
  x = {s.a, s.e, s.first, s.step};
  g.ndezx[axis] = s.digits;
}

void axisDataRange(int axis, const AxisArgs& x, float& lo, float& hi) {
  const Zanglb& g = zanglb;
  if (g.ioptsc[axis] == 1) {
    lo = g.xminsc[axis];
    hi = g.xmaxsc[axis];
  } else if (g.ixlg[axis] == 1) {
    lo = std::pow(10.0f, x.a);
    hi = std::pow(10.0f, x.e);
  } else {
    lo = x.a;
    hi = x.e;
  }
  if (lo > hi) std::swap(lo, hi);
}

}  // namespace zantor

using namespace zantor;

ZANTOR_API void graf_(const float* xa, const float* xe, const float* xor_, const float* xstp,
                      const float* ya, const float* ye, const float* yor, const float* ystp) try {
  if (jqqlev(1, 1, "GRAF") != 0) return;
  openAxisSystem({*xa, *xe, *xor_, *xstp}, {*ya, *ye, *yor, *ystp});
} ZANTOR_CATCH

void zantor::openAxisSystem(AxisArgs x, AxisArgs y) {
  Zanglb& g = zanglb;
  g.nlev = 2;
  g.igraf = 0;
  applyAutoScale(0, x, g.nxl);
  applyAutoScale(1, y, g.nyl);
  const bool xok = checkAxis(x, g.nxl);
  const bool yok = checkAxis(y, g.nyl);
  if (!xok || !yok) {
    g.nlev = 1;
    return;
  }
  if (g.iaxsfr == 1 && (g.ixlg[0] == 1 || g.ixlg[1] == 1)) {
    qqerror(150, "Crossed axis systems must have linear scaling");
    g.nlev = 1;
    return;
  }
  g.xa = x.a; g.xe = x.e; g.xorig = x.orig; g.xstep = x.step;
  g.ya = y.a; g.ye = y.e; g.yorig = y.orig; g.ystep = y.step;
  g.xdelta = static_cast<float>((g.nxl - 1) / static_cast<double>(g.xe - g.xa));
  g.ydelta = static_cast<float>((g.nyl - 1) / static_cast<double>(g.ye - g.ya));
  axisDataRange(0, x, g.xmin, g.xmax);
  axisDataRange(1, y, g.ymin, g.ymax);

  if (g.icent == 1) {
    g.nxa = static_cast<int32_t>((int64_t{g.nxres} - g.nxl) / 2);
    g.nya = static_cast<int32_t>((int64_t{g.nyres} + g.nyl) / 2 - 1);
    g.icent = 2;
  }
  g.xrel = static_cast<float>(g.nxa);
  g.yrel = static_cast<float>(g.nya);

  if (g.iaxsfr == 1) {
    // The axes cross at the user point (0, 0).
    auto inside = [](float a, float e) { return (a <= 0 && 0 <= e) || (e <= 0 && 0 <= a); };
    if (g.iaxorg == 1) {
      // The corner from the origin: far off any page (beyond 2^30) it
      // has no integer position.
      const float nx = g.nxaorg + g.xa * g.xdelta;
      const float ny = g.nyaorg - g.ya * g.ydelta;
      constexpr float kFar = 1 << 30;
      if (!(std::fabs(nx) <= kFar && std::fabs(ny) <= kFar)) {
        qqerror(151, "No origin found for crossed axis system");
        g.nlev = 1;
        return;
      }
      g.nxa = static_cast<int32_t>(nx);
      g.nya = static_cast<int32_t>(ny);
      g.xrel = static_cast<float>(g.nxa);
      g.yrel = static_cast<float>(g.nya);
    } else if (!inside(g.xa, g.xe) || !inside(g.ya, g.ye)) {
      qqerror(151, "No origin found for crossed axis system");
      g.nlev = 1;
      return;
    }
    g.nxcros = roundPlot(userToPlotX(0));
    g.nycros = roundPlot(userToPlotY(0));
  }
  // The axis rectangle is kept for clpbor("AXIS"); the clipping window
  // itself stays, so that labels and names outside the rectangle show.
  if (g.inogr == 0) drawAxisSides();
}

// Ends the axis system: back to level 1, so that another axis system can
// follow on the same page.
// Callable at any level: outside an axis system there is nothing to end.
ZANTOR_API void endgrf_() try {
  ensureOneTimeDefaults();
  setRoutineName("ENDGRF");
  if (zanglb.nlev < 2) return;
  qqstrk();
  Zanglb& g = zanglb;
  // The axis window, or the circle of a circular map, gives way to the page.
  if (g.iclipp == 2 || g.iazclp == 1) restorePageClipping();
  // The curves of the next axis system fill the legend from line 1 again
  // and start their attribute cycle and marker afresh.
  g.nlgcrv = 0;
  g.ilgrec = 1;
  restartCurveCounters();
  g.nsym = 0;
  g.igraf3 = 0;
  g.nlev = 1;
} ZANTOR_CATCH

// Clipping of the line pipeline: the rectangular window and the circle of
// polar and azimuthal axis systems, and the routines that set them.
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "core/api.h"
#include "core/args.h"
#include "core/keywords.h"
#include "core/levels.h"
#include "core/state.h"
#include "core/warnings.h"
#include "devices/dispatch.h"
#include "draw/line_internal.h"
#include "draw/page.h"
#include "draw/pipeline.h"
#include "draw/plane_hooks.h"

namespace zantor {
namespace {

constexpr double kClipTolerance = 0.001;

// Tells a device that clips itself the current window (ops 16 and 17:
// the two corners) or that there is none (op 18).
void sendClipWindow(bool reset) {
  Device* d = currentDevice();
  if (d == nullptr || !d->caps().hwClip) return;
  const Zanglb& g = zanglb;
  // In a plane of 3D space the window belongs to the plane; the device
  // keeps the window of the 3D axis system.
  if (g.igrfit == 1) return;
  if (reset) {
    xjdraw(0, 0, 18);
    return;
  }
  xjdraw(static_cast<float>(g.nxclip), static_cast<float>(g.nyclip), 16);
  xjdraw(static_cast<float>(g.nuclip), static_cast<float>(g.nvclip), 17);
}

double centreDistance(double x, double y) {
  return std::hypot(x - zanglb.xmit, y - zanglb.ymit);
}

void clipCircle(double x1, double y1, double x2, double y2, line::SegmentEmitter& out) {
  const double r = zanglb.rad;
  if (std::hypot(x2 - x1, y2 - y1) < kClipTolerance) return;
  const bool in1 = centreDistance(x1, y1) <= r + kClipTolerance;
  const bool in2 = centreDistance(x2, y2) <= r + kClipTolerance;
  if (in1 && in2) {
    out.segment(x1, y1, x2, y2);
    return;
  }
  if (in1 != in2) {
    // Halve the outside part until the circle is met; the result is always
    // a point known to be inside.
    double ix = in1 ? x1 : x2, iy = in1 ? y1 : y2;
    double ox = in1 ? x2 : x1, oy = in1 ? y2 : y1;
    for (int i = 0; i < 20; ++i) {
      const double mx = 0.5 * (ix + ox), my = 0.5 * (iy + oy);
      const double dist = centreDistance(mx, my);
      if (dist <= r) { ix = mx; iy = my; } else { ox = mx; oy = my; }
      if (std::fabs(dist - r) <= kClipTolerance && dist <= r) break;
    }
    if (in1) out.segment(x1, y1, ix, iy);
    else out.segment(ix, iy, x2, y2);
    return;
  }
  // Both ends outside: the chord, if it lies within the segment.
  const double dx = x2 - x1, dy = y2 - y1;
  const double fx = x1 - zanglb.xmit, fy = y1 - zanglb.ymit;
  const double a = dx * dx + dy * dy, b = 2 * (fx * dx + fy * dy), c = fx * fx + fy * fy - r * r;
  const double disc = b * b - 4 * a * c;
  if (disc <= 0) return;
  const double t1 = (-b - std::sqrt(disc)) / (2 * a), t2 = (-b + std::sqrt(disc)) / (2 * a);
  if (t1 < 0 || t2 > 1) return;
  out.segment(x1 + t1 * dx, y1 + t1 * dy, x1 + t2 * dx, y1 + t2 * dy);
}

void clipRectangle(double x1, double y1, double x2, double y2, line::SegmentEmitter& out) {
  const Zanglb& g = zanglb;
  const double left = g.nxclip - kClipTolerance, right = g.nuclip + kClipTolerance;
  const double top = g.nyclip - kClipTolerance, bottom = g.nvclip + kClipTolerance;
  auto code = [&](double x, double y) {
    int c = 0;
    if (x < left) c |= 1; else if (x > right) c |= 2;
    if (y < top) c |= 4; else if (y > bottom) c |= 8;
    return c;
  };
  double ax = x1, ay = y1, bx = x2, by = y2;
  int ca = code(ax, ay), cb = code(bx, by);
  // Move each outside end onto the border it crosses (at most two moves
  // per end); ends beyond the same border drop the segment.
  for (int pass = 0; pass < 8 && (ca | cb) != 0; ++pass) {
    if ((ca & cb) != 0) return;
    const int c = ca != 0 ? ca : cb;
    double x = 0, y = 0;
    const double dx = bx - ax, dy = by - ay;
    // Ends are classified with the tolerance but placed on the border.
    if (c & 3) {
      x = (c & 1) ? g.nxclip : g.nuclip;
      y = std::fabs(dx) < g.eps ? ay : ay + dy * (x - ax) / dx;
    } else {
      y = (c & 4) ? g.nyclip : g.nvclip;
      x = std::fabs(dy) < g.eps ? ax : ax + dx * (y - ay) / dy;
    }
    if (c == ca) { ax = x; ay = y; ca = code(ax, ay); }
    else { bx = x; by = y; cb = code(bx, by); }
  }
  if ((ca | cb) != 0) return;
  out.segment(ax, ay, bx, by);
}

}  // namespace

namespace line {

void clipSegment(double x1, double y1, double x2, double y2, SegmentEmitter& out) {
  if (!finitePoint(x1, y1) || !finitePoint(x2, y2)) return;
  if (zanglb.iazclp == 1) clipCircle(x1, y1, x2, y2, out);
  else clipRectangle(x1, y1, x2, y2, out);
}

}  // namespace line

int jqqclp(float x, float y) {
  const Zanglb& g = zanglb;
  if (g.iazclp == 1) return centreDistance(x, y) <= g.rad + kClipTolerance ? 0 : 1;
  const bool inside = g.nxclip - kClipTolerance <= x && x <= g.nuclip + kClipTolerance &&
                      g.nyclip - kClipTolerance <= y && y <= g.nvclip + kClipTolerance;
  return inside ? 0 : 1;
}

void clip2d(float x1, float y1, float x2, float y2) {
  line::SegmentEmitter out;
  line::clipSegment(x1, y1, x2, y2, out);
}

namespace {
line::SegmentEmitter runEmitter;
}

void clip2dRun(double x1, double y1, double x2, double y2) {
  line::clipSegment(x1, y1, x2, y2, runEmitter);
}

void endClip2dRun() { runEmitter = line::SegmentEmitter{}; }

void resetClipWindow() {
  Zanglb& g = zanglb;
  g.nxclip = 0;
  g.nyclip = 0;
  g.nuclip = g.nxres;
  g.nvclip = g.nyres;
  g.iclipp = 0;
  g.iazclp = 0;
}

void restorePageClipping() {
  qqstrk();
  resetClipWindow();
  sendClipWindow(true);
}

}  // namespace zantor

using namespace zantor;

ZANTOR_API void clpwin_(const int32_t* nx, const int32_t* ny, const int32_t* nw,
                        const int32_t* nh) try {
  if (jqqlev(1, 3, "CLPWIN") != 0) return;
  Zanglb& g = zanglb;
  if (!checkWindowRect(*nx, *ny, *nw, *nh)) return;
  if (int64_t{*nx} + *nw - 1 > g.nxres || int64_t{*ny} + *nh - 1 > g.nyres) {
    warnin(2);
    return;
  }
  qqstrk();
  g.iclipp = 1;
  g.nxclip = *nx;
  g.nyclip = static_cast<int32_t>(pageY(*ny));
  g.nuclip = *nx + *nw - 1;
  g.nvclip = g.nyclip + *nh - 1;
  sendClipWindow(false);
} ZANTOR_CATCH

ZANTOR_API void clpbor_(const char* copt, size_t copt_len) try {
  if (jqqlev(2, 3, "CLPBOR") != 0) return;
  const int k = jqqind("PAGE+AXIS", 2, trimmedArg(copt, copt_len));
  if (k == 0) return;
  if (k == 1) {
    restorePageClipping();
    return;
  }
  Zanglb& g = zanglb;
  qqstrk();
  // The axis rectangle: lower-left corner (nxa, nya), lengths nxl, nyl;
  // endgrf restores the page window.
  g.iclipp = 2;
  g.nxclip = g.nxa;
  g.nyclip = g.nya - g.nyl + 1;
  g.nuclip = static_cast<int32_t>(std::min<int64_t>(INT32_MAX, int64_t{g.nxa} + g.nxl - 1));
  g.nvclip = g.nya;
  sendClipWindow(false);
} ZANTOR_CATCH

ZANTOR_API void clpmod_(const char* copt, size_t copt_len) try {
  chkini("CLPMOD");
  const int k = jqqind("AUTO+NONE+CIRC+RECT", 4, trimmedArg(copt, copt_len));
  if (k != 0) zanglb.inomch = k - 1;
} ZANTOR_CATCH

ZANTOR_API void noclip_() try {
  chkini("NOCLIP");
  zanglb.inomch = 1;
} ZANTOR_CATCH

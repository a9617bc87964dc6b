#include "draw/pipeline.h"

#include <cmath>

#include "core/api.h"
#include "core/levels.h"
#include "core/state.h"
#include "devices/dispatch.h"
#include "draw/page.h"

namespace zantor {

namespace {
constexpr float kClipTolerance = 0.001f;
}

void strtqq(float x, float y) {
  Zanglb& g = zanglb;
  g.xstrt = static_cast<float>(g.nx0) + x;
  g.ystrt = static_cast<float>(g.ny0) + y;
  qqmove(g.xstrt, g.ystrt);
}

void connqq(float x, float y) {
  Zanglb& g = zanglb;
  g.xstrt = static_cast<float>(g.nx0) + x;
  g.ystrt = static_cast<float>(g.ny0) + y;
  qqdraw(g.xstrt, g.ystrt);
}

void qqmove(float x, float y) {
  Zanglb& g = zanglb;
  qqstrk();
  g.xplray[0] = x;
  g.yplray[0] = y;
  g.nplray = 1;
}

void qqdraw(float x, float y) {
  Zanglb& g = zanglb;
  if (g.nplray == 0) {  // a draw without a start continues from the pen
    g.xplray[0] = g.xstrt;
    g.yplray[0] = g.ystrt;
    g.nplray = 1;
  }
  int last = g.nplray - 1;
  if (g.xplray[last] == x && g.yplray[last] == y) return;  // duplicate point
  // Two equal points: the new point replaces the second.
  if (g.nplray == 2 && g.xplray[0] == g.xplray[1] && g.yplray[0] == g.yplray[1]) last = 0;
  g.xplray[last + 1] = x;
  g.yplray[last + 1] = y;
  g.nplray = last + 2;
  if (g.nplray == LineFields::kPolylineSize) {
    qqstrk();
    g.xplray[0] = x;
    g.yplray[0] = y;
    g.nplray = 1;
  }
}

int jqqclp(float x, float y) {
  const Zanglb& g = zanglb;
  bool inside = g.nxclip - kClipTolerance <= x && x <= g.nuclip + kClipTolerance &&
                g.nyclip - kClipTolerance <= y && y <= g.nvclip + kClipTolerance;
  return inside ? 0 : 1;
}

void clip2d(float x1, float y1, float x2, float y2) {
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
  // Cohen-Sutherland: move outside ends onto the border they cross.
  for (int pass = 0; pass < 8 && (ca | cb) != 0; ++pass) {
    if ((ca & cb) != 0) return;
    int c = ca != 0 ? ca : cb;
    double x = 0, y = 0;
    const double dx = bx - ax, dy = by - ay;
    if (c & 1 || c & 2) {
      x = (c & 1) ? left : right;
      y = std::fabs(dx) < g.eps ? ay : ay + dy * (x - ax) / dx;
    } else {
      y = (c & 4) ? top : bottom;
      x = std::fabs(dy) < g.eps ? ax : ax + dx * (y - ay) / dy;
    }
    if (c == ca) { ax = x; ay = y; ca = code(ax, ay); }
    else { bx = x; by = y; cb = code(bx, by); }
  }
  if ((ca | cb) != 0) return;
  xjdraw(static_cast<float>(ax), static_cast<float>(ay), 3);
  xjdraw(static_cast<float>(bx), static_cast<float>(by), 2);
}

void qqstrk() {
  Zanglb& g = zanglb;
  const int n = g.nplray;
  if (n == 0) return;
  g.nplray = 0;
  bool allInside = jqqclp(g.xplray[0], g.yplray[0]) == 0;
  if (allInside) xjdraw(g.xplray[0], g.yplray[0], 3);
  for (int i = 1; i < n; ++i) {
    if (allInside && jqqclp(g.xplray[i], g.yplray[i]) == 0) {
      xjdraw(g.xplray[i], g.yplray[i], 2);
      continue;
    }
    allInside = false;
    clip2d(g.xplray[i - 1], g.yplray[i - 1], g.xplray[i], g.yplray[i]);
  }
}

// Dashing lands with the pattern stage; the style is remembered already.
void qqltyp(int style) {
  qqstrk();
  zanglb.ityp = style;
}

void resetClipWindow() {
  Zanglb& g = zanglb;
  g.nxclip = 0;
  g.nyclip = 0;
  g.nuclip = g.nxres;
  g.nvclip = g.nyres;
  g.iclipp = 0;
}

}  // namespace zantor

using namespace zantor;

ZANTOR_API void line_(const int32_t* nx1, const int32_t* ny1, const int32_t* nx2,
                      const int32_t* ny2) {
  if (jqqlev(1, 3, "LINE") != 0) return;
  strtqq(static_cast<float>(*nx1), static_cast<float>(pageY(*ny1)));
  connqq(static_cast<float>(*nx2), static_cast<float>(pageY(*ny2)));
}

ZANTOR_API void xmove_(const float* x, const float* y) {
  qqmove(*x, static_cast<float>(pageY(*y)));
}

ZANTOR_API void xdraw_(const float* x, const float* y) {
  qqdraw(*x, static_cast<float>(pageY(*y)));
}

// Buffer stage of the line pipeline: up to 100 points are collected and
// then stroked (clipped, thickened and handed to the device).
#include <cmath>

#include "core/state.h"
#include "devices/dispatch.h"
#include "draw/line_internal.h"
#include "draw/pipeline.h"
#include "draw/plane_hooks.h"

namespace zantor {
namespace {

SegmentRoutine hiddenLineRoutine = nullptr;
SegmentRoutine blankingRoutine = nullptr;
SegmentRoutine planeRoutine = nullptr;
PlanePointRoutine planePointRoutine = nullptr;

// A buffer stroked because it was full continues in the next buffer: the
// point before its end is kept so that the next piece is joined to it
// (software widths) instead of getting caps at the piece boundary.
bool carryValid = false;
line::Pt carryLead;

void storePoint(int i, float x, float y) {
  Zanglb& g = zanglb;
  // The base transformation (ibtrf) is applied here once present.  The
  // projection into a plane of 3D space (igrfit) waits until the segments
  // are clipped in the plane: clipping windows of a picture drawn in the
  // plane belong to the plane, not to the page.
  g.xplray[i] = x;
  g.yplray[i] = y;
  g.xlstpl = x;
  g.ylstpl = y;
  g.ilstpl = 1;
}

void strokeBuffer(bool continues) {
  Zanglb& g = zanglb;
  const int n = g.nplray;
  if (n == 0) return;
  g.nplray = 0;
  // Each stroke starts with its own move in the plane's picture as well:
  // fills and text between strokes may have taken the device's pen.
  if (g.igrfit == 1) endClip2dRun();
  const bool joinLead = carryValid;
  const line::Pt lead = carryLead;
  carryValid = false;

  line::SegmentEmitter out;
  bool allInside = jqqclp(g.xplray[0], g.yplray[0]) == 0;
  if (allInside) out.moveTo(g.xplray[0], g.yplray[0]);
  for (int i = 1; i < n; ++i) {
    const float x1 = g.xplray[i - 1], y1 = g.yplray[i - 1];
    const float x2 = g.xplray[i], y2 = g.yplray[i];
    if (allInside && jqqclp(x2, y2) == 0) {
      out.segment(x1, y1, x2, y2);
    } else {
      allInside = false;
      line::clipSegment(x1, y1, x2, y2, out);
    }
  }

  // One point after a full piece: only the end cap of that piece is left.
  if (g.nlinwd >= 2 && (n >= 2 || joinLead)) {
    const int w = static_cast<int>(g.nlinwd * g.xfcuni + 0.5f);
    if (w >= 2) {
      line::Pt pts[LineFields::kPolylineSize];
      for (int i = 0; i < n; ++i) pts[i] = {g.xplray[i], g.yplray[i]};
      line::strokeWide(pts, n, joinLead ? &lead : nullptr, !continues, out);
    }
  }
  if (continues && n >= 2) {
    carryValid = true;
    carryLead = {g.xplray[n - 2], g.yplray[n - 2]};
  }
}

}  // namespace

namespace line {

void SegmentEmitter::moveTo(double x, double y) {
  const Zanglb& g = zanglb;
  if (g.igrfit == 1 && planeRoutine) return;
  if ((g.ihlopt == 1 && hiddenLineRoutine) || (g.nblind > 0 && blankingRoutine)) return;
  xjdraw(static_cast<float>(x), static_cast<float>(y), 3);
  penValid_ = true;
  penX_ = static_cast<float>(x);
  penY_ = static_cast<float>(y);
}

void SegmentEmitter::segment(double x1, double y1, double x2, double y2) {
  const Zanglb& g = zanglb;
  const float ax = static_cast<float>(x1), ay = static_cast<float>(y1);
  const float bx = static_cast<float>(x2), by = static_cast<float>(y2);
  if (g.igrfit == 1 && planeRoutine) {
    planeRoutine(ax, ay, bx, by);
    return;
  }
  if (g.ihlopt == 1 && hiddenLineRoutine) {
    hiddenLineRoutine(ax, ay, bx, by);
    return;
  }
  if (g.nblind > 0 && blankingRoutine) {
    blankingRoutine(ax, ay, bx, by);
    return;
  }
  if (!penValid_ || static_cast<float>(penX_) != ax || static_cast<float>(penY_) != ay)
    xjdraw(ax, ay, 3);
  xjdraw(bx, by, 2);
  penValid_ = true;
  penX_ = bx;
  penY_ = by;
}

}  // namespace line

void setHiddenLineRoutine(SegmentRoutine r) { hiddenLineRoutine = r; }
void setBlankingRoutine(SegmentRoutine r) { blankingRoutine = r; }
void setPlaneRoutine(SegmentRoutine r) { planeRoutine = r; }
void setPlanePointRoutine(PlanePointRoutine r) { planePointRoutine = r; }

bool mapIntoPlane(double& x, double& y) {
  if (zanglb.igrfit != 1 || !planePointRoutine) return true;
  return planePointRoutine(x, y);
}

bool hiddenLinesActive() { return zanglb.ihlopt == 1 && hiddenLineRoutine; }

bool strokesReachDevice() {
  const Zanglb& g = zanglb;
  if ((g.ihlopt == 1 && hiddenLineRoutine) || (g.nblind > 0 && blankingRoutine)) return false;
  return !(g.nlinwd >= 2 && static_cast<int>(g.nlinwd * g.xfcuni + 0.5f) >= 2);
}

void qqmove(float x, float y) {
  Zanglb& g = zanglb;
  qqstrk();
  carryValid = false;
  if (!line::finitePoint(x, y)) {  // a NaN point breaks the line
    g.ilstpl = 0;
    return;
  }
  storePoint(0, x, y);
  g.nplray = 1;
}

void qqdraw(float x, float y) {
  Zanglb& g = zanglb;
  if (!line::finitePoint(x, y)) {
    qqstrk();
    carryValid = false;
    g.ilstpl = 0;
    return;
  }
  if (g.nplray == 0) {
    // After a stroke the line continues from the last stored point; with
    // no such point (start of the plot, after a NaN) the draw is a move.
    if (g.ilstpl == 0) {
      qqmove(x, y);
      return;
    }
    g.xplray[0] = g.xlstpl;
    g.yplray[0] = g.ylstpl;
    g.nplray = 1;
  }
  int last = g.nplray - 1;
  // A duplicate point is dropped, except as the second point of a line:
  // a zero-length line reaches the device, which draws it as a dot.
  if (g.xplray[last] == x && g.yplray[last] == y && g.nplray != 1) return;
  // Two equal points: the new point replaces the second.
  if (g.nplray == 2 && g.xplray[0] == g.xplray[1] && g.yplray[0] == g.yplray[1]) last = 0;
  storePoint(last + 1, x, y);
  g.nplray = last + 2;
  if (g.nplray == LineFields::kPolylineSize) {
    strokeBuffer(true);
    storePoint(0, x, y);
    g.nplray = 1;
  }
}

void qqstrk() { strokeBuffer(false); }

}  // namespace zantor

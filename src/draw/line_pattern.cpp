// Pattern stage of the line pipeline: the user origin, dash patterns that
// run on across connected segments, colour cycles of the drawn elements and
// lines offset in parallel (multiple curves).
#include <algorithm>
#include <cmath>

#include "core/state.h"
#include "draw/colour.h"
#include "draw/line_internal.h"
#include "draw/page.h"
#include "draw/pipeline.h"

namespace zantor {
namespace {

constexpr double kPi = 3.14159265358979323846;

// Predefined patterns in 0.1 mm, alternately drawn and skipped.
struct Style {
  int n;
  int len[4];
};
constexpr Style kStyles[8] = {
    {1, {1}},               // solid
    {2, {1, 10}},           // dot
    {2, {10, 10}},          // dash
    {4, {30, 15, 10, 15}},  // chain dash
    {4, {1, 15, 15, 15}},   // chain dot
    {2, {20, 20}},          // medium dash
    {2, {1, 20}},           // long dot
    {2, {30, 20}},          // long dash
};

// A segment longer than this many pattern periods is clipped before it is
// dashed: whole periods outside the clipping area are skipped, which keeps
// the pattern phase and bounds the work by what can be seen.
constexpr double kSkipPeriods = 64.0;
// More visible periods than this in one segment are finer than any device
// shows them on a page that holds the segment.
constexpr double kMaxVisiblePeriods = 100000.0;

void selectCycleColour() {
  const Zanglb& g = zanglb;
  if (g.nmrkc > 0 && g.nmrk != 1) qqsclr(g.nmrayc[std::clamp(g.nmidxc, 1, g.nmrkc) - 1]);
}

// Length after which the pattern state repeats, and the drawn elements in
// it (an odd number of elements alternates pen down/up only every 2 rounds).
void patternPeriod(double& period, int& drawn) {
  const Zanglb& g = zanglb;
  double sum = 0;
  for (int i = 0; i < g.nmrk; ++i) sum += g.nmray[i];
  const bool odd = g.nmrk % 2 == 1;
  period = odd ? 2 * sum : sum;
  drawn = odd ? g.nmrk : g.nmrk / 2;
}

// The part of the segment from (x, y) in direction (c, -s) of length len
// that lies in the clipping area, widened by the line width: the distances
// t0 <= t1 of its ends from (x, y) and the end points themselves.  Each
// end point is computed from the border it lies on, so that its border
// coordinate is exact and the other one well conditioned even when the
// segment's own ends are very far away.  Empty (t0 > t1) when the segment
// misses the area.
struct VisiblePart {
  double t0 = 0, t1 = 0;
  double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};

VisiblePart visiblePart(double x, double y, double c, double s, double len) {
  const Zanglb& g = zanglb;
  const double margin = std::abs(g.nlinwd) + 2.0;
  double lo[2], hi[2];
  if (g.iazclp == 1) {
    lo[0] = g.xmit - g.rad; hi[0] = g.xmit + g.rad;
    lo[1] = g.ymit - g.rad; hi[1] = g.ymit + g.rad;
  } else {
    lo[0] = g.nxclip; hi[0] = g.nuclip;
    lo[1] = g.nyclip; hi[1] = g.nvclip;
  }
  const double p[2] = {x, y}, d[2] = {c, -s};
  VisiblePart v;
  v.t1 = len;
  int axis0 = -1, axis1 = -1;  // the border each end lies on (-1: the segment's own end)
  double at0 = 0, at1 = 0;
  for (int k = 0; k < 2; ++k) {
    const double a = lo[k] - margin, b = hi[k] + margin;
    if (std::fabs(d[k]) < 1e-12) {
      if (p[k] < a || p[k] > b) {
        v.t0 = 1;
        v.t1 = 0;
        return v;
      }
      continue;
    }
    double ta = (a - p[k]) / d[k], tb = (b - p[k]) / d[k];
    double ea = a, eb = b;
    if (ta > tb) std::swap(ta, tb), std::swap(ea, eb);
    if (ta > v.t0) v.t0 = ta, axis0 = k, at0 = ea;
    if (tb < v.t1) v.t1 = tb, axis1 = k, at1 = eb;
  }
  auto point = [&](double t, int axis, double at, double& px, double& py) {
    double q[2] = {p[0] + t * d[0], p[1] + t * d[1]};
    if (axis >= 0) {
      const int o = 1 - axis;
      q[axis] = at;
      q[o] = p[o] + (at - p[axis]) / d[axis] * d[o];
    }
    px = q[0];
    py = q[1];
  };
  point(v.t0, axis0, at0, v.x0, v.y0);
  point(v.t1, axis1, at1, v.x1, v.y1);
  return v;
}

// Ends the current pattern element and begins the next one; a drawn
// element that begins takes the next colour of the cycle.
void nextElement() {
  Zanglb& g = zanglb;
  g.nmrind = g.nmrind % g.nmrk + 1;
  g.nmrpen = 1 - g.nmrpen;
  if (g.nmrpen == 0 && g.nmrkc > 0) g.nmidxc = g.nmidxc % g.nmrkc + 1;
  g.xmrlen = static_cast<float>(g.nmray[g.nmrind - 1]);
}

// Runs the pattern on over distance d without drawing: whole periods at
// once (the remainder by fmod is exact), then at most one period element
// by element.  The work is bounded whatever d is.
void advancePattern(double d, double period, int drawnPerPeriod) {
  Zanglb& g = zanglb;
  if (!(d > 0)) return;
  const double k = std::floor(d / period);
  if (k >= 1) {
    if (g.nmrkc > 0) {
      const double steps = std::fmod(k * drawnPerPeriod, g.nmrkc);
      g.nmidxc = (g.nmidxc - 1 + static_cast<int>(steps)) % g.nmrkc + 1;
    }
    d = std::fmod(d, period);
  }
  while (g.xmrlen < d) {
    d -= g.xmrlen;
    nextElement();
  }
  g.xmrlen -= static_cast<float>(d);
  if (g.nmrpen == 0) selectCycleColour();
}

// Dashes the piece of length len from (x, y) in direction (c, -s): each
// element end is a draw or a move.  Returns the length left after the
// last element end (the caller takes it from the current element).
double dashPiece(double x, double y, double c, double s, double len) {
  Zanglb& g = zanglb;
  double t = 0, rem = len;
  while (g.xmrlen < rem) {
    t += g.xmrlen;
    rem -= g.xmrlen;
    const float px = static_cast<float>(x + t * c), py = static_cast<float>(y - t * s);
    nextElement();
    if (g.nmrpen == 1) {
      qqdraw(px, py);  // end of a drawn element
    } else {
      // A new drawn element starts: its colour first, so that it begins
      // with the move to its start.
      if (g.nmrkc > 0) selectCycleColour();
      qqmove(px, py);
    }
  }
  return rem;
}

}  // namespace

namespace line {

void setPattern(const int* lengths, int n) {
  Zanglb& g = zanglb;
  g.nmrk = n;
  for (int i = 0; i < LineFields::kPatternSize; ++i) g.nmray[i] = i < n ? lengths[i] : 0;
  g.nmrind = 1;
  g.nmrpen = 0;
  g.xmrlen = static_cast<float>(g.nmray[0]);
  g.nmidxc = 1;
}

}  // namespace line

void qqltyp(int style) {
  if (style < 0 || style > 7) return;
  const Style& st = kStyles[style];
  int len[4];
  for (int i = 0; i < st.n; ++i) len[i] = std::max(1, lengthUnits(st.len[i]));
  zanglb.ityp = style;
  line::setPattern(len, st.n);
  if (style == 0) zanglb.xmrlen = 1.0f;
}

void strtqq(float x, float y) {
  Zanglb& g = zanglb;
  g.xstrt = static_cast<float>(g.nx0) + x;
  g.ystrt = static_cast<float>(g.ny0) + y;
  if (std::fabs(g.xoff) < g.eps) {
    selectCycleColour();
    qqmove(g.xstrt, g.ystrt);
  } else {
    g.nstrt = 1;  // the offset start needs the direction of the first segment
  }
}

void connqq(float x, float y) {
  Zanglb& g = zanglb;
  const double x2 = g.nx0 + static_cast<double>(x), y2 = g.ny0 + static_cast<double>(y);
  if (!line::finitePoint(x2, y2)) {  // a NaN point breaks the line
    qqstrk();
    g.xstrt = g.ystrt = NAN;
    g.ilstpl = 0;
    return;
  }
  if (!line::finitePoint(g.xstrt, g.ystrt)) {  // first valid point after a break
    strtqq(x, y);
    return;
  }
  const bool offset = std::fabs(g.xoff) >= g.eps;
  if (g.nmrk == 1 && !offset) {
    g.xstrt = static_cast<float>(x2);
    g.ystrt = static_cast<float>(y2);
    qqdraw(g.xstrt, g.ystrt);
    return;
  }
  const double dx = x2 - g.xstrt, dy = g.ystrt - y2;  // y grows downwards
  double a;
  if (std::fabs(dx) < g.eps) a = y2 <= g.ystrt ? kPi / 2 : -kPi / 2;
  else a = std::atan(dy / dx) + (dx < 0 ? kPi : 0.0);
  const double c = std::cos(a), s = std::sin(a);
  const double len = std::hypot(dx, dy);

  double sx = g.xstrt, sy = g.ystrt, ex = x2, ey = y2;
  if (offset) {
    const double ox = -g.xoff * s, oy = -g.xoff * c;
    sx += ox; sy += oy; ex += ox; ey += oy;
    if (g.nstrt == 1) {
      selectCycleColour();
      qqmove(static_cast<float>(sx), static_cast<float>(sy));
      g.nstrt = 0;
    } else if (g.nmrpen == 0) {
      qqdraw(static_cast<float>(sx), static_cast<float>(sy));
    } else {
      qqmove(static_cast<float>(sx), static_cast<float>(sy));
    }
    if (g.nmrk == 1) {
      qqdraw(static_cast<float>(ex), static_cast<float>(ey));
      g.xstrt = static_cast<float>(x2);
      g.ystrt = static_cast<float>(y2);
      return;
    }
  }

  // Dashing: t is the distance from the start, measured in double so that
  // long segments keep their pattern exact.
  double period = 0;
  int drawnPerPeriod = 0;
  patternPeriod(period, drawnPerPeriod);
  if (period < deviceUnit()) {
    // A whole period within one device unit cannot show its gaps: the
    // segment is drawn solid (our choice), and the pattern phase runs on.
    if (g.nmrpen == 1) qqmove(static_cast<float>(sx), static_cast<float>(sy));
    qqdraw(static_cast<float>(ex), static_cast<float>(ey));
    advancePattern(len, period, drawnPerPeriod);
    g.xstrt = static_cast<float>(x2);
    g.ystrt = static_cast<float>(y2);
    return;
  }
  if (len > kSkipPeriods * period) {
    // A long segment is clipped before it is dashed: the pattern runs on
    // without drawing up to the visible part, which is dashed from its own
    // start point (so that positions stay exact however far away the end
    // points lie), and over the rest.
    const VisiblePart v = visiblePart(sx, sy, c, s, len);
    if (v.t0 > v.t1) {
      advancePattern(len, period, drawnPerPeriod);
    } else {
      advancePattern(v.t0, period, drawnPerPeriod);
      qqmove(static_cast<float>(v.x0), static_cast<float>(v.y0));
      const double piece = std::hypot(v.x1 - v.x0, v.y1 - v.y0);
      if (piece > kMaxVisiblePeriods * period) {
        // Dashes this fine cannot be told apart on any device: the
        // visible part is drawn solid (our choice), and the pattern phase
        // runs on.
        qqdraw(static_cast<float>(v.x1), static_cast<float>(v.y1));
        advancePattern(piece, period, drawnPerPeriod);
      } else {
        g.xmrlen -= static_cast<float>(dashPiece(v.x0, v.y0, c, s, piece));
        if (g.nmrpen == 0) qqdraw(static_cast<float>(v.x1), static_cast<float>(v.y1));
        else qqmove(static_cast<float>(v.x1), static_cast<float>(v.y1));
      }
      advancePattern(len - v.t1, period, drawnPerPeriod);
    }
  } else {
    const double rem = dashPiece(sx, sy, c, s, len);
    g.xmrlen -= static_cast<float>(rem);
  }
  if (g.nmrpen == 0) qqdraw(static_cast<float>(ex), static_cast<float>(ey));
  else qqmove(static_cast<float>(ex), static_cast<float>(ey));
  g.xstrt = static_cast<float>(x2);
  g.ystrt = static_cast<float>(y2);
}

}  // namespace zantor

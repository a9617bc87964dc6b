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

// A segment longer than this many pattern periods is dashed only where it
// can be seen: whole periods outside the clipping area are skipped, which
// keeps the pattern phase and bounds the work for huge coordinates.
constexpr double kSkipPeriods = 10000.0;

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

// Range [t0, t1] of the distance along the segment from (x, y) in
// direction (c, -s) that lies in the clipping area, widened by the line
// width; t0 > t1 when the segment misses it.
void visibleRange(double x, double y, double c, double s, double len, double& t0, double& t1) {
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
  t0 = 0;
  t1 = len;
  for (int k = 0; k < 2; ++k) {
    const double a = lo[k] - margin, b = hi[k] + margin;
    if (std::fabs(d[k]) < 1e-12) {
      if (p[k] < a || p[k] > b) { t0 = 1; t1 = 0; return; }
      continue;
    }
    double ta = (a - p[k]) / d[k], tb = (b - p[k]) / d[k];
    if (ta > tb) std::swap(ta, tb);
    t0 = std::max(t0, ta);
    t1 = std::min(t1, tb);
  }
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
  double t = 0, rem = len;
  double period = 0, t0 = 0, t1 = 0;
  int drawnPerPeriod = 0;
  bool huge = false;
  patternPeriod(period, drawnPerPeriod);
  if (period > 0 && rem > kSkipPeriods * period) {
    huge = true;
    visibleRange(sx, sy, c, s, len, t0, t1);
    if (t0 > t1) t0 = t1 = len;  // nothing visible: skip to the end
  }
  while (g.xmrlen < rem) {
    if (huge) {
      const double target = t < t0 ? t0 : (t > t1 ? len : -1.0);
      const double k = target > t ? std::floor((target - t) / period) : 0.0;
      if (k >= 1) {
        t += k * period;
        rem -= k * period;
        if (g.nmrkc > 0) {
          const double steps = std::fmod(k * drawnPerPeriod, g.nmrkc);
          g.nmidxc = (g.nmidxc - 1 + static_cast<int>(steps)) % g.nmrkc + 1;
          if (g.nmrpen == 0) selectCycleColour();
        }
        qqmove(static_cast<float>(sx + t * c), static_cast<float>(sy - t * s));
        if (g.xmrlen >= rem) break;
      }
    }
    t += g.xmrlen;
    rem -= g.xmrlen;
    const float px = static_cast<float>(sx + t * c), py = static_cast<float>(sy - t * s);
    g.nmrind = g.nmrind % g.nmrk + 1;
    g.nmrpen = 1 - g.nmrpen;
    if (g.nmrpen == 1) {
      qqdraw(px, py);  // end of a drawn element
    } else {
      // A new drawn element starts: its colour first, so that it begins
      // with the move to its start.
      if (g.nmrkc > 0) {
        g.nmidxc = g.nmidxc % g.nmrkc + 1;
        selectCycleColour();
      }
      qqmove(px, py);
    }
    g.xmrlen = static_cast<float>(g.nmray[g.nmrind - 1]);
  }
  if (g.nmrpen == 0) qqdraw(static_cast<float>(ex), static_cast<float>(ey));
  else qqmove(static_cast<float>(ex), static_cast<float>(ey));
  g.xmrlen -= static_cast<float>(rem);
  g.xstrt = static_cast<float>(x2);
  g.ystrt = static_cast<float>(y2);
}

}  // namespace zantor

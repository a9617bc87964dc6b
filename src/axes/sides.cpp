// The sides of a 2D axis system: axis line, ticks, labels and names.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "axes/axes.h"
#include "axes/axis_side.h"
#include "axes/label_text.h"
#include "core/state.h"
#include "draw/colour.h"
#include "draw/fill.h"
#include "draw/page.h"
#include "draw/pipeline.h"

namespace zantor {
namespace {

void segment(double x1, double y1, double x2, double y2) {
  qqmove(static_cast<float>(x1), static_cast<float>(y1));
  qqdraw(static_cast<float>(x2), static_cast<float>(y2));
}

// Draws one tick of length `len` at axis position p (plot units from the
// axis start).
void tick(const Side& s, double p, int len) {
  const Zanglb& g = zanglb;
  const double x = s.x0 + p * s.ux, y = s.y0 + p * s.uy;
  double from = 0, to = len;  // along the outward direction
  switch (g.nrvx[s.axis]) {
    case 1: from = 0; to = -len; break;
    case 2: from = -len / 2.0; to = len / 2.0; break;
    default: break;
  }
  segment(x + from * s.ox, y + from * s.oy, x + to * s.ox, y + to * s.oy);
}

// Ticks of a date axis whose labels or ticks follow the calendar: major
// ticks where labels stand (month, quarter, ... boundaries of labmod
// "STEP", else the multiples of the step), minor ticks at the boundaries
// chosen by ticmod.  Labels keep their major tick when ticmod picks other
// boundaries, so that no label stands without a tick; without ticmod there
// are no minor ticks (equal parts of a month are no calendar boundary).
// True when the axis is such a date axis and its ticks are drawn.
bool dateAxisTicks(const Side& s, double a, double e, double o, double st, double delta) {
  const Zanglb& g = zanglb;
  const int ax = s.axis;
  if (g.numx[ax] != kLabDate || g.ixlg[ax] == 1) return false;
  const bool stepped = labelStepMonths(g.ixdstp[ax]) > 0;
  if (!stepped && g.ixdtic[ax] == 0) return false;
  const std::vector<double> major =
      stepped ? dateSteps(a, e, g.ixdstp[ax], g.ndbday, g.ndbmon, g.ndbyea)
              : labelValues(a, e, o, st, 0);
  const std::vector<double> minor = dateTicks(a, e, g.ixdtic[ax], g.ndbday, g.ndbmon, g.ndbyea);
  auto at = [&](double v) { return std::trunc((v - a) * delta + 0.5); };
  for (double v : major) tick(s, at(v), g.ntic2);
  for (double v : minor) {
    const bool labelled = std::any_of(major.begin(), major.end(),
                                      [&](double m) { return std::fabs(m - v) < 1e-4; });
    if (!labelled) tick(s, at(v), g.ntic1);
  }
  return true;
}

void ticks(const Side& s) {
  const Zanglb& g = zanglb;
  const int ax = s.axis;
  const AxisScaling sc = axisScaling(ax);
  const double a = sc.a, e = sc.e, o = sc.o, st = sc.s;
  // Plot units from the axis start; (v - a) * delta is never negative
  // inside the scaling, for descending axes too.
  const double delta = sc.delta;
  const int n = g.nticx[ax];
  if (n <= 0) return;
  if (dateAxisTicks(s, a, e, o, st, delta)) return;
  const double t = st / n;
  const double start = (o - a) * delta;
  // Only the ticks on the axis are drawn: the indices are cut to those
  // whose position lies within the axis length (with half a unit of
  // rounding), which is what the rule above gives for an origin inside
  // the scaling and bounds the work for an origin far outside it.
  const double spacing = t * delta, length = std::fabs((e - a) * delta);
  double lo = -std::trunc((o - a) / t + 0.0001), hi = std::trunc((e - o) / t + 0.0001);
  if (!std::isfinite(lo) || !std::isfinite(hi) || !std::isfinite(start) || !(spacing != 0))
    return;
  double first = (-0.5 - start) / spacing, last = (length + 0.5 - start) / spacing;
  if (first > last) std::swap(first, last);
  lo = std::max(lo, std::ceil(first));
  hi = std::min(hi, std::floor(last));
  // Ticks closer than one plot unit or one device unit cannot be told
  // apart: minor ticks that close are left out, and a step that small gets
  // no ticks at all (our choice, rather than a solid band of lines; on a
  // huge page scaled down it also bounds the work).
  const double unit = std::max(1.0, deviceUnit());
  if (!(hi >= lo) || hi - lo > length + 1 || std::fabs(st * delta) < unit) return;
  const long every = std::fabs(spacing) < unit ? n : 1;
  const long from = static_cast<long>(std::ceil(lo / every)) * every;
  for (long i = from; i <= static_cast<long>(hi); i += every) {
    double p = std::trunc(start + 0.5 + i * t * delta);
    tick(s, p, i % n == 0 ? g.ntic2 : g.ntic1);
  }
  // Decade ticks on logarithmic axes whose step is whole decades.
  const bool decades = std::fabs(st - std::round(st)) < 0.0001;
  if (g.ixlg[ax] == 1 && decades) {
    const bool full = g.ilgtic == 1;
    if (!full && (std::fabs(st) > 1.5 || std::fabs(delta) < 100)) return;
    for (double d = std::floor(std::min(a, e)); d < std::max(a, e); d += 1) {
      for (int k = 2; k <= 9; ++k) {
        double v = d + std::log10(static_cast<double>(k));
        double p = (v - a) * delta;
        if (p < 0 || p > (e - a) * delta) continue;
        tick(s, std::trunc(p + 0.5), g.ntic1);
      }
    }
  }
}

// Runs f in the colour of one part of the side (the current colour when
// none is set) and returns to the previous colour.
template <class F>
void inColour(const Side& s, int part, F&& f) {
  const int c = partColour(s, part);
  const int32_t previous = zanglb.ncolr;
  if (c != -1) qqsclr(c);
  f();
  qqstrk();
  if (c != -1) qqsclr(previous);
}

// The room each side of the last 2D axis system takes outside the axis
// rectangle (isetgr index 0..3).
int sideRooms[4] = {0, 0, 0, 0};

}  // namespace

// The parts a side shows (isetgr): 1 line, 2 ticks, 3 labels, 4 name.
// Returns what the labels reach.
LabelReach drawAxisSide(const Side& s) {
  const Zanglb& g = zanglb;
  const int show = s.index < 4 ? g.isetgr[s.index] : 4;
  if (show < 1) return {};
  const int len = axisLength(s.axis);
  if (g.naxx[s.axis] == 1)
    inColour(s, 0, [&] { segment(s.x0, s.y0, s.x0 + (len - 1) * s.ux, s.y0 + (len - 1) * s.uy); });
  if (show >= 2) inColour(s, 1, [&] { ticks(s); });
  LabelReach reach{labelDistance(s, show >= 2), 0};
  if (show >= 3) inColour(s, 2, [&] { reach = drawLabels(s, show >= 2); });
  if (show >= 4) inColour(s, 3, [&] { drawName(s, reach); });
  if (s.index < 4) {
    // Outward ticks alone, or the labels with their distance and the
    // name with its distance and height.
    int room = 0;
    if (show >= 3) room = reach.across;
    else if (show == 2 && g.nticx[s.axis] > 0)
      room = g.nrvx[s.axis] == 0 ? g.ntic2 : g.nrvx[s.axis] == 2 ? g.ntic2 / 2 : 0;
    const auto name = s.axis == 0 ? g.cxnam.trimmed() : g.cynam.trimmed();
    if (show >= 4 && !name.empty()) room += g.nnamx[s.axis] + g.nhname;
    sideRooms[s.index] = room;
  }
  return reach;
}

int axisSideRoom(int index) { return index >= 0 && index < 4 ? sideRooms[index] : 0; }

void drawAxisSides() {
  const Zanglb& g = zanglb;
  for (int& r : sideRooms) r = 0;
  const double left = g.nxa, right = int64_t{g.nxa} + g.nxl - 1;
  const double bottom = g.nya, top = g.nya - g.nyl + 1;
  if (g.naxbgd != -1) dbox(static_cast<float>(left), static_cast<float>(top),
                           static_cast<float>(right), static_cast<float>(bottom), g.naxbgd);
  // Every axis starts (value a) at the left or lower end of its side.
  if (g.iaxsfr == 1) {
    // Labels keep off the other axis and off the frame lines that cross
    // their axis; the Y labels also keep off the band of the X labels.
    const double xc = g.nxcros, yc = g.nycros;
    Side x{0, 0, left, yc, 1, 0, 0, 1, true, {{xc, xc}}};
    Side y{1, 3, xc, bottom, 0, -1, -1, 0, true, {{yc, yc}}};
    if (g.nfra != 0) {
      const double f = std::fabs(static_cast<double>(g.nfra));  // frames grow inwards or outwards
      x.keepOff.push_back({left - f, left + f});
      x.keepOff.push_back({right - f, right + f});
      y.keepOff.push_back({top - f, top + f});
      y.keepOff.push_back({bottom - f, bottom + f});
    }
    const LabelReach xr = drawAxisSide(x);
    if (g.isetgr[0] >= 3 && g.numx[0] != kLabNone) y.keepOff.push_back({yc, yc + xr.across});
    drawAxisSide(y);
  } else {
    drawAxisSide({0, 0, left, bottom, 1, 0, 0, 1, false, {}});
    drawAxisSide({1, 3, left, bottom, 0, -1, -1, 0, false, {}});
    drawAxisSide({0, 2, left, top, 1, 0, 0, -1, false, {}});
    drawAxisSide({1, 1, right, bottom, 0, -1, 1, 0, false, {}});
  }
  if (g.nfra != 0) dframe(g.nxa, g.nya - g.nyl + 1, g.nxl, g.nyl, g.nfra, 0.0f);
}

}  // namespace zantor

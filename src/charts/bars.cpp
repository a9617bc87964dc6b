// Bar graphs: vertical, horizontal and 3D bars, groups of bar series,
// bar labels, bars in polar systems, and financial bars (fbars).
#include <algorithm>
#include <cmath>
#include <new>
#include <string>
#include <vector>

#include "axes/axes.h"
#include "axes/label_text.h"
#include "axes/curve_internal.h"
#include "axes/legend_record.h"
#include "charts/bar_geometry.h"
#include "charts/charts.h"
#include "core/api.h"
#include "core/levels.h"
#include "core/state.h"
#include "core/warnings.h"
#include "draw/colour.h"
#include "draw/fill.h"
#include "draw/pipeline.h"
#include "text/numbers.h"
#include "text/text_engine.h"

namespace zantor {

BarWidths barWidths(double spacing) {
  const Zanglb& g = zanglb;
  BarWidths b;
  b.group = g.xbarfk > 0 ? std::fabs(g.xbarfk * spacing) : std::fabs(g.xbarfk);
  const int m = std::max(1, g.nclust);
  if (g.xgapbr <= 0) {
    b.gap = std::fabs(g.xgapbr);
    b.bar = (b.group - b.gap * (m - 1)) / m;
  } else {
    b.bar = b.group / (m + (m - 1) * g.xgapbr);
    b.gap = g.xgapbr * b.bar;
  }
  return b;
}

namespace {

constexpr double kPi = 3.14159265358979323846;

// Plot coordinate along the position axis (X for vertical bars) and along
// the value axis of a user value.
struct BarAxes {
  bool vertical;
  double position(double v) const { return vertical ? userToPlotX(v) : userToPlotY(v); }
  double value(double v) const { return vertical ? userToPlotY(v) : userToPlotX(v); }
  int valueAxis() const { return vertical ? 1 : 0; }
  int positionAxis() const { return vertical ? 0 : 1; }
};

// Plot positions at the axis labels that lie inside the axis range; the
// first is left out on the axis start, the last on the axis end.
std::vector<double> labelPositions(const BarAxes& ax) {
  const Zanglb& g = zanglb;
  const double a = ax.vertical ? g.xa : g.ya, e = ax.vertical ? g.xe : g.ye;
  const double o = ax.vertical ? g.xorig : g.yorig, s = ax.vertical ? g.xstep : g.ystep;
  std::vector<double> out;
  if (!(std::fabs(s) > 0) || !std::isfinite(s)) return out;
  const double lo = std::min(a, e), hi = std::max(a, e), tol = 1e-6 * std::max(1.0, hi - lo);
  const double step = std::fabs(s);
  // The count of steps is bounded, not only the count of positions: with
  // an origin far from the range the steps may not change the value.
  double k = std::ceil((lo - o) / step - 1e-6);
  for (int count = 0; count < 100000; ++count, k += 1) {
    const double v = o + k * step;
    if (v > hi + tol) break;
    if (std::fabs(v - a) <= tol || std::fabs(v - e) <= tol) continue;
    out.push_back(ax.vertical ? g.xrel + (v - g.xa) * g.xdelta : g.yrel - (v - g.ya) * g.ydelta);
  }
  return out;
}

// The value written as a bar label.
double labelValue(double x, double y1, double y2) {
  switch (zanglb.iwthbr) {
    case 1: return y2;
    case 2: return y1;
    case 3: return std::max(y1, y2);
    case 4: return std::min(y1, y2);
    case 5: return y2 - y1;
    default: return x;
  }
}

// The label of one bar: position from the tens digit (1 beyond the bar
// end, 2 inside at the end, 3 in the middle) and the units digit (1 left
// or above, 2 centred, 3 right or below).  `lo`, `hi` span the bar across
// (plot units), `base` and `end` along it.
void barLabel(const BarAxes& ax, double value, double lo, double hi, double base, double end,
              const ChartAttributes& keep) {
  const Zanglb& g = zanglb;
  const int ndig = g.ndezbr == -2 ? digitsNeeded(value) : g.ndezbr;
  const std::string s = numberString(static_cast<float>(value), ndig);
  const int h = g.nhchar;
  const double tl = textLength(s);
  const double bw = std::lround(tl + 0.5 * h), bh = std::lround(1.5 * h);
  const double width = hi - lo, length = std::fabs(end - base);
  int code = g.iwhrbr;
  if (code == 0) {
    // Inside when the box fits across and along the bar.
    const double across = ax.vertical ? bw : bh, along = ax.vertical ? bh : bw;
    code = (across < width && along < length) ? 22 : 12;
  }
  const int tens = code / 10, units = code % 10;
  const double dir = end >= base ? 1.0 : -1.0;  // from base to end, plot units
  const double boxAlong = ax.vertical ? bh : bw, boxAcross = ax.vertical ? bw : bh;
  double a0;  // box start along the value axis (smaller plot coordinate)
  if (tens == 1) a0 = dir > 0 ? end : end - boxAlong;
  else if (tens == 2) a0 = dir > 0 ? end - boxAlong : end;
  else a0 = (base + end) / 2 - boxAlong / 2;
  double c0;  // box start across (smaller plot coordinate)
  if (units == 1) c0 = lo - boxAcross;
  else if (units == 3) c0 = hi;
  else c0 = lo + (width - boxAcross) / 2;
  // The text is centred in its box.
  const double bx = ax.vertical ? c0 : a0, by = ax.vertical ? a0 : c0;
  chartText(s, bx + (bw - tl) / 2, by + (bh - h) / 2, g.ibarcl >= 0 ? g.ibarcl : keep.colour(-1));
}

// One flat or 3D bar: `lo`..`hi` across, `base`..`end` along the value axis.
void drawBar(const BarAxes& ax, double lo, double hi, double base, double end,
             const ChartAttributes& c) {
  const Zanglb& g = zanglb;
  auto point = [&](ChartPolygon& p, double across, double along) {
    if (ax.vertical) p.add(across, along);
    else p.add(along, across);
  };
  ChartPolygon front;
  point(front, lo, base);
  point(front, hi, base);
  point(front, hi, end);
  point(front, lo, end);
  const int32_t border = c.colour(g.ibarc4);
  const bool depth3 = g.ibartp >= 2;
  chartPolygon(clipToAxisRect(front), c.colour(g.ibarc1), border, depth3);
  if (g.ibartp < 2) return;
  // The 3D look: a side and a top face, offset by the depth towards the
  // angle (measured on the page, anticlockwise from the right).
  const double depth = g.xbarf3 > g.eps ? g.xbarf3 : hi - lo;
  const double dx = depth * std::cos(g.xbara3 * kPi / 180);
  const double dy = -depth * std::sin(g.xbara3 * kPi / 180);
  // Page rectangle of the front face.
  const double x1 = ax.vertical ? lo : std::min(base, end), x2 = ax.vertical ? hi : std::max(base, end);
  const double y1 = ax.vertical ? std::min(base, end) : lo, y2 = ax.vertical ? std::max(base, end) : hi;
  ChartPolygon side, top;
  side.add(x2, y2), side.add(x2 + dx, y2 + dy), side.add(x2 + dx, y1 + dy), side.add(x2, y1);
  top.add(x1, y1), top.add(x2, y1), top.add(x2 + dx, y1 + dy), top.add(x1 + dx, y1 + dy);
  // Vertical bars: the right face is the side, the upper face the top;
  // horizontal bars the other way round.
  const int32_t sideColour = c.colour(ax.vertical ? g.ibarc2 : g.ibarc3);
  const int32_t topColour = c.colour(ax.vertical ? g.ibarc3 : g.ibarc2);
  chartPolygon(clipToAxisRect(side), sideColour, border, true);
  chartPolygon(clipToAxisRect(top), topColour, border, true);
}

// A radius of a polar bar: unless clpmod switched clipping off, radii
// beyond the frame circle are cut back to it, as the bar's lines would be.
double barRadius(double r) {
  const Zanglb& g = zanglb;
  if (g.inomch == 1) return r;
  const double e = std::fabs(g.xe);
  return std::clamp(r, -e, e);
}

// An annular sector of a polar system: angles t1..t2 (radians), radii
// r1..r2.
void polarBar(double t1, double t2, double r1, double r2, const ChartAttributes& c) {
  const Zanglb& g = zanglb;
  r1 = barRadius(r1);
  r2 = barRadius(r2);
  ChartPolygon p;
  // One arc step per two degrees and per few plot units of the outer arc:
  // small bars need no more than a few corners.
  const double arc = std::fabs(t2 - t1) * std::max(std::fabs(r1), std::fabs(r2)) * g.xdelta;
  const double perAngle = std::fabs(t2 - t1) / (2 * kPi) * 180;
  double want = std::min(perAngle, arc / 4);
  if (!std::isfinite(want)) want = 30;
  const int steps = static_cast<int>(std::clamp(want, 2.0, 30.0));
  double x, y;
  for (int i = 0; i <= steps; ++i) {
    polarToPlot(r2, t1 + (t2 - t1) * i / steps, x, y);
    p.add(x, y);
  }
  for (int i = steps; i >= 0; --i) {
    polarToPlot(r1, t1 + (t2 - t1) * i / steps, x, y);
    p.add(x, y);
  }
  chartPolygon(p, c.colour(g.ibarc1), c.colour(g.ibarc4));
}

// The label of a polar bar from r1 to r2, centred on its bisector t
// (radians): beyond the bar end r2 (tens digit 1), inside at it (2) or
// halfway (3); across the bar it is always centred.  "AUTO" puts it
// inside when the box fits along the bar and across the arc `width`
// (radians) at the end.
void polarBarLabel(double value, double t, double width, double r1, double r2,
                   const ChartAttributes& keep) {
  const Zanglb& g = zanglb;
  if (!(g.xdelta > 0)) return;
  r1 = barRadius(r1);
  r2 = barRadius(r2);
  const int ndig = g.ndezbr == -2 ? digitsNeeded(value) : g.ndezbr;
  const std::string s = numberString(static_cast<float>(value), ndig);
  const int h = g.nhchar;
  const double tl = textLength(s);
  const double bw = std::lround(tl + 0.5 * h), bh = std::lround(1.5 * h);
  // Half the extent of the box along the ray of angle t, in radius units.
  double x0, y0, x1, y1;
  polarToPlot(0, t, x0, y0);
  polarToPlot(1, t, x1, y1);
  const double len = std::hypot(x1 - x0, y1 - y0);
  const double half = 0.5 * (std::fabs(x1 - x0) * bw + std::fabs(y1 - y0) * bh) / len / g.xdelta;
  int tens = g.iwhrbr / 10;
  if (g.iwhrbr == 0) {
    const bool along = 2 * half < std::fabs(r2 - r1);
    const bool across = std::min(bw, bh) < std::fabs(r2) * g.xdelta * width;
    tens = along && across ? 2 : 1;
  }
  const double dir = r2 >= r1 ? 1.0 : -1.0;
  double rc = (r1 + r2) / 2;
  if (tens == 1) rc = r2 + dir * half;
  else if (tens == 2) rc = r2 - dir * half;
  double cx, cy;
  polarToPlot(rc, t, cx, cy);
  chartText(s, cx - tl / 2, cy - h / 2.0, g.ibarcl >= 0 ? g.ibarcl : keep.colour(-1));
}

// Counts (and with data checks reports) bars outside the axis system.
void reportOutside(int outside) {
  Zanglb& g = zanglb;
  g.nnouts += outside;
  if (outside > 0 && g.nchek == 1) {
    qqserr("Data points out of the axis system");
    warni1(162, outside);
  }
}

bool outsideRange(int axis, double v) {
  const Zanglb& g = zanglb;
  const double lo = axis == 0 ? g.xmin : g.ymin, hi = axis == 0 ? g.xmax : g.ymax;
  const double tol = 1e-5 * (hi - lo);
  return v < lo - tol || v > hi + tol;
}

void drawBars(const float* xray, const float* y1ray, const float* y2ray, int n) {
  Zanglb& g = zanglb;
  const bool polar = g.igraf == 1;
  const BarAxes ax{polar || g.ibartp == 0 || g.ibartp == 2};
  const int va = ax.valueAxis();
  // Values must suit a logarithmic value axis (the base too, unless it is
  // replaced by the axis start).
  if (!polar && g.ixlg[va] == 1) {
    for (int i = 0; i < n; ++i)
      if (y2ray[i] <= 0 || (g.ibasbr == 0 && y1ray[i] <= 0)) return warnin(27);
  }
  std::vector<double> pos;
  if (g.icenbr == 1 && !polar) {
    pos = labelPositions(ax);
    if (static_cast<int>(pos.size()) != n) {
      warnin(28);
      n = std::min(n, static_cast<int>(pos.size()));
    }
  } else {
    pos.resize(n);
    for (int i = 0; i < n; ++i) pos[i] = polar ? xray[i] : ax.position(xray[i]);
  }
  if (n < 1) return;

  ChartAttributes attributes;
  LegendAttributes rec;
  rec.style = -1;
  rec.colour = attributes.colour(g.ibarc1);
  rec.pattern = g.nshd;
  recordCurveForLegend(rec);

  if (g.nbargc >= g.nclust) g.nbargc = 0;
  const int k = g.nbargc++;
  // One label step when there is no second bar to measure the spacing.
  double step = polar ? g.ystep * kPi / 180 : std::fabs(ax.vertical ? g.xstep * g.xdelta : g.ystep * g.ydelta);
  auto spacing = [&](int i) {
    if (n < 2) return step;
    if (g.ibarmd == 0) return std::fabs(pos[1] - pos[0]);
    return std::fabs(i + 1 < n ? pos[i + 1] - pos[i] : pos[i] - pos[i - 1]);
  };
  int outside = 0;
  {
    AxisClip clip;
    for (int i = 0; i < n; ++i) {
      const double x = xray[i];
      double y1 = g.ibasbr == 1 ? (g.ixlg[va] == 1 ? std::pow(10.0, va == 0 ? g.xa : g.ya)
                                                     : (va == 0 ? g.xa : g.ya))
                                : y1ray[i];
      if (polar && g.ibasbr == 1) y1 = 0;
      const double y2 = y2ray[i];
      if (!std::isfinite(pos[i]) || !std::isfinite(y1) || !std::isfinite(y2)) continue;
      if (!polar && (outsideRange(va, y1) || outsideRange(va, y2) ||
                     (g.icenbr == 0 && outsideRange(ax.positionAxis(), x))))
        ++outside;
      const BarWidths b = barWidths(spacing(i));
      if (polar) {
        const double t1 = pos[i] - b.group / 2 + k * (b.bar + b.gap);
        polarBar(t1, t1 + b.bar, y1, y2, attributes);
        if (g.iwthbr != 0)
          polarBarLabel(labelValue(x, y1, y2), t1 + b.bar / 2, b.bar, y1, y2, attributes);
        continue;
      }
      const double lo = std::round(pos[i] - b.group / 2 + k * (b.bar + b.gap));
      const double hi = lo + std::round(b.bar);
      const double base = roundPlot(ax.value(y1)), end = roundPlot(ax.value(y2));
      drawBar(ax, lo, hi, base, end, attributes);
      if (g.iwthbr != 0)
        barLabel(ax, labelValue(x, y1, y2), lo, hi, base, end, attributes);
    }
  }
  reportOutside(outside);
  if (g.nbargc >= g.nclust) g.nbargc = 0;
  // The next series: pattern and colour from the cycles.
  attributes.keep();
  const int next = g.icallb + 1;
  if (g.icnbar == 2 || g.icnbar == 3) setShadingPattern(cyclePattern(next));
  else setShadingPattern(attributes.pattern());
  if (g.icnbar == 1 || g.icnbar == 3) qqsclr(cycleColour(next));
  else if (g.ncolr != attributes.colour(-1)) qqsclr(attributes.colour(-1));
}

void drawFinancialBars(const float* x, const float* open, const float* high, const float* low,
                       const float* close, int n) {
  Zanglb& g = zanglb;
  if (g.ixlg[1] == 1) {
    for (int i = 0; i < n; ++i)
      if (!(open[i] > 0 && high[i] > 0 && low[i] > 0 && close[i] > 0)) return warnin(27);
  }
  ChartAttributes c;
  LegendAttributes rec;
  rec.colour = c.colour(g.ibarc1);
  recordCurveForLegend(rec);
  const double s = n < 2 ? std::fabs(g.xstep * g.xdelta)
                         : std::fabs(userToPlotX(x[1]) - userToPlotX(x[0]));
  const double xd = g.xbarfk > 0 ? 0.5 * std::fabs(g.xbarfk * s) : 0.5 * std::fabs(g.xbarfk);
  AxisClip clip;
  for (int i = 0; i < n; ++i) {
    if (!std::isfinite(x[i]) || !std::isfinite(open[i]) || !std::isfinite(high[i]) ||
        !std::isfinite(low[i]) || !std::isfinite(close[i]))
      continue;
    const double px = userToPlotX(x[i]);
    const double po = userToPlotY(open[i]), ph = userToPlotY(high[i]);
    const double pl = userToPlotY(low[i]), pc = userToPlotY(close[i]);
    auto line = [&](int32_t colour, double x1, double y1, double x2, double y2) {
      qqstrk();
      if (g.ncolr != c.colour(colour)) qqsclr(c.colour(colour));
      chartLine(x1, y1, x2, y2);
    };
    if (g.icandl == 0) {
      line(g.ibarc1, px, pl, px, ph);
      line(g.ibarc2, px - xd, po, px, po);
      line(g.ibarc3, px, pc, px + xd, pc);
      continue;
    }
    // Candles: a wick from low to the body and from the body to high.
    const double upper = std::min(po, pc), lower = std::max(po, pc);  // plot y grows down
    line(g.ibarc1, px, pl, px, lower);
    line(g.ibarc1, px, upper, px, ph);
    ChartPolygon body;
    body.add(px - xd, upper), body.add(px + xd, upper), body.add(px + xd, lower),
        body.add(px - xd, lower);
    const bool falling = close[i] < open[i];
    qqstrk();
    if (falling) {
      const int32_t pattern = g.nshd;
      setShadingPattern(16);
      chartPolygon(body, c.colour(g.ibarc3), c.colour(g.ibarc1));
      setShadingPattern(pattern);
    } else if (g.ibarc2 >= 0) {
      const int32_t pattern = g.nshd;
      setShadingPattern(16);
      chartPolygon(body, g.ibarc2, c.colour(g.ibarc1));
      setShadingPattern(pattern);
    } else {
      line(g.ibarc1, px - xd, upper, px + xd, upper);
      for (int j = 0; j < 4; ++j) chartLine(body.x[j], body.y[j], body.x[(j + 1) % 4], body.y[(j + 1) % 4]);
    }
  }
}

}  // namespace

}  // namespace zantor

using namespace zantor;

ZANTOR_API void bars_(const float* xray, const float* y1ray, const float* y2ray, const int32_t* n) try {
  if (jqqlev(2, 3, "BARS") != 0) return;
  if (*n < 1) return warni1(2, *n);
  Zanglb& g = zanglb;
  ++g.icallb;
  try {
    drawBars(xray, y1ray, y2ray, *n);
  } catch (const std::bad_alloc&) {
    warnin(53);
  }
} ZANTOR_CATCH

ZANTOR_API void fbars_(const float* xray, const float* y1ray, const float* y2ray,
                       const float* y3ray, const float* y4ray, const int32_t* n) try {
  if (jqqlev(2, 3, "FBARS") != 0) return;
  if (*n < 1) return warni1(2, *n);
  if (zanglb.igraf == 1) return qqerror(109, "Routine does not work for polar axis systems");
  drawFinancialBars(xray, y1ray, y2ray, y3ray, y4ray, *n);
} ZANTOR_CATCH

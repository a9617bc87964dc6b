// The axes of a 3D axis system: which box edges carry them, their ticks,
// labels and names.
//
// Choices (the drawing of 3D axes is ours to choose): the X and Y axes lie
// on the two edges of the bottom face that are nearest to the view point,
// the Z axis on the vertical edge at the left of the picture that does not
// hide behind the box.  Ticks point away from the box, along the projection
// of the outward 3D direction of the edge (or perpendicular to the axis in
// the picture when that projection runs nearly along the axis).  Labels and
// names are written horizontally, centred on the outward direction; the Z
// name reads upwards.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "axes/axis_side.h"
#include "axes/label_text.h"
#include "core/state.h"
#include "draw/colour.h"
#include "draw/pipeline.h"
#include "text/text_engine.h"
#include "plot3d/plot3d.h"
#include "plot3d/projection.h"
#include "core/scoped_value.h"
#include "draw/scoped_pen.h"

namespace zantor {
namespace {

constexpr double kMostTicks = 10000;

struct Vec2 {
  double x = 0, y = 0;
};

Vec2 plotOf(const Abs3& p) {
  const Plot3 q = absToPlot3d(p);
  return {q.x, q.y};
}

// One axis on a box edge: its absolute end points (value a at `from`), the
// outward 3D direction and the resulting picture directions.
struct Axis3 {
  int axis = 0;
  Abs3 from, to, out;
  Vec2 p0, p1;      // picture of the end points
  Vec2 dir;         // unit vector along the axis in the picture
  Vec2 outward;     // unit vector towards ticks and labels
  double a = 0, e = 0, o = 0, s = 0;  // scaling (exponents on log axes)
};

Vec2 unit(Vec2 v) {
  const double l = std::hypot(v.x, v.y);
  if (!(l > 1e-12)) return {0, 0};
  return {v.x / l, v.y / l};
}

void finishAxis(Axis3& ax) {
  ax.p0 = plotOf(ax.from);
  ax.p1 = plotOf(ax.to);
  ax.dir = unit({ax.p1.x - ax.p0.x, ax.p1.y - ax.p0.y});
  const Abs3 mid{(ax.from.x + ax.to.x) / 2, (ax.from.y + ax.to.y) / 2, (ax.from.z + ax.to.z) / 2};
  const Vec2 m = plotOf(mid);
  const double step = 0.1 * std::max({zanglb.x3axis[0], zanglb.x3axis[1], zanglb.x3axis[2]});
  const Vec2 q = plotOf({mid.x + step * ax.out.x, mid.y + step * ax.out.y, mid.z + step * ax.out.z});
  Vec2 o = unit({q.x - m.x, q.y - m.y});
  // Perpendicular to the axis, away from the centre of the box.
  Vec2 perp{-ax.dir.y, ax.dir.x};
  const Vec2 c = plotOf({0, 0, 0});
  if (perp.x * (m.x - c.x) + perp.y * (m.y - c.y) < 0) perp = {-perp.x, -perp.y};
  if (std::fabs(o.x * ax.dir.y - o.y * ax.dir.x) < 0.3) o = perp;
  ax.outward = o;
}

// Position in the picture of value v (axis units) on the axis.
Vec2 along(const Axis3& ax, double v) {
  const double t = (v - ax.a) / (ax.e - ax.a);
  return {ax.p0.x + t * (ax.p1.x - ax.p0.x), ax.p0.y + t * (ax.p1.y - ax.p0.y)};
}

void segment(Vec2 a, Vec2 b) {
  const Zanglb& g = zanglb;
  if (!std::isfinite(a.x + a.y + b.x + b.y)) return;
  strtqq(static_cast<float>(a.x - g.nx0), static_cast<float>(a.y - g.ny0));
  connqq(static_cast<float>(b.x - g.nx0), static_cast<float>(b.y - g.ny0));
}

int partColourOf(int axis, int part) {
  const Zanglb& g = zanglb;
  if (axis == 0) return g.ixclr[part];
  if (axis == 1) return g.iyclr[part];
  return -1;
}

// Runs f in the colour of one part of an axis (-1: the current colour).
template <class F>
void inColour(int axis, int part, F&& f) {
  const int c = partColourOf(axis, part);
  const KeepColour keep;
  if (c >= 0 && c != keep.colour()) qqsclr(c);
  f();
  qqstrk();
}

// A text box on the page: upper left corner and size.
struct TextBox {
  double left = 0, top = 0, w = 0, h = 0;
  bool valid = false;
  bool overlaps(const TextBox& o) const {
    return valid && o.valid && left < o.left + o.w && o.left < left + w && top < o.top + o.h &&
           o.top < top + h;
  }
};

// Writes s centred at distance `dist` from `base` along `out`, so that
// its box just touches that distance; returns how far the box reaches.
// When `last` is given, a text whose box would overlap it is left out
// (labels crowd where an axis is foreshortened) and `last` becomes the
// box drawn.
double textOutward(std::string_view s, Vec2 base, Vec2 out, double dist, bool rotated,
                   int height, TextBox* last = nullptr) {
  Zanglb& g = zanglb;
  const ScopedValue<int32_t> nangle(g.nangle, rotated ? 90 : 0);
  const ScopedValue<float> sina(g.sina, rotated ? 1.0f : 0.0f);
  const ScopedValue<float> cosa(g.cosa, rotated ? 0.0f : 1.0f);
  const int len = textLength(s);
  const double w = rotated ? height : len, h = rotated ? len : height;
  const double half = std::fabs(out.x) * w / 2 + std::fabs(out.y) * h / 2;
  const double cx = base.x + out.x * (dist + half), cy = base.y + out.y * (dist + half);
  const TextBox box{cx - w / 2, cy - h / 2, w, h, true};
  if (last == nullptr || !box.overlaps(*last)) {
    textInBox(s, box.left, box.top, rotated, len, 0);
    if (last != nullptr) *last = box;
  }
  return dist + 2 * half;
}

double drawTicksAndLabels(const Axis3& ax) {
  Zanglb& g = zanglb;
  const int i = ax.axis;
  const Vec2 o = ax.outward;
  const int n = g.nticx[i];
  const double tick = n > 0 ? g.ntic2 : 0;
  std::vector<double> values = labelValues(ax.a, ax.e, ax.o, ax.s, g.ixend[i]);
  if (n > 0) {
    inColour(i, 1, [&] {
      const double lo = std::min(ax.a, ax.e) - 1e-6 * std::fabs(ax.e - ax.a);
      const double hi = std::max(ax.a, ax.e) + 1e-6 * std::fabs(ax.e - ax.a);
      const double ds = ax.s / n;
      // Minor ticks before the first label and between the labels.
      const double k1 = std::floor((lo - ax.o) / ds) - 1, k2 = std::ceil((hi - ax.o) / ds) + 1;
      // A tiny step or a far origin: more ticks than a picture can show
      // (or counts beyond the integers) are left out.
      if (!(std::fabs(k2 - k1) <= kMostTicks) || !(std::fabs(k1) < 1e15)) return;
      const long kmin = static_cast<long>(k1), kmax = static_cast<long>(k2);
      for (long k = std::min(kmin, kmax); k <= std::max(kmin, kmax); ++k) {
        const double v = ax.o + k * ds;
        if (v < lo || v > hi) continue;
        const bool major = k % n == 0;
        const double len = major ? g.ntic2 : g.ntic1;
        const Vec2 p = along(ax, v);
        segment(p, {p.x + o.x * len, p.y + o.y * len});
      }
    });
  }
  const int type = g.numx[i];
  double reach = tick + g.nnumx[i];
  if (type == kLabNone) return reach;
  int digits = g.ndezx[i];
  if (g.ixdgop[i] == 1 && g.ioptsc[i] != 1)
    digits = std::max(digitsNeeded(ax.o), digitsNeeded(ax.s));
  const bool logAxis = g.ixlg[i] == 1;
  const ScopedValue<int32_t> nmix(g.nmix);
  if (isExponentLabel(type)) g.nmix = 1;
  double far = reach;
  TextBox last;
  inColour(i, 2, [&] {
    for (double v : values) {
      const std::string text = labelText(type, v, digits, i, logAxis);
      if (text.empty()) continue;
      far = std::max(far, textOutward(text, along(ax, v), o, tick + g.nnumx[i], false, g.nhchar,
                                      &last));
    }
  });
  return far;
}

void drawAxisName(const Axis3& ax, double reach) {
  Zanglb& g = zanglb;
  const auto name = ax.axis == 0 ? g.cxnam.trimmed()
                    : ax.axis == 1 ? g.cynam.trimmed() : g.cznam.trimmed();
  if (name.empty()) return;
  const Vec2 mid{(ax.p0.x + ax.p1.x) / 2, (ax.p0.y + ax.p1.y) / 2};
  const ScopedValue<int32_t> nhchar(g.nhchar, g.nhname);
  inColour(ax.axis, 3, [&] {
    textOutward(name, mid, ax.outward, reach + g.nnamx[ax.axis], ax.axis == 2, g.nhname);
  });
}

}  // namespace

void drawBoxAxes() {
  const Zanglb& g = zanglb;
  const double hx = g.x3axis[0] / 2, hy = g.x3axis[1] / 2, hz = g.x3axis[2] / 2;
  const Abs3 v = viewPoint3d();
  const double sx = v.x >= 0 ? 1 : -1, sy = v.y > 0 ? 1 : -1;
  Axis3 axes[3];
  axes[0].axis = 0;
  axes[0].from = {-hx, sy * hy, -hz};
  axes[0].to = {hx, sy * hy, -hz};
  axes[0].out = {0, sy, 0};
  axes[0].a = g.xa3d, axes[0].e = g.xe3d, axes[0].o = g.xor3d, axes[0].s = g.xstp3d;
  axes[1].axis = 1;
  axes[1].from = {sx * hx, -hy, -hz};
  axes[1].to = {sx * hx, hy, -hz};
  axes[1].out = {sx, 0, 0};
  axes[1].a = g.ya3d, axes[1].e = g.ye3d, axes[1].o = g.yor3d, axes[1].s = g.ystp3d;
  // The Z axis: of the two vertical edges beside the front edge, the one
  // further left in the picture.
  const Abs3 c1{-sx * hx, sy * hy, -hz}, c2{sx * hx, -sy * hy, -hz};
  const Abs3 zc = plotOf(c1).x <= plotOf(c2).x ? c1 : c2;
  axes[2].axis = 2;
  axes[2].from = zc;
  axes[2].to = {zc.x, zc.y, hz};
  axes[2].out = {zc.x / hx, zc.y / hy, 0};
  axes[2].a = g.za3d, axes[2].e = g.ze3d, axes[2].o = g.zor3d, axes[2].s = g.zstp3d;
  for (Axis3& ax : axes) {
    finishAxis(ax);
    if (g.naxx[ax.axis] == 1) inColour(ax.axis, 0, [&] { segment(ax.p0, ax.p1); });
    const double reach = drawTicksAndLabels(ax);
    drawAxisName(ax, reach);
  }
}

}  // namespace zantor

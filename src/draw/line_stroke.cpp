// Software line widths: a thick line is drawn as its centre line plus
// pairs of strokes offset to both sides, with caps at the ends of open
// lines and joins at the corners, all through the segment clipper.
#include <algorithm>
#include <cmath>
#include <vector>

#include "core/state.h"
#include "draw/line_internal.h"
#include "draw/pipeline.h"

namespace zantor::line {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kMinSegment = 1e-3;  // shorter segments have no direction
constexpr double kArcTolerance = 0.25;  // chord deviation of arcs, plot units

Pt unit(Pt a, Pt b) {
  const double dx = b.x - a.x, dy = b.y - a.y, l = std::hypot(dx, dy);
  return {dx / l, dy / l};
}

// Offset of side s (+1 or -1) at distance d for direction u: the normal
// (-u.y, u.x) points to the right of the direction on the page (y down).
Pt offset(Pt u, int s, double d) { return {-u.y * s * d, u.x * s * d}; }

Pt add(Pt a, Pt b) { return {a.x + b.x, a.y + b.y}; }

int arcSteps(double sweep, double r) {
  const double c = 1.0 - std::min(kArcTolerance / r, 1.0);
  const double step = std::max(2.0 * std::acos(c), 1e-3);
  return std::clamp(static_cast<int>(std::ceil(std::fabs(sweep) / step)), 2, 64);
}

// Points of an arc around c with radius r from angle a0 over `sweep`,
// without the start point and with the end point.
void arc(Pt c, double r, double a0, double sweep, std::vector<Pt>& path) {
  const int n = arcSteps(sweep, r);
  for (int i = 1; i <= n; ++i) {
    const double a = a0 + sweep * i / n;
    path.push_back({c.x + r * std::cos(a), c.y + r * std::sin(a)});
  }
}

class SideBuilder {
 public:
  SideBuilder(int side, double d) : s_(side), d_(d) {}

  // Adds the corner at p from direction u1 to u2; the point on the
  // incoming stroke is already in the path, the join ends on the start of
  // the outgoing stroke.
  void join(Pt p, Pt u1, Pt u2, std::vector<Pt>& path) const {
    const Pt o1 = offset(u1, s_, d_), o2 = offset(u2, s_, d_);
    const Pt a = add(p, o2);
    const double cross = u1.x * u2.y - u1.y * u2.x;
    const double dot = u1.x * u2.x + u1.y * u2.y;
    // The side the line turns to is the inner side: a straight connection
    // stays inside the stroke there.  Straight on, nothing is needed.
    const bool parallel = std::fabs(cross) < 1e-12;
    const bool uTurn = parallel && dot < 0;
    if (uTurn ? false : (parallel || s_ * cross > 0)) {
      path.push_back(a);
      return;
    }
    switch (zanglb.ilinjn) {
      case 0: {  // sharp: miter point, truncated beyond the miter limit
        const double nn = dot;  // normals enclose the angle of the directions
        if (1.0 + nn > 1e-9 && std::sqrt(2.0 / (1.0 + nn)) <= zanglb.xlinml) {
          const double f = 1.0 / (1.0 + nn);
          path.push_back({p.x + (o1.x + o2.x) * f, p.y + (o1.y + o2.y) * f});
        }
        break;
      }
      case 1: {  // round: arc around the corner
        // Turning back, the arc goes round the front of the line.
        const double sweep = uTurn ? -s_ * kPi
                                   : std::atan2(o1.x * o2.y - o1.y * o2.x, o1.x * o2.x + o1.y * o2.y);
        arc(p, d_, std::atan2(o1.y, o1.x), sweep, path);
        path.pop_back();  // the arc ends on a
        break;
      }
      default: break;  // truncated: straight across
    }
    path.push_back(a);
  }

  // The offset polyline of q (segments q[k]..q[k+1], cyclic when closed).
  void build(const std::vector<Pt>& q, const Pt* lead, bool closed, bool longStart,
             bool longEnd, std::vector<Pt>& path) const {
    const int n = static_cast<int>(q.size());
    const int segs = closed ? n : n - 1;
    auto dir = [&](int k) { return unit(q[k], q[(k + 1) % n]); };
    path.clear();
    Pt u0 = dir(0);
    if (closed || lead != nullptr) {
      const Pt uin = closed ? dir(segs - 1) : unit(*lead, q[0]);
      path.push_back(add(q[0], offset(uin, s_, d_)));
      join(q[0], uin, u0, path);
    } else {
      Pt a = add(q[0], offset(u0, s_, d_));
      if (longStart) a = {a.x - d_ * u0.x, a.y - d_ * u0.y};
      path.push_back(a);
    }
    for (int k = 0; k < segs; ++k) {
      const Pt u = dir(k);
      if (k > 0) join(q[k], dir(k - 1), u, path);
      Pt b = add(q[(k + 1) % n], offset(u, s_, d_));
      if (!closed && k == segs - 1 && longEnd) b = {b.x + d_ * u.x, b.y + d_ * u.y};
      path.push_back(b);
    }
  }

 private:
  int s_;
  double d_;
};

void emitPath(const std::vector<Pt>& path, SegmentEmitter& out) {
  for (std::size_t i = 1; i < path.size(); ++i)
    clipSegment(path[i - 1].x, path[i - 1].y, path[i].x, path[i].y, out);
}

// Only the end cap of the segment lead -> p (the line ended right after a
// piece boundary).
void endCapOnly(Pt lead, Pt p, double d, SegmentEmitter& out) {
  const Pt u = unit(lead, p);
  std::vector<Pt> path;
  if (zanglb.ilincp == 2) {
    for (int s : {1, -1}) {
      const Pt a = add(p, offset(u, s, d));
      path = {a, {a.x + d * u.x, a.y + d * u.y}};
      emitPath(path, out);
    }
  } else if (zanglb.ilincp == 1) {
    const Pt o = offset(u, 1, d);
    path = {add(p, o)};
    arc(p, d, std::atan2(o.y, o.x), -kPi, path);
    emitPath(path, out);
  }
}

// Which strokes of a thick line can meet the clipping window (the
// bounding square of a circular window).  A stroke at offset d keeps to
// distances from the line's points between d * inner and d * outer:
// offset strokes, round joins and round caps lie at d, miter points and
// long caps at most at d * max(miter limit, sqrt 2); the straight
// connection of a truncated join (or of a sharp one beyond its limit)
// comes closer, to d * cos(a/2) for a turn by a.
class StrokeReach {
 public:
  StrokeReach(const std::vector<Pt>& q, const Pt* lead, bool closed) {
    const Zanglb& g = zanglb;
    double x0 = g.nxclip, x1 = g.nuclip, y0 = g.nyclip, y1 = g.nvclip;
    if (g.iazclp == 1) {
      x0 = g.xmit - g.rad; x1 = g.xmit + g.rad;
      y0 = g.ymit - g.rad; y1 = g.ymit + g.rad;
    }
    near_ = HUGE_VAL;
    for (const Pt& p : q) {
      const double dx = std::max(std::fabs(p.x - x0), std::fabs(p.x - x1));
      const double dy = std::max(std::fabs(p.y - y0), std::fabs(p.y - y1));
      far_ = std::max(far_, std::hypot(dx, dy));
      const double ox = std::max({x0 - p.x, 0.0, p.x - x1}), oy = std::max({y0 - p.y, 0.0, p.y - y1});
      near_ = std::min(near_, std::hypot(ox, oy));
    }
    // The line's segments pass nearer to the window than its points.
    near_ = std::max(0.0, near_ - segmentLength(q, closed));
    outer_ = std::max(static_cast<double>(g.xlinml), 1.5);
    if (g.ilinjn != 1) {
      // The sharpest turn of the line sets how close a straight join can
      // come: cos(a/2) = sqrt((1 + cos a) / 2).
      double minDot = 1;
      const int n = static_cast<int>(q.size());
      auto dir = [&](Pt a, Pt b) { return unit(a, b); };
      for (int k = 1; k + 1 < n; ++k) {
        const Pt u1 = dir(q[k - 1], q[k]), u2 = dir(q[k], q[k + 1]);
        minDot = std::min(minDot, u1.x * u2.x + u1.y * u2.y);
      }
      if (n >= 2 && (closed || lead != nullptr)) {
        const Pt u1 = closed ? dir(q[n - 1], q[0]) : dir(*lead, q[0]), u2 = dir(q[0], q[1]);
        minDot = std::min(minDot, u1.x * u2.x + u1.y * u2.y);
        if (closed) {
          const Pt v1 = dir(q[n - 2], q[n - 1]), v2 = dir(q[n - 1], q[0]);
          minDot = std::min(minDot, v1.x * v2.x + v1.y * v2.y);
        }
      }
      inner_ = std::sqrt(std::max(0.0, (1 + minDot) / 2));
    }
  }
  // False when no part of the stroke at offset d can be seen.
  bool visible(double d) const { return d * outer_ + 1.0 >= near_ && d * inner_ <= far_ + 1.0; }
  // True when no stroke at an offset beyond d can be seen either.
  bool beyond(double d) const { return d * inner_ > far_ + 1.0; }

 private:
  // The longest segment: a point of a segment lies within half of it from
  // one of its ends.
  static double segmentLength(const std::vector<Pt>& q, bool closed) {
    double m = 0;
    const std::size_t n = q.size();
    for (std::size_t k = 0; k + 1 < n; ++k) m = std::max(m, std::hypot(q[k + 1].x - q[k].x, q[k + 1].y - q[k].y));
    if (closed && n > 1) m = std::max(m, std::hypot(q[0].x - q[n - 1].x, q[0].y - q[n - 1].y));
    return m / 2;
  }
  double far_ = 0, near_ = 0, outer_ = 1.5, inner_ = 1;
};

}  // namespace

void strokeWide(const Pt* p, int n, const Pt* lead, bool capEnd, SegmentEmitter& out) {
  const Zanglb& g = zanglb;
  const int w = static_cast<int>(g.nlinwd * g.xfcuni + 0.5f);
  const int pairs = (w + 1) / 3;

  // Points closer than kMinSegment are merged.
  std::vector<Pt> q;
  q.reserve(n);
  for (int i = 0; i < n; ++i)
    if (q.empty() || std::hypot(p[i].x - q.back().x, p[i].y - q.back().y) >= kMinSegment)
      q.push_back(p[i]);
  if (lead != nullptr && std::hypot(q[0].x - lead->x, q[0].y - lead->y) < kMinSegment)
    lead = nullptr;

  if (q.size() < 2) {
    if (lead != nullptr && capEnd)
      for (int i = 1; i <= pairs; ++i)
        endCapOnly(*lead, q[0], 0.5 * (i == pairs ? w : 3 * i) / g.xfcuni, out);
    return;
  }
  // A polyline that comes back to its start is closed: its first corner is
  // joined like the others.
  bool closed = false;
  if (lead == nullptr && n > 2 && std::fabs(p[0].x - p[n - 1].x) < 0.5 &&
      std::fabs(p[0].y - p[n - 1].y) < 0.5) {
    if (q.size() > 2 && std::hypot(q.back().x - q[0].x, q.back().y - q[0].y) < kMinSegment)
      q.pop_back();
    closed = q.size() > 2;
  }
  const bool capStart = !closed && lead == nullptr;
  capEnd = capEnd && !closed;
  const int cap = g.ilincp;
  const Pt uFirst = unit(q[0], q[1]);
  const Pt uLast = unit(q[q.size() - 2], q.back());

  // Clipped before it is thickened: only the strokes that can meet the
  // clipping window are made, which bounds the work by what can be seen.
  const StrokeReach reach(q, lead, closed);

  // Pairs closer than half a device unit are thinned out, never more than
  // that apart; the outermost pair is always drawn.
  const double pairStep = 1.5 / g.xfcuni, unitStep = deviceUnitStep();
  const int stride = pairStep > 0 && unitStep >= 2 * pairStep
                         ? static_cast<int>(std::min(std::floor(unitStep / pairStep), 1e6))
                         : 1;
  std::vector<Pt> plus, minus, arcPath;
  for (int i = 1; i <= pairs; i = (i < pairs && i + stride > pairs) ? pairs : i + stride) {
    const double d = 0.5 * (i == pairs ? w : 3 * i) / g.xfcuni;
    if (reach.beyond(d)) break;
    if (!reach.visible(d)) continue;
    SideBuilder(1, d).build(q, lead, closed, capStart && cap == 2, capEnd && cap == 2, plus);
    SideBuilder(-1, d).build(q, lead, closed, capStart && cap == 2, capEnd && cap == 2, minus);
    emitPath(plus, out);
    if (capEnd && cap == 1) {  // round end: from the + stroke to the - stroke
      const Pt o = offset(uLast, 1, d);
      arcPath = {plus.back()};
      arc(q.back(), d, std::atan2(o.y, o.x), -kPi, arcPath);
      emitPath(arcPath, out);
    }
    std::reverse(minus.begin(), minus.end());
    emitPath(minus, out);
    if (capStart && cap == 1) {  // round start: back to the + stroke
      const Pt o = offset(uFirst, -1, d);
      arcPath = {minus.back()};
      arc(q[0], d, std::atan2(o.y, o.x), -kPi, arcPath);
      emitPath(arcPath, out);
    }
  }
}

}  // namespace zantor::line


#include "devices/stroke_outline.h"

#include <cmath>
#include <vector>


namespace zantor {
namespace {

struct Vec {
  double x, y;
};
Vec operator+(Vec a, Vec b) { return {a.x + b.x, a.y + b.y}; }
Vec operator-(Vec a, Vec b) { return {a.x - b.x, a.y - b.y}; }
Vec operator*(Vec a, double f) { return {a.x * f, a.y * f}; }

void addPolygon(OutlineSink& out, std::initializer_list<Vec> pts) {
  double x[4], y[4];
  int n = 0;
  for (Vec p : pts) {
    x[n] = p.x;
    y[n] = p.y;
    ++n;
  }
  out.addContour(x, y, n);
}

// The corner piece at p between a segment of direction d1 and one of
// direction d2 (unit vectors).  The pieces lie on the outer side of the
// turn; the inner side is covered by the overlapping segment quads.
void addJoin(OutlineSink& out, Vec p, Vec d1, Vec d2, double h, const StrokeStyle& s) {
  if (s.join == 1) {
    out.addDisc(p.x, p.y, h);
    return;
  }
  const double cross = d1.x * d2.y - d1.y * d2.x;
  if (std::abs(cross) < 1e-9) return;  // straight on, or a reversal: flat
  // Normals point to the left of each direction; the turn goes towards
  // them when cross > 0, so the outer side is then the right.
  const double side = cross > 0 ? -h : h;
  const Vec o1{-d1.y * side, d1.x * side}, o2{-d2.y * side, d2.x * side};
  if (s.join == 0) {
    // The miter tip lies at (o1 + o2) / (1 + cos) from the corner; its
    // distance over h is 1 / sin(phi / 2), phi the angle between the
    // segments.
    const double c = d1.x * d2.x + d1.y * d2.y;
    if (1 + c > 1e-9) {
      const Vec tip = (o1 + o2) * (1.0 / (1 + c));
      const double ratio = std::sqrt(2.0 / (1 + c));
      if (ratio <= s.miterLimit) {
        addPolygon(out, {p, p + o1, p + tip, p + o2});
        return;
      }
    }
  }
  addPolygon(out, {p, p + o1, p + o2});
}

}  // namespace

void strokeOutline(const double* x, const double* y, int n, const StrokeStyle& s,
                   OutlineSink& out) {
  const double h = s.width / 2;
  if (!(h > 0)) return;
  std::vector<Vec> p;
  p.reserve(std::size_t(n > 0 ? n : 0));
  for (int i = 0; i < n; ++i) {
    if (!p.empty() && p.back().x == x[i] && p.back().y == y[i]) continue;
    p.push_back({x[i], y[i]});
  }
  if (p.empty()) return;
  const std::size_t m = p.size() - 1;  // segments
  if (m == 0) {
    if (s.cap == 1) out.addDisc(p[0].x, p[0].y, h);
    else if (s.cap == 2) addPolygon(out, {p[0] + Vec{-h, -h}, p[0] + Vec{h, -h},
                                          p[0] + Vec{h, h}, p[0] + Vec{-h, h}});
    return;
  }
  const bool closed = m >= 2 && p[0].x == p[m].x && p[0].y == p[m].y;
  std::vector<Vec> d(m);
  for (std::size_t i = 0; i < m; ++i) {
    const Vec v = p[i + 1] - p[i];
    d[i] = v * (1.0 / std::hypot(v.x, v.y));
  }
  for (std::size_t i = 0; i < m; ++i) {
    Vec a = p[i], b = p[i + 1];
    if (!closed && s.cap == 2) {  // square ends reach half the width on
      if (i == 0) a = a - d[i] * h;
      if (i + 1 == m) b = b + d[i] * h;
    }
    const Vec nrm{-d[i].y * h, d[i].x * h};
    addPolygon(out, {a + nrm, b + nrm, b - nrm, a - nrm});
  }
  for (std::size_t i = 1; i < m; ++i) addJoin(out, p[i], d[i - 1], d[i], h, s);
  if (closed) {
    addJoin(out, p[0], d[m - 1], d[0], h, s);
  } else if (s.cap == 1) {
    out.addDisc(p[0].x, p[0].y, h);
    out.addDisc(p[m].x, p[m].y, h);
  }
}

}  // namespace zantor

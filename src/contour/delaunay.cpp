// Delaunay triangulation by a sweep: the points are sorted by x (then y),
// so every new point lies outside the triangulation built so far; it is
// joined to the hull edges it sees, and edges that fail the empty-circle
// test are flipped (Lawson) until every edge passes.
//
// The tests are made exactly: the points are placed on an integer lattice
// of at most 2^28 steps across the larger extent of the data (one scale
// for both axes, so circles stay circles), where orientation fits 64 bits
// and the circle test 128 bits.  Exact tests make the flipping end and
// keep the triangles from folding over, whatever the data.  The step is a
// power of two, so that data on a coarser binary lattice (whole numbers,
// halves, ...) keeps its lines and circles exactly.
#include "contour/delaunay.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

namespace zantor {
namespace {

constexpr double kLattice = 268435456.0;  // 2^28

struct LatticePoint {
  int64_t x, y;
  int index;  // the caller's point
};

// > 0 when c lies left of the line a -> b (a, b, c counter-clockwise).
int64_t orient(const LatticePoint& a, const LatticePoint& b, const LatticePoint& c) {
  return (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
}

// True when d lies strictly inside the circle through the counter-clockwise
// triangle a, b, c.  Differences are below 2^29, the lifted terms below
// 2^59, each product below 2^117.
bool inCircle(const LatticePoint& a, const LatticePoint& b, const LatticePoint& c,
              const LatticePoint& d) {
  using Wide = __int128;
  const int64_t adx = a.x - d.x, ady = a.y - d.y, bdx = b.x - d.x, bdy = b.y - d.y;
  const int64_t cdx = c.x - d.x, cdy = c.y - d.y;
  const Wide al = Wide{adx} * adx + Wide{ady} * ady;
  const Wide bl = Wide{bdx} * bdx + Wide{bdy} * bdy;
  const Wide cl = Wide{cdx} * cdx + Wide{cdy} * cdy;
  const Wide det = al * (Wide{bdx} * cdy - Wide{bdy} * cdx) +
                   bl * (Wide{cdx} * ady - Wide{cdy} * adx) +
                   cl * (Wide{adx} * bdy - Wide{ady} * bdx);
  return det > 0;
}

class Sweep {
 public:
  explicit Sweep(std::vector<LatticePoint> p) : p_(std::move(p)) {
    const size_t n = p_.size();
    next_.assign(n, -1);
    prev_.assign(n, -1);
    hullTri_.assign(n, -1);
    v_.reserve(2 * n);
    nb_.reserve(2 * n);
  }

  void run() {
    const int n = static_cast<int>(p_.size());
    // The first point off the line of the first two.
    int k = 2;
    while (k < n && orient(p_[0], p_[1], p_[k]) == 0) ++k;
    if (k >= n) return;
    startFan(k);
    last_ = k;
    for (int i = k + 1; i < n; ++i) insert(i);
  }

  std::vector<Triangle> triangles() const {
    std::vector<Triangle> out;
    out.reserve(v_.size());
    for (const auto& t : v_) out.push_back({p_[t[0]].index, p_[t[1]].index, p_[t[2]].index});
    return out;
  }

 private:
  // Triangle t has vertices v_[t] counter-clockwise; edge e runs from
  // v_[t][e] to v_[t][e+1] and nb_[t][e] is the triangle beyond it (-1 on
  // the hull).
  int add(int a, int b, int c) {
    v_.push_back({a, b, c});
    nb_.push_back({-1, -1, -1});
    return static_cast<int>(v_.size()) - 1;
  }

  // Points 0..k-1 lie on one line, point k off it: a fan of triangles
  // from k to the segments of the line.
  void startFan(int k) {
    const bool left = orient(p_[0], p_[1], p_[k]) > 0;
    int before = -1;
    for (int i = 0; i + 1 < k; ++i) {
      // Counter-clockwise: the segment i -> i+1 when k lies left of it.
      const int t = left ? add(i, i + 1, k) : add(i + 1, i, k);
      if (before >= 0) {
        // The shared edge i - k: edge 2 (k -> i) of t when left, else
        // edge 1 (i -> k); in `before` the other direction.
        nb_[t][left ? 2 : 1] = before;
        nb_[before][left ? 1 : 2] = t;
      }
      before = t;
    }
    const int first = 0, lastTri = k - 2;
    if (left) {
      // Hull (counter-clockwise): 0 -> 1 -> ... -> k-1 -> k -> 0.
      for (int i = 0; i + 1 < k; ++i) link(i, i + 1, i);
      link(k - 1, k, lastTri);
      link(k, 0, first);
    } else {
      // Hull: 0 -> k -> k-1 -> ... -> 1 -> 0.
      link(0, k, first);
      link(k, k - 1, lastTri);
      for (int i = k - 1; i >= 1; --i) link(i, i - 1, i - 1);
    }
  }

  void link(int a, int b, int tri) {
    next_[a] = b;
    prev_[b] = a;
    hullTri_[a] = tri;
  }

  // The hull edge a -> next(a) is seen from point i.
  bool sees(int a, int i) const { return orient(p_[a], p_[next_[a]], p_[i]) < 0; }

  void insert(int i) {
    // The newest hull point is next to the edges point i sees, as i comes
    // after it in the sweep; a walk round the hull is the fallback.
    int a = last_;
    if (!sees(a, i)) a = prev_[last_];
    if (!sees(a, i)) {
      a = next_[last_];
      while (a != last_ && !sees(a, i)) a = next_[a];
      if (a == last_) return;  // not outside: cannot happen with exact tests
    }
    const int start = a;
    while (prev_[a] != start && sees(prev_[a], i)) a = prev_[a];
    int b = a;  // the seen edges run from a to next(b)
    while (next_[b] != a && sees(next_[b], i)) b = next_[b];
    const int end = next_[b];
    int before = -1, firstTri = -1;
    for (int u = a; u != end;) {
      const int w = next_[u];
      // Edge u -> w seen from i: triangle (w, u, i) is counter-clockwise;
      // its edge 0 (w -> u) faces the hull triangle of u -> w.
      const int t = add(w, u, i);
      const int out = hullTri_[u];
      nb_[t][0] = out;
      nb_[out][edgeOf(out, u, w)] = t;
      if (before >= 0) {
        nb_[t][1] = before;  // edge u -> i, shared with (u, prev, i)
        nb_[before][2] = t;
      } else {
        firstTri = t;
      }
      before = t;
      u = w;
    }
    link(a, i, firstTri);  // edge a -> i is edge 1 of the first triangle
    link(i, end, before);  // edge i -> end is edge 2 of the last
    for (int t = firstTri; t <= before; ++t) legalise(t, 0);
    last_ = i;
  }

  // The edge of triangle t that runs from a to b.
  int edgeOf(int t, int a, int b) const {
    for (int e = 0; e < 3; ++e)
      if (v_[t][e] == a && v_[t][(e + 1) % 3] == b) return e;
    return 0;  // unreachable: the neighbours are kept consistent
  }

  // Flips edge e of t, and the edges that flipping exposes, until every
  // one passes the empty-circle test.  The vertex opposite the edge stays
  // the apex of the edges tested.
  void legalise(int t0, int e0) {
    stack_.clear();
    stack_.push_back({t0, e0});
    while (!stack_.empty()) {
      const auto [t, e] = stack_.back();
      stack_.pop_back();
      const int u = nb_[t][e];
      if (u < 0) continue;
      const int a = v_[t][e], b = v_[t][(e + 1) % 3], c = v_[t][(e + 2) % 3];
      const int f = edgeOf(u, b, a);
      const int d = v_[u][(f + 2) % 3];
      if (!inCircle(p_[a], p_[b], p_[c], p_[d])) continue;
      const int tbc = nb_[t][(e + 1) % 3], tca = nb_[t][(e + 2) % 3];
      const int uad = nb_[u][(f + 1) % 3], udb = nb_[u][(f + 2) % 3];
      // t becomes (c, a, d), u becomes (d, b, c): the diagonal c - d.
      v_[t] = {c, a, d};
      nb_[t] = {tca, uad, u};
      v_[u] = {d, b, c};
      nb_[u] = {udb, tbc, t};
      if (uad >= 0) nb_[uad][edgeOf(uad, d, a)] = t;
      else hullTri_[a] = t;
      if (tbc >= 0) nb_[tbc][edgeOf(tbc, c, b)] = u;
      else hullTri_[b] = u;
      stack_.push_back({t, 1});  // a -> d
      stack_.push_back({u, 0});  // d -> b
    }
  }

  std::vector<LatticePoint> p_;
  std::vector<int> next_, prev_, hullTri_;
  std::vector<std::array<int, 3>> v_, nb_;
  std::vector<std::pair<int, int>> stack_;
  int last_ = -1;
};

}  // namespace

std::vector<Triangle> delaunayTriangles(const float* x, const float* y, int n) {
  double x0 = INFINITY, x1 = -INFINITY, y0 = INFINITY, y1 = -INFINITY;
  for (int i = 0; i < n; ++i) {
    if (!std::isfinite(x[i]) || !std::isfinite(y[i])) continue;
    x0 = std::min<double>(x0, x[i]), x1 = std::max<double>(x1, x[i]);
    y0 = std::min<double>(y0, y[i]), y1 = std::max<double>(y1, y[i]);
  }
  const double extent = std::max(x1 - x0, y1 - y0);
  if (!(extent > 0)) return {};  // no points, or all in one place
  int e = 0;
  std::frexp(extent, &e);  // extent <= 2^e
  const double scale = std::ldexp(kLattice, -e);
  std::vector<LatticePoint> p;
  p.reserve(static_cast<size_t>(std::max(n, 0)));
  for (int i = 0; i < n; ++i) {
    if (!std::isfinite(x[i]) || !std::isfinite(y[i])) continue;
    p.push_back({std::llround((x[i] - x0) * scale), std::llround((y[i] - y0) * scale), i});
  }
  std::stable_sort(p.begin(), p.end(), [](const LatticePoint& a, const LatticePoint& b) {
    return a.x != b.x ? a.x < b.x : a.y < b.y;
  });
  p.erase(std::unique(p.begin(), p.end(),
                      [](const LatticePoint& a, const LatticePoint& b) {
                        return a.x == b.x && a.y == b.y;
                      }),
          p.end());
  if (p.size() < 3) return {};
  Sweep sweep(std::move(p));
  sweep.run();
  return sweep.triangles();
}

}  // namespace zantor

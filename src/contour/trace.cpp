// The grid contour tracer.  Lines start on the boundary (walked
// counter-clockwise, where the value rises across the level) and then at
// interior horizontal edges not yet crossed; each line keeps the low
// point L on its left and the high point H on its right.  A value equal
// to the level counts as low.
#include "contour/trace.h"

#include <algorithm>

namespace zantor {
namespace {

struct Node {
  int i, j;
};

// Next point N = L + delta(d) of the direction d = H - L (components -1..1).
inline Node stepOf(int di, int dj) {
  // Index (di+1)*3 + (dj+1); the centre entry (0,0) is never used.
  static constexpr int kDi[9] = {0, 0, -1, 1, 0, -1, 1, 0, 0};
  static constexpr int kDj[9] = {-1, -1, 0, 0, 0, 0, 0, 1, 1};
  const int k = (di + 1) * 3 + (dj + 1);
  return {kDi[k], kDj[k]};
}

class Tracer {
 public:
  Tracer(const ContourGrid& g, double zlev, uint32_t* mask, ContourSink& sink,
         BoundaryObserver* observer)
      : g_(g), zlev_(zlev), mask_(mask), sink_(sink), observer_(observer),
        guard_(4L * g.n * g.m + 16) {}

  void run() {
    const int n = g_.n, m = g_.m;
    // Boundary, counter-clockwise.
    for (int i = 1; i < n; ++i) startAt({i - 1, 0}, {i, 0}, i - 1.0);
    for (int j = 1; j < m; ++j) startAt({n - 1, j - 1}, {n - 1, j}, (n - 1) + (j - 1.0));
    for (int i = n - 2; i >= 0; --i) startAt({i + 1, m - 1}, {i, m - 1}, (n - 1) + (m - 1) + (n - 2.0 - i));
    for (int j = m - 2; j >= 0; --j)
      startAt({0, j + 1}, {0, j}, 2.0 * (n - 1) + (m - 1) + (m - 2.0 - j));
    // Interior rows: closed lines.
    for (int j = 1; j < m - 1; ++j) {
      const float* row = g_.z + static_cast<size_t>(j) * n;
      for (int i = 1; i < n; ++i) {
        if (!(row[i - 1] <= zlev_ && !(row[i] <= zlev_))) continue;
        const size_t k = static_cast<size_t>(j) * n + i;
        if (mask_[k >> 5] & (1u << (k & 31))) continue;
        follow({i - 1, j}, {i, j}, nullptr);
      }
    }
  }

 private:
  double z(Node p) const { return g_.z[static_cast<size_t>(p.j) * g_.n + p.i]; }
  double x(Node p) const { return g_.curvilinear ? g_.x[static_cast<size_t>(p.j) * g_.n + p.i] : g_.x[p.i]; }
  double y(Node p) const { return g_.curvilinear ? g_.y[static_cast<size_t>(p.j) * g_.n + p.i] : g_.y[p.j]; }
  bool low(double v) const { return v <= zlev_; }  // NaN is not low

  void emit(double x1, double y1, double z1, double x2, double y2, double z2) {
    double px, py;
    edgeCrossing(x1, y1, z1, x2, y2, z2, zlev_, px, py);
    sink_.point(px, py);
  }

  // Fraction of the crossing along L -> H (0 for degenerate edges).
  double fraction(Node l, Node h) const {
    const double d = z(l) - z(h), a = z(l) - zlev_;
    if (!(d >= 1e-35 || d <= -1e-35) || !(a >= 1e-35 || a <= -1e-35)) return 0.0;
    return std::clamp(a / d, 0.0, 1.0);
  }

  void startAt(Node l, Node h, double sl) {
    if (!(low(z(l)) && !low(z(h)))) return;
    double s = sl + fraction(l, h);
    follow(l, h, &s);
  }

  // Boundary position of the crossing on the last edge L-H, whose next
  // point N lies outside the grid.
  double endPosition(Node l, Node h) const {
    const int n = g_.n, m = g_.m;
    const double t = fraction(l, h);
    auto pos = [&](Node p) -> double {
      if (h.j == l.j && l.j == 0) return p.i;                                   // bottom
      if (h.i == l.i && l.i == n - 1) return (n - 1) + p.j;                     // right
      if (h.j == l.j) return (n - 1) + (m - 1) + (n - 1 - p.i);                 // top
      return 2.0 * (n - 1) + (m - 1) + (m - 1 - p.j);                           // left
    };
    return pos(l) + t * (pos(h) - pos(l));
  }

  void follow(Node L, Node H, const double* startPos) {
    const int n = g_.n, m = g_.m;
    sink_.startLine();
    BoundaryEnds ends;
    if (startPos != nullptr) ends.start = *startPos;
    for (long steps = 0; steps < guard_; ++steps) {
      emit(x(L), y(L), z(L), x(H), y(H), z(H));
      if (H.j == L.j && H.i == L.i + 1) {
        const size_t k = static_cast<size_t>(H.j) * n + H.i;
        const uint32_t bit = 1u << (k & 31);
        if (mask_[k >> 5] & bit) break;  // back at the first edge: closed
        mask_[k >> 5] |= bit;
      }
      const int di = H.i - L.i, dj = H.j - L.j;
      const Node d = stepOf(di, dj);
      const Node N{L.i + d.i, L.j + d.j};
      if (N.i < 0 || N.i >= n || N.j < 0 || N.j >= m) {
        if (startPos != nullptr) ends.end = endPosition(L, H);
        break;
      }
      const double zn = z(N);
      if (di != 0 && dj != 0) {
        if (low(zn)) L = N; else H = N;
        continue;
      }
      const Node e = stepOf(H.i - N.i, H.j - N.j);
      const Node P{N.i + e.i, N.j + e.j};
      const double zl = z(L), zh = z(H), zp = z(P);
      const double xc = 0.25 * (x(L) + x(H) + x(N) + x(P));
      const double yc = 0.25 * (y(L) + y(H) + y(N) + y(P));
      const double zc = 0.25 * (zl + zh + zn + zp);
      if (low(zc)) {
        emit(x(H), y(H), zh, xc, yc, zc);
        if (low(zp)) {
          L = P;
        } else {
          emit(x(P), y(P), zp, xc, yc, zc);
          if (low(zn)) {
            H = P;
            L = N;
          } else {
            emit(x(N), y(N), zn, xc, yc, zc);
            H = N;
          }
        }
      } else {
        emit(xc, yc, zc, x(L), y(L), zl);
        if (low(zn)) {
          emit(xc, yc, zc, x(N), y(N), zn);
          if (low(zp)) {
            emit(xc, yc, zc, x(P), y(P), zp);
            L = P;
          } else {
            H = P;
            L = N;
          }
        } else {
          H = N;
        }
      }
    }
    sink_.endLine();
    if (observer_ != nullptr && startPos != nullptr) observer_->lineEnds(ends);
  }

  const ContourGrid& g_;
  double zlev_;
  uint32_t* mask_;
  ContourSink& sink_;
  BoundaryObserver* observer_;
  long guard_;
};

}  // namespace

void traceContour(const ContourGrid& grid, double zlev, std::vector<uint32_t>& mask,
                  ContourSink& sink, BoundaryObserver* observer) {
  if (grid.n < 2 || grid.m < 2) return;
  const size_t words = static_cast<size_t>(grid.n) * grid.m / 32 + 1;
  mask.assign(words, 0u);
  Tracer(grid, zlev, mask.data(), sink, observer).run();
}

}  // namespace zantor

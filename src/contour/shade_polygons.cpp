// The polygon method of shaded contours.  The tracer gives, for every
// level, the lines that bound the region above the level (the high side
// lies on the right of each line).  Open lines are closed along the grid
// boundary, walked clockwise from a line's end to the next line's start,
// so that every level yields a set of rings; under the even-odd rule the
// rings of one level cover exactly the region above it, holes and islands
// included.  The band between two neighbouring levels is then the
// even-odd union of both levels' rings, filled in one device call in the
// band's colour: no band paints over another.
#include <algorithm>
#include <cmath>
#include <new>

#include "axes/axes.h"
#include "contour/shade.h"
#include "core/warnings.h"

namespace zantor {
namespace {

struct Line {
  size_t begin = 0, end = 0;  // points [begin, end) in the point store
  BoundaryEnds ends;
};

// Collects the traced lines of one level in plot coordinates.  Points that
// differ from the previous one by at most half a plot unit in both
// coordinates are dropped (the line's last point is always kept).
class RingSink : public ContourSink, public BoundaryObserver {
 public:
  std::vector<double> x, y;
  std::vector<Line> lines;

  void clear() {
    x.clear();
    y.clear();
    lines.clear();
  }
  void startLine() override {
    lines.push_back(Line{x.size(), x.size(), {}});
    dropped_ = false;
  }
  void point(double ux, double uy) override {
    const double px = userToPlotX(ux), py = userToPlotY(uy);
    if (!std::isfinite(px) || !std::isfinite(py)) return;  // no value: left out
    Line& l = lines.back();
    if (x.size() > l.begin && std::fabs(px - lastX_) <= 0.5 && std::fabs(py - lastY_) <= 0.5) {
      dropped_ = true;
      droppedX_ = px, droppedY_ = py;
      return;
    }
    x.push_back(px);
    y.push_back(py);
    lastX_ = px, lastY_ = py;
    dropped_ = false;
  }
  void endLine() override {
    if (dropped_) {
      x.push_back(droppedX_);
      y.push_back(droppedY_);
    }
    lines.back().end = x.size();
  }
  void lineEnds(const BoundaryEnds& e) override { lines.back().ends = e; }

 private:
  double lastX_ = 0, lastY_ = 0, droppedX_ = 0, droppedY_ = 0;
  bool dropped_ = false;
};

class BandBuilder {
 public:
  BandBuilder(const ContourGrid& g) : g_(g), perimeter_(2 * (g.n - 1) + 2 * (g.m - 1)) {}

  // Rings of the region above the level traced into `s`, appended to
  // rings (points) with their sizes in `sizes`.
  void rings(const RingSink& s, double zlev, std::vector<double>& rx, std::vector<double>& ry,
             std::vector<size_t>& sizes) {
    std::vector<int> open;
    for (int i = 0; i < static_cast<int>(s.lines.size()); ++i) {
      const Line& l = s.lines[i];
      if (l.end - l.begin < 2) continue;
      if (l.ends.start < 0 || l.ends.end < 0) {
        const size_t before = rx.size();
        rx.insert(rx.end(), s.x.begin() + l.begin, s.x.begin() + l.end);
        ry.insert(ry.end(), s.y.begin() + l.begin, s.y.begin() + l.end);
        sizes.push_back(rx.size() - before);
      } else {
        open.push_back(i);
      }
    }
    if (open.empty()) {
      // No line reaches the boundary: it lies wholly above or below.
      const double z0 = g_.z[0];
      if (z0 > zlev) {
        const size_t before = rx.size();
        boundaryPoints(perimeter_, 0.0, rx, ry, true);
        sizes.push_back(rx.size() - before);
      }
      return;
    }
    std::sort(open.begin(), open.end(), [&](int a, int b) {
      return s.lines[a].ends.start < s.lines[b].ends.start;
    });
    std::vector<char> used(open.size(), 0);
    for (size_t first = 0; first < open.size(); ++first) {
      if (used[first]) continue;
      const size_t before = rx.size();
      size_t cur = first;
      for (size_t guard = 0; guard <= open.size(); ++guard) {
        used[cur] = 1;
        const Line& l = s.lines[open[cur]];
        rx.insert(rx.end(), s.x.begin() + l.begin, s.x.begin() + l.end);
        ry.insert(ry.end(), s.y.begin() + l.begin, s.y.begin() + l.end);
        // The next start clockwise: the greatest start below the end, else
        // (around position 0) the greatest of all.  A start at the end's
        // own position belongs to the other side of a boundary point that
        // lies exactly on the level: the boundary just clockwise of an end
        // is always high, so that start does not close this stretch.
        const double e = l.ends.end;
        size_t next = open.size() - 1;
        for (size_t k = open.size(); k-- > 0;) {
          if (s.lines[open[k]].ends.start < e) {
            next = k;
            break;
          }
        }
        boundaryPoints(e, s.lines[open[next]].ends.start, rx, ry, false);
        if (used[next]) break;  // back at a line of this ring: closed
        cur = next;
      }
      sizes.push_back(rx.size() - before);
    }
  }

  // The whole outline as one ring (plot coordinates).
  void outline(std::vector<double>& rx, std::vector<double>& ry, std::vector<size_t>& sizes) {
    const size_t before = rx.size();
    boundaryPoints(perimeter_, 0.0, rx, ry, true);
    sizes.push_back(rx.size() - before);
  }

 private:
  // Grid point at integer boundary position q.
  void node(int q, int& i, int& j) const {
    const int n = g_.n, m = g_.m;
    if (q < n - 1) { i = q; j = 0; return; }
    q -= n - 1;
    if (q < m - 1) { i = n - 1; j = q; return; }
    q -= m - 1;
    if (q < n - 1) { i = n - 1 - q; j = m - 1; return; }
    q -= n - 1;
    i = 0;
    j = m - 1 - q;
  }
  double ux(int i, int j) const { return g_.curvilinear ? g_.x[static_cast<size_t>(j) * g_.n + i] : g_.x[i]; }
  double uy(int i, int j) const { return g_.curvilinear ? g_.y[static_cast<size_t>(j) * g_.n + i] : g_.y[j]; }

  // Grid boundary points walked clockwise (decreasing position) from
  // position `from` down to `to`, both exclusive; around position 0 when
  // `to` lies above `from`.  `whole` walks the full turn.
  void boundaryPoints(double from, double to, std::vector<double>& rx, std::vector<double>& ry,
                      bool whole) const {
    const int P = perimeter_;
    int q = static_cast<int>(std::ceil(from)) - 1;  // first integer below from
    int count;
    if (whole) {
      count = P;
    } else {
      double span = from - to;
      if (span <= 0) span += P;  // a line back at its own start: the full turn
      // Integer positions strictly inside (to, from).
      const int last = static_cast<int>(std::floor(from - span)) + 1;  // smallest integer above to
      count = q - last + 1;
      if (count < 0) count = 0;
    }
    for (int k = 0; k < count; ++k, --q) {
      const int r = ((q % P) + P) % P;
      int i, j;
      node(r, i, j);
      rx.push_back(userToPlotX(ux(i, j)));
      ry.push_back(userToPlotY(uy(i, j)));
    }
  }

  const ContourGrid& g_;
  int perimeter_;
};

struct RingSet {
  std::vector<double> x, y;
  std::vector<size_t> sizes;
  void clear() { x.clear(), y.clear(), sizes.clear(); }
};

}  // namespace

void shadePolygons(const ContourGrid& grid, const LevelIntervals& iv) {
  try {
    std::vector<uint32_t> mask;
    RingSink sink;
    BandBuilder builder(grid);
    RingSet below, above;  // rings of the previous and the current level
    std::vector<double> px, py;
    std::vector<int> counts;
    builder.outline(below.x, below.y, below.sizes);  // "above minus infinity"
    const int L = iv.count();
    for (int k = 0; k <= L; ++k) {
      above.clear();
      if (k < L) {
        sink.clear();
        traceContour(grid, iv.level[k], mask, sink, &sink);
        builder.rings(sink, iv.level[k], above.x, above.y, above.sizes);
      }
      // Band k: above level k-1 and not above level k.
      if (iv.filled[k]) {
        px.assign(below.x.begin(), below.x.end());
        py.assign(below.y.begin(), below.y.end());
        px.insert(px.end(), above.x.begin(), above.x.end());
        py.insert(py.end(), above.y.begin(), above.y.end());
        counts.clear();
        for (size_t r : below.sizes) counts.push_back(static_cast<int>(r));
        for (size_t r : above.sizes) counts.push_back(static_cast<int>(r));
        if (!counts.empty())
          fillClippedRings(px.data(), py.data(), counts.data(), static_cast<int>(counts.size()),
                           iv.colour[k]);
      }
      std::swap(below, above);
    }
  } catch (const std::bad_alloc&) {
    warnin(53);
  }
}

}  // namespace zantor

#include "devices/raster/raster_scan.h"

#include <algorithm>
#include <cmath>

namespace zantor {
namespace {

constexpr double kPi = 3.14159265358979323846;

// Rows are walked only inside the clip rectangle, so far-away coordinates
// are clamped before they become integers.
int rowFloor(double v, int lo, int hi) {
  if (!(v > lo)) return lo;
  if (v > hi) return hi;
  return int(std::floor(v));
}

}  // namespace

void ScanEdges::clear() { edges_.clear(); }

void ScanEdges::addContour(const double* x, const double* y, int n) {
  if (n < 3) return;
  double area = 0;
  for (int i = 0, j = n - 1; i < n; j = i++) area += (x[j] - x[i]) * (y[j] + y[i]);
  if (!(std::abs(area) > 1e-9)) return;  // also NaN
  const int sense = area > 0 ? 1 : -1;
  for (int i = 0, j = n - 1; i < n; j = i++) {
    // Edge from point j to point i.
    if (y[i] == y[j]) continue;  // horizontal edges cross no sample line
    Edge e;
    const bool down = y[i] > y[j];
    const int a = down ? j : i, b = down ? i : j;
    e.x0 = x[a];
    e.y0 = y[a];
    e.y1 = y[b];
    e.slope = (x[b] - x[a]) / (y[b] - y[a]);
    e.dir = down ? sense : -sense;
    if (edges_.empty()) {
      ylo_ = e.y0;
      yhi_ = e.y1;
    } else {
      ylo_ = std::min(ylo_, e.y0);
      yhi_ = std::max(yhi_, e.y1);
    }
    edges_.push_back(e);
  }
}

void ScanEdges::addDisc(double cx, double cy, double r) {
  if (!(r > 0)) return;
  // The sagitta r (1 - cos(pi / k)) of a k-gon stays below 1/8 pixel.
  const double c = 1.0 - 0.125 / r;
  int k = c > -1.0 ? int(std::ceil(kPi / std::acos(std::max(c, -1.0)))) : 8;
  // A multiple of four puts vertices straight across and straight down.
  k = (std::clamp(k, 8, 512) + 3) / 4 * 4;
  // Vertices lie half a sagitta outside the circle, so the polygon's edge
  // swings evenly about it, and a pixel centre exactly on the circle
  // (a whole radius straight across) is inside.
  const double rv = r * (1.0 + (1.0 - std::cos(kPi / k)) / 2) + 1e-9;
  double x[516], y[516];
  for (int i = 0; i < k; ++i) {
    const double a = 2 * kPi * i / k;
    x[i] = cx + rv * std::cos(a);
    y[i] = cy + rv * std::sin(a);
  }
  addContour(x, y, k);
}

void ScanEdges::startScan() {
  std::sort(edges_.begin(), edges_.end(),
            [](const Edge& a, const Edge& b) { return a.y0 < b.y0; });
  active_.clear();
  next_ = 0;
}

template <class F>
void ScanEdges::intervals(double sy, F interval) {
  // An edge crosses sample line sy when y0 < sy <= y1.
  while (next_ < edges_.size() && edges_[next_].y0 < sy) active_.push_back(int(next_++));
  crossings_.clear();
  std::size_t kept = 0;
  for (int i : active_) {
    const Edge& e = edges_[std::size_t(i)];
    if (e.y1 < sy) continue;  // finished: drop it
    active_[kept++] = i;
    crossings_.push_back({e.x0 + (sy - e.y0) * e.slope, e.dir});
  }
  active_.resize(kept);
  std::sort(crossings_.begin(), crossings_.end(),
            [](const Crossing& a, const Crossing& b) { return a.x < b.x; });
  int winding = 0;
  double start = 0;
  for (const Crossing& c : crossings_) {
    const int before = winding;
    winding += c.dir;
    if (before == 0 && winding != 0) start = c.x;
    else if (before != 0 && winding == 0) interval(start, c.x);
  }
}

void ScanEdges::centreRuns(int xmin, int ymin, int xmax, int ymax,
                           const std::function<void(int, int, int)>& run) {
  if (edges_.empty() || xmin > xmax || ymin > ymax) return;
  startScan();
  const int y0 = rowFloor(ylo_, ymin, ymax), y1 = rowFloor(yhi_, ymin, ymax);
  for (int y = y0; y <= y1; ++y) {
    intervals(y, [&](double a, double b) {
      // Centres x with a <= x < b.
      if (!(b > xmin) || !(a <= xmax)) return;
      const int x1 = a < xmin ? xmin : int(std::ceil(a));
      const int x2 = b > xmax + 1 ? xmax : int(std::ceil(b)) - 1;
      if (x1 <= x2) run(x1, x2, y);
    });
  }
}

void ScanEdges::coverage(int xmin, int ymin, int xmax, int ymax,
                         const std::function<void(int, int, float)>& pixel) {
  if (edges_.empty() || xmin > xmax || ymin > ymax) return;
  startScan();
  // Pixel x covers [x - 0.5, x + 0.5); cells are counted from xmin.
  const int w = xmax - xmin + 1;
  partial_.assign(std::size_t(w) + 2, 0.0f);
  steps_.assign(std::size_t(w) + 2, 0.0f);
  const int y0 = rowFloor(ylo_ + 0.5, ymin, ymax), y1 = rowFloor(yhi_ + 0.5, ymin, ymax);
  for (int y = y0; y <= y1; ++y) {
    int lo = w, hi = -1;
    for (int k = 0; k < kSubRows; ++k) {
      const double sy = y - 0.5 + (k + 0.5) / kSubRows;
      intervals(sy, [&](double a, double b) {
        const double u = std::max(a + 0.5 - xmin, 0.0), v = std::min(b + 0.5 - xmin, double(w));
        if (!(v > u)) return;
        const int iu = int(u), iv = int(v);
        lo = std::min(lo, iu);
        hi = std::max(hi, iv);
        if (iu == iv) {
          partial_[std::size_t(iu)] += float(v - u);
          return;
        }
        partial_[std::size_t(iu)] += float(iu + 1 - u);
        steps_[std::size_t(iu) + 1] += 1.0f;
        steps_[std::size_t(iv)] -= 1.0f;
        partial_[std::size_t(iv)] += float(v - iv);
      });
    }
    if (hi < 0) continue;
    float full = 0;
    for (int i = lo; i <= hi && i < w; ++i) {
      full += steps_[std::size_t(i)];
      const float c = (full + partial_[std::size_t(i)]) / kSubRows;
      if (c > 0.002f) pixel(xmin + i, y, std::min(c, 1.0f));
    }
    std::fill(partial_.begin() + lo, partial_.begin() + hi + 2, 0.0f);
    std::fill(steps_.begin() + lo, steps_.begin() + hi + 2, 0.0f);
  }
}

}  // namespace zantor

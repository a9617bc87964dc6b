// Even-odd fill of several rings by scan lines with an edge table: every
// edge is entered at its first scan line and leaves after its last, so the
// cost grows with the edges and the crossings, not edges x lines.  The
// crossing rule is the one of qqvpol: scan line y crosses an edge when it
// lies above the lower end and at or below the upper end; the crossing at
// x is taken as trunc(x + 0.5).
#include <algorithm>
#include <cmath>
#include <vector>

#include "devices/raster/raster.h"

namespace zantor {
namespace {

struct Edge {
  int first, last;  // scan lines crossed
  double x0, y0, slope;
};

int clampLine(double v) {
  if (!(v > -1e9)) return -1000000000;
  if (v > 1e9) return 1000000000;
  return static_cast<int>(v);
}

}  // namespace

void RasterContext::fillRings(const double* x, const double* y, const int* counts, int nrings) {
  flush();
  if (!pixels_ || cxmax_ < cxmin_ || nrings < 1) return;
  std::vector<Edge> edges;
  int at = 0;
  for (int k = 0; k < nrings; ++k) {
    const int n = counts[k];
    for (int i = 0; n >= 3 && i < n; ++i) {
      const int a = at + i, b = at + (i + 1 < n ? i + 1 : 0);
      double ya = y[a], yb = y[b], xa = x[a], xb = x[b];
      if (!std::isfinite(ya) || !std::isfinite(yb) || !std::isfinite(xa) || !std::isfinite(xb)) return;
      if (ya == yb) continue;  // horizontal: never crossed under the rule
      if (ya > yb) std::swap(ya, yb), std::swap(xa, xb);
      // Lines l with ya < l <= yb.
      int first = clampLine(std::floor(ya)) + 1, last = clampLine(std::floor(yb));
      first = std::max(first, cymin_);
      last = std::min(last, cymax_);
      if (first > last) continue;
      const double slope = std::fabs(yb - ya) < 0.01 ? 0.0 : (xb - xa) / (yb - ya);
      edges.push_back({first, last, xa, ya, slope});
    }
    at += n;
  }
  if (edges.empty()) return;
  std::sort(edges.begin(), edges.end(), [](const Edge& p, const Edge& q) { return p.first < q.first; });
  std::vector<int> active, xs;
  size_t next = 0;
  for (int line = edges.front().first; line <= cymax_; ++line) {
    while (next < edges.size() && edges[next].first == line) active.push_back(static_cast<int>(next++));
    if (active.empty()) {
      if (next == edges.size()) break;
      line = edges[next].first - 1;
      continue;
    }
    xs.clear();
    size_t keep = 0;
    for (int e : active) {
      const Edge& d = edges[e];
      if (d.last < line) continue;
      active[keep++] = e;
      const double xc = d.x0 + (line - d.y0) * d.slope + 0.5;
      xs.push_back(xc > -1e9 ? (xc < 1e9 ? static_cast<int>(xc) : 1000000000) : -1000000000);
    }
    active.resize(keep);
    std::sort(xs.begin(), xs.end());
    for (size_t a = 0; a + 1 < xs.size(); a += 2) span(xs[a], xs[a + 1], line);
  }
}

}  // namespace zantor

// contri: contour lines on a triangulation.  Every triangle that the level
// crosses gives one segment between the crossings on two of its edges;
// segments meet where triangles share an edge and are joined into
// polylines for labels and thick lines.
#include <algorithm>
#include <cmath>
#include <new>
#include <unordered_map>
#include <vector>

#include "axes/axes.h"
#include "axes/curve_internal.h"
#include "axes/legend_record.h"
#include "contour/contour_draw.h"
#include "contour/trace.h"
#include "core/api.h"
#include "core/levels.h"
#include "core/state.h"
#include "core/warnings.h"
#include "draw/pipeline.h"

namespace zantor {
namespace {

struct Segment {
  uint64_t edge[2];  // the crossed edges (corner indices, lower first)
  double x[2], y[2];  // the crossings in plot coordinates
};

uint64_t edgeKey(int a, int b) {
  if (a > b) std::swap(a, b);
  return (static_cast<uint64_t>(static_cast<uint32_t>(a)) << 32) | static_cast<uint32_t>(b);
}

// The segments of the level, or false after a bad corner index.
bool collectSegments(const float* x, const float* y, const float* z, int n, const int32_t* i1,
                     const int32_t* i2, const int32_t* i3, int ntri, double zlev,
                     std::vector<Segment>& out) {
  for (int k = 0; k < ntri; ++k) {
    // Corner numbers count from 1; checked before the shift to indices,
    // which would overflow for the smallest integer.
    for (int32_t v : {i1[k], i2[k], i3[k]})
      if (v < 1 || v > n) {
        warni1(2, v);
        return false;
      }
    const int c[3] = {i1[k] - 1, i2[k] - 1, i3[k] - 1};
    Segment s;
    int found = 0;
    for (int e = 0; e < 3 && found < 2; ++e) {
      const int a = c[e], b = c[(e + 1) % 3];
      const bool lowA = z[a] <= zlev, lowB = z[b] <= zlev;
      if (lowA == lowB) continue;
      const int lo = lowA ? a : b, hi = lowA ? b : a;  // from the low corner
      double ux, uy;
      edgeCrossing(x[lo], y[lo], z[lo], x[hi], y[hi], z[hi], zlev, ux, uy);
      s.edge[found] = edgeKey(a, b);
      s.x[found] = userToPlotX(ux);
      s.y[found] = userToPlotY(uy);
      ++found;
    }
    if (found == 2) out.push_back(s);
  }
  return true;
}

// Joins segments that share an edge into polylines, separated by NaN.
void joinSegments(const std::vector<Segment>& segs, std::vector<double>& px, std::vector<double>& py) {
  std::unordered_multimap<uint64_t, int> byEdge;
  byEdge.reserve(segs.size() * 2);
  for (int i = 0; i < static_cast<int>(segs.size()); ++i) {
    byEdge.emplace(segs[i].edge[0], i);
    byEdge.emplace(segs[i].edge[1], i);
  }
  std::vector<char> used(segs.size(), 0);
  auto other = [&](uint64_t edge, int self) {
    auto r = byEdge.equal_range(edge);
    for (auto it = r.first; it != r.second; ++it)
      if (it->second != self && !used[it->second]) return it->second;
    return -1;
  };
  auto chainFrom = [&](int s, int side) {
    // Start at end `side` of segment s and walk while a neighbour exists.
    std::vector<int> order;
    used[s] = 1;
    px.push_back(segs[s].x[side]);
    py.push_back(segs[s].y[side]);
    int cur = s, exit = 1 - side;
    for (;;) {
      px.push_back(segs[cur].x[exit]);
      py.push_back(segs[cur].y[exit]);
      const uint64_t e = segs[cur].edge[exit];
      const int nxt = other(e, cur);
      if (nxt < 0) break;
      used[nxt] = 1;
      exit = segs[nxt].edge[0] == e ? 1 : 0;
      cur = nxt;
    }
    px.push_back(NAN);
    py.push_back(NAN);
  };
  // Open chains first (an end edge met by one segment only), then loops.
  for (int i = 0; i < static_cast<int>(segs.size()); ++i) {
    if (used[i]) continue;
    for (int side = 0; side < 2; ++side) {
      if (used[i]) break;
      if (byEdge.count(segs[i].edge[side]) == 1) chainFrom(i, side);
    }
  }
  for (int i = 0; i < static_cast<int>(segs.size()); ++i)
    if (!used[i]) chainFrom(i, 0);
}

}  // namespace
}  // namespace zantor

using namespace zantor;

ZANTOR_API void contri_(const float* xray, const float* yray, const float* zray, const int32_t* n,
                        const int32_t* i1ray, const int32_t* i2ray, const int32_t* i3ray,
                        const int32_t* ntri, const float* zlev) try {
  if (jqqlev(2, 3, "CONTRI") != 0) return;
  if (*n < 3) return warni1(2, *n);
  if (*ntri < 1) return warni1(2, *ntri);
  Zanglb& g = zanglb;
  for (int i = 0; i < *n; ++i)
    if ((g.ixlg[0] == 1 && !(xray[i] > 0)) || (g.ixlg[1] == 1 && !(yray[i] > 0))) return warnin(27);
  std::vector<Segment> segs;
  std::vector<double> px, py;
  try {
    if (!collectSegments(xray, yray, zray, *n, i1ray, i2ray, i3ray, *ntri, *zlev, segs)) return;
    const int passes = std::max(1, static_cast<int>(g.nthk * g.xfcuni + 0.5f));
    if (g.nlincr == 0 && passes == 1 && g.nmrk == 1) {
      // Plain solid lines: every segment at once.
      LegendAttributes a;
      a.style = g.ityp;
      a.colour = g.ncolr;
      a.thickness = g.nthk;
      recordCurveForLegend(a);
      AxisClip clip;
      for (const Segment& s : segs) {
        strtqq(static_cast<float>(s.x[0]), static_cast<float>(s.y[0]));
        connqq(static_cast<float>(s.x[1]), static_cast<float>(s.y[1]));
      }
      qqstrk();
      return;
    }
    joinSegments(segs, px, py);
  } catch (const std::bad_alloc&) {
    return warnin(53);
  }
  drawContourPolylines(px, py, *zlev);
} ZANTOR_CATCH

// Contour lines of a triangulated function: segments and their joining.
#include "contour/triangle_mesh.h"

#include <cmath>
#include <unordered_map>
#include <utility>

#include "contour/trace.h"
#include "core/warnings.h"

namespace zantor {
namespace {

uint64_t edgeKey(int a, int b) {
  if (a > b) std::swap(a, b);
  return (static_cast<uint64_t>(static_cast<uint32_t>(a)) << 32) | static_cast<uint32_t>(b);
}

}  // namespace

bool checkMesh(const TriangleMesh& mesh) {
  if (mesh.n < 3) {
    warni1(2, mesh.n);
    return false;
  }
  if (mesh.ntri < 1) {
    warni1(2, mesh.ntri);
    return false;
  }
  for (int k = 0; k < mesh.ntri; ++k) {
    // Checked before the shift to indices, which would overflow for the
    // smallest integer.
    for (int32_t v : {mesh.i1[k], mesh.i2[k], mesh.i3[k]})
      if (v < 1 || v > mesh.n) {
        warni1(2, v);
        return false;
      }
  }
  return true;
}

std::vector<LevelSegment> levelSegments(const TriangleMesh& mesh, double zlev) {
  std::vector<LevelSegment> out;
  const float *x = mesh.x, *y = mesh.y, *z = mesh.z;
  for (int k = 0; k < mesh.ntri; ++k) {
    int c[3];
    mesh.corners(k, c);
    LevelSegment s;
    int found = 0;
    for (int e = 0; e < 3 && found < 2; ++e) {
      const int a = c[e], b = c[(e + 1) % 3];
      if (std::isnan(z[a]) || std::isnan(z[b])) continue;  // no value: a gap
      const bool lowA = z[a] <= zlev, lowB = z[b] <= zlev;
      if (lowA == lowB) continue;
      const int lo = lowA ? a : b, hi = lowA ? b : a;  // from the low corner
      edgeCrossing(x[lo], y[lo], z[lo], x[hi], y[hi], z[hi], zlev, s.x[found], s.y[found]);
      s.edge[found] = edgeKey(a, b);
      ++found;
    }
    if (found == 2) out.push_back(s);
  }
  return out;
}

void joinSegments(const std::vector<LevelSegment>& segs, std::vector<double>& px,
                  std::vector<double>& py) {
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

}  // namespace zantor

// surshd: a surface z(x, y) filled with colour.  Raster devices draw it as
// smoothly shaded triangles into the depth buffer (colours at the grid
// points, interpolated across each triangle); other devices, or raster
// devices with zbfmod("OFF"), fill one flat quadrilateral per grid cell in
// the colour of its centre, from the farthest cell to the nearest.
//
// Choices: normals are the cross product of the central differences along
// the two grid directions (one-sided at the edges), in absolute 3D
// coordinates, turned towards the view point, so that the side one sees
// is lit.  Without lighting the colour follows the Z axis over the colour
// range nca..nce.  Cells with a value that is not a number are left out.
#include <algorithm>
#include <cmath>
#include <new>
#include <numeric>
#include <vector>

#include "core/api.h"
#include "core/levels.h"
#include "core/state.h"
#include "core/warnings.h"
#include "devices/dispatch.h"
#include "draw/colour.h"
#include "draw/fill_area.h"
#include "draw/page.h"
#include "draw/pipeline.h"
#include "shading/shading.h"
#include "draw/scoped_pen.h"

namespace zantor {
namespace {

Abs3 cross(const Abs3& a, const Abs3& b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

Abs3 towardsViewer(Abs3 n, const Abs3& p, const Abs3& view) {
  const double l = std::sqrt(n.x * n.x + n.y * n.y + n.z * n.z);
  if (!(l > 0)) return {0, 0, 1};
  n = {n.x / l, n.y / l, n.z / l};
  const double side = n.x * (view.x - p.x) + n.y * (view.y - p.y) + n.z * (view.z - p.z);
  return side < 0 ? Abs3{-n.x, -n.y, -n.z} : n;
}

// The colour of Z value z (user units) on the colour range.
int32_t zColour(double z) {
  const Zanglb& g = zanglb;
  const double v = g.ixlg[2] == 1 ? std::log10(z) : z;
  const double t = (v - g.za3d) / (double(g.ze3d) - g.za3d);
  const int span = g.nce - g.nca + 1;
  const double c = std::floor(g.nca + t * span);
  return int32_t(std::clamp(std::isfinite(c) ? c : g.nca, double(g.nca), double(g.nce)));
}

struct Grid {
  int n, m;
  std::vector<Abs3> abs;      // absolute coordinates
  std::vector<Plot3> plot;    // plot coordinates and depth
  std::vector<char> valid;    // a number and in front of the eye
  std::size_t at(int i, int j) const { return std::size_t(j) * n + i; }
};

Abs3 normalAt(const Grid& g, int i, int j, const Abs3& view) {
  const int i0 = std::max(i - 1, 0), i1 = std::min(i + 1, g.n - 1);
  const int j0 = std::max(j - 1, 0), j1 = std::min(j + 1, g.m - 1);
  const Abs3 &a = g.abs[g.at(i0, j)], &b = g.abs[g.at(i1, j)];
  const Abs3 &c = g.abs[g.at(i, j0)], &d = g.abs[g.at(i, j1)];
  const Abs3 n = cross({b.x - a.x, b.y - a.y, b.z - a.z}, {d.x - c.x, d.y - c.y, d.z - c.z});
  return towardsViewer(n, g.abs[g.at(i, j)], view);
}

void smoothSurface(Device& d, const Grid& g, const float* zmat) {
  const Zanglb& s = zanglb;
  const Abs3 view = viewPoint3d();
  std::vector<int32_t> colour(g.abs.size());
  std::vector<double> dx(g.abs.size()), dy(g.abs.size());
  for (int j = 0; j < g.m; ++j)
    for (int i = 0; i < g.n; ++i) {
      const std::size_t k = g.at(i, j);
      if (!g.valid[k]) continue;
      colour[k] = s.ilitop == 1
                      ? intensityColour(lightIntensity(g.abs[k], normalAt(g, i, j, view), view))
                      : zColour(zmat[k]);
      deviceTransform(g.plot[k].x, g.plot[k].y, dx[k], dy[k]);
    }
  for (int j = 0; j + 1 < g.m; ++j)
    for (int i = 0; i + 1 < g.n; ++i) {
      const std::size_t a = g.at(i, j), b = a + 1, c = a + g.n, e = c + 1;
      if (!g.valid[a] || !g.valid[b] || !g.valid[c] || !g.valid[e]) continue;
      const std::size_t tri[2][3] = {{a, b, e}, {a, e, c}};
      for (const auto& t : tri) {
        const double x[3] = {dx[t[0]], dx[t[1]], dx[t[2]]};
        const double y[3] = {dy[t[0]], dy[t[1]], dy[t[2]]};
        const double z[3] = {g.plot[t[0]].depth, g.plot[t[1]].depth, g.plot[t[2]].depth};
        const int32_t cc[3] = {colour[t[0]], colour[t[1]], colour[t[2]]};
        d.depthTriangle(x, y, z, cc);
      }
    }
}

void flatSurface(const Grid& g, const float* zmat) {
  const Zanglb& s = zanglb;
  const Abs3 view = viewPoint3d();
  struct Cell {
    double depth;
    int i, j;
  };
  std::vector<Cell> cells;
  cells.reserve(std::size_t(g.n - 1) * (g.m - 1));
  for (int j = 0; j + 1 < g.m; ++j)
    for (int i = 0; i + 1 < g.n; ++i) {
      const std::size_t a = g.at(i, j), b = a + 1, c = a + g.n, e = c + 1;
      if (!g.valid[a] || !g.valid[b] || !g.valid[c] || !g.valid[e]) continue;
      const double depth = g.plot[a].depth + g.plot[b].depth + g.plot[c].depth + g.plot[e].depth;
      cells.push_back({depth, i, j});
    }
  std::sort(cells.begin(), cells.end(), [](const Cell& p, const Cell& q) { return p.depth > q.depth; });
  const KeepColour previous;
  const FillPattern solid = solidPattern();
  const ThinPen thin;
  for (const Cell& cell : cells) {
    const std::size_t a = g.at(cell.i, cell.j), b = a + 1, c = a + g.n, e = c + 1;
    int32_t colour;
    if (s.ilitop == 1) {
      const Abs3 &pa = g.abs[a], &pb = g.abs[b], &pc = g.abs[c], &pe = g.abs[e];
      const Abs3 centre{(pa.x + pb.x + pc.x + pe.x) / 4, (pa.y + pb.y + pc.y + pe.y) / 4,
                        (pa.z + pb.z + pc.z + pe.z) / 4};
      const Abs3 n = towardsViewer(
          cross({pe.x - pa.x, pe.y - pa.y, pe.z - pa.z}, {pc.x - pb.x, pc.y - pb.y, pc.z - pb.z}),
          centre, view);
      colour = intensityColour(lightIntensity(centre, n, view));
    } else {
      colour = zColour((double(zmat[a]) + zmat[b] + zmat[c] + zmat[e]) / 4);
    }
    qqsclr(colour);
    const double xs[4] = {g.plot[a].x, g.plot[b].x, g.plot[e].x, g.plot[c].x};
    const double ys[4] = {g.plot[a].y, g.plot[b].y, g.plot[e].y, g.plot[c].y};
    fillAbsolute(xs, ys, 4, solid);
  }
}

}  // namespace
}  // namespace zantor

using namespace zantor;

ZANTOR_API void surshd_(const float* xray, const int32_t* n, const float* yray, const int32_t* m,
                        const float* zmat) try {
  if (jqqlev(3, 3, "SURSHD") != 0) return;
  if (!in3dAxisSystem()) {
    warnin(35);
    return;
  }
  if (*n < 2 || *m < 2) {
    warnin(2);
    return;
  }
  Device* d = currentDevice();
  if (d == nullptr) return;
  Grid g{*n, *m, {}, {}, {}};
  const std::size_t count = std::size_t(*n) * std::size_t(*m);
  try {
    g.abs.resize(count);
    g.plot.resize(count);
    g.valid.resize(count);
  } catch (const std::bad_alloc&) {
    warnin(53);
    return;
  }
  for (int j = 0; j < g.m; ++j)
    for (int i = 0; i < g.n; ++i) {
      const std::size_t k = g.at(i, j);
      const double z = zmat[k];
      g.abs[k] = userToAbs3d(xray[i], yray[j], z);
      g.plot[k] = absToPlot3d(g.abs[k]);
      g.valid[k] = std::isfinite(z) && g.plot[k].visible && std::isfinite(g.plot[k].x) &&
                   std::isfinite(g.plot[k].y);
    }
  qqstrk();
  Zanglb& s = zanglb;
  const int dev = s.ndev;
  const bool raster = dev < 201 || (dev >= 601 && dev <= 700);
  if (raster && s.izbfmd == 1) {
    // A depth buffer of its own unless zbfini made one.
    const bool own = !depthBufferActive();
    if (!own || d->depthBuffer(0) == 0) {
      smoothSurface(*d, g, zmat);
      if (own) d->depthBuffer(1);
      return;
    }
    warnin(53);
  }
  flatSurface(g, zmat);
} ZANTOR_CATCH

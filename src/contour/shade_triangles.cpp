// Shaded contours of functions that vary linearly over triangles: the
// triangulated variant (confll) and the cells of curvilinear grids
// (conshd2), each cell cut at its centre into four triangles as the
// contour tracer cuts it.  Within a triangle the part of every level
// interval is a convex polygon, found by cutting the triangle at the
// interval's two levels, so any number of levels is drawn exactly.
#include <algorithm>
#include <cmath>

#include "axes/axes.h"
#include "contour/shade.h"
#include "contour/triangle_bands.h"

namespace zantor {
namespace {

void fillTriangle(const double (&x)[3], const double (&y)[3], const double (&z)[3],
                  const LevelIntervals& iv) {
  triangleBands(x, y, z, iv, [&](const BandPolygon& p, int band) {
    fillClipped(p.x, p.y, p.n, iv.colour[band]);
  });
}

}  // namespace

void shadeTriangles(const TriangleMesh& mesh, const LevelIntervals& iv) {
  for (int t = 0; t < mesh.ntri; ++t) {
    int c[3];
    mesh.corners(t, c);
    double x[3], y[3], z[3];
    bool ok = true;
    for (int i = 0; i < 3; ++i) {
      z[i] = mesh.z[c[i]];
      shadeToPlot(mesh.x[c[i]], mesh.y[c[i]], x[i], y[i]);
      ok = ok && !std::isnan(z[i]) && !std::isnan(x[i]);
    }
    if (ok) fillTriangle(x, y, z, iv);  // no value or no image, no colour
  }
}

void shadeCurvilinearCells(const ContourGrid& grid, const LevelIntervals& iv) {
  const int n = grid.n;
  for (int j = 0; j + 1 < grid.m; ++j) {
    for (int i = 0; i + 1 < n; ++i) {
      const size_t at[4] = {static_cast<size_t>(j) * n + i, static_cast<size_t>(j) * n + i + 1,
                            static_cast<size_t>(j + 1) * n + i + 1,
                            static_cast<size_t>(j + 1) * n + i};
      double x[4], y[4], z[4];
      int k[4];
      bool ok = true;
      for (int c = 0; c < 4; ++c) {
        z[c] = grid.z[at[c]];
        shadeToPlot(grid.x[at[c]], grid.y[at[c]], x[c], y[c]);
        ok = ok && !std::isnan(z[c]) && !std::isnan(x[c]);  // a corner off the map: no cell
        k[c] = iv.interval(z[c]);
      }
      if (!ok) continue;
      if (k[0] == k[1] && k[1] == k[2] && k[2] == k[3]) {
        if (iv.filled[k[0]]) fillClipped(x, y, 4, iv.colour[k[0]]);
        continue;
      }
      const double cx = 0.25 * (x[0] + x[1] + x[2] + x[3]);
      const double cy = 0.25 * (y[0] + y[1] + y[2] + y[3]);
      const double cz = 0.25 * (z[0] + z[1] + z[2] + z[3]);
      for (int c = 0; c < 4; ++c) {
        const int d = (c + 1) % 4;
        const double tx[3] = {x[c], x[d], cx}, ty[3] = {y[c], y[d], cy}, tz[3] = {z[c], z[d], cz};
        fillTriangle(tx, ty, tz, iv);
      }
    }
  }
}

}  // namespace zantor

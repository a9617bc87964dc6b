// Shaded contours in a 3D axis system: the level intervals coloured on the
// surface z = f(x, y) itself.  A cell within one interval is one part;
// other cells are cut at their centres into four triangles (as the contour
// tracer cuts them), each triangle into the parts of its intervals.  The
// parts are lifted onto the surface, projected, and filled farthest first,
// so that nearer parts of the surface cover farther ones.
#include <algorithm>
#include <cmath>
#include <vector>

#include "contour/shade.h"
#include "contour/triangle_bands.h"
#include "core/state.h"
#include "draw/colour.h"
#include "draw/fill_area.h"
#include "draw/scoped_pen.h"
#include "plot3d/projection.h"

namespace zantor {
namespace {

struct Part {
  double depth;  // sum of the corners' depths / their number
  int first, count;  // corners in the point store
  int32_t colour;
};

}  // namespace

void shadeSurfaceBands(const ContourGrid& grid, const LevelIntervals& iv) {
  std::vector<Part> parts;
  std::vector<double> px, py;
  auto add = [&](const BandPolygon& p, int band) {
    double depth = 0;
    const int first = static_cast<int>(px.size());
    for (int k = 0; k < p.n; ++k) {
      const Plot3 q = userToPlot3d(p.x[k], p.y[k], p.z[k]);
      if (!q.visible || !std::isfinite(q.x) || !std::isfinite(q.y)) {
        px.resize(first), py.resize(first);  // behind the eye: left out
        return;
      }
      px.push_back(q.x), py.push_back(q.y);
      depth += q.depth;
    }
    parts.push_back({depth / p.n, first, p.n, iv.colour[band]});
  };
  const int n = grid.n;
  for (int j = 0; j + 1 < grid.m; ++j)
    for (int i = 0; i + 1 < n; ++i) {
      const int ci[4] = {i, i + 1, i + 1, i}, cj[4] = {j, j, j + 1, j + 1};
      double x[4], y[4], z[4];
      bool ok = true;
      for (int c = 0; c < 4; ++c) {
        x[c] = grid.x[ci[c]], y[c] = grid.y[cj[c]];
        z[c] = grid.z[static_cast<size_t>(cj[c]) * n + ci[c]];
        ok = ok && std::isfinite(z[c]);
      }
      if (!ok) continue;  // no value, no surface
      const int k0 = iv.interval(z[0]);
      if (k0 == iv.interval(z[1]) && k0 == iv.interval(z[2]) && k0 == iv.interval(z[3])) {
        // One interval: the cell as one part, with fewer seams and bytes.
        if (!iv.filled[k0]) continue;
        BandPolygon cell;
        for (int c = 0; c < 4; ++c) cell.add(x[c], y[c], z[c]);
        add(cell, k0);
        continue;
      }
      const double cx = 0.5 * (x[0] + x[1]), cy = 0.5 * (y[0] + y[2]);
      const double cz = 0.25 * (z[0] + z[1] + z[2] + z[3]);
      for (int c = 0; c < 4; ++c) {
        const int d = (c + 1) % 4;
        const double tx[3] = {x[c], x[d], cx}, ty[3] = {y[c], y[d], cy}, tz[3] = {z[c], z[d], cz};
        triangleBands(tx, ty, tz, iv, add);
      }
    }
  std::stable_sort(parts.begin(), parts.end(),
                   [](const Part& a, const Part& b) { return a.depth > b.depth; });
  const KeepColour previous;
  const ThinPen thin;
  const FillPattern solid = solidPattern();
  for (const Part& p : parts) {
    if (zanglb.ncolr != p.colour) qqsclr(p.colour);
    fillAbsolute(&px[p.first], &py[p.first], p.count, solid);
  }
}

}  // namespace zantor

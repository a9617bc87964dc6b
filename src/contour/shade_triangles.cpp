// Shaded contours of functions that vary linearly over triangles: the
// triangulated variant (confll) and the cells of curvilinear grids
// (conshd2), each cell cut at its centre into four triangles as the
// contour tracer cuts it.  Within a triangle the part of every level
// interval is a convex polygon, found by cutting the triangle at the
// interval's two levels, so any number of levels is drawn exactly.
#include <algorithm>
#include <cmath>
#include <vector>

#include "axes/axes.h"
#include "core/state.h"
#include "contour/shade.h"
#include "contour/triangle_bands.h"
#include "maps/maps.h"

namespace zantor {
namespace {

void fillTriangle(const double (&x)[3], const double (&y)[3], const double (&z)[3],
                  const LevelIntervals& iv) {
  triangleBands(x, y, z, iv, [&](const BandPolygon& p, int band) {
    fillClipped(p.x, p.y, p.n, iv.colour[band]);
  });
}

// A point of a cell in user coordinates (longitude and latitude on maps)
// with its value.
struct CellPoint {
  double u, v, z;
};

// Cuts a convex polygon to the half-plane where side(p) >= 0, the value
// interpolated along the cut edges.
template <class Side>
void cutPolygon(std::vector<CellPoint>& poly, Side side) {
  std::vector<CellPoint> out;
  for (size_t i = 0; i < poly.size(); ++i) {
    const CellPoint& a = poly[i];
    const CellPoint& b = poly[(i + 1) % poly.size()];
    const double sa = side(a), sb = side(b);
    if (sa >= 0) out.push_back(a);
    if ((sa >= 0) != (sb >= 0)) {
      const double t = sa / (sa - sb);
      out.push_back({a.u + t * (b.u - a.u), a.v + t * (b.v - a.v), a.z + t * (b.z - a.z)});
    }
  }
  poly.swap(out);
}

// A map cell reaching beyond the map's range in longitude or latitude
// (cylindrical and conical maps): its four triangles are cut to the range,
// where the values stay linear, and the parts inside are shaded, so the
// colours reach the map's edge.  Maps without such a range (azimuthal
// ones, whose far side has no image) leave the cell out.
void shadeCellCutToMap(const CellPoint (&corner)[4], const LevelIntervals& iv) {
  const GeoWindow w = mapWindow();
  if (!w.active) return;
  const double lon0 = mapCentralMeridian();
  const double u1 = w.x1 + lon0, u2 = w.x2 + lon0;
  CellPoint centre{0, 0, 0};
  for (const CellPoint& c : corner)
    centre.u += 0.25 * c.u, centre.v += 0.25 * c.v, centre.z += 0.25 * c.z;
  std::vector<CellPoint> poly;
  for (int c = 0; c < 4; ++c) {
    poly = {corner[c], corner[(c + 1) % 4], centre};
    cutPolygon(poly, [&](const CellPoint& p) { return p.u - u1; });
    cutPolygon(poly, [&](const CellPoint& p) { return u2 - p.u; });
    cutPolygon(poly, [&](const CellPoint& p) { return p.v - w.y1; });
    cutPolygon(poly, [&](const CellPoint& p) { return w.y2 - p.v; });
    if (poly.size() < 3) continue;
    std::vector<double> x(poly.size()), y(poly.size());
    bool ok = true;
    for (size_t k = 0; k < poly.size(); ++k) {
      // Cut points lie on the range's edge, not a rounding error beyond it.
      const double u = std::clamp(poly[k].u, u1, u2), v = std::clamp(poly[k].v, w.y1, w.y2);
      shadeToPlot(u, v, x[k], y[k]);
      ok = ok && !std::isnan(x[k]);
    }
    if (!ok) continue;
    for (size_t k = 1; k + 1 < poly.size(); ++k) {  // a fan: the cut part is convex
      const double tx[3] = {x[0], x[k], x[k + 1]}, ty[3] = {y[0], y[k], y[k + 1]};
      const double tz[3] = {poly[0].z, poly[k].z, poly[k + 1].z};
      fillTriangle(tx, ty, tz, iv);
    }
  }
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
      bool values = true, images = true;
      for (int c = 0; c < 4; ++c) {
        z[c] = grid.z[at[c]];
        shadeToPlot(grid.x[at[c]], grid.y[at[c]], x[c], y[c]);
        values = values && !std::isnan(z[c]);
        images = images && !std::isnan(x[c]);
        k[c] = iv.interval(z[c]);
      }
      if (!values) continue;
      if (!images) {  // a corner off the map
        if (zanglb.igraf == 4) {
          CellPoint corner[4];
          for (int c = 0; c < 4; ++c) corner[c] = {grid.x[at[c]], grid.y[at[c]], z[c]};
          shadeCellCutToMap(corner, iv);
        }
        continue;
      }
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

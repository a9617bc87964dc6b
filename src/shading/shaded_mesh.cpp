// Filling a mesh of faces in 3D with colour: through the depth buffer on
// raster devices, back to front on the others.
//
// Choices: a vertex normal is the sum of the normals of the faces around
// it (each weighted by its area, all turned upwards so that neighbours
// agree), turned towards the view point so that the side one sees is lit;
// a flat face uses its own normal at its centre.  Vector devices always
// get flat faces.  Contour level colours ignore the lighting: the bands
// are what they show.
#include "shading/shaded_mesh.h"

#include <algorithm>
#include <cmath>
#include <new>

#include "contour/shade.h"
#include "core/state.h"
#include "core/warnings.h"
#include "devices/dispatch.h"
#include "draw/colour.h"
#include "draw/fill_area.h"
#include "draw/page.h"
#include "draw/pipeline.h"
#include "draw/scoped_pen.h"
#include "shading/shading.h"

namespace zantor {
namespace {

Abs3 sub(const Abs3& a, const Abs3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }

Abs3 cross(const Abs3& a, const Abs3& b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

int corners(const std::array<int, 4>& f) { return f[3] < 0 ? 3 : 4; }

// Twice the area vector of a face, pointing upwards (positive Z).
Abs3 faceNormal(const ShadedMesh& m, const std::array<int, 4>& f) {
  const Abs3& a = m.abs[f[0]];
  const Abs3& b = m.abs[f[1]];
  const Abs3& c = m.abs[f[2]];
  const Abs3& d = f[3] < 0 ? b : m.abs[f[3]];
  // Of a quadrilateral, the cross product of its diagonals.
  Abs3 n = f[3] < 0 ? cross(sub(b, a), sub(c, a)) : cross(sub(c, a), sub(d, b));
  if (n.z < 0) n = {-n.x, -n.y, -n.z};
  return n;
}

Abs3 towardsViewer(Abs3 n, const Abs3& p, const Abs3& view) {
  const double l = std::sqrt(n.x * n.x + n.y * n.y + n.z * n.z);
  if (!(l > 0)) return {0, 0, 1};
  n = {n.x / l, n.y / l, n.z / l};
  const double side = n.x * (view.x - p.x) + n.y * (view.y - p.y) + n.z * (view.z - p.z);
  return side < 0 ? Abs3{-n.x, -n.y, -n.z} : n;
}

bool drawable(const ShadedMesh& m, const std::array<int, 4>& f) {
  for (int k = 0; k < corners(f); ++k)
    if (!m.valid[f[k]]) return false;
  return true;
}

// The colour of a whole face: lit at its centre, or the colour of its
// mean value.
int32_t faceColour(const ShadedMesh& m, const std::array<int, 4>& f, const Abs3& view) {
  const int n = corners(f);
  Abs3 c{0, 0, 0};
  double v = 0;
  for (int k = 0; k < n; ++k) {
    const Abs3& p = m.abs[f[k]];
    c = {c.x + p.x / n, c.y + p.y / n, c.z + p.z / n};
    v += m.value[f[k]] / n;
  }
  if (zanglb.ilitop == 1)
    return intensityColour(lightIntensity(c, towardsViewer(faceNormal(m, f), c, view), view));
  return zAxisColour(v);
}

// The colour of every vertex for smooth shading.
std::vector<int32_t> vertexColours(const ShadedMesh& m, const Abs3& view) {
  std::vector<int32_t> colour(m.abs.size(), 0);
  if (zanglb.ilitop != 1) {
    for (std::size_t k = 0; k < colour.size(); ++k)
      if (m.valid[k]) colour[k] = zAxisColour(m.value[k]);
    return colour;
  }
  std::vector<Abs3> normal(m.abs.size(), Abs3{0, 0, 0});
  for (const auto& f : m.faces) {
    if (!drawable(m, f)) continue;
    const Abs3 n = faceNormal(m, f);
    for (int k = 0; k < corners(f); ++k) {
      Abs3& s = normal[f[k]];
      s = {s.x + n.x, s.y + n.y, s.z + n.z};
    }
  }
  for (std::size_t k = 0; k < colour.size(); ++k)
    if (m.valid[k])
      colour[k] = intensityColour(
          lightIntensity(m.abs[k], towardsViewer(normal[k], m.abs[k], view), view));
  return colour;
}

// A point of a face being cut into level bands: plot position, device
// position, depth and value.
struct CutPoint {
  double px, py, dx, dy, depth, value;
};

CutPoint between(const CutPoint& a, const CutPoint& b, double level) {
  const double t = (level - a.value) / (b.value - a.value);
  auto mix = [t](double u, double v) { return u + t * (v - u); };
  return {mix(a.px, b.px), mix(a.py, b.py), mix(a.dx, b.dx),
          mix(a.dy, b.dy), mix(a.depth, b.depth), level};
}

// Keeps the part of a convex polygon with value >= level (above) or
// <= level (below).
void cutAt(std::vector<CutPoint>& poly, double level, bool above, std::vector<CutPoint>& out) {
  out.clear();
  const std::size_t n = poly.size();
  for (std::size_t i = 0; i < n; ++i) {
    const CutPoint& a = poly[i];
    const CutPoint& b = poly[(i + 1) % n];
    const bool ina = above ? a.value >= level : a.value <= level;
    const bool inb = above ? b.value >= level : b.value <= level;
    if (ina) out.push_back(a);
    if (ina != inb) out.push_back(between(a, b, level));
  }
  poly.swap(out);
}

// Calls piece(polygon, interval) for the parts of a triangle lying in each
// level interval it passes through.
template <class Piece>
void levelPieces(const CutPoint (&t)[3], const LevelIntervals& iv, Piece piece) {
  int lo = iv.interval(t[0].value), hi = lo;
  for (int k = 1; k < 3; ++k) {
    const int i = iv.interval(t[k].value);
    lo = std::min(lo, i), hi = std::max(hi, i);
  }
  std::vector<CutPoint> poly, scratch;
  for (int k = lo; k <= hi; ++k) {
    if (!iv.filled[k]) continue;
    poly.assign(t, t + 3);
    if (k > 0) cutAt(poly, iv.level[k - 1], true, scratch);
    if (k < iv.count() && poly.size() >= 3) cutAt(poly, iv.level[k], false, scratch);
    if (poly.size() >= 3) piece(poly, k);
  }
}

// The triangles of a face: one, or two for a quadrilateral.
int triangles(const std::array<int, 4>& f, int (&t)[2][3]) {
  t[0][0] = f[0], t[0][1] = f[1], t[0][2] = f[2];
  if (f[3] < 0) return 1;
  t[1][0] = f[0], t[1][1] = f[2], t[1][2] = f[3];
  return 2;
}

void depthPass(Device& d, const ShadedMesh& m, const LevelIntervals* levels, int32_t meshColour) {
  const Zanglb& g = zanglb;
  const Abs3 view = viewPoint3d();
  const std::size_t n = m.abs.size();
  std::vector<double> dx(n), dy(n);
  double near = 1e300, far = -1e300;
  for (std::size_t k = 0; k < n; ++k) {
    if (!m.valid[k]) continue;
    deviceTransform(m.plot[k].x, m.plot[k].y, dx[k], dy[k]);
    near = std::min(near, m.plot[k].depth);
    far = std::max(far, m.plot[k].depth);
  }
  const bool only = g.isrmsh == 2;
  const bool smooth = g.ishsrf == 0 && levels == nullptr && !only;
  const std::vector<int32_t> colour = smooth ? vertexColours(m, view) : std::vector<int32_t>();
  for (const auto& f : m.faces) {
    if (!drawable(m, f)) continue;
    int t[2][3];
    const int count = triangles(f, t);
    const int32_t flat = only ? 0 : (smooth || levels) ? 0 : faceColour(m, f, view);
    for (int i = 0; i < count; ++i) {
      const int* v = t[i];
      if (levels != nullptr && !only) {
        const CutPoint c[3] = {
            {0, 0, dx[v[0]], dy[v[0]], m.plot[v[0]].depth, m.value[v[0]]},
            {0, 0, dx[v[1]], dy[v[1]], m.plot[v[1]].depth, m.value[v[1]]},
            {0, 0, dx[v[2]], dy[v[2]], m.plot[v[2]].depth, m.value[v[2]]}};
        levelPieces(c, *levels, [&](const std::vector<CutPoint>& p, int k) {
          const int32_t cc[3] = {levels->colour[k], levels->colour[k], levels->colour[k]};
          for (std::size_t j = 1; j + 1 < p.size(); ++j) {
            const double x[3] = {p[0].dx, p[j].dx, p[j + 1].dx};
            const double y[3] = {p[0].dy, p[j].dy, p[j + 1].dy};
            const double z[3] = {p[0].depth, p[j].depth, p[j + 1].depth};
            d.depthTriangle(x, y, z, cc);
          }
        });
        continue;
      }
      const double x[3] = {dx[v[0]], dx[v[1]], dx[v[2]]};
      const double y[3] = {dy[v[0]], dy[v[1]], dy[v[2]]};
      const double z[3] = {m.plot[v[0]].depth, m.plot[v[1]].depth, m.plot[v[2]].depth};
      int32_t cc[3] = {flat, flat, flat};
      if (smooth) cc[0] = colour[v[0]], cc[1] = colour[v[1]], cc[2] = colour[v[2]];
      d.depthTriangle(x, y, z, cc);
    }
  }
  if (g.isrmsh == 0) return;
  // Lines lie on their faces: brought a little nearer, so that the faces
  // they bound do not hide them half the time.
  const double bias = far > near ? 0.002 * (far - near) : 1e-6;
  qqsclr(meshColour);
  for (const auto& f : m.faces) {
    if (!drawable(m, f)) continue;
    const int c = corners(f);
    for (int k = 0; k < c; ++k) {
      const int a = f[k], b = f[(k + 1) % c];
      d.depthLine(dx[a], dy[a], m.plot[a].depth - bias, dx[b], dy[b], m.plot[b].depth - bias);
    }
  }
}

void painterPass(const ShadedMesh& m, const LevelIntervals* levels, int32_t meshColour) {
  const Zanglb& g = zanglb;
  const Abs3 view = viewPoint3d();
  struct Order {
    double depth;
    std::size_t face;
  };
  std::vector<Order> order;
  order.reserve(m.faces.size());
  for (std::size_t i = 0; i < m.faces.size(); ++i) {
    const auto& f = m.faces[i];
    if (!drawable(m, f)) continue;
    double depth = 0;
    for (int k = 0; k < corners(f); ++k) depth += m.plot[f[k]].depth / corners(f);
    order.push_back({depth, i});
  }
  std::stable_sort(order.begin(), order.end(),
                   [](const Order& p, const Order& q) { return p.depth > q.depth; });
  const FillPattern solid = solidPattern();
  const bool only = g.isrmsh == 2;
  std::vector<double> xs, ys;
  for (const Order& o : order) {
    const auto& f = m.faces[o.face];
    const int c = corners(f);
    {
      const ThinPen thin;
      if (levels != nullptr && !only) {
        int t[2][3];
        const int count = triangles(f, t);
        for (int i = 0; i < count; ++i) {
          const int* v = t[i];
          const CutPoint p[3] = {
              {m.plot[v[0]].x, m.plot[v[0]].y, 0, 0, 0, m.value[v[0]]},
              {m.plot[v[1]].x, m.plot[v[1]].y, 0, 0, 0, m.value[v[1]]},
              {m.plot[v[2]].x, m.plot[v[2]].y, 0, 0, 0, m.value[v[2]]}};
          levelPieces(p, *levels, [&](const std::vector<CutPoint>& poly, int k) {
            xs.clear(), ys.clear();
            for (const CutPoint& q : poly) xs.push_back(q.px), ys.push_back(q.py);
            if (g.ncolr != levels->colour[k]) qqsclr(levels->colour[k]);
            fillAbsolute(xs.data(), ys.data(), int(xs.size()), solid);
          });
        }
      } else {
        const int32_t colour = only ? 0 : faceColour(m, f, view);
        if (g.ncolr != colour) qqsclr(colour);
        double x[4], y[4];
        for (int k = 0; k < c; ++k) x[k] = m.plot[f[k]].x, y[k] = m.plot[f[k]].y;
        fillAbsolute(x, y, c, solid);
      }
    }
    if (g.isrmsh == 0) continue;
    if (g.ncolr != meshColour) qqsclr(meshColour);
    strtqq(float(m.plot[f[0]].x - g.nx0), float(m.plot[f[0]].y - g.ny0));
    for (int k = 1; k <= c; ++k)
      connqq(float(m.plot[f[k % c]].x - g.nx0), float(m.plot[f[k % c]].y - g.ny0));
    qqstrk();
  }
}

}  // namespace

bool ShadedMesh::reserve(std::size_t n, std::size_t f) {
  try {
    abs.reserve(n);
    plot.reserve(n);
    value.reserve(n);
    valid.reserve(n);
    faces.reserve(f);
  } catch (const std::bad_alloc&) {
    warnin(53);
    return false;
  }
  return true;
}

void ShadedMesh::addVertex(double x, double y, double z) {
  const Abs3 a = userToAbs3d(x, y, z);
  const Plot3 p = absToPlot3d(a);
  abs.push_back(a);
  plot.push_back(p);
  value.push_back(z);
  valid.push_back(std::isfinite(x) && std::isfinite(y) && std::isfinite(z) && p.visible &&
                  std::isfinite(p.x) && std::isfinite(p.y));
}

int32_t zAxisColour(double z) {
  const Zanglb& g = zanglb;
  const double v = g.ixlg[2] == 1 ? std::log10(z) : z;
  const double t = (v - g.za3d) / (double(g.ze3d) - g.za3d);
  const int span = g.nce - g.nca + 1;
  const double c = std::floor(g.nca + t * span);
  return int32_t(std::clamp(std::isfinite(c) ? c : g.nca, double(g.nca), double(g.nce)));
}

void drawShadedMesh(const ShadedMesh& mesh, const LevelIntervals* levels) {
  Device* d = currentDevice();
  if (d == nullptr) return;
  qqstrk();
  const KeepColour previous;
  Zanglb& g = zanglb;
  const int dev = g.ndev;
  const bool raster = dev < 201 || (dev >= 601 && dev <= 700);
  if (raster && g.izbfmd == 1) {
    // A depth buffer of its own unless zbfini made one.
    const bool own = !depthBufferActive();
    if (!own || d->depthBuffer(0) == 0) {
      try {
        depthPass(*d, mesh, levels, previous.colour());
      } catch (...) {
        if (own) d->depthBuffer(1);
        throw;
      }
      if (own) d->depthBuffer(1);
      return;
    }
    warnin(53);
  }
  painterPass(mesh, levels, previous.colour());
}

}  // namespace zantor

// Drawing a surface mesh front to back through the floating horizon.
//
// Choice: z values outside the Z axis limits are cut at the box (the mesh
// stays inside the axis box); NaN values leave holes.
#include "plot3d/surface_mesh.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/levels.h"
#include "core/state.h"
#include "core/warnings.h"
#include "draw/colour.h"
#include "draw/pipeline.h"
#include "plot3d/horizon.h"
#include "plot3d/plot3d.h"
#include "plot3d/projection.h"

namespace zantor {
namespace {

// Absolute coordinates of the grid, computed once per surface.
struct Projected {
  std::vector<Plot3> p;
  int nx = 0;
  double meanZ = 0;  // mean absolute z of the finite grid points
  const Plot3& at(int i, int j) const { return p[static_cast<size_t>(i) + static_cast<size_t>(j) * nx]; }
};

bool lineOpen = false;

void moveP(const Plot3& p) {
  const Zanglb& g = zanglb;
  lineOpen = p.visible;
  if (p.visible) strtqq(static_cast<float>(p.x - g.nx0), static_cast<float>(p.y - g.ny0));
}

void drawP(const Plot3& p) {
  const Zanglb& g = zanglb;
  if (!p.visible) {
    lineOpen = false;
  } else if (!lineOpen) {
    moveP(p);
  } else {
    connqq(static_cast<float>(p.x - g.nx0), static_cast<float>(p.y - g.ny0));
  }
}

void project(const MeshGrid& m, Projected& out) {
  const Zanglb& g = zanglb;
  const double zlo = std::min(g.za3d, g.ze3d), zhi = std::max(g.za3d, g.ze3d);
  const bool logZ = g.ixlg[2] == 1;
  out.nx = m.nx;
  out.p.resize(static_cast<size_t>(m.nx) * m.ny);
  std::vector<double> ax(m.nx), ay(m.ny);
  for (int i = 0; i < m.nx; ++i) ax[i] = userToAbs3d(m.x[i], 1, 1).x;
  for (int j = 0; j < m.ny; ++j) ay[j] = userToAbs3d(1, m.y[j], 1).y;
  const double side = g.x3axis[2];
  double sum = 0;
  long count = 0;
  for (int j = 0; j < m.ny; ++j)
    for (int i = 0; i < m.nx; ++i) {
      const double v = m.z[static_cast<size_t>(i) + static_cast<size_t>(j) * m.nx];
      double zv = logZ ? (v > 0 ? std::log10(v) : std::nan("")) : v;
      zv = std::clamp(zv, zlo, zhi);  // NaN stays NaN
      const double az = (zv - g.za3d) * side / (g.ze3d - g.za3d) - side / 2;
      if (std::isfinite(az)) sum += az, ++count;
      out.p[static_cast<size_t>(i) + static_cast<size_t>(j) * m.nx] = absToPlot3d(ax[i], ay[j], az);
    }
  out.meanZ = count > 0 ? sum / count : 0;
}

// Index order front to back: from the end of the array nearer to the view
// point's side of the axis.
bool ascendingOrder(float first, float last, float a, float e, double view) {
  const double s = (static_cast<double>(first) - last) / (static_cast<double>(a) - e);
  return !((s > 0 && view > 0) || (s < 0 && view < 0));
}

bool selected(int k, int n, int step) { return k % step == 0 || k == n - 1; }

// The lines of the mesh, front to back, with the horizon set up by
// drawMesh.
void drawMeshLines(const MeshGrid& m) {
  const Zanglb& g = zanglb;
  Projected pr;
  project(m, pr);
  const Abs3 v = viewPoint3d();
  setHorizonSide(v.z >= pr.meanZ ? 1 : 2);
  setSideColours(true);
  // Walking order: index k of the walk gives array index I(k).
  const bool upX = ascendingOrder(m.x[0], m.x[m.nx - 1], g.xa3d, g.xe3d, v.x);
  const bool upY = ascendingOrder(m.y[0], m.y[m.ny - 1], g.ya3d, g.ye3d, v.y);
  auto I = [&](int k) { return upX ? k : m.nx - 1 - k; };
  auto J = [&](int k) { return upY ? k : m.ny - 1 - k; };
  auto selX = [&](int k) { return selected(I(k), m.nx, m.stepX); };
  auto selY = [&](int k) { return selected(J(k), m.ny, m.stepY); };

  if (g.isurop == 0) {
    // The nearest line of constant y, then the nearest line of constant x,
    // then cell by cell, front to back: each new piece meets the horizon
    // of everything in front of it.
    if (selY(0)) {
      moveP(pr.at(I(0), J(0)));
      for (int k = 1; k < m.nx; ++k) drawP(pr.at(I(k), J(0)));
    }
    if (selX(0)) {
      moveP(pr.at(I(0), J(0)));
      for (int l = 1; l < m.ny; ++l) drawP(pr.at(I(0), J(l)));
    }
    for (int l = 1; l < m.ny; ++l) {
      const bool rowDrawn = selY(l);
      for (int k = 1; k < m.nx; ++k) {
        const Plot3& here = pr.at(I(k), J(l));
        if (selX(k)) {
          moveP(pr.at(I(k), J(l - 1)));
          drawP(here);
          if (rowDrawn) drawP(pr.at(I(k - 1), J(l)));
        } else if (rowDrawn) {
          moveP(here);
          drawP(pr.at(I(k - 1), J(l)));
        }
      }
    }
  } else if (g.isurop == 1) {
    // Lines of constant x, each from front to back, the nearest first.
    for (int k = 0; k < m.nx; ++k) {
      if (!selX(k)) continue;
      moveP(pr.at(I(k), J(0)));
      for (int l = 1; l < m.ny; ++l) drawP(pr.at(I(k), J(l)));
    }
  } else {
    for (int l = 0; l < m.ny; ++l) {
      if (!selY(l)) continue;
      moveP(pr.at(I(0), J(l)));
      for (int k = 1; k < m.nx; ++k) drawP(pr.at(I(k), J(l)));
    }
  }
}

}  // namespace

bool surfaceAllowed(const char* routine) {
  if (jqqlev(3, 3, routine) != 0) return false;
  if (!in3dAxisSystem()) {
    warnin(35);
    return false;
  }
  return true;
}

void drawMesh(const MeshGrid& m) {
  Zanglb& g = zanglb;
  qqstrk();
  const int ihlopt = g.ihlopt, imkopt = g.imkopt;
  const bool hidlinOn = ihlopt == 1;
  g.isfcol = g.ncolr;
  g.isfcop = 0;
  if (g.inohid == 0) {
    installHorizon();
    g.ihlopt = 1;
    g.imkopt = 1;
    resetHorizon();
  }
  try {
    drawMeshLines(m);
  } catch (...) {
    // An allocation failed: the hidden-line settings of before, and
    // no side colours for the lines after.
    setSideColours(false);
    g.ihlopt = ihlopt, g.imkopt = imkopt;
    if (g.ncolr != g.isfcol) qqsclr(g.isfcol);
    throw;
  }
  qqstrk();
  setSideColours(false);
  if (g.inohid == 0) {
    // The horizon keeps hiding later lines after shlsur, or when hidden
    // lines were switched on by hidlin before the surface.
    g.ihlopt = g.iblsur == 1 || hidlinOn ? 1 : 0;
    g.imkopt = hidlinOn ? imkopt : 0;
  }
  if (g.ncolr != g.isfcol) qqsclr(g.isfcol);
}

}  // namespace zantor

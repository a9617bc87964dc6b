// Shaded contours: conshd (grid), conshd2 (curvilinear grid) and confll
// (triangulation) share the levels, colours, legend entries and clipping.
#include <cmath>
#include <functional>
#include <new>
#include <optional>
#include <vector>

#include "axes/axes.h"
#include "axes/curve_internal.h"
#include "axes/legend_record.h"
#include "contour/contour_draw.h"
#include "contour/shade.h"
#include "core/api.h"
#include "core/levels.h"
#include "core/state.h"
#include "core/warnings.h"
#include "draw/colour.h"
#include "draw/pipeline.h"
#include "plot3d/projection.h"

namespace zantor {
namespace {

// At least one level, all finite; the colour list is reported when it is
// shorter than the levels.
bool checkLevels(const float* zlvray, int32_t nlev) {
  if (nlev < 1) {
    warni1(2, nlev);
    return false;
  }
  for (int k = 0; k < nlev; ++k)
    if (!std::isfinite(zlvray[k])) {
      warnc1(2, "ZLVRAY");
      return false;
    }
  const Zanglb& g = zanglb;
  if (g.iclrcr > 0 && g.iclrcr < nlev) qqerror(162, "More contour levels as defined colours");
  return true;
}

// Runs `shade` with the level intervals (inside the clipping of a 2D axis
// system when `clip`); the colour is set back afterwards.
void shadeLevels(const float* zlvray, int32_t nlev,
                 const std::function<void(const LevelIntervals&)>& shade, bool clip = true) {
  Zanglb& g = zanglb;
  const int32_t colour = g.ncolr;
  try {
    const LevelIntervals iv = makeIntervals(zlvray, nlev);
    // One legend entry per level in its colour, a solid pattern sample.
    for (int k = 1; k <= iv.count(); ++k) {
      LegendAttributes a;
      a.style = -1;
      a.colour = iv.colour[k];
      a.pattern = 16;
      recordCurveForLegend(a);
    }
    std::optional<AxisClip> axisClip;
    if (clip) axisClip.emplace();
    qqstrk();
    shade(iv);
  } catch (const std::bad_alloc&) {
    warnin(53);
  }
  if (g.ncolr != colour) qqsclr(colour);
}

bool positiveOnLogAxes(const float* x, const float* y, size_t count) {
  const Zanglb& g = zanglb;
  for (size_t k = 0; k < count; ++k)
    if ((g.ixlg[0] == 1 && !(x[k] > 0)) || (g.ixlg[1] == 1 && !(y[k] > 0))) {
      warnin(27);
      return false;
    }
  return true;
}

}  // namespace
}  // namespace zantor

using namespace zantor;

ZANTOR_API void conshd_(const float* xray, const int32_t* n, const float* yray, const int32_t* m,
                        const float* zmat, const float* zlvray, const int32_t* nlev) try {
  if (jqqlev(2, 3, "CONSHD") != 0) return;
  if (!checkLevels(zlvray, *nlev)) return;
  if (!checkContourGrid(xray, *n, yray, *m, true)) return;
  countNans(zmat, static_cast<size_t>(*n) * *m);
  shadeLevels(zlvray, *nlev, [&](const LevelIntervals& iv) {
    const ContourGrid grid{xray, yray, zmat, *n, *m, false};
    if (zanglb.igraf == 4) {
      // Grid lines are curves on a map: each cell is the quadrilateral of
      // its projected corners, shaded as the cells of a curvilinear grid.
      // Both methods shade so, since the grid's outline, which closes the
      // polygon method's bands, may lie off the map (the far side of a
      // globe) and leave no ring to fill.
      std::vector<float> gx(static_cast<size_t>(*n) * *m), gy(gx.size());
      for (int j = 0; j < *m; ++j)
        for (int i = 0; i < *n; ++i) {
          gx[static_cast<size_t>(j) * *n + i] = xray[i];
          gy[static_cast<size_t>(j) * *n + i] = yray[j];
        }
      return shadeCurvilinearCells(ContourGrid{gx.data(), gy.data(), zmat, *n, *m, true}, iv);
    }
    if (zanglb.ishcon == 1) return shadePolygons(grid, iv);
    std::vector<double> px(*n), py(*m);
    for (int i = 0; i < *n; ++i) px[i] = userToPlotX(xray[i]);
    for (int j = 0; j < *m; ++j) py[j] = userToPlotY(yray[j]);
    shadeCells(grid, px, py, iv);
  });
} ZANTOR_CATCH

ZANTOR_API void conshd2_(const float* xmat, const float* ymat, const float* zmat, const int32_t* n,
                         const int32_t* m, const float* zlvray, const int32_t* nlev) try {
  if (jqqlev(2, 3, "CONSHD2") != 0) return;
  if (!checkLevels(zlvray, *nlev)) return;
  if (*n < 2 || *m < 2) return warni1(2, *n < 2 ? *n : *m);
  const size_t count = static_cast<size_t>(*n) * *m;
  if (!positiveOnLogAxes(xmat, ymat, count)) return;
  countNans(zmat, count);
  shadeLevels(zlvray, *nlev, [&](const LevelIntervals& iv) {
    const ContourGrid grid{xmat, ymat, zmat, *n, *m, true};
    // On a map cell by cell, as conshd does.
    if (zanglb.ishcon == 1 && zanglb.igraf != 4) shadePolygons(grid, iv);
    else shadeCurvilinearCells(grid, iv);
  });
} ZANTOR_CATCH

ZANTOR_API void confll_(const float* xray, const float* yray, const float* zray, const int32_t* n,
                        const int32_t* i1ray, const int32_t* i2ray, const int32_t* i3ray,
                        const int32_t* ntri, const float* zlvray, const int32_t* nlev) try {
  if (jqqlev(2, 3, "CONFLL") != 0) return;
  if (!checkLevels(zlvray, *nlev)) return;
  const TriangleMesh mesh{xray, yray, zray, *n, i1ray, i2ray, i3ray, *ntri};
  if (!checkMesh(mesh)) return;
  if (!positiveOnLogAxes(xray, yray, static_cast<size_t>(*n))) return;
  countNans(zray, static_cast<size_t>(*n));
  shadeLevels(zlvray, *nlev, [&](const LevelIntervals& iv) { shadeTriangles(mesh, iv); });
} ZANTOR_CATCH

ZANTOR_API void conshd3d_(const float* xray, const int32_t* n, const float* yray, const int32_t* m,
                          const float* zmat, const float* zlvray, const int32_t* nlev) try {
  if (jqqlev(3, 3, "CONSHD3D") != 0) return;
  if (!in3dAxisSystem()) return warnin(35);
  if (!checkLevels(zlvray, *nlev)) return;
  if (!checkContourGrid(xray, *n, yray, *m, false)) return;
  countNans(zmat, static_cast<size_t>(*n) * *m);
  shadeLevels(
      zlvray, *nlev,
      [&](const LevelIntervals& iv) {
        shadeSurfaceBands(ContourGrid{xray, yray, zmat, *n, *m, false}, iv);
      },
      false);
} ZANTOR_CATCH

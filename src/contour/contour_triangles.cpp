// Contour lines on a triangulation: contri draws them, tripts hands their
// points back.
#include <algorithm>
#include <cmath>
#include <new>
#include <vector>

#include "axes/axes.h"
#include "axes/curve_internal.h"
#include "axes/legend_record.h"
#include "contour/contour_draw.h"
#include "contour/point_store.h"
#include "contour/triangle_mesh.h"
#include "core/api.h"
#include "core/levels.h"
#include "core/state.h"
#include "core/warnings.h"
#include "draw/pipeline.h"

using namespace zantor;

namespace {

// Linear scaling, or on a map the projection (NaN off the map).
void meshToPlot(double ux, double uy, double& px, double& py) {
  if (zanglb.igraf == 4) return userToPlot(ux, uy, px, py);
  px = userToPlotX(ux);
  py = userToPlotY(uy);
}

}  // namespace

ZANTOR_API void contri_(const float* xray, const float* yray, const float* zray, const int32_t* n,
                        const int32_t* i1ray, const int32_t* i2ray, const int32_t* i3ray,
                        const int32_t* ntri, const float* zlev) try {
  if (jqqlev(2, 3, "CONTRI") != 0) return;
  const TriangleMesh mesh{xray, yray, zray, *n, i1ray, i2ray, i3ray, *ntri};
  if (!checkMesh(mesh)) return;
  Zanglb& g = zanglb;
  for (int i = 0; i < *n; ++i)
    if ((g.ixlg[0] == 1 && !(xray[i] > 0)) || (g.ixlg[1] == 1 && !(yray[i] > 0))) return warnin(27);
  countNans(zray, *n);
  std::vector<double> px, py;
  try {
    const std::vector<LevelSegment> segs = levelSegments(mesh, *zlev);
    const int passes = std::max(1, static_cast<int>(g.nthk * g.xfcuni + 0.5f));
    if (g.nlincr == 0 && passes == 1 && g.nmrk == 1) {
      // Plain solid lines: every segment at once.
      LegendAttributes a;
      a.style = g.ityp;
      a.colour = g.ncolr;
      a.thickness = g.nthk;
      recordCurveForLegend(a);
      AxisClip clip;
      for (const LevelSegment& s : segs) {
        double x[2], y[2];
        for (int e = 0; e < 2; ++e) meshToPlot(s.x[e], s.y[e], x[e], y[e]);
        if (std::isnan(x[0]) || std::isnan(x[1])) continue;  // an end off the map
        strtqq(static_cast<float>(x[0]), static_cast<float>(y[0]));
        connqq(static_cast<float>(x[1]), static_cast<float>(y[1]));
      }
      qqstrk();
      return;
    }
    joinSegments(segs, px, py);
  } catch (const std::bad_alloc&) {
    return warnin(53);
  }
  for (size_t k = 0; k < px.size(); ++k) {
    if (std::isnan(px[k])) continue;  // the end of a line stays
    meshToPlot(px[k], py[k], px[k], py[k]);
  }
  drawContourPolylines(px, py, *zlev);
} ZANTOR_CATCH

ZANTOR_API void tripts_(const float* xray, const float* yray, const float* zray, const int32_t* n,
                        const int32_t* i1ray, const int32_t* i2ray, const int32_t* i3ray,
                        const int32_t* ntri, const float* zlev, float* xpts, float* ypts,
                        const int32_t* maxpts, int32_t* nray, const int32_t* maxcrv,
                        int32_t* ncurvs) try {
  *ncurvs = 0;
  if (jqqlev(0, 3, "TRIPTS") != 0) return;
  if (*maxpts < 1 || *maxcrv < 1) return warni1(2, *maxpts < 1 ? *maxpts : *maxcrv);
  const TriangleMesh mesh{xray, yray, zray, *n, i1ray, i2ray, i3ray, *ntri};
  if (!checkMesh(mesh)) return;
  std::vector<double> x, y;
  try {
    joinSegments(levelSegments(mesh, *zlev), x, y);
  } catch (const std::bad_alloc&) {
    return warnin(53);
  }
  PointStore store(xpts, ypts, *maxpts, nray, *maxcrv, *ncurvs);
  bool fresh = true;
  for (size_t k = 0; k < x.size(); ++k) {
    if (std::isnan(x[k])) {
      fresh = true;
      continue;
    }
    if (fresh) store.startLine();
    fresh = false;
    store.point(x[k], y[k]);
  }
} ZANTOR_CATCH

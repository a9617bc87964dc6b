// Public contour routines: contur, contur2, conmat, concrv, conpts.
#include <algorithm>
#include <cmath>
#include <new>
#include <vector>

#include "axes/axes.h"
#include "contour/contour_draw.h"
#include "contour/point_store.h"
#include "contour/trace.h"
#include "core/api.h"
#include "core/levels.h"
#include "core/state.h"
#include "core/warnings.h"

namespace zantor {
namespace {

// n values from the axis start to its end, equally spaced in axis units
// (exponents on a logarithmic axis).
std::vector<float> axisGrid(int axis, int n) {
  const Zanglb& g = zanglb;
  const double a = axis == 0 ? g.xa : g.ya, e = axis == 0 ? g.xe : g.ye;
  std::vector<float> v(n);
  for (int i = 0; i < n; ++i) {
    const double t = n > 1 ? a + (e - a) * i / (n - 1) : a;
    v[i] = static_cast<float>(g.ixlg[axis] == 1 ? std::pow(10.0, t) : t);
  }
  if (n > 1 && v[0] > v[n - 1]) std::reverse(v.begin(), v.end());
  return v;
}

}  // namespace
}  // namespace zantor

using namespace zantor;

ZANTOR_API void contur_(const float* xray, const int32_t* n, const float* yray, const int32_t* m,
                        const float* zmat, const float* zlev) try {
  if (jqqlev(2, 3, "CONTUR") != 0) return;
  if (!checkContourGrid(xray, *n, yray, *m, true)) return;
  countNans(zmat, static_cast<size_t>(*n) * *m);
  ContourGrid grid{xray, yray, zmat, *n, *m, false};
  drawGridContour(grid, *zlev);
} ZANTOR_CATCH

ZANTOR_API void contur2_(const float* xmat, const float* ymat, const float* zmat, const int32_t* n,
                         const int32_t* m, const float* zlev) try {
  if (jqqlev(2, 3, "CONTUR2") != 0) return;
  if (*n < 2 || *m < 2) return warni1(2, *n < 2 ? *n : *m);
  const Zanglb& g = zanglb;
  const size_t count = static_cast<size_t>(*n) * *m;
  for (size_t k = 0; k < count; ++k) {
    if ((g.ixlg[0] == 1 && !(xmat[k] > 0)) || (g.ixlg[1] == 1 && !(ymat[k] > 0))) return warnin(27);
  }
  countNans(zmat, count);
  ContourGrid grid{xmat, ymat, zmat, *n, *m, true};
  drawGridContour(grid, *zlev);
} ZANTOR_CATCH

ZANTOR_API void conmat_(const float* zmat, const int32_t* n, const int32_t* m, const float* zlev) try {
  if (jqqlev(2, 3, "CONMAT") != 0) return;
  if (*n < 2 || *m < 2) return warni1(2, *n < 2 ? *n : *m);
  std::vector<float> x, y;
  try {
    x = axisGrid(0, *n);
    y = axisGrid(1, *m);
  } catch (const std::bad_alloc&) {
    return warnin(53);
  }
  countNans(zmat, static_cast<size_t>(*n) * *m);
  ContourGrid grid{x.data(), y.data(), zmat, *n, *m, false};
  drawGridContour(grid, *zlev);
} ZANTOR_CATCH

ZANTOR_API void concrv_(const float* xray, const float* yray, const int32_t* n, const float* zlev) try {
  if (jqqlev(2, 3, "CONCRV") != 0) return;
  if (*n < 2) return warni1(2, *n);
  const Zanglb& g = zanglb;
  std::vector<double> px(*n), py(*n);
  for (int i = 0; i < *n; ++i) {
    if ((g.ixlg[0] == 1 && !(xray[i] > 0)) || (g.ixlg[1] == 1 && !(yray[i] > 0))) return warnin(27);
    userToPlot(xray[i], yray[i], px[i], py[i]);
  }
  countNans(xray, *n);
  countNans(yray, *n);
  drawContourPolylines(px, py, *zlev);
} ZANTOR_CATCH

ZANTOR_API void conpts_(const float* xray, const int32_t* n, const float* yray, const int32_t* m,
                        const float* zmat, const float* zlev, float* xpts, float* ypts,
                        const int32_t* maxpts, int32_t* nray, const int32_t* maxcrv, int32_t* ncurvs) try {
  *ncurvs = 0;
  if (jqqlev(0, 3, "CONPTS") != 0) return;
  if (*maxpts < 1 || *maxcrv < 1) return warni1(2, *maxpts < 1 ? *maxpts : *maxcrv);
  if (!checkContourGrid(xray, *n, yray, *m, false)) return;
  ContourGrid grid{xray, yray, zmat, *n, *m, false};
  std::vector<uint32_t> mask;
  PointStore sink(xpts, ypts, *maxpts, nray, *maxcrv, *ncurvs);
  try {
    traceContour(grid, *zlev, mask, sink);
  } catch (const std::bad_alloc&) {
    *ncurvs = 0;
    warnin(53);
  }
} ZANTOR_CATCH

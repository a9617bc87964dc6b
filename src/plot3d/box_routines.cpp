// box3d and grid3d: the edges of the axis box and grid lines on its walls.
#include <algorithm>
#include <cmath>

#include "core/api.h"
#include "core/args.h"
#include "core/keywords.h"
#include "core/levels.h"
#include "core/state.h"
#include "core/warnings.h"
#include "draw/pipeline.h"
#include "plot3d/plot3d.h"
#include "plot3d/projection.h"

namespace zantor {
namespace {

void absLine(double x1, double y1, double z1, double x2, double y2, double z2) {
  moveToAbs3d(x1, y1, z1);
  drawToAbs3d(x2, y2, z2);
}

// Absolute coordinates of the grid values of one axis: every label
// interval is cut into `per` parts.
template <class F>
void forGridValues(int axis, int per, F&& f) {
  if (per <= 0) return;
  const Zanglb& g = zanglb;
  const float a[3] = {g.xa3d, g.ya3d, g.za3d}, e[3] = {g.xe3d, g.ye3d, g.ze3d};
  const float o[3] = {g.xor3d, g.yor3d, g.zor3d}, s[3] = {g.xstp3d, g.ystp3d, g.zstp3d};
  const double lo = std::min(a[axis], e[axis]), hi = std::max(a[axis], e[axis]);
  const double tol = 1e-6 * (hi - lo);
  const double ds = std::fabs(s[axis]) / per;
  if (!(ds > 0)) return;
  const double k0 = std::ceil((lo - tol - o[axis]) / ds);
  const double k1 = std::floor((hi + tol - o[axis]) / ds);
  // More lines than a picture can show, or line numbers so large that a
  // step of one no longer changes them, are left out.
  if (!(k1 - k0 <= 10000) || !(std::fabs(k0) < 1e15)) return;
  const double side = g.x3axis[axis];
  for (int i = 0; i <= k1 - k0; ++i) {
    const double v = o[axis] + (k0 + i) * ds;
    f((v - a[axis]) * side / (e[axis] - a[axis]) - side / 2);
  }
}

}  // namespace
}  // namespace zantor

using namespace zantor;

ZANTOR_API void box3d_() try {
  if (jqqlev(3, 3, "BOX3D") != 0) return;
  if (!in3dAxisSystem()) {
    warnin(35);
    return;
  }
  const Zanglb& g = zanglb;
  const double h[3] = {g.x3axis[0] / 2, g.x3axis[1] / 2, g.x3axis[2] / 2};
  for (int s1 = -1; s1 <= 1; s1 += 2)
    for (int s2 = -1; s2 <= 1; s2 += 2) {
      absLine(-h[0], s1 * h[1], s2 * h[2], h[0], s1 * h[1], s2 * h[2]);
      absLine(s1 * h[0], -h[1], s2 * h[2], s1 * h[0], h[1], s2 * h[2]);
      absLine(s1 * h[0], s2 * h[1], -h[2], s1 * h[0], s2 * h[1], h[2]);
    }
  qqstrk();
} ZANTOR_CATCH

ZANTOR_API void grid3d_(const int32_t* igrid, const int32_t* jgrid, const char* copt,
                        size_t copt_len) try {
  if (jqqlev(3, 3, "GRID3D") != 0) return;
  const int k = jqqind("ALL +BACK+BOTT", 3, trimmedArg(copt, copt_len));
  if (k == 0) return;
  if (!in3dAxisSystem()) {
    warnin(35);
    return;
  }
  int ig = *igrid, jg = *jgrid;
  if (ig < 0 || jg < 0) {
    warni1(2, std::min(ig, jg));
    ig = std::max(ig, 0);
    jg = std::max(jg, 0);
  }
  const Zanglb& g = zanglb;
  const double hx = g.x3axis[0] / 2, hy = g.x3axis[1] / 2, hz = g.x3axis[2] / 2;
  const Abs3 v = viewPoint3d();
  // The walls away from the view point.
  const double bx = v.x >= 0 ? -hx : hx, by = v.y > 0 ? -hy : hy;
  if (k != 2) {  // the bottom: X lines and Y lines
    forGridValues(0, ig, [&](double x) { absLine(x, -hy, -hz, x, hy, -hz); });
    forGridValues(1, jg, [&](double y) { absLine(-hx, y, -hz, hx, y, -hz); });
  }
  if (k != 3) {  // the back walls: vertical lines and Z lines
    forGridValues(0, ig, [&](double x) { absLine(x, by, -hz, x, by, hz); });
    forGridValues(2, jg, [&](double z) { absLine(-hx, by, z, hx, by, z); });
    forGridValues(1, ig, [&](double y) { absLine(bx, y, -hz, bx, y, hz); });
    forGridValues(2, jg, [&](double z) { absLine(bx, -hy, z, bx, hy, z); });
  }
  qqstrk();
} ZANTOR_CATCH

// tr3shf, tr3scl, tr3rot, tr3axs and tr3res: each step is applied after
// the steps before it, in absolute coordinates about the box centre.
#include <cmath>
#include <initializer_list>

#include "core/api.h"
#include "core/levels.h"
#include "core/state.h"
#include "core/warnings.h"
#include "plot3d/object_transform.h"

namespace zantor {
namespace {

constexpr double kDegree = 3.14159265358979323846 / 180.0;

// Rows of a 3 x 4 affine matrix: x' = m[0] x + m[1] y + m[2] z + m[3], ...
struct Affine {
  double m[12] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0};
};

// The transformation lives for one 3D axis system, so it is kept here and
// not in the plot state that settings share across axis systems.
Affine current;

// current = step * current: the new step acts on already transformed points.
void compose(const Affine& step) {
  Affine r;
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 4; ++j) {
      double s = j == 3 ? step.m[4 * i + 3] : 0.0;
      for (int k = 0; k < 3; ++k) s += step.m[4 * i + k] * current.m[4 * k + j];
      r.m[4 * i + j] = s;
    }
  }
  current = r;
}

// Rotation by `degrees` about the unit axis (ux, uy, uz), right-handed.
Affine axisRotation(double ux, double uy, double uz, double degrees) {
  const double a = degrees * kDegree, c = std::cos(a), s = std::sin(a), t = 1 - c;
  Affine r;
  const double m[12] = {t * ux * ux + c,      t * ux * uy - s * uz, t * ux * uz + s * uy, 0,
                        t * ux * uy + s * uz, t * uy * uy + c,      t * uy * uz - s * ux, 0,
                        t * ux * uz - s * uy, t * uy * uz + s * ux, t * uz * uz + c,      0};
  for (int i = 0; i < 12; ++i) r.m[i] = m[i];
  return r;
}

// Level 3 in a 3D axis system of graf3d and finite arguments.
bool usable(const char* routine, std::initializer_list<float> args) {
  if (jqqlev(3, 3, routine) != 0) return false;
  if (!in3dAxisSystem()) {
    warnin(35);
    return false;
  }
  for (float v : args)
    if (!std::isfinite(v)) {
      warnin(2);
      return false;
    }
  return true;
}

}  // namespace

Abs3 transformObject(const Abs3& p) {
  const double* m = current.m;
  return {m[0] * p.x + m[1] * p.y + m[2] * p.z + m[3], m[4] * p.x + m[5] * p.y + m[6] * p.z + m[7],
          m[8] * p.x + m[9] * p.y + m[10] * p.z + m[11]};
}

void resetObjectTransform() { current = Affine{}; }

}  // namespace zantor

using namespace zantor;

ZANTOR_API void tr3shf_(const float* xshf, const float* yshf, const float* zshf) try {
  if (!usable("TR3SHF", {*xshf, *yshf, *zshf})) return;
  Affine t;
  t.m[3] = *xshf, t.m[7] = *yshf, t.m[11] = *zshf;
  compose(t);
} ZANTOR_CATCH

ZANTOR_API void tr3scl_(const float* xscl, const float* yscl, const float* zscl) try {
  if (!usable("TR3SCL", {*xscl, *yscl, *zscl})) return;
  Affine t;
  t.m[0] = *xscl, t.m[5] = *yscl, t.m[10] = *zscl;
  compose(t);
} ZANTOR_CATCH

// About the x, then the y, then the z axis, each only when its angle is
// not zero.
ZANTOR_API void tr3rot_(const float* xa, const float* ya, const float* za) try {
  if (!usable("TR3ROT", {*xa, *ya, *za})) return;
  if (*xa != 0) compose(axisRotation(1, 0, 0, *xa));
  if (*ya != 0) compose(axisRotation(0, 1, 0, *ya));
  if (*za != 0) compose(axisRotation(0, 0, 1, *za));
} ZANTOR_CATCH

ZANTOR_API void tr3axs_(const float* x, const float* y, const float* z, const float* a) try {
  if (!usable("TR3AXS", {*x, *y, *z, *a})) return;
  const double len = std::sqrt(double{*x} * *x + double{*y} * *y + double{*z} * *z);
  if (!(len > 0) || !std::isfinite(len)) {
    warnin(2);  // no direction to turn about
    return;
  }
  compose(axisRotation(*x / len, *y / len, *z / len, *a));
} ZANTOR_CATCH

ZANTOR_API void tr3res_() try {
  if (!usable("TR3RES", {})) return;
  resetObjectTransform();
} ZANTOR_CATCH

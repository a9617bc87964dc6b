// Setters of the 3D view: box lengths, view point, focus, up direction,
// view angle, clipping planes, projection and the rotation of 3D objects.
#include <cmath>

#include "core/api.h"
#include "core/args.h"
#include "core/keywords.h"
#include "core/levels.h"
#include "core/state.h"
#include "core/warnings.h"
#include "plot3d/object_transform.h"
#include "plot3d/plot3d.h"

namespace zantor {
namespace {
constexpr float kPi = 3.14159265358979f;
bool finite3(float a, float b, float c) {
  return std::isfinite(a) && std::isfinite(b) && std::isfinite(c);
}
}  // namespace

void resetPlot3dDefaults() {
  Zanglb& g = zanglb;
  for (int i = 0; i < 3; ++i) {
    g.x3axis[i] = 2.0f;
    g.xrot3d[i] = 0, g.irot3d[i] = 0, g.sina3d[i] = 0, g.cosa3d[i] = 1;
    g.xvuabs[i] = 0, g.xfoc3d[i] = 0;
  }
  g.ivuabs = 0, g.ifoc3d = 0;
  g.xvup3d = 0;
  g.xang3d = 0.24497866f;
  g.xclp3d = 1.0f, g.uclp3d = -1.0f;
  g.iprj3d = 0, g.xscl3d = 1.0f;
  g.imkopt = 0, g.inohid = 0, g.isurvs = 0, g.isurop = 0;
  g.isfclr = 0, g.ictp = -1, g.icbt = -1, g.iblsur = 0, g.isursz = 0;
  resetObjectTransform();
}

}  // namespace zantor

using namespace zantor;

ZANTOR_API void axis3d_(const float* x3, const float* y3, const float* z3) try {
  chkini("AXIS3D");
  const float v[3] = {*x3, *y3, *z3};
  for (float s : v)
    if (!(s > 0) || !std::isfinite(s)) {
      warnin(2);
      return;
    }
  for (int i = 0; i < 3; ++i) zanglb.x3axis[i] = v[i];
} ZANTOR_CATCH

ZANTOR_API void view3d_(const float* xvu, const float* yvu, const float* zvu, const char* copt,
                        size_t copt_len) try {
  chkini("VIEW3D");
  const int k = jqqind("ABS +USER+ANGL", 3, trimmedArg(copt, copt_len));
  if (k == 0) return;
  if (!finite3(*xvu, *yvu, *zvu)) {
    warnin(33);
    return;
  }
  Zanglb& g = zanglb;
  g.xvuabs[0] = *xvu, g.xvuabs[1] = *yvu, g.xvuabs[2] = *zvu;
  g.ivuabs = k;
} ZANTOR_CATCH

ZANTOR_API void vfoc3d_(const float* x, const float* y, const float* z, const char* copt,
                        size_t copt_len) try {
  chkini("VFOC3D");
  const int k = jqqind("ABS +USER", 2, trimmedArg(copt, copt_len));
  if (k == 0) return;
  if (!finite3(*x, *y, *z)) {
    warnin(2);
    return;
  }
  Zanglb& g = zanglb;
  g.xfoc3d[0] = *x, g.xfoc3d[1] = *y, g.xfoc3d[2] = *z;
  g.ifoc3d = k;
} ZANTOR_CATCH

ZANTOR_API void vup3d_(const float* ang) try {
  chkini("VUP3D");
  if (!std::isfinite(*ang)) {
    warnin(2);
    return;
  }
  zanglb.xvup3d = *ang * kPi / 180;
} ZANTOR_CATCH

ZANTOR_API void vang3d_(const float* ang) try {
  chkini("VANG3D");
  if (!(*ang > 0 && *ang < 180)) {
    warnin(2);
    return;
  }
  zanglb.xang3d = *ang * kPi / 360;
} ZANTOR_CATCH

ZANTOR_API void vclp3d_(const float* xnear, const float* xfar) try {
  chkini("VCLP3D");
  const bool farOk = *xfar < 0 || *xfar >= *xnear;
  if (!(*xnear > 0) || !std::isfinite(*xnear) || std::isnan(*xfar) || !farOk) {
    warnin(2);
    return;
  }
  zanglb.xclp3d = *xnear;
  zanglb.uclp3d = *xfar;
} ZANTOR_CATCH

ZANTOR_API void proj3d_(const char* copt, size_t copt_len) try {
  if (jqqlev(1, 3, "PROJ3D") != 0) return;
  const int k = jqqind("PERS+ORTH", 2, trimmedArg(copt, copt_len));
  if (k != 0) zanglb.iprj3d = k - 1;
} ZANTOR_CATCH

ZANTOR_API void vscl3d_(const float* x) try {
  chkini("VSCL3D");
  if (!(*x > 0) || !std::isfinite(*x)) {
    warnin(2);
    return;
  }
  zanglb.xscl3d = *x;
} ZANTOR_CATCH

ZANTOR_API void rot3d_(const float* xa, const float* ya, const float* za) try {
  chkini("ROT3D");
  if (!finite3(*xa, *ya, *za)) {
    warnin(2);
    return;
  }
  Zanglb& g = zanglb;
  const float a[3] = {*xa, *ya, *za};
  for (int i = 0; i < 3; ++i) {
    g.xrot3d[i] = a[i];
    g.irot3d[i] = std::fabs(a[i]) > 0.001f ? 1 : 0;
    g.sina3d[i] = std::sin(a[i] * kPi / 180);
    g.cosa3d[i] = std::cos(a[i] * kPi / 180);
  }
} ZANTOR_CATCH

// The public transformation routines of 3D axis systems.
#include "core/api.h"
#include "core/levels.h"
#include "core/state.h"
#include "core/warnings.h"
#include "draw/page.h"
#include "plot3d/projection.h"

namespace zantor {
namespace {

// Level 3 in a 3D axis system of graf3d; otherwise the warning and false.
bool usable(const char* routine) {
  if (jqqlev(3, 3, routine) != 0) return false;
  if (!in3dAxisSystem()) {
    warnin(35);
    return false;
  }
  return true;
}

// Plot coordinates as a program sees them (page origin option applied).
void publicPlot(const Plot3& p, float* xp, float* yp) {
  *xp = static_cast<float>(p.x);
  *yp = static_cast<float>(pageY(p.y));
}

}  // namespace
}  // namespace zantor

using namespace zantor;

ZANTOR_API void pos3pt_(const float* x, const float* y, const float* z, float* xp, float* yp,
                        float* zp) try {
  if (!usable("POS3PT")) return;
  const Abs3 a = userToAbs3d(*x, *y, *z);
  *xp = static_cast<float>(a.x), *yp = static_cast<float>(a.y), *zp = static_cast<float>(a.z);
} ZANTOR_CATCH

ZANTOR_API void rel3pt_(const float* x, const float* y, const float* z, float* xp, float* yp) try {
  if (!usable("REL3PT")) return;
  publicPlot(userToPlot3d(*x, *y, *z), xp, yp);
} ZANTOR_CATCH

ZANTOR_API void abs3pt_(const float* x, const float* y, const float* z, float* xp, float* yp) try {
  if (!usable("ABS3PT")) return;
  publicPlot(absToPlot3d(*x, *y, *z), xp, yp);
} ZANTOR_CATCH

ZANTOR_API float x3dpos_(const float* x, const float* y, const float* z) try {
  if (!usable("X3DPOS")) return 0.0f;
  return static_cast<float>(userToAbs3d(*x, *y, *z).x);
} ZANTOR_CATCH_RETURN(0)

ZANTOR_API float y3dpos_(const float* x, const float* y, const float* z) try {
  if (!usable("Y3DPOS")) return 0.0f;
  return static_cast<float>(userToAbs3d(*x, *y, *z).y);
} ZANTOR_CATCH_RETURN(0)

ZANTOR_API float z3dpos_(const float* x, const float* y, const float* z) try {
  if (!usable("Z3DPOS")) return 0.0f;
  return static_cast<float>(userToAbs3d(*x, *y, *z).z);
} ZANTOR_CATCH_RETURN(0)

ZANTOR_API float x3drel_(const float* x, const float* y, const float* z) try {
  float xp = 0, yp = 0;
  if (!usable("X3DREL")) return 0.0f;
  publicPlot(userToPlot3d(*x, *y, *z), &xp, &yp);
  return xp;
} ZANTOR_CATCH_RETURN(0)

ZANTOR_API float y3drel_(const float* x, const float* y, const float* z) try {
  float xp = 0, yp = 0;
  if (!usable("Y3DREL")) return 0.0f;
  publicPlot(userToPlot3d(*x, *y, *z), &xp, &yp);
  return yp;
} ZANTOR_CATCH_RETURN(0)

ZANTOR_API float x3dabs_(const float* x, const float* y, const float* z) try {
  float xp = 0, yp = 0;
  if (!usable("X3DABS")) return 0.0f;
  publicPlot(absToPlot3d(*x, *y, *z), &xp, &yp);
  return xp;
} ZANTOR_CATCH_RETURN(0)

ZANTOR_API float y3dabs_(const float* x, const float* y, const float* z) try {
  float xp = 0, yp = 0;
  if (!usable("Y3DABS")) return 0.0f;
  publicPlot(absToPlot3d(*x, *y, *z), &xp, &yp);
  return yp;
} ZANTOR_CATCH_RETURN(0)

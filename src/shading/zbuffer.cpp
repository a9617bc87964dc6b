// The depth buffer routines: zbfini .. zbfers, zbfmod, zbfscl, and the
// depth-tested triangle and line in user 3D coordinates.
#include "core/api.h"
#include "core/args.h"
#include "core/keywords.h"
#include "core/levels.h"
#include "core/state.h"
#include "core/warnings.h"
#include "devices/dispatch.h"
#include "draw/page.h"
#include "draw/pipeline.h"
#include "shading/shading.h"

namespace zantor {
namespace {

// The number of the error text below is ours: the table of numbered
// warnings has none for it.
constexpr int kNoDepthBuffer = 170;

bool haveDepthBuffer() {
  if (depthBufferActive()) return true;
  qqerror(kNoDepthBuffer, "No initialization of Z-Buffer");
  return false;
}

// Modes 1..3 of the device entry; false (after the error) without buffer.
void deviceMode(int mode) {
  if (!haveDepthBuffer()) return;
  Device* d = currentDevice();
  if (d == nullptr) return;
  qqstrk();
  d->depthBuffer(mode);
  if (mode == 1) zanglb.izbfon = 0;
}

// A user 3D point as device coordinates and depth; false behind the eye.
bool devicePoint(double x, double y, double z, double& dx, double& dy, double& depth) {
  const Plot3 p = userToPlot3d(x, y, z);
  if (!p.visible) return false;
  deviceTransform(p.x, p.y, dx, dy);  // page plot coordinates
  depth = p.depth;
  return true;
}

}  // namespace

bool depthBufferActive() { return zanglb.izbfon == 1 && currentDevice() != nullptr; }

}  // namespace zantor

using namespace zantor;

ZANTOR_API void zbfini_(int32_t* iret) try {
  if (jqqlev(1, 3, "ZBFINI") != 0) return;
  *iret = 1;
  Zanglb& g = zanglb;
  const int dev = g.ndev;
  if ((dev >= 101 && dev <= 500) || dev > 700) {
    warnin(40);
    return;
  }
  Device* d = currentDevice();
  if (d == nullptr) return;
  qqstrk();
  // A second zbfini keeps the buffer and sets its depths to far again.
  if (d->depthBuffer(0) != 0) {
    if (dev >= 501 && dev <= 600) warnin(40);  // PostScript has no depth buffer
    else warnin(53);
    return;
  }
  g.izbfon = 1;
  *iret = 0;
} ZANTOR_CATCH

ZANTOR_API void zbffin_() try {
  if (jqqlev(3, 3, "ZBFFIN") != 0) return;
  deviceMode(1);
} ZANTOR_CATCH

ZANTOR_API void zbfres_() try {
  if (jqqlev(3, 3, "ZBFRES") != 0) return;
  deviceMode(2);
} ZANTOR_CATCH

ZANTOR_API void zbfers_() try {
  if (jqqlev(3, 3, "ZBFERS") != 0) return;
  deviceMode(3);
} ZANTOR_CATCH

ZANTOR_API void zbfmod_(const char* copt, size_t copt_len) try {
  if (jqqlev(1, 3, "ZBFMOD") != 0) return;
  const int i = jqqind("OFF +ON  ", 2, arg(copt, copt_len));
  if (i != 0) zanglb.izbfmd = i - 1;
} ZANTOR_CATCH

// The depths are kept as floats of the projection's normalised depth, so
// the scale changes no picture; it is kept for the query routines.
ZANTOR_API void zbfscl_(const float* x) try {
  if (jqqlev(1, 3, "ZBFSCL") != 0) return;
  if (!(*x >= 1.0f && *x <= 10.0f)) {
    warnin(2);
    return;
  }
  zanglb.xzbfsc = *x;
} ZANTOR_CATCH

ZANTOR_API void zbftri_(const float* xray, const float* yray, const float* zray,
                        const int32_t* iray) try {
  if (jqqlev(3, 3, "ZBFTRI") != 0) return;
  if (!in3dAxisSystem()) {
    warnin(35);
    return;
  }
  if (!haveDepthBuffer()) return;
  double x[3], y[3], z[3];
  for (int i = 0; i < 3; ++i)
    if (!devicePoint(xray[i], yray[i], zray[i], x[i], y[i], z[i])) return;
  int32_t c[3];
  for (int i = 0; i < 3; ++i) c[i] = iray[i];
  currentDevice()->depthTriangle(x, y, z, c);
} ZANTOR_CATCH

ZANTOR_API void zbflin_(const float* x1, const float* y1, const float* z1, const float* x2,
                        const float* y2, const float* z2) try {
  if (jqqlev(3, 3, "ZBFLIN") != 0) return;
  if (!in3dAxisSystem()) {
    warnin(35);
    return;
  }
  if (!haveDepthBuffer()) return;
  double ax, ay, az, bx, by, bz;
  if (!devicePoint(*x1, *y1, *z1, ax, ay, az) || !devicePoint(*x2, *y2, *z2, bx, by, bz)) return;
  qqstrk();
  currentDevice()->depthLine(ax, ay, az, bx, by, bz);
} ZANTOR_CATCH

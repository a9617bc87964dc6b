// curv3d: a curve through points in user 3D coordinates.
#include "core/api.h"
#include "core/state.h"
#include "core/warnings.h"
#include "draw/pipeline.h"
#include "plot3d/plot3d.h"
#include "plot3d/surface_mesh.h"

using namespace zantor;

ZANTOR_API void curv3d_(const float* xray, const float* yray, const float* zray,
                        const int32_t* n) try {
  if (!surfaceAllowed("CURV3D")) return;
  if (*n < 1) {
    warni1(2, *n);
    return;
  }
  qqstrk();
  moveTo3d(xray[0], yray[0], zray[0]);
  for (int i = 1; i < *n; ++i) drawTo3d(xray[i], yray[i], zray[i]);
  qqstrk();
} ZANTOR_CATCH

// surtri: a shaded surface of triangles given by their corner numbers
// (counting from 1) into the point arrays, coloured like surshd.
#include <cmath>

#include "core/api.h"
#include "core/levels.h"
#include "core/state.h"
#include "core/warnings.h"
#include "shading/shaded_mesh.h"

using namespace zantor;

ZANTOR_API void surtri_(const float* xray, const float* yray, const float* zray, const int32_t* n,
                        const int32_t* i1ray, const int32_t* i2ray, const int32_t* i3ray,
                        const int32_t* ntri) try {
  if (jqqlev(3, 3, "SURTRI") != 0) return;
  if (!in3dAxisSystem()) return warnin(35);
  if (*n < 3) return warni1(2, *n);
  if (*ntri < 1) return warni1(2, *ntri);
  // Every corner number is checked before anything is drawn.
  for (const int32_t* ray : {i1ray, i2ray, i3ray})
    for (int k = 0; k < *ntri; ++k)
      if (ray[k] < 1 || ray[k] > *n) return warni1(2, ray[k]);
  ShadedMesh mesh;
  if (!mesh.reserve(std::size_t(*n), std::size_t(*ntri))) return;
  for (int i = 0; i < *n; ++i) mesh.addVertex(xray[i], yray[i], zray[i]);
  for (int k = 0; k < *ntri; ++k) mesh.faces.push_back({i1ray[k] - 1, i2ray[k] - 1, i3ray[k] - 1, -1});
  drawShadedMesh(mesh, nullptr);
} ZANTOR_CATCH

// Shaded surfaces over a grid: surshd (colours from the Z axis or the
// lighting) and surshc (colours of the contour level intervals the surface
// passes through, by the rules of shaded contours).  Each grid cell is one
// face; a cell with a value that is not a number is left out.
#include <cmath>
#include <new>

#include "contour/shade.h"
#include "core/api.h"
#include "core/levels.h"
#include "core/state.h"
#include "core/warnings.h"
#include "shading/shaded_mesh.h"

namespace zantor {
namespace {

// The checks of both routines; false after the warning.
bool gridAccepted(const char* name, int32_t n, int32_t m) {
  if (jqqlev(3, 3, name) != 0) return false;
  if (!in3dAxisSystem()) {
    warnin(35);
    return false;
  }
  if (n < 2 || m < 2) {
    warnin(2);
    return false;
  }
  return true;
}

// The grid as a mesh of cells; false after warning 53.
bool gridMesh(const float* xray, int n, const float* yray, int m, const float* zmat,
              ShadedMesh& mesh) {
  if (!mesh.reserve(std::size_t(n) * std::size_t(m), std::size_t(n - 1) * std::size_t(m - 1)))
    return false;
  for (int j = 0; j < m; ++j)
    for (int i = 0; i < n; ++i) mesh.addVertex(xray[i], yray[j], zmat[std::size_t(j) * n + i]);
  for (int j = 0; j + 1 < m; ++j)
    for (int i = 0; i + 1 < n; ++i) {
      const int a = j * n + i;
      mesh.faces.push_back({a, a + 1, a + 1 + n, a + n});
    }
  return true;
}

}  // namespace
}  // namespace zantor

using namespace zantor;

ZANTOR_API void surshd_(const float* xray, const int32_t* n, const float* yray, const int32_t* m,
                        const float* zmat) try {
  if (!gridAccepted("SURSHD", *n, *m)) return;
  ShadedMesh mesh;
  if (!gridMesh(xray, *n, yray, *m, zmat, mesh)) return;
  drawShadedMesh(mesh, nullptr);
} ZANTOR_CATCH

ZANTOR_API void surshc_(const float* xray, const int32_t* n, const float* yray, const int32_t* m,
                        const float* zmat, const float* zlvray, const int32_t* nlev) try {
  if (!gridAccepted("SURSHC", *n, *m)) return;
  if (*nlev < 1) return warni1(2, *nlev);
  for (int k = 0; k < *nlev; ++k)
    if (!std::isfinite(zlvray[k])) return warnc1(2, "ZLVRAY");
  const Zanglb& g = zanglb;
  if (g.iclrcr > 0 && g.iclrcr < *nlev) qqerror(162, "More contour levels as defined colours");
  try {
    const LevelIntervals levels = makeIntervals(zlvray, *nlev);
    ShadedMesh mesh;
    if (!gridMesh(xray, *n, yray, *m, zmat, mesh)) return;
    drawShadedMesh(mesh, &levels);
  } catch (const std::bad_alloc&) {
    warnin(53);
  }
} ZANTOR_CATCH

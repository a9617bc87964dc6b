// triang: the Delaunay triangulation of scattered points, as corner
// numbers for contri, tripts and confll.
#include <new>
#include <vector>

#include "contour/delaunay.h"
#include "core/api.h"
#include "core/levels.h"
#include "core/warnings.h"

using namespace zantor;

ZANTOR_API void triang_(const float* xray, const float* yray, const int32_t* n, int32_t* i1ray,
                        int32_t* i2ray, int32_t* i3ray, const int32_t* nmax, int32_t* ntri) try {
  *ntri = 0;
  if (jqqlev(0, 3, "TRIANG") != 0) return;
  if (*n < 3) return warni1(2, *n);
  if (*nmax < 1) return warni1(2, *nmax);
  std::vector<Triangle> t;
  try {
    t = delaunayTriangles(xray, yray, *n);
  } catch (const std::bad_alloc&) {
    return warnin(53);
  }
  // A part of a triangulation would leave holes in what is drawn on it:
  // all or nothing.
  if (t.size() > static_cast<size_t>(*nmax)) return qqerror(170, "Overflow - Too many triangles");
  for (size_t k = 0; k < t.size(); ++k) {
    i1ray[k] = t[k].a + 1;
    i2ray[k] = t[k].b + 1;
    i3ray[k] = t[k].c + 1;
  }
  *ntri = static_cast<int32_t>(t.size());
} ZANTOR_CATCH

// qplcon: contour lines of a matrix at equally spaced levels, labelled with
// their values.
#include <cmath>

#include <zantor.h>

#include "core/api.h"
#include "core/levels.h"
#include "core/warnings.h"
#include "quickplot/quick_plot.h"

using namespace zantor;

namespace {

constexpr int32_t kDefaultLevels = 8;

// The smallest and largest number of the matrix (0 and 0 when it has none).
void matrixRange(const float* z, int32_t count, float& lo, float& hi) {
  bool any = false;
  lo = hi = 0.0f;
  for (int32_t i = 0; i < count; ++i) {
    if (!std::isfinite(z[i])) continue;
    if (!any || z[i] < lo) lo = z[i];
    if (!any || z[i] > hi) hi = z[i];
    any = true;
  }
}

}  // namespace

ZANTOR_API void qplcon_(const float* zmat, const int32_t* n, const int32_t* m,
                        const int32_t* nlev) try {
  if (!openQuickPlot()) return;
  int32_t levels = *nlev;
  if (levels < 1) {
    setRoutineName("QPLCON");
    qqerror(113, "Bad number of levels");
    levels = kDefaultLevels;
  }
  float zmin = 0.0f, zmax = 0.0f;
  matrixRange(zmat, matrixCount(*n, *m), zmin, zmax);
  const AxisArgs ax = quickAxisRange(0, 1.0f, static_cast<float>(*n));
  const AxisArgs ay = quickAxisRange(1, 1.0f, static_cast<float>(*m));
  labels_("FLOAT", "CONTOUR", 5, 7);
  graf_(&ax.a, &ax.e, &ax.orig, &ax.step, &ay.a, &ay.e, &ay.orig, &ay.step);
  if (axisSystemOpen()) {
    const int32_t labelHeight = 25, titleHeight = 36;
    height_(&labelHeight);
    const double step = levels > 1 ? (double{zmax} - zmin) / (levels - 1) : 0.0;
    for (int32_t i = 0; i < levels; ++i) {
      const float z = static_cast<float>(zmin + i * step);
      conmat_(zmat, n, m, &z);
    }
    height_(&titleHeight);
  }
  closeQuickPlot();
} ZANTOR_CATCH

// qplsur: a surface mesh of a matrix in a 3D axis system.
#include <zantor.h>

#include "core/api.h"
#include "quickplot/quick_plot.h"

using namespace zantor;

ZANTOR_API void qplsur_(const float* zmat, const int32_t* n, const int32_t* m) try {
  if (!openQuickPlot()) return;
  const AxisArgs ax = quickAxisRange(0, 1.0f, static_cast<float>(*n));
  const AxisArgs ay = quickAxisRange(1, 1.0f, static_cast<float>(*m));
  const AxisArgs az = quickAxis(2, zmat, matrixCount(*n, *m));
  graf3d_(&ax.a, &ax.e, &ax.orig, &ax.step, &ay.a, &ay.e, &ay.orig, &ay.step, &az.a, &az.e,
          &az.orig, &az.step);
  if (axisSystemOpen()) {
    const int32_t everyLine = 1;  // a mesh line through every row and column
    surmat_(zmat, n, m, &everyLine, &everyLine);
  }
  closeQuickPlot();
} ZANTOR_CATCH

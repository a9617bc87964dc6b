// qplclr: a matrix as coloured rectangles in a colour axis system.
#include <zantor.h>

#include "core/api.h"
#include "quickplot/quick_plot.h"

using namespace zantor;

ZANTOR_API void qplclr_(const float* zmat, const int32_t* n, const int32_t* m) try {
  if (!openQuickPlot()) return;
  const AxisArgs ax = quickAxisRange(0, 1.0f, static_cast<float>(*n));
  const AxisArgs ay = quickAxisRange(1, 1.0f, static_cast<float>(*m));
  const AxisArgs az = quickAxis(2, zmat, matrixCount(*n, *m));
  autres_(n, m);
  graf3_(&ax.a, &ax.e, &ax.orig, &ax.step, &ay.a, &ay.e, &ay.orig, &ay.step, &az.a, &az.e,
         &az.orig, &az.step);
  if (axisSystemOpen()) {
    const int32_t everyPoint = 1;
    crvmat_(zmat, n, m, &everyPoint, &everyPoint);
  }
  closeQuickPlot();
} ZANTOR_CATCH

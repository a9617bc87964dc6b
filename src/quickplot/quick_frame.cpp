// The common frame of the quick plots: opening, automatic or fixed
// scaling, titles and closing.
#include <cstdint>
#include <limits>

#include <zantor.h>

#include "core/levels.h"
#include "core/state.h"
#include "quickplot/quick_plot.h"

namespace zantor {

bool openQuickPlot() {
  ensureOneTimeDefaults();
  Zanglb& g = zanglb;
  if (g.nlev == 0) {
    // The screen when a display can be reached, else the metafile.
    if (g.ndev == 0) metafl_("CONS", 4);
    zanini_();
    if (g.nlev == 0) return false;  // zanini reported why
  }
  pagera_();
  // The device's standard font: a PostScript font on the vector formats,
  // an outline font on pictures, the stroke font elsewhere.
  hwfont_();
  return true;
}

bool axisSystemOpen() { return zanglb.nlev >= 2; }

AxisArgs quickAxis(int axis, const float* data, int32_t n) {
  Zanglb& g = zanglb;
  if (g.iopqp[axis] == 1) {
    g.ioptsc[axis] = 0;  // the fixed values, not an older automatic request
    return {g.xaqp[axis], g.xeqp[axis], g.xorqp[axis], g.xstpqp[axis]};
  }
  static const char* const kAxis[3] = {"X", "Y", "Z"};
  setscl_(data, &n, kAxis[axis], 1);
  // Only used when setscl found no usable value.
  return {0.0f, 1.0f, 0.0f, 0.5f};
}

AxisArgs quickAxisRange(int axis, float lo, float hi) {
  const float range[2] = {lo, hi};
  return quickAxis(axis, range, 2);
}

void closeQuickPlot() {
  if (zanglb.nlev == 3) clpbor_("PAGE", 4);  // graf3d clipped to the axis box
  if (axisSystemOpen()) title_();
  zanfin_();
}

int32_t matrixCount(int32_t n, int32_t m) {
  if (n < 1 || m < 1) return 0;
  const int64_t count = int64_t{n} * m;
  constexpr int64_t kMax = std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(count < kMax ? count : kMax);
}

}  // namespace zantor

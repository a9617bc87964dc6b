// qplbar: a bar graph of up to 100 values, each bar labelled with its
// value.
#include <algorithm>
#include <cmath>
#include <vector>

#include <zantor.h>

#include "core/api.h"
#include "core/levels.h"
#include "core/state.h"
#include "core/warnings.h"
#include "quickplot/quick_plot.h"

using namespace zantor;

namespace {
constexpr int32_t kMaxBars = 100;
}

ZANTOR_API void qplbar_(const float* yray, const int32_t* n) try {
  if (!openQuickPlot()) return;
  int32_t count = *n;
  if (count > kMaxBars) {
    setRoutineName("QPLBAR");
    qqerror(112, "Too many points");
    count = kMaxBars;
  }
  // Bars at 1, 2, ..., n standing on 0.
  const std::size_t size = static_cast<std::size_t>(std::max(count, 0));
  std::vector<float> x(size), base(size, 0.0f), top(yray, yray + size);
  float highest = 0.0f;
  for (std::size_t i = 0; i < size; ++i) {
    x[i] = static_cast<float>(i + 1);
    if (std::isfinite(top[i])) highest = std::max(highest, top[i]);
  }
  const AxisArgs ax = quickAxisRange(0, 0.5f, static_cast<float>(count) + 0.5f);
  const AxisArgs ay = quickAxisRange(1, 0.0f, 1.5f * highest);
  graf_(&ax.a, &ax.e, &ax.orig, &ax.step, &ay.a, &ay.e, &ay.orig, &ay.step);
  if (axisSystemOpen()) {
    const int32_t solid = 16;
    shdpat_(&solid);
    labpos_("OUTSIDE", "BARS", 7, 4);
    labels_("SECOND", "BARS", 6, 4);
    bars_(x.data(), base.data(), top.data(), &count);
  }
  closeQuickPlot();
} ZANTOR_CATCH

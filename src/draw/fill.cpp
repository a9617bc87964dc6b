// Placeholder area filling until patterns and hatching land: polygons are
// outlined only.
#include "draw/fill.h"

#include "draw/pipeline.h"

namespace zantor {

void dareaf(const float* x, const float* y, int n) {
  if (n < 2) return;
  strtqq(x[0], y[0]);
  for (int i = 1; i < n; ++i) connqq(x[i], y[i]);
  connqq(x[0], y[0]);
}

void dbox(float, float, float, float, int32_t) {}

void dframe(int, int, int, int, int, float) {}

}  // namespace zantor

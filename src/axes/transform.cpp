// The transformation between user and plot coordinates of the current 2D
// axis system, and its public queries.
#include <cmath>
#include <limits>

#include "axes/axes.h"
#include "charts/charts.h"
#include "core/api.h"
#include "core/levels.h"
#include "core/state.h"
#include "core/warnings.h"
#include "maps/maps.h"

namespace zantor {

namespace {
// Single precision, like the scaling itself: positions that fall on exact
// halves round the same way everywhere.
float axisValue(int axis, double v) {
  return static_cast<float>(zanglb.ixlg[axis] == 1 ? std::log10(v) : v);
}
}  // namespace

double userToPlotX(double x) {
  const Zanglb& g = zanglb;
  return (axisValue(0, x) - g.xa) * g.xdelta + g.xrel;
}

double userToPlotY(double y) {
  const Zanglb& g = zanglb;
  return g.yrel - (axisValue(1, y) - g.ya) * g.ydelta;
}

void userToPlot(double x, double y, double& px, double& py) {
  if (zanglb.igraf == 1) return polarToPlot(x, y, px, py);
  if (zanglb.igraf == 4) {
    // Longitude and latitude through the map projection; a point off the
    // map has no position.
    if (!geoToPlot(x, y, px, py)) px = py = NAN;
    return;
  }
  px = userToPlotX(x);
  py = userToPlotY(y);
}

double plotToUserX(double nx) {
  const Zanglb& g = zanglb;
  double v = (nx - g.nxa) / g.xdelta + g.xa;
  return g.ixlg[0] == 1 ? std::pow(10.0, v) : v;
}

double plotToUserY(double ny) {
  const Zanglb& g = zanglb;
  double v = (g.nya - ny) / g.ydelta + g.ya;
  return g.ixlg[1] == 1 ? std::pow(10.0, v) : v;
}

int32_t roundPlot(double v) {
  // Points far outside the page (or not numbers) must not overflow.
  constexpr double kLimit = 1.0e9;
  if (std::isnan(v)) return std::numeric_limits<int32_t>::min();
  if (v > kLimit) v = kLimit;
  if (v < -kLimit) v = -kLimit;
  return static_cast<int32_t>(static_cast<float>(v) + 0.5f);
}

}  // namespace zantor

using namespace zantor;

ZANTOR_API float xposn_(const float* x) try {
  if (jqqlev(2, 3, "XPOSN") != 0) return 0.0f;
  return static_cast<float>(userToPlotX(*x));
} ZANTOR_CATCH_RETURN(0)

ZANTOR_API float yposn_(const float* y) try {
  if (jqqlev(2, 3, "YPOSN") != 0) return 0.0f;
  return static_cast<float>(userToPlotY(*y));
} ZANTOR_CATCH_RETURN(0)

ZANTOR_API int32_t nxposn_(const float* x) try {
  if (jqqlev(2, 3, "NXPOSN") != 0) return 0;
  return roundPlot(userToPlotX(*x));
} ZANTOR_CATCH_RETURN(0)

ZANTOR_API int32_t nyposn_(const float* y) try {
  if (jqqlev(2, 3, "NYPOSN") != 0) return 0;
  if (zanglb.igraf == 1) {
    qqerror(109, "Routine does not work for polar axis systems");
    return 0;
  }
  int32_t n = roundPlot(userToPlotY(*y));
  return zanglb.ipgorg == 1 ? zanglb.nyres - n : n;
} ZANTOR_CATCH_RETURN(0)

ZANTOR_API float xinvrs_(const int32_t* nx) try {
  if (jqqlev(2, 3, "XINVRS") != 0) return 0.0f;
  return static_cast<float>(plotToUserX(*nx));
} ZANTOR_CATCH_RETURN(0)

ZANTOR_API float yinvrs_(const int32_t* ny) try {
  if (jqqlev(2, 3, "YINVRS") != 0) return 0.0f;
  return static_cast<float>(plotToUserY(*ny));
} ZANTOR_CATCH_RETURN(0)

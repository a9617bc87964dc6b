// Shapes in plot coordinates: rectangles, circles and ellipses, filled as
// areaf fills its polygons.
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <vector>

#include "core/api.h"
#include "core/levels.h"
#include "core/state.h"
#include "core/warnings.h"
#include "draw/fill.h"
#include "draw/fill_area.h"
#include "draw/page.h"

namespace zantor {
namespace {

constexpr double kTwoPi = 2.0 * 3.14159265358979323846;
constexpr int kMaxSegments = 1000;

std::vector<float> ellX, ellY;

double normalisedRadians(double degrees) {
  double r = std::fmod(degrees * (kTwoPi / 360.0), kTwoPi);
  return r < 0.0 ? r + kTwoPi : r;
}

void fillEllipse(int32_t x, int32_t y, int32_t a, int32_t b) {
  const float xm = static_cast<float>(x), ym = static_cast<float>(pageY(y));
  if (!ellipsePolygon(xm, ym, a, b, 0.0f, 360.0f, ellX, ellY)) return;
  fillShape(ellX.data(), ellY.data(), static_cast<int>(ellX.size()));
}

}  // namespace

bool ellipsePolygon(float xm, float ym, int a, int b, float alpha, float beta,
                    std::vector<float>& x, std::vector<float>& y) {
  x.clear();
  y.clear();
  if (a < 1 || b < 1) {
    warni1(2, std::min(a, b));
    return false;
  }
  if (!std::isfinite(alpha) || !std::isfinite(beta) || !std::isfinite(xm) || !std::isfinite(ym))
    return true;  // nothing to draw
  const double start = normalisedRadians(alpha);
  double end = normalisedRadians(beta);
  if (end <= start) end += kTwoPi;
  const double sweep = end - start;
  const double r = std::max(a, b);
  int n = static_cast<int>(std::min(r * sweep / zanglb.xcirsp, double(kMaxSegments)));
  // A zero count (an arc shorter than one segment) gives no polygon.
  if (n == 0) return true;
  n = std::max(n, 5);
  const bool fullTurn = std::fabs(sweep - kTwoPi) < 1e-9;
  const int points = fullTurn ? n : n + 1;
  x.resize(points);
  y.resize(points);
  for (int i = 0; i < points; ++i) {
    const double t = start + sweep * i / n;
    x[i] = static_cast<float>(xm + a * std::cos(t));
    y[i] = static_cast<float>(ym - b * std::sin(t));  // y grows downwards
  }
  return true;
}

}  // namespace zantor

using namespace zantor;

ZANTOR_API void rectan_(const int32_t* nx, const int32_t* ny, const int32_t* nw,
                        const int32_t* nh) try {
  if (jqqlev(1, 3, "RECTAN") != 0) return;
  if (*nw == 0 || *nh == 0) {
    warni1(2, *nw == 0 ? *nw : *nh);
    return;
  }
  // Far corners in 64 bits, held to the integer range.
  auto corner = [](int32_t p, int32_t len) {
    const int64_t v = static_cast<int64_t>(p) + len - 1;
    return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
  };
  const int32_t x2 = corner(*nx, *nw), y2 = corner(*ny, *nh);
  const int32_t xs[4] = {*nx, x2, x2, *nx};
  const int32_t ys[4] = {*ny, *ny, y2, y2};
  areaPlot(xs, ys, 4);
} ZANTOR_CATCH

ZANTOR_API void circle_(const int32_t* nx, const int32_t* ny, const int32_t* nr) try {
  if (jqqlev(1, 3, "CIRCLE") != 0) return;
  fillEllipse(*nx, *ny, *nr, *nr);
} ZANTOR_CATCH

ZANTOR_API void ellips_(const int32_t* nx, const int32_t* ny, const int32_t* na,
                        const int32_t* nb) try {
  if (jqqlev(1, 3, "ELLIPS") != 0) return;
  fillEllipse(*nx, *ny, *na, *nb);
} ZANTOR_CATCH

// Images in the raster: every pixel takes the colour of the image cell its
// centre falls in (nearest cell, no smoothing).
#include <algorithm>
#include <cmath>

#include "devices/raster/raster.h"

namespace zantor {

void RasterContext::qqvimg(const ImagePlacement& at, const int32_t* cells, int w, int h) {
  flush();
  if (!pixels_ || cells == nullptr || w < 1 || h < 1) return;
  const double det = at.ux * at.vy - at.vx * at.uy;
  if (!(std::abs(det) > 1e-9) || !std::isfinite(det)) return;
  // Pixel (x, y) -> image coordinates s (along a row) and t (down a
  // column), both 0..1 over the image.
  const double ma = at.vy / det, mb = -at.vx / det, mc = -at.uy / det, md = at.ux / det;
  const double xs[4] = {at.x0, at.x0 + at.ux, at.x0 + at.vx, at.x0 + at.ux + at.vx};
  const double ys[4] = {at.y0, at.y0 + at.uy, at.y0 + at.vy, at.y0 + at.uy + at.vy};
  const double bx0 = *std::min_element(xs, xs + 4), bx1 = *std::max_element(xs, xs + 4);
  const double by0 = *std::min_element(ys, ys + 4), by1 = *std::max_element(ys, ys + 4);
  const int x0 = int(std::max<double>(cxmin_, std::ceil(bx0 - 1e-9)));
  const int x1 = int(std::min<double>(cxmax_, std::floor(bx1 + 1e-9)));
  const int y0 = int(std::max<double>(cymin_, std::ceil(by0 - 1e-9)));
  const int y1 = int(std::min<double>(cymax_, std::floor(by1 + 1e-9)));
  if (x0 > x1 || y0 > y1) return;
  constexpr double kEdge = 1e-9;  // edges count as inside
  // The last colour value resolved, so that runs of one value cost one
  // table look-up.
  int32_t lastValue = -1;
  uint8_t idx = 0, r = 0, g = 0, b = 0;
  auto resolve = [&](int32_t v) {
    if (v == lastValue) return;
    lastValue = v;
    if ((static_cast<uint32_t>(v) >> 24) == 1) {
      r = uint8_t(v), g = uint8_t(v >> 8), b = uint8_t(v >> 16);
      if (!trueColour_) idx = uint8_t(nearestIndex(r, g, b));
    } else {
      idx = uint8_t(v & 255);
      r = red_[idx], g = green_[idx], b = blue_[idx];
    }
  };
  for (int y = y0; y <= y1; ++y) {
    uint8_t* p = pixels_.get() + std::size_t(y) * rowBytes_;
    const double dy = y - at.y0;
    for (int x = x0; x <= x1; ++x) {
      const double dx = x - at.x0;
      const double s = ma * dx + mb * dy, t = mc * dx + md * dy;
      if (s < -kEdge || s > 1 + kEdge || t < -kEdge || t > 1 + kEdge) continue;
      const int i = std::clamp(int(s * w), 0, w - 1), j = std::clamp(int(t * h), 0, h - 1);
      resolve(cells[std::size_t(j) * w + i]);
      if (trueColour_) {
        uint8_t* q = p + 4 * std::size_t(x);
        q[0] = r, q[1] = g, q[2] = b;
      } else {
        p[x] = idx;
      }
    }
  }
}

}  // namespace zantor

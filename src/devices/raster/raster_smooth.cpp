// Antialiased thin lines for 32-bit rasters.
//
// Method: for every step along the major axis the ideal line passes between
// two pixel centres across the minor axis; the two pixels share the pixel's
// coverage by the distance of the line to each centre (the weighting of
// Xiaolin Wu's line).  End points lie on pixel centres (the pipeline hands
// rounded pixel positions), so both ends get full coverage and connected
// segments meet without gaps.  The blend happens in linear light (sRGB
// decoded, mixed, encoded again), so a half-covered pixel looks half as
// bright as a covered one instead of too dark.
#include <algorithm>
#include <array>
#include <cmath>

#include "devices/raster/raster.h"

namespace zantor {
namespace {

struct GammaTables {
  std::array<float, 256> linear{};
  std::array<uint8_t, 4096> encoded{};
  GammaTables() {
    for (int i = 0; i < 256; ++i) {
      const double c = i / 255.0;
      linear[i] = float(c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4));
    }
    for (int i = 0; i < 4096; ++i) {
      const double l = i / 4095.0;
      const double c = l <= 0.0031308 ? 12.92 * l : 1.055 * std::pow(l, 1 / 2.4) - 0.055;
      encoded[i] = uint8_t(std::clamp(int(c * 255.0 + 0.5), 0, 255));
    }
  }
};

const GammaTables& gamma() {
  static const GammaTables tables;
  return tables;
}

}  // namespace

void RasterContext::blendPixel(int x, int y, float coverage) {
  if (!insideClip(x, y) || coverage <= 0.0f) return;
  if (coverage >= 0.999f) {
    setPixel(x, y);
    return;
  }
  const GammaTables& t = gamma();
  uint8_t* p = pixels_.get() + std::size_t(y) * rowBytes_ + 4 * std::size_t(x);
  const uint8_t src[3] = {r_, g_, b_};
  for (int c = 0; c < 3; ++c) {
    const float d = t.linear[p[c]];
    const float l = d + (t.linear[src[c]] - d) * coverage;
    p[c] = t.encoded[std::size_t(std::clamp(l, 0.0f, 1.0f) * 4095.0f + 0.5f)];
  }
  p[3] = uint8_t(p[3] + (float(alpha_) - float(p[3])) * coverage + 0.5f);
}

void RasterContext::smoothLine(double x0, double y0, double x1, double y1) {
  if (std::max(std::abs(x1 - x0), std::abs(y1 - y0)) > 4.0 * (width_ + height_) + 16) {
    // Cut far-reaching segments to the clip rectangle (plus a margin) first.
    double t0 = 0, t1 = 1;
    const double dx = x1 - x0, dy = y1 - y0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x0 - (cxmin_ - 2), (cxmax_ + 2) - x0, y0 - (cymin_ - 2),
                         (cymax_ + 2) - y0};
    for (int i = 0; i < 4; ++i) {
      if (p[i] == 0) {
        if (q[i] < 0) return;
        continue;
      }
      const double t = q[i] / p[i];
      if (p[i] < 0) t0 = std::max(t0, t);
      else t1 = std::min(t1, t);
    }
    if (t0 > t1) return;
    const double ax = x0 + t0 * dx, ay = y0 + t0 * dy;
    x1 = x0 + t1 * dx;
    y1 = y0 + t1 * dy;
    x0 = ax;
    y0 = ay;
  }
  const bool steep = std::abs(y1 - y0) > std::abs(x1 - x0);
  if (steep) {
    std::swap(x0, y0);
    std::swap(x1, y1);
  }
  if (x0 > x1) {
    std::swap(x0, x1);
    std::swap(y0, y1);
  }
  const double dx = x1 - x0;
  const double gradient = dx == 0 ? 0.0 : (y1 - y0) / dx;
  const int xs = int(std::lround(x0)), xe = int(std::lround(x1));
  for (int x = xs; x <= xe; ++x) {
    const double y = y0 + gradient * (x - x0);
    const double fy = std::floor(y);
    const float below = float(y - fy);  // share of the lower neighbour
    const int iy = int(fy);
    if (steep) {
      blendPixel(iy, x, 1.0f - below);
      blendPixel(iy + 1, x, below);
    } else {
      blendPixel(x, iy, 1.0f - below);
      blendPixel(x, iy + 1, below);
    }
  }
}

}  // namespace zantor

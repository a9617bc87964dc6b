// The depth buffer of the raster and the depth-tested triangles and lines
// of shaded 3D pictures.
#include <algorithm>
#include <cmath>
#include <limits>
#include <new>

#include "devices/raster/raster.h"

namespace zantor {
namespace {

constexpr float kFar = std::numeric_limits<float>::max();

int clampToInt(double v) {
  if (!(v > -1e9)) return -1000000000;
  if (v > 1e9) return 1000000000;
  return int(v);
}

}  // namespace

int RasterContext::qqvzbf(int mode) {
  flush();
  const std::size_t n = std::size_t(width_) * std::size_t(height_);
  switch (mode) {
    case 0:
      if (!pixels_) return 1;
      if (!depth_) {
        // 4 bytes a pixel, held to the same limit as the framebuffer.
        if (uint64_t(n) * 4 > kMaxBytes) return 1;
        depth_.reset(new (std::nothrow) float[n]);
        if (!depth_) return 1;
      }
      std::fill(depth_.get(), depth_.get() + n, kFar);
      return 0;
    case 1:
      if (!depth_) return 1;
      depth_.reset();
      return 0;
    case 2:
      if (!depth_) return 1;
      std::fill(depth_.get(), depth_.get() + n, kFar);
      return 0;
    case 3:
      if (!depth_) return 1;
      qqvers();
      return 0;
    default:
      return 1;
  }
}

void RasterContext::qqvztr(const double* x, const double* y, const double* z,
                           const int32_t* colour) {
  flush();
  if (!pixels_ || !depth_) return;
  for (int i = 0; i < 3; ++i)
    if (!std::isfinite(x[i]) || !std::isfinite(y[i]) || !std::isfinite(z[i])) return;
  const double area = (x[1] - x[0]) * (y[2] - y[0]) - (x[2] - x[0]) * (y[1] - y[0]);
  if (!(std::abs(area) > 1e-12)) return;
  double r[3], g[3], b[3], idx[3];
  cornerColours(colour, r, g, b, idx);
  const int x0 = std::max(cxmin_, clampToInt(std::ceil(std::min({x[0], x[1], x[2]}))));
  const int x1 = std::min(cxmax_, clampToInt(std::floor(std::max({x[0], x[1], x[2]}))));
  const int y0 = std::max(cymin_, clampToInt(std::ceil(std::min({y[0], y[1], y[2]}))));
  const int y1 = std::min(cymax_, clampToInt(std::floor(std::max({y[0], y[1], y[2]}))));
  if (x0 > x1 || y0 > y1) return;
  // Barycentric weights are linear in x: a0 + px * dx0 for weight 0.
  const double inv = 1.0 / area;
  const double dw0 = -(y[2] - y[1]) * inv, dw1 = -(y[0] - y[2]) * inv;
  const double eps = -1e-9;
  const bool flat = colour[0] == colour[1] && colour[1] == colour[2];
  uint8_t fr = uint8_t(r[0]), fg = uint8_t(g[0]), fb = uint8_t(b[0]), fi = uint8_t(idx[0]);
  for (int py = y0; py <= y1; ++py) {
    double w0 = ((x[1] - x0) * (y[2] - py) - (x[2] - x0) * (y[1] - py)) * inv;
    double w1 = ((x[2] - x0) * (y[0] - py) - (x[0] - x0) * (y[2] - py)) * inv;
    uint8_t* rowp = pixels_.get() + std::size_t(py) * rowBytes_;
    float* zrow = depth_.get() + std::size_t(py) * std::size_t(width_);
    for (int px = x0; px <= x1; ++px, w0 += dw0, w1 += dw1) {
      const double w2 = 1.0 - w0 - w1;
      if (w0 < eps || w1 < eps || w2 < eps) continue;
      const float depth = float(w0 * z[0] + w1 * z[1] + w2 * z[2]);
      if (!(depth <= zrow[px])) continue;
      zrow[px] = depth;
      if (trueColour_) {
        uint8_t* q = rowp + 4 * std::size_t(px);
        if (flat) {
          q[0] = fr, q[1] = fg, q[2] = fb;
        } else {
          q[0] = uint8_t(w0 * r[0] + w1 * r[1] + w2 * r[2] + 0.5);
          q[1] = uint8_t(w0 * g[0] + w1 * g[1] + w2 * g[2] + 0.5);
          q[2] = uint8_t(w0 * b[0] + w1 * b[1] + w2 * b[2] + 0.5);
        }
        q[3] = alpha_;
      } else {
        rowp[px] = flat ? fi : uint8_t(std::clamp(w0 * idx[0] + w1 * idx[1] + w2 * idx[2] + 0.5, 0.0, 255.0));
      }
    }
  }
}

void RasterContext::qqvzln(double x0, double y0, double z0, double x1, double y1, double z1) {
  flush();
  if (!pixels_ || !depth_) return;
  if (!std::isfinite(x0) || !std::isfinite(y0) || !std::isfinite(x1) || !std::isfinite(y1) ||
      !std::isfinite(z0) || !std::isfinite(z1))
    return;
  const double dx = x1 - x0, dy = y1 - y0;
  const double len = std::max(std::abs(dx), std::abs(dy));
  // One pixel per step along the longer axis; very long lines are cut to
  // the picture by the clip test of each pixel.
  const long steps = long(std::min(len, 1e7));
  for (long i = 0; i <= steps; ++i) {
    const double t = steps == 0 ? 0.0 : double(i) / double(steps);
    const int px = int(std::floor(x0 + t * dx + 0.5)), py = int(std::floor(y0 + t * dy + 0.5));
    if (!insideClip(px, py)) continue;
    float& stored = depth_[std::size_t(py) * std::size_t(width_) + px];
    const float depth = float(z0 + t * (z1 - z0));
    if (!(depth <= stored)) continue;
    stored = depth;
    setPixel(px, py);
  }
}

}  // namespace zantor

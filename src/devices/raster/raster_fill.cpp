// Filled shapes of the raster context: even-odd polygons by scan lines,
// rectangles, shaded triangles and marker symbols.
#include <algorithm>
#include <cmath>
#include <vector>

#include "devices/raster/raster.h"

namespace zantor {
namespace {

// Truncation towards zero of values that may lie far outside the picture.
int truncated(double v) {
  if (!(v > -1e9)) return -1000000000;  // also NaN
  if (v > 1e9) return 1000000000;
  return int(v);
}

}  // namespace

void RasterContext::qqvpol(const double* x, const double* y, int n, int& status) {
  flush();
  status = 0;
  fillPolygon(x, y, n, status);
}

void RasterContext::fillPolygon(const double* x, const double* y, int n, int& status) {
  if (!pixels_ || n < 3 || cxmax_ < cxmin_) return;
  double lo = y[0], hi = y[0];
  for (int i = 1; i < n; ++i) {
    lo = std::min(lo, y[i]);
    hi = std::max(hi, y[i]);
  }
  int ymin = truncated(lo), ymax = truncated(hi);
  if (ymax < cymin_ || ymin > cymax_) return;
  ymin = std::max(ymin, cymin_);
  ymax = std::min(ymax, cymax_);
  int xs[kMaxCrossings];
  for (int line = ymin; line <= ymax; ++line) {
    const double yl = line;
    int k = 0;
    for (int i = 0; i < n; ++i) {
      const int j = i + 1 < n ? i + 1 : 0;
      const double yi = y[i], yj = y[j];
      if (!((yi < yl && yl <= yj) || (yj < yl && yl <= yi))) continue;
      double xc;
      if (std::abs(yi - yj) < 0.01) xc = x[i] + 0.5;
      else xc = x[i] + (yl - yi) * (x[j] - x[i]) / (yj - yi) + 0.5;
      if (k == kMaxCrossings) {
        status = 1;  // dropped: this scan line is drawn incompletely
        continue;
      }
      xs[k++] = truncated(xc);
    }
    // Exchange sort; lists are short.
    for (int a = 1; a < k; ++a)
      for (int b = a; b > 0 && xs[b - 1] > xs[b]; --b) std::swap(xs[b - 1], xs[b]);
    for (int a = 0; a + 1 < k; a += 2) span(xs[a], xs[a + 1], line);
  }
}

void RasterContext::qqvfll(int x1, int y1, int x2, int y2, int32_t colour) {
  flush();
  if (!pixels_) return;
  if (x1 > x2) std::swap(x1, x2);
  if (y1 > y2) std::swap(y1, y2);
  x1 = std::max(x1, cxmin_);
  y1 = std::max(y1, cymin_);
  x2 = std::min(x2, cxmax_);
  y2 = std::min(y2, cymax_);
  if (x1 > x2 || y1 > y2) return;
  const uint8_t saved[4] = {index_, r_, g_, b_};
  qqvclr(colour);
  for (int y = y1; y <= y2; ++y) {
    uint8_t* p = pixels_.get() + std::size_t(y) * rowBytes_;
    if (!trueColour_) {
      std::fill(p + x1, p + x2 + 1, index_);
      continue;
    }
    // The three colour bytes; the alpha byte stays as it is.
    for (uint8_t* q = p + 4 * std::size_t(x1); q <= p + 4 * std::size_t(x2); q += 4) {
      q[0] = r_;
      q[1] = g_;
      q[2] = b_;
    }
  }
  index_ = saved[0];
  r_ = saved[1];
  g_ = saved[2];
  b_ = saved[3];
}

// Shading: in 32-bit mode the R, G, B of the corners are interpolated
// linearly (barycentric weights at the pixel centres); in 8-bit mode the
// colour indices are, which follows the colour scale of shaded surfaces.
void RasterContext::cornerColours(const int32_t* colour, double* r, double* g, double* b,
                                  double* idx) const {
  for (int i = 0; i < 3; ++i) {
    const int32_t c = colour[i];
    if ((static_cast<uint32_t>(c) >> 24) == 1) {
      r[i] = c & 255;
      g[i] = (c >> 8) & 255;
      b[i] = (c >> 16) & 255;
      // The index is only drawn in 8-bit pictures.
      idx[i] = trueColour_ ? 0 : nearestIndex(uint8_t(r[i]), uint8_t(g[i]), uint8_t(b[i]));
    } else {
      const int k = c & 255;
      r[i] = red_[k];
      g[i] = green_[k];
      b[i] = blue_[k];
      idx[i] = k;
    }
  }
}

void RasterContext::qqvftr(const double* x, const double* y, const int32_t* colour) {
  flush();
  if (!pixels_) return;
  const double area = (x[1] - x[0]) * (y[2] - y[0]) - (x[2] - x[0]) * (y[1] - y[0]);
  if (!(std::abs(area) > 1e-12)) return;
  double r[3], g[3], b[3], idx[3];
  cornerColours(colour, r, g, b, idx);
  const int x0 = std::max(cxmin_, truncated(std::floor(std::min({x[0], x[1], x[2]}))));
  const int x1 = std::min(cxmax_, truncated(std::ceil(std::max({x[0], x[1], x[2]}))));
  const int y0 = std::max(cymin_, truncated(std::floor(std::min({y[0], y[1], y[2]}))));
  const int y1 = std::min(cymax_, truncated(std::ceil(std::max({y[0], y[1], y[2]}))));
  const uint8_t saved[4] = {index_, r_, g_, b_};
  const double eps = -1e-9;
  for (int py = y0; py <= y1; ++py) {
    for (int px = x0; px <= x1; ++px) {
      const double w0 = ((x[1] - px) * (y[2] - py) - (x[2] - px) * (y[1] - py)) / area;
      const double w1 = ((x[2] - px) * (y[0] - py) - (x[0] - px) * (y[2] - py)) / area;
      const double w2 = 1.0 - w0 - w1;
      if (w0 < eps || w1 < eps || w2 < eps) continue;
      if (trueColour_) {
        r_ = uint8_t(std::lround(w0 * r[0] + w1 * r[1] + w2 * r[2]));
        g_ = uint8_t(std::lround(w0 * g[0] + w1 * g[1] + w2 * g[2]));
        b_ = uint8_t(std::lround(w0 * b[0] + w1 * b[1] + w2 * b[2]));
      } else {
        index_ = uint8_t(std::clamp(std::lround(w0 * idx[0] + w1 * idx[1] + w2 * idx[2]), 0L, 255L));
      }
      setPixel(px, py);
    }
  }
  index_ = saved[0];
  r_ = saved[1];
  g_ = saved[2];
  b_ = saved[3];
}

namespace {

// The marker outlines on a grid of -50..50, y downwards.
struct Outline {
  int n;
  const int* xy;
};
constexpr int kSquare[] = {-50, -50, -50, 50, 50, 50, 50, -50, -50, -50};
constexpr int kOctagon[] = {-20, -50, -50, -20, -50, 20, -20, 50, 20,  50,
                            50,  20,  50,  -20, 20,  -50, -20, -50};
constexpr int kTriangleUp[] = {0, -50, 50, 50, -50, 50, 0, -50};
constexpr int kPlusH[] = {-50, 0, 50, 0};
constexpr int kPlusV[] = {0, -50, 0, 50};
constexpr int kCross1[] = {-50, -50, 50, 50};
constexpr int kCross2[] = {50, -50, -50, 50};
constexpr int kDiamond[] = {0, -50, 50, 0, 0, 50, -50, 0, 0, -50};
constexpr int kTriangleDown[] = {-50, -50, 0, 50, 50, -50, -50, -50};
constexpr int kCircle[] = {49,  0,  49,  -9,  42,  -27, 27,  -42, 9,   -49, -9, -49, -27,
                           -42, -42, -27, -49, -9, -49, 0,   -49, 9,   -42, 27, -27, 42,
                           -9,  49,  9,   49,  27, 42,  42,  27,  49,  9,   49, -9};
constexpr int kHalfCircle[] = {49,  0,   49,  -9,  42,  -27, 27, -42, 9,  -49, -9,
                               -49, -27, -42, -42, -27, -49, -9, -49, 0,  49,  0};
constexpr Outline kSquareO{5, kSquare}, kOctagonO{9, kOctagon}, kTriUpO{4, kTriangleUp},
    kPlusHO{2, kPlusH}, kPlusVO{2, kPlusV}, kCross1O{2, kCross1}, kCross2O{2, kCross2},
    kDiamondO{5, kDiamond}, kTriDownO{4, kTriangleDown}, kCircleO{19, kCircle},
    kHalfO{11, kHalfCircle};

struct Symbol {
  Outline parts[4];
  int count;
  bool filled;
};

constexpr Symbol kSymbols[24] = {
    {{kSquareO}, 1, false},
    {{kOctagonO}, 1, false},
    {{kTriUpO}, 1, false},
    {{kPlusHO, kPlusVO}, 2, false},
    {{kCross1O, kCross2O}, 2, false},
    {{kDiamondO}, 1, false},
    {{kTriDownO}, 1, false},
    {{kSquareO, kCross1O, kCross2O}, 3, false},
    {{kPlusHO, kPlusVO, kCross1O, kCross2O}, 4, false},
    {{kDiamondO, kPlusHO, kPlusVO}, 3, false},
    {{kOctagonO, kPlusHO, kPlusVO}, 3, false},
    {{kTriDownO, kTriUpO}, 2, false},
    {{kSquareO, kPlusHO, kPlusVO}, 3, false},
    {{kOctagonO, kCross1O, kCross2O}, 3, false},
    {{kSquareO, kTriUpO}, 2, false},
    {{kCircleO}, 1, false},
    {{kSquareO}, 1, true},
    {{kOctagonO}, 1, true},
    {{kTriUpO}, 1, true},
    {{kDiamondO}, 1, true},
    {{kTriDownO}, 1, true},
    {{kCircleO}, 1, true},
    {{kHalfO}, 1, false},
    {{kHalfO}, 1, true},
};

}  // namespace

void RasterContext::qqvsym(int symbol, int x, int y, int size) {
  flush();
  if (!pixels_ || symbol < 0 || symbol > 23 || size < 1) return;
  const Symbol& s = kSymbols[symbol];
  const double f = size / 100.0;
  for (int p = 0; p < s.count; ++p) {
    const Outline& o = s.parts[p];
    if (s.filled) {
      double fx[20], fy[20];
      for (int i = 0; i < o.n; ++i) {
        fx[i] = x + o.xy[2 * i] * f;
        fy[i] = y + o.xy[2 * i + 1] * f;
      }
      int status = 0;
      fillPolygon(fx, fy, o.n, status);
    }
    for (int i = 0; i < o.n; ++i)
      qqvdrw(x + int(std::lround(o.xy[2 * i] * f)), y + int(std::lround(o.xy[2 * i + 1] * f)),
             i == 0 ? 3 : 2);
    flush();
  }
}

}  // namespace zantor

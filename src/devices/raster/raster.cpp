// The raster context: creation, background, cropping, colour table,
// current colour and pixel access.
#include "devices/raster/raster.h"

#include <algorithm>
#include <cstring>

namespace zantor {

// The context lives for the whole process and is never destroyed: the
// device object (a static of the dispatch) may release the framebuffer
// when it is destroyed at exit after a plot that was never closed, and
// statics of different files are destroyed in no fixed order.
RasterContext& virtualRaster() {
  static RasterContext* const context = new RasterContext;
  return *context;
}

int RasterContext::qqvini(int width, int height, bool trueColour, bool reverse) {
  qqvfin();
  if (width < 1 || height < 1) return 1;
  const uint64_t bytesPerPixel = trueColour ? 4 : 1;
  const uint64_t row = uint64_t(width) * bytesPerPixel;
  // Both factors are below 2^31, so the product cannot wrap in 64 bits.
  const uint64_t total = row * uint64_t(height);
  if (total > kMaxBytes || uint64_t(width) * uint64_t(height) > kMaxPixels) return 1;
  uint8_t* p = nullptr;
  if (spare_ && spareBytes_ == total) {
    p = spare_.release();
    std::memset(p, 0, std::size_t(total));
  } else {
    spare_.reset();
    p = static_cast<uint8_t*>(std::calloc(total, 1));
  }
  spareBytes_ = 0;
  if (p == nullptr) return 1;
  pixels_.reset(p);
  width_ = width;
  height_ = height;
  rowBytes_ = std::size_t(row);
  trueColour_ = trueColour;
  reverse_ = reverse;
  count_ = 0;
  lastWasMove_ = true;
  lineWidth_ = 1;
  pointShape_ = 0;
  lineCap_ = lineJoin_ = 1;
  miterLimit_ = 2.0;
  heldX_.clear();
  heldY_.clear();
  alpha_ = 255;
  resetClip();
  if (reverse_ && trueColour_) qqvers();  // calloc already gave the black one
  return 0;
}

void RasterContext::qqvfin() {
  // Up to 64 MB stay allocated as the spare of the next picture.
  const uint64_t bytes = uint64_t(rowBytes_) * uint64_t(height_);
  if (pixels_ && bytes <= (uint64_t{64} << 20)) {
    spare_ = std::move(pixels_);
    spareBytes_ = bytes;
  }
  pixels_.reset();
  depth_.reset();
  width_ = height_ = 0;
  rowBytes_ = 0;
  count_ = 0;
  heldX_.clear();
  heldY_.clear();
  cxmin_ = cymin_ = 0;
  cxmax_ = cymax_ = -1;
}

void RasterContext::qqvers() {
  flush();
  if (!pixels_) return;
  uint8_t* p = pixels_.get();
  const std::size_t n = rowBytes_ * std::size_t(height_);
  if (trueColour_ && reverse_) {
    // White with alpha 0.
    for (std::size_t i = 0; i < n; i += 4) {
      p[i] = p[i + 1] = p[i + 2] = 255;
      p[i + 3] = 0;
    }
  } else {
    std::memset(p, 0, n);
  }
}

int RasterContext::qqvwin(int x, int y, int w, int h) {
  flush();
  if (!pixels_) return -3;
  if (x < 0 || y < 0 || w < 1 || h < 1 || x > width_ - w || y > height_ - h) return -3;
  const std::size_t bpp = trueColour_ ? 4 : 1;
  const std::size_t newRow = std::size_t(w) * bpp;
  auto* p = static_cast<uint8_t*>(std::malloc(newRow * std::size_t(h)));
  if (p == nullptr) return -2;
  for (int j = 0; j < h; ++j)
    std::memcpy(p + std::size_t(j) * newRow, row(y + j) + std::size_t(x) * bpp, newRow);
  pixels_.reset(p);
  width_ = w;
  height_ = h;
  rowBytes_ = newRow;
  resetClip();
  return 0;
}

void RasterContext::qqvcrp(int& xmin, int& ymin, int& xmax, int& ymax) {
  flush();
  xmin = ymin = xmax = ymax = -1;
  if (!pixels_) return;
  const uint8_t bg[4] = {uint8_t(reverse_ ? 255 : 0), uint8_t(reverse_ ? 255 : 0),
                         uint8_t(reverse_ ? 255 : 0), 0};
  for (int y = 0; y < height_; ++y) {
    const uint8_t* r = row(y);
    for (int x = 0; x < width_; ++x) {
      const bool differs = trueColour_ ? std::memcmp(r + 4 * std::size_t(x), bg, 4) != 0
                                       : r[x] != 0;
      if (!differs) continue;
      if (xmin < 0) {
        xmin = xmax = x;
        ymin = ymax = y;
      } else {
        xmin = std::min(xmin, x);
        xmax = std::max(xmax, x);
        ymax = y;
      }
    }
  }
}

void RasterContext::qqvvlt(int sizeMode, const int32_t* table) {
  flush();
  tableSize_ = sizeMode == 0 ? 9 : sizeMode == 7 ? 16 : 256;
  for (int i = 0; i < tableSize_; ++i) {
    const uint32_t v = static_cast<uint32_t>(table[i]);
    red_[i] = uint8_t(v >> 16);
    green_[i] = uint8_t(v >> 8);
    blue_[i] = uint8_t(v);
  }
}

void RasterContext::setTableEntry(int index, uint8_t r, uint8_t g, uint8_t b) {
  if (index < 0 || index > 255) return;
  red_[index] = r;
  green_[index] = g;
  blue_[index] = b;
}

uint32_t RasterContext::tableEntry(int index) const {
  const int i = index & 255;
  return uint32_t(red_[i]) << 16 | uint32_t(green_[i]) << 8 | blue_[i];
}

int RasterContext::nearestIndex(uint8_t r, uint8_t g, uint8_t b) const {
  int best = 0, bestDistance = 1 << 30;
  for (int i = 0; i < tableSize_; ++i) {
    const int d = std::abs(red_[i] - r) + std::abs(green_[i] - g) + std::abs(blue_[i] - b);
    if (d < bestDistance) {
      bestDistance = d;
      best = i;
    }
  }
  return best;
}

void RasterContext::qqvclr(int32_t value) {
  flush();
  if ((static_cast<uint32_t>(value) >> 24) == 1) {
    r_ = uint8_t(value);
    g_ = uint8_t(value >> 8);
    b_ = uint8_t(value >> 16);
    index_ = uint8_t(nearestIndex(r_, g_, b_));
  } else {
    index_ = uint8_t(value & 255);
    r_ = red_[index_];
    g_ = green_[index_];
    b_ = blue_[index_];
  }
}

void RasterContext::setLineWidth(int w) {
  flush();
  lineWidth_ = std::clamp(w, 1, 10000);
}

void RasterContext::setLineCap(int cap) {
  flush();
  lineCap_ = std::clamp(cap, 0, 2);
  pointShape_ = lineCap_ == 1 ? 0 : 2;
}

void RasterContext::setLineJoin(int join) {
  flush();
  lineJoin_ = std::clamp(join, 0, 2);
}

void RasterContext::setMiterLimit(double limit) {
  flush();
  miterLimit_ = limit >= 1.0 ? limit : 1.0;  // NaN too
}

void RasterContext::setAntialias(bool on) {
  flush();
  antialias_ = on;
}

void RasterContext::setClip(int xmin, int ymin, int xmax, int ymax) {
  flush();
  if (xmin > xmax) std::swap(xmin, xmax);
  if (ymin > ymax) std::swap(ymin, ymax);
  cxmin_ = std::max(xmin, 0);
  cymin_ = std::max(ymin, 0);
  cxmax_ = std::min(xmax, width_ - 1);
  cymax_ = std::min(ymax, height_ - 1);
  clipSet_ = cxmin_ > 0 || cymin_ > 0 || cxmax_ < width_ - 1 || cymax_ < height_ - 1;
}

void RasterContext::resetClip() {
  cxmin_ = cymin_ = 0;
  cxmax_ = width_ - 1;
  cymax_ = height_ - 1;
  clipSet_ = false;
}

void RasterContext::copyPenFrom(const RasterContext& o) {
  flush();
  red_ = o.red_;
  green_ = o.green_;
  blue_ = o.blue_;
  tableSize_ = o.tableSize_;
  index_ = o.index_;
  r_ = o.r_;
  g_ = o.g_;
  b_ = o.b_;
  alpha_ = o.alpha_;
  lineWidth_ = o.lineWidth_;
  pointShape_ = o.pointShape_;
  lineCap_ = o.lineCap_;
  lineJoin_ = o.lineJoin_;
  miterLimit_ = o.miterLimit_;
  antialias_ = o.antialias_;
  if (o.clipSet_) setClip(o.cxmin_, o.cymin_, o.cxmax_, o.cymax_);
  else resetClip();
}

void RasterContext::setPixel(int x, int y) {
  uint8_t* p = pixels_.get() + std::size_t(y) * rowBytes_;
  if (trueColour_) {
    p += 4 * std::size_t(x);
    p[0] = r_;
    p[1] = g_;
    p[2] = b_;
    p[3] = alpha_;
  } else {
    p[x] = index_;
  }
}

void RasterContext::qqvwpx(int x, int y, int32_t colour) {
  flush();
  if (!pixels_ || x < 0 || y < 0 || x >= width_ || y >= height_) return;
  // Draw through the current colour and restore it afterwards.
  const uint8_t saved[4] = {index_, r_, g_, b_};
  qqvclr(colour);
  setPixel(x, y);
  index_ = saved[0];
  r_ = saved[1];
  g_ = saved[2];
  b_ = saved[3];
}

int32_t RasterContext::qqvrpx(int x, int y) {
  flush();
  if (!pixels_ || x < 0 || y < 0 || x >= width_ || y >= height_) return -1;
  const uint8_t* p = row(y);
  if (!trueColour_) return p[x];
  p += 4 * std::size_t(x);
  return int32_t(0x01000000u | uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0]);
}

// Positions are taken in 64 bits: x may be anywhere in the int range
// (INT32_MIN cannot be negated, x + i can pass INT32_MAX).
void RasterContext::qqvrow(const uint8_t* data, int x, int y, int n) {
  flush();
  if (!pixels_ || y < 0 || y >= height_ || n < 1) return;
  const int64_t first = std::max<int64_t>(0, -int64_t{x});
  const int64_t last = std::min<int64_t>(n, int64_t{width_} - x);  // exclusive
  uint8_t* p = pixels_.get() + std::size_t(y) * rowBytes_;
  for (int64_t i = first; i < last; ++i) {
    const int idx = data[i];
    const std::size_t xi = std::size_t(x + i);
    if (trueColour_) {
      uint8_t* q = p + 4 * xi;
      q[0] = red_[idx];
      q[1] = green_[idx];
      q[2] = blue_[idx];
      q[3] = alpha_;
    } else {
      p[xi] = uint8_t(idx);
    }
  }
}

void RasterContext::qqvrdr(uint8_t* data, int x, int y, int n) {
  flush();
  for (int i = 0; i < n; ++i) {
    const int64_t xi = int64_t{x} + i;
    if (!pixels_ || y < 0 || y >= height_ || xi < 0 || xi >= width_) {
      data[i] = 0;
    } else if (trueColour_) {
      const uint8_t* p = row(y) + 4 * std::size_t(xi);
      data[i] = uint8_t(nearestIndex(p[0], p[1], p[2]));
    } else {
      data[i] = row(y)[xi];
    }
  }
}

void RasterContext::readRow(uint8_t* out, int x, int y, int n, bool rgb) const {
  const uint8_t* p = row(y);
  if (!rgb) {
    std::memcpy(out, p + x, std::size_t(n));
  } else if (trueColour_) {
    // Four bytes at a time: each pixel's fourth byte is overwritten by
    // the next pixel's red; the last pixel is copied by its three bytes.
    p += 4 * std::size_t(x);
    for (int i = 0; i + 1 < n; ++i, p += 4, out += 3) std::memcpy(out, p, 4);
    if (n > 0) std::memcpy(out, p, 3);
  } else {
    p += x;
    for (int i = 0; i < n; ++i, out += 3) {
      out[0] = red_[p[i]];
      out[1] = green_[p[i]];
      out[2] = blue_[p[i]];
    }
  }
}

}  // namespace zantor

#include "devices/wmf/emf_device.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

#include "core/state.h"
#include "devices/little_endian.h"
#include "draw/colour.h"

namespace zantor {
namespace {

std::unique_ptr<Sink> (*sinkFactory)(const char*) = nullptr;

// Record types of the enhanced metafile.
enum : uint32_t {
  kHeader = 1, kPolygon = 3, kPolyline = 4, kPolyPolygon = 8, kEof = 14, kSetMapMode = 17,
  kSetBkMode = 18, kSetPolyFillMode = 19, kSelectObject = 37, kCreatePen = 38,
  kCreateBrush = 39, kDeleteObject = 40, kStretchDibits = 81,
};
constexpr uint32_t kGeometricSolid = 0x00010000u;  // round caps and joins
constexpr uint32_t kNullPen = 0x80000008u;  // stock object: no outline
constexpr uint32_t kHandles = 4;            // 0 (the metafile) and three slots
constexpr uint32_t kHeaderBytes = 124;      // with both extensions and the description
// "ZANTOR", an empty picture name and the closing zero, in UTF-16.
constexpr char kDescription[] = "ZANTOR\0";
constexpr uint32_t kDescriptionChars = 8;

void le32(std::vector<uint8_t>& b, uint32_t v) { putLe32(b, v); }

int32_t unit(double v) {
  constexpr double lo = std::numeric_limits<int32_t>::min(), hi = std::numeric_limits<int32_t>::max();
  return std::isfinite(v) ? int32_t(std::lround(std::clamp(v, lo, hi))) : 0;
}

uint32_t colorRef(Rgb c) { return uint32_t(c.r) | uint32_t(c.g) << 8 | uint32_t(c.b) << 16; }

// Inclusive bounds of the points, as every drawing record carries them.
void bounds(std::vector<uint8_t>& b, const int32_t* x, const int32_t* y, int n) {
  const auto [x0, x1] = std::minmax_element(x, x + n);
  const auto [y0, y1] = std::minmax_element(y, y + n);
  for (int32_t v : {*x0, *y0, *x1, *y1}) le32(b, uint32_t(v));
}

}  // namespace

void setEmfSinkFactory(std::unique_ptr<Sink> (*factory)(const char*)) { sinkFactory = factory; }

DeviceCaps EmfDevice::caps() const {
  DeviceCaps c;
  c.fillPolygon = true;
  c.fillRect = true;
  c.hwLineWidth = true;  // as filled outlines
  return c;
}

int EmfDevice::start() {
  const Zanglb& g = zanglb;
  const std::string path = g.cfil.str();
  out_ = openOutputSink(path, sinkFactory);
  if (!out_) return -1;
  // The page in 0.01 mm, y downwards, turned with the page.
  width_ = std::max(unit(g.nxres * double(g.xscf)), 1);
  height_ = std::max(unit(g.nyres * double(g.xscf)), 1);
  if (g.ipgmod == 1) std::swap(width_, height_);
  record(kSetMapMode, {1});       // logical units are device units
  record(kSetBkMode, {1});        // transparent
  record(kSetPolyFillMode, {1});  // alternate (even-odd)
  colour_ = Rgb{0, 0, 0};
  selectNew(0, colour_);
  selectNew(1, colour_);
  // The page starts in colour 0 unless the screen mode asks for none.
  if (g.inoers != 2) fillRect(0, 0, width_, height_, colourRgb(0));
  return 0;
}

void EmfDevice::record(uint32_t type, const std::vector<uint32_t>& params) {
  le32(records_, type);
  le32(records_, 8 + 4 * uint32_t(params.size()));
  for (uint32_t p : params) le32(records_, p);
  ++count_;
}

// Polyline or polygon: bounds, count and the points.
void EmfDevice::points(uint32_t type, const int32_t* x, const int32_t* y, int n) {
  le32(records_, type);
  le32(records_, 28 + 8 * uint32_t(n));
  bounds(records_, x, y, n);
  le32(records_, uint32_t(n));
  for (int i = 0; i < n; ++i) {
    le32(records_, uint32_t(x[i]));
    le32(records_, uint32_t(y[i]));
  }
  ++count_;
}

// A new pen or solid brush in `rgb`: created in a free handle, selected,
// and the one it replaces deleted.  Pens are nwmflw plot units wide, as
// thin as the other vector formats' lines: a geometric pen, whose width is
// in logical units (a cosmetic one is one pixel of the viewer wide).
void EmfDevice::selectNew(int kind, Rgb rgb) {
  uint32_t h = 1;
  while (used_[h]) ++h;  // three slots: at most two are ever in use
  if (kind == 0) {
    const double w = std::max(zanglb.nwmflw, 0) * double(zanglb.xscf);
    record(kCreatePen, {h, kGeometricSolid, uint32_t(std::max(unit(w), 1)), 0, colorRef(rgb)});
  } else {
    record(kCreateBrush, {h, 0 /* solid */, colorRef(rgb), 0});
  }
  used_[h] = true;
  record(kSelectObject, {h});
  if (handle_[kind] != 0) {
    record(kDeleteObject, {handle_[kind]});
    used_[handle_[kind]] = false;
  }
  handle_[kind] = h;
  if (kind == 0) penOn_ = true;
}

void EmfDevice::writeThinPath() {
  path_.flush(polyline());
}

void EmfDevice::move(double x, double y) {
  if (wide_.wide()) return wide_.move(x, y, fillWide());
  path_.move(unit(x), unit(y), polyline());
}

void EmfDevice::draw(double x, double y) {
  if (wide_.wide()) return wide_.draw(x, y, fillWide());
  if (!penOn_) {
    path_.flush(polyline());
    penOn();
  }
  path_.draw(unit(x), unit(y), polyline());
}

void EmfDevice::flush() { writePath(); }

void EmfDevice::colour(Rgb rgb, int32_t) {
  if (rgb.r == colour_.r && rgb.g == colour_.g && rgb.b == colour_.b) return;
  writePath();
  colour_ = rgb;
  selectNew(0, rgb);
  selectNew(1, rgb);
}

// Filled areas have no outline: the pen would widen them by half its
// width.  The pen comes back with the next line.
void EmfDevice::penOff() {
  if (!penOn_) return;
  record(kSelectObject, {kNullPen});
  penOn_ = false;
}

void EmfDevice::penOn() {
  if (penOn_) return;
  record(kSelectObject, {handle_[0]});
  penOn_ = true;
}

void EmfDevice::fillPolygon(const double* x, const double* y, int n) {
  const int counts[1] = {n};
  fillRings(x, y, counts, 1);
}

void EmfDevice::fillRings(const double* x, const double* y, const int* counts, int nrings) {
  std::vector<int32_t> xs, ys, ns;
  int at = 0;
  for (int k = 0; k < nrings; ++k) {
    const int n = counts[k];
    if (n >= 3) {
      for (int i = at; i < at + n; ++i) {
        xs.push_back(unit(x[i]));
        ys.push_back(unit(y[i]));
      }
      ns.push_back(n);
    }
    at += std::max(n, 0);
  }
  if (ns.empty()) return;
  path_.flush(polyline());
  penOff();
  if (ns.size() == 1) return points(kPolygon, xs.data(), ys.data(), ns[0]);
  // Several rings in one record, filled together by the even-odd rule.
  const uint32_t total = uint32_t(xs.size());
  le32(records_, kPolyPolygon);
  le32(records_, 32 + 4 * uint32_t(ns.size()) + 8 * total);
  bounds(records_, xs.data(), ys.data(), int(total));
  le32(records_, uint32_t(ns.size()));
  le32(records_, total);
  for (int32_t n : ns) le32(records_, uint32_t(n));
  for (uint32_t i = 0; i < total; ++i) {
    le32(records_, uint32_t(xs[i]));
    le32(records_, uint32_t(ys[i]));
  }
  ++count_;
}

void EmfDevice::fillRect(double x1, double y1, double x2, double y2, Rgb rgb) {
  const Rgb keep = colour_;
  colour(rgb, 0);
  const double x[4] = {x1, x2, x2, x1}, y[4] = {y1, y1, y2, y2};
  fillPolygon(x, y, 4);
  colour(keep, 0);
}

// A picture whose rows run along the page's x axis and columns down its
// y axis becomes one device-independent bitmap stretched over its place:
// 24 bits per pixel, blue first, rows bottom-up and padded to four bytes.
// Turned or mirrored placements are left to the caller (filled cells).
bool EmfDevice::image(const ImageCorners& at, const uint8_t* rgb, int pw, int ph) {
  const int32_t x0 = unit(at.ulx), y0 = unit(at.uly), x1 = unit(at.urx), y1 = unit(at.lly);
  if (pw < 1 || ph < 1 || unit(at.ury) != y0 || unit(at.llx) != x0 || x1 <= x0 || y1 <= y0)
    return false;
  const uint64_t rowBytes = (uint64_t(pw) * 3 + 3) / 4 * 4;
  const uint64_t bits = rowBytes * uint64_t(ph);
  if (bits > (uint64_t(1) << 30)) return false;
  writePath();
  le32(records_, kStretchDibits);
  le32(records_, uint32_t(120 + bits));
  for (int32_t v : {x0, y0, x1 - 1, y1 - 1}) le32(records_, uint32_t(v));
  for (int32_t v : {x0, y0, 0, 0, pw, ph}) le32(records_, uint32_t(v));  // destination, source
  for (uint32_t v : {80u, 40u, 120u, uint32_t(bits), 0u /* RGB colours */, 0x00CC0020u /* copy */})
    le32(records_, v);
  le32(records_, uint32_t(x1 - x0));
  le32(records_, uint32_t(y1 - y0));
  for (uint32_t v : {40u, uint32_t(pw), uint32_t(ph)}) le32(records_, v);
  putLe16(records_, 1);   // planes
  putLe16(records_, 24);  // bits per pixel
  for (uint32_t v : {0u, uint32_t(bits), 0u, 0u, 0u, 0u}) le32(records_, v);
  for (int y = ph - 1; y >= 0; --y) {
    const uint8_t* p = rgb + uint64_t(y) * uint64_t(pw) * 3;
    for (int x = 0; x < pw; ++x, p += 3) {
      records_.push_back(p[2]);
      records_.push_back(p[1]);
      records_.push_back(p[0]);
    }
    records_.resize(records_.size() + std::size_t(rowBytes - uint64_t(pw) * 3), 0);
  }
  ++count_;
  return true;
}

int EmfDevice::finish() {
  writePath();
  record(kEof, {0, 16, 20});  // no palette; the record's own size last
  const uint32_t total = kHeaderBytes + uint32_t(records_.size());
  // The header: bounds in device pixels and the frame in 0.01 mm (the
  // same here, both inclusive), signature, version, sizes and counts, the
  // reference device (one pixel per 0.01 mm), no pixel format, no OpenGL,
  // the device in micrometres and the description.
  std::vector<uint8_t> h;
  le32(h, kHeader);
  le32(h, kHeaderBytes);
  for (int k = 0; k < 2; ++k)
    for (int32_t v : {0, 0, width_ - 1, height_ - 1}) le32(h, uint32_t(v));
  le32(h, 0x464D4520u);  // " EMF"
  le32(h, 0x00010000u);
  le32(h, total);
  le32(h, count_ + 1);
  putLe16(h, kHandles);
  putLe16(h, 0);
  le32(h, kDescriptionChars);
  le32(h, 108);  // the description follows the extensions
  le32(h, 0);    // palette entries
  le32(h, uint32_t(width_));
  le32(h, uint32_t(height_));
  le32(h, uint32_t(std::max(unit(width_ / 100.0), 1)));
  le32(h, uint32_t(std::max(unit(height_ / 100.0), 1)));
  le32(h, 0);
  le32(h, 0);
  le32(h, 0);
  le32(h, uint32_t(std::min<int64_t>(int64_t(width_) * 10, UINT32_MAX)));
  le32(h, uint32_t(std::min<int64_t>(int64_t(height_) * 10, UINT32_MAX)));
  for (uint32_t i = 0; i < kDescriptionChars; ++i) putLe16(h, uint8_t(kDescription[i]));
  out_->write(h.data(), h.size());
  out_->write(records_.data(), records_.size());
  const bool ok = out_->close();
  out_.reset();
  // A file the writer could not finish is unreadable: it is removed.
  if (!ok) std::remove(zanglb.cfil.str().c_str());
  wrote_ = ok;
  return ok ? 0 : -1;
}

}  // namespace zantor

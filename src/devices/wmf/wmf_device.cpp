#include "devices/wmf/wmf_device.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/state.h"
#include "devices/little_endian.h"

namespace zantor {
namespace {

std::unique_ptr<Sink> (*sinkFactory)(const char*) = nullptr;

// Record functions of the 16-bit metafile.
enum : uint16_t {
  kEof = 0x0000, kSetMapMode = 0x0103, kSetPolyFillMode = 0x0106, kSelectObject = 0x012D,
  kDeleteObject = 0x01F0, kSetWindowOrg = 0x020B, kSetWindowExt = 0x020C,
  kCreatePen = 0x02FA, kCreateBrush = 0x02FC, kPolygon = 0x0324, kPolyline = 0x0325,
};

void le16(std::vector<uint8_t>& b, int v) { putLe16(b, uint32_t(v)); }
void le32(std::vector<uint8_t>& b, uint32_t v) { putLe32(b, v); }

int16_t twip(double v) { return int16_t(std::clamp(std::lround(v), -32768L, 32767L)); }

}  // namespace

void setWmfSinkFactory(std::unique_ptr<Sink> (*factory)(const char*)) { sinkFactory = factory; }

DeviceCaps WmfDevice::caps() const {
  DeviceCaps c;
  c.fillPolygon = true;
  c.fillRect = true;
  c.hwLineWidth = true;  // as filled outlines
  return c;
}

int WmfDevice::start() {
  const Zanglb& g = zanglb;
  const std::string path = g.cfil.str();
  out_ = openOutputSink(path, sinkFactory);
  if (!out_) return -1;
  // The page in twips, y downwards; width and height exchanged when the
  // page is turned.
  width_ = int(std::min(std::lround(g.nxres * g.xscf), 32767L));
  height_ = int(std::min(std::lround(g.nyres * g.xscf), 32767L));
  if (g.ipgmod == 1) std::swap(width_, height_);
  record(kSetMapMode, {8});  // anisotropic: the window maps to the frame
  record(kSetWindowOrg, {0, 0});
  record(kSetWindowExt, {height_, width_});
  record(kSetPolyFillMode, {1});  // alternate (even-odd)
  colour_ = Rgb{0, 0, 0};
  selectNew(0, colour_);
  selectNew(1, colour_);
  return 0;
}

void WmfDevice::record(uint16_t function, const std::vector<int>& params) {
  const uint32_t words = 3 + uint32_t(params.size());
  le32(records_, words);
  le16(records_, function);
  for (int p : params) le16(records_, p);
  maxRecord_ = std::max(maxRecord_, words);
}

void WmfDevice::points(uint16_t function, const int16_t* x, const int16_t* y, int n) {
  const uint32_t words = 3 + 1 + 2 * uint32_t(n);
  le32(records_, words);
  le16(records_, function);
  le16(records_, n);
  for (int i = 0; i < n; ++i) {
    le16(records_, x[i]);
    le16(records_, y[i]);
  }
  maxRecord_ = std::max(maxRecord_, words);
}

// A new pen (width nwmflw, solid) or solid brush in `rgb`: created in the
// lowest free object slot, selected, and the one it replaces deleted.
void WmfDevice::selectNew(int kind, Rgb rgb) {
  int slot = 0;
  while (used_[slot]) ++slot;  // three slots: at most two are ever in use
  const int lo = rgb.r | rgb.g << 8, hi = rgb.b;
  if (kind == 0) record(kCreatePen, {0, std::max(zanglb.nwmflw, 0), 0, lo, hi});
  else record(kCreateBrush, {0, lo, hi, 0});
  used_[slot] = true;
  record(kSelectObject, {slot});
  if (slot_[kind] >= 0) {
    record(kDeleteObject, {slot_[kind]});
    used_[slot_[kind]] = false;
  }
  slot_[kind] = slot;
}

void WmfDevice::writeThinPath() {
  path_.flush(polyline());
}

void WmfDevice::move(double x, double y) {
  if (wide_.wide()) return wide_.move(x, y, fillWide());
  path_.move(twip(x), twip(y), polyline());
}

void WmfDevice::draw(double x, double y) {
  if (wide_.wide()) return wide_.draw(x, y, fillWide());
  path_.draw(twip(x), twip(y), polyline());
}

void WmfDevice::flush() { writePath(); }

void WmfDevice::colour(Rgb rgb, int32_t) {
  if (rgb.r == colour_.r && rgb.g == colour_.g && rgb.b == colour_.b) return;
  writePath();
  colour_ = rgb;
  selectNew(0, rgb);
  selectNew(1, rgb);
}

void WmfDevice::fillPolygon(const double* x, const double* y, int n) {
  if (n < 3) return;
  writePath();
  n = std::min(n, 8000);  // a record must stay below 32 K words
  std::vector<int16_t> xs(static_cast<std::size_t>(n)), ys(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) {
    xs[std::size_t(i)] = twip(x[i]);
    ys[std::size_t(i)] = twip(y[i]);
  }
  points(kPolygon, xs.data(), ys.data(), n);
}

void WmfDevice::fillRect(double x1, double y1, double x2, double y2, Rgb rgb) {
  const Rgb keep = colour_;
  colour(rgb, 0);
  const double x[4] = {x1, x2, x2, x1}, y[4] = {y1, y1, y2, y2};
  fillPolygon(x, y, 4);
  colour(keep, 0);
}

int WmfDevice::finish() {
  writePath();
  record(kEof, {});
  std::vector<uint8_t> head;
  if (zanglb.iwmffm == 1) {
    // Placeable header: key, handle 0, bounding box, twips per inch,
    // reserved, and the XOR of the ten words before the checksum.
    std::vector<uint8_t> p;
    le32(p, 0x9AC6CDD7u);
    le16(p, 0);
    le16(p, 0);
    le16(p, 0);
    le16(p, width_);
    le16(p, height_);
    le16(p, 1440);
    le32(p, 0);
    int sum = 0;
    for (std::size_t i = 0; i < p.size(); i += 2) sum ^= p[i] | p[i + 1] << 8;
    le16(p, sum);
    head = p;
  }
  const uint32_t totalWords = 9 + uint32_t(records_.size() / 2);
  le16(head, 1);       // in memory (no embedded file name)
  le16(head, 9);       // header words
  le16(head, 0x0300);  // version 3
  le32(head, totalWords);
  le16(head, 3);  // objects: pen, brush and one being replaced
  le32(head, maxRecord_);
  le16(head, 0);
  out_->write(head.data(), head.size());
  out_->write(records_.data(), records_.size());
  const bool ok = out_->close();
  out_.reset();
  // A file the writer could not finish is unreadable: it is removed.
  if (!ok && !sinkFactory) std::remove(zanglb.cfil.str().c_str());
  wrote_ = ok;
  return ok ? 0 : -1;
}

}  // namespace zantor

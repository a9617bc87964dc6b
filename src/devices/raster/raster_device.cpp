#include "devices/raster/raster_device.h"

#include <cmath>
#include <cstdio>
#include <vector>

#include "core/state.h"
#include "core/warnings.h"
#include "devices/files.h"
#include "devices/gif/gif_writer.h"
#include "devices/tiff/tiff_writer.h"
#include "devices/raster/image_files.h"
#include "devices/raster/raster.h"

namespace zantor {
namespace {

RasterSinkFactory sinkFactory;

// Device coordinates arrive rounded; far-away or invalid values are
// clamped so that the integer stepping stays defined.
int pixel(double v) {
  constexpr double kFar = 1 << 28;
  if (!(v > -kFar)) return -(1 << 28);
  if (v > kFar) return 1 << 28;
  return int(std::floor(v + 0.5));
}

std::unique_ptr<Sink> openSink(const std::string& path) {
  if (sinkFactory) return sinkFactory(path);
  return std::make_unique<FileSink>(path);
}

}  // namespace

void setRasterSinkFactory(RasterSinkFactory factory) { sinkFactory = std::move(factory); }

RasterContext* activeRaster() {
  const int dev = zanglb.ndev;
  if (dev < 601 || dev > 700 || !virtualRaster().allocated()) return nullptr;
  return &virtualRaster();
}

RasterDevice::RasterDevice(int code) : raster_(&virtualRaster()), code_(code) {}
RasterDevice::RasterDevice(int code, RasterContext& raster) : raster_(&raster), code_(code) {}

RasterDevice::~RasterDevice() {
  // A plot that never reached finish (zanini failed later on) keeps nothing.
  if (!finished_ && code_ != 603) raster_->qqvfin();
}

DeviceCaps RasterDevice::caps() const {
  DeviceCaps c;
  c.fillPolygon = true;
  c.fillRect = true;
  c.hwLineWidth = true;  // thick lines are drawn by the raster itself
  c.hwClip = true;
  c.hwText = true;  // glyphs of outline fonts
  return c;
}

int RasterDevice::start() { return startRaster(*raster_); }

int RasterDevice::startRaster(RasterContext& r) {
  const Zanglb& g = zanglb;
  const bool trueColour = g.imagfm == 1 || code_ == 605;
  if (r.qqvini(g.nwwind, g.nhwind, trueColour, g.inoers == 2) != 0) return -2;
  // Thin lines of true-colour pictures are antialiased; indexed pictures
  // cannot blend, so they keep the plain lines.
  r.setAntialias(trueColour);
  // Until the colour model hands over its table: a grey ramp, black at 0
  // and white at 255 like the default tables.
  for (int i = 0; i < 256; ++i) r.setTableEntry(i, uint8_t(i), uint8_t(i), uint8_t(i));
  r.qqvclr(0);
  return 0;
}

void RasterDevice::move(double x, double y) { raster_->qqvdrw(pixel(x), pixel(y), 3); }
void RasterDevice::draw(double x, double y) { raster_->qqvdrw(pixel(x), pixel(y), 2); }
void RasterDevice::flush() { raster_->flush(); }

void RasterDevice::colour(Rgb rgb, int32_t value) {
  RasterContext& r = *raster_;
  // An index arrives with the RGB the colour model resolved for it: keep
  // the raster's table in step, so files get the palette actually used.
  if ((static_cast<uint32_t>(value) >> 24) != 1) r.setTableEntry(value & 255, rgb.r, rgb.g, rgb.b);
  r.qqvclr(value);
}

void RasterDevice::colourTable(const int32_t* table, int sizeMode) {
  raster_->qqvvlt(sizeMode, table);
}

// Widths arrive in plot units; the raster draws them in pixels.
void RasterDevice::lineWidth(double w) {
  const double px = w * zanglb.xscf;
  raster_->setLineWidth(px < 1.5 ? 1 : pixel(px));
}

// Cap "ROUN" gives round points and caps; "CUT" and "LONG" square points.
void RasterDevice::lineCap(int c) { raster_->setLineCap(c); }
void RasterDevice::lineJoin(int j) { raster_->setLineJoin(j); }
void RasterDevice::miterLimit(double m) { raster_->setMiterLimit(m); }

void RasterDevice::clipRect(double x1, double y1, double x2, double y2) {
  raster_->setClip(pixel(x1), pixel(y1), pixel(x2), pixel(y2));
}

void RasterDevice::clipReset() {
  RasterContext& r = *raster_;
  r.flush();
  r.resetClip();
}

void RasterDevice::fillPolygon(const double* x, const double* y, int n) {
  int status = 0;
  raster_->qqvpol(x, y, n, status);
}

void RasterDevice::fillRings(const double* x, const double* y, const int* counts, int nrings) {
  raster_->fillRings(x, y, counts, nrings);
}

void RasterDevice::fillRect(double x1, double y1, double x2, double y2, Rgb rgb) {
  const int32_t value = int32_t(0x01000000u | uint32_t(rgb.b) << 16 | uint32_t(rgb.g) << 8 | rgb.r);
  raster_->qqvfll(pixel(x1), pixel(y1), pixel(x2), pixel(y2), value);
}

bool RasterDevice::cellImage(const ImagePlacement& at, const int32_t* cells, int w, int h) {
  raster_->qqvimg(at, cells, w, h);
  return true;
}

int RasterDevice::depthBuffer(int mode) { return raster_->qqvzbf(mode); }

void RasterDevice::depthTriangle(const double* x, const double* y, const double* z,
                                 const int32_t* colour) {
  raster_->qqvztr(x, y, z, colour);
}

void RasterDevice::depthLine(double x0, double y0, double z0, double x1, double y1, double z1) {
  raster_->qqvzln(x0, y0, z0, x1, y1, z1);
}

void RasterDevice::erase() { raster_->qqvers(); }

int RasterDevice::finish() {
  finished_ = true;
  RasterContext& r = *raster_;
  r.flush();
  if (code_ == 603) return 0;  // VIRT keeps its raster until the next zanini
  Zanglb& g = zanglb;
  if (int status = gfilnn(g.cfil); status != 0) {
    qqserr(gfilnnMessage(status));
    warnin(status);
    r.qqvfin();
    return 0;
  }
  const int kind = code_ - 600;
  const std::string path = g.cfil.str();
  std::unique_ptr<Sink> out = openSink(path);
  const ImageSource src = rasterSource(r);
  int status = 0;
  switch (kind) {
    case 2: {
      const int s = writeImag(*out, src, "VIRT ");
      status = s == 0 ? kImageOk : s == 2 ? kImageMemory : kImageIo;
      break;
    }
    case 1: status = writeTiff(*out, src, g.itifrs, g.itifmd); break;
    case 4: status = writePng(*out, src, g.ipngtr == 1); break;
    case 7: {
      // The background of an indexed picture is its colour index; a
      // true-colour picture has the blank raster's colour, found again in
      // the quantised palette.
      const bool explicitBg = (uint32_t(g.nbgclr) >> 24) == 1;
      const uint32_t blank = g.inoers == 2 ? 0xFFFFFFu : 0u;
      status = writeGif(*out, src, explicitBg ? 0 : g.nbgclr & 255, g.igiftr == 1,
                        src.rgb ? int64_t(blank) : -1);
      break;
    }
    case 5: status = writePpm(*out, src); break;
    case 6: status = writeBmp(*out, src, g.ibmprs); break;
    default: break;
  }
  if (!out->close() && status == 0) status = kImageIo;
  // A file the writer could not finish is unreadable: it is removed.
  if (status != 0 && !sinkFactory) std::remove(path.c_str());
  r.qqvfin();
  if (status == kImageIo) warnin(36);
  else if (status == kImageMemory) warnin(53);
  else if (status != 0) qqerror(126, "ZLIB error");
  wrote_ = status == 0;
  return 0;
}

}  // namespace zantor

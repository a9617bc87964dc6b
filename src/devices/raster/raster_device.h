// The raster devices 601..607 (TIFF, IMAG, VIRT, PNG, PPM, BMP, GIF): the
// writer draws into the virtual raster and, at zanfin, writes the picture
// as a file of the kind code - 600.
#pragma once
#include <functional>
#include <memory>
#include <string>

#include "devices/device.h"
#include "devices/sink.h"

namespace zantor {

class RasterContext;

class RasterDevice : public Device {
 public:
  explicit RasterDevice(int code);
  // A writer drawing into another context (the back-up image of a window);
  // the context must outlive the writer.
  RasterDevice(int code, RasterContext& raster);
  ~RasterDevice() override;
  DeviceCaps caps() const override;
  // Creates the framebuffer: 0, or -2 when it cannot be allocated.
  int start() override;
  void move(double x, double y) override;
  void draw(double x, double y) override;
  void flush() override;
  void colour(Rgb rgb, int32_t value) override;
  void colourTable(const int32_t* table, int sizeMode) override;
  void lineWidth(double w) override;
  void lineCap(int c) override;
  void lineJoin(int j) override;
  void miterLimit(double m) override;
  void clipRect(double x1, double y1, double x2, double y2) override;
  void clipReset() override;
  void fillPolygon(const double* x, const double* y, int n) override;
  void fillRings(const double* x, const double* y, const int* counts, int nrings) override;
  void fillRect(double x1, double y1, double x2, double y2, Rgb rgb) override;
  bool cellImage(const ImagePlacement& at, const int32_t* cells, int w, int h) override;
  // A hardware character drawn from the outline font of the text.
  void character(const DeviceChar& c) override;
  int depthBuffer(int mode) override;
  void depthTriangle(const double* x, const double* y, const double* z,
                     const int32_t* colour) override;
  void depthLine(double x0, double y0, double z0, double x1, double y1, double z1) override;
  void erase() override;
  // Writes the file (issuing its warnings itself) and releases the raster,
  // except for VIRT, which keeps it for the pixel routines.
  int finish() override;
  bool wroteFile() const override { return wrote_; }

 protected:
  RasterContext& raster() { return *raster_; }
  // Creates the framebuffer of `r` for this plot: 0, or -2.
  int startRaster(RasterContext& r);
  // Draws from now on into `r` (a window of several keeps one each).
  void useRaster(RasterContext& r) { raster_ = &r; }

 private:
  RasterContext* raster_;
  int code_;
  bool wrote_ = false;
  bool finished_ = false;
};

// Tests: the sink every following raster file is written to (a FaultSink
// for "disk full"); an empty function restores plain files.
using RasterSinkFactory = std::function<std::unique_ptr<Sink>(const std::string& path)>;
void setRasterSinkFactory(RasterSinkFactory factory);

// The raster of the current plot (or the one VIRT kept), or null when the
// device is not a raster device or no framebuffer exists.
RasterContext* activeRaster();

}  // namespace zantor

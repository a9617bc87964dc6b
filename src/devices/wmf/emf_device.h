// Enhanced Windows metafiles ("EMF "): 32-bit records in units of 0.01 mm
// on a reference device whose pixels are that size, so that logical,
// device and frame units agree and no mapping records are needed.  Like
// the WMF writer it opens its own file at zanini and writes the whole
// metafile at zanfin, when the header's sizes and counts are known.
#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "devices/device.h"
#include "devices/path_buffer.h"
#include "devices/sink.h"
#include "devices/wide_lines.h"

namespace zantor {

class EmfDevice : public OutlinedLineDevice {
 public:
  DeviceCaps caps() const override;
  int start() override;
  void move(double x, double y) override;
  void draw(double x, double y) override;
  void flush() override;
  void colour(Rgb rgb, int32_t value) override;
  void fillPolygon(const double* x, const double* y, int n) override;
  void fillRings(const double* x, const double* y, const int* counts, int nrings) override;
  void fillRect(double x1, double y1, double x2, double y2, Rgb rgb) override;
  bool image(const ImageCorners& at, const uint8_t* rgb, int pw, int ph) override;
  int finish() override;
  bool wroteFile() const override { return wrote_; }

 private:
  void record(uint32_t type, const std::vector<uint32_t>& params);
  void points(uint32_t type, const int32_t* x, const int32_t* y, int n);
  void selectNew(int kind, Rgb rgb);  // kind 0 pen, 1 brush
  void writeThinPath() override;
  void penOff();
  void penOn();
  std::unique_ptr<Sink> out_;
  std::vector<uint8_t> records_;
  uint32_t count_ = 0;  // records written, the header and EOF not included
  uint32_t handle_[2] = {0, 0};  // object handles of the current pen and brush
  bool used_[4] = {true, false, false, false};  // handle 0 is the metafile's own
  bool penOn_ = false;  // the pen, not the stock null pen, is selected
  Rgb colour_;
  auto polyline() {
    return [this](const int32_t* x, const int32_t* y, int n) { points(4 /* polyline */, x, y, n); };
  }
  BasicPathBuffer<int32_t> path_;
  int32_t width_ = 0, height_ = 0;
  bool wrote_ = false;
};

// Tests: the sink every following EMF file is written to.
void setEmfSinkFactory(std::unique_ptr<Sink> (*factory)(const char* path));

}  // namespace zantor

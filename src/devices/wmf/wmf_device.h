// Windows metafiles ("WMF "): 16-bit records in twips of the page, with an
// optional placeable header (wmfmod "PLAC").  The writer opens its own file
// at zanini and writes the whole metafile at zanfin, when the sizes that
// its header records are known.
#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "devices/device.h"
#include "devices/path_buffer.h"
#include "devices/wide_lines.h"
#include "devices/sink.h"

namespace zantor {

class WmfDevice : public OutlinedLineDevice {
 public:
  DeviceCaps caps() const override;
  int start() override;  // qqwmf1
  void move(double x, double y) override;
  void draw(double x, double y) override;
  void flush() override;
  void colour(Rgb rgb, int32_t value) override;  // qqwmf3
  void fillPolygon(const double* x, const double* y, int n) override;
  void fillRect(double x1, double y1, double x2, double y2, Rgb rgb) override;
  int finish() override;  // qqwmf2
  bool wroteFile() const override { return wrote_; }

 private:
  void record(uint16_t function, const std::vector<int>& params);
  void points(uint16_t function, const int16_t* x, const int16_t* y, int n);
  void selectNew(int kind, Rgb rgb);  // kind 0 pen, 1 brush
  void writeThinPath() override;
  std::unique_ptr<Sink> out_;
  std::vector<uint8_t> records_;
  uint32_t maxRecord_ = 0;  // words of the longest record
  int slot_[2] = {-1, -1};  // object slots of the current pen and brush
  bool used_[3] = {false, false, false};
  Rgb colour_;
  auto polyline() {
    return [this](const int16_t* x, const int16_t* y, int n) { points(0x0325 /* polyline */, x, y, n); };
  }
  PathBuffer path_;
  // Thick lines: filled outlines.
  int width_ = 0, height_ = 0;
  bool wrote_ = false;
};

// Tests: the sink every following WMF file is written to.
void setWmfSinkFactory(std::unique_ptr<Sink> (*factory)(const char* path));

}  // namespace zantor

// The trace device records the operation stream of a plot as text lines,
// one per call of a writer slot.  It is the smallest writer and the engine
// of the tests that need no file format:
//   installTraceDevice(); zanini_(); line_(...); zanfin_(); traceLines()
#pragma once
#include <string>
#include <vector>

#include "devices/device.h"

namespace zantor {

class TraceDevice : public Device {
 public:
  explicit TraceDevice(DeviceCaps caps, std::vector<std::string>* out)
      : caps_(caps), out_(out) {}
  DeviceCaps caps() const override { return caps_; }
  int start() override;
  void move(double x, double y) override;
  void draw(double x, double y) override;
  void flush() override;
  void colour(Rgb rgb, int32_t value) override;
  void lineWidth(double w) override;
  void lineJoin(int j) override;
  void lineCap(int c) override;
  void miterLimit(double m) override;
  void clipRect(double x1, double y1, double x2, double y2) override;
  void clipReset() override;
  void fillPolygon(const double* x, const double* y, int n) override;
  void fillRect(double x1, double y1, double x2, double y2, Rgb rgb) override;
  void newPage() override;
  void erase() override;
  int finish() override;
  bool wroteFile() const override { return false; }

 private:
  void add(std::string s) { out_->push_back(std::move(s)); }
  DeviceCaps caps_;
  std::vector<std::string>* out_;
};

// Every following plot (whatever device metafl chose) is traced; the device
// code, page and scale still come from that device.  Returns the lines of
// the current trace, cleared by each zanini.
void installTraceDevice(DeviceCaps caps = {});
const std::vector<std::string>& traceLines();

}  // namespace zantor

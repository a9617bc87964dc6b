// The IPE writer (device 802): an XML drawing of one page with one layer
// "alpha".  Polylines are <path> elements of move and line operators,
// filled areas paths with a fill colour and the even-odd rule, hardware
// characters <text> labels.  Coordinates are points, y upwards.
#pragma once
#include <string>
#include <string_view>

#include "devices/device.h"
#include "devices/polyline_batch.h"

namespace zantor {

class IpeDevice : public Device {
 public:
  DeviceCaps caps() const override;
  int start() override;
  void move(double x, double y) override;
  void draw(double x, double y) override;
  void flush() override;
  void colour(Rgb rgb, int32_t value) override;
  void lineWidth(double w) override;
  void clipRect(double x1, double y1, double x2, double y2) override;
  void clipReset() override;
  void fillPolygon(const double* x, const double* y, int n) override;
  void fillRect(double x1, double y1, double x2, double y2, Rgb rgb) override;
  bool image(const ImageCorners& at, const uint8_t* rgb, int pw, int ph) override;
  void character(const DeviceChar& c) override;
  int finish() override;

 private:
  void writePath(const double* x, const double* y, int n);
  auto writer() {
    return [this](const double* x, const double* y, int n) { writePath(x, y, n); };
  }
  void emit(std::string_view line);  // one line of the page
  void pathPoint(double x, double y, const char* op);
  void filledPath(const double* x, const double* y, int n, Rgb rgb);

  bool clip_ = false;   // a clipping group is open
  double width_ = 1.0;  // points
  double thin_ = 1.0;   // the width at the start
  Rgb colour_{};
  PolylineBatch batch_;
  std::string line_;
  std::string page_;     // the page's lines, written at the end
  std::string bitmaps_;  // the bitmaps of its images, written before it
  int bitmapCount_ = 0;
};

// "r g b" with each component / 255 and three decimals.
std::string ipeColour(Rgb c);

}  // namespace zantor

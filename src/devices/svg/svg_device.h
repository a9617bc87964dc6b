// The SVG writer (device 801): an SVG 1.0 text file of whole lines.  Lines
// are grouped into <g> elements carrying stroke colour and width, hardware
// characters are <text> elements inside a font group, rectangles and
// polygons are filled elements, images embedded PNG pictures.
// Coordinates are pixels of the picture size, y downwards.
#pragma once
#include <string>

#include "devices/device.h"
#include "devices/polyline_batch.h"

namespace zantor {

class SvgDevice : public Device {
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
  void startRect(double x1, double y1, double x2, double y2);
  void writePath(const double* x, const double* y, int n);
  auto writer() {
    return [this](const double* x, const double* y, int n) { writePath(x, y, n); };
  }
  void openLineGroup();
  void closeGroup();
  void appendPoint(double x, double y);
  std::string hex(Rgb c) const;

  // Group state: 0 none, 1 a line group, 2 a text group (font textFont_).
  int group_ = 0;
  // A clipping group (around the drawing groups) is open; clipping paths
  // are numbered through the file.
  bool clip_ = false;
  int clipCount_ = 0;
  int textFont_ = -1;
  int textSize_ = -1;
  double width_ = 1.0;  // device units
  Rgb colour_{};
  PolylineBatch batch_;
  std::string line_;
};

// "#rrggbb" of a colour (lower-case digits).
std::string svgColour(Rgb c);
// The version of the library in file headers (format F4.1).
std::string libraryVersionText();

}  // namespace zantor

// The PostScript and EPS writer: devices 501 POST, 502 PSCL, 503 EPS and
// 504 PS.  Everything after the header goes through the token-wise line
// writer qpsbuf, so no line of the file is longer than 80 characters.
#pragma once
#include <cstdint>
#include <set>
#include <string>

#include "devices/device.h"

namespace zantor {

class PostScriptDevice : public Device {
 public:
  explicit PostScriptDevice(int code) : code_(code) {}

  DeviceCaps caps() const override;
  int start() override;  // inipsc mode 0

  // drwpsc: 3 move, 2 draw, 999 flush, in device units (1/20 mm).
  void move(double x, double y) override;
  void draw(double x, double y) override;
  void flush() override;

  void colour(Rgb rgb, int32_t value) override;
  // Width in plot units that the device draws itself; 1 or less for thin
  // lines (the line pipeline thickens them in software).  The device width
  // is 2 units per plot unit, at least 5 units.
  void lineWidth(double w) override;
  void lineJoin(int j) override;
  void lineCap(int c) override;
  // The miter limit as a ratio (at least 1).
  void miterLimit(double m) override;
  void clipRect(double x1, double y1, double x2, double y2) override;
  void clipReset() override;
  void fillPolygon(const double* x, const double* y, int n) override;
  void fillRings(const double* x, const double* y, const int* counts, int nrings) override;
  void fillRect(double x1, double y1, double x2, double y2, Rgb rgb) override;
  // An image as an inline colorimage with hexadecimal samples.
  bool cellImage(const ImagePlacement& at, const int32_t* cells, int w, int h) override;
  // One character of a standard font (pschar); the font and its size are
  // selected when they change.
  void character(const DeviceChar& c) override;
  void newPage() override;
  int finish() override;  // inipsc mode 1

 private:
  static constexpr int kPathSize = 100;

  bool eps() const { return code_ == 503; }
  void writePath();
  void writeMiterLimit();
  void writeColour(Rgb rgb);
  double deviceWidth() const;
  std::string fontName(int font) const;
  void selectFont(int font, double size, double widthScale);

  int code_;
  // Path buffer of drwpsc: the pending points and the end of the last path.
  int64_t px_[kPathSize] = {}, py_[kPathSize] = {};
  int n_ = 0;
  int64_t lastX_ = 0, lastY_ = 0;

  // Attributes as the file last set them (restored after a new page).
  double width_ = 1.0;  // plot units
  int cap_ = 2, join_ = 2;
  double miter_ = 2.0;
  Rgb colour_{};
  bool haveColour_ = false;
  bool clipping_ = false;

  // Hardware text: fonts re-encoded in this file and the selected one.
  std::set<std::string> definedFonts_;
  bool vectorExtended_ = false;
  int textFont_ = -1;
  double textSize_ = 0, textScale_ = 1;
};

}  // namespace zantor

// The PDF writer (device 511): turns the device operations into content
// stream operators of the process's PDF document.  Coordinates arrive in
// points, y upwards; a landscape picture lies rotated on a portrait page
// that the viewer turns by 90 degrees.
#pragma once
#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "devices/device.h"
#include "devices/sink.h"

namespace zantor {

class PdfDevice : public Device {
 public:
  // `sink` replaces the output file (tests).
  explicit PdfDevice(std::unique_ptr<Sink> sink = nullptr) : sink_(std::move(sink)) {}

  DeviceCaps caps() const override;
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
  bool image(const ImageCorners& at, const uint8_t* rgb, int pw, int ph) override;
  bool symbol(double x, double y, const SymbolShape& shape) override;
  void character(const DeviceChar& c) override;
  void newPage() override;
  int finish() override;

 private:
  void line();  // writes scratch_ as one content line
  void endText();
  void point(double x, double y, const char* op);
  void setStroke();
  void setFill(Rgb c);
  void writeWidth();
  void applyClip();
  void restoreAfterClip();
  void background();
  int symbolForm(const SymbolShape& shape);

  std::unique_ptr<Sink> sink_;
  std::string scratch_;
  // Path state: 0 nothing pending, 3 after a move, 2 after a draw.
  int pending_ = 0;
  bool pathOpen_ = false;
  double mx_ = 0, my_ = 0;   // the point moved to
  struct GridPoint {
    int64_t x = 0, y = 0;  // hundredths of a point
  };
  void writeGrid(const GridPoint& p, const char* op);
  GridPoint written_;   // the last point written to the path
  GridPoint tail_;      // a drawn point not yet written (end of a straight run)
  bool hasTail_ = false;
  bool haveLast_ = false;  // written_ holds the end of an earlier path
  bool textOpen_ = false;
  int textFont_ = -1;
  double textSize_ = -1, textScale_ = -1;

  Rgb colour_{0, 0, 0};
  int strokeSet_ = -1, fillSet_ = -1;  // 0xRRGGBB as last written, -1 none
  double width_ = 1.0;
  int cap_ = 2, join_ = 2;
  double miter_ = -1;
  bool clip_ = false;
  double clip_x1_ = 0, clip_y1_ = 0, clip_x2_ = 0, clip_y2_ = 0;
  double pageW_ = 0, pageH_ = 0;

  // Marker symbols as form objects: the form of each drawing, and the
  // shape last placed with its form (markers of a curve repeat one shape).
  std::map<std::string, int> forms_;
  SymbolShape lastShape_;
  int lastForm_ = 0;
};

}  // namespace zantor

// Thick lines of vector writers that fill polygons but have no line width
// of their own (CGM, WMF, EMF): the polyline is collected in device units and
// handed out as the filled pieces of its outline.  The output grows with
// the number of points, not with the width, where stroking the width in
// software writes one line per plot unit of width.
#pragma once
#include <functional>
#include <vector>

#include "devices/device.h"
#include "devices/stroke_outline.h"

namespace zantor {

class WideLines {
 public:
  using Fill = std::function<void(const double* x, const double* y, int n)>;

  // Width in device units; 0 or lines of at most kThin units stay lines.
  static constexpr double kThin = 1.5;
  void setWidth(double w) { style_.width = w; }
  void setJoin(int j) { style_.join = j; }
  void setCap(int c) { style_.cap = c; }
  void setMiterLimit(double m) { style_.miterLimit = m; }
  bool wide() const { return style_.width > kThin; }

  // The polyline in progress: a move starts a new one (the previous one
  // is filled first), a draw continues it.
  void move(double x, double y, const Fill& fill);
  void draw(double x, double y, const Fill& fill);
  // Fills the pending polyline.
  void flush(const Fill& fill);

 private:
  StrokeStyle style_;
  std::vector<double> x_, y_;
};

// A writer of such a format: thin lines go to its polyline, thick ones
// to filled pieces of its polygon.
class OutlinedLineDevice : public Device {
 public:
  void lineWidth(double w) override;
  void lineJoin(int j) override { wide_.setJoin(j); }
  void lineCap(int c) override { wide_.setCap(c); }
  void miterLimit(double m) override { wide_.setMiterLimit(m); }

 protected:
  // Writes the thin polyline collected so far.
  virtual void writeThinPath() = 0;
  // Ends the line in progress, thick or thin.
  void writePath();
  WideLines::Fill fillWide();
  WideLines wide_;
};

}  // namespace zantor

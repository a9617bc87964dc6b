#include "devices/wide_lines.h"

#include <algorithm>
#include <cmath>

#include "core/state.h"

namespace zantor {
namespace {

constexpr double kPi = 3.14159265358979323846;

class FillSink : public OutlineSink {
 public:
  explicit FillSink(const WideLines::Fill& fill) : fill_(fill) {}
  void addContour(const double* x, const double* y, int n) override { fill_(x, y, n); }
  // A disc as a polygon whose edge departs from the circle by at most
  // about a quarter of a device unit (8 to 64 corners).
  void addDisc(double cx, double cy, double r) override {
    if (!(r > 0)) return;
    const int n = std::clamp(static_cast<int>(std::ceil(kPi / std::acos(std::max(0.0, 1 - 0.25 / r)))), 8, 64);
    double x[64], y[64];
    for (int i = 0; i < n; ++i) {
      x[i] = cx + r * std::cos(2 * kPi * i / n);
      y[i] = cy + r * std::sin(2 * kPi * i / n);
    }
    fill_(x, y, n);
  }

 private:
  const WideLines::Fill& fill_;
};

}  // namespace

void WideLines::move(double x, double y, const Fill& fill) {
  flush(fill);
  x_.push_back(x);
  y_.push_back(y);
}

void WideLines::draw(double x, double y, const Fill& fill) {
  if (x_.empty()) {  // a draw without a start point starts at itself
    x_.push_back(x);
    y_.push_back(y);
  }
  x_.push_back(x);
  y_.push_back(y);
  // Long polylines go out in pieces; the last point starts the next one.
  if (x_.size() >= 4096) {
    const double lx = x_.back(), ly = y_.back();
    flush(fill);
    x_.push_back(lx);
    y_.push_back(ly);
  }
}

void WideLines::flush(const Fill& fill) {
  // Taken out first: the fill may flush the writer's paths, and so this.
  std::vector<double> x, y;
  x.swap(x_);
  y.swap(y_);
  if (x.size() >= 2) {
    FillSink sink(fill);
    strokeOutline(x.data(), y.data(), static_cast<int>(x.size()), style_, sink);
  }
}

void OutlinedLineDevice::lineWidth(double w) {
  writePath();
  // Plot units from the pipeline; the thin line (one unit) stays a line.
  wide_.setWidth(w > 1.5 ? w * zanglb.xscf : 0);
}

void OutlinedLineDevice::writePath() {
  wide_.flush(fillWide());
  writeThinPath();
}

WideLines::Fill OutlinedLineDevice::fillWide() {
  return [this](const double* x, const double* y, int n) { fillPolygon(x, y, n); };
}

}  // namespace zantor

// The polyline batching of the text vector formats (SVG, IPE): up to 100
// points are collected; a move, a flush or a full batch hands them to the
// writer, and a draw after a flush continues from the last point.  A
// repeated point is dropped, except as the second point (a zero-length
// line, which the writers show as a dot).
#pragma once

namespace zantor {

class PolylineBatch {
 public:
  static constexpr int kSize = 100;

  // `write(x, y, n)` receives every batch of at least two points.
  template <class Write>
  void move(double x, double y, Write&& write) {
    flush(write);
    x_[0] = lastX_ = x;
    y_[0] = lastY_ = y;
    haveLast_ = true;
    n_ = 1;
  }

  template <class Write>
  void draw(double x, double y, Write&& write) {
    if (n_ == 0) {
      if (!haveLast_) {
        move(x, y, write);
        return;
      }
      x_[0] = lastX_;
      y_[0] = lastY_;
      n_ = 1;
    }
    if (n_ >= 2 && x == x_[n_ - 1] && y == y_[n_ - 1]) return;
    x_[n_] = x;
    y_[n_] = y;
    ++n_;
    if (n_ == kSize) {
      write(x_, y_, n_);
      x_[0] = x;
      y_[0] = y;
      n_ = 1;
    }
  }

  template <class Write>
  void flush(Write&& write) {
    if (n_ >= 2) write(x_, y_, n_);
    if (n_ >= 1) {
      lastX_ = x_[n_ - 1];
      lastY_ = y_[n_ - 1];
      haveLast_ = true;
    }
    n_ = 0;
  }

 private:
  double x_[kSize] = {}, y_[kSize] = {};
  int n_ = 0;
  double lastX_ = 0, lastY_ = 0;
  bool haveLast_ = false;
};

}  // namespace zantor

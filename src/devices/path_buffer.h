// The pending polyline of the vector metafile writers (CGM, WMF, EMF): up
// to 100 points in whole device units (16 bits, or 32 for EMF).  A move, a flush or a full buffer
// writes the points as one polyline; the last point stays as the start of
// the line that continues from it.
#pragma once
#include <cstdint>

namespace zantor {

template <class T>
class BasicPathBuffer {
 public:
  static constexpr int kMax = 100;

  // `write(x, y, n)` receives the pending points (n >= 2).
  template <class Write>
  void move(T x, T y, Write&& write) {
    flush(write);
    x_[0] = x;
    y_[0] = y;
    n_ = 1;
  }
  template <class Write>
  void draw(T x, T y, Write&& write) {
    if (n_ == kMax) flush(write);
    if (n_ == 0) {  // a draw without a move starts at the origin
      x_[0] = y_[0] = 0;
      n_ = 1;
    }
    x_[n_] = x;
    y_[n_] = y;
    ++n_;
  }
  template <class Write>
  void flush(Write&& write) {
    if (n_ >= 2) write(static_cast<const T*>(x_), static_cast<const T*>(y_), n_);
    if (n_ > 0) {
      x_[0] = x_[n_ - 1];
      y_[0] = y_[n_ - 1];
      n_ = 1;
    }
  }
  void clear() { n_ = 0; }

 private:
  T x_[kMax], y_[kMax];
  int n_ = 0;
};

using PathBuffer = BasicPathBuffer<int16_t>;

}  // namespace zantor

// Pen settings changed for a scope and given back at its end, also when
// an allocation fails inside and the exception leaves the scope.
//
// ThinPen: the thinnest software pen for the scope of a fill.  A device
// that cannot fill gets areas as outlines and hatch lines drawn with the
// current pen; a software line width (up to 32000 plot units) would spread
// every cell of a colour plot or shaded surface over its neighbours, and
// multiply the work by the width.  Device-drawn widths cost nothing and
// stay.
#pragma once
#include <cstdint>

#include "core/state.h"
#include "draw/colour.h"
#include "draw/pipeline.h"

namespace zantor {

class ThinPen {
 public:
  ThinPen() : width_(zanglb.nlinwd) {
    if (width_ > 1) {
      qqstrk();  // lines before the fill keep their width
      zanglb.nlinwd = 1;
    }
  }
  ~ThinPen() {
    if (width_ <= 1) return;
    try {
      qqstrk();
    } catch (...) {  // a failed flush loses lines, never the width
    }
    zanglb.nlinwd = width_;
  }
  ThinPen(const ThinPen&) = delete;
  ThinPen& operator=(const ThinPen&) = delete;

 private:
  int32_t width_;
};

// LineWidth: the line width for the scope of a drawing (the lines before
// it keep theirs), the previous width again at its end.
class LineWidth {
 public:
  explicit LineWidth(double width) : width_(currentLineWidth()) {
    if (width != width_) setLineWidth(width);
  }
  ~LineWidth() {
    if (currentLineWidth() == width_) return;
    try {
      setLineWidth(width_);  // strokes what was drawn with the other width
    } catch (...) {  // no exception may leave a destructor
    }
  }
  LineWidth(const LineWidth&) = delete;
  LineWidth& operator=(const LineWidth&) = delete;
  double previous() const { return width_; }

 private:
  double width_;
};

// KeepColour: the colour at the start of the scope is set again at its
// end (the device is told only when it changed).
class KeepColour {
 public:
  KeepColour() : colour_(zanglb.ncolr) {}
  ~KeepColour() {
    if (zanglb.ncolr == colour_) return;
    try {
      qqsclr(colour_);
    } catch (...) {  // the device missed it; the state keeps the colour
      zanglb.ncolr = colour_;
    }
  }
  KeepColour(const KeepColour&) = delete;
  KeepColour& operator=(const KeepColour&) = delete;
  int32_t colour() const { return colour_; }

 private:
  int32_t colour_;
};

}  // namespace zantor

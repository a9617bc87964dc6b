// Lines of the raster context: the polyline buffer, thin lines (runs and
// Bresenham), clipped lines of width 1 to 3, thick polylines (outlines
// filled by the scan converter), points and circles.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <new>
#include <vector>

#include "devices/raster/raster.h"
#include "devices/stroke_outline.h"

namespace zantor {
namespace {

// Cuts the segment to the rectangle (Liang-Barsky); false when nothing is
// left.  Used only for segments far longer than the picture, so that
// stepping never runs through millions of invisible pixels.
bool cutSegment(double& x0, double& y0, double& x1, double& y1, double xmin, double ymin,
                double xmax, double ymax) {
  double t0 = 0, t1 = 1;
  const double dx = x1 - x0, dy = y1 - y0;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {x0 - xmin, xmax - x0, y0 - ymin, ymax - y0};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0) t0 = std::max(t0, t);
    else t1 = std::min(t1, t);
  }
  if (t0 > t1) return false;
  const double ax = x0 + t0 * dx, ay = y0 + t0 * dy;
  x1 = x0 + t1 * dx;
  y1 = y0 + t1 * dy;
  x0 = ax;
  y0 = ay;
  return true;
}

// Visits the pixels of the digital line from (x0, y0) to (x1, y1), both
// ends included, one per step along the major axis (Bresenham, the error
// starting at minus half the major run).  64-bit steps, so that segments
// of any int coordinates cannot overflow.
template <class Visit>
void stepLine(int x0, int y0, int x1, int y1, Visit visit) {
  const int64_t dx = std::abs(int64_t(x1) - x0), dy = std::abs(int64_t(y1) - y0);
  const bool alongX = dx > dy;
  const int64_t run = alongX ? dx : dy, rise = alongX ? dy : dx;
  int x = x0, y = y0;
  int& major = alongX ? x : y;
  int& minor = alongX ? y : x;
  const int majorStep = (alongX ? x1 > x0 : y1 > y0) ? 1 : -1;
  const int minorStep = (alongX ? y1 > y0 : x1 > x0) ? 1 : -1;
  int64_t err = -run / 2;
  for (int64_t i = 0; i <= run; ++i) {
    visit(x, y);
    major += majorStep;
    err += rise;
    if (err > 0) {
      err -= run;
      minor += minorStep;
    }
  }
}

}  // namespace

void RasterContext::qqvdrw(int x, int y, int code) {
  if (code == 2) {
    lastWasMove_ = false;
    if (count_ > 0 && px_[count_ - 1] == x && py_[count_ - 1] == y) return;
    px_[count_] = x;
    py_[count_] = y;
    if (++count_ < kMaxPolyline) return;
    if (strokesOutlines() && holdPolyline()) return;
  }
  if (count_ > 1 || (count_ == 1 && !lastWasMove_) || !heldX_.empty()) drawPolyline();
  // The buffer restarts with the new point (the hundredth point continues
  // the line).
  if (code != 2) {
    px_[0] = x;
    py_[0] = y;
  } else {
    px_[0] = px_[count_ - 1];
    py_[0] = py_[count_ - 1];
  }
  count_ = 1;
  lastWasMove_ = true;
}

// Keeps all but the last buffered point of a thick line for later, so that
// the line is filled as one outline when it ends.  False (draw the piece
// now) for absurdly long lines or when memory is short.
bool RasterContext::holdPolyline() {
  constexpr std::size_t kMaxHeld = std::size_t{1} << 20;
  if (heldX_.size() + std::size_t(count_) > kMaxHeld) return false;
  try {
    for (int i = 0; i + 1 < count_; ++i) {
      heldX_.push_back(px_[i]);
      heldY_.push_back(py_[i]);
    }
  } catch (const std::bad_alloc&) {
    heldX_.resize(std::min(heldX_.size(), heldY_.size()));
    heldY_.resize(heldX_.size());
    return false;
  }
  px_[0] = px_[count_ - 1];
  py_[0] = py_[count_ - 1];
  count_ = 1;
  return true;
}

void RasterContext::flush() {
  if (count_ > 1 || (count_ == 1 && !lastWasMove_) || !heldX_.empty()) drawPolyline();
  if (count_ > 0) {
    // Keep the last point so that a following draw-to continues from it.
    px_[0] = px_[count_ - 1];
    py_[0] = py_[count_ - 1];
    count_ = 1;
  }
  lastWasMove_ = true;
}

void RasterContext::drawPolyline() {
  if (!pixels_ || cxmax_ < cxmin_ || cymax_ < cymin_) {
    heldX_.clear();
    heldY_.clear();
    return;
  }
  const int n = count_;
  if (strokesOutlines() && (n >= 2 || !heldX_.empty())) {
    thickPolyline();
    return;
  }
  if (n == 1) {
    drawPoint(px_[0], py_[0]);
    return;
  }
  if (trueColour_ && antialias_ && lineWidth_ == 1) {
    for (int i = 1; i < n; ++i) {
      // Shared vertices are blended once: later segments skip their start.
      if (i > 1) {
        const double dx = px_[i] - px_[i - 1], dy = py_[i] - py_[i - 1];
        const double len = std::max(std::abs(dx), std::abs(dy));
        smoothLine(px_[i - 1] + dx / len, py_[i - 1] + dy / len, px_[i], py_[i]);
      } else {
        smoothLine(px_[0], py_[0], px_[1], py_[1]);
      }
    }
    return;
  }
  bool clip = clipSet_;
  for (int i = 0; i < n && !clip; ++i) clip = !insideClip(px_[i], py_[i]);
  if (!clip && lineWidth_ < 2) {
    for (int i = 1; i < n; ++i) plainLine(px_[i - 1], py_[i - 1], px_[i], py_[i], false);
  } else {
    for (int i = 1; i < n; ++i) clippedLine(px_[i - 1], py_[i - 1], px_[i], py_[i], lineWidth_);
  }
}

void RasterContext::span(int x1, int x2, int y) {
  if (y < cymin_ || y > cymax_) return;
  if (x1 > x2) std::swap(x1, x2);
  x1 = std::max(x1, cxmin_);
  x2 = std::min(x2, cxmax_);
  if (x1 > x2) return;
  uint8_t* p = pixels_.get() + std::size_t(y) * rowBytes_;
  if (!trueColour_) {
    std::memset(p + x1, index_, std::size_t(x2 - x1 + 1));
    return;
  }
  const uint8_t px[4] = {r_, g_, b_, alpha_};
  for (uint8_t* q = p + 4 * std::size_t(x1); x1 <= x2; ++x1, q += 4) std::memcpy(q, px, 4);
}

void RasterContext::drawPoint(int x, int y) {
  const int w = lineWidth_;
  if (w < 2) {
    plot(x, y);
  } else if (trueColour_ && antialias_) {
    // A smooth dot: the cap of a line of no length.
    const double px = x, py = y;
    outline_.clear();
    strokeOutline(&px, &py, 1, {double(w), pointShape_ == 2 ? 2 : 1, lineJoin_, miterLimit_},
                  outline_);
    fillOutline();
  } else if (pointShape_ == 2) {
    const int x0 = x - w / 2, y0 = y - w / 2;
    for (int j = std::max(y0, cymin_); j < y0 + w && j <= cymax_; ++j) span(x0, x0 + w - 1, j);
  } else {
    circle(x, y, w / 2, true);
  }
}

void RasterContext::plainLine(int x0, int y0, int x1, int y1, bool clip) {
  if (y0 == y1) {  // horizontal run, both ends included, cut to the clip
    span(x0, x1, y0);
    return;
  }
  if (x0 == x1) {  // vertical run
    if (y0 > y1) std::swap(y0, y1);
    if (clip) {
      if (x0 < cxmin_ || x0 > cxmax_) return;
      y0 = std::max(y0, cymin_);
      y1 = std::min(y1, cymax_);
    }
    for (int y = y0; y <= y1; ++y) setPixel(x0, y);
    return;
  }
  stepLine(x0, y0, x1, y1, [&](int x, int y) {
    if (!clip || insideClip(x, y)) setPixel(x, y);
  });
}

void RasterContext::clippedLine(int x0, int y0, int x1, int y1, int width) {
  const int64_t dx = std::abs(int64_t(x1) - x0), dy = std::abs(int64_t(y1) - y0);
  const int64_t limit = 4 * int64_t(width_ + height_) + 16;
  if (std::max(dx, dy) > limit) {
    // A segment reaching far outside: cut it to the picture (plus the
    // width) first, then step only through the visible part.
    double ax = x0, ay = y0, bx = x1, by = y1;
    const double m = width + 1;
    if (!cutSegment(ax, ay, bx, by, cxmin_ - m, cymin_ - m, cxmax_ + m, cymax_ + m)) return;
    x0 = int(std::lround(ax));
    y0 = int(std::lround(ay));
    x1 = int(std::lround(bx));
    y1 = int(std::lround(by));
    clippedLine(x0, y0, x1, y1, width);
    return;
  }
  // The width spreads across the line: up and down along a flat line,
  // sideways along a steep one.
  const int before = width / 2;
  if (dx > dy) {
    stepLine(x0, y0, x1, y1, [&](int x, int y) {
      for (int k = 0; k < width; ++k) plot(x, y - before + k);
    });
  } else {
    stepLine(x0, y0, x1, y1, [&](int x, int y) {
      for (int k = 0; k < width; ++k) plot(x - before + k, y);
    });
  }
}

// Thick polyline: segment quads, joins and caps filled as one union, so
// overlaps are filled once.  Indexed pictures set the pixels whose centres
// lie inside; true-colour pictures with antialiasing blend by coverage.
void RasterContext::thickPolyline() {
  std::vector<double> xs, ys;
  xs.reserve(heldX_.size() + std::size_t(count_));
  ys.reserve(xs.capacity());
  xs.assign(heldX_.begin(), heldX_.end());
  ys.assign(heldY_.begin(), heldY_.end());
  for (int i = 0; i < count_; ++i) {
    xs.push_back(px_[i]);
    ys.push_back(py_[i]);
  }
  heldX_.clear();
  heldY_.clear();
  outline_.clear();
  strokeOutline(xs.data(), ys.data(), int(xs.size()),
                {double(lineWidth_), lineCap_, lineJoin_, miterLimit_}, outline_);
  fillOutline();
}

void RasterContext::fillOutline() {
  if (trueColour_ && antialias_) {
    outline_.coverage(cxmin_, cymin_, cxmax_, cymax_,
                      [this](int x, int y, float c) { blendPixel(x, y, c); });
  } else {
    outline_.centreRuns(cxmin_, cymin_, cxmax_, cymax_,
                        [this](int x1, int x2, int y) { span(x1, x2, y); });
  }
  outline_.clear();
}

void RasterContext::qqvcirc(int cx, int cy, int r, bool filled) {
  flush();
  circle(cx, cy, r, filled);
}

void RasterContext::circle(int cx, int cy, int r, bool filled) {
  if (!pixels_ || r < 0) return;
  // Circles entirely outside the clip rectangle cost nothing.
  if (int64_t(cx) + r < cxmin_ || int64_t(cx) - r > cxmax_ || int64_t(cy) + r < cymin_ ||
      int64_t(cy) - r > cymax_)
    return;
  auto put8 = [&](int x, int y) {
    if (filled) {
      span(cx - x, cx + x, cy + y);
      span(cx - x, cx + x, cy - y);
      span(cx - y, cx + y, cy + x);
      span(cx - y, cx + y, cy - x);
    } else {
      plot(cx + x, cy + y); plot(cx - x, cy + y);
      plot(cx + x, cy - y); plot(cx - x, cy - y);
      plot(cx + y, cy + x); plot(cx - y, cy + x);
      plot(cx + y, cy - x); plot(cx - y, cy - x);
    }
  };
  int x = 0, y = r, d = 1 - r;
  put8(x, y);
  while (x < y) {
    ++x;
    if (d >= 0) {
      --y;
      d += 2 * (x - y) + 1;
    } else {
      d += 2 * x + 1;
    }
    put8(x, y);
  }
}

}  // namespace zantor

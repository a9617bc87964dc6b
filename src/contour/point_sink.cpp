// The point sink of contour lines with label placement: a label goes where
// the line has run straight (within xangcr degrees) for the label distance
// and the stretch that follows is nearly straight (path / chord below
// xconf2); the line is interrupted by a gap of the label's length centred
// on the chord and the label is written in it, along or across the line.
#include "contour/point_sink.h"

#include <cmath>

#include "axes/axes.h"
#include "core/state.h"
#include "draw/colour.h"
#include "draw/pipeline.h"
#include "text/numbers.h"
#include "text/text_engine.h"
#include "axes/label_text.h"
#include "core/scoped_value.h"
#include "draw/scoped_pen.h"

namespace zantor {

namespace {

constexpr double kDegrees = 57.29577951308232;
constexpr double kFirstLabel = 100.0;  // path before the first label of a line

// Direction of a step in degrees, counter-clockwise on the page (plot y
// grows downwards): -atan(dy/dx), 90 for vertical steps.
double direction(double dx, double dy) {
  if (std::fabs(dx) < zanglb.eps) return 90.0;
  return -std::atan(dy / dx) * kDegrees;
}

// Difference of two line directions, which repeat every 180 degrees: a
// steep line whose direction flips between +89 and -89 keeps its course.
double turn(double a, double b) {
  const double d = std::fabs(a - b);
  return std::fmin(d, 180.0 - d);
}

}  // namespace

ContourLabel prepareContourLabel(double zlev) {
  const Zanglb& g = zanglb;
  ContourLabel l;
  l.mode = g.nlincr;
  if (l.mode == 0) return l;
  if (g.nlincr == 2) {
    l.text = std::string(g.conlb.view());
  } else {
    // Automatic digits (-2) follow the level's own value.
    const int nd = g.ndezcr == -2 ? digitsNeeded(zlev) : g.ndezcr;
    l.text = gnustr(fcha(zlev, nd));
  }
  const double h = g.nhchar;
  const double spc = 2.0 * g.xcongp * h;
  l.gap = g.icontp == 1 ? h + spc : textLength(l.text) + spc;
  return l;
}

void PlotSink::move(double x, double y) {
  strtqq(static_cast<float>(x), static_cast<float>(y));
}

void PlotSink::draw(double x, double y) {
  connqq(static_cast<float>(x), static_cast<float>(y));
}

void PlotSink::startLine() {
  endLine();
  start_ = true;
}

void PlotSink::point(double x, double y) {
  double px, py;
  userToPlot(x, y, px, py);
  plotPoint(px, py);
}

void PlotSink::endLine() {
  if (collecting_) drawBuffered(0);
  collecting_ = false;
  count_ = 0;
  open_ = false;
}

void PlotSink::plotPoint(double x, double y) {
  if (!std::isfinite(x) || !std::isfinite(y)) {
    // A gap in the data: the line stops here and goes on after it.
    endLine();
    start_ = true;
    return;
  }
  if (start_ || !open_) {
    start_ = false;
    open_ = true;
    move(x, y);
    runX_ = lastX_ = x;
    runY_ = lastY_ = y;
    runDir_ = 1e30;
    path_ = 0;
    next_ = kFirstLabel;
    collecting_ = false;
    count_ = 0;
    return;
  }
  if (label_.mode == 0) {
    draw(x, y);
    return;
  }
  const Zanglb& g = zanglb;
  if (std::hypot(x - lastX_, y - lastY_) < 0.5) return;
  if (!collecting_) {
    const double dx = x - runX_, dy = y - runY_;
    const double dir = direction(dx, dy);
    path_ += std::hypot(dx, dy);
    if (path_ < next_ || turn(dir, runDir_) > g.xangcr) {
      draw(x, y);
      runX_ = lastX_ = x;
      runY_ = lastY_ = y;
      runDir_ = dir;
      return;
    }
    collecting_ = true;
    gapX_ = runX_;
    gapY_ = runY_;
    gapPath_ = 0;
    count_ = 0;
    next_ = g.xdiscr;
  }
  const double step = std::hypot(x - lastX_, y - lastY_);
  const int slot = count_ < kBuffer ? count_++ : kBuffer - 1;
  bx_[slot] = x;
  by_[slot] = y;
  lastX_ = x;
  lastY_ = y;
  const double chord = std::hypot(x - gapX_, y - gapY_);
  if (chord < (1.0 + 2.0 * g.xconf1) * label_.gap) {
    gapPath_ += step;
    if (gapPath_ > g.xconf2 * chord) {
      // Too winding for a label: draw what was collected, start again here.
      drawBuffered(0);
      gapX_ = x;
      gapY_ = y;
      gapPath_ = 0;
      count_ = 0;
    }
    return;
  }
  placeLabel();
}

void PlotSink::drawBuffered(int from) {
  for (int k = from; k < count_; ++k) draw(bx_[k], by_[k]);
}

void PlotSink::placeLabel() {
  const Zanglb& g = zanglb;
  const double zdis = label_.gap;
  double p1x = gapX_, p1y = gapY_;
  int k = 0;
  while (k < count_ && std::hypot(bx_[k] - gapX_, by_[k] - gapY_) < g.xconf1 * zdis) {
    draw(bx_[k], by_[k]);
    p1x = bx_[k];
    p1y = by_[k];
    ++k;
  }
  int e = k;
  while (e < count_ - 1 && std::hypot(bx_[e] - gapX_, by_[e] - gapY_) < (1.0 + g.xconf1) * zdis) ++e;
  const double p2x = bx_[e], p2y = by_[e];
  const double dx = p2x - p1x, dy = p2y - p1y;
  const double c = std::hypot(dx, dy);
  if (c > 0) {
    const double ux = dx / c, uy = dy / c;
    const double a = (c - zdis) / 2.0, b = (c + zdis) / 2.0;
    draw(p1x + ux * a, p1y + uy * a);
    if (label_.mode != 3) drawText(p1x + ux * c / 2.0, p1y + uy * c / 2.0, dx, dy);
    move(p1x + ux * b, p1y + uy * b);
  }
  drawBuffered(e);
  // The run goes on from the last point, in the direction of its step.
  const double lx = bx_[count_ - 1], ly = by_[count_ - 1];
  const double px = count_ > 1 ? bx_[count_ - 2] : p1x, py = count_ > 1 ? by_[count_ - 2] : p1y;
  runDir_ = direction(lx - px, ly - py);
  runX_ = lastX_ = lx;
  runY_ = lastY_ = ly;
  collecting_ = false;
  count_ = 0;
  path_ = 0;
}

void PlotSink::drawText(double mx, double my, double dx, double dy) {
  Zanglb& g = zanglb;
  qqstrk();
  const double a = direction(dx, dy);
  int ang = static_cast<int>(std::lround(a));
  if (g.icontp == 1) {
    if (std::fabs(dy) < g.eps) ang = 90;
    else ang = static_cast<int>(std::lround(a >= 0 ? a - 90.0 : a + 90.0));
  }
  const KeepColour colour;
  // The text keeps the pen's width when the line is drawn wide.
  const LineWidth pen(label_.textWidth > 0 ? label_.textWidth : currentLineWidth());
  if (g.iccon != -1 && g.iccon != colour.colour()) qqsclr(g.iccon);
  const ScopedValue<float> xoff(g.xoff, 0.0f);
  const ScopedValue<int32_t> nangle(g.nangle, ang);
  const ScopedValue<float> sina(g.sina, static_cast<float>(std::sin(ang / kDegrees)));
  const ScopedValue<float> cosa(g.cosa, static_cast<float>(std::cos(ang / kDegrees)));
  const double len = textLength(label_.text), h = g.nhchar;
  // Upper left corner: back half the length along the text, up half the
  // height across it.  Rounded to whole plot units.
  const double ux = mx - len / 2.0 * g.cosa - h / 2.0 * g.sina;
  const double uy = my + len / 2.0 * g.sina - h / 2.0 * g.cosa;
  qqmess(label_.text, static_cast<float>(std::lround(ux)), static_cast<float>(std::lround(uy)));
  qqstrk();
}

}  // namespace zantor

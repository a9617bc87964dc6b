// The point sink of contour lines: user points become plot points and go
// to the line pipeline, interrupted by labels that show the level.
#pragma once
#include <string>

#include "contour/trace.h"

namespace zantor {

// What the labels of one contour call look like.
struct ContourLabel {
  int mode = 0;        // nlincr: 0 none, 1 number, 2 text, 3 gaps without text
  std::string text;    // the label text
  double gap = 0;      // zdis: length of the gap left for a label
  double textWidth = 0;  // line width of the label text; 0: the line's own
};

// The label of level zlev with the current settings (mode nlincr, the
// number with ndezcr digits or the text conlb, the gap from congap).
ContourLabel prepareContourLabel(double zlev);

class PlotSink : public ContourSink {
 public:
  explicit PlotSink(const ContourLabel& label) : label_(label) {}
  void startLine() override;
  void point(double x, double y) override;  // user coordinates
  void endLine() override;
  // A point already in plot coordinates.
  void plotPoint(double x, double y);

 private:
  static constexpr int kBuffer = 500;
  void drawBuffered(int from);
  void placeLabel();
  void drawText(double mx, double my, double dx, double dy);
  void move(double x, double y);
  void draw(double x, double y);

  const ContourLabel& label_;
  bool start_ = true;      // the next point begins a line
  bool open_ = false;      // a line is being drawn
  // Label placement.
  double runX_ = 0, runY_ = 0, runDir_ = 1e30;  // start of the straight run
  double lastX_ = 0, lastY_ = 0;                // last accepted point
  double path_ = 0, next_ = 0;                  // path length, distance to the next label
  bool collecting_ = false;
  double gapX_ = 0, gapY_ = 0, gapPath_ = 0;
  int count_ = 0;
  double bx_[kBuffer], by_[kBuffer];
};

}  // namespace zantor

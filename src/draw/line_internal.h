// Pieces shared by the files of the line pipeline (not used elsewhere).
#pragma once
#include <cmath>

namespace zantor::line {

struct Pt {
  double x = 0, y = 0;
};

inline bool finitePoint(double x, double y) { return std::isfinite(x) && std::isfinite(y); }

// Hands stroked segments on: to the hidden-line or blanking routine when
// they are active, otherwise to the device as moves and draws.  Within one
// emitter a move to the point where the pen already stands is left out, so
// connected segments reach the device as one run of draws.
class SegmentEmitter {
 public:
  void moveTo(double x, double y);  // a lone start point (device only)
  void segment(double x1, double y1, double x2, double y2);

 private:
  bool penValid_ = false;
  double penX_ = 0, penY_ = 0;
};

// The segment clipper working for one emitter.
void clipSegment(double x1, double y1, double x2, double y2, SegmentEmitter& out);

// Software line width: the offset strokes of the polyline p[0..n-1] with
// caps and joins.  `lead` (when not null) is the point before p[0] of the
// previous piece of the same polyline: p[0] is then joined instead of
// capped; `capEnd` false leaves the end open for the next piece.
void strokeWide(const Pt* p, int n, const Pt* lead, bool capEnd, SegmentEmitter& out);

}  // namespace zantor::line

namespace zantor::line {

// Loads a dash pattern (lengths in plot units, at least 1) and resets the
// pattern state: first element, pen down, first colour of the cycle.
void setPattern(const int* lengths, int n);

}  // namespace zantor::line

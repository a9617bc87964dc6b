// One side of a 2D axis system and the parts drawn on it.
#pragma once
#include <string_view>
#include <vector>

namespace zantor {

// The scaling of axis 0 X, 1 Y or 2 Z (the colour axis): limits, first
// label, step and plot units per axis unit.
struct AxisScaling {
  double a, e, o, s, delta;
};
AxisScaling axisScaling(int axis);
// The length of axis 0, 1 or 2 in plot units.
int axisLength(int axis);

// A side: its position on the page and the direction of its labels.
struct Side {
  int axis;        // 0 X, 1 Y, 2 Z (the axis of a colour bar)
  int index;       // isetgr index: 0 lower X, 1 right Y, 2 upper X, 3 left Y;
                   // 4 a side that shows every part (the colour bar)
  double x0, y0;   // plot coordinates of the axis start (value a)
  double ux, uy;   // unit vector along the axis (increasing plot position)
  double ox, oy;   // unit vector towards the labels (outwards)
  bool crossed = false;  // an axis of a crossed system
  // Page coordinates along the axis (x for X axes, y for Y axes) that its
  // labels keep off: the lines that cross it (the other axis of a crossed
  // system, the frame) and the band of the other axis's labels.
  struct Span { double lo, hi; };
  std::vector<Span> keepOff;
};

// What the labels of a side reach: the distance from the axis line across
// it, and how far they pass the far end of the axis along it.
struct LabelReach {
  int across = 0;
  int beyondEnd = 0;
};

// Distance from the axis line to the labels: labdis plus the part of the
// ticks that lies on the label side.
int labelDistance(const Side& s, bool ticksDrawn);

// Draws the labels of a side; returns the largest distance from the axis
// line that the labels reach (the distance alone when nothing is drawn)
// and how far they pass the end of the axis.
LabelReach drawLabels(const Side& s, bool ticksDrawn);

// Draws the axis name namdis beyond the labels: across the axis line, or
// on a crossed system past the far end of the axis.
void drawName(const Side& s, const LabelReach& reach);

// Draws one side: line, ticks, labels and name as isetgr (or, for index 4,
// everything) asks; returns what the labels reach.
LabelReach drawAxisSide(const Side& s);

// Colour of one part of a side (0 line, 1 ticks, 2 labels, 3 name), -1
// for the current colour.
int partColour(const Side& s, int part);

// Writes s with the text engine so that its box has the given upper left
// page corner; `rotated` turns it by 90 degrees (reading upwards) and `up`
// is the room exponents need above the line (left of a rotated text).
void textInBox(std::string_view s, double left, double top, bool rotated, int length, int up);

}  // namespace zantor

// Axis names (namex) and the colours of the parts of a side.
#include <algorithm>
#include <cmath>

#include "axes/axis_side.h"
#include "core/state.h"
#include "text/text_engine.h"

namespace zantor {

int partColour(const Side& s, int part) {
  const Zanglb& g = zanglb;
  if (s.axis == 2) return -1;  // the colour bar's axis: the current colour
  return s.axis == 0 ? g.ixclr[part] : g.iyclr[part];
}

void drawName(const Side& sd, const LabelReach& reach) {
  Zanglb& g = zanglb;
  const auto name = sd.axis == 0   ? g.cxnam.trimmed()
                    : sd.axis == 1 ? g.cynam.trimmed()
                                   : g.cznam.trimmed();
  if (name.empty()) return;
  const bool xAxis = sd.oy != 0;
  // On a crossed system the middle of an axis is the crossing point: unless
  // a justification was chosen, the name goes past the far end of the axis,
  // beyond the last label, and reads horizontally (the Y name centred above
  // its axis, the X name to the right of its axis, centred on the line).
  const bool pastEnd = sd.crossed && g.ixjnam[sd.axis] == 0;
  // Names are written at their own height; X names horizontal, Y names
  // reading upwards.
  const int nhchar = g.nhchar, nangle = g.nangle;
  const float sina = g.sina, cosa = g.cosa;
  const bool rotated = !xAxis && !pastEnd;
  g.nhchar = g.nhname;
  g.nangle = rotated ? 90 : 0;
  g.sina = rotated ? 1.0f : 0.0f;
  g.cosa = rotated ? 0.0f : 1.0f;
  const int len = textLength(name);
  const int h = g.nhname;
  const int axisLen = axisLength(sd.axis);
  double left, top;
  if (pastEnd) {
    const double past = reach.beyondEnd + g.nnamx[sd.axis];
    if (xAxis) {
      left = sd.x0 + (axisLen - 1) + past;
      top = sd.y0 - h / 2.0;
    } else {
      left = sd.x0 - len / 2.0;
      top = sd.y0 - (axisLen - 1) - past - h;
    }
  } else {
    const double dist = reach.across + g.nnamx[sd.axis];
    // Along the axis: centred, or starting at the axis start (LEFT) or
    // ending at its end (RIGH).
    double p = (axisLen - 1 - len) / 2.0;
    const int jus = g.ixjnam[sd.axis];
    if (jus == 1) p = 0;
    else if (jus == 2) p = axisLen - 1 - len;
    if (xAxis) {
      left = sd.x0 + p;
      top = sd.oy > 0 ? sd.y0 + dist : sd.y0 - dist - h;
    } else {
      top = sd.y0 - p - len;
      left = sd.ox > 0 ? sd.x0 + dist : sd.x0 - dist - h;
    }
  }
  textInBox(name, left, top, rotated, len, 0);
  g.nhchar = nhchar, g.nangle = nangle, g.sina = sina, g.cosa = cosa;
}

}  // namespace zantor

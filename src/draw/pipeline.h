// The line pipeline: pattern stage, polyline buffer, stroking with clipping
// and the hand-over to the device.
#pragma once

namespace zantor {

// Pattern stage (plot coordinates; the user origin is added here).
void strtqq(float x, float y);
void connqq(float x, float y);

// Buffer stage: collects up to 100 points.
void qqmove(float x, float y);
void qqdraw(float x, float y);
// Strokes and empties the buffer.
void qqstrk();

// 1 when the point lies outside the clipping area.
int jqqclp(float x, float y);
// Draws the visible part of one segment.
void clip2d(float x1, float y1, float x2, float y2);

// Selects one of the eight predefined line styles (0 solid .. 7) without
// the level check (used by hatching and curves).
void qqltyp(int style);

// Clipping window = the whole page.
void resetClipWindow();

}  // namespace zantor

// The line pipeline: pattern stage, polyline buffer, stroking with clipping
// and software line widths, and the hand-over to the device.
#pragma once

namespace zantor {

// Pattern stage (plot coordinates; the user origin is added here).
void strtqq(float x, float y);
void connqq(float x, float y);

// Buffer stage: collects up to 100 points.  Points with a NaN or infinite
// coordinate are dropped and break the line: the next draw starts anew.
void qqmove(float x, float y);
void qqdraw(float x, float y);
// Strokes and empties the buffer.
void qqstrk();

// 1 when the point lies outside the clipping area.
int jqqclp(float x, float y);
// Draws the visible part of one segment.
void clip2d(float x1, float y1, float x2, float y2);

// One device unit in plot units: a ten-thousandth of the longer page side
// (finer than any reader or plotter shows a page), or on devices that
// round every point to whole device units (screen, raster, WMF, HPGL,
// Java) the size of that unit when it is larger.  Details finer than this
// (ticks, dashes, the strokes of thick lines) are not drawn one by one.
double deviceUnit();
// Half a device unit, in plot units.  Parallel lines this close, at any angle, leave no
// device unit between them uncovered: drawing fewer of lines that lie
// closer, never more than this apart, changes nothing that can be seen and
// bounds the work on pages that are scaled far down.
double deviceUnitStep();

// The line width in plot units as linwid or penwid last set it, and a
// width set without the level check (thick curves drawn as one line).
double currentLineWidth();
void setLineWidth(double width);

// Selects one of the eight predefined line styles (0 solid .. 7) without
// the level check (used by hatching and curves); other values are ignored.
void qqltyp(int style);

// Clipping window = the whole page (no circle, iclipp = 0).
void resetClipWindow();

// Strokes the pending line and clips to the whole page again, also in a
// device that clips itself (clpbor("PAGE"), endgrf, reset).
void restorePageClipping();

// Line defaults of a new plot: solid, width 1, cap LONG, join TRUN, miter
// limit 2, device widths on, one curve, no offset, clipping to the page,
// the style cycle of curves.
void resetLineDefaults();

// Receivers of stroked segments in hidden-line mode (ihlopt = 1) and while
// blanking areas are active (nblind > 0); installed by those areas.  Each
// gets one segment in plot coordinates.
using SegmentRoutine = void (*)(float x1, float y1, float x2, float y2);
void setHiddenLineRoutine(SegmentRoutine r);
// True when stroked lines reach the device as they are: no hidden-line or
// blanking routine takes the segments and no software width adds strokes.
bool strokesReachDevice();
// True while the hidden-line routine takes the segments: areas are then
// filled with lines, which the horizon can hide, instead of by the device.
bool hiddenLinesActive();
void setBlankingRoutine(SegmentRoutine r);

}  // namespace zantor

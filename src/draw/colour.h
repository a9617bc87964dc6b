// The colour model: the current colour, the colour table and the hand-over
// of colour changes to the device.
#pragma once
#include <cstdint>

#include "devices/device.h"

namespace zantor {

// Strokes the pending polyline, makes `value` the current colour (ncolr)
// and tells the device.
void qqsclr(int32_t value);

// Red, green and blue of a colour value (a table index or an explicit
// colour), as the devices receive them.
Rgb colourRgb(int32_t value);

// Loads the colour defaults of a new plot (the default table of the
// device, the named colours, foreground and background, the colour cycle)
// and makes the foreground the current colour.
void resetColourDefaults();

// --- Helpers shared by the colour routines -------------------------------

// True for an explicit colour value (bits 24..31 equal 1).
inline bool isExplicitColour(int32_t value) { return (value >> 24) == 1; }

// The explicit colour value of byte components 0..255.
inline int32_t explicitColour(int r, int g, int b) {
  return 0x01000000 + b * 65536 + g * 256 + r;
}

// nint(255 c), held to 0..255.
int colourByte(double c);

// True when c lies in -0.001..1.001 (the tolerance of every RGB check).
bool validComponent(double c);

// Index of the table entry nearest to byte components r, g, b (sum of
// absolute differences; ties keep the lower index).
int nearestColourIndex(int r, int g, int b);

// The setvlt work without the level check: loads table 0..8 (unless a
// myvlt table is pending), sets the named colours, foreground, background,
// colour ranges, applies the reverse screen mode and rebuilds the cycle.
void loadColourTable(int table);

// The default table of the current device ("RGRE" for 501, else "RAIN").
int defaultColourTable();

// Sets table entry `index` from components 0..1 (setind without its level
// check): warning 2 and no change for an index outside 0..255 or a
// component out of range.
void setColourEntry(int32_t index, float r, float g, float b);

// Tells the device that the colour table changed (devices that draw with
// table indices keep a copy).
void notifyColourTable();

// Restores the colour cycle of curves and bars from the named colours.
void resetColourCycle();

}  // namespace zantor

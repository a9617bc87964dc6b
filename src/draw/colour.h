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
// device, the named colours, foreground and background).
void resetColourDefaults();

}  // namespace zantor

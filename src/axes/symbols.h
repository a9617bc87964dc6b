// Marker symbols of curves, legends and the text engine's S command.
#pragma once

namespace zantor {

// Draws symbol n (0..23) of `size` plot units, rotated by `angle` degrees,
// centred on (x, y) in plot coordinates with the origin offset included
// (as qqmove takes them), in the current colour.
void drawSymbol(int n, float x, float y, float size, float angle);

}  // namespace zantor

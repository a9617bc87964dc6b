// Marker symbols: 24 predefined shapes drawn as vectors through the line
// pipeline (filled ones also through the area filler).
#pragma once

namespace zantor {

constexpr int kSymbolCount = 24;

// Draws symbol n (0..23) centred at (x, y), plot coordinates relative to the
// user origin (as strtqq takes them), `size` plot units wide, rotated by
// `angle` degrees counter-clockwise on the page.  Symbols are always solid;
// the line style, pattern and fill pattern in force are restored.  Other
// numbers draw nothing.
void drawSymbol(int n, float x, float y, float size, float angle);

// The polylines of symbol n in symbol units (-50..50, y downwards), for
// tests and for devices that draw symbols themselves.  Polylines are
// separated by a point with the coordinates (kBreak, kBreak).
constexpr int kBreak = 9999;
struct SymbolPoint {
  int x, y;
};
int symbolOutline(int n, const SymbolPoint** points);
bool symbolFilled(int n);

}  // namespace zantor

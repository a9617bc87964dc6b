// Filled areas: polygons with the current pattern, boxes in a colour and
// rectangular frames.
#pragma once
#include <cstdint>

namespace zantor {

// Fills a polygon given in plot coordinates relative to the user origin
// with the current pattern and colour.
void dareaf(const float* x, const float* y, int n);

// Fills an axis-parallel rectangle (plot coordinates) with a colour value.
void dbox(float x1, float y1, float x2, float y2, int32_t colour);

// A rectangular frame of thickness t (0.1 mm steps), rotated by `angle`
// degrees about (x, y).
void dframe(int x, int y, int w, int h, int t, float angle);

}  // namespace zantor

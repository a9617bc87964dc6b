// Filled areas: polygons with the current pattern, boxes in a colour and
// rectangular frames.
#pragma once
#include <cstdint>
#include <vector>

namespace zantor {

// Fills a polygon given in plot coordinates relative to the user origin
// with the current pattern and colour.
void dareaf(const float* x, const float* y, int n);

// Fills an axis-parallel rectangle (plot coordinates) with a colour value.
void dbox(float x1, float y1, float x2, float y2, int32_t colour);

// A rectangular frame of thickness t (0.1 mm steps), rotated by `angle`
// degrees about (x, y).
void dframe(int x, int y, int w, int h, int t, float angle);

// A shape as areaf draws it (coordinates relative to the user origin, the
// page-origin option already applied): the outline when ilinsh is 1, then
// the interior through dareaf when the pattern is not empty.
void fillShape(const float* x, const float* y, int n);

// Polygon of an elliptic arc about (xm, ym) with radii a, b from angle
// alpha to beta (degrees, counter-clockwise on the page).  A full turn
// leaves out the closing point.  Radii below 1: warning 2 and false.
bool ellipsePolygon(float xm, float ym, int a, int b, float alpha, float beta,
                    std::vector<float>& x, std::vector<float>& y);

// Selects pattern n (0..17 predefined, larger n a code) without checks.
void setShadingPattern(int32_t n);

// Fill defaults of a new plot (called by resall).
void resetFillDefaults();

}  // namespace zantor

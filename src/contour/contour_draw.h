// Shared steps of the contour routines: argument checks and the drawing of
// one level with passes for thick lines.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "contour/trace.h"

namespace zantor {

// Checks the grid arguments of contur, conshd and conpts: at least 2 x 2
// points, increasing coordinates and positive values on logarithmic axes
// (when `axes` is true).  Warns and returns false otherwise.
bool checkContourGrid(const float* xray, int32_t n, const float* yray, int32_t m, bool axes);

// Adds the NaN values among v[0..count) to the NaN count of the plot
// (nnans, reported by the protocol).
void countNans(const float* v, size_t count);

// Draws level zlev of the grid into the current axis system: one legend
// slot, axis clipping, nthk passes at parallel offsets, labels.
void drawGridContour(const ContourGrid& grid, double zlev);

// Draws polylines (plot coordinates; runs separated by NaN) as contour
// lines of level zlev, with labels and passes as drawGridContour does.
void drawContourPolylines(const std::vector<double>& px, const std::vector<double>& py, double zlev);

}  // namespace zantor

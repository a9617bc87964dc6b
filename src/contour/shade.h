// Shaded contours: level intervals, their colours and the two fill
// methods (grid cells, traced polygons).
#pragma once
#include <cstdint>
#include <vector>

#include "contour/trace.h"
#include "contour/triangle_mesh.h"

namespace zantor {

// The levels in ascending order with the colour of every interval:
// interval 0 lies below the lowest level, interval k (1..L) from level k
// up to level k+1 (interval L above the highest).
struct LevelIntervals {
  std::vector<double> level;    // z1 < ... < zL (ascending)
  std::vector<int32_t> colour;  // L + 1 colours
  std::vector<char> filled;     // L + 1 flags: the cell mode may leave the outer ones empty

  int count() const { return static_cast<int>(level.size()); }
  // Interval index of a value: 0 when z <= z1, L when z >= zL, else the k
  // with zk <= z < zk+1.
  int interval(double z) const;
};

// The colour of value z on a linear colour scale from zmin to zmax over
// the colour range nca..nce (ncmin below, ncmax above): the value-to-colour
// rule of colour axis systems over the range of the levels.  Inside a
// colour axis system the levels take the colours of its own Z axis.
int32_t scaleColour(double z, double zmin, double zmax);

// Sorted levels and interval colours from the user's levels and the
// conclr list (indexed in the order the levels were passed) or the scale.
LevelIntervals makeIntervals(const float* zlvray, int nlev);

// Fills rings (plot coordinates relative to the user origin; ring k has
// counts[k] points) together by the even-odd rule in a colour, clipped to
// the current clipping window.
void fillClippedRings(const double* x, const double* y, const int* counts, int nrings,
                      int32_t colour);
// The same for one polygon.
inline void fillClipped(const double* x, const double* y, int n, int32_t colour) {
  fillClippedRings(x, y, &n, 1, colour);
}

// A grid point in user coordinates to plot coordinates; on a map through
// the projection, NaN for a point off the map.
void shadeToPlot(double ux, double uy, double& px, double& py);

// The two methods.  Plot coordinates px[n], py[m] of the grid lines (cell
// method); the grid in user coordinates (polygon method).
void shadeCells(const ContourGrid& grid, const std::vector<double>& px,
                const std::vector<double>& py, const LevelIntervals& iv);
void shadePolygons(const ContourGrid& grid, const LevelIntervals& iv);

// Functions linear over triangles: a triangulation, and a curvilinear
// grid whose cells are cut at their centres (user coordinates; the
// triangles' corner numbers checked).
void shadeTriangles(const TriangleMesh& mesh, const LevelIntervals& iv);
void shadeCurvilinearCells(const ContourGrid& grid, const LevelIntervals& iv);

// The intervals on the surface z = f(x, y) of a rectangular grid in the
// current 3D axis system, filled farthest first.
void shadeSurfaceBands(const ContourGrid& grid, const LevelIntervals& iv);

}  // namespace zantor

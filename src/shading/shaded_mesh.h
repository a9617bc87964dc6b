// The drawing shared by the shaded surfaces (surshd, surshc, surtri): a
// mesh of faces in user 3D coordinates is filled with colours from the
// colour scale, the lighting or contour level intervals, through the depth
// buffer on raster devices and back to front elsewhere, with mesh lines
// on request (surmsh).
#pragma once
#include <array>
#include <cstdint>
#include <vector>

#include "plot3d/projection.h"

namespace zantor {

struct LevelIntervals;

struct ShadedMesh {
  // Vertices: user coordinates become absolute and plot coordinates;
  // `value` is what the colour follows (the height z).
  std::vector<Abs3> abs;
  std::vector<Plot3> plot;
  std::vector<double> value;
  std::vector<char> valid;  // a number and in front of the eye
  // Faces: three or four vertex indices in order round the face (the
  // fourth is -1 for a triangle).  Mesh lines follow the face edges.
  std::vector<std::array<int, 4>> faces;

  // Reserves n vertices and f faces; false (after warning 53) when the
  // memory is refused.
  bool reserve(std::size_t n, std::size_t f);
  // Appends a vertex from user coordinates.
  void addVertex(double x, double y, double z);
};

// Draws the mesh with the current settings: colours from the Z axis of
// the 3D axis system (or the lighting when it is on), or, when `levels` is
// given, the colours of the level intervals the surface passes through.
void drawShadedMesh(const ShadedMesh& mesh, const LevelIntervals* levels);

// The colour of value z on the Z axis over the colour range nca..nce.
int32_t zAxisColour(double z);

// shdmod(copt, 'SURF'): "FLAT" or "SMOOTH" shading of shaded surfaces.
void setSurfaceShading(const char* copt, std::size_t len);

}  // namespace zantor

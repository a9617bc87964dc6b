// The mesh drawer shared by surfce, surmat and surfun.
#pragma once

namespace zantor {

// A grid of z values over x[0..nx-1], y[0..ny-1]: z(i, j) = z[i + j * nx]
// (the column order of a Fortran matrix).  Lines of constant x are drawn
// at every `stepX`-th column and the last, lines of constant y at every
// `stepY`-th row and the last; between them the lines follow every grid
// point.
struct MeshGrid {
  const float* x = nullptr;
  const float* y = nullptr;
  const float* z = nullptr;
  int nx = 0, ny = 0;
  int stepX = 1, stepY = 1;
};

// Draws the mesh front to back with hidden lines removed (unless nohide),
// in the side colours of surclr.  The caller has checked the level and
// the sizes.
void drawMesh(const MeshGrid& m);

// Level 3 in a 3D axis system of graf3d, else the warning and false.
bool surfaceAllowed(const char* routine);

}  // namespace zantor

// A function given on a triangulation (corner numbers count from 1) and
// the contour lines of one level on it: every triangle that the level
// crosses gives one segment between the crossings on two of its edges;
// segments meet where triangles share an edge and are joined into lines.
#pragma once
#include <cstdint>
#include <vector>

namespace zantor {

struct TriangleMesh {
  const float* x = nullptr;
  const float* y = nullptr;
  const float* z = nullptr;
  int n = 0;  // points
  const int32_t* i1 = nullptr;
  const int32_t* i2 = nullptr;
  const int32_t* i3 = nullptr;
  int ntri = 0;
  // The corners of triangle k as 0-based point indices.
  void corners(int k, int (&c)[3]) const { c[0] = i1[k] - 1, c[1] = i2[k] - 1, c[2] = i3[k] - 1; }
};

// At least 3 points and 1 triangle, every corner number within 1..n; a
// warning and false otherwise.
bool checkMesh(const TriangleMesh& mesh);

struct LevelSegment {
  uint64_t edge[2];   // the crossed edges (corner indices, lower first)
  double x[2], y[2];  // the crossings in user coordinates
};

// The segments of level zlev, triangle by triangle (a value equal to the
// level counts as below it).
std::vector<LevelSegment> levelSegments(const TriangleMesh& mesh, double zlev);

// Joins segments that share an edge into lines: open lines first (from an
// edge met by one segment only), then closed ones.  The lines go to x, y
// one after another, each followed by a NaN.
void joinSegments(const std::vector<LevelSegment>& segs, std::vector<double>& x,
                  std::vector<double>& y);

}  // namespace zantor

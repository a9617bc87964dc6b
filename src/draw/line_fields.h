// Fields of the state record owned by the line pipeline.
#pragma once
#include <cstdint>

namespace zantor {

struct LineFields {
  static constexpr int kPolylineSize = 100;
  float xplray[kPolylineSize] = {}, yplray[kPolylineSize] = {};
  int32_t nplray = 0;    // points in the polyline buffer
  float xstrt = 0.0f, ystrt = 0.0f;  // pen position of the pattern stage
  // Clipping window in plot coordinates (left, top, right, bottom).
  int32_t nxclip = 0, nyclip = 0, nuclip = 0, nvclip = 0;
  int32_t iclipp = 0;
  int32_t ityp = 0;      // current predefined line style 0..7
};

}  // namespace zantor

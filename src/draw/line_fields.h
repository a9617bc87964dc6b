// Fields of the state record owned by the line pipeline.
#pragma once
#include <cstdint>

namespace zantor {

struct LineFields {
  static constexpr int kPolylineSize = 100;
  static constexpr int kPatternSize = 10;
  static constexpr int kStyleCycle = 30;

  // Buffer stage.
  float xplray[kPolylineSize] = {}, yplray[kPolylineSize] = {};
  int32_t nplray = 0;    // points in the polyline buffer
  // Last point stored in the buffer (kept when the buffer is stroked, so a
  // draw after a colour change continues from it).
  float xlstpl = 0.0f, ylstpl = 0.0f;
  int32_t ilstpl = 0;    // 1 while (xlstpl, ylstpl) is defined

  // Pattern stage.
  float xstrt = 0.0f, ystrt = 0.0f;  // pen position (origin already added)
  int32_t nstrt = 0;     // 1 while a start waits for the offset direction
  int32_t ityp = 0;      // predefined style 0..7
  int32_t nmrk = 1;      // pattern elements (1 = solid)
  int32_t nmray[kPatternSize] = {1};  // element lengths, down/up alternately
  int32_t nmrind = 1;    // current element (1-based)
  float xmrlen = 1.0f;   // remaining length of the current element
  int32_t nmrpen = 0;    // 0 element draws, 1 element skips
  int32_t nmrkc = 0;     // colour cycle of drawn elements: count ...
  int32_t nmrayc[kPatternSize] = {};  // ... colours ...
  int32_t nmidxc = 1;    // ... and current index (1-based)
  float xoff = 0.0f;     // perpendicular offset of the drawn line

  // Width, caps and joins.
  int32_t nlinwd = 1;    // plot units; negative: the device draws the width
  int32_t ihwlin = 1;    // 1 = widths drawn by the device where it can
  int32_t ilincp = 2;    // cap 0 CUT, 1 ROUN, 2 LONG
  int32_t ilinjn = 2;    // join 0 SHAR, 1 ROUN, 2 TRUN
  float xlinml = 2.0f;   // miter limit
  int32_t nthk = 1;      // parallel curves of thkcrv
  int32_t nctyp[kStyleCycle] = {};  // style cycle of curves (lincyc)

  // Clipping window in plot coordinates (left, top, right, bottom).
  int32_t nxclip = 0, nyclip = 0, nuclip = 0, nvclip = 0;
  int32_t iclipp = 0;    // 0 page, 1 clpwin, 2 axis system
  int32_t iazclp = 0;    // 1 = circular clipping around (xmit, ymit)
  float xmit = 0.0f, ymit = 0.0f, rad = 0.0f;
  int32_t inomch = 0;    // clpmod: 0 AUTO, 1 NONE, 2 CIRC, 3 RECT

  // Where stored points and stroked segments go.
  int32_t igrfit = 0;    // 1 = points are projected into a plane in 3D
  int32_t ibtrf = 0;     // 1 = points go through the base transformation
  int32_t ihlopt = 0;    // 1 = segments go to the hidden-line routine
  int32_t nblind = 0;    // active blanking areas
};

}  // namespace zantor

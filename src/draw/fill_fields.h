// Fields of the state record owned by area filling and shading patterns.
#pragma once
#include <cstdint>

namespace zantor {

struct FillFields {
  int32_t nshd = 0;       // pattern: shdpat number 0..17, or the mypat code
  int32_t iangsh = 0;     // hatch angle in degrees
  int32_t itypsh = 0;     // hatch type 0..7 (0 = the area stays empty)
  int32_t idensh = 0;     // density 0..9 (0 = densest)
  int32_t icrosh = 0;     // 1 = crossed hatching
  float ydifsh = 0.0f;    // distance between hatch lines in plot units
  int32_t ndrawl = 1, nskipl = 0;  // grouping: draw ndrawl lines, skip nskipl
  float xshdfc = 1.0f;    // user factor for the hatch distance
  int32_t ilinsh = 1;     // 1 = areaf draws outlines
  int32_t ihwshd = 1;     // 1 = solid fills may be done by the device

  // Working state of the hatch generator.
  int32_t iang = 0;       // current hatch angle
  float sinash = 0.0f, cosash = 1.0f;
  int32_t iskip = 0;      // position of the current line in its group
  int32_t ndrrec = 1, nskrec = 0;  // group counts of the running fill

  // Transparency of filled shapes.
  int32_t itprmd = 0, ialpha = 0, nalpha = 255;

  // Frames and shapes.
  int32_t ifrclr = -1;    // frame colour, -1 = current colour
  float xcirsp = 10.0f;   // segment length of circles and ellipses
};

}  // namespace zantor

// Fields of the state record owned by contour lines and shaded contours.
#pragma once
#include <cstdint>

#include "core/fixed_string.h"

namespace zantor {

struct ContourFields {
  // Labels of contour lines.
  int32_t nlincr = 0;          // 0 none, 1 the level, 2 the text conlb, 3 gaps only
  FixedString<20> conlb{""};   // label text of mode 2 (blank padded)
  int32_t icontp = 0;          // label orientation: 0 along the line, 1 across
  float xdiscr = 500.0f;       // path length between labels (plot units)
  float xangcr = 5.0f;         // largest direction change at a label start
  float xconf1 = 0.5f;         // conmod xfac: free part of the label width
  float xconf2 = 1.5f;         // conmod xquot: path / chord limit over a gap
  float xcongp = 0.5f;         // congap: space around a label (character heights)
  int32_t iccon = -1;          // label colour, -1 = the line colour
  // Shaded contours.
  int32_t ishcon = 0;          // 0 CELL, 1 POLY
  int32_t icellm = 0;          // out-of-range cells: 0 BOTH, 1 UPPE, 2 LOWE, 3 NONE
  int32_t ishclr = 0;          // interval colour at: 0 LOWE, 1 MIDD, 2 UPPE level
  // User colours of the intervals (conclr) and their count; 0 = colours of
  // the z colour scale.  (The curve colour cycle already owns the name
  // nclrcr, so the list is called nconcl here.)
  int32_t nconcl[256] = {};
  int32_t iclrcr = 0;
};

// Contour defaults of a new plot (called by resall).
void resetContourDefaults();

}  // namespace zantor

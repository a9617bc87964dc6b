// Fields of the state record owned by the chart types: bar graphs, pie
// charts, polar axis systems and the pattern cycle they share.
#pragma once
#include <cstdint>

#include "core/fixed_string.h"

namespace zantor {

struct ChartFields {
  static constexpr int kPatternCycle = 30;
  static constexpr int kPieColours = 256;

  // Shading pattern cycle of bar series and pie segments (patcyc).
  int32_t ncpat[kPatternCycle] = {};

  // Bar graphs.  The bar width xbarfk is shared with the BARS curve mode.
  int32_t ibartp = 0;        // 0 VERT, 1 HORI, 2 3DVE, 3 3DHO
  int32_t icandl = 1;        // financial bars: 0 TICK, 1 CAND
  int32_t ibarmd = 0;        // width mode: 0 FIXE, 1 VARI
  int32_t nclust = 1;        // bars per group
  float xgapbr = 0.0f;       // gap inside a group: > 0 fraction of a bar, <= 0 plot units
  int32_t icenbr = 0;        // 1: bars at the axis label positions
  int32_t ibasbr = 0;        // 1: bars start at the axis start
  int32_t ibarc1 = -1, ibarc2 = -1, ibarc3 = -1;  // front, side, top (-1 current)
  int32_t ibarc4 = -1;       // outline colour
  float xbarf3 = -1.0f;      // 3D depth in plot units, <= eps: the bar width
  float xbara3 = 45.0f;      // 3D angle in degrees
  int32_t iwthbr = 0;        // label value: NONE SECO FIRS MAXI MINI DELT POSI
  int32_t iwhrbr = 0;        // label position code (tens: along, units: across)
  int32_t ibarcl = -1;       // colour of bar labels, -1 current colour
  int32_t icnbar = 0;        // change between calls: NONE COLO PATT BOTH
  int32_t icallb = 0;        // bar calls so far
  int32_t nbargc = 0;        // calls within the current group, 0..nclust

  // Pie charts.
  int32_t ipietp = 0;        // 0 2D, 1 3D
  float xpiero = 0.0f;       // rotation in degrees
  int32_t iexpie = 0;        // 1: all segments offset
  int32_t idtpie = 1;        // value label: NONE PERC DATA BOTH
  int32_t ipspie = 0;        // label position: INTE EXTE ALIG
  float xpiegp = 20.0f;      // gap segment - external label
  float xpief1 = 1.0f, xpief2 = 1.0f;   // distance factors of external labels
  float xpief3 = 0.2f, xpiea3 = 45.0f;  // 3D height factor and view angle
  int32_t ipiec1[kPieColours] = {}, ipiec2[kPieColours] = {};
  int32_t npiec1 = 0;        // number of pieclr colours
  int32_t ipiec3 = -1;       // border colour of all segments
  int32_t icnpie = 2;        // automatic change: NONE COLO PATT BOTH
  int32_t ivcpie = 2301;     // arrow type of label lines
  int32_t ilnpie = 0;        // label lines: 0 BROK, 1 STRA, 2 NONE
  FixedString<80> clpie;     // text added to value labels
  int32_t ipielr = 1;        // 0: clpie left of the value, 1: right
  int32_t icpie = -1;        // colour of pie labels, -1 current colour

  // Polar axis systems.
  int32_t ipolps = 0;        // direction of angle 0: RIGH TOP LEFT BOTT
  int32_t ipoldr = 0;        // 0 anticlockwise, 1 clockwise
};

// Chart defaults of a new plot (called by resall).
void resetChartDefaults();

}  // namespace zantor

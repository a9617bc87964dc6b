// Fields of the state record owned by curves: interpolation, splines,
// marker symbols, attribute cycling and the data checks of each curve.
#pragma once
#include <cstdint>

namespace zantor {

struct CurveFields {
  int32_t ioppol = 0;     // 0 LINE, 1 STEP, 2 BARS, 3 SPLI, 4 PSPL, 5 STEM, 6 STAI, 7 FBAR, 8 CURV
  int32_t nsplin = 3;     // spline order 2..10
  int32_t nsplpt = 200;   // evaluated spline points
  int32_t incm = 0;       // 0 lines, n > 0 lines + every n-th symbol, n < 0 symbols only
  int32_t nsym = 0;       // marker symbol
  int32_t nmxsym = 23;    // highest predefined symbol
  int32_t nhsym = 36;     // symbol size in plot units
  float xsymro = 0.0f;    // symbol rotation, degrees
  int32_t ncsym = -1;     // symbol colour, -1 the curve colour
  int32_t ichn = 0;       // changed attributes: 0 NONE, 1 COLO, 2 LINE, 3 BOTH
  int32_t incc = 1;       // curves after which the attributes change
  float xgpcrv = 0.0f;    // gap distance (user units along X)
  int32_t igpcrv = 0;     // 1 while gaps are on
  float xbarfk = 0.75f;   // bar width: fraction of spacing (> 0) or user units (< 0)
  int32_t ierrbh = 0;     // error bars: 0 vertical, 1 horizontal
  int32_t ncall = 1;      // index into the attribute cycles (1..30)
  int32_t ncalls = 0;     // curves drawn in the current axis system
};

// Curve defaults of a new plot (called by resall).
void resetCurveDefaults();

// endgrf: counters back to 1, marker back to 0.
void restartCurveCounters();

}  // namespace zantor

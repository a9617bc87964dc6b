// Fields of the state record owned by the quick plots: the axis scalings
// fixed by qplscl.  They are not per-plot settings: they persist from one
// plot to the next until qplscl resets them.
#pragma once
#include <cstdint>

namespace zantor {

struct QuickPlotFields {
  int32_t iopqp[3] = {0, 0, 0};  // per axis X, Y, Z: 1 = scaling fixed by qplscl
  float xaqp[3] = {};            // lower limit
  float xeqp[3] = {};            // upper limit
  float xorqp[3] = {};           // first label
  float xstpqp[3] = {};          // label step
};

}  // namespace zantor

// Test support for the line pipeline: a plot on the trace device with the
// CGM transformation (device = 2 x plot units, y upwards), and the traced
// moves and draws turned back into plot coordinates.
#pragma once
#include <zantor.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/state.h"
#include "devices/trace/trace_device.h"
#include "draw/pipeline.h"
#include "support/fixture.h"

namespace zantor::test {

struct Op {
  char kind;  // 'm' move, 'd' draw
  double x, y;
};

// A run of connected draws: the move and every following draw (lone
// moves are left out).
using Stroke = std::vector<Op>;

class LineTest : public LibraryTest {
 protected:
  void startPlot(DeviceCaps caps = {}) {
    installTraceDevice(caps);
    call(metafl_, "CGM");
    zanini_();
    zanglb.iproto = 0;
  }

  // Moves and draws of the trace so far, in plot coordinates.
  static std::vector<Op> ops() {
    std::vector<Op> out;
    const double s = zanglb.xscf, h = zanglb.nyres;
    for (const std::string& l : traceLines()) {
      double x = 0, y = 0;
      if (std::sscanf(l.c_str(), "move %lf %lf", &x, &y) == 2) out.push_back({'m', x / s, h - y / s});
      else if (std::sscanf(l.c_str(), "draw %lf %lf", &x, &y) == 2) out.push_back({'d', x / s, h - y / s});
    }
    return out;
  }

  static std::vector<Stroke> runs() {
    std::vector<Stroke> out;
    for (const Op& o : ops()) {
      if (o.kind == 'm' || out.empty()) {
        if (!out.empty() && out.back().size() == 1) out.pop_back();  // a lone move draws nothing
        out.emplace_back();
      }
      out.back().push_back(o);
    }
    if (!out.empty() && out.back().size() == 1) out.pop_back();
    return out;
  }

  // Trace lines that start with `prefix`.
  static std::vector<std::string> linesStartingWith(const std::string& prefix) {
    std::vector<std::string> out;
    for (const std::string& l : traceLines())
      if (l.rfind(prefix, 0) == 0) out.push_back(l);
    return out;
  }

  static void drawLine(int x1, int y1, int x2, int y2) { line_(&x1, &y1, &x2, &y2); }
  static void flushLine() { qqstrk(); }
};

inline bool near(double a, double b, double tol = 0.01) { return std::fabs(a - b) <= tol; }

}  // namespace zantor::test

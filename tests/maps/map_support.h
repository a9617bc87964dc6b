// Test support for maps: a map axis system on the trace device and the
// strokes drawn since a mark.
#pragma once
#include <zantor.h>

#include <cstdio>
#include <string>
#include <vector>

#include "draw/line_trace.h"

namespace zantor::test {

class MapTest : public LineTest {
 protected:
  // A map over the given ranges in projection `proj`; `frame` false draws
  // neither frame nor labels.
  void openMap(const char* proj, float xa, float xe, float ya, float ye, bool frame = true,
               float xs = 30, float ys = 30) {
    startPlot();
    call(projct_, proj);
    openAxes(xa, xe, ya, ye, frame, xs, ys);
  }
  void openAxes(float xa, float xe, float ya, float ye, bool frame, float xs = 30, float ys = 30) {
    if (!frame) zanglb.inogr = 1;
    grafmp_(&xa, &xe, &xa, &xs, &ya, &ye, &ya, &ys);
    mark();
  }
  void mark() {
    qqstrk();
    mark_ = traceLines().size();
  }
  // Connected strokes in plot coordinates traced since the mark.
  std::vector<Stroke> newRuns() {
    qqstrk();
    std::vector<Stroke> out;
    const double s = zanglb.xscf, h = zanglb.nyres;
    const auto& t = traceLines();
    for (size_t i = mark_; i < t.size(); ++i) {
      double x = 0, y = 0;
      char kind = 0;
      if (std::sscanf(t[i].c_str(), "move %lf %lf", &x, &y) == 2) kind = 'm';
      else if (std::sscanf(t[i].c_str(), "draw %lf %lf", &x, &y) == 2) kind = 'd';
      else continue;
      if (kind == 'm' || out.empty()) {
        if (!out.empty() && out.back().size() == 1) out.pop_back();
        out.emplace_back();
      }
      out.back().push_back({kind, x / s, h - y / s});
    }
    if (!out.empty() && out.back().size() == 1) out.pop_back();
    return out;
  }
  std::vector<std::string> newTraceLines(const std::string& prefix) {
    std::vector<std::string> out;
    const auto& t = traceLines();
    for (size_t i = mark_; i < t.size(); ++i)
      if (t[i].rfind(prefix, 0) == 0) out.push_back(t[i]);
    return out;
  }

 private:
  size_t mark_ = 0;
};

}  // namespace zantor::test

// Shared support of the legend, title and grid tests: a traced plot with
// one axis system, and the drawn segments in plot coordinates.
#pragma once
#include <zantor.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "core/state.h"
#include "devices/trace/trace_device.h"
#include "draw/page.h"
#include "draw/pipeline.h"
#include "support/fixture.h"

namespace zantor::test {

struct Segment {
  double x1, y1, x2, y2;
  bool horizontal() const { return std::abs(y1 - y2) < 0.01; }
  bool vertical() const { return std::abs(x1 - x2) < 0.01; }
};

struct Box {
  double left = 1e9, top = 1e9, right = -1e9, bottom = -1e9;
  void add(double x, double y) {
    left = std::min(left, x), right = std::max(right, x);
    top = std::min(top, y), bottom = std::max(bottom, y);
  }
};

class DecorationTest : public LibraryTest {
 protected:
  void SetUp() override {
    LibraryTest::SetUp();
    installTraceDevice();
    // PostScript scaling: fine enough device units for the trace.
    call(metafl_, "PS");
    call(pagmod_, "NONE");
    zanini_();
    zanglb.iproto = 0;
  }
  void TearDown() override {
    if (zanglb.nlev > 0) zanfin_();
    LibraryTest::TearDown();
  }

  // An axis system of 1500 x 1000 units, lower left corner (400, 1600).
  static void axes(float xa = 0, float xe = 10, float xo = 0, float xs = 2, float ya = 0,
                   float ye = 100, float yo = 0, float ys = 20) {
    const int32_t nx = 400, ny = 1600, lx = 1500, ly = 1000;
    axspos_(&nx, &ny);
    axslen_(&lx, &ly);
    graf_(&xa, &xe, &xo, &xs, &ya, &ye, &yo, &ys);
  }

  // Starts a new part of the trace: segments() returns what follows.
  void mark() {
    qqstrkForTests();
    from = traceLines().size();
  }

  // Segments drawn since mark(), in plot coordinates.
  std::vector<Segment> segments() {
    qqstrkForTests();
    // The device transformation is affine without rotation for the
    // landscape page: invert it from two points.
    double ax0, ay0, ax1, ay1;
    deviceTransform(0, 0, ax0, ay0);
    deviceTransform(1000, 1000, ax1, ay1);
    const double sx = (ax1 - ax0) / 1000, sy = (ay1 - ay0) / 1000;
    std::vector<Segment> out;
    double px = 0, py = 0;
    const auto& t = traceLines();
    for (std::size_t i = from; i < t.size(); ++i) {
      std::istringstream in(t[i]);
      std::string op;
      double dx, dy;
      if (!(in >> op >> dx >> dy) || (op != "move" && op != "draw")) continue;
      const double x = (dx - ax0) / sx, y = (dy - ay0) / sy;
      if (op == "draw") out.push_back({px, py, x, y});
      px = x, py = y;
    }
    return out;
  }

  static Box bounds(const std::vector<Segment>& s) {
    Box b;
    for (const auto& e : s) b.add(e.x1, e.y1), b.add(e.x2, e.y2);
    return b;
  }

  // Colour lines sent to the device since mark().
  std::vector<std::string> colours() const {
    std::vector<std::string> out;
    const auto& t = traceLines();
    for (std::size_t i = from; i < t.size(); ++i)
      if (t[i].rfind("colour", 0) == 0) out.push_back(t[i]);
    return out;
  }

  static void qqstrkForTests() { qqstrk(); }

  std::size_t from = 0;
};

}  // namespace zantor::test

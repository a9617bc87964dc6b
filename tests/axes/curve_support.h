// Test support of curves: a traced plot on an unrotated PostScript page
// with an axis system of 100 plot units per user unit, read back as runs
// of connected points in plot coordinates.
#pragma once
#include <zantor.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "axes/curve_internal.h"
#include "core/state.h"
#include "devices/trace/trace_device.h"
#include "draw/pipeline.h"
#include "support/fixture.h"

namespace zantor::test {

struct Pt {
  double x, y;
};
using Path = std::vector<Pt>;

// The axis system of CurveTest: 0..10 on both axes, 100 units per step.
inline double plotX(double x) { return 500 + 100 * x; }
inline double plotY(double y) { return 1500 - 100 * y; }

class CurveTest : public LibraryTest {
 protected:
  void SetUp() override {
    LibraryTest::SetUp();
    installTraceDevice(traceCaps());
    call(metafl_, "PS");
    call(pagmod_, "NONE");
    zanini_();
    zanglb.iproto = 0;
    int32_t x = 500, y = 1500, l = 1001;
    axspos_(&x, &y);
    axslen_(&l, &l);
  }
  // What the trace device draws itself: fills arrive as polygons, not
  // hatching.
  virtual DeviceCaps traceCaps() const {
    DeviceCaps caps;
    caps.fillPolygon = true;
    return caps;
  }
  void TearDown() override {
    if (zanglb.nlev != 0) zanfin_();
    setLegendRecorder(nullptr);
    LibraryTest::TearDown();
  }
  // 0..10 on both axes: user (x, y) is plot (500 + 100 x, 1500 - 100 y).
  void graf() {
    float a = 0, e = 10, o = 0, s = 2;
    graf_(&a, &e, &o, &s, &a, &e, &o, &s);
    mark = traceLines().size();
  }
  static double px(double x) { return plotX(x); }
  static double py(double y) { return plotY(y); }

  static void curve(const std::vector<float>& x, const std::vector<float>& y) {
    const int32_t n = static_cast<int32_t>(x.size());
    curve_(x.data(), y.data(), &n);
    qqstrk();
  }

  // Runs of connected points drawn since graf (or since `from`).
  std::vector<Path> runs() const { return runsFrom(mark); }
  std::vector<Path> runsFrom(size_t from) const {
    const double s = zanglb.xscf, h = zanglb.nyres;
    std::vector<Path> out;
    const auto& t = traceLines();
    for (size_t i = from; i < t.size(); ++i) {
      std::istringstream in(t[i]);
      std::string op;
      double a = 0, b = 0;
      in >> op >> a >> b;
      const Pt p{a / s, h - b / s};
      // A piece of a long polyline starts at the end of the previous one.
      const bool continues = !out.empty() && out.back().size() > 1 &&
                             std::fabs(out.back().back().x - p.x) < 1e-6 &&
                             std::fabs(out.back().back().y - p.y) < 1e-6;
      if (op == "move" && !continues) out.push_back({p});
      else if (op == "draw" && !out.empty()) out.back().push_back(p);
    }
    std::vector<Path> drawn;
    for (auto& r : out)
      if (r.size() > 1) drawn.push_back(r);
    return drawn;
  }
  int countSince(const std::string& prefix) const {
    int n = 0;
    const auto& t = traceLines();
    for (size_t i = mark; i < t.size(); ++i) n += t[i].rfind(prefix, 0) == 0;
    return n;
  }

  size_t mark = 0;
};

inline bool near(const Pt& p, double x, double y, double tol = 0.02) {
  return std::fabs(p.x - x) <= tol && std::fabs(p.y - y) <= tol;
}

}  // namespace zantor::test

// Helpers of the fill tests: a traced plot on an unrotated PostScript page,
// read back as segments and polygons in plot coordinates.
#pragma once
#include <zantor.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "core/state.h"
#include "devices/trace/trace_device.h"
#include "support/fixture.h"

namespace zantor::test {

struct Segment {
  double x1, y1, x2, y2;
  double angle() const {  // degrees 0..180, counter-clockwise on the page
    double a = std::atan2(-(y2 - y1), x2 - x1) * 180.0 / 3.14159265358979323846;
    if (a < 0) a += 180.0;
    if (a >= 179.95) a -= 180.0;
    return a;
  }
  double length() const { return std::hypot(x2 - x1, y2 - y1); }
};

class FillTest : public LibraryTest {
 protected:
  // Opens a traced plot; PostScript without rotation maps plot (x, y) to
  // (s x, s (H - y)).
  void open(DeviceCaps caps = {}) {
    installTraceDevice(caps);
    call(metafl_, "PS");
    call(pagmod_, "NONE");
    zanini_();
    zanglb.iproto = 0;
    scale = zanglb.xscf;
    height = zanglb.nyres;
  }
  void close() { zanfin_(); }

  double px(double dx) const { return dx / scale; }
  double py(double dy) const { return height - dy / scale; }

  // Drawn segments, in plot coordinates.
  std::vector<Segment> segments() const {
    std::vector<Segment> out;
    double cx = 0, cy = 0;
    for (const auto& l : traceLines()) {
      std::istringstream in(l);
      std::string op;
      double a = 0, b = 0;
      in >> op >> a >> b;
      if (op == "move") { cx = px(a); cy = py(b); }
      if (op == "draw") {
        out.push_back({cx, cy, px(a), py(b)});
        cx = px(a);
        cy = py(b);
      }
    }
    return out;
  }

  // Points of the traced device polygons, in plot coordinates.
  std::vector<std::vector<std::pair<double, double>>> polygons() const {
    std::vector<std::vector<std::pair<double, double>>> out;
    for (const auto& l : traceLines()) {
      if (l.rfind("polygon", 0) != 0) continue;
      std::istringstream in(l.substr(7));
      std::vector<std::pair<double, double>> p;
      std::string pt;
      while (in >> pt) {
        const auto comma = pt.find(',');
        p.emplace_back(px(std::stod(pt.substr(0, comma))), py(std::stod(pt.substr(comma + 1))));
      }
      out.push_back(p);
    }
    return out;
  }

  int count(const std::string& prefix) const {
    int n = 0;
    for (const auto& l : traceLines()) n += l.rfind(prefix, 0) == 0;
    return n;
  }

  static void areaf(const std::vector<int32_t>& x, const std::vector<int32_t>& y) {
    const int32_t n = static_cast<int32_t>(x.size());
    areaf_(x.data(), y.data(), &n);
  }

  double scale = 1, height = 0;
};

// Even-odd point-in-polygon test, the independent oracle for hatching.
inline bool insidePolygon(const std::vector<double>& x, const std::vector<double>& y, double px,
                          double py) {
  bool in = false;
  const std::size_t n = x.size();
  for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
    if ((y[i] > py) != (y[j] > py) &&
        px < (x[j] - x[i]) * (py - y[i]) / (y[j] - y[i]) + x[i])
      in = !in;
  }
  return in;
}

}  // namespace zantor::test

// Test support of charts: the traced plot of CurveTest (axis corner
// (500, 1500), 1001 x 1001 plot units, device polygon fills), read back as
// device polygons and drawn segments in plot coordinates.
#pragma once
#include <zantor.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "core/state.h"
#include "axes/curve_support.h"
#include "devices/trace/trace_device.h"
#include "draw/pipeline.h"

namespace zantor::test {

using Point = Pt;
using Polygon = std::vector<Point>;

// The plot of CurveTest (0..10 on both axes, 100 plot units per unit).
class ChartTest : public CurveTest {
 protected:
  static void axes(int32_t x, int32_t y, int32_t w, int32_t h) {
    axspos_(&x, &y);
    axslen_(&w, &h);
  }
  static void bars(const std::vector<float>& x, const std::vector<float>& y1,
                   const std::vector<float>& y2) {
    const int32_t n = static_cast<int32_t>(x.size());
    bars_(x.data(), y1.data(), y2.data(), &n);
  }
  static void solid() {
    const int32_t p = 16;
    shdpat_(&p);
  }
  // Device polygons drawn since `mark`, in plot coordinates.
  std::vector<Polygon> polygons() const {
    const double s = zanglb.xscf, h = zanglb.nyres;
    std::vector<Polygon> out;
    const auto& t = traceLines();
    for (size_t i = mark; i < t.size(); ++i) {
      if (t[i].rfind("polygon", 0) != 0) continue;
      std::istringstream in(t[i].substr(7));
      Polygon p;
      for (std::string pt; in >> pt;) {
        const auto comma = pt.find(',');
        p.push_back({std::stod(pt.substr(0, comma)) / s, h - std::stod(pt.substr(comma + 1)) / s});
      }
      out.push_back(p);
    }
    return out;
  }
  // Drawn segments since `mark`, in plot coordinates.
  struct Seg {
    Point a, b;
  };
  std::vector<Seg> segments() const {
    const double s = zanglb.xscf, h = zanglb.nyres;
    std::vector<Seg> out;
    Point cur{0, 0};
    const auto& t = traceLines();
    for (size_t i = mark; i < t.size(); ++i) {
      std::istringstream in(t[i]);
      std::string op;
      double a = 0, b = 0;
      in >> op >> a >> b;
      const Point p{a / s, h - b / s};
      if (op == "move") cur = p;
      if (op == "draw") {
        out.push_back({cur, p});
        cur = p;
      }
    }
    return out;
  }
};

// The axis-parallel bounding box of a polygon.
struct Box {
  double x1, y1, x2, y2;
};
inline Box bounds(const Polygon& p) {
  Box b{1e30, 1e30, -1e30, -1e30};
  for (const Point& q : p) {
    b.x1 = std::min(b.x1, q.x), b.y1 = std::min(b.y1, q.y);
    b.x2 = std::max(b.x2, q.x), b.y2 = std::max(b.y2, q.y);
  }
  return b;
}

inline bool nearBox(const Box& b, double x1, double y1, double x2, double y2, double tol = 0.05) {
  return std::fabs(b.x1 - x1) <= tol && std::fabs(b.y1 - y1) <= tol &&
         std::fabs(b.x2 - x2) <= tol && std::fabs(b.y2 - y2) <= tol;
}

}  // namespace zantor::test

// Test support of the quick plots: a traced PostScript page (unrotated, so
// that device units read back as plot coordinates), the drawn segments and
// filled polygons in plot coordinates, and the warnings a call printed.
#pragma once
#include <zantor.h>

#include <cmath>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "core/state.h"
#include "devices/trace/trace_device.h"
#include "support/fixture.h"

namespace zantor::test {

struct QPoint {
  double x, y;
};
struct QSegment {
  QPoint a, b;
  double length() const { return std::hypot(b.x - a.x, b.y - a.y); }
};

class QuickPlotTest : public LibraryTest {
 protected:
  // Every following plot is traced with the page of the PostScript device;
  // fills arrive as polygons.
  void traced() {
    DeviceCaps caps;
    caps.fillPolygon = true;
    installTraceDevice(caps);
    call(metafl_, "PS");
    call(pagmod_, "NONE");
  }
  // Opens the traced plot as a program does before a quick plot.
  void opened() {
    traced();
    zanini_();
    zanglb.iproto = 0;
  }

  static QPoint toPlot(double dx, double dy) {
    return {dx / zanglb.xscf, zanglb.nyres - dy / zanglb.xscf};
  }
  static std::vector<QSegment> segments() {
    std::vector<QSegment> out;
    QPoint cur{0, 0};
    for (const std::string& line : traceLines()) {
      std::istringstream in(line);
      std::string op;
      double a = 0, b = 0;
      in >> op >> a >> b;
      if (op == "move") cur = toPlot(a, b);
      if (op == "draw") {
        const QPoint p = toPlot(a, b);
        out.push_back({cur, p});
        cur = p;
      }
    }
    return out;
  }
  static std::vector<std::vector<QPoint>> polygons() {
    std::vector<std::vector<QPoint>> out;
    for (const std::string& line : traceLines()) {
      if (line.rfind("polygon", 0) != 0) continue;
      std::istringstream in(line.substr(7));
      std::vector<QPoint> p;
      for (std::string pt; in >> pt;) {
        const auto comma = pt.find(',');
        p.push_back(toPlot(std::stod(pt.substr(0, comma)), std::stod(pt.substr(comma + 1))));
      }
      out.push_back(p);
    }
    return out;
  }
  // The number of segment ends drawn inside the rectangle [x1, x2] x [y1, y2].
  static int inkIn(double x1, double y1, double x2, double y2) {
    int n = 0;
    for (const QSegment& s : segments())
      for (const QPoint& p : {s.a, s.b})
        n += p.x >= x1 && p.x <= x2 && p.y >= y1 && p.y <= y2;
    return n;
  }

  // The warning lines among printed lines, as "number routine".
  static std::vector<std::string> warnings(const std::vector<std::string>& lines) {
    std::vector<std::string> out;
    for (const std::string& l : lines) {
      if (l.rfind(" <<<< Warning", 0) != 0) continue;
      const int number = std::atoi(l.substr(13, 4).c_str());
      const auto in = l.find(" in "), bang = l.find('!', in);
      out.push_back(std::to_string(number) + " " + l.substr(in + 4, bang - in - 4));
    }
    return out;
  }

  static int32_t level() {
    int32_t lev = -1;
    getlev_(&lev);
    return lev;
  }
};

}  // namespace zantor::test

// Shared helpers of the text tests: a traced plot on a PostScript-sized
// page, its strokes back in plot coordinates, and a tiny rasteriser that
// turns them into a picture.
#pragma once
#include <cstdio>
#include <string>
#include <vector>

#include "core/state.h"
#include "devices/trace/trace_device.h"
#include "draw/page.h"
#include "support/fixture.h"
#include <zantor.h>

namespace zantor::test {

struct PlotPoint {
  bool move;
  double x, y;  // plot coordinates
};

// Opens a traced plot with the default text settings.
inline void openTracedPlot() {
  installTraceDevice();
  call(metafl_, "PS");
  call(pagmod_, "NONE");
  zanini_();
  zanglb.iproto = 0;
}

// The move and draw operations of the trace so far, converted back to plot
// coordinates with the inverse of the (affine) device transformation.
inline std::vector<PlotPoint> tracedPoints() {
  double ox, oy, ax, ay, bx, by;
  deviceTransform(0, 0, ox, oy);
  deviceTransform(1, 0, ax, ay);
  deviceTransform(0, 1, bx, by);
  const double a11 = ax - ox, a21 = ay - oy, a12 = bx - ox, a22 = by - oy;
  const double det = a11 * a22 - a12 * a21;
  std::vector<PlotPoint> out;
  for (const auto& l : traceLines()) {
    double dx, dy;
    char op[8];
    if (std::sscanf(l.c_str(), "%7s %lf %lf", op, &dx, &dy) != 3) continue;
    const std::string o = op;
    if (o != "move" && o != "draw") continue;
    dx -= ox, dy -= oy;
    out.push_back({o == "move", (a22 * dx - a12 * dy) / det, (-a21 * dx + a11 * dy) / det});
  }
  return out;
}

// Draws the strokes into a grey picture (white paper, black ink) of the
// page region x0..x0+w, y0..y0+h, scale plot units per pixel.
struct Picture {
  int w, h;
  std::vector<unsigned char> px;
  Picture(int width, int height) : w(width), h(height), px(static_cast<size_t>(width) * height, 255) {}
  void line(double x1, double y1, double x2, double y2) {
    const int n = static_cast<int>(std::max(std::abs(x2 - x1), std::abs(y2 - y1))) + 1;
    for (int i = 0; i <= n; ++i) {
      const int x = static_cast<int>(x1 + (x2 - x1) * i / n + 0.5);
      const int y = static_cast<int>(y1 + (y2 - y1) * i / n + 0.5);
      if (x >= 0 && x < w && y >= 0 && y < h) px[static_cast<size_t>(y) * w + x] = 0;
    }
  }
  void strokes(const std::vector<PlotPoint>& pts, double x0, double y0, double scale) {
    for (size_t i = 1; i < pts.size(); ++i)
      if (!pts[i].move)
        line((pts[i - 1].x - x0) / scale, (pts[i - 1].y - y0) / scale, (pts[i].x - x0) / scale,
             (pts[i].y - y0) / scale);
  }
  int ink(int x1, int y1, int x2, int y2) const {  // black pixels in a rectangle
    int n = 0;
    for (int y = std::max(0, y1); y < std::min(h, y2); ++y)
      for (int x = std::max(0, x1); x < std::min(w, x2); ++x) n += px[static_cast<size_t>(y) * w + x] == 0;
    return n;
  }
  bool writePgm(const std::string& path) const {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    std::fprintf(f, "P5\n%d %d\n255\n", w, h);
    const bool ok = std::fwrite(px.data(), 1, px.size(), f) == px.size();
    return std::fclose(f) == 0 && ok;
  }
};

}  // namespace zantor::test

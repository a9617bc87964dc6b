// Rectangular frames of a given thickness (axis frames, legends, boxes).
#include <algorithm>
#include <cmath>

#include "core/state.h"
#include "draw/colour.h"
#include "draw/fill.h"
#include "draw/fill_area.h"
#include "draw/pipeline.h"

namespace zantor {
namespace {

// Frames of more rectangles than this (0.1 mm apart) are filled bands.
constexpr int kMaxFrameLines = 24;

}  // namespace

void dframe(int x, int y, int w, int h, int t, float angle) {
  const Zanglb& g = zanglb;
  if (t == 0 || !std::isfinite(angle)) return;
  const int32_t previous = g.ncolr;
  const bool ownColour = g.ifrclr != -1;
  if (ownColour) qqsclr(g.ifrclr);
  const double x0 = static_cast<double>(x) + g.nx0, y0 = static_cast<double>(y) + g.ny0;
  const double x1 = x0 + w - 1.0, y1 = y0 + h - 1.0;
  // One rectangle per 0.1 mm of thickness, each 0.1 mm further out (or in
  // for negative frame settings).  Thicknesses beyond any page are capped.
  const double tenths = std::min(std::fabs(static_cast<double>(t)) * g.xfcuni, 10000.0);
  const int count = std::max(1, static_cast<int>(std::lround(tenths)));
  const double step = (g.nfra < 0 ? -1.0 : 1.0) / g.xfcuni;
  const double r = angle * (3.14159265358979323846 / 180.0);
  const double s = std::sin(r), c = std::cos(r);
  // Counter-clockwise on the page (y grows downwards) about (x0, y0).
  auto put = [&](double px, double py, bool first) {
    const double dx = px - x0, dy = py - y0;
    const float rx = static_cast<float>(x0 + dx * c + dy * s);
    const float ry = static_cast<float>(y0 - dx * s + dy * c);
    if (first) qqmove(rx, ry);
    else qqdraw(rx, ry);
  };
  if (count > kMaxFrameLines) {
    // A frame this thick is one band: the ring between its outer and its
    // inner rectangle (one line width beyond the outermost and innermost
    // rectangles) filled solid, which bounds the work.
    const double half = 0.5 * std::max(1, std::abs(g.nlinwd));
    double from = -half * (step < 0 ? -1 : 1), to = (count - 1) * step + half * (step < 0 ? -1 : 1);
    // Inwards the band stops where the box closes.
    const double close = -0.5 * std::min(x1 - x0, y1 - y0);
    if (step < 0) to = std::max(to, close);
    double px[8], py[8];
    auto ring = [&](double o, int at) {
      const double l = x0 - o, r2 = x1 + o, tp = y0 - o, b = y1 + o;
      const double cx[4] = {l, r2, r2, l}, cy[4] = {tp, tp, b, b};
      for (int k = 0; k < 4; ++k) {
        const double dx = cx[k] - x0, dy = cy[k] - y0;
        px[at + k] = x0 + dx * c + dy * s;
        py[at + k] = y0 - dx * s + dy * c;
      }
    };
    ring(std::max(from, to), 0);
    ring(std::min(from, to), 4);
    const int counts[2] = {4, 4};
    const bool closed = step < 0 && to <= close;
    qqstrk();
    fillAbsoluteRings(px, py, counts, closed ? 1 : 2, solidPattern());
    if (ownColour) qqsclr(previous);
    return;
  }
  // Rectangles covered by the width of their neighbours' lines, or closer
  // than half a device unit, are thinned out evenly (which bounds the work
  // of thick frames); the outermost one is always drawn.
  const double apart = std::max(std::abs(g.nlinwd) * 0.5, deviceUnitStep());
  const int stride = std::fabs(step) > 0 && apart > std::fabs(step)
                         ? static_cast<int>(std::min(std::floor(apart / std::fabs(step)), 1e6))
                         : 1;
  for (int i = 0; i < count; i = (i < count - 1 && i + stride > count - 1) ? count - 1 : i + stride) {
    const double o = i * step;
    const double l = x0 - o, r2 = x1 + o, tp = y0 - o, b = y1 + o;
    put(l, tp, true);
    put(r2, tp, false);
    put(r2, b, false);
    put(l, b, false);
    put(l, tp, false);
  }
  qqstrk();
  if (ownColour) qqsclr(previous);
}

}  // namespace zantor

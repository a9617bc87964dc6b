// Coloured cells: one image for devices that take images, else one filled
// rectangle per cell.
#include <cmath>

#include "colourplot/colour_plot.h"
#include "core/state.h"
#include "devices/dispatch.h"
#include "draw/fill.h"
#include "draw/page.h"
#include "draw/pipeline.h"
#include "draw/scoped_pen.h"

namespace zantor {
namespace {

bool insideClip(double left, double top, double right, double bottom) {
  const Zanglb& g = zanglb;
  return left >= g.nxclip && right <= g.nuclip && top >= g.nyclip && bottom <= g.nvclip;
}

bool anyTransparent(const int32_t* cells, long n) {
  for (long i = 0; i < n; ++i)
    if (cells[i] < 0) return true;
  return false;
}

}  // namespace

void drawCells(double left, double top, double right, double bottom, const int32_t* cells,
               int w, int h) {
  if (w < 1 || h < 1 || cells == nullptr) return;
  if (!std::isfinite(left) || !std::isfinite(top) || !std::isfinite(right) ||
      !std::isfinite(bottom))
    return;
  Device* d = currentDevice();
  if (d == nullptr) return;
  qqstrk();
  const ThinPen thin;
  // One image when nothing of it is clipped away and no cell is left out.
  if (insideClip(left, top, right, bottom) && !anyTransparent(cells, long(w) * h)) {
    double x0, y0, x1, y1, x2, y2;
    deviceTransform(left, top, x0, y0);
    deviceTransform(right, top, x1, y1);
    deviceTransform(left, bottom, x2, y2);
    const ImagePlacement at{x0, y0, x1 - x0, y1 - y0, x2 - x0, y2 - y0};
    if (d->cellImage(at, cells, w, h)) return;
  }
  // Rectangles, each from its own left/top edge to the next cell's edge,
  // so that neighbours meet without gaps.
  const double cw = (right - left) / w, ch = (bottom - top) / h;
  for (int j = 0; j < h; ++j) {
    const double t = top + j * ch, b = top + (j + 1) * ch;
    for (int i = 0; i < w; ++i) {
      const int32_t c = cells[long(j) * w + i];
      if (c < 0) continue;
      // Runs of equal colour along a row become one rectangle.
      int k = i;
      while (k + 1 < w && cells[long(j) * w + k + 1] == c) ++k;
      dbox(float(left + i * cw), float(t), float(left + (k + 1) * cw), float(b), c);
      i = k;
    }
  }
}

}  // namespace zantor

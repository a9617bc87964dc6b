// Rectangles filled with a colour: dbox and the page fill pagfll.
#include <algorithm>
#include <cmath>

#include "core/api.h"
#include "core/keywords.h"
#include "core/levels.h"
#include "core/state.h"
#include "devices/dispatch.h"
#include "draw/colour.h"
#include "draw/fill.h"
#include "draw/fill_area.h"
#include "draw/page.h"
#include "draw/pipeline.h"

namespace zantor {

void dbox(float x1, float y1, float x2, float y2, int32_t colour) {
  const Zanglb& g = zanglb;
  if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2)) return;
  // The part inside the clipping window; nothing when nothing remains.
  const double left = std::max<double>(std::min(x1, x2), g.nxclip);
  const double right = std::min<double>(std::max(x1, x2), g.nuclip);
  const double top = std::max<double>(std::min(y1, y2), g.nyclip);
  const double bottom = std::min<double>(std::max(y1, y2), g.nvclip);
  if (left > right || top > bottom) return;
  Device* d = currentDevice();
  if (d == nullptr) return;
  qqstrk();
  if (d->caps().fillRect) {
    double dx1, dy1, dx2, dy2;
    deviceTransform(left, top, dx1, dy1);
    deviceTransform(right, bottom, dx2, dy2);
    d->fillRect(dx1, dy1, dx2, dy2, colourRgb(colour));
    return;
  }
  // No rectangle fill: a solid polygon in the colour, then the current
  // colour again.
  const int32_t previous = g.ncolr;
  qqsclr(colour);
  const double xs[4] = {left, right, right, left};
  const double ys[4] = {top, top, bottom, bottom};
  fillAbsolute(xs, ys, 4, solidPattern());
  qqsclr(previous);
}

}  // namespace zantor

using namespace zantor;

ZANTOR_API void pagfll_(const int32_t* nclr) try {
  if (jqqlev(1, 3, "PAGFLL") != 0) return;
  if (jqqval(*nclr, 0, -1) != 0) return;
  const int32_t previous = zanglb.ncolr;
  dbox(0.0f, 0.0f, static_cast<float>(zanglb.nxres), static_cast<float>(zanglb.nyres), *nclr);
  qqsclr(previous);
} ZANTOR_CATCH

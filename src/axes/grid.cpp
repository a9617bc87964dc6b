// Grids at the label positions, lines and axes through the origin.
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "axes/axes.h"
#include "charts/charts.h"
#include "core/api.h"
#include "core/levels.h"
#include "core/state.h"
#include "core/warnings.h"
#include "draw/pipeline.h"

namespace zantor {
namespace {

// The side settings that grid and cross change for one run of the axis
// routine, restored afterwards.
struct SavedSides {
  AxisFields axis;
  TickFields tick;
  static SavedSides take() { return {zanglb, zanglb}; }
  void restore() const {
    static_cast<AxisFields&>(zanglb) = axis;
    static_cast<TickFields&>(zanglb) = tick;
  }
};

// True when 0 lies strictly inside lo..hi (with the library's epsilon).
bool zeroInside(float lo, float hi) { return lo + zanglb.eps < 0 && 0 < hi - zanglb.eps; }

bool zeroWithin(float a, float e) { return (a <= 0 && 0 <= e) || (e <= 0 && 0 <= a); }

void horizontalZeroLine() {
  const Zanglb& g = zanglb;
  if (!zeroInside(g.ymin, g.ymax)) return;
  const float y = static_cast<float>(userToPlotY(0));
  qqmove(static_cast<float>(g.nxa), y);
  qqdraw(static_cast<float>(int64_t{g.nxa} + g.nxl - 1), y);
  qqstrk();
}

void verticalZeroLine() {
  const Zanglb& g = zanglb;
  if (!zeroInside(g.xmin, g.xmax)) return;
  const float x = static_cast<float>(userToPlotX(0));
  qqmove(x, static_cast<float>(g.nya));
  qqdraw(x, static_cast<float>(g.nya - g.nyl + 1));
  qqstrk();
}

}  // namespace
}  // namespace zantor

using namespace zantor;

// Every tick of the lower X and left Y axis becomes a line across the axis
// rectangle: the tick routine runs with ix (iy) ticks per label step and
// ticks as long as the rectangle, turned inwards.
ZANTOR_API void grid_(const int32_t* ix, const int32_t* iy) try {
  if (jqqlev(2, 3, "GRID") != 0) return;
  if (*ix < 0) warni1(2, *ix);
  if (*iy < 0) warni1(2, *iy);
  if (*ix < 0 || *iy < 0) return;
  Zanglb& g = zanglb;
  if (g.igraf == 1) {
    // One ray per angle label (times iy); absurd counts are held finite.
    const double rays = std::min(std::fabs(360.0 / g.ystep), 3600.0);
    drawPolarGrid(*ix, static_cast<int>(std::min(std::round(rays) * *iy, 3600.0)));
    return;
  }
  // GRAFR systems join here with that axis system.
  if (g.igraf != 0) return;
  qqstrk();
  const SavedSides saved = SavedSides::take();
  g.iaxsfr = 0;
  g.inogr = 0;
  g.naxbgd = -1;
  g.nfra = 0;
  g.isetgr[0] = 2, g.isetgr[1] = 0, g.isetgr[2] = 0, g.isetgr[3] = 2;
  g.naxx[0] = g.naxx[1] = 0;
  g.nticx[0] = *ix;
  g.nticx[1] = *iy;
  g.nrvx[0] = g.nrvx[1] = 1;
  // One tick length serves both axes: the lower X side's ticks span the
  // height, the left Y side's the width; run the sides one at a time.
  g.ntic1 = g.ntic2 = g.nyl - 1;
  g.isetgr[3] = 0;
  drawAxisSides();
  g.isetgr[0] = 0, g.isetgr[3] = 2;
  g.ntic1 = g.ntic2 = g.nxl - 1;
  drawAxisSides();
  saved.restore();
} ZANTOR_CATCH

ZANTOR_API void axgit_() try {
  if (jqqlev(2, 3, "AXGIT") != 0) return;
  horizontalZeroLine();
  verticalZeroLine();
} ZANTOR_CATCH

ZANTOR_API void xaxgit_() try {
  if (jqqlev(2, 3, "XAXGIT") != 0) return;
  horizontalZeroLine();
} ZANTOR_CATCH

ZANTOR_API void yaxgit_() try {
  if (jqqlev(2, 3, "YAXGIT") != 0) return;
  verticalZeroLine();
} ZANTOR_CATCH

// An X axis through y = 0 and a Y axis through x = 0, each with line, ticks
// and labels; an axis whose zero lies outside the other axis's scaling is
// left out.
ZANTOR_API void cross_() try {
  if (jqqlev(2, 3, "CROSS") != 0) return;
  Zanglb& g = zanglb;
  if (g.igraf != 0) return;
  const bool xAxis = g.ixlg[1] == 0 && zeroWithin(g.ya, g.ye);
  const bool yAxis = g.ixlg[0] == 0 && zeroWithin(g.xa, g.xe);
  if (!xAxis && !yAxis) return;
  qqstrk();
  const SavedSides saved = SavedSides::take();
  g.iaxsfr = 1;
  g.naxbgd = -1;
  g.nfra = 0;
  g.nxcros = roundPlot(userToPlotX(0));
  g.nycros = roundPlot(userToPlotY(0));
  g.isetgr[0] = xAxis ? 3 : 0;
  g.isetgr[3] = yAxis ? 3 : 0;
  g.naxx[0] = g.naxx[1] = 1;
  drawAxisSides();
  saved.restore();
} ZANTOR_CATCH

// conshd: shaded contours of a grid function.
#include <cmath>
#include <new>
#include <vector>

#include "axes/axes.h"
#include "axes/curve_internal.h"
#include "axes/legend_record.h"
#include "contour/contour_draw.h"
#include "contour/shade.h"
#include "core/api.h"
#include "core/levels.h"
#include "core/state.h"
#include "core/warnings.h"
#include "draw/colour.h"
#include "draw/pipeline.h"

using namespace zantor;

ZANTOR_API void conshd_(const float* xray, const int32_t* n, const float* yray, const int32_t* m,
                        const float* zmat, const float* zlvray, const int32_t* nlev) try {
  if (jqqlev(2, 3, "CONSHD") != 0) return;
  Zanglb& g = zanglb;
  if (*nlev < 1) return warni1(2, *nlev);
  for (int k = 0; k < *nlev; ++k)
    if (!std::isfinite(zlvray[k])) return warnc1(2, "ZLVRAY");
  if (g.iclrcr > 0 && g.iclrcr < *nlev) qqerror(162, "More contour levels as defined colours");
  if (!checkContourGrid(xray, *n, yray, *m, true)) return;
  const int32_t colour = g.ncolr;
  try {
    const LevelIntervals iv = makeIntervals(zlvray, *nlev);
    // One legend entry per level in its colour, a solid pattern sample.
    for (int k = 1; k <= iv.count(); ++k) {
      LegendAttributes a;
      a.style = -1;
      a.colour = iv.colour[k];
      a.pattern = 16;
      recordCurveForLegend(a);
    }
    const ContourGrid grid{xray, yray, zmat, *n, *m, false};
    AxisClip clip;
    qqstrk();
    if (g.ishcon == 1) {
      shadePolygons(grid, iv);
    } else {
      std::vector<double> px(*n), py(*m);
      for (int i = 0; i < *n; ++i) px[i] = userToPlotX(xray[i]);
      for (int j = 0; j < *m; ++j) py[j] = userToPlotY(yray[j]);
      shadeCells(grid, px, py, iv);
    }
  } catch (const std::bad_alloc&) {
    warnin(53);
  }
  if (g.ncolr != colour) qqsclr(colour);
} ZANTOR_CATCH

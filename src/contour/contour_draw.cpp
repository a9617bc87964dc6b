// Drawing of contour levels: legend slot, clipping, passes of thick lines
// at parallel offsets (the later passes leave the label gaps but write no
// text), the point sink with its labels.
#include "contour/contour_draw.h"

#include <cmath>
#include <new>

#include "axes/curve_internal.h"
#include "axes/legend_record.h"
#include "contour/point_sink.h"
#include "core/keywords.h"
#include "core/state.h"
#include "core/warnings.h"
#include "draw/pipeline.h"

namespace zantor {

namespace {

bool increasing(const float* v, int n) {
  for (int i = 1; i < n; ++i)
    if (!(v[i] > v[i - 1])) return false;
  return true;
}

bool positive(const float* v, int n) {
  for (int i = 0; i < n; ++i)
    if (!(v[i] > 0)) return false;
  return true;
}

void recordLegendSlot() {
  const Zanglb& g = zanglb;
  LegendAttributes a;
  a.style = g.ityp;
  a.colour = g.ncolr;
  a.thickness = g.nthk;
  recordCurveForLegend(a);
}

// Runs `traverse(sink)` once per pass of a thick line.
template <class F>
void inPasses(double zlev, F traverse) {
  Zanglb& g = zanglb;
  recordLegendSlot();
  AxisClip clip;
  const int passes = std::max(1, static_cast<int>(g.nthk * g.xfcuni + 0.5f));
  const ContourLabel first = prepareContourLabel(zlev);
  ContourLabel later = first;
  if (later.mode != 0) later.mode = 3;
  for (int i = 1; i <= passes; ++i) {
    // Offsets 0, +1, -1, +2, -2, ... divided by the unit factor.
    const int sign = (i % 2 == 0) ? 1 : -1;
    g.xoff = static_cast<float>((sign * i / 2) / g.xfcuni);
    PlotSink sink(i == 1 ? first : later);
    traverse(sink);
    sink.endLine();
    qqstrk();
  }
  g.xoff = 0.0f;
}

}  // namespace

bool checkContourGrid(const float* xray, int32_t n, const float* yray, int32_t m, bool axes) {
  if (n < 2 || m < 2) {
    warni1(2, n < 2 ? n : m);
    return false;
  }
  if (!increasing(xray, n)) {
    warnc1(2, "XRAY");
    return false;
  }
  if (!increasing(yray, m)) {
    warnc1(2, "YRAY");
    return false;
  }
  if (axes) {
    const Zanglb& g = zanglb;
    if ((g.ixlg[0] == 1 && !positive(xray, n)) || (g.ixlg[1] == 1 && !positive(yray, m))) {
      warnin(27);
      return false;
    }
  }
  return true;
}

void drawGridContour(const ContourGrid& grid, double zlev) {
  std::vector<uint32_t> mask;
  try {
    mask.reserve(static_cast<size_t>(grid.n) * grid.m / 32 + 1);
  } catch (const std::bad_alloc&) {
    warnin(53);
    return;
  }
  inPasses(zlev, [&](PlotSink& sink) { traceContour(grid, zlev, mask, sink); });
}

void drawContourPolylines(const std::vector<double>& px, const std::vector<double>& py, double zlev) {
  inPasses(zlev, [&](PlotSink& sink) {
    bool fresh = true;
    for (size_t k = 0; k < px.size(); ++k) {
      if (std::isnan(px[k])) {
        fresh = true;
        continue;
      }
      if (fresh) sink.startLine();
      fresh = false;
      sink.plotPoint(px[k], py[k]);
    }
  });
}

}  // namespace zantor

// Drawing of contour levels: legend slot, clipping, passes of thick lines
// at parallel offsets (the later passes leave the label gaps but write no
// text), the point sink with its labels.
#include "contour/contour_draw.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <vector>

#include "axes/axes.h"
#include "axes/curve_internal.h"
#include "axes/legend_record.h"
#include "contour/point_sink.h"
#include "core/keywords.h"
#include "core/scoped_value.h"
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

// Collects the traced points in plot coordinates, runs separated by NaN,
// so that the passes of a thick line walk the grid once.
class CollectSink : public ContourSink {
 public:
  CollectSink(std::vector<double>& x, std::vector<double>& y) : x_(x), y_(y) {}
  void startLine() override { gap(); }
  void point(double x, double y) override {
    double px, py;
    userToPlot(x, y, px, py);
    x_.push_back(px);
    y_.push_back(py);
  }
  void endLine() override { gap(); }

 private:
  void gap() {
    if (x_.empty() || std::isnan(x_.back())) return;
    x_.push_back(NAN);
    y_.push_back(NAN);
  }
  std::vector<double>& x_;
  std::vector<double>& y_;
};

// How far a parallel copy of the lines may lie from them and still show
// in the clipping window: every point of a copy at offset d lies d from
// a point of the lines, so beyond the diameter of the lines and the
// window together nothing of it shows.
double visibleReach(const std::vector<double>& px, const std::vector<double>& py) {
  const Zanglb& g = zanglb;
  double x0 = g.nxclip, x1 = g.nuclip, y0 = g.nyclip, y1 = g.nvclip;
  for (size_t k = 0; k < px.size(); ++k) {
    if (!std::isfinite(px[k]) || !std::isfinite(py[k])) continue;
    x0 = std::min(x0, px[k]), x1 = std::max(x1, px[k]);
    y0 = std::min(y0, py[k]), y1 = std::max(y1, py[k]);
  }
  return std::hypot(x1 - x0, y1 - y0) + 1;
}

// Draws the polylines once per pass of a thick line, at offsets 0, +1,
// -1, +2, -2, ... plot units (divided by the unit factor); copies too far
// out to show are left out.
void inPasses(const std::vector<double>& px, const std::vector<double>& py, double zlev) {
  Zanglb& g = zanglb;
  recordLegendSlot();
  AxisClip clip;
  const ScopedValue<float> xoff(g.xoff, 0.0f);  // 0 again after the passes
  const int passes = std::max(1, static_cast<int>(g.nthk * g.xfcuni + 0.5f));
  const double reach = passes > 1 ? visibleReach(px, py) : 0;
  const ContourLabel first = prepareContourLabel(zlev);
  ContourLabel later = first;
  if (later.mode != 0) later.mode = 3;
  for (int i = 1; i <= passes; ++i) {
    const int sign = (i % 2 == 0) ? 1 : -1;
    g.xoff = static_cast<float>((sign * i / 2) / g.xfcuni);
    if (i > 1 && std::fabs(g.xoff) > reach) break;  // the offsets only grow
    PlotSink sink(i == 1 ? first : later);
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
    sink.endLine();
    qqstrk();
  }
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
  std::vector<double> px, py;
  try {
    mask.reserve(static_cast<size_t>(grid.n) * grid.m / 32 + 1);
    CollectSink lines(px, py);
    traceContour(grid, zlev, mask, lines);
  } catch (const std::bad_alloc&) {
    warnin(53);
    return;
  }
  inPasses(px, py, zlev);
}

void drawContourPolylines(const std::vector<double>& px, const std::vector<double>& py, double zlev) {
  inPasses(px, py, zlev);
}

}  // namespace zantor

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
#include "draw/scoped_pen.h"

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

// More passes of a thick line than this are drawn as one wide line.
constexpr int kMostPasses = 24;

void drawRuns(const std::vector<double>& px, const std::vector<double>& py, const ContourLabel& label) {
  PlotSink sink(label);
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

// Draws the polylines once per pass of a thick line, at offsets 0, +1,
// -1, +2, -2, ... plot units (divided by the unit factor).  Passes one
// plot unit apart merge into a band: beyond a few of them the band is
// drawn as one line of its width, which bounds the work and the output
// whatever the thickness.  The label gaps are left in the band either way.
void inPasses(const std::vector<double>& px, const std::vector<double>& py, double zlev) {
  Zanglb& g = zanglb;
  recordLegendSlot();
  AxisClip clip;
  const ScopedValue<float> xoff(g.xoff, 0.0f);  // 0 again after the passes
  const int passes = std::max(1, static_cast<int>(g.nthk * g.xfcuni + 0.5f));
  ContourLabel first = prepareContourLabel(zlev);
  if (passes > kMostPasses) {
    const double own = currentLineWidth();
    first.textWidth = own;
    const LineWidth band((passes - 1) / g.xfcuni + own);
    drawRuns(px, py, first);
    return;
  }
  ContourLabel later = first;
  if (later.mode != 0) later.mode = 3;
  for (int i = 1; i <= passes; ++i) {
    const int sign = (i % 2 == 0) ? 1 : -1;
    g.xoff = static_cast<float>((sign * i / 2) / g.xfcuni);
    drawRuns(px, py, i == 1 ? first : later);
  }
}

}  // namespace

void countNans(const float* v, size_t count) {
  int64_t nans = 0;
  for (size_t k = 0; k < count; ++k) nans += std::isnan(v[k]) ? 1 : 0;
  Zanglb& g = zanglb;
  g.nnans = static_cast<int32_t>(std::min<int64_t>(int64_t{g.nnans} + nans, INT32_MAX));
}

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

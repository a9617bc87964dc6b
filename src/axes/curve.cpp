// curve: one data series in the current axis system.
#include <cmath>
#include <vector>

#include "axes/axes.h"
#include "axes/curve_internal.h"
#include "axes/legend_record.h"
#include "core/api.h"
#include "core/levels.h"
#include "core/warnings.h"
#include "draw/colour.h"
#include "draw/pipeline.h"

namespace zantor {

namespace {

constexpr int kSpli = 3, kPspl = 4;

LegendRecorder legendRecorder = recordCurveForLegend;

// Keeps the dash pattern and the colour of the program while a curve draws
// with the cycle attributes.
class CurveAttributes {
 public:
  CurveAttributes() : g_(zanglb) {
    colour_ = g_.ncolr; ityp_ = g_.ityp; nmrk_ = g_.nmrk; nmrind_ = g_.nmrind;
    xmrlen_ = g_.xmrlen; nmrpen_ = g_.nmrpen;
    for (int i = 0; i < LineFields::kPatternSize; ++i) nmray_[i] = g_.nmray[i];
    const int k = g_.ncall - 1;
    if (g_.ichn == 1 || g_.ichn == 3) qqsclr(g_.nclrcr[k]);
    if (g_.ichn == 2 || g_.ichn == 3) qqltyp(g_.nctyp[k]);
  }
  ~CurveAttributes() {
    qqstrk();
    g_.ityp = ityp_; g_.nmrk = nmrk_; g_.nmrind = nmrind_; g_.xmrlen = xmrlen_;
    g_.nmrpen = nmrpen_;
    for (int i = 0; i < LineFields::kPatternSize; ++i) g_.nmray[i] = nmray_[i];
    if (g_.ncolr != colour_) qqsclr(colour_);
  }
  CurveAttributes(const CurveAttributes&) = delete;
  CurveAttributes& operator=(const CurveAttributes&) = delete;

 private:
  Zanglb& g_;
  int32_t colour_, ityp_, nmrk_, nmrind_, nmrpen_;
  int32_t nmray_[LineFields::kPatternSize];
  float xmrlen_;
};

bool nonPositiveOnLogAxis(const float* xray, const float* yray, int n) {
  const Zanglb& g = zanglb;
  for (int i = 0; i < n; ++i) {
    if (g.ixlg[0] == 1 && xray[i] <= 0) return true;  // NaN compares false
    if (g.ixlg[1] == 1 && yray[i] <= 0) return true;
  }
  return false;
}

// Counts the points outside the data range of the axis system and, with
// the NaN option, the NaN points; reports the outside points when data
// checks are on.  Returns the number of non-finite points.
int checkData(const float* xray, const float* yray, int n) {
  Zanglb& g = zanglb;
  const double tx = 1e-5 * (g.xmax - g.xmin), ty = 1e-5 * (g.ymax - g.ymin);
  int outside = 0, nans = 0, bad = 0;
  for (int i = 0; i < n; ++i) {
    const double x = xray[i], y = yray[i];
    if (!std::isfinite(x) || !std::isfinite(y)) {
      ++bad;
      if (g.inanop == 1 && (std::isnan(x) || std::isnan(y))) {
        ++nans;
        continue;
      }
    }
    if (!(x >= g.xmin - tx && x <= g.xmax + tx && y >= g.ymin - ty && y <= g.ymax + ty)) ++outside;
  }
  g.nnans += nans;
  g.nnouts += outside;
  if (outside > 0 && g.nchek == 1) {
    qqserr("Data points out of the axis system");
    warni1(162, outside);
  }
  return bad;
}

}  // namespace

LegendRecorder setLegendRecorder(LegendRecorder r) {
  LegendRecorder old = legendRecorder;
  legendRecorder = r ? r : recordCurveForLegend;
  return old;
}

void drawCurve(const float* xray, const float* yray, int n) {
  Zanglb& g = zanglb;
  if (n <= 0 || (n == 1 && g.incm >= 0)) {
    warni1(2, n);
    return;
  }
  // Polar systems know lines, bars and stems only.
  if (g.igraf == 1 && g.ioppol != 0 && g.ioppol != 2 && g.ioppol != 5 && g.ioppol != 7) {
    qqerror(160, "Bad interpolation method for polar scaling");
    return;
  }
  if (nonPositiveOnLogAxis(xray, yray, n)) {
    warnin(27);
    return;
  }
  CurveAttributes attributes;

  LegendAttributes rec;
  rec.style = g.incm < 0 ? -1 : g.ityp;
  rec.colour = g.ncolr;
  rec.thickness = g.nthk;
  rec.symbol = g.incm != 0 ? g.nsym : -1;
  legendRecorder(rec);

  const int bad = checkData(xray, yray, n);
  if (bad > 0 && (g.ioppol == kSpli || g.ioppol == kPspl)) {
    // Infinite values cannot be interpolated either.
    qqerror(160, "NaN Values are not handled for spline interpolation");
    return;
  }

  std::vector<double> px(n), py(n);
  for (int i = 0; i < n; ++i) {
    const bool nanPoint = std::isnan(xray[i]) || std::isnan(yray[i]);
    if (nanPoint || !std::isfinite(xray[i]) || !std::isfinite(yray[i])) {
      px[i] = py[i] = NAN;  // a break in the curve
      continue;
    }
    userToPlot(xray[i], yray[i], px[i], py[i]);
  }

  if (g.incm != 0) drawCurveMarkers(px, py, std::abs(g.incm));
  if (g.incm >= 0) {
    AxisClip clip;
    drawCurveLines(xray, yray, n, px, py);
  }

  ++g.ncalls;
  if (g.ncalls % g.incc == 0) g.ncall = g.ncall % LineFields::kStyleCycle + 1;
}

}  // namespace zantor

using namespace zantor;

ZANTOR_API void curve_(const float* xray, const float* yray, const int32_t* n) try {
  if (jqqlev(2, 3, "CURVE") != 0) return;
  drawCurve(xray, yray, *n);
} ZANTOR_CATCH

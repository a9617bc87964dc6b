// Drawing helpers of curves: axis clipping, thick polylines, markers.
#include <cmath>
#include <cstdint>

#include "axes/curve_internal.h"
#include "charts/charts.h"
#include "axes/symbols.h"
#include "draw/colour.h"
#include "draw/pipeline.h"

namespace zantor {

AxisClip::AxisClip() : changed_(false) {
  Zanglb& g = zanglb;
  x_ = g.nxclip; y_ = g.nyclip; u_ = g.nuclip; v_ = g.nvclip;
  circle_ = g.iazclp; xmit_ = g.xmit; ymit_ = g.ymit; rad_ = g.rad;
  if (g.iclipp != 0 || g.inomch == 1) return;  // the program's own window, or clpmod NONE
  qqstrk();
  changed_ = true;
  if (g.igraf == 1 && clipToPolarCircle()) return;
  g.nxclip = std::max(g.nxclip, g.nxa);
  g.nyclip = std::max(g.nyclip, g.nya - g.nyl + 1);
  g.nuclip = static_cast<int32_t>(std::min<int64_t>(g.nuclip, int64_t{g.nxa} + g.nxl - 1));
  g.nvclip = std::min(g.nvclip, g.nya);
}

AxisClip::~AxisClip() {
  if (!changed_) return;
  Zanglb& g = zanglb;
  qqstrk();
  g.nxclip = x_; g.nyclip = y_; g.nuclip = u_; g.nvclip = v_;
  g.iazclp = circle_; g.xmit = xmit_; g.ymit = ymit_; g.rad = rad_;
}

// More copies of a thick curve than this are drawn as one wide line.
constexpr int kMaxCurveCopies = 24;

bool insideAxisRect(double px, double py) {
  const Zanglb& g = zanglb;
  return px >= g.nxa - 0.5 && px <= double(g.nxa) + g.nxl - 0.5 && py >= g.nya - g.nyl + 0.5 &&
         py <= g.nya + 0.5;
}

void drawCurvePolyline(const double* x, const double* y, int n) {
  if (n < 2) return;
  Zanglb& g = zanglb;
  const int k = g.nthk;
  if (k > kMaxCurveCopies) {
    // Copies one plot unit apart merge into one band: a curve that thick
    // is one line as wide as the band, which bounds the work.
    const double width = currentLineWidth();
    setLineWidth(k - 1 + width);
    strtqq(static_cast<float>(x[0]), static_cast<float>(y[0]));
    for (int i = 1; i < n; ++i) connqq(static_cast<float>(x[i]), static_cast<float>(y[i]));
    setLineWidth(width);  // strokes the curve first
    return;
  }
  const float keep = g.xoff;
  // Thick curves: nthk copies at offsets of one plot unit, centred on the
  // curve (the pipeline shifts each segment perpendicular by xoff).
  for (int j = 0; j < k; ++j) {
    g.xoff = static_cast<float>(j - (k - 1) / 2.0);
    if (std::fabs(g.xoff) < 1e-6f) g.xoff = 0.0f;
    strtqq(static_cast<float>(x[0]), static_cast<float>(y[0]));
    for (int i = 1; i < n; ++i) connqq(static_cast<float>(x[i]), static_cast<float>(y[i]));
    qqstrk();
  }
  g.xoff = keep;
}

void drawCurveMarkers(const std::vector<double>& px, const std::vector<double>& py, int step) {
  Zanglb& g = zanglb;
  const int32_t keep = g.ncolr;
  if (g.ncsym >= 0 && g.ncsym != g.ncolr) qqsclr(g.ncsym);
  for (size_t i = 0; i < px.size(); i += static_cast<size_t>(step)) {
    if (!std::isfinite(px[i]) || !std::isfinite(py[i]) || !insideAxisRect(px[i], py[i])) continue;
    drawSymbol(g.nsym, static_cast<float>(px[i]), static_cast<float>(py[i]), symbolSize(),
               g.xsymro);
  }
  if (g.ncolr != keep) qqsclr(keep);
}

}  // namespace zantor

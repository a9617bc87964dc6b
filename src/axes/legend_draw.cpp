// legend: places the legend box and draws samples and texts.
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "axes/decorations.h"
#include "axes/symbols.h"
#include "core/api.h"
#include "core/args.h"
#include "core/keywords.h"
#include "core/levels.h"
#include "core/state.h"
#include "core/warnings.h"
#include "draw/colour.h"
#include "draw/fill.h"
#include "draw/pipeline.h"

namespace zantor {
namespace {

// Upper left corner of the box (origin offset included) for corner ncor.
void placeBox(int ncor, const LegendLayout& l, double& x, double& y) {
  const Zanglb& g = zanglb;
  if (g.ilgpos == 0) {
    x = g.nxlgpo + g.nx0;
    y = g.nylgpo + g.ny0;
    return;
  }
  const double w = l.width, h = l.height, d = l.distance;
  const double pageRight = g.nxres - 1, pageBottom = g.nyres - 1;
  const double left = g.nxa, right = int64_t{g.nxa} + g.nxl - 1;
  const double bottom = g.nya, top = g.nya - g.nyl + 1;
  switch (ncor) {
    case 1: x = d; y = pageBottom - d - (h - 1); break;
    case 2: x = pageRight - d - (w - 1); y = pageBottom - d - (h - 1); break;
    case 3: x = pageRight - d - (w - 1); y = d; break;
    case 4: x = d; y = d; break;
    case 5: x = left + d; y = bottom - d - (h - 1); break;
    case 6: x = right - d - (w - 1); y = bottom - d - (h - 1); break;
    case 7: x = right - d - (w - 1); y = top + d; break;
    case 8: x = left + d; y = top + d; break;
    case 9: x = d; y = std::floor((top + bottom - (h - 1)) / 2); break;
    default: x = pageRight - d - (w - 1); y = std::floor((top + bottom - (h - 1)) / 2); break;
  }
}

// The line pattern fields a sample changes, restored afterwards.
struct SavedLine {
  int32_t ityp, nmrk, nmray[LineFields::kPatternSize], nmrind, nmrpen;
  float xmrlen, xoff;
  static SavedLine take() {
    const Zanglb& g = zanglb;
    SavedLine s{g.ityp, g.nmrk, {}, g.nmrind, g.nmrpen, g.xmrlen, g.xoff};
    std::copy(g.nmray, g.nmray + LineFields::kPatternSize, s.nmray);
    return s;
  }
  void restore() const {
    Zanglb& g = zanglb;
    qqstrk();
    g.ityp = ityp, g.nmrk = nmrk, g.nmrind = nmrind, g.nmrpen = nmrpen;
    g.xmrlen = xmrlen, g.xoff = xoff;
    std::copy(nmray, nmray + LineFields::kPatternSize, g.nmray);
  }
};

// The sample of one legend line: a line of length P through (x, ym) in
// the recorded style, a marker in its middle, or a pattern box.
void drawSample(const LegendLayout& l, int line, double x, double top, double ym) {
  Zanglb& g = zanglb;
  const int i = line - 1;
  const double x2 = x + l.sample;
  if (g.ilgshd[i] >= 0) {
    const int32_t pattern = g.nshd;
    setShadingPattern(g.ilgshd[i]);
    const float bx[4] = {float(x - g.nx0), float(x2 - g.nx0), float(x2 - g.nx0), float(x - g.nx0)};
    const float by[4] = {float(top - g.ny0), float(top - g.ny0), float(top + l.h - g.ny0),
                         float(top + l.h - g.ny0)};
    dareaf(bx, by, 4);
    setShadingPattern(pattern);
    qqmove(float(x), float(top));
    for (int k : {1, 2, 3, 0}) qqdraw(bx[k] + g.nx0, by[k] + g.ny0);
    qqstrk();
    return;
  }
  if (g.ilgsty[i] >= 0) {
    const SavedLine saved = SavedLine::take();
    qqstrk();
    qqltyp(g.ilgsty[i]);
    // A thick curve is a bundle of parallel lines one plot unit apart.
    const int t = std::clamp(g.ilgthk[i], 1, 100);
    for (int k = 0; k < t; ++k) {
      g.xoff = static_cast<float>(k - (t - 1) / 2.0);
      strtqq(float(x - g.nx0), float(ym - g.ny0));
      connqq(float(x2 - g.nx0), float(ym - g.ny0));
    }
    saved.restore();
  }
  if (g.ilgsym[i] >= 0)
    drawSymbol(g.ilgsym[i], float((x + x2) / 2), float(ym), float(l.symbol), 0.0f);
}

void drawLegend(const LegendLayout& l, double x0, double y0) {
  Zanglb& g = zanglb;
  qqstrk();
  const int32_t colour = g.ncolr;
  if (g.ilgbgd != -1) dbox(float(x0), float(y0), float(x0 + l.width - 1), float(y0 + l.height - 1),
                           g.ilgbgd);
  if (g.nfra != 0) {
    // The outermost rectangle of the frame lies on the box edge.
    const double tenths = std::min(std::fabs(static_cast<double>(g.nfra)) * g.xfcuni, 10000.0);
    const int count = std::max(1, static_cast<int>(std::lround(tenths)));
    const int out = g.nfra > 0 ? static_cast<int>((count - 1) / g.xfcuni) : 0;
    dframe(static_cast<int>(x0) - g.nx0 + out, static_cast<int>(y0) - g.ny0 + out,
           l.width - 2 * out, l.height - 2 * out, g.nfra, 0.0f);
  }
  if (l.title) horizontalText(g.cleg.trimmed(), x0 + l.titleX, y0 + l.titleY);
  for (const LegendEntry& e : l.entries) {
    const int i = e.line - 1;
    const double x = x0 + e.x, top = y0 + e.y;
    const int32_t lineColour = e.defined && g.ilgcol[i] != -1 ? g.ilgcol[i] : colour;
    if (l.sample > 0 && e.defined) {
      if (lineColour != g.ncolr) qqsclr(lineColour);
      drawSample(l, e.line, x, top, std::round(top + e.height / 2));
    }
    qqsclr(g.ilgclr == 1 ? lineColour : colour);
    const double tx = x + (l.sample > 0 ? l.sample + l.space : 0.0);
    double ty = top;
    for (auto p : e.parts) {
      horizontalText(p, tx, ty);
      ty += l.pitch;
    }
  }
  qqstrk();
  if (g.ncolr != colour) qqsclr(colour);
}

// Warnings 42 and 149 for lines that have no attributes, and 149 for
// legsel entries beyond the legend.
void checkLines(const LegendLayout& l) {
  const Zanglb& g = zanglb;
  for (int k = 0; k < g.nlgsel; ++k) {
    if (g.nlgsls[k] > g.nlglin) {
      qqserr("Undefined legend line by LEGSEL");
      warni1(149, g.nlgsls[k]);
    }
  }
  int excess = 0;
  for (const LegendEntry& e : l.entries) {
    if (e.defined) continue;
    if (g.ilgpat == 1) {
      qqserr("Undefined legend line");
      warni1(149, e.line);
    } else {
      ++excess;
    }
  }
  if (excess > 0) warni1(42, excess);
}

}  // namespace
}  // namespace zantor

using namespace zantor;

ZANTOR_API void legend_(const char* cbuf, const int32_t* ncor, size_t len) try {
  if (jqqlev(2, 3, "LEGEND") != 0) return;
  Zanglb& g = zanglb;
  if (g.ilgopt != 1) return warnin(15);
  if (g.ilgpos == 1 && jqqval(*ncor, 1, 10) != 0) return;
  LegendLayout l;
  if (!layoutLegend(arg(cbuf, len), l)) return;
  checkLines(l);
  double x = 0, y = 0;
  placeBox(*ncor, l, x, y);
  drawLegend(l, x, y);
  g.ilgdrw = 1;
} ZANTOR_CATCH

// Drawing helpers of the chart types: clipped polygons filled and
// outlined in chosen colours, lines and texts.
#include <algorithm>
#include <cmath>
#include <vector>

#include "axes/decorations.h"
#include "charts/charts.h"
#include "core/state.h"
#include "draw/colour.h"
#include "draw/fill.h"
#include "draw/pipeline.h"

namespace zantor {
namespace {

std::vector<float> polyX, polyY;

// One Sutherland-Hodgman step: the part of p on the inner side of an edge.
template <class Inside, class Cut>
ChartPolygon clipEdge(const ChartPolygon& p, Inside inside, Cut cut) {
  ChartPolygon out;
  for (int i = 0; i < p.n; ++i) {
    const int j = (i + 1) % p.n;
    const bool a = inside(p.x[i], p.y[i]), b = inside(p.x[j], p.y[j]);
    if (a) out.add(p.x[i], p.y[i]);
    if (a != b) {
      double x, y;
      cut(p.x[i], p.y[i], p.x[j], p.y[j], x, y);
      out.add(x, y);
    }
  }
  return out;
}

}  // namespace

ChartPolygon clipToAxisRect(const ChartPolygon& p) {
  const Zanglb& g = zanglb;
  const double x0 = g.nxa, x1 = g.nxa + g.nxl - 1, y0 = g.nya - g.nyl + 1, y1 = g.nya;
  auto atX = [](double c) {
    return [c](double ax, double ay, double bx, double by, double& x, double& y) {
      x = c;
      y = ay + (by - ay) * (c - ax) / (bx - ax);
    };
  };
  auto atY = [](double c) {
    return [c](double ax, double ay, double bx, double by, double& x, double& y) {
      y = c;
      x = ax + (bx - ax) * (c - ay) / (by - ay);
    };
  };
  ChartPolygon q = clipEdge(p, [&](double x, double) { return x >= x0; }, atX(x0));
  q = clipEdge(q, [&](double x, double) { return x <= x1; }, atX(x1));
  q = clipEdge(q, [&](double, double y) { return y >= y0; }, atY(y0));
  return clipEdge(q, [&](double, double y) { return y <= y1; }, atY(y1));
}

void chartPolygon(const double* x, const double* y, int n, int32_t fill, int32_t border,
                  bool opaque) {
  Zanglb& g = zanglb;
  if (n < 3) return;
  polyX.assign(x, x + n);
  polyY.assign(y, y + n);
  if (opaque && g.nshd != 16) {
    const int32_t pattern = g.nshd;
    setShadingPattern(16);
    if (g.ncolr != g.nbgclr) qqsclr(g.nbgclr);
    dareaf(polyX.data(), polyY.data(), n);
    setShadingPattern(pattern);
  }
  if (g.ncolr != fill) qqsclr(fill);
  dareaf(polyX.data(), polyY.data(), n);
  if (g.ncolr != border) qqsclr(border);
  // One closed polyline: thick borders get joins at the corners, and
  // each corner is drawn once.
  qqmove(static_cast<float>(x[0] + g.nx0), static_cast<float>(y[0] + g.ny0));
  for (int i = 1; i <= n; ++i)
    qqdraw(static_cast<float>(x[i % n] + g.nx0), static_cast<float>(y[i % n] + g.ny0));
  qqstrk();
}

void chartLine(double x1, double y1, double x2, double y2) {
  const Zanglb& g = zanglb;
  qqmove(static_cast<float>(x1 + g.nx0), static_cast<float>(y1 + g.ny0));
  qqdraw(static_cast<float>(x2 + g.nx0), static_cast<float>(y2 + g.ny0));
}

void chartText(const std::string& s, double x, double y, int32_t colour) {
  Zanglb& g = zanglb;
  qqstrk();
  const int32_t keep = g.ncolr;
  if (colour >= 0 && colour != keep) qqsclr(colour);
  horizontalText(s, std::round(x) + g.nx0, std::round(y) + g.ny0);
  if (g.ncolr != keep) qqsclr(keep);
}

ChartAttributes::ChartAttributes() : colour_(zanglb.ncolr), pattern_(zanglb.nshd) {}

ChartAttributes::~ChartAttributes() {
  qqstrk();
  if (!restore_) return;
  if (zanglb.nshd != pattern_) setShadingPattern(pattern_);
  if (zanglb.ncolr != colour_) qqsclr(colour_);
}

}  // namespace zantor

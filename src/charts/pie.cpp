// piegrf: flat and 3D pie charts with segment labels and legend entries.
#include <algorithm>
#include <cmath>
#include <new>
#include <numeric>
#include <string>
#include <vector>

#include <zantor.h>

#include "axes/legend_record.h"
#include "charts/charts.h"
#include "charts/pie.h"
#include "charts/pie_hooks.h"
#include "core/api.h"
#include "core/args.h"
#include "core/levels.h"
#include "core/state.h"
#include "core/warnings.h"
#include "draw/colour.h"
#include "draw/fill.h"
#include "draw/pipeline.h"
#include "text/text_engine.h"

namespace zantor {
namespace {

constexpr double kRad = 3.14159265358979323846 / 180.0;

// The ellipse of a pie: centre of the top face, half-axes, disc height
// (0 for flat pies).
struct PieShape {
  double xc = 0, yc = 0;
  double a = 0, b = 0;
  double height = 0;
  double x(double deg, double r) const { return xc + r * a * std::cos(deg * kRad); }
  double y(double deg, double r) const { return yc - r * b * std::sin(deg * kRad); }
  // Distance from the centre to the rim in direction deg.
  double rim(double deg) const {
    const double c = std::cos(deg * kRad), s = std::sin(deg * kRad);
    return 1.0 / std::sqrt(c * c / (a * a) + s * s / (b * b));
  }
};

struct SegmentStyle {
  int32_t fill = 0, border = 0, pattern = 0;
  double dx = 0, dy = 0;  // explode offset
};

std::vector<double> px, py;

// Heights and distances of pies are kept within the page: larger values
// only move the drawing off it (and would not fit in integers).
double pageExtent() { return std::max(zanglb.nxres, zanglb.nyres); }

// Points of the arc from deg1 to deg2 (one every two degrees at most) at
// relative radius r, shifted by (dx, dy) and dy2 downwards.
void arc(const PieShape& p, double deg1, double deg2, double dx, double dy) {
  const int m = std::max(2, static_cast<int>(std::ceil(std::fabs(deg2 - deg1) / 2.0)));
  for (int i = 0; i <= m; ++i) {
    const double t = deg1 + (deg2 - deg1) * i / m;
    px.push_back(p.x(t, 1.0) + dx);
    py.push_back(p.y(t, 1.0) + dy);
  }
}

// A shade of a colour for the side of a 3D disc.
int32_t darker(int32_t colour) {
  const Rgb c = colourRgb(colour);
  return explicitColour(c.r * 7 / 10, c.g * 7 / 10, c.b * 7 / 10);
}

void drawTop(const PieShape& p, const PieSegment& s, const SegmentStyle& st) {
  px.clear();
  py.clear();
  if (!s.full) px.push_back(p.xc + st.dx), py.push_back(p.yc + st.dy);
  arc(p, s.start, s.full ? s.start + 360.0 : s.start + s.sweep, st.dx, st.dy);
  if (s.full) px.pop_back(), py.pop_back();
  chartPolygon(px.data(), py.data(), static_cast<int>(px.size()), st.fill, st.border,
               p.height > 0);
}

// The visible parts of a 3D segment below its top: the rim between 180
// and 360 degrees and, for a segment that is not a full disc, its two
// cut faces.
void drawSides(const PieShape& p, const PieSegment& s, const SegmentStyle& st) {
  const int32_t side = darker(st.fill);
  const double h = p.height;
  if (!s.full) {
    for (double t : {s.start, s.start + s.sweep}) {
      const double ex = p.x(t, 1.0) + st.dx, ey = p.y(t, 1.0) + st.dy;
      const double cx = p.xc + st.dx, cy = p.yc + st.dy;
      const double qx[4] = {cx, ex, ex, cx}, qy[4] = {cy, ey, ey + h, cy + h};
      chartPolygon(qx, qy, 4, side, st.border, true);
    }
  }
  // Rim pieces: the parts of [start, end] inside (180, 360) + k*360.
  const double a1 = s.full ? 180.0 : s.start, a2 = s.full ? 360.0 : s.start + s.sweep;
  for (double k = std::floor(a1 / 360.0) - 1; k <= std::floor(a2 / 360.0) + 1; k += 1) {
    const double lo = std::max(a1, 180.0 + 360.0 * k), hi = std::min(a2, 360.0 + 360.0 * k);
    if (hi - lo < 1e-6) continue;
    px.clear();
    py.clear();
    arc(p, lo, hi, st.dx, st.dy);
    const size_t m = px.size();
    for (size_t i = m; i-- > 0;) px.push_back(px[i]), py.push_back(py[i] + h);
    chartPolygon(px.data(), py.data(), static_cast<int>(px.size()), side, st.border, true);
  }
}

struct LabelBox {
  double w = 0, h = 0, pitch = 0;
  std::vector<double> widths;
};

LabelBox measure(const std::vector<std::string>& lines) {
  const Zanglb& g = zanglb;
  LabelBox b;
  b.pitch = g.xlinsp * g.nhchar;
  for (const std::string& l : lines) {
    b.widths.push_back(textLength(l));
    b.w = std::max(b.w, b.widths.back());
  }
  if (lines.empty()) return b;
  b.w += 0.5 * g.nhchar;
  b.h = (lines.size() - 1) * b.pitch + 1.5 * g.nhchar;
  return b;
}

// Lines centred in the box whose upper left corner is (x, y).
void drawBox(const std::vector<std::string>& lines, const LabelBox& b, double x, double y,
             int32_t colour) {
  const Zanglb& g = zanglb;
  for (size_t i = 0; i < lines.size(); ++i)
    chartText(lines[i], x + (b.w - b.widths[i]) / 2, y + 0.25 * g.nhchar + i * b.pitch, colour);
}

void drawLabel(const PieShape& p, const PieSegment& s, const SegmentStyle& st,
               const std::vector<std::string>& lines, double alignedWidth, int32_t colour) {
  const Zanglb& g = zanglb;
  if (lines.empty()) return;
  const LabelBox b = measure(lines);
  const double t = s.full && s.sweep >= 359.999 ? 90.0 : s.bisector();
  const double c = std::cos(t * kRad), sn = std::sin(t * kRad);
  const double cx = p.xc + st.dx, cy = p.yc + st.dy;
  if (g.ipspie == 0) {
    // Inside: the box centred at 0.6 of the way to the rim (the centre of
    // a full disc).
    const double f = s.full ? 0.0 : 0.6;
    drawBox(lines, b, p.x(t, f) + st.dx - b.w / 2, p.y(t, f) + st.dy - b.h / 2, colour);
    return;
  }
  const double rim = p.rim(t);
  const double down = sn < 0 ? p.height : 0.0;  // the rim of a 3D disc is lower in front
  const double ex = cx + rim * c, ey = cy - rim * sn + down;
  const double gap = std::min<double>(g.xpiegp * g.xpief1, pageExtent());
  const double ax = cx + (rim + gap) * c, ay = cy - (rim + gap) * sn + down;
  double left, top = ay - b.h / 2;
  double nearX;  // the end of the label line at the box
  if (g.ipspie == 2) {
    // Columns left and right of the pie, as wide as the widest box.
    const double column = p.a + gap + std::lround(std::min<double>(80 * g.xpief2, pageExtent()));
    if (c >= 0) left = p.xc + column, nearX = left;
    else left = p.xc - column - alignedWidth + (alignedWidth - b.w), nearX = left + b.w;
  } else {
    const double bx = ax + 0.5 * b.w * c, by = ay - 0.5 * b.h * sn;
    left = bx - b.w / 2;
    top = by - b.h / 2;
    nearX = c >= 0 ? left : left + b.w;
  }
  double nearY = top + b.h / 2;
  if (std::fabs(c) < 0.3 && g.ipspie == 1) {
    // Above or below the pie: the line meets the middle of the box's
    // lower or upper edge.
    nearX = left + b.w / 2;
    nearY = sn > 0 ? top + b.h : top;
  }
  qqstrk();
  if (g.ncolr != st.border) qqsclr(st.border);
  if (g.ilnpie == 1) {
    chartLine(ex, ey, nearX, nearY);
  } else if (g.ilnpie == 0) {
    // Broken: out along the bisector, then level to the box.
    const double bendX = std::fabs(c) < 0.3 && g.ipspie == 1 ? nearX : ax;
    chartLine(ex, ey, bendX, nearY);
    if (bendX != nearX) chartLine(bendX, nearY, nearX, nearY);
  }
  qqstrk();
  drawBox(lines, b, left, top, colour);
}

void drawPie(std::string_view cbuf, int nlin, const float* xray, int n, double sum) {
  Zanglb& g = zanglb;
  ChartAttributes attributes;
  PieShape p;
  const int r = std::min(g.nxl, g.nyl) / 2;
  p.xc = g.nxa + g.nxl / 2;
  p.yc = g.nya - g.nyl / 2;
  p.a = p.b = r;
  if (g.ipietp == 1) {
    p.b = pieMinorAxis(r);
    p.height = std::lround(std::min<double>(r * g.xpief3, pageExtent()));
    p.yc -= p.height / 2;  // the disc is centred in the axis area
  }
  const double explode = std::lround(0.08 * r);
  std::vector<PieSegment> segs = pieSegments(xray, n, sum);
  std::vector<SegmentStyle> styles(n);
  std::vector<std::vector<std::string>> labels(n);
  double widest = 0;
  for (int i = 0; i < n; ++i) {
    SegmentStyle& st = styles[i];
    st.fill = attributes.colour(-1);
    st.pattern = attributes.pattern();
    st.border = attributes.colour(g.ipiec3);
    if (g.npiec1 > 0) {
      // pieclr: the first colour fills the segment, the second draws its
      // border (-1: the border colour of piebor).
      st.fill = attributes.colour(g.ipiec1[i % g.npiec1]);
      if (g.ipiec2[i % g.npiec1] >= 0) st.border = g.ipiec2[i % g.npiec1];
    } else if (g.icnpie == 1 || g.icnpie == 3) {
      // The cycle without its first entry, which is the background.
      st.fill = cycleColour(i + 2);
    }
    if (g.icnpie == 2 || g.icnpie == 3) st.pattern = cyclePattern(i + 2);
    // The user routines may change colour, pattern, offset and labels;
    // what they return is taken only when it is valid.
    PieSegmentChoice user{st.fill, st.pattern, segs[i].offset ? static_cast<int32_t>(explode) : 0, 1};
    passSegmentToUser(i + 1, xray[i], static_cast<float>(100.0 * std::fabs(xray[i]) / sum), user);
    if (user.colour >= -1) st.fill = attributes.colour(user.colour);
    if (user.pattern >= 0) st.pattern = user.pattern;
    // At most the radius: a segment further out would leave the page.
    const double offset = std::clamp<double>(user.offset, 0, r);
    if (offset > 0 && !segs[i].full) {
      st.dx = offset * std::cos(segs[i].bisector() * kRad);
      st.dy = -offset * std::sin(segs[i].bisector() * kRad) * p.b / p.a;
    }
    if (user.labels != 0) labels[i] = pieLabelLines(cbuf, nlin, i, xray[i], sum);
    widest = std::max(widest, measure(labels[i]).w);
    LegendAttributes rec;
    rec.style = -1;
    rec.colour = st.fill;
    rec.pattern = st.pattern;
    recordCurveForLegend(rec);
  }
  // Back to front: segments whose middle points away from the viewer first.
  std::vector<int> order(n);
  std::iota(order.begin(), order.end(), 0);
  if (g.ipietp == 1)
    std::stable_sort(order.begin(), order.end(), [&](int u, int v) {
      return std::sin(segs[u].bisector() * kRad) > std::sin(segs[v].bisector() * kRad);
    });
  for (int i : order) {
    setShadingPattern(styles[i].pattern);
    if (g.ipietp == 1) drawSides(p, segs[i], styles[i]);
    drawTop(p, segs[i], styles[i]);
  }
  setShadingPattern(attributes.pattern());
  const int32_t text = attributes.colour(g.icpie);
  for (int i = 0; i < n; ++i) drawLabel(p, segs[i], styles[i], labels[i], widest, text);
}

}  // namespace
}  // namespace zantor

using namespace zantor;

ZANTOR_API void piegrf_(const char* cbuf, const int32_t* nlin, const float* xray, const int32_t* n,
                        size_t lbuf) try {
  if (jqqlev(1, 1, "PIEGRF") != 0) return;
  Zanglb& g = zanglb;
  if (*n < 1) return warni1(2, *n);
  if (*nlin < 0) return warni1(2, *nlin);
  double sum = 0;
  for (int i = 0; i < *n; ++i) {
    if (!std::isfinite(xray[i])) return warni1(2, i + 1);
    sum += std::fabs(static_cast<double>(xray[i]));
  }
  if (sum <= g.eps) return warnin(29);
  // An invisible axis system 0..5 x 0..5 in the axis rectangle.
  const int32_t inogr = g.inogr;
  g.inogr = 1;
  const float a = 0.0f, e = 5.0f, s = 1.0f;
  graf_(&a, &e, &a, &s, &a, &e, &a, &s);
  g.inogr = inogr;
  setRoutineName("PIEGRF");
  if (g.nlev != 2) return;
  try {
    drawPie(arg(cbuf, lbuf), *nlin, xray, *n, sum);
  } catch (const std::bad_alloc&) {
    warnin(53);  // work arrays of the segments
  }
} ZANTOR_CATCH

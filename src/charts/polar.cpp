// Polar axis systems: grafp and polar, the polar transformation, the angle
// scales (also ypolar) and the polar grid.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "axes/axes.h"
#include "axes/decorations.h"
#include "axes/label_text.h"
#include "charts/charts.h"
#include "core/api.h"
#include "core/args.h"
#include "core/levels.h"
#include "core/state.h"
#include "core/warnings.h"
#include "draw/colour.h"
#include "draw/fill.h"
#include "draw/pipeline.h"
#include "text/numbers.h"
#include "text/text_engine.h"

namespace zantor {
namespace {

constexpr double kPi = 3.14159265358979323846;

// Direction on the page (radians, anticlockwise from 3 o'clock) of the
// polar angle t (radians), after the zero position and sense of polmod.
double pageAngle(double t) {
  const Zanglb& g = zanglb;
  const double a = g.ipoldr == 0 ? t : 2 * kPi - t;
  return a + g.ipolps * kPi / 2;
}

// Lines in plot coordinates relative to the origin, solid whatever the
// current line style (axes and scales, like the sides of graf).
void segment(double x1, double y1, double x2, double y2) {
  const Zanglb& g = zanglb;
  qqmove(static_cast<float>(x1 + g.nx0), static_cast<float>(y1 + g.ny0));
  qqdraw(static_cast<float>(x2 + g.nx0), static_cast<float>(y2 + g.ny0));
}

std::vector<float> circleX, circleY;

// A circle about the centre: solid (scales) or in the current line style
// (grid circles).
void circleLine(double r, bool styled) {
  const Zanglb& g = zanglb;
  const int ir = static_cast<int>(std::lround(r));
  if (ir < 1) return;
  if (!ellipsePolygon(float(g.nxaorg), float(g.nyaorg), ir, ir, 0.0f, 360.0f, circleX, circleY))
    return;
  const size_t n = circleX.size();
  if (n < 2) return;
  if (styled) {
    strtqq(circleX[0], circleY[0]);
    for (size_t i = 1; i <= n; ++i) connqq(circleX[i % n], circleY[i % n]);
  } else {
    for (size_t i = 0; i < n; ++i)
      segment(circleX[i], circleY[i], circleX[(i + 1) % n], circleY[(i + 1) % n]);
  }
  qqstrk();
}

// A text whose box centre lies outside the circle in page direction a,
// with its nearest part at distance d from the centre.
void textOutside(const std::string& s, double a, double d) {
  const Zanglb& g = zanglb;
  const double w = textLength(s), h = g.nhchar;
  const double px = g.nxaorg + d * std::cos(a), py = g.nyaorg - d * std::sin(a);
  const double cx = px + 0.5 * w * std::cos(a), cy = py - 0.5 * h * std::sin(a);
  horizontalText(s, cx - w / 2 + g.nx0, cy - h / 2 + g.ny0);
}

// Label text of an angle in degrees: an integer when it is one.
std::string angleText(double v, int ndig) {
  if (std::fabs(v - std::round(v)) < 1e-4) return numberString(static_cast<float>(std::round(v)), -1);
  return numberString(static_cast<float>(v), ndig);
}

// Values orig + k*step inside [lo, hi) (or [lo, hi] when `closed`).
std::vector<double> steps(double lo, double hi, double orig, double step, bool closed) {
  std::vector<double> out;
  step = std::fabs(step);
  if (!(step > 0) || !std::isfinite(lo) || !std::isfinite(hi) || hi < lo) return out;
  const double tol = step * 1e-5;
  const double k0 = std::ceil((lo - orig) / step - 1e-5);
  for (double k = k0;; k += 1) {
    const double v = orig + k * step;
    if (v > hi + tol || (!closed && v > hi - tol)) break;
    out.push_back(v);
    if (out.size() > 3600) break;  // a step far below the range
  }
  return out;
}

// An angle scale round the circle of radius r: ticks outwards and labels
// from the values orig + k*step in [a, e), placed at the share of the turn.
void angleScale(double r, double a, double e, double orig, double step, int ndig) {
  const Zanglb& g = zanglb;
  const int tick = g.ntic2;
  for (double v : steps(a, e, orig, step, false)) {
    const double t = (v - a) / (e - a) * 2 * kPi;
    const double pa = pageAngle(t);
    const double c = std::cos(pa), s = std::sin(pa);
    segment(g.nxaorg + r * c, g.nyaorg - r * s, g.nxaorg + (r + tick) * c,
            g.nyaorg - (r + tick) * s);
    textOutside(angleText(v, ndig), pa, r + tick + g.nnumx[1] / 2.0);
  }
  qqstrk();
}

int radiusDigits() {
  const Zanglb& g = zanglb;
  if (g.ixdgop[0] == 1 || g.ioptsc[0] == 1)
    return std::max(digitsNeeded(g.xorig), digitsNeeded(g.xstep));
  return g.ndezx[0];
}

// The radius axis through the centre, horizontally (labelled) and
// vertically, with ticks at the radius labels on both sides.
void radiusAxes(double R) {
  const Zanglb& g = zanglb;
  const double cx = g.nxaorg, cy = g.nyaorg;
  segment(cx - R, cy, cx + R, cy);
  segment(cx, cy - R, cx, cy + R);
  const double t = g.ntic2 / 2.0;
  const int ndig = radiusDigits();
  double free = cx;  // labels may start right of this
  for (double r : steps(0.0, g.xe, g.xorig, g.xstep, true)) {
    if (r <= 0) continue;
    const double d = r * g.xdelta;
    for (int side : {-1, 1}) {
      segment(cx + side * d, cy - t, cx + side * d, cy + t);
      segment(cx - t, cy + side * d, cx + t, cy + side * d);
    }
    if (g.numx[0] == 0) continue;
    const std::string s = numberString(static_cast<float>(r), ndig);
    const double w = textLength(s);
    // A label that would touch its left neighbour, or pass the frame
    // circle into the angle labels, is left out.
    const double left = cx + d - w / 2;
    if (left < free || d + w / 2 > R) continue;
    free = left + w + g.nhchar / 2.0;
    horizontalText(s, left + g.nx0, cy + t + g.nnumx[0] / 2.0 + g.ny0);
  }
  qqstrk();
}

void drawPolarAxes() {
  Zanglb& g = zanglb;
  const double R = g.nxl / 2.0;
  const int32_t colour = g.ncolr;
  if (g.naxbgd >= 0) {
    const int32_t pattern = g.nshd;
    if (ellipsePolygon(float(g.nxaorg), float(g.nyaorg), g.nxl / 2, g.nxl / 2, 0.0f, 360.0f,
                       circleX, circleY) && !circleX.empty()) {
      qqsclr(g.naxbgd);
      setShadingPattern(16);
      dareaf(circleX.data(), circleY.data(), static_cast<int>(circleX.size()));
      setShadingPattern(pattern);
      qqsclr(colour);
    }
  }
  radiusAxes(R);
  const int ndig = g.ndezx[1] < 0 ? 0 : g.ndezx[1];
  angleScale(R, 0.0, 360.0, g.yorig, g.ystep, ndig);
  if (g.nfra != 0) circleLine(R, false);
}

void openPolar(float xe, float xorg, float xstp, float yorg, float ystp) {
  Zanglb& g = zanglb;
  if (g.ixlg[0] == 1 || g.ixlg[1] == 1) {
    qqerror(132, "Polar axis systems must have linear scaling");
    return;
  }
  g.igraf = 1;
  g.nlev = 2;
  const int L = g.nxl, H = g.nyl;
  const int side = std::min(L, H);
  AxisArgs x{0.0f, xe, xorg, xstp}, y{0.0f, 360.0f, yorg, ystp};
  if (g.ioptsc[0] == 1) {
    // The radius starts at 0 whatever the smallest radius of the data.
    const AxisScale s = autoScale(0, 0.0, std::max(std::fabs(g.xminsc[0]), std::fabs(g.xmaxsc[0])),
                                  side / 2);
    x = {0.0f, s.e, s.first, s.step};
    g.ndezx[0] = s.digits;
  }
  if (g.ioptsc[1] == 1) {
    y = {0.0f, 360.0f, 0.0f, 30.0f};
    g.ndezx[1] = -1;
  }
  // A rejected scaling leaves no axis system (as graf does).
  if (!checkAxis(x, side) || !checkAxis(y, side) || !(x.e > 0.0f)) {
    if (!(x.e > 0.0f) && std::fabs(x.e) > g.eps) warnin(2);
    g.igraf = 0;
    g.nlev = 1;
    return;
  }
  g.nxl = g.nyl = side;
  g.xa = -x.e, g.xe = x.e, g.xorig = x.orig, g.xstep = x.step;
  g.ya = 0.0f, g.ye = 360.0f, g.yorig = y.orig, g.ystep = y.step;
  g.xdelta = static_cast<float>((g.nxl - 1) / (2.0 * x.e));
  g.ydelta = static_cast<float>((g.nyl - 1) / 360.0);
  g.xmin = -x.e, g.xmax = x.e;  // radii (negative radii lie opposite)
  g.ymin = -1e30f, g.ymax = 1e30f;  // every angle lies in the system
  if (g.iaxorg == 1) {
    g.nxa = g.nxaorg - g.nxl / 2;
    g.nya = g.nyaorg + g.nyl / 2;
  } else {
    g.nxaorg = g.nxa + L / 2;
    g.nyaorg = g.nya - H / 2;
    g.nxa += (L - g.nxl) / 2;
    g.nya -= (H - g.nyl) / 2;
  }
  g.xrel = static_cast<float>(g.nxa);
  g.yrel = static_cast<float>(g.nya);
  if (g.inogr == 0) drawPolarAxes();
}

}  // namespace

void polarToPlot(double r, double t, double& px, double& py) {
  const Zanglb& g = zanglb;
  const double d = r * g.xdelta, a = pageAngle(t);
  px = g.nxaorg + d * std::cos(a);
  py = g.nyaorg - d * std::sin(a);
}

void plotToPolar(double px, double py, double& r, double& t) {
  const Zanglb& g = zanglb;
  const double dx = px - g.nxaorg, dy = g.nyaorg - py;
  r = std::hypot(dx, dy) / g.xdelta;
  double a = std::atan2(dy, dx) - g.ipolps * kPi / 2;
  if (g.ipoldr == 1) a = -a;
  a = std::fmod(a, 2 * kPi);
  if (a < 0) a += 2 * kPi;
  t = a;
}

bool clipToPolarCircle() {
  Zanglb& g = zanglb;
  if (g.inomch != 0 && g.inomch != 2) return false;
  // Pipeline points carry the origin; the half unit keeps curves that end
  // on the frame circle whole.
  g.iazclp = 1;
  g.xmit = static_cast<float>(g.nxaorg + g.nx0);
  g.ymit = static_cast<float>(g.nyaorg + g.ny0);
  g.rad = static_cast<float>(g.nxl / 2.0 + 0.5);
  return true;
}

void drawPolarGrid(int nx, int ny) {
  const Zanglb& g = zanglb;
  qqstrk();
  const double R = g.nxl / 2.0;
  if (nx > 0) {
    for (double r : steps(0.0, g.xe, g.xorig, g.xstep / nx, true))
      if (r > 0 && r * g.xdelta < R - 0.5) circleLine(r * g.xdelta, true);
  }
  if (ny > 0) {
    ny = std::min(ny, 3600);  // rays closer than a tenth of a degree add nothing
    for (int k = 0; k < ny; ++k) {
      const double pa = pageAngle((g.yorig + 360.0 * k / ny) * kPi / 180.0);
      strtqq(static_cast<float>(g.nxaorg), static_cast<float>(g.nyaorg));
      connqq(static_cast<float>(g.nxaorg + R * std::cos(pa)),
             static_cast<float>(g.nyaorg - R * std::sin(pa)));
    }
  }
  qqstrk();
}

}  // namespace zantor

using namespace zantor;

ZANTOR_API void grafp_(const float* xe, const float* xorg, const float* xstp, const float* yorg,
                       const float* ystp) try {
  if (jqqlev(1, 1, "GRAFP") != 0) return;
  openPolar(*xe, *xorg, *xstp, *yorg, *ystp);
} ZANTOR_CATCH

ZANTOR_API void polar_(const float* xe, const float* xorg, const float* xstp, const float* yorg,
                       const float* ystp) try {
  if (jqqlev(1, 1, "POLAR") != 0) return;
  openPolar(*xe, *xorg, *xstp, *yorg, *ystp);
} ZANTOR_CATCH

ZANTOR_API void grdpol_(const int32_t* ixgrd, const int32_t* iygrd) try {
  if (jqqlev(2, 3, "GRDPOL") != 0) return;
  if (*ixgrd < 0 || *iygrd < 0) return warni1(2, *ixgrd < 0 ? *ixgrd : *iygrd);
  if (zanglb.igraf != 1) return qqerror(2, "Incorrect parameter");
  drawPolarGrid(*ixgrd, *iygrd);
} ZANTOR_CATCH

// An additional angle scale ndist plot units outside the frame circle,
// labelled from ya to ye round the full turn; the name is written above
// the scale.
ZANTOR_API void ypolar_(const float* ya, const float* ye, const float* yorg, const float* ystp,
                        const char* cname, const int32_t* ndist, size_t lname) try {
  if (jqqlev(2, 3, "YPOLAR") != 0) return;
  Zanglb& g = zanglb;
  if (g.igraf != 1) return qqerror(2, "Incorrect parameter");
  if (!checkAxis({*ya, *ye, *yorg, *ystp}, 2)) return;
  const double r = std::min(g.nxl, g.nyl) / 2.0 + *ndist;
  circleLine(r, false);
  const int ndig = std::max(digitsNeeded(*yorg), digitsNeeded(*ystp));
  angleScale(r, std::min(*ya, *ye), std::max(*ya, *ye), *yorg, *ystp, ndig);
  const std::string name(trimmedArg(cname, lname));
  if (!name.empty()) textOutside(name, kPi / 2, r + g.ntic2 + g.nnumx[1] + 2.0 * g.nhchar);
} ZANTOR_CATCH

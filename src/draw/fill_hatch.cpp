// The hatch generator.  The polygon is turned so that the hatch lines become
// horizontal, each line is cut with the polygon edges (even-odd rule) and
// the pieces are turned back and drawn through the pattern stage, so that
// clipping, line width, colour and dashing apply as for any other line.
#include "draw/fill_hatch.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/state.h"
#include "draw/pipeline.h"

namespace zantor {
namespace {

// Hatch lines closer than this are not resolved by any device; the floor
// also bounds the work for tiny shdfac factors.
constexpr double kMinSpacing = 0.1;
constexpr double kMaxCrossings = 1e6;

struct Edge {
  double vlo, vhi;  // extent across the hatch direction, vlo < vhi
  double u, dudv;   // position along the hatch direction at vlo, slope
};

// Work arrays reused between calls; they grow as needed.
std::vector<Edge> edges;
std::vector<double> crossings;
std::vector<int> active;

// Exact sine and cosine for the multiples of 90 degrees, so that
// horizontal and vertical hatch lines stay exactly axis-parallel.
void sinCos(int degrees, double& s, double& c) {
  switch (((degrees % 360) + 360) % 360) {
    case 0: s = 0; c = 1; return;
    case 90: s = 1; c = 0; return;
    case 180: s = 0; c = -1; return;
    case 270: s = -1; c = 0; return;
    default: break;
  }
  const double r = degrees * (3.14159265358979323846 / 180.0);
  s = std::sin(r);
  c = std::cos(r);
}

}  // namespace

double hatchSpacing(int type, int density) {
  const Zanglb& g = zanglb;
  double b;
  switch (type) {
    case 2: b = 20.0; break;
    case 3: b = 15.0; break;
    case 4: b = 1.0; break;
    default:
      if (density != 0) b = 5.0 * density + 1.9999;
      else b = g.ndev == 221 ? 0.39999 : 0.99999;  // WMF draws finer
      break;
  }
  return b * g.xshdfc / g.xfcuni;
}

void hatchPolygon(const double* x, const double* y, int n, const HatchStyle& style) {
  Zanglb& g = zanglb;
  if (n < 3) return;
  // Page y grows downwards; the angle is counted counter-clockwise as seen
  // on the page.  With X = x, Y = -y the hatch direction is (cos a, sin a):
  //   u = X cos a + Y sin a (along the line), v = Y cos a - X sin a.
  double s, c;
  sinCos(style.angle, s, c);
  g.iang = style.angle;
  g.sinash = static_cast<float>(s);
  g.cosash = static_cast<float>(c);
  auto toU = [&](double px, double py) { return px * c - py * s; };
  auto toV = [&](double px, double py) { return -py * c - px * s; };

  edges.clear();
  double vmin = HUGE_VAL, vmax = -HUGE_VAL;
  for (int i = 0; i < n; ++i) {
    const int j = i + 1 == n ? 0 : i + 1;
    const double u0 = toU(x[i], y[i]), v0 = toV(x[i], y[i]);
    const double u1 = toU(x[j], y[j]), v1 = toV(x[j], y[j]);
    vmin = std::min(vmin, v0);
    vmax = std::max(vmax, v0);
    if (v0 == v1) continue;  // parallel to the hatch lines
    const double dudv = (u1 - u0) / (v1 - v0);
    if (v0 < v1) edges.push_back({v0, v1, u0, dudv});
    else edges.push_back({v1, v0, u1, dudv});
  }
  if (edges.empty()) return;

  // Only the lines that can cross the clipping window are generated.
  const double cx[4] = {double(g.nxclip), double(g.nuclip), double(g.nuclip), double(g.nxclip)};
  const double cy[4] = {double(g.nyclip), double(g.nyclip), double(g.nvclip), double(g.nvclip)};
  double wmin = HUGE_VAL, wmax = -HUGE_VAL;
  for (int i = 0; i < 4; ++i) {
    wmin = std::min(wmin, toV(cx[i], cy[i]));
    wmax = std::max(wmax, toV(cx[i], cy[i]));
  }
  vmin = std::max(vmin, wmin - 1.0);
  vmax = std::min(vmax, wmax + 1.0);
  // Lines closer than half their own width (they overlap into a solid
  // area) or than half a device unit are spread to that distance.
  double d = std::max({style.spacing, kMinSpacing, std::abs(g.nlinwd) * 0.5, deviceUnitStep()});
  if (!(vmin <= vmax) || !std::isfinite(d)) return;
  // The work is that of the crossings of edges and hatch lines inside the
  // window.  Beyond kMaxCrossings the lines are so dense that the area
  // shows as filled: the spacing is widened to keep to that number, which
  // bounds the time of any area (our choice).
  double cuts = 0;
  for (const Edge& e : edges) cuts += std::max(0.0, std::min(e.vhi, vmax) - std::max(e.vlo, vmin)) / d;
  if (cuts > kMaxCrossings) d *= cuts / kMaxCrossings;
  const long long kFirst = static_cast<long long>(std::ceil(vmin / d));
  const long long kLast = static_cast<long long>(std::floor(vmax / d));

  std::sort(edges.begin(), edges.end(),
            [](const Edge& a, const Edge& b) { return a.vlo < b.vlo; });
  active.clear();
  std::size_t next = 0;
  const int period = style.skip > 0 ? std::max(style.draw, 0) + style.skip : 0;
  g.ndrrec = style.draw;
  g.nskrec = style.skip;

  for (long long k = kFirst; k <= kLast; ++k) {
    const double v = static_cast<double>(k) * d;
    // Edges cover [vlo, vhi): a vertex on a hatch line is counted once.
    while (next < edges.size() && edges[next].vlo <= v) active.push_back(static_cast<int>(next++));
    std::erase_if(active, [&](int e) { return edges[e].vhi <= v; });
    // Grouping counts from the line number, so neighbours keep in step.
    if (period > 0) {
      g.iskip = static_cast<int32_t>(((k % period) + period) % period);
      if (g.iskip >= style.draw) continue;
    }
    crossings.clear();
    for (int e : active) {
      const Edge& ed = edges[e];
      crossings.push_back(ed.u + (v - ed.vlo) * ed.dudv);
    }
    std::sort(crossings.begin(), crossings.end());
    for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
      const double ua = crossings[i], ub = crossings[i + 1];
      // Back to the page: x = u cos a - v sin a, y = -(u sin a + v cos a).
      const double xa = ua * c - v * s, ya = -(ua * s + v * c);
      const double xb = ub * c - v * s, yb = -(ub * s + v * c);
      strtqq(static_cast<float>(xa - g.nx0), static_cast<float>(ya - g.ny0));
      connqq(static_cast<float>(xb - g.nx0), static_cast<float>(yb - g.ny0));
    }
  }
  qqstrk();
}

}  // namespace zantor

// bars3d: bars drawn as boxes standing in a 3D axis system.  Each box is
// centred on (x, y), xw and yw wide along the X and Y axes (user units),
// and reaches from z1 to z2.  Boxes are painted from the farthest to the
// nearest, each with only the faces that look towards the view point, so
// nearer boxes cover farther ones.
#include <algorithm>
#include <cmath>
#include <new>
#include <numeric>
#include <vector>

#include "axes/legend_record.h"
#include "charts/charts.h"
#include "core/api.h"
#include "core/levels.h"
#include "core/state.h"
#include "core/warnings.h"
#include "draw/colour.h"
#include "plot3d/projection.h"

namespace zantor {
namespace {

// A shade of a colour: the faces along X and Y darker than the top, so
// that the boxes read as solids.
int32_t shade(int32_t colour, int percent) {
  const Rgb c = colourRgb(colour);
  return explicitColour(c.r * percent / 100, c.g * percent / 100, c.b * percent / 100);
}

struct Box3 {
  Abs3 lo, hi;  // opposite corners in absolute coordinates
  int32_t colour;
  double distance;  // of the centre from the view point
};

bool finiteBox(float x, float y, float z1, float z2, float xw, float yw) {
  return std::isfinite(x) && std::isfinite(y) && std::isfinite(z1) && std::isfinite(z2) &&
         std::isfinite(xw) && std::isfinite(yw);
}

// The face of `b` at side `s` (0/1 low/high) of `axis`, projected.  False
// when a corner lies behind the eye.
bool face(const Box3& b, int axis, int s, ChartPolygon& p) {
  // The four corners run round the face in the two other axes.
  static constexpr int kRound[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
  const int u = (axis + 1) % 3, v = (axis + 2) % 3;
  const double lo[3] = {b.lo.x, b.lo.y, b.lo.z}, hi[3] = {b.hi.x, b.hi.y, b.hi.z};
  for (const auto& k : kRound) {
    double c[3];
    c[axis] = s ? hi[axis] : lo[axis];
    c[u] = k[0] ? hi[u] : lo[u];
    c[v] = k[1] ? hi[v] : lo[v];
    const Plot3 q = absToPlot3d(c[0], c[1], c[2]);
    if (!q.visible || !std::isfinite(q.x) || !std::isfinite(q.y)) return false;
    p.add(q.x, q.y);
  }
  return true;
}

void drawBox(const Box3& b, const Abs3& eye, int32_t border) {
  const double lo[3] = {b.lo.x, b.lo.y, b.lo.z}, hi[3] = {b.hi.x, b.hi.y, b.hi.z};
  const double e[3] = {eye.x, eye.y, eye.z};
  static constexpr int kShade[3] = {70, 85, 100};
  for (int axis = 0; axis < 3; ++axis) {
    // A face is seen when the eye lies beyond its plane, outside the box.
    int s = -1;
    if (e[axis] > hi[axis]) s = 1;
    else if (e[axis] < lo[axis]) s = 0;
    if (s < 0) continue;
    ChartPolygon p;
    if (!face(b, axis, s, p)) continue;
    chartPolygon(p, shade(b.colour, kShade[axis]), border, true);
  }
}

void drawBoxes(const float* x, const float* y, const float* z1, const float* z2, const float* xw,
               const float* yw, const int32_t* ic, int n) {
  Zanglb& g = zanglb;
  ChartAttributes attributes;
  LegendAttributes rec;
  rec.style = -1;
  rec.colour = attributes.colour(ic[0] >= -1 ? ic[0] : -1);
  rec.pattern = g.nshd;
  recordCurveForLegend(rec);
  const Abs3 eye = viewPoint3d();
  std::vector<Box3> boxes;
  boxes.reserve(n);
  int bad = 0;
  for (int i = 0; i < n; ++i) {
    if (!finiteBox(x[i], y[i], z1[i], z2[i], xw[i], yw[i])) continue;
    if (ic[i] < -1) ++bad;
    const double hx = std::fabs(xw[i]) / 2, hy = std::fabs(yw[i]) / 2;
    const Abs3 a = userToAbs3d(x[i] - hx, y[i] - hy, std::min(z1[i], z2[i]));
    const Abs3 b = userToAbs3d(x[i] + hx, y[i] + hy, std::max(z1[i], z2[i]));
    Box3 box;
    box.lo = {std::min(a.x, b.x), std::min(a.y, b.y), std::min(a.z, b.z)};
    box.hi = {std::max(a.x, b.x), std::max(a.y, b.y), std::max(a.z, b.z)};
    if (!std::isfinite(box.lo.x + box.lo.y + box.lo.z + box.hi.x + box.hi.y + box.hi.z)) continue;
    box.colour = attributes.colour(ic[i] >= -1 ? ic[i] : -1);
    const double cx = (box.lo.x + box.hi.x) / 2 - eye.x, cy = (box.lo.y + box.hi.y) / 2 - eye.y,
                 cz = (box.lo.z + box.hi.z) / 2 - eye.z;
    box.distance = cx * cx + cy * cy + cz * cz;
    boxes.push_back(box);
  }
  if (bad > 0) warni1(2, bad);  // boxes with an unknown colour take the current one
  std::stable_sort(boxes.begin(), boxes.end(),
                   [](const Box3& a, const Box3& b) { return a.distance > b.distance; });
  const int32_t border = attributes.colour(g.ibarc4);
  for (const Box3& b : boxes) drawBox(b, eye, border);
}

}  // namespace
}  // namespace zantor

using namespace zantor;

ZANTOR_API void bars3d_(const float* xray, const float* yray, const float* z1ray,
                        const float* z2ray, const float* xwray, const float* ywray,
                        const int32_t* icray, const int32_t* n) try {
  if (jqqlev(3, 3, "BARS3D") != 0) return;
  if (*n < 1) return warni1(2, *n);
  if (!in3dAxisSystem()) return warnin(35);
  try {
    drawBoxes(xray, yray, z1ray, z2ray, xwray, ywray, icray, *n);
  } catch (const std::bad_alloc&) {
    warnin(53);
  }
} ZANTOR_CATCH

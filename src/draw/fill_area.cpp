// Filled polygons: dareaf (device fill or software hatching), the shape
// fill shared by areaf and the shape routines, and the public areaf.
#include <algorithm>
#include <cmath>
#include <new>
#include <vector>

#include "core/api.h"
#include "core/levels.h"
#include "core/state.h"
#include "core/warnings.h"
#include "devices/dispatch.h"
#include "draw/fill.h"
#include "draw/fill_area.h"
#include "draw/fill_hatch.h"
#include "draw/page.h"
#include "draw/pipeline.h"
#include "draw/plane_hooks.h"

namespace zantor {
namespace {

constexpr int kMaxAreaPoints = 1000000;
// Work arrays above this many points are released after the call.
constexpr std::size_t kKeepCapacity = 1 << 16;

std::vector<double> absX, absY, devX, devY;
std::vector<float> shapeX, shapeY;

template <class T>
void trim(std::vector<T>& v) {
  if (v.capacity() > kKeepCapacity) std::vector<T>().swap(v);
}

// Hatch line style of a pattern type: solid, dotl, dashm, chndot.
int hatchLineStyle(int type) {
  switch (type) {
    case 5: return 6;
    case 6: return 5;
    case 7: return 4;
    default: return 0;
  }
}

// Outline through the pattern stage, closed back to the first point
// (absolute coordinates).
void outline(const double* x, const double* y, int n) {
  const Zanglb& g = zanglb;
  strtqq(static_cast<float>(x[0] - g.nx0), static_cast<float>(y[0] - g.ny0));
  for (int i = 1; i < n; ++i) connqq(static_cast<float>(x[i] - g.nx0), static_cast<float>(y[i] - g.ny0));
  connqq(static_cast<float>(x[0] - g.nx0), static_cast<float>(y[0] - g.ny0));
  qqstrk();
}

bool deviceFills(const FillPattern& p) {
  const Device* d = currentDevice();
  return p.solid && zanglb.ihwshd == 1 && d != nullptr && d->caps().fillPolygon &&
         !hiddenLinesActive();
}

}  // namespace

FillPattern currentPattern() {
  const Zanglb& g = zanglb;
  FillPattern p;
  p.solid = g.nshd == 16;
  p.angle = g.iangsh;
  p.type = g.itypsh;
  p.crossed = g.icrosh == 1;
  p.spacing = g.ydifsh;
  // Types 2, 3 and 4 group their lines; 6 and 7 keep the counts of the
  // last grouped pattern, as the generator's grouping step is shared.
  const bool grouped = p.type == 2 || p.type == 3 || p.type == 4 || p.type == 6 || p.type == 7;
  p.draw = grouped ? g.ndrawl : 1;
  p.skip = grouped ? g.nskipl : 0;
  return p;
}

FillPattern solidPattern() {
  FillPattern p;
  p.solid = true;
  p.type = 1;
  p.spacing = hatchSpacing(1, 0);
  return p;
}

void fillAbsolute(const double* x, const double* y, int n, const FillPattern& p) {
  qqstrk();
  if (n < 2) return;
  for (int i = 0; i < n; ++i)
    if (!std::isfinite(x[i]) || !std::isfinite(y[i])) return;  // undefined shape: not drawn
  if (deviceFills(p)) {
    devX.resize(n);
    devY.resize(n);
    for (int i = 0; i < n; ++i) {
      double px = x[i], py = y[i];
      if (!mapIntoPlane(px, py)) return;  // reaches behind the eye: not drawn
      deviceTransform(px, py, devX[i], devY[i]);
    }
    currentDevice()->fillPolygon(devX.data(), devY.data(), n);
    trim(devX);
    trim(devY);
    return;
  }
  if (p.solid) outline(x, y, n);
  if (p.type == 0) return;  // no hatching: the area stays empty
  const int previousStyle = zanglb.ityp;
  const int style = hatchLineStyle(p.type);
  if (style != previousStyle) qqltyp(style);
  HatchStyle h;
  h.angle = p.angle;
  h.spacing = p.spacing;
  h.draw = p.draw;
  h.skip = p.skip;
  hatchPolygon(x, y, n, h);
  if (p.crossed) {
    // The crossing lines: +90 degrees below 90, mirrored above.
    h.angle = p.angle < 90 ? p.angle + 90 : 180 - p.angle;
    hatchPolygon(x, y, n, h);
  }
  if (style != previousStyle) qqltyp(previousStyle);
}

void fillAbsoluteRings(const double* x, const double* y, const int* counts, int nrings,
                       const FillPattern& p) {
  qqstrk();
  size_t total = 0;
  for (int k = 0; k < nrings; ++k) total += static_cast<size_t>(std::max(counts[k], 0));
  for (size_t i = 0; i < total; ++i)
    if (!std::isfinite(x[i]) || !std::isfinite(y[i])) return;  // undefined shape: not drawn
  if (!deviceFills(p)) {
    std::vector<double> bx, by;
    joinRings(x, y, counts, nrings, bx, by);
    if (bx.size() >= 3) fillAbsolute(bx.data(), by.data(), static_cast<int>(bx.size()), p);
    return;
  }
  devX.resize(total);
  devY.resize(total);
  for (size_t i = 0; i < total; ++i) {
    double px = x[i], py = y[i];
    if (!mapIntoPlane(px, py)) return;  // reaches behind the eye: not drawn
    deviceTransform(px, py, devX[i], devY[i]);
  }
  currentDevice()->fillRings(devX.data(), devY.data(), counts, nrings);
  trim(devX);
  trim(devY);
}

void dareaf(const float* x, const float* y, int n) {
  const Zanglb& g = zanglb;
  if (n < 2) return;
  try {
    absX.resize(n);
    absY.resize(n);
  } catch (const std::bad_alloc&) {
    warnin(53);
    return;
  }
  for (int i = 0; i < n; ++i) {
    absX[i] = static_cast<double>(x[i]) + g.nx0;
    absY[i] = static_cast<double>(y[i]) + g.ny0;
  }
  fillAbsolute(absX.data(), absY.data(), n, currentPattern());
  trim(absX);
  trim(absY);
}

void fillShape(const float* x, const float* y, int n) {
  const Zanglb& g = zanglb;
  if (n < 1) return;
  // Transparency groups wrap the shape once writers offer them; until then
  // the shape is drawn opaque.
  bool coincide = true;
  for (int i = 1; i < n && coincide; ++i) coincide = x[i] == x[0] && y[i] == y[0];
  if (coincide) {
    if (g.ilinsh == 1 || g.itypsh != 0) {
      strtqq(x[0], y[0]);
      connqq(x[n > 1 ? 1 : 0], y[n > 1 ? 1 : 0]);
      qqstrk();
    }
    return;
  }
  if (g.ilinsh == 1) {
    strtqq(x[0], y[0]);
    for (int i = 1; i < n; ++i) connqq(x[i], y[i]);
    connqq(x[0], y[0]);
    qqstrk();
  }
  if (g.itypsh != 0) dareaf(x, y, n);
}

void areaPlot(const int32_t* x, const int32_t* y, int32_t n) {
  if (n < 2 || n > kMaxAreaPoints) {
    warni1(2, n);
    return;
  }
  try {
    shapeX.resize(n);
    shapeY.resize(n);
  } catch (const std::bad_alloc&) {
    warnin(53);
    return;
  }
  for (int i = 0; i < n; ++i) {
    shapeX[i] = static_cast<float>(x[i]);
    shapeY[i] = static_cast<float>(pageY(y[i]));
  }
  fillShape(shapeX.data(), shapeY.data(), n);
  trim(shapeX);
  trim(shapeY);
}

}  // namespace zantor

using namespace zantor;

ZANTOR_API void areaf_(const int32_t* nxray, const int32_t* nyray, const int32_t* n) try {
  if (jqqlev(1, 3, "AREAF") != 0) return;
  areaPlot(nxray, nyray, *n);
} ZANTOR_CATCH

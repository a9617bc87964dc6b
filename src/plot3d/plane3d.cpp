// grfini and grffin: a plane of 3D space onto which the page is mapped, so
// that a 2D picture drawn at level 1 (axis systems, curves, stroked text)
// appears in the 3D axis system under its projection.  The corners of the
// plane are the images of the page's lower left, lower right and upper
// right corners, in absolute coordinates, moved by the tr3 transformation.
#include <cmath>

#include <zantor.h>

#include "core/api.h"
#include "core/levels.h"
#include "core/state.h"
#include "core/warnings.h"
#include "draw/pipeline.h"
#include "draw/plane_hooks.h"
#include "plot3d/object_transform.h"
#include "plot3d/projection.h"

namespace zantor {
namespace {

struct ClipWindow {
  int32_t nxclip, nyclip, nuclip, nvclip, iclipp, iazclp;
  static ClipWindow current() {
    const Zanglb& g = zanglb;
    return {g.nxclip, g.nyclip, g.nuclip, g.nvclip, g.iclipp, g.iazclp};
  }
  void apply() const {
    Zanglb& g = zanglb;
    g.nxclip = nxclip, g.nyclip = nyclip, g.nuclip = nuclip, g.nvclip = nvclip;
    g.iclipp = iclipp, g.iazclp = iazclp;
  }
};

struct Plane {
  Abs3 corner;       // image of the page's lower left corner
  Abs3 right, up;    // images of the page's width and height
  // What a picture in the plane may change of the 3D axis system.
  int32_t igraf = 0, nxa = 0, nya = 0, nxl = 0, nyl = 0;
  ClipWindow window3d{};
};

Plane plane;

Abs3 pagePointInPlane(double x, double y) {
  const Zanglb& g = zanglb;
  const double u = x / g.nxres, v = (g.nyres - y) / g.nyres;  // plot y grows downwards
  return {plane.corner.x + u * plane.right.x + v * plane.up.x,
          plane.corner.y + u * plane.right.y + v * plane.up.y,
          plane.corner.z + u * plane.right.z + v * plane.up.z};
}

Plot3 projectPagePoint(double x, double y) { return absToPlot3d(pagePointInPlane(x, y)); }

// The part of the page segment from the visible end (x1, y1) towards the
// hidden one that lies in front of the eye: its last projected point.
Plot3 lastVisible(double x1, double y1, double x2, double y2) {
  double in = 0, out = 1;
  Plot3 best = projectPagePoint(x1, y1);
  for (int i = 0; i < 40; ++i) {
    const double t = 0.5 * (in + out);
    const Plot3 p = projectPagePoint(x1 + t * (x2 - x1), y1 + t * (y2 - y1));
    if (p.visible) in = t, best = p;
    else out = t;
  }
  return best;
}

// A segment already clipped in the plane: projected, clipped to the
// window of the 3D axis system and handed on (to the horizon when hidden
// lines are on).  Straight lines stay straight under the projection, so
// the end points are enough; a segment reaching behind the eye is cut
// where it passes the eye.
void planeSegment(float x1, float y1, float x2, float y2) {
  Zanglb& g = zanglb;
  Plot3 a = projectPagePoint(x1, y1);
  Plot3 b = projectPagePoint(x2, y2);
  if (!a.visible && !b.visible) return;
  if (!b.visible) b = lastVisible(x1, y1, x2, y2);
  if (!a.visible) a = lastVisible(x2, y2, x1, y1);
  const ClipWindow inPlane = ClipWindow::current();
  struct Restore {
    ClipWindow w;
    ~Restore() {
      w.apply();
      zanglb.igrfit = 1;
    }
  } restore{inPlane};
  plane.window3d.apply();
  g.igrfit = 0;
  clip2dRun(a.x, a.y, b.x, b.y);
}

// A page point of a filled area into the picture of the plane.
bool planePoint(double& x, double& y) {
  const Plot3 p = projectPagePoint(x, y);
  x = p.x, y = p.y;
  return p.visible;
}

double length(const Abs3& v) { return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z); }

}  // namespace
}  // namespace zantor

using namespace zantor;

ZANTOR_API void grfini_(const float* x1, const float* y1, const float* z1, const float* x2,
                        const float* y2, const float* z2, const float* x3, const float* y3,
                        const float* z3) try {
  if (jqqlev(3, 3, "GRFINI") != 0) return;
  if (!in3dAxisSystem()) {
    warnin(35);
    return;
  }
  for (const float* v : {x1, y1, z1, x2, y2, z2, x3, y3, z3})
    if (!std::isfinite(*v)) {
      warnin(2);
      return;
    }
  const Abs3 p1 = transformObject({*x1, *y1, *z1});
  const Abs3 p2 = transformObject({*x2, *y2, *z2});
  const Abs3 p3 = transformObject({*x3, *y3, *z3});
  const Abs3 right{p2.x - p1.x, p2.y - p1.y, p2.z - p1.z};
  const Abs3 up{p3.x - p2.x, p3.y - p2.y, p3.z - p2.z};
  const Abs3 normal{right.y * up.z - right.z * up.y, right.z * up.x - right.x * up.z,
                    right.x * up.y - right.y * up.x};
  // Corners on one line leave no plane to draw in.
  const double span = length(right) * length(up);
  if (!(span > 0) || !std::isfinite(span) || !(length(normal) > 1e-9 * span)) {
    warnin(2);
    return;
  }
  qqstrk();
  Zanglb& g = zanglb;
  plane.corner = p1, plane.right = right, plane.up = up;
  plane.igraf = g.igraf, plane.nxa = g.nxa, plane.nya = g.nya, plane.nxl = g.nxl, plane.nyl = g.nyl;
  plane.window3d = ClipWindow::current();
  endClip2dRun();
  setPlaneRoutine(planeSegment);
  setPlanePointRoutine(planePoint);
  g.igrfit = 1;
  resetClipWindow();  // the picture in the plane starts with the whole page
  g.nlev = 1;
} ZANTOR_CATCH

ZANTOR_API void grffin_() try {
  if (jqqlev(1, 3, "GRFFIN") != 0) return;
  Zanglb& g = zanglb;
  if (g.igrfit != 1) {
    warnin(34);
    return;
  }
  if (g.nlev >= 2) endgrf_();  // an axis system left open in the plane ends with it
  qqstrk();
  g.igrfit = 0;
  endClip2dRun();
  plane.window3d.apply();
  g.igraf = plane.igraf, g.nxa = plane.nxa, g.nya = plane.nya, g.nxl = plane.nxl, g.nyl = plane.nyl;
  g.nlev = 3;
  setRoutineName("GRFFIN");
} ZANTOR_CATCH

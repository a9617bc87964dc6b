// curv3d: a curve through points in user 3D coordinates, with the marker
// symbols of curves (incmrk, marker) at the projected points.
#include <cmath>
#include <cstdlib>
#include <vector>

#include "axes/curve_internal.h"
#include "core/api.h"
#include "core/state.h"
#include "core/warnings.h"
#include "draw/pipeline.h"
#include "plot3d/plot3d.h"
#include "plot3d/projection.h"
#include "plot3d/surface_mesh.h"

using namespace zantor;

ZANTOR_API void curv3d_(const float* xray, const float* yray, const float* zray,
                        const int32_t* n) try {
  if (!surfaceAllowed("CURV3D")) return;
  if (*n < 1) {
    warni1(2, *n);
    return;
  }
  const Zanglb& g = zanglb;
  // The line comes first: in hidden-line mode the symbols drawn after it
  // lose only the pixels on the line, whereas symbols drawn first would
  // hide the line across their whole height.
  if (g.incm >= 0) {
    qqstrk();
    moveTo3d(xray[0], yray[0], zray[0]);
    for (int i = 1; i < *n; ++i) drawTo3d(xray[i], yray[i], zray[i]);
    qqstrk();
  }
  if (g.incm != 0) {
    // Symbols stay upright and of one size on the page; a point behind the
    // eye or with a NaN gets none.
    std::vector<double> px(*n), py(*n);
    for (int i = 0; i < *n; ++i) {
      const Plot3 p = userToPlot3d(xray[i], yray[i], zray[i]);
      px[i] = p.visible ? p.x - g.nx0 : NAN;
      py[i] = p.visible ? p.y - g.ny0 : NAN;
    }
    drawCurveMarkers(px, py, std::abs(g.incm));
    qqstrk();
  }
} ZANTOR_CATCH

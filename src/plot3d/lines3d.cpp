// Lines in 3D coordinates through the line pipeline.
#include <cmath>

#include "core/state.h"
#include "draw/pipeline.h"
#include "plot3d/plot3d.h"
#include "plot3d/projection.h"

namespace zantor {
namespace {

// A line is open while its last point was in front of the eye; a point
// behind the eye ends it and the next point starts a new one.
bool lineOpen = false;

void moveToPlot(const Plot3& p) {
  const Zanglb& g = zanglb;
  lineOpen = p.visible;
  if (p.visible) strtqq(static_cast<float>(p.x - g.nx0), static_cast<float>(p.y - g.ny0));
}

void drawToPlot(const Plot3& p) {
  const Zanglb& g = zanglb;
  if (!lineOpen) {
    moveToPlot(p);
    return;
  }
  if (!p.visible) {
    lineOpen = false;
    return;
  }
  connqq(static_cast<float>(p.x - g.nx0), static_cast<float>(p.y - g.ny0));
}

}  // namespace

void moveTo3d(double x, double y, double z) { moveToPlot(userToPlot3d(x, y, z)); }
void drawTo3d(double x, double y, double z) { drawToPlot(userToPlot3d(x, y, z)); }
void moveToAbs3d(double x, double y, double z) { moveToPlot(absToPlot3d(x, y, z)); }
void drawToAbs3d(double x, double y, double z) { drawToPlot(absToPlot3d(x, y, z)); }

}  // namespace zantor

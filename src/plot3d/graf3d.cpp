// graf3d: scaling of the three axes, placement of the picture, the view
// transformation and the drawing of the axis system.
#include <algorithm>
#include <cmath>

#include "axes/axes.h"
#include "core/api.h"
#include "core/levels.h"
#include <zantor.h>
#include "core/state.h"
#include "core/warnings.h"
#include "plot3d/object_transform.h"
#include "plot3d/plot3d.h"
#include "plot3d/projection.h"

using namespace zantor;

ZANTOR_API void graf3d_(const float* xa, const float* xe, const float* xor_, const float* xstp,
                        const float* ya, const float* ye, const float* yor, const float* ystp,
                        const float* za, const float* ze, const float* zor, const float* zstp) try {
  if (jqqlev(1, 1, "GRAF3D") != 0) return;
  Zanglb& g = zanglb;
  AxisArgs x{*xa, *xe, *xor_, *xstp}, y{*ya, *ye, *yor, *ystp}, z{*za, *ze, *zor, *zstp};
  applyAutoScale(0, x, g.nxl);
  applyAutoScale(1, y, g.nyl);
  applyAutoScale(2, z, g.nzl);
  // Infinite ends or steps pass the range checks but leave no scale.
  for (const AxisArgs* v : {&x, &y, &z})
    if (!std::isfinite(v->a) || !std::isfinite(v->e) || !std::isfinite(v->step))
      return warnin(2);
  const bool xok = checkAxis(x, g.nxl);
  const bool yok = checkAxis(y, g.nyl);
  const bool zok = checkAxis(z, g.nzl);
  if (!xok || !yok || !zok) return;

  g.xa3d = x.a, g.xe3d = x.e, g.xor3d = x.orig, g.xstp3d = x.step;
  g.ya3d = y.a, g.ye3d = y.e, g.yor3d = y.orig, g.ystp3d = y.step;
  g.za3d = z.a, g.ze3d = z.e, g.zor3d = z.orig, g.zstp3d = z.step;
  axisDataRange(0, x, g.xmin3d, g.xmax3d);
  axisDataRange(1, y, g.ymin3d, g.ymax3d);
  axisDataRange(2, z, g.zmin3d, g.zmax3d);

  if (g.icent == 1) {
    g.nxa = static_cast<int32_t>((int64_t{g.nxres} - g.nxl) / 2);
    g.nya = static_cast<int32_t>((int64_t{g.nyres} + g.nyl) / 2 - 1);
    g.icent = 2;
  }
  g.nlev = 3;
  g.igraf = kAxisSystem3d;
  resetObjectTransform();  // tr3 steps belong to one axis system
  g.xcen3 = static_cast<float>(g.nxa + 0.5 * g.nxl);
  g.ycen3 = static_cast<float>(g.nya - 0.5 * g.nyl);
  g.xlmin3 = static_cast<float>(0.5 * std::min(g.nxl, g.nyl));
  buildTransform3d();
  // The axes are drawn before the clipping window closes in on the axis
  // rectangle, so that labels and names outside it stay whole.
  if (g.inogr == 0) drawBoxAxes();
  clpbor_("AXIS", 4);
  setRoutineName("GRAF3D");
} ZANTOR_CATCH

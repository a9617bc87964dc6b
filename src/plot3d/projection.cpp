// The 3D transformation: user -> absolute -> eye -> plot coordinates.
#include "plot3d/projection.h"

#include <cmath>
#include <limits>

#include "core/state.h"
#include "core/warnings.h"

namespace zantor {
namespace {

constexpr double kPi = 3.14159265358979323846;

double axisValue(int axis, double v) { return zanglb.ixlg[axis] == 1 ? std::log10(v) : v; }

double toAbs(int axis, double v, double a, double e) {
  const double side = zanglb.x3axis[axis];
  return (axisValue(axis, v) - a) * side / (e - a) - side / 2;
}

bool insideBox(const Abs3& p) {
  const Zanglb& g = zanglb;
  return std::fabs(p.x) <= g.x3axis[0] / 2 && std::fabs(p.y) <= g.x3axis[1] / 2 &&
         std::fabs(p.z) <= g.x3axis[2] / 2;
}

Abs3 defaultViewPoint() {
  const Zanglb& g = zanglb;
  return {2.0 * g.x3axis[0], -2.5 * g.x3axis[1], 2.0 * g.x3axis[2]};
}

Abs3 resolveFocus() {
  const Zanglb& g = zanglb;
  if (g.ifoc3d == 1) return {g.xfoc3d[0], g.xfoc3d[1], g.xfoc3d[2]};
  if (g.ifoc3d == 2) return userToAbs3d(g.xfoc3d[0], g.xfoc3d[1], g.xfoc3d[2]);
  return {};
}

Abs3 resolveViewPoint(const Abs3& focus) {
  const Zanglb& g = zanglb;
  Abs3 v = defaultViewPoint();
  if (g.ivuabs == 1) {
    v = {g.xvuabs[0], g.xvuabs[1], g.xvuabs[2]};
  } else if (g.ivuabs == 2) {
    v = userToAbs3d(g.xvuabs[0], g.xvuabs[1], g.xvuabs[2]);
  } else if (g.ivuabs == 3) {
    const double a = g.xvuabs[0] * kPi / 180, b = g.xvuabs[1] * kPi / 180, r = g.xvuabs[2];
    v = {r * std::cos(b) * std::sin(a), r * std::cos(b) * std::cos(a), r * std::sin(b)};
  }
  const bool finite = std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
  // A view point on the focus gives no viewing direction: it is refused
  // like one inside the box.
  const double d = std::hypot(v.x - focus.x, v.y - focus.y, v.z - focus.z);
  if (g.ivuabs != 0 && (!finite || insideBox(v) || d < 1e-9)) {
    warnin(33);
    v = defaultViewPoint();
  }
  return v;
}

}  // namespace

bool in3dAxisSystem() { return zanglb.nlev == 3 && zanglb.igraf == kAxisSystem3d; }

Abs3 userToAbs3d(double x, double y, double z) {
  const Zanglb& g = zanglb;
  return {toAbs(0, x, g.xa3d, g.xe3d), toAbs(1, y, g.ya3d, g.ye3d), toAbs(2, z, g.za3d, g.ze3d)};
}

Abs3 viewPoint3d() { return {zanglb.xvures, zanglb.yvures, zanglb.zvures}; }

void buildTransform3d() {
  Zanglb& g = zanglb;
  const Abs3 f = resolveFocus();
  g.xfcabs = static_cast<float>(f.x);
  g.yfcabs = static_cast<float>(f.y);
  g.zfcabs = static_cast<float>(f.z);
  const Abs3 v = resolveViewPoint(f);
  g.xvures = v.x, g.yvures = v.y, g.zvures = v.z;

  const double dx = v.x - f.x, dy = v.y - f.y, dz = v.z - f.z;
  const double r = std::hypot(dx, dy);
  double dd = std::hypot(r, dz);
  if (dd < 1e-12) dd = 1;  // the default view point on an absolute focus
  double u[3], w[3], vv[3];
  if (r >= 1e-6) {
    const double sa = dy / r, ca = dx / r, sb = r / dd, cb = dz / dd;
    u[0] = -sa, u[1] = ca, u[2] = 0;
    vv[0] = ca * cb, vv[1] = sa * cb, vv[2] = -sb;
    w[0] = -dx / dd, w[1] = -dy / dd, w[2] = -dz / dd;
  } else {
    // Straight down: right is +X and up is +Y.  Straight up (the view point
    // below the focus) looks along +Z; up becomes -Y so that the picture is
    // not mirrored and the depth stays positive in front of the eye.
    const double up = dz >= 0 ? 1.0 : -1.0;
    u[0] = 1, u[1] = 0, u[2] = 0;
    vv[0] = 0, vv[1] = -up, vv[2] = 0;
    w[0] = 0, w[1] = 0, w[2] = -up;
  }
  const double c = std::cos(g.xvup3d), s = std::sin(g.xvup3d);
  double* m = g.xtrmat;
  const double vp[3] = {v.x, v.y, v.z};
  for (int k = 0; k < 3; ++k) {
    m[k] = c * u[k] + s * vv[k];
    m[4 + k] = s * u[k] - c * vv[k];
    m[8 + k] = w[k];
  }
  for (int row = 0; row < 3; ++row) {
    double* rr = m + 4 * row;
    rr[3] = -(rr[0] * vp[0] + rr[1] * vp[1] + rr[2] * vp[2]);
  }

  const double n = g.xclp3d, far = g.uclp3d;
  // A far plane on the near plane has no depth range: taken as none.
  const bool hasFar = far >= 0 && far > n;
  double* r3 = m + 8;
  double* r4 = m + 12;
  if (g.iprj3d == 0) {
    const double t = std::tan(g.xang3d);
    for (int k = 0; k < 4; ++k) r4[k] = t * r3[k];
    const double a = hasFar ? t / (1 - n / far) : t;
    const double b = hasFar ? t * n / (1 - n / far) : t * n;
    for (int k = 0; k < 4; ++k) r3[k] *= a;
    r3[3] -= b;
  } else {
    r4[0] = r4[1] = r4[2] = 0;
    r4[3] = 2.0 / g.xscl3d;
    const double div = far >= 0 && far > 0 ? far : 2 * std::hypot(v.x, v.y, v.z);
    if (div > 0)
      for (int k = 0; k < 4; ++k) r3[k] /= div;
  }
}

Plot3 absToPlot3d(double X, double Y, double Z) {
  const Zanglb& g = zanglb;
  const double* m = g.xtrmat;
  const double xe = m[0] * X + m[1] * Y + m[2] * Z + m[3];
  const double ye = m[4] * X + m[5] * Y + m[6] * Z + m[7];
  const double ze = m[8] * X + m[9] * Y + m[10] * Z + m[11];
  const double we = m[12] * X + m[13] * Y + m[14] * Z + m[15];
  Plot3 p;
  if (!(we > 1e-9)) {
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    p.x = p.y = p.depth = nan;
    p.visible = false;
    return p;
  }
  p.x = g.xcen3 + g.xlmin3 * xe / we;
  p.y = g.ycen3 - g.xlmin3 * ye / we;
  p.depth = ze / we;
  return p;
}

void rotate3dObject(double& x, double& y, double& z) {
  const Zanglb& g = zanglb;
  if (g.irot3d[0]) {
    const double c = g.cosa3d[0], s = g.sina3d[0], y1 = y * c - z * s, z1 = y * s + z * c;
    y = y1, z = z1;
  }
  if (g.irot3d[1]) {
    const double c = g.cosa3d[1], s = g.sina3d[1], z1 = z * c - x * s, x1 = z * s + x * c;
    x = x1, z = z1;
  }
  if (g.irot3d[2]) {
    const double c = g.cosa3d[2], s = g.sina3d[2], x1 = x * c - y * s, y1 = x * s + y * c;
    x = x1, y = y1;
  }
}

}  // namespace zantor

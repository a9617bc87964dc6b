// The public surface routines and the settings of surfaces and hidden
// lines.
//
// Choices: surmat draws every ixpts-th line of constant x and every
// iypts-th line of constant y (and the last ones), each through all grid
// points of the matrix; a step must be at least 1 and smaller than the
// number of points in its direction.  surfun draws lines xdel and ydel
// apart in user units (in exponents on logarithmic axes) and samples the
// function ixpts times per xdel along the lines of constant y and iypts
// times per ydel along the lines of constant x.
#include <cmath>
#include <vector>

#include "core/api.h"
#include "core/args.h"
#include "core/keywords.h"
#include "core/levels.h"
#include "core/state.h"
#include "core/warnings.h"
#include "draw/pipeline.h"
#include "plot3d/horizon.h"
#include "plot3d/surface_mesh.h"

namespace zantor {
namespace {

// Grid points between lo and hi (axis units), the lines `del` apart and
// `per` samples per line interval; the end is always a grid point.  The
// index of every line is a multiple of `per` (or the last index).
bool sampleAxis(double lo, double hi, double del, int per, bool logAxis, std::vector<float>& out) {
  constexpr double kMaxPoints = 20000;
  const double step = del / per;
  const double n = std::floor((hi - lo) / step * (1 + 1e-9));
  if (!(n >= 1) || n > kMaxPoints) return false;
  out.clear();
  for (long k = 0; k <= static_cast<long>(n); ++k) out.push_back(static_cast<float>(lo + k * step));
  if (hi - out.back() > 1e-6 * (hi - lo)) out.push_back(static_cast<float>(hi));
  if (logAxis)
    for (float& v : out) v = std::pow(10.0f, v);
  return true;
}

// Equally spaced values from a to e.
std::vector<float> spaced(float a, float e, int n) {
  std::vector<float> v(n);
  for (int i = 0; i < n; ++i) v[i] = a + (e - a) * i / (n - 1);
  return v;
}

}  // namespace
}  // namespace zantor

using namespace zantor;

ZANTOR_API void surfce_(const float* xray, const int32_t* n, const float* yray, const int32_t* m,
                        const float* zmat) try {
  if (!surfaceAllowed("SURFCE")) return;
  if (*n < 2 || *m < 2) {
    warni1(2, *n < 2 ? *n : *m);
    return;
  }
  MeshGrid grid;
  grid.x = xray, grid.y = yray, grid.z = zmat, grid.nx = *n, grid.ny = *m;
  drawMesh(grid);
} ZANTOR_CATCH

ZANTOR_API void surmat_(const float* zmat, const int32_t* ixdim, const int32_t* iydim,
                        const int32_t* ixpts, const int32_t* iypts) try {
  if (!surfaceAllowed("SURMAT")) return;
  const int nx = *ixdim, ny = *iydim;
  if (nx < 2 || ny < 2) {
    warni1(2, nx < 2 ? nx : ny);
    return;
  }
  if (*ixpts < 1 || *ixpts >= nx || *iypts < 1 || *iypts >= ny) {
    warni1(2, (*ixpts < 1 || *ixpts >= nx) ? *ixpts : *iypts);
    return;
  }
  const Zanglb& g = zanglb;
  // The grid spans the axis (or sursze) limits, in axis units.
  float xa = g.xa3d, xe = g.xe3d, ya = g.ya3d, ye = g.ye3d;
  if (g.isursz == 1) {
    xa = g.xsursz[0], xe = g.xsursz[1], ya = g.xsursz[2], ye = g.xsursz[3];
  } else {
    if (g.ixlg[0] == 1) xa = std::pow(10.0f, xa), xe = std::pow(10.0f, xe);
    if (g.ixlg[1] == 1) ya = std::pow(10.0f, ya), ye = std::pow(10.0f, ye);
  }
  const std::vector<float> x = spaced(xa, xe, nx), y = spaced(ya, ye, ny);
  MeshGrid grid;
  grid.x = x.data(), grid.y = y.data(), grid.z = zmat, grid.nx = nx, grid.ny = ny;
  grid.stepX = *ixpts, grid.stepY = *iypts;
  drawMesh(grid);
} ZANTOR_CATCH

ZANTOR_API void surfun_(float (*zfun)(const float*, const float*), const int32_t* ixpts,
                        const float* xdel, const int32_t* iypts, const float* ydel) try {
  if (!surfaceAllowed("SURFUN")) return;
  const Zanglb& g = zanglb;
  if (zfun == nullptr || *ixpts < 1 || *iypts < 1) {
    warni1(2, *ixpts < 1 ? *ixpts : *iypts);
    return;
  }
  std::vector<float> x, y;
  const bool xok = sampleAxis(std::fmin(g.xa3d, g.xe3d), std::fmax(g.xa3d, g.xe3d), *xdel, *ixpts,
                              g.ixlg[0] == 1, x);
  const bool yok = sampleAxis(std::fmin(g.ya3d, g.ye3d), std::fmax(g.ya3d, g.ye3d), *ydel, *iypts,
                              g.ixlg[1] == 1, y);
  if (!xok || !yok) {
    warnin(2);
    return;
  }
  std::vector<float> z(x.size() * y.size());
  for (size_t j = 0; j < y.size(); ++j)
    for (size_t i = 0; i < x.size(); ++i) z[i + j * x.size()] = zfun(&x[i], &y[j]);
  MeshGrid grid;
  grid.x = x.data(), grid.y = y.data(), grid.z = z.data();
  grid.nx = static_cast<int>(x.size()), grid.ny = static_cast<int>(y.size());
  grid.stepX = *ixpts, grid.stepY = *iypts;
  drawMesh(grid);
} ZANTOR_CATCH

ZANTOR_API void survis_(const char* copt, size_t copt_len) try {
  chkini("SURVIS");
  const int k = jqqind("AUTO+TOP +BOTT+BOTH", 4, trimmedArg(copt, copt_len));
  if (k != 0) zanglb.isurvs = k - 1;
} ZANTOR_CATCH

ZANTOR_API void suropt_(const char* copt, size_t copt_len) try {
  chkini("SUROPT");
  const int k = jqqind("BOTH+XISO+YISO", 3, trimmedArg(copt, copt_len));
  if (k != 0) zanglb.isurop = k - 1;
} ZANTOR_CATCH

ZANTOR_API void surclr_(const int32_t* ictop, const int32_t* icbot) try {
  chkini("SURCLR");
  if (*ictop < -1 || *icbot < -1) {
    warni1(2, *ictop < -1 ? *ictop : *icbot);
    return;
  }
  Zanglb& g = zanglb;
  g.ictp = *ictop;
  g.icbt = *icbot;
  g.isfclr = 1;
} ZANTOR_CATCH

ZANTOR_API void nohide_() try {
  chkini("NOHIDE");
  zanglb.inohid = 1;
} ZANTOR_CATCH

ZANTOR_API void hidlin_(const char* copt, size_t copt_len) try {
  chkini("HIDLIN");
  const int k = jqqind("ON  +OFF ", 2, trimmedArg(copt, copt_len));
  if (k == 0) return;
  qqstrk();
  Zanglb& g = zanglb;
  g.ihlopt = g.imkopt = k == 1 ? 1 : 0;
  if (k == 1) installHorizon();
} ZANTOR_CATCH

ZANTOR_API void shlsur_() try {
  chkini("SHLSUR");
  zanglb.iblsur = 1;
} ZANTOR_CATCH

ZANTOR_API void sursze_(const float* xa, const float* xe, const float* ya, const float* ye) try {
  chkini("SURSZE");
  const float v[4] = {*xa, *xe, *ya, *ye};
  for (float f : v)
    if (!std::isfinite(f)) {
      warnin(2);
      return;
    }
  Zanglb& g = zanglb;
  for (int i = 0; i < 4; ++i) g.xsursz[i] = v[i];
  g.isursz = 1;
} ZANTOR_CATCH

// The lighting model of shaded 3D pictures and its settings: up to eight
// lights with ambient, diffuse and specular intensities and attenuation,
// and the material's reflection coefficients.
#include <cmath>

#include "core/api.h"
#include "core/args.h"
#include "core/keywords.h"
#include "core/levels.h"
#include "core/state.h"
#include "core/warnings.h"
#include "draw/colour.h"
#include "shading/shading.h"

namespace zantor {
namespace {

Abs3 unit(double x, double y, double z) {
  const double l = std::sqrt(x * x + y * y + z * z);
  if (!(l > 0)) return {0, 0, 0};
  return {x / l, y / l, z / l};
}

double dot(const Abs3& a, const Abs3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

// The position of light i in absolute coordinates.
Abs3 lightPosition(int i) {
  const Zanglb& g = zanglb;
  const double x = g.xlitps[i], y = g.ylitps[i], z = g.zlitps[i];
  switch (g.ilitps[i]) {
    case 1:  // user coordinates: only a 3D axis system gives them meaning
      return in3dAxisSystem() ? userToAbs3d(x, y, z) : Abs3{x, y, z};
    case 2: {  // azimuth, elevation (degrees) and distance
      const double a = x * M_PI / 180.0, b = y * M_PI / 180.0;
      return {z * std::cos(b) * std::sin(a), z * std::cos(b) * std::cos(a), z * std::sin(b)};
    }
    default: return {x, y, z};
  }
}

// Light number 1..8 (warning 2 otherwise); the index 0..7 or -1.
int lightIndex(int32_t id) {
  if (jqqval(id, 1, 8) != 0) return -1;
  return id - 1;
}

}  // namespace

void resetShadingDefaults() {
  Zanglb& g = zanglb;
  g.izbfmd = 1;
  g.xzbfsc = 1.5f;
  g.izbfon = 0;
  g.ishsrf = 0;
  g.isrmsh = 0;
  g.ilitop = 0;
  for (int i = 0; i < 8; ++i) {
    g.ilitmd[i] = i == 0 ? 1 : 0;
    g.ilitps[i] = 0;
    g.xlitps[i] = 4, g.ylitps[i] = -5, g.zlitps[i] = 4;
    for (int k = 0; k < 3; ++k) g.xlitam[i][k] = 0, g.xlitdf[i][k] = 1, g.xlitsp[i][k] = 1;
    g.xlitco[i] = 1, g.xlitli[i] = 0, g.xlitqu[i] = 0;
  }
  for (int k = 0; k < 3; ++k) {
    g.xscamb[k] = 0.2f;
    g.xrflam[k] = 0.2f, g.xrfldf[k] = 0.8f, g.xrflsp[k] = 0.0f;
  }
  g.xrflsh = 0.0f;
}

Intensity lightIntensity(const Abs3& p, const Abs3& n, const Abs3& view) {
  const Zanglb& g = zanglb;
  const Abs3 v = unit(view.x - p.x, view.y - p.y, view.z - p.z);
  double out[3];
  for (int k = 0; k < 3; ++k) out[k] = double(g.xscamb[k]) * g.xrflam[k];
  for (int i = 0; i < 8; ++i) {
    if (g.ilitmd[i] != 1) continue;
    const Abs3 lp = lightPosition(i);
    const double dx = lp.x - p.x, dy = lp.y - p.y, dz = lp.z - p.z;
    const double d = std::sqrt(dx * dx + dy * dy + dz * dz);
    const Abs3 l = unit(dx, dy, dz);
    double a = g.xlitco[i] + g.xlitli[i] * d + g.xlitqu[i] * d * d;
    if (!(a > 1e-30)) a = 1e-30;  // no light is infinitely strong
    const double c = dot(n, l);
    const Abs3 r{2 * c * n.x - l.x, 2 * c * n.y - l.y, 2 * c * n.z - l.z};
    const double s = dot(r, v);
    for (int k = 0; k < 3; ++k) {
      const double diffuse = c > 0 ? c * g.xrfldf[k] * g.xlitdf[i][k] : 0.0;
      const double sp = double(g.xrflsp[k]) * g.xlitsp[i][k];
      const double specular = (c > 1e-6 && sp > 1e-35 && s > 0) ? std::pow(s, g.xrflsh) * sp : 0.0;
      out[k] += (double(g.xrflam[k]) * g.xlitam[i][k] + diffuse + specular) / a;
    }
  }
  return {out[0], out[1], out[2]};
}

int32_t intensityColour(const Intensity& i) {
  auto byte = [](double c) { return colourByte(std::isfinite(c) ? std::fmin(1.0, std::fmax(0.0, c)) : 0.0); };
  return explicitColour(byte(i.r), byte(i.g), byte(i.b));
}

}  // namespace zantor

using namespace zantor;

ZANTOR_API void light_(const char* copt, size_t copt_len) try {
  if (jqqlev(1, 3, "LIGHT") != 0) return;
  const int i = jqqind("OFF +ON  ", 2, arg(copt, copt_len));
  if (i != 0) zanglb.ilitop = i - 1;
} ZANTOR_CATCH

ZANTOR_API void litmod_(const int32_t* id, const char* copt, size_t copt_len) try {
  if (jqqlev(1, 3, "LITMOD") != 0) return;
  const int k = lightIndex(*id);
  if (k < 0) return;
  const int i = jqqind("OFF +ON  ", 2, arg(copt, copt_len));
  if (i != 0) zanglb.ilitmd[k] = i - 1;
} ZANTOR_CATCH

ZANTOR_API void litpos_(const int32_t* id, const float* x, const float* y, const float* z,
                        const char* copt, size_t copt_len) try {
  if (jqqlev(1, 3, "LITPOS") != 0) return;
  const int k = lightIndex(*id);
  if (k < 0) return;
  const int i = jqqind("ABS +USER+ANGL", 3, arg(copt, copt_len));
  if (i == 0) return;
  Zanglb& g = zanglb;
  g.ilitps[k] = i - 1;
  g.xlitps[k] = *x, g.ylitps[k] = *y, g.zlitps[k] = *z;
} ZANTOR_CATCH

ZANTOR_API void litopt_(const int32_t* id, const float* xval, const char* copt,
                        size_t copt_len) try {
  if (jqqlev(1, 3, "LITOPT") != 0) return;
  const int k = lightIndex(*id);
  if (k < 0) return;
  const int i = jqqind("AMBI+DIFF+SPEC+CONS+LINE+QUAD", 6, arg(copt, copt_len));
  Zanglb& g = zanglb;
  const float v = *xval;
  switch (i) {
    case 1: for (float& c : g.xlitam[k]) c = v; break;
    case 2: for (float& c : g.xlitdf[k]) c = v; break;
    case 3: for (float& c : g.xlitsp[k]) c = v; break;
    case 4: g.xlitco[k] = v; break;
    case 5: g.xlitli[k] = v; break;
    case 6: g.xlitqu[k] = v; break;
    default: break;
  }
} ZANTOR_CATCH

ZANTOR_API void litop3_(const int32_t* id, const float* xr, const float* xg, const float* xb,
                        const char* copt, size_t copt_len) try {
  if (jqqlev(1, 3, "LITOP3") != 0) return;
  const int k = lightIndex(*id);
  if (k < 0) return;
  const int i = jqqind("AMBI+DIFF+SPEC", 3, arg(copt, copt_len));
  if (i == 0) return;
  Zanglb& g = zanglb;
  float* c = i == 1 ? g.xlitam[k] : i == 2 ? g.xlitdf[k] : g.xlitsp[k];
  c[0] = *xr, c[1] = *xg, c[2] = *xb;
} ZANTOR_CATCH

ZANTOR_API void matopt_(const float* xval, const char* copt, size_t copt_len) try {
  if (jqqlev(1, 3, "MATOPT") != 0) return;
  const int i = jqqind("AMBI+DIFF+SPEC+EXPO", 4, arg(copt, copt_len));
  Zanglb& g = zanglb;
  switch (i) {
    case 1: for (float& c : g.xrflam) c = *xval; break;
    case 2: for (float& c : g.xrfldf) c = *xval; break;
    case 3: for (float& c : g.xrflsp) c = *xval; break;
    case 4: g.xrflsh = *xval; break;
    default: break;
  }
} ZANTOR_CATCH

ZANTOR_API void matop3_(const float* xr, const float* xg, const float* xb, const char* copt,
                        size_t copt_len) try {
  if (jqqlev(1, 3, "MATOP3") != 0) return;
  const int i = jqqind("AMBI+DIFF+SPEC", 3, arg(copt, copt_len));
  if (i == 0) return;
  Zanglb& g = zanglb;
  float* c = i == 1 ? g.xrflam : i == 2 ? g.xrfldf : g.xrflsp;
  c[0] = *xr, c[1] = *xg, c[2] = *xb;
} ZANTOR_CATCH

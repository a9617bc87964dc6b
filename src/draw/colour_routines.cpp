// The public colour routines: current colour, tables, table entries,
// queries, HSV conversions and the curve colour cycle.
#include <cmath>

#include "core/api.h"
#include "core/args.h"
#include "core/keywords.h"
#include "core/levels.h"
#include "core/state.h"
#include "core/warnings.h"
#include "draw/colour.h"
#include "draw/colour_tables.h"

namespace zantor {
namespace {

bool validRgb(float r, float g, float b) {
  return validComponent(r) && validComponent(g) && validComponent(b);
}

void componentsOf(int32_t value, float* xr, float* xg, float* xb) {
  const Rgb c = colourRgb(value);
  *xr = c.r / 255.0f;
  *xg = c.g / 255.0f;
  *xb = c.b / 255.0f;
}

// The explicit colour halfway between two colour values.
int32_t halfway(int32_t a, int32_t b) {
  const Rgb p = colourRgb(a), q = colourRgb(b);
  return explicitColour((p.r + q.r + 1) / 2, (p.g + q.g + 1) / 2, (p.b + q.b + 1) / 2);
}

}  // namespace
}  // namespace zantor

using namespace zantor;

ZANTOR_API void setclr_(const int32_t* ncol) try {
  if (jqqlev(1, 3, "SETCLR") != 0) return;
  if (*ncol < 0) {
    warni1(2, *ncol);
    return;
  }
  qqsclr(*ncol);
} ZANTOR_CATCH

ZANTOR_API void color_(const char* cname, size_t cname_len) try {
  if (jqqlev(1, 3, "COLOR") != 0) return;
  const int i = jqqind("WHIT+RED +GREE+YELL+BLUE+ORAN+CYAN+MAGE+BLAC+FORE+BACK+GRAY+HALF", 13,
                       arg(cname, cname_len));
  if (i == 0) return;
  const Zanglb& g = zanglb;
  int32_t value = 0;
  if (i <= 9) value = g.nrclrd[i - 1];
  else if (i == 10) value = g.nfgclr;
  else if (i == 11) value = g.nbgclr;
  else if (i == 12) value = explicitColour(128, 128, 128);  // nint(0.5 x 255)
  else value = halfway(g.ncolr, g.nbgclr);
  qqsclr(value);
} ZANTOR_CATCH

ZANTOR_API int32_t intrgb_(const float* xr, const float* xg, const float* xb) try {
  if (!validRgb(*xr, *xg, *xb)) return -1;
  return explicitColour(colourByte(*xr), colourByte(*xg), colourByte(*xb));
} ZANTOR_CATCH_RETURN(0)

ZANTOR_API void setrgb_(const float* xr, const float* xg, const float* xb) try {
  if (jqqlev(1, 3, "SETRGB") != 0) return;
  if (!validRgb(*xr, *xg, *xb)) {
    warnin(2);
    return;
  }
  qqsclr(explicitColour(colourByte(*xr), colourByte(*xg), colourByte(*xb)));
} ZANTOR_CATCH

ZANTOR_API void setvlt_(const char* cvlt, size_t cvlt_len) try {
  if (jqqlev(1, 3, "SETVLT") != 0) return;
  const int i = jqqind(kColourTableKeywords, 9, arg(cvlt, cvlt_len));
  if (i != 0) loadColourTable(i - 1);
} ZANTOR_CATCH

ZANTOR_API int32_t indrgb_(const float* xr, const float* xg, const float* xb) try {
  if (jqqlev(1, 3, "INDRGB") != 0) return -1;
  if (!validRgb(*xr, *xg, *xb)) {
    warnin(2);
    return -1;
  }
  return nearestColourIndex(colourByte(*xr), colourByte(*xg), colourByte(*xb));
} ZANTOR_CATCH_RETURN(0)

ZANTOR_API void setind_(const int32_t* index, const float* xr, const float* xg,
                        const float* xb) try {
  chkini("SETIND");
  setColourEntry(*index, *xr, *xg, *xb);
} ZANTOR_CATCH

ZANTOR_API void myvlt_(const float* xr, const float* xg, const float* xb, const int32_t* n) try {
  chkini("MYVLT");
  if (*n < 1 || *n > 256) {
    warni1(2, *n);
    return;
  }
  for (int i = 0; i < *n; ++i) {
    if (!validRgb(xr[i], xg[i], xb[i])) {
      warnin(2);
      return;
    }
  }
  Zanglb& g = zanglb;
  for (int i = 0; i < *n; ++i)
    g.ivlt[i] = (colourByte(xr[i]) << 16) | (colourByte(xg[i]) << 8) | colourByte(xb[i]);
  g.imyvlt = 1;
  notifyColourTable();
} ZANTOR_CATCH

ZANTOR_API void getind_(const int32_t* index, float* xr, float* xg, float* xb) try {
  chkini("GETIND");
  if (*index < 0 || (*index > 255 && !isExplicitColour(*index))) {
    warni1(2, *index);
    return;
  }
  componentsOf(*index, xr, xg, xb);
} ZANTOR_CATCH

ZANTOR_API void getclr_(int32_t* ncol) try {
  chkini("GETCLR");
  *ncol = zanglb.ncolr;
} ZANTOR_CATCH

// Components 0..1 of the current colour.
ZANTOR_API void getrgb_(float* xr, float* xg, float* xb) try {
  chkini("GETRGB");
  componentsOf(zanglb.ncolr, xr, xg, xb);
} ZANTOR_CATCH

ZANTOR_API void hsvrgb_(const float* xh, const float* xs, const float* xv, float* xr,
                        float* xg, float* xb) try {
  if (jqqlev(0, 3, "HSVRGB") != 0) return;
  const double h = *xh, s = *xs, v = *xv;
  if (!(h >= 0.0 && h <= 360.0) || !(s >= 0.0 && s <= 1.0) || !(v >= 0.0 && v <= 1.0)) {
    warnin(2);
    return;
  }
  // Hue 360 is hue 0; without saturation the colour is the grey v.
  const double sector = (h >= 360.0 ? 0.0 : h) / 60.0;
  const int i = static_cast<int>(sector);
  const double f = sector - i;
  const double p = v * (1.0 - s), q = v * (1.0 - s * f), t = v * (1.0 - s * (1.0 - f));
  double r = v, g = t, b = p;
  switch (i) {
    case 0: r = v; g = t; b = p; break;
    case 1: r = q; g = v; b = p; break;
    case 2: r = p; g = v; b = t; break;
    case 3: r = p; g = q; b = v; break;
    case 4: r = t; g = p; b = v; break;
    default: r = v; g = p; b = q; break;
  }
  *xr = static_cast<float>(r);
  *xg = static_cast<float>(g);
  *xb = static_cast<float>(b);
} ZANTOR_CATCH

ZANTOR_API void rgbhsv_(const float* xr, const float* xg, const float* xb, float* xh,
                        float* xs, float* xv) try {
  if (jqqlev(0, 3, "RGBHSV") != 0) return;
  if (!validRgb(*xr, *xg, *xb)) {
    warnin(2);
    return;
  }
  auto clamp01 = [](double c) { return c < 0.0 ? 0.0 : c > 1.0 ? 1.0 : c; };
  const double r = clamp01(*xr), g = clamp01(*xg), b = clamp01(*xb);
  const double mx = std::fmax(r, std::fmax(g, b)), mn = std::fmin(r, std::fmin(g, b));
  const double d = mx - mn;
  double h = 0.0;  // a grey has hue 0
  if (d > 0.0) {
    if (mx == r) h = 60.0 * std::fmod((g - b) / d + 6.0, 6.0);
    else if (mx == g) h = 60.0 * ((b - r) / d + 2.0);
    else h = 60.0 * ((r - g) / d + 4.0);
  }
  if (h >= 360.0) h -= 360.0;
  *xh = static_cast<float>(h);
  *xs = static_cast<float>(mx > 0.0 ? d / mx : 0.0);
  *xv = static_cast<float>(mx);
} ZANTOR_CATCH

ZANTOR_API void clrmod_(const char* cmode, size_t cmode_len) try {
  if (jqqlev(0, 0, "CLRMOD") != 0) return;
  const int i = jqqind("NONE+FULL+CONT", 3, arg(cmode, cmode_len));
  if (i != 0) zanglb.iclrmd = i - 1;
} ZANTOR_CATCH

ZANTOR_API void clrcyc_(const int32_t* index, const int32_t* iclr) try {
  chkini("CLRCYC");
  if (*index < 1 || *index > 30) {
    warni1(2, *index);
    return;
  }
  if (*iclr < 0) {
    warni1(2, *iclr);
    return;
  }
  zanglb.ncclr[*index - 1] = *iclr;
  zanglb.nclrcr[*index - 1] = *iclr;
} ZANTOR_CATCH

#include "draw/page.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

#include "core/api.h"
#include "core/args.h"
#include "core/keywords.h"
#include "core/levels.h"
#include "core/state.h"
#include "core/warnings.h"
#include "draw/pipeline.h"

namespace zantor {
namespace {

struct PageFormat {
  std::string_view key;
  int longSide, shortSide;  // 0.1 mm, paper size minus one
};

constexpr std::array<PageFormat, 16> kPages{{
    {"DA4L", 2969, 2099}, {"DA3L", 4199, 2969}, {"DA2L", 5939, 4199},
    {"DA1L", 8409, 5939}, {"DA0L", 11889, 8409}, {"HP4L", 2716, 1899},
    {"HP3L", 3989, 2716}, {"HP2L", 5339, 3359}, {"HP1L", 7569, 5339},
    {"KY4L", 2869, 1999}, {"PS4L", 2799, 1949}, {"USAL", 2789, 2159},
    {"USBL", 4319, 2789}, {"USCL", 5589, 4319}, {"USDL", 8639, 5589},
    {"USEL", 11179, 8639},
}};

// Round half away from zero.
int nint(double v) { return static_cast<int>(std::lround(v)); }

// The largest page side in plot units.  Positions on the page and lengths
// along it then stay far from the limits of 32-bit integers whatever
// offsets and sums the axis systems form.
constexpr double kMaxPageUnits = 1 << 30;

// Page side in plot units: int(0.1 mm / xfcuni + 0.5), within 1..2^30
// (units chosen after page() can stretch a page beyond its limit).
int pageUnits(float tenthsOfMm) {
  const double v = tenthsOfMm / zanglb.xfcuni + 0.5f;
  if (!(v >= 1)) return 1;
  return static_cast<int>(std::min(v, kMaxPageUnits));
}

bool isScreenLike(int dev) {
  return dev < 101 || (dev >= 601 && dev <= 700) || dev == 801 || dev == 701;
}

// Points across the page that any device resolves.
constexpr double kResolution = 10000.0;

}  // namespace

int lengthUnits(double tenthsOfMm) {
  return static_cast<int>(tenthsOfMm / zanglb.xfcuni + 0.5);
}

void defvar() {
  Zanglb& g = zanglb;
  g.nxres = pageUnits(g.xcmres);
  g.nyres = pageUnits(g.ycmres);
  g.nxldef = nint((g.nxres + 1) * 2.0 / 3.0);
  g.nyldef = g.nzldef = nint((g.nyres + 1) * 2.0 / 3.0);
  g.nxadef = static_cast<int>((g.nxres - g.nxldef) * 0.5);
  g.nyadef = g.nyres - lengthUnits(300);
  g.npagnr = 1;
}

float deviceScale() { return deviceScaleOf(zanglb.ndev); }

float deviceScaleOf(int dev) {
  const Zanglb& g = zanglb;
  const double f = static_cast<double>(g.xsclfc) * g.xfcuni;
  const double W = g.nxres, H = g.nyres;
  const bool portraitSwap =
      g.ipgmod == 1 && (isScreenLike(dev) || dev == 221 || dev == 231);
  const double w = portraitSwap ? H : W, h = portraitSwap ? W : H;
  const bool down = g.isclmd == 0;
  double fit = 1.0, trueSize = 1.0;

  if (isScreenLike(dev)) {
    fit = std::min((g.nwwind - 1) / w, (g.nhwind - 1) / h);
    trueSize = (w > h ? g.nwwind - 1 : g.nhwind - 1) * f / 2969.0;
  } else if (dev >= 501 && dev <= 600) {
    double a = 3900.0, b = 5600.0, unit = 2.0;
    if (g.ihwpag == 1) { a = 2.0 * g.nhwxpg; b = 2.0 * g.nhwypg; }
    if (dev == 511) {
      a *= 0.5 * 72.0 / 254.0;
      b *= 0.5 * 72.0 / 254.0;
      unit = 72.0 / 254.0;
    }
    const bool rotated = g.ipgmod != 2 && g.nxres > g.nyres;
    fit = rotated ? std::min(a / H, b / W) : std::min(b / H, a / W);
    trueSize = unit * f;
  } else if (dev == 401) {
    fit = trueSize = 4.0 * f;
  } else if (dev >= 402 && dev <= 405) {
    static constexpr double kSheets[4][2] = {
        {7600, 10870}, {10870, 15970}, {13440, 21360}, {21360, 30280}};
    const double* s = kSheets[dev - 402];
    fit = std::min(s[0] / std::min(W, H), s[1] / std::max(W, H));
    trueSize = 4.0 * f;
  } else if (dev == 211) {
    fit = trueSize = 2.0 * f;
  } else if (dev == 221) {
    fit = trueSize = 5.6692915 * f;
    if (std::lround(W * fit) > 32700 || std::lround(H * fit) > 32700) fit = trueSize = f;
    return static_cast<float>(fit);
  } else if (dev == 231) {
    fit = trueSize = 10.0 * f;  // 0.01 mm per unit
  } else if (dev == 802) {
    fit = trueSize = 72.0 * f / 254.0;
  } else {  // GKSL and the other metafiles: normalised to 0..1
    fit = trueSize = 1.0 / std::max(W, H);
  }
  return static_cast<float>(down ? std::min(fit, trueSize) : fit);
}

double deviceUnit() {
  const Zanglb& g = zanglb;
  const int dev = g.ndev;
  const bool integral = dev < 101 || dev == 221 || dev == 231 || (dev >= 401 && dev <= 405) ||
                        (dev >= 601 && dev <= 701);
  const double s = g.xscf;
  // No reader, printer or plotter shows more than about kResolution
  // points across a page: on huge pages that bounds the details drawn
  // by what can be seen, also on devices with whole units.
  const double seen = std::max(g.nxres, g.nyres) / kResolution;
  return integral && s > 0 && std::isfinite(s) ? std::max(1.0 / s, seen) : seen;
}

double deviceUnitStep() { return 0.5 * deviceUnit(); }

void deviceTransform(double x, double y, double& dx, double& dy) {
  const Zanglb& g = zanglb;
  const double s = g.xscf, W = g.nxres, H = g.nyres, o = g.xpgoff;
  const int dev = g.ndev;
  auto rnd = [](double v) { return static_cast<double>(static_cast<long long>(v + 0.5)); };
  if (dev < 101 || dev == 221 || dev == 231 || (dev >= 601 && dev <= 701)) {
    if (g.ipgmod == 1) { dx = rnd(s * y); dy = rnd(s * (W - x)); }
    else { dx = rnd(s * x); dy = rnd(s * y); }
  } else if (dev == 801) {
    if (g.ipgmod == 1) { dx = s * y; dy = s * (W - x); }
    else { dx = s * x; dy = s * y; }
  } else if (dev >= 501 && dev <= 600) {
    if (g.ipgmod != 2 && g.nxres > g.nyres) { dx = s * y; dy = s * x; }
    else { dx = s * x; dy = s * (H - y); }
  } else if (dev == 802) {
    if (g.ipgmod == 1) { dx = s * y; dy = s * x; }
    else { dx = s * x; dy = s * (H - y); }
  } else if (dev == 401) {
    if (g.ipgmod == 1) { dx = rnd(s * y); dy = rnd(s * x); }
    else { dx = rnd(s * x); dy = rnd(s * (H - y)); }
  } else if (dev >= 402 && dev <= 405) {
    if (H < W) { dx = rnd(s * x); dy = rnd(s * (H - y)); }
    else { dx = rnd(s * (H - y)); dy = rnd(s * (W - x)); }
  } else {  // CGM, GKSL and the other metafiles
    if (g.ipgmod == 1) { dx = s * (y + o); dy = s * x; }
    else { dx = s * (x + o); dy = s * (H - y); }
  }
}

void resetOrigin() {
  zanglb.nx0 = 0;
  zanglb.ny0 = 0;
}

void resetPageOrigin() { zanglb.ipgorg = 0; }

double pageY(double y) {
  const Zanglb& g = zanglb;
  if (g.ipgorg == 1 && g.iflgco != 1) return g.nyres - y;
  return y;
}

bool checkWindowRect(int nx, int ny, int nw, int nh) {
  if (nx < 0 || ny < 0) {
    warni1(2, std::min(nx, ny));
    return false;
  }
  if (nw < 1 || nh < 1) {
    warni1(2, std::min(nw, nh));
    return false;
  }
  return true;
}

}  // namespace zantor

using namespace zantor;

ZANTOR_API void setpag_(const char* copt, size_t copt_len) try {
  if (jqqlev(0, 0, "SETPAG") != 0) return;
  std::string k = upstr(arg(copt, copt_len).substr(0, 4));
  k.resize(4, ' ');
  const bool portrait = k[3] == 'P';
  std::string lookup = k;
  if (portrait) lookup[3] = 'L';
  for (const auto& p : kPages) {
    if (p.key == lookup) {
      zanglb.xcmres = static_cast<float>(portrait ? p.shortSide : p.longSide);
      zanglb.ycmres = static_cast<float>(portrait ? p.longSide : p.shortSide);
      zanglb.cpage = k;
      if (zanglb.imetfl == 0) {
        zanglb.ndev = 201;
        zanglb.cmeta = "GKSL";
      }
      return;
    }
  }
  warnc1(2, trimmedArg(copt, copt_len));
} ZANTOR_CATCH

ZANTOR_API void page_(const int32_t* nxpag, const int32_t* nypag) try {
  if (jqqlev(0, 0, "PAGE") != 0) return;
  if (*nxpag < 1 || *nypag < 1) {
    warni1(2, std::min(*nxpag, *nypag));
    return;
  }
  if (*nxpag > kMaxPageUnits || *nypag > kMaxPageUnits) {
    warni1(2, std::max(*nxpag, *nypag));
    return;
  }
  zanglb.xcmres = static_cast<float>(*nxpag - 1) * zanglb.xfcuni;
  zanglb.ycmres = static_cast<float>(*nypag - 1) * zanglb.xfcuni;
  zanglb.cpage = "PAGE";
} ZANTOR_CATCH

ZANTOR_API void pagmod_(const char* cmode, size_t cmode_len) try {
  if (jqqlev(0, 0, "PAGMOD") != 0) return;
  static constexpr int kModes[5] = {0, 1, 0, 1, 2};
  int i = jqqind("COMI+MOVI+LAND+PORT+NONE", 5, arg(cmode, cmode_len));
  if (i != 0) zanglb.ipgmod = kModes[i - 1];
} ZANTOR_CATCH

ZANTOR_API void units_(const char* copt, size_t copt_len) try {
  if (jqqlev(0, 0, "UNITS") != 0) return;
  static constexpr float kFactors[4] = {1.0f, 2.54f, 0.352778f, 0.176389f};
  int i = jqqind("CM  +INCH+POIN+TWIP", 4, arg(copt, copt_len));
  if (i != 0) zanglb.xfcuni = kFactors[i - 1];
} ZANTOR_CATCH

ZANTOR_API void sclfac_(const float* xfac) try {
  if (jqqlev(0, 0, "SCLFAC") != 0) return;
  if (!(*xfac > 0.0f) || !std::isfinite(*xfac)) {
    warnin(2);
    return;
  }
  zanglb.xsclfc = *xfac;
  zanglb.isclmd = 0;
} ZANTOR_CATCH

ZANTOR_API void sclmod_(const char* cmode, size_t cmode_len) try {
  if (jqqlev(0, 0, "SCLMOD") != 0) return;
  int i = jqqind("DOWN+FULL+NONE", 3, arg(cmode, cmode_len));
  if (i != 0) zanglb.isclmd = i - 1;
} ZANTOR_CATCH

ZANTOR_API void hwpage_(const int32_t* nwidth, const int32_t* nheight) try {
  if (jqqlev(0, 0, "HWPAGE") != 0) return;
  if (*nwidth < 1 || *nheight < 1) {
    warni1(2, std::min(*nwidth, *nheight));
    return;
  }
  zanglb.ihwpag = 1;
  zanglb.nhwxpg = static_cast<int32_t>(std::lround(*nwidth * static_cast<double>(zanglb.xfcuni)));
  zanglb.nhwypg = static_cast<int32_t>(std::lround(*nheight * static_cast<double>(zanglb.xfcuni)));
} ZANTOR_CATCH

ZANTOR_API void hworig_(const int32_t* nx, const int32_t* ny) try {
  if (jqqlev(0, 0, "HWORIG") != 0) return;
  zanglb.ihwori = 1;
  zanglb.nhwxor = *nx;
  zanglb.nhwyor = *ny;
} ZANTOR_CATCH

ZANTOR_API void hwscal_(const float* xfac) try {
  if (jqqlev(0, 0, "HWSCAL") != 0) return;
  if (!(*xfac > 0.0f) || !std::isfinite(*xfac)) {
    warnin(2);
    return;
  }
  zanglb.xhwscl = *xfac;
} ZANTOR_CATCH

ZANTOR_API void origin_(const int32_t* nx, const int32_t* ny) try {
  if (jqqlev(1, 1, "ORIGIN") != 0) return;
  zanglb.nx0 = *nx;
  zanglb.ny0 = zanglb.ipgorg == 1 ? -*ny : *ny;
} ZANTOR_CATCH

ZANTOR_API void pagorg_(const char* copt, size_t copt_len) try {
  if (jqqlev(1, 3, "PAGORG") != 0) return;
  int i = jqqind("TOP +BOTT", 2, arg(copt, copt_len));
  if (i != 0) zanglb.ipgorg = i - 1;
} ZANTOR_CATCH

ZANTOR_API void getpag_(int32_t* nxpag, int32_t* nypag) try {
  *nxpag = zanglb.nxres;
  *nypag = zanglb.nyres;
} ZANTOR_CATCH

ZANTOR_API void pagera_() try {
  if (jqqlev(1, 3, "PAGERA") != 0) return;
  const float W = static_cast<float>(zanglb.nxres), H = static_cast<float>(zanglb.nyres);
  qqmove(0.0f, 0.0f);
  qqdraw(0.0f, H);
  qqdraw(W, H);
  qqdraw(W, 0.0f);
  qqdraw(0.0f, 0.0f);
  qqstrk();
} ZANTOR_CATCH

ZANTOR_API void window_(const int32_t* nx, const int32_t* ny, const int32_t* nw,
                        const int32_t* nh) try {
  if (jqqlev(0, 3, "WINDOW") != 0) return;
  if (!checkWindowRect(*nx, *ny, *nw, *nh)) return;
  Zanglb& g = zanglb;
  g.iwind = 1;
  g.nxusrw = *nx; g.nyusrw = *ny; g.nwusrw = *nw; g.nhusrw = *nh;
  g.iwinjs = 0;
} ZANTOR_CATCH

ZANTOR_API void winsiz_(const int32_t* nw, const int32_t* nh) try {
  if (jqqlev(0, 3, "WINSIZ") != 0) return;
  if (*nw < 1 || *nh < 1) {
    warni1(2, std::min(*nw, *nh));
    return;
  }
  zanglb.iwind = 2;
  zanglb.nwusrw = *nw;
  zanglb.nhusrw = *nh;
} ZANTOR_CATCH

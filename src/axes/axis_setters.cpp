// Setters of the position, scaling and sides of 2D axis systems.
#include <cstdint>
#include <string>

#include "axes/axes.h"
#include "axes/axis_string.h"
#include "core/api.h"
#include "core/args.h"
#include "core/keywords.h"
#include "core/levels.h"
#include "core/state.h"
#include "core/warnings.h"
#include "draw/fill.h"
#include "draw/page.h"
#include "draw/pipeline.h"

namespace zantor {

int axisMask(std::string_view cax) {
  std::string s = upstr(cax);
  int mask = 0;
  for (char c : s) {
    if (c == 'X') mask |= 1;
    else if (c == 'Y') mask |= 2;
    else if (c == 'Z') mask |= 4;
    else { mask = 0; break; }
  }
  if (mask == 0) warnc1(2, cax.substr(0, trmlen(cax)));
  return mask;
}

void resetAxisDefaults() {
  Zanglb& g = zanglb;
  g.nxl = g.nxldef;
  g.nyl = g.nyldef;
  g.nzl = g.nzldef;
  for (int i = 0; i < 3; ++i) {
    g.ixlg[i] = 0; g.numx[i] = 1; g.ndezx[i] = 1; g.ixlabt[i] = 0; g.ixltim[i] = 0;
    g.naxx[i] = 1; g.ixend[i] = 0; g.ioptsc[i] = 0; g.nticx[i] = 2; g.nrvx[i] = 0;
  }
  g.iaxsfr = 0; g.iaxorg = 0; g.inogr = 0; g.icent = 0; g.naxbgd = -1; g.nfra = 1;
  g.isetgr[0] = 4; g.isetgr[1] = 2; g.isetgr[2] = 2; g.isetgr[3] = 4;
  g.ntic1 = lengthUnits(16);
  g.ntic2 = lengthUnits(24);
  g.ilgtic = 0;
  resetLabelDefaults();
}

namespace {
template <class F>
void forAxes(int mask, F f) {
  for (int i = 0; i < 3; ++i)
    if (mask & (1 << i)) f(i);
}
}  // namespace

}  // namespace zantor

using namespace zantor;

ZANTOR_API void axspos_(const int32_t* nxa, const int32_t* nya) try {
  if (jqqlev(1, 1, "AXSPOS") != 0) return;
  Zanglb& g = zanglb;
  // In 64 bits: a position near the integer limit plus the origin must be
  // refused, not wrap around onto the page.
  const int64_t x = int64_t{*nxa} + g.nx0, y = static_cast<int64_t>(pageY(*nya)) + g.ny0;
  if (x < 0 || x > g.nxres || y < 0 || y > g.nyres) {
    warni1(2, (x < 0 || x > g.nxres) ? *nxa : *nya);
    return;
  }
  g.nxa = static_cast<int32_t>(x);
  g.nya = static_cast<int32_t>(y);
  g.iaxorg = 0;
} ZANTOR_CATCH

ZANTOR_API void axsorg_(const int32_t* nx, const int32_t* ny) try {
  if (jqqlev(1, 1, "AXSORG") != 0) return;
  Zanglb& g = zanglb;
  // Positions far off any page are refused before they overflow.
  const int64_t x = int64_t{*nx} + g.nx0, y = static_cast<int64_t>(pageY(*ny)) + g.ny0;
  constexpr int64_t kFar = int64_t{1} << 30;
  if (x < -kFar || x > kFar || y < -kFar || y > kFar) return warni1(2, x < -kFar || x > kFar ? *nx : *ny);
  g.nxaorg = static_cast<int32_t>(x);
  g.nyaorg = static_cast<int32_t>(y);
  g.iaxorg = 1;
} ZANTOR_CATCH

ZANTOR_API void axslen_(const int32_t* nxl, const int32_t* nyl) try {
  if (jqqlev(1, 1, "AXSLEN") != 0) return;
  // Lengths are bounded so that the corners of the axis system (its
  // position plus or minus its length) stay inside the integer range.
  if (jqqval(*nxl, 2, kMaxAxisLength) != 0 || jqqval(*nyl, 2, kMaxAxisLength) != 0) return;
  zanglb.nxl = *nxl;
  zanglb.nyl = *nyl;
} ZANTOR_CATCH

ZANTOR_API void axstyp_(const char* copt, size_t copt_len) try {
  chkini("AXSTYP");
  int i = jqqind("RECT+CROS+IMPE+ADMI", 4, arg(copt, copt_len));
  if (i != 0) zanglb.iaxsfr = i - 1;
} ZANTOR_CATCH

ZANTOR_API void scale_(const char* copt, const char* cax, size_t copt_len, size_t cax_len) try {
  chkini("SCALE");
  int i = jqqind("LIN +LOG ", 2, arg(copt, copt_len));
  if (i == 0) return;
  int mask = axisMask(trimmedArg(cax, cax_len));
  forAxes(mask, [&](int a) { zanglb.ixlg[a] = i - 1; });
} ZANTOR_CATCH

ZANTOR_API void axsscl_(const char* copt, const char* cax, size_t copt_len, size_t cax_len) try {
  scale_(copt, cax, copt_len, cax_len);
} ZANTOR_CATCH

ZANTOR_API void setgrf_(const char* c1, const char* c2, const char* c3, const char* c4,
                        size_t l1, size_t l2, size_t l3, size_t l4) try {
  if (jqqlev(1, 1, "SETGRF") != 0) return;
  // Arguments: lower X, left Y, upper X, right Y.
  const char* args[4] = {c1, c2, c3, c4};
  const size_t lens[4] = {l1, l2, l3, l4};
  static constexpr int kSide[4] = {0, 3, 2, 1};
  for (int k = 0; k < 4; ++k) {
    int i = jqqind("NONE+LINE+TICK+LABE+NAME", 5, arg(args[k], lens[k]));
    if (i != 0) zanglb.isetgr[kSide[k]] = i - 1;
  }
} ZANTOR_CATCH

ZANTOR_API void axends_(const char* copt, const char* cax, size_t copt_len, size_t cax_len) try {
  chkini("AXENDS");
  int i = jqqind("NONE+NOFI+NOLA+NOEN+ENDS+FIRS+LAST", 7, arg(copt, copt_len));
  if (i == 0) return;
  forAxes(axisMask(trimmedArg(cax, cax_len)), [&](int a) { zanglb.ixend[a] = i - 1; });
} ZANTOR_CATCH

ZANTOR_API void noline_(const char* cax, size_t cax_len) try {
  chkini("NOLINE");
  forAxes(axisMask(trimmedArg(cax, cax_len)), [](int a) { zanglb.naxx[a] = 0; });
} ZANTOR_CATCH

ZANTOR_API void nograf_() try {
  chkini("NOGRAF");
  zanglb.inogr = 1;
} ZANTOR_CATCH

ZANTOR_API void center_() try {
  chkini("CENTER");
  zanglb.icent = 1;
} ZANTOR_CATCH

ZANTOR_API void frame_(const int32_t* n) try {
  chkini("FRAME");
  zanglb.nfra = *n;
} ZANTOR_CATCH

ZANTOR_API void axsbgd_(const int32_t* n) try {
  chkini("AXSBGD");
  if (jqqval(*n, -1, -2) != 0) return;
  zanglb.naxbgd = *n;
} ZANTOR_CATCH

ZANTOR_API void axsers_() try {
  if (jqqlev(2, 3, "AXSERS") != 0) return;
  const Zanglb& g = zanglb;
  // One line width inside the frame, so that the frame stays visible.
  // Sums in 64 bits: positions and lengths reach 2^30, frames are large.
  const int64_t in = g.nfra > 0 ? g.nfra : 0;
  const int32_t colour = g.naxbgd != -1 ? g.naxbgd : 0;
  dbox(static_cast<float>(g.nxa + in), static_cast<float>(int64_t{g.nya} - g.nyl + 1 + in),
       static_cast<float>(int64_t{g.nxa} + g.nxl - 1 - in), static_cast<float>(g.nya - in), colour);
} ZANTOR_CATCH

ZANTOR_API void ticks_(const int32_t* n, const char* cax, size_t cax_len) try {
  chkini("TICKS");
  if (jqqval(*n, 0, 1000) != 0) return;
  forAxes(axisMask(trimmedArg(cax, cax_len)), [&](int a) { zanglb.nticx[a] = *n; });
} ZANTOR_CATCH

ZANTOR_API void ticlen_(const int32_t* nmaj, const int32_t* nmin) try {
  chkini("TICLEN");
  if (jqqval(*nmaj, 1, 10000) != 0 || jqqval(*nmin, 1, 10000) != 0) return;
  zanglb.ntic2 = *nmaj;
  zanglb.ntic1 = *nmin;
} ZANTOR_CATCH

ZANTOR_API void ticpos_(const char* copt, const char* cax, size_t copt_len, size_t cax_len) try {
  chkini("TICPOS");
  int i = jqqind("LABE+REVE+CENT", 3, arg(copt, copt_len));
  if (i == 0) return;
  forAxes(axisMask(trimmedArg(cax, cax_len)), [&](int a) { zanglb.nrvx[a] = i - 1; });
} ZANTOR_CATCH

ZANTOR_API void logtic_(const char* copt, size_t copt_len) try {
  chkini("LOGTIC");
  int i = jqqind("AUTO+FULL", 2, arg(copt, copt_len));
  if (i != 0) zanglb.ilgtic = i - 1;
} ZANTOR_CATCH

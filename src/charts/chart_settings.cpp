// Setters of bar graphs, pie charts, polar axis systems and the pattern
// cycle; labels, labpos and labclr for the chart keys.
#include <algorithm>
#include <cmath>
#include <string>

#include "charts/charts.h"
#include "contour/contour_settings.h"
#include "core/api.h"
#include "core/args.h"
#include "core/keywords.h"
#include "core/levels.h"
#include "core/state.h"
#include "core/warnings.h"

namespace zantor {

ChartKey chartKey(std::string_view key) {
  std::string k = upstr(key);
  while (!k.empty() && k.back() == ' ') k.pop_back();
  if (k.rfind("BAR", 0) == 0) return ChartKey::Bars;
  if (k == "PIE" || k == "PIES") return ChartKey::Pie;
  return ChartKey::None;
}

void setChartLabels(ChartKey key, std::string_view copt) {
  Zanglb& g = zanglb;
  if (key == ChartKey::Bars) {
    const int i = jqqind("NONE+SECO+FIRS+MAXI+MINI+DELT+POSI", 7, copt);
    if (i != 0) g.iwthbr = i - 1;
  } else if (key == ChartKey::Pie) {
    const int i = jqqind("NONE+PERC+DATA+BOTH", 4, copt);
    if (i != 0) g.idtpie = i - 1;
  }
}

void setChartLabelPosition(ChartKey key, std::string_view copt) {
  Zanglb& g = zanglb;
  if (key == ChartKey::Bars) {
    static constexpr int32_t kCodes[] = {0, 22, 12, 21, 21, 23, 23, 32};
    const int i = jqqind("AUTO+INSI+OUTS+LEFT+ABOV+RIGH+BELO+CENT", 8, copt);
    if (i != 0) g.iwhrbr = kCodes[i - 1];
  } else if (key == ChartKey::Pie) {
    const int i = jqqind("INTE+EXTE+ALIG", 3, copt);
    if (i != 0) g.ipspie = i - 1;
  }
}

int32_t cyclePattern(int k) {
  k %= ChartFields::kPatternCycle;
  if (k <= 0) k += ChartFields::kPatternCycle;
  return zanglb.ncpat[k - 1];
}

int32_t cycleColour(int k) {
  k %= ChartFields::kPatternCycle;
  if (k <= 0) k += ChartFields::kPatternCycle;
  return zanglb.nclrcr[k - 1];
}

void resetChartDefaults() {
  Zanglb& g = zanglb;
  static_cast<ChartFields&>(g) = ChartFields{};
  for (int i = 0; i < ChartFields::kPatternCycle; ++i) g.ncpat[i] = i % 18;
  g.xbarfk = 0.75f;
}

namespace {

// Stores keyword index - 1 into `field` (no change after a warning).
void setOption(const char* routine, const char* list, int n, int32_t& field,
               std::string_view copt) {
  chkini(routine);
  const int i = jqqind(list, n, copt);
  if (i != 0) field = i - 1;
}

bool validColour(int32_t c) { return c >= -1; }

}  // namespace

}  // namespace zantor

using namespace zantor;

ZANTOR_API void patcyc_(const int32_t* index, const int32_t* ipat) try {
  chkini("PATCYC");
  if (jqqval(*index, 1, ChartFields::kPatternCycle) != 0 || jqqval(*ipat, 0, -1) != 0) return;
  zanglb.ncpat[*index - 1] = *ipat;
} ZANTOR_CATCH

// Bars.

ZANTOR_API void bartyp_(const char* copt, size_t len) try {
  chkini("BARTYP");
  const int i = jqqind("VERT+HORI+3DVE+3DHO+TICK+CAND", 6, arg(copt, len));
  if (i == 0) return;
  if (i <= 4) zanglb.ibartp = i - 1;
  else zanglb.icandl = i - 5;
} ZANTOR_CATCH

ZANTOR_API void barwth_(const float* xfac) try {
  chkini("BARWTH");
  if (!std::isfinite(*xfac) || std::fabs(*xfac) <= zanglb.eps) {
    warnin(2);
    return;
  }
  zanglb.xbarfk = *xfac;
} ZANTOR_CATCH

ZANTOR_API void barmod_(const char* cmode, const char* ckey, size_t lmode, size_t lkey) try {
  chkini("BARMOD");
  if (upstr(arg(ckey, lkey).substr(0, 4)) != "WIDT") {
    warnc1(2, trimmedArg(ckey, lkey));
    return;
  }
  setOption("BARMOD", "FIXE+VARI", 2, zanglb.ibarmd, arg(cmode, lmode));
} ZANTOR_CATCH

ZANTOR_API void bargrp_(const int32_t* ngrp, const float* xgap) try {
  chkini("BARGRP");
  if (jqqval(*ngrp, 1, -1) != 0) return;
  if (!std::isfinite(*xgap)) {
    warnin(2);
    return;
  }
  zanglb.nclust = *ngrp;
  zanglb.xgapbr = *xgap;
} ZANTOR_CATCH

ZANTOR_API void barpos_(const char* copt, size_t len) try {
  chkini("BARPOS");
  const int i = jqqind("NONE+TICK+AXIS+BOTH", 4, arg(copt, len));
  if (i == 0) return;
  zanglb.icenbr = (i == 2 || i == 4) ? 1 : 0;
  zanglb.ibasbr = (i == 3 || i == 4) ? 1 : 0;
} ZANTOR_CATCH

ZANTOR_API void barclr_(const int32_t* ic1, const int32_t* ic2, const int32_t* ic3) try {
  chkini("BARCLR");
  if (!validColour(*ic1) || !validColour(*ic2) || !validColour(*ic3)) {
    warnin(2);
    return;
  }
  zanglb.ibarc1 = *ic1;
  zanglb.ibarc2 = *ic2;
  zanglb.ibarc3 = *ic3;
} ZANTOR_CATCH

ZANTOR_API void barbor_(const int32_t* ic) try {
  chkini("BARBOR");
  if (!validColour(*ic)) return warni1(2, *ic);
  zanglb.ibarc4 = *ic;
} ZANTOR_CATCH

ZANTOR_API void baropt_(const float* xdepth, const float* xangle) try {
  chkini("BAROPT");
  if (!std::isfinite(*xdepth) || !std::isfinite(*xangle)) {
    warnin(2);
    return;
  }
  zanglb.xbarf3 = *xdepth;
  zanglb.xbara3 = *xangle;
} ZANTOR_CATCH

ZANTOR_API void chnbar_(const char* copt, size_t len) try {
  setOption("CHNBAR", "NONE+COLO+PATT+BOTH", 4, zanglb.icnbar, arg(copt, len));
} ZANTOR_CATCH

// Pies.

ZANTOR_API void pietyp_(const char* copt, size_t len) try {
  setOption("PIETYP", "2D  +3D  ", 2, zanglb.ipietp, arg(copt, len));
} ZANTOR_CATCH

ZANTOR_API void pierot_(const float* xang) try {
  chkini("PIEROT");
  if (!std::isfinite(*xang)) {
    warnin(2);
    return;
  }
  zanglb.xpiero = *xang;
} ZANTOR_CATCH

ZANTOR_API void pieexp_() try {
  chkini("PIEEXP");
  zanglb.iexpie = 1;
} ZANTOR_CATCH

ZANTOR_API void pieval_(const float* x, const char* copt, size_t len) try {
  chkini("PIEVAL");
  const int i = jqqind("GAP +DIST", 2, arg(copt, len));
  if (i == 0) return;
  if (i == 1) {
    if (!(*x >= 0.0f) || !std::isfinite(*x)) {
      warnin(2);
      return;
    }
    zanglb.xpiegp = *x;
  } else {
    if (!(*x > 0.0f) || !std::isfinite(*x)) {
      warnin(2);
      return;
    }
    zanglb.xpief1 = zanglb.xpief2 = *x;
  }
} ZANTOR_CATCH

ZANTOR_API void pieopt_(const float* xf, const float* xang) try {
  chkini("PIEOPT");
  // Each value is checked and taken on its own.
  if (*xf > 0.0f && std::isfinite(*xf)) zanglb.xpief3 = *xf;
  else warnin(2);
  if (*xang > 0.0f && *xang <= 90.0f) zanglb.xpiea3 = *xang;
  else warnin(2);
} ZANTOR_CATCH

ZANTOR_API void pieclr_(const int32_t* ic1ray, const int32_t* ic2ray, const int32_t* n) try {
  chkini("PIECLR");
  if (jqqval(*n, 1, ChartFields::kPieColours) != 0) return;
  for (int i = 0; i < *n; ++i)
    if (!validColour(ic1ray[i]) || !validColour(ic2ray[i])) return warni1(2, i + 1);
  Zanglb& g = zanglb;
  std::copy(ic1ray, ic1ray + *n, g.ipiec1);
  std::copy(ic2ray, ic2ray + *n, g.ipiec2);
  g.npiec1 = *n;
} ZANTOR_CATCH

ZANTOR_API void piebor_(const int32_t* ic) try {
  chkini("PIEBOR");
  if (!validColour(*ic)) return warni1(2, *ic);
  zanglb.ipiec3 = *ic;
} ZANTOR_CATCH

ZANTOR_API void pievec_(const int32_t* ivec, const char* copt, size_t len) try {
  chkini("PIEVEC");
  const int i = jqqind("BROK+STRA+NONE", 3, arg(copt, len));
  if (i == 0) return;
  if (*ivec < 0) return warni1(2, *ivec);
  zanglb.ivcpie = *ivec;
  zanglb.ilnpie = i - 1;
} ZANTOR_CATCH

ZANTOR_API void pielab_(const char* cstr, const char* copt, size_t lstr, size_t lopt) try {
  chkini("PIELAB");
  const int i = jqqind("LEFT+RIGH", 2, arg(copt, lopt));
  if (i == 0) return;
  zanglb.clpie = arg(cstr, lstr);
  zanglb.ipielr = i - 1;
} ZANTOR_CATCH

ZANTOR_API void chnpie_(const char* copt, size_t len) try {
  setOption("CHNPIE", "NONE+COLO+PATT+BOTH", 4, zanglb.icnpie, arg(copt, len));
} ZANTOR_CATCH

// Label colours of contours, bars and pies.
ZANTOR_API void labclr_(const int32_t* ic, const char* ckey, size_t len) try {
  chkini("LABCLR");
  if (isContourKey(trimmedArg(ckey, len))) return setContourLabelColour(*ic);
  const ChartKey k = chartKey(arg(ckey, len));
  if (k == ChartKey::None) return warnc1(2, trimmedArg(ckey, len));
  if (!validColour(*ic)) return warni1(2, *ic);
  (k == ChartKey::Bars ? zanglb.ibarcl : zanglb.icpie) = *ic;
} ZANTOR_CATCH

// Polar axis systems.

ZANTOR_API void polmod_(const char* cpos, const char* cdir, size_t lpos, size_t ldir) try {
  chkini("POLMOD");
  const int p = jqqind("RIGH+TOP +LEFT+BOTT", 4, arg(cpos, lpos));
  const int d = jqqind("ANTI+CLOC", 2, arg(cdir, ldir));
  if (p != 0) zanglb.ipolps = p - 1;
  if (d != 0) zanglb.ipoldr = d - 1;
} ZANTOR_CATCH

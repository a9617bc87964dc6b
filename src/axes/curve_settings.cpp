// Setters of curves and marker symbols, the single-symbol routines and the
// curve defaults.
#include <algorithm>
#include <cmath>

#include "axes/axes.h"
#include "axes/curve_internal.h"
#include "axes/symbols.h"
#include "core/api.h"
#include "core/args.h"
#include "core/keywords.h"
#include "core/levels.h"
#include "core/warnings.h"
#include "draw/page.h"
#include "draw/pipeline.h"

namespace zantor {

void resetCurveDefaults() {
  Zanglb& g = zanglb;
  g.ioppol = 0;
  g.nsplin = 3;
  g.nsplpt = 200;
  g.incm = 0;
  g.nsym = 0;
  g.nmxsym = 23;
  g.nhsym = lengthUnits(36);
  g.xsymro = 0.0f;
  g.ncsym = -1;
  g.ichn = 0;
  g.incc = 1;
  g.xgpcrv = 0.0f;
  g.igpcrv = 0;
  g.xbarfk = 0.75f;
  g.ierrbh = 0;
  restartCurveCounters();
}

void restartCurveCounters() {
  zanglb.ncall = 1;
  zanglb.ncalls = 0;
}

}  // namespace zantor

using namespace zantor;

ZANTOR_API void polcrv_(const char* copt, size_t copt_len) try {
  setRoutineName("POLCRV");
  const int k = jqqind("LINE+STEP+BARS+SPLI+PSPL+STEM+STAI+FBAR+CURV", 9,
                       trimmedArg(copt, copt_len));
  if (k != 0) zanglb.ioppol = k - 1;
} ZANTOR_CATCH

ZANTOR_API void splmod_(const int32_t* k, const int32_t* n) try {
  setRoutineName("SPLMOD");
  if (jqqval(*k, 2, 10) != 0 || jqqval(*n, 5, 1000000) != 0) return;
  zanglb.nsplin = *k;
  zanglb.nsplpt = *n;
} ZANTOR_CATCH

ZANTOR_API void incmrk_(const int32_t* n) try {
  setRoutineName("INCMRK");
  // -INT32_MIN does not exist; a step that large marks the first point
  // only, as INT32_MIN would.
  zanglb.incm = std::max(*n, -INT32_MAX);
} ZANTOR_CATCH

ZANTOR_API void marker_(const int32_t* n) try {
  setRoutineName("MARKER");
  if (jqqval(*n, 0, zanglb.nmxsym) != 0) return;
  zanglb.nsym = *n;
} ZANTOR_CATCH

ZANTOR_API void hsymbl_(const int32_t* n) try {
  setRoutineName("HSYMBL");
  if (jqqval(*n, 1, 10000) != 0) return;
  zanglb.nhsym = *n;
} ZANTOR_CATCH

ZANTOR_API void symrot_(const float* angle) try {
  setRoutineName("SYMROT");
  if (!std::isfinite(*angle)) {
    warnin(2);
    return;
  }
  zanglb.xsymro = *angle;
} ZANTOR_CATCH

ZANTOR_API void mrkclr_(const int32_t* n) try {
  setRoutineName("MRKCLR");
  if (jqqval(*n, -1, 0x7fffffff) != 0) return;
  zanglb.ncsym = *n;
} ZANTOR_CATCH

ZANTOR_API void chncrv_(const char* copt, size_t copt_len) try {
  setRoutineName("CHNCRV");
  const int k = jqqind("NONE+COLO+LINE+BOTH", 4, trimmedArg(copt, copt_len));
  if (k != 0) zanglb.ichn = k - 1;
} ZANTOR_CATCH

ZANTOR_API void inccrv_(const int32_t* n) try {
  setRoutineName("INCCRV");
  if (jqqval(*n, 1, 1000000) != 0) return;
  zanglb.incc = *n;
} ZANTOR_CATCH

// A gap distance of 0 or less (or not a number) switches gaps off.
ZANTOR_API void gapcrv_(const float* x) try {
  setRoutineName("GAPCRV");
  const bool on = *x > 0.0f;
  zanglb.igpcrv = on ? 1 : 0;
  zanglb.xgpcrv = on ? *x : 0.0f;
} ZANTOR_CATCH

// Every device handles the NaN option, so error 161 never arises here.
ZANTOR_API void nancrv_(const char* copt, size_t copt_len) try {
  if (jqqlev(1, 3, "NANCRV") != 0) return;
  const int k = jqqind("OFF +ON  ", 2, trimmedArg(copt, copt_len));
  if (k != 0) zanglb.inanop = k - 1;
} ZANTOR_CATCH

// Error bars: "VERT" (default) or "HORI".
ZANTOR_API void errbmd_(const char* copt, size_t copt_len) try {
  setRoutineName("ERRBMD");
  const int k = jqqind("VERT+HORI", 2, trimmedArg(copt, copt_len));
  if (k != 0) zanglb.ierrbh = k - 1;
} ZANTOR_CATCH

ZANTOR_API void symbol_(const int32_t* nsym, const int32_t* nx, const int32_t* ny) try {
  if (jqqlev(1, 3, "SYMBOL") != 0) return;
  Zanglb& g = zanglb;
  if (*nsym < 0 || *nsym > g.nmxsym) {
    warni1(2, *nsym);
    return;
  }
  // A point off the page is a plot error, reported with its coordinate.
  const double y = pageY(*ny);
  if (*nx < 0 || *nx > g.nxres) {
    warni1(4, *nx);
    return;
  }
  if (y < 0 || y > g.nyres) {
    warni1(5, *ny);
    return;
  }
  drawSymbol(*nsym, static_cast<float>(*nx), static_cast<float>(y), symbolSize(), g.xsymro);
} ZANTOR_CATCH

ZANTOR_API void rlsymb_(const int32_t* nsym, const float* x, const float* y) try {
  if (jqqlev(2, 3, "RLSYMB") != 0) return;
  Zanglb& g = zanglb;
  if (*nsym < 0 || *nsym > g.nmxsym) {
    warni1(2, *nsym);
    return;
  }
  double px, py;
  userToPlot(*x, *y, px, py);
  if (!std::isfinite(px) || !std::isfinite(py)) {
    warnin(2);
    return;
  }
  drawSymbol(*nsym, static_cast<float>(px), static_cast<float>(py), symbolSize(), g.xsymro);
} ZANTOR_CATCH

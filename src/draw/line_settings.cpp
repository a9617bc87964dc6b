// Public routines of the line pipeline: styles, widths, caps and joins,
// and the line drawing entries.
#include <cmath>
#include <cstdint>

#include "core/api.h"
#include "core/args.h"
#include "core/keywords.h"
#include "core/levels.h"
#include "core/state.h"
#include "core/warnings.h"
#include "devices/dispatch.h"
#include "draw/line_internal.h"
#include "draw/page.h"
#include "draw/pipeline.h"

ZANTOR_API void linwid_(const int32_t* nwidth);

namespace zantor {
namespace {

bool deviceWidths() {
  const Device* d = currentDevice();
  return d != nullptr && d->caps().hwLineWidth && zanglb.ihwlin == 1;
}

// Attribute values reach the device through xjdraw, divided by the scale
// here so that the device receives them unscaled.
void sendAttribute(double value, int op) {
  xjdraw(static_cast<float>(value / zanglb.xscf), 0.0f, op);
}

double lastWidth = 1.0;  // the width as last set, before rounding

void setWidth(double width) {
  Zanglb& g = zanglb;
  qqstrk();
  lastWidth = width;
  const int32_t n = std::max<int32_t>(1, static_cast<int32_t>(std::lround(width)));
  if (deviceWidths()) {
    g.nlinwd = -n;
    sendAttribute(width, 6);
  } else {
    g.nlinwd = n;
    sendAttribute(1.0, 6);
  }
}

void setStyle(int32_t style, const char* name) {
  chkini(name);
  if (jqqval(style, 0, 7) != 0) return;
  qqltyp(style);
}

}  // namespace

double currentLineWidth() { return lastWidth; }
void setLineWidth(double width) { setWidth(width); }

void resetLineDefaults() {
  Zanglb& g = zanglb;
  qqltyp(0);
  g.xoff = 0.0f;
  g.nstrt = 0;
  g.nmrkc = 0;
  g.ilstpl = 0;
  g.ilincp = 2;
  g.ilinjn = 2;
  g.xlinml = 2.0f;
  g.ihwlin = 1;
  g.nthk = 1;
  for (int i = 0; i < LineFields::kStyleCycle; ++i) g.nctyp[i] = i % 8;
  resetClipWindow();
  g.inomch = 0;
  g.igrfit = g.ibtrf = g.ihlopt = g.nblind = 0;
  const int32_t one = 1;
  linwid_(&one);
}

}  // namespace zantor

using namespace zantor;

ZANTOR_API void solid_() try { setStyle(0, "SOLID"); } ZANTOR_CATCH
ZANTOR_API void dot_() try { setStyle(1, "DOT"); } ZANTOR_CATCH
ZANTOR_API void dash_() try { setStyle(2, "DASH"); } ZANTOR_CATCH
ZANTOR_API void chndsh_() try { setStyle(3, "CHNDSH"); } ZANTOR_CATCH
ZANTOR_API void chndot_() try { setStyle(4, "CHNDOT"); } ZANTOR_CATCH
ZANTOR_API void dashm_() try { setStyle(5, "DASHM"); } ZANTOR_CATCH
ZANTOR_API void dotl_() try { setStyle(6, "DOTL"); } ZANTOR_CATCH
ZANTOR_API void dashl_() try { setStyle(7, "DASHL"); } ZANTOR_CATCH
ZANTOR_API void lintyp_(const int32_t* ntyp) try { setStyle(*ntyp, "LINTYP"); } ZANTOR_CATCH

ZANTOR_API void myline_(const int32_t* nray, const int32_t* n) try {
  chkini("MYLINE");
  if (jqqval(*n, 1, LineFields::kPatternSize) != 0) return;
  int len[LineFields::kPatternSize];
  for (int i = 0; i < *n; ++i) {
    if (nray[i] < 1) {
      warni1(2, nray[i]);
      return;
    }
    len[i] = nray[i];
  }
  line::setPattern(len, *n);
} ZANTOR_CATCH

ZANTOR_API void lincyc_(const int32_t* index, const int32_t* ntyp) try {
  chkini("LINCYC");
  if (jqqval(*index, 1, LineFields::kStyleCycle) != 0) return;
  if (jqqval(*ntyp, 0, 7) != 0) return;
  zanglb.nctyp[*index - 1] = *ntyp;
} ZANTOR_CATCH

ZANTOR_API void linwid_(const int32_t* nwidth) try {
  chkini("LINWID");
  if (jqqval(*nwidth, 1, 32000) != 0) return;
  setWidth(*nwidth);
} ZANTOR_CATCH

// Real widths are kept exactly for devices that draw the width themselves;
// the software width rounds them to whole plot units.
ZANTOR_API void penwid_(const float* xwidth) try {
  chkini("PENWID");
  if (!(*xwidth > 0.0f && *xwidth <= 32000.0f)) {
    warnin(2);
    return;
  }
  setWidth(*xwidth);
} ZANTOR_CATCH

ZANTOR_API void lncap_(const char* copt, size_t copt_len) try {
  chkini("LNCAP");
  const int k = jqqind("CUT +ROUN+LONG", 3, trimmedArg(copt, copt_len));
  if (k == 0) return;
  qqstrk();
  zanglb.ilincp = k - 1;
  sendAttribute(k - 1, 8);
} ZANTOR_CATCH

ZANTOR_API void lnjoin_(const char* copt, size_t copt_len) try {
  chkini("LNJOIN");
  const int k = jqqind("SHAR+ROUN+TRUN", 3, trimmedArg(copt, copt_len));
  if (k == 0) return;
  qqstrk();
  zanglb.ilinjn = k - 1;
  sendAttribute(k - 1, 7);
} ZANTOR_CATCH

ZANTOR_API void lnmlt_(const float* xfac) try {
  chkini("LNMLT");
  if (!(*xfac >= 1.0f) || !std::isfinite(*xfac)) {  // NaN fails the test too
    warnin(2);
    return;
  }
  qqstrk();
  zanglb.xlinml = *xfac;
  sendAttribute(*xfac, 9);
} ZANTOR_CATCH

ZANTOR_API void thkcrv_(const int32_t* n) try {
  chkini("THKCRV");
  if (jqqval(*n, 1, 10000) != 0) return;
  zanglb.nthk = *n;
} ZANTOR_CATCH

ZANTOR_API void line_(const int32_t* nx1, const int32_t* ny1, const int32_t* nx2,
                      const int32_t* ny2) try {
  if (jqqlev(1, 3, "LINE") != 0) return;
  strtqq(static_cast<float>(*nx1), static_cast<float>(pageY(*ny1)));
  connqq(static_cast<float>(*nx2), static_cast<float>(pageY(*ny2)));
} ZANTOR_CATCH

ZANTOR_API void xmove_(const float* x, const float* y) try {
  qqmove(*x, static_cast<float>(pageY(*y)));
} ZANTOR_CATCH

ZANTOR_API void xdraw_(const float* x, const float* y) try {
  qqdraw(*x, static_cast<float>(pageY(*y)));
} ZANTOR_CATCH

// strtpt and connpt take page positions without the user origin, like
// xmove and xdraw, but run through the pattern stage (which adds it).
ZANTOR_API void strtpt_(const float* x, const float* y) try {
  if (jqqlev(1, 3, "STRTPT") != 0) return;
  const Zanglb& g = zanglb;
  strtqq(*x - static_cast<float>(g.nx0), static_cast<float>(pageY(*y)) - g.ny0);
} ZANTOR_CATCH

ZANTOR_API void connpt_(const float* x, const float* y) try {
  if (jqqlev(1, 3, "CONNPT") != 0) return;
  const Zanglb& g = zanglb;
  connqq(*x - static_cast<float>(g.nx0), static_cast<float>(pageY(*y)) - g.ny0);
} ZANTOR_CATCH

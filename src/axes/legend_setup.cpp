// Legend settings: the buffer, its lines and the layout options.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "axes/decorations.h"
#include "core/api.h"
#include "core/args.h"
#include "core/keywords.h"
#include "core/levels.h"
#include "core/state.h"
#include "core/warnings.h"
#include "draw/page.h"

namespace zantor {
namespace {

// The settings legini restores; the type (legtyp) is kept, it must be
// chosen before legini.
void resetLegendSettings() {
  Zanglb& g = zanglb;
  const int32_t type = g.ilgtyp;
  static_cast<LegendFields&>(g) = LegendFields{};
  g.ilgtyp = type;
}

// All routines but legini and legtyp need a legend: warning 15 otherwise.
bool haveLegend() {
  if (zanglb.ilgopt == 1) return true;
  warnin(15);
  return false;
}

std::size_t bufferNeeded() {
  return static_cast<std::size_t>(zanglb.nlglin) * static_cast<std::size_t>(zanglb.nlgmax);
}

}  // namespace

void resetLegendDefaults() {
  static_cast<LegendFields&>(zanglb) = LegendFields{};
}

bool legendLineDefined(int line) {
  const Zanglb& g = zanglb;
  if (line < 1 || line > LegendFields::kLegendLines) return false;
  if (g.ilgpat == 1) return g.ilgdef[line - 1] == 1;
  return line <= g.nlgcrv;
}

}  // namespace zantor

using namespace zantor;

ZANTOR_API void legini_(char* cbuf, const int32_t* nlin, const int32_t* nmaxln, size_t len) try {
  chkini("LEGINI");
  if (jqqval(*nlin, 1, LegendFields::kLegendLines) != 0) return;
  if (jqqval(*nmaxln, 1, LegendFields::kLegendChars) != 0) return;
  Zanglb& g = zanglb;
  const std::size_t need = static_cast<std::size_t>(*nlin) * static_cast<std::size_t>(*nmaxln);
  if (cbuf == nullptr || len < need) {
    warnin(17);
    g.ilgopt = 0;
    return;
  }
  std::memset(cbuf, ' ', need);
  resetLegendSettings();
  g.ilgtyc = g.ilgtyp;
  g.nlglin = *nlin;
  g.nlgmax = *nmaxln;
  g.ilgopt = 1;
} ZANTOR_CATCH

ZANTOR_API void leglin_(char* cbuf, const char* cstr, const int32_t* ilin, size_t lbuf,
                        size_t lstr) try {
  chkini("LEGLIN");
  if (!haveLegend()) return;
  Zanglb& g = zanglb;
  if (jqqval(*ilin, 1, g.nlglin) != 0) return;
  if (cbuf == nullptr || lbuf < bufferNeeded()) return warnin(17);
  const std::string_view s = trimmedArg(cstr, lstr);
  if (s.size() > static_cast<std::size_t>(g.nlgmax)) return warnc1(16, s);
  putArg(cbuf + static_cast<std::size_t>(*ilin - 1) * g.nlgmax, g.nlgmax, s);
} ZANTOR_CATCH

ZANTOR_API void legtit_(const char* cstr, size_t len) try {
  chkini("LEGTIT");
  if (!haveLegend()) return;
  zanglb.cleg = arg(cstr, len);
} ZANTOR_CATCH

ZANTOR_API void legpos_(const int32_t* nx, const int32_t* ny) try {
  chkini("LEGPOS");
  if (!haveLegend()) return;
  Zanglb& g = zanglb;
  g.nxlgpo = *nx;
  g.nylgpo = static_cast<int32_t>(pageY(*ny));
  g.ilgpos = 0;
} ZANTOR_CATCH

// Error number 148 for "LEGTYP must be called before LEGINI": the number
// next to the other legend error (149).  A legend that has been drawn no
// longer counts as pending, so the type of the next legend can be chosen.
ZANTOR_API void legtyp_(const char* copt, size_t len) try {
  chkini("LEGTYP");
  const int k = jqqind("VERT+HORI+TABL", 3, arg(copt, len));
  if (k == 0) return;
  Zanglb& g = zanglb;
  if (g.ilgopt == 1 && g.ilgdrw == 0) {
    qqerror(148, "LEGTYP must be called before LEGINI");
    return;
  }
  g.ilgtyp = k - 1;
} ZANTOR_CATCH

ZANTOR_API void legtbl_(const int32_t* n, const char* copt, size_t len) try {
  chkini("LEGTBL");
  if (!haveLegend()) return;
  if (jqqval(*n, 1, LegendFields::kLegendLines) != 0) return;
  const int k = jqqind("VERT+HORI", 2, arg(copt, len));
  if (k == 0) return;
  zanglb.nlgtbl = *n;
  zanglb.ilgdir = k - 1;
} ZANTOR_CATCH

ZANTOR_API void legval_(const float* x, const char* copt, size_t len) try {
  chkini("LEGVAL");
  if (!haveLegend()) return;
  const int k = jqqind("PATT+MARG+LINE+SYMB+HSPA+DIST", 6, arg(copt, len));
  if (k == 0) return;
  if (!std::isfinite(*x)) return warnin(2);
  Zanglb& g = zanglb;
  float* f[6] = {&g.flg1, &g.flg2, &g.flg3, &g.flg4, &g.flg5, &g.flg6};
  *f[k - 1] = *x;
} ZANTOR_CATCH

ZANTOR_API void legopt_(const float* x1, const float* x2, const float* x3) try {
  chkini("LEGOPT");
  if (!haveLegend()) return;
  for (float v : {*x1, *x2, *x3})
    if (!(v > 0) || !std::isfinite(v)) return warnin(2);
  zanglb.flg1 = *x1;
  zanglb.flg2 = *x2;
  zanglb.flg3 = *x3;
} ZANTOR_CATCH

// n <= 0 shows every line again.  Entries beyond the legend's lines are
// reported when the legend is drawn.
ZANTOR_API void legsel_(const int32_t* nray, const int32_t* n) try {
  chkini("LEGSEL");
  if (!haveLegend()) return;
  Zanglb& g = zanglb;
  if (*n <= 0) {
    g.nlgsel = 0;
    return;
  }
  if (jqqval(*n, 1, LegendFields::kLegendLines) != 0) return;
  for (int i = 0; i < *n; ++i)
    if (nray[i] < 1) return warni1(2, nray[i]);
  std::copy(nray, nray + *n, g.nlgsls);
  g.nlgsel = *n;
} ZANTOR_CATCH

// ityp -1 leaves out the line, isym -1 the marker, iclr -1 takes the
// current colour, ipat -1 leaves out the pattern box.
ZANTOR_API void legpat_(const int32_t* ilin, const int32_t* ityp, const int32_t* nthk,
                        const int32_t* isym, const int32_t* iclr, const int32_t* ipat) try {
  chkini("LEGPAT");
  if (!haveLegend()) return;
  Zanglb& g = zanglb;
  if (jqqval(*ilin, 1, g.nlglin) != 0 || jqqval(*ityp, -1, 7) != 0 ||
      jqqval(*nthk, 1, 100) != 0 || jqqval(*isym, -1, 1000) != 0 || jqqval(*ipat, -1, -1) != 0)
    return;
  const int i = *ilin - 1;
  g.ilgsty[i] = *ityp;
  g.ilgthk[i] = *nthk;
  g.ilgsym[i] = *isym;
  g.ilgcol[i] = *iclr;
  g.ilgshd[i] = *ipat;
  g.ilgdef[i] = 1;
  g.ilgpat = 1;
} ZANTOR_CATCH

ZANTOR_API void legclr_() try {
  chkini("LEGCLR");
  if (!haveLegend()) return;
  zanglb.ilgclr = 1;
} ZANTOR_CATCH

ZANTOR_API void legbgd_(const int32_t* n) try {
  chkini("LEGBGD");
  if (!haveLegend()) return;
  if (jqqval(*n, -1, -1) != 0) return;
  zanglb.ilgbgd = *n;
} ZANTOR_CATCH

// Public text routines: output, measuring and the character settings.
#include <cmath>
#include <string>

#include "core/api.h"
#include "core/args.h"
#include "core/keywords.h"
#include "core/levels.h"
#include "core/state.h"
#include "core/warnings.h"
#include "draw/page.h"
#include "text/font_store.h"
#include "text/text_engine.h"
#include "text/text_user.h"

namespace zantor {

namespace {
constexpr const char* kAlphabets = "STAN+GREE+MATH+ITAL+SCRI+RUSS+INST";
}

void resetTextDefaults() {
  Zanglb& g = zanglb;
  static_cast<TextFields&>(g) = TextFields{};
  g.nwchar = lengthUnits(24);
  g.nhchar = g.nhbas = lengthUnits(36);
  g.nangle = 0, g.sina = 0.0f, g.cosa = 1.0f;
  g.xlinsp = 1.5f;
  g.itxtbg = -1;
  loadFont(1);  // zanalf
}

// Justification and the pass of messag (nx, ny in plot units, page y
// already applied).
void justifiedMessage(std::string_view s, float nx, float ny) {
  const Zanglb& g = zanglb;
  if (nx == 999.0f && ny == 999.0f) return qqmess(s, nx, ny);
  float L = 0.0f, H = 0.0f;
  if (g.itxtjs != 0) L = static_cast<float>(textLength(s)) / (g.itxtjs == 1 ? 2.0f : 1.0f);
  if (g.itxtjv != 0) H = static_cast<float>(g.nhchar) / (g.itxtjv == 1 ? 2.0f : 1.0f);
  // INT truncates toward zero.
  const float x = std::trunc(nx - L * g.cosa - H * g.sina + 0.5f);
  const float y = std::trunc(ny + L * g.sina - H * g.cosa + 0.5f);
  qqmess(s, x, y);
}

}  // namespace zantor

using namespace zantor;

ZANTOR_API void messag_(const char* cstr, const int32_t* nx, const int32_t* ny, size_t len) try {
  if (jqqlev(1, 3, "MESSAG") != 0) return;
  const bool cont = *nx == 999 && *ny == 999;
  const float y = cont ? 999.0f : static_cast<float>(pageY(*ny));
  justifiedMessage(arg(cstr, len), static_cast<float>(*nx), y);
} ZANTOR_CATCH

ZANTOR_API void rlmess_(const char* cstr, const float* x, const float* y, size_t len) try {
  if (jqqlev(2, 3, "RLMESS") != 0) return;
  const bool cont = std::fabs(*x - 999.0f) < 0.1f && std::fabs(*y - 999.0f) < 0.1f;
  float xp = 999.0f, yp = 999.0f;
  if (!cont && !userToPlot(*x, *y, xp, yp)) return;
  justifiedMessage(arg(cstr, len), xp, yp);
} ZANTOR_CATCH

ZANTOR_API int32_t nlmess_(const char* cstr, size_t len) try {
  if (jqqlev(1, 3, "NLMESS") != 0) return 0;
  return textLength(arg(cstr, len));
} ZANTOR_CATCH_RETURN(0)

ZANTOR_API void height_(const int32_t* n) try {
  if (jqqlev(1, 3, "HEIGHT") != 0) return;
  if (jqqval(*n, 1, 10000) != 0) return;
  zanglb.nhchar = *n;
} ZANTOR_CATCH

ZANTOR_API void angle_(const int32_t* n) try {
  chkini("ANGLE");
  Zanglb& g = zanglb;
  g.nangle = *n;
  const double a = static_cast<double>(*n) * 3.14159265358979 / 180.0;
  g.sina = static_cast<float>(std::sin(a));
  g.cosa = static_cast<float>(std::cos(a));
} ZANTOR_CATCH

ZANTOR_API void basalf_(const char* copt, size_t len) try {
  chkini("BASALF");
  const int n = jqqind(kAlphabets, 6, arg(copt, len));
  if (n == 0) return;
  zanglb.nbasbt = zanglb.nalf = n;
} ZANTOR_CATCH

ZANTOR_API void smxalf_(const char* copt, const char* c1, const char* c2, const int32_t* n,
                        size_t lopt, size_t l1, size_t l2) try {
  chkini("SMXALF");
  Zanglb& g = zanglb;
  const int a = jqqind(kAlphabets, 7, arg(copt, lopt));
  if (a == 0 || jqqval(*n, 1, 6) != 0) return;
  if (l1 == 0 || l2 == 0) return warnin(2);
  if (a == g.nbasbt) return warnin(19);
  g.nalfbt[*n - 1] = a;
  g.ialfbt[*n - 1] = static_cast<unsigned char>(c1[0]);
  g.ialfb2[*n - 1] = static_cast<unsigned char>(c2[0]);
  g.imixbt = 1;
} ZANTOR_CATCH

ZANTOR_API void mixalf_() try {
  chkini("MIXALF");
  zanglb.nmix = 1;
} ZANTOR_CATCH

ZANTOR_API void setmix_(const char* c, const char* copt, size_t lc, size_t lopt) try {
  chkini("SETMIX");
  const int n = jqqind("EXP +IND +RES +LEG +TEX ", 5, arg(copt, lopt));
  if (n == 0) return;
  if (lc == 0) return warnin(2);
  zanglb.csex.c[n - 1] = c[0];
} ZANTOR_CATCH

ZANTOR_API void newmix_() try {
  chkini("NEWMIX");
  Zanglb& g = zanglb;
  g.csex.c[0] = '^', g.csex.c[1] = '_', g.csex.c[2] = '%';
} ZANTOR_CATCH

ZANTOR_API void setexp_(const float* x) try {
  chkini("SETEXP");
  zanglb.fexp = *x;
} ZANTOR_CATCH

ZANTOR_API void setbas_(const float* x) try {
  chkini("SETBAS");
  zanglb.fbasis = *x;
} ZANTOR_CATCH

ZANTOR_API void chawth_(const float* x) try {
  chkini("CHAWTH");
  if (!(*x > 0.0f && *x < 2.0f)) return warnin(2);
  zanglb.xcwth = *x;
} ZANTOR_CATCH

ZANTOR_API void chaspc_(const float* x) try {
  chkini("CHASPC");
  zanglb.xcspc = *x;
} ZANTOR_CATCH

ZANTOR_API void chaang_(const float* x) try {
  chkini("CHAANG");
  if (!(*x >= -60.0f && *x <= 60.0f)) return warnin(2);
  const double t = std::tan((90.0 - *x) * 3.14159265358979 / 180.0);
  zanglb.xcslp = static_cast<float>(1.0 / t);
} ZANTOR_CATCH

ZANTOR_API void fixspc_(const float* x) try {
  chkini("FIXSPC");
  if (!(*x >= 0.0f)) return warnin(2);
  zanglb.ifixsp = 1;
  zanglb.xfixsp = *x;
} ZANTOR_CATCH

ZANTOR_API void txtjus_(const char* copt, size_t len) try {
  chkini("TXTJUS");
  const int n = jqqind("LEFT+CENT+RIGH+TOP +MIDD+BOTT", 6, arg(copt, len));
  if (n == 0) return;
  if (n <= 3) zanglb.itxtjs = n - 1;
  else zanglb.itxtjv = n - 4;
} ZANTOR_CATCH

ZANTOR_API void txtbgd_(const int32_t* n) try {
  chkini("TXTBGD");
  if (*n < -1) return warnin(2);
  zanglb.itxtbg = *n;
} ZANTOR_CATCH

ZANTOR_API void frmess_(const int32_t* n) try {
  chkini("FRMESS");
  zanglb.nfrmes = *n;
} ZANTOR_CATCH

ZANTOR_API void linesp_(const float* x) try {
  chkini("LINESP");
  zanglb.xlinsp = *x;
} ZANTOR_CATCH

ZANTOR_API void chacod_(const char* copt, size_t len) try {
  chkini("CHACOD");
  const int n = jqqind("STAN+ISO1+ISO2+ISO3+ISO5+KOI8+UTF8+ISO7", 8, arg(copt, len));
  if (n != 0) zanglb.icdfnt = n - 1;
} ZANTOR_CATCH

ZANTOR_API void eushft_(const char* copt, const char* c, size_t lopt, size_t lc) try {
  chkini("EUSHFT");
  Zanglb& g = zanglb;
  const int n = jqqind("GERM+DANI+SPAN+FREN+ACUT+GRAV+CIRC+TURK", 8, arg(copt, lopt));
  if (n == 0) return;
  if (lc == 0) return warnin(2);
  const int code = static_cast<unsigned char>(c[0]);
  for (int k = 0; k < 8; ++k)
    if (k != n - 1 && g.igsft[k] == code) return warnin(57);
  g.igsft[n - 1] = code;
  g.ieusft = 1;
} ZANTOR_CATCH

ZANTOR_API void texmod_(const char* copt, size_t len) try {
  chkini("TEXMOD");
  const int n = jqqind("OFF +ON  ", 2, arg(copt, len));
  if (n != 0) zanglb.itexop = n - 1;
} ZANTOR_CATCH

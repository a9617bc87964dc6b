// Number formatting: strings of numbers and the routines that draw them.
#include "text/numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

#include "core/api.h"
#include "core/args.h"
#include "core/format.h"
#include "core/keywords.h"
#include "core/levels.h"
#include "core/state.h"
#include "core/warnings.h"
#include "draw/page.h"
#include "text/text_engine.h"
#include "text/text_user.h"

namespace zantor {

namespace {

// |v| rounded half up to ndig decimals (ndig <= 0: to an integer), as the
// digits before and after the point.  Works on the exact decimal value.
void roundedDigits(double v, int ndig, std::string& whole, std::string& frac) {
  char buf[512];
  auto r = std::to_chars(buf, buf + sizeof buf, std::fabs(v), std::chars_format::fixed, 160);
  std::string s(buf, r.ptr);
  const std::size_t point = s.find('.');
  whole = s.substr(0, point);
  std::string rest = point == std::string::npos ? std::string() : s.substr(point + 1);
  const std::size_t keep = ndig > 0 ? static_cast<std::size_t>(ndig) : 0;
  rest.resize(std::max(rest.size(), keep + 1), '0');
  frac = rest.substr(0, keep);
  if (rest[keep] >= '5') {
    // Carry through the fraction and into the integer digits.
    std::string all = whole + frac;
    int i = static_cast<int>(all.size()) - 1;
    while (i >= 0 && all[static_cast<std::size_t>(i)] == '9') all[static_cast<std::size_t>(i--)] = '0';
    if (i < 0) all.insert(0, 1, '1');
    else ++all[static_cast<std::size_t>(i)];
    whole = all.substr(0, all.size() - keep);
    frac = all.substr(all.size() - keep);
  }
}

}  // namespace

std::string fcha(double x, int ndig) {
  if (!std::isfinite(x)) return fmtFixed(x, 0);
  // More digits than labdig accepts are not written: the string (and the
  // memory for it) stays bounded whatever the caller passes.
  ndig = std::min(ndig, kMaxNumberDigits);
  std::string whole, frac;
  roundedDigits(x, ndig, whole, frac);
  std::string s = x < 0 ? "-" : "";
  s += whole;
  if (ndig >= 0) s += "." + frac;
  // A value that rounds to zero carries no sign.
  if (s[0] == '-' && s.find_first_not_of("-0.") == std::string::npos) s.erase(0, 1);
  return s;
}

ExpNumber gexpno(double x, int ndig) {
  ExpNumber r;
  if (std::fabs(x) < zanglb.eps || !std::isfinite(x)) {
    r.mantissa = fcha(std::isfinite(x) ? 0.0 : x, ndig);
    return r;
  }
  double m = std::fabs(x);
  int e = 0;
  while (m >= 10.0) m /= 10.0, ++e;
  while (m < 1.0) m *= 10.0, --e;
  if (x < 0) m = -m;
  std::string s = fcha(m, ndig);
  const std::string digits = s[0] == '-' ? s.substr(1) : s;
  if (digits.rfind("10", 0) == 0 && (digits.size() == 2 || digits[2] == '.')) {
    ++e;
    s = fcha(m / 10.0, ndig);
  }
  r.mantissa = s;
  r.exponent = e;
  r.hasExponent = true;
  return r;
}

// Negative numbers keep their minus sign in front of the grouped digits,
// and the front sign character is given to non-negative numbers only, so
// that "PLUS" yields +5 and -5 and "SPAC" lines them up.
std::string gnustr(const std::string& s) {
  const auto& mod = zanglb.cnumod.c;
  const bool negative = !s.empty() && s[0] == '-';
  std::string body = negative ? s.substr(1) : s;
  const std::size_t point = body.find('.');
  if (point != std::string::npos) body[point] = mod[0];
  if (mod[1] != '0') {
    const std::size_t n = point == std::string::npos ? body.size() : point;
    std::string grouped;
    for (std::size_t i = 0; i < n; ++i) {
      if (i > 0 && (n - i) % 3 == 0) grouped += mod[1];
      grouped += body[i];
    }
    body = grouped + body.substr(n);
  }
  if (negative) return "-" + body;
  if (mod[2] != '0') return std::string(1, mod[2]) + body;
  return body;
}

std::string numberString(float x, int ndig) {
  const Zanglb& g = zanglb;
  const std::string E(1, g.csex.c[0]), R(1, g.csex.c[2]);
  switch (g.inufmt) {
    case 3:  // LOG: x is the exponent of 10
      return "10" + E + gnustr(fcha(x, ndig)) + R;
    case 1:
    case 2:
    case 4: {
      const ExpNumber n = gexpno(x, ndig);
      std::string s = gnustr(n.mantissa);
      if (!n.hasExponent) return s;
      const std::string e = fmtInt(n.exponent);
      if (g.inufmt == 1) return s + R + "*10" + E + e + R;
      if (g.inufmt == 2) return s + R + "E" + e;
      return s + R + "{D}10" + E + e + R;
    }
    default:
      return gnustr(fcha(x, ndig));
  }
}

namespace {

// Runs f with the settings number needs for the current format: fixed
// spacing for "EQUA", exponent characters for the exponent forms, the
// mathematical alphabet in slot 1 for XEXP; all restored afterwards.
template <class F>
auto withNumberSettings(F&& f) {
  Zanglb& g = zanglb;
  const int nmix = g.nmix, ifixsp = g.ifixsp, imixbt = g.imixbt;
  const float xfixsp = g.xfixsp;
  const int slot[3] = {g.nalfbt[0], g.ialfbt[0], g.ialfb2[0]};
  if (g.cnumod.c[3] == '1') g.ifixsp = 1, g.xfixsp = 0.7f;
  if (g.inufmt != 0) g.nmix = 1;
  if (g.inufmt == 4) {
    g.nalfbt[0] = 3, g.ialfbt[0] = '{', g.ialfb2[0] = '}';
    g.imixbt = 1;
  }
  auto result = f();
  g.nmix = nmix, g.ifixsp = ifixsp, g.imixbt = imixbt, g.xfixsp = xfixsp;
  g.nalfbt[0] = slot[0], g.ialfbt[0] = slot[1], g.ialfb2[0] = slot[2];
  return result;
}

void drawNumber(float x, int ndig, float nx, float ny) {
  const std::string s = numberString(x, ndig);
  withNumberSettings([&] {
    justifiedMessage(s, nx, ny);
    return 0;
  });
}

}  // namespace

}  // namespace zantor

using namespace zantor;

ZANTOR_API void number_(const float* x, const int32_t* ndig, const int32_t* nx,
                        const int32_t* ny) try {
  if (jqqlev(1, 3, "NUMBER") != 0) return;
  const bool cont = *nx == 999 && *ny == 999;
  drawNumber(*x, *ndig, static_cast<float>(*nx), cont ? 999.0f : static_cast<float>(pageY(*ny)));
} ZANTOR_CATCH

ZANTOR_API void rlnumb_(const float* x, const int32_t* ndig, const float* xp, const float* yp) try {
  if (jqqlev(2, 3, "RLNUMB") != 0) return;
  const bool cont = std::fabs(*xp - 999.0f) < 0.1f && std::fabs(*yp - 999.0f) < 0.1f;
  float px = 999.0f, py = 999.0f;
  if (!cont && !userToPlot(*xp, *yp, px, py)) return;
  drawNumber(*x, *ndig, px, py);
} ZANTOR_CATCH

ZANTOR_API int32_t nlnumb_(const float* x, const int32_t* ndig) try {
  if (jqqlev(1, 3, "NLNUMB") != 0) return 0;
  const std::string s = numberString(*x, *ndig);
  return withNumberSettings([&] { return textLength(s); });
} ZANTOR_CATCH_RETURN(0)

ZANTOR_API void numfmt_(const char* copt, size_t len) try {
  chkini("NUMFMT");
  const int n = jqqind("FLOA+EXP +FEXP+LOG +XEXP", 5, arg(copt, len));
  if (n != 0) zanglb.inufmt = n - 1;
} ZANTOR_CATCH

ZANTOR_API void numode_(const char* cdec, const char* cgrp, const char* cpos, const char* cfix,
                        size_t ldec, size_t lgrp, size_t lpos, size_t lfix) try {
  if (jqqlev(1, 3, "NUMODE") != 0) return;
  auto& c = zanglb.cnumod.c;
  if (int n = jqqind("POIN+COMM", 2, arg(cdec, ldec)); n != 0) c[0] = ".,"[n - 1];
  if (int n = jqqind("NONE+SPAC+POIN+COMM", 4, arg(cgrp, lgrp)); n != 0) c[1] = "0 .,"[n - 1];
  if (int n = jqqind("NONE+SPAC+PLUS", 3, arg(cpos, lpos)); n != 0) c[2] = "0 +"[n - 1];
  if (int n = jqqind("NOEQ+EQUA", 2, arg(cfix, lfix)); n != 0) c[3] = "01"[n - 1];
} ZANTOR_CATCH

namespace {

void setDigits(const char* routine, int32_t n, std::string_view cax) {
  chkini(routine);
  Zanglb& g = zanglb;
  if (jqqval(n, -2, 100) != 0) return;
  const std::string k = upstr(cax);
  auto is = [&](const char* w) { return k.rfind(w, 0) == 0; };
  if (is("BAR") || is("CON") || is("PIE") || is("DAT") || is("PER")) {
    // Automatic digits exist for axes and contour labels only.
    if (n == -2 && !is("CON")) return warni1(2, n);
    if (is("BAR")) g.ndezbr = n;
    else if (is("CON")) g.ndezcr = n;
    else if (is("PIE")) g.ndzpnt = g.ndzdta = n;
    else if (is("DAT")) g.ndzdta = n;
    else g.ndzpnt = n;
    return;
  }
  if (k.empty() || k.find_first_not_of("XYZ") != std::string::npos) return warnc1(2, cax);
  for (char c : k) {
    const int i = c - 'X';
    if (n == -2) {
      g.ixdgop[i] = 1;
    } else {
      g.ndezx[i] = n;
      g.ixdgop[i] = 0;
    }
  }
}

}  // namespace

ZANTOR_API void labdig_(const int32_t* n, const char* cax, size_t len) try {
  setDigits("LABDIG", *n, trimmedArg(cax, len));
} ZANTOR_CATCH

ZANTOR_API void digits_(const int32_t* n, const char* cax, size_t len) try {
  setDigits("DIGITS", *n, trimmedArg(cax, len));
} ZANTOR_CATCH

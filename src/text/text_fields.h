// Fields of the state record owned by the text engine and number
// formatting: persistent character settings and the state of one pass.
#pragma once
#include <cstdint>
#include "core/fixed_string.h"

namespace zantor {

struct TextFields {
  // Persistent settings (changed by the setter routines).
  int32_t nhchar = 36;       // character height, plot units
  int32_t nangle = 0;        // text angle, degrees
  float sina = 0.0f, cosa = 1.0f;
  int32_t nwchar = 24;       // character width of hardware text, plot units
  int32_t nbasbt = 1;        // base alphabet 1..6
  float xcwth = 1.0f;        // width factor
  float xcspc = 0.0f;        // extra spacing, character heights
  float xcslp = 0.0f;        // slant, tan of the slant angle
  int32_t ifixsp = 0;        // fixed spacing on/off
  float xfixsp = 0.0f;       // fixed spacing factor
  int32_t itxtjs = 0;        // 0 left, 1 centre, 2 right
  int32_t itxtjv = 0;        // 0 top, 1 middle, 2 bottom
  int32_t itxtbg = -1;       // background colour, -1 none
  int32_t nfrmes = 0;        // frame thickness, 0 none
  float xlinsp = 1.5f;       // line spacing factor
  int32_t nmix = 0;          // exponent/index/reset characters active
  FixedString<5> csex{"[]$/\\"};  // exponent, index, reset, legend, formula
  float fexp = 0.8f;         // height factor of exponents and indices
  float fbasis = 0.6f;       // baseline shift of exponents and indices
  int32_t imixbt = 0;        // 1 once a mixed alphabet is defined
  int32_t nalfbt[6] = {};    // alphabet of each mixed slot, 0 free
  int32_t ialfbt[6] = {};    // shift-in character code
  int32_t ialfb2[6] = {};    // shift-out character code
  int32_t icdfnt = 0;        // character coding 0..7
  int32_t ieusft = 0;        // European shift characters active
  int32_t igsft[8] = {};     // shift character per kind, 0 none
  int32_t itexop = 0;        // formula mode
  float xitalc = 3.732f;     // italic shear divisor

  // One text pass.
  float xalf = 0.0f, yalf = 0.0f;  // pen on the baseline
  float xbas = 0.0f, ybas = 0.0f;  // baseline start of the pass
  int32_t nalf = 1;          // alphabet of the current character
  int32_t ntpbas = 1;        // alphabet after a mixed alphabet
  int32_t ntpclr = 0;        // colour at pass start
  float xtpwth = 1.0f, xtpspc = 0.0f, xtpslp = 0.0f;
  int32_t itpfix = 0;
  float xtpfix = 0.0f;
  float xtpoff = 0.0f;       // baseline raise of following characters
  float xtpbas = 0.0f;       // second raise (O command)
  int32_t nhbas = 36;        // height at pass start
  float xspc = 0.0f;         // space after the current character
  float xfalf = 0.0f, yfalf = 0.0f;  // font unit to plot unit factors
  int32_t iswopt = 0;        // alphabet the factors belong to, 0 none
  float xtab[20] = {};       // tabulators (P command)
  int32_t clexan[256] = {};  // decoded codes
  int32_t nlexan = 0;
  int32_t inoplt = 0;        // 1 while measuring
  int32_t imixop = 0;        // 1 inside a mixed alphabet
  int32_t imixsl = 0;        // slot of the active mixed alphabet
  int32_t itxexp = 0, itxind = 0;  // the pass had an exponent / an index
  char ccmd[21] = {};        // pending instruction code
  int32_t nccmd = 0;

  // Number formatting.
  int32_t inufmt = 0;        // 0 FLOA, 1 EXP, 2 FEXP, 3 LOG, 4 XEXP
  FixedString<4> cnumod{".000"};  // decimal, grouping, front sign, equal width
  int32_t ndezx[3] = {1, 1, 1};
  int32_t ixdgop[3] = {};
  int32_t ndezbr = 1, ndezcr = 1, ndzpnt = 1, ndzdta = 1;
};

}  // namespace zantor

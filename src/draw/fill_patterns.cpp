// Shading patterns: the predefined table, pattern codes and the setters.
#include <array>
#include <cmath>

#include "core/api.h"
#include "core/keywords.h"
#include "core/levels.h"
#include "core/state.h"
#include "core/warnings.h"
#include "draw/fill.h"
#include "draw/fill_hatch.h"

namespace zantor {
namespace {

// Codes 1000 angle + 100 type + 10 density + cross of shdpat 0..17.
constexpr std::array<int32_t, 18> kPatterns{
    0,     45150, 150450, 135150, 45450, 45151, 135210, 45451, 30140,
    45211, 151,   45310,  70470,  45311, 451,   45210,  100,   550};

void applyCode(int32_t code) {
  Zanglb& g = zanglb;
  // Angles of large codes are taken modulo 180: the lines look the same.
  g.iangsh = (code / 1000) % 180;
  g.itypsh = (code / 100) % 10;
  g.idensh = (code / 10) % 10;
  g.icrosh = code % 10 == 1 ? 1 : 0;
  const int d = g.idensh;
  switch (g.itypsh) {
    case 2: g.ndrawl = 2; g.nskipl = d + 1; break;
    case 3: g.ndrawl = 3; g.nskipl = d + 1; break;
    case 4: g.ndrawl = 8; g.nskipl = 5 * d + 5; break;
    default: break;  // types 6 and 7 keep the counts of the last grouped pattern
  }
  g.ydifsh = static_cast<float>(hatchSpacing(g.itypsh, d));
}

}  // namespace

void setShadingPattern(int32_t n) {
  if (n < 0) return;
  zanglb.nshd = n;
  applyCode(n <= 17 ? kPatterns[static_cast<std::size_t>(n)] : n);
}

void resetFillDefaults() {
  Zanglb& g = zanglb;
  g.ilinsh = 1;
  g.ihwshd = 1;
  g.xshdfc = 1.0f;
  // Every line drawn until a grouped pattern sets other counts.
  g.ndrawl = 1;
  g.nskipl = 0;
  g.xcirsp = 10.0f / g.xfcuni;
  g.ifrclr = -1;
  g.itprmd = 0;
  g.ialpha = 0;
  g.nalpha = 255;
  setShadingPattern(0);
}

}  // namespace zantor

using namespace zantor;

ZANTOR_API void shdpat_(const int32_t* n) try {
  chkini("SHDPAT");
  if (*n < 0) {
    warni1(2, *n);
    return;
  }
  setShadingPattern(*n);
} ZANTOR_CATCH

ZANTOR_API void mypat_(const int32_t* iang, const int32_t* itype, const int32_t* idens,
                       const int32_t* icross) try {
  chkini("MYPAT");
  if (jqqval(*iang, 0, 179) != 0 || jqqval(*itype, 0, 7) != 0 || jqqval(*idens, 0, 9) != 0 ||
      jqqval(*icross, 0, 1) != 0)
    return;
  const int32_t code = 1000 * *iang + 100 * *itype + 10 * *idens + *icross;
  zanglb.nshd = code;
  applyCode(code);
} ZANTOR_CATCH

ZANTOR_API void shdfac_(const float* xfac) try {
  if (jqqlev(1, 3, "SHDFAC") != 0) return;
  // A factor that is not positive would give no or endless hatch lines.
  if (!(*xfac > 0.0f) || !std::isfinite(*xfac)) {
    warnin(2);
    return;
  }
  Zanglb& g = zanglb;
  g.xshdfc = *xfac;
  g.ydifsh = static_cast<float>(hatchSpacing(g.itypsh, g.idensh));
} ZANTOR_CATCH

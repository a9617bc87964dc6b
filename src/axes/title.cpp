// Titles above or below the axis system.
#include <cmath>
#include <cstdlib>

#include <zantor.h>

#include "axes/decorations.h"
#include "core/api.h"
#include "core/args.h"
#include "core/keywords.h"
#include "core/levels.h"
#include "core/state.h"
#include "core/warnings.h"
#include "draw/pipeline.h"
#include "text/text_engine.h"

namespace zantor {

void horizontalText(std::string_view s, double x, double y) {
  Zanglb& g = zanglb;
  const int32_t angle = g.nangle;
  const float sina = g.sina, cosa = g.cosa;
  g.nangle = 0, g.sina = 0.0f, g.cosa = 1.0f;
  qqmess(s, static_cast<float>(x - g.nx0), static_cast<float>(y - g.ny0));
  g.nangle = angle, g.sina = sina, g.cosa = cosa;
}

void resetTitleDefaults() {
  static_cast<TitleFields&>(zanglb) = TitleFields{};
}

}  // namespace zantor

using namespace zantor;

ZANTOR_API void titlin_(const char* cstr, const int32_t* n, size_t len) try {
  chkini("TITLIN");
  const int64_t k = std::abs(static_cast<int64_t>(*n));  // INT32_MIN has no int32 negation
  if (k < 1 || k > 4) return warni1(2, *n);
  Zanglb& g = zanglb;
  g.ctit[k - 1] = arg(cstr, len);
  g.ititul[k - 1] = *n < 0 ? 1 : 0;
} ZANTOR_CATCH

ZANTOR_API void title_() try {
  if (jqqlev(2, 3, "TITLE") != 0) return;
  Zanglb& g = zanglb;
  // The title lies outside the axis rectangle: a clipping window an axis
  // system closed on its rectangle (graf3d, clpbor("AXIS")) is lifted for
  // it and closed again afterwards.
  const bool axisClip = g.iclipp == 2 && g.iazclp == 0;
  if (axisClip) restorePageClipping();
  const int32_t height = g.nhchar;
  if (g.ititle > 0) g.nhchar = g.ititle;
  const double h = g.nhchar, lsp = g.xlinsp;
  // E, the room of a colour bar on top of a 3D-coloured axis system, joins
  // here with those axis systems.
  const double extra = 0;
  for (int i = 1; i <= 4; ++i) {
    const std::string_view s = g.ctit[i - 1].trimmed();
    const double length = s.empty() ? 0 : textLength(s);
    if (length <= 0) continue;
    double x = g.nxa;
    if (g.nlft == 0) x = g.nxa - (length - g.nxl) / 2;
    else if (g.nlft == 2) x = double(g.nxa) + g.nxl - length;
    x = std::trunc(x);
    double y = g.ititps == 0
                   ? double(g.nya) - g.nyl - g.nvty - extra - 3 * h - (4 - i) * lsp * h
                   : double(g.nya) - g.nvty - extra + 4 * h + (i - 1) * lsp * h;
    y = std::trunc(y);
    horizontalText(s, x, y);
    if (g.ititul[i - 1] == 1) {
      const float yl = static_cast<float>(y + 1.2 * h);
      qqmove(static_cast<float>(x - h / 2), yl);
      qqdraw(static_cast<float>(x + length + h / 2), yl);
      qqstrk();
    }
  }
  g.nhchar = height;
  if (axisClip) clpbor_("AXIS", 4);
} ZANTOR_CATCH

ZANTOR_API void titjus_(const char* copt, size_t len) try {
  chkini("TITJUS");
  const int k = jqqind("CENT+LEFT+RIGH", 3, arg(copt, len));
  if (k != 0) zanglb.nlft = k - 1;
} ZANTOR_CATCH

ZANTOR_API void lfttit_() try {
  chkini("LFTTIT");
  zanglb.nlft = 1;
} ZANTOR_CATCH

ZANTOR_API void titpos_(const char* copt, size_t len) try {
  chkini("TITPOS");
  const int k = jqqind("ABOV+BELO", 2, arg(copt, len));
  if (k != 0) zanglb.ititps = k - 1;
} ZANTOR_CATCH

ZANTOR_API void htitle_(const int32_t* n) try {
  chkini("HTITLE");
  if (jqqval(*n, 0, 10000) != 0) return;
  zanglb.ititle = *n;
} ZANTOR_CATCH

ZANTOR_API void vkytit_(const int32_t* n) try {
  chkini("VKYTIT");
  zanglb.nvty = *n;
} ZANTOR_CATCH

// The font routines: each replaces the font store with one font.
#include "core/api.h"
#include "core/levels.h"
#include "core/state.h"
#include "text/font_store.h"

namespace {

void selectFont(const char* routine, int ialf) {
  zantor::chkini(routine);  // warns at a wrong level; the font still loads
  zantor::loadFont(ialf);
}

}  // namespace

ZANTOR_API void zanalf_() { selectFont("ZANALF", 1); }
ZANTOR_API void complx_() { selectFont("COMPLX", 3); }
ZANTOR_API void simplx_() { selectFont("SIMPLX", 4); }
ZANTOR_API void duplx_() { selectFont("DUPLX", 5); }
ZANTOR_API void triplx_() { selectFont("TRIPLX", 6); }
ZANTOR_API void gothic_() { selectFont("GOTHIC", 7); }
ZANTOR_API void helve_() { selectFont("HELVE", 11); }
ZANTOR_API void helves_() { selectFont("HELVES", 12); }
ZANTOR_API void helvet_() { selectFont("HELVET", 13); }
ZANTOR_API void serif_() { selectFont("SERIF", 14); }

ZANTOR_API void shdcha_() {
  zantor::chkini("SHDCHA");
  zantor::zanglb.nshade = 1;
}
